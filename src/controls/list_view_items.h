// The item store of the virtual list view: column definitions, the item
// array, cell texts, sorting, the row filter, drag re-ordering, content
// transfer and exports. Plain C++: the widget derives from it and answers the
// Platform… hooks; headless, the store keeps its own row selection.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/list_view_format.h"
#include "controls/list_view_item_store.h"
#include "controls/list_view_types.h"
#include "foundation/number_format.h"
#include "foundation/types.h"

class TVirtualListView;

using TVirtualListViewNotifyEvent = std::function<void(TVirtualListView* Sender)>;
using TVirtualListViewAddingDoneProc =
    std::function<void(TVirtualListView* Sender, const TIntArray& ARecentlyAddedItems)>;
using TVirtualListViewDeleteItemProc =
    std::function<void(TVirtualListView* Sender, TVirtualListViewListItem AItem, int32_t AIndex, int32_t AID,
                       bool& ACanDelete, bool& AApplyToAll)>;
using TVirtualListViewReplacingDoneProc = std::function<void(TVirtualListView* Sender, int32_t AItemIndexReplaced)>;
using TVirtualListViewCellChangeInitProc =
    std::function<void(TVirtualListView* Sender, const TVirtualListViewCellInfo& ACellInfo, int32_t AIndex, int32_t AID,
                       std::string& AValue, bool& ACanChange, bool& AShowEditInput)>;
using TVirtualListViewCellChangeProc =
    std::function<void(TVirtualListView* Sender, const TVirtualListViewCellInfo& ACellInfo, int32_t AIndex, int32_t AID,
                       const std::string& AOldContent, const std::string& ANewContent, bool& ACanChange)>;
using TVirtualListViewSelectItemProc = std::function<void(TVirtualListView* Sender, TVirtualListViewListItem AItem,
                                                          bool ASelected, int32_t AIndex, int32_t AID)>;
using TVirtualListViewFetchDynamicStrColumnContentProc = std::function<void(
    TVirtualListView* Sender, int32_t AItemIndex, int32_t AStrColumnIndex, int32_t& AID, std::string& AContent)>;
using TVirtualListViewCheckItemProc = std::function<void(TVirtualListView* Sender, TVirtualListViewListItem AItem,
                                                         bool AChecked, int32_t AIndex, int32_t AID)>;

class TVirtualListViewStore {
 public:
  TVirtualListViewStore() = default;
  virtual ~TVirtualListViewStore() = default;
  TVirtualListViewStore(const TVirtualListViewStore&) = delete;
  TVirtualListViewStore& operator=(const TVirtualListViewStore&) = delete;

  // --- Public state ----------------------------------------------------------
  TVirtualListViewItems VirtualItems;
  bool AllowDublicates = false;
  bool AllowDelKey = true;
  bool AllowSortingColumnHeaders = true;
  bool CheckboxViaRow = false;
  bool DefaultDraw = false;
  bool SortStable = true;
  int32_t FixedRowsBottom = 0;
  TGraphicsColor ColorHighlight = RGBToColor(0x30, 0x8c, 0xc6);
  // FileSizeType, FileSizeDecimalPlaces, FileSizeIncludeUnit, TimeFormat and
  // the locale parts of the cell texts.
  TListViewDisplaySettings Display;

  // --- Events -----------------------------------------------------------------
  TVirtualListViewAddingDoneProc OnAddingDone;
  TVirtualListViewNotifyEvent OnChange;
  TVirtualListViewDeleteItemProc OnDeleteItem;
  TVirtualListViewNotifyEvent OnDeletionDone;
  TVirtualListViewReplacingDoneProc OnReplacingDone;
  TVirtualListViewNotifyEvent OnRearrangingDone;
  TVirtualListViewNotifyEvent OnSortingDone;
  TVirtualListViewCellChangeInitProc OnCellChangeInit;
  TVirtualListViewCellChangeProc OnCellChange;
  TVirtualListViewNotifyEvent OnCellChangeDone;
  TVirtualListViewSelectItemProc OnSelectVirtualListItem;
  TVirtualListViewFetchDynamicStrColumnContentProc OnFetchDynamicStrColumnContent;
  TVirtualListViewNotifyEvent OnCopy;
  TVirtualListViewNotifyEvent OnPaste;
  TVirtualListViewCheckItemProc OnCheckItem;

