// What the package's sweeps over published properties share: paths to a property through the
// persistent objects a component owns, a component of a class on a shown form that is painted
// with the virtual clock moved on, a form file holding one value, and a user's input on a
// shown form.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"

namespace packagetest {

// How deep the walks go into owned objects (a control's font, a bevel's caption's font).
constexpr int kOwnedDepth = 3;
// The virtual time a value is given for its timers to run.
constexpr uint64_t kTimerSpan = 100;

// A property's path from a component: the names of the owned objects, then the property's.
using Path = std::vector<std::string>;

// "Font.Name".
std::string Text(const Path& path);

// The object a path leads to (the last part names the property); nullptr when an owned object
// on the way is missing. A part "Panels[0]" stands for the first item of the collection Panels,
// which is added when the collection is empty.
vcl::TObject* Walk(vcl::TObject* obj, const Path& path);

bool IsForm(vcl::TClass cls);
// Whether the class is a control other than a form.
bool IsControlClass(vcl::TClass cls);

// Tells whether the sweep takes a property of an object.
using TPropFilter = std::function<bool(vcl::TObject* obj, const vcl::TPropInfo* p)>;

// The paths of the properties of `obj` that `take` accepts, and of those of the persistent
// objects it owns, `depth` levels down already (components it refers to are their own classes'
// business). With `items`, also those of the first item of each collection it owns (one is
// added to an empty collection).
void PropertyPaths(vcl::TObject* obj, const Path& prefix, int depth, const TPropFilter& take,
                   std::vector<Path>& paths, bool items = false);

// The paths `take` accepts on a new component of the class.
std::vector<Path> PropertyPathsOf(vcl::TClass cls, const TPropFilter& take, bool items = false);

// The registered component classes (the framework's and the package's) by name.
std::vector<vcl::TClass> ComponentClasses();

// A component of the class on a shown form (the form itself for form classes).
class TStage {
 public:
  explicit TStage(vcl::TClass cls);
  vcl::TComponent* Component() const { return component_; }
  vcl::TCustomForm* Form() const { return form_.get(); }
  // Paints the whole form, frames and children, and lets the timers run.
  void Paint();

 private:
  std::unique_ptr<vcl::TCustomForm> form_;
  vcl::TComponent* component_ = nullptr;
};

// Paints the whole of a shown form, frames and children, and lets the timers run.
void PaintShown(vcl::TCustomForm* form);

// Sets one value on an object; may raise the setter's error.
using TSetValue = std::function<void(vcl::TObject* target, const vcl::TPropInfo* p)>;

// A new component of the class (named X) with `set` applied at the path, in a form file; ""
// when the property refuses the value with the framework's error. `kept`, when given, is
// called on the component before the form is written.
std::string FormWith(vcl::TClass cls, const Path& path, const TSetValue& set,
                     const std::function<void(vcl::TComponent*)>& kept = {});

// A new root for reading a form file of the class (the component's own form class for a form,
// a plain form else).
std::unique_ptr<vcl::TCustomForm> NewRoot(vcl::TClass cls);

// The component X of a root read from a form file (the root itself for a form class).
vcl::TComponent* ReadComponent(vcl::TClass cls, vcl::TCustomForm* root);

// A user's click, drag and typing on the component of a shown form.
void TakeInput(vcl::TCustomForm* form, vcl::TComponent* c);

// Shows the form read from a form file and takes a user's input on the component, expecting
// no error but the framework's; false when the form got no window.
bool ShowAndTakeInput(vcl::TCustomForm* form, vcl::TComponent* c);

// Executes a dialog component (the framework's common dialogs and the library's); false for
// another component.
bool Execute(vcl::TComponent* c);

}  // namespace packagetest
