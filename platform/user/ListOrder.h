// The order sorted list boxes and combo boxes (LBS_SORT, CBS_SORT) keep their items in: byte by
// byte with the letters of code page 1252 folded to lower case, a string before the longer
// ones it begins. Items that begin with one text (in any case) follow one another in it.
#pragma once

#include <string>

namespace win {

// Below 0, 0 or above 0 as a sorts before, with or after b.
int ListCompareText(const std::string& a, const std::string& b);
// True when s begins with prefix, letters compared as in ListCompareText.
bool ListStartsText(const std::string& s, const std::string& prefix);

}  // namespace win
