#include "design/pZYLBrushEditorDlg.h"

#include "edits/ZYLColorComboBox.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/GraphicsObjects.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLBrushEditorDlg) {
  DescribeFields(b);
  using T = TZYLBrushEditorDlg;
  b.Method("cmbcChange", &T::cmbcChange).Method("cmbChange", &T::cmbChange);
}

bool TZYLBrushEditorDlg::Edit(vcl::TBrush* Brush) {
  return ZYLEditOnCopy<TZYLBrushEditorDlg>(Brush);
}

vcl::TBrush* TZYLBrushEditorDlg::Copy() const { return test->Brush(); }

void TZYLBrushEditorDlg::SetLabels() {
  Fill([this] {
    cmbc->SetSelectedColor(Copy()->Color());
    cmb->SetItemIndex(Copy()->Style());
  });
}

void TZYLBrushEditorDlg::cmbcChange(TObject*) {
  if (Filling() || cmbc->ItemIndex() < 0) return;
  Copy()->SetColor(cmbc->SelectedColor());
  Refill();
}

void TZYLBrushEditorDlg::cmbChange(TObject*) {
  if (Filling() || cmb->ItemIndex() < 0) return;
  Copy()->SetStyle(static_cast<vcl::TBrushStyle>(cmb->ItemIndex()));
  Refill();
}

}  // namespace zyl
