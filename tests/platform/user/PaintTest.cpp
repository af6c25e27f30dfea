// The virtual screen: clipping of children and siblings, update regions and BeginPaint,
// erasing, the non-client frame, scrolling, window regions, captures and the caret.
#include <cstdio>
#include <fstream>

#include "UserTestSupport.h"
#include "tests/support/PixelCheck.h"

namespace usertest {
namespace {

using namespace testkit;

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0), kWhite = RGB(255, 255, 255), kBlack = 0;

struct Px {
  int X, Y;
  COLORREF C;
};

class PaintTest : public UserTest {
 protected:
  COLORREF At(int x, int y) { return CaptureScreen().Color(x, y); }
  static COLORREF Desktop() { return GetSysColor(COLOR_BACKGROUND); }
  // Screen pixels, after running the loop when asked.
  static void Expect(std::initializer_list<Px> pixels, bool run = false) {
    if (run) RunUntilIdle();
    const TCapture s = CaptureScreen();
    for (const Px& p : pixels) EXPECT_EQ(s.Color(p.X, p.Y), p.C) << "at " << p.X << "," << p.Y;
  }
  static void Redraw(HWND h, UINT flags) { RedrawWindow(h, nullptr, nullptr, flags); }
  static void Fill(HWND h, RECT r, COLORREF c, bool whole = false) {
    HDC dc = whole ? GetWindowDC(h) : GetDC(h);
    HBRUSH b = CreateSolidBrush(c);
    FillRect(dc, &r, b);
    DeleteObject(b);
    ReleaseDC(h, dc);
  }
};

constexpr UINT kNow = RDW_INVALIDATE | RDW_UPDATENOW;

TEST_F(PaintTest, TheDesktopShowsItsBackgroundColour) {
  const TCapture s = CaptureScreen();
  EXPECT_EQ(s.Width, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(s.Height, GetSystemMetrics(SM_CYSCREEN));
  Expect({{0, 0, Desktop()}, {1023, 767, Desktop()}});
}

TEST_F(PaintTest, ChildrenPaintOverTheirParentAndClipChildrenKeepsThemIntact) {
  HWND p = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 100, 100, 200, 200, kRed);
  HWND c = ColorWindow(p, WS_CHILD | WS_VISIBLE, 50, 50, 50, 50, kGreen);
  Expect({{110, 110, kRed}, {160, 160, kGreen}, {199, 199, kGreen}, {200, 200, kRed}, {300, 300, Desktop()}}, true);
  Redraw(p, kNow | RDW_NOCHILDREN);  // a parent that does not clip children paints over them
  Expect({{160, 160, kRed}});
  SetWindowLongA(p, GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN));
  Redraw(c, kNow);
  Redraw(p, kNow | RDW_NOCHILDREN);  // ... and leaves them alone when it does
  Expect({{160, 160, kGreen}, {110, 110, kRed}});
}

TEST_F(PaintTest, SiblingsClipByZOrderWithClipSiblings) {
  HWND p = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 300, 300, kRed);
  // a is above b (created first); they overlap in 50..100.
  HWND a = ColorWindow(p, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 100, 100, kGreen);
  HWND b = ColorWindow(p, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 50, 50, 100, 100, kBlue);
  Expect({{75, 75, kGreen}, {25, 25, kGreen}, {125, 125, kBlue}}, true);  // the upper one has the overlap
  Redraw(b, kNow);  // b repaints alone: it cannot draw over a
  Expect({{75, 75, kGreen}});
  SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);  // raising b gives it the overlap
  Expect({{75, 75, kBlue}, {25, 25, kGreen}}, true);
  SetWindowLongA(a, GWL_STYLE, static_cast<LONG>(WS_CHILD | WS_VISIBLE));
  Redraw(a, kNow);  // without WS_CLIPSIBLINGS a lower sibling paints over the upper one
  Expect({{75, 75, kGreen}});
}

