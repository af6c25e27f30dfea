// A sorted string list filled with 10,000 and 100,000 words of random letters (Add into a list
// with Sorted set, duplicates ignored), reported per item ("us_per_item") and beside a reference
// measured in the same run: std::sort of the same words in a vector ("vs_sort": how many such
// sorts the fill costs). Both grow per item only as the logarithm of the count does, so the time
// per item at 100,000 stays within a small factor of the time at 10,000. Times are the thread's
// CPU time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "bench/ThreadTime.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/StrUtils.h"

namespace {

using benchtime::ThreadSeconds;

std::vector<std::string> Words(size_t n) {
  std::mt19937 random(5);
  std::vector<std::string> words;
  words.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    std::string w;
    for (int k = 0; k < 8; ++k) w += static_cast<char>('a' + random() % 26);
    words.push_back(w);
  }
  return words;
}

void BM_SortedFill(benchmark::State& state) {
  const std::vector<std::string> words = Words(static_cast<size_t>(state.range(0)));
  double seconds = 0, reference = 0;
  for (auto _ : state) {
    vcl::TStringList list;
    list.SetSorted(true);
    const double t0 = ThreadSeconds();
    for (const std::string& w : words) list.Add(w);
    seconds += ThreadSeconds() - t0;
    // The reference sorts with the list's own comparison of strings.
    std::vector<std::string> sorted = words;
    const double t1 = ThreadSeconds();
    std::sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
      return vcl::AnsiCompareText(a, b) < 0;
    });
    reference += ThreadSeconds() - t1;
    if (list.Count() < 2 || vcl::AnsiCompareText(list.Strings(0), sorted.front()) != 0)
      state.SkipWithError("not sorted");
  }
  state.counters["us_per_item"] =
      seconds / static_cast<double>(state.iterations()) * 1e6 / static_cast<double>(words.size());
  state.counters["vs_sort"] = seconds / reference;
}

}  // namespace

BENCHMARK(BM_SortedFill)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);

BENCHMARK_MAIN();
