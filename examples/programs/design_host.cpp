// A design-time host: loads the library's design-time package as the IDE does, lists the
// palette, places a component on a designed form, lists its component editor's verbs and runs
// one that opens an editor form, answering the form as a user would.
#include <cstdio>
#include <memory>

#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/designer/FormDesigner.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/DialogScript.h"

int main() {
  vcl::testkit::TControlsSession screen(1024, 768);
  // Starts the run-time package's units and the design-time ones, then registers the palette
  // and the editors.
  win::HMODULE package = vcl::LoadDesignPackageFile("zyl70se_B5_design");
  for (const std::string& page : vcl::PalettePages())
    std::printf("%s: %zu components\n", page.c_str(), vcl::PaletteClasses(page).size());

  // A designed form and a component placed on it, named as the designer names it.
  auto* form = new vcl::TForm(nullptr);
  form->SetName("Form1");
  auto designer = std::make_unique<vcl::TFormDesigner>(form);
  const vcl::TClass cls = vcl::PaletteClasses("ZYL Std").front();
  vcl::TComponent* component = cls->Create(form);
  component->SetName(designer->UniqueName(cls->ClassName()));
  if (auto* control = dynamic_cast<vcl::TControl*>(component)) control->SetParent(form);

  // The component editor's verbs, as its context menu offers them.
  std::unique_ptr<vcl::TComponentEditor> editor =
      vcl::GetComponentEditor(component, designer.get());
  std::printf("%s has %d verbs\n", component->Name().c_str(), editor->GetVerbCount());
  int captionVerb = -1;
  for (int i = 0; i < editor->GetVerbCount(); ++i) {
    std::printf("  %s\n", editor->GetVerb(i).c_str());
    if (editor->GetVerb(i) == "Caption") captionVerb = i;
  }
  // "Caption" opens the caption editor modally; headless, the dialog script answers it as a
  // user would (types the text and presses OK) instead of waiting for one.
  if (captionVerb >= 0) {
    vcl::testkit::TDialogScript script;
    script.Type("Set by the designer");
    editor->ExecuteVerb(captionVerb);
    std::printf("Caption: %s (form modified: %s)\n", vcl::GetStrProp(component, "Caption").c_str(),
                designer->IsModified() ? "yes" : "no");
  }

  editor.reset();
  designer.reset();
  delete form;
  vcl::UnloadDesignPackageFile(package);
  return 0;
}
