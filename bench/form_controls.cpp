// Forms of 1,000, 4,000 and 16,000 controls (panels, each holding 4 labels and 5 buttons):
// creating one in code, reading it from its form stream, and showing and painting it on the
// headless screen. Each phase is reported per control and beside a reference measured in the
// same run: making and freeing as many named heap objects in a plain list ("vs_plain": how many
// times the reference one phase costs; linear work keeps it the same at every size).
// Times are the thread's CPU time.
#include <benchmark/benchmark.h>

#include <time.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"

namespace bench_controls {

using namespace vcl;

constexpr int kPerPanel = 10;  // the panel and its 9 controls
constexpr int kColumns = 40;

double Now() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

TForm* MakeForm(int controls) {
  auto* form = new TForm(nullptr);
  form->SetName("BenchForm");
  form->SetBounds(0, 0, 1000, 800);
  for (int p = 0; p < controls / kPerPanel; ++p) {
    auto* panel = new TPanel(form);
    panel->SetName("Panel" + std::to_string(p));
    panel->SetBounds((p % kColumns) * 98, (p / kColumns) * 76, 96, 74);
    panel->SetParent(form);
    for (int i = 0; i < 4; ++i) {
      auto* l = new TLabel(form);
      l->SetName("Label" + std::to_string(p) + "_" + std::to_string(i));
      l->SetBounds(4, 4 + i * 16, 40, 14);
      l->SetCaption("L" + std::to_string(i));
      l->SetParent(panel);
    }
    for (int i = 0; i < 5; ++i) {
      auto* b = new TButton(form);
      b->SetName("Button" + std::to_string(p) + "_" + std::to_string(i));
      b->SetBounds(50, 2 + i * 14, 40, 13);
      b->SetCaption("B");
      b->SetParent(panel);
    }
  }
  return form;
}

double ReferenceSeconds(int controls) {
  const double t0 = Now();
  std::vector<std::unique_ptr<std::string>> plain;
  for (int i = 0; i < controls; ++i) plain.push_back(std::make_unique<std::string>("Component" + std::to_string(i)));
  benchmark::DoNotOptimize(plain.data());
  plain.clear();
  return Now() - t0;
}

void Report(benchmark::State& state, double seconds, double reference) {
  const double per = seconds / static_cast<double>(state.iterations());
  state.counters["us_per_control"] = per * 1e6 / static_cast<double>(state.range(0));
  state.counters["vs_plain"] = per / (reference / static_cast<double>(state.iterations()));
}

void BM_CreateForm(benchmark::State& state) {
  vcl::testkit::TControlsSession session(1024, 768);
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    reference += ReferenceSeconds(static_cast<int>(state.range(0)));
    const double t0 = Now();
    delete MakeForm(static_cast<int>(state.range(0)));
    seconds += Now() - t0;
  }
  Report(state, seconds, reference);
}

void BM_ReadForm(benchmark::State& state) {
  vcl::testkit::TControlsSession session(1024, 768);
  std::unique_ptr<TForm> source(MakeForm(static_cast<int>(state.range(0))));
  const std::string bytes = WriteComponentToBytes(source.get());
  source.reset();
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    reference += ReferenceSeconds(static_cast<int>(state.range(0)));
    const double t0 = Now();
    auto* form = new TForm(nullptr);
    TStringStream stream(bytes);
    ReadForm(&stream, form);
    seconds += Now() - t0;
    delete form;
  }
  Report(state, seconds, reference);
}

void BM_ShowAndPaintForm(benchmark::State& state) {
  vcl::testkit::TControlsSession session(1024, 768);
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    reference += ReferenceSeconds(static_cast<int>(state.range(0)));
    TForm* form = MakeForm(static_cast<int>(state.range(0)));
    const double t0 = Now();
    form->Show();
    win::testkit::RunUntilIdle(1 << 30);
    seconds += Now() - t0;
    delete form;
    win::testkit::RunUntilIdle(1 << 30);
  }
  Report(state, seconds, reference);
}

BENCHMARK(BM_CreateForm)->Arg(1000)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadForm)->Arg(1000)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowAndPaintForm)->Arg(1000)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond);

}  // namespace bench_controls

BENCHMARK_MAIN();
