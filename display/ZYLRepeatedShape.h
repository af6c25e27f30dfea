// TZYLRepeatedShape: the shape of TZYLBaseShape drawn as a grid of equal cells, either
// HorCount x VerCount cells dividing the control (SetPerCount) or cells of ShapeWidth x
// ShapeHeight repeated over the control, with HorOffset / VerOffset gaps between them. One cell
// is drawn into a bitmap, then copied (opaque) or tiled (transparent).
#pragma once

#include <cstdint>

#include "display/ZYLBaseShape.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLRepeatedShape : public TZYLBaseShape {
  ZYL_CLASS(TZYLRepeatedShape, TZYLBaseShape)
  explicit TZYLRepeatedShape(vcl::TComponent* AOwner);

  // Sizes are limited to 0 .. MaxExtent, counts to 1 .. MaxExtent and offsets to -MaxExtent ..
  // MaxExtent: a negative offset lets the cells overlap.
  static constexpr int32_t MaxExtent = 32767;

  // The indices of the integer properties.
  enum TIntegerProp : int { ipShapeWidth, ipShapeHeight, ipHorOffset, ipVerOffset, ipHorCount, ipVerCount };
  int32_t GetInteger(int Index) const;
  void SetInteger(int Index, int32_t Value);
  int32_t ShapeWidth() const { return FShapeWidth; }
  int32_t ShapeHeight() const { return FShapeHeight; }
  int32_t HorOffset() const { return FHorOffset; }
  int32_t VerOffset() const { return FVerOffset; }
  int32_t HorCount() const { return FHorCount; }
  int32_t VerCount() const { return FVerCount; }
  bool SetPerCount() const { return FSetPerCount; }
  void SetSetPerCount(bool Value);

  // The grid a paint uses: the cell size and the columns and rows drawn when opaque.
  struct TGrid {
    int32_t CellWidth = 0;
    int32_t CellHeight = 0;
    int32_t Columns = 0;
    int32_t Rows = 0;
  };
  TGrid PaintGrid() const;

  win::HPALETTE GetPalette() override;

 protected:
  void Paint() override;
  // One cell: with SetPerCount the cell size is first computed (rounded) into ShapeWidth
  // and ShapeHeight.
  vcl::TRect GetGradientRect() override;

 private:
  int32_t FShapeWidth = 0;
  int32_t FShapeHeight = 0;
  int32_t FHorOffset = 0;
  int32_t FVerOffset = 0;
  int32_t FHorCount = 5;
  int32_t FVerCount = 5;
  bool FSetPerCount = true;
};

inline constexpr vcl::TUnitEntry ZYLRepeatedShapeUnit =
    vcl::ClassesUnit<TZYLRepeatedShape>("ZYLRepeatedShape");

}  // namespace zyl
