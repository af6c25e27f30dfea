// TZYLOwned<T>: the one way an owner holds a settings object (a TZYLObject, a font, a string
// list, a change link). It makes or takes the object, points the object's OnChange at the
// owner's handler, and when it is reset or destroyed it clears that OnChange before it frees
// the object, so a freed or half-freed owner is never called back. Movable, not copyable.
//
//   TFoo::TFoo() : FBevel(this, &TFoo::GetChange) {}  // a TZYLBevel made and linked
//   FGradient.reset(new TZYLGradient(), change);      // the old one unlinked and freed first
//
// Owners declare holders in the order the objects may be freed in reverse: members are
// destroyed in reverse declaration order, after the owner's destructor body has run.
#pragma once

#include <type_traits>
#include <utility>

#include "platform/classes/Events.h"

namespace zyl {

// Points Object's change notification at Value: through SetOnChange where the class has it,
// otherwise through its OnChange field (the framework's fonts, brushes and pens).
template <class T>
void ZYLLinkChange(T& Object, const vcl::TNotifyEvent& Value) {
  if constexpr (requires { Object.SetOnChange(Value); })
    Object.SetOnChange(Value);
  else
    Object.OnChange = Value;
}

template <class T>
class TZYLOwned {
 public:
  TZYLOwned() noexcept = default;
  // Makes a T and links it to OnChange.
  explicit TZYLOwned(const vcl::TNotifyEvent& OnChange) : TZYLOwned(new T(), OnChange) {}
  // Makes a T and links it to Owner's Handler (a member function taking the Sender).
  template <class O, class M>
  requires std::is_member_function_pointer_v<M> TZYLOwned(O* Owner, M Handler)
      : TZYLOwned(vcl::TNotifyEvent(Owner, Handler)) {}
  // Takes Object (may be null); links it when OnChange is set.
  explicit TZYLOwned(T* Object, const vcl::TNotifyEvent& OnChange = vcl::TNotifyEvent())
      : FObject(Object) {
    if (FObject && OnChange) ZYLLinkChange(*FObject, OnChange);
  }
  TZYLOwned(const TZYLOwned&) = delete;
  TZYLOwned& operator=(const TZYLOwned&) = delete;
  TZYLOwned(TZYLOwned&& Other) noexcept : FObject(std::exchange(Other.FObject, nullptr)) {}
  TZYLOwned& operator=(TZYLOwned&& Other) noexcept {
    if (this != &Other) {
      Free();
      FObject = std::exchange(Other.FObject, nullptr);
    }
    return *this;
  }
  ~TZYLOwned() { Free(); }

  T* get() const noexcept { return FObject; }
  T* operator->() const noexcept { return FObject; }
  T& operator*() const noexcept { return *FObject; }
  // The owner's code reads the holder as the pointer it replaced (a getter's result, a Sender
  // compared with it, an argument). Never delete what it gives: the holder frees the object.
  operator T*() const noexcept { return FObject; }

  // Points the held object's OnChange at Value (an empty Value unlinks it).
  void Link(const vcl::TNotifyEvent& Value) {
    if (FObject) ZYLLinkChange(*FObject, Value);
  }
  // Unlinks and frees the held object, then takes Object and links it when OnChange is set.
  void reset(T* Object = nullptr, const vcl::TNotifyEvent& OnChange = vcl::TNotifyEvent()) {
    Free();
    FObject = Object;
    if (FObject && OnChange) ZYLLinkChange(*FObject, OnChange);
  }

 private:
  void Free() {
    T* object = std::exchange(FObject, nullptr);
    if (!object) return;
    ZYLLinkChange(*object, vcl::TNotifyEvent());
    delete object;
  }

  T* FObject = nullptr;
};

}  // namespace zyl
