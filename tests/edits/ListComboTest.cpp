// The list combo box driven as a user drives it: the list opened by its button, F4 and Down,
// accepted by Enter or a click on an item, cancelled by Escape, focus loss and clicks elsewhere;
// stepping through the items with Up and the wheel while closed; the list-only style; the
// history edit, which is a list combo under its own name; and a drop-down edit whose control is
// made on its first drop-down.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "buttons/ZYLSpecialButtons.h"
#include "edits/ZYLHistoryEdit.h"
#include "edits/ZYLListComboBox.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/testkit/DialogScript.h"
#include "tests/edits/EditTestHost.h"
#include "tests/support/AppScope.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

using edittest::THost;
namespace tk = win::testkit;

// Writes the drop-down events.
struct TComboEvents : vcl::TObject {
  std::vector<std::string> Log;
  bool Allow = true;
  void AllowDrop(vcl::TObject*, bool& AllowDrop) { AllowDrop = Allow; }
  void Before(vcl::TObject*) { Log.push_back("before"); }
  void Dropped(vcl::TObject*) { Log.push_back("dropdown"); }
  void Accepted(vcl::TObject*) { Log.push_back("accept"); }
  void Cancelled(vcl::TObject*) { Log.push_back("cancel"); }
  void Item(vcl::TObject*) { Log.push_back("item"); }
  std::string Take() { return testsupport::TakeLog(Log); }
};

class ListComboTest : public ::testing::Test {
 protected:
  ListComboTest() {
    combo_ = Place<TZYLListComboBox>("Combo", 10, 10);
    for (const char* s : {"apple", "banana", "cherry"}) combo_->Items()->Add(s);
    other_ = host_.Edit("Other", 10, 150, 100);
  }
  template <class T>
  T* Place(const char* Name, int X, int Y) {
    auto* c = new T(host_.Form());
    c->SetName(Name);
    c->SetBounds(X, Y, 120, 21);
    c->SetParent(host_.Form());
    c->SetOnAllowDropDown(TZYLAllowDropEvent(&events_, &TComboEvents::AllowDrop));
    c->SetOnBeforeDropDown(vcl::TNotifyEvent(&events_, &TComboEvents::Before));
    c->SetOnDropDown(vcl::TNotifyEvent(&events_, &TComboEvents::Dropped));
    c->SetOnDropDownAccept(vcl::TNotifyEvent(&events_, &TComboEvents::Accepted));
    c->SetOnDropDownCancel(vcl::TNotifyEvent(&events_, &TComboEvents::Cancelled));
    c->SetOnAcceptItem(vcl::TNotifyEvent(&events_, &TComboEvents::Item));
    THost::Idle();
    return c;
  }
  // Clicks the drop-down button (a while after any earlier click).
  void ClickButton(TZYLCustomExtCombo* C) {
    tk::AdvanceClock(1000);
    vcl::testkit::ClickControl(C->CustomButtons()->GetItem(0)->Button());
    THost::Idle();
  }
  void ClickAt(vcl::TControl* C, int X, int Y) {
    tk::AdvanceClock(1000);
    const win::POINT p = THost::At(C, X, Y);
    tk::Click(p.X, p.Y);
    THost::Idle();
  }
  int RowHeight(TZYLCustomExtCombo* C) {
    vcl::TCanvas* c = C->Canvas();
    c->SetFont(C->Font());
    return c->TextHeight("Wq");
  }
  bool ListShown(TZYLCustomListComboBox* C) {
    return win::IsWindowVisible(C->GetListBox()->Handle()) != 0;
  }

  THost host_;
  TComboEvents events_;
  TZYLListComboBox* combo_ = nullptr;
  TZYLEdit* other_ = nullptr;
};

