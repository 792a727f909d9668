// The readers' job loop with a fake reader, clock and sink, and the view's
// collection and hand-over with the reader runs held back by the test: epochs,
// removals and re-sorting while reading, failing readers, the idle state.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

#include "filelist/core/file_list_view_core.h"
#include "hashes/hash_facade.h"
#include "test_support.h"

namespace {

using testsupport::TempDir;
using testsupport::WriteFileBytes;
using IK = TFileListViewInfoKind;

struct TLoopRun {
  std::vector<TFileListViewReadBatch> Batches;
  int64_t Now = 0;
};

// A reader that takes stepMs per file and names the artist after the file.
TLoopRun RunLoop(IK kind, size_t jobCount, int64_t stepMs, std::function<void(size_t)> onJob = {},
                 std::atomic<bool>* stopFlag = nullptr) {
  TLoopRun run;
  TFileListViewReadJobs jobs;
  for (size_t i = 0; i < jobCount; ++i) jobs.push_back({"/f/" + std::to_string(i), static_cast<int32_t>(i) + 10, {}});
  std::atomic<bool> localStop{false};
  std::atomic<bool>& stop = stopFlag ? *stopFlag : localStop;
  size_t done = 0;
  RunFileListViewReaderJobs(
      kind, 7, jobs,
      [&](const TFileListViewReadJob& job) -> TFileListViewInfoRecord {
        run.Now += stepMs;
        if (onJob) onJob(done);
        ++done;
        if (kind == IK::CheckSum) return TFileListViewCheckSumInfo{job.FileName};
        TFileListViewAudioInfo a;
        a.Read = true;
        a.Artist = job.FileName;
        return a;
      },
      [&] { return run.Now; }, [&](TFileListViewReadBatch&& b) { run.Batches.push_back(std::move(b)); }, stop);
  return run;
}

std::vector<size_t> BatchSizes(const TLoopRun& run) {
  std::vector<size_t> sizes;
  for (const TFileListViewReadBatch& b : run.Batches) sizes.push_back(b.Results.size());
  return sizes;
}

TEST(FileListReaderLoop, BatchesAtMostEveryOneAndAHalfSeconds) {
  struct TCase {
    const char* Name;
    IK K;
    size_t Jobs;
    int64_t StepMs;
    std::vector<size_t> Sizes;
  };
  const TCase cases[] = {
      // Tested after every second job: 4 files pass 1500 ms (1600).
      {"reader, 400 ms a file", IK::Audio, 10, 400, {4, 4, 2}},
      {"three quick files: one hand-over at the end", IK::Audio, 3, 10, {3}},
      {"exactly 1500 ms is not more", IK::Audio, 4, 375, {4}},
      // A slow file is handed over after the next one for readers, at once for check sums.
      {"reader, 1600 ms a file", IK::Audio, 3, 1600, {2, 1}},
      {"check sums, 1600 ms a file", IK::CheckSum, 3, 1600, {1, 1, 1, 0}},
      {"no job: only the end", IK::Text, 0, 10, {0}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const TLoopRun run = RunLoop(c.K, c.Jobs, c.StepMs);
    EXPECT_EQ(BatchSizes(run), c.Sizes);
    for (size_t i = 0; i < run.Batches.size(); ++i) {
      EXPECT_EQ(run.Batches[i].Done, i + 1 == run.Batches.size());
      EXPECT_EQ(run.Batches[i].Epoch, 7u);
      EXPECT_EQ(run.Batches[i].Kind, c.K);
      EXPECT_EQ(run.Batches[i].FileCount, static_cast<int32_t>(c.Jobs));
    }
  }
  // Every job reaches the sink once, in order, under its record position.
  const TLoopRun run = RunLoop(IK::Audio, 10, 400);
  int32_t next = 10;
  for (const TFileListViewReadBatch& b : run.Batches) {
    for (const TFileListViewReadResult& r : b.Results) EXPECT_EQ(r.Index, next++);
  }
  EXPECT_EQ(next, 20);
}

TEST(FileListReaderLoop, StopEndsBeforeTheNextJobAndStillSendsTheEnd) {
  std::atomic<bool> stop{false};
  const TLoopRun run = RunLoop(
      IK::Audio, 10, 1, [&](size_t done) { stop = done == 2; }, &stop);
  ASSERT_EQ(run.Batches.size(), 1u);
  EXPECT_TRUE(run.Batches[0].Done);
  EXPECT_EQ(run.Batches[0].Results.size(), 3u);
}

// A reader that gave up on a stop request (no record) leaves its job out.
TEST(FileListReaderLoop, AThrowingReaderGivesAnEmptyResultAndTheRunGoesOn) {
  TFileListViewReadJobs jobs = {{"/a", 0, {}}, {"/b", 1, {}}, {"/gave-up", 5, {}}, {"/c", 2, {}}};
  std::vector<TFileListViewReadBatch> batches;
  std::atomic<bool> stop{false};
  RunFileListViewReaderJobs(
      IK::Text, 0, jobs,
      [](const TFileListViewReadJob& job) -> TFileListViewInfoRecord {
        if (job.FileName == "/b") throw std::runtime_error("Unable to open file");
        if (job.FileName == "/gave-up") return std::monostate{};
        TFileListViewTextInfo t;
        t.Read = true;
        t.Words = 3;
        return t;
      },
      [] { return int64_t{0}; }, [&](TFileListViewReadBatch&& b) { batches.push_back(std::move(b)); }, stop);
  ASSERT_EQ(batches.size(), 1u);
  ASSERT_EQ(batches[0].Results.size(), 3u);
  const auto& failed = std::get<TFileListViewTextInfo>(batches[0].Results[1].Record);
  EXPECT_TRUE(failed.Read);
  EXPECT_EQ(failed.Words, 0);
  EXPECT_EQ(batches[0].Results[2].Index, 2);
  EXPECT_EQ(std::get<TFileListViewTextInfo>(batches[0].Results[2].Record).Words, 3);
}

TEST(FileListReaders, WholeFileReadersGiveUpOnAStopRequest) {
  TempDir dir;
  const TFileListViewHashRequests hashes = {{5003, 0}, {7003, 5}};
  // Files that make a reader read to their end: text statistics, check sums,
  // web pages and RTF loaded whole, a PDF without a cross-reference table,
  // and an MP3 searched for its first frame. Read whole they take minutes.
  struct TCase {
    const char* Name;
    IK Kind;
  };
  const TCase cases[] = {{"big.txt", IK::Text},     {"big.bin", IK::CheckSum}, {"big.html", IK::Document},
                         {"big.rtf", IK::Document}, {"big.pdf", IK::Document}, {"big.mp3", IK::Audio}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string path = dir.file(c.Name);
    ASSERT_TRUE(testsupport::WriteSparseFile(path, uint64_t{8} << 30));
    // Asked every few megabytes: the third answer stops the read under way.
    int asked = 0;
    const auto t0 = std::chrono::steady_clock::now();
    const TFileListViewInfoRecord record =
        ReadFileListViewInfo(c.Kind, {path, 0, {}}, hashes, [&] { return ++asked >= 3; });
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(5));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(record));
    EXPECT_GE(asked, 3);
    ::unlink(path.c_str());
  }
  // Without a stop the records are the plain reader's.
  const std::string text = dir.file("words.txt");
  WriteFileBytes(text, "one two three\nfour\n");
  const auto never = [] { return false; };
  const auto words = std::get<TFileListViewTextInfo>(ReadFileListViewInfo(IK::Text, {text, 0, {}}, hashes, never));
  EXPECT_TRUE(words.Read);
  EXPECT_EQ(words.Words, 4);
  EXPECT_EQ(words.Lines, 3);
  EXPECT_EQ(words.Encoding,
            std::get<TFileListViewTextInfo>(ReadFileListViewInfo(IK::Text, {text, 0, {}}, hashes)).Encoding);
  const auto sums =
      std::get<TFileListViewCheckSumInfo>(ReadFileListViewInfo(IK::CheckSum, {text, 0, {}}, hashes, never));
  EXPECT_EQ(sums[0], HashFile(text, 5003, 16));
  EXPECT_EQ(sums[5], HashFile(text, 7003, 16));
  EXPECT_EQ(sums[0].size(), 32u);
}

