#include "buttons/ZYLGroupBox.h"

#include <string>

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLGlyphLayout.h"
#include "foundation/ZYLProcs.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"

namespace zyl {

ZYL_MESSAGE_MAP(TZYLCustomGroupBox) {
  m.On(vcl::CM_TEXTCHANGED, &TZYLCustomGroupBox::CMTextChanged)
      .On(vcl::CM_FONTCHANGED, &TZYLCustomGroupBox::CMFontChanged)
      .On(vcl::CM_DIALOGCHAR, &TZYLCustomGroupBox::CMDialogChar);
}

ZYL_CLASS_IMPL(TZYLCustomGroupBox) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using C = TZYLCustomGroupBox;
  b.Declare("CaptionFont", &C::CaptionFont, &C::SetCaptionFont)
      .Declare("CaptionFont3D", &C::CaptionFont3D, &C::SetCaptionFont3D);
}

ZYL_CLASS_IMPL(TZYLGroupBox) {
  b.Publish({"About", "Align", "Anchors", "Bevel", "Caption", "CaptionFont", "CaptionFont3D"})
      .Publish("Color")
      .Default(vcl::clBtnFace)
      .Publish({"Constraints", "CtlXP", "Enabled", "Font", "ImageIndex", "ImageList", "ListIndex"})
      .Publish("ParentColor")
      .Default(false)
      .Publish({"ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop",
                "Transparent", "Visible", "OnClick", "OnEnter", "OnExit", "OnMouseDown",
                "OnMouseMove", "OnMouseUp"});
}

namespace {

// Space left and right of the caption strip.
constexpr int Gap = 4;

}  // namespace

TZYLCustomGroupBox::TZYLCustomGroupBox(vcl::TComponent* AOwner)
    : inherited(AOwner),
      FCaptionFont(new vcl::TFont()),
      FCaptionFont3D(new TZYLFxCaption()),
      FTextLayout(std::make_unique<TZYLGlyphTextLayout>()) {
  FTextLayout->SetAlignment(agCenterLeft);
  FCaptionFont.Link(vcl::TNotifyEvent(this, &TZYLCustomGroupBox::PartChange));
  FCaptionFont3D.Link(vcl::TNotifyEvent(this, &TZYLCustomGroupBox::PartChange));
  vcl::TControlStyle s = ControlStyle();
  s.Include(vcl::csSetCaption);
  SetControlStyle(s);
  SetBounds(Left(), Top(), 185, 105);
}

TZYLCustomGroupBox::~TZYLCustomGroupBox() = default;

void TZYLCustomGroupBox::Assign(vcl::TPersistent* Source) {
  inherited::Assign(Source);
  if (auto* src = dynamic_cast<TZYLCustomGroupBox*>(Source)) {
    FCaptionFont->Assign(src->FCaptionFont.get());
    FCaptionFont3D->Assign(src->FCaptionFont3D.get());
  }
}

void TZYLCustomGroupBox::SetCaptionFont(vcl::TFont* Value) {
  if (Value) FCaptionFont->Assign(Value);
}

void TZYLCustomGroupBox::SetCaptionFont3D(TZYLFxCaption* Value) {
  if (Value) FCaptionFont3D->Assign(Value);
}

void TZYLCustomGroupBox::PartChange(vcl::TObject*) {
  Realign();
  Invalidate();
}

// The marked letter of the caption passes the focus to the first tab stop inside, in tab order,
// that takes it; a box with none that is a tab stop itself (a group that draws its buttons)
// takes the focus.
void TZYLCustomGroupBox::CMDialogChar(vcl::TCMDialogChar& Message) {
  if (vcl::IsAccel(Message.CharCode(), Caption()) && CanFocus()) {
    if (vcl::TWinControl* first = FindNextControl(nullptr, true, true, false))
      first->SetFocus();
    else if (TabStop())
      SetFocus();
    Message.Result = 1;
    return;
  }
  ZYL_INHERITED(Message);
}

void TZYLCustomGroupBox::CMTextChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  Realign();
  Invalidate();
}

void TZYLCustomGroupBox::CMFontChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

void TZYLCustomGroupBox::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  const bool list = AComponent && AComponent == FImageList;
  inherited::Notification(AComponent, Operation);
  if (Operation == vcl::opRemove && list) Invalidate();
}

int TZYLCustomGroupBox::CaptionHeight() {
  if (Caption().empty()) return 0;
  // Measured on a memory canvas: no window is needed to lay the children out.
  vcl::TBitmap measure;
  measure.Canvas()->Font()->Assign(FCaptionFont.get());
  return measure.Canvas()->TextHeight("Wg") + 2;
}

vcl::TRect TZYLCustomGroupBox::ContentRect() {
  vcl::TRect r = BeveledRect();
  r.Top += CaptionHeight();
  return r;
}

void TZYLCustomGroupBox::AlignControls(vcl::TControl* AControl, vcl::TRect& Rect) {
  Rect.Top += CaptionHeight();
  inherited::AlignControls(AControl, Rect);
}

void TZYLCustomGroupBox::Paint() {
  inherited::Paint();
  const std::string caption = Caption();
  if (caption.empty()) return;
  vcl::TCanvas* c = Canvas();
  const vcl::TRect inside = BeveledRect();
  // The caption strip: the picture of the image list, then the caption.
  c->SetFont(FCaptionFont.get());
  const vcl::TRect r{inside.Left + Gap, inside.Top, inside.Right - Gap,
                     inside.Top + CaptionHeight()};
  c->Brush()->SetStyle(vcl::bsClear);
  vcl::TBitmap picture;
  vcl::TBitmap* shown = nullptr;
  if (FImageList && FImageList->GetBitmapItem(FListIndex, FImageIndex, &picture)) {
    picture.SetTransparent(true);
    shown = &picture;
  }
  ZYLDrawTextAndGlyph(c, caption, FCaptionFont3D.get(), r, shown, nullptr, FTextLayout.get(), false,
                      true, true, TZYLDrawTextStyles{Enabled() ? dtEnabled : dtDisabled}, 0);
}

}  // namespace zyl
