// The editor launchers: one plain routine per settings object or value, each opening its editor
// (a form of this package or a common dialog of the framework) modally on a working copy and
// answering whether the user accepted. The edited object changes only on acceptance; Cancel,
// the close box, Escape and an exception inside the form leave it as it was (the exception
// passes on to the caller once the form is freed).
//
// A launcher reports nothing to the form designer itself: its caller does, once, through
// ZYLCPModify.
#pragma once

#include <functional>
#include <string>

#include "foundation/ZYLClass.h"
#include "platform/graphics/Colors.h"

namespace vcl {
class IFormDesigner;
class TBitmap;
class TBrush;
class TFont;
class TStrings;
}  // namespace vcl

namespace zyl {

class TZYL3DCaption;
class TZYLBevel;
class TZYLButtonLayout;
class TZYLCaption;
class TZYLCustom3DButton;
class TZYLDateTime;
class TZYLFillObject;
class TZYLFxCaption;
class TZYLGlyphTextLayout;
class TZYLGradient;
class TZYLLED;
class TZYLPointList;
class TZYLDateList;
class TZYLShadow;
class TZYLShapeFill;
class TZYLSimpleBevel;
class TZYLSmallBar;
class TZYLTeeth;
class TZYLTransparent;

// The editor forms of the settings objects; true exactly when the form ended with OK. The
// bevel editor opens on the page of the bevel's mode.
bool ZYLCPGetBevel(TZYLBevel* Bevel);
bool ZYLCPGetShadow(TZYLShadow* Shadow);
bool ZYLCPGetSimpleBevel(TZYLSimpleBevel* Bevel);
bool ZYLCPGetTeeth(TZYLTeeth* Teeth);
bool ZYLCPGetBrush(vcl::TBrush* Brush);
bool ZYLCPGetSmallBar(TZYLSmallBar* SmallBar);
bool ZYLCPGetGradient(TZYLGradient* Gradient);
// The caption editor; ShowMultiLine shows its "MultiLine" box.
bool ZYLCPGetZYLCaption(TZYLCaption* Caption, bool ShowMultiLine);
bool ZYLCPGetButtonLayout(TZYLButtonLayout* Layout);
bool ZYLCPGetGlyphTextLayout(TZYLGlyphTextLayout* Layout);
bool ZYLCPGetFillObject(TZYLFillObject* Fill);
bool ZYLCPGetShapeFill(TZYLShapeFill* Fill);
// The effect caption's two positions stay as they were.
bool ZYLCPGetFontFx(TZYLFxCaption* Caption);
bool ZYLCPGetFont3D(TZYL3DCaption* Caption);
bool ZYLCPGetTransparent(TZYLTransparent* Transparent);
bool ZYLCPGetLED(TZYLLED* LED);
bool ZYLCPGetPointList(TZYLPointList* List);
// The date list as lines of date, time and description; on OK the list is replaced only when
// every line converts (otherwise EConvertError names the line and the list stays as it was).
bool ZYLCPGetDateList(TZYLDateList* List);
// The date and time are checked whole on OK and set in one step.
bool ZYLCPGetDateTime(TZYLDateTime* Value);
// The date-time format text; on OK the form's text replaces Format.
bool ZYLCPGetDateTimeFormat(std::string& Format);
// The chosen value on OK, the value passed in otherwise.
TZYLBitmapStyle ZYLCPGetBitmapStyle(TZYLBitmapStyle Style);
TZYLShapeType ZYLCPGetShape(TZYLShapeType Shape);

// The 3D effect generator's form on the button: on OK with generated pictures the button takes
// them, with masks of the generator's transparent colour, and the size of the raised picture.
// True exactly when the button changed.
bool ZYLCPGetButtonFace3D(TZYLCustom3DButton* Button);

// The open-picture dialog on the bitmap files; the bitmap takes the chosen file only once it has
// been read whole, so an unreadable file raises and leaves the bitmap as it was.
bool ZYLCPGetBitmap(vcl::TBitmap* Bitmap);
// The colour dialog starting on Color and, when given, the custom colours; answers the colour
// chosen (and assigns the dialog's custom colours back), or Color itself on cancel.
vcl::TColor ZYLCPGetColor(vcl::TColor Color, vcl::TStrings* CustomColors);
// The font dialog on a copy of Font, with only existing fonts and a help button.
bool ZYLCPGetFont(vcl::TFont* Font);

// The open-dialog filter of a kind's list files ("ImageList-Files (*.iml)|*.iml"); empty for a
// value that names no kind.
void ZYLCPGetFilter(TZYLListItemClassType Kind, std::string& Filter);

// Runs a launcher for a property or component editor and tells Designer (when there is one) of
// the modification once, exactly when the launcher answers true. Answers the launcher's answer.
bool ZYLCPModify(vcl::IFormDesigner* Designer, const std::function<bool()>& Launcher);

}  // namespace zyl
