#include "system/ZYLTipDlg.h"

#include <algorithm>
#include <memory>

#include "buttons/ZYLButton.h"
#include "buttons/ZYLCheckBox.h"
#include "buttons/ZYLSimplePanel.h"
#include "display/ZYLNImage.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLConst.h"
#include "foundation/ZYLStrings.h"
#include "platform/base/Finally.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "system/ZYLBack.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLTipDlg) {
  using T = TZYLTipDlg;
  b.Prop("Tips", &T::Tips, &T::SetTips)
      .Prop("TipsCount", &T::GetTipsCount, &T::SetTipsCount)
      .Stored(false)
      .Prop("ShowRandom", &T::ShowRandom, &T::SetShowRandom)
      .Default(true)
      .Prop("FirstHintNumber", &T::FirstHintNumber, &T::SetFirstHintNumber)
      .Default(-1)
      .Prop("ShowAtStart", &T::ShowAtStart, &T::SetShowAtStart)
      .Default(false)
      .Prop("HideShowAtStart", &T::HideShowAtStart, &T::SetHideShowAtStart)
      .Default(false)
      .Prop("Mode", &T::Mode, &T::SetMode)
      .Default(moNormal)
      .Prop("CaptionHeader", &T::CaptionHeader, &T::SetCaptionHeader)
      .Prop("CaptionHelp", &T::CaptionHelp, &T::SetCaptionHelp)
      .Prop("HelpContext", &T::HelpContext, &T::SetHelpContext)
      .Default(0);
}

namespace {

constexpr vcl::TColor PaleYellow = 0xDFFFFF;
// The form's right edge: the button column ends here.
constexpr int ColumnRight = 417;

// The tip's picture: a light bulb on red (the image's transparent colour), 30 x 40.
void PaintBulb(vcl::TBitmap* Bitmap) {
  Bitmap->SetSize(30, 40);
  vcl::TCanvas* c = Bitmap->Canvas();
  c->Brush()->SetColor(vcl::clRed);
  c->FillRect(vcl::TRect{0, 0, 30, 40});
  c->Pen()->SetColor(vcl::clBlack);
  c->Brush()->SetColor(vcl::clYellow);
  c->Ellipse(3, 2, 27, 26);
  c->Brush()->SetColor(vcl::clSilver);
  c->Rectangle(9, 25, 21, 34);
  c->Pen()->SetColor(vcl::clGray);
  for (int y = 27; y < 33; y += 2) {
    c->MoveTo(10, y);
    c->LineTo(20, y);
  }
  c->Brush()->SetColor(vcl::clGray);
  c->Pen()->SetColor(vcl::clBlack);
  c->Rectangle(12, 34, 18, 38);
}

vcl::TLabel* PanelLabel(vcl::TForm* Form, vcl::TWinControl* Parent, const char* Name) {
  auto* label = new vcl::TLabel(Form);
  label->SetName(Name);
  label->SetParent(Parent);
  label->SetShowAccelChar(false);
  label->SetTransparent(true);
  return label;
}

}  // namespace

TZYLTipDlg::TZYLTipDlg(vcl::TComponent* AOwner)
    : inherited(AOwner), FTips(this, &TZYLTipDlg::TipsChange), FRandom(std::random_device{}()) {}

TZYLTipDlg::~TZYLTipDlg() = default;

vcl::TStrings* TZYLTipDlg::Tips() const { return FTips.get(); }
void TZYLTipDlg::SetTips(vcl::TStrings* Value) { FTips->Assign(Value); }
int TZYLTipDlg::GetTipsCount() const { return FTips->Count(); }

void TZYLTipDlg::TipsChange(vcl::TObject* /*Sender*/) {
  FTips.Link({});
  const vcl::TFinally rehook(
      [this] { FTips.Link(vcl::TNotifyEvent(this, &TZYLTipDlg::TipsChange)); });
  RemoveEmptyLines(FTips.get());
}

