// Uses the installed package as a consumer does: a class of every folder of the library and
// the platform through the installed headers, and the design-time package hosted as the IDE
// hosts it (loaded by name, its palette listed, a component placed on a designed form, a verb
// of its component editor run). Answers 0 and prints "consumer ok" when everything gave back
// what it was given.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYLButton.h"
#include "design/pZYLBevelEditorDlg.h"
#include "display/ZYLLabel.h"
#include "edits/ZYLEdit.h"
#include "foundation/ZYLCompress.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/designer/FormDesigner.h"
#include "platform/testkit/ControlsSession.h"
#include "system/ZYLTrayIcon.h"

namespace {

int failures = 0;

void Check(bool ok, const char* what) {
  if (ok) return;
  std::printf("FAILED: %s\n", what);
  ++failures;
}

}  // namespace

int main() {
  const std::string text = "installed, found, linked, run; installed, found, linked, run";
  const std::vector<uint8_t> packed = zyl::ZYLCompressBytes(text.data(), text.size());
  const std::vector<uint8_t> unpacked = zyl::ZYLDecompressBytes(packed.data(), packed.size());
  Check(std::string(unpacked.begin(), unpacked.end()) == text, "foundation: compression");
  vcl::TStringList list;
  list.SetCommaText("a,b,c");
  Check(list.Count() == 3, "platform: string list");

  vcl::testkit::TControlsSession screen(1024, 768);
  win::HMODULE package = vcl::LoadDesignPackageFile("zyl70se_B5_design");
  Check(vcl::PalettePages().size() == 10, "design: ten palette pages");
  // The class of every folder is known by name once the packages started.
  for (const char* name : {"TZYLButton", "TZYLLabel", "TZYLEdit", "TZYLTrayIcon"})
    Check(vcl::GetClass(name) != nullptr, name);
  Check(std::string(zyl::TZYLBevelEditorDlg::StaticClass()->ClassName()) == "TZYLBevelEditorDlg",
        "design: an editor form's class");

  auto* form = new vcl::TForm(nullptr);
  form->SetName("Form1");
  {
    vcl::TFormDesigner designer(form);
    auto* button = new zyl::TZYLButton(form);
    button->SetName(designer.UniqueName("TZYLButton"));
    button->SetParent(form);
    Check(button->Name() == "ZYLButton1", "design: the placed component's name");
    auto* label = new zyl::TZYLLabel(form);
    label->SetParent(form);
    auto* edit = new zyl::TZYLEdit(form);
    edit->SetParent(form);
    Check(form->ControlCount() == 3, "controls placed");
    std::unique_ptr<vcl::TComponentEditor> editor = vcl::GetComponentEditor(button, &designer);
    int enabledVerb = -1;
    for (int i = 0; i < editor->GetVerbCount(); ++i)
      if (editor->GetVerb(i).rfind("Enabled", 0) == 0) enabledVerb = i;
    Check(enabledVerb >= 0, "design: the button's Enabled verb");
    if (enabledVerb >= 0) {
      editor->ExecuteVerb(enabledVerb);
      Check(!button->Enabled(), "design: the verb switched Enabled off");
      Check(designer.IsModified(), "design: the verb marked the form modified");
    }
  }
  delete form;
  vcl::UnloadDesignPackageFile(package);
  Check(vcl::GetClass("TZYLButton") == nullptr, "the package's classes go when it is unloaded");

  std::printf("%s\n", failures == 0 ? "consumer ok" : "consumer FAILED");
  return failures == 0 ? 0 : 1;
}
