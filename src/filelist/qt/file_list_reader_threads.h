// The worker thread of one kind of information of a file list view. It runs
// the readers' job loop (filelist/core/file_list_reader_jobs.h) and hands its
// batches to the view's thread by queued delivery: it never waits for that
// thread and never touches the view, its records or any widget. A stop is an
// atomic flag the loop tests before each job.
#pragma once

#include <QObject>
#include <QPointer>
#include <QThread>
#include <atomic>
#include <functional>

#include "filelist/core/file_list_reader_jobs.h"

class TFileListViewReaderThread : public QThread {
  Q_OBJECT
 public:
  // deliver runs on receiver's thread with every batch, in order; batches
  // still queued when receiver is destroyed are dropped.
  TFileListViewReaderThread(TFileListViewInfoKind kind, QObject* receiver,
                            std::function<void(TFileListViewReadBatch&&)> deliver);
  ~TFileListViewReaderThread() override;

  // Starts a run over the jobs; a run before it must have ended (its last
  // batch sent).
  void StartRun(TFileListViewReadJobs&& jobs, const TFileListViewHashRequests& hashes, uint64_t epoch);
  void RequestStop() { FStop.store(true, std::memory_order_release); }
  // Stops the run and waits for the thread to end.
  void StopAndJoin();
  // Stands in for the library's readers (tests).
  void SetReader(TFileListViewReader reader) { FReader = std::move(reader); }

 protected:
  void run() override;

 private:
  const TFileListViewInfoKind FKind;
  QPointer<QObject> FReceiver;
  std::function<void(TFileListViewReadBatch&&)> FDeliver;
  TFileListViewReader FReader;
  TFileListViewReadJobs FJobs;
  TFileListViewHashRequests FHashes;
  uint64_t FEpoch = 0;
  std::atomic<bool> FStop{false};
};
