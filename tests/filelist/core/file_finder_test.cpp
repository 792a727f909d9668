#include "filelist/core/file_finder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <stdexcept>

#include "filelist/core/folder_reader.h"
#include "finder_tree.h"
#include "foundation/file_functions.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;

// One tree for the tests that only read it.
class FileFinder : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Tree = new testsupport::TempDir;
    BuildFinderTree(Tree->str());
  }
  static void TearDownTestSuite() {
    delete Tree;
    Tree = nullptr;
  }
  static std::string Root() { return Tree->str() + "/"; }
  static testsupport::TempDir* Tree;
};
testsupport::TempDir* FileFinder::Tree = nullptr;

// Everything the notifications said, in order.
struct TEventLog {
  std::vector<std::string> Lines;
  void Attach(TFileFinderObj& f) {
    f.OnEnterNewDir = [this](TFileFinderObj*, const std::string& folder, int32_t a, int32_t b, int32_t c, int32_t d) {
      Lines.push_back("enter " + folder + Counters(a, b, c, d));
    };
    f.OnFound = [this](TFileFinderObj*, const std::string& name, int32_t a, int32_t b, int32_t c, int32_t d,
                       bool isFolder) {
      Lines.push_back(std::string(isFolder ? "found-folder " : "found ") + name + Counters(a, b, c, d));
    };
    f.OnFoundWithSizeAndDate = [this](TFileFinderObj*, const std::string& name, int64_t size, int64_t total, int32_t,
                                      int32_t, int32_t, int32_t, bool, TDateTime) {
      Lines.push_back("size " + name + " " + std::to_string(size) + " " + std::to_string(total));
    };
    f.OnFoundWithSearchRec = [this](TFileFinderObj*, const std::string& name, const TFileSearchRec& rec, int64_t,
                                    int32_t, int32_t, int32_t, int32_t, bool) {
      Lines.push_back("rec " + name + " " + rec.Name + " " + std::to_string(rec.Attr));
    };
    f.OnEntryDone = [this](TFileFinderObj*, const std::string& folder, const std::string& name, int32_t a, int32_t b,
                           int32_t c, int32_t d) { Lines.push_back("done " + name + Counters(a, b, c, d)); };
  }
  static std::string Counters(int32_t a, int32_t b, int32_t c, int32_t d) {
    return " [" + std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(c) + " " + std::to_string(d) + "]";
  }
  size_t Count(const std::string& prefix) const {
    return static_cast<size_t>(
        std::count_if(Lines.begin(), Lines.end(), [&](const std::string& l) { return l.starts_with(prefix); }));
  }
};

TEST_F(FileFinder, FindsEveryFileInTheFileSystemsOrder) {
  TFileFinderObj f(Root(), true);
  ASSERT_TRUE(f.Execute());
  EXPECT_EQ(f.FileList, ReferenceWalk(Root(), false, false));
  EXPECT_EQ(f.FilesFound(), static_cast<int32_t>(f.FileList.size()));
  EXPECT_EQ(f.FilesSearched(), f.FilesFound());
  // Folders entered: sub1, deeper, locked, many (hidden and linked ones not).
  EXPECT_EQ(f.FoldersSearched(), 4);
  EXPECT_EQ(f.FoldersFound(), 0);
  EXPECT_TRUE(f.FolderList.empty());
  ASSERT_EQ(f.FilesAdvanced.size(), f.FileList.size());
  for (size_t i = 0; i < f.FileList.size(); ++i) EXPECT_EQ(f.FilesAdvanced[i].FileName, f.FileList[i]);
  EXPECT_EQ(f.FilesFound(), 10000 + 16);
}

