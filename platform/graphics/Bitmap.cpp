#include "platform/graphics/Bitmap.h"

#include <algorithm>
#include <cstring>

#include "platform/classes/Resources.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/BmpCodec.h"
#include "platform/rtl/Consts.h"

namespace vcl {

using bmp::TDibImage;

namespace {

[[noreturn]] void InvalidBitmap() { throw EInvalidGraphic(SInvalidBitmap); }

// The canvas of a bitmap: a memory DC holding the bitmap, created when first drawn on.
class TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap* bitmap) : bitmap_(bitmap) {}
  ~TBitmapCanvas() override { FreeContext(); }

  void FreeContext() {
    if (!HandleAllocated()) return;
    win::HDC dc = TCanvas::Handle();
    SetHandle(nullptr);
    if (oldBitmap_) win::SelectObject(dc, oldBitmap_);
    if (oldPalette_) win::SelectPalette(dc, oldPalette_, win::TRUE);
    oldBitmap_ = nullptr;
    oldPalette_ = nullptr;
    win::DeleteDC(dc);
  }

 protected:
  void CreateHandle() override {
    win::HBITMAP bm = bitmap_->Handle();
    // The palette is read from the bitmap before the bitmap is held by the new DC.
    win::HPALETTE pal = bitmap_->Palette();
    win::HDC dc = win::CreateCompatibleDC(nullptr);
    if (!dc) throw EOutOfResources(SOutOfResources);
    oldBitmap_ = bm ? win::SelectObject(dc, bm) : nullptr;
    if (pal) {
      oldPalette_ = win::SelectPalette(dc, pal, win::TRUE);
      win::RealizePalette(dc);
    }
    SetHandle(dc);
  }

 private:
  TBitmap* bitmap_;
  win::HGDIOBJ oldBitmap_ = nullptr;
  win::HPALETTE oldPalette_ = nullptr;
};

// A memory DC holding a bitmap for the length of a block.
class TSelectedDC {
 public:
  explicit TSelectedDC(win::HBITMAP bm) : dc_(win::CreateCompatibleDC(nullptr)) {
    if (!dc_) throw EOutOfResources(SOutOfResources);
    old_ = win::SelectObject(dc_, bm);
  }
  ~TSelectedDC() {
    win::SelectObject(dc_, old_);
    win::DeleteDC(dc_);
  }
  TSelectedDC(const TSelectedDC&) = delete;
  TSelectedDC& operator=(const TSelectedDC&) = delete;
  win::HDC DC() const { return dc_; }

 private:
  win::HDC dc_;
  win::HGDIOBJ old_;
};

int BitCountOf(TPixelFormat f) {
  switch (f) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit:
    case pf16bit: return 16;
    case pf24bit: return 24;
    default: return 32;
  }
}

