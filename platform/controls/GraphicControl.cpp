#include "platform/controls/GraphicControl.h"

#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/CanvasGuards.h"

namespace vcl {

using namespace win;
using namespace controls_internal;

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {
  canvas_ = new TControlCanvas;
  canvas_->SetControl(this);
}

TGraphicControl::~TGraphicControl() { delete canvas_; }

void TGraphicControl::WMPaint(TWMPaint& Message) {
  if (!Message.DC()) return;
  TSavedDC saved(Message.DC());
  TCanvasLock lock(canvas_);
  canvas_->FreeHandle();
  TCanvasBinding bound(canvas_, Message.DC());
  Paint();
}

ZYL_MESSAGE_MAP(TGraphicControl) { m.On(WM_PAINT, &TGraphicControl::WMPaint); }
ZYL_CLASS_IMPL(TGraphicControl) {}

}  // namespace vcl
