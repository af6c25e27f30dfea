#include "foundation/ZYLProcs.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLGlyphLayout.h"
#include "foundation/ZYLGraph.h"
#include "platform/base/Finally.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/text/Text.h"

namespace zyl {

using win::TRect;

namespace {

win::COLORREF Rgb(vcl::TColor c) {
  return static_cast<win::COLORREF>(vcl::ColorToRGB(c)) & 0x00FFFFFF;
}

// One copy of the text in a colour, moved by (DX, DY) from the text's place.
struct TLayer {
  int DX, DY;
  vcl::TColor Color;
};

struct TEffect {
  std::vector<TLayer> Layers;  // drawn in order, before the text
  vcl::TColor TextColor = vcl::clDefault;  // clDefault: the font's colour
};

vcl::TColor Blend(vcl::TColor a, vcl::TColor b, int num, int den) {
  const win::COLORREF ca = Rgb(a), cb = Rgb(b);
  auto mix = [&](int x, int y) { return static_cast<win::BYTE>(x + (y - x) * num / den); };
  return static_cast<vcl::TColor>(win::RGB(mix(win::GetRValue(ca), win::GetRValue(cb)),
                                           mix(win::GetGValue(ca), win::GetGValue(cb)),
                                           mix(win::GetBValue(ca), win::GetBValue(cb))));
}

// The layers of a 3D style. D is the direction the light comes from.
std::vector<TLayer> StyleLayers(TZYL3DCaption* f) {
  std::vector<TLayer> v;
  if (!f) return v;
  int dx = -1, dy = -1;
  switch (f->Orientation()) {
    case toTopLeft: dx = -1; dy = -1; break;
    case toTopRight: dx = 1; dy = -1; break;
    case toBottomLeft: dx = -1; dy = 1; break;
    case toBottomRight: dx = 1; dy = 1; break;
  }
  const int L = f->LightDepth(), S = f->ShadowDepth();
  const vcl::TColor lc = f->LightColor(), sc = f->ShadowColor();
  auto add = [&](int k, vcl::TColor c) {  // k > 0 toward the light, k < 0 away from it
    if (k != 0) v.push_back({dx * k, dy * k, c});
  };
  switch (f->Style()) {
    case tdNone: break;
    case tdRaised: add(L, vcl::clBtnHighlight); add(-S, vcl::clBtnShadow); break;
    case tdSunken: add(S, vcl::clBtnShadow); add(-L, vcl::clBtnHighlight); break;
    case tdPColorRaised: add(L, lc); add(-S, sc); break;
    case tdPColorSunken: add(S, sc); add(-L, lc); break;
    case tdRaisedShadow:
      for (int k = S; k >= 1; --k) add(-k, sc);
      add(L, lc);
      break;
    case tdSunkenShadow:
      for (int k = S; k >= 1; --k) add(k, sc);
      add(-L, lc);
      break;
    case tdShadow: add(-S, sc); break;
    case tdOutline:
      for (int k = S; k >= 1; --k) {
        for (int ox = -1; ox <= 1; ++ox)
          for (int oy = -1; oy <= 1; ++oy)
            if (ox || oy) v.push_back({ox * k, oy * k, sc});
      }
      break;
    case tdExtrude:
      for (int k = S; k >= 1; --k) add(-k, sc);
      break;
    case tdExtrudeEnh:
      // Colour steps from the shadow colour (farthest) to the light colour (nearest).
      for (int k = S; k >= 1; --k) add(-k, S > 1 ? Blend(lc, sc, k - 1, S - 1) : sc);
      break;
  }
  return v;
}

TEffect EffectFor(TZYL3DCaption* f, TZYLDrawTextStyles styles) {
  TEffect e;
  const bool disabled = styles.contains(dtDisabled) && !styles.contains(dtEnabled);
  if (!disabled) {
    e.Layers = StyleLayers(f);
    return e;
  }
  TZYLDisabledStyle ds = f ? f->DisabledStyle() : dsStandard;
  if (styles.contains(dt3DDisabled)) ds = ds3d;
  if (ds == dsAuto) ds = (f && f->Style() != tdNone) ? ds3d : dsStandard;
  switch (ds) {
    case dsNone: e.Layers = StyleLayers(f); break;
    case ds3d:
      e.Layers = StyleLayers(f);
      e.TextColor = vcl::clBtnShadow;
      break;
    default:
      e.Layers = {{1, 1, vcl::clBtnHighlight}};
      e.TextColor = vcl::clBtnShadow;
      break;
  }
  return e;
}

TZYL3DExtent ExtentOf(const std::vector<TLayer>& layers) {
  TZYL3DExtent x;
  for (const auto& l : layers) {
    x.Left = std::max(x.Left, -l.DX);
    x.Right = std::max(x.Right, l.DX);
    x.Top = std::max(x.Top, -l.DY);
    x.Bottom = std::max(x.Bottom, l.DY);
  }
  return x;
}

TZYLFxCaption* Rotated(TZYL3DCaption* f) {
  auto* fx = dynamic_cast<TZYLFxCaption*>(f);
  return (fx && fx->Angle() % 360 != 0) ? fx : nullptr;
}

// Saves the text state of a DC (colour, background mode, character extra) and restores it.
class TTextState {
 public:
  explicit TTextState(win::HDC dc) : dc_(dc) {
    color_ = win::GetTextColor(dc);
    mode_ = win::GetBkMode(dc);
    extra_ = win::GetTextCharacterExtra(dc);
  }
  ~TTextState() {
    win::SetTextColor(dc_, color_);
    win::SetBkMode(dc_, mode_);
    win::SetTextCharacterExtra(dc_, extra_);
  }
  TTextState(const TTextState&) = delete;
  TTextState& operator=(const TTextState&) = delete;

