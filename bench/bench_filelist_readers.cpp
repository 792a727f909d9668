// The file list view adding 20,000 files of mixed kinds (text, images,
// audio, video, documents, web pages, folders) and reading all their
// information on its reader threads - attributes, MD5 and SHA-256 digests,
// images, audio, video and documents - against the sum of
// `rhash --md5 --sha256`, `exiftool -fast2` and `mediainfo --ParseSpeed=0`
// over the same files in the same run (target: at most 0.2). Each peer runs
// as a process of its own and must exit cleanly and write its output; after
// the runs rhash's digests and the fields of exiftool and mediainfo are
// compared with ours file by file. A peer that is missing, fails, reads
// other values or leaves out files leaves the ratio "not measured". While
// the readers run, a timer on the GUI thread measures the longest time the
// thread did not answer (target: at most 50 ms), printed with the ratio.
// SYLLABRIX_BENCH_FILES sets another number of files. The files are in a
// work folder that goes however the benchmark ends. Install the peers with
//   bash scripts/ensure_packages.sh rhash libimage-exiftool-perl mediainfo
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "fileinfo_peers.h"
#include "filelist/mixed_files.h"
#include "filelist/qt/file_list_view.h"
#include "paired_runs.h"

namespace {

namespace fs = std::filesystem;

int FileCount() {
  const char* n = std::getenv("SYLLABRIX_BENCH_FILES");
  return n != nullptr && std::atoi(n) > 0 ? std::atoi(n) : 20000;
}

struct TWorkArea {
  bench::TWorkDir Dir{"readers"};
  fs::path Folder = Dir.Path() / "files";
  std::vector<std::string> Files;
  TWorkArea() {
    fs::create_directories(Folder);
    Files = mixedfiles::Generate(Folder.string(), FileCount());
  }
};

TWorkArea& Work() {
  static TWorkArea work;
  return work;
}

// What our view read, for the comparison with the peers: the fields, and
// "MD5 SHA-256" in lower case by file name.
struct TOurResults {
  fileinfo_bench::TOurFields Fields;
  std::map<std::string, std::string> Digests;
};

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

void Collect(const TFileListView& view, TOurResults& out) {
  for (int32_t i = 0; i < view.GetFileCount(); ++i) {
    const TFileListViewItem item = view.GetItem(i);
    const std::string& path = item.FileName;
    if (item.ImageInfoIndex >= 0) {
      const auto info = view.ImageInfos.Get(static_cast<size_t>(item.ImageInfoIndex));
      out.Fields.Add(path, "width", info.Width);
      out.Fields.Add(path, "height", info.Height);
    }
    if (item.AudioInfoIndex >= 0) {
      const auto info = view.AudioInfos.Get(static_cast<size_t>(item.AudioInfoIndex));
      out.Fields.Add(path, "rate", info.SampleRate);
      out.Fields.Add(path, "channels", info.Channels == aicMono ? 1 : info.Channels == aicStereo ? 2 : 0);
      out.Fields.Add(path, "duration", info.Duration);
    }
    if (item.VideoInfoIndex >= 0) {
      const auto info = view.VideoInfos.Get(static_cast<size_t>(item.VideoInfoIndex));
      out.Fields.Add(path, "width", info.Width);
      out.Fields.Add(path, "height", info.Height);
      out.Fields.Add(path, "duration", info.Duration);
    }
    if (item.CheckSumInfoIndex >= 0) {
      const auto sums = view.CheckSumInfos.Get(static_cast<size_t>(item.CheckSumInfoIndex));
      out.Digests[fs::path(path).filename().string()] = Lower(sums[0]) + " " + Lower(sums[5]);
    }
  }
}

double gLongestStallMs = 0;

double RunOurs(TOurResults* results = nullptr) {
  const auto start = bench::Clock::now();
  TFileListView view;
  view.ShowFileSearchProgressDialog = false;
  view.AddFolders = true;
  view.AddFilesFromFolders = false;
  view.SetColumns(TFileListViewColumnTypeArr{flvColName, flvColDateModified, flvColImageWidth, flvColAudioDuration,
                                             flvColVideoWidth, flvColDocumentTitle, flvColCheckSumMD5,
                                             flvColCheckSumSHA2_256});
  view.RefreshReadOutPropertiesBasedOnColumnsCurrentlyVisible();
  // The gaps between the ticks of a 5 ms timer are the GUI thread's stalls.
  QElapsedTimer sinceTick;
  double longest = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout,
                   [&] { longest = std::max(longest, static_cast<double>(sinceTick.restart())); });
  view.AddFilesFromStringList(Work().Files, true);
  sinceTick.start();
  ticker.start(5);
  while (!view.GetReadingOutDone()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  ticker.stop();
  const double s = bench::SecondsSince(start);
  gLongestStallMs = std::max(gLongestStallMs, longest);
  if (results) Collect(view, *results);
  return s;
}

// rhash over every entry of the folder (it passes over the folders among
// them), one "name MD5 SHA-256" line a file.
fileinfo_bench::TFolderPeer Rhash() {
  fileinfo_bench::TFolderPeer p{"rhash", "", Work().Dir.File("rhash.txt")};
  if (bench::HaveTool("rhash"))
    p.Command = "rhash --md5 --sha256 -p '%{md5} %{sha-256} %p\\n' -- " + bench::ShellQuote(Work().Folder.string()) +
                "/* > " + bench::ShellQuote(p.Output) + " 2>/dev/null";
  return p;
}

// Why rhash's digests are no match for ours; empty when every file we
// hashed has the same digests from rhash.
std::string CompareDigests(const std::string& rhashOutput, const std::map<std::string, std::string>& ours) {
  std::map<std::string, std::string> theirs;
  std::ifstream in(rhashOutput);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string md5, sha256, path;
    if (fields >> md5 >> sha256 >> path) theirs[fs::path(path).filename().string()] = Lower(md5) + " " + Lower(sha256);
  }
  if (ours.empty()) return "our view hashed no file";
  size_t missing = 0, differ = 0;
  for (const auto& [name, digests] : ours) {
    const auto it = theirs.find(name);
    if (it == theirs.end())
      ++missing;
    else if (it->second != digests)
      ++differ;
  }
  if (missing == 0 && differ == 0) return {};
  return "rhash hashed " + std::to_string(ours.size() - missing) + " of " + std::to_string(ours.size()) + " files, " +
         std::to_string(differ) + " with other digests";
}

