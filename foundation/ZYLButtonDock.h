// ZYLButtonDock: the routines the button base and the dock components share: reading a
// button style from a form stream (with the retired style names) and the dock checks.
#pragma once

#include "foundation/ZYLClass.h"

namespace vcl {
class TBitmap;
class TComponent;
class TControl;
class TReader;
}  // namespace vcl

namespace zyl {

// The width and height of one cell of the built-in glyph strip (the bitmap resource
// "ZYLBMPGLYPH", cell 0 holding gkEllipsis).
constexpr int ZYLGlyphCellWidth = 13;
constexpr int ZYLGlyphCellHeight = 14;

// Fills Bitmap with the built-in glyph of Kind: the strip's cell Kind - 1, 13 pixels wide.
// Nothing for a null bitmap or gkCustom. EResNotFound when the strip is not registered; an
// Exception when the strip has no such cell.
void ZYLGetGlyphKind(vcl::TBitmap* Bitmap, TZYLGlyphKind Kind);

// The built-in strip: eight cells, gkEllipsis to gkFont, a 16-colour bitmap whose background
// (the bottom-left pixel of every cell, magenta) is the transparent colour. It is registered at
// start-up; ZYLRegisterGlyphStrip registers it again (after a test replaced it, say).
void ZYLRegisterGlyphStrip();
// The number of cells of the built-in strip.
int ZYLGlyphStripCells();
// The colour (a TColor) of the built-in strip at X, Y; -1 outside the strip.
int32_t ZYLGlyphStripPixel(int X, int Y);

// Reads a button-style identifier. The retired names "ubsWinXP", "ubsWinXPCombo" and
// "ubsWinXPTool" give ubsWin40, ubsCombo and ubsExplorer and set CtlXP; other names must be
// values of TZYLUserButtonStyle (EReadError otherwise; CtlXP is then left alone).
void ZYLButtonReadExtStyle(vcl::TReader* Reader, TZYLUserButtonStyle& Style, bool& CtlXP);

// Raises the error that a dock label or dock button is already attached to Control.
[[noreturn]] void ZYLRaiseDockError(vcl::TComponent* Attached, vcl::TComponent* Control);

// Asks Control with CM_ZYLDOCKQUERY which dock component is attached to it; null for none
// (and for a null control). A dock component answers the query with itself.
vcl::TComponent* ZYLDockQuery(vcl::TControl* Control);
// The answer a dock component gives to CM_ZYLDOCKQUERY.
intptr_t ZYLDockQueryAnswer(vcl::TComponent* Dock);

}  // namespace zyl
