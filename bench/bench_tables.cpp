// The counter's table of 10^6 rows (item, count, percentage), saved in process
// from the caller's table as the main window saves it, each format beside its
// peer in the same run:
// - XLSX against libxlsxwriter in constant-memory mode writing the same cells
//   (a string, a number, a number shown in percent); target at most 1.0, and
//   a peak memory of at most twice libxlsxwriter's;
// - ODS against our own XLSX time (printed, no target);
// - HTML and CSV against Python's csv.writer writing the same rows to a file
//   in one process (the rows made first, the writing and the flush to the
//   disk timed); target at most 1.0 each, our safe write (temporary file,
//   fsync, rename) included, and a peak memory of at most the table's own
//   size plus 64 MB.
// Peak memory is measured in a fresh run of this program that makes the
// table and then saves it: the extra it needs is what the save costs beside
// the table.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "documents/html_writer.h"
#include "documents/table_export.h"
#include "foundation/number_format.h"
#include "paired_runs.h"

#ifdef SYLLABRIX_HAVE_XLSXWRITER
#include <xlsxwriter.h>
#endif

namespace {

namespace fs = std::filesystem;

constexpr int kRows = 1000000;
constexpr double kMB = 1024.0 * 1024.0;

bench::TWorkDir& Work() {
  static bench::TWorkDir dir("tables");
  return dir;
}

std::string WorkFile(const std::string& name) { return Work().File(name); }

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

// The memory the table takes: the rows, their cells, and the texts too long
// to live inside their strings.
double TableBytes() {
  const TStrArray2D& t = Table();
  double bytes = static_cast<double>(t.capacity() * sizeof(TStrArray));
  for (const TStrArray& row : t) {
    bytes += static_cast<double>(row.capacity() * sizeof(std::string));
    for (const std::string& cell : row)
      if (cell.capacity() > 15) bytes += static_cast<double>(cell.capacity() + 1);
  }
  return bytes;
}

// The main window's hub for the counter's table.
void PrepareHub(TDocCSV& hub) {
  hub.UseTable(Table());
  hub.SeparatorFields().Write().SetFromChar(",");
  hub.SpreadSheetExportDynamicCellFormat = true;
  hub.SpreadSheetColumnSpecifications().AddColumn(csDataStr, csWidthDynamic, csAlignDefault, 0);
  hub.SpreadSheetColumnSpecifications().AddColumn(csDataNumber, csWidthDynamic, csAlignDefault, 0);
  hub.SpreadSheetColumnSpecifications().AddColumn(csDataPercentage, csWidthDynamic, csAlignDefault, 0);
}

template <typename Save>
double TimeOurs(const Save& save) {
  const auto start = bench::Clock::now();
  const bool ok = save();
  const double s = bench::SecondsSince(start);
  return ok ? s : -1;
}

bool SaveXlsx() {
  TDocCSV hub(NumberFormat{".", ","});
  PrepareHub(hub);
  return hub.SaveToFileXLSX(WorkFile("ours.xlsx"));
}

bool SaveOds() {
  TDocCSV hub(NumberFormat{".", ","});
  PrepareHub(hub);
  return hub.SaveToFileODS(WorkFile("ours.ods"));
}

bool SaveCsv() {
  TDocCSV hub(NumberFormat{".", ","});
  PrepareHub(hub);
  return hub.SaveToFileCSV(WorkFile("ours.csv"));
}

bool SaveHtml() {
  TDocHTML page;
  page.DocumentTitle = "Syllabrix";
  return page.SaveToFileWithTable(Table(), WorkFile("ours.html"));
}

#ifdef SYLLABRIX_HAVE_XLSXWRITER
bool RunLibxlsxwriter() {
  const TStrArray2D& table = Table();
  lxw_workbook_options options = {};
  options.constant_memory = LXW_TRUE;
  std::string tmp = Work().Path().string();
  options.tmpdir = tmp.data();
  lxw_workbook* book = workbook_new_opt(WorkFile("libxlsxwriter.xlsx").c_str(), &options);
  if (!book) return false;
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
  return workbook_close(book) == LXW_NO_ERROR;
}
#endif

// Writes the same rows with csv.writer into a file, flushed to the disk as
// our save is, and prints the seconds of the writing alone with a ".".
std::string PythonCsvScript() {
  static const std::string script = [] {
    const std::string path = WorkFile("csv_writer.py");
    std::ofstream f(path);
    f << "import csv, os, sys, time\n"
         "n = int(sys.argv[2])\n"
         "rows = [('syl%d' % i, str(i % 1000), '%d,%d %%' % (i % 100, i % 10)) for i in range(n)]\n"
         "t0 = time.perf_counter()\n"
         "with open(sys.argv[1], 'w', newline='', encoding='utf-8') as f:\n"
         "    csv.writer(f, lineterminator='\\n').writerows(rows)\n"
         "    f.flush()\n"
         "    os.fsync(f.fileno())\n"
         "print(repr(time.perf_counter() - t0))\n";
    return path;
  }();
  return script;
}

double RunPythonCsv() {
  FILE* p =
      ::popen(("/usr/bin/python3 '" + PythonCsvScript() + "' '" + WorkFile("python.csv") + "' " + std::to_string(kRows))
                  .c_str(),
              "r");
  if (!p) return -1;
  char buf[128] = {};
  const size_t n = std::fread(buf, 1, sizeof buf - 1, p);
  if (::pclose(p) != 0) return -1;
  double seconds = 0;
  const std::string text(buf, n > 0 && buf[n - 1] == '\n' ? n - 1 : n);
  return TryStrToFloat(text, NumberFormat{".", ","}, seconds) ? seconds : -1;
}

void AddMemoryNote(const char* what, double extraBytes, const std::string& target) {
  char line[256];
  std::snprintf(line, sizeof line, "%-34s peak memory beside the table %8.1f MB  (%s)", what, extraBytes / kMB,
                target.c_str());
  bench::AddSummaryNote(line);
}

double g_xlsxMedian = 0;

void BM_Xlsx(benchmark::State& state) {
#ifndef SYLLABRIX_HAVE_XLSXWRITER
  bench::Report(state, "XLSX 10^6 x 3", "libxlsxwriter",
                bench::NotMeasured("libxlsxwriter (libxlsxwriter-dev) was not installed when this was built"), 1.0);
  return;
#else
  for (auto _ : state) {
    const auto times = bench::RunPaired(
        bench::kDefaultRepetitions, [] { return TimeOurs(SaveXlsx); }, [] { return TimeOurs(RunLibxlsxwriter); });
    bench::Report(state, "XLSX 10^6 x 3", "libxlsxwriter", times, 1.0);
    g_xlsxMedian = bench::Median(times.Ours);
    const double ours = bench::FreshPeakBytes("xlsx");
    const double peer = bench::FreshPeakBytes("libxlsxwriter");
    char target[128];
    if (ours < 0 || peer <= 0)
      std::snprintf(target, sizeof target, "not measured: the run measuring %s failed", ours < 0 ? "ours" : "the peer");
    else
      std::snprintf(target, sizeof target, "libxlsxwriter %.1f MB, ratio %.2f, target at most 2: %s", peer / kMB,
                    ours / peer, ours <= 2 * peer ? "met" : "MISSED");
    AddMemoryNote("XLSX", ours, target);
  }
#endif
}

void BM_Ods(benchmark::State& state) {
  for (auto _ : state) {
    // Our XLSX save is the peer here; without libxlsxwriter it is measured now.
    const auto times = bench::RunPaired(
        bench::kDefaultRepetitions, [] { return TimeOurs(SaveOds); }, [] { return TimeOurs(SaveXlsx); });
    bench::Report(state, "ODS 10^6 x 3", "our XLSX", times, 0);
    const double extra = bench::FreshPeakBytes("ods");
    AddMemoryNote("ODS", extra, extra < 0 ? "not measured: the run measuring it failed" : "no target");
  }
}

template <bool (*Save)()>
void BM_AgainstPythonCsv(benchmark::State& state, const char* name, const char* peakWork) {
  for (auto _ : state) {
    const auto times = bench::RunPaired(
        bench::kDefaultRepetitions, [] { return TimeOurs(Save); }, [] { return RunPythonCsv(); });
    bench::Report(state, name, "python3 csv.writer", times, 1.0);
    const double extra = bench::FreshPeakBytes(peakWork);
    char target[128];
    if (extra < 0)
      std::snprintf(target, sizeof target, "not measured: the run measuring it failed");
    else
      std::snprintf(target, sizeof target, "target at most 64 MB beside the table of %.1f MB: %s", TableBytes() / kMB,
                    extra <= 64 * kMB ? "met" : "MISSED");
    AddMemoryNote(name, extra, target);
  }
}

void BM_Html(benchmark::State& state) { BM_AgainstPythonCsv<SaveHtml>(state, "HTML 10^6 x 3", "html"); }
void BM_Csv(benchmark::State& state) { BM_AgainstPythonCsv<SaveCsv>(state, "CSV 10^6 x 3", "csv"); }

BENCHMARK(BM_Xlsx)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Ods)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Html)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Csv)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

// A save measured for its peak that fails leaves the peak unmeasured.
static void MustSucceed(bool saved) {
  if (!saved) std::exit(1);
}

int main(int argc, char** argv) {
  // Each save's peak beside the table, in a process that makes the table
  // and saves it, nothing else.
  const auto table = [](const std::string&) { Table(); };
  bench::AddPeakWork(
      "xlsx", [](const std::string&) { MustSucceed(SaveXlsx()); }, table);
  bench::AddPeakWork(
      "ods", [](const std::string&) { MustSucceed(SaveOds()); }, table);
  bench::AddPeakWork(
      "html", [](const std::string&) { MustSucceed(SaveHtml()); }, table);
  bench::AddPeakWork(
      "csv", [](const std::string&) { MustSucceed(SaveCsv()); }, table);
#ifdef SYLLABRIX_HAVE_XLSXWRITER
  bench::AddPeakWork(
      "libxlsxwriter", [](const std::string&) { MustSucceed(RunLibxlsxwriter()); }, table);
#endif
  bench::RunPeakWorkIfAsked();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // The table is made before anything is timed or measured.
  std::printf("Table: %d rows x 3 cells, %.1f MB\n", kRows, TableBytes() / kMB);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  bench::PrintSummary();
  return 0;
}
