// Corrupt, truncated and mutated BMP and icon files raise EInvalidGraphic and never crash,
// over-read or allocate from sizes they do not hold.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "BmpBuilder.h"
#include "GraphicsTestUtil.h"
#include "platform/classes/Streams.h"

using namespace vcl;
using gfxtest::BmpFile;
using gfxtest::BmpSpec;
using gfxtest::NewBitmap;

namespace {

std::string Save(TGraphic* g) {
  TStringStream s;
  g->SaveToStream(&s);
  return s.DataString();
}

// Loads the bytes; true when they load, false when EInvalidGraphic is raised. Any other
// exception fails the test.
template <class G>
bool Loads(const std::string& bytes) {
  G g;
  TStringStream s(bytes);
  try {
    g.LoadFromStream(&s);
  } catch (const EInvalidGraphic&) {
    return false;
  }
  // What loaded can be drawn and saved.
  std::unique_ptr<TBitmap> target(NewBitmap(8, 8));
  target->Canvas()->Draw(0, 0, &g);
  Save(&g);
  return true;
}

std::string SampleIcon();

void Set32(std::string& s, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + i] = char((v >> (8 * i)) & 0xFF);
}

}  // namespace

TEST(CorruptBitmaps, EveryTruncationRaises) {
  for (TPixelFormat pf : {pf1bit, pf4bit, pf8bit, pf16bit, pf24bit, pf32bit}) {
    std::unique_ptr<TBitmap> b(NewBitmap(5, 3, pf, clRed));
    const std::string file = Save(b.get());
    ASSERT_TRUE(Loads<TBitmap>(file));
    for (size_t n = 1; n < file.size(); ++n)
      EXPECT_FALSE(Loads<TBitmap>(file.substr(0, n))) << "format " << int(pf) << ", " << n << " bytes";
  }
}

TEST(CorruptBitmaps, BadHeadersRaise) {
  std::unique_ptr<TBitmap> b(NewBitmap(4, 4, pf24bit));
  const std::string good = Save(b.get());
  auto with = [&](size_t at, uint32_t v, int bytes) {
    std::string s = good;
    for (int i = 0; i < bytes; ++i) s[at + i] = char((v >> (8 * i)) & 0xFF);
    return s;
  };
  EXPECT_FALSE(Loads<TBitmap>(with(0, 'X', 1)));              // signature
  EXPECT_FALSE(Loads<TBitmap>(with(14, 39, 4)));              // header size
  EXPECT_FALSE(Loads<TBitmap>(with(14, 0xFFFFFFFF, 4)));
  EXPECT_FALSE(Loads<TBitmap>(with(18, 0, 4)));               // width 0
  EXPECT_FALSE(Loads<TBitmap>(with(18, 0x80000000, 4)));      // negative width
  EXPECT_FALSE(Loads<TBitmap>(with(22, 0x80000000, 4)));      // height INT_MIN
  EXPECT_FALSE(Loads<TBitmap>(with(26, 2, 2)));               // planes
  EXPECT_FALSE(Loads<TBitmap>(with(28, 7, 2)));               // bit count
  EXPECT_FALSE(Loads<TBitmap>(with(30, 9, 4)));               // compression
  EXPECT_FALSE(Loads<TBitmap>(with(30, 1, 4)));               // RLE8 on 24 bits
  EXPECT_FALSE(Loads<TBitmap>(with(30, 3, 4)));               // bit fields on 24 bits
  // Huge sizes are refused before anything is allocated.
  EXPECT_FALSE(Loads<TBitmap>(with(18, 100000, 4)));
  EXPECT_FALSE(Loads<TBitmap>(with(22, 100000, 4)));
  std::string huge = with(18, 0x7FFFFFFF, 4);
  Set32(huge, 22, 0x7FFFFFFF);
  EXPECT_FALSE(Loads<TBitmap>(huge));
  // A colour count beyond 256.
  std::unique_ptr<TBitmap> p(NewBitmap(4, 4, pf8bit));
  std::string pal = Save(p.get());
  Set32(pal, 46, 300);
  EXPECT_FALSE(Loads<TBitmap>(pal));
  // An empty stream is an empty bitmap.
  TBitmap e;
  TStringStream none;
  e.LoadFromStream(&none);
  EXPECT_TRUE(e.Empty());
}

TEST(CorruptBitmaps, BrokenRunLengthDataRaisesOrStaysInside) {
  BmpSpec s;
  s.Width = 3;
  s.Height = 2;
  s.BitCount = 8;
  s.Compression = 1;
  s.Table = {0, 0xFF};
  s.ClrUsed = 2;
  // An absolute run longer than the data.
  s.Bits = {0, 40, 1, 1};
  EXPECT_FALSE(Loads<TBitmap>(BmpFile(s)));
  // A delta without its two bytes.
  s.Bits = {0, 2, 1};
  EXPECT_FALSE(Loads<TBitmap>(BmpFile(s)));
  // Runs and deltas far past the picture are clipped.
  s.Bits = {255, 1, 0, 2, 200, 200, 255, 1, 0, 0, 0, 1};
  EXPECT_TRUE(Loads<TBitmap>(BmpFile(s)));
  // Data without an end mark is accepted as far as it goes.
  s.Bits = {3, 1};
  EXPECT_TRUE(Loads<TBitmap>(BmpFile(s)));
}

