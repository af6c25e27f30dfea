// Which of the package's components hear of every component joining their owner: only those
// that act on it (the form linking a settings store dropped on it, the hidden-components
// helper telling of new components, the list box linking a settings store). Every other class
// says that its Notification ignores insertions, so that an owner leaves it out of those
// broadcasts and a form of n components is built in time linear in n.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Registry.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"

namespace {

bool ActsOnInserts(vcl::TClass cls) {
  for (const char* name : {"TZYLForm", "TZYLHideNonVC", "TZYLListBox"})
    if (vcl::TClass listener = vcl::GetClass(name); listener && cls->InheritsFrom(listener))
      return true;
  return false;
}

TEST(PackageInsertNotification, OnlyTheComponentsThatActOnInsertionsHearThem) {
  vcl::testkit::TControlsSession session;
  const std::vector<vcl::TClass> before = vcl::RegisteredClasses();
  win::HMODULE module = vcl::LoadPackage(ZYL_LIBRARY_PACKAGE);
  ASSERT_NE(module, nullptr);
  int listeners = 0, checked = 0;
  for (vcl::TClass cls : vcl::RegisteredClasses()) {
    if (std::find(before.begin(), before.end(), cls) != before.end()) continue;
    if (!cls->InheritsFrom(vcl::TComponent::StaticClass())) continue;
    const bool hears = cls->OverridesNotification() && !cls->IgnoresInsertNotification();
    EXPECT_EQ(hears, ActsOnInserts(cls)) << cls->ClassName();
    listeners += ActsOnInserts(cls);
    ++checked;
  }
  EXPECT_EQ(listeners, 3);
  EXPECT_GT(checked, 60);
  vcl::UnloadPackage(module);
}

}  // namespace
