// The file list view without its window: entries and information records,
// column definitions and the shown columns, cell texts, sorting, the row
// filter, selection and drag re-ordering, the view's texts, properties and
// events. Plain C++: the widget (filelist/qt/file_list_view.h) derives from
// it and answers the Platform… hooks; headless, the store keeps its own
// header columns, row count and selection.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "filelist/core/file_extension_filter.h"
#include "filelist/core/file_list_columns_catalogue.h"
#include "filelist/core/file_list_items.h"
#include "filelist/core/file_list_types.h"
#include "filelist/core/file_name_filter.h"
#include "foundation/hash_table.h"

class TFileListView;

using TFileListViewNotifyEvent = std::function<void(TFileListView* Sender)>;
using TFileListViewSelectItemProc =
    std::function<void(TFileListView* Sender, TFileListViewListItem AItem, bool ASelected, int32_t AIndex, int32_t AID,
                       const std::string& AFileName)>;
using TFileListViewCheckItemProc = TFileListViewSelectItemProc;
using TFileListViewFetchCustomColumnContentProc =
    std::function<void(TFileListView* Sender, int32_t AIndex, const std::string& AFileName, int32_t& AID,
                       TStrArray& ACustomStrColumns, TInt64Array& ACustomIntColumns)>;
using TFileListViewFetchDynamicColumnContentProc =
    std::function<void(TFileListView* Sender, int32_t AIndex, int32_t AFetchID, const std::string& AFileName,
                       int32_t& AID, std::string& AContent)>;
using TFileListViewFilterChangeProc = std::function<void(TFileListView* Sender, int32_t ANumberOfFilters)>;
using TFileListViewCellChangeProc =
    std::function<void(TFileListView* Sender, const TFileListViewCellInfo& ACellInfo, int32_t AIndex, int32_t AID,
                       const std::string& AOldContent, const std::string& ANewContent, bool& ACanChange)>;
using TFileListViewCellChangeInitProc =
    std::function<void(TFileListView* Sender, const TFileListViewCellInfo& ACellInfo, int32_t AIndex, int32_t AID,
                       std::string& AValue, bool& ACanChange, bool& AShowEditInput)>;
using TFileListViewDeleteItemProc = std::function<void(TFileListView* Sender, TFileListViewListItem AItem,
                                                       int32_t AIndex, int32_t AID, bool& ACanDelete)>;
using TFileListViewCanAddProc = std::function<void(TFileListView* Sender, const std::string& AFileName,
                                                   int32_t AExpectedIndex, bool AIsFolder, bool& ACanAdd)>;
using TFileListViewAddingDoneProc = std::function<void(TFileListView* Sender, const TIntArray& ARecentlyAddedItems)>;
using TFileListViewReadingOutStatusProc =
    std::function<void(TFileListView* Sender, int32_t AFileCurrent, int32_t AFileCount,
                       const TFileListViewReadingOutStatusInfoArray& AStatusInfoArr)>;
using TFileListViewDblClickItemProc = std::function<void(TFileListView* Sender, TFileListViewListItem AItem,
                                                         int32_t AIndex, int32_t AID, const std::string& AFileName)>;
using TFileListViewPopUpClickProc =
    std::function<void(TFileListView* Sender, int32_t APopUpItemID, TFileListViewListItem AItem, int32_t AIndex,
                       int32_t AID, const std::string& AFileName)>;
using TFileListViewCategoryProc = std::function<std::string(TFileListViewColumnType AType)>;

// A column of the list control's header.
struct TFileListViewGuiColumn {
  std::string Caption;
  int32_t Width = 0;
  TAlignment Alignment = taLeftJustify;
  bool operator==(const TFileListViewGuiColumn&) const = default;
};

// What the list control shows in one row.
struct TFileListViewRowData {
  int32_t ImageIndex = -1;
  std::string Caption;
  TStrArray SubItems;
  bool HasCheckState = false;
  bool Checked = false;
};

