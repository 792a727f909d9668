// Removing entries, the deletion-done step, and the small queries over the
// selection and the list.
#include <sys/stat.h>

#include <algorithm>

#include "filelist/core/file_list_view_core.h"
#include "foundation/file_types.h"
#include "foundation/paths.h"

namespace {

using InfoKind = TFileListViewInfoKind;

constexpr uint32_t kEncodingBinary = 5;

bool PathExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

}  // namespace

void TFileListViewCore::RefreshRowsAfterRemoval() {
  // The row filter's list names entries by position: it is made anew.
  if (FilterOn()) {
    FilterRefresh();
  } else {
    RefreshItemCount();
  }
}

template <typename Pred>
void TFileListViewCore::RemoveWhere(Pred&& remove, bool clearSelection) {
  BeginUpdateBracket();
  const size_t n = Items().size();
  // The row that shows each entry (-1 for one the row filter hides).
  std::vector<int32_t> rowOf(n, -1);
  if (FilterOn()) {
    const TIntArray& shown = FilteredIndexes();
    for (size_t r = 0; r < shown.size(); ++r) {
      if (shown[r] >= 0 && static_cast<size_t>(shown[r]) < n)
        rowOf[static_cast<size_t>(shown[r])] = static_cast<int32_t>(r);
    }
  } else {
    for (size_t i = 0; i < n; ++i) rowOf[i] = static_cast<int32_t>(i);
  }
  std::vector<uint8_t> drop(n, 0);
  bool changedByHost = false;
  for (size_t i = 0; i < n; ++i) {
    if (!remove(i)) continue;
    bool canDelete = true;
    if (OnDeleteItem) {
      OnDeleteItem(FSender, rowOf[i], static_cast<int32_t>(i), Items().ID(i), canDelete);
      // A handler that changed the list itself leaves nothing to compact.
      if (Items().size() != n) {
        changedByHost = true;
        break;
      }
    }
    if (!canDelete) continue;
    drop[i] = 1;
    if (CollectFilesRemoved) FilesRemoved.emplace_back(Items().FileName(i));
  }
  if (clearSelection) SetSelectedRows({});
  if (!changedByHost) MutableItems().Keep(drop);
  EndUpdateBracket();
  RefreshRowsAfterRemoval();
  DeletionDoneInternal();
}

void TFileListViewCore::RemoveSelectedInternal(bool Invert) {
  const int32_t n = GetFileCount();
  const TIntArray selectedItems = GetSelectedItemIndexes();
  if (!OnDeleteItem && !FilterOn()) {
    const auto count = static_cast<int32_t>(selectedItems.size());
    if (count == 0) {
      if (Invert) RemoveAll();
      return;
    }
    if (count == n) {
      if (!Invert) RemoveAll();
      return;
    }
  }
  std::vector<uint8_t> selected(static_cast<size_t>(n), 0);
  for (int32_t i : selectedItems) selected[static_cast<size_t>(i)] = 1;
  // With the row filter on, only the shown rows take part: an entry the
  // filter hides is neither selected nor "not selected".
  std::vector<uint8_t> shown(static_cast<size_t>(n), FilterOn() ? 0 : 1);
  if (FilterOn()) {
    for (int32_t i : FilteredIndexes()) {
      if (i >= 0 && i < n) shown[static_cast<size_t>(i)] = 1;
    }
  }
  RemoveWhere([&](size_t i) { return shown[i] && (selected[i] != 0) != Invert; }, true);
}

void TFileListViewCore::RemoveAll() {
  if (CollectFilesRemoved) {
    for (size_t i = 0; i < Items().size(); ++i) FilesRemoved.emplace_back(Items().FileName(i));
  }
  MutableItems().clear();
  SetSelectedRows({});
  RefreshRowsAfterRemoval();
  DeletionDoneInternal();
}

void TFileListViewCore::RemoveBinaryFiles() {
  if (!ContainsBinaryFiles()) return;
  RemoveWhere(
      [this](size_t i) {
        const int32_t t = Items().InfoIndex(i, InfoKind::Text);
        return t >= 0 && static_cast<size_t>(t) < TextInfos.size() &&
               TextInfos[static_cast<size_t>(t)].Encoding == kEncodingBinary;
      },
      false);
}

void TFileListViewCore::RemoveFilesNonExistent() {
  RemoveWhere(
      [this](size_t i) {
        const std::string name(Items().FileName(i));
        return Items().IsFolder(i) ? !IsFolderAndExists(name) : !PathExists(name);
      },
      false);
}

void TFileListViewCore::RemoveFilesNotMatchingCurrentFileFilter() {
  RemoveWhere([this](size_t i) { return !FileMatchesCurrentFileFilter(static_cast<int32_t>(i)); }, false);
}

void TFileListViewCore::RemoveFilesWithStatus(int32_t Status, bool WithStatus) {
  RemoveWhere([&](size_t i) { return (Items().Status(i) == Status) == WithStatus; }, false);
}

