// The component editors of the form-level components: the form's size limits, the title-bar
// styler's options, the background fills, the form shadow and the form display. A verb on a
// property the component does not publish is left out.
#pragma once

#include "design/pZYLCE.h"

namespace zyl {

// "AcceptFiles [..]", "Enabled [..]", "Set maximized values", "Set TrackMaxWidth + Height",
// "Set TrackMinWidth + Height", "Reset". The three "Set" verbs take the designed form's
// bounds (its position too for the maximized values) and do nothing, unreported, while the
// form is minimized; "Reset" clears all eight values.
class TZYLFormComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLFormComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Enabled [..]", "Font", "Font3D", then one verb per option ("AdjustRect [..]",
// "UseDefaultFont [..]", "InactiveGradient [..]", "DrawCaptionEvent [..]",
// "UseFormCaption [..]") that adds the option to Options or takes it out.
class TZYLFormStylerComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLFormStylerComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// A form fill with a fill object: "FillObject", "DefaultFill [..]", "Enabled [..]",
// "ImageList"; any other (the back panel of a form): "ImageList", "DefaultFill [..]",
// "Enabled [..]". "ImageList" is reported also when cancelled.
class TZYLFormFillComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLFormFillComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Shadow", "ShowInActive  [..]" (the name, a blank and the BoolStr entry).
class TZYLShadowComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLShadowComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Bevel", "Color", "Enabled [..]", "SaveResources [..]", "UseResForms [..]".
class TZYLFormDisplayComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLFormDisplayComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

}  // namespace zyl
