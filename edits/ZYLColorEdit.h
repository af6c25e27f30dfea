// The colour edit: a browse edit whose text names a colour as the framework writes colours (a
// name such as "clRed", else "$" and eight hexadecimal digits) and whose button opens the colour
// dialog. Besides the text it can draw a bar in the colour beside or over the text, or colour
// the text itself. It is read-only from the start: the colour is chosen through the dialog.
// TZYLLabeledColorEdit is the same with its caption label.
//
// A text that names no colour stands for clRed: reading SelectedColor and painting take it so
// and never fail, and text set by code that names no colour (an empty one too) becomes "clRed".
// Painting never changes the text.
#pragma once

#include <memory>

#include "edits/ZYLCustomBrowseEdit.h"
#include "platform/controls/Dialogs.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TStrings;
}

namespace zyl {

// How the colour shows: text only; text in the colour; text, then a bar right of it; a bar,
// then the text; a bar over the whole paint area.
ZYL_ENUM(TZYLColorEditPaint, ceText, ceColoredText, ceTextColor, ceColorText, ceColor)

class TZYLColorEdit : public TZYLCustomBrowseEdit {
  ZYL_CLASS(TZYLColorEdit, TZYLCustomBrowseEdit)
  // The indices of the shared Integer setter.
  enum TBarIndex : int { biColorBarWidth, biColorBarHeight };

  explicit TZYLColorEdit(vcl::TComponent* AOwner);
  ~TZYLColorEdit() override;

  vcl::TColorDialogOptions DialogOptions() const { return FDialogOptions; }
  void SetDialogOptions(vcl::TColorDialogOptions Value) { FDialogOptions = Value; }
  // Handed to the colour dialog (a copy; the dialog's changes are not taken back).
  vcl::TStrings* CustomColors() const { return FCustomColors.get(); }
  void SetCustomColors(vcl::TStrings* Value);
  int GetBarInteger(int Index) const;
  void SetBarInteger(int Index, int Value);
  // -1: the paint area's height.
  int ColorBarWidth() const { return FBarWidth; }
  int ColorBarHeight() const { return FBarHeight; }
  TZYLColorEditPaint PaintStyle() const { return FPaintStyle; }
  // ceColor also makes the edit read-only (the text is hidden under the bar).
  void SetPaintStyle(TZYLColorEditPaint Value);
  // The colour the text names; clRed when it names none.
  vcl::TColor SelectedColor() const;
  // The text becomes the colour's name.
  void SetSelectedColor(vcl::TColor Value);

 protected:
  void DoBrowse() override;
  void DrawText(int From) override;
  void ModifyTextRect() override;
  void SetNewText() override;
  void GetXPBevelParams(std::string& ClassName, int& Part, int& State) override;

 private:
  // The text rectangle changed: lay out and paint again.
  void Relayout();

  vcl::TColorDialogOptions FDialogOptions;
  std::unique_ptr<vcl::TStrings> FCustomColors;
  int FBarWidth = 30;
  int FBarHeight = -1;
  TZYLColorEditPaint FPaintStyle = ceText;
};

class TZYLLabeledColorEdit : public TZYLColorEdit {
  ZYL_CLASS(TZYLLabeledColorEdit, TZYLColorEdit)
  explicit TZYLLabeledColorEdit(vcl::TComponent* AOwner);
};

inline constexpr vcl::TUnitEntry ZYLColorEditUnit =
    vcl::ClassesUnit<TZYLColorEdit, TZYLLabeledColorEdit>("ZYLColorEdit");

}  // namespace zyl
