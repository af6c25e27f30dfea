#include "platform/testkit/ControlsSession.h"

#include "platform/controls/Controls.h"

namespace vcl::testkit {

TControlsSession::TControlsSession(int screenWidth, int screenHeight)
    : TSession(screenWidth, screenHeight) {
  ResetControlsGlobals();
}

TControlsSession::~TControlsSession() { ResetControlsGlobals(); }

}  // namespace vcl::testkit
