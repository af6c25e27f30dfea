// TZYLShapeHint: while enabled at run time the application's hints are balloons drawn with its
// settings (it is then ShapeHintControl); it also shows a balloon on demand for a given time.
#pragma once

#include <cstdint>
#include <string>

#include "platform/sys/Packages.h"
#include "system/ZYLCustomShapeHint.h"

namespace vcl {
class TControl;
}

namespace zyl {

class TZYLShapeHint : public TZYLCustomShapeHint {
  ZYL_CLASS(TZYLShapeHint, TZYLCustomShapeHint)
  // At design time raises ZYLEOneInstError (second instance) when the owner is no form or
  // already holds a TZYLShapeHint.
  explicit TZYLShapeHint(vcl::TComponent* AOwner);
  ~TZYLShapeHint() override;

  // Also makes this component ShapeHintControl at run time (or clears it when it is the one).
  void SetEnabled(bool Value) override;

  // Shows Text in a balloon aimed at (X, Y) for Time milliseconds, processing messages
  // meanwhile; nothing is shown while no TZYLShapeHint is enabled.
  void ShowHint(const std::string& Text, int32_t X, int32_t Y, uint16_t Time);
  // The same at the centre of a visible control with a parent (Text, or else its Hint).
  void ShowControlHint(const std::string& Text, vcl::TControl* Control, uint16_t Time);
};

// The centre of a control in screen co-ordinates.
vcl::TPoint ZYLControlCentre(vcl::TControl* Control);

// The unit registers TZYLShapeHint for streaming; its finalization also takes back
// TZYLShapeHintWindow where the application still uses it, since the class goes with the unit's
// code.
void ZYLShapeHintRelease();
inline constexpr vcl::TUnitEntry ZYLShapeHintUnit =
    vcl::ClassesUnitReleasing<&ZYLShapeHintRelease, TZYLShapeHint>("ZYLShapeHint");

}  // namespace zyl
