// TZYLCustomMemo: the row-wise keys (Up, Down, Page Up, Page Down, Ctrl+End, Enter and Tab) and
// the mouse mapped to rows; the other keys are the edit base's (Home and End go to the ends of
// the paragraph).
#include <algorithm>

#include "edits/ZYLCustomMemo.h"
#include "foundation/ZYLApplication.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

void TZYLCustomMemo::GetCommandKey(uint16_t& Key, vcl::TShiftState Shift) {
  if (!Enabled()) return;
  if (MemoKey(Key)) return;
  inherited::GetCommandKey(Key, Shift);
}

bool TZYLCustomMemo::MemoKey(uint16_t Key) {
  const bool ctrl = EditMode().contains(emCtrl);
  switch (Key) {
    case win::VK_TAB:
      if (!FWantTabs) return false;
      if (InputEnabled()) SetSelText("\t");
      return true;
    case win::VK_RETURN:
      // With TabOnEnter, Enter moves the focus and only Ctrl+Enter breaks the line.
      if (TabOnEnter() && !ctrl) return false;
      if (InputEnabled()) SetSelText("\r\n");
      return true;
    case win::VK_UP: MoveRows(-1, false); return true;
    case win::VK_DOWN: MoveRows(1, false); return true;
    case win::VK_PRIOR: MoveRows(-PageStep(), true); return true;
    case win::VK_NEXT: MoveRows(PageStep(), true); return true;
    case win::VK_END:
      // Home, and End without Ctrl, are the base's: to the ends of the paragraph.
      if (!ctrl) return false;
      MoveCaretTo(GetLength() + 1);
      return true;
    default: return false;
  }
}

void TZYLCustomMemo::MoveCaretTo(int Pos) {
  const int start = FSelStart, length = FSelLength;
  SetInteger(iiCaretPos, Pos);
  if (FSelStart != start || FSelLength != length) DrawText(-1);
}

// Moves the caret Delta rows at the same column (at most to the target row's last position).
// A row step stops at the first and last rows; a page step also scrolls the view by Delta and
// goes to the text's start or end when the caret already stands on the first or last row.
void TZYLCustomMemo::MoveRows(int Delta, bool Page) {
  const int row = RowOf(FCaretPos);
  const int last = static_cast<int>(FRows.size()) - 1;
  const int column = FCaretPos - FRows[static_cast<size_t>(row)];
  int target = row + Delta;
  if (!Page && (target < 0 || target > last)) return;
  if (Page) {
    if (row == 0 && Delta < 0) return MoveCaretTo(1);
    if (row == last && Delta > 0) return MoveCaretTo(GetLength() + 1);
    target = std::clamp(target, 0, last);
    SetTop(FTop + Delta);
  }
  MoveCaretTo(std::min(FRows[static_cast<size_t>(target)] + column, RowLastPos(target)));
}

// The position under a client point. Above or below the rows (the mouse dragged out) the
// memo scrolls one row and answers a position in the row that came into view.
int TZYLCustomMemo::CalcMousePos(vcl::TSmallPoint Point) {
  EnsureLayout();
  const vcl::TRect& R = FTextRect;
  const int lastRow = static_cast<int>(FRows.size()) - 1;
  int row = 0;
  if (Point.y < R.Top) {
    ScrollUp(1);
    row = FTop;
  } else if (Point.y >= R.Bottom) {
    ScrollDown(1);
    row = std::min(FTop + PageRows() - 1, lastRow);
  } else {
    row = std::min({FTop + (Point.y - R.Top) / RowHeight(""), FTop + PageRows() - 1, lastRow});
  }
  return PosInRow(row, Point.x);
}

}  // namespace zyl
