// The tests' own helpers that other tests stand on: the files of the sources they read.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

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
  try {
    testsupport::SourceFile("tests/no such folder/none.bin");
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("tests/no such folder/none.bin"), std::string::npos)
        << e.what();
  }
}

}  // namespace