 private:
  win::HDC dc_;
  win::COLORREF color_;
  int mode_, extra_;
};

// The lines of a rotated caption: split at line breaks; accelerator marks removed unless
// DT_NOPREFIX ("&&" stands for "&").
std::vector<std::string> RotatedLines(const std::string& text, uint32_t flags) {
  std::string t;
  if (flags & win::DT_NOPREFIX) {
    t = text;
  } else {
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '&') {
        if (i + 1 < text.size() && text[i + 1] == '&') t += '&', ++i;
        continue;
      }
      t += text[i];
    }
  }
  std::vector<std::string> lines;
  std::string cur;
  for (size_t i = 0; i < t.size(); ++i) {
    if (t[i] == '\r' || t[i] == '\n') {
      if (!(flags & win::DT_SINGLELINE)) {
        lines.push_back(cur);
        cur.clear();
        if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
        continue;
      }
      cur += ' ';
      continue;
    }
    cur += t[i];
  }
  lines.push_back(cur);
  return lines;
}

// The geometry of a rotated block of lines: level size, and the turned corners' bounds
// relative to the block's origin (its turned top-left corner).
struct TRotGeom {
  double Cos = 1, Sin = 0;
  int LineHeight = 0;
  std::vector<std::string> Lines;
  std::vector<int> Widths;
  int MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;  // bounds: [Min, Max)
};

TRotGeom RotGeom(win::HDC levelDC, const std::string& text, uint32_t flags, int angle) {
  TRotGeom g;
  const double kPi = 3.14159265358979323846;
  const double a = (angle % 360) * kPi / 180.0;
  g.Cos = std::cos(a);
  g.Sin = std::sin(a);
  win::TEXTMETRICA tm;
  win::GetTextMetricsA(levelDC, &tm);
  g.LineHeight = tm.tmHeight;
  g.Lines = RotatedLines(text, flags);
  int w = 0;
  for (const auto& l : g.Lines) {
    win::SIZE sz;
    win::GetTextExtentPoint32A(levelDC, l.c_str(), static_cast<int>(l.size()), &sz);
    g.Widths.push_back(sz.cx);
    w = std::max(w, static_cast<int>(sz.cx));
  }
  const int h = g.LineHeight * static_cast<int>(g.Lines.size());
  double minx = 1e18, miny = 1e18, maxx = -1e18, maxy = -1e18;
  for (auto [x, y] : {std::pair{0, 0}, std::pair{w, 0}, std::pair{0, h}, std::pair{w, h}}) {
    const double rx = x * g.Cos + y * g.Sin, ry = -x * g.Sin + y * g.Cos;
    minx = std::min(minx, rx);
    maxx = std::max(maxx, rx);
    miny = std::min(miny, ry);
    maxy = std::max(maxy, ry);
  }
  g.MinX = static_cast<int>(std::floor(minx + 1e-9));
  g.MinY = static_cast<int>(std::floor(miny + 1e-9));
  g.MaxX = static_cast<int>(std::ceil(maxx - 1e-9));
  g.MaxY = static_cast<int>(std::ceil(maxy - 1e-9));
  return g;
}

