#include "system/ZYLBack.h"

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLSysUtils.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasGuards.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLBack) {
  b.Publish(
      {"About", "DefaultFill", "Enabled", "ImageList", "ImageIndex", "ListIndex", "PaintMode"});
}

namespace {

// Selects the image's palette while drawing (nothing on a display of more than 256 colours).
constexpr TZYLDrawStyleFlags dsfSelectPalette = 0x1000;

// Flags of the image's drawing: tiled, and clipped unless the application realizes palettes
// itself on a palette display.
uint16_t BackDrawFlags() {
  const TZYLApplication* app = ZYLApplication();
  const bool realize = app && app->Options.contains(aoAutoRealizePalette) && ZYLSIColorDepth() <= 8;
  return realize ? dsfTile : dsfTile | dsfSelectPalette;
}

}  // namespace

bool TZYLBack::PaintClientArea(win::HDC DC) {
  vcl::TCustomForm* form = GetOwnerForm();
  if (!form || FPaintMode != pcControl || IMLEmpty()) return inherited::PaintClientArea(DC);
  vcl::TCanvas canvas;
  const vcl::TCanvasBinding binding(&canvas, DC);
  const vcl::TRect client{0, 0, form->ClientWidth(), form->ClientHeight()};
  const uint16_t flags = BackDrawFlags();
  const vcl::TColor transparent = FImageList->TransparentColor(FListIndex, FImageIndex);
  if (!FBuffered) {
    FImageList->ClipDraw(&canvas, client, flags, 0, transparent, FListIndex, FImageIndex);
    return true;
  }
  if (!FBuffer) {
    FBuffer.reset(new vcl::TBitmap());
    FBuffer->SetWidth(client.Right);
    FBuffer->SetHeight(client.Bottom);
    FImageList->ClipDraw(FBuffer->Canvas(), client, flags, 0, transparent, FListIndex, FImageIndex);
  }
  canvas.Draw(0, 0, FBuffer.get());
  return true;
}

}  // namespace zyl
