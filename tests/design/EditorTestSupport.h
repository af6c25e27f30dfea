// Shared steps of the editor form tests: the library units the forms are made of, the form
// stream of an edited object's holder, and the ways a user leaves a modal editor form.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/TempDir.h"

namespace vcl {
class TPageControl;
}

namespace zyl::designtest {

// Starts the application object and the units of the controls the editor forms use, and the
// editor units; stops them again.
class TEditorUnits {
 public:
  TEditorUnits();
  ~TEditorUnits();
};

// Notes the errors the application shows while a form runs, as the IDE shows them.
struct TShownErrors : vcl::TObject {
  std::vector<std::string> Texts;
  void Show(vcl::TObject*, vcl::Exception& e) { Texts.push_back(e.Message()); }
};

// What the tests of the editors that read and write files run in: the working folder given back
// afterwards, a controls session with the editor units, a temporary folder of their own, and the
// errors the application shows while it lives noted in errors_.
class TEditorFileSession {
 public:
  TEditorFileSession();
  ~TEditorFileSession();
  TEditorFileSession(const TEditorFileSession&) = delete;
  TEditorFileSession& operator=(const TEditorFileSession&) = delete;

 protected:
  testsupport::TCurrentDirGuard here_;
  vcl::testkit::TControlsSession session_;
  TEditorUnits units_;
  testsupport::TempDir dir_;
  TShownErrors errors_;
};

// How a test leaves the editor after its changes.
enum class TEnding { Ok, Cancel, CloseBox, Escape, Exception, Unanswered };
const char* EndingName(TEnding e);

// Scripts one answer to the editor form: `change` runs on the form through its controls, then
// the form is left as `ending` says (Unanswered leaves it open, which the script reports)
// through its buttons of the given names.
void AnswerEditor(vcl::testkit::TDialogScript& script,
                  const std::function<void(vcl::TCustomForm*)>& change, TEnding ending,
                  const std::string& okButton = "btOK",
                  const std::string& cancelButton = "btCancel");
// The same for an editor form of class TDlg: `change` takes the form as a TDlg.
template <class TDlg, class F>
void AnswerEditorAs(vcl::testkit::TDialogScript& script, F change, TEnding ending,
                    const std::string& okButton = "btOK",
                    const std::string& cancelButton = "btCancel") {
  AnswerEditor(
      script, [change](vcl::TCustomForm* f) { change(static_cast<TDlg*>(f)); }, ending, okButton,
      cancelButton);
}

// What the Exception ending raises inside the editor form.
inline constexpr char kEditorFailure[] = "failure inside the editor";
// Expects the message a run left by `ending` (any but Ok) raised: kEditorFailure for
// Exception, the script's report that the form stayed open for Unanswered, none otherwise.
void ExpectEndingError(TEnding ending, const std::string& error);

// The message of the vcl::Exception that Run raises, or "" when it returns.
std::string MessageOf(const std::function<void()>& Run);
// What running an editor came to: what it answered, and the message of the vcl::Exception it
// raised ("" when none; it then answered false).
struct TOutcome {
  bool Accepted = false;
  std::string Error;
};
TOutcome OutcomeOf(const std::function<bool()>& Run);

// Clicks the close box of a top-level window (found by hit-testing its caption).
void ClickCloseBox(win::HWND wnd);

// Selects a combo box's item from the keyboard as a user tabbing to it would: focus, Home,
// then Down to the item; EDialogScript when the box has no such item.
void ChooseComboItem(vcl::TWinControl* combo, const std::string& item);

// Chooses a combo box's item from its dropped-down list, as a user who opens the list (F4),
// moves to the item and takes it (Enter) does; EDialogScript when the box has no such item.
void PickDroppedItem(vcl::TWinControl* combo, const std::string& item);
// Clicks line `index` of a list box (twice: a double-click); EDialogScript when the list has
// no such line or shows it out of sight.
void ClickListLine(vcl::TCustomListBox* list, int index, bool twice = false);

// What a control shows on the screen, from its own window or, for a graphic control, from
// its parent's client area.
win::testkit::TCapture CaptureControl(vcl::TControl* control);
// What `sample` (made by the caller on `host`, a plain form shown for the call) shows at the
// size of `like`: the reference a preview is compared with.
win::testkit::TCapture CaptureSample(vcl::TControl* like,
                                     const std::function<vcl::TControl*(vcl::TForm* host)>& sample);

// Brings the page captioned `caption` to the front by clicking its tab; EDialogScript when the
// control has no such page.
void ShowPage(vcl::TPageControl* pages, const std::string& caption);

// One editor as the data-driven test over editors sees it: a holder whose form stream carries
// the edited object, the editor's opener, the changes a user makes in the form and what OK then
// leaves in the object.
struct TEditorCase {
  const char* Name;
  std::function<std::unique_ptr<vcl::TComponent>()> MakeHolder;
  std::function<bool(vcl::TComponent*)> Edit;
  std::function<void(vcl::TCustomForm*)> Change;
  std::function<void(vcl::TComponent*)> ExpectEdited;
};

// The cases of the caption, layout, fill, effect caption, transparency and LED editors.
std::vector<TEditorCase> SettingsEditorCases();

// The component of that name on the form, of the class the test expects.
template <class T>
T* On(vcl::TCustomForm* form, const std::string& name) {
  auto* c = dynamic_cast<T*>(vcl::testkit::DialogControl(form, name));
  if (!c) throw vcl::testkit::EDialogScript(name + " is not of the expected class");
  return c;
}

}  // namespace zyl::designtest

namespace zyl {

// The short names every editor test uses: the two test kits and the steps above.
namespace vt = vcl::testkit;
namespace wt = win::testkit;
using designtest::On;
using designtest::TEnding;

}  // namespace zyl
