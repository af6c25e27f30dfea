// Several components selected together in the form designer, for every class the package
// registers: with a second component of its class, with a control, with a non-visual component
// and with both. The inspector shows the rows they share whose editors allow several, each
// value when all agree and blank when not; typing into a row or a sub-property's row sets all
// of them as one modification (or none); a row's dialog sets the result on all of them on OK
// and on none on Cancel; the component editor's verbs work on the first selected alone; copy,
// paste and delete take a container with its child once; and the form stream keeps it all.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "design/pZYLDesignUnits.h"
#include "design/pZYLRegister.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Clipbrd.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/designer/FormDesigner.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/DialogScript.h"
#include "tests/design/ComponentEditorTestSupport.h"
#include "tests/design/PropertyEditorsSupport.h"
#include "tests/support/DesignerDrivers.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempDir.h"

extern "C" const vcl::TPackageUnitTable* GetPackageInfoTable();

namespace zyl {
namespace {

using TSelection = std::vector<vcl::TPersistent*>;
using TRows = std::vector<std::unique_ptr<vcl::TPropertyEditor>>;

constexpr int kShards = 6;
// The partners each class is selected with, and the container of the edit commands.
constexpr char kControl[] = "TZYLButton";
constexpr char kNonVisual[] = "TZYLStopWatch";
constexpr char kContainer[] = "TZYLGroupBox";

// Rows in which a component of the class (or of a descendant) decides for itself, whatever is
// typed: not expected to agree with the others once typed.
struct TRowException {
  const char* Class;
  const char* Property;
  const char* Reason;
};
constexpr TRowException kNotAgreeing[] = {
    {"TZYLCustomComboBox", "Height", "its height follows its font"},
    {"TZYLStatusBar", "Top", "aligned to the bottom of its form"},
    {"TZYLStatusBar", "Width", "aligned to the bottom of its form"},
    {"TZYLAssistPage", "Width", "fills its assistant"},
    {"TZYLAssistPage", "Height", "fills its assistant"},
    {"TZYLRadioButton", "Checked", "checking one unchecks the others beside it"},
    {"TZYLSysInfo", "MemPhysFree", "the system's memory, read anew each time"},
    {"TZYLSysInfo", "MemPageFree", "the system's memory, read anew each time"},
    {"TZYLSysInfo", "MemVirtFree", "the system's memory, read anew each time"},
    {"TZYLSysInfo", "MemoryLoaded", "the system's memory, read anew each time"},
};

// Not typed: two controls given one alignment at once are read back in the order of the form
// stream, not in the order their places say.
constexpr char kAlignRow[] = "Align";

// Classes whose components do not read back as written, and why.
constexpr TRowException kNotReadBack[] = {
    // Its arrow button is placed when the edit is read or sized with a window: a form stream
    // holds the bounds the button had before.
    {"TZYLCustomExtSpinEdit", "", "the arrow button keeps its place from before"},
    // Its buttons likewise.
    {"TZYLAssist", "", "the buttons keep their places from before"},
};

bool IsA(vcl::TClass cls, const std::string& name) {
  for (; cls; cls = cls->ClassParent())
    if (cls->ClassName() == name) return true;
  return false;
}

bool Excepted(const TSelection& objects, const std::string& prop) {
  return std::any_of(std::begin(kNotAgreeing), std::end(kNotAgreeing), [&](const auto& e) {
    return prop == e.Property && std::any_of(objects.begin(), objects.end(),
                                             [&](auto* o) { return IsA(o->ClassType(), e.Class); });
  });
}

// The rows the inspector shows of the components, by name.
std::vector<std::string> Names(const TRows& rows) {
  std::vector<std::string> names;
  for (const auto& r : rows) names.push_back(r->GetName());
  return names;
}

// The row named Name of one component alone, nullptr when it shows none.
std::unique_ptr<vcl::TPropertyEditor> RowOf(vcl::IFormDesigner* d, vcl::TPersistent* c,
                                            const std::string& name) {
  for (auto& r : vcl::GetComponentProperties(d, c))
    if (r->GetName() == name) return std::move(r);
  return nullptr;
}

// What the inspector shows in the value column of a row of several.
std::string Shown(vcl::TPropertyEditor& row) { return row.AllEqual() ? row.GetValue() : ""; }

// The rows expected of a selection: each row the first shows that every other shows with the
// same editor, whose editor allows several; never a component's Name or TabOrder, which are its
// own.
std::vector<std::string> ExpectedRows(vcl::IFormDesigner* d, const TSelection& sel) {
  std::vector<std::string> names;
  for (const auto& first : vcl::GetComponentProperties(d, sel[0])) {
    const std::string name = first->GetName();
    bool shared =
        first->GetAttributes().contains(vcl::paMultiSelect) &&
        !((name == "Name" || name == "TabOrder") && dynamic_cast<vcl::TComponent*>(sel[0]));
    for (size_t i = 1; shared && i < sel.size(); ++i) {
      const auto own = RowOf(d, sel[i], name);
      shared = own && own->GetPropType() == first->GetPropType() && typeid(*own) == typeid(*first);
    }
    if (shared) names.push_back(name);
  }
  return names;
}

// The form streams of the selected components (of the components holding the objects).
std::vector<std::string> Streams(const std::vector<vcl::TComponent*>& holders) {
  std::vector<std::string> streams;
  for (vcl::TComponent* c : holders) streams.push_back(vcl::WriteComponentToBytes(c));
  return streams;
}

// Saves the form, frees its components (a program may hold one of a class at most) and reads
// the form back into another: each component listed reads back as it was written.
void ExpectReadBack(designtest::TInspectedForm& form, const std::vector<vcl::TComponent*>& listed) {
  std::vector<std::pair<std::string, std::string>> written;
  for (vcl::TComponent* c : listed)
    if (std::none_of(std::begin(kNotReadBack), std::end(kNotReadBack),
                     [&](const auto& e) { return IsA(c->ClassType(), e.Class); }))
      written.emplace_back(c->Name(), vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(c)));
  const std::string saved = vcl::WriteComponentToBytes(form.Form());
  form.Form()->DestroyComponents();
  designtest::TInspectedForm back;
  vcl::ReadComponentFromBytes(saved, back.Form());
  for (const auto& [name, text] : written) {
    vcl::TComponent* read = back.Form()->FindComponent(name);
    ASSERT_NE(read, nullptr) << name;
    EXPECT_EQ(vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(read)), text);
  }
}

