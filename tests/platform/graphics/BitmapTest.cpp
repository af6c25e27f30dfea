// TBitmap: pixel formats and their conversions, scan lines, transparency, handles, and the
// BMP format at every bit depth.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "BmpBuilder.h"
#include "GraphicsTestUtil.h"
#include "platform/classes/Resources.h"
#include "platform/classes/Streams.h"
#include "tests/support/TempDir.h"
#include "platform/gdi/Gdi.h"

using namespace vcl;
using gfxtest::At;
using gfxtest::BmpFile;
using gfxtest::BmpSpec;
using gfxtest::CountColor;
using gfxtest::NewBitmap;

namespace {

// Colours every format holds exactly.
std::vector<TColor> ColoursFor(TPixelFormat pf) {
  switch (pf) {
    case pf1bit: return {clBlack, clWhite};
    case pf4bit: return {clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clSilver,
                         clGray, clRed, clLime, clYellow, clBlue, clFuchsia, clAqua, clWhite};
    case pf8bit: return {clBlack, clWhite, clRed, clLime, clBlue, win::RGB(51, 102, 153),
                         win::RGB(204, 0, 255)};
    case pf15bit:
    case pf16bit: return {clBlack, clWhite, clRed, clLime, clBlue, clYellow, clAqua};
    default: return {clBlack, clWhite, win::RGB(1, 2, 3), win::RGB(250, 128, 7), clBtnFace & 0,
                     win::RGB(17, 200, 99)};
  }
}

void Paint(TBitmap* b, const std::vector<TColor>& colours) {
  for (int y = 0; y < b->Height(); ++y)
    for (int x = 0; x < b->Width(); ++x)
      b->Canvas()->SetPixels(x, y, colours[size_t(x + 2 * y) % colours.size()]);
}

void ExpectPainted(TBitmap* b, const std::vector<TColor>& colours, const char* what) {
  for (int y = 0; y < b->Height(); ++y)
    for (int x = 0; x < b->Width(); ++x)
      ASSERT_EQ(At(b, x, y), colours[size_t(x + 2 * y) % colours.size()])
          << what << " at " << x << "," << y << gfxtest::Snapshot(b, what);
}

std::unique_ptr<TBitmap> Load(const std::string& bytes) {
  auto b = std::make_unique<TBitmap>();
  TStringStream s(bytes);
  b->LoadFromStream(&s);
  return b;
}

std::string Save(TBitmap* b) {
  TStringStream s;
  b->SaveToStream(&s);
  return s.DataString();
}

const uint8_t* Row(TBitmap* b, int y) { return static_cast<const uint8_t*>(b->ScanLine(y)); }

}  // namespace

TEST(Bitmap, NewBitmapsAreEmptyDeviceBitmaps) {
  TBitmap b;
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.PixelFormat(), pfDevice);
  EXPECT_EQ(b.HandleType(), bmDDB);
  EXPECT_EQ(Save(&b), "");
  b.SetSize(5, 3);
  EXPECT_FALSE(b.Empty());
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
  ASSERT_GT(bytes.size(), 54u);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  auto back = Load(bytes);
  EXPECT_EQ(back->Width(), 13);
  EXPECT_EQ(back->Height(), 7);
  EXPECT_EQ(back->PixelFormat(), pf == pfDevice ? pf32bit : pf);
  ExpectPainted(back.get(), colours, "loaded");
  // Saving again gives the same file.
  EXPECT_EQ(Save(back.get()), bytes);
}

INSTANTIATE_TEST_SUITE_P(EveryDepth, BitmapRoundTrip,
                         ::testing::Values(pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit,
                                           pf32bit, pfDevice));

