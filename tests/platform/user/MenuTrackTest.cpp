// Popup menus tracked by the keyboard and the mouse, the owner's notifications, where menus
// open, what they look like, and menus left without input.
#include <string>
#include <vector>

#include "UserTestSupport.h"
#include "platform/base/Exceptions.h"
#include "tests/support/PixelCheck.h"

namespace usertest {
namespace {

using testkit::OpenMenus;
using testkit::TOpenMenu;

enum : UINT { kOpen = 10, kSave = 20, kExit = 30, kGrey = 40, kDeep = 50, kDeeper = 60 };

// Open, Save, separator, Exit, a disabled item, a submenu with two items.
struct MenuFixture : UserTest {
  void SetUp() override {
    UserTest::SetUp();
    owner = CreateWindowExA(0, "PlainWnd", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200,
                            nullptr, nullptr, nullptr, nullptr);
    menu = CreatePopupMenu();
    sub = CreatePopupMenu();
    AppendMenuA(sub, MF_STRING, kDeep, "&Deep");
    AppendMenuA(sub, MF_STRING, kDeeper, "D&eeper");
    AppendMenuA(menu, MF_STRING, kOpen, "&Open\tCtrl+O");
    AppendMenuA(menu, MF_STRING | MF_CHECKED, kSave, "&Save");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kExit, "E&xit");
    AppendMenuA(menu, MF_STRING | MF_GRAYED, kGrey, "&Grey");
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "Su&b");
    testkit::CloseMenusWhenIdle(true);
  }
  UINT Track(UINT flags = TPM_RETURNCMD, int x = 100, int y = 100) {
    return static_cast<UINT>(TrackPopupMenuEx(menu, flags, x, y, owner, nullptr));
  }
  HWND owner = nullptr;
  HMENU menu = nullptr;
  HMENU sub = nullptr;
};

void QueueKeys(const std::vector<BYTE>& keys) {
  for (BYTE k : keys) {
    testkit::QueueKey(k, true);
    testkit::QueueKey(k, false);
  }
}

struct KeyCase {
  const char* Name;
  std::vector<BYTE> Keys;
  UINT Expected;  // 0: cancelled
};

