#include "buttons/ZYLCheckBox.h"

#include <algorithm>

#include "foundation/ZYLXPStyles.h"
#include "platform/base/Finally.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/text/Text.h"

namespace zyl {

ZYL_MESSAGE_MAP(TZYLCustomCheckBox) {
  m.On(vcl::CM_TEXTCHANGED, &TZYLCustomCheckBox::CMTextChanged)
      .On(vcl::CM_FONTCHANGED, &TZYLCustomCheckBox::CMFontChanged);
}

// Described by its published descendant.
ZYL_CLASS_IMPL(TZYLCustomCheckBox) {
  b.Declare("About", &TZYLCustomCheckBox::About, &TZYLCustomCheckBox::SetAbout, AboutVarTypeInfo())
      .Stored(false);
}

ZYL_CLASS_IMPL(TZYLCheckBox) {
  using C = TZYLCheckBox;
  b.Publish("About")
      .Publish("Align")
      .Prop("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed)
      .Default(false)
      .Publish("Anchors")
      .Prop("AutoSize", &C::GetBool, &C::SetBool)
      .Index(bpAutoSize)
      .Default(false)
      .Publish("Caption")
      .Prop("Checked", &C::Checked, &C::SetChecked)
      .Stored(false)
      .Publish("Color")
      .Default(vcl::clBtnFace)
      .Publish({"Constraints", "CtlXP", "Enabled", "Flat", "Font"})
      .Prop("GlyphFlat", &C::GetBool, &C::SetBool)
      .Index(bpGlyphFlat)
      .Default(false)
      .Prop("GlyphTransparent", &C::GetBool, &C::SetBool)
      .Index(bpGlyphTransparent)
      .Default(false)
      .Publish("ParentColor")
      .Default(false)
      .Publish({"ParentFont", "ParentShowHint", "PopupMenu", "ShowHint"})
      .Prop("State", &C::State, &C::SetState)
      .Default(vcl::cbUnchecked)
      .Publish({"TabOrder", "TabStop"})
      .Default(true)
      .Publish({"Transparent", "Visible"})
      .Prop("OnChange", &C::GetOnChange, &C::SetOnChange)
      .Publish({"OnClick", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown",
                "OnMouseEnter", "OnMouseExit", "OnMouseMove", "OnMouseUp"});
}

TZYLCustomCheckBox::TZYLCustomCheckBox(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetControlStyle(vcl::TControlStyle{vcl::csCaptureMouse, vcl::csClickEvents, vcl::csSetCaption,
                                     vcl::csOpaque, vcl::csReplicatable});
  SetColor(vcl::clBtnFace);
  SetParentColor(false);
  SetTabStop(true);
  SetBounds(Left(), Top(), 97, 17);
}

bool TZYLCustomCheckBox::GetBool(int Index) const {
  switch (Index) {
    case bpAutoSize: return FAutoSize;
    case bpGlyphTransparent: return FGlyphTransparent;
    case bpGlyphFlat:
    default: return FGlyphFlat;
  }
}

void TZYLCustomCheckBox::SetBool(int Index, bool Value) {
  bool& field = Index == bpAutoSize           ? FAutoSize
                : Index == bpGlyphTransparent ? FGlyphTransparent
                                              : FGlyphFlat;
  if (field == Value) return;
  field = Value;
  if (Index == bpAutoSize) CorrectBounds();
  Invalidate();
}

void TZYLCustomCheckBox::SetState(vcl::TCheckBoxState Value) {
  if (Value == FState) return;
  FState = Value;
  Invalidate();
  if (!ComponentState().contains(vcl::csLoading) && OnChange) OnChange(this);
}

void TZYLCustomCheckBox::Toggle() {
  switch (FState) {
    case vcl::cbUnchecked: SetState(vcl::cbChecked); break;
    case vcl::cbChecked: SetState(FAllowGrayed ? vcl::cbGrayed : vcl::cbUnchecked); break;
    case vcl::cbGrayed: SetState(vcl::cbUnchecked); break;
  }
}

void TZYLCustomCheckBox::Click() {
  Toggle();
  inherited::Click();
}

void TZYLCustomCheckBox::KeyPress(char& Key) {
  inherited::KeyPress(Key);
  if (Key == ' ') {
    Toggle();
    inherited::Click();
  }
}

void TZYLCustomCheckBox::Loaded() {
  inherited::Loaded();
  CorrectBounds();
}

void TZYLCustomCheckBox::CorrectBounds() {
  if (!FAutoSize || ComponentState().contains(vcl::csLoading)) return;
  vcl::TCanvas* c = Canvas();
  c->SetFont(Font());
  const std::string text = Caption();
  const int textWidth = text.empty() ? 0 : c->TextWidth(text) + 4;
  const int height = std::max(BoxSize + 4, c->TextHeight("Wg") + 2);
  SetBounds(Left(), Top(), BoxSize + 4 + textWidth, height);
}

void TZYLCustomCheckBox::CMTextChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  CorrectBounds();
  Invalidate();
}

void TZYLCustomCheckBox::CMFontChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  CorrectBounds();
  Invalidate();
}

