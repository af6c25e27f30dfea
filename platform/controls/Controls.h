// The control classes: TControl (position, alignment, visibility, colour and font with parent
// inheritance, mouse events), TWinControl (a window created on demand, children, focus, tab
// order, keys, painting of graphic children), TGraphicControl (painted on its parent's
// surface), TCustomControl (a window with a canvas and Paint) and TControlCanvas.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Events.h"
#include "platform/controls/Messages.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/user/WinUser.h"

namespace vcl {

class TControl;
class TWinControl;
class TCustomForm;

ZYL_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient)
using TAlignSet = TSet<TAlign>;
ZYL_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)
ZYL_ENUM(TShiftStateItem, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble)
using TShiftState = TSet<TShiftStateItem>;
ZYL_ENUM(TDragMode, dmManual, dmAutomatic)
ZYL_ENUM(TDragState, dsDragEnter, dsDragLeave, dsDragMove)
ZYL_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)
ZYL_ENUM(TAnchorKind, akLeft, akTop, akRight, akBottom)
using TAnchors = TSet<TAnchorKind>;
ZYL_ENUM(TBiDiMode, bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly)
ZYL_ENUM(TDragKind, dkDrag, dkDock)
ZYL_ENUM(TControlStyleItem, csAcceptsControls, csCaptureMouse, csDesignInteractive,
         csClickEvents, csFramed, csSetCaption, csOpaque, csDoubleClicks, csFixedWidth,
         csFixedHeight, csNoDesignVisible, csReplicatable, csNoStdEvents, csDisplayDragImage,
         csReflector, csActionClient, csMenuEvents)
using TControlStyle = TSet<TControlStyleItem>;
ZYL_ENUM(TControlStateItem, csLButtonDown, csClicked, csPalette, csReadingState,
         csAlignmentNeeded, csFocusing, csCreating, csPaintCopy, csCustomPaint,
         csDestroyingHandle, csDocking)
using TControlState = TSet<TControlStateItem>;

using TCaption = std::string;
using TModalResult = int32_t;

// Event types of the controls.
using TMouseEvent = TEvent<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TEvent<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = TEvent<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = TEvent<void(TObject* Sender, char& Key)>;
using TMouseWheelEvent = TEvent<void(TObject* Sender, TShiftState Shift, int WheelDelta,
                                     TPoint MousePos, bool& Handled)>;
using TDragOverEvent = TEvent<void(TObject* Sender, TObject* Source, int X, int Y,
                                   TDragState State, bool& Accept)>;
using TDragDropEvent = TEvent<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TEndDragEvent = TEvent<void(TObject* Sender, TObject* Target, int X, int Y)>;
using TStartDragEvent = TEvent<void(TObject* Sender, TObject*& DragObject)>;
class TDragDockObject;
using TStartDockEvent = TEvent<void(TObject* Sender, TDragDockObject*& DragObject)>;
// Docking ends with the same arguments as dragging: the target (or null) and the position.
using TEndDockEvent = TEndDragEvent;
// The window procedure of a control: its WindowProc, which may be replaced and chained.
using TWndMethod = TEvent<void(TMessage& Message)>;

// The anchors an alignment implies: the sides an aligned control keeps at the parent's edges.
TAnchors AnchorAlign(TAlign Value);

// What a dock operation would carry. There is no docking here: the class exists for the
// signature of OnStartDock, whose handlers may hand one out.
class TDragDockObject : public TObject {
  ZYL_CLASS(TDragDockObject, TObject)
  explicit TDragDockObject(TControl* AControl) : control_(AControl) {}
  TControl* Control() const { return control_; }

 private:
  TControl* control_;
};

// The size limits of a control (0 = no limit), published as "Constraints". Setting a maximum
// below the minimum lowers the minimum, and a minimum above the maximum raises the maximum.
// Negative sizes raise ERangeError. Every change fires OnChange (the control re-applies them).
class TSizeConstraints : public TPersistent {
  ZYL_CLASS(TSizeConstraints, TPersistent)
  explicit TSizeConstraints(TControl* Control = nullptr) : control_(Control) {}

  TControl* Control() const { return control_; }
  int32_t MaxHeight() const { return maxHeight_; }
  int32_t MaxWidth() const { return maxWidth_; }
  int32_t MinHeight() const { return minHeight_; }
  int32_t MinWidth() const { return minWidth_; }
  // Index 0 MaxHeight, 1 MaxWidth, 2 MinHeight, 3 MinWidth.
  void SetConstraints(int Index, int32_t Value);
  void SetMaxHeight(int32_t Value) { SetConstraints(0, Value); }
  void SetMaxWidth(int32_t Value) { SetConstraints(1, Value); }
  void SetMinHeight(int32_t Value) { SetConstraints(2, Value); }
  void SetMinWidth(int32_t Value) { SetConstraints(3, Value); }
  void Assign(TPersistent* Source) override;

