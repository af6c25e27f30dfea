#include "system/ZYLMsg.h"

#include <memory>

#include "buttons/ZYLBackPanel.h"
#include "buttons/ZYLButton.h"
#include "buttons/ZYLCheckBox.h"
#include "buttons/ZYLSimplePanel.h"
#include "display/ZYLGlyphLabel.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLApplication.h"
#include "foundation/ZYLBaseController.h"
#include "foundation/ZYLConst.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLGlyphLayout.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLSysUtils.h"
#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Icon.h"
#include "platform/rtl/Consts.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TMsgDlgBtn;

ZYL_CLASS_IMPL(TZYLMessageBoxDlg) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using T = TZYLMessageBoxDlg;
  b.Publish("About")
      .Prop("CtlXP", &T::CtlXP, &T::SetCtlXP)
      .Default(true)
      .Prop("OnCustomize", &T::GetOnCustomize, &T::SetOnCustomize)
      .Prop("ButtonsStyle", &T::ButtonsStyle, &T::SetButtonsStyle)
      .Default(ubsWin40)
      .Prop("ShowAgainOffsetX", &T::GetShowAgainOffset, &T::SetShowAgainOffset)
      .Index(T::opShowAgainX)
      .Default(0)
      .Prop("ShowAgainOffsetY", &T::GetShowAgainOffset, &T::SetShowAgainOffset)
      .Index(T::opShowAgainY)
      .Default(0)
      .Prop("MessageFont3D", &T::GetFont3D, &T::SetFont3D)
      .Index(T::f3Message)
      .Prop("CaptionFont3D", &T::GetFont3D, &T::SetFont3D)
      .Index(T::f3Caption)
      .Prop("MessageAlignment", &T::MessageAlignment, &T::SetMessageAlignment)
      .Prop("MessageFont", &T::GetFont, &T::SetFont)
      .Index(T::fpMessage)
      .Prop("CaptionFont", &T::GetFont, &T::SetFont)
      .Index(T::fpCaption)
      .Prop("ButtonFont", &T::GetFont, &T::SetFont)
      .Index(T::fpButton)
      .Prop("Color", &T::Color, &T::SetColor, vcl::ColorTypeInfo())
      .Default(vcl::clBtnFace)
      .Prop("CaptionTitle", &T::CaptionTitle, &T::SetCaptionTitle)
      .Prop("CaptionAlignment", &T::CaptionAlignment, &T::SetCaptionAlignment)
      .Default(vcl::taLeftJustify)
      .Prop("ButtonTitles", &T::GetStringList, &T::SetStringList)
      .Index(T::spButtonTitles)
      .Prop("Hints", &T::GetStringList, &T::SetStringList)
      .Index(T::spHints)
      .Prop("CustomGlyphImageList", &T::CustomGlyphImageList, &T::SetCustomGlyphImageList)
      .Stored(&T::IsCustomGlyphImageListStored)
      .Prop("CustomGlyphListIndex", &T::GetCustomGlyphIndex, &T::SetCustomGlyphIndex)
      .Index(iiListIndex)
      .Default(0)
      .Prop("CustomGlyphImageIndex", &T::GetCustomGlyphIndex, &T::SetCustomGlyphIndex)
      .Index(iiImageIndex)
      .Default(0)
      .Prop("CustomGlyph", &T::GetBool, &T::SetBool)
      .Index(T::bpCustomGlyph)
      .Default(false)
      .Prop("Buttons", &T::Buttons, &T::SetButtons)
      .Default(vcl::TMsgDlgButtons{vcl::mbOK})
      .Prop("BoxLeft", &T::GetInteger, &T::SetInteger)
      .Index(T::ipBoxLeft)
      .Default(0)
      .Prop("BoxTop", &T::GetInteger, &T::SetInteger)
      .Index(T::ipBoxTop)
      .Default(0)
      .Prop("BoxWidth", &T::GetInteger, &T::SetInteger)
      .Index(T::ipBoxWidth)
      .Default(0)
      .Prop("BoxHeight", &T::GetInteger, &T::SetInteger)
      .Index(T::ipBoxHeight)
      .Default(0)
      .Prop("ShowHints", &T::GetBool, &T::SetBool)
      .Index(T::bpShowHints)
      .Default(false)
      .Prop("Position", &T::Position, &T::SetPosition)
      .Default(bpCenter)
      .Prop("RelatePos", &T::RelatePos, &T::SetRelatePos)
      .Default(brScreen)
      .Prop("PlayWave", &T::GetBool, &T::SetBool)
      .Index(T::bpPlayWave)
      .Default(false)
      .Prop("ShowAgain", &T::ShowAgain, &T::SetShowAgain)
      .Default(true)
      .Prop("ShowAgainBox", &T::ShowAgainBox, &T::SetShowAgainBox)
      .Default(false)
      .Prop("CaptionFill", &T::GetBool, &T::SetBool)
      .Index(T::bpCaptionFill)
      .Default(false)
      .Prop("Colors", &T::GetInteger, &T::SetInteger)
      .Index(T::ipColors)
      .Default(32)
      .Prop("DlgType", &T::DlgType, &T::SetDlgType)
      .Default(vcl::mtCustom)
      .Prop("WaveList", &T::WaveList, &T::SetWaveList)
      .Prop("WaveIndex", &T::GetInteger, &T::SetInteger)
      .Index(T::ipWaveIndex)
      .Default(0)
      .Prop("OnHelpClick", &T::GetOnHelpClick, &T::SetOnHelpClick);
}

