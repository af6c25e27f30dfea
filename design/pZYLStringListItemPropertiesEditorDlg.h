// TZYLfrmsiprop: the properties of one string-list item (index, compressed flag, description,
// ident and its lines in a memo with a line count), filled and read by the string list editor.
// The "&File" menu loads the memo from a text file or saves it to one; the "&Edit" menu cuts,
// copies, pastes, deletes and selects the memo's text.
#pragma once

#include "design/pZYLLineListEditor.h"
#include "design/pZYLObjectEditor.h"
#include "design/pZYLStringListItemPropertiesEditorDlg.fieldtypes.h"

namespace zyl {

class TZYLfrmsiprop : public TZYLLineItemForm {
  ZYL_CLASS(TZYLfrmsiprop, TZYLLineItemForm)
  explicit TZYLfrmsiprop(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Shows the memo's number of lines.
  void SetLabels() override;

#include "design/pZYLStringListItemPropertiesEditorDlg.fields.h"

  void EditorChange(vcl::TObject* Sender);
  // By the menu item's Tag: 0 cut, 1 copy, 2 paste, 3 delete the selection, 4 select all.
  void editclick(vcl::TObject* Sender);
  // Paste needs text on the clipboard; cut, copy and delete a selection.
  void editmenuPopup(vcl::TObject* Sender);
  // By the menu item's Tag: 0 loads the memo from a text file, 1 saves it to one.
  void fileclick(vcl::TObject* Sender);
  // Drops the button's menu down below it.
  void dropClick(vcl::TObject* Sender);
};

inline constexpr vcl::TUnitEntry pZYLStringListItemPropertiesEditorDlgUnit =
    ZYLEditorFormUnit<TZYLfrmsiprop>("pZYLStringListItemPropertiesEditorDlg");

}  // namespace zyl