// Appends one type; its position.
int32_t AddColumTypeArrayElement(TFileListViewColumnTypeArr& AArray, TFileListViewColumnType AType);

// The view's date format from the system's short date and long time formats
// written with the tokens d, m, y, h, n, s: lower-cased, joined by a blank,
// with day and month widened to two digits and the year to four.
std::string FileListViewDateFormat(const std::string& shortDateFormat, const std::string& longTimeFormat);
// A date or time pattern of the system locale (d M y, H h m s) in those
// tokens; other fields (AM/PM, time zone) are dropped.
std::string LocalePatternToDateFormat(const std::string& pattern, bool isTime);

class TFileListViewStore {
  // The text blocks of entries and records, first so that they outlive them.
  TStringArena FTexts;

 public:
  TFileListViewStore();
  virtual ~TFileListViewStore();
  TFileListViewStore(const TFileListViewStore&) = delete;
  TFileListViewStore& operator=(const TFileListViewStore&) = delete;

  // --- Public properties (defaults after construction) -------------------------------
  bool AllowDublicates = true;
  bool AllowSortingColumnHeaders = true;
  bool AllowDelKey = true;
  bool AllowColumnCustomization = false;
  bool AllowFileListExport = true;
  bool AllowFileListImport = true;
  bool ApplyFilterForSingleFiles = false;
  bool AddFiles = true;
  bool AddFolders = false;
  bool AddFilesFromFolders = true;
  bool AddHiddenFiles = false;
  bool AddOnlyTextFiles = false;
  bool AddOnlyTextFilesDefault = false;
  TFileListViewColumnType AutoSortColumn = flvColNone;
  TSortingOrderType AutoSortOrder = soAscending;
  bool AutoItemIDs = false;
  bool AutoItemIDResetOnDeletion = false;
  bool SearchSubDirectories = true;
  bool SaveBaseDir = false;
  TAlwaysNeverAskOption UpdateFileListAfterFilterChange = anaOptAsk;
  bool OpenFileOnDoubleClick = true;
  bool ShowFileSearchProgressDialog = true;
  bool ShowStandardPopUpMenu = false;
  bool ShowPopUpMenuFileAddingOptions = true;
  bool ShowPopUpMenuOpenFile = true;
  bool ShowPopUpMenuRemoveBinaryFiles = false;
  bool ShowFilterOptOnlyTextFiles = false;
  bool ShowFilterFileType = false;
  bool ShowEncodingAlternatives = false;
  bool SortStable = true;
  TSizeType FileSizeType = sizeTypeBestUnit;
  int32_t FileSizeDecimalPlaces = 3;
  bool FileSizeIncludeUnit = true;
  std::string DateFormat;
  int32_t FileLimit = 0;
  bool RemoveFilesToEnsureFileLimit = false;
  bool CollectFilesRemoved = false;
  TFileListViewColumnTypeIndexRecArr ExportColumns;
  std::string FileListExportExt = "filelist";
  bool ReadOutDates = false;
  bool UseThreads = true;
  // The definitions; hosts may write their fields (OrderInitial of the
  // customizable ones, for instance).
  TFileListViewColumnInfos ColumnInfos;
  std::unique_ptr<TFileExtensionFilterObj> FileExtensionFilter;
  std::unique_ptr<TFileNameFilterObj> FileNameFilter;
  // How numbers and dates are written where the "locale's default" is meant.
  TFileListViewLocale Locale;

  TFileListViewStrRes StrRes;
  TStrArray StatusTexts;
  TFileListViewExportFormatInfo ExportFormat;
  TFileListViewPopUpCustomItemArray PopUpCustomItems;
  TFileListViewCategoryProc CategoryOfColumnTypeProc;

