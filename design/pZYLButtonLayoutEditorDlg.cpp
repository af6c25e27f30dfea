#include "design/pZYLButtonLayoutEditorDlg.h"

#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLGlyphLayout.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/TabCtrls.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLButtonLayoutEditorDlg) {
  DescribeFields(b);
  using T = TZYLButtonLayoutEditorDlg;
  b.Method("chkClick", &T::chkClick)
      .Method("acmbChange", &T::acmbChange)
      .Method("arrowSpinChange", &T::arrowSpinChange)
      .Method("apChange", &T::apChange);
}

bool TZYLButtonLayoutEditorDlg::Edit(TZYLButtonLayout* Layout) {
  return ZYLEditOnCopy<TZYLButtonLayoutEditorDlg>(Layout);
}

void TZYLButtonLayoutEditorDlg::SetLabels() {
  Fill([this] {
    FillLayout();
    chk->SetChecked(Copy()->Arrow());
    acmb->SetSelectedColor(Copy()->ArrowColor());
    ari->SetIntValue(Copy()->ArrowIndent());
    ars->SetIntValue(Copy()->ArrowSize());
    ap->SetItemIndex(Copy()->ArrowPosition());
  });
}

void TZYLButtonLayoutEditorDlg::chkClick(TObject*) {
  if (!Filling()) Copy()->SetArrow(chk->Checked());
}

void TZYLButtonLayoutEditorDlg::acmbChange(TObject*) {
  if (!Filling() && acmb->ItemIndex() >= 0) Copy()->SetArrowColor(acmb->SelectedColor());
}

void TZYLButtonLayoutEditorDlg::arrowSpinChange(TObject* Sender) {
  auto* edit = static_cast<TZYLSpinEdit*>(Sender);
  int value = 0;
  if (Filling() || !Value(edit, value)) return;
  if (edit == ari)
    Copy()->SetInteger(TZYLButtonLayout::iiArrowIndent, value);
  else
    Copy()->SetArrowSize(static_cast<int8_t>(value));
  Refill();
}

void TZYLButtonLayoutEditorDlg::apChange(TObject*) {
  if (!Filling() && ap->ItemIndex() >= 0)
    Copy()->SetArrowPosition(static_cast<TZYLArrowPosition>(ap->ItemIndex()));
}

}  // namespace zyl