namespace {

// The button kinds in creation order, with their modal results and default captions.
struct TButtonKind {
  TMsgDlgBtn Kind;
  vcl::TModalResult Result;
  const char* Caption;
  const char* Name;
};
constexpr TButtonKind kButtonKinds[] = {
    {vcl::mbYes, vcl::mrYes, vcl::SYesButton, "Yes"},
    {vcl::mbNo, vcl::mrNo, vcl::SNoButton, "No"},
    {vcl::mbOK, vcl::mrOk, vcl::SOKButton, "OK"},
    {vcl::mbCancel, vcl::mrCancel, vcl::SCancelButton, "Cancel"},
    {vcl::mbAbort, vcl::mrAbort, vcl::SAbortButton, "Abort"},
    {vcl::mbRetry, vcl::mrRetry, vcl::SRetryButton, "Retry"},
    {vcl::mbIgnore, vcl::mrIgnore, vcl::SIgnoreButton, "Ignore"},
    {vcl::mbAll, vcl::mrAll, vcl::SAllButton, "All"},
    {vcl::mbNoToAll, vcl::mrNoToAll, vcl::SNoToAllButton, "NoToAll"},
    {vcl::mbYesToAll, vcl::mrYesToAll, vcl::SYesToAllButton, "YesToAll"},
    {vcl::mbHelp, vcl::mrNone, vcl::SHelpButton, "Help"},
};

// The stock icon of a dialog type (0 for mtCustom).
uintptr_t StockIcon(vcl::TMsgDlgType Type) {
  switch (Type) {
    case vcl::mtWarning: return win::IDI_EXCLAMATION;
    case vcl::mtError: return win::IDI_HAND;
    case vcl::mtInformation: return win::IDI_ASTERISK;
    case vcl::mtConfirmation: return win::IDI_QUESTION;
    default: return 0;
  }
}

// The entry Index of a list when it is there and not empty, else Fallback.
std::string EntryOr(const vcl::TStrings* List, int Index, const std::string& Fallback) {
  if (Index < List->Count() && !List->Get(Index).empty()) return List->Get(Index);
  return Fallback;
}

TZYLMessageBoxDlg* RegisteredBox() {
  TZYLApplication* app = ZYLApplication();
  return app ? dynamic_cast<TZYLMessageBoxDlg*>(app->MessageBox) : nullptr;
}

}  // namespace

TZYLMessageBoxDlg::TZYLMessageBoxDlg(vcl::TComponent* AOwner)
    : inherited(AOwner),
      FMessageFont3D(this, &TZYLMessageBoxDlg::GetChange),
      FCaptionFont3D(this, &TZYLMessageBoxDlg::GetChange),
      FMessageAlignment(this, &TZYLMessageBoxDlg::GetChange),
      FMessageFont(this, &TZYLMessageBoxDlg::GetChange),
      FCaptionFont(this, &TZYLMessageBoxDlg::GetChange),
      FButtonFont(this, &TZYLMessageBoxDlg::GetChange),
      FColor(vcl::clBtnFace),
      FButtonTitles(this, &TZYLMessageBoxDlg::GetChange),
      FHints(this, &TZYLMessageBoxDlg::GetChange),
      FGlyphLink(this, &TZYLMessageBoxDlg::GetChange),
      FWaveLink(this, &TZYLMessageBoxDlg::GetChange) {
  // The last message box made is the one the global routines use.
  if (TZYLApplication* app = ZYLApplication()) app->MessageBox = this;
}

