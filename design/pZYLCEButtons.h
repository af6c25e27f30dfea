// The component editors of the buttons, check boxes and radio buttons, button groups, group box,
// panels and the wizard: the verbs each offers in the form designer's context menu. A verb on a
// property the component does not carry is left out.
#pragma once

#include <functional>

#include "design/pZYLCE.h"

namespace zyl {

class TZYLAssist;
class TZYLCustomImageList;
class TZYLMMButton;

// The face editor of a multimedia button with its face image list (the package sets it once its
// unit is entered; until then the verb raises EPropertyError). Answers the launcher set before.
using TZYLButtonFaceMMLauncher = std::function<bool(TZYLMMButton*, TZYLCustomImageList*)>;
TZYLButtonFaceMMLauncher ZYLSetButtonFaceMMLauncher(TZYLButtonFaceMMLauncher Launcher);

// The graphic buttons: a multimedia button starts with "Select ButtonFace" (no usable face list:
// picks the list) or "ButtonFace" (the face editor), a 3D-effect button with "Button-Editor";
// then "OnClick...", "Glyph", "Select Glyph", "Caption", "ButtonLayout", "Color", "Enabled [..]",
// "EnterColor", "EnterColorChange [..]", "Font", "FontFX", and for speed buttons "ButtonStyle",
// "CtlXP [..]", "-", "Form: Update CtlXP property".
class TZYLBaseGraphicButtonComponentEditor : public TZYLVerbEditor<vcl::TDefaultEditor> {
 public:
  static constexpr char EditorClassName[] = "TZYLBaseGraphicButtonComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// The windowed buttons: "OnClick...", "Glyph", "SelectImage", "ButtonStyle", "Caption",
// "ButtonLayout", "Color", "Enabled [..]", "Font", "FontFX", "CtlXP [..]", "-",
// "Form: Update CtlXP property".
class TZYLCustomButtonComponentEditor : public TZYLVerbEditor<vcl::TDefaultEditor> {
 public:
  static constexpr char EditorClassName[] = "TZYLCustomButtonComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// Check boxes and radio buttons: "OnChange..." (check box) or "OnClick...", "Caption",
// "Alignment", "ImageList", "Checked [..]", "Font", "Font3D", "Transparent [..]".
class TZYLButtonControlComponentEditor : public TZYLVerbEditor<vcl::TDefaultEditor> {
 public:
  static constexpr char EditorClassName[] = "TZYLButtonControlComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// Radio and check groups: "ImageList", "GlyphImageList", "Font", "Font3D", "Caption",
// "CaptionFont", "CaptionFont3D", "Transparent [..]", "Items", "-", "Make Bevel CtlXP
// compatible", "CtlXP [..]", "-", "Form: Update CtlXP property".
class TZYLCustomButtonGroupComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLCustomButtonGroupComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// The group box: "ImageList", "Font", "Caption", "CaptionFont", "CaptionFont3D",
// "Transparent [..]", "Bevel", "-", "Make Bevel CtlXP compatible", "CtlXP [..]", "-",
// "Form: Update CtlXP property".
class TZYLGroupBoxComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLGroupBoxComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Bevel", "Color", "Enabled [..]", "Font", "Transparent [..]".
class TZYLSimplePanelComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLSimplePanelComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "ImageList" (reported also when cancelled), "Font", "Bevel", "Transparent [..]".
class TZYLBackPanelComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLBackPanelComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "ImageList", "FillObject", "Bevel", "Caption", "Enabled [..]", "Font", "FontFX".
class TZYLPanelFillComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLPanelFillComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// The wizard's pages, on the wizard or on one of its pages: "Ne&xt Page", "&Previous Page",
// "&First Page", "&Last Page" and "&New Page" while the wizard has more than one page, only
// "&New Page" otherwise (NewPageOnly), and nothing on a page that belongs to no wizard. Next
// and Previous go round the pages by their place (without an active page, Next goes to the
// first page and Previous to the last). After a verb the designer hears of the modification
// and the wizard's active page is selected.
class TZYLAssistComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLAssistComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

  bool NewPageOnly = false;

 protected:
  TZYLVerbs Verbs() override;

 private:
  // The wizard edited: the component itself or a page's wizard (null for neither).
  TZYLAssist* Wizard();
};

}  // namespace zyl
