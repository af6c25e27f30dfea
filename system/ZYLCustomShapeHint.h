// TZYLCustomShapeHint: the shape settings of the balloon hints (border colour, the balloon's
// side of its point, the shape, the shadow) and the close notification their windows fire.
#pragma once

#include <memory>

#include "platform/classes/Events.h"
#include "system/ZYLCustomHint.h"

namespace zyl {

class TZYLShadow;
class TZYLShapeHintWindow;

// The balloon's side of its point.
ZYL_ENUM(TZYLHintPosition, hpAboveLeft, hpAboveRight, hpBelowLeft, hpBelowRight)
ZYL_ENUM(TZYLHintStyle, hsRect, hsRoundRect, hsEllipse, hsNoseRect, hsNoseRoundRect,
         hsNoseEllipse)

class TZYLCustomShapeHint : public TZYLCustomHint {
  ZYL_CLASS(TZYLCustomShapeHint, TZYLCustomHint)
  explicit TZYLCustomShapeHint(vcl::TComponent* AOwner);
  ~TZYLCustomShapeHint() override;

  vcl::TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(vcl::TColor Value) { FBorderColor = Value; }
  TZYLHintPosition Position() const { return FPosition; }
  void SetPosition(TZYLHintPosition Value) { FPosition = Value; }
  TZYLHintStyle Style() const { return FStyle; }
  void SetStyle(TZYLHintStyle Value) { FStyle = Value; }
  // The owned shadow; the setter copies.
  TZYLShadow* Shadow() const { return FShadow.get(); }
  void SetShadow(TZYLShadow* Value);
  // Whether a balloon shown on demand takes the mouse capture and closes at the first click
  // or key press (published by the message hint only).
  bool SetCapture() const { return FSetCapture; }
  void SetSetCapture(bool Value) { FSetCapture = Value; }

  // Fired when a balloon drawn with these settings closes.
  const vcl::TNotifyEvent& GetOnCloseHintWindow() const { return FOnCloseHintWindow; }
  void SetOnCloseHintWindow(const vcl::TNotifyEvent& E) { FOnCloseHintWindow = E; }

 protected:
  // The window of the message hint (nil when none is shown).
  TZYLShapeHintWindow* FMessageWindow = nullptr;

 private:
  vcl::TColor FBorderColor = 0;
  TZYLHintPosition FPosition = hpAboveRight;
  TZYLHintStyle FStyle = hsNoseRoundRect;
  std::unique_ptr<TZYLShadow> FShadow;
  bool FSetCapture = true;

 protected:
  vcl::TNotifyEvent FOnCloseHintWindow;
};

}  // namespace zyl
