// Menus: items by position and by command, submenus, item state, and the system menu of a
// window (its own copy, reverting, going away with the window).
#include <string>
#include <vector>

#include "UserTestSupport.h"

namespace usertest {
namespace {

constexpr UINT kNone = static_cast<UINT>(-1);

std::string TextOf(HMENU m, UINT id, UINT flags) {
  char buf[64];
  const int n = GetMenuStringA(m, id, buf, sizeof buf, flags);
  return std::string(buf, static_cast<size_t>(n < 0 ? 0 : n));
}

std::vector<UINT> IdsOf(HMENU m) {
  std::vector<UINT> ids;
  for (int i = 0; i < GetMenuItemCount(m); ++i) ids.push_back(GetMenuItemID(m, i));
  return ids;
}

class MenusTest : public UserTest {};

TEST_F(MenusTest, ItemsAreAppendedInsertedAndFoundByPositionOrCommand) {
  HMENU m = CreatePopupMenu();
  ASSERT_TRUE(IsMenu(m));
  EXPECT_EQ(GetMenuItemCount(m), 0);
  EXPECT_TRUE(AppendMenuA(m, MF_STRING, 10, "&Open"));
  EXPECT_TRUE(AppendMenuA(m, MF_SEPARATOR, 0, nullptr));
  EXPECT_TRUE(AppendMenuA(m, MF_STRING, 30, "E&xit"));
  // Before the item with command 30, then at position 0, then past the end (appends).
  EXPECT_TRUE(InsertMenuA(m, 30, MF_BYCOMMAND | MF_STRING, 20, "&Save"));
  EXPECT_TRUE(InsertMenuA(m, 0, MF_BYPOSITION | MF_STRING, 5, "&New"));
  EXPECT_TRUE(InsertMenuA(m, kNone, MF_BYPOSITION | MF_STRING, 40, "&About"));
  EXPECT_EQ(IdsOf(m), (std::vector<UINT>{5, 10, 0, 20, 30, 40}));
  // A command nobody has: nothing is inserted.
  EXPECT_FALSE(InsertMenuA(m, 99, MF_BYCOMMAND | MF_STRING, 50, "x"));
  EXPECT_EQ(GetMenuItemCount(m), 6);

  EXPECT_EQ(TextOf(m, 20, MF_BYCOMMAND), "&Save");
  EXPECT_EQ(TextOf(m, 0, MF_BYPOSITION), "&New");
  EXPECT_EQ(TextOf(m, 2, MF_BYPOSITION), "");
  EXPECT_EQ(GetMenuState(m, 2, MF_BYPOSITION), MF_SEPARATOR);
  EXPECT_EQ(GetMenuItemID(m, 6), kNone);
  EXPECT_EQ(GetMenuItemID(m, -1), kNone);
  DestroyMenu(m);
}

TEST_F(MenusTest, MenuStringsAreCutToTheBufferAndMeasuredWithoutOne) {
  HMENU m = CreateMenu();
  AppendMenuA(m, MF_STRING, 1, "&Close\tAlt+F4");
  EXPECT_EQ(GetMenuStringA(m, 1, nullptr, 0, MF_BYCOMMAND), 13);
  char small[5] = {'x', 'x', 'x', 'x', 'x'};
  EXPECT_EQ(GetMenuStringA(m, 1, small, 5, MF_BYCOMMAND), 4);
  EXPECT_STREQ(small, "&Clo");
  char one[1] = {'x'};
  EXPECT_EQ(GetMenuStringA(m, 0, one, 1, MF_BYPOSITION), 0);
  EXPECT_EQ(one[0], '\0');
  char buf[8] = {'x'};
  EXPECT_EQ(GetMenuStringA(m, 2, buf, 8, MF_BYCOMMAND), 0);
  EXPECT_EQ(buf[0], '\0');
  DestroyMenu(m);
}

TEST_F(MenusTest, CheckAndEnableAnswerThePreviousStateOrMinusOne) {
  HMENU m = CreatePopupMenu();
  AppendMenuA(m, MF_STRING | MF_GRAYED, 7, "Seven");
  AppendMenuA(m, MF_STRING | MF_CHECKED, 8, "Eight");
  EXPECT_EQ(GetMenuState(m, 7, MF_BYCOMMAND), MF_GRAYED);
  EXPECT_EQ(CheckMenuItem(m, 7, MF_BYCOMMAND | MF_CHECKED), MF_UNCHECKED);
  EXPECT_EQ(CheckMenuItem(m, 0, MF_BYPOSITION | MF_UNCHECKED), MF_CHECKED);
  EXPECT_EQ(GetMenuState(m, 7, MF_BYCOMMAND), MF_UNCHECKED | MF_GRAYED);
  EXPECT_EQ(CheckMenuItem(m, 1, MF_BYPOSITION | MF_UNCHECKED), MF_CHECKED);
  EXPECT_EQ(GetMenuState(m, 8, MF_BYCOMMAND), 0u);

  EXPECT_EQ(EnableMenuItem(m, 7, MF_BYCOMMAND | MF_ENABLED), static_cast<BOOL>(MF_GRAYED));
  EXPECT_EQ(EnableMenuItem(m, 1, MF_BYPOSITION | MF_DISABLED), static_cast<BOOL>(MF_ENABLED));
  EXPECT_EQ(GetMenuState(m, 8, MF_BYCOMMAND), MF_DISABLED);
  // Missing items, by either addressing.
  EXPECT_EQ(CheckMenuItem(m, 9, MF_BYCOMMAND | MF_CHECKED), static_cast<DWORD>(-1));
  EXPECT_EQ(EnableMenuItem(m, 2, MF_BYPOSITION | MF_GRAYED), -1);
  EXPECT_EQ(GetMenuState(m, 2, MF_BYPOSITION), kNone);
  DestroyMenu(m);
}

TEST_F(MenusTest, SubmenusAreSearchedByCommandAndDeletedWithTheirItem) {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  HMENU recent = CreatePopupMenu();
  AppendMenuA(recent, MF_STRING, 101, "1 a.txt");
  AppendMenuA(recent, MF_STRING, 102, "2 b.txt");
  AppendMenuA(file, MF_STRING, 100, "&Open");
  ASSERT_TRUE(AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "&Recent"));
  ASSERT_TRUE(AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File"));
  // A popup item has no command; its state carries the submenu's item count.
  EXPECT_EQ(GetMenuItemID(file, 1), kNone);
  EXPECT_EQ(GetSubMenu(file, 1), recent);
  EXPECT_EQ(GetMenuState(file, 1, MF_BYPOSITION), (2u << 8) | MF_POPUP);
  // By command, the search goes down into submenus.
  EXPECT_EQ(TextOf(bar, 102, MF_BYCOMMAND), "2 b.txt");
  EXPECT_EQ(CheckMenuItem(bar, 101, MF_BYCOMMAND | MF_CHECKED), MF_UNCHECKED);
  EXPECT_EQ(GetMenuState(recent, 0, MF_BYPOSITION), MF_CHECKED);
  EXPECT_TRUE(DeleteMenu(bar, 102, MF_BYCOMMAND));
  EXPECT_EQ(GetMenuItemCount(recent), 1);

  // RemoveMenu keeps the submenu alive, DeleteMenu destroys it.
  EXPECT_TRUE(RemoveMenu(file, 1, MF_BYPOSITION));
  EXPECT_TRUE(IsMenu(recent));
  EXPECT_EQ(GetMenuItemCount(file), 1);
  AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "&Recent");
  EXPECT_TRUE(DeleteMenu(file, 1, MF_BYPOSITION));
  EXPECT_FALSE(IsMenu(recent));
  // Destroying the bar takes the file menu with it.
  EXPECT_TRUE(DestroyMenu(bar));
  EXPECT_FALSE(IsMenu(file));
  EXPECT_FALSE(DestroyMenu(bar));
}

TEST_F(MenusTest, DestroyedAndMadeUpHandlesAreRefused) {
  HMENU m = CreatePopupMenu();
  AppendMenuA(m, MF_STRING, 1, "One");
  DestroyMenu(m);
  HMENU fake = reinterpret_cast<HMENU>(static_cast<uintptr_t>(0x1234));
  for (HMENU h : {m, fake, static_cast<HMENU>(nullptr)}) {
    EXPECT_FALSE(IsMenu(h));
    EXPECT_EQ(GetMenuItemCount(h), -1);
    EXPECT_FALSE(AppendMenuA(h, MF_STRING, 2, "Two"));
    EXPECT_FALSE(InsertMenuA(h, 0, MF_BYPOSITION, 2, "Two"));
    EXPECT_FALSE(DeleteMenu(h, 0, MF_BYPOSITION));
    EXPECT_FALSE(RemoveMenu(h, 1, MF_BYCOMMAND));
    EXPECT_EQ(GetMenuItemID(h, 0), kNone);
    EXPECT_EQ(GetMenuState(h, 0, MF_BYPOSITION), kNone);
    EXPECT_EQ(GetMenuStringA(h, 0, nullptr, 0, MF_BYPOSITION), 0);
    EXPECT_FALSE(DestroyMenu(h));
  }
  // A dead handle cannot become a submenu either, and a menu cannot hold itself.
  HMENU live = CreatePopupMenu();
  EXPECT_FALSE(AppendMenuA(live, MF_POPUP, reinterpret_cast<UINT_PTR>(m), "Dead"));
  EXPECT_FALSE(AppendMenuA(live, MF_POPUP, reinterpret_cast<UINT_PTR>(live), "Self"));
  EXPECT_EQ(GetMenuItemCount(live), 0);
  // New menus never reuse an old handle.
  EXPECT_NE(live, m);
  DestroyMenu(live);
}

TEST_F(MenusTest, MenusThatHoldEachOtherStayFiniteToSearchAndDestroy) {
  HMENU a = CreatePopupMenu();
  HMENU b = CreatePopupMenu();
  ASSERT_TRUE(AppendMenuA(a, MF_POPUP, reinterpret_cast<UINT_PTR>(b), "B"));
  ASSERT_TRUE(AppendMenuA(b, MF_POPUP, reinterpret_cast<UINT_PTR>(a), "A"));
  EXPECT_EQ(GetMenuState(a, 77, MF_BYCOMMAND), kNone);
  EXPECT_TRUE(DestroyMenu(a));
  EXPECT_FALSE(IsMenu(b));
}

class SystemMenuTest : public UserTest {
 protected:
  HWND Top(DWORD style) { return Make("PlainWnd", style, nullptr, 10, 10, 200, 150, "T"); }
};

TEST_F(SystemMenuTest, EachWindowGetsItsOwnCopyOfTheStandardMenu) {
  HWND a = Top(WS_OVERLAPPEDWINDOW);
  HWND b = Top(WS_OVERLAPPEDWINDOW);
  HMENU ma = GetSystemMenu(a, FALSE);
  ASSERT_TRUE(IsMenu(ma));
  EXPECT_EQ(GetSystemMenu(a, FALSE), ma);
  EXPECT_EQ(IdsOf(ma), (std::vector<UINT>{SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE,
                                          SC_MAXIMIZE, 0, SC_CLOSE}));
  const std::vector<std::string> texts = {"&Restore", "&Move", "&Size", "Mi&nimize",
                                          "Ma&ximize", "", "&Close\tAlt+F4"};
  for (UINT i = 0; i < texts.size(); ++i) EXPECT_EQ(TextOf(ma, i, MF_BYPOSITION), texts[i]);
  EXPECT_EQ(GetMenuState(ma, 5, MF_BYPOSITION), MF_SEPARATOR);

  // Changing one window's copy leaves the other's alone.
  HMENU mb = GetSystemMenu(b, FALSE);
  ASSERT_NE(mb, ma);
  EXPECT_TRUE(DeleteMenu(ma, SC_SIZE, MF_BYCOMMAND));
  EXPECT_TRUE(EnableMenuItem(ma, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED) == MF_ENABLED);
  EXPECT_EQ(GetMenuItemCount(ma), 6);
  EXPECT_EQ(GetMenuItemCount(mb), 7);
  EXPECT_EQ(GetMenuState(mb, SC_CLOSE, MF_BYCOMMAND), MF_ENABLED);
  EXPECT_TRUE(DrawMenuBar(a));
}

TEST_F(SystemMenuTest, RevertingDropsTheCopySoTheNextOneStartsAfresh) {
  HWND a = Top(WS_OVERLAPPEDWINDOW);
  HMENU first = GetSystemMenu(a, FALSE);
  DeleteMenu(first, 0, MF_BYPOSITION);
  EXPECT_EQ(GetSystemMenu(a, TRUE), nullptr);
  EXPECT_FALSE(IsMenu(first));
  HMENU second = GetSystemMenu(a, FALSE);
  ASSERT_TRUE(IsMenu(second));
  EXPECT_NE(second, first);
  EXPECT_EQ(GetMenuItemCount(second), 7);
  // Reverting a window that has no copy is harmless.
  HWND b = Top(WS_OVERLAPPEDWINDOW);
  EXPECT_EQ(GetSystemMenu(b, TRUE), nullptr);
  EXPECT_EQ(GetMenuItemCount(GetSystemMenu(b, FALSE)), 7);
}

TEST_F(SystemMenuTest, MenusGoWithTheirWindowAndOnlySystemMenuWindowsHaveOne) {
  HWND a = Top(WS_OVERLAPPEDWINDOW);
  HMENU m = GetSystemMenu(a, FALSE);
  HMENU sub = CreatePopupMenu();
  AppendMenuA(m, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "Extra");
  DestroyWindow(a);
  EXPECT_FALSE(IsMenu(m));
  EXPECT_FALSE(IsMenu(sub));
  EXPECT_EQ(GetSystemMenu(a, FALSE), nullptr);
  EXPECT_FALSE(DrawMenuBar(a));

  HWND plain = Top(WS_POPUP | WS_BORDER);
  EXPECT_EQ(GetSystemMenu(plain, FALSE), nullptr);
  EXPECT_EQ(GetSystemMenu(nullptr, FALSE), nullptr);
  EXPECT_EQ(GetSystemMenu(GetDesktopWindow(), FALSE), nullptr);

  // A system menu the program destroys itself is made afresh on the next request.
  HWND b = Top(WS_OVERLAPPEDWINDOW);
  HMENU mb = GetSystemMenu(b, FALSE);
  EXPECT_TRUE(DestroyMenu(mb));
  HMENU again = GetSystemMenu(b, FALSE);
  EXPECT_TRUE(IsMenu(again));
  EXPECT_NE(again, mb);
}

TEST_F(MenusTest, ItemInfoKeepsTextAndOwnerDataTogether) {
  HMENU m = CreatePopupMenu();
  MENUITEMINFOA in;
  char text[] = "&Drawn";
  in.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STRING | MIIM_STATE;
  in.fType = MFT_OWNERDRAW | MFT_RADIOCHECK;
  in.fState = MFS_CHECKED;
  in.wID = 7;
  in.dwItemData = 0xABCD;
  in.dwTypeData = text;
  EXPECT_TRUE(InsertMenuItemA(m, kNone, TRUE, &in));
  MENUITEMINFOA out;
  char buf[4] = {};
  out.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STRING | MIIM_STATE;
  out.dwTypeData = buf;
  out.cch = sizeof buf;
  ASSERT_TRUE(GetMenuItemInfoA(m, 7, FALSE, &out));
  EXPECT_EQ(out.fType, MFT_OWNERDRAW | MFT_RADIOCHECK);
  EXPECT_EQ(out.fState, MFS_CHECKED);
  EXPECT_EQ(out.dwItemData, 0xABCDu);
  EXPECT_EQ(std::string(buf), "&Dr");  // cut to the buffer
  EXPECT_EQ(out.cch, 6u);
  MENUITEMINFOA bad;
  bad.cbSize = 3;
  EXPECT_FALSE(InsertMenuItemA(m, 0, TRUE, &bad));
  EXPECT_FALSE(InsertMenuItemA(m, 0, TRUE, nullptr));
  in.fMask = MIIM_SUBMENU;
  in.hSubMenu = m;  // a menu inside itself
  EXPECT_FALSE(InsertMenuItemA(m, 0, TRUE, &in));
  EXPECT_EQ(GetMenuItemCount(m), 1);
}

TEST_F(MenusTest, AMenuBarBelongsToATopLevelWindowAndGoesWithIt) {
  HWND top = CreateWindowExA(0, "PlainWnd", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                             nullptr, nullptr, nullptr, nullptr);
  HWND child = CreateWindowExA(0, "PlainWnd", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, top, nullptr,
                               nullptr, nullptr);
  HMENU bar = CreateMenu(), gone = CreateMenu();
  AppendMenuA(bar, MF_STRING, 1, "&File");
  DestroyMenu(gone);
  RECT before, after;
  GetClientRect(top, &before);
  EXPECT_FALSE(SetMenu(child, bar));
  EXPECT_FALSE(SetMenu(top, gone));
  EXPECT_TRUE(SetMenu(top, bar));
  EXPECT_EQ(GetMenu(top), bar);
  GetClientRect(top, &after);
  EXPECT_EQ(before.Bottom - after.Bottom, GetSystemMetrics(SM_CYMENU));
  // A bar destroyed behind the window's back is no longer its bar; a window destroys its bar.
  HMENU second = CreateMenu();
  EXPECT_TRUE(SetMenu(top, second));
  DestroyMenu(second);
  EXPECT_EQ(GetMenu(top), nullptr);
  EXPECT_TRUE(SetMenu(top, bar));
  DestroyWindow(top);
  EXPECT_FALSE(IsMenu(bar));
}

TEST_F(MenusTest, RightClicksAndContextKeysSendContextMenuToTheWindowAndOnToItsParent) {
  HWND top = CreateWindowExA(0, "PlainWnd", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                             nullptr, nullptr, nullptr, nullptr);
  HWND child = CreateWindowExA(0, "PlainWnd", "", WS_CHILD | WS_VISIBLE, 20, 20, 80, 60, top,
                               nullptr, nullptr, nullptr);
  testkit::TMessageRecorder rec(top);
  rec.Attach(child);
  const POINT p = testkit::ScreenPoint(child, 5, 6);
  testkit::Click(p.X, p.Y, 1);
  SetFocus(child);
  testkit::KeyPress(VK_APPS);
  testkit::SetShiftState(true, false, false);
  testkit::KeyPress(VK_F10);
  testkit::SetShiftState(false, false, false);
  std::vector<std::string> seen;
  for (const auto& e : rec.Entries())
    if (e.Msg == WM_CONTEXTMENU)
      seen.push_back((e.Hwnd == top ? "top " : "child ") + std::to_string(e.LParam));
  const std::string at = std::to_string(MAKELPARAM(static_cast<WORD>(p.X), static_cast<WORD>(p.Y)));
  EXPECT_EQ(seen, (std::vector<std::string>{"child " + at, "top " + at, "child -1", "top -1",
                                            "child -1", "top -1"}));
}

}  // namespace
}  // namespace usertest
