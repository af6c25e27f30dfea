// TZYLButtonLayoutEditorDlg: the modal editor of a button layout: the glyph-text pages and the
// page "Arrow" (shown, colour, indent, size, position) on the working copy held by its preview
// speed button.
#pragma once

#include "design/pZYLButtonLayoutEditorDlg.fieldtypes.h"
#include "design/pZYLLayoutEditorForm.h"
#include "design/pZYLObjectEditor.h"

namespace zyl {

class TZYLButtonLayoutEditorDlg : public TZYLLayoutEditorForm {
  ZYL_CLASS(TZYLButtonLayoutEditorDlg, TZYLLayoutEditorForm)
  explicit TZYLButtonLayoutEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits Layout on a working copy; true exactly on OK.
  static bool Edit(TZYLButtonLayout* Layout);
  void SetLabels() override;

#include "design/pZYLButtonLayoutEditorDlg.fields.h"

  void chkClick(vcl::TObject* Sender);
  void acmbChange(vcl::TObject* Sender);
  // Indent and size: the sender tells the property.
  void arrowSpinChange(vcl::TObject* Sender);
  void apChange(vcl::TObject* Sender);
};

inline constexpr vcl::TUnitEntry pZYLButtonLayoutEditorDlgUnit =
    ZYLEditorFormUnit<TZYLButtonLayoutEditorDlg>("pZYLButtonLayoutEditorDlg");

}  // namespace zyl
