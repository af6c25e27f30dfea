#include "display/ZYLCustomNImage.h"

#include <memory>

#include "foundation/ZYLBevel.h"
#include "foundation/ZYLBitmapEffect.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

namespace zyl {

using vcl::TRect;

ZYL_CLASS_IMPL(TZYLCustomNImage) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  b.Publish({"Align", "Anchors", "BackFX", "Color", "Constraints", "DragCursor", "DragKind",
            "DragMode", "ParentColor", "ParentShowHint", "PopupMenu"})
      .Prop("QuickDraw", &TZYLCustomNImage::QuickDraw, &TZYLCustomNImage::SetQuickDraw)
      .Default(true)
      .Publish("ShowHint")
      .Prop("Style", &TZYLCustomNImage::Style, &TZYLCustomNImage::SetStyle)
      .Default(sbNone)
      .Prop("TransparentStyle", &TZYLCustomNImage::TransparentStyle,
            &TZYLCustomNImage::SetTransparentStyle)
      .Publish({"Transparent", "Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver",
                "OnEndDock", "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDock",
                "OnStartDrag"});
}

TZYLCustomNImage::TZYLCustomNImage(vcl::TComponent* AOwner) : inherited(AOwner) {
  FBitmap.reset(new vcl::TBitmap(), vcl::TNotifyEvent(this, &TZYLCustomNImage::GetChange));
  FTransparentStyle.reset(new TZYLTransparent(),
                          vcl::TNotifyEvent(this, &TZYLCustomNImage::GetChange));
}

TZYLCustomNImage::~TZYLCustomNImage() {
  FBitmap.reset();
  FTransparentStyle.reset();
}

void TZYLCustomNImage::SetBitmap(vcl::TBitmap* Value) {
  // The picture's change event repaints; a palette of its own needs nothing more on the
  // true-colour surfaces here.
  FBitmap->Assign(Value);
}

void TZYLCustomNImage::SetControl(TZYLCustomNImage* Value) {
  if (Value == FControl || Value == this) return;
  FControl = Value;
  if (Value) Value->FreeNotification(this);
  InvalidateControl();
}

void TZYLCustomNImage::SetTransparentStyle(TZYLTransparent* Value) {
  if (Value) FTransparentStyle->Assign(Value);
}

vcl::TBitmap* TZYLCustomNImage::GetBitmap(vcl::TBitmap* /*Scratch*/) {
  return FControl ? FControl->FBitmap : FBitmap;
}

bool TZYLCustomNImage::GetEmpty() {
  if (ControlState().contains(vcl::csPaintCopy)) return false;
  return GetBitmap(nullptr)->Empty();
}

win::HPALETTE TZYLCustomNImage::GetPalette() {
  vcl::TBitmap* b = GetBitmap(nullptr);
  return b->Empty() ? nullptr : b->Palette();
}

bool TZYLCustomNImage::CorrectBounds() {
  if (FStyle != sbAutosize) return false;
  int w = 20, h = 20;
  if (!GetEmpty()) {
    vcl::TBitmap* b = GetBitmap(nullptr);
    w = b->Width();
    h = b->Height();
  }
  w += DblBevelExt();
  h += DblBevelExt();
  if (w == Width() && h == Height()) return false;
  SetBounds(Left(), Top(), w, h);
  return true;
}

void TZYLCustomNImage::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == vcl::opRemove && AComponent && AComponent == FControl) {
    FControl = nullptr;
    if (!ComponentState().contains(vcl::csDestroying)) InvalidateControl();
  }
}

void TZYLCustomNImage::Paint() {
  if (ComponentState().contains(vcl::csLoading) || CorrectBounds()) return;
  const bool empty = GetEmpty();
  if (!FTransparent) {
    FillControl();
  } else if (empty && BevelExt() == 0) {
    TZYLGraphicControl::Paint();
    return;
  }
  vcl::TCanvas* c = Canvas();
  const TRect r = FBevel->PaintBevel(c, ClientRect(), FTransparent);
  if (r.Right <= r.Left || r.Bottom <= r.Top) return;

  std::unique_ptr<vcl::TBitmap> scratch;
  if (ControlState().contains(vcl::csPaintCopy)) scratch = std::make_unique<vcl::TBitmap>();
  vcl::TBitmap* pic = GetBitmap(scratch.get());
  if (!pic || pic->Empty()) return;
  try {
    TZYLDrawStyleFlags flags = 0;
    vcl::TColor tc = pic->TransparentColor();
    switch (FTransparentStyle->Mode()) {
      case tpNone:
        break;
      case tpRestoreBack:
        flags = dsfTransparent;
        break;
      case tpTransparentColor:
        flags = dsfBrushCopy;
        tc = FTransparentStyle->Color();
        break;
      case tpRBTranspColor:
        flags = dsfTransparent;
        tc = FTransparentStyle->Color();
        break;
    }
    AddStyleFlags(flags);
    if (!FQuickDraw) RealizeIn(c, pic->Palette());
    // The brush that a brush copy shows where the picture is see-through: the control's colour,
    // or nothing at all over the parent.
    c->Brush()->SetColor(Color());
    c->Brush()->SetStyle(FTransparent ? vcl::bsClear : vcl::bsSolid);
    auto work = std::make_unique<vcl::TBitmap>();
    work->SetPixelFormat(vcl::pf24bit);
    work->SetSize(pic->Width(), pic->Height());
    work->Canvas()->Draw(0, 0, pic);
    FBackFX->Draw(work.get());
    ZYLBmpClipDraw(c, r, work.get(), flags, ZYLPackOffset(Left(), Top()), tc);
  } catch (const vcl::Exception&) {
    // A picture that cannot be drawn leaves background and bevel.
  }
}

}  // namespace zyl
