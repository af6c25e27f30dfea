// The system queries, the dialog target rectangles and window placement on the virtual screen.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>

#include "foundation/ZYLSysUtils.h"
#include "platform/classes/Resources.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/Environment.h"
#include "platform/sys/VersionInfo.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "tests/support/Cases.h"
#include "tests/support/EnvGuard.h"

using namespace zyl;

namespace {

class SysInfoTest : public ::testing::Test {
 protected:
  SysInfoTest() : session_(800, 600) {}

  // A borderless form of the given size, freed by the fixture.
  vcl::TForm* MakeForm(int w, int h) {
    form_.reset(new vcl::TForm(nullptr));
    form_->SetBorderStyle(vcl::bsNone);
    form_->SetBounds(10, 10, w, h);
    form_->HandleNeeded();
    return form_.get();
  }
  static vcl::TRect WindowRect(vcl::TForm* f) {
    vcl::TRect r;
    win::GetWindowRect(f->Handle(), &r);
    return r;
  }

 private:
  vcl::testkit::TControlsSession session_;
  std::unique_ptr<vcl::TForm> form_;
};

using testsupport::TEnvGuard;

}  // namespace

// ---- Window placement ----

TEST_F(SysInfoTest, PositionWindowPlacesAtEveryPosition) {
  vcl::TForm* f = MakeForm(100, 50);
  const vcl::TRect target = vcl::Rect(100, 100, 500, 400);
  struct Case {
    TZYLDlgPosition Pos;
    int X, Y;
  } cases[] = {
      {bpCustom, 100, 100},      {bpTopLeft, 100, 100},     {bpTopCenter, 250, 100},
      {bpTopRight, 400, 100},    {bpCenterLeft, 100, 225},  {bpCenter, 250, 225},
      {bpCenterRight, 400, 225}, {bpBottomLeft, 100, 350},  {bpBottomCenter, 250, 350},
      {bpBottomRight, 400, 350},
  };
  for (const Case& c : cases) {
    ZYLPositionWindow(f->Handle(), target, c.Pos, false);
    const vcl::TRect r = WindowRect(f);
    EXPECT_EQ(r.Left, c.X) << int(c.Pos);
    EXPECT_EQ(r.Top, c.Y) << int(c.Pos);
    EXPECT_EQ(r.Width(), 100);  // the size is kept
    EXPECT_EQ(r.Height(), 50);
    // The Boolean argument changes nothing.
    ZYLPositionWindow(f->Handle(), target, c.Pos, true);
    EXPECT_EQ(WindowRect(f), r);
  }
}

TEST_F(SysInfoTest, PositionWindowCentresRoundingTowardZero) {
  vcl::TForm* f = MakeForm(100, 50);
  // A target one pixel narrower and lower than the window: -1 / 2 gives 0, not -1.
  ZYLPositionWindow(f->Handle(), vcl::Rect(200, 200, 299, 249), bpCenter, false);
  EXPECT_EQ(WindowRect(f).TopLeft(), vcl::Point(200, 200));
  // One pixel wider: 1 / 2 gives 0 as well.
  ZYLPositionWindow(f->Handle(), vcl::Rect(200, 200, 301, 251), bpCenter, false);
  EXPECT_EQ(WindowRect(f).TopLeft(), vcl::Point(200, 200));
}

TEST_F(SysInfoTest, PositionWindowStaysOnTheDesktop) {
  vcl::TForm* f = MakeForm(100, 50);
  // Past the right and bottom edges of the 800 x 600 desktop.
  ZYLPositionWindow(f->Handle(), vcl::Rect(750, 580, 900, 700), bpTopLeft, false);
  EXPECT_EQ(WindowRect(f).TopLeft(), vcl::Point(700, 550));
  // A target above and left of the desktop.
  ZYLPositionWindow(f->Handle(), vcl::Rect(-300, -200, -100, -50), bpBottomRight, false);
  EXPECT_EQ(WindowRect(f).TopLeft(), vcl::Point(0, 0));
  // A window larger than the desktop ends at the origin.
  f->SetBounds(0, 0, 900, 700);
  ZYLPositionWindow(f->Handle(), vcl::Rect(0, 0, 800, 600), bpCenter, false);
  EXPECT_EQ(WindowRect(f).TopLeft(), vcl::Point(0, 0));
  EXPECT_EQ(WindowRect(f).Width(), 900);
  // A missing window is ignored.
  ZYLPositionWindow(nullptr, vcl::Rect(0, 0, 10, 10), bpCenter, false);
  EXPECT_EQ(WindowRect(f).TopLeft(), vcl::Point(0, 0));
}

