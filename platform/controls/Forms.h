// Forms, the application object, the screen and hint windows.
//
// A form made in code: `auto* f = new TForm(nullptr)` (no form stream is read). A form class
// with a form stream registered as an RT_RCDATA resource named like the class is made with
// Application->CreateForm(...) or CreateFormFromResource<T>(Owner), which read the stream into
// the new instance and then call OnCreate. ReadForm reads any form stream (binary or text)
// into a form instance.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/controls/Controls.h"
#include "platform/controls/DataModule.h"
#include "platform/graphics/Icon.h"

namespace vcl {

class TStream;
class THintWindow;
class TMainMenu;

ZYL_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
using TBorderStyle = TFormBorderStyle;
ZYL_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
using TBorderIcons = TSet<TBorderIcon>;
ZYL_ENUM(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)
ZYL_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
         poDesktopCenter, poMainFormCenter, poOwnerFormCenter)
ZYL_ENUM(TPrintScale, poNone, poProportional, poPrintToFit)
ZYL_ENUM(TDefaultMonitor, dmDesktop, dmPrimary, dmMainForm, dmActiveForm)
ZYL_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized)
ZYL_ENUM(TCloseAction, caNone, caHide, caFree, caMinimize)
ZYL_ENUM(TFormStateItem, fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated)
using TFormState = TSet<TFormStateItem>;

constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;

using TCloseEvent = TEvent<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = TEvent<void(TObject* Sender, bool& CanClose)>;

// ---------------------------------------------------------------------------------------------
// Scrolling windows: a control whose children may reach past its client area, with a scroll
// bar per direction that shows the rest.

ZYL_ENUM(TScrollBarKind, sbHorizontal, sbVertical)
// How a scrolling control's bar looks: the raised bar, flat, or flat with the part under the
// mouse raised.
ZYL_ENUM(TScrollBarStyle, ssRegular, ssFlat, ssHotTrack)

class TScrollingWinControl;

// One scroll bar of a scrolling control: Range is the extent of the contents in pixels (set
// by hand, which ends the control's AutoScroll, or from the children with AutoScroll), Position
// how far they are scrolled; the bar shows when Visible and the range exceeds the client area.
// Size, ButtonSize and ThumbSize are the bar's width (height), its arrow buttons' length and its
// thumb's length in pixels, 0 for the system's; Color paints a flat bar's track unless
// ParentColor. A Smooth bar scrolls a tenth of a page per line instead of Increment.
class TControlScrollBar : public TPersistent {
  ZYL_CLASS(TControlScrollBar, TPersistent)
  TControlScrollBar(TScrollingWinControl* Control = nullptr, TScrollBarKind Kind = sbHorizontal)
      : control_(Control), kind_(Kind) {}

