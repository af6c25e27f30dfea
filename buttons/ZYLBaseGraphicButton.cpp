#include "buttons/ZYLBaseGraphicButton.h"

#include <algorithm>
#include <vector>

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLGlyphLayout.h"
#include "foundation/ZYLProcs.h"
#include "platform/base/Finally.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Messages.h"
#include "platform/controls/StdCtrls.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"

namespace zyl {

ZYL_MESSAGE_MAP(TZYLBaseGraphicButton) {
  m.On(vcl::CM_BUTTONPRESSED, &TZYLBaseGraphicButton::CMButtonPressed)
      .On(vcl::CM_ENABLEDCHANGED, &TZYLBaseGraphicButton::CMEnabledChanged)
      .On(vcl::CM_TEXTCHANGED, &TZYLBaseGraphicButton::CMTextChanged)
      .On(vcl::CM_DIALOGCHAR, &TZYLBaseGraphicButton::CMDialogChar)
      .On(win::WM_LBUTTONUP, &TZYLBaseGraphicButton::WMLButtonUp);
}

ZYL_CLASS_IMPL(TZYLBaseGraphicButton) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using C = TZYLBaseGraphicButton;
  b.Publish("About")
      .Prop("AllowAllUp", &C::AllowAllUp, &C::SetAllowAllUp)
      .Default(false)
      .Publish({"Align", "Anchors"})
      .Prop("ButtonLayout", &C::Layout, &C::SetLayout)
      .Publish("Caption")
      // A new button is in the button face colour, not the control's declared window colour:
      // the colour is always written.
      .Publish("Color")
      .NoDefault()
      .Publish("Constraints")
      .Prop("DropDown", &C::DropDown, &C::SetDropDown)
      .Publish("Enabled")
      .Prop("EnterColor", &C::EnterColor, &C::SetEnterColor, vcl::ColorTypeInfo())
      .Default(vcl::clBlue)
      .Prop("EnterColorChange", &C::EnterColorChange, &C::SetEnterColorChange)
      .Default(false)
      .Publish("Font")
      .Prop("FontFX", &C::FontFX, &C::SetFontFX)
      .Prop("Glyph", &C::GetGlyph, &C::SetGlyph)
      .Prop("GroupIndex", &C::GroupIndex, &C::SetGroupIndex)
      .Default(0)
      .Publish({"ImageIndex", "ImageList", "ListIndex", "ParentFont", "ParentShowHint"})
      .Prop("Pressed", &C::Pressed, &C::SetPressed)
      .Default(false)
      .Publish({"ShowHint", "Visible", "OnClick", "OnDblClick", "OnMouseDown", "OnMouseEnter",
                "OnMouseExit", "OnMouseMove", "OnMouseUp"});
}

TZYLBaseGraphicButton::TZYLBaseGraphicButton(vcl::TComponent* AOwner)
    : inherited(AOwner), FEnterColor(vcl::clBlue) {
  FGlyph.reset(new vcl::TBitmap(), vcl::TNotifyEvent(this, &TZYLBaseGraphicButton::GlyphChanged));
  FListGlyph.reset(new vcl::TBitmap());
  FLayout.reset(new TZYLButtonLayout(), vcl::TNotifyEvent(this, &TZYLBaseGraphicButton::GetChange));
  FFontFX.reset(new TZYLFxCaption(), vcl::TNotifyEvent(this, &TZYLBaseGraphicButton::GetChange));
  vcl::TControlStyle s = ControlStyle();
  s.Exclude(vcl::csSetCaption);
  s.Include(vcl::csOpaque);
  SetControlStyle(s);
  SetBounds(Left(), Top(), 75, 25);
}

TZYLBaseGraphicButton::~TZYLBaseGraphicButton() {
  FFontFX.reset();
  FLayout.reset();
  FListGlyph.reset();
  FGlyph.reset();
}

void TZYLBaseGraphicButton::SetGlyph(vcl::TBitmap* Value) {
  if (Value)
    FGlyph->Assign(Value);
  else
    FGlyph->SetSize(0, 0);
  Invalidate();
}

void TZYLBaseGraphicButton::SetLayout(TZYLButtonLayout* Value) {
  if (Value) FLayout->Assign(Value);
}

void TZYLBaseGraphicButton::SetFontFX(TZYLFxCaption* Value) {
  if (Value) FFontFX->Assign(Value);
}

void TZYLBaseGraphicButton::GlyphChanged(vcl::TObject*) { Invalidate(); }

