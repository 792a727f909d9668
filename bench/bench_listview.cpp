// Speed of the virtual list view against a QStandardItemModel behind a
// QSortFilterProxyModel doing the same in the same run, 10^6 rows of four
// string and two integer cells:
// - adding the rows (target: at most 0.5);
// - sorting by a string column, case-insensitively (target: at most 0.5);
// - filtering to a tenth of the rows (target: at most 0.5);
// - scrolling from top to bottom in steps of a page, per page, for 10^4 and
//   10^6 rows (the time per page should not depend on the row count);
// - the heap the list holds at its peak over adding, sorting and filtering,
//   against 2 times the size of the cell texts plus 64 bytes per item
//   (target: at most 1).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "controls/list_view.h"
#include "foundation/number_format.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t kRows = 1'000'000;
constexpr int kKinds = 10;

std::map<std::string, double> g_best;  // seconds, best run

void Record(const std::string& name, double seconds) {
  auto it = g_best.find(name);
  if (it == g_best.end() || seconds < it->second) g_best[name] = seconds;
}

struct TRows {
  std::vector<TStrArray> Strs;
  std::vector<TIntArray> Ints;
  std::vector<std::array<QString, 4>> QStrs;
  size_t TextBytes = 0;
};

const TRows& Data() {
  static const TRows rows = [] {
    TRows r;
    std::mt19937_64 rng(21);
    const char* syllables[] = {"ka", "lo", "mi", "ne", "ru", "ta", "vo", "xe", "zu", "pa", "Sa", "Be"};
    r.Strs.reserve(kRows);
    r.Ints.reserve(kRows);
    r.QStrs.reserve(kRows);
    for (size_t i = 0; i < kRows; ++i) {
      std::string name;
      const size_t n = 3 + rng() % 4;
      for (size_t k = 0; k < n; ++k) name += syllables[rng() % std::size(syllables)];
      TStrArray s = {name, "k" + std::to_string(rng() % kKinds), "/data/folder" + std::to_string(rng() % 1000),
                     "note " + std::to_string(i)};
      TIntArray v = {static_cast<int32_t>(rng() % 100000000), static_cast<int32_t>(rng() % 86400)};
      for (const auto& t : s) r.TextBytes += t.size();
      for (int32_t x : v) r.TextBytes += IntToStr(x).size();
      r.QStrs.push_back({QString::fromStdString(s[0]), QString::fromStdString(s[1]), QString::fromStdString(s[2]),
                         QString::fromStdString(s[3])});
      r.Strs.push_back(std::move(s));
      r.Ints.push_back(std::move(v));
    }
    return r;
  }();
  return rows;
}

