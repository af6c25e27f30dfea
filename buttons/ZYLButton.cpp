#include "buttons/ZYLButton.h"

#include <algorithm>

#include "buttons/ZYLSpeedButton.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLGlyphLayout.h"
#include "foundation/ZYLProcs.h"
#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

ZYL_MESSAGE_MAP(TZYLCustomButton) {
  m.On(vcl::CM_DIALOGKEY, &TZYLCustomButton::CMDialogKey)
      .On(vcl::CM_DIALOGCHAR, &TZYLCustomButton::CMDialogChar)
      .On(vcl::CM_FOCUSCHANGED, &TZYLCustomButton::CMFocusChanged)
      .On(vcl::CM_ENABLEDCHANGED, &TZYLCustomButton::CMEnabledChanged)
      .On(vcl::CM_TEXTCHANGED, &TZYLCustomButton::CMTextChanged)
      .On(vcl::CM_ENTER, &TZYLCustomButton::CMEnter)
      .On(vcl::CM_EXIT, &TZYLCustomButton::CMExit)
      .On(win::WM_LBUTTONUP, &TZYLCustomButton::WMLButtonUp);
}

// Described by its published descendant.
ZYL_CLASS_IMPL(TZYLCustomButton) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  b.Declare("About", &TZYLCustomButton::About, &TZYLCustomButton::SetAbout, AboutVarTypeInfo())
      .Stored(false);
}

ZYL_CLASS_IMPL(TZYLButton) {
  using C = TZYLButton;
  b.Publish("About")
      .Publish({"Align", "Anchors"})
      .Prop("ButtonLayout", &C::ButtonLayout, &C::SetButtonLayout)
      .Prop("ButtonStyle", &C::ExtStyle, &C::SetExtStyle)
      .Default(ubsWin40)
      .Prop("Cancel", &C::Cancel, &C::SetCancel)
      .Default(false)
      .Publish("Caption")
      .Publish("Color")
      .Default(vcl::clBtnFace)
      .Publish({"Constraints", "CtlXP"})
      .Prop("Default", &C::Default, &C::SetDefault)
      .Default(false)
      .Publish({"Enabled", "Font"})
      .Prop("FontFX", &C::FontFX, &C::SetFontFX)
      .Prop("Glyph", &C::GetGlyph, &C::SetGlyph)
      .Publish({"ImageIndex", "ImageList", "ListIndex"})
      .Prop("ModalResult", &C::ModalResult, &C::SetModalResult)
      .Default(0)
      .Publish("ParentColor")
      .Default(false)
      .Publish({"ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop"})
      .Default(true)
      .Publish({"Visible", "OnClick", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp",
                "OnMouseDown", "OnMouseEnter", "OnMouseExit", "OnMouseMove", "OnMouseUp"});
}

namespace {

// A focused control that takes Return for itself.
bool IsButton(vcl::TControl* Control) {
  return dynamic_cast<TZYLCustomButton*>(Control) || dynamic_cast<vcl::TButton*>(Control);
}

}  // namespace

TZYLCustomButton::TZYLCustomButton(vcl::TComponent* AOwner)
    : inherited(AOwner),
      FGlyph(new vcl::TBitmap()),
      FListGlyph(std::make_unique<vcl::TBitmap>()),
      FLayout(new TZYLButtonLayout()),
      FFontFX(new TZYLFxCaption()) {
  FLayout.Link(vcl::TNotifyEvent(this, &TZYLCustomButton::GetChange));
  FFontFX.Link(vcl::TNotifyEvent(this, &TZYLCustomButton::GetChange));
  SetControlStyle(vcl::TControlStyle{vcl::csSetCaption, vcl::csCaptureMouse, vcl::csClickEvents,
                                     vcl::csOpaque, vcl::csDoubleClicks, vcl::csReplicatable});
  FGlyph.Link(vcl::TNotifyEvent(this, &TZYLCustomButton::GetChange));
  SetColor(vcl::clBtnFace);
  SetParentColor(false);
  SetTabStop(true);
  SetBounds(Left(), Top(), 75, 25);
}

TZYLCustomButton::~TZYLCustomButton() { FRepeat.Free(); }

void TZYLCustomButton::SetButtonLayout(TZYLButtonLayout* Value) {
  if (Value) FLayout->Assign(Value);
}

