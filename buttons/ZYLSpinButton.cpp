#include "buttons/ZYLSpinButton.h"

#include <algorithm>

#include "foundation/ZYLXPStyles.h"
#include "platform/base/Finally.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"

namespace zyl {

ZYL_MESSAGE_MAP(TZYLSpinButton) { m.On(vcl::CM_ENABLEDCHANGED, &TZYLSpinButton::CMEnabledChanged); }

// Owned by the edits and the scroll bar; nothing is published of its own.
ZYL_CLASS_IMPL(TZYLSpinButton) {}

namespace {

// The theme parts of an arrow: the "SPIN" class numbers its parts up 1, down 2, right 3 and
// left 4 (four states each); the "SCROLLBAR" class has one arrow part (1) whose states run
// in groups of four: up, down, left, right.
int SpinPart(TZYLSingleSpinButton Kind) {
  switch (Kind) {
    case sbUp: return 1;
    case sbDown: return 2;
    case sbRight: return 3;
    case sbLeft:
    default: return 4;
  }
}

uint32_t FrameKind(TZYLSingleSpinButton Kind) {
  switch (Kind) {
    case sbUp: return win::DFCS_SCROLLUP;
    case sbDown: return win::DFCS_SCROLLDOWN;
    case sbLeft: return win::DFCS_SCROLLLEFT;
    case sbRight:
    default: return win::DFCS_SCROLLRIGHT;
  }
}

// The arrow glyph: a filled triangle of half-width S pointing to Kind, centred on (X, Y).
void DrawArrow(vcl::TCanvas* Canvas, TZYLSingleSpinButton Kind, int X, int Y, int S,
               vcl::TColor Color) {
  const int h = S / 2;
  std::vector<vcl::TPoint> p;
  switch (Kind) {
    case sbUp: p = {{X - S, Y + h}, {X + S, Y + h}, {X, Y + h - S}}; break;
    case sbDown: p = {{X - S, Y - h}, {X + S, Y - h}, {X, Y - h + S}}; break;
    case sbLeft: p = {{X + h, Y - S}, {X + h, Y + S}, {X + h - S, Y}}; break;
    case sbRight: p = {{X - h, Y - S}, {X - h, Y + S}, {X - h + S, Y}}; break;
  }
  Canvas->Pen()->SetColor(Color);
  Canvas->Brush()->SetColor(Color);
  Canvas->Brush()->SetStyle(vcl::bsSolid);
  Canvas->Polygon(p);
}

}  // namespace

TZYLSpinButton::TZYLSpinButton(vcl::TComponent* AOwner) : inherited(AOwner) {
  FState = std::make_unique<vcl::TBitmap>();
  DisableTransMode();  // every pixel is painted
  vcl::TControlStyle s = ControlStyle();
  s.Include(vcl::csCaptureMouse);
  SetControlStyle(s);
  SetBounds(Left(), Top(), 20, 20);
}

TZYLSpinButton::~TZYLSpinButton() { FRepeat.Free(); }

void TZYLSpinButton::SetBtns(TZYLSpinButtons Value) {
  if (Value == FBtns) return;
  FBtns = Value;
  FDown = false;
  StopRepeat();
  FHot = FPressed = NoPart;
  Redraw();
}

void TZYLSpinButton::SetSkew(bool Value) {
  if (Value == FSkew) return;
  FSkew = Value;
  if (!ComponentState().contains(vcl::csLoading)) Redraw();
}

void TZYLSpinButton::SetHotColor(vcl::TColor Value) {
  if (Value == FHotColor) return;
  FHotColor = Value;
  Redraw();
}

void TZYLSpinButton::SetInterval(uint16_t Value) { FInterval = std::max<uint16_t>(Value, 1); }

void TZYLSpinButton::SetScrollBarMode(bool Value) {
  if (Value == FScrollBarMode) return;
  FScrollBarMode = Value;
  Redraw();
}

void TZYLSpinButton::SetPartClick(TZYLSingleSpinButton Part, const vcl::TNotifyEvent& Event) {
  FClick[Part] = Event;
}

std::vector<TZYLSpinButton::TPart> TZYLSpinButton::Layout() const {
  std::vector<TPart> parts;
  const int w = Width(), h = Height();
  const bool hasL = FBtns.contains(sbLeft), hasR = FBtns.contains(sbRight);
  const bool hasU = FBtns.contains(sbUp), hasD = FBtns.contains(sbDown);
  const bool hasV = hasU || hasD;
  const int cols = int(hasL) + int(hasR) + int(hasV);
  if (cols == 0 || w <= 0 || h <= 0) return parts;
  const bool slant = FSkew && !FScrollBarMode;
  // A left and right pair alone: two halves side by side, or slanted across the whole face.
  if (!hasV && slant && hasL && hasR) {
    const vcl::TRect all{0, 0, w, h};
    parts.push_back({sbLeft, all, true, true});
    parts.push_back({sbRight, all, true, false});
    return parts;
  }
  int x = 0;
  const int colWidth = w / cols;
  auto column = [&](bool last) {
    const vcl::TRect r{x, 0, last ? w : x + colWidth, h};
    x = r.Right;
    return r;
  };
  int done = 0;
  if (hasL) parts.push_back({sbLeft, column(++done == cols)});
  if (hasV) {
    const vcl::TRect r = column(++done == cols);
    if (hasU && hasD) {
      if (slant) {
        parts.push_back({sbUp, r, true, true});
        parts.push_back({sbDown, r, true, false});
      } else {
        const int mid = r.Top + (r.Bottom - r.Top) / 2;
        parts.push_back({sbUp, {r.Left, r.Top, r.Right, mid}});
        parts.push_back({sbDown, {r.Left, mid, r.Right, r.Bottom}});
      }
    } else {
      parts.push_back({hasU ? sbUp : sbDown, r});
    }
  }
  if (hasR) parts.push_back({sbRight, column(++done == cols)});
  return parts;
}

bool TZYLSpinButton::PartAt(int X, int Y, TZYLSingleSpinButton& Part) const {
  for (const TPart& p : Layout()) {
    const vcl::TRect& r = p.Rect;
    if (X < r.Left || X >= r.Right || Y < r.Top || Y >= r.Bottom) continue;
    if (p.Slanted) {
      // Above the diagonal from the bottom-left to the top-right corner is the first half.
      const int64_t w = r.Right - r.Left, h = r.Bottom - r.Top;
      const bool above = int64_t(X - r.Left) * h + int64_t(Y - r.Top) * w < w * h;
      if (above != p.First) continue;
    }
    Part = p.Kind;
    return true;
  }
  return false;
}

bool TZYLSpinButton::Repeating() const { return FRepeat.Running(); }

void TZYLSpinButton::StopRepeat() { FRepeat.Stop(); }

void TZYLSpinButton::Fire(int Part) {
  if (Part == NoPart) return;
  const vcl::TNotifyEvent e = FClick[Part];
  if (e) e(this);
}

void TZYLSpinButton::DoRepeat(vcl::TObject*) {
  if (!FDown) {
    StopRepeat();
    return;
  }
  FRepeat.Continue(FInterval);  // the first tick came after the longer delay
  if (FHot == FPressed) Fire(FPressed);
}

void TZYLSpinButton::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  TZYLSingleSpinButton part;
  if (Button != vcl::mbLeft || !Enabled() || !PartAt(X, Y, part)) return;
  FPressed = FHot = part;
  FDown = true;
  Redraw();
  FRepeat.Start(FInterval);
  Fire(part);
}

