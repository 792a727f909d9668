#include "controls/list_view_items.h"

#include <algorithm>
#include <cmath>

#include "foundation/str_transform.h"

namespace {

template <typename T>
bool InRange(int32_t index, const std::vector<T>& v) {
  return index >= 0 && static_cast<size_t>(index) < v.size();
}

}  // namespace

// --- Properties ----------------------------------------------------------------

void TVirtualListViewStore::SetColumnAutoSize(bool value) {
  if (FColumnAutoSize == value) return;
  FColumnAutoSize = value;
  if (value) RefreshColumns(false, true);
}

void TVirtualListViewStore::SetItemLimit(int32_t value) {
  FItemLimit = value;
  if (value < 0 || value >= GetItemCount()) return;
  std::vector<uint8_t> drop(VirtualItems.size(), 0);
  std::fill(drop.begin() + value, drop.end(), 1);
  PlatformBeginUpdate();
  CompactItems(drop);
}

void TVirtualListViewStore::SetFilterOn(bool value) {
  if (FFilterOn == value) return;
  FFilterOn = value;
  if (value) {
    FilterRefresh();
  } else {
    RefreshItemCount();
  }
}

// --- Definitions -------------------------------------------------------------------

void TVirtualListViewStore::ClearDataAndDefinitions() {
  VirtualItems.clear();
  FIndexMap.clear();
  FVisibleColumns.clear();
  FColumnInfos.clear();
  PlatformColumnsChanged();
  RefreshItemCount();
}

int32_t TVirtualListViewStore::GetColumnInfoIndex(TVirtualListViewColumnType ColumnType, int32_t ValueIndex,
                                                  bool AddIfMissing) {
  for (size_t i = 0; i < FColumnInfos.size(); ++i) {
    if (FColumnInfos[i].ColumnType == ColumnType && FColumnInfos[i].ValueIndex == ValueIndex) {
      return static_cast<int32_t>(i);
    }
  }
  if (!AddIfMissing) return -1;
  TVirtualListViewColumnInfo info;
  info.ColumnType = ColumnType;
  info.ValueIndex = ValueIndex;
  FColumnInfos.push_back(std::move(info));
  return static_cast<int32_t>(FColumnInfos.size()) - 1;
}

void TVirtualListViewStore::WriteColumnInfo(int32_t index, TVirtualListViewColumnType ColumnType, int32_t ValueIndex,
                                            const std::string& Caption, int32_t Width, int32_t ColumnID,
                                            TAlignment Alignment, TVirtualListViewEditType EditType,
                                            TVirtualListViewFormatType FormatType, const TStrArray& Options) {
  TVirtualListViewColumnInfo& d = FColumnInfos[static_cast<size_t>(index)];
  d.ColumnType = ColumnType;
  d.Alignment = Alignment;
  d.Caption = Caption;
  d.Width = Width;
  d.ColumnID = ColumnID;
  d.ValueIndex = ValueIndex;
  d.EditType = EditType;
  d.FormatType = FormatType;
  if (Options.empty()) {
    d.Options.clear();
  } else if (ColumnType == vlvColCustomInt) {
    d.Options = Options;
  } else if (ColumnType == vlvColCustomStr) {
    d.OptionMap.Items.clear();
    d.Options.clear();
    for (const std::string& option : Options) {
      const size_t eq = option.find('=');
      if (eq != std::string::npos) {
        const std::string key = Trim(std::string_view(option).substr(0, eq));
        const std::string value = Trim(std::string_view(option).substr(eq + 1));
        d.Options.push_back(value);
        d.OptionMap.Add(key, value);
      } else {
        d.Options.push_back(option);
        d.OptionMap.Add(option, option);
      }
    }
  }
}