  // --- Events ------------------------------------------------------------------------------
  TFileListViewSelectItemProc OnSelectFileListItem;
  TFileListViewCheckItemProc OnCheckItem;
  TFileListViewFetchCustomColumnContentProc OnFetchCustomColumnContent;
  TFileListViewFetchDynamicColumnContentProc OnFetchDynamicColumnContent;
  TFileListViewFilterChangeProc OnFilterChange;
  TFileListViewCellChangeProc OnCellChange;
  TFileListViewCellChangeInitProc OnCellChangeInit;
  TFileListViewNotifyEvent OnCellChangeDone;
  TFileListViewDeleteItemProc OnDeleteItem;
  TFileListViewNotifyEvent OnDeletionDone;
  TFileListViewCanAddProc OnCanAdd;
  TFileListViewAddingDoneProc OnAddingDone;
  TFileListViewNotifyEvent OnSortingDone;
  TFileListViewNotifyEvent OnRearrangingDone;
  TFileListViewNotifyEvent OnReadingOutDone;
  TFileListViewReadingOutStatusProc OnReadingOutStatus;
  TFileListViewDblClickItemProc OnDblClickItem;
  TFileListViewPopUpClickProc OnPopUpClick;

  // --- Properties with effects ----------------------------------------------------------------
  bool FilterOn() const { return FFilterOn; }
  void SetFilterOn(bool value);
  bool ColumnAutoSize() const { return FColumnAutoSize; }
  void SetColumnAutoSize(bool value);
  bool AllowItemRearranging() const { return FAllowItemRearranging; }
  virtual void SetAllowItemRearranging(bool value) { FAllowItemRearranging = value; }
  bool ShowFileIcons() const { return FShowFileIcons; }
  virtual void SetShowFileIcons(bool value) { FShowFileIcons = value; }
  bool Checkboxes() const { return FCheckboxes; }
  virtual void SetCheckboxes(bool value) { FCheckboxes = value; }

  // The reading-out switches. Switching a kind on reads what is missing of
  // it; folder and volume information are read on every assignment of true.
  bool ReadOutTextInfo() const { return FReadOut[Kind(TFileListViewInfoKind::Text)]; }
  bool ReadOutImageInfo() const { return FReadOut[Kind(TFileListViewInfoKind::Image)]; }
  bool ReadOutVolumeInfo() const { return FReadOut[Kind(TFileListViewInfoKind::Volume)]; }
  bool ReadOutAudioInfo() const { return FReadOut[Kind(TFileListViewInfoKind::Audio)]; }
  bool ReadOutVideoInfo() const { return FReadOut[Kind(TFileListViewInfoKind::Video)]; }
  bool ReadOutDocumentInfo() const { return FReadOut[Kind(TFileListViewInfoKind::Document)]; }
  bool ReadOutFolderInfo() const { return FReadOut[Kind(TFileListViewInfoKind::Folder)]; }
  bool ReadOutCheckSums() const { return FReadOut[Kind(TFileListViewInfoKind::CheckSum)]; }
  bool ReadOutAttributes() const { return FReadOut[Kind(TFileListViewInfoKind::Attribute)]; }
  void SetReadOutTextInfo(bool value) { SetReadOut(TFileListViewInfoKind::Text, value); }
  void SetReadOutImageInfo(bool value) { SetReadOut(TFileListViewInfoKind::Image, value); }
  void SetReadOutVolumeInfo(bool value) { SetReadOut(TFileListViewInfoKind::Volume, value); }
  void SetReadOutAudioInfo(bool value) { SetReadOut(TFileListViewInfoKind::Audio, value); }
  void SetReadOutVideoInfo(bool value) { SetReadOut(TFileListViewInfoKind::Video, value); }
  void SetReadOutDocumentInfo(bool value) { SetReadOut(TFileListViewInfoKind::Document, value); }
  void SetReadOutFolderInfo(bool value) { SetReadOut(TFileListViewInfoKind::Folder, value); }
  void SetReadOutCheckSums(bool value) { SetReadOut(TFileListViewInfoKind::CheckSum, value); }
  void SetReadOutAttributes(bool value) { SetReadOut(TFileListViewInfoKind::Attribute, value); }
  bool ReadOut(TFileListViewInfoKind kind) const { return FReadOut[Kind(kind)]; }
  void SetReadOut(TFileListViewInfoKind kind, bool value);
  // The switches as they stood when the view finished loading.
  bool ReadOutAtLoad(TFileListViewInfoKind kind) const { return FReadOutAtLoad[Kind(kind)]; }

