// What a user types into the object inspector, for every property the inspector shows of every
// class the library registers, each on a designed form through the editor the registrations
// give it: the shown value typed back, every offered value chosen, and texts no row may choke on.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "design/pZYLDsgnOptions.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/designer/DesignEditors.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/designer/FormDesigner.h"
#include "platform/testkit/ControlsSession.h"
#include "tests/design/PropertyEditorsSupport.h"
#include "tests/support/DesignerDrivers.h"

namespace zyl {
namespace {

namespace vt = vcl::testkit;

// One row of the inspector: a property of a component of the class.
struct TRow {
  vcl::TClass Class;
  std::string Property;
  std::string Where() const { return Class->ClassName() + "." + Property; }
};

// The component of one row, alone on a designed form "Form1" with, for a reference, one
// component of the first listed class that the reference may name; and the row's editor.
class TDesignedRow {
 public:
  TDesignedRow(const TRow& row, const std::vector<vcl::TClass>& classes) : row_(row) {
    Design(std::make_unique<vcl::TForm>(nullptr));
    form_->SetName("Form1");
    component_ = Add(row.Class);
    const vcl::TPropInfo* p = vcl::GetPropInfo(component_, row.Property);
    if (p->Kind() == vcl::tkClass) {
      vcl::TClass type = p->PropType->ClassType();
      auto target = std::find_if(classes.begin(), classes.end(),
                                 [&](vcl::TClass c) { return c->InheritsFrom(type); });
      if (type->InheritsFrom(vcl::TComponent::StaticClass()) && target != classes.end())
        Add(*target);
    }
    Inspect(component_);
  }
  // The form goes while it is designed, as a host closes a designed form.
  ~TDesignedRow() {
    inspect_.reset();
    form_.reset();
    designer_.reset();
  }
  vt::TInspectorDriver& Inspect() { return *inspect_; }
  vcl::TComponent* Component() const { return component_; }
  vcl::TFormDesigner* Designer() { return designer_.get(); }
  // The designed form as the designer writes it.
  std::string Stream() { return vcl::WriteComponentToBytes(form_.get()); }
  // Saves the form and opens it again, as a user reopening it: the row then edits the
  // component read back. False when the component was not read back.
  bool Reopen() {
    const std::string bytes = Stream();
    const std::string name = component_->Name();
    inspect_.reset();
    form_.reset();
    designer_.reset();
    Design(std::make_unique<vcl::TForm>(nullptr));
    vcl::ReadComponentFromBytes(bytes, form_.get());
    component_ = form_->FindComponent(name);
    if (!component_) return false;
    Inspect(component_);
    return true;
  }

 private:
  void Design(std::unique_ptr<vcl::TForm> form) {
    form_ = std::move(form);
    designer_ = std::make_unique<vcl::TFormDesigner>(form_.get());
  }
  vcl::TComponent* Add(vcl::TClass cls) {
    vcl::TComponent* c = cls->Create(form_.get());
    c->SetName(designer_->UniqueName(cls->ClassName()));
    if (auto* control = dynamic_cast<vcl::TControl*>(c)) control->SetParent(form_.get());
    return c;
  }
  void Inspect(vcl::TComponent* c) {
    inspect_ = std::make_unique<vt::TInspectorDriver>(
        designer_.get(), std::vector<vcl::TPersistent*>{c}, row_.Property);
  }

