// TCanvas on a bitmap: lazy selection of the tools, shapes, text, blocks and transparent
// drawing, checked on the pixels.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "GraphicsTestUtil.h"
#include "platform/gdi/Gdi.h"

using namespace vcl;
using gfxtest::At;
using gfxtest::CountColor;
using gfxtest::NewBitmap;

namespace {

class TCounter : public TObject {
 public:
  void Hit(TObject*) { ++Count; }
  int Count = 0;
};

}  // namespace

TEST(Canvas, ToolsAreSelectedOnlyWhenADrawingCallNeedsThem) {
  std::unique_ptr<TBitmap> b(NewBitmap(20, 20));
  TCanvas* c = b->Canvas();
  c->Refresh();
  EXPECT_FALSE(c->State().contains(csPenValid));
  c->MoveTo(1, 1);
  EXPECT_FALSE(c->State().contains(csPenValid));
  c->LineTo(5, 1);
  EXPECT_TRUE(c->State().contains(csPenValid));
  EXPECT_FALSE(c->State().contains(csFontValid));
  c->TextWidth("x");
  EXPECT_TRUE(c->State().contains(csFontValid));
  // A change of a tool deselects it until the next call needs it.
  c->Pen()->SetColor(clRed);
  EXPECT_FALSE(c->State().contains(csPenValid));
  c->Font()->SetSize(12);
  EXPECT_FALSE(c->State().contains(csFontValid));
  c->Brush()->SetColor(clBlue);
  EXPECT_FALSE(c->State().contains(csBrushValid));
}

TEST(Canvas, ChangingThePenAfterDrawingTakesEffect) {
  std::unique_ptr<TBitmap> b(NewBitmap(20, 20));
  TCanvas* c = b->Canvas();
  c->Pen()->SetColor(clRed);
  c->MoveTo(0, 2);
  c->LineTo(10, 2);
  c->Pen()->SetColor(clBlue);
  c->MoveTo(0, 4);
  c->LineTo(10, 4);
  c->Pen()->SetMode(pmNot);
  c->MoveTo(0, 6);
  c->LineTo(10, 6);
  for (int x = 0; x < 10; ++x) {
    EXPECT_EQ(At(b.get(), x, 2), clRed) << x;
    EXPECT_EQ(At(b.get(), x, 4), clBlue) << x;
    EXPECT_EQ(At(b.get(), x, 6), clBlack) << x;  // not white
  }
  EXPECT_EQ(At(b.get(), 10, 2), clWhite);  // the last point is not drawn
  EXPECT_EQ(c->PenPos(), Point(10, 6));
}

TEST(Canvas, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  std::unique_ptr<TBitmap> b(NewBitmap(12, 12));
  TCanvas* c = b->Canvas();
  c->Pen()->SetColor(clRed);
  c->Brush()->SetColor(clLime);
  c->Rectangle(Rect(2, 2, 10, 8));
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) {
      const bool inside = x >= 2 && x < 10 && y >= 2 && y < 8;
      const bool edge = inside && (x == 2 || x == 9 || y == 2 || y == 7);
      const TColor want = !inside ? clWhite : edge ? clRed : clLime;
      ASSERT_EQ(At(b.get(), x, y), want) << x << "," << y << gfxtest::Snapshot(b.get(), "rect");
    }
}

