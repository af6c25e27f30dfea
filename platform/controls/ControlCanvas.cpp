#include "platform/controls/ControlCanvas.h"

#include <algorithm>
#include <vector>

#include "platform/base/Numbers.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"

namespace vcl {

using namespace win;
using namespace controls_internal;

namespace {

// The canvases holding a DC they took themselves, in the order they took it.
std::vector<TControlCanvas*>& Holding() {
  static std::vector<TControlCanvas*> canvases;
  return canvases;
}

}  // namespace

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
    // Asking for Handle() of a canvas without one would take a new DC.
    if (HandleAllocated() && Handle() == dc) SetHandle(nullptr);
    if (IsWindow(window_)) ReleaseDC(window_, dc);
    window_ = nullptr;
    std::erase(Holding(), this);
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
  Holding().push_back(this);
  SetHandle(dc);
}

void FreeDeviceContexts() {
  const std::vector<TControlCanvas*> holding = Holding();
  for (TControlCanvas* canvas : holding)
    if (canvas->LockCount() == 0) canvas->FreeHandle();
}

ZYL_CLASS_IMPL(TControlCanvas) {}

}  // namespace vcl
