// Shared steps of the editor form tests: the library units the forms are made of, the form
// stream of an edited object's holder, and the ways a user leaves a modal editor form.
#pragma once

#include <functional>
#include <string>

#include "platform/controls/Forms.h"
#include "tests/support/ControlsSession.h"
#include "tests/support/DialogScript.h"
#include "tests/support/TestKit.h"

namespace zyl::designtest {

// Starts the application object and the units of the controls the editor forms use, and the
// editor units; stops them again.
class TEditorUnits {
 public:
  TEditorUnits();
  ~TEditorUnits();
};

// How a test leaves the editor after its changes.
enum class TEnding { Ok, Cancel, CloseBox, Escape, Exception, Unanswered };
const char* EndingName(TEnding e);

// Scripts one answer to the editor form: `change` runs on the form through its controls, then
// the form is left as `ending` says (Unanswered leaves it open, which the script reports); Ok
// and Cancel click the buttons of those names.
void AnswerEditor(vcl::testkit::TDialogScript& script,
                  const std::function<void(vcl::TCustomForm*)>& change, TEnding ending,
                  const std::string& okButton = "btOK",
                  const std::string& cancelButton = "btCancel");

// Clicks the close box of a top-level window (found by hit-testing its caption).
void ClickCloseBox(win::HWND wnd);

// Selects a combo box's item from the keyboard as a user tabbing to it would: focus, Home,
// then Down to the item; EDialogScript when the box has no such item.
void ChooseComboItem(vcl::TWinControl* combo, const std::string& item);

// What a control shows on the screen, from its own window or, for a graphic control, from
// its parent's client area.
win::testkit::TCapture CaptureControl(vcl::TControl* control);
// What `sample` (made by the caller on `host`, a plain form shown for the call) shows at the
// size of `like`: the reference a preview is compared with.
win::testkit::TCapture CaptureSample(vcl::TControl* like,
                                     const std::function<vcl::TControl*(vcl::TForm* host)>& sample);

// The component of that name on the form, of the class the test expects.
template <class T>
T* On(vcl::TCustomForm* form, const std::string& name) {
  auto* c = dynamic_cast<T*>(vcl::testkit::DialogControl(form, name));
  if (!c) throw vcl::testkit::EDialogScript(name + " is not of the expected class");
  return c;
}

}  // namespace zyl::designtest
