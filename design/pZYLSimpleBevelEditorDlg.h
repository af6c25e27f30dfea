// TZYLSimpleBevelEditorDlg: the modal editor of a shape's simple bevel (style, width and its
// three colours) on the working copy held by its preview shape `test`.
#pragma once

#include "design/pZYLObjectEditor.h"

namespace vcl {
class TButton;
class TComboBox;
}  // namespace vcl

namespace zyl {

class TZYLColorComboBox;
class TZYLFormStyler;
class TZYLShapeControl;
class TZYLSimpleBevel;
class TZYLSpinEdit;

class TZYLSimpleBevelEditorDlg : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLSimpleBevelEditorDlg, TZYLObjectEditorForm)
  explicit TZYLSimpleBevelEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits Bevel on a working copy; true exactly on OK.
  static bool Edit(TZYLSimpleBevel* Bevel);
  TZYLSimpleBevel* Copy() const;
  void SetLabels() override;

  TZYLShapeControl* test = nullptr;
  vcl::TComboBox* cmbstyle = nullptr;
  TZYLSpinEdit* spind = nullptr;
  TZYLColorComboBox *cmbL = nullptr, *cmbs = nullptr, *cmbn = nullptr;
  vcl::TButton *btL = nullptr, *bts = nullptr, *btn = nullptr;
  vcl::TButton *btOK = nullptr, *btCancel = nullptr, *btReset = nullptr;
  TZYLFormStyler* styler = nullptr;

  void cmbstyleChange(vcl::TObject* Sender);
  void spindChange(vcl::TObject* Sender);
  // All three colour boxes: the sender tells the colour.
  void cmbColorChange(vcl::TObject* Sender);
  void resetClick(vcl::TObject* Sender);
};

void pZYLSimpleBevelEditorDlgInit();
void pZYLSimpleBevelEditorDlgDone();

}  // namespace zyl