  TScrollBarKind Kind() const { return kind_; }
  int32_t ButtonSize() const { return buttonSize_; }
  void SetButtonSize(int32_t Value);
  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  // The distance a line scrolls: a tenth of a page when Smooth.
  int32_t Increment() const { return LineIncrement(); }
  void SetIncrement(int32_t Value);
  int32_t Margin() const { return margin_; }
  void SetMargin(int32_t Value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool Value);
  int32_t Position() const { return position_; }
  void SetPosition(int32_t Value);
  int32_t Range() const;
  void SetRange(int32_t Value);
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool Value);
  int32_t Size() const { return size_; }
  void SetSize(int32_t Value);
  TScrollBarStyle Style() const { return style_; }
  void SetStyle(TScrollBarStyle Value);
  int32_t ThumbSize() const { return thumbSize_; }
  void SetThumbSize(int32_t Value);
  bool Tracking() const { return tracking_; }
  void SetTracking(bool Value) { tracking_ = Value; }
  bool Visible() const { return visible_; }
  void SetVisible(bool Value);
  // Whether the bar shows now.
  bool IsScrollBarVisible() const;
  // The client extent the bar scrolls over.
  int32_t ControlSize() const;
  void Assign(TPersistent* Source) override;

 private:
  friend class TScrollingWinControl;
  void ScrollMessage(uint16_t Code);
  bool IsRangeStored() const;
  bool IsColorStored() const { return !parentColor_; }
  bool IsIncrementStored() const { return !smooth_; }
  int32_t LastPosition() const;
  // The distance a page scrolls, nine tenths of the client extent.
  int32_t PageIncrement() const;
  // The distance a line scrolls: Increment, or a tenth of a page when Smooth.
  int32_t LineIncrement() const;
  // Whether the bar looks other than the classic bar of the system's size.
  bool HasOwnLook() const;
  // Gives the window's frame bar this bar's look.
  void ApplyLook(win::HWND Wnd) const;
  // Sets one of the pixel sizes and shows the bar anew.
  void SetPixels(int32_t& Field, int32_t Value);
  // Repaints the bar as it now looks.
  void Changed();
  TScrollingWinControl* control_;
  TScrollBarKind kind_;
  int32_t buttonSize_ = 0;
  TColor color_ = clBtnHighlight;
  int32_t increment_ = 8;
  int32_t margin_ = 0;
  bool parentColor_ = true;
  int32_t position_ = 0;
  int32_t range_ = 0;
  bool smooth_ = false;
  int32_t size_ = 0;
  TScrollBarStyle style_ = ssRegular;
  int32_t thumbSize_ = 0;
  bool tracking_ = false;
  bool visible_ = true;
};

class TScrollingWinControl : public TWinControl {
  ZYL_CLASS(TScrollingWinControl, TWinControl)
  ZYL_MESSAGES(TScrollingWinControl)
  explicit TScrollingWinControl(TComponent* AOwner);
  ~TScrollingWinControl() override;

  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool Value);
  TControlScrollBar* HorzScrollBar() const { return horz_; }
  void SetHorzScrollBar(TControlScrollBar* Value) { horz_->Assign(Value); }
  TControlScrollBar* VertScrollBar() const { return vert_; }
  void SetVertScrollBar(TControlScrollBar* Value) { vert_->Assign(Value); }
  // Scrolls so that the control (a child, or a control within one) is wholly in view, its
  // margins included (its top-left corner when it is larger).
  void ScrollInView(TControl* AControl);
  // ScrollInView, unless this control or AControl is being read: the focus passes each
  // scrolling parent the control that got it.
  void AutoScrollInView(TControl* AControl);
  // Shows, hides and sets the scroll bars from the ranges (after AutoScroll computed them),
  // and realigns the children when that changed the client area.
  void UpdateScrollBars();

 protected:
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void CreateWnd() override;
  void ChangeScale(int M, int D) override;
  // Scales the ranges and positions of the scroll bars by M / D (they are pixels too).
  void ScaleScrollBars(int M, int D);
  void WMHScroll(TMessage& Message);
  void WMVScroll(TMessage& Message);
  void WMSize(TWMSize& Message);

 private:
  friend class TControlScrollBar;
  // Asks for the ranges the children reach (AutoScroll). They are worked out when next read,
  // when the window comes or when its bars are next set, at the latest when the window's
  // messages next come round (SettleAutoRange): children placed one by one are walked once,
  // not once each.
  void CalcAutoRange();
  void SettleAutoRange();
  void CMAutoRange(TMessage& Message);
  // Gives the window's frame bars the looks of the scroll bars when one changed.
  void ApplyBarLooks();
  // Moves the children by (dx, dy) as the contents scroll.
  void ScrollContents(int dx, int dy);
  TControlScrollBar* horz_;
  TControlScrollBar* vert_;
  bool autoScroll_ = true;
  int autoRangeCount_ = 0;
  bool autoRangeStale_ = false;   // the ranges wait for SettleAutoRange
  bool autoRangePosted_ = false;  // a CM_AUTORANGE is on its way
  bool updating_ = false;
  bool lookChanged_ = false;  // a bar's look is not yet on the window
};

