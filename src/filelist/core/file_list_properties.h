// The list properties of a file list view: the files counted by file type or
// by extension with their sizes, play time and text counts, as the two pages
// of the list properties window show them. Counts only what the view holds;
// reads no file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/types.h"

class TFileListViewCore;
class TFileListViewStore;

struct TFileListViewListInfoKeyRec {
  int32_t FileType = 0;
  std::string Ext;
};
using TFileListViewListInfoIndex = std::vector<TFileListViewListInfoKeyRec>;

struct TFileListViewListInfoDataRec {
  int32_t Count = 0;
  int64_t Size = 0;
  double Duration = 0;  // seconds
  int64_t Lines = 0;
  int64_t Chars = 0;
  int64_t Words = 0;
};
using TFileListViewListInfoDataArr = std::vector<TFileListViewListInfoDataRec>;

// Groupings of the rows.
inline constexpr int32_t kListInfoByFileType = 2;
inline constexpr int32_t kListInfoByExtension = 3;

// How an integer column of the window shows its values.
enum class TListInfoFormat { Default, FileSize, MsToTime, Percent };

struct TFileListViewListInfoColumn {
  std::string Caption;
  int32_t ValueIndex = 0;
  int32_t Width = 0;
  TListInfoFormat Format = TListInfoFormat::Default;
};

struct TFileListViewListInfoRow {
  std::string Caption;
  // Count, size, duration in ms, lines, characters, words, share in
  // hundredths of a per cent.
  TInt64Array Values;
};

// One page of the window: its columns, its rows with the totals row last,
// and the window width the columns need.
struct TFileListViewListInfoTable {
  std::string FirstCaption;
  int32_t FirstWidth = 150;
  std::vector<TFileListViewListInfoColumn> Columns;
  std::vector<TFileListViewListInfoRow> Rows;
  int32_t WindowWidth = 480;
};

class TFileListViewListInfoCreator {
 public:
  // A list type of 0 takes the best one for the list, which must then hold
  // at least one item.
  TFileListViewListInfoCreator(TFileListViewCore& AFileListView, int32_t AListType);

  TFileListViewCore* FileListView;
  TFileListViewListInfoIndex RowKeys;
  TFileListViewListInfoDataArr RowData;
  int32_t TotalCount = 0;
  int64_t TotalSize = 0;
  double TotalDuration = 0;
  int64_t TotalLines = 0;
  int64_t TotalChars = 0;
  int64_t TotalWords = 0;
  int32_t ListType = 0;
  bool Sort = true;
  // The grouping of the page in front; 0 before the window is built.
  int32_t ShownListType = 0;

  void ClearData();
  int32_t GetBestListTypeForCurrentList() const;
  int32_t InitDataRow(int32_t AFileType, const std::string& AExt);
  void PrepareList();
  // Clears, groups by listType, prepares and lays the page out.
  TFileListViewListInfoTable BuildTable(int32_t listType);
};

// The time format of the window's duration column, after the duration
// columns the view shows.
std::string GetPreferredTimeFormatStr(const TFileListViewStore& view);
