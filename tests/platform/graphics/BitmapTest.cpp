// TBitmap: pixel formats and their conversions, scan lines, transparency, handles, and the
// BMP format at every bit depth.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <tuple>

#include "BmpBuilder.h"
#include "GraphicsTestUtil.h"
#include "platform/classes/Resources.h"
#include "platform/classes/Streams.h"
#include "platform/gdi/Gdi.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempDir.h"

using namespace vcl;
using namespace gfxtest;

namespace {

// Colours every format holds exactly.
std::vector<TColor> ColoursFor(TPixelFormat pf) {
  switch (pf) {
    case pf1bit: return {clBlack, clWhite};
    case pf4bit:
      return {clBlack, clMaroon, clGreen, clOlive,  clNavy, clPurple,  clTeal, clSilver,
              clGray,  clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite};
    case pf8bit:
      return {
          clBlack, clWhite, clRed, clLime, clBlue, win::RGB(51, 102, 153), win::RGB(204, 0, 255)};
    case pf15bit:
    case pf16bit: return {clBlack, clWhite, clRed, clLime, clBlue, clYellow, clAqua};
    default:
      return {clBlack, clWhite, win::RGB(1, 2, 3), win::RGB(250, 128, 7), win::RGB(17, 200, 99)};
  }
}

TColor Pattern(const std::vector<TColor>& c, int x, int y) {
  return c[size_t(x + 2 * y) % c.size()];
}

void Paint(TBitmap* b, const std::vector<TColor>& c) {
  for (int y = 0; y < b->Height(); ++y)
    for (int x = 0; x < b->Width(); ++x) b->Canvas()->SetPixels(x, y, Pattern(c, x, y));
}

void ExpectPainted(TBitmap* b, const std::vector<TColor>& c, const char* what) {
  ExpectEveryPixel(
      b, [&](int x, int y) { return Pattern(c, x, y); }, what);
}

}  // namespace

TEST(Bitmap, NewBitmapsAreEmptyWhiteDeviceBitmaps) {
  TBitmap b;
  EXPECT_EQ(Save(&b), "");
  b.SetSize(5, 3);
  EXPECT_EQ(b.HandleType(), bmDDB);
  EXPECT_EQ(CountColor(&b, clWhite, Rect(0, 0, 5, 3)), 15);
  EXPECT_THROW(b.SetSize(100000, 100000), EOutOfResources);
  EXPECT_EQ(b.Width(), 5);
}

class BitmapRoundTrip : public ::testing::TestWithParam<TPixelFormat> {};

TEST_P(BitmapRoundTrip, PixelsSurviveSaveAndLoad) {
  const TPixelFormat pf = GetParam();
  std::unique_ptr<TBitmap> b(NewBitmap(13, 7, pf));
  const auto colours = ColoursFor(pf);
  Paint(b.get(), colours);
  ExpectPainted(b.get(), colours, "painted");
  const std::string bytes = Save(b.get());
  auto back = Load<TBitmap>(bytes);
  EXPECT_EQ(std::make_tuple(back->Width(), back->Height(), back->PixelFormat()),
            std::make_tuple(13, 7, pf == pfDevice ? pf32bit : pf));
  ExpectPainted(back.get(), colours, "loaded");
  EXPECT_EQ(Save(back.get()), bytes);  // saving again gives the same file
}

INSTANTIATE_TEST_SUITE_P(EveryDepth, BitmapRoundTrip,
                         ::testing::Values(pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit,
                                           pf32bit, pfDevice));

