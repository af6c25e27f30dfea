#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "foundation/ZYLCompress.h"

using namespace zyl;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes RandomBytes(size_t n, uint32_t seed) {
  std::mt19937 rng(seed);
  Bytes b(n);
  for (auto& c : b) c = static_cast<uint8_t>(rng());
  return b;
}

// A 24-bit image with smooth gradients, flat areas and a repeated pattern, row by row.
Bytes PixelBytes(int width, int height) {
  Bytes b;
  b.reserve(static_cast<size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (x < width / 3) {
        b.push_back(0xC0); b.push_back(0xC0); b.push_back(0xC0);
      } else if (x < 2 * width / 3) {
        b.push_back(static_cast<uint8_t>(y)); b.push_back(static_cast<uint8_t>(x / 4));
        b.push_back(0x40);
      } else {
        const bool on = ((x / 8) + (y / 8)) % 2 == 0;
        b.push_back(on ? 0xFF : 0); b.push_back(on ? 0x80 : 0); b.push_back(0x10);
      }
    }
  }
  return b;
}

Bytes TextBytes(size_t n) {
  static const char* words[] = {"the ", "control ", "paints ", "its ", "bevel ", "caption ",
                                "and ", "glyph ", "when ", "the ", "list ", "changes. ",
                                "Settings ", "objects ", "report ", "every ", "change\r\n"};
  std::mt19937 rng(7);
  Bytes b;
  while (b.size() < n) {
    const char* w = words[rng() % (sizeof(words) / sizeof(words[0]))];
    b.insert(b.end(), w, w + std::strlen(w));
  }
  b.resize(n);
  return b;
}

Bytes RoundTrip(const Bytes& in) {
  const Bytes packed = ZYLCompressBytes(in.data(), in.size());
  return ZYLDecompressBytes(packed.data(), packed.size());
}

int32_t Int32At(const Bytes& b, size_t at) {
  int32_t v;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}

}  // namespace

TEST(Compress, RoundTripsBoundarySizes) {
  for (size_t n : {size_t{0}, size_t{1}, size_t{2}, size_t{3}, size_t{4}, ZYLCompressBlockSize - 1,
                   ZYLCompressBlockSize, ZYLCompressBlockSize + 1, 2 * ZYLCompressBlockSize,
                   2 * ZYLCompressBlockSize + 5}) {
    const Bytes random = RandomBytes(n, static_cast<uint32_t>(n));
    EXPECT_EQ(RoundTrip(random), random) << "random " << n;
    const Bytes text = TextBytes(n);
    EXPECT_EQ(RoundTrip(text), text) << "text " << n;
    const Bytes same(n, 0x5A);
    EXPECT_EQ(RoundTrip(same), same) << "run " << n;
  }
}

TEST(Compress, LayoutHasTotalThenBlockLengths) {
  const Bytes empty = ZYLCompressBytes(nullptr, 0);
  ASSERT_EQ(empty.size(), 4u);
  EXPECT_EQ(Int32At(empty, 0), 0);

  // 32782 bytes: one full block and one block of a single byte.
  const Bytes in = RandomBytes(ZYLCompressBlockSize + 1, 3);
  const Bytes packed = ZYLCompressBytes(in.data(), in.size());
  EXPECT_EQ(Int32At(packed, 0), static_cast<int32_t>(in.size()));
  const int32_t first = Int32At(packed, 4);
  EXPECT_EQ(first, static_cast<int32_t>(ZYLCompressBlockSize + 1));  // random data is stored
  EXPECT_EQ(packed[8], 0);                                          // the stored method
  const size_t second = 8 + static_cast<size_t>(first);
  EXPECT_EQ(Int32At(packed, second), 2);
  EXPECT_EQ(packed.size(), second + 4 + 2);
  EXPECT_EQ(packed.back(), in.back());
}

TEST(Compress, RandomDataGrowsByAtMostFiveBytesPerBlock) {
  const Bytes in = RandomBytes(200000, 11);
  const Bytes packed = ZYLCompressBytes(in.data(), in.size());
  const size_t blocks = (in.size() + ZYLCompressBlockSize - 1) / ZYLCompressBlockSize;
  EXPECT_LE(packed.size(), in.size() + 4 + 5 * blocks);
}

TEST(Compress, RepetitiveDataCompressesStrongly) {
  const Bytes run(100000, 0);
  EXPECT_LT(ZYLCompressBytes(run.data(), run.size()).size(), run.size() / 100);

  Bytes pattern;
  for (int i = 0; i < 100000; ++i) pattern.push_back(static_cast<uint8_t>("ABCDEFG"[i % 7]));
  EXPECT_LT(ZYLCompressBytes(pattern.data(), pattern.size()).size(), pattern.size() / 50);
}