TEST(Canvas, AClearBrushPaintsNoBackground) {
  std::unique_ptr<TBitmap> b(NewBitmap(12, 12, pf32bit, clYellow));
  TCanvas* c = b->Canvas();
  c->Brush()->SetStyle(bsClear);
  c->Pen()->SetColor(clNavy);
  c->Rectangle(1, 1, 11, 11);
  EXPECT_EQ(At(b.get(), 1, 1), clNavy);
  EXPECT_EQ(CountColor(b.get(), clYellow, Rect(2, 2, 10, 10)), 64);
  // Text with a clear brush leaves the background too; with a solid brush it is painted.
  c->Brush()->SetStyle(bsClear);
  c->Font()->SetColor(clRed);
  std::unique_ptr<TBitmap> t(NewBitmap(60, 20, pf32bit, clYellow));
  t->Canvas()->Brush()->SetStyle(bsClear);
  t->Canvas()->Font()->SetColor(clRed);
  t->Canvas()->TextOut(2, 2, "Wq");
  const TSize ext = t->Canvas()->TextExtent("Wq");
  const TRect box = Rect(2, 2, 2 + ext.cx, 2 + ext.cy);
  EXPECT_EQ(CountColor(t.get(), clWhite, box), 0);
  t->Canvas()->Brush()->SetColor(clWhite);  // solid again
  t->Canvas()->TextOut(2, 2, "Wq");
  EXPECT_GT(CountColor(t.get(), clWhite, box), 0);
  EXPECT_EQ(CountColor(t.get(), clYellow, box), 0);
}

TEST(Canvas, FillRectAndFrameRectUseTheBrush) {
  std::unique_ptr<TBitmap> b(NewBitmap(10, 10));
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clBtnShadow);
  c->FillRect(Rect(1, 1, 4, 4));
  const TColor shadow = ColorToRGB(clBtnShadow);
  EXPECT_EQ(CountColor(b.get(), shadow, Rect(0, 0, 10, 10)), 9);
  c->Brush()->SetColor(clMaroon);
  c->FrameRect(Rect(5, 5, 9, 9));
  EXPECT_EQ(CountColor(b.get(), clMaroon, Rect(0, 0, 10, 10)), 12);
  EXPECT_EQ(At(b.get(), 6, 6), clWhite);
}

TEST(Canvas, TextOutLandsTheFontColourAndMovesThePen) {
  std::unique_ptr<TBitmap> b(NewBitmap(80, 24));
  TCanvas* c = b->Canvas();
  c->Font()->SetColor(clBlue);
  c->Brush()->SetStyle(bsClear);
  c->TextOut(3, 2, "Hello");
  const TSize ext = c->TextExtent("Hello");
  EXPECT_GT(ext.cx, 10);
  EXPECT_EQ(c->TextWidth("Hello"), ext.cx);
  EXPECT_EQ(c->TextHeight("Hello"), ext.cy);
  EXPECT_GT(CountColor(b.get(), clBlue, Rect(3, 2, 3 + ext.cx, 2 + ext.cy)), 10);
  // Nothing outside the text's cell.
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 80; ++x)
      if (x < 3 || x >= 3 + ext.cx + 1 || y < 2 || y >= 2 + ext.cy) {
        ASSERT_EQ(At(b.get(), x, y), clWhite) << x << "," << y;
      }
  EXPECT_EQ(c->PenPos(), Point(3 + ext.cx, 2));
}

TEST(Canvas, TextRectClipsAndFillsTheRectangle) {
  std::unique_ptr<TBitmap> b(NewBitmap(60, 20));
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clYellow);
  c->Font()->SetColor(clBlack);
  const TRect r = Rect(5, 5, 20, 15);
  c->TextRect(r, 2, 4, "WWWWWWWWWW");
  EXPECT_GT(CountColor(b.get(), clBlack, r), 0);
  EXPECT_GT(CountColor(b.get(), clYellow, r), 0);
  EXPECT_EQ(CountColor(b.get(), clWhite, r), 0);
  // Outside the rectangle nothing changed.
  EXPECT_EQ(CountColor(b.get(), clWhite, Rect(0, 0, 60, 20)), 60 * 20 - r.Width() * r.Height());
  // A clear brush keeps the rectangle's background.
  std::unique_ptr<TBitmap> b2(NewBitmap(60, 20));
  b2->Canvas()->Brush()->SetStyle(bsClear);
  b2->Canvas()->TextRect(r, 2, 4, "WWWWWWWWWW");
  EXPECT_GT(CountColor(b2.get(), clWhite, r), 0);
  EXPECT_EQ(CountColor(b2.get(), clYellow, r), 0);
  EXPECT_EQ(CountColor(b2.get(), clWhite, Rect(0, 0, 5, 20)), 5 * 20);
}

