// The shell's services: tray icons, dropped files, processes, opening documents, the about
// box and sounds.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/base/Exceptions.h"
#include "platform/base/LastError.h"
#include "platform/rtl/WinError.h"
#include "platform/sys/ShellApi.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempDir.h"

using namespace win;

namespace {

// A window that keeps the messages the shell sends it.
struct Received {
  UINT Msg;
  WPARAM W;
  LPARAM L;
};
std::vector<Received> g_received;
std::vector<std::string> g_dropped;
POINT g_dropPoint;
BOOL g_dropInClient;

LRESULT ShellProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg >= WM_USER || msg == WM_DROPFILES) g_received.push_back({msg, wp, lp});
  if (msg == WM_DROPFILES) {
    auto drop = reinterpret_cast<HDROP>(wp);
    g_dropped.clear();
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFFu, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      std::string name(DragQueryFileA(drop, i, nullptr, 0), '\0');
      DragQueryFileA(drop, i, name.data(), static_cast<UINT>(name.size() + 1));
      g_dropped.push_back(name);
    }
    g_dropInClient = DragQueryPoint(drop, &g_dropPoint);
    DragFinish(drop);
    return 0;
  }
  return DefWindowProcA(h, msg, wp, lp);
}

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ShellProc;
    wc.lpszClassName = "ShellTestWnd";
    RegisterClassA(&wc);
    g_received.clear();
    g_dropped.clear();
  }
  HWND Window(HWND parent = nullptr, int x = 100, int y = 100) {
    return CreateWindowExA(0, "ShellTestWnd", "", parent ? WS_CHILD | WS_VISIBLE : WS_POPUP | WS_VISIBLE,
                           x, y, 200, 150, parent, nullptr, nullptr, nullptr);
  }
  std::string Write(const std::string& name, const std::string& text, bool executable = false) {
    const std::string path = dir_.File(name);
    std::ofstream(path, std::ios::binary) << text;
    if (executable) chmod(path.c_str(), 0755);
    return path;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  testkit::TSession session_;
  testsupport::TempDir dir_;
};

NOTIFYICONDATAA IconData(HWND wnd, UINT id, UINT flags, const char* tip = "") {
  NOTIFYICONDATAA d;
  d.hWnd = wnd;
  d.uID = id;
  d.uFlags = flags;
  d.uCallbackMessage = WM_USER + 77;
  d.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(IDI_APPLICATION));
  std::snprintf(d.szTip, sizeof d.szTip, "%s", tip);
  return d;
}

TEST_F(ShellTest, TrayIconsAddChangeAndGo) {
  HWND w = Window();
  auto d = IconData(w, 1, NIF_MESSAGE | NIF_ICON | NIF_TIP, "first tip");
  ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &d));
  EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, &d));  // once per window and id
  auto second = IconData(w, 2, NIF_TIP, std::string(200, 'x').c_str());
  ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &second));
  auto icons = testkit::TrayIcons();
  ASSERT_EQ(icons.size(), 2u);
  const HICON shown = icons[0].Icon;  // the shell's own copy of the icon
  ASSERT_NE(shown, nullptr);
  EXPECT_NE(shown, d.hIcon);
  EXPECT_EQ(icons[0].Tip, "first tip");
  EXPECT_EQ(icons[0].CallbackMessage, WM_USER + 77);
  EXPECT_EQ(icons[1].Tip.size(), 127u);  // the field's room, without its zero
  EXPECT_EQ(icons[1].CallbackMessage, 0u);

  auto change = IconData(w, 1, NIF_TIP | NIF_STATE, "second tip");
  change.dwState = change.dwStateMask = NIS_HIDDEN;
  ASSERT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &change));
  icons = testkit::TrayIcons();
  EXPECT_EQ(icons[0].Tip, "second tip");
  EXPECT_TRUE(icons[0].Hidden);
  EXPECT_EQ(icons[0].Icon, shown);  // not in the flags: kept

  ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &second));
  for (DWORD m : {NIM_DELETE, NIM_MODIFY, NIM_SETFOCUS, DWORD{9}})
    EXPECT_FALSE(Shell_NotifyIconA(m, &second)) << m;
  EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, nullptr));
  DestroyWindow(w);
  EXPECT_TRUE(testkit::TrayIcons().empty());  // icons of dead windows drop out
  EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, &d));
}

