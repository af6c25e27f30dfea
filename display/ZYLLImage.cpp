#include "display/ZYLLImage.h"

#include <memory>

#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace zyl {

using vcl::TRect;

ZYL_CLASS_IMPL(TZYLLImage) {
  b.Prop("ForceTransparent", &TZYLLImage::GetBool, &TZYLLImage::SetBool)
      .Index(bpForceTransparent)
      .Default(false)
      .Publish({"ImageList", "ImageIndex", "ListIndex"})
      .Prop("SilentMove", &TZYLLImage::GetBool, &TZYLLImage::SetBool)
      .Index(bpSilentMove)
      .Default(false)
      .Prop("Style", &TZYLLImage::Style, &TZYLLImage::SetStyle)
      .Default(sbNone)
      .Publish("Transparent");
}

void TZYLLImage::Paint() {
  if (ComponentState().contains(vcl::csLoading) || CorrectBounds()) return;
  const bool empty = GetEmpty();
  if (!FTransparent) {
    if (!(FSilentMove && CheckOptimized() && !empty)) FillControl();
  } else if (empty && BevelExt() == 0) {
    TZYLGraphicControl::Paint();
    return;
  }
  vcl::TCanvas* c = Canvas();
  const TRect r = FBevel->PaintBevel(c, ClientRect(), FTransparent);
  if (r.Right <= r.Left || r.Bottom <= r.Top || empty) return;
  TZYLDrawStyleFlags flags = FForceTransparent ? dsfTransparent : 0;
  AddStyleFlags(flags);
  try {
    const vcl::TColor tc = FImageList->TransparentColor(FListIndex, FImageIndex);
    if (FSilentMove && CheckOptimized()) {
      auto bmp = std::make_unique<vcl::TBitmap>();
      bmp->SetSize(r.Width(), r.Height());
      const TRect whole{0, 0, r.Width(), r.Height()};
      BackDrawArea(bmp->Canvas(), whole, vcl::TPoint{r.Left, r.Top}, 0);
      FImageList->ClipDraw(bmp->Canvas(), whole, flags, 0, tc, FListIndex, FImageIndex);
      if (!FQuickDraw) RealizeIn(c, bmp->Palette());
      c->Draw(r.Left, r.Top, bmp.get());
    } else {
      if (!FQuickDraw) RealizeIn(c, FImageList->Palette(FListIndex));
      FImageList->ClipDraw(c, r, flags, ZYLPackOffset(Left(), Top()), tc, FListIndex,
                           FImageIndex);
    }
  } catch (const vcl::Exception&) {
    // An image that cannot be drawn leaves background and bevel.
  }
}

}  // namespace zyl
