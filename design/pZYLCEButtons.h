// The component editors of the panels and the wizard: the verbs each offers in the form
// designer's context menu. A verb on a property the component does not carry is left out.
#pragma once

#include "design/pZYLCE.h"

namespace zyl {

class TZYLAssist;

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
