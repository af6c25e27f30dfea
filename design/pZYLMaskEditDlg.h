// TZYLfrmMaskEditDlg: edits an edit mask in the edit `MaskEdit`; clicking a line of the sample
// list `MaskListBox` ("mask|description") puts its mask into the edit.
#pragma once

#include <string>

#include "design/pZYLObjectEditor.h"

namespace vcl {
class TButton;
class TEdit;
class TPanel;
}  // namespace vcl

namespace zyl {

class TZYLFormStyler;
class TZYLListBox;

class TZYLfrmMaskEditDlg : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLfrmMaskEditDlg, TZYLObjectEditorForm)
  explicit TZYLfrmMaskEditDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits Mask in the form; true exactly on OK, which stores the edit's text in Mask.
  static bool Edit(std::string& Mask);

  vcl::TPanel* Panel1 = nullptr;
  vcl::TEdit* MaskEdit = nullptr;
  TZYLListBox* MaskListBox = nullptr;
  vcl::TButton *btOK = nullptr, *btCancel = nullptr;
  TZYLFormStyler* styler = nullptr;

  // The selected sample's mask (its text before "|") goes into MaskEdit.
  void MaskListBoxClick(vcl::TObject* Sender);
};

void pZYLMaskEditDlgInit();
void pZYLMaskEditDlgDone();

}  // namespace zyl
