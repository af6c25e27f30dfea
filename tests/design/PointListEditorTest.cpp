// The point list editor: its lines follow the working copy one to one, the buttons move and
// delete points, the spin edits keep the signed 16-bit range of a point and never write back
// while they are filled, and a list that holds no points is refused before the form opens.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "design/pZYLPointListEditor.h"
#include "edits/ZYLListBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/StringList.h"
#include "platform/controls/StdCtrls.h"
#include "platform/testkit/TestKit.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/support/ErrorOf.h"

namespace zyl {
namespace {

using TPoints = std::vector<vcl::TPoint>;

TPoints PointsOf(const TZYLPointList& list) {
  TPoints points;
  for (int i = 0; i < list.Count(); ++i) points.push_back(list.Point(i));
  return points;
}

void Fill(TZYLPointList& list, const TPoints& points) {
  list.Clear();
  for (const vcl::TPoint& p : points) list.AddPoint(p);
}

// What the editor shows: its lines, and the selected line's index.
struct TShown {
  std::vector<std::string> Lines;
  int Selected;
  friend bool operator==(const TShown&, const TShown&) = default;
};

TShown Shown(TfrmTZYLPointListEditor* f) {
  TShown shown{{}, f->plb->GetInteger(TZYLListBox::iiItemIndex)};
  vcl::TStrings* items = f->plb->GetItems();
  for (int i = 0; i < items->Count(); ++i) shown.Lines.push_back(items->Strings(i));
  return shown;
}

// The lines the working copy's points should show.
std::vector<std::string> LinesOf(const TZYLPointList* points) {
  std::vector<std::string> lines;
  for (int i = 0; i < points->Count(); ++i)
    lines.push_back(std::to_string(points->Point(i).X) + ";" + std::to_string(points->Point(i).Y) +
                    ";");
  return lines;
}

class PointListEditor : public ::testing::Test {
 protected:
  // Opens the editor on list_ with one answer: `look` on the form, then the ending.
  bool Run(const std::function<void(TfrmTZYLPointListEditor*)>& look,
           TEnding ending = TEnding::Ok) {
    vt::TDialogScript script;
    designtest::AnswerEditorAs<TfrmTZYLPointListEditor>(script, look, ending);
    return TfrmTZYLPointListEditor::Edit(&list_);
  }

