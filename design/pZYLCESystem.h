// The component editors of the non-visual system components and the dialog components: the
// mouse positioner's test run, the hints' looks, the wave, the message box demo, the dialogs'
// test runs, the starter, and the filter editor the package declares without registering it.
// A verb on a property the component does not publish is left out.
#pragma once

#include "design/pZYLCE.h"

namespace zyl {

// "&Test...": the positioner's Execute (the cursor moves to its target); not reported.
class TZYLMousePosEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLMousePosEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Bevel", "Color", "Enabled [..]", "Font", "Font3D".
class TZYLHintComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLHintComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// The shape and message hints: "BorderColor", "Color", "Enabled [..]" (where published),
// "Font", "Font3D", "Shadow".
class TZYLShapeHintComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLShapeHintComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Specify Wave": the wave editor on the component's wave; reported when confirmed.
class TZYLWaveEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLWaveEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Demo": the message box the application object holds (the one created last) shows
// "Test - Message" with its own buttons and type; nothing without one; not reported.
class TZYLMessageBoxComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLMessageBoxComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// The dialogs: "Test dialog..." (the dialog's Execute, not reported) and "ImageList" (its
// picture, the list stored first; reported when confirmed).
class TZYLDlgEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLDlgEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Test dialog...": the folder dialog's Execute; reported.
class TZYLBrowseDlgEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLBrowseDlgEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Autostart [..]" (toggles AutoStart) and "StartTime" (the date and time editor on it).
class TZYLStarterEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLStarterEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Edit Filters": what a double-click does; a double-click edits the component's first property.
class TZYLFilterComponentEditor : public TZYLVerbEditor<vcl::TDefaultEditor> {
 public:
  static constexpr char EditorClassName[] = "TZYLFilterComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
  void EditProperty(vcl::TPropertyEditor* PropertyEditor, bool& Continue) override;
};

}  // namespace zyl