TEST_F(FileFinder, RecordsOfFoundFiles) {
  TFileFinderObj f(Root(), true);
  f.ExtensionFilter.SetFilter("txt", "", "");
  ASSERT_TRUE(f.Execute());
  auto record = [&](const std::string& path) {
    auto it = std::find_if(f.FilesAdvanced.begin(), f.FilesAdvanced.end(),
                           [&](const TAdvandedFileRec& r) { return r.FileName == path; });
    EXPECT_NE(it, f.FilesAdvanced.end()) << path;
    return it == f.FilesAdvanced.end() ? TAdvandedFileRec{} : *it;
  };
  const TAdvandedFileRec a = record(Root() + "a.txt");
  EXPECT_EQ(a.Path, Root());
  EXPECT_EQ(a.NameWithoutExt, "a");
  EXPECT_EQ(a.Size, 5);
  struct stat st {};
  ASSERT_EQ(::stat((Root() + "a.txt").c_str(), &st), 0);
  EXPECT_DOUBLE_EQ(a.Date, NSDateToDateTime(static_cast<double>(st.st_mtime)));
  EXPECT_GT(a.Date, 40000.0);
  const TAdvandedFileRec z = record(Root() + "sub1/deeper/z.txt");
  EXPECT_EQ(z.Path, Root() + "sub1/deeper/");
  EXPECT_EQ(z.NameWithoutExt, "z");
  // The extension is upper-cased before the test, so b.TXT counts; dots at
  // the front do not make a name hidden.
  record(Root() + "b.TXT");
  record(Root() + "..dots.txt");
  // A link to a file has its target's size.
  EXPECT_EQ(record(Root() + "linkfile.txt").Size, 5);
  // A dangling link is still a file entry.
  record(Root() + "broken.txt");
  int64_t sum = 0;
  for (const auto& r : f.FilesAdvanced) sum += r.Size;
  EXPECT_EQ(f.TotalSize, sum);
  EXPECT_EQ(f.FilesFound(), 5000 + 10);
}

TEST_F(FileFinder, HiddenEntries) {
  TFileFinderObj f(Root(), true);
  f.ExtensionFilter.SetFilter("txt", "", "");
  f.Execute();
  auto has = [&](const std::string& p) {
    return std::find(f.FileList.begin(), f.FileList.end(), p) != f.FileList.end();
  };
  EXPECT_FALSE(has(Root() + ".hidden.txt"));
  EXPECT_FALSE(has(Root() + ".hiddendir/h.txt"));
  EXPECT_TRUE(has(Root() + "..dots.txt"));
  TFileFinderObj g(Root(), true);
  g.IncludeHidden = true;
  ASSERT_TRUE(g.Execute());
  EXPECT_EQ(g.FileList, ReferenceWalk(Root(), true, false));
  EXPECT_EQ(g.FoldersSearched(), 5);
}

TEST_F(FileFinder, LinksAreFilesAndNeverEntered) {
  TFileFinderObj f(Root(), true);
  f.FindFolders = true;
  std::vector<TFileSearchRec> recs;
  f.OnFoundWithSearchRec = [&](TFileFinderObj*, const std::string& name, const TFileSearchRec& rec, int64_t, int32_t,
                               int32_t, int32_t, int32_t, bool isFolder) {
    if (rec.Name == "linkdir" || rec.Name == "loop" || rec.Name == "linkfile.txt" || rec.Name == "sub1") {
      EXPECT_EQ(isFolder, rec.Name == "sub1") << name;
      recs.push_back(rec);
    }
  };
  ASSERT_TRUE(f.Execute());
  for (const std::string& p : f.FileList) {
    EXPECT_FALSE(p.starts_with(Root() + "linkdir/")) << p;
    EXPECT_FALSE(p.starts_with(Root() + "loop/")) << p;
    EXPECT_FALSE(p.starts_with(Root() + "sub1/up/")) << p;
  }
  EXPECT_NE(std::find(f.FileList.begin(), f.FileList.end(), Root() + "linkdir"), f.FileList.end());
  EXPECT_NE(std::find(f.FileList.begin(), f.FileList.end(), Root() + "sub1/up"), f.FileList.end());
  ASSERT_EQ(recs.size(), 4u);
  for (const TFileSearchRec& rec : recs) {
    const int32_t expected = rec.Name == "linkfile.txt" ? faSymLink
                             : rec.Name == "sub1"       ? faDirectory
                                                        : faSymLink | faDirectory;
    EXPECT_EQ(rec.Attr, expected) << rec.Name;
  }
  EXPECT_EQ(f.FolderList, ReferenceWalk(Root(), false, true));
  EXPECT_EQ(f.FoldersFound(), 4);
}