TZYLMessageBoxDlg::~TZYLMessageBoxDlg() {
  // Only the box that is registered unregisters: freeing an older one leaves the newer in
  // place.
  if (TZYLApplication* app = ZYLApplication(); app && app->MessageBox == this)
    app->MessageBox = nullptr;
  ZYLLinkImageList(this, FGlyphLink.get(), FCustomGlyphImageList, nullptr);
  SetWaveList(nullptr);
  // The holders unlink and free the settings objects after this body.
}

void TZYLMessageBoxDlg::SetShowAgainOffset(int Index, int Value) {
  (Index == opShowAgainX ? FShowAgainOffsetX : FShowAgainOffsetY) = Value;
}

void TZYLMessageBoxDlg::SetFont3D(int Index, TZYL3DCaption* Value) {
  GetFont3D(Index)->Assign(Value);
}

void TZYLMessageBoxDlg::SetMessageAlignment(TZYLGlyphTextLayout* Value) {
  FMessageAlignment->Assign(Value);
}

vcl::TFont* TZYLMessageBoxDlg::GetFont(int Index) const {
  return Index == fpMessage ? FMessageFont : Index == fpCaption ? FCaptionFont : FButtonFont;
}

void TZYLMessageBoxDlg::SetFont(int Index, vcl::TFont* Value) { GetFont(Index)->Assign(Value); }

vcl::TStrings* TZYLMessageBoxDlg::GetStringList(int Index) const {
  return Index == spButtonTitles ? FButtonTitles : FHints;
}

void TZYLMessageBoxDlg::SetStringList(int Index, vcl::TStrings* Value) {
  GetStringList(Index)->Assign(Value);
}

void TZYLMessageBoxDlg::SetCustomGlyphImageList(TZYLCustomImageList* Value) {
  if (ZYLLinkImageList(this, FGlyphLink.get(), FCustomGlyphImageList, Value)) GetChange(this);
}

bool TZYLMessageBoxDlg::IsCustomGlyphImageListStored() const {
  return ZYLIsReferenceStored(FCustomGlyphImageList);
}

void TZYLMessageBoxDlg::SetCustomGlyphIndex(int Index, int Value) {
  int& field = Index == iiImageIndex ? FCustomGlyphImageIndex : FCustomGlyphListIndex;
  if (Value < 0 || Value == field) return;
  field = Value;
  if (FCustomGlyphImageList) GetChange(this);
}

bool TZYLMessageBoxDlg::GetBool(int Index) const {
  switch (Index) {
    case bpShowHints: return FShowHints;
    case bpCustomGlyph: return FCustomGlyph;
    case bpPlayWave: return FPlayWave;
    default: return FCaptionFill;
  }
}

void TZYLMessageBoxDlg::SetBool(int Index, bool Value) {
  switch (Index) {
    case bpShowHints: FShowHints = Value; break;
    case bpCustomGlyph: FCustomGlyph = Value; break;
    case bpPlayWave: FPlayWave = Value; break;
    default: FCaptionFill = Value; break;
  }
}

int TZYLMessageBoxDlg::GetInteger(int Index) const {
  switch (Index) {
    case ipBoxLeft: return FBoxLeft;
    case ipBoxTop: return FBoxTop;
    case ipBoxWidth: return FBoxWidth;
    case ipBoxHeight: return FBoxHeight;
    case ipWaveIndex: return FWaveIndex;
    default: return FColors;
  }
}

void TZYLMessageBoxDlg::SetInteger(int Index, int Value) {
  switch (Index) {
    case ipBoxLeft: FBoxLeft = Value; break;
    case ipBoxTop: FBoxTop = Value; break;
    case ipBoxWidth: FBoxWidth = Value; break;
    case ipBoxHeight: FBoxHeight = Value; break;
    case ipWaveIndex:
      if (Value < 0 || Value == FWaveIndex) return;
      FWaveIndex = Value;
      if (FWaveList) GetChange(this);
      break;
    default: FColors = Value; break;
  }
}

