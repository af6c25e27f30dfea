// Corrupt, truncated and mutated BMP and icon files raise EInvalidGraphic and never crash,
// over-read or allocate from sizes they do not hold; the kept fuzz inputs stay refused.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <tuple>

#include "BmpBuilder.h"
#include "GraphicsTestUtil.h"
#include "platform/graphics/BmpCodec.h"
#include "tests/support/ErrorOf.h"

using namespace vcl;
using namespace gfxtest;

namespace {

// True when the bytes load, false when EInvalidGraphic is raised (any other exception fails
// the test); what loads can be drawn and saved.
template <class G>
bool Loads(const std::string& bytes) {
  G g;
  if (testsupport::ErrorOf<EInvalidGraphic>([&] { LoadInto(&g, bytes); }) != "<no error>")
    return false;
  std::unique_ptr<TBitmap> target(NewBitmap(8, 8));
  target->Canvas()->Draw(0, 0, &g);
  Save(&g);
  return true;
}

std::string With(const std::string& in, size_t at, uint32_t v, int bytes = 4) {
  std::string s = in;
  for (int i = 0; i < bytes; ++i) s.at(at + size_t(i)) = char((v >> (8 * i)) & 0xFF);
  return s;
}

// Applies random edits (overwrites, bit flips, truncations) to seeds; some must load, some not.
template <class G>
void Mutate(const std::vector<std::string>& seeds, int rounds, unsigned seed, size_t header) {
  std::mt19937 rng(seed);
  int loaded = 0, refused = 0;
  for (int round = 0; round < rounds; ++round) {
    std::string s = seeds[size_t(round) % seeds.size()];
    for (int e = 1 + int(rng() % 5); e > 0; --e) {
      const size_t at = rng() % (rng() % 2 ? std::min(header, s.size()) : s.size());
      switch (rng() % 4) {
        case 0: s[at] = char(rng()); break;
        case 1: s[at] = char(s[at] ^ (1 << (rng() % 8))); break;
        case 2: s.resize(at + 1); break;
        default: s[at] = char(0xFF); break;
      }
    }
    (Loads<G>(s) ? loaded : refused)++;
  }
  EXPECT_GT(loaded, 0);
  EXPECT_GT(refused, 0);
}

std::string SampleIcon() { return IconFile({IconImage(16, 4, 0x11), IconImage(32, 32, 0x11)}); }

}  // namespace

TEST(CorruptBitmaps, EveryTruncationRaises) {
  for (TPixelFormat pf : {pf1bit, pf4bit, pf8bit, pf16bit, pf24bit, pf32bit}) {
    std::unique_ptr<TBitmap> b(NewBitmap(5, 3, pf, clRed));
    const std::string file = Save(b.get());
    ASSERT_TRUE(Loads<TBitmap>(file));
    for (size_t n = 1; n < file.size(); ++n)
      EXPECT_FALSE(Loads<TBitmap>(file.substr(0, n))) << "format " << int(pf) << ", " << n;
  }
}

TEST(CorruptBitmaps, BadHeadersRaise) {
  std::unique_ptr<TBitmap> b(NewBitmap(4, 4, pf24bit)), p(NewBitmap(4, 4, pf8bit));
  const std::string good = Save(b.get());
  // Field offset, value, bytes: signature, header size, width, height, planes, bit count,
  // compression (unknown, RLE8 and bit fields on 24 bits), huge sizes, a big colour count.
  const struct {
    size_t At;
    uint32_t Value;
    int Bytes;
  } cases[] = {{0, 'X', 1},         {14, 39, 4},         {14, 0xFFFFFFFF, 4}, {18, 0, 4},
               {18, 0x80000000, 4}, {22, 0x80000000, 4}, {26, 2, 2},          {28, 7, 2},
               {30, 9, 4},          {30, 1, 4},          {30, 3, 4},          {18, 100000, 4},
               {22, 100000, 4}};
  for (const auto& c : cases)
    EXPECT_FALSE(Loads<TBitmap>(With(good, c.At, c.Value, c.Bytes))) << c.At << "=" << c.Value;
  const std::string wide = With(good, 18, 0x7FFFFFFF);
  EXPECT_FALSE(Loads<TBitmap>(With(wide, 22, 0x7FFFFFFF)));
  EXPECT_FALSE(Loads<TBitmap>(With(Save(p.get()), 46, 300)));
  // An empty stream is an empty bitmap.
  EXPECT_TRUE(Load<TBitmap>("")->Empty());
}

TEST(CorruptBitmaps, DeclaredSizesAreCheckedBeforeThePixelsAreAllocated) {
  const uint64_t decoded = bmp::DecodedImageCount();
  // 54 bytes declaring 8192 x 4096 pixels of 32 bits (128 MB) and holding none of them.
  EXPECT_FALSE(Loads<TBitmap>(Regress("bmp", "header-only-32m-pixels")));
  // Run-length data is bound by the raster engine's size: one row more than it holds.
  EXPECT_FALSE(Loads<TBitmap>(Regress("bmp", "rle-beyond-raster-limit")));
  EXPECT_EQ(bmp::DecodedImageCount(), decoded);
  TBitmap b;
  EXPECT_THROW(b.SetSize(8192, 4097), EOutOfResources);
}