TEST_F(PaintTest, TopLevelWindowsAlwaysClipEachOther) {
  HWND low = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, kRed);
  HWND high = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 50, 50, 100, 100, kBlue);
  RunUntilIdle();
  EXPECT_EQ(GetTopWindow(nullptr), high);
  Redraw(low, kNow);
  Expect({{75, 75, kBlue}});
  ShowWindow(high, SW_HIDE);  // the lower window and the desktop repaint what it uncovers
  Expect({{75, 75, kRed}, {125, 125, Desktop()}}, true);
  MoveWindow(low, 200, 200, 100, 100, TRUE);
  Expect({{50, 50, Desktop()}, {250, 250, kRed}}, true);
}

TEST_F(PaintTest, MovedWindowsTakeTheirPixelsAlong) {
  HWND p = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 300, 300, kRed);
  HWND c = ColorWindow(p, WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, kGreen);
  RunUntilIdle();
  Fill(c, {5, 5, 6, 6}, kYellow);  // a mark the window's own painting would not restore
  TMessageRecorder rec;
  rec.Attach(p);
  rec.Attach(c);
  MoveWindow(c, 100, 120, 50, 50, TRUE);
  Expect({{105, 125, kYellow}, {15, 15, kRed}}, true);  // copied, not repainted
  EXPECT_EQ(Names(rec, {WM_PAINT}, c) + "/" + Names(rec, {WM_PAINT}, p), "/WM_PAINT");  // the uncovered area
  // Moving partly off the parent and back: the part that was clipped repaints.
  MoveWindow(c, 280, 120, 50, 50, TRUE);
  MoveWindow(c, 100, 120, 50, 50, TRUE);
  rec.Clear();
  Expect({{145, 125, kGreen}, {105, 125, kYellow}}, true);
  EXPECT_EQ(Names(rec, {WM_PAINT}, c), "WM_PAINT");
  SetWindowPos(c, nullptr, 50, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOCOPYBITS);  // repaints
  Expect({{55, 55, kGreen}}, true);
}

RECT g_paintRect;
BOOL g_paintErase;
int g_paints;
// Records what BeginPaint tells and fills the whole client area yellow (the DC lets the update
// area through only).
LRESULT ClipperProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m != WM_PAINT) return DefWindowProcA(h, m, w, l);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(h, &ps);
  g_paintRect = ps.rcPaint;
  g_paintErase = ps.fErase;
  ++g_paints;
  RECT all = ClientRect(h);
  if (GetWindowLongPtrA(h, GWLP_USERDATA) == 0) {
    HBRUSH b = CreateSolidBrush(kYellow);
    FillRect(dc, &all, b);
    DeleteObject(b);
  }
  EndPaint(h, &ps);
  return 0;
}

TEST_F(PaintTest, BeginPaintReportsTheUpdateAreaAndClipsToIt) {
  RegisterProc("Clipper", ClipperProc);
  HWND w = Make("Clipper", WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 100, 100);
  RunUntilIdle();
  EXPECT_EQ(g_paintRect, (RECT{0, 0, 100, 100}));
  Fill(w, {0, 0, 100, 100}, kRed);  // behind its back
  RECT part = {10, 20, 30, 40}, part2 = {50, 50, 60, 60};
  InvalidateRect(w, &part, FALSE);
  InvalidateRect(w, &part2, FALSE);
  RunUntilIdle();
  EXPECT_EQ(g_paintRect, (RECT{10, 20, 60, 60}));  // the bounds of the update region
  EXPECT_FALSE(g_paintErase);                       // nothing asked for erasing
  Expect({{15, 25, kYellow}, {55, 55, kYellow}, {40, 30, kRed}, {5, 5, kRed}});  // the region, not its bounds
  InvalidateRect(w, nullptr, TRUE);  // no class brush: fErase tells the window to do it itself
  RunUntilIdle();
  EXPECT_TRUE(g_paintErase);
}