std::vector<win::RGBQUAD> DefaultTable(int bitCount) {
  std::vector<win::RGBQUAD> t;
  if (bitCount == 1) {
    t = {{0, 0, 0, 0}, {255, 255, 255, 0}};
  } else if (bitCount == 4) {
    // The sixteen colours of the system palette.
    const uint32_t rgb[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                              0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                              0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (uint32_t c : rgb)
      t.push_back({uint8_t(c & 0xFF), uint8_t((c >> 8) & 0xFF), uint8_t(c >> 16), 0});
  } else if (bitCount == 8) {
    const win::TOwnedObject<win::HPALETTE> pal(win::CreateHalftonePalette(nullptr));
    win::PALETTEENTRY entries[256];
    const win::UINT n = std::min<win::UINT>(win::GetPaletteEntries(pal, 0, 256, entries), 256);
    for (win::UINT i = 0; i < n; ++i)
      t.push_back({entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0});
  }
  t.resize(size_t(1) << bitCount);
  return t;
}

bool IsMonoTable(const std::vector<win::RGBQUAD>& t) {
  return t.size() == 2 && t[0].rgbRed == 0 && t[0].rgbGreen == 0 && t[0].rgbBlue == 0 &&
         t[1].rgbRed == 255 && t[1].rgbGreen == 255 && t[1].rgbBlue == 255;
}

// A DIB section of the image's format (bottom-up), with its bits copied when present.
win::HBITMAP CreateFromImage(const TDibImage& img) {
  const std::vector<uint8_t> info = img.Info();
  void* bits = nullptr;
  win::HBITMAP h = win::CreateDIBSection(nullptr, reinterpret_cast<const win::BITMAPINFO*>(info.data()),
                                         win::DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!h || !bits) {
    if (h) win::DeleteObject(h);
    throw EOutOfResources(SOutOfResources);
  }
  if (img.Bits.size() == img.RowBytes() * size_t(img.Height))
    std::memcpy(bits, img.Bits.data(), img.Bits.size());
  return h;
}

bool GetDib(win::HBITMAP h, win::DIBSECTION& ds) {
  return win::GetObjectA(h, sizeof ds, &ds) == int(sizeof ds);
}

TDibImage ReadImage(win::HBITMAP h, win::HDC held = nullptr);

// Brings the drawing pixels of a DIB section whose format holds fewer colours than the
// drawing surface back to what its bits hold (after a picture was copied into it).
void Requantize(win::HBITMAP h, win::HDC held = nullptr) {
  win::DIBSECTION ds;
  if (!GetDib(h, ds) || ds.dsBmih.biBitCount >= 24) return;
  const TDibImage img = ReadImage(h, held);
  const std::vector<uint8_t> info = img.Info();
  win::SetDIBits(nullptr, h, 0, win::UINT(img.Height), img.Bits.data(),
                 reinterpret_cast<const win::BITMAPINFO*>(info.data()), win::DIB_RGB_COLORS);
}

// The pixels of a bitmap handle as an image in its own format (device bitmaps as 32 bits,
// monochrome ones as 1 bit). `held`: a DC that already holds the bitmap, if any.
TDibImage ReadImage(win::HBITMAP h, win::HDC held) {
  TDibImage img;
  win::DIBSECTION ds;
  if (GetDib(h, ds) && ds.dsBm.bmBits) {
    img.Width = ds.dsBm.bmWidth;
    img.Height = ds.dsBm.bmHeight;
    img.BitCount = ds.dsBmih.biBitCount;
    img.XPelsPerMeter = ds.dsBmih.biXPelsPerMeter;
    img.YPelsPerMeter = ds.dsBmih.biYPelsPerMeter;
    if (img.BitCount <= 8 && ds.dsBmih.biClrUsed <= (1u << img.BitCount))
      img.ClrUsed = ds.dsBmih.biClrUsed;
    img.ClrImportant = ds.dsBmih.biClrImportant;
    if (img.BitCount == 16 || img.BitCount == 32)
      std::copy(ds.dsBitfields, ds.dsBitfields + 3, img.Masks);
    // The default layouts are written without masks.
    const uint32_t* m = img.Masks;
    if ((img.BitCount == 16 && m[0] == 0x7C00 && m[1] == 0x03E0 && m[2] == 0x1F) ||
        (img.BitCount == 32 && m[0] == 0xFF0000 && m[1] == 0xFF00 && m[2] == 0xFF))
      std::fill(img.Masks, img.Masks + 3, 0u);
    if (img.BitCount <= 8) {
      img.Table.resize(size_t(1) << img.BitCount);
      if (held) {
        win::GetDIBColorTable(held, 0, win::UINT(img.Table.size()), img.Table.data());
      } else {
        TSelectedDC dc(h);
        win::GetDIBColorTable(dc.DC(), 0, win::UINT(img.Table.size()), img.Table.data());
      }
    }
    const size_t rowBytes = img.RowBytes();
    img.Bits.resize(rowBytes * size_t(img.Height));
    const auto* src = static_cast<const uint8_t*>(ds.dsBm.bmBits);
    if (ds.dsBmih.biHeight < 0) {
      for (int y = 0; y < img.Height; ++y)
        std::memcpy(img.Bits.data() + size_t(img.Height - 1 - y) * rowBytes,
                    src + size_t(y) * rowBytes, rowBytes);
    } else {
      std::memcpy(img.Bits.data(), src, img.Bits.size());
    }
    return img;
  }
  win::BITMAP bm;
  if (win::GetObjectA(h, sizeof bm, &bm) < int(sizeof bm)) InvalidBitmap();
  img.Width = bm.bmWidth;
  img.Height = bm.bmHeight;
  img.BitCount = bm.bmBitsPixel == 1 ? 1 : 32;
  if (img.BitCount == 1) img.Table = DefaultTable(1);
  const std::vector<uint8_t> info = img.Info();
  std::vector<uint8_t> buf(info.size() + 16 * sizeof(win::RGBQUAD));
  std::memcpy(buf.data(), info.data(), info.size());
  img.Bits.resize(img.RowBytes() * size_t(img.Height));
  win::GetDIBits(nullptr, h, 0, win::UINT(img.Height), img.Bits.data(),
                 reinterpret_cast<win::BITMAPINFO*>(buf.data()), win::DIB_RGB_COLORS);
  return img;
}

}  // namespace

