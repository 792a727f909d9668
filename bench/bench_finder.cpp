// The file finder walking a tree of 200,000 files in 20,000 folders with an
// extension filter (three of the tree's ten extensions), against `find` with
// the same -name patterns over the same tree in the same run (target: at most
// 1.0) and against `fdfind` (package fd-find), which walks in parallel, with
// the same patterns. Our side collects the paths and records of what it
// finds; the peers print their paths to /dev/null, and once more after the
// runs into a file whose lines must be the paths we found, in any order (else
// the case is not measured). Every side runs on a warm page cache. Install the peers with
//   bash scripts/ensure_packages.sh findutils fd-find
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
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

bench::TWorkDir& Work() {
  static bench::TWorkDir dir("finder");
  return dir;
}

// 20 top folders of 10 middle folders of 99 leaves: 20,000 folders in all,
// each with ten empty files.
const std::string& Tree() {
  static const std::string root = [] {
    const fs::path r = Work().Path() / "tree";
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

// The paths of the last run, sorted.
TStrArray gFound;

double RunFinder() {
  const auto start = bench::Clock::now();
  TFileFinderObj finder(Tree(), true);
  finder.ExtensionFilter.SetFilter("txt;jpg;mp3", "", "");
  if (!finder.Execute()) return -1;
  const double s = bench::SecondsSince(start);
  gFound = finder.FileList;
  std::sort(gFound.begin(), gFound.end());
  return s;
}

std::string FindCommand(const std::string& out = "/dev/null") {
  return "find '" + Tree() + "' \\( -name '*.txt' -o -name '*.jpg' -o -name '*.mp3' \\) > " + out;
}

std::string FdCommand(const std::string& out = "/dev/null") {
  return "fdfind -u -g '*.{txt,jpg,mp3}' '" + Tree() + "' > " + out + " 2>/dev/null";
}

// After the timed runs, which print to /dev/null: the peer once more into a
// file, whose lines must be the files we found.
bench::TPairedTimes CheckedAgainstOurs(bench::TPairedTimes t, std::string (*command)(const std::string&),
                                       const std::string& peer) {
  if (t.Failed) return t;
  const std::string out = Work().File("peer-paths.txt");
  if (bench::TimeCommand(command(out), {out}) < 0) return bench::NotMeasured(peer + " failed");
  std::ifstream in(out);
  TStrArray paths;
  for (std::string line; std::getline(in, line);) paths.push_back(line);
  std::sort(paths.begin(), paths.end());
  if (paths != gFound) {
    size_t same = 0;
    for (size_t i = 0; i < paths.size() && i < gFound.size() && paths[i] == gFound[i]; ++i) ++same;
    return bench::NotMeasured(peer + " found " + std::to_string(paths.size()) + " files, we " +
                              std::to_string(gFound.size()) +
                              (same < paths.size() ? "; first other path: " + paths[same] : std::string()));
  }
  return t;
}

void BM_FinderAgainstFind(benchmark::State& state) {
  for (auto _ : state) {
    RunFinder();  // warms the page cache and the dentries
    bench::TimeCommand(FindCommand());
    const auto t = CheckedAgainstOurs(
        bench::RunPaired(bench::kDefaultRepetitions, RunFinder, [] { return bench::TimeCommand(FindCommand()); }),
        FindCommand, "find");
    bench::Report(state, "Finder/3 extensions", "find -name", t, 1.0);
    state.counters["found"] = static_cast<double>(gFound.size());
  }
}

void BM_FinderAgainstFd(benchmark::State& state) {
  for (auto _ : state) {
    const auto t = CheckedAgainstOurs(
        bench::RunPaired(bench::kDefaultRepetitions, RunFinder, [] { return bench::TimeCommand(FdCommand()); }),
        FdCommand, "fdfind");
    bench::Report(state, "Finder/3 extensions", "fdfind (parallel)", t, 0);
  }
}

BENCHMARK(BM_FinderAgainstFind)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FinderAgainstFd)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return bench::RunAndSummarize(argc, argv); }
