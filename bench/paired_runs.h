// Timing our code beside a peer in the same run: both sides run the same
// number of times, alternating which one goes first, so that a machine that
// gets busier or quieter during the run weighs on both alike. The summary
// gives the minimum and the median of each side and their ratios; a verdict
// is taken from the minima, which load on the machine can only raise, with
// the median printed beside it.
//
// A peer that is missing, fails or writes nothing makes its case "not
// measured": a number from a peer that did not do the work would read as a
// result.
#pragma once

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Repetitions of each side; the targets are judged on at least five.
inline constexpr int kDefaultRepetitions = 5;

inline double Min(std::vector<double> v) { return v.empty() ? 0 : *std::min_element(v.begin(), v.end()); }

inline double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct TPairedTimes {
  std::vector<double> Ours;
  std::vector<double> Peer;
  bool Failed = false;
  // Why the case is not measured; empty: the peer failed or is missing.
  std::string Failure;
};

// A case that cannot be measured, with the reason printed in its place.
inline TPairedTimes NotMeasured(const std::string& why) {
  TPairedTimes t;
  t.Failed = true;
  t.Failure = why;
  return t;
}

inline std::string ShellQuote(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

namespace detail {

// The write ends of the pipes to the watchers of the work folders.
inline std::vector<int>& WatcherPipes() {
  static std::vector<int> pipes;
  return pipes;
}

// Tells the watchers that a command's process group started (1) or ended (0).
inline void TellWatchers(pid_t group, int32_t running) {
  const int32_t message[2] = {static_cast<int32_t>(group), running};
  for (int fd : WatcherPipes()) {
    const ssize_t written = ::write(fd, message, sizeof message);
    (void)written;
  }
}

// The watcher: keeps the process groups of the commands running, and when
// the benchmark is gone (its pipe closes) kills them and removes the folder.
// Only calls that are safe after a fork: the benchmark may have threads.
[[noreturn]] inline void Watch(int readEnd, const char* folder) {
  ::setsid();
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE}) ::sigaction(sig, &ignore, nullptr);
  const int null = ::open("/dev/null", O_RDWR);
  for (int fd = 0; fd < 3; ++fd) ::dup2(null, fd);
  int32_t groups[64] = {};
  int32_t message[2];
  while (::read(readEnd, message, sizeof message) == static_cast<ssize_t>(sizeof message)) {
    for (int32_t& g : groups) {
      if (message[1] == 1 && g == 0) {
        g = message[0];
        break;
      }
      if (message[1] == 0 && g == message[0]) {
        g = 0;
        break;
      }
    }
  }
  bool killed = false;
  for (int32_t g : groups)
    if (g > 0) killed = ::kill(-g, SIGKILL) == 0 || killed;
  if (killed) {
    const timespec pause{0, 200 * 1000 * 1000};
    ::nanosleep(&pause, nullptr);
  }
  ::execl("/bin/rm", "rm", "-rf", "--", folder, static_cast<char*>(nullptr));
  ::_exit(1);
}

}  // namespace detail

