// The file list view's operations without a window: admitting files and
// folders (single files, lists, folder searches), removing entries, and
// collecting and handing over what the reader threads read. The Qt view
// (filelist/qt/file_list_view.h) derives from it and answers the hooks:
// the search progress window, the reader threads and the list-file import.
// Headless, the readers run in place and nothing is shown.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "filelist/core/file_finder.h"
#include "filelist/core/file_list_reader_jobs.h"
#include "filelist/core/file_list_view_store.h"
#include "foundation/hash_table.h"

// What the admission knows about an entry before it becomes an item.
struct TFileListViewCandidate {
  std::string FileName;  // as found on disk
  bool IsFolder = false;
  int64_t Size = 0;
  int64_t Time = 0;  // modification, seconds since 1970-01-01 UTC
  bool Hidden = false;
};

// The state of one kind's reader.
struct TFileListViewReaderState {
  bool ReadingOut = false;
  bool ReadOutRestart = false;
  bool ReadOutStop = false;
  TFileListViewReadingOutStatusInfoRec ReadingOutStatus;
};

inline constexpr uint32_t kFileListViewBloomFilterSize = 4027;
inline constexpr int32_t kFileListViewBloomFilterLimit = 3500;

class TFileListViewCore : public TFileListViewStore {
 public:
  TFileListViewCore();
  ~TFileListViewCore() override;

  // --- State of adding ------------------------------------------------------------------
  TIntArray RecentlyAddedItems;
  int32_t NextAutoItemID = 1;
  std::string CurrentBaseDir;
  bool SkipTextFileCheck = false;
  bool FileSearchProgressAdding = false;
  bool InUpdateState = false;
  std::string LastDir;
  int32_t CountNotAddedLimit = 0;
  int32_t CountNotAddedDuplicate = 0;
  int32_t CountNotAddedName = 0;
  int32_t CountNotAddedFormat = 0;
  TStrArray FilesRemoved;
  const TBloomFilter& BloomFilter() const { return FBloomFilter; }
  int32_t BloomFilterLimit() const { return FBloomFilterLimit; }

  // --- Adding ------------------------------------------------------------------------------
  // Admits and adds one file or folder; the new item's index or -1. Finish
  // refreshes the rows and, unless InUpdateState, ends the adding run.
  int64_t AddFile(const std::string& FileName, bool Finish = true);
  void AddFilesFromStringList(const TStrArray& List, bool Finish);
  void AddFilesAndFoldersFromFolder(const std::string& Folder);
  void AddFilesAndFoldersFromFolder(const std::string& Folder, bool Recursive, bool Finish);
  // Every later add reads its information at once, check sums included.
  void StartBatchMode();
  int32_t AddAudioInfo(const std::string& FileName, int32_t Index);
  int32_t AddVideoInfo(const std::string& FileName, int32_t Index);
  int32_t AddImageInfo(const std::string& FileName, int32_t Index);
  int32_t AddDocumentInfo(const std::string& FileName, int32_t Index);
  int32_t AddAttributesInfo(const std::string& FileName, int32_t Index);
  int32_t AddTextInfo(const std::string& FileName, int32_t Index);
  int32_t AddVolumeInfo(const std::string& FileName, int32_t Index);
  int32_t AddFolderInfo(int32_t FileCountAll, int32_t FileCountDirect, int32_t FolderCountAll,
                        int32_t FolderCountDirect, int32_t Deepness, int64_t SizeDirect);
  // Whether an entry of that name is in the list; names are compared in
  // their composed (NFC) form.
  bool ContainsFile(const std::string& FileName) const;
  void AddingDoneInternal();
  void ReadingOutDoneInternal();
  void ReadingOutStatusInternal();
  // The provisional audio record of a file: artist and title from its name.
  static TFileListViewAudioInfo ProvisionalAudioInfo(const std::string& FileName);

  // --- Folder search ---------------------------------------------------------------------------
  void FileFinderFileFoundNotificationProcInternal(TFileFinderObj* Sender, const std::string& FileName,
                                                   const TFileSearchRec& Entry, int64_t TotalSize, int32_t FilesFound,
                                                   int32_t FilesSearched, int32_t FoldersFound, int32_t FoldersSearched,
                                                   bool IsFolder);
  void FileFinderEnterNewDirNotificationProcInternal(TFileFinderObj* Sender, const std::string& Folder,
                                                     int32_t FilesFound, int32_t FilesSearched, int32_t FoldersFound,
                                                     int32_t FoldersSearched);
  void FileFinderProgressDialogBeginAdding();
  void FileFinderProgressDialogEndAdding();
  // A folder search (or a run of them) is under way.
  bool FolderSearchRunning() const { return FSearchDepth > 0 || FileSearchProgressAdding; }

