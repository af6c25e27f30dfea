#include "design/pZYLBevelEditorDlg.h"

#include <memory>

#include "buttons/ZYLSimplePanel.h"
#include "design/pZYLObjectEditor.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLBevel.h"
#include "platform/base/Restore.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLBevelEditorDlg) {
  DescribeFields(b);
  using T = TZYLBevelEditorDlg;
  b.Method("rbclick", &T::rbclick)
      .Method("cmbStandardChange", &T::cmbStandardChange)
      .Method("cmbChange", &T::cmbChange)
      .Method("cmb1Change", &T::cmb1Change)
      .Method("cmbEdgeChange", &T::cmbEdgeChange)
      .Method("cmbbChange", &T::cmbbChange)
      .Method("edbiwChange", &T::edbiwChange)
      .Method("cbLeftClick", &T::cbLeftClick)
      .Method("cbTopClick", &T::cbTopClick)
      .Method("cbRightClick", &T::cbRightClick)
      .Method("cbBottomClick", &T::cbBottomClick)
      .Method("bt1Click", &T::bt1Click)
      .Method("resetClick", &T::resetClick)
      .Method("tb4Enter", &T::tb4Enter);
}

bool TZYLBevelEditorDlg::Edit(TZYLBevel* Bevel) {
  auto dlg = ZYLCreateEditorForm<TZYLBevelEditorDlg>(vcl::Application);
  dlg->Copy()->Assign(Bevel);
  dlg->ShowModePage();
  dlg->SetLabels();
  if (!ZYLRunEditorForm(dlg.get())) return false;
  Bevel->Assign(dlg->Copy());
  return true;
}

TZYLBevel* TZYLBevelEditorDlg::Copy() const { return test->Bevel(); }

void TZYLBevelEditorDlg::ShowModePage() {
  vcl::TTabSheet* const pages[] = {tb2, tb1, tb3, tb4};  // in TZYLBevelMode order
  nb->SetActivePage(pages[Copy()->Mode()]);
}

void TZYLBevelEditorDlg::SetLabels() {
  if (FFilling) return;
  vcl::TRestore<bool> filling(FFilling, true);
  TZYLBevel* bevel = Copy();
  edwo->SetIntValue(bevel->WidthOuter());
  edwi->SetIntValue(bevel->WidthInner());
  for (TZYLSpinEdit* e : {edbiw, edbiw2, edbiw3}) e->SetIntValue(bevel->BorderInnerWidth());
  edbw->SetIntValue(bevel->BorderWidth());
  for (TZYLColorComboBox* c : {cmbb, cmbb2, cmbb3}) c->SetSelectedColor(bevel->BorderColor());
  cmbL->SetSelectedColor(bevel->LightColor());
  cmbs->SetSelectedColor(bevel->ShadowColor());
  cmb->SetItemIndex(bevel->StyleInner());
  cmb1->SetItemIndex(bevel->StyleOuter());
  cmbEdge->SetItemIndex(bevel->EdgeStyle());
  rbCustom->SetChecked(bevel->Mode() == bmCustom);
  rbStandard->SetChecked(bevel->Mode() == bmStandard);
  rbEdge->SetChecked(bevel->Mode() == bmEdge);
  rbWindow->SetChecked(bevel->Mode() == bmWindows);
  const TZYLFrameSides sides = bevel->BorderSides();
  cbLeft->SetChecked(sides.contains(fsLeft));
  cbTop->SetChecked(sides.contains(fsTop));
  cbRight->SetChecked(sides.contains(fsRight));
  cbBottom->SetChecked(sides.contains(fsBottom));
  cmbStandard->SetItemIndex(bevel->StandardStyle());
}

void TZYLBevelEditorDlg::rbclick(TObject* Sender) {
  if (FFilling) return;
  auto* rb = static_cast<vcl::TRadioButton*>(Sender);
  if (!rb->Checked()) return;
  if (rb == rbStandard)
    Copy()->SetMode(bmStandard);
  else if (rb == rbCustom)
    Copy()->SetMode(bmCustom);
  else if (rb == rbEdge)
    Copy()->SetMode(bmEdge);
  else if (rb == rbWindow)
    Copy()->SetMode(bmWindows);
  SetLabels();
}