  TNotifyEvent OnChange;
  const TNotifyEvent& GetOnChange() const { return OnChange; }
  void SetOnChange(const TNotifyEvent& E) { OnChange = E; }

 protected:
  virtual void Change();

 private:
  TControl* control_;
  int32_t maxHeight_ = 0;
  int32_t maxWidth_ = 0;
  int32_t minHeight_ = 0;
  int32_t minWidth_ = 0;
};

// Shift state from the key flags of a mouse message, and from the keyboard.
TShiftState KeysToShiftState(uint32_t Keys);
TShiftState KeyDataToShiftState(int32_t KeyData);
TShiftState KeyboardStateToShiftState();

// What CreateParams fills in for CreateWnd.
struct TCreateParams {
  std::string Caption;
  uint32_t Style = 0;
  uint32_t ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  win::HWND WndParent = nullptr;
  void* Param = nullptr;
  win::WNDCLASSA WindowClass;
  std::string WinClassName;
};

// A canvas on the device context of a control: its own window's context for windowed
// controls, the parent's (offset and clipped to the control) for graphic ones.
class TControlCanvas : public TCanvas {
  ZYL_CLASS(TControlCanvas, TCanvas)
  TControlCanvas();
  ~TControlCanvas() override;

  TControl* Control() const { return control_; }
  void SetControl(TControl* Value);
  // Releases the context taken by CreateHandle (the context of a paint cycle is not ours).
  void FreeHandle();
  void UpdateTextFlags() {}

 protected:
  void CreateHandle() override;

 private:
  TControl* control_ = nullptr;
  win::HDC dc_ = nullptr;
  win::HWND window_ = nullptr;
};

class TControl : public TComponent {
  ZYL_CLASS(TControl, TComponent)
  ZYL_MESSAGES(TControl)
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  // ---- Messages ----
  // Sends a message through WindowProc and returns its result.
  LRESULT Perform(UINT Msg, WPARAM WParam, LPARAM LParam);
  const TWndMethod& WindowProc() const { return windowProc_; }
  void SetWindowProc(const TWndMethod& Value) { windowProc_ = Value; }
  void Dispatch(void* Message) override;
  void DefaultHandler(void* Message) override;

