// Cells as the in-place editor sees them: filling a cell descriptor, storing
// an edited value in a custom column, and the option texts of a column.
#include <cerrno>
#include <cstdlib>
#include <limits>

#include "filelist/core/file_list_view_core.h"

TFileListViewCellInfo TFileListViewCore::GetCellInfo(int32_t Row, int32_t Column) const {
  TFileListViewCellInfo cell;
  const int32_t item = GetIndexOfListItem(Row);
  if (Row < 0 || Row >= RowCount() || item < 0 || item >= GetFileCount()) return cell;
  cell.Row = Row;
  cell.ItemID = Items().ID(static_cast<size_t>(item));
  cell.ListItem = Row;
  if (Column < 0 || static_cast<size_t>(Column) >= ColumnsVisible().size()) return cell;
  const int32_t d = ColumnsVisible()[static_cast<size_t>(Column)];
  if (d < 0 || static_cast<size_t>(d) >= ColumnInfos.size()) return cell;
  const TFileListViewColumnInfo& info = ColumnInfos[static_cast<size_t>(d)];
  cell.Column = Column;
  cell.ColumnInfoIndex = d;
  cell.ColumnTag = info.Tag;
  cell.ColumnType = info.ColumnType;
  cell.EditType = info.EditType;
  cell.FormatType = info.FormatType;
  cell.Content = GetCellContentAsString(item, Column);
  return cell;
}

TFileListViewCellInfo TFileListViewCore::GetCellUnder(const TFileListViewCellInfo& Cell) const {
  if (Cell.Row < 0 || Cell.Row + 1 >= RowCount()) return GetEmptyCellInfo();
  return GetCellInfo(Cell.Row + 1, Cell.Column);
}

TFileListViewCellInfo TFileListViewCore::GetCellLeft(const TFileListViewCellInfo& Cell) const {
  if (Cell.Row < 0 || Cell.Column <= 0) return GetEmptyCellInfo();
  return GetCellInfo(Cell.Row, Cell.Column - 1);
}

TFileListViewCellInfo TFileListViewCore::GetCellRight(const TFileListViewCellInfo& Cell) const {
  if (Cell.Row < 0 || Cell.Column < 0 || static_cast<size_t>(Cell.Column) + 1 >= ColumnsVisible().size()) {
    return GetEmptyCellInfo();
  }
  return GetCellInfo(Cell.Row, Cell.Column + 1);
}

TFileListViewCellInfo TFileListViewCore::GetCellFirstOfRow(int32_t Row) const {
  if (Row < 0 || Row >= RowCount() || ColumnsVisible().empty()) return GetEmptyCellInfo();
  return GetCellInfo(Row, 0);
}

TFileListViewCellInfo TFileListViewCore::GetCellLastOfRow(int32_t Row) const {
  if (Row < 0 || Row >= RowCount() || ColumnsVisible().empty()) return GetEmptyCellInfo();
  return GetCellInfo(Row, static_cast<int32_t>(ColumnsVisible().size()) - 1);
}

bool TFileListViewCore::SetCellContentFromString(int32_t Row, int32_t Column, const std::string& Text) {
  TFileListViewColumnType type;
  int32_t customIndex;
  if (!GetColumnTypeAndIndex(Column, type, customIndex)) return false;
  const int32_t item = GetIndexOfListItem(Row);
  if (item < 0 || item >= GetFileCount() || customIndex < 0) return false;
  const auto i = static_cast<size_t>(item);
  const auto k = static_cast<size_t>(customIndex);
  if (type == flvColCustomStr) return MutableItems().SetCustomStr(i, k, Text);
  if (type != flvColCustomInt) return false;
  const size_t b = Text.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return false;
  const std::string trimmed = Text.substr(b, Text.find_last_not_of(" \t\r\n") - b + 1);
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(trimmed.c_str(), &end, 10);
  if (errno != 0 || end != trimmed.c_str() + trimmed.size() || value < std::numeric_limits<int32_t>::min() ||
      value > std::numeric_limits<int32_t>::max() || !(trimmed[0] == '-' || (trimmed[0] >= '0' && trimmed[0] <= '9'))) {
    return false;
  }
  return MutableItems().SetCustomInt(i, k, value);
}

std::string TFileListViewCore::GetOptionStr(int32_t Value, int32_t ColumnInfoIndex) const {
  if (ColumnInfoIndex >= 0 && static_cast<size_t>(ColumnInfoIndex) < ColumnInfos.size()) {
    const TStrArray& values = ColumnInfos[static_cast<size_t>(ColumnInfoIndex)].DropDownValues;
    if (Value >= 0 && static_cast<size_t>(Value) < values.size()) return values[static_cast<size_t>(Value)];
  }
  return std::to_string(Value);
}

int32_t TFileListViewCore::GetValueFromOptionStr(const std::string& Text, int32_t ColumnInfoIndex) const {
  if (ColumnInfoIndex < 0 || static_cast<size_t>(ColumnInfoIndex) >= ColumnInfos.size()) return -1;
  const TStrArray& values = ColumnInfos[static_cast<size_t>(ColumnInfoIndex)].DropDownValues;
  for (size_t i = 0; i < values.size(); ++i) {
    if (values[i] == Text) return static_cast<int32_t>(i);
  }
  return -1;
}
