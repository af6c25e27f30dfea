// TZYLObject: the root of the library's settings and paint objects. A setter of a descendant
// compares, stores a changed value and calls Change, which fires OnChange (with the object as
// Sender) unless an update is in progress. Owners hold the object in a TZYLOwned
// (foundation/ZYLOwned.h), which points OnChange at their handler and clears it before
// freeing the object.
#pragma once

#include <string>

#include "platform/classes/Events.h"
#include "platform/classes/Persistent.h"

namespace zyl {

class TZYLObject : public vcl::TPersistent {
  ZYL_CLASS(TZYLObject, vcl::TPersistent)
  TZYLObject() = default;

  const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
  void SetOnChange(const vcl::TNotifyEvent& Value) { FOnChange = Value; }
  // The update flag: a Boolean, not a counter.
  bool Updating() const { return FUpdate; }

  // Fires OnChange with the object as Sender unless the update flag is set.
  virtual void Change();
  // The handler that owned sub-objects point their OnChange at; runs Change.
  virtual void GetChange(vcl::TObject* Sender);
  void BeginUpdate() { FUpdate = true; }
  // Clears the update flag and, when DoChange is true, calls Change.
  void EndUpdate(bool DoChange);
  // The short summary in braces that the designers show; "{}" for an object that has none.
  virtual std::string GetSetStr();

 protected:
  vcl::TNotifyEvent FOnChange;
  bool FUpdate = false;
};

// Helpers of the settings objects' setters and summaries.
// Stores Value into Field; true when the value changed (the setter then signals).
template <class T>
bool ZYLStoreValue(T& Field, T Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}
// The name of an enumeration value as the type information gives it ("bvLowered").
template <class E>
std::string ZYLEnumName(E Value) {
  return vcl::GetEnumName(vcl::TypeInfoOf<E>(), Value);
}

}  // namespace zyl
