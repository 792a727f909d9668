#include "filelist/core/file_finder.h"

#include <fcntl.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <optional>

#include "filelist/core/folder_reader.h"
#include "foundation/file_functions.h"
#include "foundation/hoare_quicksort.h"
#include "foundation/letter_case.h"
#include "foundation/paths.h"
#include "foundation/text_files.h"

namespace {

// Only "/" separates folders: a backslash is an ordinary character of a file
// name on this platform.
std::string FolderPart(const std::string& fileName) {
  const size_t slash = fileName.rfind('/');
  return slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
}

std::string NameWithoutExt(const std::string& fileName) {
  const size_t slash = fileName.rfind('/');
  const size_t start = slash == std::string::npos ? 0 : slash + 1;
  const size_t dot = fileName.rfind('.');
  const size_t end = dot == std::string::npos || dot < start ? fileName.size() : dot;
  return fileName.substr(start, end - start);
}

// The extension test of a name: the text after its last ".", upper-cased
// when asked.
bool ExtensionOfNameAllowed(TFileExtensionFilterObj& filter, const std::string& name, bool upperCase) {
  const size_t dot = name.rfind('.');
  std::string ext = dot == std::string::npos ? std::string() : name.substr(dot + 1);
  if (upperCase) ext = UTF8UpperCase(ext);
  return filter.ExtensionAllowedU(ext, false);
}

TAdvandedFileRec MakeRecord(const std::string& fileName, int64_t size, int64_t time) {
  return TAdvandedFileRec{fileName, FolderPart(fileName), NameWithoutExt(fileName), size,
                          NSDateToDateTime(static_cast<double>(time))};
}

}  // namespace

// One run of Execute: the stack of folders being walked and the reader.
class TFileFinderWalk {
 public:
  explicit TFileFinderWalk(TFileFinderObj& finder) : F(finder) {}

  bool Run();

 private:
  struct TFrame {
    std::string Folder;  // with "/"
    TFolderKey Key;
    std::shared_ptr<const TFolderListing> Listing;
    size_t Next = 0;
  };

  bool KeepWaiting() {
    if (F.OnWaiting) F.OnWaiting(&F);
    return !F.AbortSearch;
  }
  TFolderReadOptions Options() const { return {F.IncludeHidden, F.SearchSubDirs, F.FindFolders}; }
  bool Enter(const std::string& folder, TFolderKey key, const TFolderListing* parent);
  std::vector<TStatFilter> StatFilters() const;
  void EntryDone(TFrame& frame);
  void TestFile(const std::string& folder, const TFolderEntry& entry);
  // The entry with its size and time, read now when the reader left them out.
  TFolderEntry WithStat(const std::string& path, const TFolderEntry& entry);
  bool IsTextFile(const std::string& path);
  void ReportFound(const std::string& path, const TFolderEntry& entry, bool isFolder);

  TFileFinderObj& F;
  TFolderReader FReader;
  std::vector<TFrame> FStack;
  bool FExtensionRestricts = false;
  bool FNameRestricts = false;
};

bool TFileFinderWalk::Run() {
  auto isFolder = std::make_shared<bool>(false);
  const std::string start = F.StartFolder;
  // Even the first look at the start folder may wait on a hung file system.
  if (!FReader.Run([isFolder, start] { *isFolder = IsFolderAndExists(start); }, [this] { return KeepWaiting(); }))
    return true;
  if (!*isFolder) return false;
  // Fixed for the whole run.
  FExtensionRestricts = !F.ExtensionFilter.GetAllowAll();
  FNameRestricts = !F.NameFilter.AllowAllNames;
  if (FExtensionRestricts || FNameRestricts) FReader.SetStatFilters(StatFilters());
  Enter(start, {}, nullptr);
  while (!FStack.empty()) {
    TFrame& frame = FStack.back();
    if (F.AbortSearch || frame.Next >= frame.Listing->Entries.size()) {
      FStack.pop_back();
      // The enclosing folder's entry for this subfolder is done now.
      if (!FStack.empty()) EntryDone(FStack.back());
      continue;
    }
    const TFolderEntry& entry = frame.Listing->Entries[frame.Next];
    if (entry.Hidden && !F.IncludeHidden) {
      ++frame.Next;
      continue;
    }
    if (entry.Kind == TFolderEntryKind::Folder) {
      ++F.FFoldersSearched;
      if (F.FindFolders) {
        ++F.FFoldersFound;
        const std::string path = frame.Folder + entry.Name;
        ReportFound(path, WithStat(path, entry), true);
      }
      if (F.SearchSubDirs) {
        TFolderKey key = frame.Key;
        key.push_back(static_cast<uint32_t>(frame.Next));
        // On success the frame below is no longer the top; its entry is done
        // when the subfolder's frame leaves the stack.
        if (Enter(frame.Folder + entry.Name, std::move(key), frame.Listing.get())) continue;
      }
    } else {
      ++F.FFilesSearched;
      if (F.FindFiles) TestFile(frame.Folder, entry);
    }
    EntryDone(FStack.back());
  }
  return true;
}