// A font like the DC's current one, turned by Angle degrees (a TrueType face; other faces
// are replaced by "Arial", which can be turned).
win::HFONT RotatedFont(vcl::TCanvas* canvas, int angle) {
  win::LOGFONTA lf;
  win::GetObjectA(canvas->Font()->Handle(), sizeof(lf), &lf);
  if (!ZYLIsTrueTypeFontCheck(canvas)) std::strncpy(lf.lfFaceName, "Arial", win::LF_FACESIZE - 1);
  lf.lfEscapement = lf.lfOrientation = (angle % 360) * 10;
  return win::CreateFontIndirectA(&lf);
}

// The size the text needs without effects: DrawText's rectangle, or the turned block's bounds.
win::SIZE PlainSize(vcl::TCanvas* canvas, const std::string& text, TZYL3DCaption* f, int width,
                    uint32_t flags) {
  const win::HDC dc = canvas->Handle();
  if (TZYLFxCaption* fx = Rotated(f)) {
    const TRotGeom g = RotGeom(dc, text, flags, fx->Angle());
    return {g.MaxX - g.MinX, g.MaxY - g.MinY};
  }
  TRect r{0, 0, std::max(0, width), 0};
  win::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, flags | win::DT_CALCRECT);
  return {r.Width(), r.Height()};
}

void DrawRotated(vcl::TCanvas* canvas, const std::string& text, TZYLFxCaption* fx,
                 const TRect& inner, uint32_t flags, const TEffect& e) {
  const win::HDC dc = canvas->Handle();
  const TRotGeom g = RotGeom(dc, text, flags, fx->Angle());
  const int bw = g.MaxX - g.MinX, bh = g.MaxY - g.MinY;
  int bx = inner.Left, by = inner.Top;
  if (flags & win::DT_CENTER) bx += (inner.Width() - bw) / 2;
  else if (flags & win::DT_RIGHT) bx = inner.Right - bw;
  if (flags & win::DT_VCENTER) by += (inner.Height() - bh) / 2;
  else if (flags & win::DT_BOTTOM) by = inner.Bottom - bh;
  const int ox = bx - g.MinX + fx->PosX(), oy = by - g.MinY + fx->PosY();
  win::TOwnedObject<win::HFONT> font(RotatedFont(canvas, fx->Angle()));
  win::TSelectedObject selected(dc, font);
  const win::UINT oldAlign = win::SetTextAlign(dc, win::TA_LEFT | win::TA_TOP);
  vcl::TFinally restoreAlign([&] { win::SetTextAlign(dc, oldAlign); });
  auto drawAll = [&](int dx, int dy) {
    for (size_t i = 0; i < g.Lines.size(); ++i) {
      const int ly = g.LineHeight * static_cast<int>(i);
      const int x = ox + static_cast<int>(std::lround(ly * g.Sin)) + dx;
      const int y = oy + static_cast<int>(std::lround(ly * g.Cos)) + dy;
      win::TextOutA(dc, x, y, g.Lines[i].c_str(), static_cast<int>(g.Lines[i].size()));
    }
  };
  for (const auto& l : e.Layers) {
    win::SetTextColor(dc, Rgb(l.Color));
    drawAll(l.DX, l.DY);
  }
  win::SetTextColor(dc, Rgb(e.TextColor == vcl::clDefault ? canvas->Font()->Color() : e.TextColor));
  drawAll(0, 0);
}

}  // namespace

TZYL3DExtent ZYLGet3DExtent(TZYL3DCaption* Font3D) {
  return ExtentOf(StyleLayers(Font3D));
}