void TZYLMessageBoxDlg::SetWaveList(TZYLWaveList* Value) {
  if (Value == FWaveList) return;
  if (FWaveList) {
    FWaveList->UnRegisterChanges(FWaveLink.get());
    FWaveList->RemoveFreeNotification(this);
  }
  FWaveList = Value;
  if (FWaveList) {
    FWaveList->RegisterChanges(FWaveLink.get());
    FWaveList->FreeNotification(this);
  }
  if (!ComponentState().contains(vcl::csDestroying)) GetChange(this);
}

void TZYLMessageBoxDlg::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (ZYLImageListRemoved(FGlyphLink.get(), FCustomGlyphImageList, AComponent, Operation))
    GetChange(this);
  if (Operation == vcl::opRemove && AComponent == FWaveList) {
    FWaveLink->Unregister();
    FWaveList = nullptr;
    GetChange(this);
  }
}

void TZYLMessageBoxDlg::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  // The background list goes as "Internal"; the custom glyph's global list has a name of its
  // own, so that a reader gives each identifier to its list.
  ZYLDefineGlobalIdent(
      Filer, FCustomGlyphImageList, [this](TZYLCustomImageList* L) { SetCustomGlyphImageList(L); },
      "GlyphInternal");
  Filer->DefineProperty(
      "ButtonStyle", [this](vcl::TReader* r) { ReadButtonStyle(r); }, nullptr, false);
}

void TZYLMessageBoxDlg::ReadButtonStyle(vcl::TReader* Reader) {
  const std::string ident = Reader->ReadIdent();
  if (ident == "nbsAutoDetect") {
    FButtonsStyle = ubsWin40;
    return;
  }
  // The old names map to the style of their position (kept for old form files).
  for (int i = 1; i < 3; ++i)
    if (ident == TZYLNormalBtnStyleString[i]) FButtonsStyle = static_cast<TZYLUserButtonStyle>(i);
}

void TZYLMessageBoxDlg::FormKeyDown(vcl::TObject* Sender, uint16_t& Key, vcl::TShiftState) {
  if (Key == win::VK_ESCAPE)
    if (auto* form = dynamic_cast<vcl::TCustomForm*>(Sender)) form->SetModalResult(vcl::mrCancel);
}

void TZYLMessageBoxDlg::HelpClick(vcl::TObject* Sender) {
  if (FOnHelpClick) FOnHelpClick(Sender);
}

void TZYLMessageBoxDlg::ShowAgainClick(vcl::TObject* Sender) {
  if (auto* box = dynamic_cast<TZYLCheckBox*>(Sender)) FShowAgain = !box->Checked();
}

void TZYLMessageBoxDlg::PlaySound() const {
  if (!FPlayWave || !FWaveList || FWaveIndex >= FWaveList->Count()) return;
  // The sound is an extra: a wave that cannot play leaves the message to be shown.
  try {
    FWaveList->GetArrayItem(FWaveIndex)->Wave()->Play();
  } catch (const vcl::Exception&) {
  }
}

int TZYLMessageBoxDlg::Execute(const std::string& Caption, const std::string& Msg,
                               const std::vector<vcl::TVarRec>& Args, vcl::TMsgDlgButtons Buttons,
                               int DlgType, int, int, int, int DefaultButton) {
  const vcl::TMsgDlgType type = DlgType < 0 ? FDlgType : static_cast<vcl::TMsgDlgType>(DlgType);
  if (Buttons.empty()) Buttons = FButtons;
  std::string caption = Caption;
  if (caption.empty()) caption = FCaptionTitle;
  if (caption.empty() && vcl::Application) caption = vcl::Application->Title();
  // A message that does not fit its arguments fails before anything is built.
  const std::string text = Args.empty() ? Msg : vcl::Format(Msg, Args);
  std::unique_ptr<vcl::TForm> form(BuildForm(caption, text, Buttons, type, DefaultButton));
  PlaySound();
  // The owner form released meanwhile ends the loop, and is freed once this call has returned.
  const vcl::TReleaseHold hold(this);
  if (FOnCustomize) FOnCustomize(form.get());
  return form->ShowModal();
}