ZYL_CLASS_IMPL(TBitmap) {}

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
  FreeHandles();
  delete canvas_;
}

win::HDC TBitmap::HeldDC() const {
  return canvas_ && canvas_->HandleAllocated() ? canvas_->Handle() : nullptr;
}

void TBitmap::FreeContext() {
  if (canvas_) static_cast<TBitmapCanvas*>(canvas_)->FreeContext();
}

void TBitmap::FreeHandles() {
  FreeContext();
  if (handle_) win::DeleteObject(handle_);
  if (maskHandle_) win::DeleteObject(maskHandle_);
  if (palette_) win::DeleteObject(palette_);
  handle_ = nullptr;
  maskHandle_ = nullptr;
  palette_ = nullptr;
}

void TBitmap::Changed(TObject* Sender) {
  if (maskHandle_) {
    win::DeleteObject(maskHandle_);
    maskHandle_ = nullptr;
  }
  inherited::Changed(Sender);
}

bool TBitmap::Empty() { return width_ == 0 || height_ == 0; }

void TBitmap::HandleNeeded() {
  if (handle_) return;
  if (!dormant_.empty()) {
    std::vector<uint8_t> bytes;
    bytes.swap(dormant_);
    const TDibImage img = bmp::ReadBmpFile(bytes.data(), bytes.size());
    Replace(CreateFromImage(img), img.Width, img.Height);
  } else if (width_ > 0 && height_ > 0) {
    NewImage(width_, height_, format_, mono_, false);
  }
}

void TBitmap::Replace(win::HBITMAP handle, int width, int height) {
  FreeHandles();
  dormant_.clear();
  handle_ = handle;
  width_ = width;
  height_ = height;
}

void TBitmap::NewImage(int width, int height, TPixelFormat format, bool mono, bool keepPicture) {
  if (width < 0 || height < 0 || int64_t(width) * height > bmp::kMaxPixels)
    throw EOutOfResources(SOutOfResources);
  if (keepPicture) HandleNeeded();
  FreeContext();
  format_ = format;
  mono_ = mono;
  if (width == 0 || height == 0) {
    Replace(nullptr, width, height);
    return;
  }
  win::HBITMAP h = nullptr;
  if (format == pfDevice) {
    h = mono ? win::CreateBitmap(width, height, 1, 1, nullptr)
             : win::CreateCompatibleBitmap(nullptr, width, height);
    if (!h) throw EOutOfResources(SOutOfResources);
  } else {
    TDibImage img;
    img.Width = width;
    img.Height = height;
    img.BitCount = BitCountOf(format);
    if (format == pf16bit) {
      img.Masks[0] = 0xF800;
      img.Masks[1] = 0x07E0;
      img.Masks[2] = 0x001F;
    }
    if (img.BitCount <= 8) {
      img.Table = DefaultTable(img.BitCount);
      // A 4- or 8-bit picture made here counts its whole table as used.
      if (img.BitCount > 1) img.ClrUsed = uint32_t(img.Table.size());
      // A palette the old picture already has serves when it fits.
      if (handle_ && img.BitCount > 1) {
        win::DIBSECTION ds;
        if (GetDib(handle_, ds) && ds.dsBmih.biBitCount <= img.BitCount) {
          FreeContext();
          const TDibImage old = ReadImage(handle_);
          if (!IsMonoTable(old.Table))
            for (size_t i = 0; i < old.Table.size(); ++i) img.Table[i] = old.Table[i];
        }
      }
    }
    h = CreateFromImage(img);
  }
  {
    TSelectedDC dst(h);
    const TColor fill = canvas_ ? ColorToRGB(canvas_->Brush()->Color()) : clWhite;
    const TRect r{0, 0, width, height};
    win::FillRect(
        dst.DC(), &r,
        win::TOwnedObject<win::HBRUSH>(win::CreateSolidBrush(static_cast<win::COLORREF>(fill))));
    if (keepPicture && handle_) {
      TSelectedDC src(handle_);
      win::BitBlt(dst.DC(), 0, 0, std::min(width, width_), std::min(height, height_), src.DC(), 0,
                  0, win::SRCCOPY);
    }
  }
  Requantize(h);
  Replace(h, width, height);
}

