// TIcon and TPicture: icon files with several images, drawing through the mask, pictures
// chosen by file extension, and the "Data" property of form streams.
#include <gtest/gtest.h>

#include <memory>

#include "BmpBuilder.h"
#include "GraphicsTestUtil.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "tests/support/TempDir.h"

using namespace vcl;
using gfxtest::At;
using gfxtest::CountColor;
using gfxtest::NewBitmap;
using gfxtest::TGfxHolder;

namespace {

// An icon file with a 16 x 16 image (4 bits, all opaque blue) and a 32 x 32 one (32 bits:
// the lower half opaque red, the upper half transparent).
std::string TwoImageIcon() {
  gfxtest::BmpSpec small;
  small.Width = 16;
  small.Height = 32;
  small.BitCount = 4;
  small.Table.assign(16, 0);
  small.Table[1] = 0x0000FF;
  small.Bits.assign(8 * 16, 0x11);
  small.Bits.insert(small.Bits.end(), 4 * 16, 0x00);
  gfxtest::BmpSpec big;
  big.Width = 32;
  big.Height = 64;
  big.BitCount = 32;
  for (int y = 0; y < 32; ++y)  // bottom-up: the first 16 rows are the lower half
    for (int x = 0; x < 32; ++x) {
      const bool lower = y < 16;
      big.Bits.insert(big.Bits.end(), {0, 0, uint8_t(lower ? 0xFF : 0), 0});
    }
  for (int y = 0; y < 32; ++y) {
    const uint8_t m = y < 16 ? 0x00 : 0xFF;
    big.Bits.insert(big.Bits.end(), {m, m, m, m});
  }
  const std::string a = gfxtest::PackedDib(small), b = gfxtest::PackedDib(big);
  std::string f;
  gfxtest::Put(f, 0, 2);
  gfxtest::Put(f, 1, 2);
  gfxtest::Put(f, 2, 2);
  auto entry = [&](int size, int bits, const std::string& img, size_t offset) {
    f += char(size);
    f += char(size);
    f += std::string(2, '\0');
    gfxtest::Put(f, 1, 2);
    gfxtest::Put(f, uint32_t(bits), 2);
    gfxtest::Put(f, uint32_t(img.size()), 4);
    gfxtest::Put(f, uint32_t(offset), 4);
  };
  entry(16, 4, a, 6 + 32);
  entry(32, 32, b, 6 + 32 + a.size());
  return f + a + b;
}

std::unique_ptr<TIcon> LoadIcon(const std::string& bytes) {
  auto icon = std::make_unique<TIcon>();
  TStringStream s(bytes);
  icon->LoadFromStream(&s);
  return icon;
}

std::string Save(TGraphic* g) {
  TStringStream s;
  g->SaveToStream(&s);
  return s.DataString();
}

void ExpectIconPicture(TGraphic* icon) {
  std::unique_ptr<TBitmap> dst(NewBitmap(40, 40, pf32bit, clYellow));
  dst->Canvas()->Draw(4, 4, icon);
  EXPECT_EQ(CountColor(dst.get(), clRed, Rect(4, 20, 36, 36)), 32 * 16) << gfxtest::Snapshot(dst.get(), "icon");
  EXPECT_EQ(CountColor(dst.get(), clYellow, Rect(4, 4, 36, 20)), 32 * 16);
  EXPECT_EQ(CountColor(dst.get(), clRed, Rect(0, 0, 40, 40)), 32 * 16);
}

class TCounter : public TObject {
 public:
  void Hit(TObject*) { ++Count; }
  int Count = 0;
};

}  // namespace

TEST(Icon, LoadsTheStandardSizeImageAndDrawsThroughItsMask) {
  const std::string file = TwoImageIcon();
  auto icon = LoadIcon(file);
  EXPECT_FALSE(icon->Empty());
  EXPECT_EQ(icon->ImageCount(), 2);
  EXPECT_EQ(icon->Width(), 32);
  EXPECT_EQ(icon->Height(), 32);
  EXPECT_TRUE(icon->Transparent());
  EXPECT_NE(icon->Handle(), nullptr);
  ExpectIconPicture(icon.get());
  // Saved unchanged.
  EXPECT_EQ(Save(icon.get()), file);
  EXPECT_THROW(icon->SetWidth(16), EInvalidGraphicOperation);
  EXPECT_THROW(icon->SetHeight(16), EInvalidGraphicOperation);
}

TEST(Icon, HandlesCanBeHandedOverAndSaved) {
  auto icon = LoadIcon(TwoImageIcon());
  TIcon other;
  other.SetHandle(icon->ReleaseHandle());
  EXPECT_EQ(other.Width(), 32);
  ExpectIconPicture(&other);
  // Saved from the handle as one 32-bit image, which loads back the same.
  const std::string saved = Save(&other);
  auto back = LoadIcon(saved);
  EXPECT_EQ(back->ImageCount(), 1);
  EXPECT_EQ(back->Width(), 32);
  ExpectIconPicture(back.get());
  TIcon copy;
  copy.Assign(back.get());
  EXPECT_EQ(Save(&copy), saved);
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
}

