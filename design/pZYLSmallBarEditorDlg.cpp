#include "design/pZYLSmallBarEditorDlg.h"

#include "display/ZYLProgress.h"
#include "display/ZYLSmallBar.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLSpinEdit.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLSmallBarEditorDlg) {
  DescribeFields(b);
  using T = TZYLSmallBarEditorDlg;
  b.Method("cmbbChange", &T::cmbbChange)
      .Method("spinChange", &T::spinChange)
      .Method("chkClick", &T::chkClick)
      .Method("resetClick", &T::resetClick);
}

bool TZYLSmallBarEditorDlg::Edit(TZYLSmallBar* SmallBar) {
  return ZYLEditOnCopy<TZYLSmallBarEditorDlg>(SmallBar);
}

TZYLSmallBar* TZYLSmallBarEditorDlg::Copy() const { return test->SmallBar(); }

void TZYLSmallBarEditorDlg::SetLabels() {
  Fill([this] {
    cmbb->SetSelectedColor(Copy()->BarColor());
    spinc->SetIntValue(Copy()->BarCount());
    spinh->SetIntValue(Copy()->HSpace());
    spinv->SetIntValue(Copy()->VSpace());
    chk->SetChecked(Copy()->AutoSize());
  });
}

void TZYLSmallBarEditorDlg::cmbbChange(TObject*) {
  int item;
  if (Chosen(cmbb, item)) Copy()->SetBarColor(cmbb->SelectedColor());
}

void TZYLSmallBarEditorDlg::spinChange(TObject* Sender) {
  auto* edit = static_cast<TZYLSpinEdit*>(Sender);
  int value;
  if (!Takes(edit, value)) return;
  const int prop = edit == spinc   ? TZYLSmallBar::biBarCount
                   : edit == spinh ? TZYLSmallBar::biHSpace
                                   : TZYLSmallBar::biVSpace;
  Copy()->SetByte(prop, static_cast<uint8_t>(value));
}

void TZYLSmallBarEditorDlg::chkClick(TObject*) {
  if (!Filling()) Copy()->SetAutoSize(chk->Checked());
}

}  // namespace zyl