// ---- Target rectangles ----

TEST_F(SysInfoTest, TargetRectScreenWorkAreaAndFallBackToScreen) {
  // Neither a main form nor an active form: the screen.
  for (TZYLDlgPosRel b : {brScreen, brMainForm, brActiveWindow})
    EXPECT_EQ(ZYLDlgGetTargetRect(b), vcl::Rect(0, 0, 800, 600)) << int(b);
  vcl::TRect work = vcl::Rect(0, 0, 800, 560);
  ASSERT_TRUE(win::SystemParametersInfoA(win::SPI_SETWORKAREA, 0, &work, 0));
  EXPECT_EQ(ZYLDlgGetTargetRect(brScreenWorkArea), work);
}

TEST_F(SysInfoTest, TargetRectMainAndActiveForm) {
  vcl::TForm* main = nullptr;
  vcl::Application->CreateForm(main);
  ASSERT_NE(main, nullptr);
  main->SetBounds(40, 30, 300, 200);
  EXPECT_EQ(ZYLDlgGetTargetRect(brMainForm), vcl::Rect(40, 30, 340, 230));
  main->Show();
  win::testkit::RunUntilIdle();
  ASSERT_EQ(vcl::Screen->ActiveForm(), main);
  EXPECT_EQ(ZYLDlgGetTargetRect(brActiveWindow), vcl::Rect(40, 30, 340, 230));
  // Another active form is the target of brActiveWindow, the main form stays brMainForm's.
  auto* other = new vcl::TForm(nullptr);
  other->SetBounds(400, 300, 100, 80);
  other->Show();
  win::testkit::RunUntilIdle();
  ASSERT_EQ(vcl::Screen->ActiveForm(), other);
  EXPECT_EQ(ZYLDlgGetTargetRect(brActiveWindow), vcl::Rect(400, 300, 500, 380));
  EXPECT_EQ(ZYLDlgGetTargetRect(brMainForm), vcl::Rect(40, 30, 340, 230));
  delete other;
}

// ---- System queries ----

TEST_F(SysInfoTest, MemoryFiguresAreConsistent) {
  const int64_t total = ZYLSIMemTotal();
  ASSERT_GT(total, 0);
  EXPECT_GE(ZYLSIMemFree(), 0);
  EXPECT_LE(ZYLSIMemFree(), total);
  EXPECT_GE(ZYLSIMemPageTotal(), total);
  EXPECT_GE(ZYLSIMemLoaded(), 0);
  EXPECT_LE(ZYLSIMemLoaded(), 100);
  EXPECT_GT(ZYLSIMemVirtTotal(), 0);
  EXPECT_LE(ZYLSIMemVirtFree(), ZYLSIMemVirtTotal());
  EXPECT_EQ(ZYLSIMemVirtExtended(), 0);
  // The 16-bit heaps do not exist: nothing of them is used up.
  EXPECT_EQ(ZYLSIFreeSysRes(), 100);
}

TEST_F(SysInfoTest, InfoStringDividesMemory) {
  const int64_t total = ZYLSIMemTotal();
  EXPECT_EQ(GetSystemInfoString(itMemSize, 1024, ""), std::to_string(total / 1024));
  // A divider below 1 counts as 1.
  EXPECT_EQ(GetSystemInfoString(itMemSize, 0, ""), std::to_string(total));
  EXPECT_EQ(GetSystemInfoString(itMemSize, -5, ""), std::to_string(total));
  EXPECT_EQ(GetSystemInfoString(itProcessorCont32, 1, ""),
            std::to_string(ZYLSIProcessorCount()));
  EXPECT_GE(ZYLSIProcessorCount(), 1);
  EXPECT_EQ(GetSystemInfoString(itPlatformID32, 1, ""), "2");
}

