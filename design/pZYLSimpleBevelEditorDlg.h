// TZYLSimpleBevelEditorDlg: the modal editor of a shape's simple bevel (style, width and its
// three colours) on the working copy held by its preview shape `test`.
#pragma once

#include "design/pZYLObjectEditor.h"
#include "design/pZYLSimpleBevelEditorDlg.fieldtypes.h"

namespace zyl {

class TZYLSimpleBevel;

class TZYLSimpleBevelEditorDlg : public TZYLCopyEditorForm<TZYLSimpleBevel> {
  ZYL_CLASS(TZYLSimpleBevelEditorDlg, TZYLCopyEditorForm<TZYLSimpleBevel>)
  explicit TZYLSimpleBevelEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits Bevel on a working copy; true exactly on OK.
  static bool Edit(TZYLSimpleBevel* Bevel);
  TZYLSimpleBevel* Copy() const override;
  void SetLabels() override;

#include "design/pZYLSimpleBevelEditorDlg.fields.h"

  void cmbstyleChange(vcl::TObject* Sender);
  void spindChange(vcl::TObject* Sender);
  // All three colour boxes: the sender tells the colour.
  void cmbColorChange(vcl::TObject* Sender);
};

inline constexpr vcl::TUnitEntry pZYLSimpleBevelEditorDlgUnit =
    ZYLEditorFormUnit<TZYLSimpleBevelEditorDlg>("pZYLSimpleBevelEditorDlg");

}  // namespace zyl
