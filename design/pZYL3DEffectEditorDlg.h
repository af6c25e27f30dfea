// The 3D effect generator: turns one flat picture (its shape is every pixel that is not the
// transparent colour) into the raised, pressed and disabled pictures of a 3D button by growing
// a bevel around the shape one ring per pass, and the two helpers that feed it (a caption
// rendered on silver, a colour checkered into two others), and TZYL3DEffectEditorDlg, the form
// that runs it: the user chooses a picture (or renders a caption), the bevel width and the four
// colours, runs the generator with a progress bar and a Stop button and looks at each picture.
#pragma once

#include <memory>

#include "design/pZYL3DEffectEditorDlg.fieldtypes.h"
#include "design/pZYLObjectEditor.h"
#include "platform/graphics/Colors.h"

namespace vcl {
class TBitmap;
}  // namespace vcl

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

// The generator's form. Its opener hands in the colours, the bevel width and four bitmaps it
// owns (Source, Up, Down, Disabled) before ShowModal and reads them afterwards. OK is enabled
// only after a finished run; a new picture or an aborted run disables it again. EXECUTE does
// nothing while there is no picture.
class TZYL3DEffectEditorDlg : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYL3DEffectEditorDlg, TZYLObjectEditorForm)
  explicit TZYL3DEffectEditorDlg(vcl::TComponent* AOwner);
  ~TZYL3DEffectEditorDlg() override;

  // The colours in the order bevel, disabled, light, shadow.
  enum TColorIndex : int { ciBevel, ciDisabled, ciLight, ciShadow };
  void SetColor(TColorIndex Index, vcl::TColor Value) { FColors[Index] = Value; }
  vcl::TColor Color(TColorIndex Index) const { return FColors[Index]; }
  // Shown and used cut to 0..5 once the form is activated.
  void SetBevelWidth(int Value) { FBevelWidth = Value; }
  int BevelWidth() const { return FBevelWidth; }
  void SetPictures(vcl::TBitmap* Source, vcl::TBitmap* Up, vcl::TBitmap* Down,
                   vcl::TBitmap* Disabled);
  vcl::TBitmap* Source() const { return FPics[0]; }

#include "design/pZYL3DEffectEditorDlg.fields.h"

  void FormActivate(vcl::TObject* Sender);
  // All four colour boxes: the sender tells the colour.
  void cmbBChange(vcl::TObject* Sender);
  void spindChange(vcl::TObject* Sender);
  // "&Picture >>" and "&Caption >>".
  void btngetpicClick(vcl::TObject* Sender);
  void EXECUTEClick(vcl::TObject* Sender);
  // Stop and Cancel: the running generator ends at its next pixel.
  void STOPClick(vcl::TObject* Sender);
  void cmbStateChange(vcl::TObject* Sender);

 private:
  // Shows the picture in BtnImg and its name in cmbState, with OK and cmbState enabled or not.
  void ShowPicture(const char* State, bool Generated);
  vcl::TColor FColors[4] = {vcl::clBlack, vcl::clWhite, vcl::clWhite, vcl::clGray};
  int FBevelWidth = 2;
  vcl::TBitmap* FPics[4] = {};
  std::unique_ptr<TZYLCaption> FCaption;
};

inline constexpr vcl::TUnitEntry pZYL3DEffectEditorDlgUnit =
    ZYLEditorFormUnit<TZYL3DEffectEditorDlg>("pZYL3DEffectEditorDlg");

}  // namespace zyl
