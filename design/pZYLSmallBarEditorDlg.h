// TZYLSmallBarEditorDlg: the modal editor of a progress bar's segment settings (colour, count,
// spaces, automatic size) on the working copy held by its preview progress bar `test`.
#pragma once

#include "design/pZYLObjectEditor.h"
#include "design/pZYLSmallBarEditorDlg.fieldtypes.h"

namespace zyl {

class TZYLSmallBar;

class TZYLSmallBarEditorDlg : public TZYLCopyEditorForm<TZYLSmallBar> {
  ZYL_CLASS(TZYLSmallBarEditorDlg, TZYLCopyEditorForm<TZYLSmallBar>)
  explicit TZYLSmallBarEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits SmallBar on a working copy; true exactly on OK.
  static bool Edit(TZYLSmallBar* SmallBar);
  TZYLSmallBar* Copy() const override;
  void SetLabels() override;

#include "design/pZYLSmallBarEditorDlg.fields.h"

  void cmbbChange(vcl::TObject* Sender);
  // The three spin edits: the sender tells the property.
  void spinChange(vcl::TObject* Sender);
  void chkClick(vcl::TObject* Sender);
};

inline constexpr vcl::TUnitEntry pZYLSmallBarEditorDlgUnit =
    ZYLEditorFormUnit<TZYLSmallBarEditorDlg>("pZYLSmallBarEditorDlg");

}  // namespace zyl
