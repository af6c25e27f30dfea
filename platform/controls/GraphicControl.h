// TGraphicControl: a control painted on its parent's surface.
#pragma once

#include "platform/controls/Control.h"
#include "platform/controls/ControlCanvas.h"

namespace vcl {

class TGraphicControl : public TControl {
  ZYL_CLASS(TGraphicControl, TControl)
  ZYL_MESSAGES(TGraphicControl)
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;
  TCanvas* Canvas() const { return canvas_; }

 protected:
  virtual void Paint() {}
  void WMPaint(TWMPaint& Message);
  TControlCanvas* canvas_;
};

}  // namespace vcl
