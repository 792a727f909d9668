// The standard popup menu's entries, order and visibility in each state of
// the list, the view's keys and the header clicks.
#include "filelist/core/file_list_popup_menu.h"

#include <gtest/gtest.h>

#include "file_list_test_items.h"

namespace {

// The shown entries as their tags, separators as "-".
std::string Shown(const TFileListViewStore& view, const TFileListViewPopupState& state) {
  const std::vector<int32_t> tags = StandardPopupMenuTags(view.PopUpCustomItems);
  const std::vector<bool> shown = StandardPopupMenuVisibility(tags, view, state);
  std::string text;
  for (size_t i = 0; i < tags.size(); ++i) {
    if (!shown[i]) continue;
    if (!text.empty()) text += ' ';
    text += tags[i] == kPopupSeparator ? std::string("-") : std::to_string(tags[i]);
  }
  return text;
}

void AddFiles(TFileListViewStore& view, int count) {
  for (int i = 0; i < count; ++i) view.AppendItem(MakeFileItem("/data/f" + std::to_string(i) + ".txt"));
  view.RefreshItemCount();
}

TEST(FileListPopupMenu, EntriesInTheirOrderWithCustomEntriesAboveAndBelow) {
  TFileListViewPopUpCustomItemArray custom = {
      {7, "Below", 0, 1, false, false}, {8, "Above", 0, 0, false, false}, {9, "Nowhere", 0, 5, false, false}};
  const std::vector<int32_t> tags = StandardPopupMenuTags(custom);
  const std::vector<int32_t> expected = {101, 1,  20, 14, 15, 20, 4,  5,  6,  7,  8,  9,  3,  20,
                                         17,  16, 20, 10, 11, 2,  20, 12, 13, 18, 19, 20, 100};
  EXPECT_EQ(tags, expected);
  EXPECT_EQ(StandardPopupMenuTags({}).size(), 24u);
}

TEST(FileListPopupMenu, CaptionsCarryDotsWhereAWindowOpens) {
  TTestFileListView view;
  view.PopUpCustomItems = {{3, "Mine", 0, 0, false, false}};
  const struct {
    int32_t tag;
    const char* caption;
  } cases[] = {
      {kPopupOpen, "Open..."},
      {kPopupOpenContainingFolder, "Open containing Folder"},
      {kPopupRemoveAll, "Remove all"},
      {kPopupRemoveSelected, "Remove selected"},
      {kPopupRemoveNotSelected, "Remove not selected"},
      {kPopupRemoveFilesWithStatus, "Remove Files with Status"},
      {kPopupRemoveFilesWithNotStatus, "Remove Files with not Status"},
      {kPopupRemoveBinaryFiles, "Remove Binary Files"},
      {kPopupRemoveNonexistentFiles, "Remove nonexistent Files"},
      {kPopupCopyFilesToClipboard, "Copy Files to Clipboard"},
      {kPopupCopyFilePathsToClipboard, "Copy File Paths to Clipboard"},
      {kPopupFileProperties, "File Properties..."},
      {kPopupListProperties, "List Properties..."},
      {kPopupAddFiles, "Add Files..."},
      {kPopupSearchFolder, "Search Folder..."},
      {kPopupExportFileList, "Export File List..."},
      {kPopupImportFileList, "Import File List..."},
      // The plain view has no filter text until a language is applied.
      {kPopupFilter, "..."},
      {kPopupColumns, "Columns..."},
      {kPopupSeparator, "-"},
      {kPopupCustomBase, "Mine"},
      {kPopupCustomBase + 1, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StandardPopupMenuCaption(c.tag, view.StrRes, view.PopUpCustomItems), c.caption) << c.tag;
  }
}

TEST(FileListPopupMenu, ShownEntriesInEachState) {
  const struct {
    const char* name;
    int files;
    TIntArray selected;
    bool adding, import, exportList, open, columns;
    const char* shown;
  } cases[] = {
      {"empty list", 0, {}, true, true, true, true, false, "14 15 - 17 - 18"},
      {"empty list, columns on", 0, {}, true, true, true, true, true, "14 15 - 17 - 18 19"},
      {"empty list, nothing offered", 0, {}, false, false, true, true, false, ""},
      {"files, one selected",
       3,
       {1},
       true,
       true,
       true,
       true,
       false,
       "1 - 14 15 - 4 5 9 3 - 17 16 - 10 11 2 - 12 13 18"},
      {"files, all selected",
       3,
       {0, 1, 2},
       true,
       true,
       true,
       true,
       false,
       "1 - 14 15 - 9 3 - 17 16 - 10 11 2 - 12 13 18"},
      {"files, none selected", 3, {}, true, true, true, true, false, "14 15 - 9 3 - 17 16 - 13 18"},
      {"no adding, import, export or open", 2, {0}, false, false, false, false, true, "4 5 9 3 - 10 11 2 - 12 13 19"},
  };
  for (const auto& c : cases) {
    TTestFileListView view;
    AddFiles(view, c.files);
    view.SetSelectedRows(c.selected);
    view.ShowPopUpMenuFileAddingOptions = c.adding;
    view.AllowFileListImport = c.import;
    view.AllowFileListExport = c.exportList;
    view.ShowPopUpMenuOpenFile = c.open;
    view.AllowColumnCustomization = c.columns;
    EXPECT_EQ(Shown(view, GetPopupState(view, nullptr)), c.shown) << c.name;
  }
}

TEST(FileListPopupMenu, StatusEntriesNeedTheStatusColumnAndOfferTheStatusesPresent) {
  TTestFileListView view;
  AddFiles(view, 4);
  for (int i = 0; i < 4; ++i) {
    TFileListViewItem item = view.GetItem(i);
    item.Status = i % 2 == 0 ? 0 : 4;
    view.SetItem(i, item);
  }
  TFileListViewPopupState state = GetPopupState(view, nullptr);
  EXPECT_FALSE(state.StatusColumnVisible);
  EXPECT_EQ(Shown(view, state), "14 15 - 9 3 - 17 16 - 13 18");

  view.SetColumns(flvColName, flvColStatus);
  state = GetPopupState(view, nullptr);
  EXPECT_EQ(Shown(view, state), "14 15 - 6 7 9 3 - 17 16 - 13 18");
  std::array<bool, kFileStatusCount> expected{};
  expected[0] = expected[4] = true;
  EXPECT_EQ(state.StatusPresent, expected);

  // Statuses outside the texts count for none.
  TFileListViewItem item = view.GetItem(1);
  item.Status = 11;
  view.SetItem(1, item);
  item = view.GetItem(3);
  item.Status = -1;
  view.SetItem(3, item);
  expected[4] = false;
  EXPECT_EQ(GetPopupState(view, nullptr).StatusPresent, expected);
}

TEST(FileListPopupMenu, BinaryEntryAsksOnlyWhenOffered) {
  TTestFileListView view;
  AddFiles(view, 2);
  int asked = 0;
  auto binary = [&asked] {
    ++asked;
    return true;
  };
  EXPECT_EQ(Shown(view, GetPopupState(view, binary)), "14 15 - 9 3 - 17 16 - 13 18");
  EXPECT_EQ(asked, 0);
  view.ShowPopUpMenuRemoveBinaryFiles = true;
  EXPECT_EQ(Shown(view, GetPopupState(view, binary)), "14 15 - 8 9 3 - 17 16 - 13 18");
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(Shown(view, GetPopupState(view, [] { return false; })), "14 15 - 9 3 - 17 16 - 13 18");
}

TEST(FileListPopupMenu, CustomEntriesFollowTheirNeeds) {
  TTestFileListView view;
  view.ShowPopUpMenuFileAddingOptions = false;
  view.AllowFileListImport = false;
  view.PopUpCustomItems = {
      {1, "Always", 0, 0, false, false}, {2, "Selection", 0, 1, true, true}, {3, "Files", 0, 1, false, true}};
  EXPECT_EQ(Shown(view, GetPopupState(view, nullptr)), "100");
  AddFiles(view, 2);
  EXPECT_EQ(Shown(view, GetPopupState(view, nullptr)), "100 - 9 3 - 16 - 13 - 102");
  view.SetSelectedRows({0});
  EXPECT_EQ(Shown(view, GetPopupState(view, nullptr)), "100 1 - 4 5 9 3 - 16 - 10 11 2 - 12 13 - 101 102");
}

TEST(FileListPopupMenu, Keys) {
  const struct {
    TFileListViewKey key;
    int32_t modifiers;
    bool allowDelKey;
    TFileListViewKeyAction action;
  } cases[] = {
      {flvKeyA, kFlvCtrl, true, TFileListViewKeyAction::SelectAll},
      {flvKeyA, kFlvMeta, true, TFileListViewKeyAction::SelectAll},
      {flvKeyA, kFlvCtrl, false, TFileListViewKeyAction::SelectAll},
      {flvKeyA, kFlvCtrl | kFlvShift, true, TFileListViewKeyAction::None},
      {flvKeyA, kFlvCtrl | kFlvMeta, true, TFileListViewKeyAction::None},
      {flvKeyA, 0, true, TFileListViewKeyAction::None},
      {flvKeyDelete, 0, true, TFileListViewKeyAction::RemoveSelected},
      {flvKeyDelete, kFlvAlt, true, TFileListViewKeyAction::RemoveSelected},
      {flvKeyDelete, kFlvCtrl | kFlvShift, true, TFileListViewKeyAction::RemoveSelected},
      {flvKeyDelete, kFlvShift, true, TFileListViewKeyAction::RemoveNotSelected},
      {flvKeyDelete, kFlvCtrl, true, TFileListViewKeyAction::RemoveAll},
      {flvKeyDelete, 0, false, TFileListViewKeyAction::None},
      {flvKeyDelete, kFlvCtrl, false, TFileListViewKeyAction::None},
      {flvKeyOther, kFlvCtrl, true, TFileListViewKeyAction::None},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileListViewKeyAction(c.key, c.modifiers, c.allowDelKey), c.action)
        << c.key << " " << c.modifiers << " " << c.allowDelKey;
  }
}

