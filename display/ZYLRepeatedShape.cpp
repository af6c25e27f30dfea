#include "display/ZYLRepeatedShape.h"

#include <algorithm>

#include "foundation/ZYLCaption.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGradient.h"
#include "foundation/ZYLGraph.h"
#include "platform/base/Numbers.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

namespace zyl {

using vcl::TRect;

ZYL_CLASS_IMPL(TZYLRepeatedShape) {
  using C = TZYLRepeatedShape;
  b.Prop("HorCount", &C::GetInteger, &C::SetInteger)
      .Index(ipHorCount)
      .Default(5)
      .Prop("HorOffset", &C::GetInteger, &C::SetInteger)
      .Index(ipHorOffset)
      .Default(0)
      .Prop("SetPerCount", &C::SetPerCount, &C::SetSetPerCount)
      .Default(true)
      .Prop("ShapeHeight", &C::GetInteger, &C::SetInteger)
      .Index(ipShapeHeight)
      .Default(0)
      .Prop("ShapeWidth", &C::GetInteger, &C::SetInteger)
      .Index(ipShapeWidth)
      .Default(0)
      .Prop("VerCount", &C::GetInteger, &C::SetInteger)
      .Index(ipVerCount)
      .Default(5)
      .Prop("VerOffset", &C::GetInteger, &C::SetInteger)
      .Index(ipVerOffset)
      .Default(0);
}

TZYLRepeatedShape::TZYLRepeatedShape(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetMode(scmShapeFill);
}

int32_t TZYLRepeatedShape::GetInteger(int Index) const {
  switch (Index) {
    case ipShapeWidth: return FShapeWidth;
    case ipShapeHeight: return FShapeHeight;
    case ipHorOffset: return FHorOffset;
    case ipVerOffset: return FVerOffset;
    case ipHorCount: return FHorCount;
    case ipVerCount: return FVerCount;
    default: return 0;
  }
}

void TZYLRepeatedShape::SetInteger(int Index, int32_t Value) {
  int32_t* field = nullptr;
  switch (Index) {
    case ipShapeWidth: field = &FShapeWidth; break;
    case ipShapeHeight: field = &FShapeHeight; break;
    case ipHorOffset: field = &FHorOffset; break;
    case ipVerOffset: field = &FVerOffset; break;
    case ipHorCount: field = &FHorCount; break;
    case ipVerCount: field = &FVerCount; break;
    default: return;
  }
  // Counts divide the control: at least one cell each way; offsets may be negative.
  const bool count = Index == ipHorCount || Index == ipVerCount;
  const bool offset = Index == ipHorOffset || Index == ipVerOffset;
  Value = std::clamp<int32_t>(Value, count ? 1 : offset ? -MaxExtent : 0, MaxExtent);
  if (*field == Value) return;
  *field = Value;
  GetChange(this);
}

void TZYLRepeatedShape::SetSetPerCount(bool Value) {
  if (FSetPerCount == Value) return;
  FSetPerCount = Value;
  GetChange(this);
}

namespace {

// (Extent - (Count - 1) * Offset) / Count, the size of one of Count cells with gaps.
double CellShare(int32_t Extent, int32_t Count, int32_t Offset) {
  return (static_cast<double>(Extent) - static_cast<double>(Count - 1) * Offset) / Count;
}

int32_t NonNegative(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, 0, INT32_MAX)); }

}  // namespace

TRect TZYLRepeatedShape::GetGradientRect() {
  if (FSetPerCount) {
    FShapeWidth = NonNegative(vcl::Round(CellShare(Width(), FHorCount, FHorOffset)));
    FShapeHeight = NonNegative(vcl::Round(CellShare(Height(), FVerCount, FVerOffset)));
  }
  return TRect{0, 0, FShapeWidth, FShapeHeight};
}

TZYLRepeatedShape::TGrid TZYLRepeatedShape::PaintGrid() const {
  TGrid g;
  if (FSetPerCount) {
    g.CellWidth = NonNegative(vcl::Trunc(CellShare(Width(), FHorCount, FHorOffset)));
    g.CellHeight = NonNegative(vcl::Trunc(CellShare(Height(), FVerCount, FVerOffset)));
    g.Columns = FHorCount;
    g.Rows = FVerCount;
  } else {
    g.CellWidth = FShapeWidth;
    g.CellHeight = FShapeHeight;
    // Without a positive cell size there is nothing to repeat.
    if (g.CellWidth > 0 && g.CellHeight > 0) {
      g.Columns = Width() / g.CellWidth;
      g.Rows = Height() / g.CellHeight;
      if (!FTransparent) {
        ++g.Columns;
        ++g.Rows;
      }
    }
  }
  return g;
}

win::HPALETTE TZYLRepeatedShape::GetPalette() { return FShapeFill->GetPalette(); }

