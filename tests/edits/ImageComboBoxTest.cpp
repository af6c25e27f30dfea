// The image combo box: which image an entry shows (list order, a number after the delimiter,
// the default item), the blank entries of ImagesOnly and what a form keeps of them, entries
// measured by their images, the image list leaving the form, and the images on the screen.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "edits/ZYLImageComboBox.h"
#include "foundation/ZYLCont.h"
#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "tests/edits/ComboTestHost.h"
#include "tests/support/Cases.h"

namespace {

using combotest::Place;
using edittest::THost;
using zyl::TZYLImageComboBox;

const vcl::TColor kFills[] = {vcl::clRed, vcl::clLime, vcl::clBlue, vcl::clYellow, vcl::clAqua};

// An image list of one entry holding Count solid images of Side x Side, image i in kFills[i].
zyl::TZYLImageList* SolidImages(vcl::TComponent* Owner, int Count, int Side) {
  auto* list = new zyl::TZYLImageList(Owner);
  list->SetName("Images");
  auto* entry = list->GetArrayItem(list->Add());
  entry->SetInteger(zyl::TZYLImageListItem::iiWidth, Side);
  entry->SetInteger(zyl::TZYLImageListItem::iiHeight, Side);
  for (int i = 0; i < Count; ++i) {
    vcl::TBitmap picture;
    picture.SetSize(Side, Side);
    picture.Canvas()->Brush()->SetColor(kFills[i % 5]);
    picture.Canvas()->FillRect(vcl::TRect{0, 0, Side, Side});
    entry->Add(&picture, nullptr);
  }
  return list;
}

class ImageComboTest : public ::testing::Test {
 protected:
  TZYLImageComboBox* Combo(std::initializer_list<const char*> Items) {
    auto* c = Place<TZYLImageComboBox>(host_, "Combo", 10, 10, 160);
    for (const char* s : Items) c->Items()->Add(s);
    return c;
  }
  THost host_;
};

TEST_F(ImageComboTest, EntriesTakeTheirImageByPlaceOrByNumber) {
  TZYLImageComboBox* combo = Combo({"Open|3", "Save", "Print|x", "Close|1", "Quit|4"});
  combo->SetImageList(SolidImages(host_.Form(), 3, 12));
  const auto image = [&](int i) { return std::to_string(combo->GetImageIndex(i)); };
  // In list order the first three entries show the three images, the others none.
  testsupport::ExpectCases({{image(0), "0"}, {image(2), "2"}, {image(3), "-1"}, {image(9), "-1"}});
  combo->SetOptions({zyl::lboCheckImageNr});
  testsupport::ExpectCases({{image(0), "3"},
                            {image(1), "-1"},
                            {image(2), "-1"},
                            {image(3), "1"},
                            {combo->GetStringValue(0), "Open"},
                            {combo->GetStringValue(7), ""}});
  combo->SetDefaultItem(2);
  EXPECT_EQ(combo->GetImageIndex(1), 2);
  combo->SetImageIndex(1, 0);
  EXPECT_EQ(combo->Items()->Get(1), "Save|0");
}

// The images come straight from an image list, or as copies from a list of another kind (a
// connector that shows the image list's images).
TEST_F(ImageComboTest, DroppedEntriesShowTheirImageBesideTheText) {
  zyl::TZYLImageList* images = SolidImages(host_.Form(), 3, 12);
  auto* connector = new zyl::TZYLImageListConnector(host_.Form());
  connector->SetImageList(images);
  for (zyl::TZYLCustomImageList* source : {static_cast<zyl::TZYLCustomImageList*>(images),
                                           static_cast<zyl::TZYLCustomImageList*>(connector)}) {
    const std::string kind = source == images ? "list" : "connector";
    SCOPED_TRACE(kind);
    TZYLImageComboBox* combo = Combo({"Red", "Lime", "Blue"});
    combo->SetImageList(source);
    combo->SetItemHeight(16);
    combotest::ClickButton(combo);
    const win::testkit::TCapture list = combotest::ShotWindow(combo->ListHandle());
    for (int i = 0; i < 3; ++i) {
      const win::RECT r = combotest::ListItemRect(combo, i);
      // The image stands at the left of the item, centred in its height.
      const int top = 1 + r.Top + (r.Bottom - 1 - r.Top - 12) / 2;
      const win::RECT image{1 + 1 + 1, top + 1, 1 + 1 + 11, top + 11};
      EXPECT_TRUE(win::testkit::PixelsMatch(
          list, [&](int, int) { return static_cast<win::COLORREF>(kFills[i]); },
          kind + "_image_" + std::to_string(i), image));
    }
    combotest::ClickButton(combo);
    delete combo;
  }
}

TEST_F(ImageComboTest, ImagesOnlyMakesOneBlankEntryPerImageThatFormsDoNotKeep) {
  TZYLImageComboBox* combo = Combo({"kept"});
  zyl::TZYLImageList* images = SolidImages(host_.Form(), 5, 8);
  combo->SetImageList(images);
  combo->SetImagesOnly(true);
  EXPECT_EQ(combo->Items()->Count(), 5);
  EXPECT_EQ(combo->Items()->Get(4), " ");
  const std::string bytes = vcl::WriteComponentToBytes(host_.Form());
  EXPECT_EQ(bytes.find("Items.Strings"), std::string::npos);
  // Another image in the list gives another entry.
  vcl::TBitmap more;
  more.SetSize(8, 8);
  images->GetArrayItem(0)->Add(&more, nullptr);
  images->Change();
  THost::Idle();
  EXPECT_EQ(combo->Items()->Count(), 6);
  combo->SetImagesOnly(false);
  EXPECT_EQ(combo->Items()->Count(), 0);
}

// The chosen blank entry is kept by a form file like any other choice.
TEST_F(ImageComboTest, TheChosenBlankEntrySurvivesAFormStream) {
  const std::initializer_list<vcl::TClass> classes{TZYLImageComboBox::StaticClass(),
                                                   zyl::TZYLImageList::StaticClass()};
  for (vcl::TClass c : classes) vcl::RegisterClass(c);
  vcl::TFinally unregister([&] {
    for (vcl::TClass c : classes) vcl::UnRegisterClass(c);
  });
  TZYLImageComboBox* combo = Combo({});
  combo->SetImageList(SolidImages(host_.Form(), 5, 8));
  combo->SetImagesOnly(true);
  combo->SetItemIndex(2);
  const std::string bytes = vcl::WriteComponentToBytes(host_.Form());
  auto back = std::make_unique<vcl::TForm>(nullptr);
  vcl::ReadComponentFromBytes(bytes, back.get());
  auto* copy = dynamic_cast<TZYLImageComboBox*>(back->FindComponent("Combo"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Items()->Count(), 5);
  EXPECT_EQ(copy->ItemIndex(), 2);
}

TEST_F(ImageComboTest, EntriesGrowToTheirImagesWhenMeasured) {
  TZYLImageComboBox* combo = Combo({"a", "b"});
  combo->SetImageList(SolidImages(host_.Form(), 2, 30));
  combo->SetOptions({zyl::lboImageListOrder, zyl::lboCalcHeight});
  EXPECT_EQ(combo->Style(), vcl::csOwnerDrawVariable);
  THost::Idle();
  const win::RECT r = combotest::ListItemRect(combo, 1);
  EXPECT_EQ(r.Bottom - r.Top, 32);
}

TEST_F(ImageComboTest, AListLeavingTheFormLeavesTheBox) {
  TZYLImageComboBox* combo = Combo({"a"});
  zyl::TZYLImageList* images = SolidImages(host_.Form(), 1, 8);
  combo->SetImageList(images);
  EXPECT_TRUE(combo->HasControl());
  delete images;
  EXPECT_EQ(combo->ImageList(), nullptr);
  EXPECT_EQ(combo->GetImageIndex(0), -1);
  combotest::ClickButton(combo);
  combotest::ClickButton(combo);
  EXPECT_FALSE(combo->HasControl());
}

}  // namespace
