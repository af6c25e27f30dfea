// TZYLStringListEditorDlg: the list editor of a string list. Each line shows an item's index,
// number of lines, ident, compressed flag and description; the item dialog (TZYLfrmsiprop)
// adds and edits items with their lines; ".txt" files dropped on the list box or chosen
// through "Add one or multiple items" become items.
#pragma once

#include "design/pZYLLineListEditor.h"
#include "design/pZYLObjectEditor.h"
#include "design/pZYLStringListEditorDlg.fieldtypes.h"

namespace zyl {

class TZYLStringList;

class TZYLStringListEditorDlg : public TZYLLineListEditorForm {
  ZYL_CLASS(TZYLStringListEditorDlg, TZYLLineListEditorForm)
  explicit TZYLStringListEditorDlg(vcl::TComponent* AOwner);

#include "design/pZYLStringListEditorDlg.fields.h"

  // Edits List on the form's working list, opening with no line selected; true exactly on OK,
  // which assigns the working list back once. Every other ending leaves List as it was.
  static bool Edit(TZYLStringList* List);

  // The working list takes List's items and defaults.
  void SetStrings(TZYLStringList* List);
  TZYLStringList* StringList() const;

 protected:
  TZYLAppendStep LoadDropped(const std::string& File) override;
  int ContentSize(int Index) const override;
  void ContentToForm(TZYLListItem* Item, TZYLLineItemForm* Form) override;
  void ContentFromForm(TZYLLineItemForm* Form, TZYLListItem* Item) override;
};

inline constexpr vcl::TUnitEntry pZYLStringListEditorDlgUnit =
    ZYLEditorFormUnit<TZYLStringListEditorDlg>("pZYLStringListEditorDlg");

}  // namespace zyl
