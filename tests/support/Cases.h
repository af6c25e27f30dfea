// Tables of texts: each case pairs what the code gave with what it should give.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace testsupport {

// Expects the two texts of every case to be equal, naming the case's position when not.
inline void ExpectCases(std::initializer_list<std::pair<std::string, std::string>> cases) {
  int i = 0;
  for (const auto& [got, want] : cases) EXPECT_EQ(got, want) << "case " << i++;
}

}  // namespace testsupport
