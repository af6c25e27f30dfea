// A user's handler that raises (a failed validation, a file not found), and the application's
// OnException taking what arrives there, for the life of a scope: the handlers of the common
// event signatures raise EHandlerFailed (or, asked, the silent EAbort) each time they are
// called while armed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"

namespace testsupport {

using EHandlerFailed = vcl::TNamedException<"EHandlerFailed", vcl::Exception>;

class TRaisingHandler : public vcl::TObject {
 public:
  TRaisingHandler() : saved_(vcl::Application->OnException) {
    vcl::Application->OnException = vcl::TExceptionEvent(this, &TRaisingHandler::Caught);
  }
  ~TRaisingHandler() override { vcl::Application->OnException = saved_; }
  TRaisingHandler(const TRaisingHandler&) = delete;
  TRaisingHandler& operator=(const TRaisingHandler&) = delete;

  bool Armed = true;   // the handlers raise
  bool Abort = false;  // they raise EAbort rather than EHandlerFailed
  int Calls = 0;       // calls of the handlers
  // The messages of the errors that arrived at OnException.
  std::vector<std::string> Arrived;

  void Raise() {
    ++Calls;
    if (!Armed) return;
    if (Abort) throw vcl::EAbort("");
    throw EHandlerFailed("The file was not found");
  }
  void Notify(vcl::TObject*) { Raise(); }
  void Mouse(vcl::TObject*, vcl::TMouseButton, vcl::TShiftState, int, int) { Raise(); }
  void MouseMove(vcl::TObject*, vcl::TShiftState, int, int) { Raise(); }
  void Key(vcl::TObject*, uint16_t&, vcl::TShiftState) { Raise(); }
  void KeyPress(vcl::TObject*, char&) { Raise(); }

 private:
  void Caught(vcl::TObject*, vcl::Exception& e) { Arrived.push_back(e.Message()); }
  vcl::TExceptionEvent saved_;
};

}  // namespace testsupport
