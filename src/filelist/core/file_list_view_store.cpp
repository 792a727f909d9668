#include "filelist/core/file_list_view_store.h"

#include <algorithm>

#include "foundation/proportional_widths.h"

namespace {

// Compaction of the text blocks runs once the dropped texts may outweigh the
// live ones and a MiB.
constexpr size_t kCompactionFloor = size_t{1} << 20;

// The 75 built-in columns in the order that gives their definitions' indexes.
constexpr TFileListViewColumnType kBuiltInColumns[] = {
    flvColName,
    flvColSize,
    flvColDate,
    flvColExt,
    flvColType,
    flvColPath,
    flvColPathLength,
    flvColDateModified,
    flvColDateAccessed,
    flvColDateCreated,
    flvColDateAttrChanged,
    flvColVolumeName,
    flvColFolderLevel,
    flvColFolderDeepness,
    flvColFileCountAll,
    flvColFolderCountAll,
    flvColFileCountDirect,
    flvColFolderCountDirect,
    flvColFolderSizeDirect,
    flvColFolder,
    flvColNumbering,
    flvColStatus,
    flvColTextEncoding,
    flvColTextEncodingWithBOM,
    flvColTextBOM,
    flvColTextLineBreakType,
    flvColTextLineCount,
    flvColTextCharCount,
    flvColTextWordCount,
    flvColTextFirstChars,
    flvColAudioArtist,
    flvColAudioTitle,
    flvColAudioAlbum,
    flvColAudioTrack,
    flvColAudioDiscNumber,
    flvColAudioDuration,
    flvColAudioYear,
    flvColAudioGenre,
    flvColAudioComment,
    flvColAudioSampleRate,
    flvColAudioBitRate,
    flvColAudioChannels,
    flvColVideoWidth,
    flvColVideoHeight,
    flvColVideoAspectRatio,
    flvColVideoDuration,
    flvColVideoFPS,
    flvColVideoBitrate,
    flvColImageWidth,
    flvColImageHeight,
    flvColImageAspectRatio,
    flvColImageColorDepth,
    flvColImageColorSpace,
    flvColImageResHoriz,
    flvColImageResVert,
    flvColImageImgCount,
    flvColDocumentAuthor,
    flvColDocumentTitle,
    flvColDocumentPageCount,
    flvColAttributeHidden,
    flvColAttributeReadOnly,
    flvColAttributeHiddenExt,
    flvColAttributeLink,
    flvColCombinedWidth,
    flvColCombinedHeight,
    flvColCombinedAspectRatio,
    flvColCombinedDuration,
    flvColCheckSumMD5,
    flvColCheckSumCRC32,
    flvColCheckSumCRC32B,
    flvColCheckSumSHA1,
    flvColCheckSumSHA2_224,
    flvColCheckSumSHA2_256,
    flvColCheckSumSHA2_384,
    flvColCheckSumSHA2_512,
};
static_assert(std::size(kBuiltInColumns) == 75);

// The order in which the switches are set from the shown columns.
constexpr TFileListViewInfoKind kReadOutOrder[] = {
    TFileListViewInfoKind::Attribute, TFileListViewInfoKind::Text,     TFileListViewInfoKind::Image,
    TFileListViewInfoKind::Audio,     TFileListViewInfoKind::Video,    TFileListViewInfoKind::Document,
    TFileListViewInfoKind::Folder,    TFileListViewInfoKind::CheckSum, TFileListViewInfoKind::Volume,
};

}  // namespace

int32_t AddColumTypeArrayElement(TFileListViewColumnTypeArr& AArray, TFileListViewColumnType AType) {
  AArray.push_back(AType);
  return static_cast<int32_t>(AArray.size()) - 1;
}

TFileListViewStore::TFileListViewStore()
    : FileExtensionFilter(std::make_unique<TFileExtensionFilterObj>("", "", "")),
      FileNameFilter(std::make_unique<TFileNameFilterObj>("", false, true)) {
  FReadOut[Kind(TFileListViewInfoKind::Folder)] = true;
  DateFormat = FileListViewDateFormat(LocalePatternToDateFormat(Locale.ShortDateFormat, false),
                                      LocalePatternToDateFormat(Locale.LongTimeFormat, true));
  CategoryOfColumnTypeProc = GetCategoryOfColumnTypeAsText;
  DefineBuiltInColumns();
  SetColumns(flvColName, flvColDate, flvColSize, flvColPath);
  FColumnsRefreshLocked = false;
  FillEnglishTexts();
  ExportColumns = {{flvColName, 0}, {flvColSize, 0}, {flvColDate, 0}, {flvColPath, 0}};
}

