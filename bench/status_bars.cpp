// Status bars of 1,000 and 10,000 panels, both kinds: the framework's bar with its panel
// collection, and the library's bar whose panels are labels aligned to the left on it. Three
// phases each: giving a shown bar its panels and painting it, reading the form that holds the
// bar from its form stream, and freeing that form. The library's bar is given its labels two
// ways: aligning them once after the last (as reading does), and one by one as its component
// editor adds them, each new label going before the others (which all move right by its
// width: n labels make n * (n - 1) / 2 moves whatever the alignment costs), or put past the
// others first so that it goes after them (none moves, but each alignment still walks them all).
// Each case is reported per panel ("us_per_panel") and beside a reference measured in the same run:
// one walk over the panels reading each one's width ("vs_walk": how many such walks the phase
// costs; linear work keeps it the same at both sizes). Times are the thread's CPU time.
//
// Per panel on the development machine, shared with other builds (1,000 | 10,000). The
// framework's bar, before a collection searched the item it drops from its end: adding
// 0.40 us | 0.29 us, reading 0.22 us | 0.19 us, freeing 0.14 us | 1.1 us; after, freeing
// 0.016 us | 0.019 us (adding and reading as before). The library's bar, before the controls of
// one alignment were ordered by one sort (each was inserted into a list): aligning once
// 7.2 us | 21 us, one by one 119 us | 2.7 ms, reading 4.1 us | 35 us, freeing 0.38 us | 1.7 us;
// after, 7.4 us | 8.6 us, 85 us | 0.98 ms (the moves), 4.3 us | 4.7 us, 0.38 us | 1.5 us
// (callgrind counts 12.8 times the instructions for freeing ten times the labels: the rest of
// the growth is the memory of 10,000 labels). Put past the others one by one: before, 162 us
// with 1,000 (10,000 not measured: each alignment sorted its list by insertion); after,
// 20 us | 0.30 ms.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/ThreadTime.h"
#include "buttons/ZYLStatusBar.h"
#include "display/ZYLSimpleLabel.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/AppScope.h"

namespace bench_status {

using benchtime::ThreadSeconds;

constexpr int kPanelWidth = 40;

// The session, the library's application and its two classes for reading forms.
struct TSession {
  vcl::testkit::TControlsSession session{1024, 768};
  testsupport::TAppScope app;
  TSession() {
    vcl::RegisterCommonControls();
    zyl::ZYLStatusBarUnit.Init();
    zyl::ZYLSimpleLabelUnit.Init();
  }
  ~TSession() {
    zyl::ZYLSimpleLabelUnit.FInit();
    zyl::ZYLStatusBarUnit.FInit();
  }
  TSession(const TSession&) = delete;
  TSession& operator=(const TSession&) = delete;
};

std::unique_ptr<vcl::TForm> NewForm() {
  auto form = testsupport::FramelessForm(800, 200);
  form->SetName("Host");
  return form;
}

// The framework's bar on Form with n panels, added one at a time.
vcl::TStatusBar* FillFrameworkBar(vcl::TForm* Form, int n) {
  auto* bar = new vcl::TStatusBar(Form);
  bar->SetName("Bar");
  bar->SetParent(Form);
  for (int i = 0; i < n; ++i) {
    vcl::TStatusPanel* p = bar->Panels()->Add();
    p->SetWidth(kPanelWidth);
    p->SetText("P" + std::to_string(i));
  }
  return bar;
}

// The library's bar on Form with n labels, each placed and then aligned to the left (each
// new one goes before the others, which all move right by its width). With Once, the bar
// aligns its labels once, after the last (the labels then stand in the order they came).
// With AtEnd, each label is first put past the others, so that it goes after them (none moves).
zyl::TZYLStatusBar* FillLibraryBar(vcl::TForm* Form, int n, bool Once = false, bool AtEnd = false) {
  auto* bar = new zyl::TZYLStatusBar(Form);
  bar->SetName("Bar");
  bar->SetParent(Form);
  if (Once) bar->DisableAlign();
  for (int i = 0; i < n; ++i) {
    auto* l = new zyl::TZYLSimpleLabel(Form);
    l->SetName("Label" + std::to_string(i));
    if (AtEnd) l->SetLeft(i * kPanelWidth + kPanelWidth);
    l->SetParent(bar);
    l->SetWidth(kPanelWidth);
    l->SetAlign(vcl::alLeft);
    l->SetCaption("P" + std::to_string(i));
  }
  if (Once) bar->EnableAlign();
  return bar;
}

// The reference: every panel's width read once.
double WalkSeconds(vcl::TStatusBar* Bar) {
  const double t0 = ThreadSeconds();
  int64_t sum = 0;
  for (int i = 0; i < Bar->Panels()->Count(); ++i) sum += Bar->Panels()->Items(i)->Width();
  benchmark::DoNotOptimize(sum);
  return ThreadSeconds() - t0;
}

double WalkSeconds(zyl::TZYLStatusBar* Bar) {
  const double t0 = ThreadSeconds();
  int64_t sum = 0;
  for (int i = 0; i < Bar->ControlCount(); ++i) sum += Bar->Controls(i)->Width();
  benchmark::DoNotOptimize(sum);
  return ThreadSeconds() - t0;
}

int PanelCount(vcl::TStatusBar* Bar) { return Bar->Panels()->Count(); }
int PanelCount(zyl::TZYLStatusBar* Bar) { return Bar->ControlCount(); }
vcl::TStatusBar* Fill(vcl::TForm* Form, int n, vcl::TStatusBar*) {
  return FillFrameworkBar(Form, n);
}
// The library's bar aligning once: the setup of reading and freeing.
zyl::TZYLStatusBar* Fill(vcl::TForm* Form, int n, zyl::TZYLStatusBar*) {
  return FillLibraryBar(Form, n, true);
}

void Report(benchmark::State& state, double Seconds, double Reference, int n) {
  const double runs = static_cast<double>(state.iterations());
  state.counters["us_per_panel"] = Seconds / runs * 1e6 / n;
  state.counters["vs_walk"] = Seconds / Reference;
}

// Times filling a shown form's bar with n panels through Fill(form, n), the queue run until
// idle included; Fault(bar, n) names what went wrong with the bar filled, or answers null.
template <class FFill, class FFault>
void TimeFilling(benchmark::State& state, FFill Fill, FFault Fault) {
  const TSession session;
  const int n = static_cast<int>(state.range(0));
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    std::unique_ptr<vcl::TForm> form = NewForm();
    form->Show();
    win::testkit::RunUntilIdle(1 << 30);
    const double t0 = ThreadSeconds();
    auto* bar = Fill(form.get(), n);
    win::testkit::RunUntilIdle(1 << 30);
    seconds += ThreadSeconds() - t0;
    reference += WalkSeconds(bar);
    if (const char* fault = Fault(bar, n)) state.SkipWithError(fault);
  }
  Report(state, seconds, reference, n);
}

