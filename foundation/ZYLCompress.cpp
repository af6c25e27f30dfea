// Block compression of the library.
//
// Stream layout (all integers little-endian Int32):
//   total    the number of source bytes, 0 to ZYLMaxExpandedSize
//   then, for each block of up to 32781 source bytes (every block is full but the last):
//     length   the number of payload bytes that follow, 1 .. block size + 1
//     payload  a method byte, then the block's data:
//                method 0: the block's bytes as they are (length = block size + 1)
//                method 1: the block coded by the LZ77 scheme below
// The block size of every block follows from the total, so a decoder knows exactly how many
// bytes each block must give and rejects a block that gives more or fewer.
//
// The LZ77 scheme (method 1). The coded data is a series of groups; a group is a flag byte
// followed by up to eight items, the flag's bit 0 describing the first item, bit 7 the last.
// A clear bit is a literal: one byte copied to the output. A set bit is a match: a copy of
// earlier output, `length` bytes starting `offset` bytes back (offset 1 is the byte just
// written; a match may overlap the bytes it produces, which repeats them):
//   short match, first byte below 0x80:  0LLLOOOO OOOOOOOO
//       length = LLL + 3 (3 .. 10), offset = OOOO OOOOOOOO + 1 (1 .. 4096)
//   long match, first byte 0x80 or above: 1OOOOOOO OOOOOOOO NNNNNNNN [extension]
//       offset = the 15 bits + 1 (1 .. 32768), length = NNNNNNNN + 4; when NNNNNNNN is 255
//       extension bytes follow, each added to the length, until one below 255 ends them.
// The items end when the block's size is reached; the unused bits of the last flag byte are
// zero and no byte may follow.
//
// The encoder finds matches through hash chains over 3-byte prefixes (up to 32 candidates,
// stopping at a match of 256 bytes or more) and defers a match by one byte when the next
// position has a longer one (lazy matching). When the coded form is not shorter than the
// block, it stores the block (method 0), so a block never grows by more than one byte.
//
// The decoder checks every read against the end of the payload, every copy against the bytes
// already written and the block size, and raises EZYLCompressError on any violation.
#include "foundation/ZYLCompress.h"

#include <algorithm>
#include <cstring>

#include "foundation/ZYLConst.h"
#include "platform/rtl/Format.h"

namespace zyl {

namespace {

constexpr uint8_t kMethodStored = 0;
constexpr uint8_t kMethodLZ = 1;

constexpr int kHashBits = 14;
constexpr uint32_t kHashSize = 1u << kHashBits;
constexpr size_t kShortMaxLen = 10;
constexpr size_t kShortMaxOffset = 4096;
constexpr size_t kLongMinLen = 4;
constexpr size_t kMaxOffset = 32768;
constexpr int kMaxChain = 32;
constexpr size_t kNiceLen = 256;
constexpr uint16_t kNil = 0xFFFF;

static_assert(ZYLCompressBlockSize < kNil, "block positions must fit the 16-bit chains");

[[noreturn]] void Corrupt(const char* what) {
  throw EZYLCompressError(vcl::Format(SZYLCompressCorrupt, {what}));
}

inline uint32_t Hash3(const uint8_t* p) {
  const uint32_t v = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                     (static_cast<uint32_t>(p[2]) << 16);
  return (v * 2654435761u) >> (32 - kHashBits);
}

// Whether a match can be coded and is worth coding.
inline bool Usable(size_t len, size_t offset) {
  if (offset == 0 || offset > kMaxOffset) return false;
  if (len >= kLongMinLen) return true;
  return len == 3 && offset <= kShortMaxOffset;
}

class TLZEncoder {
 public:
  TLZEncoder(const uint8_t* src, size_t n, std::vector<uint8_t>& out)
      : src_(src), n_(n), out_(out), head_(kHashSize, kNil), prev_(n, kNil) {}

