// TCanvas on a bitmap: lazy selection of the tools, shapes, text, blocks and transparent
// drawing, checked on the pixels.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "GraphicsTestUtil.h"
#include "platform/gdi/Gdi.h"

using namespace vcl;
using namespace gfxtest;

namespace {

// A w x h bitmap filled with a colour to draw on, then checks of what it shows: pixels as
// x, y, colour triples, and colour counts inside rectangles (a negative count: at least one).
class TDrawing {
 public:
  TDrawing(const char* name, int w, int h, TColor fill)
      : name_(name), b_(NewBitmap(w, h, pf32bit, fill)) {}
  TCanvas* Canvas() { return b_->Canvas(); }
  void Expect(const std::vector<TColor>& triples) {
    std::vector<TPx> want;
    for (size_t i = 0; i + 2 < triples.size(); i += 3)
      want.push_back({triples[i], triples[i + 1], triples[i + 2]});
    ExpectPixels(b_.get(), want, name_);
  }
  void Count(const TRect& r, TColor c, int n) {
    const int got = CountColor(b_.get(), c, r);
    EXPECT_EQ(n < 0 ? -int(got > 0) : got, n) << name_ << " " << std::hex << c;
  }

 private:
  const char* name_;
  std::unique_ptr<TBitmap> b_;
};

// An 8 x 8 source of one colour with a dot at the top left; a 6 x 6 fuchsia glyph with a
// 4 x 4 navy square inside.
std::unique_ptr<TBitmap> Source(TColor fill, TColor dot) {
  std::unique_ptr<TBitmap> b(NewBitmap(8, 8, pf24bit, fill));
  b->Canvas()->SetPixels(0, 0, dot);
  return b;
}
std::unique_ptr<TBitmap> Glyph() {
  std::unique_ptr<TBitmap> b(NewBitmap(6, 6, pf24bit, clFuchsia));
  b->Canvas()->Brush()->SetColor(clNavy);
  b->Canvas()->FillRect(Rect(1, 1, 5, 5));
  return b;
}

}  // namespace

TEST(CanvasDrawing, PenChangesTakeEffectAndTheLastPointIsLeft) {
  TDrawing d("pen", 20, 8, clWhite);
  TCanvas* c = d.Canvas();
  c->Pen()->SetColor(clRed);
  c->MoveTo(0, 2);
  c->LineTo(10, 2);
  c->Pen()->SetColor(clBlue);
  c->MoveTo(0, 4);
  c->LineTo(10, 4);
  c->Pen()->SetMode(pmNot);  // white inverted: black
  c->MoveTo(0, 6);
  c->LineTo(10, 6);
  d.Expect({10, 2, clWhite});
  d.Count(Rect(0, 2, 10, 3), clRed, 10);
  d.Count(Rect(0, 4, 10, 5), clBlue, 10);
  d.Count(Rect(0, 6, 10, 7), clBlack, 10);
}

TEST(CanvasDrawing, RectanglesOutlineWithThePenAndFillWithTheBrush) {
  TDrawing d("rectangle", 12, 12, clWhite);
  d.Canvas()->Pen()->SetColor(clRed);
  d.Canvas()->Brush()->SetColor(clLime);
  d.Canvas()->Rectangle(Rect(2, 2, 10, 8));
  d.Expect({1, 1, clWhite, 2, 2, clRed, 9, 7, clRed, 10, 8, clWhite});
  d.Count(Rect(3, 3, 9, 7), clLime, 24);
  d.Count(Rect(0, 0, 12, 12), clRed, 24);
  TDrawing clear("clear brush", 12, 12, clYellow);
  clear.Canvas()->Brush()->SetStyle(bsClear);
  clear.Canvas()->Pen()->SetColor(clNavy);
  clear.Canvas()->Rectangle(1, 1, 11, 11);
  clear.Expect({1, 1, clNavy});
  clear.Count(Rect(2, 2, 10, 10), clYellow, 64);
  TDrawing fill("fill and frame", 10, 10, clWhite);
  fill.Canvas()->Brush()->SetColor(clMaroon);
  fill.Canvas()->FillRect(Rect(1, 1, 4, 4));
  fill.Canvas()->FrameRect(Rect(5, 5, 9, 9));
  fill.Expect({6, 6, clWhite});
  fill.Count(Rect(0, 0, 10, 10), clMaroon, 9 + 12);
}