void TVirtualListViewStore::GrowCells(TVirtualListViewColumnType ColumnType, int32_t ValueIndex) {
  if (ValueIndex < 0) return;
  if (ColumnType == vlvColCustomStr || ColumnType == vlvColCustomStrDynamic) {
    if (FStrColCount < ValueIndex + 1) {
      FStrColCount = ValueIndex + 1;
      for (auto& item : VirtualItems) item.StrValues.resize(static_cast<size_t>(FStrColCount));
    }
  } else if (ColumnType == vlvColCustomInt) {
    if (FIntColCount < ValueIndex + 1) {
      FIntColCount = ValueIndex + 1;
      for (auto& item : VirtualItems) item.IntValues.resize(static_cast<size_t>(FIntColCount), 0);
    }
  }
}

int32_t TVirtualListViewStore::AddColumn(TVirtualListViewColumnType ColumnType, int32_t ValueIndex,
                                         const std::string& Caption, int32_t Width, int32_t ColumnID,
                                         TAlignment Alignment, TVirtualListViewEditType EditType,
                                         TVirtualListViewFormatType FormatType, const TStrArray& Options) {
  if (ColumnType == vlvColNone) return -1;
  const int32_t index = GetColumnInfoIndex(ColumnType, ValueIndex, true);
  WriteColumnInfo(index, ColumnType, ValueIndex, Caption, Width, ColumnID, Alignment, EditType, FormatType, Options);
  const auto position = static_cast<int32_t>(FVisibleColumns.size());
  FVisibleColumns.push_back(index);
  GrowCells(ColumnType, ValueIndex);
  PlatformColumnsChanged();
  PlatformSetColumnWidth(position, Width);
  return position;
}

int32_t TVirtualListViewStore::SetColumnInfo(TVirtualListViewColumnType ColumnType, int32_t ValueIndex,
                                             const std::string& Caption, int32_t Width, int32_t ColumnID,
                                             TAlignment Alignment, TVirtualListViewEditType EditType,
                                             TVirtualListViewFormatType FormatType, const TStrArray& Options) {
  const int32_t index = GetColumnInfoIndex(ColumnType, ValueIndex, true);
  WriteColumnInfo(index, ColumnType, ValueIndex, Caption, Width, ColumnID, Alignment, EditType, FormatType, Options);
  return index;
}

void TVirtualListViewStore::SetColumnCaption(TVirtualListViewColumnType ColumnType, int32_t ValueIndex,
                                             const std::string& Caption) {
  const int32_t index = GetColumnInfoIndex(ColumnType, ValueIndex, false);
  if (index < 0) return;
  FColumnInfos[static_cast<size_t>(index)].Caption = Caption;
  RefreshColumns(true, false);
}

bool TVirtualListViewStore::GetColumnTypeAndIndex(int32_t Position, TVirtualListViewColumnType& ColumnType,
                                                  int32_t& ValueIndex) const {
  const TVirtualListViewColumnInfo* d = ColumnAt(Position);
  if (d == nullptr) {
    ColumnType = vlvColNone;
    ValueIndex = 0;
    return false;
  }
  ColumnType = d->ColumnType;
  ValueIndex = d->ValueIndex;
  return true;
}

TIntArray TVirtualListViewStore::ProportionalWidths(const TIntArray& Widths, int32_t Available) {
  if (Available <= 0 || Widths.empty()) return Widths;
  int64_t sum = 0;
  for (int32_t w : Widths) sum += w;
  TIntArray result(Widths.size());
  if (sum <= 0) {
    std::fill(result.begin(), result.end(), Available / static_cast<int32_t>(Widths.size()));
    return result;
  }
  const double ratio = static_cast<double>(sum) / static_cast<double>(Available);
  for (size_t i = 0; i < Widths.size(); ++i) {
    result[i] = static_cast<int32_t>(std::floor(static_cast<double>(Widths[i]) / ratio));
  }
  return result;
}

void TVirtualListViewStore::RefreshColumns(bool Captions, bool Widths) {
  if (Captions) PlatformColumnsChanged();
  if (!Widths) return;
  TIntArray widths;
  for (int32_t index : FVisibleColumns) widths.push_back(FColumnInfos[static_cast<size_t>(index)].Width);
  if (FColumnAutoSize) widths = ProportionalWidths(widths, PlatformClientWidth() - 30);
  for (size_t i = 0; i < widths.size(); ++i) PlatformSetColumnWidth(static_cast<int32_t>(i), widths[i]);
}

