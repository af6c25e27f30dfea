// A component's reference to another component, kept clear of a freed target by the free
// notification.
#pragma once

#include "platform/classes/Component.h"

namespace zyl {

// Points Slot at Value and moves Client's free notification from the component Slot held to
// Value; false (nothing done) when Slot holds Value already.
template <class T>
bool ZYLSetReference(vcl::TComponent* Client, T*& Slot, T* Value) {
  if (Slot == Value) return false;
  if (Slot) Slot->RemoveFreeNotification(Client);
  Slot = Value;
  if (Slot) Slot->FreeNotification(Client);
  return true;
}

}  // namespace zyl
