// Texts of the design-time pickers and property editors.
#pragma once

namespace zyl {

// The names under which the pickers show the global container's two image lists.
constexpr const char ZYL_ICGLOBALBML[] = "Global BitmapList";
constexpr const char ZYL_ICGLOBALIML[] = "Global ImageList";

}  // namespace zyl