void TBitmap::SetWidth(int Value) { SetSize(Value, height_); }
void TBitmap::SetHeight(int Value) { SetSize(width_, Value); }

void TBitmap::SetSize(int AWidth, int AHeight) {
  if (AWidth == width_ && AHeight == height_) return;
  const TPixelFormat f = PixelFormat();
  const bool mono = Monochrome();
  NewImage(AWidth, AHeight, f == pfCustom ? pf32bit : f, mono, true);
  Changed(this);
}

TCanvas* TBitmap::Canvas() {
  if (!canvas_) {
    canvas_ = new TBitmapCanvas(this);
    canvas_->OnChange = TNotifyEvent(this, &TBitmap::CanvasChanged);
    canvas_->OnChanging = TNotifyEvent(this, &TBitmap::CanvasChanging);
  }
  return canvas_;
}

void TBitmap::CanvasChanged(TObject*) {
  // What was drawn reads back in the colours the pixel format holds.
  if (handle_) Requantize(handle_, HeldDC());
  Changed(this);
}

void TBitmap::CanvasChanging(TObject*) { dormant_.clear(); }

win::HBITMAP TBitmap::Handle() {
  HandleNeeded();
  return handle_;
}

void TBitmap::SetHandle(win::HBITMAP Value) {
  if (Value == handle_) return;
  int w = 0, h = 0;
  bool mono = false;
  if (Value) {
    win::BITMAP bm;
    if (win::GetObjectA(Value, sizeof bm, &bm) < int(sizeof bm))
      throw EInvalidGraphicOperation(SInvalidBitmapHandle);
    w = bm.bmWidth;
    h = bm.bmHeight;
    mono = bm.bmBitsPixel == 1;
  }
  Replace(Value, w, h);
  format_ = pfDevice;
  mono_ = mono;
  Changed(this);
}

win::HBITMAP TBitmap::ReleaseHandle() {
  HandleNeeded();
  if (!handle_) return nullptr;
  FreeContext();
  std::vector<uint8_t> copy = Encode();
  win::HBITMAP h = handle_;
  handle_ = nullptr;
  FreeHandles();
  dormant_ = std::move(copy);
  return h;
}

win::HBITMAP TBitmap::MaskHandle() {
  if (!maskHandle_) {
    HandleNeeded();
    if (!handle_) return nullptr;
    const TColor key = TransparentColor() & 0xFFFFFF;
    FreeContext();
    maskHandle_ = win::CreateBitmap(width_, height_, 1, 1, nullptr);
    TSelectedDC src(handle_);
    TSelectedDC dst(maskHandle_);
    win::SetBkColor(src.DC(), static_cast<win::COLORREF>(key));
    win::BitBlt(dst.DC(), 0, 0, width_, height_, src.DC(), 0, 0, win::SRCCOPY);
  }
  return maskHandle_;
}

win::HBITMAP TBitmap::ReleaseMaskHandle() {
  win::HBITMAP h = MaskHandle();
  maskHandle_ = nullptr;
  return h;
}

win::HPALETTE TBitmap::Palette() {
  if (!palette_) {
    HandleNeeded();
    win::DIBSECTION ds;
    if (!handle_ || !GetDib(handle_, ds) || ds.dsBmih.biBitCount > 8) return nullptr;
    const TDibImage img = ReadImage(handle_, HeldDC());
    std::vector<uint8_t> buf(sizeof(win::LOGPALETTE) + img.Table.size() * sizeof(win::PALETTEENTRY));
    auto* lp = reinterpret_cast<win::LOGPALETTE*>(buf.data());
    lp->palVersion = 0x300;
    lp->palNumEntries = win::WORD(img.Table.size());
    for (size_t i = 0; i < img.Table.size(); ++i)
      lp->palPalEntry[i] = {img.Table[i].rgbRed, img.Table[i].rgbGreen, img.Table[i].rgbBlue, 0};
    palette_ = win::CreatePalette(lp);
  }
  return palette_;
}

