#include "tests/design/ComponentEditorTestSupport.h"

#include "design/pZYLCE.h"
#include "design/pZYLDsgnCPGetStrings.h"

#include <algorithm>
#include <map>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Control.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/designer/ToolsAPI.h"
#include "platform/graphics/Bitmap.h"
#include "tests/support/ErrorOf.h"

namespace zyl::designtest {

namespace {
const char kPackage[] = "component-editor-test";
}  // namespace

TEditorLaunchers::TEditorLaunchers() { pZYLCEInit(); }
TEditorLaunchers::~TEditorLaunchers() { pZYLCEDone(); }

TDesignedForm::TDesignedForm(const std::vector<TRegistration>& Editors)
    : form_(new vcl::TForm(nullptr)) {
  form_->SetName("Form1");
  designer_ = new vcl::TFormDesigner(form_);
  vcl::LoadDesignPackage(kPackage, [&] {
    for (const TRegistration& r : Editors) vcl::RegisterComponentEditor(r.first, r.second);
  });
}

TDesignedForm::~TDesignedForm() {
  vcl::UnloadDesignPackage(kPackage);
  delete designer_;
  delete form_;
}

void TDesignedForm::Place(vcl::TComponent* c, vcl::TWinControl* Parent) {
  if (auto* control = dynamic_cast<vcl::TControl*>(c)) control->SetParent(Parent ? Parent : form_);
}

std::vector<std::string> TDesignedForm::ComponentNames() const {
  std::vector<std::string> names;
  for (int i = 0; i < form_->ComponentCount(); ++i) names.push_back(form_->Components(i)->Name());
  return names;
}

void TDesignedForm::ExpectEachVerbRuns(vcl::TComponent* c) {
  const std::vector<std::string> verbs = Menu(c).Verbs();
  for (size_t i = 0; i < verbs.size(); ++i) {
    SCOPED_TRACE(verbs[i]);
    vcl::testkit::TDialogScript script;
    CloseNextForm(script);
    EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { Menu(c).Execute(static_cast<int>(i)); }),
              "<no error>");
  }
}

void ExpectToggles(TDesignedForm& Form, std::span<const TToggleCase> Cases, bool Alone) {
  for (const TToggleCase& c : Cases) {
    SCOPED_TRACE(c.Prop);
    if (Alone)
      while (Form.Form()->ComponentCount() > 0) delete Form.Form()->Components(0);
    Form.ExpectToggle(c.Make(Form), c.Prop, c.Label);
  }
}

void ExpectMenus(TDesignedForm& Form, std::span<const TMenuCase> Cases) {
  for (const TMenuCase& c : Cases) {
    SCOPED_TRACE(c.Name);
    Form.ExpectMenu(c.Make(Form), c.Verbs);
  }
}

vcl::IFormDesigner* TDesignedForm::ExpectMenu(vcl::TComponent* c,
                                              const std::vector<std::string>& Verbs) {
  EXPECT_EQ(Menu(c).Verbs(), Verbs);
  TRecordedLaunchers launchers(SettingsObjectsOf(c));
  TRecordedPicker picker;
  ExpectEachVerbRuns(c);
  return picker.Designer;
}

void TDesignedForm::ExpectToggle(vcl::TComponent* c, const std::string& Prop,
                                 const std::string& Label) {
  SCOPED_TRACE(c->ClassName() + " " + Prop);
  for (int round = 0; round < 2; ++round) {
    const bool before = vcl::GetOrdProp(c, Prop) != 0;
    std::map<std::string, std::string> expected = SimpleProps(c);
    expected[Prop] = before ? "False" : "True";
    // Checked and State are one value of a check box (a radio button has no State).
    if (Prop == "Checked" && expected.count("State"))
      expected["State"] = before ? "cbUnchecked" : "cbChecked";
    designer_->ResetModified();
    Menu(c).Execute(Label + BoolStr[before]);
    EXPECT_EQ(SimpleProps(c), expected);
    EXPECT_EQ(designer_->ModifiedCount(), 1);
    const std::vector<std::string> verbs = Menu(c).Verbs();
    EXPECT_NE(std::find(verbs.begin(), verbs.end(), Label + BoolStr[!before]), verbs.end());
  }
}

