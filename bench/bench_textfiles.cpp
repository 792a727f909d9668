// LoadString with detection of a 100 MB UTF-8, Latin-1 and UTF-16 file, and
// SaveString of 100 MB to Windows-1252, each against the iconv command doing
// the same conversion of the same file in the same run. Every case times both
// per iteration (alternating which goes first) and reports "ratio_to_peer" =
// our time / iconv's time; the target is at most 1.5. "peak_mem_to_file" is
// the extra peak memory of one call (measured in a child process) divided by
// the file size; the target is at most 3.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "foundation/code_pages.h"
#include "foundation/text_files.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr size_t kFileBytes = 100u * 1024u * 1024u;

// The folder of the generated files, removed when the program ends.
struct WorkArea {
  fs::path dir;
  WorkArea() {
    dir = fs::temp_directory_path() / ("syllabrix-bench-textfiles-" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  ~WorkArea() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
} workArea;

const fs::path& WorkDir() { return workArea.dir; }

// Lines of words, some of them with characters beyond ASCII that every code
// page used here can hold (Windows-1252 and Latin-1 alike).
std::string MakeText(size_t bytes, bool wide) {
  static const char* latin[] = {"alpha", "Stra\u00DFe",      "caf\u00E9", "na\u00EFve",  "\u00FCber", "gamma",
                                "delta", "r\u00E9sum\u00E9", "epsilon",   "fa\u00E7ade", "zeta",      "eta"};
  static const char* cjk[] = {"\u65E5\u672C", "\u8A9E", "\u6587\u5B57"};
  std::mt19937 rng(7);
  std::string t;
  t.reserve(bytes + 64);
  while (t.size() < bytes) {
    size_t words = 4 + rng() % 8;
    for (size_t w = 0; w < words; ++w) {
      if (w) t += ' ';
      t += (wide && rng() % 5 == 0) ? cjk[rng() % std::size(cjk)] : latin[rng() % std::size(latin)];
    }
    t += '\n';
  }
  // Cut at a character boundary.
  size_t end = bytes;
  while (end > 0 && (static_cast<unsigned char>(t[end]) & 0xC0) == 0x80) --end;
  t.resize(end);
  return t;
}

void WriteBytes(const fs::path& p, const std::string& bytes) {
  std::ofstream f(p, std::ios::binary | std::ios::trunc);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The files are written once; the generated text is not kept in memory.
const fs::path& Utf8File() {
  static const fs::path p = [] {
    fs::path f = WorkDir() / "utf8.txt";
    WriteBytes(f, MakeText(kFileBytes, true));
    return f;
  }();
  return p;
}

const fs::path& Latin1File() {
  static const fs::path p = [] {
    fs::path f = WorkDir() / "latin1.txt";
    // Latin-1 text is about 5% shorter than its UTF-8 form; start a bit larger.
    WriteBytes(f, UTF8ToCodePageBytes(MakeText(kFileBytes + kFileBytes / 16, false), 88591).substr(0, kFileBytes));
    return f;
  }();
  return p;
}

const fs::path& Utf16File() {
  static const fs::path p = [] {
    fs::path f = WorkDir() / "utf16.txt";
    std::string bytes = CodePageBOM(1200) + UTF8ToCodePageBytes(MakeText(kFileBytes * 2 / 3, true), 1200);
    bytes.resize(kFileBytes);
    WriteBytes(f, bytes);
    return f;
  }();
  return p;
}

const std::string& TextToSave() {
  static const std::string text = MakeText(kFileBytes, false);
  return text;
}

double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

double RunIconv(const std::string& from, const std::string& to, const fs::path& in, const std::string& out) {
  std::string cmd = "iconv -f " + from + " -t " + to + " '" + in.string() + "' > '" + out + "'";
  auto t0 = Clock::now();
  int rc = std::system(cmd.c_str());
  auto t1 = Clock::now();
  if (rc != 0) std::fprintf(stderr, "iconv failed: %s\n", cmd.c_str());
  return Seconds(t0, t1);
}

// Peak resident memory of a child process running fn, less that of a child
// running nothing (the pages it shares with this process).
template <typename Fn>
double PeakExtraBytes(Fn fn) {
  auto childPeak = [](auto body) -> double {
    pid_t pid = ::fork();
    if (pid == 0) {
      body();
      ::_exit(0);
    }
    int status = 0;
    rusage ru{};
    ::wait4(pid, &status, 0, &ru);
    return static_cast<double>(ru.ru_maxrss) * 1024.0;
  };
  double base = childPeak([] {});
  double peak = childPeak([&] {
    auto r = fn();
    benchmark::DoNotOptimize(r);
  });
  return peak > base ? peak - base : 0;
}

template <typename Ours, typename Peer>
void Compare(benchmark::State& state, size_t fileBytes, Ours ours, Peer peer) {
  double oursSeconds = 0, peerSeconds = 0;
  bool oursFirst = true;
  for (auto _ : state) {
    double oursThisRound = 0;
    for (int k = 0; k < 2; ++k) {
      const bool runOurs = (k == 0) == oursFirst;
      if (runOurs) {
        auto t0 = Clock::now();
        auto result = ours();
        benchmark::DoNotOptimize(result);
        auto t1 = Clock::now();
        oursThisRound = Seconds(t0, t1);
        oursSeconds += oursThisRound;
      } else {
        peerSeconds += peer();
      }
    }
    oursFirst = !oursFirst;
    state.SetIterationTime(oursThisRound);
  }
  state.counters["ours_ms"] = 1000 * oursSeconds / static_cast<double>(state.iterations());
  state.counters["peer_ms"] = 1000 * peerSeconds / static_cast<double>(state.iterations());
  state.counters["ratio_to_peer"] = peerSeconds > 0 ? oursSeconds / peerSeconds : 0;
  state.counters["peak_mem_to_file"] = PeakExtraBytes(ours) / static_cast<double>(fileBytes);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(fileBytes));
}

void BM_LoadString(benchmark::State& state, const fs::path& (*file)(), std::string iconvFrom) {
  const fs::path& f = file();
  Compare(
      state, fs::file_size(f), [&] { return LoadString(f.string()); },
      [&] { return RunIconv(iconvFrom, "UTF-8", f, "/dev/null"); });
}

void BM_SaveString1252(benchmark::State& state) {
  const std::string& text = TextToSave();
  const fs::path source = WorkDir() / "save-source.txt";
  if (!fs::exists(source)) WriteBytes(source, text);
  const std::string ours = (WorkDir() / "ours-1252.txt").string();
  const std::string theirs = (WorkDir() / "iconv-1252.txt").string();
  Compare(
      state, text.size(), [&] { return SaveString(text, ours, 1252, false, false); },
      [&] { return RunIconv("UTF-8", "WINDOWS-1252", source, theirs); });
}

BENCHMARK_CAPTURE(BM_LoadString, utf8, &Utf8File, std::string("UTF-8"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseManualTime();
BENCHMARK_CAPTURE(BM_LoadString, latin1, &Latin1File, std::string("ISO-8859-1"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseManualTime();
BENCHMARK_CAPTURE(BM_LoadString, utf16, &Utf16File, std::string("UTF-16"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseManualTime();
BENCHMARK(BM_SaveString1252)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
