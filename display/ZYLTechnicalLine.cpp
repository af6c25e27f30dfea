#include "display/ZYLTechnicalLine.h"

#include <algorithm>

#include "foundation/ZYLBevel.h"
#include "foundation/ZYLObject.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

namespace zyl {

using vcl::TPoint;
using vcl::TRect;

// ---- Layout ----

namespace {

TZYLTechLineStep Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  TZYLTechLineStep s;
  s.Kind = tskLine;
  s.Coords[0] = x1, s.Coords[1] = y1, s.Coords[2] = x2, s.Coords[3] = y2;
  return s;
}

TZYLTechLineStep Box(TZYLTechLineStepKind Kind, int32_t l, int32_t t, int32_t r, int32_t b) {
  TZYLTechLineStep s;
  s.Kind = Kind;
  s.Coords[0] = l, s.Coords[1] = t, s.Coords[2] = r, s.Coords[3] = b;
  return s;
}
TZYLTechLineStep Start(int32_t l, int32_t t, int32_t r, int32_t b) {
  return Box(tskStartSign, l, t, r, b);
}
TZYLTechLineStep End(int32_t l, int32_t t, int32_t r, int32_t b) {
  return Box(tskEndSign, l, t, r, b);
}

TZYLTechLineStep Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,
                     int32_t x4, int32_t y4) {
  TZYLTechLineStep s;
  s.Kind = tskArc;
  const int32_t c[8] = {x1, y1, x2, y2, x3, y3, x4, y4};
  std::copy(c, c + 8, s.Coords);
  return s;
}

// Sizes far beyond any screen are cut to where every sum and double of the layout stays in
// range; what lies that far out is clipped away anyway.
TZYLTechLineMetrics Limited(const TZYLTechLineMetrics& M) {
  constexpr int32_t kArea = 1 << 24, kPart = 1 << 20;
  TZYLTechLineMetrics r;
  r.Width = std::clamp(M.Width, -kArea, kArea);
  r.Height = std::clamp(M.Height, -kArea, kArea);
  r.HalfPen = std::clamp(M.HalfPen, -kPart, kPart);
  r.ShadowDepth = std::clamp(M.ShadowDepth, -kPart, kPart);
  r.SignSize = std::clamp(M.SignSize, -kPart, kPart);
  return r;
}

}  // namespace

