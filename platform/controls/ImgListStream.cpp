// The binary image-list stream: a 28-byte header (the signature "IL", version 0x101, the image
// count and capacity, the growth step, the image size, the background colour, flags and four
// overlay indices), then the images as a BMP file four images across, then for a masked list
// the masks as a monochrome BMP file of the same layout; an empty list's stream is the header
// alone. Read before anything is allocated against the limits of the list (image size, count)
// and of the BMP reader.
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
constexpr uint16_t ILC_COLOR24 = 0x0018;
constexpr uint32_t CLR_NONE = 0xFFFFFFFF;
constexpr int kAcross = 4;  // images in a row of the stream's bitmaps
constexpr size_t kHeaderSize = 28;
constexpr size_t kBmpFileHeaderSize = 14;

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

// One BMP file from the stream, its length taken from its own header.
std::unique_ptr<TBitmap> ReadBmp(TStream* Stream) {
  uint8_t head[kBmpFileHeaderSize];
  if (Stream->Read(head, sizeof head) != static_cast<int32_t>(sizeof head)) Fail();
  if (head[0] != 'B' || head[1] != 'M') Fail();
  const uint32_t size = Get32(head + 2);
  const int64_t left = Stream->Size() - Stream->Position();
  if (left < 0 || size < kBmpFileHeaderSize + 12 ||
      size - kBmpFileHeaderSize > static_cast<uint64_t>(left))
    Fail();
  TMemoryStream file;
  file.SetSize(size);
  std::memcpy(file.Memory(), head, sizeof head);
  Stream->ReadBuffer(static_cast<uint8_t*>(file.Memory()) + sizeof head,
                     static_cast<int32_t>(size - sizeof head));
  file.SetPosition(0);
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->LoadFromStream(&file);
  return bitmap;
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

void TCustomImageList::ReadData(TStream* Stream) {
  uint8_t h[kHeaderSize];
  if (Stream->Read(h, sizeof h) != static_cast<int32_t>(sizeof h)) Fail();
  const int count = static_cast<int16_t>(Get16(h + 4));
  const int capacity = static_cast<int16_t>(Get16(h + 6));
  const int cx = static_cast<int16_t>(Get16(h + 10)), cy = static_cast<int16_t>(Get16(h + 12));
  const uint32_t bk = Get32(h + 14);
  const uint16_t flags = Get16(h + 18);
  if (Get16(h) != kMagic || Get16(h + 2) != kVersion) Fail();
  if (count < 0 || capacity < count || cx < 1 || cy < 1) Fail();
  if (int64_t{cx} * cy > int64_t{4096} * 4096) Fail();
  std::vector<TImage> images(static_cast<size_t>(count));
  if (count > 0 || Stream->Position() < Stream->Size()) {
    std::unique_ptr<TBitmap> picture = ReadBmp(Stream);
    std::unique_ptr<TBitmap> mask;
    if (flags & ILC_MASK) mask = ReadBmp(Stream);
    const int w = picture->Width(), ht = picture->Height();
    const int64_t across = w / cx, down = ht / cy;
    if (across * down < count) Fail();
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
  // All read: the list takes the stream's images and settings.
  width_ = cx;
  height_ = cy;
  masked_ = (flags & ILC_MASK) != 0;
  bkColor_ = bk == CLR_NONE ? clNone : static_cast<TColor>(bk & 0xFFFFFF);
  images_ = std::move(images);
  Changed();
}

void TCustomImageList::WriteData(TStream* Stream) {
  const int count = Count();
  uint8_t h[kHeaderSize] = {};
  Put16(h, kMagic);
  Put16(h + 2, kVersion);
  Put16(h + 4, static_cast<uint16_t>(count));
  Put16(h + 6, static_cast<uint16_t>(count));
  Put16(h + 8, static_cast<uint16_t>(std::clamp(allocBy_, 1, int32_t{kMaxImageListCount})));
  Put16(h + 10, static_cast<uint16_t>(width_));
  Put16(h + 12, static_cast<uint16_t>(height_));
  Put32(h + 14, bkColor_ == clNone ? CLR_NONE : static_cast<uint32_t>(ColorToRGB(bkColor_)));
  Put16(h + 18, static_cast<uint16_t>(ILC_COLOR24 | (masked_ ? ILC_MASK : 0)));
  for (int i = 0; i < 4; ++i) Put16(h + 20 + 2 * i, 0xFFFF);
  Stream->WriteBuffer(h, sizeof h);
  // No image, no picture: the header says all (and the image size alone allocates nothing).
  if (count == 0) return;
  const int across = kAcross, down = std::max(1, (count + kAcross - 1) / kAcross);
  const int w = across * width_, ht = down * height_;
  TBitmap picture, mask;
  picture.SetPixelFormat(pf32bit);
  picture.SetSize(w, ht);
  mask.SetPixelFormat(pf32bit);
  mask.SetSize(w, ht);
  for (int y = 0; y < ht; ++y) {
    auto* prow = static_cast<uint32_t*>(picture.ScanLine(y));
    auto* mrow = static_cast<uint32_t*>(mask.ScanLine(y));
    for (int x = 0; x < w; ++x) {
      const int i = (y / height_) * across + x / width_;
      const size_t at = static_cast<size_t>(y % height_) * width_ + x % width_;
      const bool used = i < count;
      prow[x] = used ? images_[static_cast<size_t>(i)].Pixels[at] : 0;
      mrow[x] = !used || images_[static_cast<size_t>(i)].Mask[at] ? 0xFFFFFF : 0;
    }
  }
  picture.SetModified(true);
  mask.SetModified(true);
  picture.SetPixelFormat(pf24bit);
  picture.SaveToStream(Stream);
  if (masked_) {
    mask.SetPixelFormat(pf1bit);
    mask.SaveToStream(Stream);
  }
}

}  // namespace vcl
