// Speed and memory of the file list view against Qt's own models holding the
// same cells, measured in the same run (bench/paired_runs.h):
// - 10^6 synthetic files (name, size, date, path, artist and title of their
//   audio information): sorting by name, by size and by the date, filtering
//   the paths by a regular expression; the peer is a QStandardItemModel
//   behind a QSortFilterProxyModel (target: at most 0.5 each);
// - scrolling from the top to the bottom, per page, at 10^4 and 10^6 files
//   against a QTreeView over the peer (target: at most 0.5; the time per page
//   should not depend on the file count);
// - a real folder of 100,000 files listed and sorted by name, against
//   QFileSystemModel behind a QSortFilterProxyModel (target: at most 0.5);
// - the heap the view holds at its peak over filling, sorting and filtering
//   10^6 files, against 2 times the size of the cell texts plus 64 bytes per
//   file (target: at most 1).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QEventLoop>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "filelist/core/file_finder.h"
#include "filelist/qt/file_list_view.h"
#include "foundation/file_types.h"
#include "foundation/letter_case.h"
#include "foundation/paths.h"
#include "foundation/utf8.h"
#include "paired_runs.h"

namespace {

constexpr size_t kFiles = 1'000'000;
constexpr size_t kFolderFiles = 100'000;
constexpr int kRepetitions = bench::kDefaultRepetitions;
// The peer's columns: name, size, date, path, artist, title.
enum { kName, kSize, kDate, kPath, kArtist, kTitle, kPeerColumns };
// Paths in ten of the hundred folders.
const char* const kRegex = ".*/folder1\\d/.*";

// One synthetic file; the same index always gives the same file.
struct TSynthetic {
  std::string Path;
  int64_t Size = 0;
  TDateTime Date = 0;
  std::string Artist;
  std::string Title;
};

// A small generator seeded per file (splitmix64): cheap to start anew.
struct TSplitMix {
  uint64_t State;
  uint64_t operator()() {
    uint64_t z = (State += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
};

template <typename Rng>
std::string Word(Rng& rng, int parts) {
  static const char* const kSyllables[] = {"ka", "lo", "mi", "ne", "ru", "ta", "vo", "xe", "zu", "pa", "Sa", "Be"};
  std::string w;
  for (int k = 0; k < parts; ++k) w += kSyllables[rng() % std::size(kSyllables)];
  return w;
}

TSynthetic Synthetic(size_t i) {
  TSplitMix rng{i * 2654435761u + 17};
  TSynthetic s;
  s.Path = "/home/user/Music/folder" + std::to_string(rng() % 100) + "/" + Word(rng, 3 + rng() % 4) + " " +
           std::to_string(i) + ".mp3";
  s.Size = static_cast<int64_t>(rng() % 100'000'000);
  s.Date = 43000 + static_cast<double>(rng() % 2'000'000) / 1000.0;
  s.Artist = Word(rng, 2 + rng() % 3);
  s.Title = Word(rng, 3 + rng() % 5);
  return s;
}

// The columns the view and the peer show.
void ShowColumns(TFileListView& view) {
  view.SetColumns(flvColName, flvColSize, flvColDate, flvColPath, flvColAudioArtist, flvColAudioTitle);
}

// Fills the view as adding files with read audio information would.
void FillOurs(TFileListView& view, size_t count, bool withSourceOrder) {
  if (withSourceOrder) view.SetCustomColumnCounts(0, 1);
  for (size_t i = 0; i < count; ++i) {
    const TSynthetic s = Synthetic(i);
    TFileListViewItem item;
    item.FileName = s.Path;
    item.Name = s.Path.substr(s.Path.rfind('/') + 1);
    item.Ext = "MP3";
    item.FileType = ftAudio;
    item.PathLength = static_cast<int32_t>(UTF8Length(s.Path));
    item.FolderLevel = GetFolderLevel(s.Path);
    item.Size = s.Size;
    item.Date = s.Date;
    if (withSourceOrder) item.CustomIntValues = {static_cast<int64_t>(i)};
    TFileListViewAudioInfo audio;
    audio.Read = true;
    audio.FileName = s.Path;
    audio.Artist = s.Artist;
    audio.Title = s.Title;
    item.AudioInfoIndex = view.AudioInfos.Put(-1, audio);
    view.AppendItem(item);
  }
  view.RefreshItemCount();
}

struct TPeer {
  std::unique_ptr<QStandardItemModel> Model = std::make_unique<QStandardItemModel>(0, kPeerColumns);
  std::unique_ptr<QSortFilterProxyModel> Proxy = std::make_unique<QSortFilterProxyModel>();
};

// The same cells as the view shows, with the numbers to sort by.
void FillPeer(TPeer& peer, const TFileListView& texts, size_t count) {
  peer.Model->setRowCount(static_cast<int>(count));
  for (size_t i = 0; i < count; ++i) {
    const TSynthetic s = Synthetic(i);
    const int row = static_cast<int>(i);
    auto text = [&](int column, const std::string& t) {
      peer.Model->setItem(row, column, new QStandardItem(QString::fromStdString(t)));
    };
    text(kName, s.Path.substr(s.Path.rfind('/') + 1));
    auto* size =
        new QStandardItem(QString::fromStdString(FileSizeToStr(s.Size, texts.FileSizeType, texts.FileSizeDecimalPlaces,
                                                               texts.FileSizeIncludeUnit, true, texts.Locale.Number)));
    size->setData(QVariant::fromValue<qint64>(s.Size), Qt::UserRole);
    peer.Model->setItem(row, kSize, size);
    auto* date = new QStandardItem(QString::fromStdString(FormatDateTimeWith(texts.DateFormat, s.Date)));
    date->setData(s.Date, Qt::UserRole);
    peer.Model->setItem(row, kDate, date);
    text(kPath, s.Path);
    text(kArtist, s.Artist);
    text(kTitle, s.Title);
  }
  peer.Proxy->setSourceModel(peer.Model.get());
  peer.Proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
  peer.Proxy->setFilterKeyColumn(kPath);
}

// The 10^6 files in the view and in the peer, made once.
struct TLarge {
  TLarge() {
    ShowColumns(View);
    FillOurs(View, kFiles, true);
    FillPeer(Peer, View, kFiles);
  }
  TFileListView View;
  TPeer Peer;
};

// Made on first use, freed before the application.
std::unique_ptr<TLarge> g_large;

TLarge& Large() {
  if (!g_large) g_large = std::make_unique<TLarge>();
  return *g_large;
}

// Sorts both sides from the order the files were made in.
void PairedSort(benchmark::State& state, const std::string& name, TFileListViewColumnType type, int peerColumn,
                bool byNumber) {
  TLarge& l = Large();
  for (auto _ : state) {
    const bench::TPairedTimes t = bench::RunPaired(
        kRepetitions,
        [&] {
          l.View.SortUp(flvColCustomInt, 0);
          const auto start = bench::Clock::now();
          l.View.SortUp(type, 0);
          return bench::SecondsSince(start);
        },
        [&] {
          l.Peer.Proxy->sort(-1);
          l.Peer.Proxy->setSortRole(byNumber ? Qt::UserRole : Qt::DisplayRole);
          const auto start = bench::Clock::now();
          l.Peer.Proxy->sort(peerColumn, Qt::AscendingOrder);
          return bench::SecondsSince(start);
        });
    bench::Report(state, name, "QStandardItemModel+proxy", t, 0.5);
  }
}

void BM_SortByName(benchmark::State& state) { PairedSort(state, "sort 10^6 by name", flvColName, kName, false); }
void BM_SortBySize(benchmark::State& state) { PairedSort(state, "sort 10^6 by size", flvColSize, kSize, true); }
void BM_SortByDate(benchmark::State& state) { PairedSort(state, "sort 10^6 by date", flvColDate, kDate, true); }

void BM_FilterByRegex(benchmark::State& state) {
  TLarge& l = Large();
  for (auto _ : state) {
    int32_t ourRows = 0;
    int peerRows = 0;
    const bench::TPairedTimes t = bench::RunPaired(
        kRepetitions,
        [&] {
          l.View.SetFilterOn(false);
          l.View.ClearFilters();
          l.View.AddFilter({flvColPath, kRegex, kFlvFilterRegex, false, kFlvFilterKindText});
          const auto start = bench::Clock::now();
          l.View.SetFilterOn(true);
          const double s = bench::SecondsSince(start);
          ourRows = l.View.RowCount();
          return s;
        },
        [&] {
          l.Peer.Proxy->setFilterRegularExpression(QRegularExpression());
          const QRegularExpression re(QStringLiteral("^") + QString::fromLatin1(kRegex) + QStringLiteral("$"));
          const auto start = bench::Clock::now();
          l.Peer.Proxy->setFilterRegularExpression(re);
          const double s = bench::SecondsSince(start);
          peerRows = l.Peer.Proxy->rowCount();
          return s;
        });
    l.View.SetFilterOn(false);
    l.Peer.Proxy->setFilterRegularExpression(QRegularExpression());
    bench::Report(state, "filter 10^6 by a regex", "QStandardItemModel+proxy", t, 0.5);
    if (ourRows != peerRows) {
      bench::AddSummaryNote("  the filters disagree: " + std::to_string(ourRows) + " and " + std::to_string(peerRows) +
                            " rows");
    }
  }
}

// Pages from the top to the bottom in equal steps; each step paints a page.
double ScrollPerPage(QTreeView& view) {
  const int rows = view.model()->rowCount();
  const int rowHeight = std::max(1, view.sizeHintForRow(0));
  const int page = std::max(1, view.viewport()->height() / rowHeight);
  const int steps = std::min(400, std::max(1, rows / page));
  const auto start = bench::Clock::now();
  for (int k = 0; k <= steps; ++k) {
    const int row = static_cast<int>(static_cast<int64_t>(rows - 1) * k / steps);
    view.scrollTo(view.model()->index(row, 0), QAbstractItemView::PositionAtTop);
    view.viewport()->repaint();
  }
  return bench::SecondsSince(start) / (steps + 1);
}

void BM_Scroll(benchmark::State& state) {
  const auto count = static_cast<size_t>(state.range(0));
  std::unique_ptr<TFileListView> small;
  TFileListView* ours = nullptr;
  std::unique_ptr<TPeer> smallPeer;
  QSortFilterProxyModel* proxy = nullptr;
  if (count == kFiles) {
    ours = &Large().View;
    proxy = Large().Peer.Proxy.get();
  } else {
    small = std::make_unique<TFileListView>();
    FillOurs(*small, count, false);
    smallPeer = std::make_unique<TPeer>();
    FillPeer(*smallPeer, *small, count);
    ours = small.get();
    proxy = smallPeer->Proxy.get();
  }
  ShowColumns(*ours);
  ours->resize(900, 600);
  ours->show();
  QTreeView peerView;
  peerView.setRootIsDecorated(false);
  peerView.setUniformRowHeights(true);
  peerView.setModel(proxy);
  peerView.resize(900, 600);
  peerView.show();
  QApplication::processEvents();
  for (auto _ : state) {
    const bench::TPairedTimes t = bench::RunPaired(
        3, [&] { return ScrollPerPage(*ours); }, [&] { return ScrollPerPage(peerView); });
    bench::Report(state, "scroll per page, " + std::to_string(count) + " files", "QTreeView+proxy", t, 0.5);
  }
  ours->hide();
}

// --- A real folder -----------------------------------------------------------------

// The folder goes with the benchmark, also after a kill.
bench::TWorkDir& Work() {
  static bench::TWorkDir dir("filelist");
  return dir;
}

const std::string& FolderOfFiles() {
  static const std::string folder = [] {
    const std::filesystem::path dir = Work().Path() / "files";
    std::filesystem::create_directories(dir);
    std::mt19937_64 rng(5);
    const char* exts[] = {".txt", ".jpg", ".mp3", ".pdf", ".dat"};
    for (size_t i = 0; i < kFolderFiles; ++i) {
      const std::filesystem::path p = dir / (Word(rng, 2 + rng() % 4) + std::to_string(i) + exts[i % 5]);
      std::FILE* f = std::fopen(p.c_str(), "wb");
      if (f != nullptr) std::fclose(f);
    }
    return dir.string();
  }();
  return folder;
}

double ListFolderOurs(const std::string& folder) {
  TFileListView view;
  const auto start = bench::Clock::now();
  TFileFinderObj finder(folder, false);
  finder.CollectPaths = false;
  finder.OnFoundWithSearchRec = [&](TFileFinderObj*, const std::string& fileName, const TFileSearchRec& entry, int64_t,
                                    int32_t, int32_t, int32_t, int32_t, bool isFolder) {
    TFileListViewItem item;
    item.FileName = fileName;
    item.Name = fileName.substr(fileName.rfind('/') + 1);
    item.Ext = UTF8UpperCase(ExtractFileExtWithoutExtensionSeparator(fileName));
    item.FileType = GetFileTypeFromFileExtension(item.Ext);
    item.Size = entry.Size;
    TDateTime date = 0;
    if (UnixTimeToLocalDateTime(entry.Time, date)) item.Date = date;
    item.IsFolder = isFolder;
    view.AppendItem(item);
  };
  finder.Execute();
  view.RefreshItemCount();
  view.SortUp(flvColName, 0);
  const double s = bench::SecondsSince(start);
  return view.GetFileCount() == static_cast<int32_t>(kFolderFiles) ? s : -1;
}

double ListFolderPeer(const std::string& folder) {
  QFileSystemModel model;
  QSortFilterProxyModel proxy;
  proxy.setSortCaseSensitivity(Qt::CaseInsensitive);
  QEventLoop loop;
  const QString root = QString::fromStdString(folder);
  QObject::connect(&model, &QFileSystemModel::directoryLoaded, &loop, [&](const QString& path) {
    if (path == root) loop.quit();
  });
  QTimer::singleShot(300'000, &loop, &QEventLoop::quit);
  const auto start = bench::Clock::now();
  const QModelIndex index = model.setRootPath(root);
  proxy.setSourceModel(&model);
  loop.exec();
  proxy.sort(0, Qt::AscendingOrder);
  const double s = bench::SecondsSince(start);
  return model.rowCount(index) == static_cast<int>(kFolderFiles) ? s : -1;
}

void BM_RealFolder(benchmark::State& state) {
  const std::string& folder = FolderOfFiles();
  for (auto _ : state) {
    const bench::TPairedTimes t = bench::RunPaired(
        kRepetitions, [&] { return ListFolderOurs(folder); }, [&] { return ListFolderPeer(folder); });
    bench::Report(state, "list and sort 100,000 files", "QFileSystemModel+proxy", t, 0.5);
  }
}

// --- Memory ----------------------------------------------------------------------

size_t HeapInUse() {
  const struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
}

// The heap of a view of 10^6 files at its peak over filling, sorting by name
// and filtering, measured between the phases (the sort's and the filter's
// temporaries are freed again; their keys and the filtered rows stay).
void MeasureMemory() {
  malloc_trim(0);
  const size_t before = HeapInUse();
  size_t peak = 0;
  auto view = std::make_unique<TFileListView>();
  ShowColumns(*view);
  FillOurs(*view, kFiles, false);
  const size_t afterFill = HeapInUse() - before;
  peak = std::max(peak, afterFill);
  view->SortUp(flvColName, 0);
  peak = std::max(peak, HeapInUse() - before);
  view->AddFilter({flvColPath, kRegex, kFlvFilterRegex, false, kFlvFilterKindText});
  view->SetFilterOn(true);
  peak = std::max(peak, HeapInUse() - before);
  view->SetFilterOn(false);
  double textBytes = 0;
  for (int32_t i = 0; i < view->GetFileCount(); ++i) {
    for (int32_t c = 0; c < 6; ++c) textBytes += static_cast<double>(view->GetCellDisplayText(i, c).size());
  }
  const double budget = 2.0 * textBytes + 64.0 * kFiles;
  char line[256];
  std::snprintf(line, sizeof line, "heap of 10^6 files: %.1f MB after filling, %.1f MB at the peak; cell texts %.1f MB",
                afterFill / 1048576.0, peak / 1048576.0, textBytes / 1048576.0);
  bench::AddSummaryNote(line);
  const double ratio = static_cast<double>(peak) / budget;
  std::snprintf(line, sizeof line,
                "peak heap %.1f MB / budget (2 x cell texts + 64 B per file) %.1f MB = %.3f  (target at most 1.00: %s)",
                peak / 1048576.0, budget / 1048576.0, ratio, ratio <= 1.0 ? "met" : "MISSED");
  bench::AddSummaryNote(line);
}

}  // namespace

BENCHMARK(BM_SortByName)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortBySize)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByDate)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterByRegex)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Scroll)->Arg(10'000)->Arg(kFiles)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RealFolder)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // SYLLABRIX_BENCH_NO_MEMORY skips the memory run (for profiling the rest).
  if (std::getenv("SYLLABRIX_BENCH_NO_MEMORY") == nullptr) MeasureMemory();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  g_large.reset();
  bench::PrintSummary();
  return 0;
}