TEST(CanvasDrawing, ShapesAndFloodFills) {
  TDrawing d("shapes", 30, 30, clWhite);
  TCanvas* c = d.Canvas();
  c->Brush()->SetColor(clRed);
  c->Pen()->SetStyle(psClear);
  c->Ellipse(Rect(0, 0, 20, 20));
  c->Brush()->SetColor(clBlue);
  c->Polygon({Point(20, 20), Point(29, 20), Point(29, 29)});
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetColor(clGreen);
  c->Polyline({Point(0, 25), Point(10, 25), Point(10, 29)});
  c->Brush()->SetColor(clLime);
  c->RoundRect(21, 1, 29, 9, 3, 3);
  c->Pie(0, 0, 30, 30, 30, 15, 15, 0);  // the quarter towards the top right
  d.Expect({10, 10, clRed,   0,  0,  clWhite, 27, 22, clBlue, 21, 28, clWhite, 5, 25, clGreen,
            10, 27, clGreen, 10, 29, clWhite, 25, 5,  clLime, 22, 8,  clLime,  8, 22, clWhite});
  TDrawing f("flood fill", 20, 20, clWhite);
  f.Canvas()->Brush()->SetStyle(bsClear);
  f.Canvas()->Rectangle(2, 2, 12, 12);
  f.Canvas()->Brush()->SetColor(clRed);
  f.Canvas()->FloodFill(5, 5, clBlack, fsBorder);
  f.Canvas()->Brush()->SetColor(clBlue);
  f.Canvas()->FloodFill(0, 0, clWhite, fsSurface);
  f.Expect({15, 15, clBlue});
  f.Count(Rect(0, 0, 20, 20), clRed, 64);
}

TEST(CanvasDrawing, BlocksFollowTheCopyMode) {
  TDrawing d("copy modes", 16, 16, clWhite);
  TCanvas* c = d.Canvas();
  auto src = Source(clRed, clBlue);
  c->CopyRect(Rect(8, 8, 16, 16), src->Canvas(), Rect(0, 0, 8, 8));
  c->CopyRect(Rect(0, 0, 8, 8), src->Canvas(), Rect(0, 0, 4, 4));  // doubled
  c->SetCopyMode(cmNotSrcCopy);                                    // not red: aqua
  c->CopyRect(Rect(4, 0, 8, 4), src->Canvas(), Rect(4, 4, 8, 8));
  c->SetCopyMode(cmSrcInvert);  // aqua xor red: white
  c->CopyRect(Rect(6, 0, 8, 2), src->Canvas(), Rect(4, 4, 6, 6));
  c->SetCopyMode(cmBlackness);
  c->CopyRect(Rect(0, 6, 2, 8), src->Canvas(), Rect(0, 0, 2, 2));
  d.Expect({8, 8, clBlue, 15, 15, clRed,   1, 1, clBlue,  2, 2, clRed,
            4, 0, clAqua, 6,  0,  clWhite, 1, 7, clBlack, 7, 8, clWhite});
  TDrawing bc("brush copy", 8, 8, clWhite);
  auto lime = Source(clLime, clRed);
  bc.Canvas()->Brush()->SetColor(clBlue);
  bc.Canvas()->BrushCopy(Rect(2, 2, 6, 6), lime.get(), Rect(0, 0, 4, 4), clLime);
  bc.Expect({2, 2, clRed, 3, 3, clBlue, 1, 1, clWhite});
  bc.Count(Rect(0, 0, 8, 8), clBlue, 15);
}

