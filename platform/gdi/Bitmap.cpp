// Bitmaps: device bitmaps, DIB sections and the DIB transfer functions.
#include <algorithm>
#include <cstring>

#include "platform/gdi/GdiPrivate.h"

namespace win::gdi {

namespace {

bool ValidDepth(int bpp) {
  return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
}

}  // namespace

std::vector<RGBQUAD> DefaultColorTable(int bitCount) {
  std::vector<RGBQUAD> t;
  auto add = [&](int r, int g, int b) { t.push_back({BYTE(b), BYTE(g), BYTE(r), 0}); };
  if (bitCount == 1) {
    add(0, 0, 0);
    add(255, 255, 255);
  } else if (bitCount == 4) {
    static const BYTE k[16][3] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                  {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {128, 128, 128},
                                  {192, 192, 192}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                  {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    for (const auto& c : k) add(c[0], c[1], c[2]);
  } else if (bitCount == 8) {
    // The first ten and last ten entries are the static colours; between them a colour cube
    // and a grey ramp.
    auto def = std::static_pointer_cast<PaletteObj>(StockShared(DEFAULT_PALETTE));
    for (int i = 0; i < 10; ++i)
      add(def->Entries[i].peRed, def->Entries[i].peGreen, def->Entries[i].peBlue);
    for (int r = 0; r < 6; ++r)
      for (int g = 0; g < 6; ++g)
        for (int b = 0; b < 6; ++b) add(r * 51, g * 51, b * 51);
    while (t.size() < 246) {
      const int v = int(t.size() - 226) * 255 / 20;
      add(v, v, v);
    }
    for (int i = 10; i < 20; ++i)
      add(def->Entries[i].peRed, def->Entries[i].peGreen, def->Entries[i].peBlue);
  }
  return t;
}

bool ParseDibFormat(const BITMAPINFO* info, UINT usage, const PaletteObj* pal, DibFormat& fmt,
                    int& width, int& height, bool& topDown) {
  if (!info) return false;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biSize > 4096) return false;
  if (h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == INT32_MIN) return false;
  if (h.biPlanes != 1 || !ValidDepth(h.biBitCount)) return false;
  width = h.biWidth;
  height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  topDown = h.biHeight < 0;
  if (int64_t(width) * height > kMaxSurfacePixels) return false;
  fmt = DibFormat();
  fmt.BitCount = h.biBitCount;
  fmt.Compression = h.biCompression;
  const uint8_t* after = reinterpret_cast<const uint8_t*>(info) + h.biSize;
  if (h.biCompression == BI_BITFIELDS) {
    if (h.biBitCount != 16 && h.biBitCount != 32) return false;
    // Masks follow a plain header or sit inside the larger header versions.
    const uint8_t* m = h.biSize >= 52 ? reinterpret_cast<const uint8_t*>(info) + 40 : after;
    std::memcpy(fmt.Masks, m, 12);
    if (!fmt.Masks[0] || !fmt.Masks[1] || !fmt.Masks[2]) return false;
  } else if (h.biCompression == BI_RGB) {
    if (h.biBitCount == 16) {
      fmt.Masks[0] = 0x7C00; fmt.Masks[1] = 0x03E0; fmt.Masks[2] = 0x001F;
    } else if (h.biBitCount == 32) {
      fmt.Masks[0] = 0xFF0000; fmt.Masks[1] = 0xFF00; fmt.Masks[2] = 0xFF;
    }
  } else {
    return false;  // compressed DIBs are not supported
  }
  if (h.biBitCount <= 8) {
    const DWORD maxColors = 1u << h.biBitCount;
    const DWORD n = h.biClrUsed == 0 ? maxColors : std::min(h.biClrUsed, maxColors);
    fmt.Table.resize(n);
    if (usage == DIB_PAL_COLORS) {
      const PaletteObj* p = pal ? pal
          : static_cast<const PaletteObj*>(StockShared(DEFAULT_PALETTE).get());
      const auto* idx = reinterpret_cast<const WORD*>(after);
      for (DWORD i = 0; i < n; ++i) {
        const WORD k = idx[i];
        if (k < p->Entries.size())
          fmt.Table[i] = {p->Entries[k].peBlue, p->Entries[k].peGreen, p->Entries[k].peRed, 0};
      }
    } else {
      std::memcpy(fmt.Table.data(), after, n * sizeof(RGBQUAD));
      for (auto& q : fmt.Table) q.rgbReserved = 0;
    }
  }
  return DibRowBytes(width, fmt.BitCount) != 0;
}

namespace {

std::shared_ptr<BitmapObj> NewBitmap(int w, int h, int bpp, bool mono) {
  auto s = Surface::Create(w, h, mono);
  if (!s) return nullptr;
  auto b = std::make_shared<BitmapObj>();
  b->Surf = s;
  b->BitsPixel = bpp;
  return b;
}

// Rows of device bitmaps (GetBitmapBits/SetBitmapBits/CreateBitmap) are padded to 16 bits.
size_t DdbRowBytes(int width, int bpp) { return ((size_t(width) * bpp + 15) / 16) * 2; }

DibFormat DdbFormat(int bpp) {
  DibFormat f;
  f.BitCount = bpp;
  if (bpp == 16) { f.Masks[0] = 0x7C00; f.Masks[1] = 0x03E0; f.Masks[2] = 0x1F; }
  if (bpp <= 8) f.Table = DefaultColorTable(bpp);
  return f;
}

void SetDdbBits(BitmapObj& b, const uint8_t* bits, size_t size) {
  Surface& s = *b.Surf;
  const size_t rowBytes = DdbRowBytes(s.Width, b.BitsPixel);
  const DibFormat f = DdbFormat(b.BitsPixel);
  for (int y = 0; y < s.Height; ++y) {
    if ((size_t(y) + 1) * rowBytes > size) break;
    DecodeRow(f, bits + size_t(y) * rowBytes, s.Row(y), s.Width);
    if (s.Monochrome)
      for (int x = 0; x < s.Width; ++x) s.Row(y)[x] = (s.Row(y)[x] & 0xFFFFFF) ? 0xFFFFFF : 0;
  }
  s.Touch(s.BoundsRect());
  s.SyncOut();
}

}  // namespace

}  // namespace win::gdi

// =============================================================================================
namespace win {

using namespace gdi;

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bpp, const void* bits) {
  if (width < 0 || height < 0 || planes != 1 || bpp > 32) return nullptr;
  if (width == 0 || height == 0) return static_cast<HBITMAP>(DefaultBitmap()->Handle);
  int depth = int(bpp);
  if (depth != 1 && !ValidDepth(depth)) depth = depth <= 8 ? 8 : 32;
  auto b = NewBitmap(width, height, depth, depth == 1);
  if (!b) return nullptr;
  if (bits) SetDdbBits(*b, static_cast<const uint8_t*>(bits), DdbRowBytes(width, depth) * height);
  return static_cast<HBITMAP>(AddObject(b));
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
  if (width < 0 || height < 0) return nullptr;
  DCObj* d = dc ? LookupDC(dc) : nullptr;
  if (dc && !d) return nullptr;
  if (width == 0 || height == 0) return static_cast<HBITMAP>(DefaultBitmap()->Handle);
  Surface* s = d ? d->Target() : nullptr;
  const bool mono = s && s->Monochrome;
  auto b = NewBitmap(width, height, mono ? 1 : 32, mono);
  if (!b) return nullptr;
  return static_cast<HBITMAP>(AddObject(b));
}

HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE,
                         DWORD) {
  if (bits) *bits = nullptr;
  DibFormat fmt;
  int w = 0, h = 0;
  bool topDown = false;
  DCObj* d = dc ? LookupDC(dc) : nullptr;
  if (!ParseDibFormat(info, usage, d && d->S.Palette ? d->S.Palette.get() : nullptr, fmt, w, h,
                      topDown))
    return nullptr;
  auto b = std::make_shared<BitmapObj>();
  b->IsDibSection = true;
  b->BitsPixel = fmt.BitCount;
  b->Header = info->bmiHeader;
  b->Header.biSize = sizeof(BITMAPINFOHEADER);
  b->ColorTable = fmt.Table;
  std::copy(fmt.Masks, fmt.Masks + 3, b->Masks);
  if (fmt.BitCount != 16 && fmt.BitCount != 32) std::fill(b->Masks, b->Masks + 3, 0u);
  if (fmt.BitCount == 32 && fmt.Compression == BI_RGB) std::fill(b->Masks, b->Masks + 3, 0u);
  if (fmt.IsStandard32()) {
    b->Surf = Surface::Create(w, h);
    if (!b->Surf) return nullptr;
    if (!topDown) b->Surf->UseBottomUp();
    b->Bits = b->Surf->StorageData();
  } else {
    b->Surf = Surface::Create(w, h);
    if (!b->Surf) return nullptr;
    auto n = std::make_unique<NativeDib>();
    n->Fmt = fmt;
    n->Width = w;
    n->Height = h;
    n->TopDown = topDown;
    n->RowBytes = DibRowBytes(w, fmt.BitCount);
    const uint64_t total = uint64_t(n->RowBytes) * uint64_t(h);
    // Working pixels, visible bits and their synchronised copy together stay within 256 MB.
    if (uint64_t(w) * uint64_t(h) * 4 + 2 * total > (uint64_t(256) << 20)) return nullptr;
    try {
      n->Storage.assign(size_t(total), 0);
      n->Shadow.assign(size_t(total), 0);
    } catch (const std::bad_alloc&) {
      return nullptr;
    }
    n->Bits = n->Storage.data();
    // Zero bits stand for colour index 0 (or black): bring the working pixels in line.
    for (int y = 0; y < h; ++y) DecodeRow(fmt, n->RowPtr(y), b->Surf->Row(y), w);
    b->Bits = n->Bits;
    b->Surf->SetNative(std::move(n));
  }
  if (bits) *bits = b->Bits;
  return static_cast<HBITMAP>(AddObject(b));
}

