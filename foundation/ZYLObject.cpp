#include "foundation/ZYLObject.h"

#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLObject) {}

void TZYLObject::Change() {
  if (!FUpdate && FOnChange) FOnChange(this);
}

void TZYLObject::GetChange(vcl::TObject* /*Sender*/) { Change(); }

void TZYLObject::EndUpdate(bool DoChange) {
  FUpdate = false;
  if (DoChange) Change();
}

std::string TZYLObject::GetSetStr() { return "{}"; }

}  // namespace zyl
