#include "design/pZYLShadowEditorDlg.h"

#include "display/ZYLShapeControl.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLShadowEditorDlg) {
  DescribeFields(b);
  using T = TZYLShadowEditorDlg;
  b.Method("cmbstyleChange", &T::cmbstyleChange)
      .Method("cmbSChange", &T::cmbSChange)
      .Method("spindChange", &T::spindChange)
      .Method("resetClick", &T::resetClick);
}

namespace {
const char kLayout[] =
#include "design/pZYLShadowEditorDlg.dfm.inc"
    ;
}  // namespace

bool TZYLShadowEditorDlg::Edit(TZYLShadow* Shadow) {
  return ZYLEditOnCopy<TZYLShadowEditorDlg>(Shadow);
}

TZYLShadow* TZYLShadowEditorDlg::Copy() const { return test->Shadow(); }

void TZYLShadowEditorDlg::SetLabels() {
  Fill([this] {
    cmbstyle->SetItemIndex(Copy()->Style());
    cmbS->SetSelectedColor(Copy()->Color());
    spind->SetIntValue(Copy()->Depth());
  });
}

void TZYLShadowEditorDlg::cmbstyleChange(TObject*) {
  if (Filling() || cmbstyle->ItemIndex() < 0) return;
  Copy()->SetStyle(static_cast<TZYLShadowStyle>(cmbstyle->ItemIndex()));
  Refill();
}

void TZYLShadowEditorDlg::cmbSChange(TObject*) {
  if (Filling() || cmbS->ItemIndex() < 0) return;
  Copy()->SetColor(cmbS->SelectedColor());
  Refill();
}

void TZYLShadowEditorDlg::spindChange(TObject*) {
  const int value = spind->IntValue();
  if (Filling() || value < 0 || value > 255) return;
  Copy()->SetDepth(static_cast<uint8_t>(value));
  Refill();
}

void TZYLShadowEditorDlg::resetClick(TObject*) {
  TZYLShadow defaults;
  Copy()->Assign(&defaults);
  SetLabels();
}

void pZYLShadowEditorDlgInit() { ZYLEnterEditorUnit(TZYLShadowEditorDlg::StaticClass(), kLayout); }

void pZYLShadowEditorDlgDone() { ZYLLeaveEditorUnit(TZYLShadowEditorDlg::StaticClass()); }

}  // namespace zyl
