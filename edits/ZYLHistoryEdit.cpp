#include "edits/ZYLHistoryEdit.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLHistoryEdit) {}

}  // namespace zyl
