// The library's own scroll bar: a bevelled panel holding two arrow buttons (spin buttons in
// their scroll-bar look) and a thumb (a fill panel), laid out from Min, Max, Position and the
// button and thumb sizes, with the track painted between them. It reports every movement
// through OnScroll, takes the focus (arrow and page keys, the focus mark a blinking checker
// caret on the thumb), pages while the mouse is held on the track and drags the thumb. Also
// the settings bundle a control owning scroll bars publishes and copies onto its bars.
#pragma once

#include <cstdint>
#include <memory>

#include "buttons/ZYLCustomBevelPanel.h"
#include "buttons/ZYLCustomPanelFill.h"
#include "foundation/ZYLObject.h"
#include "foundation/ZYLOwned.h"
#include "platform/controls/Controls.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TBitmap;
}

namespace zyl {

class TZYLBevel;
class TZYLCaret;
class TZYLFillObject;
class TZYLSpinButton;
class TZYLTimer;
class TZYLScrollBar;

ZYL_ENUM(TZYLScrollBarKind, skVertical, skHorizontal)
// tmFixed: ThumbLength as set; tmAuto: the thumb's length follows the range.
ZYL_ENUM(TZYLThumbMode, tmFixed, tmAuto)
// bsDefault: the standard checker pattern on the track; bsUser: the Back fill as set.
ZYL_ENUM(TZYLBackStyle, bsDefault, bsUser)

// The scroll codes OnScroll reports: 0 a line toward Max, 1 a line toward Min, 2 a page toward
// Max, 3 a page toward Min, 4 the thumb released, 5 a drag step, 6 Min reached, 7 Max
// reached, 8 sent before every code that goes through ExecuteEvent.
enum TZYLScrollCodeValue : int {
  scLineToMax = 0,
  scLineToMin = 1,
  scPageToMax = 2,
  scPageToMin = 3,
  scThumbReleased = 4,
  scDragStep = 5,
  scMinReached = 6,
  scMaxReached = 7,
  scEndScrollCode = 8
};

class TZYLScrollBarThumb : public TZYLCustomPanelFill {
  ZYL_CLASS(TZYLScrollBarThumb, TZYLCustomPanelFill)
  ZYL_MESSAGES(TZYLScrollBarThumb)
  explicit TZYLScrollBarThumb(vcl::TComponent* AOwner);
  bool ControlSupportsXP() const override { return true; }
  bool Pressed() const { return FPressed; }

 protected:
  std::string GetXPMainThemeClass() override { return "SCROLLBAR"; }
  void Paint() override;
  void MouseEnter() override;
  void MouseExit() override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void WMSetFocus(vcl::TWMSetFocus& Message);
  // A modal window, another window taking the mouse or the thumb hidden end its drag.
  void WMCancelMode(vcl::TMessage& Message);
  void WMCaptureChanged(vcl::TMessage& Message);
  void CMVisibleChanged(vcl::TMessage& Message);

 private:
  TZYLScrollBar* Bar() const;
  // Drawn up again; the bar's drag ends.
  void EndPress();
  // Hands the focus to the bar when it may take it.
  void FocusBar();
  bool FPressed = false;
};

class TZYLScrollBar : public TZYLCustomBevelPanel {
  ZYL_CLASS(TZYLScrollBar, TZYLCustomBevelPanel)
  ZYL_MESSAGES(TZYLScrollBar)
  // The repeat interval of paging while the mouse is held on the track.
  static constexpr int RepeatInterval = 100;
  // The indices of the integer properties.
  enum TIntegerProp : int { ipMax, ipMin, ipPosition, ipButtonWidth, ipThumbLength };
  // The indices of the Boolean properties of the bar's own (not the panel's).
  enum TBooleanProp : int { bpThumbFlat, bpAllowMousePos, bpUseGlobalTimer, bpHideFocus };

  explicit TZYLScrollBar(vcl::TComponent* AOwner);
  ~TZYLScrollBar() override;