// A view whose reader runs wait for the test: it delivers their batches
// when it wants, made by a fake reader that names the artist after the file.
class THeldReaders : public TFileListViewCore {
 public:
  struct TRun {
    IK K;
    TFileListViewReadJobs Jobs;
    uint64_t Epoch;
  };
  std::vector<TRun> Runs;
  std::vector<IK> Stops;
  bool Throw = false;

  // Runs the oldest held run to its end.
  void Finish() {
    ASSERT_FALSE(Runs.empty());
    TRun run = std::move(Runs.front());
    Runs.erase(Runs.begin());
    std::atomic<bool> stop{false};
    RunFileListViewReaderJobs(
        run.K, run.Epoch, run.Jobs,
        [this](const TFileListViewReadJob& job) -> TFileListViewInfoRecord {
          if (Throw) throw std::runtime_error("reader failed");
          TFileListViewAudioInfo a;
          a.Read = true;
          a.Artist = job.FileName;
          return a;
        },
        [] { return int64_t{0}; }, [this](TFileListViewReadBatch&& b) { TransferInfo(std::move(b)); }, stop);
  }

 protected:
  void StartReaderThread(IK kind, TFileListViewReadJobs&& jobs, const TFileListViewHashRequests&,
                         uint64_t epoch) override {
    Runs.push_back({kind, std::move(jobs), epoch});
  }
  void StopReaderThread(IK kind) override { Stops.push_back(kind); }
};

