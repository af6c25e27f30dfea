#include "platform/user/ScreenPlace.h"

#include <algorithm>
#include <cstdint>

#include "platform/base/Numbers.h"

namespace win::user {

namespace {

// The start along one side of the screen of a span of `size` asked to start at `start`.
int OntoSide(int start, int size, int screen) {
  if (size >= screen) return 0;
  return std::clamp(start, 0, screen - size);
}

}  // namespace

RECT MoveOntoScreen(RECT r) {
  const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  const int w = r.Width(), h = r.Height();
  const int left = OntoSide(r.Left, w, sw), top = OntoSide(r.Top, h, sh);
  return RECT{left, top, left + w, top + h};
}

RECT DropBeside(const RECT& owner, int left, int width, int height, int minHeight) {
  const int sh = GetSystemMetrics(SM_CYSCREEN);
  const int64_t below = int64_t{sh} - owner.Bottom, above = owner.Top;
  int top = owner.Bottom;
  if (height > below && height <= above) {
    top = owner.Top - height;
  } else if (height > below && minHeight < height) {
    // Fits on neither side: the side with more room takes it, cut to that room.
    const bool up = above > below;
    height = static_cast<int>(std::clamp<int64_t>(up ? above : below, minHeight, height));
    top = up ? owner.Top - height : owner.Bottom;
  }
  return MoveOntoScreen(RECT{left, top, vcl::ClampToInt(int64_t{left} + width),
                             vcl::ClampToInt(int64_t{top} + height)});
}

}  // namespace win::user
