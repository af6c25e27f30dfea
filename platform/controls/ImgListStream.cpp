// The binary image-list stream: a 28-byte header (the signature "IL", version 0x101, the image
// count and capacity, the growth step, the image size, the background colour, flags and four
// overlay indices), then the images as a BMP file four across and as many rows as the capacity
// needs, then for a masked list the masks as a monochrome BMP file of the same layout; an empty
// list's stream is the header alone. The form designer writes 32-bit pictures and fills each
// file header's size field with the length of the headers alone, so the files are measured by
// their info headers. Read before anything is allocated against the limits of the list (image
// size, count) and of the BMP reader.
#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/classes/Streams.h"
#include "platform/controls/ImgList.h"
#include "platform/graphics/Colors.h"
#include "platform/rtl/Consts.h"

namespace vcl {

using namespace win;

namespace {
constexpr uint16_t kMagic = 0x4C49;  // "IL"
constexpr uint16_t kVersion = 0x0101;
constexpr uint16_t ILC_MASK = 0x0001;
constexpr uint16_t ILC_COLOR32 = 0x0020;
constexpr uint16_t ILC_COLORDDB = 0x00FE;  // the screen's depth
constexpr uint16_t kDepthFlags = 0x00FE;   // the bits that name the colour depth
constexpr uint32_t CLR_NONE = 0xFFFFFFFF;
constexpr int kAcross = 4;  // images in a row of the stream's bitmaps
constexpr size_t kHeaderSize = 28;

uint16_t Get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Get32(const uint8_t* p) {
  return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}
void Put16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

[[noreturn]] void Fail() { throw EReadError(SImageReadFail); }

// One BMP file of the stream's rest, at `at`, measured by its own headers; `at` moves past it.
std::unique_ptr<TBitmap> ReadBmp(const std::vector<uint8_t>& rest, size_t& at) {
  const size_t length = BmpFileLength(rest.data() + at, rest.size() - at);
  TMemoryStream file;
  file.WriteBuffer(rest.data() + at, static_cast<int32_t>(length));
  file.SetPosition(0);
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->LoadFromStream(&file);
  at += length;
  return bitmap;
}

// A picture as the designer writes it: its size field holds the length of the headers.
void WriteBmp(TBitmap& picture, TStream* Stream) {
  TMemoryStream file;
  picture.SaveToStream(&file);
  auto* bytes = static_cast<uint8_t*>(file.Memory());
  Put32(bytes + 2, Get32(bytes + 10));
  Stream->WriteBuffer(bytes, static_cast<int32_t>(file.Size()));
}

// The pixels of a picture, 0x00RRGGBB top-down.
std::vector<uint32_t> Pixels32(TBitmap* b) {
  b->SetPixelFormat(pf32bit);
  const int w = b->Width(), h = b->Height();
  std::vector<uint32_t> out(static_cast<size_t>(w) * static_cast<size_t>(h));
  for (int y = 0; y < h; ++y)
    std::memcpy(&out[static_cast<size_t>(y) * w], b->ScanLine(y), static_cast<size_t>(w) * 4);
  return out;
}
}  // namespace

int TCustomImageList::StreamCapacity() const {
  const int count = Count();
  if (count == 0 || stream_.Capacity >= count) return count == 0 ? 0 : stream_.Capacity;
  // Room for whole growth steps, as a list that grows step by step has.
  const int step = stream_.Grow > 0 ? stream_.Grow : std::clamp(allocBy_, 1, kMaxImageListCount);
  return static_cast<int>(
      std::min<int64_t>((int64_t{count} + step - 1) / step * step, kMaxImageListCount));
}

void TCustomImageList::ReadData(TStream* Stream) {
  uint8_t h[kHeaderSize];
  if (Stream->Read(h, sizeof h) != static_cast<int32_t>(sizeof h)) Fail();
  const int count = static_cast<int16_t>(Get16(h + 4));
  const int capacity = static_cast<int16_t>(Get16(h + 6));
  const int grow = static_cast<int16_t>(Get16(h + 8));
  const int cx = static_cast<int16_t>(Get16(h + 10)), cy = static_cast<int16_t>(Get16(h + 12));
  const uint32_t bk = Get32(h + 14);
  const uint16_t flags = Get16(h + 18);
  if (Get16(h) != kMagic || Get16(h + 2) != kVersion) Fail();
  if (count < 0 || capacity < count || cx < 1 || cy < 1) Fail();
  if (int64_t{cx} * cy > int64_t{4096} * 4096) Fail();
  std::vector<TImage> images(static_cast<size_t>(count));
  int64_t cells = count;  // the images the picture has room for
  if (count > 0 || Stream->Position() < Stream->Size()) {
    const int64_t remaining = Stream->Remaining();
    if (remaining > INT32_MAX) Fail();
    std::vector<uint8_t> rest(static_cast<size_t>(remaining));
    Stream->ReadBuffer(rest.data(), static_cast<int32_t>(remaining));
    size_t at = 0;
    std::unique_ptr<TBitmap> picture, mask;
    try {
      picture = ReadBmp(rest, at);
      if (flags & ILC_MASK) mask = ReadBmp(rest, at);
    } catch (const EInvalidGraphic&) {
      Fail();
    }
    Stream->SetPosition(Stream->Position() - remaining + static_cast<int64_t>(at));
    const int w = picture->Width(), ht = picture->Height();
    const int64_t across = w / cx, down = ht / cy;
    cells = across * down;
    if (cells < count) Fail();
    if (mask && (mask->Width() != w || mask->Height() != ht)) Fail();
    const std::vector<uint32_t> pixels = Pixels32(picture.get());
    const std::vector<uint32_t> masks = mask ? Pixels32(mask.get()) : std::vector<uint32_t>();
    for (int i = 0; i < count; ++i) {
      TImage& image = images[static_cast<size_t>(i)];
      image.Pixels.resize(static_cast<size_t>(cx) * cy);
      image.Mask.assign(image.Pixels.size(), 0);
      const int64_t left = (i % across) * cx, top = (i / across) * cy;
      for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x) {
          const size_t from = static_cast<size_t>((top + y) * w + left + x);
          const size_t to = static_cast<size_t>(y) * cx + x;
          image.Pixels[to] = pixels[from] & 0xFFFFFF;
          if (mask) image.Mask[to] = (masks[from] & 0xFFFFFF) != 0;
        }
    }
  }
  // All read: the list takes the stream's images and settings, and keeps what else the stream
  // says for writing it back (a capacity only as far as the picture has room for it).
  width_ = cx;
  height_ = cy;
  masked_ = (flags & ILC_MASK) != 0;
  bkColor_ = bk == CLR_NONE ? clNone : static_cast<TColor>(bk & 0xFFFFFF);
  images_ = std::move(images);
  stream_.Capacity = cells >= capacity ? capacity : count;
  stream_.Grow = grow;
  stream_.Flags = static_cast<uint16_t>((flags & ~kDepthFlags & ~ILC_MASK) |
                                        ((flags & kDepthFlags) == ILC_COLORDDB ? ILC_COLORDDB : 0));
  for (int i = 0; i < 4; ++i) stream_.Overlays[i] = Get16(h + 20 + 2 * i);
  Changed();
}

