// What the package's round-trip sweeps share: every published value of a component changed
// through its property, read back as text, and the paths to them (a component's own simple
// values and events, and those of the persistent objects it owns, one level down).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/TypeInfo.h"

namespace packagetest {

// A value other than the current one, set through the property; false when none sticks.
bool ChangeOrdinal(vcl::TObject* obj, const vcl::TPropInfo* p);

// Sets the property of obj (a component on `form`, or an object it owns) to another value;
// returns the value's text, or "" when the property cannot take another value or is not
// written. A component it makes for a reference is called `RefName`.
std::string Change(vcl::TComponent* form, vcl::TObject* obj, const vcl::TPropInfo* p,
                   const std::string& RefName = "Ref");

// The text of a value: an event by its handler's name on the root, a reference by the name of
// the component it names.
std::string Read(vcl::TObject* obj, const vcl::TPropInfo* p, vcl::TComponent* root);

// Every property path of a new component (see above). With References, the paths of its
// references to other components instead: its own and those of the objects it owns.
std::vector<std::vector<std::string>> Paths(vcl::TComponent* c, bool References = false);

// The text of every value a component shows through the paths, where the value is stored (a
// value that a stored rule leaves out is measured again when the form is read), by "A.B".
std::map<std::string, std::string> Values(vcl::TComponent* c, vcl::TComponent* root,
                                          const std::vector<std::vector<std::string>>& paths);

}  // namespace packagetest
