#include "display/ZYLBaseShape.h"

#include <algorithm>

#include "foundation/ZYLCaption.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGradient.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

namespace zyl {

using vcl::TRect;

ZYL_CLASS_IMPL(TZYLBaseShape) {
  using C = TZYLBaseShape;
  b.Publish("About")
      .Publish({"Align", "Anchors"})
      .Prop("Bevel", &C::Bevel, &C::SetBevel)
      .Publish("BiDiMode")
      .Prop("Brush", &C::Brush, &C::SetBrush)
      .Prop("BrushBackColor", &C::BrushBackColor, &C::SetBrushBackColor, vcl::ColorTypeInfo())
      .Default(vcl::clBtnFace)
      .Prop("Caption", &C::Caption, &C::SetCaption)
      .Prop("CaptionClip", &C::CaptionClip, &C::SetCaptionClip)
      .Default(false)
      .Publish({"Color", "Constraints", "DragCursor", "DragMode", "ParentBiDiMode", "ParentColor",
                "ParentFont", "ParentShowHint", "PopupMenu"})
      .Prop("RoundPercent", &C::RoundPercent, &C::SetRoundPercent)
      .Default(33)
      .Prop("Shadow", &C::Shadow, &C::SetShadow)
      .Prop("Shape", &C::Shape, &C::SetShape)
      .Default(stRectangle)
      .Prop("ShapeFill", &C::ShapeFill, &C::SetShapeFill)
      .Publish("ShowHint")
      .Prop("Square", &C::Square, &C::SetSquare)
      .Default(false)
      .Publish({"Transparent", "Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver",
                "OnEndDock", "OnEndDrag", "OnMouseDown"})
      .Publish({"OnMouseEnter", "OnMouseExit"})
      .Publish({"OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag"});
}

TZYLBaseShape::TZYLBaseShape(vcl::TComponent* AOwner) : inherited(AOwner) {
  const vcl::TNotifyEvent change(this, &TZYLBaseShape::GetChange);
  FBevel.reset(new TZYLSimpleBevel(), change);
  FBrush.reset(new vcl::TBrush(), change);
  FCaption.reset(new TZYLCaption(), change);
  // The outline is written by the calculation itself: it must not call back into GetChange.
  FPointList.reset(new TZYLPointList());
  FShadow.reset(new TZYLShadow(), change);
  FTeeth.reset(new TZYLTeeth(), change);
  FShapeFill.reset(new TZYLShapeFill(), change);
  vcl::TControlStyle s = ControlStyle();
  s.Include(vcl::csReplicatable);
  SetControlStyle(s);
}

TZYLBaseShape::~TZYLBaseShape() {
  FreeFillBitmap();
  FShapeFill.reset();
  FActiveTeeth = nullptr;
  FTeeth.reset();
  FShadow.reset();
  FPointList.reset();
  FCaption.reset();
  FBrush.reset();
  FBevel.reset();
}

// ---- Setters ----

void TZYLBaseShape::SetBevel(TZYLSimpleBevel* Value) {
  if (Value) FBevel->Assign(Value);
}

void TZYLBaseShape::SetBrush(vcl::TBrush* Value) {
  if (Value) FBrush->Assign(Value);
}

void TZYLBaseShape::SetCaption(TZYLCaption* Value) {
  if (Value) FCaption->Assign(Value);
}

void TZYLBaseShape::SetShadow(TZYLShadow* Value) {
  if (Value) FShadow->Assign(Value);
}

void TZYLBaseShape::SetTeeth(TZYLTeeth* Value) {
  if (Value) FTeeth->Assign(Value);
}

void TZYLBaseShape::SetShapeFill(TZYLShapeFill* Value) {
  if (Value) FShapeFill->Assign(Value);
}

void TZYLBaseShape::SetBrushBackColor(vcl::TColor Value) {
  if (FBrushBackColor == Value) return;
  FBrushBackColor = Value;
  GetChange(nullptr);
}

void TZYLBaseShape::SetCaptionClip(bool Value) {
  if (FCaptionClip == Value) return;
  FCaptionClip = Value;
  GetChange(nullptr);
}

void TZYLBaseShape::SetRoundPercent(TZYLPercent Value) {
  Value = std::clamp<TZYLPercent>(Value, 0, 100);
  if (FRoundPercent == Value) return;
  FRoundPercent = Value;
  GetChange(nullptr);
}

void TZYLBaseShape::SetShape(TZYLShapeType Value) {
  if (FShape == Value) return;
  FShape = Value;
  GetChange(nullptr);
}

void TZYLBaseShape::SetSquare(bool Value) {
  if (FSquare == Value) return;
  FSquare = Value;
  GetChange(nullptr);
}

void TZYLBaseShape::SetMode(TZYLShapeControlMode Value) {
  if (FMode == Value) return;
  FMode = Value;
  UpdateActiveTeeth();
  GetChange(nullptr);
}

void TZYLBaseShape::UpdateActiveTeeth() {
  FActiveTeeth = (FMode == scmTeethFast || FMode == scmTeethFill) ? FTeeth.get() : nullptr;
}

// ---- Change handling ----

void TZYLBaseShape::GetChange(vcl::TObject* Sender) {
  UpdateActiveTeeth();
  if (!dynamic_cast<TZYLCaption*>(Sender))
    ZYLShapeCalc(ClientRect(), FShape, FActiveTeeth, FSquare, FBrush,
                 static_cast<int8_t>(FRoundPercent), FBevel, FShadow, FPointList.get());
  GetShapeChange();
  inherited::GetChange(Sender);
}

void TZYLBaseShape::FreeFillBitmap() { FFillBitmap.reset(); }

void TZYLBaseShape::GetShapeChange() {
  FreeFillBitmap();
  if (IsFillMode()) FFillBitmap.reset(new vcl::TBitmap());
}

void TZYLBaseShape::BoundsChange(TZYLBoundsChangeStates State) {
  inherited::BoundsChange(State);
  if (!(State == TZYLBoundsChangeStates{bcPos})) FOutlineStale = true;
}

void TZYLBaseShape::GetIMLChange(vcl::TObject* Sender) {
  if (FShapeFill) {
    // A copy of the image the list holds at ListIndex / ImageIndex, or none.
    vcl::TBitmap item;
    if (FImageList && FImageList->GetBitmapItem(FListIndex, FImageIndex, &item))
      FShapeFill->SetListBitmap(&item);
    else
      FShapeFill->SetListBitmap(nullptr);
  }
  inherited::GetIMLChange(Sender);
}

win::HPALETTE TZYLBaseShape::GetPalette() {
  return IsFillMode() ? FShapeFill->GetPalette() : nullptr;
}

// ---- Painting ----

bool TZYLBaseShape::PaintSuppressed() const {
  const auto state = ComponentState();
  return state.contains(vcl::csLoading) || state.contains(vcl::csReading);
}

void TZYLBaseShape::Paint() {
  if (PaintSuppressed()) return;
  PaintToCanvas(Canvas());
}

void TZYLBaseShape::FillBack(vcl::TCanvas* Canvas, const TRect& Rect) {
  Canvas->Brush()->SetStyle(vcl::bsSolid);
  Canvas->Brush()->SetColor(Color());
  Canvas->FillRect(Rect);
}

TRect TZYLBaseShape::TeethShrunk(const TRect& Rect) const {
  TRect r = Rect;
  if (FMode != scmTeethFill) return r;
  switch (FTeeth->Direction()) {
    case tdRight: r.Right -= FTeeth->Width(); break;
    case tdDown: r.Bottom -= FTeeth->Height(); break;
    case tdLeft: r.Left += FTeeth->Width(); break;
    case tdUp: r.Top += FTeeth->Height(); break;
  }
  return r;
}

void TZYLBaseShape::PaintToCanvas(vcl::TCanvas* Canvas) {
  if (!Canvas) return;
  const TRect client{0, 0, Width(), Height()};
  if (FOutlineStale) {
    ZYLShapeCalc(client, FShape, FActiveTeeth, FSquare, FBrush, static_cast<int8_t>(FRoundPercent),
                 FBevel, FShadow, FPointList.get());
    GetShapeChange();
    FOutlineStale = false;
  }

  if (!IsFillMode()) {
    if (!FTransparent) FillBack(Canvas, client);
    FreeFillBitmap();
    ZYLShapeDraw(client, Canvas, FShape, FActiveTeeth, FPointList.get(), FSquare, FBrush,
                 static_cast<int8_t>(FRoundPercent), FBevel, FShadow, nullptr, Color(),
                 FBrushBackColor, 0);
    DrawCaption(Canvas, client);
    return;
  }

  if (!FFillBitmap) FFillBitmap.reset(new vcl::TBitmap());
  if (FFillBitmap->Empty()) OffscreenPaint();

  const TZYLFillStyle style = FShapeFill->Style();
  // Whether the style draws through the fill bitmap (and so carries a clipped caption).
  bool usesFillBitmap = true;
  if (style == sfNone || style == sfBrushBitmap) {
    usesFillBitmap = false;
    if (!FTransparent) FillBack(Canvas, client);
    vcl::TBrush brush;
    vcl::TBitmap* pattern = FShapeFill->GetBitmap();
    if (style == sfBrushBitmap && pattern && !pattern->Empty())
      brush.SetBitmap(pattern);
    else
      brush.SetStyle(vcl::bsClear);  // no picture: nothing to fill with
    ZYLShapeDraw(client, Canvas, FShape, FActiveTeeth, FPointList.get(), FSquare, &brush,
                 static_cast<int8_t>(FRoundPercent), FBevel, FShadow, nullptr, Color(),
                 FBrushBackColor, 0);
  } else if (client.Width() > 0 && client.Height() > 0) {
    const vcl::TColor back = vcl::ColorToRGB(Color());
    vcl::TBitmap temp;
    temp.SetSize(client.Width(), client.Height());
    temp.Canvas()->Brush()->SetStyle(vcl::bsSolid);
    temp.Canvas()->Brush()->SetColor(back);
    temp.Canvas()->FillRect(client);
    if (!FTransparent) FillBack(Canvas, client);
    if (style == sfGradient) FShapeFill->Gradient()->SetRealPalette(Canvas);
    ZYLShapeDraw(client, temp.Canvas(), FShape, FActiveTeeth, FPointList.get(), FSquare, FBrush,
                 static_cast<int8_t>(FRoundPercent), FBevel, FShadow, FFillBitmap.get(), back,
                 FBrushBackColor, 0);
    ZYLBmpDraw(Canvas, client, &temp, dsfTransparent, back);
  }

  // A clipped caption lives in the fill bitmap; styles that do not draw it get the caption
  // drawn directly, so that it is never lost.
  if (!FCaptionClip || !usesFillBitmap) DrawCaption(Canvas, TeethShrunk(client));
}

void TZYLBaseShape::OffscreenPaint() {
  if (!FFillBitmap) FFillBitmap.reset(new vcl::TBitmap());
  const TRect g = GetGradientRect();
  const TRect r{0, 0, std::max(0, g.Width()), std::max(0, g.Height())};
  // Pixels beyond the control never show: the bitmap need not be larger than the control.
  const int bw = std::min(r.Right, std::max(Width(), 1));
  const int bh = std::min(r.Bottom, std::max(Height(), 1));
  FFillBitmap->SetSize(bw, bh);
  if (bw <= 0 || bh <= 0) return;
  vcl::TCanvas* c = FFillBitmap->Canvas();
  c->Brush()->SetStyle(vcl::bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(TRect{0, 0, bw, bh});
  switch (FShapeFill->Style()) {
    case sfBrush:
      ZYLShapeDraw(r, c, FShape, FActiveTeeth, FPointList.get(), FSquare, FBrush,
                   static_cast<int8_t>(FRoundPercent), FBevel, FShadow, nullptr, Color(),
                   FBrushBackColor, 0);
      break;
    case sfBitmap:
    case sfBitmapList: {
      vcl::TBitmap* pic = FShapeFill->GetBitmap();
      if (pic && !pic->Empty()) {
        const TZYLDrawStyleFlags flags = ZYLTileMode2DSF(FShapeFill->TileMode());
        // Tiles start at the corner either way: tiling only the visible part is the same.
        const TRect target = (flags & dsfTile) ? TRect{0, 0, bw, bh} : r;
        ZYLBmpDraw(c, target, pic, flags, pic->TransparentColor());
      }
      break;
    }
    case sfGradient: FShapeFill->Gradient()->PaintGradient(c, r); break;
    default: break;
  }
  if (FCaptionClip) DrawCaption(c, TeethShrunk(r));
}

void TZYLBaseShape::DrawCaption(vcl::TCanvas* Canvas, const TRect& Rect) {
  const int bw = FBevel->Width();
  TRect r = Rect;
  const int inset = vcl::ClampToInt(-int64_t{bw});
  win::InflateRect(&r, inset, inset);
  if (FShadow->Style() != hssNone) {
    r.Right = vcl::ClampToInt(int64_t{r.Right} - FShadow->Depth());
    r.Bottom = vcl::ClampToInt(int64_t{r.Bottom} - FShadow->Depth());
  }
  // The text stays where Rect puts it: a caption area cut by teeth on the left or top keeps
  // its distance from them.
  if (r.Right <= r.Left || r.Bottom <= r.Top) return;
  const TZYLDrawTextStyles styles =
      Enabled() ? TZYLDrawTextStyles{dtEnabled} : TZYLDrawTextStyles{dtDisabled};
  FCaption->DrawCaption(Canvas, GetLabelText(), r, styles, Color(), 0);
}

TRect TZYLBaseShape::GetGradientRect() { return ClientRect(); }

std::string TZYLBaseShape::GetLabelText() { return FCaption->Caption(); }

void TZYLBaseShape::SaveToFile(const std::string& FileName) {
  vcl::TBitmap bmp;
  bmp.SetSize(Width(), Height());
  PaintToCanvas(bmp.Canvas());
  bmp.SaveToFile(FileName);
}

}  // namespace zyl
