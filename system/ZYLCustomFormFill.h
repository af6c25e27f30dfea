// TZYLCustomFormFill: the base of the components that paint their owner form's client area in
// place of its plain colour. It hooks the form's window procedure, answers WM_ERASEBKGND with
// the virtual PaintClientArea, holds an image list (TZYLImageListClient; a list of the global
// container travels in form streams as "Internal") and offers the form's
// background to transparent controls through IZYLBackground. TZYLPaintMode and
// TZYLPaintEvent are shared with the title-bar styler.
#pragma once

#include <cstdint>
#include <memory>

#include "foundation/IntfZYLBackground.h"
#include "foundation/ZYLImageListClient.h"
#include "foundation/ZYLOwned.h"
#include "foundation/ZYLWndProcComponent.h"

namespace vcl {
class TBitmap;
class TCanvas;
class TFiler;
class TReader;
class TWriter;
}  // namespace vcl

namespace zyl {

ZYL_ENUM(TZYLPaintMode, pcNone, pcControl, pcOwnerDraw)

using TZYLPaintEvent =
    vcl::TEvent<void(vcl::TObject* Sender, vcl::TCanvas* aCanvas, const vcl::TRect& Dest)>;

// ImageIndex and ListIndex ignore negative values and repaint only while a list is set.
class TZYLCustomFormFill : public TZYLWndProcComponent,
                           public IZYLBackground,
                           public TZYLImageListClient {
  ZYL_CLASS(TZYLCustomFormFill, TZYLWndProcComponent)
  explicit TZYLCustomFormFill(vcl::TComponent* AOwner);
  ~TZYLCustomFormFill() override;

  bool DefaultFill() const { return FDefaultFill; }
  void SetDefaultFill(bool Value) { FDefaultFill = Value; }
  TZYLPaintMode PaintMode() const { return FPaintMode; }
  void SetPaintMode(TZYLPaintMode Value);
  const TZYLPaintEvent& GetOnPaint() const { return FOnPaint; }
  void SetOnPaint(const TZYLPaintEvent& Value) { FOnPaint = Value; }

  // Invalidates the owner form's whole client area, with erasing.
  void Invalidate();

  void Init() override;
  void RestoreState() override;
  void WndProc(vcl::TMessage& Message) override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void DefineProperties(vcl::TFiler* Filer) override;

  // The buffered background (null until a paint built it).
  vcl::TBitmap* Buffer() const { return FBuffer.get(); }

  // IZYLBackground: the buffer is the background that transparent controls copy from.
  vcl::TBitmap* BackBitmap() override { return FBuffer.get(); }
  bool BackBitmapCheck() override { return FBuffer != nullptr; }
  bool BackDrawArea(vcl::TCanvas* Canvas, const vcl::TRect& DestRect, const vcl::TPoint& Source,
                    uint16_t Flags) override;
  bool isTransparentSet() override { return false; }
  vcl::TPoint BackMapPoint(const vcl::TPoint& Point) override { return Point; }
  win::HPALETTE BackBitmapPalette() override;
  void BackUpdate() override;
  vcl::TControl* BackControl(int Index) override;
  int BackControlCount() override;

 protected:
  // The list, an index or the list's content changed. The base invalidates the form.
  void GetIMLChange(vcl::TObject* Sender) override;
  // Paints the client area into DC; true when it did (the erase then ends there). The base
  // calls OnPaint in owner-draw mode.
  virtual bool PaintClientArea(win::HDC DC);
  // Drops the buffer and repaints the form.
  void GetChange(vcl::TObject* Sender) override;
  void FreeBuffer();

  bool FDefaultFill = true;
  TZYLPaintMode FPaintMode = pcControl;
  TZYLPaintEvent FOnPaint;
  std::unique_ptr<vcl::TBitmap> FBuffer;
  // Whether paints go through the buffer.
  bool FBuffered = false;
  // Set by WM_SIZE and by every change: the buffer is built again.
  bool FSizeChanged = false;
  // Whether a resize invalidates with erasing.
  bool FEraseOnSize = false;

 private:
  void ReadIdent(vcl::TReader* Reader);
  void WriteIdent(vcl::TWriter* Writer);
  void ImageListChanged(vcl::TObject* Sender) { GetIMLChange(Sender); }
};

}  // namespace zyl