TEST_F(PaintTest, ManySmallInvalidationsMakeOneUpdateRegion) {
  HWND w = Make("PlainWnd", WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 400, 400);
  RunUntilIdle();
  // A grid of 2x2 squares every 4 pixels, each invalidated twice, then a hole validated.
  for (int pass = 0; pass < 2; ++pass)
    for (int y = 0; y < 200; y += 4)
      for (int x = 0; x < 200; x += 4) {
        RECT r = {x, y, x + 2, y + 2};
        InvalidateRect(w, &r, TRUE);
      }
  RECT hole = {100, 100, 120, 120};
  ValidateRect(w, &hole);
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetUpdateRgn(w, rgn, FALSE), COMPLEXREGION);
  RECT box;
  GetRgnBox(rgn, &box);
  EXPECT_EQ(box, (RECT{0, 0, 198, 198}));
  const std::pair<POINT, BOOL> probes[] = {{{0, 0}, TRUE},     {{1, 1}, TRUE},     {{2, 2}, FALSE},
                                           {{196, 197}, TRUE}, {{101, 101}, FALSE}, {{124, 125}, TRUE}};
  for (auto& [pt, in] : probes) EXPECT_EQ(PtInRegion(rgn, pt.X, pt.Y), in) << pt.X << "," << pt.Y;
  DeleteObject(rgn);
}

TEST_F(PaintTest, EraseUsesTheClassBrushAndUpdateRegionsCanBeRead) {
  HWND w = Make("PlainWnd", WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 100, 100);
  Expect({{50, 50, GetSysColor(COLOR_WINDOW)}}, true);
  RECT r = {10, 10, 20, 20}, r2 = {30, 30, 40, 40};
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  InvalidateRect(w, &r, TRUE);
  EXPECT_EQ(GetUpdateRgn(w, rgn, FALSE), SIMPLEREGION);
  RECT box;
  GetRgnBox(rgn, &box);
  EXPECT_EQ(box, r);
  InvalidateRect(w, &r2, TRUE);
  EXPECT_EQ(GetUpdateRgn(w, rgn, FALSE), COMPLEXREGION);
  ValidateRect(w, &r);
  EXPECT_EQ(GetUpdateRgn(w, rgn, FALSE), SIMPLEREGION);
  ValidateRgn(w, nullptr);
  EXPECT_EQ(GetUpdateRgn(w, rgn, FALSE), NULLREGION);
  DeleteObject(rgn);
  TMessageRecorder rec(w);  // UpdateWindow paints at once, without the queue
  InvalidateRect(w, nullptr, TRUE);
  UpdateWindow(w);
  EXPECT_EQ(Names(rec, {WM_PAINT, WM_ERASEBKGND}), "WM_PAINT WM_ERASEBKGND");
  MSG m;
  EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE));
}

TEST_F(PaintTest, RedrawWindowFlagsControlChildrenFramesAndTiming) {
  HWND p = Make("PlainWnd", WS_POPUP | WS_VISIBLE | WS_BORDER | WS_CLIPCHILDREN, nullptr, 0, 0, 200, 200);
  HWND c = Make("PlainWnd", WS_CHILD | WS_VISIBLE, p, 10, 10, 50, 50);
  RunUntilIdle();
  TMessageRecorder rec;
  rec.Attach(p);
  rec.Attach(c);
  struct Step {
    UINT Flags;
    const RECT* Area;
    std::string Now, After;  // messages before and after running the loop
  };
  const RECT corner = {0, 0, 5, 5};
  const Step steps[] = {
      {RDW_INVALIDATE, nullptr, "", "WM_PAINT"},  // a clipping parent keeps children out
      {RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_FRAME | RDW_ERASE, nullptr, "",
       "WM_PAINT WM_NCPAINT WM_ERASEBKGND WM_PAINT WM_ERASEBKGND"},  // the parent, then the child
      {RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW, nullptr, "WM_ERASEBKGND", "WM_ERASEBKGND WM_PAINT"},
      {kNow | RDW_ALLCHILDREN, &corner, "WM_PAINT", "WM_PAINT"},  // the area misses the child
  };
  for (const Step& s : steps) {
    rec.Clear();
    RedrawWindow(p, s.Area, nullptr, s.Flags);
    EXPECT_EQ(Names(rec, {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}), s.Now) << s.Flags;
    RunUntilIdle();
    EXPECT_EQ(Names(rec, {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}), s.After) << s.Flags;
  }
}

