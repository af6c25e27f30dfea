#include "buttons/ZYL3DButton.h"

#include <algorithm>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"

namespace zyl {

// Described by its published descendant.
ZYL_CLASS_IMPL(TZYLCustom3DButton) {}
// The graphic button's list.
ZYL_CLASS_IMPL(TZYL3DEffectButton) {}

TZYLCustom3DButton::TZYLCustom3DButton(vcl::TComponent* AOwner) : inherited(AOwner) {}

TZYLCustom3DButton::~TZYLCustom3DButton() = default;

void TZYLCustom3DButton::Set3DPics(vcl::TBitmap* Pic1, vcl::TBitmap* Pic2, vcl::TBitmap* Pic3,
                                   vcl::TBitmap* Mask1, vcl::TBitmap* Mask2, vcl::TBitmap* Mask3) {
  vcl::TBitmap* pics[3] = {Pic1, Pic2, Pic3};
  vcl::TBitmap* masks[3] = {Mask1, Mask2, Mask3};
  // Own each bitmap once first, so that a refusal frees them too.
  std::vector<std::unique_ptr<vcl::TBitmap>> owned;
  int given = 0;
  for (vcl::TBitmap* bmp : {Pic1, Pic2, Pic3, Mask1, Mask2, Mask3}) {
    if (!bmp) continue;
    ++given;
    if (std::none_of(owned.begin(), owned.end(), [&](const auto& o) { return o.get() == bmp; }))
      owned.emplace_back(bmp);
  }
  if (static_cast<int>(owned.size()) != given)
    throw vcl::EInvalidOperation("A 3D picture or mask was given twice");
  for (int i = 0; i < 3; ++i) {
    if (masks[i] && (!pics[i] || masks[i]->Width() != pics[i]->Width() ||
                     masks[i]->Height() != pics[i]->Height()))
      throw vcl::EInvalidOperation("The mask of a 3D picture must be a bitmap of its size");
  }
  for (auto& o : owned) (void)o.release();
  // A state of which a picture was not set keeps its plain face.
  vcl::TControlStyle s = ControlStyle();
  s.Exclude(vcl::csOpaque);
  SetControlStyle(s);
  for (int i = 0; i < 3; ++i) {
    FPics[i].reset(pics[i]);
    FMasks[i].reset(masks[i]);
  }
  Invalidate();
}

vcl::TBitmap* TZYLCustom3DButton::Picture(int Index) const {
  return Index >= 0 && Index < 3 ? FPics[Index].get() : nullptr;
}

vcl::TBitmap* TZYLCustom3DButton::Mask(int Index) const {
  return Index >= 0 && Index < 3 ? FMasks[Index].get() : nullptr;
}

vcl::TRect TZYLCustom3DButton::DrawFace(vcl::TCanvas* Canvas, const vcl::TRect& Rect,
                                        TZYLButtonState State) {
  const bool down = State == bsDown || State == bsOptionSet || State == bsDisabledDown;
  const int index = down ? 2 : State == bsMouseOver ? 1 : 0;
  vcl::TBitmap* pic = FPics[index].get();
  if (!pic || pic->Empty()) return inherited::DrawFace(Canvas, Rect, State);
  vcl::TBitmap* mask = FMasks[index].get();
  vcl::TCanvas* pc = pic->Canvas();
  const int w = std::min(pic->Width(), Rect.Right - Rect.Left);
  const int h = std::min(pic->Height(), Rect.Bottom - Rect.Top);
  const vcl::TColor white = vcl::ColorToRGB(vcl::clWhite);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (mask && vcl::ColorToRGB(mask->Canvas()->Pixels(x, y)) == white) continue;
      Canvas->SetPixels(Rect.Left + x, Rect.Top + y, pc->Pixels(x, y));
    }
  return vcl::TRect{Rect.Left + 2, Rect.Top + 2, Rect.Right - 2, Rect.Bottom - 2};
}

}  // namespace zyl
