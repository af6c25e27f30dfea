#include "design/pZYLSimpleBevelEditorDlg.h"

#include "display/ZYLShapeControl.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLSimpleBevelEditorDlg) {
  DescribeFields(b);
  using T = TZYLSimpleBevelEditorDlg;
  b.Method("cmbstyleChange", &T::cmbstyleChange)
      .Method("spindChange", &T::spindChange)
      .Method("cmbColorChange", &T::cmbColorChange)
      .Method("resetClick", &T::resetClick);
}

bool TZYLSimpleBevelEditorDlg::Edit(TZYLSimpleBevel* Bevel) {
  return ZYLEditOnCopy<TZYLSimpleBevelEditorDlg>(Bevel);
}

TZYLSimpleBevel* TZYLSimpleBevelEditorDlg::Copy() const { return test->Bevel(); }

void TZYLSimpleBevelEditorDlg::SetLabels() {
  Fill([this] {
    cmbstyle->SetItemIndex(Copy()->Style());
    spind->SetIntValue(Copy()->Width());
    cmbL->SetSelectedColor(Copy()->LightColor());
    cmbs->SetSelectedColor(Copy()->ShadowColor());
    cmbn->SetSelectedColor(Copy()->Color());
  });
}

void TZYLSimpleBevelEditorDlg::cmbstyleChange(TObject*) {
  int style;
  if (!Chosen(cmbstyle, style)) return;
  Copy()->SetStyle(static_cast<TZYLSimpleBevelStyle>(style));
  Refill();
}

void TZYLSimpleBevelEditorDlg::spindChange(TObject*) {
  int value;
  if (!Takes(spind, 0, 255, value)) return;
  Copy()->SetWidth(static_cast<uint8_t>(value));
  Refill();
}

void TZYLSimpleBevelEditorDlg::cmbColorChange(TObject* Sender) {
  auto* box = static_cast<TZYLColorComboBox*>(Sender);
  int item;
  if (!Chosen(box, item)) return;
  const int prop = box == cmbL   ? TZYLSimpleBevel::ciLightColor
                   : box == cmbs ? TZYLSimpleBevel::ciShadowColor
                                 : TZYLSimpleBevel::ciColor;
  Copy()->SetColor(prop, box->SelectedColor());
  Refill();
}

}  // namespace zyl
