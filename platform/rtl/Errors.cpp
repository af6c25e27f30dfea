#include "platform/rtl/Errors.h"

#include "platform/base/Exceptions.h"
#include "platform/rtl/Consts.h"

namespace vcl {

void Abort() { throw EAbort(SOperationAborted); }

}  // namespace vcl
