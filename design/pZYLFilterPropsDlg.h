// TZYLFilterPropsDlg: edits a file-dialog filter ("name|mask|name|mask") as a grid of name and
// mask pairs, one pair a row below the headings; OK rebuilds the filter from the rows whose two
// cells both hold text.
#pragma once

#include <string>

#include "design/pZYLFilterPropsDlg.fieldtypes.h"
#include "design/pZYLObjectEditor.h"

namespace zyl {

class TZYLFilterPropsDlg : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLFilterPropsDlg, TZYLObjectEditorForm)
  explicit TZYLFilterPropsDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // The rows the grid gains for every pair read (its form file starts it with 100).
  static constexpr int RowsPerPair = 10;

  // Edits Filter in the form; true exactly on OK, which stores the rebuilt filter in Filter.
  static bool Edit(std::string& Filter);

  // The filter being edited: set before the form is shown, rebuilt by OK.
  std::string Filter;

#include "design/pZYLFilterPropsDlg.fields.h"

  // The headings "Filter Name" and "Filter" in row 0.
  void FormCreate(vcl::TObject* Sender);
  // Fills rows 1, 2, ... with the pairs of Filter.
  void FormShow(vcl::TObject* Sender);
  // Rebuilds Filter from the grid.
  void OKBtnClick(vcl::TObject* Sender);
};

inline constexpr vcl::TUnitEntry pZYLFilterPropsDlgUnit =
    ZYLEditorFormUnit<TZYLFilterPropsDlg>("pZYLFilterPropsDlg");

}  // namespace zyl
