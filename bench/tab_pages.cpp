// A page control with many pages: adding them one by one in code, showing the form, selecting
// the last page (which scrolls the single row of tabs to it) and painting; and a tab control
// given as many tabs at once and laid out. The cost must grow linearly: each runs at 2,000 and
// 20,000 tabs and reports the time per tab ("us_per_tab") and its cost as a multiple
// ("vs_ref") of a reference measured in the same run (the captions made and walked once).
// Times are the thread's CPU time.
//
// Freeing the form after each run is not measured; before a page control being freed stopped
// laying out its tabs as each sheet went, it took the whole run from 17 ms (2,000 pages) to
// 1.4 s (20,000 pages); after, 4.6 ms to 46 ms.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/ThreadTime.h"
#include "platform/classes/StringList.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"

namespace {

using namespace vcl;

using benchtime::ThreadSeconds;

std::vector<std::string> Captions(int count) {
  std::vector<std::string> captions;
  for (int i = 0; i < count; ++i) captions.push_back("Page " + std::to_string(i));
  return captions;
}

double ReferenceSeconds(const std::vector<std::string>& captions) {
  const double t0 = ThreadSeconds();
  std::vector<std::string> copy(captions.begin(), captions.end());
  size_t total = 0;
  for (const std::string& s : copy) total += s.size();
  benchmark::DoNotOptimize(total);
  return ThreadSeconds() - t0;
}

void Report(benchmark::State& state, double seconds, double reference) {
  const double tabs = static_cast<double>(state.range(0));
  state.counters["us_per_tab"] = seconds / static_cast<double>(state.iterations()) / tabs * 1e6;
  state.counters["vs_ref"] = seconds / reference;
}

// Runs `Build` on a fresh form once per iteration, timing it and the paints it causes; the form
// is freed outside the timing.
template <class F>
void Run(benchmark::State& state, F Build) {
  testkit::TControlsSession session;
  const std::vector<std::string> captions = Captions(static_cast<int>(state.range(0)));
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    reference += ReferenceSeconds(captions);
    std::unique_ptr<TForm> form(new TForm(nullptr));
    form->SetBounds(0, 0, 600, 400);
    const double t0 = ThreadSeconds();
    Build(form.get(), captions);
    win::testkit::RunUntilIdle(1 << 30);
    seconds += ThreadSeconds() - t0;
    form.reset();
    win::testkit::RunUntilIdle(1 << 30);
  }
  Report(state, seconds, reference);
}

void BM_AddAndSelectPages(benchmark::State& state) {
  Run(state, [](TForm* form, const std::vector<std::string>& captions) {
    auto* pages = new TPageControl(form);
    pages->SetBounds(8, 8, 560, 340);
    pages->SetParent(form);
    TTabSheet* last = nullptr;
    for (const std::string& caption : captions) {
      last = new TTabSheet(form);
      last->SetCaption(caption);
      last->SetPageControl(pages);
    }
    form->Show();
    pages->SetActivePage(last);
  });
}
BENCHMARK(BM_AddAndSelectPages)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_TabControlLayout(benchmark::State& state) {
  Run(state, [](TForm* form, const std::vector<std::string>& captions) {
    TStringList list;
    for (const std::string& caption : captions) list.Add(caption);
    auto* tabs = new TTabControl(form);
    tabs->SetMultiLine(true);
    tabs->SetBounds(8, 8, 560, 340);
    tabs->SetParent(form);
    tabs->SetTabs(&list);
    form->Show();
    tabs->SetTabIndex(tabs->Tabs()->Count() - 1);
    benchmark::DoNotOptimize(tabs->RowCount());
  });
}
BENCHMARK(BM_TabControlLayout)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
