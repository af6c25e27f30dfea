#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <random>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "tests/platform/gdi/GdiTestUtil.h"

using namespace win;
using namespace gditest;

namespace {

// A BITMAPINFO with room for a full colour table or masks.
struct Info {
  BITMAPINFOHEADER h;
  RGBQUAD colors[256];
  BITMAPINFO* get() { return reinterpret_cast<BITMAPINFO*>(this); }
};

Info MakeInfo(int w, int h, int bpp, DWORD compression = BI_RGB) {
  Info i{};
  i.h.biWidth = w;
  i.h.biHeight = h;
  i.h.biBitCount = WORD(bpp);
  i.h.biCompression = compression;
  if (bpp <= 8) {
    // Distinct colours so every index reads back as itself.
    for (int k = 0; k < (1 << bpp); ++k) i.colors[k] = {BYTE(k * 3), BYTE(255 - k), BYTE(k * 7 % 256), 0};
  }
  if (compression == BI_BITFIELDS) {
    DWORD* m = reinterpret_cast<DWORD*>(i.colors);
    if (bpp == 16) { m[0] = 0xF800; m[1] = 0x07E0; m[2] = 0x001F; }
    else { m[0] = 0xFF0000; m[1] = 0xFF00; m[2] = 0xFF; }
  }
  return i;
}

size_t RowBytes(int w, int bpp) { return size_t((w * bpp + 31) / 32) * 4; }

// Random bits valid for the format (indices inside the table; padding zero).
std::vector<uint8_t> RandomBits(int w, int h, int bpp, std::mt19937& rng) {
  const size_t rb = RowBytes(w, bpp);
  std::vector<uint8_t> bits(rb * h, 0);
  const size_t used = (size_t(w) * bpp + 7) / 8;
  for (int y = 0; y < h; ++y) {
    for (size_t i = 0; i < used; ++i) bits[y * rb + i] = uint8_t(rng());
    // Clear bits beyond the last pixel of the last used byte.
    const int tail = int(used * 8 - size_t(w) * bpp);
    if (tail) bits[y * rb + used - 1] &= uint8_t(0xFF << tail);
  }
  if (bpp == 16) {  // 555: the top bit is unused
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) bits[y * rb + 2 * x + 1] &= 0x7F;
  }
  return bits;
}

struct Format {
  int bpp;
  DWORD compression;
};

}  // namespace

TEST(DibFormats, EachDepthRoundTripsThroughSetAndGetDIBits) {
  std::mt19937 rng(3);
  const Format formats[] = {{1, BI_RGB},  {4, BI_RGB},       {8, BI_RGB}, {16, BI_RGB},
                            {16, BI_BITFIELDS}, {24, BI_RGB}, {32, BI_RGB}, {32, BI_BITFIELDS}};
  for (const Format& f : formats) {
    for (int h : {5, -5}) {  // bottom-up and top-down
      SCOPED_TRACE(testing::Message() << f.bpp << " bits, compression " << f.compression << ", height " << h);
      const int w = 13;
      Info info = MakeInfo(w, h, f.bpp, f.compression);
      std::vector<uint8_t> bits = RandomBits(w, 5, f.bpp, rng);
      if (f.bpp == 16 && f.compression == BI_BITFIELDS)  // 565 uses all sixteen bits
        for (size_t i = 0; i < bits.size(); ++i)
          if (i % RowBytes(w, 16) < size_t(2 * w)) bits[i] = uint8_t(rng());
      if (f.bpp == 32)  // the fourth byte is not kept through colour conversion
        for (size_t i = 3; i < bits.size(); i += 4) bits[i] = 0;
      HBITMAP bm = CreateCompatibleBitmap(nullptr, w, 5);
      ASSERT_EQ(SetDIBits(nullptr, bm, 0, 5, bits.data(), info.get(), DIB_RGB_COLORS), 5);
      std::vector<uint8_t> back(bits.size(), 0xCD);
      Info out = info;
      ASSERT_EQ(GetDIBits(nullptr, bm, 0, 5, back.data(), out.get(), DIB_RGB_COLORS), 5);
      if (f.bpp <= 8) {
        // Through a DIB section of the same format the indices themselves survive.
        void* dibBits = nullptr;
        HBITMAP dib = CreateDIBSection(nullptr, info.get(), DIB_RGB_COLORS, &dibBits, nullptr, 0);
        ASSERT_NE(dib, nullptr);
        ASSERT_EQ(SetDIBits(nullptr, dib, 0, 5, bits.data(), info.get(), DIB_RGB_COLORS), 5);
        EXPECT_EQ(std::memcmp(dibBits, bits.data(), bits.size()), 0);
        std::fill(back.begin(), back.end(), 0xCD);
        ASSERT_EQ(GetDIBits(nullptr, dib, 0, 5, back.data(), out.get(), DIB_RGB_COLORS), 5);
        EXPECT_EQ(back, bits);
        DeleteObject(dib);
      } else {
        EXPECT_EQ(back, bits);
      }
      DeleteObject(bm);
    }
  }
}