const TVirtualListViewColumnInfo* TVirtualListViewStore::ColumnAt(int32_t Position) const {
  if (!InRange(Position, FVisibleColumns)) return nullptr;
  const int32_t index = FVisibleColumns[static_cast<size_t>(Position)];
  if (!InRange(index, FColumnInfos)) return nullptr;
  return &FColumnInfos[static_cast<size_t>(index)];
}

// --- Items ----------------------------------------------------------------------------

int32_t TVirtualListViewStore::NewItem(int32_t ID, bool AtTop) {
  TVirtualListViewItem item;
  item.ID = ID;
  item.StrValues.resize(static_cast<size_t>(FStrColCount));
  item.IntValues.resize(static_cast<size_t>(FIntColCount), 0);
  int32_t index;
  if (AtTop && !VirtualItems.empty()) {
    VirtualItems.insert(VirtualItems.begin(), std::move(item));
    index = 0;
  } else {
    VirtualItems.push_back(std::move(item));
    index = static_cast<int32_t>(VirtualItems.size()) - 1;
  }
  return index;
}

void TVirtualListViewStore::AddingDone(int32_t index) {
  if (FUpdating) return;
  // After the cells are filled, so that a filter sees the new item's texts.
  RefreshItemCount();
  if (OnAddingDone) OnAddingDone(FSender, TIntArray{index});
  Notify(OnChange);
}

int32_t TVirtualListViewStore::AddItem(int32_t ID, const TStrArray& StrValues, const TIntArray& IntValues, bool AtTop) {
  return AddItem(ID, 0, StrValues, IntValues, AtTop);
}

int32_t TVirtualListViewStore::AddItem(int32_t ID, int32_t ExtraValue, const TStrArray& StrValues,
                                       const TIntArray& IntValues, bool AtTop) {
  const int32_t index = NewItem(ID, AtTop);
  TVirtualListViewItem& item = VirtualItems[static_cast<size_t>(index)];
  if (!StrValues.empty() && StrValues.size() <= item.StrValues.size()) {
    std::copy(StrValues.begin(), StrValues.end(), item.StrValues.begin());
  }
  if (!IntValues.empty() && IntValues.size() <= item.IntValues.size()) {
    std::copy(IntValues.begin(), IntValues.end(), item.IntValues.begin());
  }
  item.ExtraValue = ExtraValue;
  AddingDone(index);
  return index;
}

int32_t TVirtualListViewStore::AddItem64(int32_t ID, const TInt64Array& IntValues, const TStrArray& StrValues,
                                         bool AtTop) {
  const int32_t index = NewItem(ID, AtTop);
  TVirtualListViewItem& item = VirtualItems[static_cast<size_t>(index)];
  std::copy_n(IntValues.begin(), std::min(IntValues.size(), item.IntValues.size()), item.IntValues.begin());
  std::copy_n(StrValues.begin(), std::min(StrValues.size(), item.StrValues.size()), item.StrValues.begin());
  AddingDone(index);
  return index;
}

int32_t TVirtualListViewStore::AddItem(bool Checked, int32_t ID, const std::string& S1, const std::string& S2,
                                       const std::string& S3, const std::string& S4, const std::string& S5,
                                       const std::string& S6) {
  const int32_t index = NewItem(ID, false);
  TVirtualListViewItem& item = VirtualItems[static_cast<size_t>(index)];
  item.Checked = Checked;
  // Hosts define enough string cells; a host that did not loses the extra texts.
  auto put = [&item](size_t cell, const std::string& s) {
    if (!IsNulMarker(s) && cell < item.StrValues.size()) item.StrValues[cell] = s;
  };
  if (!item.StrValues.empty()) item.StrValues[0] = S1;
  put(1, S2);
  put(2, S3);
  put(3, S4);
  if (!IsNulMarker(S4)) {
    put(4, S5);
    put(5, S6);
  }
  if (!FUpdating) RefreshItemCount();
  return index;
}

