#include "design/pZYLLEDEditorDlg.h"

#include "display/ZYLLED.h"
#include "display/ZYLLEDLabel.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLFormUtils.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLLEDEditorDlg) {
  DescribeFields(b);
  using T = TZYLLEDEditorDlg;
  b.Method("edchange", &T::edchange)
      .Method("cmbc", &T::cmbc)
      .Method("chkClick", &T::chkClick)
      .Method("predChange", &T::predChange)
      .Method("resetClick", &T::resetClick);
}

bool TZYLLEDEditorDlg::Edit(TZYLLED* LED) { return ZYLEditOnCopy<TZYLLEDEditorDlg>(LED); }

TZYLLED* TZYLLEDEditorDlg::Copy() const { return test->LED(); }

void TZYLLEDEditorDlg::FormCreate(TObject* Sender) {
  inherited::FormCreate(Sender);
  pred->Items()->Clear();
  for (int c = lcNone; c <= lcPurple; ++c)
    pred->Items()->Add(ZYLEnumName(static_cast<TZYLLightColor>(c)));
}

void TZYLLEDEditorDlg::SetLabels() {
  Fill([this] {
    edhs->SetIntValue(Copy()->Horzsize());
    edvs->SetIntValue(Copy()->Vertsize());
    edt->SetIntValue(Copy()->Thickness());
    cmbb->SetSelectedColor(Copy()->ActiveColor());
    cmbL->SetSelectedColor(Copy()->InActiveColor());
    chk->SetChecked(Copy()->DisabledDigits());
  });
}

void TZYLLEDEditorDlg::edchange(TObject* Sender) {
  auto* edit = static_cast<TZYLSpinEdit*>(Sender);
  const int value = edit->IntValue();
  if (Filling() || value < edit->IntMinValue() || value > edit->IntMaxValue()) return;
  const int prop = edit == edhs   ? TZYLLED::biHorzsize
                   : edit == edvs ? TZYLLED::biVertsize
                                  : TZYLLED::biThickness;
  Copy()->SetByte(prop, static_cast<uint8_t>(value));
  Refill();
}

void TZYLLEDEditorDlg::cmbc(TObject* Sender) {
  auto* box = static_cast<TZYLColorComboBox*>(Sender);
  if (Filling() || box->ItemIndex() < 0) return;
  Copy()->SetColor(box == cmbb ? TZYLLED::ciActiveColor : TZYLLED::ciInActiveColor,
                   box->SelectedColor());
  Refill();
}

void TZYLLEDEditorDlg::chkClick(TObject*) {
  if (!Filling()) Copy()->SetEnabled(chk->Checked());
}

void TZYLLEDEditorDlg::predChange(TObject*) {
  if (Filling() || pred->ItemIndex() < 0) return;
  vcl::TColor active = 0, inactive = 0;
  ZYLGetLightColors(static_cast<TZYLLightColor>(pred->ItemIndex()), active, inactive);
  Copy()->SetColor(TZYLLED::ciActiveColor, active);
  Copy()->SetColor(TZYLLED::ciInActiveColor, inactive);
  Refill();
  pred->SetItemIndex(-1);
}

void TZYLLEDEditorDlg::resetClick(TObject*) {
  TZYLLED defaults;
  Copy()->Assign(&defaults);
  SetLabels();
}

}  // namespace zyl