  int GetInteger(int Index) const;
  // Max and Min are kept in order (a Min above Max becomes Max, a Max below Min becomes Min)
  // and Position within them; no setter reports through OnScroll.
  void SetInteger(int Index, int Value);
  int Max() const { return FMax; }
  int Min() const { return FMin; }
  int Position() const { return FPosition; }
  void SetPosition(int Value) { SetInteger(ipPosition, Value); }
  int ButtonWidth() const { return FButtonWidth; }
  int ThumbLength() const { return FThumbLength; }
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int Value) { FSmallChange = Value; }
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int Value) { FLargeChange = Value; }
  TZYLScrollBarKind Kind() const { return FKind; }
  // At design time (not loading) Width and Height are exchanged.
  void SetKind(TZYLScrollBarKind Value);
  TZYLThumbMode ThumbMode() const { return FThumbMode; }
  void SetThumbMode(TZYLThumbMode Value);
  TZYLBackStyle BackStyle() const { return FBackStyle; }
  void SetBackStyle(TZYLBackStyle Value);
  TZYLFillObject* Back() const { return FBack.get(); }
  void SetBack(TZYLFillObject* Value);
  vcl::TColor ThumbColor() const { return FThumbColor; }
  void SetThumbColor(vcl::TColor Value);
  TZYLBevel* ThumbBevel() const { return FThumbBevel.get(); }
  void SetThumbBevel(TZYLBevel* Value);
  vcl::TCursor ThumbCursor() const { return FThumbCursor; }
  void SetThumbCursor(vcl::TCursor Value);
  bool GetBoolean(int Index) const;
  // ThumbFlat is applied at the next layout; UseGlobalTimer at the next repeat.
  void SetBoolean(int Index, bool Value);
  bool ThumbFlat() const { return FThumbFlat; }
  bool AllowMousePos() const { return FAllowMousePos; }
  bool UseGlobalTimer() const { return FUseGlobalTimer; }
  bool HideFocus() const { return FHideFocus; }
  // The bar and its thumb take the focus (TabStop of both).
  bool CanBeFocused() const { return FCanBeFocused; }
  void SetCanBeFocused(bool Value);

  const vcl::TScrollEvent& GetOnScroll() const { return FOnScroll; }
  void SetOnScroll(const vcl::TScrollEvent& E) { FOnScroll = E; }

  // The arrow buttons' events (the keys use them too): a line toward Max or Min.
  void DoInc(vcl::TObject* Sender);
  void DoDec(vcl::TObject* Sender);
  // Reports Code through OnScroll, after code 8. A handler's change of the position goes
  // through the Position setter (kept in range, laid out again).
  void ExecuteEvent(int Code);

  // The parts, for the owner's layout and for tests.
  TZYLSpinButton* DecButton() const { return FDecBtn.get(); }
  TZYLSpinButton* IncButton() const { return FIncBtn.get(); }
  TZYLScrollBarThumb* Thumb() const { return FThumb.get(); }
  TZYLCaret* Caret() const { return FCaret.get(); }
  vcl::TBitmap* Checker() const { return FChecker.get(); }
  int TrackLength() const { return FTrackLength; }
  bool Repeating() const;
  bool Dragging() const { return FDragging; }

  TZYLFillObject* GetFillObject() override;
  bool ControlSupportsXP() const override { return true; }
  // Lays the buttons and the thumb out from the values (nothing while updating).
  void SetButtons();
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

 protected:
  void Loaded() override;
  void Paint() override;
  void DoThemeChanged() override;
  std::string GetXPMainThemeClass() override { return "SCROLLBAR"; }
  void GetXPBevelParams(std::string& ClassName, int& Part, int& State) override;
  void MouseExit() override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
  void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void CMEnabledChanged(vcl::TMessage& Message);
  // A checker made of a system colour takes that colour's new value.
  void CMSysColorChange(vcl::TMessage& Message);
  // The checker: white where x + y is even, the control's colour as it is now where it is odd.
  void PaintChecker();
  // A modal window, another window taking the mouse, or the bar disabled or hidden end the
  // repeat and the drag.
  void WMCancelMode(vcl::TMessage& Message);
  void WMCaptureChanged(vcl::TMessage& Message);
  void CMVisibleChanged(vcl::TMessage& Message);
  void WMGetDlgCode(vcl::TMessage& Message);
  void WMSetFocus(vcl::TWMSetFocus& Message);
  void WMKillFocus(vcl::TWMKillFocus& Message);
  void WMKeyDown(vcl::TWMKey& Message);

 private:
  friend class TZYLScrollBarThumb;
  // Calls OnScroll once with Code and a copy of Position, applying a changed copy.
  void Report(int Code);
  void ReportEnds();
  // One page toward the point, the direction of the first page of a hold kept: no page (the
  // thumb covers or passed the point), the last page (the thumb reached it) or more to come.
  enum TPageResult { prNone, prLast, prMore };
  TPageResult PageToward(int X, int Y);
  void RefreshBackground();
  void ThumbBevelChanged(vcl::TObject* Sender);
  void EnableTimer();
  void RemoveTimer();
  // Ends a hold on the track or a drag of the thumb before the mouse is let go: the repeat
  // stops and the mouse is let go by the bar and its parts.
  void EndPress();
  void DoTimerEvent(vcl::TObject* Sender);
  void DoThumbMouseDown(vcl::TObject* Sender, vcl::TMouseButton Button, vcl::TShiftState Shift,
                        int X, int Y);
  void DoThumbMouseUp(vcl::TObject* Sender, vcl::TMouseButton Button, vcl::TShiftState Shift, int X,
                      int Y);
  void DoThumbMouseMove(vcl::TObject* Sender, vcl::TShiftState Shift, int X, int Y);
  bool Designing() const;
  bool Loading() const;
  void TakeFocus();

  int FMax = 100;
  int FMin = 0;
  int FPosition = 0;
  int FSmallChange = 1;
  int FLargeChange = 10;
  int FButtonWidth = 16;
  int FThumbLength = 16;
  TZYLScrollBarKind FKind = skHorizontal;
  TZYLThumbMode FThumbMode = tmFixed;
  TZYLBackStyle FBackStyle = bsDefault;
  TZYLOwned<TZYLFillObject> FBack;
  vcl::TColor FThumbColor;
  TZYLOwned<TZYLBevel> FThumbBevel;
  vcl::TCursor FThumbCursor = 0;
  bool FThumbFlat = false;
  bool FAllowMousePos = true;
  bool FUseGlobalTimer = false;
  bool FHideFocus = false;
  bool FCanBeFocused = true;

  std::unique_ptr<TZYLSpinButton> FDecBtn;
  std::unique_ptr<TZYLSpinButton> FIncBtn;
  std::unique_ptr<TZYLScrollBarThumb> FThumb;
  std::unique_ptr<TZYLCaret> FCaret;
  std::unique_ptr<vcl::TBitmap> FChecker;
  vcl::TRect FTrackRect{};
  int FTrackLength = 100;
  std::unique_ptr<TZYLTimer> FTimer;
  vcl::TPoint FLastPoint{};
  int FPageDir = 0;  // +1 toward Max, -1 toward Min, 0 before the first page of a hold
  bool FDragging = false;
  vcl::TPoint FDragOrigin{};

 protected:
  vcl::TScrollEvent FOnScroll;
};

