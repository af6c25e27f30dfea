// The icon in the caption: the window's small icon, else its big one, else its class's, drawn
// scaled into the slot at the left of the caption of a window with a system menu; the
// system's application icon has a picture of its own.
#include <algorithm>
#include <functional>

#include "UserTestSupport.h"
#include "tests/support/PixelCheck.h"

namespace usertest {
namespace {

using namespace testkit;

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

// An opaque size x size icon whose pixels come from `color` (COLORREF).
HICON MakeIcon(int size, const std::function<COLORREF(int x, int y)>& color) {
  std::vector<uint32_t> bits(size_t(size) * size_t(size));
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const COLORREF c = color(x, y);
      bits[size_t(y) * size_t(size) + size_t(x)] =
          (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c);
    }
  const std::vector<uint8_t> mask(size_t((size + 15) / 16 * 2) * size_t(size), 0);
  HBITMAP colorBits = CreateBitmap(size, size, 1, 32, bits.data());
  HBITMAP maskBits = CreateBitmap(size, size, 1, 1, mask.data());
  ICONINFO ii{};
  ii.fIcon = TRUE;
  ii.hbmColor = colorBits;
  ii.hbmMask = maskBits;
  HICON icon = CreateIconIndirect(&ii);
  DeleteObject(colorBits);
  DeleteObject(maskBits);
  return icon;
}

// An icon drawn at its size on a grey DIB.
TCapture DrawnIcon(HICON icon, int size) {
  BITMAPINFO info{};
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bmp = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bmp);
  auto* p = static_cast<uint32_t*>(bits);
  std::fill(p, p + size_t(size) * size_t(size), 0x808080u);
  DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  TCapture c;
  c.Width = c.Height = size;
  c.Pixels.assign(p, p + size_t(size) * size_t(size));
  SelectObject(dc, old);
  DeleteObject(bmp);
  DeleteDC(dc);
  return c;
}

HICON Solid(int size, COLORREF c) {
  return MakeIcon(size, [c](int, int) { return c; });
}
// 32 x 32: red left half, blue right half.
HICON Halves() {
  return MakeIcon(32, [](int x, int) { return x < 16 ? kRed : kBlue; });
}

// The smallest rectangle where two captures of the same size differ (empty when none).
RECT Differs(const TCapture& a, const TCapture& b) {
  RECT box{0, 0, 0, 0};
  bool any = false;
  for (int y = 0; y < a.Height; ++y)
    for (int x = 0; x < a.Width; ++x) {
      if (a.Pixel(x, y) == b.Pixel(x, y)) continue;
      if (!any) box = RECT{x, y, x + 1, y + 1};
      box = RECT{std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                 std::max(box.Bottom, y + 1)};
      any = true;
    }
  return box;
}

class CaptionIconTest : public UserTest {
 protected:
  void TearDown() override {
    for (HICON i : icons_) DestroyIcon(i);
  }
  HICON Keep(HICON i) {
    icons_.push_back(i);
    return i;
  }
  // A visible framed window of `cls` with a system menu (or the style given).
  HWND Framed(const char* cls = "PlainWnd", DWORD style = WS_OVERLAPPEDWINDOW, DWORD ex = 0) {
    HWND w = Make(cls, style | WS_VISIBLE, nullptr, 20, 20, 200, 80, "Title", ex);
    RunUntilIdle();
    return w;
  }
  // Where the window's icon slot is: what a solid small icon changes.
  RECT SlotOf(HWND w) {
    const TCapture before = CaptureWindow(w);
    SendMessageA(w, WM_SETICON, ICON_SMALL, LPARAM(Keep(Solid(16, kGreen))));
    const RECT slot = Differs(before, CaptureWindow(w));
    SendMessageA(w, WM_SETICON, ICON_SMALL, 0);
    return slot;
  }
  std::vector<HICON> icons_;
};

struct TIconCase {
  const char* Name;
  bool ClassSmall, ClassBig, WindowSmall, WindowBig;
  COLORREF Left, Right;  // the shown icon's left and right halves
};

class CaptionIconChoice : public CaptionIconTest,
                          public ::testing::WithParamInterface<TIconCase> {};