bool TZYLTipDlg::ExecuteEnh(vcl::TCustomForm* Target, TZYLTipsDialogMode Mode) {
  if (ShownForm()) return false;  // a second Execute inside the wait of the first
  if (Mode == moStart && !FShowAtStart) return false;
  if (FTips->Count() == 0) {
    // The owner form released while the message waits ends it, and is freed once this call
    // has returned.
    const vcl::TReleaseHold hold(this);
    vcl::MessageDlg(SZYLNoTips, vcl::mtWarning, {vcl::mbOK}, 0);
    return false;
  }
  FMode = Mode;
  std::unique_ptr<vcl::TForm> form = NewDialogForm("ZYLTipForm", -11);
  form->SetScaled(false);

  vcl::TCanvas* canvas = form->Canvas();
  canvas->Font()->Assign(form->Font());
  const int width =
      std::max({80, canvas->TextWidth(SZYLNextTip) + 6, canvas->TextWidth(SZYLPreviousTip) + 6});
  const int x = ColumnRight - width;
  FOK = NewOKButton(form.get(), x, 9, width, 0);
  FOK->SetCancel(true);
  FNext = NewButton(form.get(), "Next", x, 42, width, 1);
  FNext->SetCaption(SZYLNextTip);
  FNext->OnClick = vcl::TNotifyEvent(this, &TZYLTipDlg::NextClick);
  FPrevious = NewButton(form.get(), "Previous", x, 69, width, 2);
  FPrevious->SetCaption(SZYLPreviousTip);
  FPrevious->OnClick = vcl::TNotifyEvent(this, &TZYLTipDlg::PreviousClick);
  TZYLButton* custom = NewButton(form.get(), "Custom", x, 104, width, 3);
  custom->SetVisible(false);
  TZYLButton* help = NewButton(form.get(), "Help", x, 171, width, 4);
  help->SetVisible(FHelpContext > 0);
  help->SetCaption(FCaptionHelp.empty() ? std::string("&Help") : FCaptionHelp);
  help->SetHelpContext(FHelpContext);
  help->OnClick = vcl::TNotifyEvent(this, &TZYLTipDlg::HelpClick);

  auto* check = new TZYLCheckBox(form.get());
  check->SetName("ShowAtStart");
  check->SetParent(form.get());
  check->SetBounds(5, 202, 300, 18);
  check->SetFlat(UseXP());
  check->SetCaption("Show tips at every start");
  check->SetBool(TZYLCheckBox::bpAutoSize, true);
  check->SetTabOrder(5);
  check->SetTransparent(true);
  check->SetChecked(FShowAtStart);

  auto* panel = new TZYLSimplePanel(form.get());
  panel->SetName("TipPanel");
  panel->SetParent(form.get());
  panel->SetBounds(5, 8, 405 - width, 187);
  panel->Bevel()->SetBevelStyleOuter(bvLowered);
  panel->Bevel()->SetBevelWidthOuter(2);
  panel->SetColor(PaleYellow);
  panel->SetTabOrder(6);
  vcl::TLabel* header = PanelLabel(form.get(), panel, "Header");
  header->SetBounds(38, 22, 5, 16);
  header->Font()->SetStyle({vcl::fsBold});
  header->Font()->SetHeight(-14);
  header->SetCaption(FCaptionHeader.empty() ? std::string("Tip...") : FCaptionHeader);
  FTipLabel = PanelLabel(form.get(), panel, "Tip");
  FTipLabel->SetAutoSize(false);
  FTipLabel->SetBounds(38, 49, panel->Width() - 38 - 30, 134);
  FTipLabel->SetColor(PaleYellow);
  FTipLabel->Font()->SetHeight(-12);
  FTipLabel->SetWordWrap(true);
  auto* picture = new TZYLNImage(form.get());
  picture->SetName("Picture");
  picture->SetParent(panel);
  picture->SetBounds(5, 7, 30, 40);
  picture->SetStyle(sbAutosize);
  picture->TransparentStyle()->SetColor(vcl::clRed);
  picture->TransparentStyle()->SetStyle(tpRestoreBack);
  vcl::TBitmap bulb;
  PaintBulb(&bulb);
  picture->SetBitmap(&bulb);

  TZYLFormStyler* styler = NewStyler(form.get(), TZYLFormStyler::DefaultOptions);
  TZYLBack* back = NewBack(form.get());
  FFirstTip = FFirstHintNumber >= 0 && FFirstHintNumber < FTips->Count();
  GiveHints(form.get(), {FOK, custom, FNext, FPrevious, help, check});

  form->OnActivate = vcl::TNotifyEvent(this, &TZYLTipDlg::FormActivate);
  form->OnDestroy = vcl::TNotifyEvent(this, &TZYLTipDlg::FormDestroy);
  FPosition = 0;
  FActivated = false;
  FHistory.clear();

  form->SetClientWidth(FOK->Left() + FOK->Width() + 7);
  check->SetVisible(!FHideShowAtStart);
  form->SetClientHeight(FHideShowAtStart ? check->Top() : check->Top() + check->Height() + 6);

  const vcl::TFinally forget([this] {
    FTipLabel = nullptr;
    FOK = FNext = FPrevious = nullptr;
    FActivated = false;
  });
  BaseExecute(form.get(), Target, custom, styler, back,
              "Tips&Tricks " + vcl::Application->Title() + "...");
  if (!FHideShowAtStart) FShowAtStart = check->Checked();
  form.reset();
  return false;
}

void TZYLTipDlg::FormActivate(vcl::TObject* /*Sender*/) {
  if (FActivated) return;
  FActivated = true;
  NextClick(nullptr);
  FPrevious->SetEnabled(FPosition >= 1);
  if (FOK->CanFocus()) FOK->SetFocus();
}

void TZYLTipDlg::FormDestroy(vcl::TObject* /*Sender*/) { FHistory.clear(); }

void TZYLTipDlg::NextClick(vcl::TObject* /*Sender*/) {
  if (FPosition < static_cast<int>(FHistory.size()) - 1) {
    ShowTip(FHistory[++FPosition]);
  } else {
    int candidate = -1;
    if (FFirstTip) {
      candidate = FFirstHintNumber;
      FFirstTip = false;
    } else {
      // Next is disabled once every tip has been shown, so an unseen one exists.
      const int count = FTips->Count();
      if (static_cast<int>(FHistory.size()) >= count) return;
      auto seen = [this](int i) {
        return std::find(FHistory.begin(), FHistory.end(), i) != FHistory.end();
      };
      do {
        candidate =
            FShowRandom ? std::uniform_int_distribution<int>(0, count - 1)(FRandom) : candidate + 1;
      } while (seen(candidate));
    }
    FHistory.push_back(candidate);
    ShowTip(candidate);
    FPosition = static_cast<int>(FHistory.size()) - 1;
  }
  EnableButtons();
}

void TZYLTipDlg::PreviousClick(vcl::TObject* /*Sender*/) {
  if (FPosition <= 0) return;
  ShowTip(FHistory[--FPosition]);
  EnableButtons();
}

void TZYLTipDlg::EnableButtons() {
  FPrevious->SetEnabled(FPosition > 0);
  FNext->SetEnabled(FTips->Count() > FPosition + 1);
}

void TZYLTipDlg::HelpClick(vcl::TObject* /*Sender*/) {
  vcl::Application->HelpContext(FHelpContext);
}

void TZYLTipDlg::ShowTip(int Index) {
  FTipLabel->SetCaption(Index >= 0 && Index < FTips->Count() ? FTips->Get(Index) : "");
}

}  // namespace zyl
