#include "system/ZYLShapeHintWindow.h"

#include <cmath>
#include <vector>

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLApplication.h"
#include "foundation/ZYLProcs.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Messages.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/text/Text.h"
#include "platform/user/DCGuards.h"
#include "platform/user/WinUser.h"
#include "system/ZYLShapeHint.h"

namespace zyl {

using vcl::TPoint;
using vcl::TRect;

TZYLShapeHint* ShapeHintControl = nullptr;

ZYL_CLASS_IMPL(TZYLShapeHintWindow) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
}

namespace {

// A point on the ellipse (centre cx, cy; half-axes rx, ry) at the angle a in degrees, on the
// side of the centre where the nose's tip lies.
TPoint EllipsePoint(int cx, int cy, int rx, int ry, double a, bool right) {
  constexpr double rad = 3.14159265358979323846 / 180.0;
  const int dx = static_cast<int>(std::trunc(std::fabs(std::sin(a * rad)) * rx));
  const int dy = static_cast<int>(std::trunc(std::sin((a + 90.0) * rad) * ry));
  return {right ? cx + dx : cx - dx, cy - dy};
}

// The messages that close a message balloon holding the capture.
bool IsCloseMessage(win::UINT Msg) {
  return (Msg >= win::WM_KEYDOWN && Msg <= win::WM_KEYLAST) || Msg == win::WM_ACTIVATE ||
         Msg == win::WM_ACTIVATEAPP || Msg == win::WM_COMMAND || Msg == win::WM_NCMOUSEMOVE ||
         (Msg >= win::WM_LBUTTONDOWN && Msg <= win::WM_MOUSEWHEEL) || Msg == vcl::CM_ACTIVATE ||
         Msg == vcl::CM_DEACTIVATE || Msg == vcl::CM_APPKEYDOWN || Msg == vcl::CM_APPSYSCOMMAND;
}

}  // namespace

TZYLShapeHintWindow::TZYLShapeHintWindow(vcl::TComponent* AOwner) : inherited(AOwner) {
  Canvas()->Brush()->SetStyle(vcl::bsClear);
}

TZYLShapeHintWindow::~TZYLShapeHintWindow() {
  // The close notification and the capture belong to a window that still has its settings.
  if (HandleAllocated()) {
    if (vcl::GetCaptureControl() == this) vcl::SetCaptureControl(nullptr);
    DestroyHandle();
  }
  if (FExternal && FShapeHint) FShapeHint->RemoveFreeNotification(this);
}

void TZYLShapeHintWindow::CreateParams(vcl::TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style = win::WS_POPUP | win::WS_DISABLED;
}

TZYLShapeHint* TZYLShapeHintWindow::GetShapeHintControl() { return ShapeHintControl; }

TZYLCustomShapeHint* TZYLShapeHintWindow::Settings() {
  return FExternal ? FShapeHint : GetShapeHintControl();
}

void TZYLShapeHintWindow::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == vcl::opRemove && AComponent == FShapeHint) FShapeHint = nullptr;
}

void TZYLShapeHintWindow::ActivateHintExt(TRect Rect, const std::string& AHint,
                                          TZYLCustomShapeHint* ShapeHint) {
  if (ShapeHint) {
    if (FExternal && FShapeHint && FShapeHint != ShapeHint)
      FShapeHint->RemoveFreeNotification(this);
    FShapeHint = ShapeHint;
    FExternal = true;
    ShapeHint->FreeNotification(this);
  }
  ActivateHint(Rect, AHint);
}

