// The component editors of the edits, the memo, the list boxes and the combo boxes, and the
// section editor that sets the column widths of a list box's header by dragging them in a
// preview (TZYLSectionEditorDlg).
//
// The edit editor counts its verbs by the edit's class: every edit has "Transparent [..]",
// "Font3D", "Font" and "Bevel"; an edit with buttons (TZYLCustomEdit) adds
// "CustomButtonsStyle", "CtlXP", "-", "Form: Update CtlXP property", "-", "CustomButtons" and
// "CustomButtonParentCtlXP [..]"; a spin edit adds "-" and "SpinBtnDiag" to those, while a
// combo-style, browse, colour or file edit drops the last two. So an edit or masked edit has
// 11 verbs, a spin edit 13, a browse, colour or file edit 9 and a memo 4 (plus "Lines").
#pragma once

#include "design/pZYLCE.h"

namespace zyl {

class TZYLListBox;

// Verbs by the edit's class (above). Double-clicking an edit, and "CustomButtons", open the
// editor of its CustomButtons.
class TZYLEditComponentEditor : public TZYLVerbEditor<vcl::TDefaultEditor> {
 public:
  static constexpr char EditorClassName[] = "TZYLEditComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
  void EditProperty(vcl::TPropertyEditor* PropertyEditor, bool& Continue) override;
};

// The edit editor's verbs (BaseVerbCount of them), then "Lines" unless the memo is data-aware:
// the memo's text in the strings editor, taken back on OK.
class TZYLMemoComponentEditor : public TZYLEditComponentEditor {
 public:
  static constexpr char EditorClassName[] = "TZYLMemoComponentEditor";
  using TZYLEditComponentEditor::TZYLEditComponentEditor;

  int BaseVerbCount = 0;

 protected:
  TZYLVerbs Verbs() override;
};

// "Resize Sections..." (only while the header has more than one section), "Items",
// "HeaderSections", "Bevel", "Color", "Enabled [..]", "Font", "HeaderFont". Double-clicking
// the list box, and "HeaderSections", open the editor of its HeaderSections.
class TZYLListBoxComponentEditor : public TZYLVerbEditor<vcl::TDefaultEditor> {
 public:
  static constexpr char EditorClassName[] = "TZYLListBoxComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

  // The section editor on the list box's header sections and header font; OK sets each
  // section's width through the header. Reported however the form ends.
  void ExecuteSectionEditor();

 protected:
  TZYLVerbs Verbs() override;
  void EditProperty(vcl::TPropertyEditor* PropertyEditor, bool& Continue) override;
};

// "Font", "Font3D", "Transparent [..]", "Items"; the colour, font and font-size list boxes
// (TZYLCustomDerivedImageListBox) fill their items themselves and have no "Items".
class TZYLCustomListBoxComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLCustomListBoxComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Font", "Font3D", "Transparent [..]", "Layout", "Items".
class TZYLImageListBoxComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLImageListBoxComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Font", "Font3D", "Layout", "Items".
class TZYLImageComboBoxComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLImageComboBoxComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Color", "Enabled [..]", "Font".
class TZYLColorComboBoxComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLColorComboBoxComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Enabled [..]", "Font", "Options".
class TZYLFontComboBoxComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLFontComboBoxComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// One verb, "Section-Editor", on a list box with at least two header sections (fewer raise
// EZYLSectionEditor): the section editor at the list box's width; OK copies the widths back
// and refreshes the list box. Nothing is reported. The package registers it for no class.
class TZYLSectionEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLSectionEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

}  // namespace zyl
