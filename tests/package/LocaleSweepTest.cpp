// Forms and input under another user's locale, over every registered class (the framework's and
// the library's package's):
// - a form file does not depend on the locale: every published floating-point property (dates,
//   times and currency too) and every value a typed edit keeps in its form file, given a value
//   with a fraction under one locale and written, reads back as the same value under another,
//   the form file as written and through its text form, every way between three locales;
// - what the user sees and types follows the locale in force: the typed edits show their values
//   with its separators and names and take values typed in its form, also after the locale
//   changed while they live; the spin edits step the fraction behind its separator; the clock,
//   the stop watch, the framework's date picker and calendar write their texts with it.
// Where a class writes a fixed form whatever the locale, FixedForms() names it with the reason;
// the table fails when a class it names no longer shows what it says.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "display/ZYLClock.h"
#include "display/ZYLInformationLabel.h"
#include "display/ZYLLED.h"
#include "display/ZYLLEDLabel.h"
#include "edits/ZYLCustomExtSpinEdit.h"
#include "edits/ZYLCustomMaskEdit.h"
#include "edits/ZYLDateFormat.h"
#include "edits/ZYLMaskEdit.h"
#include "foundation/ZYLDateTime.h"
#include "platform/classes/Component.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/DateCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/rtl/Locale.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLStopWatch.h"
#include "tests/package/InputSteps.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/support/ErrorOf.h"

