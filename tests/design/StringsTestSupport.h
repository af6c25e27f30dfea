// Shared steps of the tests of the string editing forms and the about form: the units their
// controls come from, and a run of the strings editor form on a list with one scripted answer.
#pragma once

#include <functional>
#include <string>

#include "tests/design/EditorTestSupport.h"

namespace zyl {
class TZYLFrmStringEditor;
}

namespace zyl::designtest {

// The editor units, and the units of the controls and forms of the string editing forms and
// the about form.
class TStringsUnits {
 public:
  TStringsUnits();
  ~TStringsUnits();

 private:
  TEditorUnits editors_;
};

// Scripts one answer to the strings editor: `steps` on the form, then it is left as `ending`
// says (OK and Cancel through its own buttons).
void AnswerStringsEditor(vcl::testkit::TDialogScript& script,
                         const std::function<void(TZYLFrmStringEditor*)>& steps, TEnding ending);

}  // namespace zyl::designtest
