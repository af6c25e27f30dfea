// DrawText on a 1920x1080 32-bit DIB section, with the glyph cache warm and with the cache
// emptied before every call (each glyph rendered again by FreeType). Each benchmark reports
// its time per call as a multiple of the warm-cache call measured in the same run
// ("vs_cached"), so the numbers compare across machines; the aim is the uncached call
// costing at least 20 times the cached one.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <string>

#include "platform/gdi/Gdi.h"
#include "platform/text/FontEngine.h"
#include "platform/text/Text.h"

namespace {

using namespace win;

// Words made of every printable character of the code page, each used about once, so a
// cold call renders as many glyphs as it paints.
std::string Sample() {
  std::string s;
  int inWord = 0;
  for (int c = 33; c < 256; ++c) {
    if (c == '&' || (c >= 0x7F && c < 0xA1)) continue;
    s += static_cast<char>(c);
    if (++inWord == 7) {
      s += ' ';
      inWord = 0;
    }
  }
  return s;
}

struct Screen {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HFONT font = nullptr;
  std::string text = Sample();
  Screen() {
    dc = CreateCompatibleDC(nullptr);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = 1920;
    bi.bmiHeader.biHeight = -1080;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    SelectObject(dc, bitmap);
    LOGFONTA lf;
    lf.lfHeight = -15;
    std::memcpy(lf.lfFaceName, "Arial", 6);
    font = CreateFontIndirectA(&lf);
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
  }
  void Draw() {
    RECT r{10, 10, 610, 1070};
    DrawTextA(dc, text.c_str(), -1, &r, DT_WORDBREAK | DT_NOPREFIX);
  }
};

Screen& TheScreen() {
  static Screen s;
  return s;
}

// Seconds per warm-cache DrawText, measured now.
double CachedSeconds() {
  Screen& s = TheScreen();
  s.Draw();
  const int reps = 200;
  const auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < reps; ++i) s.Draw();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() / reps;
}

void BM_DrawTextCached(benchmark::State& state) {
  Screen& s = TheScreen();
  s.Draw();
  double seconds = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    s.Draw();
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  }
  state.counters["vs_cached"] = seconds / static_cast<double>(state.iterations()) / CachedSeconds();
}

void BM_DrawTextUncached(benchmark::State& state) {
  Screen& s = TheScreen();
  double seconds = 0;
  for (auto _ : state) {
    fontengine::ClearGlyphCache();
    const auto t0 = std::chrono::steady_clock::now();
    s.Draw();
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  }
  state.counters["vs_cached"] = seconds / static_cast<double>(state.iterations()) / CachedSeconds();
}

BENCHMARK(BM_DrawTextCached)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawTextUncached)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
