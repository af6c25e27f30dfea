// The collection editor: what the IDE opens for a property whose value is a TCollection
// (TCollectionProperty::Edit, and so a component editor handing that property editor on).
//
// The form lists the collection's items, one line each, "<index> - <display name>", with the
// commands Add New, Delete, Move Up and Move Down. The line chosen makes its item the designer's
// selection, so that the object inspector edits the item's properties. Every command works on
// the collection itself and reports one modification to the designer as it is made; the form is
// a design window of the designer, so it redraws its lines after any modification (an item's
// property set in the inspector) and closes when the component goes. Closing it gives the
// selection back to the component.
//
// The stand-in shows the editor modally: the call that opened it returns once it is closed.
// Its layout is a form text (ColnEdit.dfm) read by the form reader.
#pragma once

#include <string>

#include "platform/designer/ColnEdit.fieldtypes.h"
#include "platform/designer/FormDesigner.h"

namespace vcl {

class TCollection;

class TCollectionEditor : public TDesignWindow {
  ZYL_CLASS(TCollectionEditor, TDesignWindow)
  explicit TCollectionEditor(TComponent* AOwner) : TDesignWindow(AOwner) {}

  // Edits Collection, the property PropertyName of Component, for Designer: the caption names
  // them ("Editing Form1.ListBox1.HeaderSections") and the list shows the items, none chosen.
  void Init(IFormDesigner* ADesigner, TComponent* AComponent, TCollection* ACollection,
            const std::string& APropertyName);
  TComponent* Component() const { return component_; }
  TCollection* Collection() const { return collection_; }
  // The line of each item, in order.
  static std::string ItemText(TCollection* Collection, int Index);

#include "platform/designer/ColnEdit.fields.h"

  void AddClick(TObject* Sender);
  void DeleteClick(TObject* Sender);
  void MoveUpClick(TObject* Sender);
  void MoveDownClick(TObject* Sender);
  void ItemListClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

  // ---- TDesignWindow ----
  void FormModified() override;
  void ComponentDeleted(TPersistent* Item) override;
  void FormClosed(TCustomForm* Form) override;

 private:
  // Refills the lines, chooses line Index (-1: none), selects its item in the designer and sets
  // the commands' states.
  void ShowItems(int Index);
  void Choose(int Index);
  void UpdateCommands();
  // Moves the chosen item by Step places.
  void MoveChosen(int Step);
  // The collection changed: one modification, then the lines with line Index chosen.
  void Changed(int Index);
  // Gives the designer's selection back to the component (when it still names an item).
  void SelectComponentAgain();

  TComponent* component_ = nullptr;
  TCollection* collection_ = nullptr;
  std::string propertyName_;
};

// Opens the collection editor on Collection (the property PropertyName of Component) and runs it
// until it is closed.
void ShowCollectionEditor(IFormDesigner* Designer, TComponent* Component, TCollection* Collection,
                          const std::string& PropertyName);

}  // namespace vcl
