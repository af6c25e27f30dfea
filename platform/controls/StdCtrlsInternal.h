#pragma once
// Helpers the files of the standard controls share; not for users of the framework.

#include "platform/controls/StdCtrls.h"

namespace vcl::stdctrls_internal {

// Makes the control's window class a subclass of a system class: the system's procedure
// answers what the control leaves to its default handling.
void CreateSubClass(TCreateParams& Params, const char* SystemClass);
// The height of a line of the control's font.
int FontHeight(TFont* Font);
// Answers a CN_CTLCOLOR message with the control's font colour and brush.
void AnswerCtlColor(TMessage& Message, TFont* Font, TBrush* Brush);

}  // namespace vcl::stdctrls_internal
