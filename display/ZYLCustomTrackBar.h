// TZYLCustomTrackBar: a windowed slider. A thumb moves along a channel between MinValue and
// MaxValue, with tick marks on one side, both or none; it follows the keys, the mouse wheel,
// thumb dragging and clicks on the channel (paging, repeated every 300 ms while held). OnTrack
// reports each step with a scroll code and may change the proposed value; OnChange follows
// every change of Position at run time.
//
// Painting (ZYLCustomTrackBarPaint.cpp): the background, the framed channel, the ticks and the
// thumb, plain or themed ("TRACKBAR"). The standard thumb is a two-frame bitmap built once per
// change of its look (frame 0 normal, frame 1 pressed or disabled): a rectangle with ticks on
// both sides, otherwise pointed toward the ticks. A position change at run time restores the
// background saved under the thumb and draws the thumb anew instead of repainting the control.
#pragma once

#include <memory>

#include "buttons/ZYLCustomPanel.h"
#include "foundation/ZYLOwned.h"
#include "platform/controls/Controls.h"

namespace vcl {
class TBitmap;
}

namespace zyl {

class TZYLFillObject;
class TZYLTimer;

ZYL_ENUM(TZYLThumbStyle, tsStandard, tsCustom)
ZYL_ENUM(TZYLTickStyle, tsAuto, tsOwnerDraw, tsNone)
ZYL_ENUM(TZYLTickMarks, tmBoth, tmBottomRight, tmTopLeft)
ZYL_ENUM(TZYLTrackBarFocusStyle, tbFocus, tbInvisibleFocus, tbNoFocus)
using TZYLDrawTickEvent =
    vcl::TEvent<void(vcl::TObject* Sender, vcl::TCanvas* aCanvas, int aValue, vcl::TPoint pos)>;

class TZYLCustomTrackBar : public TZYLCustomPanel {
  ZYL_CLASS(TZYLCustomTrackBar, TZYLCustomPanel)
  ZYL_MESSAGES(TZYLCustomTrackBar)
  explicit TZYLCustomTrackBar(vcl::TComponent* AOwner);
  ~TZYLCustomTrackBar() override;

  // The indices of the indexed setters.
  enum TIntegerIndex : int {
    iiMaxValue = 0,
    iiMinValue = 1,
    iiLineSize = 2,
    iiPageSize = 3,
    iiTrackBorder = 4,
    iiTrackWidth = 5,
    iiTickLength = 6,
    iiMargin = 7,
    iiTickGap = 8
  };
  enum TColorIndex : int { ciThumbColor = 0, ciTrackColor = 1, ciTickColor = 2, ciFocusColor = 3 };

  void Assign(vcl::TPersistent* Source) override;
  // Builds the standard thumb of a control made by code.
  void Init();

  // ---- Value ----
  int Position() const { return FPosition; }
  virtual int GetPosition() { return FPosition; }
  // Clamps to MinValue..MaxValue; reports reaching an end through OnTrack (scBottom for the
  // maximum, scTop for the minimum), stores, and at run time redraws the thumb alone and fires
  // OnChange (at design time it repaints instead). The same value does nothing.
  void SetPosition(int Value);
  int GetInteger(int Index) const;
  // MaxValue must stay above MinValue and MinValue below MaxValue (others are ignored, and
  // Position follows a moved end); TrackWidth is at least 3, Margin at least 1, TickGap at
  // least -1; LineSize and PageSize take any value.
  void SetInteger(int Index, int Value);
  int MaxValue() const { return FMaxValue; }
  int MinValue() const { return FMinValue; }
  int LineSize() const { return FLineSize; }
  int PageSize() const { return FPageSize; }

