// Removing entries from the file list: by selection, predicate and index,
// host vetoes, the names collected for the host, the deletion-done step, and
// the queries over the list; on a temporary tree.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "filelist/core/file_list_view_core.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

// Five entries: a.txt b.txt (binary content) c.jpg d.mp3 and the folder f.
struct TRemovalList {
  TempDir Dir;
  TFileListViewCore View;
  int Done = 0;
  TStrArray RemovedAtDone;
  TRemovalList() {
    WriteFileBytes(Dir.file("a.txt"), "hello");
    WriteFileBytes(Dir.file("b.txt"), std::string("\x00\x01\x02", 3));
    WriteFileBytes(Dir.file("c.jpg"), "x");
    WriteFileBytes(Dir.file("d.mp3"), "x");
    fs::create_directory(Dir.file("f"));
    View.ShowFileSearchProgressDialog = false;
    View.AddFolders = true;
    View.AddFilesFromFolders = false;
    View.AutoItemIDs = true;
    View.CollectFilesRemoved = true;
    View.StartBatchMode();
    View.SetReadOutTextInfo(true);
    View.SetReadOutAudioInfo(true);
    for (const char* n : {"a.txt", "b.txt", "c.jpg", "d.mp3", "f"}) View.AddFile(Dir.file(n));
    View.OnDeletionDone = [this](TFileListView*) {
      ++Done;
      RemovedAtDone = View.FilesRemoved;
    };
  }
  TStrArray Names() const {
    TStrArray names;
    for (int32_t i = 0; i < View.GetFileCount(); ++i) names.push_back(View.GetItem(i).Name);
    return names;
  }
};

void SetStatus(TFileListViewCore& view, int32_t index, int32_t status) {
  TFileListViewItem item = view.GetItem(index);
  item.Status = status;
  view.SetItem(index, item);
}