namespace {

using packagetest::Path;
using packagetest::Walk;
using win::testkit::TUserLocale;

constexpr char kNoError[] = "<no error>";

// A user's locale: its name in the traces and the items that differ from the layer's own.
struct TLocale {
  const char* Name;
  TUserLocale::TItems Items;
};

TUserLocale::TItems DayAndMonthNames(const std::vector<std::string>& days,
                                     const std::vector<std::string>& months) {
  TUserLocale::TItems items;
  for (int i = 0; i < 7; ++i) {
    items.emplace_back(win::LOCALE_SDAYNAME1 + i, days[i]);
    items.emplace_back(win::LOCALE_SABBREVDAYNAME1 + i, days[i].substr(0, 2));
  }
  for (int i = 0; i < 12; ++i) {
    items.emplace_back(win::LOCALE_SMONTHNAME1 + i, months[i]);
    items.emplace_back(win::LOCALE_SABBREVMONTHNAME1 + i, months[i].substr(0, 3));
  }
  return items;
}

TUserLocale::TItems Joined(TUserLocale::TItems a, const TUserLocale::TItems& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The layer's own locale (English, United States): a decimal point, "," between thousands,
// month-day-year dates, 12-hour times.
const TLocale kPointLocale{"decimal point", {}};

// A decimal comma, "." between thousands, day.month.year dates, 24-hour times, other names, the
// week starting on Monday, the currency symbol behind the amount.
const TLocale kCommaLocale{
    "decimal comma",
    Joined({{win::LOCALE_SDECIMAL, ","},
            {win::LOCALE_STHOUSAND, "."},
            {win::LOCALE_SMONDECIMALSEP, ","},
            {win::LOCALE_SMONTHOUSANDSEP, "."},
            {win::LOCALE_SCURRENCY, "DM"},
            {win::LOCALE_ICURRENCY, "3"},
            {win::LOCALE_INEGCURR, "8"},
            {win::LOCALE_SDATE, "."},
            {win::LOCALE_SSHORTDATE, "dd.MM.yyyy"},
            {win::LOCALE_SLONGDATE, "dddd, d. MMMM yyyy"},
            {win::LOCALE_STIME, ":"},
            {win::LOCALE_ITIME, "1"},
            {win::LOCALE_ITLZERO, "1"},
            {win::LOCALE_S1159, ""},
            {win::LOCALE_S2359, ""},
            {win::LOCALE_SLIST, ";"},
            {win::LOCALE_IFIRSTDAYOFWEEK, "0"}},
           DayAndMonthNames(
               {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"},
               {"Januar", "Februar", "M\xE4rz", "April", "Mai", "Juni", "Juli", "August",
                "September", "Oktober", "November", "Dezember"}))};

// A decimal comma, a space between thousands, year-month-day dates with "-", 24-hour times
// with ".", other names again.
const TLocale kSpaceLocale{
    "space groups", Joined({{win::LOCALE_SDECIMAL, ","},
                            {win::LOCALE_STHOUSAND, " "},
                            {win::LOCALE_SMONDECIMALSEP, ","},
                            {win::LOCALE_SMONTHOUSANDSEP, " "},
                            {win::LOCALE_SCURRENCY, "kr"},
                            {win::LOCALE_ICURRENCY, "3"},
                            {win::LOCALE_INEGCURR, "8"},
                            {win::LOCALE_SDATE, "-"},
                            {win::LOCALE_SSHORTDATE, "yyyy-MM-dd"},
                            {win::LOCALE_SLONGDATE, "d MMMM yyyy"},
                            {win::LOCALE_STIME, "."},
                            {win::LOCALE_ITIME, "1"},
                            {win::LOCALE_ITLZERO, "1"},
                            {win::LOCALE_S1159, ""},
                            {win::LOCALE_S2359, ""},
                            {win::LOCALE_SLIST, ";"},
                            {win::LOCALE_IFIRSTDAYOFWEEK, "0"}},
                           DayAndMonthNames({"maanantai", "tiistai", "keskiviikko", "torstai",
                                             "perjantai", "lauantai", "sunnuntai"},
                                            {"tammikuu", "helmikuu", "maaliskuu", "huhtikuu",
                                             "toukokuu", "kes\xE4kuu", "hein\xE4kuu", "elokuu",
                                             "syyskuu", "lokakuu", "marraskuu", "joulukuu"}))};

const TLocale* const kLocales[] = {&kPointLocale, &kCommaLocale, &kSpaceLocale};

// The place of a locale in kLocales.
size_t IndexOf(const TLocale* locale) {
  return static_cast<size_t>(std::find(std::begin(kLocales), std::end(kLocales), locale) -
                             std::begin(kLocales));
}

// A text under each of the three locales, in kLocales' order.
using TPerLocale = std::array<const char*, 3>;

// Friday, March 5th, 2004, 13:30.
constexpr double kFriday = 38051.5625;

// Every ordered pair of two locales: the locale a form is written under and the one it is read
// under.
std::vector<std::pair<const TLocale*, const TLocale*>> LocalePairs() {
  std::vector<std::pair<const TLocale*, const TLocale*>> pairs;
  for (const TLocale* a : kLocales)
    for (const TLocale* b : kLocales)
      if (a != b) pairs.emplace_back(a, b);
  return pairs;
}

// A form file written under one locale, as written and through its text form (the text made
// under the locale it was written in, read back into a form file under the other).
struct TWrittenForm {
  std::string Bytes;
  std::string Text;
};

// Reads a form file of the class under the locale in force; the component read, or nullptr
// with a failure.
vcl::TComponent* ReadUnder(vcl::TClass cls, const std::string& bytes,
                           std::unique_ptr<vcl::TCustomForm>& root) {
  root = packagetest::NewRoot(cls);
  const std::string error =
      testsupport::ErrorOf<vcl::Exception>([&] { vcl::ReadComponentFromBytes(bytes, root.get()); });
  EXPECT_EQ(error, kNoError) << "a form written under another locale reads";
  if (error != kNoError) return nullptr;
  return packagetest::ReadComponent(cls, root.get());
}

// Writes a new component of the class under locale `from` (`set` applied at the path, `kept`
// reading what it holds) and reads it under locale `to`, as written and through its text form;
// `check` is given each component read. False when the class refused the value.
bool AcrossLocales(const TLocale& from, const TLocale& to, vcl::TClass cls, const Path& where,
                   const packagetest::TSetValue& set,
                   const std::function<void(vcl::TComponent*)>& kept,
                   const std::function<void(vcl::TComponent*)>& check) {
  SCOPED_TRACE(std::string("written under ") + from.Name + ", read under " + to.Name);
  TWrittenForm written;
  {
    TUserLocale locale(from.Items);
    written.Bytes = packagetest::FormWith(cls, where, set, kept);
    if (written.Bytes.empty()) return false;
    written.Text = vcl::ObjectBinaryToTextString(written.Bytes);
  }
  TUserLocale locale(to.Items);
  std::string fromText;
  EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>(
                [&] { fromText = vcl::ObjectTextToBinaryString(written.Text); }),
            kNoError)
      << "the text form written under one locale reads under another";
  for (const std::string* file : {&written.Bytes, &fromText}) {
    SCOPED_TRACE(file == &written.Bytes ? "as written" : "through text");
    std::unique_ptr<vcl::TCustomForm> root;
    vcl::TComponent* component = ReadUnder(cls, *file, root);
    if (component) check(component);
  }
  return true;
}

// A value with a fraction that a double holds exactly, beside the current one.
double WithFraction(double current) {
  return std::isfinite(current) ? std::floor(current) + 2.375 : 2.375;
}

using LocaleSweep = packagetest::TPackageFixture<>;

// The guard the sweep stands on: the user's locale and FormatSettings are another's for its
// lifetime, names included, and come back after it; an item the locale lacks is refused.
TEST_F(LocaleSweep, TheUserLocaleGuardSetsTheLocaleAndGivesItBack) {
  {
    TUserLocale comma(kCommaLocale.Items);
    EXPECT_EQ(vcl::FormatSettings.DecimalSeparator, ',');
    EXPECT_EQ(vcl::FormatSettings.ThousandSeparator, '.');
    EXPECT_EQ(vcl::FormatSettings.ShortDateFormat, "dd.MM.yyyy");
    EXPECT_EQ(vcl::FormatSettings.LongTimeFormat, "hh:mm:ss");
    EXPECT_EQ(vcl::FormatSettings.LongMonthNames[3], "M\xE4rz");
    EXPECT_EQ(vcl::FormatSettings.ShortDayNames[6], "Fr");  // day 6 is Friday
    EXPECT_EQ(vcl::GetLocaleStr(win::GetThreadLocale(), win::LOCALE_IFIRSTDAYOFWEEK, ""), "0");
    {
      TUserLocale space(kSpaceLocale.Items);
      EXPECT_EQ(vcl::FormatSettings.ThousandSeparator, ' ');
    }
    EXPECT_EQ(vcl::FormatSettings.ThousandSeparator, '.');
  }
  EXPECT_EQ(vcl::FormatSettings.DecimalSeparator, '.');
  EXPECT_EQ(vcl::FormatSettings.LongMonthNames[3], "March");
  EXPECT_EQ(vcl::GetLocaleStr(win::GetThreadLocale(), win::LOCALE_IFIRSTDAYOFWEEK, ""), "6");
  EXPECT_THROW(TUserLocale({{0x7777, "x"}}), vcl::Exception);
  EXPECT_EQ(vcl::FormatSettings.DecimalSeparator, '.');
}

TEST_F(LocaleSweep, EveryPublishedFloatReadsTheSameUnderAnotherLocale) {
  vcl::testkit::TDialogScript noAnswers;
  int values = 0, fractions = 0;
  for (vcl::TClass cls : packagetest::ComponentClasses()) {
    const std::vector<Path> paths = packagetest::PropertyPathsOf(
        cls,
        [](vcl::TObject*, const vcl::TPropInfo* p) {
          return p->Kind() == vcl::tkFloat && p->IsWritable();
        },
        true);
    for (const Path& where : paths) {
      SCOPED_TRACE(cls->ClassName() + "." + packagetest::Text(where));
      for (const auto& [from, to] : LocalePairs()) {
        double written = 0;
        const auto read = [&where](vcl::TComponent* c) {
          vcl::TObject* target = Walk(c, where);
          return vcl::GetFloatProp(target, vcl::FindPropInfo(target, where.back()));
        };
        values += AcrossLocales(
            *from, *to, cls, where,
            [](vcl::TObject* t, const vcl::TPropInfo* p) {
              vcl::SetFloatProp(t, p, WithFraction(vcl::GetFloatProp(t, p)));
            },
            [&](vcl::TComponent* c) {
              written = read(c);
              fractions += written != std::floor(written);
            },
            [&](vcl::TComponent* c) { EXPECT_EQ(read(c), written); });
      }
    }
  }
  EXPECT_GT(values, 0);
  EXPECT_GT(fractions, 0) << "some values written hold a fraction";
  RecordProperty("values", values);
}

// ---- The typed edits ------------------------------------------------------------------------

// A kind of value a typed edit keeps: the kind's name (a MaskType of the mask edits, an
// EditType of the spin edits), the value given, its text under each of the three locales (in
// kLocales' order) with Decimals at 2, what a user types for it there (the thousand separators
// and the currency symbol left out, a date field by field in the order of the locale's short
// date form, where '>' stands for the Right key) and what the edit shows once the user has left
// it.
struct TTypedKind {
  const char* Kind;
  double Value;
  const char* Shown[3];
  const char* Typed[3];
  const char* AfterTyping[3];
};

// A float in the platform's general form, the fixed and the number forms with two digits, a
// currency amount laid out by the locale's currency format, a date in the locale's short date
// form, a time in its long time form (13:30, March 5th, 2004 being day 38051). A time edit takes
// digits and the time separator only, so the afternoon is typed in the 24-hour form under a
// 12-hour locale too, and leaving the edit checks the text without writing it again. The date
// separator typed in a year field is swallowed, so a user leaves a year that comes first with
// the Right key.
const TTypedKind kMaskKinds[] = {
    {"meFloat",
     1234.5,
     {"1234.5", "1234,5", "1234,5"},
     {"1234.5", "1234,5", "1234,5"},
     {"1234.5", "1234,5", "1234,5"}},
    {"meFloatFixed",
     1234.25,
     {"1234.25", "1234,25", "1234,25"},
     {"1234.25", "1234,25", "1234,25"},
     {"1234.25", "1234,25", "1234,25"}},
    {"meFloatNumber",
     1234.25,
     {"1,234.25", "1.234,25", "1 234,25"},
     {"1234.25", "1234,25", "1234,25"},
     {"1,234.25", "1.234,25", "1 234,25"}},
    {"meCurrency",
     1234.5,
     {"$1,234.50", "1.234,50 DM", "1 234,50 kr"},
     {"1234.50", "1234,50", "1234,50"},
     {"$1,234.50", "1.234,50 DM", "1 234,50 kr"}},
    {"meDate",
     38051,
     {"3/5/2004", "05.03.2004", "2004-03-05"},
     {"3/5/2004", "05.03.2004", "2004>03-05"},
     {"3/5/2004", "05.03.2004", "2004-03-05"}},
    {"meTime",
     0.5625,
     {"1:30:00 PM", "13:30:00", "13.30.00"},
     {"13:30:00", "13:30:00", "13.30.00"},
     {"13:30:00", "13:30:00", "13.30.00"}},
};
// The spin edits' float types show and take their values as the mask edit's first four kinds.
std::vector<TTypedKind> SpinKinds() {
  std::vector<TTypedKind> kinds(std::begin(kMaskKinds), std::begin(kMaskKinds) + 4);
  const char* const names[] = {"ntFloat", "ntFloatFixed", "ntFloatNumber", "ntCurrency"};
  for (size_t i = 0; i < kinds.size(); ++i) kinds[i].Kind = names[i];
  return kinds;
}

// The typed edits' kinds with their properties.
std::vector<std::pair<const char*, std::vector<TTypedKind>>> TypedKinds() {
  return {{"MaskType", std::vector<TTypedKind>(std::begin(kMaskKinds), std::end(kMaskKinds))},
          {"EditType", SpinKinds()}};
}

bool IsMaskEdit(vcl::TClass cls) {
  return cls->InheritsFrom(zyl::TZYLCustomMaskEdit::StaticClass());
}

// The registered typed edits that publish the property naming their kind.
std::vector<vcl::TClass> TypedEdits(const char* kindProperty) {
  std::vector<vcl::TClass> classes;
  for (vcl::TClass cls : packagetest::ComponentClasses()) {
    if (!IsMaskEdit(cls)) continue;
    if (vcl::GetPropInfo(cls, kindProperty)) classes.push_back(cls);
  }
  return classes;
}

// The value the edit holds in the form of its kind.
double ValueOf(zyl::TZYLCustomMaskEdit* edit) {
  switch (edit->MaskType()) {
    case zyl::meCurrency: return edit->AsCurrency().ToDouble();
    case zyl::meDate: return edit->AsDate();
    case zyl::meTime: return edit->AsTime();
    default: return edit->AsFloat();
  }
}

// Gives a typed edit the kind and the value (two digits behind the separator).
void GiveKind(vcl::TComponent* c, const char* kindProperty, const TTypedKind& kind) {
  auto* edit = static_cast<zyl::TZYLCustomMaskEdit*>(c);
  vcl::SetEnumProp(c, kindProperty, kind.Kind);
  edit->SetDecimals(2);
  if (auto* spin = dynamic_cast<zyl::TZYLCustomExtSpinEdit*>(c)) {
    spin->SetMaxValue(1e6);
    spin->SetSpinValue(kind.Value);
  } else {
    edit->SetValue(kind.Value);
  }
}

TEST_F(LocaleSweep, EveryTypedEditsValueReadsTheSameUnderAnotherLocale) {
  int values = 0;
  for (const auto& [property, kinds] : TypedKinds()) {
    const char* const kindProperty = property;  // lambdas below take it (not a binding)
    const std::vector<vcl::TClass> classes = TypedEdits(kindProperty);
    EXPECT_FALSE(classes.empty()) << kindProperty;
    for (vcl::TClass cls : classes) {
      for (const TTypedKind& kind : kinds) {
        SCOPED_TRACE(cls->ClassName() + " " + kind.Kind);
        for (const auto& pair : LocalePairs()) {
          const auto* to = pair.second;
          EXPECT_TRUE(AcrossLocales(
              *pair.first, *to, cls, {"Name"}, [](vcl::TObject*, const vcl::TPropInfo*) {},
              [&](vcl::TComponent* c) {
                GiveKind(c, kindProperty, kind);
                EXPECT_DOUBLE_EQ(ValueOf(static_cast<zyl::TZYLCustomMaskEdit*>(c)), kind.Value)
                    << "before writing";
              },
              [&](vcl::TComponent* c) {
                auto* edit = static_cast<zyl::TZYLCustomMaskEdit*>(c);
                EXPECT_EQ(vcl::GetEnumProp(c, kindProperty), kind.Kind);
                double got = 0;
                EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { got = ValueOf(edit); }),
                          kNoError)
                    << "text read: \"" << edit->Text() << "\"";
                EXPECT_DOUBLE_EQ(got, kind.Value) << "text read: \"" << edit->Text() << "\"";
                EXPECT_EQ(edit->Text(), kind.Shown[IndexOf(to)])
                    << "shown in the reading locale's form";
              }));
          ++values;
        }
      }
    }
  }
  RecordProperty("values", values);
}

