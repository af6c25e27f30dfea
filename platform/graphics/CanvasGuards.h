#pragma once
// Guards for a canvas: held locked, or drawing on a borrowed DC, for the length of a scope.

#include "platform/graphics/Canvas.h"

namespace vcl {

// Lock now, Unlock at the end.
class TCanvasLock {
 public:
  explicit TCanvasLock(TCanvas* canvas) : canvas_(canvas) { canvas_->Lock(); }
  ~TCanvasLock() { canvas_->Unlock(); }
  TCanvasLock(const TCanvasLock&) = delete;
  TCanvasLock& operator=(const TCanvasLock&) = delete;

 private:
  TCanvas* canvas_;
};

// Makes a DC the canvas's handle; at the end the canvas lets go of it (its tools are
// deselected from the DC) and has no handle.
class TCanvasBinding {
 public:
  TCanvasBinding(TCanvas* canvas, win::HDC dc) : canvas_(canvas) { canvas_->SetHandle(dc); }
  ~TCanvasBinding() { canvas_->SetHandle(nullptr); }
  TCanvasBinding(const TCanvasBinding&) = delete;
  TCanvasBinding& operator=(const TCanvasBinding&) = delete;

 private:
  TCanvas* canvas_;
};

// Keeps the brush's and the pen's colours; puts them back at the end.
class TCanvasColors {
 public:
  explicit TCanvasColors(TCanvas* canvas)
      : canvas_(canvas), brush_(canvas->Brush()->Color()), pen_(canvas->Pen()->Color()) {}
  ~TCanvasColors() {
    canvas_->Brush()->SetColor(brush_);
    canvas_->Pen()->SetColor(pen_);
  }
  TCanvasColors(const TCanvasColors&) = delete;
  TCanvasColors& operator=(const TCanvasColors&) = delete;

 private:
  TCanvas* canvas_;
  TColor brush_;
  TColor pen_;
};

}  // namespace vcl