TEST(Bitmap, FileHeadersOfTheFormats) {
  // Format, bits per pixel, compression, colour table entries, colours used (a 4- or 8-bit
  // picture made in memory counts its whole table); 3 x 2 pixels, bottom-up.
  const struct {
    TPixelFormat Pf;
    uint32_t Bits, Compression, Table, ClrUsed;
  } cases[] = {{pf1bit, 1, 0, 2, 0},   {pf4bit, 4, 0, 16, 16}, {pf8bit, 8, 0, 256, 256},
               {pf15bit, 16, 0, 0, 0}, {pf16bit, 16, 3, 0, 0}, {pf24bit, 24, 0, 0, 0},
               {pf32bit, 32, 0, 0, 0}};
  for (const auto& c : cases) {
    std::unique_ptr<TBitmap> b(NewBitmap(3, 2, c.Pf));
    const std::string f = Save(b.get());
    std::vector<uint32_t> fields(16);  // from offset 2, the 32-bit fields (bit count: 16 bits)
    std::memcpy(fields.data(), f.data() + 2, std::min<size_t>(64, f.size() - 2));
    const uint32_t extra = c.Table * 4 + (c.Compression == 3 ? 12 : 0);
    const uint32_t size = 54 + extra + 2 * ((3 * c.Bits + 31) / 32) * 4;
    EXPECT_EQ(f.size(), size) << c.Bits;
    EXPECT_EQ(std::vector<uint32_t>(fields.begin(), fields.begin() + 7),
              std::vector<uint32_t>({size, 0, 54 + extra, 40, 3, 2, 1 | (c.Bits << 16)}));
    EXPECT_EQ(fields[7], c.Compression) << c.Bits;
    EXPECT_EQ(fields[11], c.ClrUsed) << c.Bits;
    if (c.Compression == 3) {
      EXPECT_EQ(std::vector<uint32_t>(fields.begin() + 13, fields.begin() + 16),
                std::vector<uint32_t>({0xF800, 0x07E0, 0x001F}));
    }
  }
}

TEST(Bitmap, PixelFormatConversionsKeepThePicture) {
  std::unique_ptr<TBitmap> b(NewBitmap(9, 5, pf24bit));
  const std::vector<TColor> c = {clRed, clBlue, clWhite, clBlack, clLime};
  Paint(b.get(), c);
  for (TPixelFormat pf : {pf8bit, pf4bit, pf32bit, pf16bit, pf15bit, pfDevice, pf24bit}) {
    b->SetPixelFormat(pf);
    EXPECT_EQ(b->PixelFormat(), pf);
    ExpectPainted(b.get(), c, "converted");
  }
  b->SetPixelFormat(pf1bit);
  EXPECT_TRUE(b->Monochrome());
  ExpectPixels(b.get(), {{0, 0, clBlack}, {2, 0, clWhite}}, "mono");  // red is dark
  EXPECT_THROW(b->SetPixelFormat(pfCustom), EInvalidGraphic);
}

TEST(Bitmap, ScanLinesAreTopDownInTheFormatsLayout) {
  // Format, fill, one pixel set, then the bytes of its scan line from an offset.
  const struct {
    TPixelFormat Pf;
    TColor Fill;
    int X, Y;
    TColor Set;
    size_t At;
    std::vector<uint8_t> Bytes;
  } cases[] = {{pf24bit, clWhite, 0, 0, win::RGB(1, 2, 3), 0, {3, 2, 1}},
               {pf24bit, clWhite, 3, 2, win::RGB(10, 20, 30), 9, {30, 20, 10}},
               {pf32bit, clWhite, 1, 0, win::RGB(7, 8, 9), 4, {9, 8, 7}},
               {pf16bit, clBlack, 1, 0, clRed, 2, {0x00, 0xF8}},
               {pf15bit, clBlack, 0, 0, clLime, 0, {0xE0, 0x03}},
               {pf1bit, clBlack, 0, 1, clWhite, 0, {0x80}},
               {pf1bit, clBlack, 9, 1, clWhite, 1, {0x40}},
               {pfDevice, clRed, 0, 0, clRed, 0, {0, 0, 0xFF}}};  // becomes a 32-bit DIB
  for (const auto& c : cases) {
    std::unique_ptr<TBitmap> b(NewBitmap(10, 3, c.Pf, c.Fill));
    b->Canvas()->SetPixels(c.X, c.Y, c.Set);
    const uint8_t* row = static_cast<const uint8_t*>(b->ScanLine(c.Y)) + c.At;
    EXPECT_EQ(std::vector<uint8_t>(row, row + c.Bytes.size()), c.Bytes)
        << int(c.Pf) << " at " << c.X;
  }
  // Writing a scan line shows in the next drawing call.
  std::unique_ptr<TBitmap> b(NewBitmap(4, 3, pf32bit));
  auto* row1 = static_cast<uint8_t*>(b->ScanLine(1));
  row1[4] = 0xFF, row1[5] = 0, row1[6] = 0;  // pixel 1: blue
  EXPECT_EQ(At(b.get(), 1, 1), clBlue);
  for (int bad : {3, -1}) EXPECT_THROW(b->ScanLine(bad), EInvalidGraphicOperation);
  std::unique_ptr<TBitmap> b8(NewBitmap(3, 1, pf8bit, clBlack));
  b8->Canvas()->SetPixels(1, 0, clWhite);
  EXPECT_NE(static_cast<uint8_t*>(b8->ScanLine(0))[0], static_cast<uint8_t*>(b8->ScanLine(0))[1]);
}

