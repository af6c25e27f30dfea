// The counters the benchmarks report a case with.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>

namespace benchcounters {

// Reports the nanoseconds one unit took under PerName ("ns_per_char") and the multiple of the
// reference the case took under VersusName ("vs_memcpy"). Seconds and Reference are summed over
// the iterations; a run handles Units units.
inline void ReportPerUnit(benchmark::State& state, double Seconds, double Reference, size_t Units,
                          const char* PerName, const char* VersusName) {
  const double runs = static_cast<double>(state.iterations());
  state.counters[PerName] = Seconds / runs * 1e9 / static_cast<double>(Units);
  state.counters[VersusName] = Seconds / Reference;
}

}  // namespace benchcounters
