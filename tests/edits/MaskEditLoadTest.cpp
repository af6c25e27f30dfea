// Float texts a form file brings from a locale with another decimal separator: on loading, a
// text that does not read as a number of this locale has its first character that is no digit
// turned into this locale's decimal separator. A thousand separator does not make such a text
// read: "1,5" is one and a half, not fifteen.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "edits/ZYLMaskEdit.h"
#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/controls/Forms.h"
#include "tests/edits/EditTestHost.h"
#include "tests/support/FormText.h"

namespace zyl {
namespace {

struct TLoadCase {
  const char* Name;
  const char* Properties;  // of the mask edit in the form file, one per line
  const char* Text;        // after loading, with the locale's '.' and ','
  double Value;
};

void PrintTo(const TLoadCase& Case, std::ostream* Out) { *Out << Case.Name; }

const TLoadCase LoadCases[] = {
    {"float", "MaskType = meFloat\nText = '1,5'\n", "1.5", 1.5},
    {"float_negative", "MaskType = meFloat\nText = '-2,25'\n", "-2.25", -2.25},
    {"float_suffix", "MaskType = meFloat\nSuffix = ' kg'\nText = '1,5 kg'\n", "1.5 kg", 1.5},
    {"float_fixed", "Decimals = 1\nMaskType = meFloatFixed\nText = '1,5'\n", "1.5", 1.5},
    {"float_number", "Decimals = 1\nMaskType = meFloatNumber\nText = '1,5'\n", "1.5", 1.5},
    // Texts of this locale stay: a number form with its groups, a plain float.
    {"number_groups", "Decimals = 2\nMaskType = meFloatNumber\nText = '1,234.50'\n", "1,234.50",
     1234.5},
    {"float_plain", "MaskType = meFloat\nText = '12.75'\n", "12.75", 12.75},
    // A separator in the last place is left alone.
    {"float_last", "MaskType = meFloat\nText = '15,'\n", "15,", 15},
};

class MaskEditLoad : public ::testing::TestWithParam<TLoadCase> {
 protected:
  edittest::THost host_;
};

TEST_P(MaskEditLoad, AFloatTextOfAnotherLocaleIsRepaired) {
  const TLoadCase& c = GetParam();
  const std::string form =
      std::string("object F: TForm\n  object M: TZYLMaskEdit\n") + c.Properties + "  end\nend\n";
  ZYLMaskEditUnit.Init();
  vcl::TFinally done([] { ZYLMaskEditUnit.FInit(); });
  auto f = testsupport::FormFromText(form);
  auto* m = dynamic_cast<TZYLMaskEdit*>(f->FindComponent("M"));
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->RawText(), c.Text);
  EXPECT_DOUBLE_EQ(m->AsFloat(), c.Value);
}

INSTANTIATE_TEST_SUITE_P(Texts, MaskEditLoad, ::testing::ValuesIn(LoadCases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace zyl
