// The combo example form reads completely: the plain combo with its search, the simple combo
// whose list always shows, the colour, image, drive, printer, font and size combos and the
// colour, font and size list boxes, the size controls linked to the font controls by name.
#include <gtest/gtest.h>

#include <memory>

#include "display/ZYLBoundLabel.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLColorListBox.h"
#include "edits/ZYLComboBox.h"
#include "edits/ZYLDriveComboBox.h"
#include "edits/ZYLFontComboBox.h"
#include "edits/ZYLFontListBox.h"
#include "edits/ZYLFontSizeComboBox.h"
#include "edits/ZYLFontSizeListBox.h"
#include "edits/ZYLImageComboBox.h"
#include "edits/ZYLPrinterComboBox.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Printers.h"
#include "tests/edits/ComboTestHost.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

using edittest::THost;

class CombosExampleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto init : kUnits) init.first();
    form_ = std::make_unique<vcl::TForm>(nullptr);
    vcl::TFileStream stream(testsupport::SourceDir() + "/examples/combos.txt", vcl::fmOpenRead);
    vcl::ReadForm(&stream, form_.get());
    form_->Show();
    THost::Idle();
  }
  void TearDown() override {
    form_.reset();
    for (auto init : kUnits) init.second();
    delete vcl::SetPrinter(nullptr);
  }
  template <class T>
  T* Find(const char* Name) {
    return dynamic_cast<T*>(form_->FindComponent(Name));
  }
  static constexpr std::pair<void (*)(), void (*)()> kUnits[] = {
      {ZYLComboBoxUnit.Init, ZYLComboBoxUnit.FInit},
      {ZYLColorComboBoxUnit.Init, ZYLColorComboBoxUnit.FInit},
      {ZYLColorListBoxUnit.Init, ZYLColorListBoxUnit.FInit},
      {ZYLImageComboBoxUnit.Init, ZYLImageComboBoxUnit.FInit},
      {ZYLDriveComboBoxUnit.Init, ZYLDriveComboBoxUnit.FInit},
      {ZYLPrinterComboBoxUnit.Init, ZYLPrinterComboBoxUnit.FInit},
      {ZYLFontComboBoxUnit.Init, ZYLFontComboBoxUnit.FInit},
      {ZYLFontListBoxUnit.Init, ZYLFontListBoxUnit.FInit},
      {ZYLFontSizeComboBoxUnit.Init, ZYLFontSizeComboBoxUnit.FInit},
      {ZYLFontSizeListBoxUnit.Init, ZYLFontSizeListBoxUnit.FInit}};
  THost host_;
  std::unique_ptr<vcl::TForm> form_;
};

TEST_F(CombosExampleTest, EveryBoxIsReadWithItsListAndLinks) {
  auto* plain = Find<TZYLComboBox>("PlainCombo");
  ASSERT_NE(plain, nullptr);
  EXPECT_TRUE(plain->Search());
  EXPECT_TRUE(plain->Flat());
  EXPECT_EQ(plain->Text(), "Apricot");
  auto* dropped = Find<TZYLComboBox>("DroppedCombo");
  ASSERT_NE(dropped, nullptr);
  EXPECT_EQ(dropped->Style(), vcl::csSimple);
  EXPECT_TRUE(win::IsWindowVisible(dropped->ListHandle()));
  EXPECT_EQ(dropped->Items()->Count(), 6);
  auto* colors = Find<TZYLColorComboBox>("ColorCombo");
  ASSERT_NE(colors, nullptr);
  EXPECT_GT(colors->Items()->Count(), 16);
  auto* images = Find<TZYLImageComboBox>("ImageCombo");
  ASSERT_NE(images, nullptr);
  EXPECT_EQ(images->GetStringValue(1), "Save");
  auto* drives = Find<TZYLDriveComboBox>("DriveCombo");
  ASSERT_NE(drives, nullptr);
  EXPECT_GE(drives->IndexOfDrive('c'), 0);
  auto* printers = Find<TZYLPrinterComboBox>("PrinterCombo");
  ASSERT_NE(printers, nullptr);
  EXPECT_EQ(printers->SelectedPrinter(), vcl::VirtualPrinterName);
  auto* fonts = Find<TZYLFontComboBox>("FontCombo");
  auto* sizes = Find<TZYLFontSizeComboBox>("SizeCombo");
  ASSERT_NE(fonts, nullptr);
  ASSERT_NE(sizes, nullptr);
  EXPECT_EQ(sizes->FontCombo(), fonts);
  EXPECT_EQ(sizes->Items()->Count(), 16);
  auto* colorList = Find<TZYLColorListBox>("ColorList");
  ASSERT_NE(colorList, nullptr);
  EXPECT_EQ(colorList->Items()->Count(), 16);
  EXPECT_EQ(colorList->DisplayStyle(), csColor3DText);
  auto* fontList = Find<TZYLLabeledFontListBox>("FontList");
  auto* sizeList = Find<TZYLFontSizeListBox>("SizeList");
  ASSERT_NE(fontList, nullptr);
  ASSERT_NE(sizeList, nullptr);
  EXPECT_EQ(fontList->EditLabel()->Caption(), "Fonts:");
  EXPECT_EQ(sizeList->FontList(), fontList);
  EXPECT_EQ(sizeList->Items()->Count(), 3);
  // The links work as read: a face chosen in the lists reaches the size controls.
  fonts->SetSelectedFont("Courier");
  EXPECT_EQ(sizes->FontName(), "Courier");
  fontList->SetSelectedFont("Arial");
  EXPECT_EQ(sizeList->Items()->Count(), 16);
}

TEST_F(CombosExampleTest, TheColourComboDropsDownWithItsSwatches) {
  auto* colors = Find<TZYLColorComboBox>("ColorCombo");
  ASSERT_NE(colors, nullptr);
  THost::Focus(colors);
  win::testkit::SetShiftState(false, false, true);
  win::testkit::KeyPress(win::VK_DOWN);
  win::testkit::SetShiftState(false, false, false);
  THost::Idle();
  ASSERT_TRUE(colors->DroppedDown());
  const win::testkit::TCapture list = combotest::ShotWindow(colors->ListHandle());
  const win::RECT navy = combotest::ListItemRect(colors, colors->Items()->IndexOf("clNavy"));
  const int h = navy.Bottom - navy.Top;
  EXPECT_EQ(list.Color(1 + (4 + 8 + h) / 2, 1 + navy.Top + h / 2),
            static_cast<win::COLORREF>(vcl::clNavy));
  win::testkit::KeyPress(win::VK_ESCAPE);
  THost::Idle();
  EXPECT_FALSE(colors->DroppedDown());
}

}  // namespace
}  // namespace zyl
