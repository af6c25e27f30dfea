// What every object editor form shares: its layout is a form text embedded in the package under
// the form's class name (read by the form reader as the form's own stream), its controls are
// published fields bound by name, and it runs as a modal form on a working copy that only OK
// copies back into the edited object.
#pragma once

#include <memory>
#include <string>

#include "platform/controls/Forms.h"

namespace zyl {

// Registers the layout text of an editor form class (once; again replaces it).
void ZYLRegisterEditorLayout(const char* FormClass, const char* Layout);
void ZYLUnregisterEditorLayout(const char* FormClass);

// Creates the form and reads its layout; EResNotFound naming the class when it has none.
vcl::TCustomForm* ZYLLoadEditorForm(vcl::TCustomForm* Form);
template <class T>
std::unique_ptr<T> ZYLCreateEditorForm(vcl::TComponent* Owner) {
  std::unique_ptr<T> form(new T(Owner));
  ZYLLoadEditorForm(form.get());
  return form;
}

// Shows the form modally; true exactly when it was left with OK.
bool ZYLRunEditorForm(vcl::TCustomForm* Form);

// Counts the entries of the editor units (each unit's initialization adds one, its
// finalization takes it back).
int ZYLEditorUnitEntries();
void ZYLEnterEditorUnit();
void ZYLLeaveEditorUnit();

}  // namespace zyl
