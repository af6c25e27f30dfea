// The framework's common controls: tab controls and page controls with their tab sheets, the
// status bar, the header control, progress bars, track bars and up-down buttons, the month
// calendar and the date and time picker, and the animation control that plays AVI clips.
#pragma once

#include <memory>
#include <string>

#include "platform/controls/CustomControl.h"
#include "platform/graphics/AviReader.h"
#include "platform/graphics/Bitmap.h"

#include "platform/controls/DateCtrls.h"
#include "platform/controls/HeaderCtrls.h"
#include "platform/controls/RangeCtrls.h"
#include "platform/controls/StatusBars.h"
#include "platform/controls/TabCtrls.h"

namespace vcl {

// Plays the frames of an AVI clip (uncompressed or RLE-coded bitmaps) on the virtual clock, one
// frame per the clip's frame time. Frames count from 1. Opening sizes the control to the
// clip's frames. While a form file loads, Open and Active take effect once it has loaded.
class TAnimate : public TCustomControl {
  ZYL_CLASS(TAnimate, TCustomControl)
  ZYL_MESSAGES(TAnimate)
  explicit TAnimate(TComponent* AOwner);
  ~TAnimate() override;

  const std::string& FileName() const { return fileName_; }
  // An open clip is read again from the new file.
  void SetFileName(const std::string& Value);
  // Opening reads the whole file (EFOpenError when it cannot be opened, EAviError when it is
  // not a clip this control plays) and fires OnOpen; closing stops playing.
  bool Open() const { return clip_ != nullptr; }
  void SetOpen(bool Value);
  // Playing StartFrame .. StopFrame Repetitions times (0: until stopped).
  bool Active() const { return active_; }
  void SetActive(bool Value);
  int FrameCount() const { return clip_ ? clip_->FrameCount() : 0; }
  int FrameWidth() const { return clip_ ? clip_->Width() : 0; }
  int FrameHeight() const { return clip_ ? clip_->Height() : 0; }
  // The frame shown (0 while no clip is open).
  int CurrentFrame() const { return clip_ ? current_ : 0; }
  int StartFrame() const { return startFrame_; }
  // While a clip is open and not playing, the control shows the new start frame.
  void SetStartFrame(int Value);
  // 0: the last frame.
  int StopFrame() const { return stopFrame_; }
  void SetStopFrame(int Value);
  int Repetitions() const { return repetitions_; }
  void SetRepetitions(int Value);

  // Opens the clip when needed and plays FromFrame .. ToFrame Count times (0: until stopped);
  // frames outside 1 .. FrameCount, or FromFrame after ToFrame, raise EInvalidOperation.
  void Play(int FromFrame, int ToFrame, int Count);
  // Stops playing, the frame shown stays; fires OnStop when it was playing.
  void Stop();
  // Stops playing and shows Frame.
  void Seek(int Frame);
  void Reset() { Seek(1); }

  const TNotifyEvent& OnOpen() const { return onOpen_; }
  void SetOnOpen(const TNotifyEvent& Value) { onOpen_ = Value; }
  const TNotifyEvent& OnStart() const { return onStart_; }
  void SetOnStart(const TNotifyEvent& Value) { onStart_ = Value; }
  const TNotifyEvent& OnStop() const { return onStop_; }
  void SetOnStop(const TNotifyEvent& Value) { onStop_ = Value; }

  void Loaded() override;

 protected:
  void Paint() override;
  void WMTimer(TMessage& Message);

 private:
  void OpenClip();
  void CloseClip();
  void CheckFrame(int Frame) const;
  void ShowFrame(int Frame);
  std::string fileName_;
  std::unique_ptr<TAviClip> clip_;
  TBitmap frame_;
  int drawn_ = 0;  // the frame in frame_ (0: none)
  int current_ = 1;
  bool active_ = false;
  bool openWhenLoaded_ = false;
  bool activeWhenLoaded_ = false;
  int startFrame_ = 1;
  int stopFrame_ = 0;
  int repetitions_ = 0;
  int from_ = 1, to_ = 1, count_ = 0, played_ = 0;
  TNotifyEvent onOpen_, onStart_, onStop_;
};

// Registers the common control classes for form streams. Done at start-up as well; calling
// it again is harmless.
void RegisterCommonControls();

}  // namespace vcl
