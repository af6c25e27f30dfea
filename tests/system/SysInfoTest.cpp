// The system-information component: what each property group reads, the system settings it
// writes back (lock keys, desktop parameters, keyboard, locale items), its operations, and
// that form streams neither carry nor apply machine settings.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "foundation/ZYLSysUtils.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Printers.h"
#include "platform/rtl/Environment.h"
#include "platform/rtl/Locale.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "system/ZYLCPUInfoObject.h"
#include "system/ZYLSysInfo.h"

namespace zyl {
namespace {

win::LRESULT PlainProc(win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
  return win::DefWindowProcA(h, m, w, l);
}

// Restores a global platform flag when the test ends.
class TFlagScope {
 public:
  TFlagScope(bool& Flag, bool Value) : flag_(Flag), old_(Flag) { Flag = Value; }
  ~TFlagScope() { flag_ = old_; }

 private:
  bool& flag_;
  bool old_;
};

class SysInfoTest : public ::testing::Test {
 protected:
  SysInfoTest() : session_(800, 600) {}
  void TearDown() override {
    info_.reset();
    if (focus_) win::DestroyWindow(focus_);
  }
  // A focused window, so that simulated key presses reach a message queue.
  win::HWND FocusWindow() {
    win::WNDCLASSA wc;
    wc.lpfnWndProc = PlainProc;
    wc.lpszClassName = "SysInfoKeys";
    win::RegisterClassA(&wc);
    focus_ = win::CreateWindowExA(0, "SysInfoKeys", "", win::WS_OVERLAPPEDWINDOW | win::WS_VISIBLE,
                                  10, 10, 100, 100, nullptr, nullptr, nullptr, nullptr);
    win::SetFocus(focus_);
    win::testkit::RunUntilIdle();
    return focus_;
  }
  static int Param(win::UINT Action) {
    int v = -1;
    win::SystemParametersInfoA(Action, 0, &v, 0);
    return v;
  }

