// The package's registration: ten palette pages in unit order with their components, every
// table row naming the class it is wired to, loading once per host (twice, or over a class some
// other package registered, is a clear error that leaves the first registration as it was),
// and the option word switching the optional property-editor groups.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "design/pZYLDsgnOptions.h"
#include "design/pZYLRegister.h"
#include "display/ZYLLabel.h"
#include "edits/ZYLListBox.h"
#include "edits/ZYLMemo.h"
#include "platform/base/Exceptions.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

// The pages as users find them on the palette: name and components in order.
const std::vector<std::pair<std::string, std::vector<std::string>>> kPages = {
    {"ZYL Sys",
     {"TZYLApplicationCtrl", "TZYLTimerPool", "TZYLIniCtrl", "TZYLMRUList", "TZYLOneInstance",
      "TZYLSysInfo", "TZYLHint", "TZYLShapeHint", "TZYLMessageHint", "TZYLFMDrop", "TZYLTrayIcon",
      "TZYLGlobalHotKey", "TZYLMousePositioner", "TZYLMouseFencer", "TZYLStopWatch"}},
    {"ZYL Cont",
     {"TZYLContainerCtrl", "TZYLBitmapList", "TZYLImageList", "TZYLImageListConnector",
      "TZYLStringList", "TZYLWaveComp", "TZYLWaveList"}},
    {"ZYL Dlg",
     {"TZYLAboutDlg", "TZYLBrowseDlg", "TZYLDirDlg", "TZYLTipDlg", "TZYLWindowListDlg",
      "TZYLMessageBoxDlg"}},
    {"ZYL Edit",
     {"TZYLEdit", "TZYLMemo", "TZYLMaskEdit", "TZYLSpinEdit", "TZYLBrowseEdit", "TZYLColorEdit",
      "TZYLFileOpenEdit", "TZYLFileSaveEdit"}},
    {"ZYL Ext",
     {"TZYLAssist", "TZYLTrackBar", "TZYLStatusBar", "TZYLButtonPanel", "TZYLScrollBox",
      "TZYLFormDisplay", "TZYLFormTabControl", "TZYLLImage", "TZYLNImage", "TZYLFill",
      "TZYLPanelFill", "TZYLShadowFill", "TZYLProgressFill", "TZYLTechnicalLine", "TZYLClock",
      "TZYLLEDLabel"}},
    {"ZYL Form", {"TZYLForm", "TZYLBack", "TZYLFormFill", "TZYLFormShadow", "TZYLFormStyler"}},
    {"ZYL List",
     {"TZYLListBox", "TZYLImageListBox", "TZYLComboBox", "TZYLImageComboBox", "TZYLColorComboBox",
      "TZYLFontComboBox", "TZYLFontSizeComboBox", "TZYLPrinterComboBox", "TZYLDriveComboBox"}},
    {"ZYL MM",
     {"TZYLLabelFill", "TZYLGraphicLabel", "TZYLScrollText", "TZYLMMButton", "TZYLShapeButton",
      "TZYL3DEffectButton", "TZYLHiTimer", "TZYLShapeControl", "TZYLRepeatedShape", "TZYLAniCtrl"}},
    {"ZYL Shell", {"TZYLStarter"}},
    {"ZYL Std", {"TZYLSimpleLabel",      "TZYLLabel",      "TZYLDockLabel",   "TZYLGlyphLabel",
                 "TZYLInformationLabel", "TZYLStaticText", "TZYLSpeedButton", "TZYLDockSpeedButton",
                 "TZYLButton",           "TZYLDockButton", "TZYLSimplePanel", "TZYLBackPanel",
                 "TZYLDrawEdge",         "TZYLProgress",   "TZYLGroupBox",    "TZYLCheckBox",
                 "TZYLRadioButton",      "TZYLRadioGroup", "TZYLCheckGroup",  "TZYLScrollBar"}}};

std::vector<std::string> Names(const std::vector<vcl::TClass>& Classes) {
  std::vector<std::string> names;
  for (vcl::TClass c : Classes) names.push_back(c->ClassName());
  return names;
}

// The classes of a page's table that the library has, in table order.
std::vector<std::string> BuiltNames(const TZYLRegUnit& Unit) {
  std::vector<std::string> names;
  for (const TZYLPaletteItem& item : Unit.Components)
    if (item.Class) names.emplace_back(item.ClassName);
  return names;
}

