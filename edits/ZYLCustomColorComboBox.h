// The colour combo box: a list of colour swatches with names (the sixteen standard colours, the
// system colours, the colour dialog's custom colours, or name=value lines of its own), the
// chosen colour, a colour that is not listed added when chosen, and the colour dialog on a right
// click. The colour-list model (building the items, reading colours from them, drawing a swatch)
// and the colour-list control (its settings, the rebuilding, the dialog) are shared with the
// colour list box.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "edits/ZYLCustomComboBox.h"
#include "foundation/ZYLIniCtrl.h"
#include "foundation/ZYLOwned.h"
#include "platform/base/Restore.h"
#include "platform/controls/Dialogs.h"
#include "platform/graphics/Colors.h"

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

// The colour-list control over a framework box Base (the combo box's or the list box's): the
// colour-list settings, the custom colours, the rebuilding of the items and the colour dialog;
// not a class of its own in the object model, the colour boxes name it as their parent. Self,
// the colour box, supplies SelectedColor, SetSelectedColor and GetChange (a change of the custom
// colours rebuilds the list, any other refreshes the box).
template <class Self, class Base>
class TZYLColorListControl : public Base {
 public:
  explicit TZYLColorListControl(vcl::TComponent* AOwner)
      : Base(AOwner), FCustomColors(this, &TZYLColorListControl::CustomColorsChange) {}

  bool CustomMode() const { return FCustomMode; }
  // A change rebuilds the list (not while loading).
  void SetCustomMode(bool Value) {
    if (colorlist::Store(FCustomMode, Value) && !this->ComponentState().contains(vcl::csLoading))
      self().GetChange(FCustomColors.get());
  }
  vcl::TStrings* CustomColors() const { return FCustomColors.get(); }
  // In custom mode the lines themselves; otherwise the colour dialog's custom colours.
  void SetCustomColors(vcl::TStrings* Value) {
    colorlist::AssignCustomColors(FCustomColors.get(), Value, FCustomMode,
                                  [this] { CreateColorList(); });
  }
  TZYLColorCBOptions Options() const { return FOptions; }
  void SetOptions(TZYLColorCBOptions Value) {
    if (colorlist::Store(FOptions, Value) && !FCustomMode) CreateColorList();
  }
  TZYLColorCBStyle DisplayStyle() const { return FDisplayStyle; }
  void SetDisplayStyle(TZYLColorCBStyle Value) {
    if (colorlist::Store(FDisplayStyle, Value)) self().GetChange(nullptr);
  }
  vcl::TColorDialogOptions DlgOptions() const { return FDlgOptions; }
  void SetDlgOptions(vcl::TColorDialogOptions Value) { FDlgOptions = Value; }
  int32_t DlgHelpContext() const { return FDlgHelpContext; }
  void SetDlgHelpContext(int32_t Value) { FDlgHelpContext = Value; }

  vcl::TColor GetColor(int Index) const {
    return colorlist::ItemColor(this->Items()->Get(Index), FCustomMode);
  }
  std::string GetColorName(int Index) const {
    return colorlist::ItemName(this->Items()->Get(Index), FCustomMode);
  }
  // The colour dialog on the custom colours; false in custom mode.
  bool Execute() { return ExecuteEnh(FCustomColors.get()); }
  bool ExecuteEnh(vcl::TStrings* Strings) {
    if (FCustomMode) return false;
    return colorlist::RunDialog(
        this, Strings, self().SelectedColor(),
        {FDlgOptions, FDlgHelpContext, &FOnBeforeDialogShow, &FOnAfterDialogShow},
        [this](vcl::TColor Color) { self().SetSelectedColor(Color); });
  }
  void LoadCustomColors(vcl::TObject* IniObject, const std::string& Section) {
    ZYLLoadCustomColorList(IniObject, Section, FCustomColors.get());
  }
  void SaveCustomColors(vcl::TObject* IniObject, const std::string& Section) {
    ZYLSaveCustomColorList(IniObject, Section, FCustomColors.get());
  }
  // Rebuilds the items, keeping the chosen colour.
  virtual void CreateColorList() {
    const vcl::TColor keep = this->ItemIndex() >= 0 ? self().SelectedColor() : -1;
    colorlist::Build(this->Items(), FCustomColors.get(), FCustomMode, FOptions);
    RestoreSelectedColor(keep);
  }
  void Init() { CreateColorList(); }
  void Loaded() override {
    Base::Loaded();
    Init();
  }

