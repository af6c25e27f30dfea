// Routines on forms, windows and the application, the icon conversions, the shell's system
// image lists and the background refresh of a supplier's controls.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLClass.h"
#include "foundation/ZYLControl.h"
#include "foundation/ZYLCustomControl.h"
#include "foundation/ZYLFormUtils.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLSysUtils.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Icon.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "platform/user/WinUserConsts.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

class FormUtilsTest : public ::testing::Test {
 protected:
  FormUtilsTest() {}
  vcl::testkit::TControlsSession session_;
};

// A graphic control that counts the background refreshes it is asked for.
class TCountingControl : public TZYLGraphicControl {
  ZYL_CLASS(TCountingControl, TZYLGraphicControl)
  explicit TCountingControl(vcl::TComponent* AOwner) : inherited(AOwner) {}
  void BackUpdate() override { ++Updates; }
  int Updates = 0;
};
ZYL_CLASS_IMPL(TCountingControl) {}

class TPlainWinControl : public TZYLCustomControl {
  ZYL_CLASS(TPlainWinControl, TZYLCustomControl)
  explicit TPlainWinControl(vcl::TComponent* AOwner) : inherited(AOwner) {}
};
ZYL_CLASS_IMPL(TPlainWinControl) {}

TEST(FormUtils, LightColourPairsAreDistinctAndNamed) {
  vcl::TColor a = 0, i = 0;
  ZYLGetLightColors(lcRed, a, i);
  EXPECT_EQ(a, vcl::clRed);
  EXPECT_EQ(i, vcl::clMaroon);
  ZYLGetLightColors(lcNone, a, i);
  EXPECT_EQ(a, vcl::clLime);
  EXPECT_EQ(i, vcl::clGreen);
  for (int c = lcBlue; c <= lcPurple; ++c) {
    ZYLGetLightColors(static_cast<TZYLLightColor>(c), a, i);
    EXPECT_NE(a, i) << c;
  }
  EXPECT_STREQ(TZYLNormalBtnStyleString[0], "");
  EXPECT_STREQ(TZYLNormalBtnStyleString[2], "nbsWin40");
  EXPECT_EQ(vcl::GetEnumName(ZylTypeInfo(static_cast<TZYLSysMenuEntry*>(nullptr)), smSwitch),
            "smSwitch");
}

TEST_F(FormUtilsTest, OneInstanceCheckWantsAFormAndOneComponentOfTheClass) {
  vcl::TForm form(nullptr);
  auto* first = new TPlainWinControl(&form);
  EXPECT_FALSE(ZYLCheckForSameClass(&form, TPlainWinControl::StaticClass(), false));
  new TPlainWinControl(&form);
  EXPECT_TRUE(ZYLCheckForSameClass(&form, TPlainWinControl::StaticClass(), false));
  EXPECT_FALSE(ZYLCheckForSameClass(&form, nullptr, false));
  EXPECT_FALSE(ZYLCheckForSameClass(&form, nullptr, true));
  // An owner that is no form (nor a data module) is a violation even for the first one.
  vcl::TComponent plain(nullptr);
  EXPECT_TRUE(ZYLCheckForSameClass(&plain, TPlainWinControl::StaticClass(), true));
  EXPECT_TRUE(ZYLCheckForSameClass(nullptr, TPlainWinControl::StaticClass(), true));
  (void)first;
}

TEST_F(FormUtilsTest, ThemesSwitchReachesEveryOwnedControlThatHasOne) {
  vcl::TForm form(nullptr);
  auto* a = new TPlainWinControl(&form);
  auto* b = new TCountingControl(&form);
  new vcl::TComponent(&form);  // no themes switch: left alone
  ZYLSetCtlXP(&form, false);
  EXPECT_FALSE(a->GetCtlXP());
  EXPECT_FALSE(b->GetCtlXP());
  ZYLSetCtlXP(&form, true);
  EXPECT_TRUE(a->GetCtlXP());
  EXPECT_TRUE(b->GetCtlXP());
  ZYLSetCtlXP(nullptr, false);
}

TEST_F(FormUtilsTest, CentringAndTheOpeningAnimationsLeaveTheScreenAsItWas) {
  vcl::TForm form(nullptr);
  form.SetBounds(10, 10, 200, 100);
  ZYLCenterForm(&form);
  EXPECT_EQ(form.Left(), (win::GetSystemMetrics(win::SM_CXSCREEN) - 200) / 2);
  EXPECT_EQ(form.Top(), (win::GetSystemMetrics(win::SM_CYSCREEN) - 100) / 2);
  form.Show();
  win::testkit::RunUntilIdle();
  const auto before = win::testkit::CaptureScreen();
  win::testkit::MouseMove(5, 5);
  ZYLExplodeForm(&form);
  ZYLExplodeForm2(&form);
  ZYLExplodeForm(nullptr);
  const auto after = win::testkit::CaptureScreen();
  EXPECT_EQ(before.Pixels, after.Pixels);
}

