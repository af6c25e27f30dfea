// TZYLButtonPanel: a bevel panel that holds a row of buttons; it publishes what the library's
// bevel panels publish.
#pragma once

#include "buttons/ZYLCustomBevelPanel.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLButtonPanel : public TZYLCustomBevelPanel {
  ZYL_CLASS(TZYLButtonPanel, TZYLCustomBevelPanel)
  explicit TZYLButtonPanel(vcl::TComponent* AOwner);
};

inline constexpr vcl::TUnitEntry ZYLButtonPanelUnit =
    vcl::ClassesUnit<TZYLButtonPanel>("ZYLButtonPanel");

}  // namespace zyl