  TRow row_;
  std::unique_ptr<vcl::TForm> form_;
  std::unique_ptr<vcl::TFormDesigner> designer_;
  vcl::TComponent* component_ = nullptr;
  std::unique_ptr<vt::TInspectorDriver> inspect_;
};

// Rows whose value the system changes on its own between two readings (free memory): what
// they show is not compared with what was typed.
constexpr std::pair<const char*, const char*> kLive[] = {
    {"TZYLSysInfo", "MemPhysFree"},
    {"TZYLSysInfo", "MemPageFree"},
    {"TZYLSysInfo", "MemVirtFree"},
    {"TZYLSysInfo", "MemoryLoaded"},
};

bool Live(const TRow& row) {
  return std::any_of(std::begin(kLive), std::end(kLive), [&](const auto& live) {
    return row.Class->ClassName() == live.first && row.Property == live.second;
  });
}

// The refusals a row may answer a typed text with: the editors' errors, and the errors the
// components' own setters raise for values they do not take.
struct TRefusal {
  const char* Class;  // "" for any
  const char* Property;
  const char* Error;
};
constexpr TRefusal kRefusals[] = {
    {"", "", "EPropertyError"},
    {"", "", "EConvertError"},
    // A name that is no identifier, or taken.
    {"", "Name", "EComponentError"},
    // Options without any clock style.
    {"TZYLClock", "Options", "Exception"},
    // An index past the group's items.
    {"", "ItemIndex", "EListError"},
    // A connector that would show itself.
    {"TZYLImageListConnector", "ImageList", "EInvalidOperation"},
};

bool IsRefusal(const TRow& row, const vcl::Exception& e) {
  return std::any_of(std::begin(kRefusals), std::end(kRefusals), [&](const TRefusal& r) {
    return (!*r.Class || row.Class->ClassName() == r.Class) &&
           (!*r.Property || row.Property == r.Property) && std::string(e.ClassName()) == r.Error;
  });
}

// What typing a text came to: taken, refused (the error's class and message) or another
// exception (a fault, named in Fault).
struct TTyped {
  bool Taken = false;
  std::string Refusal;
  std::string Fault;
};

TTyped Type(const TRow& row, vt::TInspectorDriver& inspect, const std::string& text) {
  try {
    inspect.SetValue(text);
    return {true, "", ""};
  } catch (const vcl::Exception& e) {
    const std::string what = std::string(e.ClassName()) + ": " + e.Message();
    if (IsRefusal(row, e)) return {false, what, ""};
    return {false, "", what};
  } catch (const std::exception& e) {
    return {false, "", std::string("std::exception: ") + e.what()};
  }
}

// A text short enough for a failure message.
std::string Shown(const std::string& text) {
  return text.size() > 40 ? text.substr(0, 37) + "..." : "\"" + text + "\"";
}

// Every class the library's package registers, with the package's units started as a host
// starts them and the package's property editors registered; the rows the inspector shows of
// each (a new component of the class on a designed form).
class TypingIntoTheInspector : public ::testing::Test {
 protected:
  void SetUp() override {
    for (vcl::TClass c : package_.Classes()) {
      designtest::TInspectedForm form;
      for (const auto& editor : vcl::GetComponentProperties(form.Designer(), form.Add(c)))
        rows_.push_back({c, editor->GetName()});
    }
    for (const auto& live : kLive)
      EXPECT_TRUE(std::any_of(rows_.begin(), rows_.end(),
                              [&](const TRow& r) {
                                return r.Class->ClassName() == live.first &&
                                       r.Property == live.second;
                              }))
          << live.first << "." << live.second << " is no row";
  }
  // Whether the user types into the row: not into a read-only value, but into a set's text.
  static bool Typed(TDesignedRow& row) {
    const vcl::TPropertyEditor& editor = row.Inspect().Editor();
    return !row.Inspect().Attributes().contains(vcl::paReadOnly) ||
           editor.GetPropInfo()->Kind() == vcl::tkSet;
  }