TEST(DibFormats, PaletteDepthsKeepColoursThroughDeviceBitmaps) {
  std::mt19937 rng(5);
  Info info = MakeInfo(8, 2, 8);
  std::vector<uint8_t> bits = RandomBits(8, 2, 8, rng);
  HBITMAP bm = CreateCompatibleBitmap(nullptr, 8, 2);
  SetDIBits(nullptr, bm, 0, 2, bits.data(), info.get(), DIB_RGB_COLORS);
  // Read back as 24 bits: each pixel is its table colour.
  Info out = MakeInfo(8, 2, 24);
  std::vector<uint8_t> rgb(RowBytes(8, 24) * 2);
  GetDIBits(nullptr, bm, 0, 2, rgb.data(), out.get(), DIB_RGB_COLORS);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 8; ++x) {
      const RGBQUAD q = info.colors[bits[y * 8 + x]];
      const uint8_t* p = &rgb[y * RowBytes(8, 24) + 3 * x];
      EXPECT_EQ(p[0], q.rgbBlue);
      EXPECT_EQ(p[1], q.rgbGreen);
      EXPECT_EQ(p[2], q.rgbRed);
    }
  DeleteObject(bm);
}

TEST(DibSections, VisibleBitsStayInTheDeclaredFormat) {
  Info info = MakeInfo(4, 2, 24);  // bottom-up
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, info.get(), DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(bits, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, dib);
  RECT top{0, 0, 4, 1};
  HBRUSH red = CreateSolidBrush(kRed);
  FillRect(dc, &top, red);
  const uint8_t* b = static_cast<const uint8_t*>(bits);
  // The top row is the second row in memory (bottom-up): B, G, R = 0, 0, 255.
  EXPECT_EQ(b[RowBytes(4, 24) + 0], 0);
  EXPECT_EQ(b[RowBytes(4, 24) + 2], 255);
  EXPECT_EQ(b[0], 0);
  // Writing the bits directly is seen by the next drawing call.
  uint8_t* w = static_cast<uint8_t*>(bits);
  w[0] = 255; w[1] = 0; w[2] = 0;  // bottom-left pixel blue
  EXPECT_EQ(GetPixel(dc, 0, 1), kBlue);
  DIBSECTION ds;
  ASSERT_EQ(GetObject(dib, sizeof ds, &ds), int(sizeof ds));
  EXPECT_EQ(ds.dsBm.bmBits, bits);
  EXPECT_EQ(ds.dsBm.bmBitsPixel, 24);
  EXPECT_EQ(ds.dsBm.bmWidthBytes, 12);
  EXPECT_EQ(ds.dsBmih.biHeight, 2);
  BITMAP bmp;
  ASSERT_EQ(GetObject(dib, sizeof bmp, &bmp), int(sizeof bmp));
  EXPECT_EQ(bmp.bmWidth, 4);
  SelectObject(dc, old);
  DeleteObject(red);
  DeleteDC(dc);
  DeleteObject(dib);
}