class Registration : public ::testing::Test {
 protected:
  ~Registration() override {
    for (const char* p : {ZYLDesignPackageName, "host"})
      if (vcl::IsDesignPackageLoaded(p)) vcl::UnloadDesignPackage(p);
  }
  // The palette pages this package added (a host may have its own).
  static std::vector<std::string> ZylPages() {
    std::vector<std::string> pages;
    for (const std::string& p : vcl::PalettePages())
      if (p.rfind("ZYL ", 0) == 0) pages.push_back(p);
    return pages;
  }
  testsupport::TempDir dir_;
  testsupport::TEnvGuard registry_{"ZYL_REGISTRY_DIR", dir_.File("registry")};
  win::testkit::TSession session_;
};

TEST_F(Registration, TheTablesHoldTenPagesInUnitOrderWith97Components) {
  const std::vector<TZYLRegUnit>& units = ZYLRegUnits();
  ASSERT_EQ(units.size(), 11u);
  std::vector<std::string> unitNames;
  for (const TZYLRegUnit& u : units) unitNames.push_back(u.Name);
  EXPECT_EQ(unitNames,
            (std::vector<std::string>{"_zyl_regsys", "_zyl_regcontainer", "_zyl_regdialogs",
                                      "_zyl_regeditcontrols", "_zyl_regext", "_zyl_regform",
                                      "_zyl_reglistcontrols", "_zyl_regmm",
                                      "_zyl_regpropertyeditors", "_zyl_regshell", "_zyl_regstd"}));
  size_t page = 0, total = 0, built = 0;
  for (const TZYLRegUnit& u : units) {
    if (!*u.Page) {
      EXPECT_TRUE(u.Components.empty()) << u.Name;
      continue;
    }
    ASSERT_LT(page, kPages.size());
    EXPECT_EQ(u.Page, kPages[page].first);
    std::vector<std::string> names;
    for (const TZYLPaletteItem& item : u.Components) {
      names.emplace_back(item.ClassName);
      // A table entry is wired to the class it names.
      if (item.Class) {
        EXPECT_EQ(item.Class()->ClassName(), item.ClassName);
        ++built;
      }
    }
    EXPECT_EQ(names, kPages[page].second) << u.Page;
    total += names.size();
    ++page;
  }
  EXPECT_EQ(page, 10u);
  EXPECT_EQ(total, 97u);
  // Every component of the palette is built.
  EXPECT_EQ(built, 97u);
}

TEST_F(Registration, EveryEditorRowNamesTheClassesItIsWiredTo) {
  int componentRows = 0, propertyRows = 0;
  for (const TZYLRegUnit& u : ZYLRegUnits())
    for (const TZYLRegRow& r : u.Rows) {
      // Every class and editor a row names is in the library.
      EXPECT_TRUE(ZYLRowStands(r)) << r.Target << " " << r.EditorName;
      if (r.Kind == TZYLRegRow::rkComponentEditor) {
        ++componentRows;
        if (r.Class) {
          EXPECT_EQ(r.Class()->ClassName(), r.Target);
        }
        if (r.ComponentEditor) {
          EXPECT_STREQ(r.ComponentEditor()->Name, r.EditorName);
        }
        continue;
      }
      ++propertyRows;
      if (*r.Filter) {
        ASSERT_TRUE(r.Class) << r.EditorName;
        EXPECT_EQ(r.Class()->ClassName(), r.Filter) << r.EditorName;
      }
      if (r.PropertyEditor) {
        EXPECT_STREQ(r.PropertyEditor()->Name, r.EditorName);
      }
      // Class and enumeration types carry the type's own name.
      const std::string type = r.Target;
      if (r.Type && type.rfind("TZYL", 0) == 0 && type != "TZYLDateTimeFormat") {
        EXPECT_EQ(r.Type()->Name(), type) << r.EditorName;
      }
    }
  // Component editors of every unit but the property editors' (which has the LED editor among
  // the extension unit's rows), and the four optional groups (nine rows), the 26 unconditional
  // property editors and the LED editor.
  EXPECT_EQ(componentRows, 3 + 6 + 3 + 2 + 14 + 4 + 6 + 4 + 1 + 12);
  EXPECT_EQ(propertyRows, 9 + 26 + 1);
  EXPECT_THROW(ZYLRegUnit("_zyl_regnone"), vcl::EComponentError);
}

