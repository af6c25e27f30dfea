#include "design/pZYLTransparentEditorDlg.h"

#include "display/ZYLFill.h"
#include "display/ZYLNImage.h"
#include "edits/ZYLColorComboBox.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLTransparentEditorDlg) {
  DescribeFields(b);
  using T = TZYLTransparentEditorDlg;
  b.Method("cmbcChange", &T::cmbcChange).Method("cmbChange", &T::cmbChange);
}

namespace {

const char kModeTexts[] =
    "No transparent drawing\r\n"
    "Real transparent drawing with transparent color of Bitmap \r\n"
    "Replaces the transparent Color of the Bitmap with Color\r\n"
    "Real transparent drawing with specified color in property Color\r\n";

// The preview's picture: a navy disc and a yellow bar on white, the picture's transparent
// colour (its bottom-left pixel).
void DrawSample(vcl::TBitmap* Bitmap) {
  Bitmap->SetSize(72, 72);
  vcl::TCanvas* c = Bitmap->Canvas();
  c->Brush()->SetColor(vcl::clWhite);
  c->FillRect(vcl::TRect{0, 0, 72, 72});
  c->Pen()->SetColor(vcl::clNavy);
  c->Brush()->SetColor(vcl::clNavy);
  c->Ellipse(6, 6, 50, 50);
  c->Pen()->SetColor(vcl::clYellow);
  c->Brush()->SetColor(vcl::clYellow);
  c->Rectangle(30, 38, 68, 56);
}
}  // namespace

bool TZYLTransparentEditorDlg::Edit(TZYLTransparent* Transparent) {
  return ZYLEditOnCopy<TZYLTransparentEditorDlg>(Transparent);
}

TZYLTransparent* TZYLTransparentEditorDlg::Copy() const { return test->TransparentStyle(); }

void TZYLTransparentEditorDlg::FormCreate(TObject* Sender) {
  inherited::FormCreate(Sender);
  vcl::TBitmap picture;
  DrawSample(&picture);
  test->SetBitmap(&picture);
  strl = new TZYLStringList(this);
  strl->SetName("strl");
  strl->GetArrayItem(strl->Add())->GetList()->SetText(kModeTexts);
}

void TZYLTransparentEditorDlg::SetLabels() {
  Fill([this] {
    cmbc->SetSelectedColor(Copy()->Color());
    cmb->SetItemIndex(Copy()->Mode());
    lbl->SetCaption(strl->GetArrayItem(0)->GetList()->Strings(Copy()->Mode()));
  });
}

void TZYLTransparentEditorDlg::cmbcChange(TObject*) {
  if (Filling() || cmbc->ItemIndex() < 0) return;
  Copy()->SetColor(cmbc->SelectedColor());
  Refill();
}

void TZYLTransparentEditorDlg::cmbChange(TObject*) {
  if (Filling() || cmb->ItemIndex() < 0) return;
  Copy()->SetStyle(static_cast<TZYLTransparentMode>(cmb->ItemIndex()));
  Refill();
}

}  // namespace zyl
