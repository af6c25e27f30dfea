// TZYLCustomControl: the base of the library's windowed controls. Transparency (drawing the
// background its parent supplies), the flat border look, the themes switch, an image list
// reference with back effect, focus and mouse-above state, and an update counter. It is also a
// background supplier (IZYLBackground) for transparent children, forwarding to its own parent.
//
// A face controller (TZYLFaceController) may give the control its look by state: the fill
// object, background colour, bevel, font colour and themed-border switch of the state the
// controller picks from the control's answers to IZYLFaceController. A change of the
// controller's settings repaints the control.
//
// Run-time moving and sizing (IZYLControlPosSize): with AllowMoving, dragging the control with
// the left button moves it inside its parent; with AllowSizing, dragging the grip at the
// bottom-right corner (SizeGripSize pixels square) sizes it. ControlLocked forbids both.
// OnMove fires once after a drag that changed the position or size. Not at design time. These
// are public, not published: descendants that stream them publish them.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/IntfZYLBackground.h"
#include "foundation/ZYLClass.h"
#include "foundation/ZYLImageListClient.h"
#include "foundation/ZYLOwned.h"
#include "platform/controls/Controls.h"

namespace zyl {

class TZYLBevel;
class TZYLBitmapEffectObject;
class TZYLChangeLink;
class TZYLFaceController;
class TZYLFillObject;

class TZYLCustomControl : public vcl::TCustomControl,
                          public IZYLBackground,
                          public IZYLThemes,
                          public IZYLFaceController,
                          public IZYLControlPosSize,
                          public TZYLImageListClient {
  ZYL_CLASS(TZYLCustomControl, vcl::TCustomControl)
  ZYL_MESSAGES(TZYLCustomControl)
  explicit TZYLCustomControl(vcl::TComponent* AOwner);
  ~TZYLCustomControl() override;

  void Assign(vcl::TPersistent* Source) override;

  bool Transparent() const { return FTransparent; }
  bool GetTransparent() const { return FTransparent; }
  // Stores the value, clears or sets csOpaque and sends CM_ZYLTRANSPARENTCHANGED to itself.
  void SetTransparent(bool Value);
  bool Flat() const { return FFlat; }
  // A changed value calls DoFlatChanged, then repaints the border (back look when flat).
  void SetFlat(bool Value);
  bool GetCtlXP() const override { return FCtlXP; }
  void SetCtlXP(bool Value) override;
  bool ControlSupportsXP() const override { return false; }
  // Themed painting: ControlSupportsXP, the application's theme switch and support, and
  // GetBorderCtlXP all hold.
  bool UseXP() const;
  // The focus-state flag; turning it off on a flat control restores the normal border.
  bool FocusState() const { return FFocused; }
  void SetBoolean(bool Value);
  bool MouseAbove() const { return FMouseAbove; }

  TZYLBitmapEffectObject* BackFX() const { return FBackFX.get(); }
  void SetBackFX(TZYLBitmapEffectObject* Value);

  void BeginUpdate() { ++FUpdateCount; }
  // Decrements the counter (not below 0); at 0 with Repaint, calls GetChange(nullptr).
  void EndUpdate(bool Repaint);
  bool IsUpdating() const { return FUpdateCount > 0; }

  // The face controller; setting it moves the control's change link from the old controller
  // to the new one (with a free notification) and repaints.
  TZYLFaceController* FaceController() const;
  void SetFaceController(TZYLFaceController* Value);
  // The background colour: Color, or with a face controller its current state's colour.
  virtual vcl::TColor GetBackColor();
  // The face controller's fill object for the current state; null without a controller.
  virtual TZYLFillObject* GetFillObject();
  // The face controller's bevel for the current state; null without a controller.
  TZYLBevel* GetFaceBevel();
  // The font colour: Font's, or with a face controller its current state's colour.
  vcl::TColor GetFaceFontColor();

  // IZYLFaceController: the state queries the controller asks.
  bool fcGetFocused() override { return FFocused; }
  bool fcGetMouseAbove() override { return FMouseAbove; }
  bool fcGetEnabled() override { return Enabled(); }

  // IZYLControlPosSize.
  static constexpr int SizeGripSize = 8;
  bool GetAllowMoving() const override { return FAllowMoving; }
  void SetAllowMoving(bool Value) override { FAllowMoving = Value; }
  bool GetAllowSizing() const override { return FAllowSizing; }
  void SetAllowSizing(bool Value) override { FAllowSizing = Value; }
  bool GetControlLocked() const override { return FControlLocked; }
  void SetControlLocked(bool Value) override;
  const vcl::TNotifyEvent& GetOnMove() const { return FOnMove; }
  void SetOnMove(const vcl::TNotifyEvent& E) { FOnMove = E; }
  // Transparent and the parent's background is usable.
  virtual bool CheckOptimized();
  // The change handler of owned objects: repaints (unless updating).
  virtual void GetChange(vcl::TObject* Sender);
  // The theme class, part and state of the themed frame: "EDIT", part 1, state 1, then 5
  // when focused, 2 when the mouse is above, 6 when read-only, 4 when disabled.
  virtual void GetXPBevelParams(std::string& ClassName, int& Part, int& State);
  virtual bool GetReadOnly() { return false; }
  // Draws the themed frame and background into Rect with GetXPBevelParams' class, part and
  // state (nothing without the theme functions).
  void BevelXP(vcl::TCanvas* Canvas, const vcl::TRect& Rect);
  // The part of Rect inside the themed frame BevelXP draws there (the theme's content
  // rectangle for the same class, part and state); false without the theme functions.
  bool BevelXPContentRect(const vcl::TRect& Rect, vcl::TRect& Content);
  // The theme handle of the main theme class (null until created).
  void* ThemeHandle() const { return FTheme; }

  // IZYLBackground, forwarding to this control's own parent.
  vcl::TBitmap* BackBitmap() override;
  bool BackBitmapCheck() override;
  // Draws nothing and answers false in the base.
  bool BackDrawArea(vcl::TCanvas* Canvas, const vcl::TRect& DestRect, const vcl::TPoint& Source,
                    uint16_t Flags) override;
  bool isTransparentSet() override { return FTransparent; }
  vcl::TPoint BackMapPoint(const vcl::TPoint& Point) override;
  win::HPALETTE BackBitmapPalette() override;
  void BackUpdate() override {}
  vcl::TControl* BackControl(int) override { return nullptr; }
  int BackControlCount() override { return 0; }

  const vcl::TNotifyEvent& GetOnMouseEnter() const { return FOnMouseEnter; }
  void SetOnMouseEnter(const vcl::TNotifyEvent& E) { FOnMouseEnter = E; }
  const vcl::TNotifyEvent& GetOnMouseExit() const { return FOnMouseExit; }
  void SetOnMouseExit(const vcl::TNotifyEvent& E) { FOnMouseExit = E; }
  // Raised from the messages the focus handlers post, so after the focus has moved.
  const vcl::TNotifyEvent& GetOnAfterEnter() const { return FOnAfterEnter; }
  void SetOnAfterEnter(const vcl::TNotifyEvent& E) { FOnAfterEnter = E; }
  const vcl::TNotifyEvent& GetOnAfterExit() const { return FOnAfterExit; }
  void SetOnAfterExit(const vcl::TNotifyEvent& E) { FOnAfterExit = E; }

 protected:
  // Paints the common background over the client rectangle: the parent's background for a
  // transparent control (the parent's colour when it supplies none), otherwise the fill object
  // or the background colour.
  void FillControl();
  // Frees and re-creates the theme handles, invalidates, passes CM_ZYLTHEMECHANGED on.
  virtual void DoThemeChanged();
  virtual std::string GetXPMainThemeClass() { return "EDIT"; }
  // Opens the handle for the main theme class (when the theme functions are there).
  virtual void CreateXPThemeHandles();
  virtual void FreeXPThemeHandles();
  virtual void DoFlatChanged() {}
  // CtlXP, or with a face controller its current state's setting.
  virtual bool GetBorderCtlXP() const;
  // The face controller's change link calls this: repaints.
  virtual void FaceControllerChange(vcl::TObject* Sender);
  void GetIMLChange(vcl::TObject* Sender) override { GetChange(Sender); }
  virtual void RestoreBorderFront() {}
  virtual void RestoreBorderBack() {}
  virtual void MouseEnter();
  virtual void MouseExit();
  void DoEnter() override;
  void DoExit() override;
  void Loaded() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void DefineProperties(vcl::TFiler* Filer) override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
  void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;

  void WMSETFOCUS(vcl::TWMSetFocus& Message);
  void WMKILLFOCUS(vcl::TWMKillFocus& Message);
  void CMMouseEnter(vcl::TMessage& Message);
  void CMMouseLeave(vcl::TMessage& Message);
  void CMAfterEnter(vcl::TMessage& Message);
  void CMAfterExit(vcl::TMessage& Message);
  void CMTransparentChanged(vcl::TMessage& Message);

  bool FTransparent = false;
  bool FFlat = false;
  bool FCtlXP = true;
  bool FFocused = false;
  bool FMouseAbove = false;
  int FUpdateCount = 0;
  TZYLOwned<TZYLBitmapEffectObject> FBackFX;
  void* FTheme = nullptr;
  std::string FThemeClass;
  // Read it through FaceController(), which drops a reference the controller outlived.
  TZYLFaceController* FFaceController = nullptr;
  TZYLOwned<TZYLChangeLink> FFaceLink;
  bool FAllowMoving = false;
  bool FAllowSizing = false;
  bool FControlLocked = false;

 private:
  // The drag in progress: none, moving or sizing, from the screen point and bounds at its start.
  enum TPosSizeDrag : uint8_t { psdNone, psdMove, psdSize };
  TPosSizeDrag FPosSizeDrag = psdNone;
  vcl::TPoint FDragStart{0, 0};
  vcl::TRect FDragBounds{};
  void FinishPosSizeDrag();
  // The theme handle of GetXPBevelParams' class (opened when missing), with its part and state.
  void* BevelTheme(int& Part, int& State);

 protected:
  vcl::TNotifyEvent FOnAfterExit;
  vcl::TNotifyEvent FOnAfterEnter;
  vcl::TNotifyEvent FOnMouseEnter;
  vcl::TNotifyEvent FOnMouseExit;

 protected:
  vcl::TNotifyEvent FOnMove;
};

}  // namespace zyl