TEST(Compress, PixelsAndTextCompressWell) {
  const Bytes pixels = PixelBytes(256, 256);
  const Bytes packedPixels = ZYLCompressBytes(pixels.data(), pixels.size());
  EXPECT_LT(packedPixels.size() * 4, pixels.size());
  EXPECT_EQ(ZYLDecompressBytes(packedPixels.data(), packedPixels.size()), pixels);

  const Bytes text = TextBytes(150000);
  const Bytes packedText = ZYLCompressBytes(text.data(), text.size());
  EXPECT_LT(packedText.size() * 2, text.size());
  EXPECT_EQ(ZYLDecompressBytes(packedText.data(), packedText.size()), text);
}

TEST(Compress, LargeMixedInputRoundTrips) {
  Bytes in = PixelBytes(640, 480);
  const Bytes text = TextBytes(300000);
  in.insert(in.end(), text.begin(), text.end());
  const Bytes noise = RandomBytes(70000, 5);
  in.insert(in.end(), noise.begin(), noise.end());
  EXPECT_EQ(RoundTrip(in), in);
}

TEST(Compress, LongMatchLengthsAndFarOffsets) {
  // A random block repeated at a distance near the window's limit, then a long run.
  Bytes in = RandomBytes(20000, 9);
  const Bytes copy(in.begin(), in.begin() + 12000);
  in.insert(in.end(), copy.begin(), copy.end());
  in.insert(in.end(), 700, 0x33);
  ASSERT_LE(in.size(), ZYLCompressBlockSize);
  const Bytes payload = ZYLCompressBlock(in.data(), in.size());
  EXPECT_EQ(payload[0], 1);
  EXPECT_LT(payload.size(), 20000u + 20000u / 7);
  Bytes out(in.size());
  ZYLDecompressBlock(payload.data(), payload.size(), out.data(), out.size());
  EXPECT_EQ(out, in);
}

TEST(Compress, BlockRejectsOversizedSource) {
  const Bytes in(ZYLCompressBlockSize + 1, 1);
  EXPECT_THROW(ZYLCompressBlock(in.data(), in.size()), EZYLCompressError);
}

TEST(Compress, HandMadeBlocksDecode) {
  // Flags 0b10: literal 'a', then a short match of 5 bytes at offset 1.
  const Bytes payload = {1, 0x02, 'a', 0x20, 0x00};
  Bytes out(6);
  ZYLDecompressBlock(payload.data(), payload.size(), out.data(), out.size());
  EXPECT_EQ(std::string(out.begin(), out.end()), "aaaaaa");

  // A long match with a one-step extension: 4 + 255 + 1 = 260 bytes.
  const Bytes longPayload = {1, 0x02, 'x', 0x80, 0x00, 255, 1};
  Bytes longOut(261);
  ZYLDecompressBlock(longPayload.data(), longPayload.size(), longOut.data(), longOut.size());
  EXPECT_EQ(longOut, Bytes(261, 'x'));
}

TEST(Compress, CorruptBlocksRaise) {
  Bytes out(6);
  auto decode = [&](const Bytes& p, size_t outSize) {
    out.assign(outSize, 0);
    ZYLDecompressBlock(p.data(), p.size(), out.data(), out.size());
  };
  EXPECT_THROW(decode({}, 6), EZYLCompressError);                            // no method
  EXPECT_THROW(decode({7, 'a'}, 1), EZYLCompressError);                      // unknown method
  EXPECT_THROW(decode({0, 'a', 'b'}, 3), EZYLCompressError);                 // stored too short
  EXPECT_THROW(decode({1, 0x01, 0x20, 0x00}, 5), EZYLCompressError);         // match before start
  EXPECT_THROW(decode({1, 0x02, 'a', 0x20, 0x00}, 5), EZYLCompressError);    // match past end
  EXPECT_THROW(decode({1, 0x02, 'a', 0x20, 0x00}, 7), EZYLCompressError);    // ends early
  EXPECT_THROW(decode({1, 0x02, 'a', 0x20, 0x00, 9}, 6), EZYLCompressError); // trailing byte
  EXPECT_THROW(decode({1, 0x06, 'a', 0x20, 0x00}, 6), EZYLCompressError);    // extra item bit
  EXPECT_THROW(decode({1, 0x02, 'a', 0x20}, 6), EZYLCompressError);          // cut match
  EXPECT_THROW(decode({1, 0x02, 'x', 0x80, 0x00, 255}, 300), EZYLCompressError);  // cut length
  EXPECT_THROW(decode({1, 0x02, 'x', 0x80, 0x00, 255, 255, 255, 255, 3}, 300),
               EZYLCompressError);  // length beyond the block
}