TEST_F(PaintTest, FramesAndCaptionsAreDrawnAroundTheClientArea) {
  ColorWindow(nullptr, WS_POPUP | WS_VISIBLE | WS_BORDER, 10, 10, 50, 50, kGreen);
  ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 100, 10, 50, 50, kGreen, WS_EX_CLIENTEDGE);
  // A border; a client edge: shadow and dark shadow top-left, highlight outermost bottom-right.
  Expect({{10, 10, GetSysColor(COLOR_WINDOWFRAME)}, {59, 30, GetSysColor(COLOR_WINDOWFRAME)}, {11, 11, kGreen},
          {100, 30, GetSysColor(COLOR_BTNSHADOW)}, {101, 30, GetSysColor(COLOR_3DDKSHADOW)},
          {149, 30, GetSysColor(COLOR_BTNHIGHLIGHT)}, {102, 30, kGreen}},
         true);
  // The left end of the caption gradient shows whether the window is active.
  Make("PlainWnd", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 10, 100, 300, 100, "Title");
  Expect({{14, 121, GetSysColor(COLOR_ACTIVECAPTION)}}, true);
  Make("PlainWnd", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 10, 300, 300, 100, "Other");
  Expect({{14, 121, GetSysColor(COLOR_INACTIVECAPTION)}, {14, 321, GetSysColor(COLOR_ACTIVECAPTION)}}, true);
}

TEST_F(PaintTest, CaptionShowsTheTitleAndTheCloseButton) {
  HWND w = Make("PlainWnd", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 10, 10, 300, 100, "WWWWWW");
  RunUntilIdle();
  TCapture c = CaptureWindow(w);
  auto countIn = [&](int x0, int x1, int y0, int y1, int colour) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) n += c.Color(x, y) == GetSysColor(colour);
    return n;
  };
  EXPECT_GT(countIn(24, 124, 4, 22, COLOR_CAPTIONTEXT), 10);  // the title near the left end
  EXPECT_EQ(countIn(150, 200, 4, 22, COLOR_CAPTIONTEXT), 0);  // none where the caption is empty
  // The close button is a raised button face with a dark glyph.
  EXPECT_GT(countIn(278, 294, 6, 20, COLOR_BTNFACE), 50);
  EXPECT_GT(countIn(278, 294, 6, 20, COLOR_BTNTEXT), 4);
  SetWindowTextA(w, "");  // a new title repaints the caption
  c = CaptureWindow(w);
  EXPECT_EQ(countIn(24, 124, 4, 22, COLOR_CAPTIONTEXT), 0);
}

TEST_F(PaintTest, ScrollWindowMovesPixelsAndInvalidatesTheUncoveredStrip) {
  RegisterProc("Scroller", ClipperProc);
  HWND w = Make("Scroller", WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 100, 100);
  SetWindowLongPtrA(w, GWLP_USERDATA, 1);  // paints nothing
  RunUntilIdle();
  HDC dc = GetDC(w);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) SetPixelV(dc, x, y, RGB(x, y, 0));
  ReleaseDC(w, dc);
  g_paints = 0;
  RECT upd;
  EXPECT_EQ(ScrollWindowEx(w, 0, -10, nullptr, nullptr, nullptr, &upd, SW_INVALIDATE), SIMPLEREGION);
  EXPECT_EQ(upd, (RECT{0, 90, 100, 100}));
  Expect({{5, 0, RGB(5, 10, 0)}, {5, 89, RGB(5, 99, 0)}}, true);
  EXPECT_EQ(g_paints, 1);
  EXPECT_EQ(g_paintRect, (RECT{0, 90, 100, 100}));
  RECT scroll = {0, 0, 50, 100};  // a scroll and clip rectangle limit what moves
  ScrollWindowEx(w, 10, 0, &scroll, &scroll, nullptr, &upd, 0);
  EXPECT_EQ(upd, (RECT{0, 0, 10, 100}));
  Expect({{15, 0, RGB(5, 10, 0)}, {55, 0, RGB(55, 10, 0)}});  // outside the clip: untouched
}

