// The hider's design window on a designed form of 1,000 and 10,000 non-visual components
// (timers, each with its icon window): hiding every component and showing them all again
// through the window's Hide All and Show All, the designer's selection of every component
// followed by the window, timers placed one at a time while the window is open (also each
// selected as it is placed), and the window deleting the selected timers (made again for each
// run). Each is reported per component ("us_per_component") and beside a
// reference measured in the same run: one walk over the form's components and the designer's
// icon windows, reading each window's place ("vs_walk": how many such walks the operation
// costs). Linear work keeps the ratio the same at both sizes. Times are the thread's CPU time.
//
// Measured on the development machine, shared with other builds, before the icon windows were
// walked once per call and the window found its items through an index (whole operation, for
// the sizes measured then): hide and show all 0.21 ms (20 components) | 222 ms (200); selecting
// all 0.62 ms (100) | 48 ms (1,000); deleting the selection 70 ms (300) | 6.5 s (3,000). After,
// per component (1,000 | 10,000): 1.9 us | 1.9 us; 0.39 us | 0.39 us; 2.0 us | 4.1 us (the
// form's and the designer's own lists still go through each freed component).
//
// Placing, per component (1,000 | 10,000): before the window found an item by its listed text
// (each placed item moved the remembered place of every item after it), 3.9 us | 37 us, and
// with each placed timer selected 5.7 us | 54 us; after, 1.3 us | 1.4 us, and selected
// 5.8 us | 14 us (the list box clears its selection and counts the selected items by walking
// them all for each selection).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/ThreadTime.h"
#include "design/pZYLDesignUnits.h"
#include "design/pZYLHideNonVC.h"
#include "design/pZYLObjectEditor.h"
#include "design/pZYLRegister.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/designer/FormDesigner.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLHideNonVC.h"
#include "tests/support/AppScope.h"

extern "C" void Initialize();
extern "C" void Finalize();

namespace bench_hide {

using benchtime::ThreadSeconds;

// The library started with its design package (the window's layout needs its classes).
struct TLibrary {
  TLibrary() {
    Initialize();
    vcl::InitializePackage(zyl::ZYLDesignUnitTable());
    zyl::ZYLLoadDesignPackage();
  }
  ~TLibrary() {
    zyl::ZYLUnloadDesignPackage();
    vcl::FinalizePackage(zyl::ZYLDesignUnitTable());
    Finalize();
  }
};

TLibrary& Library() {
  static TLibrary library;
  return library;
}

// A designed form of n timers and a hider, the hider's window open on it.
struct TScene {
  vcl::testkit::TControlsSession session{1024, 768};
  testsupport::TAppScope app;
  std::unique_ptr<vcl::TForm> form;
  std::unique_ptr<vcl::TFormDesigner> designer;
  zyl::TZYLHideNonVC* hider = nullptr;
  zyl::TZYLHideNonVCfrm* window = nullptr;
  std::vector<vcl::TComponent*> timers;

  explicit TScene(int n) : form(std::make_unique<vcl::TForm>(nullptr)) {
    Library();
    form->SetName("Designed");
    form->SetBounds(0, 0, 640, 480);
    designer = std::make_unique<vcl::TFormDesigner>(form.get());
    hider = new zyl::TZYLHideNonVC(form.get());
    hider->SetName("Hider");
    AddTimers(n);
    window = zyl::ZYLCreateEditorForm<zyl::TZYLHideNonVCfrm>(vcl::Application).release();
    zyl::ZYLHideNonVCfrm = window;
    window->SetDesigner(designer.get());
    window->SetComponent(hider);
    window->Show();
    win::testkit::RunUntilIdle(1 << 30);
  }
  ~TScene() {
    delete window;
    designer.reset();
    form.reset();
  }
  TScene(const TScene&) = delete;
  TScene& operator=(const TScene&) = delete;

  void AddTimers(int n) {
    for (int i = 0; i < n; ++i) {
      auto* t = new vcl::TTimer(form.get());
      t->SetName("Timer" + std::to_string(i + 1));
      t->SetDesignInfo(((20 + i % 400) << 16) | (10 + i % 600));
      timers.push_back(t);
    }
  }