  // --- Queries and housekeeping ---------------------------------------------------------------
  bool GetReadingOutDone() const;
  void ShiftItem(int32_t FromIndex, int32_t ToIndex);
  void RefreshItemCountAndInitAddingDoneIfNotInUpdateState();
  int32_t GetFilterCount() const;
  void FilterChangeInternal();
  bool FileMatchesCurrentFileFilter(int32_t Index);
  bool ContainsFilesNotMatchingCurrentFileFilter();

  // --- Removing --------------------------------------------------------------------------------
  void RemoveSelected() { RemoveSelectedInternal(false); }
  void RemoveNotSelected() { RemoveSelectedInternal(true); }
  void RemoveSelectedInternal(bool Invert);
  void RemoveAll();
  void RemoveBinaryFiles();
  void RemoveFilesNonExistent();
  void RemoveFilesNotMatchingCurrentFileFilter();
  void RemoveFilesWithStatus(int32_t Status, bool WithStatus);
  void RemoveFile(int32_t Index);
  // A limit below the entry count removes the entries beyond it like any
  // removal (host vetoes, deletion-done); 0 or less means no limit.
  void SetFileLimit(int32_t Value);
  void DeletionDoneInternal();
  std::string GetContainingFolderOfFile(int32_t Index) const;
  TStrArray GetFilePathAndNameOfSelectedFiles() const;
  bool GetSelectedItemParams(std::string& FileName, int32_t& ID, int32_t& Index, TFileListViewListItem& ListItem) const;
  TStrArray GetAllExtensionsInList(bool Sort) const;
  TIntStrArray GetAllFileTypesInList(bool Sort) const;
  bool ContainsBinaryFiles() const;

  // --- Cells for the in-place editor -----------------------------------------------------------
  // The cell of a row (a list row, through the row filter) and a shown
  // column; without such a column the cell keeps its row only.
  TFileListViewCellInfo GetCellInfo(int32_t Row, int32_t Column) const;
  TFileListViewCellInfo GetCellUnder(const TFileListViewCellInfo& Cell) const;
  TFileListViewCellInfo GetCellLeft(const TFileListViewCellInfo& Cell) const;
  TFileListViewCellInfo GetCellRight(const TFileListViewCellInfo& Cell) const;
  TFileListViewCellInfo GetCellFirstOfRow(int32_t Row) const;
  TFileListViewCellInfo GetCellLastOfRow(int32_t Row) const;
  // Stores an edited value; only the custom columns keep one.
  bool SetCellContentFromString(int32_t Row, int32_t Column, const std::string& Text);
  std::string GetOptionStr(int32_t Value, int32_t ColumnInfoIndex) const;
  int32_t GetValueFromOptionStr(const std::string& Text, int32_t ColumnInfoIndex) const;

  // --- Reading out ---------------------------------------------------------------------------------
  void ReadOutMissingAudioInfo(bool AFromStart) { ReadOutMissingTyped(TFileListViewInfoKind::Audio, AFromStart); }
  void ReadOutMissingVideoInfo(bool AFromStart) { ReadOutMissingTyped(TFileListViewInfoKind::Video, AFromStart); }
  void ReadOutMissingImageInfo(bool AFromStart) { ReadOutMissingTyped(TFileListViewInfoKind::Image, AFromStart); }
  void ReadOutMissingDocumentInfo(bool AFromStart) { ReadOutMissingTyped(TFileListViewInfoKind::Document, AFromStart); }
  void ReadOutMissingTextInfo(bool AFromStart) { ReadOutMissingTyped(TFileListViewInfoKind::Text, AFromStart); }
  void ReadOutMissingAttributes(bool AFromStart) { ReadOutMissingTyped(TFileListViewInfoKind::Attribute, AFromStart); }
  void ReadOutMissingVolumeInfo(bool AFromStart) { ReadOutMissingTyped(TFileListViewInfoKind::Volume, AFromStart); }
  void ReadOutMissingCheckSums(bool AFromStart);
  void ReadOutMissingFolderInfo();
  // The digests the visible check-sum columns ask for, left to right.
  TFileListViewHashRequests CheckSumRequests() const;
  // Copies a batch of a reader into the records (dropped when made for an
  // older epoch); the batch that ends a run returns the kind to idle.
  void TransferInfo(TFileListViewReadBatch&& Batch);
  const TFileListViewReaderState& ReaderState(TFileListViewInfoKind Kind) const {
    return FReaders[static_cast<size_t>(Kind)];
  }
  // Bumped whenever the information arrays are emptied: results made before
  // belong to records that no longer exist.
  uint64_t InfoEpoch() const { return FInfoEpoch; }

