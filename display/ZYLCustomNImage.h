// TZYLCustomNImage: shows a picture it owns, or the own picture of another N-image named in
// Control, placed by Style, with a transparency mode (TransparentStyle), bitmap effects
// (BackFX) and a bevel.
#pragma once

#include "display/ZYLBaseImage.h"
#include "foundation/ZYLOwned.h"

namespace vcl {
class TBitmap;
}

namespace zyl {

class TZYLTransparent;

class TZYLCustomNImage : public TZYLBaseImage {
  ZYL_CLASS(TZYLCustomNImage, TZYLBaseImage)
  explicit TZYLCustomNImage(vcl::TComponent* AOwner);
  ~TZYLCustomNImage() override;

  // The owned picture; the setter assigns into it.
  vcl::TBitmap* Bitmap() const { return FBitmap.get(); }
  void SetBitmap(vcl::TBitmap* Value);
  // The N-image whose own picture is shown instead (nil: the own picture). The control itself
  // is refused.
  TZYLCustomNImage* Control() const { return FControl; }
  void SetControl(TZYLCustomNImage* Value);
  bool HasControl() const { return FControl != nullptr; }
  TZYLTransparent* TransparentStyle() const { return FTransparentStyle.get(); }
  void SetTransparentStyle(TZYLTransparent* Value);

  // The picture to show: Control's own Bitmap when Control is set (one level only), else the
  // own one. Scratch is a bitmap a descendant may fill and return while painting as a copy.
  virtual vcl::TBitmap* GetBitmap(vcl::TBitmap* Scratch);
  // True when the picture to show is empty; never while painted as a copy.
  bool GetEmpty() override;
  win::HPALETTE GetPalette() override;
  // With sbAutosize: the picture's size (20 x 20 when empty) plus the bevel on both sides.
  bool CorrectBounds() override;

 protected:
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void Paint() override;

 private:
  TZYLOwned<vcl::TBitmap> FBitmap;
  TZYLCustomNImage* FControl = nullptr;
  TZYLOwned<TZYLTransparent> FTransparentStyle;
};

}  // namespace zyl
