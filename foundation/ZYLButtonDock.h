// ZYLButtonDock: the routines the button base and the dock components share: reading a
// button style from a form stream (with the retired style names), the dock checks, and
// TZYLDockLink, the docking that dock labels and dock buttons share.
#pragma once

#include <functional>
#include <utility>

#include "foundation/ZYLClass.h"
#include "platform/controls/ControlTypes.h"

namespace vcl {
class TBitmap;
class TComponent;
class TControl;
class TReader;
class TWinControl;
}  // namespace vcl

namespace zyl {

// The width and height of one cell of the built-in glyph strip (the bitmap resource
// "ZYLBMPGLYPH", cell 0 holding gkEllipsis).
constexpr int ZYLGlyphCellWidth = 13;
constexpr int ZYLGlyphCellHeight = 14;

// Fills Bitmap with the built-in glyph of Kind: the strip's cell Kind - 1, 13 pixels wide.
// Nothing for a null bitmap or gkCustom. EResNotFound when the strip is not registered; an
// Exception when the strip has no such cell.
void ZYLGetGlyphKind(vcl::TBitmap* Bitmap, TZYLGlyphKind Kind);

// The built-in strip: eight cells, gkEllipsis to gkFont, a 16-colour bitmap whose background
// (the bottom-left pixel of every cell, magenta) is the transparent colour. It is registered at
// start-up; ZYLRegisterGlyphStrip registers it again (after a test replaced it, say).
void ZYLRegisterGlyphStrip();
// The number of cells of the built-in strip.
int ZYLGlyphStripCells();
// The colour (a TColor) of the built-in strip at X, Y; -1 outside the strip.
int32_t ZYLGlyphStripPixel(int X, int Y);

// Reads a button-style identifier. The retired names "ubsWinXP", "ubsWinXPCombo" and
// "ubsWinXPTool" give ubsWin40, ubsCombo and ubsExplorer and set CtlXP; other names must be
// values of TZYLUserButtonStyle (EReadError otherwise; CtlXP is then left alone).
void ZYLButtonReadExtStyle(vcl::TReader* Reader, TZYLUserButtonStyle& Style, bool& CtlXP);

// Raises the error that a dock label or dock button is already attached to Control.
[[noreturn]] void ZYLRaiseDockError(vcl::TComponent* Attached, vcl::TComponent* Control);

// Asks Control with CM_ZYLDOCKQUERY which dock component is attached to it; null for none
// (and for a null control). A dock component answers the query with itself.
vcl::TComponent* ZYLDockQuery(vcl::TControl* Control);
// The answer a dock component gives to CM_ZYLDOCKQUERY.
intptr_t ZYLDockQueryAnswer(vcl::TComponent* Dock);

// Keeps a dock component (its Dock: a label or a button) at one side of a windowed control
// and at a distance (Margin) from it. While docked, the control's window procedure runs
// through the link, so the dock follows the control's moves, size changes, showing, hiding and
// enabling, and answers CM_ZYLDOCKQUERY for it; with ReflectOwnChanges a move of the dock moves
// the control. One dock component per control. The dock owns the link, keeps a free
// notification on the control and passes its removal on (ControlRemoved).
class TZYLDockLink : public vcl::TObject {
  ZYL_CLASS(TZYLDockLink, vcl::TObject)
  explicit TZYLDockLink(vcl::TControl* Dock);
  // Puts the control's window procedure back.
  ~TZYLDockLink() override;

  vcl::TWinControl* Control() const { return FControl; }
  // Lets the old control go and attaches to Value (null: none). A control that another dock
  // component holds raises the dock error, and the link stays without control.
  void SetControl(vcl::TWinControl* Value);
  // Docked: the link follows the control (false lets it go, keeping the reference).
  bool Docked() const { return FDocked; }
  void SetDocked(bool Value);
  // The dock takes the control's height (left, right) or width (top, bottom).
  bool AdjustDockedSize() const { return FAdjustDockedSize; }
  void SetAdjustDockedSize(bool Value);
  // A move of the dock moves the control (switching it on moves the control at once).
  bool ReflectOwnChanges() const { return FReflectOwnChanges; }
  void SetReflectOwnChanges(bool Value);
  int32_t Margin() const { return FMargin; }
  void SetMargin(int32_t Value);
  TZYLDockPosition Position() const { return FPosition; }
  void SetPosition(TZYLDockPosition Value);

  // Docked and a control set.
  bool HasControl() const { return FDocked && FControl != nullptr; }
  // Whether the control's window procedure runs through the link.
  bool Hooked() const { return FHooked != nullptr; }
  // Hooks the control (not while the dock is being read) and places the dock beside it; a
  // dock without parent is put on the control's parent first.
  void DockControl();
  // Places the dock beside the control.
  void AdjustToControl();
  // Places the control beside the dock.
  void AdjustToDock();
  // The dock moved or changed its size: with ReflectOwnChanges the control follows.
  void DockMoved();
  // The dock's Notification of a removed component: a control being freed is past putting
  // its procedure back, and the link drops it.
  void ControlRemoved(vcl::TComponent* AComponent);
  // Puts the control's window procedure back.
  void RestoreWndProc();

  // Called when the link drops its control by itself: the control's window is destroyed with
  // the control, or another dock component took it first while a form was read.
  const std::function<void()>& GetOnControlLost() const { return FOnControlLost; }
  void SetOnControlLost(std::function<void()> Value) { FOnControlLost = std::move(Value); }

 protected:
  std::function<void()> FOnControlLost;

 private:
  void InitWndProc();
  void OwnWndProc(vcl::TMessage& Message);
  void Lose();

  vcl::TControl* FDock;
  vcl::TWinControl* FControl = nullptr;
  vcl::TWinControl* FHooked = nullptr;  // the control whose procedure runs through the link
  vcl::TWndMethod FPrevWndProc;
  TZYLDockPosition FPosition = dpLeft;
  int32_t FMargin = 1;
  bool FAdjustDockedSize = false;
  bool FDocked = true;
  bool FReflectOwnChanges = false;
  bool FAdjusting = false;
  bool FRestoring = false;
};

}  // namespace zyl
