// The pictures of the system's shared icons (LoadIcon(nullptr, IDI_...)). Their handles are
// pseudo-handles the raster engine does not hold; the engine asks StockIcon for a real icon
// when it draws or copies one (SetStockIconProvider, registered with the desktop).
//
// The application icon and the window logo are a window with a dark title; the message icons
// are drawn at 32 x 32 with the raster engine's own shapes and a bold font: the hand a red
// disc with a white cross, the question and the asterisk a white disc with a blue '?' or 'i',
// the exclamation a yellow triangle with a black '!'. Whatever is left in the key colour is
// transparent.
#include <array>

#include "platform/gdi/GdiGuards.h"
#include "platform/text/Text.h"
#include "platform/user/UserInternal.h"

namespace win::user {

namespace {

// The system's icons are 0x00020000 | IDI_* (Input.cpp, LoadIconA).
constexpr uintptr_t kSystemIconBase = 0x00020000u;
constexpr int kSize = 32;
constexpr COLORREF kKey = RGB(255, 0, 255);

constexpr COLORREF kNavy = RGB(0, 0, 128), kBlue = RGB(0, 0, 255), kRed = RGB(255, 0, 0),
                   kYellow = RGB(255, 255, 0), kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);

// Fills a rectangle of the picture.
void Box(HDC dc, int l, int t, int r, int b, COLORREF c) {
  const TOwnedObject<HBRUSH> brush(CreateSolidBrush(c));
  const RECT rc{l, t, r, b};
  FillRect(dc, &rc, brush);
}

// A shape filled with Fill and outlined in black.
template <class Draw>
void Shape(HDC dc, COLORREF Fill, Draw draw) {
  const TOwnedObject<HBRUSH> brush(CreateSolidBrush(Fill));
  const TOwnedObject<HPEN> pen(CreatePen(PS_SOLID, 1, kBlack));
  const TSelectedObject b(dc, brush), p(dc, pen);
  draw();
}

// A bold letter centred in the picture.
void Letter(HDC dc, const char* text, COLORREF color) {
  const TOwnedObject<HFONT> font(
      CreateFontA(-22, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Times New Roman"));
  const TSelectedObject f(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  RECT r{0, 2, kSize, kSize};
  DrawTextA(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void Paint(HDC dc, uintptr_t id) {
  Box(dc, 0, 0, kSize, kSize, kKey);
  switch (id) {
    case IDI_HAND: {
      Shape(dc, kRed, [&] { Ellipse(dc, 1, 1, 31, 31); });
      const TOwnedObject<HPEN> pen(CreatePen(PS_SOLID, 4, kWhite));
      const TSelectedObject p(dc, pen);
      MoveToEx(dc, 10, 10, nullptr);
      LineTo(dc, 22, 22);
      MoveToEx(dc, 22, 10, nullptr);
      LineTo(dc, 10, 22);
      break;
    }
    case IDI_QUESTION:
    case IDI_ASTERISK:
      Shape(dc, kWhite, [&] { Ellipse(dc, 1, 1, 31, 31); });
      Letter(dc, id == IDI_QUESTION ? "?" : "i", kBlue);
      break;
    case IDI_EXCLAMATION: {
      const POINT triangle[] = {{16, 1}, {31, 29}, {1, 29}};
      Shape(dc, kYellow, [&] { Polygon(dc, triangle, 3); });
      Letter(dc, "!", kBlack);
      break;
    }
    default:  // the application icon and the window logo: a window with a dark title
      Box(dc, 2, 4, 30, 28, kBlack);
      Box(dc, 4, 6, 28, 10, kNavy);
      Box(dc, 4, 12, 28, 26, kWhite);
      break;
  }
}

}  // namespace

HICON StockIcon(HICON icon) {
  const uintptr_t value = reinterpret_cast<uintptr_t>(icon);
  if ((value & ~uintptr_t{0xFFFF}) != kSystemIconBase) return nullptr;
  const uintptr_t id = value & 0xFFFF;
  if (id < IDI_APPLICATION || id > IDI_WINLOGO) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biWidth = kSize;
  info.bmiHeader.biHeight = -kSize;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const TMemoryDC dc(nullptr);
  TOwnedObject<HBITMAP> color(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!color || !bits) return nullptr;
  {
    const TSelectedObject selected(dc, color);
    Paint(dc, id);
  }
  // The key colour becomes the mask's transparent part and black in the picture.
  std::array<uint8_t, kSize * kSize / 8> mask{};
  auto* pixels = static_cast<uint32_t*>(bits);
  const uint32_t key = (GetRValue(kKey) << 16) | (GetGValue(kKey) << 8) | GetBValue(kKey);
  for (size_t i = 0; i < size_t(kSize) * kSize; ++i)
    if ((pixels[i] & 0xFFFFFF) == key) {
      mask[i / 8] |= uint8_t(0x80 >> (i % 8));
      pixels[i] = 0;
    }
  const TOwnedObject<HBITMAP> maskBits(CreateBitmap(kSize, kSize, 1, 1, mask.data()));
  if (!maskBits) return nullptr;
  ICONINFO ii{};
  ii.fIcon = TRUE;
  ii.hbmColor = color;
  ii.hbmMask = maskBits;
  return CreateIconIndirect(&ii);
}

}  // namespace win::user
