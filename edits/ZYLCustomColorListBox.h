// The colour list box: the colour list of the colour combo box (standard, system and custom
// colours, or name=value lines of its own) in the library's list box, each item a swatch beside
// its name in the box's 3D text, the chosen colour, and the colour dialog on a right click.
#pragma once

#include <memory>

#include "edits/ZYLCustomColorComboBox.h"
#include "edits/ZYLCustomImageListBox.h"

namespace zyl {

class TZYLCustomColorListBox : public TZYLCustomDerivedImageListBox {
  ZYL_CLASS(TZYLCustomColorListBox, TZYLCustomDerivedImageListBox)
  ZYL_MESSAGES(TZYLCustomColorListBox)
  explicit TZYLCustomColorListBox(vcl::TComponent* AOwner);
  ~TZYLCustomColorListBox() override;

  bool CustomMode() const { return FCustomMode; }
  // A change rebuilds the list (not while loading).
  void SetCustomMode(bool Value);
  vcl::TStrings* CustomColors() const { return FCustomColors.get(); }
  void SetCustomColors(vcl::TStrings* Value);
  TZYLColorCBOptions Options() const { return FOptions; }
  void SetOptions(TZYLColorCBOptions Value);
  TZYLColorCBStyle DisplayStyle() const { return FDisplayStyle; }
  void SetDisplayStyle(TZYLColorCBStyle Value);
  vcl::TColorDialogOptions DlgOptions() const { return FDlgOptions; }
  void SetDlgOptions(vcl::TColorDialogOptions Value) { FDlgOptions = Value; }
  int32_t DlgHelpContext() const { return FDlgHelpContext; }
  void SetDlgHelpContext(int32_t Value) { FDlgHelpContext = Value; }

  // The selected item's colour (-1 without a selection); setting selects the colour's item (or
  // adds it, with coAllowAnyColor).
  vcl::TColor SelectedColor();
  void SetSelectedColor(vcl::TColor Value);
  std::string SelectedColorName();
  vcl::TColor GetColor(int Index);
  std::string GetColorName(int Index);
  bool Execute();
  bool ExecuteEnh(vcl::TStrings* Strings);
  void LoadCustomColors(vcl::TObject* IniObject, const std::string& Section);
  void SaveCustomColors(vcl::TObject* IniObject, const std::string& Section);
  virtual void CreateColorList();
  void Init() { CreateColorList(); }

  TZYLOnColorDialogEvent OnBeforeDialogShow, OnAfterDialogShow;
  const TZYLOnColorDialogEvent& GetOnBeforeDialogShow() const { return OnBeforeDialogShow; }
  void SetOnBeforeDialogShow(const TZYLOnColorDialogEvent& E) { OnBeforeDialogShow = E; }
  const TZYLOnColorDialogEvent& GetOnAfterDialogShow() const { return OnAfterDialogShow; }
  void SetOnAfterDialogShow(const TZYLOnColorDialogEvent& E) { OnAfterDialogShow = E; }

 protected:
  // The colour painted while the box paints a copy of itself; none here.
  virtual vcl::TColor GetColorValue() { return vcl::clDefault; }
  void GetChange(vcl::TObject* Sender) override;
  void Loaded() override;
  void DrawItem(int Index, vcl::TRect Rect, vcl::TOwnerDrawState State) override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void CMFontChanged(vcl::TMessage& Message);

 private:
  bool FCustomMode = false;
  std::unique_ptr<vcl::TStringList> FCustomColors;
  TZYLColorCBOptions FOptions{coDefaultColors, coAllowAnyColor};
  TZYLColorCBStyle FDisplayStyle = csColorText;
  vcl::TColorDialogOptions FDlgOptions;
  int32_t FDlgHelpContext = 0;
};

}  // namespace zyl
