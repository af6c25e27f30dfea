// The incremental search of the library's sorted combo box at 1,000 and 10,000 items (words of
// random letters): each keystroke's search after the pause, for the prefix of an item chosen at
// random. Reported per search ("us_per_search") and beside a reference measured in the same
// run: a plain binary search (std::lower_bound) of the same prefix in the same strings kept in
// a sorted vector ("vs_binary": how many such searches one keystroke's search costs; it grows
// with the items only as the logarithm does). Times are the thread's CPU time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/ThreadTime.h"
#include "edits/ZYLComboBox.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/AppScope.h"

namespace {

using benchtime::ThreadSeconds;

constexpr int kSearches = 200;

std::vector<std::string> Words(size_t n) {
  std::mt19937 random(7);
  std::vector<std::string> words;
  for (size_t i = 0; i < n; ++i) {
    std::string w;
    for (int k = 0; k < 8; ++k) w += static_cast<char>('a' + random() % 26);
    words.push_back(w);
  }
  return words;
}

void BM_ComboSearch(benchmark::State& state) {
  vcl::testkit::TControlsSession session(1024, 768);
  const testsupport::TAppScope app;
  {
    auto form = std::make_unique<vcl::TForm>(nullptr);
    form->SetBounds(0, 0, 400, 300);
    form->Show();
    auto* combo = new zyl::TZYLComboBox(form.get());
    combo->SetBounds(10, 10, 200, 21);
    combo->SetParent(form.get());
    combo->SetSearch(true);
    const std::vector<std::string> words = Words(static_cast<size_t>(state.range(0)));
    combo->Items()->BeginUpdate();
    for (const std::string& w : words) combo->Items()->Add(w);
    combo->Items()->EndUpdate();
    std::vector<std::string> sorted = words;
    std::sort(sorted.begin(), sorted.end());
    combo->SetFocus();
    win::testkit::RunUntilIdle();
    std::mt19937 random(11);
    std::vector<std::string> prefixes;
    for (int i = 0; i < kSearches; ++i)
      prefixes.push_back(words[random() % words.size()].substr(0, 5));
    double seconds = 0, reference = 0;
    for (auto _ : state) {
      for (const std::string& prefix : prefixes) {
        combo->SetText(prefix.substr(0, 4));
        combo->SetSelStart(4);
        const double t0 = ThreadSeconds();
        win::testkit::TypeText(prefix.substr(4));
        win::testkit::AdvanceClock(static_cast<uint64_t>(combo->Interval()) + 100);
        seconds += ThreadSeconds() - t0;
        if (combo->Text().compare(0, prefix.size(), prefix) != 0) state.SkipWithError("not found");
      }
      // The reference is too quick to time one by one: the searches run 1,000 times over.
      const double t1 = ThreadSeconds();
      for (int r = 0; r < 1000; ++r)
        for (const std::string& prefix : prefixes) {
          auto it = std::lower_bound(sorted.begin(), sorted.end(), prefix);
          benchmark::DoNotOptimize(it);
        }
      reference += (ThreadSeconds() - t1) / 1000;
    }
    state.counters["us_per_search"] =
        seconds / static_cast<double>(state.iterations()) * 1e6 / kSearches;
    state.counters["vs_binary"] = seconds / reference;
  }
}

}  // namespace

BENCHMARK(BM_ComboSearch)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(2);

BENCHMARK_MAIN();
