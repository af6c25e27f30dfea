// TZYLBrushEditorDlg: the modal editor of a brush (colour and style) on the working copy held
// by its preview shape `test`.
#pragma once

#include "design/pZYLBrushEditorDlg.fieldtypes.h"
#include "design/pZYLObjectEditor.h"

namespace vcl {
class TBrush;
}  // namespace vcl

namespace zyl {

class TZYLBrushEditorDlg : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLBrushEditorDlg, TZYLObjectEditorForm)
  explicit TZYLBrushEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits Brush on a working copy; true exactly on OK.
  static bool Edit(vcl::TBrush* Brush);
  vcl::TBrush* Copy() const;
  void SetLabels() override;

#include "design/pZYLBrushEditorDlg.fields.h"

  void cmbcChange(vcl::TObject* Sender);
  void cmbChange(vcl::TObject* Sender);
};

inline constexpr vcl::TUnitEntry pZYLBrushEditorDlgUnit =
    ZYLEditorFormUnit<TZYLBrushEditorDlg>("pZYLBrushEditorDlg");

}  // namespace zyl
