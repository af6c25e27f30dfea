// The windowed push button: TZYLCustomButton is a focusable button drawn in one of the user
// button styles (the speed buttons' faces), with a glyph from its own bitmap or an image list,
// a modal result it hands to its form when clicked, and the Default (Return) and Cancel
// (Escape) roles of a dialog's buttons. It clicks on a mouse press released above it and on
// the space bar; with RepeatClick set, holding it down clicks again on a timer until it is
// released or hidden. TZYLButton publishes it.
#pragma once

#include <memory>

#include "buttons/ZYLAutoRepeat.h"
#include "foundation/ZYLCustomControl.h"
#include "foundation/ZYLOwned.h"
#include "platform/controls/Forms.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TBitmap;
}

namespace zyl {

class TZYLButtonLayout;
class TZYLFxCaption;

class TZYLCustomButton : public TZYLCustomControl {
  ZYL_CLASS(TZYLCustomButton, TZYLCustomControl)
  ZYL_MESSAGES(TZYLCustomButton)
  // The first repeat comes this much later than RepeatInterval.
  static constexpr int FirstRepeatDelay = TZYLAutoRepeat::FirstDelay;

  explicit TZYLCustomButton(vcl::TComponent* AOwner);
  ~TZYLCustomButton() override;
  // The About property the controls publish; it holds nothing.
  TZYLAboutVar About() const { return {}; }
  void SetAbout(const TZYLAboutVar&) {}

  vcl::TBitmap* GetGlyph() const { return FGlyph.get(); }
  // Copies the bitmap (null clears the glyph).
  void SetGlyph(vcl::TBitmap* Value);
  bool GetCtlXP() const override { return inherited::GetCtlXP(); }
  void SetCtlXP(bool Value) override;
  bool ControlSupportsXP() const override { return true; }
  // The face style, published as ButtonStyle.
  TZYLUserButtonStyle ExtStyle() const { return FExtStyle; }
  void SetExtStyle(TZYLUserButtonStyle Value);
  // Glyph and caption placement; copies Value's settings (nil leaves the button's own).
  TZYLButtonLayout* ButtonLayout() const { return FLayout.get(); }
  void SetButtonLayout(TZYLButtonLayout* Value);
  // The effect of the caption; copies Value's settings (nil leaves the button's own).
  TZYLFxCaption* FontFX() const { return FFontFX.get(); }
  void SetFontFX(TZYLFxCaption* Value);
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  vcl::TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(vcl::TModalResult Value) { FModalResult = Value; }
  bool RepeatClick() const { return FRepeatClick; }
  void SetRepeatClick(bool Value);
  int RepeatInterval() const { return FRepeatInterval; }
  // Milliseconds between repeated clicks (at least 1).
  void SetRepeatInterval(int Value);
  // Shows or hides the button; hiding releases a held button and stops its repeat.
  void SetVisible(bool Value) override;

  // Whether Return clicks this button now: it is focused, or it is the default button and no
  // other button has the focus.
  bool IsActive() const { return FActive; }
  // True while the left button holds the button down with the mouse above it.
  bool Held() const { return FHeld && FHeldOver; }
  bool Repeating() const;
  // The state the face shows now.
  TZYLButtonState ButtonState() const;
  void Click() override;

 protected:
  // Forms of an earlier version stored ButtonStyle as "ExtStyle".
  void DefineProperties(vcl::TFiler* Filer) override;
  void Paint() override;
  void KeyPress(char& Key) override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
  void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseExit() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  std::string GetXPMainThemeClass() override { return "BUTTON"; }
  // The image list's item when one is set, else Glyph.
  virtual vcl::TBitmap* ShownGlyph();
  // The see-through styles show what the parent supplies under the face.
  void PaintParentBack();
  void StopRepeat();
  void DoRepeat(vcl::TObject* Sender);
  void Release();
  void CMDialogKey(vcl::TCMDialogKey& Message);
  void CMDialogChar(vcl::TCMDialogChar& Message);
  void CMFocusChanged(vcl::TCMFocusChanged& Message);
  void CMEnabledChanged(vcl::TMessage& Message);
  void CMTextChanged(vcl::TMessage& Message);
  void CMEnter(vcl::TMessage& Message);
  void CMExit(vcl::TMessage& Message);
  void WMLButtonUp(vcl::TWMMouse& Message);

  TZYLOwned<vcl::TBitmap> FGlyph;
  std::unique_ptr<vcl::TBitmap> FListGlyph;
  TZYLOwned<TZYLButtonLayout> FLayout;
  TZYLOwned<TZYLFxCaption> FFontFX;
  TZYLAutoRepeat FRepeat{vcl::TNotifyEvent(this, &TZYLCustomButton::DoRepeat)};
  TZYLUserButtonStyle FExtStyle = ubsWin40;
  vcl::TModalResult FModalResult = vcl::mrNone;
  int FRepeatInterval = 100;
  bool FDefault = false;
  bool FCancel = false;
  bool FActive = false;
  bool FRepeatClick = false;
  bool FHeld = false;      // the left button went down on the button
  bool FHeldOver = false;  // ... and the mouse is above it
};

class TZYLButton : public TZYLCustomButton {
  ZYL_CLASS(TZYLButton, TZYLCustomButton)
  explicit TZYLButton(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLButtonUnit = vcl::ClassesUnit<TZYLButton>("ZYLButton");

}  // namespace zyl
