// The strings of a string list in order, to compare with a table of the strings expected.
#pragma once

#include <string>
#include <vector>

#include "platform/classes/StringList.h"

namespace testsupport {

inline std::vector<std::string> Items(const vcl::TStrings& list) {
  std::vector<std::string> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list.Strings(i));
  return items;
}

}  // namespace testsupport
