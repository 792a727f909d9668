// The worker thread of one kind of information of a file list view. It runs
// the readers' job loop (filelist/core/file_list_reader_jobs.h), puts its
// batches into an outbox and wakes the view's thread by a queued call of a
// slot: it never waits for that thread and never touches the view, its
// records or any widget. A stop is an atomic flag the loop tests before each
// job. Everything the two threads share goes through one mutex, so that a
// race checker sees every hand-over.
#pragma once

#include <QObject>
#include <QThread>
#include <atomic>
#include <mutex>
#include <vector>

#include "filelist/core/file_list_reader_jobs.h"

class TFileListViewReaderThread : public QThread {
  Q_OBJECT
 public:
  // After each batch, slot (a method name) of receiver is called on
  // receiver's thread, which then takes the batches; calls still queued when
  // receiver is destroyed are dropped with it.
  TFileListViewReaderThread(TFileListViewInfoKind kind, QObject* receiver, const char* slot);
  ~TFileListViewReaderThread() override;

  // Starts a run over the jobs; a run before it must have sent its last batch.
  void StartRun(TFileListViewReadJobs&& jobs, const TFileListViewHashRequests& hashes, uint64_t epoch);
  void RequestStop() { FStop.store(true, std::memory_order_release); }
  // Stops the run and waits for the thread to end.
  void StopAndJoin();
  // The batches sent since the last call, in order.
  std::vector<TFileListViewReadBatch> TakeBatches();
  // Stands in for the library's readers (tests).
  void SetReader(TFileListViewReader reader);

 protected:
  void run() override;

 private:
  const TFileListViewInfoKind FKind;
  QObject* const FReceiver;
  const char* const FSlot;
  std::atomic<bool> FStop{false};
  std::mutex FMutex;
  // Guarded by FMutex.
  TFileListViewReader FReader;
  TFileListViewReadJobs FJobs;
  TFileListViewHashRequests FHashes;
  uint64_t FEpoch = 0;
  std::vector<TFileListViewReadBatch> FOutbox;
};
