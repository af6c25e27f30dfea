// What the registration tables give each class and property once every editor they name
// stands: the tables' rows, each with a stand-in editor class of the row's editor name, are
// registered as a package, and the IDE's lookups must pick the editor the order and the
// precedence of the registrations give (the more specific class or property wins, the option
// word switches the optional groups).
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "buttons/ZYLAssist.h"
#include "buttons/ZYLButtonGroup.h"
#include "buttons/ZYLDockButton.h"
#include "buttons/ZYLMMButton.h"
#include "buttons/ZYLSpeedButton.h"
#include "design/pZYLDsgnOptions.h"
#include "design/pZYLRegister.h"
#include "display/ZYLClock.h"
#include "display/ZYLDockLabel.h"
#include "display/ZYLInformationLabel.h"
#include "display/ZYLLEDLabel.h"
#include "display/ZYLLabel.h"
#include "display/ZYLLabelFill.h"
#include "display/ZYLShapeControl.h"
#include "edits/ZYLEdit.h"
#include "edits/ZYLImageListBox.h"
#include "edits/ZYLListBox.h"
#include "edits/ZYLMaskEdit.h"
#include "edits/ZYLMemo.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLAboutDlg.h"
#include "system/ZYLApplicationCtrl.h"
#include "system/ZYLBack.h"
#include "system/ZYLHint.h"
#include "system/ZYLMessageHint.h"
#include "system/ZYLShapeHint.h"
#include "system/ZYLStarter.h"