void ZYLDrawTextExt(vcl::TCanvas* Canvas, const std::string& Text, TZYL3DCaption* Font3D,
                    const TRect& Rect, int32_t Flags, TZYLDrawTextStyles Styles,
                    const TRect* ClipRect) {
  if (!Canvas || Styles.contains(dtCalculate)) return;
  Canvas->RequiredState({vcl::csHandleValid, vcl::csFontValid});
  const win::HDC dc = Canvas->Handle();
  const uint32_t flags = static_cast<uint32_t>(Flags) & ~win::DT_CALCRECT;
  const TEffect e = EffectFor(Font3D, Styles);
  const TZYL3DExtent x = ExtentOf(e.Layers);
  const TRect inner{Rect.Left + x.Left, Rect.Top + x.Top, Rect.Right - x.Right,
                    Rect.Bottom - x.Bottom};

  TTextState state(dc);
  std::optional<win::TSavedClip> savedClip;
  if (Styles.contains(dtClip)) {
    TRect clip;
    if (ClipRect) {
      clip = *ClipRect;
    } else {
      win::POINT pts[2] = {{Rect.Left, Rect.Top}, {Rect.Right, Rect.Bottom}};
      win::LPtoDP(dc, pts, 2);
      clip = {pts[0].X, pts[0].Y, pts[1].X, pts[1].Y};
    }
    savedClip.emplace(dc);
    savedClip->Intersect(win::TOwnedObject<win::HRGN>(win::CreateRectRgnIndirect(&clip)));
  }
  win::SetBkMode(dc, win::TRANSPARENT);
  win::SetTextCharacterExtra(dc, Font3D ? Font3D->Tracing() : 0);

  if (TZYLFxCaption* fx = Rotated(Font3D)) {
    DrawRotated(Canvas, Text, fx, inner, flags, e);
  } else {
    const int len = static_cast<int>(Text.size());
    for (const auto& l : e.Layers) {
      TRect r = inner;
      win::OffsetRect(&r, l.DX, l.DY);
      win::SetTextColor(dc, Rgb(l.Color));
      win::DrawTextA(dc, Text.c_str(), len, &r, flags);
    }
    TRect r = inner;
    win::SetTextColor(dc, Rgb(e.TextColor == vcl::clDefault ? Canvas->Font()->Color() : e.TextColor));
    win::DrawTextA(dc, Text.c_str(), len, &r, flags);
  }
}

void ZYLDrawText(vcl::TCanvas* Canvas, const std::string& Text, TZYL3DCaption* Font3D,
                 const TRect& Rect, int32_t Flags) {
  ZYLDrawTextExt(Canvas, Text, Font3D, Rect, Flags, {dtEnabled}, nullptr);
}

void ZYLDrawTextCalcExt(vcl::TCanvas* Canvas, const std::string& Text, TZYL3DCaption* Font3D,
                        TRect& Rect, vcl::TFont* Font, bool MultiLine, bool ShowAccelChar,
                        int Extent, int32_t Flags) {
  if (!Canvas) return;
  if (Font) Canvas->Font()->Assign(Font);
  Canvas->RequiredState({vcl::csHandleValid, vcl::csFontValid});
  const win::HDC dc = Canvas->Handle();
  uint32_t flags = static_cast<uint32_t>(Flags) | win::DT_EXPANDTABS;
  if (MultiLine) flags |= win::DT_WORDBREAK;
  if (!ShowAccelChar) flags |= win::DT_NOPREFIX;
  const TZYL3DExtent x = ZYLGet3DExtent(Font3D);
  TTextState state(dc);
  win::SetTextCharacterExtra(dc, Font3D ? Font3D->Tracing() : 0);
  const int wrap = Rect.Width() - x.Left - x.Right - 2 * Extent;
  const win::SIZE sz = PlainSize(Canvas, Text, Font3D, wrap, flags);
  Rect.Right = Rect.Left + sz.cx + x.Left + x.Right + 2 * Extent;
  Rect.Bottom = Rect.Top + sz.cy + x.Top + x.Bottom + 2 * Extent;
}

void ZYLDrawTextCalc(const std::string& Text, TZYL3DCaption* Font3D, TRect& Rect,
                     vcl::TFont* Font, bool MultiLine, bool ShowAccelChar, int Extent,
                     int32_t Flags) {
  vcl::TBitmap tmp;
  tmp.SetSize(1, 1);
  ZYLDrawTextCalcExt(tmp.Canvas(), Text, Font3D, Rect, Font, MultiLine, ShowAccelChar, Extent,
                     Flags);
}

TRect ZYLAlignTextRect(TZYLAlignment Alignment, const std::string& Text, TZYL3DCaption* Font3D,
                       const TRect& Rect, vcl::TFont* Font, bool MultiLine, bool ShowAccelChar,
                       int32_t Flags) {
  TRect r = Rect;
  r.Right -= 1;
  ZYLDrawTextCalc(Text, Font3D, r, Font, MultiLine, ShowAccelChar, 0, Flags);
  return ZYLAlignRect(Alignment, r, Rect);
}