TEST(FileListRemoving, OperationsAsATable) {
  struct TCase {
    const char* Name;
    std::function<void(TRemovalList&)> Act;
    TStrArray Left;
    int Done;
  };
  const TCase cases[] = {
      {"selected",
       [](TRemovalList& l) {
         l.View.SetSelectedRows({1, 3});
         l.View.RemoveSelected();
       },
       {"a.txt", "c.jpg", "f"},
       1},
      {"nothing selected: nothing, no event",
       [](TRemovalList& l) { l.View.RemoveSelected(); },
       {"a.txt", "b.txt", "c.jpg", "d.mp3", "f"},
       0},
      {"not selected with nothing selected removes everything",
       [](TRemovalList& l) { l.View.RemoveNotSelected(); },
       {},
       1},
      {"not selected",
       [](TRemovalList& l) {
         l.View.SetSelectedRows({0});
         l.View.RemoveNotSelected();
       },
       {"a.txt"},
       1},
      {"all selected, not selected: nothing",
       [](TRemovalList& l) {
         l.View.SetSelectedRows({0, 1, 2, 3, 4});
         l.View.RemoveNotSelected();
       },
       {"a.txt", "b.txt", "c.jpg", "d.mp3", "f"},
       0},
      {"binary files; folders and unread ones stay",
       [](TRemovalList& l) { l.View.RemoveBinaryFiles(); },
       {"a.txt", "c.jpg", "d.mp3", "f"},
       1},
      {"non-existent files and folders",
       [](TRemovalList& l) {
         fs::remove(l.Dir.file("c.jpg"));
         fs::remove(l.Dir.file("f"));
         l.View.RemoveFilesNonExistent();
       },
       {"a.txt", "b.txt", "d.mp3"},
       1},
      {"with status",
       [](TRemovalList& l) {
         SetStatus(l.View, 2, 3);
         l.View.RemoveFilesWithStatus(3, true);
       },
       {"a.txt", "b.txt", "d.mp3", "f"},
       1},
      {"without status",
       [](TRemovalList& l) {
         SetStatus(l.View, 2, 3);
         l.View.RemoveFilesWithStatus(3, false);
       },
       {"c.jpg"},
       1},
      {"not matching the filter",
       [](TRemovalList& l) {
         l.View.FileExtensionFilter->SetFilter("TXT,JPG", "", "");
         l.View.RemoveFilesNotMatchingCurrentFileFilter();
       },
       {"a.txt", "b.txt", "c.jpg", "f"},
       1},
      {"one by index", [](TRemovalList& l) { l.View.RemoveFile(1); }, {"a.txt", "c.jpg", "d.mp3", "f"}, 1},
      {"index out of range",
       [](TRemovalList& l) { l.View.RemoveFile(5); },
       {"a.txt", "b.txt", "c.jpg", "d.mp3", "f"},
       0},
      {"veto of every item still ends with the event",
       [](TRemovalList& l) {
         l.View.OnDeleteItem = [](TFileListView*, TFileListViewListItem, int32_t, int32_t, bool& can) { can = false; };
         l.View.SetSelectedRows({0, 1});
         l.View.RemoveSelected();
       },
       {"a.txt", "b.txt", "c.jpg", "d.mp3", "f"},
       1},
      {"veto of one",
       [](TRemovalList& l) {
         l.View.OnDeleteItem = [](TFileListView*, TFileListViewListItem, int32_t index, int32_t, bool& can) {
           can = index != 0;
         };
         l.View.RemoveNotSelected();
       },
       {"a.txt"},
       1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TRemovalList l;
    c.Act(l);
    EXPECT_EQ(l.Names(), c.Left);
    EXPECT_EQ(l.Done, c.Done);
    EXPECT_EQ(l.View.RowCount(), l.View.GetFileCount());
    EXPECT_TRUE(l.View.FilesRemoved.empty());
    if (c.Done) {
      EXPECT_EQ(l.RemovedAtDone.size(), 5u - c.Left.size());
    }
  }
}

TEST(FileListRemoving, RemainingEntriesKeepTheirRecordsAndAnEmptyListResets) {
  TRemovalList l;
  const TFileListViewItem mp3Before = l.View.GetItem(3);
  l.View.SetSelectedRows({0, 1});
  l.View.RemoveSelected();
  EXPECT_EQ(l.RemovedAtDone, (TStrArray{l.Dir.file("a.txt"), l.Dir.file("b.txt")}));
  const TFileListViewItem mp3 = l.View.GetItem(1);
  EXPECT_EQ(mp3.Name, "d.mp3");
  EXPECT_EQ(mp3.AudioInfoIndex, mp3Before.AudioInfoIndex);
  EXPECT_EQ(l.View.AudioInfos.Get(static_cast<size_t>(mp3.AudioInfoIndex)).FileName, l.Dir.file("d.mp3"));
  // The last item goes: records, duplicate index and IDs start afresh.
  l.View.AutoItemIDResetOnDeletion = true;
  l.View.RemoveAll();
  EXPECT_EQ(l.View.TextInfos.size(), 0u);
  EXPECT_EQ(l.View.AudioInfos.size(), 0u);
  EXPECT_EQ(l.View.NextAutoItemID, 1);
  l.View.AddFile(l.Dir.file("a.txt"));
  EXPECT_EQ(l.View.GetItem(0).ID, 1);
}

TEST(FileListRemoving, RowFilterOnRemovesWhatTheRowsShow) {
  TRemovalList l;
  TFileListViewFilterRec f;
  f.Column = flvColPath;
  f.Text = ".txt";
  f.MatchMode = kFlvFilterContains;
  l.View.AddFilter(f);
  l.View.SetFilterOn(true);
  ASSERT_EQ(l.View.RowCount(), 2);
  TFileListViewListItem vetoedRow = -2;
  l.View.OnDeleteItem = [&](TFileListView*, TFileListViewListItem row, int32_t index, int32_t, bool& can) {
    vetoedRow = row;
    can = index != 1;
  };
  // Row 1 shows b.txt; "not selected" touches no hidden entry.
  l.View.SetSelectedRows({0});
  l.View.RemoveNotSelected();
  EXPECT_EQ(vetoedRow, 1);
  EXPECT_EQ(l.Names().size(), 5u);
  l.View.OnDeleteItem = nullptr;
  l.View.SetSelectedRows({1});
  l.View.RemoveSelected();
  EXPECT_EQ(l.Names(), (TStrArray{"a.txt", "c.jpg", "d.mp3", "f"}));
  EXPECT_EQ(l.View.FilteredIndexes(), (TIntArray{0}));
  EXPECT_EQ(l.View.RowCount(), 1);
}

TEST(FileListRemoving, QueriesOverTheList) {
  TRemovalList l;
  EXPECT_TRUE(l.View.ContainsBinaryFiles());
  EXPECT_EQ(l.View.GetAllExtensionsInList(false), (TStrArray{"TXT", "JPG", "MP3", "DIR"}));
  EXPECT_EQ(l.View.GetAllExtensionsInList(true), (TStrArray{"DIR", "JPG", "MP3", "TXT"}));
  const TIntStrArray types = l.View.GetAllFileTypesInList(true);
  ASSERT_EQ(types.size(), 4u);
  EXPECT_EQ(l.View.GetContainingFolderOfFile(0), l.Dir.str());
  EXPECT_EQ(l.View.GetContainingFolderOfFile(4), l.Dir.str());
  EXPECT_EQ(l.View.GetContainingFolderOfFile(9), "");
  l.View.SetSelectedRows({2, 0});
  EXPECT_EQ(l.View.GetFilePathAndNameOfSelectedFiles(), (TStrArray{l.Dir.file("a.txt"), l.Dir.file("c.jpg")}));
  std::string name;
  int32_t id = 0, index = 0;
  TFileListViewListItem row = 0;
  EXPECT_TRUE(l.View.GetSelectedItemParams(name, id, index, row));
  EXPECT_EQ(name, l.Dir.file("a.txt"));
  EXPECT_EQ(id, 1);
  l.View.SetSelectedRows({});
  EXPECT_FALSE(l.View.GetSelectedItemParams(name, id, index, row));
  EXPECT_EQ(index, -1);
}

}  // namespace
