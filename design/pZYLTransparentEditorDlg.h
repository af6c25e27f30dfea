// TZYLTransparentEditorDlg: the modal editor of an image's transparency (mode and colour) on
// the working copy held by its preview image `test`, which shows a picture of its own over a
// red gradient; the label `lbl` describes the chosen mode.
#pragma once

#include "design/pZYLObjectEditor.h"

namespace vcl {
class TButton;
class TComboBox;
class TLabel;
}  // namespace vcl

namespace zyl {

class TZYLColorComboBox;
class TZYLFill;
class TZYLFormStyler;
class TZYLNImage;
class TZYLStringList;
class TZYLTransparent;

class TZYLTransparentEditorDlg : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLTransparentEditorDlg, TZYLObjectEditorForm)
  explicit TZYLTransparentEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits Transparent on a working copy; true exactly on OK.
  static bool Edit(TZYLTransparent* Transparent);
  TZYLTransparent* Copy() const;
  void SetLabels() override;
  // Draws the preview's picture and fills `strl` with the descriptions of the modes.
  void FormCreate(vcl::TObject* Sender) override;

  TZYLFill* back = nullptr;
  TZYLNImage* test = nullptr;
  TZYLColorComboBox* cmbc = nullptr;
  vcl::TButton* btc = nullptr;
  vcl::TComboBox* cmb = nullptr;
  vcl::TLabel* lbl = nullptr;
  // The descriptions of the modes: line n of its first item describes mode n.
  TZYLStringList* strl = nullptr;
  vcl::TButton *btOK = nullptr, *btCancel = nullptr;
  TZYLFormStyler* styler = nullptr;

  void cmbcChange(vcl::TObject* Sender);
  void cmbChange(vcl::TObject* Sender);
};

void pZYLTransparentEditorDlgInit();
void pZYLTransparentEditorDlgDone();

}  // namespace zyl
