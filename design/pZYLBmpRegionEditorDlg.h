// The region builder behind the region-from-bitmap editor: a window region covering every pixel
// of a bitmap whose colour is not one of the transparent colours, and the borders painted along
// such a region's edge.
#pragma once

#include <functional>
#include <vector>

#include "platform/base/Types.h"
#include "platform/graphics/Colors.h"

namespace vcl {
class TBitmap;
}

namespace zyl {

// Called after each row (region) with the share of the work done, 0..100.
using TZYLBuildProgress = std::function<void(int Percent)>;

// Border styles of PaintRGNBorder2 and PaintRGNBorder3.
enum TZYLRegionBorderStyle : int {
  rbsNone,
  rbsSingle,
  rbsRaised,
  rbsLowered,
  rbsSingleRaised,
  rbsSingleLowered
};

// Sets the bitmap to 24 bits per pixel and returns a region (the caller deletes it) made of one
// rectangle per run of opaque pixels in each row, built in one step. Any number of colours may
// be transparent. Returns no region (nullptr) for an empty bitmap or when every pixel is
// transparent.
win::HRGN CreateRgnFromBitmap2(vcl::TBitmap* Bitmap, const std::vector<vcl::TColor>& Colors,
                               const TZYLBuildProgress& Progress = {});

// Paints a border of the style along the region's edge into the bitmap: through its canvas
// (2), or into its scan lines after setting it to 24 bits per pixel (3). Pixels that fall
// outside the bitmap are skipped; no region or style None paints nothing.
void PaintRGNBorder2(vcl::TBitmap* Bitmap, win::HRGN Region, int Style);
void PaintRGNBorder3(vcl::TBitmap* Bitmap, win::HRGN Region, int Style);

}  // namespace zyl
