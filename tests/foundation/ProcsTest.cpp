// Pixel tests of the text routines: what the measuring routines return is what the drawing
// routine inks, for every 3D style, orientation, tracing and rotation.
#include <gtest/gtest.h>

#include <memory>

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLGlyphLayout.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLProcs.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/text/Text.h"

using namespace zyl;
using vcl::TBitmap;
using vcl::TColor;
using win::TRect;

namespace {

constexpr TColor kBack = vcl::clFuchsia;

std::unique_ptr<TBitmap> NewCanvasBmp(int w, int h) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(vcl::pf32bit);
  b->SetSize(w, h);
  b->Canvas()->Brush()->SetColor(kBack);
  b->Canvas()->FillRect({0, 0, w, h});
  b->Canvas()->Font()->SetName("Arial");
  b->Canvas()->Font()->SetHeight(-16);
  b->Canvas()->Font()->SetColor(vcl::clBlack);
  return b;
}

// The bounds of every pixel that is not the background; empty when none.
TRect InkBox(TBitmap* b) {
  TRect r{1 << 20, 1 << 20, -1, -1};
  for (int y = 0; y < b->Height(); ++y)
    for (int x = 0; x < b->Width(); ++x)
      if (b->Canvas()->Pixels(x, y) != kBack) {
        r.Left = std::min(r.Left, x);
        r.Top = std::min(r.Top, y);
        r.Right = std::max(r.Right, x + 1);
        r.Bottom = std::max(r.Bottom, y + 1);
      }
  return r.Right < 0 ? TRect{} : r;
}

bool Within(const TRect& inner, const TRect& outer) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
         inner.Bottom <= outer.Bottom;
}

int CountColor(TBitmap* b, TColor c) {
  int n = 0;
  for (int y = 0; y < b->Height(); ++y)
    for (int x = 0; x < b->Width(); ++x) n += b->Canvas()->Pixels(x, y) == c;
  return n;
}

struct TShot {
  TRect Measured;
  TRect Ink;
};

// Measures Text at (20, 20) and draws it into the measured rectangle.
TShot MeasureAndDraw(TZYL3DCaption* f, const std::string& text, bool multiLine = false,
                     int32_t flags = 0) {
  auto b = NewCanvasBmp(260, 140);
  TRect r{20, 20, 220, 20};
  ZYLDrawTextCalcExt(b->Canvas(), text, f, r, nullptr, multiLine, true, 0, flags);
  ZYLDrawTextExt(b->Canvas(), text, f, r, flags | (multiLine ? win::DT_WORDBREAK : 0),
                 {dtEnabled});
  return {r, InkBox(b.get())};
}

}  // namespace

TEST(ZYLProcsText, PlainTextInksInsideItsMeasure) {
  const TShot s = MeasureAndDraw(nullptr, "Hello Wq");
  EXPECT_EQ(s.Measured.Left, 20);
  EXPECT_EQ(s.Measured.Top, 20);
  EXPECT_GT(s.Measured.Width(), 30);
  ASSERT_GT(s.Ink.Width(), 0);
  EXPECT_TRUE(Within(s.Ink, s.Measured));
  // Extent adds a margin on each side.
  vcl::TFont font;
  font.SetName("Arial");
  font.SetHeight(-16);
  TRect a{0, 0, 300, 0}, b{0, 0, 300, 0};
  ZYLDrawTextCalc("Hello Wq", nullptr, a, &font, false, true, 0, 0);
  ZYLDrawTextCalc("Hello Wq", nullptr, b, &font, false, true, 3, 0);
  EXPECT_EQ(b.Width(), a.Width() + 6);
  EXPECT_EQ(b.Height(), a.Height() + 6);
  EXPECT_EQ(a.Width(), s.Measured.Width());
}

