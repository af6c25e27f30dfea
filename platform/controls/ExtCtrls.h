// TPanel (a bevelled container) and TTimer (a component firing OnTimer at an interval).
#pragma once

#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"

namespace vcl {

ZYL_ENUM(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace)

// Draws a 3D frame of Width pixels inside Rect (top-left in TopColor, bottom-right in
// BottomColor) and shrinks Rect by it.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);

class TCustomPanel : public TCustomControl {
  ZYL_CLASS(TCustomPanel, TCustomControl)
  ZYL_MESSAGES(TCustomPanel)
  explicit TCustomPanel(TComponent* AOwner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut Value);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut Value);
  int32_t BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int32_t Value);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle Value);
  void AdjustClientRect(TRect& Rect) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void CMTextChanged(TMessage& Message);

  TAlignment alignment_ = taCenter;
  TBevelCut bevelInner_ = bvNone;
  TBevelCut bevelOuter_ = bvRaised;
  int32_t bevelWidth_ = 1;
  TFormBorderStyle borderStyle_ = bsNone;
};

class TPanel : public TCustomPanel {
  ZYL_CLASS(TPanel, TCustomPanel)
  explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}
};

class TTimer : public TComponent {
  ZYL_CLASS(TTimer, TComponent)
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value);
  uint32_t Interval() const { return interval_; }
  void SetInterval(uint32_t Value);
  const TNotifyEvent& OnTimer() const { return onTimer_; }
  void SetOnTimer(const TNotifyEvent& Value);
  void Loaded() override;

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();
  static win::LRESULT TimerWndProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
  bool enabled_ = true;
  uint32_t interval_ = 1000;
  TNotifyEvent onTimer_;
  win::HWND window_ = nullptr;
  bool running_ = false;
};

}  // namespace vcl
