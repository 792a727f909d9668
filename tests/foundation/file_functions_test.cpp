#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "foundation/file_functions.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

namespace {

void SetMTime(const std::string& path, time_t seconds) {
  struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

time_t MTime(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_mtim.tv_sec;
}

// Files in the folder other than the ones named (left-over temporary copies).
std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Sets TZ for one test and restores it afterwards.
class TimeZone {
 public:
  explicit TimeZone(const char* tz) {
    const char* old = std::getenv("TZ");
    FHad = old != nullptr;
    if (FHad) FOld = old;
    ::setenv("TZ", tz, 1);
    ::tzset();
  }
  ~TimeZone() {
    if (FHad) {
      ::setenv("TZ", FOld.c_str(), 1);
    } else {
      ::unsetenv("TZ");
    }
    ::tzset();
  }

 private:
  bool FHad = false;
  std::string FOld;
};

}  // namespace

TEST(SubFolders, HasSubDirsAndLevel1Listing) {
  TempDir dir;
  fs::create_directories(dir.path() / "onlyfiles");
  WriteFileBytes(dir.file("onlyfiles/a.txt"), "a");
  fs::create_directories(dir.path() / "onlyhidden/.git");
  fs::create_directories(dir.path() / "nested/inner");
  fs::create_directories(dir.path() / ".hidden/sub");
  WriteFileBytes(dir.file("file.txt"), "x");

  EXPECT_FALSE(DirHasSubDirs(dir.file("onlyfiles")));
  EXPECT_FALSE(DirHasSubDirs(dir.file("onlyhidden")));
  EXPECT_TRUE(DirHasSubDirs(dir.file("nested")));
  EXPECT_TRUE(DirHasSubDirs(dir.str()));
  EXPECT_FALSE(DirHasSubDirs(dir.file("missing")));
  EXPECT_FALSE(DirHasSubDirs(dir.file("file.txt")));

  TDirInfoRecArr subs = FindAllSubDirectoriesLevel1(dir.str());
  std::sort(subs.begin(), subs.end(), [](const auto& a, const auto& b) { return a.Name < b.Name; });
  TDirInfoRecArr expected = {
      {"nested", dir.file("nested"), true},
      {"onlyfiles", dir.file("onlyfiles"), false},
      {"onlyhidden", dir.file("onlyhidden"), false},
  };
  EXPECT_EQ(subs, expected);
  EXPECT_TRUE(FindAllSubDirectoriesLevel1(dir.file("missing")).empty());
}

TEST(CopyFile, RefusesWithoutTouchingAnything) {
  TempDir dir;
  std::string src = dir.file("src.bin"), dst = dir.file("dst.bin");
  WriteFileBytes(src, "new content");
  WriteFileBytes(dst, "old");
  fs::create_directory(dir.path() / "folder");
  const TCopyFileFlags all = cffOverwriteFile | cffCreateTargetFolder | cffPreserveTime;

  EXPECT_FALSE(CopyFileShareDenyNone(src, dst, false, cffCreateTargetFolder));  // no overwrite
  EXPECT_FALSE(CopyFileShareDenyNone(src, dst, true, 0));                       // refusals are not raised
  EXPECT_EQ(ReadFileBytes(dst), "old");
  EXPECT_FALSE(CopyFileShareDenyNone(dir.file("missing"), dir.file("x"), true, all));
  EXPECT_FALSE(fs::exists(dir.file("x")));
  EXPECT_FALSE(CopyFileShareDenyNone(dir.file("folder"), dir.file("y"), false, all));  // no regular file
  EXPECT_FALSE(CopyFileShareDenyNone(src, dir.file("folder"), false, all));            // target a folder

  // The target is the source, by the same name, another spelling or a link.
  fs::create_symlink(src, dir.file("link.bin"));
  fs::create_hard_link(src, dir.file("hard.bin"));
  for (const std::string& same : {src, dir.str() + "/./src.bin", dir.file("link.bin"), dir.file("hard.bin")}) {
    EXPECT_FALSE(CopyFileShareDenyNone(src, same, false, all)) << same;
    EXPECT_EQ(ReadFileBytes(src), "new content") << same;
  }
  EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"dst.bin", "folder", "hard.bin", "link.bin", "src.bin"}));
}

