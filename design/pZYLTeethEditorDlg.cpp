#include "design/pZYLTeethEditorDlg.h"

#include "display/ZYLShapeControl.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLTeethEditorDlg) {
  DescribeFields(b);
  using T = TZYLTeethEditorDlg;
  b.Method("cmbChange", &T::cmbChange)
      .Method("spinChange", &T::spinChange)
      .Method("chkClick", &T::chkClick)
      .Method("resetClick", &T::resetClick);
}

bool TZYLTeethEditorDlg::Edit(TZYLTeeth* Teeth) { return ZYLEditOnCopy<TZYLTeethEditorDlg>(Teeth); }

TZYLTeeth* TZYLTeethEditorDlg::Copy() const { return test->Teeth(); }

void TZYLTeethEditorDlg::SetLabels() {
  Fill([this] {
    cmb->SetItemIndex(Copy()->Direction());
    spinc->SetIntValue(Copy()->Count());
    spinW->SetIntValue(Copy()->Width());
    spinh->SetIntValue(Copy()->Height());
    chkc->SetChecked(Copy()->SetPerCount());
    chko->SetChecked(Copy()->Offset());
  });
}

void TZYLTeethEditorDlg::cmbChange(TObject*) {
  int direction;
  if (!Chosen(cmb, direction)) return;
  Copy()->SetDirection(static_cast<TZYLDirection>(direction));
  Refill();
}

void TZYLTeethEditorDlg::spinChange(TObject* Sender) {
  auto* edit = static_cast<TZYLSpinEdit*>(Sender);
  int value;
  if (!Takes(edit, value)) return;
  if (edit == spinc)
    Copy()->SetCount(value);
  else
    Copy()->SetInteger(edit == spinW ? TZYLTeeth::iiWidth : TZYLTeeth::iiHeight, value);
  Refill();
}

void TZYLTeethEditorDlg::chkClick(TObject* Sender) {
  if (Filling()) return;
  auto* box = static_cast<vcl::TCheckBox*>(Sender);
  Copy()->SetBoolean(box == chkc ? TZYLTeeth::biSetPerCount : TZYLTeeth::biOffset, box->Checked());
  Refill();
}

}  // namespace zyl
