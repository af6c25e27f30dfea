// TZYLShadowEditorDlg: the modal editor of a shape's shadow (style, colour, depth) on the
// working copy held by its preview shape `test`.
#pragma once

#include "design/pZYLObjectEditor.h"
#include "design/pZYLShadowEditorDlg.fieldtypes.h"

namespace zyl {

class TZYLShadow;

class TZYLShadowEditorDlg : public TZYLCopyEditorForm<TZYLShadow> {
  ZYL_CLASS(TZYLShadowEditorDlg, TZYLCopyEditorForm<TZYLShadow>)
  explicit TZYLShadowEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits Shadow on a working copy; true exactly on OK.
  static bool Edit(TZYLShadow* Shadow);
  TZYLShadow* Copy() const override;
  void SetLabels() override;

#include "design/pZYLShadowEditorDlg.fields.h"

  void cmbstyleChange(vcl::TObject* Sender);
  void cmbSChange(vcl::TObject* Sender);
  void spindChange(vcl::TObject* Sender);
};

inline constexpr vcl::TUnitEntry pZYLShadowEditorDlgUnit =
    ZYLEditorFormUnit<TZYLShadowEditorDlg>("pZYLShadowEditorDlg");

}  // namespace zyl