  // --- Entries and information ------------------------------------------------------------------
  const TFileListViewItemStore& Items() const { return FItems; }
  int32_t GetFileCount() const { return static_cast<int32_t>(FItems.size()); }
  TFileListViewItem GetItem(int32_t index) const { return FItems.Get(static_cast<size_t>(index)); }
  void SetItem(int32_t index, const TFileListViewItem& item) { FItems.Set(static_cast<size_t>(index), item); }
  // Appends an entry as it is (no admission, no row refresh); its index.
  int32_t AppendItem(const TFileListViewItem& item);
  void SetItemChecked(int32_t index, bool checked);
  int32_t CustomStrColumnCount() const { return FCustomStrColumnCount; }
  int32_t CustomIntColumnCount() const { return FCustomIntColumnCount; }
  void SetCustomColumnCounts(int32_t strCount, int32_t intCount);

  TFileListViewFolderInfos FolderInfos{FTexts};
  TFileListViewVolumeInfos VolumeInfos{FTexts};
  TFileListViewTextInfos TextInfos{FTexts};
  TFileListViewAudioInfos AudioInfos{FTexts};
  TFileListViewVideoInfos VideoInfos{FTexts};
  TFileListViewImageInfos ImageInfos{FTexts};
  TFileListViewDocumentInfos DocumentInfos{FTexts};
  TFileListViewAttributeInfos AttributeInfos{FTexts};
  TFileListViewCheckSumInfos CheckSumInfos{FTexts};
  // Empties the nine information arrays (the list holds no entry then).
  void ClearInfoArrays();
  // Moves the live texts of entries and records into fresh blocks once the
  // dropped ones outweigh them.
  void CompactTextsIfWorthIt();
  // Bytes in the shared text blocks, dropped texts included.
  size_t TextBytesHeld() const { return FTexts.BytesAdded(); }

  // --- Life cycle ---------------------------------------------------------------------------
  void ClearDataAndDefinitions();
  // After the host set the view up: remembers the reading-out switches.
  void Loaded();
  static TFileListViewCellInfo GetEmptyCellInfo() { return TFileListViewCellInfo{}; }

  // --- Column definitions and shown columns --------------------------------------------------
  const TIntArray& ColumnsVisible() const { return FColumnsVisible; }
  const TIntArray& ColumnsCustomizable() const { return FColumnsCustomizable; }
  bool ColumnsRefreshLocked() const { return FColumnsRefreshLocked; }
  void SetColumnsRefreshLocked(bool value) { FColumnsRefreshLocked = value; }
  int32_t GetColumnInfoIndex(TFileListViewColumnType AColumnType, int32_t ACustomIndex, bool ACreate);
  int32_t SetColumnInfo(TFileListViewColumnType AColumnType, int32_t ACustomIndex, const std::string& ACaption,
                        int32_t AWidth, int32_t ATag, TAlignment AAlignment, TFileListViewEditType AEditType,
                        TFileListViewFormatType AFormatType, const TStrArray& ADropDownValues, bool ACustomizable,
                        bool AVisible);
  bool SetColumnInfo(int32_t AIndex, const std::string& ACaption, int32_t AWidth, int32_t ATag, TAlignment AAlignment,
                     TFileListViewEditType AEditType, TFileListViewFormatType AFormatType,
                     const TStrArray& ADropDownValues, bool ACustomizable, bool AVisible);
  void SetColumns(const TFileListViewColumnTypeArr& AColumnTypes);
  void SetColumns(TFileListViewColumnType C1, TFileListViewColumnType C2 = flvColNone,
                  TFileListViewColumnType C3 = flvColNone, TFileListViewColumnType C4 = flvColNone,
                  TFileListViewColumnType C5 = flvColNone, TFileListViewColumnType C6 = flvColNone,
                  TFileListViewColumnType C7 = flvColNone, TFileListViewColumnType C8 = flvColNone,
                  TFileListViewColumnType C9 = flvColNone);
  bool IsColumnVisible(TFileListViewColumnType AColumnType) const;
  bool HasColumn(TFileListViewColumnType ColumnType) const { return IsColumnVisible(ColumnType); }
  bool GetColumnTypeAndIndex(int32_t AColumn, TFileListViewColumnType& AColumnType, int32_t& ACustomIndex) const;
  void RefreshColumns(bool ACaptions, bool AWidths, bool AStructure);
  void GetColumnCustomizableVisInfoInitial(TFileListViewColumnVisInfoArray& AList) const;
  void GetColumnCustomizableVisInfoCurrent(TFileListViewColumnVisInfoArray& AList) const;
  void SetColumnsCustomizableAndColumnsVisibleFromColumnVisInfoArray(const TFileListViewColumnVisInfoArray& AList,
                                                                     bool ARefreshColumns,
                                                                     bool ARefreshReadOutProperties);
  void RefreshReadOutPropertiesBasedOnColumnsCurrentlyVisible();
  // The header's columns as the list control shows them.
  const std::vector<TFileListViewGuiColumn>& GuiColumns() const { return FGuiColumns; }