TEST_F(ShellTest, ClicksAndBalloonsReachTheWindow) {
  HWND w = Window();
  auto d = IconData(w, 5, NIF_MESSAGE | NIF_ICON);
  ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &d));
  testkit::ClickTrayIcon(w, 5, 1, true);
  auto balloon = IconData(w, 5, NIF_INFO);
  std::snprintf(balloon.szInfo, sizeof balloon.szInfo, "Saved");
  std::snprintf(balloon.szInfoTitle, sizeof balloon.szInfoTitle, "Editor");
  balloon.dwInfoFlags = NIIF_WARNING;
  ASSERT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &balloon));
  const auto icon = testkit::TrayIcons().at(0);
  EXPECT_EQ(icon.BalloonTitle + ": " + icon.BalloonText, "Editor: Saved");
  EXPECT_EQ(icon.BalloonFlags, NIIF_WARNING);
  testkit::ClickTrayBalloon(w, 5);
  EXPECT_TRUE(testkit::TrayIcons().at(0).BalloonText.empty());

  std::vector<LPARAM> seen;
  for (const auto& r : g_received) {
    EXPECT_EQ(r.Msg, WM_USER + 77u);
    EXPECT_EQ(r.W, 5u);
    seen.push_back(r.L);
  }
  EXPECT_EQ(seen, (std::vector<LPARAM>{WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK,
                                       NIN_BALLOONSHOW, NIN_BALLOONUSERCLICK}));
  EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { testkit::ClickTrayBalloon(w, 5); }),
            "No balloon on that tray icon");
  EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { testkit::ClickTrayIcon(w, 6); }),
            "No such tray icon");
}

TEST_F(ShellTest, DroppedFilesReachTheAcceptingWindow) {
  HWND top = Window();
  HWND child = Window(top, 10, 10);
  const std::string a = Write("a.txt", "a"), b = Write("b b.txt", "b");
  EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { testkit::DropFiles(child, 5, 5, {a}); }),
            "The window does not accept files");
  DragAcceptFiles(top, TRUE);
  testkit::DropFiles(child, 5, 6, {a, b});  // the child passes it to its accepting parent
  EXPECT_EQ(g_dropped, (std::vector<std::string>{a, b}));
  EXPECT_TRUE(g_dropInClient);
  EXPECT_EQ(g_dropPoint.X, 15);  // in the parent's client coordinates
  EXPECT_EQ(g_dropPoint.Y, 16);
  EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>(
                [&] { testkit::DropFiles(top, 1, 1, {a, dir_.File("missing.txt")}); }),
            "A dropped file does not exist");
  EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { testkit::DropFiles(top, 1, 1, {}); }),
            "Nothing to drop");
  DragAcceptFiles(top, FALSE);
  EXPECT_FALSE(ShellDropFiles(testkit::ScreenPoint(top, 1, 1), {a}));
}

TEST_F(ShellTest, DropQueriesCutNamesAndRefuseOtherHandles) {
  HWND top = Window();
  DragAcceptFiles(top, TRUE);
  const std::string a = Write("abcdef.txt", "a");
  ASSERT_TRUE(ShellDropFiles(testkit::ScreenPoint(top, 3, 4), {a}));
  MSG m{};
  ASSERT_TRUE(PeekMessageA(&m, top, WM_DROPFILES, WM_DROPFILES, PM_REMOVE));
  auto drop = reinterpret_cast<HDROP>(m.wParam);
  char small[5];
  EXPECT_EQ(DragQueryFileA(drop, 0, small, sizeof small), 4u);
  EXPECT_EQ(std::string(small), a.substr(0, 4));
  EXPECT_EQ(DragQueryFileA(drop, 1, small, sizeof small), 0u);
  DragFinish(drop);
  EXPECT_EQ(DragQueryFileA(drop, 0xFFFFFFFFu, nullptr, 0), 0u);  // freed
  HGLOBAL junk = GlobalAlloc(GMEM_MOVEABLE, 3);
  POINT p{};
  EXPECT_FALSE(DragQueryPoint(junk, &p));
  EXPECT_EQ(DragQueryFileA(junk, 0xFFFFFFFFu, nullptr, 0), 0u);
  GlobalFree(junk);
}

