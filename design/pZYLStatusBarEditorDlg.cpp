#include "design/pZYLStatusBarEditorDlg.h"

#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLStatusBarEditorDlg) {
  DescribeFields(b);
  using T = TZYLStatusBarEditorDlg;
  b.Method("ListBoxDblClick", &T::ListBoxDblClick);
}

int TZYLStatusBarEditorDlg::Choose() {
  auto dlg = ZYLCreateEditorForm<TZYLStatusBarEditorDlg>(vcl::Application);
  return ZYLRunEditorForm(dlg.get()) ? dlg->ListBox->ItemIndex() : -1;
}

void TZYLStatusBarEditorDlg::ListBoxDblClick(vcl::TObject*) { SetModalResult(vcl::mrOk); }

}  // namespace zyl
