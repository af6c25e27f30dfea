// The example form of the browse edits reads completely with its settings and shows each edit
// in its state: the unfocused paths shortened or cut to the file part, the focused one in full,
// the colour edits with the colours they name.
#include <gtest/gtest.h>

#include <memory>

#include "edits/ZYLBrowseEdit.h"
#include "edits/ZYLColorEdit.h"
#include "edits/ZYLFileOpenEdit.h"
#include "edits/ZYLFileSaveEdit.h"
#include "edits/ZYLHistoryEdit.h"
#include "edits/ZYLListComboBox.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Colors.h"
#include "tests/edits/BrowseEditHost.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

TEST(BrowseEditsExampleTest, EveryEditIsReadWithItsSettingsAndShowsItsState) {
  edittest::THost host;
  ZYLBrowseEditUnit.Init();
  ZYLColorEditUnit.Init();
  ZYLFileOpenEditUnit.Init();
  ZYLFileSaveEditUnit.Init();
  ZYLListComboBoxUnit.Init();
  ZYLHistoryEditUnit.Init();
  auto form = std::make_unique<vcl::TForm>(nullptr);
  {
    vcl::TFileStream stream(testsupport::SourceDir() + "/examples/browseedits.txt",
                            vcl::fmOpenRead);
    vcl::ReadForm(&stream, form.get());
  }
  ZYLHistoryEditUnit.FInit();
  ZYLListComboBoxUnit.FInit();
  ZYLFileSaveEditUnit.FInit();
  ZYLFileOpenEditUnit.FInit();
  ZYLColorEditUnit.FInit();
  ZYLBrowseEditUnit.FInit();
  form->Show();
  edittest::THost::Idle();
  auto find = [&](const char* Name) {
    return dynamic_cast<TZYLCustomBrowseEdit*>(form->FindComponent(Name));
  };
  auto* folder = dynamic_cast<TZYLBrowseEdit*>(find("FolderShort"));
  ASSERT_NE(folder, nullptr);
  EXPECT_EQ(folder->Path(), "C:\\Program Files\\Common Files\\Shared Tools\\Templates");
  EXPECT_TRUE(folder->TextReduced());
  EXPECT_LE(browsetest::DrawnWidth(folder), folder->TextRect().Right - folder->TextRect().Left);
  auto* focused = dynamic_cast<TZYLFileOpenEdit*>(find("OpenFocused"));
  ASSERT_NE(focused, nullptr);
  EXPECT_TRUE(focused->Focused());
  EXPECT_EQ(focused->RawText(), focused->Filename());
  auto* nameOnly = dynamic_cast<TZYLFileOpenEdit*>(find("OpenNameOnly"));
  ASSERT_NE(nameOnly, nullptr);
  EXPECT_EQ(nameOnly->RawText(), "To the bank.txt");
  auto* save = dynamic_cast<TZYLFileSaveEdit*>(find("SaveShort"));
  ASSERT_NE(save, nullptr);
  EXPECT_TRUE(save->TextReduced());
  auto color = [&](const char* Name) { return dynamic_cast<TZYLColorEdit*>(find(Name)); };
  ASSERT_NE(color("ColorBar"), nullptr);
  EXPECT_EQ(color("ColorBar")->PaintStyle(), ceColor);
  EXPECT_EQ(color("ColorBar")->SelectedColor(), vcl::clTeal);
  EXPECT_EQ(color("ColorBarLeft")->RawText(), "$0000A0FF");
  EXPECT_EQ(color("ColorBarRight")->ColorBarWidth(), 24);
  EXPECT_EQ(color("ColorLowBar")->ColorBarHeight(), 4);
  // The list combo the main job shows dropped down: F4 opens its list inside the form.
  auto* combo = dynamic_cast<TZYLListComboBox*>(form->FindComponent("ComboOpen"));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->Items()->Count(), 5);
  combo->SetFocus();
  edittest::THost::Idle();
  win::testkit::KeyPress(win::VK_F4);
  ASSERT_TRUE(combo->DroppedDown());
  win::RECT list, frame;
  win::GetWindowRect(combo->GetListBox()->Handle(), &list);
  win::GetWindowRect(form->Handle(), &frame);
  EXPECT_LE(list.Bottom, frame.Bottom);
  EXPECT_EQ(list.Bottom - list.Top, 5 * combo->Canvas()->TextHeight("Wq") + 4);
  auto* listOnly = dynamic_cast<TZYLListComboBox*>(form->FindComponent("ComboList"));
  ASSERT_NE(listOnly, nullptr);
  EXPECT_EQ(listOnly->Style(), csDropDownList);
  auto* history = dynamic_cast<TZYLHistoryEdit*>(form->FindComponent("History"));
  ASSERT_NE(history, nullptr);
  EXPECT_EQ(history->DropDownCount(), 4);
  form.reset();
}

}  // namespace
}  // namespace zyl