void TZYLBevelEditorDlg::cmbStandardChange(TObject*) {
  if (!FFilling && cmbStandard->ItemIndex() >= 0)
    Copy()->SetStyle(static_cast<TZYLBorderStyle>(cmbStandard->ItemIndex()));
}

void TZYLBevelEditorDlg::cmbChange(TObject*) {
  if (!FFilling && cmb->ItemIndex() >= 0)
    Copy()->SetBevelStyleInner(static_cast<TZYLBevelStyle>(cmb->ItemIndex()));
}

void TZYLBevelEditorDlg::cmb1Change(TObject*) {
  if (!FFilling && cmb1->ItemIndex() >= 0)
    Copy()->SetBevelStyleOuter(static_cast<TZYLBevelStyle>(cmb1->ItemIndex()));
}

void TZYLBevelEditorDlg::cmbEdgeChange(TObject*) {
  if (!FFilling && cmbEdge->ItemIndex() >= 0)
    Copy()->SetEdgeStyle(static_cast<TZYLEdgeStyle>(cmbEdge->ItemIndex()));
}

void TZYLBevelEditorDlg::cmbbChange(TObject* Sender) {
  if (FFilling) return;
  auto* box = static_cast<TZYLColorComboBox*>(Sender);
  if (box->ItemIndex() < 0) return;
  const int prop = box == cmbL   ? TZYLBevel::ciLightColor
                   : box == cmbs ? TZYLBevel::ciShadowColor
                                 : TZYLBevel::ciBorderColor;
  Copy()->SetColor(prop, box->SelectedColor());
  SetLabels();
}

void TZYLBevelEditorDlg::edbiwChange(TObject* Sender) {
  if (FFilling) return;
  auto* edit = static_cast<TZYLSpinEdit*>(Sender);
  const int value = edit->IntValue();
  if (value < 0 || value > 255) return;  // the text is on its way to a number in range
  const auto v = static_cast<uint8_t>(value);
  if (edit == edwo)
    Copy()->SetBevelWidthOuter(v);
  else if (edit == edwi)
    Copy()->SetBevelWidthInner(v);
  else if (edit == edbw)
    Copy()->SetBorderWidth(v);
  else
    Copy()->SetBorderSpace(v);
  SetLabels();
}

void TZYLBevelEditorDlg::SideClick(TObject* Sender, int Side) {
  if (FFilling) return;
  TZYLFrameSides sides = Copy()->BorderSides();
  if (static_cast<vcl::TCheckBox*>(Sender)->Checked())
    sides.Include(static_cast<TZYLFrameSide>(Side));
  else
    sides.Exclude(static_cast<TZYLFrameSide>(Side));
  Copy()->SetBorderSides(sides);
}

void TZYLBevelEditorDlg::cbLeftClick(TObject* Sender) { SideClick(Sender, fsLeft); }
void TZYLBevelEditorDlg::cbTopClick(TObject* Sender) { SideClick(Sender, fsTop); }
void TZYLBevelEditorDlg::cbRightClick(TObject* Sender) { SideClick(Sender, fsRight); }
void TZYLBevelEditorDlg::cbBottomClick(TObject* Sender) { SideClick(Sender, fsBottom); }

TZYLColorComboBox* TZYLBevelEditorDlg::BoxOf(TObject* Button) const {
  if (Button == bt11) return cmbL;
  if (Button == bt12) return cmbs;
  if (Button == bt13) return cmbb3;
  if (Button == bt14) return cmbb2;
  return cmbb;
}

void TZYLBevelEditorDlg::bt1Click(TObject* Sender) {
  TZYLColorComboBox* box = BoxOf(Sender);
  // Every box's dialog works on the custom colours of cmbb.
  const bool chosen = box == cmbb ? box->Execute() : box->ExecuteEnh(cmbb->CustomColors());
  if (chosen) cmbbChange(box);
}

void TZYLBevelEditorDlg::resetClick(TObject*) {
  TZYLBevel defaults;
  Copy()->Assign(&defaults);
  SetLabels();
}

void TZYLBevelEditorDlg::tb4Enter(TObject*) {
  if (stWindows->CanFocus()) stWindows->SetFocus();
}

}  // namespace zyl