TEST_F(Registration, LoadingPutsTheBuiltClassesOnTheirPagesInOrder) {
  ZYLLoadDesignPackage();
  ASSERT_TRUE(vcl::IsDesignPackageLoaded(ZYLDesignPackageName));
  std::vector<std::string> want;
  for (const auto& [page, classes] : kPages) want.push_back(page);
  EXPECT_EQ(ZylPages(), want);
  for (const TZYLRegUnit& u : ZYLRegUnits())
    if (*u.Page) {
      EXPECT_EQ(Names(vcl::PaletteClasses(u.Page)), BuiltNames(u)) << u.Page;
    }
  // Standing editor rows are what the registry gives their classes.
  for (const TZYLRegUnit& u : ZYLRegUnits())
    for (const TZYLRegRow& r : u.Rows)
      if (r.Kind == TZYLRegRow::rkComponentEditor && ZYLRowStands(r)) {
        EXPECT_EQ(vcl::FindComponentEditorClass(r.Class()), r.ComponentEditor()) << r.Target;
      }
  ZYLUnloadDesignPackage();
  EXPECT_TRUE(ZylPages().empty());
}

// Every property-editor row carries its editor class, and once the package is loaded the IDE's
// lookup for a property of the row's type, on the row's class filter and under the row's
// property name, gives that editor: the table is the one description of what is registered.
TEST_F(Registration, EveryStandingPropertyEditorRowIsWhatTheLookupGives) {
  ZYLLoadDesignPackage();
  int checked = 0;
  for (const TZYLRegUnit& u : ZYLRegUnits())
    for (const TZYLRegRow& r : u.Rows) {
      if (r.Kind != TZYLRegRow::rkPropertyEditor) continue;
      SCOPED_TRACE(std::string(r.EditorName) + " on " + r.Target);
      ASSERT_TRUE(ZYLRowStands(r));
      vcl::TPropInfo prop;
      prop.Name = *r.PropertyName ? r.PropertyName : "AnyName";
      prop.PropType = r.Type();
      const vcl::TClass owner = r.Class ? r.Class() : TZYLLabel::StaticClass();
      const vcl::TPropertyEditorClass found = vcl::FindPropertyEditorClass(&prop, owner);
      ASSERT_NE(found, nullptr);
      EXPECT_EQ(found, r.PropertyEditor());
      ++checked;
    }
  EXPECT_EQ(checked, 9 + 26 + 1);
}

TEST_F(Registration, LoadingTwiceIsAClearErrorAndKeepsTheFirstLoad) {
  ZYLLoadDesignPackage();
  const std::vector<std::string> pages = ZylPages();
  const std::vector<std::string> std = Names(vcl::PaletteClasses("ZYL Std"));
  EXPECT_EQ(testsupport::ErrorOf<vcl::EPackageError>([] { ZYLLoadDesignPackage(); }),
            std::string("Package ") + ZYLDesignPackageName + " is already loaded");
  EXPECT_TRUE(vcl::IsDesignPackageLoaded(ZYLDesignPackageName));
  EXPECT_EQ(ZylPages(), pages);
  EXPECT_EQ(Names(vcl::PaletteClasses("ZYL Std")), std);
  // A repeated Register procedure meets its own classes.
  EXPECT_EQ(testsupport::ErrorOf<vcl::EComponentError>([] { ZYLRegisterUnit("_zyl_regshell"); }),
            "Class TZYLStarter is already registered on the palette");
  EXPECT_EQ(Names(vcl::PaletteClasses("ZYL Shell")), std::vector<std::string>{"TZYLStarter"});
}

TEST_F(Registration, AClassAnotherPackageRegisteredStopsTheLoadAndStaysWithThatPackage) {
  vcl::LoadDesignPackage("host",
                         [] { vcl::RegisterComponents("Host", {TZYLLabel::StaticClass()}); });
  EXPECT_EQ(testsupport::ErrorOf<vcl::EComponentError>([] { ZYLLoadDesignPackage(); }),
            "Class TZYLLabel is already registered on the palette");
  EXPECT_FALSE(vcl::IsDesignPackageLoaded(ZYLDesignPackageName));
  EXPECT_TRUE(ZylPages().empty());
  EXPECT_EQ(Names(vcl::PaletteClasses("Host")), std::vector<std::string>{"TZYLLabel"});
  // Once the host lets go of the class, the package loads whole.
  vcl::UnloadDesignPackage("host");
  ZYLLoadDesignPackage();
  EXPECT_EQ(ZylPages().size(), 10u);
}

// The option word (none stored, or a value) and the optional editors it switches on.
struct TOptionCase {
  std::optional<int32_t> Stored;
  std::vector<std::string> Optional;
};

class RegistrationOptions : public Registration,
                            public ::testing::WithParamInterface<TOptionCase> {};

