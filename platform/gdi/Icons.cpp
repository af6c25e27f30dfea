// Icons: a monochrome AND mask and a colour XOR image (or a double-height mask alone).
#include <algorithm>
#include <cstring>

#include "platform/gdi/GdiPrivate.h"

namespace win::gdi {

namespace {

// A private device bitmap with the same pixels (colour or monochrome).
HBITMAP CopyBitmap(HBITMAP src) {
  BitmapObj* b = LookupBitmap(src);
  if (!b || !b->Surf) return nullptr;
  Surface& s = *b->Surf;
  s.SyncIn();
  auto copy = std::make_shared<BitmapObj>();
  copy->Surf = Surface::Create(s.Width, s.Height, s.Monochrome);
  if (!copy->Surf) return nullptr;
  copy->BitsPixel = s.Monochrome ? 1 : 32;
  for (int y = 0; y < s.Height; ++y)
    std::memcpy(copy->Surf->Row(y), s.Row(y), size_t(s.Width) * 4);
  return static_cast<HBITMAP>(AddObject(copy));
}

SIZE IconSize(const IconObj& icon) {
  if (icon.Info.hbmColor) {
    if (auto s = BitmapSurface(icon.Info.hbmColor)) return {s->Width, s->Height};
  }
  if (auto s = BitmapSurface(icon.Info.hbmMask)) return {s->Width, s->Height / 2};
  return {0, 0};
}

}  // namespace

}  // namespace win::gdi

namespace win {

using namespace gdi;

HICON CreateIconIndirect(const ICONINFO* info) {
  if (!info || !info->hbmMask) return nullptr;
  BitmapObj* mask = LookupBitmap(info->hbmMask);
  if (!mask || !mask->Surf) return nullptr;
  if (info->hbmColor) {
    BitmapObj* color = LookupBitmap(info->hbmColor);
    if (!color || !color->Surf) return nullptr;
  }
  auto icon = std::make_shared<IconObj>();
  icon->Info = *info;
  icon->Info.hbmMask = CopyBitmap(info->hbmMask);
  icon->Info.hbmColor = info->hbmColor ? CopyBitmap(info->hbmColor) : nullptr;
  if (!icon->Info.hbmMask || (info->hbmColor && !icon->Info.hbmColor)) {
    if (icon->Info.hbmMask) DeleteObject(icon->Info.hbmMask);
    if (icon->Info.hbmColor) DeleteObject(icon->Info.hbmColor);
    return nullptr;
  }
  return static_cast<HICON>(AddObject(icon));
}

namespace {

TStockIconProvider g_stockIcons = nullptr;

// A shared system icon's picture as a real icon for one call (destroyed with the scope).
class TStockIcon {
 public:
  explicit TStockIcon(HICON h)
      : icon_(!LookupIcon(h) && g_stockIcons ? g_stockIcons(h) : nullptr) {}
  ~TStockIcon() {
    if (icon_) DestroyIcon(icon_);
  }
  TStockIcon(const TStockIcon&) = delete;
  TStockIcon& operator=(const TStockIcon&) = delete;
  // The handle to use: the stock picture's, else the one given.
  HICON Or(HICON h) const { return icon_ ? icon_ : h; }

