// The framework's common controls: tab controls and page controls with their tab sheets, the
// status bar, the header control, progress bars, track bars and up-down buttons.
#pragma once

#include "platform/controls/HeaderCtrls.h"
#include "platform/controls/RangeCtrls.h"
#include "platform/controls/StatusBars.h"
#include "platform/controls/TabCtrls.h"

namespace vcl {

// Registers the common control classes for form streams. Done at start-up as well; calling
// it again is harmless.
void RegisterCommonControls();

}  // namespace vcl
