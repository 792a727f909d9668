// The finder's reading side: folder listings and file-system calls run on a
// few reader threads, so that the thread that walks (the GUI thread, as a
// rule) never waits on a slow or hung folder without getting back control:
// while it waits, it is called back about every kFolderReaderWaitMs and may
// give up. Listings are read ahead in the order the walk will want them
// (depth first, pre-order), within a bounded amount of memory.
//
// Symbolic links are never followed into folders, and a folder that turns out
// to be one of its own ancestors (a bind mount, a link swapped in during the
// walk) reads as empty, so no walk can go round.
//
// Internal to the finder; its header is here for the finder and its tests.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

inline constexpr int32_t kFolderReaderWaitMs = 50;

enum class TFolderEntryKind : uint8_t { File, Folder, Link, Other };

struct TFolderEntry {
  std::string Name;
  TFolderEntryKind Kind = TFolderEntryKind::Other;
  bool Hidden = false;  // two or more characters, a dot, and no second dot
  // Size and Time describe the entry (for a link, its target when it has
  // one); the readers leave them out where the walk will not need them.
  bool HasStat = false;
  bool LinkToFolder = false;
  int64_t Size = 0;
  int64_t Time = 0;  // modification, seconds since 1970-01-01 UTC
};

struct TFolderChain;  // the folders above a listing, to recognise loops

struct TFolderListing {
  std::vector<TFolderEntry> Entries;  // in the order the file system lists them
  std::shared_ptr<const TFolderChain> Chain;
};

// What the readers need to know to read ahead and to leave stat calls out.
struct TFolderReadOptions {
  bool IncludeHidden = false;
  bool SearchSubDirs = true;
  bool StatFolders = false;
};

// The position of a folder in the walk: the entry indexes that lead to it.
using TFolderKey = std::vector<uint32_t>;

// Called on the waiting thread; false gives up the wait.
using TKeepWaiting = std::function<bool()>;

// Whether a file of this name may be found, asked on a reader thread so that
// the reader reads size and time only where they will be needed. A wrong
// guess costs time, not correctness: the walk reads what is missing itself.
using TStatFilter = std::function<bool(const std::string& name)>;

class TFolderReader {
 public:
  TFolderReader();
  ~TFolderReader();
  TFolderReader(const TFolderReader&) = delete;
  TFolderReader& operator=(const TFolderReader&) = delete;

  // The number of reader threads at most.
  unsigned MaxThreads() const;
  // One filter per reader thread (each used by one thread only), set before
  // the first Take; without, every file's size and time are read.
  void SetStatFilters(std::vector<TStatFilter> filters);

  // The listing of folder (ending in "/") at key. Keys must be asked for in
  // walk order. parent is the listing that holds folder (null for the start
  // folder, which may itself be a link). A folder that cannot be read gives
  // an empty listing; null when keepWaiting gave up.
  std::shared_ptr<const TFolderListing> Take(const TFolderKey& key, const std::string& folder,
                                             const TFolderListing* parent, const TFolderReadOptions& options,
                                             const TKeepWaiting& keepWaiting);
  // Runs task on a reader thread and waits for it. False when keepWaiting
  // gave up; the task then still runs to its end on its own, so it must own
  // what it touches. An exception of the task is raised here.
  bool Run(std::function<void()> task, const TKeepWaiting& keepWaiting);

  struct TState;

 private:
  std::shared_ptr<TState> FState;
};

// Size, Time and LinkToFolder of an entry, by its name in the open folder
// dirFd (or by its full path with dirFd AT_FDCWD).
void StatFolderEntry(int dirFd, const std::string& name, TFolderEntry& entry);

bool IsHiddenFolderEntryName(const std::string& name);

// For tests: called on a reader thread with the folder's path before it is
// opened, so that a test can stand for a slow file system. Empty: none.
void SetFolderReaderListingHook(std::function<void(const std::string& folder)> hook);