TEST(Bitmap, TransparentColourIsTheBottomLeftPixelUnlessFixed) {
  std::unique_ptr<TBitmap> b(NewBitmap(4, 4, pf24bit, clAqua));
  b->Canvas()->SetPixels(0, 3, clMaroon);
  EXPECT_EQ(b->TransparentColor(), clMaroon | TransparentColorFlag);
  b->SetTransparentColor(clBtnFace);
  EXPECT_EQ(b->TransparentMode(), tmFixed);
  EXPECT_EQ(b->TransparentColor(), ColorToRGB(clBtnFace) | TransparentColorFlag);
  b->SetTransparentMode(tmAuto);
  EXPECT_EQ(b->TransparentColor(), clMaroon | TransparentColorFlag);
  b->SetTransparentMode(tmFixed);  // fixes the colour the corner has now
  b->Canvas()->SetPixels(0, 3, clRed);
  EXPECT_EQ(b->TransparentColor(), clMaroon | TransparentColorFlag);
  std::unique_ptr<TBitmap> m(NewBitmap(2, 2, pf1bit, clBlack));  // monochrome: white
  EXPECT_EQ(m->TransparentColor(), clWhite | TransparentColorFlag);
}

TEST(Bitmap, MasksMarkTheKeyColourWhite) {
  std::unique_ptr<TBitmap> b(NewBitmap(3, 2, pf24bit, clGreen));
  b->Canvas()->SetPixels(1, 0, clRed);
  b->Canvas()->SetPixels(2, 1, clRed);
  b->SetTransparentColor(clRed);
  TBitmap mask;
  mask.SetHandle(b->ReleaseMaskHandle());
  EXPECT_TRUE(mask.Monochrome());
  ExpectEveryPixel(
      &mask, [](int x, int y) { return x == y + 1 ? clWhite : clBlack; }, "mask");
  b->Mask(clGreen);
  EXPECT_EQ(b->PixelFormat(), pf1bit);
  ExpectPixels(b.get(), {{0, 0, clWhite}, {1, 0, clBlack}}, "masked");
}

TEST(Bitmap, DormantReleasedAndFreedBitmapsKeepTheirPixels) {
  std::unique_ptr<TBitmap> b(NewBitmap(5, 4, pf24bit));
  const std::vector<TColor> c = {clRed, clNavy, clYellow};
  Paint(b.get(), c);
  b->Dormant();
  EXPECT_FALSE(b->HandleAllocated());
  ExpectPainted(b.get(), c, "dormant");
  TBitmap other;
  other.SetHandle(b->ReleaseHandle());  // takes it over
  ExpectPainted(&other, c, "released handle");
  ExpectPainted(b.get(), c, "after release");
  b->FreeImage();
  ExpectPainted(b.get(), c, "after FreeImage");
}

TEST(Bitmap, ResizingKeepsTheTopLeftAndFillsWithTheBrushColour) {
  std::unique_ptr<TBitmap> b(NewBitmap(4, 4, pf24bit, clRed));
  b->Canvas()->Brush()->SetColor(clBlue);
  b->SetSize(6, 2);
  EXPECT_EQ(b->PixelFormat(), pf24bit);
  ExpectEveryPixel(
      b.get(), [](int x, int) { return x < 4 ? clRed : clBlue; }, "resized");
  b->SetWidth(0);
  EXPECT_TRUE(b->Empty());
  EXPECT_EQ(b->Height(), 2);
}

TEST(Bitmap, AssignCopiesPixelsAndSettings) {
  std::unique_ptr<TBitmap> a(NewBitmap(3, 3, pf8bit, clRed)),
      dev(NewBitmap(2, 2, pfDevice, clLime));
  a->SetTransparent(true);
  a->SetTransparentColor(clRed);
  TBitmap b;
  b.Assign(a.get());
  EXPECT_EQ(b.PixelFormat(), pf8bit);
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(b.TransparentMode(), tmFixed);
  a->Canvas()->SetPixels(1, 1, clBlue);
  EXPECT_EQ(At(&b, 1, 1), clRed);
  b.Assign(dev.get());
  EXPECT_EQ(b.HandleType(), bmDDB);
  EXPECT_EQ(At(&b, 0, 0), clLime);
  b.Assign(nullptr);
  EXPECT_TRUE(b.Empty());
  TFont font;
  EXPECT_THROW(b.Assign(&font), EConvertError);
}

