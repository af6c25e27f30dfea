#include "design/pZYLAboutDlg.h"

#include "buttons/ZYLButtonGroup.h"
#include "design/pZYLDsgnOptions.h"
#include "design/pZYLObjectEditor.h"
#include "display/ZYLLImage.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLGradient.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "system/ZYLFormA.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLToolsAbout) {
  DescribeFields(b);
  using T = TZYLToolsAbout;
  b.Method("FormCreate", &T::FormCreate).Method("FormClose", &T::FormClose);
}

namespace {

// The picture at the top: the suite's name on a blue gradient, the size of the image control.
void AddBanner(TZYLBitmapList* List, int Width, int Height) {
  vcl::TBitmap banner;
  banner.SetPixelFormat(vcl::pf24bit);
  banner.SetSize(Width, Height);
  vcl::TCanvas* c = banner.Canvas();
  ZYLGradientPaint(c, vcl::TRect{0, 0, Width, Height}, vcl::clNavy, vcl::clBlue, 64, gstHorizontal,
                   0, 0);
  c->Brush()->SetStyle(vcl::bsClear);
  c->Font()->SetName("Arial");
  c->Font()->SetHeight(-48);
  c->Font()->SetStyle({vcl::fsBold});
  c->Font()->SetColor(vcl::clWhite);
  const std::string name = "ZYL-Tools";
  c->TextOut((Width - c->TextWidth(name)) / 2, (Height - c->TextHeight(name)) / 2, name);
  List->GetArrayItem(List->Add())->SetBitmap(&banner);
}
}  // namespace

void TZYLToolsAbout::Execute(const std::string& Description) {
  auto form = ZYLCreateEditorForm<TZYLToolsAbout>(nullptr);
  form->des->SetCaption(Description);
  form->ShowModal();
}

void TZYLToolsAbout::FormCreate(vcl::TObject*) {
  if (ZYLBitmapList1->Count() == 0)
    AddBanner(ZYLBitmapList1, ZYLLImage1->Width(), ZYLLImage1->Height());
  zylvar->SetActivePage(TabSheet1);
  editorset->SetValue(ZYLReadEditorOptions(ZYLEditorOptionsRegisterDefault));
}

void TZYLToolsAbout::FormClose(vcl::TObject*, vcl::TCloseAction&) {
  ZYLWriteEditorOptions(editorset->Value());
}

}  // namespace zyl
