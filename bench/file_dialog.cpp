// The open dialog on a big folder: showing it lists the files through two overlapping masks
// (so that names come twice and are listed once). The cost must grow linearly: it runs at
// 10,000 and 100,000 files and reports the time per file ("us_per_file") and its cost as a
// multiple ("vs_ref") of a reference measured in the same run (the folder listed once through
// FindFirst and FindNext). Times are the thread's CPU time.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "bench/ThreadTime.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/StdCtrls.h"
#include "platform/rtl/FileUtils.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/DialogScript.h"
#include "tests/support/TempDir.h"

namespace {

using namespace vcl;

using benchtime::ThreadSeconds;

double ReferenceSeconds(const std::string& folder) {
  const double t0 = ThreadSeconds();
  size_t names = 0;
  TSearchRec sr;
  if (FindFirst(IncludeTrailingPathDelimiter(folder) + "*.txt", 0, sr) == 0) {
    do ++names;
    while (FindNext(sr) == 0);
    FindClose(sr);
  }
  benchmark::DoNotOptimize(names);
  return ThreadSeconds() - t0;
}

void BM_OpenDialogListing(benchmark::State& state) {
  testkit::TControlsSession session;
  testsupport::TempDir dir;
  const int files = static_cast<int>(state.range(0));
  for (int i = 0; i < files; ++i) std::ofstream(dir.File("file" + std::to_string(i) + ".txt"));
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    reference += ReferenceSeconds(dir.Path());
    TOpenDialog dialog(nullptr);
    dialog.SetFilter("Text|*.txt;file*");
    dialog.SetInitialDir(dir.Path());
    int listed = 0;
    testkit::TDialogScript script;
    script.Do([&](TCustomForm* f) {
      if (auto* list = dynamic_cast<TListBox*>(f->FindComponent("Files")))
        listed = list->Items()->Count();
    });
    script.Press("Cancel");
    const double t0 = ThreadSeconds();
    dialog.Execute();
    seconds += ThreadSeconds() - t0;
    if (listed != files) state.SkipWithError("the dialog did not list every file once");
  }
  state.counters["us_per_file"] = seconds / static_cast<double>(state.iterations()) / files * 1e6;
  state.counters["vs_ref"] = seconds / reference;
}
BENCHMARK(BM_OpenDialogListing)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
