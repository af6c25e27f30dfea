// The items of the list box and the combo box kept before their window exists (a sorted list
// puts what it was given in order when read or when the window is made), and a memo's lines
// read by index through the index of its text, which every kind of change makes stale.
#include "ControlsTestSupport.h"

#include "platform/rtl/StrUtils.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"

namespace vcl::testing {
namespace {

std::string Joined(TStrings* s) {
  std::string t;
  for (int i = 0; i < s->Count(); ++i) t += (i ? "," : "") + s->Get(i);
  return t;
}

// One list control of each kind, made without a window on a form that gives it one later.
class SortedItemsTest : public ControlsTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TForm>(nullptr);
    if (GetParam()) {
      auto* c = new TComboBox(form_.get());
      c->SetStyle(csDropDownList);
      control_ = c;
    } else {
      control_ = new TListBox(form_.get());
    }
    items_ = GetParam() ? static_cast<TComboBox*>(control_)->Items()
                        : static_cast<TListBox*>(control_)->Items();
  }
  void SetSorted(bool v) {
    if (GetParam())
      static_cast<TComboBox*>(control_)->SetSorted(v);
    else
      static_cast<TListBox*>(control_)->SetSorted(v);
  }
  void ShowWindow() {
    control_->SetParent(form_.get());
    control_->HandleNeeded();
  }
  std::unique_ptr<TForm> form_;
  TWinControl* control_ = nullptr;
  TStrings* items_ = nullptr;
};

TEST_P(SortedItemsTest, ItemsGivenOutOfOrderAreReadInOrderWithTheirObjects) {
  SetSorted(true);
  TObject a;
  TStringList marks;
  items_->AddObject("pear", &marks);
  items_->AddObject("Apple", &a);
  // Add gives the place of arrival, which PutObject takes at once.
  const int at = items_->Add("fig");
  EXPECT_EQ(at, 2);
  items_->PutObject(at, form_.get());
  items_->Add("apple");  // equal to "Apple" without regard to case: after it
  EXPECT_FALSE(control_->HandleAllocated());
  testsupport::ExpectCases(
      {{Joined(items_), "Apple,apple,fig,pear"}, {std::to_string(items_->IndexOf("PEAR")), "3"}});
  EXPECT_EQ(items_->Objects(0), &a);
  EXPECT_EQ(items_->Objects(2), form_.get());
  EXPECT_EQ(items_->Objects(3), &marks);
  // Read once, the list takes further items in order again; a delete or insert counts in order.
  items_->Add("banana");
  items_->Delete(0);
  EXPECT_EQ(Joined(items_), "apple,banana,fig,pear");
  items_->Add("cherry");
  items_->Insert(0, "zz first");
  EXPECT_EQ(Joined(items_), "zz first,apple,banana,cherry,fig,pear");
}

TEST_P(SortedItemsTest, TheWindowGetsTheItemsInOrderAndUnsortingKeepsTheOrderSeen) {
  SetSorted(true);
  for (const char* s : {"delta", "alpha", "charlie", "bravo"}) items_->Add(s);
  ShowWindow();
  EXPECT_EQ(Joined(items_), "alpha,bravo,charlie,delta");
  // Without a window again: a list that stops sorting keeps the order it had.
  control_->SetParent(nullptr);
  EXPECT_FALSE(control_->HandleAllocated());
  items_->Add("aardvark");
  SetSorted(false);
  items_->Add("able");
  EXPECT_EQ(Joined(items_), "aardvark,alpha,bravo,charlie,delta,able");
  // Becoming sorted puts the saved items in order.
  SetSorted(true);
  EXPECT_EQ(Joined(items_), "aardvark,able,alpha,bravo,charlie,delta");
  items_->Clear();
  items_->Add("b");
  items_->Add("a");
  EXPECT_EQ(Joined(items_), "a,b");
  EXPECT_EQ(testsupport::ErrorOf<EListError>([&] { items_->Delete(2); }),
            "List index out of bounds (2)");
}

INSTANTIATE_TEST_SUITE_P(ListAndCombo, SortedItemsTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "ComboBox" : "ListBox"; });

TEST_F(ControlsTest, ACombosChosenItemBeforeItsSortedItemsNamesTheItemInOrder) {
  TForm form(nullptr);
  auto* c = new TComboBox(&form);
  c->SetStyle(csDropDownList);
  c->SetSorted(true);
  for (const char* s : {"three", "one", "two"}) c->Items()->Add(s);
  c->SetItemIndex(1);
  EXPECT_EQ(c->Text(), "three");
  c->Items()->Delete(0);  // the chosen item moves up with the others
  EXPECT_EQ(c->ItemIndex(), 0);
}

// A memo on a form, with a window.
class MemoLinesTest : public ControlsTest {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TForm>(nullptr);
    form_->SetBounds(0, 0, 300, 200);
    memo_ = new TMemo(form_.get());
    memo_->SetBounds(0, 0, 200, 150);
  }
  std::string Lines() {
    std::string t;
    TStrings* l = memo_->Lines();
    for (int i = 0; i < l->Count(); ++i) t += (i ? "|" : "") + l->Get(i);
    return t;
  }
  std::unique_ptr<TForm> form_;
  TMemo* memo_ = nullptr;
};

TEST_F(MemoLinesTest, LinesByIndexFollowEveryChangeOfTheText) {
  // Without a window: set and appended text.
  memo_->SetText("a\r\nbb\r\n");
  EXPECT_EQ(Lines(), "a|bb");
  memo_->Lines()->Add("ccc");
  EXPECT_EQ(Lines(), "a|bb|ccc");
  memo_->Lines()->Add("d");
  EXPECT_EQ(Lines(), "a|bb|ccc|d");
  // With a window: the window's own changes (as the user's typing) reach the lines.
  memo_->SetParent(form_.get());
  memo_->HandleNeeded();
  EXPECT_EQ(Lines(), "a|bb|ccc|d");
  win::SendMessageA(memo_->Handle(), win::EM_SETSEL, 0, 1);
  win::SendMessageA(memo_->Handle(), win::EM_REPLACESEL, 0,
                    reinterpret_cast<win::LPARAM>("x\r\ny"));
  EXPECT_EQ(Lines(), "x|y|bb|ccc|d");
  memo_->Lines()->Add("e");
  memo_->Lines()->Delete(1);
  memo_->Lines()->Put(0, "first");
  EXPECT_EQ(Lines(), "first|bb|ccc|d|e");
  memo_->SetText("");
  EXPECT_EQ(memo_->Lines()->Count(), 0);
  EXPECT_EQ(testsupport::ErrorOf<EStringListError>([&] { memo_->Lines()->Get(0); }),
            "List index out of bounds (0)");
  // Inside an update bracket the lines come from the pending list.
  memo_->Lines()->BeginUpdate();
  memo_->Lines()->Add("p");
  memo_->Lines()->Add("q");
  EXPECT_EQ(memo_->Lines()->Get(1), "q");
  memo_->Lines()->EndUpdate();
  EXPECT_EQ(Lines(), "p|q");
}

}  // namespace
}  // namespace vcl::testing
