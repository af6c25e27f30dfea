#include "system/ZYLMousePositioner.h"

#include <cstdlib>

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/user/WinUser.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLMousePositioner) {
  b.Prop("Position", &TZYLMousePositioner::Position, &TZYLMousePositioner::SetPosition)
      .Default(agCenter);
}

vcl::TPoint ZYLGetAutoPosition(const vcl::TRect& R, TZYLAlignment Position) {
  const int w = std::abs(R.Right - R.Left) / 2;
  const int h = std::abs(R.Bottom - R.Top) / 2;
  // Columns and rows of the nine positions: left, centre, right; top, centre, bottom.
  const int column = static_cast<int>(Position) % 3;
  const int row = static_cast<int>(Position) / 3;
  const int x = column == 0 ? R.Left : column == 1 ? R.Left + w : R.Right;
  const int y = row == 0 ? R.Top : row == 1 ? R.Top + h : R.Bottom;
  return {x, y};
}

TZYLMousePositioner::TZYLMousePositioner(vcl::TComponent* AOwner) : inherited(AOwner) {}

bool TZYLMousePositioner::Execute() { return ExecuteEnh(-1, -1); }

bool TZYLMousePositioner::ExecuteEnh(int X, int Y) {
  vcl::TRect target;
  if (!GetTargetRect(target)) return false;
  vcl::TPoint p;
  if (X == -1) {
    p = ZYLGetAutoPosition(target, FPosition);
  } else {
    p = {target.Left + X, target.Top + Y};
    const bool inside =
        p.X >= target.Left && p.X < target.Right && p.Y >= target.Top && p.Y < target.Bottom;
    if (!inside) p = ZYLGetAutoPosition(target, agCenter);
  }
  win::SetCursorPos(p.X, p.Y);
  return true;
}

}  // namespace zyl
