// The colour combo box: a list of colour swatches with names (the sixteen standard colours, the
// system colours, the colour dialog's custom colours, or name=value lines of its own), the
// chosen colour, a colour that is not listed added when chosen, and the colour dialog on a right
// click. The colour-list model (building the items, reading colours from them, drawing a swatch)
// is shared with the colour list box.
#pragma once

#include <functional>
#include <memory>

#include "edits/ZYLCustomComboBox.h"
#include "platform/controls/Dialogs.h"

namespace zyl {

// How an item shows: the swatch only, the name only, both, or both with a raised swatch.
ZYL_ENUM(TZYLColorCBStyle, csColor, csText, csColorText, csColor3DText)
ZYL_ENUM(TZYLColorCBOption, coDefaultColors, coSystemColors, coCustomColors, coAllowAnyColor,
         coAllowDialog)
using TZYLColorCBOptions = vcl::TSet<TZYLColorCBOption>;
using TZYLOnColorDialogEvent =
    vcl::TEvent<void(vcl::TObject* Sender, vcl::TColorDialog* ColorDialog)>;

// The colour list shared by the colour combo and list boxes. Items are colour names ("clRed"),
// "$" and eight hexadecimal digits, or in custom mode "name=value" lines.
namespace colorlist {
// Stores a changed Value in Field and answers whether it changed (the colour controls' setters).
template <class T>
bool Store(T& Field, const T& Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}
// A colour that is no colour to pick or draw (clNone and clDefault).
bool IsNoColor(vcl::TColor Color);
// Fills Items: the custom lines in custom mode; else the standard colours, the system colours
// and the custom colours the options ask for.
void Build(vcl::TStrings* Items, vcl::TStrings* CustomColors, bool CustomMode,
           TZYLColorCBOptions Options);
// The colour a text names (an identifier, a decimal number or "$" hexadecimal); -1 for none.
vcl::TColor ColorOf(const std::string& Text);
// The colour of an item (the value part of a name=value item in custom mode); -1 for none.
vcl::TColor ItemColor(const std::string& Item, bool CustomMode);
// The shown name of an item (the name of a name=value item in custom mode).
std::string ItemName(const std::string& Item, bool CustomMode);
// The colour and the drawn name of an item: a name=value item shows its name, a colour name its
// name without the "cl", a "$" item itself. An unreadable colour gives -1.
void DrawnColorAndName(const std::string& Item, vcl::TColor& Color, std::string& Name);
// The item to choose for Value: in custom mode the first line of that colour, otherwise the
// item of the colour's name, added to Items when it is not listed and Options allow any colour
// (never for clNone and clDefault); -1 for none.
int IndexFor(vcl::TStrings* Items, bool CustomMode, TZYLColorCBOptions Options, vcl::TColor Value);
// Draws the swatch of Color in Rect by Style and answers where the name starts (x).
int DrawSwatch(vcl::TCanvas* Canvas, const vcl::TRect& Rect, TZYLColorCBStyle Style,
               vcl::TColor Color);
// Copies the colour dialog's custom colours (the 16 keys "ColorA" .. "ColorP") from Source into
// Dest: each value cut to six characters and kept when it reads as a hexadecimal number.
void ReadDialogColors(vcl::TStrings* Dest, vcl::TStrings* Source);
// A control's CustomColors set from Value: custom-mode lines are copied whole (Custom's OnChange
// rebuilds); otherwise the dialog's colours are read with OnChange held back, and Rebuild runs
// once afterwards, also when reading failed.
void AssignCustomColors(vcl::TStringList* Custom, vcl::TStrings* Value, bool CustomMode,
                        const std::function<void()>& Rebuild);
// The settings of the colour dialog a control opens.
struct TDialogSettings {
  vcl::TColorDialogOptions Options;
  int32_t HelpContext = 0;
  TZYLOnColorDialogEvent* Before = nullptr;
  TZYLOnColorDialogEvent* After = nullptr;
};
// Runs the colour dialog (owned by Owner) on the custom colours of Strings starting at Selected
// (-1: none); on OK copies the dialog's custom colours back into Strings and hands its colour to
// Chosen, before the After event. Answers whether OK was pressed.
bool RunDialog(vcl::TComponent* Owner, vcl::TStrings* Strings, vcl::TColor Selected,
               const TDialogSettings& Settings, const std::function<void(vcl::TColor)>& Chosen);
}  // namespace colorlist

class TZYLCustomColorComboBox : public TZYLCustomComboBox {
  ZYL_CLASS(TZYLCustomColorComboBox, TZYLCustomComboBox)
  ZYL_MESSAGES(TZYLCustomColorComboBox)
  explicit TZYLCustomColorComboBox(vcl::TComponent* AOwner);
  ~TZYLCustomColorComboBox() override;