TEST(CopyFile, CopiesBytesAndTimeIntoNewFolder) {
  TempDir dir;
  std::string src = dir.file("src.bin");
  std::string bytes;
  for (int i = 0; i < 200000; ++i) bytes.push_back(static_cast<char>(i * 7));
  WriteFileBytes(src, bytes);
  SetMTime(src, 1000000000);
  std::string dst = dir.file("new/deeper/dst.bin");

  EXPECT_TRUE(CopyFileShareDenyNone(src, dst, false, cffOverwriteFile | cffCreateTargetFolder | cffPreserveTime));
  EXPECT_TRUE(ReadFileBytes(dst) == bytes);
  EXPECT_EQ(MTime(dst), 1000000000);
  EXPECT_EQ(Names(dir.path() / "new/deeper"), (std::vector<std::string>{"dst.bin"}));

  // Without the time option the copy is new; an existing target is replaced.
  WriteFileBytes(src, "short");
  EXPECT_TRUE(CopyFileShareDenyNone(src, dst, false, cffOverwriteFile));
  EXPECT_EQ(ReadFileBytes(dst), "short");
  EXPECT_NE(MTime(dst), 1000000000);

  WriteFileBytes(dir.file("empty"), "");
  EXPECT_TRUE(CopyFileShareDenyNone(dir.file("empty"), dir.file("empty2"), false, 0));
  EXPECT_TRUE(fs::exists(dir.file("empty2")));
  EXPECT_EQ(fs::file_size(dir.file("empty2")), 0u);
}

TEST(CopyFile, LinkAsTargetStaysALink) {
  TempDir dir;
  WriteFileBytes(dir.file("src"), "payload");
  WriteFileBytes(dir.file("real"), "old");
  fs::create_symlink("real", dir.file("alias"));
  EXPECT_TRUE(CopyFileShareDenyNone(dir.file("src"), dir.file("alias"), false, cffOverwriteFile));
  EXPECT_TRUE(fs::is_symlink(dir.file("alias")));
  EXPECT_EQ(ReadFileBytes(dir.file("real")), "payload");
}

TEST(CopyFile, NewTargetTakesTheUmaskExistingTargetKeepsItsMode) {
  TempDir dir;
  WriteFileBytes(dir.file("src"), "data");
  ::chmod(dir.file("src").c_str(), 0666);
  mode_t old = ::umask(022);
  bool copied = CopyFileShareDenyNone(dir.file("src"), dir.file("new"), false, 0);
  ::umask(old);
  ASSERT_TRUE(copied);
  struct stat st {};
  ASSERT_EQ(::stat(dir.file("new").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0644u);  // as any newly created file, not world-writable

  WriteFileBytes(dir.file("kept"), "old");
  ::chmod(dir.file("kept").c_str(), 0600);
  ASSERT_TRUE(CopyFileShareDenyNone(dir.file("src"), dir.file("kept"), false, cffOverwriteFile));
  ASSERT_EQ(::stat(dir.file("kept").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  EXPECT_EQ(ReadFileBytes(dir.file("kept")), "data");
}

TEST(CopyFile, TargetThatIsNoRegularFileIsNeverReplaced) {
  TempDir dir;
  WriteFileBytes(dir.file("src"), "data");
  fs::create_directory(dir.path() / "folder");
  ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);

  EXPECT_FALSE(CopyFileShareDenyNone(dir.file("src"), dir.file("pipe"), false, cffOverwriteFile));
  EXPECT_TRUE(fs::is_fifo(dir.file("pipe")));
  for (const std::string& target : {dir.file("pipe"), dir.file("folder")}) {
    try {
      CopyFileShareDenyNone(dir.file("src"), target, true, cffOverwriteFile);
      ADD_FAILURE() << "no error raised for " << target;
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()), "Unable to create file \"" + target + "\"");
    }
  }
  EXPECT_TRUE(fs::is_fifo(dir.file("pipe")));
  EXPECT_TRUE(fs::is_directory(dir.file("folder")));
  // Without the overwrite option an existing target is a plain refusal.
  EXPECT_FALSE(CopyFileShareDenyNone(dir.file("src"), dir.file("folder"), true, 0));
  EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"folder", "pipe", "src"}));
}

