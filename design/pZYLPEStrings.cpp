#include "design/pZYLPEStrings.h"

#include "design/ZYLCPGetStrings.h"
#include "design/pZYLDsgnCPGetStrings.h"
#include "design/pZYLStrEditorDlg.h"
#include "edits/ZYLCustomMemo.h"
#include "platform/classes/StringList.h"
#include "platform/designer/ToolsAPI.h"

namespace zyl {

using vcl::TPropertyAttributes;

namespace {
const TPropertyAttributes kStringAttributes{vcl::paDialog, vcl::paMultiSelect, vcl::paRevertable};
}

void TZYLStringProperty::Edit() {
  std::string value = GetStrValue();
  // One component takes the value again however the editor ends; several only what OK gives,
  // which Cancel would otherwise replace with the first one's.
  if (TZYLStrEditorDlg::RunString(value, ZYLStrEditorMaxLength) || PropCount() == 1)
    SetStrValue(value);
}

TPropertyAttributes TZYLStringProperty::GetAttributes() { return kStringAttributes; }

TPropertyAttributes TZYLStdCaptionProperty::GetAttributes() {
  return kStringAttributes + vcl::paAutoUpdate;
}

void TZYLHintProperty::Edit() {
  std::string hint = GetStrValue();
  if (TZYLStrEditorDlg::EditHint(hint)) SetStrValue(hint);
}

TPropertyAttributes TZYLHintProperty::GetAttributes() { return kStringAttributes; }

std::string TZYLStringListProperty::ModuleName() {
  vcl::TComponent* root = Designer() ? Designer()->GetRoot() : nullptr;
  auto* component = dynamic_cast<vcl::TComponent*>(GetComponent(0));
  return (root ? root->Name() : std::string()) + "." +
         (component ? component->Name() : std::string()) + "." + GetName();
}

void TZYLStringListProperty::Edit() {
  const std::string moduleName = ModuleName();
  // The list is being edited in the code editor already: bring that to the front.
  if (ZYLShowStringsModule(moduleName)) return;
  auto* strings = dynamic_cast<vcl::TStrings*>(GetObjectValue());
  if (!strings) return;
  vcl::TStringList copy;
  copy.Assign(strings);
  if (ZYLCPGetStrings(&copy, moduleName)) SetObjectValue(&copy);
}

TPropertyAttributes TZYLStringListProperty::GetAttributes() { return {vcl::paDialog}; }

void TZYLMemoLinesProperty::Edit() {
  auto* lines = dynamic_cast<TZYLMemoStrings*>(GetObjectValue());
  if (!lines) return;
  vcl::TStringList copy;
  copy.SetText(lines->GetTextStr());
  if (!ZYLCPGetStrings(&copy)) return;
  lines->SetTextStr(copy.Text());
  // The lines change in place; the designer still hears of it.
  if (Designer()) Designer()->Modified();
}

TPropertyAttributes TZYLMemoLinesProperty::GetAttributes() { return {vcl::paDialog}; }

}  // namespace zyl
