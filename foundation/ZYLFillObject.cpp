#include "foundation/ZYLFillObject.h"

#include "foundation/ZYLCont.h"

#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace zyl {

using vcl::TColor;
using vcl::TPoint;
using vcl::TRect;

namespace {

bool HasPicture(vcl::TBitmap* B) { return B && !B->Empty() && B->Width() > 0 && B->Height() > 0; }

// Floor division for tile origins left of or above the rectangle.
int64_t FloorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// Tiles the rectangle with B from Origin on; only the tiles that reach the canvas's clip box
// are drawn, so a rectangle far bigger than the canvas costs no more than the canvas.
void Tile(vcl::TCanvas* Canvas, const TRect& Rect, vcl::TBitmap* B, const TPoint& Origin) {
  const int64_t tw = B->Width(), th = B->Height();
  TRect area = Rect;
  TRect clip;
  if (win::GetClipBox(Canvas->Handle(), &clip) != win::ERROR &&
      !win::IntersectRect(&area, &Rect, &clip))
    return;
  const int64_t x0 = Origin.X + FloorDiv(int64_t{area.Left} - Origin.X, tw) * tw;
  const int64_t y0 = Origin.Y + FloorDiv(int64_t{area.Top} - Origin.Y, th) * th;
  for (int64_t y = y0; y < area.Bottom; y += th)
    for (int64_t x = x0; x < area.Right; x += tw)
      Canvas->Draw(static_cast<int>(x), static_cast<int>(y), B);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TZYLShapeFill

ZYL_CLASS_IMPL(TZYLShapeFill) {
  b.Prop("Bitmap", &TZYLShapeFill::Bitmap, &TZYLShapeFill::SetBitmap)
      .Stored(&TZYLShapeFill::HasBitmapData)
      .Prop("Gradient", &TZYLShapeFill::Gradient, &TZYLShapeFill::SetGradient)
      .Prop("Style", &TZYLShapeFill::Style, &TZYLShapeFill::SetFillStyle)
      .Default(sfBrush)
      .Prop("TileMode", &TZYLShapeFill::TileMode, &TZYLShapeFill::SetTileMode)
      .Default(tmTile);
}

TZYLShapeFill::TZYLShapeFill() {
  FBitmap.reset(new vcl::TBitmap(), vcl::TNotifyEvent(this, &TZYLShapeFill::BitmapChanged));
  FGradient.reset(new TZYLGradient(), vcl::TNotifyEvent(this, &TZYLShapeFill::GetChange));
}

TZYLShapeFill::~TZYLShapeFill() {
  FGradient.reset();
  FBitmap.reset();
  FListBitmap.reset();
}

bool TZYLShapeFill::HasBitmapData() const { return HasPicture(FBitmap); }

void TZYLShapeFill::BitmapChanged(vcl::TObject* /*Sender*/) { Change(); }

void TZYLShapeFill::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLShapeFill*>(Source)) {
    const bool wasUpdating = FUpdate;
    FUpdate = true;
    FStyle = s->FStyle;
    FTileMode = s->FTileMode;
    FBitmap->Assign(s->FBitmap);
    SetListBitmap(s->FListBitmap.get());
    FGradient->Assign(s->FGradient);
    FUpdate = wasUpdating;
    Change();
    return;
  }
  inherited::Assign(Source);
}

std::string TZYLShapeFill::GetSetStr() {
  std::string s = "{" + ZYLEnumName(FStyle);
  if (FStyle == sfBitmap || FStyle == sfBitmapList) s += ", " + ZYLEnumName(FTileMode);
  if (FStyle == sfGradient) s += ", " + ZYLEnumName(FGradient->Style());
  return s + "}";
}

void TZYLShapeFill::SetFillStyle(TZYLFillStyle Value) {
  if (ZYLStoreValue(FStyle, Value)) Change();
}

void TZYLShapeFill::SetTileMode(TZYLTileMode Value) {
  if (ZYLStoreValue(FTileMode, Value)) Change();
}

void TZYLShapeFill::SetBitmap(vcl::TBitmap* Value) {
  if (Value == FBitmap) return;
  // The bitmap's own change signal is held back: one change for the whole assignment.
  const bool wasUpdating = FUpdate;
  FUpdate = true;
  if (Value) FBitmap->Assign(Value);
  else {
    vcl::TBitmap empty;
    FBitmap->Assign(&empty);
  }
  FUpdate = wasUpdating;
  Change();
}

