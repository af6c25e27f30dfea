// The image list boxes: which image an item shows (list order, a number after the delimiter,
// the default), the generated items of ImagesOnly, the glyph columns of a strip, the item
// heights the images ask for, and what a form stream keeps of them.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "edits/ZYLImageListBox.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLGlyphLayout.h"
#include "platform/base/Finally.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/user/WinUserConsts.h"
#include "tests/edits/EditTestHost.h"
#include "tests/edits/ListTestSupport.h"
#include "tests/support/Cases.h"

namespace zyl {
namespace {

using edittest::THost;
using listtest::Joined;
namespace tk = win::testkit;

const vcl::TColor kQuarter[] = {vcl::clRed, vcl::clLime, vcl::clBlue, vcl::clYellow};

// An image list with one entry of Count images of W x H; image i is split into four vertical
// quarters coloured kQuarter[0..3].
TZYLImageList* MakeStrips(vcl::TComponent* Owner, int Count, int W, int H) {
  auto* list = new TZYLImageList(Owner);
  auto* item = list->GetArrayItem(list->Add());
  item->SetInteger(0, W);
  item->SetInteger(1, H);
  for (int i = 0; i < Count; ++i) {
    vcl::TBitmap b;
    b.SetSize(W, H);
    for (int q = 0; q < 4; ++q) {
      b.Canvas()->Brush()->SetColor(kQuarter[q]);
      b.Canvas()->FillRect(vcl::TRect{q * W / 4, 0, (q + 1) * W / 4, H});
    }
    item->Add(&b, nullptr);
  }
  return list;
}

class ImageListBoxTest : public ::testing::Test {
 protected:
  TZYLImageListBox* Box(const std::vector<std::string>& Items) {
    auto* l = new TZYLImageListBox(host_.Form());
    l->SetBounds(10, 10, 150, 120);
    l->SetParent(host_.Form());
    for (const std::string& s : Items) l->Items()->Add(s);
    THost::Idle();
    return l;
  }
  THost host_;
};

TEST_F(ImageListBoxTest, ItemsTakeTheirImageByPlaceOrByNumber) {
  TZYLImageListBox* l = Box({"Open|3", "Save|4", "Save", "Save|x", "Close|1"});
  l->SetImageList(MakeStrips(host_.Form(), 3, 8, 8));
  auto image = [&](int i) { return std::to_string(l->GetImageIndex(i)); };
  // In list order: the three images, then none.
  testsupport::ExpectCases(
      {{image(0), "0"}, {image(2), "2"}, {image(3), "-1"}, {image(5), "-1"}, {image(-1), "-1"}});
  l->SetOptions(TZYLImageBoxOptions{lboCheckImageNr});
  testsupport::ExpectCases({{image(0), "3"},
                            {image(1), "4"},
                            {image(2), "-1"},
                            {image(3), "-1"},
                            {image(4), "1"},
                            {l->GetStringValue(1), "Save"},
                            {l->GetStringValue(9), ""}});
  l->SetDefaultItem(2);
  EXPECT_EQ(l->GetImageIndex(2), 2);
  l->SetImageIndex(0, 7);
  l->SetImageIndex(99, 7);  // outside the items: nothing
  EXPECT_EQ(l->Items()->Strings(0), "Open|7");
  l->SetImageList(nullptr);
  EXPECT_EQ(l->GetImageIndex(0), -1);
  EXPECT_EQ(l->GetImageHeight(0), 0);
}

TEST_F(ImageListBoxTest, ImagesOnlyMakesOneUneditableItemPerImageThatIsNotStored) {
  TZYLImageListBox* l = Box({"kept?"});
  l->SetEditOptions(TZYLListBoxEditOptions{lboAllowEdit});
  l->SetImageList(MakeStrips(host_.Form(), 5, 8, 8));
  l->SetImagesOnly(true);
  EXPECT_EQ(Joined(l->Items()), ",,,,");
  THost::Focus(l);
  l->SetItemIndex(1);
  listtest::Play("F2");
  EXPECT_EQ(l->Editor(), nullptr);
  EXPECT_FALSE(l->StoreItems());
  l->SetImagesOnly(false);
  EXPECT_EQ(l->Items()->Count(), 0);
}

TEST_F(ImageListBoxTest, GlyphColumnsCutOneColumnOfTheStrip) {
  TZYLImageListBox* l = Box({"", ""});
  l->SetImageList(MakeStrips(host_.Form(), 2, 64, 12));
  l->SetGlyphNumber(4);
  l->SetGlyphColumn(2);
  EXPECT_EQ(l->GetImageWidth(0), 16);
  l->SetGlyphNumber(0);  // ignored
  EXPECT_EQ(l->GlyphNumber(), 4);
  l->SetGlyphColumn(4);  // not below GlyphNumber: ignored
  EXPECT_EQ(l->GlyphColumn(), 2);
  // The drawn glyph is the third quarter of the strip: all blue.
  l->SetHideFocus(true);
  const tk::TCapture shot = host_.Shot(l);
  const vcl::TRect r = l->ItemRect(1);
  const int left = r.Left + l->Margin();
  const win::COLORREF blue = vcl::ColorToRGB(vcl::clBlue);
  EXPECT_TRUE(tk::PixelsMatch(
      shot, [&](int, int) { return blue; }, "glyph_column_2",
      win::RECT{left, r.Top + 1, left + 16, r.Top + 11}));
  EXPECT_NE(shot.Color(left + 16, r.Top + 2), blue);
  l->SetGlyphColumn(3);
  l->SetGlyphNumber(2);
  EXPECT_EQ(l->GlyphColumn(), 1);
}

// An image list of another kind (here a connector to a strip list) hands each image out as a
// copy: the whole image is drawn, or with GlyphNumber 2 or more one column of it.
struct CopiedGlyphCase {
  const char* Name;
  int Number;
  int Column;
  int Width;         // of the drawn glyph
  int FirstQuarter;  // the strip quarter at the glyph's left edge
};

class ImageListBoxCopies : public ImageListBoxTest,
                           public ::testing::WithParamInterface<CopiedGlyphCase> {};

TEST_P(ImageListBoxCopies, DrawTheImageOrOneColumnOfIt) {
  const CopiedGlyphCase& c = GetParam();
  TZYLImageListBox* l = Box({"", ""});
  auto* connector = new TZYLImageListConnector(host_.Form());
  connector->SetImageList(MakeStrips(host_.Form(), 2, 64, 12));
  l->SetImageList(connector);
  l->SetGlyphNumber(c.Number);
  l->SetGlyphColumn(c.Column);
  l->SetHideFocus(true);
  const tk::TCapture shot = host_.Shot(l);
  const vcl::TRect r = l->ItemRect(1);
  const int left = r.Left + l->Margin();
  // Each quarter of the strip is 16 pixels wide; the glyph shows the quarters from FirstQuarter.
  EXPECT_TRUE(tk::PixelsMatch(
      shot, [&](int x, int) { return vcl::ColorToRGB(kQuarter[c.FirstQuarter + (x - left) / 16]); },
      std::string("copied_") + c.Name, win::RECT{left, r.Top + 1, left + c.Width, r.Top + 11}));
  EXPECT_NE(shot.Color(left + c.Width, r.Top + 2),
            vcl::ColorToRGB(kQuarter[(c.FirstQuarter + c.Width / 16) % 4]));
}

INSTANTIATE_TEST_SUITE_P(Glyphs, ImageListBoxCopies,
                         ::testing::Values(CopiedGlyphCase{"Whole", 1, 0, 64, 0},
                                           CopiedGlyphCase{"Half_2", 2, 1, 32, 2},
                                           CopiedGlyphCase{"Quarter_3", 4, 2, 16, 2}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// A box that scrolls long items sideways is as wide as its widest item: the text, 2 pixels and
// the layout's horizontal offset, and the image and the spacing when the text stands beside it.
TEST_F(ImageListBoxTest, TheSidewaysExtentMakesRoomForTheImageBesideTheText) {
  TZYLImageListBox* l = Box({"short", "a much longer entry", "mid"});
  l->SetLargeTextOptions(lbltHorzScrollBar);
  const int textOnly = l->HorzExtent();
  ASSERT_GT(textOnly, 0);
  l->Layout()->SetOffset(TZYLGlyphTextLayout::oiOffsetX, 5);
  EXPECT_EQ(l->HorzExtent(), textOnly + 5);
  l->SetImageList(MakeStrips(host_.Form(), 3, 24, 8));
  l->Layout()->SetSpacing(7);
  EXPECT_EQ(l->HorzExtent(), textOnly + 5 + 24 + 7);
  // The text above or below the image: the image takes no width of its own.
  l->Layout()->SetAlignText2Glyph(taBottom);
  EXPECT_EQ(l->HorzExtent(), textOnly + 5);
}

TEST_F(ImageListBoxTest, ComputedHeightsMakeRoomForTallImages) {
  TZYLImageListBox* l = Box({"a", "b"});
  l->SetImageList(MakeStrips(host_.Form(), 1, 8, 40));
  l->SetOptions(TZYLImageBoxOptions{lboImageListOrder, lboCheckImageNr, lboCalcHeight});
  THost::Idle();
  EXPECT_TRUE(l->ItemAutoHeight());
  EXPECT_EQ(l->Perform(win::LB_GETITEMHEIGHT, 0, 0), 40);               // image 0 is 40 high
  EXPECT_EQ(l->Perform(win::LB_GETITEMHEIGHT, 1, 0), l->ItemHeight());  // no image
}

// A derived image list box as the colour and font lists build them.
class TDerivedBox : public TZYLCustomDerivedImageListBox {
  ZYL_CLASS(TDerivedBox, TZYLCustomDerivedImageListBox)
  explicit TDerivedBox(vcl::TComponent* AOwner) : inherited(AOwner) {}
};
ZYL_CLASS_IMPL(TDerivedBox) { b.Publish("Items"); }

TEST_F(ImageListBoxTest, DerivedBoxesReadAwayTheOldPropertiesAndWriteNone) {
  vcl::RegisterClass(TDerivedBox::StaticClass());
  const std::string text =
      "object TDerivedBox\n"
      "  DefaultItem = 3\n"
      "  Delimiter = ';'\n"
      "  Options = [lboImageListOrder]\n"
      "  Items.Strings = (\n"
      "    'one')\n"
      "end\n";
  vcl::TStringStream in(text), bin("");
  vcl::ObjectTextToBinary(&in, &bin);
  bin.SetPosition(0);
  auto box = std::make_unique<TDerivedBox>(nullptr);
  bin.ReadComponent(box.get());
  EXPECT_EQ(Joined(box->Items()), "one");
  vcl::TMemoryStream out;
  out.WriteComponent(box.get());
  out.SetPosition(0);
  vcl::TStringStream back("");
  vcl::ObjectBinaryToText(&out, &back);
  EXPECT_EQ(back.DataString().find("Delimiter"), std::string::npos);
  EXPECT_EQ(back.DataString().find("DefaultItem"), std::string::npos);
  vcl::UnRegisterClass(TDerivedBox::StaticClass());
}

TEST_F(ImageListBoxTest, AnImageListOfTheGlobalContainerIsStreamedByItsSignature) {
  const bool ownContainer = !ZYLContainer();
  if (ownContainer) ZYLContainerInit();
  vcl::TFinally done([ownContainer] {
    if (ownContainer) ZYLContainerDone();
  });
  TZYLImageListBox* l = Box({"a"});
  l->SetImageList(ZYLContainer()->ImageList());
  EXPECT_TRUE(l->CheckCont());
  EXPECT_FALSE(l->HasControl());
  vcl::TMemoryStream out;
  out.WriteComponent(l);
  out.SetPosition(0);
  auto copy = std::make_unique<TZYLImageListBox>(nullptr);
  out.ReadComponent(copy.get());
  EXPECT_EQ(copy->ImageList(), ZYLContainer()->ImageList());
  copy.reset();
  l->SetImageList(nullptr);
}

}  // namespace
}  // namespace zyl
