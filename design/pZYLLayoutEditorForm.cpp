#include "design/pZYLLayoutEditorForm.h"

#include "buttons/ZYLSpeedButton.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLGlyphLayout.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/TabCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLLayoutEditorForm) {
  DescribeFields(b);
  using T = TZYLLayoutEditorForm;
  b.Method("cmbChange", &T::cmbChange)
      .Method("spinChange", &T::spinChange)
      .Method("resetClick", &T::resetClick);
}

void TZYLLayoutEditorForm::FormCreate(TObject* Sender) {
  inherited::FormCreate(Sender);
  // A teal square framed in navy on a silver ground (the glyph's transparent colour).
  vcl::TBitmap glyph;
  glyph.SetSize(16, 16);
  vcl::TCanvas* c = glyph.Canvas();
  c->Brush()->SetColor(vcl::clSilver);
  c->FillRect(vcl::TRect{0, 0, 16, 16});
  c->Pen()->SetColor(vcl::clNavy);
  c->Brush()->SetColor(vcl::clTeal);
  c->Rectangle(2, 2, 14, 14);
  test->SetGlyph(&glyph);
}

TZYLButtonLayout* TZYLLayoutEditorForm::Copy() const { return test->Layout(); }

void TZYLLayoutEditorForm::FillLayout() {
  cmb->SetItemIndex(Copy()->Alignment());
  cmb2->SetItemIndex(Copy()->AlignText2Glyph());
  spc->SetIntValue(Copy()->Spacing());
  capX->SetIntValue(Copy()->OffsetX());
  capY->SetIntValue(Copy()->OffsetY());
}

void TZYLLayoutEditorForm::SetLabels() {
  Fill([this] { FillLayout(); });
}

bool TZYLLayoutEditorForm::Value(TZYLSpinEdit* Edit, int& Result) {
  Result = Edit->IntValue();
  return Result >= Edit->IntMinValue() && Result <= Edit->IntMaxValue();
}

void TZYLLayoutEditorForm::cmbChange(TObject* Sender) {
  auto* list = static_cast<vcl::TComboBox*>(Sender);
  if (Filling() || list->ItemIndex() < 0) return;
  if (list == cmb)
    Copy()->SetAlignment(static_cast<TZYLAlignment>(list->ItemIndex()));
  else
    Copy()->SetAlignText2Glyph(static_cast<TZYLTextArrange>(list->ItemIndex()));
}

void TZYLLayoutEditorForm::spinChange(TObject* Sender) {
  auto* edit = static_cast<TZYLSpinEdit*>(Sender);
  int value = 0;
  if (Filling() || !Value(edit, value)) return;
  if (edit == spc)
    Copy()->SetSpacing(static_cast<uint8_t>(value));
  else
    Copy()->SetOffset(
        edit == capX ? TZYLGlyphTextLayout::oiOffsetX : TZYLGlyphTextLayout::oiOffsetY,
        static_cast<int16_t>(value));
  Refill();
}

void TZYLLayoutEditorForm::resetClick(TObject*) {
  TZYLButtonLayout defaults;
  Copy()->Assign(&defaults);
  SetLabels();
}

}  // namespace zyl