TEST(CorruptBitmaps, BrokenRunLengthDataRaisesOrStaysInside) {
  BmpLayout s{3, 2, 8, 1, 40, {0, 0xFF}, {}, {}, 2};
  // An absolute run longer than the data; a delta without its two bytes; runs and deltas far
  // past the picture (clipped); data without an end mark (accepted as far as it goes).
  const struct {
    std::vector<uint8_t> Bits;
    bool Loads;
  } cases[] = {{{0, 40, 1, 1}, false},
               {{0, 2, 1}, false},
               {{255, 1, 0, 2, 200, 200, 255, 1, 0, 0, 0, 1}, true},
               {{3, 1}, true}};
  for (const auto& c : cases) {
    s.Bits = c.Bits;
    EXPECT_EQ(Loads<TBitmap>(BmpFile(s)), c.Loads) << c.Bits.size();
  }
}

TEST(CorruptBitmaps, MutatedFilesNeverCrash) {
  std::vector<std::string> seeds;
  for (TPixelFormat pf : {pf1bit, pf4bit, pf8bit, pf16bit, pf24bit, pf32bit}) {
    std::unique_ptr<TBitmap> b(NewBitmap(7, 5, pf, clRed));
    seeds.push_back(Save(b.get()));
  }
  seeds.push_back(BmpFile(BmpLayout{6,
                                    4,
                                    8,
                                    1,
                                    40,
                                    {0, 0xFF, 0xFF00},
                                    {},
                                    {6, 1, 0, 0, 0, 4, 1, 2, 1, 2, 0, 2, 1, 1, 3, 2, 0, 1},
                                    3}));
  Mutate<TBitmap>(seeds, 1500, 12345, 54);
}

TEST(CorruptIcons, TruncationsAndBadDirectoriesRaise) {
  const std::string good = SampleIcon();
  ASSERT_TRUE(Loads<TIcon>(good));
  for (size_t n = 1; n < good.size(); n += (n < 200 ? 1 : 37))
    EXPECT_FALSE(Loads<TIcon>(good.substr(0, n))) << n;
  // A cursor file, no images, an offset or a size far outside, 65,282 entries claimed.
  for (const std::string& s :
       {With(good, 2, 2, 1), With(good, 4, 0, 1), With(good, 6 + 12, 0xFFFFFFF0),
        With(good, 6 + 8, 0x7FFFFFFF), With(good, 5, 0xFF, 1)})
    EXPECT_FALSE(Loads<TIcon>(s));
}

TEST(CorruptIcons, EntriesSharingAnImageAreCheckedNotDecoded) {
  const std::string kept = Regress("ico", "entries-sharing-one-image");
  for (const std::string& file : {kept, IconFile({IconImage(16, 32, 0x40)}, 4096)}) {
    const uint64_t decoded = bmp::DecodedImageCount();
    auto icon = Load<TIcon>(file);
    EXPECT_EQ(bmp::DecodedImageCount(), decoded);
    EXPECT_NE(icon->Handle(), nullptr);  // the chosen image, decoded once
    icon->Handle();
    EXPECT_EQ(bmp::DecodedImageCount(), decoded + 1);
  }
  EXPECT_EQ(Load<TIcon>(IconFile({IconImage(16, 32, 0x40)}, 4096))->ImageCount(), 4096);
  // A shared entry is still checked: a bad one among them refuses the file.
  std::string bad = IconFile({IconImage(16, 32, 0x40)}, 3);
  EXPECT_FALSE(Loads<TIcon>(With(bad, 6 + 32 + 8, 30)));
}

TEST(CorruptIcons, MutatedFilesNeverCrash) { Mutate<TIcon>({SampleIcon()}, 600, 777, 80); }

TEST(CorruptIcons, ADamagedPngBesideTheBitmapShownIsPassedOver) {
  auto icon = Load<TIcon>(Regress("ico", "damaged-png-beside-bitmap"));
  EXPECT_EQ(std::make_tuple(icon->ImageCount(), icon->Width(), icon->Height()),
            std::make_tuple(2, 32, 32));
  EXPECT_NE(icon->Handle(), nullptr);
}

TEST(CorruptIcons, MutatedPngImagesNeverCrash) {
  std::vector<uint32_t> pixels(24 * 24);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = i % 3 ? 0xFF0000FFu : 0x40FF0000u;
  const std::string png = PngFile(24, 24, pixels);
  ASSERT_FALSE(png.empty());
  // The PNG shown alone, and beside a bitmap that is shown.
  Mutate<TIcon>({IconFileOf({{24, 32, png}}),
                 IconFileOf({{24, 32, png}, BitmapEntry(IconImage(32, 32, 0x11))})},
                800, 4242, 60);
}
