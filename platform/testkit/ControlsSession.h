// A test session for the framework's controls: a fresh window system on a virtual clock (the
// test kit's session) with the framework's globals (handle map, capture and mouse controls, the
// application's handle, the screen's fonts) reset when it starts and again when it ends. Free
// every form inside the session.
#pragma once

#include "platform/testkit/TestKit.h"

namespace vcl::testkit {

class TControlsSession : public win::testkit::TSession {
 public:
  explicit TControlsSession(int screenWidth = 1024, int screenHeight = 768);
  ~TControlsSession();
};

}  // namespace vcl::testkit
