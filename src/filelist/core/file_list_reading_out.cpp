// Collecting what the readers are to read, and taking their results over.
#include <limits>

#include "filelist/core/file_list_view_core.h"
#include "foundation/file_types.h"

namespace {

using InfoKind = TFileListViewInfoKind;

// The digest each check-sum column asks for.
struct THashColumn {
  TFileListViewColumnType Column;
  int32_t AlgorithmId;
  int32_t Slot;
};
constexpr THashColumn kHashColumns[] = {{flvColCheckSumMD5, 5003, 0},      {flvColCheckSumCRC32, 2001, 1},
                                        {flvColCheckSumCRC32B, 2002, 2},   {flvColCheckSumSHA1, 7001, 3},
                                        {flvColCheckSumSHA2_224, 7002, 4}, {flvColCheckSumSHA2_256, 7003, 5},
                                        {flvColCheckSumSHA2_384, 7004, 6}, {flvColCheckSumSHA2_512, 7005, 7}};

// Size classes of the check-sum collection, smallest files first.
constexpr int64_t kSizeBounds[] = {
    0, 100'000, 1'000'000, 10'000'000, 100'000'000, 500'000'000, std::numeric_limits<int64_t>::max()};

}  // namespace

void TFileListViewCore::ReadOutMissing(TFileListViewInfoKind kind, bool fromStart) {
  switch (kind) {
    case InfoKind::Folder: ReadOutMissingFolderInfo(); break;
    case InfoKind::CheckSum: ReadOutMissingCheckSums(fromStart); break;
    default: ReadOutMissingTyped(kind, fromStart); break;
  }
}

bool TFileListViewCore::CollectionMayStart(TFileListViewInfoKind kind) {
  TFileListViewReaderState& st = State(kind);
  if (Items().empty()) {
    st.ReadOutRestart = false;
    ReadingOutDoneInternal();
    return false;
  }
  // The running reader's end collects again.
  if (st.ReadingOut) {
    st.ReadOutRestart = true;
    return false;
  }
  return true;
}

void TFileListViewCore::ReadOutMissingTyped(TFileListViewInfoKind kind, bool fromStart) {
  if (!CollectionMayStart(kind)) return;
  TFileListViewReaderState& st = State(kind);
  const TFileListViewItemStore& items = Items();
  const bool typed =
      kind == InfoKind::Audio || kind == InfoKind::Video || kind == InfoKind::Image || kind == InfoKind::Document;
  const int32_t missing = typed ? kInfoNotRequested : kInfoNone;
  auto considered = [&](size_t i) {
    const int32_t t = items.FileType(i);
    switch (kind) {
      case InfoKind::Audio: return t == ftAudio;
      case InfoKind::Video: return t == ftVideo;
      case InfoKind::Image: return t == ftImage;
      case InfoKind::Document: return t == ftDocument || t == ftWebsite;
      // A folder is never read as text.
      case InfoKind::Text: return !items.IsFolder(i);
      default: return true;
    }
  };
  auto isRead = [&](int32_t p) -> bool {
    const auto k = static_cast<size_t>(p);
    switch (kind) {
      case InfoKind::Audio: return k < AudioInfos.size() && AudioInfos[k].Read;
      case InfoKind::Video: return k < VideoInfos.size() && VideoInfos[k].Read;
      case InfoKind::Image: return k < ImageInfos.size() && ImageInfos[k].Read;
      case InfoKind::Document: return k < DocumentInfos.size() && DocumentInfos[k].Read;
      case InfoKind::Text: return k < TextInfos.size() && TextInfos[k].Read;
      case InfoKind::Attribute: return k < AttributeInfos.size() && AttributeInfos[k].Read;
      case InfoKind::Volume: return k < VolumeInfos.size() && VolumeInfos[k].Read;
      default: return true;
    }
  };
  const size_t n = items.size();
  size_t start = n;
  if (fromStart) {
    start = 0;
  } else {
    for (size_t i = n; i-- > 0;) {
      if (!considered(i)) continue;
      const int32_t p = items.InfoIndex(i, kind);
      if (p == missing || (p >= 0 && !isRead(p))) {
        start = i;
      } else if (p >= 0) {
        break;
      }
    }
  }
  TFileListViewReadJobs jobs;
  for (size_t i = start; i < n; ++i) {
    if (!considered(i)) continue;
    const int32_t p = items.InfoIndex(i, kind);
    const std::string fileName(items.FileName(i));
    if (p == missing) {
      const int32_t at = AddInfo(kind, fileName, -1);
      MutableItems().SetInfoIndex(i, kind, at);
      jobs.push_back({fileName, at, {}});
    } else if (p >= 0 && !isRead(p)) {
      jobs.push_back({fileName, p, {}});
      if (!UseThreads) AddInfo(kind, fileName, p);
    }
  }
  if (jobs.empty()) {
    st.ReadOutRestart = false;
    ReadingOutDoneInternal();
    return;
  }
  if (!UseThreads) return;
  st.ReadOutRestart = false;
  st.ReadingOut = true;
  st.ReadingOutStatus = {};
  StartReaderThread(kind, std::move(jobs), {}, FInfoEpoch);
}

TFileListViewHashRequests TFileListViewCore::CheckSumRequests() const {
  TFileListViewHashRequests hashes;
  for (int32_t d : ColumnsVisible()) {
    if (d < 0 || static_cast<size_t>(d) >= ColumnInfos.size()) continue;
    const TFileListViewColumnType type = ColumnInfos[static_cast<size_t>(d)].ColumnType;
    for (const THashColumn& h : kHashColumns) {
      if (h.Column == type) hashes.push_back({h.AlgorithmId, h.Slot});
    }
  }
  return hashes;
}

void TFileListViewCore::ReadOutMissingCheckSums(bool AFromStart) {
  constexpr InfoKind kind = InfoKind::CheckSum;
  if (!CollectionMayStart(kind)) return;
  TFileListViewReaderState& st = State(kind);
  const TFileListViewItemStore& items = Items();
  const size_t n = items.size();
  // A folder is never hashed.
  auto considered = [&](size_t i) { return !items.IsFolder(i) && items.Size(i) >= 0; };
  size_t start = n;
  if (AFromStart) {
    start = 0;
  } else {
    for (size_t i = n; i-- > 0;) {
      if (!considered(i)) continue;
      if (items.InfoIndex(i, kind) != kInfoNone) break;
      start = i;
    }
  }
  const TFileListViewHashRequests hashes = CheckSumRequests();
  if (start >= n || hashes.empty()) {
    st.ReadOutRestart = false;
    ReadingOutDoneInternal();
    return;
  }
  TFileListViewReadJobs jobs;
  auto take = [&](size_t i) {
    int32_t p = items.InfoIndex(i, kind);
    TFileListViewReadJob job;
    job.FileName = std::string(items.FileName(i));
    bool needsWork = false;
    if (p == kInfoNone) {
      p = static_cast<int32_t>(CheckSumInfos.Append(TFileListViewCheckSumInfo{}));
      MutableItems().SetInfoIndex(i, kind, p);
      needsWork = true;
    } else if (p >= 0 && static_cast<size_t>(p) < CheckSumInfos.size()) {
      const TFileListViewCheckSumInfo present = CheckSumInfos.Get(static_cast<size_t>(p));
      for (const TFileListViewHashRequest& h : hashes) {
        const std::string& digest = present[static_cast<size_t>(h.Slot)];
        if (digest.empty()) {
          needsWork = true;
        } else {
          job.CheckSums[static_cast<size_t>(h.Slot)] = digest;
        }
      }
    } else {
      return;
    }
    if (!needsWork) return;
    job.Index = p;
    jobs.push_back(std::move(job));
  };
  for (size_t pass = 0; pass + 1 < std::size(kSizeBounds); ++pass) {
    const int64_t low = kSizeBounds[pass];
    const int64_t high = kSizeBounds[pass + 1];
    bool larger = false;
    for (size_t i = start; i < n; ++i) {
      if (!considered(i)) continue;
      const int64_t size = items.Size(i);
      if (size >= high) larger = true;
      if (size >= low && size < high) take(i);
    }
    if (!larger) break;
  }
  if (jobs.empty()) {
    st.ReadOutRestart = false;
    ReadingOutDoneInternal();
    return;
  }
  if (!UseThreads) {
    // Batch mode computes the digests at once.
    for (const TFileListViewReadJob& job : jobs) {
      StoreRecord(kind, job.Index, ReadFileListViewInfo(kind, job, hashes), hashes);
    }
    return;
  }
  st.ReadOutRestart = false;
  st.ReadingOut = true;
  st.ReadingOutStatus = {};
  FRunningHashes = hashes;
  StartReaderThread(kind, std::move(jobs), hashes, FInfoEpoch);
}

void TFileListViewCore::ReadOutMissingFolderInfo() {
  const TFileListViewItemStore& items = Items();
  for (size_t i = 0; i < items.size(); ++i) {
    if (items.FileType(i) != ftFolder || items.InfoIndex(i, InfoKind::Folder) != kInfoNotRequested) continue;
    int32_t infoIndex = kInfoNotRequested;
    int64_t total = 0;
    if (!FolderStatistics(std::string(items.FileName(i)), infoIndex, total)) continue;
    MutableItems().SetInfoIndex(i, InfoKind::Folder, infoIndex);
    MutableItems().SetSize(i, total);
  }
}

void TFileListViewCore::StartReaderThread(TFileListViewInfoKind Kind, TFileListViewReadJobs&& Jobs,
                                          const TFileListViewHashRequests& Hashes, uint64_t Epoch) {
  std::atomic<bool>& stop = FStop[static_cast<size_t>(Kind)];
  stop = false;
  const TFileListViewReadJobs jobs = std::move(Jobs);
  RunFileListViewReaderJobs(
      Kind, Epoch, jobs,
      [Kind, &Hashes](const TFileListViewReadJob& job) { return ReadFileListViewInfo(Kind, job, Hashes); },
      FileListViewSteadyMs, [this](TFileListViewReadBatch&& batch) { TransferInfo(std::move(batch)); }, stop);
}

void TFileListViewCore::StopReaderThread(TFileListViewInfoKind Kind) { FStop[static_cast<size_t>(Kind)] = true; }

void TFileListViewCore::StoreRecord(TFileListViewInfoKind kind, int32_t index, const TFileListViewInfoRecord& record,
                                    const TFileListViewHashRequests& hashes) {
  if (index < 0) return;
  const auto p = static_cast<size_t>(index);
  auto put = [p](auto& array, auto r) {
    if (p >= array.size()) return;
    // The record keeps the name it was made for.
    r.FileName = std::string(array.Text(array[p].FileName));
    r.Read = true;
    array.Set(p, r);
  };
  std::visit(
      [&](const auto& r) {
        using R = std::decay_t<decltype(r)>;
        if constexpr (std::is_same_v<R, TFileListViewAudioInfo>) {
          if (kind == InfoKind::Audio) put(AudioInfos, r);
        } else if constexpr (std::is_same_v<R, TFileListViewVideoInfo>) {
          if (kind == InfoKind::Video) put(VideoInfos, r);
        } else if constexpr (std::is_same_v<R, TFileListViewImageInfo>) {
          if (kind == InfoKind::Image) put(ImageInfos, r);
        } else if constexpr (std::is_same_v<R, TFileListViewDocumentInfo>) {
          if (kind == InfoKind::Document) put(DocumentInfos, r);
        } else if constexpr (std::is_same_v<R, TFileListViewTextInfo>) {
          if (kind == InfoKind::Text) put(TextInfos, r);
        } else if constexpr (std::is_same_v<R, TFileListViewAttributeInfo>) {
          if (kind == InfoKind::Attribute) put(AttributeInfos, r);
        } else if constexpr (std::is_same_v<R, TFileListViewVolumeInfo>) {
          if (kind == InfoKind::Volume) put(VolumeInfos, r);
        } else if constexpr (std::is_same_v<R, TFileListViewCheckSumInfo>) {
          if (kind != InfoKind::CheckSum || p >= CheckSumInfos.size()) return;
          TFileListViewCheckSumInfo sums = CheckSumInfos.Get(p);
          for (const TFileListViewHashRequest& h : hashes) {
            const auto slot = static_cast<size_t>(h.Slot);
            if (slot < sums.size() && !r[slot].empty()) sums[slot] = r[slot];
          }
          CheckSumInfos.Set(p, sums);
        }
      },
      record);
}

void TFileListViewCore::TransferInfo(TFileListViewReadBatch&& Batch) {
  const InfoKind kind = Batch.Kind;
  TFileListViewReaderState& st = State(kind);
  if (Batch.Epoch == FInfoEpoch) {
    if (Items().empty()) {
      st.ReadOutRestart = false;
      st.ReadOutStop = false;
      StopReaderThread(kind);
    } else {
      const TFileListViewHashRequests hashes =
          kind == InfoKind::CheckSum ? FRunningHashes : TFileListViewHashRequests{};
      for (const TFileListViewReadResult& r : Batch.Results) StoreRecord(kind, r.Index, r.Record, hashes);
      if (st.ReadOutStop) StopReaderThread(kind);
      st.ReadingOutStatus.FileCurrent = Batch.FileIndex;
      st.ReadingOutStatus.FileCount = Batch.FileCount;
      ReadingOutStatusInternal();
      PlatformRepaint();
    }
  }
  if (Batch.Done) JobDoneNotification(kind);
}

void TFileListViewCore::JobDoneNotification(TFileListViewInfoKind kind) {
  TFileListViewReaderState& st = State(kind);
  st.ReadingOut = false;
  if (st.ReadOutRestart || st.ReadOutStop) {
    st.ReadOutStop = false;
    ReadOutMissing(kind, true);
  } else {
    ReadingOutDoneInternal();
  }
}