TEST_P(RegistrationOptions, TheOptionWordSwitchesTheOptionalEditorGroups) {
  const TOptionCase& c = GetParam();
  if (c.Stored) ZYLWriteEditorOptions(*c.Stored);
  const int32_t options = ZYLRegisterOptions();
  const TZYLRegUnit& unit = ZYLRegUnit("_zyl_regpropertyeditors");
  std::vector<std::string> optional, always;
  for (const TZYLRegRow* r : ZYLSelectedRows(unit, options)) {
    if (r->OptionBit) {
      EXPECT_TRUE(always.empty()) << "optional rows come first";
      optional.push_back(std::string(r->EditorName) + (*r->Filter ? ":" : "") + r->Filter);
    } else {
      always.push_back(r->EditorName);
    }
  }
  EXPECT_EQ(optional, c.Optional);
  ASSERT_EQ(always.size(), 26u);
  EXPECT_EQ(always.front(), "TZYLDateTimeFormatProperty");
  EXPECT_EQ(always[16], "TZYLMaskProperty");
  EXPECT_EQ(always.back(), "TZYLTeethProperty");
  // The LED editor of the extension unit does not depend on the option word.
  const std::vector<const TZYLRegRow*> ext = ZYLSelectedRows(ZYLRegUnit("_zyl_regext"), options);
  EXPECT_EQ(std::count_if(ext.begin(), ext.end(),
                          [](const TZYLRegRow* r) {
                            return std::string(r->EditorName) == "TZYLLEDProperty";
                          }),
            1);
  // Loading under the option word registers the pages whatever its value, and the optional
  // editors built so far exactly under their bits.
  ZYLLoadDesignPackage();
  EXPECT_EQ(ZylPages().size(), 10u);
  const auto editorOf = [](vcl::TClass Class, const char* Prop) -> std::string {
    const vcl::TPropInfo* info = vcl::GetPropInfo(Class, Prop);
    if (!info) return std::string("(no ") + Prop + ")";
    vcl::TPropertyEditorClass e = vcl::FindPropertyEditorClass(info, Class);
    const std::string name = e ? e->Name : "";
    return name.rfind("TZYL", 0) == 0 ? name : "(standard)";
  };
  const bool string = options & ZYLOptStringEditor, hint = options & ZYLOptHintEditor;
  EXPECT_EQ(editorOf(TZYLLabel::StaticClass(), "Name"),
            string ? "TZYLStringProperty" : "(standard)");
  EXPECT_EQ(editorOf(TZYLLabel::StaticClass(), "Hint"), hint     ? "TZYLHintProperty"
                                                        : string ? "TZYLStringProperty"
                                                                 : "(standard)");
  EXPECT_EQ(editorOf(vcl::TPanel::StaticClass(), "Caption"),
            // A caption is a type of its own: the String editor does not take it.
            options & ZYLOptCaptionEditor ? "TZYLStdCaptionProperty" : "(standard)");
  EXPECT_EQ(editorOf(TZYLListBox::StaticClass(), "Items"),
            options & ZYLOptStringListEditor ? "TZYLStringListProperty" : "(standard)");
  EXPECT_EQ(editorOf(TZYLMemo::StaticClass(), "Lines"), "TZYLMemoLinesProperty");
}

const std::vector<std::string> kStringLists = {
    "TZYLStringListProperty:TZYLCustomComponent", "TZYLStringListProperty:TZYLCustomControl",
    "TZYLStringListProperty:TZYLControl",         "TZYLStringListProperty:TZYLCustomComboBox",
    "TZYLStringListProperty:TZYLCustomListBox",   "TZYLStringListProperty:TZYLCustomScrollBox"};

std::vector<std::string> With(std::vector<std::string> Head, const std::vector<std::string>& Tail) {
  Head.insert(Head.end(), Tail.begin(), Tail.end());
  return Head;
}

INSTANTIATE_TEST_SUITE_P(
    Words, RegistrationOptions,
    ::testing::Values(
        TOptionCase{std::nullopt, With({"TZYLStringProperty", "TZYLHintProperty:TControl",
                                        "TZYLStdCaptionProperty"},
                                       kStringLists)},
        TOptionCase{0, {}},
        TOptionCase{7,
                    {"TZYLStringProperty", "TZYLHintProperty:TControl", "TZYLStdCaptionProperty"}},
        TOptionCase{1, {"TZYLStringProperty"}}, TOptionCase{2, {"TZYLHintProperty:TControl"}},
        TOptionCase{4, {"TZYLStdCaptionProperty"}}, TOptionCase{8, kStringLists},
        // Bits above the four switch nothing.
        TOptionCase{16 | 2, {"TZYLHintProperty:TControl"}}));

}  // namespace
}  // namespace zyl
