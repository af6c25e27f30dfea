#include "buttons/ZYLSpecialButtons.h"

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLConst.h"
#include "foundation/ZYLGlyphLayout.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/graphics/Bitmap.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLSpecialButton) {
  using C = TZYLSpecialButton;
  b.Prop("AllowAllUp", &C::AllowAllUp, &C::SetAllowAllUp)
      .Default(false)
      .Prop("Caption", &C::Caption, &C::SetCaption)
      .Prop("CtlXP", &C::CtlXP, &C::SetCtlXP)
      .Default(true)
      .Prop("Cursor", &C::Cursor, &C::SetCursor, vcl::CursorTypeInfo())
      .Default(vcl::crDefault)
      .Prop("Enabled", &C::Enabled, &C::SetEnabled)
      .Default(true)
      .Prop("Font", &C::Font, &C::SetFont)
      .Stored(&C::IsFontStored)
      .Prop("FontFX", &C::FontFX, &C::SetFontFX)
      .Prop("Glyph", &C::GetGlyph, &C::SetGlyph)
      .Prop("GroupIndex", &C::GroupIndex, &C::SetGroupIndex)
      .Default(0)
      .Prop("Layout", &C::Layout, &C::SetLayout)
      .Prop("ParentFont", &C::ParentFont, &C::SetParentFont)
      .Default(true)
      .Prop("Pressed", &C::Pressed, &C::SetPressed)
      .Default(false)
      .Prop("Width", &C::Width, &C::SetWidth)
      .Prop("OnClick", &C::GetOnClick, &C::SetOnClick)
      .Prop("OnMouseDown", &C::GetOnMouseDown, &C::SetOnMouseDown)
      .Prop("OnMouseUp", &C::GetOnMouseUp, &C::SetOnMouseUp);
}

ZYL_CLASS_IMPL(TZYLSpecialButtons) {}

TZYLSpecialButton::TZYLSpecialButton(vcl::TCollection* Collection) : inherited(Collection) {
  FButton.reset(new TZYLCustomSpeedButton(nullptr));
  FButton->OnClick = vcl::TNotifyEvent(this, &TZYLSpecialButton::ButtonClick);
  if (TZYLSpecialButtons* list = Buttons()) {
    if (vcl::TWinControl* c = list->Control()) {
      FButton->SetBounds(0, 0, 16, c->ClientHeight());
      FButton->SetParent(c);
    }
  }
}

TZYLSpecialButton::~TZYLSpecialButton() = default;

TZYLCustomSpeedButton* TZYLSpecialButton::Btn() const {
  if (!FButton) throw vcl::EInvalidOperation(SZYLSpecialButtonFreed);
  return FButton;
}

TZYLSpecialButtons* TZYLSpecialButton::Buttons() const {
  return dynamic_cast<TZYLSpecialButtons*>(Collection());
}

void TZYLSpecialButton::Assign(vcl::TPersistent* Source) {
  auto* s = dynamic_cast<TZYLSpecialButton*>(Source);
  if (!s) {
    inherited::Assign(Source);
    return;
  }
  SetCaption(s->Caption());
  SetGlyph(s->GetGlyph());
  SetLayout(s->Layout());
  SetFontFX(s->FontFX());
  SetAllowAllUp(s->AllowAllUp());
  SetGroupIndex(s->GroupIndex());
  SetCtlXP(s->CtlXP());
  SetEnabled(s->Enabled());
  SetCursor(s->Cursor());
  SetParentFont(s->ParentFont());
  if (!s->ParentFont()) SetFont(s->Font());
  SetPressed(s->Pressed());
  SetOnClick(s->GetOnClick());
  SetOnMouseDown(s->GetOnMouseDown());
  SetOnMouseUp(s->GetOnMouseUp());
  SetWidth(s->Width());
}

void TZYLSpecialButton::SetWidth(int Value) {
  if (Value == Btn()->Width()) return;
  FButton->SetWidth(Value);
  Changed(false);
}

void TZYLSpecialButton::ButtonClick(vcl::TObject* Sender) {
  if (FOnClick) FOnClick(Sender);
  DoClick();
}

void TZYLSpecialButton::DoClick() {
  const int index = Index();
  if (FClickMethod) FClickMethod(this, index);
  if (TZYLSpecialButtons* list = Buttons())
    if (list->GetOnItemClick()) list->GetOnItemClick()(this, index);
}

TZYLSpecialButtons::TZYLSpecialButtons(vcl::TWinControl* Owner, bool Flag)
    : inherited(Owner, TZYLSpecialButton::StaticClass()), FControl(Owner), FFlag(Flag) {}

TZYLSpecialButton* TZYLSpecialButtons::Add() {
  return static_cast<TZYLSpecialButton*>(inherited::Add());
}

TZYLSpecialButton* TZYLSpecialButtons::GetItem(int Index) const {
  return static_cast<TZYLSpecialButton*>(Items(Index));
}

void TZYLSpecialButtons::Update(vcl::TCollectionItem* Item) {
  inherited::Update(Item);
  if (FOnChange) FOnChange(this);
}

}  // namespace zyl
