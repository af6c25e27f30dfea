// Reading an INI file and a registry hive with 1,000, 10,000 and 100,000 entries. Each run
// reports the time per entry ("ns_per_entry"), which must stay flat as the count grows, and
// its time as a multiple of a plain walk over the same bytes measured in the same run
// ("vs_walk": a memchr pass counting the lines), so results compare across machines.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/classes/StringList.h"
#include "platform/sys/IniFiles.h"
#include "platform/sys/RegStore.h"
#include "platform/sys/WinReg.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point t0) {
  return std::chrono::duration<double>(Clock::now() - t0).count();
}

// A scratch folder for the benchmark's files, removed at exit.
const std::string& Scratch() {
  static const std::string dir = [] {
    char tmpl[] = "/tmp/zyl-bench-XXXXXX";
    const char* d = ::mkdtemp(tmpl);
    std::string s = d ? d : "/tmp";
    std::atexit([] { std::filesystem::remove_all(Scratch()); });
    return s;
  }();
  return dir;
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// Seconds for one walk over the bytes (counting lines), the reference of every ratio.
double WalkSeconds(const std::string& text) {
  size_t lines = 0;
  int reps = 0;
  const auto t0 = Clock::now();
  for (; reps < 10 || Since(t0) < 0.02; ++reps) {
    const char* p = text.data();
    const char* end = p + text.size();
    while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p))))) {
      ++lines;
      ++p;
    }
    benchmark::DoNotOptimize(lines);
  }
  return Since(t0) / reps;
}

void Report(benchmark::State& state, const std::string& text, double seconds) {
  const double per = seconds / static_cast<double>(state.iterations());
  state.counters["ns_per_entry"] = per * 1e9 / static_cast<double>(state.range(0));
  state.counters["vs_walk"] = per / WalkSeconds(text);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}

// An INI file of `entries` keys, two per section.
std::string IniText(int64_t entries) {
  std::string t;
  for (int64_t i = 0; i < entries; ++i) {
    if (i % 2 == 0) t += "[Section" + std::to_string(i / 2) + "]\r\n";
    t += "Key" + std::to_string(i % 2) + "=value " + std::to_string(i) + "\r\n";
  }
  return t;
}

// Reads the whole file: every section, its keys and values, and both existence tests.
void BM_IniRead(benchmark::State& state) {
  const std::string text = IniText(state.range(0));
  const std::string file = Scratch() + "/bench.ini";
  WriteFile(file, text);
  double seconds = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    vcl::TMemIniFile ini(file);
    vcl::TStringList sections, keys;
    ini.ReadSections(&sections);
    size_t found = 0;
    for (int s = 0; s < sections.Count(); ++s) {
      const std::string name = sections.Strings(s);
      ini.ReadSection(name, &keys);
      found += ini.SectionExists(name);
      for (int k = 0; k < keys.Count(); ++k) {
        found += ini.ValueExists(name, keys.Strings(k));
        found += ini.ReadString(name, keys.Strings(k), "").size();
      }
    }
    benchmark::DoNotOptimize(found);
    seconds += Since(t0);
  }
  Report(state, text, seconds);
}

// A hive with one key holding `entries` string values.
std::string HiveText(int64_t entries, int64_t save) {
  std::string t = "ZYLREG 1 bench-" + std::to_string(save) + "\nK 0 :\nK 1 :Values\n";
  for (int64_t i = 0; i < entries; ++i)
    t += "V 1 :name" + std::to_string(i) + " s:value%20" + std::to_string(i) + "\n";
  return t + "END " + std::to_string(entries + 2) + "\n";
}

// Loads the hive (a new save token each round makes the store read it again), lists the
// key's values and reads each by name.
void BM_RegistryRead(benchmark::State& state) {
  ::setenv("ZYL_REGISTRY_DIR", Scratch().c_str(), 1);
  const std::string file = win::regstore::HiveFile(win::HKEY_CURRENT_USER);
  double seconds = 0;
  int64_t save = 0;
  std::string text;
  for (auto _ : state) {
    text = HiveText(state.range(0), ++save);
    WriteFile(file, text);
    const auto t0 = Clock::now();
    std::vector<std::string> names;
    win::regstore::ValueNames(win::HKEY_CURRENT_USER, "Values", names);
    size_t found = 0;
    win::regstore::TValue v;
    for (const auto& n : names)
      found += win::regstore::QueryValue(win::HKEY_CURRENT_USER, "Values", n, v) == 0;
    benchmark::DoNotOptimize(found);
    seconds += Since(t0);
  }
  Report(state, text, seconds);
}

}  // namespace

BENCHMARK(BM_IniRead)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegistryRead)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
