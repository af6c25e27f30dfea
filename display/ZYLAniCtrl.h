// TZYLAniCtrl: plays the images of one image-list entry (ListIndex) as the frames of an
// animation, from StartFrame to StopFrame, in one of six styles, driven by one of four timer
// kinds. The current frame is the control's ImageIndex. A transparent animation keeps a copy
// of the background under it and draws each frame over that copy.
#pragma once

#include <cstdint>
#include <memory>

#include "display/ZYLCustomLImage.h"
#include "foundation/ZYLTimer.h"
#include "platform/classes/Thread.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TBitmap;
}

namespace zyl {


// What happens when the running frame reaches the end it runs towards, and on Stop:
// asLoop         jump to the other end        / show the first frame
// asLoopHide     jump to the other end        / hide the control
// asLoopReverse  turn round                   / show the first frame
// asRepeat       Repetitions passes, then stop / the frame stays
// asRepeatFirst  stop                         / show the first frame
// asRepeatHide   stop                         / hide the control
ZYL_ENUM(TZYLAnimationStyle, asLoop, asLoopHide, asLoopReverse, asRepeat, asRepeatFirst,
         asRepeatHide)

class TZYLAniCtrl : public TZYLCustomLImage {
  ZYL_CLASS(TZYLAniCtrl, TZYLCustomLImage)
  ZYL_MESSAGES(TZYLAniCtrl)
  explicit TZYLAniCtrl(vcl::TComponent* AOwner);
  ~TZYLAniCtrl() override;

  // Index 0 Animate (starts or stops), 1 MakeVisible, 2 UseBitmap, 3 Reverse (stops first).
  // The indices of the animation's Boolean properties.
  enum TAniBoolProp : int { abAnimate, abMakeVisible, abUseBitmap, abReverse };
  bool GetAniBool(int Index) const;
  void SetAniBool(int Index, bool Value);
  bool Animate() const { return FAnimate; }
  bool MakeVisible() const { return FMakeVisible; }
  bool UseBitmap() const { return FUseBitmap; }
  bool Reverse() const { return FReverse; }

  TZYLTimerInterval Interval() const { return FTimer.Interval(); }
  // Values outside 1 .. 65535 are limited to the range; takes effect at the next start.
  void SetInterval(TZYLTimerInterval Value);
  uint8_t Repetitions() const { return FRepetitions; }
  // 0 is refused.
  void SetRepetitions(uint8_t Value);
  TZYLAnimationStyle AnimationStyle() const { return FAnimationStyle; }
  void SetAniStyle(TZYLAnimationStyle Value);
  int32_t StartFrame() const { return FStartFrame; }
  void SetStartFrame(int32_t Value);
  int32_t StopFrame() const { return FStopFrame; }
  void SetStopFrame(int32_t Value);
  vcl::TThreadPriority ThreadPriority() const { return FTimer.Priority(); }
  void SetThreadPriority(vcl::TThreadPriority Value) { FTimer.SetPriority(Value); }
  TZYLTimerMode TimerMode() const { return FTimer.Mode(); }
  void SetTimerMode(TZYLTimerMode Value);

  void Play();
  void Stop();
  // Shows frame Index while stopped (StartFrame <= Index <= StopFrame).
  void Move(int Index);
  void First();
  void Last();
  void Next();
  void Prev();
  // StopFrame when Reverse, else StartFrame; the last frame is the other one.
  int GetFirstFrame() const { return FReverse ? FStopFrame : FStartFrame; }
  int GetLastFrame() const { return FReverse ? FStartFrame : FStopFrame; }
  int GetCurrentFrame() const { return FImageIndex; }

  // True without a list, when the entry has no image or ImageIndex is no image of it.
  bool GetEmpty() override;
  void Invalidate() override;
  void BackUpdate() override;

  // The timers of the current mode (exactly one exists); for inspection.
  TZYLTimer* Timer() const { return FTimer.Timer(); }
  TZYLHiTimer* HiTimer() const { return FTimer.HiTimer(); }
  vcl::TBitmap* BackBitmap() const { return FBackBitmap.get(); }
  // The timer handler: one step of the animation.
  void GetTimer(vcl::TObject* Sender);

  const vcl::TNotifyEvent& GetOnStart() const { return FOnStart; }
  void SetOnStart(const vcl::TNotifyEvent& E) { FOnStart = E; }
  const vcl::TNotifyEvent& GetOnAnimate() const { return FOnAnimate; }
  void SetOnAnimate(const vcl::TNotifyEvent& E) { FOnAnimate = E; }
  const vcl::TNotifyEvent& GetOnStop() const { return FOnStop; }
  void SetOnStop(const vcl::TNotifyEvent& E) { FOnStop = E; }

 protected:
  void Loaded() override;
  void Paint() override;
  void BoundsChange(TZYLBoundsChangeStates State) override;
  void GetIMLChange(vcl::TObject* Sender) override;
  void CMTransparentChanged(vcl::TMessage& Message);

  // Draws the current frame inside the bevel; FireEvent raises OnAnimate first (a handler that
  // frees the control leaves nothing to draw).
  void PaintImage(bool FireEvent);

 private:
  // Shows the current frame now when the control is on screen (PaintImage, or a full repaint
  // for a transparent control without UseBitmap); FireEvent raises OnAnimate in both cases.
  void ShowFrame(bool FireEvent);
  // The style's action at the end of a pass; false when the animation stopped.
  bool EndReached();
  // Brings the frames in order after one of them was set to Value.
  bool OrderFrames(int32_t Value, int32_t Other);

  std::unique_ptr<vcl::TBitmap> FBackBitmap;
  bool FBackRefresh = false;
  vcl::TPoint FBackOrigin{0, 0};  // the control point the back bitmap's corner shows
  bool FMakeVisible = true;
  bool FForward = true;
  bool FUseBitmap = true;
  bool FReverse = false;
  bool FAnimate = false;
  TZYLAnimationStyle FAnimationStyle = asLoop;
  int32_t FStartFrame = 0;
  int32_t FStopFrame = 0;
  uint8_t FRepetitions = 1;
  uint8_t FPassCount = 0;
  TZYLStepTimer FTimer{200, vcl::TNotifyEvent(this, &TZYLAniCtrl::GetTimer), [this] { Stop(); }};
  int FFrameListIndex = 0;  // the entry the frames were last taken from
  bool FInLoaded = false;

 protected:
  vcl::TNotifyEvent FOnStart;
  vcl::TNotifyEvent FOnStop;
  vcl::TNotifyEvent FOnAnimate;
};

inline constexpr vcl::TUnitEntry ZYLAniCtrlUnit = vcl::ClassesUnit<TZYLAniCtrl>("ZYLAniCtrl");

}  // namespace zyl