bool TVirtualListViewStore::ReplaceItem(int32_t Index, const TStrArray& StrValues, const TIntArray& IntValues) {
  if (!InRange(Index, VirtualItems)) return false;
  TVirtualListViewItem& item = VirtualItems[static_cast<size_t>(Index)];
  std::copy_n(StrValues.begin(), std::min(StrValues.size(), item.StrValues.size()), item.StrValues.begin());
  std::copy_n(IntValues.begin(), std::min(IntValues.size(), item.IntValues.size()), item.IntValues.begin());
  if (!FUpdating) PlatformRepaint();
  if (OnReplacingDone) OnReplacingDone(FSender, Index);
  Notify(OnChange);
  return true;
}

int32_t TVirtualListViewStore::ReplaceItemWithID(int32_t ID, const TStrArray& StrValues, const TIntArray& IntValues,
                                                 bool AddIfMissing) {
  const int32_t index = GetFirstItemIndexWithID(ID);
  if (index >= 0) {
    ReplaceItem(index, StrValues, IntValues);
    return index;
  }
  return AddIfMissing ? AddItem(ID, StrValues, IntValues, false) : -1;
}

void TVirtualListViewStore::CompactItems(const std::vector<uint8_t>& drop) {
  size_t w = 0;
  for (size_t i = 0; i < VirtualItems.size(); ++i) {
    if (drop[i]) continue;
    if (w != i) VirtualItems[w] = std::move(VirtualItems[i]);
    ++w;
  }
  VirtualItems.resize(w);
  PlatformSelectRows({});
  RefreshItemCount();
  PlatformEndUpdate();
  Notify(OnDeletionDone);
  Notify(OnChange);
}

void TVirtualListViewStore::RemoveRows(bool removeSelected) {
  const TIntArray selectedRows = PlatformSelectedRows();
  if (!OnDeleteItem) {
    if (selectedRows.empty()) {
      if (!removeSelected) RemoveAll();
      return;
    }
    if (static_cast<int32_t>(selectedRows.size()) == GetItemCount() && FRowCount == GetItemCount()) {
      if (removeSelected) RemoveAll();
      return;
    }
  }
  PlatformBeginUpdate();
  std::vector<uint8_t> rowSelected(static_cast<size_t>(FRowCount), 0);
  for (int32_t r : selectedRows) {
    if (r >= 0 && r < FRowCount) rowSelected[static_cast<size_t>(r)] = 1;
  }
  std::vector<uint8_t> drop(VirtualItems.size(), 0);
  bool applyToAll = false;
  bool remembered = false;
  for (int32_t row = 0; row < FRowCount; ++row) {
    const int32_t index = GetItemIndexForListItem(row);
    if (!InRange(index, VirtualItems)) continue;
    bool del = rowSelected[static_cast<size_t>(row)] != 0;
    if (!removeSelected) del = !del;
    if (OnDeleteItem && del) {
      if (applyToAll) {
        del = remembered;
      } else {
        OnDeleteItem(FSender, row, index, VirtualItems[static_cast<size_t>(index)].ID, del, applyToAll);
        if (applyToAll) remembered = del;
      }
    }
    drop[static_cast<size_t>(index)] = del ? 1 : 0;
  }
  CompactItems(drop);
}

void TVirtualListViewStore::RemoveSelected() { RemoveRows(true); }
void TVirtualListViewStore::RemoveNotSelected() { RemoveRows(false); }

void TVirtualListViewStore::RemoveAll() {
  RemoveAllWithoutDeletionDoneNotification();
  Notify(OnDeletionDone);
  Notify(OnChange);
}

void TVirtualListViewStore::RemoveAllWithoutDeletionDoneNotification() {
  VirtualItems.clear();
  PlatformSelectRows({});
  RefreshItemCount();
}

