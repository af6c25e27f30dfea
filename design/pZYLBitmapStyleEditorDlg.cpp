#include "design/pZYLBitmapStyleEditorDlg.h"

#include "display/ZYLNImage.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLBitmapStyleEditorDlg) {
  DescribeFields(b);
  using T = TZYLBitmapStyleEditorDlg;
  b.Method("predChange", &T::predChange);
}

TZYLBitmapStyle TZYLBitmapStyleEditorDlg::Edit(TZYLBitmapStyle Style) {
  Pick(Style);
  return Style;
}

bool TZYLBitmapStyleEditorDlg::Pick(TZYLBitmapStyle& Style) {
  auto dlg = ZYLCreateEditorForm<TZYLBitmapStyleEditorDlg>(vcl::Application);
  dlg->test->SetStyle(Style);
  dlg->test->CorrectBounds();
  dlg->SetLabels();
  if (!ZYLRunEditorForm(dlg.get())) return false;
  Style = dlg->test->Style();
  return true;
}

void TZYLBitmapStyleEditorDlg::SetLabels() {
  Fill([this] { pred->SetItemIndex(test->Style()); });
}

void TZYLBitmapStyleEditorDlg::predChange(vcl::TObject*) {
  const int index = pred->ItemIndex();
  if (Filling() || index < 0) return;
  const auto style = static_cast<TZYLBitmapStyle>(index);
  test->SetStyle(style);
  // The autosize style fits the preview to the picture; the others show it in the full area.
  if (style == sbAutosize)
    test->CorrectBounds();
  else
    test->SetBounds(test->Left(), test->Top(), PreviewWidth, PreviewHeight);
}

}  // namespace zyl
