// Admitting files and folders, their information records, the duplicate
// index and the steps that end an adding run.
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <limits>

#include "filelist/core/file_list_view_core.h"
#include "filelist/core/folder_reader.h"
#include "filelist/core/nfc_key.h"
#include "foundation/file_functions.h"
#include "foundation/file_types.h"
#include "foundation/letter_case.h"
#include "foundation/paths.h"
#include "foundation/text_files.h"
#include "foundation/utf8.h"

namespace {

using InfoKind = TFileListViewInfoKind;

constexpr std::array<std::string_view, 20> kAudioExtensions = {"MP3",  "FLAC", "OGG", "OGA",   "WMA", "WAV", "WAVE",
                                                               "OPUS", "AAC",  "SPX", "SPEEX", "APE", "WV",  "BWF",
                                                               "MP2",  "M4A",  "M4B", "MKA",   "AC3", "RA"};
constexpr std::array<std::string_view, 22> kVideoExtensions = {
    "MP4", "AVI", "WEBM", "MKV", "OGV", "MPG",  "MPEG", "WMV", "M4V",  "MP4V", "FLV",
    "F4V", "3GP", "3GPP", "3GV", "3G2", "DIVX", "RM",   "RV",  "RMVB", "MOV",  "QT"};

template <size_t N>
bool InList(const std::array<std::string_view, N>& list, std::string_view extU) {
  return std::find(list.begin(), list.end(), extU) != list.end();
}

std::string NameOf(const std::string& path) {
  std::string p = path;
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  const size_t slash = p.rfind('/');
  return slash == std::string::npos ? p : p.substr(slash + 1);
}

// The order in which an adding run starts the readers.
constexpr InfoKind kAddingDoneOrder[] = {InfoKind::Audio, InfoKind::Video,    InfoKind::Text,      InfoKind::CheckSum,
                                         InfoKind::Image, InfoKind::Document, InfoKind::Attribute, InfoKind::Volume};

}  // namespace

TFileListViewCore::TFileListViewCore() = default;

TFileListViewCore::~TFileListViewCore() = default;

// --- Admission ------------------------------------------------------------------------------