// A scrolling container with a sunken border.
// The scroll box without published properties: the base of scroll boxes that publish a list of
// their own. TScrollBox publishes the framework's.
class TCustomScrollBox : public TScrollingWinControl {
  ZYL_CLASS(TCustomScrollBox, TScrollingWinControl)
  explicit TCustomScrollBox(TComponent* AOwner);

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle Value);

 protected:
  void CreateParams(TCreateParams& Params) override;

 private:
  TFormBorderStyle borderStyle_ = bsSingle;
};

class TScrollBox : public TCustomScrollBox {
  ZYL_CLASS(TScrollBox, TCustomScrollBox)
  explicit TScrollBox(TComponent* AOwner) : TCustomScrollBox(AOwner) {}
};

// The design-time host of a form, set by a form designer (none at run time). The form passes
// it the insertions and removals of its components and, last, its own end (the form itself
// with opRemove, after which the form forgets the host).
class IDesignerHook {
 public:
  virtual ~IDesignerHook() = default;
  virtual void Modified() = 0;
  virtual void Notification(TPersistent* AnObject, TOperation Operation) = 0;
  // Asked before the form (AComponent null) or a component it owns is renamed; raises to
  // refuse the name.
  virtual void ValidateRename(TComponent* /*AComponent*/, const std::string& /*CurName*/,
                              const std::string& /*NewName*/) {}
};

// A form is a scrolling control: a sizeable one scrolls its children into view by default
// (setting BorderStyle sets AutoScroll to whether the form is sizeable).
class TCustomForm;

// Keeps the form that owns a component (the nearest form among its owners) from being freed by
// its release while the component runs modal loops, such as a dialog component's Execute: a
// release that comes meanwhile ends the modal loops begun since the hold began (their forms'
// ModalResult becomes mrCancel), and the form is released again when the hold ends, so that it
// is freed after the component's call has returned. A form freed otherwise meanwhile leaves
// the hold without a form.
class TReleaseHold {
 public:
  explicit TReleaseHold(TComponent* Component);
  ~TReleaseHold();
  TReleaseHold(const TReleaseHold&) = delete;
  TReleaseHold& operator=(const TReleaseHold&) = delete;

 private:
  friend class TCustomForm;
  TCustomForm* form_ = nullptr;
  size_t modalDepth_ = 0;  // the modal loops running when the hold began
};

class TCustomForm : public TScrollingWinControl {
  ZYL_CLASS(TCustomForm, TScrollingWinControl)
  ZYL_MESSAGES(TCustomForm)
  // A form without a form stream (the framework's CreateNew).
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;

  // Reads the form streams of the class chain (resources named like the classes, the oldest
  // ancestor first) and then calls OnCreate. Answers whether a stream was found.
  bool InitFromResources();
  // Calls OnCreate (after the form's stream has been read).
  void DoCreate();

