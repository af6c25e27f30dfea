// The tests' own helpers that other tests stand on: the files of the sources they read, and
// the one-line check of a raised error on a standard exception.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "tests/support/ErrorOf.h"
#include "tests/support/TempDir.h"

namespace {

TEST(SourceFile, AnswersEveryByteOfTheFile) {
  const std::string text = testsupport::SourceFile("tests/platform/classes/data/format_sample.txt");
  // The line breaks stand as the file has them.
  EXPECT_EQ(text.rfind("object SampleForm: TSampleForm\r\n", 0), 0u);
  EXPECT_EQ(text.substr(text.size() - 5), "end\r\n");
  // A binary file keeps its NUL bytes.
  const std::string binary = testsupport::SourceFile("tests/platform/classes/data/formbmp.dfm");
  EXPECT_NE(binary.find('\0'), std::string::npos);
}

TEST(SourceFile, AMissingFileIsAnErrorNamingIt) {
  const std::string error = testsupport::ErrorOf<std::runtime_error>(
      [] { testsupport::SourceFile("tests/no such folder/none.bin"); });
  EXPECT_EQ(error, "cannot read " + testsupport::SourceDir() + "/tests/no such folder/none.bin");
}

TEST(ErrorOf, TakesTheTextOfAStandardException) {
  EXPECT_EQ(
      testsupport::ErrorOf<std::out_of_range>([] { throw std::out_of_range("past the end"); }),
      "past the end");
  EXPECT_EQ(testsupport::ErrorOf<std::runtime_error>([] {}), "<no error>");
}

}  // namespace