std::vector<TZYLTechLineStep> ZYLTechLineLayout(TZYLTechnicalLineTypes LineType,
                                                TZYLSignPlaces Places,
                                                const TZYLTechLineMetrics& Metrics) {
  const TZYLTechLineMetrics M = Limited(Metrics);
  const int32_t W = M.Width, H = M.Height, p = M.HalfPen, sd = M.ShadowDepth, Z = M.SignSize;
  const int32_t s2 = Z / 2, S = Z + sd;
  const int32_t w = W / 2, h = H / 2, hs = S / 2, hd = sd / 2;
  const bool none = Places == spNoWhere, start = Places == spStart, end = Places == spEnd;
  switch (LineType) {
    case lsStraightLeftToRight:
      if (none) return {Line(p, h, W - sd - p, h)};
      if (start) return {Start(0, h - hs, S, h + hs), Line(Z, h - hd, W - sd - p, h - hd)};
      if (end) return {Line(p, h - hd, W - S, h - hd), End(W - S, h - hs, W, h + hs)};
      return {Start(0, h - hs, S, h + hs), Line(Z, h - hd, W - S, h - hd),
              End(W - S, h - hs, W, h + hs)};
    case lsStraightTopToBottom:
      if (none) return {Line(w, p, w, H - sd - p)};
      if (start) return {Start(w - hs, 0, w + hs, S), Line(w - hd, Z, w - hd, H - sd - p)};
      if (end) return {Line(w - hd, p, w - hd, H - S), End(w - hs, H - S, w + hs, H)};
      return {Start(w - hs, 0, w + hs, S), Line(w - hd, Z, w - hd, H - S),
              End(w - hs, H - S, w + hs, H)};
    case lsTopLeftToBottomRight:
      if (none) return {Line(0, 0, W - sd, H - sd)};
      if (start) return {Start(0, 0, S, S), Line(Z, s2, W - sd, H - sd)};
      if (end) return {Line(0, 0, W - S, H - s2 - sd), End(W - S, H - S, W, H)};
      return {Start(0, 0, S, S), Line(Z, s2, W - S, H - s2 - sd), End(W - S, H - S, W, H)};
    case lsBottomLeftToTopRight:
      if (none) return {Line(0, H - sd, W - sd, 0)};
      if (start) return {Start(0, H - S, S, H), Line(Z, H - s2 - sd, W - sd, 0)};
      if (end) return {Line(0, H, W - S, s2), End(W - S, 0, W, S)};
      return {Start(0, H - S, S, H), Line(Z, H - s2 - sd, W - S, s2), End(W - S, 0, W, S)};
    case lsTopLeftEdge:
      if (none) return {Line(0, H - sd, 0, 0), Line(0, 0, W - sd, 0)};
      if (start)
        return {Line(s2, H - S, s2, 0), Line(s2, 0, W - sd, 0), Start(0, H - S, S, H)};
      if (end) return {Line(0, H - sd, 0, s2), Line(0, s2, W - S, s2), End(W - S, 0, W, S)};
      return {Line(s2, H - S, s2, s2), Line(s2, s2, W - S, s2), Start(0, H - S, S, H),
              End(W - S, 0, W, S)};
    case lsBottomLeftEdge:
      if (none) return {Line(0, 0, 0, H - sd), Line(0, H - sd, W - sd, H - sd)};
      if (start)
        return {Line(0, 0, 0, H - s2 - sd), Line(0, H - s2 - sd, W - S, H - s2 - sd),
                Start(W - S, H - S, W, H)};
      if (end)
        return {End(0, 0, S, S), Line(s2, Z, s2, H - sd), Line(s2, H - sd, W - sd, H - sd)};
      return {End(0, 0, S, S), Line(s2, Z, s2, H - s2 - sd),
              Line(s2, H - s2 - sd, W - S, H - s2 - sd), Start(W - S, H - S, W, H)};
    case lsTopRightEdge:
      if (none) return {Line(0, 0, W - sd, 0), Line(W - sd, 0, W - sd, H - sd)};
      if (start)
        return {Start(0, 0, S, S), Line(Z, s2, W - sd, s2), Line(W - sd, s2, W - sd, H - sd)};
      if (end)
        return {Line(0, 0, W - s2 - sd, 0), Line(W - s2 - sd, 0, W - s2 - sd, H - S),
                End(W - S, H - S, W, H)};
      return {Start(0, 0, S, S), Line(Z, s2, W - s2 - sd, s2),
              Line(W - s2 - sd, s2, W - s2 - sd, H - S), End(W - S, H - S, W, H)};
    case lsBottomRightEdge:
      if (none) return {Line(W - sd, 0, W - sd, H - sd), Line(W - sd, H - sd, 0, H - sd)};
      if (start)
        return {Start(W - S, 0, W, S), Line(W - s2 - sd, Z, W - s2 - sd, H - sd),
                Line(W - s2 - sd, H - sd, 0, H - sd)};
      if (end)
        return {End(0, H - S, S, H), Line(W - sd, 0, W - sd, H - s2 - sd),
                Line(W - sd, H - s2 - sd, Z, H - s2 - sd)};
      return {End(0, H - S, S, H), Start(W - S, 0, W, S),
              Line(W - s2 - sd, Z, W - s2 - sd, H - s2 - sd),
              Line(W - s2 - sd, H - s2 - sd, Z, H - s2 - sd)};
    case lsTopLeftCurve:
      if (none) return {Arc(0, 0, 2 * W, 2 * H, W - sd, 0, 0, H - sd)};
      if (start)
        return {Arc(s2, 0, 2 * W - s2, 2 * (H - S), W - sd, 0, s2, H - S), Start(0, H - S, S, H)};
      if (end)
        return {Arc(0, s2, 2 * (W - S), 2 * H - s2, W - S, s2, 0, H - sd), End(W - S, 0, W, S)};
      return {Arc(s2, s2, 2 * W - 2 * Z - s2, 2 * H - 2 * Z - s2, W - S, s2, s2, H - S),
              Start(0, H - S, S, H), End(W - S, 0, W, S)};
    case lsBottomLeftCurve:
      if (none) return {Arc(sd, H - sd, 2 * W - sd, sd - H, 0, 0, W - sd, H - sd)};
      if (start)
        return {Arc(0, s2 + sd - H, 2 * (W - S), H - s2 - sd, 0, 0, W - S, H - s2 - sd),
                Start(W - S, H - S, W, H)};
      if (end)
        return {End(0, 0, S, S),
                Arc(s2, 2 * Z + sd - H, 2 * W + s2 - Z, H - sd, s2, Z, W - sd, H)};
      return {End(0, 0, S, S),
              Arc(s2, 2 * Z + s2 + sd - H, 2 * W - 2 * S - s2, H - s2 - sd, s2, Z, W - S,
                  H - s2 - sd),
              Start(W - S, H - S, W, H)};
    case lsTopRightCurve:
      if (none) return {Arc(sd - W, 0, W - sd, 2 * H, W - sd, H - sd, 0, 0)};
      if (start)
        return {Start(0, 0, S, S),
                Arc(2 * S - sd - W, s2, W - sd, 2 * H + s2 - S, W, H - sd, Z, s2)};
      if (end)
        return {Arc(s2 + sd - W, 0, W - s2 - sd, 2 * (H - S), W - s2 - sd, H - S, 0, 0),
                End(W - S, H - S, W, H)};
      return {Start(0, 0, S, S),
              Arc(2 * S + sd + s2 - W, s2, W - s2 - sd, 2 * (H - S) - s2, W - s2 - sd, H - S, Z,
                  s2),
              End(W - S, H - S, W, H)};
    case lsBottomRightCurve:
      if (none) return {Arc(sd - W, sd - H, W - sd, H - sd, 0, H - sd, W, 0)};
      if (start)
        return {Start(W - S, 0, W, S),
                Arc(s2 + sd - W, 2 * Z + sd - H, W - s2 - sd, H - sd, 0, H - sd, W - s2 - sd, Z)};
      if (end)
        return {End(0, H - S, S, H),
                Arc(2 * Z + sd - W, s2 - H, W - sd, H - s2 - sd, Z, H - s2, W, 0)};
      return {End(0, H - S, S, H), Start(W - S, 0, W, S),
              Arc(2 * Z + s2 + sd - W, 2 * Z + s2 + sd - H, W - s2 - sd, H - s2 - sd, Z,
                  H - s2 - sd, W - s2 - sd, Z)};
  }
  return {};
}

