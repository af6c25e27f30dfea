// The inspector's floating-point rows (dates and times among them) under a user's locale with a
// decimal comma, "." between thousands and day.month.year dates: every such row of every class
// the library registers shows its value in that locale's form and takes a value typed in it,
// and the form file the designer writes holds the value itself, so that the form opened under
// the point locale shows the same value in the point form.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "design/pZYLDsgnOptions.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/TypeInfo.h"
#include "platform/designer/DesignEditors.h"
#include "platform/designer/FormDesigner.h"
#include "platform/rtl/Locale.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "tests/design/PropertyEditorsSupport.h"
#include "tests/support/DesignerDrivers.h"

namespace zyl {
namespace {

namespace vt = vcl::testkit;
using win::testkit::TUserLocale;

const TUserLocale::TItems kDecimalComma = {
    {win::LOCALE_SDECIMAL, ","}, {win::LOCALE_STHOUSAND, "."},
    {win::LOCALE_SDATE, "."},    {win::LOCALE_SSHORTDATE, "dd.MM.yyyy"},
    {win::LOCALE_ITIME, "1"},    {win::LOCALE_ITLZERO, "1"},
};

// One floating-point row of the inspector: a property of a component of the class.
struct TFloatRow {
  vcl::TClass Class;
  std::string Property;
};

// A value with a fraction that a double holds exactly, beside the current one.
double WithFraction(double current) {
  return std::isfinite(current) ? std::floor(current) + 2.375 : 2.375;
}

// "2,375" for 2.375: the whole number and the fraction of a value with a fraction of three
// eighths written with the given separator.
std::string Written(double v, char separator) {
  const double whole = std::trunc(v);
  return std::to_string(static_cast<long long>(whole)) + separator + "375";
}

class InspectorLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    for (vcl::TClass c : package_.Classes()) {
      designtest::TInspectedForm form;
      vcl::TComponent* component = form.Add(c);
      for (const auto& editor : vcl::GetComponentProperties(form.Designer(), component)) {
        const vcl::TPropInfo* p = editor->GetPropInfo();
        if (p && p->Kind() == vcl::tkFloat && !editor->GetAttributes().contains(vcl::paReadOnly))
          rows_.push_back({c, editor->GetName()});
      }
    }
  }

  vt::TControlsSession session_;
  designtest::TPackageClasses package_;
  designtest::TPropertyEditorPackage editors_{ZYLEditorOptionsRegisterDefault};
  std::vector<TFloatRow> rows_;
};

TEST_F(InspectorLocale, FloatRowsShowAndTakeTheLocalFormAndWriteTheValueItself) {
  ASSERT_FALSE(rows_.empty());
  int checked = 0;
  for (const TFloatRow& r : rows_) {
    SCOPED_TRACE(r.Class->ClassName() + "." + r.Property);
    std::string bytes;
    double typed = 0;
    {
      TUserLocale locale(kDecimalComma);
      designtest::TInspectedForm form;
      vcl::TComponent* component = form.Add(r.Class);
      const vcl::TPropInfo* p = vcl::GetPropInfo(component, r.Property);
      const double value = WithFraction(vcl::GetFloatProp(component, p));
      vt::TInspectorDriver inspect(form.Designer(), {component}, r.Property);
      // What the component holds of the value given in code, shown in the comma form.
      vcl::SetFloatProp(component, p, value);
      const double held = vcl::GetFloatProp(component, p);
      if (held == value) {
        EXPECT_EQ(inspect.Value(), Written(value, ',')) << "shown in the locale's form";
      }
      // The same value typed in the comma form is taken.
      vcl::SetFloatProp(component, p, std::floor(value));
      try {
        inspect.SetValue(Written(value, ','));
      } catch (const vcl::Exception& e) {
        ADD_FAILURE() << "typed " << Written(value, ',') << ": " << e.ClassName() << ": "
                      << e.Message();
        continue;
      }
      typed = vcl::GetFloatProp(component, p);
      EXPECT_EQ(typed, held) << "typed as the locale writes it";
      bytes = vcl::WriteComponentToBytes(form.Form());
      EXPECT_EQ(vcl::ObjectBinaryToTextString(bytes).find(Written(value, ',')), std::string::npos)
          << "the form's text holds no comma form";
    }
    // Opened under the point locale, the row shows the same value in the point form.
    designtest::TInspectedForm form;
    vcl::ReadComponentFromBytes(bytes, form.Form());
    vcl::TComponent* component = nullptr;
    for (int i = 0; i < form.Form()->ComponentCount() && !component; ++i)
      if (form.Form()->Components(i)->ClassType() == r.Class)
        component = form.Form()->Components(i);
    ASSERT_NE(component, nullptr);
    EXPECT_EQ(vcl::GetFloatProp(component, vcl::GetPropInfo(component, r.Property)), typed);
    vt::TInspectorDriver inspect(form.Designer(), {component}, r.Property);
    if (typed == std::floor(typed) + 0.375) {
      EXPECT_EQ(inspect.Value(), Written(typed, '.'));
    }
    ++checked;
  }
  // The spin edits' values, limits and steps at least.
  EXPECT_GE(checked, 10);
  RecordProperty("rows", checked);
}

}  // namespace
}  // namespace zyl
