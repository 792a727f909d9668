// Timing our code beside a peer in the same run: both sides run the same
// number of times, alternating which one goes first, so that a machine that
// gets busier or quieter during the run weighs on both alike. The summary
// gives the minimum and the median of each side and their ratios.
#pragma once

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
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
};

// Wall time of a shell command in seconds; negative when it failed.
inline double TimeCommand(const std::string& command) {
  const auto start = Clock::now();
  const int rc = std::system(command.c_str());
  const double s = SecondsSince(start);
  return rc == 0 ? s : -1;
}

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

// Sets the benchmark's counters and adds a summary line: minimum and median
// of both sides in milliseconds, and the ratios of the minima and of the
// medians with the verdict on the median (target ≤ 0: no target).
inline void Report(benchmark::State& state, const std::string& name, const std::string& peerName, const TPairedTimes& t,
                   double target) {
  char line[512];
  if (t.Failed || t.Ours.empty() || t.Peer.empty()) {
    std::snprintf(line, sizeof line, "%-34s not measured (%s failed or is missing)", name.c_str(), peerName.c_str());
    SummaryLines().push_back(line);
    state.SkipWithError("not measured");
    return;
  }
  const double oMin = Min(t.Ours), oMed = Median(t.Ours), pMin = Min(t.Peer), pMed = Median(t.Peer);
  const double rMin = oMin / pMin, rMed = oMed / pMed;
  state.counters["ours_min_ms"] = 1000 * oMin;
  state.counters["ours_med_ms"] = 1000 * oMed;
  state.counters["peer_min_ms"] = 1000 * pMin;
  state.counters["peer_med_ms"] = 1000 * pMed;
  state.counters["ratio_min"] = rMin;
  state.counters["ratio_med"] = rMed;
  std::string verdict;
  if (target > 0) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "  (target at most %.2f: %s)", target, rMed <= target ? "met" : "MISSED");
    verdict = buf;
  }
  std::snprintf(line, sizeof line, "%-34s ours %9.1f / %9.1f ms  %-22s %9.1f / %9.1f ms  ratio %.3f / %.3f%s",
                name.c_str(), 1000 * oMin, 1000 * oMed, peerName.c_str(), 1000 * pMin, 1000 * pMed, rMin, rMed,
                verdict.c_str());
  SummaryLines().push_back(line);
}

inline void AddSummaryNote(const std::string& note) { SummaryLines().push_back(note); }

inline void PrintSummary() {
  std::printf("\nTimes (min / median of %d or more runs each, sides alternating) and ratios ours / peer:\n",
              kDefaultRepetitions);
  for (const std::string& l : SummaryLines()) std::printf("%s\n", l.c_str());
  std::fflush(stdout);
}

// Peak resident memory of a child process running fn, less that of a child
// running nothing (the pages it shares with this process).
template <typename Fn>
double PeakExtraBytes(const Fn& fn) {
  auto childPeak = [](const auto& body) -> double {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
      body();
      ::_exit(0);
    }
    int status = 0;
    rusage ru{};
    ::wait4(pid, &status, 0, &ru);
    return static_cast<double>(ru.ru_maxrss) * 1024.0;
  };
  const double base = childPeak([] {});
  const double peak = childPeak(fn);
  return peak > base ? peak - base : 0;
}

}  // namespace bench