HBITMAP CreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                       const BITMAPINFO* info, UINT usage) {
  if (!header) return nullptr;
  const int w = header->biWidth, h = header->biHeight < 0 ? -header->biHeight : header->biHeight;
  if (w <= 0 || h <= 0) return nullptr;
  // The new bitmap is compatible with the DC (colour), or monochrome for a 1-bit header
  // without a DC, as on the platform.
  HBITMAP bm = header->biBitCount == 1 && !dc ? CreateBitmap(w, h, 1, 1, nullptr)
                                               : CreateCompatibleBitmap(dc, w, h);
  if (!bm) return nullptr;
  if ((init & CBM_INIT) && bits && info) {
    if (SetDIBits(dc, bm, 0, UINT(h), bits, info, usage) == 0) {
      DeleteObject(bm);
      return nullptr;
    }
  }
  return bm;
}

int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info,
              UINT usage) {
  BitmapObj* b = LookupBitmap(bitmap);
  if (!b || !info || !b->Surf) return 0;
  (void)dc;
  Surface& s = *b->Surf;
  s.SyncIn();
  BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biSize < sizeof(BITMAPINFOHEADER)) return 0;
  if (!bits && h.biBitCount == 0) {
    h.biWidth = s.Width;
    h.biHeight = b->IsDibSection && b->Header.biHeight < 0 ? -s.Height : s.Height;
    h.biPlanes = 1;
    h.biBitCount = WORD(b->BitsPixel);
    h.biCompression = b->IsDibSection && b->Masks[0] ? BI_BITFIELDS : BI_RGB;
    h.biSizeImage = DWORD(DibRowBytes(s.Width, b->BitsPixel) * s.Height);
    h.biClrUsed = 0;
    h.biClrImportant = 0;
    return 1;
  }
  if (!ValidDepth(h.biBitCount) || h.biWidth <= 0 || h.biHeight == 0) return 0;
  // Output format: the header's depth with its masks, or the bitmap's own table where depths
  // agree, or the default table.
  DibFormat fmt;
  fmt.BitCount = h.biBitCount;
  fmt.Compression = h.biCompression;
  if (h.biCompression == BI_BITFIELDS) {
    if (h.biBitCount != 16 && h.biBitCount != 32) return 0;
    const DWORD* m = reinterpret_cast<const DWORD*>(info->bmiColors);
    if (!m[0] || !m[1] || !m[2]) return 0;
    std::copy(m, m + 3, fmt.Masks);
  } else if (h.biCompression != BI_RGB) {
    return 0;
  } else if (h.biBitCount == 16) {
    fmt.Masks[0] = 0x7C00; fmt.Masks[1] = 0x03E0; fmt.Masks[2] = 0x1F;
  } else if (h.biBitCount == 32) {
    fmt.Masks[0] = 0xFF0000; fmt.Masks[1] = 0xFF00; fmt.Masks[2] = 0xFF;
  }
  if (fmt.BitCount <= 8) {
    if (b->IsDibSection && b->BitsPixel == fmt.BitCount && !b->ColorTable.empty())
      fmt.Table = b->ColorTable;
    else
      fmt.Table = DefaultColorTable(fmt.BitCount);
    fmt.Table.resize(size_t(1) << fmt.BitCount);
    if (usage == DIB_PAL_COLORS) {
      auto* idx = reinterpret_cast<WORD*>(info->bmiColors);
      for (size_t i = 0; i < fmt.Table.size(); ++i) idx[i] = WORD(i);
    } else {
      std::memcpy(info->bmiColors, fmt.Table.data(), fmt.Table.size() * sizeof(RGBQUAD));
    }
  }
  const size_t rowBytes = DibRowBytes(s.Width, fmt.BitCount);
  const bool topDown = h.biHeight < 0;
  h.biSizeImage = DWORD(rowBytes * s.Height);
  if (!bits) return int(s.Height);
  if (start >= UINT(s.Height)) return 0;
  const UINT n = std::min<UINT>(lines, UINT(s.Height) - start);
  Encoder enc(fmt);
  // Scan lines count from the bottom for bottom-up output, from the top for top-down.
  for (UINT i = 0; i < n; ++i) {
    const int scan = int(start + i);
    const int y = topDown ? scan : s.Height - 1 - scan;
    uint8_t* out = static_cast<uint8_t*>(bits) + size_t(i) * rowBytes;
    std::memset(out, 0, rowBytes);  // padding reads as zero
    enc.Row(s.Row(y), out, s.Width);
  }
  return int(n);
}

int SetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, const void* bits,
              const BITMAPINFO* info, UINT usage) {
  BitmapObj* b = LookupBitmap(bitmap);
  if (!b || !bits || !info || !b->Surf || b->Stock) return 0;
  DCObj* d = dc ? LookupDC(dc) : nullptr;
  DibFormat fmt;
  int w = 0, h = 0;
  bool topDown = false;
  if (!ParseDibFormat(info, usage, d && d->S.Palette ? d->S.Palette.get() : nullptr, fmt, w, h,
                      topDown))
    return 0;
  Surface& s = *b->Surf;
  s.SyncIn();
  if (start >= UINT(h)) return 0;
  const UINT n = std::min<UINT>(lines, UINT(h) - start);
  const size_t rowBytes = DibRowBytes(w, fmt.BitCount);
  std::vector<uint32_t> row(static_cast<size_t>(w));
  const int cw = std::min(w, s.Width);
  for (UINT i = 0; i < n; ++i) {
    const int scan = int(start + i);  // scan lines count from the bottom for bottom-up data
    const int ty = topDown ? scan : h - 1 - scan;
    if (ty < 0 || ty >= s.Height) continue;
    DecodeRow(fmt, static_cast<const uint8_t*>(bits) + size_t(i) * rowBytes, row.data(), w);
    uint32_t* dst = s.Row(ty);
    for (int x = 0; x < cw; ++x) dst[x] = s.Monochrome ? MonoPixelOf(row[x]) : row[x];
    s.Touch({0, ty, s.Width, ty + 1});
  }
  s.SyncOut();
  return int(n);
}

