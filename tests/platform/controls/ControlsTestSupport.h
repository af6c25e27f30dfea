// Shared fixture of the control tests: a fresh headless window system on a virtual clock,
// with the framework's global state reset for it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/controls/Controls.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "tests/support/ControlsSession.h"
#include "tests/support/TestKit.h"

namespace vcl::testing {

class ControlsTest : public ::testing::Test {
 protected:
  ControlsTest() : session_(800, 600) {}
  ~ControlsTest() override {
    SetModalFormHandler(nullptr);
  }
  win::testkit::TSession& Session() { return session_; }
  static void Idle() { win::testkit::RunUntilIdle(); }
  // A screen point of a control's client position.
  static TPoint ScreenOf(TControl* c, int x, int y) { return c->ClientToScreen({x, y}); }

 private:
  vcl::testkit::TControlsSession session_;
};

// Records event and message names in order.
class TLog : public TObject {
 public:
  std::vector<std::string> Entries;
  void Add(const std::string& s) { Entries.push_back(s); }
  void Clear() { Entries.clear(); }
};

}  // namespace vcl::testing
