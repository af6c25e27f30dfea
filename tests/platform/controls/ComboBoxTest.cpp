// TComboBox: items kept with and without a window, the user's choice by mouse and keyboard
// reaching the events, typing into the edit (limits, case, keys through the form), owner
// drawing through OnDrawItem and OnMeasureItem, and loading from a form file.
#include "ControlsTestSupport.h"

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/RaisingHandler.h"

namespace vcl::testing {
namespace {

// Answers the combo's events, writing down what it was asked.
struct TComboEvents : TObject {
  TCustomComboBox* Combo = nullptr;
  TLog Log;
  std::vector<int> Measured;
  std::vector<std::pair<int, TOwnerDrawState>> Drawn;
  void Named(TObject*, const char* what) {
    Log.Add(std::string(what) + " " + std::to_string(Combo->ItemIndex()) + " '" + Combo->Text() +
            "'");
  }
  void Change(TObject* s) { Named(s, "change"); }
  void Select(TObject* s) { Named(s, "select"); }
  void Click(TObject* s) { Named(s, "click"); }
  void Drop(TObject* s) { Named(s, "dropdown"); }
  void Close(TObject* s) { Named(s, "closeup"); }
  void Key(TObject*, char& Key) {
    Log.Add(std::string("key ") + Key);
    if (Key == '!') Key = 0;
  }
  void Measure(TWinControl*, int Index, int& Height) {
    Measured.push_back(Index);
    Height = 18 + Index;
  }
  void Draw(TWinControl*, int Index, TRect Rect, TOwnerDrawState State) {
    Drawn.emplace_back(Index, State);
    Combo->Canvas()->FillRect(Rect);
  }
};

class ComboBoxTest : public ControlsTest {
 protected:
  void SetUp() override {
    form_ = new TForm(nullptr);
    form_->SetBounds(0, 0, 300, 250);
    combo_ = new TComboBox(form_);
    combo_->SetBounds(10, 10, 150, 25);
    next_ = new TEdit(form_);
    next_->SetBounds(10, 100, 100, 25);
    ev_.Combo = combo_;
    combo_->OnChange = TNotifyEvent(&ev_, &TComboEvents::Change);
    combo_->OnClick = TNotifyEvent(&ev_, &TComboEvents::Click);
    combo_->OnDropDown = TNotifyEvent(&ev_, &TComboEvents::Drop);
    combo_->OnCloseUp = TNotifyEvent(&ev_, &TComboEvents::Close);
  }
  void TearDown() override { delete form_; }
  void Show() {
    combo_->SetParent(form_);
    next_->SetParent(form_);
    form_->Show();
    Idle();
    ev_.Log.Clear();
  }
  void Fill(int n) {
    for (int i = 0; i < n; ++i) combo_->Items()->Add("Item " + std::to_string(i));
  }
  void ClickButton() {
    win::COMBOBOXINFO info;
    ASSERT_TRUE(win::GetComboBoxInfo(combo_->Handle(), &info));
    const TPoint p = ScreenOf(combo_, info.rcButton.Left + 4, info.rcButton.Top + 4);
    win::testkit::Click(p.X, p.Y);
  }
  void ClickItem(int i) {
    win::RECT r;
    win::SendMessageA(combo_->ListHandle(), win::LB_GETITEMRECT, static_cast<win::WPARAM>(i),
                      reinterpret_cast<win::LPARAM>(&r));
    const win::POINT p = win::testkit::ScreenPoint(combo_->ListHandle(), 5, (r.Top + r.Bottom) / 2);
    win::testkit::Click(p.X, p.Y);
  }
  std::vector<std::string> Texts() {
    std::vector<std::string> out;
    for (int i = 0; i < combo_->Items()->Count(); ++i) out.push_back(combo_->Items()->Get(i));
    return out;
  }
  TForm* form_ = nullptr;
  TComboBox* combo_ = nullptr;
  TEdit* next_ = nullptr;
  TComboEvents ev_;
};

TEST_F(ComboBoxTest, ItemsAndChoiceSurviveTheWindowComingAndGoing) {
  combo_->SetSorted(true);
  combo_->SetStyle(csDropDownList);
  for (const char* s : {"delta", "Alpha", "charlie"}) combo_->Items()->Add(s);
  combo_->Items()->AddObject("bravo", combo_);
  combo_->SetItemIndex(2);
  EXPECT_FALSE(combo_->HandleAllocated());
  Show();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Alpha", "bravo", "charlie", "delta"}));
  EXPECT_EQ(combo_->Items()->Objects(1), combo_);
  EXPECT_EQ(combo_->ItemIndex(), 2);
  EXPECT_EQ(combo_->Text(), "charlie");
  EXPECT_EQ(combo_->Items()->IndexOf("DELTA"), 3);
  // Another style makes a new window with the same items and choice.
  combo_->SetStyle(csDropDown);
  EXPECT_EQ(Texts().size(), 4u);
  EXPECT_EQ(combo_->ItemIndex(), 2);
  EXPECT_EQ(combo_->Text(), "charlie");
  EXPECT_NE(combo_->EditHandle(), nullptr);
  EXPECT_EQ(testsupport::ErrorOf<EListError>([&] { combo_->Items()->Get(4); }),
            "List index out of bounds (4)");
  EXPECT_EQ(testsupport::ErrorOf<EListError>([&] { combo_->Items()->Delete(-1); }),
            "List index out of bounds (-1)");
  EXPECT_EQ(testsupport::ErrorOf<EListError>([&] { combo_->Items()->Insert(9, "x"); }),
            "List index out of bounds (9)");
  combo_->SetItemIndex(-1);
  EXPECT_EQ(combo_->Text(), "");
  EXPECT_TRUE(ev_.Log.Entries.empty());  // choices made by code raise no events
}

TEST_F(ComboBoxTest, AChoiceWithTheMouseRaisesTheEventsInOrder) {
  combo_->SetStyle(csDropDownList);
  combo_->SetDropDownCount(4);
  Fill(10);
  Show();
  ClickButton();
  EXPECT_TRUE(combo_->DroppedDown());
  // The list shows DropDownCount items.
  win::RECT list;
  win::GetClientRect(combo_->ListHandle(), &list);
  EXPECT_EQ(list.Bottom, 4 * combo_->ItemHeight());
  ClickItem(3);
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_EQ(ev_.Log.Entries, (TLines{"dropdown -1 ''", "click 3 'Item 3'", "change 3 'Item 3'",
                                     "closeup 3 'Item 3'"}));
  EXPECT_EQ(form_->ActiveControl(), combo_);
  // With OnSelect the choice goes there instead of OnChange.
  combo_->OnSelect = TNotifyEvent(&ev_, &TComboEvents::Select);
  ev_.Log.Clear();
  win::testkit::KeyPress(win::VK_DOWN);
  EXPECT_EQ(ev_.Log.Entries, (TLines{"click 4 'Item 4'", "select 4 'Item 4'"}));
  // A form freed while its combo is dropped takes the list along.
  combo_->SetDroppedDown(true);
  const win::HWND dropped = combo_->ListHandle();
  delete form_;
  form_ = nullptr;
  Idle();
  EXPECT_FALSE(win::IsWindow(dropped));
}

TEST_F(ComboBoxTest, TypingGoesThroughTheFormAndTheLimits) {
  combo_->SetMaxLength(5);
  combo_->SetCharCase(ecUpperCase);
  combo_->OnKeyPress = TKeyPressEvent(&ev_, &TComboEvents::Key);
  Fill(3);
  Show();
  combo_->SetFocus();
  Idle();
  EXPECT_TRUE(combo_->Focused());
  EXPECT_EQ(form_->ActiveControl(), combo_);
  win::testkit::TypeText("ab!cdefg");
  EXPECT_EQ(combo_->Text(), "ABCDE");
  EXPECT_EQ(ev_.Log.Entries.front(), "key a");
  EXPECT_EQ(std::count(ev_.Log.Entries.begin(), ev_.Log.Entries.end(), "change -1 'ABCDE'"), 1);
  combo_->SetSelStart(1);
  combo_->SetSelLength(2);
  EXPECT_EQ(combo_->SelText(), "BC");
  combo_->SetSelText("x");
  EXPECT_EQ(combo_->Text(), "AXDE");
  // Emptying the list leaves the edit's text.
  combo_->Items()->Clear();
  EXPECT_EQ(combo_->Items()->Count(), 0);
  EXPECT_EQ(combo_->Text(), "AXDE");
  // Tab leaves the combo for the next control.
  win::testkit::KeyPress(win::VK_TAB);
  EXPECT_TRUE(next_->Focused());
}

// A key handler that raises while the user types into the edit child: the error reaches the
// application once per key, nothing comes out of the message loop, and the combo takes the
// next keys as ever.
class ComboRaisingKeys : public ComboBoxTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ComboRaisingKeys, TheErrorReachesTheApplicationAndTypingGoesOn) {
  testsupport::TRaisingHandler raising;
  const std::string event = GetParam();
  if (event == "OnKeyPress")
    combo_->OnKeyPress = TKeyPressEvent(&raising, &testsupport::TRaisingHandler::KeyPress);
  else if (event == "OnKeyDown")
    combo_->OnKeyDown = TKeyEvent(&raising, &testsupport::TRaisingHandler::Key);
  else
    combo_->OnKeyUp = TKeyEvent(&raising, &testsupport::TRaisingHandler::Key);
  Show();
  combo_->SetFocus();
  Idle();
  EXPECT_EQ(testsupport::ErrorOf<Exception>([] { win::testkit::TypeText("a"); }), "<no error>");
  EXPECT_EQ(raising.Arrived, std::vector<std::string>{"The file was not found"});
  raising.Armed = false;
  combo_->SetText("");
  win::testkit::TypeText("bc");
  EXPECT_EQ(combo_->Text(), "bc");
  EXPECT_EQ(raising.Arrived.size(), 1u);
  EXPECT_TRUE(combo_->Focused());
}

INSTANTIATE_TEST_SUITE_P(Events, ComboRaisingKeys,
                         ::testing::Values("OnKeyDown", "OnKeyPress", "OnKeyUp"));

TEST_F(ComboBoxTest, TheMouseOverTheEditChildIsOverTheCombo) {
  Show();
  const TPoint outside{form_->Left() + form_->Width() + 50, form_->Top() + 30};
  const TPoint text = ScreenOf(combo_, 12, combo_->Height() / 2);
  ASSERT_EQ(win::WindowFromPoint(text), combo_->EditHandle());
  // Straight from outside the form onto the text field, and off again, twice.
  for (int i = 0; i < 2; ++i) {
    win::testkit::MouseMove(outside.X, outside.Y);
    EXPECT_EQ(MouseControl(), nullptr);
    win::testkit::MouseMove(text.X, text.Y);
    EXPECT_EQ(MouseControl(), combo_);
  }
  win::testkit::MouseMove(outside.X, outside.Y);
  EXPECT_EQ(MouseControl(), nullptr);
}

// A combo that drags of itself drags from its text field too: the press there begins the drag
// and is not the edit's (no caret placed, no selection begun).
TEST_F(ComboBoxTest, AnAutomaticDragStartsFromTheEditChild) {
  combo_->SetDragMode(dmAutomatic);
  combo_->SetText("Some text");
  auto* target = new TPanel(form_);
  target->SetBounds(180, 10, 80, 60);
  target->SetParent(form_);
  struct TD : TLog {
    void Start(TObject* s, TObject*&) { Add(std::string("start ") + s->ClassName()); }
    void Over(TObject*, TObject*, int, int, TDragState, bool& accept) { accept = true; }
    void Drop(TObject*, TObject* src, int, int) { Add(std::string("drop ") + src->ClassName()); }
  } d;
  combo_->OnStartDrag = TStartDragEvent(&d, &TD::Start);
  target->OnDragOver = TDragOverEvent(&d, &TD::Over);
  target->OnDragDrop = TDragDropEvent(&d, &TD::Drop);
  Show();
  const TPoint text = ScreenOf(combo_, 12, combo_->Height() / 2);
  ASSERT_EQ(win::WindowFromPoint(text), combo_->EditHandle());
  const TPoint to = ScreenOf(target, 20, 20);
  const int selStart = combo_->SelStart(), selLength = combo_->SelLength();
  win::testkit::Drag({text.X, text.Y}, {to.X, to.Y});
  EXPECT_EQ(d.Entries, (TLines{"start TComboBox", "drop TComboBox"}));
  EXPECT_EQ(win::GetCapture(), nullptr);
  EXPECT_EQ(combo_->SelStart(), selStart);
  EXPECT_EQ(combo_->SelLength(), selLength);
}

TEST_F(ComboBoxTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheEvents) {
  combo_->SetStyle(csOwnerDrawVariable);
  combo_->SetItemHeight(24);  // the dropped list has room for all three
  combo_->OnMeasureItem = TMeasureItemEvent(&ev_, &TComboEvents::Measure);
  combo_->OnDrawItem = TDrawItemEvent(&ev_, &TComboEvents::Draw);
  Fill(3);
  combo_->SetItemIndex(1);
  Show();
  EXPECT_EQ(ev_.Measured, (std::vector<int>{0, 1, 2}));
  ASSERT_FALSE(ev_.Drawn.empty());
  EXPECT_EQ(ev_.Drawn.back().first, 1);
  EXPECT_TRUE(ev_.Drawn.back().second.contains(odComboBoxEdit));
  ev_.Drawn.clear();
  combo_->SetDroppedDown(true);
  Idle();
  std::vector<int> items;
  for (const auto& [i, state] : ev_.Drawn)
    if (!state.contains(odComboBoxEdit)) items.push_back(i);
  EXPECT_EQ(items, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(win::SendMessageA(combo_->Handle(), win::CB_GETITEMHEIGHT, 2, 0), 20);
  EXPECT_EQ(
      win::SendMessageA(combo_->Handle(), win::CB_GETITEMHEIGHT, static_cast<win::WPARAM>(-1), 0),
      24);
  EXPECT_EQ(combo_->Height(), 24 + 6);
}

constexpr const char* kComboForm = R"(object Form1: TForm
  Left = 0
  Top = 0
  Width = 200
  Height = 120
  object Combo1: TComboBox
    Left = 8
    Top = 8
    Width = 120
    Height = 21
    Style = csDropDownList
    ItemHeight = 13
    ItemIndex = 1
    Sorted = True
    TabOrder = 0
    Items.Strings = (
      'one'
      'two'
      'three')
  end
end
)";

// A combo box put against the edges of the screen (800 x 600): its list opens under it, or
// above it where there is no room below; a list too long for either side takes the side with
// more room and is cut to it; a list wider than the combo is moved sideways onto the screen.
// The open list still takes the keyboard's choice.
struct TListPlaceCase {
  const char* Name;
  int Left;    // the combo's left edge on the screen; kAgainstRight: its right edge at the
               // screen's
  int Bottom;  // how far the combo's bottom edge is from the screen's bottom
  int Items;
  int Rows;          // DropDownCount
  int DroppedWidth;  // 0: the combo's width
  enum { Below, Above, AboveCut } Side;
};

constexpr int kAgainstRight = -1;

class ListPlaceTest : public ComboBoxTest, public ::testing::WithParamInterface<TListPlaceCase> {};

TEST_P(ListPlaceTest, TheListOpensOnTheScreen) {
  const TListPlaceCase& c = GetParam();
  constexpr int sw = 800, sh = 600;
  ASSERT_EQ(win::GetSystemMetrics(win::SM_CXSCREEN), sw);
  ASSERT_EQ(win::GetSystemMetrics(win::SM_CYSCREEN), sh);
  Fill(c.Items);
  combo_->SetDropDownCount(c.Rows);
  Show();
  if (c.DroppedWidth)
    win::SendMessageA(combo_->Handle(), win::CB_SETDROPPEDWIDTH,
                      static_cast<win::WPARAM>(c.DroppedWidth), 0);
  const TPoint at = combo_->ClientToScreen({0, 0});
  const int left = c.Left == kAgainstRight ? sw - combo_->Width() : c.Left;
  form_->SetBounds(form_->Left() + left - at.X,
                   form_->Top() + sh - c.Bottom - combo_->Height() - at.Y, form_->Width(),
                   form_->Height());
  Idle();
  win::RECT combo;
  win::GetWindowRect(combo_->Handle(), &combo);
  combo_->SetItemIndex(0);
  combo_->SetFocus();
  win::testkit::KeyPress(win::VK_F4);
  ASSERT_TRUE(combo_->DroppedDown());
  win::RECT r;
  win::GetWindowRect(combo_->ListHandle(), &r);
  EXPECT_GE(r.Left, 0);
  EXPECT_LE(r.Right, sw);
  EXPECT_GE(r.Top, 0);
  EXPECT_LE(r.Bottom, sh);
  EXPECT_EQ(r.Width(), std::max(c.DroppedWidth, combo.Width()));
  if (c.Left != kAgainstRight) {
    EXPECT_EQ(r.Left, combo.Left);
  }
  const int line =
      static_cast<int>(win::SendMessageA(combo_->ListHandle(), win::LB_GETITEMHEIGHT, 0, 0));
  switch (c.Side) {
    case TListPlaceCase::Below:
      EXPECT_EQ(r.Top, combo.Bottom);
      EXPECT_EQ(r.Height(), std::min(c.Items, c.Rows) * line + 2);
      break;
    case TListPlaceCase::Above:
      EXPECT_EQ(r.Bottom, combo.Top);
      EXPECT_EQ(r.Height(), std::min(c.Items, c.Rows) * line + 2);
      break;
    case TListPlaceCase::AboveCut:
      EXPECT_EQ(r.Bottom, combo.Top);
      EXPECT_EQ(r.Top, 0);
      break;
  }
  win::testkit::KeyPress(win::VK_DOWN);
  win::testkit::KeyPress(win::VK_RETURN);
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_EQ(combo_->ItemIndex(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListPlaceTest,
    ::testing::Values(TListPlaceCase{"Middle", 300, 300, 3, 8, 0, TListPlaceCase::Below},
                      TListPlaceCase{"AtTheBottom", 300, 0, 3, 8, 0, TListPlaceCase::Above},
                      TListPlaceCase{"NearTheBottom", 300, 60, 20, 8, 0, TListPlaceCase::Above},
                      TListPlaceCase{"AtTheRightWiderThanTheCombo", kAgainstRight, 300, 3, 8, 300,
                                     TListPlaceCase::Below},
                      TListPlaceCase{"AtTheBottomRightWiderThanTheCombo", kAgainstRight, 0, 3, 8,
                                     300, TListPlaceCase::Above},
                      TListPlaceCase{"TooLongForEitherSide", 300, 200, 60, 60, 0,
                                     TListPlaceCase::AboveCut}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ComboBoxTest, LoadsFromAFormFile) {
  auto form = std::make_unique<TForm>(nullptr);
  ReadComponentFromBytes(ObjectTextToBinaryString(kComboForm), form.get());
  auto* combo = static_cast<TComboBox*>(form->FindComponent("Combo1"));
  ASSERT_TRUE(combo);
  EXPECT_EQ(combo->Style(), csDropDownList);
  form->Show();
  Idle();
  EXPECT_EQ(combo->Items()->Count(), 3);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), "three");
}

}  // namespace
}  // namespace vcl::testing
