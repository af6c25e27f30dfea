// The framework's image lists: adding strips of images with masks or a mask colour, drawing in
// the drawing styles, disabled and as masks, and the binary stream a form keeps them in.
#include "ControlsTestSupport.h"
#include "ImgListStreamBuilder.h"

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/controls/ImgList.h"
#include "platform/graphics/Icon.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/PixelCheck.h"

namespace vcl::testing {
namespace {

using namespace win;
using namespace win::testkit;
using testsupport::ErrorOf;

// A picture of w x h whose pixels come from f.
template <class F>
std::unique_ptr<TBitmap> Picture(int w, int h, F f) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf24bit);
  b->SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b->Canvas()->SetPixels(x, y, f(x, y));
  return b;
}

TCapture CaptureOf(TBitmap* b) {
  return MakeCapture(b->Width(), b->Height(), [&](int x, int y) {
    return static_cast<COLORREF>(b->Canvas()->Pixels(x, y));
  });
}

COLORREF Mix(TColor a, TColor b, int percentOfB) {
  auto ch = [&](int shift) {
    const int ca = (ColorToRGB(a) >> shift) & 0xFF, cb = (ColorToRGB(b) >> shift) & 0xFF;
    return static_cast<COLORREF>((ca * (100 - percentOfB) + cb * percentOfB) / 100) << shift;
  };
  return ch(0) | ch(8) | ch(16);
}

// Three 4 x 4 images side by side: red, green and blue squares, each with a fuchsia border
// column on its left.
std::unique_ptr<TBitmap> Strip() {
  return Picture(12, 4, [](int x, int) {
    if (x % 4 == 0) return clFuchsia;
    return x < 4 ? clRed : x < 8 ? clLime : clBlue;
  });
}

class ImgListTest : public ControlsTest {
 protected:
  std::unique_ptr<TImageList> NewList(int w = 4, int h = 4) {
    auto list = std::make_unique<TImageList>(nullptr);
    list->SetWidth(w);
    list->SetHeight(h);
    return list;
  }
  // Draws image i on a white bitmap of 6 x 6 at (1, 1).
  std::unique_ptr<TBitmap> Drawn(TCustomImageList* list, int i, TDrawingStyle style,
                                 TImageType type = itImage, bool enabled = true) {
    auto b = Picture(6, 6, [](int, int) { return clWhite; });
    list->Draw(b->Canvas(), 1, 1, i, style, type, enabled);
    return b;
  }
};

TEST_F(ImgListTest, AStripBecomesImagesAndTheMaskColourTheirTransparency) {
  auto list = NewList();
  auto strip = Strip();
  EXPECT_EQ(list->AddMasked(strip.get(), clFuchsia), 0);
  EXPECT_EQ(list->Count(), 3);
  // clDefault takes the bottom-left pixel's colour: fuchsia here too.
  EXPECT_EQ(list->AddMasked(strip.get(), clDefault), 3);
  // A mask picture: white is transparent.
  auto mask = Picture(12, 4, [](int x, int y) { return x == y ? clWhite : clBlack; });
  EXPECT_EQ(list->Add(strip.get(), mask.get()), 6);
  EXPECT_EQ(list->Count(), 9);
  testsupport::ExpectCases({
      {std::to_string(list->Pixel(1, 2, 2)), std::to_string(clLime)},
      {std::to_string(list->Transparent(1, 0, 2)), "1"},
      {std::to_string(list->Transparent(1, 1, 2)), "0"},
      {std::to_string(list->Transparent(4, 0, 1)), "1"},
      {std::to_string(list->Transparent(6, 1, 1)), "1"},
      {std::to_string(list->Transparent(6, 0, 1)), "0"},
  });
  list->Move(2, 0);
  EXPECT_EQ(list->Pixel(0, 2, 2), clBlue);
  list->Delete(0);
  EXPECT_EQ(list->Pixel(0, 2, 2), clRed);
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { list->Delete(8); }), SImageIndexError);
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { list->SetWidth(0); }), SInvalidImageSize);
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] {
              list->SetWidth(4096);
              list->SetHeight(4097);
            }),
            SInvalidImageSize);
  // A new size empties the list.
  list->SetWidth(8);
  EXPECT_EQ(list->Count(), 0);
}