// Types the text into the focused control, '>' as the Right key.
void TypeKeys(const std::string& keys) {
  for (char c : keys) {
    if (c == '>')
      win::testkit::KeyPress(win::VK_RIGHT);
    else
      win::testkit::TypeText(std::string(1, c));
  }
  win::testkit::RunUntilIdle();
}

// A date edit showing the locale's long date form (names of days and months) reads the date
// written under another locale and shows it in the reading locale's long form.
TEST_F(LocaleSweep, EveryDateEditsLongFormReadsTheSameDateUnderAnotherLocale) {
  const TPerLocale shown = {"Friday, March 05, 2004", "Freitag, 5. M\xE4rz 2004",
                            "5 maaliskuu 2004"};
  int values = 0;
  for (vcl::TClass cls : TypedEdits("MaskType")) {
    SCOPED_TRACE(cls->ClassName());
    for (const auto& [from, to] : LocalePairs()) {
      values += AcrossLocales(
          *from, *to, cls, {"Name"}, [](vcl::TObject*, const vcl::TPropInfo*) {},
          [](vcl::TComponent* c) {
            auto* edit = static_cast<zyl::TZYLCustomMaskEdit*>(c);
            edit->SetMaskType(zyl::meDate);
            edit->DateSettings()->SetFormat(zyl::dfLongSystem);
            edit->SetValue(std::floor(kFriday));
          },
          [&, to = to](vcl::TComponent* c) {
            auto* edit = static_cast<zyl::TZYLCustomMaskEdit*>(c);
            double got = 0;
            EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { got = edit->AsDate(); }), kNoError)
                << edit->Text();
            EXPECT_EQ(got, std::floor(kFriday)) << edit->Text();
            EXPECT_EQ(edit->Text(), shown[IndexOf(to)]);
          });
    }
  }
  EXPECT_GT(values, 0);
}

