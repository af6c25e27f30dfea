// The colour list box: the colour list of the colour combo box (standard, system and custom
// colours, or name=value lines of its own) in the library's list box, each item a swatch beside
// its name in the box's 3D text, the chosen colour, and the colour dialog on a right click.
#pragma once

#include "edits/ZYLCustomColorComboBox.h"
#include "edits/ZYLCustomImageListBox.h"

namespace zyl {

class TZYLCustomColorListBox
    : public TZYLColorListControl<TZYLCustomColorListBox, TZYLCustomDerivedImageListBox> {
  ZYL_CLASS(TZYLCustomColorListBox, TZYLColorListControl)
  ZYL_MESSAGES(TZYLCustomColorListBox)
  explicit TZYLCustomColorListBox(vcl::TComponent* AOwner);

  // The selected item's colour (-1 without a selection); setting selects the colour's item (or
  // adds it, with coAllowAnyColor).
  vcl::TColor SelectedColor();
  void SetSelectedColor(vcl::TColor Value);
  std::string SelectedColorName();

 protected:
  friend inherited;
  void GetChange(vcl::TObject* Sender) override;
  void DrawItem(int Index, vcl::TRect Rect, vcl::TOwnerDrawState State) override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
};

}  // namespace zyl