// How image 0 (red with a fuchsia left column, the column transparent) is drawn at (1, 1) on
// white, pixel by pixel.
struct TDrawCase {
  const char* Name;
  TDrawingStyle Style;
  TImageType Type;
  TColor Bk;
  TColor Blend;
  COLORREF Border, Inside;  // the colours of the left column and of the rest of the image
};

class ImgListDrawTest : public ImgListTest, public ::testing::WithParamInterface<TDrawCase> {};

TEST_P(ImgListDrawTest, DrawsTheImageInItsStyle) {
  const TDrawCase& c = GetParam();
  auto list = NewList();
  list->AddMasked(Strip().get(), clFuchsia);
  list->SetBkColor(c.Bk);
  list->SetBlendColor(c.Blend);
  auto b = Drawn(list.get(), 0, c.Style, c.Type);
  EXPECT_TRUE(PixelsMatch(
      CaptureOf(b.get()),
      [&](int x, int y) -> COLORREF {
        if (x < 1 || y < 1 || x > 4 || y > 4) return ColorToRGB(clWhite);
        return x == 1 ? c.Border : c.Inside;
      },
      c.Name));
}

INSTANTIATE_TEST_SUITE_P(
    Styles, ImgListDrawTest,
    ::testing::Values(
        TDrawCase{"il_normal", dsNormal, itImage, clNone, clNone, 0xFFFFFF, 0x0000FF},
        TDrawCase{"il_bk", dsNormal, itImage, clYellow, clNone, 0x00FFFF, 0x0000FF},
        TDrawCase{"il_transparent", dsTransparent, itImage, clYellow, clNone, 0xFFFFFF, 0x0000FF},
        TDrawCase{"il_selected", dsSelected, itImage, clNone, clBlue, 0xFFFFFF,
                  Mix(clRed, clBlue, 50)},
        TDrawCase{"il_focus", dsFocus, itImage, clNone, clBlack, 0xFFFFFF, Mix(clRed, clBlack, 25)},
        TDrawCase{"il_mask", dsNormal, itMask, clNone, clNone, 0xFFFFFF, 0x000000}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ImgListTest, DisabledImagesAreEmbossedAndGetBitmapDrawsOnAWhitePicture) {
  auto list = NewList();
  list->AddMasked(Strip().get(), clFuchsia);
  auto b = Drawn(list.get(), 2, dsNormal, itImage, false);
  // Blue is dark: its shape (columns 2..4 of the picture, rows 1..4) shows in the shadow colour,
  // with the highlight one pixel below and right of it.
  EXPECT_TRUE(PixelsMatch(
      CaptureOf(b.get()),
      [](int x, int y) -> COLORREF {
        if (x >= 2 && x <= 4 && y >= 1 && y <= 4) return ColorToRGB(clBtnShadow);
        if (x >= 3 && x <= 5 && y >= 2 && y <= 5) return ColorToRGB(clBtnHighlight);
        return ColorToRGB(clWhite);
      },
      "il_disabled"));
  TBitmap got;
  list->GetBitmap(1, &got);
  EXPECT_EQ(got.Width(), 4);
  EXPECT_EQ(got.Canvas()->Pixels(0, 0), clWhite);
  EXPECT_EQ(got.Canvas()->Pixels(3, 3), clLime);
  TBitmap mask;
  list->GetMask(1, &mask);
  EXPECT_EQ(mask.Canvas()->Pixels(0, 3), clWhite);
  EXPECT_EQ(mask.Canvas()->Pixels(1, 3), clBlack);
}

TEST_F(ImgListTest, ChangeLinksHearChangesOnceAfterAnUpdate) {
  auto list = NewList();
  struct TCount : TObject {
    int N = 0;
    void Hit(TObject*) { ++N; }
  } count;
  TChangeLink link;
  link.OnChange = TNotifyEvent(&count, &TCount::Hit);
  list->RegisterChanges(&link);
  list->BeginUpdate();
  list->AddMasked(Strip().get(), clFuchsia);
  list->Delete(0);
  EXPECT_EQ(count.N, 0);
  list->EndUpdate();
  EXPECT_EQ(count.N, 1);
  list->Clear();
  EXPECT_EQ(count.N, 2);
  list.reset();  // the link forgets the freed list
  EXPECT_EQ(link.Sender(), nullptr);
}

TEST_F(ImgListTest, TheStreamKeepsImagesMasksAndSettings) {
  auto list = NewList();
  list->AddMasked(Strip().get(), clFuchsia);
  list->AddMasked(Strip().get(), clFuchsia);  // six images: two rows of the stream's bitmap
  list->SetBkColor(clYellow);
  TMemoryStream data;
  list->WriteData(&data);
  const auto* bytes = static_cast<const uint8_t*>(data.Memory());
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes), 2), "IL");
  auto back = NewList(8, 8);
  data.SetPosition(0);
  back->ReadData(&data);
  EXPECT_EQ(data.Position(), data.Size());
  ASSERT_EQ(back->Count(), 6);
  EXPECT_EQ(back->Width(), 4);
  EXPECT_EQ(back->BkColor(), clYellow);
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(back->Transparent(i, 0, 3));
    EXPECT_FALSE(back->Transparent(i, 1, 3));
    EXPECT_EQ(back->Pixel(i, 2, 2), list->Pixel(i, 2, 2));
  }
}

