// Reading and writing a binary form of 1,000 and 10,000 components (each with integers, an
// enumeration, a string, a reference to another component and an event). Reported as
// components per second, and beside a memcpy of the same bytes measured in the same run
// ("vs_memcpy": how many memcpy's of the form one read or write costs). "ns_per_component"
// must stay about the same from 1,000 to 10,000 components: name checks, reference fixups and
// the owner's notifications are not allowed to grow quadratically. BM_ReadGrowth reports that
// ratio directly. Times are the thread's CPU time.
#include <benchmark/benchmark.h>

#include <time.h>

#include <cstring>
#include <memory>
#include <string>

#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"

namespace bench_form {

using namespace vcl;

ZYL_ENUM(TBenchLook, blFlat, blRaised, blSunken)

class TBenchWidget : public TComponent {
  ZYL_CLASS(TBenchWidget, TComponent)
  explicit TBenchWidget(TComponent* AOwner) : inherited(AOwner) {}
  int32_t Left() const { return left_; }
  void SetLeft(int32_t v) { left_ = v; }
  int32_t Width() const { return width_; }
  void SetWidth(int32_t v) { width_ = v; }
  TBenchLook Look() const { return look_; }
  void SetLook(TBenchLook v) { look_ = v; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v) { caption_ = v; }
  TBenchWidget* Buddy() const { return buddy_; }
  void SetBuddy(TBenchWidget* v) { buddy_ = v; }
  TNotifyEvent OnClick() const { return onClick_; }
  void SetOnClick(TNotifyEvent v) { onClick_ = v; }

 private:
  int32_t left_ = 0;
  int32_t width_ = 10;
  TBenchLook look_ = blFlat;
  std::string caption_;
  TBenchWidget* buddy_ = nullptr;
  TNotifyEvent onClick_;
};

class TBenchForm : public TComponent {
  ZYL_CLASS(TBenchForm, TComponent)
  explicit TBenchForm(TComponent* AOwner) : inherited(AOwner) {}
  void GetChildren(const TGetChildProc& Proc, TComponent*) override {
    for (int i = 0; i < ComponentCount(); ++i) Proc(Components(i));
  }
  void Clicked(TObject*) {}
};

ZYL_CLASS_IMPL(TBenchWidget) {
  b.Prop("Left", &TBenchWidget::Left, &TBenchWidget::SetLeft).Default(0)
   .Prop("Width", &TBenchWidget::Width, &TBenchWidget::SetWidth).Default(10)
   .Prop("Look", &TBenchWidget::Look, &TBenchWidget::SetLook).Default(blFlat)
   .Prop("Caption", &TBenchWidget::Caption, &TBenchWidget::SetCaption)
   .Prop("Buddy", &TBenchWidget::Buddy, &TBenchWidget::SetBuddy)
   .Prop("OnClick", &TBenchWidget::OnClick, &TBenchWidget::SetOnClick);
}

ZYL_CLASS_IMPL(TBenchForm) { b.Method("Clicked", &TBenchForm::Clicked); }

// Seconds of CPU time of this thread: steadier than the wall clock on a busy machine.
double Now() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

std::unique_ptr<TBenchForm> MakeForm(int n) {
  RegisterClasses({TBenchWidget::StaticClass(), TBenchForm::StaticClass()});
  auto form = std::make_unique<TBenchForm>(nullptr);
  form->SetName("BenchForm");
  std::vector<TBenchWidget*> widgets;
  for (int i = 0; i < n; ++i) {
    auto* w = new TBenchWidget(form.get());
    w->SetName("Widget" + std::to_string(i));
    w->SetLeft(i * 3);
    w->SetWidth(50 + i % 100);
    w->SetLook(static_cast<TBenchLook>(i % 3));
    w->SetCaption("Caption of widget " + std::to_string(i));
    w->SetOnClick(TNotifyEvent(form.get(), &TBenchForm::Clicked));
    widgets.push_back(w);
  }
  // Every widget refers to one far ahead of it: forward references need the fixups.
  for (int i = 0; i < n; ++i) widgets[i]->SetBuddy(widgets[(i + n / 2) % n]);
  return form;
}

const std::string& FormBytes(int n) {
  static std::string small, large;
  std::string& bytes = n <= 1000 ? small : large;
  if (bytes.empty()) bytes = WriteComponentToBytes(MakeForm(n).get());
  return bytes;
}

double MemcpySeconds(const std::string& src) {
  std::string dst(src.size(), '\0');
  const int reps = 200;
  const double t0 = Now();
  for (int i = 0; i < reps; ++i) {
    std::memcpy(dst.data(), src.data(), src.size());
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
  }
  return (Now() - t0) / reps;
}

void Report(benchmark::State& state, int n, const std::string& bytes, double seconds) {
  const double per = seconds / static_cast<double>(state.iterations());
  state.counters["components_per_s"] = n / per;
  state.counters["ns_per_component"] = per * 1e9 / n;
  state.counters["vs_memcpy"] = per / MemcpySeconds(bytes);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}

double ReadSeconds(const std::string& bytes) {
  const double t0 = Now();
  std::unique_ptr<TComponent> form(ReadComponentFromBytes(bytes, nullptr));
  const double s = (Now() - t0);
  benchmark::DoNotOptimize(form.get());
  return s;
}

void BM_WriteForm(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  auto form = MakeForm(n);
  const std::string& bytes = FormBytes(n);
  double seconds = 0;
  for (auto _ : state) {
    const double t0 = Now();
    const std::string out = WriteComponentToBytes(form.get());
    seconds += (Now() - t0);
    benchmark::DoNotOptimize(out.data());
  }
  Report(state, n, bytes, seconds);
}

void BM_ReadForm(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::string& bytes = FormBytes(n);
  double seconds = 0;
  for (auto _ : state) seconds += ReadSeconds(bytes);
  Report(state, n, bytes, seconds);
}

// Time per component of a 10,000-component read over that of a 1,000-component read,
// measured side by side: about 1 when reading grows linearly, 10 if it were quadratic.
void BM_ReadGrowth(benchmark::State& state) {
  const std::string& small = FormBytes(1000);
  const std::string& large = FormBytes(10000);
  double smallSeconds = 0, largeSeconds = 0;
  for (auto _ : state) {
    smallSeconds += ReadSeconds(small);
    largeSeconds += ReadSeconds(large);
  }
  state.counters["growth"] = (largeSeconds / 10000) / (smallSeconds / 1000);
}

}  // namespace bench_form

BENCHMARK(bench_form::BM_WriteForm)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(bench_form::BM_ReadForm)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(bench_form::BM_ReadGrowth)->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();
