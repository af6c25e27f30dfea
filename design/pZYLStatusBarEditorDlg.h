// TZYLStatusBarEditorDlg: chooses one of the predefined status-bar layouts from the list
// `ListBox`; "Ok & Insert" or a double-click on a line accepts it.
#pragma once

#include "design/pZYLObjectEditor.h"
#include "design/pZYLStatusBarEditorDlg.fieldtypes.h"

namespace zyl {

class TZYLStatusBarEditorDlg : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLStatusBarEditorDlg, TZYLObjectEditorForm)
  explicit TZYLStatusBarEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // The layouts in the list's order.
  enum TLayout : int {
    sbTextCapsNumScrollTime,
    sbTextCapsNumScrollDateTime,
    sbTextOnly,
    sbCapsNumScroll,
    sbDateTime,
    sbCurrentUser,
  };

  // The index of the layout chosen; -1 when the form ends otherwise or with no line selected.
  static int Choose();

#include "design/pZYLStatusBarEditorDlg.fields.h"

  // Accepts the line double-clicked.
  void ListBoxDblClick(vcl::TObject* Sender);
};

inline constexpr vcl::TUnitEntry pZYLStatusBarEditorDlgUnit =
    ZYLEditorFormUnit<TZYLStatusBarEditorDlg>("pZYLStatusBarEditorDlg");

}  // namespace zyl
