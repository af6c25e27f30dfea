// The font size list box: the point sizes one font offers (as the font size combo box lists
// them) in the library's list box, the chosen size checked against the default and the nearest
// offered size, and the link to a font combo or list box whose choice it follows.
// TZYLLabeledFontSizeListBox carries a caption label.
#pragma once

#include "edits/ZYLCustomImageListBox.h"
#include "edits/ZYLFontSizeComboBox.h"

namespace zyl {

class TZYLFontSizeListBox : public TZYLCustomDerivedImageListBox {
  ZYL_CLASS(TZYLFontSizeListBox, TZYLCustomDerivedImageListBox)
  ZYL_MESSAGES(TZYLFontSizeListBox)
  explicit TZYLFontSizeListBox(vcl::TComponent* AOwner);
  ~TZYLFontSizeListBox() override;

  // The selected size, -1 without a selection.
  int Selected();
  // Selects the item of Value, checked (1 .. 999, else DefaultSize; the nearest offered size
  // with UseNearestSize); none when it is not listed or no font is named.
  void SetSelected(int Value);
  std::string FontName() const { return FFontName; }
  void SetFontName(const std::string& Value);
  TZYLFontComboBox* FontCombo() const { return FLink.Combo(); }
  TZYLFontListBox* FontList() const { return FLink.List(); }
  void SetFontCombo(TZYLFontComboBox* Value);
  void SetFontList(TZYLFontListBox* Value);
  void SetFontControl(vcl::TWinControl* Value) { FLink.Set(Value); }
  bool UseNearestSize() const { return FUseNearestSize; }
  void SetUseNearestSize(bool Value) { FUseNearestSize = Value; }
  int32_t DefaultSize() const { return FDefaultSize; }
  void SetDefaultSize(int32_t Value) { FDefaultSize = Value; }
  void CreateFontSizeList();
  void Init() { CreateFontSizeList(); }
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

 protected:
  void Loaded() override;
  void GetFontChange(vcl::TObject* Sender);
  void KeyPress(char& Key) override;
  // Items one pixel higher than the font's cell.
  void InitHeight();
  void CMExit(vcl::TMessage& Message);
  void CMFontChanged(vcl::TMessage& Message);

 private:
  std::string FFontName;
  fontsizes::TFontLink FLink{this, vcl::TNotifyEvent(this, &TZYLFontSizeListBox::GetFontChange)};
  bool FUseNearestSize = false;
  int32_t FDefaultSize = 10;
};

class TZYLLabeledFontSizeListBox : public TZYLFontSizeListBox {
  ZYL_CLASS(TZYLLabeledFontSizeListBox, TZYLFontSizeListBox)
  explicit TZYLLabeledFontSizeListBox(vcl::TComponent* AOwner);
};

void ZYLFontSizeListBoxInit();
void ZYLFontSizeListBoxDone();

}  // namespace zyl
