// The window manager's message paths and repainting. Each benchmark measures a reference in
// the same run and reports its own cost as a multiple of it ("vs_ref"), so results compare
// across machines:
//  - SendMessage through a window procedure, against a direct virtual call;
//  - PostMessage + PeekMessage + DispatchMessage, against a std::deque push and pop plus the
//    same virtual call;
//  - a full repaint of 1,000 child windows (invalidate, WM_PAINT synthesis, BeginPaint with
//    visible regions, FillRect each), against one FillRect of the same total area.
#include <benchmark/benchmark.h>

#include <chrono>
#include <deque>
#include <memory>

#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"

namespace {

using namespace win;
using Clock = std::chrono::steady_clock;

struct Handler {
  virtual ~Handler() = default;
  virtual LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) = 0;
};
struct CountingHandler : Handler {
  LRESULT n = 0;
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM) override { return n += msg + static_cast<LRESULT>(wp); }
};

LRESULT g_count = 0;
LRESULT CountProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_USER) return g_count += msg + static_cast<LRESULT>(wp);
  return DefWindowProcA(h, msg, wp, lp);
}

HWND MakeCounter() {
  WNDCLASSA wc;
  wc.lpfnWndProc = CountProc;
  wc.lpszClassName = "BenchCounter";
  RegisterClassA(&wc);
  return CreateWindowExA(0, "BenchCounter", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

void BM_SendMessage(benchmark::State& state) {
  testkit::TSession session;
  HWND w = MakeCounter();
  std::unique_ptr<Handler> h = std::make_unique<CountingHandler>();
  constexpr int kBatch = 10000;
  double self = 0, ref = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    for (int i = 0; i < kBatch; ++i) benchmark::DoNotOptimize(SendMessageA(w, WM_USER, static_cast<WPARAM>(i), 0));
    auto t1 = Clock::now();
    for (int i = 0; i < kBatch; ++i) benchmark::DoNotOptimize(h->Handle(WM_USER, static_cast<WPARAM>(i), 0));
    auto t2 = Clock::now();
    self += Seconds(t0, t1);
    ref += Seconds(t1, t2);
  }
  state.counters["msgs_per_s"] = benchmark::Counter(static_cast<double>(state.iterations()) * kBatch / self);
  state.counters["vs_ref"] = self / ref;
}
BENCHMARK(BM_SendMessage);

void BM_PostAndDispatch(benchmark::State& state) {
  testkit::TSession session;
  HWND w = MakeCounter();
  std::unique_ptr<Handler> h = std::make_unique<CountingHandler>();
  std::deque<MSG> q;
  constexpr int kBatch = 10000;
  double self = 0, ref = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    for (int i = 0; i < kBatch; ++i) PostMessageA(w, WM_USER, static_cast<WPARAM>(i), 0);
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    auto t1 = Clock::now();
    for (int i = 0; i < kBatch; ++i) {
      MSG x;
      x.hwnd = w;
      x.message = WM_USER;
      x.wParam = static_cast<WPARAM>(i);
      q.push_back(x);
    }
    while (!q.empty()) {
      const MSG x = q.front();
      q.pop_front();
      benchmark::DoNotOptimize(h->Handle(x.message, x.wParam, x.lParam));
    }
    auto t2 = Clock::now();
    self += Seconds(t0, t1);
    ref += Seconds(t1, t2);
  }
  state.counters["msgs_per_s"] = benchmark::Counter(static_cast<double>(state.iterations()) * kBatch / self);
  state.counters["vs_ref"] = self / ref;
}
BENCHMARK(BM_PostAndDispatch);

LRESULT FillProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
    EndPaint(h, &ps);
    return 0;
  }
  return DefWindowProcA(h, msg, wp, lp);
}

void BM_Repaint1000Children(benchmark::State& state) {
  testkit::TSession session;
  WNDCLASSA wc;
  wc.lpfnWndProc = FillProc;
  wc.lpszClassName = "BenchFill";
  RegisterClassA(&wc);
  // A 1000 x 600 parent holding 40 x 25 children of 25 x 24 pixels.
  HWND parent = CreateWindowExA(0, "BenchFill", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 1000, 600,
                                nullptr, nullptr, nullptr, nullptr);
  for (int i = 0; i < 1000; ++i)
    CreateWindowExA(0, "BenchFill", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, (i % 40) * 25, (i / 40) * 24, 25, 24,
                    parent, nullptr, nullptr, nullptr);
  testkit::RunUntilIdle();
  HDC screen = GetDC(nullptr);
  const RECT all = {0, 0, 1000, 600};
  double self = 0, ref = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    testkit::RunUntilIdle(1000000);
    auto t1 = Clock::now();
    FillRect(screen, &all, GetSysColorBrush(COLOR_BTNFACE));
    auto t2 = Clock::now();
    self += Seconds(t0, t1);
    ref += Seconds(t1, t2);
  }
  ReleaseDC(nullptr, screen);
  state.counters["vs_ref"] = self / ref;
}
BENCHMARK(BM_Repaint1000Children)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