// A bundle of scroll-bar settings that a control owning scroll bars publishes and copies onto
// its bars.
class TZYLScrollBarObject : public TZYLObject {
  ZYL_CLASS(TZYLScrollBarObject, TZYLObject)
  enum TColorProp : int { cpColor, cpThumbColor };
  enum TIntegerProp : int { ipButtonWidth, ipSmallChange, ipLargeChange };
  enum TBooleanProp : int { bpTransparent, bpCtl3D, bpParentCtl3D };

  TZYLScrollBarObject();
  ~TZYLScrollBarObject() override;
  // From another bundle: every value but Cursor, without a change notice.
  void Assign(vcl::TPersistent* Source) override;
  // Copies the settings (not Cursor) onto Bar.
  void AssignToScrollBar(TZYLScrollBar* Bar);

  TZYLFillObject* Back() const { return FBack.get(); }
  void SetBack(TZYLFillObject* Value);
  TZYLBevel* Bevel() const { return FBevel.get(); }
  void SetBevel(TZYLBevel* Value);
  vcl::TColor GetColor(int Index) const { return Index == cpColor ? FColor : FThumbColor; }
  void SetColor(int Index, vcl::TColor Value);
  int GetInteger(int Index) const;
  void SetInteger(int Index, int Value);
  bool GetBoolean(int Index) const;
  void SetBoolean(int Index, bool Value);
  vcl::TCursor Cursor() const { return FCursor; }
  void SetCursor(vcl::TCursor Value) { FCursor = Value; }
  bool AllowMousePos() const { return FAllowMousePos; }
  void SetAllowMousePos(bool Value) { FAllowMousePos = Value; }
  TZYLBackStyle BackStyle() const { return FBackStyle; }
  void SetBackStyle(TZYLBackStyle Value) { FBackStyle = Value; }

 private:
  TZYLOwned<TZYLFillObject> FBack;
  TZYLOwned<TZYLBevel> FBevel;
  vcl::TColor FColor;
  vcl::TColor FThumbColor;
  vcl::TCursor FCursor = 0;
  int FButtonWidth = 16;
  int FSmallChange = 1;
  int FLargeChange = 10;
  bool FTransparent = false;
  bool FCtl3D = true;
  bool FParentCtl3D = true;
  bool FAllowMousePos = true;
  TZYLBackStyle FBackStyle = bsDefault;
};

inline constexpr vcl::TUnitEntry ZYLSBarUnit = vcl::ClassesUnit<TZYLScrollBar>("ZYLSBar");

}  // namespace zyl
