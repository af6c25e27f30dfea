// TZYLCaptionEditorDlg: the modal editor of a caption paint object (alignment, text, line mode,
// and through nested editors its font and its effect caption) on the working copy held by its
// preview shape `test`.
#pragma once

#include "design/pZYLCaptionEditorDlg.fieldtypes.h"
#include "design/pZYLObjectEditor.h"

namespace zyl {

class TZYLCaption;

class TZYLCaptionEditorDlg : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLCaptionEditorDlg, TZYLObjectEditorForm)
  explicit TZYLCaptionEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits Caption on a working copy, the MultiLine box `chk` shown exactly when ShowMultiLine;
  // true exactly on OK.
  static bool Edit(TZYLCaption* Caption, bool ShowMultiLine);
  TZYLCaption* Copy() const;
  void SetLabels() override;

#include "design/pZYLCaptionEditorDlg.fields.h"

  void cmbChange(vcl::TObject* Sender);
  void capChange(vcl::TObject* Sender);
  void chkClick(vcl::TObject* Sender);
  // "Font >>": the font dialog on the copy's font.
  void btnFontClick(vcl::TObject* Sender);
  // "FontFX >>": the effect caption editor on the copy's effect caption.
  void btnFXClick(vcl::TObject* Sender);
  void resetClick(vcl::TObject* Sender);
};

inline constexpr vcl::TUnitEntry pZYLCaptionEditorDlgUnit =
    ZYLEditorFormUnit<TZYLCaptionEditorDlg>("pZYLCaptionEditorDlg");

}  // namespace zyl
