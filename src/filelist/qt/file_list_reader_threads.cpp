#include "filelist/qt/file_list_reader_threads.h"

namespace {
// Readers of nested containers recurse.
constexpr uint kReaderStackBytes = 4 * 1024 * 1024;
}  // namespace

TFileListViewReaderThread::TFileListViewReaderThread(TFileListViewInfoKind kind, QObject* receiver, const char* slot)
    : FKind(kind), FReceiver(receiver), FSlot(slot) {
  setStackSize(kReaderStackBytes);
}

TFileListViewReaderThread::~TFileListViewReaderThread() { StopAndJoin(); }

void TFileListViewReaderThread::SetReader(TFileListViewReader reader) {
  std::lock_guard<std::mutex> lock(FMutex);
  FReader = std::move(reader);
}

void TFileListViewReaderThread::StartRun(TFileListViewReadJobs&& jobs, const TFileListViewHashRequests& hashes,
                                         uint64_t epoch) {
  // The run before has sent its last batch; its thread is about to end.
  wait();
  {
    std::lock_guard<std::mutex> lock(FMutex);
    FJobs = std::move(jobs);
    FHashes = hashes;
    FEpoch = epoch;
  }
  FStop.store(false, std::memory_order_release);
  start();
}

void TFileListViewReaderThread::StopAndJoin() {
  RequestStop();
  wait();
  // Taking the lock once more orders the worker's last steps before ours.
  std::lock_guard<std::mutex> lock(FMutex);
  FOutbox.clear();
}

std::vector<TFileListViewReadBatch> TFileListViewReaderThread::TakeBatches() {
  std::lock_guard<std::mutex> lock(FMutex);
  std::vector<TFileListViewReadBatch> batches;
  batches.swap(FOutbox);
  return batches;
}

void TFileListViewReaderThread::run() {
  TFileListViewReadJobs jobs;
  TFileListViewHashRequests hashes;
  TFileListViewReader reader;
  uint64_t epoch = 0;
  {
    std::lock_guard<std::mutex> lock(FMutex);
    jobs = std::move(FJobs);
    FJobs.clear();
    hashes = FHashes;
    reader = FReader;
    epoch = FEpoch;
  }
  const TFileListViewInfoKind kind = FKind;
  if (!reader) {
    // The readers of whole files ask the stop flag as they read, so that a
    // view closed while a large file is read need not wait for its end.
    reader = [kind, hashes, this](const TFileListViewReadJob& job) {
      return ReadFileListViewInfo(kind, job, hashes, [this] { return FStop.load(std::memory_order_acquire); });
    };
  }
  RunFileListViewReaderJobs(
      kind, epoch, jobs, reader, FileListViewSteadyMs,
      [this](TFileListViewReadBatch&& batch) {
        // The wake-up is posted under the lock too: once the view holds the
        // lock after a join, nothing of this thread touches the object.
        std::lock_guard<std::mutex> lock(FMutex);
        FOutbox.push_back(std::move(batch));
        QMetaObject::invokeMethod(FReceiver, FSlot, Qt::QueuedConnection);
      },
      FStop);
}
