// Bitmap, frame and shape drawing routines of the library: the drawing-style word of the
// bitmap routines, bitmap placement and transparency, pattern fills, the standard frames of
// TZYLBorderStyle, rectangle alignment and the outlines and painting of the eleven shapes.
#pragma once

#include <cstdint>
#include <vector>

#include "foundation/ZYLClass.h"
#include "platform/base/Types.h"
#include "platform/graphics/Colors.h"

namespace vcl {
class TCanvas;
class TBitmap;
class TBrush;
class TIcon;
}  // namespace vcl

namespace zyl {

class TZYLTeeth;
class TZYLSimpleBevel;
class TZYLShadow;
class TZYLPointList;

// ---------------------------------------------------------------------------------------------
// The drawing-style word of the bitmap routines

using TZYLDrawStyleFlags = uint16_t;
// Clipping of ZYLBmpClipDraw and the image lists' ClipDraw: draw under a clip region of the
// target rectangle (moved by the packed offset when that is non-zero).
constexpr TZYLDrawStyleFlags dsfClip = 0x0001;
// Placement: centred at source size, stretched, tiled; 0x0200 scales by the width, 0x0400 by
// the height (both: the largest picture of the source's aspect ratio, centred). None of them:
// the source size at the top-left corner.
constexpr TZYLDrawStyleFlags dsfCenter = 0x0008;
constexpr TZYLDrawStyleFlags dsfStretch = 0x0010;
constexpr TZYLDrawStyleFlags dsfTile = 0x0020;
constexpr TZYLDrawStyleFlags dsfScaleWidth = 0x0200;
constexpr TZYLDrawStyleFlags dsfScaleHeight = 0x0400;
constexpr TZYLDrawStyleFlags dsfKeepAspect = dsfScaleWidth | dsfScaleHeight;
// Transparency: the transparent colour is see-through; painted with the canvas brush; a
// given monochrome mask (white = see-through). None of them: a plain copy.
constexpr TZYLDrawStyleFlags dsfTransparent = 0x0040;
constexpr TZYLDrawStyleFlags dsfBrushCopy = 0x0080;
constexpr TZYLDrawStyleFlags dsfMaskHandle = 0x0100;

// The packed offset of the clipped routines: low word x, high word y (each sign-extended).
win::TPoint ZYLUnpackOffset(int32_t Offset);
int32_t ZYLPackOffset(int X, int Y);

// The drawing-style word of a tile mode: tmNone 0, tmCenter 0x0008, tmStretch 0x0010,
// tmTile 0x0020.
TZYLDrawStyleFlags ZYLTileMode2DSF(TZYLTileMode TileMode);

// The rectangles the placement of the drawing-style word gives for a source of SourceWidth x
// SourceHeight in DestRect (no transparency or clipping involved): each piece is a target
// rectangle and the part of the source drawn into it. Empty for an empty source or target.
// Tiles are given only where they meet *Visible (when given); more than a million tiles raise
// EInvalidGraphicOperation.
struct TZYLBmpPiece {
  win::TRect Dest;
  win::TRect Source;
};
std::vector<TZYLBmpPiece> ZYLBmpPlacement(const win::TRect& DestRect, int SourceWidth,
                                          int SourceHeight, TZYLDrawStyleFlags Flags,
                                          const win::TRect* Visible = nullptr);

// Copies SourceRect of SourceCanvas into DestRect of Canvas by the drawing-style word and
// returns the painted rectangle (empty when nothing was painted). MaskHandle is the mask of
// dsfMaskHandle (white = see-through); Obj is not used.
win::TRect ZYLBmpDrawExt(vcl::TCanvas* Canvas, const win::TRect& DestRect,
                         vcl::TCanvas* SourceCanvas, const win::TRect& SourceRect,
                         TZYLDrawStyleFlags Flags, vcl::TColor TransparentColor,
                         win::HBITMAP MaskHandle = nullptr, vcl::TObject* Obj = nullptr);
// The whole Bitmap into Rect; nothing (an empty result) for a nil or empty bitmap.
win::TRect ZYLBmpDraw(vcl::TCanvas* Canvas, const win::TRect& Rect, vcl::TBitmap* Bitmap,
                      TZYLDrawStyleFlags Flags, vcl::TColor TransparentColor);
// As ZYLBmpDraw, under a clip region of Rect moved by the packed Offset when dsfClip is set
// (the region is in device coordinates: a graphic control passes its Left and Top).
void ZYLBmpClipDraw(vcl::TCanvas* Canvas, const win::TRect& Rect, vcl::TBitmap* Bitmap,
                    TZYLDrawStyleFlags Flags, int32_t Offset, vcl::TColor TransparentColor);
// The same for a part of a canvas (what an image list's ClipDraw needs); returns the painted
// rectangle.
win::TRect ZYLBmpClipDrawExt(vcl::TCanvas* Canvas, const win::TRect& Rect,
                             vcl::TCanvas* SourceCanvas, const win::TRect& SourceRect,
                             TZYLDrawStyleFlags Flags, int32_t Offset,
                             vcl::TColor TransparentColor, win::HBITMAP MaskHandle = nullptr);

// Sizes Bitmap to the rectangle and fills it with Color; nothing for a nil bitmap or an
// empty rectangle.
void ZYLBmpCreateFromRect(vcl::TBitmap* Bitmap, const win::TRect& Rect, vcl::TColor Color);
// A new icon handle of Width x Height from the bitmap (stretched to that size) with a
// monochrome mask of the bitmap's transparent colour; the caller destroys it. Icon is null
// for a nil or empty bitmap or a size below 1.
void ZYLBitmap2Icon(vcl::TBitmap* Bitmap, win::HICON& Icon, int Width, int Height);
// Sizes the bitmap to the icon, fills it with Color and draws the icon at 0, 0; nothing for
// a nil bitmap or icon.
void ZYLIcon2Bitmap(vcl::TBitmap* Bitmap, vcl::TIcon* Icon, vcl::TColor Color);
// Sizes Picture and Mask to Rect, copies Rect of Canvas into both and turns Mask into the
// monochrome mask of TransparentColor; nothing for a nil mask or picture.
void ZYLBmpCreateMasksExt(vcl::TCanvas* Canvas, const win::TRect& Rect, vcl::TBitmap* Mask,
                          vcl::TBitmap* Picture, vcl::TColor TransparentColor);
// Sizes Bitmap to ScreenRect and copies the screen's pixels of it; nothing for a nil bitmap
// or an empty rectangle.
void ZYLBmpFromDesktop(vcl::TBitmap* Bitmap, const win::TRect& ScreenRect);
// Draws FillBitmap (tiled from Rect's corner, Color1 see-through) into Rect where the pixels
// of MaskBitmap differ from Color2; the rest of Rect is kept.
void ZYLMaskBmpDraw(vcl::TCanvas* Canvas, const win::TRect& Rect, vcl::TBitmap* MaskBitmap,
                    vcl::TBitmap* FillBitmap, vcl::TColor Color1, vcl::TColor Color2);
// Fills Rect with a pattern brush of Bitmap by PatBlt 0x00A000C9 (destination AND pattern),
// with a null pen; the pattern follows the DC's brush origin.
void ZYLFillPattern(win::HDC DC, const win::TRect& Rect, vcl::TBitmap* Bitmap);

// ---------------------------------------------------------------------------------------------
// Frames

// Draws the frame of Style into Rect with one or two DrawEdge calls (BF_RECT | BF_ADJUST and
// Flags ORed in); Rect shrinks by the frame. lsNone draws nothing. Returns true.
bool ZYLDrawStdFrame(vcl::TCanvas* Canvas, win::TRect& Rect, TZYLBorderStyle Style,
                     uint16_t Flags);
// The width of the frame ZYLDrawStdFrame draws for Style on each side.
int ZYLStdFrameWidth(TZYLBorderStyle Style);
// The ordinal of the forms' bsSingle border style.
constexpr uint8_t ZYLFormBorderSingle = 1;
// 0 unless BorderStyle is bsSingle; then 1 when Ctl3D is false or Themed, else 2.
uint8_t ZYLGetCtrlBorderWidth(bool Ctl3D, uint8_t BorderStyle, bool Themed);

// A rectangle of SourceRect's size placed inside TargetRect at Alignment (centres rounded
// toward the top-left).
void ZYLAlignRect(TZYLAlignment Alignment, const win::TRect& SourceRect,
                  const win::TRect& TargetRect, win::TRect& Result);
win::TRect ZYLAlignRect(TZYLAlignment Alignment, const win::TRect& SourceRect,
                        const win::TRect& TargetRect);

// Invalidates Rect of the window (InvalidateRect; Erase non-zero erases the background).
void ZYLInvalidateRect(win::HWND Handle, const win::TRect& Rect, int Erase);

// ---------------------------------------------------------------------------------------------
// Shapes

// The settings of a shape as plain values (what ZYLShapeCalc and ZYLShapeDraw read from the
// teeth, bevel and shadow objects).
struct TZYLShapeParams {
  TZYLShapeType ShapeType = stRectangle;
  bool Square = false;
  int RoundPercent = 0;            // 0 .. 100 (clamped): corner size of stRoundRect
  bool HasTeeth = false;           // a zig-zag edge (when its depth is above 0)
  TZYLDirection TeethDirection = tdRight;
  int TeethWidth = 0;              // depth of a right or left edge
  int TeethHeight = 0;             // depth of a bottom or top edge
  int TeethCount = 10;             // teeth along the edge (at least 1)
  int BevelWidth = 0;              // rings of the simple bevel
  TZYLSimpleBevelStyle BevelStyle = sbNormal;
  vcl::TColor BevelColor = vcl::clBlack;
  vcl::TColor BevelLightColor = vcl::clBtnHighlight;
  vcl::TColor BevelShadowColor = vcl::clBtnShadow;
  TZYLShadowStyle ShadowStyle = hssNone;
  int ShadowDepth = 0;
  vcl::TColor ShadowColor = vcl::clBtnShadow;
};
// Reads the settings objects (each may be nil) into the plain form.
TZYLShapeParams ZYLShapeParams(TZYLShapeType ShapeType, TZYLTeeth* Teeth, bool Square,
                               int RoundPercent, TZYLSimpleBevel* SimpleBevel,
                               TZYLShadow* Shadow);
// The rectangle the shape's outline fills within Rect: Rect made square (centred) when
// Square, less the shadow depth on the right and bottom and the teeth depth on the teeth side.
win::TRect ZYLShapeRect(const win::TRect& Rect, const TZYLShapeParams& Params);
// The outline (polygon vertices, inclusive pixel positions) of the shape in Rect. With teeth
// the outline is the shape rectangle with a zig-zag edge reaching to Rect's teeth side.
std::vector<win::TPoint> ZYLShapeOutline(const win::TRect& Rect, const TZYLShapeParams& Params);
// A region (the caller's to delete) of an outline's polygon, its boundary pixels included.
win::HRGN ZYLOutlineRegion(const std::vector<win::TPoint>& Outline);
// Draws the shape: the shadow (solid, or tracing: every other pixel darkened), the fill
// through the outline (Brush, or Bitmap placed in the outline's bounds by Flags and clipped to
// it; a nil brush fills with Color), then the bevel rings (sbNormal in the bevel colour;
// sbInset shadow colour on the upper-left edges and light colour on the lower-right; sbOffset
// the reverse). Outline, when not empty, replaces the computed outline of the fill and
// shadow. A hatched brush is drawn over BackColor unless BackColor is clNone.
void ZYLShapePaint(const win::TRect& Rect, vcl::TCanvas* Canvas, const TZYLShapeParams& Params,
                   const std::vector<win::TPoint>& Outline, vcl::TBrush* Brush,
                   vcl::TBitmap* Bitmap, vcl::TColor Color, vcl::TColor BackColor,
                   TZYLDrawStyleFlags Flags);

// The library's interface on the settings objects: the outline into PointList, and drawing
// (the outline from PointList when it holds points, otherwise computed). Brush is not read
// by ZYLShapeCalc.
void ZYLShapeCalc(const win::TRect& Rect, TZYLShapeType ShapeType, TZYLTeeth* Teeth, bool Square,
                  vcl::TBrush* Brush, int8_t RoundPercent, TZYLSimpleBevel* SimpleBevel,
                  TZYLShadow* Shadow, TZYLPointList* PointList);
void ZYLShapeDraw(const win::TRect& Rect, vcl::TCanvas* Canvas, TZYLShapeType ShapeType,
                  TZYLTeeth* Teeth, TZYLPointList* PointList, bool Square, vcl::TBrush* Brush,
                  int8_t RoundPercent, TZYLSimpleBevel* SimpleBevel, TZYLShadow* Shadow,
                  vcl::TBitmap* Bitmap, vcl::TColor Color, vcl::TColor BackColor,
                  TZYLDrawStyleFlags Flags);

}  // namespace zyl