void TZYLBaseGraphicButton::SetDropDown(vcl::TComponent* Value) {
  if (Value == FDropDown) return;
  if (FDropDown) FDropDown->RemoveFreeNotification(this);
  FDropDown = Value;
  if (FDropDown) FDropDown->FreeNotification(this);
  Invalidate();
}

void TZYLBaseGraphicButton::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == vcl::opRemove && AComponent == FDropDown) {
    FDropDown = nullptr;
    Invalidate();
  }
}

void TZYLBaseGraphicButton::SetEnterColor(vcl::TColor Value) {
  if (Value == FEnterColor) return;
  FEnterColor = Value;
  if (FEnterColorChange && FMouseAbove) Invalidate();
}

void TZYLBaseGraphicButton::SetEnterColorChange(bool Value) {
  if (Value == FEnterColorChange) return;
  FEnterColorChange = Value;
  if (FMouseAbove) Invalidate();
}

void TZYLBaseGraphicButton::SetGroupIndex(int Value) {
  if (Value == FGroupIndex) return;
  FGroupIndex = Value;
  if (FGroupIndex == 0 && FPressed) {
    FPressed = false;
    Invalidate();
  }
  UpdateExclusive();
}

void TZYLBaseGraphicButton::SetAllowAllUp(bool Value) {
  if (Value == FAllowAllUp) return;
  FAllowAllUp = Value;
}

void TZYLBaseGraphicButton::SetPressed(bool Value) {
  if (FGroupIndex == 0) Value = false;
  if (Value == FPressed) return;
  // The one pressed button of a group stays pressed unless the group may be all up; a form
  // being read sets the value as it was written.
  if (FPressed && !FAllowAllUp && !ComponentState().contains(vcl::csLoading)) return;
  FPressed = Value;
  Invalidate();
  if (Value) UpdateExclusive();
}

void TZYLBaseGraphicButton::UpdateExclusive() {
  vcl::TWinControl* p = Parent();
  if (!p || FGroupIndex == 0 || !FPressed) return;
  vcl::TMessage m{};
  m.Msg = vcl::CM_BUTTONPRESSED;
  m.WParam = static_cast<win::WPARAM>(FGroupIndex);
  m.LParam = reinterpret_cast<win::LPARAM>(this);
  p->Broadcast(m);
}

void TZYLBaseGraphicButton::CMButtonPressed(vcl::TMessage& Message) {
  auto* sender = reinterpret_cast<TZYLBaseGraphicButton*>(Message.LParam);
  if (static_cast<int>(Message.WParam) != FGroupIndex || sender == this || !sender) return;
  if (FPressed) {
    FPressed = false;
    Invalidate();
  }
}

void TZYLBaseGraphicButton::CMEnabledChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  if (!Enabled()) FHeld = FHeldOver = false;
  Invalidate();
}

void TZYLBaseGraphicButton::CMTextChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

TZYLButtonState TZYLBaseGraphicButton::ButtonState() const {
  if (!Enabled()) return FPressed ? bsDisabledDown : bsDisabledUp;
  if (FHeld && FHeldOver) return bsDown;
  if (FPressed) return bsOptionSet;
  if (FMouseAbove) return bsMouseOver;
  return bsUp;
}

void TZYLBaseGraphicButton::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X,
                                      int Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (Button != vcl::mbLeft || !Enabled()) return;
  FHeld = FHeldOver = true;
  Invalidate();
}

bool TZYLBaseGraphicButton::OnFace(int X, int Y) {
  return X >= 0 && Y >= 0 && X < Width() && Y < Height();
}

void TZYLBaseGraphicButton::MouseMove(vcl::TShiftState Shift, int X, int Y) {
  inherited::MouseMove(Shift, X, Y);
  if (!FHeld) return;
  const bool over = OnFace(X, Y);
  if (over == FHeldOver) return;
  FHeldOver = over;
  Invalidate();
}

void TZYLBaseGraphicButton::MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X,
                                    int Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  if (Button == vcl::mbLeft) LetGo();
}

void TZYLBaseGraphicButton::WMLButtonUp(vcl::TWMMouse& Message) {
  // The button is let go however the user's OnClick or OnMouseUp leaves (a raising OnClick
  // skips MouseUp).
  const vcl::TFinally letGo([this] { LetGo(); });
  ZYL_INHERITED(Message);
}

void TZYLBaseGraphicButton::LetGo() {
  if (!FHeld) return;
  FHeld = FHeldOver = false;
  Invalidate();
}

