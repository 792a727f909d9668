// Admitting files and folders into the file list: single files, folders and
// folder searches over a temporary tree, limits, duplicates, hidden entries,
// links and filters, the information records made on the way, and the
// duplicate index.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "filelist/core/file_list_view_core.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

const std::string kCafeComposed = "Caf\xC3\xA9.txt";
const std::string kCafeDecomposed = "Cafe\xCC\x81.txt";

// root/ a.txt(3)  b.jpg(4)  .hidden.txt  bin.dat (binary)  Café.txt twice
//       sub/ Artist - Title.mp3(10)  deeper/ d.txt(7)  .h/ x.txt
//       link.txt -> a.txt   linkdir -> sub   sub/up -> .. (a loop)
void BuildTree(const std::string& root) {
  WriteFileBytes(root + "/a.txt", "aaa");
  WriteFileBytes(root + "/b.jpg", "bbbb");
  WriteFileBytes(root + "/.hidden.txt", "h");
  WriteFileBytes(root + "/bin.dat", std::string("\x00\x01\x02\x03", 4));
  WriteFileBytes(root + "/" + kCafeComposed, "c");
  WriteFileBytes(root + "/" + kCafeDecomposed, "d");
  fs::create_directories(root + "/sub/deeper");
  fs::create_directories(root + "/sub/.h");
  WriteFileBytes(root + "/sub/Artist - Title.mp3", "0123456789");
  WriteFileBytes(root + "/sub/deeper/d.txt", "1234567");
  WriteFileBytes(root + "/sub/.h/x.txt", "xx");
  fs::create_symlink(root + "/a.txt", root + "/link.txt");
  fs::create_directory_symlink(root + "/sub", root + "/linkdir");
  fs::create_directory_symlink("..", root + "/sub/up");
}

TStrArray Relative(const TFileListViewCore& view, const std::string& root, bool sorted) {
  TStrArray names;
  for (size_t i = 0; i < view.Items().size(); ++i) {
    std::string n(view.Items().FileName(i));
    names.push_back(n.rfind(root + "/", 0) == 0 ? n.substr(root.size() + 1) : n);
  }
  if (sorted) std::sort(names.begin(), names.end());
  return names;
}

struct TAdmissionCase {
  const char* Name;
  std::function<void(TFileListViewCore&)> Setup;
  // Paths below the root; "search:" runs a folder search there.
  TStrArray Adds;
  TStrArray Expected;  // in list order, or sorted when Sorted
  bool Sorted = false;
  int32_t Limit = 0, Duplicate = 0, NameRefused = 0, Format = 0;
};