// ---- Arrow directions ----

namespace {

enum TDir : uint8_t { dUp, dDown, dLeft, dRight };

bool IsOpenArrow(TZYLLineEndings s) { return s >= leOpenArrowUp && s <= leOpenArrowLeft; }
bool IsClosedArrow(TZYLLineEndings s) { return s >= leClosedArrowUp && s <= leClosedArrowRight; }

TZYLLineEndings Arrow(bool Open, TDir d) {
  static const TZYLLineEndings open[] = {leOpenArrowUp, leOpenArrowDown, leOpenArrowLeft,
                                         leOpenArrowRight};
  static const TZYLLineEndings closed[] = {leClosedArrowUp, leClosedArrowDown,
                                           leClosedArrowLeft, leClosedArrowRight};
  return Open ? open[d] : closed[d];
}

// The directions of the start and the end of each line type.
void Directions(TZYLTechnicalLineTypes t, TDir& Start, TDir& End) {
  switch (t) {
    case lsStraightTopToBottom:
      Start = dUp, End = dDown;
      return;
    case lsTopLeftEdge:
    case lsTopLeftCurve:
      Start = dDown, End = dRight;
      return;
    case lsBottomLeftEdge:
    case lsBottomLeftCurve:
      Start = dRight, End = dUp;
      return;
    case lsTopRightEdge:
    case lsTopRightCurve:
      Start = dLeft, End = dDown;
      return;
    case lsBottomRightEdge:
    case lsBottomRightCurve:
      Start = dUp, End = dLeft;
      return;
    default:
      Start = dLeft, End = dRight;
      return;
  }
}

TZYLLineEndings Turn(TZYLLineEndings Sign, TDir d) {
  if (IsOpenArrow(Sign)) return Arrow(true, d);
  if (IsClosedArrow(Sign)) return Arrow(false, d);
  return Sign;
}

}  // namespace

