// The virtual screen: clipping of children and siblings, update regions and BeginPaint,
// erasing, the non-client frame, scrolling, window regions, captures and the caret.
#include <cstdio>
#include <fstream>

#include "UserTestSupport.h"

namespace usertest {
namespace {

using namespace testkit;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

class PaintTest : public UserTest {
 protected:
  COLORREF At(int x, int y) { return CaptureScreen().Color(x, y); }
  COLORREF Desktop() { return GetSysColor(COLOR_BACKGROUND); }
};

TEST_F(PaintTest, TheDesktopShowsItsBackgroundColour) {
  const TCapture s = CaptureScreen();
  EXPECT_EQ(s.Width, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(s.Height, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(s.Color(0, 0), Desktop());
  EXPECT_EQ(s.Color(1023, 767), Desktop());
}

TEST_F(PaintTest, ChildrenPaintOverTheirParentAndClipChildrenKeepsThemIntact) {
  // Without WS_CLIPCHILDREN the parent paints first, then the child on top.
  HWND p = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 100, 100, 200, 200, kRed);
  HWND c = ColorWindow(p, WS_CHILD | WS_VISIBLE, 50, 50, 50, 50, kGreen);
  RunUntilIdle();
  EXPECT_EQ(At(110, 110), kRed);
  EXPECT_EQ(At(160, 160), kGreen);
  EXPECT_EQ(At(199, 199), kGreen);
  EXPECT_EQ(At(200, 200), kRed);
  EXPECT_EQ(At(300, 300), Desktop());
  // Repainting only the parent draws over the child when it does not clip children ...
  RedrawWindow(p, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(At(160, 160), kRed);
  // ... and leaves the child alone when it does.
  SetWindowLongA(p, GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN));
  RedrawWindow(c, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(At(160, 160), kGreen);
  RedrawWindow(p, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(At(160, 160), kGreen);
  EXPECT_EQ(At(110, 110), kRed);
}

TEST_F(PaintTest, SiblingsClipByZOrderWithClipSiblings) {
  HWND p = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 300, 300, kRed);
  // a is above b (created first); they overlap in 50..100.
  HWND a = ColorWindow(p, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 100, 100, kGreen);
  HWND b = ColorWindow(p, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 50, 50, 100, 100, kBlue);
  RunUntilIdle();
  EXPECT_EQ(At(75, 75), kGreen);  // the overlap belongs to the upper sibling
  EXPECT_EQ(At(25, 25), kGreen);
  EXPECT_EQ(At(125, 125), kBlue);
  // b repaints alone: it cannot draw over a.
  RedrawWindow(b, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(At(75, 75), kGreen);
  // Raising b gives it the overlap.
  SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  RunUntilIdle();
  EXPECT_EQ(At(75, 75), kBlue);
  EXPECT_EQ(At(25, 25), kGreen);
  // Without WS_CLIPSIBLINGS a lower sibling paints over the upper one.
  SetWindowLongA(a, GWL_STYLE, static_cast<LONG>(WS_CHILD | WS_VISIBLE));
  RedrawWindow(a, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(At(75, 75), kGreen);
}

TEST_F(PaintTest, TopLevelWindowsAlwaysClipEachOther) {
  HWND low = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, kRed);
  HWND high = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 50, 50, 100, 100, kBlue);
  RunUntilIdle();
  EXPECT_EQ(GetTopWindow(nullptr), high);
  RedrawWindow(low, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(At(75, 75), kBlue);
  // Hiding the upper window exposes the lower one and the desktop, which repaint.
  ShowWindow(high, SW_HIDE);
  RunUntilIdle();
  EXPECT_EQ(At(75, 75), kRed);
  EXPECT_EQ(At(125, 125), Desktop());
  // Moving a window repaints what it uncovered.
  MoveWindow(low, 200, 200, 100, 100, TRUE);
  RunUntilIdle();
  EXPECT_EQ(At(50, 50), Desktop());
  EXPECT_EQ(At(250, 250), kRed);
}

TEST_F(PaintTest, MovedWindowsTakeTheirPixelsAlong) {
  HWND p = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 300, 300, kRed);
  HWND c = ColorWindow(p, WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, kGreen);
  RunUntilIdle();
  // Paint a mark the window's own painting would not restore.
  HDC dc = GetDC(c);
  SetPixelV(dc, 5, 5, kYellow);
  ReleaseDC(c, dc);
  TMessageRecorder rec;
  rec.Attach(p);
  rec.Attach(c);
  MoveWindow(c, 100, 120, 50, 50, TRUE);
  RunUntilIdle();
  EXPECT_EQ(At(105, 125), kYellow);  // copied, not repainted
  EXPECT_EQ(rec.MessagesOf(c, {WM_PAINT}).size(), 0u);
  EXPECT_EQ(rec.MessagesOf(p, {WM_PAINT}).size(), 1u);  // the uncovered area
  EXPECT_EQ(At(15, 15), kRed);
  // Moving partly off the parent and back: the part that was clipped repaints.
  MoveWindow(c, 280, 120, 50, 50, TRUE);
  MoveWindow(c, 100, 120, 50, 50, TRUE);
  rec.Clear();
  RunUntilIdle();
  EXPECT_EQ(rec.MessagesOf(c, {WM_PAINT}).size(), 1u);
  EXPECT_EQ(At(145, 125), kGreen);
  EXPECT_EQ(At(105, 125), kYellow);  // still the copied pixels
  // SWP_NOCOPYBITS repaints the whole window.
  SetWindowPos(c, nullptr, 50, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOCOPYBITS);
  RunUntilIdle();
  EXPECT_EQ(At(55, 55), kGreen);
}

TEST_F(PaintTest, BeginPaintReportsTheUpdateAreaAndClipsToIt) {
  static RECT paintRect;
  static BOOL paintErase;
  struct P {
    static LRESULT Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
      if (m == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        paintRect = ps.rcPaint;
        paintErase = ps.fErase;
        RECT all;
        GetClientRect(h, &all);
        HBRUSH b = CreateSolidBrush(kYellow);
        FillRect(dc, &all, b);  // paints everything; the DC lets the update area through only
        DeleteObject(b);
        EndPaint(h, &ps);
        return 0;
      }
      return DefWindowProcA(h, m, w, l);
    }
  };
  WNDCLASSA wc;
  wc.lpfnWndProc = P::Proc;
  wc.lpszClassName = "Clipper";
  RegisterClassA(&wc);
  HWND w = CreateWindowExA(0, "Clipper", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  RunUntilIdle();
  EXPECT_EQ(paintRect, (RECT{0, 0, 100, 100}));
  // Fill the window red behind its back, then invalidate a small part.
  HDC dc = GetDC(w);
  RECT r = {0, 0, 100, 100};
  HBRUSH red = CreateSolidBrush(kRed);
  FillRect(dc, &r, red);
  DeleteObject(red);
  ReleaseDC(w, dc);
  RECT part = {10, 20, 30, 40};
  InvalidateRect(w, &part, FALSE);
  RECT part2 = {50, 50, 60, 60};
  InvalidateRect(w, &part2, FALSE);
  RunUntilIdle();
  EXPECT_EQ(paintRect, (RECT{10, 20, 60, 60}));  // the bounds of the update region
  EXPECT_FALSE(paintErase);  // the class has no brush, but nothing asked for erasing
  EXPECT_EQ(At(15, 25), kYellow);
  EXPECT_EQ(At(55, 55), kYellow);
  EXPECT_EQ(At(40, 30), kRed);  // inside the bounds but outside the region
  EXPECT_EQ(At(5, 5), kRed);
  // Asking for erasing with no class brush: fErase tells the window to do it itself.
  InvalidateRect(w, nullptr, TRUE);
  RunUntilIdle();
  EXPECT_TRUE(paintErase);
}

TEST_F(PaintTest, EraseUsesTheClassBrushAndUpdateRegionsCanBeRead) {
  HWND w = CreateWindowExA(0, "PlainWnd", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  RunUntilIdle();
  EXPECT_EQ(At(50, 50), GetSysColor(COLOR_WINDOW));
  RECT r = {10, 10, 20, 20};
  InvalidateRect(w, &r, TRUE);
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetUpdateRgn(w, rgn, FALSE), SIMPLEREGION);
  RECT box;
  GetRgnBox(rgn, &box);
  EXPECT_EQ(box, r);
  RECT r2 = {30, 30, 40, 40};
  InvalidateRect(w, &r2, TRUE);
  EXPECT_EQ(GetUpdateRgn(w, rgn, FALSE), COMPLEXREGION);
  ValidateRect(w, &r);
  EXPECT_EQ(GetUpdateRgn(w, rgn, FALSE), SIMPLEREGION);
  ValidateRgn(w, nullptr);
  EXPECT_EQ(GetUpdateRgn(w, rgn, FALSE), NULLREGION);
  DeleteObject(rgn);
  // UpdateWindow paints at once, without the queue.
  TMessageRecorder rec(w);
  InvalidateRect(w, nullptr, TRUE);
  UpdateWindow(w);
  EXPECT_EQ(rec.Messages({WM_PAINT, WM_ERASEBKGND}), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
  MSG m;
  EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE));
}

TEST_F(PaintTest, RedrawWindowFlagsControlChildrenFramesAndTiming) {
  HWND p = CreateWindowExA(0, "PlainWnd", "", WS_POPUP | WS_VISIBLE | WS_BORDER | WS_CLIPCHILDREN, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
  HWND c = CreateWindowExA(0, "PlainWnd", "", WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, p, nullptr, nullptr, nullptr);
  RunUntilIdle();
  TMessageRecorder rec;
  rec.Attach(p);
  rec.Attach(c);
  RedrawWindow(p, nullptr, nullptr, RDW_INVALIDATE);
  RunUntilIdle();
  EXPECT_EQ(rec.MessagesOf(c, {WM_PAINT}).size(), 0u);  // a clipping parent keeps children out
  rec.Clear();
  RedrawWindow(p, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_FRAME | RDW_ERASE);
  RunUntilIdle();
  EXPECT_EQ(rec.MessagesOf(c, {WM_PAINT}).size(), 1u);
  EXPECT_EQ(rec.MessagesOf(p, {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}),
            (std::vector<UINT>{WM_PAINT, WM_NCPAINT, WM_ERASEBKGND}));
  rec.Clear();
  RedrawWindow(p, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
  EXPECT_EQ(rec.Messages({WM_ERASEBKGND, WM_PAINT}), std::vector<UINT>{WM_ERASEBKGND});
  RunUntilIdle();
  EXPECT_EQ(rec.Messages({WM_ERASEBKGND, WM_PAINT}), (std::vector<UINT>{WM_ERASEBKGND, WM_PAINT}));
  rec.Clear();
  RECT r = {0, 0, 5, 5};
  RedrawWindow(p, &r, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  EXPECT_EQ(rec.MessagesOf(p, {WM_PAINT}).size(), 1u);
  EXPECT_EQ(rec.MessagesOf(c, {WM_PAINT}).size(), 0u);  // the area does not touch the child
}

TEST_F(PaintTest, FramesAreDrawnAroundTheClientArea) {
  HWND w = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE | WS_BORDER, 10, 10, 50, 50, kGreen);
  HWND e = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 100, 10, 50, 50, kGreen, WS_EX_CLIENTEDGE);
  RunUntilIdle();
  EXPECT_EQ(At(10, 10), GetSysColor(COLOR_WINDOWFRAME));
  EXPECT_EQ(At(59, 30), GetSysColor(COLOR_WINDOWFRAME));
  EXPECT_EQ(At(11, 11), kGreen);
  // A client edge: shadow and dark shadow on the top-left, highlight outermost bottom-right.
  EXPECT_EQ(At(100, 30), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(At(101, 30), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(At(149, 30), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(At(102, 30), kGreen);
  (void)w;
  (void)e;
}

TEST_F(PaintTest, CaptionBarIsPaintedInTheActiveColours) {
  HWND a = CreateWindowExA(0, "PlainWnd", "Title", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 100, nullptr, nullptr, nullptr, nullptr);
  RunUntilIdle();
  // Left end of the caption gradient (past the frame).
  EXPECT_EQ(At(10 + 4, 10 + 4 + 17), GetSysColor(COLOR_ACTIVECAPTION));
  HWND b = CreateWindowExA(0, "PlainWnd", "Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 300, 300, 100, nullptr, nullptr, nullptr, nullptr);
  RunUntilIdle();
  EXPECT_EQ(At(10 + 4, 10 + 4 + 17), GetSysColor(COLOR_INACTIVECAPTION));
  EXPECT_EQ(At(10 + 4, 300 + 4 + 17), GetSysColor(COLOR_ACTIVECAPTION));
  (void)a;
  (void)b;
}

TEST_F(PaintTest, CaptionShowsTheTitleAndTheCloseButton) {
  HWND w = CreateWindowExA(0, "PlainWnd", "WWWWWW", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 100, nullptr, nullptr, nullptr, nullptr);
  RunUntilIdle();
  TCapture c = CaptureWindow(w);
  auto countIn = [&](int x0, int x1, int y0, int y1, COLORREF color) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) n += c.Color(x, y) == color;
    return n;
  };
  // Title text in the caption text colour near the left end of the caption.
  EXPECT_GT(countIn(4 + 20, 4 + 120, 4, 4 + 18, GetSysColor(COLOR_CAPTIONTEXT)), 10);
  // No text colour where the caption is empty.
  EXPECT_EQ(countIn(150, 200, 4, 4 + 18, GetSysColor(COLOR_CAPTIONTEXT)), 0);
  // The close button is a raised button face with a dark glyph.
  EXPECT_GT(countIn(300 - 4 - 2 - 16, 300 - 4 - 2, 6, 6 + 14, GetSysColor(COLOR_BTNFACE)), 50);
  EXPECT_GT(countIn(300 - 4 - 2 - 16, 300 - 4 - 2, 6, 6 + 14, GetSysColor(COLOR_BTNTEXT)), 4);
  // A new title repaints the caption.
  SetWindowTextA(w, "");
  c = CaptureWindow(w);
  EXPECT_EQ(countIn(4 + 20, 4 + 120, 4, 4 + 18, GetSysColor(COLOR_CAPTIONTEXT)), 0);
}

TEST_F(PaintTest, ScrollWindowMovesPixelsAndInvalidatesTheUncoveredStrip) {
  static int paints = 0;
  static RECT lastPaint;
  struct P {
    static LRESULT Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
      if (m == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(h, &ps);
        lastPaint = ps.rcPaint;
        ++paints;
        EndPaint(h, &ps);
        return 0;
      }
      return DefWindowProcA(h, m, w, l);
    }
  };
  WNDCLASSA wc;
  wc.lpfnWndProc = P::Proc;
  wc.lpszClassName = "Scroller";
  RegisterClassA(&wc);
  HWND w = CreateWindowExA(0, "Scroller", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  RunUntilIdle();
  HDC dc = GetDC(w);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) SetPixelV(dc, x, y, RGB(x, y, 0));
  ReleaseDC(w, dc);
  paints = 0;
  RECT upd;
  const int kind = ScrollWindowEx(w, 0, -10, nullptr, nullptr, nullptr, &upd, SW_INVALIDATE);
  EXPECT_EQ(kind, SIMPLEREGION);
  EXPECT_EQ(upd, (RECT{0, 90, 100, 100}));
  EXPECT_EQ(At(5, 0), RGB(5, 10, 0));
  EXPECT_EQ(At(5, 89), RGB(5, 99, 0));
  RunUntilIdle();
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(lastPaint, (RECT{0, 90, 100, 100}));
  // A scroll rectangle and clip rectangle limit what moves.
  RECT scroll = {0, 0, 50, 100};
  ScrollWindowEx(w, 10, 0, &scroll, &scroll, nullptr, &upd, 0);
  EXPECT_EQ(upd, (RECT{0, 0, 10, 100}));
  EXPECT_EQ(At(15, 0), RGB(5, 10, 0));
  EXPECT_EQ(At(55, 0), RGB(55, 10, 0));  // outside the clip rectangle: untouched
}

TEST_F(PaintTest, ScrollDcMovesPixelsWithinTheDc) {
  HWND w = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, kRed);
  RunUntilIdle();
  HDC dc = GetDC(w);
  RECT top = {0, 0, 100, 10};
  HBRUSH b = CreateSolidBrush(kBlue);
  FillRect(dc, &top, b);
  DeleteObject(b);
  RECT upd;
  ASSERT_TRUE(ScrollDC(dc, 0, 20, nullptr, nullptr, nullptr, &upd));
  ReleaseDC(w, dc);
  EXPECT_EQ(At(50, 25), kBlue);
  EXPECT_EQ(At(50, 5), kBlue);  // the source is left as it was
  EXPECT_EQ(upd, (RECT{0, 0, 100, 20}));
}

TEST_F(PaintTest, ScrollChildrenMovesThem) {
  HWND p = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 200, 200, kRed);
  HWND c = ColorWindow(p, WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, kGreen);
  RunUntilIdle();
  ScrollWindowEx(p, 5, 7, nullptr, nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
  RunUntilIdle();
  RECT r;
  GetWindowRect(c, &r);
  EXPECT_EQ(r, (RECT{15, 17, 35, 37}));
  EXPECT_EQ(At(16, 18), kGreen);
  EXPECT_EQ(At(11, 11), kRed);
}

TEST_F(PaintTest, WindowRegionsClipPaintingAndHitTesting) {
  HWND w = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, kGreen);
  SetWindowRgn(w, CreateEllipticRgn(0, 0, 100, 100), TRUE);
  RunUntilIdle();
  EXPECT_EQ(At(50, 50), kGreen);
  EXPECT_EQ(At(2, 2), Desktop());  // a corner outside the ellipse
  EXPECT_EQ(WindowFromPoint(POINT{2, 2}), nullptr);
  EXPECT_EQ(WindowFromPoint(POINT{50, 50}), w);
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(w, copy), COMPLEXREGION);
  EXPECT_TRUE(PtInRegion(copy, 50, 50));
  EXPECT_FALSE(PtInRegion(copy, 2, 2));
  DeleteObject(copy);
  SetWindowRgn(w, nullptr, TRUE);
  RunUntilIdle();
  EXPECT_EQ(At(2, 2), kGreen);
}

TEST_F(PaintTest, LockWindowUpdateSuppressesDrawingUntilUnlocked) {
  HWND w = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, kGreen);
  RunUntilIdle();
  ASSERT_TRUE(LockWindowUpdate(w));
  EXPECT_FALSE(LockWindowUpdate(w));  // one lock at a time
  SetWindowLongPtrA(w, GWLP_USERDATA, static_cast<LONG_PTR>(kBlue));
  InvalidateRect(w, nullptr, TRUE);
  RunUntilIdle();
  EXPECT_EQ(At(50, 50), kGreen);
  LockWindowUpdate(nullptr);
  RunUntilIdle();
  EXPECT_EQ(At(50, 50), kBlue);
}

TEST_F(PaintTest, WindowDcsStartAtTheClientCornerAndOwnDcsKeepState) {
  HWND w = CreateWindowExA(0, "PlainWnd", "", WS_POPUP | WS_VISIBLE | WS_BORDER, 20, 20, 100, 100, nullptr, nullptr, nullptr, nullptr);
  RunUntilIdle();
  HDC dc = GetDC(w);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(WindowFromDC(dc), w);
  SetPixelV(dc, 0, 0, kRed);
  SetPixelV(dc, -1, -1, kRed);  // the frame is outside a client DC
  EXPECT_EQ(ReleaseDC(w, dc), 1);
  EXPECT_EQ(ReleaseDC(w, dc), 0);
  EXPECT_EQ(At(21, 21), kRed);
  EXPECT_EQ(At(20, 20), GetSysColor(COLOR_WINDOWFRAME));
  HDC wdc = GetWindowDC(w);
  SetPixelV(wdc, 0, 0, kBlue);
  ReleaseDC(w, wdc);
  EXPECT_EQ(At(20, 20), kBlue);
  // A screen DC covers everything.
  HDC sdc = GetDC(nullptr);
  SetPixelV(sdc, 500, 500, kYellow);
  ReleaseDC(nullptr, sdc);
  EXPECT_EQ(At(500, 500), kYellow);

  WNDCLASSA wc;
  wc.lpfnWndProc = PlainProc;
  wc.lpszClassName = "Own";
  wc.style = CS_OWNDC;
  RegisterClassA(&wc);
  HWND o = CreateWindowExA(0, "Own", "", WS_POPUP | WS_VISIBLE, 300, 300, 50, 50, nullptr, nullptr, nullptr, nullptr);
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
  const TCapture whole = CaptureWindow(w, true);
  const TCapture client = CaptureWindow(w, false);
  EXPECT_EQ(whole.Width, 40);
  EXPECT_EQ(whole.Height, 30);
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
  const std::string failure = WriteFailurePng(whole, "what/the test saw");
  ASSERT_FALSE(failure.empty());
  EXPECT_NE(failure.find("what_the_test_saw.png"), std::string::npos);
  std::remove(failure.c_str());
  EXPECT_FALSE(WritePng(whole, "/nonexistent-dir/x.png"));
}

TEST_F(PaintTest, RenderingAWindowAloneIgnoresWhatCoversIt) {
  HWND low = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, kRed);
  HWND kid = ColorWindow(low, WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, kGreen);
  HWND high = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 50, 50, 100, 100, kBlue);
  RunUntilIdle();
  const TCapture seen = CaptureWindow(low);
  EXPECT_EQ(seen.Color(75, 75), kBlue);
  const TCapture alone = RenderWindow(low);
  ASSERT_EQ(alone.Width, 100);
  EXPECT_EQ(alone.Color(75, 75), kRed);
  EXPECT_EQ(alone.Color(15, 15), kGreen);
  // The real screen is unchanged and nothing is left to paint.
  EXPECT_EQ(At(75, 75), kBlue);
  EXPECT_EQ(CountDifferentPixels(CaptureWindow(low), seen), 0);
  EXPECT_EQ(RunUntilIdle(), 0);
  ShowWindow(high, SW_HIDE);
  EXPECT_EQ(RenderWindow(high).Width, 0);  // hidden windows render nothing
  (void)kid;
}

