#include <gtest/gtest.h>

#include <cstring>

#include "platform/rtl/Environment.h"
#include "platform/rtl/FileUtils.h"

using namespace vcl;
using namespace win;

TEST(Environment, VariablesThroughTheApi) {
  ASSERT_TRUE(SetEnvironmentVariableA("ZYL_TEST_VAR", "caf\xE9"));
  EXPECT_EQ(GetEnvironmentVariable("ZYL_TEST_VAR"), "caf\xE9");
  char buf[16];
  EXPECT_EQ(GetEnvironmentVariableA("ZYL_TEST_VAR", buf, sizeof buf), 4u);
  EXPECT_STREQ(buf, "caf\xE9");
  EXPECT_EQ(GetEnvironmentVariableA("ZYL_TEST_VAR", buf, 4), 5u);  // the size needed
  EXPECT_EQ(ExpandEnvironmentStrings("[%ZYL_TEST_VAR%] %ZYL_NOT_SET% 100%"), "[caf\xE9] %ZYL_NOT_SET% 100%");
  char small[4];
  EXPECT_EQ(ExpandEnvironmentStringsA("%ZYL_TEST_VAR%!", small, sizeof small), 6u);
  char big[16];
  EXPECT_EQ(ExpandEnvironmentStringsA("%ZYL_TEST_VAR%!", big, sizeof big), 6u);
  EXPECT_STREQ(big, "caf\xE9!");
  ASSERT_TRUE(SetEnvironmentVariableA("ZYL_TEST_VAR", nullptr));
  EXPECT_EQ(GetEnvironmentVariable("ZYL_TEST_VAR"), "");
  EXPECT_EQ(GetEnvironmentVariableA("ZYL_TEST_VAR", buf, sizeof buf), 0u);
  EXPECT_FALSE(SetEnvironmentVariableA("A=B", "x"));
  EXPECT_FALSE(SetEnvironmentVariableA("", "x"));
}

TEST(Environment, CommandLine) {
  const char* argv[] = {"prog", "one", "two words", "caf\xC3\xA9"};
  SetCommandLine(4, argv);
  EXPECT_EQ(ParamCount(), 3);
  EXPECT_EQ(ParamStr(1), "one");
  EXPECT_EQ(ParamStr(2), "two words");
  EXPECT_EQ(ParamStr(3), "caf\xE9");
  EXPECT_EQ(ParamStr(4), "");
  EXPECT_EQ(ParamStr(-1), "");
  EXPECT_TRUE(FileExists(ParamStr(0)));  // the running program
  SetCommandLine({"prog"});
  EXPECT_EQ(ParamCount(), 0);
}
