// The design-time pixel generators at 256 x 256 and 2048 x 2048: the 3D button face generator
// (bevel width 2) on a disc, and the region builder on a noisy bitmap (about half its pixels
// transparent, so almost every run is one pixel long). Each reports its time per pixel and its
// time as a multiple of a plain walk over the same pixels' scan lines ("vs_walk"); both stay
// flat from the small size to the large one when the work grows linearly in the pixels.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <random>

#include "design/pZYL3DEffectEditorDlg.h"
#include "design/pZYLBmpRegionEditorDlg.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/Bitmap.h"

namespace {

using Clock = std::chrono::steady_clock;

void Disc(vcl::TBitmap& bmp, int n) {
  bmp.SetPixelFormat(vcl::pf24bit);
  bmp.SetSize(n, n);
  bmp.Canvas()->Brush()->SetColor(vcl::clSilver);
  bmp.Canvas()->FillRect(win::TRect{0, 0, n, n});
  bmp.Canvas()->Brush()->SetColor(vcl::clNavy);
  bmp.Canvas()->Ellipse(n / 8, n / 8, n - n / 8, n - n / 8);
}

void Noise(vcl::TBitmap& bmp, int n) {
  bmp.SetPixelFormat(vcl::pf24bit);
  bmp.SetSize(n, n);
  std::mt19937 rng(7);
  for (int y = 0; y < n; ++y) {
    auto* row = static_cast<uint8_t*>(bmp.ScanLine(y));
    for (int x = 0; x < n * 3; x += 3) {
      const bool clear = rng() & 1;
      row[x] = row[x + 1] = row[x + 2] = clear ? 0xFF : uint8_t(rng() & 0x7F);
    }
  }
}

// Reads every pixel of the bitmap's scan lines once.
double WalkSeconds(vcl::TBitmap& bmp) {
  const auto t0 = Clock::now();
  uint64_t sum = 0;
  for (int y = 0; y < bmp.Height(); ++y) {
    const auto* row = static_cast<const uint8_t*>(bmp.ScanLine(y));
    for (int x = 0; x < bmp.Width() * 3; x += 3) sum += row[x] ^ row[x + 1] ^ row[x + 2];
  }
  benchmark::DoNotOptimize(sum);
  return std::chrono::duration<double>(Clock::now() - t0).count();
}

void Report(benchmark::State& state, double seconds, vcl::TBitmap& bmp) {
  const double per = seconds / double(state.iterations());
  const double pixels = double(bmp.Width()) * bmp.Height();
  state.counters["ns_per_pixel"] = per / pixels * 1e9;
  state.counters["vs_walk"] = per / WalkSeconds(bmp);
}

void BM_ButtonFace3D(benchmark::State& state) {
  vcl::TBitmap src, up, down, dis;
  Disc(src, int(state.range(0)));
  double seconds = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    zyl::ZYLDrawButton3D(&src, &up, &down, &dis, vcl::clSilver, vcl::clWhite, vcl::clGray,
                         vcl::clWhite, vcl::clNone, vcl::clNone, vcl::clBlack, false, 2, nullptr);
    seconds += std::chrono::duration<double>(Clock::now() - t0).count();
  }
  Report(state, seconds, src);
}

void BM_RegionFromBitmap(benchmark::State& state) {
  vcl::TBitmap bmp;
  Noise(bmp, int(state.range(0)));
  double seconds = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    win::TOwnedObject<win::HRGN> rgn(zyl::CreateRgnFromBitmap2(&bmp, {vcl::clWhite}));
    seconds += std::chrono::duration<double>(Clock::now() - t0).count();
    if (!rgn) state.SkipWithError("no region");
  }
  Report(state, seconds, bmp);
}

}  // namespace

BENCHMARK(BM_ButtonFace3D)->Arg(256)->Arg(2048)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_RegionFromBitmap)->Arg(256)->Arg(2048)->Unit(benchmark::kMillisecond)->Iterations(2);

BENCHMARK_MAIN();