TEST(Bitmap, MonochromeAndHandleTypeSwitches) {
  std::unique_ptr<TBitmap> b(NewBitmap(4, 2, pfDevice, clWhite));
  b->Canvas()->SetPixels(0, 0, clBlack);
  b->SetMonochrome(true);
  EXPECT_EQ(b->HandleType(), bmDDB);
  ExpectPixels(b.get(), {{0, 0, clBlack}, {1, 0, clWhite}}, "mono");
  b->SetHandleType(bmDIB);
  EXPECT_EQ(b->PixelFormat(), pf1bit);
  EXPECT_EQ(At(b.get(), 0, 0), clBlack);
  b->SetMonochrome(false);
  EXPECT_EQ(b->PixelFormat(), pfDevice);
}

TEST(Bitmap, PaletteOfIndexedFormats) {
  std::unique_ptr<TBitmap> b(NewBitmap(2, 2, pf4bit, clBlack)), t(NewBitmap(2, 2, pf24bit));
  win::PALETTEENTRY e[16];
  ASSERT_EQ(win::GetPaletteEntries(b->Palette(), 0, 16, e), 16u);
  EXPECT_EQ(win::RGB(e[9].peRed, e[9].peGreen, e[9].peBlue), clRed);  // in the system order
  EXPECT_EQ(t->Palette(), nullptr);
}

TEST(Bitmap, DrawingOnIndexedFormatsReadsBackInTheirColours) {
  // Format, fill, colour drawn (by a pixel, or by filling), colour read back.
  const struct {
    TPixelFormat Pf;
    TColor Fill, Drawn, Read;
    bool Filled;
  } cases[] = {{pf8bit, clWhite, win::RGB(1, 2, 3), clBlack, false},
               {pf8bit, clWhite, win::RGB(250, 5, 5), clRed, true},
               {pf1bit, clBlack, win::RGB(230, 230, 230), clWhite, false},
               {pf15bit, clBlack, win::RGB(255, 255, 255), clWhite, false}};
  for (const auto& c : cases) {
    std::unique_ptr<TBitmap> b(NewBitmap(4, 4, c.Pf, c.Fill));
    b->Canvas()->Brush()->SetColor(c.Drawn);
    if (c.Filled)
      b->Canvas()->FillRect(Rect(2, 2, 4, 4));
    else
      b->Canvas()->SetPixels(3, 3, c.Drawn);
    ExpectPixels(b.get(), {{3, 3, c.Read}}, "indexed");
  }
}

BmpLayout Layout(int w, int h, int bits, uint32_t compression, std::vector<uint32_t> table,
                 std::vector<uint8_t> data, int header = 40) {
  BmpLayout s{w, h, bits, compression, header, std::move(table), {}, std::move(data), 0};
  s.ClrUsed = header == 40 ? uint32_t(s.Table.size()) : 0;
  if (compression == win::BI_BITFIELDS) s.Masks = {0xF800, 0x07E0, 0x001F};
  return s;
}

