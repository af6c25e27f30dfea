#include "design/pZYLGradientEditorDlg.h"

#include <vector>

#include "display/ZYLFill.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLColorListBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGradient.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Colors.h"
#include "platform/rtl/Consts.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

namespace {
const char kExt[] = "Ext >>";
const char kStd[] = "Std >>";
}  // namespace

ZYL_CLASS_IMPL(TZYLGradientEditorDlg) {
  DescribeFields(b);
  using T = TZYLGradientEditorDlg;
  b.Method("edchange", &T::edchange)
      .Method("directChange", &T::directChange)
      .Method("cmbc", &T::cmbc)
      .Method("chkClick", &T::chkClick)
      .Method("ext_stdClick", &T::ext_stdClick)
      .Method("clbClick", &T::clbClick)
      .Method("addBtnClick", &T::addBtnClick)
      .Method("delBtnClick", &T::delBtnClick)
      .Method("resetClick", &T::resetClick)
      .Method("FormCloseQuery", &T::FormCloseQuery);
}

bool TZYLGradientEditorDlg::Edit(TZYLGradient* Gradient) {
  return ZYLEditOnCopy<TZYLGradientEditorDlg>(Gradient);
}

TZYLGradient* TZYLGradientEditorDlg::Copy() const { return test->FillObject()->Gradient(); }

void TZYLGradientEditorDlg::ShowLayout(bool Std) {
  for (vcl::TControl* c : std::initializer_list<vcl::TControl*>{cmbb, cmbL, bt1, bt2})
    c->SetVisible(Std);
  for (vcl::TControl* c : std::initializer_list<vcl::TControl*>{clb, addBtn, delBtn})
    c->SetVisible(!Std);
  ext_std->SetCaption(Std ? kExt : kStd);
}

void TZYLGradientEditorDlg::ActivateStd() { ShowLayout(true); }
void TZYLGradientEditorDlg::ActivateExt() { ShowLayout(false); }

void TZYLGradientEditorDlg::SetLabels() {
  Fill([this] {
    TZYLGradient* g = Copy();
    edbiw->SetIntValue(g->ColorCount());
    cmbb->SetSelectedColor(g->Color());
    cmbL->SetSelectedColor(g->EndColor());
    chk->SetChecked(g->PaletteRealize());
    direct->SetItemIndex(g->Style());
    if (g->TwoColors())
      ActivateStd();
    else
      ActivateExt();
    clb->Items()->BeginUpdate();
    clb->Items()->Clear();
    for (vcl::TColor c : g->ColorList()) clb->Items()->Add(vcl::ColorToString(c));
    clb->Items()->EndUpdate();
  });
}

void TZYLGradientEditorDlg::edchange(TObject*) {
  const int value = edbiw->IntValue();
  if (Filling() || value < edbiw->IntMinValue() || value > edbiw->IntMaxValue()) return;
  Copy()->SetColorCount(value);
  Refill();
}

void TZYLGradientEditorDlg::directChange(TObject*) {
  if (Filling() || direct->ItemIndex() < 0) return;
  Copy()->SetStyle(static_cast<TZYLGradientStyle>(direct->ItemIndex()));
  Refill();
}

void TZYLGradientEditorDlg::cmbc(TObject* Sender) {
  auto* box = static_cast<TZYLColorComboBox*>(Sender);
  if (Filling() || box->ItemIndex() < 0) return;
  if (box == cmbb)
    Copy()->SetColor(box->SelectedColor());
  else
    Copy()->SetEndColor(box->SelectedColor());
  Refill();
}

void TZYLGradientEditorDlg::chkClick(TObject*) {
  if (!Filling()) Copy()->SetPaletteRealize(chk->Checked());
}

void TZYLGradientEditorDlg::ext_stdClick(TObject*) {
  if (ext_std->Caption() == kExt)
    ActivateExt();
  else
    ActivateStd();
  Copy()->SetTwoColors(ext_std->Caption() == kExt);
}

void TZYLGradientEditorDlg::clbClick(TObject*) {
  std::vector<vcl::TColor> colors;
  for (int i = 0; i < clb->Items()->Count(); ++i) colors.push_back(clb->GetColor(i));
  Copy()->SetColorList(colors);
  Copy()->InitPalette();
}

void TZYLGradientEditorDlg::addBtnClick(TObject*) {
  if (!cd->Execute()) return;
  clb->Items()->Add(vcl::ColorToString(cd->Color()));
  clbClick(clb);
}

void TZYLGradientEditorDlg::delBtnClick(TObject*) {
  const int index = clb->ItemIndex();
  if (index >= 0) clb->Items()->Delete(index);
  clbClick(clb);
}

void TZYLGradientEditorDlg::resetClick(TObject*) {
  TZYLGradient defaults;
  test->FillObject()->SetGradient(&defaults);
  test->Bevel()->SetBevelStyleOuter(bvLowered);
  SetLabels();
}

void TZYLGradientEditorDlg::FormCloseQuery(TObject*, bool& CanClose) {
  if (ModalResult() != vcl::mrOk || Copy()->TwoColors() || Copy()->ColorList().size() >= 2) return;
  CanClose = false;
  vcl::MessageDlg(vcl::SZYLGradientTooFewColors, vcl::mtError, {vcl::mbOK}, 0);
}

}  // namespace zyl