TZYLLineEndings ZYLTurnStartArrow(TZYLTechnicalLineTypes LineType, TZYLLineEndings Sign) {
  TDir s, e;
  Directions(LineType, s, e);
  return Turn(Sign, s);
}

TZYLLineEndings ZYLTurnEndArrow(TZYLTechnicalLineTypes LineType, TZYLLineEndings Sign) {
  TDir s, e;
  Directions(LineType, s, e);
  return Turn(Sign, e);
}

// ---- Sign shapes ----

void ZYLDrawLineSign(vcl::TCanvas* Canvas, TZYLLineEndings Sign, TRect Box) {
  if (Sign == leNothing) return;
  const int32_t pw = Canvas->Pen()->Width();
  if (pw != 1) {
    const int32_t d = pw / 2;
    Box = TRect{Box.Left + d, Box.Top + d, Box.Right - d, Box.Bottom - d};
  }
  const int32_t L = Box.Left, T = Box.Top, R = Box.Right, B = Box.Bottom;
  const int32_t mx = L + (R - L) / 2, my = T + (B - T) / 2;
  const int32_t qx = (R - L) / 4, qy = (B - T) / 4;
  auto lines = [&](TPoint a, TPoint b, TPoint c) {
    Canvas->MoveTo(a.X, a.Y);
    Canvas->LineTo(b.X, b.Y);
    Canvas->LineTo(c.X, c.Y);
  };
  switch (Sign) {
    case leNothing:
      break;
    case leOpenArrowUp:
      lines({L, B}, {mx, T}, {R, B});
      break;
    case leOpenArrowDown:
      lines({L, T}, {mx, B}, {R, T});
      break;
    case leOpenArrowRight:
      lines({L, T}, {R, my}, {L, B});
      break;
    case leOpenArrowLeft:
      lines({R, T}, {L, my}, {R, B});
      break;
    case leClosedArrowUp:
      Canvas->Polygon({{L, B}, {mx, T}, {R, B}});
      break;
    case leClosedArrowDown:
      Canvas->Polygon({{L, T}, {mx, B}, {R, T}});
      break;
    case leClosedArrowLeft:
      Canvas->Polygon({{R, T}, {L, my}, {R, B}});
      break;
    case leClosedArrowRight:
      Canvas->Polygon({{L, T}, {R, my}, {L, B}});
      break;
    case leDiamond:
      Canvas->Polygon({{mx, T}, {R, my}, {mx, B}, {L, my}});
      break;
    case leCircle:
      Canvas->Ellipse(L, T, R, B);
      break;
    case leRectangle:
      Canvas->Rectangle(L, T, R, B);
      break;
    case leRoundRect:
      Canvas->RoundRect(L, T, R, B, qx, qy);
      break;
    case leParallelogramm:
      Canvas->Polygon({{L + qx, T}, {R, T}, {R - qx, B}, {L, B}});
      break;
    case leComb:
      Canvas->Polygon({{mx, T}, {R, T + qy}, {R, B - qy}, {mx, B}, {L, B - qy}, {L, T + qy}});
      break;
    case leHalfCircleLeft:
      Canvas->Pie(L, T, R, B, mx, T, mx, B);
      break;
    case leHalfCircleRight:
      Canvas->Pie(L, T, R, B, mx, B, mx, T);
      break;
    case leHalfCircleUp:
      Canvas->Pie(L, T, R, B, L, my, R, my);
      break;
    case leHalfCircleDown:
      Canvas->Pie(L, T, R, B, R, my, L, my);
      break;
  }
}