TEST(CanvasDrawing, TransparentBitmapsKeepTheDestinationUnderTheKeyColour) {
  TDrawing d("transparent draw", 16, 10, clYellow);
  auto glyph = Glyph();
  d.Canvas()->Draw(10, 0, glyph.get());  // opaque: the key colour is drawn
  glyph->SetTransparent(true);
  d.Canvas()->Draw(0, 2, glyph.get());
  d.Expect({10, 0, clFuchsia, 11, 1, clNavy, 0, 2, clYellow, 1, 3, clNavy});
  d.Count(Rect(0, 0, 8, 10), clNavy, 16);
  d.Count(Rect(0, 0, 8, 10), clYellow, 64);
  TDrawing s("stretched transparent draw", 10, 10, clYellow);
  s.Canvas()->StretchDraw(Rect(0, 0, 10, 10), glyph.get());
  s.Expect({5, 5, clNavy, 0, 0, clYellow});
}

TEST(CanvasDrawing, PatternBrushesAndMonochromeBitmaps) {
  TDrawing d("pattern brush", 6, 6, clWhite);
  std::unique_ptr<TBitmap> pattern(NewBitmap(2, 2, pf24bit, clRed));
  pattern->Canvas()->SetPixels(1, 0, clBlue);
  pattern->Canvas()->SetPixels(0, 1, clBlue);
  d.Canvas()->Brush()->SetBitmap(pattern.get());
  d.Canvas()->FillRect(Rect(0, 0, 6, 6));
  d.Canvas()->Brush()->SetBitmap(nullptr);
  d.Expect({0, 0, clRed, 1, 0, clBlue, 4, 4, clRed, 5, 4, clBlue});
  d.Count(Rect(0, 0, 6, 6), clRed, 18);
  // A monochrome bitmap draws black and white, and leaves the font's colour alone.
  TDrawing m("monochrome", 40, 20, clYellow);
  std::unique_ptr<TBitmap> mono(NewBitmap(4, 4, pf1bit, clWhite));
  mono->Canvas()->SetPixels(1, 1, clBlack);
  TCanvas* c = m.Canvas();
  c->Font()->SetColor(clRed);
  c->Brush()->SetStyle(bsClear);
  c->TextOut(10, 2, "I");
  c->Draw(0, 0, mono.get());
  c->TextOut(20, 2, "WWW");
  m.Expect({1, 1, clBlack, 0, 0, clWhite});
  m.Count(Rect(20, 0, 40, 20), clBlack, 0);
  m.Count(Rect(20, 0, 40, 20), clRed, -1);
}

TEST(Canvas, ToolsAreSelectedOnlyWhenADrawingCallNeedsThem) {
  std::unique_ptr<TBitmap> b(NewBitmap(20, 20));
  TCanvas* c = b->Canvas();
  c->Refresh();
  c->MoveTo(1, 1);
  EXPECT_FALSE(c->State().contains(csPenValid));
  c->LineTo(5, 1);
  EXPECT_TRUE(c->State().contains(csPenValid));
  EXPECT_FALSE(c->State().contains(csFontValid));
  c->TextWidth("x");
  EXPECT_TRUE(c->State().contains(csFontValid));
  // A change of a tool deselects it until the next call needs it.
  c->Pen()->SetColor(clRed);
  c->Font()->SetSize(12);
  c->Brush()->SetColor(clBlue);
  EXPECT_TRUE((c->State() * TCanvasStates{csPenValid, csFontValid, csBrushValid}).empty());
}

TEST(Canvas, TextLandsInItsCellWithOrWithoutBackground) {
  std::unique_ptr<TBitmap> b(NewBitmap(80, 24, pf32bit, clYellow));
  TCanvas* c = b->Canvas();
  c->Font()->SetColor(clBlue);
  c->Brush()->SetStyle(bsClear);
  c->TextOut(3, 2, "Hello");
  const TSize ext = c->TextExtent("Hello");
  EXPECT_GT(ext.cx, 10);
  EXPECT_EQ((TSize{c->TextWidth("Hello"), c->TextHeight("Hello")}), ext);
  EXPECT_EQ(c->PenPos(), Point(3 + ext.cx, 2));
  const TRect cell = Rect(3, 2, 3 + ext.cx + 1, 2 + ext.cy);
  EXPECT_GT(CountColor(b.get(), clBlue, cell), 10);
  // Nothing outside the text's cell.
  EXPECT_EQ(CountColor(b.get(), clYellow, Rect(0, 0, 80, 24)) - CountColor(b.get(), clYellow, cell),
            80 * 24 - cell.Width() * cell.Height());
  c->Brush()->SetColor(clWhite);  // a solid brush paints the cell
  c->TextOut(3, 2, "Hello");
  EXPECT_EQ(CountColor(b.get(), clYellow, Rect(3, 2, 3 + ext.cx, 2 + ext.cy)), 0);
}