TEST_F(FileFinder, ComposedAndDecomposedNamesStayAsOnDisk) {
  TFileFinderObj f(Root(), false);
  f.NameFilter.SetFilter("caf\xC3\xA9", false, false);
  ASSERT_TRUE(f.Execute());
  TStrArray found = f.FileList;
  std::sort(found.begin(), found.end());
  TStrArray expected = {Root() + kCafeComposedName, Root() + kCafeDecomposedName};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(found, expected);
  // Each path names its own file.
  for (const std::string& p : f.FileList) {
    const std::string bytes = testsupport::ReadFileBytes(p);
    EXPECT_EQ(bytes, p.ends_with(kCafeComposedName) ? "composed" : "decomposed");
  }
  // A decomposed filter text finds both as well.
  TFileFinderObj g(Root(), false);
  g.NameFilter.SetFilter("Cafe\xCC\x81", false, true);
  g.Execute();
  EXPECT_EQ(g.FileList.size(), 2u);
}

TEST_F(FileFinder, DepthAndFolderSwitches) {
  TFileFinderObj flat(Root(), false);
  flat.FindFolders = true;
  TEventLog log;
  log.Attach(flat);
  ASSERT_TRUE(flat.Execute());
  EXPECT_EQ(flat.FileList, ReferenceWalk(Root(), false, false, 1));
  EXPECT_EQ(flat.FolderList, ReferenceWalk(Root(), false, true, 1));
  EXPECT_EQ(log.Count("enter "), 1u);
  EXPECT_EQ(flat.FoldersAdvanced.size(), flat.FolderList.size());
  EXPECT_EQ(flat.FoldersAdvanced[0].Path, Root());

  TFileFinderObj deep(Root(), true);
  deep.FindFiles = false;
  ASSERT_TRUE(deep.Execute());
  EXPECT_TRUE(deep.FileList.empty());
  EXPECT_TRUE(deep.FolderList.empty());
  EXPECT_EQ(deep.FoldersSearched(), 4);
  EXPECT_EQ(deep.FilesSearched(), 10000 + 16);
  EXPECT_EQ(deep.FilesFound(), 0);
}

TEST_F(FileFinder, StartFolderWithAndWithoutSeparator) {
  TFileFinderObj a(Tree->str() + "/sub1", true), b(Tree->str() + "/sub1/", true);
  ASSERT_TRUE(a.Execute());
  ASSERT_TRUE(b.Execute());
  EXPECT_EQ(a.FileList, b.FileList);
  EXPECT_EQ(a.FileList.front().substr(0, Root().size() + 5), Root() + "sub1/");
  EXPECT_EQ(a.FileList.front().find("//"), std::string::npos);
}

TEST_F(FileFinder, MissingEmptyAndFileStartFolders) {
  for (const std::string& start : {Root() + "nothing", Root() + "a.txt", std::string()}) {
    TFileFinderObj f(start, true);
    TEventLog log;
    log.Attach(f);
    EXPECT_FALSE(f.Execute()) << start;
    EXPECT_TRUE(log.Lines.empty());
  }
  testsupport::TempDir empty;
  TFileFinderObj f(empty.str(), true);
  TEventLog log;
  log.Attach(f);
  EXPECT_TRUE(f.Execute());
  EXPECT_EQ(log.Lines, (std::vector<std::string>{"enter " + empty.str() + "/ [0 0 0 0]"}));
  // A start folder that is a link to a folder is searched.
  TFileFinderObj viaLink(Root() + "linkdir", false);
  ASSERT_TRUE(viaLink.Execute());
  EXPECT_EQ(viaLink.FileList.size(), 3u);  // x.txt, y.md, up
}

