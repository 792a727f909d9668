// The benchmarks' shared harness: a peer that is missing, fails or writes
// nothing makes its case "not measured" instead of a number; the verdict is
// taken from the minima; a work folder and the commands running in it are
// gone however the benchmark ends.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "fileinfo_peers.h"
#include "paired_runs.h"

namespace {

namespace fs = std::filesystem;

constexpr double kMiB = 1024.0 * 1024.0;

// The address sanitizer keeps a shadow byte for every eight bytes touched.
#if defined(__SANITIZE_ADDRESS__)
constexpr double kShadowShare = 1.125;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr double kShadowShare = 1.125;
#else
constexpr double kShadowShare = 1.0;
#endif
#else
constexpr double kShadowShare = 1.0;
#endif

// The works measured in fresh runs of this program; in such a run the work
// is done here, before any test, and the program ends.
const bool gPeakWorks = [] {
  bench::AddPeakWork("64 MiB touched", [](const std::string&) {
    std::vector<char> block(64 << 20);
    for (size_t i = 0; i < block.size(); i += 4096) block[i] = 1;
    std::fflush(nullptr);
    if (::write(-1, block.data(), 1) < 0) block[0] = 2;  // keeps the block from being optimised away
  });
  // 64 MiB held before the work begins: not part of the work's peak.
  static std::vector<char> held;
  bench::AddPeakWork(
      "8 MiB beside 64 MiB prepared",
      [](const std::string&) {
        std::vector<char> block(8 << 20, 1);
        if (::write(-1, block.data(), 1) < 0) block[0] = 2;
      },
      [](const std::string&) { held.assign(64 << 20, 1); });
  bench::RunPeakWorkIfAsked();
  return true;
}();

// PATH set for the lifetime of the object.
class TScopedPath {
 public:
  explicit TScopedPath(const std::string& path) : FOld(std::getenv("PATH") ? std::getenv("PATH") : "") {
    ::setenv("PATH", path.c_str(), 1);
  }
  ~TScopedPath() { ::setenv("PATH", FOld.c_str(), 1); }