void TZYLCustomButton::SetFontFX(TZYLFxCaption* Value) {
  if (Value) FFontFX->Assign(Value);
}

void TZYLCustomButton::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  if (auto* reader = dynamic_cast<vcl::TReader*>(Filer))
    reader->ReadRenamedProperty(this, "ExtStyle", "ButtonStyle");
}

void TZYLCustomButton::SetGlyph(vcl::TBitmap* Value) {
  if (Value)
    FGlyph->Assign(Value);
  else
    FGlyph->SetSize(0, 0);
  Invalidate();
}

void TZYLCustomButton::SetCtlXP(bool Value) {
  inherited::SetCtlXP(Value);
  Invalidate();
}

void TZYLCustomButton::SetExtStyle(TZYLUserButtonStyle Value) {
  if (Value == FExtStyle) return;
  FExtStyle = Value;
  GetChange(this);
}

void TZYLCustomButton::SetDefault(bool Value) {
  if (Value == FDefault) return;
  FDefault = Value;
  vcl::TCustomForm* form = GetParentForm();
  vcl::TWinControl* active = form ? form->ActiveControl() : nullptr;
  FActive = active && IsButton(active) ? active == this : Value;
  Invalidate();
}

void TZYLCustomButton::SetRepeatClick(bool Value) {
  FRepeatClick = Value;
  if (!Value) StopRepeat();
}

void TZYLCustomButton::SetRepeatInterval(int Value) { FRepeatInterval = std::max(Value, 1); }

void TZYLCustomButton::SetVisible(bool Value) {
  if (!Value) Release();
  inherited::SetVisible(Value);
}

bool TZYLCustomButton::Repeating() const { return FRepeat.Running(); }

void TZYLCustomButton::StopRepeat() { FRepeat.Stop(); }

void TZYLCustomButton::Release() {
  StopRepeat();
  if (!FHeld) return;
  FHeld = FHeldOver = false;
  if (MouseCapture()) SetMouseCapture(false);
  Invalidate();
}

void TZYLCustomButton::WMLButtonUp(vcl::TWMMouse& Message) {
  // The button is let go however the user's OnClick leaves (a raising OnClick skips MouseUp).
  const vcl::TFinally letGo([this] { Release(); });
  ZYL_INHERITED(Message);
}

void TZYLCustomButton::DoRepeat(vcl::TObject*) {
  if (!FHeld || !Visible() || !Enabled()) {
    StopRepeat();
    return;
  }
  FRepeat.Continue(FRepeatInterval);  // the first tick came after the longer delay
  if (FHeldOver) Click();
}

void TZYLCustomButton::Click() {
  if (vcl::TCustomForm* form = GetParentForm())
    if (FModalResult != vcl::mrNone) form->SetModalResult(FModalResult);
  inherited::Click();
}

TZYLButtonState TZYLCustomButton::ButtonState() const {
  if (!Enabled()) return bsDisabledUp;
  if (FHeld && FHeldOver) return bsDown;
  if (FMouseAbove) return bsMouseOver;
  return bsUp;
}

void TZYLCustomButton::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  if (Button == vcl::mbLeft && Enabled()) {
    if (CanFocus() && !Focused()) SetFocus();
    FHeld = FHeldOver = true;
    Invalidate();
    if (FRepeatClick) FRepeat.Start(FRepeatInterval);
  }
  inherited::MouseDown(Button, Shift, X, Y);
}

void TZYLCustomButton::MouseMove(vcl::TShiftState Shift, int X, int Y) {
  inherited::MouseMove(Shift, X, Y);
  if (!FHeld) return;
  const bool over = X >= 0 && Y >= 0 && X < Width() && Y < Height();
  if (over == FHeldOver) return;
  FHeldOver = over;
  Invalidate();
}

void TZYLCustomButton::MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  // The platform's click comes from the mouse-up over the control (csClickEvents).
  if (Button == vcl::mbLeft) {
    const bool was = FHeld;
    StopRepeat();
    FHeld = FHeldOver = false;
    if (was) Invalidate();
  }
  inherited::MouseUp(Button, Shift, X, Y);
}

void TZYLCustomButton::MouseEnter() {
  inherited::MouseEnter();
  Invalidate();
}

void TZYLCustomButton::MouseExit() {
  inherited::MouseExit();
  Invalidate();
}