void TVirtualListViewStore::SetRowCount(int32_t rows) {
  if (rows == FRowCount) return;
  const int32_t old = FRowCount;
  FRowCount = rows;
  if (rows < old) {
    // Headless selection drops the rows that no longer exist.
    std::erase_if(FHeadlessSelection, [rows](int32_t r) { return r >= rows; });
    if (FHeadlessFocus >= rows) FHeadlessFocus = -1;
  }
  PlatformRowCountChanged(old, rows);
}

void TVirtualListViewStore::RefreshItemCount() {
  // The rows of a filtered list are always the items that pass the filter
  // now, so no row can point at an item that moved or no longer exists.
  if (FFilterOn) RebuildIndexMap();
  SetRowCount(FFilterOn ? static_cast<int32_t>(FIndexMap.size()) : GetItemCount());
  PlatformRepaint();
}

int32_t TVirtualListViewStore::GetNextFreeID(int32_t Start) const {
  int64_t next = Start;
  for (const auto& item : VirtualItems) next = std::max<int64_t>(next, static_cast<int64_t>(item.ID) + 1);
  return static_cast<int32_t>(std::min<int64_t>(next, INT32_MAX));
}

int32_t TVirtualListViewStore::GetFirstItemIndexWithID(int32_t ID) const {
  for (size_t i = 0; i < VirtualItems.size(); ++i) {
    if (VirtualItems[i].ID == ID) return static_cast<int32_t>(i);
  }
  return -1;
}

bool TVirtualListViewStore::HasSelectedItems() const { return !PlatformSelectedRows().empty(); }

void TVirtualListViewStore::BeginUpdate() {
  PlatformBeginUpdate();
  FUpdating = true;
}

void TVirtualListViewStore::EndUpdate() {
  FUpdating = false;
  RefreshItemCount();
  PlatformEndUpdate();
}

void TVirtualListViewStore::PlatformSelectRows(const TIntArray& Rows) {
  FHeadlessSelection.clear();
  for (int32_t r : Rows) {
    if (r >= 0 && r < FRowCount) FHeadlessSelection.push_back(r);
  }
  std::sort(FHeadlessSelection.begin(), FHeadlessSelection.end());
  FHeadlessSelection.erase(std::unique(FHeadlessSelection.begin(), FHeadlessSelection.end()), FHeadlessSelection.end());
}

void TVirtualListViewStore::SelectAll() {
  TIntArray rows(static_cast<size_t>(FRowCount));
  for (int32_t r = 0; r < FRowCount; ++r) rows[static_cast<size_t>(r)] = r;
  PlatformSelectRows(rows);
}

// --- Cell texts ---------------------------------------------------------------------------

std::string TVirtualListViewStore::CellRawText(const TVirtualListViewItem& item,
                                               const TVirtualListViewColumnInfo& d) const {
  switch (d.ColumnType) {
    case vlvColNone: return "?";
    case vlvColCustomStr:
    case vlvColCustomStrDynamic:
      return InRange(d.ValueIndex, item.StrValues) ? item.StrValues[static_cast<size_t>(d.ValueIndex)] : std::string();
    case vlvColCustomInt:
      return InRange(d.ValueIndex, item.IntValues) ? IntToStr(item.IntValues[static_cast<size_t>(d.ValueIndex)])
                                                   : std::string();
  }
  return std::string();
}

std::string TVirtualListViewStore::GetCellContentAsString(int32_t ItemIndex, int32_t Position) const {
  const TVirtualListViewColumnInfo* d = ColumnAt(Position);
  if (d == nullptr || !InRange(ItemIndex, VirtualItems)) return std::string();
  return CellRawText(VirtualItems[static_cast<size_t>(ItemIndex)], *d);
}