TEST(FileFinderNotifications, OrderAndCounters) {
  testsupport::TempDir dir;
  const std::string r = dir.str() + "/";
  fs::create_directory(r + "d");
  testsupport::WriteFileBytes(r + "d/in.txt", "12");
  TFileFinderObj f(r, true);
  f.FindFolders = true;
  f.ExtensionFilter.SetFilter("txt", "", "");
  TEventLog log;
  log.Attach(f);
  ASSERT_TRUE(f.Execute());
  const std::vector<std::string> expected = {
      "enter " + r + " [0 0 0 0]",
      "found-folder " + r + "d [0 0 1 1]",
      "size " + r + "d",
      "rec " + r + "d d " + std::to_string(faDirectory),
      "enter " + r + "d/ [0 0 1 1]",
      "found " + r + "d/in.txt [1 1 1 1]",
      "size " + r + "d/in.txt 2 2",
      "rec " + r + "d/in.txt in.txt 0",
      "done " + r + "d/in.txt [1 1 1 1]",
      "done " + r + "d [1 1 1 1]",
  };
  ASSERT_EQ(log.Lines.size(), expected.size());
  // A folder's size is the file system's own; only its line's start is fixed.
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_TRUE(log.Lines[i].starts_with(expected[i])) << log.Lines[i];

  // A refused file is counted as searched and still ends with its entry.
  testsupport::TempDir other;
  testsupport::WriteFileBytes(other.file("skip.md"), "");
  TFileFinderObj g(other.str(), true);
  g.ExtensionFilter.SetFilter("txt", "", "");
  TEventLog refused;
  refused.Attach(g);
  ASSERT_TRUE(g.Execute());
  EXPECT_EQ(refused.Lines, (std::vector<std::string>{"enter " + other.str() + "/ [0 0 0 0]",
                                                     "done " + other.str() + "/skip.md [0 1 0 0]"}));
}

TEST_F(FileFinder, CancelMidWalk) {
  TFileFinderObj f(Root(), true);
  TEventLog log;
  log.Attach(f);
  auto found = f.OnFound;
  f.OnFound = [&](TFileFinderObj* sender, const std::string& name, int32_t a, int32_t b, int32_t c, int32_t d,
                  bool isFolder) {
    found(sender, name, a, b, c, d, isFolder);
    if (name.starts_with(Root() + "many/") && a >= 7) sender->AbortSearch = true;
  };
  ASSERT_TRUE(f.Execute());
  ASSERT_FALSE(log.Lines.empty());
  // The entry that stopped the search finishes, then its folder's entry in
  // the start folder, then nothing more.
  const size_t n = log.Lines.size();
  EXPECT_TRUE(log.Lines[n - 1].starts_with("done " + Root() + "many [")) << log.Lines[n - 1];
  EXPECT_TRUE(log.Lines[n - 2].starts_with("done " + Root() + "many/f")) << log.Lines[n - 2];
  EXPECT_TRUE(log.Lines[n - 3].starts_with("rec " + Root() + "many/f")) << log.Lines[n - 3];
  EXPECT_LT(f.FilesFound(), 10000);
  EXPECT_EQ(f.FileList.size(), static_cast<size_t>(f.FilesFound()));
  // A new run starts afresh and keeps what the first one collected.
  const size_t before = f.FileList.size();
  f.OnFound = nullptr;
  ASSERT_TRUE(f.Execute());
  EXPECT_FALSE(f.AbortSearch);
  EXPECT_EQ(f.FileList.size(), before + 10016);
}

TEST_F(FileFinder, CancelOnEnteringAFolder) {
  TFileFinderObj f(Root(), true);
  TEventLog log;
  log.Attach(f);
  f.OnEnterNewDir = [&](TFileFinderObj* sender, const std::string& folder, int32_t, int32_t, int32_t, int32_t) {
    log.Lines.push_back("enter " + folder);
    if (folder == Root() + "sub1/") sender->AbortSearch = true;
  };
  ASSERT_TRUE(f.Execute());
  // Nothing of sub1 is listed; only its own entry in the start folder ends.
  const size_t n = log.Lines.size();
  EXPECT_EQ(log.Lines[n - 2], "enter " + Root() + "sub1/");
  EXPECT_TRUE(log.Lines[n - 1].starts_with("done " + Root() + "sub1 [")) << log.Lines[n - 1];
}

