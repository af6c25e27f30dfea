#include "design/pZYLShapeEditorDlg.h"

#include "display/ZYLShapeControl.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLShapeEditorDlg) {
  DescribeFields(b);
  using T = TZYLShapeEditorDlg;
  b.Method("FormActivate", &T::FormActivate).Method("predChange", &T::predChange);
}

TZYLShapeType TZYLShapeEditorDlg::Edit(TZYLShapeType Shape) {
  Pick(Shape);
  return Shape;
}

bool TZYLShapeEditorDlg::Pick(TZYLShapeType& Shape) {
  auto dlg = ZYLCreateEditorForm<TZYLShapeEditorDlg>(vcl::Application);
  dlg->test->SetShape(Shape);
  if (!ZYLRunEditorForm(dlg.get())) return false;
  Shape = dlg->test->Shape();
  return true;
}

void TZYLShapeEditorDlg::SetLabels() {
  Fill([this] { pred->SetItemIndex(test->Shape()); });
}

void TZYLShapeEditorDlg::FormActivate(vcl::TObject* Sender) {
  const bool first = !Activated();
  inherited::FormActivate(Sender);
  if (first) SetLabels();
}

void TZYLShapeEditorDlg::predChange(vcl::TObject*) {
  const int index = pred->ItemIndex();
  if (Filling() || index < 0) return;
  test->SetShape(static_cast<TZYLShapeType>(index));
  Refill();
}

}  // namespace zyl