// A file's header is written back as it was read: resolution, colours used (the table as long
// as they are) and important colours, also after the pixels changed.
TEST(BitmapFiles, HeadersAreWrittenBackAsRead) {
  gfxtest::BmpLayout indexed{
      2, 2,    8,    0, 40, {0x000000, 0xFF0000, 0x00FF00, 0x0000FF}, {}, {0, 1, 0, 0, 2, 3, 0, 0},
      4, 3780, 3780, 2};
  gfxtest::BmpLayout nibbles{
      2, 1, 4, 0, 40, std::vector<uint32_t>(16, 0x808080), {}, {0x12, 0, 0, 0}, 0, 2835, 1417, 0};
  gfxtest::BmpLayout rgb{1, 1, 24, 0, 40, {}, {}, {1, 2, 3, 0}, 0, 11811, 11811, 0};
  // Tables that count all their entries as used: 256 for 8 bits, 16 for 4 bits.
  gfxtest::BmpLayout full8{2,   1, 8, 0, 40, std::vector<uint32_t>(256, 0x204080), {}, {7, 9, 0, 0},
                           256, 0, 0, 0};
  gfxtest::BmpLayout full4{
      3, 1, 4, 0, 40, std::vector<uint32_t>(16, 0x102030), {}, {0x3F, 0x20, 0, 0}, 16, 0, 0, 0};
  for (const gfxtest::BmpLayout& layout : {indexed, nibbles, rgb, full8, full4}) {
    const std::string file = gfxtest::BmpFile(layout);
    TBitmap b;
    TMemoryStream in;
    in.WriteBuffer(file.data(), int32_t(file.size()));
    in.SetPosition(0);
    b.LoadFromStream(&in);
    auto saved = [&b] {
      TMemoryStream out;
      b.SaveToStream(&out);
      return std::string(static_cast<const char*>(out.Memory()), size_t(out.Size()));
    };
    EXPECT_EQ(saved(), file) << layout.BitCount << " bits";
    b.Canvas()->SetPixels(0, 0, b.Canvas()->Pixels(1, 0));
    const std::string changed = saved();
    ASSERT_EQ(changed.size(), file.size()) << layout.BitCount << " bits";
    EXPECT_EQ(changed.substr(0, 54), file.substr(0, 54)) << layout.BitCount << " bits";
  }
}

TEST(BitmapFiles, LessCommonLayoutsLoadInPictureOrder) {
  const struct {
    const char* Name;
    BmpLayout Layout;
    TPixelFormat Pf;
    std::vector<TPx> Pixels;
  } cases[] = {
      // Top-down rows: red, blue over lime, white.
      {"topdown",
       Layout(2, -2, 24, 0, {}, {0, 0, 255, 255, 0, 0, 0, 0, 0, 255, 0, 255, 255, 255, 0, 0}),
       pf24bit,
       {{0, 0, clRed}, {1, 0, clBlue}, {0, 1, clLime}, {1, 1, clWhite}}},
      // Bottom row four reds, top row absolute 0 1 2 3.
      {"rle8",
       Layout(4, 2, 8, win::BI_RLE8, {0, 0xFF0000, 0x00FF00, 0x0000FF},
              {4, 1, 0, 0, 0, 4, 0, 1, 2, 3, 0, 0, 0, 1}),
       pf8bit,
       {{0, 0, clBlack},
        {1, 0, clRed},
        {2, 0, clLime},
        {3, 0, clBlue},
        {0, 1, clRed},
        {3, 1, clRed}}},
      // 1 2 1 2, then an absolute 2.
      {"rle4",
       Layout(5, 1, 4, win::BI_RLE4, {0, 0xFF0000, 0x0000FF}, {4, 0x12, 0, 3, 0x20, 0x00, 0, 1}),
       pf4bit,
       {{0, 0, clRed}, {1, 0, clBlue}, {3, 0, clBlue}, {4, 0, clBlue}}},
      {"core",
       Layout(2, 1, 1, 0, {0, 0x0000FF}, {0x80, 0, 0, 0}, 12),
       pf1bit,
       {{0, 0, clBlue}, {1, 0, clBlack}}},
      {"bitfields",
       Layout(2, 1, 16, win::BI_BITFIELDS, {}, {0x00, 0xF8, 0x1F, 0x00}),
       pf16bit,
       {{0, 0, clRed}, {1, 0, clBlue}}}};
  for (const auto& c : cases) {
    auto b = Load<TBitmap>(BmpFile(c.Layout));
    EXPECT_EQ(b->PixelFormat(), c.Pf) << c.Name;
    ExpectPixels(b.get(), c.Pixels, c.Name);
  }
}

