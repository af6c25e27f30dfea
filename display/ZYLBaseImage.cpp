#include "display/ZYLBaseImage.h"

#include "foundation/ZYLObject.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Canvas.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLBaseImage) {
  b.Publish("About");
}

TZYLBaseImage::TZYLBaseImage(vcl::TComponent* AOwner) : inherited(AOwner) {
  vcl::TControlStyle s = ControlStyle();
  s.Include(vcl::csReplicatable);
  SetControlStyle(s);
}

void TZYLBaseImage::SetQuickDraw(bool Value) {
  if (!ZYLStoreValue(FQuickDraw, Value)) return;
  InvalidateControl();
}

void TZYLBaseImage::SetStyle(TZYLBitmapStyle Value) {
  if (!ZYLStoreValue(FStyle, Value)) return;
  InvalidateControl();
}

void TZYLBaseImage::AddStyleFlags(TZYLDrawStyleFlags& Flags) const {
  static constexpr TZYLDrawStyleFlags kFlags[] = {
      0x0001,  // sbNone
      0x0001,  // sbAutosize
      0x0009,  // sbCenter
      0x0010,  // sbStretch
      0x0021,  // sbTile
      0x0610,  // sbKeepAspRatio
      0x0211,  // sbKeepWidth
      0x0411,  // sbKeepHeight
  };
  if (FStyle <= sbKeepHeight) Flags |= kFlags[FStyle];
  if (BevelExt() == 0) Flags ^= dsfClip;
}

void TZYLBaseImage::RealizeIn(vcl::TCanvas* Canvas, win::HPALETTE Palette) {
  if (!Canvas || !Palette) return;
  const win::HDC dc = Canvas->Handle();
  win::SelectPalette(dc, Palette, true);
  win::RealizePalette(dc);
}

bool TZYLBaseImage::CanDrawNow() {
  return !ComponentState().contains(vcl::csLoading) && Parent() && Parent()->HandleAllocated() &&
         IsVisibleOnScreen();
}

}  // namespace zyl