int TZYLMessageBoxDlg::ShowMessage(const std::string& Msg) {
  Execute("", Msg, {}, {vcl::mbOK}, FDlgType, -1, -1, -1, 0);
  return 1;
}

int TZYLMessageBoxDlg::ShowMessageFmt(const std::string& Msg,
                                      const std::vector<vcl::TVarRec>& Args) {
  return Execute("", Msg, Args, {vcl::mbOK}, FDlgType, -1, -1, -1, 0);
}

int TZYLMessageBoxDlg::MessageDlg(const std::string& Msg, vcl::TMsgDlgType DlgType,
                                  vcl::TMsgDlgButtons Buttons, int HelpCtx) {
  return Execute("", Msg, {}, Buttons, DlgType, HelpCtx, -1, -1, 0);
}

int TZYLMessageBoxDlg::MessageDlgPos(const std::string& Msg, vcl::TMsgDlgType DlgType,
                                     vcl::TMsgDlgButtons Buttons, int HelpCtx, int X, int Y) {
  return Execute("", Msg, {}, Buttons, DlgType, HelpCtx, X, Y, 0);
}

int TZYLMessageBoxDlg::MessageBox(const char* Text, const char* Caption, int Flags) {
  // Buttons and icon: each later match overrides an earlier one.
  vcl::TMsgDlgButtons buttons;
  if ((Flags & 1) == 1) buttons = {vcl::mbOK, vcl::mbCancel};
  if ((Flags & 2) == 2) buttons = {vcl::mbAbort, vcl::mbRetry, vcl::mbIgnore};
  if ((Flags & 3) == 3) buttons = {vcl::mbYes, vcl::mbNo, vcl::mbCancel};
  if ((Flags & 4) == 4) buttons = {vcl::mbYes, vcl::mbNo};
  if ((Flags & 5) == 5) buttons = {vcl::mbRetry, vcl::mbCancel};
  if (buttons.empty()) buttons = {vcl::mbOK};
  vcl::TMsgDlgType type = FDlgType;
  if ((Flags & 0x10) == 0x10) type = vcl::mtError;
  if ((Flags & 0x20) == 0x20) type = vcl::mtConfirmation;
  if ((Flags & 0x30) == 0x30) type = vcl::mtWarning;
  if ((Flags & 0x40) == 0x40) type = vcl::mtInformation;
  int defaultButton = 0;
  if ((Flags & 0x100) == 0x100) defaultButton = 1;
  if ((Flags & 0x200) == 0x200) defaultButton = 2;
  if ((Flags & 0x300) == 0x300) defaultButton = 3;
  // The text is shown as it is: a percent sign in a message or a file name is no format.
  const int result = Execute(Caption ? Caption : "", Text ? Text : "", {}, buttons, type, -1, -1,
                             -1, defaultButton);
  return result >= vcl::mrOk && result <= vcl::mrNo ? result : 0;
}

