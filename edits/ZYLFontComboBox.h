// The font combo box: the installed fonts of the screen (and of the current printer) by name,
// sorted, optionally each name in its own typeface and with a symbol for TrueType and printer
// fonts, the recently-used block, and a floating example of a sample text in the highlighted
// font while the list is dropped. A linked font size control follows its choice through the
// font-change hook.
#pragma once

#include <memory>

#include "edits/ZYLCustomComboBox.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TBitmap;
class THintWindow;
}  // namespace vcl

namespace zyl {

ZYL_ENUM(TZYLFontCBOption, foPrinterFonts, foScreenFonts, foTrueTypeOnly, foDisplayFont,
         foDisplaySymbol, foDisplaySelectedFont)
using TZYLFontCBOptions = vcl::TSet<TZYLFontCBOption>;
// Where the combo box shows its example: right of the box, or right of the dropped list.
ZYL_ENUM(TZYLFontComboExampleAlign, eaComboBox, eaDropDownList)

namespace fontsizes {
// The font-change hook of a font combo or list box; null for any other control.
vcl::TNotifyEvent* FontHook(vcl::TWinControl* FontControl);
}  // namespace fontsizes

// The font lists' shared pieces.
namespace fontlist {
// Fills Items with the face names (and their font types as objects) the options ask for, each
// name once; the printer's fonts only when a printer is chosen (its errors are ignored).
void Build(vcl::TStrings* Items, TZYLFontCBOptions Options);
// The font type an item keeps as its object.
int FontType(vcl::TStrings* Items, int Index);
// Draws the type symbol of FontType at (X, Rect's middle) and answers where the name starts.
int DrawSymbol(vcl::TCanvas* Canvas, vcl::TBitmap* Symbols, const vcl::TRect& Rect, int FontType);
// Shows the example window for Face at the screen point Where.
void ShowExample(vcl::THintWindow* Window, const std::string& Face, int Size, uint8_t Charset,
                 const std::string& Text, vcl::TPoint Where, vcl::TRect Bounds);
}  // namespace fontlist

class TZYLFontComboBox : public TZYLCustomComboBox {
  ZYL_CLASS(TZYLFontComboBox, TZYLCustomComboBox)
  ZYL_MESSAGES(TZYLFontComboBox)
  explicit TZYLFontComboBox(vcl::TComponent* AOwner);
  ~TZYLFontComboBox() override;

  TZYLFontCBOptions Options() const { return FOptions; }
  // A change lists the fonts again (in FastMode it only repaints), keeping the choice.
  void SetOptions(TZYLFontCBOptions Value);
  bool ShowExample() const { return FShowExample; }
  void SetShowExample(bool Value) { FShowExample = Value; }
  // Takes the screen's font list at load instead of enumerating; the types are learned while
  // drawing.
  bool FastMode() const { return FFastMode; }
  void SetFastMode(bool Value) { FFastMode = Value; }
  int32_t ExampleFontSize() const { return FExampleFontSize; }
  void SetExampleFontSize(int32_t Value) { FExampleFontSize = Value; }
  std::string ExampleText() const { return FExampleText; }
  void SetExampleText(const std::string& Value) { FExampleText = Value; }
  TZYLFontComboExampleAlign ExampleAlign() const { return FExampleAlign; }
  void SetExampleAlign(TZYLFontComboExampleAlign Value) { FExampleAlign = Value; }
  // The chosen face (the text); setting selects the listed name whatever its case, or none.
  std::string SelectedFont() { return Text(); }
  void SetSelectedFont(const std::string& Name);
  // Lists the fonts again (not in FastMode).
  void CreateFontList();
  // Lists the fonts again and measures the items, keeping the choice.
  void Init();
  void Loaded() override;
  // The example window, while it is shown.
  vcl::THintWindow* ExampleWindow() const { return FExample.get(); }

 protected:
  void CreateWnd() override;
  void Change() override;
  void DrawItem(int Index, vcl::TRect Rect, vcl::TOwnerDrawState State) override;
  void ShowExampleFor(int Index);
  void HideExample();
  void CNCommand(vcl::TWMCommand& Message);
  void CMFontChanged(vcl::TMessage& Message);
  void CMFontChange(vcl::TMessage& Message);

  // Fired by Change: the linked size control follows the choice.
  vcl::TNotifyEvent FOnFontChange;
  friend vcl::TNotifyEvent* fontsizes::FontHook(vcl::TWinControl*);

 private:
  std::unique_ptr<vcl::TBitmap> FBitmap;
  TZYLFontCBOptions FOptions{foScreenFonts, foDisplayFont, foDisplaySelectedFont};
  bool FShowExample = false;
  bool FFastMode = false;
  std::unique_ptr<vcl::THintWindow> FExample;
  int32_t FExampleFontSize = 12;
  std::string FExampleText = "Abc";
  TZYLFontComboExampleAlign FExampleAlign = eaComboBox;
  bool FBuilt = false;
};

inline constexpr vcl::TUnitEntry ZYLFontComboBoxUnit =
    vcl::ClassesUnit<TZYLFontComboBox>("ZYLFontComboBox");

}  // namespace zyl
