#include "edits/ZYLCustomColorListBox.h"

#include "edits/ZYLColorListProps.h"
#include "foundation/ZYLIniCtrl.h"
#include "foundation/ZYLProcs.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/text/Text.h"

namespace zyl {

using namespace vcl;

ZYL_MESSAGE_MAP(TZYLCustomColorListBox) {
  m.On(CM_FONTCHANGED, &TZYLCustomColorListBox::CMFontChanged);
}

// Described here, published by TZYLColorListBox.
ZYL_CLASS_IMPL(TZYLCustomColorListBox) { colorlist::DeclareProps(b); }

TZYLCustomColorListBox::TZYLCustomColorListBox(TComponent* AOwner)
    : inherited(AOwner), FCustomColors(std::make_unique<TStringList>()) {
  FCustomColors->SetOnChange(TNotifyEvent(this, &TZYLCustomColorListBox::GetChange));
  CreateColorList();
}

TZYLCustomColorListBox::~TZYLCustomColorListBox() { FCustomColors->SetOnChange(TNotifyEvent()); }

void TZYLCustomColorListBox::Loaded() {
  inherited::Loaded();
  Init();
}

void TZYLCustomColorListBox::CreateColorList() {
  const TColor keep = ItemIndex() >= 0 ? SelectedColor() : -1;
  colorlist::Build(Items(), FCustomColors.get(), FCustomMode, FOptions);
  if (keep != -1) SetSelectedColor(keep);
}

void TZYLCustomColorListBox::GetChange(TObject* Sender) {
  if (Sender == FCustomColors.get()) {
    CreateColorList();
    return;
  }
  const TColor keep = SelectedColor();
  RecreateWnd();
  if (keep != -1) SetSelectedColor(keep);
}

void TZYLCustomColorListBox::SetCustomMode(bool Value) {
  if (colorlist::Store(FCustomMode, Value) && !ComponentState().contains(csLoading))
    GetChange(FCustomColors.get());
}

void TZYLCustomColorListBox::SetCustomColors(TStrings* Value) {
  colorlist::AssignCustomColors(FCustomColors.get(), Value, FCustomMode,
                                [this] { CreateColorList(); });
}

void TZYLCustomColorListBox::SetOptions(TZYLColorCBOptions Value) {
  if (colorlist::Store(FOptions, Value) && !FCustomMode) CreateColorList();
}

void TZYLCustomColorListBox::SetDisplayStyle(TZYLColorCBStyle Value) {
  if (colorlist::Store(FDisplayStyle, Value)) GetChange(nullptr);
}

TColor TZYLCustomColorListBox::SelectedColor() {
  const int index = ItemIndex();
  return index < 0 ? -1 : colorlist::ItemColor(Items()->Get(index), FCustomMode);
}

std::string TZYLCustomColorListBox::SelectedColorName() {
  const int index = ItemIndex();
  return index < 0 ? std::string() : colorlist::ItemName(Items()->Get(index), FCustomMode);
}

TColor TZYLCustomColorListBox::GetColor(int Index) {
  return colorlist::ItemColor(Items()->Get(Index), FCustomMode);
}

std::string TZYLCustomColorListBox::GetColorName(int Index) {
  return colorlist::ItemName(Items()->Get(Index), FCustomMode);
}

void TZYLCustomColorListBox::SetSelectedColor(TColor Value) {
  const int current = ItemIndex();
  if (FCustomMode) {
    // A colour no line has keeps the choice.
    const int index =
        SelectedColor() == Value ? -1 : colorlist::IndexFor(Items(), true, FOptions, Value);
    if (index >= 0) SetItemIndex(index);
    return;
  }
  if (current >= 0 && Items()->Get(current) == ColorToString(Value)) return;
  SetItemIndex(colorlist::IndexFor(Items(), false, FOptions, Value));
}

bool TZYLCustomColorListBox::Execute() { return ExecuteEnh(FCustomColors.get()); }

bool TZYLCustomColorListBox::ExecuteEnh(TStrings* Strings) {
  if (FCustomMode) return false;
  return colorlist::RunDialog(
      this, Strings, SelectedColor(),
      {FDlgOptions, FDlgHelpContext, &OnBeforeDialogShow, &OnAfterDialogShow},
      [this](TColor Color) { SetSelectedColor(Color); });
}

void TZYLCustomColorListBox::LoadCustomColors(TObject* IniObject, const std::string& Section) {
  ZYLLoadCustomColorList(IniObject, Section, FCustomColors.get());
}

void TZYLCustomColorListBox::SaveCustomColors(TObject* IniObject, const std::string& Section) {
  ZYLSaveCustomColorList(IniObject, Section, FCustomColors.get());
}

// A right click opens the dialog in every mode (in custom mode it then does nothing).
void TZYLCustomColorListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbRight && !ComponentState().contains(csDesigning) &&
      FOptions.contains(coAllowDialog)) {
    Execute();
    return;
  }
  inherited::MouseDown(Button, Shift, X, Y);
}

void TZYLCustomColorListBox::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  GetChange(nullptr);
}

void TZYLCustomColorListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  (void)State;
  Rect.Left += Margin();
  Rect.Right -= Margin();
  Rect.Bottom -= 1;
  TColor color = -1;
  std::string name;
  if (ControlState().contains(csPaintCopy)) {
    color = GetColorValue();
    name = ColorToString(color);
  } else {
    colorlist::DrawnColorAndName(Items()->Get(Index), color, name);
  }
  if (colorlist::IsNoColor(color)) return;
  TCanvas* c = Canvas();
  int x = Rect.Left + 2;
  if (color != -1) x = colorlist::DrawSwatch(c, Rect, FDisplayStyle, color);
  // Swatches only show no name but for name=value lines and painted copies.
  if (FDisplayStyle == csColor && !ControlState().contains(csPaintCopy) &&
      Items()->Get(Index).find('=') == std::string::npos)
    return;
  c->Brush()->SetStyle(bsClear);
  const TRect text{x, Rect.Top + 2, Rect.Right, Rect.Bottom};
  ZYLDrawTextExt(c, name, Font3D(), text,
                 static_cast<int32_t>(DrawTextBiDiModeFlags(win::DT_SINGLELINE | win::DT_NOPREFIX)),
                 TZYLDrawTextStyles{dtClip, Enabled() ? dtEnabled : dtDisabled});
}

}  // namespace zyl
