// Controls showing or choosing a value in a range: TProgressBar (a bar filled up to Position),
// TTrackBar (a thumb slid along a channel with tick marks) and TUpDown (a pair of arrow buttons
// that step a value, optionally shown in an associated edit).
#pragma once

#include "platform/controls/Controls.h"

namespace vcl {

ZYL_ENUM(TProgressBarOrientation, pbHorizontal, pbVertical)
ZYL_ENUM(TTrackBarOrientation, trHorizontal, trVertical)
ZYL_ENUM(TTickMark, tmBottomRight, tmTopLeft, tmBoth)
ZYL_ENUM(TTickStyle, tsNone, tsAuto, tsManual)
ZYL_ENUM(TUDAlignButton, udLeft, udRight)
ZYL_ENUM(TUDOrientation, udHorizontal, udVertical)
ZYL_ENUM(TUDBtnType, btNext, btPrev)
using TUDClickEvent = TEvent<void(TObject* Sender, TUDBtnType Button)>;
using TUDChangingEvent = TEvent<void(TObject* Sender, bool& AllowChange)>;

// What the progress bar and the track bar share: a Position kept within Min..Max. Min above Max
// raises EInvalidOperation naming the bar's class; while the bar loads they are taken as they
// come (a form file sets them one after the other) and checked once it is loaded.
class TRangeControl : public TCustomControl {
 public:
  int32_t Min() const { return min_; }
  void SetMin(int32_t Value);
  int32_t Max() const { return max_; }
  void SetMax(int32_t Value);
  int32_t Position() const { return position_; }
  // A damaged file's Min above Max leaves an empty range at Min, and raises.
  void Loaded() override;

 protected:
  TRangeControl(TComponent* AOwner, int32_t AMax) : TCustomControl(AOwner), max_(AMax) {}

  int32_t min_ = 0, max_, position_ = 0;

 private:
  void CheckRange(int32_t AMin, int32_t AMax) const;
  // Brings Position into the range after Min or Max changed, and repaints.
  void RangeChanged();
};

class TProgressBar : public TRangeControl {
  ZYL_CLASS(TProgressBar, TCustomControl)
  explicit TProgressBar(TComponent* AOwner);

  // Kept within Min..Max.
  void SetPosition(int32_t Value);
  int32_t Step() const { return step_; }
  void SetStep(int32_t Value) { step_ = Value; }
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool Value);
  TProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation Value);
  // Moves on by Step; past Max the bar starts over from Min.
  void StepIt();
  // The filled part of the client area.
  TRect BarRect();

 protected:
  void Paint() override;

  int32_t step_ = 10;
  bool smooth_ = false;
  TProgressBarOrientation orientation_ = pbHorizontal;
};

class TTrackBar : public TRangeControl {
  ZYL_CLASS(TTrackBar, TCustomControl)
  ZYL_MESSAGES(TTrackBar)
  explicit TTrackBar(TComponent* AOwner);

