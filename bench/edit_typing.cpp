// Editing a single-line edit: typing n characters one by one (WM_CHAR to the focused edit, each
// inserted, recorded for undo, drawn and followed by the caret, which scrolls the text) and
// pasting an n-character text in one go. Reported per character beside a reference measured in
// the same run: a memcpy of the same text ("vs_memcpy": how many times the copy one character
// of editing costs). Typing runs at 10,000 and 100,000 characters, pasting at 100,000 and
// 1,000,000: the time per character stays flat when editing is linear in the text length.
// Times are the thread's CPU time.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/Counters.h"
#include "bench/EditScene.h"
#include "edits/ZYLEdit.h"
#include "platform/controls/Clipbrd.h"
#include "platform/user/WinUserConsts.h"

namespace bench_edits {

// Words of letters and spaces, n characters.
std::string Text(size_t n) {
  std::string s(n, ' ');
  for (size_t i = 0; i < n; ++i) s[i] = i % 7 == 6 ? ' ' : static_cast<char>('a' + i % 26);
  return s;
}

// A form holding one focused edit, emptied (text and undo) before each round.
struct TScene : benchedit::TEditScene<zyl::TZYLEdit> {
  void Empty() {
    edit->SetText("");
    edit->ClearUndo();
  }
};

void Report(benchmark::State& state, double seconds, double reference, size_t n) {
  benchcounters::ReportPerUnit(state, seconds, reference, n, "ns_per_char", "vs_memcpy");
}

void BM_TypeCharacters(benchmark::State& state) {
  TScene scene;
  const size_t n = static_cast<size_t>(state.range(0));
  const std::string text = Text(n);
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    scene.Empty();
    reference += benchedit::MemcpySeconds(text);
    const double t0 = benchtime::ThreadSeconds();
    for (char c : text) scene.edit->Perform(win::WM_CHAR, static_cast<uint8_t>(c), 0);
    seconds += benchtime::ThreadSeconds() - t0;
    if (scene.edit->GetLength() != static_cast<int>(n)) state.SkipWithError("text lost");
  }
  Report(state, seconds, reference, n);
}

void BM_PasteText(benchmark::State& state) {
  TScene scene;
  const size_t n = static_cast<size_t>(state.range(0));
  const std::string text = Text(n);
  vcl::Clipboard()->SetAsText(text);
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    scene.Empty();
    reference += benchedit::MemcpySeconds(text);
    const double t0 = benchtime::ThreadSeconds();
    scene.edit->Perform(win::WM_PASTE, 0, 0);
    seconds += benchtime::ThreadSeconds() - t0;
    if (scene.edit->GetLength() != static_cast<int>(n)) state.SkipWithError("text lost");
  }
  Report(state, seconds, reference, n);
}

BENCHMARK(BM_TypeCharacters)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteText)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace bench_edits

BENCHMARK_MAIN();
