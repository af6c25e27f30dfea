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
  int style;
  if (!Chosen(cmbstyle, style)) return;
  Copy()->SetStyle(static_cast<TZYLShadowStyle>(style));
  Refill();
}

void TZYLShadowEditorDlg::cmbSChange(TObject*) {
  int item;
  if (!Chosen(cmbS, item)) return;
  Copy()->SetColor(cmbS->SelectedColor());
  Refill();
}

void TZYLShadowEditorDlg::spindChange(TObject*) {
  int value;
  if (!Takes(spind, 0, 255, value)) return;
  Copy()->SetDepth(static_cast<uint8_t>(value));
  Refill();
}

}  // namespace zyl
