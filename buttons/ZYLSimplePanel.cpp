#include "buttons/ZYLSimplePanel.h"

#include <algorithm>

#include "foundation/ZYLBevel.h"
#include "foundation/ZYLWindowFrame.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasGuards.h"
#include "platform/user/DCGuards.h"
#include "platform/user/WinUser.h"

namespace zyl {

using vcl::TRect;

ZYL_MESSAGE_MAP(TZYLSimplePanel) {
  m.On(win::WM_NCCALCSIZE, &TZYLSimplePanel::WMNCCalcSize)
      .On(win::WM_NCPAINT, &TZYLSimplePanel::WMNCPaint)
      .On(win::WM_PRINT, &TZYLSimplePanel::WMPrint);
}

ZYL_CLASS_IMPL(TZYLSimplePanel) { ZYLPublishPanel(b, true); }

TZYLSimplePanel::TZYLSimplePanel(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetBounds(0, 0, 185, 41);
}

void TZYLSimplePanel::AlignControls(vcl::TControl* AControl, TRect& Rect) {
  TZYLCustomPanel::AlignControls(AControl, Rect);
}

TRect TZYLSimplePanel::GetClientRect() {
  TRect r = inherited::GetClientRect();
  if (HandleAllocated()) return r;  // the window's own answer has the frame taken off
  const int e = BevelExt();
  return TRect{0, 0, std::max(0, r.Right - 2 * e), std::max(0, r.Bottom - 2 * e)};
}

void TZYLSimplePanel::Paint() { TZYLCustomPanel::Paint(); }

void TZYLSimplePanel::RestoreBorderFront() { PaintFrame(); }

void TZYLSimplePanel::WMNCCalcSize(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  const int e = BevelExt();
  if (!Message.LParam || e == 0) return;
  win::RECT* r = Message.WParam
                     ? &reinterpret_cast<win::NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0]
                     : reinterpret_cast<win::RECT*>(Message.LParam);
  r->Left += e;
  r->Top += e;
  r->Right = std::max(r->Left, r->Right - e);
  r->Bottom = std::max(r->Top, r->Bottom - e);
}

void TZYLSimplePanel::WMNCPaint(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  PaintFrame();
}

void TZYLSimplePanel::WMPrint(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  if (ZYLPrintsFrame(Message)) PaintFrame(reinterpret_cast<win::HDC>(Message.WParam));
}

void TZYLSimplePanel::PaintFrame(win::HDC DC) {
  if (BevelExt() == 0) return;
  ZYLPaintWindowFrame(
      this,
      [this](vcl::TCanvas* Canvas, const TRect& All) {
        // The frame's ring only: the bevel's background is the panel's colour.
        const int e = BevelExt();
        Canvas->Brush()->SetColor(GetBackColor());
        for (const TRect& s :
             {TRect{0, 0, All.Right, e}, TRect{0, All.Bottom - e, All.Right, All.Bottom},
              TRect{0, e, e, All.Bottom - e}, TRect{All.Right - e, e, All.Right, All.Bottom - e}})
          Canvas->FillRect(s);
        FBevel->PaintBevel(Canvas, All, true);
      },
      DC);
}

}  // namespace zyl
