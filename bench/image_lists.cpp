// Image lists: drawing 10,000 masked 16 x 16 items onto a canvas, and loading a list file of
// 1,000 images. Each benchmark measures a reference in the same run and reports its own time
// as a multiple of it: drawing against plain CopyRect of the same cells ("vs_copyrect"),
// loading against reading the file's bytes into memory ("vs_read").
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "foundation/ZYLCont.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

using Clock = std::chrono::steady_clock;

std::unique_ptr<vcl::TBitmap> Cell(int i) {
  auto b = std::make_unique<vcl::TBitmap>();
  b->SetPixelFormat(vcl::pf24bit);
  b->SetSize(16, 16);
  b->Canvas()->Brush()->SetColor(vcl::clFuchsia);
  b->Canvas()->FillRect(win::TRect{0, 0, 16, 16});
  b->Canvas()->Brush()->SetColor(vcl::TColor(0x102030 * (i % 7 + 1)));
  b->Canvas()->FillRect(win::TRect{2 + i % 5, 2, 14, 14});
  return b;
}

zyl::TZYLImageList& List(int Images) {
  static std::unique_ptr<zyl::TZYLImageList> lists[2];
  auto& l = lists[Images > 100 ? 1 : 0];
  if (!l) {
    l = std::make_unique<zyl::TZYLImageList>();
    auto* strip = l->GetArrayItem(l->Add());
    for (int i = 0; i < Images; ++i) strip->AddMasked(Cell(i).get(), vcl::clFuchsia);
  }
  return *l;
}

double CopyRectSeconds(vcl::TBitmap& target, vcl::TBitmap& source, int n) {
  const auto t0 = Clock::now();
  for (int i = 0; i < n; ++i) {
    const int x = (i * 16) % 240, y = ((i / 15) * 16) % 240;
    target.Canvas()->CopyRect(win::TRect{x, y, x + 16, y + 16}, source.Canvas(),
                              win::TRect{0, 0, 16, 16});
  }
  return std::chrono::duration<double>(Clock::now() - t0).count();
}

void BM_DrawItems(benchmark::State& state) {
  zyl::TZYLImageList& list = List(100);
  vcl::TBitmap target;
  target.SetPixelFormat(vcl::pf24bit);
  target.SetSize(256, 256);
  const int n = 10000;
  double seconds = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    for (int i = 0; i < n; ++i) {
      const int x = (i * 16) % 240, y = ((i / 15) * 16) % 240;
      list.DrawExt(target.Canvas(), win::TRect{x, y, x + 16, y + 16}, zyl::dsfTransparent, 0,
                   i % 100);
    }
    seconds += std::chrono::duration<double>(Clock::now() - t0).count();
  }
  auto source = Cell(3);
  const double ref = CopyRectSeconds(target, *source, n);
  state.counters["vs_copyrect"] = seconds / static_cast<double>(state.iterations()) / ref;
}

void BM_LoadListFile(benchmark::State& state) {
  const std::string name = "/tmp/zyl-bench-" + std::to_string(::getpid()) + ".iml";
  List(1000).SaveToFile(name);
  double seconds = 0;
  for (auto _ : state) {
    zyl::TZYLImageList back;
    const auto t0 = Clock::now();
    back.LoadFromFile(name);
    seconds += std::chrono::duration<double>(Clock::now() - t0).count();
    if (back.ItemCount(0) != 1000) state.SkipWithError("wrong count");
  }
  const auto t0 = Clock::now();
  std::ifstream f(name, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(f)), {});
  benchmark::DoNotOptimize(bytes.data());
  const double ref = std::chrono::duration<double>(Clock::now() - t0).count();
  state.counters["vs_read"] = seconds / static_cast<double>(state.iterations()) / ref;
  state.counters["file_bytes"] = static_cast<double>(bytes.size());
  std::remove(name.c_str());
}

}  // namespace

BENCHMARK(BM_DrawItems)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadListFile)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
