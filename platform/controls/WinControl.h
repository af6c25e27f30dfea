// TWinControl: a window created on demand, children, alignment, focus, tab order, keys and
// the painting of graphic children.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/Control.h"

namespace vcl {

class TWinControl : public TControl {
  ZYL_CLASS(TWinControl, TControl)
  ZYL_MESSAGES(TWinControl)
  explicit TWinControl(TComponent* AOwner);
  // A control whose window is a child of a foreign window (no parent control).
  static TWinControl* CreateParented(TClass cls, win::HWND ParentWindow);
  ~TWinControl() override;

  void DefaultHandler(void* Message) override;

  // ---- Window ----
  win::HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded();
  win::HWND ParentWindow() const { return parentWindow_; }
  void SetParentWindow(win::HWND Value);
  // Destroys the window and makes a new one with the control's state.
  void RecreateWnd();
  // Whether the window is shown (the control and its parents visible with windows).
  bool Showing() const { return showing_; }
  // The window that belongs to a control, null for none.
  static TWinControl* FindControl(win::HWND Handle);

  // ---- Children ----
  int ControlCount() const { return static_cast<int>(controls_.size() + winControls_.size()); }
  TControl* Controls(int Index) const;
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  bool ContainsControl(TControl* Control) const;
  // The topmost child at a client position (graphic controls below windowed ones; with
  // AllowDisabled also disabled ones).
  TControl* ControlAtPos(const TPoint& Pos, bool AllowDisabled, bool AllowWinControls = true);
  void Broadcast(TMessage& Message);
  void NotifyControls(UINT Msg);
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  void SetChildOrder(TComponent* Child, int Order) override;
  TComponent* GetChildParent() override { return this; }

  // ---- Alignment ----
  void DisableAlign();
  void EnableAlign();
  void Realign();
  int32_t BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int32_t Value);