  // ---- Look ----
  using vcl::TControl::SetColor;
  vcl::TColor GetColor(int Index) const;
  void SetColor(int Index, vcl::TColor Value);
  TZYLOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TZYLOrientation Value);
  TZYLTickMarks TickMarks() const { return FTickMarks; }
  void SetTickMarks(TZYLTickMarks Value);
  TZYLTickStyle TickStyle() const { return FTickStyle; }
  void SetTickStyle(TZYLTickStyle Value);
  TZYLBorderStyle TrackBorderStyle() const { return FTrackBorderStyle; }
  void SetTrackBorderStyle(TZYLBorderStyle Value);
  bool UseFocusColor() const { return FUseFocusColor; }
  void SetUseFocusColor(bool Value);
  TZYLTrackBarFocusStyle FocusStyle() const { return FFocusStyle; }
  void SetFocusStyle(TZYLTrackBarFocusStyle Value) { FFocusStyle = Value; }
  bool TrackTransparent() const { return FTrackTransparent; }
  void SetTrackTransparent(bool Value);
  TZYLThumbStyle ThumbStyle() const { return FThumbStyle; }
  // To tsStandard builds the standard thumb; to tsCustom (not while loading) starts with an
  // empty thumb bitmap.
  void SetThumbStyle(TZYLThumbStyle Value);
  // The thumb bitmap as streamed: while loading the bitmap itself; otherwise only a custom
  // thumb that does not come from the image list (null else).
  vcl::TBitmap* GetThumb();
  // Assigns into the thumb: a picture makes the thumb custom, an empty one brings back the
  // standard thumb.
  void SetThumb(vcl::TBitmap* Value);
  bool IsCustom() const { return FThumbStyle == tsCustom; }
  TZYLFillObject* TrackFillObject() const { return FTrackFillObject.get(); }
  void SetFillObject(TZYLFillObject* Value);
  bool UseGlobalTimer() const { return FUseGlobalTimer; }
  void SetUseGlobalTimer(bool Value);

  // ---- Layout (set by the painting) ----
  vcl::TRect ChannelRect() const { return FChannelRect; }
  vcl::TRect ThumbRect() const { return FThumbRect; }
  vcl::TRect TickArea() const { return FTickArea; }
  int ThumbCross() const { return FThumbCross; }
  int ThumbLength() const { return FThumbLength; }
  int ThumbHalf() const { return FThumbHalf; }
  vcl::TBitmap* ThumbBitmap() const { return FThumb.get(); }
  bool ThumbDragging() const { return FThumbDragging; }
  bool PageTimerEnabled() const;

  // ---- Themes and transparency ----
  bool ControlSupportsXP() const override { return true; }
  bool isTransparentSet() override { return FTransparent || FTrackTransparent; }
  // A change of the thumb bitmap switches between the custom and the standard thumb; then the
  // control repaints.
  void GetChange(vcl::TObject* Sender) override;

  // ---- Events ----
  const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
  void SetOnChange(const vcl::TNotifyEvent& E) { FOnChange = E; }
  const TZYLDrawTickEvent& GetOnDrawTick() const { return FOnDrawTick; }
  void SetOnDrawTick(const TZYLDrawTickEvent& E) { FOnDrawTick = E; }
  const vcl::TScrollEvent& GetOnTrack() const { return FOnTrack; }
  void SetOnTrack(const vcl::TScrollEvent& E) { FOnTrack = E; }

 protected:
  void Loaded() override;
  void Paint() override;
  void DoThemeChanged() override;
  std::string GetXPMainThemeClass() override { return "TRACKBAR"; }
  void GetIMLChange(vcl::TObject* Sender) override;
  virtual void Change();
  virtual void DoDrawTick(vcl::TCanvas* Canvas, int Value, const vcl::TPoint& Pos);
  void KeyDown(uint16_t& Key, vcl::TShiftState Shift) override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
  void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  // A notch is one line step (the key's handling), whatever the events answer.
  bool DoMouseWheelDown(vcl::TShiftState Shift, vcl::TPoint MousePos) override;
  bool DoMouseWheelUp(vcl::TShiftState Shift, vcl::TPoint MousePos) override;
  void WMGetDlgCode(vcl::TMessage& Message);
  void CMEnabledChanged(vcl::TMessage& Message);
  // The standard thumb is drawn again in the system colours as they are now.
  void CMSysColorChange(vcl::TMessage& Message);
  void WMSetFocusBar(vcl::TWMSetFocus& Message);
  void WMKillFocusBar(vcl::TWMKillFocus& Message);

