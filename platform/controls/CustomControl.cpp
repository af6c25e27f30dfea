#include "platform/controls/CustomControl.h"

#include "platform/base/Finally.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/CanvasGuards.h"

namespace vcl {

using namespace win;
using namespace controls_internal;

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {
  canvas_ = new TControlCanvas;
  canvas_->SetControl(this);
}

TCustomControl::~TCustomControl() {
  delete canvas_;
  canvas_ = nullptr;
}

void TCustomControl::PaintWindow(HDC DC) {
  TSavedDC saved(DC);
  TCanvasLock lock(canvas_);
  canvas_->FreeHandle();
  TCanvasBinding bound(canvas_, DC);
  canvas_->UpdateTextFlags();
  Paint();
}

void TCustomControl::WMPaint(TWMPaint& Message) {
  controlState_ += csCustomPaint;
  TFinally done([this] { controlState_ -= csCustomPaint; });
  ZYL_INHERITED(Message);
}

ZYL_MESSAGE_MAP(TCustomControl) { m.On(WM_PAINT, &TCustomControl::WMPaint); }
ZYL_CLASS_IMPL(TCustomControl) {}

}  // namespace vcl
