// What the edit benchmarks share: a session with a borderless form holding one focused library
// edit, and the memcpy reference they report their times against.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/ThreadTime.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/AppScope.h"

namespace benchedit {

// Copies S as often as it takes to measure; answers the thread seconds of one copy.
inline double MemcpySeconds(const std::string& S) {
  std::vector<char> target(S.size());
  const int rounds = static_cast<int>(std::max<size_t>(1, 50'000'000 / (S.size() + 1)));
  const double t0 = benchtime::ThreadSeconds();
  for (int r = 0; r < rounds; ++r) {
    std::memcpy(target.data(), S.data(), S.size());
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  return (benchtime::ThreadSeconds() - t0) / rounds;
}

// A 1024 x 768 session with a form holding one edit of class TEdit, 200 x 21 at (10, 10),
// focused; Prepare sets the edit up before it has a parent. The application object is made
// and freed here unless one stands already.
template <class TEdit>
struct TEditScene {
  vcl::testkit::TControlsSession session{1024, 768};
  testsupport::TAppScope app;
  std::unique_ptr<vcl::TForm> form = testsupport::FramelessForm(300, 60);
  TEdit* edit = nullptr;

  explicit TEditScene(const std::function<void(TEdit*)>& Prepare = {}) {
    edit = new TEdit(form.get());
    edit->SetBounds(10, 10, 200, 21);
    if (Prepare) Prepare(edit);
    edit->SetParent(form.get());
    form->Show();
    edit->SetFocus();
    win::testkit::RunUntilIdle();
  }
  TEditScene(const TEditScene&) = delete;
  TEditScene& operator=(const TEditScene&) = delete;
};

}  // namespace benchedit