  vt::TControlsSession session_;
  designtest::TPackageClasses package_;
  designtest::TPropertyEditorPackage editors_{ZYLEditorOptionsRegisterDefault};
  const std::vector<vcl::TClass>& classes_ = package_.Classes();
  std::vector<TRow> rows_;
};

// Typing the shown value back changes nothing: the value, the form's stream; the editor
// stores it and reports at most the one modification of a store.
TEST_F(TypingIntoTheInspector, TheShownValueTypedBackChangesNothing) {
  ASSERT_GT(classes_.size(), 80u);
  int typed = 0;
  for (const TRow& r : rows_) {
    SCOPED_TRACE(r.Where());
    TDesignedRow row(r, classes_);
    if (!Typed(row)) continue;
    ++typed;
    const std::string before = row.Stream();
    const std::string shown = row.Inspect().Value();
    row.Designer()->ResetModified();
    const TTyped t = Type(r, row.Inspect(), shown);
    EXPECT_TRUE(t.Taken) << Shown(shown) << ": " << t.Refusal << t.Fault;
    if (!Live(r)) {
      EXPECT_EQ(row.Inspect().Value(), shown);
    }
    EXPECT_TRUE(row.Stream() == before) << "the form changed";
    EXPECT_LE(row.Designer()->ModifiedCount(), 1);
  }
  EXPECT_GT(typed, 2000);
}

// Every value a row's list offers is taken, shown as offered, and survives the form's stream.
// Offered values a component does not take, or its form stream does not keep, as the
// component's description has it. Value "" stands for any value, "<itself>" for the
// component's own name.
struct TDeclined {
  const char* Class;  // and its descendants
  const char* Property;
  const char* Value;
  bool TakenUntilSaved;  // shown when set, gone when the form is opened again
};
constexpr TDeclined kDeclined[] = {
    // A button is pressed only with a group index.
    {"TZYLBaseGraphicButton", "Pressed", "True", false},
    // An animation without frames does not play; a running one is never written.
    {"TZYLAniCtrl", "Animate", "True", false},
    {"TZYLScrollText", "Scroll", "True", true},
    // The lock keys are the keyboard's: a toggle is shown once the keyboard input is handled.
    {"TZYLSysInfo", "NumLockState", "", false},
    {"TZYLSysInfo", "CapsLockState", "", false},
    {"TZYLSysInfo", "ScrollLockState", "", false},
    {"TZYLSysInfo", "PlusAvailable", "", false},
    // White is stored as black.
    {"TZYLShadowFill", "ShadowColor", "clWhite", false},
    // The options decide whether the menu is owner-drawn.
    {"TZYLPopupMenu", "OwnerDraw", "", false},
    // An image does not show itself, nor a wizard a page of another.
    {"TZYLNImage", "Control", "<itself>", false},
    {"TZYLImageListConnector", "ImageList", "<itself>", false},
    {"TZYLAssist", "ActivePage", "", false},
};

// Whether the class is the named one or descends from it.
bool IsA(vcl::TClass cls, const std::string& name) {
  for (; cls; cls = cls->ClassParent())
    if (cls->ClassName() == name) return true;
  return false;
}

const TDeclined* Declined(TDesignedRow& row, const TRow& r, const std::string& value) {
  for (const TDeclined& d : kDeclined) {
    const std::string want = d.Value;
    if (IsA(r.Class, d.Class) && r.Property == d.Property &&
        (want.empty() || want == value || (want == "<itself>" && value == row.Component()->Name())))
      return &d;
  }
  return nullptr;
}

// Every value a row's list offers is taken, shown as offered, and survives the form's stream.
TEST_F(TypingIntoTheInspector, EveryOfferedValueIsShownAsOfferedAndSurvivesTheStream) {
  int offered = 0;
  for (const TRow& r : rows_) {
    TDesignedRow row(r, classes_);
    if (!Typed(row) || !row.Inspect().Attributes().contains(vcl::paValueList)) continue;
    for (const std::string& value : row.Inspect().Values()) {
      SCOPED_TRACE(r.Where() + " <- " + Shown(value));
      ++offered;
      const TDeclined* declined = Declined(row, r, value);
      const TTyped t = Type(r, row.Inspect(), value);
      EXPECT_EQ(t.Fault, "");
      if (declined && !declined->TakenUntilSaved) continue;
      EXPECT_TRUE(t.Taken) << t.Refusal;
      EXPECT_EQ(row.Inspect().Value(), value);
      ASSERT_TRUE(row.Reopen());
      if (declined) continue;
      EXPECT_EQ(row.Inspect().Value(), value) << "after the form was saved and opened again";
    }
  }
  EXPECT_GT(offered, 1000);
}

// The texts a user may type into any row.
const std::vector<std::string>& HostileTexts() {
  static const std::vector<std::string> texts = {"",
                                                 "abc",
                                                 "99999999999999999999",
                                                 "-99999999999999999999",
                                                 "1e10",
                                                 " 12 ",
                                                 "$7FFFFFFF",
                                                 "$FFFFFFFFFF",
                                                 "nsNoSuchName",
                                                 "[bogus]",
                                                 "NoSuchComponent1",
                                                 "clRed",
                                                 "$00FF0000",
                                                 std::string(10000, 'x')};
  return texts;
}

// Any text is taken (and then the shown value types back to the same form) or refused with the
// inspector's error, the form as it was.
TEST_F(TypingIntoTheInspector, AnyTextIsTakenConsistentlyOrRefusedWithTheFormUnchanged) {
  int refused = 0;
  for (const TRow& r : rows_) {
    TDesignedRow row(r, classes_);
    if (!Typed(row)) continue;
    for (const std::string& text : HostileTexts()) {
      SCOPED_TRACE(r.Where() + " <- " + Shown(text));
      const std::string before = row.Stream();
      const TTyped t = Type(r, row.Inspect(), text);
      EXPECT_EQ(t.Fault, "");
      if (!t.Taken) {
        refused += t.Fault.empty();
        EXPECT_TRUE(row.Stream() == before) << "refused, yet the form changed: " << t.Refusal;
        continue;
      }
      const std::string shown = row.Inspect().Value();
      const std::string after = row.Stream();
      const TTyped again = Type(r, row.Inspect(), shown);
      EXPECT_TRUE(again.Taken) << Shown(shown) << ": " << again.Refusal << again.Fault;
      if (!Live(r)) {
        EXPECT_EQ(row.Inspect().Value(), shown);
      }
      EXPECT_TRUE(row.Stream() == after) << "the shown value typed back changed the form";
    }
  }
  EXPECT_GT(refused, 1000);
}

}  // namespace
}  // namespace zyl
