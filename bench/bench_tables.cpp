// The counter's table of 10^6 rows (item, count, percentage) saved as XLSX
// against libxlsxwriter in constant-memory mode writing the same cells (a
// string, a number, a number shown in percent), and as CSV against Python's
// csv.writer, in the same run. Each case times ours and the peer per
// iteration (alternating which goes first) and reports "ratio_to_peer" = our
// time / the peer's time; the targets are at most 1.0 for XLSX and at most
// 0.2 for CSV (the file flushed to disk on both sides, and the text alone
// built in memory). "peak_mem_to_sheet" is the extra peak memory of one XLSX save
// (measured in a child process) divided by the size of the sheet's XML; the
// target is at most 3.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "documents/table_export.h"
#include "documents/xlsx_writer.h"
#include "foundation/number_format.h"
#include "paired_runs.h"

#ifdef SYLLABRIX_HAVE_XLSXWRITER
#include <xlsxwriter.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr int kRows = 1000000;

struct WorkArea {
  fs::path dir;
  WorkArea() {
    dir = fs::temp_directory_path() / ("syllabrix-bench-tables-" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  ~WorkArea() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
} workArea;

double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

// Row i of the table; the Python peer builds the same texts by the same rule.
std::string Item(int i) { return "syl" + std::to_string(i); }
int Count(int i) { return i % 1000; }
std::string PercentText(int i) { return std::to_string(i % 100) + "," + std::to_string(i % 10) + " %"; }
double PercentValue(int i) { return ((i % 100) + (i % 10) / 10.0) / 100.0; }

const TStrArray2D& Table() {
  static const TStrArray2D table = [] {
    TStrArray2D t;
    t.reserve(kRows);
    for (int i = 0; i < kRows; ++i) t.push_back({Item(i), std::to_string(Count(i)), PercentText(i)});
    return t;
  }();
  return table;
}

void AddCounterColumns(TColumnSpecificationObj& spec) {
  spec.AddColumn(csDataStr, csWidthDynamic, csAlignDefault, 0);
  spec.AddColumn(csDataNumber, csWidthDynamic, csAlignDefault, 0);
  spec.AddColumn(csDataPercentage, csWidthDynamic, csAlignDefault, 0);
}

// Both sides per iteration, the order alternating; ours gives the time Google
// Benchmark shows, the peer's comes back from its own run.
template <typename Ours, typename Peer>
void Compare(benchmark::State& state, Ours ours, Peer peer, double& oursTotal, double& peerTotal) {
  bool oursFirst = true;
  for (auto _ : state) {
    double oursThisRound = 0;
    for (int k = 0; k < 2; ++k) {
      if ((k == 0) == oursFirst) {
        auto t0 = Clock::now();
        benchmark::DoNotOptimize(ours());
        oursThisRound = Seconds(t0, Clock::now());
        oursTotal += oursThisRound;
      } else {
        peerTotal += peer();
      }
    }
    oursFirst = !oursFirst;
    state.SetIterationTime(oursThisRound);
  }
  state.counters["ours_ms"] = 1000 * oursTotal / static_cast<double>(state.iterations());
  state.counters["peer_ms"] = 1000 * peerTotal / static_cast<double>(state.iterations());
  state.counters["ratio_to_peer"] = peerTotal > 0 ? oursTotal / peerTotal : 0;
}

#ifdef SYLLABRIX_HAVE_XLSXWRITER
double RunLibxlsxwriter(const std::string& file) {
  const TStrArray2D& table = Table();
  auto t0 = Clock::now();
  lxw_workbook_options options = {};
  options.constant_memory = LXW_TRUE;
  std::string tmp = workArea.dir.string();
  options.tmpdir = tmp.data();
  lxw_workbook* book = workbook_new_opt(file.c_str(), &options);
  lxw_worksheet* sheet = workbook_add_worksheet(book, "Sheet");
  lxw_format* percent = workbook_add_format(book);
  format_set_num_format(percent, "0.00%");
  // The widths our writer computes; libxlsxwriter is told them.
  worksheet_set_column(sheet, 0, 0, 13, nullptr);
  worksheet_set_column(sheet, 1, 2, 12, nullptr);
  for (int i = 0; i < kRows; ++i) {
    worksheet_write_string(sheet, static_cast<lxw_row_t>(i), 0, table[static_cast<size_t>(i)][0].c_str(), nullptr);
    worksheet_write_number(sheet, static_cast<lxw_row_t>(i), 1, Count(i), nullptr);
    worksheet_write_number(sheet, static_cast<lxw_row_t>(i), 2, PercentValue(i), percent);
  }
  const lxw_error err = workbook_close(book);
  const double s = Seconds(t0, Clock::now());
  if (err != LXW_NO_ERROR) std::fprintf(stderr, "libxlsxwriter failed: %s\n", lxw_strerror(err));
  return s;
}
#endif

double g_xlsxRatio = -1, g_csvRatio = -1, g_csvTextRatio = -1, g_peakToSheet = -1;

void BM_Xlsx(benchmark::State& state) {
#ifndef SYLLABRIX_HAVE_XLSXWRITER
  state.SkipWithError("libxlsxwriter (libxlsxwriter-dev) is not installed: no peer");
  return;
#else
  TDocXLSXMinimal writer;
  writer.SetContent(TStrArray2D(Table()));
  writer.DynamicCellFormat = true;
  AddCounterColumns(writer.ColumnSpecifications());
  const std::string ours = (workArea.dir / "ours.xlsx").string();
  const std::string theirs = (workArea.dir / "libxlsxwriter.xlsx").string();
  double oursTotal = 0, peerTotal = 0;
  Compare(
      state, [&] { return writer.SaveToFile(ours); }, [&] { return RunLibxlsxwriter(theirs); }, oursTotal, peerTotal);
  const double sheetBytes = static_cast<double>(writer.GetContentAsXML().size());
  g_peakToSheet = bench::PeakExtraBytes([&] {
                    auto r = writer.SaveToFile(ours);
                    benchmark::DoNotOptimize(r);
                  }) /
                  sheetBytes;
  state.counters["sheet_MB"] = sheetBytes / 1e6;
  state.counters["peak_mem_to_sheet"] = g_peakToSheet;
  g_xlsxRatio = state.counters["ratio_to_peer"];
#endif
}

double RunPythonCsv(const std::string& script, const std::string& file, bool inMemory) {
  FILE* p = ::popen(
      ("/usr/bin/python3 '" + script + "' '" + file + "' " + std::to_string(kRows) + (inMemory ? " memory" : " file"))
          .c_str(),
      "r");
  if (!p) return 0;
  char buf[128] = {};
  const size_t n = std::fread(buf, 1, sizeof buf - 1, p);
  ::pclose(p);
  buf[n] = 0;
  // The script prints the seconds of its own writing with a "." decimal point.
  double seconds = 0;
  TryStrToFloat(std::string(buf, n > 0 && buf[n - 1] == '\n' ? n - 1 : n), NumberFormat{".", ","}, seconds);
  return seconds;
}

// The script that writes the same rows with csv.writer and prints the seconds
// of the writing alone: into a file flushed to disk as our save does, or
// into the null device (formatting and encoding without the disk).
std::string PythonCsvScript() {
  const std::string script = (workArea.dir / "csv_writer.py").string();
  std::ofstream f(script);
  f << "import csv, os, sys, time\n"
       "n = int(sys.argv[2])\n"
       "rows = [('syl%d' % i, str(i % 1000), '%d,%d %%' % (i % 100, i % 10)) for i in range(n)]\n"
       "t0 = time.perf_counter()\n"
       "if sys.argv[3] == 'memory':\n"
       "    with open(os.devnull, 'w', newline='', encoding='utf-8') as f:\n"
       "        csv.writer(f, lineterminator='\\n').writerows(rows)\n"
       "else:\n"
       "    with open(sys.argv[1], 'w', newline='', encoding='utf-8') as f:\n"
       "        csv.writer(f, lineterminator='\\n').writerows(rows)\n"
       "        f.flush()\n"
       "        os.fsync(f.fileno())\n"
       "print(repr(time.perf_counter() - t0))\n";
  return script;
}

void BM_Csv(benchmark::State& state) {
  TDocCSV hub(NumberFormat{".", ","});
  hub.AddTable(Table());
  const std::string ours = (workArea.dir / "ours.csv").string();
  const std::string theirs = (workArea.dir / "python.csv").string();
  const std::string script = PythonCsvScript();
  double oursTotal = 0, peerTotal = 0;
  Compare(
      state, [&] { return hub.SaveToFileCSV(ours); }, [&] { return RunPythonCsv(script, theirs, false); }, oursTotal,
      peerTotal);
  g_csvRatio = state.counters["ratio_to_peer"];
}

// The text alone, without the disk: what the disk costs is the same on both
// sides and hides the difference above when the machine is busy.
void BM_CsvText(benchmark::State& state) {
  TDocCSV hub(NumberFormat{".", ","});
  hub.AddTable(Table());
  const std::string script = PythonCsvScript();
  double oursTotal = 0, peerTotal = 0;
  Compare(
      state, [&] { return hub.AsText().size(); }, [&] { return RunPythonCsv(script, "", true); }, oursTotal, peerTotal);
  g_csvTextRatio = state.counters["ratio_to_peer"];
}

BENCHMARK(BM_Xlsx)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_Csv)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();
BENCHMARK(BM_CsvText)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

void PrintRatio(const char* what, double ratio, double target) {
  const NumberFormat fmt{".", ","};
  if (ratio < 0) {
    std::printf("%-44s not measured\n", what);
    return;
  }
  std::printf("%-44s %s  (target at most %s: %s)\n", what, FormatFloatFixed(ratio, 3, fmt).c_str(),
              FormatFloatFixed(target, 1, fmt).c_str(), ratio <= target ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::printf("\nRatios (our time / the peer's time in the same run):\n");
  PrintRatio("XLSX 10^6 x 3 / libxlsxwriter constant_memory", g_xlsxRatio, 1.0);
  PrintRatio("CSV 10^6 rows / python3 csv.writer", g_csvRatio, 0.2);
  PrintRatio("CSV text alone / csv.writer into /dev/null", g_csvTextRatio, 0.2);
  PrintRatio("XLSX peak memory / sheet XML", g_peakToSheet, 3.0);
  return 0;
}
