#include "design/pZYLCaptionEditorDlg.h"

#include "design/ZYLCPGet.h"
#include "design/pZYLFxEditorDlg.h"
#include "display/ZYLShapeControl.h"
#include "foundation/ZYLCaption.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLCaptionEditorDlg) {
  DescribeFields(b);
  using T = TZYLCaptionEditorDlg;
  b.Method("cmbChange", &T::cmbChange)
      .Method("capChange", &T::capChange)
      .Method("chkClick", &T::chkClick)
      .Method("btnFontClick", &T::btnFontClick)
      .Method("btnFXClick", &T::btnFXClick)
      .Method("resetClick", &T::resetClick);
}

bool TZYLCaptionEditorDlg::Edit(TZYLCaption* Caption, bool ShowMultiLine) {
  return ZYLEditPrepared<TZYLCaptionEditorDlg>(
      Caption, [ShowMultiLine](TZYLCaptionEditorDlg* f) { f->chk->SetVisible(ShowMultiLine); });
}

TZYLCaption* TZYLCaptionEditorDlg::Copy() const { return test->Caption(); }

void TZYLCaptionEditorDlg::SetLabels() {
  Fill([this] {
    cap->SetText(Copy()->Caption());
    chk->SetChecked(Copy()->MultiLine());
    cmb->SetItemIndex(Copy()->Alignment());
  });
}

void TZYLCaptionEditorDlg::cmbChange(TObject*) {
  if (Filling() || cmb->ItemIndex() < 0) return;
  Copy()->SetAlignment(static_cast<TZYLAlignment>(cmb->ItemIndex()));
  Refill();
}

void TZYLCaptionEditorDlg::capChange(TObject*) {
  if (!Filling()) Copy()->SetCaption(cap->Text());
}

void TZYLCaptionEditorDlg::chkClick(TObject*) {
  if (!Filling()) Copy()->SetMultiLine(chk->Checked());
}

void TZYLCaptionEditorDlg::btnFontClick(TObject*) { ZYLCPGetFont(Copy()->Font()); }

void TZYLCaptionEditorDlg::btnFXClick(TObject*) { TZYLFxEditorDlg::EditFx(Copy()->FontFX()); }

void TZYLCaptionEditorDlg::resetClick(TObject*) {
  TZYLCaption defaults;
  Copy()->Assign(&defaults);
  SetLabels();
}

}  // namespace zyl