bool TVirtualListViewStore::SetCellContentFromString(int32_t ItemIndex, int32_t Position, const std::string& Text) {
  const TVirtualListViewColumnInfo* d = ColumnAt(Position);
  if (d == nullptr || !InRange(ItemIndex, VirtualItems)) return false;
  TVirtualListViewItem& item = VirtualItems[static_cast<size_t>(ItemIndex)];
  if (d->ColumnType == vlvColCustomStr || d->ColumnType == vlvColCustomStrDynamic) {
    if (!InRange(d->ValueIndex, item.StrValues)) return false;
    item.StrValues[static_cast<size_t>(d->ValueIndex)] = Text;
    return true;
  }
  if (d->ColumnType == vlvColCustomInt) {
    int32_t value = 0;
    if (!InRange(d->ValueIndex, item.IntValues) || !TryStrToInt(Trim(Text), value)) return false;
    item.IntValues[static_cast<size_t>(d->ValueIndex)] = value;
    return true;
  }
  return false;
}

std::string TVirtualListViewStore::GetCustomIntContent(int32_t ItemIndex, int32_t ColumnInfoIndex) const {
  if (!InRange(ItemIndex, VirtualItems) || !InRange(ColumnInfoIndex, FColumnInfos)) return std::string();
  const TVirtualListViewColumnInfo& d = FColumnInfos[static_cast<size_t>(ColumnInfoIndex)];
  const TVirtualListViewItem& item = VirtualItems[static_cast<size_t>(ItemIndex)];
  if (!InRange(d.ValueIndex, item.IntValues)) return std::string();
  return VlvFormatIntCell(item.IntValues[static_cast<size_t>(d.ValueIndex)], d.FormatType, d.Options, Display);
}

std::string TVirtualListViewStore::GetOptionStr(int32_t Value, int32_t ColumnInfoIndex, bool AfterEquals) const {
  if (!InRange(ColumnInfoIndex, FColumnInfos)) return IntToStr(Value);
  return VlvOptionText(FColumnInfos[static_cast<size_t>(ColumnInfoIndex)].Options, Value, AfterEquals);
}

std::string TVirtualListViewStore::GetOptionStr(const std::string& Key, int32_t ColumnInfoIndex) const {
  if (!InRange(ColumnInfoIndex, FColumnInfos)) return Key;
  std::string value;
  FColumnInfos[static_cast<size_t>(ColumnInfoIndex)].OptionMap.GetValue(Key, value, Key);
  return value;
}

int32_t TVirtualListViewStore::GetValueFromOptionStr(const std::string& Text, int32_t ColumnInfoIndex) const {
  if (!InRange(ColumnInfoIndex, FColumnInfos)) return -1;
  const TStrArray& options = FColumnInfos[static_cast<size_t>(ColumnInfoIndex)].Options;
  for (size_t i = 0; i < options.size(); ++i) {
    if (options[i] == Text) return static_cast<int32_t>(i);
  }
  return -1;
}

std::string TVirtualListViewStore::GetValueFromStrOptionStr(const std::string& Text, int32_t ColumnInfoIndex) const {
  if (!InRange(ColumnInfoIndex, FColumnInfos)) return NulMarker();
  return FColumnInfos[static_cast<size_t>(ColumnInfoIndex)].OptionMap.GetFirstKeyWithValue(Text, NulMarker());
}

std::string TVirtualListViewStore::GetCellDisplayText(int32_t ItemIndex, int32_t Position) {
  const TVirtualListViewColumnInfo* d = ColumnAt(Position);
  if (d == nullptr || !InRange(ItemIndex, VirtualItems)) return std::string();
  TVirtualListViewItem& item = VirtualItems[static_cast<size_t>(ItemIndex)];
  switch (d->ColumnType) {
    case vlvColNone: return "?";
    case vlvColCustomStr:
    case vlvColCustomStrDynamic: {
      std::string text = CellRawText(item, *d);
      if (d->ColumnType == vlvColCustomStrDynamic && OnFetchDynamicStrColumnContent) {
        // The handler may change the list; it works on copies that are
        // written back only while the item still exists.
        const TVirtualListViewFormatType format = d->FormatType;
        const TKeyValueArrayObj optionMap = d->OptionMap;
        int32_t id = item.ID;
        OnFetchDynamicStrColumnContent(FSender, ItemIndex, d->ValueIndex, id, text);
        if (InRange(ItemIndex, VirtualItems)) VirtualItems[static_cast<size_t>(ItemIndex)].ID = id;
        if (format != vlvFormatShowOption) return text;
        std::string shown;
        optionMap.GetValue(text, shown, text);
        return shown;
      }
      if (d->FormatType == vlvFormatShowOption) {
        std::string shown;
        d->OptionMap.GetValue(text, shown, text);
        return shown;
      }
      return text;
    }
    case vlvColCustomInt:
      if (!InRange(d->ValueIndex, item.IntValues)) return std::string();
      return VlvFormatIntCell(item.IntValues[static_cast<size_t>(d->ValueIndex)], d->FormatType, d->Options, Display);
  }
  return std::string();
}

