// Every component class the design package registers, placed on a designed form with the
// package loaded: the component editor the registrations' precedence gives it (the editor of
// the nearest registered ancestor, the later of two for one class, TDefaultEditor without
// any), its verbs listed through the designer's context menu and each one carried out, every
// form a verb opens answered with Cancel, no verb reporting more than one modification and
// none changing the component without reporting it. Rows of the registration tables that get
// their editor later are covered as they fill.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <typeinfo>
#include <vector>

#include "design/pZYLDesignUnits.h"
#include "design/pZYLRegister.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/DialogScript.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/design/PropertyEditorsSupport.h"
#include "tests/support/DesignerDrivers.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempDir.h"

extern "C" const vcl::TPackageUnitTable* GetPackageInfoTable();

namespace zyl {
namespace {

namespace vt = vcl::testkit;

// The most forms one verb may bring up in a row (an editor and the dialogs it asks from).
constexpr size_t kAnswers = 4;

// The component classes the package puts on the palette, then the other classes its
// component-editor rows name that a form stream can hold (registered for streaming, as a wizard
// page is; the abstract bases the rows name for their descendants are never placed), each once,
// in table order.
std::vector<vcl::TClass> RegisteredClasses() {
  std::vector<vcl::TClass> classes;
  const auto add = [&](vcl::TClass c) {
    if (std::find(classes.begin(), classes.end(), c) == classes.end()) classes.push_back(c);
  };
  for (const TZYLRegUnit& u : ZYLRegUnits())
    for (const TZYLPaletteItem& item : u.Components)
      if (item.Class) add(item.Class());
  for (const TZYLRegUnit& u : ZYLRegUnits())
    for (const TZYLRegRow& r : u.Rows)
      if (r.Kind == TZYLRegRow::rkComponentEditor && r.Class &&
          r.Class()->FactoryKind() == vcl::fkComponent && vcl::GetClass(r.Class()->ClassName()))
        add(r.Class());
  return classes;
}

// The standing component-editor row the class's editor comes from: the one of its nearest
// ancestor, the later row for one class; null when none stands.
const TZYLRegRow* EditorRowOf(vcl::TClass Class) {
  const TZYLRegRow* best = nullptr;
  for (const TZYLRegUnit& u : ZYLRegUnits())
    for (const TZYLRegRow& r : u.Rows)
      if (r.Kind == TZYLRegRow::rkComponentEditor && ZYLRowStands(r) &&
          Class->InheritsFrom(r.Class()) && (!best || r.Class()->InheritsFrom(best->Class())))
        best = &r;
  return best;
}

void CollectCancelButtons(vcl::TWinControl* Parent, std::vector<vcl::TButton*>& Found) {
  for (int i = 0; i < Parent->ControlCount(); ++i) {
    vcl::TControl* c = Parent->Controls(i);
    auto* b = dynamic_cast<vcl::TButton*>(c);
    std::string caption = b ? b->Caption() : "";
    caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
    if (b && b->Visible() && b->Enabled() && (b->Cancel() || caption == "Cancel"))
      Found.push_back(b);
    if (auto* w = dynamic_cast<vcl::TWinControl*>(c)) CollectCancelButtons(w, Found);
  }
}

// Leaves a form as a user who cancels it does: its Cancel button, else its close box, else
// Escape.
void CancelForm(vcl::TCustomForm* Form) {
  std::vector<vcl::TButton*> buttons;
  CollectCancelButtons(Form, buttons);
  if (!buttons.empty()) {
    vt::ClickControl(buttons.front());
    return;
  }
  try {
    designtest::ClickCloseBox(Form->Handle());
  } catch (const vcl::Exception&) {
    win::testkit::KeyPress(win::VK_ESCAPE);
  }
}

// The library's units, the design package's units and the package loaded, as a host has them.
class ComponentEditorsOverAll : public ::testing::Test {
 protected:
  ComponentEditorsOverAll() {
    vcl::InitializePackage(*GetPackageInfoTable());
    vcl::InitializePackage(ZYLDesignUnitTable());
    ZYLLoadDesignPackage();
  }
  ~ComponentEditorsOverAll() override {
    ZYLUnloadDesignPackage();
    vcl::FinalizePackage(ZYLDesignUnitTable());
    vcl::FinalizePackage(*GetPackageInfoTable());
  }

