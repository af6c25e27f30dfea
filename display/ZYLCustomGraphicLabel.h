// TZYLCustomGraphicLabel: a bevelled graphic control that draws its caption letter by letter
// along an outline (wave, arches, arrow, speaker, stairs ...), optionally in perspective, with
// the letters turned by a fixed angle or along the outline, and optionally with a fill put
// through the letters.
#pragma once

#include <string>

#include "display/ZYLGrlf.h"
#include "foundation/ZYLClass.h"
#include "foundation/ZYLControl.h"
#include "foundation/ZYLOwned.h"
#include "platform/graphics/Colors.h"

namespace zyl {

class TZYLFillObject;
class TZYLFxCaption;

class TZYLCustomGraphicLabel : public TZYLGraphicControl {
  ZYL_CLASS(TZYLCustomGraphicLabel, TZYLGraphicControl)
  ZYL_MESSAGES(TZYLCustomGraphicLabel)
  explicit TZYLCustomGraphicLabel(vcl::TComponent* AOwner);
  ~TZYLCustomGraphicLabel() override;

  // From another graphic label: every layout property, AutoSize last.
  void Assign(vcl::TPersistent* Source) override;

  // Index 2 Factor (repaints on a change), 4 PerspectiveDepth (repaints under taPerspective).
  // The indices of the integer and Boolean properties.
  enum TIntegerProp : int { ipFactor = 2, ipPerspectiveDepth = 4 };
  enum TBooleanProp : int { bpAutoSize = 1, bpInvertCaption = 2 };
  int32_t GetInteger(int Index) const { return Index == ipFactor ? FFactor : FPerspectiveDepth; }
  void SetInteger(int Index, int32_t Value);
  // Index 1 AutoSize, 2 InvertCaption.
  bool GetBoolean(int Index) const { return Index == bpAutoSize ? FAutoSize : FInvertCaption; }
  void SetBoolean(int Index, bool Value);

  int32_t Factor() const { return FFactor; }
  void SetFactor(int32_t Value) { SetInteger(ipFactor, Value); }
  int32_t PerspectiveDepth() const { return FPerspectiveDepth; }
  void SetPerspectiveDepth(int32_t Value) { SetInteger(ipPerspectiveDepth, Value); }
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value) { SetBoolean(bpAutoSize, Value); }
  bool InvertCaption() const { return FInvertCaption; }
  void SetInvertCaption(bool Value) { SetBoolean(bpInvertCaption, Value); }

  TZYLTransLabelTypes Transform() const { return FTransform; }
  void SetTransform(TZYLTransLabelTypes Value);
  TZYLTransLabelAttr Attributes() const { return FAttributes; }
  void SetTransAttr(TZYLTransLabelAttr Value);
  TZYLPerspective Perspective() const { return FPerspective; }
  void SetPerspective(TZYLPerspective Value);
  vcl::TColor BrushBackColor() const { return FBrushBackColor; }
  void SetBrushBack(vcl::TColor Value);
  // -180 .. 180 degrees (values outside are clamped); repaints only under taToggled.
  TZYLToggle Toggle() const { return FToggle; }
  void SetToggle(TZYLToggle Value);

  TZYLFxCaption* FontFX() const { return FFontFX.get(); }
  void SetFontFX(TZYLFxCaption* Value);
  TZYLFillObject* FillObject() const { return FFillObject.get(); }
  void SetFillObject(TZYLFillObject* Value);

  // With AutoSize, sizes the control to the measured layout plus the bevel; then repaints.
  // Nothing while loading or without a parent.
  void GetChange(vcl::TObject* Sender) override;
  // The fill's palette.
  virtual win::HPALETTE GetPalette();
  // The text drawn: the Caption.
  virtual std::string GetLabelText();


 protected:
  void Paint() override;
  // The image-list item goes into the fill's list bitmap (cleared without one).
  void GetIMLChange(vcl::TObject* Sender) override;
  void Loaded() override;
  void CMFontChanged(vcl::TMessage& Message);
  void CMTextChanged(vcl::TMessage& Message);

 private:
  TZYLToggle FToggle = 0;
  TZYLOwned<TZYLFxCaption> FFontFX;
  int32_t FPerspectiveDepth = 5;
  int32_t FFactor = 5;
  TZYLTransLabelTypes FTransform = ZYLGrlf::tmWave;
  TZYLTransLabelAttr FAttributes{ZYLGrlf::taAutoToggled};
  TZYLPerspective FPerspective = ZYLGrlf::tpBird;
  bool FInvertCaption = false;
  bool FAutoSize = false;
  TZYLOwned<TZYLFillObject> FFillObject;
  vcl::TColor FBrushBackColor = vcl::clBtnFace;
};

}  // namespace zyl
