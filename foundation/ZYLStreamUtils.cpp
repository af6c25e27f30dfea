#include "foundation/ZYLStreamUtils.h"

#include <algorithm>
#include <vector>

#include "foundation/ZYLCompress.h"
#include "foundation/ZYLConst.h"
#include "platform/classes/Streams.h"
#include "platform/rtl/Format.h"

namespace zyl {

namespace {

void WriteInt32(vcl::TStream* s, int32_t v) {
  uint8_t b[4];
  for (int k = 0; k < 4; ++k) b[k] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * k));
  s->WriteBuffer(b, 4);
}

// Reads a little-endian Int32; raises EZYLCompressError when the stream ends first.
int32_t ReadInt32(vcl::TStream* s, const char* what) {
  uint8_t b[4];
  if (s->Read(b, 4) != 4) throw EZYLCompressError(vcl::Format(SZYLCompressCorrupt, {what}));
  return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
                              (static_cast<uint32_t>(b[2]) << 16) |
                              (static_cast<uint32_t>(b[3]) << 24));
}

}  // namespace

void ZYLStringToStream(const std::string& S, vcl::TStream* Stream) {
  if (S.empty() || Stream == nullptr) return;
  size_t done = 0;
  while (done < S.size()) {
    const size_t n = std::min<size_t>(S.size() - done, 1u << 30);
    Stream->WriteBuffer(S.data() + done, static_cast<int32_t>(n));
    done += n;
  }
}

std::string ZYLStreamToString(vcl::TStream* Stream, int32_t Count) {
  if (Count <= 0 || Stream == nullptr) return {};
  const int64_t n = std::min<int64_t>(Count, Stream->Remaining());
  std::string s(static_cast<size_t>(std::max<int64_t>(n, 0)), '\0');
  if (!s.empty()) s.resize(static_cast<size_t>(Stream->Read(s.data(), static_cast<int32_t>(n))));
  return s;
}

void ZYLCompressStream(vcl::TStream* Source, vcl::TStream* Dest, int64_t Count) {
  if (Count < 0) Count = Source->Remaining();
  if (Count > static_cast<int64_t>(ZYLMaxExpandedSize)) {
    throw EZYLCompressError(SZYLCompressTooLarge);
  }
  WriteInt32(Dest, static_cast<int32_t>(Count));
  std::vector<uint8_t> block(ZYLCompressBlockSize);
  for (int64_t left = Count; left > 0;) {
    const auto n = static_cast<int32_t>(std::min<int64_t>(left, ZYLCompressBlockSize));
    Source->ReadBuffer(block.data(), n);
    const std::vector<uint8_t> payload = ZYLCompressBlock(block.data(), static_cast<size_t>(n));
    WriteInt32(Dest, static_cast<int32_t>(payload.size()));
    Dest->WriteBuffer(payload.data(), static_cast<int32_t>(payload.size()));
    left -= n;
  }
}

int64_t ZYLDecompressStream(vcl::TStream* Source, vcl::TStream* Dest) {
  const int32_t total = ReadInt32(Source, "missing total length");
  if (total < 0) throw EZYLCompressError(SZYLCompressNegativeLength);
  if (static_cast<size_t>(total) > ZYLMaxExpandedSize)
    throw EZYLCompressError(SZYLCompressLengthLimit);
  std::vector<uint8_t> payload(ZYLMaxBlockPayload);
  std::vector<uint8_t> block(ZYLCompressBlockSize);
  for (int64_t left = total; left > 0;) {
    const auto n = static_cast<size_t>(std::min<int64_t>(left, ZYLCompressBlockSize));
    const int32_t len = ReadInt32(Source, "missing block length");
    if (len < 1 || static_cast<size_t>(len) > n + 1) {
      throw EZYLCompressError(SZYLCompressBlockLength);
    }
    if (Source->Read(payload.data(), len) != len) {
      throw EZYLCompressError(SZYLCompressBlockTruncated);
    }
    ZYLDecompressBlock(payload.data(), static_cast<size_t>(len), block.data(), n);
    Dest->WriteBuffer(block.data(), static_cast<int32_t>(n));
    left -= static_cast<int64_t>(n);
  }
  return total;
}

}  // namespace zyl