TEST_F(FormUtilsTest, WaitingHandlesMessagesUntilTheTimeHasPassed) {
  ASSERT_NE(vcl::Application, nullptr);
  vcl::TForm form(nullptr);
  form.HandleNeeded();
  int seen = 0;
  struct TProbe : vcl::TObject {
    int* Seen;
    bool Hook(vcl::TMessage& M) {
      if (M.Msg == win::WM_USER + 7) ++*Seen;
      return false;
    }
  } probe;
  probe.Seen = &seen;
  vcl::Application->HookMainWindow(vcl::TWindowHook(&probe, &TProbe::Hook));
  win::PostMessageA(vcl::Application->Handle(), win::WM_USER + 7, 0, 0);
  const uint64_t start = win::GetTickCount64();
  ZYLWait(0);
  EXPECT_EQ(win::GetTickCount64(), start);
  ZYLWait(250);
  EXPECT_GE(win::GetTickCount64() - start, 250u);
  EXPECT_LT(win::GetTickCount64() - start, 300u);
  EXPECT_EQ(seen, 1);
  vcl::Application->UnhookMainWindow(vcl::TWindowHook(&probe, &TProbe::Hook));
}

TEST_F(FormUtilsTest, AnotherInstanceIsRestoredAndTheOwnWindowGivesUpItsTitle) {
  testsupport::TempDir dir;
  setenv("XDG_RUNTIME_DIR", dir.Path().c_str(), 1);
  vcl::Application->SetTitle("Unit Test Program");
  win::HWND own = vcl::Application->Handle();
  win::HWND other = win::CreateWindowExA(0, "TApplication", "Unit Test Program",
                                         win::WS_POPUP | win::WS_VISIBLE, 0, 0, 10, 10, nullptr,
                                         nullptr, nullptr, nullptr);
  ASSERT_NE(other, nullptr);
  win::ShowWindow(other, win::SW_MINIMIZE);
  ASSERT_TRUE(win::IsIconic(other));
  {
    TZYLApplication first(true);
    ZYLActivatePrevInstance();  // the global application object is not this one: nothing
    EXPECT_TRUE(win::IsIconic(other));
  }
  {
    // The running program's application object comes second: it sees the first one's lock.
    TZYLApplication earlier(true);
    ZYLApplicationInit();
    ASSERT_TRUE(ZYLApplication()->PrevInstance());
    ZYLActivatePrevInstance();
    EXPECT_FALSE(win::IsIconic(other));
    char text[64] = {};
    win::GetWindowTextA(own, text, sizeof text);
    EXPECT_STREQ(text, "");
    ZYLApplicationDone();
  }
  win::DestroyWindow(other);
  unsetenv("XDG_RUNTIME_DIR");
}

