// A form of 1,000 controls (100 panels, each holding 4 labels and 5 buttons): creating it in
// code, reading it from its form stream, and showing and painting it on the headless screen.
// Each phase is reported per control and beside a reference measured in the same run: making
// and freeing 1,000 plain components owned by one root ("vs_components": how many times the
// reference one phase costs). Times are the thread's CPU time.
#include <benchmark/benchmark.h>

#include <time.h>

#include <memory>
#include <string>

#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "tests/support/ControlsSession.h"
#include "tests/support/TestKit.h"

namespace bench_controls {

using namespace vcl;

constexpr int kPanels = 100;
constexpr int kControls = kPanels * 10;

double Now() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

TForm* MakeForm() {
  auto* form = new TForm(nullptr);
  form->SetName("BenchForm");
  form->SetBounds(0, 0, 1000, 800);
  for (int p = 0; p < kPanels; ++p) {
    auto* panel = new TPanel(form);
    panel->SetName("Panel" + std::to_string(p));
    panel->SetBounds((p % 10) * 98, (p / 10) * 76, 96, 74);
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

double ReferenceSeconds() {
  const double t0 = Now();
  auto root = std::make_unique<TComponent>(nullptr);
  for (int i = 0; i < kControls; ++i) new TComponent(root.get());
  root.reset();
  return Now() - t0;
}

void Report(benchmark::State& state, double seconds, double reference) {
  const double per = seconds / static_cast<double>(state.iterations());
  state.counters["us_per_control"] = per * 1e6 / kControls;
  state.counters["vs_components"] = per / (reference / static_cast<double>(state.iterations()));
}

void BM_CreateForm(benchmark::State& state) {
  vcl::testkit::TControlsSession session(1024, 768);
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    reference += ReferenceSeconds();
    const double t0 = Now();
    delete MakeForm();
    seconds += Now() - t0;
  }
  Report(state, seconds, reference);
}

void BM_ReadForm(benchmark::State& state) {
  vcl::testkit::TControlsSession session(1024, 768);
  std::unique_ptr<TForm> source(MakeForm());
  const std::string bytes = WriteComponentToBytes(source.get());
  source.reset();
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    reference += ReferenceSeconds();
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
    reference += ReferenceSeconds();
    TForm* form = MakeForm();
    const double t0 = Now();
    form->Show();
    win::testkit::RunUntilIdle();
    seconds += Now() - t0;
    delete form;
    win::testkit::RunUntilIdle();
  }
  Report(state, seconds, reference);
}

BENCHMARK(BM_CreateForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowAndPaintForm)->Unit(benchmark::kMillisecond);

}  // namespace bench_controls

BENCHMARK_MAIN();
