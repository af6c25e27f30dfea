// What the hosts of the library's tests stand on: the library's application object for the life
// of a scope, a form without a frame, and a log of events read in one go.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "foundation/ZYLApplication.h"
#include "platform/controls/Forms.h"

namespace testsupport {

// Makes the library's application object when none exists, and then finishes it at the end of
// the scope (so that a host inside a test that made its own leaves it alone).
class TAppScope {
 public:
  TAppScope() : owns_(!zyl::ZYLApplication()) {
    if (owns_) zyl::ZYLApplicationInit();
  }
  ~TAppScope() {
    if (owns_) zyl::ZYLApplicationDone();
  }
  TAppScope(const TAppScope&) = delete;
  TAppScope& operator=(const TAppScope&) = delete;

 private:
  bool owns_;
};

// A form without a frame at the screen's top-left corner, so that its client area is the given
// size.
inline std::unique_ptr<vcl::TForm> FramelessForm(int W, int H) {
  auto form = std::make_unique<vcl::TForm>(nullptr);
  form->SetBorderStyle(vcl::bsNone);
  form->SetBounds(0, 0, W, H);
  return form;
}

// The entries of a log joined with spaces; the log is emptied.
inline std::string TakeLog(std::vector<std::string>& Log) {
  std::string s;
  for (const std::string& e : Log) s += (s.empty() ? "" : " ") + e;
  Log.clear();
  return s;
}

}  // namespace testsupport
