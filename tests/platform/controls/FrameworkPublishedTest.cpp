// Every class the framework registers for form streams: its published properties against the
// table below (names in the framework's order, defaults, stored rules). Classes of the tests
// (outside namespace vcl itself) are left out.
#include <cxxabi.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "platform/classes/Registry.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Splitter.h"
#include "platform/controls/StdCtrls.h"
#include "platform/testkit/ControlsSession.h"
#include "tests/support/PublishedList.h"

namespace {

// A row may start with "@control" or "@component" (testsupport::ExpandPublishedRow).
const std::map<std::string, std::string>& Expected() {
  static const std::map<std::string, std::string> table = {
#include "tests/platform/controls/FrameworkPublishedTable.inc"
  };
  return table;
}

// "vcl::TForm" for a class of the framework; a test's class lives in a namespace below.
bool IsFrameworkClass(vcl::TClass cls) {
  if (!cls->CppType()) return false;
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> name(
      abi::__cxa_demangle(cls->CppType()->name(), nullptr, nullptr, &status), std::free);
  if (status != 0 || !name) return false;
  const std::string s = name.get();
  return s.rfind("vcl::", 0) == 0 && s.find("::", 5) == std::string::npos;
}

TEST(FrameworkClasses, PublishTheirListsWithDefaultsAndStoredRules) {
  vcl::testkit::TControlsSession session;
  vcl::RegisterStandardControls();
  vcl::RegisterCommonControls();
  vcl::RegisterButtons();
  vcl::RegisterDialogs();
  vcl::RegisterSplitter();
  int checked = 0;
  for (vcl::TClass cls : vcl::RegisteredClasses()) {
    if (!IsFrameworkClass(cls)) continue;
    ++checked;
    auto it = Expected().find(cls->ClassName());
    if (it == Expected().end()) {
      ADD_FAILURE() << "no row for " << cls->ClassName() << ": " << testsupport::PublishedList(cls);
      continue;
    }
    EXPECT_EQ(testsupport::PublishedList(cls), testsupport::ExpandPublishedRow(it->second))
        << cls->ClassName();
  }
  // Every row names a registered class.
  EXPECT_EQ(checked, static_cast<int>(Expected().size()));
}

// Named string types keep their names, so that editors can be found by type.
TEST(FrameworkClasses, NamedStringPropertiesCarryTheirTypes) {
  const std::pair<const char*, const char*> props[] = {{"TLabel", "Caption"}, {"TEdit", "Text"},
                                                       {"TComboBox", "Text"}, {"TForm", "Caption"},
                                                       {"TEdit", "ImeName"},  {"TMemo", "ImeName"}};
  for (auto [cls, prop] : props) {
    const vcl::TPropInfo* p = vcl::GetPropInfo(vcl::FindClass(cls), prop);
    ASSERT_TRUE(p) << cls << "." << prop;
    EXPECT_EQ(p->Kind(), vcl::tkLString) << cls << "." << prop;
    EXPECT_EQ(p->PropType->TypeName, std::string(prop) == "ImeName" ? "TImeName" : "TCaption")
        << cls << "." << prop;
  }
}

}  // namespace