std::unique_ptr<TVirtualListView> NewList() {
  auto lv = std::make_unique<TVirtualListView>();
  lv->AddColumn(vlvColCustomStr, 0, "Name", 150, 0, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  lv->AddColumn(vlvColCustomStr, 1, "Kind", 60, 1, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  lv->AddColumn(vlvColCustomStr, 2, "Folder", 140, 2, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  lv->AddColumn(vlvColCustomStr, 3, "Note", 120, 3, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  lv->AddColumn(vlvColCustomInt, 0, "Size", 100, 4, taRightJustify, vlvEditNone, vlvFormatFileSize, {});
  lv->AddColumn(vlvColCustomInt, 1, "Length", 80, 5, taRightJustify, vlvEditNone, vlvFormatSecToMSorHMS, {});
  return lv;
}

void FillList(TVirtualListView& lv, size_t rows) {
  const TRows& d = Data();
  lv.BeginUpdate();
  for (size_t i = 0; i < rows; ++i) lv.AddItem(static_cast<int32_t>(i), d.Strs[i], d.Ints[i]);
  lv.EndUpdate();
}

TVirtualListViewFilterRec KindFilter() {
  TVirtualListViewFilterRec f;
  f.ColumnType = vlvColCustomStr;
  f.ValueIndex = 1;
  f.FilterText = "k3";
  f.CompareMode = kVlvFilterEqual;
  return f;
}

struct TPeer {
  std::unique_ptr<QStandardItemModel> Model = std::make_unique<QStandardItemModel>(0, 6);
  std::unique_ptr<QSortFilterProxyModel> Proxy = std::make_unique<QSortFilterProxyModel>();
};

void FillPeer(TPeer& peer, size_t rows) {
  const TRows& d = Data();
  for (size_t i = 0; i < rows; ++i) {
    QList<QStandardItem*> row;
    row.reserve(6);
    for (const QString& s : d.QStrs[i]) row.append(new QStandardItem(s));
    for (int32_t v : d.Ints[i]) {
      auto* item = new QStandardItem;
      item->setData(v, Qt::DisplayRole);
      row.append(item);
    }
    peer.Model->appendRow(row);
  }
  peer.Proxy->setSourceModel(peer.Model.get());
  peer.Proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
  peer.Proxy->setFilterKeyColumn(1);
}

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

void BM_ListViewAdd(benchmark::State& state) {
  Data();
  for (auto _ : state) {
    auto lv = NewList();
    const auto start = Clock::now();
    FillList(*lv, kRows);
    const double s = Seconds(start);
    state.SetIterationTime(s);
    Record("add", s);
  }
}

void BM_PeerAdd(benchmark::State& state) {
  Data();
  for (auto _ : state) {
    TPeer peer;
    const auto start = Clock::now();
    FillPeer(peer, kRows);
    const double s = Seconds(start);
    state.SetIterationTime(s);
    Record("peer add", s);
  }
}

void BM_ListViewSortAndFilter(benchmark::State& state) {
  for (auto _ : state) {
    auto lv = NewList();
    FillList(*lv, kRows);
    auto start = Clock::now();
    lv->SortUp(vlvColCustomStr, 0);
    const double sort = Seconds(start);
    lv->AddFilter(KindFilter());
    start = Clock::now();
    lv->SetFilterOn(true);
    const double filter = Seconds(start);
    state.SetIterationTime(sort + filter);
    Record("sort", sort);
    Record("filter", filter);
    benchmark::DoNotOptimize(lv->RowCount());
  }
}

void BM_PeerSortAndFilter(benchmark::State& state) {
  for (auto _ : state) {
    TPeer peer;
    FillPeer(peer, kRows);
    auto start = Clock::now();
    peer.Proxy->sort(0);
    const double sort = Seconds(start);
    start = Clock::now();
    peer.Proxy->setFilterFixedString("k3");
    const double filter = Seconds(start);
    state.SetIterationTime(sort + filter);
    Record("peer sort", sort);
    Record("peer filter", filter);
    benchmark::DoNotOptimize(peer.Proxy->rowCount());
  }
}

// Pages from the top to the bottom; each step paints the page.
double ScrollPerPage(QTreeView& view, QAbstractItemModel& model) {
  view.resize(800, 600);
  view.show();
  QApplication::processEvents();
  const int rows = model.rowCount();
  const int rowHeight = std::max(1, view.sizeHintForRow(0));
  const int page = std::max(1, view.viewport()->height() / rowHeight);
  int steps = 0;
  const auto start = Clock::now();
  for (int row = 0; row < rows; row += page) {
    view.scrollTo(model.index(row, 0), QAbstractItemView::PositionAtTop);
    view.viewport()->repaint();
    ++steps;
  }
  return Seconds(start) / std::max(steps, 1);
}

void BM_ListViewScroll(benchmark::State& state) {
  const auto rows = static_cast<size_t>(state.range(0));
  for (auto _ : state) {
    auto lv = NewList();
    FillList(*lv, rows);
    const double s = ScrollPerPage(*lv, *lv->model());
    state.SetIterationTime(s);
    Record("scroll " + std::to_string(rows), s);
  }
}

void BM_PeerScroll(benchmark::State& state) {
  const auto rows = static_cast<size_t>(state.range(0));
  for (auto _ : state) {
    TPeer peer;
    FillPeer(peer, rows);
    QTreeView view;
    view.setRootIsDecorated(false);
    view.setUniformRowHeights(true);
    view.setModel(peer.Proxy.get());
    const double s = ScrollPerPage(view, *peer.Proxy);
    state.SetIterationTime(s);
    Record("peer scroll " + std::to_string(rows), s);
  }
}

BENCHMARK(BM_ListViewAdd)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_PeerAdd)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ListViewSortAndFilter)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_PeerSortAndFilter)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ListViewScroll)->Arg(10000)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(1);
BENCHMARK(BM_PeerScroll)->Arg(10000)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(1);

