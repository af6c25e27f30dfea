// What the package's tests of waits share: running a dialog component's modal loop the way its
// class offers, and the switches that set a component working on the clock.
#pragma once

#include "edits/ZYLBrowseDlg.h"
#include "platform/classes/Component.h"
#include "platform/controls/Dialogs.h"
#include "system/ZYLBaseDialog.h"
#include "system/ZYLMsg.h"

namespace packagetest {

// The switches that set a component working (its animation or scrolling on a timer, its hook of
// a window or of the application, files dropped on its window), off by default.
constexpr const char* kStartingSwitches[] = {
    "Animate",   "AutoActive",  "AutoStart", "Scroll",        "Twinkle",     "HookWindowProc",
    "HandleApp", "AcceptFiles", "Animated",  "ShadowVisible", "ShowAtStart", "PlayWave"};

// Whether the class is one of the library's dialogs, which run a modal loop in Execute.
inline bool IsModalDialogClass(vcl::TClass cls) {
  return cls->InheritsFrom(zyl::TZYLBaseDialog::StaticClass()) ||
         cls->InheritsFrom(zyl::TZYLMessageBoxDlg::StaticClass()) ||
         cls->InheritsFrom(zyl::TZYLBrowseDlg::StaticClass());
}

// Runs the dialog's modal loop the way its class offers; false when the class has none.
// `accepted` is what Execute answers (a message box with OK and Cancel: whether its answer is
// other than cancel).
inline bool ExecuteModal(vcl::TComponent* c, bool& accepted) {
  if (auto* own = dynamic_cast<zyl::TZYLBaseDialog*>(c)) {
    accepted = own->Execute();
  } else if (auto* box = dynamic_cast<zyl::TZYLMessageBoxDlg*>(c)) {
    accepted = box->Execute("", "Go on?", {}, {vcl::mbOK, vcl::mbCancel}, -1, 0, -1, -1, 0) !=
               vcl::mrCancel;
  } else if (auto* browse = dynamic_cast<zyl::TZYLBrowseDlg*>(c)) {
    accepted = browse->Execute();
  } else {
    return false;
  }
  return true;
}

}  // namespace packagetest