TFileListViewStore::~TFileListViewStore() = default;

void TFileListViewStore::DefineBuiltInColumns() {
  for (TFileListViewColumnType type : kBuiltInColumns) {
    const TFileListViewColumnTypeInfo& info = FLVColumnTypeInfo(type);
    SetColumnInfo(type, 0, info.Caption, info.Width, 0, info.Alignment, flvEditNone, flvFormatDefault, {}, false,
                  false);
  }
}

// --- Properties ----------------------------------------------------------------------

void TFileListViewStore::SetFilterOn(bool value) {
  if (FFilterOn == value) return;
  FFilterOn = value;
  if (value) {
    FilterRefresh();
  } else {
    RefreshItemCount();
  }
}

void TFileListViewStore::SetColumnAutoSize(bool value) {
  if (FColumnAutoSize == value) return;
  FColumnAutoSize = value;
  RefreshColumns(false, true, false);
}

void TFileListViewStore::SetReadOut(TFileListViewInfoKind kind, bool value) {
  // Folder and volume information are read again on every switching on.
  const bool always = kind == TFileListViewInfoKind::Folder || kind == TFileListViewInfoKind::Volume;
  if (!always && FReadOut[Kind(kind)] == value) return;
  FReadOut[Kind(kind)] = value;
  if (value) ReadOutMissing(kind, true);
}

void TFileListViewStore::Loaded() {
  for (size_t k = 0; k < kFileListViewInfoKindCount; ++k) FReadOutAtLoad[k] = FReadOut[k];
}

// --- Entries and information -------------------------------------------------------------

int32_t TFileListViewStore::AppendItem(const TFileListViewItem& item) {
  return static_cast<int32_t>(FItems.Append(item));
}

void TFileListViewStore::SetItemChecked(int32_t index, bool checked) {
  if (index < 0 || index >= GetFileCount()) return;
  FItems.SetChecked(static_cast<size_t>(index), checked);
}

void TFileListViewStore::SetCustomColumnCounts(int32_t strCount, int32_t intCount) {
  FCustomStrColumnCount = std::max(strCount, 0);
  FCustomIntColumnCount = std::max(intCount, 0);
}

void TFileListViewStore::ClearInfoArrays() {
  FolderInfos.clear();
  VolumeInfos.clear();
  TextInfos.clear();
  AudioInfos.clear();
  VideoInfos.clear();
  ImageInfos.clear();
  DocumentInfos.clear();
  AttributeInfos.clear();
  CheckSumInfos.clear();
  if (FItems.empty()) FTexts.Clear();
}

void TFileListViewStore::CompactTextsIfWorthIt() {
  const size_t dropped = FItems.DroppedTextBytes() + VolumeInfos.DroppedTextBytes() + TextInfos.DroppedTextBytes() +
                         AudioInfos.DroppedTextBytes() + VideoInfos.DroppedTextBytes() + ImageInfos.DroppedTextBytes() +
                         DocumentInfos.DroppedTextBytes() + AttributeInfos.DroppedTextBytes() +
                         CheckSumInfos.DroppedTextBytes();
  if (dropped < kCompactionFloor || dropped * 2 < FTexts.BytesAdded()) return;
  FTexts.Compact(
      [this](auto&& fn) {
        FItems.ForEachTextRef(fn);
        VolumeInfos.ForEachTextRef(fn);
        TextInfos.ForEachTextRef(fn);
        AudioInfos.ForEachTextRef(fn);
        VideoInfos.ForEachTextRef(fn);
        ImageInfos.ForEachTextRef(fn);
        DocumentInfos.ForEachTextRef(fn);
        AttributeInfos.ForEachTextRef(fn);
        CheckSumInfos.ForEachTextRef(fn);
      },
      true);
  FItems.ResetDroppedTextBytes();
  VolumeInfos.ResetDroppedTextBytes();
  TextInfos.ResetDroppedTextBytes();
  AudioInfos.ResetDroppedTextBytes();
  VideoInfos.ResetDroppedTextBytes();
  ImageInfos.ResetDroppedTextBytes();
  DocumentInfos.ResetDroppedTextBytes();
  AttributeInfos.ResetDroppedTextBytes();
  CheckSumInfos.ResetDroppedTextBytes();
}

// --- Life cycle ---------------------------------------------------------------------------

