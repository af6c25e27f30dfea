// TPersistent: objects that can be assigned to one another and streamed.
#pragma once

#include <string>

#include "platform/classes/Object.h"

namespace vcl {

class TPersistent : public TObject {
  ZYL_CLASS(TPersistent, TObject)
  TPersistent() = default;

  // Copies Source into this object. The default asks Source to AssignTo this object; when
  // neither side knows the other, EConvertError "Cannot assign a <source> to a <dest>"
  // (source "nil" for null).
  virtual void Assign(TPersistent* Source);
  // The name a designer shows for the object: "Owner.Sub.Name" where there is an owner.
  virtual std::string GetNamePath();
  // The object that owns this one in the name path (none by default).
  virtual TPersistent* GetOwner();
  // Extra stream properties beyond the published ones (see TFiler::DefineProperty).
  virtual void DefineProperties(TFiler* Filer);

 protected:
  virtual void AssignTo(TPersistent* Dest);
  [[noreturn]] void AssignError(TPersistent* Source);
};

// The class of persistent objects a registry entry or a collection creates.
using TPersistentClass = TClass;

}  // namespace vcl