  // ---- Showing and closing ----
  void Show();
  void Hide();
  void Close();
  bool CloseQuery();
  // Shows the form modally and runs a message loop until ModalResult is set; answers it.
  virtual TModalResult ShowModal();
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult Value) { modalResult_ = Value; }
  // Frees the form once the messages now queued are handled; while a TReleaseHold holds it,
  // once the hold has ended.
  void Release();
  // The form designer hosting this form while it is designed.
  IDesignerHook* Designer() const { return designer_; }
  void SetDesigner(IDesignerHook* Value) { designer_ = Value; }
  void SetVisible(bool Value) override;
  TFormState FormState() const { return formState_; }
  bool Active() const { return active_; }

  // ---- Look and placement ----
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons Value);
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle Value);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition Value) { position_ = Value; }
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState Value);
  bool Scaled() const { return scaled_; }
  void SetScaled(bool Value) { scaled_ = Value; }
  int32_t PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int32_t Value) { pixelsPerInch_ = Value; }
  // Kept for the form files of the framework, which always carry them.
  bool OldCreateOrder() const { return oldCreateOrder_; }
  void SetOldCreateOrder(bool Value) { oldCreateOrder_ = Value; }
  // The text height the form file gave, or the measured one once the form was scaled.
  int32_t TextHeight() const { return textHeight_; }
  // The height of a line of text in the form's font on the screen (what a form file says).
  int GetTextHeight() const;
  void ScaleBy(int M, int D);
  TCanvas* Canvas() const { return canvas_; }
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool Value) { keyPreview_ = Value; }
  void SetClientWidthProp(int32_t Value);
  void SetClientHeightProp(int32_t Value);
  int32_t ClientWidthProp() { return ClientWidth(); }
  int32_t ClientHeightProp() { return ClientHeight(); }
  TPrintScale PrintScale() const { return printScale_; }
  void SetPrintScale(TPrintScale Value) { printScale_ = Value; }
  TDefaultMonitor DefaultMonitor() const { return defaultMonitor_; }
  void SetDefaultMonitor(TDefaultMonitor Value) { defaultMonitor_ = Value; }
  TIcon* Icon() const { return icon_; }
  void SetIcon(TIcon* Value);
  bool IsIconStored() const;
  // The icon the caption shows: Icon, else the application's, else the system's application
  // icon.
  win::HICON GetIconHandle();
  // A form that scrolls, or has a range of its own, keeps its outer size in streams; any other
  // its client size.
  bool IsFormSizeStored() const;
  bool IsClientSizeStored() const { return !IsFormSizeStored(); }
  // AutoScroll is stored where it differs from what the border style makes it.
  bool IsAutoScrollStored() const;
  // AutoScroll as streams set it: a value read stays when the border style is read after it.
  void SetAutoScrollProp(bool Value);

  // ---- Menus ----
  // The menu bar: set on the window while the form has one (a form being read keeps the client
  // height its stream gives).
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* Value);
  // The form's shortcuts: OnShortCut, then the items of Menu.
  virtual bool IsShortCut(TWMKey& Message);
  // Actions (FormsActions.cpp): updates the form's own action, its menu bar's items and the
  // action of every visible client on a showing parent; runs the action of a shortcut key
  // through the action lists the form owns.
  void UpdateActions();
  bool IsActionShortCut(TWMKey& Message);
  TEvent<void(TWMKey& Msg, bool& Handled)> OnShortCut;
  TRect GetClientRect() override;

  // ---- Focus ----
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* Control);
  void FocusControl(TWinControl* Control);
  // Called by a control that gets the focus: sends CM_EXIT / CM_ENTER along the way from the
  // old focused control to the new one. False when the focus moved elsewhere meanwhile, or
  // when a handler freed the control on the way (which is then left alone).
  bool SetFocusedControl(TWinControl* Control);
  void DefocusControl(TWinControl* Control, bool Removing);
  bool CanFocus() override { return visible_ && enabled_; }
  void SetFocus() override;

  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  TComponent* GetChildOwner() override { return this; }
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void ReadState(TReader* Reader) override;
  // The form's designer, when it has one, may refuse the name as well.
  void ValidateRename(TComponent* AComponent, const std::string& CurName,
                      const std::string& NewName) override;
  // PixelsPerInch and TextHeight follow every published property and event.
  void DefineProperties(TFiler* Filer) override;

  // ---- Events ----
  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  void SetOnCreate(const TNotifyEvent& E) { OnCreate = E; }
  void SetOnDestroy(const TNotifyEvent& E) { OnDestroy = E; }
  void SetOnShow(const TNotifyEvent& E) { OnShow = E; }
  void SetOnHide(const TNotifyEvent& E) { OnHide = E; }
  void SetOnActivate(const TNotifyEvent& E) { OnActivate = E; }
  void SetOnDeactivate(const TNotifyEvent& E) { OnDeactivate = E; }
  void SetOnPaint(const TNotifyEvent& E) { OnPaint = E; }
  void SetOnClose(const TCloseEvent& E) { OnClose = E; }
  void SetOnCloseQuery(const TCloseQueryEvent& E) { OnCloseQuery = E; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  virtual void Paint();
  void PaintWindow(win::HDC DC) override;
  virtual void Activate();
  virtual void Deactivate();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& Action);
  void SetActive(bool Value);
  void SetWindowFocus();
  void CloseModal();
  void UpdateWindowState();

  void WMPaint(TWMPaint& Message);
  void WMActivate(TWMActivate& Message);
  void WMClose(TMessage& Message);
  void WMSize(TWMSize& Message);
  void WMSetFocus(TWMSetFocus& Message);
  void CMActivate(TMessage& Message);
  void CMDeactivate(TMessage& Message);
  // Passes a control's request to cancel modes on to the focused control.
  void CMCancelMode(TMessage& Message);
  void CMDialogKey(TCMDialogKey& Message);
  void CMShowingChanged(TMessage& Message);
  // The active form whose window is made again takes the activation back, with the focus on
  // the control that held it.
  void CMRecreateWnd(TMessage& Message);
  void CMRelease(TMessage& Message);
  void CMVisibleChanged(TMessage& Message);
  void WMCommand(TMessage& Message);
  // WM_NEXTDLGCTL as the dialog manager answers it (FormsDialogNav.cpp).
  void WMNextDlgCtl(TMessage& Message);
  void WMMenuMessage(TMessage& Message);
  void DestroyWindowHandle() override;
  // Where Position puts the form when it is shown (false: where it is).
  bool PositionedOrigin(int& X, int& Y);
  // Puts Menu on the window (and its window handle on the menu).
  void AttachMenu();
  // Hands the icon to the window (WM_SETICON; a dialog's frame shows none): when the window
  // is made and whenever Icon or the application's icon changes.
  void UpdateWindowIcon();
  void IconChanged(TObject* Sender);

  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_ = {biSystemMenu, biMinimize, biMaximize};
  TFormStyle formStyle_ = fsNormal;
  TPosition position_ = poDesigned;
  TWindowState windowState_ = wsNormal;
  TFormState formState_;
  bool scaled_ = true;
  int32_t pixelsPerInch_ = 96;
  bool oldCreateOrder_ = false;
  int32_t textHeight_ = 13;
  bool keyPreview_ = false;
  bool active_ = false;
  TModalResult modalResult_ = mrNone;
  IDesignerHook* designer_ = nullptr;
  TWinControl* activeControl_ = nullptr;
  TWinControl* focusedControl_ = nullptr;
  // The controls SetFocusedControl is moving the focus to, outermost call first; a control
  // freed meanwhile is cleared here.
  std::vector<TWinControl*> focusing_;
  // The holds on the form's release, and whether a release came while one was held.
  std::vector<TReleaseHold*> holds_;
  bool releaseHeld_ = false;
  friend class TReleaseHold;
  TControlCanvas* canvas_;
  TPrintScale printScale_ = poProportional;
  TDefaultMonitor defaultMonitor_ = dmActiveForm;
  TIcon* icon_;
  TMainMenu* menu_ = nullptr;
  int32_t streamClientHeight_ = -1;  // ClientHeight as the stream being read gives it
  bool autoScrollRead_ = false;      // the stream being read gave AutoScroll

  friend class TWinControl;
  friend class TApplication;
  friend class TScreen;
};

