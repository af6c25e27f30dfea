// The items of the standard list controls and the lines of a memo, at 2,000 and 20,000 items
// side by side: filling a sorted list box and a sorted combo box before they have a window (the
// items arrive in no order), and reading a memo's lines one by one by index. Each is reported
// per item and beside a reference measured in the same run ("vs_ref": how many times the
// reference the work costs; linear work keeps it the same at both sizes): the same strings
// copied into a vector and sorted once, or the memo's text walked once and cut into lines.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/rtl/StrUtils.h"
#include "platform/testkit/ControlsSession.h"

namespace {

using namespace vcl;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

// Item texts in a scrambled but repeatable order.
std::vector<std::string> Scrambled(int n) {
  std::vector<std::string> texts;
  texts.reserve(static_cast<size_t>(n));
  uint32_t x = 12345;
  for (int i = 0; i < n; ++i) {
    x = x * 1664525u + 1013904223u;
    texts.push_back("Item " + std::to_string(x % 1000003u));
  }
  return texts;
}

void Report(benchmark::State& state, double self, double ref, int n) {
  const double runs = static_cast<double>(state.iterations());
  state.counters["ns_per_item"] = self / runs / n * 1e9;
  state.counters["ref_ns_per_item"] = ref / runs / n * 1e9;
  state.counters["vs_ref"] = self / ref;
}

double SortReference(const std::vector<std::string>& texts) {
  const auto t0 = Clock::now();
  std::vector<std::string> copy(texts.begin(), texts.end());
  std::stable_sort(copy.begin(), copy.end(), [](const std::string& a, const std::string& b) {
    return AnsiCompareText(a, b) < 0;
  });
  benchmark::DoNotOptimize(copy.data());
  return Seconds(t0, Clock::now());
}

template <class TList>
void BM_SortedFill(benchmark::State& state) {
  testkit::TControlsSession session;
  const int n = static_cast<int>(state.range(0));
  const std::vector<std::string> texts = Scrambled(n);
  double self = 0, ref = 0;
  for (auto _ : state) {
    auto list = std::make_unique<TList>(nullptr);
    list->SetSorted(true);
    const auto t0 = Clock::now();
    for (const std::string& s : texts) list->Items()->Add(s);
    benchmark::DoNotOptimize(list->Items()->Get(n / 2));
    self += Seconds(t0, Clock::now());
    ref += SortReference(texts);
  }
  Report(state, self, ref, n);
}
BENCHMARK(BM_SortedFill<TListBox>)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortedFill<TComboBox>)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_MemoLinesByIndex(benchmark::State& state) {
  testkit::TControlsSession session;
  const int n = static_cast<int>(state.range(0));
  std::string text;
  for (int i = 0; i < n; ++i) text += (i ? "\r\nLine number " : "Line number ") + std::to_string(i);
  auto form = std::make_unique<TForm>(nullptr);
  auto* memo = new TMemo(form.get());
  memo->SetParent(form.get());
  memo->SetText(text);
  memo->HandleNeeded();
  double self = 0, ref = 0;
  for (auto _ : state) {
    memo->SetText(text);  // a change: the lines are read afresh
    const auto t0 = Clock::now();
    size_t total = 0;
    TStrings* lines = memo->Lines();
    for (int i = 0; i < n; ++i) total += lines->Get(i).size();
    benchmark::DoNotOptimize(total);
    const auto t1 = Clock::now();
    std::vector<std::string> cut;
    const std::string copy = text;
    for (size_t pos = 0; pos < copy.size();) {
      const size_t brk = std::min(copy.find("\r\n", pos), copy.size());
      cut.push_back(copy.substr(pos, brk - pos));
      pos = brk + 2;
    }
    benchmark::DoNotOptimize(cut.data());
    self += Seconds(t0, t1);
    ref += Seconds(t1, Clock::now());
  }
  Report(state, self, ref, n);
}
BENCHMARK(BM_MemoLinesByIndex)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
