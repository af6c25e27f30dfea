#include "design/pZYLMaskEditDlg.h"

#include "edits/ZYLListBox.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLfrmMaskEditDlg) {
  DescribeFields(b);
  using T = TZYLfrmMaskEditDlg;
  b.Method("MaskListBoxClick", &T::MaskListBoxClick);
}

bool TZYLfrmMaskEditDlg::Edit(std::string& Mask) {
  auto dlg = ZYLCreateEditorForm<TZYLfrmMaskEditDlg>(vcl::Application);
  dlg->MaskEdit->SetText(Mask);
  if (!ZYLRunEditorForm(dlg.get())) return false;
  Mask = dlg->MaskEdit->Text();
  return true;
}

void TZYLfrmMaskEditDlg::MaskListBoxClick(vcl::TObject*) {
  const int index = MaskListBox->GetInteger(TZYLListBox::iiItemIndex);
  if (index < 0) return;
  const std::string line = MaskListBox->GetItems()->Strings(index);
  MaskEdit->SetText(line.substr(0, line.find('|')));
}

}  // namespace zyl