TEST(CopyFile, FailuresAreReportedNeverSuccess) {
  TempDir dir;
  WriteFileBytes(dir.file("src"), "data");
  WriteFileBytes(dir.file("plainfile"), "x");
  // Without the create-folder option a missing folder makes creation fail.
  EXPECT_FALSE(CopyFileShareDenyNone(dir.file("src"), dir.file("nofolder/t"), false, 0));
  try {
    CopyFileShareDenyNone(dir.file("src"), dir.file("nofolder/t"), true, 0);
    ADD_FAILURE() << "no error raised";
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to create file \"" + dir.file("nofolder/t") + "\"");
  }
  // A folder that cannot be created (a file is in the way).
  EXPECT_FALSE(CopyFileShareDenyNone(dir.file("src"), dir.file("plainfile/sub/t"), true, cffCreateTargetFolder));

  ::chmod(dir.file("src").c_str(), 0);
  // Returns 0 when an unreadable source is refused after the retries, with
  // the open message raised on request, and nothing created.
  auto unreadable = [&]() -> int {
    auto start = std::chrono::steady_clock::now();
    if (CopyFileShareDenyNone(dir.file("src"), dir.file("t"), false, 0)) return 1;
    if (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(20)) return 2;
    try {
      CopyFileShareDenyNone(dir.file("src"), dir.file("t"), true, 0);
      return 3;
    } catch (const std::runtime_error& e) {
      if (std::string(e.what()) != "Unable to open file \"" + dir.file("src") + "\"") return 4;
    }
    return fs::exists(dir.file("t")) ? 5 : 0;
  };
  if (::geteuid() != 0) {
    EXPECT_EQ(unreadable(), 0);
    return;
  }
  // The superuser reads any file, so the check runs as an ordinary user.
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(77);
    ::_exit(unreadable());
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "cannot change to an ordinary user here";
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(FolderStatistics, EmptyMissingAndNested) {
  TempDir dir;
  int32_t files = -1, folders = -1, depth = -1;
  int64_t size = -1;
  EXPECT_TRUE(FileSizeAndNumberOfFilesInDirectoryWithDeepness(dir.str(), files, folders, size, depth, true, true));
  EXPECT_EQ(files + folders + depth + size, 0);
  files = folders = depth = -1;
  size = -1;
  EXPECT_FALSE(
      FileSizeAndNumberOfFilesInDirectoryWithDeepness(dir.file("missing"), files, folders, size, depth, true, true));
  EXPECT_EQ(files + folders + depth + size, 0);

  fs::create_directories(dir.path() / "A/B");
  WriteFileBytes(dir.file("A/B/f"), "12345");
  ASSERT_TRUE(FileSizeAndNumberOfFilesInDirectoryWithDeepness(dir.file("A"), files, folders, size, depth, true, false));
  EXPECT_EQ(files, 1);
  EXPECT_EQ(folders, 1);
  EXPECT_EQ(depth, 1);
  EXPECT_EQ(size, 5);
  ASSERT_TRUE(FileSizeAndNumberOfFilesInDirectoryWithDeepness(dir.str(), files, folders, size, depth, true, false));
  EXPECT_EQ(files, 1);
  EXPECT_EQ(folders, 2);
  EXPECT_EQ(depth, 2);
  ASSERT_TRUE(FileSizeAndNumberOfFilesInDirectoryWithDeepness(dir.str(), files, folders, size, depth, false, false));
  EXPECT_EQ(files, 0);
  EXPECT_EQ(folders, 1);
  EXPECT_EQ(depth, 1);
}