// ---- TZYLTechnicalLine ----

ZYL_MESSAGE_MAP(TZYLTechnicalLine) {
  m.On(win::WM_LBUTTONDOWN, &TZYLTechnicalLine::WMLButtonDown)
      .On(win::WM_LBUTTONUP, &TZYLTechnicalLine::WMLButtonUp);
}

ZYL_CLASS_IMPL(TZYLTechnicalLine) {
  using C = TZYLTechnicalLine;
  b.Publish("About")
      .Publish({"Align", "Color", "DragCursor", "DragMode"})
      .Prop("LineType", &C::LineType, &C::SetTechnicalLineType)
      .Default(lsStraightLeftToRight)
      .Prop("LineEndingsign", &C::LineEndingsign, &C::SetLineEnding)
      .Default(leClosedArrowRight)
      .Publish({"ParentColor", "ParentShowHint", "PopupMenu", "ShowHint"})
      .Prop("SignSize", &C::SignSize, &C::SetSignSize)
      .Default(40)
      .Prop("SignPlaces", &C::SignPlaces, &C::SetSignPlaces)
      .Default(spEnd)
      .Prop("LineStartSign", &C::LineStartSign, &C::SetLineStart)
      .Default(leNothing)
      .Prop("LineSettings", &C::LineSettings, nullptr)
      .Prop("ShadowColor", &C::ShadowColor, &C::SetShadowColor, vcl::ColorTypeInfo())
      .Default(vcl::clBtnShadow)
      .Prop("ShadowVisible", &C::ShadowVisible, &C::SetShadowVisible)
      .Default(false)
      .Prop("ShadowDepth", &C::ShadowDepth, &C::SetShadowDepth)
      .Default(6)
      .Prop("FillColor", &C::FillColor, &C::SetFillColor, vcl::ColorTypeInfo())
      .Default(vcl::clNone)
      .Prop("Arrowed", &C::Arrowed, &C::SetArrowed)
      .Default(false)
      .Prop("ShapeOnly", &C::ShapeOnly, &C::SetShapeOnly)
      .Default(false)
      .Publish({"Transparent", "Visible", "Anchors", "DragKind", "Constraints", "OnClick",
                "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown",
                "OnMouseEnter", "OnMouseExit", "OnMouseMove", "OnMouseUp", "OnStartDrag",
                "OnEndDock", "OnStartDock"});
}

TZYLTechnicalLine::TZYLTechnicalLine(vcl::TComponent* AOwner) : inherited(AOwner) {
  FLineSettings.reset(new vcl::TPen(), vcl::TNotifyEvent(this, &TZYLTechnicalLine::GetChange));
  SetBounds(Left(), Top(), 130, 45);
}

TZYLTechnicalLine::~TZYLTechnicalLine() {
  FreeShapeRegion();
  FLineSettings.reset();
}

void TZYLTechnicalLine::FreeShapeRegion() {
  if (FShapeRegion) win::DeleteObject(FShapeRegion);
  FShapeRegion = nullptr;
}

void TZYLTechnicalLine::SetTechnicalLineType(TZYLTechnicalLineTypes Value) {
  if (!ZYLStoreValue(FLineType, Value)) return;
  if (FArrowed) {
    FLineStartSign = ZYLTurnStartArrow(FLineType, FLineStartSign);
    FLineEndingsign = ZYLTurnEndArrow(FLineType, FLineEndingsign);
  }
  InvalidateControl();
}

void TZYLTechnicalLine::SetLineEnding(TZYLLineEndings Value) {
  if (!ZYLStoreValue(FLineEndingsign, Value)) return;
  if (FSignPlaces == spEnd || FSignPlaces == spBoth) InvalidateControl();
}

void TZYLTechnicalLine::SetLineStart(TZYLLineEndings Value) {
  if (!ZYLStoreValue(FLineStartSign, Value)) return;
  if (FSignPlaces == spStart || FSignPlaces == spBoth) InvalidateControl();
}