// A designed form with a selection of new components of the classes given; empty when a class
// takes no second component on a form.
struct TSelected {
  designtest::TInspectedForm form;
  std::vector<vcl::TComponent*> components;
  TSelection Selection() const { return TSelection(components.begin(), components.end()); }
  bool Make(const std::vector<vcl::TClass>& classes) {
    try {
      for (vcl::TClass c : classes) components.push_back(form.Add(c));
    } catch (const vcl::Exception&) {
      return false;  // a class of which a form holds one component at most
    }
    vcl::TDesignerSelections list;
    for (vcl::TComponent* c : components) list.Add(c);
    form.Designer()->SetSelections(list);
    return true;
  }
  void ExpectRoundTrip() { ExpectReadBack(form, components); }
};

// The text a user types into a row of several: the first value offered that the first
// component does not hold, else what the last one holds, else what the first holds.
std::string TextFor(vcl::IFormDesigner* d, const TSelection& sel, vcl::TPropertyEditor& row) {
  const std::string first = RowOf(d, sel[0], row.GetName())->GetValue();
  std::vector<std::string> offered;
  if (row.GetAttributes().contains(vcl::paValueList))
    row.GetValues([&](const std::string& v) { offered.push_back(v); });
  for (const std::string& v : offered)
    if (v != first) return v;
  return RowOf(d, sel.back(), row.GetName())->GetValue();
}

// Checks the rows of the objects (components, or their settings objects) and types into each,
// then into the rows of their shared settings objects (one level down).
void CheckRows(TSelected& s, const TSelection& objects, bool subRows) {
  vcl::TFormDesigner* d = s.form.Designer();
  const TRows rows = vcl::GetSelectionProperties(d, objects);
  EXPECT_EQ(Names(rows), ExpectedRows(d, objects));
  for (const auto& row : rows) {
    const std::string name = row->GetName();
    SCOPED_TRACE(name);
    if (Excepted(objects, name)) continue;
    const vcl::TPropInfo* p = row->GetPropInfo();
    bool agree = true;
    for (vcl::TPersistent* o : objects)
      agree = agree && RowOf(d, o, name)->GetValue() == row->GetValue();
    // An object's value is the object itself: rows of objects that agree agree in every value.
    if (p->Kind() != vcl::tkClass) {
      EXPECT_EQ(Shown(*row), agree ? row->GetValue() : "");
    } else if (!agree) {
      EXPECT_EQ(Shown(*row), "");
    }
    const bool typed = !row->GetAttributes().contains(vcl::paReadOnly) || p->Kind() == vcl::tkSet;
    if (typed && p->Kind() != vcl::tkClass && p->Kind() != vcl::tkMethod && name != kAlignRow) {
      const std::string text = TextFor(d, objects, *row);
      const std::vector<std::string> before = Streams(s.components);
      d->ResetModified();
      try {
        row->SetValue(text);
      } catch (const vcl::Exception&) {
        // Refused: by all of them, none changed.
        EXPECT_TRUE(Streams(s.components) == before) << "refused " << text << " yet changed";
        continue;
      }
      EXPECT_EQ(d->ModifiedCount(), 1) << text;
      EXPECT_TRUE(row->AllEqual()) << text;
      for (vcl::TPersistent* o : objects)
        EXPECT_EQ(RowOf(d, o, name)->GetValue(), row->GetValue())
            << o->ClassName() << " <- " << text;
    }
    auto* value = p->Kind() == vcl::tkClass ? row->GetObjectValue() : nullptr;
    if (!subRows || !row->GetAttributes().contains(vcl::paSubProperties) || !value ||
        dynamic_cast<vcl::TComponent*>(value))
      continue;
    TSelection held;
    for (vcl::TPersistent* o : objects)
      if (auto* h = dynamic_cast<vcl::TPersistent*>(vcl::GetObjectProp(o, name))) held.push_back(h);
    CheckRows(s, held, false);
  }
}

