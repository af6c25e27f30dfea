// The single-instance component across two real processes: the second copy of a program finds
// the first through the shared window registry, brings it forward and ends.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "tests/support/TempDir.h"

namespace {

// Reads one line of a started program's output (blocks until it comes or the program ends).
std::string ReadLine(FILE* from) {
  char line[256] = "";
  if (!std::fgets(line, sizeof line, from)) return "<end>";
  std::string s = line;
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
  return s;
}

// One environment variable set for the programs this test starts, put back afterwards.
class TEnvVar {
 public:
  TEnvVar(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~TEnvVar() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

std::string MadeFolder(const std::string& path) {
  ::mkdir(path.c_str(), 0700);
  return path;
}

// The window registry and instance-lock folders the two copies share.
class SharedFolders {
 public:
  SharedFolders()
      : windows_("ZYL_WINDOW_REGISTRY_DIR", MadeFolder(dir_.File("windows"))),
        locks_("ZYL_LOCK_DIR", MadeFolder(dir_.File("locks"))) {}

 private:
  testsupport::TempDir dir_;
  TEnvVar windows_;
  TEnvVar locks_;
};

std::string Command(const char* mode, const std::string& title) {
  return std::string(ZYL_INSTANCE_HELPER) + " " + mode + " '" + title + "' 2>&1";
}

TEST(OneInstanceProcesses, TheSecondCopyBringsTheMinimisedFirstForwardAndEnds) {
  SharedFolders shared;
  const std::string title = "Instance test " + std::to_string(::getpid());
  FILE* first = ::popen(Command("first", title).c_str(), "r");
  ASSERT_NE(first, nullptr);
  ASSERT_EQ(ReadLine(first), "ready");

  FILE* second = ::popen(Command("second", title).c_str(), "r");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(ReadLine(second), "previous");
  EXPECT_EQ(ReadLine(second), "terminated");
  EXPECT_EQ(ReadLine(second), "<end>");
  const int secondStatus = ::pclose(second);
  EXPECT_TRUE(WIFEXITED(secondStatus) && WEXITSTATUS(secondStatus) == 0) << secondStatus;

  EXPECT_EQ(ReadLine(first), "forward");
  const int firstStatus = ::pclose(first);
  EXPECT_TRUE(WIFEXITED(firstStatus) && WEXITSTATUS(firstStatus) == 0) << firstStatus;
}

TEST(OneInstanceProcesses, ACopyAloneIsNoSecondInstance) {
  SharedFolders shared;
  FILE* only = ::popen(Command("second", "Lonely " + std::to_string(::getpid())).c_str(), "r");
  ASSERT_NE(only, nullptr);
  EXPECT_EQ(ReadLine(only), "<end>");  // neither "previous" nor "terminated"
  const int status = ::pclose(only);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

}  // namespace
