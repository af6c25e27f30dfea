// The focus events of a windowed control, noted with whether the control has the focus when
// each comes ("after enter focused").
#pragma once

#include <string>
#include <vector>

#include "platform/controls/WinControl.h"

namespace testsupport {

struct TFocusLog : vcl::TObject {
  explicit TFocusLog(vcl::TWinControl* Control) : Control(Control) {}
  void Enter(vcl::TObject*) { Note("enter"); }
  void Exit(vcl::TObject*) { Note("exit"); }
  void AfterEnter(vcl::TObject*) { Note("after enter"); }
  void AfterExit(vcl::TObject*) { Note("after exit"); }

  vcl::TWinControl* Control;
  std::vector<std::string> Log;

 private:
  void Note(const char* What) {
    Log.push_back(std::string(What) + (Control->Focused() ? " focused" : " not focused"));
  }
};

}  // namespace testsupport