void TZYLShapeFill::SetListBitmap(vcl::TBitmap* Value) {
  if (Value == FListBitmap.get()) return;
  if (!Value) {
    if (!FListBitmap) return;
    FListBitmap.reset();
  } else {
    if (!FListBitmap) FListBitmap.reset(new vcl::TBitmap());
    FListBitmap->Assign(Value);
  }
  Change();
}

void TZYLShapeFill::TakeListItem(const TZYLCustomImageList* List, int ListIndex, int Index) {
  vcl::TBitmap item;
  const bool found = List && List->GetBitmapItem(ListIndex, Index, &item);
  BeginUpdate();
  SetListBitmap(found ? &item : nullptr);
  EndUpdate(false);
}

void TZYLShapeFill::SetGradient(TZYLGradient* Value) {
  if (Value && Value != FGradient) FGradient->Assign(Value);
}

vcl::TBitmap* TZYLShapeFill::GetBitmap() const {
  return (FStyle == sfBitmap || FStyle == sfBrushBitmap) ? FBitmap.get() : FListBitmap.get();
}

bool TZYLShapeFill::GetEmpty() const {
  switch (FStyle) {
    case sfNone:
      return true;
    case sfBitmap:
    case sfBrushBitmap:
      return !HasPicture(FBitmap);
    case sfBitmapList: return !HasPicture(FListBitmap.get());
    default:
      return false;
  }
}

win::HPALETTE TZYLShapeFill::GetPalette() const {
  switch (FStyle) {
    case sfBrushBitmap:
    case sfBitmap:
      return HasPicture(FBitmap) ? FBitmap->Palette() : nullptr;
    case sfBitmapList: return HasPicture(FListBitmap.get()) ? FListBitmap->Palette() : nullptr;
    case sfGradient:
      return FGradient->Palette();
    default:
      return nullptr;
  }
}

// ---------------------------------------------------------------------------------------------
// TZYLFillObject

ZYL_CLASS_IMPL(TZYLFillObject) {
  b.Prop("Alignment", &TZYLFillObject::Alignment, &TZYLFillObject::SetAlignment)
      .Default(agTopLeft)
      .Prop("Brush", &TZYLFillObject::Brush, &TZYLFillObject::SetBrush)
      .Prop("OffsetX", &TZYLFillObject::GetOffset, &TZYLFillObject::SetOffset)
      .Index(oiOffsetX)
      .Default(0)
      .Prop("OffsetY", &TZYLFillObject::GetOffset, &TZYLFillObject::SetOffset)
      .Index(oiOffsetY)
      .Default(0)
      .Prop("Options", &TZYLFillObject::Options, &TZYLFillObject::SetOptions)
      .Default(TZYLFillOptions{foFillInner, foGrUseBitmap})
      .Prop("Style", &TZYLFillObject::Style, &TZYLFillObject::SetFillStyle)
      .Stored(&TZYLFillObject::IsStyleStored);
}

void TZYLFillObject::SetDefaultFillStyle(TZYLFillStyle Value) {
  FDefaultStyle = Value;
  SetFillStyle(Value);
}

TZYLFillObject::TZYLFillObject() {
  FStyle = sfNone;
  FBrush.reset(new vcl::TBrush(), vcl::TNotifyEvent(this, &TZYLFillObject::BrushChanged));
}

TZYLFillObject::~TZYLFillObject() { FBrush.reset(); }

void TZYLFillObject::BrushChanged(vcl::TObject* /*Sender*/) { Change(); }

void TZYLFillObject::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLFillObject*>(Source)) {
    const bool wasUpdating = FUpdate;
    FUpdate = true;
    FBrush->Assign(s->FBrush);
    FAlignment = s->FAlignment;
    FOffsetX = s->FOffsetX;
    FOffsetY = s->FOffsetY;
    FOptions = s->FOptions;
    inherited::Assign(Source);
    FUpdate = wasUpdating;
    Change();
    return;
  }
  inherited::Assign(Source);
}

void TZYLFillObject::SetBrush(vcl::TBrush* Value) {
  if (Value && Value != FBrush) FBrush->Assign(Value);
}

void TZYLFillObject::SetAlignment(TZYLAlignment Value) {
  if (ZYLStoreValue(FAlignment, Value)) Change();
}

void TZYLFillObject::SetOffset(int Index, int16_t Value) {
  if (ZYLStoreValue(Index == oiOffsetX ? FOffsetX : FOffsetY, Value)) Change();
}

void TZYLFillObject::SetOptions(TZYLFillOptions Value) {
  if (ZYLStoreValue(FOptions, Value)) Change();
}