TEST(FolderStatistics, HiddenFilesAndLinkLoop) {
  TempDir dir;
  fs::create_directories(dir.path() / "a/b/c");
  fs::create_directories(dir.path() / ".cache/x");
  WriteFileBytes(dir.file("top.txt"), "1234567890");
  WriteFileBytes(dir.file(".hidden"), "123");
  WriteFileBytes(dir.file("a/one"), "1");
  WriteFileBytes(dir.file("a/b/c/deep"), "12");
  WriteFileBytes(dir.file(".cache/x/cached"), "1234");
  WriteFileBytes(dir.file("a/.dot"), "12345");
  fs::create_directory_symlink(dir.path(), dir.path() / "a/b/loop");  // leads back to the top
  fs::create_symlink(dir.path() / "top.txt", dir.path() / "a/filelink");

  struct Case {
    bool includeHidden;
    int32_t files, folders, depth;
    int64_t size;
  } cases[] = {
      // loop counts as a folder and is never entered; filelink counts with its target's size
      {false, 4, 4, 3, 10 + 1 + 2 + 10},
      {true, 7, 6, 3, 10 + 3 + 1 + 2 + 4 + 5 + 10},
  };
  for (const auto& c : cases) {
    int32_t files, folders, depth;
    int64_t size;
    ASSERT_TRUE(
        FileSizeAndNumberOfFilesInDirectoryWithDeepness(dir.str(), files, folders, size, depth, true, c.includeHidden));
    EXPECT_EQ(files, c.files) << c.includeHidden;
    EXPECT_EQ(folders, c.folders) << c.includeHidden;
    EXPECT_EQ(depth, c.depth) << c.includeHidden;
    EXPECT_EQ(size, c.size) << c.includeHidden;
  }

  int32_t filesTotal, filesTop, foldersTotal, foldersTop, depth;
  int64_t sizeTotal, sizeTop;
  ASSERT_TRUE(FileSizeAndNumberOfFilesInDirectorySubfolderSeparatedWithDeepness(
      dir.str(), filesTotal, filesTop, foldersTotal, foldersTop, sizeTotal, sizeTop, depth, true));
  EXPECT_EQ(filesTop, 2);
  EXPECT_EQ(foldersTop, 2);
  EXPECT_EQ(sizeTop, 13);
  EXPECT_EQ(filesTotal, 7);
  EXPECT_EQ(foldersTotal, 6);
  EXPECT_EQ(sizeTotal, 35);
  EXPECT_EQ(depth, 3);
  EXPECT_FALSE(FileSizeAndNumberOfFilesInDirectorySubfolderSeparatedWithDeepness(
      dir.file("missing"), filesTotal, filesTop, foldersTotal, foldersTop, sizeTotal, sizeTop, depth, true));
  EXPECT_EQ(filesTotal + filesTop + foldersTotal + foldersTop + sizeTotal + sizeTop + depth, 0);
}

TEST(FileAttributes, HiddenImmutableAndCreation) {
  TempDir dir;
  WriteFileBytes(dir.file(".secret"), "x");
  WriteFileBytes(dir.file("plain"), "x");
  fs::create_directory(dir.path() / ".folder");

  EXPECT_TRUE(MacGetFileAttributes(dir.file(".secret")).Hidden);
  EXPECT_TRUE(MacGetFileAttributes(dir.file(".folder") + "/").Hidden);
  TMacFileAttributes plain = MacGetFileAttributes(dir.file("plain"));
  EXPECT_FALSE(plain.Hidden);
  EXPECT_FALSE(plain.Immutable);
  EXPECT_FALSE(plain.ExtensionHidden);
  if (plain.CreationDate != 0) {
    double now = NSDateToDateTime(static_cast<double>(::time(nullptr)));
    EXPECT_NEAR(plain.CreationDate, now, 1.0 / 24);
  }

  TMacFileAttributes missing = MacGetFileAttributes(dir.file(".missing"));
  EXPECT_FALSE(missing.Hidden);
  EXPECT_EQ(missing.CreationDate, 0);

  int fd = ::open(dir.file("plain").c_str(), O_RDONLY);
  int flags = 0;
  bool canLock = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  int locked = flags | FS_IMMUTABLE_FL;
  canLock = canLock && ::ioctl(fd, FS_IOC_SETFLAGS, &locked) == 0;
  if (canLock) {
    EXPECT_TRUE(MacGetFileAttributes(dir.file("plain")).Immutable);
    ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
  }
  ::close(fd);
  if (!canLock) GTEST_SKIP() << "the file system here cannot set the immutable flag";
}

TEST(FileDates, LocalTimeWithTheOffsetOfThatInstant) {
  // Europe/Berlin's rules written out, so that no time-zone database is needed.
  TimeZone tz("CET-1CEST,M3.5.0,M10.5.0/3");
  EXPECT_DOUBLE_EQ(NSDateToDateTime(0.0), 25569.0 + 1.0 / 24);  // 1970-01-01 01:00 (winter)
  // 2021-07-01 00:00 UTC is 02:00 in summer, whatever the offset today.
  EXPECT_DOUBLE_EQ(NSDateToDateTime(1625097600.0), 44378.0 + 2.0 / 24);
  EXPECT_EQ(GetTimeZoneDifferenceAt(0), 3600);
  EXPECT_EQ(GetTimeZoneDifferenceAt(1625097600), 7200);
  int32_t now = GetNSTimeZoneDifference();
  EXPECT_TRUE(now == 3600 || now == 7200);
  EXPECT_EQ(NSDateToDateTime(std::nullopt), 0);
  EXPECT_EQ(NSDateToDateTime(1e300), 0);
}

