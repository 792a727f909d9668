// LoadString with detection of UTF-8, Latin-1 and UTF-16 files whose text is
// exactly 100 MiB once converted, and SaveString of 100 MiB to Windows-1252,
// each against the iconv command doing the same conversion of the same file
// in the same run. Both sides run five times, alternating which goes first;
// the summary gives minimum and median of both and their ratios (target: at
// most 1 for LoadString). "peak_mem_to_file" is the extra peak memory of one
// call (measured in a fresh run of this program doing only that call)
// divided by the file size.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <type_traits>

#include "foundation/code_pages.h"
#include "foundation/text_files.h"
#include "paired_runs.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr size_t kTextBytes = 100u * 1024u * 1024u;

// The folder of the generated files, removed when the program ends, however
// it ends.
std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

const fs::path& WorkDir() {
  static bench::TWorkDir dir("textfiles");
  return dir.Path();
}

// Lines of words, some of them with characters beyond ASCII that every code
// page used here can hold (Windows-1252 and Latin-1 alike), exactly bytes long.
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
  // Cut at a character boundary and fill up with blanks.
  size_t end = bytes;
  while (end > 0 && (static_cast<unsigned char>(t[end]) & 0xC0) == 0x80) --end;
  t.resize(end);
  t.resize(bytes, ' ');
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
    WriteBytes(f, MakeText(kTextBytes, true));
    return f;
  }();
  return p;
}

const fs::path& Latin1File() {
  static const fs::path p = [] {
    fs::path f = WorkDir() / "latin1.txt";
    WriteBytes(f, UTF8ToCodePageBytes(MakeText(kTextBytes, false), 88591));
    return f;
  }();
  return p;
}

const fs::path& Utf16File() {
  static const fs::path p = [] {
    fs::path f = WorkDir() / "utf16.txt";
    WriteBytes(f, CodePageBOM(1200) + UTF8ToCodePageBytes(MakeText(kTextBytes, true), 1200));
    return f;
  }();
  return p;
}

const std::string& TextToSave() {
  static const std::string text = MakeText(kTextBytes, false);
  return text;
}

// iconv's time; failed when it exits with an error or writes no file.
double RunIconv(const std::string& from, const std::string& to, const fs::path& in, const std::string& out) {
  const std::vector<std::string> outputs = out == "/dev/null" ? std::vector<std::string>{} : std::vector{out};
  return bench::TimeCommand(
      "iconv -f " + from + " -t " + to + " " + bench::ShellQuote(in.string()) + " > " + bench::ShellQuote(out),
      outputs);
}

// check: after the runs, why what both sides made differs (empty: the
// same). peakWork and peakArgument: the work measuring one call's peak
// memory in a fresh run (see main).
template <typename Ours, typename Peer, typename Check>
void Compare(benchmark::State& state, const std::string& name, size_t fileBytes, size_t textBytes, Ours ours, Peer peer,
             Check check, double target, const std::string& peakWork, const std::string& peakArgument) {
  for (auto _ : state) {
    auto t = bench::RunPaired(
        bench::kDefaultRepetitions,
        [&] {
          const auto start = bench::Clock::now();
          auto result = ours();
          benchmark::DoNotOptimize(result);
          const double s = bench::SecondsSince(start);
          if constexpr (std::is_same_v<decltype(result), std::string>)
            if (result.size() != textBytes) return -1.0;
          return s;
        },
        peer);
    if (!t.Failed)
      if (const std::string why = check(); !why.empty()) t = bench::NotMeasured(why);
    bench::Report(state, name, "iconv", t, target);
  }
  const double peak = bench::FreshPeakBytes(peakWork, peakArgument);
  if (peak < 0)
    bench::AddSummaryNote(name + ": peak memory not measured (the run measuring it failed)");
  else
    state.counters["peak_mem_to_file"] = peak / static_cast<double>(fileBytes);
}

void BM_LoadString(benchmark::State& state, const std::string& name, const fs::path& (*file)(), std::string iconvFrom) {
  const fs::path& f = file();
  const std::string theirs = (WorkDir() / "iconv-load.txt").string();
  Compare(
      state, name, fs::file_size(f), kTextBytes, [&] { return LoadString(f.string()); },
      [&] { return RunIconv(iconvFrom, "UTF-8", f, theirs); },
      [&] {
        const bool same = ReadBytes(theirs) == LoadString(f.string());
        fs::remove(theirs);
        return same ? std::string() : "iconv's text differs from ours";
      },
      1.0, "load", f.string());
}

void BM_SaveString1252(benchmark::State& state) {
  const std::string& text = TextToSave();
  const fs::path source = WorkDir() / "save-source.txt";
  if (!fs::exists(source)) WriteBytes(source, text);
  const std::string ours = (WorkDir() / "ours-1252.txt").string();
  const std::string theirs = (WorkDir() / "iconv-1252.txt").string();
  Compare(
      state, "SaveString/1252", text.size(), text.size(), [&] { return SaveString(text, ours, 1252, false, false); },
      [&] { return RunIconv("UTF-8", "WINDOWS-1252", source, theirs); },
      [&] { return ReadBytes(theirs) == ReadBytes(ours) ? std::string() : "iconv's file differs from ours"; }, 0,
      "save1252", ours);
}

BENCHMARK_CAPTURE(BM_LoadString, utf8, std::string("LoadString/utf8"), &Utf8File, std::string("UTF-8"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_LoadString, latin1, std::string("LoadString/latin1"), &Latin1File, std::string("ISO-8859-1"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_LoadString, utf16, std::string("LoadString/utf16"), &Utf16File, std::string("UTF-16"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_SaveString1252)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  // One call in a process that does nothing else (the text to save made
  // first, not counted).
  bench::AddPeakWork("load", [](const std::string& file) { benchmark::DoNotOptimize(LoadString(file)); });
  bench::AddPeakWork(
      "save1252", [](const std::string& file) { SaveString(TextToSave(), file, 1252, false, false); },
      [](const std::string&) { TextToSave(); });
  return bench::RunAndSummarize(argc, argv);
}