TEST_P(CaptionIconChoice, TheSmallestOwnIconShowsScaledToTheSlot) {
  const TIconCase& c = GetParam();
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = PlainProc;
  wc.lpszClassName = "IconWnd";
  wc.hIcon = c.ClassBig ? Keep(Halves()) : nullptr;
  wc.hIconSm = c.ClassSmall ? Keep(Solid(16, kYellow)) : nullptr;
  ASSERT_NE(RegisterClassExA(&wc), 0);
  // Where the slot is, from a window of the same size without icons.
  HWND plain = Framed();
  const RECT slot = SlotOf(plain);
  DestroyWindow(plain);
  ASSERT_EQ(slot.Right - slot.Left, GetSystemMetrics(SM_CXSMICON)) << c.Name;
  ASSERT_EQ(slot.Bottom - slot.Top, GetSystemMetrics(SM_CYSMICON)) << c.Name;
  HWND w = Framed("IconWnd");
  const TCapture before = CaptureWindow(w);
  if (c.WindowSmall) SendMessageA(w, WM_SETICON, ICON_SMALL, LPARAM(Keep(Solid(16, kGreen))));
  if (c.WindowBig) SendMessageA(w, WM_SETICON, ICON_BIG, LPARAM(Keep(Halves())));
  const TCapture after = CaptureWindow(w);
  // The same window with every icon taken away.
  SendMessageA(w, WM_SETICON, ICON_SMALL, 0);
  SendMessageA(w, WM_SETICON, ICON_BIG, 0);
  SetClassLongPtrA(w, GCLP_HICON, 0);
  SetClassLongPtrA(w, GCLP_HICONSM, 0);
  RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  const TCapture bare = CaptureWindow(w);
  const int middle = (slot.Left + slot.Right) / 2;
  EXPECT_TRUE(PixelsMatch(
      after,
      [&](int x, int y) {
        const bool in = x >= slot.Left && x < slot.Right && y >= slot.Top && y < slot.Bottom;
        return in ? (x < middle ? c.Left : c.Right) : bare.Color(x, y);
      },
      std::string("caption_icon_") + c.Name));
  // A class icon shows from the start, before any WM_SETICON.
  EXPECT_EQ(before.Pixels != bare.Pixels, c.ClassSmall || c.ClassBig);
}

