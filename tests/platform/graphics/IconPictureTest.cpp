// TIcon and TPicture: icon files with several images, drawing through the mask, pictures
// chosen by file extension, and the "Data" property of form streams.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "BmpBuilder.h"
#include "GraphicsTestUtil.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "tests/support/TempDir.h"

using namespace vcl;
using namespace gfxtest;

namespace {

// A 16 x 16 image (4 bits, all opaque blue) and a 32 x 32 one (32 bits: the lower half
// opaque red, the upper half transparent).
std::string TwoImageIcon() {
  std::vector<uint8_t> rows;
  for (int y = 0; y < 32; ++y)  // bottom-up: the first 16 rows are the lower half
    for (int x = 0; x < 32; ++x) rows.insert(rows.end(), {0, 0, uint8_t(y < 16 ? 0xFF : 0), 0});
  for (int y = 0; y < 32; ++y) rows.insert(rows.end(), 4, y < 16 ? 0x00 : 0xFF);
  return IconFile({IconImage(16, 4, 0x11), IconImage(32, 32, 0, rows)});
}

void ExpectIconPicture(TGraphic* icon) {
  std::unique_ptr<TBitmap> dst(NewBitmap(40, 40, pf32bit, clYellow));
  dst->Canvas()->Draw(4, 4, icon);
  ExpectEveryPixel(
      dst.get(),
      [](int x, int y) { return x >= 4 && x < 36 && y >= 20 && y < 36 ? clRed : clYellow; },
      "icon");
}

}  // namespace

TEST(Icon, LoadsTheStandardSizeImageAndDrawsThroughItsMask) {
  const std::string file = TwoImageIcon();
  auto icon = Load<TIcon>(file);
  EXPECT_EQ(std::make_tuple(icon->ImageCount(), icon->Width(), icon->Height(), icon->Transparent()),
            std::make_tuple(2, 32, 32, true));
  ExpectIconPicture(icon.get());
  EXPECT_EQ(Save(icon.get()), file);  // saved unchanged
  EXPECT_THROW(icon->SetWidth(16), EInvalidGraphicOperation);
  EXPECT_THROW(icon->SetHeight(16), EInvalidGraphicOperation);
}

TEST(Icon, HandlesCanBeHandedOverAndSaved) {
  auto icon = Load<TIcon>(TwoImageIcon());
  TIcon other;
  other.SetHandle(icon->ReleaseHandle());
  EXPECT_EQ(other.Width(), 32);
  ExpectIconPicture(&other);
  // Saved from the handle as one 32-bit image, which loads back the same.
  const std::string saved = Save(&other);
  auto back = Load<TIcon>(saved);
  EXPECT_EQ(back->ImageCount(), 1);
  ExpectIconPicture(back.get());
  TIcon copy;
  copy.Assign(back.get());
  EXPECT_EQ(Save(&copy), saved);
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
}

TEST(Icon, SharedSystemIconHandlesAreAccepted) {
  // The window system hands out shared icons the raster engine does not hold.
  const auto shared = reinterpret_cast<win::HICON>(uintptr_t(0x00020000u | 32512u));
  TIcon icon;
  icon.SetHandle(shared);
  EXPECT_EQ(std::make_pair(icon.Width(), icon.Height()), std::make_pair(32, 32));
  std::unique_ptr<TBitmap> dst(NewBitmap(8, 8));
  dst->Canvas()->Draw(0, 0, &icon);  // nothing to draw, and no failure
  EXPECT_EQ(icon.ReleaseHandle(), shared);
}

TEST(Picture, LoadsByExtensionAndReportsChanges) {
  testsupport::TempDir dir;
  std::unique_ptr<TBitmap> b(NewBitmap(6, 4, pf24bit, clOlive));
  b->SaveToFile(dir.File("a.BMP"));
  Load<TIcon>(TwoImageIcon())->SaveToFile(dir.File("b.ico"));
  TPicture p;
  TCounter changes;
  p.OnChange = TNotifyEvent(&changes, &TCounter::Hit);
  p.LoadFromFile(dir.File("a.BMP"));
  ASSERT_NE(dynamic_cast<TBitmap*>(p.Graphic()), nullptr);
  EXPECT_EQ(std::make_tuple(p.Width(), p.Height(), changes.Count), std::make_tuple(6, 4, 1));
  p.Bitmap()->Canvas()->SetPixels(0, 0, clRed);
  EXPECT_EQ(changes.Count, 2);
  p.LoadFromFile(dir.File("b.ico"));
  ASSERT_NE(dynamic_cast<TIcon*>(p.Graphic()), nullptr);
  EXPECT_EQ(p.Width(), 32);
  EXPECT_THROW(p.LoadFromFile(dir.File("c.gif")), EInvalidGraphic);
  EXPECT_NE(dynamic_cast<TIcon*>(p.Graphic()), nullptr);  // unchanged
  // Asking for a bitmap replaces the icon with an empty bitmap.
  EXPECT_TRUE(p.Bitmap()->Empty());
}