class TForm : public TCustomForm {
  ZYL_CLASS(TForm, TCustomForm)
  explicit TForm(TComponent* AOwner);
};

// Reads a form stream (binary, or text converted on the way) into Instance: the root's
// properties, its components created by class name, events bound to Instance's published
// methods by name. With IgnoreMissingMethods, a handler the class lacks leaves the event
// empty instead of failing. Calls OnCreate afterwards.
void ReadForm(TStream* Stream, TCustomForm* Instance, bool IgnoreMissingMethods = false);
// Reads the resource-stored form streams of Instance's class chain; false when none.
bool InitInheritedComponent(TComponent* Instance, TClass RootAncestor);

template <class T>
T* CreateFormFromResource(TComponent* Owner) {
  std::unique_ptr<T> f(new T(Owner));
  f->InitFromResources();
  return f.release();
}

// Tests answer modal forms: the handler gets each form as its modal loop starts (and again
// whenever the loop goes idle without an answer while the clock is virtual) and may set its
// ModalResult, click its buttons and so on. Returns the previous handler.
using TModalFormHandler = std::function<void(TCustomForm* Form)>;
TModalFormHandler SetModalFormHandler(TModalFormHandler Handler);

// ---------------------------------------------------------------------------------------------
// Hints

// The parts of a hint "short|long": the text before the first '|', and the text after it (the
// whole hint when it holds no '|').
std::string GetShortHint(const std::string& Hint);
std::string GetLongHint(const std::string& Hint);

struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint HintPos;
  int HintMaxWidth = 0;
  TColor HintColor = clInfoBk;
  TRect CursorRect;
  TPoint CursorPos;
  int ReshowTimeout = 0;
  int HideTimeout = 0;
  std::string HintStr;
};

class THintWindow : public TCustomControl {
  ZYL_CLASS(THintWindow, TCustomControl)
  ZYL_MESSAGES(THintWindow)
  explicit THintWindow(TComponent* AOwner);

  virtual void ActivateHint(TRect Rect, const std::string& AHint);
  // The size the hint text needs within MaxWidth: DrawText's calculated rectangle plus 6
  // pixels across and 2 down.
  virtual TRect CalcHintRect(int MaxWidth, const std::string& AHint, void* AData);
  // Whether a message closes the hint (mouse buttons and keys do).
  virtual bool IsHintMsg(const win::MSG& Msg);
  void ReleaseHandle();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  // The hint is transparent to the mouse: a hint opened under the cursor leaves the point to
  // the window below it, which keeps the mouse.
  void WMNCHitTest(TWMNCHitTest& Message);
};

// ---------------------------------------------------------------------------------------------
// The application

using TMessageEvent = TEvent<void(win::MSG& Msg, bool& Handled)>;
using TExceptionEvent = TEvent<void(TObject* Sender, Exception& E)>;
using TIdleEvent = TEvent<void(TObject* Sender, bool& Done)>;
using TShowHintEvent = TEvent<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)>;
using THelpEvent = TEvent<bool(uint16_t Command, int32_t Data, bool& CallHelp)>;
// A hook of the application window: true when it handled the message.
using TWindowHook = TEvent<bool(TMessage& Message)>;

class TApplication : public TComponent {
  ZYL_CLASS(TApplication, TComponent)
  ZYL_MESSAGES(TApplication)
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  void Dispatch(void* Message) override;

