// Assigning one component to another of its class, over every registered class whose Assign
// copies more than the framework's: a source with every published value changed is assigned to
// a new component, which takes the values its class's Assign names and keeps the rest (its
// objects stay its own), exactly as a twin made beside it that was not assigned.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "buttons/ZYLButtonControl.h"
#include "buttons/ZYLCustomBevelPanel.h"
#include "buttons/ZYLCustomPanelFill.h"
#include "buttons/ZYLGroupBox.h"
#include "display/ZYLCustomGraphicLabel.h"
#include "display/ZYLCustomTrackBar.h"
#include "foundation/ZYLCustomControl.h"
#include "platform/classes/Component.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Graphics.h"
#include "tests/package/PackageFixture.h"
#include "tests/support/ErrorOf.h"

namespace {

// What the Assign of one class copies: the published names (an owned object's name stands for
// all of its values), and whether the ancestors' Assign runs too.
struct TCopyRow {
  vcl::TClass Class;
  bool Inherited;
  std::vector<std::string> Copies;
};

const std::vector<TCopyRow>& CopyRows() {
  static const std::vector<TCopyRow> rows = {
      // The windowed controls' common look and their references.
      {zyl::TZYLCustomControl::StaticClass(),
       true,
       {"Transparent", "Flat", "CtlXP", "ImageList", "ImageIndex", "ListIndex", "BackFX",
        "FaceController"}},
      {zyl::TZYLCustomBevelPanel::StaticClass(), true, {"Bevel"}},
      {zyl::TZYLCustomPanelFill::StaticClass(), true, {"FillObject", "FontFX", "Alignment"}},
      {zyl::TZYLButtonControl::StaticClass(), true, {"Alignment", "Font3D"}},
      {zyl::TZYLCustomGroupBox::StaticClass(), true, {"CaptionFont", "CaptionFont3D"}},
      // The layout of the letters, AutoSize last; not the caption, the inversion, the
      // background colour or the bevel.
      {zyl::TZYLCustomGraphicLabel::StaticClass(),
       false,
       {"FontFX", "Font", "FillObject", "Attributes", "Perspective", "Transform",
        "PerspectiveDepth", "Toggle", "Factor", "AutoSize"}},
      // The value and the look; not the margins, the track's colour and border style, the
      // timer or the image list.
      {zyl::TZYLCustomTrackBar::StaticClass(),
       false,
       {"TrackFillObject",
        "TrackTransparent",
        "ThumbStyle",
        "FocusColor",
        "FocusStyle",
        "Thumb",
        "PageSize",
        "TickLength",
        "ThumbColor",
        "MinValue",
        "MaxValue",
        "TrackWidth",
        "LineSize",
        "Orientation",
        "Position",
        "TickColor",
        "TickMarks",
        "TickStyle",
        "TrackBorder",
        "UseFocusColor",
        "Transparent",
        "BackFX",
        "Cursor",
        "Enabled",
        "Font",
        "Color"}},
  };
  return rows;
}

// The names the Assign of Cls copies, through its ancestors' rows while they run; false when
// no row covers the class.
bool CopiedBy(vcl::TClass Cls, std::set<std::string>& Names) {
  bool covered = false;
  for (vcl::TClass c = Cls; c; c = c->ClassParent()) {
    for (const TCopyRow& row : CopyRows()) {
      if (row.Class != c) continue;
      covered = true;
      Names.insert(row.Copies.begin(), row.Copies.end());
      if (!row.Inherited) return true;
    }
  }
  return covered;
}

// Values that follow a copied one by the framework's or the class's own rule: a font given to a
// control is its own (ParentFont off), so is a colour (ParentColor off), and AutoSize measures
// the size again.
const std::map<std::string, std::vector<std::string>>& Follows() {
  static const std::map<std::string, std::vector<std::string>> rules = {
      {"Font", {"ParentFont"}},
      {"Color", {"ParentColor"}},
      {"AutoSize", {"Width", "Height"}},
      // An auto-sized edit measures its height with the bevel's extent.
      {"Bevel", {"Width", "Height"}},
      // An angled caption needs a font that turns: one that does not is switched to one that
      // does, and an auto-sized control measures the turned caption again.
      {"FontFX", {"Font", "ParentFont", "Width", "Height"}},
  };
  return rules;
}

// A fitting component of a registered class (not a control) for a reference, made on Form.
vcl::TComponent* MakeReference(vcl::TComponent* Form, vcl::TClass Want, const std::string& Name) {
  for (vcl::TClass c : vcl::RegisteredClasses()) {
    if (!c->InheritsFrom(Want) || c->FactoryKind() != vcl::fkComponent ||
        c->InheritsFrom(vcl::TControl::StaticClass()))
      continue;
    vcl::TComponent* ref = c->Create(Form);
    ref->SetName(Name);
    return ref;
  }
  return nullptr;
}

// Sets the property to a value other than its current one where it takes one.
void ChangeValue(vcl::TComponent* Form, vcl::TObject* Obj, const vcl::TPropInfo* P, int& Refs) {
  switch (P->Kind()) {
    case vcl::tkEnumeration:
    case vcl::tkSet:
    case vcl::tkInteger:
    case vcl::tkChar: {
      const int64_t was = vcl::GetOrdProp(Obj, P);
      std::vector<int64_t> tries = {was + 3, was - 3, was + 1, was - 1, 1, 0};
      if (P->Kind() == vcl::tkEnumeration)
        tries = {P->PropType->MaxValue, P->PropType->MinValue + 1, P->PropType->MinValue};
      if (P->Kind() == vcl::tkSet)
        for (int64_t bit = P->PropType->CompType->MaxValue; bit >= P->PropType->CompType->MinValue;
             --bit)
          tries.insert(tries.begin(), was ^ (int64_t{1} << bit));
      for (int64_t v : tries) {
        if (v == was) continue;
        testsupport::ErrorOf<vcl::Exception>([&] { vcl::SetOrdProp(Obj, P, v); });
        if (vcl::GetOrdProp(Obj, P) != was) return;
      }
      return;
    }
    case vcl::tkFloat: vcl::SetFloatProp(Obj, P, vcl::GetFloatProp(Obj, P) + 1.5); return;
    case vcl::tkString:
    case vcl::tkLString:
    case vcl::tkWString: vcl::SetStrProp(Obj, P, vcl::GetStrProp(Obj, P) + "Qx"); return;
    case vcl::tkClass: {
      vcl::TClass want = P->PropType->ClassType();
      if (!want || !want->InheritsFrom(vcl::TComponent::StaticClass())) return;
      if (vcl::TComponent* ref = MakeReference(Form, want, "Ref" + std::to_string(++Refs)))
        testsupport::ErrorOf<vcl::Exception>([&] { vcl::SetObjectProp(Obj, P, ref); });
      return;
    }
    default: return;
  }
}

bool IsOwnedObject(vcl::TObject* Obj, const vcl::TPropInfo* P) {
  if (P->Kind() != vcl::tkClass) return false;
  vcl::TObject* sub = vcl::GetObjectProp(Obj, P);
  return sub && !dynamic_cast<vcl::TComponent*>(sub);
}

// Every published value of C as text by dotted name, one level into its owned objects; a
// reference to a component as the component's name.
std::map<std::string, std::string> Values(vcl::TComponent* C) {
  std::map<std::string, std::string> values;
  for (const vcl::TPropInfo* p : vcl::GetPropList(C)) {
    if (p->Kind() == vcl::tkMethod || p->Name == "Name") continue;
    if (IsOwnedObject(C, p)) {
      vcl::TObject* sub = vcl::GetObjectProp(C, p);
      for (const vcl::TPropInfo* q : vcl::GetPropList(sub))
        if (q->Kind() != vcl::tkClass && q->Kind() != vcl::tkMethod)
          values[p->Name + "." + q->Name] = vcl::GetPropValue(sub, q);
    } else if (p->Kind() == vcl::tkClass) {
      auto* ref = dynamic_cast<vcl::TComponent*>(vcl::GetObjectProp(C, p));
      values[p->Name] = ref ? ref->Name() : "nil";
    } else {
      values[p->Name] = vcl::GetPropValue(C, p);
    }
  }
  return values;
}

bool IsPicture(vcl::TClass Cls, const std::string& Name) {
  const vcl::TPropInfo* p = vcl::GetPropInfo(Cls, Name);
  return p->Kind() == vcl::tkClass && p->PropType->ClassType() &&
         p->PropType->ClassType()->InheritsFrom(vcl::TGraphic::StaticClass());
}

// The owned objects C publishes, by name.
std::map<std::string, vcl::TObject*> OwnedObjects(vcl::TComponent* C) {
  std::map<std::string, vcl::TObject*> owned;
  for (const vcl::TPropInfo* p : vcl::GetPropList(C))
    if (IsOwnedObject(C, p)) owned[p->Name] = vcl::GetObjectProp(C, p);
  return owned;
}

vcl::TComponent* NewOn(vcl::TClass Cls, vcl::TForm* Form, const std::string& Name) {
  vcl::TComponent* c = Cls->Create(Form);
  c->SetName(Name);
  if (auto* control = dynamic_cast<vcl::TControl*>(c)) control->SetParent(Form);
  return c;
}

// A source with every published value changed (in published order, then its owned objects'),
// on a form of its own.
vcl::TComponent* ChangedSource(vcl::TClass Cls, vcl::TForm* Form) {
  vcl::TComponent* src = NewOn(Cls, Form, "Source");
  int refs = 0;
  for (const vcl::TPropInfo* p : vcl::GetPropList(src)) {
    // The parent's colour and font are left off, so that the control's own stay.
    if (p->Kind() == vcl::tkMethod || p->Name == "Name" || p->Name == "Action" ||
        p->Name == "ParentColor" || p->Name == "ParentFont")
      continue;
    if (IsOwnedObject(src, p)) {
      vcl::TObject* sub = vcl::GetObjectProp(src, p);
      for (const vcl::TPropInfo* q : vcl::GetPropList(sub))
        if (q->Kind() != vcl::tkClass && q->Kind() != vcl::tkMethod && q->IsWritable())
          ChangeValue(Form, sub, q, refs);
    } else if (p->IsWritable()) {
      ChangeValue(Form, src, p, refs);
    }
  }
  return src;
}

// The part of a dotted name before the dot.
std::string Head(const std::string& Name) { return Name.substr(0, Name.find('.')); }

using ComponentAssign = packagetest::TPackageFixture<>;

// Runs `check` on each of the classes that is a component whose Assign copies something, with
// the names it copies, under a trace of the class's name; answers how many it ran on.
template <class F>
int ForEachCopyingClass(const std::vector<vcl::TClass>& classes, F&& check) {
  int count = 0;
  for (vcl::TClass cls : classes) {
    std::set<std::string> copied;
    if (cls->FactoryKind() != vcl::fkComponent || !CopiedBy(cls, copied)) continue;
    SCOPED_TRACE(cls->ClassName());
    ++count;
    check(cls, copied);
  }
  return count;
}

TEST_F(ComponentAssign, TakesWhatItsClassCopiesAndKeepsTheRest) {
  const int classes =
      ForEachCopyingClass(registered_, [&](vcl::TClass cls, const std::set<std::string>& copied) {
        std::unique_ptr<vcl::TForm> srcForm(new vcl::TForm(nullptr));
        std::unique_ptr<vcl::TForm> form(new vcl::TForm(nullptr)),
            twinForm(new vcl::TForm(nullptr));
        vcl::TComponent* src = ChangedSource(cls, srcForm.get());
        vcl::TComponent* dst = NewOn(cls, form.get(), "X");
        vcl::TComponent* twin = NewOn(cls, twinForm.get(), "X");
        const std::map<std::string, vcl::TObject*> ownedBefore = OwnedObjects(dst);
        dst->Assign(src);

        std::set<std::string> follows;
        for (const std::string& name : copied)
          if (auto it = Follows().find(name); it != Follows().end())
            follows.insert(it->second.begin(), it->second.end());
        std::map<std::string, std::string> from = Values(src), fresh = Values(twin);
        std::set<std::string> seen;  // the copied names whose values the copy changed
        for (const auto& [name, value] : Values(dst)) {
          if (follows.count(Head(name)) && !copied.count(Head(name))) continue;
          if (copied.count(Head(name))) {
            EXPECT_EQ(value, from[name]) << name << " is copied";
            if (value != fresh[name]) seen.insert(Head(name));
          } else
            EXPECT_EQ(value, fresh[name]) << name << " stays the receiver's";
        }
        // Every copied value the class publishes was changed in the source and arrived (but a
        // picture, which the values here do not show).
        for (const std::string& name : copied)
          if (vcl::GetPropInfo(cls, name) && !IsPicture(cls, name)) {
            EXPECT_EQ(seen.count(name), 1u) << name << " was not changed by the copy";
          }
        // An object the receiver had is kept; one it makes for a copy is its own too.
        for (const auto& [name, object] : OwnedObjects(dst)) {
          if (auto it = ownedBefore.find(name); it != ownedBefore.end()) {
            EXPECT_EQ(object, it->second) << name << " is the receiver's own object";
          }
          EXPECT_NE(object, vcl::GetObjectProp(src, name)) << name;
        }
        // The components the source referred to, freed with it, are no longer referred to by the
        // receiver, which still shows and paints.
        srcForm.reset();
        for (const vcl::TPropInfo* p : vcl::GetPropList(dst)) {
          if (p->Kind() != vcl::tkClass || IsOwnedObject(dst, p)) continue;
          auto* ref = dynamic_cast<vcl::TComponent*>(vcl::GetObjectProp(dst, p));
          if (!ref || ref->Owner() != dst) {
            EXPECT_EQ(ref, nullptr) << p->Name;  // not its own part
          }
        }
        form->Show();
        form->Repaint();
      });
  EXPECT_GT(classes, 30);
}

// A component assigned to itself stays as it was; nothing, or an object that is no component
// of a fitting class, is refused with the framework's assignment error and changes nothing.
TEST_F(ComponentAssign, RefusesWhatItCannotTakeAndIgnoresItself) {
  const int classes = ForEachCopyingClass(registered_, [&](vcl::TClass cls,
                                                           const std::set<std::string>&) {
    std::unique_ptr<vcl::TForm> form(new vcl::TForm(nullptr));
    vcl::TComponent* c = ChangedSource(cls, form.get());
    const std::map<std::string, std::string> before = Values(c);
    EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { c->Assign(c); }), "<no error>");
    EXPECT_EQ(Values(c), before);
    vcl::TFont font;
    const struct {
      vcl::TPersistent* Source;
      std::string Error;
    } refused[] = {{nullptr, "Cannot assign a nil to a " + cls->ClassName()},
                   {&font, "Cannot assign a TFont to a " + cls->ClassName()}};
    for (const auto& r : refused) {
      EXPECT_EQ(testsupport::ErrorOf<vcl::EConvertError>([&] { c->Assign(r.Source); }), r.Error);
      EXPECT_EQ(Values(c), before);
    }
  });
  EXPECT_GT(classes, 30);
}

