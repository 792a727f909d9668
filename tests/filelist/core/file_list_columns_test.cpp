// The column catalogue, the view's defaults, its column definitions and shown
// columns, the column state and the language texts, without a window.
#include <gtest/gtest.h>

#include <set>

#include "file_list_test_items.h"
#include "filelist/core/file_list_columns_catalogue.h"
#include "filelist/core/file_list_language.h"
#include "text/text_store.h"
#include "text/translations.h"

namespace {

static_assert(flvColNone == 0 && flvColName == 1 && flvColStatus == 75 && flvColMax == 79);
static_assert(flvFormatPercentFromInt == 9 && flvEditDropDownList == 3);

TEST(FileListColumnCatalogue, IdsConvertBothWays) {
  for (int t = flvColNone; t < flvColMax; ++t) {
    const auto type = static_cast<TFileListViewColumnType>(t);
    for (int32_t custom : {0, 12, -3}) {
      if (custom != 0 && !IsCustomColumnType(type)) continue;
      const std::string id = FLVColumnTypeToStrId(type, custom);
      TFileListViewColumnType back = flvColMax;
      int32_t index = 99;
      ASSERT_TRUE(StrIdToFLVColumnType(id, back, index)) << id;
      EXPECT_EQ(back, type) << id;
      EXPECT_EQ(index, custom) << id;
    }
  }
  EXPECT_EQ(FLVColumnTypeToStrId(flvColMax, 0), "unknown");
  EXPECT_EQ(FLVColumnTypeToStrId(flvColCustomInt, -3), "int-3");
  EXPECT_EQ(FLVColumnTypeToStrId(flvColTextEncodingWithBOM, 0), "text_encodingwithbom");
  EXPECT_EQ(FLVColumnTypeToStrId(flvColCheckSumSHA2_224, 0), "checksum_sha224");

  struct TCase {
    const char* Id;
    bool Ok;
    TFileListViewColumnType Type;
    int32_t Index;
  };
  const TCase cases[] = {
      {"str12", true, flvColCustomStr, 12}, {"dyn0", true, flvColCustomDynamicContent, 0},
      {"int-3", true, flvColCustomInt, -3}, {"none", true, flvColNone, 0},
      {"str", false, flvColNone, 0},        {"strx", false, flvColNone, 0},
      {"Name", false, flvColNone, 0},       {"unknown", false, flvColNone, 0},
      {"abc7", false, flvColNone, 7},       {"", false, flvColNone, 0},
  };
  for (const TCase& c : cases) {
    TFileListViewColumnType type = flvColMax;
    int32_t index = 99;
    EXPECT_EQ(StrIdToFLVColumnType(c.Id, type, index), c.Ok) << c.Id;
    EXPECT_EQ(type, c.Type) << c.Id;
    EXPECT_EQ(index, c.Index) << c.Id;
  }
}

TEST(FileListColumnCatalogue, CaptionsWidthsAndNeeds) {
  const TFileListViewColumnTypeInfo& size = FLVColumnTypeInfo(flvColSize);
  EXPECT_STREQ(size.Caption, "Size");
  EXPECT_EQ(size.Width, 100);
  EXPECT_EQ(size.Alignment, taRightJustify);
  EXPECT_STREQ(FLVColumnTypeInfo(flvColAudioSampleRate).Caption, "SampleRate");
  EXPECT_STREQ(FLVColumnTypeInfo(flvColAttributeReadOnly).Caption, "ReadOnly");
  EXPECT_EQ(FLVColumnTypeInfo(flvColCombinedDuration).Needs,
            InfoKindBit(TFileListViewInfoKind::Video) | InfoKindBit(TFileListViewInfoKind::Audio));
  EXPECT_EQ(FLVColumnTypeInfo(flvColFolderLevel).Needs, 0);
  EXPECT_EQ(FLVColumnTypeInfo(flvColFolderDeepness).Needs, InfoKindBit(TFileListViewInfoKind::Folder));
  EXPECT_EQ(FLVColumnTypeInfo(static_cast<TFileListViewColumnType>(200)).ColumnType, flvColNone);
}

class FileListLanguage : public ::testing::Test {
 protected:
  void SetUp() override { RegisterTranslations(); }
  void TearDown() override { SetSprResGlobal(0); }
};

TEST_F(FileListLanguage, CategoriesPlainAndLocalised) {
  SetSprResGlobal(0);
  EXPECT_EQ(GetCategoryOfColumnTypeAsText(flvColName), "NOT IMPLEMENTED");
  EXPECT_EQ(GetCategoryOfColumnTypeAsText(flvColCombinedWidth), "NOT IMPLEMENTED");
  const std::pair<TFileListViewColumnType, const char*> cases[] = {
      {flvColTextBOM, "Text File Property"},
      {flvColNumbering, "General"},
      {flvColCustomInt, "Dynamic"},
      {flvColCombinedWidth, "Unknown"},
      {flvColNone, "Unknown"},
      {flvColMax, "Unknown"},
      {flvColPathLength, "File Name"},
      {flvColFolderLevel, "Folder"},
      {flvColSize, "File Property"},
      {flvColVolumeName, "Data Medium"},
      {flvColAudioYear, "Audio File Property"},
      {flvColCheckSumMD5, "Check Sum"},
      {flvColAttributeLink, "File Attribute"},
  };
  for (const auto& [type, text] : cases) EXPECT_EQ(GetCategoryOfColumnTypeAsTextSpr(type), text) << type;
  SetSprResGlobal(1);
  EXPECT_NE(GetCategoryOfColumnTypeAsTextSpr(flvColTextBOM), "Text File Property");
}

TEST(FileListDefaults, AsCreated) {
  TFileListViewStore view;
  EXPECT_EQ(view.GetFileCount(), 0);
  ASSERT_EQ(view.ColumnInfos.size(), 75u);
  std::set<TFileListViewColumnType> types;
  for (const TFileListViewColumnInfo& d : view.ColumnInfos) {
    EXPECT_FALSE(d.Customizable);
    EXPECT_FALSE(d.VisibleInitial);
    EXPECT_FALSE(d.VisibleCurrent);
    EXPECT_EQ(d.CustomIndex, 0);
    EXPECT_EQ(d.EditType, flvEditNone);
    EXPECT_EQ(d.FormatType, flvFormatDefault);
    types.insert(d.ColumnType);
  }
  EXPECT_EQ(types.size(), 75u);
  EXPECT_EQ(types.count(flvColCustomStr) + types.count(flvColNone) + types.count(flvColMax), 0u);
  EXPECT_EQ(view.ColumnInfos[0].ColumnType, flvColName);
  EXPECT_EQ(view.ColumnInfos[3].ColumnType, flvColExt);
  EXPECT_EQ(view.ColumnInfos[74].ColumnType, flvColCheckSumSHA2_512);
  // Name, Date, Size, Path.
  const std::vector<TFileListViewGuiColumn> shown = {{"Name", 150, taLeftJustify},
                                                     {"Date", 160, taLeftJustify},
                                                     {"Size", 100, taRightJustify},
                                                     {"Path", 300, taLeftJustify}};
  EXPECT_EQ(view.GuiColumns(), shown);
  EXPECT_EQ(view.ColumnsVisible(), (TIntArray{0, 2, 1, 5}));
  EXPECT_TRUE(view.ColumnsCustomizable().empty());
  EXPECT_EQ(view.FileListExportExt, "filelist");
  EXPECT_EQ(view.StatusTexts.size(), 11u);
  EXPECT_EQ(std::set<std::string>(view.StatusTexts.begin(), view.StatusTexts.end()).size(), 11u);
  EXPECT_EQ(view.StatusTexts[1], "Changed");
  EXPECT_EQ(view.ExportColumns,
            (TFileListViewColumnTypeIndexRecArr{{flvColName, 0}, {flvColSize, 0}, {flvColDate, 0}, {flvColPath, 0}}));
  EXPECT_EQ(view.ExportFormat.ColumnCaptions[flvColAttributeReadOnly - 1].Caption, "Locked");
  EXPECT_EQ(view.ExportFormat.ColumnCaptions[flvColAudioSampleRate - 1].Caption, "SampleRate");
  EXPECT_EQ(view.ExportFormat.ColumnCaptions[flvColMax - 1].Caption, "");
  EXPECT_TRUE(view.ReadOutFolderInfo());
  EXPECT_FALSE(view.ReadOutAudioInfo());
  EXPECT_TRUE(view.AllowDublicates);
  EXPECT_TRUE(view.AllowItemRearranging());
  EXPECT_TRUE(view.ShowFileIcons());
  EXPECT_FALSE(view.ColumnAutoSize());
  EXPECT_EQ(view.LastSelectedIndex(), -1);
  EXPECT_TRUE(view.SortAscendingNext());
  EXPECT_EQ(view.ColumnTypeToStr(flvColName), "NOT IMPLEMENTED");
  // Texts the language fills are empty before it is applied.
  EXPECT_EQ(view.StrRes.StrOK, "OK");
  EXPECT_EQ(view.StrRes.StrClose, "");
  EXPECT_EQ(view.StrRes.StrFilter, "");
  EXPECT_EQ(view.StrRes.StrRemoveAll, "Remove all");
  ASSERT_EQ(view.StrRes.StrFileTypeNames.size(), 14u);
  EXPECT_EQ(view.StrRes.StrFileTypeNamesPlural[2], "Images");
  EXPECT_EQ(view.DateFormat, "yyyy-mm-dd hh:nn:ss");
}

TEST(FileListDefaults, DateFormatFromTheSystemFormats) {
  EXPECT_EQ(FileListViewDateFormat("d/m/yy", "hh:nn:ss"), "dd/mm/yyyy hh:nn:ss");
  EXPECT_EQ(FileListViewDateFormat("DD.MM.YYYY", "HH:NN"), "dd.mm.yyyy hh:nn");
  EXPECT_EQ(FileListViewDateFormat("m/d/y", "h:nn"), "mm/dd/yyyy h:nn");
  // The system's own patterns (Qt's letters) in the view's letters.
  EXPECT_EQ(LocalePatternToDateFormat("d/M/yy", false), "d/m/yy");
  EXPECT_EQ(LocalePatternToDateFormat("dddd, d. MMMM yyyy", false), "dddd, d. mmmm yyyy");
  EXPECT_EQ(LocalePatternToDateFormat("h:mm:ss AP t", true), "h:nn:ss");
  EXPECT_EQ(LocalePatternToDateFormat("HH'h'mm", true), "hhnn");
}

TEST(FileListColumns, ShowingColumns) {
  TTestFileListView view;
  view.SetColumns(TFileListViewColumnTypeArr{});
  EXPECT_TRUE(view.GuiColumns().empty());
  view.SetColumns(flvColSize, flvColNone, flvColSize);
  ASSERT_EQ(view.GuiColumns().size(), 2u);
  EXPECT_EQ(view.ColumnsVisible()[0], view.ColumnsVisible()[1]);
  // A custom column without a definition gets one, with no caption and no width.
  view.SetColumns(flvColName, flvColCustomStr);
  ASSERT_EQ(view.ColumnInfos.size(), 76u);
  EXPECT_EQ(view.ColumnInfos[75].ColumnType, flvColCustomStr);
  EXPECT_EQ(view.ColumnInfos[75].CustomIndex, 0);
  EXPECT_EQ(view.GuiColumns()[1], (TFileListViewGuiColumn{"", 0, taLeftJustify}));
  const int32_t str7 =
      view.SetColumnInfo(flvColCustomStr, 7, "Seven", 70, 3, taCenter, flvEditText, flvFormatDefault, {}, true, true);
  EXPECT_EQ(str7, 76);
  EXPECT_EQ(view.GetColumnInfoIndex(flvColCustomStr, 7, false), 76);
  EXPECT_EQ(view.GetColumnInfoIndex(flvColCustomStr, 8, false), -1);
  EXPECT_FALSE(view.SetColumnInfo(-1, "x", 1, 0, taLeftJustify, flvEditNone, flvFormatDefault, {}, false, false));
  TFileListViewColumnTypeArr types;
  EXPECT_EQ(AddColumTypeArrayElement(types, flvColPath), 0);
  view.SetColumns(types);
  EXPECT_FALSE(view.IsColumnVisible(flvColCustomStr));
  // Any custom string column counts, whatever its number.
  TFileListViewColumnVisInfoArray list = {{str7, true}};
  view.SetColumnsCustomizableAndColumnsVisibleFromColumnVisInfoArray(list, true, false);
  EXPECT_TRUE(view.IsColumnVisible(flvColCustomStr));
  EXPECT_TRUE(view.HasColumn(flvColCustomStr));
  EXPECT_FALSE(view.IsColumnVisible(flvColPath));  // not customizable: gone
  TFileListViewColumnType type = flvColName;
  int32_t index = 5;
  EXPECT_TRUE(view.GetColumnTypeAndIndex(0, type, index));
  EXPECT_EQ(type, flvColCustomStr);
  EXPECT_EQ(index, 7);
  EXPECT_FALSE(view.GetColumnTypeAndIndex(1, type, index));
  EXPECT_EQ(type, flvColNone);
  EXPECT_EQ(index, 0);
  EXPECT_FALSE(view.GetColumnTypeAndIndex(-1, type, index));
  // A list without a shown column leaves no header column.
  view.SetColumnsCustomizableAndColumnsVisibleFromColumnVisInfoArray({{str7, false}}, true, false);
  EXPECT_TRUE(view.GuiColumns().empty());
  // Cleared, then shown again with their defined captions and widths.
  view.ClearDataAndDefinitions();
  EXPECT_EQ(view.ColumnInfos.size(), 77u);
  EXPECT_TRUE(view.GuiColumns().empty());
  view.SetColumns(flvColName, flvColSize);
  EXPECT_EQ(view.GuiColumns()[1], (TFileListViewGuiColumn{"Size", 100, taRightJustify}));
}

TEST(FileListColumns, AutoSizeSharesTheWidth) {
  TTestFileListView view;
  view.HeadlessWidth = 525;
  view.SetColumns(flvColName, flvColSize);
  EXPECT_EQ(view.GuiColumns()[0].Width, 150);
  view.SetColumnAutoSize(true);
  EXPECT_EQ(view.GuiColumns()[0].Width, 300);
  EXPECT_EQ(view.GuiColumns()[1].Width, 200);
  // Resizing with automatic widths follows the control.
  view.HeadlessWidth = 275;
  view.ResizeInternal();
  EXPECT_EQ(view.GuiColumns()[0].Width, 150);
  EXPECT_EQ(view.GuiColumns()[1].Width, 100);
  // Columns whose widths add up to 0 share it equally.
  view.SetColumns(flvColName, flvColCustomInt, flvColCustomDynamicContent);
  view.ColumnInfos[0].WidthCurrent = 0;
  view.RefreshColumns(false, true, false);
  EXPECT_EQ(view.GuiColumns()[0].Width, 83);
  EXPECT_EQ(view.GuiColumns()[2].Width, 83);
  // No room: the widths stay.
  view.HeadlessWidth = 20;
  view.ColumnInfos[0].WidthCurrent = 40;
  view.ResizeInternal();
  EXPECT_EQ(view.GuiColumns()[0].Width, 40);
  // Setting the same value again refreshes nothing.
  view.HeadlessWidth = 525;
  view.SetColumnAutoSize(true);
  EXPECT_EQ(view.GuiColumns()[0].Width, 40);
  view.SetColumnAutoSize(false);
  EXPECT_EQ(view.GuiColumns()[0].Width, 40);
  EXPECT_EQ(view.GuiColumns()[1].Width, 0);
}

TEST(FileListColumns, CustomizableListsAndColumnState) {
  TTestFileListView view;
  const int32_t name = view.GetColumnInfoIndex(flvColName, 0, false);
  const int32_t size = view.GetColumnInfoIndex(flvColSize, 0, false);
  const int32_t path = view.GetColumnInfoIndex(flvColPath, 0, false);
  for (int32_t d : {name, size, path}) view.ColumnInfos[static_cast<size_t>(d)].Customizable = true;
  view.ColumnInfos[static_cast<size_t>(name)].OrderInitial = 2;
  view.ColumnInfos[static_cast<size_t>(size)].OrderInitial = 0;
  view.ColumnInfos[static_cast<size_t>(path)].OrderInitial = 1;
  view.ColumnInfos[static_cast<size_t>(size)].VisibleInitial = true;
  TFileListViewColumnVisInfoArray initial;
  view.GetColumnCustomizableVisInfoInitial(initial);
  EXPECT_EQ(initial, (TFileListViewColumnVisInfoArray{{size, true}, {path, false}, {name, false}}));
  // Two at one position: the later definition wins.
  TFileListViewColumnVisInfoArray current;
  view.GetColumnCustomizableVisInfoCurrent(current);
  EXPECT_EQ(current, (TFileListViewColumnVisInfoArray{{path, false}}));
  // Applying a list and reading it back gives the same list.
  const TFileListViewColumnVisInfoArray list = {{path, true}, {name, false}, {size, true}};
  view.SetColumnsCustomizableAndColumnsVisibleFromColumnVisInfoArray(list, true, true);
  EXPECT_EQ(view.ColumnsCustomizable(), (TIntArray{path, name, size}));
  EXPECT_EQ(view.ColumnsVisible(), (TIntArray{path, size}));
  view.GetColumnCustomizableVisInfoCurrent(current);
  EXPECT_EQ(current, list);
  // Widths the user dragged reach the definitions.
  view.ColumnInfos[static_cast<size_t>(path)].WidthCurrent = 1;
  view.RefreshColumnWidthCurrentFromGUI();
  EXPECT_EQ(view.ColumnInfos[static_cast<size_t>(path)].WidthCurrent, 300);
  // More shown columns than header columns: only the first ones are read.
  view.SetColumnsRefreshLocked(true);
  view.SetColumns(flvColSize, flvColPath, flvColName);
  view.SetColumnsRefreshLocked(false);
  view.ColumnInfos[static_cast<size_t>(name)].WidthCurrent = 7;
  view.RefreshColumnWidthCurrentFromGUI();
  EXPECT_EQ(view.ColumnInfos[static_cast<size_t>(size)].WidthCurrent, 300);  // header column 0 was Path's
  EXPECT_EQ(view.ColumnInfos[static_cast<size_t>(name)].WidthCurrent, 7);
  view.RefreshColumnInfosVisibleCurrentFromColumnsVisibleArray();
  for (size_t d = 0; d < view.ColumnInfos.size(); ++d) {
    const bool shown =
        static_cast<int32_t>(d) == name || static_cast<int32_t>(d) == size || static_cast<int32_t>(d) == path;
    EXPECT_EQ(view.ColumnInfos[d].VisibleCurrent, shown) << d;
  }
}

TEST(FileListColumns, CaptionsAndReadingOutSwitches) {
  TTestFileListView view;
  const int before = view.ColumnsChanged;
  view.SetColumnCaption(flvColCustomStr, 3, "nothing");
  EXPECT_EQ(view.ColumnsChanged, before);
  view.SetColumnCaption(flvColDate, "Datum");
  EXPECT_EQ(view.ColumnsChanged, before + 1);
  EXPECT_EQ(view.GuiColumns()[1].Caption, "Datum");
  // Folder information is read on every switching on, audio only on a change.
  view.SetReadOutFolderInfo(true);
  view.SetReadOutFolderInfo(true);
  view.SetReadOutAudioInfo(true);
  view.SetReadOutAudioInfo(true);
  view.SetReadOutAudioInfo(false);
  using K = TFileListViewInfoKind;
  EXPECT_EQ(view.ReadOutRequests,
            (std::vector<std::pair<K, bool>>{{K::Folder, true}, {K::Folder, true}, {K::Audio, true}}));
  // The switches follow the shown columns, from those of the load step.
  view.ReadOutRequests.clear();
  view.SetReadOutFolderInfo(false);
  view.Loaded();
  view.SetColumns(flvColName, flvColCombinedDuration, flvColCheckSumMD5, flvColFolderLevel);
  view.RefreshReadOutPropertiesBasedOnColumnsCurrentlyVisible();
  EXPECT_TRUE(view.ReadOutVideoInfo());
  EXPECT_TRUE(view.ReadOutAudioInfo());
  EXPECT_TRUE(view.ReadOutCheckSums());
  EXPECT_FALSE(view.ReadOutFolderInfo());
  EXPECT_FALSE(view.ReadOutImageInfo());
  // With check sums read out, showing columns asks for the missing sums.
  view.ReadOutRequests.clear();
  view.SetColumns(flvColCheckSumSHA2_256);
  EXPECT_EQ(view.ReadOutRequests, (std::vector<std::pair<K, bool>>{{K::CheckSum, true}}));
}

TEST_F(FileListLanguage, EmptyStoreChangesNothing) {
  TFileListViewStore view;
  const TStrArray before = SprResGlobalArr;
  SprResGlobalArr.clear();
  EXPECT_FALSE(ApplyFileListViewLanguage(view));
  SprResGlobalArr = before;
  EXPECT_FALSE(view.ColumnsRefreshLocked());
  EXPECT_EQ(view.StatusTexts[1], "Changed");
  EXPECT_EQ(view.StrRes.StrClose, "");
}

TEST_F(FileListLanguage, EnglishTexts) {
  SetSprResGlobal(0);
  TTestFileListView view;
  view.PopUpCustomItems = {{1, "Mine", 0, 0, false, false}, {2, "old", 241, 0, false, false}};
  view.SetColumns(flvColAttributeReadOnly, flvColVideoFPS, flvColFileCountDirect);
  const int before = view.ColumnsChanged;
  ASSERT_TRUE(ApplyFileListViewLanguage(view));
  // The header's captions change once, at the end.
  EXPECT_EQ(view.ColumnsChanged, before + 1);
  EXPECT_FALSE(view.ColumnsRefreshLocked());
  auto caption = [&](TFileListViewColumnType t) {
    return view.ColumnInfos[static_cast<size_t>(view.GetColumnInfoIndex(t, 0, false))].Caption;
  };
  EXPECT_EQ(caption(flvColAttributeReadOnly), "Locked");
  EXPECT_EQ(caption(flvColDocumentPageCount), "Number of Pages");
  EXPECT_EQ(caption(flvColFileCountDirect), "Files Direct");
  EXPECT_EQ(caption(flvColImageHeight), "Height");
  EXPECT_EQ(caption(flvColImageAspectRatio), "Aspect Ratio");
  EXPECT_EQ(caption(flvColAudioSampleRate), "Sample Rate");
  EXPECT_EQ(caption(flvColVideoFPS), "FPS");
  EXPECT_EQ(view.GuiColumns()[0].Caption, "Locked");
  EXPECT_EQ(view.GuiColumns()[2].Caption, "Files Direct");
  EXPECT_EQ(view.ExportFormat.ColumnCaptions[flvColCheckSumSHA2_384 - 1].Caption, "SHA384");
  EXPECT_EQ(view.ExportFormat.ColumnCaptions[flvColAttributeHiddenExt - 1].Caption, "Hidden Extension");
  EXPECT_EQ(view.StatusTexts[1], "Modified");
  EXPECT_EQ(view.StatusTexts[5], "Error - File not found");
  EXPECT_EQ(view.StatusTexts[10], "Error - Saving Failed");
  EXPECT_EQ(view.StrRes.StrRemoveAll, "Remove All Files");
  EXPECT_EQ(view.StrRes.StrClose, "Close");
  EXPECT_EQ(view.StrRes.StrCopyAs, "Copy as <X>");
  EXPECT_EQ(view.StrRes.StrFilterHint,
            "Multiple terms can be separated by a comma or a semicolon (Example: word1,word2)\nUsing a preceding minus "
            "sign, only terms that are not listed are searched for (Example: -word1,word2)");
  EXPECT_EQ(view.StrRes.StrAllowedFormats, "Allowed Formats");
  EXPECT_EQ(view.StrRes.StrFileTypeNames[0], "Folder");
  EXPECT_EQ(view.FileExtensionFilter->StrOthers, "Others");
  EXPECT_EQ(view.PopUpCustomItems[0].Caption, "Mine");
  EXPECT_EQ(view.PopUpCustomItems[1].Caption, "Name");
}

TEST_F(FileListLanguage, GermanTexts) {
  SetSprResGlobal(1);
  TFileListViewStore view;
  ASSERT_TRUE(ApplyFileListViewLanguage(view));
  EXPECT_EQ(view.GuiColumns()[0].Caption, SprText(241));
  EXPECT_NE(view.StrRes.StrRemoveAll, "Remove All Files");
  EXPECT_EQ(view.StatusTexts[4], SprText(7));
}

// The "Remove Files with this Status" menus name states, not the "Date
// Modified" column or the "New" command, and a sentence's own full stop (or
// the ideographic one) does not stay inside the error caption.
TEST_F(FileListLanguage, StatusesAreStatesInTheLanguage) {
  const struct {
    uint32_t Language;
    const char* New;
    const char* Modified;
    const char* NotFound;
  } kCases[] = {
      {5, "新增", "已修改", "错误 - 找不到文件"},
      {10, "新規", "更新済み", "エラー - ファイルが見つかりません"},
      {13, "جديد", "معدَّل", "خطأ - لم يتم العثور على الملف"},
      {6, "Nouveau", "Modifié", "Erreur - Fichier introuvable"},
      {7, "Новый", "Изменён", "Ошибка - Файл не найден"},
  };
  for (const auto& c : kCases) {
    SetSprResGlobal(c.Language);
    TFileListViewStore view;
    ASSERT_TRUE(ApplyFileListViewLanguage(view));
    EXPECT_EQ(view.StatusTexts[0], c.New) << c.Language;
    EXPECT_EQ(view.StatusTexts[1], c.Modified) << c.Language;
    EXPECT_EQ(view.StatusTexts[5], c.NotFound) << c.Language;
  }
}

}  // namespace
