// TZYLScrollText: moves a block of text lines (marquee) or one line made of all lines (ticker)
// through its client area in one of four directions, one step per timer tick. The text is
// drawn with 3D effects; "<b>" and "</b>" inside a line switch bold runs on and off, and the
// bold state carries from one line to the next. The background is Color or, when transparent,
// a saved copy of what lies under the control; the back effects are applied to each frame.
// Its timer is one of the four timer kinds, exactly one at a time.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLControl.h"
#include "foundation/ZYLOwned.h"
#include "foundation/ZYLTimer.h"
#include "platform/classes/Thread.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TBitmap;
class TStrings;
class TStringList;
}  // namespace vcl

namespace zyl {

class TZYL3DCaption;

ZYL_ENUM(TZYLScrollDirection, sdBottomToTop, sdLeftToRight, sdRightToLeft, sdTopToBottom)
// At the end of a pass: start again, turn round, or stop.
ZYL_ENUM(TZYLScrollStyle, ssLoop, ssLoopReverse, ssOnce)
// smMarquee: the lines stacked; smTicker: all lines joined into one.
ZYL_ENUM(TZYLScrollMode, smMarquee, smTicker)

class TZYLScrollText : public TZYLGraphicControl {
  ZYL_CLASS(TZYLScrollText, TZYLGraphicControl)
  ZYL_MESSAGES(TZYLScrollText)
  explicit TZYLScrollText(vcl::TComponent* AOwner);
  ~TZYLScrollText() override;

  // Index 0 MakeVisible; 1 Scroll (true starts, false stops); 2 Transparent (stops; the saved
  // background is taken anew before the next paint).
  // The indices of the Boolean properties.
  enum TBoolProp : int { bpMakeVisible, bpScroll, bpTransparent };
  bool GetBool(int Index) const;
  void SetBool(int Index, bool Value);
  bool MakeVisible() const { return FMakeVisible; }
  bool Scroll() const { return FScroll; }

  vcl::TAlignment Alignment() const { return FAlignment; }
  // Repaints only when not scrolling (the next step shows it anyway).
  void SetAlignment(vcl::TAlignment Value);
  TZYLScrollDirection Direction() const { return FDirection; }
  void SetDirection(TZYLScrollDirection Value);
  TZYLScrollStyle ScrollStyle() const { return FScrollStyle; }
  void SetStyle(TZYLScrollStyle Value);
  TZYLScrollMode ScrollMode() const { return FScrollMode; }
  void SetMode(TZYLScrollMode Value);
  TZYLTimerInterval Interval() const { return FTimer.Interval(); }
  // Values outside 1 .. 65535 are limited to the range; a change stops (not while loading).
  void SetInterval(TZYLTimerInterval Value);
  int32_t Steps() const { return FSteps; }
  // Values below 1 are ignored; a change stops.
  void SetSteps(int32_t Value);

  TZYL3DCaption* Font3D() const { return FFont3D.get(); }
  void SetFont3D(TZYL3DCaption* Value);
  vcl::TStrings* Lines() const;
  void SetLines(vcl::TStrings* Value);

  vcl::TThreadPriority ThreadPriority() const { return FTimer.Priority(); }
  // Applied when the timer is next enabled.
  void SetThreadPriority(vcl::TThreadPriority Value) { FTimer.SetPriority(Value); }
  TZYLTimerMode TimerMode() const { return FTimer.Mode(); }
  // Stops, frees the old mode's timer and creates the new one.
  void SetTimerMode(TZYLTimerMode Value);

  // Starts a pass at step 0, or at Start when 0 <= Start <= Steps - 1.
  void Execute() { ExecuteEnh(0); }
  void ExecuteEnh(int32_t Start);
  void Stop();
  // Mirrors the step counter within the pass and turns the direction round.
  void Reverse();
  // All lines joined, each followed by one blank.
  std::string GetAsTickerText() const;
  // Asks for the line height, text width and text height of the current mode to be measured
  // again; they are measured when next read (not while loading), so that a run of changes to
  // the lines measures them once.
  void CalculateDimensions();

  // True when Lines has no line.
  bool GetEmpty() override;
  void GetChange(vcl::TObject* Sender) override;
  void Invalidate() override;
  void BackUpdate() override;

  // The timer handler: one step.
  void GetTimer(vcl::TObject* Sender);