// A typed edit of the class made under the locale at `made` in kLocales, the user's locale then
// changed to the one at `typed` (the same one, or another while the edit lives); the user types
// the value in that locale's form and leaves the edit, which then holds the value and shows it
// in that form.
void TypeAndCheck(vcl::TClass cls, const char* kindProperty, const TTypedKind& kind, size_t made,
                  size_t typed) {
  SCOPED_TRACE(cls->ClassName() + " " + kind.Kind + " made under " + kLocales[made]->Name +
               ", typed under " + kLocales[typed]->Name);
  std::unique_ptr<TUserLocale> locale = std::make_unique<TUserLocale>(kLocales[made]->Items);
  packagetest::TInputStage stage(cls, packagetest::TMade::InCode);
  auto* edit = static_cast<zyl::TZYLCustomMaskEdit*>(stage.Component());
  GiveKind(edit, kindProperty, TTypedKind{kind.Kind, 1, {}, {}, {}});
  if (typed != made) {
    locale.reset();
    locale = std::make_unique<TUserLocale>(kLocales[typed]->Items);
  }
  edit->SetFocus();
  win::testkit::RunUntilIdle();
  // A date edit selects its first field on taking the focus.
  if (edit->MaskType() != zyl::meDate) edit->SelectAll();
  const std::string keys = kind.Typed[typed];
  TypeKeys(keys);
  stage.Other()->SetFocus();
  win::testkit::RunUntilIdle();
  double got = 0;
  EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { got = ValueOf(edit); }), kNoError)
      << "typed \"" << keys << "\", shows \"" << edit->Text() << "\"";
  EXPECT_DOUBLE_EQ(got, kind.Value) << "typed \"" << keys << "\", shows \"" << edit->Text() << "\"";
  EXPECT_EQ(edit->Text(), kind.AfterTyping[typed]) << "typed \"" << keys << "\"";
}

