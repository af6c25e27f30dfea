// The library's combo box base through TZYLComboBox: the incremental search on the virtual
// clock, the recently-used block with its separator, the focus hand-over after a selection or
// Enter, the flat and sunken borders and the edit child's focus and clicks.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <utility>

#include "edits/ZYLComboBox.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Colors.h"
#include "platform/user/ListComboConsts.h"
#include "tests/edits/ComboTestHost.h"
#include "tests/support/Cases.h"
#include "tests/support/StreamCopy.h"

namespace {

using combotest::Place;
using combotest::Texts;
using edittest::THost;
using zyl::TZYLComboBox;

// A colour as text, for tables of pixels.
std::string Hex(win::COLORREF c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(c));
  return buf;
}
std::string Rgb(vcl::TColor c) { return Hex(static_cast<win::COLORREF>(vcl::ColorToRGB(c))); }

class ComboBoxBase : public ::testing::Test {
 protected:
  TZYLComboBox* Combo(std::initializer_list<const char*> Items, int Y = 10) {
    auto* c = Place<TZYLComboBox>(host_, "Combo", 10, Y);
    for (const char* s : Items) c->Items()->Add(s);
    c->OnSelect = vcl::TNotifyEvent(&host_.Events(), &edittest::TRecorder::Changed);
    return c;
  }
  THost host_;
};

// ---------------------------------------------------------------------------------------------
// Incremental search

struct SearchCase {
  const char* Typed;
  const char* Text;  // after the pause
  int SelStart, SelLength;
};

class ComboSearch : public ComboBoxBase, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(ComboSearch, CompletesTheTypedTextAfterThePause) {
  const SearchCase& c = GetParam();
  TZYLComboBox* combo = Combo({"banjo", "apricot", "Banana", "apple", "cherry"});
  combo->SetSearch(true);
  THost::Focus(combo);
  win::testkit::TypeText(c.Typed);
  THost::Idle();
  // Before the pause has passed nothing is completed.
  win::testkit::AdvanceClock(1400);
  EXPECT_EQ(combo->Text(), c.Typed);
  EXPECT_TRUE(combo->SearchPending());
  win::testkit::AdvanceClock(200);
  THost::Idle();
  EXPECT_EQ(combo->Text(), c.Text);
  EXPECT_EQ(combo->SelStart(), c.SelStart);
  EXPECT_EQ(combo->SelLength(), c.SelLength);
  // The search ran once: its timer is gone.
  EXPECT_FALSE(combo->SearchPending());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComboSearch,
    ::testing::Values(SearchCase{"ap", "apple", 2, 3}, SearchCase{"apr", "apricot", 3, 4},
                      // Case counts: "Banana" does not start with "ban".
                      SearchCase{"ban", "banjo", 3, 2}, SearchCase{"Ba", "Banana", 2, 4},
                      SearchCase{"xy", "xy", 2, 0},
                      // Items that begin so in other cases only.
                      SearchCase{"AP", "AP", 2, 0}, SearchCase{"BAN", "BAN", 3, 0},
                      SearchCase{"a", "apple", 1, 4}, SearchCase{"banj", "banjo", 4, 1},
                      SearchCase{"c", "cherry", 1, 5}, SearchCase{"cherry", "cherry", 6, 0},
                      SearchCase{"cherryx", "cherryx", 7, 0}, SearchCase{"0", "0", 1, 0}));

// Among many items that begin alike in other cases, the first spelt as typed is chosen.
TEST_F(ComboBoxBase, SearchFindsTheFirstItemSpeltAsTypedAmongMany) {
  TZYLComboBox* combo = Combo({});
  combo->SetSearch(true);
  for (int i = 0; i < 300; ++i) {
    const std::string n = std::to_string(1000 + i);
    combo->Items()->Add("key" + n);
    combo->Items()->Add("KEY" + n);
  }
  combo->Items()->Add("Key1150");
  combo->Items()->Add("Key1299z");
  THost::Focus(combo);
  for (const auto& [typed, found] :
       std::vector<std::pair<std::string, std::string>>{{"Key", "Key1150"},
                                                        {"KEY12", "KEY1200"},
                                                        {"key1299", "key1299"},
                                                        {"Key1299", "Key1299z"}}) {
    combo->SetText("");
    win::testkit::TypeText(typed);
    win::testkit::AdvanceClock(2000);
    THost::Idle();
    EXPECT_EQ(combo->Text(), found) << typed;
  }
}