void TZYLRepeatedShape::Paint() {
  if (PaintSuppressed()) return;
  vcl::TCanvas* canvas = Canvas();
  const TRect client{0, 0, Width(), Height()};
  if (FOutlineStale) {
    GetShapeChange();
    FOutlineStale = false;
  }
  if (!FFillBitmap) FFillBitmap.reset(new vcl::TBitmap());
  if (FFillBitmap->Empty()) OffscreenPaint();
  if (!FTransparent) FillBack(canvas, client);

  const TGrid grid = PaintGrid();
  if (FSetPerCount) {
    FShapeWidth = grid.CellWidth;
    FShapeHeight = grid.CellHeight;
  }
  const TZYLFillStyle style = FShapeFill->Style();
  const bool usesFillBitmap = style == sfBitmap || style == sfBitmapList || style == sfGradient;
  const int32_t sw = grid.CellWidth, sh = grid.CellHeight;
  if (sw > 0 && sh > 0 && client.Width() > 0 && client.Height() > 0) {
    // Overlapping cells (negative offsets) step on by at least one pixel.
    const int64_t pitchX = std::max<int64_t>(1, int64_t(sw) + FHorOffset);
    const int64_t pitchY = std::max<int64_t>(1, int64_t(sh) + FVerOffset);
    // A cell larger than the control shows only its top-left part, so the bitmap is cut there.
    const int cw = static_cast<int>(std::min<int64_t>(FTransparent ? pitchX : sw, client.Width()));
    const int ch = static_cast<int>(std::min<int64_t>(FTransparent ? pitchY : sh, client.Height()));
    vcl::TBitmap cell;
    cell.SetSize(cw, ch);
    vcl::TCanvas* cc = cell.Canvas();
    cc->Brush()->SetStyle(vcl::bsSolid);
    cc->Brush()->SetColor(Color());
    cc->FillRect(TRect{0, 0, cw, ch});

    vcl::TBrush temp;
    vcl::TBrush* brush = FBrush;
    vcl::TBitmap* fill = nullptr;
    switch (style) {
      case sfNone:
        temp.SetStyle(vcl::bsClear);
        brush = &temp;
        break;
      case sfBrushBitmap: {
        vcl::TBitmap* pattern = FShapeFill->GetBitmap();
        if (pattern && !pattern->Empty())
          temp.SetBitmap(pattern);
        else
          temp.SetStyle(vcl::bsClear);
        brush = &temp;
        break;
      }
      case sfBrush: break;
      default: fill = FFillBitmap.get(); break;
    }
    ZYLShapeDraw(TRect{0, 0, sw, sh}, cc, FShape, nullptr, nullptr, FSquare, brush,
                 static_cast<int8_t>(FRoundPercent), FBevel, FShadow, fill, Color(),
                 FBrushBackColor, 0);
    if (style == sfGradient) FShapeFill->Gradient()->SetRealPalette(canvas);

    if (!FTransparent) {
      // Overlapping cells: the next cell covers all of one but its first pitch pixels, so only
      // that part is copied (the last column and row whole): the same picture at a cost bounded
      // by the control's area.
      for (int32_t row = 0; row < grid.Rows; ++row) {
        const int64_t y = pitchY * row;
        if (y >= client.Height()) break;
        const bool lastRow = row + 1 == grid.Rows || y + pitchY >= client.Height();
        const int h = !lastRow && pitchY < ch ? static_cast<int>(pitchY) : ch;
        for (int32_t col = 0; col < grid.Columns; ++col) {
          const int64_t x = pitchX * col;
          if (x >= client.Width()) break;
          const bool lastCol = col + 1 == grid.Columns || x + pitchX >= client.Width();
          const int w = !lastCol && pitchX < cw ? static_cast<int>(pitchX) : cw;
          const int cx = static_cast<int>(x), cy = static_cast<int>(y);
          if (w == cw && h == ch)
            canvas->Draw(cx, cy, &cell);
          else
            canvas->CopyRect(TRect{cx, cy, cx + w, cy + h}, cc, TRect{0, 0, w, h});
        }
      }
    } else {
      TRect extent = client;
      if (FSetPerCount) {
        // Exactly the HorCount x VerCount cells the opaque drawing shows.
        extent.Right = static_cast<int>(std::min<int64_t>(pitchX * grid.Columns, client.Width()));
        extent.Bottom = static_cast<int>(std::min<int64_t>(pitchY * grid.Rows, client.Height()));
      }
      // Small cells are first tiled into a block of whole cells, which keeps the number of
      // tiles over a large control bounded (the period stays the cell's).
      vcl::TBitmap* tile = &cell;
      vcl::TBitmap block;
      constexpr int kMinTile = 256;
      if ((cw < kMinTile || ch < kMinTile) && extent.Right > 0 && extent.Bottom > 0) {
        block.SetSize(std::min(cw * ((kMinTile + cw - 1) / cw), extent.Right),
                      std::min(ch * ((kMinTile + ch - 1) / ch), extent.Bottom));
        ZYLBmpDraw(block.Canvas(), TRect{0, 0, block.Width(), block.Height()}, &cell, dsfTile,
                   vcl::clNone);
        tile = &block;
      }
      ZYLBmpDraw(canvas, extent, tile, dsfTile | dsfTransparent, vcl::ColorToRGB(Color()));
    }
  }
  // A clipped caption lives in the fill bitmap of the styles that draw it into every cell.
  if (!FCaptionClip || !usesFillBitmap) DrawCaption(canvas, client);
}

}  // namespace zyl