void TFileListViewStore::ClearDataAndDefinitions() {
  FItems.clear();
  FFilteredIndexes.clear();
  FColumnsVisible.clear();
  FColumnsCustomizable.clear();
  FGuiColumns.clear();
  PlatformColumnsChanged();
  PlatformSelectRows({});
  SetRowCount(FFilterOn ? 0 : GetFileCount());
  PlatformRepaint();
}

// --- Column definitions ---------------------------------------------------------------------

int32_t TFileListViewStore::GetColumnInfoIndex(TFileListViewColumnType AColumnType, int32_t ACustomIndex,
                                               bool ACreate) {
  for (size_t i = 0; i < ColumnInfos.size(); ++i) {
    if (ColumnInfos[i].ColumnType == AColumnType && ColumnInfos[i].CustomIndex == ACustomIndex) {
      return static_cast<int32_t>(i);
    }
  }
  if (!ACreate) return -1;
  TFileListViewColumnInfo info;
  info.ColumnType = AColumnType;
  info.CustomIndex = ACustomIndex;
  ColumnInfos.push_back(std::move(info));
  return static_cast<int32_t>(ColumnInfos.size()) - 1;
}

int32_t TFileListViewStore::SetColumnInfo(TFileListViewColumnType AColumnType, int32_t ACustomIndex,
                                          const std::string& ACaption, int32_t AWidth, int32_t ATag,
                                          TAlignment AAlignment, TFileListViewEditType AEditType,
                                          TFileListViewFormatType AFormatType, const TStrArray& ADropDownValues,
                                          bool ACustomizable, bool AVisible) {
  const int32_t index = GetColumnInfoIndex(AColumnType, ACustomIndex, true);
  ColumnInfos[static_cast<size_t>(index)].ColumnType = AColumnType;
  ColumnInfos[static_cast<size_t>(index)].CustomIndex = ACustomIndex;
  SetColumnInfo(index, ACaption, AWidth, ATag, AAlignment, AEditType, AFormatType, ADropDownValues, ACustomizable,
                AVisible);
  return index;
}

bool TFileListViewStore::SetColumnInfo(int32_t AIndex, const std::string& ACaption, int32_t AWidth, int32_t ATag,
                                       TAlignment AAlignment, TFileListViewEditType AEditType,
                                       TFileListViewFormatType AFormatType, const TStrArray& ADropDownValues,
                                       bool ACustomizable, bool AVisible) {
  if (AIndex < 0 || static_cast<size_t>(AIndex) >= ColumnInfos.size()) return false;
  TFileListViewColumnInfo& d = ColumnInfos[static_cast<size_t>(AIndex)];
  d.Alignment = AAlignment;
  d.Caption = ACaption;
  d.WidthInitial = AWidth;
  d.WidthCurrent = AWidth;
  d.VisibleInitial = AVisible;
  d.VisibleCurrent = AVisible;
  d.Tag = ATag;
  d.Customizable = ACustomizable;
  d.EditType = AEditType;
  d.FormatType = AFormatType;
  d.DropDownValues = ADropDownValues;
  return true;
}

void TFileListViewStore::SetColumns(const TFileListViewColumnTypeArr& AColumnTypes) {
  FColumnsVisible.clear();
  for (TFileListViewColumnType type : AColumnTypes) FColumnsVisible.push_back(GetColumnInfoIndex(type, 0, true));
  RefreshColumns(true, true, true);
}

void TFileListViewStore::SetColumns(TFileListViewColumnType C1, TFileListViewColumnType C2, TFileListViewColumnType C3,
                                    TFileListViewColumnType C4, TFileListViewColumnType C5, TFileListViewColumnType C6,
                                    TFileListViewColumnType C7, TFileListViewColumnType C8,
                                    TFileListViewColumnType C9) {
  TFileListViewColumnTypeArr types;
  for (TFileListViewColumnType type : {C1, C2, C3, C4, C5, C6, C7, C8, C9}) {
    if (type != flvColNone) AddColumTypeArrayElement(types, type);
  }
  SetColumns(types);
}

bool TFileListViewStore::IsColumnVisible(TFileListViewColumnType AColumnType) const {
  return std::any_of(FColumnsVisible.begin(), FColumnsVisible.end(), [&](int32_t d) {
    return d >= 0 && static_cast<size_t>(d) < ColumnInfos.size() &&
           ColumnInfos[static_cast<size_t>(d)].ColumnType == AColumnType;
  });
}

