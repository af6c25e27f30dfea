// Image-list properties written with a form and read back: a list of the global container goes
// as the property's own identifier property, a list the form owns as a component reference.
// The caller keeps a controls session, the global container and the subject's class registered.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "foundation/ZYLCont.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"

namespace testsupport {

// What an image-list property holds.
enum class TListPick { None, GlobalImages, GlobalBitmaps, FormOwned };

// An image-list property and the stream property that names a global list in it; the property
// of an owned object is named by its path ("Caret.ImageList").
struct TListProperty {
  const char* Name;
  const char* Internal;
};

// The object that holds the property at Path below Subject, and the property's own name.
inline std::pair<vcl::TObject*, std::string> PropertyAt(vcl::TObject* Subject,
                                                        const std::string& Path) {
  const size_t dot = Path.rfind('.');
  if (dot == std::string::npos) return {Subject, Path};
  const auto [holder, name] = PropertyAt(Subject, Path.substr(0, dot));
  return {vcl::GetObjectProp(holder, name), Path.substr(dot + 1)};
}

inline vcl::TObject* GetListAt(vcl::TObject* Subject, const std::string& Path) {
  const auto [holder, name] = PropertyAt(Subject, Path);
  return vcl::GetObjectProp(holder, name);
}

inline void SetListAt(vcl::TObject* Subject, const std::string& Path, vcl::TObject* List) {
  const auto [holder, name] = PropertyAt(Subject, Path);
  vcl::SetObjectProp(holder, name, List);
}

// The form's own list of the subject is the form's component of this name.
inline constexpr const char* kFormListName = "FormImages";
inline constexpr const char* kSubjectName = "Subject";

// The list Pick names on a form whose own list is Own.
inline zyl::TZYLCustomImageList* PickedList(TListPick Pick, zyl::TZYLCustomImageList* Own) {
  switch (Pick) {
    case TListPick::GlobalImages: return zyl::ZYLContainer()->ImageList();
    case TListPick::GlobalBitmaps: return zyl::ZYLContainer()->BitmapList();
    case TListPick::FormOwned: return Own;
    case TListPick::None: break;
  }
  return nullptr;
}

// A form holding its own image list and a component of Class (a control is placed on it).
inline std::unique_ptr<vcl::TForm> FormWithSubject(vcl::TClass Class) {
  auto form = std::make_unique<vcl::TForm>(nullptr);
  form->SetName("ListForm");
  auto* own = new zyl::TZYLImageList(form.get());
  own->SetName(kFormListName);
  auto* subject = static_cast<vcl::TComponent*>(Class->Create(form.get()));
  subject->SetName(kSubjectName);
  if (auto* control = dynamic_cast<vcl::TControl*>(subject)) control->SetParent(form.get());
  return form;
}

// Every choice of lists for Count properties, the first property's choice changing slowest.
inline std::vector<std::vector<TListPick>> EveryPick(size_t Count) {
  constexpr TListPick all[] = {TListPick::None, TListPick::GlobalImages, TListPick::GlobalBitmaps,
                               TListPick::FormOwned};
  std::vector<std::vector<TListPick>> picks{{}};
  for (size_t i = 0; i < Count; ++i) {
    std::vector<std::vector<TListPick>> longer;
    for (const std::vector<TListPick>& start : picks)
      for (TListPick p : all) {
        longer.push_back(start);
        longer.back().push_back(p);
      }
    picks = std::move(longer);
  }
  return picks;
}

// A subject of Class whose properties hold the lists Picks names (one per property, in order)
// is written with its form and read into a new form: each global list is written as its
// property's identifier property and no reference, the form's own list as a reference and no
// identifier, and each property of the subject read back holds the same list as before.
inline void ExpectListsSurviveTheForm(vcl::TClass Class, const std::vector<TListProperty>& Props,
                                      const std::vector<TListPick>& Picks) {
  ASSERT_EQ(Props.size(), Picks.size());
  std::string bytes;
  {
    auto form = FormWithSubject(Class);
    auto* own = static_cast<zyl::TZYLCustomImageList*>(form->FindComponent(kFormListName));
    vcl::TComponent* subject = form->FindComponent(kSubjectName);
    for (size_t i = 0; i < Props.size(); ++i)
      SetListAt(subject, Props[i].Name, PickedList(Picks[i], own));
    bytes = vcl::WriteComponentToBytes(form.get());
  }
  const std::string text = vcl::ObjectBinaryToTextString(bytes);
  SCOPED_TRACE(text);
  // Whether a property line of the subject starts with Start (is Start, with Whole).
  const auto line = [&](const std::string& Start, bool Whole = false) {
    std::istringstream lines(text);
    for (std::string l; std::getline(lines, l);) {
      if (!l.empty() && l.back() == '\r') l.pop_back();
      if (l.rfind("    " + Start, 0) == 0 && (!Whole || l.size() == Start.size() + 4)) return true;
    }
    return false;
  };
  for (size_t i = 0; i < Props.size(); ++i) {
    const std::string reference = std::string(Props[i].Name) + " = ";
    const std::string ident = std::string(Props[i].Internal) + " = ";
    zyl::TZYLCustomImageList* global = PickedList(Picks[i], nullptr);
    SCOPED_TRACE(Props[i].Name);
    EXPECT_EQ(line(reference + kFormListName, true), Picks[i] == TListPick::FormOwned);
    EXPECT_EQ(line(reference), Picks[i] == TListPick::FormOwned);
    EXPECT_EQ(line(ident + "'" + zyl::ZYLGlobalIdent(global) + "'", true), global != nullptr);
    EXPECT_EQ(line(ident), global != nullptr);
  }

  vcl::TForm back(nullptr);
  vcl::ReadComponentFromBytes(bytes, &back);
  vcl::TComponent* subject = back.FindComponent(kSubjectName);
  auto* own = dynamic_cast<zyl::TZYLCustomImageList*>(back.FindComponent(kFormListName));
  ASSERT_NE(subject, nullptr);
  ASSERT_NE(own, nullptr);
  for (size_t i = 0; i < Props.size(); ++i)
    EXPECT_EQ(GetListAt(subject, Props[i].Name), PickedList(Picks[i], own)) << Props[i].Name;
}

// ExpectListsSurviveTheForm for every choice of lists in Props.
inline void ExpectEveryPickSurvivesTheForm(vcl::TClass Class,
                                           const std::vector<TListProperty>& Props) {
  for (const std::vector<TListPick>& picks : EveryPick(Props.size())) {
    std::string shown;
    for (TListPick p : picks) shown += " " + std::to_string(static_cast<int>(p));
    SCOPED_TRACE(Class->ClassName() + " picks" + shown);
    ExpectListsSurviveTheForm(Class, Props, picks);
  }
}

// A form whose subject of Class names, in Prop's identifier property, a list the global
// container does not have reads without an error and leaves the property without a list.
inline void ExpectUnknownIdentReadsAsNone(vcl::TClass Class, const TListProperty& Prop) {
  for (const char* unknown : {"ZYLWVL30", "ZYLSLL30", "", "no list"}) {
    SCOPED_TRACE(unknown);
    const std::string text = std::string("object ListForm: TForm\n") + "  object " + kSubjectName +
                             ": " + Class->ClassName() + "\n" + "    " + Prop.Internal + " = '" +
                             unknown + "'\n" + "  end\nend\n";
    vcl::TForm back(nullptr);
    EXPECT_NO_THROW(vcl::ReadComponentFromBytes(vcl::ObjectTextToBinaryString(text), &back));
    vcl::TComponent* subject = back.FindComponent(kSubjectName);
    ASSERT_NE(subject, nullptr);
    EXPECT_EQ(GetListAt(subject, Prop.Name), nullptr);
  }
}

}  // namespace testsupport