  // --- Properties with effects -------------------------------------------------
  bool AllowItemRearranging() const { return FAllowItemRearranging; }
  virtual void SetAllowItemRearranging(bool value) { FAllowItemRearranging = value; }
  bool ColumnAutoSize() const { return FColumnAutoSize; }
  void SetColumnAutoSize(bool value);
  int32_t ItemLimit() const { return FItemLimit; }
  // A limit below the item count removes the surplus items from the end like
  // a removal: rows, selection and the deletion events follow.
  void SetItemLimit(int32_t value);
  bool FilterOn() const { return FFilterOn; }
  void SetFilterOn(bool value);
  bool Checkboxes() const { return FCheckboxes; }
  virtual void SetCheckboxes(bool value) { FCheckboxes = value; }
  const TVirtualListViewColumnInfos& ColumnInfos() const { return FColumnInfos; }
  const TIntArray& VisibleColumns() const { return FVisibleColumns; }
  const TIntArray& IndexMap() const { return FIndexMap; }
  int32_t StrColCount() const { return FStrColCount; }
  int32_t IntColCount() const { return FIntColCount; }
  bool IsUpdating() const { return FUpdating; }
  bool IsEditing() const { return FEditing; }
  // The row count the platform shows (changed only by RefreshItemCount).
  int32_t RowCount() const { return FRowCount; }

  // --- Definitions ----------------------------------------------------------------
  void ClearDataAndDefinitions();
  int32_t AddColumn(TVirtualListViewColumnType ColumnType, int32_t ValueIndex, const std::string& Caption,
                    int32_t Width, int32_t ColumnID, TAlignment Alignment, TVirtualListViewEditType EditType,
                    TVirtualListViewFormatType FormatType, const TStrArray& Options);
  void SetColumnCaption(TVirtualListViewColumnType ColumnType, int32_t ValueIndex, const std::string& Caption);
  int32_t SetColumnInfo(TVirtualListViewColumnType ColumnType, int32_t ValueIndex, const std::string& Caption,
                        int32_t Width, int32_t ColumnID, TAlignment Alignment, TVirtualListViewEditType EditType,
                        TVirtualListViewFormatType FormatType, const TStrArray& Options);
  int32_t GetColumnInfoIndex(TVirtualListViewColumnType ColumnType, int32_t ValueIndex, bool AddIfMissing);
  bool GetColumnTypeAndIndex(int32_t Position, TVirtualListViewColumnType& ColumnType, int32_t& ValueIndex) const;
  void RefreshColumns(bool Captions, bool Widths);

  // --- Items ------------------------------------------------------------------------
  int32_t AddItem(int32_t ID, const TStrArray& StrValues, const TIntArray& IntValues, bool AtTop = false);
  int32_t AddItem(int32_t ID, int32_t ExtraValue, const TStrArray& StrValues, const TIntArray& IntValues,
                  bool AtTop = false);
  int32_t AddItem64(int32_t ID, const TInt64Array& IntValues, const TStrArray& StrValues, bool AtTop = false);
  int32_t AddItem(bool Checked, int32_t ID, const std::string& S1, const std::string& S2 = NulMarker(),
                  const std::string& S3 = NulMarker(), const std::string& S4 = NulMarker(),
                  const std::string& S5 = NulMarker(), const std::string& S6 = NulMarker());
  bool ReplaceItem(int32_t Index, const TStrArray& StrValues, const TIntArray& IntValues);
  int32_t ReplaceItemWithID(int32_t ID, const TStrArray& StrValues, const TIntArray& IntValues, bool AddIfMissing);
  void RemoveSelected();
  void RemoveNotSelected();
  void RemoveAll();
  void RemoveAllWithoutDeletionDoneNotification();
  int32_t GetItemCount() const { return static_cast<int32_t>(VirtualItems.size()); }
  void RefreshItemCount();
  int32_t GetNextFreeID(int32_t Start) const;
  int32_t GetFirstItemIndexWithID(int32_t ID) const;
  bool HasSelectedItems() const;
  void BeginUpdate();
  void EndUpdate();