int64_t TFileListViewCore::AdmitEntry(const TFileListViewCandidate& c) {
  const std::string& path = c.FileName;
  if (OnCanAdd) {
    bool canAdd = true;
    OnCanAdd(FSender, path, GetFileCount(), c.IsFolder, canAdd);
    if (!canAdd) return -1;
  }
  if (AllowFileListImport && !c.IsFolder && FileHasExtension(path, FileListExportExt)) {
    FileListImportFromFile(path, false);
  }
  if (FileLimit > 0 && GetFileCount() >= FileLimit) {
    if (RemoveFilesToEnsureFileLimit) {
      RemoveFile(0);
    } else {
      ++CountNotAddedLimit;
      return -1;
    }
  }
  if (!AllowDublicates && ContainsFile(path)) {
    ++CountNotAddedDuplicate;
    return -1;
  }
  if (ApplyFilterForSingleFiles) {
    if (!FileNameFilter->AllowAllNames && !FileNameFilter->NameAllowed(path)) {
      ++CountNotAddedName;
      return -1;
    }
    if (!AddHiddenFiles && c.Hidden) return -1;
    if (AddOnlyTextFiles && !SkipTextFileCheck && !c.IsFolder && IsBinaryFile(path)) return -1;
  }
  std::string extU;
  if (!c.IsFolder) {
    extU = UTF8UpperCase(ExtractFileExtWithoutExtensionSeparator(path));
    if (!FileExtensionFilter->AllowAll() && !FileExtensionFilter->ExtensionAllowedU(extU, !ApplyFilterForSingleFiles)) {
      ++CountNotAddedFormat;
      return -1;
    }
  }

  const int32_t index = GetFileCount();
  TFileListViewItem item;
  item.ID = AutoItemIDs ? NextAutoItemID++ : 0;
  item.Name = NameOf(path);
  item.FileName = path;
  item.Status = kFileStatusNew;
  item.PathLength = static_cast<int32_t>(UTF8Length(path));
  item.FolderLevel = GetFolderLevel(path);
  item.Size = c.Size;
  item.IsFolder = c.IsFolder;
  item.IconIndex = PlatformIconIndex(path, c.IsFolder);
  item.Ext = c.IsFolder ? "DIR" : extU;
  item.FileType = c.IsFolder ? ftFolder : GetFileTypeFromFileExtension(extU);
  item.Date = c.Time != 0 ? NSDateToDateTime(static_cast<double>(c.Time)) : 0;
  item.Hidden = c.Hidden;
  item.BaseDir = SaveBaseDir ? CurrentBaseDir : std::string();
  item.CustomStrValues.resize(static_cast<size_t>(CustomStrColumnCount()));
  item.CustomIntValues.resize(static_cast<size_t>(CustomIntColumnCount()));
  if ((CustomStrColumnCount() > 0 || CustomIntColumnCount() > 0) && OnFetchCustomColumnContent) {
    OnFetchCustomColumnContent(FSender, index, path, item.ID, item.CustomStrValues, item.CustomIntValues);
  }

  // Information records, read at once or left for the readers.
  item.FolderInfoIndex = kInfoNone;
  if (c.IsFolder) {
    item.FolderInfoIndex = kInfoNotRequested;
    if (ReadOutFolderInfo()) {
      int32_t infoIndex = kInfoNotRequested;
      int64_t total = 0;
      if (FolderStatistics(path, infoIndex, total)) {
        item.FolderInfoIndex = infoIndex;
        item.Size = total;
      }
    }
  }
  const int32_t type = item.FileType;
  item.AudioInfoIndex = type != ftAudio                  ? kInfoNone
                        : !ReadOutAudioInfo()            ? kInfoNotRequested
                        : InList(kAudioExtensions, extU) ? AddAudioInfo(path, -1)
                                                         : kInfoNone;
  item.VideoInfoIndex = type != ftVideo                  ? kInfoNone
                        : !ReadOutVideoInfo()            ? kInfoNotRequested
                        : InList(kVideoExtensions, extU) ? AddVideoInfo(path, -1)
                                                         : kInfoNone;
  item.ImageInfoIndex = type != ftImage ? kInfoNone : !ReadOutImageInfo() ? kInfoNotRequested : AddImageInfo(path, -1);
  item.DocumentInfoIndex = type != ftDocument && type != ftWebsite ? kInfoNone
                           : !ReadOutDocumentInfo()                ? kInfoNotRequested
                                                                   : AddDocumentInfo(path, -1);
  // A folder is never read as text.
  item.TextInfoIndex = ReadOutTextInfo() && !c.IsFolder ? AddTextInfo(path, -1) : kInfoNone;
  item.AttributeInfoIndex = ReadOutAttributes() ? AddAttributesInfo(path, -1) : kInfoNone;
  item.VolumeInfoIndex = ReadOutVolumeInfo() ? AddVolumeInfo(path, -1) : kInfoNone;
  item.CheckSumInfoIndex = kInfoNone;

  AppendItem(item);
  RecentlyAddedItems.push_back(index);
  AddToBloomFilter(NFCKey(path));
  return index;
}

int64_t TFileListViewCore::AddFile(const std::string& FileName, bool Finish) {
  int64_t result = -1;
  struct stat st {};
  if (!FileName.empty() && ::stat(FileName.c_str(), &st) == 0) {
    TFileListViewCandidate c;
    c.FileName = FileName;
    c.IsFolder = S_ISDIR(st.st_mode);
    c.Size = c.IsFolder ? 0 : static_cast<int64_t>(st.st_size);
    c.Time = static_cast<int64_t>(st.st_mtime);
    c.Hidden = IsHiddenFolderEntryName(NameOf(FileName));
    if (c.IsFolder) {
      if (AddFolders) result = AdmitEntry(c);
      if (AddFilesFromFolders) AddFilesAndFoldersFromFolder(FileName, SearchSubDirectories, false);
    } else if (AddFiles) {
      result = AdmitEntry(c);
    }
  }
  if (Finish) RefreshItemCountAndInitAddingDoneIfNotInUpdateState();
  return result;
}

void TFileListViewCore::AddFilesFromStringList(const TStrArray& List, bool Finish) {
  if (List.empty()) return;
  BeginUpdateBracket();
  for (const std::string& line : List) AddFile(line, false);
  if (Finish) RefreshItemCountAndInitAddingDoneIfNotInUpdateState();
  EndUpdateBracket();
}

void TFileListViewCore::StartBatchMode() { UseThreads = false; }

// --- The duplicate index ------------------------------------------------------------------------

