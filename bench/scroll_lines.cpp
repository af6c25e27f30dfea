// A scrolling text given 1,000 and 10,000 lines one by one (Lines.Add on a shown scrolling
// text), then painted and its text block measured. Reported per line ("us_per_line") and beside
// a reference measured in the same run: every line measured once with the library's 3D text
// measure ("vs_measure": how many times the measuring of the lines the whole fill costs; linear
// work keeps it the same at both sizes). Times are the thread's CPU time.
//
// Per line on the development machine, shared with other builds: before a change of the lines
// marked the sizes for measuring at the next paint (instead of measuring every line and
// painting at once), 77 us with 100 lines and 0.73 ms with 1,000; after, 1.8 us | 1.7 us with
// 1,000 | 10,000 lines.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/ThreadTime.h"
#include "display/ZYLScrollText.h"
#include "foundation/ZYLProcs.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/AppScope.h"

namespace bench_scroll {

using benchtime::ThreadSeconds;

std::vector<std::string> Lines(int n) {
  std::vector<std::string> lines;
  for (int i = 0; i < n; ++i) lines.push_back("line " + std::to_string(i) + " of the credits");
  return lines;
}

void BM_AddLinesOneByOne(benchmark::State& state) {
  vcl::testkit::TControlsSession session(1024, 768);
  const testsupport::TAppScope app;
  const int n = static_cast<int>(state.range(0));
  const std::vector<std::string> lines = Lines(n);
  std::unique_ptr<vcl::TForm> form = testsupport::FramelessForm(320, 240);
  auto* text = new zyl::TZYLScrollText(form.get());
  text->SetBounds(10, 10, 300, 200);
  text->SetParent(form.get());
  form->Show();
  win::testkit::RunUntilIdle(1 << 30);
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    text->Lines()->Clear();
    win::testkit::RunUntilIdle(1 << 30);
    double t0 = ThreadSeconds();
    int widest = 0;
    for (const std::string& l : lines)
      widest = std::max(widest, zyl::ZYLGet3DTextWidth(l, text->Font3D(), text->Font()));
    reference += ThreadSeconds() - t0;
    t0 = ThreadSeconds();
    for (const std::string& l : lines) text->Lines()->Add(l);
    win::testkit::RunUntilIdle(1 << 30);
    const int measured = text->TextWidth();
    seconds += ThreadSeconds() - t0;
    if (measured != widest) state.SkipWithError("text block measured wrong");
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["us_per_line"] = seconds / runs * 1e6 / n;
  state.counters["vs_measure"] = seconds / reference;
}

BENCHMARK(BM_AddLinesOneByOne)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace bench_scroll

BENCHMARK_MAIN();