TEST(ShellCommandLine, SplitsAsThePlatform) {
  auto joined = [](const std::string& line) {
    std::string out;
    for (const auto& a : SplitCommandLine(line)) out += "[" + a + "]";
    return out;
  };
  testsupport::ExpectCases({
      {joined("prog a  b\tc"), "[prog][a][b][c]"},
      {joined(R"("C:\My Files\p.exe" "x y")"), R"([C:\My Files\p.exe][x y])"},
      {joined(R"(a\\b "c\"d" e\\\"f)"), R"([a\\b][c"d][e\"f])"},
      {joined(R"(a\\\\"b c" d)"), R"([a\\b c][d])"},
      {joined(R"("say ""hi""" x)"), R"([say "hi"][x])"},
      {joined("  "), ""},
      {joined(R"("unterminated arg)"), "[unterminated arg]"},
  });
}

TEST_F(ShellTest, ProcessesRunWaitAndEnd) {
  char line[] = "/bin/sh -c \"exit 7\"";
  PROCESS_INFORMATION pi;
  ASSERT_TRUE(CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &pi));
  EXPECT_NE(pi.dwProcessId, 0u);
  // A limited wait returns as soon as the process ends.
  EXPECT_EQ(WaitForSingleObject(pi.hProcess, 600000), WAIT_OBJECT_0);
  DWORD code = 0;
  ASSERT_TRUE(GetExitCodeProcess(pi.hProcess, &code));
  EXPECT_EQ(code, 7u);
  EXPECT_TRUE(CloseHandle(pi.hProcess));
  EXPECT_FALSE(CloseHandle(pi.hProcess));
  EXPECT_EQ(WaitForSingleObject(pi.hProcess, 0), WAIT_FAILED);
  EXPECT_FALSE(GetExitCodeProcess(pi.hProcess, &code));

  // A process that would run on (waiting for a writer to a pipe that never comes) is ended
  // by hand with the code given.
  const std::string fifo = dir_.File("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string waiter = "/bin/sh -c \"read line < '" + fifo + "'\"";
  ASSERT_TRUE(CreateProcessA(nullptr, waiter.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &pi));
  ASSERT_TRUE(GetExitCodeProcess(pi.hProcess, &code));
  EXPECT_EQ(code, STILL_ACTIVE);
  EXPECT_EQ(WaitForSingleObject(pi.hProcess, 0), WAIT_TIMEOUT);
  EXPECT_TRUE(TerminateProcess(pi.hProcess, 33));
  EXPECT_EQ(WaitForSingleObject(pi.hProcess, INFINITE), WAIT_OBJECT_0);
  GetExitCodeProcess(pi.hProcess, &code);
  EXPECT_EQ(code, 33u);
  EXPECT_FALSE(TerminateProcess(pi.hProcess, 1));  // already ended
  CloseHandle(pi.hProcess);
}

TEST_F(ShellTest, ProcessGetsFolderAndEnvironment) {
  const std::string out = dir_.File("out.txt");
  std::string line = "/bin/sh -c \"pwd > '" + out + "'; echo $ZYL_X >> '" + out + "'\"";
  const char env[] = "ZYL_X=from parent\0PATH=/usr/bin:/bin\0";
  PROCESS_INFORMATION pi;
  ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0,
                             const_cast<char*>(env), dir_.Path().c_str(), nullptr, &pi));
  WaitForSingleObject(pi.hProcess, INFINITE);
  CloseHandle(pi.hProcess);
  char real[4096];
  ASSERT_TRUE(realpath(dir_.Path().c_str(), real));
  EXPECT_EQ(Read(out), std::string(real) + "\nfrom parent\n");
}

TEST_F(ShellTest, ProgramsThatCannotStartGiveClearErrors) {
  const std::string text = Write("notes.txt", "not a program");
  struct Case {
    std::string program;
    const char* dir;
    DWORD error;
  } cases[] = {
      {dir_.File("missing-program"), nullptr, ERROR_FILE_NOT_FOUND},
      {"zyl-no-such-program-anywhere", nullptr, ERROR_FILE_NOT_FOUND},
      {text, nullptr, ERROR_ACCESS_DENIED},
      {"/bin/sh", "/no/such/folder", ERROR_PATH_NOT_FOUND},
      {"", nullptr, ERROR_INVALID_PARAMETER},
  };
  for (const auto& c : cases) {
    PROCESS_INFORMATION pi;
    SetLastError(0);
    std::string line = c.program;
    EXPECT_FALSE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, c.dir,
                                nullptr, &pi))
        << c.program;
    EXPECT_EQ(GetLastError(), c.error) << c.program;
    EXPECT_EQ(pi.hProcess, nullptr);
  }
}

class ShellOpenTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    log_ = dir_.File("opener.log");
    opener_ = Write("opener.sh", "#!/bin/sh\nprintf '%s|' \"$@\" > '" + log_ + "'\n", true);
    setenv("ZYL_SHELL_OPENER", opener_.c_str(), 1);
  }
  void TearDown() override { unsetenv("ZYL_SHELL_OPENER"); }
  // Runs the shell and waits for what it started; the instance value.
  uintptr_t Run(const char* verb, const std::string& file, const char* params = nullptr) {
    SHELLEXECUTEINFOA info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpVerb = verb;
    info.lpFile = file.c_str();
    info.lpParameters = params;
    const BOOL ok = ShellExecuteExA(&info);
    EXPECT_EQ(ok != 0, info.hProcess != nullptr);
    if (info.hProcess) {
      WaitForSingleObject(info.hProcess, INFINITE);
      GetExitCodeProcess(info.hProcess, &exit_);
      CloseHandle(info.hProcess);
    }
    return reinterpret_cast<uintptr_t>(info.hInstApp);
  }
  std::string log_, opener_;
  DWORD exit_ = 0;
};

TEST_F(ShellOpenTest, DocumentsAndAddressesGoToTheOpener) {
  const std::string doc = Write("letter.txt", "hello");
  EXPECT_GT(Run("open", doc), 32u);
  EXPECT_EQ(Read(log_), doc + "|");
  EXPECT_GT(Run(nullptr, "https://example.org/a b"), 32u);
  EXPECT_EQ(Read(log_), "https://example.org/a b|");
  EXPECT_GT(Run("explore", dir_.Path()), 32u);
  EXPECT_EQ(Read(log_), dir_.Path() + "|");
}

TEST_F(ShellOpenTest, ProgramsRunWithTheirParameters) {
  const std::string prog = Write("tool", "#!/bin/sh\nprintf '%s|' \"$@\" > '" + dir_.File("tool.log") + "'\nexit 3\n", true);
  EXPECT_GT(Run("open", prog, "one \"two words\""), 32u);
  EXPECT_EQ(Read(dir_.File("tool.log")), "one|two words|");
  EXPECT_EQ(exit_, 3u);
  const std::string missing = dir_.File("gone");
  EXPECT_EQ(reinterpret_cast<uintptr_t>(ShellExecuteA(nullptr, nullptr, missing.c_str(), nullptr, nullptr, 1)),
            static_cast<uintptr_t>(SE_ERR_FNF));
}

TEST_F(ShellOpenTest, FailuresAnswerTheShellErrors) {
  const std::string doc = Write("letter.txt", "hello");
  struct Case {
    const char* verb;
    std::string file;
    uintptr_t want;
  } cases[] = {
      {"open", dir_.File("missing.txt"), SE_ERR_FNF},
      {"open", "", SE_ERR_FNF},
      {"print", doc, SE_ERR_NOASSOCIATION},
      {"frobnicate", doc, SE_ERR_NOASSOCIATION},
  };
  for (const auto& c : cases) EXPECT_EQ(Run(c.verb, c.file), c.want) << c.verb << " " << c.file;
  setenv("ZYL_SHELL_OPENER", dir_.File("no-opener").c_str(), 1);
  EXPECT_EQ(Run("open", doc), static_cast<uintptr_t>(SE_ERR_FNF));  // the opener cannot start
  SHELLEXECUTEINFOA bad;
  bad.cbSize = 3;
  EXPECT_FALSE(ShellExecuteExA(&bad));
  EXPECT_FALSE(ShellExecuteExA(nullptr));
}

TEST_F(ShellOpenTest, EveryRequestIsLoggedWithItsAnswer) {
  ClearShellExecuteLog();
  const std::string doc = Write("letter.txt", "hello");
  Run("open", doc);
  const std::string missing = dir_.File("gone.txt");
  ShellExecuteA(nullptr, nullptr, missing.c_str(), "-x", "/tmp", SW_SHOWNORMAL);
  const auto& log = ShellExecuteLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].Verb, "open");
  EXPECT_EQ(log[0].File, doc);
  EXPECT_GT(log[0].Result, 32u);
  EXPECT_EQ(log[1].Verb, "");
  EXPECT_EQ(log[1].File, missing);
  EXPECT_EQ(log[1].Parameters, "-x");
  EXPECT_EQ(log[1].Directory, "/tmp");
  EXPECT_EQ(log[1].Show, SW_SHOWNORMAL);
  EXPECT_EQ(log[1].Result, static_cast<uintptr_t>(SE_ERR_FNF));
  ClearShellExecuteLog();
  EXPECT_TRUE(ShellExecuteLog().empty());
}

TEST_F(ShellTest, AboutBoxIsRecorded) {
  ClearShellAboutLog();
  HWND w = Window();
  EXPECT_TRUE(ShellAboutA(w, "Title#Editor 2", "Licensed to you", nullptr));
  EXPECT_TRUE(ShellAboutA(nullptr, nullptr, nullptr, nullptr));
  ASSERT_EQ(ShellAboutLog().size(), 2u);
  EXPECT_EQ(ShellAboutLog()[0].Wnd, w);
  EXPECT_EQ(ShellAboutLog()[0].App, "Title");
  EXPECT_EQ(ShellAboutLog()[0].Other, "Licensed to you");
  EXPECT_EQ(ShellAboutLog()[1].App, "");
}

TEST_F(ShellTest, SoundsAreRecorded) {
  ClearPlayedSounds();
  const std::string wave("RIFF\x04\0\0\0WAVE", 12);
  const std::string file = Write("ding.wav", wave);
  const std::string junk = Write("junk.wav", "not a wave");
  EXPECT_TRUE(PlaySoundA(file.c_str(), nullptr, SND_FILENAME | SND_ASYNC));
  EXPECT_TRUE(PlaySoundA(wave.data(), nullptr, SND_MEMORY));
  EXPECT_TRUE(PlaySoundA("SystemExclamation", nullptr, SND_ALIAS));
  EXPECT_TRUE(sndPlaySoundA(dir_.File("missing.wav").c_str(), SND_ASYNC));  // the default one
  EXPECT_FALSE(PlaySoundA(junk.c_str(), nullptr, SND_FILENAME | SND_NODEFAULT));
  EXPECT_TRUE(PlaySoundA(nullptr, nullptr, 0));  // stops: nothing played
  EXPECT_TRUE(PlaySoundA(file.c_str(), nullptr, SND_PURGE));
  const auto& played = PlayedSounds();
  ASSERT_EQ(played.size(), 4u);
  const std::vector<uint8_t> bytes(wave.begin(), wave.end());
  EXPECT_EQ(played[0].Name, file);
  EXPECT_EQ(played[0].Data, bytes);
  EXPECT_EQ(played[0].Flags, SND_FILENAME | SND_ASYNC);
  EXPECT_EQ(played[1].Data, bytes);
  EXPECT_EQ(played[2].Name, "SystemExclamation");
  EXPECT_EQ(played[3].Name, "SystemDefault");
}

}  // namespace