void TZYLSpinButton::MouseMove(vcl::TShiftState Shift, int X, int Y) {
  inherited::MouseMove(Shift, X, Y);
  TZYLSingleSpinButton part;
  const int hot = Enabled() && PartAt(X, Y, part) ? int(part) : NoPart;
  if (hot == FHot) return;
  FHot = hot;
  Redraw();
}

void TZYLSpinButton::MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  // The arrow comes up and the repeat ends however the user's OnMouseUp leaves.
  const vcl::TFinally released([this, Button] {
    if (Button != vcl::mbLeft || !FDown) return;
    FDown = false;
    StopRepeat();
    Redraw();
  });
  inherited::MouseUp(Button, Shift, X, Y);
}

void TZYLSpinButton::MouseLeave() { MouseMove(vcl::TShiftState{}, -1, -1); }

void TZYLSpinButton::MouseExit() {
  inherited::MouseExit();
  MouseLeave();
}

void TZYLSpinButton::SetVisible(bool Value) {
  if (!Value) {
    FDown = false;
    StopRepeat();
  }
  inherited::SetVisible(Value);
}

void TZYLSpinButton::CMEnabledChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  if (!Enabled()) {
    FDown = false;
    StopRepeat();
    FHot = NoPart;
  }
  Redraw();
}

