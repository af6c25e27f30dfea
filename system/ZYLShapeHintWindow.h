// TZYLShapeHintWindow: draws a balloon hint. At activation it captures the screen under its
// rectangle, paints shadow, body, nose and text on that image and shows it, so the parts of
// the window outside the shape show the desktop as it was.
#pragma once

#include <memory>
#include <string>

#include "platform/controls/Forms.h"
#include "system/ZYLCustomShapeHint.h"

namespace vcl {
class TBitmap;
}

namespace zyl {

class TZYLShapeHint;

class TZYLShapeHintWindow : public vcl::THintWindow {
  ZYL_CLASS(TZYLShapeHintWindow, vcl::THintWindow)
  explicit TZYLShapeHintWindow(vcl::TComponent* AOwner);
  ~TZYLShapeHintWindow() override;

  // A Rect with right and bottom -1 aims the balloon at its top-left corner, any other at the
  // cursor. Without settings (no external component, no ShapeHintControl) a point request
  // shows nothing and a rectangle request shows a plain hint.
  void ActivateHint(vcl::TRect Rect, const std::string& AHint) override;
  // Draws with ShapeHint's settings (when given) instead of ShapeHintControl's.
  void ActivateHintExt(vcl::TRect Rect, const std::string& AHint, TZYLCustomShapeHint* ShapeHint);

  // Enlarges R (at 0, 0) from the text's size to the window's size for the shape.
  virtual void CalculateDimensions(vcl::TRect& R);
  // Paints shadow, body and nose on Bitmap for Pos and moves T to where the text goes.
  virtual void Draw(vcl::TBitmap* Bitmap, TZYLHintPosition Pos, vcl::TRect& T);
  virtual void GetTextSize(const std::string& Text, TZYL3DCaption* Font3D, vcl::TRect& Rect,
                           vcl::TFont* Font, bool MultiLine, bool ShowAccelChar, int Extent,
                           int32_t Flags);
  virtual void DrawText(vcl::TCanvas* Canvas, const std::string& Text, TZYL3DCaption* Font3D,
                        const vcl::TRect& Rect);
  virtual TZYLShapeHint* GetShapeHintControl();

  // Moves R next to P on the side Pos names, trying the next side (in the order of the
  // enumeration, wrapping round) while the balloon leaves the desktop.
  static void SetPosition(const vcl::TPoint& P, TZYLHintPosition& Pos, vcl::TRect& R);

  // The settings the balloon was drawn with, and whether a caller gave them.
  TZYLCustomShapeHint* ShapeHint() const { return FShapeHint; }
  bool External() const { return FExternal; }

  void WndProc(vcl::TMessage& Message) override;

 protected:
  void CreateParams(vcl::TCreateParams& Params) override;
  // The balloon: repaints the image made at activation.
  void Paint() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

 private:
  // The settings in force: the external component, else ShapeHintControl.
  TZYLCustomShapeHint* Settings();

  TZYLCustomShapeHint* FShapeHint = nullptr;
  bool FExternal = false;
  bool FShowing = false;  // an application balloon is up and its closing not yet reported
  std::unique_ptr<vcl::TBitmap> FImage;
};

// The TZYLShapeHint enabled at run time, or nil.
extern TZYLShapeHint* ShapeHintControl;

}  // namespace zyl