namespace {
// Decodes a DIB into a temporary surface; null on bad input.
std::shared_ptr<Surface> DibToSurface(DCObj* d, const void* bits, const BITMAPINFO* info,
                                      UINT usage, UINT startScan, UINT lines) {
  DibFormat fmt;
  int w = 0, h = 0;
  bool topDown = false;
  if (!bits || !ParseDibFormat(info, usage, d && d->S.Palette ? d->S.Palette.get() : nullptr,
                               fmt, w, h, topDown))
    return nullptr;
  auto s = Surface::Create(w, h);
  if (!s) return nullptr;
  const size_t rowBytes = DibRowBytes(w, fmt.BitCount);
  const UINT first = std::min<UINT>(startScan, UINT(h));
  const UINT n = std::min<UINT>(lines, UINT(h) - first);
  for (UINT i = 0; i < n; ++i) {
    const int scan = int(first + i);
    const int y = topDown ? scan : h - 1 - scan;
    DecodeRow(fmt, static_cast<const uint8_t*>(bits) + size_t(i) * rowBytes, s->Row(y), w);
  }
  return s;
}
}  // namespace

int SetDIBitsToDevice(HDC dc, int xDest, int yDest, DWORD width, DWORD height, int xSrc,
                      int ySrc, UINT startScan, UINT lines, const void* bits,
                      const BITMAPINFO* info, UINT usage) {
  DCObj* d = LookupDC(dc);
  if (!d) return 0;
  auto s = DibToSurface(d, bits, info, usage, startScan, lines);
  if (!s) return 0;
  // Source coordinates are DIB coordinates with the origin at the lower-left corner for a
  // bottom-up DIB.
  const bool topDown = info->bmiHeader.biHeight < 0;
  const int sy = topDown ? ySrc : s->Height - ySrc - int(height);
  BlitSource src{s.get(), 0xFFFFFF};
  DrawScope scope(*d);
  StretchCore(*d, xDest, yDest, int(width), int(height), &src, xSrc, sy, int(width),
              int(height), 0xCC);
  return int(std::min<UINT>(lines, UINT(s->Height)));
}

