// FindWindow across programs: this test program started again finds (and then no longer
// finds) a top-level window of this one.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/sys/ShellApi.h"
#include "platform/testkit/TestKit.h"
#include "tests/platform/user/UserTestSupport.h"
#include "tests/support/TempDir.h"

using namespace win;

namespace {

// Runs the child test with a task; its exit code.
DWORD RunChild(const std::string& task) {
  setenv("ZYL_FINDWINDOW_CHILD", task.c_str(), 1);
  std::string line = "/proc/self/exe --gtest_filter=FindWindowChild.Task";
  PROCESS_INFORMATION pi;
  const BOOL started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                      nullptr, &pi);
  unsetenv("ZYL_FINDWINDOW_CHILD");
  if (!started) return 9999;
  WaitForSingleObject(pi.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hProcess);
  return code;
}

TEST(WindowRegistry, AnotherProgramFindsTopLevelWindows) {
  testsupport::TempDir dir;
  setenv("ZYL_WINDOW_REGISTRY_DIR", dir.File("windows").c_str(), 1);
  testkit::TSession session;
  usertest::RegisterTestClasses();
  const std::string title = "Main\twindow " + std::to_string(getpid());
  HWND w = CreateWindowExA(0, "PlainWnd", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  SetWindowTextA(w, title.c_str());
  HWND child = CreateWindowExA(0, "PlainWnd", "inner", WS_CHILD, 0, 0, 5, 5, w, nullptr, nullptr, nullptr);
  ASSERT_TRUE(w && child);
  testkit::RunUntilIdle();  // the loop publishes the changes
  setenv("ZYL_FINDWINDOW_TITLE", title.c_str(), 1);
  EXPECT_EQ(RunChild("present"), 0u);
  DestroyWindow(w);
  testkit::RunUntilIdle();
  EXPECT_EQ(RunChild("absent"), 0u);
  unsetenv("ZYL_FINDWINDOW_TITLE");
  unsetenv("ZYL_WINDOW_REGISTRY_DIR");
}

TEST(WindowRegistry, DamagedAndStaleEntriesAreSkipped) {
  testsupport::TempDir dir;
  setenv("ZYL_WINDOW_REGISTRY_DIR", dir.Path().c_str(), 1);
  // A program long gone (no such process id) and a file of junk of a live one (our parent).
  std::ofstream(dir.File("99999999")) << "1\tPlainWnd\tghost\n";
  std::ofstream(dir.File(std::to_string(getppid()))) << "junk without tabs\n\t\t\nx\tPlainWnd\n";
  std::ofstream(dir.File("not-a-pid")) << "1\tPlainWnd\tghost\n";
  testkit::TSession session;
  EXPECT_EQ(FindWindowA("PlainWnd", "ghost"), nullptr);
  EXPECT_EQ(FindWindowA(nullptr, "junk without tabs"), nullptr);
  EXPECT_FALSE(std::ifstream(dir.File("99999999")).good());  // the stale file is removed
  unsetenv("ZYL_WINDOW_REGISTRY_DIR");
}

TEST(WindowRegistry, RequestsOfAnotherProgramReachItsWindows) {
  testsupport::TempDir dir;
  setenv("ZYL_WINDOW_REGISTRY_DIR", dir.Path().c_str(), 1);
  testkit::TSession session;
  usertest::RegisterTestClasses();
  const std::string title = "Requests " + std::to_string(getpid());
  HWND w = CreateWindowExA(0, "PlainWnd", title.c_str(), WS_OVERLAPPEDWINDOW, 10, 10, 200, 100,
                           nullptr, nullptr, nullptr, nullptr);
  ShowWindow(w, SW_SHOWMINIMIZED);
  testkit::RunUntilIdle();  // published minimised
  testkit::TMessageRecorder recorder(w);
  setenv("ZYL_FINDWINDOW_TITLE", title.c_str(), 1);
  EXPECT_EQ(RunChild("requests"), 0u);
  testkit::RunUntilIdle();  // the requests are carried out when the loop looks for messages
  ASSERT_EQ(recorder.Count(WM_USER + 1), 1);
  for (const auto& e : recorder.Entries()) {
    if (e.Msg == WM_USER + 1) {
      EXPECT_EQ(e.WParam, WPARAM(7));
      EXPECT_EQ(e.LParam, LPARAM(-9));
    }
  }
  EXPECT_EQ(recorder.Count(WM_SETTEXT), 0);
  EXPECT_FALSE(IsIconic(w));
  EXPECT_EQ(GetForegroundWindow(), w);
  // A window that is gone takes no requests, and the sender hears of it.
  DestroyWindow(w);
  testkit::RunUntilIdle();
  EXPECT_EQ(RunChild("absent"), 0u);
  unsetenv("ZYL_FINDWINDOW_TITLE");
  unsetenv("ZYL_WINDOW_REGISTRY_DIR");
}

// The other program's side; does nothing in a normal run.
TEST(FindWindowChild, Task) {
  const char* task = std::getenv("ZYL_FINDWINDOW_CHILD");
  if (!task) GTEST_SKIP() << "runs only as the child of AnotherProgramFindsTopLevelWindows";
  testkit::TSession session;
  const std::string title = std::getenv("ZYL_FINDWINDOW_TITLE");
  HWND found = FindWindowA("plainwnd", title.c_str());  // the class without regard to case
  if (std::string(task) == "requests") {
    ASSERT_NE(found, nullptr);
    EXPECT_TRUE(IsIconic(found));
    EXPECT_TRUE(IsWindowVisible(found));
    EXPECT_TRUE(PostMessageA(found, WM_USER + 1, 7, -9));
    // Parameters that point into this program do not travel.
    EXPECT_FALSE(PostMessageA(found, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x")));
    EXPECT_TRUE(ShowWindow(found, SW_RESTORE));  // it was visible
    EXPECT_TRUE(SetForegroundWindow(found));
  } else if (std::string(task) == "present") {
    ASSERT_NE(found, nullptr);
    DWORD pid = 0;
    GetWindowThreadProcessId(found, &pid);
    EXPECT_EQ(pid, static_cast<DWORD>(getppid()));
    EXPECT_EQ(FindWindowA(nullptr, title.c_str()), found);
    EXPECT_FALSE(IsWindow(found));  // not a window of this program
    EXPECT_EQ(FindWindowA(nullptr, "inner"), nullptr);  // child windows are not listed
  } else {
    EXPECT_EQ(found, nullptr);
  }
}

}  // namespace