TEST(Bitmap, FileHeadersOfTheFormats) {
  struct Case {
    TPixelFormat Pf;
    int Bits;
    uint32_t Compression;
    size_t Table;
  };
  for (const Case& c : {Case{pf1bit, 1, 0, 2}, Case{pf4bit, 4, 0, 16}, Case{pf8bit, 8, 0, 256},
                        Case{pf15bit, 16, 0, 0}, Case{pf16bit, 16, 3, 0}, Case{pf24bit, 24, 0, 0},
                        Case{pf32bit, 32, 0, 0}}) {
    std::unique_ptr<TBitmap> b(NewBitmap(3, 2, c.Pf));
    const std::string f = Save(b.get());
    auto u32 = [&](size_t at) {
      uint32_t v;
      std::memcpy(&v, f.data() + at, 4);
      return v;
    };
    const size_t extra = c.Table * 4 + (c.Compression == 3 ? 12 : 0);
    const size_t rowBytes = ((3 * size_t(c.Bits) + 31) / 32) * 4;
    EXPECT_EQ(u32(2), f.size()) << c.Bits;
    EXPECT_EQ(u32(10), 54 + extra) << c.Bits;
    EXPECT_EQ(u32(14), 40u);
    EXPECT_EQ(u32(18), 3u);
    EXPECT_EQ(u32(22), 2u);  // bottom-up
    EXPECT_EQ(uint8_t(f[28]), c.Bits);
    EXPECT_EQ(u32(30), c.Compression) << c.Bits;
    EXPECT_EQ(f.size(), 54 + extra + 2 * rowBytes) << c.Bits;
    if (c.Compression == 3) {
      EXPECT_EQ(u32(54), 0xF800u);
      EXPECT_EQ(u32(58), 0x07E0u);
      EXPECT_EQ(u32(62), 0x001Fu);
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
  EXPECT_EQ(At(b.get(), 0, 0), clBlack);   // red is dark
  EXPECT_EQ(At(b.get(), 2, 0), clWhite);
  EXPECT_THROW(b->SetPixelFormat(pfCustom), EInvalidGraphic);
}

TEST(Bitmap, ScanLinesAreTopDownInTheFormatsLayout) {
  std::unique_ptr<TBitmap> b(NewBitmap(4, 3, pf24bit));
  b->Canvas()->SetPixels(0, 0, win::RGB(1, 2, 3));
  b->Canvas()->SetPixels(3, 2, win::RGB(10, 20, 30));
  EXPECT_EQ(Row(b.get(), 0)[0], 3);
  EXPECT_EQ(Row(b.get(), 0)[1], 2);
  EXPECT_EQ(Row(b.get(), 0)[2], 1);
  EXPECT_EQ(Row(b.get(), 2)[9], 30);
  EXPECT_EQ(Row(b.get(), 2)[11], 10);
  // Writing a scan line shows in the next drawing call.
  auto* row1 = static_cast<uint8_t*>(b->ScanLine(1));
  row1[3] = 0xFF;  // pixel 1: blue
  row1[4] = 0;
  row1[5] = 0;
  EXPECT_EQ(At(b.get(), 1, 1), clBlue);
  EXPECT_THROW(b->ScanLine(3), EInvalidGraphicOperation);
  EXPECT_THROW(b->ScanLine(-1), EInvalidGraphicOperation);

  std::unique_ptr<TBitmap> b32(NewBitmap(2, 2, pf32bit));
  b32->Canvas()->SetPixels(1, 0, win::RGB(7, 8, 9));
  EXPECT_EQ(Row(b32.get(), 0)[4], 9);
  EXPECT_EQ(Row(b32.get(), 0)[6], 7);

  std::unique_ptr<TBitmap> b16(NewBitmap(2, 1, pf16bit, clBlack));
  b16->Canvas()->SetPixels(1, 0, clRed);
  EXPECT_EQ(Row(b16.get(), 0)[2] | (Row(b16.get(), 0)[3] << 8), 0xF800);
  std::unique_ptr<TBitmap> b15(NewBitmap(2, 1, pf15bit, clBlack));
  b15->Canvas()->SetPixels(0, 0, clLime);
  EXPECT_EQ(Row(b15.get(), 0)[0] | (Row(b15.get(), 0)[1] << 8), 0x03E0);

  std::unique_ptr<TBitmap> b1(NewBitmap(10, 2, pf1bit, clBlack));
  b1->Canvas()->SetPixels(0, 1, clWhite);
  b1->Canvas()->SetPixels(9, 1, clWhite);
  EXPECT_EQ(Row(b1.get(), 1)[0], 0x80);
  EXPECT_EQ(Row(b1.get(), 1)[1], 0x40);
  EXPECT_EQ(Row(b1.get(), 0)[0], 0x00);

  std::unique_ptr<TBitmap> b8(NewBitmap(3, 1, pf8bit, clBlack));
  b8->Canvas()->SetPixels(1, 0, clWhite);
  const uint8_t black = Row(b8.get(), 0)[0], white = Row(b8.get(), 0)[1];
  EXPECT_NE(black, white);

  // A device bitmap becomes a 32-bit DIB for its scan lines.
  std::unique_ptr<TBitmap> dev(NewBitmap(2, 2, pfDevice, clRed));
  EXPECT_EQ(Row(dev.get(), 1)[2], 0xFF);
  EXPECT_EQ(dev->HandleType(), bmDIB);
  EXPECT_EQ(dev->PixelFormat(), pf32bit);
}

TEST(Bitmap, TransparentColourIsTheBottomLeftPixelUnlessFixed) {
  std::unique_ptr<TBitmap> b(NewBitmap(4, 4, pf24bit, clAqua));
  b->Canvas()->SetPixels(0, 3, clMaroon);
  EXPECT_EQ(b->TransparentMode(), tmAuto);
  EXPECT_EQ(b->TransparentColor(), clMaroon | TransparentColorFlag);
  b->SetTransparentColor(clBtnFace);
  EXPECT_EQ(b->TransparentMode(), tmFixed);
  EXPECT_EQ(b->TransparentColor(), ColorToRGB(clBtnFace) | TransparentColorFlag);
  b->SetTransparentMode(tmAuto);
  EXPECT_EQ(b->TransparentColor(), clMaroon | TransparentColorFlag);
  b->SetTransparentMode(tmFixed);
  b->Canvas()->SetPixels(0, 3, clRed);
  EXPECT_EQ(b->TransparentColor(), clMaroon | TransparentColorFlag);
  // A monochrome picture's automatic key is white.
  std::unique_ptr<TBitmap> m(NewBitmap(2, 2, pf1bit, clBlack));
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
  EXPECT_EQ(At(&mask, 1, 0), clWhite);
  EXPECT_EQ(At(&mask, 2, 1), clWhite);
  EXPECT_EQ(At(&mask, 0, 0), clBlack);
  EXPECT_EQ(CountColor(&mask, clWhite, Rect(0, 0, 3, 2)), 2);
  b->Mask(clGreen);
  EXPECT_TRUE(b->Monochrome());
  EXPECT_EQ(b->PixelFormat(), pf1bit);
  EXPECT_EQ(At(b.get(), 0, 0), clWhite);
  EXPECT_EQ(At(b.get(), 1, 0), clBlack);
}

TEST(Bitmap, DormantAndReleasedBitmapsKeepTheirPixels) {
  std::unique_ptr<TBitmap> b(NewBitmap(5, 4, pf24bit));
  const std::vector<TColor> c = {clRed, clNavy, clYellow};
  Paint(b.get(), c);
  b->Dormant();
  EXPECT_FALSE(b->HandleAllocated());
  EXPECT_EQ(b->Width(), 5);
  ExpectPainted(b.get(), c, "dormant");
  EXPECT_TRUE(b->HandleAllocated());

  win::HBITMAP h = b->ReleaseHandle();
  ASSERT_NE(h, nullptr);
  {
    TBitmap other;
    other.SetHandle(h);  // takes it over
    ExpectPainted(&other, c, "released handle");
  }
  ExpectPainted(b.get(), c, "after release");
  b->FreeImage();
  ExpectPainted(b.get(), c, "after FreeImage");
}

TEST(Bitmap, ResizingKeepsTheTopLeftAndFillsWithTheBrushColour) {
  std::unique_ptr<TBitmap> b(NewBitmap(4, 4, pf24bit, clRed));
  b->Canvas()->Brush()->SetColor(clBlue);
  b->SetSize(6, 2);
  EXPECT_EQ(b->PixelFormat(), pf24bit);
  EXPECT_EQ(CountColor(b.get(), clRed, Rect(0, 0, 4, 2)), 8);
  EXPECT_EQ(CountColor(b.get(), clBlue, Rect(4, 0, 6, 2)), 4);
  b->SetWidth(0);
  EXPECT_TRUE(b->Empty());
  EXPECT_EQ(b->Height(), 2);
}

TEST(Bitmap, AssignCopiesPixelsAndSettings) {
  std::unique_ptr<TBitmap> a(NewBitmap(3, 3, pf8bit, clRed));
  a->SetTransparent(true);
  a->SetTransparentColor(clRed);
  TBitmap b;
  b.Assign(a.get());
  EXPECT_EQ(b.PixelFormat(), pf8bit);
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(b.TransparentMode(), tmFixed);
  EXPECT_EQ(At(&b, 1, 1), clRed);
  a->Canvas()->SetPixels(1, 1, clBlue);
  EXPECT_EQ(At(&b, 1, 1), clRed);
  std::unique_ptr<TBitmap> dev(NewBitmap(2, 2, pfDevice, clLime));
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
  EXPECT_TRUE(b->Monochrome());
  EXPECT_EQ(b->HandleType(), bmDDB);
  EXPECT_EQ(At(b.get(), 0, 0), clBlack);
  EXPECT_EQ(At(b.get(), 1, 0), clWhite);
  b->SetHandleType(bmDIB);
  EXPECT_EQ(b->PixelFormat(), pf1bit);
  EXPECT_EQ(At(b.get(), 0, 0), clBlack);
  b->SetMonochrome(false);
  EXPECT_FALSE(b->Monochrome());
  EXPECT_EQ(b->PixelFormat(), pfDevice);
}

TEST(Bitmap, PaletteOfIndexedFormats) {
  std::unique_ptr<TBitmap> b(NewBitmap(2, 2, pf4bit, clBlack));
  win::HPALETTE pal = b->Palette();
  ASSERT_NE(pal, nullptr);
  win::PALETTEENTRY e[16];
  ASSERT_EQ(win::GetPaletteEntries(pal, 0, 16, e), 16u);
  EXPECT_EQ(e[9].peRed, 255);  // red in the system order
  EXPECT_EQ(e[9].peGreen, 0);
  std::unique_ptr<TBitmap> t(NewBitmap(2, 2, pf24bit));
  EXPECT_EQ(t->Palette(), nullptr);
}

TEST(BitmapFiles, TopDownRowsLoadInPictureOrder) {
  BmpSpec s;
  s.Width = 2;
  s.Height = -2;
  s.Bits = {0, 0, 255, 255, 0, 0, 0, 0,   // top: red, blue
            0, 255, 0, 255, 255, 255, 0, 0};  // bottom: lime, white
  auto b = Load(BmpFile(s));
  EXPECT_EQ(At(b.get(), 0, 0), clRed);
  EXPECT_EQ(At(b.get(), 1, 0), clBlue);
  EXPECT_EQ(At(b.get(), 0, 1), clLime);
  EXPECT_EQ(At(b.get(), 1, 1), clWhite);
  EXPECT_EQ(b->PixelFormat(), pf24bit);
}

TEST(BitmapFiles, RunLengthEncodedImagesAreExpanded) {
  BmpSpec s;
  s.Width = 4;
  s.Height = 2;
  s.BitCount = 8;
  s.Compression = win::BI_RLE8;
  s.Table = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  s.ClrUsed = 4;
  s.Bits = {4, 1, 0, 0,               // bottom row: four reds
            0, 4, 0, 1, 2, 3, 0, 0,   // top row, absolute
            0, 1};
  auto b = Load(BmpFile(s));
  EXPECT_EQ(b->PixelFormat(), pf8bit);
  EXPECT_EQ(At(b.get(), 0, 0), clBlack);
  EXPECT_EQ(At(b.get(), 1, 0), clRed);
  EXPECT_EQ(At(b.get(), 2, 0), clLime);
  EXPECT_EQ(At(b.get(), 3, 0), clBlue);
  EXPECT_EQ(CountColor(b.get(), clRed, Rect(0, 1, 4, 2)), 4);

  BmpSpec f;
  f.Width = 5;
  f.Height = 1;
  f.BitCount = 4;
  f.Compression = win::BI_RLE4;
  f.Table = {0x000000, 0xFF0000, 0x0000FF};
  f.ClrUsed = 3;
  f.Bits = {4, 0x12, 0, 3, 0x20, 0x00, 0, 1};  // 1 2 1 2, then an absolute 2
  auto b4 = Load(BmpFile(f));
  EXPECT_EQ(b4->PixelFormat(), pf4bit);
  EXPECT_EQ(At(b4.get(), 0, 0), clRed);
  EXPECT_EQ(At(b4.get(), 1, 0), clBlue);
  EXPECT_EQ(At(b4.get(), 3, 0), clBlue);
  EXPECT_EQ(At(b4.get(), 4, 0), clBlue);
}

TEST(BitmapFiles, CoreHeadersAndBitFields) {
  BmpSpec s;
  s.HeaderSize = 12;
  s.Width = 2;
  s.Height = 1;
  s.BitCount = 8;
  s.Table.assign(256, 0);
  s.Table[1] = 0x0000FF;
  s.Bits = {1, 0, 0, 0};
  auto b = Load(BmpFile(s));
  EXPECT_EQ(At(b.get(), 0, 0), clBlue);
  EXPECT_EQ(At(b.get(), 1, 0), clBlack);

  BmpSpec f;
  f.Width = 2;
  f.Height = 1;
  f.BitCount = 16;
  f.Compression = win::BI_BITFIELDS;
  f.Masks = {0xF800, 0x07E0, 0x001F};
  f.Bits = {0x00, 0xF8, 0x1F, 0x00};
  auto b16 = Load(BmpFile(f));
  EXPECT_EQ(b16->PixelFormat(), pf16bit);
  EXPECT_EQ(At(b16.get(), 0, 0), clRed);
  EXPECT_EQ(At(b16.get(), 1, 0), clBlue);
}

TEST(BitmapFiles, FilesAndResources) {
  testsupport::TempDir dir;
  std::unique_ptr<TBitmap> b(NewBitmap(3, 3, pf24bit, clTeal));
  const std::string path = dir.File("teal.bmp");
  b->SaveToFile(path);
  TBitmap c;
  c.LoadFromFile(path);
  EXPECT_EQ(At(&c, 2, 2), clTeal);
  EXPECT_THROW(c.LoadFromFile(dir.File("missing.bmp")), EFOpenError);

  // Resources hold packed DIBs (a file header is accepted too).
  const std::string file = Save(b.get());
  const std::string dib = file.substr(14);
  RegisterResource(HInstance, RT_BITMAP, "TEALDIB", dib.data(), dib.size());
  RegisterResource(HInstance, RT_BITMAP, ResourceId(77), file.data(), file.size());
  TBitmap r;
  r.LoadFromResourceName(HInstance, "tealdib");
  EXPECT_EQ(At(&r, 1, 1), clTeal);
  TBitmap r2;
  r2.LoadFromResourceID(HInstance, 77);
  EXPECT_EQ(At(&r2, 0, 0), clTeal);
  EXPECT_THROW(r2.LoadFromResourceName(HInstance, "NOSUCHBITMAP"), EResNotFound);
  UnregisterResource(HInstance, RT_BITMAP, "TEALDIB");
  UnregisterResource(HInstance, RT_BITMAP, ResourceId(77));
}

TEST(Bitmap, DrawingOnIndexedFormatsReadsBackInTheirColours) {
  std::unique_ptr<TBitmap> b8(NewBitmap(4, 4, pf8bit, clWhite));
  b8->Canvas()->SetPixels(1, 1, win::RGB(1, 2, 3));
  EXPECT_EQ(At(b8.get(), 1, 1), clBlack);
  b8->Canvas()->Brush()->SetColor(win::RGB(250, 5, 5));
  b8->Canvas()->FillRect(Rect(2, 2, 4, 4));
  EXPECT_EQ(At(b8.get(), 3, 3), clRed);
  std::unique_ptr<TBitmap> b1(NewBitmap(4, 4, pf1bit, clBlack));
  b1->Canvas()->SetPixels(0, 0, win::RGB(230, 230, 230));
  EXPECT_EQ(At(b1.get(), 0, 0), clWhite);
  std::unique_ptr<TBitmap> b15(NewBitmap(2, 2, pf15bit, clBlack));
  b15->Canvas()->SetPixels(0, 0, win::RGB(255, 255, 255));
  EXPECT_EQ(At(b15.get(), 0, 0), clWhite);
}
