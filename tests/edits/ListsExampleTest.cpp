// The example form of the list boxes reads completely and paints: the labeled list with its
// label and items, the image list with a glyph beside each item, the multi-column list with its
// header sections and rows split into them.
#include <gtest/gtest.h>

#include <memory>

#include "display/ZYLBoundLabel.h"
#include "edits/ZYLExtListBox.h"
#include "edits/ZYLImageListBox.h"
#include "edits/ZYLListBox.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Colors.h"
#include "tests/edits/EditTestHost.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

namespace tk = win::testkit;

TEST(ListsExampleTest, EveryListIsReadWithItsItemsAndPaints) {
  edittest::THost host;
  ZYLExtListBoxUnit.Init();
  ZYLImageListBoxUnit.Init();
  ZYLListBoxUnit.Init();
  const bool ownContainer = !ZYLContainer();
  if (ownContainer) ZYLContainerInit();
  auto form = std::make_unique<vcl::TForm>(nullptr);
  {
    vcl::TFileStream stream(testsupport::SourceDir() + "/examples/lists.txt", vcl::fmOpenRead);
    vcl::ReadForm(&stream, form.get());
  }
  auto* fruit = dynamic_cast<TZYLLabeledExtListBox*>(form->FindComponent("FruitList"));
  auto* colours = dynamic_cast<TZYLImageListBox*>(form->FindComponent("ColourList"));
  auto* files = dynamic_cast<TZYLListBox*>(form->FindComponent("FileList"));
  ASSERT_TRUE(fruit && colours && files);
  EXPECT_EQ(fruit->Items()->Count(), 6);
  EXPECT_EQ(fruit->EditLabel()->Caption(), "Fruit (F2 edits):");
  EXPECT_EQ(fruit->EditLabel()->Top(), fruit->Top() - fruit->EditLabel()->Height() - 3);
  EXPECT_EQ(colours->GetImageIndex(2), 2);
  EXPECT_EQ(files->GetInteger(TZYLListBox::iiSectionCount), 3);
  EXPECT_EQ(files->ItemPart(2, 1), "480 112");
  EXPECT_EQ(files->GetIniString(), "90,60,70");
  form->Show();
  edittest::THost::Idle();
  // The glyph of the third item (blue) stands left of its text.
  const tk::TCapture shot = tk::CaptureScreen();
  const vcl::TRect r = colours->ItemRect(2);
  const vcl::TPoint o = colours->ClientToScreen(vcl::TPoint{r.Left, r.Top});
  EXPECT_EQ(shot.Color(o.X + 8, o.Y + 8), vcl::ColorToRGB(vcl::clBlue));
  EXPECT_EQ(colours->Items()->Strings(2), "Blue");
  form.reset();
  if (ownContainer) ZYLContainerDone();
  ZYLListBoxUnit.FInit();
  ZYLImageListBoxUnit.FInit();
  ZYLExtListBoxUnit.FInit();
}

}  // namespace
}  // namespace zyl
