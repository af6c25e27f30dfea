// A date edit shows a date in two forms: the fixed-width edit form while it has the focus, so
// that its fields can be selected and stepped, and the date format's display form otherwise.
// Pictures whose two forms differ show which one the edit keeps.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "edits/ZYLDateFormat.h"
#include "edits/ZYLMaskEdit.h"
#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Locale.h"
#include "tests/edits/EditTestHost.h"

namespace zyl {
namespace {

using edittest::THost;

struct TFormsCase {
  const char* Picture;
  const char* Display;  // 5 March 2004, a Friday
  const char* Edit;
};

void PrintTo(const TFormsCase& Case, std::ostream* Out) { *Out << Case.Picture; }

// The day and month numbers are padded on the right to two places, the names to the longest
// name of their kind (Wednesday, September); '/' stands for the locale's separator, '.' here.
const TFormsCase FormsCases[] = {
    {"d/m/yyyy", "5.3.2004", "5 .3 .2004"},
    {"dddd, mmmm d, yyyy", "Friday, March 5, 2004", "Friday   , March     5 , 2004"},
};

class DateEditForms : public ::testing::TestWithParam<TFormsCase> {
 protected:
  DateEditForms() {
    EXPECT_TRUE(win::SetLocaleInfoA(win::GetThreadLocale(), win::LOCALE_SDATE, "."));
    vcl::GetFormatSettings();
    edit_ = host_.Place<TZYLMaskEdit>("Date", 10, 10, 200);
    other_ = host_.Edit("Other", 10, 60);
    edit_->DateSettings()->SetFormatStr(GetParam().Picture);
    edit_->DateSettings()->SetFormat(dfCustom);
    edit_->SetMaskType(meDate);
  }
  vcl::TFormatSettingsScope locale_;
  THost host_;
  TZYLMaskEdit* edit_ = nullptr;
  TZYLEdit* other_ = nullptr;
};

TEST_P(DateEditForms, TheEditFormHoldsOnlyWhileFocused) {
  const TFormsCase& c = GetParam();
  const vcl::TDateTime date = vcl::EncodeDate(2004, 3, 5);
  THost::Focus(edit_);
  edit_->SetValue(date);
  EXPECT_EQ(edit_->RawText(), c.Edit);
  THost::Focus(other_);
  EXPECT_EQ(edit_->RawText(), c.Display);
  EXPECT_EQ(edit_->AsDate(), date);
  // Back in the field the edit form returns, with the field under the caret selected.
  THost::Focus(edit_);
  EXPECT_EQ(edit_->RawText(), c.Edit);
  EXPECT_GT(edit_->SelLength(), 0);
  THost::Focus(other_);
  EXPECT_EQ(edit_->RawText(), c.Display);
}

TEST_P(DateEditForms, AValueSetOutsideTheFieldShowsTheDisplayForm) {
  const TFormsCase& c = GetParam();
  THost::Focus(other_);
  edit_->SetValue(vcl::EncodeDate(2004, 3, 5));
  EXPECT_EQ(edit_->RawText(), c.Display);
  edit_->SetText(c.Display);
  EXPECT_EQ(edit_->RawText(), c.Display);
  THost::Focus(edit_);
  EXPECT_EQ(edit_->RawText(), c.Edit);
}

TEST_P(DateEditForms, AFormReadsItsDateIntoTheDisplayForm) {
  const TFormsCase& c = GetParam();
  THost::Focus(other_);
  edit_->SetValue(vcl::EncodeDate(2004, 3, 5));
  ZYLEditUnit.Init();
  ZYLMaskEditUnit.Init();
  vcl::TFinally done([] {
    ZYLMaskEditUnit.FInit();
    ZYLEditUnit.FInit();
  });
  const std::string bytes = vcl::WriteComponentToBytes(host_.Form());
  auto back = std::make_unique<vcl::TForm>(nullptr);
  vcl::ReadComponentFromBytes(bytes, back.get());
  auto* date = dynamic_cast<TZYLMaskEdit*>(back->FindComponent("Date"));
  ASSERT_NE(date, nullptr);
  EXPECT_EQ(date->RawText(), c.Display);
  EXPECT_EQ(date->AsDate(), vcl::EncodeDate(2004, 3, 5));
}

INSTANTIATE_TEST_SUITE_P(Pictures, DateEditForms, ::testing::ValuesIn(FormsCases),
                         [](const auto& info) { return std::to_string(info.index); });

}  // namespace
}  // namespace zyl