TEST(DibSections, EightBitDrawingPicksTheNearestTableEntry) {
  Info info = MakeInfo(2, 1, 8);
  info.h.biClrUsed = 2;
  info.colors[0] = {0, 0, 0, 0};
  info.colors[1] = {0, 0, 250, 0};  // nearly pure red
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, info.get(), DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, dib);
  EXPECT_EQ(SetPixel(dc, 1, 0, kRed), RGB(250, 0, 0));
  EXPECT_EQ(static_cast<uint8_t*>(bits)[1], 1);
  EXPECT_EQ(static_cast<uint8_t*>(bits)[0], 0);
  // Reading back answers the colour the bits hold, not the one drawn.
  RECT r{0, 0, 1, 1};
  HBRUSH dark = CreateSolidBrush(RGB(20, 0, 0));
  FillRect(dc, &r, dark);
  DeleteObject(dark);
  EXPECT_EQ(GetPixel(dc, 0, 0), kBlack);
  Canvas copy(2, 1);
  BitBlt(copy.dc(), 0, 0, 2, 1, dc, 0, 0, SRCCOPY);
  EXPECT_EQ(copy.At(1, 0), RGB(250, 0, 0));
  RGBQUAD table[2];
  EXPECT_EQ(GetDIBColorTable(dc, 0, 2, table), 2u);
  EXPECT_EQ(table[1].rgbRed, 250);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(dib);
}

TEST(Bitmaps, HugeOrInvalidSizesAreRefused) {
  // Sizes beyond the limit or the arithmetic, and bad headers: wrong size, zero planes, unknown
  // depth, compressed, a zero mask.
  struct Bad {
    int W, H, Bpp;
    DWORD Compression;
    void (*Spoil)(Info&);
  };
  const Bad bad[] = {
      {100000, 100000, 32, BI_RGB, nullptr}, {INT_MAX, INT_MAX, 1, BI_RGB, nullptr},
      {10, INT_MIN, 24, BI_RGB, nullptr},    {4, 4, 24, BI_RGB, [](Info& i) { i.h.biSize = 12; }},
      {4, 4, 24, BI_RGB, [](Info& i) { i.h.biPlanes = 0; }}, {4, 4, 7, BI_RGB, nullptr},
      {4, 4, 8, BI_RLE8, nullptr}, {4, 4, 16, BI_BITFIELDS, [](Info& i) { reinterpret_cast<DWORD*>(i.colors)[1] = 0; }},
  };
  for (const Bad& k : bad) {
    Info info = MakeInfo(k.W, k.H, k.Bpp, k.Compression);
    if (k.Spoil) k.Spoil(info);
    void* bits = reinterpret_cast<void*>(1);
    EXPECT_EQ(CreateDIBSection(nullptr, info.get(), DIB_RGB_COLORS, &bits, nullptr, 0), nullptr) << k.W << " " << k.Bpp;
    if (k.W == 100000) {
      EXPECT_EQ(bits, nullptr);
    }
  }
  EXPECT_EQ(CreateBitmap(1 << 20, 1 << 20, 1, 32, nullptr), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(nullptr, 70000, 70000), nullptr);
  EXPECT_EQ(CreateBitmap(-1, 5, 1, 1, nullptr), nullptr);
  Info info = MakeInfo(4, 4, 24);
  HBITMAP bm = CreateCompatibleBitmap(nullptr, 4, 4);
  std::vector<uint8_t> data(64);
  info.h.biSize = 0;
  EXPECT_EQ(SetDIBits(nullptr, bm, 0, 4, data.data(), info.get(), DIB_RGB_COLORS), 0);
  DeleteObject(bm);
  // Zero sizes answer the one-pixel stock bitmap.
  HBITMAP z = CreateCompatibleBitmap(nullptr, 0, 0);
  BITMAP b;
  GetObject(z, sizeof b, &b);
  EXPECT_EQ(b.bmWidth, 1);
  EXPECT_EQ(b.bmBitsPixel, 1);
}