TEST_F(ComboBoxBase, SearchTurnsSortingOnEitherWay) {
  TZYLComboBox* combo = Combo({"b", "a"});
  combo->SetSearch(true);
  EXPECT_TRUE(combo->Sorted());
  EXPECT_EQ(Texts(combo), (std::vector<std::string>{"a", "b"}));
  combo->SetSorted(false);
  combo->SetSearch(false);
  EXPECT_TRUE(combo->Sorted());
}

TEST_F(ComboBoxBase, EmptyingTheTextWaitsLongerAndThenTakesTheFirstItem) {
  TZYLComboBox* combo = Combo({"delta", "alpha", "charlie"});
  combo->SetSearch(true);
  THost::Focus(combo);
  win::testkit::TypeText("c");
  win::testkit::KeyPress(win::VK_BACK);
  THost::Idle();
  EXPECT_EQ(combo->Text(), "");
  win::testkit::AdvanceClock(1600);
  EXPECT_EQ(combo->Text(), "");
  win::testkit::AdvanceClock(1000);
  THost::Idle();
  EXPECT_EQ(combo->Text(), "alpha");
  EXPECT_EQ(combo->SelStart(), 0);
  EXPECT_EQ(combo->SelLength(), 5);
}

TEST_F(ComboBoxBase, LeavingTheBoxDropsAPendingSearch) {
  TZYLComboBox* combo = Combo({"alpha"});
  auto* other = host_.Edit("Other", 10, 100);
  combo->SetSearch(true);
  THost::Focus(combo);
  win::testkit::TypeText("al");
  THost::Focus(other);
  EXPECT_FALSE(combo->SearchPending());
  win::testkit::AdvanceClock(3000);
  EXPECT_EQ(combo->Text(), "al");
}

TEST_F(ComboBoxBase, WithoutSearchKeysStartNoTimerTicks) {
  TZYLComboBox* combo = Combo({"alpha"});
  THost::Focus(combo);
  win::testkit::TypeText("al");
  win::testkit::AdvanceClock(3000);
  THost::Idle();
  EXPECT_EQ(combo->Text(), "al");
}

// ---------------------------------------------------------------------------------------------
// The recently-used block

class ComboMRU : public ComboBoxBase {
 protected:
  void SetUp() override {
    combo_ = Combo({"one", "two", "three", "four", "five", "six", "seven"});
    combo_->SetMRUList(true);
    EXPECT_EQ(combo_->Style(), vcl::csOwnerDrawFixed);
    combo_->SetDropDownCount(12);
  }
  // Chooses the item of that text in the list below the block.
  void Choose(const std::string& Text) {
    const int index = Texts(combo_).size() > 0 ? LastIndexOf(Text) : -1;
    ASSERT_GE(index, 0) << Text;
    combotest::ChooseByMouse(combo_, index);
  }
  int LastIndexOf(const std::string& Text) {
    const std::vector<std::string> t = Texts(combo_);
    for (int i = static_cast<int>(t.size()) - 1; i >= 0; --i)
      if (t[static_cast<size_t>(i)] == Text) return i;
    return -1;
  }
  std::vector<std::string> Block() {
    const std::vector<std::string> t = Texts(combo_);
    return {t.begin(), t.begin() + combo_->MRUCount()};
  }
  TZYLComboBox* combo_ = nullptr;
};

TEST_F(ComboMRU, KeepsTheNewestEntriesOnTopUpToMRUMax) {
  for (const char* s : {"one", "two", "three", "four", "five", "six"}) Choose(s);
  EXPECT_EQ(Block(), (std::vector<std::string>{"six", "five", "four", "three", "two"}));
  EXPECT_EQ(combo_->Items()->Count(), 12);
  EXPECT_EQ(combo_->ItemIndex(), 0);
  EXPECT_TRUE(combo_->isMRUItem(4));
  EXPECT_FALSE(combo_->isMRUItem(5));
  EXPECT_EQ(host_.Events().Take(), "change change change change change change");
  // An item equal to an entry selects the entry and adds nothing; an entry chosen again stays
  // where it is.
  Choose("four");
  EXPECT_EQ(combo_->ItemIndex(), 2);
  combotest::ChooseByMouse(combo_, 3);
  EXPECT_EQ(Block(), (std::vector<std::string>{"six", "five", "four", "three", "two"}));
  EXPECT_EQ(combo_->ItemIndex(), 3);
}