void TCustomImageList::WriteData(TStream* Stream) {
  const int count = Count(), capacity = StreamCapacity();
  const int grow = stream_.Grow > 0 ? stream_.Grow : std::clamp(allocBy_, 1, kMaxImageListCount);
  const uint16_t depth = (stream_.Flags & kDepthFlags) == ILC_COLORDDB ? 0 : ILC_COLOR32;
  uint8_t h[kHeaderSize] = {};
  Put16(h, kMagic);
  Put16(h + 2, kVersion);
  Put16(h + 4, static_cast<uint16_t>(count));
  Put16(h + 6, static_cast<uint16_t>(capacity));
  Put16(h + 8, static_cast<uint16_t>(grow));
  Put16(h + 10, static_cast<uint16_t>(width_));
  Put16(h + 12, static_cast<uint16_t>(height_));
  Put32(h + 14, bkColor_ == clNone ? CLR_NONE : static_cast<uint32_t>(ColorToRGB(bkColor_)));
  Put16(h + 18, static_cast<uint16_t>(stream_.Flags | depth | (masked_ ? ILC_MASK : 0)));
  for (int i = 0; i < 4; ++i) Put16(h + 20 + 2 * i, stream_.Overlays[i]);
  Stream->WriteBuffer(h, sizeof h);
  // No image, no picture: the header says all (and the image size alone allocates nothing).
  if (count == 0) return;
  // The cells past the count are black in both pictures.
  const int w = kAcross * width_, ht = (capacity + kAcross - 1) / kAcross * height_;
  const size_t maskRow = (static_cast<size_t>(w) + 31) / 32 * 4;
  TBitmap picture, mask;
  picture.SetPixelFormat(pf32bit);
  picture.SetSize(w, ht);
  if (masked_) {
    mask.SetPixelFormat(pf1bit);
    mask.SetSize(w, ht);
  }
  for (int y = 0; y < ht; ++y) {
    auto* prow = static_cast<uint32_t*>(picture.ScanLine(y));
    auto* mrow = masked_ ? static_cast<uint8_t*>(mask.ScanLine(y)) : nullptr;
    if (mrow) std::memset(mrow, 0, maskRow);
    for (int x = 0; x < w; ++x) {
      const int i = (y / height_) * kAcross + x / width_;
      const size_t at = static_cast<size_t>(y % height_) * width_ + x % width_;
      const TImage* image = i < count ? &images_[static_cast<size_t>(i)] : nullptr;
      prow[x] = image ? image->Pixels[at] : 0;
      if (mrow && image && image->Mask[at]) mrow[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
  }
  WriteBmp(picture, Stream);
  if (masked_) WriteBmp(mask, Stream);
}

}  // namespace vcl
