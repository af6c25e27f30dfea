// The string launchers of ZYLCPGet: one string in the string editor, and a string list in the
// strings editor without the "Code" button.
#pragma once

#include <cstdint>
#include <string>

namespace vcl {
class TStrings;
}

namespace zyl {

// Edits Value in the "String-Editor" with the memo taking at most MaxLength characters (-1: any
// number); Result is the edited text on OK and Value otherwise.
void ZYLCPGetCaption(const std::string& Value, int32_t MaxLength, std::string& Result);

// Edits the list in the strings editor (its "Code" button hidden); true on OK, when the memo's
// lines were assigned back into Strings.
bool ZYLCPGetStrings(vcl::TStrings* Strings);

}  // namespace zyl