TEST(Bitmaps, GetDIBitsReportsTheFormatWithoutBits) {
  HBITMAP bm = CreateCompatibleBitmap(nullptr, 7, 3);
  Info info{};
  info.h.biSize = sizeof(BITMAPINFOHEADER);
  ASSERT_NE(GetDIBits(nullptr, bm, 0, 3, nullptr, info.get(), DIB_RGB_COLORS), 0);
  EXPECT_EQ(info.h.biWidth, 7);
  EXPECT_EQ(info.h.biHeight, 3);
  EXPECT_EQ(info.h.biBitCount, 32);
  EXPECT_EQ(info.h.biSizeImage, 7u * 4 * 3);
  DeleteObject(bm);
}

TEST(Bitmaps, SelectionIntoOneDCAtATime) {
  HBITMAP bm = CreateCompatibleBitmap(nullptr, 2, 2);
  HDC a = CreateCompatibleDC(nullptr), b = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(a, bm);
  EXPECT_NE(old, nullptr);
  EXPECT_EQ(SelectObject(b, bm), nullptr);
  EXPECT_FALSE(DeleteObject(bm));  // still selected
  SelectObject(a, old);
  EXPECT_NE(SelectObject(b, bm), nullptr);
  SelectObject(b, old);
  EXPECT_TRUE(DeleteObject(bm));
  EXPECT_EQ(GetObjectType(bm), 0u);
  // A DC deleted with saved states releases the bitmaps they hold.
  HBITMAP other = CreateCompatibleBitmap(nullptr, 2, 2);
  SelectObject(a, other);
  SaveDC(a);
  SaveDC(a);
  DeleteDC(a);
  EXPECT_TRUE(DeleteObject(other));
  DeleteDC(b);
}

TEST(DibTransfers, SetDIBitsToDeviceAndStretchDIBits) {
  // A 2x2 bottom-up 24-bit DIB: bottom row red, blue; top row green, white.
  Info info = MakeInfo(2, 2, 24);
  const uint8_t bits[16] = {0, 0, 255, 255, 0, 0, 0, 0,  // bottom row + padding
                            0, 255, 0, 255, 255, 255, 0, 0};
  Canvas c(4, 4);
  EXPECT_EQ(SetDIBitsToDevice(c.dc(), 1, 1, 2, 2, 0, 0, 0, 2, bits, info.get(), DIB_RGB_COLORS), 2);
  EXPECT_EQ(c.At(1, 1), kGreen);
  EXPECT_EQ(c.At(2, 1), kWhite);
  EXPECT_EQ(c.At(1, 2), kRed);
  EXPECT_EQ(c.At(2, 2), kBlue);
  EXPECT_EQ(c.At(0, 0), kWhite);
  c.Fill(kBlack);
  EXPECT_NE(StretchDIBits(c.dc(), 0, 0, 4, 4, 0, 0, 2, 2, bits, info.get(), DIB_RGB_COLORS, SRCCOPY), 0);
  EXPECT_EQ(c.At(0, 0), kGreen);
  EXPECT_EQ(c.At(1, 1), kGreen);
  EXPECT_EQ(c.At(3, 3), kBlue);
  EXPECT_EQ(c.At(0, 3), kRed);
  // A bad header is refused without touching the device.
  Info bad = info;
  bad.h.biBitCount = 3;
  EXPECT_EQ(StretchDIBits(c.dc(), 0, 0, 4, 4, 0, 0, 2, 2, bits, bad.get(), DIB_RGB_COLORS, SRCCOPY), 0);
  EXPECT_EQ(SetDIBitsToDevice(c.dc(), 0, 0, 2, 2, 0, 0, 0, 2, nullptr, info.get(), DIB_RGB_COLORS), 0);
}