// A stream laid out by hand (the fuzz seed): five 4 x 4 images four across in a 24-bit bitmap,
// each with a fuchsia left column that the monochrome mask marks transparent.
TEST_F(ImgListTest, AStreamLaidOutByHandIsRead) {
  TMemoryStream data;
  data.LoadFromFile(testsupport::SourceDir() + "/tests/fuzz/vcl_imagelist/seed/masked5.bin");
  auto list = NewList(16, 16);
  list->ReadData(&data);
  ASSERT_EQ(list->Count(), 5);
  EXPECT_TRUE(list->Masked());
  const TColor want[] = {clRed, clLime, clBlue, clYellow, clAqua};
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(list->Pixel(i, 2, 3), want[i]);
    EXPECT_EQ(list->Pixel(i, 0, 3), clFuchsia);
    EXPECT_TRUE(list->Transparent(i, 0, 3));
    EXPECT_FALSE(list->Transparent(i, 3, 0));
  }
}

// An empty list's stream is its header: the image size alone allocates nothing, whether the
// list is read from such a header or written (the header of 2,500 x 2,500 images, kept among
// the fuzz inputs, once cost a 10,000 x 2,500 picture of no image on the way back).
TEST_F(ImgListTest, AnEmptyListsStreamIsItsHeader) {
  TMemoryStream data;
  data.LoadFromFile(testsupport::SourceDir() +
                    "/tests/fuzz/vcl_imagelist/regress/empty-list-2500x2500.bin");
  ASSERT_EQ(data.Size(), 28);
  auto list = NewList();
  list->AddMasked(Strip().get(), clFuchsia);
  list->ReadData(&data);
  EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(list->Width(), 2500);
  EXPECT_EQ(list->Height(), 2500);
  TMemoryStream out;
  list->WriteData(&out);
  EXPECT_EQ(out.Size(), 28);
  auto back = NewList();
  out.SetPosition(0);
  back->ReadData(&out);
  EXPECT_EQ(out.Position(), out.Size());
  EXPECT_EQ(back->Count(), 0);
  EXPECT_EQ(back->Width(), 2500);
  EXPECT_EQ(back->Height(), 2500);
}

// Damaged streams: the reader refuses them and the list keeps its images.
struct TBadCase {
  const char* Name;
  int Offset;     // a byte to change (-1: none)
  uint8_t Value;  // its new value
  int Cut;        // bytes to take off the end (negative: the bytes to keep, negated)
};
class ImgListBadStreamTest : public ImgListTest, public ::testing::WithParamInterface<TBadCase> {};

