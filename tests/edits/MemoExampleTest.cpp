// The memo example form reads completely and shows its text: wrapped rows under ruled lines
// beside a margin, a vertical bar ranging over the rows that do not fit, centred rows, and a
// labeled memo without wrapping whose horizontal bar ranges over its widest paragraph.
#include <gtest/gtest.h>

#include <memory>

#include "display/ZYLBoundLabel.h"
#include "display/ZYLSBar.h"
#include "edits/ZYLMemo.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Colors.h"
#include "tests/edits/EditTestHost.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

TEST(MemoExampleTest, EveryMemoIsReadWithItsTextAndBars) {
  edittest::THost host;
  ZYLMemoUnit.Init();
  auto form = std::make_unique<vcl::TForm>(nullptr);
  {
    vcl::TFileStream stream(testsupport::SourceDir() + "/examples/memo.txt", vcl::fmOpenRead);
    vcl::ReadForm(&stream, form.get());
  }
  ZYLMemoUnit.FInit();
  form->Show();
  edittest::THost::Idle();
  auto find = [&](const char* Name) { return dynamic_cast<TZYLMemo*>(form->FindComponent(Name)); };
  TZYLMemo* notes = find("MemoNotes");
  ASSERT_NE(notes, nullptr);
  EXPECT_TRUE(notes->Focused());
  EXPECT_TRUE(notes->Lined());
  EXPECT_EQ(notes->Margin()->Width(), 14);
  EXPECT_EQ(notes->Lines()->Count(), 6);
  EXPECT_EQ(notes->Lines()->Get(4), "Tabs:\tone\ttwo\tthree");
  EXPECT_GT(notes->GetRowCount(), notes->PageRows());
  ASSERT_NE(notes->VertBar(), nullptr);
  EXPECT_EQ(notes->VertBar()->Max(), notes->GetRowCount() - notes->PageRows());
  TZYLMemo* centred = find("MemoCentered");
  ASSERT_NE(centred, nullptr);
  EXPECT_GT(centred->GetRowCount(), centred->Lines()->Count());
  auto* labeled = dynamic_cast<TZYLLabeledMemo*>(form->FindComponent("LabeledMemo"));
  ASSERT_NE(labeled, nullptr);
  EXPECT_EQ(labeled->EditLabel()->Caption(), "Labeled memo:");
  EXPECT_EQ(labeled->GetRowCount(), 2);
  ASSERT_NE(labeled->HorzBar(), nullptr);
  const vcl::TRect& t = labeled->TextRect();
  EXPECT_EQ(labeled->HorzBar()->Max(),
            labeled->RowWidth(labeled->Lines()->Get(0)) - (t.Right - t.Left));
  EXPECT_TRUE(labeled->HorzBar()->Thumb()->Visible());
  form.reset();
}

// Read from a form with its bars and then its theme switched off (its window made again while
// the form loads), the memo still measures its rows by its font.
TEST(MemoExampleTest, AMemoWhoseWindowIsMadeAgainWhileLoadingMeasuresItsRows) {
  edittest::THost host;
  const std::string text =
      "object F: TForm\n  Left = 0\n  Top = 0\n  Width = 300\n  Height = 200\n  ActiveControl = M\n"
      "  object M: TZYLMemo\n    Left = 10\n    Top = 10\n    Width = 200\n    Height = 100\n"
      "    Lined = True\n    ScrollBars = skVertical\n    CtlXP = False\n"
      "    Text = 'one'#13#10'two'\n  end\nend\n";
  ZYLMemoUnit.Init();
  auto form = std::make_unique<vcl::TForm>(nullptr);
  {
    vcl::TStringStream stream(text);
    vcl::ReadForm(&stream, form.get(), true);
  }
  ZYLMemoUnit.FInit();
  form->Show();
  edittest::THost::Idle();
  auto* m = dynamic_cast<TZYLMemo*>(form->FindComponent("M"));
  ASSERT_NE(m, nullptr);
  auto* plain = new TZYLMemo(form.get());
  plain->SetParent(form.get());
  EXPECT_EQ(m->RowHeight(""), plain->RowHeight("") + 1);  // the ruled line's pixel
  EXPECT_GT(plain->RowHeight(""), 8);
  EXPECT_EQ(m->GetRowCount(), 2);
  form.reset();
}

}  // namespace
}  // namespace zyl