void TZYLShapeHintWindow::ActivateHint(TRect Rect, const std::string& AHint) {
  TPoint P;
  if (Rect.Right == -1 && Rect.Bottom == -1) {
    P = Rect.TopLeft();
    if (!FExternal && !GetShapeHintControl()) return;
  } else {
    win::GetCursorPos(&P);
  }
  TZYLCustomShapeHint* S = Settings();
  if (!FExternal && !S) {
    inherited::ActivateHint(Rect, AHint);
    return;
  }
  if (!S) return;  // the component given was freed meanwhile

  // A balloon shown again must not capture its own old image.
  if (HandleAllocated() && win::IsWindowVisible(Handle()))
    win::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                      win::SWP_HIDEWINDOW | win::SWP_NOMOVE | win::SWP_NOSIZE |
                          win::SWP_NOZORDER | win::SWP_NOACTIVATE);
  text_ = AHint;
  if (HandleAllocated()) win::SetWindowTextA(Handle(), AHint.c_str());
  TZYLHintPosition pos = S->Position();

  TRect T{0, 0, S->WrapWidth(), 0};
  GetTextSize(text_, S->Font3D(), T, S->Font(), true, false, 2,
              static_cast<int32_t>(DrawTextBiDiModeFlagsReadingOnly()));
  TRect R = T;
  CalculateDimensions(R);
  SetBounds(R.Left, R.Top, R.Width(), R.Height());
  SetPosition(P, pos, R);
  SetBounds(R.Left, R.Top, R.Width(), R.Height());

  const int w = Width();
  const int h = Height();
  FImage = std::make_unique<vcl::TBitmap>();
  FImage->SetWidth(w);
  FImage->SetHeight(h);
  // Windows uncovered by a balloon just hidden (this one's, or a message replaced) repaint
  // first, so that the capture shows them rather than the old balloon.
  win::MSG pending;
  for (int i = 0; i < 1000 && win::PeekMessageA(&pending, nullptr, win::WM_PAINT, win::WM_PAINT,
                                                win::PM_REMOVE);
       ++i)
    win::DispatchMessageA(&pending);
  win::BitBlt(FImage->Canvas()->Handle(), 0, 0, w, h, win::TWindowDC(nullptr), R.Left, R.Top,
              win::SRCCOPY);

  win::SetWindowPos(Handle(), win::HWND_TOPMOST, R.Left, R.Top, 0, 0,
                    win::SWP_NOSIZE | win::SWP_NOACTIVATE | win::SWP_SHOWWINDOW);
  visible_ = true;

  FShowing = !FExternal;
  Draw(FImage.get(), pos, T);
  vcl::TCanvas* bc = FImage->Canvas();
  bc->Brush()->SetColor(S->Color());
  bc->Font()->Assign(S->Font());
  DrawText(bc, text_, S->Font3D(), T);
  Canvas()->Draw(0, 0, FImage.get());

  if (FExternal && S->SetCapture()) vcl::SetCaptureControl(this);
}

void TZYLShapeHintWindow::CalculateDimensions(TRect& R) {
  TZYLCustomShapeHint* S = Settings();
  if (!S) return;
  const int d = S->Shadow()->Depth();
  switch (S->Style()) {
    case hsRect:
      R.Right += d;
      R.Bottom += d;
      break;
    case hsRoundRect:
      R.Right += d + 8;
      R.Bottom += d + 4;
      break;
    case hsEllipse:
      R.Right += R.Right / 3 + d;
      R.Bottom += R.Bottom / 3 + d;
      break;
    case hsNoseRect:
    case hsNoseRoundRect:
      if (R.Right - R.Left < 46) R.Right = R.Left + 46;
      R.Right += d + 23;
      R.Bottom += d + 18;
      break;
    case hsNoseEllipse:
      R.Right += R.Right / 2 + d + 15;
      R.Bottom += R.Bottom / 2 + d + 15;
      break;
  }
}

void TZYLShapeHintWindow::SetPosition(const TPoint& P, TZYLHintPosition& Pos, TRect& R) {
  const TRect area{win::GetSystemMetrics(win::SM_XVIRTUALSCREEN),
                   win::GetSystemMetrics(win::SM_YVIRTUALSCREEN),
                   win::GetSystemMetrics(win::SM_CXVIRTUALSCREEN),
                   win::GetSystemMetrics(win::SM_CYVIRTUALSCREEN)};
  const int w = R.Width();
  const int h = R.Height();
  const TZYLHintPosition first = Pos;
  TRect firstTry;
  for (int i = 0; i < 4; ++i) {
    TPoint at;
    switch (Pos) {
      case hpAboveLeft: at = {P.X - 1 - w, P.Y - 1 - h}; break;
      case hpAboveRight: at = {P.X + 1, P.Y - 1 - h}; break;
      case hpBelowLeft: at = {P.X - 3 - w, P.Y + 1}; break;
      case hpBelowRight: at = {P.X + 6, P.Y + 1}; break;
    }
    const TRect c{at.X, at.Y, at.X + w, at.Y + h};
    if (i == 0) firstTry = c;
    // The balloon fits when its first and its last pixel lie on the desktop.
    if (win::PtInRect(&area, c.TopLeft()) && win::PtInRect(&area, {c.Right - 1, c.Bottom - 1})) {
      R = c;
      return;
    }
    Pos = static_cast<TZYLHintPosition>((Pos + 1) % 4);
  }
  // Nothing fits: keep the requested side, so that the nose still points at P.
  Pos = first;
  R = firstTry;
}