  testsupport::TempDir dir_;
  testsupport::TEnvGuard registry_{"ZYL_REGISTRY_DIR", dir_.File("registry")};
  vt::TControlsSession session_;
};

TEST_F(ComponentEditorsOverAll, EachClassGetsItsEditorAndEachVerbRunsAnsweredWithCancel) {
  const std::vector<vcl::TClass> classes = RegisteredClasses();
  ASSERT_GE(classes.size(), 97u);
  int verbsRun = 0, ownEditors = 0, formsAnswered = 0;
  for (vcl::TClass cls : classes) {
    SCOPED_TRACE(cls->ClassName());
    designtest::TInspectedForm form;
    vcl::TComponent* c = form.Add(cls);
    vcl::IFormDesigner* designer = form.Designer();

    const TZYLRegRow* row = EditorRowOf(cls);
    const vcl::TComponentEditorClass want =
        row ? row->ComponentEditor() : vcl::ComponentEditorClassOf<vcl::TDefaultEditor>();
    ASSERT_NE(want, nullptr);
    EXPECT_STREQ(vcl::FindComponentEditorClass(cls)->Name, want->Name);
    if (row) {
      EXPECT_STREQ(want->Name, row->EditorName);
      ++ownEditors;
    }
    // The designer's editor is an object of that class.
    const auto given = vcl::GetComponentEditor(c, designer);
    const auto made = want->Create(c, designer);
    EXPECT_EQ(typeid(*given), typeid(*made));

    vt::TContextMenuDriver menu(c, designer);
    std::vector<std::string> verbs;
    EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { verbs = menu.Verbs(); }), "<no error>");
    for (size_t i = 0; i < verbs.size(); ++i) {
      if (verbs[i] == "-") continue;  // a separator line is not chosen
      SCOPED_TRACE(verbs[i]);
      vt::TDialogScript script;
      for (size_t k = 0; k < kAnswers; ++k) script.Do(CancelForm);
      form.Designer()->ResetModified();
      const std::string before = vcl::WriteComponentToBytes(c);
      EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { menu.Execute(static_cast<int>(i)); }),
                "<no error>");
      // A verb that reports nothing has changed nothing.
      if (form.Designer()->ModifiedCount() == 0) {
        EXPECT_EQ(vcl::WriteComponentToBytes(c), before);
      }
      // Every form that came up was answered and is gone.
      EXPECT_EQ(script.Shown().size(), kAnswers - script.Pending());
      formsAnswered += static_cast<int>(script.Shown().size());
      EXPECT_LE(form.Designer()->ModifiedCount(), 1);
      ++verbsRun;
    }
  }
  EXPECT_GT(ownEditors, 0);
  EXPECT_GT(verbsRun, ownEditors);
  EXPECT_GT(formsAnswered, 0);
}

// A form a verb brings up and nobody answers ends the verb with a clear error, not a hang.
TEST_F(ComponentEditorsOverAll, AFormLeftUnansweredIsAClearError) {
  designtest::TInspectedForm form;
  vcl::TComponent* c = nullptr;
  std::string verb;
  // The first registered class whose editor has a verb that opens a form.
  for (vcl::TClass cls : RegisteredClasses()) {
    if (!EditorRowOf(cls)) continue;
    vcl::TComponent* candidate = form.Add(cls);
    vt::TContextMenuDriver menu(candidate, form.Designer());
    for (const std::string& v : menu.Verbs()) {
      if (v == "-") continue;
      vt::TDialogScript probe;
      for (size_t k = 0; k < kAnswers; ++k) probe.Do(CancelForm);
      (void)testsupport::ErrorOf<vcl::Exception>([&] { menu.Execute(v); });
      if (!probe.Shown().empty()) {
        c = candidate;
        verb = v;
        break;
      }
    }
    if (c) break;
  }
  ASSERT_NE(c, nullptr) << "no verb of the package opens a form";
  SCOPED_TRACE(verb);
  vt::TDialogScript script;  // no answer
  const std::string error = testsupport::ErrorOf<vcl::Exception>(
      [&] { vt::TContextMenuDriver(c, form.Designer()).Execute(verb); });
  EXPECT_NE(error.find("No answer is scripted"), std::string::npos) << error;
  EXPECT_EQ(script.Shown().size(), 1u);
}

}  // namespace
}  // namespace zyl