TEST(FileDates, EpochUnderTheZoneDatabasesBerlin) {
  if (!fs::exists("/usr/share/zoneinfo/Europe/Berlin")) GTEST_SKIP() << "no time-zone database here";
  TimeZone tz("Europe/Berlin");
  EXPECT_DOUBLE_EQ(NSDateToDateTime(0.0), 25569.0 + 1.0 / 24);  // 1970-01-01 01:00
  // Germany kept standard time through the summer of 1970, but not of 2021.
  EXPECT_DOUBLE_EQ(NSDateToDateTime(15638400.0), 25750.0 + 1.0 / 24);    // 1970-07-01 01:00
  EXPECT_DOUBLE_EQ(NSDateToDateTime(1625097600.0), 44378.0 + 2.0 / 24);  // 2021-07-01 02:00
}

TEST(FileDates, BeforeTheDateTimeEpoch) {
  TimeZone tz("UTC0");
  // 1899-12-29 06:00 UTC: the day before the date-time zero, a quarter day in.
  constexpr double k18991230 = -2209161600.0;
  EXPECT_DOUBLE_EQ(NSDateToDateTime(k18991230 - 86400 + 6 * 3600), -1.25);
  EXPECT_DOUBLE_EQ(NSDateToDateTime(k18991230 + 6 * 3600), 0.25);
  EXPECT_EQ(GetNSTimeZoneDifference(), 0);
}

TEST(PlatformFunctions, FixedAnswers) {
  EXPECT_EQ(GetVolumeName('C'), "C");
  for (auto kind : {TSpecialFolderType::Desktop, TSpecialFolderType::Documents, TSpecialFolderType::AppData,
                    TSpecialFolderType::Programs, TSpecialFolderType::Temp})
    EXPECT_EQ(GetSpecialFolderPath(kind), "");
  EXPECT_FALSE(IsProgramRunningAsAdmin());
  EXPECT_EQ(GetLinkedFileOfShortcut("/usr/bin"), "");
  CopyFilesToClipboard({"/tmp"}, TClipboardDropEffect::Move);
  RestartProgramAsAdmin("-x");
}

TEST(PlatformFunctions, InternetShortcut) {
  TempDir dir;
  WriteFileBytes(dir.file("site.url"), "[InternetShortcut]\r\nURL=https://example.org/a?b=c\r\nIconIndex=0\r\n");
  WriteFileBytes(dir.file("other.url"), "[Other]\nURL=https://wrong.example\n");
  EXPECT_EQ(GetLinkedURLOfURLFile(dir.file("site.url")), "https://example.org/a?b=c");
  EXPECT_EQ(GetLinkedURLOfURLFile(dir.file("other.url")), "");
  EXPECT_EQ(GetLinkedURLOfURLFile(dir.file("missing.url")), "");
  EXPECT_EQ(GetLinkedURLOfURLFile(dir.str()), "");
}

namespace {

int64_t CommandNumber(const std::string& command) {
  auto r = testsupport::RunCommand(command);
  EXPECT_EQ(r.exitCode, 0) << command;
  return std::stoll(r.out);
}

int64_t SumOfLines(const std::string& command) {
  auto r = testsupport::RunCommand(command);
  int64_t sum = 0;
  size_t pos = 0;
  while (pos < r.out.size()) {
    size_t end = r.out.find('\n', pos);
    if (end == std::string::npos) end = r.out.size();
    if (end > pos) sum += std::stoll(r.out.substr(pos, end - pos));
    pos = end + 1;
  }
  return sum;
}

// A tree of folders and files of varied sizes, hidden ones among them.
void MakeTree(const fs::path& root) {
  int n = 0;
  const char* folders[] = {"a", "a/b",     "a/b/c", "a/b/c/d", "a/.git",  "a/.git/objects",
                           "e", "e/empty", "f g",   "f g/ü ö", ".config", ".config/app"};
  for (const char* f : folders) {
    fs::create_directories(root / f);
    for (int i = 0; i < 3; ++i, ++n) {
      std::string name = (i == 2 ? ".dot" : "file") + std::to_string(n) + (i == 1 ? " x.txt" : "");
      if (std::string(f) == "e/empty") break;
      WriteFileBytes((root / f / name).string(), std::string(static_cast<size_t>(n * 37 % 5000), 'x'));
    }
  }
  WriteFileBytes((root / "top").string(), "top");
}

}  // namespace