TEST_F(LocaleSweep, EveryTypedEditTakesAValueTypedInTheLocalesForm) {
  vcl::testkit::TDialogScript noAnswers;
  int values = 0;
  for (const auto& [kindProperty, kinds] : TypedKinds())
    for (vcl::TClass cls : TypedEdits(kindProperty))
      for (const TTypedKind& kind : kinds)
        for (size_t at = 0; at < std::size(kLocales); ++at, ++values)
          TypeAndCheck(cls, kindProperty, kind, at, at);
  RecordProperty("values", values);
}

// The currency layout is the locale's of the moment the edit was made or read from its form
// (FixedForms()); the other kinds follow a locale changed while the edit lives.
bool FollowsALocaleChange(const TTypedKind& kind) {
  return !std::string(kind.Kind).ends_with("Currency");
}

TEST_F(LocaleSweep, EveryTypedEditFollowsALocaleChangedWhileItLives) {
  vcl::testkit::TDialogScript noAnswers;
  int values = 0;
  for (const auto& [kindProperty, kinds] : TypedKinds())
    for (vcl::TClass cls : TypedEdits(kindProperty))
      for (const TTypedKind& kind : kinds)
        for (const auto& [from, to] : LocalePairs()) {
          if (!FollowsALocaleChange(kind)) continue;
          TypeAndCheck(cls, kindProperty, kind, IndexOf(from), IndexOf(to));
          ++values;
        }
  RecordProperty("values", values);
}