void TZYLTechnicalLine::SetArrowed(bool Value) {
  if (ZYLStoreValue(FArrowed, Value)) InvalidateControl();
}
void TZYLTechnicalLine::SetShadowDepth(int32_t Value) {
  if (ZYLStoreValue(FShadowDepth, Value)) InvalidateControl();
}
void TZYLTechnicalLine::SetSignSize(int32_t Value) {
  if (ZYLStoreValue(FSignSize, Value)) InvalidateControl();
}
void TZYLTechnicalLine::SetSignPlaces(TZYLSignPlaces Value) {
  if (ZYLStoreValue(FSignPlaces, Value)) InvalidateControl();
}
void TZYLTechnicalLine::SetShadowColor(vcl::TColor Value) {
  if (ZYLStoreValue(FShadowColor, Value)) InvalidateControl();
}
void TZYLTechnicalLine::SetFillColor(vcl::TColor Value) {
  if (ZYLStoreValue(FFillColor, Value)) InvalidateControl();
}
void TZYLTechnicalLine::SetShadowVisible(bool Value) {
  if (ZYLStoreValue(FShadowVisible, Value)) InvalidateControl();
}

void TZYLTechnicalLine::PaintIt(vcl::TCanvas* Canvas, const TRect& Rect) {
  const int32_t p = std::clamp(FLineSettings->Width() / 2, -(1 << 20), 1 << 20);
  const TRect r{Rect.Left + p + 1, Rect.Top + p + 1, Rect.Right - p - 1, Rect.Bottom - p - 1};
  TZYLTechLineMetrics raw;
  raw.Width = r.Right - r.Left;
  raw.Height = r.Bottom - r.Top;
  raw.HalfPen = p;
  raw.ShadowDepth = FShadowVisible ? FShadowDepth : 0;
  raw.SignSize = FSignSize;
  const TZYLTechLineMetrics m = Limited(raw);
  // No room inside the pen's margin: every coordinate would fall outside Rect.
  if (m.Width <= 0 || m.Height <= 0) return;
  const int32_t sd = m.ShadowDepth;
  const int32_t ox = r.Left, oy = r.Top;

  vcl::TPen shadowPen;
  shadowPen.Assign(FLineSettings);
  shadowPen.SetColor(FShadowColor);
  Canvas->Brush()->SetStyle(vcl::bsClear);
  const bool filled = FFillColor != vcl::clNone;

  for (const TZYLTechLineStep& s : ZYLTechLineLayout(FLineType, FSignPlaces, m)) {
    const int32_t* c = s.Coords;
    switch (s.Kind) {
      case tskLine:
        if (FShadowVisible) {
          Canvas->SetPen(&shadowPen);
          Canvas->MoveTo(ox + c[0] + sd, oy + c[1] + sd);
          Canvas->LineTo(ox + c[2] + sd, oy + c[3] + sd);
        }
        Canvas->SetPen(FLineSettings);
        Canvas->MoveTo(ox + c[0], oy + c[1]);
        Canvas->LineTo(ox + c[2], oy + c[3]);
        break;
      case tskArc: {
        // The box of an arc may be given bottom-up; the ellipse is that of its normalised box.
        const int32_t x1 = std::min(c[0], c[2]), x2 = std::max(c[0], c[2]);
        const int32_t y1 = std::min(c[1], c[3]), y2 = std::max(c[1], c[3]);
        auto arc = [&](int32_t d) {
          Canvas->Arc(ox + x1 + d, oy + y1 + d, ox + x2 + d, oy + y2 + d, ox + c[4] + d,
                      oy + c[5] + d, ox + c[6] + d, oy + c[7] + d);
        };
        if (FShadowVisible) {
          Canvas->SetPen(&shadowPen);
          arc(sd);
        }
        Canvas->SetPen(FLineSettings);
        arc(0);
        break;
      }
      case tskStartSign:
      case tskEndSign: {
        const TZYLLineEndings sign = s.Kind == tskStartSign ? FLineStartSign : FLineEndingsign;
        TRect box{ox + c[0], oy + c[1], ox + c[2], oy + c[3]};
        if (FShadowVisible) {
          Canvas->SetPen(&shadowPen);
          if (filled) {
            Canvas->Brush()->SetStyle(vcl::bsSolid);
            Canvas->Brush()->SetColor(FShadowColor);
          }
          ZYLDrawLineSign(Canvas, sign, TRect{box.Left + sd, box.Top + sd, box.Right, box.Bottom});
          box = TRect{box.Left, box.Top, box.Right - sd, box.Bottom - sd};
        }
        Canvas->SetPen(FLineSettings);
        if (filled) {
          Canvas->Brush()->SetStyle(vcl::bsSolid);
          Canvas->Brush()->SetColor(FFillColor);
        }
        ZYLDrawLineSign(Canvas, sign, box);
        break;
      }
    }
  }
}

