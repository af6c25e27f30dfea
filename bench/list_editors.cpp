// The list editors' file commands on an image list (strips of one 16 x 16 image) and on a wave
// list (short 8-bit mono waves) of 1,000 and 10,000 items: opening a list file into the working
// list and handing it back on OK (load and assign), and saving the working list. Each run measures
// a plain copy of the same bytes as its reference (reading the file's bytes into memory, writing
// them to a file) and reports its own time as a multiple of it ("vs_copy"); the time per item
// should stay flat from 1,000 to 10,000 items (the complexity fit is linear).
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

// Item i of a benchmark list: a strip holding one distinct 16 x 16 image.
void AddItem(zyl::TZYLImageList& l, int i) {
  static vcl::TBitmap cell;
  if (cell.Width() != 16) {
    cell.SetPixelFormat(vcl::pf24bit);
    cell.SetSize(16, 16);
  }
  cell.Canvas()->Brush()->SetColor(vcl::TColor(0x010203 * (i % 80 + 1)));
  cell.Canvas()->FillRect(win::TRect{0, 0, 16, 16});
  auto* strip = l.GetArrayItem(l.Add());
  strip->Description = "item " + std::to_string(i);
  strip->Add(&cell, nullptr);
}

// Little-endian 16- and 32-bit values appended to a byte image.
void Put(std::vector<uint8_t>& b, uint32_t v, int bytes) {
  for (int k = 0; k < bytes; ++k) b.push_back(static_cast<uint8_t>(v >> (8 * k)));
}

// Item i of a benchmark list: a distinct 8 kHz 8-bit mono wave of 64 samples.
void AddItem(zyl::TZYLWaveList& l, int i) {
  constexpr uint32_t kSamples = 64;
  std::vector<uint8_t> w;
  for (char c : std::string("RIFF")) w.push_back(static_cast<uint8_t>(c));
  Put(w, 36 + kSamples, 4);
  for (char c : std::string("WAVEfmt ")) w.push_back(static_cast<uint8_t>(c));
  Put(w, 16, 4);
  Put(w, 1, 2);     // PCM
  Put(w, 1, 2);     // mono
  Put(w, 8000, 4);  // samples per second
  Put(w, 8000, 4);  // bytes per second
  Put(w, 1, 2);     // block align
  Put(w, 8, 2);     // bits per sample
  for (char c : std::string("data")) w.push_back(static_cast<uint8_t>(c));
  Put(w, kSamples, 4);
  for (uint32_t k = 0; k < kSamples; ++k) w.push_back(static_cast<uint8_t>(i + k));
  auto* item = l.GetArrayItem(l.Add());
  item->Description = "item " + std::to_string(i);
  item->Wave()->SetData(std::move(w));
}

// A list of the kind with Items items, made once per size.
template <class TList>
TList& List(int Items) {
  static std::map<int, std::unique_ptr<TList>> lists;
  auto& l = lists[Items];
  if (!l) {
    l = std::make_unique<TList>();
    for (int i = 0; i < Items; ++i) AddItem(*l, i);
  }
  return *l;
}

std::string FileName(const char* what, const char* ext) {
  return "/tmp/zyl-bench-" + std::to_string(::getpid()) + "-" + what + "." + ext;
}

std::vector<char> ReadBytes(const std::string& name) {
  std::ifstream f(name, std::ios::binary);
  return std::vector<char>((std::istreambuf_iterator<char>(f)), {});
}

template <class TList>
void OpenListAndAssign(benchmark::State& state, const char* ext) {
  const int items = static_cast<int>(state.range(0));
  const std::string name = FileName("open", ext);
  List<TList>(items).SaveToFile(name);
  TList edited;
  double seconds = 0;
  for (auto _ : state) {
    TList working;
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

template <class TList>
void SaveList(benchmark::State& state, const char* ext) {
  const int items = static_cast<int>(state.range(0));
  const std::string name = FileName("save", ext), copy = FileName("copy", ext);
  TList& list = List<TList>(items);
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

void BM_OpenListAndAssign(benchmark::State& state) {
  OpenListAndAssign<zyl::TZYLImageList>(state, "iml");
}
void BM_SaveList(benchmark::State& state) { SaveList<zyl::TZYLImageList>(state, "iml"); }
void BM_OpenWaveListAndAssign(benchmark::State& state) {
  OpenListAndAssign<zyl::TZYLWaveList>(state, "wvl");
}
void BM_SaveWaveList(benchmark::State& state) { SaveList<zyl::TZYLWaveList>(state, "wvl"); }

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

BENCHMARK(BM_OpenWaveListAndAssign)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_SaveWaveList)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK_MAIN();