bool TFileListViewStore::GetColumnTypeAndIndex(int32_t AColumn, TFileListViewColumnType& AColumnType,
                                               int32_t& ACustomIndex) const {
  AColumnType = flvColNone;
  ACustomIndex = 0;
  if (AColumn < 0 || static_cast<size_t>(AColumn) >= FColumnsVisible.size()) return false;
  const int32_t d = FColumnsVisible[static_cast<size_t>(AColumn)];
  if (d < 0 || static_cast<size_t>(d) >= ColumnInfos.size()) return false;
  AColumnType = ColumnInfos[static_cast<size_t>(d)].ColumnType;
  ACustomIndex = ColumnInfos[static_cast<size_t>(d)].CustomIndex;
  return true;
}

void TFileListViewStore::RefreshColumns(bool ACaptions, bool AWidths, bool AStructure) {
  if (FColumnsRefreshLocked) return;
  PlatformBeginUpdate();
  const size_t n = FColumnsVisible.size();
  auto definition = [this](size_t i) -> const TFileListViewColumnInfo& {
    return ColumnInfos[static_cast<size_t>(FColumnsVisible[i])];
  };
  bool structureChanged = false;
  if (AStructure && FGuiColumns.size() != n) {
    while (FGuiColumns.size() < n) {
      const TFileListViewColumnInfo& d = definition(FGuiColumns.size());
      FGuiColumns.push_back({d.Caption, d.WidthCurrent, d.Alignment});
    }
    FGuiColumns.resize(n);
    structureChanged = true;
  }
  const size_t shown = std::min(n, FGuiColumns.size());
  TIntArray widths;
  for (size_t i = 0; i < shown; ++i) {
    const TFileListViewColumnInfo& d = definition(i);
    if (ACaptions) FGuiColumns[i].Caption = d.Caption;
    if (AStructure) FGuiColumns[i].Alignment = d.Alignment;
    widths.push_back(d.WidthCurrent);
  }
  if (ACaptions || AStructure || structureChanged) PlatformColumnsChanged();
  if (AWidths) {
    // With automatic widths the columns share the control's width less 25
    // pixels; a control narrower than that leaves them as they are.
    if (FColumnAutoSize) widths = ProportionalWidths(widths, PlatformClientWidth() - 25);
    for (size_t i = 0; i < shown; ++i) {
      FGuiColumns[i].Width = widths[i];
      PlatformSetColumnWidth(static_cast<int32_t>(i), widths[i]);
    }
  } else if (structureChanged) {
    for (size_t i = 0; i < shown; ++i) PlatformSetColumnWidth(static_cast<int32_t>(i), FGuiColumns[i].Width);
  }
  PlatformEndUpdate();
  PlatformRepaint();
  if (ReadOutCheckSums()) ReadOutMissing(TFileListViewInfoKind::CheckSum, true);
}

void TFileListViewStore::GetColumnCustomizableVisInfoInitial(TFileListViewColumnVisInfoArray& AList) const {
  AList.clear();
  std::vector<int32_t> table(ColumnInfos.size(), -1);
  for (size_t d = 0; d < ColumnInfos.size(); ++d) {
    const TFileListViewColumnInfo& c = ColumnInfos[d];
    if (c.Customizable && c.OrderInitial >= 0 && static_cast<size_t>(c.OrderInitial) < table.size()) {
      table[static_cast<size_t>(c.OrderInitial)] = static_cast<int32_t>(d);
    }
  }
  for (int32_t d : table) {
    if (d >= 0) AList.push_back({d, ColumnInfos[static_cast<size_t>(d)].VisibleInitial});
  }
}

void TFileListViewStore::GetColumnCustomizableVisInfoCurrent(TFileListViewColumnVisInfoArray& AList) const {
  AList.clear();
  std::vector<int32_t> table(ColumnInfos.size(), -1);
  for (size_t d = 0; d < ColumnInfos.size(); ++d) {
    const TFileListViewColumnInfo& c = ColumnInfos[d];
    if (c.Customizable && c.OrderCurrent >= 0 && static_cast<size_t>(c.OrderCurrent) < table.size()) {
      table[static_cast<size_t>(c.OrderCurrent)] = static_cast<int32_t>(d);
    }
  }
  for (int32_t d : table) {
    if (d >= 0) AList.push_back({d, ColumnInfos[static_cast<size_t>(d)].VisibleCurrent});
  }
}