void TFileListViewCore::AddToBloomFilter(const std::string& key) {
  FBloomFilter.AddStringHash(key);
  if (FBloomFilter.CountItemsAdded() <= FBloomFilterLimit) return;
  const uint32_t old = FBloomFilter.FilterSize();
  const uint32_t size = old < 5000 ? 64937u : old * 3 + 13;
  FBloomFilter = TBloomFilter(size);
  const TFileListViewItemStore& items = Items();
  for (size_t i = 0; i < items.size(); ++i) FBloomFilter.AddStringHash(NFCKey(items.FileName(i)));
  FBloomFilterLimit = static_cast<int32_t>(static_cast<double>(size) * 0.8);
}

bool TFileListViewCore::ContainsFile(const std::string& FileName) const {
  // Paths stay as found on disk; two spellings of one name (composed or
  // not) count as the same entry.
  const std::string key = NFCKey(FileName);
  if (!FBloomFilter.ContainsStringHash(key)) return false;
  const TFileListViewItemStore& items = Items();
  for (size_t i = 0; i < items.size(); ++i) {
    const std::string_view name = items.FileName(i);
    if (name == FileName || NFCKey(name) == key) return true;
  }
  return false;
}

// --- Information records ------------------------------------------------------------------------

TFileListViewAudioInfo TFileListViewCore::ProvisionalAudioInfo(const std::string& FileName) {
  TFileListViewAudioInfo r;
  r.FileName = FileName;
  const std::string name = ExtractFileNameWithoutPathAndExt(FileName);
  const size_t dash = name.find(" - ");
  r.Title = name;
  if (dash != std::string::npos) {
    auto trim = [](std::string s) {
      const size_t b = s.find_first_not_of(" \t");
      if (b == std::string::npos) return std::string();
      const size_t e = s.find_last_not_of(" \t");
      return s.substr(b, e - b + 1);
    };
    const std::string before = trim(name.substr(0, dash));
    const bool number = !before.empty() && std::all_of(before.begin(), before.end(),
                                                       [](unsigned char ch) { return ch >= '0' && ch <= '9'; });
    if (!number) {
      r.Artist = before;
      r.Title = trim(name.substr(dash + 3));
    }
  }
  return r;
}

int32_t TFileListViewCore::AddInfo(TFileListViewInfoKind kind, const std::string& fileName, int32_t index) {
  TFileListViewInfoRecord record;
  if (ReadOut(kind) && !UseThreads) {
    record = ReadFileListViewInfo(kind, TFileListViewReadJob{fileName, index, {}}, {});
  } else {
    switch (kind) {
      case InfoKind::Audio: record = ProvisionalAudioInfo(fileName); break;
      case InfoKind::Image: {
        TFileListViewImageInfo r;
        r.ColorSpace = "Unknown";
        r.ImageCount = 1;
        record = r;
        break;
      }
      default: record = EmptyFileListViewInfo(kind); break;
    }
    std::visit(
        [&fileName](auto& r) {
          if constexpr (requires { r.Read; }) {
            r.Read = false;
            r.FileName = fileName;
          }
        },
        record);
  }
  return std::visit(
      [&](auto& r) -> int32_t {
        using R = std::decay_t<decltype(r)>;
        if constexpr (std::is_same_v<R, TFileListViewAudioInfo>)
          return AudioInfos.Put(index, r);
        else if constexpr (std::is_same_v<R, TFileListViewVideoInfo>)
          return VideoInfos.Put(index, r);
        else if constexpr (std::is_same_v<R, TFileListViewImageInfo>)
          return ImageInfos.Put(index, r);
        else if constexpr (std::is_same_v<R, TFileListViewDocumentInfo>)
          return DocumentInfos.Put(index, r);
        else if constexpr (std::is_same_v<R, TFileListViewTextInfo>)
          return TextInfos.Put(index, r);
        else if constexpr (std::is_same_v<R, TFileListViewAttributeInfo>)
          return AttributeInfos.Put(index, r);
        else if constexpr (std::is_same_v<R, TFileListViewVolumeInfo>)
          return VolumeInfos.Put(index, r);
        else
          return kInfoNone;
      },
      record);
}

