#include "design/ZYLCPGetStrings.h"

#include "buttons/ZYLButton.h"
#include "buttons/ZYLSimplePanel.h"
#include "design/pZYLStrEditorDlg.h"
#include "design/pZYLStringsEditorDlg.h"
#include "platform/controls/StdCtrls.h"

namespace zyl {

void ZYLCPGetCaption(const std::string& Value, int32_t MaxLength, std::string& Result) {
  Result = TZYLStrEditorDlg::EditString(Value, MaxLength);
}

bool ZYLCPGetStrings(vcl::TStrings* Strings) {
  auto form = ZYLCreateEditorForm<TZYLFrmStringEditor>(nullptr);
  // The tool buttons move to where the hidden "Code" button stood.
  form->ZYLButton2->SetVisible(false);
  form->tools->SetLeft(form->ZYLButton2->Left());
  form->StrList->Lines()->Assign(Strings);
  if (!ZYLRunEditorForm(form.get())) return false;
  Strings->Assign(form->StrList->Lines());
  return true;
}

}  // namespace zyl