vcl::TForm* TZYLMessageBoxDlg::BuildForm(const std::string& Caption, const std::string& Text,
                                         vcl::TMsgDlgButtons Buttons, vcl::TMsgDlgType DlgType,
                                         int DefaultButton) {
  auto form = std::make_unique<vcl::TForm>(nullptr);
  form->SetName("ZYLMessageBox");
  form->SetColor(FColor);
  form->SetKeyPreview(true);
  form->OnKeyDown = vcl::TKeyEvent(this, &TZYLMessageBoxDlg::FormKeyDown);

  auto* styler = new TZYLFormStyler(form.get());
  styler->SetEnabled(false);
  styler->SetOptions({fsAdjustRect, fsUseDefaultFont, fsUseFormCaption});
  styler->SetColors(FColors & 0xFF);
  styler->SetFont(FCaptionFont.get());
  styler->SetFont3D(FCaptionFont3D.get());
  styler->SetAlignment(FCaptionAlignment);

  auto* back = new TZYLBackPanel(form.get());
  back->SetParent(form.get());
  back->SetParentColor(true);
  back->SetAlign(vcl::alClient);
  back->SetImageList(ImageList());
  back->SetIndex(iiListIndex, ListIndex());
  back->SetIndex(iiImageIndex, ImageIndex());

  form->SetCaption(Caption);
  form->SetBorderStyle(vcl::bsDialog);
  form->SetScaled(false);
  form->SetShowHint(FShowHints);
  // Measured on a form of the screen's size, the message does not wrap against the form.
  form->SetBounds(0, 0, vcl::Screen->Width(), vcl::Screen->Height());

  TZYLBitmapList* icons = nullptr;
  if (!FCustomGlyph) {
    icons = new TZYLBitmapList(form.get());
    vcl::TBitmap bitmap;
    if (const uintptr_t id = StockIcon(DlgType)) {
      vcl::TIcon icon;
      icon.SetHandle(win::LoadIconA(nullptr, win::MAKEINTRESOURCEA(id)));
      ZYLIcon2Bitmap(&bitmap, &icon, FColor);
    }
    icons->GetArrayItem(icons->Add())->SetBitmap(&bitmap);
  }

  auto* label = new TZYLGlyphLabel(form.get());
  label->SetName("Message");
  label->SetParent(back);
  label->SetBounds(0, 0, label->Width(), label->Height());
  label->Font()->Assign(FMessageFont.get());
  label->Font()->SetCharset(FMessageFont->Charset());
  label->SetFont3D(FMessageFont3D.get());
  label->SetCaption(Text);
  label->SetMultiLine(true);
  label->SetTransparent(true);
  label->SetShowHint(FShowHints);
  label->SetHint(EntryOr(FHints.get(), MessageHintIndex, ""));
  label->SetGlyphLayout(FMessageAlignment.get());
  if (FCustomGlyph) {
    label->SetImageList(FCustomGlyphImageList);
    label->SetIndex(iiListIndex, FCustomGlyphListIndex);
    label->SetIndex(iiImageIndex, FCustomGlyphImageIndex);
  } else {
    label->SetImageList(icons);
  }
  TZYLGlyphTextLayout* layout = label->GlyphLayout();
  layout->SetOffset(TZYLGlyphTextLayout::oiOffsetY, static_cast<int16_t>(layout->OffsetY() + 3));
  layout->SetOffset(TZYLGlyphTextLayout::oiOffsetX, static_cast<int16_t>(layout->OffsetX() + 10));
  if (!label->IMLEmpty()) layout->SetSpacing(static_cast<uint8_t>(layout->Spacing() + 4));

  label->SetAutoSize(true);
  int width = label->Width() + 2 * layout->OffsetX();
  int height = win::GetSystemMetrics(win::SM_CYCAPTION) + label->Height() + 10;
  label->SetAlign(vcl::alClient);
  label->SetAutoSize(false);

  int count = 0;
  for (const TButtonKind& kind : kButtonKinds) count += Buttons.contains(kind.Kind);
  TZYLSimplePanel* row = nullptr;
  if (count > 0) {
    row = new TZYLSimplePanel(form.get());
    row->SetParent(back);
    row->SetParentColor(true);
    row->SetTransparent(true);
    row->SetAlign(vcl::alBottom);
    row->SetBounds(row->Left(), height, row->Width(), ButtonPanelHeight);
    if (FShowAgainBox) {
      auto* check = new TZYLCheckBox(form.get());
      check->SetName("ShowAgain");
      check->SetParent(row);
      check->SetBool(TZYLCheckBox::bpAutoSize, false);
      check->SetCaption(SZYLDontShowAgain);
      check->SetBounds(layout->OffsetX() + FShowAgainOffsetX, 50 + FShowAgainOffsetY,
                       check->Width(), check->Height());
      check->SetChecked(!FShowAgain);
      check->SetTransparent(true);
      check->SetFlat(true);
      check->SetCtlXP(UseXP());
      check->OnClick = vcl::TNotifyEvent(this, &TZYLMessageBoxDlg::ShowAgainClick);
      check->SetBool(TZYLCheckBox::bpAutoSize, true);
      if (check->Left() + check->Width() + 4 > width)
        width = 2 * check->Left() + check->Width() + 7;
      row->SetBounds(row->Left(), row->Top(), row->Width(),
                     ButtonPanelHeight + check->Height() + 6 + FShowAgainOffsetY);
    }
    height += row->Height();
  }
  const int rowWidth = ButtonPitch * count;
  if (rowWidth + 20 > width) width = rowWidth + 26;
  if (FBoxWidth != 0) width = FBoxWidth + 4;
  if (FBoxHeight != 0) height = FBoxHeight + 20;
  form->SetBounds(0, 0, width, height);

  int x = (form->Width() - rowWidth) / 2 - 5;
  int created = 0;
  for (int index = 0; index < static_cast<int>(std::size(kButtonKinds)); ++index) {
    const TButtonKind& kind = kButtonKinds[index];
    if (!Buttons.contains(kind.Kind)) continue;
    auto* button = new TZYLButton(form.get());
    button->SetName(kind.Name);
    button->SetParent(row);
    if (created++ == DefaultButton) {
      button->SetDefault(true);
      form->SetActiveControl(button);
    }
    if (kind.Kind == vcl::mbHelp)
      button->OnClick = vcl::TNotifyEvent(this, &TZYLMessageBoxDlg::HelpClick);
    button->SetCaption(EntryOr(FButtonTitles.get(), index, kind.Caption));
    button->SetHint(EntryOr(FHints.get(), index, ""));
    button->SetShowHint(FShowHints);
    button->Font()->Assign(FButtonFont.get());
    button->SetColor(vcl::clBtnFace);
    button->SetModalResult(kind.Result);
    button->SetCtlXP(UseXP());
    button->SetExtStyle(FButtonsStyle);
    button->SetBounds(x + 5, 10, 75, button->Height());
    x += button->Width() + 5;
  }

  vcl::TRect target =
      ZYLDlgGetTargetRect(ComponentState().contains(vcl::csDesigning) ? brScreen : FRelatePos);
  if (FPosition == bpCustom) {
    target.Left += FBoxLeft;
    target.Top += FBoxTop;
  }
  ZYLPositionWindow(form->Handle(), target, FPosition, false);
  styler->SetEnabled(FCaptionFill);
  styler->SetOptions(styler->Options() + fsCheckSystemGradient);
  return form.release();
}