// ---- The caret ----

class CaretTest : public PaintTest {
 protected:
  void SetUp() override {
    PaintTest::SetUp();
    w_ = ColorWindow(nullptr, WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, RGB(255, 255, 255));
    RunUntilIdle();
  }
  bool CaretShown() { return At(11, 21) == RGB(0, 0, 0); }
  HWND w_;
};

TEST_F(CaretTest, CaretIsCreatedHiddenAndBlinksOnTheClock) {
  ASSERT_TRUE(CreateCaret(w_, nullptr, 2, 10));
  SetCaretPos(10, 20);
  POINT p;
  GetCaretPos(&p);
  EXPECT_EQ(p, (POINT{10, 20}));
  EXPECT_FALSE(CaretShown());
  ShowCaret(w_);
  EXPECT_TRUE(CaretShown());
  EXPECT_EQ(At(12, 21), RGB(255, 255, 255));  // two pixels wide
  EXPECT_EQ(GetCaretBlinkTime(), 530u);
  AdvanceClock(529);
  EXPECT_TRUE(CaretShown());
  AdvanceClock(1);
  EXPECT_FALSE(CaretShown());
  AdvanceClock(530);
  EXPECT_TRUE(CaretShown());
  SetCaretBlinkTime(100);
  AdvanceClock(100);
  EXPECT_FALSE(CaretShown());
  DestroyCaret();
  EXPECT_FALSE(CaretShown());
  AdvanceClock(1000);
  EXPECT_FALSE(CaretShown());
}

