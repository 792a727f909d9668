#include "filelist/core/file_list_reader_jobs.h"

#include <chrono>
#include <exception>

#include "fileinfo/audio_info.h"
#include "fileinfo/buffered_stream.h"
#include "fileinfo/document_info.h"
#include "fileinfo/file_attributes.h"
#include "fileinfo/image_info.h"
#include "fileinfo/text_info.h"
#include "fileinfo/video_info.h"
#include "hashes/hash_facade.h"

namespace {

TFileListViewInfoRecord ReadAudio(const std::string& fileName) {
  TAudioInfo info;
  info.RemoveLineBreaks = true;
  info.GetAudioData(fileName);
  TFileListViewAudioInfo r;
  r.Read = true;
  r.FileName = fileName;
  r.Artist = info.Artist;
  r.Title = info.Title;
  r.Album = info.Album;
  r.Track = info.Track;
  r.DiscNumber = info.DiscNumber;
  r.Year = info.Year;
  r.Genre = info.Genre;
  r.Comment = info.Comment;
  r.Duration = info.DurationExact;
  r.Channels = info.Channels;
  r.SampleRate = info.SampleRate;
  r.BitRate = info.BitRate;
  return r;
}

TFileListViewInfoRecord ReadVideo(const std::string& fileName) {
  TVideoInfo info;
  info.GetVideoData(fileName);
  TFileListViewVideoInfo r;
  r.Read = true;
  r.FileName = fileName;
  r.Width = info.Width;
  r.Height = info.Height;
  r.Duration = info.DurationExact;
  r.AspectRatio = info.AspectRatioFactor;
  r.FPS = info.FramesPerSecond;
  r.Bitrate = info.Bitrate;
  return r;
}

TFileListViewInfoRecord ReadImage(const std::string& fileName) {
  TImageInfo info;
  info.GetImageData(fileName);
  TFileListViewImageInfo r;
  r.Read = true;
  r.FileName = fileName;
  r.Width = info.Width;
  r.Height = info.Height;
  r.AspectRatio = info.AspectRatioFactor;
  r.ColorDepth = info.ColorDepth;
  r.ColorSpace = ColorSpaceToString(info.ColorSpace);
  r.ImageCount = info.ImageCount;
  r.ResolutionHoriz = info.ResolutionX;
  r.ResolutionVert = info.ResolutionY;
  r.ResolutionUnit = info.ResolutionUnit;
  return r;
}

TFileListViewInfoRecord ReadDocument(const std::string& fileName) {
  TDocumentInfo info;
  info.GetDocumentData(fileName);
  TFileListViewDocumentInfo r;
  r.Read = true;
  r.FileName = fileName;
  r.Author = info.MetaAuthor;
  r.Title = info.MetaTitle;
  r.PageCount = info.PageCount;
  return r;
}

TFileListViewInfoRecord ReadText(const std::string& fileName) {
  TTextInfo info;
  info.GetData(fileName);
  TFileListViewTextInfo r;
  r.Read = true;
  r.FileName = fileName;
  r.Encoding = info.Encoding;
  r.LineBreak = info.LineBreak;
  r.Lines = info.Lines;
  r.Chars = info.Chars;
  r.Words = info.Words;
  r.BOM = info.BOM;
  r.FirstChars = info.FirstChars;
  return r;
}

TFileListViewInfoRecord ReadAttributes(const std::string& fileName) {
  TAttributeInfo info;
  info.GetAttributes(fileName);
  TFileListViewAttributeInfo r;
  r.Read = true;
  r.FileName = fileName;
  r.Link = info.Link;
  r.Hidden = info.AttributeHiddenMac;
  r.ReadOnly = info.AttributeLockedMac;
  r.HiddenExt = info.AttributeExtHiddenMac;
  r.DateCreated = info.DateCreatedMac;
  r.DateAccessed = info.DateAccessedUnix;
  r.DateAttrChanged = info.DateAttrChangedUnix;
  r.DateModified = info.DateModifiedUnix;
  return r;
}

TFileListViewInfoRecord ReadVolume(const std::string& fileName) {
  TVolumeInfo info;
  info.GetData(fileName);
  TFileListViewVolumeInfo r;
  r.Read = true;
  r.FileName = fileName;
  r.VolumeName = info.VolumeName;
  return r;
}

TFileListViewInfoRecord ReadCheckSums(const TFileListViewReadJob& job, const TFileListViewHashRequests& hashes,
                                      const std::function<bool()>& stopRequested) {
  TFileListViewCheckSumInfo sums = job.CheckSums;
  for (const TFileListViewHashRequest& h : hashes) {
    if (h.Slot < 0 || static_cast<size_t>(h.Slot) >= sums.size()) continue;
    std::string& slot = sums[static_cast<size_t>(h.Slot)];
    if (!slot.empty()) continue;
    bool cancelled = false;
    slot = HashFile(job.FileName, h.AlgorithmId, kHashNumeralSystemHex, stopRequested, cancelled);
    if (cancelled) break;
  }
  return sums;
}

}  // namespace

int64_t FileListViewSteadyMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

