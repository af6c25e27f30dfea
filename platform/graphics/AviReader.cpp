#include "platform/graphics/AviReader.h"

#include <cstring>

#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BmpCodec.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl {

namespace {

constexpr int kMaxDepth = 8;            // LIST chunks nested deeper are not read
constexpr size_t kMaxFrames = 1 << 16;  // frames kept of one clip
constexpr size_t kInfoHeader = 40;      // BITMAPINFOHEADER

uint32_t U32(const std::string& b, size_t at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[at + static_cast<size_t>(i)]);
  return v;
}

void Put32(std::string& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i)
    b[at + static_cast<size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

[[noreturn]] void Damaged() { throw EAviError(SAviDamaged); }

std::string FourCC(uint32_t v) {
  std::string s;
  for (int i = 0; i < 4; ++i) {
    const char c = static_cast<char>((v >> (8 * i)) & 0xFF);
    s += c >= 32 && c < 127 ? c : '?';
  }
  return s;
}

// Walks the chunks of the clip, collecting what the animation control needs.
struct TParser {
  const std::string& B;
  uint32_t MicroSec = 0;
  int Streams = 0;                                // stream headers seen
  int Video = -1;                                 // number of the first video stream
  bool InVideo = false;                           // the last stream header was the video stream's
  std::string Format{};                           // the video stream's format chunk
  std::vector<std::pair<size_t, size_t>> Frames{};  // offset and size of each frame's bytes

  void Walk(size_t pos, size_t end, int depth) {
    while (pos + 8 <= end) {
      const std::string id = B.substr(pos, 4);
      const size_t size = U32(B, pos + 4);
      const size_t data = pos + 8;
      if (size > end - data) Damaged();
      if (id == "LIST") {
        if (size < 4) Damaged();
        if (depth < kMaxDepth) Walk(data + 4, data + size, depth + 1);
      } else {
        Chunk(id, data, size);
      }
      pos = data + size + (size & 1);
    }
  }

  void Chunk(const std::string& id, size_t data, size_t size) {
    if (id == "avih") {
      if (size < 40) Damaged();
      MicroSec = U32(B, data);
    } else if (id == "strh") {
      if (size < 4) Damaged();
      InVideo = Video < 0 && B.compare(data, 4, "vids") == 0;
      if (InVideo) Video = Streams;
      ++Streams;
    } else if (id == "strf") {
      if (InVideo) Format = B.substr(data, size);
      InVideo = false;
    } else if (Video >= 0 && Video < 100 && id.size() == 4 && id[0] == '0' + Video / 10 &&
               id[1] == '0' + Video % 10 &&
               (id.compare(2, 2, "db") == 0 || id.compare(2, 2, "dc") == 0)) {
      if (Frames.size() >= kMaxFrames) return;
      // An empty frame chunk repeats the frame before it.
      if (size == 0) {
        if (!Frames.empty()) Frames.push_back(Frames.back());
        return;
      }
      Frames.emplace_back(data, size);
    }
  }
};

}  // namespace

TAviClip TAviClip::Read(const std::string& Bytes) {
  if (Bytes.size() < 12 || Bytes.compare(0, 4, "RIFF") != 0 || Bytes.compare(8, 4, "AVI ") != 0)
    throw EAviError(SAviNotAvi);
  // A RIFF size beyond the file's end is a truncated clip.
  const size_t riff = U32(Bytes, 4);
  if (riff < 4 || riff > Bytes.size() - 8) Damaged();
  TParser p{Bytes};
  p.Walk(12, 8 + riff, 0);
  if (p.Video < 0 || p.Format.size() < kInfoHeader) throw EAviError(SAviNoVideo);
  const uint32_t compression = U32(p.Format, 16);
  if (compression != win::BI_RGB && compression != win::BI_RLE8 && compression != win::BI_RLE4)
    throw EAviError(Format(SAviCodec, {FourCC(compression)}));
  if (p.Frames.empty()) throw EAviError(SAviNoFrames);

  TAviClip clip;
  clip.microSecPerFrame_ = p.MicroSec ? p.MicroSec : 66667;
  for (const auto& [at, size] : p.Frames) {
    std::string dib = p.Format;
    Put32(dib, 0, kInfoHeader);  // only the plain header's fields are read
    Put32(dib, 20, static_cast<uint32_t>(size));
    dib.append(Bytes, at, size);
    try {
      const bmp::TDibImage image =
          bmp::ReadPackedDib(reinterpret_cast<const uint8_t*>(dib.data()), dib.size());
      if (clip.frames_.empty()) {
        clip.width_ = image.Width;
        clip.height_ = image.Height;
      }
    } catch (const EInvalidGraphic&) {
      Damaged();
    }
    clip.frames_.push_back(std::move(dib));
  }
  return clip;
}

void TAviClip::DrawFrame(int Index, TBitmap* Target) const {
  if (Index < 0 || Index >= FrameCount()) throw EAviError(SAviDamaged);
  const std::string& dib = frames_[static_cast<size_t>(Index)];
  const bmp::TDibImage image =
      bmp::ReadPackedDib(reinterpret_cast<const uint8_t*>(dib.data()), dib.size());
  const std::vector<uint8_t> file = bmp::WriteBmpFile(image);
  TStringStream stream(std::string(file.begin(), file.end()));
  Target->LoadFromStream(&stream);
}

}  // namespace vcl
