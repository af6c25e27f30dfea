#include "edits/ZYLFontSymbols.h"

#include <array>
#include <vector>

#include "platform/classes/Resources.h"
#include "platform/graphics/Bitmap.h"

namespace zyl {

namespace {

constexpr int kWidth = 2 * ZYLFontSymbolSize;

// One character per pixel: '.' background, 'k' black, 'b' blue, 'l' light grey, 'w' white,
// 'G' green.
constexpr std::array<const char*, ZYLFontSymbolSize> kPicture = {{
    "............"
    "............",
    "kkkkkkk....."
    "...wwwwww...",
    "k..k..k....."
    "...w....w...",
    "...k........"
    "...w....w...",
    "...k.bbbbbbb"
    ".kkkkkkkkkk.",
    "...k.b..b..b"
    "kllllllllllk",
    "..kkk...b..."
    "kllllllllGlk",
    "........b..."
    "kllllllllllk",
    "........b..."
    "kkkkkkkkkkkk",
    "........b..."
    ".kwwwwwwwwk.",
    ".......bbb.."
    ".kkkkkkkkkk.",
    "............"
    "............",
}};

int32_t ColourOf(char Key) {
  switch (Key) {
    case 'k': return 0x000000;
    case 'b': return 0x800000;
    case 'l': return 0xC0C0C0;
    case 'w': return 0xFFFFFF;
    case 'G': return 0x008000;
    default: return 0xFF00FF;
  }
}

// A 24-bit packed DIB: BITMAPINFOHEADER, then the rows bottom-up, each padded to 4 bytes.
std::vector<uint8_t> BuildDib() {
  constexpr uint32_t rowBytes = (kWidth * 3 + 3) / 4 * 4;
  std::vector<uint8_t> v;
  const auto put = [&v](uint32_t x, int bytes) {
    for (int i = 0; i < bytes; ++i) v.push_back(uint8_t(x >> (8 * i)));
  };
  put(40, 4);
  put(kWidth, 4);
  put(ZYLFontSymbolSize, 4);
  put(1, 2);   // planes
  put(24, 2);  // bits per pixel
  put(0, 4);   // BI_RGB
  put(rowBytes * ZYLFontSymbolSize, 4);
  put(3780, 4);  // 96 pixels per inch
  put(3780, 4);
  put(0, 4);
  put(0, 4);
  for (int y = ZYLFontSymbolSize - 1; y >= 0; --y) {
    for (int x = 0; x < kWidth; ++x) {
      const int32_t c = ZYLFontSymbolPixel(x, y);
      v.insert(v.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
    }
    v.resize(v.size() + (rowBytes - kWidth * 3), 0);
  }
  return v;
}

[[maybe_unused]] const bool kRegistered = (ZYLRegisterFontSymbols(), true);

}  // namespace

int32_t ZYLFontSymbolPixel(int X, int Y) {
  if (X < 0 || Y < 0 || X >= kWidth || Y >= ZYLFontSymbolSize) return ColourOf('.');
  return ColourOf(kPicture[static_cast<size_t>(Y)][X]);
}

void ZYLRegisterFontSymbols() {
  static const std::vector<uint8_t> dib = BuildDib();
  vcl::RegisterResource(vcl::HInstance, vcl::RT_BITMAP, "ZYLBMPFONT", dib.data(), dib.size());
}

vcl::TBitmap* ZYLLoadFontSymbols() {
  auto* bmp = new vcl::TBitmap();
  bmp->LoadFromResourceName(vcl::HInstance, "ZYLBMPFONT");
  bmp->SetTransparent(true);
  return bmp;
}

}  // namespace zyl
