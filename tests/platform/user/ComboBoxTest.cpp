// The COMBOBOX class: its messages and error answers, the dropped list driven by mouse and
// keyboard, notifications, owner drawing through the parent, focus and painting.
#include <algorithm>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "UserTestSupport.h"
#include "tests/support/Cases.h"
#include "tests/support/PixelCheck.h"
#include "tests/support/TempDir.h"

namespace usertest {
namespace {

using namespace testkit;
using testsupport::ExpectCases;

// What the combo's parent saw.
struct Seen {
  std::vector<WORD> Codes;
  std::vector<MEASUREITEMSTRUCT> Measured;
  std::vector<DRAWITEMSTRUCT> Drawn;
  // What the parent does once when the combo tells it has the focus.
  std::function<void()> OnSetFocus;
} seen;

LRESULT ParentProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      if (LOWORD(wp) != 9) return 0;  // the combo's only
      seen.Codes.push_back(HIWORD(wp));
      if (HIWORD(wp) == CBN_SETFOCUS)
        if (auto act = std::exchange(seen.OnSetFocus, nullptr)) act();
      return 0;
    case WM_MEASUREITEM: {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      seen.Measured.push_back(*mis);
      mis->itemHeight = static_cast<int>(mis->itemID) < 0 ? 20 : 14 + 2 * (mis->itemID % 3);
      return TRUE;
    }
    case WM_DRAWITEM: {
      auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
      seen.Drawn.push_back(*dis);
      FillRect(dis->hDC, &dis->rcItem, GetSysColorBrush(COLOR_INFOBK));
      return TRUE;
    }
    default: return DefWindowProcA(h, msg, wp, lp);
  }
}

class ComboBoxTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    seen = Seen();
    RegisterProc("ComboParent", ParentProc);
    parent_ = CreateWindowExA(0, "ComboParent", "", WS_POPUP | WS_VISIBLE, 40, 40, 400, 300,
                              nullptr, nullptr, nullptr, nullptr);
    other_ = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE, 250, 200, 100, 20, parent_,
                             nullptr, nullptr, nullptr);
  }
  // A combo 150 wide at (10, 10), asked 120 high, holding "Item 0".. of the given count.
  HWND Combo(DWORD style, int items = 0) {
    HWND h = CreateWindowExA(0, "combobox", "",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_AUTOHSCROLL | style, 10, 10,
                             150, 120, parent_, reinterpret_cast<HMENU>(9), nullptr, nullptr);
    for (int i = 0; i < items; ++i) Add(h, "Item " + std::to_string(i));
    RunUntilIdle();
    seen.Codes.clear();
    return h;
  }
  static LRESULT Add(HWND h, const std::string& s) {
    return SendMessageA(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
  }
  static std::string Text(HWND h) {
    char buf[64] = {};
    SendMessageA(h, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf));
    return buf;
  }
  static int Sel(HWND h) { return static_cast<int>(SendMessageA(h, CB_GETCURSEL, 0, 0)); }
  static bool Dropped(HWND h) { return SendMessageA(h, CB_GETDROPPEDSTATE, 0, 0) != 0; }
  static COMBOBOXINFO Info(HWND h) {
    COMBOBOXINFO info;
    EXPECT_TRUE(GetComboBoxInfo(h, &info));
    return info;
  }
  // Clicks a client point of a window.
  static void ClickAt(HWND h, int x, int y) {
    const POINT p = ScreenPoint(h, x, y);
    Click(p.X, p.Y);
  }
  static void ClickButton(HWND h) {
    const RECT b = Info(h).rcButton;
    ClickAt(h, (b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
  }
  // Clicks item i of the dropped (or simple) list.
  static void ClickItem(HWND h, int i) {
    HWND list = Info(h).hwndList;
    RECT r;
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    ClickAt(list, 10, (r.Top + r.Bottom) / 2);
  }
  std::vector<WORD> Codes() {
    std::vector<WORD> c;
    c.swap(seen.Codes);
    return c;
  }

  HWND parent_ = nullptr;
  HWND other_ = nullptr;
};

class ComboStyles : public ComboBoxTest, public ::testing::WithParamInterface<DWORD> {};

// Every style stores, finds and refuses items alike.
TEST_P(ComboStyles, ItemMessagesAndTheirErrorAnswers) {
  HWND h = Combo(GetParam() | CBS_SORT);
  for (const char* s : {"pear", "Apple", "fig"}) Add(h, s);
  char buf[16] = {};
  const auto text = [&](const char* s) { return reinterpret_cast<LPARAM>(s); };
  ExpectAnswers({
      {SendMessageA(h, CB_GETCOUNT, 0, 0), 3},
      {SendMessageA(h, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(buf)), 5},
      {SendMessageA(h, CB_GETLBTEXTLEN, 2, 0), 4},
      {SendMessageA(h, CB_GETLBTEXTLEN, 3, 0), CB_ERR},
      {SendMessageA(h, CB_GETLBTEXT, 7, reinterpret_cast<LPARAM>(buf)), CB_ERR},
      {SendMessageA(h, CB_INSERTSTRING, 9, text("x")), CB_ERR},
      {SendMessageA(h, CB_DELETESTRING, 3, 0), CB_ERR},
      {SendMessageA(h, CB_DELETESTRING, static_cast<WPARAM>(-1), 0), CB_ERR},
      {SendMessageA(h, CB_GETITEMDATA, 5, 0), CB_ERR},
      {SendMessageA(h, CB_SETITEMDATA, 5, 7), CB_ERR},
      {SendMessageA(h, CB_SETITEMDATA, 1, 77), CB_OKAY},
      {SendMessageA(h, CB_GETITEMDATA, 1, 0), 77},
      {SendMessageA(h, CB_SETCURSEL, 4, 0), CB_ERR},
      {Sel(h), CB_ERR},
      {SendMessageA(h, CB_FINDSTRING, static_cast<WPARAM>(-1), text("PE")), 2},
      {SendMessageA(h, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), text("fi")), CB_ERR},
      {SendMessageA(h, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), text("FIG")), 1},
      {SendMessageA(h, CB_SELECTSTRING, static_cast<WPARAM>(-1), text("zz")), CB_ERR},
      {SendMessageA(h, CB_SELECTSTRING, static_cast<WPARAM>(-1), text("f")), 1},
      {Sel(h), 1},
      {SendMessageA(h, CB_ADDSTRING, 0, text("banana")), 1},  // sorted in before the choice
      {Sel(h), 2},
      {SendMessageA(h, CB_DELETESTRING, 0, 0), 3},
      {Sel(h), 1},
      {SendMessageA(h, CB_SETITEMHEIGHT, 0, 300), CB_ERR},
      {SendMessageA(h, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(-5), 0), CB_ERR},
  });
  ExpectCases({{buf, "Apple"}, {Text(h), "fig"}});
  SendMessageA(h, CB_RESETCONTENT, 0, 0);
  ExpectAnswers({{SendMessageA(h, CB_GETCOUNT, 0, 0), 0}, {Sel(h), CB_ERR}});
  EXPECT_EQ(Text(h), "");
}

INSTANTIATE_TEST_SUITE_P(AllStyles, ComboStyles,
                         ::testing::Values(CBS_SIMPLE, CBS_DROPDOWN, CBS_DROPDOWNLIST));

