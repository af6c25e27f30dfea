// Drawing helpers shared by the common controls and the buttons: measuring text in a font
// without a window, captions in the enabled and the embossed disabled look, and the small
// arrow glyphs of spin and scroll buttons.
#pragma once

#include <string>

#include "platform/graphics/Canvas.h"

namespace vcl {

// The extent of Text in Font (its height for an empty text), measured on a memory DC.
TSize MeasureText(TFont* Font, const std::string& Text);

// The rectangle Text takes in Font from Rect's top-left (within Rect's width where Flags break
// words): DrawText with DT_CALCRECT and Flags, on a memory DC.
TRect MeasureCaption(TFont* Font, const std::string& Text, TRect Rect, unsigned Flags);

// Draws Text in Rect with DrawText Flags in the canvas's font, transparently; a disabled
// caption is embossed (highlight one pixel down-right, shadow on top).
void DrawCaption(TCanvas* Canvas, const std::string& Text, TRect Rect, unsigned Flags,
                 bool Enabled);

ZYL_ENUM(TArrowDirection, adUp, adDown, adLeft, adRight)
// A filled triangle pointing in Direction, centred in Rect, Size pixels along its base's
// half (a base of 2 * Size - 1 pixels).
void DrawArrow(TCanvas* Canvas, const TRect& Rect, TArrowDirection Direction, int Size,
               TColor Color);

}  // namespace vcl
