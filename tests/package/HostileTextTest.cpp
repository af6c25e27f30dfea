// Every writable text property and every string list of every registered class (the
// framework's and the library's package's), of the persistent objects they own and of the first
// item of the collections they own, given hostile and big contents on a shown form that is
// painted after each value with the virtual clock moved on: nothing, a 64 KiB line, 5,000 lines,
// line breaks of every kind and tabs, a trailing or doubled accelerator mark, bytes that are not
// UTF-8, an embedded NUL, format directives, unclosed markup and separators; file names that
// lead nowhere, to a folder or to a file of another kind; masks, formats and filters with
// unbalanced or unknown directives. A setter may refuse a value with the framework's error, and
// a paint may find a picture too big to hold; anything else is a fault. Each value is also
// written to a form file (which keeps it through the file's text too) and read from it: the
// value comes back as the component held it; then the form is shown, the component is clicked,
// dragged across and typed into, and a dialog component is executed and closed.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/StringItems.h"
#include "tests/support/TempDir.h"

namespace {

using packagetest::Path;
using packagetest::TStage;
using packagetest::Walk;

// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 8;

// Which properties a value is meant for.
enum class TFor { Any, FileName, Pattern };

struct THostile {
  const char* Name;
  std::string Value;
  TFor For = TFor::Any;
};

std::string Lines(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += "line " + std::to_string(i) + "\r\n";
  return s;
}

// A file of the folder below that holds plain text, whatever its name says.
constexpr char kPlainFile[] = "plain.avi";

// The table; `folder` is a folder that exists, with the plain file in it.
std::vector<THostile> HostileValues(const std::string& folder) {
  return {
      {"nothing", ""},
      {"a 64 KiB line", std::string(64 * 1024, 'W')},
      {"5,000 lines", Lines(5000)},
      {"breaks and tabs", "one\r\ntwo\nthree\tfour\rfive\r\n\r\n\t"},
      {"a trailing accelerator mark", "Save &"},
      {"a doubled accelerator mark", "&&"},
      {"bytes that are not UTF-8", "\xff\xfe \xc3( \xe2\x82 \xc0\xaf end\x80"},
      {"an embedded NUL", std::string("before\0after", 12)},
      {"format directives", "100% %s %d %n %*.*f %"},
      {"unclosed markup and separators", "<b><i><u>open </b></b> <font color=\"x | ; , = ' |"},
      {"a file that does not exist", folder + "/no such folder/no such file.dat", TFor::FileName},
      {"a file of another kind", folder + "/" + kPlainFile, TFor::FileName},
      {"a folder", folder, TFor::FileName},
      {"unbalanced directives", "!(999) 'quoted [x {y %z;1;", TFor::Pattern},
      {"unknown directives", "%q %- %*.*k \\ yyyyy zzzzzz ;;;; \\", TFor::Pattern},
  };
}

bool Contains(const std::string& name, std::initializer_list<const char*> parts) {
  for (const char* part : parts)
    if (name.find(part) != std::string::npos) return true;
  return false;
}

// What a property's name says it holds.
TFor Meant(const std::string& name) {
  if (Contains(name, {"File", "Path", "Dir", "Folder"})) return TFor::FileName;
  if (Contains(name, {"Mask", "Format", "Filter"})) return TFor::Pattern;
  return TFor::Any;
}

bool IsText(const vcl::TPropInfo* p) {
  return p->Kind() == vcl::tkString || p->Kind() == vcl::tkLString || p->Kind() == vcl::tkWString;
}

// A writable text property (the component's name is its identity, not its contents) or a string
// list the object owns.
bool TakesText(vcl::TObject* obj, const vcl::TPropInfo* p) {
  if (IsText(p)) return p->IsWritable() && p->Name != "Name";
  return p->Kind() == vcl::tkClass && dynamic_cast<vcl::TStrings*>(vcl::GetObjectProp(obj, p));
}

// Sets the value: a text property takes it whole; a string list takes its lines, then the whole
// value as one more item (breaks and NULs inside an item).
packagetest::TSetValue SetText(const std::string& value) {
  return [value](vcl::TObject* target, const vcl::TPropInfo* p) {
    if (IsText(p)) {
      vcl::SetStrProp(target, p, value);
      return;
    }
    auto* list = static_cast<vcl::TStrings*>(vcl::GetObjectProp(target, p));
    list->SetText(value);
    if (!value.empty()) list->Add(value);
  };
}

// What the property holds: the text, or the list's items.
std::vector<std::string> Held(vcl::TObject* target, const std::string& name) {
  const vcl::TPropInfo* p = vcl::FindPropInfo(target, name);
  if (IsText(p)) return {vcl::GetStrProp(target, p)};
  return testsupport::Items(*static_cast<vcl::TStrings*>(vcl::GetObjectProp(target, p)));
}

// Whether the property at the path is written to a form file: it is stored, and so is every
// owned object on the way.
bool StoredAlong(vcl::TObject* obj, const Path& path) {
  for (size_t i = 0; obj && i < path.size(); ++i) {
    const std::string name = path[i].substr(0, path[i].find('['));  // "Panels[0]": Panels
    const vcl::TPropInfo* p = vcl::FindPropInfo(obj, name);
    if (!p || !vcl::IsStoredProp(obj, p)) return false;
    if (i + 1 < path.size()) obj = Walk(obj, {path[i], path.back()});
  }
  return obj != nullptr;
}

// Values a class decides on its own when a form is read, with their rule.
const std::map<std::string, std::string>& ClassRules() {
  static const std::map<std::string, std::string> rules = {
      // An empty section stands for the list's own: its owner's name and the class's.
      {"TZYLMRUList.Section@nothing", "an empty section is the list's own"},
  };
  return rules;
}

// Equal values, or where they first differ (the values may be long).
::testing::AssertionResult SameItems(const std::vector<std::string>& got,
                                     const std::vector<std::string>& want) {
  if (got == want) return ::testing::AssertionSuccess();
  if (got.size() != want.size())
    return ::testing::AssertionFailure() << got.size() << " items come back of " << want.size();
  for (size_t i = 0; i < got.size(); ++i) {
    if (got[i] == want[i]) continue;
    size_t at = 0;
    while (at < got[i].size() && at < want[i].size() && got[i][at] == want[i][at]) ++at;
    return ::testing::AssertionFailure()
           << "item " << i << " of " << want[i].size() << " bytes comes back with " << got[i].size()
           << ", first differing at byte " << at << ": \"" << got[i].substr(at, 16) << "\" for \""
           << want[i].substr(at, 16) << "\"";
  }
  return ::testing::AssertionFailure();
}

class HostileText : public packagetest::TPackageFixture<::testing::TestWithParam<int>> {
 protected:
  void SetUp() override {
    TPackageFixture::SetUp();
    if (HasFatalFailure()) return;
    classes_ = packagetest::ComponentClasses();
    std::ofstream(folder_.File(kPlainFile)) << "not a picture, a sound, a video or a list\r\n";
  }
  // The values for a property, by its name.
  std::vector<THostile> ValuesFor(const std::string& name) const {
    std::vector<THostile> values;
    for (THostile& v : HostileValues(folder_.Path()))
      if (v.For == TFor::Any || v.For == Meant(name)) values.push_back(std::move(v));
    return values;
  }
  std::vector<vcl::TClass> classes_;
  testsupport::TempDir folder_;
};

// Sets the value on a component of the class on a shown form and paints; then writes the form
// to a form file and reads it back into a new form, where the value is the one the component
// held when written; shows that form, takes the input and paints again.
TEST_P(HostileText, EveryTextPropertyWithHostileContentsPaintsComesBackAndTakesInput) {
  ASSERT_GT(classes_.size(), 100u);
  // Every dialog the input brings up is closed at once with the script's error.
  vcl::testkit::TDialogScript noAnswers;
  int cases = 0, compared = 0;
  for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size(); k += kShards) {
    const vcl::TClass cls = classes_[k];
    for (const Path& path : packagetest::PropertyPathsOf(cls, &TakesText, true)) {
      SCOPED_TRACE(cls->ClassName() + "." + packagetest::Text(path));
      for (const THostile& v : ValuesFor(path.back())) {
        SCOPED_TRACE(v.Name);
        std::string bytes;
        std::vector<std::string> written;
        bool stored = false;
        {
          TStage stage(cls);
          vcl::TComponent* c = stage.Component();
          if (c != stage.Form()) c->SetName("X");
          vcl::TObject* target = Walk(c, path);
          ASSERT_NE(target, nullptr);
          const vcl::TPropInfo* p = vcl::FindPropInfo(target, path.back());
          ASSERT_NE(p, nullptr);
          std::string refused;
          EXPECT_NO_THROW(
              refused = testsupport::ErrorOf<vcl::Exception>([&] { SetText(v.Value)(target, p); }));
          EXPECT_NO_THROW(testsupport::ErrorOf<vcl::EOutOfResources>([&] { stage.Paint(); }));
          ++cases;
          if (refused != "<no error>") continue;
          written = Held(target, path.back());
          stored =
              StoredAlong(c, path) &&
              !ClassRules().count(cls->ClassName() + "." + packagetest::Text(path) + "@" + v.Name);
          bytes = vcl::WriteComponentToBytes(stage.Form());
        }
        // A form file kept as text holds the same.
        std::string throughText;
        EXPECT_NO_THROW(throughText =
                            vcl::ObjectTextToBinaryString(vcl::ObjectBinaryToTextString(bytes)));
        EXPECT_TRUE(throughText == bytes)
            << "through text: " << throughText.size() << " bytes of " << bytes.size();
        std::unique_ptr<vcl::TCustomForm> form = packagetest::NewRoot(cls);
        EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>(
            [&] { vcl::ReadComponentFromBytes(bytes, form.get()); }));
        // A menu item is streamed as part of a menu only.
        vcl::TComponent* c = packagetest::ReadComponent(cls, form.get());
        if (!c) continue;
        vcl::TObject* target = Walk(c, path);
        ASSERT_NE(target, nullptr);
        if (stored) {
          EXPECT_TRUE(SameItems(Held(target, path.back()), written));
          ++compared;
        }
        if (!packagetest::ShowAndTakeInput(form.get(), c)) continue;
        // A dialog comes up with the value and is closed at once.
        EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>([&] { packagetest::Execute(c); }));
        EXPECT_NO_THROW(testsupport::ErrorOf<vcl::EOutOfResources>(
            [&] { packagetest::PaintShown(form.get()); }));
      }
    }
  }
  EXPECT_GT(cases, 0);
  EXPECT_GT(compared, 0);
  RecordProperty("cases", cases);
}

INSTANTIATE_TEST_SUITE_P(Shards, HostileText, ::testing::Range(0, kShards));

}  // namespace
