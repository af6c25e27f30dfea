// The single-instance component across two real processes: the second copy of a program finds
// the first through the shared window registry, brings it forward and ends.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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

// The environment the two copies share, set for the programs this test starts.
class SharedFolders {
 public:
  SharedFolders() {
    ::mkdir(dir_.File("windows").c_str(), 0700);
    ::mkdir(dir_.File("locks").c_str(), 0700);
    for (const char* name : {"ZYL_WINDOW_REGISTRY_DIR", "ZYL_LOCK_DIR"}) {
      const char* old = std::getenv(name);
      saved_.push_back({name, old ? old : "", old != nullptr});
    }
    ::setenv("ZYL_WINDOW_REGISTRY_DIR", dir_.File("windows").c_str(), 1);
    ::setenv("ZYL_LOCK_DIR", dir_.File("locks").c_str(), 1);
  }
  ~SharedFolders() {
    for (const TSaved& s : saved_) {
      if (s.Had)
        ::setenv(s.Name, s.Value.c_str(), 1);
      else
        ::unsetenv(s.Name);
    }
  }

 private:
  struct TSaved {
    const char* Name;
    std::string Value;
    bool Had;
  };
  testsupport::TempDir dir_;
  std::vector<TSaved> saved_;
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
