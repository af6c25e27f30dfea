// TZYLCustomProgress: a progress bar on the meter base. Its bar is a solid block (pgBar), a
// row of segments in one colour (pgSmallBar) or in colours an event chooses per segment
// (pgSmallBarColor), whatever an owner-draw event paints (pgOwnerDraw) or a themed chunk
// (pgXPBar). With the segment styles and SmallBar.AutoSize the bar sizes itself to a whole
// number of segments along its direction.
#pragma once

#include <cstdint>

#include "display/ZYLBaseMeter.h"
#include "foundation/ZYLOwned.h"

namespace zyl {

class TZYLSmallBar;

ZYL_ENUM(TZYLProgressStyle, pgBar, pgSmallBar, pgSmallBarColor, pgOwnerDraw, pgXPBar)

using TZYLProgressPaintEvent =
    vcl::TEvent<void(vcl::TObject* Sender, vcl::TCanvas* aCanvas, const vcl::TRect& dest,
                     const vcl::TRect& notDest, const vcl::TRect& aRect)>;
using TZYLProgressColorEvent =
    vcl::TEvent<void(vcl::TObject* Sender, uint8_t nr, vcl::TColor& aColor)>;

class TZYLCustomProgress : public TZYLBaseMeter {
  ZYL_CLASS(TZYLCustomProgress, TZYLBaseMeter)
  explicit TZYLCustomProgress(vcl::TComponent* AOwner);
  ~TZYLCustomProgress() override;

  // The solid bar's colour; it repaints only while Style is pgBar, as Bar3D does.
  vcl::TColor BarColor() const { return FBarColor; }
  void SetBarColor(vcl::TColor Value);
  TZYLSmallBar* SmallBar() const { return FSmallBar.get(); }
  void SetSmBarOptions(TZYLSmallBar* Value);
  void SetSmallBar(TZYLSmallBar* Value) { SetSmBarOptions(Value); }
  // A segment style (not while loading) sets Delta to half a segment's share of 100.
  TZYLProgressStyle Style() const { return FStyle; }
  void SetStyle(TZYLProgressStyle Value);

  bool ControlSupportsXP() const override { return true; }
  void GetChange(vcl::TObject* Sender) override;

  const TZYLProgressPaintEvent& GetOnPaint() const { return FOnPaint; }
  void SetOnPaint(const TZYLProgressPaintEvent& E) { FOnPaint = E; }
  const TZYLProgressColorEvent& GetOnGetColor() const { return FOnGetColor; }
  void SetOnGetColor(const TZYLProgressColorEvent& E) { FOnGetColor = E; }

 protected:
  void Loaded() override;
  bool CorrectBounds() override;
  bool DrawsBarFrame() const override { return FStyle == pgBar; }
  void DrawBar(vcl::TCanvas* Canvas, const vcl::TRect& Dest, const vcl::TRect& NotDest,
               const vcl::TRect& ARect) override;

 private:
  void DrawSegments(vcl::TCanvas* Canvas, const vcl::TRect& Dest, const vcl::TRect& ARect,
                    bool PerSegmentColor);

  vcl::TColor FBarColor = 0x800000;
  TZYLOwned<TZYLSmallBar> FSmallBar;
  TZYLProgressStyle FStyle = pgSmallBar;

 protected:
  TZYLProgressColorEvent FOnGetColor;
  TZYLProgressPaintEvent FOnPaint;
};

}  // namespace zyl
