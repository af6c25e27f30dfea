// TCustomControl: a window with a canvas and Paint.
#pragma once

#include "platform/controls/ControlCanvas.h"
#include "platform/controls/WinControl.h"

namespace vcl {

class TCustomControl : public TWinControl {
  ZYL_CLASS(TCustomControl, TWinControl)
  ZYL_MESSAGES(TCustomControl)
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;
  TCanvas* Canvas() const { return canvas_; }

 protected:
  virtual void Paint() {}
  void PaintWindow(win::HDC DC) override;
  void WMPaint(TWMPaint& Message);
  TControlCanvas* canvas_;
};

}  // namespace vcl