struct TAudioTree {
  TempDir Dir;
  TStrArray Files;
  explicit TAudioTree(int count) {
    for (int i = 0; i < count; ++i) {
      Files.push_back(Dir.file("Band - Song " + std::to_string(i) + ".mp3"));
      WriteFileBytes(Files.back(), "x");
    }
  }
};

void CheckRecordsBelongToTheirItems(const TFileListViewCore& view) {
  for (int32_t i = 0; i < view.GetFileCount(); ++i) {
    const TFileListViewItem item = view.GetItem(i);
    ASSERT_GE(item.AudioInfoIndex, 0);
    const TFileListViewAudioInfo a = view.AudioInfos.Get(static_cast<size_t>(item.AudioInfoIndex));
    EXPECT_EQ(a.FileName, item.FileName);
    if (a.Read) {
      EXPECT_EQ(a.Artist, item.FileName);
    }
  }
}

TEST(FileListReadingOut, RemovalAndSortingWhileReadingLeaveEveryResultInItsRecord) {
  TAudioTree tree(6);
  THeldReaders view;
  view.ShowFileSearchProgressDialog = false;
  view.SetReadOutAudioInfo(true);
  int done = 0;
  view.OnReadingOutDone = [&](TFileListView*) { ++done; };
  view.AddFilesFromStringList(tree.Files, true);
  ASSERT_EQ(view.Runs.size(), 1u);
  EXPECT_EQ(view.Runs[0].Jobs.size(), 6u);
  EXPECT_FALSE(view.GetReadingOutDone());
  // Sorting moves entries, never records; removing asks the run to stop.
  view.SortDown(flvColName, 0);
  view.SetSelectedRows({0, 3});
  view.RemoveSelected();
  EXPECT_EQ(view.Stops, (std::vector<IK>{IK::Audio}));
  EXPECT_TRUE(view.ReaderState(IK::Audio).ReadOutStop);
  view.Finish();
  CheckRecordsBelongToTheirItems(view);
  // The stop collects again from the first entry: nothing is missing then.
  EXPECT_TRUE(view.Runs.empty());
  EXPECT_TRUE(view.GetReadingOutDone());
  EXPECT_EQ(done, 1);
  EXPECT_EQ(view.GetFileCount(), 4);
}

TEST(FileListReadingOut, BatchesForEmptiedArraysAreDroppedByTheirEpoch) {
  TAudioTree tree(3);
  TAudioTree other(2);
  THeldReaders view;
  view.ShowFileSearchProgressDialog = false;
  view.SetReadOutAudioInfo(true);
  view.AddFilesFromStringList(tree.Files, true);
  ASSERT_EQ(view.Runs.size(), 1u);
  const uint64_t before = view.InfoEpoch();
  view.RemoveAll();
  EXPECT_EQ(view.InfoEpoch(), before + 1);
  // New entries take record positions 0 and 1 while the old run still holds them.
  view.AddFilesFromStringList(other.Files, true);
  EXPECT_TRUE(view.ReaderState(IK::Audio).ReadOutRestart);
  view.Finish();
  // The old run's results were dropped; its end started a run for the new entries.
  ASSERT_EQ(view.Runs.size(), 1u);
  EXPECT_EQ(view.Runs[0].Epoch, before + 1);
  EXPECT_EQ(view.Runs[0].Jobs.size(), 2u);
  for (int32_t i = 0; i < view.GetFileCount(); ++i) {
    EXPECT_FALSE(view.AudioInfos.Get(static_cast<size_t>(view.GetItem(i).AudioInfoIndex)).Read);
  }
  view.Finish();
  CheckRecordsBelongToTheirItems(view);
  EXPECT_TRUE(view.AudioInfos.Get(0).Read);
  EXPECT_TRUE(view.GetReadingOutDone());
}

