// Readers of outside data facing declared sizes the data does not back: the compressed stream,
// the buffer stream and the list streams refuse them before allocating, and what they accept
// costs memory and work in proportion to what is there. The inputs are the kept fuzz cases.
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "foundation/ZYLBuffer.h"
#include "foundation/ZYLCompress.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLStreamUtils.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BmpCodec.h"
#include "tests/support/TempDir.h"

using namespace zyl;

namespace {

// Bytes of heap in use.
size_t HeapInUse() { return mallinfo2().uordblks; }

std::string Regress(const std::string& target, const std::string& name) {
  std::ifstream f(testsupport::SourceDir() + "/tests/fuzz/" + target + "/regress/" + name + ".bin",
                  std::ios::binary);
  EXPECT_TRUE(f.good()) << target << "/" << name;
  return std::string(std::istreambuf_iterator<char>(f), {});
}

void Put32(std::string& s, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + i] = char(v >> (8 * i));
}

}  // namespace

TEST(CompressLimits, TotalsBeyondTheLimitAreRefusedBeforeDecoding) {
  std::string s = Regress("compress", "total-beyond-limit");  // total 2 GB - 1, one stored block
  vcl::TStringStream in(s), out;
  EXPECT_THROW(ZYLDecompressStream(&in, &out), EZYLCompressError);
  EXPECT_EQ(out.Size(), 0);          // not a block decoded
  vcl::TMemoryStream empty, packed;  // writing 64 MiB + 1 is refused before reading a byte
  EXPECT_THROW(ZYLCompressStream(&empty, &packed, (int64_t(64) << 20) + 1), EZYLCompressError);
  for (uint32_t total : {(64u << 20) + 1, 1u}) {  // just beyond the limit, and within it
    Put32(s, 0, total);
    const auto* p = reinterpret_cast<const uint8_t*>(s.data());
    if (total > 1)
      EXPECT_THROW(ZYLDecompressBytes(p, s.size()), EZYLCompressError);
    else
      EXPECT_EQ(ZYLDecompressBytes(p, s.size()), std::vector<uint8_t>{'A'});
  }
}

TEST(BufferLimits, OneByteEntriesCostTheirAllocationAndLittleMore) {
  vcl::TStringStream in(Regress("buffer", "one-byte-entries"));  // 4096 entries of one byte
  TZYLDynLIFOBuffer b;
  b.SetItemSize(1);
  const size_t before = HeapInUse();
  b.LoadFromStream(&in);
  // Each entry is its own smallest heap block (32 bytes); the buffer's bookkeeping adds 16
  // bytes an entry in blocks, not a second heap block per entry.
  EXPECT_LT(HeapInUse() - before, 4096u * 52);
  ASSERT_EQ(b.Count(), 4096);
  EXPECT_EQ(*static_cast<uint8_t*>(b.GetItem(b.NextNode(b.FirstNode()))), 0xFE);
}

TEST(ListLimits, PicturesBeyondTheLimitAreRefusedBeforeDecoding) {
  testsupport::TempDir dir;
  {
    std::ofstream f(dir.File("l.lst"), std::ios::binary);
    f << Regress("listfile", "bitmap-25m-pixels");  // one bitmap of 5000 x 5000 pixels
  }
  TZYLBitmapList bitmaps;
  TZYLImageList images;
  bitmaps.Add();
  images.Add();
  const uint64_t decoded = vcl::bmp::DecodedImageCount();
  EXPECT_THROW(bitmaps.LoadFromFile(dir.File("l.lst")), vcl::EReadError);
  vcl::TStringStream in(Regress("imagelist", "strip-65535-images"));  // of 1 x 512 pixels
  EXPECT_THROW(images.LoadFromStream(&in), vcl::EReadError);
  EXPECT_EQ(vcl::bmp::DecodedImageCount(), decoded);
  EXPECT_EQ(bitmaps.Count() + images.Count(), 2);
}

TEST(ListLimits, ABigStripIsCutImageByImage) {
  // The kept stream made 4,096 images of 1 x 2,048 pixels: cutting each image out of the
  // strip once must not touch the whole strip per image. Its run-length data paints the
  // bottom of column 4,094 red, all else black.
  std::string s = Regress("imagelist", "strip-65535-images");
  Put32(s, 23, 2048);  // image height
  Put32(s, 27, 4096);  // image count
  Put32(s, 58, 4096);  // the strip's width and height in its BMP header
  Put32(s, 62, 2048);
  // Replace the strip's pixels ("end of bitmap") with: skip to column 4,094, one red pixel.
  std::string run;
  for (int left = 4094; left > 0; left -= 255)
    run += std::string{0, 2, char(std::min(left, 255)), 0};
  run += std::string{1, 1, 0, 1};
  s.replace(s.size() - 2, 2, run);
  auto grow = [&](size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | uint8_t(s[at + i]);
    Put32(s, at, v + uint32_t(run.size() - 2));
  };
  grow(15);  // item data length
  grow(36);  // strip length
  grow(42);  // BMP file size
  TZYLImageList list;
  vcl::TStringStream in(s);
  list.LoadFromStream(&in);
  TZYLImageListItem* it = list.GetArrayItem(0);
  ASSERT_EQ(it->GetCount(), 4096);
  vcl::TBitmap b;
  ASSERT_TRUE(it->GetBitmap(4094, &b));
  EXPECT_EQ(b.Canvas()->Pixels(0, 2047), vcl::clRed);
  EXPECT_EQ(b.Canvas()->Pixels(0, 2046), vcl::clBlack);
  ASSERT_TRUE(it->GetBitmap(4093, &b));
  EXPECT_EQ(b.Canvas()->Pixels(0, 2047), vcl::clBlack);
}