TEST(FileListHeaderClick, SortsUpDownUpAndClearsTheSelection) {
  TTestFileListView view;
  for (const char* name : {"/d/b.txt", "/d/a.txt", "/d/c.txt"}) view.AppendItem(MakeFileItem(name));
  view.RefreshItemCount();
  view.SetSelectedRows({1});
  view.ColClick(0);
  EXPECT_TRUE(view.GetSelectedRows().empty());
  EXPECT_EQ(ItemNames(view), (TStrArray{"a.txt", "b.txt", "c.txt"}));
  // The turn is one for all columns: another column continues it.
  view.ColClick(3);
  EXPECT_EQ(ItemNames(view), (TStrArray{"c.txt", "b.txt", "a.txt"}));
  view.ColClick(0);
  EXPECT_EQ(ItemNames(view), (TStrArray{"a.txt", "b.txt", "c.txt"}));

  view.AllowSortingColumnHeaders = false;
  view.SetSelectedRows({2});
  view.ColClick(0);
  EXPECT_TRUE(view.GetSelectedRows().empty());
  EXPECT_EQ(ItemNames(view), (TStrArray{"a.txt", "b.txt", "c.txt"}));
  EXPECT_FALSE(view.SortAscendingNext());
  // A position without a column sorts nothing.
  view.AllowSortingColumnHeaders = true;
  view.ColClick(9);
  EXPECT_FALSE(view.SortAscendingNext());
}

}  // namespace