  // ---- Painting ----
  // The whole control with the thumb at APos.
  void PaintPos(int APos);
  void DrawTicks();
  // Builds the standard two-frame thumb (nothing while loading).
  void CreateThumb();
  // Draws the thumb at Pos over the background it saves first.
  void DrawThumb(int Pos);
  // Puts back the background saved under the thumb.
  void RestoreThumbBack();
  void DrawFocus(const vcl::TRect& R);
  bool Themed();

 private:
  // One frame of the pointed thumb (frame 1 when Second) into F, W x (H + 1) pixels.
  void PaintPointedThumb(vcl::TBitmap* F, int W, int H, bool Second);
  // The thumb's offset along the track from Position, in client coordinates (the left edge
  // horizontally, the top edge vertically).
  int ThumbOffset();
  // OnTrack with Code and a copy of Value; the handler's answer for the codes whose value
  // is applied.
  int Track(vcl::TScrollCode Code, int Value);
  void PageStep(int Direction);
  void TimerExpired(vcl::TObject* Sender);
  void TakeCustomSizes();
  // Replaces the thumb picture with an empty one (a custom thumb not drawn yet).
  void EmptyThumb();
  bool ThumbFromList();
  // Whether the control's window is there to draw on directly.
  bool CanDrawNow();
  // The range and a value limited to it, computed without overflow for any bounds.
  int64_t Range() const { return int64_t{FMaxValue} - FMinValue; }
  int Clamped(int64_t Value) const;

  int FMaxValue = 10;
  int FMinValue = 0;
  int FLineSize = 1;
  int FPageSize = 2;
  int FPosition = 0;
  int FTickLength = 6;
  int FMargin = 1;
  std::unique_ptr<TZYLTimer> FPageTimer;
  TZYLOrientation FOrientation = toHorizontal;
  TZYLTickStyle FTickStyle = tsAuto;
  TZYLTickMarks FTickMarks = tmBottomRight;
  int FTickGap = -1;
  vcl::TColor FFocusColor = 0x808080;
  vcl::TColor FTickColor = 0;
  bool FTrackTransparent = false;
  bool FUseFocusColor = false;
  uint8_t FPageDirection = 0;
  TZYLTrackBarFocusStyle FFocusStyle = tbFocus;
  TZYLBorderStyle FTrackBorderStyle = lsLoweredExt;
  int FTrackBorder = 0;
  vcl::TColor FTrackColor = 0xFFFFFF;
  vcl::TColor FThumbColor;
  int FTrackWidth = 10;
  vcl::TRect FChannelRect{};
  vcl::TRect FThumbRect{};
  vcl::TRect FTickArea{};
  TZYLThumbStyle FThumbStyle = tsStandard;
  TZYLOwned<vcl::TBitmap> FThumb;
  TZYLOwned<TZYLFillObject> FTrackFillObject;
  bool FThumbDragging = false;
  int FThumbCross = 0;
  int FThumbLength = 0;
  int FThumbHalf = 0;
  int FTrackLengthX = 0;
  int FTrackLengthY = 0;
  std::unique_ptr<vcl::TBitmap> FThumbBack;
  vcl::TPoint FMousePoint{0, 0};
  bool FUseGlobalTimer = false;
  // The custom thumb came from the image list (and falls back when the entry goes).
  bool FThumbFromList = false;
  // Whether a form file gave the thumb a picture while it was read.
  bool FThumbRead = false;

 protected:
  vcl::TScrollEvent FOnTrack;
  TZYLDrawTickEvent FOnDrawTick;

 protected:
  vcl::TNotifyEvent FOnChange;
};

}  // namespace zyl
