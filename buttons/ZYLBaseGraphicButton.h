// TZYLBaseGraphicButton: the base of the library's graphic buttons. It owns the glyph bitmap,
// the effect caption (FontFX) and the button layout, keeps the press state (held by the mouse,
// and the lasting Pressed state of a button with a group index, which releases the other
// buttons of its group), the hot state with the optional caption colour while the mouse is
// above (EnterColor), and an optional drop-down menu shown as an arrow. It paints a raised
// face (sunken while down), then the glyph and caption; descendants change the face.
#pragma once

#include <cstdint>
#include <memory>

#include "foundation/ZYLControl.h"
#include "foundation/ZYLOwned.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TBitmap;
}

namespace zyl {

class TZYLButtonLayout;
class TZYLFxCaption;

class TZYLBaseGraphicButton : public TZYLBaseControl {
  ZYL_CLASS(TZYLBaseGraphicButton, TZYLBaseControl)
  ZYL_MESSAGES(TZYLBaseGraphicButton)
  explicit TZYLBaseGraphicButton(vcl::TComponent* AOwner);
  ~TZYLBaseGraphicButton() override;

  vcl::TBitmap* GetGlyph() const { return FGlyph.get(); }
  // Copies the bitmap (null clears the glyph).
  void SetGlyph(vcl::TBitmap* Value);
  TZYLButtonLayout* Layout() const { return FLayout.get(); }
  void SetLayout(TZYLButtonLayout* Value);
  TZYLFxCaption* FontFX() const { return FFontFX.get(); }
  void SetFontFX(TZYLFxCaption* Value);
  // The menu the button drops down (any component; the reference is cleared when it goes).
  vcl::TComponent* DropDown() const { return FDropDown; }
  void SetDropDown(vcl::TComponent* Value);
  vcl::TColor EnterColor() const { return FEnterColor; }
  void SetEnterColor(vcl::TColor Value);
  bool EnterColorChange() const { return FEnterColorChange; }
  void SetEnterColorChange(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  bool Pressed() const { return FPressed; }
  // Presses a button of a group (releasing the others of its group); always false for group
  // index 0. A pressed button is released only when AllowAllUp is set.
  void SetPressed(bool Value);

  // The state the button shows now.
  virtual TZYLButtonState ButtonState() const;
  // True while the left button holds the button down with the mouse above it.
  bool Held() const { return FHeld && FHeldOver; }

 protected:
  void Paint() override;
  // The face of the button in State over Rect; answers the rectangle left for the content.
  virtual vcl::TRect DrawFace(vcl::TCanvas* Canvas, const vcl::TRect& Rect, TZYLButtonState State);
  // The glyph, caption and drop-down arrow inside Rect.
  virtual void DrawContent(vcl::TCanvas* Canvas, const vcl::TRect& Rect, TZYLButtonState State);
  // The glyph to show: the image list's item when one is set, else Glyph (may be empty).
  virtual vcl::TBitmap* ShownGlyph();
  // The glyph drawn in State (ShownGlyph here).
  virtual vcl::TBitmap* GlyphFor(TZYLButtonState State);
  // Whether the client point X, Y lies on the button's face (its whole rectangle here): a
  // held button shows down only while the mouse is on its face.
  virtual bool OnFace(int X, int Y);
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
  void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseExit() override;
  void Click() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void CMButtonPressed(vcl::TMessage& Message);
  void CMEnabledChanged(vcl::TMessage& Message);
  void CMTextChanged(vcl::TMessage& Message);
  void CMDialogChar(vcl::TCMDialogChar& Message);
  void WMLButtonUp(vcl::TWMMouse& Message);
  // Ends a hold of the left button: the button is drawn up again.
  void LetGo();
  void GlyphChanged(vcl::TObject* Sender);
  // Tells the other buttons of the group that this one is pressed now.
  void UpdateExclusive();

  TZYLOwned<vcl::TBitmap> FGlyph;
  std::unique_ptr<vcl::TBitmap> FListGlyph;  // the image list's item, fetched for painting
  TZYLOwned<TZYLButtonLayout> FLayout;
  TZYLOwned<TZYLFxCaption> FFontFX;
  vcl::TComponent* FDropDown = nullptr;
  vcl::TColor FEnterColor;
  bool FEnterColorChange = false;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FPressed = false;
  bool FHeld = false;      // the left button went down on the button
  bool FHeldOver = false;  // ... and the mouse is above it
};

inline constexpr vcl::TUnitEntry ZYLBaseGraphicButtonUnit =
    vcl::ClassesUnit<TZYLBaseGraphicButton>("ZYLBaseGraphicButton");

}  // namespace zyl