  const TZYLOnColorDialogEvent& GetOnBeforeDialogShow() const { return FOnBeforeDialogShow; }
  void SetOnBeforeDialogShow(const TZYLOnColorDialogEvent& E) { FOnBeforeDialogShow = E; }
  const TZYLOnColorDialogEvent& GetOnAfterDialogShow() const { return FOnAfterDialogShow; }
  void SetOnAfterDialogShow(const TZYLOnColorDialogEvent& E) { FOnAfterDialogShow = E; }

 protected:
  // Selects the colour chosen before the items were rebuilt (-1: none). The choice stays what it
  // was: no change to tell of, so that a handler of the change that rebuilds the box is not
  // called again without end.
  void RestoreSelectedColor(vcl::TColor Kept) {
    if (Kept == -1) return;
    const vcl::TRestore<bool> restoring(FRestoringColor, true);
    self().SetSelectedColor(Kept);
  }
  bool RestoringColor() const { return FRestoringColor; }
  // The colour painted while the box paints a copy of itself (for descendants that show a
  // field's colour); none here.
  virtual vcl::TColor GetColorValue() { return vcl::clDefault; }
  // The colour and the drawn name of item Index (while painting a copy, GetColorValue's); false
  // for an item with no colour to draw (clNone, clDefault).
  bool ShownColorAndName(int Index, vcl::TColor& Color, std::string& Name) {
    Color = -1;
    Name.clear();
    if (this->ControlState().contains(vcl::csPaintCopy)) {
      Color = GetColorValue();
      Name = vcl::ColorToString(Color);
    } else {
      colorlist::DrawnColorAndName(this->Items()->Get(Index), Color, Name);
    }
    return !colorlist::IsNoColor(Color);
  }
  // A font change refreshes the box (the colour box's message map routes it here).
  void CMFontChanged(vcl::TMessage& Message) {
    vcl::InheritedMessage(this, Self::StaticClass(), Message);
    self().GetChange(nullptr);
  }
  // In custom mode selects the first line of Value's colour (a colour no line has, or the chosen
  // one, keeps the choice) and answers true; outside custom mode does nothing and answers false.
  bool SelectCustomColor(vcl::TColor Value) {
    if (!FCustomMode) return false;
    const int index = self().SelectedColor() == Value
                          ? -1
                          : colorlist::IndexFor(this->Items(), true, FOptions, Value);
    if (index >= 0) this->SetItemIndex(index);
    return true;
  }

 private:
  Self& self() { return static_cast<Self&>(*this); }
  void CustomColorsChange(vcl::TObject* Sender) { self().GetChange(Sender); }

  bool FCustomMode = false;
  bool FRestoringColor = false;
  TZYLOwned<vcl::TStringList> FCustomColors;
  TZYLColorCBOptions FOptions{coDefaultColors, coAllowAnyColor};
  TZYLColorCBStyle FDisplayStyle = csColorText;
  vcl::TColorDialogOptions FDlgOptions;
  int32_t FDlgHelpContext = 0;

 protected:
  TZYLOnColorDialogEvent FOnBeforeDialogShow;
  TZYLOnColorDialogEvent FOnAfterDialogShow;
};

class TZYLCustomColorComboBox
    : public TZYLColorListControl<TZYLCustomColorComboBox, TZYLCustomComboBox> {
  ZYL_CLASS(TZYLCustomColorComboBox, TZYLColorListControl)
  ZYL_MESSAGES(TZYLCustomColorComboBox)
  explicit TZYLCustomColorComboBox(vcl::TComponent* AOwner);

  // The chosen colour (-1 without one); setting selects its item (or adds it, with
  // coAllowAnyColor).
  vcl::TColor SelectedColor();
  void SetSelectedColor(vcl::TColor Value);
  std::string SelectedColorName();

 protected:
  friend inherited;
  void GetChange(vcl::TObject* Sender);
  void DrawItem(int Index, vcl::TRect Rect, vcl::TOwnerDrawState State) override;
  void MeasureItem(int Index, int& Height) override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;

 private:
  int FItemHeight = 0;
};

}  // namespace zyl