 protected:
  void ReadOutMissing(TFileListViewInfoKind kind, bool fromStart) override;
  // Starts the kind's reader over the jobs. Headless: reads them in place.
  virtual void StartReaderThread(TFileListViewInfoKind Kind, TFileListViewReadJobs&& Jobs,
                                 const TFileListViewHashRequests& Hashes, uint64_t Epoch);
  // Asks a running reader to stop before its next job.
  virtual void StopReaderThread(TFileListViewInfoKind Kind);
  // The search progress window. Report sets the current file or folder
  // (null: unchanged) and the counters (negative: unchanged), refreshes the
  // window and returns whether the user cancelled. Headless: none.
  virtual bool ProgressWindowCanceled() const { return false; }
  virtual void ProgressWindowShow(const std::string& Caption) {}
  virtual bool ProgressWindowReport(const std::string* CurrentFile, const std::string* CurrentFolder,
                                    int32_t SearchedFiles, int32_t SearchedFolders) {
    return false;
  }
  virtual void ProgressWindowFree() {}
  // The last folder search of a run has ended.
  virtual void FolderSearchEnded() {}
  // The system icon of a file or folder.
  virtual int32_t PlatformIconIndex(const std::string& FileName, bool IsFolder) { return -1; }
  // Adds the entries a list file names (the list-file layer provides it);
  // false when there is no such file.
  virtual bool FileListImportFromFile(const std::string& FileName, bool Refresh) { return false; }
  // The list control's rows as a bulk change begins and ends.
  void BeginUpdateBracket() { PlatformBeginUpdate(); }
  void EndUpdateBracket() { PlatformEndUpdate(); }

 private:
  // The admission steps shared by AddFile and the folder search; the new
  // item's index or -1.
  int64_t AdmitEntry(const TFileListViewCandidate& c);
  void AddToBloomFilter(const std::string& key);
  void ReadOutMissingTyped(TFileListViewInfoKind kind, bool fromStart);
  // False when the list is empty (the kind is done) or the kind's reader
  // runs (it collects again when it ends).
  bool CollectionMayStart(TFileListViewInfoKind kind);
  int32_t AddInfo(TFileListViewInfoKind kind, const std::string& fileName, int32_t index);
  void StoreRecord(TFileListViewInfoKind kind, int32_t index, const TFileListViewInfoRecord& record,
                   const TFileListViewHashRequests& hashes);
  void JobDoneNotification(TFileListViewInfoKind kind);
  void RefreshRowsAfterRemoval();
  template <typename Pred>
  void RemoveWhere(Pred&& remove, bool clearSelection);
  bool FolderStatistics(const std::string& folder, int32_t& infoIndex, int64_t& totalSize);
  TFileListViewReaderState& State(TFileListViewInfoKind kind) { return FReaders[static_cast<size_t>(kind)]; }
  void Fire(const TFileListViewNotifyEvent& event) {
    if (event) event(FSender);
  }

  TBloomFilter FBloomFilter{kFileListViewBloomFilterSize};
  int32_t FBloomFilterLimit = kFileListViewBloomFilterLimit;
  TFileListViewReaderState FReaders[kFileListViewInfoKindCount];
  uint64_t FInfoEpoch = 0;
  int32_t FSearchDepth = 0;
  // Headless readers' stop requests.
  std::atomic<bool> FStop[kFileListViewInfoKindCount] = {};
  // Hash requests of the running check-sum run (the slots it may write).
  TFileListViewHashRequests FRunningHashes;
};
