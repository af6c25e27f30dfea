#include "display/ZYLSmallBar.h"

#include "platform/base/Numbers.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLSmallBar) {
  using C = TZYLSmallBar;
  b.Prop("AutoSize", &C::AutoSize, &C::SetAutoSize)
      .Default(true)
      .Prop("BarCount", &C::GetByte, &C::SetByte)
      .Index(biBarCount)
      .Default(10)
      .Prop("BarColor", &C::BarColor, &C::SetBarColor, vcl::ColorTypeInfo())
      .Default(0x800000)
      .Prop("HSpace", &C::GetByte, &C::SetByte)
      .Index(biHSpace)
      .Default(3)
      .Prop("VSpace", &C::GetByte, &C::SetByte)
      .Index(biVSpace)
      .Default(3);
}

void TZYLSmallBar::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLSmallBar*>(Source)) {
    FAutoSize = s->FAutoSize;
    FBarCount = s->FBarCount;
    FBarColor = s->FBarColor;
    FHSpace = s->FHSpace;
    FVSpace = s->FVSpace;
    Change();
    return;
  }
  inherited::Assign(Source);
}

void TZYLSmallBar::SetAutoSize(bool Value) {
  if (ZYLStoreValue(FAutoSize, Value)) Change();
}

void TZYLSmallBar::SetBarColor(vcl::TColor Value) {
  if (ZYLStoreValue(FBarColor, Value)) Change();
}

uint8_t TZYLSmallBar::GetByte(int Index) const {
  switch (Index) {
    case biBarCount: return FBarCount;
    case biHSpace: return FHSpace;
    default: return FVSpace;  // biVSpace
  }
}

void TZYLSmallBar::SetByte(int Index, uint8_t Value) {
  bool changed = false;
  switch (Index) {
    case biBarCount:
      // Segment lengths and the segment Delta divide by the count.
      if (Value == 0) return;
      changed = ZYLStoreValue(FBarCount, Value);
      break;
    case biHSpace: changed = ZYLStoreValue(FHSpace, Value); break;
    case biVSpace: changed = ZYLStoreValue(FVSpace, Value); break;
    default: return;
  }
  if (changed) Change();
}

int32_t TZYLSmallBar::GetBarExtend(TZYLMeterDirection Direction, int32_t Width,
                                   int32_t Height) const {
  const bool vertical = Direction == mdVertical || Direction == mdVerticalReverse;
  const double length = vertical ? Height - FBarCount * FVSpace : Width - FBarCount * FHSpace;
  return static_cast<int32_t>(vcl::Trunc(length / FBarCount));
}

}  // namespace zyl
