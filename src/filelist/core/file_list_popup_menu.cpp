#include "filelist/core/file_list_popup_menu.h"

#include "filelist/core/file_list_view_store.h"

namespace {

constexpr int32_t kStandardOrder[] = {
    kPopupOpen,
    kPopupSeparator,
    kPopupAddFiles,
    kPopupSearchFolder,
    kPopupSeparator,
    kPopupRemoveSelected,
    kPopupRemoveNotSelected,
    kPopupRemoveFilesWithStatus,
    kPopupRemoveFilesWithNotStatus,
    kPopupRemoveBinaryFiles,
    kPopupRemoveNonexistentFiles,
    kPopupRemoveAll,
    kPopupSeparator,
    kPopupImportFileList,
    kPopupExportFileList,
    kPopupSeparator,
    kPopupCopyFilesToClipboard,
    kPopupCopyFilePathsToClipboard,
    kPopupOpenContainingFolder,
    kPopupSeparator,
    kPopupFileProperties,
    kPopupListProperties,
    kPopupFilter,
    kPopupColumns,
};

std::string Dots(const std::string& text) { return text + "..."; }

}  // namespace

std::vector<int32_t> StandardPopupMenuTags(const TFileListViewPopUpCustomItemArray& customItems) {
  std::vector<int32_t> tags;
  for (size_t n = 0; n < customItems.size(); ++n) {
    if (customItems[n].Position == 0) tags.push_back(kPopupCustomBase + static_cast<int32_t>(n));
  }
  tags.insert(tags.end(), std::begin(kStandardOrder), std::end(kStandardOrder));
  bool below = false;
  for (size_t n = 0; n < customItems.size(); ++n) {
    if (customItems[n].Position != 1) continue;
    if (!below) tags.push_back(kPopupSeparator);
    below = true;
    tags.push_back(kPopupCustomBase + static_cast<int32_t>(n));
  }
  return tags;
}

std::string StandardPopupMenuCaption(int32_t tag, const TFileListViewStrRes& s,
                                     const TFileListViewPopUpCustomItemArray& customItems) {
  switch (tag) {
    case kPopupOpen: return Dots(s.StrOpen);
    case kPopupOpenContainingFolder: return s.StrOpenContainingFolder;
    case kPopupRemoveAll: return s.StrRemoveAll;
    case kPopupRemoveSelected: return s.StrRemoveSelected;
    case kPopupRemoveNotSelected: return s.StrRemoveNotSelected;
    case kPopupRemoveFilesWithStatus: return s.StrRemoveFilesWithStatus;
    case kPopupRemoveFilesWithNotStatus: return s.StrRemoveFilesWithNotStatus;
    case kPopupRemoveBinaryFiles: return s.StrRemoveBinaryFiles;
    case kPopupRemoveNonexistentFiles: return s.StrRemoveNonexistentFiles;
    case kPopupCopyFilesToClipboard: return s.StrCopyFilesToClipboard;
    case kPopupCopyFilePathsToClipboard: return s.StrCopyFilePathsToClipboard;
    case kPopupFileProperties: return Dots(s.StrFileProperties);
    case kPopupListProperties: return Dots(s.StrListProperties);
    case kPopupAddFiles: return Dots(s.StrAddFiles);
    case kPopupSearchFolder: return Dots(s.StrSearchFolder);
    case kPopupExportFileList: return Dots(s.StrExportFileList);
    case kPopupImportFileList: return Dots(s.StrImportFileList);
    case kPopupFilter: return Dots(s.StrFilter);
    case kPopupColumns: return Dots(s.StrColumns);
    case kPopupSeparator: return "-";
    default: break;
  }
  const int32_t n = tag - kPopupCustomBase;
  if (n >= 0 && static_cast<size_t>(n) < customItems.size()) return customItems[static_cast<size_t>(n)].Caption;
  return std::string();
}

