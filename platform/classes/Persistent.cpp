#include "platform/classes/Persistent.h"

#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl {

ZYL_CLASS_IMPL(TPersistent) {}

void TPersistent::Assign(TPersistent* Source) {
  if (Source) Source->AssignTo(this);
  else AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest) { Dest->AssignError(this); }

void TPersistent::AssignError(TPersistent* Source) {
  const std::string source = Source ? Source->ClassName() : std::string("nil");
  throw EConvertError(Format(SAssignError, {source, ClassName()}));
}

std::string TPersistent::GetNamePath() {
  std::string s = ClassName();
  if (TPersistent* owner = GetOwner()) {
    std::string ownerPath = owner->GetNamePath();
    if (!ownerPath.empty()) s = ownerPath + "." + s;
  }
  return s;
}

TPersistent* TPersistent::GetOwner() { return nullptr; }

void TPersistent::DefineProperties(TFiler*) {}

}  // namespace vcl
