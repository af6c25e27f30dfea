#include "design/pZYLFilterPropsDlg.h"

#include "platform/classes/TypeInfo.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Grids.h"
#include "platform/controls/StdCtrls.h"
#include "platform/rtl/StrUtils.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLFilterPropsDlg) {
  DescribeFields(b);
  using T = TZYLFilterPropsDlg;
  b.Method("FormCreate", &T::FormCreate)
      .Method("FormShow", &T::FormShow)
      .Method("OKBtnClick", &T::OKBtnClick);
}

namespace {

// The text of Rest before its next "|" (all of it when there is none); that text and the "|"
// are taken off Rest.
std::string TakePart(std::string& Rest) {
  const size_t bar = Rest.find('|');
  std::string part = Rest.substr(0, bar);
  Rest.erase(0, bar == std::string::npos ? Rest.size() : bar + 1);
  return part;
}
}  // namespace

bool TZYLFilterPropsDlg::Edit(std::string& Filter) {
  auto dlg = ZYLCreateEditorForm<TZYLFilterPropsDlg>(vcl::Application);
  dlg->Filter = Filter;
  if (!ZYLRunEditorForm(dlg.get())) return false;
  Filter = dlg->Filter;
  return true;
}

void TZYLFilterPropsDlg::FormCreate(TObject* Sender) {
  inherited::FormCreate(Sender);
  FilterGrid->SetCells(0, 0, "Filter Name");
  FilterGrid->SetCells(1, 0, "Filter");
}

void TZYLFilterPropsDlg::FormShow(TObject*) {
  if (Filter.empty()) return;
  std::string rest = Filter + "|";
  for (int row = 1; !rest.empty(); ++row) {
    const std::string name = TakePart(rest);
    FilterGrid->SetCells(0, row, name);
    FilterGrid->SetCells(1, row, TakePart(rest));
    FilterGrid->SetRowCount(FilterGrid->RowCount() + RowsPerPair);
  }
}

void TZYLFilterPropsDlg::OKBtnClick(TObject*) {
  std::string filter;
  for (int row = 1; row < FilterGrid->RowCount(); ++row) {
    const std::string name = vcl::Trim(FilterGrid->Cells(0, row));
    const std::string mask = vcl::Trim(FilterGrid->Cells(1, row));
    if (!name.empty() && !mask.empty()) filter += name + "|" + mask + "|";
  }
  if (!filter.empty()) filter.pop_back();
  Filter = filter;
}

}  // namespace zyl
