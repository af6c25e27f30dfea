// A list box and a memo (a multi-line edit) with many lines: adding them one by one (the memo's
// at the end of its text, as its Lines.Add does), scrolling to the end and painting the last page;
// and a sorted list fed lines in descending order, each going first. The cost must grow linearly:
// the benchmark runs at 10,000 and 100,000 lines side by side and reports the time per line
// ("ns_per_line") and its cost as a multiple ("vs_ref") of a plain reference measured in the same
// run (the same strings pushed into a vector, or joined into one text, and walked once).
//
// Time per line on the development machine, shared with other builds, before and after the list
// drew its scroll bar at the next paint instead of at every item, and kept its items with the free
// room where the last one went (10,000 | 100,000 lines):
//   list box lines           8.2 us -> 0.59 us  |   6.6 us -> 0.29 us
//   sorted, descending      16.6 us -> 1.1 us   |   114 us -> 1.1 us
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"

namespace {

using namespace win;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

// Times Fill (which answers the window it filled, then left to paint) against Reference on the
// same lines, and reports both per line and their ratio.
template <class Fill, class Reference>
void MeasureLines(benchmark::State& state, int lines, Fill fill, Reference reference) {
  double self = 0, ref = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    HWND h = fill();
    testkit::RunUntilIdle();
    auto t1 = Clock::now();
    reference();
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

// Lines added to a list box of the given style, in the given order (descending: each line
// sorts before the ones already there).
void ListLines(benchmark::State& state, DWORD style, bool descending) {
  testkit::TSession session;
  const int lines = static_cast<int>(state.range(0));
  std::vector<std::string> texts;
  texts.reserve(static_cast<size_t>(lines));
  for (int i = 0; i < lines; ++i) {
    const std::string n = std::to_string(descending ? lines - i : i);
    texts.push_back("Line number " + std::string(8 - n.size(), '0') + n);
  }
  MeasureLines(
      state, lines,
      [&] {
        HWND h = CreateWindowExA(0, "ListBox", "",
                                 WS_POPUP | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | style, 0, 0, 200,
                                 300, nullptr, nullptr, nullptr, nullptr);
        for (const std::string& s : texts)
          SendMessageA(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
        SendMessageA(h, LB_SETTOPINDEX, static_cast<WPARAM>(lines - 1), 0);
        return h;
      },
      [&] {
        std::vector<std::string> copy;
        for (const std::string& s : texts) copy.push_back(s);
        size_t total = 0;
        for (const std::string& s : copy) total += s.size();
        benchmark::DoNotOptimize(total);
      });
}

void BM_ListLines(benchmark::State& state) { ListLines(state, 0, false); }
BENCHMARK(BM_ListLines)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SortedListDescending(benchmark::State& state) { ListLines(state, LBS_SORT, true); }
BENCHMARK(BM_SortedListDescending)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_MemoLines(benchmark::State& state) {
  testkit::TSession session;
  const int lines = static_cast<int>(state.range(0));
  std::vector<std::string> texts;
  texts.reserve(static_cast<size_t>(lines));
  for (int i = 0; i < lines; ++i)
    texts.push_back((i ? "\r\nLine number " : "Line number ") + std::to_string(i));
  MeasureLines(
      state, lines,
      [&] {
        HWND h = CreateWindowExA(0, "Edit", "", WS_POPUP | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE,
                                 0, 0, 200, 300, nullptr, nullptr, nullptr, nullptr);
        for (const std::string& s : texts) {
          const LRESULT end = SendMessageA(h, WM_GETTEXTLENGTH, 0, 0);
          SendMessageA(h, EM_SETSEL, static_cast<WPARAM>(end), end);
          SendMessageA(h, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(s.c_str()));
        }
        SendMessageA(h, WM_VSCROLL, SB_BOTTOM, 0);
        return h;
      },
      [&] {
        std::string copy;
        for (const std::string& s : texts) copy += s;
        size_t breaks = 0;
        for (char c : copy) breaks += c == '\n';
        benchmark::DoNotOptimize(breaks);
      });
}
BENCHMARK(BM_MemoLines)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