INSTANTIATE_TEST_SUITE_P(
    Icons, CaptionIconChoice,
    ::testing::Values(TIconCase{"window_small", false, false, true, false, kGreen, kGreen},
                      TIconCase{"window_big_scaled", false, false, false, true, kRed, kBlue},
                      TIconCase{"window_small_before_big", false, false, true, true, kGreen,
                                kGreen},
                      TIconCase{"class_small", true, false, false, false, kYellow, kYellow},
                      TIconCase{"class_big_scaled", false, true, false, false, kRed, kBlue},
                      TIconCase{"window_before_class", true, true, false, true, kRed, kBlue}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(CaptionIconTest, SetIconAnswersTheIconItReplacesAndGetIconTheOneAsked) {
  HWND w = Framed();
  const TCapture initial = CaptureWindow(w);
  HICON big = Keep(Halves()), small = Keep(Solid(16, kGreen)), other = Keep(Solid(32, kRed));
  EXPECT_EQ(SendMessageA(w, WM_GETICON, ICON_SMALL2, 0), 0);
  EXPECT_EQ(SendMessageA(w, WM_SETICON, ICON_BIG, LPARAM(big)), 0);
  EXPECT_EQ(HICON(SendMessageA(w, WM_GETICON, ICON_SMALL2, 0)), big);  // no small one yet
  EXPECT_EQ(SendMessageA(w, WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_EQ(SendMessageA(w, WM_SETICON, ICON_SMALL, LPARAM(small)), 0);
  EXPECT_EQ(HICON(SendMessageA(w, WM_GETICON, ICON_SMALL2, 0)), small);
  EXPECT_EQ(HICON(SendMessageA(w, WM_SETICON, ICON_BIG, LPARAM(other))), big);
  EXPECT_EQ(HICON(SendMessageA(w, WM_GETICON, ICON_BIG, 0)), other);
  EXPECT_EQ(SendMessageA(w, WM_SETICON, 7, LPARAM(big)), 0);  // no such icon
  EXPECT_EQ(HICON(SendMessageA(w, WM_GETICON, ICON_BIG, 0)), other);
  // Taking the icons away empties the slot again.
  const TCapture shown = CaptureWindow(w);
  SendMessageA(w, WM_SETICON, ICON_SMALL, 0);
  SendMessageA(w, WM_SETICON, ICON_BIG, 0);
  EXPECT_NE(initial.Pixels, shown.Pixels);
  EXPECT_TRUE(SamePixels(CaptureWindow(w), initial, "icon_removed"));
}

TEST_F(CaptionIconTest, TheSystemsApplicationIconHasAPictureOfItsOwn) {
  HWND w = Framed();
  const RECT slot = SlotOf(w);
  ASSERT_EQ(slot.Right - slot.Left, GetSystemMetrics(SM_CXSMICON));
  const TCapture plain = CaptureWindow(w);
  SendMessageA(w, WM_SETICON, ICON_BIG,
               LPARAM(LoadIconA(nullptr, MAKEINTRESOURCE(IDI_APPLICATION))));
  const TCapture after = CaptureWindow(w);
  // A window picture: a dark frame and title, a white inside, the caption around it. Nothing
  // changes outside the slot.
  int black = 0, navy = 0, white = 0;
  for (int y = slot.Top; y < slot.Bottom; ++y)
    for (int x = slot.Left; x < slot.Right; ++x) {
      const COLORREF c = after.Color(x, y);
      black += c == RGB(0, 0, 0);
      navy += c == RGB(0, 0, 128);
      white += c == RGB(255, 255, 255);
    }
  EXPECT_GT(black, 20);
  EXPECT_GT(navy, 10);
  EXPECT_GT(white, 50);
  for (const POINT p : {POINT{slot.Left, slot.Top}, POINT{slot.Right - 1, slot.Bottom - 1}})
    EXPECT_EQ(after.Color(p.X, p.Y), plain.Color(p.X, p.Y));
  const RECT changed = Differs(plain, after);
  EXPECT_TRUE(changed.Left >= slot.Left && changed.Right <= slot.Right && changed.Top >= slot.Top &&
              changed.Bottom <= slot.Bottom);
  // The other system icons have pictures too: the hand shows red in the slot.
  SendMessageA(w, WM_SETICON, ICON_BIG, LPARAM(LoadIconA(nullptr, MAKEINTRESOURCE(IDI_HAND))));
  const TCapture hand = CaptureWindow(w);
  int red = 0;
  for (int y = slot.Top; y < slot.Bottom; ++y)
    for (int x = slot.Left; x < slot.Right; ++x) red += hand.Color(x, y) == kRed;
  EXPECT_GT(red, 20);
}

// Each system icon draws its own picture at full size, transparent round it, and copies into
// a real icon of the same picture.
TEST(StockIcons, EachSystemIconHasItsPicture) {
  TSession session;
  struct TCase {
    uintptr_t Id;
    POINT Probe;
    COLORREF Expected;
  };
  const TCase cases[] = {
      {IDI_APPLICATION, {16, 20}, RGB(255, 255, 255)}, {IDI_HAND, {6, 16}, kRed},
      {IDI_QUESTION, {6, 16}, RGB(255, 255, 255)},     {IDI_EXCLAMATION, {16, 26}, kYellow},
      {IDI_ASTERISK, {6, 16}, RGB(255, 255, 255)},     {IDI_WINLOGO, {16, 7}, RGB(0, 0, 128)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Id);
    const HICON stock = LoadIconA(nullptr, MAKEINTRESOURCE(c.Id));
    ASSERT_NE(stock, nullptr);
    const HICON copy = CopyIcon(stock);
    ASSERT_NE(copy, nullptr);
    for (const HICON icon : {stock, copy}) {
      const TCapture drawn = DrawnIcon(icon, 32);
      EXPECT_EQ(drawn.Color(0, 0), RGB(128, 128, 128));  // transparent corner
      EXPECT_EQ(drawn.Color(c.Probe.X, c.Probe.Y), c.Expected);
    }
    ICONINFO info{};
    EXPECT_TRUE(GetIconInfo(stock, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(copy);
  }
  // The question and the asterisk differ in their letter.
  EXPECT_FALSE(SamePixels(DrawnIcon(LoadIconA(nullptr, MAKEINTRESOURCE(IDI_QUESTION)), 32),
                          DrawnIcon(LoadIconA(nullptr, MAKEINTRESOURCE(IDI_ASTERISK)), 32),
                          "question_is_not_asterisk"));
}

}  // namespace
}  // namespace usertest
