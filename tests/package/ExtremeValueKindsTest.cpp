// The values beyond integers a user or a damaged form file gives, on every registered class (the
// framework's and the library's package's) and the persistent objects they own, on a shown form
// that is painted after each value:
// - floating-point properties (dates and currency too) at NaN, the infinities, the largest and
//   smallest finite values, a denormal, -0.0, and dates before the first and after the last day
//   the calendar holds;
// - 64-bit properties at their limits;
// - enumerations and sets given ordinals and bits beyond their type in code, and identifiers
//   their type lacks in a form file.
// A setter may refuse a value with the framework's error, and then the property keeps the value
// it had; an enumeration or set that takes a value beyond its type keeps one within it. A value
// taken is written to a form file and read back equal (or refused with the framework's error
// when written); the form then shows and the component takes input. A form file holding an
// identifier the type lacks is refused with the reader's error. Anything else (another
// exception, a crash, a sanitizer report, a loop that never goes idle) is a fault.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/DialogScript.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/support/ErrorOf.h"

namespace {

using packagetest::Path;
using packagetest::TStage;
using packagetest::Walk;

// The classes are dealt round-robin to this many tests, as the integer sweep deals them.
constexpr int kShards = 8;

constexpr char kNoError[] = "<no error>";
constexpr char kUnknownIdent[] = "zzNoSuchValue";

using Limits = std::numeric_limits<double>;

// The values no floating-point property may crash on.
const std::vector<double> kFloatEdges = {
    Limits::quiet_NaN(), Limits::infinity(), -Limits::infinity(),  Limits::max(), -Limits::max(),
    Limits::min(),       -Limits::min(),     Limits::denorm_min(), -0.0,          1e300,
};

// A date-time counts days since 1899-12-30: day 0, before year 1 (-693594 is 0001-01-01), the
// last moment of 9999-12-31 (2958465.99999) and the days after it.
const std::vector<double> kDateEdges = {
    0, -1, -693594, -693595, -1e9, 2958465.99999, 2958466, 2958467, 1e9, 0.5, -0.5,
};

// Currency holds ten-thousandths in 64 bits: its limits and the values beyond them.
const std::vector<double> kCurrencyEdges = {
    922337203685477.5807, -922337203685477.5808, 1e15, -1e15, 0.00001,
};

// Every list for every floating-point property: a date-time or currency property's type is a
// double as any other.
std::vector<double> FloatValues() {
  std::vector<double> values = kFloatEdges;
  values.insert(values.end(), kDateEdges.begin(), kDateEdges.end());
  values.insert(values.end(), kCurrencyEdges.begin(), kCurrencyEdges.end());
  return values;
}

// Equal, NaN being equal to NaN and -0.0 to 0.0.
bool SameFloat(double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

bool Writable(const vcl::TPropInfo* p, vcl::TTypeKind kind) {
  return p->Kind() == kind && p->IsWritable();
}

// The paths of the writable properties of one kind on a new component of the class.
std::vector<Path> PathsOf(vcl::TClass cls, vcl::TTypeKind kind) {
  return packagetest::PropertyPathsOf(
      cls, [kind](vcl::TObject*, const vcl::TPropInfo* p) { return Writable(p, kind); });
}

// One property of every class of a shard, on a stage of its own.
struct TCase {
  vcl::TClass Class;
  Path Where;
};

class ExtremeValueKinds : public packagetest::TPackageFixture<::testing::TestWithParam<int>> {
 protected:
  void SetUp() override {
    TPackageFixture::SetUp();
    if (HasFatalFailure()) return;
    classes_ = packagetest::ComponentClasses();
    ASSERT_GT(classes_.size(), 100u);
  }

  // The properties of a kind over the classes of this shard.
  std::vector<TCase> Cases(vcl::TTypeKind kind) const {
    std::vector<TCase> cases;
    for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size(); k += kShards)
      for (Path& path : PathsOf(classes_[k], kind)) cases.push_back({classes_[k], std::move(path)});
    return cases;
  }

  std::vector<vcl::TClass> classes_;
};

// Sets a value on the stage: refused with the framework's error and the property as it was
// (`same` compares the values before and after), or taken; then the form paints.
template <class T>
void SetOnStage(TStage& stage, const std::function<T()>& get, const std::function<void()>& set,
                const std::function<bool(T, T)>& same, const std::function<void(T)>& taken) {
  const T before = get();
  const std::string refused = testsupport::ErrorOf<vcl::Exception>(set);
  if (refused != kNoError) {
    EXPECT_FALSE(refused.empty()) << "a refusal says why";
    EXPECT_TRUE(same(before, get())) << "refused with \"" << refused << "\" but changed";
  } else {
    taken(get());
  }
  EXPECT_NO_THROW(testsupport::ErrorOf<vcl::EOutOfResources>([&] { stage.Paint(); }));
}

// Writes a component holding the value `set` gives to a form file and reads it back, as written
// and through its text form: the value read (`read` on the property of the new component) equals
// the one written, and the form shows and takes input. Writing may refuse a value with the
// framework's error. `held`, when given, tells whether the property holds the value it was
// given (a property showing what the system has now holds none).
template <class T>
void RoundTrip(const TCase& c, const packagetest::TSetValue& set,
               const std::function<T(vcl::TObject*, const vcl::TPropInfo*)>& read,
               const std::function<bool(T, T)>& same, const std::function<bool(T)>& held = {}) {
  T written{};
  std::string bytes;
  const std::string unwritten = testsupport::ErrorOf<vcl::Exception>([&] {
    bytes = packagetest::FormWith(c.Class, c.Where, set, [&](vcl::TComponent* component) {
      vcl::TObject* target = Walk(component, c.Where);
      written = read(target, vcl::FindPropInfo(target, c.Where.back()));
    });
  });
  if (unwritten != kNoError || bytes.empty()) return;
  std::string text;
  ASSERT_EQ(testsupport::ErrorOf<vcl::Exception>([&] {
              text = vcl::ObjectTextToBinaryString(vcl::ObjectBinaryToTextString(bytes));
            }),
            kNoError)
      << "a form file written goes to text and back";
  for (const std::string* file : {&bytes, &text}) {
    SCOPED_TRACE(file == &bytes ? "as written" : "through text");
    std::unique_ptr<vcl::TCustomForm> form = packagetest::NewRoot(c.Class);
    ASSERT_EQ(testsupport::ErrorOf<vcl::Exception>(
                  [&] { vcl::ReadComponentFromBytes(*file, form.get()); }),
              kNoError)
        << "a value written reads back";
    vcl::TComponent* component = packagetest::ReadComponent(c.Class, form.get());
    ASSERT_NE(component, nullptr);
    vcl::TObject* target = Walk(component, c.Where);
    ASSERT_NE(target, nullptr);
    const T got = read(target, vcl::FindPropInfo(target, c.Where.back()));
    if (!held || held(written)) {
      EXPECT_TRUE(same(written, got)) << "written " << ::testing::PrintToString(written)
                                      << ", read " << ::testing::PrintToString(got);
    }
    if (!packagetest::ShowAndTakeInput(form.get(), component)) continue;
    EXPECT_NO_THROW(
        testsupport::ErrorOf<vcl::EOutOfResources>([&] { packagetest::PaintShown(form.get()); }));
  }
}

double ReadFloat(vcl::TObject* target, const vcl::TPropInfo* p) {
  return vcl::GetFloatProp(target, p);
}
int64_t ReadOrd(vcl::TObject* target, const vcl::TPropInfo* p) {
  return p->Kind() == vcl::tkInt64 ? vcl::GetInt64Prop(target, p) : vcl::GetOrdProp(target, p);
}

TEST_P(ExtremeValueKinds, EveryFloatPropertyAtItsEdgesPaintsAndComesBackFromAForm) {
  vcl::testkit::TDialogScript noAnswers;
  int values = 0;
  for (const TCase& c : Cases(vcl::tkFloat)) {
    SCOPED_TRACE(c.Class->ClassName() + "." + packagetest::Text(c.Where));
    TStage stage(c.Class);
    vcl::TObject* target = Walk(stage.Component(), c.Where);
    ASSERT_NE(target, nullptr);
    const vcl::TPropInfo* p = vcl::FindPropInfo(target, c.Where.back());
    for (double v : FloatValues()) {
      SCOPED_TRACE(v);
      const auto set = [v](vcl::TObject* t, const vcl::TPropInfo* q) {
        vcl::SetFloatProp(t, q, v);
      };
      SetOnStage<double>(
          stage, [&] { return vcl::GetFloatProp(target, p); }, [&] { set(target, p); }, SameFloat,
          [](double) {});
      RoundTrip<double>(c, set, ReadFloat, SameFloat);
      ++values;
    }
  }
  RecordProperty("values", values);
}

TEST_P(ExtremeValueKinds, Every64BitPropertyAtItsLimitsComesBackFromAForm) {
  vcl::testkit::TDialogScript noAnswers;
  int values = 0;
  for (const TCase& c : Cases(vcl::tkInt64)) {
    SCOPED_TRACE(c.Class->ClassName() + "." + packagetest::Text(c.Where));
    for (int64_t v :
         {INT64_MIN, INT64_MIN + 1, int64_t{-1}, int64_t{1}, INT64_MAX - 1, INT64_MAX}) {
      SCOPED_TRACE(v);
      RoundTrip<int64_t>(
          c, [v](vcl::TObject* t, const vcl::TPropInfo* q) { vcl::SetInt64Prop(t, q, v); }, ReadOrd,
          std::equal_to<int64_t>(), [v](int64_t held) { return held == v; });
      ++values;
    }
  }
  RecordProperty("values", values);
}

// Ordinals beyond an enumeration's names: the next one, a byte's and a word's worth, negatives
// and the 64-bit limits.
std::vector<int64_t> OrdinalsBeyond(const vcl::TTypeInfo* type) {
  return {type->MaxValue + 1, 255, 256, 65536, -1, INT64_MIN, INT64_MAX};
}

// Bits beyond a set's elements: the next element's, the top bit, all of them.
std::vector<int64_t> BitsBeyond(const vcl::TTypeInfo* type) {
  const int64_t next = type->CompType->MaxValue + 1;
  std::vector<int64_t> bits = {INT64_MIN, -1};
  if (next < 63) bits.push_back(int64_t{1} << next);
  return bits;
}

// The set bits an element type has names for.
uint64_t ElementBits(const vcl::TTypeInfo* type) {
  const int64_t count = type->CompType->MaxValue + 1;
  return count >= 64 ? ~uint64_t{0} : (uint64_t{1} << count) - 1;
}

// Ordinals an enumeration or set property is given in code; a value taken stays within the type.
void OrdinalsInCode(const TCase& c,
                    const std::function<std::vector<int64_t>(const vcl::TTypeInfo*)>& beyond,
                    const std::function<bool(const vcl::TTypeInfo*, int64_t)>& within,
                    int& values) {
  SCOPED_TRACE(c.Class->ClassName() + "." + packagetest::Text(c.Where));
  TStage stage(c.Class);
  vcl::TObject* target = Walk(stage.Component(), c.Where);
  ASSERT_NE(target, nullptr);
  const vcl::TPropInfo* p = vcl::FindPropInfo(target, c.Where.back());
  for (int64_t v : beyond(p->PropType)) {
    SCOPED_TRACE(v);
    SetOnStage<int64_t>(
        stage, [&] { return vcl::GetOrdProp(target, p); }, [&] { vcl::SetOrdProp(target, p, v); },
        std::equal_to<int64_t>(),
        [&](int64_t now) { EXPECT_TRUE(within(p->PropType, now)) << "holds " << now; });
    ++values;
  }
}

TEST_P(ExtremeValueKinds, EveryEnumerationGivenAnOrdinalBeyondItsTypeKeepsOneWithin) {
  int values = 0;
  for (const TCase& c : Cases(vcl::tkEnumeration))
    OrdinalsInCode(
        c, OrdinalsBeyond,
        [](const vcl::TTypeInfo* t, int64_t v) { return v >= t->MinValue && v <= t->MaxValue; },
        values);
  RecordProperty("values", values);
}

TEST_P(ExtremeValueKinds, EverySetGivenBitsBeyondItsElementsKeepsItsOwn) {
  int values = 0;
  for (const TCase& c : Cases(vcl::tkSet))
    OrdinalsInCode(
        c, BitsBeyond,
        [](const vcl::TTypeInfo* t, int64_t v) {
          return (static_cast<uint64_t>(v) & ~ElementBits(t)) == 0;
        },
        values);
  RecordProperty("values", values);
}

// The form file of a new component of the class with the line `Where = value` first among the
// component's properties; "" when a form does not hold the component on its own (a menu item
// is written with its menu).
std::string FormWithLine(const TCase& c, const std::string& value) {
  const std::string bytes =
      packagetest::FormWith(c.Class, c.Where, [](vcl::TObject*, const vcl::TPropInfo*) {});
  std::string text = vcl::ObjectBinaryToTextString(bytes);
  const size_t object = text.find(packagetest::IsForm(c.Class) ? "object " : "object X: ");
  if (object == std::string::npos) return "";
  const size_t at = text.find('\n', object);
  text.insert(at + 1, packagetest::Text(c.Where) + " = " + value + "\n");
  return vcl::ObjectTextToBinaryString(text);
}

// A form file giving a property a value of the wrong kind (an identifier its type lacks, a
// text for a number) is refused with the reader's error; one giving a value the type may hold
// is read or refused with it. The form then shows and the component takes input.
enum TBadValue { bvRefused, bvReadOrRefused };

void BadValueInAForm(const TCase& c, const std::string& value, TBadValue kind) {
  SCOPED_TRACE(c.Class->ClassName() + "." + packagetest::Text(c.Where) + " = " + value);
  std::string bytes;
  ASSERT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { bytes = FormWithLine(c, value); }),
            kNoError);
  if (bytes.empty()) return;
  std::unique_ptr<vcl::TCustomForm> form = packagetest::NewRoot(c.Class);
  const std::string error = testsupport::ErrorOf<vcl::EReadError>(
      [&] { vcl::ReadComponentFromBytes(bytes, form.get()); });
  if (kind == bvRefused) {
    EXPECT_NE(error, kNoError) << "a value of the wrong kind is read";
  }
  EXPECT_FALSE(error.empty());
  vcl::TComponent* component = packagetest::ReadComponent(c.Class, form.get());
  if (!component || !packagetest::ShowAndTakeInput(form.get(), component)) return;
  EXPECT_NO_THROW(
      testsupport::ErrorOf<vcl::EOutOfResources>([&] { packagetest::PaintShown(form.get()); }));
}

