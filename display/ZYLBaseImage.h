// TZYLBaseImage: the base of the picture controls. It keeps how the picture is placed (Style)
// and whether its palette is realised before drawing (QuickDraw), and turns the placement into
// the drawing-style word of the bitmap routines.
#pragma once

#include "foundation/ZYLClass.h"
#include "foundation/ZYLControl.h"
#include "foundation/ZYLGraph.h"

namespace vcl {
class TCanvas;
}

namespace zyl {

class TZYLBaseImage : public TZYLGraphicControl {
  ZYL_CLASS(TZYLBaseImage, TZYLGraphicControl)
  explicit TZYLBaseImage(vcl::TComponent* AOwner);

  bool QuickDraw() const { return FQuickDraw; }
  void SetQuickDraw(bool Value);
  TZYLBitmapStyle Style() const { return FStyle; }
  void SetStyle(TZYLBitmapStyle Value);

  // Brings the size in line with the picture when the style asks for it; true when the
  // bounds were changed (a repaint follows then). Nothing to correct here.
  virtual bool CorrectBounds() { return false; }
  // ORs the placement of Style into Flags; without a bevel the clip bit is inverted afterwards.
  void AddStyleFlags(TZYLDrawStyleFlags& Flags) const;
  // The palette of what the control shows (0 for none).
  virtual win::HPALETTE GetPalette() { return nullptr; }


 protected:
  // Selects Palette into Canvas as a background palette and realises it (nothing for 0).
  static void RealizeIn(vcl::TCanvas* Canvas, win::HPALETTE Palette);
  // True when the control can draw on its parent right now (placed, shown, parent window up).
  bool CanDrawNow();

  bool FQuickDraw = true;
  TZYLBitmapStyle FStyle = sbNone;
};

}  // namespace zyl