TEST_F(ComboBoxTest, EditMessagesNeedAnEdit) {
  HWND list = Combo(CBS_DROPDOWNLIST, 2);
  HWND drop = Combo(CBS_DROPDOWN, 2);
  DWORD a = 0, b = 0;
  ExpectAnswers({
      {SendMessageA(list, CB_LIMITTEXT, 3, 0), CB_ERR},
      {SendMessageA(list, CB_SETEDITSEL, 0, MAKELPARAM(0, 2)), CB_ERR},
      {SendMessageA(list, CB_GETEDITSEL, 0, 0), CB_ERR},
      {SendMessageA(list, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("none")), CB_ERR},
      {SendMessageA(list, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("item 1")), TRUE},
      {Sel(list), 1},
      {SendMessageA(drop, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("free text")), TRUE},
      {SendMessageA(drop, CB_SETEDITSEL, 0, MAKELPARAM(2, 6)), TRUE},
  });
  SendMessageA(drop, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
  EXPECT_EQ(a, 2u);
  EXPECT_EQ(b, 6u);
  EXPECT_EQ(Info(list).hwndItem, nullptr);
  COMBOBOXINFO info;
  EXPECT_FALSE(GetComboBoxInfo(other_, &info));
}

TEST_F(ComboBoxTest, TypingIsLimitedAndNotified) {
  HWND h = Combo(CBS_DROPDOWN, 3);
  SendMessageA(h, CB_LIMITTEXT, 4, 0);
  SendMessageA(h, CB_SETCURSEL, 1, 0);  // the combo's own change notifies no edit change
  EXPECT_TRUE(Codes().empty());
  SendMessageA(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  SetFocus(h);
  RunUntilIdle();
  EXPECT_EQ(GetFocus(), Info(h).hwndItem);
  TypeText("abcdef");
  EXPECT_EQ(Text(h), "abcd");
  const auto codes = Codes();
  EXPECT_EQ(std::count(codes.begin(), codes.end(), CBN_EDITCHANGE), 4);
  EXPECT_EQ(std::count(codes.begin(), codes.end(), CBN_EDITUPDATE), 4);
  EXPECT_EQ(codes.front(), CBN_SETFOCUS);
  EXPECT_EQ(Sel(h), 1);  // typing leaves the choice alone
}

TEST_F(ComboBoxTest, TheButtonDropsTheListUnderTheComboAndAClickChooses) {
  HWND h = Combo(CBS_DROPDOWN, 20);
  RECT w, list;
  GetWindowRect(h, &w);
  const int field = static_cast<int>(SendMessageA(h, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  const int item = static_cast<int>(SendMessageA(h, CB_GETITEMHEIGHT, 0, 0));
  EXPECT_EQ(w.Bottom - w.Top, field + 6);  // the asked height is the dropped list's room
  const RECT client = ClientRect(h);
  EXPECT_EQ(client.Right, w.Right - w.Left);  // the scroll bar went to the list
  ClickButton(h);
  ASSERT_TRUE(Dropped(h));
  HWND popup = Info(h).hwndList;
  GetWindowRect(popup, &list);
  EXPECT_TRUE(IsWindowVisible(popup));
  EXPECT_EQ(list.Top, w.Bottom);
  EXPECT_EQ(list.Left, w.Left);
  EXPECT_EQ(list.Bottom - list.Top, (120 - field - 6) / item * item + 2);
  RECT reported;
  SendMessageA(h, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&reported));
  EXPECT_TRUE(EqualRect(&reported, &list));
  ClickItem(h, 2);
  EXPECT_FALSE(Dropped(h));
  EXPECT_FALSE(IsWindowVisible(popup));
  EXPECT_EQ(Sel(h), 2);
  EXPECT_EQ(Text(h), "Item 2");
  EXPECT_EQ(Codes(), (std::vector<WORD>{CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELENDOK, CBN_SELCHANGE,
                                        CBN_CLOSEUP}));
}

TEST_F(ComboBoxTest, AClickOutsideOrLosingTheFocusCancels) {
  HWND h = Combo(CBS_DROPDOWNLIST, 5);
  SendMessageA(h, CB_SETCURSEL, 1, 0);
  ClickAt(h, 10, 5);  // the list style drops from anywhere in the field
  ASSERT_TRUE(Dropped(h));
  const int item = static_cast<int>(SendMessageA(h, CB_GETITEMHEIGHT, 0, 0));
  const POINT over = ScreenPoint(Info(h).hwndList, 10, 3 * item + item / 2);
  MouseMove(over.X, over.Y);  // the highlight follows the mouse, the choice stays
  EXPECT_EQ(SendMessageA(Info(h).hwndList, LB_GETCURSEL, 0, 0), 3);
  EXPECT_EQ(Sel(h), 1);
  ClickAt(parent_, 380, 280);
  EXPECT_FALSE(Dropped(h));
  EXPECT_EQ(Sel(h), 1);
  EXPECT_EQ(Codes(),
            (std::vector<WORD>{CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
  SendMessageA(h, CB_SHOWDROPDOWN, TRUE, 0);
  SetFocus(other_);
  EXPECT_FALSE(Dropped(h));
  EXPECT_EQ(Codes(),
            (std::vector<WORD>{CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_KILLFOCUS}));
}

// The parent answers the focus a press on the button brings by sending the focus elsewhere,
// hiding or disabling the combo: the press drops no list and leaves the mouse free.
struct TPressCut {
  const char* Name;
  void (*Cut)(HWND combo, HWND other);
};

class ComboPressCut : public ComboBoxTest, public ::testing::WithParamInterface<TPressCut> {};

TEST_P(ComboPressCut, DropsNoList) {
  HWND h = Combo(CBS_DROPDOWNLIST, 5);
  SetFocus(other_);
  RunUntilIdle();
  seen.OnSetFocus = [this, h] { GetParam().Cut(h, other_); };
  const RECT b = Info(h).rcButton;
  const POINT p = ScreenPoint(h, (b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
  MouseDown(p.X, p.Y);
  EXPECT_FALSE(Dropped(h));
  MouseUp(p.X, p.Y);
  EXPECT_FALSE(Dropped(h));
  EXPECT_FALSE(IsWindowVisible(Info(h).hwndList));
  EXPECT_EQ(GetCapture(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ComboPressCut,
    ::testing::Values(TPressCut{"FocusSentOn", [](HWND, HWND other) { SetFocus(other); }},
                      TPressCut{"Hidden", [](HWND combo, HWND) { ShowWindow(combo, SW_HIDE); }},
                      TPressCut{"Disabled", [](HWND combo, HWND) { EnableWindow(combo, FALSE); }}),
    [](const auto& info) { return std::string(info.param.Name); });

// Keys pressed in a focused combo and the choice they leave.
struct KeyCase {
  DWORD Style;
  std::vector<BYTE> Keys;
  int Sel;
  bool Dropped;
};

class ComboKeys : public ComboBoxTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ComboKeys, MoveTheChoiceOrTheHighlight) {
  HWND h = Combo(GetParam().Style, 30);
  SetFocus(h);
  RunUntilIdle();
  for (BYTE k : GetParam().Keys) {
    if (k == VK_MENU) {
      SetShiftState(false, false, true);
      continue;
    }
    KeyPress(k);
    SetShiftState(false, false, false);
  }
  EXPECT_EQ(Sel(h), GetParam().Sel);
  EXPECT_EQ(Dropped(h), GetParam().Dropped);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ComboKeys,
    ::testing::Values(
        KeyCase{CBS_DROPDOWNLIST, {VK_DOWN, VK_DOWN, VK_DOWN}, 2, false},
        KeyCase{CBS_DROPDOWNLIST, {VK_END, VK_UP}, 28, false},
        KeyCase{CBS_DROPDOWNLIST, {VK_NEXT, VK_HOME}, 0, false},
        KeyCase{CBS_DROPDOWNLIST, {VK_DOWN, VK_F4, VK_DOWN, VK_DOWN}, 0, true},
        KeyCase{CBS_DROPDOWNLIST, {VK_F4, VK_DOWN, VK_DOWN, VK_RETURN}, 1, false},
        KeyCase{CBS_DROPDOWNLIST, {VK_DOWN, VK_F4, VK_END, VK_ESCAPE}, 0, false},
        KeyCase{CBS_DROPDOWNLIST, {VK_MENU, VK_DOWN, VK_DOWN, VK_MENU, VK_UP}, 0, false},
        KeyCase{CBS_DROPDOWN, {VK_DOWN, VK_DOWN, VK_HOME, VK_END}, 1, false},
        KeyCase{CBS_DROPDOWN, {VK_F4, VK_DOWN, VK_DOWN, VK_DOWN, VK_UP, VK_RETURN}, 1, false},
        KeyCase{CBS_SIMPLE, {VK_DOWN, VK_DOWN, VK_F4}, 1, false}));

TEST_F(ComboBoxTest, LettersSearchTheListStyle) {
  HWND h = Combo(CBS_DROPDOWNLIST);
  for (const char* s : {"alpha", "beta", "bravo", "charlie", "Baker"}) Add(h, s);
  SetFocus(h);
  std::vector<std::string> chosen;
  for (const char* keys : {"b", "b", "B", "b", "c", "z"}) {
    TypeText(keys);
    chosen.push_back(Text(h));
  }
  EXPECT_EQ(chosen,
            (std::vector<std::string>{"beta", "bravo", "Baker", "beta", "charlie", "charlie"}));
}

TEST_F(ComboBoxTest, TheSimpleStyleShowsItsListAlways) {
  HWND h = Combo(CBS_SIMPLE, 4);
  HWND list = Info(h).hwndList;
  EXPECT_TRUE(IsWindowVisible(list));
  EXPECT_EQ(GetParent(list), h);
  EXPECT_EQ(SendMessageA(h, CB_SHOWDROPDOWN, TRUE, 0), TRUE);
  EXPECT_FALSE(Dropped(h));
  ClickItem(h, 3);
  EXPECT_EQ(Sel(h), 3);
  EXPECT_EQ(Text(h), "Item 3");
  EXPECT_EQ(GetFocus(), Info(h).hwndItem);  // the list leaves the focus in the edit
  RECT r;
  SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
  const POINT p = ScreenPoint(list, 10, r.Top + 3);
  DoubleClick(p.X, p.Y);
  const auto codes = Codes();
  EXPECT_EQ(codes.back(), CBN_DBLCLK);
  EXPECT_EQ(std::count(codes.begin(), codes.end(), CBN_SELCHANGE), 2);
}

TEST_F(ComboBoxTest, TypingInTheSimpleStyleChoosesTheNearestItemAndKeepsTheText) {
  HWND h = Combo(CBS_SIMPLE);
  for (const char* s : {"Arial", "Courier", "Courier New", "Times"}) Add(h, s);
  HWND list = Info(h).hwndList;
  SetFocus(h);
  RunUntilIdle();
  // What is typed so far, and the item chosen for it: the one it names, else the first that
  // starts with it (without regard to case), else none.
  struct Step {
    const char* Keys;
    std::string Text;
    int Chosen;
  };
  const std::vector<Step> steps{{"c", "c", 1},        {"ourier", "courier", 1},
                                {" ", "courier ", 2}, {"x", "courier x", -1},
                                {"", "courier", 1},   {"", "", -1}};
  for (const Step& s : steps) {
    if (*s.Keys)
      TypeText(s.Keys);
    else if (s.Text.empty())
      SendMessageA(Info(h).hwndItem, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    else
      for (int i = 0; i < 2; ++i) KeyPress(VK_BACK);
    EXPECT_EQ(Text(h), s.Text);
    EXPECT_EQ(Sel(h), s.Chosen) << s.Text;
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), s.Chosen) << s.Text;
  }
  const auto codes = Codes();
  EXPECT_EQ(std::count(codes.begin(), codes.end(), CBN_SELCHANGE), 0);
  EXPECT_GE(std::count(codes.begin(), codes.end(), CBN_EDITCHANGE), 5);
  // A drop-down combo's typing leaves its choice alone.
  HWND drop = Combo(CBS_DROPDOWN, 3);
  SetFocus(drop);
  TypeText("Item 2");
  EXPECT_EQ(Sel(drop), -1);
}

TEST_F(ComboBoxTest, OwnerDrawGoesToTheParentAsTheCombos) {
  HWND fixed = Combo(CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 3);
  ASSERT_GE(seen.Measured.size(), 2u);
  EXPECT_EQ(static_cast<int>(seen.Measured[0].itemID), -1);  // the selection field first
  EXPECT_EQ(seen.Measured[0].CtlType, ODT_COMBOBOX);
  EXPECT_EQ(seen.Measured[0].CtlID, 9u);
  ExpectAnswers({{SendMessageA(fixed, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 20},
                 {SendMessageA(fixed, CB_GETITEMHEIGHT, 0, 0), 14}});
  seen = Seen();
  SendMessageA(fixed, CB_SETCURSEL, 2, 0);
  SetFocus(fixed);
  RunUntilIdle();
  ASSERT_FALSE(seen.Drawn.empty());
  const DRAWITEMSTRUCT field = seen.Drawn.back();
  EXPECT_EQ(field.CtlType, ODT_COMBOBOX);
  EXPECT_EQ(field.hwndItem, fixed);
  EXPECT_EQ(field.itemID, 2u);
  EXPECT_EQ(field.itemState & (ODS_COMBOBOXEDIT | ODS_SELECTED | ODS_FOCUS),
            ODS_COMBOBOXEDIT | ODS_SELECTED | ODS_FOCUS);
  seen = Seen();
  SendMessageA(fixed, CB_SHOWDROPDOWN, TRUE, 0);
  RunUntilIdle();
  std::vector<UINT> listed;
  for (const auto& d : seen.Drawn) {
    EXPECT_EQ(d.hwndItem, fixed);
    if (!(d.itemState & ODS_COMBOBOXEDIT)) listed.push_back(d.itemID);
  }
  EXPECT_EQ(listed, (std::vector<UINT>{0, 1, 2}));

  seen = Seen();
  HWND variable = Combo(CBS_DROPDOWN | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS, 4);
  std::vector<int> measured;
  for (const auto& m : seen.Measured) measured.push_back(static_cast<int>(m.itemID));
  EXPECT_EQ(measured, (std::vector<int>{-1, 0, 1, 2, 3}));
  ExpectAnswers({{SendMessageA(variable, CB_GETITEMHEIGHT, 1, 0), 16},
                 {SendMessageA(variable, CB_GETITEMHEIGHT, 2, 0), 18},
                 {SendMessageA(variable, CB_GETITEMHEIGHT, 4, 0), CB_ERR}});
}

TEST_F(ComboBoxTest, DestroyingADroppedComboTakesItsListAlong) {
  HWND h = Combo(CBS_DROPDOWN, 3);
  SendMessageA(h, CB_SHOWDROPDOWN, TRUE, 0);
  HWND list = Info(h).hwndList;
  DestroyWindow(h);
  RunUntilIdle();
  EXPECT_FALSE(IsWindow(list));
  EXPECT_EQ(GetCapture(), nullptr);
}

// The look of a drop-down list combo: sunken border, field and button.
class ComboPaint : public ComboBoxTest {
 protected:
  TCapture Shot(HWND h) {
    RunUntilIdle();
    return CaptureWindow(h, false);
  }
};

TEST_F(ComboPaint, TheFieldIsHighlightedWhenFocusedAndGreyWhenDisabled) {
  HWND h = Combo(CBS_DROPDOWNLIST, 2);
  const RECT f = Info(h).rcItem;
  const RECT inner{f.Right - 8, f.Top + 2, f.Right - 2, f.Bottom - 2};  // past the text
  const auto all = [](COLORREF c) { return [c](int, int) { return c; }; };
  EXPECT_TRUE(PixelsMatch(Shot(h), all(GetSysColor(COLOR_WINDOW)), "combo_field", inner));
  // The sunken edge: shadow on the outer top-left, highlight on the outer bottom-right.
  const TCapture plain = Shot(h);
  EXPECT_EQ(plain.Color(5, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(plain.Color(5, plain.Height - 1), GetSysColor(COLOR_BTNHIGHLIGHT));
  SetFocus(h);
  EXPECT_TRUE(PixelsMatch(Shot(h), all(GetSysColor(COLOR_HIGHLIGHT)), "combo_focused", inner));
  EnableWindow(h, FALSE);
  EXPECT_TRUE(PixelsMatch(Shot(h), all(GetSysColor(COLOR_BTNFACE)), "combo_disabled", inner));
}

TEST_F(ComboPaint, TheButtonLooksPushedWhileHeld) {
  HWND h = Combo(CBS_DROPDOWN, 2);
  const RECT b = Info(h).rcButton;
  const TCapture up = Shot(h);
  // A raised button: its top-left edge is the light colour, its face the button face.
  EXPECT_EQ(up.Color(b.Left + 1, b.Top + 1), GetSysColor(COLOR_BTNHIGHLIGHT));
  const POINT p = ScreenPoint(h, (b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
  MouseDown(p.X, p.Y);
  EXPECT_TRUE(Info(h).stateButton & STATE_SYSTEM_PRESSED);
  const TCapture down = Shot(h);
  EXPECT_NE(down.Color(b.Left + 1, b.Top + 1), GetSysColor(COLOR_BTNHIGHLIGHT));
  MouseUp(p.X, p.Y);
  EXPECT_TRUE(Dropped(h));  // releasing on the button leaves the list open
  EXPECT_TRUE(PixelsMatch(
      Shot(h), [&](int x, int y) { return up.Color(x, y); }, "combo_button_released", b));
}

TEST_F(ComboBoxTest, DirFillsTheListWithFiles) {
  testsupport::TempDir dir;
  for (const char* name : {"two.txt", "one.txt", "x.log"}) std::ofstream(dir.Path() + "/" + name);
  HWND h = Combo(CBS_DROPDOWNLIST | CBS_SORT);
  const std::string pattern = dir.Path() + "/*.txt";
  EXPECT_EQ(SendMessageA(h, CB_DIR, DDL_READWRITE, reinterpret_cast<LPARAM>(pattern.c_str())), 1);
  EXPECT_EQ(SendMessageA(h, CB_GETCOUNT, 0, 0), 2);
  SendMessageA(h, CB_SETCURSEL, 0, 0);
  EXPECT_EQ(Text(h), "one.txt");
}

}  // namespace
}  // namespace usertest