TEST(FileListAdmission, CasesOverATemporaryTree) {
  TempDir dir;
  const std::string root = dir.str();
  BuildTree(root);
  auto none = [](TFileListViewCore&) {};
  const std::vector<TAdmissionCase> cases = {
      {"single file", none, {"a.txt"}, {"a.txt"}},
      {"missing file adds nothing", none, {"nothing.txt"}, {}},
      {"duplicate refused and counted",
       [](TFileListViewCore& v) { v.AllowDublicates = false; },
       {"a.txt", "b.jpg", "a.txt"},
       {"a.txt", "b.jpg"},
       false,
       0,
       1},
      {"duplicates allowed", none, {"a.txt", "a.txt"}, {"a.txt", "a.txt"}},
      // Both spellings exist on disk; the second is the same name composed.
      {"composed and decomposed name are one entry, kept as found on disk",
       [](TFileListViewCore& v) { v.AllowDublicates = false; },
       {kCafeDecomposed, kCafeComposed},
       {kCafeDecomposed},
       false,
       0,
       1},
      {"file limit refuses",
       [](TFileListViewCore& v) { v.FileLimit = 2; },
       {"a.txt", "b.jpg", "bin.dat"},
       {"a.txt", "b.jpg"},
       false,
       1},
      {"file limit makes room",
       [](TFileListViewCore& v) {
         v.FileLimit = 2;
         v.RemoveFilesToEnsureFileLimit = true;
       },
       {"a.txt", "b.jpg", "bin.dat"},
       {"b.jpg", "bin.dat"}},
      // The link sub/up is found as a file and never entered.
      {"folder: its files, subfolders searched, hidden ones not",
       none,
       {"sub"},
       {"sub/Artist - Title.mp3", "sub/deeper/d.txt", "sub/up"},
       true},
      {"folder without subfolders",
       [](TFileListViewCore& v) { v.SearchSubDirectories = false; },
       {"sub"},
       {"sub/Artist - Title.mp3", "sub/up"},
       true},
      {"folder with folders on: folder entries too",
       [](TFileListViewCore& v) { v.AddFolders = true; },
       {"sub"},
       {"sub", "sub/Artist - Title.mp3", "sub/deeper", "sub/deeper/d.txt", "sub/up"},
       true},
      {"folder without adding its files",
       [](TFileListViewCore& v) {
         v.AddFolders = true;
         v.AddFilesFromFolders = false;
       },
       {"sub"},
       {"sub"}},
      {"hidden files found with the option",
       [](TFileListViewCore& v) { v.AddHiddenFiles = true; },
       {"sub"},
       {"sub/.h/x.txt", "sub/Artist - Title.mp3", "sub/deeper/d.txt", "sub/up"},
       true},
      // Links are found as files and never entered: sub is reached once.
      {"search: links found, never entered",
       none,
       {"search:"},
       {"a.txt", "b.jpg", "bin.dat", kCafeComposed, kCafeDecomposed, "link.txt", "linkdir", "sub/Artist - Title.mp3",
        "sub/deeper/d.txt", "sub/up"},
       true},
      {"single hidden file without the filter for single files", none, {".hidden.txt"}, {".hidden.txt"}},
      {"single hidden file refused with the filter for single files",
       [](TFileListViewCore& v) { v.ApplyFilterForSingleFiles = true; },
       {".hidden.txt", "a.txt"},
       {"a.txt"}},
      {"binary file refused with only text files",
       [](TFileListViewCore& v) {
         v.ApplyFilterForSingleFiles = true;
         v.AddOnlyTextFiles = true;
       },
       {"bin.dat", "a.txt"},
       {"a.txt"}},
      {"name filter for single files",
       [](TFileListViewCore& v) {
         v.ApplyFilterForSingleFiles = true;
         v.FileNameFilter->SetFilter("b", false, true);
       },
       {"a.txt", "b.jpg"},
       {"b.jpg"},
       false,
       0,
       0,
       1},
      {"current extension list: a search takes only it",
       [](TFileListViewCore& v) {
         v.FileExtensionFilter->SetFilter("TXT", "", "");
         v.AddHiddenFiles = true;
       },
       {"search:sub"},
       {"sub/.h/x.txt", "sub/deeper/d.txt"},
       true},
      {"current extension list: a single file passes without the filter for single files",
       [](TFileListViewCore& v) { v.FileExtensionFilter->SetFilter("TXT", "", ""); },
       {"b.jpg"},
       {"b.jpg"}},
      {"current extension list: a single file refused with the filter for single files",
       [](TFileListViewCore& v) {
         v.FileExtensionFilter->SetFilter("TXT", "", "");
         v.ApplyFilterForSingleFiles = true;
       },
       {"b.jpg", "a.txt"},
       {"a.txt"},
       false,
       0,
       0,
       0,
       1},
      {"blacklist refuses single files too",
       [](TFileListViewCore& v) { v.FileExtensionFilter->SetFilter("", "", "JPG"); },
       {"b.jpg", "a.txt"},
       {"a.txt"},
       false,
       0,
       0,
       0,
       1},
      {"host veto",
       [](TFileListViewCore& v) {
         v.OnCanAdd = [](TFileListView*, const std::string& name, int32_t, bool, bool& can) {
           can = name.find("b.jpg") == std::string::npos;
         };
       },
       {"a.txt", "b.jpg"},
       {"a.txt"}},
  };
  for (const TAdmissionCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TFileListViewCore view;
    view.ShowFileSearchProgressDialog = false;
    c.Setup(view);
    for (const std::string& add : c.Adds) {
      if (add.rfind("search:", 0) == 0) {
        const std::string sub = add.substr(7);
        view.AddFilesAndFoldersFromFolder(sub.empty() ? root : root + "/" + sub);
      } else {
        view.AddFile(root + "/" + add);
      }
    }
    TStrArray expected = c.Expected;
    if (c.Sorted) std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Relative(view, root, c.Sorted), expected);
    EXPECT_EQ(view.CountNotAddedLimit, c.Limit);
    EXPECT_EQ(view.CountNotAddedDuplicate, c.Duplicate);
    EXPECT_EQ(view.CountNotAddedName, c.NameRefused);
    EXPECT_EQ(view.CountNotAddedFormat, c.Format);
    EXPECT_EQ(view.RowCount(), view.GetFileCount());
  }
}