TEST_P(ExtremeValueKinds, EveryFloatReadWithAValueOfAnotherKindIsRefused) {
  vcl::testkit::TDialogScript noAnswers;
  const std::pair<const char*, TBadValue> lines[] = {
      {kUnknownIdent, bvRefused},     {"'45351'", bvRefused},
      {"[zzNoSuchValue]", bvRefused}, {"1e400", bvReadOrRefused},
      {"-1e400", bvReadOrRefused},    {"1e-400", bvReadOrRefused},
      {"2958466.0", bvReadOrRefused}, {"-693595.0", bvReadOrRefused},
  };
  int values = 0;
  for (const TCase& c : Cases(vcl::tkFloat)) {
    for (const auto& [value, kind] : lines) {
      BadValueInAForm(c, value, kind);
      ++values;
    }
  }
  RecordProperty("values", values);
}

TEST_P(ExtremeValueKinds, EveryEnumerationReadWithAnIdentifierItsTypeLacksIsRefused) {
  vcl::testkit::TDialogScript noAnswers;
  int values = 0;
  for (const TCase& c : Cases(vcl::tkEnumeration)) {
    BadValueInAForm(c, kUnknownIdent, bvRefused);
    ++values;
  }
  RecordProperty("values", values);
}

TEST_P(ExtremeValueKinds, EverySetReadWithAnIdentifierItsElementsLackIsRefused) {
  vcl::testkit::TDialogScript noAnswers;
  int values = 0;
  for (const TCase& c : Cases(vcl::tkSet)) {
    BadValueInAForm(c, std::string("[") + kUnknownIdent + "]", bvRefused);
    ++values;
  }
  RecordProperty("values", values);
}

// The sweeps above find their kinds: the date controls' days and times, the many enumerations
// and sets.
using ExtremeValueKindsFound = packagetest::TPackageFixture<>;

TEST_F(ExtremeValueKindsFound, TheSweepsFindTheirKinds) {
  int floats = 0, enumerations = 0, sets = 0, wide = 0;
  for (vcl::TClass cls : packagetest::ComponentClasses()) {
    floats += static_cast<int>(PathsOf(cls, vcl::tkFloat).size());
    enumerations += static_cast<int>(PathsOf(cls, vcl::tkEnumeration).size());
    sets += static_cast<int>(PathsOf(cls, vcl::tkSet).size());
    wide += static_cast<int>(PathsOf(cls, vcl::tkInt64).size());
  }
  EXPECT_GE(floats, 3);
  EXPECT_GT(enumerations, 100);
  EXPECT_GT(sets, 10);
  RecordProperty("floats", floats);
  RecordProperty("int64", wide);
}

INSTANTIATE_TEST_SUITE_P(Shards, ExtremeValueKinds, ::testing::Range(0, kShards));

}  // namespace
