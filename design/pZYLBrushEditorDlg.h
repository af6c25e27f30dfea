// TZYLBrushEditorDlg: the modal editor of a brush (colour and style) on the working copy held
// by its preview shape `test`.
#pragma once

#include "design/pZYLObjectEditor.h"

namespace vcl {
class TBrush;
class TButton;
class TComboBox;
class TShape;
}  // namespace vcl

namespace zyl {

class TZYLColorComboBox;
class TZYLFormStyler;

class TZYLBrushEditorDlg : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLBrushEditorDlg, TZYLObjectEditorForm)
  explicit TZYLBrushEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits Brush on a working copy; true exactly on OK.
  static bool Edit(vcl::TBrush* Brush);
  vcl::TBrush* Copy() const;
  void SetLabels() override;

  vcl::TShape* test = nullptr;
  TZYLColorComboBox* cmbc = nullptr;
  vcl::TButton* btc = nullptr;
  vcl::TComboBox* cmb = nullptr;
  vcl::TButton *btOK = nullptr, *btCancel = nullptr;
  TZYLFormStyler* styler = nullptr;

  void cmbcChange(vcl::TObject* Sender);
  void cmbChange(vcl::TObject* Sender);
};

void pZYLBrushEditorDlgInit();
void pZYLBrushEditorDlgDone();

}  // namespace zyl