TEST(Canvas, PixelsClipRectAndShapes) {
  std::unique_ptr<TBitmap> b(NewBitmap(30, 30));
  TCanvas* c = b->Canvas();
  c->SetPixels(3, 4, clPurple);
  EXPECT_EQ(c->Pixels(3, 4), clPurple);
  EXPECT_EQ(c->ClipRect(), Rect(0, 0, 30, 30));
  c->Brush()->SetColor(clRed);
  c->Pen()->SetStyle(psClear);
  c->Ellipse(Rect(0, 0, 20, 20));
  EXPECT_EQ(At(b.get(), 10, 10), clRed);
  EXPECT_EQ(At(b.get(), 0, 0), clWhite);
  c->Brush()->SetColor(clBlue);
  c->Polygon({Point(20, 20), Point(29, 20), Point(29, 29)});
  EXPECT_EQ(At(b.get(), 27, 22), clBlue);
  EXPECT_EQ(At(b.get(), 21, 28), clWhite);
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetColor(clGreen);
  c->Polyline({Point(0, 25), Point(10, 25), Point(10, 29)});
  EXPECT_EQ(At(b.get(), 5, 25), clGreen);
  EXPECT_EQ(At(b.get(), 10, 27), clGreen);
  EXPECT_EQ(At(b.get(), 10, 29), clWhite);
  c->Brush()->SetColor(clLime);
  c->RoundRect(21, 1, 29, 9, 3, 3);
  EXPECT_EQ(At(b.get(), 25, 5), clLime);
  c->Pie(0, 0, 30, 30, 30, 15, 15, 0);  // the quarter towards the top right
  EXPECT_EQ(At(b.get(), 22, 8), clLime);
  EXPECT_NE(At(b.get(), 8, 22), clLime);
}

TEST(Canvas, FloodFillSurfaceAndBorder) {
  std::unique_ptr<TBitmap> b(NewBitmap(20, 20));
  TCanvas* c = b->Canvas();
  c->Brush()->SetStyle(bsClear);
  c->Pen()->SetColor(clBlack);
  c->Rectangle(2, 2, 12, 12);
  c->Brush()->SetColor(clRed);
  c->FloodFill(5, 5, clBlack, fsBorder);
  EXPECT_EQ(CountColor(b.get(), clRed, Rect(0, 0, 20, 20)), 64);
  c->Brush()->SetColor(clBlue);
  c->FloodFill(0, 0, clWhite, fsSurface);
  EXPECT_EQ(At(b.get(), 15, 15), clBlue);
  EXPECT_EQ(At(b.get(), 5, 5), clRed);
}

TEST(Canvas, DrawFocusRectToggles) {
  std::unique_ptr<TBitmap> b(NewBitmap(16, 16));
  TCanvas* c = b->Canvas();
  c->DrawFocusRect(Rect(2, 2, 14, 14));
  const int changed = 16 * 16 - CountColor(b.get(), clWhite, Rect(0, 0, 16, 16));
  EXPECT_GT(changed, 10);
  EXPECT_EQ(At(b.get(), 7, 7), clWhite);
  c->DrawFocusRect(Rect(2, 2, 14, 14));
  EXPECT_EQ(CountColor(b.get(), clWhite, Rect(0, 0, 16, 16)), 16 * 16);
}

