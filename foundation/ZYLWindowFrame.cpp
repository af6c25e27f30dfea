#include "foundation/ZYLWindowFrame.h"

#include "platform/controls/WinControl.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasGuards.h"
#include "platform/user/DCGuards.h"
#include "platform/user/WinUser.h"

namespace zyl {

void ZYLPaintWindowFrame(
    vcl::TWinControl* Control,
    const std::function<void(vcl::TCanvas* Canvas, const vcl::TRect& Whole)>& Paint, win::HDC DC) {
  if (!Control->HandleAllocated()) return;
  win::HDC dc = DC ? DC : win::GetWindowDC(Control->Handle());
  if (!dc) return;
  win::TWindowDC held(Control->Handle(), DC ? nullptr : dc);
  const win::TSavedDC saved(DC);
  vcl::TCanvas canvas;
  vcl::TCanvasBinding bind(&canvas, dc);
  win::RECT wr{};
  win::GetWindowRect(Control->Handle(), &wr);
  Paint(&canvas, vcl::TRect{0, 0, wr.Right - wr.Left, wr.Bottom - wr.Top});
}

bool ZYLPrintsFrame(const vcl::TMessage& Message) {
  return Message.Msg == win::WM_PRINT && Message.WParam && (Message.LParam & win::PRF_NONCLIENT);
}

}  // namespace zyl