// The readers guess from the filters at the start which sizes to read and
// which folders to read ahead; a notification that changes the filters or
// the hidden rule on the way still gets exact results.
TEST(FileFinderChanges, FiltersChangedDuringTheWalk) {
  testsupport::TempDir dir;
  const std::string r = dir.str() + "/";
  fs::create_directories(r + "b/.hid");
  testsupport::WriteFileBytes(r + "a.txt", "1");
  testsupport::WriteFileBytes(r + "b/c.md", "12345");
  testsupport::WriteFileBytes(r + "b/.hid/d.md", "123");
  TFileFinderObj f(r, true);
  f.FindFolders = true;
  f.ExtensionFilter.SetFilter("txt", "", "");
  f.OnEnterNewDir = [&](TFileFinderObj* sender, const std::string& folder, int32_t, int32_t, int32_t, int32_t) {
    if (folder != r + "b/") return;
    sender->ExtensionFilter.SetFilter("txt;md", "", "");
    sender->IncludeHidden = true;
  };
  ASSERT_TRUE(f.Execute());
  TStrArray found = f.FileList;
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (TStrArray{r + "a.txt", r + "b/.hid/d.md", r + "b/c.md"}));
  for (const TAdvandedFileRec& rec : f.FilesAdvanced)
    EXPECT_EQ(rec.Size, static_cast<int64_t>(testsupport::ReadFileBytes(rec.FileName).size())) << rec.FileName;
  EXPECT_EQ(f.TotalSize, 9);
  for (const TAdvandedFileRec& rec : f.FoldersAdvanced) EXPECT_GT(rec.Date, 40000.0) << rec.FileName;
}

TEST_F(FileFinder, TwoRunsCollectTwice) {
  TFileFinderObj f(Root() + "sub1", true);
  f.Execute();
  const TStrArray once = f.FileList;
  f.Execute();
  ASSERT_EQ(f.FileList.size(), 2 * once.size());
  EXPECT_TRUE(std::equal(once.begin(), once.end(), f.FileList.begin() + static_cast<ptrdiff_t>(once.size())));
  EXPECT_EQ(f.FilesFound(), static_cast<int32_t>(once.size()));
}

TEST_F(FileFinder, PathListsCanBeSwitchedOff) {
  TFileFinderObj f(Root() + "sub1", true);
  f.CollectPaths = false;
  int32_t reported = 0;
  f.OnFound = [&](TFileFinderObj*, const std::string&, int32_t, int32_t, int32_t, int32_t, bool) { ++reported; };
  ASSERT_TRUE(f.Execute());
  EXPECT_TRUE(f.FileList.empty());
  EXPECT_TRUE(f.FilesAdvanced.empty());
  EXPECT_EQ(reported, 4);
  TFileFinderObj g(Root() + "sub1", true);
  g.CollectAdvanced = false;
  g.SortByName = true;
  ASSERT_TRUE(g.Execute());
  EXPECT_EQ(g.FileList.size(), 4u);
  EXPECT_TRUE(g.FilesAdvanced.empty());
}

TEST(FileFinderSort, KeysAndDirections) {
  TFileFinderObj f;
  f.AddFileAdvanced("/b/a.txt", 30, 3000);
  f.AddFileAdvanced("/a/z/bb.txt", 10, 1000);
  f.AddFileAdvanced("/a/c.txt", 20, 4000);
  f.AddFileAdvanced("/a/B.txt", 40, 2000);
  auto names = [&] {
    TStrArray n;
    for (const auto& r : f.FilesAdvanced) n.push_back(r.FileName);
    EXPECT_EQ(n, f.FileList);
    return n;
  };
  f.Sort();  // no key chosen: nothing happens
  EXPECT_TRUE(f.FileList.empty());
  f.SortByName = true;
  f.Sort();
  EXPECT_EQ(names(), (TStrArray{"/a/B.txt", "/a/c.txt", "/a/z/bb.txt", "/b/a.txt"}));
  f.SortAscending = false;
  f.Sort();
  EXPECT_EQ(names(), (TStrArray{"/b/a.txt", "/a/z/bb.txt", "/a/c.txt", "/a/B.txt"}));
  f.SortAscending = true;
  f.SortByFolderFirst = false;
  f.Sort();
  EXPECT_EQ(names(), (TStrArray{"/b/a.txt", "/a/B.txt", "/a/z/bb.txt", "/a/c.txt"}));
  f.SortByName = false;
  f.SortByDate = true;
  f.Sort();
  EXPECT_EQ(names(), (TStrArray{"/a/z/bb.txt", "/a/B.txt", "/b/a.txt", "/a/c.txt"}));
  f.SortByDate = false;
  f.SortBySize = true;
  f.Sort();
  EXPECT_EQ(names(), (TStrArray{"/a/z/bb.txt", "/a/c.txt", "/b/a.txt", "/a/B.txt"}));
  f.SortByFolderFirst = true;
  f.Sort();
  EXPECT_EQ(names(), (TStrArray{"/a/c.txt", "/a/B.txt", "/a/z/bb.txt", "/b/a.txt"}));
  // Name takes precedence over date, date over size.
  f.SortByDate = true;
  f.SortByName = true;
  f.SortByFolderFirst = false;
  f.Sort();
  EXPECT_EQ(names(), (TStrArray{"/b/a.txt", "/a/B.txt", "/a/z/bb.txt", "/a/c.txt"}));

  // Many equal keys sort without trouble.
  TFileFinderObj many;
  many.SortBySize = true;
  for (int i = 0; i < 20000; ++i) many.AddFileAdvanced("/x/" + std::to_string(i), i % 3, 0);
  many.Sort();
  EXPECT_TRUE(std::is_sorted(many.FilesAdvanced.begin(), many.FilesAdvanced.end(),
                             [](const auto& a, const auto& b) { return a.Size < b.Size; }));
  EXPECT_EQ(many.FileList.size(), 20000u);
}