  // The reference: the form's components and the icon windows walked once.
  double WalkSeconds() {
    const double t0 = ThreadSeconds();
    int valid = 0, left = 0;
    for (int i = 0; i < form->ComponentCount(); ++i)
      valid += zyl::ZYLCheckValidComponent(form->Components(i), form.get()) ? 1 : 0;
    for (vcl::TIconWindow* w = designer->FirstIconWindow(); w; w = designer->NextIconWindow(w))
      left += w->BoundsRect().Left;
    benchmark::DoNotOptimize(valid);
    benchmark::DoNotOptimize(left);
    return ThreadSeconds() - t0;
  }
};

void Report(benchmark::State& state, double Seconds, double Reference, int n) {
  const double runs = static_cast<double>(state.iterations());
  state.counters["us_per_component"] = Seconds / runs * 1e6 / n;
  state.counters["vs_walk"] = Seconds / Reference;
}

void BM_HideAndShowAll(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  TScene scene(n);
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    reference += scene.WalkSeconds();
    const double t0 = ThreadSeconds();
    scene.window->DoSelectAll(true);
    scene.window->DoSelectAll(false);
    seconds += ThreadSeconds() - t0;
    if (zyl::TZYLHideNonVC::IsHidden(scene.timers.back())) state.SkipWithError("still hidden");
  }
  Report(state, seconds, reference, n);
}

void BM_DesignerSelectsAll(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  TScene scene(n);
  vcl::TDesignerSelections all;
  for (vcl::TComponent* c : scene.timers) all.Add(c);
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    reference += scene.WalkSeconds();
    const double t0 = ThreadSeconds();
    scene.designer->SetSelections(all);
    seconds += ThreadSeconds() - t0;
    if (scene.window->cbList->SelCount() != n) state.SkipWithError("selection lost");
    scene.designer->SelectComponent(nullptr);
  }
  Report(state, seconds, reference, n);
}

void BM_DeleteAll(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  TScene scene(0);
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    scene.timers.clear();
    scene.AddTimers(n);
    scene.window->Initialize();
    vcl::TDesignerSelections all;
    for (vcl::TComponent* c : scene.timers) all.Add(c);
    scene.designer->SetSelections(all);  // the window follows: every timer, not the hider
    reference += scene.WalkSeconds();
    const double t0 = ThreadSeconds();
    scene.window->DeleteSelection();
    seconds += ThreadSeconds() - t0;
    if (scene.form->ComponentCount() != 1) state.SkipWithError("components left");
  }
  Report(state, seconds, reference, n);
}

// Components placed on the form one at a time while the window is open, each named and
// announced as the form designer does (and, with Select, selected as the designer selects a
// component it places); the window lists each one among its sorted items.
void PlaceComponents(benchmark::State& state, bool Select) {
  const int n = static_cast<int>(state.range(0));
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    TScene scene(0);
    const double t0 = ThreadSeconds();
    for (int i = 0; i < n; ++i) {
      auto* t = new vcl::TTimer(scene.form.get());
      t->SetDesignInfo(((20 + i % 400) << 16) | (10 + i % 600));
      t->SetName("Timer" + std::to_string(i + 1));
      scene.designer->Modified();
      if (Select) scene.designer->SelectComponent(t);
    }
    seconds += ThreadSeconds() - t0;
    reference += scene.WalkSeconds();
    if (scene.window->cbList->Items()->Count() != n + 1) state.SkipWithError("items missing");
    if (Select && scene.window->cbList->SelCount() != 1) state.SkipWithError("not selected");
  }
  Report(state, seconds, reference, n);
}

void BM_PlaceComponents(benchmark::State& state) { PlaceComponents(state, false); }
void BM_PlaceAndSelectComponents(benchmark::State& state) { PlaceComponents(state, true); }

BENCHMARK(BM_HideAndShowAll)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DesignerSelectsAll)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlaceComponents)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_PlaceAndSelectComponents)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK(BM_DeleteAll)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace bench_hide

BENCHMARK_MAIN();
