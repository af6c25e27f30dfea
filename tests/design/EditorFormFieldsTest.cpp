// The editor forms' fields: every component a form file names is a published field of the
// form's class, holding that component once the form is read, for every form file of design/.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "design/pZYLDesignUnits.h"
#include "design/pZYLObjectEditor.h"
#include "platform/classes/Registry.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"
#include "tests/support/TempDir.h"

extern "C" const vcl::TPackageUnitTable* GetPackageInfoTable();

namespace zyl {
namespace {

namespace vt = vcl::testkit;

struct TFormObject {
  std::string Name;
  std::string Class;
};

// The objects of a form file in text form, the form itself first, as "object Name: TClass"
// lines name them.
std::vector<TFormObject> ObjectsOf(const std::string& path) {
  std::ifstream in(path);
  std::vector<TFormObject> objects;
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string keyword, name, cls;
    words >> keyword >> name >> cls;
    if ((keyword == "object" || keyword == "inherited") && name.size() > 1 && name.back() == ':')
      objects.push_back({name.substr(0, name.size() - 1), cls});
  }
  return objects;
}

// The event handlers a form file names ("OnClick = okClick").
std::vector<std::string> HandlersOf(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> handlers;
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string property, equals, handler;
    words >> property >> equals >> handler;
    if (property.rfind("On", 0) == 0 && equals == "=" && !handler.empty() && handler[0] != '\'')
      handlers.push_back(handler);
  }
  return handlers;
}

std::vector<std::string> DesignLayouts() {
  std::vector<std::string> files;
  for (const auto& entry :
       std::filesystem::directory_iterator(testsupport::SourceDir() + "/design"))
    if (entry.path().extension() == ".dfm") files.push_back(entry.path().stem().string());
  std::sort(files.begin(), files.end());
  return files;
}

// The library's units and the design package's units started, as a host has them: every
// editor form class is registered with its layout.
class EditorFormFields : public ::testing::TestWithParam<std::string> {
 protected:
  EditorFormFields() {
    vcl::InitializePackage(*GetPackageInfoTable());
    vcl::InitializePackage(ZYLDesignUnitTable());
  }
  ~EditorFormFields() override {
    vcl::FinalizePackage(ZYLDesignUnitTable());
    vcl::FinalizePackage(*GetPackageInfoTable());
  }

  vt::TControlsSession session_;
};

TEST(EditorFormLayouts, TheSourceHoldsTheEditorForms) {
  // The forms the parameterised test below walks: none lost to a wrong folder.
  EXPECT_GE(DesignLayouts().size(), 40u);
  // The parsers read what the form files say: the shadow editor's components and handlers.
  const std::string shadow = testsupport::SourceDir() + "/design/pZYLShadowEditorDlg.dfm";
  const std::vector<TFormObject> objects = ObjectsOf(shadow);
  ASSERT_FALSE(objects.empty());
  EXPECT_EQ(objects[0].Class, "TZYLShadowEditorDlg");
  EXPECT_EQ(objects[1].Name + ": " + objects[1].Class, "test: TZYLShapeControl");
  const std::vector<std::string> handlers = HandlersOf(shadow);
  for (const char* name : {"FormActivate", "cmbstyleChange", "ColorButtonClick", "resetClick"})
    EXPECT_NE(std::find(handlers.begin(), handlers.end(), name), handlers.end()) << name;
}

TEST_P(EditorFormFields, EveryComponentOfTheFormFileIsAFieldHoldingIt) {
  const std::vector<TFormObject> objects =
      ObjectsOf(testsupport::SourceDir() + "/design/" + GetParam() + ".dfm");
  ASSERT_GE(objects.size(), 2u) << "a form file with components";
  const vcl::TClass cls = vcl::GetClass(objects[0].Class);
  ASSERT_NE(cls, nullptr) << objects[0].Class << " is registered by its unit";
  std::unique_ptr<vcl::TComponent> form(cls->Create(vcl::Application));
  ZYLLoadEditorForm(static_cast<vcl::TCustomForm*>(form.get()));
  for (size_t i = 1; i < objects.size(); ++i) {
    const TFormObject& o = objects[i];
    SCOPED_TRACE(o.Name);
    vcl::TComponent* component = form->FindComponent(o.Name);
    ASSERT_NE(component, nullptr);
    EXPECT_EQ(component->ClassName(), o.Class);
    // The class has a field of that name that takes the component (the reader set it so).
    EXPECT_TRUE(cls->SetField(form.get(), o.Name, component)) << "no field " << o.Name;
  }
  // A name the form file does not give has no field.
  EXPECT_FALSE(cls->SetField(form.get(), "NoSuchComponent", nullptr));
}

TEST_P(EditorFormFields, EveryHandlerTheFormFileNamesIsPublished) {
  const std::string path = testsupport::SourceDir() + "/design/" + GetParam() + ".dfm";
  const vcl::TClass cls = vcl::GetClass(ObjectsOf(path)[0].Class);
  ASSERT_NE(cls, nullptr);
  for (const std::string& handler : HandlersOf(path))
    EXPECT_NE(cls->MethodAddress(handler), nullptr) << handler;
}

INSTANTIATE_TEST_SUITE_P(EveryForm, EditorFormFields, ::testing::ValuesIn(DesignLayouts()),
                         [](const auto& info) { return info.param; });

// Each form file's unit, of the file's name, is a row of the design package's table: entered
// alone it makes the form class known with the form file as its layout; left, it takes both back.
class EditorFormUnits : public ::testing::TestWithParam<std::string> {
 protected:
  EditorFormUnits() { vcl::InitializePackage(*GetPackageInfoTable()); }
  ~EditorFormUnits() override { vcl::FinalizePackage(*GetPackageInfoTable()); }

  vt::TControlsSession session_;
};

TEST_P(EditorFormUnits, TheUnitOfTheFormFileEntersTheFormAndLeavesIt) {
  const vcl::TPackageUnitTable& table = ZYLDesignUnitTable();
  const vcl::TUnitEntry* unit =
      std::find_if(table.Units, table.Units + table.UnitCount,
                   [&](const vcl::TUnitEntry& u) { return GetParam() == u.Name; });
  ASSERT_NE(unit, table.Units + table.UnitCount) << "no unit of the name in the table";
  const std::string formClass =
      ObjectsOf(testsupport::SourceDir() + "/design/" + GetParam() + ".dfm")[0].Class;
  ASSERT_EQ(vcl::GetClass(formClass), nullptr);
  const int entries = ZYLEditorUnitEntries();

  unit->Init();
  const vcl::TClass cls = vcl::GetClass(formClass);
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(ZYLEditorUnitEntries(), entries + 1);
  {
    std::unique_ptr<vcl::TComponent> form(cls->Create(vcl::Application));
    EXPECT_NO_THROW(ZYLLoadEditorForm(static_cast<vcl::TCustomForm*>(form.get())));
    EXPECT_GE(form->ComponentCount(), 1);
  }
  unit->FInit();
  EXPECT_EQ(vcl::GetClass(formClass), nullptr);
  EXPECT_EQ(ZYLEditorUnitEntries(), entries);
  // With the class registered again by hand, no layout is left to read.
  vcl::RegisterClass(cls);
  std::unique_ptr<vcl::TComponent> form(cls->Create(vcl::Application));
  EXPECT_ANY_THROW(ZYLLoadEditorForm(static_cast<vcl::TCustomForm*>(form.get())));
  vcl::UnRegisterClass(cls);
}

INSTANTIATE_TEST_SUITE_P(EveryForm, EditorFormUnits, ::testing::ValuesIn(DesignLayouts()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace zyl
