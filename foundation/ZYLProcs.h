// Text drawing and measuring routines of the library: text with the 3D effects of a
// TZYL3DCaption (depth layers, outline, extrusion, character spacing, disabled looks) or
// rotated by the angle of a TZYLFxCaption, the matching measuring routines, and text laid out
// together with a glyph.
//
// What the measuring routines return is exactly the area the drawing routine inks: the text's
// DrawText rectangle grown by the 3D layers' offsets on the sides they reach (plus twice the
// Extent margin), or for a rotated caption the bounds of the turned text.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/ZYLClass.h"
#include "platform/base/Types.h"
#include "platform/graphics/Colors.h"

namespace vcl {
class TCanvas;
class TBitmap;
class TFont;
}  // namespace vcl

namespace zyl {

class TZYL3DCaption;
class TZYLGlyphTextLayout;

// How far the 3D layers of Font3D reach beyond the plain text on each side (all 0 for nil or
// tdNone; a rotated caption has none).
struct TZYL3DExtent {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};
TZYL3DExtent ZYLGet3DExtent(TZYL3DCaption* Font3D);

// Draws Text into Rect with the DrawText Flags and the effects of Font3D (nil: plain text), in
// the canvas's font. dtEnabled or dtDisabled choose the normal or the disabled look (with
// Font3D's DisabledStyle; dt3DDisabled forces the 3D disabled look); dtCalculate draws
// nothing. With dtClip the drawing is clipped to *ClipRect (device coordinates) when given,
// otherwise to Rect. The 3D layers are laid out inside Rect: the text itself stands in Rect
// less the layers' reach.
void ZYLDrawTextExt(vcl::TCanvas* Canvas, const std::string& Text, TZYL3DCaption* Font3D,
                    const win::TRect& Rect, int32_t Flags, TZYLDrawTextStyles Styles,
                    const win::TRect* ClipRect = nullptr);
// The short form: enabled text.
void ZYLDrawText(vcl::TCanvas* Canvas, const std::string& Text, TZYL3DCaption* Font3D,
                 const win::TRect& Rect, int32_t Flags);

// Measures Text with Font (nil: the canvas's font, which otherwise takes Font) and Font3D on
// Canvas: DrawText with DT_CALCRECT | DT_EXPANDTABS | Flags, DT_WORDBREAK when MultiLine,
// DT_NOPREFIX unless ShowAccelChar, Font3D's tracing as character extra. Rect comes in with
// the wrap width as its width and goes out as the rectangle the text needs from Rect's top-left
// corner: the text, the 3D reach and Extent on each side.
void ZYLDrawTextCalcExt(vcl::TCanvas* Canvas, const std::string& Text, TZYL3DCaption* Font3D,
                        win::TRect& Rect, vcl::TFont* Font, bool MultiLine, bool ShowAccelChar,
                        int Extent, int32_t Flags);
// The same on a temporary canvas.
void ZYLDrawTextCalc(const std::string& Text, TZYL3DCaption* Font3D, win::TRect& Rect,
                     vcl::TFont* Font, bool MultiLine, bool ShowAccelChar, int Extent,
                     int32_t Flags);
// Measures Text (Extent 0) in Rect less one pixel on the right and places the result in Rect
// by Alignment.
win::TRect ZYLAlignTextRect(TZYLAlignment Alignment, const std::string& Text,
                            TZYL3DCaption* Font3D, const win::TRect& Rect, vcl::TFont* Font,
                            bool MultiLine, bool ShowAccelChar, int32_t Flags);

// The width of Text (one line) and the height of one line with Font3D and Font, the 3D reach
// and the character spacing included.
int ZYLGet3DTextWidth(const std::string& Text, TZYL3DCaption* Font3D, vcl::TFont* Font);
int ZYLGet3DTextHeight(TZYL3DCaption* Font3D, vcl::TFont* Font);
// The pixel height of the font's text cell.
int ZYLGetFontHeight(vcl::TFont* Font);
// Whether the canvas's current font is a TrueType font.
bool ZYLIsTrueTypeFontCheck(vcl::TCanvas* Canvas);

// The layout of a glyph and a text together: the placed glyph and text rectangles.
struct TZYLTextGlyphRects {
  win::TRect Glyph;  // empty without a glyph
  win::TRect Text;   // empty without a text
};
// The placement ZYLDrawTextAndGlyphExt uses: glyph and text side by side (taLeft, taRight:
// text left or right of the glyph, centred vertically; taLeftTop, taRightTop: tops aligned) or
// stacked (taTop, taBottom: text above or below, centred horizontally; taTopLeft,
// taBottomLeft: left edges aligned), Spacing between them, the block placed in Rect by
// Alignment and moved by OffsetX and OffsetY. Side by side, the text wraps (MultiLine) in
// the width the glyph leaves.
TZYLTextGlyphRects ZYLCalcTextAndGlyph(vcl::TCanvas* Canvas, const std::string& Text,
                                       TZYL3DCaption* Font3D, const win::TRect& Rect,
                                       int GlyphWidth, int GlyphHeight, TZYLAlignment Alignment,
                                       TZYLTextArrange Arrange, int OffsetX, int OffsetY,
                                       int Spacing, bool MultiLine, bool ShowAccelChar,
                                       int32_t Flags);
// Draws the glyph cut from GlyphRect of GlyphCanvas (TransparentColor see-through when
// Transparent) and Text in Rect, laid out by Layout (nil: the layout defaults). Without a
// glyph canvas or with an empty GlyphRect the text is drawn alone. SecondCanvas is not used.
// With dtCalculate nothing is drawn and GlyphRect receives the glyph's placed rectangle;
// with dtRectClip the text's rectangle is cut to Rect and the text clipped to it.
void ZYLDrawTextAndGlyphExt(vcl::TCanvas* Canvas, const std::string& Text, TZYL3DCaption* Font3D,
                            const win::TRect& Rect, vcl::TCanvas* GlyphCanvas,
                            win::TRect& GlyphRect, vcl::TCanvas* SecondCanvas,
                            vcl::TColor TransparentColor, TZYLGlyphTextLayout* Layout,
                            bool MultiLine, bool ShowAccelChar, bool Transparent,
                            TZYLDrawTextStyles Styles, int32_t Flags);
// The same with a whole bitmap as glyph (its canvas, full rectangle and TransparentColor); a
// nil or empty bitmap gives the text alone.
void ZYLDrawTextAndGlyph(vcl::TCanvas* Canvas, const std::string& Text, TZYL3DCaption* Font3D,
                         const win::TRect& Rect, vcl::TBitmap* Glyph, vcl::TBitmap* SecondGlyph,
                         TZYLGlyphTextLayout* Layout, bool MultiLine, bool ShowAccelChar,
                         bool Transparent, TZYLDrawTextStyles Styles, int32_t Flags);

}  // namespace zyl
