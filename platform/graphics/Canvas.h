// TCanvas: drawing on a device context with the framework's font, pen and brush objects,
// which are selected into the context only when a drawing call needs them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/Types.h"
#include "platform/graphics/GraphicsObjects.h"

namespace vcl {

class TGraphic;
class TBitmap;

ZYL_ENUM(TCanvasState, csHandleValid, csFontValid, csPenValid, csBrushValid)
using TCanvasStates = TSet<TCanvasState>;
ZYL_ENUM(TFillStyle, fsSurface, fsBorder)

using TCopyMode = int32_t;
constexpr TCopyMode cmBlackness = 0x00000042;
constexpr TCopyMode cmDstInvert = 0x00550009;
constexpr TCopyMode cmMergeCopy = 0x00C000CA;
constexpr TCopyMode cmMergePaint = 0x00BB0226;
constexpr TCopyMode cmNotSrcCopy = 0x00330008;
constexpr TCopyMode cmNotSrcErase = 0x001100A6;
constexpr TCopyMode cmPatCopy = 0x00F00021;
constexpr TCopyMode cmPatInvert = 0x005A0049;
constexpr TCopyMode cmPatPaint = 0x00FB0A09;
constexpr TCopyMode cmSrcAnd = 0x008800C6;
constexpr TCopyMode cmSrcCopy = 0x00CC0020;
constexpr TCopyMode cmSrcErase = 0x00440328;
constexpr TCopyMode cmSrcInvert = 0x00660046;
constexpr TCopyMode cmSrcPaint = 0x00EE0086;
constexpr TCopyMode cmWhiteness = 0x00FF0062;

class TCanvas : public TPersistent {
  ZYL_CLASS(TCanvas, TPersistent)
  TCanvas();
  ~TCanvas() override;

  // Shapes (outlined with the pen, filled with the brush; right and bottom exclusive).
  void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Ellipse(int X1, int Y1, int X2, int Y2);
  void Ellipse(const TRect& Rect);
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void Rectangle(const TRect& Rect);
  void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
  void Polygon(const std::vector<TPoint>& Points);
  void Polygon(const TPoint* Points, int Count);
  void Polyline(const std::vector<TPoint>& Points);
  void Polyline(const TPoint* Points, int Count);
  void PolyBezier(const std::vector<TPoint>& Points);
  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);

  // Rectangles with the brush.
  void FillRect(const TRect& Rect);
  void FrameRect(const TRect& Rect);
  void DrawFocusRect(const TRect& Rect);
  void FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle);

  // Text with the font (colour from Font.Color; background from the brush unless clear).
  void TextOut(int X, int Y, const std::string& Text);
  // Clipped to Rect, which is filled with the brush first unless it is clear.
  void TextRect(const TRect& Rect, int X, int Y, const std::string& Text);
  TSize TextExtent(const std::string& Text);
  int TextWidth(const std::string& Text);
  int TextHeight(const std::string& Text);

  // Pictures and blocks of pixels.
  void Draw(int X, int Y, TGraphic* Graphic);
  void StretchDraw(const TRect& Rect, TGraphic* Graphic);
  void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);
  // Copies Source of Bitmap into Dest, painting the pixels of colour Color with the brush.
  void BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color);

  TColor Pixels(int X, int Y);
  void SetPixels(int X, int Y, TColor Value);
  TRect ClipRect();
  TPoint PenPos();

  // The device context (created by derived canvases when first needed). Setting another
  // one first deselects the tools from the old one.
  win::HDC Handle();
  void SetHandle(win::HDC Value);
  bool HandleAllocated() const { return handle_ != nullptr; }

  TFont* Font() const { return font_; }
  void SetFont(TFont* Value) { font_->Assign(Value); }
  TPen* Pen() const { return pen_; }
  void SetPen(TPen* Value) { pen_->Assign(Value); }
  TBrush* Brush() const { return brush_; }
  void SetBrush(TBrush* Value) { brush_->Assign(Value); }
  TCopyMode CopyMode() const { return copyMode_; }
  void SetCopyMode(TCopyMode Value) { copyMode_ = Value; }
  TCanvasStates State() const { return state_; }

  // Serialises drawing from several threads (recursive).
  void Lock();
  bool TryLock();
  void Unlock();
  int LockCount() const { return lockCount_; }

  // Deselects font, pen and brush; the next drawing call selects them again.
  void Refresh();

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

  // Makes sure the handle and the named tools are selected; raises EInvalidOperation
  // "Canvas does not allow drawing" when no handle can be had.
  void RequiredState(TCanvasStates ReqState);

 protected:
  virtual void Changed();
  virtual void Changing();
  virtual void CreateHandle() {}
  void DeselectHandles();

 private:
  // One drawing call: the named tools selected, announced by Changing before and Changed after.
  template <class Paint>
  void Drawing(TCanvasStates Tools, Paint paint) {
    Changing();
    RequiredState(Tools);
    paint();
    Changed();
  }
  void FontChanged(TObject* Sender);
  void PenChanged(TObject* Sender);
  void BrushChanged(TObject* Sender);
  void CreateFont();
  void CreatePen();
  void CreateBrush();

  win::HDC handle_ = nullptr;
  TCanvasStates state_;
  TFont* font_;
  TPen* pen_;
  TBrush* brush_;
  TCopyMode copyMode_ = cmSrcCopy;
  int lockCount_ = 0;
  struct TLock;
  std::unique_ptr<TLock> lock_;
};

}  // namespace vcl