  // State, for inspection.
  int32_t StepCounter() const { return FStepCounter; }
  int32_t LineHeight() const {
    Measure();
    return FLineHeight;
  }
  int32_t TextWidth() const {
    Measure();
    return FTextWidth;
  }
  int32_t TextHeight() const {
    Measure();
    return FTextHeight;
  }
  int32_t InnerWidth() const { return FInnerWidth; }
  int32_t InnerHeight() const { return FInnerHeight; }
  // The origin of the text block at the current step, inside the bevel.
  vcl::TPoint TextOrigin() const;
  vcl::TBitmap* BackBitmap() const { return FBackBitmap.get(); }
  bool BackRefresh() const { return FBackRefresh; }
  TZYLTimer* Timer() const { return FTimer.Timer(); }
  TZYLHiTimer* HiTimer() const { return FTimer.HiTimer(); }

  // One drawn piece of text: its text, bold state and left edge inside the working bitmap.
  struct TRun {
    std::string Text;
    bool Bold = false;
    int32_t X = 0;
    int32_t Y = 0;
  };
  // Called for every run drawn while the next frame is composed (for inspection).
  using TRunHook = void (*)(void* Data, const TRun& Run);
  void SetRunHook(TRunHook Hook, void* Data) {
    FRunHook = Hook;
    FRunHookData = Data;
  }

  const vcl::TNotifyEvent& GetOnStart() const { return FOnStart; }
  void SetOnStart(const vcl::TNotifyEvent& E) { FOnStart = E; }
  const vcl::TNotifyEvent& GetOnScroll() const { return FOnScroll; }
  void SetOnScroll(const vcl::TNotifyEvent& E) { FOnScroll = E; }
  const vcl::TNotifyEvent& GetOnStop() const { return FOnStop; }
  void SetOnStop(const vcl::TNotifyEvent& E) { FOnStop = E; }

 protected:
  void Loaded() override;
  void Paint() override;
  void BoundsChange(TZYLBoundsChangeStates State) override;
  void CMFontChanged(vcl::TMessage& Message);
  // Composes the current step in a working bitmap and copies it inside the bevel, raising
  // OnScroll between the two; false when the handler freed the control (nothing is drawn).
  bool PaintImage();

 private:
  bool CanDrawNow();
  // Measures the sizes CalculateDimensions asked for, once.
  void Measure() const;
  // Draws one line (marquee) or the ticker text into Rect of Canvas by the bold state.
  void DrawLine(vcl::TCanvas* Canvas, const std::string& Line, const vcl::TRect& Rect,
                bool Align, bool& Bold);

  vcl::TAlignment FAlignment = vcl::taCenter;
  std::unique_ptr<vcl::TBitmap> FBackBitmap;
  TZYLScrollDirection FDirection = sdBottomToTop;
  TZYLOwned<TZYL3DCaption> FFont3D;
  TZYLOwned<vcl::TStringList> FLines;
  bool FMakeVisible = true;
  bool FBackRefresh = false;
  bool FScroll = false;
  TZYLScrollStyle FScrollStyle = ssLoop;
  TZYLScrollMode FScrollMode = smMarquee;
  TZYLStepTimer FTimer{100, vcl::TNotifyEvent(this, &TZYLScrollText::GetTimer), [this] { Stop(); }};
  bool FTransparentOwn = false;
  int32_t FSteps = 100;
  int32_t FInnerWidth = 0;
  int32_t FInnerHeight = 0;
  // The sizes CalculateDimensions asks for, and whether they are up to date.
  mutable int32_t FTextHeight = 0;
  mutable int32_t FTextWidth = 0;
  mutable int32_t FLineHeight = 0;
  mutable bool FMeasured = false;
  int32_t FStepCounter = 0;
  int32_t FXOffset = 0;
  int32_t FYOffset = 0;
  TRunHook FRunHook = nullptr;
  void* FRunHookData = nullptr;

 protected:
  vcl::TNotifyEvent FOnStart;
  vcl::TNotifyEvent FOnStop;
  vcl::TNotifyEvent FOnScroll;
};

inline constexpr vcl::TUnitEntry ZYLScrollTextUnit =
    vcl::ClassesUnit<TZYLScrollText>("ZYLScrollText");

}  // namespace zyl
