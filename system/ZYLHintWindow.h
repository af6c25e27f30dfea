// TZYLHintWindow: the application's hint window while a TZYLHint is enabled. It sizes and
// paints the hint with HintControl's settings; with no HintControl it is a plain hint window.
#pragma once

#include "platform/controls/Forms.h"

namespace zyl {

class TZYLHintWindow : public vcl::THintWindow {
  ZYL_CLASS(TZYLHintWindow, vcl::THintWindow)
  explicit TZYLHintWindow(vcl::TComponent* AOwner);

  // Measures AHint with HintControl's font, 3D text, bevel and wrap width and shows the
  // window at Rect's top-left corner in that size.
  void ActivateHint(vcl::TRect Rect, const std::string& AHint) override;

 protected:
  // A disabled popup, with a drop shadow where the system draws one.
  void CreateParams(vcl::TCreateParams& Params) override;
  // HintControl's bevel, then the text in its font and 3D look.
  void Paint() override;
};

}  // namespace zyl