  // --- Column state ---------------------------------------------------------------------------
  void RefreshColumnWidthCurrentFromGUI();
  void RefreshColumnInfosVisibleCurrentFromColumnsVisibleArray();
  void SetColumnCaption(TFileListViewColumnType AColumnType, const std::string& ACaption);
  void SetColumnCaption(TFileListViewColumnType AColumnType, int32_t ACustomIndex, const std::string& ACaption);
  std::string ColumnTypeToStr(TFileListViewColumnType AColumnType) const;
  // The control changed its size.
  void ResizeInternal();

  // --- Cells ----------------------------------------------------------------------------------
  // The row's icon, texts and check mark (nothing for a row beyond the list).
  bool DataProc(TFileListViewListItem Item, TFileListViewRowData& Data);
  // The text of the entry at index in the shown column at position, as a row
  // shows it ("" for no such column).
  std::string GetCellDisplayText(int32_t index, int32_t position);
  std::string GetCellContentAsString(int32_t ARow, int32_t ACol) const;
  std::string GetCellContentAsString(int32_t ARow, TFileListViewColumnType AColumnType, int32_t AIndex) const;
  std::string GetFileTypeStr(int32_t AFileType, bool APlural) const;
  std::string GetFileStatusAsString(int32_t AStatus) const;

  // --- Rows -------------------------------------------------------------------------------------
  // The shown row count (changed only by RefreshItemCount and the filter).
  int32_t RowCount() const { return FRowCount; }
  void RefreshItemCount();
  int32_t GetIndexOfListItem(TFileListViewListItem Item) const;
  int32_t LastSelectedIndex() const { return FLastSelectedIndex; }
  void SelectItemProc(TFileListViewListItem Item, bool Selected);
  // The user ticked or cleared a row's check box: the entry keeps the state.
  void ItemCheckedProc(TFileListViewListItem Item, bool Checked);
  TIntArray GetSelectedRows() const { return PlatformSelectedRows(); }
  // The entries of the selected rows (through the filter while it is on),
  // ascending.
  TIntArray GetSelectedItemIndexes() const;
  void SetSelectedRows(const TIntArray& Rows) { PlatformSelectRows(Rows); }

  // --- Sorting ----------------------------------------------------------------------------------
  void SortUp(TFileListViewColumnType AColumnType, int32_t AIndex);
  void SortDown(TFileListViewColumnType AColumnType, int32_t AIndex);
  void SortInternal(TFileListViewColumnType AColumnType, int32_t AIndex, bool ADescending);
  void SortAccordingToAutoSortSettings();
  bool SortAscendingNext() const { return FSortAscendingNext; }
  // A click on the header column at that position: clears the selection and
  // sorts by the column, ascending and descending in turn (one turn for all
  // columns).
  void ColClick(int32_t Column);

