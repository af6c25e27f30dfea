// TControl: position, alignment, visibility, colour and font with parent inheritance, mouse
// events, dragging.
#pragma once

#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/ControlTypes.h"
#include "platform/controls/Messages.h"
#include "platform/controls/SizeConstraints.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"

namespace vcl {

class TBasicAction;
class TControlActionLink;

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
  // The text; a control whose window edits it may bring its copy up to date first.
  virtual TCaption GetText();
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

  // ---- Action (ControlActions.cpp) ----
  // The action the control follows and runs when clicked; null for none.
  TBasicAction* Action() const;
  void SetAction(TBasicAction* Value);
  TControlActionLink* ActionLink() const { return actionLink_; }
  // Takes the action's properties; with CheckDefaults only where the control has its own
  // default (assigning an action while it is being read).
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);
  // Lets the action update its state (idle processing).
  virtual void InitiateAction();
  // The link a control of this class holds (the framework's GetActionLinkClass).
  virtual TControlActionLink* CreateActionLink();
  // Properties the action supplies are not stored while they follow it.
  bool IsCaptionStored() const;
  bool IsEnabledStored() const;
  bool IsHelpContextStored() const;
  bool IsHintStored() const;
  bool IsVisibleStored() const;
  bool IsOnClickStored() const;

  // ---- Painting ----
  virtual void Invalidate();
  virtual void Update();
  virtual void Repaint();
  virtual void Refresh() { Repaint(); }

  // ---- Dragging: the source keeps the mouse; each move asks the control under the cursor
  // (OnDragOver: entered, moved over, left) and shows DragCursor where it accepts, crNoDrop
  // elsewhere; the release drops on the control that accepted last. A drag that is not
  // immediate starts once the mouse moved more than Threshold pixels (-1: the system's drag
  // distance); released before that, the press stays the source's own. ----
  void BeginDrag(bool Immediate, int Threshold = -1);
  // Drop: drop on the accepting control under the cursor; else end with no target. Either way
  // OnEndDrag tells the target (nil) and the point in its client coordinates (0, 0 with nil).
  void EndDrag(bool Drop);
  bool Dragging() const;
  virtual void DragDrop(TObject* Source, int X, int Y);

  // ---- Events ----
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TContextPopupEvent OnContextPopup;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnResize;
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TEndDragEvent OnEndDrag;
  TStartDragEvent OnStartDrag;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;
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
  const TContextPopupEvent& GetOnContextPopup() const { return OnContextPopup; }
  void SetOnContextPopup(const TContextPopupEvent& E) { OnContextPopup = E; }
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
  const TMouseWheelEvent& GetOnMouseWheel() const { return OnMouseWheel; }
  void SetOnMouseWheel(const TMouseWheelEvent& E) { OnMouseWheel = E; }
  const TMouseWheelUpDownEvent& GetOnMouseWheelDown() const { return OnMouseWheelDown; }
  void SetOnMouseWheelDown(const TMouseWheelUpDownEvent& E) { OnMouseWheelDown = E; }
  const TMouseWheelUpDownEvent& GetOnMouseWheelUp() const { return OnMouseWheelUp; }
  void SetOnMouseWheelUp(const TMouseWheelUpDownEvent& E) { OnMouseWheelUp = E; }
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
  // OnMouseWheel; when it leaves the wheel, each whole notch gathered (WHEEL_DELTA) calls
  // DoMouseWheelDown or DoMouseWheelUp. True when the wheel was handled.
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
  virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
  virtual void Resize();
  virtual void Changed();
  // Asks the parent to realign this control (alignment and size changes).
  void RequestAlign();
  virtual void AdjustSize() {}
  // Copies a new name into the caption while they were equal (csSetCaption).
  void SetName(const std::string& NewName) override;
  // Scales position, size and size limits (and the font unless parent font) by M / D.
  virtual void ChangeScale(int M, int D);
  // Scales the size limits by M / D.
  void ScaleConstraints(int M, int D);
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
  // Pops up PopupMenu (when it auto-pops) after OnContextPopup leaves it to the control.
  void WMContextMenu(TMessage& Message);
  void WMMButtonUp(TWMMouse& Message);
  // WM_MOUSEWHEEL goes through CM_MOUSEWHEEL, which passes an unhandled wheel to the parent.
  void WMMouseWheel(TWMMouseWheel& Message);
  void CMMouseWheel(TWMMouseWheel& Message);
  void CMVisibleChanged(TMessage& Message);
  void CMEnabledChanged(TMessage& Message);
  // A window that takes over the mouse (a modal form coming up) ends the press.
  void WMCancelMode(TMessage& Message);
  // Ends a press of the left button before its release: the release that follows clicks no
  // more, and the control lets the mouse go.
  void CancelPress();
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
  // Whether the parent's alignment pass has anything to do for this control.
  bool NeedsAlignWork() const { return align_ != alNone || anchors_ != TAnchors{akLeft, akTop}; }
  // The place among its parent's children: a key that orders them as Controls(i) does (the
  // parent renumbers its children when their z-order changes).
  uint64_t childKey_ = 0;
  TPoint anchorRules_{0, 0};
  TPoint originalParentSize_{0, 0};
  bool anchorMove_ = false;
  TSizeConstraints* constraints_;
  int32_t helpContext_ = 0;
  TControlStyle controlStyle_ = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState controlState_;
  TWndMethod windowProc_;
  bool parentChanging_ = false;
  TControlActionLink* actionLink_ = nullptr;
  int wheelAccumulator_ = 0;

  // The drag of this control: started, moved to a screen point, or the mouse moved while it
  // waits for the threshold; the source's own press ended once the drag has the mouse.
  void StartDrag();
  void DragTo(const TPoint& Pos);
  void DragMouseMove(const TPoint& Pos);
  void EndSourceGesture();
  // Takes the mouse for the drag; a drag whose mouse another window takes ends.
  void Recapture();
  void DragCaptureChanged();
  // The window system's own tracking of the source's press (a scroll bar's) shows its input
  // here first: while the drag waits for its threshold, its moves go to the drag, and the one
  // that starts it is the drag's (true), which ends that tracking.
  static bool DragTrackedInput(const win::MSG& Message);

  friend class TWinControl;
  friend class TControlCanvas;
};

// Ends the drag under way, if any, with no target (a user's Escape).
void CancelDrag();
// Whether a control has begun a drag that has not ended.
bool DragUnderWay();

using TControlClass = TClass;

}  // namespace vcl
