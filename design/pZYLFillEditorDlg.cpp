#include "design/pZYLFillEditorDlg.h"

#include "design/ZYLCPGet.h"
#include "design/pZYLBrushEditorDlg.h"
#include "design/pZYLGradientEditorDlg.h"
#include "display/ZYLFill.h"
#include "display/ZYLNImage.h"
#include "foundation/ZYLFillObject.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/TabCtrls.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLFillEditorDlg) {
  DescribeFields(b);
  using T = TZYLFillEditorDlg;
  b.Method("cmbStyleChange", &T::cmbStyleChange)
      .Method("ckClick", &T::ckClick)
      .Method("cmbTileChange", &T::cmbTileChange)
      .Method("btnbitmapClick", &T::btnbitmapClick)
      .Method("btnbrushClick", &T::btnbrushClick)
      .Method("btngradientClick", &T::btngradientClick)
      .Method("resetClick", &T::resetClick);
}

namespace {

// The option each check box stands for, in the order ck1, ck2, ck3.
constexpr TZYLFillOption kBoxOptions[] = {foFillInner, foQuickDraw, foGrUseBitmap};
}  // namespace

bool TZYLFillEditorDlg::EditFillObject(TZYLFillObject* Fill) {
  return ZYLEditPrepared<TZYLFillEditorDlg>(Fill, [](TZYLFillEditorDlg* f) {
    f->SetCaption("FillObject-Editor");
    f->fs->ForceNCPaint();
  });
}

bool TZYLFillEditorDlg::EditShapeFill(TZYLShapeFill* Fill) {
  return ZYLEditPrepared<TZYLFillEditorDlg>(Fill, [](TZYLFillEditorDlg* f) {
    f->SetCaption("ShapeFill-Editor");
    for (vcl::TControl* c :
         std::initializer_list<vcl::TControl*>{f->ck1, f->ck2, f->ck3, f->btest, f->btnbrush})
      c->SetVisible(false);
    f->info->SetVisible(true);
  });
}

TZYLFillObject* TZYLFillEditorDlg::Copy() const { return test->FillObject(); }

void TZYLFillEditorDlg::SetLabels() {
  Fill([this] {
    cmbStyle->SetItemIndex(Copy()->Style());
    cmbTile->SetItemIndex(Copy()->TileMode());
    iTest->SetBitmap(Copy()->Bitmap());
    btest->FillObject()->SetBrush(Copy()->Brush());
    gTest->FillObject()->SetGradient(Copy()->Gradient());
    vcl::TCheckBox* boxes[] = {ck1, ck2, ck3};
    for (int i = 0; i < 3; ++i) boxes[i]->SetChecked(Copy()->Options().contains(kBoxOptions[i]));
  });
}

void TZYLFillEditorDlg::cmbStyleChange(TObject*) {
  if (Filling() || cmbStyle->ItemIndex() < 0) return;
  Copy()->SetFillStyle(static_cast<TZYLFillStyle>(cmbStyle->ItemIndex()));
  Invalidate();
  Refill();
}

void TZYLFillEditorDlg::ckClick(TObject* Sender) {
  if (Filling()) return;
  auto* box = static_cast<vcl::TCheckBox*>(Sender);
  const TZYLFillOption option = kBoxOptions[box == ck1 ? 0 : box == ck2 ? 1 : 2];
  TZYLFillOptions options = Copy()->Options();
  if (box->Checked())
    options.Include(option);
  else
    options.Exclude(option);
  Copy()->SetOptions(options);
}

void TZYLFillEditorDlg::cmbTileChange(TObject*) {
  if (Filling() || cmbTile->ItemIndex() < 0) return;
  Copy()->SetTileMode(static_cast<TZYLTileMode>(cmbTile->ItemIndex()));
  Refill();
}

void TZYLFillEditorDlg::btnbitmapClick(TObject*) {
  ZYLCPGetBitmap(Copy()->Bitmap());
  SetLabels();
}

void TZYLFillEditorDlg::btnbrushClick(TObject*) {
  TZYLBrushEditorDlg::Edit(Copy()->Brush());
  SetLabels();
}

void TZYLFillEditorDlg::btngradientClick(TObject*) {
  TZYLGradientEditorDlg::Edit(Copy()->Gradient());
  SetLabels();
}

void TZYLFillEditorDlg::resetClick(TObject*) {
  TZYLFillObject defaults;
  Copy()->Assign(&defaults);
  SetLabels();
}

}  // namespace zyl