TEST(ZYLProcsText, EveryStyleAndOrientationGrowsByItsLayers) {
  const TShot plain = MeasureAndDraw(nullptr, "Wave Q");
  for (int st = tdNone; st <= tdExtrudeEnh; ++st) {
    for (int o = toBottomLeft; o <= toTopRight; ++o) {
      TZYL3DCaption f;
      f.SetStyle(static_cast<TZYLThreeDStyle>(st));
      f.SetOrientation(static_cast<TZYLThreeDOrientation>(o));
      f.SetDepth(0, 2);
      f.SetDepth(1, 3);
      f.SetColor(0, vcl::clYellow);
      f.SetColor(1, vcl::clNavy);
      const TShot s = MeasureAndDraw(&f, "Wave Q");
      const TZYL3DExtent x = ZYLGet3DExtent(&f);
      SCOPED_TRACE("style " + std::to_string(st) + " orientation " + std::to_string(o));
      EXPECT_TRUE(Within(s.Ink, s.Measured));
      EXPECT_EQ(s.Measured.Width(), plain.Measured.Width() + x.Left + x.Right);
      EXPECT_EQ(s.Measured.Height(), plain.Measured.Height() + x.Top + x.Bottom);
      // Every layer is a moved copy of the text: the ink grows exactly by the layers' reach,
      // the plain text standing x.Left, x.Top inside the measured rectangle.
      EXPECT_EQ(s.Ink.Left, plain.Ink.Left);
      EXPECT_EQ(s.Ink.Top, plain.Ink.Top);
      EXPECT_EQ(s.Ink.Right, plain.Ink.Right + x.Left + x.Right);
      EXPECT_EQ(s.Ink.Bottom, plain.Ink.Bottom + x.Top + x.Bottom);
      if (st == tdNone) EXPECT_EQ(x.Left + x.Right + x.Top + x.Bottom, 0);
      else EXPECT_GT(x.Left + x.Right + x.Top + x.Bottom, 0);
    }
  }
}

TEST(ZYLProcsText, StylesTakeTheirColours) {
  auto draw = [](TZYLThreeDStyle st, uint8_t depth = 2) {
    auto b = NewCanvasBmp(120, 50);
    TZYL3DCaption f;
    f.SetStyle(st);
    f.SetDepth(1, depth);
    f.SetColor(0, vcl::clYellow);
    f.SetColor(1, vcl::clNavy);
    ZYLDrawTextExt(b->Canvas(), "HIH", &f, {5, 5, 115, 45}, 0, {dtEnabled});
    return b;
  };
  auto raised = draw(tdRaised);  // system colours
  EXPECT_GT(CountColor(raised.get(), vcl::ColorToRGB(vcl::clBtnShadow)), 0);
  EXPECT_EQ(CountColor(raised.get(), vcl::clNavy), 0);
  auto pcolor = draw(tdPColorRaised);  // the caption's colours
  EXPECT_GT(CountColor(pcolor.get(), vcl::clNavy), 0);
  EXPECT_GT(CountColor(pcolor.get(), vcl::clYellow), 0);
  auto shadow = draw(tdShadow);
  EXPECT_GT(CountColor(shadow.get(), vcl::clNavy), 0);
  EXPECT_EQ(CountColor(shadow.get(), vcl::clYellow), 0);
  // Extrusion with colour steps: from the shadow colour (farthest layer) to the light colour
  // (nearest); with three steps the middle one is the blend of the two.
  auto enh = draw(tdExtrudeEnh, 3);
  EXPECT_GT(CountColor(enh.get(), vcl::clNavy), 0);
  EXPECT_GT(CountColor(enh.get(), vcl::clYellow), 0);
  EXPECT_GT(CountColor(enh.get(), win::RGB(128, 128, 64)), 0);
  auto ext = draw(tdExtrude, 3);
  EXPECT_GT(CountColor(ext.get(), vcl::clNavy), 0);
  EXPECT_EQ(CountColor(ext.get(), vcl::clYellow), 0);
}

TEST(ZYLProcsText, TracingWidensTextAndMeasure) {
  TZYL3DCaption f;
  const TShot a = MeasureAndDraw(&f, "abcdef");
  f.SetTracing(3);
  const TShot b = MeasureAndDraw(&f, "abcdef");
  EXPECT_EQ(b.Measured.Width(), a.Measured.Width() + 6 * 3);
  EXPECT_TRUE(Within(b.Ink, b.Measured));
  EXPECT_GT(b.Ink.Width(), a.Ink.Width() + 12);
  vcl::TFont font;
  EXPECT_EQ(ZYLGet3DTextWidth("abcdef", &f, &font), ZYLGet3DTextWidth("abcdef", nullptr, &font) + 18);
}

TEST(ZYLProcsText, MultiLineAndAccelerators) {
  TZYL3DCaption f;
  f.SetStyle(tdOutline);
  f.SetDepth(1, 1);
  const TShot one = MeasureAndDraw(&f, "one");
  const TShot two = MeasureAndDraw(&f, "one\ntwo", true);
  EXPECT_TRUE(Within(two.Ink, two.Measured));
  EXPECT_GT(two.Measured.Height(), one.Measured.Height() + 10);
  // An accelerator mark takes no room when shown, its own width when not.
  vcl::TFont font;
  TRect shown{0, 0, 300, 0}, raw{0, 0, 300, 0};
  ZYLDrawTextCalc("&File", nullptr, shown, &font, false, true, 0, 0);
  ZYLDrawTextCalc("&File", nullptr, raw, &font, false, false, 0, 0);
  EXPECT_LT(shown.Width(), raw.Width());
}

