// Searches a folder, and optionally its subfolders, for files and folders.
// Every entry of every folder entered is listed in the order the file system
// gives it and walked depth first (a subfolder right where it is listed);
// the finder applies its extension filter, name filter, hidden-entry and
// text-only rules, reports each entry through optional notifications,
// collects the paths and small records of what it found, and can sort the
// found files by name, date or size. A notification stops the search by
// setting AbortSearch.
//
// Paths are byte strings exactly as found on disk; the name filter compares
// composed (NFC) forms, but nothing handed on is normalised. Symbolic links
// are reported as files and never entered, so no link can make the walk go
// round. Folders are read on reader threads (folder_reader.h): a slow or
// unreadable folder never holds the calling thread without OnWaiting being
// called, and the cost of a run grows only with the entries it visits.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "filelist/core/file_extension_filter.h"
#include "filelist/core/file_name_filter.h"
#include "foundation/dates.h"
#include "foundation/types.h"

// One found entry.
struct TAdvandedFileRec {
  std::string FileName;        // the searched folder (with "/") and the entry name
  std::string Path;            // the folder part of FileName, with "/"
  std::string NameWithoutExt;  // the entry name without its last extension
  int64_t Size = 0;            // bytes, from the directory entry
  TDateTime Date = 0;          // modification time, local
  bool operator==(const TAdvandedFileRec&) const = default;
};
using TAdvancedFileRecArr = std::vector<TAdvandedFileRec>;

// Attribute bits of a directory entry.
enum : int32_t { faHidden = 0x02, faDirectory = 0x10, faSymLink = 0x40 };

// A directory entry as the listing gives it. For a symbolic link that
// resolves, Time and Size are its target's and a link to a folder carries
// both faDirectory and faSymLink.
struct TFileSearchRec {
  int64_t Time = 0;  // modification, seconds since 1970-01-01 UTC
  int64_t Size = 0;
  int32_t Attr = 0;
  std::string Name;
};

class TFileFinderObj;

// Every notification receives the finder as sender, so that a handler can set
// its AbortSearch, and the four counters of the run (filesFound,
// filesSearched, foldersFound, foldersSearched), which already include the
// entry being reported.
using TFileFinderEnterNewDirEvent =
    std::function<void(TFileFinderObj* sender, const std::string& folder, int32_t filesFound, int32_t filesSearched,
                       int32_t foldersFound, int32_t foldersSearched)>;
using TFileFinderFoundEvent =
    std::function<void(TFileFinderObj* sender, const std::string& fileName, int32_t filesFound, int32_t filesSearched,
                       int32_t foldersFound, int32_t foldersSearched, bool isFolder)>;
using TFileFinderFoundWithSizeAndDateEvent = std::function<void(
    TFileFinderObj* sender, const std::string& fileName, int64_t size, int64_t totalSize, int32_t filesFound,
    int32_t filesSearched, int32_t foldersFound, int32_t foldersSearched, bool isFolder, TDateTime date)>;
using TFileFinderFoundWithSearchRecEvent = std::function<void(
    TFileFinderObj* sender, const std::string& fileName, const TFileSearchRec& entry, int64_t totalSize,
    int32_t filesFound, int32_t filesSearched, int32_t foldersFound, int32_t foldersSearched, bool isFolder)>;
using TFileFinderEntryDoneEvent =
    std::function<void(TFileFinderObj* sender, const std::string& folder, const std::string& fileName,
                       int32_t filesFound, int32_t filesSearched, int32_t foldersFound, int32_t foldersSearched)>;
using TFileFinderWaitingEvent = std::function<void(TFileFinderObj* sender)>;

class TFileFinderObj {
 public:
  TFileFinderObj() = default;
  TFileFinderObj(const std::string& folder, bool searchSubDirs);
  TFileFinderObj(const TFileFinderObj&) = delete;
  TFileFinderObj& operator=(const TFileFinderObj&) = delete;

  std::string StartFolder;
  // Set by a notification or the host to stop the walk; Execute resets it.
  bool AbortSearch = false;
  TStrArray FolderList;
  TAdvancedFileRecArr FoldersAdvanced;
  // Append found paths to FileList / FolderList.
  bool CollectPaths = true;
  // Refuse files that are binary (IsBinaryFile) or cannot be read.
  bool OnlyTextFiles = false;
  // Right after OnFound.
  TFileFinderFoundWithSizeAndDateEvent OnFoundWithSizeAndDate;
  // Right after OnFoundWithSizeAndDate.
  TFileFinderFoundWithSearchRecEvent OnFoundWithSearchRec;
  bool FindFiles = true;
  // Report folders as found entries.
  bool FindFolders = false;
  bool SearchSubDirs = true;
  // Upper-case the extension (UTF-8) before the extension test.
  bool ExtensionUpperCase = true;
  bool IncludeHidden = false;
  TFileExtensionFilterObj ExtensionFilter;
  TFileNameFilterObj NameFilter;
  TStrArray FileList;
  TAdvancedFileRecArr FilesAdvanced;
  // Sum of the sizes of the files found.
  int64_t TotalSize = 0;
  // For every found file or folder.
  TFileFinderFoundEvent OnFound;
  // After each listed entry that was not skipped, found or not; for a
  // subfolder after its whole subtree.
  TFileFinderEntryDoneEvent OnEntryDone;
  // When a folder is entered, before its entries.
  TFileFinderEnterNewDirEvent OnEnterNewDir;
  bool SortAscending = true;
  bool SortByDate = false;
  bool SortByFolderFirst = true;
  bool SortByName = false;
  // Append records to FilesAdvanced / FoldersAdvanced (only with CollectPaths).
  bool CollectAdvanced = true;
  bool SortBySize = false;
  // About every kFolderReaderWaitMs (folder_reader.h) while the walk waits for
  // the file system (a slow folder, a large file tested for text); a host
  // lets its window work here and may set AbortSearch, which ends the wait.
  TFileFinderWaitingEvent OnWaiting;

  // Searches StartFolder and appends to the collected results of earlier
  // runs; the counters and AbortSearch start afresh. False, with nothing
  // reported, when StartFolder is not an existing folder; true otherwise,
  // also after an abort.
  bool Execute();
  // Sorts FilesAdvanced by the chosen key and refills FileList from it; does
  // nothing unless a key is chosen and there are two records or more.
  void Sort();
  // The collected paths (in FileList order) that begin with folder and end
  // with "." and extension, both compared byte for byte; subfolders of folder
  // included. An empty folder matches nothing.
  TStrArray GetFilesFromFolderWithFileExtension(const std::string& folder, const std::string& extension) const;
  // Append one record; time is seconds since 1970-01-01 UTC. The new index.
  int32_t AddFolderAdvanced(const std::string& fileName, int64_t size, int64_t time);
  int32_t AddFileAdvanced(const std::string& fileName, int64_t size, int64_t time);

  // The counters of the last run.
  int32_t FilesFound() const { return FFilesFound; }
  int32_t FilesSearched() const { return FFilesSearched; }
  int32_t FoldersFound() const { return FFoldersFound; }
  int32_t FoldersSearched() const { return FFoldersSearched; }

 private:
  friend class TFileFinderWalk;

  int32_t FFilesFound = 0;
  int32_t FFilesSearched = 0;
  int32_t FFoldersFound = 0;
  int32_t FFoldersSearched = 0;
};
