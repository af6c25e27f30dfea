// The handle table, stock objects, pens, brushes, fonts, palettes and the generic object calls.
#include <algorithm>
#include <cstring>
#include <mutex>
#include <unordered_map>

#include "platform/gdi/GdiPrivate.h"

namespace win::gdi {

GdiObject::~GdiObject() = default;

namespace {

struct Table {
  std::mutex Lock;
  std::unordered_map<uintptr_t, std::shared_ptr<GdiObject>> Objects;
  uintptr_t Next = 0x10000;
};

Table& TheTable() {
  static Table* t = new Table;  // never destroyed: handles may be released during exit
  return *t;
}

template <class T>
std::shared_ptr<T> Make() {
  return std::make_shared<T>();
}

}  // namespace

HGDIOBJ AddObject(std::shared_ptr<GdiObject> obj) {
  Table& t = TheTable();
  std::lock_guard<std::mutex> g(t.Lock);
  const uintptr_t h = t.Next;
  t.Next += 4;
  obj->Handle = reinterpret_cast<HGDIOBJ>(h);
  t.Objects.emplace(h, std::move(obj));
  return reinterpret_cast<HGDIOBJ>(h);
}

std::shared_ptr<GdiObject> SharedObject(HGDIOBJ h) {
  if (!h) return nullptr;
  Table& t = TheTable();
  std::lock_guard<std::mutex> g(t.Lock);
  auto it = t.Objects.find(reinterpret_cast<uintptr_t>(h));
  return it == t.Objects.end() ? nullptr : it->second;
}

GdiObject* LookupObject(HGDIOBJ h) {
  if (!h) return nullptr;
  Table& t = TheTable();
  std::lock_guard<std::mutex> g(t.Lock);
  auto it = t.Objects.find(reinterpret_cast<uintptr_t>(h));
  return it == t.Objects.end() ? nullptr : it->second.get();
}

void RemoveObject(HGDIOBJ h) {
  Table& t = TheTable();
  std::lock_guard<std::mutex> g(t.Lock);
  t.Objects.erase(reinterpret_cast<uintptr_t>(h));
}

size_t LiveObjectCount(DWORD type) {
  Table& t = TheTable();
  std::lock_guard<std::mutex> g(t.Lock);
  size_t n = 0;
  for (const auto& [h, o] : t.Objects)
    if (!o->Stock && (type == kAnyObjectType || o->Type == type)) ++n;
  return n;
}

namespace {
// The object behind `h` when it has one of `types`, else null.
template <class T, class... Types>
T* LookupTyped(HGDIOBJ h, Types... types) {
  GdiObject* o = LookupObject(h);
  return o && ((o->Type == DWORD(types)) || ...) ? static_cast<T*>(o) : nullptr;
}
}  // namespace

DCObj* LookupDC(HDC h) { return LookupTyped<DCObj>(h, OBJ_DC, OBJ_MEMDC); }
BitmapObj* LookupBitmap(HBITMAP h) { return LookupTyped<BitmapObj>(h, OBJ_BITMAP); }
BrushObj* LookupBrush(HBRUSH h) { return LookupTyped<BrushObj>(h, OBJ_BRUSH); }
RegionObj* LookupRegion(HRGN h) { return LookupTyped<RegionObj>(h, OBJ_REGION); }
PaletteObj* LookupPalette(HPALETTE h) { return LookupTyped<PaletteObj>(h, OBJ_PAL); }
IconObj* LookupIcon(HICON h) { return LookupTyped<IconObj>(h, kIconObjectType); }

COLORREF ResolveColor(const DCObj* dc, COLORREF c) {
  if ((c >> 24) == 0x01) {  // PALETTEINDEX
    const PaletteObj* pal = dc && dc->S.Palette ? dc->S.Palette.get() : nullptr;
    const size_t i = c & 0xFFFF;
    if (pal && i < pal->Entries.size()) {
      const PALETTEENTRY& e = pal->Entries[i];
      return RGB(e.peRed, e.peGreen, e.peBlue);
    }
    return 0;
  }
  return c & 0x00FFFFFF;
}

uint32_t MonoPixelOf(uint32_t p) {
  const uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
  // The brighter half of the colour cube maps to white.
  return (r + g + b) >= 384 ? 0xFFFFFFu : 0u;
}

// ---------------------------------------------------------------------------------------------
// Stock objects

namespace {

// The stock fonts, one row each, in the order they are made.
struct StockFontRow {
  int Index;
  LONG Height, Width, Weight;
  BYTE CharSet, PitchAndFamily;
  const char* Face;
};
constexpr StockFontRow kStockFonts[] = {
    {OEM_FIXED_FONT, 12, 8, FW_NORMAL, OEM_CHARSET, FIXED_PITCH | FF_MODERN, "Terminal"},
    {ANSI_FIXED_FONT, 12, 9, FW_NORMAL, ANSI_CHARSET, FIXED_PITCH | FF_MODERN, "Courier"},
    {ANSI_VAR_FONT, 12, 9, FW_NORMAL, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif"},
    {SYSTEM_FONT, 16, 0, FW_BOLD, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "System"},
    {DEVICE_DEFAULT_FONT, 16, 0, FW_BOLD, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "System"},
    {SYSTEM_FIXED_FONT, 15, 0, FW_NORMAL, ANSI_CHARSET, FIXED_PITCH | FF_MODERN, "Fixedsys"},
    {DEFAULT_GUI_FONT, -11, 0, FW_NORMAL, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif"},
};

LOGFONTA StockFontLog(const StockFontRow& row) {
  LOGFONTA lf;
  lf.lfHeight = row.Height;
  lf.lfWidth = row.Width;
  lf.lfWeight = row.Weight;
  lf.lfCharSet = row.CharSet;
  lf.lfPitchAndFamily = row.PitchAndFamily;
  std::strncpy(lf.lfFaceName, row.Face, LF_FACESIZE - 1);
  return lf;
}

struct Stock {
  std::shared_ptr<GdiObject> Objects[20];
  std::shared_ptr<BitmapObj> Bitmap;
};

Stock& TheStock() {
  static Stock* s = [] {
    auto* st = new Stock;
    auto brush = [](UINT style, COLORREF c) {
      auto b = Make<BrushObj>();
      b->Style = style;
      b->Color = c;
      return b;
    };
    auto pen = [](UINT style, COLORREF c) {
      auto p = Make<PenObj>();
      p->Style = style;
      p->Color = c;
      return p;
    };
    st->Objects[WHITE_BRUSH] = brush(BS_SOLID, RGB(255, 255, 255));
    st->Objects[LTGRAY_BRUSH] = brush(BS_SOLID, RGB(192, 192, 192));
    st->Objects[GRAY_BRUSH] = brush(BS_SOLID, RGB(128, 128, 128));
    st->Objects[DKGRAY_BRUSH] = brush(BS_SOLID, RGB(64, 64, 64));
    st->Objects[BLACK_BRUSH] = brush(BS_SOLID, RGB(0, 0, 0));
    st->Objects[NULL_BRUSH] = brush(BS_NULL, 0);
    st->Objects[WHITE_PEN] = pen(PS_SOLID, RGB(255, 255, 255));
    st->Objects[BLACK_PEN] = pen(PS_SOLID, 0);
    st->Objects[NULL_PEN] = pen(PS_NULL, 0);
    for (const StockFontRow& row : kStockFonts) {
      auto font = Make<FontObj>();
      font->Log = StockFontLog(row);
      st->Objects[row.Index] = font;
    }
    auto pal = Make<PaletteObj>();
    // The twenty static colours of the default palette.
    static const BYTE kStatic[20][3] = {
        {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
        {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
        {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
        {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
    for (const auto& c : kStatic) pal->Entries.push_back({c[0], c[1], c[2], 0});
    st->Objects[DEFAULT_PALETTE] = pal;
    auto dcb = brush(BS_SOLID, RGB(255, 255, 255));
    dcb->DcBrush = true;
    st->Objects[DC_BRUSH] = dcb;
    auto dcp = pen(PS_SOLID, 0);
    st->Objects[DC_PEN] = dcp;
    for (auto& o : st->Objects) {
      if (!o) continue;
      o->Stock = true;
      AddObject(o);
    }
    auto bm = Make<BitmapObj>();
    bm->Surf = Surface::Create(1, 1, true);
    bm->BitsPixel = 1;
    bm->Stock = true;
    AddObject(bm);
    st->Bitmap = bm;
    return st;
  }();
  return *s;
}

}  // namespace

std::shared_ptr<GdiObject> StockShared(int index) {
  if (index < 0 || index >= 20) return nullptr;
  return TheStock().Objects[index];
}

std::shared_ptr<BitmapObj> DefaultBitmap() { return TheStock().Bitmap; }

void InitDCState(DCState& s) {
  s = DCState();
  s.Bitmap = nullptr;
  s.Pen = std::static_pointer_cast<PenObj>(StockShared(BLACK_PEN));
  s.Brush = std::static_pointer_cast<BrushObj>(StockShared(WHITE_BRUSH));
  s.Font = std::static_pointer_cast<FontObj>(StockShared(SYSTEM_FONT));
  s.Palette = std::static_pointer_cast<PaletteObj>(StockShared(DEFAULT_PALETTE));
}

}  // namespace win::gdi

// =============================================================================================
namespace win {

using namespace gdi;

HGDIOBJ GetStockObject(int index) {
  auto o = StockShared(index);
  return o ? o->Handle : nullptr;
}

HPEN CreatePen(int style, int width, COLORREF color) {
  auto p = std::make_shared<PenObj>();
  const UINT st = UINT(style) & PS_STYLE_MASK;
  if (st > PS_ALTERNATE) return nullptr;
  p->Style = st == PS_USERSTYLE || st == PS_ALTERNATE ? PS_SOLID : st;
  p->Width = std::max(0, width);
  p->Color = color;
  // Styled lines exist only one pixel wide; wider ones draw solid.
  if (p->Width > 1 && p->Style >= PS_DASH && p->Style <= PS_DASHDOTDOT) p->Style = PS_SOLID;
  return static_cast<HPEN>(AddObject(p));
}

HPEN CreatePenIndirect(const LOGPEN* lp) {
  if (!lp) return nullptr;
  return CreatePen(int(lp->lopnStyle), lp->lopnWidth.X, lp->lopnColor);
}

HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD styleCount,
                  const DWORD* styles) {
  if (!brush) return nullptr;
  const UINT st = style & PS_STYLE_MASK;
  const bool geometric = (style & PS_TYPE_MASK) == PS_GEOMETRIC;
  if (!geometric && width != 1) return nullptr;
  if (st == PS_USERSTYLE && (styleCount == 0 || styleCount > 16 || !styles)) return nullptr;
  if (st != PS_USERSTYLE && styleCount != 0) return nullptr;
  if (st > PS_ALTERNATE) return nullptr;
  auto p = std::make_shared<PenObj>();
  p->Type = OBJ_EXTPEN;
  p->Style = st;
  p->Geometric = geometric;
  p->EndCap = style & PS_ENDCAP_MASK;
  p->Join = style & PS_JOIN_MASK;
  p->Width = int(std::min<DWORD>(width, 1u << 20));
  p->Color = brush->lbStyle == BS_NULL ? 0 : brush->lbColor;
  if (brush->lbStyle == BS_NULL) p->Style = PS_NULL;
  if (st == PS_USERSTYLE) p->UserStyle.assign(styles, styles + styleCount);
  return static_cast<HPEN>(AddObject(p));
}

HBRUSH CreateSolidBrush(COLORREF color) {
  auto b = std::make_shared<BrushObj>();
  b->Style = BS_SOLID;
  b->Color = color;
  return static_cast<HBRUSH>(AddObject(b));
}

HBRUSH CreateHatchBrush(int style, COLORREF color) {
  if (style < HS_HORIZONTAL || style > HS_DIAGCROSS) return nullptr;
  auto b = std::make_shared<BrushObj>();
  b->Style = BS_HATCHED;
  b->Hatch = style;
  b->Color = color;
  return static_cast<HBRUSH>(AddObject(b));
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
  BitmapObj* bm = LookupBitmap(bitmap);
  if (!bm || !bm->Surf) return nullptr;
  bm->Surf->SyncIn();
  auto copy = Surface::Create(bm->Surf->Width, bm->Surf->Height, bm->Surf->Monochrome);
  if (!copy) return nullptr;
  for (int y = 0; y < copy->Height; ++y)
    std::memcpy(copy->Row(y), bm->Surf->Row(y), size_t(copy->Width) * 4);
  auto b = std::make_shared<BrushObj>();
  b->Style = BS_PATTERN;
  b->Pattern = copy;
  return static_cast<HBRUSH>(AddObject(b));
}

HBRUSH CreateDIBPatternBrushPt(const void* packedDib, UINT usage) {
  if (!packedDib) return nullptr;
  const auto* info = static_cast<const BITMAPINFO*>(packedDib);
  DibFormat fmt;
  int w = 0, h = 0;
  bool topDown = false;
  if (!ParseDibFormat(info, usage, nullptr, fmt, w, h, topDown)) return nullptr;
  if (int64_t(w) * h > 4096 * 4096) return nullptr;
  size_t tableBytes = fmt.BitCount <= 8 ? fmt.Table.size() * (usage == DIB_PAL_COLORS ? 2 : 4)
                                        : (info->bmiHeader.biCompression == BI_BITFIELDS ? 12 : 0);
  const uint8_t* bits = reinterpret_cast<const uint8_t*>(packedDib) + info->bmiHeader.biSize +
                        tableBytes;
  auto surf = Surface::Create(w, h);
  if (!surf) return nullptr;
  const size_t rowBytes = DibRowBytes(w, fmt.BitCount);
  for (int y = 0; y < h; ++y)
    DecodeRow(fmt, bits + size_t(topDown ? y : h - 1 - y) * rowBytes, surf->Row(y), w);
  auto b = std::make_shared<BrushObj>();
  b->Style = BS_DIBPATTERNPT;
  b->Pattern = surf;
  return static_cast<HBRUSH>(AddObject(b));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* lb) {
  if (!lb) return nullptr;
  switch (lb->lbStyle) {
    case BS_SOLID: return CreateSolidBrush(lb->lbColor);
    case BS_HATCHED: return CreateHatchBrush(int(lb->lbHatch), lb->lbColor);
    case BS_NULL: {
      auto b = std::make_shared<BrushObj>();
      b->Style = BS_NULL;
      return static_cast<HBRUSH>(AddObject(b));
    }
    case BS_PATTERN:
    case BS_PATTERN8X8: return CreatePatternBrush(reinterpret_cast<HBITMAP>(lb->lbHatch));
    case BS_DIBPATTERNPT:
      return CreateDIBPatternBrushPt(reinterpret_cast<const void*>(lb->lbHatch), lb->lbColor);
    default: return nullptr;
  }
}

HFONT CreateFontIndirectA(const LOGFONTA* lf) {
  if (!lf) return nullptr;
  auto f = std::make_shared<FontObj>();
  f->Log = *lf;
  f->Log.lfFaceName[LF_FACESIZE - 1] = 0;
  return static_cast<HFONT>(AddObject(f));
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight,
                  DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                  DWORD outPrecision, DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily,
                  LPCSTR faceName) {
  LOGFONTA lf;
  lf.lfHeight = height;
  lf.lfWidth = width;
  lf.lfEscapement = escapement;
  lf.lfOrientation = orientation;
  lf.lfWeight = weight;
  lf.lfItalic = BYTE(italic);
  lf.lfUnderline = BYTE(underline);
  lf.lfStrikeOut = BYTE(strikeOut);
  lf.lfCharSet = BYTE(charSet);
  lf.lfOutPrecision = BYTE(outPrecision);
  lf.lfClipPrecision = BYTE(clipPrecision);
  lf.lfQuality = BYTE(quality);
  lf.lfPitchAndFamily = BYTE(pitchAndFamily);
  if (faceName) std::strncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
  return CreateFontIndirectA(&lf);
}

// ---------------------------------------------------------------------------------------------
// Palettes

HPALETTE CreatePalette(const LOGPALETTE* lp) {
  if (!lp || lp->palNumEntries == 0) return nullptr;
  auto p = std::make_shared<PaletteObj>();
  p->Entries.assign(lp->palPalEntry, lp->palPalEntry + lp->palNumEntries);
  return static_cast<HPALETTE>(AddObject(p));
}

HPALETTE CreateHalftonePalette(HDC) {
  auto p = std::make_shared<PaletteObj>();
  // A 6x6x6 cube plus the static colours.
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b) p->Entries.push_back({BYTE(r * 51), BYTE(g * 51), BYTE(b * 51), 0});
  auto def = std::static_pointer_cast<PaletteObj>(StockShared(DEFAULT_PALETTE));
  for (const auto& e : def->Entries) p->Entries.push_back(e);
  return static_cast<HPALETTE>(AddObject(p));
}

UINT GetPaletteEntries(HPALETTE pal, UINT start, UINT count, PALETTEENTRY* entries) {
  PaletteObj* p = LookupPalette(pal);
  if (!p) return 0;
  if (!entries) return UINT(p->Entries.size());
  if (start >= p->Entries.size()) return 0;
  const UINT n = std::min<UINT>(count, UINT(p->Entries.size()) - start);
  std::copy_n(p->Entries.begin() + start, n, entries);
  return n;
}

UINT SetPaletteEntries(HPALETTE pal, UINT start, UINT count, const PALETTEENTRY* entries) {
  PaletteObj* p = LookupPalette(pal);
  if (!p || !entries || p->Stock || start >= p->Entries.size()) return 0;
  const UINT n = std::min<UINT>(count, UINT(p->Entries.size()) - start);
  std::copy_n(entries, n, p->Entries.begin() + start);
  return n;
}

UINT GetNearestPaletteIndex(HPALETTE pal, COLORREF color) {
  PaletteObj* p = LookupPalette(pal);
  if (!p || p->Entries.empty()) return CLR_INVALID;
  const int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
  UINT best = 0;
  long bestD = -1;
  for (size_t i = 0; i < p->Entries.size(); ++i) {
    const auto& e = p->Entries[i];
    const long d = long(r - e.peRed) * (r - e.peRed) + long(g - e.peGreen) * (g - e.peGreen) +
                   long(b - e.peBlue) * (b - e.peBlue);
    if (bestD < 0 || d < bestD) {
      bestD = d;
      best = UINT(i);
    }
  }
  return best;
}

COLORREF GetNearestColor(HDC dc, COLORREF color) {
  DCObj* d = LookupDC(dc);
  if (!d) return CLR_INVALID;
  const COLORREF c = ResolveColor(d, color);
  Surface* s = d->Target();
  if (s && s->Monochrome) return PixelToColor(MonoPixelOf(ColorToPixel(c)));
  return c;
}

BOOL UnrealizeObject(HGDIOBJ obj) { return LookupObject(obj) ? TRUE : FALSE; }

// ---------------------------------------------------------------------------------------------
// Generic object calls

DWORD GetObjectType(HGDIOBJ obj) {
  GdiObject* o = LookupObject(obj);
  if (!o || o->Type == kIconObjectType) return 0;
  return o->Type;
}

int GetObjectA(HGDIOBJ obj, int size, LPVOID buffer) {
  GdiObject* o = LookupObject(obj);
  if (!o || size < 0) return 0;
  auto put = [&](const void* data, int full) {
    if (!buffer) return full;
    const int n = std::min(size, full);
    std::memcpy(buffer, data, size_t(n));
    return n;
  };
  switch (o->Type) {
    case OBJ_PEN: {
      auto* p = static_cast<PenObj*>(o);
      LOGPEN lp;
      lp.lopnStyle = p->Style;
      lp.lopnWidth = {p->Width, 0};
      lp.lopnColor = p->Color;
      return put(&lp, sizeof lp);
    }
    case OBJ_EXTPEN: {
      auto* p = static_cast<PenObj*>(o);
      const size_t n = p->UserStyle.size();
      std::vector<uint8_t> buf(sizeof(EXTLOGPEN) + (n > 1 ? (n - 1) * sizeof(DWORD) : 0));
      auto* e = reinterpret_cast<EXTLOGPEN*>(buf.data());
      e->elpPenStyle = p->Style | p->EndCap | p->Join | (p->Geometric ? PS_GEOMETRIC : 0);
      e->elpWidth = DWORD(p->Width);
      e->elpBrushStyle = p->Style == PS_NULL ? BS_NULL : BS_SOLID;
      e->elpColor = p->Color;
      e->elpNumEntries = DWORD(n);
      for (size_t i = 0; i < n; ++i) e->elpStyleEntry[i] = p->UserStyle[i];
      const int full = int(offsetof(EXTLOGPEN, elpStyleEntry) + n * sizeof(DWORD));
      return put(buf.data(), full);
    }
    case OBJ_BRUSH: {
      auto* b = static_cast<BrushObj*>(o);
      LOGBRUSH lb;
      lb.lbStyle = b->Style;
      lb.lbColor = b->Style == BS_PATTERN ? 0 : b->Color;
      lb.lbHatch = b->Style == BS_HATCHED ? ULONG_PTR(b->Hatch) : 0;
      return put(&lb, sizeof lb);
    }
    case OBJ_FONT: return put(&static_cast<FontObj*>(o)->Log, sizeof(LOGFONTA));
    case OBJ_PAL: {
      const WORD n = WORD(static_cast<PaletteObj*>(o)->Entries.size());
      return put(&n, sizeof n);
    }
    case OBJ_BITMAP: {
      auto* b = static_cast<BitmapObj*>(o);
      if (b->Surf) b->Surf->SyncOut();
      DIBSECTION ds;
      ds.dsBm.bmType = 0;
      ds.dsBm.bmWidth = b->Surf ? b->Surf->Width : 0;
      ds.dsBm.bmHeight = b->Surf ? b->Surf->Height : 0;
      ds.dsBm.bmPlanes = 1;
      ds.dsBm.bmBitsPixel = WORD(b->BitsPixel);
      if (b->IsDibSection) {
        ds.dsBm.bmWidthBytes = LONG(DibRowBytes(ds.dsBm.bmWidth, b->BitsPixel));
        ds.dsBm.bmBits = b->Bits;
        ds.dsBmih = b->Header;
        ds.dsBmih.biSizeImage = DWORD(ds.dsBm.bmWidthBytes) * DWORD(ds.dsBm.bmHeight);
        for (int i = 0; i < 3; ++i) ds.dsBitfields[i] = b->Masks[i];
        if (size >= int(sizeof(DIBSECTION)) || !buffer) {
          return buffer ? put(&ds, sizeof ds) : int(sizeof ds);
        }
      } else {
        // Device-dependent bitmaps: rows padded to 16 bits, as GetBitmapBits delivers them.
        ds.dsBm.bmWidthBytes = ((ds.dsBm.bmWidth * b->BitsPixel + 15) / 16) * 2;
      }
      return put(&ds.dsBm, sizeof(BITMAP));
    }
    default: return 0;
  }
}

BOOL DeleteObject(HGDIOBJ obj) {
  GdiObject* o = LookupObject(obj);
  if (!o) return FALSE;
  if (o->Type == OBJ_DC || o->Type == OBJ_MEMDC || o->Type == kIconObjectType) return FALSE;
  if (o->Stock) return TRUE;
  if (o->Type == OBJ_BITMAP && static_cast<BitmapObj*>(o)->SelectedIn > 0) return FALSE;
  // Pens, brushes and fonts still selected somewhere stay alive for that DC.
  RemoveObject(obj);
  return TRUE;
}

}  // namespace win