TEST(CorruptBitmaps, MutatedFilesNeverCrash) {
  std::mt19937 rng(12345);
  std::vector<std::string> seeds;
  for (TPixelFormat pf : {pf1bit, pf4bit, pf8bit, pf16bit, pf24bit, pf32bit}) {
    std::unique_ptr<TBitmap> b(NewBitmap(7, 5, pf, clRed));
    seeds.push_back(Save(b.get()));
  }
  BmpSpec rle;
  rle.Width = 6;
  rle.Height = 4;
  rle.BitCount = 8;
  rle.Compression = 1;
  rle.Table = {0, 0xFF, 0xFF00};
  rle.ClrUsed = 3;
  rle.Bits = {6, 1, 0, 0, 0, 4, 1, 2, 1, 2, 0, 2, 1, 1, 3, 2, 0, 1};
  seeds.push_back(BmpFile(rle));
  int loaded = 0, refused = 0;
  for (int round = 0; round < 1500; ++round) {
    std::string s = seeds[size_t(round) % seeds.size()];
    const int edits = 1 + int(rng() % 6);
    for (int e = 0; e < edits; ++e) {
      const size_t at = rng() % s.size();
      switch (rng() % 4) {
        case 0: s[at] = char(rng()); break;
        case 1: s[at] = char(s[at] ^ (1 << (rng() % 8))); break;
        case 2: s.resize(at + 1); break;
        default: s[at] = char(0xFF); break;
      }
      // Header fields get the most attention.
      if (rng() % 3 == 0 && s.size() > 54) s[14 + rng() % 40] = char(rng());
    }
    (Loads<TBitmap>(s) ? loaded : refused)++;
  }
  EXPECT_GT(loaded, 0);
  EXPECT_GT(refused, 0);
}

namespace {

// A two-image icon: 16 x 16 at 4 bits and 32 x 32 at 32 bits.
std::string SampleIcon() {
  auto image = [](int size, int bits) {
    BmpSpec s;
    s.Width = size;
    s.Height = size * 2;
    s.BitCount = bits;
    if (bits == 4) s.Table = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0, 0, 0, 0,
                              0,        0,        0,        0,        0, 0, 0, 0xFFFFFF};
    const size_t row = ((size_t(size) * bits + 31) / 32) * 4;
    s.Bits.assign(row * size_t(size), 0x11);
    const size_t maskRow = ((size_t(size) + 31) / 32) * 4;
    s.Bits.insert(s.Bits.end(), maskRow * size_t(size), 0x00);
    return gfxtest::PackedDib(s);
  };
  const std::string a = image(16, 4), b = image(32, 32);
  std::string f;
  gfxtest::Put(f, 0, 2);
  gfxtest::Put(f, 1, 2);
  gfxtest::Put(f, 2, 2);
  auto entry = [&](int size, int bits, const std::string& img, size_t offset) {
    f.push_back(char(size));
    f.push_back(char(size));
    f.push_back(0);
    f.push_back(0);
    gfxtest::Put(f, 1, 2);
    gfxtest::Put(f, uint32_t(bits), 2);
    gfxtest::Put(f, uint32_t(img.size()), 4);
    gfxtest::Put(f, uint32_t(offset), 4);
  };
  entry(16, 4, a, 6 + 32);
  entry(32, 32, b, 6 + 32 + a.size());
  return f + a + b;
}

}  // namespace

TEST(CorruptIcons, TruncationsAndBadDirectoriesRaise) {
  const std::string good = SampleIcon();
  ASSERT_TRUE(Loads<TIcon>(good));
  for (size_t n = 1; n < good.size(); n += (n < 200 ? 1 : 37))
    EXPECT_FALSE(Loads<TIcon>(good.substr(0, n))) << n;
  std::string s = good;
  s[2] = 2;  // a cursor file
  EXPECT_FALSE(Loads<TIcon>(s));
  s = good;
  s[4] = 0;  // no images
  EXPECT_FALSE(Loads<TIcon>(s));
  s = good;
  Set32(s, 6 + 12, 0xFFFFFFF0);  // offset far outside
  EXPECT_FALSE(Loads<TIcon>(s));
  s = good;
  Set32(s, 6 + 8, 0x7FFFFFFF);  // size far outside
  EXPECT_FALSE(Loads<TIcon>(s));
  s = good;
  s[5] = char(0xFF);  // 65280 + 2 entries claimed
  EXPECT_FALSE(Loads<TIcon>(s));
}

TEST(CorruptIcons, MutatedFilesNeverCrash) {
  std::mt19937 rng(777);
  const std::string seed = SampleIcon();
  int loaded = 0, refused = 0;
  for (int round = 0; round < 600; ++round) {
    std::string s = seed;
    const int edits = 1 + int(rng() % 4);
    for (int e = 0; e < edits; ++e) {
      const size_t at = rng() % (rng() % 2 ? 80 : s.size());
      if (rng() % 5 == 0) s.resize(at + 1);
      else s[at] = char(rng());
    }
    (Loads<TIcon>(s) ? loaded : refused)++;
  }
  EXPECT_GT(loaded, 0);
  EXPECT_GT(refused, 0);
}
