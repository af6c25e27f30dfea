// A list box and a memo (a multi-line edit) with many lines: adding them one by one (the memo's
// at the end of its text, as its Lines.Add does), scrolling to the end and painting the last page.
// The cost must grow linearly: the benchmark runs at 10,000 and 100,000 lines side by side and
// reports the time per line ("ns_per_line") and its cost as a multiple ("vs_ref") of a plain
// reference measured in the same run (the same strings pushed into a vector, or joined into one
// text, and walked once).
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "platform/user/WinUser.h"
#include "tests/support/TestKit.h"

namespace {

using namespace win;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

void BM_ListLines(benchmark::State& state) {
  testkit::TSession session;
  const int lines = static_cast<int>(state.range(0));
  std::vector<std::string> texts;
  texts.reserve(static_cast<size_t>(lines));
  for (int i = 0; i < lines; ++i) texts.push_back("Line number " + std::to_string(i));
  double self = 0, ref = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    HWND h = CreateWindowExA(0, "ListBox", "", WS_POPUP | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 0,
                             0, 200, 300, nullptr, nullptr, nullptr, nullptr);
    for (const std::string& s : texts)
      SendMessageA(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
    SendMessageA(h, LB_SETTOPINDEX, static_cast<WPARAM>(lines - 1), 0);
    testkit::RunUntilIdle();
    auto t1 = Clock::now();
    std::vector<std::string> copy;
    for (const std::string& s : texts) copy.push_back(s);
    size_t total = 0;
    for (const std::string& s : copy) total += s.size();
    benchmark::DoNotOptimize(total);
    auto t2 = Clock::now();
    self += Seconds(t0, t1);
    ref += Seconds(t1, t2);
    state.PauseTiming();
    DestroyWindow(h);
    state.ResumeTiming();
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["ns_per_line"] = self / runs / lines * 1e9;
  state.counters["ref_ns_per_line"] = ref / runs / lines * 1e9;
  state.counters["vs_ref"] = self / ref;
}
BENCHMARK(BM_ListLines)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_MemoLines(benchmark::State& state) {
  testkit::TSession session;
  const int lines = static_cast<int>(state.range(0));
  std::vector<std::string> texts;
  texts.reserve(static_cast<size_t>(lines));
  for (int i = 0; i < lines; ++i)
    texts.push_back((i ? "\r\nLine number " : "Line number ") + std::to_string(i));
  double self = 0, ref = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    HWND h = CreateWindowExA(0, "Edit", "", WS_POPUP | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE, 0, 0,
                             200, 300, nullptr, nullptr, nullptr, nullptr);
    for (const std::string& s : texts) {
      const LRESULT end = SendMessageA(h, WM_GETTEXTLENGTH, 0, 0);
      SendMessageA(h, EM_SETSEL, static_cast<WPARAM>(end), end);
      SendMessageA(h, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(s.c_str()));
    }
    SendMessageA(h, WM_VSCROLL, SB_BOTTOM, 0);
    testkit::RunUntilIdle();
    auto t1 = Clock::now();
    std::string copy;
    for (const std::string& s : texts) copy += s;
    size_t breaks = 0;
    for (char c : copy) breaks += c == '\n';
    benchmark::DoNotOptimize(breaks);
    auto t2 = Clock::now();
    self += Seconds(t0, t1);
    ref += Seconds(t1, t2);
    state.PauseTiming();
    DestroyWindow(h);
    state.ResumeTiming();
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["ns_per_line"] = self / runs / lines * 1e9;
  state.counters["ref_ns_per_line"] = ref / runs / lines * 1e9;
  state.counters["vs_ref"] = self / ref;
}
BENCHMARK(BM_MemoLines)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
