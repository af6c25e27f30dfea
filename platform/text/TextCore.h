// Shared internals of the text functions: the realised font of a device context, widths
// with character extra, and the painter of one run of text.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/GdiInternal.h"
#include "platform/text/FontEngine.h"

namespace win::textcore {

// The request a logical font makes.
fontengine::TFontRequest RequestOf(const LOGFONTA& lf);

// The realised font selected into a DC (the default font when none is selected). The caller
// holds fontengine::Lock().
fontengine::TRealizedFont& FontOf(gdi::DCObj& dc);

// A coordinate or length limited to +-2^30 (sums of such values cannot overflow).
int32_t Clamped(int64_t v);

// Logical to surface coordinates, clamped like Clamped.
int32_t SurfaceX(const gdi::DCObj& dc, int64_t x);
int32_t SurfaceY(const gdi::DCObj& dc, int64_t y);
TRect SurfaceRect(const gdi::DCObj& dc, const TRect& r);

// Copies realised metrics into a record of the TEXTMETRIC shape (TEXTMETRICA, NEWTEXTMETRICA).
template <class TM>
void FillTextMetric(TM& t, const fontengine::TFontMetrics& m) {
  t.tmHeight = m.Height;
  t.tmAscent = m.Ascent;
  t.tmDescent = m.Descent;
  t.tmInternalLeading = m.InternalLeading;
  t.tmExternalLeading = m.ExternalLeading;
  t.tmAveCharWidth = m.AveCharWidth;
  t.tmMaxCharWidth = m.MaxCharWidth;
  t.tmWeight = m.Weight;
  t.tmOverhang = m.Overhang;
  t.tmDigitizedAspectX = m.DigitizedAspectX;
  t.tmDigitizedAspectY = m.DigitizedAspectY;
  t.tmFirstChar = m.FirstChar;
  t.tmLastChar = m.LastChar;
  t.tmDefaultChar = m.DefaultChar;
  t.tmBreakChar = m.BreakChar;
  t.tmItalic = m.Italic;
  t.tmUnderlined = m.Underlined;
  t.tmStruckOut = m.StruckOut;
  t.tmPitchAndFamily = m.PitchAndFamily;
  t.tmCharSet = m.CharSet;
}

// Advance of every character plus the character extra.
int32_t RunWidth(fontengine::TRealizedFont& font, const char* text, int count, int charExtra);

// What one run of text paints.
struct TRunPaint {
  const char* Text = nullptr;
  int Count = 0;
  // Distances to the next character's origin (null: advance + character extra).
  const int* Dx = nullptr;
  int CharExtra = 0;
  // Start of the baseline (left end for unrotated text) in surface coordinates.
  int BaselineX = 0;
  int BaselineY = 0;
  // Optional extra clip in surface coordinates (besides the DC's clip).
  const TRect* Clip = nullptr;
  // Fill the text cell with BkColor first.
  bool Opaque = false;
  COLORREF TextColor = 0;
  COLORREF BkColor = 0xFFFFFF;
  // Characters not drawn (the tab stops of DrawText): their cell stays, no glyph.
  bool SkipTabs = false;
  // Paint only this character's underline (prefix accelerators), index into Text; -1: none.
  int PrefixIndex = -1;
  bool PrefixOnly = false;  // draw the prefix underline but no glyphs
};

// Paints a run through the DC's clip (the caller holds a gdi::DrawScope and the engine lock).
// Returns the run's total advance.
int PaintRun(gdi::DCObj& dc, fontengine::TRealizedFont& font, const TRunPaint& run);

// Intersection of two rectangles (empty when they do not meet).
TRect Intersect(const TRect& a, const TRect& b);

}  // namespace win::textcore