TEST(ZYLProcsText, DisabledLooks) {
  auto draw = [](TZYL3DCaption* f, TZYLDrawTextStyles styles) {
    auto b = NewCanvasBmp(120, 50);
    ZYLDrawTextExt(b->Canvas(), "HIH", f, {5, 5, 115, 45}, 0, styles);
    return b;
  };
  const TColor grey = vcl::ColorToRGB(vcl::clBtnShadow), white = vcl::ColorToRGB(vcl::clBtnHighlight);
  auto std1 = draw(nullptr, {dtDisabled});
  EXPECT_GT(CountColor(std1.get(), grey), 0);
  EXPECT_GT(CountColor(std1.get(), white), 0);
  EXPECT_EQ(CountColor(std1.get(), vcl::clBlack), 0);
  auto enabled = draw(nullptr, {dtEnabled});
  EXPECT_EQ(CountColor(enabled.get(), grey), 0);
  TZYL3DCaption f;
  f.SetDisabledStyle(dsNone);
  auto none = draw(&f, {dtDisabled});
  EXPECT_GT(CountColor(none.get(), vcl::clBlack), 0);
  f.SetDisabledStyle(ds3d);
  f.SetStyle(tdPColorRaised);
  f.SetColor(0, vcl::clYellow);
  auto d3 = draw(&f, {dtDisabled});
  EXPECT_GT(CountColor(d3.get(), vcl::clYellow), 0);
  EXPECT_EQ(CountColor(d3.get(), vcl::clBlack), 0);
  // Calculate-only draws nothing.
  auto calc = draw(nullptr, {dtEnabled, dtCalculate});
  EXPECT_EQ(InkBox(calc.get()), TRect{});
}

TEST(ZYLProcsText, ClippingKeepsInkInside) {
  auto b = NewCanvasBmp(200, 60);
  const TRect clip{30, 10, 60, 40};
  ZYLDrawTextExt(b->Canvas(), "WWWWWWWWWW", nullptr, {10, 10, 190, 50}, 0, {dtEnabled, dtClip}, &clip);
  const TRect ink = InkBox(b.get());
  ASSERT_GT(ink.Width(), 0);
  EXPECT_TRUE(Within(ink, clip));
  // Without a clip rectangle, Rect clips (also the 3D layers reaching outside it).
  auto c = NewCanvasBmp(200, 60);
  ZYLDrawTextExt(c->Canvas(), "WWWWWWWWWW", nullptr, {10, 10, 40, 50}, win::DT_NOCLIP, {dtEnabled, dtClip});
  EXPECT_TRUE(Within(InkBox(c.get()), (TRect{10, 10, 40, 50})));
  // The canvas's clip is restored.
  c->Canvas()->Brush()->SetColor(vcl::clBlue);
  c->Canvas()->FillRect({0, 0, 200, 60});
  EXPECT_EQ(c->Canvas()->Pixels(150, 55), vcl::clBlue);
}

TEST(ZYLProcsText, RotatedCaptionStaysInItsMeasure) {
  for (int angle : {90, 45, 180, 270, 330}) {
    TZYLFxCaption f;
    f.SetAngle(static_cast<uint16_t>(angle));
    const TShot s = MeasureAndDraw(&f, "Turn me");
    SCOPED_TRACE(angle);
    ASSERT_GT(s.Ink.Width(), 0);
    EXPECT_TRUE(Within(s.Ink, s.Measured));
    if (angle == 90 || angle == 270) {
      EXPECT_LT(s.Measured.Width(), s.Measured.Height());
      EXPECT_GT(s.Ink.Height(), s.Ink.Width() * 2);
    }
  }
  // Angle 0 is level text, the same as without a rotation.
  TZYLFxCaption level;
  EXPECT_EQ(MeasureAndDraw(&level, "Turn me").Measured, MeasureAndDraw(nullptr, "Turn me").Measured);
}