TEST(FileFinderRecords, AddAndLookUp) {
  TFileFinderObj f;
  EXPECT_EQ(f.AddFileAdvanced("/a/b/c.tar.gz", 7, 0), 0);
  EXPECT_EQ(f.AddFileAdvanced("/a/b\\c.txt", 1, 86400), 1);
  EXPECT_EQ(f.AddFolderAdvanced("/a/b", 0, 0), 0);
  EXPECT_EQ(f.FilesAdvanced[0].Path, "/a/b/");
  EXPECT_EQ(f.FilesAdvanced[0].NameWithoutExt, "c.tar");
  // A backslash is part of a name here.
  EXPECT_EQ(f.FilesAdvanced[1].NameWithoutExt, "b\\c");
  EXPECT_EQ(f.FoldersAdvanced[0].NameWithoutExt, "b");
  EXPECT_DOUBLE_EQ(f.FilesAdvanced[1].Date - f.FilesAdvanced[0].Date,
                   1.0 + (GetTimeZoneDifferenceAt(86400) - GetTimeZoneDifferenceAt(0)) / 86400.0);

  f.FileList = {"/a/b/c/x.txt", "/a/b/x.TXT", "/a/bc/y.txt", "/a/b/z.txt", "/q/a/b/w.txt"};
  EXPECT_EQ(f.GetFilesFromFolderWithFileExtension("/a/b/", "txt"), (TStrArray{"/a/b/c/x.txt", "/a/b/z.txt"}));
  EXPECT_EQ(f.GetFilesFromFolderWithFileExtension("/a/b", "txt"),
            (TStrArray{"/a/b/c/x.txt", "/a/bc/y.txt", "/a/b/z.txt"}));
  EXPECT_TRUE(f.GetFilesFromFolderWithFileExtension("", "txt").empty());
  EXPECT_EQ(f.GetFilesFromFolderWithFileExtension("/a/b/", "TXT"), (TStrArray{"/a/b/x.TXT"}));
}

// Root may read everything; the guard takes that right away so that the
// folder is as unreadable as it is for anyone else.
TEST(FileFinderFailures, UnreadableFolderAndFile) {
  testsupport::TempDir dir;
  const std::string r = dir.str() + "/";
  fs::create_directory(r + "locked");
  testsupport::WriteFileBytes(r + "locked/in.txt", "x");
  testsupport::WriteFileBytes(r + "secret.txt", "text");
  testsupport::WriteFileBytes(r + "open.txt", "text");
  testsupport::WriteFileBytes(r + "binary.txt", std::string("a\0b", 3));
  ::chmod((r + "locked").c_str(), 0);
  ::chmod((r + "secret.txt").c_str(), 0);
  {
    TNoPermissionOverride guard;
    const int probe = ::open((r + "locked").c_str(), O_RDONLY | O_DIRECTORY);
    if (probe >= 0) {
      ::close(probe);
      GTEST_SKIP() << "permissions cannot be taken away here";
    }
    TFileFinderObj f(r, true);
    TEventLog log;
    log.Attach(f);
    ASSERT_TRUE(f.Execute());
    EXPECT_EQ(log.Count("enter " + r + "locked/"), 1u);
    EXPECT_EQ(log.Count("done " + r + "locked/"), 0u);
    EXPECT_EQ(f.FoldersSearched(), 1);
    // The text test refuses a file it cannot read instead of failing the run.
    TFileFinderObj t(r, true);
    t.OnlyTextFiles = true;
    ASSERT_NO_THROW(t.Execute());
    EXPECT_EQ(t.FileList, (TStrArray{r + "open.txt"}));
  }
  ::chmod((r + "locked").c_str(), 0755);
}