TEST_F(CaretTest, HideAndShowNest) {
  CreateCaret(w_, nullptr, 2, 10);
  SetCaretPos(10, 20);
  ShowCaret(w_);
  HideCaret(w_);
  HideCaret(w_);
  EXPECT_FALSE(CaretShown());
  ShowCaret(w_);
  EXPECT_FALSE(CaretShown());  // still hidden once
  ShowCaret(w_);
  EXPECT_TRUE(CaretShown());
  ShowCaret(w_);  // no effect at zero
  HideCaret(w_);
  EXPECT_FALSE(CaretShown());
  AdvanceClock(2000);
  EXPECT_FALSE(CaretShown());  // a hidden caret does not blink
  EXPECT_FALSE(ShowCaret(reinterpret_cast<HWND>(0x1234)));  // not the owner
}

TEST_F(CaretTest, PaintingHidesTheCaretAndMovingRestartsTheBlink) {
  CreateCaret(w_, nullptr, 2, 10);
  SetCaretPos(10, 20);
  ShowCaret(w_);
  // The window repaints under the caret: the caret is taken off and put back.
  InvalidateRect(w_, nullptr, TRUE);
  RunUntilIdle();
  EXPECT_TRUE(CaretShown());
  AdvanceClock(530);
  EXPECT_FALSE(CaretShown());
  EXPECT_EQ(At(11, 21), RGB(255, 255, 255));
  SetCaretPos(30, 20);
  EXPECT_EQ(At(31, 21), RGB(0, 0, 0));  // shown at once after moving
  EXPECT_EQ(At(11, 21), RGB(255, 255, 255));
  // A new caret replaces the old one; destroying the window destroys its caret.
  CreateCaret(w_, nullptr, 2, 10);
  EXPECT_EQ(At(31, 21), RGB(255, 255, 255));
  DestroyWindow(w_);
  EXPECT_FALSE(DestroyCaret());
}

}  // namespace
}  // namespace usertest