TEST(FileListReadingOut, AddingWhileReadingRunsAgainForTheNewFilesOnly) {
  TAudioTree tree(5);
  THeldReaders view;
  view.ShowFileSearchProgressDialog = false;
  view.SetReadOutAudioInfo(true);
  int statusCalls = 0;
  view.OnReadingOutStatus = [&](TFileListView*, int32_t current, int32_t count,
                                const TFileListViewReadingOutStatusInfoArray& list) {
    ++statusCalls;
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].FileCount, count);
    EXPECT_LE(current, count);
  };
  view.AddFilesFromStringList({tree.Files[0], tree.Files[1], tree.Files[2]}, true);
  view.AddFilesFromStringList({tree.Files[3], tree.Files[4]}, true);
  EXPECT_TRUE(view.ReaderState(IK::Audio).ReadOutRestart);
  view.Finish();
  ASSERT_EQ(view.Runs.size(), 1u);
  EXPECT_EQ(view.Runs[0].Jobs.size(), 2u);
  view.Finish();
  CheckRecordsBelongToTheirItems(view);
  EXPECT_EQ(statusCalls, 2);
  EXPECT_TRUE(view.GetReadingOutDone());
}

TEST(FileListReadingOut, AFailingReaderStillReturnsTheKindToIdle) {
  TAudioTree tree(3);
  THeldReaders view;
  view.ShowFileSearchProgressDialog = false;
  view.SetReadOutAudioInfo(true);
  view.Throw = true;
  int done = 0;
  view.OnReadingOutDone = [&](TFileListView*) { ++done; };
  view.AddFilesFromStringList(tree.Files, true);
  view.Finish();
  EXPECT_TRUE(view.GetReadingOutDone());
  EXPECT_FALSE(view.ReaderState(IK::Audio).ReadingOut);
  EXPECT_EQ(done, 1);
  // The failed files count as read (empty), so they are not queued forever.
  EXPECT_TRUE(view.AudioInfos.Get(0).Read);
  EXPECT_EQ(view.AudioInfos.Get(0).Artist, "");
  EXPECT_EQ(view.AudioInfos.Get(0).FileName, tree.Files[0]);
  view.ReadOutMissingAudioInfo(true);
  EXPECT_TRUE(view.Runs.empty());
}

TEST(FileListReadingOut, CheckSumsSmallestFirstAndOnlyMissingDigests) {
  TempDir dir;
  WriteFileBytes(dir.file("big"), std::string(2'000'000, 'b'));
  WriteFileBytes(dir.file("mid"), std::string(200'000, 'm'));
  WriteFileBytes(dir.file("small"), "abc");
  THeldReaders view;
  view.ShowFileSearchProgressDialog = false;
  view.SetColumns(flvColName, flvColCheckSumMD5, flvColCheckSumSHA2_256);
  view.RefreshReadOutPropertiesBasedOnColumnsCurrentlyVisible();
  EXPECT_EQ(view.CheckSumRequests(), (TFileListViewHashRequests{{5003, 0}, {7003, 5}}));
  view.AddFilesFromStringList({dir.file("big"), dir.file("mid"), dir.file("small")}, true);
  ASSERT_EQ(view.Runs.size(), 1u);
  TStrArray order;
  for (const TFileListViewReadJob& j : view.Runs[0].Jobs) order.push_back(j.FileName.substr(dir.str().size() + 1));
  EXPECT_EQ(order, (TStrArray{"small", "mid", "big"}));
  view.Runs.clear();
  // A record that holds the MD5 digest asks only for SHA-256.
  TFileListViewCore real;
  real.ShowFileSearchProgressDialog = false;
  real.SetColumns(flvColName, flvColCheckSumMD5);
  real.RefreshReadOutPropertiesBasedOnColumnsCurrentlyVisible();
  real.AddFile(dir.file("small"));
  const size_t rec = static_cast<size_t>(real.GetItem(0).CheckSumInfoIndex);
  TFileListViewCheckSumInfo sums = real.CheckSumInfos.Get(rec);
  EXPECT_EQ(sums[0], "900150983CD24FB0D6963F7D28E17F72");
  sums[0] = "KEPT";
  real.CheckSumInfos.Set(rec, sums);
  real.SetColumns(flvColName, flvColCheckSumMD5, flvColCheckSumSHA2_256);
  real.ReadOutMissingCheckSums(true);
  sums = real.CheckSumInfos.Get(rec);
  EXPECT_EQ(sums[0], "KEPT");
  EXPECT_EQ(sums[5], "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD");
}

TEST(FileListReadingOut, NoCheckSumColumnEndsAtOnce) {
  TempDir dir;
  WriteFileBytes(dir.file("a"), "a");
  THeldReaders view;
  view.ShowFileSearchProgressDialog = false;
  view.AddFile(dir.file("a"));
  int done = 0;
  view.OnReadingOutDone = [&](TFileListView*) { ++done; };
  view.SetReadOutCheckSums(true);
  EXPECT_TRUE(view.Runs.empty());
  EXPECT_EQ(done, 1);
}

}  // namespace