// A float spin edit showing 1.5 steps the fraction with the caret behind the locale's separator,
// the whole number with the caret in front of it; the texts use that separator.
TEST_F(LocaleSweep, EverySpinEditStepsTheFractionBehindTheLocalesSeparator) {
  struct TStep {
    int Caret;
    const char* Texts[3];  // after Up, under kLocales' locales in their order
  };
  const TStep steps[] = {{4, {"1.6", "1,6", "1,6"}}, {1, {"2.5", "2,5", "2,5"}}};
  int values = 0;
  for (vcl::TClass cls : TypedEdits("EditType")) {
    for (const TStep& step : steps) {
      for (size_t at = 0; at < std::size(kLocales); ++at, ++values) {
        SCOPED_TRACE(cls->ClassName() + " under " + kLocales[at]->Name + ", caret at " +
                     std::to_string(step.Caret));
        TUserLocale locale(kLocales[at]->Items);
        packagetest::TInputStage stage(cls, packagetest::TMade::InCode);
        auto* spin = static_cast<zyl::TZYLCustomExtSpinEdit*>(stage.Component());
        vcl::SetEnumProp(spin, "EditType", "ntFloat");
        spin->SetSpinValue(1.5);
        spin->SetFocus();
        win::testkit::RunUntilIdle();
        spin->SetCaretPos(step.Caret);
        win::testkit::KeyPress(win::VK_UP);
        win::testkit::RunUntilIdle();
        EXPECT_EQ(spin->Text(), step.Texts[at]);
      }
    }
  }
  EXPECT_GT(values, 0);
}

// ---- What the display classes write ----------------------------------------------------------

// The clock's digital text by mode: the time by the internal format "hh:nn:ss" (":" standing for
// the locale's time separator) with " a/p" behind it unless co24Hour, the date as the short day
// name and the short date form.
struct TClockText {
  zyl::TZYLClockMode Mode;
  bool TwentyFourHours;
  TPerLocale Text;
};
const TClockText kClockTexts[] = {
    {zyl::cmNormal, true, {"13:30:00", "13:30:00", "13.30.00"}},
    {zyl::cmNormal, false, {"01:30:00 p", "01:30:00 p", "01.30.00 p"}},
    {zyl::cmDate, true, {"Fri 3/5/2004", "Fr 05.03.2004", "pe 2004-03-05"}},
};