TEST_F(SysInfoTest, InfoStringDateUsesFormat) {
  const std::string year = GetSystemInfoString(itCurrentDateTime, 1, "yyyy");
  ASSERT_EQ(year.size(), 4u);
  EXPECT_GE(std::stoi(year), 2000);
  EXPECT_FALSE(GetSystemInfoString(itCurrentDateTime, 1, "").empty());
}

TEST_F(SysInfoTest, InfoStringEveryKindAnswers) {
  // No kind throws; the version-resource kinds are empty (no such resource here).
  for (int k = itUser; k <= itCPUSpeed; ++k)
    EXPECT_NO_THROW(GetSystemInfoString(static_cast<TZYLInfoType>(k), 1, ""));
  EXPECT_EQ(GetSystemInfoString(itProgName, 1, ""), "");
  EXPECT_EQ(ZYLSIVersionInfo(viCompany), "");
}

TEST_F(SysInfoTest, KeyboardTogglesFollowTheWindowSystem) {
  // Keys reach the thread's key state through a focused window.
  vcl::TForm* f = MakeForm(100, 50);
  f->Show();
  win::SetFocus(f->Handle());
  win::testkit::RunUntilIdle();
  const bool before = ZYLSINumLock();
  win::testkit::KeyPress(win::VK_NUMLOCK);
  EXPECT_NE(ZYLSINumLock(), before);
  EXPECT_EQ(GetSystemInfoString(itNumLock, 1, ""), ZYLSINumLock() ? "On" : "Off");
  const bool caps = ZYLSICapsLock();
  win::testkit::KeyPress(win::VK_CAPITAL);
  EXPECT_NE(ZYLSICapsLock(), caps);
}

TEST_F(SysInfoTest, ScreenAndMetrics) {
  const int depth = ZYLSIColorDepth();
  EXPECT_TRUE(depth == 8 || depth == 16 || depth == 24 || depth == 32) << depth;
  EXPECT_GT(ZYLSIIconWidth(), ZYLSISmallIconWidth());
  EXPECT_GT(ZYLSIIconHeight(), ZYLSISmallIconHeight());
  win::BOOL smooth = 0;
  win::SystemParametersInfoA(win::SPI_GETFONTSMOOTHING, 0, &smooth, 0);
  EXPECT_EQ(ZYLSIFontSmoothing(), smooth != 0);
}

TEST_F(SysInfoTest, EnvironmentListsVariables) {
  TEnvGuard guard("ZYL_SYSINFO_PROBE");
  setenv("ZYL_SYSINFO_PROBE", "a=b", 1);
  vcl::TStringList list;
  list.Add("stale");
  ZYLSIEnvironment(&list);
  EXPECT_EQ(list.IndexOf("stale"), -1);
  EXPECT_GE(list.IndexOf("ZYL_SYSINFO_PROBE=a=b"), 0);
  ZYLSIEnvironment(nullptr);  // tolerated
}

TEST_F(SysInfoTest, TimeZoneBias) {
  TEnvGuard guard("TZ");
  setenv("TZ", "UTC0", 1);
  tzset();
  EXPECT_EQ(ZYLSIGetTimeZoneBias(), 0);
  setenv("TZ", "EST5", 1);
  tzset();
  EXPECT_EQ(ZYLSIGetTimeZoneBias(), 300);
  EXPECT_EQ(ZYLSIGetTimeZone(), "EST");
}

TEST_F(SysInfoTest, IdentityAndFolders) {
  TEnvGuard guard("HOME");
  setenv("HOME", "/home/probe/", 1);
  EXPECT_EQ(ZYLSIWindowsDirectory(), "/home/probe");
  EXPECT_FALSE(ZYLSIComputerName().empty());
  const std::string tmp = ZYLSITempPath();
  ASSERT_FALSE(tmp.empty());
  EXPECT_EQ(tmp.back(), '/');
  EXPECT_GE(ZYLSIMajorVersion(), 2);
  EXPECT_FALSE(ZYLSIPlatformStr().empty());
  EXPECT_TRUE(ZYLSIWindowsNT);
}