void TBitmap::SetPalette(win::HPALETTE Value) {
  if (Value == palette_) return;
  HandleNeeded();
  FreeContext();
  if (palette_) win::DeleteObject(palette_);
  palette_ = Value;
  win::DIBSECTION ds;
  if (Value && handle_ && GetDib(handle_, ds) && ds.dsBmih.biBitCount <= 8) {
    win::PALETTEENTRY entries[256];
    const win::UINT n = std::min<win::UINT>(win::GetPaletteEntries(Value, 0, 256, entries), 256);
    std::vector<win::RGBQUAD> table(n);
    for (win::UINT i = 0; i < n; ++i)
      table[i] = {entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0};
    TSelectedDC dc(handle_);
    win::SetDIBColorTable(dc.DC(), 0, n, table.data());
  }
  Changed(this);
}

TBitmapHandleType TBitmap::HandleType() {
  HandleNeeded();
  if (!handle_) return format_ == pfDevice ? bmDDB : bmDIB;
  win::DIBSECTION ds;
  return GetDib(handle_, ds) ? bmDIB : bmDDB;
}

void TBitmap::SetHandleType(TBitmapHandleType Value) {
  if (Value == HandleType()) return;
  if (Value == bmDDB) {
    SetPixelFormat(pfDevice);
  } else {
    SetPixelFormat(Monochrome() ? pf1bit : pf32bit);
  }
}

TPixelFormat TBitmap::PixelFormat() {
  HandleNeeded();
  if (!handle_) return format_;
  win::DIBSECTION ds;
  if (!GetDib(handle_, ds)) return pfDevice;
  switch (ds.dsBmih.biBitCount) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 16:
      if (ds.dsBitfields[0] == 0 || ds.dsBitfields[0] == 0x7C00) return pf15bit;
      if (ds.dsBitfields[0] == 0xF800 && ds.dsBitfields[1] == 0x07E0 && ds.dsBitfields[2] == 0x1F)
        return pf16bit;
      return pfCustom;
    case 24: return pf24bit;
    case 32:
      if (ds.dsBitfields[0] == 0 || ds.dsBitfields[0] == 0xFF0000) return pf32bit;
      return pfCustom;
    default: return pfCustom;
  }
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (Value == pfCustom) throw EInvalidGraphic(SInvalidPixelFormat);
  if (Value == PixelFormat() && Value != pfDevice) return;
  if (Value == pfDevice && HandleType() == bmDDB) return;
  NewImage(width_, height_, Value, Value == pfDevice && Monochrome(), true);
  Changed(this);
}

bool TBitmap::Monochrome() {
  HandleNeeded();
  if (!handle_) return mono_ || format_ == pf1bit;
  win::DIBSECTION ds;
  if (GetDib(handle_, ds)) {
    if (ds.dsBmih.biBitCount != 1) return false;
    return IsMonoTable(ReadImage(handle_, HeldDC()).Table);
  }
  win::BITMAP bm;
  win::GetObjectA(handle_, sizeof bm, &bm);
  return bm.bmBitsPixel == 1;
}

void TBitmap::SetMonochrome(bool Value) {
  if (Value == Monochrome()) return;
  const bool dib = HandleType() == bmDIB;
  if (Value) NewImage(width_, height_, dib ? pf1bit : pfDevice, !dib, true);
  else NewImage(width_, height_, pfDevice, false, true);
  Changed(this);
}

