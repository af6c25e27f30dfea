// The font size combo box: the point sizes a font offers (the standard sizes of a scalable
// font, the sizes a raster font really has), the chosen or typed size, the nearest offered
// size when asked, and a link to a font combo box whose choice it follows. A font without
// sizes (not installed) lists nothing and takes the default size.
#pragma once

#include <string>

#include "edits/ZYLCustomComboBox.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLFontComboBox;
class TZYLFontListBox;

// The font size lists' shared pieces.
namespace fontsizes {
// The sizes offered for every scalable font.
constexpr int kStandard[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
// Fills Items with the sizes of Face on the device DC (pixels per inch of the device): the
// standard ones for a scalable font, else each raster size once, ascending.
void Build(vcl::TStrings* Items, const std::string& Face, win::HDC DC);
// The offered size of Face on the DC closest to Wanted (the first enumerated of two equally
// close); Wanted itself for a scalable font; 0 when the font offers none.
int Nearest(const std::string& Face, win::HDC DC, int Wanted);
// Items become the sizes of Face on the screen, else on the printer (a printer that cannot be
// asked gives none); nothing for an empty Face.
void Fill(vcl::TStrings* Items, const std::string& Face);
// Value checked for Face: outside 1 .. 999 (or without a face) the default; with UseNearest the
// nearest size offered on the screen, else on the printer (kept when the font offers none).
int Check(int Value, const std::string& Face, int Default, bool UseNearest);
// Whether a typed key goes through: digits, signs and control keys (with the editor off only
// control keys other than Backspace).
bool KeyAccepted(char Key, bool Editor);
// Refuses with a beep (the key becomes 0) what KeyAccepted refuses, and every key while no font
// is named; answers whether the key goes on to the control's own handling.
bool FilterKey(char& Key, bool Editor, bool HasFont);
// After the key's own handling Enter and Escape go to the parent form as dialog keys; Enter is
// used up.
void ForwardDialogKey(vcl::TControl* Control, char& Key);

// A size control's link to a font combo or list box: the font control's hook calls OnFontChange
// while linked, and the link ends when the font control leaves.
class TFontLink {
 public:
  TFontLink(vcl::TComponent* Client, const vcl::TNotifyEvent& OnFontChange)
      : FClient(Client), FOnFontChange(OnFontChange) {}
  ~TFontLink() { Set(nullptr); }
  TFontLink(const TFontLink&) = delete;
  TFontLink& operator=(const TFontLink&) = delete;
  vcl::TWinControl* Control() const { return FControl; }
  TZYLFontComboBox* Combo() const;
  TZYLFontListBox* List() const;
  void Set(vcl::TWinControl* Value);
  void SetCombo(TZYLFontComboBox* Value);
  void SetList(TZYLFontListBox* Value);
  // For the client's Notification.
  void Removed(vcl::TComponent* AComponent, vcl::TOperation Operation);
  // The face chosen in the linked control ("" without one or without a link).
  std::string SelectedFont() const;

 private:
  vcl::TComponent* FClient;
  vcl::TNotifyEvent FOnFontChange;
  vcl::TWinControl* FControl = nullptr;
};
// The index of the item showing Size, -1 when none does.
int IndexOfSize(vcl::TStrings* Items, int Size);
}  // namespace fontsizes

// The font size control over a framework box Base (the combo box's or the list box's): the font
// whose sizes it lists, the link to a font combo or list box whose choice it follows, and the
// size checks; not a class of its own in the object model, the size boxes name it as their
// parent. Self, the size box, supplies Selected and SetSelected.
template <class Self, class Base>
class TZYLFontSizeControl : public Base {
 public:
  explicit TZYLFontSizeControl(vcl::TComponent* AOwner) : Base(AOwner) {
    this->controlStyle_ -= vcl::csSetCaption;
    this->SetSorted(false);
  }