int32_t TFileListViewCore::AddAudioInfo(const std::string& FileName, int32_t Index) {
  return AddInfo(InfoKind::Audio, FileName, Index);
}
int32_t TFileListViewCore::AddVideoInfo(const std::string& FileName, int32_t Index) {
  return AddInfo(InfoKind::Video, FileName, Index);
}
int32_t TFileListViewCore::AddImageInfo(const std::string& FileName, int32_t Index) {
  return AddInfo(InfoKind::Image, FileName, Index);
}
int32_t TFileListViewCore::AddDocumentInfo(const std::string& FileName, int32_t Index) {
  return AddInfo(InfoKind::Document, FileName, Index);
}
int32_t TFileListViewCore::AddAttributesInfo(const std::string& FileName, int32_t Index) {
  return AddInfo(InfoKind::Attribute, FileName, Index);
}
int32_t TFileListViewCore::AddTextInfo(const std::string& FileName, int32_t Index) {
  return AddInfo(InfoKind::Text, FileName, Index);
}
int32_t TFileListViewCore::AddVolumeInfo(const std::string& FileName, int32_t Index) {
  return AddInfo(InfoKind::Volume, FileName, Index);
}

int32_t TFileListViewCore::AddFolderInfo(int32_t FileCountAll, int32_t FileCountDirect, int32_t FolderCountAll,
                                         int32_t FolderCountDirect, int32_t Deepness, int64_t SizeDirect) {
  return static_cast<int32_t>(FolderInfos.Append(
      TFileListViewFolderInfo{FileCountAll, FileCountDirect, FolderCountAll, FolderCountDirect, Deepness, SizeDirect}));
}

bool TFileListViewCore::FolderStatistics(const std::string& folder, int32_t& infoIndex, int64_t& totalSize) {
  // The scan counts links to folders but never enters them, so no link
  // leads it round in a loop; hidden entries are never counted.
  int32_t filesTotal = 0, filesTop = 0, foldersTotal = 0, foldersTop = 0, depth = 0;
  int64_t sizeTotal = 0, sizeTop = 0;
  if (!FileSizeAndNumberOfFilesInDirectorySubfolderSeparatedWithDeepness(
          folder, filesTotal, filesTop, foldersTotal, foldersTop, sizeTotal, sizeTop, depth, false)) {
    return false;
  }
  infoIndex = AddFolderInfo(filesTotal, filesTop, foldersTotal, foldersTop, depth, sizeTop);
  totalSize = sizeTotal;
  return true;
}

// --- Folder search ---------------------------------------------------------------------------------

void TFileListViewCore::AddFilesAndFoldersFromFolder(const std::string& Folder) {
  AddFilesAndFoldersFromFolder(Folder, SearchSubDirectories, true);
}

void TFileListViewCore::AddFilesAndFoldersFromFolder(const std::string& Folder, bool Recursive, bool Finish) {
  if (!AddFiles && !AddFolders) return;
  const bool progress = ShowFileSearchProgressDialog;
  if (progress) {
    if (ProgressWindowCanceled()) return;
    ProgressWindowShow(AddFolders ? StrRes.StrSearchFolder : StrRes.StrAddFiles);
  }
  // A list file found during a search may name folders: the inner search
  // leaves the window, the bracket and the outer search's state alone.
  const bool outer = FSearchDepth++ == 0;
  const bool ownsBracket = outer && !FileSearchProgressAdding;
  const bool savedSkip = SkipTextFileCheck;
  const std::string savedBaseDir = CurrentBaseDir;
  SkipTextFileCheck = true;
  if (ownsBracket) BeginUpdateBracket();
  CurrentBaseDir = Folder;
  {
    TFileFinderObj finder(Folder, Recursive);
    finder.CollectPaths = false;
    finder.FindFiles = AddFiles;
    finder.FindFolders = AddFolders;
    finder.IncludeHidden = AddHiddenFiles;
    finder.OnlyTextFiles = AddOnlyTextFiles;
    finder.ExtensionFilter.ApplyFilter(*FileExtensionFilter);
    finder.NameFilter.ApplyFilter(*FileNameFilter);
    finder.OnFoundWithSearchRec = [this](TFileFinderObj* sender, const std::string& fileName,
                                         const TFileSearchRec& entry, int64_t totalSize, int32_t filesFound,
                                         int32_t filesSearched, int32_t foldersFound, int32_t foldersSearched,
                                         bool isFolder) {
      FileFinderFileFoundNotificationProcInternal(sender, fileName, entry, totalSize, filesFound, filesSearched,
                                                  foldersFound, foldersSearched, isFolder);
    };
    if (progress) {
      finder.OnEnterNewDir = [this](TFileFinderObj* sender, const std::string& folder, int32_t filesFound,
                                    int32_t filesSearched, int32_t foldersFound, int32_t foldersSearched) {
        FileFinderEnterNewDirNotificationProcInternal(sender, folder, filesFound, filesSearched, foldersFound,
                                                      foldersSearched);
      };
      // A slow folder keeps the window alive and its Cancel button working.
      finder.OnWaiting = [this](TFileFinderObj* sender) {
        if (ProgressWindowReport(nullptr, nullptr, -1, -1)) sender->AbortSearch = true;
      };
    }
    finder.Execute();
  }
  CurrentBaseDir = savedBaseDir;
  if (ownsBracket) EndUpdateBracket();
  SkipTextFileCheck = savedSkip;
  --FSearchDepth;
  if (progress && ownsBracket) ProgressWindowFree();
  if (!FolderSearchRunning()) FolderSearchEnded();
  if (Finish) RefreshItemCountAndInitAddingDoneIfNotInUpdateState();
}

