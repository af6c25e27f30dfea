#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "foundation/ZYLCompress.h"
#include "foundation/ZYLStreamUtils.h"
#include "platform/classes/Streams.h"

using namespace zyl;

namespace {

std::string Pixels(size_t n) {
  std::string s;
  for (size_t i = 0; s.size() < n; ++i) {
    s += static_cast<char>(i % 97 < 60 ? 0xF0 : i / 7);
    s += static_cast<char>(0x20);
    s += static_cast<char>(i % 3);
  }
  s.resize(n);
  return s;
}

}  // namespace

TEST(StreamUtils, StringToStreamHasNoPrefix) {
  vcl::TMemoryStream m;
  ZYLStringToStream("abc", &m);
  ZYLStringToStream("", &m);
  ZYLStringToStream(std::string("d\0e", 3), &m);
  EXPECT_EQ(m.Size(), 6);
  m.SetPosition(0);
  EXPECT_EQ(ZYLStreamToString(&m, 4), "abcd");
  EXPECT_EQ(ZYLStreamToString(&m, 10), std::string("\0e", 2));  // only what is left
  EXPECT_EQ(ZYLStreamToString(&m, 1), "");
  m.SetPosition(1);
  EXPECT_EQ(ZYLStreamToString(&m, 0), "");
  EXPECT_EQ(ZYLStreamToString(&m, -5), "");
  EXPECT_EQ(m.Position(), 1);
  // A huge count on a short stream allocates nothing large.
  EXPECT_EQ(ZYLStreamToString(&m, 2147483647).size(), 5u);
}

TEST(StreamUtils, CompressedStreamRoundTripsAndMatchesMemoryLayout) {
  for (size_t n : {size_t{0}, size_t{1}, ZYLCompressBlockSize, ZYLCompressBlockSize + 1,
                   size_t{100000}}) {
    const std::string data = Pixels(n);
    vcl::TStringStream src(data);
    vcl::TMemoryStream packed;
    ZYLCompressStream(&src, &packed);
    const std::vector<uint8_t> mem = ZYLCompressBytes(data.data(), data.size());
    ASSERT_EQ(packed.Size(), static_cast<int64_t>(mem.size())) << n;
    EXPECT_EQ(0, std::memcmp(packed.Memory(), mem.data(), mem.size())) << n;

    // Followed by other data, which the decoder leaves alone.
    ZYLStringToStream("TAIL", &packed);
    packed.SetPosition(0);
    vcl::TStringStream out;
    EXPECT_EQ(ZYLDecompressStream(&packed, &out), static_cast<int64_t>(n));
    EXPECT_EQ(out.DataString(), data);
    EXPECT_EQ(ZYLStreamToString(&packed, 4), "TAIL");
  }
}

TEST(StreamUtils, CompressStreamTakesCountFromPosition) {
  vcl::TStringStream src("0123456789");
  src.SetPosition(2);
  vcl::TMemoryStream packed;
  ZYLCompressStream(&src, &packed, 5);
  EXPECT_EQ(src.Position(), 7);
  packed.SetPosition(0);
  vcl::TStringStream out;
  ZYLDecompressStream(&packed, &out);
  EXPECT_EQ(out.DataString(), "23456");

  vcl::TStringStream shortSrc("abc");
  vcl::TMemoryStream sink;
  EXPECT_THROW(ZYLCompressStream(&shortSrc, &sink, 10), vcl::EReadError);
}

TEST(StreamUtils, CorruptCompressedStreamsRaise) {
  const std::string data = Pixels(50000);
  const std::vector<uint8_t> mem = ZYLCompressBytes(data.data(), data.size());
  std::mt19937 rng(99);
  int raised = 0;
  for (int round = 0; round < 1500; ++round) {
    std::string bytes(mem.begin(), mem.end());
    if (round % 3 == 0) {
      bytes.resize(rng() % bytes.size());
    } else {
      bytes[rng() % bytes.size()] ^= static_cast<char>(1 << (rng() % 8));
      if (round % 3 == 2) bytes[rng() % 8] = static_cast<char>(rng());
    }
    vcl::TStringStream in(bytes);
    vcl::TMemoryStream out;
    try {
      ZYLDecompressStream(&in, &out);
    } catch (const EZYLCompressError&) {
      ++raised;
    }
    EXPECT_LE(out.Size(), 50000 + ZYLCompressBlockSize);
  }
  EXPECT_GT(raised, 700);

  vcl::TStringStream empty("");
  vcl::TMemoryStream out;
  EXPECT_THROW(ZYLDecompressStream(&empty, &out), EZYLCompressError);
  vcl::TStringStream hugeTotal(std::string("\xFF\xFF\xFF\x7F", 4));
  EXPECT_THROW(ZYLDecompressStream(&hugeTotal, &out), EZYLCompressError);
}