TEST_F(LocaleSweep, TheClockWritesItsTextInTheLocalesForm) {
  vcl::TForm form(nullptr);
  auto* clock = new zyl::TZYLClock(&form);
  clock->SetParent(&form);
  clock->FixedTime()->SetValue(kFriday);
  for (const TClockText& t : kClockTexts) {
    for (size_t at = 0; at < std::size(kLocales); ++at) {
      SCOPED_TRACE(std::string(kLocales[at]->Name) + (t.TwentyFourHours ? ", 24 hours" : ""));
      TUserLocale locale(kLocales[at]->Items);
      zyl::TZYLClockOptions options{zyl::coShowDigital, zyl::coFixed};
      if (t.TwentyFourHours) options = options + zyl::co24Hour;
      clock->SetClockOptions(options);
      clock->SetMode(t.Mode);
      EXPECT_EQ(clock->GetDigitalText(), t.Text[at]);
    }
  }
}

// The stop watch shows the time measured in the control's caption in the locale's number form
// with two digits.
TEST_F(LocaleSweep, TheStopWatchShowsTheTimeInTheLocalesNumberForm) {
  const TPerLocale shown = {"Time: 1,234.50", "Time: 1.234,50", "Time: 1 234,50"};
  for (size_t at = 0; at < std::size(kLocales); ++at) {
    SCOPED_TRACE(kLocales[at]->Name);
    TUserLocale locale(kLocales[at]->Items);
    zyl::TZYLStopWatch watch(nullptr);
    vcl::TButton button(nullptr);
    watch.SetControl(&button);
    watch.Start();
    session_.Clock().Advance(1234500);
    watch.Stop();
    EXPECT_EQ(button.Caption(), shown[at]);
  }
}

// The framework's date picker shows its fields in the locale's forms; its calendar starts the
// week on the locale's first day.
TEST_F(LocaleSweep, TheDatePickerAndTheCalendarFollowTheLocale) {
  const TPerLocale shortDate = {"3/5/2004", "05.03.2004", "2004-03-05"};
  const TPerLocale longDate = {"Friday, March 05, 2004", "Freitag, 5. M\xE4rz 2004",
                               "5 maaliskuu 2004"};
  const TPerLocale time = {"1:30:00 PM", "13:30:00", "13.30.00"};
  // Sunday, February 29th, or Monday, March 1st.
  const double firstShown[3] = {38046, 38047, 38047};
  for (size_t at = 0; at < std::size(kLocales); ++at) {
    SCOPED_TRACE(kLocales[at]->Name);
    TUserLocale locale(kLocales[at]->Items);
    vcl::TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto* picker = new vcl::TDateTimePicker(&form);
    picker->SetParent(&form);
    picker->SetDateTime(kFriday);
    EXPECT_EQ(picker->Text(), shortDate[at]);
    picker->SetDateFormat(vcl::dfLong);
    EXPECT_EQ(picker->Text(), longDate[at]);
    picker->SetKind(vcl::dtkTime);
    EXPECT_EQ(picker->Text(), time[at]);
    auto* calendar = new vcl::TMonthCalendar(&form);
    calendar->SetParent(&form);
    calendar->SetDate(std::floor(kFriday));
    EXPECT_EQ(calendar->FirstShownDay(), firstShown[at]);
  }
}

// ---- Forms that stay as they are whatever the locale --------------------------------------------

// A text or a layout that a class's description fixes whatever the locale in force, and the
// check that the class still shows it (a check that fails means the entry has gone stale).
struct TFixedForm {
  const char* Class;
  const char* What;
  const char* Reason;
  std::function<bool()> StillHolds;
};

// A mask edit of the kind on a shown form, focused, under the locale in force.
struct TFocusedMaskEdit {
  explicit TFocusedMaskEdit(zyl::TZYLMaskType kind)
      : stage(zyl::TZYLMaskEdit::StaticClass(), packagetest::TMade::InCode),
        edit(static_cast<zyl::TZYLCustomMaskEdit*>(stage.Component())) {
    edit->SetMaskType(kind);
    edit->SetDecimals(2);
    edit->SetFocus();
    win::testkit::RunUntilIdle();
  }
  // Types the keys and leaves the edit.
  void TypeAndLeave(const std::string& keys) {
    TypeKeys(keys);
    stage.Other()->SetFocus();
    win::testkit::RunUntilIdle();
  }
  packagetest::TInputStage stage;
  zyl::TZYLCustomMaskEdit* edit;
};