TEST(Compress, CorruptStreamsRaise) {
  const Bytes in = TextBytes(40000);
  const Bytes packed = ZYLCompressBytes(in.data(), in.size());
  auto decode = [](const Bytes& b) { return ZYLDecompressBytes(b.data(), b.size()); };

  EXPECT_THROW(decode({1, 0, 0}), EZYLCompressError);              // no total
  EXPECT_THROW(decode({0xFF, 0xFF, 0xFF, 0xFF}), EZYLCompressError);  // negative total
  // A huge total with no blocks behind it raises at once, allocating nothing large.
  EXPECT_THROW(decode({0xFF, 0xFF, 0xFF, 0x7F}), EZYLCompressError);
  Bytes extra = packed;
  extra.push_back(0);
  EXPECT_THROW(decode(extra), EZYLCompressError);
  Bytes badLength = packed;
  badLength[4] = 0xFF; badLength[5] = 0xFF; badLength[6] = 0; badLength[7] = 0;
  EXPECT_THROW(decode(badLength), EZYLCompressError);
  for (size_t cut = 0; cut < packed.size(); cut += 97) {
    const Bytes truncated(packed.begin(), packed.begin() + static_cast<ptrdiff_t>(cut));
    EXPECT_THROW(decode(truncated), EZYLCompressError) << cut;
  }
}

// Thousands of mutated and truncated streams: each either decodes or raises
// EZYLCompressError; run under the sanitizers this also proves no over-read or overflow.
TEST(Compress, FuzzedStreamsNeverMisbehave) {
  std::vector<Bytes> seeds;
  for (const Bytes& src : {TextBytes(5000), PixelBytes(60, 40), Bytes(3000, 9),
                           RandomBytes(300, 1), TextBytes(ZYLCompressBlockSize + 100)}) {
    seeds.push_back(ZYLCompressBytes(src.data(), src.size()));
  }
  std::mt19937 rng(1234);
  int raised = 0;
  int decoded = 0;
  for (int round = 0; round < 4000; ++round) {
    Bytes b = seeds[rng() % seeds.size()];
    const int kind = static_cast<int>(rng() % 4);
    if (kind == 0) {
      b.resize(rng() % (b.size() + 1));
    } else {
      const int flips = 1 + static_cast<int>(rng() % 6);
      for (int k = 0; k < flips && !b.empty(); ++k) {
        const size_t at = kind == 3 ? rng() % std::min<size_t>(b.size(), 16) : rng() % b.size();
        b[at] = kind == 2 ? static_cast<uint8_t>(rng()) : static_cast<uint8_t>(b[at] ^ (1u << (rng() % 8)));
      }
    }
    try {
      const Bytes out = ZYLDecompressBytes(b.data(), b.size());
      int32_t total;
      std::memcpy(&total, b.data(), 4);
      EXPECT_EQ(out.size(), static_cast<size_t>(total));
      ++decoded;
    } catch (const EZYLCompressError&) {
      ++raised;
    }
  }
  EXPECT_EQ(raised + decoded, 4000);
  EXPECT_GT(raised, 2000);
}

// Random payloads behind plausible headers exercise the decoder's every branch.
TEST(Compress, RandomPayloadsNeverMisbehave) {
  std::mt19937 rng(77);
  int decoded = 0;
  for (int round = 0; round < 3000; ++round) {
    const size_t blockSize = 1 + rng() % 300;
    const size_t payloadSize = 1 + rng() % (blockSize + 1);
    Bytes payload = RandomBytes(payloadSize, static_cast<uint32_t>(round));
    payload[0] = static_cast<uint8_t>(rng() % 3 == 0 ? 0 : 1);
    Bytes out(blockSize);
    try {
      ZYLDecompressBlock(payload.data(), payload.size(), out.data(), out.size());
      ++decoded;
    } catch (const EZYLCompressError&) {
    }
  }
  EXPECT_LT(decoded, 3000);
}

// Repeats at the edges of the short and the long match window round-trip, and the payload
// shows the far repeat was coded (shorter than with the repeat replaced by fresh bytes).
TEST(Compress, MatchesAtWindowEdges) {
  for (size_t distance : {size_t{4095}, size_t{4096}, size_t{4097}, size_t{32767},
                          size_t{32768}, size_t{32769}}) {
    const Bytes head = RandomBytes(12, static_cast<uint32_t>(distance));
    Bytes in = head;
    in.resize(distance, 0);
    in.insert(in.end(), head.begin(), head.end());
    ASSERT_LE(in.size(), ZYLCompressBlockSize);
    const Bytes payload = ZYLCompressBlock(in.data(), in.size());
    Bytes out(in.size());
    ZYLDecompressBlock(payload.data(), payload.size(), out.data(), out.size());
    EXPECT_EQ(out, in) << distance;

    Bytes fresh = in;
    const Bytes other = RandomBytes(12, 999);
    std::copy(other.begin(), other.end(), fresh.begin() + static_cast<ptrdiff_t>(distance));
    const size_t freshSize = ZYLCompressBlock(fresh.data(), fresh.size()).size();
    if (distance <= 32768) {
      EXPECT_LT(payload.size() + 5, freshSize) << distance;
    } else {
      EXPECT_GE(payload.size() + 3, freshSize) << distance;  // beyond the window
    }
  }
}