int ZYLExecuteMsg(const std::string& Caption, const std::string& Msg,
                  const std::vector<vcl::TVarRec>& Args, vcl::TMsgDlgButtons Buttons, int DlgType,
                  int HelpCtx, int X, int Y, int DefaultButton) {
  TZYLMessageBoxDlg* box = RegisteredBox();
  return box ? box->Execute(Caption, Msg, Args, Buttons, DlgType, HelpCtx, X, Y, DefaultButton) : 0;
}

void ZYLShowMessage(const std::string& Msg) {
  if (TZYLMessageBoxDlg* box = RegisteredBox())
    box->ShowMessage(Msg);
  else
    vcl::ShowMessage(Msg);
}

void ZYLShowMessageFmt(const std::string& Msg, const std::vector<vcl::TVarRec>& Args) {
  if (TZYLMessageBoxDlg* box = RegisteredBox())
    box->ShowMessageFmt(Msg, Args);
  else
    vcl::ShowMessageFmt(Msg, Args);
}

int ZYLMessageDlg(const std::string& Msg, vcl::TMsgDlgType DlgType, vcl::TMsgDlgButtons Buttons,
                  int HelpCtx) {
  if (TZYLMessageBoxDlg* box = RegisteredBox())
    return box->MessageDlg(Msg, DlgType, Buttons, HelpCtx);
  return vcl::MessageDlg(Msg, DlgType, Buttons, HelpCtx);
}

int ZYLMessageDlgPos(const std::string& Msg, vcl::TMsgDlgType DlgType, vcl::TMsgDlgButtons Buttons,
                     int HelpCtx, int X, int Y) {
  if (TZYLMessageBoxDlg* box = RegisteredBox())
    return box->MessageDlgPos(Msg, DlgType, Buttons, HelpCtx, X, Y);
  return vcl::MessageDlgPos(Msg, DlgType, Buttons, HelpCtx, X, Y);
}

int ZYLMessageBox(const char* Text, const char* Caption, int Flags) {
  if (TZYLMessageBoxDlg* box = RegisteredBox()) return box->MessageBox(Text, Caption, Flags);
  return vcl::Application ? vcl::Application->MessageBox(Text, Caption, Flags) : 0;
}

}  // namespace zyl
