// Painting on a window's whole area, its non-client frame included.
#pragma once

#include <functional>

#include "platform/base/Types.h"

namespace vcl {
class TCanvas;
class TWinControl;
}  // namespace vcl

namespace zyl {

// Calls Paint with a canvas on Control's window DC and the window's whole rectangle (origin 0,
// 0). Nothing happens while Control has no handle or no DC is to be had.
void ZYLPaintWindowFrame(
    vcl::TWinControl* Control,
    const std::function<void(vcl::TCanvas* Canvas, const vcl::TRect& Whole)>& Paint);

}  // namespace zyl
