// A multi-line EDIT lays out again only the lines a change touches: after any series of
// changes its lines must be those of a control given the same text at once, and undo must
// bring back exactly what a change replaced.
#include <string>
#include <vector>

#include "UserTestSupport.h"

namespace usertest {
namespace {

using namespace testkit;

// One change: select [From, To) (past the end or -1: up to the end) and put Text there.
struct Change {
  int From;
  int To;
  const char* Text;
};

struct LayoutCase {
  const char* Name;
  DWORD Style;
  const char* Start;
  std::vector<Change> Changes;
};

void Apply(HWND h, const Change& c) {
  SendMessageA(h, EM_SETSEL, static_cast<WPARAM>(c.From), static_cast<LPARAM>(c.To));
  SendMessageA(h, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(c.Text));
}

class EditLayout : public UserTest, public ::testing::WithParamInterface<LayoutCase> {
 protected:
  HWND Edit(const char* text) {
    return CreateWindowExA(0, "Edit", text, WS_CHILD | WS_VISIBLE | ES_MULTILINE | GetParam().Style,
                           0, 0, 120, 200, parent_, nullptr, nullptr, nullptr);
  }
  void SetUp() override {
    UserTest::SetUp();
    parent_ = Make("PlainWnd", WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 300, 300);
  }
  HWND parent_ = nullptr;
};

TEST_P(EditLayout, ChangedLinesMatchAFreshLayout) {
  HWND h = Edit(GetParam().Start);
  for (const Change& c : GetParam().Changes) {
    const std::string before = EditText(h);
    Apply(h, c);
    HWND fresh = Edit(EditText(h).c_str());
    EXPECT_EQ(EditLines(h), EditLines(fresh)) << "after putting '" << c.Text << "' at " << c.From;
    if (GetParam().Style & WS_HSCROLL) {
      // The bar's range follows the widest line.
      SCROLLINFO kept, laid;
      kept.fMask = laid.fMask = SIF_RANGE;
      GetScrollInfo(h, SB_HORZ, &kept);
      GetScrollInfo(fresh, SB_HORZ, &laid);
      EXPECT_EQ(kept.nMax, laid.nMax) << "after putting '" << c.Text << "' at " << c.From;
    }
    DestroyWindow(fresh);
    // Undo gives back the text before the change, and a second undo the change again.
    const std::string after = EditText(h);
    SendMessageA(h, EM_UNDO, 0, 0);
    EXPECT_EQ(EditText(h), before);
    SendMessageA(h, EM_UNDO, 0, 0);
    EXPECT_EQ(EditText(h), after);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Changes, EditLayout,
    ::testing::Values(
        LayoutCase{"AppendLines",
                   ES_AUTOHSCROLL,
                   "one",
                   {{9999, 9999, "\r\ntwo"}, {9999, 9999, "\r\nthree\r\n"}, {9999, 9999, "four"}}},
        LayoutCase{"JoinAndSplitParagraphs",
                   ES_AUTOHSCROLL,
                   "alpha\r\nbeta\r\ngamma",
                   {{5, 7, ""}, {2, 2, "\r\n"}, {0, -1, "x"}, {1, 1, "\r\n\r\n"}}},
        LayoutCase{"WrappedParagraphs",
                   0,
                   "the quick brown fox jumps over the lazy dog\r\nand runs far away",
                   {{4, 4, "very very "},
                    {0, 10, ""},
                    {30, 45, "\r\n"},
                    {9999, 9999, " again and again"}}},
        LayoutCase{"HorizontalBar",
                   WS_HSCROLL,
                   "short\r\na much longer line here\r\nmid",
                   {{6, 30, ""}, {0, 0, "widest line of them all\r\n"}, {0, 26, ""}}},
        // A line that loses characters may take the first word of the next one back, and one
        // that gains them may push its last word on: the lines before and after a change move.
        LayoutCase{"WordsFlowBackAndOn",
                   0,
                   "aaa bbb ccc ddd eee fff ggg hhh iii jjj kkk lll mmm nnn ooo ppp qqq rrr sss",
                   {{0, 3, ""},
                    {0, 0, "wwwwwwwwww "},
                    {17, 17, " "},
                    {20, 24, ""},
                    {9999, 9999, " tail"},
                    {0, 12, "a"}}},
        // Words wider than the line break at its edge; a blank put into one splits it there.
        LayoutCase{"WordsWiderThanTheLine",
                   0,
                   "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx yy "
                   "zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz",
                   {{30, 30, " "}, {30, 31, ""}, {58, 58, "\r\n"}, {5, 70, ""}}},
        // Blanks at a break stay on the line they end, however many; tabs wrap like words.
        LayoutCase{"BlanksAndTabsAtBreaks",
                   0,
                   "one two three four      five six\tseven\teight\tnine\tten eleven twelve",
                   {{18, 18, "          "}, {10, 10, "\t\t\t"}, {0, 25, ""}, {3, 3, "      "}}},
        LayoutCase{"ManyParagraphsEditedInTheMiddle",
                   0,
                   "p1 a b c d e f g h i j k l\r\np2 a b c d e f g h i j k l\r\np3 a b c d e f g "
                   "h i j k l\r\np4 a b c d e f g h i j k l\r\np5 a b c d e f g h i j k l",
                   {{27, 29, ""}, {60, 80, "joined "}, {40, 40, "\r\n\r\n"}, {0, 9999, ""}}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(UserTest, TypingJoinsOneUndoAndAnUndoableReplaceEndsIt) {
  HWND parent = Make("PlainWnd", WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 300, 300);
  HWND h = CreateWindowExA(0, "Edit", "start", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 200, 100,
                           parent, nullptr, nullptr, nullptr);
  SetFocus(h);
  SendMessageA(h, EM_SETSEL, 5, 5);
  TypeText(" abc");
  EXPECT_EQ(EditText(h), "start abc");
  SendMessageA(h, EM_UNDO, 0, 0);
  EXPECT_EQ(EditText(h), "start");
  // A replace that cannot be undone leaves nothing to undo.
  SendMessageA(h, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("!"));
  EXPECT_EQ(SendMessageA(h, EM_CANUNDO, 0, 0), FALSE);
  EXPECT_EQ(SendMessageA(h, EM_UNDO, 0, 0), FALSE);
  EXPECT_EQ(EditText(h), "start!");
}

}  // namespace
}  // namespace usertest
