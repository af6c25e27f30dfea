#include "tests/display/ImageTestSupport.h"

#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"

namespace imagetest {

ZYL_CLASS_IMPL(TBackPanel) {}

TBackPanel::TBackPanel(vcl::TComponent* AOwner) : inherited(AOwner) {}

void TBackPanel::Paint() {
  const vcl::TRect r{0, 0, Width(), Height()};
  if (Bmp) Canvas()->CopyRect(r, Bmp->Canvas(), r);
}

vcl::TForm* MakeBackHost(TBackPanel*& Panel, int W, int H) {
  auto* form = new vcl::TForm(nullptr);
  form->SetBorderStyle(vcl::bsNone);
  form->SetBounds(0, 0, W, H);
  Panel = new TBackPanel(form);
  Panel->Bmp = filltest::Pattern(W, H);
  Panel->SetBounds(0, 0, W, H);
  Panel->SetParent(form);
  return form;
}

}  // namespace imagetest