  void Run() {
    size_t i = 0;
    bool cached = false;  // the lazy look-ahead already searched position i
    size_t cachedLen = 0;
    size_t cachedOffset = 0;
    while (i < n_) {
      size_t offset = cachedOffset;
      const size_t len = cached ? cachedLen : Best(i, offset);
      cached = false;
      Insert(i);
      if (len == 0) {
        Literal(src_[i]);
        ++i;
        continue;
      }
      if (len < kNiceLen && i + 1 < n_) {
        size_t offset2 = 0;
        const size_t len2 = Best(i + 1, offset2);
        if (len2 > len) {
          Literal(src_[i]);
          ++i;
          cached = true;
          cachedLen = len2;
          cachedOffset = offset2;
          continue;
        }
      }
      Match(len, offset);
      for (size_t k = i + 1; k < i + len; ++k) Insert(k);
      i += len;
    }
  }

 private:
  void Insert(size_t i) {
    if (i + 3 > n_) return;
    const uint32_t h = Hash3(src_ + i);
    prev_[i] = head_[h];
    head_[h] = static_cast<uint16_t>(i);
  }

  size_t Best(size_t i, size_t& offset) const {
    if (i + 3 > n_) return 0;
    const size_t maxLen = n_ - i;
    const uint8_t* p = src_ + i;
    size_t best = 0;
    uint16_t cand = head_[Hash3(p)];
    for (int depth = 0; cand != kNil && depth < kMaxChain; ++depth) {
      const size_t dist = i - cand;
      if (dist > kMaxOffset) break;  // chains run from near to far
      const uint8_t* q = src_ + cand;
      if (best < maxLen && q[best] == p[best] && q[0] == p[0]) {
        size_t len = 0;
        while (len < maxLen && q[len] == p[len]) ++len;
        if (len > best && Usable(len, dist)) {
          best = len;
          offset = dist;
          if (len >= kNiceLen || len == maxLen) break;
        }
      }
      cand = prev_[cand];
    }
    return best;
  }

  void Flag(bool match) {
    if (bit_ == 8) {
      flagPos_ = out_.size();
      out_.push_back(0);
      bit_ = 0;
    }
    if (match) out_[flagPos_] |= static_cast<uint8_t>(1u << bit_);
    ++bit_;
  }

  void Literal(uint8_t b) {
    Flag(false);
    out_.push_back(b);
  }

  void Match(size_t len, size_t offset) {
    Flag(true);
    const size_t o = offset - 1;
    if (len <= kShortMaxLen && offset <= kShortMaxOffset) {
      out_.push_back(static_cast<uint8_t>(((len - 3) << 4) | (o >> 8)));
      out_.push_back(static_cast<uint8_t>(o & 0xFF));
      return;
    }
    out_.push_back(static_cast<uint8_t>(0x80 | (o >> 8)));
    out_.push_back(static_cast<uint8_t>(o & 0xFF));
    size_t rest = len - kLongMinLen;
    if (rest < 255) {
      out_.push_back(static_cast<uint8_t>(rest));
      return;
    }
    out_.push_back(255);
    rest -= 255;
    while (rest >= 255) {
      out_.push_back(255);
      rest -= 255;
    }
    out_.push_back(static_cast<uint8_t>(rest));
  }