// Runs a command through /bin/sh in a process group of its own, which the
// work folders' watchers kill should the benchmark end before it; returns
// the exit status (-1: it did not exit normally).
inline int RunShell(const std::string& command) {
  std::fflush(nullptr);
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attr, 0);
  std::string sh = "sh", dashC = "-c", cmd = command;
  char* argv[] = {sh.data(), dashC.data(), cmd.data(), nullptr};
  pid_t pid = -1;
  const int rc = posix_spawn(&pid, "/bin/sh", nullptr, &attr, argv, environ);
  posix_spawnattr_destroy(&attr);
  if (rc != 0) return -1;
  detail::TellWatchers(pid, 1);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  detail::TellWatchers(pid, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Whether the shell finds the program on PATH.
inline bool HaveTool(const std::string& name) {
  return RunShell("command -v " + ShellQuote(name) + " > /dev/null 2>&1") == 0;
}

// Wall time of a shell command in seconds; negative when it failed: an exit
// status other than 0, or one of the files it should write missing or empty
// afterwards (they are removed before it starts, so that an old one does
// not count).
inline double TimeCommand(const std::string& command, const std::vector<std::string>& outputs = {}) {
  for (const std::string& o : outputs) ::unlink(o.c_str());
  const auto start = Clock::now();
  const int rc = RunShell(command);
  const double s = SecondsSince(start);
  if (rc != 0) return -1;
  for (const std::string& o : outputs) {
    struct stat info {};
    if (::stat(o.c_str(), &info) != 0 || info.st_size == 0) return -1;
  }
  return s;
}

// A temporary folder of a benchmark, removed when the program ends, however
// it ends: a small watcher process waits for this one to be gone (normal
// end, Ctrl+C, a kill), stops the commands still running and removes the
// folder, so that no gigabytes of sample files stay behind.
class TWorkDir {
 public:
  explicit TWorkDir(const std::string& name) {
    std::string tmpl = (std::filesystem::temp_directory_path() / ("syllabrix-bench-" + name + "-XXXXXX")).string();
    if (!::mkdtemp(tmpl.data())) {
      std::perror("mkdtemp");
      std::exit(1);
    }
    FPath = tmpl;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return;
    std::fflush(nullptr);
    FWatcher = ::fork();
    if (FWatcher == 0) {
      ::close(fds[1]);
      for (int fd : detail::WatcherPipes()) ::close(fd);
      detail::Watch(fds[0], tmpl.c_str());
    }
    ::close(fds[0]);
    if (FWatcher < 0) {
      ::close(fds[1]);
      return;
    }
    FPipe = fds[1];
    detail::WatcherPipes().push_back(FPipe);
  }
  TWorkDir(const TWorkDir&) = delete;
  TWorkDir& operator=(const TWorkDir&) = delete;
  ~TWorkDir() {
    std::error_code ec;
    std::filesystem::remove_all(FPath, ec);
    if (FPipe >= 0) {
      auto& pipes = detail::WatcherPipes();
      pipes.erase(std::remove(pipes.begin(), pipes.end(), FPipe), pipes.end());
      ::close(FPipe);
    }
    if (FWatcher > 0) ::waitpid(FWatcher, nullptr, 0);
  }

  const std::filesystem::path& Path() const { return FPath; }
  std::string File(const std::string& name) const { return (FPath / name).string(); }

 private:
  std::filesystem::path FPath;
  pid_t FWatcher = -1;
  int FPipe = -1;
};

// ours() and peer() each return the seconds they took (negative: failed).
template <typename Ours, typename Peer>
TPairedTimes RunPaired(int repetitions, const Ours& ours, const Peer& peer) {
  TPairedTimes t;
  for (int r = 0; r < repetitions && !t.Failed; ++r) {
    for (int k = 0; k < 2; ++k) {
      const bool runOurs = (k == 0) == (r % 2 == 0);
      const double s = runOurs ? ours() : peer();
      if (s < 0) {
        t.Failed = true;
        if (runOurs) t.Failure = "our side failed";
        break;
      }
      (runOurs ? t.Ours : t.Peer).push_back(s);
    }
  }
  return t;
}

// The summary lines printed after all benchmarks.
inline std::vector<std::string>& SummaryLines() {
  static std::vector<std::string> lines;
  return lines;
}

// The verdict on a ratio of minima against a target ("" without a target).
inline std::string Verdict(double ratio, double target) {
  if (target <= 0) return {};
  char buf[64];
  std::snprintf(buf, sizeof buf, "  (target at most %.2f: %s)", target, ratio <= target ? "met" : "MISSED");
  return buf;
}

// Adds the summary line of a case: minimum and median of both sides in
// milliseconds, the ratios of the minima and of the medians, and the verdict
// on the minima (target ≤ 0: no target); or "not measured" and why. Returns
// whether the case was measured.
inline bool AddReportLine(const std::string& name, const std::string& peerName, const TPairedTimes& t, double target) {
  char line[640];
  if (t.Failed || t.Ours.empty() || t.Peer.empty()) {
    const std::string why = !t.Failure.empty() ? t.Failure : peerName + " failed or is missing";
    std::snprintf(line, sizeof line, "%-34s not measured (%s)", name.c_str(), why.c_str());
    SummaryLines().push_back(line);
    return false;
  }
  const double oMin = Min(t.Ours), oMed = Median(t.Ours), pMin = Min(t.Peer), pMed = Median(t.Peer);
  // Three decimals, or two significant digits for the smallest ratios.
  auto ratio = [](double r) {
    char buf[32];
    std::snprintf(buf, sizeof buf, r >= 0.01 ? "%.3f" : "%.2g", r);
    return std::string(buf);
  };
  std::snprintf(line, sizeof line, "%-34s ours %9.1f / %9.1f ms  %-22s %9.1f / %9.1f ms  ratio %s / %s%s", name.c_str(),
                1000 * oMin, 1000 * oMed, peerName.c_str(), 1000 * pMin, 1000 * pMed, ratio(oMin / pMin).c_str(),
                ratio(oMed / pMed).c_str(), Verdict(oMin / pMin, target).c_str());
  SummaryLines().push_back(line);
  return true;
}

// The summary line as above, and the benchmark's counters; a case not
// measured is skipped with that error.
inline void Report(benchmark::State& state, const std::string& name, const std::string& peerName, const TPairedTimes& t,
                   double target) {
  if (!AddReportLine(name, peerName, t, target)) {
    state.SkipWithError("not measured");
    return;
  }
  const double oMin = Min(t.Ours), oMed = Median(t.Ours), pMin = Min(t.Peer), pMed = Median(t.Peer);
  state.counters["ours_min_ms"] = 1000 * oMin;
  state.counters["ours_med_ms"] = 1000 * oMed;
  state.counters["peer_min_ms"] = 1000 * pMin;
  state.counters["peer_med_ms"] = 1000 * pMed;
  state.counters["ratio_min"] = oMin / pMin;
  state.counters["ratio_med"] = oMed / pMed;
}

inline void AddSummaryNote(const std::string& note) { SummaryLines().push_back(note); }

inline void PrintSummary() {
  std::printf(
      "\nTimes (min / median of %d or more runs each, sides alternating), ratios ours / peer (min / median), "
      "verdicts on the minima:\n",
      kDefaultRepetitions);
  for (const std::string& l : SummaryLines()) std::printf("%s\n", l.c_str());
  std::fflush(stdout);
}

inline void RunPeakWorkIfAsked();

// The main of a benchmark program: runs the benchmarks the command line
// selects, then prints the summary (or, in the run measuring a peak, only
// that work).
inline int RunAndSummarize(int argc, char** argv) {
  RunPeakWorkIfAsked();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  PrintSummary();
  return 0;
}

// Peak memory in a fresh process. A fork of the benchmark would start from
// its heap, warm from the timed runs: freed pages still resident and the
// allocator's thresholds raised, so that the work's own peak hides in them.
// Instead the benchmark program runs again with SYLLABRIX_BENCH_PEAK naming
// a work added with AddPeakWork (and SYLLABRIX_BENCH_PEAK_ARG its argument,
// a file name for instance); that process does nothing but the work's
// preparation and the work, and reports how far its resident memory rose
// above what it held when the work began (the kernel's high-water mark is
// reset there).
using TPeakFn = std::function<void(const std::string& argument)>;
struct TPeakWork {
  TPeakFn Prepare;  // not counted: the input the work needs
  TPeakFn Work;
};

inline std::map<std::string, TPeakWork>& PeakWorks() {
  static std::map<std::string, TPeakWork> works;
  return works;
}

inline void AddPeakWork(const std::string& name, TPeakFn work, TPeakFn prepare = {}) {
  PeakWorks()[name] = TPeakWork{std::move(prepare), std::move(work)};
}

namespace detail {

// A line of /proc/self/status in bytes ("VmRSS", "VmHWM"); -1 if missing.
inline double StatusBytes(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string prefix = std::string(key) + ":";
  while (std::getline(status, line))
    if (line.compare(0, prefix.size(), prefix) == 0) return 1024.0 * std::atof(line.c_str() + prefix.size());
  return -1;
}

}  // namespace detail

// In the process started by FreshPeakBytes: does the work named and exits
// with its peak written to the file named in SYLLABRIX_BENCH_PEAK_OUT (-1
// when it cannot be measured). Elsewhere it returns at once. Call it first
// thing in main, before anything else warms the heap.
inline void RunPeakWorkIfAsked() {
  const char* name = std::getenv("SYLLABRIX_BENCH_PEAK");
  const char* out = std::getenv("SYLLABRIX_BENCH_PEAK_OUT");
  if (name == nullptr || out == nullptr) return;
  const char* argument = std::getenv("SYLLABRIX_BENCH_PEAK_ARG");
  const std::string arg = argument ? argument : "";
  double extra = -1;
  const auto it = PeakWorks().find(name);
  if (it != PeakWorks().end()) {
    if (it->second.Prepare) it->second.Prepare(arg);
    const double before = detail::StatusBytes("VmRSS");
    // "5" resets the high-water mark of the resident memory to what is
    // resident now.
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5" << std::flush;
    if (clear && before >= 0) {
      it->second.Work(arg);
      const double peak = detail::StatusBytes("VmHWM");
      if (peak >= 0) extra = std::max(0.0, peak - before);
    }
  }
  std::ofstream(out) << std::to_string(extra) << "\n";
  std::exit(extra < 0 ? 1 : 0);
}

// The extra peak memory of the work named (AddPeakWork) in a fresh run of
// this program; negative when it could not be measured.
inline double FreshPeakBytes(const std::string& name, const std::string& argument = "") {
  char self[4096];
  const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return -1;
  self[n] = '\0';
  std::string result = (std::filesystem::temp_directory_path() / "syllabrix-bench-peak-XXXXXX").string();
  const int fd = ::mkstemp(result.data());
  if (fd < 0) return -1;
  ::close(fd);
  const std::string command = "SYLLABRIX_BENCH_PEAK=" + ShellQuote(name) +
                              " SYLLABRIX_BENCH_PEAK_OUT=" + ShellQuote(result) +
                              " SYLLABRIX_BENCH_PEAK_ARG=" + ShellQuote(argument) + " " + ShellQuote(self);
  const int rc = RunShell(command + " > /dev/null");
  double extra = -1;
  std::ifstream in(result);
  if (rc != 0 || !(in >> extra)) extra = -1;
  ::unlink(result.c_str());
  return extra;
}

}  // namespace bench