void TFileListViewStore::SetColumnsCustomizableAndColumnsVisibleFromColumnVisInfoArray(
    const TFileListViewColumnVisInfoArray& AList, bool ARefreshColumns, bool ARefreshReadOutProperties) {
  FColumnsCustomizable.clear();
  FColumnsVisible.clear();
  for (const TFileListViewColumnVisInfoRec& rec : AList) {
    // A list from elsewhere may name definitions that do not exist.
    if (rec.ColumnInfoIndex < 0 || static_cast<size_t>(rec.ColumnInfoIndex) >= ColumnInfos.size()) continue;
    TFileListViewColumnInfo& d = ColumnInfos[static_cast<size_t>(rec.ColumnInfoIndex)];
    d.VisibleCurrent = rec.Visible;
    d.OrderCurrent = static_cast<int32_t>(FColumnsCustomizable.size());
    FColumnsCustomizable.push_back(rec.ColumnInfoIndex);
    if (rec.Visible) FColumnsVisible.push_back(rec.ColumnInfoIndex);
  }
  if (ARefreshColumns) RefreshColumns(true, true, true);
  if (ARefreshReadOutProperties) RefreshReadOutPropertiesBasedOnColumnsCurrentlyVisible();
}

void TFileListViewStore::RefreshReadOutPropertiesBasedOnColumnsCurrentlyVisible() {
  bool wanted[kFileListViewInfoKindCount];
  for (size_t k = 0; k < kFileListViewInfoKindCount; ++k) wanted[k] = FReadOutAtLoad[k];
  for (int32_t d : FColumnsVisible) {
    if (d < 0 || static_cast<size_t>(d) >= ColumnInfos.size()) continue;
    const TFileListViewInfoKinds needs = FLVColumnTypeInfo(ColumnInfos[static_cast<size_t>(d)].ColumnType).Needs;
    for (size_t k = 0; k < kFileListViewInfoKindCount; ++k) {
      if (needs & InfoKindBit(static_cast<TFileListViewInfoKind>(k))) wanted[k] = true;
    }
  }
  for (TFileListViewInfoKind kind : kReadOutOrder) SetReadOut(kind, wanted[Kind(kind)]);
}

// --- Column state ------------------------------------------------------------------------------

int32_t TFileListViewStore::PlatformColumnWidth(int32_t Position) const {
  return FGuiColumns[static_cast<size_t>(Position)].Width;
}

void TFileListViewStore::RefreshColumnWidthCurrentFromGUI() {
  const size_t n = std::min(FGuiColumns.size(), FColumnsVisible.size());
  for (size_t i = 0; i < n; ++i) {
    const int32_t d = FColumnsVisible[i];
    if (d < 0 || static_cast<size_t>(d) >= ColumnInfos.size()) continue;
    ColumnInfos[static_cast<size_t>(d)].WidthCurrent = PlatformColumnWidth(static_cast<int32_t>(i));
  }
}

void TFileListViewStore::RefreshColumnInfosVisibleCurrentFromColumnsVisibleArray() {
  for (TFileListViewColumnInfo& d : ColumnInfos) d.VisibleCurrent = false;
  for (int32_t d : FColumnsVisible) {
    if (d >= 0 && static_cast<size_t>(d) < ColumnInfos.size())
      ColumnInfos[static_cast<size_t>(d)].VisibleCurrent = true;
  }
}

void TFileListViewStore::SetColumnCaption(TFileListViewColumnType AColumnType, const std::string& ACaption) {
  SetColumnCaption(AColumnType, 0, ACaption);
}

void TFileListViewStore::SetColumnCaption(TFileListViewColumnType AColumnType, int32_t ACustomIndex,
                                          const std::string& ACaption) {
  const int32_t index = GetColumnInfoIndex(AColumnType, ACustomIndex, false);
  if (index < 0) return;
  ColumnInfos[static_cast<size_t>(index)].Caption = ACaption;
  RefreshColumns(true, false, false);
}

std::string TFileListViewStore::ColumnTypeToStr(TFileListViewColumnType AColumnType) const {
  return CategoryOfColumnTypeProc ? CategoryOfColumnTypeProc(AColumnType) : std::string();
}

void TFileListViewStore::ResizeInternal() {
  if (FColumnAutoSize) RefreshColumns(false, true, false);
}

// --- Rows and selection ----------------------------------------------------------------------------

void TFileListViewStore::SetRowCount(int32_t rows) {
  if (rows == FRowCount) return;
  const int32_t old = FRowCount;
  FRowCount = rows;
  if (rows < old) std::erase_if(FHeadlessSelection, [rows](int32_t r) { return r >= rows; });
  PlatformRowCountChanged(old, rows);
}

