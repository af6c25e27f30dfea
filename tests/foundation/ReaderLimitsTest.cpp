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
  const auto* p = reinterpret_cast<const uint8_t*>(s.data());
  EXPECT_THROW(ZYLDecompressBytes(p, s.size()), EZYLCompressError);
  vcl::TStringStream in(s), out;
  EXPECT_THROW(ZYLDecompressStream(&in, &out), EZYLCompressError);
  EXPECT_EQ(out.Size(), 0);  // not a block decoded
  // 64 MiB + 1: refused the same way; writing that much is refused before reading a byte.
  Put32(s, 0, (64u << 20) + 1);
  vcl::TStringStream in2(s), out2;
  EXPECT_THROW(ZYLDecompressStream(&in2, &out2), EZYLCompressError);
  EXPECT_EQ(out2.Size(), 0);
  vcl::TMemoryStream empty, packed;
  EXPECT_THROW(ZYLCompressStream(&empty, &packed, (int64_t(64) << 20) + 1), EZYLCompressError);
  EXPECT_EQ(packed.Size(), 0);
  // A total within the limit still decodes its one block.
  Put32(s, 0, 1);
  EXPECT_EQ(ZYLDecompressBytes(p, s.size()), std::vector<uint8_t>{'A'});
}

TEST(BufferLimits, OneByteEntriesCostTheirAllocationAndLittleMore) {
  const std::string s = Regress("buffer", "one-byte-entries");  // 4096 entries of one byte
  TZYLDynLIFOBuffer b;
  b.SetItemSize(1);
  vcl::TStringStream in(s);
  const size_t before = HeapInUse();
  b.LoadFromStream(&in);
  // Each entry is its own smallest heap block (32 bytes); the buffer's bookkeeping adds 16
  // bytes an entry in blocks, not a second heap block per entry.
  EXPECT_LT(HeapInUse() - before, 4096u * 52);
  ASSERT_EQ(b.Count(), 4096);
  // Newest first: the stream's last byte, then back to its first.
  int expect = 4095;
  for (TZYLBufferNode* n = b.FirstNode(); !b.EOFBuffer(n); n = b.NextNode(n), --expect)
    ASSERT_EQ(*static_cast<uint8_t*>(b.GetItem(n)), uint8_t(expect)) << expect;
  EXPECT_EQ(expect, -1);
  // A maximum keeps the newest entries of a stream.
  TZYLDynLIFOBuffer small;
  small.SetItemSize(1);
  small.SetMaxCount(3);
  vcl::TStringStream again(s);
  small.LoadFromStream(&again);
  ASSERT_EQ(small.Count(), 3);
  void* top = small.Get();
  EXPECT_EQ(*static_cast<uint8_t*>(top), 0xFF);
  TZYLCustomBuffer::DisposeEntry(top);
}

// Each row: a kept list input (a list file under listfile/, a container stream under
// imagelist/) and whether a bitmap list reads it.
struct TListCase {
  const char* Target;
  const char* Name;
  bool BitmapList;
};

class ListLimits : public ::testing::TestWithParam<TListCase> {};

TEST_P(ListLimits, PicturesBeyondTheLimitAreRefusedBeforeDecoding) {
  const TListCase& c = GetParam();
  std::string s = Regress(c.Target, c.Name);
  std::unique_ptr<TZYLCustomContainer> list;
  if (c.BitmapList)
    list = std::make_unique<TZYLBitmapList>();
  else
    list = std::make_unique<TZYLImageList>();
  list->Add();
  const uint64_t decoded = vcl::bmp::DecodedImageCount();
  if (std::string(c.Target) == "listfile") {
    testsupport::TempDir dir;
    {
      std::ofstream f(dir.File("l.lst"), std::ios::binary);
      f << s;
    }
    EXPECT_THROW(list->LoadFromFile(dir.File("l.lst")), vcl::EReadError);
  } else {
    vcl::TStringStream in(s);
    EXPECT_THROW(list->LoadFromStream(&in), vcl::EReadError);
  }
  EXPECT_EQ(vcl::bmp::DecodedImageCount(), decoded);
  EXPECT_EQ(list->Count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Kept, ListLimits,
                         ::testing::Values(TListCase{"imagelist", "strip-65535-images", false},
                                           TListCase{"listfile", "bitmap-25m-pixels", true}));

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
