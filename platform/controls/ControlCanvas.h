#pragma once

#include "platform/controls/ControlTypes.h"
#include "platform/graphics/Canvas.h"

namespace vcl {

// A canvas on the device context of a control: its own window's context for windowed
// controls, the parent's (offset and clipped to the control) for graphic ones.
class TControlCanvas : public TCanvas {
  ZYL_CLASS(TControlCanvas, TCanvas)
  TControlCanvas();
  ~TControlCanvas() override;

  TControl* Control() const { return control_; }
  void SetControl(TControl* Value);
  // Releases the context taken by CreateHandle (the context of a paint cycle is not ours).
  void FreeHandle();
  void UpdateTextFlags() {}

 protected:
  void CreateHandle() override;

 private:
  TControl* control_ = nullptr;
  win::HDC dc_ = nullptr;
  win::HWND window_ = nullptr;
};

// Gives back the window DCs that control canvases took outside a paint (in CreateHandle),
// except those of canvases locked now. The application's loop calls it when it has delivered a
// message, so that a control drawing on a timer or in an event holds no DC between messages.
void FreeDeviceContexts();

}  // namespace vcl