int ZYLGet3DTextWidth(const std::string& Text, TZYL3DCaption* Font3D, vcl::TFont* Font) {
  vcl::TBitmap tmp;
  tmp.SetSize(1, 1);
  vcl::TCanvas* c = tmp.Canvas();
  if (Font) c->Font()->Assign(Font);
  c->RequiredState({vcl::csHandleValid, vcl::csFontValid});
  win::SetTextCharacterExtra(c->Handle(), Font3D ? Font3D->Tracing() : 0);
  win::SIZE sz;
  win::GetTextExtentPoint32A(c->Handle(), Text.c_str(), static_cast<int>(Text.size()), &sz);
  const TZYL3DExtent x = ZYLGet3DExtent(Font3D);
  return sz.cx + x.Left + x.Right;
}

int ZYLGet3DTextHeight(TZYL3DCaption* Font3D, vcl::TFont* Font) {
  const TZYL3DExtent x = ZYLGet3DExtent(Font3D);
  return ZYLGetFontHeight(Font) + x.Top + x.Bottom;
}

int ZYLGetFontHeight(vcl::TFont* Font) {
  vcl::TBitmap tmp;
  tmp.SetSize(1, 1);
  vcl::TCanvas* c = tmp.Canvas();
  if (Font) c->Font()->Assign(Font);
  c->RequiredState({vcl::csHandleValid, vcl::csFontValid});
  win::SIZE sz;
  win::GetTextExtentPoint32A(c->Handle(), "W", 1, &sz);
  return sz.cy;
}

bool ZYLIsTrueTypeFontCheck(vcl::TCanvas* Canvas) {
  if (!Canvas) return false;
  // The font decides, not the device: measured on a memory canvas, so that the canvas of a
  // control without a window to draw on answers too.
  vcl::TBitmap tmp;
  tmp.SetSize(1, 1);
  vcl::TCanvas* c = tmp.Canvas();
  c->Font()->Assign(Canvas->Font());
  c->RequiredState({vcl::csHandleValid, vcl::csFontValid});
  win::TEXTMETRICA tm;
  if (!win::GetTextMetricsA(c->Handle(), &tm)) return false;
  return (tm.tmPitchAndFamily & win::TMPF_TRUETYPE) != 0;
}

TZYLTextGlyphRects ZYLCalcTextAndGlyph(vcl::TCanvas* Canvas, const std::string& Text,
                                       TZYL3DCaption* Font3D, const TRect& Rect, int GlyphWidth,
                                       int GlyphHeight, TZYLAlignment Alignment,
                                       TZYLTextArrange Arrange, int OffsetX, int OffsetY,
                                       int Spacing, bool MultiLine, bool ShowAccelChar,
                                       int32_t Flags) {
  TZYLTextGlyphRects out;
  int tw = 0, th = 0;
  const bool hasText = !Text.empty() && Canvas;
  const bool hasGlyph = GlyphWidth > 0 && GlyphHeight > 0;
  const int gw = hasGlyph ? GlyphWidth : 0, gh = hasGlyph ? GlyphHeight : 0;
  const int sp = (hasText && hasGlyph) ? Spacing : 0;
  const bool sideBySide =
      Arrange == taLeft || Arrange == taLeftTop || Arrange == taRight || Arrange == taRightTop;
  if (hasText) {
    // Text wraps in the width the glyph leaves.
    TRect r = Rect;
    if (sideBySide) r.Right = std::max(r.Left, r.Right - gw - sp);
    ZYLDrawTextCalcExt(Canvas, Text, Font3D, r, nullptr, MultiLine, ShowAccelChar, 0, Flags);
    tw = r.Width();
    th = r.Height();
  }
  const int bw = sideBySide ? tw + sp + gw : std::max(tw, gw);
  const int bh = sideBySide ? std::max(th, gh) : th + sp + gh;
  TRect block = ZYLAlignRect(Alignment, {0, 0, bw, bh}, Rect);
  win::OffsetRect(&block, OffsetX, OffsetY);
  const int bx = block.Left, by = block.Top;
  int tx = bx, ty = by, gx = bx, gy = by;
  switch (Arrange) {
    case taLeft: ty = by + (bh - th) / 2; gx = bx + tw + sp; gy = by + (bh - gh) / 2; break;
    case taLeftTop: gx = bx + tw + sp; break;
    case taRight: gy = by + (bh - gh) / 2; tx = bx + gw + sp; ty = by + (bh - th) / 2; break;
    case taRightTop: tx = bx + gw + sp; break;
    case taTop: tx = bx + (bw - tw) / 2; gx = bx + (bw - gw) / 2; gy = by + th + sp; break;
    case taTopLeft: gy = by + th + sp; break;
    case taBottom: gx = bx + (bw - gw) / 2; tx = bx + (bw - tw) / 2; ty = by + gh + sp; break;
    case taBottomLeft: ty = by + gh + sp; break;
  }
  if (hasGlyph) out.Glyph = {gx, gy, gx + gw, gy + gh};
  if (hasText) out.Text = {tx, ty, tx + tw, ty + th};
  return out;
}