TFileListViewPopupState GetPopupState(const TFileListViewStore& view,
                                      const std::function<bool()>& containsBinaryFiles) {
  TFileListViewPopupState state;
  state.SelectedCount = static_cast<int32_t>(view.GetSelectedRows().size());
  state.FileCount = view.GetFileCount();
  state.StatusColumnVisible = view.HasColumn(flvColStatus);
  if (state.StatusColumnVisible && state.FileCount > 0) {
    const TFileListViewItemStore& items = view.Items();
    for (size_t i = 0; i < items.size(); ++i) {
      const int32_t status = items.Status(i);
      if (status >= 0 && status < kFileStatusCount) state.StatusPresent[static_cast<size_t>(status)] = true;
    }
  }
  if (view.ShowPopUpMenuRemoveBinaryFiles && containsBinaryFiles) state.ContainsBinaryFiles = containsBinaryFiles();
  return state;
}

namespace {

bool EntryShown(int32_t tag, const TFileListViewStore& view, const TFileListViewPopupState& st) {
  const bool selection = st.SelectedCount > 0;
  const bool files = st.FileCount > 0;
  const bool partial = selection && st.SelectedCount != st.FileCount;
  switch (tag) {
    case kPopupOpen: return view.ShowPopUpMenuOpenFile && selection;
    case kPopupOpenContainingFolder:
    case kPopupCopyFilesToClipboard:
    case kPopupCopyFilePathsToClipboard:
    case kPopupFileProperties: return selection;
    case kPopupRemoveAll:
    case kPopupRemoveNonexistentFiles:
    case kPopupListProperties: return files;
    case kPopupRemoveSelected:
    case kPopupRemoveNotSelected: return partial;
    case kPopupRemoveFilesWithStatus:
    case kPopupRemoveFilesWithNotStatus: return st.StatusColumnVisible && files;
    case kPopupRemoveBinaryFiles: return view.ShowPopUpMenuRemoveBinaryFiles && st.ContainsBinaryFiles;
    case kPopupAddFiles:
    case kPopupSearchFolder:
    case kPopupFilter: return view.ShowPopUpMenuFileAddingOptions;
    case kPopupExportFileList: return view.AllowFileListExport && files;
    case kPopupImportFileList: return view.AllowFileListImport;
    case kPopupColumns: return view.AllowColumnCustomization;
    default: break;
  }
  const int32_t n = tag - kPopupCustomBase;
  if (n < 0 || static_cast<size_t>(n) >= view.PopUpCustomItems.size()) return false;
  const TFileListViewPopUpCustomItemRec& item = view.PopUpCustomItems[static_cast<size_t>(n)];
  if (item.NeedsSelection) return selection;
  if (item.NeedsFiles) return files;
  return true;
}

}  // namespace

std::vector<bool> StandardPopupMenuVisibility(const std::vector<int32_t>& tags, const TFileListViewStore& view,
                                              const TFileListViewPopupState& state) {
  std::vector<bool> shown(tags.size(), false);
  std::vector<size_t> pendingSeparators;
  bool shownSinceSeparator = false;
  for (size_t i = 0; i < tags.size(); ++i) {
    if (tags[i] == kPopupSeparator) {
      shown[i] = shownSinceSeparator;
      shownSinceSeparator = false;
      pendingSeparators.push_back(i);
      continue;
    }
    shown[i] = EntryShown(tags[i], view, state);
    if (shown[i]) {
      shownSinceSeparator = true;
      pendingSeparators.clear();
    }
  }
  for (size_t i : pendingSeparators) shown[i] = false;
  return shown;
}

TFileListViewKeyAction FileListViewKeyAction(TFileListViewKey key, int32_t modifiers, bool allowDelKey) {
  if (key == flvKeyA && (modifiers == kFlvCtrl || modifiers == kFlvMeta)) return TFileListViewKeyAction::SelectAll;
  if (key == flvKeyDelete && allowDelKey) {
    if (modifiers == kFlvShift) return TFileListViewKeyAction::RemoveNotSelected;
    if (modifiers == kFlvCtrl) return TFileListViewKeyAction::RemoveAll;
    return TFileListViewKeyAction::RemoveSelected;
  }
  return TFileListViewKeyAction::None;
}

void TFileListViewStore::ColClick(int32_t Column) {
  PlatformSelectRows({});
  TFileListViewColumnType type = flvColNone;
  int32_t customIndex = 0;
  if (!GetColumnTypeAndIndex(Column, type, customIndex) || type == flvColNone || !AllowSortingColumnHeaders) return;
  if (FSortAscendingNext) {
    SortUp(type, customIndex);
    FSortAscendingNext = false;
  } else {
    SortDown(type, customIndex);
    FSortAscendingNext = true;
  }
}