TEST(FileListAdmission, ItemFieldsAndRecordsOfAnAddedFileAndFolder) {
  TempDir dir;
  const std::string root = dir.str();
  BuildTree(root);
  TFileListViewCore view;
  view.ShowFileSearchProgressDialog = false;
  view.AutoItemIDs = true;
  view.SaveBaseDir = true;
  view.AddFolders = true;
  view.SetReadOutFolderInfo(true);
  view.SetReadOutAudioInfo(true);
  int addingDone = 0;
  TIntArray recent;
  view.OnAddingDone = [&](TFileListView*, const TIntArray& added) {
    ++addingDone;
    recent = added;
  };
  EXPECT_EQ(view.AddFile(root + "/sub"), 0);
  EXPECT_EQ(addingDone, 1);
  // The folder, its file, its subfolder with a file, and the link sub/up.
  EXPECT_EQ(recent, (TIntArray{0, 1, 2, 3, 4}));
  EXPECT_TRUE(view.RecentlyAddedItems.empty());
  const TFileListViewItem folder = view.GetItem(0);
  EXPECT_TRUE(folder.IsFolder);
  EXPECT_EQ(folder.Ext, "DIR");
  EXPECT_EQ(folder.ID, 1);
  // Hidden entries never count; the folder's size is all files below it.
  EXPECT_EQ(folder.Size, 17);
  ASSERT_GE(folder.FolderInfoIndex, 0);
  const TFileListViewFolderInfo stats = view.FolderInfos.Get(static_cast<size_t>(folder.FolderInfoIndex));
  EXPECT_EQ(stats.FileCountAll, 2);
  EXPECT_EQ(stats.FileCountDirect, 1);
  EXPECT_EQ(stats.SizeDirect, 10);
  EXPECT_EQ(stats.Deepness, 1);
  TFileListViewItem mp3;
  for (int32_t i = 0; i < view.GetFileCount(); ++i) {
    if (view.GetItem(i).Ext == "MP3") mp3 = view.GetItem(i);
  }
  EXPECT_EQ(mp3.Name, "Artist - Title.mp3");
  EXPECT_EQ(mp3.BaseDir, root + "/sub");
  EXPECT_EQ(mp3.Size, 10);
  EXPECT_NE(mp3.Date, 0);
  ASSERT_GE(mp3.AudioInfoIndex, 0);
  // Headless, the readers ran in place: the record is read (the file holds
  // no audio, so the name's guess is gone).
  EXPECT_TRUE(view.AudioInfos.Get(static_cast<size_t>(mp3.AudioInfoIndex)).Read);
  EXPECT_TRUE(view.GetReadingOutDone());
}