  // ---- Tree and geometry ----
  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* AParent);
  int32_t Left() const { return left_; }
  int32_t Top() const { return top_; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  void SetLeft(int32_t Value) { SetBounds(Value, top_, width_, height_); }
  void SetTop(int32_t Value) { SetBounds(left_, Value, width_, height_); }
  void SetWidth(int32_t Value) { SetBounds(left_, top_, Value, height_); }
  void SetHeight(int32_t Value) { SetBounds(left_, top_, width_, Value); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
  virtual TRect GetClientRect();
  TRect ClientRect() { return GetClientRect(); }
  int ClientWidth() { return GetClientRect().Right; }
  int ClientHeight() { return GetClientRect().Bottom; }
  void SetClientWidth(int Value);
  void SetClientHeight(int Value);
  // The client area's origin on the screen.
  virtual TPoint ClientOrigin();
  TPoint ClientToScreen(const TPoint& P);
  TPoint ScreenToClient(const TPoint& P);
  TAlign Align() const { return align_; }
  // Also sets Anchors to what the alignment implies.
  void SetAlign(TAlign Value);
  // The sides kept at their distance from the parent's edges when the parent is resized
  // (alNone controls): both sides of an axis stretch the control, one side keeps that side's
  // distance, none keeps the control's centre at the same relative position.
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors Value);
  // Anchors are stored when they differ from what the alignment implies.
  bool IsAnchorsStored() const { return anchors_ != AnchorAlign(align_); }
  // Takes the anchor rules from the present bounds and the parent's client size (not while
  // loading: Loaded takes them, nor while the anchors themselves move the control). Aligned
  // controls and those with the default anchors have none.
  void UpdateAnchorRules();
  // The parent's client size the rules were taken with ((0, 0) = no rules), and the rules:
  // per axis the width (both sides), the near edge (far side only) or the centre (neither).
  TPoint OriginalParentSize() const { return originalParentSize_; }
  TPoint AnchorRules() const { return anchorRules_; }
  TSizeConstraints* Constraints() const { return constraints_; }
  void SetConstraints(TSizeConstraints* Value) { constraints_->Assign(Value); }
  void BringToFront();
  void SendToBack();
  void SetZOrder(bool TopMost);
  bool HasParent() const override;
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;
  // The control's visible state: Visible and every parent showing.
  bool IsVisibleOnScreen();

  // ---- State ----
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool Value);
  void Show();
  void Hide();
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool Value);
  TCaption Caption() { return GetText(); }
  void SetCaption(const TCaption& Value) { SetText(Value); }
  TCaption Text() { return GetText(); }
  void SetText(const TCaption& Value);
  TCaption GetText();
  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool Value);
  TFont* Font() const { return font_; }
  void SetFont(TFont* Value) { font_->Assign(Value); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool Value);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& Value) { hint_ = Value; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool Value);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool Value);
  TComponent* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TComponent* Value);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor Value);
  int32_t HelpContext() const { return helpContext_; }
  void SetHelpContext(int32_t Value) { helpContext_ = Value; }
  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle Value) { controlStyle_ = Value; }
  TControlState ControlState() const { return controlState_; }
  void SetControlState(TControlState Value) { controlState_ = Value; }
  bool IsControl() const { return isControl_; }
  void SetIsControl(bool Value) { isControl_ = Value; }
  TDragMode DragMode() const { return dragMode_; }
  void SetDragMode(TDragMode Value) { dragMode_ = Value; }
  TCursor DragCursor() const { return dragCursor_; }
  void SetDragCursor(TCursor Value) { dragCursor_ = Value; }
  // Stored only: there is no docking, so dkDock drags like dkDrag.
  TDragKind DragKind() const { return dragKind_; }
  void SetDragKind(TDragKind Value) { dragKind_ = Value; }

  // ---- Bidirectional mode ----
  // Stored and passed to children (ParentBiDiMode); nothing is drawn right to left, but the
  // questions below answer by the mode for code that adapts its layout.
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode Value);
  bool ParentBiDiMode() const { return parentBiDiMode_; }
  void SetParentBiDiMode(bool Value);
  bool IsBiDiModeStored() const { return !parentBiDiMode_; }
  bool UseRightToLeftAlignment() const { return biDiMode_ == bdRightToLeft; }
  bool UseRightToLeftReading() const { return biDiMode_ != bdLeftToRight; }
  bool UseRightToLeftScrollBar() const {
    return biDiMode_ == bdRightToLeft || biDiMode_ == bdRightToLeftNoAlign;
  }
  bool IsRightToLeft() const {
    return UseRightToLeftAlignment() || UseRightToLeftReading() || UseRightToLeftScrollBar();
  }
  // DrawText flags adapted to the mode: DT_LEFT and DT_RIGHT swapped when the alignment is
  // right to left, DT_RTLREADING added when the reading is.
  uint32_t DrawTextBiDiModeFlags(uint32_t Flags) const;
  uint32_t DrawTextBiDiModeFlagsReadingOnly() const;
  bool MouseCapture();
  void SetMouseCapture(bool Value);

  // ---- Painting ----
  virtual void Invalidate();
  virtual void Update();
  virtual void Repaint();
  virtual void Refresh() { Repaint(); }

  // ---- Dragging (the basics: a drag is a captured mouse with a target found on release) ----
  void BeginDrag(bool Immediate, int Threshold = -1);
  void EndDrag(bool Drop);
  bool Dragging() const;
  virtual void DragDrop(TObject* Source, int X, int Y);

  // ---- Events ----
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnResize;
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TEndDragEvent OnEndDrag;
  TStartDragEvent OnStartDrag;
  TMouseWheelEvent OnMouseWheel;
  // Stored and bound from form streams; never fired (there is no docking).
  TStartDockEvent OnStartDock;
  TEndDockEvent OnEndDock;

  // Event setters for the type information.
  const TNotifyEvent& GetOnClick() const { return OnClick; }
  void SetOnClick(const TNotifyEvent& E) { OnClick = E; }
  const TNotifyEvent& GetOnDblClick() const { return OnDblClick; }
  void SetOnDblClick(const TNotifyEvent& E) { OnDblClick = E; }
  const TMouseEvent& GetOnMouseDown() const { return OnMouseDown; }
  void SetOnMouseDown(const TMouseEvent& E) { OnMouseDown = E; }
  const TMouseMoveEvent& GetOnMouseMove() const { return OnMouseMove; }
  void SetOnMouseMove(const TMouseMoveEvent& E) { OnMouseMove = E; }
  const TMouseEvent& GetOnMouseUp() const { return OnMouseUp; }
  void SetOnMouseUp(const TMouseEvent& E) { OnMouseUp = E; }
  const TNotifyEvent& GetOnResize() const { return OnResize; }
  void SetOnResize(const TNotifyEvent& E) { OnResize = E; }
  const TDragOverEvent& GetOnDragOver() const { return OnDragOver; }
  void SetOnDragOver(const TDragOverEvent& E) { OnDragOver = E; }
  const TDragDropEvent& GetOnDragDrop() const { return OnDragDrop; }
  void SetOnDragDrop(const TDragDropEvent& E) { OnDragDrop = E; }
  const TEndDragEvent& GetOnEndDrag() const { return OnEndDrag; }
  void SetOnEndDrag(const TEndDragEvent& E) { OnEndDrag = E; }
  const TStartDragEvent& GetOnStartDrag() const { return OnStartDrag; }
  void SetOnStartDrag(const TStartDragEvent& E) { OnStartDrag = E; }
  const TStartDockEvent& GetOnStartDock() const { return OnStartDock; }
  void SetOnStartDock(const TStartDockEvent& E) { OnStartDock = E; }
  const TEndDockEvent& GetOnEndDock() const { return OnEndDock; }
  void SetOnEndDock(const TEndDockEvent& E) { OnEndDock = E; }

  // Whether font, colour and hint settings are streamed (not when inherited from the parent).
  bool IsFontStored() const { return !parentFont_; }
  bool IsColorStored() const { return !parentColor_; }
  bool IsShowHintStored() const { return !parentShowHint_; }

  void ReadState(TReader* Reader) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // The main window procedure, WindowProc's default.
  virtual void WndProc(TMessage& Message);

  // Virtual dispatchers.
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  virtual void Resize();
  virtual void Changed();
  // Asks the parent to realign this control (alignment and size changes).
  void RequestAlign();
  virtual void AdjustSize() {}
  // Copies a new name into the caption while they were equal (csSetCaption).
  void SetName(const std::string& NewName) override;
  // Scales position and size (and the font unless parent font) by M / D.
  virtual void ChangeScale(int M, int D);
  // The form that holds the control, or null.
  TCustomForm* GetParentForm() const;

 protected:
  // Stores the text (WM_SETTEXT ends here).
  virtual void StoreText(const TCaption& Value);
  virtual void VisibleChanging() {}
  virtual void UpdateBoundsRect(const TRect& R);
  virtual bool CanResize(int& /*NewWidth*/, int& /*NewHeight*/) { return true; }
  // The limits applied to a new size: Constraints by default.
  virtual void ConstrainedResize(int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight);
  // Limits a new size by ConstrainedResize (0 = no limit; a maximum wins over a minimum).
  void DoConstrainedResize(int& NewWidth, int& NewHeight);
  // OnChange of Constraints: applies them to the present size.
  void DoConstraintsChange(TObject* Sender);
  // Windows to invalidate in for this control (the parent's window for graphic controls).
  void InvalidateControl(bool IsVisible, bool IsOpaque);
  virtual void FontChanged(TObject* Sender);
  void DoMouseDown(TWMMouse& Message, TMouseButton Button, TShiftState Shift);
  void DoMouseUp(TWMMouse& Message, TMouseButton Button);

  // Message handlers.
  void WMLButtonDown(TWMMouse& Message);
  void WMLButtonDblClk(TWMMouse& Message);
  void WMRButtonDown(TWMMouse& Message);
  void WMRButtonDblClk(TWMMouse& Message);
  void WMMButtonDown(TWMMouse& Message);
  void WMMButtonDblClk(TWMMouse& Message);
  void WMMouseMove(TWMMouse& Message);
  void WMLButtonUp(TWMMouse& Message);
  void WMRButtonUp(TWMMouse& Message);
  void WMMButtonUp(TWMMouse& Message);
  void WMMouseWheel(TWMMouseWheel& Message);
  void CMVisibleChanged(TMessage& Message);
  void CMEnabledChanged(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMColorChanged(TMessage& Message);
  void CMParentColorChanged(TMessage& Message);
  void CMParentFontChanged(TMessage& Message);
  void CMParentShowHintChanged(TMessage& Message);
  void CMBiDiModeChanged(TMessage& Message);
  void CMParentBiDiModeChanged(TMessage& Message);
  void CMHitTest(TCMHitTest& Message);
  void CMMouseEnter(TMessage& Message);
  void CMMouseLeave(TMessage& Message);
  void CMHintShow(TCMHintShow& Message);
  void CMEnter(TMessage& Message);

  TWinControl* parent_ = nullptr;
  int32_t left_ = 0;
  int32_t top_ = 0;
  int32_t width_ = 0;
  int32_t height_ = 0;
  TAlign align_ = alNone;
  bool visible_ = true;
  bool enabled_ = true;
  bool parentColor_ = true;
  bool parentFont_ = true;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  bool isControl_ = false;
  TCaption text_;
  TColor color_ = clWindow;
  TFont* font_;
  std::string hint_;
  TComponent* popupMenu_ = nullptr;
  TCursor cursor_ = crDefault;
  TCursor dragCursor_ = crDrag;
  TDragMode dragMode_ = dmManual;
  TDragKind dragKind_ = dkDrag;
  TBiDiMode biDiMode_ = bdLeftToRight;
  bool parentBiDiMode_ = true;
  TAnchors anchors_ = {akLeft, akTop};
  TPoint anchorRules_{0, 0};
  TPoint originalParentSize_{0, 0};
  bool anchorMove_ = false;
  TSizeConstraints* constraints_;
  int32_t helpContext_ = 0;
  TControlStyle controlStyle_ = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState controlState_;
  TWndMethod windowProc_;
  bool parentChanging_ = false;

  friend class TWinControl;
  friend class TControlCanvas;
};

