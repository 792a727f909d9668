// Speed of the virtual list view against the Qt models a developer would
// pick for the same list, in the same run, 10^6 rows of four string and two
// integer cells:
// - the peer that matters: a plain QAbstractTableModel over column vectors
//   (QString and int) behind a QSortFilterProxyModel;
// - for comparison, a QStandardItemModel behind a QSortFilterProxyModel.
// Each side gets the rows from their own prepared texts (std::string for the
// list, QString for the models; copied, not shared) and then:
// - adding the rows (target: at most 0.5);
// - sorting by a string column, case-insensitively (target: at most 0.5);
// - filtering to a tenth of the rows (target: at most 0.5);
// - scrolling from top to bottom in steps of a page, per page, for 10^4 and
//   10^6 rows (the time per page should not depend on the row count).
// Both sides run five times (three against the item model), alternating which
// goes first (bench/paired_runs.h);
// the verdicts are on the minima, the medians beside them. After the runs the
// sorted names (upper-cased: the order of equal names is free) and the rows
// the filter keeps are compared; a peer that disagrees is not measured.
// Also the heap the list holds at its peak over adding, sorting and filtering,
// against 2 times the size of the cell texts plus 64 bytes per item (target:
// at most 1).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>
#include <array>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "controls/list_view.h"
#include "foundation/letter_case.h"
#include "foundation/number_format.h"
#include "paired_runs.h"

namespace {

constexpr size_t kRows = 1'000'000;
constexpr int kKinds = 10;
constexpr double kTarget = 0.5;

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

// A deep copy: the models get texts of their own, as the list does.
QString Copy(const QString& s) { return QString(s.constData(), s.size()); }

// What a developer would write for a large table: one vector per column.
class TColumnTableModel : public QAbstractTableModel {
 public:
  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(FInts[0].size());
  }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 6; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const auto row = static_cast<size_t>(index.row());
    const int column = index.column();
    return column < 4 ? QVariant(FStrs[static_cast<size_t>(column)][row])
                      : QVariant(FInts[static_cast<size_t>(column - 4)][row]);
  }

  void AppendRows(size_t rows) {
    const TRows& d = Data();
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(rows) - 1);
    for (auto& column : FStrs) column.reserve(column.size() + rows);
    for (auto& column : FInts) column.reserve(column.size() + rows);
    for (size_t i = 0; i < rows; ++i) {
      for (size_t c = 0; c < 4; ++c) FStrs[c].push_back(Copy(d.QStrs[i][c]));
      for (size_t c = 0; c < 2; ++c) FInts[c].push_back(d.Ints[i][c]);
    }
    endInsertRows();
  }

 private:
  std::array<std::vector<QString>, 4> FStrs;
  std::array<std::vector<int>, 2> FInts;
};

void FillStandardModel(QStandardItemModel& model, size_t rows) {
  const TRows& d = Data();
  for (size_t i = 0; i < rows; ++i) {
    QList<QStandardItem*> row;
    row.reserve(6);
    for (const QString& s : d.QStrs[i]) row.append(new QStandardItem(Copy(s)));
    for (int32_t v : d.Ints[i]) {
      auto* item = new QStandardItem;
      item->setData(v, Qt::DisplayRole);
      row.append(item);
    }
    model.appendRow(row);
  }
}

// A model behind a sort and filter proxy, as a Qt program shows a list.
struct TPeer {
  bool Standard = false;
  std::unique_ptr<QAbstractItemModel> Model;
  std::unique_ptr<QSortFilterProxyModel> Proxy = std::make_unique<QSortFilterProxyModel>();

  explicit TPeer(bool standard) : Standard(standard) {
    if (standard)
      Model = std::make_unique<QStandardItemModel>(0, 6);
    else
      Model = std::make_unique<TColumnTableModel>();
    Proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    Proxy->setFilterKeyColumn(1);
    Proxy->setSourceModel(Model.get());
  }
  void Fill(size_t rows) {
    if (Standard)
      FillStandardModel(static_cast<QStandardItemModel&>(*Model), rows);
    else
      static_cast<TColumnTableModel&>(*Model).AppendRows(rows);
  }
  void Sort() { Proxy->sort(0); }
  void Filter() { Proxy->setFilterFixedString("k3"); }
};

const char* PeerName(bool standard) { return standard ? "QStandardItemModel+proxy" : "QAbstractTableModel+proxy"; }

// The names of the rows shown, upper-cased.
std::vector<std::string> ShownNames(TVirtualListView& lv) {
  std::vector<std::string> names;
  names.reserve(static_cast<size_t>(lv.RowCount()));
  for (int32_t row = 0; row < lv.RowCount(); ++row)
    names.push_back(UpperCaseNarrow(lv.GetCellContentAsString(lv.GetItemIndexForListItem(row), 0)));
  return names;
}

std::vector<std::string> ShownNames(const TPeer& peer) {
  std::vector<std::string> names;
  const int rows = peer.Proxy->rowCount();
  names.reserve(static_cast<size_t>(rows));
  for (int row = 0; row < rows; ++row)
    names.push_back(UpperCaseNarrow(peer.Proxy->data(peer.Proxy->index(row, 0)).toString().toStdString()));
  return names;
}

struct TOperationTimes {
  bench::TPairedTimes Add, Sort, Filter;
};

// One side's run: a new list filled, sorted and filtered, each step timed.
template <typename Side>
void TimeSide(Side& side, std::vector<double>& add, std::vector<double>& sort, std::vector<double>& filter) {
  auto start = bench::Clock::now();
  side.Fill(kRows);
  add.push_back(bench::SecondsSince(start));
  start = bench::Clock::now();
  side.Sort();
  sort.push_back(bench::SecondsSince(start));
  start = bench::Clock::now();
  side.Filter();
  filter.push_back(bench::SecondsSince(start));
}