TEST(FileListAdmission, ProvisionalAudioRecordGuessesFromTheName) {
  struct TCase {
    std::string File, Artist, Title;
  };
  for (const TCase& c : {TCase{"/m/Artist - Title.mp3", "Artist", "Title"}, TCase{"/m/01 - Song.mp3", "", "01 - Song"},
                         TCase{"/m/Plain.mp3", "", "Plain"}, TCase{"/m/ A  -  B - C .ogg", "A", "B - C"}}) {
    const TFileListViewAudioInfo a = TFileListViewCore::ProvisionalAudioInfo(c.File);
    EXPECT_EQ(a.Artist, c.Artist) << c.File;
    EXPECT_EQ(a.Title, c.Title) << c.File;
    EXPECT_FALSE(a.Read);
  }
}

TEST(FileListAdmission, RecordsLeftForTheReadersOrNotRequested) {
  TempDir dir;
  WriteFileBytes(dir.file("song.mp3"), "x");
  WriteFileBytes(dir.file("tune.mid"), "x");
  WriteFileBytes(dir.file("pic.png"), "x");
  struct TRecorder : TFileListViewCore {
    std::vector<std::pair<TFileListViewInfoKind, size_t>> Started;
    void StartReaderThread(TFileListViewInfoKind kind, TFileListViewReadJobs&& jobs, const TFileListViewHashRequests&,
                           uint64_t) override {
      Started.emplace_back(kind, jobs.size());
    }
  } view;
  view.ShowFileSearchProgressDialog = false;
  view.SetReadOutAudioInfo(true);
  view.AddFile(dir.file("song.mp3"), false);
  view.AddFile(dir.file("tune.mid"), false);
  view.AddFile(dir.file("pic.png"), false);
  // An audio file outside the audio list gets no record; an image with its
  // switch off is marked not requested.
  EXPECT_GE(view.GetItem(0).AudioInfoIndex, 0);
  EXPECT_EQ(view.GetItem(1).AudioInfoIndex, kInfoNone);
  EXPECT_EQ(view.GetItem(2).ImageInfoIndex, kInfoNotRequested);
  EXPECT_FALSE(view.AudioInfos.Get(0).Read);
  EXPECT_EQ(view.AudioInfos.Get(0).Title, "song");
  view.RefreshItemCountAndInitAddingDoneIfNotInUpdateState();
  ASSERT_EQ(view.Started.size(), 1u);
  EXPECT_EQ(view.Started[0], std::make_pair(TFileListViewInfoKind::Audio, size_t{1}));
  EXPECT_TRUE(view.ReaderState(TFileListViewInfoKind::Audio).ReadingOut);
  // Switching images on collects the one image from the start.
  view.SetReadOutImageInfo(true);
  ASSERT_EQ(view.Started.size(), 2u);
  EXPECT_EQ(view.Started[1], std::make_pair(TFileListViewInfoKind::Image, size_t{1}));
  EXPECT_GE(view.GetItem(2).ImageInfoIndex, 0);
}

TEST(FileListAdmission, DuplicateIndexGrowsAndStillFindsEveryName) {
  TempDir dir;
  WriteFileBytes(dir.file("last"), "");
  TFileListViewCore grown;
  grown.ShowFileSearchProgressDialog = false;
  grown.AllowDublicates = false;
  for (int i = 0; i < 3501; ++i) WriteFileBytes(dir.file(std::to_string(i)), "");
  for (int i = 0; i < 3501; ++i) grown.AddFile(dir.file(std::to_string(i)), false);
  EXPECT_EQ(grown.BloomFilter().FilterSize(), 64937u);
  EXPECT_EQ(grown.BloomFilterLimit(), 51949);
  for (int i = 0; i < 3501; i += 97) EXPECT_TRUE(grown.ContainsFile(dir.file(std::to_string(i)))) << i;
  EXPECT_FALSE(grown.ContainsFile(dir.file("last")));
  grown.AddFile(dir.file("0"), false);
  EXPECT_EQ(grown.CountNotAddedDuplicate, 1);
  // Emptying the list clears the index: the same name enters again.
  grown.RemoveAll();
  EXPECT_FALSE(grown.ContainsFile(dir.file("0")));
  EXPECT_EQ(grown.AddFile(dir.file("0")), 0);
}