TEST_F(ComboMRU, DrawsTheDoubleSeparatorUnderTheBlockInTheDroppedListOnly) {
  for (const char* s : {"one", "two"}) Choose(s);
  combotest::ClickButton(combo_);
  ASSERT_TRUE(combo_->DroppedDown());
  const win::testkit::TCapture list = combotest::ShotWindow(combo_->ListHandle());
  win::RECT last = combotest::ListItemRect(combo_, 1);
  win::RECT first = combotest::ListItemRect(combo_, 0);
  // The list window's border is one pixel wide.
  const int x = 1 + (last.Left + last.Right) / 2;
  for (auto [y, black] : {std::pair{last.Bottom - 3, true},
                          {last.Bottom - 1, true},
                          {last.Bottom - 2, false},
                          {first.Bottom - 1, false}}) {
    const bool isBlack = list.Color(x, 1 + y) == 0;
    EXPECT_EQ(isBlack, black) << "row " << y;
  }
  combotest::ClickButton(combo_);
}

TEST_F(ComboMRU, ShrinksWithMRUMaxAndVanishesWithTheList) {
  for (const char* s : {"one", "two", "three", "four"}) Choose(s);
  combo_->SetMRUMax(2);
  EXPECT_EQ(Block(), (std::vector<std::string>{"four", "three"}));
  EXPECT_EQ(combo_->Items()->Count(), 9);
  combo_->SetMRUList(false);
  EXPECT_EQ(combo_->MRUCount(), 0);
  EXPECT_EQ(Texts(combo_).front(), "one");
  EXPECT_EQ(combo_->Items()->Count(), 7);
}

TEST_F(ComboMRU, AMaximumOfNoneOrBelowKeepsNoEntries) {
  for (int max : {0, -3}) {
    combo_->SetMRUMax(max);
    Choose("two");
    EXPECT_EQ(combo_->MRUCount(), 0) << max;
    EXPECT_EQ(combo_->Items()->Count(), 7) << max;
    EXPECT_EQ(combo_->Text(), "two");
  }
}

// ---------------------------------------------------------------------------------------------
// Focus hand-over

TEST_F(ComboBoxBase, EnterAndAMouseChoiceHandTheFocusOverButArrowKeysDoNot) {
  TZYLComboBox* combo = Combo({"a", "b", "c"});
  combo->SetStyle(vcl::csDropDownList);
  auto* next = host_.Edit("Next", 10, 100);
  combo->SetFocusControl(next);
  THost::Focus(combo);
  win::testkit::KeyPress(win::VK_DOWN);
  THost::Idle();
  EXPECT_EQ(combo->Text(), "a");
  EXPECT_TRUE(combo->Focused());
  win::testkit::KeyPress(win::VK_RETURN);
  THost::Idle();
  EXPECT_TRUE(next->Focused());
  THost::Focus(combo);
  combotest::ChooseByMouse(combo, 2);
  EXPECT_EQ(combo->Text(), "c");
  EXPECT_TRUE(next->Focused());
  // The focus control going away clears the link.
  delete next;
  EXPECT_EQ(combo->FocusControl(), nullptr);
  THost::Focus(combo);
  win::testkit::KeyPress(win::VK_RETURN);
  EXPECT_TRUE(combo->Focused());
}

// A handler of the box's exit frees the control the focus is being handed to.
struct TFreeOnExit : vcl::TObject {
  vcl::TControl* Victim = nullptr;
  void Exit(vcl::TObject*) { delete std::exchange(Victim, nullptr); }
};

TEST_F(ComboBoxBase, AFocusControlFreedWhileTheFocusMovesToItLeavesTheBoxWorking) {
  TZYLComboBox* combo = Combo({"a", "b", "c"});
  combo->SetStyle(vcl::csDropDownList);
  TFreeOnExit freer;
  freer.Victim = host_.Edit("Next", 10, 100);
  combo->SetFocusControl(static_cast<vcl::TWinControl*>(freer.Victim));
  THost::Focus(combo);
  combo->OnExit = vcl::TNotifyEvent(&freer, &TFreeOnExit::Exit);
  win::testkit::KeyPress(win::VK_RETURN);
  THost::Idle();
  EXPECT_EQ(freer.Victim, nullptr);
  EXPECT_EQ(combo->FocusControl(), nullptr);
  // The box takes the focus and its keys as before; Enter now keeps the focus.
  combo->OnExit = nullptr;
  THost::Focus(combo);
  win::testkit::KeyPress(win::VK_DOWN);
  win::testkit::KeyPress(win::VK_RETURN);
  THost::Idle();
  EXPECT_TRUE(combo->Focused());
  EXPECT_EQ(combo->Text(), "a");  // the first item, nothing having been chosen before
}