void TZYLShapeHintWindow::Draw(vcl::TBitmap* Bitmap, TZYLHintPosition Pos, TRect& T) {
  TZYLCustomShapeHint* S = Settings();
  if (!S || !Bitmap) return;
  vcl::TCanvas* c = Bitmap->Canvas();
  const int W = Width();
  const int H = Height();
  TZYLShadow* shadow = S->Shadow();
  const int d = shadow->Depth();
  const TZYLHintStyle style = S->Style();

  bool withShadow = true;
  switch (shadow->Style()) {
    case hssSolid:
      c->Brush()->SetBitmap(nullptr);
      c->Brush()->SetStyle(vcl::bsSolid);
      c->Brush()->SetColor(shadow->Color());
      c->Pen()->SetMode(vcl::pmCopy);
      c->Pen()->SetStyle(vcl::psClear);
      break;
    case hssTracing:
      // Without the application object (and its pattern) the mask falls back to a solid brush.
      if (TZYLApplication* app = ZYLApplication()) {
        c->Brush()->SetBitmap(app->GetBrushBitmap(shadow->Color()));
      } else {
        c->Brush()->SetBitmap(nullptr);
        c->Brush()->SetStyle(vcl::bsSolid);
        c->Brush()->SetColor(shadow->Color());
      }
      c->Pen()->SetMode(vcl::pmMask);
      c->Pen()->SetStyle(vcl::psClear);
      break;
    default:
      withShadow = false;
      break;
  }
  auto bodyTools = [&]() {
    c->Brush()->SetBitmap(nullptr);
    c->Pen()->SetStyle(vcl::psSolid);
    c->Pen()->SetMode(vcl::pmCopy);
    c->Pen()->SetColor(S->BorderColor());
    c->Pen()->SetWidth(1);
    c->Brush()->SetStyle(vcl::bsSolid);
    c->Brush()->SetColor(S->Color());
  };
  auto shape = [&](TZYLHintStyle st, const TRect& r) {
    if (st == hsRect || st == hsNoseRect)
      c->Rectangle(r);
    else if (st == hsRoundRect || st == hsNoseRoundRect)
      c->RoundRect(r.Left, r.Top, r.Right, r.Bottom, 16, 16);
    else
      c->Ellipse(r);
  };

  if (style == hsRect || style == hsRoundRect || style == hsEllipse) {
    const TRect body{0, 0, W - d, H - d};
    if (withShadow) shape(style, {d, d, W, H});
    bodyTools();
    shape(style, body);
    if (style == hsRect)
      win::OffsetRect(&T, 3, 3);
    else if (style == hsRoundRect)
      win::OffsetRect(&T, 5, 5);
    else
      win::OffsetRect(&T, (T.Right - d) / 5 + 3, (T.Bottom - d) / 5 + 3);
    return;
  }

  // The figures by side: the body (or ellipse) rectangle and the nose's tip.
  TRect body;
  TPoint tip;
  switch (Pos) {
    case hpAboveLeft: body = {0, 0, W - d - 15, H - d - 15}; tip = {W - d, H - d}; break;
    case hpAboveRight: body = {15, 0, W - d, H - d - 15}; tip = {0, H - d}; break;
    case hpBelowLeft: body = {0, 15, W - d - 15, H - d}; tip = {W, 0}; break;
    case hpBelowRight: body = {15, 15, W - d, H - d}; tip = {0, 0}; break;
  }
  TRect shadowBody = body;
  win::OffsetRect(&shadowBody, d, d);
  // The shadow's tip moves only down where the nose points to the left below or right above.
  TPoint shadowTip = tip;
  shadowTip.Y += d;
  if (Pos == hpAboveLeft || Pos == hpBelowRight) shadowTip.X += d;
  const bool shadowNose = Pos != hpBelowRight;

  if (style == hsNoseRect || style == hsNoseRoundRect) {
    TPoint base;
    switch (Pos) {
      case hpAboveLeft: base = {W - d - 55, H - d - 16}; break;
      case hpAboveRight: base = {25, H - d - 16}; break;
      case hpBelowLeft: base = {W - d - 55, 16}; break;
      case hpBelowRight: base = {25, 16}; break;
    }
    if (withShadow) {
      shape(style, shadowBody);
      if (shadowNose) {
        const TPoint b{base.X + d, base.Y + d};
        c->Polygon({b, shadowTip, {b.X + 30, b.Y}});
      }
    }
    bodyTools();
    shape(style, body);
    c->Polygon({base, tip, {base.X + 30, base.Y}});
    // The nose joins the body without a border.
    c->Pen()->SetColor(S->Color());
    c->MoveTo(base.X + 1, base.Y);
    c->LineTo(base.X + 30, base.Y);
    const TPoint move = Pos == hpAboveLeft    ? TPoint{4, 4}
                        : Pos == hpAboveRight ? TPoint{19, 4}
                        : Pos == hpBelowLeft  ? TPoint{4, 19}
                                              : TPoint{19, 19};
    win::OffsetRect(&T, move.X, move.Y);
    return;
  }

  // hsNoseEllipse: the nose's base points lie on the ellipse at a and a + 25 degrees.
  const double a = Pos == hpAboveLeft    ? 125
                   : Pos == hpAboveRight ? 205
                   : Pos == hpBelowLeft  ? 25
                                         : 295;
  auto bases = [&](const TRect& e, const TPoint& t, TPoint& b1, TPoint& b2) {
    const int cx = (e.Left + e.Right) / 2;
    const int cy = (e.Top + e.Bottom) / 2;
    const int rx = (e.Right - e.Left) / 2;
    const int ry = (e.Bottom - e.Top) / 2;
    b1 = EllipsePoint(cx, cy, rx, ry, a, t.X > cx);
    b2 = EllipsePoint(cx, cy, rx, ry, a + 25, t.X > cx);
  };
  TPoint b1, b2;
  if (withShadow) {
    c->Ellipse(shadowBody.Left, shadowBody.Top, shadowBody.Right + 1, shadowBody.Bottom + 1);
    if (shadowNose) {
      bases(shadowBody, shadowTip, b1, b2);
      c->Polygon({b1, shadowTip, b2});
    }
  }
  bodyTools();
  c->Pen()->SetStyle(vcl::psClear);
  c->Pen()->SetColor(vcl::clRed);
  c->Ellipse(body.Left, body.Top, body.Right + 1, body.Bottom + 1);
  bases(body, tip, b1, b2);
  c->Polygon({b1, tip, b2});
  c->Pen()->SetStyle(vcl::psSolid);
  c->Pen()->SetColor(S->BorderColor());
  c->Arc(body.Left, body.Top, body.Right, body.Bottom, b1.X, b1.Y, b2.X, b2.Y);
  c->MoveTo(b1.X, b1.Y);
  c->LineTo(tip.X, tip.Y);
  c->LineTo(b2.X, b2.Y);
  const int tw = T.Width();
  const int th = T.Height();
  switch (Pos) {
    case hpAboveLeft: win::OffsetRect(&T, (T.Right - d) / 3 + 3, (T.Bottom - d) / 3 + 3); break;
    case hpAboveRight: {
      const int left = (W - tw + 15) / 2;
      const int top = (H - th - 15) / 2;
      T = {left, top, left + tw, top + th};
      break;
    }
    case hpBelowLeft: win::OffsetRect(&T, (T.Right - d) / 3 + 3, (T.Bottom - d) / 3 + 18); break;
    case hpBelowRight: win::OffsetRect(&T, (T.Right - d) / 3 + 3, (T.Bottom - d) / 3 + 15); break;
  }
}

