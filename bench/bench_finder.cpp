// The file finder walking a tree of 200,000 files in 20,000 folders with an
// extension filter (three of the tree's ten extensions), against `find` with
// the same -name patterns over the same tree in the same run (target: at most
// 1.0) and against `fdfind` (package fd-find), which walks in parallel, with
// the same patterns. Our side collects the paths and records of what it
// finds; the peers print their paths to /dev/null. Every side runs on a warm
// page cache. Install the peers with
//   bash scripts/ensure_packages.sh findutils fd-find
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "filelist/core/file_finder.h"
#include "paired_runs.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTopFolders = 20;
constexpr int kMiddleFolders = 10;
constexpr int kFilesPerFolder = 10;
constexpr int kFolders = 20000;
const char* const kExtensions[] = {"txt", "jpg", "png", "mp3", "doc", "c", "h", "log", "dat", "xml"};

struct WorkArea {
  fs::path dir;
  WorkArea() {
    dir = fs::temp_directory_path() / ("syllabrix-bench-finder-" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  ~WorkArea() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
} workArea;

// 20 top folders of 10 middle folders of 99 leaves: 20,000 folders in all,
// each with ten empty files.
const std::string& Tree() {
  static const std::string root = [] {
    const fs::path r = workArea.dir / "tree";
    std::vector<fs::path> folders;
    for (int a = 0; a < kTopFolders; ++a) {
      const fs::path top = r / ("top" + std::to_string(a));
      folders.push_back(top);
      for (int b = 0; b < kMiddleFolders; ++b) {
        const fs::path middle = top / ("mid" + std::to_string(b));
        folders.push_back(middle);
        for (int c = 0; folders.size() < static_cast<size_t>(kFolders) && c < 99; ++c)
          folders.push_back(middle / ("leaf" + std::to_string(c)));
      }
    }
    for (size_t i = 0; i < folders.size(); ++i) {
      fs::create_directories(folders[i]);
      for (int k = 0; k < kFilesPerFolder; ++k) {
        const fs::path file = folders[i] / ("file" + std::to_string(i) + "_" + std::to_string(k) + "." +
                                            kExtensions[(i + static_cast<size_t>(k)) % std::size(kExtensions)]);
        std::ofstream(file).close();
      }
    }
    std::fprintf(stderr, "tree: %zu folders, %zu files\n", folders.size(), folders.size() * kFilesPerFolder);
    return r.string();
  }();
  return root;
}

size_t gFound = 0;

double RunFinder() {
  const auto start = bench::Clock::now();
  TFileFinderObj finder(Tree(), true);
  finder.ExtensionFilter.SetFilter("txt;jpg;mp3", "", "");
  if (!finder.Execute()) return -1;
  gFound = finder.FileList.size();
  return bench::SecondsSince(start);
}

std::string FindCommand() {
  return "find '" + Tree() + "' \\( -name '*.txt' -o -name '*.jpg' -o -name '*.mp3' \\) > /dev/null";
}

std::string FdCommand() { return "fdfind -u -g '*.{txt,jpg,mp3}' . '" + Tree() + "' > /dev/null 2>&1"; }

void BM_FinderAgainstFind(benchmark::State& state) {
  for (auto _ : state) {
    RunFinder();  // warms the page cache and the dentries
    bench::TimeCommand(FindCommand());
    const auto t =
        bench::RunPaired(bench::kDefaultRepetitions, RunFinder, [] { return bench::TimeCommand(FindCommand()); });
    bench::Report(state, "Finder/3 extensions", "find -name", t, 1.0);
    state.counters["found"] = static_cast<double>(gFound);
  }
}

void BM_FinderAgainstFd(benchmark::State& state) {
  for (auto _ : state) {
    const auto t =
        bench::RunPaired(bench::kDefaultRepetitions, RunFinder, [] { return bench::TimeCommand(FdCommand()); });
    bench::Report(state, "Finder/3 extensions", "fdfind (parallel)", t, 0);
  }
}

BENCHMARK(BM_FinderAgainstFind)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FinderAgainstFd)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  bench::PrintSummary();
  return 0;
}