// The package's classes, the design package's units and registrations, as a host has them.
class MultiSelection : public ::testing::TestWithParam<int> {
 protected:
  MultiSelection() {
    vcl::InitializePackage(ZYLDesignUnitTable());
    ZYLLoadDesignPackage();
  }
  ~MultiSelection() override {
    ZYLUnloadDesignPackage();
    vcl::FinalizePackage(ZYLDesignUnitTable());
    vcl::Clipboard()->Clear();
  }
  // This shard's classes.
  std::vector<vcl::TClass> Shard() const {
    std::vector<vcl::TClass> mine;
    for (size_t k = static_cast<size_t>(GetParam()); k < package_.Classes().size(); k += kShards)
      mine.push_back(package_.Classes()[k]);
    return mine;
  }
  // Runs Check on every selection each class of the shard is tried in (with one of its own
  // class, the control, the non-visual component, and both), then reads the form back;
  // answers how many selections were made.
  template <class F>
  int ForEachSelection(F Check) {
    vcl::TClass control = vcl::FindClass(kControl), other = vcl::FindClass(kNonVisual);
    int made = 0;
    for (vcl::TClass c : Shard())
      for (const std::vector<vcl::TClass>& classes : std::vector<std::vector<vcl::TClass>>{
               {c, c}, {c, control}, {c, other}, {c, control, other}}) {
        TSelected s;
        SCOPED_TRACE(c->ClassName() + " with " + classes.back()->ClassName());
        if (!s.Make(classes)) continue;
        ++made;
        Check(s);
        s.ExpectRoundTrip();
      }
    return made;
  }

  testsupport::TempDir dir_;
  testsupport::TEnvGuard registry_{"ZYL_REGISTRY_DIR", dir_.File("registry")};
  vt::TControlsSession session_;
  designtest::TPackageClasses package_;
};

TEST_P(MultiSelection, TheInspectorShowsAndSetsTheSharedRowsOfEverySelection) {
  EXPECT_GT(ForEachSelection([](TSelected& s) { CheckRows(s, s.Selection(), true); }), 40);
}

// The dialog of each row of several that opens one: Cancel changes none of them and reports
// nothing; OK sets what the dialog shows (the first's value) on all of them as one
// modification.
TEST_P(MultiSelection, ARowsDialogSetsAllOnOKAndNoneOnCancel) {
  int dialogs = 0;
  ForEachSelection([&](TSelected& s) {
    vcl::TFormDesigner* d = s.form.Designer();
    for (const auto& row : vcl::GetSelectionProperties(d, s.Selection())) {
      if (!row->GetAttributes().contains(vcl::paDialog)) continue;
      SCOPED_TRACE(row->GetName());
      const std::vector<std::string> before = Streams(s.components);
      d->ResetModified();
      {
        vt::TDialogScript script;
        designtest::CloseNextForm(script);
        EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { row->Edit(); }), "<no error>");
        if (script.Shown().empty()) continue;  // no dialog: the row steps through its values
      }
      ++dialogs;
      EXPECT_TRUE(Streams(s.components) == before) << "changed on Cancel";
      EXPECT_EQ(d->ModifiedCount(), 0);
      d->ResetModified();
      vt::TDialogScript script;
      script.Press("OK");
      EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { row->Edit(); }), "<no error>");
      EXPECT_EQ(d->ModifiedCount(), 1);
      EXPECT_TRUE(row->AllEqual());
      for (vcl::TPersistent* o : s.Selection())
        EXPECT_EQ(RowOf(d, o, row->GetName())->GetValue(), row->GetValue()) << o->ClassName();
    }
  });
  EXPECT_GT(dialogs, 10);
}

