#include "design/pZYLLineListEditor.h"

#include "design/pZYLObjectEditor.h"
#include "display/ZYLSimpleLabel.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/StdCtrls.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLLineItemForm) { DescribeFields(b); }

ZYL_CLASS_IMPL(TZYLLineListEditorForm) {}

std::string TZYLLineListEditorForm::BuildString(int Index) const {
  const TZYLListItem* item = WorkList()->Item(Index);
  return std::to_string(Index) + ";" + std::to_string(ContentSize(Index)) + ";" +
         std::to_string(item->Ident) + ";" + (item->Compressed ? "1" : "0") + ";" +
         item->Description;
}

bool TZYLLineListEditorForm::EditOnWorkList(TZYLLineListEditorForm* Dlg,
                                            TZYLCustomContainer* List) {
  Dlg->WorkList()->Assign(List);
  Dlg->SetLabels(-1);
  if (!ZYLRunEditorForm(Dlg)) return false;
  List->Assign(Dlg->WorkList());
  return true;
}

void TZYLLineListEditorForm::AppendItem(std::unique_ptr<TZYLListItem> Item) {
  Item->Compressed = WorkList()->DefaultCompressed();
  WorkList()->Add(Item.release());
}

void TZYLLineListEditorForm::SetLabels(int Index, bool) { inherited::SetLabels(Index, true); }

TZYLCustomContainer* TZYLLineListEditorForm::NewList() const {
  return FKind.NewList ? FKind.NewList() : inherited::NewList();
}

std::unique_ptr<TZYLLineItemForm> TZYLLineListEditorForm::NewItemForm() const {
  return FKind.NewItemForm ? FKind.NewItemForm() : nullptr;
}

void TZYLLineListEditorForm::PrepareAddFiles() {
  inherited::PrepareAddFiles();
  FileDialog->SetFilter(AddFilesFilter());
}

bool TZYLLineListEditorForm::EditItem(int Index) {
  TZYLCustomContainer* list = WorkList();
  const bool isNew = Index >= list->Count();
  TZYLListItem* item = isNew ? nullptr : list->Item(Index);
  std::unique_ptr<TZYLLineItemForm> dlg = NewItemForm();
  dlg->Index->SetCaption(std::to_string(Index));
  dlg->ed->SetIntValue(item ? item->Ident : Index);
  dlg->compress->SetChecked(item ? item->Compressed : list->DefaultCompressed());
  if (item) dlg->desc->SetText(item->Description);
  ContentToForm(item, dlg.get());
  dlg->SetLabels();
  if (!ZYLRunEditorForm(dlg.get())) return false;
  if (isNew) item = list->Item(list->Add());
  ContentFromForm(dlg.get(), item);
  item->Ident = static_cast<uint16_t>(dlg->ed->IntValue() & 0xFFFF);
  item->Compressed = dlg->compress->Checked();
  item->Description = dlg->desc->Text();
  return true;
}

}  // namespace zyl
