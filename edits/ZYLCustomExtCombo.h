// TZYLCustomExtCombo: a mask edit with a drop-down button that pops up a windowed control under the
// edit, the way a combo box pops up its list. Descendants make the control (CreateControl) and
// say what opening, accepting and cancelling mean; this class owns the control, shows it as a
// top-most tool window of the desktop (above the edit near the bottom of the screen), passes the
// keys to it while it is open, and closes it: accepting on Enter, cancelling on Escape, focus
// loss, a click on the edit or elsewhere on the form, and cancel-mode messages.
//
// A click on the button while the control is open closes it and leaves it closed: the press
// closes it and marks it just closed, and the click that follows only clears the mark.
#pragma once

#include "edits/ZYLCustomMaskEdit.h"

namespace zyl {

// Asked before the control drops down; AllowDrop starts true.
using TZYLAllowDropEvent = vcl::TEvent<void(vcl::TObject* Sender, bool& AllowDrop)>;

class TZYLCustomExtCombo : public TZYLCustomMaskEdit {
  ZYL_CLASS(TZYLCustomExtCombo, TZYLCustomMaskEdit)
  ZYL_MESSAGES(TZYLCustomExtCombo)

  explicit TZYLCustomExtCombo(vcl::TComponent* AOwner);
  ~TZYLCustomExtCombo() override;

  bool DroppedDown() const { return FDroppedDown; }
  // Opens (also just after a close without accepting) or closes (without accepting) the control.
  void SetDroppedDown(bool Value);
  // The width descendants give the control (0: the edit's).
  int DropDownWidth() const { return FDropDownWidth; }
  void SetDropDownWidth(int Value) { FDropDownWidth = Value; }
  // The drop-down request of the button, F4 and Down.
  void DoDropDownClick(vcl::TObject* Sender = nullptr);
  // Closes an open control, accepting its choice or not; the edit takes the focus (unless
  // TakeFocus is false: the focus is going elsewhere).
  void Close(bool Accepting, bool TakeFocus = true);
  // Drops the control down.
  virtual void Open() { DoDropDownClick(); }
  virtual vcl::TWinControl* GetControl() { return FControl; }

  const TZYLAllowDropEvent& GetOnAllowDropDown() const { return FOnAllowDropDown; }
  void SetOnAllowDropDown(const TZYLAllowDropEvent& E) { FOnAllowDropDown = E; }
  const vcl::TNotifyEvent& GetOnBeforeDropDown() const { return FOnBeforeDropDown; }
  void SetOnBeforeDropDown(const vcl::TNotifyEvent& E) { FOnBeforeDropDown = E; }
  const vcl::TNotifyEvent& GetOnDropDownAccept() const { return FOnDropDownAccept; }
  void SetOnDropDownAccept(const vcl::TNotifyEvent& E) { FOnDropDownAccept = E; }
  const vcl::TNotifyEvent& GetOnDropDownCancel() const { return FOnDropDownCancel; }
  void SetOnDropDownCancel(const vcl::TNotifyEvent& E) { FOnDropDownCancel = E; }
  const vcl::TNotifyEvent& GetOnDropDown() const { return FOnDropDown; }
  void SetOnDropDown(const vcl::TNotifyEvent& E) { FOnDropDown = E; }

 protected:
  // Makes the control and stores it with SetControl.
  virtual void CreateControl() = 0;
  // After the control was made (once), and on every later drop-down.
  virtual void ModifyControl() {}
  virtual void ReModifyControl() {}
  // True, or what OnAllowDropDown answers.
  virtual bool CanDropDown();
  // After the control was shown.
  virtual void DisplayControl() {}
  virtual void BeforeDropDown();
  virtual void Cancel();
  virtual void Accept();
  virtual void DoDownKey() {}
  virtual void DoUpKey() {}
  virtual void Init() {}
  virtual void DropDown();

  // Makes the control, keeps it hidden on the edit and runs ModifyControl.
  void CreateAndSetup();
  void SetControl(vcl::TWinControl* Value) { FControl = Value; }

  void DoThemeChanged() override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;

  void WMGetDlgCodeCombo(vcl::TMessage& Message);
  void WMKeyDownCombo(vcl::TMessage& Message);
  void WMCharCombo(vcl::TMessage& Message);
  void WMKillFocusCombo(vcl::TMessage& Message);
  void WMCancelModeCombo(vcl::TMessage& Message);
  void CMCancelModeCombo(vcl::TMessage& Message);

 private:
  void DoBtnMouseDown(vcl::TObject* Sender, vcl::TMouseButton Button, vcl::TShiftState Shift, int X,
                      int Y);
  // Closes without accepting and forgets the just-closed mark (the focus stays where it goes).
  void CloseAndForget();
  void NewControlProc(vcl::TMessage& Message);
  // The drop-down control belongs to this edit (it, or a control on it).
  bool IsOwnControl(vcl::TControl* Control);

  bool FJustClosed = false;  // closed without accepting; the next request only clears it
  bool FDroppedDown = false;
  int FDropDownWidth = 0;
  vcl::TWndMethod FSavedProc;
  vcl::TWinControl* FControl = nullptr;

 protected:
  vcl::TNotifyEvent FOnDropDown;
  vcl::TNotifyEvent FOnDropDownCancel;

 protected:
  vcl::TNotifyEvent FOnDropDownAccept;
  vcl::TNotifyEvent FOnBeforeDropDown;

 protected:
  TZYLAllowDropEvent FOnAllowDropDown;
};

}  // namespace zyl