void ZYLDrawTextAndGlyphExt(vcl::TCanvas* Canvas, const std::string& Text, TZYL3DCaption* Font3D,
                            const TRect& Rect, vcl::TCanvas* GlyphCanvas, TRect& GlyphRect,
                            vcl::TCanvas*, vcl::TColor TransparentColor,
                            TZYLGlyphTextLayout* Layout, bool MultiLine, bool ShowAccelChar,
                            bool Transparent, TZYLDrawTextStyles Styles, int32_t Flags) {
  if (!Canvas) return;
  TZYLAlignment align = agTopLeft;
  TZYLTextArrange arrange = taRight;
  int offX = 0, offY = 0, spacing = 2;
  if (Layout) {
    align = Layout->Alignment();
    arrange = Layout->AlignText2Glyph();
    offX = Layout->OffsetX();
    offY = Layout->OffsetY();
    spacing = Layout->Spacing();
  }
  const bool hasGlyph = GlyphCanvas && GlyphRect.Width() > 0 && GlyphRect.Height() > 0;
  const TZYLTextGlyphRects rects = ZYLCalcTextAndGlyph(
      Canvas, Text, Font3D, Rect, hasGlyph ? GlyphRect.Width() : 0,
      hasGlyph ? GlyphRect.Height() : 0, align, arrange, offX, offY, spacing, MultiLine,
      ShowAccelChar, Flags);
  if (Styles.contains(dtCalculate)) {
    if (hasGlyph) GlyphRect = rects.Glyph;
    return;
  }
  if (hasGlyph) {
    ZYLBmpDrawExt(Canvas, rects.Glyph, GlyphCanvas, GlyphRect,
                  Transparent ? dsfTransparent : 0, TransparentColor, nullptr, nullptr);
  }
  if (!Text.empty()) {
    uint32_t flags = static_cast<uint32_t>(Flags) | win::DT_EXPANDTABS;
    if (MultiLine) flags |= win::DT_WORDBREAK;
    if (!ShowAccelChar) flags |= win::DT_NOPREFIX;
    TRect tr = rects.Text;
    TZYLDrawTextStyles styles = Styles;
    if (Styles.contains(dtRectClip)) {
      // The text keeps to Rect (where an ellipsis flag then shortens it) and is clipped there.
      win::IntersectRect(&tr, &tr, &Rect);
      styles += dtClip;
    }
    if (tr.Width() > 0 && tr.Height() > 0)
      ZYLDrawTextExt(Canvas, Text, Font3D, tr, static_cast<int32_t>(flags), styles, nullptr);
  }
}

void ZYLDrawTextAndGlyph(vcl::TCanvas* Canvas, const std::string& Text, TZYL3DCaption* Font3D,
                         const TRect& Rect, vcl::TBitmap* Glyph, vcl::TBitmap* SecondGlyph,
                         TZYLGlyphTextLayout* Layout, bool MultiLine, bool ShowAccelChar,
                         bool Transparent, TZYLDrawTextStyles Styles, int32_t Flags) {
  TRect gr{};
  vcl::TCanvas* gc = nullptr;
  vcl::TColor tc = vcl::clNone;
  if (Glyph && !Glyph->Empty()) {
    gc = Glyph->Canvas();
    gr = {0, 0, Glyph->Width(), Glyph->Height()};
    tc = Glyph->TransparentColor();
  }
  vcl::TCanvas* second = (SecondGlyph && !SecondGlyph->Empty()) ? SecondGlyph->Canvas() : nullptr;
  ZYLDrawTextAndGlyphExt(Canvas, Text, Font3D, Rect, gc, gr, second, tc, Layout, MultiLine,
                         ShowAccelChar, Transparent, Styles, Flags);
}

}  // namespace zyl
