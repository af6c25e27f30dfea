// The file search over a generated tree of 10,000 and 100,000 files (folders of 500 files, two
// levels deep), made once per size in a temporary folder and removed after. Reported side by
// side: the search's files per second ("files_per_s", every entry reported with its folder,
// name, size and date) and a plain walk of the same tree with std::filesystem
// ("walk_files_per_s"), and the search's cost as a multiple of the walk ("vs_walk"). Times are
// the thread's CPU time.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bench/ThreadTime.h"
#include "platform/classes/StringList.h"
#include "system/ZYLFileGrep.h"
#include "tests/support/TempDir.h"

namespace {

using benchtime::ThreadSeconds;
namespace fs = std::filesystem;

constexpr int FilesPerFolder = 500;
constexpr int FoldersPerBranch = 10;

// Makes the tree under Root: branch folders holding leaf folders of FilesPerFolder files.
void MakeTree(const std::string& Root, int Files) {
  for (int i = 0; i < Files; ++i) {
    const int folder = i / FilesPerFolder;
    const std::string dir =
        Root + "/b" + std::to_string(folder / FoldersPerBranch) + "/f" + std::to_string(folder);
    if (i % FilesPerFolder == 0) fs::create_directories(dir);
    std::ofstream(dir + "/file" + std::to_string(i) + ".txt") << i;
  }
}

size_t Walk(const std::string& Root) {
  size_t files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(Root)) {
    if (entry.is_regular_file()) {
      benchmark::DoNotOptimize(entry.file_size());
      ++files;
    }
  }
  return files;
}

void BM_FileSearch(benchmark::State& state) {
  const int files = static_cast<int>(state.range(0));
  testsupport::TempDir dir;
  MakeTree(dir.Path(), files);
  zyl::TZYLFileGrep grep(nullptr);
  grep.SetDirs(dir.Path());
  grep.SetFileMasks("*.txt");
  grep.SetThreadedSearch(false);
  grep.SetReturnValues({zyl::rvDir, zyl::rvFilename, zyl::rvSize, zyl::rvLastModifiedDate});
  double searched = 0, walked = 0;
  for (auto _ : state) {
    double t0 = ThreadSeconds();
    grep.Grep();
    searched += ThreadSeconds() - t0;
    t0 = ThreadSeconds();
    const size_t found = Walk(dir.Path());
    walked += ThreadSeconds() - t0;
    if (grep.FoundList()->Count() != files || found != static_cast<size_t>(files))
      state.SkipWithError("the search or the walk missed files");
  }
  const double n = static_cast<double>(files) * static_cast<double>(state.iterations());
  state.counters["files_per_s"] = n / searched;
  state.counters["walk_files_per_s"] = n / walked;
  state.counters["vs_walk"] = searched / walked;
}
BENCHMARK(BM_FileSearch)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