TEST_P(ImgListBadStreamTest, IsRefusedAndChangesNothing) {
  const TBadCase& c = GetParam();
  auto list = NewList();
  list->AddMasked(Strip().get(), clFuchsia);
  TMemoryStream data;
  list->WriteData(&data);
  std::string bytes(static_cast<const char*>(data.Memory()), static_cast<size_t>(data.Size()));
  if (c.Offset >= 0) bytes[static_cast<size_t>(c.Offset)] = static_cast<char>(c.Value);
  bytes.resize(c.Cut < 0 ? static_cast<size_t>(-c.Cut) : bytes.size() - static_cast<size_t>(c.Cut));
  TStringStream in(bytes);
  const std::string error = ErrorOf<Exception>([&] { list->ReadData(&in); });
  EXPECT_NE(error, "<no error>");
  EXPECT_EQ(list->Count(), 3);
  EXPECT_EQ(list->Pixel(0, 2, 2), clRed);
}

INSTANTIATE_TEST_SUITE_P(
    Damage, ImgListBadStreamTest,
    ::testing::Values(TBadCase{"magic", 0, 'X', 0}, TBadCase{"version", 2, 9, 0},
                      TBadCase{"negative_count", 5, 0x80, 0},
                      TBadCase{"more_than_capacity", 4, 9, 0}, TBadCase{"zero_width", 10, 0, 0},
                      TBadCase{"huge_height", 13, 0x7F, 0}, TBadCase{"bmp_signature", 28, 'X', 0},
                      // The picture's rows (its height made 64) run past the end; the file
                      // header's own size field is not trusted (see AFileHeadersSizeFieldIs...).
                      TBadCase{"bmp_size_past_end", 28 + 14 + 8, 0x40, 0},
                      TBadCase{"mask_missing", -1, 0, 40}, TBadCase{"header_only", -1, 0, -28}),
    [](const auto& info) { return std::string(info.param.Name); });

// Image lists as the form designer writes them: 32-bit pictures, its flags, the size fields of
// the file headers holding the headers' length alone, the capacity and growth step it keeps.
uint32_t ListColour(int i, int x, int y) {
  return static_cast<uint32_t>((30 * i + 10) << 16 | (20 * x) << 8 | (30 * y + 5));
}
bool ListClear(int i, int x, int y) { return (x + y + i) % 3 == 0; }

TListLayout Designed(int cx, int cy, int count, int capacity, uint16_t flags = 0x0021) {
  TListLayout l;
  l.Cx = cx;
  l.Cy = cy;
  l.Count = count;
  l.Capacity = capacity;
  l.Flags = flags;
  l.Colour = ListColour;
  l.Clear = ListClear;
  return l;
}

