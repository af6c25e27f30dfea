#include "edits/ZYLColorEdit.h"

#include "buttons/ZYLSpecialButtons.h"
#include "foundation/ZYLButtonDock.h"
#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"

namespace zyl {

namespace {

// The colour S names; false (and clRed) when it names none.
bool NamedColor(const std::string& S, vcl::TColor& Color) {
  Color = vcl::clRed;
  if (S.empty()) return false;
  try {
    Color = vcl::StringToColor(S);
    return true;
  } catch (const vcl::EConvertError&) {
    return false;
  }
}

}  // namespace

ZYL_CLASS_IMPL(TZYLColorEdit) {
  using C = TZYLColorEdit;
  b.Prop("Options", &C::DialogOptions, &C::SetDialogOptions)
      .Default(vcl::TColorDialogOptions{})
      .Prop("CustomColors", &C::CustomColors, &C::SetCustomColors)
      .Prop("ColorBarWidth", &C::GetBarInteger, &C::SetBarInteger)
      .Index(biColorBarWidth)
      .Default(30)
      .Prop("ColorBarHeight", &C::GetBarInteger, &C::SetBarInteger)
      .Index(biColorBarHeight)
      .Default(-1)
      .Prop("PaintStyle", &C::PaintStyle, &C::SetPaintStyle)
      .Default(ceText)
      .Prop("SelectedColor", &C::SelectedColor, &C::SetSelectedColor, vcl::ColorTypeInfo());
}

ZYL_CLASS_IMPL(TZYLLabeledColorEdit) {
  b.Publish({"LabelPosition", "LabelSpacing", "LabelSync", "EditLabel"});
}

TZYLColorEdit::TZYLColorEdit(vcl::TComponent* AOwner)
    : inherited(AOwner), FCustomColors(std::make_unique<vcl::TStringList>()) {
  vcl::TBitmap glyph;
  ZYLGetGlyphKind(&glyph, gkColor);
  BrowseButton()->SetGlyph(&glyph);
  SetReadOnly(true);
  SetText(vcl::ColorToString(vcl::clRed));
}

TZYLColorEdit::~TZYLColorEdit() = default;

void TZYLColorEdit::SetCustomColors(vcl::TStrings* Value) { FCustomColors->Assign(Value); }

int TZYLColorEdit::GetBarInteger(int Index) const {
  return Index == biColorBarHeight ? FBarHeight : FBarWidth;
}

void TZYLColorEdit::SetBarInteger(int Index, int Value) {
  int& field = Index == biColorBarHeight ? FBarHeight : FBarWidth;
  if (Value == field) return;
  field = Value;
  Relayout();
}

void TZYLColorEdit::SetPaintStyle(TZYLColorEditPaint Value) {
  if (Value == FPaintStyle) return;
  FPaintStyle = Value;
  if (Value == ceColor) SetReadOnly(true);
  Relayout();
}

void TZYLColorEdit::Relayout() {
  SetupRects();
  InvalidateWidths(1);
  GetChange(this);
}

vcl::TColor TZYLColorEdit::SelectedColor() const {
  vcl::TColor color;
  NamedColor(FText, color);
  return color;
}

void TZYLColorEdit::SetSelectedColor(vcl::TColor Value) { SetText(vcl::ColorToString(Value)); }

void TZYLColorEdit::SetNewText() {
  vcl::TColor color;
  if (!NamedColor(FText, color)) {
    SetText(vcl::ColorToString(color));  // runs this again with a text that names clRed
    return;
  }
  inherited::SetNewText();
}

void TZYLColorEdit::DoBrowse() {
  auto dlg = std::make_unique<vcl::TColorDialog>(nullptr);
  RunDialog(
      false,
      [&] {
        dlg->SetOptions(FDialogOptions);
        dlg->CustomColors()->Assign(FCustomColors.get());
        dlg->SetColor(SelectedColor());
      },
      [&] { return dlg->Execute(); }, [&] { SetSelectedColor(dlg->Color()); });
}

void TZYLColorEdit::ModifyTextRect() {
  inherited::ModifyTextRect();
  vcl::TRect& r = FTextRect;
  if (FPaintStyle == ceTextColor) r.Right = vcl::ClampToInt(int64_t{r.Right} - FBarWidth);
  if (FPaintStyle == ceColorText) r.Left = vcl::ClampToInt(int64_t{r.Left} + FBarWidth);
}

void TZYLColorEdit::DrawText(int From) {
  vcl::TFont* font = Font();
  const vcl::TColor fontColor = font->Color();
  const vcl::TNotifyEvent fontChange = font->OnChange;
  font->OnChange = nullptr;
  vcl::TFinally restore([&] {
    font->SetColor(fontColor);
    font->OnChange = fontChange;
  });
  const vcl::TColor color = SelectedColor();
  if (FPaintStyle == ceColoredText) font->SetColor(color);
  inherited::DrawText(From);
  if (IsUpdating() || Loading() || !HandleAllocated()) return;
  if (FPaintStyle != ceTextColor && FPaintStyle != ceColorText && FPaintStyle != ceColor) return;
  const vcl::TRect& p = FPaintRect;
  const int h = FBarHeight == -1 ? p.Bottom - p.Top : FBarHeight;
  const int bottom = vcl::ClampToInt(int64_t{p.Top} + h);
  vcl::TRect bar{p.Left, p.Top, p.Right, bottom};
  if (FPaintStyle == ceTextColor) bar.Left = vcl::ClampToInt(int64_t{p.Right} - FBarWidth);
  if (FPaintStyle == ceColorText) bar.Right = vcl::ClampToInt(int64_t{p.Left} + FBarWidth);
  vcl::TCanvas* c = Canvas();
  c->Pen()->SetColor(vcl::clBlack);
  c->Pen()->SetStyle(vcl::psSolid);
  c->Brush()->SetStyle(vcl::bsSolid);
  c->Brush()->SetColor(color);
  c->Rectangle(bar);
}

// The read-only state looks like the normal one: a colour edit is read-only from the start.
void TZYLColorEdit::GetXPBevelParams(std::string& ClassName, int& Part, int& State) {
  inherited::GetXPBevelParams(ClassName, Part, State);
  State = 1;
  if (FocusState()) State = 5;
  if (MouseAbove()) State = 2;
  if (!Enabled()) State = 4;
}

TZYLLabeledColorEdit::TZYLLabeledColorEdit(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetHasLabel(true);
}

}  // namespace zyl