void TZYLShapeHintWindow::GetTextSize(const std::string& Text, TZYL3DCaption* Font3D, TRect& Rect,
                                      vcl::TFont* Font, bool MultiLine, bool ShowAccelChar,
                                      int Extent, int32_t Flags) {
  ZYLDrawTextCalc(Text, Font3D, Rect, Font, MultiLine, ShowAccelChar, Extent, Flags);
}

void TZYLShapeHintWindow::DrawText(vcl::TCanvas* Canvas, const std::string& Text,
                                   TZYL3DCaption* Font3D, const TRect& Rect) {
  ZYLDrawTextExt(Canvas, Text, Font3D, Rect, win::DT_WORDBREAK | win::DT_NOPREFIX,
                 Enabled() ? TZYLDrawTextStyles{dtEnabled} : TZYLDrawTextStyles{dtDisabled});
}

void TZYLShapeHintWindow::Paint() {
  if (!FExternal && !GetShapeHintControl()) {
    inherited::Paint();
    return;
  }
  if (FImage) Canvas()->Draw(0, 0, FImage.get());
}

void TZYLShapeHintWindow::WndProc(vcl::TMessage& Message) {
  if (Message.Msg == win::WM_ERASEBKGND) {
    Message.Result = 1;
    return;
  }
  if (FExternal) {
    if (Message.Msg == win::WM_DESTROY && FShapeHint && FShapeHint->GetOnCloseHintWindow())
      FShapeHint->GetOnCloseHintWindow()(FShapeHint);
    if (FShapeHint && FShapeHint->SetCapture() && IsCloseMessage(Message.Msg)) {
      vcl::SetCaptureControl(nullptr);
      ReleaseHandle();
      return;
    }
  } else if ((Message.Msg == win::WM_SHOWWINDOW && Message.WParam == 0) ||
             Message.Msg == win::WM_DESTROY) {
    // A balloon goes away by hiding or, as the application's hints do, with its handle:
    // either way its settings hear of it once.
    if (FShowing) {
      FShowing = false;
      TZYLCustomShapeHint* s = GetShapeHintControl();
      if (s && s->GetOnCloseHintWindow()) s->GetOnCloseHintWindow()(s);
    }
  }
  inherited::WndProc(Message);
}

}  // namespace zyl
