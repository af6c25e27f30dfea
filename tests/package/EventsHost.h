// The root of the package tests' forms: a form class that publishes one handler, doing
// nothing, for every event signature asked of it ("On0", "On1", ...), so that every event of a
// component on it can be set, streamed by name and read back. A handler may also run where a
// component tells of its own work while it is read (the multi-column list box reads its stored
// data when loaded and tells OnIniReadData).
#pragma once

#include "platform/classes/Events.h"
#include "platform/controls/Forms.h"

namespace packagetest {

class TEventsHost : public vcl::TForm {
  ZYL_CLASS(TEventsHost, vcl::TForm)
  using TForm::TForm;
};

// The host's handler of an event signature, added to the host's published methods on first
// use of the signature: ask for every signature before any method lookup builds the class's
// caches.
const vcl::TMethodCode* HostHandlerFor(const void* signature);

}  // namespace packagetest