void* TBitmap::ScanLine(int Row) {
  HandleNeeded();
  if (Row < 0 || Row >= height_ || !handle_) throw EInvalidGraphicOperation(SScanLine);
  if (HandleType() != bmDIB) SetHandleType(bmDIB);
  win::DIBSECTION ds;
  if (!GetDib(handle_, ds) || !ds.dsBm.bmBits) throw EInvalidGraphicOperation(SScanLine);
  dormant_.clear();
  if (maskHandle_) {
    win::DeleteObject(maskHandle_);
    maskHandle_ = nullptr;
  }
  const size_t rowBytes = size_t(ds.dsBm.bmWidthBytes);
  const int y = ds.dsBmih.biHeight < 0 ? Row : height_ - 1 - Row;
  return static_cast<uint8_t*>(ds.dsBm.bmBits) + size_t(y) * rowBytes;
}

TColor TBitmap::TransparentColor() {
  TColor c;
  if (transparentColor_ == clDefault) {
    if (Empty()) return clDefault;
    if (Monochrome()) c = clWhite;
    else c = Canvas()->Pixels(0, height_ - 1);
  } else {
    c = ColorToRGB(transparentColor_);
  }
  return c | TransparentColorFlag;
}

void TBitmap::SetTransparentColor(TColor Value) {
  if (Value == transparentColor_) return;
  transparentMode_ = Value == clDefault ? tmAuto : tmFixed;
  transparentColor_ = Value;
  Changed(this);
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
  if (Value == transparentMode_) return;
  if (Value == tmAuto) SetTransparentColor(clDefault);
  else SetTransparentColor(TransparentColor() & 0xFFFFFF);
}

void TBitmap::Mask(TColor TransparentColor) {
  HandleNeeded();
  if (!handle_) return;
  const bool dib = HandleType() == bmDIB;
  const TColor key = ColorToRGB(TransparentColor) & 0xFFFFFF;
  FreeContext();
  win::TOwnedObject<win::HBITMAP> mono(win::CreateBitmap(width_, height_, 1, 1, nullptr));
  {
    TSelectedDC src(handle_);
    TSelectedDC dst(mono);
    win::SetBkColor(src.DC(), static_cast<win::COLORREF>(key));
    win::BitBlt(dst.DC(), 0, 0, width_, height_, src.DC(), 0, 0, win::SRCCOPY);
  }
  if (dib) {
    TDibImage img;
    img.Width = width_;
    img.Height = height_;
    img.BitCount = 1;
    img.Table = DefaultTable(1);
    win::TOwnedObject<win::HBITMAP> h(CreateFromImage(img));
    {
      TSelectedDC src(mono);
      TSelectedDC dst(h);
      win::SetTextColor(dst.DC(), 0x000000);
      win::SetBkColor(dst.DC(), 0xFFFFFF);
      win::BitBlt(dst.DC(), 0, 0, width_, height_, src.DC(), 0, 0, win::SRCCOPY);
    }
    Replace(h.Release(), width_, height_);
  } else {
    Replace(mono.Release(), width_, height_);
  }
  format_ = dib ? pf1bit : pfDevice;
  mono_ = true;
  Changed(this);
}

void TBitmap::Dormant() {
  if (!handle_) return;
  std::vector<uint8_t> copy = Encode();
  FreeHandles();
  dormant_ = std::move(copy);
}

void TBitmap::FreeImage() {
  if (handle_) dormant_.clear();
}

std::vector<uint8_t> TBitmap::Encode() {
  if (!handle_) return dormant_;
  FreeContext();
  return bmp::WriteBmpFile(ReadImage(handle_));
}

void TBitmap::LoadImage(const uint8_t* data, size_t size, bool fileFormat) {
  if (size == 0) {
    Replace(nullptr, 0, 0);
  } else {
    const TDibImage img = fileFormat ? bmp::ReadBmpFile(data, size) : bmp::ReadPackedDib(data, size);
    Replace(CreateFromImage(img), img.Width, img.Height);
  }
  Changed(this);
}

void TBitmap::LoadFromStream(TStream* Stream) {
  const int64_t left = Stream->Remaining();
  if (left > INT32_MAX) InvalidBitmap();
  std::vector<uint8_t> data(static_cast<size_t>(left));
  if (left > 0) Stream->ReadBuffer(data.data(), static_cast<int32_t>(left));
  LoadImage(data.data(), data.size(), true);
}

void TBitmap::SaveToStream(TStream* Stream) {
  if (Empty()) return;
  const std::vector<uint8_t> bytes = Encode();
  Stream->WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
}