TEST_F(ComboBoxBase, TheFocusReallyMovesToAControlOnAnotherForm) {
  TZYLComboBox* combo = Combo({"a", "b"});
  auto other = std::make_unique<vcl::TForm>(nullptr);
  other->SetBounds(400, 0, 200, 120);
  auto* target = new vcl::TEdit(other.get());
  target->SetParent(other.get());
  other->Show();
  combo->SetFocusControl(target);
  THost::Focus(combo);
  win::testkit::KeyPress(win::VK_RETURN);
  THost::Idle();
  EXPECT_EQ(win::GetFocus(), target->Handle());
  other.reset();
  EXPECT_EQ(combo->FocusControl(), nullptr);
}

// ---------------------------------------------------------------------------------------------
// Border, edit child, dropped width

TEST_F(ComboBoxBase, FlatBoxesShowRingsUntilHotOrFocused) {
  TZYLComboBox* combo = Combo({"a"});
  combo->SetFlat(true);
  // Away from the mouse and the focus: two button-face rings and a window-colour ring.
  win::testkit::MouseMove(600, 400);
  THost::Idle();
  EXPECT_TRUE(combotest::RingsAre(combotest::ShotWindow(combo->Handle()),
                                  {vcl::clBtnFace, vcl::clBtnFace, vcl::clWindow}, "flat"));
  // Focused: the sunken look (shadow outside, the frame colour inside at the top left).
  THost::Focus(combo);
  const win::testkit::TCapture sunken = combotest::ShotWindow(combo->Handle());
  const int w = sunken.Width, h = sunken.Height;
  testsupport::ExpectCases({{Hex(sunken.Color(5, 0)), Rgb(vcl::clBtnShadow)},
                            {Hex(sunken.Color(5, 1)), Rgb(vcl::clWindowFrame)},
                            {Hex(sunken.Color(5, h - 1)), Rgb(vcl::clBtnHighlight)},
                            {Hex(sunken.Color(w - 2, h / 2)), Rgb(vcl::clBtnFace)}});
  // Hot (the mouse above it) without the focus: sunken too.
  host_.Edit("Other", 10, 100);
  THost::Focus(static_cast<vcl::TWinControl*>(host_.Form()->FindComponent("Other")));
  // Over the drop button: the combo's own window.
  const win::POINT p = THost::At(combo, combo->Width() - 8, 6);
  win::testkit::MouseMove(p.X, p.Y);
  THost::Idle();
  EXPECT_EQ(Hex(combotest::ShotWindow(combo->Handle()).Color(5, 1)), Rgb(vcl::clWindowFrame));
  win::testkit::MouseMove(600, 400);
  THost::Idle();
  EXPECT_TRUE(combotest::RingsAre(combotest::ShotWindow(combo->Handle()),
                                  {vcl::clBtnFace, vcl::clBtnFace, vcl::clWindow}, "flat_again"));
}

TEST_F(ComboBoxBase, AFlatBoxTurnsHotWhenTheMouseComesStraightOntoItsTextField) {
  TZYLComboBox* combo = Combo({"a"});
  combo->SetFlat(true);
  host_.Edit("Other", 10, 100);
  THost::Focus(static_cast<vcl::TWinControl*>(host_.Form()->FindComponent("Other")));
  const vcl::TRect form = host_.Form()->BoundsRect();
  for (const win::POINT outside :
       {win::POINT{form.Right + 40, form.Bottom + 40}, win::POINT{form.Right + 60, form.Top + 5}}) {
    win::testkit::MouseMove(outside.X, outside.Y);
    THost::Idle();
    EXPECT_TRUE(combotest::RingsAre(combotest::ShotWindow(combo->Handle()),
                                    {vcl::clBtnFace, vcl::clBtnFace, vcl::clWindow}, "away"));
    // One move from outside the form onto the text field (the edit child's window).
    const win::POINT text = THost::At(combo, 20, combo->Height() / 2);
    ASSERT_EQ(win::WindowFromPoint(text), combo->EditHandle());
    win::testkit::MouseMove(text.X, text.Y);
    THost::Idle();
    EXPECT_EQ(Hex(combotest::ShotWindow(combo->Handle()).Color(5, 1)), Rgb(vcl::clWindowFrame));
  }
  win::testkit::MouseMove(form.Right + 40, form.Bottom + 40);
  THost::Idle();
  EXPECT_TRUE(combotest::RingsAre(combotest::ShotWindow(combo->Handle()),
                                  {vcl::clBtnFace, vcl::clBtnFace, vcl::clWindow}, "left"));
}