TEST_F(SysInfoTest, DrivesFollowTheMapping) {
  TEnvGuard guard("ZYL_DRIVE_Q");
  unsetenv("ZYL_DRIVE_Q");
  EXPECT_EQ(ZYLSIDriveInfo('C'), 3u);  // C: is the root folder
  EXPECT_EQ(ZYLSIDriveInfo('q'), 1u);
  EXPECT_EQ(ZYLSIDriveInfo('?'), 1u);
  setenv("ZYL_DRIVE_Q", "/tmp", 1);
  EXPECT_EQ(ZYLSIDriveInfo('q'), 3u);
  vcl::TStringList list;
  ZYLSIDriveList(&list);
  const int c = list.IndexOf("C:\\"), q = list.IndexOf("Q:\\");
  EXPECT_GE(c, 0);
  EXPECT_GT(q, c);
  EXPECT_EQ(ZYLSIDriveTypeStr(3), "Fixed");
  EXPECT_EQ(ZYLSIDriveTypeStr(6), "RAM disk");
  EXPECT_EQ(ZYLSIDriveTypeStr(99), "Unknown");
}

// The running program's version resource answers every field; without one they are empty.
TEST(SysUtils, VersionInfoComesFromTheProgramsVersionResource) {
  win::VS_FIXEDFILEINFO fixed;
  fixed.dwFileVersionMS = win::MAKELONG(7, 3);  // 3.7
  fixed.dwFileVersionLS = win::MAKELONG(412, 2);  // .2.412
  const std::vector<std::pair<std::string, std::string>> strings = {
      {"CompanyName", "Acme"},          {"ProductName", "Ledger"},
      {"ProductVersion", "3.7"},        {"LegalCopyright", "(c) Acme"},
      {"LegalTrademarks", "Ledger(tm)"}, {"FileDescription", "Books"},
      {"Comments", ""},                 {"FileVersion", "3.7.2"}};
  vcl::RegisterVersionInfo(vcl::HInstance, fixed, strings, 0x0407, 1252);
  testsupport::ExpectCases({{ZYLSIVersionInfo(viCompany), "Acme"},
                            {ZYLSIVersionInfo(viName), "Ledger"},
                            {ZYLSIVersionInfo(viVersion), "3.7"},
                            {ZYLSIVersionInfo(viCopyright), "(c) Acme"},
                            {ZYLSIVersionInfo(viTrademark), "Ledger(tm)"},
                            {ZYLSIVersionInfo(viDescription), "Books"},
                            {ZYLSIVersionInfo(viComments), ""},
                            {ZYLSIVersionInfo(viFileVersion), "3.7.2"},
                            {ZYLSIVersionInfo(viFileVersionFull), "3.7.2.412"},
                            {ZYLSIVersionInfo(viFileVersionBuild), "412"},
                            {GetSystemInfoString(itProgName, 1, ""), "Ledger"}});
  // The block answers only its own language and only names it holds.
  const std::string program = vcl::ParamStr(0);
  win::DWORD handle = 9;
  const win::DWORD size = win::GetFileVersionInfoSizeA(program.c_str(), &handle);
  ASSERT_GT(size, 0u);
  EXPECT_EQ(handle, 0u);
  std::vector<char> block(size);
  EXPECT_FALSE(win::GetFileVersionInfoA(program.c_str(), 0, size - 1, block.data()));
  ASSERT_TRUE(win::GetFileVersionInfoA(program.c_str(), 0, size, block.data()));
  void* p = nullptr;
  win::UINT len = 0;
  EXPECT_TRUE(win::VerQueryValueA(block.data(), "\\stringfileinfo\\040704e4\\productname", &p, &len));
  EXPECT_EQ(len, 7u);
  for (const char* bad : {"\\StringFileInfo\\040904e4\\ProductName",
                          "\\StringFileInfo\\040704e4\\Missing", "\\StringFileInfo\\040704e4", ""})
    EXPECT_FALSE(win::VerQueryValueA(block.data(), bad, &p, &len)) << bad;
  const char notABlock[16] = "VS_VERSION_INFO";
  EXPECT_FALSE(win::VerQueryValueA(notABlock, "\\", &p, &len));
  EXPECT_EQ(win::GetFileVersionInfoSizeA("/no/such/program", &handle), 0u);
  vcl::UnregisterVersionInfo(vcl::HInstance);
  for (int f = viCompany; f <= viFileVersionBuild; ++f)
    EXPECT_EQ(ZYLSIVersionInfo(TZYLVersionInfoType(f)), "") << f;
}
