#include "controls/list_view_items.h"

#include <algorithm>
#include <cmath>

#include "foundation/proportional_widths.h"
#include "foundation/str_transform.h"

namespace {

template <typename T>
bool InRange(int32_t index, const T& v) {
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
      VirtualItems.SetCellCounts(FStrColCount, FIntColCount);
    }
  } else if (ColumnType == vlvColCustomInt) {
    if (FIntColCount < ValueIndex + 1) {
      FIntColCount = ValueIndex + 1;
      VirtualItems.SetCellCounts(FStrColCount, FIntColCount);
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
  if (AtTop && !VirtualItems.empty()) {
    VirtualItems.InsertFront(ID);
    return 0;
  }
  return static_cast<int32_t>(VirtualItems.Append(ID));
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
  const auto i = static_cast<size_t>(index);
  if (!StrValues.empty() && StrValues.size() <= VirtualItems.StrCount(i)) {
    for (size_t c = 0; c < StrValues.size(); ++c) VirtualItems.SetStr(i, c, StrValues[c]);
  }
  if (!IntValues.empty() && IntValues.size() <= VirtualItems.IntCount(i)) {
    for (size_t c = 0; c < IntValues.size(); ++c) VirtualItems.SetInt(i, c, IntValues[c]);
  }
  VirtualItems.SetExtraValue(i, ExtraValue);
  AddingDone(index);
  return index;
}

int32_t TVirtualListViewStore::AddItem64(int32_t ID, const TInt64Array& IntValues, const TStrArray& StrValues,
                                         bool AtTop) {
  const int32_t index = NewItem(ID, AtTop);
  const auto i = static_cast<size_t>(index);
  for (size_t c = 0; c < std::min(IntValues.size(), VirtualItems.IntCount(i)); ++c) {
    VirtualItems.SetInt(i, c, IntValues[c]);
  }
  for (size_t c = 0; c < std::min(StrValues.size(), VirtualItems.StrCount(i)); ++c) {
    VirtualItems.SetStr(i, c, StrValues[c]);
  }
  AddingDone(index);
  return index;
}

int32_t TVirtualListViewStore::AddItem(bool Checked, int32_t ID, const std::string& S1, const std::string& S2,
                                       const std::string& S3, const std::string& S4, const std::string& S5,
                                       const std::string& S6) {
  const int32_t index = NewItem(ID, false);
  const auto i = static_cast<size_t>(index);
  VirtualItems.SetChecked(i, Checked);
  // Hosts define enough string cells; a host that did not loses the extra texts.
  auto put = [this, i](size_t cell, const std::string& s) {
    if (!IsNulMarker(s) && cell < VirtualItems.StrCount(i)) VirtualItems.SetStr(i, cell, s);
  };
  if (VirtualItems.StrCount(i) > 0) VirtualItems.SetStr(i, 0, S1);
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
  const auto i = static_cast<size_t>(Index);
  for (size_t c = 0; c < std::min(StrValues.size(), VirtualItems.StrCount(i)); ++c) {
    VirtualItems.SetStr(i, c, StrValues[c]);
  }
  for (size_t c = 0; c < std::min(IntValues.size(), VirtualItems.IntCount(i)); ++c) {
    VirtualItems.SetInt(i, c, IntValues[c]);
  }
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
  VirtualItems.Keep(drop);
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
        OnDeleteItem(FSender, row, index, VirtualItems.ID(static_cast<size_t>(index)), del, applyToAll);
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
  for (size_t i = 0; i < VirtualItems.size(); ++i) {
    next = std::max<int64_t>(next, static_cast<int64_t>(VirtualItems.ID(i)) + 1);
  }
  return static_cast<int32_t>(std::min<int64_t>(next, INT32_MAX));
}

int32_t TVirtualListViewStore::GetFirstItemIndexWithID(int32_t ID) const {
  for (size_t i = 0; i < VirtualItems.size(); ++i) {
    if (VirtualItems.ID(i) == ID) return static_cast<int32_t>(i);
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

std::string TVirtualListViewStore::CellRawText(size_t item, const TVirtualListViewColumnInfo& d) const {
  const TVirtualListViewItems& items = VirtualItems;
  const auto cell = static_cast<size_t>(d.ValueIndex);
  switch (d.ColumnType) {
    case vlvColNone: return "?";
    case vlvColCustomStr:
    case vlvColCustomStrDynamic:
      return d.ValueIndex >= 0 && cell < items.StrCount(item) ? std::string(items.Str(item, cell)) : std::string();
    case vlvColCustomInt:
      return d.ValueIndex >= 0 && cell < items.IntCount(item) ? IntToStr(items.Int(item, cell)) : std::string();
  }
  return std::string();
}

std::string TVirtualListViewStore::GetCellContentAsString(int32_t ItemIndex, int32_t Position) const {
  const TVirtualListViewColumnInfo* d = ColumnAt(Position);
  if (d == nullptr || !InRange(ItemIndex, VirtualItems)) return std::string();
  return CellRawText(static_cast<size_t>(ItemIndex), *d);
}

bool TVirtualListViewStore::SetCellContentFromString(int32_t ItemIndex, int32_t Position, const std::string& Text) {
  const TVirtualListViewColumnInfo* d = ColumnAt(Position);
  if (d == nullptr || !InRange(ItemIndex, VirtualItems)) return false;
  const auto i = static_cast<size_t>(ItemIndex);
  const auto cell = static_cast<size_t>(d->ValueIndex);
  if (d->ColumnType == vlvColCustomStr || d->ColumnType == vlvColCustomStrDynamic) {
    if (d->ValueIndex < 0 || cell >= VirtualItems.StrCount(i)) return false;
    VirtualItems.SetStr(i, cell, Text);
    return true;
  }
  if (d->ColumnType == vlvColCustomInt) {
    int32_t value = 0;
    if (d->ValueIndex < 0 || cell >= VirtualItems.IntCount(i) || !TryStrToInt(Trim(Text), value)) return false;
    VirtualItems.SetInt(i, cell, value);
    return true;
  }
  return false;
}

std::string TVirtualListViewStore::GetCustomIntContent(int32_t ItemIndex, int32_t ColumnInfoIndex) const {
  if (!InRange(ItemIndex, VirtualItems) || !InRange(ColumnInfoIndex, FColumnInfos)) return std::string();
  const TVirtualListViewColumnInfo& d = FColumnInfos[static_cast<size_t>(ColumnInfoIndex)];
  const TVirtualListViewItems& items = VirtualItems;
  const auto i = static_cast<size_t>(ItemIndex);
  if (d.ValueIndex < 0 || static_cast<size_t>(d.ValueIndex) >= items.IntCount(i)) return std::string();
  return VlvFormatIntCell(items.Int(i, static_cast<size_t>(d.ValueIndex)), d.FormatType, d.Options, Display);
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
  const auto i = static_cast<size_t>(ItemIndex);
  switch (d->ColumnType) {
    case vlvColNone: return "?";
    case vlvColCustomStr:
    case vlvColCustomStrDynamic: {
      std::string text = CellRawText(i, *d);
      if (d->ColumnType == vlvColCustomStrDynamic && OnFetchDynamicStrColumnContent) {
        // The handler may change the list; it works on copies that are
        // written back only while the item still exists.
        const TVirtualListViewFormatType format = d->FormatType;
        const TKeyValueArrayObj optionMap = d->OptionMap;
        int32_t id = VirtualItems.ID(i);
        OnFetchDynamicStrColumnContent(FSender, ItemIndex, d->ValueIndex, id, text);
        if (InRange(ItemIndex, VirtualItems)) VirtualItems.SetID(i, id);
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
      if (d->ValueIndex < 0 || static_cast<size_t>(d->ValueIndex) >= VirtualItems.IntCount(i)) return std::string();
      return VlvFormatIntCell(VirtualItems.Int(i, static_cast<size_t>(d->ValueIndex)), d->FormatType, d->Options,
                              Display);
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
  info.ItemID = VirtualItems.ID(static_cast<size_t>(ItemIndex));
  info.ExtraValue = VirtualItems.ExtraValue(static_cast<size_t>(ItemIndex));
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
    OnSelectVirtualListItem(FSender, Item, Selected, index, VirtualItems.ID(static_cast<size_t>(index)));
  }
}

void TVirtualListViewStore::ItemCheckedProc(TVirtualListViewListItem Item, bool Checked) {
  const int32_t index = GetItemIndexForListItem(Item);
  if (!InRange(index, VirtualItems)) return;
  VirtualItems.SetChecked(static_cast<size_t>(index), Checked);
  if (OnCheckItem) OnCheckItem(FSender, Item, Checked, index, VirtualItems.ID(static_cast<size_t>(index)));
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
  std::vector<int32_t> block;
  std::vector<int32_t> packed;
  size_t selectedBefore = 0;
  for (size_t i = 0; i < n; ++i) {
    if (selected[i]) {
      block.push_back(static_cast<int32_t>(i));
      if (i < target) ++selectedBefore;
    } else {
      packed.push_back(static_cast<int32_t>(i));
    }
  }
  size_t place = packed.size();
  if (!toEnd) {
    place = selectedBefore >= 1 ? target - (selectedBefore - 1) : target;
    // A drop onto a selected row near the end can point past the packed items.
    place = std::min(place, packed.size());
  }
  std::vector<int32_t> order;
  order.reserve(n);
  order.insert(order.end(), packed.begin(), packed.begin() + static_cast<ptrdiff_t>(place));
  order.insert(order.end(), block.begin(), block.end());
  order.insert(order.end(), packed.begin() + static_cast<ptrdiff_t>(place), packed.end());
  VirtualItems.Permute(order);
  PlatformSelectRows({});
  RefreshItemCount();
  PlatformEndUpdate();
  Notify(OnRearrangingDone);
  Notify(OnChange);
}