TEST_F(ComboBoxBase, TheEditChildReportsClicksAndKeepsTheBorderSunken) {
  TZYLComboBox* combo = Combo({"a"});
  combo->SetFlat(true);
  combo->SetOnEditClick(vcl::TNotifyEvent(&host_.Events(), &edittest::TRecorder::Modified));
  const win::POINT p = THost::At(combo, 20, 8);
  win::testkit::Click(p.X, p.Y);
  THost::Idle();
  EXPECT_EQ(host_.Events().Take(), "modified");
  win::testkit::MouseMove(600, 400);
  THost::Idle();
  EXPECT_EQ(Hex(combotest::ShotWindow(combo->Handle()).Color(5, 1)), Rgb(vcl::clWindowFrame));
}

TEST_F(ComboBoxBase, DropDownWidthReachesTheWindowAndOutlivesIt) {
  TZYLComboBox* combo = Combo({"a"});
  combo->SetDropDownWidth(300);
  THost::Idle();
  EXPECT_EQ(win::SendMessageA(combo->Handle(), win::CB_GETDROPPEDWIDTH, 0, 0), 300);
  combo->SetStyle(vcl::csDropDownList);  // a new window
  EXPECT_EQ(win::SendMessageA(combo->Handle(), win::CB_GETDROPPEDWIDTH, 0, 0), 300);
}

// Setting Search turns Sorted on; a box whose Sorted was then turned off again keeps both
// through a form file, where Sorted = False (the default) is not written.
TEST_F(ComboBoxBase, SearchWithoutSortingSurvivesAFormStream) {
  TZYLComboBox* combo = Combo({"b", "a"});
  combo->SetSearch(true);
  EXPECT_TRUE(combo->Sorted());
  combo->SetSorted(false);
  const std::unique_ptr<TZYLComboBox> copy = testsupport::StreamCopy(combo);
  EXPECT_TRUE(copy->Search());
  EXPECT_FALSE(copy->Sorted());
  // Set by the program, Search still sorts.
  copy->SetSearch(false);
  EXPECT_TRUE(copy->Sorted());
}

// MRUList draws its items itself; a box whose style was set back afterwards keeps that style
// through a form file, where csDropDown (the default) is not written.
TEST_F(ComboBoxBase, RecentItemsWithTheirOwnStyleSurviveAFormStream) {
  TZYLComboBox* combo = Combo({"b", "a"});
  combo->SetMRUList(true);
  EXPECT_EQ(combo->Style(), vcl::csOwnerDrawFixed);
  combo->SetStyle(vcl::csDropDown);
  const std::unique_ptr<TZYLComboBox> copy = testsupport::StreamCopy(combo);
  EXPECT_TRUE(copy->MRUList());
  EXPECT_EQ(copy->Style(), vcl::csDropDown);
}

// Items of varying height are all as high as ItemHeight, whatever OnMeasureItem answers, and 4
// pixels higher while the recently-used block is on.
struct TMeasureAnswer : vcl::TObject {
  int Asked = 0;
  void Measure(vcl::TWinControl*, int, int& Height) {
    ++Asked;
    Height = 40;
  }
};

TEST_F(ComboBoxBase, MeasuredItemsTakeTheItemHeightAndRoomForTheRecentBlock) {
  TZYLComboBox* combo = Combo({"a", "b", "c"});
  TMeasureAnswer answer;
  combo->OnMeasureItem = vcl::TMeasureItemEvent(&answer, &TMeasureAnswer::Measure);
  combo->SetItemHeight(18);
  for (const bool recent : {false, true}) {
    SCOPED_TRACE(recent);
    combo->SetMRUList(recent);
    combo->SetStyle(vcl::csOwnerDrawVariable);
    THost::Idle();
    answer.Asked = 0;
    combo->RecreateWnd();
    combo->HandleNeeded();
    THost::Idle();
    EXPECT_GT(answer.Asked, 0);
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(combo->Perform(win::CB_GETITEMHEIGHT, i, 0), recent ? 22 : 18) << i;
  }
}

// A theme change builds the box's window anew (the new look comes with the new window); the
// items and the selection stay.
TEST_F(ComboBoxBase, AThemeChangeBuildsTheWindowAnewKeepingItemsAndSelection) {
  TZYLComboBox* combo = Combo({"a", "b", "c"});
  combo->SetItemIndex(1);
  const win::HWND before = combo->Handle();
  combo->Perform(win::WM_THEMECHANGED, 0, 0);
  edittest::THost::Idle();
  EXPECT_NE(combo->Handle(), before);
  EXPECT_FALSE(win::IsWindow(before));
  EXPECT_EQ(combo->Items()->Count(), 3);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), "b");
}

}  // namespace