TEST(ZYLProcsText, AlignTextRectAndHeights) {
  vcl::TFont font;
  font.SetName("Arial");
  font.SetHeight(-16);
  TZYL3DCaption f;
  f.SetStyle(tdExtrude);
  f.SetDepth(1, 4);
  TRect m{0, 0, 199, 0};
  ZYLDrawTextCalc("Place", &f, m, &font, false, true, 0, 0);
  const TRect r = ZYLAlignTextRect(agBottomRight, "Place", &f, {10, 10, 210, 110}, &font, false, true, 0);
  EXPECT_EQ(r.Right, 210);
  EXPECT_EQ(r.Bottom, 110);
  EXPECT_EQ(r.Width(), m.Width());
  EXPECT_EQ(r.Height(), m.Height());
  const TRect c = ZYLAlignTextRect(agCenter, "Place", &f, {10, 10, 210, 110}, &font, false, true, 0);
  EXPECT_EQ(c.Left, 10 + (200 - m.Width()) / 2);
  EXPECT_EQ(ZYLGet3DTextHeight(&f, &font), ZYLGetFontHeight(&font) + 4);
  EXPECT_EQ(ZYLGet3DTextWidth("Place", &f, &font), m.Width());
  EXPECT_GT(ZYLGetFontHeight(&font), 14);
  auto b = NewCanvasBmp(10, 10);
  EXPECT_TRUE(ZYLIsTrueTypeFontCheck(b->Canvas()));
  EXPECT_FALSE(ZYLIsTrueTypeFontCheck(nullptr));
}

TEST(ZYLProcsGlyph, EightArrangements) {
  auto b = NewCanvasBmp(300, 200);
  const TRect area{0, 0, 300, 200};
  TRect t{0, 0, 300, 0};
  ZYLDrawTextCalcExt(b->Canvas(), "Text", nullptr, t, nullptr, false, true, 0, 0);
  const int tw = t.Width(), th = t.Height();
  const int gw = 30, gh = 40, sp = 4;
  for (int a = taLeft; a <= taBottomLeft; ++a) {
    const auto arr = static_cast<TZYLTextArrange>(a);
    const TZYLTextGlyphRects r = ZYLCalcTextAndGlyph(b->Canvas(), "Text", nullptr, area, gw, gh,
                                                     agTopLeft, arr, 0, 0, sp, false, true, 0);
    SCOPED_TRACE(a);
    EXPECT_EQ(r.Glyph.Width(), gw);
    EXPECT_EQ(r.Text.Width(), tw);
    EXPECT_EQ(r.Text.Height(), th);
    switch (arr) {
      case taLeft: case taLeftTop:
        EXPECT_EQ(r.Glyph.Left, r.Text.Right + sp);
        break;
      case taRight: case taRightTop:
        EXPECT_EQ(r.Text.Left, r.Glyph.Right + sp);
        break;
      case taTop: case taTopLeft:
        EXPECT_EQ(r.Glyph.Top, r.Text.Bottom + sp);
        break;
      case taBottom: case taBottomLeft:
        EXPECT_EQ(r.Text.Top, r.Glyph.Bottom + sp);
        break;
    }
    if (arr == taLeftTop || arr == taRightTop) {
      EXPECT_EQ(r.Glyph.Top, r.Text.Top);
    }
    if (arr == taLeft || arr == taRight) {
      EXPECT_EQ(r.Text.Top - r.Glyph.Top, (gh - th) / 2);
    }
    if (arr == taTopLeft || arr == taBottomLeft) {
      EXPECT_EQ(r.Glyph.Left, r.Text.Left);
    }
    if (arr == taTop || arr == taBottom) {
      EXPECT_EQ(r.Text.Left - r.Glyph.Left, (gw - tw) / 2);
    }
    // The block lies at the top-left corner.
    EXPECT_EQ(std::min(r.Glyph.Left, r.Text.Left), 0);
    EXPECT_EQ(std::min(r.Glyph.Top, r.Text.Top), 0);
  }
  // Alignment and offsets move the block.
  const auto br = ZYLCalcTextAndGlyph(b->Canvas(), "Text", nullptr, area, gw, gh, agBottomRight,
                                      taRight, 5, -3, sp, false, true, 0);
  EXPECT_EQ(br.Text.Right, 305);
  EXPECT_EQ(br.Glyph.Bottom, 197);
  // No glyph: the text alone.
  const auto alone = ZYLCalcTextAndGlyph(b->Canvas(), "Text", nullptr, area, 0, 0, agTopLeft,
                                         taRight, 0, 0, sp, false, true, 0);
  EXPECT_EQ(alone.Glyph, TRect{});
  EXPECT_EQ(alone.Text.Left, 0);
}

