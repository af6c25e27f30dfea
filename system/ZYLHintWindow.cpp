#include "system/ZYLHintWindow.h"

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLProcs.h"
#include "foundation/ZYLSysUtils.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/text/Text.h"
#include "platform/user/WinUser.h"
#include "system/ZYLHint.h"

namespace zyl {

using vcl::TRect;

ZYL_CLASS_IMPL(TZYLHintWindow) {}

TZYLHintWindow::TZYLHintWindow(vcl::TComponent* AOwner) : inherited(AOwner) {
  Canvas()->Brush()->SetStyle(vcl::bsClear);
}

void TZYLHintWindow::CreateParams(vcl::TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style = win::WS_POPUP | win::WS_DISABLED;
  if (ZYLSIWindowsXP) Params.WindowClass.style |= win::CS_DROPSHADOW;
}

void TZYLHintWindow::ActivateHint(TRect Rect, const std::string& AHint) {
  TZYLHint* hc = HintControl;
  if (!hc) {
    inherited::ActivateHint(Rect, AHint);
    return;
  }
  SetColor(hc->Color());
  TRect r{0, 0, hc->WrapWidth(), 0};
  ZYLDrawTextCalc(AHint, hc->Font3D(), r, hc->Font(), true, false, hc->Bevel()->GetBevelExtend(),
                  static_cast<int32_t>(DrawTextBiDiModeFlagsReadingOnly()));
  win::OffsetRect(&r, Rect.Left - r.Left, Rect.Top - r.Top);
  r.Right += 6;
  r.Bottom += 2;
  inherited::ActivateHint(r, AHint);
}

void TZYLHintWindow::Paint() {
  TZYLHint* hc = HintControl;
  if (!hc) {
    inherited::Paint();
    return;
  }
  vcl::TCanvas* c = Canvas();
  TRect r = hc->Bevel()->PaintBevel(c, GetClientRect(), false);
  r.Left += 2;
  r.Top += 2;
  c->Brush()->SetColor(hc->Color());
  c->Font()->Assign(hc->Font());
  ZYLDrawTextExt(c, Text(), hc->Font3D(), r, win::DT_WORDBREAK | win::DT_NOPREFIX, {dtEnabled});
}

}  // namespace zyl
