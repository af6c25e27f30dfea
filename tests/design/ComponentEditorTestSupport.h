// Shared steps of the component editor tests: a designed form with its designer and the editors
// under test registered for the test, the context-menu driver on a component of it, the form
// stream of a component, and stand-ins that record the settings-object launchers and the image
// picker the verbs call.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "design/pZYLCE.h"
#include "design/pZYLCEVerbs.h"
#include "platform/designer/DesignEditors.h"
#include "platform/designer/FormDesigner.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/TestKit.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/support/DesignerDrivers.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/TempDir.h"

namespace zyl::designtest {

// The package's launchers, installed as while the component editors' unit is entered.
struct TEditorLaunchers {
  TEditorLaunchers();
  ~TEditorLaunchers();
  TEditorLaunchers(const TEditorLaunchers&) = delete;
  TEditorLaunchers& operator=(const TEditorLaunchers&) = delete;
};

// A form "Form1" under a form designer; the editors given are registered for their classes
// while the test runs.
class TDesignedForm {
 public:
  using TRegistration = std::pair<vcl::TClass, vcl::TComponentEditorClass>;
  explicit TDesignedForm(const std::vector<TRegistration>& Editors);
  ~TDesignedForm();
  TDesignedForm(const TDesignedForm&) = delete;
  TDesignedForm& operator=(const TDesignedForm&) = delete;

  // A new component of the form, named Name, on Parent (the form by default) when a control.
  template <class T>
  T* Add(const std::string& Name, vcl::TWinControl* Parent = nullptr) {
    auto* c = new T(form_);
    c->SetName(Name);
    Place(c, Parent);
    return c;
  }
  vcl::testkit::TContextMenuDriver Menu(vcl::TComponent* c) {
    return vcl::testkit::TContextMenuDriver(c, designer_);
  }
  vcl::TForm* Form() const { return form_; }
  vcl::TFormDesigner* Designer() const { return designer_; }
  // Carries out each verb of c's menu in turn, closing any form a verb opens, and expects none
  // to raise.
  void ExpectEachVerbRuns(vcl::TComponent* c);
  // Expects c's menu to be Verbs, then runs each verb as ExpectEachVerbRuns does, with the
  // settings objects that have no launcher in the package and the image picker stood in for.
  // Answers the designer the picker was handed (nullptr when no verb picked an image).
  vcl::IFormDesigner* ExpectMenu(vcl::TComponent* c, const std::vector<std::string>& Verbs);
  // Runs the toggle of Prop, captioned Label and the BoolStr entry, twice: each run flips Prop
  // and changes no other simple property, reports one modification, and the caption follows.
  void ExpectToggle(vcl::TComponent* c, const std::string& Prop, const std::string& Label);
  // With the strings of c open in the code editor as Module, running Verb shows no form, brings
  // Module to the front once and reports one modification in all; Module is closed afterwards.
  void ExpectOpenStringsBroughtToFront(vcl::TComponent* c, const std::string& Verb,
                                       const std::string& Module);
  // The components the form owns now, by name.
  std::vector<std::string> ComponentNames() const;

 private:
  void Place(vcl::TComponent* c, vcl::TWinControl* Parent);
  vcl::TForm* form_;
  vcl::TFormDesigner* designer_;
};

// A new component of class T on the form, named after its class without "TZYL" and "1".
template <class T>
vcl::TComponent* MakeNamed(TDesignedForm& f) {
  return f.Add<T>(std::string(T::StaticClass()->ClassName()).substr(4) + "1");
}

// The registration of editor E for the components of class C.
template <class C, class E>
TDesignedForm::TRegistration EditorFor() {
  return {C::StaticClass(), vcl::ComponentEditorClassOf<E>()};
}

// What a fixture enters while a test runs, in the order given (left in the reverse order): the
// design-time units, the package's launchers, the run-time units of the components.
template <class... T>
struct TEntered : T... {};

// One unit entered through its entry: its Init when the fixture is made, its FInit when it goes.
template <const vcl::TUnitEntry& Entry>
struct TEntryUnit {
  TEntryUnit() { Entry.Init(); }
  ~TEntryUnit() { Entry.FInit(); }
  TEntryUnit(const TEntryUnit&) = delete;
  TEntryUnit& operator=(const TEntryUnit&) = delete;
};

// The fixture of the component editor tests: a controls session, then what TUnits enters, then
// a designed form with the editors given registered.
template <class TUnits>
class TComponentEditorTest : public ::testing::Test {
 protected:
  explicit TComponentEditorTest(const std::vector<TDesignedForm::TRegistration>& Editors)
      : form_(Editors) {}
  vcl::TFormDesigner* Designer() { return form_.Designer(); }