void TFileListViewCore::FileFinderFileFoundNotificationProcInternal(TFileFinderObj* Sender, const std::string& FileName,
                                                                    const TFileSearchRec& Entry, int64_t TotalSize,
                                                                    int32_t FilesFound, int32_t FilesSearched,
                                                                    int32_t FoldersFound, int32_t FoldersSearched,
                                                                    bool IsFolder) {
  TFileListViewCandidate c;
  c.FileName = FileName;
  c.IsFolder = IsFolder;
  c.Size = IsFolder ? 0 : Entry.Size;
  c.Time = Entry.Time;
  c.Hidden = (Entry.Attr & faHidden) != 0;
  AdmitEntry(c);
  if (ShowFileSearchProgressDialog && ProgressWindowReport(&FileName, nullptr, FilesSearched, FoldersSearched) &&
      Sender) {
    Sender->AbortSearch = true;
  }
}

void TFileListViewCore::FileFinderEnterNewDirNotificationProcInternal(TFileFinderObj* Sender, const std::string& Folder,
                                                                      int32_t FilesFound, int32_t FilesSearched,
                                                                      int32_t FoldersFound, int32_t FoldersSearched) {
  if (ShowFileSearchProgressDialog && ProgressWindowReport(nullptr, &Folder, FilesSearched, FoldersSearched) &&
      Sender) {
    Sender->AbortSearch = true;
  }
}

void TFileListViewCore::FileFinderProgressDialogBeginAdding() {
  BeginUpdateBracket();
  FileSearchProgressAdding = true;
}

void TFileListViewCore::FileFinderProgressDialogEndAdding() {
  EndUpdateBracket();
  FileSearchProgressAdding = false;
  ProgressWindowFree();
  if (!FolderSearchRunning()) FolderSearchEnded();
}

// --- The ends of a run -------------------------------------------------------------------------------

void TFileListViewCore::RefreshItemCountAndInitAddingDoneIfNotInUpdateState() {
  if (InUpdateState) return;
  RefreshItemCount();
  AddingDoneInternal();
}

void TFileListViewCore::AddingDoneInternal() {
  bool orderChanged = false;
  if (AutoSortColumn != flvColNone) {
    SortAccordingToAutoSortSettings();
    orderChanged = true;
  }
  if (OnAddingDone) OnAddingDone(FSender, RecentlyAddedItems);
  RecentlyAddedItems.clear();
  for (InfoKind kind : kAddingDoneOrder) {
    if (!ReadOut(kind)) continue;
    // Without threads the other kinds were read as they were added; check
    // sums are computed here then, since nothing else would.
    if (UseThreads || kind == InfoKind::CheckSum) ReadOutMissing(kind, orderChanged);
  }
}

void TFileListViewCore::ReadingOutDoneInternal() {
  if (!GetReadingOutDone()) return;
  const TFileListViewColumnType c = AutoSortColumn;
  const bool readColumn = c != flvColNone && !(c >= flvColName && c <= flvColNumbering) &&
                          !(c >= flvColPathLength && c <= flvColVolumeName);
  if (readColumn) SortAccordingToAutoSortSettings();
  Fire(OnReadingOutDone);
  PlatformRepaint();
}