void TZYLTechnicalLine::Paint() {
  if (ComponentState().contains(vcl::csLoading)) return;
  vcl::TCanvas* c = Canvas();
  if (!Transparent()) FillControl();
  TRect r = ClientRect();
  if (BevelExt() != 0)
    r = FBevel->PaintBevel(c, r, FBevel->BorderColor() == Color() || Transparent());
  PaintIt(c, r);
  if (FShapeOnly) BuildShapeRegion(c, r);
}

void TZYLTechnicalLine::BuildShapeRegion(vcl::TCanvas* Canvas, const TRect& Rect) {
  const win::HDC dc = Canvas->Handle();
  win::BeginPath(dc);
  PaintIt(Canvas, Rect);
  win::EndPath(dc);
  win::TOwnedObject<win::HRGN> inner(win::PathToRegion(dc));
  win::BeginPath(dc);
  PaintIt(Canvas, Rect);
  win::EndPath(dc);
  // The pen of the last drawing is the line's (or the shadow's, of the same width).
  Canvas->Pen()->Assign(FLineSettings);
  win::SelectObject(dc, Canvas->Pen()->Handle());
  win::WidenPath(dc);
  win::TOwnedObject<win::HRGN> wide(win::PathToRegion(dc));
  // A path without figures gives no region: the shape is then empty, not "everywhere".
  win::TOwnedObject<win::HRGN> shape(inner ? inner.Release() : win::CreateRectRgn(0, 0, 0, 0));
  if (wide) win::CombineRgn(shape, shape, wide, win::RGN_OR);
  // Regions come in device coordinates; the region is kept in the control's own, so that a
  // hit test does not depend on where the canvas was placed.
  win::POINT wo{0, 0}, vo{0, 0};
  win::GetWindowOrgEx(dc, &wo);
  win::GetViewportOrgEx(dc, &vo);
  win::OffsetRgn(shape, wo.X - vo.X, wo.Y - vo.Y);
  FreeShapeRegion();
  FShapeRegion = shape.Release();
}

bool TZYLTechnicalLine::AcceptsClickAt(int X, int Y) const {
  if (!FShapeOnly || !FShapeRegion) return true;
  return win::PtInRegion(FShapeRegion, X, Y) != 0;
}

void TZYLTechnicalLine::WMLButtonDown(vcl::TWMMouse& Message) {
  if (!AcceptsClickAt(Message.XPos(), Message.YPos())) return;
  ZYL_INHERITED(Message);
}

void TZYLTechnicalLine::WMLButtonUp(vcl::TWMMouse& Message) {
  if (!AcceptsClickAt(Message.XPos(), Message.YPos())) {
    // A press on the shape released beside it: no click and no mouse-up, but the control
    // must not stay pressed or keep the mouse captured.
    vcl::TControlState state = ControlState();
    if (state.contains(vcl::csClicked)) SetControlState(state - vcl::TControlState{vcl::csClicked});
    if (ControlStyle().contains(vcl::csCaptureMouse) && MouseCapture()) SetMouseCapture(false);
    return;
  }
  ZYL_INHERITED(Message);
}

}  // namespace zyl
