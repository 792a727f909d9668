// The work of the file list's reader threads, without the threads: a job loop
// that reads one file after another with a given reader, hands the results on
// in batches at most every 1.5 seconds by a given clock, and stops when asked.
// The Qt view runs it on one worker thread per kind of information; tests run
// it with a fake reader, clock and sink.
//
// A batch names the kind and the epoch of the view's information arrays it was
// made for: the view drops a batch whose epoch is older than its own (the
// arrays were emptied since, and the record positions now belong to others).
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "filelist/core/file_list_types.h"

// One record as a reader made it; monostate for a kind without records here.
using TFileListViewInfoRecord =
    std::variant<std::monostate, TFileListViewVolumeInfo, TFileListViewTextInfo, TFileListViewAudioInfo,
                 TFileListViewVideoInfo, TFileListViewImageInfo, TFileListViewDocumentInfo, TFileListViewAttributeInfo,
                 TFileListViewCheckSumInfo>;

// One job: a file and the position of its record in the kind's array. For
// check sums, the digests already present (not computed again).
struct TFileListViewReadJob {
  std::string FileName;
  int32_t Index = 0;
  TFileListViewCheckSumInfo CheckSums;
};
using TFileListViewReadJobs = std::vector<TFileListViewReadJob>;

struct TFileListViewReadResult {
  int32_t Index = 0;
  TFileListViewInfoRecord Record;
};

struct TFileListViewReadBatch {
  TFileListViewInfoKind Kind = TFileListViewInfoKind::Text;
  uint64_t Epoch = 0;
  std::vector<TFileListViewReadResult> Results;
  // The position of the job last read, and the number of jobs of the run.
  int32_t FileIndex = 0;
  int32_t FileCount = 0;
  // The run's last batch: the kind's worker is idle once it is handed over.
  bool Done = false;
};

// A digest a visible check-sum column asks for: the hash algorithm's id and
// the slot of the record it goes to.
struct TFileListViewHashRequest {
  int32_t AlgorithmId = 0;
  int32_t Slot = 0;
  bool operator==(const TFileListViewHashRequest&) const = default;
};
using TFileListViewHashRequests = std::vector<TFileListViewHashRequest>;

using TFileListViewReader = std::function<TFileListViewInfoRecord(const TFileListViewReadJob& job)>;
// Milliseconds of a steady clock.
using TFileListViewClock = std::function<int64_t()>;
using TFileListViewBatchSink = std::function<void(TFileListViewReadBatch&& batch)>;

inline constexpr int64_t kFileListViewHandOverMs = 1500;

// Reads the jobs in order. After a job, when more than 1500 ms passed since
// the last hand-over (tested after every second job, after every job for
// check sums), the results so far go to the sink. stop is tested before each
// job. A reader that gave up on a stop request returns no record
// (std::monostate): that job is left out, its record stays unread and a later
// collection queues it again. A reader that throws gives the kind's empty record for that job and the
// loop goes on. The last batch, with Done set, is always sent, also after a
// stop and for an empty job list.
void RunFileListViewReaderJobs(TFileListViewInfoKind kind, uint64_t epoch, const TFileListViewReadJobs& jobs,
                               const TFileListViewReader& reader, const TFileListViewClock& clock,
                               const TFileListViewBatchSink& sink, const std::atomic<bool>& stop);

// The record of a kind that a file gives when nothing can be read from it:
// empty values, marked read (check sums: eight empty digests).
TFileListViewInfoRecord EmptyFileListViewInfo(TFileListViewInfoKind kind);

// Reads one file with the library's readers (audio, video, image, document,
// text, attributes, volume) or computes the requested digests (check sums,
// upper-case hexadecimal). The record is marked read; FileName is the job's.
TFileListViewInfoRecord ReadFileListViewInfo(TFileListViewInfoKind kind, const TFileListViewReadJob& job,
                                             const TFileListViewHashRequests& hashes);
// The same for a worker that may be told to stop: every reader that reads a
// whole file (text statistics, check sums, and the readers that may read to
// the end of a file they do not recognise) asks stopRequested while reading,
// every few megabytes, and gives up once it answers true. A read cut short
// gives no record (std::monostate), never a record of the part read.
TFileListViewInfoRecord ReadFileListViewInfo(TFileListViewInfoKind kind, const TFileListViewReadJob& job,
                                             const TFileListViewHashRequests& hashes,
                                             const std::function<bool()>& stopRequested);

// The milliseconds of the steady clock.
int64_t FileListViewSteadyMs();