TEST_F(PaintTest, ScrollDcAndScrollChildrenMoveWhatTheyCover) {
  HWND w = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 300, 0, 100, 100, kRed);
  RunUntilIdle();
  Fill(w, {0, 0, 100, 10}, kBlue);
  HDC dc = GetDC(w);
  RECT upd;
  ASSERT_TRUE(ScrollDC(dc, 0, 20, nullptr, nullptr, nullptr, &upd));
  ReleaseDC(w, dc);
  Expect({{350, 25, kBlue}, {350, 5, kBlue}});  // the source is left as it was
  EXPECT_EQ(upd, (RECT{0, 0, 100, 20}));
  HWND p = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 200, 200, kRed);
  HWND c = ColorWindow(p, WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, kGreen);
  RunUntilIdle();
  ScrollWindowEx(p, 5, 7, nullptr, nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
  EXPECT_EQ(WindowRect(c), (RECT{15, 17, 35, 37}));
  Expect({{16, 18, kGreen}, {11, 11, kRed}}, true);
}

TEST_F(PaintTest, WindowRegionsClipPaintingAndHitTesting) {
  HWND w = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, kGreen);
  SetWindowRgn(w, CreateEllipticRgn(0, 0, 100, 100), TRUE);
  Expect({{50, 50, kGreen}, {2, 2, Desktop()}}, true);  // a corner outside the ellipse
  EXPECT_EQ(WindowFromPoint(POINT{2, 2}), nullptr);
  EXPECT_EQ(WindowFromPoint(POINT{50, 50}), w);
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(w, copy), COMPLEXREGION);
  EXPECT_TRUE(PtInRegion(copy, 50, 50));
  EXPECT_FALSE(PtInRegion(copy, 2, 2));
  DeleteObject(copy);
  SetWindowRgn(w, nullptr, TRUE);
  Expect({{2, 2, kGreen}}, true);
}

TEST_F(PaintTest, LockWindowUpdateSuppressesDrawingUntilUnlocked) {
  HWND w = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, kGreen);
  RunUntilIdle();
  ASSERT_TRUE(LockWindowUpdate(w));
  EXPECT_FALSE(LockWindowUpdate(w));  // one lock at a time
  SetWindowLongPtrA(w, GWLP_USERDATA, static_cast<LONG_PTR>(kBlue));
  InvalidateRect(w, nullptr, TRUE);
  Expect({{50, 50, kGreen}}, true);
  LockWindowUpdate(nullptr);
  Expect({{50, 50, kBlue}}, true);
}

TEST_F(PaintTest, WindowDcsStartAtTheClientCornerAndOwnDcsKeepState) {
  HWND w = Make("PlainWnd", WS_POPUP | WS_VISIBLE | WS_BORDER, nullptr, 20, 20, 100, 100);
  RunUntilIdle();
  HDC dc = GetDC(w);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(WindowFromDC(dc), w);
  SetPixelV(dc, 0, 0, kRed);
  SetPixelV(dc, -1, -1, kRed);  // the frame is outside a client DC
  EXPECT_EQ(ReleaseDC(w, dc), 1);
  EXPECT_EQ(ReleaseDC(w, dc), 0);
  Expect({{21, 21, kRed}, {20, 20, GetSysColor(COLOR_WINDOWFRAME)}});
  Fill(w, {0, 0, 1, 1}, kBlue, true);
  Fill(nullptr, {500, 500, 501, 501}, kYellow);  // a screen DC covers everything
  Expect({{20, 20, kBlue}, {500, 500, kYellow}});
  RegisterProc("Own", PlainProc, CS_OWNDC);
  HWND o = Make("Own", WS_POPUP | WS_VISIBLE, nullptr, 300, 300, 50, 50);
  HDC d1 = GetDC(o);
  SetTextColor(d1, kRed);
  ReleaseDC(o, d1);
  HDC d2 = GetDC(o);
  EXPECT_EQ(d1, d2);
  EXPECT_EQ(GetTextColor(d2), kRed);
  ReleaseDC(o, d2);
}

