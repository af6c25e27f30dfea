// TZYLSmallBar: the settings of a segmented progress bar: how many segments, their colour,
// the space between them and whether the bar sizes itself to a whole number of segments.
#pragma once

#include <cstdint>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLObject.h"
#include "platform/graphics/Colors.h"

namespace zyl {

class TZYLSmallBar : public TZYLObject {
  ZYL_CLASS(TZYLSmallBar, TZYLObject)
  // The indices of the byte properties.
  enum TByteProp : int { biBarCount, biHSpace, biVSpace };

  TZYLSmallBar() = default;

  // From another small bar: the five settings and one change.
  void Assign(vcl::TPersistent* Source) override;

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  vcl::TColor BarColor() const { return FBarColor; }
  void SetBarColor(vcl::TColor Value);
  // Index: one of TByteProp. A BarCount of 0 is ignored (a bar has segments).
  uint8_t GetByte(int Index) const;
  void SetByte(int Index, uint8_t Value);
  uint8_t BarCount() const { return FBarCount; }
  void SetBarCount(uint8_t Value) { SetByte(biBarCount, Value); }
  uint8_t HSpace() const { return FHSpace; }
  void SetHSpace(uint8_t Value) { SetByte(biHSpace, Value); }
  uint8_t VSpace() const { return FVSpace; }
  void SetVSpace(uint8_t Value) { SetByte(biVSpace, Value); }

  // The length of one segment in an area of Width x Height: the area's length along the
  // direction less the spaces, divided among the segments (truncated; may be 0 or negative
  // when the spaces do not fit).
  int32_t GetBarExtend(TZYLMeterDirection Direction, int32_t Width, int32_t Height) const;

 private:
  bool FAutoSize = true;
  uint8_t FBarCount = 10;
  vcl::TColor FBarColor = 0x800000;
  uint8_t FHSpace = 3;
  uint8_t FVSpace = 3;
};

}  // namespace zyl
