// Keyboard shortcuts as menus store them: a virtual-key code in the low byte and the
// modifier bits scShift, scCtrl and scAlt above it.
#pragma once

#include <cstdint>

#include "platform/controls/Controls.h"

namespace vcl {

using TShortCut = uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

// Key's low byte with the modifiers of Shift (ssShift, ssCtrl, ssAlt); 0 when Key has bits
// above the low byte.
TShortCut ShortCut(uint16_t Key, TShiftState Shift);
// The key (low byte) and the modifiers of a shortcut.
void ShortCutToKey(TShortCut ShortCut, uint16_t& Key, TShiftState& Shift);

}  // namespace vcl