 private:
  std::string FOld;
};

std::string LastSummaryLine() { return bench::SummaryLines().empty() ? "" : bench::SummaryLines().back(); }

TEST(PairedRuns, PeerMissingFromPathIsNotMeasured) {
  bench::TWorkDir work("harness-test");
  const std::string out = work.File("out.txt");
  bench::TPairedTimes t;
  {
    // A PATH holding only an empty folder: no awk to be found.
    TScopedPath path(work.Path().string());
    ASSERT_FALSE(bench::HaveTool("mawk"));
    t = bench::RunPaired(
        3, [] { return 0.01; }, [&] { return bench::TimeCommand("mawk 'BEGIN { print 1 }' > " + out, {out}); });
  }
  EXPECT_TRUE(t.Failed);
  EXPECT_FALSE(bench::AddReportLine("Inc", "mawk", t, 0.2));
  EXPECT_NE(LastSummaryLine().find("not measured (mawk failed or is missing)"), std::string::npos) << LastSummaryLine();
  EXPECT_EQ(LastSummaryLine().find("ratio"), std::string::npos);
  EXPECT_TRUE(bench::HaveTool("sh"));
}

TEST(PairedRuns, CommandFailsOnExitStatusAndOnMissingOrEmptyOutput) {
  bench::TWorkDir work("harness-test");
  const std::string out = work.File("out.txt");
  EXPECT_GE(bench::TimeCommand("echo written > " + bench::ShellQuote(out), {out}), 0);
  EXPECT_LT(bench::TimeCommand("echo written > " + bench::ShellQuote(out) + "; exit 3", {out}), 0);
  // The file of an earlier run does not count.
  EXPECT_LT(bench::TimeCommand("true", {out}), 0);
  EXPECT_FALSE(fs::exists(out));
  EXPECT_LT(bench::TimeCommand(": > " + bench::ShellQuote(out), {out}), 0);
  EXPECT_GE(bench::TimeCommand("true"), 0);
  EXPECT_LT(bench::TimeCommand("a-program-nobody-has-installed"), 0);

  const auto t = bench::RunPaired(
      5, [] { return 0.01; }, [] { return -1.0; });
  EXPECT_TRUE(t.Failed);
  const auto ours = bench::RunPaired(
      5, [] { return -1.0; }, [] { return 0.01; });
  EXPECT_FALSE(bench::AddReportLine("case", "peer", ours, 1));
  EXPECT_NE(LastSummaryLine().find("not measured (our side failed)"), std::string::npos) << LastSummaryLine();
  EXPECT_FALSE(bench::AddReportLine("case", "peer", bench::NotMeasured("tables differ"), 1));
  EXPECT_NE(LastSummaryLine().find("not measured (tables differ)"), std::string::npos);
}

TEST(PairedRuns, SidesAlternateAndTheVerdictIsOnTheMinima) {
  std::string order;
  const auto t = bench::RunPaired(
      4,
      [&] {
        order += 'o';
        return 1.0;
      },
      [&] {
        order += 'p';
        return 10.0;
      });
  EXPECT_EQ(order, "oppooppo");
  ASSERT_EQ(t.Ours.size(), 4u);
  ASSERT_EQ(t.Peer.size(), 4u);

  // Minima 0.1 / 1.0 meet a target of 0.2 that the medians (0.5 / 1.0) miss.
  bench::TPairedTimes loaded;
  loaded.Ours = {0.1, 0.5, 0.5, 0.6, 0.9};
  loaded.Peer = {1.0, 1.0, 1.0, 1.1, 1.2};
  EXPECT_TRUE(bench::AddReportLine("case", "peer", loaded, 0.2));
  EXPECT_NE(LastSummaryLine().find("ratio 0.100 / 0.500  (target at most 0.20: met)"), std::string::npos)
      << LastSummaryLine();
  loaded.Ours = {0.3, 0.3, 0.3, 0.3, 0.3};
  EXPECT_TRUE(bench::AddReportLine("case", "peer", loaded, 0.2));
  EXPECT_NE(LastSummaryLine().find("MISSED"), std::string::npos) << LastSummaryLine();
}

bool GoneWithin(const fs::path& p, int seconds) {
  for (int k = 0; k < seconds * 20; ++k) {
    if (!fs::exists(p)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return !fs::exists(p);
}

// Running, not ended and waiting to be collected.
bool Alive(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  std::getline(stat, text);
  const size_t close = text.rfind(')');
  return close != std::string::npos && close + 2 < text.size() && text[close + 2] != 'Z';
}

// A benchmark process killed while a peer runs: the peer is stopped and the
// folder removed, though no destructor of the benchmark ran.
TEST(PairedRuns, WorkFolderAndRunningPeerGoWhenTheBenchmarkIsKilled) {
  for (int sig : {SIGKILL, SIGTERM, SIGINT}) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(fds[0]);
      ::signal(SIGINT, SIG_DFL);
      bench::TWorkDir work("harness-test");
      const std::string line = work.Path().string() + "\n";
      if (::write(fds[1], line.data(), line.size()) < 0) ::_exit(2);
      // The peer writes its process number into the folder, then waits.
      bench::RunShell("echo $$ > " + bench::ShellQuote(work.File("peer.pid")) + "; exec sleep 60");
      ::_exit(0);
    }
    ::close(fds[1]);
    std::string folder;
    char c;
    while (::read(fds[0], &c, 1) == 1 && c != '\n') folder += c;
    ::close(fds[0]);
    ASSERT_FALSE(folder.empty());
    const fs::path pidFile = fs::path(folder) / "peer.pid";
    pid_t peer = 0;
    for (int k = 0; k < 200 && peer == 0; ++k) {
      std::ifstream(pidFile) >> peer;
      if (peer == 0) std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    ASSERT_GT(peer, 0);
    ASSERT_TRUE(Alive(peer));
    ::kill(child, sig);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(GoneWithin(folder, 10)) << folder << ", signal " << sig;
    for (int k = 0; k < 100 && Alive(peer); ++k) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(Alive(peer)) << "signal " << sig;
  }
}

// A heap warm from earlier work must not hide the peak: the first block
// freed raises the allocator's thresholds, so that the second comes from the
// heap and stays resident when freed, ready to serve the work again in a
// fork of this process.
TEST(PairedRuns, FreshProcessPeakOfAKnownAllocation) {
  ASSERT_TRUE(gPeakWorks);
  for (int k = 0; k < 2; ++k) {
    std::vector<char> warm(96 << 20, 1);
    ASSERT_EQ(warm[4096], 1);
  }
  struct TCase {
    const char* Work;
    double Bytes;
  };
  for (const TCase& c : {TCase{"64 MiB touched", 64 * kMiB}, TCase{"8 MiB beside 64 MiB prepared", 8 * kMiB}}) {
    const double peak = bench::FreshPeakBytes(c.Work);
    const double expected = c.Bytes * kShadowShare;
    EXPECT_GE(peak, 0.95 * expected) << c.Work << ": " << peak / kMiB << " MiB";
    EXPECT_LE(peak, 1.05 * expected) << c.Work << ": " << peak / kMiB << " MiB";
  }
  EXPECT_LT(bench::FreshPeakBytes("a work nobody added"), 0);
}

// Folder peers over a folder of named files; our side reads nothing and
// gives every file a width, and each peer's JSON is canned.
class TFolderPeers {
 public:
  TFolderPeers() {
    for (int i = 0; i < 200; ++i) FFiles.push_back(FWork.File("f" + std::to_string(i) + ".png"));
  }
  // exiftool-like JSON over the first count files, each width wide.
  std::string Json(size_t count, int width = 10) const {
    std::string json = "[";
    for (size_t i = 0; i < count; ++i)
      json += std::string(i ? "," : "") + "{\"SourceFile\": \"" + FFiles[i] +
              "\", \"ImageWidth\": " + std::to_string(width) + "}";
    return json + "]";
  }
  fileinfo_bench::TFolderPeer Peer(const std::string& script) const {
    const std::string out = FWork.File("peer.json");
    return {"exiftool -fast2", "{ " + script + "; } > " + bench::ShellQuote(out), out};
  }
  bench::TPairedTimes Measure(const fileinfo_bench::TFolderPeer& peer) const {
    return fileinfo_bench::MeasureFolderPeers(
        FWork, "widths", FFiles,
        [&](fileinfo_bench::TOurFields* fields) {
          if (fields)
            for (const std::string& f : FFiles) fields->Add(f, "width", 10);
          return 0.001;
        },
        {peer}, {}, 0.5);
  }

 private:
  bench::TWorkDir FWork{"folder-peers-test"};
  std::vector<std::string> FFiles;
};

TEST(PairedRuns, FolderPeerThatFailsOrReadsNothingIsNotMeasured) {
  TFolderPeers peers;
  struct TCase {
    std::string Script;
    const char* Printed;  // empty: measured
  };
  const std::vector<TCase> cases = {
      {"echo " + bench::ShellQuote(peers.Json(200)), ""},
      {"echo " + bench::ShellQuote(peers.Json(200)) + "; exit 1",
       "not measured (exiftool -fast2 failed or is missing)"},
      {"echo '[]'", "not measured (exiftool reads only 0 of 200 files (not: png 200))"},
      {"echo " + bench::ShellQuote(peers.Json(190)),
       "not measured (exiftool reads only 190 of 200 files (not: png 10))"},
      {"echo " + bench::ShellQuote(peers.Json(200, 11)), "not measured (fields DIFFER: png width (200 files"},
  };
  for (const TCase& c : cases) {
    const bench::TPairedTimes t = peers.Measure(peers.Peer(c.Script));
    // The case's own line (a note on the comparison may follow it).
    std::string line;
    for (const std::string& l : bench::SummaryLines())
      if (l.rfind("widths", 0) == 0) line = l;
    if (*c.Printed == 0) {
      EXPECT_FALSE(t.Failed) << line;
      EXPECT_NE(line.find("ratio"), std::string::npos) << line;
    } else {
      EXPECT_TRUE(t.Failed) << c.Script;
      EXPECT_NE(line.find(c.Printed), std::string::npos) << line;
      EXPECT_EQ(line.find("ratio"), std::string::npos) << line;
    }
  }
}

TEST(PairedRuns, WorkFolderGoesAtTheEnd) {
  fs::path folder;
  {
    bench::TWorkDir work("harness-test");
    folder = work.Path();
    std::ofstream(work.File("data")) << "x";
    EXPECT_TRUE(fs::exists(folder));
  }
  EXPECT_FALSE(fs::exists(folder));
}

}  // namespace