  std::string FontName() const { return FFontName; }
  // A new font lists its sizes and keeps the chosen size.
  void SetFontName(const std::string& Value) {
    if (FFontName == Value) return;
    const int size = self().Selected();
    FFontName = Value;
    CreateFontSizeList();
    if (!this->ComponentState().contains(vcl::csLoading)) self().SetSelected(size);
  }
  // The linked font control when it is a font combo box / a font list box.
  TZYLFontComboBox* FontCombo() const { return FLink.Combo(); }
  TZYLFontListBox* FontList() const { return FLink.List(); }
  void SetFontCombo(TZYLFontComboBox* Value) { FLink.SetCombo(Value); }
  void SetFontList(TZYLFontListBox* Value) { FLink.SetList(Value); }
  // Follows the choice of a font combo or list box (none: follows nothing).
  void SetFontControl(vcl::TWinControl* Value) { FLink.Set(Value); }
  bool UseNearestSize() const { return FUseNearestSize; }
  void SetUseNearestSize(bool Value) { FUseNearestSize = Value; }
  int32_t DefaultSize() const { return FDefaultSize; }
  void SetDefaultSize(int32_t Value) { FDefaultSize = Value; }
  void CreateFontSizeList() {
    if (!this->ComponentState().contains(vcl::csDesigning))
      fontsizes::Fill(this->Items(), FFontName);
  }
  void Init() { CreateFontSizeList(); }
  void Loaded() override {
    Base::Loaded();
    CreateFontSizeList();
  }
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override {
    FLink.Removed(AComponent, Operation);
    Base::Notification(AComponent, Operation);
  }

 protected:
  // Value checked for the font: 1 .. 999, else DefaultSize; with UseNearestSize (not while
  // designing) the nearest offered size.
  int CheckedSize(int Value) {
    const bool designing = this->ComponentState().contains(vcl::csDesigning);
    return fontsizes::Check(Value, FFontName, FDefaultSize, FUseNearestSize && !designing);
  }
  // Only size keys go through (with Editor off only control keys), none while no font is named;
  // Enter and Escape go on to the form.
  void FilterKeyPress(char& Key, bool Editor) {
    if (!fontsizes::FilterKey(Key, Editor, !FFontName.empty())) return;
    Base::KeyPress(Key);
    fontsizes::ForwardDialogKey(this, Key);
  }

 private:
  Self& self() { return static_cast<Self&>(*this); }
  void FontControlChange(vcl::TObject*) {
    if (FLink.Control()) SetFontName(FLink.SelectedFont());
  }

  std::string FFontName;
  fontsizes::TFontLink FLink{this,
                             vcl::TNotifyEvent(this, &TZYLFontSizeControl::FontControlChange)};
  bool FUseNearestSize = false;
  int32_t FDefaultSize = 10;
};

class TZYLFontSizeComboBox : public TZYLFontSizeControl<TZYLFontSizeComboBox, TZYLCustomComboBox> {
  ZYL_CLASS(TZYLFontSizeComboBox, TZYLFontSizeControl)
  ZYL_MESSAGES(TZYLFontSizeComboBox)
  explicit TZYLFontSizeComboBox(vcl::TComponent* AOwner);

  // The chosen size: the text as a number, -1 for none (an empty text or no number).
  int Selected();
  // Shows Value, checked (1 .. 999, else DefaultSize; the nearest offered size with
  // UseNearestSize), selecting its item when listed; an empty FontName clears the text.
  void SetSelected(int Value);
  bool EditorEnabled() const { return FEditorEnabled; }
  // Typing allowed (a drop-down) or not (a drop-down list).
  void SetEditorEnabled(bool Value);

 protected:
  void KeyPress(char& Key) override { FilterKeyPress(Key, FEditorEnabled); }
  void CMExit(vcl::TMessage& Message);
  void CMFontChanged(vcl::TMessage& Message);
  void CMFontChange(vcl::TMessage& Message);

 private:
  bool FEditorEnabled = true;
};

inline constexpr vcl::TUnitEntry ZYLFontSizeComboBoxUnit =
    vcl::ClassesUnit<TZYLFontSizeComboBox>("ZYLFontSizeComboBox");

}  // namespace zyl
