// TZYLButtonControl: the windowed control with a mark and a caption that the check box and the
// radio button share. The mark (the system's check or radio glyph, themed when CtlXP applies)
// stands at the left, centred vertically; the caption and an image-list picture (ImageList,
// ListIndex, ImageIndex) stand right of it, placed by Alignment and drawn with Font and Font3D.
// A click or the space bar on the focused control calls ClickMark, which the descendants
// answer with their own state; AutoSize fits the bounds to mark and caption.
#pragma once

#include <cstdint>

#include "foundation/ZYLCustomControl.h"
#include "foundation/ZYLOwned.h"
#include "platform/controls/StdCtrls.h"

namespace zyl {

class TZYLFxCaption;
class TZYLGlyphTextLayout;

class TZYLButtonControl : public TZYLCustomControl {
  ZYL_CLASS(TZYLButtonControl, TZYLCustomControl)
  ZYL_MESSAGES(TZYLButtonControl)
  // The side of the mark.
  static constexpr int BoxSize = 13;
  // The indices of the Boolean properties.
  enum TBooleanProp : int { bpAutoSize, bpGlyphTransparent, bpGlyphFlat };

  explicit TZYLButtonControl(vcl::TComponent* AOwner);
  ~TZYLButtonControl() override;

  void Assign(vcl::TPersistent* Source) override;
  // The About property the controls publish; it holds nothing.
  TZYLAboutVar About() const { return {}; }
  void SetAbout(const TZYLAboutVar&) {}

  // The owned placement of caption and picture (left, centred vertically, text right of the
  // picture) and the caption's 3D look; the setters assign into them.
  TZYLGlyphTextLayout* Alignment() const { return FAlignment.get(); }
  void SetAlignment(TZYLGlyphTextLayout* Value);
  TZYLFxCaption* Font3D() const { return FFont3D.get(); }
  void SetFont3D(TZYLFxCaption* Value);

  bool GetBool(int Index) const;
  // AutoSize sizes the control to the mark and the caption at once; the glyph flags repaint.
  void SetBool(int Index, bool Value);
  bool AutoSize() const { return FAutoSize; }
  bool ControlSupportsXP() const override { return true; }

  // The mark's rectangle in the client area.
  vcl::TRect BoxRect();

 protected:
  // What the mark shows.
  virtual vcl::TCheckBoxState MarkState() const = 0;
  // The system's glyph of the mark in a state (DFCS_BUTTONCHECK, DFCS_BUTTON3STATE,
  // DFCS_BUTTONRADIO) and the theme's part of it (3 check box, 2 radio button).
  virtual uint32_t MarkKind(vcl::TCheckBoxState State) const = 0;
  virtual int ThemePart() const = 0;
  // What a click or the space bar does to the state.
  virtual void ClickMark() = 0;

  void Paint() override;
  void Click() override;
  void KeyPress(char& Key) override;
  void Loaded() override;
  void CorrectBounds();
  // Draws the mark into Box: themed when it applies, else the system's glyph.
  void DrawMark(vcl::TCanvas* Canvas, const vcl::TRect& Box);
  // The picture of the image list for ListIndex / ImageIndex; false without one.
  bool GetPicture(vcl::TBitmap* Picture);
  void CMTextChanged(vcl::TMessage& Message);
  void CMFontChanged(vcl::TMessage& Message);
  void CMDialogChar(vcl::TCMDialogChar& Message);

  TZYLOwned<TZYLGlyphTextLayout> FAlignment;
  TZYLOwned<TZYLFxCaption> FFont3D;
  bool FAutoSize = false;
  bool FGlyphTransparent = false;
  bool FGlyphFlat = false;
};

}  // namespace zyl
