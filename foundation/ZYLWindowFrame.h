// Painting on a window's whole area, its non-client frame included.
#pragma once

#include <functional>

#include "platform/base/Types.h"

namespace vcl {
struct TMessage;
class TCanvas;
class TWinControl;
}  // namespace vcl

namespace zyl {

// Calls Paint with a canvas on Control's window DC and the window's whole rectangle (origin 0,
// 0). Nothing happens while Control has no handle or no DC is to be had. Given `DC` (a picture
// of the window taken into it, origin at the window's corner), Paint draws into that DC, whose
// state is given back as it came.
void ZYLPaintWindowFrame(
    vcl::TWinControl* Control,
    const std::function<void(vcl::TCanvas* Canvas, const vcl::TRect& Whole)>& Paint,
    win::HDC DC = nullptr);

// Whether a WM_PRINT message asks for the window's frame; its DC then is the message's WParam.
bool ZYLPrintsFrame(const vcl::TMessage& Message);

}  // namespace zyl
