#include "platform/designer/ColnEdit.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/classes/Collection.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Resources.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl {

ZYL_CLASS_IMPL(TCollectionEditor) {
  DescribeFields(b);
  using T = TCollectionEditor;
  b.Method("AddClick", &T::AddClick)
      .Method("DeleteClick", &T::DeleteClick)
      .Method("MoveUpClick", &T::MoveUpClick)
      .Method("MoveDownClick", &T::MoveDownClick)
      .Method("ItemListClick", &T::ItemListClick)
      .Method("FormClose", &T::FormClose);
}

namespace {

// The form's class and its layout, made known to the form reader once.
void RegisterLayout() {
  static const bool registered = [] {
    RegisterStandardControls();
    RegisterClass(TListBox::StaticClass());
    RegisterClass(TCollectionEditor::StaticClass());
    const char* layout = TCollectionEditor::FormLayout();
    RegisterResource(HInstance, RT_RCDATA, TCollectionEditor::StaticClass()->ClassName(), layout,
                     std::strlen(layout));
    return true;
  }();
  (void)registered;
}

}  // namespace

std::string TCollectionEditor::ItemText(TCollection* Collection, int Index) {
  return Format("%d - %s", {Index, Collection->Items(Index)->DisplayName()});
}

void TCollectionEditor::Init(IFormDesigner* ADesigner, TComponent* AComponent,
                             TCollection* ACollection, const std::string& APropertyName) {
  component_ = AComponent;
  collection_ = ACollection;
  propertyName_ = APropertyName;
  std::string path = AComponent->Name();
  TComponent* owner = AComponent->Owner();
  if (owner && !owner->Name().empty() && ADesigner && owner == ADesigner->GetRoot())
    path = owner->Name() + "." + path;
  SetCaption(Format(SColEditCaption, {path + "." + APropertyName}));
  SetDesigner(ADesigner);
  ShowItems(-1);
}

void TCollectionEditor::ShowItems(int Index) {
  TStrings* lines = ItemList->Items();
  lines->BeginUpdate();
  lines->Clear();
  for (int i = 0; i < collection_->Count(); ++i) lines->Add(ItemText(collection_, i));
  lines->EndUpdate();
  Choose(std::min(Index, collection_->Count() - 1));
}

void TCollectionEditor::Choose(int Index) {
  ItemList->SetItemIndex(Index);
  if (Designer()) {
    if (Index >= 0)
      Designer()->SelectComponent(collection_->Items(Index));
    else
      SelectComponentAgain();
  }
  UpdateCommands();
}

void TCollectionEditor::UpdateCommands() {
  const int i = ItemList->ItemIndex(), n = collection_->Count();
  DeleteCmd->SetEnabled(i >= 0);
  MoveUpCmd->SetEnabled(i > 0);
  MoveDownCmd->SetEnabled(i >= 0 && i < n - 1);
}

void TCollectionEditor::SelectComponentAgain() {
  if (!Designer() || !component_) return;
  TDesignerSelections selection;
  Designer()->GetSelections(selection);
  for (int i = 0; i < selection.Count(); ++i)
    if (auto* item = dynamic_cast<TCollectionItem*>(selection[i]);
        item && item->Collection() == collection_)
      return Designer()->SelectComponent(component_);
}

void TCollectionEditor::Changed(int Index) {
  if (Designer()) Designer()->Modified();  // redraws the lines through FormModified
  ShowItems(Index);
}

void TCollectionEditor::AddClick(TObject*) {
  if (!collection_) return;
  TCollectionItem* item = collection_->Add();
  Changed(item->Index());
}

void TCollectionEditor::DeleteClick(TObject*) {
  const int i = ItemList->ItemIndex();
  if (!collection_ || i < 0 || i >= collection_->Count()) return;
  // The designer lets go of the item before it goes.
  Choose(-1);
  collection_->Delete(i);
  Changed(i);
}

void TCollectionEditor::MoveChosen(int Step) {
  const int i = ItemList->ItemIndex(), to = i + Step;
  if (!collection_ || i < 0 || to < 0 || to >= collection_->Count()) return;
  collection_->Items(i)->SetIndex(to);
  Changed(to);
}

void TCollectionEditor::MoveUpClick(TObject*) { MoveChosen(-1); }
void TCollectionEditor::MoveDownClick(TObject*) { MoveChosen(1); }

void TCollectionEditor::ItemListClick(TObject*) {
  if (collection_) Choose(ItemList->ItemIndex());
}

void TCollectionEditor::FormClose(TObject*, TCloseAction&) { SelectComponentAgain(); }

void TCollectionEditor::FormModified() {
  if (!collection_) return;
  // An item's property changed in the inspector: its line follows, the choice stays.
  TStrings* lines = ItemList->Items();
  const int chosen = ItemList->ItemIndex();
  if (lines->Count() != collection_->Count()) return;  // ShowItems is on its way
  for (int i = 0; i < collection_->Count(); ++i) {
    const std::string text = ItemText(collection_, i);
    if (lines->Strings(i) != text) lines->SetStrings(i, text);
  }
  ItemList->SetItemIndex(chosen);
}

void TCollectionEditor::ComponentDeleted(TPersistent* Item) {
  if (Item != component_) return;
  component_ = nullptr;
  collection_ = nullptr;
  SetModalResult(mrCancel);
}

void TCollectionEditor::FormClosed(TCustomForm*) {
  component_ = nullptr;
  collection_ = nullptr;
  SetModalResult(mrCancel);
}

void ShowCollectionEditor(IFormDesigner* Designer, TComponent* Component, TCollection* Collection,
                          const std::string& PropertyName) {
  if (!Component || !Collection) throw EPropertyError(SNoEditedComponents);
  RegisterLayout();
  auto editor = std::make_unique<TCollectionEditor>(Application);
  if (!editor->InitFromResources())
    throw EResNotFound(Format(SResNotFound, {TCollectionEditor::StaticClass()->ClassName()}));
  editor->Init(Designer, Component, Collection, PropertyName);
  editor->ShowModal();
}

}  // namespace vcl