  // ---- Focus and tabs ----
  virtual bool CanFocus();
  virtual bool Focused();
  virtual void SetFocus();
  int32_t TabOrder() const;
  void SetTabOrder(int32_t Value);
  bool TabStop() const { return tabStop_; }
  // Kept for the streams; the window system has no input methods.
  TImeMode ImeMode() const { return imeMode_; }
  void SetImeMode(TImeMode Value) { imeMode_ = Value; }
  const TImeName& ImeName() const { return imeName_; }
  void SetImeName(const TImeName& Value) { imeName_ = Value; }
  void SetTabStop(bool Value);
  // The controls in tab order, walking nested containers.
  void GetTabOrderList(std::vector<TWinControl*>& List);
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                               bool CheckParent);
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

  // ---- Look ----
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool Value);
  bool ParentCtl3D() const { return parentCtl3D_; }
  void SetParentCtl3D(bool Value);
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool Value) { doubleBuffered_ = Value; }
  TBrush* Brush() const { return brush_; }
  bool IsCtl3DStored() const { return !parentCtl3D_; }

  // ---- Painting ----
  void Invalidate() override;
  void Update() override;
  void Repaint() override;
  // Paints the graphic children (from First on, or all) on DC.
  void PaintControls(win::HDC DC, TControl* First);
  void PaintTo(win::HDC DC, int X, int Y);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  TRect GetClientRect() override;
  TPoint ClientOrigin() override;
  void SetParent(TWinControl* AParent) override;
  void SetEnabled(bool Value) override;
  void ReadState(TReader* Reader) override;
  // Moves the children that read a tab order to the places they read, in the order of those
  // numbers; the others keep their order among themselves.
  void FixupTabList();
  void Loaded() override;
  void ChangeScale(int M, int D) override;
  // The children take their anchor rules again against the present client size (after the
  // children and the control were scaled together, which moved neither against the other).
  void UpdateChildAnchorRules();
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // ---- Events ----
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  const TNotifyEvent& GetOnEnter() const { return OnEnter; }
  void SetOnEnter(const TNotifyEvent& E) { OnEnter = E; }
  const TNotifyEvent& GetOnExit() const { return OnExit; }
  void SetOnExit(const TNotifyEvent& E) { OnExit = E; }
  const TKeyEvent& GetOnKeyDown() const { return OnKeyDown; }
  void SetOnKeyDown(const TKeyEvent& E) { OnKeyDown = E; }
  const TKeyPressEvent& GetOnKeyPress() const { return OnKeyPress; }
  void SetOnKeyPress(const TKeyPressEvent& E) { OnKeyPress = E; }
  const TKeyEvent& GetOnKeyUp() const { return OnKeyUp; }
  void SetOnKeyUp(const TKeyEvent& E) { OnKeyUp = E; }

  void WndProc(TMessage& Message) override;

  virtual void AlignControls(TControl* AControl, TRect& Rect);
  virtual void AdjustClientRect(TRect& Rect);
  void AlignControl(TControl* AControl);

 protected:
  virtual void CreateParams(TCreateParams& Params);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& Params);
  virtual void DestroyWnd();
  virtual void DestroyWindowHandle();
  virtual void CreateHandle();
  virtual void DestroyHandle();
  void UpdateShowing();
  void UpdateControlState();
  virtual void PaintWindow(win::HDC DC);
  void PaintHandler(TWMPaint& Message);
  virtual void DoEnter();
  virtual void DoExit();
  virtual void KeyDown(uint16_t& Key, TShiftState Shift);
  virtual void KeyUp(uint16_t& Key, TShiftState Shift);
  virtual void KeyPress(char& Key);
  bool DoKeyDown(TWMKey& Message);
  bool DoKeyUp(TWMKey& Message);
  bool DoKeyPress(TWMKey& Message);
  void FontChanged(TObject* Sender) override;
  void UpdateBoundsRect(const TRect& R) override;
  void StoreText(const TCaption& Value) override;
  void SetZOrderPosition(TControl* AControl, int Position);
  // Keeps alignWork_ in step with AControl after its alignment or anchors changed; Worked is
  // what NeedsAlignWork said before.
  void AlignWorkChanged(TControl* AControl, bool Worked);
  // The children of alignWork_ in the order of Controls(i).
  std::vector<TControl*> AlignWorkInOrder();
  // Saved while the window is recreated.
  struct TSavedState;

  void WMPaint(TWMPaint& Message);
  void WMEraseBkgnd(TWMEraseBkgnd& Message);
  void WMSetFocus(TWMSetFocus& Message);
  void WMKillFocus(TWMKillFocus& Message);
  void WMKeyDown(TWMKey& Message);
  void WMKeyUp(TWMKey& Message);
  void WMChar(TWMKey& Message);
  void WMSysKeyDown(TWMKey& Message);
  void WMSize(TWMSize& Message);
  void WMWindowPosChanged(TWMWindowPosMsg& Message);
  void WMNCHitTest(TWMNCHitTest& Message);
  void WMSetCursor(TWMSetCursor& Message);
  void WMNCDestroy(TMessage& Message);
  void WMMouseLeave(TMessage& Message);
  void WMCommand(TWMCommand& Message);
  // WM_HSCROLL / WM_VSCROLL of a child scroll bar go back to its control as CN_HSCROLL /
  // CN_VSCROLL.
  void WMScroll(TMessage& Message);
  // WM_CTLCOLOR* of a child window go back to its control as CN_CTLCOLOR*.
  void WMCtlColor(TMessage& Message);
  void WMDrawItem(TMessage& Message);
  void WMMeasureItem(TMessage& Message);
  void WMGetDlgCode(TMessage& Message);
  void CMEnter(TMessage& Message);
  void CMExit(TMessage& Message);
  void CMChildKey(TMessage& Message);
  void CMDialogKey(TCMDialogKey& Message);
  void CMDialogChar(TCMDialogChar& Message);
  void CMFocusChanged(TCMFocusChanged& Message);
  void CMShowingChanged(TMessage& Message);
  void CMVisibleChanged(TMessage& Message);
  void CMEnabledChanged(TMessage& Message);
  void CMColorChanged(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMCtl3DChanged(TMessage& Message);
  void CMParentCtl3DChanged(TMessage& Message);
  void CMShowHintChanged(TMessage& Message);
  void CMBiDiModeChanged(TMessage& Message);
  void WMGetMinMaxInfo(TMessage& Message);
  void CMSysColorChange(TMessage& Message);
  // The system tells the top-level windows of its changes; the controls hear them as the
  // framework's own messages (colours, settings, the font table, the time), passed down to
  // every child control.
  void WMSystemChange(TMessage& Message);
  void CMSystemChange(TMessage& Message);
  void CMRecreateWnd(TMessage& Message);
  void CMTextChanged(TMessage& Message);
  void CNKeyDown(TWMKey& Message);
  // A graphic child under the point hears the context menu first.
  void WMContextMenu(TMessage& Message);
  // The shortcuts of the popup menus of this control and its parents, then of the form.
  bool IsMenuKey(TWMKey& Message);
  void CNChar(TWMKey& Message);

  win::HWND handle_ = nullptr;
  win::HWND parentWindow_ = nullptr;
  win::WNDPROC defWndProc_ = nullptr;
  std::vector<TControl*> controls_;        // graphic children, in z-order (bottom first)
  std::vector<TWinControl*> winControls_;  // windowed children, in z-order
  std::vector<TWinControl*> tabList_;
  int alignLevel_ = 0;
  // The children for which NeedsAlignWork holds (in no order: AlignControls sorts them by
  // childKey_), so that aligning walks them and not every child.
  std::vector<TControl*> alignWork_;
  uint64_t nextChildKey_ = 0;
  bool childKeysStale_ = false;  // a z-order change left the keys out of order
  // A child stopped being aligned or anchored since the last full alignment: the others may
  // have room to take.
  bool alignWorkLeft_ = false;
  int32_t borderWidth_ = 0;
  bool tabStop_ = false;
  TImeMode imeMode_ = imDontCare;
  TImeName imeName_;
  bool ctl3D_ = true;
  bool parentCtl3D_ = true;
  bool doubleBuffered_ = false;
  bool showing_ = false;
  TBrush* brush_;
  int32_t pendingTabOrder_ = -1;  // the tab order read from a stream, -1 when none was read
  // Set while CreateParams only serves to measure the frame (no windows are made then).
  bool paramsForMetrics_ = false;

  friend class TControl;
  friend class TCustomForm;
  friend class TApplication;
  friend win::LRESULT ControlWndProc(win::HWND, UINT, WPARAM, LPARAM);
};

}  // namespace vcl