TEST_F(ListComboTest, TheButtonDropsTheListUnderTheEditAndASecondClickClosesIt) {
  ClickButton(combo_);
  ASSERT_TRUE(combo_->DroppedDown());
  EXPECT_TRUE(ListShown(combo_));
  EXPECT_TRUE(combo_->Focused());
  win::RECT r;
  win::GetWindowRect(combo_->GetListBox()->Handle(), &r);
  const win::POINT under = THost::At(combo_, 0, combo_->Height() - 2);
  EXPECT_EQ(r.Left, under.X);
  EXPECT_EQ(r.Top, under.Y);
  EXPECT_EQ(r.Right - r.Left, combo_->Width());
  EXPECT_EQ(events_.Take(), "before dropdown");
  ClickButton(combo_);
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_FALSE(ListShown(combo_));
  EXPECT_EQ(events_.Take(), "cancel");
  // The next click opens it again.
  ClickButton(combo_);
  EXPECT_TRUE(combo_->DroppedDown());
}

// The focus a click on the button brings is sent on by OnEnter, or OnEnter disables or hides the
// combo: the click drops nothing.
struct TEnterCut {
  const char* Name;
  void (*Cut)(TZYLListComboBox* combo, TZYLEdit* other);
};

struct TEnterCutter : vcl::TObject {
  std::function<void()> Cut;
  void Enter(vcl::TObject*) {
    if (auto cut = std::exchange(Cut, nullptr)) cut();
  }
};

class ListComboEnterCut : public ListComboTest, public ::testing::WithParamInterface<TEnterCut> {};

