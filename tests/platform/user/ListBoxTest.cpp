// The LISTBOX class: its messages, selection by keyboard and mouse in each selection style,
// owner-drawn items, scrolling and painting.
#include <filesystem>
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

// What the parent of the list saw: notifications, measured and drawn items.
struct Seen {
  std::vector<WORD> Codes;
  std::vector<UINT> Measured;
  std::vector<UINT> Drawn;
  std::vector<UINT> DrawnSelected;
  UINT VariableHeight = 0;  // answered to WM_MEASUREITEM: 10 + 2 * index when set
  // A list the parent destroys the first time it hears this message of it (a notification
  // code for WM_COMMAND).
  HWND DestroyOn = nullptr;
  UINT DestroyAt = 0;
  WORD DestroyCode = 0;
} seen;

LRESULT ParentProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (seen.DestroyOn && msg == seen.DestroyAt &&
      (msg != WM_COMMAND || HIWORD(wp) == seen.DestroyCode))
    DestroyWindow(std::exchange(seen.DestroyOn, nullptr));
  switch (msg) {
    case WM_COMMAND: seen.Codes.push_back(HIWORD(wp)); return 0;
    case WM_MEASUREITEM: {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      seen.Measured.push_back(mis->itemID);
      mis->itemHeight = seen.VariableHeight ? 10 + 2 * mis->itemID : 12;
      return TRUE;
    }
    case WM_DRAWITEM: {
      auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
      seen.Drawn.push_back(dis->itemID);
      if (dis->itemState & ODS_SELECTED) seen.DrawnSelected.push_back(dis->itemID);
      FillRect(dis->hDC, &dis->rcItem,
               GetSysColorBrush(dis->itemState & ODS_SELECTED ? COLOR_HIGHLIGHT : COLOR_WINDOW));
      return TRUE;
    }
    default: return DefWindowProcA(h, msg, wp, lp);
  }
}

class ListBoxTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    seen = Seen();
    RegisterProc("ListParent", ParentProc);
    parent_ = CreateWindowExA(0, "ListParent", "", WS_POPUP | WS_VISIBLE, 50, 50, 300, 300, nullptr,
                              nullptr, nullptr, nullptr);
  }
  // A list of 120 x 100 client pixels at (10, 10) with items "Item 0".. of the given count.
  HWND List(DWORD style, int items = 0) {
    HWND h = CreateWindowExA(0, "listbox", "", WS_CHILD | WS_VISIBLE | LBS_NOTIFY | style, 10, 10,
                             120, 100, parent_, reinterpret_cast<HMENU>(7), nullptr, nullptr);
    for (int i = 0; i < items; ++i) Add(h, "Item " + std::to_string(i));
    RunUntilIdle();
    seen.Codes.clear();
    return h;
  }
  static LRESULT Add(HWND h, const std::string& s) {
    return SendMessageA(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
  }
  static std::string Text(HWND h, int i) {
    std::string s(
        static_cast<size_t>(std::max<LRESULT>(SendMessageA(h, LB_GETTEXTLEN, i, 0), 0)) + 1, '\0');
    s.resize(static_cast<size_t>(
        std::max<LRESULT>(SendMessageA(h, LB_GETTEXT, i, reinterpret_cast<LPARAM>(s.data())), 0)));
    return s;
  }
  static int Count(HWND h) { return static_cast<int>(SendMessageA(h, LB_GETCOUNT, 0, 0)); }
  static int Height(HWND h) { return static_cast<int>(SendMessageA(h, LB_GETITEMHEIGHT, 0, 0)); }
  // Clicks the middle of item i, which must be visible.
  static void ClickItem(HWND h, int i) {
    RECT r;
    SendMessageA(h, LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
    const POINT p = ScreenPoint(h, 20, (r.Top + r.Bottom) / 2);
    Click(p.X, p.Y);
  }
  int SelChanges() const {
    return static_cast<int>(std::count(seen.Codes.begin(), seen.Codes.end(), LBN_SELCHANGE));
  }

  HWND parent_ = nullptr;
};

TEST_F(ListBoxTest, StringsAreAddedInsertedFoundAndDeleted) {
  HWND h = List(LBS_SORT);
  for (const char* s : {"pear", "Apple", "fig", "apricot"}) Add(h, s);
  const auto insertAt = [&](int i, const char* s) {
    return SendMessageA(h, LB_INSERTSTRING, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(s));
  };
  const auto find = [&](UINT msg, int after, const char* s) {
    return SendMessageA(h, msg, static_cast<WPARAM>(after), reinterpret_cast<LPARAM>(s));
  };
  ExpectCases({{Text(h, 0), "Apple"}, {Text(h, 1), "apricot"}, {Text(h, 3), "pear"}});
  ExpectAnswers({
      {insertAt(0, "zebra"), 0},  // inserting keeps the position asked for, even when sorted
      {insertAt(-1, "kiwi"), 5},
      {insertAt(9, "none"), LB_ERR},
      {find(LB_FINDSTRING, -1, "AP"), 1},
      {find(LB_FINDSTRING, 1, "ap"), 2},
      {find(LB_FINDSTRING, 2, "ap"), 1},  // the search wraps round
      {find(LB_FINDSTRINGEXACT, -1, "FIG"), 3},
      {find(LB_FINDSTRINGEXACT, -1, "fi"), LB_ERR},
      {SendMessageA(h, LB_GETTEXTLEN, 6, 0), LB_ERR},
      {SendMessageA(h, LB_SETITEMDATA, 2, 1234), LB_OKAY},
      {SendMessageA(h, LB_GETITEMDATA, 2, 0), 1234},
      {SendMessageA(h, LB_DELETESTRING, 0, 0), 5},
      {SendMessageA(h, LB_GETITEMDATA, 1, 0), 1234},  // data moves with its item
      {SendMessageA(h, LB_DELETESTRING, 5, 0), LB_ERR},
      {SendMessageA(h, LB_SETCURSEL, 4, 0), 4},
      {SendMessageA(h, LB_DELETESTRING, 1, 0), 4},
      {SendMessageA(h, LB_GETCURSEL, 0, 0), 3},  // the selection follows its item
  });
  SendMessageA(h, LB_RESETCONTENT, 0, 0);
  EXPECT_EQ(Count(h), 0);
  EXPECT_EQ(SendMessageA(h, LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(find(LB_FINDSTRING, -1, ""), LB_ERR);
}

TEST_F(ListBoxTest, SelectionMessagesFollowTheSelectionStyle) {
  HWND single = List(0, 5);
  HWND multi = List(LBS_MULTIPLESEL, 5);
  int items[5] = {-1, -1, -1, -1, -1};
  SendMessageA(multi, LB_SETSEL, TRUE, -1);
  SendMessageA(multi, LB_SETSEL, FALSE, 2);
  ExpectAnswers({
      {SendMessageA(single, LB_SETSEL, TRUE, 1), LB_ERR},
      {SendMessageA(single, LB_GETSELCOUNT, 0, 0), LB_ERR},
      {SendMessageA(single, LB_SETCURSEL, 3, 0), 3},
      {SendMessageA(single, LB_GETSEL, 3, 0), 1},
      {SendMessageA(single, LB_SETCURSEL, static_cast<WPARAM>(-1), 0), 0},
      {SendMessageA(single, LB_GETCURSEL, 0, 0), LB_ERR},
      {SendMessageA(multi, LB_SETCURSEL, 1, 0), LB_ERR},
      {SendMessageA(multi, LB_GETSELCOUNT, 0, 0), 4},
      {SendMessageA(multi, LB_GETSELITEMS, 3, reinterpret_cast<LPARAM>(items)), 3},
      {items[2], 3},
      {items[3], -1},  // never written past the room given
      {SendMessageA(multi, LB_SETSEL, TRUE, 9), LB_ERR},
      {SendMessageA(multi, LB_SELITEMRANGEEX, 4, 1), LB_OKAY},
      {SendMessageA(multi, LB_GETSELCOUNT, 0, 0), 1},
  });
  EXPECT_TRUE(seen.Codes.empty()) << "selection by messages sends no notification";
}

struct KeyCase {
  const char* Name;
  DWORD Style;
  std::vector<BYTE> Keys;
  int Caret;
  std::vector<int> Selected;
  int Changes;
};

class ListBoxKeys : public ListBoxTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ListBoxKeys, KeysMoveTheCaretAndTheSelection) {
  const KeyCase& k = GetParam();
  HWND h = List(k.Style, 30);
  SetFocus(h);
  RunUntilIdle();
  seen.Codes.clear();
  for (BYTE vk : k.Keys) {
    if (vk == VK_SHIFT)
      SetShiftState(true, false, false);
    else if (vk == VK_CONTROL)
      SetShiftState(false, true, false);
    else if (vk == 0)
      SetShiftState(false, false, false);
    else
      KeyPress(vk);
  }
  SetShiftState(false, false, false);
  EXPECT_EQ(SendMessageA(h, LB_GETCARETINDEX, 0, 0), k.Caret);
  std::vector<int> sel;
  for (int i = 0; i < 30; ++i)
    if (SendMessageA(h, LB_GETSEL, i, 0) > 0) sel.push_back(i);
  EXPECT_EQ(sel, k.Selected);
  EXPECT_EQ(SelChanges(), k.Changes);
  // The caret item is always in view.
  const int top = static_cast<int>(SendMessageA(h, LB_GETTOPINDEX, 0, 0));
  EXPECT_LE(top, k.Caret);
  EXPECT_GT(top + 100 / Height(h), k.Caret);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, ListBoxKeys,
    ::testing::Values(
        KeyCase{"SingleDown", 0, {VK_DOWN, VK_DOWN, VK_DOWN}, 2, {2}, 3},
        KeyCase{"SingleEndHome", 0, {VK_END, VK_UP, VK_HOME, VK_HOME}, 0, {0}, 3},
        KeyCase{"SinglePageDown", 0, {VK_DOWN, VK_NEXT}, 0 + 100 / 16 - 1, {100 / 16 - 1}, 2},
        KeyCase{"MultiArrowsMoveOnlyTheCaret",
                LBS_MULTIPLESEL,
                {VK_DOWN, VK_DOWN, VK_SPACE, VK_DOWN, VK_SPACE, VK_UP, VK_SPACE},
                2,
                {3},
                3},
        KeyCase{"ExtendedShiftExtends",
                LBS_EXTENDEDSEL,
                {VK_DOWN, VK_SHIFT, VK_DOWN, VK_DOWN},
                3,
                {1, 2, 3},
                3},
        KeyCase{"ExtendedCtrlMovesCaretAndSpaceAdds",
                LBS_EXTENDEDSEL,
                {VK_DOWN, VK_CONTROL, VK_DOWN, VK_DOWN, VK_SPACE},
                3,
                {1, 3},
                2},
        KeyCase{"ExtendedEndSelectsOnlyTheLast",
                LBS_EXTENDEDSEL,
                {VK_DOWN, VK_SHIFT, VK_DOWN, 0, VK_END},
                29,
                {29},
                3}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ListBoxTest, ClicksSelectAndDoubleClicksNotify) {
  HWND single = List(0, 5);
  ClickItem(single, 2);
  EXPECT_EQ(SendMessageA(single, LB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(GetFocus(), single);
  ClickItem(single, 2);  // no change, no notification
  EXPECT_EQ(SelChanges(), 1);
  RECT r;
  SendMessageA(single, LB_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&r));
  const POINT p = ScreenPoint(single, 5, (r.Top + r.Bottom) / 2);
  DoubleClick(p.X, p.Y);
  EXPECT_EQ(SendMessageA(single, LB_GETCURSEL, 0, 0), 4);
  EXPECT_EQ(seen.Codes.back(), LBN_DBLCLK);
  // Shift extends from the anchor, control toggles one item.
  ShowWindow(single, SW_HIDE);
  HWND ext = List(LBS_EXTENDEDSEL, 5);
  ClickItem(ext, 1);
  SetShiftState(true, false, false);
  ClickItem(ext, 3);
  SetShiftState(false, true, false);
  ClickItem(ext, 2);
  SetShiftState(false, false, false);
  ExpectAnswers({{SendMessageA(ext, LB_GETSEL, 1, 0), 1},
                 {SendMessageA(ext, LB_GETSEL, 2, 0), 0},
                 {SendMessageA(ext, LB_GETSEL, 3, 0), 1},
                 {SendMessageA(ext, LB_GETCARETINDEX, 0, 0), 2}});
  // Dragging in a single-selection list follows the mouse.
  DestroyWindow(ext);
  ShowWindow(single, SW_SHOW);
  RunUntilIdle();
  RECT a, b;
  SendMessageA(single, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&a));
  SendMessageA(single, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&b));
  Drag(ScreenPoint(single, 10, a.Top + 2), ScreenPoint(single, 10, b.Top + 2));
  EXPECT_EQ(SendMessageA(single, LB_GETCURSEL, 0, 0), 3);
}

TEST_F(ListBoxTest, VariableHeightItemsAreMeasuredOnceAndLaidOutInTurn) {
  seen.VariableHeight = 1;
  HWND h = List(LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | WS_VSCROLL, 12);
  EXPECT_EQ(seen.Measured, (std::vector<UINT>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  // Heights 10, 12, 14, ...: item 3 starts at 10 + 12 + 14.
  RECT r;
  SendMessageA(h, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r.Top, 36);
  EXPECT_EQ(r.Bottom, 52);
  EXPECT_EQ(SendMessageA(h, LB_GETITEMHEIGHT, 3, 0), 16);
  // Items 0..5 fill 10+12+...+20 = 90 of the 100 pixels; the rest are not drawn.
  seen.Drawn.clear();
  SendMessageA(h, LB_SETCURSEL, 1, 0);
  InvalidateRect(h, nullptr, TRUE);
  RunUntilIdle();
  EXPECT_EQ(seen.Drawn, (std::vector<UINT>{0, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(seen.DrawnSelected, (std::vector<UINT>{1}));
  // Hit-testing walks the same heights.
  EXPECT_EQ(LOWORD(SendMessageA(h, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 37))), 3);
  // The last page is the one that shows the last item whole: 32 + 30 + 28 = 90.
  SendMessageA(h, LB_SETTOPINDEX, 11, 0);
  EXPECT_EQ(SendMessageA(h, LB_GETTOPINDEX, 0, 0), 9);
}

TEST_F(ListBoxTest, ScrollingKeepsTheTopInsideTheList) {
  HWND h = List(WS_VSCROLL, 100);
  const int per = 100 / Height(h);
  EXPECT_TRUE(GetWindowLongA(h, GWL_STYLE) & WS_VSCROLL);
  SendMessageA(h, LB_SETTOPINDEX, 99, 0);
  EXPECT_EQ(SendMessageA(h, LB_GETTOPINDEX, 0, 0), 100 - per);
  EXPECT_EQ(GetScrollPos(h, SB_VERT), 100 - per);
  SendMessageA(h, WM_VSCROLL, SB_TOP, 0);
  SendMessageA(h, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(SendMessageA(h, LB_GETTOPINDEX, 0, 0), per - 1);
  SetFocus(h);
  const POINT p = ScreenPoint(h, 10, 10);
  MouseMove(p.X, p.Y);
  Wheel(-WHEEL_DELTA);
  EXPECT_EQ(SendMessageA(h, LB_GETTOPINDEX, 0, 0), per - 1 + 3);
  // Emptying the list hides the bar again.
  SendMessageA(h, LB_RESETCONTENT, 0, 0);
  EXPECT_EQ(SendMessageA(h, LB_GETTOPINDEX, 0, 0), 0);
  EXPECT_FALSE(GetWindowLongA(h, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(ListBoxTest, PaintsTheSelectionAndTheFocus) {
  HWND h = List(0, 3);
  SendMessageA(h, LB_SETCURSEL, 1, 0);
  SetFocus(h);
  RunUntilIdle();
  const int ih = Height(h);
  const TCapture cap = CaptureWindow(h, false);
  const COLORREF window = GetSysColor(COLOR_WINDOW), highlight = GetSysColor(COLOR_HIGHLIGHT);
  // The right-hand strip holds no text: rows are highlight or window colour; the focus
  // rectangle dots the selected row's edges.
  const auto rows = [&](int, int y) { return y >= ih && y < 2 * ih ? highlight : window; };
  EXPECT_TRUE(PixelsMatch(cap, rows, "listbox_rows", RECT{100, 0, 118, ih}));
  EXPECT_TRUE(PixelsMatch(cap, rows, "listbox_selected", RECT{100, ih + 1, 118, 2 * ih - 1}));
  EXPECT_TRUE(PixelsMatch(cap, rows, "listbox_below", RECT{100, 2 * ih, 118, 100}));
  EXPECT_TRUE(cap.Color(119, ih + 1) != highlight || cap.Color(119, ih + 2) != highlight);
}

// A sorted list fed items in descending order puts each one first; its scroll bar knows every
// item at once, though it is drawn only at the next paint.
TEST_F(ListBoxTest, ASortedListFedDescendingItemsPutsEachFirst) {
  HWND h = List(LBS_SORT | WS_VSCROLL);
  constexpr int kItems = 100000;
  auto name = [](int i) {
    std::string s = std::to_string(i);
    return std::string(6 - s.size(), '0') + s;
  };
  int notFirst = 0;
  for (int i = kItems; i >= 1; --i) notFirst += Add(h, name(i)) != 0;
  SCROLLINFO si;
  si.fMask = SIF_RANGE;
  GetScrollInfo(h, SB_VERT, &si);
  ExpectCases({{std::to_string(notFirst), "0"},
               {std::to_string(Count(h)), std::to_string(kItems)},
               {Text(h, 0), name(1)},
               {Text(h, kItems / 2), name(kItems / 2 + 1)},
               {Text(h, kItems - 1), name(kItems)},
               {std::to_string(si.nMax), std::to_string(kItems - 1)}});
}

TEST_F(ListBoxTest, TheScrollBarShowsItemsAddedBelowThePageAfterThePaint) {
  HWND h = List(WS_VSCROLL, 20);
  for (int i = 20; i < 200; ++i) Add(h, "Item " + std::to_string(i));
  RunUntilIdle();
  const TCapture painted = CaptureWindow(h, true);
  RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  RunUntilIdle();
  EXPECT_TRUE(SamePixels(painted, CaptureWindow(h, true), "listbox_bar_after_adding"));
}

// Without LBS_NOINTEGRALHEIGHT a list shows whole items: the part of a row its client area
// would show comes off the window's height.
struct IntegralCase {
  const char* Name;
  DWORD Style, ExStyle;
  int Height;          // asked for
  int Window, Client;  // the heights it gets, with 13-pixel items
};
class IntegralHeight : public ListBoxTest, public ::testing::WithParamInterface<IntegralCase> {};

TEST_P(IntegralHeight, AListShrinksToWholeItems) {
  const IntegralCase& c = GetParam();
  HWND h = CreateWindowExA(c.ExStyle, "listbox", "", WS_CHILD | WS_VISIBLE | c.Style, 10, 10, 120,
                           40, parent_, nullptr, nullptr, nullptr);
  SendMessageA(h, LB_SETITEMHEIGHT, 0, 13);
  SetWindowPos(h, nullptr, 0, 0, 120, c.Height, SWP_NOMOVE | SWP_NOZORDER);
  const RECT w = WindowRect(h), client = ClientRect(h);
  EXPECT_EQ(w.Bottom - w.Top, c.Window);
  EXPECT_EQ(client.Bottom - client.Top, c.Client);
}

INSTANTIATE_TEST_SUITE_P(
    ListBoxTest, IntegralHeight,
    ::testing::Values(IntegralCase{"SunkenEdge", 0, WS_EX_CLIENTEDGE, 300, 290, 286},
                      IntegralCase{"ThinBorder", WS_BORDER, 0, 300, 288, 286},
                      IntegralCase{"NoBorder", 0, 0, 300, 299, 299},
                      IntegralCase{"AlreadyWhole", 0, 0, 299, 299, 299},
                      IntegralCase{"LowerThanAnItem", 0, WS_EX_CLIENTEDGE, 12, 12, 8},
                      IntegralCase{"AsAskedWithNoIntegralHeight", LBS_NOINTEGRALHEIGHT,
                                   WS_EX_CLIENTEDGE, 300, 300, 296},
                      IntegralCase{"VariableHeightsAsAsked", LBS_OWNERDRAWVARIABLE,
                                   WS_EX_CLIENTEDGE, 300, 300, 296}),
    [](const auto& info) { return std::string(info.param.Name); });

// LB_DIR lists the files of a pattern by their attributes, folders in brackets and drives as
// "[-x-]".
struct TDirCase {
  UINT Attrs;
  const char* Mask;
  std::vector<std::string> Want;  // the items, in the sorted list's order
  LRESULT Answer;
};

TEST_F(ListBoxTest, DirListsFilesFoldersAndDrivesByAttribute) {
  testsupport::TempDir dir;
  for (const char* name : {"b.txt", "a.txt", "c.log", ".h.txt", "r.txt"})
    std::ofstream(dir.Path() + "/" + name) << name;
  std::filesystem::create_directories(dir.Path() + "/sub");
  std::filesystem::permissions(dir.Path() + "/r.txt", std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  const TDirCase cases[] = {
      {DDL_READWRITE, "*.txt", {"a.txt", "b.txt"}, 1},
      {DDL_READONLY, "*.txt", {"a.txt", "b.txt", "r.txt"}, 2},
      {DDL_READONLY | DDL_EXCLUSIVE, "*", {"r.txt"}, 0},
      {DDL_HIDDEN | DDL_EXCLUSIVE, "*.txt", {".h.txt"}, 0},
      {DDL_DIRECTORY | DDL_EXCLUSIVE, "*", {"[..]", "[sub]"}, 1},
      {DDL_READWRITE, "*.none", {}, LB_ERR},
  };
  for (const TDirCase& c : cases) {
    SCOPED_TRACE(c.Mask);
    HWND h = List(LBS_SORT);
    const std::string pattern = dir.Path() + "/" + c.Mask;
    EXPECT_EQ(SendMessageA(h, LB_DIR, c.Attrs, reinterpret_cast<LPARAM>(pattern.c_str())),
              c.Answer);
    std::vector<std::string> got;
    for (int i = 0; i < Count(h); ++i) got.push_back(Text(h, i));
    EXPECT_EQ(got, c.Want);
    DestroyWindow(h);
  }
  // Drive C: is always mapped; the drives come after what the pattern found.
  HWND h = List(0);
  const std::string pattern = dir.Path() + "/a.txt";
  EXPECT_GE(SendMessageA(h, LB_DIR, DDL_DRIVES, reinterpret_cast<LPARAM>(pattern.c_str())), 1);
  EXPECT_EQ(Text(h, 0), "a.txt");
  EXPECT_GE(SendMessageA(h, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>("[-c-]")),
            1);
  EXPECT_EQ(SendMessageA(h, LB_DIR, 0, 0), LB_ERR);
}

// The parent destroys the list while the list is telling it of its own work (drawing an item,
// a selection changed by a click or a key): the list's work stops there, nothing of it is used
// after the window is gone, and the parent goes on.
TEST_F(ListBoxTest, AListDestroyedByItsParentInTheMiddleOfItsWorkStopsThere) {
  struct TCase {
    const char* Name;
    DWORD Style;
    UINT At;
    WORD Code;
    std::function<void(HWND)> Work;
  };
  const TCase cases[] = {
      {"an item drawn", LBS_OWNERDRAWFIXED, WM_DRAWITEM, 0, [](HWND h) { UpdateWindow(h); }},
      {"the selection changed by a click", 0, WM_COMMAND, LBN_SELCHANGE,
       [](HWND h) { ClickItem(h, 1); }},
      {"the selection changed by a key", 0, WM_COMMAND, LBN_SELCHANGE,
       [](HWND h) {
         SetFocus(h);
         KeyPress(VK_DOWN);
       }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    HWND list = List(c.Style, 5);
    InvalidateRect(list, nullptr, TRUE);
    seen.DestroyOn = list;
    seen.DestroyAt = c.At;
    seen.DestroyCode = c.Code;
    c.Work(list);
    RunUntilIdle();
    EXPECT_EQ(seen.DestroyOn, nullptr) << "the list did not tell of its work";
    EXPECT_FALSE(IsWindow(list));
    EXPECT_TRUE(IsWindow(parent_));
    seen.DestroyOn = nullptr;
  }
}

}  // namespace
}  // namespace usertest