void TFileListViewCore::ReadingOutStatusInternal() {
  if (!OnReadingOutStatus) return;
  const std::pair<InfoKind, const std::string*> kinds[] = {
      {InfoKind::Audio, &StrRes.StrAudioFiles},   {InfoKind::Video, &StrRes.StrVideos},
      {InfoKind::Image, &StrRes.StrImages},       {InfoKind::Text, &StrRes.StrTextFiles},
      {InfoKind::Document, &StrRes.StrDocuments}, {InfoKind::Attribute, &StrRes.StrAttributes},
      {InfoKind::Volume, &StrRes.StrDataMedium},  {InfoKind::CheckSum, &StrRes.StrCheckSums}};
  TFileListViewReadingOutStatusInfoArray list;
  int32_t current = 0;
  int32_t count = 0;
  for (const auto& [kind, caption] : kinds) {
    const TFileListViewReaderState& st = ReaderState(kind);
    if (!st.ReadingOut) continue;
    list.push_back({*caption, st.ReadingOutStatus.FileCurrent + 1, st.ReadingOutStatus.FileCount});
    current += st.ReadingOutStatus.FileCurrent + 1;
    count += st.ReadingOutStatus.FileCount;
  }
  if (!list.empty() && count > 0) OnReadingOutStatus(FSender, current, count, list);
}

// --- Queries ------------------------------------------------------------------------------------------

bool TFileListViewCore::GetReadingOutDone() const {
  for (const TFileListViewReaderState& st : FReaders) {
    if (st.ReadingOut) return false;
  }
  return true;
}

void TFileListViewCore::ShiftItem(int32_t FromIndex, int32_t ToIndex) {
  if (FromIndex == ToIndex) return;
  const int32_t n = GetFileCount();
  if (FromIndex < 0 || ToIndex < 0 || FromIndex >= n || ToIndex >= n) return;
  MutableItems().CopyItem(static_cast<size_t>(FromIndex), static_cast<size_t>(ToIndex));
}

int32_t TFileListViewCore::GetFilterCount() const {
  int32_t count = 0;
  if (!FileNameFilter->FilterStr.empty()) ++count;
  const TFileExtensionFilterObj& ext = *FileExtensionFilter;
  if (!ext.AllowAllExtensions) {
    if (!ext.ContainsGeneralAllowedExtensions() || !ext.AllGeneralAllowedExtensionsAreCurrentlyAllowed()) ++count;
  }
  if (!ext.AllowAllFileTypes()) ++count;
  if (ShowFilterOptOnlyTextFiles && AddOnlyTextFiles && !AddOnlyTextFilesDefault) ++count;
  return count;
}

void TFileListViewCore::FilterChangeInternal() {
  if (OnFilterChange) OnFilterChange(FSender, GetFilterCount());
}

bool TFileListViewCore::FileMatchesCurrentFileFilter(int32_t Index) {
  if (Index < 0 || Index >= GetFileCount()) return false;
  const TFileListViewItemStore& items = Items();
  const auto i = static_cast<size_t>(Index);
  const bool folder = items.IsFolder(i);
  if ((folder && !AddFolders) || (!folder && !AddFiles)) return false;
  const std::string fileName(items.FileName(i));
  if (!FileNameFilter->AllowAllNames && !FileNameFilter->NameAllowed(fileName)) return false;
  if (!folder && !FileExtensionFilter->AllowAll() &&
      !FileExtensionFilter->ExtensionAllowedU(UTF8UpperCase(ExtractFileExtWithoutExtensionSeparator(fileName)),
                                              false)) {
    return false;
  }
  if (!AddHiddenFiles) {
    const int32_t a = items.InfoIndex(i, InfoKind::Attribute);
    const bool hidden = a >= 0 && static_cast<size_t>(a) < AttributeInfos.size()
                            ? AttributeInfos[static_cast<size_t>(a)].Hidden
                            : items.Hidden(i);
    if (hidden) return false;
  }
  if (AddOnlyTextFiles) return folder || !IsBinaryFile(fileName);
  return true;
}

bool TFileListViewCore::ContainsFilesNotMatchingCurrentFileFilter() {
  for (int32_t i = 0; i < GetFileCount(); ++i) {
    if (!FileMatchesCurrentFileFilter(i)) return true;
  }
  return false;
}
