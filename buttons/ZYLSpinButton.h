// TZYLSpinButton: a cluster of arrow buttons (up, down, left, right) in one graphic control.
// The arrows shown are a set; the control lays them out from the set (left and right arrows
// take a column at each end, up and down share the middle column), optionally with slanted
// halves. A press on an arrow fires that arrow's event at once and, while the arrow stays
// held, again on each tick of the control's own repeat timer (first after the repeat interval
// plus 200 ms, then every interval). In scroll-bar mode the arrows are drawn as a scroll bar's.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "buttons/ZYLAutoRepeat.h"
#include "foundation/ZYLControl.h"

namespace vcl {
class TBitmap;
}

namespace zyl {

ZYL_ENUM(TZYLSingleSpinButton, sbUp, sbDown, sbLeft, sbRight)
using TZYLSpinButtons = vcl::TSet<TZYLSingleSpinButton>;

class TZYLSpinButton : public TZYLGraphicControl {
  ZYL_CLASS(TZYLSpinButton, TZYLGraphicControl)
  ZYL_MESSAGES(TZYLSpinButton)
  // The delay added to the repeat interval before the first repeat.
  static constexpr int FirstRepeatDelay = TZYLAutoRepeat::FirstDelay;

  explicit TZYLSpinButton(vcl::TComponent* AOwner);
  ~TZYLSpinButton() override;

  TZYLSpinButtons Btns() const { return FBtns; }
  // Stores the shown arrows, lays them out again and repaints; a press in progress ends.
  void SetBtns(TZYLSpinButtons Value);
  bool Skew() const { return FSkew; }
  // Slanted halves; repaints unless loading.
  void SetSkew(bool Value);
  vcl::TColor HotColor() const { return FHotColor; }
  void SetHotColor(vcl::TColor Value);
  // The repeat interval in milliseconds (0 is taken as 1).
  uint16_t Interval() const { return FInterval; }
  void SetInterval(uint16_t Value);
  // Draws the arrows as a scroll bar's (set by the scroll bar on its arrow buttons).
  bool ScrollBarMode() const { return FScrollBarMode; }
  void SetScrollBarMode(bool Value);
  bool ControlSupportsXP() const override { return true; }

  // The click event of one arrow.
  const vcl::TNotifyEvent& PartClick(TZYLSingleSpinButton Part) const { return FClick[Part]; }
  void SetPartClick(TZYLSingleSpinButton Part, const vcl::TNotifyEvent& Event);

  // The layout: the shown arrows with their rectangles (for slanted halves the rectangle the
  // triangle lies in).
  struct TPart {
    TZYLSingleSpinButton Kind;
    vcl::TRect Rect;
    bool Slanted = false;  // the triangle above (first) or below (second) the diagonal
    bool First = false;    // up or left half of a slanted pair
  };
  std::vector<TPart> Layout() const;
  // The arrow at a client point; false when the point is on no arrow.
  bool PartAt(int X, int Y, TZYLSingleSpinButton& Part) const;
  bool IsHot(TZYLSingleSpinButton Part) const { return FHot == Part; }
  // True while Part is held with the mouse over it (it then looks pressed).
  bool IsPressed(TZYLSingleSpinButton Part) const {
    return FDown && FPressed == Part && FHot == Part;
  }
  // True while a held arrow repeats.
  bool Repeating() const;
  // Clears the hot arrow (as if the mouse had left).
  void MouseLeave();
  void SetVisible(bool Value) override;

 protected:
  void Paint() override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
  void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void MouseExit() override;
  void CMEnabledChanged(vcl::TMessage& Message);

 private:
  static constexpr int NoPart = -1;
  void DoRepeat(vcl::TObject* Sender);
  void StopRepeat();
  void Fire(int Part);
  void DrawPart(vcl::TCanvas* Canvas, const TPart& Part, void* Theme);
  void Redraw();

  std::unique_ptr<vcl::TBitmap> FState;  // the picture is built here, then copied
  TZYLAutoRepeat FRepeat{vcl::TNotifyEvent(this, &TZYLSpinButton::DoRepeat)};
  vcl::TNotifyEvent FClick[sbRight + 1];
  TZYLSpinButtons FBtns{sbUp};
  bool FSkew = false;
  bool FScrollBarMode = false;
  bool FDown = false;  // the left button is held on FPressed
  vcl::TColor FHotColor = 0x808000;
  uint16_t FInterval = 100;
  int FHot = NoPart;
  int FPressed = NoPart;
};

}  // namespace zyl