TEST(Canvas, CopyRectHonoursTheCopyMode) {
  std::unique_ptr<TBitmap> src(NewBitmap(8, 8, pf32bit, clRed));
  src->Canvas()->SetPixels(0, 0, clBlue);
  std::unique_ptr<TBitmap> dst(NewBitmap(16, 16));
  TCanvas* c = dst->Canvas();
  EXPECT_EQ(c->CopyMode(), cmSrcCopy);
  c->CopyRect(Rect(2, 2, 10, 10), src->Canvas(), Rect(0, 0, 8, 8));
  EXPECT_EQ(At(dst.get(), 2, 2), clBlue);
  EXPECT_EQ(At(dst.get(), 9, 9), clRed);
  EXPECT_EQ(At(dst.get(), 10, 10), clWhite);
  // Stretched to double size.
  c->CopyRect(Rect(0, 0, 16, 16), src->Canvas(), Rect(0, 0, 8, 8));
  EXPECT_EQ(At(dst.get(), 1, 1), clBlue);
  EXPECT_EQ(At(dst.get(), 2, 2), clRed);
  c->SetCopyMode(cmNotSrcCopy);
  c->CopyRect(Rect(0, 0, 8, 8), src->Canvas(), Rect(0, 0, 8, 8));
  EXPECT_EQ(At(dst.get(), 4, 4), clAqua);  // not red
  c->SetCopyMode(cmSrcInvert);
  c->CopyRect(Rect(0, 0, 8, 8), src->Canvas(), Rect(0, 0, 8, 8));
  EXPECT_EQ(At(dst.get(), 4, 4), clWhite);  // aqua xor red
  c->SetCopyMode(cmBlackness);
  c->CopyRect(Rect(0, 0, 2, 2), src->Canvas(), Rect(0, 0, 2, 2));
  EXPECT_EQ(At(dst.get(), 1, 1), clBlack);
}

TEST(Canvas, DrawOfATransparentBitmapKeepsTheDestinationUnderTheKeyColour) {
  std::unique_ptr<TBitmap> glyph(NewBitmap(6, 6, pf24bit, clFuchsia));
  glyph->Canvas()->Brush()->SetColor(clNavy);
  glyph->Canvas()->FillRect(Rect(1, 1, 5, 5));
  std::unique_ptr<TBitmap> dst(NewBitmap(10, 10, pf32bit, clYellow));
  // Opaque first: the key colour is drawn.
  dst->Canvas()->Draw(0, 0, glyph.get());
  EXPECT_EQ(At(dst.get(), 0, 0), clFuchsia);
  dst->Canvas()->Brush()->SetColor(clYellow);
  dst->Canvas()->FillRect(Rect(0, 0, 10, 10));
  glyph->SetTransparent(true);
  EXPECT_EQ(glyph->TransparentColor(), clFuchsia | TransparentColorFlag);
  dst->Canvas()->Draw(2, 2, glyph.get());
  EXPECT_EQ(CountColor(dst.get(), clNavy, Rect(0, 0, 10, 10)), 16);
  EXPECT_EQ(CountColor(dst.get(), clYellow, Rect(0, 0, 10, 10)), 100 - 16);
  // Stretched.
  dst->Canvas()->StretchDraw(Rect(0, 0, 10, 10), glyph.get());
  EXPECT_EQ(At(dst.get(), 5, 5), clNavy);
  EXPECT_EQ(At(dst.get(), 0, 0), clYellow);
}

