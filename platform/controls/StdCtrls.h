// A few standard controls for forms: TLabel (a graphic control showing text) and TButton (a
// windowed push button with default, cancel and modal-result behaviour).
#pragma once

#include <string>

#include "platform/controls/Controls.h"

namespace vcl {

ZYL_ENUM(TTextLayout, tlTop, tlCenter, tlBottom)

// Registers the framework's control classes for form streams (TForm, TPanel, TLabel,
// TButton, TTimer). Done at start-up as well; calling it again is harmless.
void RegisterStandardControls();

// True when Str marks Key as its accelerator ("&x", case-insensitive).
bool IsAccel(uint16_t Key, const std::string& Str);

class TCustomLabel : public TGraphicControl {
  ZYL_CLASS(TCustomLabel, TGraphicControl)
  ZYL_MESSAGES(TCustomLabel)
  explicit TCustomLabel(TComponent* AOwner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout Value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool Value);
  bool Transparent() const { return !controlStyle_.contains(csOpaque); }
  void SetTransparent(bool Value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool Value);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* Value);
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;

 protected:
  void Paint() override;
  void AdjustBounds();
  // Draws (or with DT_CALCRECT measures) the caption in Rect.
  void DoDrawText(TRect& Rect, uint32_t Flags);
  void CMTextChanged(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMDialogChar(TCMDialogChar& Message);

  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = true;
  TTextLayout layout_ = tlTop;
  bool showAccelChar_ = true;
  bool wordWrap_ = false;
  TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
  ZYL_CLASS(TLabel, TCustomLabel)
  explicit TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}
};

class TButton : public TCustomControl {
  ZYL_CLASS(TButton, TCustomControl)
  ZYL_MESSAGES(TButton)
  explicit TButton(TComponent* AOwner);

  void Click() override;
  bool Default() const { return default_; }
  void SetDefault(bool Value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool Value) { cancel_ = Value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult Value) { modalResult_ = Value; }
  // Whether Return presses this button (it is focused, or it is the default and no other
  // button is focused).
  bool IsActive() const { return active_; }
  bool Down() const { return down_; }

 protected:
  void Paint() override;
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void CMDialogKey(TCMDialogKey& Message);
  void CMDialogChar(TCMDialogChar& Message);
  void CMFocusChanged(TCMFocusChanged& Message);
  void CMTextChanged(TMessage& Message);
  void CMEnter(TMessage& Message);
  void CMExit(TMessage& Message);

  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;
  bool down_ = false;
  TModalResult modalResult_ = 0;
};

}  // namespace vcl