  void Initialize() {}
  // Creates a form of InstanceClass owned by the application, reads its form stream when one
  // is registered, and makes the first form made the main form.
  TCustomForm* CreateForm(TClass InstanceClass);
  // A data module of the class, its form streams read; the application owns it.
  TDataModule* CreateDataModule(TClass InstanceClass);
  template <class T>
  void CreateForm(T*& Reference) {
    if constexpr (std::is_base_of_v<TDataModule, T>)
      Reference = static_cast<T*>(CreateDataModule(T::StaticClass()));
    else
      Reference = static_cast<T*>(CreateForm(T::StaticClass()));
  }
  // Shows the main form and runs the message loop until Terminate.
  void Run();
  void ProcessMessages();
  // Handles one message, or goes idle (and waits) when there is none.
  void HandleMessage();
  void Terminate();
  bool Terminated() const { return terminated_; }
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool Value) { showMainForm_ = Value; }

  TCustomForm* MainForm() const { return mainForm_; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& Value);
  TIcon* Icon() const { return icon_; }
  // The window system's message box over the active window (Dialogs.cpp); the ID of the
  // button pressed.
  int MessageBox(const char* Text, const char* Caption, int32_t Flags = 0);
  std::string ExeName() const;
  // The hidden application window.
  win::HWND Handle();
  bool Active() const { return active_; }

  // ---- Exceptions ----
  void HandleException(TObject* Sender);
  void ShowException(Exception& E);
  // Whether exceptions in window procedures are handled here (true once Run started, or when
  // OnException is assigned); otherwise they propagate to the caller.
  bool HandlesExceptions() const { return running_ || OnException.Assigned(); }
  // The messages ShowException would have shown (there is no screen to show them on).
  const std::vector<std::string>& ShownExceptions() const { return shownExceptions_; }

  // ---- Window state ----
  void Minimize();
  void Restore();
  // Restores the forms Minimize hid, restores a minimized main form and brings it to the front
  // (the application window activated from outside); true when the main form is active then.
  bool BringForward();
  void BringToFront();

  // ---- Help ----
  const std::string& HelpFile() const { return helpFile_; }
  void SetHelpFile(const std::string& Value) { helpFile_ = Value; }
  bool HelpContext(int32_t Context);
  bool HelpCommand(uint16_t Command, int32_t Data);
  // The last help request that reached the help system (command, data).
  uint16_t LastHelpCommand() const { return lastHelpCommand_; }
  int32_t LastHelpData() const { return lastHelpData_; }

  // ---- Hints ----
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool Value);
  TColor HintColor() const { return hintColor_; }
  void SetHintColor(TColor Value);
  int32_t HintPause() const { return hintPause_; }
  void SetHintPause(int32_t Value) { hintPause_ = Value; }
  int32_t HintShortPause() const { return hintShortPause_; }
  void SetHintShortPause(int32_t Value) { hintShortPause_ = Value; }
  int32_t HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int32_t Value) { hintHidePause_ = Value; }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& Value);
  void CancelHint();
  void HintMouseMessage(TControl* Control, TMessage& Message);
  THintWindow* HintWindow() const { return hintWindow_; }
  // The class of the hint window (THintWindow or a descendant).
  static TClass HintWindowClass;

  // Forgets a form being destroyed.
  void FormDestroyed(TCustomForm* Form) {
    if (mainForm_ == Form) mainForm_ = nullptr;
  }
  // Forgets a control being destroyed: its hint, waiting or shown, goes with it.
  void ControlDestroyed(TControl* Control) {
    if (hintControl_ == Control) CancelHint();
  }
  // Hooks of the application window: every message to it goes to the hooks first, the one
  // hooked last first, until one answers true (the message is then handled, with the Result
  // the hook left). The same hook may be added more than once; Unhook removes one entry.
  void HookMainWindow(const TWindowHook& Hook);
  void UnhookMainWindow(const TWindowHook& Hook);
  int WindowHookCount() const { return static_cast<int>(windowHooks_.size()); }
  // Forgets the application window of a window system that was reset, and the event handlers
  // of its objects (tests).
  void ResetHandle();

  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;
  TIdleEvent OnIdle;
  TMessageEvent OnMessage;
  TExceptionEvent OnException;
  TNotifyEvent OnHint;
  TShowHintEvent OnShowHint;
  THelpEvent OnHelp;
  // Action routing (the action is passed as a TObject) and the switches that let the
  // application take new system metrics and locale formats when the system announces them.
  TEvent<void(TObject* Action, bool& Handled)> OnActionExecute;
  TEvent<void(TObject* Action, bool& Handled)> OnActionUpdate;
  bool UpdateMetricSettings = true;
  bool UpdateFormatSettings = true;

  // Handles one message; false when the queue is empty.
  bool ProcessMessage(win::MSG& Msg);
  // The loop's steps for one message taken from the queue: OnMessage, the hint's closing, then
  // the key step (IsKeyMsg); unless one of them took it, the message is translated (a key
  // makes its character) and dispatched.
  void DeliverMessage(win::MSG& Msg);
  // A key message goes to the nearest framework control of its window (up the parents) as its
  // CN_ notification (CN_KEYDOWN, CN_CHAR ...), where the control offers it to the form as a
  // dialog key or an accelerator; true when it was taken there, and is then neither dispatched
  // nor made into a character.
  bool IsKeyMsg(win::MSG& Msg);
  void Idle(const win::MSG& Msg);
  // Updates the actions of every visible, enabled form (FormsActions.cpp).
  void DoActionIdle();
  void WndProc(TMessage& Message);

 private:
  void CreateHandle();
  void ActivateHint(const TPoint& CursorPos);
  void HintTimerExpired();
  void StartHintTimer(int Value, int Kind);
  void StopHintTimer();
  static win::LRESULT AppWndProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
  // The forms without an icon of their own show the new one.
  void IconChanged(TObject* Sender);

  win::HWND handle_ = nullptr;
  TCustomForm* mainForm_ = nullptr;
  std::string title_;
  TIcon* icon_;
  bool terminated_ = false;
  bool running_ = false;
  bool showMainForm_ = true;
  bool active_ = false;
  std::string helpFile_;
  uint16_t lastHelpCommand_ = 0;
  int32_t lastHelpData_ = 0;
  bool showHint_ = true;
  TColor hintColor_ = clInfoBk;
  int32_t hintPause_ = 500;
  int32_t hintShortPause_ = 50;
  int32_t hintHidePause_ = 2500;
  std::string hint_;
  THintWindow* hintWindow_ = nullptr;
  TControl* hintControl_ = nullptr;
  bool hintActive_ = false;
  int hintTimerKind_ = 0;
  std::vector<std::string> shownExceptions_;
  std::vector<TCustomForm*> minimizedDisabled_;
  std::vector<TWindowHook> windowHooks_;  // the one hooked last first
};

