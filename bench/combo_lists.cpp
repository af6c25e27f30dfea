// The library's combo and list boxes with many entries: a colour list box and a colour combo
// box filled with name=value lines of their own (the custom colours handed over at once), the
// plain combo box fed its items and searched for the text of its last item, each then scrolled
// to its last entry and painted. The cost must grow linearly: the benchmark runs at 1,000 and
// 100,000 entries side by side and reports the time per entry ("ns_per_item").
//
// Time per entry on the development machine, shared with other builds (1,000 | 100,000):
//   colour list box   0.58 us | 0.44 us
//   colour combo box  1.36 us | 1.30 us
//   search combo box  1.56 us | 1.37 us
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/ThreadTime.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLColorListBox.h"
#include "edits/ZYLComboBox.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/AppScope.h"

namespace {

using benchtime::ThreadSeconds;

// A session with a borderless form on which the boxes stand.
struct TScene {
  vcl::testkit::TControlsSession session{1024, 768};
  testsupport::TAppScope app;
  std::unique_ptr<vcl::TForm> form = testsupport::FramelessForm(400, 300);
  TScene() {
    form->Show();
    win::testkit::RunUntilIdle();
  }
  template <class T>
  T* Place(int Height) {
    auto* c = new T(form.get());
    c->SetBounds(10, 10, 200, Height);
    c->SetParent(form.get());
    win::testkit::RunUntilIdle();
    return c;
  }
};

// n name=value lines with colours of their own.
void ColourLines(vcl::TStrings* Lines, size_t n) {
  Lines->BeginUpdate();
  for (size_t i = 0; i < n; ++i)
    Lines->Add("Colour " + std::to_string(i) + "=" + std::to_string(i * 2654435761u & 0xFFFFFF));
  Lines->EndUpdate();
}

void Report(benchmark::State& state, double seconds, size_t n) {
  state.counters["ns_per_item"] =
      seconds / static_cast<double>(state.iterations()) * 1e9 / static_cast<double>(n);
}

void BM_ColorListBox(benchmark::State& state) {
  TScene scene;
  auto* list = scene.Place<zyl::TZYLColorListBox>(200);
  list->SetCustomMode(true);
  const size_t n = static_cast<size_t>(state.range(0));
  vcl::TStringList lines;
  ColourLines(&lines, n);
  double seconds = 0;
  for (auto _ : state) {
    list->CustomColors()->Clear();
    const double t0 = ThreadSeconds();
    list->SetCustomColors(&lines);
    list->SetItemIndex(static_cast<int>(n) - 1);
    list->Repaint();
    seconds += ThreadSeconds() - t0;
    if (list->Items()->Count() != static_cast<int>(n)) state.SkipWithError("lines lost");
  }
  Report(state, seconds, n);
}

void BM_ColorComboBox(benchmark::State& state) {
  TScene scene;
  auto* combo = scene.Place<zyl::TZYLColorComboBox>(21);
  combo->SetCustomMode(true);
  const size_t n = static_cast<size_t>(state.range(0));
  vcl::TStringList lines;
  ColourLines(&lines, n);
  double seconds = 0;
  for (auto _ : state) {
    combo->CustomColors()->Clear();
    const double t0 = ThreadSeconds();
    combo->SetCustomColors(&lines);
    combo->SetItemIndex(static_cast<int>(n) - 1);
    combo->Repaint();
    seconds += ThreadSeconds() - t0;
    if (combo->Items()->Count() != static_cast<int>(n)) state.SkipWithError("lines lost");
  }
  Report(state, seconds, n);
}

// The plain combo box: items added one by one, then a search for the last item's text.
void BM_SearchComboBox(benchmark::State& state) {
  TScene scene;
  auto* combo = scene.Place<zyl::TZYLComboBox>(21);
  combo->SetSearch(true);
  const size_t n = static_cast<size_t>(state.range(0));
  const std::string last = "Item " + std::to_string(n - 1);
  double seconds = 0;
  for (auto _ : state) {
    combo->Items()->Clear();
    combo->SetText("");
    const double t0 = ThreadSeconds();
    combo->Items()->BeginUpdate();
    for (size_t i = 0; i < n; ++i) combo->Items()->Add("Item " + std::to_string(i));
    combo->Items()->EndUpdate();
    combo->SetFocus();
    combo->SetText(last);
    win::testkit::KeyPress(win::VK_END);
    win::testkit::AdvanceClock(static_cast<uint64_t>(combo->Interval()) + 100);
    combo->Repaint();
    seconds += ThreadSeconds() - t0;
    if (combo->ItemIndex() < 0 || combo->Text() != last) state.SkipWithError("not found");
  }
  Report(state, seconds, n);
}

}  // namespace

BENCHMARK(BM_ColorListBox)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColorComboBox)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchComboBox)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