// Files stored one after another (an image list's pictures) are measured by their info
// header: the headers, the colour table (as long as the colours used say) or the masks, and
// the rows; the file header's size field only for run-length coded pixels without an image
// size, and only where it reaches past the headers.
TEST(BitmapFiles, ALengthComesFromTheInfoHeader) {
  auto patched = [](std::string f, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) f.at(at + size_t(i)) = char((v >> (8 * i)) & 0xFF);
    return f;
  };
  const size_t kSize = 2, kOffBits = 10, kSizeImage = 34;
  const std::string rgb = BmpFile(Layout(2, 2, 24, 0, {}, std::vector<uint8_t>(16, 7)));
  const std::string indexed =
      BmpFile(Layout(2, 2, 8, 0, {0, 0xFF, 0xFF00, 0xFF0000}, std::vector<uint8_t>(8, 1)));
  BmpLayout whole = Layout(2, 2, 8, 0, std::vector<uint32_t>(256, 0x10), std::vector<uint8_t>(8));
  whole.ClrUsed = 0;
  const std::string fields =
      BmpFile(Layout(2, 2, 16, win::BI_BITFIELDS, {}, std::vector<uint8_t>(8)));
  const std::string core = BmpFile(Layout(2, 2, 1, 0, {0, 0xFFFFFF}, std::vector<uint8_t>(8), 12));
  const std::string rle = BmpFile(Layout(4, 1, 8, win::BI_RLE8, {0, 0xFF}, {4, 1, 0, 1}));
  std::string gap = patched(rgb, kOffBits, 54 + 6);
  gap.insert(54, 6, '\0');
  const struct {
    const char* Name;
    std::string File;
    size_t Want;  // 0: refused
  } cases[] = {
      {"size_field_of_the_headers", patched(rgb, kSize, 54), 54 + 16},
      {"size_field_zero", patched(rgb, kSize, 0), 54 + 16},
      {"size_field_past_the_end", patched(rgb, kSize, 0xFFFFFF), 54 + 16},
      {"colours_used", patched(indexed, kSize, 54), 54 + 4 * 4 + 8},
      {"whole_table", patched(BmpFile(whole), kSize, 54), 54 + 256 * 4 + 8},
      {"bit_fields", patched(fields, kSize, 54), 54 + 12 + 8},
      {"core_header", core, 14 + 12 + 2 * 3 + 8},
      {"pixels_after_a_gap", gap, 54 + 6 + 16},
      {"run_length_image_size", patched(rle, kSize, 0), 54 + 2 * 4 + 4},
      {"run_length_size_field", patched(rle, kSizeImage, 0), 54 + 2 * 4 + 4},
      {"run_length_without_sizes", patched(patched(rle, kSizeImage, 0), kSize, 54 + 8), 0},
      {"pixels_inside_the_headers", patched(rgb, kOffBits, 30), 0},
      {"rows_past_the_end", rgb.substr(0, rgb.size() - 1), 0},
      {"table_past_the_end", patched(indexed, 46, 200), 0},
      {"bad_header_size", patched(rgb, 14, 0), 0},
      {"zero_width", patched(rgb, 18, 0), 0},
      {"not_a_bitmap", "XX" + rgb.substr(2), 0},
      {"file_header_only", rgb.substr(0, 14), 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    // What follows an accepted file is the next one; a refused one ends where the data ends.
    const std::string data = c.Want == 0 ? c.File : c.File + "next file";
    const auto* bytes = reinterpret_cast<const uint8_t*>(data.data());
    if (c.Want == 0) {
      EXPECT_NE(testsupport::ErrorOf<EInvalidGraphic>([&] { BmpFileLength(bytes, data.size()); }),
                "<no error>");
    } else {
      EXPECT_EQ(BmpFileLength(bytes, data.size()), c.Want);
    }
  }
}

TEST(BitmapFiles, FilesAndResources) {
  testsupport::TempDir dir;
  std::unique_ptr<TBitmap> b(NewBitmap(3, 3, pf24bit, clTeal));
  b->SaveToFile(dir.File("teal.bmp"));
  TBitmap c, r, r2;
  c.LoadFromFile(dir.File("teal.bmp"));
  EXPECT_THROW(r.LoadFromFile(dir.File("missing.bmp")), EFOpenError);
  // Resources hold packed DIBs (a file header is accepted too).
  const std::string file = Save(b.get()), dib = file.substr(14);
  RegisterResource(HInstance, RT_BITMAP, "TEALDIB", dib.data(), dib.size());
  RegisterResource(HInstance, RT_BITMAP, ResourceId(77), file.data(), file.size());
  r.LoadFromResourceName(HInstance, "tealdib");
  r2.LoadFromResourceID(HInstance, 77);
  EXPECT_EQ(std::vector<TColor>({At(&c, 2, 2), At(&r, 1, 1), At(&r2, 0, 0)}),
            std::vector<TColor>(3, clTeal));
  EXPECT_THROW(r2.LoadFromResourceName(HInstance, "NOSUCHBITMAP"), EResNotFound);
  UnregisterResource(HInstance, RT_BITMAP, "TEALDIB");
  UnregisterResource(HInstance, RT_BITMAP, ResourceId(77));
}
