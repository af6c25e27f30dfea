// The list editors' file commands on an image list of 1,000 and 10,000 items (strips of one
// 16 x 16 image): opening a list file into the working list and handing it back on OK (load and
// assign), and saving the working list. Each run measures a plain copy of the same bytes as
// its reference (reading the file's bytes into memory, writing them to a file) and reports its
// own time as a multiple of it ("vs_copy"); the time per item should stay flat from 1,000 to
// 10,000 items (the complexity fit is linear).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "foundation/ZYLCont.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point t0) {
  return std::chrono::duration<double>(Clock::now() - t0).count();
}

// An image list of Items strips, each holding one distinct 16 x 16 image.
zyl::TZYLImageList& List(int Items) {
  static std::map<int, std::unique_ptr<zyl::TZYLImageList>> lists;
  auto& l = lists[Items];
  if (!l) {
    l = std::make_unique<zyl::TZYLImageList>();
    vcl::TBitmap cell;
    cell.SetPixelFormat(vcl::pf24bit);
    cell.SetSize(16, 16);
    for (int i = 0; i < Items; ++i) {
      cell.Canvas()->Brush()->SetColor(vcl::TColor(0x010203 * (i % 80 + 1)));
      cell.Canvas()->FillRect(win::TRect{0, 0, 16, 16});
      auto* strip = l->GetArrayItem(l->Add());
      strip->Description = "item " + std::to_string(i);
      strip->Add(&cell, nullptr);
    }
  }
  return *l;
}

std::string FileName(const char* what) {
  return "/tmp/zyl-bench-" + std::to_string(::getpid()) + "-" + what + ".iml";
}

std::vector<char> ReadBytes(const std::string& name) {
  std::ifstream f(name, std::ios::binary);
  return std::vector<char>((std::istreambuf_iterator<char>(f)), {});
}

void BM_OpenListAndAssign(benchmark::State& state) {
  const int items = static_cast<int>(state.range(0));
  const std::string name = FileName("open");
  List(items).SaveToFile(name);
  zyl::TZYLImageList edited;
  double seconds = 0;
  for (auto _ : state) {
    zyl::TZYLImageList working;
    const auto t0 = Clock::now();
    working.LoadFromFile(name);
    edited.Assign(&working);
    seconds += Since(t0);
    if (edited.Count() != items) state.SkipWithError("wrong count");
  }
  const auto t0 = Clock::now();
  std::vector<char> bytes = ReadBytes(name);
  benchmark::DoNotOptimize(bytes.data());
  const double ref = Since(t0);
  state.counters["vs_copy"] = seconds / static_cast<double>(state.iterations()) / ref;
  state.counters["file_bytes"] = static_cast<double>(bytes.size());
  state.SetComplexityN(items);
  std::remove(name.c_str());
}

void BM_SaveList(benchmark::State& state) {
  const int items = static_cast<int>(state.range(0));
  const std::string name = FileName("save"), copy = FileName("copy");
  zyl::TZYLImageList& list = List(items);
  double seconds = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    list.SaveToFile(name);
    seconds += Since(t0);
  }
  const std::vector<char> bytes = ReadBytes(name);
  const auto t0 = Clock::now();
  {
    std::ofstream f(copy, std::ios::binary);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  const double ref = Since(t0);
  state.counters["vs_copy"] = seconds / static_cast<double>(state.iterations()) / ref;
  state.counters["file_bytes"] = static_cast<double>(bytes.size());
  state.SetComplexityN(items);
  std::remove(name.c_str());
  std::remove(copy.c_str());
}

}  // namespace

BENCHMARK(BM_OpenListAndAssign)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_SaveList)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK_MAIN();
