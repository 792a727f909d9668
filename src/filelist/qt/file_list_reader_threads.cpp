#include "filelist/qt/file_list_reader_threads.h"

#include <memory>

namespace {
// Readers of deep folder trees and nested containers recurse.
constexpr uint kReaderStackBytes = 4 * 1024 * 1024;
}  // namespace

TFileListViewReaderThread::TFileListViewReaderThread(TFileListViewInfoKind kind, QObject* receiver,
                                                     std::function<void(TFileListViewReadBatch&&)> deliver)
    : FKind(kind), FReceiver(receiver), FDeliver(std::move(deliver)) {
  setStackSize(kReaderStackBytes);
}

TFileListViewReaderThread::~TFileListViewReaderThread() { StopAndJoin(); }

void TFileListViewReaderThread::StartRun(TFileListViewReadJobs&& jobs, const TFileListViewHashRequests& hashes,
                                         uint64_t epoch) {
  // The run before has sent its last batch; its thread is about to end.
  wait();
  FJobs = std::move(jobs);
  FHashes = hashes;
  FEpoch = epoch;
  FStop.store(false, std::memory_order_release);
  start();
}

void TFileListViewReaderThread::StopAndJoin() {
  RequestStop();
  wait();
}

void TFileListViewReaderThread::run() {
  QObject* receiver = FReceiver.data();
  auto deliver = FDeliver;
  const TFileListViewInfoKind kind = FKind;
  const TFileListViewHashRequests hashes = FHashes;
  const TFileListViewReader reader = FReader ? FReader : [kind, hashes](const TFileListViewReadJob& job) {
    return ReadFileListViewInfo(kind, job, hashes);
  };
  RunFileListViewReaderJobs(
      kind, FEpoch, FJobs, reader, FileListViewSteadyMs,
      [receiver, deliver](TFileListViewReadBatch&& batch) {
        if (receiver == nullptr) return;
        auto shared = std::make_shared<TFileListViewReadBatch>(std::move(batch));
        QMetaObject::invokeMethod(
            receiver, [deliver, shared] { deliver(std::move(*shared)); }, Qt::QueuedConnection);
      },
      FStop);
}
