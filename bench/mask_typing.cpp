// Typing into a long free mask: 1,000 digits typed one by one (WM_CHAR to the focused mask
// edit, each overwriting one position and stepping over the literal behind it) into the
// template of a mask of n positions (groups of four digit positions and a literal '-'). Reported
// per key beside a reference measured in the same run: a memcpy of the whole template
// ("vs_memcpy": how many copies of the mask one key costs). The masks have 10,000 and 100,000
// positions: when a key costs what it touches, the time per key stays flat and the ratio falls
// tenfold from the one to the other; a key that walks the whole mask keeps the ratio.
// Times are the thread's CPU time.
//
// Per key on the development machine, shared with other builds, before and after a key checked
// and measured only what it touched (10,000 | 100,000 positions): 95 us -> 27 us |
// 714 us -> 29 us.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/Counters.h"
#include "bench/EditScene.h"
#include "edits/ZYLMaskEdit.h"
#include "platform/user/WinUserConsts.h"

namespace bench_mask {

constexpr size_t kKeys = 1'000;

// A mask of n positions: "0000-" repeated (four digit positions and a literal).
std::string Mask(size_t n) {
  std::string s;
  s.reserve(n + n / 5);
  for (size_t i = 0; i < n; ++i) s += i % 5 == 4 ? "\\-" : "0";
  return s;
}

// A form holding one focused free-mask edit of the given mask.
struct TScene : benchedit::TEditScene<zyl::TZYLMaskEdit> {
  explicit TScene(const std::string& Mask)
      : TEditScene([&](zyl::TZYLMaskEdit* e) {
          e->SetMaskType(zyl::meMask);
          e->SetMask(Mask);
        }) {}
};

void BM_TypeIntoMask(benchmark::State& state) {
  const size_t n = static_cast<size_t>(state.range(0));
  TScene scene(Mask(n));
  std::string keys(kKeys, '0');
  for (size_t i = 0; i < kKeys; ++i) keys[i] = static_cast<char>('1' + i % 9);
  const std::string blank = scene.edit->literalChars();
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    scene.edit->SetText(blank);
    scene.edit->ClearUndo();
    scene.edit->SetCaretPos(1);
    reference += benchedit::MemcpySeconds(blank) * kKeys;
    const double t0 = benchtime::ThreadSeconds();
    for (char c : keys) scene.edit->Perform(win::WM_CHAR, static_cast<uint8_t>(c), 0);
    seconds += benchtime::ThreadSeconds() - t0;
    // Four digits to every five positions: the 1,000th digit stands at position 1,250.
    const std::string text = scene.edit->Text();
    if (text.size() != n || text[0] != keys[0] || text[1248] != keys[kKeys - 1] || text[4] != '-')
      state.SkipWithError("digits lost");
  }
  benchcounters::ReportPerUnit(state, seconds, reference, kKeys, "ns_per_key", "vs_memcpy");
}

BENCHMARK(BM_TypeIntoMask)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace bench_mask

BENCHMARK_MAIN();
