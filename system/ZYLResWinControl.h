// Freeing the window of a windowed control that is not shown: the handle is destroyed and the
// control makes it again when it is next needed. TZYLResWinControl exists to reach the
// protected DestroyHandle of any windowed control.
#pragma once

#include "platform/controls/Controls.h"

namespace zyl {

class TZYLResWinControl : public vcl::TWinControl {
  ZYL_CLASS(TZYLResWinControl, vcl::TWinControl)
  explicit TZYLResWinControl(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Destroys Control's window handle (and its children's); nothing for nil.
  static void FreeResources(vcl::TWinControl* Control);

 protected:
  void CreateHandle() override { inherited::CreateHandle(); }
};

// The window handle of a windowed control (nothing for nil or a graphic control) is freed.
void ZYLFreeResources(vcl::TControl* Control);

}  // namespace zyl