  // --- Cell texts -------------------------------------------------------------------
  std::string GetCellContentAsString(int32_t ItemIndex, int32_t Position) const;
  bool SetCellContentFromString(int32_t ItemIndex, int32_t Position, const std::string& Text);
  std::string GetCustomIntContent(int32_t ItemIndex, int32_t ColumnInfoIndex) const;
  std::string GetOptionStr(int32_t Value, int32_t ColumnInfoIndex, bool AfterEquals) const;
  std::string GetOptionStr(const std::string& Key, int32_t ColumnInfoIndex) const;
  int32_t GetValueFromOptionStr(const std::string& Text, int32_t ColumnInfoIndex) const;
  std::string GetValueFromStrOptionStr(const std::string& Text, int32_t ColumnInfoIndex) const;
  // The text a cell shows (dynamic columns ask the host each time).
  std::string GetCellDisplayText(int32_t ItemIndex, int32_t Position);

  // --- Rows, cells, sorting, filtering, re-ordering -----------------------------
  void SortUp(TVirtualListViewColumnType ColumnType, int32_t ValueIndex);
  void SortDown(TVirtualListViewColumnType ColumnType, int32_t ValueIndex);
  void SortInternal(TVirtualListViewColumnType ColumnType, int32_t ValueIndex, bool Descending);
  void FilterRefresh();
  int32_t AddFilter(const TVirtualListViewFilterRec& Filter);
  void ClearFilters();
  int32_t FilterCount() const { return static_cast<int32_t>(FFilters.size()); }
  const TVirtualListViewFilterArray& Filters() const { return FFilters; }
  // The item shown in a row: -1 for no row, else mapped while the filter is on.
  int32_t GetItemIndexForListItem(TVirtualListViewListItem Item) const;
  // The shown row of an item, -1 when it is not shown.
  int32_t GetRowForItemIndex(int32_t ItemIndex) const;
  static TVirtualListViewCellInfo GetEmptyCellInfo();
  TVirtualListViewCellInfo GetCellInfo(int32_t ItemIndex, int32_t Position) const;
  TVirtualListViewCellInfo GetCellUnder(const TVirtualListViewCellInfo& Cell) const;
  TVirtualListViewCellInfo GetCellRight(const TVirtualListViewCellInfo& Cell) const;
  TVirtualListViewCellInfo GetCellLeft(const TVirtualListViewCellInfo& Cell) const;
  TVirtualListViewCellInfo GetCellFirstOfRow(int32_t ItemIndex) const;
  TVirtualListViewCellInfo GetCellLastOfRow(int32_t ItemIndex) const;
  // Moves the selected rows to the drop row (-1: below the last row).
  void DropSelectedOnRow(int32_t TargetRow);
  // The header click: sorts by the column in alternating direction.
  void ColClick(int32_t Position);
  // Selection hooks for hosts and tests (rows are shown rows).
  TIntArray GetSelectedRows() const { return PlatformSelectedRows(); }
  void SetSelectedRows(const TIntArray& Rows) { PlatformSelectRows(Rows); }
  void SelectAll();
  int32_t GetFocusedRow() const { return PlatformFocusedRow(); }
  void SetFocusedRow(int32_t Row) { PlatformSetFocusedRow(Row); }
  // A check box changed by the user: stores the state, then OnCheckItem.
  void ItemCheckedProc(TVirtualListViewListItem Item, bool Checked);
  // The platform reports a selection change of a row.
  void SelectItemProc(TVirtualListViewListItem Item, bool Selected);