TEST(DibTransfers, CreateDIBitmapAndDibPatternBrush) {
  Info info = MakeInfo(2, 1, 1);
  info.colors[0] = {0, 0, 255, 0};    // red
  info.colors[1] = {255, 0, 0, 0};    // blue
  const uint8_t bits[4] = {0x40, 0, 0, 0};  // pixel 0 index 0, pixel 1 index 1
  HBITMAP bm = CreateDIBitmap(nullptr, &info.h, CBM_INIT, bits, info.get(), DIB_RGB_COLORS);
  ASSERT_NE(bm, nullptr);
  BITMAP b;
  GetObject(bm, sizeof b, &b);
  EXPECT_EQ(b.bmBitsPixel, 1);  // a one-bit header without a DC makes a monochrome bitmap
  DeleteObject(bm);
  Canvas screen(1, 1);
  bm = CreateDIBitmap(screen.dc(), &info.h, CBM_INIT, bits, info.get(), DIB_RGB_COLORS);
  HDC mem = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(mem, bm);
  EXPECT_EQ(GetPixel(mem, 0, 0), kRed);
  EXPECT_EQ(GetPixel(mem, 1, 0), kBlue);
  SelectObject(mem, old);
  DeleteDC(mem);
  DeleteObject(bm);
  // A packed DIB as a brush: its own colours, tiled from the brush origin.
  std::vector<uint8_t> packed(sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD) + 4);
  std::memcpy(packed.data(), &info, sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD));
  std::memcpy(packed.data() + sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD), bits, 4);
  HBRUSH br = CreateDIBPatternBrushPt(packed.data(), DIB_RGB_COLORS);
  ASSERT_NE(br, nullptr);
  Canvas c(4, 1);
  RECT r{0, 0, 4, 1};
  FillRect(c.dc(), &r, br);
  EXPECT_EQ(c.Map({{kRed, 'r'}, {kBlue, 'b'}}), Rows({"rbrb"}));
  DeleteObject(br);
}

TEST(DibSections, SixteenBitSectionsDrawIn555And565) {
  for (DWORD comp : {BI_RGB, BI_BITFIELDS}) {
    Info info = MakeInfo(2, 1, 16, comp);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, info.get(), DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(dib, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, dib);
    SetPixel(dc, 0, 0, kGreen);
    SetPixel(dc, 1, 0, kWhite);
    const uint16_t* px = static_cast<const uint16_t*>(bits);
    EXPECT_EQ(px[0], comp == BI_RGB ? 0x03E0 : 0x07E0);
    EXPECT_EQ(px[1], comp == BI_RGB ? 0x7FFF : 0xFFFF);
    EXPECT_EQ(GetPixel(dc, 1, 0), kWhite);  // widened back to full intensity
    DIBSECTION ds;
    GetObject(dib, sizeof ds, &ds);
    EXPECT_EQ(ds.dsBitfields[1], comp == BI_RGB ? 0x03E0u : 0x07E0u);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(dib);
  }
}

TEST(DibTransfers, GetDIBitsScanLineRanges) {
  HBITMAP bm = CreateCompatibleBitmap(nullptr, 1, 4);
  HDC mem = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(mem, bm);
  for (int y = 0; y < 4; ++y) SetPixel(mem, 0, y, RGB(y * 10, 0, 0));
  SelectObject(mem, old);
  DeleteDC(mem);
  Info info = MakeInfo(1, 4, 32);
  uint32_t out[4] = {0, 0, 0, 0};
  // Scan lines count from the bottom for bottom-up requests.
  EXPECT_EQ(GetDIBits(nullptr, bm, 1, 2, out, info.get(), DIB_RGB_COLORS), 2);
  EXPECT_EQ(out[0], uint32_t(20) << 16);  // scan 1 = row 2
  EXPECT_EQ(out[1], uint32_t(10) << 16);
  EXPECT_EQ(GetDIBits(nullptr, bm, 3, 5, out, info.get(), DIB_RGB_COLORS), 1);
  EXPECT_EQ(GetDIBits(nullptr, bm, 4, 1, out, info.get(), DIB_RGB_COLORS), 0);
  info.h.biHeight = -4;
  EXPECT_EQ(GetDIBits(nullptr, bm, 0, 1, out, info.get(), DIB_RGB_COLORS), 1);
  EXPECT_EQ(out[0], 0u);  // top-down: scan 0 is the top row
  DeleteObject(bm);
}