namespace zyl {
namespace {

// Stand-in editor classes, one per table row, each named as the row's editor.
constexpr int kSlots = 128;
std::array<vcl::TPropertyEditorClassInfo, kSlots> gPropertyEditors;
std::array<vcl::TComponentEditorClassInfo, kSlots> gComponentEditors;

template <int I>
vcl::TPropertyEditorClass PropertyEditorAt() {
  return &gPropertyEditors[I];
}
template <int I>
vcl::TComponentEditorClass ComponentEditorAt() {
  return &gComponentEditors[I];
}
template <int... I>
constexpr auto PropertySlots(std::integer_sequence<int, I...>) {
  return std::array<vcl::TPropertyEditorClass (*)(), sizeof...(I)>{&PropertyEditorAt<I>...};
}
template <int... I>
constexpr auto ComponentSlots(std::integer_sequence<int, I...>) {
  return std::array<vcl::TComponentEditorClass (*)(), sizeof...(I)>{&ComponentEditorAt<I>...};
}
const auto kPropertySlots = PropertySlots(std::make_integer_sequence<int, kSlots>());
const auto kComponentSlots = ComponentSlots(std::make_integer_sequence<int, kSlots>());

// Every unit's rows in unit order, each with its stand-in editor, as one table.
TZYLRegUnit WithStandIns() {
  TZYLRegUnit all{"stand-ins", "", {}, {}};
  int slot = 0;
  for (const TZYLRegUnit& u : ZYLRegUnits())
    for (TZYLRegRow r : u.Rows) {
      if (slot >= kSlots) throw std::logic_error("more rows than stand-in editors");
      if (r.Kind == TZYLRegRow::rkComponentEditor) {
        gComponentEditors[size_t(slot)] = {
            r.EditorName, [](vcl::TComponent* c, vcl::IFormDesigner* d) {
              return std::unique_ptr<vcl::TComponentEditor>(new vcl::TDefaultEditor(c, d));
            }};
        r.ComponentEditor = kComponentSlots[size_t(slot)];
      } else {
        gPropertyEditors[size_t(slot)] = {
            r.EditorName, [](vcl::IFormDesigner* d, const std::vector<vcl::TPersistent*>& c,
                             const vcl::TPropInfo* p) {
              return std::unique_ptr<vcl::TPropertyEditor>(new vcl::TStringProperty(d, c, p));
            }};
        r.PropertyEditor = kPropertySlots[size_t(slot)];
      }
      all.Rows.push_back(r);
      ++slot;
    }
  return all;
}

class RegistrationPrecedence : public ::testing::Test {
 protected:
  ~RegistrationPrecedence() override {
    if (vcl::IsDesignPackageLoaded("stand-ins")) vcl::UnloadDesignPackage("stand-ins");
  }
  void Load(int32_t Options) {
    const TZYLRegUnit all = WithStandIns();
    vcl::LoadDesignPackage("stand-ins", [&] { ZYLRegisterTable(all, Options); });
  }
  static std::string ComponentEditorOf(vcl::TClass Class) {
    vcl::TComponentEditorClass e = vcl::FindComponentEditorClass(Class);
    return e ? e->Name : "(none)";
  }
  static std::string PropertyEditorOf(vcl::TClass Class, const std::string& Prop) {
    const vcl::TPropInfo* info = vcl::GetPropInfo(Class, Prop);
    if (!info) return "(no property " + Prop + ")";
    vcl::TPropertyEditorClass e = vcl::FindPropertyEditorClass(info, Class);
    return e ? e->Name : "(none)";
  }
  win::testkit::TSession session_;
};

TEST_F(RegistrationPrecedence, EachClassGetsTheEditorOfItsNearestRegisteredAncestor) {
  Load(ZYLEditorOptionsRegisterDefault);
  const std::pair<vcl::TClass, const char*> cases[] = {
      // A more specific registration wins over its ancestor's.
      {TZYLListBox::StaticClass(), "TZYLListBoxComponentEditor"},
      {TZYLImageListBox::StaticClass(), "TZYLImageListBoxComponentEditor"},
      {TZYLMemo::StaticClass(), "TZYLMemoComponentEditor"},
      {TZYLEdit::StaticClass(), "TZYLEditComponentEditor"},
      {TZYLInformationLabel::StaticClass(), "TZYLInfoLabelComponentEditor"},
      {TZYLHint::StaticClass(), "TZYLHintComponentEditor"},
      // The wizard page shares the wizard's editor.
      {TZYLAssistPage::StaticClass(), "TZYLAssistComponentEditor"},
      {TZYLAssist::StaticClass(), "TZYLAssistComponentEditor"},
      // Through an ancestor.
      {TZYLBack::StaticClass(), "TZYLFormFillComponentEditor"},
      {TZYLMessageHint::StaticClass(), "TZYLShapeHintComponentEditor"},
      {TZYLShapeHint::StaticClass(), "TZYLShapeHintComponentEditor"},
      {TZYLLEDLabel::StaticClass(), "TZYLLEDLabelComponentEditor"},
      {TZYLDockLabel::StaticClass(), "TZYLLabelComponentEditor"},
      {TZYLLabel::StaticClass(), "TZYLLabelComponentEditor"},
      {TZYLSpeedButton::StaticClass(), "TZYLBaseGraphicButtonComponentEditor"},
      {TZYLMMButton::StaticClass(), "TZYLBaseGraphicButtonComponentEditor"},
      {TZYLDockButton::StaticClass(), "TZYLCustomButtonComponentEditor"},
      {TZYLRadioGroup::StaticClass(), "TZYLCustomButtonGroupComponentEditor"},
      {TZYLShapeControl::StaticClass(), "TZYLCustomShapeComponentEditor"},
      {TZYLLabelFill::StaticClass(), "TZYLLabelFillComponentEditor"},
      {TZYLAboutDlg::StaticClass(), "TZYLDlgEditor"},
      {TZYLStarter::StaticClass(), "TZYLStarterEditor"}};
  for (const auto& [cls, editor] : cases)
    EXPECT_EQ(ComponentEditorOf(cls), editor) << cls->ClassName();
}

// Which editor a property gets under an option word.
struct TPropertyCase {
  int32_t Options;
  vcl::TClass Class;
  const char* Property;
  const char* Editor;  // "" for none of the package's editors
};

TEST_F(RegistrationPrecedence, NamedPropertiesAndDerivedTypesBeatTheGeneralEditors) {
  const TPropertyCase cases[] = {
      // A property name beats the String editor of any string.
      {15, TZYLMaskEdit::StaticClass(), "Mask", "TZYLMaskProperty"},
      {15, TZYLApplicationCtrl::StaticClass(), "HelpFile", "TZYLHelpFileNameProperty"},
      {15, TZYLLabel::StaticClass(), "Hint", "TZYLHintProperty"},
      {15, TZYLInformationLabel::StaticClass(), "DateTimeFormat", "TZYLDateTimeFormatProperty"},
      {15, TZYLLabel::StaticClass(), "Name", "TZYLStringProperty"},
      // The memo's lines over the string-list editor of the control classes.
      {15, TZYLMemo::StaticClass(), "Lines", "TZYLMemoLinesProperty"},
      {15, TZYLListBox::StaticClass(), "Items", "TZYLStringListProperty"},
      // A derived type's own editor over its ancestor's.
      {15, TZYLSpeedButton::StaticClass(), "ButtonLayout", "TZYLButtonLayoutProperty"},
      {15, TZYLClock::StaticClass(), "FillObject", "TZYLFillObjectProperty"},
      {15, TZYLLabel::StaticClass(), "About", "TZYLAboutVarProperty"},
      {15, TZYLLEDLabel::StaticClass(), "LED", "TZYLLEDProperty"},
      // Without the optional groups the general string and string-list editors are gone...
      {0, TZYLLabel::StaticClass(), "Name", ""},
      {0, TZYLLabel::StaticClass(), "Hint", ""},
      {0, TZYLListBox::StaticClass(), "Items", ""},
      // ...and the named and typed editors stay.
      {0, TZYLMaskEdit::StaticClass(), "Mask", "TZYLMaskProperty"},
      {0, TZYLMemo::StaticClass(), "Lines", "TZYLMemoLinesProperty"},
      {0, TZYLLEDLabel::StaticClass(), "LED", "TZYLLEDProperty"},
      // One bit at a time.
      {2, TZYLLabel::StaticClass(), "Hint", "TZYLHintProperty"},
      {2, TZYLLabel::StaticClass(), "Name", ""},
      {1, TZYLLabel::StaticClass(), "Hint", "TZYLStringProperty"},
      {8, TZYLListBox::StaticClass(), "Items", "TZYLStringListProperty"},
      {7, TZYLListBox::StaticClass(), "Items", ""},
  };
  for (const TPropertyCase& c : cases) {
    Load(c.Options);
    const std::string got = PropertyEditorOf(c.Class, c.Property);
    // Without the package's editor the stand-in's own standard editor applies.
    if (*c.Editor)
      EXPECT_EQ(got, c.Editor) << c.Class->ClassName() << "." << c.Property << " under "
                               << c.Options;
    else
      EXPECT_EQ(got.rfind("TZYL", 0), std::string::npos)
          << c.Class->ClassName() << "." << c.Property << " under " << c.Options << " got " << got;
    vcl::UnloadDesignPackage("stand-ins");
  }
}

TEST_F(RegistrationPrecedence, RowsWithoutTheirClassOrEditorAreLeftOut) {
  TZYLRegRow row = ZYLRegUnit("_zyl_regstd").Rows.back();
  EXPECT_STREQ(row.EditorName, "TZYLScrollBarComponentEditor");
  row.ComponentEditor = nullptr;  // as a row whose editor is not built yet
  EXPECT_FALSE(ZYLRowStands(row)) << "no editor yet";
  row.ComponentEditor = kComponentSlots[0];
  EXPECT_TRUE(ZYLRowStands(row));
  row.Class = nullptr;
  EXPECT_FALSE(ZYLRowStands(row)) << "no class";
  TZYLRegRow prop = ZYLRegUnit("_zyl_regpropertyeditors").Rows.front();
  prop.PropertyEditor = kPropertySlots[0];
  EXPECT_TRUE(ZYLRowStands(prop));
  prop.Type = nullptr;
  EXPECT_FALSE(ZYLRowStands(prop)) << "no type";
  TZYLRegRow filtered = ZYLRegUnit("_zyl_regpropertyeditors").Rows[1];
  filtered.PropertyEditor = kPropertySlots[1];
  EXPECT_TRUE(ZYLRowStands(filtered));
  filtered.Class = nullptr;
  EXPECT_FALSE(ZYLRowStands(filtered)) << "a filter naming a class the library lacks";
}

}  // namespace
}  // namespace zyl