TEST(FileListAdmission, BatchModeReadsEverythingAtOnceChecksumsIncluded) {
  TempDir dir;
  WriteFileBytes(dir.file("a.txt"), "abc");
  fs::create_directory(dir.file("folder"));
  TFileListViewCore view;
  view.ShowFileSearchProgressDialog = false;
  view.AddFolders = true;
  view.AddFilesFromFolders = false;
  view.StartBatchMode();
  view.SetColumns(flvColName, flvColCheckSumMD5, flvColCheckSumSHA2_256, flvColTextWordCount);
  view.RefreshReadOutPropertiesBasedOnColumnsCurrentlyVisible();
  view.AddFile(dir.file("a.txt"));
  view.AddFile(dir.file("folder"));
  const TFileListViewItem a = view.GetItem(0);
  ASSERT_GE(a.TextInfoIndex, 0);
  EXPECT_TRUE(view.TextInfos.Get(static_cast<size_t>(a.TextInfoIndex)).Read);
  EXPECT_EQ(view.TextInfos.Get(static_cast<size_t>(a.TextInfoIndex)).Words, 1);
  ASSERT_GE(a.CheckSumInfoIndex, 0);
  const TFileListViewCheckSumInfo sums = view.CheckSumInfos.Get(static_cast<size_t>(a.CheckSumInfoIndex));
  EXPECT_EQ(sums[0], "900150983CD24FB0D6963F7D28E17F72");
  EXPECT_EQ(sums[5], "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD");
  EXPECT_EQ(sums[3], "");
  // A folder is neither read as text nor hashed.
  const TFileListViewItem folder = view.GetItem(1);
  EXPECT_EQ(folder.TextInfoIndex, kInfoNone);
  EXPECT_EQ(folder.CheckSumInfoIndex, kInfoNone);
}

TEST(FileListAdmission, FolderStatisticsReadLaterAndNeverFollowLinkLoops) {
  TempDir dir;
  const std::string root = dir.str();
  BuildTree(root);
  TFileListViewCore view;
  view.ShowFileSearchProgressDialog = false;
  view.AddFolders = true;
  view.AddFilesFromFolders = false;
  view.SetReadOutFolderInfo(false);
  view.AddFile(root + "/sub");
  EXPECT_EQ(view.GetItem(0).FolderInfoIndex, kInfoNotRequested);
  EXPECT_EQ(view.GetItem(0).Size, 0);
  // sub/up points back at the root: counted as a folder, never entered.
  view.SetReadOutFolderInfo(true);
  ASSERT_EQ(view.GetItem(0).FolderInfoIndex, 0);
  EXPECT_EQ(view.GetItem(0).Size, 17);
  EXPECT_EQ(view.FolderInfos.Get(0).FolderCountDirect, 2);
}

TEST(FileListAdmission, FoundListFileIsImportedAndAddedToo) {
  TempDir dir;
  WriteFileBytes(dir.file("a.txt"), "a");
  WriteFileBytes(dir.file("my.filelist"), dir.file("a.txt") + "\n");
  struct TImporting : TFileListViewCore {
    TStrArray Imported;
    bool FileListImportFromFile(const std::string& name, bool) override {
      Imported.push_back(name);
      return true;
    }
  } view;
  view.ShowFileSearchProgressDialog = false;
  view.AddFilesAndFoldersFromFolder(dir.str());
  EXPECT_EQ(view.Imported, (TStrArray{dir.file("my.filelist")}));
  EXPECT_EQ(view.GetFileCount(), 2);
  view.AllowFileListImport = false;
  view.AddFile(dir.file("my.filelist"));
  EXPECT_EQ(view.Imported.size(), 1u);
}

}  // namespace