  vcl::testkit::TControlsSession session_;
  TUnits units_;
  TDesignedForm form_;
};

// The fixture of editors whose settings verbs run the package's launchers: TUnits, the
// launchers, then TMore entered.
template <class TUnits = TEditorUnits, class... TMore>
using TLaunchingEditorTest = TComponentEditorTest<TEntered<TUnits, TEditorLaunchers, TMore...>>;

// A registry of its own in a temporary folder while a test runs.
struct TTempRegistry {
  testsupport::TempDir dir_;
  testsupport::TEnvGuard registry_{"ZYL_REGISTRY_DIR", dir_.File("registry")};
};

// One row of a table over editors: a component made on the form and the menu it expects.
struct TMenuCase {
  const char* Name;
  vcl::TComponent* (*Make)(TDesignedForm&);
  std::vector<std::string> Verbs;
};

// Makes each row's component in turn and expects its menu as TDesignedForm::ExpectMenu does.
void ExpectMenus(TDesignedForm& Form, std::span<const TMenuCase> Cases);

// One toggle of a table over editors: the component, the property and the caption's label.
struct TToggleCase {
  vcl::TComponent* (*Make)(TDesignedForm&);
  const char* Prop;
  const char* Label;
};

// Runs each row's toggle as TDesignedForm::ExpectToggle does; with Alone, each row's component
// gets the form to itself (the components the form holds before it are freed).
void ExpectToggles(TDesignedForm& Form, std::span<const TToggleCase> Cases, bool Alone = false);

// Answers the next form that comes up, whatever it is, by its close box (or Escape when it has
// none).
void CloseNextForm(vcl::testkit::TDialogScript& Script);

// The settings objects a component carries (its class properties that are neither components,
// string lists nor bitmaps), for TRecordedLaunchers.
std::vector<vcl::TPersistent*> SettingsObjectsOf(vcl::TComponent* c);

// The form stream of a component alone.
std::string StreamOf(vcl::TComponent* c);
// The simple published properties of an object (not objects or events) as text, by name.
std::map<std::string, std::string> SimpleProps(vcl::TObject* o);

// Stands in for the launcher of every settings-object class given while it lives: it records
// the object it was handed and answers Answer. The package's launchers are given back
// afterwards.
class TRecordedLaunchers {
 public:
  explicit TRecordedLaunchers(const std::vector<vcl::TPersistent*>& Objects, bool Answer = false);
  ~TRecordedLaunchers();
  TRecordedLaunchers(const TRecordedLaunchers&) = delete;
  TRecordedLaunchers& operator=(const TRecordedLaunchers&) = delete;
  const std::vector<vcl::TPersistent*>& Edited() const { return edited_; }

 private:
  // Each class stood in for, with the launcher the package had for it (empty for none).
  std::vector<std::pair<vcl::TClass, TZYLSettingsLauncher>> installed_;
  std::vector<vcl::TPersistent*> edited_;
};

// The image picker while the test runs: records how it was seeded and answers Answer with the
// choice given.
class TRecordedPicker {
 public:
  struct TChoice {
    TZYLCustomImageList* List = nullptr;
    uint16_t ListIndex = 0;
    uint16_t ImageIndex = 0;
  };
  TRecordedPicker();
  ~TRecordedPicker();
  TRecordedPicker(const TRecordedPicker&) = delete;
  TRecordedPicker& operator=(const TRecordedPicker&) = delete;

  bool Answer = false;
  TChoice Choice;               // what a confirmed pick answers
  std::vector<TChoice> Seeded;  // what each call was seeded with
  vcl::IFormDesigner* Designer = nullptr;

 private:
  TZYLImageListPicker previous_;
};

}  // namespace zyl::designtest

namespace zyl {

// The short names every component editor test uses.
using designtest::EditorFor;
using designtest::MakeNamed;
using designtest::TDesignedForm;
using designtest::TMenuCase;

}  // namespace zyl