// The time of the three peers one after the other, each on its own;
// negative when one of them failed or wrote nothing (its name in failed).
double RunPeers(const std::vector<fileinfo_bench::TFolderPeer>& peers, std::string& failed) {
  double total = 0;
  for (const auto& p : peers) {
    const double s = bench::TimeCommand(p.Command, {p.Output});
    if (s < 0) {
      failed = p.Name;
      return -1;
    }
    total += s;
  }
  return total;
}

// Fields the peers define otherwise than the file list ("ext field tool why").
const std::vector<std::string> kKnownDifferences = {
    "mp3\tduration\tmediainfo\tmediainfo at its lowest parse depth gives half the length of these silent frames",
};

void BM_ReadersAgainstTools(benchmark::State& state) {
  for (auto _ : state) {
    const std::string name = "Add and read " + std::to_string(FileCount()) + " files";
    const std::string peerName = "rhash+exiftool+mediainfo";
    TOurResults ours;
    RunOurs(&ours);  // warms the page cache
    const std::vector<fileinfo_bench::TFolderPeer> peers = {
        Rhash(),
        fileinfo_bench::Exiftool(Work().Dir, Work().Folder, "-ImageWidth -ImageHeight -SampleRate -Channels -Duration"),
        fileinfo_bench::Mediainfo(Work().Dir, Work().Folder)};
    std::string missing, failed;
    for (const auto& p : peers)
      if (p.Command.empty()) missing += (missing.empty() ? "" : ", ") + p.Name.substr(0, p.Name.find(' '));
    bench::TPairedTimes t = !missing.empty() ? bench::NotMeasured(missing + " not installed")
                                             : bench::RunPaired(
                                                   bench::kDefaultRepetitions, [] { return RunOurs(); },
                                                   [&] { return RunPeers(peers, failed); });
    if (t.Failed && t.Failure.empty()) t = bench::NotMeasured(failed + " failed or wrote nothing");
    // Each peer's output of its last run against what our view read.
    std::vector<std::string> notes;
    if (!t.Failed) {
      if (const std::string why = CompareDigests(peers[0].Output, ours.Digests); !why.empty())
        t = bench::NotMeasured(why);
      else
        notes.push_back("rhash: the digests of " + std::to_string(ours.Digests.size()) + " files the same");
    }
    for (size_t k = 1; k < peers.size() && !t.Failed; ++k) {
      std::string line;
      if (!fileinfo_bench::CompareFields(Work().Dir, peers[k], ours.Fields, kKnownDifferences, line))
        t = bench::NotMeasured(line);
      else
        notes.push_back(peers[k].Name.substr(0, peers[k].Name.find(' ')) + ": " + line);
    }
    bench::Report(state, name, peerName, t, 0.2);
    if (!t.Failed)
      for (const std::string& n : notes) bench::AddSummaryNote(std::string(36, ' ') + n);
    char line[128];
    std::snprintf(line, sizeof line, "%-34s longest GUI stall while reading: %.0f ms (target at most 50 ms: %s)", "",
                  gLongestStallMs, gLongestStallMs <= 50 ? "met" : "MISSED");
    bench::AddSummaryNote(line);
    state.counters["longest_stall_ms"] = gLongestStallMs;
  }
}

BENCHMARK(BM_ReadersAgainstTools)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  bench::PrintSummary();
  return 0;
}
