// Fill descriptions: TZYLShapeFill (style, tile mode, bitmap, image-list bitmap, gradient) and
// TZYLFillObject, which adds its own brush, alignment, offsets and options and paints the fill.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLGradient.h"
#include "foundation/ZYLObject.h"
#include "foundation/ZYLOwned.h"
#include "platform/base/Types.h"
#include "platform/graphics/Colors.h"

namespace vcl {
class TBitmap;
class TBrush;
class TCanvas;
}

namespace zyl {

class TZYLCustomImageList;

ZYL_ENUM(TZYLFillOption, foFillInner, foQuickDraw, foGrUseBitmap)
using TZYLFillOptions = vcl::TSet<TZYLFillOption>;

class TZYLShapeFill : public TZYLObject {
  ZYL_CLASS(TZYLShapeFill, TZYLObject)
  TZYLShapeFill();
  ~TZYLShapeFill() override;

  void Assign(vcl::TPersistent* Source) override;
  // "{<Style>}", with the tile mode for the bitmap styles and the gradient style for
  // sfGradient: "{sfBitmap, tmTile}", "{sfGradient, gstVertical}".
  std::string GetSetStr() override;

  TZYLFillStyle Style() const { return FStyle; }
  void SetFillStyle(TZYLFillStyle Value);
  TZYLTileMode TileMode() const { return FTileMode; }
  void SetTileMode(TZYLTileMode Value);
  // The own bitmap (never null); SetBitmap assigns a copy (null empties it).
  vcl::TBitmap* Bitmap() const { return FBitmap.get(); }
  void SetBitmap(vcl::TBitmap* Value);
  // The bitmap taken from an image list (null when none); SetListBitmap copies, null clears.
  vcl::TBitmap* ListBitmap() const { return FListBitmap.get(); }
  void SetListBitmap(vcl::TBitmap* Value);
  // Takes image Index of entry ListIndex of List as the list bitmap, quietly (the caller
  // repaints); clears it when List is null or has no such image.
  void TakeListItem(const TZYLCustomImageList* List, int ListIndex, int Index);
  TZYLGradient* Gradient() const { return FGradient.get(); }
  void SetGradient(TZYLGradient* Value);

  // Bitmap for sfBitmap and sfBrushBitmap, otherwise the list bitmap.
  vcl::TBitmap* GetBitmap() const;
  // True for sfNone, and for sfBitmap, sfBrushBitmap or sfBitmapList without a picture.
  virtual bool GetEmpty() const;
  // The palette of the fill source (0 when it has none).
  win::HPALETTE GetPalette() const;
  // Stored rule of Bitmap: written only when it holds a picture.
  bool HasBitmapData() const;

 protected:
  void BitmapChanged(vcl::TObject* Sender);

  TZYLFillStyle FStyle = sfBrush;
  TZYLTileMode FTileMode = tmTile;
  TZYLOwned<vcl::TBitmap> FBitmap;
  std::unique_ptr<vcl::TBitmap> FListBitmap;
  TZYLOwned<TZYLGradient> FGradient;
};

class TZYLFillObject : public TZYLShapeFill {
  ZYL_CLASS(TZYLFillObject, TZYLShapeFill)
  // The indices of the offset properties.
  enum TOffsetProp : int { oiOffsetX, oiOffsetY };

  TZYLFillObject();
  ~TZYLFillObject() override;

  // An owner whose fill starts with another style sets it here: the value becomes the one a
  // form stream leaves out, so that every other style (sfNone too) is written.
  void SetDefaultFillStyle(TZYLFillStyle Value);
  bool IsStyleStored() const { return FStyle != FDefaultStyle; }
  void Assign(vcl::TPersistent* Source) override;

  // Fills Rect by the style: brush (with BackColor behind a hatched brush under foFillInner),
  // brush bitmap (a pattern from Bitmap), bitmap or list bitmap (tiled, centred, stretched or
  // placed by Alignment and the offsets; BackColor round an untiled picture under
  // foFillInner) or gradient. Patterns start at Rect's top-left corner. Returns whether it
  // painted.
  bool FillCanvas(vcl::TCanvas* Canvas, const vcl::TRect& Rect, vcl::TColor BackColor);
  // FillCanvas under a clip region of Rect; a non-zero packed Offset (low word x, high word
  // y, each signed) aligns patterns and tiles as if the fill started Offset pixels before the
  // canvas origin (a control passes its Left and Top to continue its parent's pattern). With
  // foGrUseBitmap a gradient fills without clipping.
  bool ClipFill(vcl::TCanvas* Canvas, const vcl::TRect& Rect, vcl::TColor BackColor,
                int32_t Offset);
  // Whether the fill leaves background visible: sfNone; sfBrush with a non-solid brush and
  // foFillInner off; sfBitmap / sfBitmapList untiled with foFillInner off.
  bool GetTransparent() const;
  // Whether the fill depends on the size of the area (gradient, stretched or placed picture).
  bool GetMustRedraw() const;

  vcl::TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(vcl::TBrush* Value);
  TZYLAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TZYLAlignment Value);
  // Index: one of TOffsetProp.
  int16_t GetOffset(int Index) const { return Index == oiOffsetX ? FOffsetX : FOffsetY; }
  void SetOffset(int Index, int16_t Value);
  int16_t OffsetX() const { return FOffsetX; }
  int16_t OffsetY() const { return FOffsetY; }
  TZYLFillOptions Options() const { return FOptions; }
  void SetOptions(TZYLFillOptions Value);

 private:
  bool DoFill(vcl::TCanvas* Canvas, const vcl::TRect& Rect, vcl::TColor BackColor,
              const vcl::TPoint& Origin);
  void BrushChanged(vcl::TObject* Sender);

  TZYLOwned<vcl::TBrush> FBrush;
  TZYLAlignment FAlignment = agTopLeft;
  int16_t FOffsetX = 0;
  int16_t FOffsetY = 0;
  TZYLFillStyle FDefaultStyle = sfNone;
  TZYLFillOptions FOptions{foFillInner, foGrUseBitmap};
};

}  // namespace zyl