  bool CustomMode() const { return FCustomMode; }
  // A change rebuilds the list (not while loading).
  void SetCustomMode(bool Value);
  vcl::TStrings* CustomColors() const { return FCustomColors.get(); }
  // In custom mode the lines themselves; otherwise the colour dialog's custom colours.
  void SetCustomColors(vcl::TStrings* Value);
  TZYLColorCBOptions Options() const { return FOptions; }
  void SetOptions(TZYLColorCBOptions Value);
  TZYLColorCBStyle DisplayStyle() const { return FDisplayStyle; }
  void SetDisplayStyle(TZYLColorCBStyle Value);
  vcl::TColorDialogOptions DlgOptions() const { return FDlgOptions; }
  void SetDlgOptions(vcl::TColorDialogOptions Value) { FDlgOptions = Value; }
  int32_t DlgHelpContext() const { return FDlgHelpContext; }
  void SetDlgHelpContext(int32_t Value) { FDlgHelpContext = Value; }

  // The chosen colour (-1 without one); setting selects its item (or adds it, with
  // coAllowAnyColor).
  vcl::TColor SelectedColor();
  void SetSelectedColor(vcl::TColor Value);
  std::string SelectedColorName();
  vcl::TColor GetColor(int Index) const;
  std::string GetColorName(int Index) const;
  // The colour dialog on the custom colours; false in custom mode.
  bool Execute();
  bool ExecuteEnh(vcl::TStrings* Strings);
  void LoadCustomColors(vcl::TObject* IniObject, const std::string& Section);
  void SaveCustomColors(vcl::TObject* IniObject, const std::string& Section);
  void CreateColorList();
  void Init() { CreateColorList(); }
  void Loaded() override;

  TZYLOnColorDialogEvent OnBeforeDialogShow, OnAfterDialogShow;
  const TZYLOnColorDialogEvent& GetOnBeforeDialogShow() const { return OnBeforeDialogShow; }
  void SetOnBeforeDialogShow(const TZYLOnColorDialogEvent& E) { OnBeforeDialogShow = E; }
  const TZYLOnColorDialogEvent& GetOnAfterDialogShow() const { return OnAfterDialogShow; }
  void SetOnAfterDialogShow(const TZYLOnColorDialogEvent& E) { OnAfterDialogShow = E; }

 protected:
  // The colour painted while the control paints a copy of itself (for descendants that show a
  // field's colour); none here.
  virtual vcl::TColor GetColorValue() { return vcl::clDefault; }
  void GetChange(vcl::TObject* Sender);
  void DrawItem(int Index, vcl::TRect Rect, vcl::TOwnerDrawState State) override;
  void MeasureItem(int Index, int& Height) override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void CMFontChanged(vcl::TMessage& Message);

 private:
  bool FCustomMode = false;
  std::unique_ptr<vcl::TStringList> FCustomColors;
  int FItemHeight = 0;
  TZYLColorCBOptions FOptions{coDefaultColors, coAllowAnyColor};
  TZYLColorCBStyle FDisplayStyle = csColorText;
  vcl::TColorDialogOptions FDlgOptions;
  int32_t FDlgHelpContext = 0;
};

}  // namespace zyl