TEST_P(ListComboEnterCut, TheClickDropsNothing) {
  THost::Focus(other_);
  TEnterCutter cutter;
  cutter.Cut = [this] { GetParam().Cut(combo_, other_); };
  combo_->OnEnter = vcl::TNotifyEvent(&cutter, &TEnterCutter::Enter);
  ClickButton(combo_);
  EXPECT_EQ(cutter.Cut, nullptr) << "OnEnter did not come";
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_FALSE(combo_->GetListBox() && combo_->GetListBox()->HandleAllocated() &&
               ListShown(combo_));
  EXPECT_EQ(events_.Take(), "");
  EXPECT_EQ(win::GetCapture(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ListComboEnterCut,
    ::testing::Values(
        TEnterCut{"FocusSentOn", [](TZYLListComboBox*, TZYLEdit* other) { other->SetFocus(); }},
        TEnterCut{"Disabled", [](TZYLListComboBox* combo, TZYLEdit*) { combo->SetEnabled(false); }},
        TEnterCut{"Hidden", [](TZYLListComboBox* combo, TZYLEdit*) { combo->Hide(); }}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ListComboTest, TheListIsAsManyRowsHighAsItHasItemsUpToDropDownCount) {
  combo_->Open();
  EXPECT_EQ(combo_->GetListBox()->Height(), 3 * RowHeight(combo_) + 4);
  combo_->Close(false);
  for (int i = 0; i < 17; ++i) combo_->Items()->Add("item " + std::to_string(i));
  combo_->SetDropDownWidth(200);
  combo_->DoDropDownClick();  // only clears the just-closed mark
  EXPECT_FALSE(combo_->DroppedDown());
  combo_->DoDropDownClick();
  EXPECT_EQ(combo_->GetListBox()->Height(), 8 * RowHeight(combo_) + 4);
  EXPECT_EQ(combo_->GetListBox()->Width(), 200);
}

TEST_F(ListComboTest, KeysOpenMoveAndAcceptTheList) {
  THost::Focus(combo_);
  tk::KeyPress(win::VK_F4);
  ASSERT_TRUE(combo_->DroppedDown());
  tk::KeyPress(win::VK_DOWN);
  tk::KeyPress(win::VK_DOWN);
  tk::KeyPress(win::VK_RETURN);
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_EQ(combo_->RawText(), "banana");
  EXPECT_EQ(combo_->ItemIndex(), 1);
  EXPECT_EQ(events_.Take(), "before dropdown item accept");
  tk::KeyPress(win::VK_DOWN);  // Down opens a closed list too
  EXPECT_TRUE(combo_->DroppedDown());
  EXPECT_EQ(combo_->GetListBox()->ItemIndex(), 1);  // at the item the text names
}

TEST_F(ListComboTest, EscapeRestoresTheTextTypedBeforeOpening) {
  THost::Focus(combo_);
  tk::TypeText("ban");
  tk::KeyPress(win::VK_F4);
  tk::KeyPress(win::VK_DOWN);
  tk::KeyPress(win::VK_DOWN);
  tk::KeyPress(win::VK_ESCAPE);
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_EQ(combo_->RawText(), "ban");
  EXPECT_EQ(events_.Take(), "before dropdown cancel");
  // Escape forgets the closing: the next request opens at once.
  tk::KeyPress(win::VK_F4);
  EXPECT_TRUE(combo_->DroppedDown());
}

TEST_F(ListComboTest, AClickOnAnItemAcceptsIt) {
  ClickButton(combo_);
  vcl::TListBox* list = combo_->GetListBox();
  const int row = list->ItemRect(2).Bottom - list->ItemRect(2).Top;
  const win::POINT p = THost::At(list, 5, 2 * row + row / 2);
  tk::MouseMove(p.X, p.Y);
  EXPECT_EQ(list->ItemIndex(), 2);  // the selection follows the mouse
  tk::Click(p.X, p.Y);
  THost::Idle();
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_EQ(combo_->RawText(), "cherry");
  EXPECT_TRUE(combo_->Focused());
  EXPECT_EQ(events_.Take(), "before dropdown item accept");
}

TEST_F(ListComboTest, FocusLossAndClicksElsewhereCancel) {
  combo_->SetText("typed");
  ClickButton(combo_);
  THost::Focus(other_);
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_EQ(combo_->RawText(), "typed");
  EXPECT_EQ(events_.Take(), "before dropdown cancel");
  ClickButton(combo_);
  ASSERT_TRUE(combo_->DroppedDown());
  ClickAt(host_.Form(), 300, 200);  // the form's empty ground
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_EQ(events_.Take(), "before dropdown cancel");
  ClickButton(combo_);
  ClickAt(combo_, 5, 5);  // the edit itself
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_TRUE(combo_->Focused());
}

// The window system's cancel mode (a modal loop or a menu starting, say) closes an open list
// without taking its item; the text stays as typed.
TEST_F(ListComboTest, CancelModeClosesTheListWithoutTakingTheItem) {
  combo_->SetText("typed");
  ClickButton(combo_);
  ASSERT_TRUE(combo_->DroppedDown());
  events_.Take();
  tk::KeyPress(win::VK_DOWN);  // an item highlighted, not taken
  combo_->Perform(win::WM_CANCELMODE, 0, 0);
  THost::Idle();
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_FALSE(ListShown(combo_));
  EXPECT_EQ(combo_->RawText(), "typed");
  EXPECT_EQ(events_.Take(), "cancel");
}

// DroppedDown set from code opens and closes the list as the button does; closing so takes no
// item, and setting it again opens the list again.
TEST_F(ListComboTest, DroppedDownSetFromCodeOpensAndClosesTheList) {
  combo_->SetText("typed");
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    combo_->SetDroppedDown(true);
    THost::Idle();
    EXPECT_TRUE(combo_->DroppedDown());
    EXPECT_TRUE(ListShown(combo_));
    EXPECT_EQ(events_.Take(), "before dropdown");
    combo_->SetDroppedDown(true);  // already open: stays so
    EXPECT_TRUE(combo_->DroppedDown());
    EXPECT_EQ(events_.Take(), "");
    combo_->SetDroppedDown(false);
    THost::Idle();
    EXPECT_FALSE(combo_->DroppedDown());
    EXPECT_FALSE(ListShown(combo_));
    EXPECT_EQ(combo_->RawText(), "typed");
    EXPECT_EQ(events_.Take(), "cancel");
    combo_->SetDroppedDown(false);  // already closed: nothing
    EXPECT_EQ(events_.Take(), "");
  }
}

// Sorted, set while the list exists, sorts the list's items; the list shows them in order.
TEST_F(ListComboTest, SortedSortsTheExistingList) {
  combo_->Items()->Clear();
  for (const char* s : {"pear", "apple", "fig"}) combo_->Items()->Add(s);
  combo_->SetSorted(true);
  EXPECT_TRUE(combo_->GetListBox()->Sorted());
  std::vector<std::string> shown;
  for (int i = 0; i < combo_->GetListBox()->Items()->Count(); ++i)
    shown.push_back(combo_->GetListBox()->Items()->Strings(i));
  EXPECT_EQ(shown, (std::vector<std::string>{"apple", "fig", "pear"}));
}

TEST_F(ListComboTest, AnApplicationThatForbidsDroppingKeepsItClosed) {
  events_.Allow = false;
  ClickButton(combo_);
  THost::Focus(combo_);
  tk::KeyPress(win::VK_F4);
  tk::KeyPress(win::VK_DOWN);
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_EQ(events_.Take(), "");
}

TEST_F(ListComboTest, NearTheScreensBottomTheListOpensAboveTheEdit) {
  host_.Form()->SetBounds(0, 440, 320, 40);  // the screen is 480 high
  THost::Idle();
  combo_->Open();
  win::RECT r;
  win::GetWindowRect(combo_->GetListBox()->Handle(), &r);
  const win::POINT top = THost::At(combo_, 0, 0);
  EXPECT_EQ(r.Bottom - r.Top, combo_->GetListBox()->Height());
  EXPECT_EQ(r.Bottom, top.Y);  // it ends where the edit begins
}

// A list wider than the edit (DropDownWidth), the edit near an edge of the screen (640 x 480):
// the list keeps its width and row under (or above) the edit and is moved sideways onto the
// screen; where there is room it starts in line with the edit.
struct TWideListCase {
  const char* Name;
  int Left;  // the form's left edge on the screen
  int DropDownWidth;
  int ListLeft;  // where the list starts; kInLine: where the edit's client area starts
};

constexpr int kInLine = -1;

class WideListTest : public ListComboTest, public ::testing::WithParamInterface<TWideListCase> {};

TEST_P(WideListTest, TheListIsMovedSidewaysOntoTheScreen) {
  const TWideListCase& c = GetParam();
  ASSERT_EQ(win::GetSystemMetrics(win::SM_CXSCREEN), 640);
  host_.Form()->SetBounds(c.Left, 100, 320, 240);
  combo_->SetDropDownWidth(c.DropDownWidth);
  THost::Idle();
  ClickButton(combo_);
  ASSERT_TRUE(combo_->DroppedDown());
  win::RECT r;
  win::GetWindowRect(combo_->GetListBox()->Handle(), &r);
  EXPECT_EQ(r.Left, c.ListLeft == kInLine ? THost::At(combo_, 0, 0).X : c.ListLeft);
  EXPECT_EQ(r.Right - r.Left, c.DropDownWidth);
  EXPECT_EQ(r.Top, THost::At(combo_, 0, combo_->Height() - 2).Y);
  // The keyboard still takes an item from it.
  tk::KeyPress(win::VK_DOWN);
  tk::KeyPress(win::VK_RETURN);
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_EQ(combo_->ItemIndex(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, WideListTest,
                         ::testing::Values(TWideListCase{"WithRoom", 100, 300, kInLine},
                                           TWideListCase{"AtTheRightEdge", 400, 300, 340},
                                           TWideListCase{"WiderThanTheScreen", 400, 700, 0}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ListComboTest, UpAndTheWheelStepThroughTheItemsWhileClosed) {
  THost::Focus(combo_);
  tk::TypeText("own words");
  tk::KeyPress(win::VK_UP);  // nothing selected: nothing to step from, the text stays
  EXPECT_EQ(combo_->RawText(), "own words");
  combo_->SetItemIndex(0);
  EXPECT_EQ(combo_->RawText(), "apple");
  events_.Take();
  tk::KeyPress(win::VK_UP);  // at the first item: nothing happens
  EXPECT_EQ(combo_->RawText(), "apple");
  EXPECT_EQ(events_.Take(), "");
  const win::POINT p = THost::At(combo_, 5, 5);
  tk::MouseMove(p.X, p.Y);
  tk::Wheel(-120);
  EXPECT_EQ(combo_->RawText(), "banana");
  tk::Wheel(-120);
  tk::Wheel(-120);  // past the last item: stays
  EXPECT_EQ(combo_->RawText(), "cherry");
  tk::Wheel(120);
  EXPECT_EQ(combo_->RawText(), "banana");
  EXPECT_EQ(combo_->ItemIndex(), 1);
  EXPECT_FALSE(combo_->DroppedDown());
}

TEST_F(ListComboTest, TheListOnlyStyleTakesNoTypingAndOpensOnAClick) {
  combo_->SetStyle(csDropDownList);
  combo_->SelectItem("banana");
  THost::Focus(combo_);
  tk::TypeText("x");
  EXPECT_EQ(combo_->RawText(), "banana");
  ClickAt(combo_, 5, 5);
  EXPECT_TRUE(combo_->DroppedDown());
  ClickAt(combo_, 5, 5);
  EXPECT_FALSE(combo_->DroppedDown());
  // Focused, the text stands on a grey ground inside a focus rectangle.
  const vcl::TRect t = combo_->TextRect();
  const win::testkit::TCapture shot = host_.Shot(combo_);
  EXPECT_EQ(shot.Color(t.Right - 3, t.Bottom - 3), 0xC0C0C0u);
}

TEST_F(ListComboTest, AHistoryEditOffersItsEntriesAndTakesNewText) {
  auto* history = Place<TZYLHistoryEdit>("History", 10, 60);
  history->Items()->Add("first search");
  history->Items()->Add("second search");
  THost::Focus(history);
  tk::TypeText("second search");
  tk::KeyPress(win::VK_F4);
  EXPECT_EQ(history->GetListBox()->ItemIndex(), 1);
  tk::KeyPress(win::VK_UP);
  tk::KeyPress(win::VK_RETURN);
  EXPECT_EQ(history->RawText(), "first search");
  history->SelectAll();
  tk::TypeText("third");
  EXPECT_EQ(history->RawText(), "third");
  EXPECT_EQ(history->ItemIndex(), 0);  // the last accepted entry
}

TEST_F(ListComboTest, NoneSelectedUntilAnItemIsChosen) {
  EXPECT_TRUE(combo_->NoneSelected());
  EXPECT_EQ(combo_->GetSelectedText(), "");
  combo_->SetItemIndex(1);
  EXPECT_FALSE(combo_->NoneSelected());
  EXPECT_EQ(combo_->GetSelectedText(), "banana");
  combo_->SetItemIndex(-1);
  EXPECT_TRUE(combo_->NoneSelected());
}

// A drop-down edit whose control, a panel, is made on the first drop-down.
class TPanelCombo : public TZYLCustomExtCombo {
 public:
  using TZYLCustomExtCombo::TZYLCustomExtCombo;
  int Made = 0;

 protected:
  void CreateControl() override {
    ++Made;
    auto* panel = new vcl::TPanel(this);
    panel->SetBounds(0, 0, 150, 60);
    SetControl(panel);
  }
};

TEST_F(ListComboTest, GetControlAnswersTheControlThatDropsDown) {
  // The list combo's control is its list, made with it.
  EXPECT_EQ(static_cast<TZYLCustomExtCombo*>(combo_)->GetControl(), combo_->GetListBox());
  // A control made on the first drop-down: none before, then that one for good.
  auto* panels = new TPanelCombo(host_.Form());
  panels->SetBounds(10, 60, 120, 21);
  panels->SetParent(host_.Form());
  THost::Idle();
  EXPECT_EQ(panels->GetControl(), nullptr);
  panels->Open();
  vcl::TWinControl* made = panels->GetControl();
  ASSERT_NE(made, nullptr);
  EXPECT_TRUE(win::IsWindowVisible(made->Handle()));
  win::RECT r;
  win::GetWindowRect(made->Handle(), &r);
  const win::POINT under = THost::At(panels, 0, panels->Height() - 2);
  EXPECT_EQ(r.Left, under.X);
  EXPECT_EQ(r.Top, under.Y);
  panels->Close(false);
  EXPECT_FALSE(win::IsWindowVisible(made->Handle()));
  panels->DoDropDownClick();  // only clears the just-closed mark
  panels->Open();
  EXPECT_EQ(panels->GetControl(), made);
  EXPECT_EQ(panels->Made, 1);
}

}  // namespace
}  // namespace zyl