  const uint8_t* src_;
  size_t n_;
  std::vector<uint8_t>& out_;
  std::vector<uint16_t> head_;
  std::vector<uint16_t> prev_;
  size_t flagPos_ = 0;
  int bit_ = 8;
};

void PutInt32(std::vector<uint8_t>& out, uint32_t v) {
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<uint8_t>(v >> (8 * k)));
}

int32_t GetInt32(const uint8_t* p) {
  const uint32_t v = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                     (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
  return static_cast<int32_t>(v);
}

}  // namespace

std::vector<uint8_t> ZYLCompressBlock(const uint8_t* source, size_t count) {
  if (count > ZYLCompressBlockSize) {
    throw EZYLCompressError(vcl::Format(SZYLCompressBlockTooLarge, {ZYLCompressBlockSize}));
  }
  std::vector<uint8_t> out;
  out.reserve(count + count / 8 + 2);
  out.push_back(kMethodLZ);
  if (count > 0) TLZEncoder(source, count, out).Run();
  if (out.size() > count) {
    out.assign(1, kMethodStored);
    out.insert(out.end(), source, source + count);
  }
  return out;
}

void ZYLDecompressBlock(const uint8_t* payload, size_t payloadSize, uint8_t* dest,
                        size_t destSize) {
  if (payloadSize == 0) Corrupt("empty block");
  const uint8_t* in = payload + 1;
  const size_t inSize = payloadSize - 1;
  if (payload[0] == kMethodStored) {
    if (inSize != destSize) Corrupt("stored block of wrong size");
    if (destSize > 0) std::memcpy(dest, in, destSize);
    return;
  }
  if (payload[0] != kMethodLZ) Corrupt("unknown block method");

  size_t ip = 0;
  size_t op = 0;
  while (op < destSize) {
    if (ip >= inSize) Corrupt("block ends early");
    const uint8_t flags = in[ip++];
    for (int bit = 0; bit < 8; ++bit) {
      if (op == destSize) {
        if ((flags >> bit) != 0) Corrupt("items beyond the block's end");
        break;
      }
      if (((flags >> bit) & 1) == 0) {
        if (ip >= inSize) Corrupt("block ends in a literal");
        dest[op++] = in[ip++];
        continue;
      }
      if (ip + 2 > inSize) Corrupt("block ends in a match");
      const uint8_t b0 = in[ip++];
      const uint8_t b1 = in[ip++];
      size_t offset;
      size_t len;
      if ((b0 & 0x80) == 0) {
        len = (static_cast<size_t>(b0) >> 4) + 3;
        offset = ((static_cast<size_t>(b0 & 0x0F) << 8) | b1) + 1;
      } else {
        offset = ((static_cast<size_t>(b0 & 0x7F) << 8) | b1) + 1;
        if (ip >= inSize) Corrupt("block ends in a match length");
        uint8_t n = in[ip++];
        len = kLongMinLen + n;
        while (n == 255) {
          if (len > destSize - op) Corrupt("match runs past the block's end");
          if (ip >= inSize) Corrupt("block ends in a match length");
          n = in[ip++];
          len += n;
        }
      }
      if (offset > op) Corrupt("match reaches before the block's start");
      if (len > destSize - op) Corrupt("match runs past the block's end");
      const uint8_t* from = dest + op - offset;
      if (offset >= len) {
        std::memcpy(dest + op, from, len);
      } else {
        for (size_t k = 0; k < len; ++k) dest[op + k] = from[k];
      }
      op += len;
    }
  }
  if (ip != inSize) Corrupt("bytes after the block's end");
}

std::vector<uint8_t> ZYLCompressBytes(const void* data, size_t count) {
  if (count > ZYLMaxExpandedSize) throw EZYLCompressError(SZYLCompressTooLarge);
  const auto* src = static_cast<const uint8_t*>(data);
  std::vector<uint8_t> out;
  out.reserve(4 + count / 2 + 16);
  PutInt32(out, static_cast<uint32_t>(count));
  for (size_t pos = 0; pos < count; pos += ZYLCompressBlockSize) {
    const size_t n = std::min(ZYLCompressBlockSize, count - pos);
    const std::vector<uint8_t> payload = ZYLCompressBlock(src + pos, n);
    PutInt32(out, static_cast<uint32_t>(payload.size()));
    out.insert(out.end(), payload.begin(), payload.end());
  }
  return out;
}

std::vector<uint8_t> ZYLDecompressBytes(const void* data, size_t count) {
  const auto* in = static_cast<const uint8_t*>(data);
  if (count < 4) Corrupt("missing total length");
  const int32_t total = GetInt32(in);
  if (total < 0) Corrupt("negative total length");
  if (static_cast<size_t>(total) > ZYLMaxExpandedSize) Corrupt("total length beyond the limit");
  size_t ip = 4;
  std::vector<uint8_t> out;
  const size_t want = static_cast<size_t>(total);
  while (out.size() < want) {
    const size_t n = std::min(ZYLCompressBlockSize, want - out.size());
    if (count - ip < 4) Corrupt("missing block length");
    const int32_t len = GetInt32(in + ip);
    ip += 4;
    if (len < 1 || static_cast<size_t>(len) > n + 1) Corrupt("block length out of range");
    if (count - ip < static_cast<size_t>(len)) Corrupt("block truncated");
    const size_t at = out.size();
    out.resize(at + n);  // grows only by a block whose payload is present
    ZYLDecompressBlock(in + ip, static_cast<size_t>(len), out.data() + at, n);
    ip += static_cast<size_t>(len);
  }
  if (ip != count) Corrupt("bytes after the last block");
  return out;
}

}  // namespace zyl
