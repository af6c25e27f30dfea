#include "buttons/ZYLButtonControl.h"

#include <algorithm>
#include <string>

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLGlyphLayout.h"
#include "foundation/ZYLProcs.h"
#include "foundation/ZYLXPStyles.h"
#include "platform/base/Finally.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"

namespace zyl {

ZYL_MESSAGE_MAP(TZYLButtonControl) {
  m.On(vcl::CM_TEXTCHANGED, &TZYLButtonControl::CMTextChanged)
      .On(vcl::CM_FONTCHANGED, &TZYLButtonControl::CMFontChanged)
      .On(vcl::CM_DIALOGCHAR, &TZYLButtonControl::CMDialogChar);
}

// What the check box and the radio button both publish; each adds its own state.
ZYL_CLASS_IMPL(TZYLButtonControl) {
  using C = TZYLButtonControl;
  b.Prop("About", &C::About, &C::SetAbout, AboutVarTypeInfo())
      .Stored(false)
      .Publish("Align")
      .Prop("Alignment", &C::Alignment, &C::SetAlignment)
      .Publish({"Anchors", "Caption"})
      .Publish("Color")
      .Default(vcl::clBtnFace)
      .Publish({"Constraints", "CtlXP", "Enabled", "Font"})
      .Prop("Font3D", &C::Font3D, &C::SetFont3D)
      .Publish({"ImageIndex", "ImageList", "ListIndex"})
      .Publish("ParentColor")
      .Default(false)
      .Publish({"ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop"})
      .Default(true)
      .Publish({"Transparent", "Visible", "OnClick", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress",
                "OnKeyUp", "OnMouseDown", "OnMouseEnter", "OnMouseExit", "OnMouseMove",
                "OnMouseUp"});
}

namespace {

// Space between the mark and the caption.
constexpr int Gap = 4;

}  // namespace

TZYLButtonControl::TZYLButtonControl(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetControlStyle(vcl::TControlStyle{vcl::csCaptureMouse, vcl::csClickEvents, vcl::csSetCaption,
                                     vcl::csOpaque, vcl::csReplicatable});
  FAlignment.reset(new TZYLGlyphTextLayout());
  FAlignment->SetDefaultPlacement(agCenterLeft, taRight, 0);
  FAlignment.Link(vcl::TNotifyEvent(this, &TZYLButtonControl::GetChange));
  FFont3D.reset(new TZYLFxCaption(), vcl::TNotifyEvent(this, &TZYLButtonControl::GetChange));
  SetColor(vcl::clBtnFace);
  SetParentColor(false);
  SetTabStop(true);
  SetBounds(Left(), Top(), 97, 17);
}

TZYLButtonControl::~TZYLButtonControl() {
  FAlignment.reset();
  FFont3D.reset();
}

void TZYLButtonControl::Assign(vcl::TPersistent* Source) {
  inherited::Assign(Source);
  if (auto* src = dynamic_cast<TZYLButtonControl*>(Source)) {
    FAlignment->Assign(src->FAlignment);
    FFont3D->Assign(src->FFont3D);
  }
}

void TZYLButtonControl::SetAlignment(TZYLGlyphTextLayout* Value) {
  if (Value) FAlignment->Assign(Value);
}

void TZYLButtonControl::SetFont3D(TZYLFxCaption* Value) {
  if (Value) FFont3D->Assign(Value);
}

bool TZYLButtonControl::GetBool(int Index) const {
  switch (Index) {
    case bpAutoSize: return FAutoSize;
    case bpGlyphTransparent: return FGlyphTransparent;
    case bpGlyphFlat:
    default: return FGlyphFlat;
  }
}

void TZYLButtonControl::SetBool(int Index, bool Value) {
  bool& field = Index == bpAutoSize           ? FAutoSize
                : Index == bpGlyphTransparent ? FGlyphTransparent
                                              : FGlyphFlat;
  if (field == Value) return;
  field = Value;
  if (Index == bpAutoSize) CorrectBounds();
  Invalidate();
}

void TZYLButtonControl::Click() {
  ClickMark();
  inherited::Click();
}

void TZYLButtonControl::KeyPress(char& Key) {
  inherited::KeyPress(Key);
  if (Key == ' ') {
    ClickMark();
    inherited::Click();
  }
}

// The marked letter of the caption focuses the control and, once it has the focus, clicks its
// mark as the space bar does.
void TZYLButtonControl::CMDialogChar(vcl::TCMDialogChar& Message) {
  if (vcl::IsAccel(Message.CharCode(), Caption()) && CanFocus()) {
    SetFocus();
    if (Focused()) Click();
    Message.Result = 1;
    return;
  }
  ZYL_INHERITED(Message);
}

void TZYLButtonControl::Loaded() {
  inherited::Loaded();
  CorrectBounds();
}

void TZYLButtonControl::CorrectBounds() {
  if (!FAutoSize || ComponentState().contains(vcl::csLoading)) return;
  vcl::TCanvas* c = Canvas();
  c->SetFont(Font());
  const std::string text = Caption();
  const int textWidth = text.empty() ? 0 : c->TextWidth(text) + Gap;
  const int height = std::max(BoxSize + 4, c->TextHeight("Wg") + 2);
  SetBounds(Left(), Top(), BoxSize + Gap + textWidth, height);
}

void TZYLButtonControl::CMTextChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  CorrectBounds();
  Invalidate();
}

