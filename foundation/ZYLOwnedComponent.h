// TZYLOwnedComponent<T>: the one way an owner holds a component it made and frees when that
// component may be freed by someone else first (the control it stands on, its owner, a form's
// designer, the user). A watch takes the component's free notification and forgets it when it
// goes, so the holder frees it at most once: on reset() and when the holder is destroyed.
//
//   FButton.reset(new TZYLCustomSpeedButton(nullptr));  // the old one freed first, if any
//   if (!FPopup) FPopup.reset(new vcl::TPopupMenu(this));
//
// The holder reads as the pointer it holds (null once the component is gone); never delete
// what it gives, except to free the component from outside as any other user may.
#pragma once

#include "platform/classes/Component.h"

namespace zyl {

// The component that takes the held component's free notification for a holder (the holder
// itself is no component and cannot be told).
class TZYLFreeWatch : public vcl::TComponent {
 public:
  TZYLFreeWatch() : vcl::TComponent(nullptr) {}
  ~TZYLFreeWatch() override { Watch(nullptr); }
  TZYLFreeWatch(const TZYLFreeWatch&) = delete;
  TZYLFreeWatch& operator=(const TZYLFreeWatch&) = delete;

  vcl::TComponent* Watched() const { return FWatched; }
  // Moves the free notification from the watched component to Value.
  void Watch(vcl::TComponent* Value) {
    if (FWatched) FWatched->RemoveFreeNotification(this);
    FWatched = Value;
    if (FWatched) FWatched->FreeNotification(this);
  }
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override {
    vcl::TComponent::Notification(AComponent, Operation);
    if (Operation == vcl::opRemove && AComponent == FWatched) FWatched = nullptr;
  }

 private:
  vcl::TComponent* FWatched = nullptr;
};

template <class T>
class TZYLOwnedComponent {
 public:
  TZYLOwnedComponent() = default;
  // Takes Component (may be null).
  explicit TZYLOwnedComponent(T* Component) { reset(Component); }
  TZYLOwnedComponent(const TZYLOwnedComponent&) = delete;
  TZYLOwnedComponent& operator=(const TZYLOwnedComponent&) = delete;
  ~TZYLOwnedComponent() { reset(); }

  // The held component; null when none was given or it was freed elsewhere.
  T* get() const noexcept { return FWatch.Watched() ? FComponent : nullptr; }
  T* operator->() const noexcept { return get(); }
  T& operator*() const noexcept { return *get(); }
  operator T*() const noexcept { return get(); }

  // Frees the held component unless it is gone already, then takes Component.
  void reset(T* Component = nullptr) {
    T* old = get();
    if (old == Component) return;
    FWatch.Watch(Component);
    FComponent = Component;
    delete old;
  }

 private:
  TZYLFreeWatch FWatch;
  T* FComponent = nullptr;
};

}  // namespace zyl
