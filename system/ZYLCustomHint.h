// TZYLCustomHint: the shared base of the hint components. It holds the look every hint of the
// application takes (colour, font, 3D text, wrap width) and switches the application's
// hint-window class to the class its concrete component names.
#pragma once

#include <cstdint>

#include "foundation/ZYLCustomComponent.h"
#include "foundation/ZYLOwned.h"
#include "platform/graphics/Colors.h"

namespace vcl {
class TFont;
}

namespace zyl {

class TZYL3DCaption;

class TZYLCustomHint : public TZYLCustomComponent {
  ZYL_CLASS(TZYLCustomHint, TZYLCustomComponent)
  explicit TZYLCustomHint(vcl::TComponent* AOwner);
  ~TZYLCustomHint() override;

  vcl::TColor Color() const { return FColor; }
  void SetColor(vcl::TColor Value) { FColor = Value; }
  bool Enabled() const { return FEnabled; }
  // Stores the value; at run time installs the hint-window class (or the plain one) and
  // makes the application recreate its hint window so that the change shows at the next hint.
  virtual void SetEnabled(bool Value);
  // The owned font and 3D text; the setters copy the given ones. A change is read at the next
  // hint shown.
  vcl::TFont* Font() const { return FFont.get(); }
  void SetFont(vcl::TFont* Value);
  TZYL3DCaption* Font3D() const { return FFont3D.get(); }
  void SetFont3D(TZYL3DCaption* Value);
  // Positive: the wrap width in pixels; negative -n: the screen width divided by n.
  int32_t MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int32_t Value) { FMaxWidth = Value; }
  // The wrap width MaxWidth gives on the current screen, at least 1.
  int32_t WrapWidth() const;

  // The window class the application's hint machinery creates while this one is enabled.
  vcl::TClass HintWindowClass() const { return FHintWindowClass; }

  void Loaded() override;

 protected:
  // Enabling for a kind of hint component of which one at a time is the application's
  // current one, kept in Current: at run time an enabled component becomes current and a
  // disabled current one leaves the place empty; disabling another than the current one only
  // stores the flag, so the current one keeps its window class.
  template <class T>
  void SetEnabledAsCurrent(bool Value, T*& Current) {
    const bool designing = ComponentState().contains(vcl::csDesigning);
    if (!Value && Current && Current != this && !designing) {
      FEnabled = false;
      return;
    }
    TZYLCustomHint::SetEnabled(Value);
    if (designing) return;
    if (Enabled())
      Current = static_cast<T*>(this);
    else if (Current == this)
      Current = nullptr;
  }

  vcl::TClass FHintWindowClass = nullptr;

 private:
  vcl::TColor FColor = vcl::clInfoBk;
  bool FEnabled = true;
  TZYLOwned<vcl::TFont> FFont;
  TZYLOwned<TZYL3DCaption> FFont3D;
  int32_t FMaxWidth = -4;
};

// For the finalization of a unit whose hint-window class may still be installed: while
// OwnClass is the application's hint-window class, the plain hint window becomes it again; and
// while the application holds a hint window of OwnClass, it makes a new one of the class now in
// use. Any other class someone installed stays.
void ZYLReleaseHintWindowClass(vcl::TClass OwnClass);

}  // namespace zyl
