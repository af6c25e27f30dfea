// The font size list box: the point sizes one font offers (as the font size combo box lists
// them) in the library's list box, the chosen size checked against the default and the nearest
// offered size, and the link to a font combo or list box whose choice it follows.
// TZYLLabeledFontSizeListBox carries a caption label.
#pragma once

#include "edits/ZYLCustomImageListBox.h"
#include "edits/ZYLFontSizeComboBox.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLFontSizeListBox
    : public TZYLFontSizeControl<TZYLFontSizeListBox, TZYLCustomDerivedImageListBox> {
  ZYL_CLASS(TZYLFontSizeListBox, TZYLFontSizeControl)
  ZYL_MESSAGES(TZYLFontSizeListBox)
  explicit TZYLFontSizeListBox(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // The selected size, -1 without a selection.
  int Selected();
  // Selects the item of Value, checked (1 .. 999, else DefaultSize; the nearest offered size
  // with UseNearestSize); none when it is not listed or no font is named.
  void SetSelected(int Value);

 protected:
  void KeyPress(char& Key) override { FilterKeyPress(Key, true); }
  // Items one pixel higher than the font's cell.
  void InitHeight();
  void CMExit(vcl::TMessage& Message);
  void CMFontChanged(vcl::TMessage& Message);
};

class TZYLLabeledFontSizeListBox : public TZYLFontSizeListBox {
  ZYL_CLASS(TZYLLabeledFontSizeListBox, TZYLFontSizeListBox)
  explicit TZYLLabeledFontSizeListBox(vcl::TComponent* AOwner);
};

inline constexpr vcl::TUnitEntry ZYLFontSizeListBoxUnit =
    vcl::ClassesUnit<TZYLFontSizeListBox, TZYLLabeledFontSizeListBox>("ZYLFontSizeListBox");

}  // namespace zyl