using TControlClass = TClass;

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
  bool AlignDisabled() const { return alignLevel_ != 0; }
  int32_t BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int32_t Value);

  // ---- Focus and tabs ----
  virtual bool CanFocus();
  virtual bool Focused();
  virtual void SetFocus();
  int32_t TabOrder() const;
  void SetTabOrder(int32_t Value);
  bool TabStop() const { return tabStop_; }
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
  void Loaded() override;
  void ChangeScale(int M, int D) override;
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
  // WM_CTLCOLOR* of a child window go back to its control as CN_CTLCOLOR*.
  void WMCtlColor(TMessage& Message);
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
  void CMRecreateWnd(TMessage& Message);
  void CMTextChanged(TMessage& Message);
  void CNKeyDown(TWMKey& Message);
  void CNChar(TWMKey& Message);

  win::HWND handle_ = nullptr;
  win::HWND parentWindow_ = nullptr;
  win::WNDPROC defWndProc_ = nullptr;
  std::vector<TControl*> controls_;     // graphic children, in z-order (bottom first)
  std::vector<TWinControl*> winControls_;  // windowed children, in z-order
  std::vector<TWinControl*> tabList_;
  int alignLevel_ = 0;
  int32_t borderWidth_ = 0;
  bool tabStop_ = false;
  bool ctl3D_ = true;
  bool parentCtl3D_ = true;
  bool doubleBuffered_ = false;
  bool showing_ = false;
  TBrush* brush_;
  int32_t pendingTabOrder_ = 0;
  // Set while CreateParams only serves to measure the frame (no windows are made then).
  bool paramsForMetrics_ = false;

  friend class TControl;
  friend class TCustomForm;
  friend class TApplication;
  friend win::LRESULT ControlWndProc(win::HWND, UINT, WPARAM, LPARAM);
};

