// TZYLCustomLImage: shows one image of an image list (the entry ListIndex, the image
// ImageIndex), sizes itself to the image with Style sbAutosize, and can move without flicker
// over a parent that supplies a background bitmap (SilentMove).
#pragma once

#include "display/ZYLBaseImage.h"

namespace zyl {

class TZYLCustomLImage : public TZYLBaseImage {
  ZYL_CLASS(TZYLCustomLImage, TZYLBaseImage)
  explicit TZYLCustomLImage(vcl::TComponent* AOwner);

  // Index 0 ForceTransparent, 1 SilentMove; a changed value repaints.
  // The indices of the Boolean properties.
  enum TBoolProp : int { bpForceTransparent, bpSilentMove };
  bool GetBool(int Index) const { return Index == bpForceTransparent ? FForceTransparent : FSilentMove; }
  void SetBool(int Index, bool Value);
  bool ForceTransparent() const { return FForceTransparent; }
  bool SilentMove() const { return FSilentMove; }

  // True without a list or when the list has no image at ListIndex / ImageIndex.
  bool GetEmpty() override;
  // The list's palette of ListIndex; 0 when empty.
  win::HPALETTE GetPalette() override;
  // Transparent, or moving silently over the parent's background.
  bool isTransparentSet() override;
  bool CheckOptimized() override;
  // With sbAutosize: the image's size (20 x 20 when empty) plus the bevel on both sides.
  bool CorrectBounds() override;

 protected:
  bool FSilentMove = false;
  bool FForceTransparent = false;
};

}  // namespace zyl
