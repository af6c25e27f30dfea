// Letter-by-letter text layouts along outlines (wave, arches, arrow, speaker, stairs ...):
// CalcPosAndSize places one letter, SpecialTextOut draws a text, CalcSize measures the
// rectangle SpecialTextOut needs. Every letter is drawn with a font of its own that differs
// from the base font only in its size (for the size-changing outlines) and its escapement.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/ZYLClass.h"
#include "platform/base/Sets.h"
#include "platform/base/Types.h"

namespace vcl {
class TCanvas;
class TFont;
}  // namespace vcl
namespace win {
struct LOGFONTA;
}  // namespace win

namespace zyl {

class TZYLFxCaption;

// tmNone is also a tile mode, so the unit's enumerations live in the unit's namespace.
namespace ZYLGrlf {
ZYL_ENUM(TZYLTransLabelTypes, tmWave, tmNone, tmHalfcircle, tmArrow, tmSpeaker, tmInvSpeaker,
         tmFly, tmChair, tmStairs, tmInvStairs, tmBuckled, tmEnterprise, tmLNoseUp, tmLNoseDown,
         tmRNoseUp, tmRNoseDown, tmCube, tmHalfmoon)
ZYL_ENUM(TZYLTransLabelAttributes, taPerspective, taToggled, taAutoToggled, taEqualLetters)
ZYL_ENUM(TZYLPerspective, tpFrog, tpBird)
}  // namespace ZYLGrlf
using ZYLGrlf::TZYLPerspective;
using ZYLGrlf::TZYLTransLabelAttributes;
using ZYLGrlf::TZYLTransLabelTypes;
using TZYLTransLabelAttr = vcl::TSet<TZYLTransLabelAttributes>;
// A turn in degrees, -180 .. 180.
using TZYLToggle = int32_t;
constexpr TZYLToggle ZYLToggleMin = -180;
constexpr TZYLToggle ZYLToggleMax = 180;

// The outline's font size in points for letter Index (1-based) of a Count-letter text in a
// base font of Size points; MinSize is the smallest size of the shrinking outlines. Outlines
// without a size rule give Size.
int32_t ZYLTransLetterSize(TZYLTransLabelTypes Transform, int32_t Size, int32_t MinSize,
                           int32_t Count, int32_t Index);

// Places letter Index (1-based) of Text at the base point (X0, Y0): selects the letter's own
// font (size and escapement) as the canvas font, writes the escapement into LogFont, the
// letter's point into NewX / NewY and, unless taEqualLetters with tmWave or tmNone, its
// measured size (plus Depth under taPerspective) into Size. Theta is the letters' up
// direction in radians.
void CalcPosAndSize(int32_t X0, int32_t Y0, int32_t Index, int32_t Factor, int32_t MinSize,
                    TZYLToggle Toggle, int32_t Depth, vcl::TFont* Font,
                    TZYLTransLabelAttr Attributes, TZYLTransLabelTypes Transform, float Theta,
                    const std::string& Text, vcl::TCanvas* Canvas, win::LOGFONTA& LogFont,
                    TZYLFxCaption* FxCaption, vcl::TSize& Size, int32_t& NewX, int32_t& NewY);

// Draws Text letter by letter so that the band round it stands on Rect.Bottom and starts at
// Rect.Left (Rect's top and right are not consulted, nothing is clipped). A one-letter text is
// not drawn.
void SpecialTextOut(vcl::TCanvas* Canvas, vcl::TRect& Rect, vcl::TFont* Font,
                    TZYLFxCaption* FxCaption, const std::string& Text,
                    TZYLTransLabelTypes Transform, TZYLToggle Toggle, int32_t Factor,
                    bool InvertCaption, TZYLPerspective Perspective, int32_t PerspectiveDepth,
                    TZYLTransLabelAttr Attributes);

// Sets Rect to (0, 0, width, height) of the laid-out Text ((0, 0, 0, 0) for an empty text).
// InvertCaption and Perspective are not used.
void CalcSize(vcl::TCanvas* Canvas, vcl::TRect& Rect, vcl::TFont* Font, TZYLFxCaption* FxCaption,
              const std::string& Text, TZYLTransLabelTypes Transform, TZYLToggle Toggle,
              int32_t Factor, bool InvertCaption, TZYLPerspective Perspective,
              int32_t PerspectiveDepth, TZYLTransLabelAttr Attributes);

}  // namespace zyl
