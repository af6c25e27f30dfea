// Themed drawing for the life of a scope: the stand-in theme engine on and the library's
// application object using themes; the engine off again at the end (a test that needs the
// application's switch back makes its own scope of the application).
#pragma once

#include <cstdint>

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLXPStyles.h"

namespace testsupport {

class TThemeScope {
 public:
  TThemeScope() {
    zyl::ZYLUseStandInThemes(true);
    if (zyl::ZYLApplication()) zyl::ZYLApplication()->SetUseXPThemes(true);
  }
  ~TThemeScope() { zyl::ZYLUseStandInThemes(false); }
  TThemeScope(const TThemeScope&) = delete;
  TThemeScope& operator=(const TThemeScope&) = delete;
};

// The colours of the stand-in engine's frame round every part it draws.
inline constexpr uint32_t kThemeFrame = 0x7A7A7A;
inline constexpr uint32_t kThemeFrameDisabled = 0xB0B0B0;

}  // namespace testsupport
