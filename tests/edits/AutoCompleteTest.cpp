// Auto-complete typed into a linked edit: in place with the completed tail selected, from the
// pop-up list moved through with Up and Down and taken with Enter or given back with Esc, and
// the words it adds to its list on Enter or when the edit is left.
#include <gtest/gtest.h>

#include <string>

#include "edits/ZYLEditAutoComplete.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/StringList.h"
#include "platform/controls/StdCtrls.h"
#include "platform/user/WinUserConsts.h"
#include "tests/edits/EditTestHost.h"

namespace zyl {
namespace {

using edittest::THost;
namespace tk = win::testkit;

class AutoCompleteTest : public ::testing::Test {
 protected:
  AutoCompleteTest() {
    strings_ = new TZYLStringList(host_.Form());
    strings_->GetArrayItem(strings_->Add())
        ->GetList()
        ->SetText("apple\r\napplesauce\r\nbanana\r\n");
    ac_ = new TZYLEditAutoComplete(host_.Form());
    ac_->SetStringList(strings_);
    edit_ = host_.Edit("Edit1", 10, 10, 150);
    other_ = host_.Edit("Edit2", 10, 100, 150);
    edit_->SetAutoComplete(ac_);
    THost::Focus(edit_);
  }
  std::string State() const {
    return edit_->RawText() + "|" + std::to_string(edit_->SelStart()) + "+" +
           std::to_string(edit_->SelLength());
  }
  vcl::TStrings* Words() const { return strings_->GetArrayItem(0)->GetList(); }
  THost host_;
  TZYLStringList* strings_ = nullptr;
  TZYLEditAutoComplete* ac_ = nullptr;
  TZYLEdit* edit_ = nullptr;
  TZYLEdit* other_ = nullptr;
};

TEST_F(AutoCompleteTest, TypingCompletesInPlaceWithTheTailSelected) {
  ac_->SetMode(TZYLAutoCompleteModes{amText});
  tk::TypeText("ap");
  EXPECT_EQ(State(), "apple|3+3");
  EXPECT_EQ(edit_->CaretPos(), 3);
  tk::TypeText("plex");  // each letter replaces the tail and completes again
  EXPECT_EQ(State(), "applex|7+0");
  edit_->SetText("");
  tk::TypeText("applesa");
  EXPECT_EQ(State(), "applesauce|8+3");
  // Each completion is a step of its own: Undo takes it back, then the typed letter (which
  // had replaced the offered tail), then the completion before it.
  edit_->Undo();
  EXPECT_EQ(edit_->RawText(), "applesa");
  edit_->Undo();
  EXPECT_EQ(edit_->RawText(), "applesauce");
  edit_->Undo();
  EXPECT_EQ(edit_->RawText(), "apples");
}

TEST_F(AutoCompleteTest, WithoutCaseTheListsSpellingIsShown) {
  ac_->SetMode(TZYLAutoCompleteModes{amText});
  tk::TypeText("BA");
  EXPECT_EQ(edit_->RawText(), "BA");  // case-sensitive: no match
  ac_->SetCaseSensitive(false);
  edit_->SetText("");
  tk::TypeText("BA");
  EXPECT_EQ(State(), "banana|3+4");
}

TEST_F(AutoCompleteTest, BackspaceRemovesTheTailAndTheCharacterBeforeIt) {
  ac_->SetMode(TZYLAutoCompleteModes{amText});
  tk::TypeText("app");
  ASSERT_EQ(State(), "apple|4+2");
  tk::KeyPress(win::VK_BACK);
  EXPECT_EQ(State(), "ap|3+0");  // a deletion is not completed again
  ac_->SetEnabled(false);
  tk::TypeText("p");
  EXPECT_EQ(edit_->RawText(), "app");
}

TEST_F(AutoCompleteTest, ThePopupListsTheMatchesAndUpDownEnterEscapeWorkInIt) {
  ac_->SetMode(TZYLAutoCompleteModes{amPopup});
  tk::TypeText("a");
  vcl::TListBox* list = ac_->PopupList();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->Items()->Text(), "apple\r\napplesauce\r\n");
  EXPECT_TRUE(win::IsWindowVisible(list->Handle()));
  const vcl::TPoint below = edit_->ClientToScreen(vcl::TPoint{0, edit_->Height()});
  win::RECT r{};
  win::GetWindowRect(list->Handle(), &r);
  EXPECT_EQ(r.Left, below.X);
  EXPECT_EQ(r.Top, below.Y);
  tk::KeyPress(win::VK_DOWN);
  EXPECT_EQ(edit_->RawText(), "apple");
  tk::KeyPress(win::VK_DOWN);
  tk::KeyPress(win::VK_DOWN);  // past the last item: stays there
  EXPECT_EQ(edit_->RawText(), "applesauce");
  tk::KeyPress(win::VK_UP);
  EXPECT_EQ(edit_->RawText(), "apple");
  tk::KeyPress(win::VK_ESCAPE);
  EXPECT_EQ(State(), "a|1+1");  // the typed text comes back, selected
  EXPECT_EQ(ac_->PopupList(), nullptr);
  tk::TypeText("ap");
  tk::KeyPress(win::VK_DOWN);
  tk::KeyPress(win::VK_DOWN);
  tk::KeyPress(win::VK_RETURN);
  EXPECT_EQ(State(), "applesauce|1+10");
  EXPECT_EQ(ac_->PopupList(), nullptr);
}

// The edit put near the bottom of the screen (640 x 480): the list opens under it where it
// fits, else above it, as wide as the edit and in line with it; the keys still work in it.
struct TPopupPlaceCase {
  const char* Name;
  int Bottom;  // how far the edit's bottom edge is from the screen's bottom
  bool Above;
};

class AutoCompletePlaceTest : public AutoCompleteTest,
                              public ::testing::WithParamInterface<TPopupPlaceCase> {};

TEST_P(AutoCompletePlaceTest, ThePopupOpensUnderOrAboveTheEditOnTheScreen) {
  const TPopupPlaceCase& c = GetParam();
  constexpr int sh = 480;
  ASSERT_EQ(win::GetSystemMetrics(win::SM_CYSCREEN), sh);
  vcl::TForm* form = host_.Form();
  const vcl::TPoint at = edit_->ClientToScreen(vcl::TPoint{0, 0});
  form->SetBounds(form->Left(), form->Top() + sh - c.Bottom - edit_->Height() - at.Y, form->Width(),
                  form->Height());
  THost::Idle();
  ac_->SetMode(TZYLAutoCompleteModes{amPopup});
  tk::TypeText("a");
  vcl::TListBox* list = ac_->PopupList();
  ASSERT_NE(list, nullptr);
  win::RECT r{}, e{};
  win::GetWindowRect(list->Handle(), &r);
  win::GetWindowRect(edit_->Handle(), &e);
  const vcl::TPoint below = edit_->ClientToScreen(vcl::TPoint{0, edit_->Height()});
  EXPECT_EQ(r.Left, below.X);
  EXPECT_EQ(r.Width(), edit_->Width());
  if (c.Above)
    EXPECT_EQ(r.Bottom, e.Top);
  else
    EXPECT_EQ(r.Top, below.Y);
  EXPECT_GE(r.Top, 0);
  EXPECT_LE(r.Bottom, sh);
  tk::KeyPress(win::VK_DOWN);
  EXPECT_EQ(edit_->RawText(), "apple");
  tk::KeyPress(win::VK_RETURN);
  EXPECT_EQ(ac_->PopupList(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, AutoCompletePlaceTest,
                         ::testing::Values(TPopupPlaceCase{"WithRoomBelow", 100, false},
                                           TPopupPlaceCase{"AtTheBottom", 0, true},
                                           TPopupPlaceCase{"NearTheBottom", 20, true}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(AutoCompleteTest, ThePopupClosesWhenNothingOrOnlyTheTextItselfMatches) {
  ac_->SetMode(TZYLAutoCompleteModes{amPopup});
  tk::TypeText("b");
  EXPECT_NE(ac_->PopupList(), nullptr);
  tk::TypeText("x");  // no match left
  EXPECT_EQ(ac_->PopupList(), nullptr);
  tk::KeyPress(win::VK_BACK);
  EXPECT_NE(ac_->PopupList(), nullptr);
  tk::KeyPress(win::VK_BACK);  // empty text
  EXPECT_EQ(ac_->PopupList(), nullptr);
  tk::TypeText("banana");  // the only match equals the text
  EXPECT_EQ(ac_->PopupList(), nullptr);
  tk::TypeText("\b");
  // Leaving the edit closes the list and keeps the typed text.
  edit_->SetText("");
  tk::TypeText("ap");
  EXPECT_NE(ac_->PopupList(), nullptr);
  THost::Focus(other_);
  EXPECT_EQ(ac_->PopupList(), nullptr);
  EXPECT_EQ(edit_->RawText(), "ap");
}

TEST_F(AutoCompleteTest, UnknownWordsAreAddedOnceOnExitOrEnter) {
  ac_->SetAddUnknownOn(TZYLAutoCompleteAddOns{aaControlExit});
  ac_->SetCaseSensitive(false);
  tk::TypeText("cherry");
  THost::Focus(other_);
  EXPECT_EQ(Words()->Count(), 4);
  EXPECT_EQ(Words()->Get(3), "cherry");
  THost::Focus(edit_);
  edit_->SetText("CHERRY");
  THost::Focus(other_);
  EXPECT_EQ(Words()->Count(), 4);
  ac_->SetAddUnknownOn(TZYLAutoCompleteAddOns{aaControlReturn});
  THost::Focus(edit_);
  edit_->SetText("date");
  tk::KeyPress(win::VK_RETURN);
  EXPECT_EQ(Words()->Get(4), "date");
}

TEST_F(AutoCompleteTest, OnAddMayChangeOrRefuseTheWord) {
  ac_->SetOnAdd(TZYLAutoCompleteAddEvent(&host_.Events(), &edittest::TRecorder::AddWord));
  ac_->Add(edit_, "no");
  ac_->Add(edit_, "yes");
  EXPECT_EQ(Words()->Count(), 4);
  EXPECT_EQ(Words()->Get(3), "[yes]");
  ac_->SetStringListIndex(5);  // clamped to the container's lists
  EXPECT_EQ(ac_->StringListIndex(), 0);
}

}  // namespace
}  // namespace zyl