// Copies of the filters, one per reader thread, that tell the readers which
// files will be found, so that they read size and time of those alone.
std::vector<TStatFilter> TFileFinderWalk::StatFilters() const {
  std::vector<TStatFilter> filters;
  for (unsigned i = 0; i < FReader.MaxThreads(); ++i) {
    auto extensions = std::make_shared<TFileExtensionFilterObj>();
    extensions->ApplyFilter(F.ExtensionFilter);
    extensions->SetFilterFileType(F.ExtensionFilter.FilterFileType());
    auto names = std::make_shared<TFileNameFilterObj>();
    names->ApplyFilter(F.NameFilter);
    filters.push_back([extensions, names, testExtension = FExtensionRestricts, testName = FNameRestricts,
                       upperCase = F.ExtensionUpperCase](const std::string& name) {
      if (testExtension && !ExtensionOfNameAllowed(*extensions, name, upperCase)) return false;
      return !testName || names->NameAllowed(name);
    });
  }
  return filters;
}

bool TFileFinderWalk::Enter(const std::string& folder, TFolderKey key, const TFolderListing* parent) {
  if (F.AbortSearch) return false;
  std::string d = folder;
  if (d.empty() || d.back() != '/') d += '/';
  if (F.OnEnterNewDir) F.OnEnterNewDir(&F, d, F.FFilesFound, F.FFilesSearched, F.FFoldersFound, F.FFoldersSearched);
  std::shared_ptr<const TFolderListing> listing =
      FReader.Take(key, d, parent, Options(), [this] { return KeepWaiting(); });
  if (!listing || listing->Entries.empty()) return false;
  FStack.push_back(TFrame{std::move(d), std::move(key), std::move(listing), 0});
  return true;
}

void TFileFinderWalk::EntryDone(TFrame& frame) {
  const TFolderEntry& entry = frame.Listing->Entries[frame.Next];
  ++frame.Next;
  if (F.OnEntryDone)
    F.OnEntryDone(&F, frame.Folder, frame.Folder + entry.Name, F.FFilesFound, F.FFilesSearched, F.FFoldersFound,
                  F.FFoldersSearched);
}

void TFileFinderWalk::TestFile(const std::string& folder, const TFolderEntry& entry) {
  bool accepted = true;
  if (FExtensionRestricts) accepted = ExtensionOfNameAllowed(F.ExtensionFilter, entry.Name, F.ExtensionUpperCase);
  // The name filter compares composed forms itself; the name stays as on disk.
  if (accepted && FNameRestricts) accepted = F.NameFilter.NameAllowed(entry.Name);
  const std::string path = folder + entry.Name;
  if (accepted && F.OnlyTextFiles) accepted = IsTextFile(path);
  if (!accepted) return;
  const TFolderEntry found = WithStat(path, entry);
  ++F.FFilesFound;
  F.TotalSize += found.Size;
  ReportFound(path, found, false);
}

TFolderEntry TFileFinderWalk::WithStat(const std::string& path, const TFolderEntry& entry) {
  if (entry.HasStat) return entry;
  auto result = std::make_shared<TFolderEntry>(entry);
  if (!FReader.Run([result, path] { StatFolderEntry(AT_FDCWD, path, *result); }, [this] { return KeepWaiting(); }))
    return entry;
  return *result;
}

bool TFileFinderWalk::IsTextFile(const std::string& path) {
  auto binary = std::make_shared<bool>(true);
  // A file that cannot be read is no text file the search can vouch for; it
  // is refused instead of ending the whole search with an error.
  const bool done = FReader.Run(
      [binary, path] {
        try {
          *binary = IsBinaryFile(path);
        } catch (const EFileError&) {
          *binary = true;
        }
      },
      [this] { return KeepWaiting(); });
  return done && !*binary;
}

