// TZYLTransparentEditorDlg: the modal editor of an image's transparency (mode and colour) on
// the working copy held by its preview image `test`, which shows a picture of its own over a
// red gradient; the label `lbl` describes the chosen mode.
#pragma once

#include "design/pZYLObjectEditor.h"
#include "design/pZYLTransparentEditorDlg.fieldtypes.h"

namespace zyl {

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

#include "design/pZYLTransparentEditorDlg.fields.h"
  // The descriptions of the modes: line n of its first item describes mode n.
  TZYLStringList* strl = nullptr;

  void cmbcChange(vcl::TObject* Sender);
  void cmbChange(vcl::TObject* Sender);
};

inline constexpr vcl::TUnitEntry pZYLTransparentEditorDlgUnit =
    ZYLEditorFormUnit<TZYLTransparentEditorDlg>("pZYLTransparentEditorDlg");

}  // namespace zyl