  // --- Drag re-ordering -----------------------------------------------------------------------------
  // Moves the selected rows' entries to the drop row (-1 or beyond the rows:
  // to the end).
  void DropSelectedOnRow(TFileListViewListItem TargetRow);

  // --- Row filter -------------------------------------------------------------------------------------
  const TFileListViewFilterArray& Filters() const { return FFilters; }
  int32_t AddFilter(const TFileListViewFilterRec& Filter);
  void ClearFilters();
  void FilterRefresh();
  const TIntArray& FilteredIndexes() const { return FFilteredIndexes; }

 protected:
  // What the platform list control does; headless, the store keeps the
  // header columns, the rows and the selection itself.
  virtual void PlatformRowCountChanged(int32_t OldCount, int32_t NewCount) {}
  virtual void PlatformRepaint() {}
  virtual void PlatformColumnsChanged() {}
  virtual void PlatformSetColumnWidth(int32_t Position, int32_t Width) {}
  virtual int32_t PlatformColumnWidth(int32_t Position) const;
  virtual int32_t PlatformClientWidth() const { return HeadlessWidth; }
  virtual TIntArray PlatformSelectedRows() const { return FHeadlessSelection; }
  virtual void PlatformSelectRows(const TIntArray& Rows);
  virtual void PlatformBeginUpdate() {}
  virtual void PlatformEndUpdate() {}
  // Reads what is missing of one kind of information (the reader threads'
  // collection); nothing yet in this store.
  virtual void ReadOutMissing(TFileListViewInfoKind kind, bool fromStart) {}

  TFileListView* FSender = nullptr;
  // The entries for the operations that add, remove and fill them.
  TFileListViewItemStore& MutableItems() { return FItems; }

 public:
  // Headless width of the control for the automatic column widths.
  int32_t HeadlessWidth = 400;

 private:
  static size_t Kind(TFileListViewInfoKind kind) { return static_cast<size_t>(kind); }
  void Notify(const TFileListViewNotifyEvent& event) {
    if (event) event(FSender);
  }
  void DefineBuiltInColumns();
  void FillEnglishTexts();
  void SetRowCount(int32_t rows);
  void RebuildFilteredIndexes();
  bool ItemMatchesFilter(size_t index, const TFileListViewFilterRec& filter) const;
  std::string CellText(size_t index, const TFileListViewColumnInfo& d);
  std::string DynamicContent(size_t index, int32_t fetchID);
  std::string FileSizeText(int64_t size) const;
  std::string EncodingName(uint32_t encoding) const;
  std::string ColorDepthText(int32_t depth) const;
  std::string ResolutionText(int32_t resolution, int32_t pixels, int32_t unit, int32_t format, bool withUnit) const;
  std::string CustomIntText(int64_t value, const TFileListViewColumnInfo& d) const;
  // The first characters of a text as the column shows them.
  std::string ShortenedFirstChars(std::string_view text) const;
  void ComputeSortKeys(TFileListViewColumnType type, int32_t customIndex, int& keyKind);

  TFileListViewItemStore FItems{FTexts};
  int32_t FCustomStrColumnCount = 0;
  int32_t FCustomIntColumnCount = 0;
  TIntArray FColumnsVisible;
  TIntArray FColumnsCustomizable;
  bool FColumnsRefreshLocked = false;
  std::vector<TFileListViewGuiColumn> FGuiColumns;
  bool FFilterOn = false;
  TFileListViewFilterArray FFilters;
  TIntArray FFilteredIndexes;
  bool FColumnAutoSize = false;
  bool FAllowItemRearranging = true;
  bool FShowFileIcons = true;
  bool FCheckboxes = false;
  bool FReadOut[kFileListViewInfoKindCount] = {};
  bool FReadOutAtLoad[kFileListViewInfoKindCount] = {};
  int32_t FRowCount = 0;
  int32_t FLastSelectedIndex = -1;
  bool FSortAscendingNext = true;
  TIntArray FHeadlessSelection;
};
