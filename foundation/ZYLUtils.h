// Number, point and rectangle helpers of the library.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include <string>

#include "foundation/ZYLClass.h"
#include "platform/base/Types.h"

namespace vcl {
class TFont;
}

namespace zyl {

// The smallest and the largest value; 0 for an empty list.
int32_t ZYLMin(std::initializer_list<int32_t> Values);
int32_t ZYLMax(std::initializer_list<int32_t> Values);
int32_t ZYLMin(const std::vector<int32_t>& Values);
int32_t ZYLMax(const std::vector<int32_t>& Values);
// The middle between A and B, rounded toward zero (computed without overflow).
int32_t ZYLMidI(int32_t A, int32_t B);
// Moves the points 0 .. HighIndex by DX and DY; nothing for null points or a negative HighIndex.
void ZYLOffsetPoints(win::TPoint* Points, int HighIndex, int DX, int DY);
// Adds DX to the right edge and DY to the bottom edge.
void ZYLAdjustRect(win::TRect& Rect, int DX, int DY);

// Colour counts of the storage pixel formats, in their order: the device's (-1), 2, 16, 256
// and 65536 colours.
extern const int32_t ZYLPixelFormatColors[5];

// Face tables of multimedia buttons: copy all nine entries; set all to list 0, image 0;
// fill the other states from bsUp and bsDown (bsDisabledUp and bsDefaultEd from bsUp;
// bsOptionSet, bsDropDownOpen and bsDisabledDown from bsDown) and bsDragOver from bsMouseOver
// when Hot, otherwise bsMouseOver and bsDragOver from bsUp.
void ZYLMMCopyFace(TZYLButtonFaceIndex& Dest, const TZYLButtonFaceIndex& Source);
void ZYLMMInitFace(TZYLButtonFaceIndex& Face);
void ZYLMMSynchronize(TZYLButtonFaceIndex& Face, bool Hot);

// A locale string of the thread's locale, by an index into the library's table of locale
// items: 1 ICURRDIGITS, 2 ICURRENCY, 8 INEGCURR, 13 SCURRENCY, 15 SDECIMAL, 20 SMONGROUPING,
// 21 SMONTHOUSANDSEP; any other index asks for locale item 0 (which gives an empty string).
std::string ZYLGetLocalInfo(int Index);
// The indices of ZYLGetLocalInfo's table, by name.
enum TZYLLocalInfoIndex {
  liCurrDigits = 1,
  liCurrencyFormat = 2,
  liNegCurrFormat = 8,
  liCurrencySymbol = 13,
  liDecimal = 15,
  liMonGrouping = 20,
  liMonThousandSep = 21,
};

// The list-file suffix of a container kind ("iml", "bml", "wvl", "sll", "gll", "rtl"), with a
// dot in front when WithDot is set; empty for an unknown kind.
std::string ZYLICGetSuffix(TZYLListItemClassType Kind, bool WithDot);

// A font as text: name, size, colour name, then the bold, italic, underline and strike-out
// flags as 0 or 1, separated by ",". Reading a text that does not have exactly these seven
// fields, or whose size, colour or flags do not read, leaves the font unchanged and answers
// false.
std::string ZYLFontToString(const vcl::TFont* Font);
bool ZYLStringToFont(const std::string& Text, vcl::TFont* Font);

}  // namespace zyl
