// TZYLShadowFill: a graphic control that darkens what lies under it with an 8 x 8 checker
// pattern of one colour (destination AND pattern: the white cells keep the background, the
// coloured cells darken it), which gives a shadow.
#pragma once

#include <memory>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLControl.h"
#include "platform/graphics/Colors.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TBitmap;
}

namespace zyl {

// The style names share sfNone with the fill styles, so they live in the unit's namespace.
namespace ZYLShadowFill {
ZYL_ENUM(TZYLShadowFillStyle, sfNone, sfShadow, sfFullShadow)
}
using ZYLShadowFill::TZYLShadowFillStyle;

class TZYLShadowFill : public TZYLGraphicControl {
  ZYL_CLASS(TZYLShadowFill, TZYLGraphicControl)
  explicit TZYLShadowFill(vcl::TComponent* AOwner);
  ~TZYLShadowFill() override;

  // The colour of the pattern's dark cells; white is stored as black (a white pattern would
  // leave no shadow).
  vcl::TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(vcl::TColor Value);
  // sfShadow darkens the area inside the bevel, sfFullShadow the whole control, sfNone
  // nothing (only the bevel shows).
  TZYLShadowFillStyle Style() const { return FStyle; }
  void SetShadowMode(TZYLShadowFillStyle Value);
  // The pattern in use (a copy of the application object's checker of ShadowColor).
  vcl::TBitmap* Pattern() const { return FPattern.get(); }

  // Empty: no bevel and Style sfNone.
  bool GetEmpty() override;


 protected:
  void Paint() override;

 private:
  void LoadPattern();

  vcl::TColor FShadowColor = 0;
  std::unique_ptr<vcl::TBitmap> FPattern;
  TZYLShadowFillStyle FStyle = ZYLShadowFill::sfShadow;
};

inline constexpr vcl::TUnitEntry ZYLShadowFillUnit =
    vcl::ClassesUnit<TZYLShadowFill>("ZYLShadowFill");

}  // namespace zyl