 private:
  HICON icon_;
};

}  // namespace

void SetStockIconProvider(TStockIconProvider provider) { g_stockIcons = provider; }

BOOL GetIconInfo(HICON given, PICONINFO info) {
  const TStockIcon stock(given);
  IconObj* icon = LookupIcon(stock.Or(given));
  if (!icon || !info) return FALSE;
  *info = icon->Info;
  // The caller owns (and deletes) copies of the bitmaps.
  info->hbmMask = CopyBitmap(icon->Info.hbmMask);
  info->hbmColor = icon->Info.hbmColor ? CopyBitmap(icon->Info.hbmColor) : nullptr;
  return TRUE;
}

BOOL DestroyIcon(HICON h) {
  IconObj* icon = LookupIcon(h);
  if (!icon) return FALSE;
  DeleteObject(icon->Info.hbmMask);
  if (icon->Info.hbmColor) DeleteObject(icon->Info.hbmColor);
  RemoveObject(h);
  return TRUE;
}

HICON CopyIcon(HICON h) {
  if (!LookupIcon(h) && g_stockIcons) return g_stockIcons(h);
  IconObj* icon = LookupIcon(h);
  if (!icon) return nullptr;
  return CreateIconIndirect(&icon->Info);
}

BOOL DrawIconEx(HDC dc, int x, int y, HICON given, int w, int hh, UINT, HBRUSH brush, UINT flags) {
  const TStockIcon stock(given);
  DCObj* d = LookupDC(dc);
  IconObj* icon = LookupIcon(stock.Or(given));
  if (!d || !icon || !d->Target()) return FALSE;
  const SIZE size = IconSize(*icon);
  if (size.cx <= 0 || size.cy <= 0) return FALSE;
  if (w == 0) w = (flags & DI_DEFAULTSIZE) ? 32 : size.cx;
  if (hh == 0) hh = (flags & DI_DEFAULTSIZE) ? 32 : size.cy;
  if ((flags & DI_NORMAL) == 0) flags |= DI_NORMAL;
  if (brush) {
    const RECT r = ExtentRect(x, y, w, hh);
    FillRect(dc, &r, brush);
  }
  HDC mem = CreateCompatibleDC(dc);
  const bool hasColor = icon->Info.hbmColor != nullptr;
  HGDIOBJ old = SelectObject(mem, icon->Info.hbmMask);
  // The mask: AND with the destination; the image: XOR onto it (or a plain copy alone).
  const bool useMask = flags & DI_MASK, useImage = flags & DI_IMAGE;
  // Colour images with alpha are blended instead.
  bool alpha = false;
  if (hasColor && useImage && useMask) {
    auto s = BitmapSurface(icon->Info.hbmColor);
    for (int yy = 0; s && yy < s->Height && !alpha; ++yy)
      for (int xx = 0; xx < s->Width; ++xx)
        if (s->Row(yy)[xx] >> 24) { alpha = true; break; }
  }
  if (alpha) {
    SelectObject(mem, icon->Info.hbmColor);
    // Straight alpha: premultiply into a temporary copy, then blend.
    auto s = BitmapSurface(icon->Info.hbmColor);
    HBITMAP tmp = CreateBitmap(s->Width, s->Height, 1, 32, nullptr);
    auto t = BitmapSurface(tmp);
    for (int yy = 0; yy < s->Height; ++yy)
      for (int xx = 0; xx < s->Width; ++xx) {
        const uint32_t p = s->Row(yy)[xx], a = p >> 24;
        auto pm = [&](int sh) { return (((p >> sh) & 0xFF) * a + 127) / 255 << sh; };
        t->Row(yy)[xx] = (a << 24) | pm(16) | pm(8) | pm(0);
      }
    SelectObject(mem, tmp);
    AlphaBlend(dc, x, y, w, hh, mem, 0, 0, s->Width, s->Height, {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
    SelectObject(mem, old);
    DeleteObject(tmp);
    DeleteDC(mem);
    return TRUE;
  }
  // Monochrome sources take the destination's text and background colours: black and white.
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
  if (useMask) StretchBlt(dc, x, y, w, hh, mem, 0, 0, size.cx, size.cy, SRCAND);
  if (useImage) {
    const DWORD rop = useMask ? SRCINVERT : SRCCOPY;
    if (hasColor) {
      SelectObject(mem, icon->Info.hbmColor);
      StretchBlt(dc, x, y, w, hh, mem, 0, 0, size.cx, size.cy, rop);
    } else {
      StretchBlt(dc, x, y, w, hh, mem, 0, size.cy, size.cx, size.cy, rop);
    }
  }
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBk);
  SelectObject(mem, old);
  DeleteDC(mem);
  return TRUE;
}

}  // namespace win