void TBitmap::ReadData(TStream* Stream) {
  uint8_t lenBytes[4];
  if (Stream->Read(lenBytes, 4) != 4) InvalidBitmap();
  const uint32_t len = uint32_t(lenBytes[0]) | (uint32_t(lenBytes[1]) << 8) |
                       (uint32_t(lenBytes[2]) << 16) | (uint32_t(lenBytes[3]) << 24);
  if (int64_t(len) > Stream->Remaining()) InvalidBitmap();
  std::vector<uint8_t> data(len);
  if (len > 0) Stream->ReadBuffer(data.data(), static_cast<int32_t>(len));
  LoadImage(data.data(), data.size(), true);
}

void TBitmap::WriteData(TStream* Stream) {
  const std::vector<uint8_t> bytes = Empty() ? std::vector<uint8_t>() : Encode();
  const uint32_t len = static_cast<uint32_t>(bytes.size());
  const uint8_t lenBytes[4] = {uint8_t(len), uint8_t(len >> 8), uint8_t(len >> 16), uint8_t(len >> 24)};
  Stream->WriteBuffer(lenBytes, 4);
  if (len > 0) Stream->WriteBuffer(bytes.data(), static_cast<int32_t>(len));
}

void TBitmap::LoadFromResourceName(win::HINSTANCE Instance, const std::string& ResName) {
  TResourceStream stream(Instance, ResName, RT_BITMAP);
  const auto* data = static_cast<const uint8_t*>(stream.Memory());
  const size_t size = static_cast<size_t>(stream.Size());
  LoadImage(data, size, size >= 2 && data[0] == 'B' && data[1] == 'M');
}

void TBitmap::LoadFromResourceID(win::HINSTANCE Instance, int ResID) {
  LoadFromResourceName(Instance, ResourceId(ResID));
}

void TBitmap::Draw(TCanvas* ACanvas, const TRect& Rect) {
  HandleNeeded();
  if (!handle_ || !ACanvas) return;
  const bool mono = Monochrome();
  const TColor key = Transparent() ? TransparentColor() & 0xFFFFFF : 0;
  win::HDC dst = ACanvas->Handle();
  win::HDC src = Canvas()->Handle();
  win::COLORREF oldText = 0, oldBack = 0;
  if (mono) {
    oldText = win::SetTextColor(dst, 0x000000);
    oldBack = win::SetBkColor(dst, 0xFFFFFF);
  }
  if (Transparent()) {
    win::TransparentBlt(dst, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), src, 0, 0, width_,
                        height_, static_cast<win::UINT>(key));
  } else {
    win::StretchBlt(dst, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), src, 0, 0, width_,
                    height_, static_cast<win::DWORD>(ACanvas->CopyMode()));
  }
  if (mono) {
    win::SetTextColor(dst, oldText);
    win::SetBkColor(dst, oldBack);
  }
}

void TBitmap::Assign(TPersistent* Source) {
  if (!Source) {
    Replace(nullptr, 0, 0);
    Changed(this);
    return;
  }
  auto* src = dynamic_cast<TBitmap*>(Source);
  if (!src) {
    inherited::Assign(Source);
    return;
  }
  if (src == this) return;
  src->HandleNeeded();
  if (!src->handle_) {
    Replace(nullptr, src->width_, src->height_);
    format_ = src->format_;
    mono_ = src->mono_;
  } else if (src->HandleType() == bmDIB) {
    src->FreeContext();
    const TDibImage img = ReadImage(src->handle_);
    Replace(CreateFromImage(img), img.Width, img.Height);
  } else {
    Replace(nullptr, 0, 0);
    NewImage(src->width_, src->height_, pfDevice, src->Monochrome(), false);
    src->FreeContext();
    TSelectedDC s(src->handle_);
    TSelectedDC d(handle_);
    win::BitBlt(d.DC(), 0, 0, width_, height_, s.DC(), 0, 0, win::SRCCOPY);
  }
  transparentColor_ = src->transparentColor_;
  transparentMode_ = src->transparentMode_;
  TGraphic::SetTransparent(src->Transparent());
  Changed(this);
}

size_t BmpFileLength(const uint8_t* Data, size_t Size) { return bmp::FileLength(Data, Size); }

}  // namespace vcl
