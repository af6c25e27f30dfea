// TZYLStatusBarEditorDlg: chooses one of the predefined status-bar layouts from the list
// `ListBox`; "Ok & Insert" or a double-click on a line accepts it.
#pragma once

#include "design/pZYLObjectEditor.h"

namespace vcl {
class TButton;
class TGroupBox;
class TListBox;
}  // namespace vcl

namespace zyl {

class TZYLFormStyler;

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

  vcl::TGroupBox* gbPredefined = nullptr;
  vcl::TListBox* ListBox = nullptr;
  vcl::TButton *btOK = nullptr, *btCancel = nullptr;
  TZYLFormStyler* styler = nullptr;

  // Accepts the line double-clicked.
  void ListBoxDblClick(vcl::TObject* Sender);
};

void pZYLStatusBarEditorDlgInit();
void pZYLStatusBarEditorDlgDone();

}  // namespace zyl