void TFileListViewCore::RemoveFile(int32_t Index) {
  const int32_t n = GetFileCount();
  if (Index < 0 || Index >= n) return;
  const auto i = static_cast<size_t>(Index);
  if (OnDeleteItem) {
    bool canDelete = true;
    TFileListViewListItem row = Index;
    if (FilterOn()) {
      const TIntArray& shown = FilteredIndexes();
      const auto it = std::find(shown.begin(), shown.end(), Index);
      row = it == shown.end() ? kNoFileListItem : static_cast<int32_t>(it - shown.begin());
    }
    OnDeleteItem(FSender, row, Index, Items().ID(i), canDelete);
    if (!canDelete || GetFileCount() != n) return;
  }
  if (CollectFilesRemoved) FilesRemoved.emplace_back(Items().FileName(i));
  std::vector<uint8_t> drop(static_cast<size_t>(n), 0);
  drop[i] = 1;
  MutableItems().Keep(drop);
  RefreshRowsAfterRemoval();
  DeletionDoneInternal();
}

void TFileListViewCore::DeletionDoneInternal() {
  if (!Items().empty()) {
    // Running readers hold jobs collected before the removal: they stop and
    // collect again from the first entry.
    for (size_t k = 0; k < kFileListViewInfoKindCount; ++k) {
      if (!FReaders[k].ReadingOut) continue;
      FReaders[k].ReadOutStop = true;
      StopReaderThread(static_cast<InfoKind>(k));
    }
  } else {
    FBloomFilter.Clear();
    ClearInfoArrays();
    // Results still on their way belong to records that are gone.
    ++FInfoEpoch;
    for (size_t k = 0; k < kFileListViewInfoKindCount; ++k) {
      FReaders[k].ReadOutRestart = false;
      FReaders[k].ReadOutStop = false;
      if (FReaders[k].ReadingOut) StopReaderThread(static_cast<InfoKind>(k));
    }
    if (AutoItemIDResetOnDeletion) NextAutoItemID = 1;
  }
  Fire(OnDeletionDone);
  FilesRemoved.clear();
}

// --- Queries -------------------------------------------------------------------------------------

std::string TFileListViewCore::GetContainingFolderOfFile(int32_t Index) const {
  if (Index < 0 || Index >= GetFileCount()) return {};
  std::string path(Items().FileName(static_cast<size_t>(Index)));
  if (Items().IsFolder(static_cast<size_t>(Index))) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
  }
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

TStrArray TFileListViewCore::GetFilePathAndNameOfSelectedFiles() const {
  TStrArray names;
  for (int32_t i : GetSelectedItemIndexes()) names.emplace_back(Items().FileName(static_cast<size_t>(i)));
  return names;
}

bool TFileListViewCore::GetSelectedItemParams(std::string& FileName, int32_t& ID, int32_t& Index,
                                              TFileListViewListItem& ListItem) const {
  FileName.clear();
  ID = 0;
  Index = -1;
  ListItem = kNoFileListItem;
  const TIntArray rows = GetSelectedRows();
  if (rows.empty()) return false;
  const int32_t row = *std::min_element(rows.begin(), rows.end());
  const int32_t item = GetIndexOfListItem(row);
  if (item < 0 || item >= GetFileCount()) return false;
  FileName = std::string(Items().FileName(static_cast<size_t>(item)));
  ID = Items().ID(static_cast<size_t>(item));
  Index = item;
  ListItem = row;
  return true;
}

TStrArray TFileListViewCore::GetAllExtensionsInList(bool Sort) const {
  TStrArray exts;
  for (size_t i = 0; i < Items().size(); ++i) {
    const std::string_view e = Items().Ext(i);
    if (std::find(exts.begin(), exts.end(), e) == exts.end()) exts.emplace_back(e);
  }
  if (Sort) std::sort(exts.begin(), exts.end());
  return exts;
}

TIntStrArray TFileListViewCore::GetAllFileTypesInList(bool Sort) const {
  TIntStrArray types;
  for (size_t i = 0; i < Items().size(); ++i) {
    const int32_t t = Items().FileType(i);
    if (std::none_of(types.begin(), types.end(), [t](const TIntStr& p) { return p.Int == t; })) {
      types.push_back({t, GetFileTypeStr(t, true)});
    }
  }
  if (Sort) {
    // "Other" stays last, whatever its name sorts as.
    std::stable_sort(types.begin(), types.end(), [](const TIntStr& a, const TIntStr& b) {
      if ((a.Int == ftOther) != (b.Int == ftOther)) return b.Int == ftOther;
      return a.Str < b.Str;
    });
  }
  return types;
}

bool TFileListViewCore::ContainsBinaryFiles() const {
  for (size_t i = 0; i < Items().size(); ++i) {
    const int32_t t = Items().InfoIndex(i, InfoKind::Text);
    if (t >= 0 && static_cast<size_t>(t) < TextInfos.size() &&
        TextInfos[static_cast<size_t>(t)].Encoding == kEncodingBinary) {
      return true;
    }
  }
  return false;
}

void TFileListViewCore::SetFileLimit(int32_t Value) {
  if (Value == FileLimit) return;
  FileLimit = Value;
  if (Value > 0 && GetFileCount() > Value) {
    RemoveWhere([Value](size_t i) { return i >= static_cast<size_t>(Value); }, false);
  }
}
