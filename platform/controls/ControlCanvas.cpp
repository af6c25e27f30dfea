#include "platform/controls/ControlCanvas.h"

#include "platform/base/Numbers.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"

namespace vcl {

using namespace win;
using namespace controls_internal;

TControlCanvas::TControlCanvas() = default;

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::SetControl(TControl* Value) {
  if (control_ == Value) return;
  FreeHandle();
  control_ = Value;
}

void TControlCanvas::FreeHandle() {
  if (dc_) {
    HDC dc = dc_;
    dc_ = nullptr;
    if (Handle() == dc) SetHandle(nullptr);
    if (IsWindow(window_)) ReleaseDC(window_, dc);
    window_ = nullptr;
  }
}

void TControlCanvas::CreateHandle() {
  if (!control_) return;
  HWND wnd = nullptr;
  int dx = 0, dy = 0;
  if (auto* w = dynamic_cast<TWinControl*>(control_)) {
    wnd = w->Handle();
  } else if (control_->Parent()) {
    wnd = control_->Parent()->Handle();
    dx = control_->Left();
    dy = control_->Top();
  }
  if (!wnd) return;
  HDC dc = GetDC(wnd);
  if (!dc) return;
  if (dx || dy) {
    SetWindowOrgEx(dc, ClampToInt(-int64_t{dx}), ClampToInt(-int64_t{dy}), nullptr);
    IntersectClipRect(dc, 0, 0, control_->Width(), control_->Height());
  }
  dc_ = dc;
  window_ = wnd;
  SetHandle(dc);
}

ZYL_CLASS_IMPL(TControlCanvas) {}

}  // namespace vcl
