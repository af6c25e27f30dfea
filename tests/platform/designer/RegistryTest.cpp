// Registrations: the palette's order, which component editor and which property editor a
// component's property gets, and packages that load once and unload whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/rtl/Consts.h"
#include "tests/platform/designer/DesignerTestClasses.h"
#include "tests/support/ErrorOf.h"

namespace vcl::dztest {
namespace {

using testsupport::ErrorOf;

std::vector<std::string> Names(const std::vector<TClass>& classes) {
  std::vector<std::string> names;
  for (TClass c : classes) names.push_back(c->ClassName());
  return names;
}

// Each test's registrations are one package, unloaded after the test.
class RegistryTest : public ::testing::Test {
 protected:
  void Load(const std::function<void()>& reg) { LoadDesignPackage("dztest", reg); }
  ~RegistryTest() override {
    if (IsDesignPackageLoaded("dztest")) UnloadDesignPackage("dztest");
  }
};

TEST_F(RegistryTest, PalettePagesKeepFirstAppearanceAndClassesCallOrder) {
  Load([] {
    RegisterComponents("Zeta", {TDzListBox::StaticClass(), TDzBack::StaticClass()});
    RegisterComponents("Alpha", {TDzHolder::StaticClass()});
    RegisterComponents("Zeta", {TDzMemo::StaticClass()});
  });
  EXPECT_EQ(PalettePages(), (std::vector<std::string>{"Zeta", "Alpha"}));
  EXPECT_EQ(Names(PaletteClasses("Zeta")),
            (std::vector<std::string>{"TDzListBox", "TDzBack", "TDzMemo"}));
  EXPECT_EQ(Names(PaletteClasses("Alpha")), (std::vector<std::string>{"TDzHolder"}));
}

TEST_F(RegistryTest, AClassRegisteredTwiceIsAnErrorThatLeavesTheFirstRegistration) {
  Load([] { RegisterComponents("Zeta", {TDzListBox::StaticClass()}); });
  EXPECT_EQ(ErrorOf<EComponentError>([] {
              RegisterComponents("Other", {TDzBack::StaticClass(), TDzListBox::StaticClass()});
            }),
            "Class TDzListBox is already registered on the palette");
  EXPECT_EQ(ErrorOf<EComponentError>([] {
              RegisterComponents("Other", {TDzBack::StaticClass(), TDzBack::StaticClass()});
            }),
            "Class TDzBack is already registered on the palette");
  EXPECT_EQ(PalettePages(), (std::vector<std::string>{"Zeta"}));
  EXPECT_EQ(Names(PaletteClasses("Zeta")), (std::vector<std::string>{"TDzListBox"}));
  EXPECT_TRUE(PaletteClasses("Other").empty());
}

TEST_F(RegistryTest, ComponentEditorsGoToTheNearestAncestorAndTheLaterOfTwo) {
  Load([] {
    RegisterComponentEditor(TDzListBox::StaticClass(), ComponentEditorClassOf<TDzListBoxEditor>());
    RegisterComponentEditor(TDzCustomListBox::StaticClass(),
                            ComponentEditorClassOf<TDzCustomListBoxEditor>());
    RegisterComponentEditor(TDzCustomFormFill::StaticClass(),
                            ComponentEditorClassOf<TDzFormFillEditor>());
    RegisterComponentEditor(TDzCustomFormFill::StaticClass(),
                            ComponentEditorClassOf<TDzLaterFormFillEditor>());
  });
  const std::pair<TClass, std::string> cases[] = {
      {TDzListBox::StaticClass(), "TDzListBoxEditor"},
      {TDzSortedListBox::StaticClass(), "TDzListBoxEditor"},
      {TDzCustomListBox::StaticClass(), "TDzCustomListBoxEditor"},
      {TDzBack::StaticClass(), "TDzLaterFormFillEditor"},
      {TDzHolder::StaticClass(), "TDefaultEditor"},
      {TButton::StaticClass(), "TDefaultEditor"},
  };
  for (const auto& [cls, editor] : cases)
    EXPECT_EQ(FindComponentEditorClass(cls)->Name, editor) << cls->ClassName();
}

// The registrations of the property-editor cases, each ancestor after its descendant where the
// order alone would choose wrongly.
void RegisterPropertyEditors() {
  const TTypeInfo* str = TypeInfoOf<std::string>();
  RegisterPropertyEditor(TDzFillObject::StaticClass()->ClassTypeInfo(), nullptr, "",
                         PropertyEditorClassOf<TDzFillObjectProperty>());
  RegisterPropertyEditor(TDzFill::StaticClass()->ClassTypeInfo(), nullptr, "",
                         PropertyEditorClassOf<TDzShapeFillProperty>());
  RegisterPropertyEditor(TDzButtonLayout::StaticClass()->ClassTypeInfo(), nullptr, "",
                         PropertyEditorClassOf<TDzButtonLayoutProperty>());
  RegisterPropertyEditor(TDzLayout::StaticClass()->ClassTypeInfo(), nullptr, "",
                         PropertyEditorClassOf<TDzGlyphTextLayoutProperty>());
  RegisterPropertyEditor(TDzMemoStrings::StaticClass()->ClassTypeInfo(),
                         TDzCustomMemo::StaticClass(), "Lines",
                         PropertyEditorClassOf<TDzMemoLinesProperty>());
  RegisterPropertyEditor(TStrings::StaticClass()->ClassTypeInfo(), nullptr, "",
                         PropertyEditorClassOf<TDzStringListProperty>());
  RegisterPropertyEditor(str, nullptr, "Mask", PropertyEditorClassOf<TDzMaskProperty>());
  RegisterPropertyEditor(str, nullptr, "helpfile", PropertyEditorClassOf<TDzHelpFileProperty>());
  RegisterPropertyEditor(str, nullptr, "Hint", PropertyEditorClassOf<TDzHintProperty>());
  RegisterPropertyEditor(str, nullptr, "Hint", PropertyEditorClassOf<TDzLaterHintProperty>());
  RegisterPropertyEditor(str, TDzMemo::StaticClass(), "",
                         PropertyEditorClassOf<TDzMemoStringProperty>());
  RegisterPropertyEditor(str, TDzCustomMemo::StaticClass(), "",
                         PropertyEditorClassOf<TDzCustomMemoStringProperty>());
  RegisterPropertyEditor(str, nullptr, "", PropertyEditorClassOf<TDzStringProperty>());
}

struct TPropertyCase {
  TClass (*Component)();
  const char* Property;
  const char* Editor;
  const char* Why;
};

const TPropertyCase kPropertyCases[] = {
    {&TDzHolder::StaticClass, "Fill", "TDzFillObjectProperty", "exact type beats inherited class"},
    {&TDzHolder::StaticClass, "Background", "TDzShapeFillProperty", "the registered class itself"},
    {&TDzHolder::StaticClass, "Layout", "TDzButtonLayoutProperty", "exact type beats its ancestor"},
    {&TDzHolder::StaticClass, "Glyph", "TDzGlyphTextLayoutProperty",
     "a descendant's editor does not apply"},
    {&TDzMemo::StaticClass, "Lines", "TDzMemoLinesProperty", "name and filter beat none"},
    {&TDzCustomMemo::StaticClass, "Lines", "TDzMemoLinesProperty", "the filter class itself"},
    {&TDzHolder::StaticClass, "Lines", "TDzStringListProperty",
     "outside the filter: inherited class match"},
    {&TDzHolder::StaticClass, "Mask", "TDzMaskProperty", "a property name beats none"},
    {&TDzHolder::StaticClass, "HelpFile", "TDzHelpFileProperty", "names compare ignoring case"},
    {&TDzHolder::StaticClass, "Hint", "TDzLaterHintProperty", "full tie: the later registration"},
    {&TDzHolder::StaticClass, "Caption", "TDzStringProperty", "the type alone"},
    {&TDzMemo::StaticClass, "Caption", "TDzMemoStringProperty",
     "a more derived filter beats its ancestor"},
    {&TDzCustomMemo::StaticClass, "Caption", "TDzCustomMemoStringProperty", "a filter beats none"},
    {&TDzMemo::StaticClass, "Mask", "TDzMaskProperty", "a name beats a filter"},
    {&TButton::StaticClass, "Name", "TDzStringProperty", "framework classes too"},
    {&TButton::StaticClass, "Default", "TEnumProperty", "no registration: by kind"},
    {&TButton::StaticClass, "Font", "TClassProperty", "no registration: by kind"},
    {&TButton::StaticClass, "PopupMenu", "TComponentProperty", "a component reference"},
    {&TButton::StaticClass, "OnClick", "TMethodProperty", "an event"},
    {&TButton::StaticClass, "Anchors", "TSetProperty", "a set"},
    {&TButton::StaticClass, "TabOrder", "TIntegerProperty", "an integer"},
    {&TEdit::StaticClass, "Color", "TColorProperty", "a colour"},
    {&TEdit::StaticClass, "PasswordChar", "TCharProperty", "a character"},
};

TEST_F(RegistryTest, PropertyEditorsFollowTheMatchingAndPrecedenceRules) {
  Load(&RegisterPropertyEditors);
  for (const TPropertyCase& c : kPropertyCases) {
    const TPropInfo* prop = GetPropInfo(c.Component(), c.Property);
    ASSERT_NE(prop, nullptr) << c.Property;
    EXPECT_STREQ(FindPropertyEditorClass(prop, c.Component())->Name, c.Editor)
        << c.Component()->ClassName() << "." << c.Property << ": " << c.Why;
  }
}

TEST_F(RegistryTest, UnloadingAPackageDropsItsRegistrationsOnly) {
  RegisterPropertyEditor(TDzFill::StaticClass()->ClassTypeInfo(), nullptr, "Background",
                         PropertyEditorClassOf<TDzShapeFillProperty>());
  Load([] {
    RegisterPropertyEditors();
    RegisterComponents("Zeta", {TDzBack::StaticClass()});
    RegisterComponentEditor(TDzBack::StaticClass(), ComponentEditorClassOf<TDzFormFillEditor>());
  });
  UnloadDesignPackage("dztest");
  const TPropInfo* mask = GetPropInfo(TDzHolder::StaticClass(), "Mask");
  const TPropInfo* background = GetPropInfo(TDzHolder::StaticClass(), "Background");
  EXPECT_STREQ(FindPropertyEditorClass(mask, TDzHolder::StaticClass())->Name, "TStringProperty");
  EXPECT_STREQ(FindPropertyEditorClass(background, TDzHolder::StaticClass())->Name,
               "TDzShapeFillProperty");
  EXPECT_STREQ(FindComponentEditorClass(TDzBack::StaticClass())->Name, "TDefaultEditor");
  EXPECT_TRUE(PalettePages().empty());
  // Loaded again, it registers again (and the palette has no duplicate left over).
  Load([] { RegisterComponents("Zeta", {TDzBack::StaticClass()}); });
  EXPECT_EQ(Names(PaletteClasses("Zeta")), (std::vector<std::string>{"TDzBack"}));
}

TEST_F(RegistryTest, LoadingTwiceOrUnloadingUnknownIsAnError) {
  int runs = 0;
  Load([&] { ++runs; });
  EXPECT_EQ(ErrorOf<EPackageError>([&] { Load([&] { ++runs; }); }),
            "Package dztest is already loaded");
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(ErrorOf<EPackageError>([] { UnloadDesignPackage("nothing"); }),
            "Package nothing is not loaded");
}

TEST_F(RegistryTest, ARegistrationProcedureThatRaisesLeavesNothingAndPassesTheError) {
  EXPECT_EQ(ErrorOf<EComponentError>([&] {
              Load([] {
                RegisterComponents("Zeta", {TDzBack::StaticClass()});
                RegisterComponentEditor(TDzBack::StaticClass(),
                                        ComponentEditorClassOf<TDzFormFillEditor>());
                RegisterComponents("Zeta", {TDzBack::StaticClass()});
              });
            }),
            "Class TDzBack is already registered on the palette");
  EXPECT_FALSE(IsDesignPackageLoaded("dztest"));
  EXPECT_TRUE(PalettePages().empty());
  EXPECT_STREQ(FindComponentEditorClass(TDzBack::StaticClass())->Name, "TDefaultEditor");
}

}  // namespace
}  // namespace vcl::dztest