TEST(Canvas, BrushCopyReplacesOneColourWithTheBrush) {
  std::unique_ptr<TBitmap> src(NewBitmap(4, 4, pf24bit, clLime));
  src->Canvas()->SetPixels(1, 1, clRed);
  std::unique_ptr<TBitmap> dst(NewBitmap(8, 8));
  dst->Canvas()->Brush()->SetColor(clBlue);
  dst->Canvas()->BrushCopy(Rect(2, 2, 6, 6), src.get(), Rect(0, 0, 4, 4), clLime);
  EXPECT_EQ(At(dst.get(), 3, 3), clRed);
  EXPECT_EQ(At(dst.get(), 2, 2), clBlue);
  EXPECT_EQ(CountColor(dst.get(), clBlue, Rect(0, 0, 8, 8)), 15);
  EXPECT_EQ(At(dst.get(), 1, 1), clWhite);
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
  EXPECT_TRUE(c.HandleAllocated());
  c.Brush()->SetColor(clRed);
  c.FillRect(Rect(0, 0, 5, 5));
  EXPECT_EQ(win::GetPixel(dc, 2, 2), win::RGB(255, 0, 0));
  // The refused call announced its change before it failed.
  EXPECT_EQ(changed.Count, 1);
  EXPECT_EQ(changing.Count, 2);
  // Handing the DC back deselects the canvas's tools from it.
  c.SetHandle(nullptr);
  EXPECT_EQ(win::GetCurrentObject(dc, win::OBJ_BRUSH), win::GetStockObject(win::HOLLOW_BRUSH));
  win::HGDIOBJ bm = win::SelectObject(dc, old);
  win::DeleteObject(bm);
  win::DeleteDC(dc);
}

TEST(Canvas, LockIsRecursiveAndExcludesOtherThreads) {
  TCanvas c;
  c.Lock();
  c.Lock();
  EXPECT_EQ(c.LockCount(), 2);
  std::atomic<int> result{-1};
  std::thread other([&] {
    const bool got = c.TryLock();
    if (got) c.Unlock();
    result = got ? 1 : 0;
  });
  other.join();
  EXPECT_EQ(result.load(), 0);
  c.Unlock();
  c.Unlock();
  EXPECT_EQ(c.LockCount(), 0);
  std::thread again([&] {
    const bool got = c.TryLock();
    if (got) c.Unlock();
    result = got ? 1 : 0;
  });
  again.join();
  EXPECT_EQ(result.load(), 1);
}

TEST(Canvas, MonochromeBitmapsDrawBlackAndWhiteAndLeaveTheTextColour) {
  std::unique_ptr<TBitmap> mono(NewBitmap(4, 4, pf1bit, clWhite));
  mono->Canvas()->SetPixels(1, 1, clBlack);
  std::unique_ptr<TBitmap> dst(NewBitmap(40, 20, pf32bit, clYellow));
  TCanvas* c = dst->Canvas();
  c->Font()->SetColor(clRed);
  c->Brush()->SetStyle(bsClear);
  c->TextOut(10, 2, "I");  // the font is selected with its colour
  c->Draw(0, 0, mono.get());
  EXPECT_EQ(At(dst.get(), 1, 1), clBlack);
  EXPECT_EQ(At(dst.get(), 0, 0), clWhite);
  c->TextOut(20, 2, "WWW");
  EXPECT_GT(CountColor(dst.get(), clRed, Rect(20, 0, 40, 20)), 0);
  EXPECT_EQ(CountColor(dst.get(), clBlack, Rect(20, 0, 40, 20)), 0);
}

TEST(Canvas, PatternBrushesTileTheBitmap) {
  std::unique_ptr<TBitmap> pattern(NewBitmap(2, 2, pf24bit, clRed));
  pattern->Canvas()->SetPixels(1, 0, clBlue);
  pattern->Canvas()->SetPixels(0, 1, clBlue);
  std::unique_ptr<TBitmap> dst(NewBitmap(6, 6));
  dst->Canvas()->Brush()->SetBitmap(pattern.get());
  dst->Canvas()->FillRect(Rect(0, 0, 6, 6));
  EXPECT_EQ(At(dst.get(), 0, 0), clRed);
  EXPECT_EQ(At(dst.get(), 1, 0), clBlue);
  EXPECT_EQ(At(dst.get(), 4, 4), clRed);
  EXPECT_EQ(At(dst.get(), 5, 4), clBlue);
  EXPECT_EQ(CountColor(dst.get(), clRed, Rect(0, 0, 6, 6)), 18);
  dst->Canvas()->Brush()->SetBitmap(nullptr);
}