void TZYLBaseGraphicButton::MouseEnter() {
  inherited::MouseEnter();
  Invalidate();
}

void TZYLBaseGraphicButton::MouseExit() {
  inherited::MouseExit();
  Invalidate();
}

// The marked letter of the caption clicks a shown, enabled button on a showing parent.
void TZYLBaseGraphicButton::CMDialogChar(vcl::TCMDialogChar& Message) {
  if (vcl::IsAccel(Message.CharCode(), Caption()) && Enabled() && Visible() && Parent() &&
      Parent()->Showing()) {
    Click();
    Message.Result = 1;
    return;
  }
  ZYL_INHERITED(Message);
}

void TZYLBaseGraphicButton::Click() {
  // A press released off the face (inside the rectangle, outside a shaped face) is no click.
  if (FHeld && !FHeldOver) return;
  if (FGroupIndex != 0) SetPressed(!FPressed);
  inherited::Click();
}

vcl::TBitmap* TZYLBaseGraphicButton::ShownGlyph() {
  if (FImageList && !IMLEmpty() &&
      FImageList->GetBitmapItem(FListIndex, FImageIndex, FListGlyph.get()))
    return FListGlyph.get();
  return FGlyph.get();
}

vcl::TBitmap* TZYLBaseGraphicButton::GlyphFor(TZYLButtonState) { return ShownGlyph(); }

vcl::TRect TZYLBaseGraphicButton::DrawFace(vcl::TCanvas* Canvas, const vcl::TRect& Rect,
                                           TZYLButtonState State) {
  Canvas->Brush()->SetColor(Color());
  Canvas->Brush()->SetStyle(vcl::bsSolid);
  Canvas->FillRect(Rect);
  win::TRect r = Rect;
  const bool down = State == bsDown || State == bsOptionSet || State == bsDisabledDown;
  win::DrawEdge(Canvas->Handle(), &r, down ? win::EDGE_SUNKEN : win::EDGE_RAISED, win::BF_RECT);
  return vcl::TRect{Rect.Left + 2, Rect.Top + 2, Rect.Right - 2, Rect.Bottom - 2};
}

void TZYLBaseGraphicButton::DrawContent(vcl::TCanvas* Canvas, const vcl::TRect& Rect,
                                        TZYLButtonState State) {
  vcl::TRect r = Rect;
  const bool down = State == bsDown || State == bsOptionSet || State == bsDisabledDown;
  if (down) r = vcl::TRect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
  // The drop-down arrow takes a strip at its side.
  if (FLayout->Arrow()) {
    const int size = FLayout->ArrowSize();
    const int strip = 2 * size + FLayout->ArrowIndent();
    const bool left =
        FLayout->ArrowPosition() == apLeftText || FLayout->ArrowPosition() == apLeftGlyph;
    const int cx = left ? r.Left + FLayout->ArrowIndent() + size : r.Right - strip + size;
    const int cy = r.Top + (r.Bottom - r.Top) / 2;
    const std::vector<vcl::TPoint> tri = {
        {cx - size, cy - size / 2}, {cx + size, cy - size / 2}, {cx, cy - size / 2 + size}};
    const vcl::TColor ink = Enabled() ? FLayout->ArrowColor() : vcl::clGrayText;
    Canvas->Pen()->SetColor(ink);
    Canvas->Brush()->SetColor(ink);
    Canvas->Brush()->SetStyle(vcl::bsSolid);
    Canvas->Polygon(tri);
    if (left)
      r.Left += strip;
    else
      r.Right -= strip;
  }
  Canvas->SetFont(Font());
  if (FEnterColorChange && FMouseAbove && Enabled()) Canvas->Font()->SetColor(FEnterColor);
  Canvas->Brush()->SetStyle(vcl::bsClear);
  const TZYLDrawTextStyles styles{Enabled() ? dtEnabled : dtDisabled};
  ZYLDrawTextAndGlyph(Canvas, Caption(), FFontFX, r, GlyphFor(State), nullptr, FLayout, false, true,
                      true, styles, 0);
}

void TZYLBaseGraphicButton::Paint() {
  vcl::TCanvas* c = Canvas();
  const vcl::TRect client{0, 0, Width(), Height()};
  if (client.Right <= 0 || client.Bottom <= 0) return;
  const TZYLButtonState state = ButtonState();
  const vcl::TRect inner = DrawFace(c, client, state);
  DrawContent(c, inner, state);
}

}  // namespace zyl
