// A component that hears when another one is freed: tests that free things during a wait ask
// it afterwards without touching the freed object.
#pragma once

#include "platform/classes/Component.h"

namespace testsupport {

class TFreeProbe : public vcl::TComponent {
 public:
  explicit TFreeProbe(vcl::TComponent* Watched) : vcl::TComponent(nullptr) {
    if (Watched) Watched->FreeNotification(this);
  }
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override {
    vcl::TComponent::Notification(AComponent, Operation);
    if (Operation != vcl::opRemove) return;
    Freed = true;
    ++Times;
  }
  bool Freed = false;
  // How many times the watched component told of its end.
  int Times = 0;
};

}  // namespace testsupport
