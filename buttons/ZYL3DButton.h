// The 3D-effect button: TZYLCustom3DButton shows, instead of a drawn face, one of three
// pictures its maker generated (at rest, under the mouse, held down), each with a mask whose
// white pixels let the parent show through. Set3DPics takes the pictures and masks over; a
// state whose picture is missing falls back to the plain raised face. TZYL3DEffectButton
// publishes it.
#pragma once

#include <memory>

#include "buttons/ZYLBaseGraphicButton.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLCustom3DButton : public TZYLBaseGraphicButton {
  ZYL_CLASS(TZYLCustom3DButton, TZYLBaseGraphicButton)
  explicit TZYLCustom3DButton(vcl::TComponent* AOwner);
  ~TZYLCustom3DButton() override;

  // Takes over the pictures of the states at rest (1), under the mouse (2) and down (3) and
  // their masks (the button frees them); any may be null. A bitmap given twice, or a mask
  // without its picture or of another size, raises EInvalidOperation; the bitmaps are freed
  // then too and the button keeps its pictures.
  void Set3DPics(vcl::TBitmap* Pic1, vcl::TBitmap* Pic2, vcl::TBitmap* Pic3, vcl::TBitmap* Mask1,
                 vcl::TBitmap* Mask2, vcl::TBitmap* Mask3);
  // The picture (0 rest, 1 hot, 2 down) and its mask; null when not set.
  vcl::TBitmap* Picture(int Index) const;
  vcl::TBitmap* Mask(int Index) const;

 protected:
  vcl::TRect DrawFace(vcl::TCanvas* Canvas, const vcl::TRect& Rect, TZYLButtonState State) override;

  std::unique_ptr<vcl::TBitmap> FPics[3];
  std::unique_ptr<vcl::TBitmap> FMasks[3];
};

class TZYL3DEffectButton : public TZYLCustom3DButton {
  ZYL_CLASS(TZYL3DEffectButton, TZYLCustom3DButton)
  explicit TZYL3DEffectButton(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYL3DButtonUnit =
    vcl::ClassesUnit<TZYL3DEffectButton>("ZYL3DButton");

}  // namespace zyl