  vt::TControlsSession session_;
  designtest::TEditorUnits units_;
  TZYLPointList list_;
};

TEST_F(PointListEditor, AnEmptyListOpensEmptyAndOKKeepsItEmpty) {
  TShown shown{{"?"}, 0};
  ASSERT_TRUE(Run([&](TfrmTZYLPointListEditor* f) {
    shown = Shown(f);
    vt::ClickControl(f->btDelete);
    vt::ClickControl(f->btUp);
    vt::ClickControl(f->btDown);
  }));
  EXPECT_EQ(shown, (TShown{{}, -1}));
  EXPECT_EQ(list_.Count(), 0);
}

TEST_F(PointListEditor, PointsOutsideTheOldSpinRangeAreShownAndKeptAsTheyAre) {
  const TPoints points = {{-500, 2000}, {32767, -32768}, {7, 8}, {1001, -1}};
  Fill(list_, points);
  std::vector<std::string> lines, spins;
  ASSERT_TRUE(Run([&](TfrmTZYLPointListEditor* f) {
    lines = Shown(f).Lines;
    // Selecting a line fills the spin edits; that must not write a limited value back.
    for (int i = 0; i < static_cast<int>(points.size()); ++i) {
      designtest::ClickListLine(f->plb->ListBox(), i);
      spins.push_back(std::to_string(f->XVal->IntValue()) + "," +
                      std::to_string(f->YVal->IntValue()));
    }
    vt::ClickControl(f->btOK);  // leaving a spin edit stores what it shows
    EXPECT_EQ(Shown(f).Lines, lines);
  }));
  EXPECT_EQ(lines, (std::vector<std::string>{"-500;2000;", "32767;-32768;", "7;8;", "1001;-1;"}));
  EXPECT_EQ(spins, (std::vector<std::string>{"-500,2000", "32767,-32768", "7,8", "1001,-1"}));
  EXPECT_EQ(PointsOf(list_), points);
}

TEST_F(PointListEditor, AddAppendsTheOriginSelectedAndTheSpinEditsEditIt) {
  Fill(list_, {{3, 4}});
  TShown added, typed;
  std::vector<int> limited;
  ASSERT_TRUE(Run([&](TfrmTZYLPointListEditor* f) {
    vt::ClickControl(f->btAdd);
    added = Shown(f);
    vt::TypeInto(f->XVal, "40000");  // beyond a point's range: limited by the spin edit
    vt::TypeInto(f->YVal, "-123");
    vt::ClickControl(f->btAdd);
    vt::TypeInto(f->YVal, "-99999");
    wt::KeyPress(win::VK_TAB);  // leaving the edit limits its text
    limited = {f->XVal->IntValue(), f->YVal->IntValue()};
    designtest::ClickListLine(f->plb->ListBox(), 1);
    typed = Shown(f);
    EXPECT_EQ(typed.Lines, LinesOf(f->Points()));
  }));
  EXPECT_EQ(added, (TShown{{"3;4;", "0;0;"}, 1}));
  EXPECT_EQ(typed, (TShown{{"3;4;", "32767;-123;", "0;-32768;"}, 1}));
  EXPECT_EQ(limited, (std::vector<int>{0, -32768}));
  EXPECT_EQ(PointsOf(list_), (TPoints{{3, 4}, {32767, -123}, {0, -32768}}));
}

TEST_F(PointListEditor, UpDownAndDeleteMoveLinesWithTheirPoints) {
  const TPoints start = {{1, 1}, {2, 2}, {3, 3}};
  struct {
    const char* Name;
    int Select;  // -1: no line selected
    const char* Button;
    TPoints Expected;
    int Selected;
  } const cases[] = {
      {"up on the first line", 0, "btUp", start, 0},
      {"down on the last line", 2, "btDown", start, 2},
      {"delete without a line", -1, "btDelete", start, -1},
      {"up without a line", -1, "btUp", start, -1},
      {"down without a line", -1, "btDown", start, -1},
      {"up on the last line", 2, "btUp", {{1, 1}, {3, 3}, {2, 2}}, 1},
      {"down on the first line", 0, "btDown", {{2, 2}, {1, 1}, {3, 3}}, 1},
      {"delete the middle line", 1, "btDelete", {{1, 1}, {3, 3}}, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    Fill(list_, start);
    TShown after;
    std::vector<std::string> expectedLines;
    ASSERT_TRUE(Run([&](TfrmTZYLPointListEditor* f) {
      if (c.Select >= 0) designtest::ClickListLine(f->plb->ListBox(), c.Select);
      vt::ClickControl(designtest::On<vcl::TControl>(f, c.Button));
      after = Shown(f);
      expectedLines = LinesOf(f->Points());
    }));
    EXPECT_EQ(PointsOf(list_), c.Expected);
    EXPECT_EQ(after.Lines, expectedLines);
    EXPECT_EQ(after.Selected, c.Selected);
  }
}

TEST_F(PointListEditor, AListHoldingNoPointsIsRefusedAndChangesNothing) {
  Fill(list_, {{10, 20}});
  list_.Add(reinterpret_cast<void*>(uintptr_t{1} << 40));
  vt::TDialogScript script;
  designtest::AnswerEditor(
      script, [](vcl::TCustomForm*) {}, TEnding::Ok);
  EXPECT_EQ(testsupport::ErrorOf<vcl::EListError>([&] { TfrmTZYLPointListEditor::Edit(&list_); }),
            "Entry 1 of the point list is no point (its value $0000010000000000 does not fit in "
            "32 bits)");
  EXPECT_TRUE(script.Shown().empty());
  EXPECT_EQ(list_.Count(), 2);
  EXPECT_EQ(list_.Point(0), (vcl::TPoint{10, 20}));

  // On an open form the refused list leaves the working copy and the lines as they were.
  list_.Delete(1);
  TZYLPointList bad;
  bad.Add(reinterpret_cast<void*>(~uintptr_t{0}));
  TShown before, after;
  ASSERT_TRUE(Run([&](TfrmTZYLPointListEditor* f) {
    before = Shown(f);
    EXPECT_NE(testsupport::ErrorOf<vcl::EListError>([&] { f->SetPointList(&bad); }), "<no error>");
    after = Shown(f);
  }));
  EXPECT_EQ(after, before);
  EXPECT_EQ(PointsOf(list_), (TPoints{{10, 20}}));
}

}  // namespace
}  // namespace zyl
