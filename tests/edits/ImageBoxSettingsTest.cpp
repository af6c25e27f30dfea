// The image settings the image combo box and the image list box share, run over both boxes: a
// change of the image list or of the list index reaches the box (with ImagesOnly its blank
// entries follow the images of the entry in use), a negative list index is ignored, and only a
// list of the form's own is kept as a component reference.
#include <gtest/gtest.h>

#include "edits/ZYLImageComboBox.h"
#include "edits/ZYLImageListBox.h"
#include "foundation/ZYLCont.h"
#include "platform/graphics/Bitmap.h"
#include "tests/edits/ComboTestHost.h"
#include "tests/edits/EditTestHost.h"

namespace zyl {
namespace {

using edittest::THost;

// An image list whose entry i holds Counts[i] blank images of 8 x 8.
TZYLImageList* Entries(vcl::TComponent* Owner, std::initializer_list<int> Counts) {
  auto* list = new TZYLImageList(Owner);
  for (const int count : Counts) {
    auto* entry = list->GetArrayItem(list->Add());
    entry->SetInteger(TZYLImageListItem::iiWidth, 8);
    entry->SetInteger(TZYLImageListItem::iiHeight, 8);
    for (int i = 0; i < count; ++i) {
      vcl::TBitmap picture;
      picture.SetSize(8, 8);
      entry->Add(&picture, nullptr);
    }
  }
  return list;
}

template <class Box>
class ImageBoxSettingsTest : public ::testing::Test {
 protected:
  Box* Make() { return combotest::Place<Box>(host_, "Box", 10, 10, 160); }
  THost host_;
};

using Boxes = ::testing::Types<TZYLImageComboBox, TZYLImageListBox>;
TYPED_TEST_SUITE(ImageBoxSettingsTest, Boxes);

TYPED_TEST(ImageBoxSettingsTest, TheListIndexPicksTheEntryWhoseImagesTheBoxShows) {
  TypeParam* box = this->Make();
  box->SetImagesOnly(true);
  TZYLImageList* images = Entries(this->host_.Form(), {2, 4});
  box->SetImageList(images);
  EXPECT_EQ(box->ImageList(), images);
  EXPECT_EQ(box->Items()->Count(), 2);
  box->SetIndex(1);
  EXPECT_EQ(box->ListIndex(), 1);
  EXPECT_EQ(box->Items()->Count(), 4);
  // A negative index is ignored.
  box->SetIndex(-1);
  EXPECT_EQ(box->ListIndex(), 1);
  EXPECT_EQ(box->Items()->Count(), 4);
  // Without a list the index is only kept.
  box->SetImageList(nullptr);
  EXPECT_EQ(box->ImageList(), nullptr);
  EXPECT_EQ(box->Items()->Count(), 0);
  box->SetIndex(0);
  EXPECT_EQ(box->ListIndex(), 0);
  EXPECT_EQ(box->Items()->Count(), 0);
}

TYPED_TEST(ImageBoxSettingsTest, OnlyAListOfTheFormIsKeptAsAReference) {
  TypeParam* box = this->Make();
  EXPECT_FALSE(box->HasControl());
  box->SetImageList(Entries(this->host_.Form(), {1}));
  EXPECT_TRUE(box->HasControl());
  EXPECT_TRUE(box->StoreItems());
  box->SetImagesOnly(true);
  EXPECT_FALSE(box->StoreItems());
}

}  // namespace
}  // namespace zyl
