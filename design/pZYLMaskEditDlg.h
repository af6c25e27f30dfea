// TZYLfrmMaskEditDlg: edits an edit mask in the edit `MaskEdit`; clicking a line of the sample
// list `MaskListBox` ("mask|description") puts its mask into the edit.
#pragma once

#include <string>

#include "design/pZYLMaskEditDlg.fieldtypes.h"
#include "design/pZYLObjectEditor.h"

namespace zyl {

class TZYLfrmMaskEditDlg : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLfrmMaskEditDlg, TZYLObjectEditorForm)
  explicit TZYLfrmMaskEditDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits Mask in the form; true exactly on OK, which stores the edit's text in Mask.
  static bool Edit(std::string& Mask);

#include "design/pZYLMaskEditDlg.fields.h"

  // The selected sample's mask (its text before "|") goes into MaskEdit.
  void MaskListBoxClick(vcl::TObject* Sender);
};

inline constexpr vcl::TUnitEntry pZYLMaskEditDlgUnit =
    ZYLEditorFormUnit<TZYLfrmMaskEditDlg>("pZYLMaskEditDlg");

}  // namespace zyl