void TZYLCustomButton::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  const bool list = AComponent && AComponent == FImageList;
  inherited::Notification(AComponent, Operation);
  // The glyph falls back to Glyph when the list goes.
  if (list && Operation == vcl::opRemove) Invalidate();
}

void TZYLCustomButton::KeyPress(char& Key) {
  inherited::KeyPress(Key);
  if (Key == ' ') {
    Key = 0;
    Click();
  }
}

void TZYLCustomButton::CMDialogKey(vcl::TCMDialogKey& Message) {
  const uint16_t key = Message.CharCode();
  if (((key == win::VK_RETURN && FActive) || (key == win::VK_ESCAPE && FCancel)) &&
      vcl::KeyDataToShiftState(Message.KeyData()).empty() && CanFocus()) {
    Click();
    Message.Result = 1;
    return;
  }
  ZYL_INHERITED(Message);
}

// The marked letter of the caption clicks the button; the focus stays where it is.
void TZYLCustomButton::CMDialogChar(vcl::TCMDialogChar& Message) {
  if (vcl::IsAccel(Message.CharCode(), Caption()) && CanFocus()) {
    Click();
    Message.Result = 1;
    return;
  }
  ZYL_INHERITED(Message);
}

void TZYLCustomButton::CMFocusChanged(vcl::TCMFocusChanged& Message) {
  const bool old = FActive;
  FActive = IsButton(Message.Sender()) ? Message.Sender() == this : FDefault;
  if (old != FActive) Invalidate();
  ZYL_INHERITED(Message);
}

void TZYLCustomButton::CMEnabledChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  if (!Enabled()) Release();
  Invalidate();
}

void TZYLCustomButton::CMTextChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

void TZYLCustomButton::CMEnter(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

void TZYLCustomButton::CMExit(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

vcl::TBitmap* TZYLCustomButton::ShownGlyph() {
  if (FImageList && !IMLEmpty() &&
      FImageList->GetBitmapItem(FListIndex, FImageIndex, FListGlyph.get()))
    return FListGlyph.get();
  return FGlyph.get();
}

void TZYLCustomButton::PaintParentBack() {
  vcl::TCanvas* c = Canvas();
  const vcl::TRect r{0, 0, Width(), Height()};
  if (BackBitmapCheck()) {
    const vcl::TPoint p = ZYLBackMapPoint(this, vcl::TPoint{0, 0});
    c->CopyRect(r, BackBitmap()->Canvas(), vcl::TRect{p.X, p.Y, p.X + r.Right, p.Y + r.Bottom});
    return;
  }
  // A parent that supplies no background shows its colour.
  vcl::TWinControl* p = Parent();
  c->Brush()->SetStyle(vcl::bsSolid);
  c->Brush()->SetColor(p ? p->Color() : Color());
  c->FillRect(r);
}

void TZYLCustomButton::Paint() {
  vcl::TCanvas* c = Canvas();
  vcl::TRect r{0, 0, Width(), Height()};
  if (r.Right <= 0 || r.Bottom <= 0) return;
  const TZYLButtonState state = ButtonState();
  if (ZYLUserStyleSeeThrough(FExtStyle, UseXP())) PaintParentBack();
  // The button Return clicks wears a dark frame around its face.
  if (FActive && !UseXP()) {
    c->Brush()->SetColor(vcl::clWindowFrame);
    c->Brush()->SetStyle(vcl::bsSolid);
    c->FrameRect(r);
    r = vcl::TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  }
  vcl::TRect inner = ZYLDrawUserButtonFace(c, r, FExtStyle, state, Color(), UseXP(), this);
  if (ZYLIsDownState(state))
    inner = vcl::TRect{inner.Left + 1, inner.Top + 1, inner.Right + 1, inner.Bottom + 1};
  c->SetFont(Font());
  c->Brush()->SetStyle(vcl::bsClear);
  const TZYLDrawTextStyles styles{Enabled() ? dtEnabled : dtDisabled};
  ZYLDrawTextAndGlyph(c, Caption(), FFontFX.get(), inner, ShownGlyph(), nullptr, FLayout.get(),
                      false, true, true, styles, 0);
  if (Focused()) {
    win::TRect f{inner.Left + 1, inner.Top + 1, inner.Right - 1, inner.Bottom - 1};
    c->Brush()->SetStyle(vcl::bsSolid);
    c->DrawFocusRect(f);
  }
}

}  // namespace zyl
