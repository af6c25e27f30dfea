#include "platform/controls/SizeConstraints.h"

#include <string>

#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl {

using namespace win;
using namespace controls_internal;

void TSizeConstraints::SetConstraints(int Index, int32_t Value) {
  if (Value < 0) throw ERangeError(Format(SSizeConstraintRange, {Value}));
  switch (Index) {
    case ciMaxHeight:
      if (Value == maxHeight_) return;
      maxHeight_ = Value;
      if (Value > 0 && Value < minHeight_) minHeight_ = Value;
      break;
    case ciMaxWidth:
      if (Value == maxWidth_) return;
      maxWidth_ = Value;
      if (Value > 0 && Value < minWidth_) minWidth_ = Value;
      break;
    case ciMinHeight:
      if (Value == minHeight_) return;
      minHeight_ = Value;
      if (maxHeight_ > 0 && Value > maxHeight_) maxHeight_ = Value;
      break;
    case ciMinWidth:
      if (Value == minWidth_) return;
      minWidth_ = Value;
      if (maxWidth_ > 0 && Value > maxWidth_) maxWidth_ = Value;
      break;
    default: throw ERangeError(Format(SSizeConstraintIndex, {Index}));
  }
  Change();
}

void TSizeConstraints::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TSizeConstraints*>(Source);
  if (!src) {
    inherited::Assign(Source);
    return;
  }
  minHeight_ = src->minHeight_;
  maxHeight_ = src->maxHeight_;
  minWidth_ = src->minWidth_;
  maxWidth_ = src->maxWidth_;
  Change();
}

void TSizeConstraints::Change() {
  if (OnChange) OnChange(this);
}

ZYL_CLASS_IMPL(TSizeConstraints) {
  using C = TSizeConstraints;
  b.Prop("MaxHeight", &C::MaxHeight, &C::SetConstraints)
      .Index(C::ciMaxHeight)
      .Default(0)
      .Prop("MaxWidth", &C::MaxWidth, &C::SetConstraints)
      .Index(C::ciMaxWidth)
      .Default(0)
      .Prop("MinHeight", &C::MinHeight, &C::SetConstraints)
      .Index(C::ciMinHeight)
      .Default(0)
      .Prop("MinWidth", &C::MinWidth, &C::SetConstraints)
      .Index(C::ciMinWidth)
      .Default(0);
}

}  // namespace vcl