class TGraphicControl : public TControl {
  ZYL_CLASS(TGraphicControl, TControl)
  ZYL_MESSAGES(TGraphicControl)
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;
  TCanvas* Canvas() const { return canvas_; }

 protected:
  virtual void Paint() {}
  void WMPaint(TWMPaint& Message);
  TControlCanvas* canvas_;
};

class TCustomControl : public TWinControl {
  ZYL_CLASS(TCustomControl, TWinControl)
  ZYL_MESSAGES(TCustomControl)
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;
  TCanvas* Canvas() const { return canvas_; }

 protected:
  virtual void Paint() {}
  void PaintWindow(win::HDC DC) override;
  void WMPaint(TWMPaint& Message);
  TControlCanvas* canvas_;
};

// The control (windowed or graphic) below a screen point, as the mouse sees it; with
// AllowDisabled, disabled controls count too.
TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled);
// The control that owns a window, or null.
TWinControl* FindControl(win::HWND Handle);
// The control that has captured the mouse (a graphic one is remembered by the framework).
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
// The form that contains Control (null when none).
TCustomForm* GetParentForm(const TControl* Control);

// The mouse-over tracking behind CM_MOUSEENTER and CM_MOUSELEAVE: tells the controls when the
// control under the cursor changes. Called on mouse moves and when the loop goes idle.
void UpdateMouseControl();
TControl* MouseControl();

// True when the platform's controls and menus have the newer look (the system menu then has
// no "Switch To..." entry); always so here.
inline bool NewStyleControls = true;

// Tests and tools: forget the framework's global state tied to the current window system
// (window classes, the mouse control) before a new window system is started.
void ResetControlsGlobals();

}  // namespace vcl