TEST(Picture, AssignCopiesTheGraphic) {
  TPicture a, b;
  a.Bitmap()->SetSize(3, 3);
  a.Bitmap()->Canvas()->SetPixels(1, 1, clBlue);
  b.Assign(&a);
  ASSERT_NE(b.Graphic(), a.Graphic());
  a.Bitmap()->Canvas()->SetPixels(1, 1, clRed);
  EXPECT_EQ(At(b.Bitmap(), 1, 1), clBlue);
  std::unique_ptr<TBitmap> g(NewBitmap(2, 2, pf24bit, clGreen));
  b.Assign(g.get());
  EXPECT_EQ(At(b.Bitmap(), 0, 0), clGreen);
  b.Assign(nullptr);
  EXPECT_EQ(std::make_pair(b.Graphic(), b.Width()),
            std::make_pair(static_cast<TGraphic*>(nullptr), 0));
}

TEST(Picture, FileFormatsAndFilters) {
  EXPECT_EQ(GraphicFilter(TGraphic::StaticClass()),
            "All (*.bmp;*.ico)|*.bmp;*.ico|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico");
  EXPECT_EQ(GraphicFilter(TBitmap::StaticClass()), "All (*.bmp)|*.bmp|Bitmaps (*.bmp)|*.bmp");
  EXPECT_THROW(TPicture::RegisterFileFormat("xyz", "Fonts", TFont::StaticClass()), EInvalidGraphic);
}

TEST(GraphicsStreams, BitmapsAndPicturesTravelAsData) {
  RegisterClass(TGfxHolder::StaticClass());
  TGfxHolder h(nullptr);
  h.SetName("Holder");
  std::string text = ObjectBinaryToTextString(WriteComponentToBytes(&h));
  EXPECT_EQ(text.find("Data"), std::string::npos) << text;  // empty graphics are not written
  std::unique_ptr<TBitmap> glyph(NewBitmap(3, 2, pf24bit, clRed));
  h.SetGlyph(glyph.get());
  h.Picture()->Assign(glyph.get());
  const std::string bytes = WriteComponentToBytes(&h);
  std::string compact;
  for (char c : ObjectBinaryToTextString(bytes))
    if (c != ' ' && c != '\n' && c != '\r') compact += c;
  // Glyph.Data: a 32-bit length (two 12-byte rows: 54 + 24 = 78 bytes), then the BMP file;
  // Picture.Data: the class name as a short string first.
  EXPECT_NE(compact.find("Glyph.Data={4E000000424D"), std::string::npos) << compact;
  EXPECT_NE(compact.find("Picture.Data={07544269746D6170"), std::string::npos) << compact;
  TGfxHolder back(nullptr), back2(nullptr);
  ReadComponentFromBytes(bytes, &back);
  EXPECT_EQ(Save(back.Glyph()), Save(glyph.get()));
  auto* pic = dynamic_cast<TBitmap*>(back.Picture()->Graphic());
  ASSERT_NE(pic, nullptr);
  EXPECT_EQ(Save(pic), Save(glyph.get()));
  h.Picture()->Assign(Load<TIcon>(TwoImageIcon()).get());  // an icon in a picture
  ReadComponentFromBytes(WriteComponentToBytes(&h), &back2);
  auto* i2 = dynamic_cast<TIcon*>(back2.Picture()->Graphic());
  ASSERT_NE(i2, nullptr);
  EXPECT_EQ(Save(i2), TwoImageIcon());
}

// A form keeps a 4- or 8-bit bitmap's file as it was: the colours used, whether they name
// part of the table, all of it, or (0) all of it by default.
TEST(GraphicsStreams, IndexedBitmapsKeepTheirColoursUsedThroughAForm) {
  RegisterClass(TGfxHolder::StaticClass());
  const struct {
    int Bits;
    uint32_t Entries, ClrUsed;
  } cases[] = {{8, 256, 256}, {8, 4, 4}, {8, 256, 0}, {4, 16, 16}, {4, 3, 3}, {4, 16, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.Bits) + " bits, colours used " + std::to_string(c.ClrUsed));
    BmpLayout layout{3,        2,
                     c.Bits,   0,
                     40,       std::vector<uint32_t>(c.Entries, 0x336699),
                     {},       std::vector<uint8_t>(8, 0x11),
                     c.ClrUsed};
    const std::string file = BmpFile(layout);
    TGfxHolder h(nullptr), back(nullptr);
    h.SetName("Holder");
    h.SetGlyph(Load<TBitmap>(file).get());
    ReadComponentFromBytes(WriteComponentToBytes(&h), &back);
    EXPECT_EQ(Save(back.Glyph()), file);
  }
}

TEST(GraphicsStreams, CorruptPictureDataRaisesReadErrors) {
  RegisterClass(TGfxHolder::StaticClass());
  TGfxHolder h(nullptr);
  for (const char* data : {"07544269746D617004000000424D0000", "0454474946"}) {
    const std::string text =
        std::string("object Holder: TGfxHolder\n  Picture.Data = {") + data + "}\nend\n";
    EXPECT_THROW(ReadComponentFromBytes(ObjectTextToBinaryString(text), &h), EReadError) << data;
  }
}
