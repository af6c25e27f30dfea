#include "design/pZYLFxEditorDlg.h"

#include "display/ZYLLabel.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYL3DCaption.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/TabCtrls.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLFxEditorDlg) {
  DescribeFields(b);
  using T = TZYLFxEditorDlg;
  b.Method("cmbChange", &T::cmbChange)
      .Method("spinChange", &T::spinChange)
      .Method("cmbcChange", &T::cmbcChange)
      .Method("resetClick", &T::resetClick);
}

void TZYLFxEditorDlg::Prepare(const char* Caption) {
  SetCaption(Caption);
  TZYLFormStyleOptions options = fs->Options();
  options.Include(fsCheckSystemGradient);
  fs->SetOptions(options);
}

bool TZYLFxEditorDlg::EditFx(TZYLFxCaption* Caption) {
  const int16_t x = Caption->PosX(), y = Caption->PosY();
  if (!ZYLEditPrepared<TZYLFxEditorDlg>(Caption,
                                        [](TZYLFxEditorDlg* f) { f->Prepare("FxCaption-Editor"); }))
    return false;
  Caption->SetPos(TZYLFxCaption::piPosX, x);
  Caption->SetPos(TZYLFxCaption::piPosY, y);
  return true;
}

bool TZYLFxEditorDlg::Edit3D(TZYL3DCaption* Caption) {
  return ZYLEditPrepared<TZYLFxEditorDlg>(Caption, [](TZYLFxEditorDlg* f) {
    f->Prepare("3DCaption-Editor");
    f->rt->SetVisible(false);
    f->anglev->SetVisible(false);
  });
}

TZYLFxCaption* TZYLFxEditorDlg::Copy() const { return test->FontFX(); }

void TZYLFxEditorDlg::SetLabels() {
  Fill([this] {
    cmb->SetItemIndex(Copy()->Style());
    lidepth->SetIntValue(Copy()->LightDepth());
    shDepth->SetIntValue(Copy()->ShadowDepth());
    if (anglev->Visible()) anglev->SetIntValue(Copy()->Angle());
    trac->SetIntValue(Copy()->Tracing());
    cmbL->SetSelectedColor(Copy()->LightColor());
    cmbs->SetSelectedColor(Copy()->ShadowColor());
  });
}

void TZYLFxEditorDlg::cmbChange(TObject*) {
  if (Filling() || cmb->ItemIndex() < 0) return;
  Copy()->SetStyle(static_cast<TZYLThreeDStyle>(cmb->ItemIndex()));
  Refill();
}

void TZYLFxEditorDlg::spinChange(TObject* Sender) {
  auto* edit = static_cast<TZYLSpinEdit*>(Sender);
  const int value = edit->IntValue();
  if (Filling() || value < edit->IntMinValue() || value > edit->IntMaxValue()) return;
  if (edit == anglev && value == 360) {
    // A full turn is no turn: the field shows 0, whose change stores it.
    anglev->SetIntValue(0);
    return;
  }
  if (edit == lidepth || edit == shDepth)
    Copy()->SetDepth(edit == lidepth ? TZYL3DCaption::diLightDepth : TZYL3DCaption::diShadowDepth,
                     static_cast<uint8_t>(value));
  else if (edit == anglev)
    Copy()->SetAngle(static_cast<uint16_t>(value));
  else
    Copy()->SetTracing(value);
  Refill();
}

void TZYLFxEditorDlg::cmbcChange(TObject* Sender) {
  auto* box = static_cast<TZYLColorComboBox*>(Sender);
  if (Filling() || box->ItemIndex() < 0) return;
  Copy()->SetColor(box == cmbL ? TZYL3DCaption::ciLightColor : TZYL3DCaption::ciShadowColor,
                   box->SelectedColor());
  Refill();
}

void TZYLFxEditorDlg::resetClick(TObject*) {
  TZYLFxCaption defaults;
  test->SetFontFX(&defaults);
  SetLabels();
}

}  // namespace zyl