template <class TBar>
void BM_AddPanels(benchmark::State& state) {
  TimeFilling(
      state, [](vcl::TForm* Form, int n) { return Fill(Form, n, static_cast<TBar*>(nullptr)); },
      [](TBar* bar, int n) { return PanelCount(bar) != n ? "panels lost" : nullptr; });
}

void AddPanelsOneByOne(benchmark::State& state, bool AtEnd) {
  TimeFilling(
      state, [AtEnd](vcl::TForm* Form, int n) { return FillLibraryBar(Form, n, false, AtEnd); },
      [AtEnd](zyl::TZYLStatusBar* bar, int n) {
        return (bar->Controls(0)->Left() < bar->Controls(n - 1)->Left()) != AtEnd
                   ? "the labels stand in the wrong order"
                   : nullptr;
      });
}

void BM_AddPanelsOneByOne(benchmark::State& state) { AddPanelsOneByOne(state, false); }
void BM_AppendPanelsOneByOne(benchmark::State& state) { AddPanelsOneByOne(state, true); }

template <class TBar>
void BM_ReadPanels(benchmark::State& state) {
  const TSession session;
  const int n = static_cast<int>(state.range(0));
  std::string bytes;
  {
    std::unique_ptr<vcl::TForm> source = NewForm();
    Fill(source.get(), n, static_cast<TBar*>(nullptr));
    bytes = vcl::WriteComponentToBytes(source.get());
  }
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    auto form = std::make_unique<vcl::TForm>(nullptr);
    vcl::TStringStream stream(bytes);
    const double t0 = ThreadSeconds();
    vcl::ReadForm(&stream, form.get());
    seconds += ThreadSeconds() - t0;
    auto* bar = dynamic_cast<TBar*>(form->FindComponent("Bar"));
    if (!bar || PanelCount(bar) != n) {
      state.SkipWithError("panels lost");
      break;
    }
    reference += WalkSeconds(bar);
  }
  Report(state, seconds, reference, n);
}

template <class TBar>
void BM_FreePanels(benchmark::State& state) {
  const TSession session;
  const int n = static_cast<int>(state.range(0));
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    std::unique_ptr<vcl::TForm> form = NewForm();
    TBar* bar = Fill(form.get(), n, static_cast<TBar*>(nullptr));
    reference += WalkSeconds(bar);
    const double t0 = ThreadSeconds();
    form.reset();
    seconds += ThreadSeconds() - t0;
  }
  Report(state, seconds, reference, n);
}

BENCHMARK_TEMPLATE(BM_AddPanels, vcl::TStatusBar)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_ReadPanels, vcl::TStatusBar)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_FreePanels, vcl::TStatusBar)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_AddPanels, zyl::TZYLStatusBar)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddPanelsOneByOne)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendPanelsOneByOne)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_ReadPanels, zyl::TZYLStatusBar)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_FreePanels, zyl::TZYLStatusBar)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

}  // namespace bench_status

BENCHMARK_MAIN();
