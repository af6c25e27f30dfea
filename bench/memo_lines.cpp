// Filling a memo with lines and showing its end: the text of n lines (words of letters, every
// fifth line long enough to wrap) is set through Lines in one go, the memo is scrolled to its
// end (the caret after the last character) and the last page is painted. As a second case, n
// lines are added one by one through Lines.Add and the memo painted once; as a third, every
// line is read through Lines after a change. Reported per line beside a reference measured in
// the same run: for setting and reading, a plain walk over the same text that sums the widths
// of its characters and counts its line breaks ("vs_walk": how many such walks one line of the
// memo costs); for adding, the framework's memo beside it given the same lines through its
// Lines.Add and painted once ("vs_framework": how many times the framework's time the library's
// memo takes). The cases run at 1,000 and 100,000 lines (adding at 1,000 and 10,000): the time
// per line stays flat when the memo's layout is linear in the text. Times are the thread's CPU
// time.
//
// Adding, per line on the development machine, shared with other builds, before and after
// Lines.Add invalidated the memo instead of drawing it (1,000 | 10,000 lines): 99 us -> 3.6 us |
// 104 us -> 2.2 us.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/Counters.h"
#include "bench/ThreadTime.h"
#include "edits/ZYLMemo.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUserConsts.h"
#include "tests/support/AppScope.h"

namespace bench_memo {

// Line i of the text: a few words, every fifth line long enough to wrap in the memo.
std::string Line(size_t i) {
  std::string s = "line " + std::to_string(i) + " of the text";
  if (i % 5 == 0) s += ", which runs on with more words than one row of the memo can hold";
  return s;
}

std::string Text(size_t n) {
  std::string s;
  for (size_t i = 0; i < n; ++i) s += (i ? "\r\n" : "") + Line(i);
  return s;
}

// A session with a form holding one focused memo with a vertical bar, and the framework's memo
// of the same size beside it.
struct TScene {
  vcl::testkit::TControlsSession session{1024, 768};
  testsupport::TAppScope app;
  std::unique_ptr<vcl::TForm> form = testsupport::FramelessForm(720, 300);
  zyl::TZYLMemo* memo = nullptr;
  vcl::TMemo* framework = nullptr;
  TScene() {
    memo = new zyl::TZYLMemo(form.get());
    memo->SetBounds(10, 10, 300, 240);
    memo->SetScrollBars(zyl::ZYLCustomMemo::skVertical);
    memo->SetParent(form.get());
    framework = new vcl::TMemo(form.get());
    framework->SetBounds(320, 10, 300, 240);
    framework->SetScrollBars(vcl::ssVertical);
    framework->SetParent(form.get());
    form->Show();
    memo->SetFocus();
    win::testkit::RunUntilIdle();
  }
  // Shows the end: the caret after the last character, and the page painted.
  void ShowEnd() {
    memo->SetCaretPos(memo->GetLength() + 1);
    memo->Repaint();
  }
};

// Walks the text as the memo's layout does at the least: the width of every character from a
// table and the line breaks counted. Answers the seconds of one walk.
double WalkSeconds(const std::string& S) {
  int widths[256];
  for (int i = 0; i < 256; ++i) widths[i] = 5 + i % 4;
  const int rounds = static_cast<int>(std::max<size_t>(1, 20'000'000 / (S.size() + 1)));
  const double t0 = benchtime::ThreadSeconds();
  for (int r = 0; r < rounds; ++r) {
    long width = 0, breaks = 0;
    for (const char c : S) {
      width += widths[static_cast<uint8_t>(c)];
      breaks += c == '\n';
    }
    benchmark::DoNotOptimize(width);
    benchmark::DoNotOptimize(breaks);
  }
  return (benchtime::ThreadSeconds() - t0) / rounds;
}

// One case: the scene, its line count and text, and the seconds the memo and the reference took
// over all iterations.
struct TCase {
  TScene scene;
  size_t n;
  std::string text;
  double seconds = 0, reference = 0;
  explicit TCase(benchmark::State& state) : n(static_cast<size_t>(state.range(0))), text(Text(n)) {}
  // Reports the time per line and its multiple of the reference under the counter Versus.
  void Report(benchmark::State& state, const char* Versus) const {
    benchcounters::ReportPerUnit(state, seconds, reference, n, "ns_per_line", Versus);
  }
};

void BM_FillScrollPaint(benchmark::State& state) {
  TCase c(state);
  TScene& scene = c.scene;
  for (auto _ : state) {
    scene.memo->Lines()->Clear();
    c.reference += WalkSeconds(c.text);
    const double t0 = benchtime::ThreadSeconds();
    scene.memo->Lines()->SetTextStr(c.text);
    scene.ShowEnd();
    c.seconds += benchtime::ThreadSeconds() - t0;
    if (scene.memo->Lines()->Count() != static_cast<int>(c.n)) state.SkipWithError("lines lost");
    if (scene.memo->TopRow() + scene.memo->PageRows() - 1 != scene.memo->GetRowCount())
      state.SkipWithError("not at the end");
  }
  c.Report(state, "vs_walk");
}

// The framework's memo given the lines one by one and painted: answers the seconds.
double FrameworkAddSeconds(TScene& Scene, size_t N) {
  Scene.framework->Lines()->Clear();
  const double t0 = benchtime::ThreadSeconds();
  for (size_t i = 0; i < N; ++i) Scene.framework->Lines()->Add(Line(i));
  Scene.framework->Repaint();
  const double seconds = benchtime::ThreadSeconds() - t0;
  benchmark::DoNotOptimize(Scene.framework->Lines()->Count());
  return seconds;
}

void BM_AddLines(benchmark::State& state) {
  TCase c(state);
  TScene& scene = c.scene;
  for (auto _ : state) {
    scene.memo->Lines()->Clear();
    scene.memo->ClearUndo();
    c.reference += FrameworkAddSeconds(scene, c.n);
    const double t0 = benchtime::ThreadSeconds();
    for (size_t i = 0; i < c.n; ++i) scene.memo->Lines()->Add(Line(i));
    scene.ShowEnd();
    c.seconds += benchtime::ThreadSeconds() - t0;
    if (scene.memo->RawText() != c.text) state.SkipWithError("text differs");
    if (scene.framework->Lines()->Count() != static_cast<int>(c.n))
      state.SkipWithError("the framework's memo lost lines");
  }
  c.Report(state, "vs_framework");
}

void BM_ReadLines(benchmark::State& state) {
  TCase c(state);
  TScene& scene = c.scene;
  scene.memo->Lines()->SetTextStr(c.text);
  for (auto _ : state) {
    c.reference += WalkSeconds(c.text);
    scene.memo->Lines()->Put(0, Line(0));  // a change: the lines are found again
    const double t0 = benchtime::ThreadSeconds();
    size_t chars = 0;
    for (int i = 0; i < scene.memo->Lines()->Count(); ++i)
      chars += scene.memo->Lines()->Get(i).size();
    c.seconds += benchtime::ThreadSeconds() - t0;
    if (chars + 2 * (c.n - 1) != c.text.size()) state.SkipWithError("lines differ");
  }
  c.Report(state, "vs_walk");
}

BENCHMARK(BM_FillScrollPaint)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddLines)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLines)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace bench_memo

BENCHMARK_MAIN();