TEST_F(FormUtilsTest, CaptionAreasFollowTheWindowsStylesAndMetrics) {
  using namespace win;
  ASSERT_NE(vcl::Application->Handle(), nullptr);  // registers the application window class
  HWND w = CreateWindowExA(0, "TApplication", "",
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                               WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
                           0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
  TRect cap, text;
  uint32_t flags = ZYL_NC_ALWAYS;
  zyl::ZYLNCCalcDrawingArea(w, cap, text, flags);
  const int fx = GetSystemMetrics(SM_CXFRAME), fy = GetSystemMetrics(SM_CYFRAME);
  EXPECT_EQ(cap, (TRect{fx, fy, 300 - fx, fy + GetSystemMetrics(SM_CYCAPTION) - 1}));
  EXPECT_EQ(flags, ZYL_NC_ALWAYS | ZYL_NC_SYSICON);
  EXPECT_EQ(text.Left, cap.Left + GetSystemMetrics(SM_CXSMICON) + 2);
  EXPECT_EQ(text.Right, cap.Right - 3 * GetSystemMetrics(SM_CXSIZE));
  // A tool window: small caption, no icon, one button; owner drawing keeps 2 pixels off.
  HWND tool = CreateWindowExA(WS_EX_TOOLWINDOW, "TApplication", "",
                              WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 200, 100, nullptr,
                              nullptr, nullptr, nullptr);
  flags = ZYL_NC_ALWAYS | ZYL_NC_OWNERDRAW;
  zyl::ZYLNCCalcDrawingArea(tool, cap, text, flags);
  EXPECT_EQ(flags, ZYL_NC_ALWAYS | ZYL_NC_OWNERDRAW | ZYL_NC_SMALLCAPTION);
  EXPECT_EQ(cap.Bottom - cap.Top, GetSystemMetrics(SM_CYSMCAPTION) - 1);
  EXPECT_EQ(text.Left, cap.Left + 2);
  EXPECT_EQ(text.Right, cap.Right - GetSystemMetrics(SM_CXSMSIZE) - 2);
  // No caption, or no window: empty rectangles.
  HWND bare = CreateWindowExA(0, "TApplication", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                              nullptr, nullptr);
  zyl::ZYLNCCalcDrawingArea(bare, cap, text, flags);
  EXPECT_EQ(cap, TRect());
  zyl::ZYLNCCalcDrawingArea(nullptr, cap, text, flags);
  EXPECT_EQ(text, TRect());
  DestroyWindow(w);
  DestroyWindow(tool);
  DestroyWindow(bare);
}

TEST_F(FormUtilsTest, BitmapsBecomeIconsWithTheirSeeThroughColourAndBack) {
  vcl::TBitmap pic;
  pic.SetPixelFormat(vcl::pf24bit);
  pic.SetSize(8, 8);
  pic.Canvas()->Brush()->SetColor(vcl::clRed);
  pic.Canvas()->FillRect(win::TRect{0, 0, 8, 8});
  pic.Canvas()->SetPixels(0, 7, vcl::clFuchsia);  // the bottom-left pixel: see-through
  win::HICON h = nullptr;
  ZYLBitmap2Icon(&pic, h, 16, 16);
  ASSERT_NE(h, nullptr);
  vcl::TIcon icon;
  icon.SetHandle(h);
  EXPECT_EQ(icon.Width(), 16);
  vcl::TBitmap back;
  ZYLIcon2Bitmap(&back, &icon, vcl::clBlue);
  ASSERT_EQ(back.Width(), 16);
  EXPECT_EQ(back.Canvas()->Pixels(8, 4), vcl::clRed);
  EXPECT_EQ(back.Canvas()->Pixels(0, 15), vcl::clBlue);  // the see-through corner
  win::HICON none = reinterpret_cast<win::HICON>(1);
  ZYLBitmap2Icon(nullptr, none, 16, 16);
  EXPECT_EQ(none, nullptr);
  ZYLBitmap2Icon(&pic, none, 0, 16);
  EXPECT_EQ(none, nullptr);
  ZYLIcon2Bitmap(nullptr, &icon, vcl::clBlue);
}

TEST(FormUtils, TheShellsSystemImageLists) {
  EXPECT_EQ(ZYLSISystemIconListHandle(true), win::kSystemLargeIconList);
  EXPECT_EQ(ZYLSISystemIconListHandle(false), win::kSystemSmallIconList);
  win::SHFILEINFOA info;
  EXPECT_EQ(ZYLSHGetFileInfo("C:\\no such file here", 0, info, win::SHGFI_TYPENAME), 0u);
}

TEST_F(FormUtilsTest, BackgroundRefreshReachesTheControlsOfTheSupplier) {
  vcl::TForm form(nullptr);
  auto* parent = new TPlainWinControl(&form);
  parent->SetParent(&form);
  auto* a = new TCountingControl(&form);
  auto* b = new TCountingControl(&form);
  a->SetParent(parent);
  b->SetParent(parent);
  auto* elsewhere = new TCountingControl(&form);
  elsewhere->SetParent(&form);
  ZYLBackUpdate(parent, parent);
  EXPECT_EQ(a->Updates, 1);
  EXPECT_EQ(b->Updates, 1);
  EXPECT_EQ(elsewhere->Updates, 0);
  ZYLBackUpdate(nullptr, nullptr);
}

// The command ids of a menu, top down (0 for a separator).
std::vector<win::UINT> MenuIds(win::HMENU m) {
  std::vector<win::UINT> ids;
  for (int i = 0; i < win::GetMenuItemCount(m); ++i) ids.push_back(win::GetMenuItemID(m, i));
  return ids;
}

// A fresh system menu of a real window for each trimming.
class SystemMenuTrimTest : public FormUtilsTest {
 protected:
  void SetUp() override {
    win::WNDCLASSA wc;
    wc.lpfnWndProc = win::DefWindowProcA;
    wc.lpszClassName = "ZYLSysMenuWnd";
    ASSERT_NE(win::RegisterClassA(&wc), 0);
  }
  void TearDown() override { vcl::NewStyleControls = true; }
  // The standard menu; for the application window's layout without Size and Maximize, and
  // for the old style with a separator and "Switch To..." at the end.
  win::HMENU FreshMenu(bool application, bool oldStyle) {
    win::HWND h = win::CreateWindowExA(0, "ZYLSysMenuWnd", "W", win::WS_OVERLAPPEDWINDOW, 0, 0,
                                       100, 100, nullptr, nullptr, nullptr, nullptr);
    win::HMENU m = win::GetSystemMenu(h, win::FALSE);
    if (application) {
      win::DeleteMenu(m, win::SC_SIZE, win::MF_BYCOMMAND);
      win::DeleteMenu(m, win::SC_MAXIMIZE, win::MF_BYCOMMAND);
    }
    if (oldStyle) {
      win::AppendMenuA(m, win::MF_SEPARATOR, 0, nullptr);
      win::AppendMenuA(m, win::MF_STRING, win::SC_TASKLIST, "&Switch To...");
    }
    return m;
  }
};

using Ids = std::vector<win::UINT>;
constexpr win::UINT kSep = 0;

TEST_F(SystemMenuTrimTest, NewStyleMenusLoseTheEntriesLeftOut) {
  using namespace win;
  const TZYLSysMenuEntries all = {smRestore, smMove, smSize, smMinimize, smMaximize, smClose,
                                  smSwitch};
  const struct {
    bool Application;
    TZYLSysMenuEntries Keep;
    Ids Left;
  } cases[] = {
      {false, all, {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, kSep, SC_CLOSE}},
      {false,
       {smRestore, smMove, smMinimize, smClose},
       {SC_RESTORE, SC_MOVE, SC_MINIMIZE, kSep, SC_CLOSE}},
      // Without Close, the separator would end the menu; with Close alone, it would start it.
      {false, all - smClose, {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE}},
      {false, {smClose}, {SC_CLOSE}},
      {false, {}, {}},
      // The application's menu: Restore 0, Move 1, Minimize 2, separator 3, Close 4; the
      // window layout would take position 4 for Maximize and delete Close here.
      {true, {smRestore, smClose}, {SC_RESTORE, kSep, SC_CLOSE}},
      // Size and Maximize mean nothing there.
      {true, {smMove, smSize, smMaximize, smClose}, {SC_MOVE, kSep, SC_CLOSE}},
  };
  int i = 0;
  for (const auto& c : cases) {
    HMENU m = FreshMenu(c.Application, false);
    ZYLCheckSystemMenu(c.Keep, m, c.Application);
    EXPECT_EQ(MenuIds(m), c.Left) << "case " << i++;
  }
}

TEST_F(SystemMenuTrimTest, OldStyleMenusEndWithSwitchTo) {
  vcl::NewStyleControls = false;
  const TZYLSysMenuEntries all = {smRestore, smMove, smSize, smMinimize, smMaximize, smClose,
                                  smSwitch};
  // Without Close the two separators meet: one goes.
  win::HMENU m = FreshMenu(false, true);
  ZYLCheckSystemMenu(all - smClose, m, false);
  EXPECT_EQ(MenuIds(m), (Ids{win::SC_RESTORE, win::SC_MOVE, win::SC_SIZE, win::SC_MINIMIZE,
                             win::SC_MAXIMIZE, kSep, win::SC_TASKLIST}));
  m = FreshMenu(false, true);
  ZYLCheckSystemMenu(all - smSwitch, m, false);
  EXPECT_EQ(win::GetMenuItemCount(m), 7);
  EXPECT_EQ(win::GetMenuItemID(m, 6), win::SC_CLOSE);
  // The application's old-style menu: Switch To sits at 6.
  m = FreshMenu(true, true);
  ZYLCheckSystemMenu({smMinimize, smSwitch}, m, true);
  EXPECT_EQ(MenuIds(m), (Ids{win::SC_MINIMIZE, kSep, win::SC_TASKLIST}));
  // New style on the same menu: positions 7 and 8 are not its business.
  vcl::NewStyleControls = true;
  m = FreshMenu(false, true);
  ZYLCheckSystemMenu(all - smSwitch, m, false);
  EXPECT_EQ(win::GetMenuItemCount(m), 9);
}

TEST_F(SystemMenuTrimTest, NullAndDeadMenusAreLeftAlone) {
  ZYLCheckSystemMenu({}, nullptr, false);
  win::HMENU m = FreshMenu(false, false);
  win::DestroyMenu(m);
  ZYLCheckSystemMenu({}, m, true);
  EXPECT_FALSE(win::IsMenu(m));
}

}  // namespace
}  // namespace zyl