void TZYLButtonControl::CMFontChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  CorrectBounds();
  Invalidate();
}

vcl::TRect TZYLButtonControl::BoxRect() {
  const int top = (Height() - BoxSize) / 2;
  return vcl::TRect{1, top, 1 + BoxSize, top + BoxSize};
}

bool TZYLButtonControl::GetPicture(vcl::TBitmap* Picture) {
  if (!FImageList || !FImageList->GetBitmapItem(FListIndex, FImageIndex, Picture)) return false;
  Picture->SetTransparent(true);
  return true;
}

void TZYLButtonControl::DrawMark(vcl::TCanvas* C, const vcl::TRect& Box) {
  const vcl::TCheckBoxState state = MarkState();
  win::TRect box = Box;
  if (UseXP() && HandleAllocated()) {
    HTHEME theme = OpenThemeData(Handle(), "BUTTON");
    vcl::TFinally close([&] {
      if (theme) CloseThemeData(theme);
    });
    // Unchecked 1 .. 4, checked 5 .. 8, mixed 9 .. 12: normal, hot, pressed, disabled.
    const int themeState = (!Enabled() ? 4 : FMouseAbove ? 2 : 1) + 4 * static_cast<int>(state);
    if (theme &&
        DrawThemeBackground(theme, C->Handle(), ThemePart(), themeState, &box, nullptr) == ZYL_S_OK)
      return;
  }
  uint32_t flags = MarkKind(state);
  if (state != vcl::cbUnchecked) flags |= win::DFCS_CHECKED;
  if (!Enabled()) flags |= win::DFCS_INACTIVE;
  if (FGlyphFlat || FFlat) flags |= win::DFCS_FLAT;
  if (!FGlyphTransparent) {
    win::DrawFrameControl(C->Handle(), &box, win::DFC_BUTTON, flags);
    return;
  }
  // Only the mark and the frame: the face inside the box stays the background.
  win::TRect inner{box.Left + 2, box.Top + 2, box.Right - 2, box.Bottom - 2};
  vcl::TBitmap keep;
  keep.SetSize(inner.Right - inner.Left, inner.Bottom - inner.Top);
  keep.Canvas()->CopyRect(vcl::TRect{0, 0, keep.Width(), keep.Height()}, C, inner);
  win::DrawFrameControl(C->Handle(), &box, win::DFC_BUTTON, flags);
  if (state == vcl::cbUnchecked)
    C->CopyRect(inner, keep.Canvas(), vcl::TRect{0, 0, keep.Width(), keep.Height()});
}

void TZYLButtonControl::Paint() {
  vcl::TCanvas* c = Canvas();
  FillControl();
  const vcl::TRect box = BoxRect();
  DrawMark(c, box);
  const std::string text = Caption();
  vcl::TBitmap picture;
  const bool hasPicture = GetPicture(&picture);
  if (text.empty() && !hasPicture) return;
  c->SetFont(Font());
  c->Brush()->SetStyle(vcl::bsClear);
  // The caption's font must be in the DC before the text calls below use it.
  c->RequiredState({vcl::csHandleValid, vcl::csFontValid, vcl::csBrushValid});
  const win::TRect r{box.Right + Gap, 0, Width(), Height()};
  ZYLDrawTextAndGlyph(c, text, FFont3D, r, hasPicture ? &picture : nullptr, nullptr, FAlignment,
                      false, true, true, TZYLDrawTextStyles{Enabled() ? dtEnabled : dtDisabled}, 0);
  if (!Focused() || text.empty()) return;
  c->SetFont(Font());
  const TZYLTextGlyphRects placed = ZYLCalcTextAndGlyph(
      c, text, FFont3D, r, hasPicture ? picture.Width() : 0, hasPicture ? picture.Height() : 0,
      FAlignment->Alignment(), FAlignment->AlignText2Glyph(), FAlignment->OffsetX(),
      FAlignment->OffsetY(), FAlignment->Spacing(), false, true, 0);
  win::TRect f{placed.Text.Left - 1, placed.Text.Top - 1, placed.Text.Right + 1,
               placed.Text.Bottom + 1};
  c->Brush()->SetStyle(vcl::bsSolid);
  c->DrawFocusRect(f);
}

}  // namespace zyl
