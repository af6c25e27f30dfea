#include "platform/graphics/Icon.h"

#include <cstring>
#include <optional>

#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/BmpCodec.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Png.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl {

namespace {

[[noreturn]] void InvalidIcon() { throw EInvalidGraphic(SInvalidIcon); }

// PNG images of an icon file are taken up to this size a side (the format itself names sizes
// up to 256; larger ones are refused before their pixels are decoded).
constexpr int kMaxPngSide = 1024;

uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
void Put16(std::vector<uint8_t>& v, uint16_t x) {
  v.push_back(uint8_t(x));
  v.push_back(uint8_t(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  for (int i = 0; i < 4; ++i) v.push_back(uint8_t(x >> (8 * i)));
}

struct TDecoded {
  bmp::TDibImage Color;
  std::vector<uint8_t> Mask;  // bottom-up 1-bit rows padded to four bytes
};

// Checks an icon image (colour rows, then the mask rows) and answers its colour image: without
// `mask` the headers only (no pixels decoded), with it the pixels too, the mask rows in `mask`.
bmp::TDibImage ReadImage(const uint8_t* p, size_t size, std::vector<uint8_t>* mask) {
  size_t maskAt = 0;
  // Icon images are never compressed (compressed ones would not carry a mask).
  if (size < 40 || (U32(p + 16) != win::BI_RGB && U32(p + 16) != win::BI_BITFIELDS)) InvalidIcon();
  bmp::TDibImage color;
  try {
    color = mask ? bmp::ReadPackedDib(p, size, true, &maskAt)
                 : bmp::CheckPackedDib(p, size, true, &maskAt);
  } catch (const EInvalidGraphic&) {
    InvalidIcon();
  }
  const size_t maskBytes = bmp::TDibImage::RowBytesOf(color.Width, 1) * size_t(color.Height);
  if (maskAt == 0 || maskAt > size || size - maskAt < maskBytes) InvalidIcon();
  if (mask) mask->assign(p + maskAt, p + maskAt + maskBytes);
  return color;
}

// A PNG image as an icon's images: the straight-alpha colour image bottom-up, and a mask
// that lets the destination show where the picture is fully transparent.
TDecoded DecodePng(const uint8_t* p, size_t size) {
  const TPngPixels png = ReadPng(p, size, kMaxPngSide, true);
  TDecoded d;
  d.Color.Width = png.Width;
  d.Color.Height = png.Height;
  d.Color.BitCount = 32;
  d.Color.Bits.assign(d.Color.RowBytes() * size_t(png.Height), 0);
  const size_t maskRow = bmp::TDibImage::RowBytesOf(png.Width, 1);
  d.Mask.assign(maskRow * size_t(png.Height), 0);
  for (int y = 0; y < png.Height; ++y) {
    const size_t row = size_t(png.Height - 1 - y);  // bottom-up
    uint8_t* color = d.Color.Bits.data() + row * d.Color.RowBytes();
    uint8_t* mask = d.Mask.data() + row * maskRow;
    for (int x = 0; x < png.Width; ++x) {
      const uint32_t px = png.Pixels[size_t(y) * size_t(png.Width) + size_t(x)];
      if ((px >> 24) == 0) {
        mask[x / 8] |= uint8_t(0x80 >> (x % 8));
        continue;  // a transparent pixel leaves the colour black
      }
      for (int i = 0; i < 4; ++i) color[size_t(x) * 4 + size_t(i)] = uint8_t(px >> (8 * i));
    }
  }
  return d;
}

TDecoded DecodeImage(const uint8_t* p, size_t size) {
  if (IsPng(p, size)) return DecodePng(p, size);
  TDecoded d;
  d.Color = ReadImage(p, size, &d.Mask);
  return d;
}

// What the directory needs of an image to choose among them: its size and colour depth.
struct TImageFacts {
  int Width = 0;
  int Height = 0;
  int BitCount = 0;
};

// The facts of one image from its headers. A bitmap image must be sound (EInvalidGraphic
// otherwise); a PNG image whose header cannot be read answers nothing, and its error in
// `pngError` (the first such error is kept).
std::optional<TImageFacts> ImageFacts(const uint8_t* p, size_t size,
                                      std::optional<EInvalidGraphic>& pngError) {
  if (!IsPng(p, size)) {
    const bmp::TDibImage img = ReadImage(p, size, nullptr);
    return TImageFacts{img.Width, img.Height, img.BitCount};
  }
  try {
    const TPngPixels png = ReadPng(p, size, kMaxPngSide, false);
    return TImageFacts{png.Width, png.Height, 32};
  } catch (const EInvalidGraphic& e) {
    if (!pngError) pngError = e;
    return std::nullopt;
  }
}

}  // namespace

ZYL_CLASS_IMPL(TIcon) {}

TIcon::TIcon() { SetTransparent(true); }

TIcon::~TIcon() { Clear(); }

void TIcon::Clear() {
  if (handle_) win::DestroyIcon(handle_);
  handle_ = nullptr;
  data_.clear();
  imageOffset_ = imageSize_ = 0;
  imageCount_ = 0;
  width_ = height_ = 0;
}

bool TIcon::Empty() { return !handle_ && data_.empty(); }
int TIcon::Width() { return width_; }
int TIcon::Height() { return height_; }

void TIcon::SetWidth(int) { throw EInvalidGraphicOperation(SChangeIconSize); }
void TIcon::SetHeight(int) { throw EInvalidGraphicOperation(SChangeIconSize); }

void TIcon::Parse(std::vector<uint8_t> data) {
  const size_t size = data.size();
  if (size < 6 || U16(data.data()) != 0 || U16(data.data() + 2) != 1) InvalidIcon();
  const int count = U16(data.data() + 4);
  if (count == 0 || 6 + size_t(count) * 16 > size) InvalidIcon();
  int chosen = -1;
  int chosenBits = -1;
  std::optional<EInvalidGraphic> pngError;
  for (int i = 0; i < count; ++i) {
    const uint8_t* e = data.data() + 6 + size_t(i) * 16;
    const uint32_t bytes = U32(e + 8), offset = U32(e + 12);
    if (offset < 6 + size_t(count) * 16 || offset > size || bytes > size - offset || bytes < 40)
      InvalidIcon();
    // Every bitmap image must be readable, not only the one shown; only the shown one is
    // decoded (when its handle is needed), so entries sharing one image cost a header check
    // each. A PNG image whose header is damaged is never shown.
    const std::optional<TImageFacts> img = ImageFacts(data.data() + offset, bytes, pngError);
    if (!img) continue;
    const bool standard = img->Width == 32 && img->Height == 32;
    const int score = (standard ? 1000 : 0) + img->BitCount;
    if (chosen < 0 || (standard && score > chosenBits)) {
      chosen = i;
      chosenBits = score;
      imageOffset_ = offset;
      imageSize_ = bytes;
      width_ = img->Width;
      height_ = img->Height;
    }
  }
  if (chosen < 0) throw *pngError;  // every image is a damaged PNG
  // A PNG image shown is decoded now, so that a damaged one is refused when it is loaded
  // rather than when it is drawn.
  if (IsPng(data.data() + imageOffset_, imageSize_))
    DecodePng(data.data() + imageOffset_, imageSize_);
  imageCount_ = count;
  data_ = std::move(data);
}

void TIcon::LoadFromStream(TStream* Stream) {
  const int64_t left = Stream->Remaining();
  if (left > INT32_MAX) InvalidIcon();
  std::vector<uint8_t> data(static_cast<size_t>(left));
  if (left > 0) Stream->ReadBuffer(data.data(), static_cast<int32_t>(left));
  TIcon tmp;
  tmp.Parse(std::move(data));
  Clear();
  data_ = std::move(tmp.data_);
  imageOffset_ = tmp.imageOffset_;
  imageSize_ = tmp.imageSize_;
  imageCount_ = tmp.imageCount_;
  width_ = tmp.width_;
  height_ = tmp.height_;
  Changed(this);
}

win::HICON TIcon::Handle() {
  if (!handle_ && !data_.empty()) {
    const TDecoded img = DecodeImage(data_.data() + imageOffset_, imageSize_);
    const std::vector<uint8_t> info = img.Color.Info();
    void* bits = nullptr;
    win::TOwnedObject<win::HBITMAP> color(
        win::CreateDIBSection(nullptr, reinterpret_cast<const win::BITMAPINFO*>(info.data()),
                              win::DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!color || !bits) throw EOutOfResources(SOutOfResources);
    std::memcpy(bits, img.Color.Bits.data(), img.Color.Bits.size());
    win::TOwnedObject<win::HBITMAP> mask(win::CreateBitmap(width_, height_, 1, 1, nullptr));
    bmp::TDibImage m;
    m.Width = width_;
    m.Height = height_;
    m.BitCount = 1;
    m.Table = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    const std::vector<uint8_t> minfo = m.Info();
    win::SetDIBits(nullptr, mask, 0, win::UINT(height_), img.Mask.data(),
                   reinterpret_cast<const win::BITMAPINFO*>(minfo.data()), win::DIB_RGB_COLORS);
    win::ICONINFO ii;
    ii.fIcon = win::TRUE;
    ii.hbmColor = color;
    ii.hbmMask = mask;
    handle_ = win::CreateIconIndirect(&ii);
    if (!handle_) throw EOutOfResources(SOutOfResources);
  }
  return handle_;
}

void TIcon::SetHandle(win::HICON Value) {
  if (Value == handle_) return;
  int w = 0, h = 0;
  if (Value) {
    win::ICONINFO ii;
    // Shared icons of the window system are not raster objects: they get the standard
    // icon size.
    if (!win::GetIconInfo(Value, &ii)) ii = win::ICONINFO{};
    const win::TOwnedObject<win::HBITMAP> colorBits(ii.hbmColor), maskBits(ii.hbmMask);
    w = h = 32;
    win::BITMAP bm;
    if (ii.hbmColor && win::GetObjectA(ii.hbmColor, sizeof bm, &bm) >= int(sizeof bm)) {
      w = bm.bmWidth;
      h = bm.bmHeight;
    } else if (ii.hbmMask && win::GetObjectA(ii.hbmMask, sizeof bm, &bm) >= int(sizeof bm)) {
      w = bm.bmWidth;
      h = bm.bmHeight / 2;
    }
  }
  Clear();
  handle_ = Value;
  width_ = w;
  height_ = h;
  imageCount_ = Value ? 1 : 0;
  Changed(this);
}

win::HICON TIcon::ReleaseHandle() {
  win::HICON h = Handle();
  handle_ = nullptr;
  return h;
}

std::vector<uint8_t> TIcon::BuildFromHandle() {
  win::ICONINFO ii;
  if (!handle_ || !win::GetIconInfo(handle_, &ii)) return {};
  const win::TOwnedObject<win::HBITMAP> colorBits(ii.hbmColor), maskBits(ii.hbmMask);
  bmp::TDibImage color;
  color.Width = width_;
  color.Height = height_;
  color.BitCount = 32;
  color.Bits.assign(color.RowBytes() * size_t(height_), 0);
  bmp::TDibImage mask;
  mask.Width = width_;
  mask.Height = height_;
  mask.BitCount = 1;
  mask.Table = {{0, 0, 0, 0}, {255, 255, 255, 0}};
  mask.Bits.assign(mask.RowBytes() * size_t(height_), 0);
  auto read = [](win::HBITMAP bm, bmp::TDibImage& img) {
    std::vector<uint8_t> info = img.Info();
    info.resize(info.size() + 16);
    win::GetDIBits(nullptr, bm, 0, win::UINT(img.Height), img.Bits.data(),
                   reinterpret_cast<win::BITMAPINFO*>(info.data()), win::DIB_RGB_COLORS);
  };
  if (ii.hbmColor) read(ii.hbmColor, color);
  if (ii.hbmMask) read(ii.hbmMask, mask);

  std::vector<uint8_t> image = color.Info();
  image[8] = uint8_t(height_ * 2);  // the header counts colour and mask rows
  image[9] = uint8_t((height_ * 2) >> 8);
  image[10] = uint8_t((height_ * 2) >> 16);
  image[11] = uint8_t((height_ * 2) >> 24);
  image.insert(image.end(), color.Bits.begin(), color.Bits.end());
  image.insert(image.end(), mask.Bits.begin(), mask.Bits.end());

  std::vector<uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, 1);
  out.push_back(uint8_t(width_ >= 256 ? 0 : width_));
  out.push_back(uint8_t(height_ >= 256 ? 0 : height_));
  out.push_back(0);
  out.push_back(0);
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, uint32_t(image.size()));
  Put32(out, 6 + 16);
  out.insert(out.end(), image.begin(), image.end());
  return out;
}

void TIcon::SaveToStream(TStream* Stream) {
  const std::vector<uint8_t> bytes = data_.empty() ? BuildFromHandle() : data_;
  if (!bytes.empty()) Stream->WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
}

void TIcon::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (!ACanvas || Empty()) return;
  win::DrawIconEx(ACanvas->Handle(), Rect.Left, Rect.Top, Handle(), Rect.Width(), Rect.Height(), 0,
                  nullptr, win::DI_NORMAL);
}

void TIcon::Assign(TPersistent* Source) {
  if (!Source) {
    Clear();
    Changed(this);
    return;
  }
  auto* src = dynamic_cast<TIcon*>(Source);
  if (!src) {
    inherited::Assign(Source);
    return;
  }
  if (src == this) return;
  Clear();
  if (!src->data_.empty()) {
    data_ = src->data_;
    imageOffset_ = src->imageOffset_;
    imageSize_ = src->imageSize_;
    imageCount_ = src->imageCount_;
    width_ = src->width_;
    height_ = src->height_;
  } else if (src->handle_) {
    handle_ = win::CopyIcon(src->handle_);
    width_ = src->width_;
    height_ = src->height_;
    imageCount_ = 1;
  }
  Changed(this);
}

}  // namespace vcl