int StretchDIBits(HDC dc, int xDest, int yDest, int destWidth, int destHeight, int xSrc,
                  int ySrc, int srcWidth, int srcHeight, const void* bits,
                  const BITMAPINFO* info, UINT usage, DWORD rop) {
  DCObj* d = LookupDC(dc);
  if (!d) return 0;
  const uint8_t rop3 = uint8_t(rop >> 16);
  const bool usesS = ((rop3 >> 2) & 0x33) != (rop3 & 0x33);
  std::shared_ptr<Surface> s;
  if (usesS) {
    s = DibToSurface(d, bits, info, usage, 0, UINT(-1));
    if (!s) return 0;
  }
  const bool topDown = info && info->bmiHeader.biHeight < 0;
  const int sy = (!s || topDown) ? ySrc : s->Height - ySrc - srcHeight;
  BlitSource src{s.get(), 0xFFFFFF};
  DrawScope scope(*d);
  if (!StretchCore(*d, xDest, yDest, destWidth, destHeight, s ? &src : nullptr, xSrc, sy,
                   srcWidth, srcHeight, rop3))
    return 0;
  return s ? s->Height : destHeight;
}

LONG GetBitmapBits(HBITMAP bitmap, LONG size, LPVOID bits) {
  BitmapObj* b = LookupBitmap(bitmap);
  if (!b || !b->Surf || size < 0) return 0;
  Surface& s = *b->Surf;
  s.SyncIn();
  const size_t rowBytes = DdbRowBytes(s.Width, b->BitsPixel);
  if (!bits) return LONG(rowBytes * s.Height);
  const DibFormat f = DdbFormat(b->BitsPixel);
  Encoder enc(f);
  std::vector<uint8_t> row(rowBytes + 4);
  LONG written = 0;
  for (int y = 0; y < s.Height && written + LONG(rowBytes) <= size; ++y) {
    enc.Row(s.Row(y), row.data(), s.Width);
    std::memcpy(static_cast<uint8_t*>(bits) + written, row.data(), rowBytes);
    written += LONG(rowBytes);
  }
  return written;
}

LONG SetBitmapBits(HBITMAP bitmap, DWORD size, const void* bits) {
  BitmapObj* b = LookupBitmap(bitmap);
  if (!b || !b->Surf || !bits || b->Stock) return 0;
  b->Surf->SyncIn();
  const size_t rowBytes = DdbRowBytes(b->Surf->Width, b->BitsPixel);
  const size_t used = std::min<size_t>(size, rowBytes * b->Surf->Height);
  SetDdbBits(*b, static_cast<const uint8_t*>(bits), used);
  return LONG(used - used % rowBytes);
}

BOOL SetBitmapDimensionEx(HBITMAP bitmap, int width, int height, LPSIZE old) {
  BitmapObj* b = LookupBitmap(bitmap);
  if (!b) return FALSE;
  if (old) *old = b->Dimension;
  b->Dimension = {width, height};
  return TRUE;
}

UINT GetDIBColorTable(HDC dc, UINT start, UINT count, RGBQUAD* colors) {
  DCObj* d = LookupDC(dc);
  if (!d || !d->S.Bitmap || !d->S.Bitmap->IsDibSection || !colors) return 0;
  const auto& t = d->S.Bitmap->ColorTable;
  if (start >= t.size()) return 0;
  const UINT n = std::min<UINT>(count, UINT(t.size()) - start);
  std::copy_n(t.begin() + start, n, colors);
  return n;
}

UINT SetDIBColorTable(HDC dc, UINT start, UINT count, const RGBQUAD* colors) {
  DCObj* d = LookupDC(dc);
  if (!d || !d->S.Bitmap || !d->S.Bitmap->IsDibSection || !colors) return 0;
  BitmapObj& b = *d->S.Bitmap;
  if (start >= b.ColorTable.size()) return 0;
  const UINT n = std::min<UINT>(count, UINT(b.ColorTable.size()) - start);
  std::copy_n(colors, n, b.ColorTable.begin() + start);
  if (NativeDib* nd = b.Surf->Native()) {
    nd->Fmt.Table = b.ColorTable;
    // Re-read every row with the new colours.
    for (int y = 0; y < nd->Height; ++y) DecodeRow(nd->Fmt, nd->RowPtr(y), b.Surf->Row(y), nd->Width);
  }
  return n;
}

}  // namespace win
