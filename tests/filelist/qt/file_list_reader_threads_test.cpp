// The file list's reader threads with the real readers over files of every
// kind: every cell filled, no result in another entry's record while entries
// are removed and re-sorted during reading, and a view destroyed mid-read
// that returns at once, also while one large file is being read. Also built
// alone with ThreadSanitizer.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <chrono>
#include <thread>

#include "filelist/mixed_files.h"
#include "filelist/qt/file_list_view.h"
#include "filelist_qt_test_app.h"
#include "foundation/file_types.h"
#include "hashes/hash_facade.h"
#include "test_support.h"

namespace {

using IK = TFileListViewInfoKind;
constexpr int kFiles = 2000;

bool RunUntil(const std::function<bool()>& done, int seconds) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > seconds * 1000) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 20);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

void ShowEveryKind(TFileListView& view) {
  view.SetColumns(TFileListViewColumnTypeArr{flvColName, flvColTextWordCount, flvColImageWidth, flvColAudioSampleRate,
                                             flvColVideoWidth, flvColDocumentTitle, flvColAttributeHidden,
                                             flvColVolumeName, flvColCheckSumMD5, flvColCheckSumSHA2_256});
  view.RefreshReadOutPropertiesBasedOnColumnsCurrentlyVisible();
}

int WordsOf(const std::string& path) {
  const size_t f = path.rfind("/f");
  return std::stoi(path.substr(f + 2)) % 7 + 1;
}

// Every record an entry points to describes that entry's file, and every kind
// the entry needs is read.
void CheckEveryCell(const TFileListView& view) {
  const TFileListViewItemStore& items = view.Items();
  for (size_t i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(std::string(items.FileName(i)));
    const std::string name(items.FileName(i));
    const int32_t type = items.FileType(i);
    auto index = [&](IK k) { return items.InfoIndex(i, k); };
    auto check = [&](const auto& array, IK k) {
      const int32_t p = index(k);
      ASSERT_GE(p, 0);
      const auto r = array.Get(static_cast<size_t>(p));
      EXPECT_TRUE(r.Read);
      EXPECT_EQ(r.FileName, name);
    };
    check(view.AttributeInfos, IK::Attribute);
    check(view.VolumeInfos, IK::Volume);
    if (items.IsFolder(i)) {
      EXPECT_EQ(index(IK::Text), kInfoNone);
      EXPECT_EQ(index(IK::CheckSum), kInfoNone);
      continue;
    }
    check(view.TextInfos, IK::Text);
    if (type == ftText) {
      EXPECT_EQ(view.TextInfos.Get(static_cast<size_t>(index(IK::Text))).Words, WordsOf(name));
    }
    if (type == ftImage) check(view.ImageInfos, IK::Image);
    if (type == ftAudio) check(view.AudioInfos, IK::Audio);
    if (type == ftVideo) check(view.VideoInfos, IK::Video);
    if (type == ftDocument || type == ftWebsite) check(view.DocumentInfos, IK::Document);
    ASSERT_GE(index(IK::CheckSum), 0);
    const TFileListViewCheckSumInfo sums = view.CheckSumInfos.Get(static_cast<size_t>(index(IK::CheckSum)));
    EXPECT_EQ(sums[0].size(), 32u);
    EXPECT_EQ(sums[5].size(), 64u);
  }
}

TEST(FileListReaderThreads, EveryCellFilledWhileEntriesAreRemovedAndSorted) {
  FileListQtTestApp();
  testsupport::TempDir dir;
  const std::vector<std::string> files = mixedfiles::Generate(dir.str(), kFiles);
  TFileListView view;
  view.ShowFileSearchProgressDialog = false;
  view.AddFolders = true;
  view.AddFilesFromFolders = false;
  ShowEveryKind(view);
  int doneEvents = 0;
  view.OnReadingOutDone = [&](TFileListView*) { ++doneEvents; };
  view.AddFilesFromStringList(files, true);
  EXPECT_EQ(view.GetFileCount(), kFiles);
  EXPECT_FALSE(view.GetReadingOutDone());
  // While the readers run: sort, remove some, sort the other way.
  for (int round = 0; round < 5 && !view.GetReadingOutDone(); ++round) {
    QApplication::processEvents();
    view.SortInternal(round % 2 ? flvColName : flvColSize, 0, round % 2 == 0);
    view.SetSelectedRows({round, round + 10, round + 100});
    view.RemoveSelected();
  }
  ASSERT_TRUE(RunUntil([&] { return view.GetReadingOutDone(); }, 300));
  EXPECT_GE(doneEvents, 1);
  EXPECT_LT(view.GetFileCount(), kFiles);
  CheckEveryCell(view);
}

TEST(FileListReaderThreads, DestroyingTheViewMidReadReturnsPromptly) {
  FileListQtTestApp();
  testsupport::TempDir dir;
  const std::vector<std::string> files = mixedfiles::Generate(dir.str(), 400);
  auto* view = new TFileListView;
  view->ShowFileSearchProgressDialog = false;
  // A slow reader: the whole run would take over 10 seconds.
  view->SetReaderForTests([](IK kind, const TFileListViewReadJob& job) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return ReadFileListViewInfo(kind, job, {{5003, 0}});
  });
  ShowEveryKind(*view);
  view->AddFilesFromStringList(files, true);
  RunUntil([] { return false; }, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  QElapsedTimer t;
  t.start();
  delete view;
  EXPECT_LT(t.elapsed(), 2000);
  // Batches queued for the view before it went are dropped with it.
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// Within a second; the sanitizers make the large allocations of the readers
// that hold a whole file many times slower.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr qint64 kPromptMs = 3000;
#else
constexpr qint64 kPromptMs = 1000;
#endif

TEST(FileListReaderThreads, DestroyingTheViewWhileALargeFileIsReadReturnsWithinASecond) {
  FileListQtTestApp();
  testsupport::TempDir dir;
  constexpr uint64_t kBig = uint64_t{8} << 30;
  // Hashing the whole file would take far longer than the bound below: what
  // 64 MiB cost, 128 times over.
  {
    const std::string sample = dir.file("sample.bin");
    ASSERT_TRUE(testsupport::WriteSparseFile(sample, kBig / 128));
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(HashFile(sample, 5003, 16).size(), 32u);
    EXPECT_EQ(HashFile(sample, 7003, 16).size(), 64u);
    EXPECT_GT(t.elapsed() * 128, 5 * kPromptMs);
    ::unlink(sample.c_str());
  }
  struct TCase {
    const char* Name;
    TFileListViewColumnTypeArr Columns;
  };
  const TCase cases[] = {{"big.bin", {flvColName, flvColCheckSumMD5, flvColCheckSumSHA2_256}},
                         {"big.txt", {flvColName, flvColTextWordCount}},
                         {"big.html", {flvColName, flvColDocumentTitle}}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string path = dir.file(c.Name);
    ASSERT_TRUE(testsupport::WriteSparseFile(path, kBig));
    auto* view = new TFileListView;
    view->ShowFileSearchProgressDialog = false;
    view->SetColumns(c.Columns);
    view->RefreshReadOutPropertiesBasedOnColumnsCurrentlyVisible();
    view->AddFilesFromStringList({path}, true);
    // Well inside the file, and still reading.
    RunUntil([] { return false; }, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(view->GetReadingOutDone());
    QElapsedTimer t;
    t.start();
    delete view;
    EXPECT_LT(t.elapsed(), kPromptMs);
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    ::unlink(path.c_str());
  }
}

}  // namespace