// ---------------------------------------------------------------------------------------------
// The screen

class TScreen : public TComponent {
  ZYL_CLASS(TScreen, TComponent)
  explicit TScreen(TComponent* AOwner);
  ~TScreen() override;

  int Width();
  int Height();
  TRect WorkAreaRect();
  // The display's density (LOGPIXELSY of its DCs).
  int PixelsPerInch() const { return win::ScreenLogPixels(); }
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int Index) const;
  TCustomForm* ActiveForm() const { return activeForm_; }
  TWinControl* ActiveControl() const { return activeControl_; }
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor Value);
  win::HCURSOR Cursors(int Index);
  void SetCursors(int Index, win::HCURSOR Handle);
  // The installed font families, sorted.
  const std::vector<std::string>& Fonts();
  // Forgets the font families read: Fonts() reads them again (the fonts were installed or
  // removed).
  void ResetFonts();
  TFont* HintFont() const { return hintFont_; }
  TFont* MenuFont() const { return menuFont_; }
  TFont* IconFont() const { return iconFont_; }
  // Takes the hint, menu and icon fonts from the system settings (status, menu and icon
  // title fonts).
  void UpdateSystemFonts();

  TNotifyEvent OnActiveFormChange;
  TNotifyEvent OnActiveControlChange;

  void AddForm(TCustomForm* Form);
  void RemoveForm(TCustomForm* Form);
  void SetFocusedForm(TCustomForm* Form) { focusedForm_ = Form; }
  TCustomForm* FocusedForm() const { return focusedForm_; }
  void UpdateActive(TCustomForm* Form, TWinControl* Control);

 private:
  std::vector<TCustomForm*> forms_;
  TCustomForm* activeForm_ = nullptr;
  TCustomForm* focusedForm_ = nullptr;
  TWinControl* activeControl_ = nullptr;
  TCursor cursor_ = crDefault;
  std::vector<std::pair<int, win::HCURSOR>> cursors_;
  std::vector<std::string> fonts_;
  bool fontsLoaded_ = false;
  TFont* hintFont_;
  TFont* menuFont_;
  TFont* iconFont_;
};

extern TApplication* Application;
extern TScreen* Screen;

// Runs the work of a window procedure: an error it raises goes to the application's
// HandleException, telling Sender, when the application handles errors (and the loop goes on),
// else on to whoever dispatched or sent the message.
template <class F>
void HandlingExceptions(TObject* Sender, F&& work) {
  try {
    work();
  } catch (Exception&) {
    if (Application && Application->HandlesExceptions())
      Application->HandleException(Sender);
    else
      throw;
  }
}

}  // namespace vcl