TEST(ZYLProcsGlyph, DrawsGlyphAndTextByTheLayout) {
  auto glyph = std::make_unique<TBitmap>();
  glyph->SetPixelFormat(vcl::pf32bit);
  glyph->SetSize(10, 10);
  glyph->Canvas()->Brush()->SetColor(vcl::clLime);
  glyph->Canvas()->FillRect({0, 0, 10, 10});
  glyph->Canvas()->SetPixels(0, 9, vcl::clAqua);  // the automatic transparent colour
  glyph->Canvas()->SetPixels(5, 5, vcl::clAqua);
  TZYLGlyphTextLayout layout;
  layout.SetAlignment(agCenter);
  layout.SetAlignText2Glyph(taBottom);
  auto b = NewCanvasBmp(100, 80);
  ZYLDrawTextAndGlyph(b->Canvas(), "Go", nullptr, {0, 0, 100, 80}, glyph.get(), nullptr, &layout,
                      false, true, true, {dtEnabled}, 0);
  TRect gr{0, 0, 10, 10};
  auto calc = NewCanvasBmp(100, 80);
  ZYLDrawTextAndGlyphExt(calc->Canvas(), "Go", nullptr, {0, 0, 100, 80}, glyph->Canvas(), gr,
                         nullptr, vcl::clAqua, &layout, false, true, true, {dtCalculate}, 0);
  EXPECT_EQ(InkBox(calc.get()), TRect{});  // calculating draws nothing
  EXPECT_EQ(gr.Width(), 10);
  EXPECT_LE(std::abs(gr.Left + 5 - 50), 1);  // centred
  EXPECT_EQ(b->Canvas()->Pixels(gr.Left + 1, gr.Top + 1), vcl::clLime);
  EXPECT_EQ(b->Canvas()->Pixels(gr.Left + 5, gr.Top + 5), kBack);  // see-through
  // The text lies below the glyph.
  int below = 0;
  for (int y = gr.Bottom; y < 80; ++y)
    for (int x = 0; x < 100; ++x) below += b->Canvas()->Pixels(x, y) == vcl::clBlack;
  EXPECT_GT(below, 0);
  // Without a glyph only the text shows.
  auto t = NewCanvasBmp(100, 80);
  ZYLDrawTextAndGlyph(t->Canvas(), "Go", nullptr, {0, 0, 100, 80}, nullptr, nullptr, nullptr,
                      false, true, false, {dtEnabled}, 0);
  EXPECT_EQ(CountColor(t.get(), vcl::clLime), 0);
  EXPECT_GT(CountColor(t.get(), vcl::clBlack), 0);
}

TEST(ZYLProcsGlyph, RectClipKeepsLongTextInside) {
  auto glyph = std::make_unique<TBitmap>();
  glyph->SetSize(12, 12);
  glyph->Canvas()->Brush()->SetColor(vcl::clLime);
  glyph->Canvas()->FillRect({0, 0, 12, 12});
  TZYLGlyphTextLayout layout;
  const TRect rect{10, 10, 80, 40};
  auto b = NewCanvasBmp(200, 60);
  ZYLDrawTextAndGlyph(b->Canvas(), "A rather long caption", nullptr, rect, glyph.get(), nullptr,
                      &layout, false, true, false, {dtEnabled, dtRectClip}, win::DT_END_ELLIPSIS);
  const TRect ink = InkBox(b.get());
  EXPECT_TRUE(Within(ink, rect));
  EXPECT_EQ(ink.Left, 10);
  // Without it the caption runs on past the rectangle.
  auto c = NewCanvasBmp(200, 60);
  ZYLDrawTextAndGlyph(c->Canvas(), "A rather long caption", nullptr, rect, glyph.get(), nullptr,
                      &layout, false, true, false, {dtEnabled}, 0);
  EXPECT_GT(InkBox(c.get()).Right, rect.Right);
  // Multi-line text wraps in the room beside the glyph.
  auto m = NewCanvasBmp(200, 120);
  const TRect tall{10, 10, 80, 110};
  ZYLDrawTextAndGlyph(m->Canvas(), "A rather long caption", nullptr, tall, glyph.get(), nullptr,
                      &layout, true, true, false, {dtEnabled, dtRectClip}, 0);
  EXPECT_TRUE(Within(InkBox(m.get()), tall));
  EXPECT_GT(InkBox(m.get()).Height(), 30);
}
