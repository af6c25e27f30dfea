// Find and replace in the strings editor holding 10,000 and 100,000 lines (words of letters,
// every line holding the search text once, in changing case): Replace All through the replace
// dialog's event, and a Find Next from the top that finds the only match of another word in
// the last line, both through the form on its memo. Each is reported per line beside a
// reference measured in the same run: a plain walk over the same text that upper-cases every
// character and counts the line breaks ("vs_walk": how many such walks the operation costs).
// The time per line stays flat from the small size to the large one when both grow linearly
// in the text. Times are the thread's CPU time.
#include <benchmark/benchmark.h>

#include <cctype>
#include <memory>
#include <string>

#include "bench/Counters.h"
#include "bench/ThreadTime.h"
#include "buttons/ZYLButton.h"
#include "buttons/ZYLSimplePanel.h"
#include "buttons/ZYLSpeedButton.h"
#include "buttons/ZYLStatusBar.h"
#include "design/pZYLStringsEditorDlg.h"
#include "display/ZYLGlyphLabel.h"
#include "display/ZYLInformationLabel.h"
#include "foundation/ZYLApplication.h"
#include "foundation/ZYLCont.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/StdCtrls.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLFormStyler.h"

namespace bench_strings {

using benchtime::ThreadSeconds;

// Line i: a few words with the search text "needle" once, spelt in one of three ways.
std::string Line(size_t i) {
  static const char* const spellings[] = {"needle", "Needle", "NEEDLE"};
  return "line " + std::to_string(i) + " holds a " + spellings[i % 3] + " in the hay";
}

std::string Text(size_t n) {
  std::string s;
  for (size_t i = 0; i < n; ++i) s += (i ? "\r\n" : "") + Line(i);
  return s + " and a pin";
}

// The strings editor shown with its units started.
struct TScene {
  vcl::testkit::TControlsSession session{1024, 768};
  std::unique_ptr<zyl::TZYLFrmStringEditor> form;
  TScene() {
    zyl::ZYLApplicationInit();
    zyl::ZYLContainerInit();
    zyl::ZYLSimplePanelUnit.Init();
    zyl::ZYLStatusBarUnit.Init();
    zyl::ZYLSpeedButtonUnit.Init();
    zyl::ZYLButtonUnit.Init();
    zyl::ZYLInformationLabelUnit.Init();
    zyl::ZYLGlyphLabelUnit.Init();
    zyl::ZYLFormStylerUnit.Init();
    zyl::pZYLStringsEditorDlgUnit.Init();
    form = zyl::ZYLCreateEditorForm<zyl::TZYLFrmStringEditor>(nullptr);
    form->Show();
    win::testkit::RunUntilIdle();
  }
  ~TScene() {
    form.reset();
    zyl::pZYLStringsEditorDlgUnit.FInit();
    zyl::ZYLFormStylerUnit.FInit();
    zyl::ZYLGlyphLabelUnit.FInit();
    zyl::ZYLInformationLabelUnit.FInit();
    zyl::ZYLButtonUnit.FInit();
    zyl::ZYLSpeedButtonUnit.FInit();
    zyl::ZYLStatusBarUnit.FInit();
    zyl::ZYLSimplePanelUnit.FInit();
    zyl::ZYLContainerDone();
    zyl::ZYLApplicationDone();
  }
};

// Upper-cases every character of the text and counts its line breaks; the seconds of one walk.
double WalkSeconds(const std::string& S) {
  const int rounds = static_cast<int>(std::max<size_t>(1, 20'000'000 / (S.size() + 1)));
  const double t0 = ThreadSeconds();
  for (int r = 0; r < rounds; ++r) {
    long sum = 0, breaks = 0;
    for (const char c : S) {
      sum += std::toupper(static_cast<unsigned char>(c));
      breaks += c == '\n';
    }
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(breaks);
  }
  return (ThreadSeconds() - t0) / rounds;
}

void Report(benchmark::State& state, double seconds, double reference, size_t n) {
  benchcounters::ReportPerUnit(state, seconds, reference, n, "ns_per_line", "vs_walk");
}

void BM_ReplaceAll(benchmark::State& state) {
  TScene scene;
  const size_t n = static_cast<size_t>(state.range(0));
  const std::string text = Text(n);
  vcl::TReplaceDialog* dialog = scene.form->ReplaceDialog;
  dialog->SetFindText("needle");
  dialog->SetReplaceText("[thread and needle]");
  dialog->SetOptions({vcl::frDown, vcl::frReplaceAll});
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    scene.form->StrList->SetText(text);
    reference += WalkSeconds(text);
    const double t0 = ThreadSeconds();
    scene.form->ReplaceDialogReplace(dialog);
    seconds += ThreadSeconds() - t0;
    if (scene.form->StrList->Lines()->Count() != static_cast<int>(n))
      state.SkipWithError("lines lost");
  }
  Report(state, seconds, reference, n);
}

void BM_FindInLastLine(benchmark::State& state) {
  TScene scene;
  const size_t n = static_cast<size_t>(state.range(0));
  const std::string text = Text(n);
  scene.form->StrList->SetText(text);
  vcl::TFindDialog* dialog = scene.form->FindDialog;
  dialog->SetFindText("pin");
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    scene.form->SearchBtnClick(nullptr);  // from the top
    reference += WalkSeconds(text);
    const double t0 = ThreadSeconds();
    scene.form->FindDialogFind(dialog);
    seconds += ThreadSeconds() - t0;
    if (scene.form->StrList->SelStart() != static_cast<int>(text.size() - 3))
      state.SkipWithError("not found");
  }
  Report(state, seconds, reference, n);
}

}  // namespace bench_strings

BENCHMARK(bench_strings::BM_ReplaceAll)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(bench_strings::BM_FindInLastLine)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
