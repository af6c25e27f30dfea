// A component written to a form stream and read back into a new component of its class, as a
// form file keeps it: the user's path for values set in the designer.
#pragma once

#include <memory>
#include <string>

#include "platform/classes/Component.h"
#include "platform/classes/Object.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"

namespace testsupport {

// The bytes a component writes.
inline std::string StreamBytes(vcl::TComponent* c) {
  vcl::TMemoryStream stream;
  stream.WriteComponent(c);
  return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

// A new T without owner read from what `c` writes.
template <class T>
std::unique_ptr<T> StreamCopy(T* c) {
  vcl::TMemoryStream stream;
  stream.WriteComponent(c);
  stream.SetPosition(0);
  auto copy = std::make_unique<T>(nullptr);
  stream.ReadComponent(copy.get());
  return copy;
}

// A new component of c's class without owner read from what `c` writes.
inline std::unique_ptr<vcl::TComponent> StreamCopyOf(vcl::TComponent* c) {
  vcl::TMemoryStream stream;
  stream.WriteComponent(c);
  stream.SetPosition(0);
  std::unique_ptr<vcl::TComponent> copy(c->ClassType()->Create(nullptr));
  stream.ReadComponent(copy.get());
  return copy;
}

// The text property `Name` of `c` emptied, then `c` written to a form stream and read back: the
// text the copy holds.
inline std::string EmptiedTextReadBack(vcl::TComponent* c, const std::string& Name) {
  vcl::SetStrProp(c, Name, "");
  return vcl::GetStrProp(StreamCopyOf(c).get(), Name);
}

}  // namespace testsupport
