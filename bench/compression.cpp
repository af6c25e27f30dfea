// Speed and ratio of the block compression on bitmap-like pixels and on text. Each benchmark
// also copies the same bytes with memcpy in the same run and reports its own time as a
// multiple of that copy ("vs_memcpy"), so results compare across machines; "ratio" is the
// compressed size over the source size.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <random>
#include <vector>

#include "foundation/ZYLCompress.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A 32-bit image: flat areas, gradients, a checker pattern and a little noise.
Bytes Pixels() {
  const int w = 512;
  const int h = 384;
  std::mt19937 rng(1);
  Bytes b;
  b.reserve(static_cast<size_t>(w) * h * 4);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      uint8_t px[4];
      if (x < w / 4) {
        px[0] = px[1] = px[2] = 0xC0;
      } else if (x < w / 2) {
        px[0] = static_cast<uint8_t>(x); px[1] = static_cast<uint8_t>(y); px[2] = 0x80;
      } else if (x < 3 * w / 4) {
        const bool on = ((x / 8) + (y / 8)) % 2 == 0;
        px[0] = on ? 0xFF : 0; px[1] = on ? 0xFF : 0; px[2] = on ? 0xFF : 0x40;
      } else {
        px[0] = static_cast<uint8_t>(0x60 + rng() % 8); px[1] = 0x70; px[2] = 0x30;
      }
      px[3] = 0;
      b.insert(b.end(), px, px + 4);
    }
  }
  return b;
}

Bytes Text() {
  static const char* words[] = {"the ", "control ", "paints ", "its ", "bevel ", "caption ",
                                "and ", "glyph ", "when ", "an ", "image ", "list ",
                                "changes; ", "settings ", "objects ", "report ", "every ",
                                "change ", "to ", "their ", "owner.\r\n", "Transparent ",
                                "controls ", "draw ", "the ", "parent's ", "background. "};
  std::mt19937 rng(2);
  Bytes b;
  while (b.size() < 1000000) {
    const char* w = words[rng() % (sizeof(words) / sizeof(words[0]))];
    b.insert(b.end(), w, w + std::strlen(w));
  }
  return b;
}

const Bytes& Source(int kind) {
  static const Bytes pixels = Pixels();
  static const Bytes text = Text();
  return kind == 0 ? pixels : text;
}

// Seconds per memcpy of the source, measured now.
double MemcpySeconds(const Bytes& src) {
  Bytes dst(src.size());
  const int reps = 50;
  const auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < reps; ++i) {
    std::memcpy(dst.data(), src.data(), src.size());
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
  }
  const auto t1 = std::chrono::steady_clock::now();
  return std::chrono::duration<double>(t1 - t0).count() / reps;
}

void Report(benchmark::State& state, const Bytes& src, size_t packed, double seconds) {
  const double per = seconds / static_cast<double>(state.iterations());
  state.counters["ratio"] = static_cast<double>(packed) / static_cast<double>(src.size());
  state.counters["vs_memcpy"] = per / MemcpySeconds(src);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(src.size()));
  state.SetLabel(state.range(0) == 0 ? "pixels" : "text");
}

void BM_Memcpy(benchmark::State& state) {
  const Bytes& src = Source(static_cast<int>(state.range(0)));
  Bytes dst(src.size());
  for (auto _ : state) {
    std::memcpy(dst.data(), src.data(), src.size());
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(src.size()));
  state.SetLabel(state.range(0) == 0 ? "pixels" : "text");
}

void BM_Compress(benchmark::State& state) {
  const Bytes& src = Source(static_cast<int>(state.range(0)));
  size_t packed = 0;
  double seconds = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    const Bytes out = zyl::ZYLCompressBytes(src.data(), src.size());
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    packed = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  Report(state, src, packed, seconds);
}

void BM_Decompress(benchmark::State& state) {
  const Bytes& src = Source(static_cast<int>(state.range(0)));
  const Bytes packed = zyl::ZYLCompressBytes(src.data(), src.size());
  double seconds = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    const Bytes out = zyl::ZYLDecompressBytes(packed.data(), packed.size());
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    benchmark::DoNotOptimize(out.data());
  }
  Report(state, src, packed.size(), seconds);
}

}  // namespace

BENCHMARK(BM_Memcpy)->Arg(0)->Arg(1);
BENCHMARK(BM_Compress)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decompress)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