struct TOurSide {
  std::unique_ptr<TVirtualListView> List = NewList();
  void Fill(size_t rows) { FillList(*List, rows); }
  void Sort() { List->SortUp(vlvColCustomStr, 0); }
  void Filter() {
    List->AddFilter(KindFilter());
    List->SetFilterOn(true);
  }
};

// Whether the peer shows the same names as the list after the sort and after
// the filter; "" when it does, else what differs.
std::string CompareShown(bool standard) {
  TOurSide ours;
  TPeer peer(standard);
  ours.Fill(kRows);
  peer.Fill(kRows);
  ours.Sort();
  peer.Sort();
  if (ShownNames(*ours.List) != ShownNames(peer))
    return std::string(PeerName(standard)) + " sorted the names otherwise";
  ours.Filter();
  peer.Filter();
  if (ShownNames(*ours.List) != ShownNames(peer))
    return std::string(PeerName(standard)) + " kept other rows (" + std::to_string(peer.Proxy->rowCount()) +
           " against " + std::to_string(ours.List->RowCount()) + ")";
  return {};
}

void BM_AddSortFilter(benchmark::State& state, bool standard) {
  Data();
  for (auto _ : state) {
    TOperationTimes t;
    // The item model, shown for comparison only, takes a quarter of a minute
    // a round: three rounds.
    const int repetitions = standard ? 3 : bench::kDefaultRepetitions;
    for (int r = 0; r < repetitions; ++r) {
      for (int k = 0; k < 2; ++k) {
        if ((k == 0) == (r % 2 == 0)) {
          TOurSide ours;
          TimeSide(ours, t.Add.Ours, t.Sort.Ours, t.Filter.Ours);
        } else {
          TPeer peer(standard);
          TimeSide(peer, t.Add.Peer, t.Sort.Peer, t.Filter.Peer);
        }
      }
    }
    const std::string differ = CompareShown(standard);
    if (!differ.empty()) t = {bench::NotMeasured(differ), bench::NotMeasured(differ), bench::NotMeasured(differ)};
    // The targets hold against the plain table model; the item model is shown
    // for comparison.
    const double target = standard ? 0 : kTarget;
    const std::string peer = PeerName(standard);
    bench::AddReportLine("add 10^6 rows", peer, t.Add, target);
    bench::AddReportLine("sort by a string column", peer, t.Sort, target);
    bench::Report(state, "filter to a tenth", peer, t.Filter, target);
  }
}

// Pages from the top to the bottom, at most 500 of them spread evenly over
// the list; each step paints the page. Seconds per page.
double ScrollPerPage(QTreeView& view, QAbstractItemModel& model) {
  view.resize(800, 600);
  view.show();
  QApplication::processEvents();
  const int rows = model.rowCount();
  const int rowHeight = std::max(1, view.sizeHintForRow(0));
  const int page = std::max(1, view.viewport()->height() / rowHeight);
  const int steps = std::max(1, std::min(500, rows / page));
  const auto start = bench::Clock::now();
  for (int k = 0; k < steps; ++k) {
    const int row = steps > 1 ? static_cast<int>(static_cast<int64_t>(k) * (rows - page) / (steps - 1)) : 0;
    view.scrollTo(model.index(row, 0), QAbstractItemView::PositionAtTop);
    view.viewport()->repaint();
  }
  return bench::SecondsSince(start) / steps;
}

std::vector<double> g_ourScroll[2];  // 10^4 and 10^6 rows

void BM_Scroll(benchmark::State& state) {
  const auto rows = static_cast<size_t>(state.range(0));
  auto ours = NewList();
  FillList(*ours, rows);
  TPeer peer(false);
  peer.Fill(rows);
  QTreeView view;
  view.setRootIsDecorated(false);
  view.setUniformRowHeights(true);
  view.setModel(peer.Proxy.get());
  for (auto _ : state) {
    const auto t = bench::RunPaired(
        bench::kDefaultRepetitions, [&] { return ScrollPerPage(*ours, *ours->model()); },
        [&] { return ScrollPerPage(view, *peer.Proxy); });
    g_ourScroll[rows > 10000 ? 1 : 0] = t.Ours;
    bench::Report(state, rows > 10000 ? "scroll per page, 10^6 rows" : "scroll per page, 10^4 rows", PeerName(false), t,
                  0);
  }
  ours->hide();
  view.hide();
}

BENCHMARK_CAPTURE(BM_AddSortFilter, table_model, false)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_AddSortFilter, standard_item_model, true)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Scroll)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);

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
  char line[256];
  std::snprintf(line, sizeof line,
                "heap of 10^6 items                 %.1f MB after adding, %.1f MB at the peak; cell texts %.1f MB; "
                "peak / (2 x cell texts + 64 B per item) %.3f  (target at most 1.0: %s)",
                static_cast<double>(afterAdd) / 1048576.0, static_cast<double>(peak) / 1048576.0,
                static_cast<double>(d.TextBytes) / 1048576.0, static_cast<double>(peak) / budget,
                static_cast<double>(peak) <= budget ? "met" : "MISSED");
  bench::AddSummaryNote(line);
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
  if (!g_ourScroll[0].empty() && !g_ourScroll[1].empty()) {
    char line[160];
    std::snprintf(line, sizeof line, "%-34s list view per page %.3f / %.3f ms at 10^4 rows, ratio 10^6 / 10^4 %.2f",
                  "scroll independence", 1000 * bench::Min(g_ourScroll[0]), 1000 * bench::Min(g_ourScroll[1]),
                  bench::Min(g_ourScroll[1]) / bench::Min(g_ourScroll[0]));
    bench::AddSummaryNote(line);
  }
  bench::PrintSummary();
  return 0;
}