void TDesignedForm::ExpectOpenStringsBroughtToFront(vcl::TComponent* c, const std::string& Verb,
                                                    const std::string& Module) {
  vcl::ModuleServices()->CreateModule(std::make_shared<TZYLStringsModuleCreator>(
      Module, std::make_unique<vcl::TStringStream>("a\r\nb\r\n"), 0.0));
  const int shown = vcl::ModuleShowCount(Module);
  vcl::testkit::TDialogScript script;
  Menu(c).Execute(Verb);
  EXPECT_TRUE(script.Shown().empty());
  EXPECT_EQ(vcl::ModuleShowCount(Module), shown + 1);
  EXPECT_EQ(designer_->ModifiedCount(), 1);
  vcl::CloseModule(Module);
}

std::vector<vcl::TPersistent*> SettingsObjectsOf(vcl::TComponent* c) {
  std::vector<vcl::TPersistent*> objects;
  for (const vcl::TPropInfo* p : vcl::GetPropList(c))
    if (p->PropType->Kind == vcl::tkClass)
      if (auto* o = dynamic_cast<vcl::TPersistent*>(vcl::GetObjectProp(c, p));
          o && !dynamic_cast<vcl::TComponent*>(o) && !dynamic_cast<vcl::TStrings*>(o) &&
          !dynamic_cast<vcl::TBitmap*>(o))
        objects.push_back(o);
  return objects;
}

void CloseNextForm(vcl::testkit::TDialogScript& Script) {
  Script.Do([](vcl::TCustomForm* f) {
    try {
      ClickCloseBox(f->Handle());
    } catch (const vcl::Exception&) {
      win::testkit::KeyPress(win::VK_ESCAPE);  // a form without a close box
    }
  });
}

std::string StreamOf(vcl::TComponent* c) { return vcl::WriteComponentToBytes(c); }

std::map<std::string, std::string> SimpleProps(vcl::TObject* o) {
  std::map<std::string, std::string> values;
  for (const vcl::TPropInfo* p : vcl::GetPropList(o)) {
    try {
      values[p->Name] = vcl::GetPropValue(o, p);
    } catch (const vcl::EPropertyError&) {
      // an object or an event
    }
  }
  return values;
}

TRecordedLaunchers::TRecordedLaunchers(const std::vector<vcl::TPersistent*>& Objects, bool Answer) {
  for (vcl::TPersistent* object : Objects) {
    const vcl::TClass cls = object->ClassType();
    if (std::any_of(installed_.begin(), installed_.end(),
                    [&](const auto& entry) { return entry.first == cls; }))
      continue;
    TZYLSettingsLauncher previous;
    try {
      previous = ZYLSettingsLauncherOf(object);
    } catch (const vcl::EPropertyError&) {
      // the package edits no object of this class
    }
    installed_.emplace_back(cls, std::move(previous));
    ZYLRegisterSettingsLauncher(cls, [this, Answer](vcl::TPersistent* p) {
      edited_.push_back(p);
      return Answer;
    });
  }
}

TRecordedLaunchers::~TRecordedLaunchers() {
  for (auto& [cls, previous] : installed_)
    if (previous)
      ZYLRegisterSettingsLauncher(cls, std::move(previous));
    else
      ZYLUnregisterSettingsLauncher(cls);
}

TRecordedPicker::TRecordedPicker() {
  previous_ = ZYLSetImageListPicker([this](vcl::IFormDesigner* designer, TZYLCustomImageList*& list,
                                           uint16_t& listIndex, uint16_t& imageIndex) {
    Designer = designer;
    Seeded.push_back({list, listIndex, imageIndex});
    if (!Answer) return false;
    list = Choice.List;
    listIndex = Choice.ListIndex;
    imageIndex = Choice.ImageIndex;
    return true;
  });
}

TRecordedPicker::~TRecordedPicker() { ZYLSetImageListPicker(std::move(previous_)); }

}  // namespace zyl::designtest
