// TZYLHint: one per form gives every hint of the application its look: a bevel, its own
// colour, font, 3D text and wrap width. While enabled at run time it is HintControl, and the
// application's hint windows are TZYLHintWindows that read their settings from it.
#pragma once

#include "foundation/ZYLOwned.h"
#include "platform/sys/Packages.h"
#include "system/ZYLCustomHint.h"

namespace zyl {

class TZYLBevel;

class TZYLHint : public TZYLCustomHint {
  ZYL_CLASS(TZYLHint, TZYLCustomHint)
  // At design time raises ZYLEOneInstError (second instance) when the owner is neither a
  // form nor a data module or already holds a TZYLHint.
  explicit TZYLHint(vcl::TComponent* AOwner);
  ~TZYLHint() override;

  // The owned bevel (outer style lowered); the setter copies.
  TZYLBevel* Bevel() const { return FBevel.get(); }
  void SetBevel(TZYLBevel* Value);

  // Also makes this component HintControl at run time (or clears it when it is the one).
  void SetEnabled(bool Value) override;

 private:
  TZYLOwned<TZYLBevel> FBevel;
};

// The TZYLHint enabled at run time, or nil; the last one enabled wins.
extern TZYLHint* HintControl;

// The unit registers TZYLHint for streaming; its finalization also takes back TZYLHintWindow
// where the application still uses it, since the class goes with the unit's code.
void ZYLHintRelease();
inline constexpr vcl::TUnitEntry ZYLHintUnit =
    vcl::ClassesUnitReleasing<&ZYLHintRelease, TZYLHint>("ZYLHint");

}  // namespace zyl