TEST_F(PaintTest, CapturesComparisonAndPng) {
  HWND w = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE | WS_BORDER, 10, 10, 40, 30, kGreen);
  RunUntilIdle();
  const TCapture whole = CaptureWindow(w, true), client = CaptureWindow(w, false);
  EXPECT_EQ(std::make_pair(whole.Width, whole.Height), std::make_pair(40, 30));
  EXPECT_EQ(client.Width, 38);
  EXPECT_EQ(client.Color(0, 0), kGreen);
  EXPECT_EQ(whole.Color(0, 0), GetSysColor(COLOR_WINDOWFRAME));
  TCapture other = client;
  EXPECT_EQ(CountDifferentPixels(client, other), 0);
  other.Pixels[5] = 0x00FE00;
  other.Pixels[6] = 0x000000;
  EXPECT_EQ(CountDifferentPixels(client, other), 2);
  EXPECT_EQ(CountDifferentPixels(client, other, 1), 1);
  EXPECT_EQ(CountDifferentPixels(client, whole), 40 * 30);
  const std::string path = ::testing::TempDir() + "/user_capture.png";
  ASSERT_TRUE(WritePng(whole, path));
  std::ifstream f(path, std::ios::binary);
  char sig[8] = {};
  f.read(sig, 8);
  EXPECT_EQ(std::string(sig + 1, 3), "PNG");
  std::remove(path.c_str());
  EXPECT_FALSE(WritePng(TCapture(), path));
  EXPECT_FALSE(WritePng(whole, "/nonexistent-dir/x.png"));
  const std::string failure = WriteFailurePng(whole, "what/the test saw");
  EXPECT_NE(failure.find("what_the_test_saw.png"), std::string::npos);
  std::remove(failure.c_str());
}

TEST_F(PaintTest, RenderingAWindowAloneIgnoresWhatCoversIt) {
  HWND low = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, kRed);
  ColorWindow(low, WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, kGreen);
  HWND high = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 50, 50, 100, 100, kBlue);
  RunUntilIdle();
  const TCapture seen = CaptureWindow(low);
  EXPECT_EQ(seen.Color(75, 75), kBlue);
  const TCapture alone = RenderWindow(low);
  ASSERT_EQ(alone.Width, 100);
  EXPECT_EQ(alone.Color(75, 75), kRed);
  EXPECT_EQ(alone.Color(15, 15), kGreen);
  // The real screen is unchanged and nothing is left to paint.
  Expect({{75, 75, kBlue}});
  EXPECT_EQ(CountDifferentPixels(CaptureWindow(low), seen), 0);
  EXPECT_EQ(RunUntilIdle(), 0);
  ShowWindow(high, SW_HIDE);
  EXPECT_EQ(RenderWindow(high).Width, 0);  // hidden windows render nothing
}

TEST_F(PaintTest, ChildrenWholeInsideAnInvalidatedAreaAreErased) {
  // Neither window paints in WM_PAINT: what a child shows comes from its erasing only.
  HWND p = Make("PlainWnd", WS_POPUP | WS_VISIBLE, nullptr, 100, 100, 200, 100);
  HWND whole = Make("PlainWnd", WS_CHILD | WS_VISIBLE, p, 10, 10, 50, 50);
  HWND part = Make("PlainWnd", WS_CHILD | WS_VISIBLE, p, 100, 10, 50, 50);
  RunUntilIdle();
  Fill(whole, {0, 0, 50, 50}, kBlack);
  Fill(part, {0, 0, 50, 50}, kBlack);
  const RECT area = {0, 0, 120, 100};
  InvalidateRect(p, &area, FALSE);
  RunUntilIdle();
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  EXPECT_TRUE(PixelsMatch(
      CaptureWindow(p),
      [&](int x, int y) { return x >= 100 && x < 150 && y >= 10 && y < 60 ? kBlack : window; },
      "whole_children_erased"));
}