size_t HeapInUse() {
  const struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
}

// Heap of the list at its peak over adding, sorting and filtering, measured
// between the phases (the sort's and filter's temporaries are freed again;
// the sort keys stay in the items).
void MeasureMemory() {
  const TRows& d = Data();
  malloc_trim(0);
  const size_t before = HeapInUse();
  size_t peak = 0;
  auto lv = NewList();
  FillList(*lv, kRows);
  peak = std::max(peak, HeapInUse() - before);
  const size_t afterAdd = HeapInUse() - before;
  lv->SortUp(vlvColCustomStr, 0);
  peak = std::max(peak, HeapInUse() - before);
  lv->AddFilter(KindFilter());
  lv->SetFilterOn(true);
  peak = std::max(peak, HeapInUse() - before);
  const double budget = 2.0 * static_cast<double>(d.TextBytes) + 64.0 * kRows;
  const NumberFormat fmt{};
  std::printf(
      "Heap of 10^6 items: %s MB after adding, %s MB at the peak; cell texts %s MB; budget %s MB\n",
      FormatFloatFixed(afterAdd / 1048576.0, 1, fmt).c_str(), FormatFloatFixed(peak / 1048576.0, 1, fmt).c_str(),
      FormatFloatFixed(d.TextBytes / 1048576.0, 1, fmt).c_str(), FormatFloatFixed(budget / 1048576.0, 1, fmt).c_str());
  const double ratio = static_cast<double>(peak) / budget;
  std::printf("%-44s %s  (target at most 1.0: %s)\n", "peak heap / (2 x cell texts + 64 B per item)",
              FormatFloatFixed(ratio, 3, fmt).c_str(), ratio <= 1.0 ? "met" : "MISSED");
}

void PrintRatio(const char* what, const std::string& ours, const std::string& peer, double target) {
  const auto a = g_best.find(ours), b = g_best.find(peer);
  if (a == g_best.end() || b == g_best.end() || b->second <= 0) {
    std::printf("%-44s n/a (not measured)\n", what);
    return;
  }
  const double ratio = a->second / b->second;
  const NumberFormat fmt{};
  if (target > 0) {
    std::printf("%-44s %s  (target at most %s: %s)\n", what, FormatFloatFixed(ratio, 3, fmt).c_str(),
                FormatFloatFixed(target, 1, fmt).c_str(), ratio <= target ? "met" : "MISSED");
  } else {
    std::printf("%-44s %s\n", what, FormatFloatFixed(ratio, 3, fmt).c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  MeasureMemory();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  const NumberFormat fmt{};
  std::printf("\nRatios (best run of the list view / best run of QStandardItemModel + QSortFilterProxyModel):\n");
  PrintRatio("add 10^6 rows", "add", "peer add", 0.5);
  PrintRatio("sort by a string column", "sort", "peer sort", 0.5);
  PrintRatio("filter to a tenth", "filter", "peer filter", 0.5);
  PrintRatio("scroll per page, 10^6 rows", "scroll 1000000", "peer scroll 1000000", 0);
  PrintRatio("scroll per page, 10^4 rows", "scroll 10000", "peer scroll 10000", 0);
  PrintRatio("list view scroll per page, 10^6 / 10^4 rows", "scroll 1000000", "scroll 10000", 0);
  for (const char* key : {"scroll 10000", "scroll 1000000"}) {
    const auto it = g_best.find(key);
    if (it != g_best.end()) {
      std::printf("list view %-34s %s ms per page\n", key, FormatFloatFixed(it->second * 1000.0, 3, fmt).c_str());
    }
  }
  return 0;
}