// --- Rows and cells --------------------------------------------------------------------------

int32_t TVirtualListViewStore::GetItemIndexForListItem(TVirtualListViewListItem Item) const {
  if (Item < 0) return -1;
  if (FFilterOn) return InRange(Item, FIndexMap) ? FIndexMap[static_cast<size_t>(Item)] : -1;
  return Item;
}

int32_t TVirtualListViewStore::GetRowForItemIndex(int32_t ItemIndex) const {
  if (!InRange(ItemIndex, VirtualItems)) return -1;
  if (!FFilterOn) return ItemIndex < FRowCount ? ItemIndex : -1;
  const auto it = std::lower_bound(FIndexMap.begin(), FIndexMap.end(), ItemIndex);
  if (it == FIndexMap.end() || *it != ItemIndex) return -1;
  const auto row = static_cast<int32_t>(it - FIndexMap.begin());
  return row < FRowCount ? row : -1;
}

TVirtualListViewCellInfo TVirtualListViewStore::GetEmptyCellInfo() { return TVirtualListViewCellInfo{}; }

TVirtualListViewCellInfo TVirtualListViewStore::GetCellInfo(int32_t ItemIndex, int32_t Position) const {
  TVirtualListViewCellInfo info;
  if (!InRange(ItemIndex, VirtualItems)) return info;
  const TVirtualListViewItem& item = VirtualItems[static_cast<size_t>(ItemIndex)];
  info.ItemID = item.ID;
  info.ExtraValue = item.ExtraValue;
  info.ItemIndex = ItemIndex;
  info.ListItem = GetRowForItemIndex(ItemIndex);
  const TVirtualListViewColumnInfo* d = ColumnAt(Position);
  if (d == nullptr) return info;
  info.ColumnPosition = Position;
  info.ColumnInfoIndex = FVisibleColumns[static_cast<size_t>(Position)];
  info.ColumnID = d->ColumnID;
  info.ColumnType = d->ColumnType;
  info.EditType = d->EditType;
  info.FormatType = d->FormatType;
  info.Content = GetCellContentAsString(ItemIndex, Position);
  return info;
}

TVirtualListViewCellInfo TVirtualListViewStore::GetCellUnder(const TVirtualListViewCellInfo& Cell) const {
  const int32_t row = GetRowForItemIndex(Cell.ItemIndex);
  if (row < 0 || row + 1 >= FRowCount) return GetEmptyCellInfo();
  return GetCellInfo(GetItemIndexForListItem(row + 1), Cell.ColumnPosition);
}

TVirtualListViewCellInfo TVirtualListViewStore::GetCellRight(const TVirtualListViewCellInfo& Cell) const {
  if (Cell.ColumnPosition < 0 || Cell.ColumnPosition + 1 >= static_cast<int32_t>(FVisibleColumns.size())) {
    return GetEmptyCellInfo();
  }
  return GetCellInfo(Cell.ItemIndex, Cell.ColumnPosition + 1);
}

TVirtualListViewCellInfo TVirtualListViewStore::GetCellLeft(const TVirtualListViewCellInfo& Cell) const {
  if (Cell.ColumnPosition <= 0 || Cell.ColumnPosition > static_cast<int32_t>(FVisibleColumns.size())) {
    return GetEmptyCellInfo();
  }
  return GetCellInfo(Cell.ItemIndex, Cell.ColumnPosition - 1);
}