vcl::TRect TZYLCustomCheckBox::BoxRect() {
  const int top = (Height() - BoxSize) / 2;
  return vcl::TRect{1, top, 1 + BoxSize, top + BoxSize};
}

void TZYLCustomCheckBox::Paint() {
  vcl::TCanvas* c = Canvas();
  FillControl();
  win::TRect box = BoxRect();
  bool themed = false;
  if (UseXP() && HandleAllocated()) {
    HTHEME theme = OpenThemeData(Handle(), "BUTTON");
    vcl::TFinally close([&] {
      if (theme) CloseThemeData(theme);
    });
    // The check box part (3): unchecked 1 .. 4, checked 5 .. 8, mixed 9 .. 12.
    const int state = (!Enabled() ? 4 : FMouseAbove ? 2 : 1) + 4 * static_cast<int>(FState);
    themed = theme && DrawThemeBackground(theme, c->Handle(), 3, state, &box, nullptr) == ZYL_S_OK;
  }
  if (!themed) {
    uint32_t flags = FState == vcl::cbGrayed ? win::DFCS_BUTTON3STATE : win::DFCS_BUTTONCHECK;
    if (FState != vcl::cbUnchecked) flags |= win::DFCS_CHECKED;
    if (!Enabled()) flags |= win::DFCS_INACTIVE;
    if (FGlyphFlat || FFlat) flags |= win::DFCS_FLAT;
    if (FGlyphTransparent) {
      // Only the mark and the frame: the face inside the box stays the background.
      win::TRect inner{box.Left + 2, box.Top + 2, box.Right - 2, box.Bottom - 2};
      vcl::TBitmap keep;
      keep.SetSize(inner.Right - inner.Left, inner.Bottom - inner.Top);
      keep.Canvas()->CopyRect(vcl::TRect{0, 0, keep.Width(), keep.Height()}, c, inner);
      win::DrawFrameControl(c->Handle(), &box, win::DFC_BUTTON, flags);
      if (FState == vcl::cbUnchecked)
        c->CopyRect(inner, keep.Canvas(), vcl::TRect{0, 0, keep.Width(), keep.Height()});
    } else {
      win::DrawFrameControl(c->Handle(), &box, win::DFC_BUTTON, flags);
    }
  }
  const std::string text = Caption();
  if (text.empty()) return;
  c->SetFont(Font());
  if (!Enabled()) c->Font()->SetColor(vcl::clGrayText);
  c->Brush()->SetStyle(vcl::bsClear);
  // The caption's font must be in the DC before the text calls below use it.
  c->RequiredState({vcl::csHandleValid, vcl::csFontValid, vcl::csBrushValid});
  win::TRect r{box.Right + 4, 0, Width(), Height()};
  win::DrawText(c->Handle(), text.c_str(), static_cast<int>(text.size()), &r,
                win::DT_LEFT | win::DT_VCENTER | win::DT_SINGLELINE);
  if (Focused()) {
    win::TRect f = r;
    win::DrawText(c->Handle(), text.c_str(), static_cast<int>(text.size()), &f,
                  win::DT_CALCRECT | win::DT_SINGLELINE);
    const int h = f.Bottom - f.Top;
    f.Top = (Height() - h) / 2 - 1;
    f.Bottom = f.Top + h + 2;
    f.Left -= 1;
    f.Right += 1;
    c->Brush()->SetStyle(vcl::bsSolid);
    c->DrawFocusRect(f);
  }
}

void ZYLCheckBoxInit() { vcl::RegisterClasses({TZYLCheckBox::StaticClass()}); }
void ZYLCheckBoxDone() { vcl::UnRegisterClasses({TZYLCheckBox::StaticClass()}); }

}  // namespace zyl
