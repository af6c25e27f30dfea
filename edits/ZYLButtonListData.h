// What a list control needs to show check-box or radio-button items: the drawing of one item's
// check glyph, a small per-item state object, and the packing of an item's check state and
// disabled flag into the value a string list keeps in an item's object slot. No control of the
// library calls them; they are for list controls built on the library.
#pragma once

#include <cstdint>

#include "foundation/ZYLXPStyles.h"
#include "platform/controls/StdCtrls.h"

namespace zyl {

ZYL_ENUM(TZYLButtonListMode, blCheckBox, blCheckBox3State, blRadioButton)

// One item's check state.
class TZYLButtonListData : public vcl::TObject {
  ZYL_CLASS(TZYLButtonListData, vcl::TObject)
  TZYLButtonListData() = default;
  vcl::TCheckBoxState State() const { return FState; }
  void SetState(vcl::TCheckBoxState Value) { FState = Value; }
  // True when checked; setting stores checked or unchecked.
  bool Checked() const { return FState == vcl::cbChecked; }
  void SetChecked(bool Value) { FState = Value ? vcl::cbChecked : vcl::cbUnchecked; }
  static vcl::TCheckBoxState GetDefaultState() { return vcl::cbUnchecked; }

 private:
  vcl::TCheckBoxState FState = vcl::cbUnchecked;
};

// The packed item state: the check state in bits 16 and up, the disabled flag in the low byte.
int32_t ZYLBtnMakeSaveState(vcl::TCheckBoxState State, bool Disabled);
// The packed value as an item's object slot holds it, and back.
vcl::TObject* ZYLBtnStateObject(int32_t Packed);
// The check state of a packed value (a value beyond the states reads as unchecked) and its
// disabled flag (0 or 1).
vcl::TCheckBoxState ZYLBtnGetSaveState(vcl::TObject* Obj);
int ZYLBtnGetSaveDisabled(vcl::TObject* Obj);

// Draws an item's check glyph centred in Rect: a cell of the application's check bitmap, or a
// themed part when Theme is given, or the system's frame control (Flat: a plain shadow frame).
// SystemSize takes the system's check-box size instead of the bitmap's cell.
void ZYLDrawButtonListItem(vcl::TWinControl* Control, vcl::TCanvas* Canvas, const vcl::TRect& Rect,
                           vcl::TCheckBoxState State, TZYLButtonListMode Mode, bool Enabled,
                           bool Flat, bool SystemSize, HTHEME Theme);

}  // namespace zyl