TEST(Canvas, TextRectClipsAndFillsTheRectangle) {
  const TRect r = Rect(5, 5, 20, 15);
  for (bool clear : {false, true}) {
    std::unique_ptr<TBitmap> b(NewBitmap(60, 20));
    b->Canvas()->Brush()->SetColor(clYellow);
    if (clear) b->Canvas()->Brush()->SetStyle(bsClear);
    b->Canvas()->TextRect(r, 2, 4, "WWWWWWWWWW");
    EXPECT_GT(CountColor(b.get(), clBlack, r), 0);
    EXPECT_EQ(CountColor(b.get(), clYellow, r) > 0, !clear);
    EXPECT_EQ(CountColor(b.get(), clWhite, r) > 0, clear);
    // Outside the rectangle nothing changed.
    EXPECT_EQ(CountColor(b.get(), clWhite, Rect(0, 0, 60, 20)) - CountColor(b.get(), clWhite, r),
              60 * 20 - r.Width() * r.Height());
  }
}

TEST(Canvas, DrawFocusRectToggles) {
  std::unique_ptr<TBitmap> b(NewBitmap(16, 16));
  b->Canvas()->DrawFocusRect(Rect(2, 2, 14, 14));
  EXPECT_LT(CountColor(b.get(), clWhite, Rect(0, 0, 16, 16)), 16 * 16 - 10);
  EXPECT_EQ(At(b.get(), 7, 7), clWhite);
  b->Canvas()->DrawFocusRect(Rect(2, 2, 14, 14));
  EXPECT_EQ(CountColor(b.get(), clWhite, Rect(0, 0, 16, 16)), 16 * 16);
}

TEST(Canvas, ChangeEventsAndHandleHandOver) {
  TCounter changed, changing;
  TCanvas c;
  c.OnChange = TNotifyEvent(&changed, &TCounter::Hit);
  c.OnChanging = TNotifyEvent(&changing, &TCounter::Hit);
  EXPECT_THROW(c.Rectangle(0, 0, 1, 1), EInvalidOperation);
  std::unique_ptr<TBitmap> b(NewBitmap(10, 10));
  win::HDC dc = win::CreateCompatibleDC(nullptr);
  win::HGDIOBJ old = win::SelectObject(dc, b->ReleaseHandle());
  c.SetHandle(dc);
  c.Brush()->SetColor(clRed);
  c.FillRect(Rect(0, 0, 5, 5));
  EXPECT_EQ(win::GetPixel(dc, 2, 2), win::RGB(255, 0, 0));
  EXPECT_EQ(std::make_pair(changed.Count, changing.Count),
            std::make_pair(1, 2));  // refused: announced
  // Handing the DC back deselects the canvas's tools from it.
  c.SetHandle(nullptr);
  EXPECT_EQ(win::GetCurrentObject(dc, win::OBJ_BRUSH), win::GetStockObject(win::HOLLOW_BRUSH));
  win::DeleteObject(win::SelectObject(dc, old));
  win::DeleteDC(dc);
}

TEST(Canvas, LockIsRecursiveAndExcludesOtherThreads) {
  TCanvas c;
  auto otherGetsIt = [&] {
    std::atomic<bool> got{false};
    std::thread([&] {
      if ((got = c.TryLock())) c.Unlock();
    }).join();
    return got.load();
  };
  c.Lock();
  c.Lock();
  EXPECT_EQ(c.LockCount(), 2);
  EXPECT_FALSE(otherGetsIt());
  c.Unlock();
  c.Unlock();
  EXPECT_EQ(c.LockCount(), 0);
  EXPECT_TRUE(otherGetsIt());
}