TEST(Picture, LoadsByExtensionAndReportsChanges) {
  testsupport::TempDir dir;
  std::unique_ptr<TBitmap> b(NewBitmap(6, 4, pf24bit, clOlive));
  b->SaveToFile(dir.File("a.BMP"));
  {
    TStringStream s(TwoImageIcon());
    TFileStream f(dir.File("b.ico"), fmCreate);
    f.CopyFrom(&s, 0);
  }
  TPicture p;
  TCounter changes;
  p.OnChange = TNotifyEvent(&changes, &TCounter::Hit);
  p.LoadFromFile(dir.File("a.BMP"));
  ASSERT_NE(dynamic_cast<TBitmap*>(p.Graphic()), nullptr);
  EXPECT_EQ(p.Width(), 6);
  EXPECT_EQ(p.Height(), 4);
  EXPECT_EQ(changes.Count, 1);
  p.Bitmap()->Canvas()->SetPixels(0, 0, clRed);
  EXPECT_EQ(changes.Count, 2);
  p.LoadFromFile(dir.File("b.ico"));
  ASSERT_NE(dynamic_cast<TIcon*>(p.Graphic()), nullptr);
  EXPECT_EQ(p.Width(), 32);
  EXPECT_THROW(p.LoadFromFile(dir.File("c.gif")), EInvalidGraphic);
  EXPECT_NE(dynamic_cast<TIcon*>(p.Graphic()), nullptr);  // unchanged
  // Asking for a bitmap replaces the icon with an empty bitmap.
  EXPECT_TRUE(p.Bitmap()->Empty());
  p.SaveToFile(dir.File("d.bmp"));
}

TEST(Picture, AssignCopiesTheGraphic) {
  TPicture a, b;
  a.Bitmap()->SetSize(3, 3);
  a.Bitmap()->Canvas()->SetPixels(1, 1, clBlue);
  b.Assign(&a);
  ASSERT_NE(b.Graphic(), a.Graphic());
  EXPECT_EQ(At(b.Bitmap(), 1, 1), clBlue);
  a.Bitmap()->Canvas()->SetPixels(1, 1, clRed);
  EXPECT_EQ(At(b.Bitmap(), 1, 1), clBlue);
  std::unique_ptr<TBitmap> g(NewBitmap(2, 2, pf24bit, clGreen));
  b.Assign(g.get());
  EXPECT_EQ(At(b.Bitmap(), 0, 0), clGreen);
  b.Assign(nullptr);
  EXPECT_EQ(b.Graphic(), nullptr);
  EXPECT_EQ(b.Width(), 0);
}

TEST(Picture, FileFormatsAndFilters) {
  EXPECT_EQ(GraphicExtension(TBitmap::StaticClass()), "bmp");
  EXPECT_EQ(GraphicExtension(TIcon::StaticClass()), "ico");
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
  text = ObjectBinaryToTextString(bytes);
  // Glyph.Data: a 32-bit length, then the BMP file.
  const std::string glyphFile = [&] {
    TStringStream s;
    glyph->SaveToStream(&s);
    return s.DataString();
  }();
  ASSERT_NE(text.find("Glyph.Data = {"), std::string::npos) << text;
  std::string compact;
  for (char c : text)
    if (c != ' ' && c != '\n' && c != '\r') compact += c;
  char len[16];
  std::snprintf(len, sizeof len, "%02X%02X0000424D", unsigned(glyphFile.size() & 0xFF),
                unsigned(glyphFile.size() >> 8));
  EXPECT_NE(compact.find(std::string("Glyph.Data={") + len), std::string::npos) << text;
  // Picture.Data: the class name as a short string first.
  EXPECT_NE(compact.find("Picture.Data={07544269746D6170"), std::string::npos) << text;

  TGfxHolder back(nullptr);
  ReadComponentFromBytes(bytes, &back);
  EXPECT_EQ(back.Glyph()->Width(), 3);
  EXPECT_EQ(At(back.Glyph(), 2, 1), clRed);
  auto* pic = dynamic_cast<TBitmap*>(back.Picture()->Graphic());
  ASSERT_NE(pic, nullptr);
  EXPECT_EQ(At(pic, 0, 0), clRed);

  // An icon in a picture.
  TStringStream iconFile(TwoImageIcon());
  TIcon icon;
  icon.LoadFromStream(&iconFile);
  h.Picture()->Assign(&icon);
  TGfxHolder back2(nullptr);
  ReadComponentFromBytes(WriteComponentToBytes(&h), &back2);
  auto* i2 = dynamic_cast<TIcon*>(back2.Picture()->Graphic());
  ASSERT_NE(i2, nullptr);
  EXPECT_EQ(i2->ImageCount(), 2);
  EXPECT_EQ(Save(i2), TwoImageIcon());
}

TEST(GraphicsStreams, CorruptPictureDataRaisesReadErrors) {
  RegisterClass(TGfxHolder::StaticClass());
  const std::string bad =
      "object Holder: TGfxHolder\n"
      "  Picture.Data = {07544269746D617004000000424D0000}\n"
      "end\n";
  TGfxHolder h(nullptr);
  EXPECT_THROW(ReadComponentFromBytes(ObjectTextToBinaryString(bad), &h), EReadError);
  const std::string unknown =
      "object Holder: TGfxHolder\n"
      "  Picture.Data = {0454474946}\n"
      "end\n";
  EXPECT_THROW(ReadComponentFromBytes(ObjectTextToBinaryString(unknown), &h), EReadError);
}

TEST(Icon, SharedSystemIconHandlesAreAccepted) {
  // The window system hands out shared icons the raster engine does not hold.
  const auto shared = reinterpret_cast<win::HICON>(uintptr_t(0x00020000u | 32512u));
  TIcon icon;
  icon.SetHandle(shared);
  EXPECT_FALSE(icon.Empty());
  EXPECT_EQ(icon.Width(), 32);
  EXPECT_EQ(icon.Height(), 32);
  EXPECT_EQ(icon.Handle(), shared);
  std::unique_ptr<TBitmap> dst(NewBitmap(8, 8));
  dst->Canvas()->Draw(0, 0, &icon);  // nothing to draw, and no failure
  EXPECT_EQ(icon.ReleaseHandle(), shared);
}
