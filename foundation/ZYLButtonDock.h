// ZYLButtonDock: the routines the button base and the dock components share: reading a
// button style from a form stream (with the retired style names) and the dock checks.
#pragma once

#include "foundation/ZYLClass.h"

namespace vcl {
class TComponent;
class TControl;
class TReader;
}  // namespace vcl

namespace zyl {

// Reads a button-style identifier. The retired names "ubsWinXP", "ubsWinXPCombo" and
// "ubsWinXPTool" give ubsWin40, ubsCombo and ubsExplorer and set CtlXP; other names must be
// values of TZYLUserButtonStyle (EReadError otherwise; CtlXP is then left alone).
void ZYLButtonReadExtStyle(vcl::TReader* Reader, TZYLUserButtonStyle& Style, bool& CtlXP);

// Raises the error that a dock label or dock button is already attached to Control.
[[noreturn]] void ZYLRaiseDockError(vcl::TComponent* Attached, vcl::TComponent* Control);

// Asks Control with CM_ZYLDOCKQUERY which dock component is attached to it; null for none
// (and for a null control). A dock component answers the query with itself.
vcl::TComponent* ZYLDockQuery(vcl::TControl* Control);
// The answer a dock component gives to CM_ZYLDOCKQUERY.
intptr_t ZYLDockQueryAnswer(vcl::TComponent* Dock);

}  // namespace zyl
