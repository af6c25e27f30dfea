// The mask edit's values and checks: the number routines in every base, the mask language and
// its conversion from the framework's edit masks, the typed getters and setters with their
// errors, the range checked on leaving the field, the required positions of a mask, and the
// values that travel through a form stream.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <tuple>

#include "edits/ZYLDateFormat.h"
#include "edits/ZYLMaskEdit.h"
#include "foundation/ZYLClass.h"
#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FloatFormat.h"
#include "tests/edits/EditTestHost.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"

namespace zyl {
namespace {

using edittest::THost;
using testsupport::ErrorOf;

std::string Num(double V) { return vcl::FloatToStr(V); }

TEST(MaskNumbers, WholeNumbersInEveryBase) {
  testsupport::ExpectCases({
      {std::to_string(ZYLGetDecimalValue(16, "-FF")), "-255"},
      {std::to_string(ZYLGetDecimalValue(16, "ff")), "255"},
      {std::to_string(ZYLGetDecimalValue(2, "101")), "5"},
      {std::to_string(ZYLGetDecimalValue(36, "ZZ")), "1295"},
      {std::to_string(ZYLGetDecimalValue(16, "")), "0"},
      {std::to_string(ZYLGetDecimalValue(16, "-")), "0"},
      {std::to_string(ZYLGetDecimalValue(16, "7FFFFFFFFFFFFFFF")), "9223372036854775807"},
      {std::to_string(ZYLGetDecimalValue(16, "-8000000000000000")), "-9223372036854775808"},
      {ZYLGetBaseString(2, 5), "101"},
      {ZYLGetBaseString(7, 0), "0"},
      {ZYLGetBaseString(36, -1295), "-ZZ"},
      {ZYLGetBaseString(16, INT64_MIN), "-8000000000000000"},
      {ZYLGetBaseString(10, INT64_MAX), "9223372036854775807"},
  });
  for (int base = 2; base <= 36; ++base)
    for (int64_t v : {int64_t{0}, int64_t{-1}, int64_t{123456789}, INT64_MIN, INT64_MAX})
      EXPECT_EQ(ZYLGetDecimalValue(base, ZYLGetBaseString(base, v)), v) << base;
}

TEST(MaskNumbers, ADigitOutsideTheBaseOrBeyondSixtyFourBitsIsAnError) {
  testsupport::ExpectCases({
      {ErrorOf<vcl::EConvertError>([] { ZYLGetDecimalValue(16, "1Z"); }),
       "'1Z' is not a valid integer value"},
      {ErrorOf<vcl::EConvertError>([] { ZYLGetDecimalValue(2, "12"); }),
       "'12' is not a valid integer value"},
      {ErrorOf<vcl::EConvertError>([] { ZYLGetDecimalValue(16, "8000000000000000"); }),
       "'8000000000000000' is not a valid integer value"},
      {ErrorOf<vcl::EConvertError>([] { ZYLGetDecimalValue(2, std::string(70, '1')); }),
       "'" + std::string(70, '1') + "' is not a valid integer value"},
      {ErrorOf<vcl::EConvertError>([] { ZYLGetDecimalFloatValue(8, "1.9"); }),
       "'1.9' is not a valid floating point value"},
  });
}

TEST(MaskNumbers, FloatsInABaseReadAndWriteTheSameValue) {
  testsupport::ExpectCases({
      {Num(ZYLGetDecimalFloatValue(2, "-0.1")), "-0.5"},
      {Num(ZYLGetDecimalFloatValue(16, "A.8")), "10.5"},
      {Num(ZYLGetDecimalFloatValue(16, "-.4")), "-0.25"},
      {Num(ZYLGetDecimalFloatValue(10, "")), "0"},
      {Num(ZYLGetDecimalFloatValue(10, "-")), "0"},
      {Num(ZYLGetDecimalFloatValue(10, "-1.25")), "-1.25"},
      {ZYLGetBaseFloatString(16, 10.5, true), "A.8"},
      {ZYLGetBaseFloatString(16, 10.5, false), "A"},
      {ZYLGetBaseFloatString(2, -0.75, true), "-0.11"},
      {ZYLGetBaseFloatString(10, 2.5, true), "2.5"},
      {ZYLGetBaseFloatString(10, 2.5, false), "2"},
      {Num(ZYLIntPower(2, 10)), "1024"},
      {Num(ZYLIntPower(3, 0)), "1"},
      {ZYLClearTS("1,234,567.5"), "1234567.5"},
  });
  for (int base : {2, 4, 8, 16, 32})
    for (double v : {0.5, -3.25, 100.125, 7.0})
      EXPECT_EQ(ZYLGetDecimalFloatValue(base, ZYLGetBaseFloatString(base, v, true)), v) << base;
}

TEST(MaskLanguage, FrameworkMasksBecomeMasksOfThisLanguage) {
  testsupport::ExpectCases({
      {convertVCLMask2ZYLMask("!>LL;1;_"), "\\!AA"},
      {convertVCLMask2ZYLMask("00/00"), "00\\/00"},
      {convertVCLMask2ZYLMask("<ll<>l"), "aab"},
      {convertVCLMask2ZYLMask("#9Aa Cc"), "v8cc\\ bb"},
      {convertVCLMask2ZYLMask("\\A_:x"), "\\A\\ \\:\\x"},
      {convertVCLMask2ZYLMask("0\\"), "0\\\\"},
      {convertVCLMask2ZYLMask(""), ""},
  });
}

struct ClassCase {
  const char* Mask;
  int Position;
  const char* Accepted;  // of the characters tried below
};

class MaskClasses : public ::testing::TestWithParam<ClassCase> {
 protected:
  THost host_;
};

TEST_P(MaskClasses, EachPositionAcceptsItsClass) {
  const ClassCase& c = GetParam();
  auto* e = host_.Place<TZYLMaskEdit>("Mask1", 10, 10);
  e->SetMask(c.Mask);
  std::string accepted;
  for (char ch : std::string("aZ05 +-x(")) {
    if (e->RealCharAllowedAt(c.Position, ch)) accepted += ch;
  }
  EXPECT_EQ(accepted, c.Accepted);
  // The blank character clears a position of the template only.
  EXPECT_EQ(e->CharAllowedAt(c.Position, '_'),
            c.Position <= static_cast<int>(e->literalChars().size()));
}

INSTANTIATE_TEST_SUITE_P(
    Classes, MaskClasses,
    ::testing::Values(ClassCase{"0", 1, "05"}, ClassCase{"00a", 3, "ax"}, ClassCase{"A", 1, "Z"},
                      ClassCase{"b", 1, "aZx"}, ClassCase{"9", 1, "5"}, ClassCase{"c", 1, "aZ05x"},
                      ClassCase{"v", 1, "+-"}, ClassCase{"1", 1, "0"}, ClassCase{"8", 1, "05 "},
                      ClassCase{"#", 1, "05+-"}, ClassCase{"*", 1, "5+-"}, ClassCase{"\\(", 1, "("},
                      ClassCase{"0x", 2, "05"}, ClassCase{"x", 1, ""}, ClassCase{"!\\(0", 1, "("},
                      ClassCase{"r", 1, ""}, ClassCase{"0", 2, ""}));

TEST(MaskLanguage, TheUserRuleDecidesItsPositions) {
  THost host;
  auto* e = host.Place<TZYLMaskEdit>("Mask1", 10, 10);
  struct TRule : vcl::TObject {
    std::string Seen;
    void Rule(vcl::TObject*, bool& Ok, char C, int At) {
      Seen += std::string(1, C) + std::to_string(At);
      Ok = C == 'x';
    }
  } rule;
  e->SetOnUserRule(TZYLOnUserRule(&rule, &TRule::Rule));
  e->SetMask("0r");
  EXPECT_TRUE(e->RealCharAllowedAt(2, 'x'));
  EXPECT_FALSE(e->RealCharAllowedAt(2, 'y'));
  EXPECT_EQ(rule.Seen, "x2y2");
}

TEST(MaskLanguage, TemplatesChecksAndRequiredPositions) {
  THost host;
  auto* e = host.Place<TZYLMaskEdit>("Mask1", 10, 10);
  e->SetMask("!0!0\\-!\\x0");
  EXPECT_EQ(e->literalChars(), "__-x_");
  EXPECT_EQ(e->RawText(), "__-x_");
  EXPECT_TRUE(e->isLiteral(3));
  EXPECT_EQ(e->getCharAt(4), 'x');
  EXPECT_FALSE(e->isLiteral(5));
  testsupport::ExpectCases({
      {std::to_string(e->NeededEntered("12-x_")), "0"},
      {std::to_string(e->NeededEntered("1_-x5")), "2"},
      {std::to_string(e->NeededEntered("12-y5")), "4"},
      {std::to_string(e->NeededEntered("1")), "2"},
      {std::to_string(e->checkText("12-x5")), "1"},
      {std::to_string(e->checkText("1")), "1"},
      {std::to_string(e->checkText("12-x55")), "0"},
      {std::to_string(e->checkText("a")), "0"},
  });
}

TEST(MaskLanguage, AMaskThatDoesNotParseIsRefusedAndTheOldOneStays) {
  THost host;
  auto* e = host.Place<TZYLMaskEdit>("Mask1", 10, 10);
  e->SetMask("00");
  testsupport::ExpectCases({
      {ErrorOf<vcl::EConvertError>([&] { e->SetMask("0\\"); }), "'0\\' is not a valid mask"},
      {ErrorOf<vcl::EConvertError>([&] { e->SetMask("0!"); }), "'0!' is not a valid mask"},
      {ErrorOf<vcl::EConvertError>([&] { e->SetMask("!\\"); }), "'!\\' is not a valid mask"},
      {e->Mask(), "00"},
      {e->RawText(), "__"},
  });
}

// ---- Values ----

class MaskValues : public ::testing::Test {
 protected:
  MaskValues() {
    edit_ = host_.Place<TZYLMaskEdit>("Mask1", 10, 10, 200);
    other_ = host_.Edit("Other", 10, 60);
  }
  THost host_;
  TZYLMaskEdit* edit_ = nullptr;
  TZYLEdit* other_ = nullptr;
};

TEST_F(MaskValues, GettersOfAnotherKindRaise) {
  edit_->SetMaskType(meFloat);
  testsupport::ExpectCases({
      {ErrorOf<EZYLWrongDataType>([&] { edit_->AsInteger(); }), "No integer entered"},
      {ErrorOf<EZYLWrongDataType>([&] { edit_->AsInt64(); }), "No integer entered"},
      {ErrorOf<EZYLWrongDataType>([&] { edit_->AsCardinal(); }), "No word entered"},
      {ErrorOf<EZYLWrongDataType>([&] { edit_->AsDate(); }), "No date entered"},
      {ErrorOf<EZYLWrongDataType>([&] { edit_->AsTime(); }), "No time entered"},
  });
  edit_->SetMaskType(meInteger);
  EXPECT_EQ(ErrorOf<EZYLWrongDataType>([&] { edit_->AsFloat(); }), "No float entered");
  edit_->SetText("");
  EXPECT_EQ(edit_->AsInteger(), 0);
  // A value beyond 32 bits is an error, not a number cut short.
  edit_->SetText("4294967296");
  EXPECT_EQ(edit_->AsInt64(), 4294967296);
  EXPECT_EQ(ErrorOf<vcl::EConvertError>([&] { edit_->AsInteger(); }),
            "'4294967296' is not a valid integer value");
}

TEST_F(MaskValues, SwitchingTheKindSetsItsStartingText) {
  const double today = vcl::Date();
  struct Case {
    TZYLMaskType Kind;
    const char* Text;
  };
  edit_->SetDecimals(2);
  for (const Case& c :
       {Case{meInteger, "0"}, Case{meFloatFixed, "0.00"}, Case{meFloatNumber, "0.00"},
        Case{meCurrency, "$0.00"}, Case{meWord, "0"}, Case{meFloat, "0"}}) {
    edit_->SetMaskType(c.Kind);
    EXPECT_EQ(edit_->RawText(), c.Text) << c.Kind;
  }
  edit_->SetMaskType(meDate);
  EXPECT_EQ(edit_->AsDate(), today);
  EXPECT_FALSE(edit_->MouseSelectionAllowed());
  edit_->SetMaskType(meMask);
  edit_->SetText("5:61 PM");
  edit_->SetMaskType(meTime);  // a text that is no time becomes the current time
  EXPECT_EQ(edit_->RawText(), vcl::TimeToStr(vcl::Time()));
}

TEST_F(MaskValues, ValuesAreWrittenInTheKindsForm) {
  struct Case {
    TZYLMaskType Kind;
    int Base;
    double Value;
    const char* Text;
  };
  edit_->SetDecimals(2);
  for (const Case& c : {Case{meInteger, 10, -12.9, "-12"}, Case{meInteger, 16, 255, "FF"},
                        Case{meWord, 2, -5, "101"}, Case{meFloat, 16, 10.5, "A.8"},
                        Case{meFloatFixed, 10, 3.14159, "3.14"},
                        Case{meFloatNumber, 10, 1234567.891, "1,234,567.89"},
                        Case{meCurrency, 10, -1234.5, "($1,234.50)"},
                        Case{meInteger, 10, 1e300, "9223372036854775807"}}) {
    edit_->SetMaskType(c.Kind);
    edit_->SetNumberBase(c.Base);
    edit_->SetValue(c.Value);
    EXPECT_EQ(edit_->RawText(), c.Text) << c.Kind;
  }
  // The base stays 10 in the kinds laid out by the locale.
  edit_->SetMaskType(meCurrency);
  edit_->SetNumberBase(16);
  EXPECT_EQ(edit_->NumberBase(), 10);
  edit_->SetMaskType(meInteger);
  edit_->SetNumberBase(37);
  edit_->SetNumberBase(1);
  EXPECT_EQ(edit_->NumberBase(), 10);
  edit_->SetMaskType(meDate);
  EXPECT_EQ(ErrorOf<vcl::EConvertError>([&] { edit_->SetValue(1e12); }),
            "Invalid argument to date encode");
}

TEST_F(MaskValues, TheRangeLimitsBothWays) {
  edit_->SetMinValue(10);
  edit_->SetMaxValue(5);
  EXPECT_EQ(edit_->MinValue(), 5);
  EXPECT_EQ(edit_->MaxValue(), 5);
  edit_->SetMinValue(8);
  EXPECT_EQ(edit_->MaxValue(), 8);
}

TEST_F(MaskValues, LeavingTheFieldLimitsTheValueOnlyWithCheckRange) {
  struct TRange : vcl::TObject {
    std::string Log;
    void Hit(vcl::TObject*, double Lower, double Upper, double& Value) {
      Log += std::to_string(int(Lower)) + ".." + std::to_string(int(Upper)) + ":" +
             std::to_string(int(Value)) + " ";
    }
  } range;
  edit_->SetMaskType(meInteger);
  edit_->SetMinValue(0);
  edit_->SetMaxValue(100);
  edit_->SetText("150");
  THost::Focus(edit_);
  THost::Focus(other_);
  EXPECT_EQ(edit_->RawText(), "150");
  edit_->SetCheckRange(true);
  edit_->SetOnRangeError(TZYLOnRangeError(&range, &TRange::Hit));
  for (const auto& [kind, text, want] :
       {std::tuple{meInteger, "150", "100"}, std::tuple{meInteger, "-3", "0"},
        std::tuple{meWord, "250", "100"}, std::tuple{meFloat, "-0.5", "0"},
        std::tuple{meCurrency, "$300.00", "$100.00"}, std::tuple{meInteger, "-", ""}}) {
    edit_->SetMaskType(kind);
    edit_->SetText(text);
    THost::Focus(edit_);
    THost::Focus(other_);
    EXPECT_EQ(edit_->RawText(), want) << text;
  }
  EXPECT_EQ(range.Log, "0..100:150 0..100:-3 0..100:250 0..100:0 0..100:300 ");
}

TEST_F(MaskValues, ARequiredPositionLeftEmptyKeepsTheFocus) {
  edit_->SetMask("!0!0");
  THost::Focus(edit_);
  edit_->SetText("1_");
  THost::Focus(other_);
  EXPECT_TRUE(edit_->Focused());
  EXPECT_EQ(edit_->SelStart(), 2);
  EXPECT_EQ(edit_->SelLength(), 1);
  edit_->SetMask("!00");
  edit_->SetText("1_");
  THost::Focus(other_);
  EXPECT_TRUE(other_->Focused());
}

TEST_F(MaskValues, ATimeThatIsNoneIsReportedAndKeepsTheFocus) {
  edit_->SetOnValidationError(vcl::TNotifyEvent(&host_.Events(), &edittest::TRecorder::Event));
  edit_->SetMaskType(meTime);
  THost::Focus(edit_);
  host_.Events().Take();
  edit_->SetText("25:99");
  host_.Events().Take();
  THost::Focus(other_);
  EXPECT_EQ(host_.Events().Take(), "event");
  EXPECT_TRUE(edit_->Focused());
  edit_->SetText("10:15");
  host_.Events().Take();
  THost::Focus(other_);
  EXPECT_EQ(host_.Events().Take(), "");
  EXPECT_TRUE(other_->Focused());
}

// ---- Form streams ----

std::unique_ptr<vcl::TForm> RoundTrip(vcl::TForm* Form) {
  ZYLEditUnit.Init();
  ZYLMaskEditUnit.Init();
  vcl::TFinally done([] {
    ZYLMaskEditUnit.FInit();
    ZYLEditUnit.FInit();
  });
  const std::string bytes = vcl::WriteComponentToBytes(Form);
  auto back = std::make_unique<vcl::TForm>(nullptr);
  vcl::ReadComponentFromBytes(bytes, back.get());
  return back;
}

TEST_F(MaskValues, DatesTravelAsValuesAndMaskTextsSurviveLoading) {
  edit_->DateSettings()->SetFormatStr("YYYY-MM-DD");
  edit_->DateSettings()->SetFormat(dfCustom);
  edit_->SetMaskType(meDate);
  edit_->SetValue(vcl::EncodeDate(2023, 7, 9));
  auto* second = host_.Place<TZYLMaskEdit>("Mask2", 10, 100);
  second->SetMask("\\(00\\)");
  second->SetText("(42)");
  auto* third = host_.Place<TZYLMaskEdit>("Mask3", 10, 130);
  third->SetMaskType(meFloat);
  third->SetNumberBase(16);
  third->SetValue(10.5);
  auto back = RoundTrip(host_.Form());
  auto* date = static_cast<TZYLMaskEdit*>(back->FindComponent("Mask1"));
  auto* mask = static_cast<TZYLMaskEdit*>(back->FindComponent("Mask2"));
  auto* hex = static_cast<TZYLMaskEdit*>(back->FindComponent("Mask3"));
  ASSERT_TRUE(date && mask && hex);
  EXPECT_EQ(date->RawText(), "2023-07-09");
  EXPECT_EQ(date->AsDate(), vcl::EncodeDate(2023, 7, 9));
  EXPECT_EQ(mask->RawText(), "(42)");
  EXPECT_EQ(hex->RawText(), "A.8");
  EXPECT_EQ(hex->AsFloat(), 10.5);
  const vcl::TPropInfo* text = vcl::FindPropInfo(date, "Text");
  EXPECT_FALSE(vcl::IsStoredProp(date, text));
  EXPECT_TRUE(vcl::IsStoredProp(mask, text));
}

}  // namespace
}  // namespace zyl
