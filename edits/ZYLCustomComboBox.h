// The base of the library's combo boxes, on the framework's combo box: its own border on the
// window's edge (a flat look with hot tracking, or a sunken one), an incremental search that
// completes the typed text after a pause on a light timer, a most-recently-used block of
// entries at the top of the list with a double separator line under it, a hand-over of the
// focus to another control after a selection or Enter, and the width of the dropped list.
// TZYLComboBox (ZYLComboBox.h) publishes it.
#pragma once

#include <memory>

#include "foundation/ZYLClass.h"
#include "platform/controls/StdCtrls.h"

namespace zyl {

class TZYLTimer;

class TZYLCustomComboBox : public vcl::TCustomComboBox {
  ZYL_CLASS(TZYLCustomComboBox, vcl::TCustomComboBox)
  ZYL_MESSAGES(TZYLCustomComboBox)
  // The indices of the shared Boolean and Integer setters.
  enum TBooleanProp : int { bpFlat, bpMRUList };
  enum TIntegerProp : int { ipDropDownWidth, ipMRUMax };
  // The pause a Backspace or Delete adds to Interval before the search runs.
  static constexpr int DeletePause = 1000;

  explicit TZYLCustomComboBox(vcl::TComponent* AOwner);
  ~TZYLCustomComboBox() override;

  // The About property the controls publish; it holds nothing.
  TZYLAboutVar About() const { return {}; }
  void SetAbout(const TZYLAboutVar&) {}

  bool GetBoolean(int Index) const { return Index == bpFlat ? FFlat : FMRUList; }
  // Flat repaints the border; MRUList off removes the block, on makes the items owner-drawn.
  void SetBoolean(int Index, bool Value);
  int32_t GetInteger(int Index) const {
    return Index == ipDropDownWidth ? FDropDownWidth : FMRUMax;
  }
  // DropDownWidth goes to the window at once; a lower MRUMax drops the oldest entries (a
  // negative one counts as 0: no block is kept).
  void SetInteger(int Index, int32_t Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value) { SetBoolean(bpFlat, Value); }
  bool MRUList() const { return FMRUList; }
  void SetMRUList(bool Value) { SetBoolean(bpMRUList, Value); }
  int32_t MRUMax() const { return FMRUMax; }
  void SetMRUMax(int32_t Value) { SetInteger(ipMRUMax, Value); }
  int32_t DropDownWidth() const { return FDropDownWidth; }
  void SetDropDownWidth(int32_t Value) { SetInteger(ipDropDownWidth, Value); }
  bool Search() const { return FSearch; }
  // Either change makes the list sorted (the search walks it in order).
  void SetSearch(bool Value);
  // The pause in milliseconds after the last key before the search runs.
  int32_t Interval() const { return FInterval; }
  void SetInterval(int32_t Value) { FInterval = Value; }
  bool UseGlobalTimer() const { return FUseGlobalTimer; }
  void SetUseGlobalTimer(bool Value) { FUseGlobalTimer = Value; }
  vcl::TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(vcl::TWinControl* Value);
  // The number of entries of the block now at the top of Items.
  int MRUCount() const { return FMRUCount; }
  bool isMRUItem(int Index) const { return Index >= 0 && Index < FMRUCount; }
  // Whether the search timer exists (from a key press until a search ran or the box was left).
  bool SearchPending() const { return FTimer != nullptr; }

  const vcl::TNotifyEvent& GetOnEditClick() const { return FOnEditClick; }
  void SetOnEditClick(const vcl::TNotifyEvent& Value) { FOnEditClick = Value; }

  // Paints the border on the window's edge (nothing while themes draw it); into `DC` when
  // given, whose origin stands at the client area's corner (a picture taken of the box).
  void RepaintBorder(win::HDC DC = nullptr);
  void Loaded() override;
  // The height stays the one of the field (the font's or the items' height), as the system's
  // combo keeps it; a simple combo takes any height.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

 protected:
  void CreateWnd() override;
  void ComboWndProc(vcl::TMessage& Message, win::HWND ComboWnd, win::WNDPROC ComboProc) override;
  void DrawItem(int Index, vcl::TRect Rect, vcl::TOwnerDrawState State) override;
  void MeasureItem(int Index, int& Height) override;
  // A selection changes the text: OnChange, as for typing; OnSelect comes from DoSelect.
  void Select() override { Change(); }
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, vcl::TShiftState Shift) override;
  // Fires OnSelect after the user chose an item.
  virtual void DoSelect();
  // Themes draw the border when the application asks for themed drawing of this kind.
  bool UseXP() const;
  // The clean-up on leaving: the flat look back unless the mouse or the focus is still here.
  void ExitCtrl();
  void CreateTimer();
  void FreeTimer();
  void DoTimerEvent(vcl::TObject* Sender);
  // The double line under the last entry of the block, drawn in the dropped list only.
  void PaintSeparatorLine(vcl::TRect Rect, int Index, vcl::TOwnerDrawState State);
  // The item's background as the library's combos draw it: highlight colours when selected,
  // the inactive-caption colour for a disabled box, else the Font's colour; then the fill.
  void PrepareItem(vcl::TRect Rect, vcl::TOwnerDrawState State);
  // Sets the items' height; the box's height (its field) follows.
  void ApplyItemHeight(int Value);
  // The items one pixel higher than the font's cell, at least 10 pixels, in a new window.
  void InitItemHeight();
  // The window of the top-level control of FocusControl (its ParentWindow, else its Handle).
  win::HWND GetTopParentHandleFocusCtrl() const;
  void CNCommand(vcl::TWMCommand& Message);
  void CMMouseEnter(vcl::TMessage& Message);
  void CMMouseLeave(vcl::TMessage& Message);
  void CMEnter(vcl::TMessage& Message);
  void CMExit(vcl::TMessage& Message);
  void WMPaint(vcl::TMessage& Message);
  void WMThemeChanged(vcl::TMessage& Message);

  std::unique_ptr<TZYLTimer> FTimer;
  std::unique_ptr<TZYLTimer> FSpentTimer;  // freed from its own tick: deleted later
  bool FInTimerEvent = false;
  bool FAdjusting = false;
  bool FEditFocused = false;
  bool FKeyNavigation = false;
  bool FSearch = false;
  bool FMouseInside = false;
  bool FExitPainting = false;
  bool FFlat = false;
  int32_t FDropDownWidth = 0;
  int32_t FInterval = 1500;
  vcl::TWinControl* FFocusControl = nullptr;
  int FMRUCount = 0;
  int32_t FMRUMax = 5;
  bool FMRUList = false;
  bool FUseGlobalTimer = false;

 private:
  void AddMRUEntry();
  // Moves the focus to FocusControl, in this window or another top-level one.
  void HandFocusOver();

 protected:
  vcl::TNotifyEvent FOnEditClick;
};

}  // namespace zyl
