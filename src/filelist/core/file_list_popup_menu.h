// The file list view's standard popup menu without a window: its entries in
// order, their captions, which of them show in the current state of the list,
// and the view's keys. The Qt view (filelist/qt/file_list_view.h) builds the
// menu from these and runs the entries' operations.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "filelist/core/file_list_types.h"

class TFileListViewStore;

// The tags of the standard entries; a custom entry n has kPopupCustomBase + n.
enum TFileListViewPopupTag : int32_t {
  kPopupOpen = 1,
  kPopupOpenContainingFolder = 2,
  kPopupRemoveAll = 3,
  kPopupRemoveSelected = 4,
  kPopupRemoveNotSelected = 5,
  kPopupRemoveFilesWithStatus = 6,
  kPopupRemoveFilesWithNotStatus = 7,
  kPopupRemoveBinaryFiles = 8,
  kPopupRemoveNonexistentFiles = 9,
  kPopupCopyFilesToClipboard = 10,
  kPopupCopyFilePathsToClipboard = 11,
  kPopupFileProperties = 12,
  kPopupListProperties = 13,
  kPopupAddFiles = 14,
  kPopupSearchFolder = 15,
  kPopupExportFileList = 16,
  kPopupImportFileList = 17,
  kPopupFilter = 18,
  kPopupColumns = 19,
  kPopupSeparator = 20,
  kPopupCustomBase = 100,
};

// The top-level entries top to bottom: custom entries with position 0, the
// standard entries with their separators, then a separator and the custom
// entries with position 1 when there are any.
std::vector<int32_t> StandardPopupMenuTags(const TFileListViewPopUpCustomItemArray& customItems);

// The caption of a top-level entry ("-" for a separator; entries that open a
// window end in "...").
std::string StandardPopupMenuCaption(int32_t tag, const TFileListViewStrRes& strRes,
                                     const TFileListViewPopUpCustomItemArray& customItems);

// What the visibility of the entries depends on, taken when the menu opens.
struct TFileListViewPopupState {
  int32_t SelectedCount = 0;
  int32_t FileCount = 0;
  bool StatusColumnVisible = false;
  bool ContainsBinaryFiles = false;
  // Which statuses 0..10 occur among the items (only with a status column).
  std::array<bool, kFileStatusCount> StatusPresent{};
};

// The state of the view; containsBinaryFiles is asked only when the view
// offers the entry that removes binary files.
TFileListViewPopupState GetPopupState(const TFileListViewStore& view, const std::function<bool()>& containsBinaryFiles);

// Whether each entry of tags shows. A separator shows only after an entry
// shown since the previous separator; none shows at the top, twice in a row
// or at the end.
std::vector<bool> StandardPopupMenuVisibility(const std::vector<int32_t>& tags, const TFileListViewStore& view,
                                              const TFileListViewPopupState& state);

// The keys the view handles itself, and what they do.
enum class TFileListViewKeyAction { None, SelectAll, RemoveSelected, RemoveNotSelected, RemoveAll };
enum TFileListViewKey : int32_t { flvKeyOther, flvKeyA, flvKeyDelete };
// Modifier bits.
inline constexpr int32_t kFlvShift = 1;
inline constexpr int32_t kFlvCtrl = 2;
inline constexpr int32_t kFlvAlt = 4;
inline constexpr int32_t kFlvMeta = 8;
// A with exactly Ctrl or exactly Meta (the Command key) selects all rows;
// Delete removes (Shift: the unselected rows, Ctrl: all, anything else: the
// selected rows) while allowDelKey is on.
TFileListViewKeyAction FileListViewKeyAction(TFileListViewKey key, int32_t modifiers, bool allowDelKey);
