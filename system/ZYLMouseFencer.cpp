#include "system/ZYLMouseFencer.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/user/WinUser.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLMouseFencer) {}

TZYLMouseFencer::TZYLMouseFencer(vcl::TComponent* AOwner) : inherited(AOwner) {}

// Another fencer's fence, in place of this one's or without this one ever fencing, stays.
TZYLMouseFencer::~TZYLMouseFencer() {
  win::RECT now;
  if (FFenced && win::GetClipCursor(&now) && now == FFence) win::ClipCursor(nullptr);
}

bool TZYLMouseFencer::Execute() { return ExecuteEnh({-1, -50, 0, 0}); }

bool TZYLMouseFencer::ExecuteEnh(const vcl::TRect& Rect) {
  vcl::TRect fence = Rect;
  const bool given = Rect.Left != -1 && Rect.Right > Rect.Left && Rect.Bottom > Rect.Top;
  if (!given && !GetTargetRect(fence)) return false;
  win::POINT cursor;
  win::GetCursorPos(&cursor);
  const bool inside = cursor.X >= fence.Left && cursor.X < fence.Right && cursor.Y >= fence.Top &&
                      cursor.Y < fence.Bottom;
  if (!inside) win::SetCursorPos(fence.Left, fence.Top);
  win::ClipCursor(&fence);
  FFenced = win::GetClipCursor(&FFence) != 0;
  return true;
}

void TZYLMouseFencer::Stop() {
  FFenced = false;
  win::ClipCursor(nullptr);
}

void TZYLMouseFencer::WndProc(vcl::TMessage& Message) {
  if (!Suspended() && Message.Msg == win::WM_CANCELMODE) Stop();
  inherited::WndProc(Message);
}

}  // namespace zyl