  vcl::testkit::TControlsSession session_;
  vcl::TFormatSettingsScope locale_;
  std::unique_ptr<TZYLSysInfo> info_ = std::make_unique<TZYLSysInfo>(nullptr);
  TZYLSysInfo& s = *info_;  // the component under test
  win::HWND focus_ = nullptr;
};

TEST_F(SysInfoTest, StringsAndPercentages) {
  EXPECT_EQ(vcl::GetStrProp(&s, "DefaultLanguageString"), "English (United States)");
  EXPECT_EQ(vcl::GetOrdProp(&s, "DefaultLanguageID"), 0x0409);
  EXPECT_EQ(vcl::GetStrProp(&s, "MemoryLoaded"), std::to_string(ZYLSIMemLoaded() & 0xFF) + " %");
  EXPECT_EQ(s.GetInfoString(16), "");
  {
    TFlagScope nt(ZYLSIWindowsNT, true);
    EXPECT_EQ(vcl::GetStrProp(&s, "FreeGdiRes"), "0 %");
    EXPECT_EQ(vcl::GetStrProp(&s, "FreeUsrRes"), "0 %");
    EXPECT_EQ(vcl::GetStrProp(&s, "FreeSysRes"), "0 %");
    EXPECT_EQ(s.FreeSys(), 0);
  }
  TFlagScope nt(ZYLSIWindowsNT, false);
  EXPECT_EQ(s.FreeSys(), ZYLSIFreeSysRes());
  EXPECT_EQ(vcl::GetStrProp(&s, "FreeGdiRes"), std::to_string(ZYLSIFreeGDIRes() & 0x7F) + " %");
}

TEST_F(SysInfoTest, MemoryInKilobytesAndIntegers) {
  EXPECT_EQ(vcl::GetInt64Prop(&s, "MemPhysTotal"), ZYLSIMemTotal() / 1024);
  EXPECT_EQ(vcl::GetInt64Prop(&s, "MemVirtExtended"), 0);
  EXPECT_GT(vcl::GetInt64Prop(&s, "MemPhysTotal"), 0);
  EXPECT_EQ(s.GetInfoLongLongInt(0), 0);
  EXPECT_EQ(s.GetInfoLongLongInt(8), 0);
  // Writes are ignored.
  vcl::SetInt64Prop(&s, "MemPhysTotal", 1);
  EXPECT_EQ(vcl::GetInt64Prop(&s, "MemPhysTotal"), ZYLSIMemTotal() / 1024);

  EXPECT_EQ(vcl::GetOrdProp(&s, "ScreenWidth"), 800);
  EXPECT_EQ(vcl::GetOrdProp(&s, "ScreenHeight"), 600);
  EXPECT_EQ(vcl::GetOrdProp(&s, "ScreenPPi"), 96);
  EXPECT_EQ(vcl::GetOrdProp(&s, "BuildNumber"), ZYLSIBuildNr() & 0xFFFF);
  for (int i : {1, 2, 6, 13, -1}) EXPECT_EQ(s.GetInfoLongInt(i), 0) << i;
  EXPECT_THROW(vcl::SetOrdProp(&s, "DefaultLanguageID", 7), vcl::Exception);  // no setter
  EXPECT_EQ(s.GetScreenRect(), (vcl::TRect{0, 0, 800, 600}));
  vcl::TRect work{};
  win::SystemParametersInfoA(win::SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(s.GetWorkRect(), work);
}

TEST_F(SysInfoTest, LockKeysToggleThroughKeyPressesOnTheNTLine) {
  TFlagScope nt(ZYLSIWindowsNT, true);
  win::testkit::TMessageRecorder rec(FocusWindow());
  ASSERT_FALSE(s.GetInfoBool(0));
  vcl::SetOrdProp(&s, "NumLockState", 1);
  win::testkit::RunUntilIdle();
  EXPECT_TRUE(vcl::GetOrdProp(&s, "NumLockState"));
  EXPECT_EQ(rec.Count(win::WM_KEYDOWN), 1);
  EXPECT_EQ(rec.Count(win::WM_KEYUP), 1);
  ASSERT_FALSE(rec.Entries().empty());
  EXPECT_EQ(rec.Entries()[0].WParam, win::VK_NUMLOCK);
  EXPECT_EQ((rec.Entries()[0].LParam >> 16) & 0xFF, 0x45);  // the scan code given
  EXPECT_NE(rec.Entries()[0].LParam & (1 << 24), 0);         // an extended key
  // Writing the current value does nothing.
  rec.Clear();
  s.SetInfoBool(0, true);
  win::testkit::RunUntilIdle();
  EXPECT_EQ(rec.Count(win::WM_KEYDOWN), 0);
  EXPECT_TRUE(s.GetInfoBool(0));
  // Caps and scroll lock, on and off again.
  s.SetInfoBool(1, true);
  s.SetInfoBool(2, true);
  win::testkit::RunUntilIdle();
  EXPECT_TRUE(s.GetInfoBool(1));
  EXPECT_TRUE(s.GetInfoBool(2));
  s.SetInfoBool(1, false);
  win::testkit::RunUntilIdle();
  EXPECT_FALSE(s.GetInfoBool(1));
  EXPECT_TRUE(s.GetInfoBool(2));
  EXPECT_EQ(rec.Count(win::WM_KEYDOWN), 3);
}

TEST_F(SysInfoTest, LockKeysSetTheKeyboardStateElsewhere) {
  TFlagScope nt(ZYLSIWindowsNT, false);
  win::BYTE before[256];
  win::GetKeyboardState(before);
  s.SetInfoBool(2, true);  // at once: no key message involved
  EXPECT_TRUE(s.GetInfoBool(2));
  EXPECT_TRUE(ZYLSIScrollLock());
  win::BYTE after[256];
  win::GetKeyboardState(after);
  EXPECT_EQ(after[win::VK_SCROLL], 1);
  for (int k = 0; k < 256; ++k) {
    if (k != win::VK_SCROLL) { EXPECT_EQ(after[k], before[k]) << k; }
  }
  s.SetInfoBool(2, false);
  EXPECT_FALSE(s.GetInfoBool(2));
}

TEST_F(SysInfoTest, DesktopParametersReadAndWrite) {
  // The starting state of the window system: animation on, beep on, screen saver off.
  EXPECT_TRUE(s.GetInfoBool(3));
  EXPECT_TRUE(s.GetInfoBool(4));
  EXPECT_FALSE(s.GetInfoBool(5));
  s.SetInfoBool(3, false);
  win::ANIMATIONINFO ai;
  ASSERT_TRUE(win::SystemParametersInfoA(win::SPI_GETANIMATION, sizeof ai, &ai, 0));
  EXPECT_EQ(ai.iMinAnimate, 0);
  EXPECT_FALSE(vcl::GetOrdProp(&s, "WindowAnimation"));
  // Each write reaches its parameter and reads back.
  const struct {
    int Index;
    bool Value;
    win::UINT Get;
  } writes[] = {{4, false, win::SPI_GETBEEP},
                {5, true, win::SPI_GETSCREENSAVEACTIVE},
                {7, false, win::SPI_GETDRAGFULLWINDOWS},
                {6, false, win::SPI_GETFONTSMOOTHING},
                {8, true, win::SPI_GETSNAPTODEFBUTTON}};
  for (const auto& w : writes) {
    s.SetInfoBool(w.Index, w.Value);
    EXPECT_EQ(Param(w.Get), w.Value ? 1 : 0) << w.Index;
    EXPECT_EQ(s.GetInfoBool(w.Index), w.Value) << w.Index;
  }
  EXPECT_TRUE(vcl::GetOrdProp(&s, "ScreenSaveActive"));
  EXPECT_FALSE(ZYLSIFontSmoothing());
  EXPECT_TRUE(s.GetInfoBool(9));
  // PlusAvailable only reads.
  s.SetInfoBool(9, false);
  EXPECT_TRUE(s.GetInfoBool(9));
  EXPECT_FALSE(s.GetInfoBool(10));
}

TEST_F(SysInfoTest, ExtensionAndNTConditionsGateTheirSettings) {
  {
    TFlagScope ext(ZYLSIWindowsExtension, false);
    EXPECT_FALSE(s.GetInfoBool(6));  // although smoothing is on
    EXPECT_FALSE(s.GetInfoBool(7));
    EXPECT_FALSE(s.GetInfoBool(9));
    s.SetInfoBool(6, true);  // the same as read: nothing
    EXPECT_EQ(Param(win::SPI_GETFONTSMOOTHING), 1);
  }
  EXPECT_EQ(Param(win::SPI_GETFONTSMOOTHING), 1);
  win::SystemParametersInfoA(win::SPI_SETSNAPTODEFBUTTON, 1, nullptr, 0);
  TFlagScope nt(ZYLSIWindowsNT, false);
  EXPECT_FALSE(s.GetInfoBool(8));
  s.SetInfoBool(8, true);  // reads false, so it tries, but only the NT line has the setting
  EXPECT_EQ(Param(win::SPI_GETSNAPTODEFBUTTON), 1);
}

TEST_F(SysInfoTest, KeyboardDelayAndSpeed) {
  vcl::SetOrdProp(&s, "KeyboardDelay", 3);
  EXPECT_EQ(Param(win::SPI_GETKEYBOARDDELAY), 3);
  vcl::SetOrdProp(&s, "KeyboardSpeed", 12);
  EXPECT_EQ(Param(win::SPI_GETKEYBOARDSPEED), 12);
  EXPECT_EQ(s.KeyboardSpeed(), 12);
}

TEST_F(SysInfoTest, LocaleItemsOfTheThreadsLocale) {
  EXPECT_EQ(TZYLSysInfo::LocaleTypeOf(0), 0x1009u);
  EXPECT_EQ(TZYLSysInfo::LocaleTypeOf(21), 0x17u);
  EXPECT_EQ(TZYLSysInfo::LocaleTypeOf(27), 0x1003u);
  EXPECT_EQ(TZYLSysInfo::LocaleTypeOf(28), 0u);
  EXPECT_EQ(vcl::GetStrProp(&s, "LocaleDecimalSeparator"), ".");
  EXPECT_EQ(vcl::GetStrProp(&s, "LocaleThousand"), ",");
  EXPECT_EQ(vcl::GetStrProp(&s, "LocaleShortDateFormat"), "M/d/yyyy");
  EXPECT_EQ(vcl::GetStrProp(&s, "LocaleMorningSymbol"), "AM");
  EXPECT_EQ(vcl::GetStrProp(&s, "LocalePositiveSign"), "");  // readable, just empty
  vcl::SetStrProp(&s, "LocaleDecimalSeparator", ",");
  EXPECT_EQ(vcl::GetLocaleStr(win::GetThreadLocale(), win::LOCALE_SDECIMAL, "?"), ",");
  EXPECT_EQ(s.GetLocalInfo(15), ",");
  // An item that cannot be read (longer than the 255 characters a read takes) gives "Hallo".
  const std::string huge(400, 'd');
  ASSERT_TRUE(win::SetLocaleInfoA(win::GetThreadLocale(), win::LOCALE_SLONGDATE, huge.c_str()));
  EXPECT_EQ(vcl::GetStrProp(&s, "LocaleLongDateFormat"), "Hallo");
  EXPECT_EQ(s.GetLocalInfo(28), "Hallo");
  EXPECT_EQ(s.GetLocalInfo(-1), "Hallo");
  s.SetLocalInfo(28, "x");  // out of range: nothing
}

TEST_F(SysInfoTest, FontPrinterAndEnvironmentLists) {
  vcl::TStrings* fonts = s.GetFonts();
  ASSERT_EQ(static_cast<vcl::TObject*>(fonts), vcl::GetObjectProp(&s, "AllFonts"));
  EXPECT_TRUE(static_cast<vcl::TStringList*>(fonts)->Sorted());
  EXPECT_EQ(fonts->Count(), static_cast<int>(vcl::Screen->Fonts().size()));

  std::unique_ptr<vcl::TPrinter> old(vcl::SetPrinter(new vcl::TPrinter()));
  vcl::Printer()->Printers()->Clear();  // without the virtual printer
  vcl::Printer()->Printers()->Add("Zeta Laser");
  vcl::Printer()->Printers()->Add("alpha ink");
  vcl::Printer()->Printers()->Add("Beta Plot");
  vcl::TStrings* printers = s.GetPrinters();
  ASSERT_EQ(printers->Count(), 3);
  EXPECT_EQ(printers->Get(0), "alpha ink");
  EXPECT_EQ(printers->Get(1), "Beta Plot");
  EXPECT_EQ(printers->Get(2), "Zeta Laser");
  delete vcl::SetPrinter(old.release());

  ASSERT_TRUE(s.SetEnvironmentValue("ZYL_SYSINFO_PROBE", "one"));
  vcl::TStrings* env = s.GetEnvString();
  EXPECT_GE(env->IndexOf("ZYL_SYSINFO_PROBE=one"), 0);
  s.SetEnvironmentValue("ZYL_SYSINFO_PROBE", "two");
  env = s.GetEnvString();  // refilled at each read
  EXPECT_LT(env->IndexOf("ZYL_SYSINFO_PROBE=one"), 0);
  EXPECT_GE(env->IndexOf("ZYL_SYSINFO_PROBE=two"), 0);
  unsetenv("ZYL_SYSINFO_PROBE");
}

TEST_F(SysInfoTest, EnvironmentValueExpandsVariables) {
  s.SetEnvironmentValue("ZYL_SYSINFO_A", "apple");
  EXPECT_EQ(s.GetEnvironmentValue("%ZYL_SYSINFO_A%"), "apple");
  EXPECT_EQ(s.GetEnvironmentValue("x-%ZYL_SYSINFO_A%-y"), "x-apple-y");
  // Nothing to expand: an empty answer.
  EXPECT_EQ(s.GetEnvironmentValue("no variables here"), "");
  EXPECT_EQ(s.GetEnvironmentValue("%ZYL_SYSINFO_UNSET_NAME%"), "");
  EXPECT_EQ(s.GetEnvironmentValue(""), "");
  // Long expansions come back whole.
  const std::string big(1000, 'q');
  s.SetEnvironmentValue("ZYL_SYSINFO_A", big);
  EXPECT_EQ(s.GetEnvironmentValue("%ZYL_SYSINFO_A%%ZYL_SYSINFO_A%"), big + big);
  unsetenv("ZYL_SYSINFO_A");
}

TEST_F(SysInfoTest, FilesDrivesAndWallpaper) {
  const std::string tmp = s.GetFileName();
  ASSERT_FALSE(tmp.empty());
  EXPECT_EQ(std::remove(tmp.c_str()), 0);  // it was created
  vcl::TStringList drives;
  s.GetDriveList(&drives);
  EXPECT_GE(drives.IndexOf("C:\\"), 0);
  s.GetDriveList(nullptr);  // tolerated
  // A drive's type and its name: C: is the fixed root, a letter without a folder has none.
  EXPECT_EQ(s.GetDriveTypeString(s.GetDriveInfo('C')), "Fixed");
  EXPECT_EQ(s.GetDriveTypeString(s.GetDriveInfo('?')), "No root dir");

  // The window system records the wallpaper; nothing paints it.
  EXPECT_TRUE(s.SetDesktopWallpaper("C:\\Pictures\\Sea.bmp"));
  char name[260] = {};
  ASSERT_TRUE(win::SystemParametersInfoA(win::SPI_GETDESKWALLPAPER, sizeof name, name, 0));
  EXPECT_STREQ(name, "C:\\Pictures\\Sea.bmp");
  char tiny[4] = {'x', 'x', 'x', 'x'};
  ASSERT_TRUE(win::SystemParametersInfoA(win::SPI_GETDESKWALLPAPER, sizeof tiny, tiny, 0));
  EXPECT_STREQ(tiny, "C:\\");
}

TEST_F(SysInfoTest, FormStreamsNeitherCarryNorApplyMachineSettings) {
  s.SetName("SysInfo1");
  const std::string text = vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(&s));
  EXPECT_NE(text.find("object SysInfo1: TZYLSysInfo"), std::string::npos) << text;
  EXPECT_EQ(text.find(" = "), std::string::npos) << text;  // not one property

  ZYLSysInfoUnit.Init();
  const std::string stream = vcl::ObjectTextToBinaryString(
      "object SysInfo1: TZYLSysInfo\n"
      "  NumLockState = True\n"
      "  WarningBeep = False\n"
      "  KeyboardSpeed = 2\n"
      "  LocaleDecimalSeparator = ','\n"
      "  CurrentUser = 'somebody'\n"
      "end\n");
  TFlagScope nt(ZYLSIWindowsNT, false);  // a lock-key write would show at once
  TZYLSysInfo b(nullptr);
  vcl::ReadComponentFromBytes(stream, &b);
  ZYLSysInfoUnit.FInit();
  EXPECT_EQ(b.Name(), "SysInfo1");
  EXPECT_FALSE(ZYLSINumLock());
  EXPECT_EQ(Param(win::SPI_GETBEEP), 1);
  EXPECT_EQ(Param(win::SPI_GETKEYBOARDSPEED), 31);
  EXPECT_EQ(vcl::GetLocaleStr(win::GetThreadLocale(), win::LOCALE_SDECIMAL, "?"), ".");
  // After loading, writes apply again.
  b.SetInfoBool(4, false);
  EXPECT_EQ(Param(win::SPI_GETBEEP), 0);
}

}  // namespace
}  // namespace zyl