void TZYLSpinButton::Redraw() {
  if (Parent() && Visible()) Invalidate();
}

void TZYLSpinButton::DrawPart(vcl::TCanvas* C, const TPart& P, void* Theme) {
  const vcl::TRect& r = P.Rect;
  const bool enabled = Enabled();
  const bool pressed = IsPressed(P.Kind);
  const bool hot = enabled && !pressed && FHot == P.Kind;
  const int state = !enabled ? 4 : pressed ? 3 : hot ? 2 : 1;
  win::HDC dc = C->Handle();
  win::TRect wr = r;
  if (FScrollBarMode) {
    if (Theme) {
      DrawThemeBackground(Theme, dc, 1, int(P.Kind) * 4 + state, &wr, nullptr);
    } else {
      uint32_t flags = FrameKind(P.Kind);
      if (pressed) flags |= win::DFCS_PUSHED | win::DFCS_FLAT;
      if (!enabled) flags |= win::DFCS_INACTIVE;
      win::DrawFrameControl(dc, &wr, win::DFC_SCROLL, flags);
      return;
    }
  } else if (P.Slanted) {
    const vcl::TPoint tl{r.Left, r.Top}, tr{r.Right - 1, r.Top}, bl{r.Left, r.Bottom - 1},
        br{r.Right - 1, r.Bottom - 1};
    const vcl::TColor face = Theme ? vcl::TColor(ZYLThemeFaceColor(state)) : vcl::TColor(Color());
    C->Brush()->SetColor(face);
    C->Brush()->SetStyle(vcl::bsSolid);
    C->Pen()->SetColor(vcl::clBtnShadow);
    if (P.First)
      C->Polygon({tl, tr, bl});
    else
      C->Polygon({tr, br, bl});
    if (!pressed) {  // the light outer edges of the raised half
      C->Pen()->SetColor(vcl::clBtnHighlight);
      if (P.First) {
        C->MoveTo(bl.X, bl.Y - 1);
        C->LineTo(tl.X, tl.Y);
        C->LineTo(tr.X, tr.Y);
      } else {
        C->MoveTo(bl.X + 1, bl.Y - 1);
        C->LineTo(tr.X - 1, tr.Y + 1);
      }
    }
  } else if (Theme) {
    DrawThemeBackground(Theme, dc, SpinPart(P.Kind), state, &wr, nullptr);
  } else {
    C->Brush()->SetColor(Color());
    C->Brush()->SetStyle(vcl::bsSolid);
    C->FillRect(r);
    win::DrawEdge(dc, &wr, pressed ? win::BDR_SUNKENOUTER : win::EDGE_RAISED, win::BF_RECT);
  }
  // The arrow: on a slanted half in the middle of the triangle, else in the middle of the part.
  const int w = r.Right - r.Left, h = r.Bottom - r.Top;
  int cx = r.Left + w / 2, cy = r.Top + h / 2;
  int size = std::min(w, h) / 4;
  if (P.Slanted) {
    cx = P.First ? r.Left + w / 3 : r.Right - w / 3;
    cy = P.First ? r.Top + h / 3 : r.Bottom - h / 3;
    size = std::min(w, h) / 6;
  }
  size = std::max(size, 1);
  if (pressed) ++cx, ++cy;
  const vcl::TColor ink = !enabled ? vcl::clGrayText : hot ? FHotColor : vcl::clBtnText;
  DrawArrow(C, P.Kind, cx, cy, size, ink);
}

void TZYLSpinButton::Paint() {
  const int w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  FState->SetSize(w, h);
  vcl::TCanvas* c = FState->Canvas();
  c->Brush()->SetColor(Color());
  c->Brush()->SetStyle(vcl::bsSolid);
  c->FillRect(vcl::TRect{0, 0, w, h});
  HTHEME theme = nullptr;
  if (UseXP()) {
    vcl::TWinControl* p = Parent();
    theme = OpenThemeData(p && p->HandleAllocated() ? p->Handle() : nullptr,
                          FScrollBarMode ? "SCROLLBAR" : "SPIN");
  }
  vcl::TFinally closeTheme([&] {
    if (theme) CloseThemeData(theme);
  });
  for (const TPart& p : Layout()) DrawPart(c, p, theme);
  Canvas()->Draw(0, 0, FState.get());
}

}  // namespace zyl