namespace {
template <typename R>
TFileListViewInfoRecord ReadEmpty() {
  R r;
  r.Read = true;
  return r;
}
}  // namespace

TFileListViewInfoRecord EmptyFileListViewInfo(TFileListViewInfoKind kind) {
  switch (kind) {
    case TFileListViewInfoKind::Volume: return ReadEmpty<TFileListViewVolumeInfo>();
    case TFileListViewInfoKind::Text: return ReadEmpty<TFileListViewTextInfo>();
    case TFileListViewInfoKind::Audio: return ReadEmpty<TFileListViewAudioInfo>();
    case TFileListViewInfoKind::Video: return ReadEmpty<TFileListViewVideoInfo>();
    case TFileListViewInfoKind::Image: {
      TFileListViewImageInfo r;
      r.Read = true;
      r.ColorSpace = ColorSpaceToString(iicsUnknown);
      return r;
    }
    case TFileListViewInfoKind::Document: return ReadEmpty<TFileListViewDocumentInfo>();
    case TFileListViewInfoKind::Attribute: return ReadEmpty<TFileListViewAttributeInfo>();
    case TFileListViewInfoKind::CheckSum: return TFileListViewCheckSumInfo{};
    case TFileListViewInfoKind::Folder: break;
  }
  return std::monostate{};
}

namespace {

TFileListViewInfoRecord ReadFileListViewInfoUntil(TFileListViewInfoKind kind, const TFileListViewReadJob& job,
                                                  const TFileListViewHashRequests& hashes,
                                                  const std::function<bool()>& stopRequested) {
  // The library's readers read through streams that ask the request of this thread.
  const TReadStopScope stopScope(stopRequested);
  switch (kind) {
    case TFileListViewInfoKind::Audio: return ReadAudio(job.FileName);
    case TFileListViewInfoKind::Video: return ReadVideo(job.FileName);
    case TFileListViewInfoKind::Image: return ReadImage(job.FileName);
    case TFileListViewInfoKind::Document: return ReadDocument(job.FileName);
    case TFileListViewInfoKind::Text: return ReadText(job.FileName);
    case TFileListViewInfoKind::Attribute: return ReadAttributes(job.FileName);
    case TFileListViewInfoKind::Volume: return ReadVolume(job.FileName);
    case TFileListViewInfoKind::CheckSum: return ReadCheckSums(job, hashes, stopRequested);
    case TFileListViewInfoKind::Folder: break;
  }
  return std::monostate{};
}

}  // namespace

TFileListViewInfoRecord ReadFileListViewInfo(TFileListViewInfoKind kind, const TFileListViewReadJob& job,
                                             const TFileListViewHashRequests& hashes) {
  return ReadFileListViewInfo(kind, job, hashes, std::function<bool()>());
}

TFileListViewInfoRecord ReadFileListViewInfo(TFileListViewInfoKind kind, const TFileListViewReadJob& job,
                                             const TFileListViewHashRequests& hashes,
                                             const std::function<bool()>& stopRequested) {
  // Remembers whether any reader was told to stop: what it read is then incomplete.
  bool stopped = false;
  const std::function<bool()> ask = [&stopped, &stopRequested] {
    if (!stopped && stopRequested) stopped = stopRequested();
    return stopped;
  };
  TFileListViewInfoRecord record = ReadFileListViewInfoUntil(kind, job, hashes, ask);
  if (stopped) return std::monostate{};
  return record;
}

void RunFileListViewReaderJobs(TFileListViewInfoKind kind, uint64_t epoch, const TFileListViewReadJobs& jobs,
                               const TFileListViewReader& reader, const TFileListViewClock& clock,
                               const TFileListViewBatchSink& sink, const std::atomic<bool>& stop) {
  const auto count = static_cast<int32_t>(jobs.size());
  TFileListViewReadBatch batch;
  batch.Kind = kind;
  batch.Epoch = epoch;
  batch.FileCount = count;
  // Check sums take long per file; the other readers are tested every
  // second job, which is often enough for them.
  const bool testEveryJob = kind == TFileListViewInfoKind::CheckSum;
  int64_t t0 = clock();
  for (int32_t i = 0; i < count; ++i) {
    if (stop.load(std::memory_order_acquire)) break;
    const TFileListViewReadJob& job = jobs[static_cast<size_t>(i)];
    batch.FileIndex = i;
    TFileListViewReadResult result;
    result.Index = job.Index;
    try {
      result.Record = reader(job);
    } catch (...) {
      // A file that makes a reader fail ends its job empty; the run goes on.
      result.Record = EmptyFileListViewInfo(kind);
    }
    if (!std::holds_alternative<std::monostate>(result.Record)) batch.Results.push_back(std::move(result));
    if (!testEveryJob && i % 2 == 0) continue;
    if (clock() - t0 > kFileListViewHandOverMs) {
      TFileListViewReadBatch out;
      out.Kind = kind;
      out.Epoch = epoch;
      out.FileIndex = i;
      out.FileCount = count;
      out.Results.swap(batch.Results);
      sink(std::move(out));
      t0 = clock();
    }
  }
  batch.Done = true;
  sink(std::move(batch));
}