// The verb that sets CtlXP of every control on the form, as its caption says.
constexpr char kFormWideVerb[] = "Form: Update CtlXP property";

// The context menu of several selected components is the first one's editor's: each verb,
// answered with Cancel, leaves the others as they were.
TEST_P(MultiSelection, AVerbWorksOnTheFirstSelectedAlone) {
  for (vcl::TClass c : Shard()) {
    TSelected s;
    SCOPED_TRACE(c->ClassName());
    if (!s.Make({c, c, vcl::FindClass(kControl)})) continue;
    vt::TContextMenuDriver menu(s.components[0], s.form.Designer());
    const std::vector<std::string> verbs = menu.Verbs();
    for (size_t i = 0; i < verbs.size(); ++i) {
      if (verbs[i] == "-" || verbs[i] == kFormWideVerb) continue;
      SCOPED_TRACE(verbs[i]);
      const std::vector<std::string> before = Streams({s.components[1], s.components[2]});
      vt::TDialogScript script;
      for (int k = 0; k < 4; ++k) designtest::CloseNextForm(script);
      menu.Execute(static_cast<int>(i));
      EXPECT_TRUE(Streams({s.components[1], s.components[2]}) == before);
    }
    s.ExpectRoundTrip();
  }
}

// A selection of a container, a control inside it, a component of the class and a non-visual
// one: copied and pasted on another form, each comes once (the child inside the container);
// deleted, all go and a component that was not selected stays as it was, one modification.
TEST_P(MultiSelection, AMixedSelectionWithAContainerAndItsChildIsCopiedAndDeletedOnce) {
  for (vcl::TClass c : Shard()) {
    SCOPED_TRACE(c->ClassName());
    TSelected s;
    vcl::TClass control = vcl::FindClass(kControl);
    ASSERT_TRUE(s.Make({vcl::FindClass(kContainer), control, c, vcl::FindClass(kNonVisual)}));
    auto* box = static_cast<vcl::TWinControl*>(s.components[0]);
    static_cast<vcl::TControl*>(s.components[1])->SetParent(box);
    vcl::TComponent* bystander = s.form.Add(control);
    // Its place in the tab order moves up as the controls before it go.
    auto kept = designtest::SimpleProps(bystander);
    kept.erase("TabOrder");
    // The child is selected before its container.
    vcl::TDesignerSelections list;
    for (int i : {1, 0, 2, 3}) list.Add(s.components[static_cast<size_t>(i)]);
    s.form.Designer()->SetSelections(list);
    s.form.Designer()->EditAction(vcl::eaCopy);

    designtest::TInspectedForm target;
    target.Designer()->SelectComponent(target.Form());
    try {
      target.Designer()->EditAction(vcl::eaPaste);
    } catch (const vcl::EReadError&) {
      // a class of which a program holds one component at most
      EXPECT_EQ(target.Form()->ComponentCount(), 0);
      continue;
    }
    EXPECT_EQ(target.Form()->ComponentCount(), 4);
    for (vcl::TComponent* original : s.components) {
      vcl::TComponent* copy = target.Form()->FindComponent(original->Name());
      ASSERT_NE(copy, nullptr) << original->Name();
      EXPECT_EQ(copy->ClassType(), original->ClassType());
    }
    auto* child =
        dynamic_cast<vcl::TControl*>(target.Form()->FindComponent(s.components[1]->Name()));
    EXPECT_EQ(child->Parent(), target.Form()->FindComponent(box->Name()));
    vcl::TDesignerSelections pasted;
    target.Designer()->GetSelections(pasted);
    EXPECT_EQ(pasted.Count(), 3);
    s.form.Designer()->ResetModified();
    s.form.Designer()->EditAction(vcl::eaDelete);
    EXPECT_EQ(s.form.Form()->ComponentCount(), 1);
    EXPECT_EQ(s.form.Form()->Components(0), bystander);
    auto now = designtest::SimpleProps(bystander);
    now.erase("TabOrder");
    EXPECT_EQ(now, kept);
    EXPECT_EQ(s.form.Designer()->ModifiedCount(), 1);
    std::vector<vcl::TComponent*> copies;
    for (int i = 0; i < target.Form()->ComponentCount(); ++i)
      copies.push_back(target.Form()->Components(i));
    ExpectReadBack(target, copies);
  }
}

INSTANTIATE_TEST_SUITE_P(Shards, MultiSelection, ::testing::Range(0, kShards));

}  // namespace
}  // namespace zyl