TEST(FileFinderFailures, NotificationExceptionLeavesExecute) {
  testsupport::TempDir dir;
  for (int i = 0; i < 5; ++i) testsupport::WriteFileBytes(dir.file("f" + std::to_string(i)), "");
  TFileFinderObj f(dir.str(), true);
  f.OnFound = [](TFileFinderObj* s, const std::string&, int32_t found, int32_t, int32_t, int32_t, bool) {
    if (found == 3) throw std::runtime_error("stop");
  };
  EXPECT_THROW(f.Execute(), std::runtime_error);
  EXPECT_EQ(f.FileList.size(), 3u);
  // The finder works on afterwards.
  f.OnFound = nullptr;
  EXPECT_TRUE(f.Execute());
  EXPECT_EQ(f.FileList.size(), 8u);
}

// A folder whose listing hangs (a network share that stopped answering)
// keeps calling OnWaiting, and setting AbortSearch there ends the run while
// the listing still hangs.
TEST(FileFinderFailures, HungFolderDoesNotHoldTheCaller) {
  testsupport::TempDir dir;
  const std::string r = dir.str() + "/";
  fs::create_directory(r + "slow");
  testsupport::WriteFileBytes(r + "slow/x.txt", "");
  testsupport::WriteFileBytes(r + "a.txt", "");
  struct TGate {
    std::mutex Lock;
    std::condition_variable CV;
    bool Open = false;
  };
  auto gate = std::make_shared<TGate>();
  SetFolderReaderListingHook([gate, r](const std::string& folder) {
    if (folder != r + "slow/") return;
    std::unique_lock<std::mutex> lock(gate->Lock);
    gate->CV.wait(lock, [&] { return gate->Open; });
  });
  TFileFinderObj f(r, true);
  int waits = 0;
  f.OnWaiting = [&](TFileFinderObj* sender) {
    if (++waits == 3) sender->AbortSearch = true;
  };
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(f.Execute());
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(waits, 3);
  EXPECT_LT(took, std::chrono::seconds(5));
  EXPECT_EQ(std::count(f.FileList.begin(), f.FileList.end(), r + "slow/x.txt"), 0);
  {
    std::lock_guard<std::mutex> lock(gate->Lock);
    gate->Open = true;
  }
  gate->CV.notify_all();
  SetFolderReaderListingHook(nullptr);
  // Without a hang everything is found.
  TFileFinderObj g(r, true);
  ASSERT_TRUE(g.Execute());
  EXPECT_EQ(g.FileList.size(), 2u);
}

// A folder that turns out to be its own ancestor (here: a bind mount made
// by the test) reads as empty.
TEST(FileFinderFailures, FolderLoopWithoutLinksEnds) {
  testsupport::TempDir dir;
  const std::string r = dir.str() + "/";
  fs::create_directories(r + "a/b");
  testsupport::WriteFileBytes(r + "a/f.txt", "");
  const std::string mount =
      "mount --bind " + testsupport::ShellQuote(r + "a") + " " + testsupport::ShellQuote(r + "a/b");
  if (::geteuid() != 0 || testsupport::RunCommand(mount + " 2>/dev/null").exitCode != 0)
    GTEST_SKIP() << "bind mounts are not available here";
  TFileFinderObj f(r, true);
  const bool ok = f.Execute();
  testsupport::RunCommand("umount " + testsupport::ShellQuote(r + "a/b"));
  EXPECT_TRUE(ok);
  // a/b is a itself again: entered, found empty, not walked round.
  EXPECT_EQ(f.FileList, (TStrArray{r + "a/f.txt"}));
  EXPECT_EQ(f.FoldersSearched(), 2);
}

}  // namespace