const std::vector<TFixedForm>& FixedForms() {
  static const std::vector<TFixedForm> forms = {
      {"TZYLMaskEdit", "the currency layout",
       "the currency settings load the locale's layout when the edit is made or read from its "
       "form (and follow a later change only then), so an amount keeps that layout",
       [] {
         std::unique_ptr<TUserLocale> point = std::make_unique<TUserLocale>(kPointLocale.Items);
         TFocusedMaskEdit m(zyl::meCurrency);
         point.reset();
         TUserLocale comma(kCommaLocale.Items);
         m.edit->SetValue(1234.5);
         return m.edit->Text() == "$1,234.50";
       }},
      {"TZYLMaskEdit", "a time typed in the 24-hour form",
       "a time edit takes digits and the time separator only, no morning or afternoon mark",
       [] {
         TUserLocale point(kPointLocale.Items);
         TFocusedMaskEdit m(zyl::meTime);
         m.edit->SelectAll();
         m.TypeAndLeave("1:30 PM");
         return m.edit->Text() == "1:30";
       }},
      {"TZYLMaskEdit", "no date separator typed behind a year",
       "the date separator typed in a year field is swallowed, so a year that comes first is "
       "left with the Right key",
       [] {
         TUserLocale space(kSpaceLocale.Items);
         TFocusedMaskEdit m(zyl::meDate);
         m.TypeAndLeave("2004-03-05");
         return testsupport::ErrorOf<vcl::Exception>([&] { m.edit->AsDate(); }) != kNoError ||
                m.edit->AsDate() != 38051;
       }},
      {"TZYLClock", "\" a/p\" behind a 12-hour time",
       "the internal format gets \" a/p\" appended, the letters a and p whatever the locale's "
       "morning and afternoon marks",
       [] {
         TUserLocale comma(kCommaLocale.Items);
         vcl::TForm form(nullptr);
         auto* clock = new zyl::TZYLClock(&form);
         clock->FixedTime()->SetValue(kFriday);
         clock->SetClockOptions({zyl::coShowDigital, zyl::coFixed});
         return clock->GetDigitalText().ends_with(" p");
       }},
      {"TZYLClock", "the countdown as C hh:mm:ss",
       "the remaining time is formatted \"%.2d:%.2d:%.2d\", a colon whatever the locale's time "
       "separator",
       [] {
         TUserLocale space(kSpaceLocale.Items);
         vcl::TForm form(nullptr);
         auto* clock = new zyl::TZYLClock(&form);
         clock->StartCountdown();
         const std::string text = clock->GetDigitalText();
         return text.size() == 10 && text[4] == ':' && text[7] == ':';
       }},
      {"TZYLLED", "no cell for a decimal comma",
       "the segment table lights nothing for \",\": a decimal comma shows as an unlit cell",
       [] { return zyl::ZYLLEDMask(',') == 0 && zyl::ZYLLEDMask('.') != 0; }},
      {"TZYLLEDLabel", "the value in digits alone",
       "in the integer style the value is its decimal form padded to Digits, with no thousand "
       "separator",
       [] {
         TUserLocale comma(kCommaLocale.Items);
         vcl::TForm form(nullptr);
         auto* led = new zyl::TZYLLEDLabel(&form);
         led->SetStyle(zyl::lsInteger);
         led->SetDigits(6);
         led->SetValue(1234);
         return led->GetLabelText() == "001234";
       }},
      {"TZYLInformationLabel", "DateTimeFormat as designed",
       "the format starts as the locale's short date format and is written to the form as any "
       "text, so a form designed under one locale shows that picture under another",
       [] {
         std::string bytes;
         {
           TUserLocale comma(kCommaLocale.Items);
           bytes = packagetest::FormWith(zyl::TZYLInformationLabel::StaticClass(), {"Name"},
                                         [](vcl::TObject*, const vcl::TPropInfo*) {});
         }
         TUserLocale point(kPointLocale.Items);
         std::unique_ptr<vcl::TCustomForm> root;
         auto* label = static_cast<zyl::TZYLInformationLabel*>(
             ReadUnder(zyl::TZYLInformationLabel::StaticClass(), bytes, root));
         return label && label->DateTimeFormat() == "dd.MM.yyyy";
       }},
      {"TZYLDateTime", "the summary {yyyy-mm-dd hh:nn:ss}",
       "the summary the inspector shows of a date-time object is written in one fixed form",
       [] {
         TUserLocale space(kSpaceLocale.Items);
         zyl::TZYLDateTime t;
         t.SetValue(kFriday);
         return t.GetSetStr() == "{2004-03-05 13:30:00}";
       }},
  };
  return forms;
}

TEST_F(LocaleSweep, TheFixedFormsStillHold) {
  vcl::testkit::TDialogScript noAnswers;
  for (const TFixedForm& f : FixedForms()) {
    SCOPED_TRACE(std::string(f.Class) + ": " + f.What);
    EXPECT_TRUE(f.StillHolds()) << "the entry has gone stale (" << f.Reason << ")";
  }
}

}  // namespace