void TFileListViewStore::RefreshItemCount() {
  SetRowCount(FFilterOn ? static_cast<int32_t>(FFilteredIndexes.size()) : GetFileCount());
  PlatformRepaint();
  if (FItems.empty()) {
    ClearInfoArrays();
    FLastSelectedIndex = -1;
  } else {
    CompactTextsIfWorthIt();
  }
}

void TFileListViewStore::PlatformSelectRows(const TIntArray& Rows) {
  FHeadlessSelection.clear();
  for (int32_t r : Rows) {
    if (r >= 0 && r < FRowCount) FHeadlessSelection.push_back(r);
  }
  std::sort(FHeadlessSelection.begin(), FHeadlessSelection.end());
  FHeadlessSelection.erase(std::unique(FHeadlessSelection.begin(), FHeadlessSelection.end()), FHeadlessSelection.end());
}

int32_t TFileListViewStore::GetIndexOfListItem(TFileListViewListItem Item) const {
  if (Item < 0) return -1;
  if (!FFilterOn) return Item;
  // A row beyond the filtered list shows no entry.
  return static_cast<size_t>(Item) < FFilteredIndexes.size() ? FFilteredIndexes[static_cast<size_t>(Item)] : -1;
}

void TFileListViewStore::SelectItemProc(TFileListViewListItem Item, bool Selected) {
  int32_t r = Item;
  if (r < 0 || r >= GetFileCount()) {
    FLastSelectedIndex = r;
    return;
  }
  if (FFilterOn) {
    if (static_cast<size_t>(r) >= FFilteredIndexes.size()) return;
    r = FFilteredIndexes[static_cast<size_t>(r)];
    if (r < 0 || r >= GetFileCount()) return;
  }
  FLastSelectedIndex = r;
  if (OnSelectFileListItem) {
    const auto i = static_cast<size_t>(r);
    OnSelectFileListItem(FSender, Item, Selected, r, FItems.ID(i), std::string(FItems.FileName(i)));
  }
}

TIntArray TFileListViewStore::GetSelectedItemIndexes() const {
  TIntArray indexes;
  for (int32_t row : PlatformSelectedRows()) {
    const int32_t index = GetIndexOfListItem(row);
    if (index >= 0 && index < GetFileCount()) indexes.push_back(index);
  }
  std::sort(indexes.begin(), indexes.end());
  indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
  return indexes;
}

void TFileListViewStore::ItemCheckedProc(TFileListViewListItem Item, bool Checked) {
  SetItemChecked(GetIndexOfListItem(Item), Checked);
}

// --- Drag re-ordering -------------------------------------------------------------------------------

void TFileListViewStore::DropSelectedOnRow(TFileListViewListItem TargetRow) {
  if (!FAllowItemRearranging) return;
  PlatformBeginUpdate();
  const size_t n = FItems.size();
  // Rows name entries through the filter while it is on.
  std::vector<uint8_t> selected(n, 0);
  for (int32_t index : GetSelectedItemIndexes()) selected[static_cast<size_t>(index)] = 1;
  int32_t target = TargetRow >= 0 && TargetRow < FRowCount ? GetIndexOfListItem(TargetRow) : -1;
  if (target >= 0 && static_cast<size_t>(target) >= n) target = -1;
  std::vector<int32_t> moved;
  std::vector<int32_t> kept;
  size_t before = 0;
  for (size_t i = 0; i < n; ++i) {
    if (selected[i]) {
      moved.push_back(static_cast<int32_t>(i));
      if (target >= 0 && i < static_cast<size_t>(target)) ++before;
    } else {
      kept.push_back(static_cast<int32_t>(i));
    }
  }
  size_t place = kept.size();
  if (target >= 0) {
    const auto t = static_cast<size_t>(target);
    place = before == 0 ? t : t - before + 1;
    // Dropped on a selected row with nothing unselected below it, the block
    // would land past the end: it goes to the end.
    place = std::min(place, kept.size());
  }
  std::vector<int32_t> order(kept.begin(), kept.begin() + static_cast<ptrdiff_t>(place));
  order.insert(order.end(), moved.begin(), moved.end());
  order.insert(order.end(), kept.begin() + static_cast<ptrdiff_t>(place), kept.end());
  FItems.Permute(order);
  PlatformSelectRows({});
  if (FFilterOn) RebuildFilteredIndexes();
  RefreshItemCount();
  PlatformEndUpdate();
  Notify(OnRearrangingDone);
}
