// More kinds of verb for the component editors of pZYLCE: the caption, the image-list pick and
// the strings of a list property that may already be open in the code editor.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "design/pZYLCE.h"
#include "platform/base/Exceptions.h"
#include "platform/rtl/Consts.h"

namespace vcl {
class IFormDesigner;
}

namespace zyl {

class TZYLCustomImageList;

// The image picker the image-list verbs call: seeded with the component's list and indices, it
// answers them changed and true when the developer confirmed. The package's picker is set once
// its unit is entered; until a picker is set the verbs raise EPropertyError. Setting one answers
// the picker set before.
using TZYLImageListPicker =
    std::function<bool(vcl::IFormDesigner* Designer, TZYLCustomImageList*& List,
                       uint16_t& ListIndex, uint16_t& ImageIndex)>;
TZYLImageListPicker ZYLSetImageListPicker(TZYLImageListPicker Picker);

// Which property an image-list verb stores first when the picker was confirmed.
enum class TZYLImageStore {
  ListFirst,     // the list, then the list index, then the image index
  IndicesFirst,  // the list index, the image index, then the list
  ListOnly,      // the list alone; the chosen indices are dropped
  ListTwice,     // the list, the list index, the list again, then the image index
};

// Image list: Caption; picks an image of the list property ListProp at the indices ListIndexProp
// and ImageIndexProp and stores what was chosen in Store's order. Reported when confirmed, and
// also when cancelled if ReportCancel is set. Without an ImageIndexProp the picker is seeded with
// image 0 and the chosen image index is dropped.
TZYLVerb ZYLImageListVerb(const std::string& Caption, const std::string& ListProp,
                          const std::string& ListIndexProp, const std::string& ImageIndexProp,
                          TZYLImageStore Store, bool ReportCancel);
// The same on ImageList, ListIndex and ImageIndex, the list stored first.
TZYLVerb ZYLImageListVerb(const std::string& Caption = "ImageList", bool ReportCancel = true);

// The name of the code-editor module that holds the strings of Component's list: the root's
// name, the component's name and Suffix (".Items"), joined by dots.
std::string ZYLStringsModuleName(vcl::IFormDesigner* Designer, vcl::TComponent* Component,
                                 const std::string& Suffix);
// Strings: Caption; when the code editor already holds the module of the list property Prop
// (ZYLStringsModuleName with Suffix) and it has a file, that file's editor comes to the front
// and a modification is reported; otherwise the strings editor edits the list, reported when
// it answers true.
TZYLVerb ZYLCodeStringsVerb(const std::string& Caption, const std::string& Prop,
                            const std::string& Suffix);

// Value pick: "<Prop>"; the property is set to what Pick answers for its current value (the
// chosen value, or the current one when cancelled); always reported.
TZYLVerb ZYLValuePickVerb(const std::string& Prop, const std::function<int64_t(int64_t)>& Pick);
// Date-time format: Caption; the format launcher edits a copy of the string property Prop,
// which takes the edited text only when the launcher answers true (and only then is reported).
TZYLVerb ZYLDateTimeFormatVerb(const std::string& Caption, const std::string& Prop);

// A verb table built in menu order: every verb given is offered (the component publishes each
// property a verb works on).
class TZYLVerbMenu {
 public:
  TZYLVerbMenu& Add(TZYLVerb Verb);
  TZYLVerbMenu& Settings(const std::string& Prop) { return Add(ZYLSettingsVerb(Prop)); }
  TZYLVerbMenu& Toggle(const std::string& Prop) { return Add(ZYLToggleVerb(Prop)); }
  TZYLVerbMenu& Color(const std::string& Prop = "Color") { return Add(ZYLColorVerb(Prop)); }
  TZYLVerbMenu& Caption() { return Add(ZYLCaptionVerb()); }
  TZYLVerbMenu& ValueChoice(const std::string& Prop) { return Add(ZYLValueChoiceVerb(Prop)); }
  // "CtlXP [..]", "-", "Form: Update CtlXP property".
  TZYLVerbMenu& Themes();
  TZYLVerbs Take() { return std::move(verbs_); }

 private:
  TZYLVerbs verbs_;
};

// Toggle on Prop whose caption is Label (rather than the property's name) followed by the
// BoolStr entry of the property's value.
TZYLVerb ZYLToggleVerbAs(const std::string& Prop, const std::string& Label);

// The editor's component as T, or the platform's invalid-cast error.
template <class T>
T* ZYLComponentAs(vcl::TComponentEditor& Editor) {
  auto* c = dynamic_cast<T*>(Editor.Component());
  if (!c) throw vcl::EInvalidCast(vcl::SInvalidCast);
  return c;
}

}  // namespace zyl
