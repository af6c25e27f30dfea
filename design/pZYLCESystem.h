// The component editors of the non-visual system components and the dialog components: the
// mouse positioner's test run, the hints' looks, the wave, the message box demo, the dialogs'
// test runs, the starter, and the filter editor the package declares without registering it.
// A verb on a property the component does not publish is left out.
#pragma once

#include "design/pZYLCE.h"

namespace zyl {

// "&Test...": the positioner's Execute (the cursor moves to its target); not reported.
class TZYLMousePosEditor : public TZYLVerbEditor<> {
  ZYL_VERB_EDITOR(TZYLMousePosEditor)

 protected:
  TZYLVerbs Verbs() override;
};

// "Bevel", "Color", "Enabled [..]", "Font", "Font3D".
class TZYLHintComponentEditor : public TZYLVerbEditor<> {
  ZYL_VERB_EDITOR(TZYLHintComponentEditor)

 protected:
  TZYLVerbs Verbs() override;
};

// The shape and message hints: "BorderColor", "Color", "Enabled [..]" (where published),
// "Font", "Font3D", "Shadow".
class TZYLShapeHintComponentEditor : public TZYLVerbEditor<> {
  ZYL_VERB_EDITOR(TZYLShapeHintComponentEditor)

 protected:
  TZYLVerbs Verbs() override;
};

// "Specify Wave": the wave editor on the component's wave; reported when confirmed.
class TZYLWaveEditor : public TZYLVerbEditor<> {
  ZYL_VERB_EDITOR(TZYLWaveEditor)

 protected:
  TZYLVerbs Verbs() override;
};

// "Demo": the message box the application object holds (the one created last) shows
// "Test - Message" with its own buttons and type; nothing without one; not reported.
class TZYLMessageBoxComponentEditor : public TZYLVerbEditor<> {
  ZYL_VERB_EDITOR(TZYLMessageBoxComponentEditor)

 protected:
  TZYLVerbs Verbs() override;
};

// The dialogs: "Test dialog..." (the dialog's Execute, not reported) and "ImageList" (its
// picture, the list stored first; reported when confirmed).
class TZYLDlgEditor : public TZYLVerbEditor<> {
  ZYL_VERB_EDITOR(TZYLDlgEditor)

 protected:
  TZYLVerbs Verbs() override;
};

// "Test dialog...": the folder dialog's Execute; reported.
class TZYLBrowseDlgEditor : public TZYLVerbEditor<> {
  ZYL_VERB_EDITOR(TZYLBrowseDlgEditor)

 protected:
  TZYLVerbs Verbs() override;
};

// "Autostart [..]" (toggles AutoStart) and "StartTime" (the date and time editor on it).
class TZYLStarterEditor : public TZYLVerbEditor<> {
  ZYL_VERB_EDITOR(TZYLStarterEditor)

 protected:
  TZYLVerbs Verbs() override;
};

// "Edit Filters": what a double-click does; a double-click edits the component's first property.
class TZYLFilterComponentEditor : public TZYLVerbEditor<vcl::TDefaultEditor> {
  ZYL_VERB_EDITOR(TZYLFilterComponentEditor)

 protected:
  TZYLVerbs Verbs() override;
  void EditProperty(vcl::TPropertyEditor* PropertyEditor, bool& Continue) override;
};

}  // namespace zyl
