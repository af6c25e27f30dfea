// TZYLBaseMeter: the base of the progress meters. It keeps a user range (MinValue..MaxValue)
// with a UserValue in it and the same value as a percentage (Position), turns the drawn
// percentage into a bar rectangle for one of four directions and paints off-screen: the bevel
// (or a themed progress frame), then the bar through DrawBar of a descendant. DrawCaption
// writes the caption or the percentage across the bar in two colours. Changes of the value
// repaint at once, but only when the drawn value moved by at least Delta (or reached an end).
#pragma once

#include <cstdint>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLControl.h"
#include "foundation/ZYLOwned.h"
#include "foundation/ZYLXPStyles.h"

namespace vcl {
class TCanvas;
}

namespace zyl {

class TZYL3DCaption;

class TZYLBaseMeter : public TZYLGraphicControl {
  ZYL_CLASS(TZYLBaseMeter, TZYLGraphicControl)
  ZYL_MESSAGES(TZYLBaseMeter)
  explicit TZYLBaseMeter(vcl::TComponent* AOwner);
  ~TZYLBaseMeter() override;

  TZYL3DCaption* Font3D() const { return FFont3D.get(); }
  void SetFont3D(TZYL3DCaption* Value);
  vcl::TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(vcl::TAlignment Value);
  TZYLMeterDirection Direction() const { return FDirection; }
  void SetDirection(TZYLMeterDirection Value);
  TZYLMeterTextOptions OptionsText() const { return FOptionsText; }
  void SetOptionsText(TZYLMeterTextOptions Value);
  bool UseFontColor() const { return FUseFontColor; }
  void SetUseFontColor(bool Value);
  // The frame around the filled part of the bar (while Position is above 0).
  TZYLBorderStyle Bar3D() const { return FBar3D; }
  void SetBar3D(TZYLBorderStyle Value);

  // The user range. A new end equal to the other end is ignored; a maximum below the minimum
  // (or a minimum above the maximum) swaps the ends. UserValue is pulled into the range.
  int32_t MaxValue() const { return FMaxValue; }
  void SetMaxValue(int32_t Value);
  int32_t MinValue() const { return FMinValue; }
  void SetMinValue(int32_t Value);
  // The value in the user range; clamped, then Position follows and the meter draws.
  int32_t UserValue() const { return FUserValue; }
  void SetUserValue(int32_t Value);
  // The value in percent (0..100); out-of-range values are clamped, UserValue follows.
  TZYLPercent Position() const { return FPosition; }
  void SetPercentValue(int32_t Value);
  void SetPosition(int32_t Value) { SetPercentValue(Value); }
  // The amount of StepAdd / StepSub (0..100).
  TZYLPercent Step() const { return FStep; }
  void SetStep(int32_t Value);
  // The smallest change of the drawn value that repaints; 0 is stored as 1. No repaint.
  uint8_t Delta() const { return FDelta; }
  void SetDelta(uint8_t Value);

  // Position moves by N (limited to 0..100) and the meter draws; UserValue stays as it is.
  void Add(uint8_t N);
  void Sub(uint8_t N);
  void StepAdd() { Add(static_cast<uint8_t>(FStep)); }
  void StepSub() { Sub(static_cast<uint8_t>(FStep)); }

  // V of the user range in percent, rounded (halves to even) and limited to 0..100; 0 for a
  // range without extent.
  int32_t GetPercentValue(int32_t V) const;
  // The bar length in pixels for Value percent of Size: min(Size, Trunc(Value% of Size)).
  static int32_t GetExtend(int32_t Value, int32_t Size);
  // The value the meter draws; Position here.
  virtual TZYLPercent GetDrawValue() { return FPosition; }
  // The value of the last completed draw.
  uint8_t LastDrawValue() const { return FLastValue; }
  HTHEME ThemeHandle() const { return FTheme; }


 protected:
  // True when the control's bounds were changed (a new paint follows); false here.
  virtual bool CorrectBounds() { return false; }
  // Paints the bar: Dest the filled part, NotDest the empty part, ARect the area inside the
  // frame; empty here.
  virtual void DrawBar(vcl::TCanvas* Canvas, const vcl::TRect& Dest, const vcl::TRect& NotDest,
                       const vcl::TRect& ARect);
  // Whether the present style draws the Bar3D frame; a new Bar3D repaints only then.
  virtual bool DrawsBarFrame() const { return true; }
  // Draws the Bar3D frame around Dest, the filled part, when it is not empty and Position is
  // above 0.
  void DrawBarFrame(vcl::TCanvas* Canvas, const vcl::TRect& Dest);
  void Paint() override;
  void Loaded() override;
  void DoThemeChanged() override;
  // Paints the meter when the drawn value moved by Delta or reached an end (Full: always).
  void Draw(bool Full = false);
  // Writes the caption or the percentage into ARect: in Color over R1 (the bar) and in AColor
  // (UseColor) or the font's colour over R2; with UseFontColor once in the font's colour.
  void DrawCaption(vcl::TCanvas* Canvas, const vcl::TRect& R1, const vcl::TRect& R2,
                   const vcl::TRect& ARect, bool UseColor, vcl::TColor AColor);
  // FromPercent: UserValue from Position; otherwise Position from UserValue.
  void Synchronize(bool FromPercent);
  void CreateXPThemeHandles();
  void FreeXPThemeHandles();
  void CMTextChanged(vcl::TMessage& Message);

  bool FBoundsCorrected = false;

 private:
  bool CanDrawNow();

  TZYLOwned<TZYL3DCaption> FFont3D;
  vcl::TAlignment FAlignment = vcl::taCenter;
  TZYLMeterDirection FDirection = mdHorizontal;
  int32_t FMaxValue = 100;
  int32_t FMinValue = 0;
  TZYLPercent FPosition = 0;
  uint8_t FLastValue = 0;
  TZYLPercent FStep = 10;
  TZYLMeterTextOptions FOptionsText = toNoText;
  bool FUseFontColor = false;
  TZYLBorderStyle FBar3D = lsNone;
  int32_t FUserValue = 0;
  uint8_t FDelta = 1;
  HTHEME FTheme = nullptr;
};

}  // namespace zyl