bool TZYLFillObject::GetTransparent() const {
  switch (FStyle) {
    case sfNone:
      return true;
    case sfBrush:
      return FBrush->Style() != vcl::bsSolid && !FOptions.contains(foFillInner);
    case sfBitmap:
    case sfBitmapList:
      return FTileMode != tmTile && !FOptions.contains(foFillInner);
    default:
      return false;
  }
}

bool TZYLFillObject::GetMustRedraw() const {
  switch (FStyle) {
    case sfGradient:
      return true;
    case sfBitmap:
    case sfBitmapList:
      return FTileMode != tmTile;
    default:
      return false;
  }
}

bool TZYLFillObject::FillCanvas(vcl::TCanvas* Canvas, const TRect& Rect, TColor BackColor) {
  return DoFill(Canvas, Rect, BackColor, Rect.TopLeft());
}

bool TZYLFillObject::ClipFill(vcl::TCanvas* Canvas, const TRect& Rect, TColor BackColor,
                              int32_t Offset) {
  if (!Canvas) return false;
  const TPoint origin =
      Offset == 0 ? Rect.TopLeft()
                  : TPoint{-static_cast<int16_t>(Offset & 0xFFFF),
                           -static_cast<int16_t>((static_cast<uint32_t>(Offset) >> 16) & 0xFFFF)};
  if (FStyle == sfGradient && FOptions.contains(foGrUseBitmap))
    return DoFill(Canvas, Rect, BackColor, origin);
  win::HDC dc = Canvas->Handle();
  win::TSavedDC saved(dc);
  win::IntersectClipRect(dc, Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
  return DoFill(Canvas, Rect, BackColor, origin);
}

bool TZYLFillObject::DoFill(vcl::TCanvas* Canvas, const TRect& Rect, TColor BackColor,
                            const TPoint& Origin) {
  if (!Canvas || Rect.Right <= Rect.Left || Rect.Bottom <= Rect.Top || GetEmpty()) return false;
  vcl::TBrush* brush = Canvas->Brush();
  const TColor oldColor = brush->Color();
  const vcl::TBrushStyle oldStyle = brush->Style();
  auto fillBack = [&] {
    brush->SetStyle(vcl::bsSolid);
    brush->SetColor(BackColor);
    Canvas->FillRect(Rect);
  };
  // Bitmaps are drawn under a clip of Rect so that tiles and placed pictures stay inside.
  auto clipped = [&](auto&& paint) {
    win::HDC dc = Canvas->Handle();
    win::TSavedDC saved(dc);
    win::IntersectClipRect(dc, Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
    paint();
  };
  switch (FStyle) {
    case sfNone:
      return false;
    case sfBrush:
      if (FBrush->Style() != vcl::bsSolid && FBrush->Style() != vcl::bsClear &&
          FOptions.contains(foFillInner))
        fillBack();
      if (FBrush->Style() != vcl::bsClear) {
        brush->Assign(FBrush);
        Canvas->FillRect(Rect);
      }
      break;
    case sfBrushBitmap:
      clipped([&] { Tile(Canvas, Rect, FBitmap, Origin); });
      break;
    case sfBitmap:
    case sfBitmapList: {
      vcl::TBitmap* bmp = GetBitmap();
      if (FTileMode == tmTile) {
        clipped([&] { Tile(Canvas, Rect, bmp, Origin); });
        break;
      }
      if (FOptions.contains(foFillInner)) fillBack();
      if (FTileMode == tmStretch) {
        Canvas->StretchDraw(Rect, bmp);
        break;
      }
      const int32_t w = bmp->Width(), h = bmp->Height();
      int32_t x = Rect.Left, y = Rect.Top;
      TZYLAlignment a = FTileMode == tmCenter ? agCenter : FAlignment;
      const int col = a % 3, row = a / 3;
      if (col == 1) x = Rect.Left + (Rect.Width() - w) / 2;
      else if (col == 2) x = Rect.Right - w;
      if (row == 1) y = Rect.Top + (Rect.Height() - h) / 2;
      else if (row == 2) y = Rect.Bottom - h;
      x += FOffsetX;
      y += FOffsetY;
      clipped([&] { Canvas->Draw(x, y, bmp); });
      break;
    }
    case sfGradient:
      FGradient->PaintGradient(Canvas, Rect);
      break;
  }
  brush->SetColor(oldColor);
  brush->SetStyle(oldStyle);
  return true;
}

}  // namespace zyl
