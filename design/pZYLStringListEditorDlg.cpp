#include "design/pZYLStringListEditorDlg.h"

#include <memory>
#include <utility>

#include "design/pZYLObjectEditor.h"
#include "design/pZYLStringListItemPropertiesEditorDlg.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Menus.h"
#include "platform/controls/StdCtrls.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLStringListEditorDlg) { DescribeFields(b); }

namespace {

// The string list kind: its items, its files and its item dialog.
const TZYLLineListKind kKind{
    .Kind = icStringList,
    .Extension = ".txt",
    .Filter = "Text files (*.txt)|*.txt",
    .NewList = []() -> TZYLCustomContainer* { return new TZYLStringList(nullptr); },
    .NewItemForm = []() -> std::unique_ptr<TZYLLineItemForm> {
      return ZYLCreateEditorForm<TZYLfrmsiprop>(nullptr);
    }};
}  // namespace

TZYLStringListEditorDlg::TZYLStringListEditorDlg(vcl::TComponent* AOwner)
    : inherited(AOwner, kKind) {}

TZYLStringList* TZYLStringListEditorDlg::StringList() const {
  return static_cast<TZYLStringList*>(WorkList());
}

bool TZYLStringListEditorDlg::Edit(TZYLStringList* List) {
  return EditOnWorkList(ZYLCreateEditorForm<TZYLStringListEditorDlg>(nullptr).get(), List);
}

void TZYLStringListEditorDlg::SetStrings(TZYLStringList* List) { WorkList()->Assign(List); }

int TZYLStringListEditorDlg::ContentSize(int Index) const {
  return StringList()->GetArrayItem(Index)->GetList()->Count();
}

TZYLListEditorForm::TZYLAppendStep TZYLStringListEditorDlg::LoadDropped(const std::string& File) {
  auto scratch = std::make_shared<vcl::TStringList>();
  scratch->LoadFromFile(File);
  return [this, scratch] {
    auto item = std::make_unique<TZYLStringListItem>();
    item->Assign(scratch.get());
    AppendItem(std::move(item));
    return true;
  };
}

void TZYLStringListEditorDlg::ContentToForm(TZYLListItem* Item, TZYLLineItemForm* Form) {
  if (Item)
    static_cast<TZYLfrmsiprop*>(Form)->Editor->Lines()->Assign(
        static_cast<TZYLStringListItem*>(Item)->GetList());
}

void TZYLStringListEditorDlg::ContentFromForm(TZYLLineItemForm* Form, TZYLListItem* Item) {
  static_cast<TZYLStringListItem*>(Item)->SetList(
      static_cast<TZYLfrmsiprop*>(Form)->Editor->Lines());
}

}  // namespace zyl