std::string Bytes(TMemoryStream& m) {
  return std::string(static_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
}

// The list holds the layout's images: size, settings, every pixel's colour and transparency.
void ExpectImagesOf(TCustomImageList* list, const TListLayout& l) {
  ASSERT_EQ(list->Count(), l.Count);
  EXPECT_EQ(list->Width(), l.Cx);
  EXPECT_EQ(list->Height(), l.Cy);
  EXPECT_EQ(list->Masked(), (l.Flags & 1) != 0);
  EXPECT_EQ(list->BkColor(),
            l.BkColor == 0xFFFFFFFF
                ? clNone
                : static_cast<TColor>(
                      RGB(l.BkColor & 0xFF, (l.BkColor >> 8) & 0xFF, (l.BkColor >> 16) & 0xFF)));
  int wrong = 0;
  for (int i = 0; i < l.Count; ++i)
    for (int y = 0; y < l.Cy; ++y)
      for (int x = 0; x < l.Cx; ++x) {
        const uint32_t c = l.Colour(i, x, y);
        const TColor want = static_cast<TColor>(RGB(c >> 16, (c >> 8) & 0xFF, c & 0xFF));
        const bool clear = (l.Flags & 1) != 0 && l.Clear(i, x, y);
        if (list->Pixel(i, x, y) != want || list->Transparent(i, x, y) != clear) ++wrong;
      }
  EXPECT_EQ(wrong, 0);
}

struct TDesignedCase {
  const char* Name;
  TListLayout Layout;
};
TDesignedCase DesignedCase(const char* name, TListLayout l) { return {name, std::move(l)}; }
void PrintTo(const TDesignedCase& c, std::ostream* os) { *os << c.Name; }

class ImgListDesignedStreamTest : public ImgListTest,
                                  public ::testing::WithParamInterface<TDesignedCase> {};

TEST_P(ImgListDesignedStreamTest, IsReadAndWrittenBackByteForByte) {
  const TListLayout& l = GetParam().Layout;
  const std::string bytes = ListStream(l);
  auto list = NewList(8, 8);
  TStringStream in(bytes);
  list->ReadData(&in);
  EXPECT_EQ(in.Position(), in.Size());
  ExpectImagesOf(list.get(), l);
  TMemoryStream out;
  list->WriteData(&out);
  EXPECT_EQ(Bytes(out), bytes);
}

TListLayout WithBackground(TListLayout l, uint32_t bk) {
  l.BkColor = bk;
  return l;
}
TListLayout WithOverlays(TListLayout l, int grow) {
  l.Grow = grow;
  l.Overlays[0] = 0;
  l.Overlays[1] = 2;
  return l;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ImgListDesignedStreamTest,
    ::testing::Values(
        DesignedCase("three_of_four", Designed(4, 4, 3, 4)),
        DesignedCase("five_in_two_rows", Designed(3, 2, 5, 8)),
        DesignedCase("full_rows", Designed(2, 3, 8, 8)),
        DesignedCase("unmasked", WithBackground(Designed(4, 4, 2, 4, 0x0020), 0x00FFFFFF)),
        DesignedCase("screen_depth_and_overlays", WithOverlays(Designed(5, 5, 5, 6, 0x10FF), 8))),
    [](const auto& info) { return std::string(info.param.Name); });

// A stream of this library's older writer (24-bit picture, whole-file sizes, the capacity the
// count) still reads, and is written back as the designer writes it.
TEST_F(ImgListTest, AnOlderWritersStreamStillReads) {
  TListLayout older = Designed(4, 4, 3, 3, 0x0019);
  older.BitCount = 24;
  older.SizeIsHeaders = false;
  auto list = NewList();
  TStringStream in(ListStream(older));
  list->ReadData(&in);
  EXPECT_EQ(in.Position(), in.Size());
  ExpectImagesOf(list.get(), older);
  TMemoryStream out;
  list->WriteData(&out);
  EXPECT_EQ(Bytes(out), ListStream(Designed(4, 4, 3, 3)));
}

// What a file header's size field says does not matter: the info header measures the file.
TEST_F(ImgListTest, AFileHeadersSizeFieldIsNotTrusted) {
  const TListLayout l = Designed(4, 4, 3, 4);
  const size_t mask = 28 + 54 + 4 * 4 * 4 * 4;  // where the mask's file starts
  for (const uint32_t size : {0u, 1u, 0xFFFFFFFFu, 54u + 256u}) {
    SCOPED_TRACE(size);
    std::string bytes = ListStream(l);
    for (size_t at : {size_t{28}, mask})
      for (int i = 0; i < 4; ++i)
        bytes[at + 2 + static_cast<size_t>(i)] = static_cast<char>(size >> (8 * i));
    auto list = NewList();
    TStringStream in(bytes);
    list->ReadData(&in);
    ExpectImagesOf(list.get(), l);
  }
}

// A list made in memory is written as the designer writes it: room for whole steps of AllocBy
// images, 32-bit colour, masked or not.
TEST_F(ImgListTest, AListMadeInMemoryIsWrittenAsTheDesignerWritesIt) {
  const struct {
    int Count, Capacity;
    bool Masked;
  } cases[] = {{3, 4, true}, {5, 8, true}, {4, 4, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Count);
    const TListLayout want = Designed(4, 3, c.Count, c.Capacity, c.Masked ? 0x0021 : 0x0020);
    auto list = NewList(4, 3);
    list->SetMasked(c.Masked);
    for (int i = 0; i < c.Count; ++i) {
      auto image = Picture(4, 3, [&](int x, int y) {
        const uint32_t v = ListColour(i, x, y);
        return static_cast<TColor>(RGB(v >> 16, (v >> 8) & 0xFF, v & 0xFF));
      });
      auto mask =
          Picture(4, 3, [&](int x, int y) { return ListClear(i, x, y) ? clWhite : clBlack; });
      list->Add(image.get(), mask.get());
    }
    ExpectImagesOf(list.get(), want);
    TMemoryStream out;
    list->WriteData(&out);
    EXPECT_EQ(Bytes(out), ListStream(want));
  }
}

// Damaged pictures and masks in the designer's layout are refused with the list's error, and
// the list keeps its images.
struct TDamage {
  const char* Name;
  size_t Offset;  // a 32-bit field to set (0: none)
  uint32_t Value;
  size_t Cut;  // bytes taken off the end
};
void PrintTo(const TDamage& d, std::ostream* os) { *os << d.Name; }
class ImgListDamagedFileTest : public ImgListTest, public ::testing::WithParamInterface<TDamage> {};

TEST_P(ImgListDamagedFileTest, IsRefusedWithAClearError) {
  const TDamage& d = GetParam();
  // Three 4 x 4 images of four: the picture's file at 28 (info header at 42, rows at 82), the
  // mask's file at 338 (info header at 352, table at 392, rows at 400 to 416).
  std::string bytes = ListStream(Designed(4, 4, 3, 4));
  ASSERT_EQ(bytes.size(), 416u);
  if (d.Offset > 0)
    for (int i = 0; i < 4; ++i)
      bytes[d.Offset + static_cast<size_t>(i)] = static_cast<char>(d.Value >> (8 * i));
  bytes.resize(bytes.size() - d.Cut);
  auto list = NewList();
  list->AddMasked(Strip().get(), clFuchsia);
  TStringStream in(bytes);
  EXPECT_EQ(ErrorOf<EReadError>([&] { list->ReadData(&in); }), SImageReadFail);
  EXPECT_EQ(list->Count(), 3);
  EXPECT_EQ(list->Pixel(0, 2, 2), clRed);
}

INSTANTIATE_TEST_SUITE_P(Damage, ImgListDamagedFileTest,
                         ::testing::Values(TDamage{"picture_rows_past_the_end", 50, 64, 0},
                                           TDamage{"picture_zero_width", 46, 0, 0},
                                           TDamage{"picture_zero_height", 50, 0, 0},
                                           TDamage{"picture_bad_header_size", 42, 0, 0},
                                           TDamage{"picture_bit_count", 54, 0x00070001, 0},
                                           TDamage{"picture_pixels_inside_the_headers", 38, 20, 0},
                                           TDamage{"picture_too_narrow_for_an_image", 46, 3, 0},
                                           TDamage{"mask_table_past_the_end", 384, 255, 0},
                                           TDamage{"mask_run_length_coded", 366, 0x00010001, 0},
                                           TDamage{"mask_rows_cut", 0, 0, 5},
                                           TDamage{"mask_of_another_size", 356, 12, 0},
                                           TDamage{"mask_file_header_cut", 0, 0, 416 - 338 - 10}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ImgListTest, AFormKeepsTheImagesInItsBitmapProperty) {
  vcl::RegisterClass(TImageList::StaticClass());
  auto form = std::make_unique<TForm>(nullptr);
  auto* list = new TImageList(form.get());
  list->SetName("Icons");
  list->SetWidth(4);
  list->SetHeight(4);
  list->AddMasked(Strip().get(), clFuchsia);
  const std::string text = ObjectBinaryToTextString(WriteComponentToBytes(form.get()));
  EXPECT_NE(text.find("Bitmap = {"), std::string::npos) << text;
  EXPECT_NE(text.find("Height = 4"), std::string::npos);
  auto again = std::make_unique<TForm>(nullptr);
  ReadComponentFromBytes(ObjectTextToBinaryString(text), again.get());
  auto* back = Find<TImageList>(again.get(), "Icons");
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->Count(), 3);
  EXPECT_EQ(back->Pixel(2, 3, 3), clBlue);
  EXPECT_TRUE(back->Transparent(2, 0, 0));
  // An empty list writes no Bitmap.
  back->Clear();
  EXPECT_EQ(ObjectBinaryToTextString(WriteComponentToBytes(again.get())).find("Bitmap"),
            std::string::npos);
}

// A form holding image lists as the designer writes them (data/imagelist_designer.txt, made by
// the format's rules: the images of Designed layouts) is read, and written back byte for byte.
TEST_F(ImgListTest, AFormOfTheDesignersImageListsSurvivesOpenAndSave) {
  vcl::RegisterClass(TImageList::StaticClass());
  TMemoryStream file;
  file.LoadFromFile(testsupport::SourceDir() +
                    "/tests/platform/controls/data/imagelist_designer.txt");
  const std::string text = Bytes(file);
  const std::string binary = ObjectTextToBinaryString(text);
  auto form = std::make_unique<TForm>(nullptr);
  ReadComponentFromBytes(binary, form.get());
  TListLayout tools = Designed(5, 6, 5, 8);
  tools.Grow = 8;
  const struct {
    const char* Name;
    TListLayout Layout;
    int AllocBy;
  } lists[] = {{"Icons", Designed(8, 8, 3, 4), 4},
               {"Tools", tools, 8},
               {"Plain", WithBackground(Designed(4, 4, 2, 4, 0x0020), 0x00FFFFFF), 4}};
  for (const auto& l : lists) {
    SCOPED_TRACE(l.Name);
    auto* list = Find<TImageList>(form.get(), l.Name);
    ASSERT_NE(list, nullptr);
    ExpectImagesOf(list, l.Layout);
    EXPECT_EQ(list->AllocBy(), l.AllocBy);
    TMemoryStream data;
    list->WriteData(&data);
    EXPECT_EQ(Bytes(data), ListStream(l.Layout));
  }
  const std::string written = WriteComponentToBytes(form.get());
  EXPECT_TRUE(written == binary);
  std::string writtenText = ObjectBinaryToTextString(written);  // its lines end in CR LF
  std::erase(writtenText, '\r');
  EXPECT_EQ(writtenText, text);
}

TEST_F(ImgListTest, AnIconIsAddedAtTheListsSizeWithItsMaskAsTransparency) {
  // A 4 x 4 blue icon whose left column is see-through (white in its mask).
  const auto color = Picture(4, 4, [](int, int) { return clBlue; });
  const auto mask = Picture(4, 4, [](int x, int) { return x == 0 ? clWhite : clBlack; });
  ICONINFO info;
  info.hbmMask = mask->Handle();
  info.hbmColor = color->Handle();
  TIcon icon;
  icon.SetHandle(CreateIconIndirect(&info));
  ASSERT_TRUE(icon.HandleAllocated());
  auto list = NewList(8, 8);
  EXPECT_EQ(list->AddIcon(&icon), 0);
  EXPECT_EQ(list->AddIcon(&icon), 1);
  ASSERT_EQ(list->Count(), 2);
  // Drawn to the list's size: each icon pixel covers two by two.
  EXPECT_EQ(list->Pixel(1, 4, 4), clBlue);
  EXPECT_EQ(list->Pixel(1, 7, 7), clBlue);
  for (int y : {0, 7}) {
    EXPECT_TRUE(list->Transparent(1, 0, y));
    EXPECT_TRUE(list->Transparent(1, 1, y));
    EXPECT_FALSE(list->Transparent(1, 2, y));
  }
  // Nothing to add: no image, and the answer -1.
  TIcon empty;
  EXPECT_EQ(list->AddIcon(&empty), -1);
  EXPECT_EQ(list->AddIcon(nullptr), -1);
  EXPECT_EQ(list->Count(), 2);
}

}  // namespace
}  // namespace vcl::testing
