// Painting a form of labels: 1,000 and 10,000 opaque standard labels (40 x 14, a short caption
// each) on a 1000 x 640 form, repainted as a whole on the headless screen. Reported per label
// and beside a reference measured in the same run: a plain FillRect of each label's area on a
// bitmap of the form's size ("vs_fillrect": how many times the reference one repaint costs).
// Times are the thread's CPU time.
//
// Per label on the development machine, shared with other builds, before and after a clip
// rectangle cut out of a DC narrowed its worked-out clip instead of combining it anew
// (1,000 | 10,000 labels): 4.4 us -> 3.8 us | 5.3 us -> 4.6 us.
#include <benchmark/benchmark.h>

#include <time.h>

#include <memory>
#include <string>

#include "display/ZYLLabel.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/AppScope.h"

namespace bench_labels {

constexpr int kColumns = 25;
constexpr int kRows = 40;
constexpr int kW = 40;
constexpr int kH = 14;

double Now() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Label i's place: a grid of 25 x 40 cells, further labels laid over the first ones.
vcl::TRect Cell(int i) {
  const int x = (i % kColumns) * kW, y = ((i / kColumns) % kRows) * (kH + 2);
  return {x, y, x + kW, y + kH};
}

vcl::TForm* MakeForm(int labels) {
  auto* form = new vcl::TForm(nullptr);
  form->SetBorderStyle(vcl::bsNone);
  form->SetBounds(0, 0, kColumns * kW, kRows * (kH + 2));
  for (int i = 0; i < labels; ++i) {
    auto* l = new zyl::TZYLLabel(form);
    const vcl::TRect r = Cell(i);
    l->SetAutoSize(false);
    l->SetTransparent(false);
    l->SetColor(vcl::clWhite);
    l->SetBounds(r.Left, r.Top, kW, kH);
    l->SetCaption("L" + std::to_string(i % 1000));
    l->SetParent(form);
  }
  return form;
}

double ReferenceSeconds(vcl::TBitmap* Target, int labels) {
  vcl::TCanvas* c = Target->Canvas();
  c->Brush()->SetColor(vcl::clWhite);
  const double t0 = Now();
  for (int i = 0; i < labels; ++i) c->FillRect(Cell(i));
  benchmark::DoNotOptimize(c->Pixels(0, 0));
  return Now() - t0;
}

void BM_PaintLabels(benchmark::State& state) {
  vcl::testkit::TControlsSession session(1024, 768);
  const testsupport::TAppScope app;
  const int labels = static_cast<int>(state.range(0));
  std::unique_ptr<vcl::TForm> form(MakeForm(labels));
  form->Show();
  win::testkit::RunUntilIdle(1 << 30);
  vcl::TBitmap target;
  target.SetSize(form->Width(), form->Height());
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    reference += ReferenceSeconds(&target, labels);
    const double t0 = Now();
    form->Invalidate();
    win::testkit::RunUntilIdle(1 << 30);
    seconds += Now() - t0;
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["us_per_label"] = seconds / n * 1e6 / labels;
  state.counters["vs_fillrect"] = seconds / reference;
  form.reset();
}

BENCHMARK(BM_PaintLabels)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace bench_labels

BENCHMARK_MAIN();
