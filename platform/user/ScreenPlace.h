// Where the windows a program pops up go on the screen: hints, drop-down lists and calendars
// are moved onto it rather than left partly off it.
#pragma once

#include "platform/user/WinUser.h"

namespace win::user {

// The rectangle moved onto the screen, its size kept; along a side where it is larger than
// the screen, it starts at the screen's left or top edge.
RECT MoveOntoScreen(RECT r);

// Where a drop-down of width x height with its left edge at `left` goes beside `owner` (both
// in screen coordinates): under the owner where it fits, else above it where it fits there;
// else, when it may be cut (`minHeight` below `height`), on the side with more room, as high as
// that room (never below minHeight); else under the owner, moved up onto the screen. Then moved
// onto the screen across.
RECT DropBeside(const RECT& owner, int left, int width, int height, int minHeight);

}  // namespace win::user
