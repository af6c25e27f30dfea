// Forms of 1,000 and 10,000 of the library's controls, every class of the palette in turn (the
// non-visual components of the palette once each): creating one in code, reading it from its
// form stream, showing and painting it on the headless screen, and the form designer placing
// as many components one by one as the user drops them. Each phase is reported per control
// ("us_per_control") and beside a reference measured in the same run: the same phase on a form
// of as many of the framework's controls of mixed classes ("vs_framework": how many times the
// framework form's cost per control the library form's is). Linear work keeps both the same at
// both sizes. Times are the thread's CPU time.
//
// Per control on the development machine, shared with other builds, before and after a form
// stopped walking all its children for its scroll range at every control placed
// (1,000 | 10,000 controls): creating 19 us | 148 us -> 12 us | 13 us; reading 16 us | 31 us
// -> 10 us | 11 us; the designer placing 15 us | 126 us -> 9 us | 8 us.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/ThreadTime.h"
#include "design/pZYLDesignUnits.h"
#include "design/pZYLRegister.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/designer/FormDesigner.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"

extern "C" void Initialize();
extern "C" void Finalize();

namespace bench_library_forms {

using benchtime::ThreadSeconds;

// The controls sit in a grid of cells over the form, each cell holding one control of every
// size in turn so that sizes do not decide the cost.
constexpr int kColumns = 40, kRows = 30, kCell = 24;

// The library started with its design package: the palette's classes, split into controls
// (placed again and again) and non-visual components (placed once).
struct TLibrary {
  std::vector<vcl::TClass> Controls, Others;
  TLibrary() {
    Initialize();
    vcl::InitializePackage(zyl::ZYLDesignUnitTable());
    zyl::ZYLLoadDesignPackage();
    for (const std::string& page : vcl::PalettePages())
      for (vcl::TClass c : vcl::PaletteClasses(page))
        (c->InheritsFrom(vcl::TControl::StaticClass()) ? Controls : Others).push_back(c);
  }
  ~TLibrary() {
    zyl::ZYLUnloadDesignPackage();
    vcl::FinalizePackage(zyl::ZYLDesignUnitTable());
    Finalize();
  }
};

// The framework's controls of the reference form.
const std::vector<vcl::TClass>& FrameworkClasses() {
  static const std::vector<vcl::TClass> classes = {
      vcl::TLabel::StaticClass(),    vcl::TButton::StaticClass(),
      vcl::TPanel::StaticClass(),    vcl::TEdit::StaticClass(),
      vcl::TCheckBox::StaticClass(), vcl::TShape::StaticClass(),
      vcl::TListBox::StaticClass(),  vcl::TBevel::StaticClass(),
      vcl::TComboBox::StaticClass(), vcl::TGroupBox::StaticClass(),
      vcl::TMemo::StaticClass(),     vcl::TRadioButton::StaticClass()};
  return classes;
}

void Place(vcl::TControl* c, int i) {
  const int cell = i % (kColumns * kRows);
  c->SetBounds((cell % kColumns) * kCell, (cell / kColumns) * kCell, kCell - 2, kCell - 2);
}

vcl::TComponent* Make(vcl::TForm* form, vcl::TClass cls, int i) {
  vcl::TComponent* c = cls->Create(form);
  std::string base = cls->ClassName();
  c->SetName(base.substr(1) + std::to_string(i + 1));
  if (auto* control = dynamic_cast<vcl::TControl*>(c)) {
    Place(control, i);
    control->SetParent(form);
  }
  return c;
}

vcl::TForm* MakeForm(const std::vector<vcl::TClass>& controls,
                     const std::vector<vcl::TClass>& others, int count) {
  auto* form = new vcl::TForm(nullptr);
  form->SetName("BenchForm");
  form->SetBounds(0, 0, kColumns * kCell + 16, kRows * kCell + 40);
  for (int i = 0; i < count; ++i) Make(form, controls[size_t(i) % controls.size()], i);
  for (size_t i = 0; i < others.size(); ++i) Make(form, others[i], static_cast<int>(i));
  return form;
}

TLibrary& Library() {
  static TLibrary library;
  return library;
}

// One phase on a form of n controls; returns the seconds it took.
using TPhase = double (*)(const std::vector<vcl::TClass>& controls,
                          const std::vector<vcl::TClass>& others, int n);

double CreatePhase(const std::vector<vcl::TClass>& controls, const std::vector<vcl::TClass>& others,
                   int n) {
  const double t0 = ThreadSeconds();
  delete MakeForm(controls, others, n);
  return ThreadSeconds() - t0;
}

double ReadPhase(const std::vector<vcl::TClass>& controls, const std::vector<vcl::TClass>& others,
                 int n) {
  std::unique_ptr<vcl::TForm> source(MakeForm(controls, others, n));
  const std::string bytes = vcl::WriteComponentToBytes(source.get());
  source.reset();
  const double t0 = ThreadSeconds();
  auto* form = new vcl::TForm(nullptr);
  vcl::TStringStream stream(bytes);
  vcl::ReadForm(&stream, form);
  const double seconds = ThreadSeconds() - t0;
  delete form;
  return seconds;
}

double ShowPhase(const std::vector<vcl::TClass>& controls, const std::vector<vcl::TClass>& others,
                 int n) {
  vcl::TForm* form = MakeForm(controls, others, n);
  const double t0 = ThreadSeconds();
  form->Show();
  win::testkit::RunUntilIdle(1 << 30);
  const double seconds = ThreadSeconds() - t0;
  delete form;
  win::testkit::RunUntilIdle(1 << 30);
  return seconds;
}

// The designer places the components one by one: a new component of the class named by the
// designer, put on the form where it was dropped, and selected.
double PlacePhase(const std::vector<vcl::TClass>& controls, const std::vector<vcl::TClass>& others,
                  int n) {
  auto form = std::make_unique<vcl::TForm>(nullptr);
  form->SetName("Form1");
  form->SetBounds(0, 0, kColumns * kCell + 16, kRows * kCell + 40);
  auto designer = std::make_unique<vcl::TFormDesigner>(form.get());
  const double t0 = ThreadSeconds();
  for (int i = 0; i < n + static_cast<int>(others.size()); ++i) {
    const bool control = i >= static_cast<int>(others.size());
    const vcl::TClass cls = control ? controls[size_t(i) % controls.size()] : others[size_t(i)];
    vcl::TComponent* c = cls->Create(form.get());
    c->SetName(designer->UniqueName(cls->ClassName()));
    if (auto* placed = dynamic_cast<vcl::TControl*>(c)) {
      Place(placed, i);
      placed->SetParent(form.get());
    }
    designer->SelectComponent(c);
    designer->Modified();
  }
  const double seconds = ThreadSeconds() - t0;
  designer.reset();
  form.reset();
  return seconds;
}

void Run(benchmark::State& state, TPhase phase) {
  vcl::testkit::TControlsSession session(1024, 768);
  TLibrary& library = Library();
  const int n = static_cast<int>(state.range(0));
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    reference += phase(FrameworkClasses(), {}, n);
    seconds += phase(library.Controls, library.Others, n);
  }
  const double per = seconds / static_cast<double>(state.iterations());
  state.counters["us_per_control"] = per * 1e6 / n;
  state.counters["vs_framework"] = seconds / reference;
}

void BM_CreateForm(benchmark::State& state) { Run(state, CreatePhase); }
void BM_ReadForm(benchmark::State& state) { Run(state, ReadPhase); }
void BM_ShowAndPaintForm(benchmark::State& state) { Run(state, ShowPhase); }
void BM_DesignerPlaces(benchmark::State& state) { Run(state, PlacePhase); }

BENCHMARK(BM_CreateForm)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReadForm)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ShowAndPaintForm)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_DesignerPlaces)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace bench_library_forms

BENCHMARK_MAIN();
