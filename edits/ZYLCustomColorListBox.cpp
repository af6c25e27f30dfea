#include "edits/ZYLCustomColorListBox.h"

#include "edits/ZYLColorListProps.h"
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

TZYLCustomColorListBox::TZYLCustomColorListBox(TComponent* AOwner) : inherited(AOwner) {
  CreateColorList();
}

void TZYLCustomColorListBox::GetChange(TObject* Sender) {
  if (Sender == CustomColors()) {
    CreateColorList();
    return;
  }
  const TColor keep = SelectedColor();
  RecreateWnd();
  if (keep != -1) SetSelectedColor(keep);
}

TColor TZYLCustomColorListBox::SelectedColor() {
  const int index = ItemIndex();
  return index < 0 ? -1 : colorlist::ItemColor(Items()->Get(index), CustomMode());
}

std::string TZYLCustomColorListBox::SelectedColorName() {
  const int index = ItemIndex();
  return index < 0 ? std::string() : colorlist::ItemName(Items()->Get(index), CustomMode());
}

void TZYLCustomColorListBox::SetSelectedColor(TColor Value) {
  if (SelectCustomColor(Value)) return;
  const int current = ItemIndex();
  if (current >= 0 && Items()->Get(current) == ColorToString(Value)) return;
  SetItemIndex(colorlist::IndexFor(Items(), false, Options(), Value));
}

// A right click opens the dialog in every mode (in custom mode it then does nothing).
void TZYLCustomColorListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbRight && !ComponentState().contains(csDesigning) &&
      Options().contains(coAllowDialog)) {
    Execute();
    return;
  }
  inherited::MouseDown(Button, Shift, X, Y);
}

void TZYLCustomColorListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  (void)State;
  Rect.Left += Margin();
  Rect.Right -= Margin();
  Rect.Bottom -= 1;
  TColor color = -1;
  std::string name;
  if (!ShownColorAndName(Index, color, name)) return;
  TCanvas* c = Canvas();
  int x = Rect.Left + 2;
  if (color != -1) x = colorlist::DrawSwatch(c, Rect, DisplayStyle(), color);
  // Swatches only show no name but for name=value lines and painted copies.
  if (DisplayStyle() == csColor && !ControlState().contains(csPaintCopy) &&
      Items()->Get(Index).find('=') == std::string::npos)
    return;
  c->Brush()->SetStyle(bsClear);
  const TRect text{x, Rect.Top + 2, Rect.Right, Rect.Bottom};
  ZYLDrawTextExt(c, name, Font3D(), text,
                 static_cast<int32_t>(DrawTextBiDiModeFlags(win::DT_SINGLELINE | win::DT_NOPREFIX)),
                 TZYLDrawTextStyles{dtClip, Enabled() ? dtEnabled : dtDisabled});
}

}  // namespace zyl
