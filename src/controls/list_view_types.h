// The records of the virtual list view: items, column definitions, cell
// information and filter records. Plain C++, shared by the item store and the
// widget.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/colours.h"
#include "foundation/containers_maps.h"
#include "foundation/types.h"

enum TVirtualListViewColumnType : int32_t {
  vlvColNone,
  vlvColCustomStr,
  vlvColCustomInt,
  vlvColCustomStrDynamic,
};

// The twelve display formats of integer cells (vlvFormatShowOption also
// applies to string cells).
enum TVirtualListViewFormatType : int32_t {
  vlvFormatDefault,
  vlvFormatShowOption,
  vlvFormatSecToHMS,
  vlvFormatSecToMSorHMS,
  vlvFormatMsToTime,
  vlvFormatBytesToBestUnit,
  vlvFormatFileSize,
  vlvFormatFileDate,
  vlvFormat100To1Percent,
  vlvFormatLeadingZeros2,
  vlvFormatLeadingZeros3,
  vlvFormatLeadingZeros4,
};

enum TVirtualListViewEditType : int32_t { vlvEditNone, vlvEditText, vlvEditDropDown, vlvEditDropDownList };

// A set of font styles as bits.
using TVirtualListViewFontStyles = uint8_t;
inline constexpr TVirtualListViewFontStyles kVlvFontBold = 1;
inline constexpr TVirtualListViewFontStyles kVlvFontItalic = 2;
inline constexpr TVirtualListViewFontStyles kVlvFontUnderline = 4;
inline constexpr TVirtualListViewFontStyles kVlvFontStrikeOut = 8;

struct TVirtualListViewItem {
  int32_t ImageIndex = -1;
  int32_t ID = 0;
  int32_t ExtraValue = 0;
  TStrArray StrValues;
  TInt64Array IntValues;
  std::string SortKeyStr;
  int64_t SortKeyInt = 0;
  TVirtualListViewFontStyles FontStyle = 0;
  TGraphicsColor FontColor = 0;
  std::vector<TGraphicsColor> CellFontColors;
  int32_t PositionBeforeSort = 0;
  bool Editable = true;
  bool Checked = false;
};

struct TVirtualListViewColumnInfo {
  int32_t ColumnID = 0;
  TVirtualListViewColumnType ColumnType = vlvColNone;
  std::string Caption;
  int32_t ValueIndex = 0;
  int32_t Width = 0;
  TAlignment Alignment = taLeftJustify;
  TVirtualListViewFormatType FormatType = vlvFormatDefault;
  TVirtualListViewEditType EditType = vlvEditNone;
  TStrArray Options;
  // String columns: stored key -> display text.
  TKeyValueArrayObj OptionMap;
};
using TVirtualListViewColumnInfos = std::vector<TVirtualListViewColumnInfo>;

// The platform list item of a row is its shown row number here (-1: none).
using TVirtualListViewListItem = int32_t;
inline constexpr TVirtualListViewListItem kNoListItem = -1;

struct TVirtualListViewCellInfo {
  int32_t ItemID = -1;
  int32_t ColumnID = -1;
  int32_t ExtraValue = 0;
  int32_t ItemIndex = -1;
  int32_t ColumnPosition = -1;
  int32_t ColumnInfoIndex = -1;
  TVirtualListViewListItem ListItem = kNoListItem;
  TVirtualListViewColumnType ColumnType = vlvColNone;
  TVirtualListViewEditType EditType = vlvEditNone;
  TVirtualListViewFormatType FormatType = vlvFormatDefault;
  std::string Content;
};

// Compare modes of a filter record.
inline constexpr int32_t kVlvFilterEqual = 0;
inline constexpr int32_t kVlvFilterNotEqual = 1;
inline constexpr int32_t kVlvFilterContains = 2;
inline constexpr int32_t kVlvFilterStartsWith = 3;
// Filter kinds.
inline constexpr int32_t kVlvFilterKindString = 0;
inline constexpr int32_t kVlvFilterKindInteger = 1;

struct TVirtualListViewFilterRec {
  TVirtualListViewColumnType ColumnType = vlvColNone;
  int32_t ValueIndex = 0;
  std::string FilterText;
  int32_t FilterValue = 0;
  int32_t CompareMode = kVlvFilterEqual;
  int32_t Reserved = 0;
  int32_t FilterKind = kVlvFilterKindString;
};
using TVirtualListViewFilterArray = std::vector<TVirtualListViewFilterRec>;