TEST(ToolCheckFolderStatistics, EqualsFind) {
  TempDir dir;
  MakeTree(dir.path());
  std::string q = testsupport::ShellQuote(dir.str());
  int32_t files, folders, depth;
  int64_t size;
  ASSERT_TRUE(FileSizeAndNumberOfFilesInDirectoryWithDeepness(dir.str(), files, folders, size, depth, true, true));
  EXPECT_EQ(files, CommandNumber("find " + q + " -type f | wc -l"));
  EXPECT_EQ(folders, CommandNumber("find " + q + " -mindepth 1 -type d | wc -l"));
  EXPECT_EQ(size, SumOfLines("find " + q + " -type f -printf '%s\\n'"));
  EXPECT_EQ(depth, CommandNumber("find " + q + " -mindepth 1 -type d -printf '%d\\n' | sort -n | tail -1"));

  // Without hidden entries: find with every name starting with a period pruned.
  std::string visible = "find " + q + " -mindepth 1 -name '.*' -prune -o ";
  ASSERT_TRUE(FileSizeAndNumberOfFilesInDirectoryWithDeepness(dir.str(), files, folders, size, depth, true, false));
  EXPECT_EQ(files, CommandNumber(visible + "-type f -print | wc -l"));
  EXPECT_EQ(folders, CommandNumber(visible + "-type d -print | wc -l"));
  EXPECT_EQ(size, SumOfLines(visible + "-type f -printf '%s\\n'"));
}

TEST(ToolCheckFolderStatistics, LinksCountAsTheirTargetsWithoutBeingEntered) {
  TempDir dir;
  MakeTree(dir.path());
  fs::create_directory_symlink(dir.path(), dir.path() / "a/b/loop");
  fs::create_directory_symlink(dir.path() / "e", dir.path() / "elink");
  fs::create_symlink(dir.path() / "top", dir.path() / "a/toplink");
  std::string q = testsupport::ShellQuote(dir.str());
  int32_t files, folders, depth;
  int64_t size;
  ASSERT_TRUE(FileSizeAndNumberOfFilesInDirectoryWithDeepness(dir.str(), files, folders, size, depth, true, true));
  EXPECT_EQ(files, CommandNumber("find " + q + " -mindepth 1 \\( -type f -o -xtype f \\) | wc -l"));
  EXPECT_EQ(folders, CommandNumber("find " + q + " -mindepth 1 \\( -type d -o -xtype d \\) | wc -l"));
  EXPECT_EQ(size, SumOfLines("find " + q + " \\( -type f -o -xtype f \\) -exec stat -L -c %s {} +"));
}

TEST(ToolCheckCopyFile, CopyEqualsSourceUnderCmpAndStat) {
  TempDir dir;
  std::string bytes;
  for (int i = 0; i < 300000; ++i) bytes.push_back(static_cast<char>((i * 131) ^ (i >> 7)));
  std::string src = dir.file("source file.bin"), dst = dir.file("new folder/copy.bin");
  WriteFileBytes(src, bytes);
  SetMTime(src, 1234567890);
  ASSERT_TRUE(CopyFileShareDenyNone(src, dst, true, cffOverwriteFile | cffCreateTargetFolder | cffPreserveTime));
  std::string qs = testsupport::ShellQuote(src), qd = testsupport::ShellQuote(dst);
  EXPECT_EQ(testsupport::RunCommand("cmp " + qs + " " + qd).exitCode, 0);
  EXPECT_EQ(testsupport::RunCommand("stat -c %Y " + qd).out, testsupport::RunCommand("stat -c %Y " + qs).out);
  EXPECT_EQ(testsupport::RunCommand("stat -c %Y " + qd).out, "1234567890\n");
}
