#pragma once
// Helpers the files of the window functions share; not for users of the platform.

#include <string>

#include "platform/user/UserInternal.h"

namespace win::user::windows_internal {

// Whether a equals b, ignoring the case of ASCII letters.
bool SameText(const std::string& a, const char* b);

// Puts w among the children of parent: a top-level window at the top of its band (topmost
// windows above the rest), a child at the bottom.
void LinkChild(Wnd* parent, Wnd* w, bool top);
// Takes w out of its parent's children.
void UnlinkChild(Wnd* w);

}  // namespace win::user::windows_internal