// An object owned by an object a component owns (the bevel of a scroll bar's settings, the alpha
// of a back effect ...), given through its property, is copied into the holder's own object:
// every published value arrives and the holder keeps its object. Over every registered class.
TEST_F(ComponentAssign, ObjectsInsideOwnedObjectsAreCopiedWhenSet) {
  std::set<std::string> checked;
  for (vcl::TClass cls : registered_) {
    if (cls->FactoryKind() != vcl::fkComponent) continue;
    std::unique_ptr<vcl::TForm> form(new vcl::TForm(nullptr)), srcForm(new vcl::TForm(nullptr));
    vcl::TComponent* c = nullptr;
    vcl::TComponent* src = nullptr;
    if (testsupport::ErrorOf<vcl::Exception>([&] {
          c = NewOn(cls, form.get(), "X");
          src = NewOn(cls, srcForm.get(), "X");
        }) != "<no error>")
      continue;  // a class of one instance per application
    for (const auto& [outer, holder] : OwnedObjects(c)) {
      vcl::TObject* srcHolder = vcl::GetObjectProp(src, outer);
      for (const vcl::TPropInfo* q : vcl::GetPropList(holder)) {
        if (!q->IsWritable() || !IsOwnedObject(holder, q)) continue;
        const std::string name = cls->ClassName() + "." + outer + "." + q->Name;
        SCOPED_TRACE(name);
        vcl::TObject* own = vcl::GetObjectProp(holder, q);
        vcl::TObject* given = vcl::GetObjectProp(srcHolder, q->Name);
        ASSERT_NE(given, nullptr);
        int refs = 0;
        std::vector<const vcl::TPropInfo*> values;
        for (const vcl::TPropInfo* v : vcl::GetPropList(given))
          if (v->Kind() != vcl::tkClass && v->Kind() != vcl::tkMethod && v->IsWritable()) {
            values.push_back(v);
            ChangeValue(srcForm.get(), given, v, refs);
          }
        EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>(
                      [&, h = holder] { vcl::SetObjectProp(h, q, given); }),
                  "<no error>");
        EXPECT_EQ(vcl::GetObjectProp(holder, q), own) << "the holder keeps its own object";
        for (const vcl::TPropInfo* v : values)
          EXPECT_EQ(vcl::GetPropValue(own, v->Name), vcl::GetPropValue(given, v)) << v->Name;
        checked.insert(name);
      }
    }
  }
  // Among them the settings objects of the memo's scroll bars and the edits' back effects.
  for (const char* path :
       {"TZYLMemo.HorizScrollBar.Back", "TZYLMemo.VertScrollBar.Bevel", "TZYLEdit.BackFX.Alpha"})
    EXPECT_EQ(checked.count(path), 1u) << path;
}

}  // namespace