  // Kept within Min..Max; a change tells OnChange.
  void SetPosition(int32_t Value);
  int32_t Frequency() const { return frequency_; }
  void SetFrequency(int32_t Value);
  int32_t LineSize() const { return lineSize_; }
  void SetLineSize(int32_t Value) { lineSize_ = Value; }
  int32_t PageSize() const { return pageSize_; }
  void SetPageSize(int32_t Value) { pageSize_ = Value; }
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation Value);
  TTickMark TickMarks() const { return tickMarks_; }
  void SetTickMarks(TTickMark Value);
  TTickStyle TickStyle() const { return tickStyle_; }
  void SetTickStyle(TTickStyle Value);
  int32_t SelStart() const { return selStart_; }
  void SetSelStart(int32_t Value);
  int32_t SelEnd() const { return selEnd_; }
  void SetSelEnd(int32_t Value);
  int32_t ThumbLength() const { return thumbLength_; }
  void SetThumbLength(int32_t Value);
  bool SliderVisible() const { return sliderVisible_; }
  void SetSliderVisible(bool Value);
  // With tsManual, ticks at the values given here (besides the ends).
  void SetTick(int Value);
  // The groove the thumb runs in, the thumb, and the pixel (along the channel) of a value.
  TRect ChannelRect();
  TRect ThumbRect();
  int PixelOf(int32_t Value);
  int32_t ValueAt(int Pixel);
  // The length of the track the thumb's centre moves along.
  int TrackSpan() const;

  TNotifyEvent OnChange;
  const TNotifyEvent& GetOnChange() const { return OnChange; }
  void SetOnChange(const TNotifyEvent& E) { OnChange = E; }

 protected:
  void Paint() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WMGetDlgCode(TMessage& Message);
  void CMFocusChanged(TCMFocusChanged& Message);
  void CMEnabledChanged(TMessage& Message);
  bool Horizontal() const { return orientation_ == trHorizontal; }
  // Ticks drawn along one side of the channel.
  void DrawTicks(bool Before);
  // The classic thumb pointing at its ticks.
  void DrawPointedThumb(const TRect& Thumb);

  int32_t frequency_ = 1;
  int32_t lineSize_ = 1, pageSize_ = 2, selStart_ = 0, selEnd_ = 0, thumbLength_ = 20;
  TTrackBarOrientation orientation_ = trHorizontal;
  TTickMark tickMarks_ = tmBottomRight;
  TTickStyle tickStyle_ = tsAuto;
  bool sliderVisible_ = true;
  std::vector<int> ticks_;
  bool dragging_ = false;
  int dragOffset_ = 0;
};

class TUpDown : public TCustomControl {
  ZYL_CLASS(TUpDown, TCustomControl)
  ZYL_MESSAGES(TUpDown)
  explicit TUpDown(TComponent* AOwner);
  ~TUpDown() override;

  // The control placed beside the buttons, showing Position as its text.
  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* Value);
  TUDAlignButton AlignButton() const { return alignButton_; }
  void SetAlignButton(TUDAlignButton Value);
  // Up and down arrows in the associated control step the value.
  bool ArrowKeys() const { return arrowKeys_; }
  void SetArrowKeys(bool Value) { arrowKeys_ = Value; }
  int32_t Increment() const { return increment_; }
  void SetIncrement(int32_t Value) { increment_ = Value; }
  // Min may lie above Max: then the up button counts down.
  int16_t Min() const { return min_; }
  void SetMin(int16_t Value);
  int16_t Max() const { return max_; }
  void SetMax(int16_t Value);
  int16_t Position() const { return position_; }
  void SetPosition(int16_t Value);
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation Value);
  bool Thousands() const { return thousands_; }
  void SetThousands(bool Value);
  bool Wrap() const { return wrap_; }
  void SetWrap(bool Value) { wrap_ = Value; }
  // Which button the mouse holds (-1: none; btNext, btPrev).
  int PressedButton() const { return pressed_; }
  // Steps the value as a click on Button does (asks OnChanging, then tells OnClick).
  void Step(TUDBtnType Button);

  TUDClickEvent OnClick;
  TUDChangingEvent OnChanging;
  const TUDClickEvent& GetOnClick() const { return OnClick; }
  void SetOnClick(const TUDClickEvent& E) { OnClick = E; }
  const TUDChangingEvent& GetOnChanging() const { return OnChanging; }
  void SetOnChanging(const TUDChangingEvent& E) { OnChanging = E; }

  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WMTimer(TMessage& Message);
  void CMEnabledChanged(TMessage& Message);
  // The button under a client point.
  TUDBtnType ButtonAt(int X, int Y);
  TRect ButtonRect(TUDBtnType Button);
  void UpdateAssociate();
  void PlaceBesideAssociate();
  void AssociateProc(TMessage& Message);
  void Unhook();

  TWinControl* associate_ = nullptr;
  TWndMethod oldAssociateProc_;
  TUDAlignButton alignButton_ = udRight;
  bool arrowKeys_ = true;
  int32_t increment_ = 1;
  int16_t min_ = 0, max_ = 100, position_ = 0;
  TUDOrientation orientation_ = udVertical;
  bool thousands_ = true;
  bool wrap_ = false;
  int pressed_ = -1;
  bool repeating_ = false;
};

}  // namespace vcl