void TFileFinderWalk::ReportFound(const std::string& path, const TFolderEntry& entry, bool isFolder) {
  if (F.CollectPaths) {
    (isFolder ? F.FolderList : F.FileList).push_back(path);
    if (F.CollectAdvanced) {
      if (isFolder)
        F.AddFolderAdvanced(path, entry.Size, entry.Time);
      else
        F.AddFileAdvanced(path, entry.Size, entry.Time);
    }
  }
  if (F.OnFound) F.OnFound(&F, path, F.FFilesFound, F.FFilesSearched, F.FFoldersFound, F.FFoldersSearched, isFolder);
  if (F.OnFoundWithSizeAndDate)
    F.OnFoundWithSizeAndDate(&F, path, entry.Size, F.TotalSize, F.FFilesFound, F.FFilesSearched, F.FFoldersFound,
                             F.FFoldersSearched, isFolder, NSDateToDateTime(static_cast<double>(entry.Time)));
  if (F.OnFoundWithSearchRec) {
    TFileSearchRec rec;
    rec.Time = entry.Time;
    rec.Size = entry.Size;
    rec.Name = entry.Name;
    if (entry.Kind == TFolderEntryKind::Folder || entry.LinkToFolder) rec.Attr |= faDirectory;
    if (entry.Kind == TFolderEntryKind::Link) rec.Attr |= faSymLink;
    if (entry.Hidden) rec.Attr |= faHidden;
    F.OnFoundWithSearchRec(&F, path, rec, F.TotalSize, F.FFilesFound, F.FFilesSearched, F.FFoldersFound,
                           F.FFoldersSearched, isFolder);
  }
}

TFileFinderObj::TFileFinderObj(const std::string& folder, bool searchSubDirs)
    : StartFolder(folder), SearchSubDirs(searchSubDirs) {}

bool TFileFinderObj::Execute() {
  AbortSearch = false;
  FFilesFound = FFilesSearched = FFoldersFound = FFoldersSearched = 0;
  bool result = false;
  {
    TFileFinderWalk walk(*this);
    result = walk.Run();
  }
  if (result) Sort();
  return result;
}

void TFileFinderObj::Sort() {
  if (!(SortByName || SortByDate || SortBySize) || FilesAdvanced.size() < 2) return;
  struct TSortKey {
    std::string Path;
    std::string Name;
    double Number = 0;
  };
  const size_t n = FilesAdvanced.size();
  std::vector<TSortKey> keys(n);
  for (size_t i = 0; i < n; ++i) {
    const TAdvandedFileRec& r = FilesAdvanced[i];
    if (SortByFolderFirst) keys[i].Path = UTF8UpperCase(r.Path);
    if (SortByName)
      keys[i].Name = UTF8UpperCase(r.NameWithoutExt);
    else
      keys[i].Number = SortByDate ? r.Date : static_cast<double>(r.Size);
  }
  auto compare = [&](const TSortKey& a, const TSortKey& b) {
    int c = 0;
    if (SortByFolderFirst) c = a.Path.compare(b.Path);
    if (c == 0) c = SortByName ? a.Name.compare(b.Name) : (a.Number < b.Number ? -1 : a.Number > b.Number ? 1 : 0);
    c = c < 0 ? -1 : c > 0 ? 1 : 0;
    return SortAscending ? c : -c;
  };
  std::vector<size_t> order(n);
  std::iota(order.begin(), order.end(), 0);
  TSortKey pivot;
  HoareQuickSort(
      n, [&](ptrdiff_t m) { pivot = keys[order[m]]; }, [&](ptrdiff_t i) { return compare(keys[order[i]], pivot) < 0; },
      [&](ptrdiff_t j) { return compare(pivot, keys[order[j]]) < 0; },
      [&](ptrdiff_t i, ptrdiff_t j) { std::swap(order[i], order[j]); },
      [&](ptrdiff_t lo, ptrdiff_t hi) {
        std::stable_sort(order.begin() + lo, order.begin() + hi + 1,
                         [&](size_t a, size_t b) { return compare(keys[a], keys[b]) < 0; });
      });
  TAdvancedFileRecArr sorted;
  sorted.reserve(n);
  for (size_t i : order) sorted.push_back(std::move(FilesAdvanced[i]));
  FilesAdvanced = std::move(sorted);
  FileList.clear();
  FileList.reserve(n);
  for (const TAdvandedFileRec& r : FilesAdvanced) FileList.push_back(r.FileName);
}

TStrArray TFileFinderObj::GetFilesFromFolderWithFileExtension(const std::string& folder,
                                                              const std::string& extension) const {
  TStrArray result;
  if (folder.empty()) return result;
  const std::string ending = "." + extension;
  for (const std::string& path : FileList)
    if (path.starts_with(folder) && path.ends_with(ending)) result.push_back(path);
  return result;
}

int32_t TFileFinderObj::AddFolderAdvanced(const std::string& fileName, int64_t size, int64_t time) {
  FoldersAdvanced.push_back(MakeRecord(fileName, size, time));
  return static_cast<int32_t>(FoldersAdvanced.size()) - 1;
}

int32_t TFileFinderObj::AddFileAdvanced(const std::string& fileName, int64_t size, int64_t time) {
  FilesAdvanced.push_back(MakeRecord(fileName, size, time));
  return static_cast<int32_t>(FilesAdvanced.size()) - 1;
}
