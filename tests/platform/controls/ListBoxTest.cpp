// TListBox: items kept with and without a window, selection properties, user clicks and keys
// reaching the events, owner drawing through OnDrawItem and OnMeasureItem, and loading from a
// form file.
#include "ControlsTestSupport.h"

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/PixelCheck.h"

namespace vcl::testing {
namespace {

// Answers the list's events, writing down what it was asked.
struct TListEvents : TObject {
  TCustomListBox* List = nullptr;
  TLog Log;
  std::vector<int> Measured;
  std::vector<std::pair<int, TOwnerDrawState>> Drawn;
  void Click(TObject*) { Log.Add("click " + std::to_string(List->ItemIndex())); }
  void DblClick(TObject*) { Log.Add("dblclick"); }
  void Measure(TWinControl*, int Index, int& Height) {
    Measured.push_back(Index);
    Height = Index == 1 ? 40 : 20;
  }
  void Draw(TWinControl*, int Index, TRect Rect, TOwnerDrawState State) {
    Drawn.emplace_back(Index, State);
    List->Canvas()->Brush()->SetColor(Index == 1 ? clRed : clLime);
    List->Canvas()->FillRect(Rect);
  }
};

class ListBoxTest : public ControlsTest {
 protected:
  void SetUp() override {
    form_ = new TForm(nullptr);
    form_->SetBounds(0, 0, 300, 250);
    list_ = new TListBox(form_);
    list_->SetBounds(10, 10, 150, 120);
  }
  void TearDown() override { delete form_; }
  void Show() {
    list_->SetParent(form_);
    form_->Show();
    Idle();
  }
  void ClickItem(int i) {
    const TRect r = list_->ItemRect(i);
    const TPoint p = ScreenOf(list_, 10, (r.Top + r.Bottom) / 2);
    win::testkit::Click(p.X, p.Y);
  }
  std::vector<std::string> Texts() {
    std::vector<std::string> out;
    for (int i = 0; i < list_->Items()->Count(); ++i) out.push_back(list_->Items()->Get(i));
    return out;
  }
  TForm* form_ = nullptr;
  TListBox* list_ = nullptr;
};

// A font given to a shown list, its own or its parent's, is the one its window draws and
// measures its items with, as a window made with that font does.
TEST_F(ListBoxTest, AFontGivenAtRunTimeReachesTheWindow) {
  for (bool fromParent : {false, true}) {
    SCOPED_TRACE(fromParent ? "the parent's" : "its own");
    list_->SetParentFont(fromParent);
    list_->Items()->Clear();
    for (const char* item : {"One", "Two", "Three"}) list_->Items()->Add(item);
    Show();
    TFont* font = fromParent ? form_->Font() : list_->Font();
    font->SetName(fromParent ? "Courier New" : "Times New Roman");
    font->SetSize(fromParent ? 13 : 15);
    font->SetStyle({fsBold, fsItalic});
    // The form keeps the focus, so that no focus rectangle tells the two pictures apart.
    win::SetFocus(form_->Handle());
    Idle();
    const win::testkit::TCapture changed = win::testkit::CaptureWindow(list_->Handle(), false);
    const TRect second = list_->ItemRect(1);
    list_->RecreateWnd();
    win::SetFocus(form_->Handle());
    Idle();
    EXPECT_EQ(list_->ItemRect(1), second);
    EXPECT_TRUE(win::testkit::SamePixels(changed,
                                         win::testkit::CaptureWindow(list_->Handle(), false),
                                         fromParent ? "list_font_from_parent" : "list_own_font"));
  }
}

TEST_F(ListBoxTest, ItemsAndSelectionSurviveTheWindowComingAndGoing) {
  // Before there is a window, the items wait in the control.
  list_->SetSorted(true);
  for (const char* s : {"delta", "Alpha", "charlie"}) list_->Items()->Add(s);
  list_->Items()->AddObject("bravo", list_);
  list_->SetItemIndex(2);
  EXPECT_FALSE(list_->HandleAllocated());
  Show();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Alpha", "bravo", "charlie", "delta"}));
  EXPECT_EQ(list_->Items()->Objects(1), list_);
  EXPECT_EQ(list_->ItemIndex(), 2);
  EXPECT_EQ(list_->Items()->IndexOf("CHARLIE"), 2);
  // Switching to multiple selection makes a new window with the same items; the selected
  // item stays selected.
  list_->SetMultiSelect(true);
  list_->SetSelected(0, true);
  list_->SetSelected(3, true);
  EXPECT_EQ(list_->SelCount(), 3);
  list_->SetStyle(lbOwnerDrawFixed);
  EXPECT_EQ(Texts().size(), 4u);
  EXPECT_TRUE(list_->Selected(3));
  EXPECT_TRUE(list_->Selected(2));
  EXPECT_FALSE(list_->Selected(1));
  EXPECT_EQ(list_->SelCount(), 3);
  EXPECT_EQ(testsupport::ErrorOf<EListError>([&] { list_->Selected(4); }),
            "List index out of bounds (4)");
  EXPECT_EQ(testsupport::ErrorOf<EListError>([&] { list_->Items()->Delete(-1); }),
            "List index out of bounds (-1)");
  EXPECT_EQ(testsupport::ErrorOf<EListError>([&] { list_->Items()->Get(9); }),
            "List index out of bounds (9)");
  list_->Clear();
  EXPECT_EQ(list_->Items()->Count(), 0);
}

TEST_F(ListBoxTest, ClicksAndKeysReachTheEvents) {
  for (int i = 0; i < 20; ++i) list_->Items()->Add("Line " + std::to_string(i));
  TListEvents ev;
  ev.List = list_;
  list_->OnClick = TNotifyEvent(&ev, &TListEvents::Click);
  list_->OnDblClick = TNotifyEvent(&ev, &TListEvents::DblClick);
  Show();
  list_->SetFocus();
  ClickItem(3);
  win::testkit::KeyPress(win::VK_DOWN);  // the list keeps the arrows: focus stays
  EXPECT_TRUE(list_->Focused());
  win::testkit::KeyPress(win::VK_END);
  const TRect r = list_->ItemRect(list_->ItemIndex());
  const TPoint p = ScreenOf(list_, 10, r.Top + 2);
  win::testkit::DoubleClick(p.X, p.Y);
  EXPECT_EQ(ev.Log.Entries,
            (std::vector<std::string>{"click 3", "click 4", "click 19", "dblclick"}));
  EXPECT_GT(list_->TopIndex(), 0);
  EXPECT_EQ(list_->ItemAtPos(list_->ItemRect(19).TopLeft(), true), 19);
  EXPECT_EQ(list_->ItemAtPos({5, list_->ClientHeight() + 5}, true), -1);
  EXPECT_EQ(list_->ItemAtPos({5, list_->ClientHeight() + 5}, false), 20);
}

TEST_F(ListBoxTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheEvents) {
  list_->SetStyle(lbOwnerDrawVariable);
  TListEvents ev;
  ev.List = list_;
  list_->OnMeasureItem = TMeasureItemEvent(&ev, &TListEvents::Measure);
  list_->OnDrawItem = TDrawItemEvent(&ev, &TListEvents::Draw);
  Show();
  for (const char* s : {"a", "b", "c"}) list_->Items()->Add(s);
  list_->SetItemIndex(1);
  list_->SetFocus();
  Idle();
  EXPECT_EQ(ev.Measured, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(list_->ItemRect(2).Top, 60);
  ASSERT_FALSE(ev.Drawn.empty());
  EXPECT_TRUE(std::any_of(ev.Drawn.begin(), ev.Drawn.end(), [](const auto& d) {
    return d.first == 1 && d.second.contains(odSelected) && d.second.contains(odFocused);
  }));
  // What the events painted is on the screen, with the focus rectangle dotted round item 1.
  const auto cap = win::testkit::CaptureWindow(list_->Handle(), false);
  const auto colours = [](int, int y) {
    return static_cast<win::COLORREF>(y >= 20 && y < 60 ? clRed
                                      : y < 80          ? clLime
                                                        : ColorToRGB(clWindow));
  };
  EXPECT_TRUE(
      win::testkit::PixelsMatch(cap, colours, "owner_drawn_rows", win::RECT{1, 0, 100, 19}));
  EXPECT_TRUE(
      win::testkit::PixelsMatch(cap, colours, "owner_drawn_selected", win::RECT{1, 21, 100, 59}));
  EXPECT_TRUE(
      win::testkit::PixelsMatch(cap, colours, "owner_drawn_rest", win::RECT{1, 60, 100, 110}));
}

constexpr const char* kListForm = R"(object ListForm: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  Caption = 'Lists'
  object List1: TListBox
    Left = 8
    Top = 8
    Width = 120
    Height = 90
    ItemHeight = 13
    Items.Strings = (
      'one'
      'two'
      'three')
    MultiSelect = True
    Sorted = True
    TabOrder = 0
  end
end
)";

TEST_F(ListBoxTest, LoadsFromAFormFile) {
  auto form = std::make_unique<TForm>(nullptr);
  ReadComponentFromBytes(ObjectTextToBinaryString(kListForm), form.get());
  auto* list = static_cast<TListBox*>(form->FindComponent("List1"));
  ASSERT_TRUE(list);
  EXPECT_TRUE(list->MultiSelect());
  form->Show();
  Idle();
  std::vector<std::string> texts;
  for (int i = 0; i < list->Items()->Count(); ++i) texts.push_back(list->Items()->Get(i));
  EXPECT_EQ(texts, (std::vector<std::string>{"one", "three", "two"}));
}

}  // namespace
}  // namespace vcl::testing