TVirtualListViewCellInfo TVirtualListViewStore::GetCellFirstOfRow(int32_t ItemIndex) const {
  if (!InRange(ItemIndex, VirtualItems) || FVisibleColumns.empty()) return GetEmptyCellInfo();
  return GetCellInfo(ItemIndex, 0);
}

TVirtualListViewCellInfo TVirtualListViewStore::GetCellLastOfRow(int32_t ItemIndex) const {
  if (!InRange(ItemIndex, VirtualItems) || FVisibleColumns.empty()) return GetEmptyCellInfo();
  return GetCellInfo(ItemIndex, static_cast<int32_t>(FVisibleColumns.size()) - 1);
}

void TVirtualListViewStore::SelectItemProc(TVirtualListViewListItem Item, bool Selected) {
  const int32_t index = GetItemIndexForListItem(Item);
  if (!InRange(index, VirtualItems)) return;
  if (OnSelectVirtualListItem) {
    OnSelectVirtualListItem(FSender, Item, Selected, index, VirtualItems[static_cast<size_t>(index)].ID);
  }
}

void TVirtualListViewStore::ItemCheckedProc(TVirtualListViewListItem Item, bool Checked) {
  const int32_t index = GetItemIndexForListItem(Item);
  if (!InRange(index, VirtualItems)) return;
  VirtualItems[static_cast<size_t>(index)].Checked = Checked;
  if (OnCheckItem) OnCheckItem(FSender, Item, Checked, index, VirtualItems[static_cast<size_t>(index)].ID);
}

void TVirtualListViewStore::ColClick(int32_t Position) {
  PlatformSelectRows({});
  TVirtualListViewColumnType type;
  int32_t valueIndex;
  GetColumnTypeAndIndex(Position, type, valueIndex);
  if (type == vlvColNone || !AllowSortingColumnHeaders) return;
  if (FSortUpNext) {
    SortUp(type, valueIndex);
    FSortUpNext = false;
  } else {
    SortDown(type, valueIndex);
    FSortUpNext = true;
  }
}

void TVirtualListViewStore::DropSelectedOnRow(int32_t TargetRow) {
  if (!FAllowItemRearranging) return;
  PlatformBeginUpdate();
  const size_t n = VirtualItems.size();
  std::vector<uint8_t> selected(n, 0);
  for (int32_t row : PlatformSelectedRows()) {
    const int32_t index = GetItemIndexForListItem(row);
    if (InRange(index, VirtualItems)) selected[static_cast<size_t>(index)] = 1;
  }
  const bool toEnd = TargetRow < 0 || TargetRow >= FRowCount || GetItemIndexForListItem(TargetRow) < 0;
  const size_t target = toEnd ? n : static_cast<size_t>(GetItemIndexForListItem(TargetRow));
  TVirtualListViewItems block;
  TVirtualListViewItems packed;
  size_t selectedBefore = 0;
  for (size_t i = 0; i < n; ++i) {
    if (selected[i]) {
      block.push_back(std::move(VirtualItems[i]));
      if (i < target) ++selectedBefore;
    } else {
      packed.push_back(std::move(VirtualItems[i]));
    }
  }
  size_t place = packed.size();
  if (!toEnd) {
    place = selectedBefore >= 1 ? target - (selectedBefore - 1) : target;
    // A drop onto a selected row near the end can point past the packed items.
    place = std::min(place, packed.size());
  }
  VirtualItems.clear();
  VirtualItems.reserve(n);
  std::move(packed.begin(), packed.begin() + static_cast<ptrdiff_t>(place), std::back_inserter(VirtualItems));
  std::move(block.begin(), block.end(), std::back_inserter(VirtualItems));
  std::move(packed.begin() + static_cast<ptrdiff_t>(place), packed.end(), std::back_inserter(VirtualItems));
  PlatformSelectRows({});
  RefreshItemCount();
  PlatformEndUpdate();
  Notify(OnRearrangingDone);
  Notify(OnChange);
}