TEST_F(PaintTest, ANewParentShowsTheChildAtTheSameClientPlace) {
  HWND from = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 100, 100, 200, 100, kRed);
  HWND to = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 400, 100, 200, 100, kBlue);
  HWND c = ColorWindow(from, WS_CHILD | WS_VISIBLE, 20, 30, 50, 40, kGreen);
  RunUntilIdle();
  EXPECT_EQ(SetParent(c, to), from);
  RunUntilIdle();
  EXPECT_TRUE(IsWindowVisible(c));
  EXPECT_TRUE(PixelsMatch(
      CaptureWindow(from), [](int, int) { return kRed; }, "left_parent"));
  EXPECT_TRUE(PixelsMatch(
      CaptureWindow(to),
      [](int x, int y) { return x >= 20 && x < 70 && y >= 30 && y < 70 ? kGreen : kBlue; },
      "new_parent"));
}

// ---- The caret ----

class CaretTest : public PaintTest {
 protected:
  void SetUp() override {
    PaintTest::SetUp();
    w_ = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, kWhite);
    RunUntilIdle();
    CreateCaret(w_, nullptr, 2, 10);
    SetCaretPos(10, 20);
  }
  bool Shown() { return At(11, 21) == kBlack; }
  HWND w_;
};

TEST_F(CaretTest, CaretIsCreatedHiddenAndBlinksOnTheClock) {
  POINT p;
  GetCaretPos(&p);
  EXPECT_EQ(p, (POINT{10, 20}));
  EXPECT_FALSE(Shown());
  ShowCaret(w_);
  Expect({{11, 21, kBlack}, {12, 21, kWhite}});  // two pixels wide
  EXPECT_EQ(GetCaretBlinkTime(), 530u);
  const std::pair<uint64_t, bool> blinks[] = {{529, true}, {1, false}, {530, true}};
  for (auto [ms, on] : blinks) {
    AdvanceClock(ms);
    EXPECT_EQ(Shown(), on) << ms;
  }
  SetCaretBlinkTime(100);
  AdvanceClock(100);
  EXPECT_FALSE(Shown());
  DestroyCaret();
  AdvanceClock(1000);
  EXPECT_FALSE(Shown());
}

TEST_F(CaretTest, HideAndShowNest) {
  ShowCaret(w_);
  HideCaret(w_);
  HideCaret(w_);
  EXPECT_FALSE(Shown());
  ShowCaret(w_);
  EXPECT_FALSE(Shown());  // still hidden once
  ShowCaret(w_);
  EXPECT_TRUE(Shown());
  ShowCaret(w_);  // no effect at zero
  HideCaret(w_);
  AdvanceClock(2000);
  EXPECT_FALSE(Shown());  // a hidden caret does not blink
  EXPECT_FALSE(ShowCaret(reinterpret_cast<HWND>(0x1234)));  // not the owner
}

TEST_F(CaretTest, PaintingHidesTheCaretAndMovingRestartsTheBlink) {
  ShowCaret(w_);
  InvalidateRect(w_, nullptr, TRUE);  // the caret is taken off and put back around painting
  RunUntilIdle();
  EXPECT_TRUE(Shown());
  AdvanceClock(530);
  EXPECT_FALSE(Shown());
  SetCaretPos(30, 20);
  Expect({{31, 21, kBlack}, {11, 21, kWhite}});  // shown at once after moving
  CreateCaret(w_, nullptr, 2, 10);  // a new caret replaces the old one
  Expect({{31, 21, kWhite}});
  DestroyWindow(w_);  // destroying the window destroys its caret
  EXPECT_FALSE(DestroyCaret());
}

}  // namespace
}  // namespace usertest