  // --- Content transfer and exports ------------------------------------------------
  TStrArray2D GetContentVisible(bool Captions, bool Formatted) const;
  std::string ExportAsTSV(bool Captions, bool Formatted) const;
  // The field separator is ";" under a decimal comma of the format, else ",".
  std::string ExportAsCSV(bool Captions, bool Formatted, const NumberFormat& Format) const;
  std::string ExportAsCSV(bool Captions, bool Formatted) const {
    return ExportAsCSV(Captions, Formatted, Display.Number);
  }
  std::string ExportAsTXT(bool Captions, bool Formatted) const;
  TStrArray2D GetContentAsStrArray(bool IDs, bool Checked, bool Captions) const;
  void SetContentFromStrArray(const TStrArray2D& Content, bool IDs, bool Checked, bool Clear);

 protected:
  // What the platform list view does; headless, the store keeps the rows
  // and the selection itself.
  virtual void PlatformRowCountChanged(int32_t OldCount, int32_t NewCount) {}
  virtual void PlatformRepaint() {}
  virtual void PlatformColumnsChanged() {}
  virtual void PlatformSetColumnWidth(int32_t Position, int32_t Width) {}
  virtual int32_t PlatformClientWidth() const { return HeadlessWidth; }
  virtual TIntArray PlatformSelectedRows() const { return FHeadlessSelection; }
  virtual void PlatformSelectRows(const TIntArray& Rows);
  virtual int32_t PlatformFocusedRow() const { return FHeadlessFocus; }
  virtual void PlatformSetFocusedRow(int32_t Row) { FHeadlessFocus = Row; }
  virtual void PlatformBeginUpdate() {}
  virtual void PlatformEndUpdate() {}

  TVirtualListView* FSender = nullptr;
  bool FEditing = false;

 public:
  // Headless width for the proportional column widths.
  int32_t HeadlessWidth = 400;

 private:
  int32_t NewItem(int32_t ID, bool AtTop);
  void Notify(const TVirtualListViewNotifyEvent& event) {
    if (event) event(FSender);
  }
  void AddingDone(int32_t index);
  void RemoveRows(bool removeSelected);
  // Keeps the items whose flag is 0, in order; then the ordinary ending of a
  // removal.
  void CompactItems(const std::vector<uint8_t>& drop);
  void RebuildIndexMap();
  bool ItemPassesFilter(size_t item) const;
  void SetRowCount(int32_t rows);
  const TVirtualListViewColumnInfo* ColumnAt(int32_t Position) const;
  std::string CellRawText(size_t item, const TVirtualListViewColumnInfo& d) const;
  void WriteColumnInfo(int32_t index, TVirtualListViewColumnType ColumnType, int32_t ValueIndex,
                       const std::string& Caption, int32_t Width, int32_t ColumnID, TAlignment Alignment,
                       TVirtualListViewEditType EditType, TVirtualListViewFormatType FormatType,
                       const TStrArray& Options);
  void GrowCells(TVirtualListViewColumnType ColumnType, int32_t ValueIndex);

  TVirtualListViewColumnInfos FColumnInfos;
  TIntArray FVisibleColumns;
  TIntArray FIndexMap;
  TVirtualListViewFilterArray FFilters;
  int32_t FStrColCount = 0;
  int32_t FIntColCount = 0;
  int32_t FRowCount = 0;
  bool FUpdating = false;
  bool FFilterOn = false;
  bool FAllowItemRearranging = true;
  bool FColumnAutoSize = false;
  bool FCheckboxes = false;
  int32_t FItemLimit = 0;
  bool FSortUpNext = true;
  TIntArray FHeadlessSelection;
  int32_t FHeadlessFocus = -1;
};
