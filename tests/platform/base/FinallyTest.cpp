#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/base/Finally.h"
#include "platform/base/Restore.h"

namespace {

// How a scope guarded by TFinally is left, and which exception (if any) comes out of it.
struct TExitCase {
  const char* Name;
  bool BodyThrows;
  bool CleanupThrows;
  const char* Escapes;  // the message of the exception that leaves the scope, or ""
};

class FinallyTest : public ::testing::TestWithParam<TExitCase> {};

TEST_P(FinallyTest, CleanUpRunsOnceAndTheFirstExceptionWins) {
  const TExitCase& c = GetParam();
  int runs = 0;
  std::string escaped;
  try {
    vcl::TFinally done([&] {
      ++runs;
      if (c.CleanupThrows) throw std::runtime_error("cleanup");
    });
    if (c.BodyThrows) throw std::runtime_error("body");
  } catch (const std::runtime_error& e) {
    escaped = e.what();
  }
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(escaped, c.Escapes);
}

INSTANTIATE_TEST_SUITE_P(Exits, FinallyTest,
                         ::testing::Values(TExitCase{"Normal", false, false, ""},
                                           TExitCase{"BodyThrows", true, false, "body"},
                                           TExitCase{"CleanupThrows", false, true, "cleanup"},
                                           TExitCase{"BothThrow", true, true, "body"}),
                         [](const auto& info) { return std::string(info.param.Name); });

// TOnFailure undoes only when the scope is left by an exception, which then arrives unchanged.
struct TFailureCase {
  const char* Name;
  bool BodyThrows;
  bool UndoThrows;
  int Runs;
  const char* Escapes;
};

class OnFailureTest : public ::testing::TestWithParam<TFailureCase> {};

TEST_P(OnFailureTest, UndoRunsOnlyOnTheWayOutByAnException) {
  const TFailureCase& c = GetParam();
  int runs = 0;
  std::string escaped;
  try {
    vcl::TOnFailure undo([&] {
      ++runs;
      if (c.UndoThrows) throw std::runtime_error("undo");
    });
    if (c.BodyThrows) throw std::runtime_error("body");
  } catch (const std::runtime_error& e) {
    escaped = e.what();
  }
  EXPECT_EQ(runs, c.Runs);
  EXPECT_EQ(escaped, c.Escapes);
}

INSTANTIATE_TEST_SUITE_P(Exits, OnFailureTest,
                         ::testing::Values(TFailureCase{"Normal", false, false, 0, ""},
                                           TFailureCase{"UndoWouldThrow", false, true, 0, ""},
                                           TFailureCase{"BodyThrows", true, false, 1, "body"},
                                           TFailureCase{"BothThrow", true, true, 1, "body"}),
                         [](const auto& info) { return std::string(info.param.Name); });

// A scope that ends normally inside clean-up code run by another exception keeps its work.
TEST(OnFailure, AScopeInsideAnUnwindingCleanUpEndsNormally) {
  int undone = 0;
  bool cleanedUp = false;
  EXPECT_THROW(
      {
        vcl::TFinally outer([&] {
          vcl::TOnFailure inner([&] { ++undone; });
          cleanedUp = true;
        });
        throw std::runtime_error("body");
      },
      std::runtime_error);
  EXPECT_TRUE(cleanedUp);
  EXPECT_EQ(undone, 0);
}

// A variable changed for a scope gets its old value back on either way out, nested changes
// unwinding in turn.
TEST(Restore, TheOldValueComesBackOnEitherWayOut) {
  bool flag = false;
  std::string text = "old";
  {
    const vcl::TRestore raised(flag, true);
    const vcl::TRestore renamed(text, std::string("new"));
    EXPECT_TRUE(flag);
    EXPECT_EQ(text, "new");
    {
      const vcl::TRestore again(text, std::string("newer"));
      EXPECT_EQ(text, "newer");
    }
    EXPECT_EQ(text, "new");
  }
  EXPECT_FALSE(flag);
  EXPECT_EQ(text, "old");
  EXPECT_THROW(
      {
        const vcl::TRestore raised(flag, true);
        throw std::runtime_error("body");
      },
      std::runtime_error);
  EXPECT_FALSE(flag);
}

}  // namespace
