// The 3D effect generator: turns one flat picture (its shape is every pixel that is not the
// transparent colour) into the raised, pressed and disabled pictures of a 3D button by growing
// a bevel around the shape one ring per pass, and the two helpers that feed it (a caption
// rendered on silver, a colour checkered into two others).
#pragma once

#include "platform/graphics/Colors.h"

namespace vcl {
class TBitmap;
}

namespace zyl {

class TZYLCaption;
class TZYLProgress;

// The abort flag the generator reads after every pixel while it reports progress; Stop and
// Cancel set it.
void ZYLSet3DEffectAbort(bool Value);
bool ZYL3DEffectAborted();

// The colour the generator takes as transparent for a picture: its bottom-left pixel (column 0,
// last row); clNone for an empty picture. The masks of the generated pictures use it as well.
vcl::TColor ZYL3DEffectTransparentColor(vcl::TBitmap* Source);

// Renders the caption's text with its font and effects on a silver (clSilver) picture just large
// enough for it: the background the generator then reads as transparent.
void ZYLDrawCaptionFace(TZYLCaption* Caption, vcl::TBitmap* Bitmap);

// Every pixel of Bitmap that has the Key colour becomes First where the parities of x and y
// differ and Second elsewhere. Returns true.
bool ZYLMakeBmpSemiTransparent(vcl::TBitmap* Bitmap, vcl::TColor First, vcl::TColor Key,
                               vcl::TColor Second);

// Fills Up, Down and Disabled with the generated pictures, 2 * BevelWidth wider and higher
// than Source (BevelWidth is cut to 0..5). Source is only read. With Progress given, the
// application processes its messages after every pixel and the abort flag ends the run,
// leaving the three pictures untouched. An empty Source does nothing.
void ZYLDrawButton3D(vcl::TBitmap* Source, vcl::TBitmap* Up, vcl::TBitmap* Down,
                     vcl::TBitmap* Disabled, vcl::TColor TransparentColor, vcl::TColor LightColor,
                     vcl::TColor ShadowColor, vcl::TColor DisabledColor, vcl::TColor SemiColor2,
                     vcl::TColor SemiColor1, vcl::TColor BevelColor, bool SemiTransparent,
                     int BevelWidth, TZYLProgress* Progress);

}  // namespace zyl
