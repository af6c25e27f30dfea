// TZYLTeethEditorDlg: the modal editor of a shape's teeth (direction, count, size, how they
// are measured) on the working copy held by its preview shape `test`.
#pragma once

#include "design/pZYLObjectEditor.h"
#include "design/pZYLTeethEditorDlg.fieldtypes.h"

namespace zyl {

class TZYLTeeth;

class TZYLTeethEditorDlg : public TZYLCopyEditorForm<TZYLTeeth> {
  ZYL_CLASS(TZYLTeethEditorDlg, TZYLCopyEditorForm<TZYLTeeth>)
  explicit TZYLTeethEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits Teeth on a working copy; true exactly on OK.
  static bool Edit(TZYLTeeth* Teeth);
  TZYLTeeth* Copy() const override;
  void SetLabels() override;

#include "design/pZYLTeethEditorDlg.fields.h"

  void cmbChange(vcl::TObject* Sender);
  // The three spin edits: the sender tells the property.
  void spinChange(vcl::TObject* Sender);
  // Both check boxes: the sender tells the property.
  void chkClick(vcl::TObject* Sender);
};

inline constexpr vcl::TUnitEntry pZYLTeethEditorDlgUnit =
    ZYLEditorFormUnit<TZYLTeethEditorDlg>("pZYLTeethEditorDlg");

}  // namespace zyl
