// The font list box: the installed fonts of the screen (and of the current printer) in the
// library's list box, each name with its type symbol and optionally in its own face, and a
// floating example of the font under the mouse. TZYLLabeledFontListBox carries a caption label.
// A linked font size control follows its choice through the font-change hook.
#pragma once

#include <memory>

#include "edits/ZYLCustomImageListBox.h"
#include "edits/ZYLFontComboBox.h"
#include "platform/sys/Packages.h"

namespace zyl {

// Where the list box shows its example: right of the box at its top, beside the mouse, or right
// of the box level with the mouse.
ZYL_ENUM(TZYLFontListExampleAlign, eaListRightTop, eaMousePos, eaRow)

class TZYLFontListBox : public TZYLCustomDerivedImageListBox {
  ZYL_CLASS(TZYLFontListBox, TZYLCustomDerivedImageListBox)
  ZYL_MESSAGES(TZYLFontListBox)
  explicit TZYLFontListBox(vcl::TComponent* AOwner);
  ~TZYLFontListBox() override;

  TZYLFontCBOptions Options() const { return FOptions; }
  // A change lists the fonts again, keeping the choice.
  void SetOptions(TZYLFontCBOptions Value);
  bool ShowExample() const { return FShowExample; }
  void SetShowExample(bool Value) { FShowExample = Value; }
  int32_t ExampleFontSize() const { return FExampleFontSize; }
  void SetExampleFontSize(int32_t Value) { FExampleFontSize = Value; }
  std::string ExampleText() const { return FExampleText; }
  void SetExampleText(const std::string& Value) { FExampleText = Value; }
  TZYLFontListExampleAlign ExampleAlign() const { return FExampleAlign; }
  void SetExampleAlign(TZYLFontListExampleAlign Value) { FExampleAlign = Value; }
  // The selected face ("" without a selection); setting selects the listed name whatever its
  // case, or none, and tells the linked size control.
  std::string SelectedFont();
  void SetSelectedFont(const std::string& Name);
  void CreateFontList();
  void Init() { CreateFontList(); }
  vcl::THintWindow* ExampleWindow() const { return FExample.get(); }

  void DoSelect() override;

 protected:
  void CreateWnd() override;
  void Loaded() override;
  void DrawItem(int Index, vcl::TRect Rect, vcl::TOwnerDrawState State) override;
  void ShowExampleFor(int Index);
  void HideExample();
  void WMMouseMove(vcl::TMessage& Message);
  void WMCaptureChanged(vcl::TMessage& Message);
  void CMMouseLeave(vcl::TMessage& Message);
  void CMFontChange(vcl::TMessage& Message);

  // Fired by SetSelectedFont and DoSelect: the linked size control follows the choice.
  vcl::TNotifyEvent FOnFontChange;
  friend vcl::TNotifyEvent* fontsizes::FontHook(vcl::TWinControl*);

 private:
  TZYLFontCBOptions FOptions{foScreenFonts, foDisplaySymbol};
  std::unique_ptr<vcl::TBitmap> FBitmap;
  bool FShowExample = false;
  std::unique_ptr<vcl::THintWindow> FExample;
  int FLastExample = -1;
  int32_t FExampleFontSize = 12;
  std::string FExampleText = "Abc";
  TZYLFontListExampleAlign FExampleAlign = eaListRightTop;
  vcl::TPoint FLastMouse{0, 0};
  bool FBuilt = false;
};

class TZYLLabeledFontListBox : public TZYLFontListBox {
  ZYL_CLASS(TZYLLabeledFontListBox, TZYLFontListBox)
  explicit TZYLLabeledFontListBox(vcl::TComponent* AOwner);
};

inline constexpr vcl::TUnitEntry ZYLFontListBoxUnit =
    vcl::ClassesUnit<TZYLFontListBox, TZYLLabeledFontListBox>("ZYLFontListBox");

}  // namespace zyl
