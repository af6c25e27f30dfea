#include "platform/controls/Menus.h"

namespace vcl {

TShortCut ShortCut(uint16_t Key, TShiftState Shift) {
  if (Key & 0xFF00) return 0;
  TShortCut r = Key;
  if (Shift.contains(ssShift)) r |= scShift;
  if (Shift.contains(ssCtrl)) r |= scCtrl;
  if (Shift.contains(ssAlt)) r |= scAlt;
  return r;
}

void ShortCutToKey(TShortCut ShortCut, uint16_t& Key, TShiftState& Shift) {
  Key = ShortCut & 0xFF;
  Shift = {};
  if (ShortCut & scShift) Shift = Shift + TShiftState{ssShift};
  if (ShortCut & scCtrl) Shift = Shift + TShiftState{ssCtrl};
  if (ShortCut & scAlt) Shift = Shift + TShiftState{ssAlt};
}

}  // namespace vcl
