// Every class the library's package registers, now and later: its published properties against
// the table below (names in order, defaults, stored rules), and a form-stream round trip of each
// published property set to a value other than the one a new component has.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Events.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Persistent.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"
#include "tests/package/EventsHost.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/package/PropertyValues.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/PublishedList.h"

namespace {

// One class's published list: "Name" is written unless empty / zero / unassigned, "Name=v"
// has the default v, "Name?" is stored by a rule of the class, "Name!" is never stored; a row
// may start with "@control" or "@component" (testsupport::ExpandPublishedRow).
const std::map<std::string, std::string>& Expected() {
  static const std::map<std::string, std::string> table = {
#include "tests/package/PublishedTable.inc"
  };
  return table;
}

std::string Describe(vcl::TClass cls) { return testsupport::PublishedList(cls); }

using PackageClasses = packagetest::TPackageFixture<>;

TEST_F(PackageClasses, PublishTheirListsWithDefaultsAndStoredRules) {
  ASSERT_GT(registered_.size(), 20u);
  for (vcl::TClass cls : registered_) {
    auto it = Expected().find(cls->ClassName());
    if (it == Expected().end()) {
      ADD_FAILURE() << "no row for " << cls->ClassName() << ": " << Describe(cls);
      continue;
    }
    EXPECT_EQ(Describe(cls), testsupport::ExpandPublishedRow(it->second)) << cls->ClassName();
  }
}

// ---------------------------------------------------------------------------------------------
// Round trip

// The round-trip forms stand on the events host, whose handlers for every event signature the
// package's classes publish are made when the test starts, so that a class added later with an
// event of a new kind is covered too.
using packagetest::TEventsHost;

using packagetest::Change;
using packagetest::Paths;
using packagetest::Read;
using packagetest::Values;
using packagetest::Walk;

// A new component of the class, named "X", on a new host form named "Host" (and in it, when
// it is a control).
vcl::TComponent* NewOnHost(vcl::TClass cls, std::unique_ptr<vcl::TForm>& form) {
  form.reset(new TEventsHost(nullptr));
  form->SetName("Host");
  vcl::TComponent* c = cls->Create(form.get());
  c->SetName("X");
  if (auto* control = dynamic_cast<vcl::TControl*>(c)) control->SetParent(form.get());
  return c;
}

// The host written to a form stream (the bytes kept in Bytes), freed, and read back into a new
// host.
std::unique_ptr<vcl::TForm> WrittenAndReadBack(std::unique_ptr<vcl::TForm>& form,
                                               std::string& Bytes) {
  Bytes = vcl::WriteComponentToBytes(form.get());
  form.reset();  // some components allow one instance only
  std::unique_ptr<vcl::TForm> back(new TEventsHost(nullptr));
  vcl::ReadComponentFromBytes(Bytes, back.get());
  return back;
}

// A form file binds a published event by writing it: an event without a setter would be
// refused when a form names a handler for it, and left out of the round trip below.
TEST_F(PackageClasses, EveryPublishedEventCanBeBoundByAForm) {
  for (vcl::TClass cls : registered_)
    for (const vcl::TPropInfo* p : vcl::GetPropList(cls))
      if (p->Kind() == vcl::tkMethod) {
        EXPECT_TRUE(p->IsWritable()) << cls->ClassName() << "." << p->Name;
      }
}

TEST_F(PackageClasses, EveryPublishedValueSurvivesAFormStream) {
  // Every handler the host publishes exists before the first lookup of a method by name.
  for (vcl::TClass cls : registered_)
    for (const vcl::TPropInfo* p : vcl::GetPropList(cls))
      if (p->Kind() == vcl::tkMethod) packagetest::HostHandlerFor(p->PropType->Signature);
  int checked = 0, events = 0;
  std::set<std::string> references;  // "Class.Property" of the component references checked
  for (vcl::TClass cls : registered_) {
    if (cls->FactoryKind() != vcl::fkComponent) continue;
    std::vector<std::vector<std::string>> paths;
    {
      std::unique_ptr<vcl::TForm> probe(new TEventsHost(nullptr));
      paths = Paths(cls->Create(probe.get()));
    }
    for (const auto& path : paths) {
      std::string name = path[0] + (path.size() > 1 ? "." + path[1] : "");
      SCOPED_TRACE(cls->ClassName() + "." + name);
      std::unique_ptr<vcl::TForm> form;
      vcl::TComponent* c = NewOnHost(cls, form);
      vcl::TObject* target = Walk(c, path);
      ASSERT_NE(target, nullptr);
      const vcl::TPropInfo* p = vcl::FindPropInfo(target, path.back());
      if (path.size() > 1 && !vcl::IsStoredProp(c, vcl::FindPropInfo(c, path[0]))) continue;
      // A size that AutoSize takes from the content is measured again when the component is
      // read; the written size survives when AutoSize is off.
      if (path.size() == 1 && (path[0] == "Width" || path[0] == "Height"))
        if (const vcl::TPropInfo* a = vcl::GetPropInfo(c, "AutoSize"); a && a->IsWritable())
          vcl::SetOrdProp(c, a, 0);
      const std::string value = Change(form.get(), target, p);
      if (value.empty()) continue;
      std::string bytes;
      const std::unique_ptr<vcl::TForm> back = WrittenAndReadBack(form, bytes);
      vcl::TComponent* c2 = back->FindComponent("X");
      ASSERT_NE(c2, nullptr);
      EXPECT_EQ(Read(Walk(c2, path), vcl::FindPropInfo(Walk(c2, path), path.back()), back.get()),
                value);
      ++checked;
      events += p->Kind() == vcl::tkMethod;
      if (p->Kind() == vcl::tkClass) references.insert(cls->ClassName() + "." + name);
    }
  }
  EXPECT_GT(checked, 500);
  EXPECT_GT(events, 100);
  // References resolved by name when the form is read, among them the labels' actions.
  for (const char* r : {"TZYLSimpleLabel.Action", "TZYLDockLabel.Action", "TZYLButton.PopupMenu"})
    EXPECT_EQ(references.count(r), 1u) << r;
}

// A value a user sets to what the class declares as its default (or to zero, a float's
// default) is not written; reading the form gives the component the value a new one has. So a
// new component holds each declared default, or the writer writes it anyway: setting the
// declared default (where the property takes it) survives the form stream. Over every
// registered class.
// Values that the platform decides again when a form is read, whatever was written.
const std::map<std::string, std::string>& DecidedWhenRead() {
  static const std::map<std::string, std::string> rules = {
      // A picker and a calendar start at today; the day of zero is not written.
      {"TDateTimePicker.Date", "a new picker shows today"},
      {"TDateTimePicker.Time", "midnight is not written"},
      {"TMonthCalendar.Date", "a new calendar shows today"},
      // An aligned control's anchors follow its alignment.
      {"THeaderControl.Anchors", "aligned to the top"},
      {"TStatusBar.Anchors", "aligned to the bottom"},
      {"TZYLStatusBar.Anchors", "aligned to the bottom"},
      // The page control shows its active page only.
      {"TTabSheet.Visible", "the page control shows the active page"},
  };
  return rules;
}

TEST_F(PackageClasses, EveryDeclaredDefaultSetOnAComponentSurvivesAFormStream) {
  std::vector<vcl::TClass> all;
  for (vcl::TClass cls : vcl::RegisteredClasses())
    if (cls->FactoryKind() == vcl::fkComponent &&
        !cls->InheritsFrom(vcl::TCustomForm::StaticClass()))
      all.push_back(cls);
  int checked = 0;
  for (vcl::TClass cls : all) {
    std::vector<std::vector<std::string>> paths;
    {
      std::unique_ptr<vcl::TForm> probe(new TEventsHost(nullptr));
      paths = Paths(cls->Create(probe.get()));
    }
    for (const auto& path : paths) {
      std::unique_ptr<vcl::TForm> form;
      vcl::TComponent* c = NewOnHost(cls, form);
      vcl::TObject* target = Walk(c, path);
      const vcl::TPropInfo* p = target ? vcl::FindPropInfo(target, path.back()) : nullptr;
      if (!p || !p->IsWritable()) continue;
      const bool ordinal = p->Kind() == vcl::tkInteger || p->Kind() == vcl::tkEnumeration ||
                           p->Kind() == vcl::tkSet || p->Kind() == vcl::tkChar;
      const bool real = p->Kind() == vcl::tkFloat;
      if (!(ordinal && p->HasDefault()) && !real) continue;
      auto atDefault = [&] {
        return real ? vcl::GetFloatProp(target, p) == 0 : vcl::GetOrdProp(target, p) == p->Default;
      };
      if (atDefault()) continue;
      const std::string name =
          cls->ClassName() + "." + path[0] + (path.size() > 1 ? "." + path[1] : "");
      if (DecidedWhenRead().count(name)) continue;
      SCOPED_TRACE(name);
      if (testsupport::ErrorOf<vcl::Exception>([&] {
            if (real)
              vcl::SetFloatProp(target, p, 0);
            else
              vcl::SetOrdProp(target, p, p->Default);
          }) != "<no error>" ||
          !atDefault())
        continue;  // the component does not take it
      if (path.size() > 1 && !vcl::IsStoredProp(c, vcl::FindPropInfo(c, path[0]))) continue;
      const std::string value = Read(target, p, form.get());
      std::string bytes;
      const std::unique_ptr<vcl::TForm> back = WrittenAndReadBack(form, bytes);
      vcl::TComponent* c2 = back->FindComponent("X");
      ASSERT_NE(c2, nullptr);
      vcl::TObject* target2 = Walk(c2, path);
      EXPECT_EQ(Read(target2, vcl::FindPropInfo(target2, path.back()), back.get()), value);
      ++checked;
    }
  }
  EXPECT_GT(checked, 0);
}

// Every published value of a component changed at once, in the order the class publishes
// them, then written and read back: every value (the ones left at their defaults too, which
// are not written) comes back as it was, whatever order the reader sets them in, and the form
// read back writes the same bytes again. Over every registered class, the framework's too.
// Values the platform (or the application a component stands for) decides on its own when a
// form is read are named with their rule.
const std::map<std::string, std::string>& PlatformRules() {
  static const std::map<std::string, std::string> rules = {
      // The window system makes a checked radio button a tab stop and the others not.
      {"TRadioButton.TabStop", "a checked radio button is the group's tab stop"},
      // Midnight, the picker's default time, is not written: a picker read from a form keeps
      // the time of day it was made at.
      {"TDateTimePicker.Time", "midnight is not written"},
      // The application's own settings, which the component shows and sets: a form leaves the
      // defaults out, and the application keeps what it has when the form is read.
      {"TZYLApplicationCtrl.ShowHint", "the application's setting"},
      {"TZYLApplicationCtrl.UpdateFormatSettings", "the application's setting"},
      {"TZYLApplicationCtrl.UpdateMetricSettings", "the application's setting"},
  };
  return rules;
}

// Changes every value of a new component of the class in published order, writes and reads it
// back and compares.
void ChangeAllAndReadBack(vcl::TClass cls) {
  SCOPED_TRACE(cls->ClassName());
  std::unique_ptr<vcl::TForm> form;
  vcl::TComponent* c = NewOnHost(cls, form);
  const std::vector<std::vector<std::string>> paths = Paths(c);
  // The events stay unassigned: they are streamed by name only (the test above), and a class
  // may rightly call one while a form is read. So does the action: a control linked to one
  // takes its caption, state and events from it when the form is read.
  int refs = 0;
  for (const auto& path : paths) {
    vcl::TObject* target = Walk(c, path);
    if (!target) continue;
    const vcl::TPropInfo* p = vcl::FindPropInfo(target, path.back());
    if (p->Kind() == vcl::tkMethod || (path.size() == 1 && path[0] == "Action")) continue;
    testsupport::ErrorOf<vcl::Exception>(
        [&] { Change(form.get(), target, p, "Ref" + std::to_string(++refs)); });
  }
  const std::map<std::string, std::string> before = Values(c, form.get(), paths);
  std::string bytes;
  const std::unique_ptr<vcl::TForm> back = WrittenAndReadBack(form, bytes);
  vcl::TComponent* c2 = back->FindComponent("X");
  ASSERT_NE(c2, nullptr);
  const std::map<std::string, std::string> after = Values(c2, back.get(), paths);
  bool ruled = false;
  for (const auto& [name, value] : before) {
    auto it = after.find(name);
    const std::string got = it == after.end() ? "<not stored>" : it->second;
    if (PlatformRules().count(cls->ClassName() + "." + name)) {
      ruled = ruled || got != value;
      continue;
    }
    EXPECT_EQ(got, value) << name;
  }
  // A value the platform decided differently is written the second time.
  if (ruled) return;
  const std::string again = vcl::WriteComponentToBytes(back.get());
  EXPECT_TRUE(again == bytes) << "written again: " << again.size() << " bytes, first "
                              << bytes.size();
}

TEST_F(PackageClasses, EveryPublishedValueChangedAtOnceSurvivesAFormStream) {
  std::vector<vcl::TClass> all;
  for (vcl::TClass cls : vcl::RegisteredClasses())
    if (cls->FactoryKind() == vcl::fkComponent) all.push_back(cls);
  ASSERT_GT(all.size(), registered_.size());
  int classes = 0;
  for (vcl::TClass cls : all) {
    // Forms are the roots of form files; menu items are streamed only as part of a menu.
    if (cls->InheritsFrom(vcl::TCustomForm::StaticClass()) ||
        cls->InheritsFrom(vcl::TMenuItem::StaticClass()))
      continue;
    ChangeAllAndReadBack(cls);
    ++classes;
  }
  EXPECT_GT(classes, 150);
}

// Every published reference to another component (an image list, a menu, an action, a focus
// control ..., on the component or on an object it owns) is cleared when that component is
// freed, and the component still shows and paints.
TEST_F(PackageClasses, EveryReferenceIsClearedWhenItsComponentIsFreed) {
  int checked = 0;
  for (vcl::TClass cls : registered_) {
    if (cls->FactoryKind() != vcl::fkComponent) continue;
    std::vector<std::vector<std::string>> refs;
    {
      std::unique_ptr<vcl::TForm> probe(new TEventsHost(nullptr));
      refs = Paths(cls->Create(probe.get()), true);
    }
    for (const auto& path : refs) {
      SCOPED_TRACE(cls->ClassName() + "." + path[0] + (path.size() > 1 ? "." + path[1] : ""));
      std::unique_ptr<vcl::TForm> form;
      vcl::TComponent* c = NewOnHost(cls, form);
      vcl::TObject* target = Walk(c, path);
      if (!target) continue;
      const vcl::TPropInfo* p = vcl::FindPropInfo(target, path.back());
      if (p->Kind() != vcl::tkClass) continue;
      std::string made;
      testsupport::ErrorOf<vcl::Exception>([&] { made = Change(form.get(), target, p); });
      if (made.empty()) continue;
      vcl::TComponent* ref = form->FindComponent(made);
      ASSERT_NE(ref, nullptr);
      vcl::TComponent* menu = form->FindComponent(made + "Menu");
      delete (menu ? menu : ref);
      EXPECT_EQ(vcl::GetObjectProp(Walk(c, path), p), nullptr);
      form->Show();
      form->Repaint();
      ++checked;
    }
  }
  EXPECT_GT(checked, 50);
}

// Every owned object a component publishes (a font, a bevel, a caret's settings ...), given to
// another component of the class through its property, is copied into that component's own
// object: every published value of it arrives, and each component keeps an object of its own.
// A value the object's class leaves out of the copy is named with its rule.
const std::map<std::string, std::string>& NotCopied() {
  static const std::map<std::string, std::string> rules = {
      {"TZYLScrollBarObject.Cursor", "a scroll bar's settings are copied without the cursor"},
  };
  return rules;
}

TEST_F(PackageClasses, EveryOwnedObjectSetThroughItsPropertyIsCopiedWhole) {
  int checked = 0;
  for (vcl::TClass cls : registered_) {
    if (cls->FactoryKind() != vcl::fkComponent) continue;
    std::vector<std::string> owned;
    {
      std::unique_ptr<vcl::TForm> probe(new TEventsHost(nullptr));
      vcl::TComponent* c = cls->Create(probe.get());
      for (const vcl::TPropInfo* p : vcl::GetPropList(c)) {
        vcl::TObject* sub = p->Kind() == vcl::tkClass ? vcl::GetObjectProp(c, p) : nullptr;
        if (sub && p->IsWritable() && !dynamic_cast<vcl::TComponent*>(sub))
          owned.push_back(p->Name);
      }
    }
    for (const std::string& name : owned) {
      SCOPED_TRACE(cls->ClassName() + "." + name);
      std::unique_ptr<vcl::TForm> fromHost, toHost;
      vcl::TComponent* from = NewOnHost(cls, fromHost);
      std::unique_ptr<vcl::TForm> keep = std::move(fromHost);  // one instance per host
      vcl::TComponent* to = nullptr;
      if (testsupport::ErrorOf<vcl::Exception>([&] { to = NewOnHost(cls, toHost); }) !=
          "<no error>")
        continue;  // a class of one instance per application
      vcl::TObject* source = vcl::GetObjectProp(from, name);
      std::vector<const vcl::TPropInfo*> values;
      for (const vcl::TPropInfo* q : vcl::GetPropList(source))
        if (q->Kind() != vcl::tkClass && q->Kind() != vcl::tkMethod && q->IsWritable())
          values.push_back(q);
      for (const vcl::TPropInfo* q : values)
        testsupport::ErrorOf<vcl::Exception>([&] { Change(keep.get(), source, q); });
      const std::string error = testsupport::ErrorOf<vcl::Exception>(
          [&] { vcl::SetObjectProp(to, vcl::FindPropInfo(to, name), source); });
      EXPECT_EQ(error, "<no error>");
      if (error != "<no error>") continue;
      vcl::TObject* got = vcl::GetObjectProp(to, name);
      ASSERT_NE(got, nullptr);
      EXPECT_NE(got, source) << "the component keeps an object of its own";
      for (const vcl::TPropInfo* q : values)
        if (!NotCopied().count(source->ClassName() + "." + q->Name)) {
          EXPECT_EQ(vcl::GetPropValue(got, q->Name), vcl::GetPropValue(source, q)) << q->Name;
        }
      ++checked;
    }
  }
  EXPECT_GT(checked, 100);
}

}  // namespace