class MenuKeys : public MenuFixture, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(MenuKeys, ChooseTheExpectedCommand) {
  QueueKeys(GetParam().Keys);
  EXPECT_EQ(Track(), GetParam().Expected);
  EXPECT_TRUE(OpenMenus().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, MenuKeys,
    ::testing::Values(
        KeyCase{"FirstItem", {VK_DOWN, VK_RETURN}, kOpen},
        KeyCase{"SeparatorSkipped", {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, kExit},
        KeyCase{"UpWrapsToLastThenDisabledIsNotChosen", {VK_UP, VK_UP, VK_RETURN}, 0},
        KeyCase{"EscapeCancels", {VK_DOWN, VK_ESCAPE}, 0},
        KeyCase{"EnterWithoutHighlightDoesNothing", {VK_RETURN}, 0},
        KeyCase{"Accelerator", {'X'}, kExit},
        KeyCase{"AcceleratorOfDisabledItemDoesNotChoose", {'G'}, 0},
        KeyCase{"RightOpensSubmenu", {VK_UP, VK_RIGHT, VK_RETURN}, kDeep},
        KeyCase{"AcceleratorInSubmenu", {'B', 'E'}, kDeeper},
        KeyCase{"EscapeClosesOnlySubmenu", {'B', VK_ESCAPE, VK_DOWN, VK_RETURN}, kOpen},
        KeyCase{"LeftClosesSubmenu", {'B', VK_LEFT, VK_UP, VK_UP, VK_RETURN}, kExit},
        KeyCase{"AltCancels", {VK_DOWN, VK_MENU}, 0}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(MenuFixture, OwnerIsToldOfTheLoopAndGetsTheCommand) {
  testkit::TMessageRecorder rec(owner);
  QueueKeys({VK_DOWN, VK_RETURN});
  EXPECT_EQ(Track(0), static_cast<UINT>(TRUE));
  testkit::RunUntilIdle();
  const std::vector<UINT> only{WM_ENTERMENULOOP, WM_INITMENU,     WM_INITMENUPOPUP,
                               WM_MENUSELECT,    WM_EXITMENULOOP, WM_COMMAND};
  EXPECT_EQ(rec.Messages(only),
            (std::vector<UINT>{WM_ENTERMENULOOP, WM_INITMENU, WM_INITMENUPOPUP, WM_MENUSELECT,
                               WM_MENUSELECT, WM_EXITMENULOOP, WM_COMMAND}));
  std::vector<testkit::TMessageRecorder::Entry> selects;
  for (const auto& e : rec.Entries()) {
    if (e.Msg == WM_MENUSELECT) selects.push_back(e);
    if (e.Msg == WM_INITMENUPOPUP) {
      EXPECT_EQ(e.WParam, reinterpret_cast<WPARAM>(menu));
    }
    if (e.Msg == WM_COMMAND) {
      EXPECT_EQ(e.WParam, kOpen);
    }
  }
  ASSERT_EQ(selects.size(), 2u);
  EXPECT_EQ(LOWORD(selects[0].WParam), kOpen);
  EXPECT_TRUE(HIWORD(selects[0].WParam) & MF_HILITE);
  EXPECT_EQ(selects[0].LParam, reinterpret_cast<LPARAM>(menu));
  // The closing one names no menu.
  EXPECT_EQ(HIWORD(selects[1].WParam), 0xFFFF);
  EXPECT_EQ(selects[1].LParam, 0);
}

TEST_F(MenuFixture, NoNotifyKeepsTheOwnerUninformed) {
  testkit::TMessageRecorder rec(owner);
  QueueKeys({VK_DOWN, VK_RETURN});
  EXPECT_EQ(Track(TPM_NONOTIFY | TPM_RETURNCMD), static_cast<UINT>(kOpen));
  testkit::RunUntilIdle();
  EXPECT_TRUE(rec.Messages({WM_ENTERMENULOOP, WM_INITMENUPOPUP, WM_MENUSELECT, WM_COMMAND}).empty());
}

TEST_F(MenuFixture, MouseChoosesThroughASubmenu) {
  testkit::ChooseMenuPath({"Sub", "Deeper"});
  EXPECT_EQ(Track(), static_cast<UINT>(kDeeper));
}

TEST_F(MenuFixture, ClickOnDisabledItemOrSeparatorKeepsTheMenuOpen) {
  int step = 0;
  std::vector<size_t> openCounts;
  testkit::SetMenuHandler([&] {
    const std::vector<TOpenMenu> open = OpenMenus();
    openCounts.push_back(open.size());
    const std::vector<std::string> clicks{"Grey", "", "Save"};
    if (step >= 3) return;
    RECT r = step == 1 ? open[0].Items[2].Rect : open[0].Items[static_cast<size_t>(open[0].Find(clicks[static_cast<size_t>(step)]))].Rect;
    ++step;
    testkit::QueueClick((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  });
  EXPECT_EQ(Track(), static_cast<UINT>(kSave));
  EXPECT_EQ(openCounts, (std::vector<size_t>{1, 1, 1}));
}

TEST_F(MenuFixture, ClickOutsideCancels) {
  testkit::SetMenuHandler([] { testkit::QueueClick(900, 700); });
  EXPECT_EQ(Track(), 0u);
}

TEST_F(MenuFixture, MenusOpenBesideTheirItemAndFlipAtTheScreenEdge) {
  struct Where {
    int X;
    bool OpensRight;
  };
  for (const Where w : {Where{100, true}, Where{900, false}}) {
    SCOPED_TRACE(w.X);
    std::vector<TOpenMenu> seen;
    RECT frame{};
    QueueKeys({'B'});
    testkit::SetMenuHandler([&] {
      seen = OpenMenus();
      GetWindowRect(seen[0].Window, &frame);
      EndMenu();
    });
    EXPECT_EQ(Track(TPM_RETURNCMD, w.X, 100), 0u);
    ASSERT_EQ(seen.size(), 2u);
    const RECT parent = seen[0].Items[5].Rect, child = seen[1].Items[0].Rect;
    EXPECT_EQ(seen[0].Highlighted, 5);
    EXPECT_EQ(seen[1].Highlighted, 0);  // the keyboard opened it: its first item is highlighted
    EXPECT_EQ(child.Top, parent.Top);
    if (w.OpensRight) EXPECT_GT(child.Left, parent.Right - 8);
    else EXPECT_LT(child.Right, parent.Left + 8);
    // Items stack without gaps; the menu's own top-left corner is at the point asked for.
    EXPECT_EQ(seen[0].Items[1].Rect.Top, seen[0].Items[0].Rect.Bottom);
    if (w.OpensRight) {
      EXPECT_EQ(frame.Left, w.X);
    }
    EXPECT_EQ(frame.Top, 100);
  }
}

TEST_F(MenuFixture, AlignmentFlagsPlaceTheMenuAroundThePoint) {
  RECT plain{}, aligned{};
  testkit::SetMenuHandler([&] {
    GetWindowRect(OpenMenus()[0].Window, &plain);
    EndMenu();
  });
  Track(TPM_RETURNCMD, 400, 300);
  testkit::SetMenuHandler([&] {
    GetWindowRect(OpenMenus()[0].Window, &aligned);
    EndMenu();
  });
  Track(TPM_RETURNCMD | TPM_RIGHTALIGN | TPM_BOTTOMALIGN, 400, 300);
  EXPECT_EQ(aligned.Right, 400);
  EXPECT_EQ(aligned.Bottom, 300);
  EXPECT_EQ(aligned.Right - aligned.Left, plain.Right - plain.Left);
}

TEST_F(MenuFixture, LooksClassic) {
  testkit::TCapture shot;
  std::vector<TOpenMenu> open;
  RECT frame{};
  QueueKeys({VK_DOWN});
  testkit::SetMenuHandler([&] {
    testkit::RunUntilIdle();
    open = OpenMenus();
    GetWindowRect(open[0].Window, &frame);
    shot = testkit::CaptureWindow(open[0].Window);
    EndMenu();
  });
  Track();
  ASSERT_EQ(open.size(), 1u);
  auto local = [&](RECT r) {
    OffsetRect(&r, -frame.Left, -frame.Top);
    return r;
  };
  const COLORREF menuColor = GetSysColor(COLOR_MENU), hot = GetSysColor(COLOR_HIGHLIGHT);
  // A raised frame: light top-left, dark bottom-right outer lines.
  EXPECT_EQ(shot.Color(shot.Width / 2, 0), GetSysColor(COLOR_3DLIGHT));
  EXPECT_EQ(shot.Color(shot.Width / 2, shot.Height - 1), GetSysColor(COLOR_3DDKSHADOW));
  // The highlighted item is filled with the highlight colour where no text is.
  RECT open0 = local(open[0].Items[0].Rect);
  RECT tail{open0.Right - 12, open0.Top, open0.Right, open0.Bottom};
  EXPECT_TRUE(testkit::PixelsMatch(shot, [&](int, int) { return hot; }, "menu_hot_tail", tail));
  // A plain item's check column is empty; the checked one has a mark.
  auto countIn = [&](RECT r, COLORREF c) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += shot.Color(x, y) == c;
    return n;
  };
  RECT exitRow = local(open[0].Items[3].Rect), saveRow = local(open[0].Items[1].Rect);
  RECT exitCheck{exitRow.Left, exitRow.Top, exitRow.Left + 16, exitRow.Bottom};
  RECT saveCheck{saveRow.Left, saveRow.Top, saveRow.Left + 16, saveRow.Bottom};
  EXPECT_EQ(countIn(exitCheck, menuColor), (exitCheck.Right - exitCheck.Left) * (exitCheck.Bottom - exitCheck.Top));
  EXPECT_GT(countIn(saveCheck, GetSysColor(COLOR_MENUTEXT)), 10);
  // The disabled item is etched: grey text over a light copy.
  RECT grey = local(open[0].Items[4].Rect);
  EXPECT_GT(countIn(grey, GetSysColor(COLOR_GRAYTEXT)), 5);
  EXPECT_GT(countIn(grey, GetSysColor(COLOR_3DHILIGHT)), 5);
  EXPECT_EQ(countIn(grey, GetSysColor(COLOR_MENUTEXT)), 0);
  // The separator is an etched line across the menu.
  RECT sep = local(open[0].Items[2].Rect);
  EXPECT_EQ(shot.Color(sep.Left + 20, sep.Top + 3), GetSysColor(COLOR_3DSHADOW));
  EXPECT_EQ(shot.Color(sep.Left + 20, sep.Top + 4), GetSysColor(COLOR_3DHILIGHT));
  // The submenu item has an arrow in its last column, the others none.
  RECT subRow = local(open[0].Items[5].Rect), openRow = local(open[0].Items[3].Rect);
  RECT subArrow{subRow.Right - 14, subRow.Top, subRow.Right, subRow.Bottom};
  RECT noArrow{openRow.Right - 14, openRow.Top, openRow.Right, openRow.Bottom};
  EXPECT_GE(countIn(subArrow, GetSysColor(COLOR_MENUTEXT)), 16);
  EXPECT_EQ(countIn(noArrow, GetSysColor(COLOR_MENUTEXT)), 0);
  if (HasFailure()) testkit::WriteFailurePng(shot, "menu_classic");
}

TEST_F(MenuFixture, ForgottenMenuThrowsInsteadOfHanging) {
  testkit::CloseMenusWhenIdle(false);
  EXPECT_THROW(Track(), vcl::EInvalidOperation);
  EXPECT_TRUE(OpenMenus().empty());
  EXPECT_EQ(GetCapture(), nullptr);
  // The loop is free again.
  testkit::CloseMenusWhenIdle(true);
  QueueKeys({'O'});
  EXPECT_EQ(Track(), static_cast<UINT>(kOpen));
}

TEST_F(MenuFixture, BadArgumentsAreRefused) {
  HMENU gone = CreatePopupMenu();
  DestroyMenu(gone);
  EXPECT_FALSE(TrackPopupMenuEx(gone, TPM_RETURNCMD, 0, 0, owner, nullptr));
  EXPECT_FALSE(TrackPopupMenuEx(menu, TPM_RETURNCMD, 0, 0, nullptr, nullptr));
  // A second menu while one is tracked is refused.
  BOOL nested = TRUE;
  testkit::SetMenuHandler([&] {
    nested = TrackPopupMenuEx(sub, TPM_RETURNCMD, 0, 0, owner, nullptr);
    EndMenu();
  });
  Track();
  EXPECT_FALSE(nested);
}

TEST_F(MenuFixture, SystemMenuSendsSysCommand) {
  testkit::TMessageRecorder rec(owner);
  QueueKeys({'N'});  // Mi&nimize
  EXPECT_TRUE(TrackPopupMenu(GetSystemMenu(owner, FALSE), 0, 60, 60, 0, owner, nullptr));
  testkit::RunUntilIdle();
  bool seen = false;
  for (const auto& e : rec.Entries())
    if (e.Msg == WM_SYSCOMMAND) seen = (e.WParam & 0xFFF0) == SC_MINIMIZE;
  EXPECT_TRUE(seen);
}

}  // namespace
}  // namespace usertest
