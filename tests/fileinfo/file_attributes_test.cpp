#include "fileinfo/file_attributes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <sstream>

#include "foundation/file_functions.h"
#include "foundation/str_split.h"
#include "image_fixtures.h"

using namespace fixtures;

namespace {

TEST(AttributeInfo, FilesAndFolders) {
  TTempDir dir("attr");
  WriteFile(dir / "a.txt", "x");
  WriteFile(dir / ".hidden", "x");
  ASSERT_EQ(mkdir((dir / "sub").c_str(), 0700), 0);
  struct utimbuf times {
    1000000000, 1200000000
  };
  ASSERT_EQ(utime((dir / "a.txt").c_str(), &times), 0);

  TAttributeInfo info(dir / "a.txt");
  EXPECT_EQ(info.FileName, dir / "a.txt");
  EXPECT_EQ(info.DateAccessedUnix, NSDateToDateTime(1000000000.0));
  EXPECT_EQ(info.DateModifiedUnix, NSDateToDateTime(1200000000.0));
  EXPECT_GT(info.DateAttrChangedUnix, info.DateModifiedUnix);
  EXPECT_FALSE(info.AttributeHiddenMac);
  EXPECT_FALSE(info.AttributeLockedMac);
  EXPECT_FALSE(info.AttributeExtHiddenMac);
  EXPECT_EQ(info.Link, "");

  EXPECT_TRUE(info.GetAttributes(dir / ".hidden"));
  EXPECT_TRUE(info.AttributeHiddenMac);

  EXPECT_TRUE(info.GetAttributes(dir / "sub"));
  EXPECT_GT(info.DateModifiedUnix, 0.0);
  EXPECT_EQ(info.Link, "");
}

TEST(AttributeInfo, MissingPathKeepsTheName) {
  TTempDir dir("attrmissing");
  WriteFile(dir / "a.txt", "x");
  TAttributeInfo info(dir / "a.txt");
  info.Tag = 3;
  EXPECT_FALSE(info.GetAttributes(dir / "none"));
  EXPECT_EQ(info.FileName, dir / "none");
  EXPECT_EQ(info.DateModifiedUnix, 0.0);
  EXPECT_EQ(info.DateAccessedUnix, 0.0);
  EXPECT_EQ(info.DateAttrChangedUnix, 0.0);
  EXPECT_EQ(info.DateCreatedMac, 0.0);
  EXPECT_EQ(info.Tag, 3);
}

TEST(AttributeInfo, ShortcutsAndRatedFiles) {
  TTempDir dir("links");
  WriteFile(dir / "Site.url", "[InternetShortcut]\r\nURL=https://example.org/page\r\n");
  WriteFile(dir / "x.lnk", "L\0\0\0");
  WriteFile(dir / "photo.JPG", "x");
  ASSERT_EQ(mkfifo((dir / "pipe.url").c_str(), 0600), 0);
  TAttributeInfo info(dir / "Site.url");
  EXPECT_EQ(info.Link, "https://example.org/page");
  EXPECT_TRUE(info.GetAttributes(dir / "x.lnk"));
  EXPECT_EQ(info.Link, "");
  EXPECT_TRUE(info.GetAttributes(dir / "photo.JPG"));
  EXPECT_EQ(info.Rating, 0);
  // A pipe exists and has dates, but it is never opened.
  EXPECT_TRUE(info.GetAttributes(dir / "pipe.url"));
  EXPECT_EQ(info.Link, "");
  EXPECT_GT(info.DateModifiedUnix, 0.0);
}

TEST(VolumeInfo, FirstCharacterOfThePath) {
  TVolumeInfo info("/Users/a/b.txt");
  EXPECT_EQ(info.VolumeName, "/");
  EXPECT_FALSE(info.GetData(""));
  EXPECT_EQ(info.VolumeName, "/");
  EXPECT_TRUE(info.GetData("relative/x"));
  EXPECT_EQ(info.VolumeName, "r");
  TVolumeInfo none;
  EXPECT_EQ(none.VolumeName, "");
  EXPECT_EQ(none.Tag, 0);
}

}  // namespace

namespace {

// Dates against stat (access, modification, status change and birth, whole
// seconds) and the immutable flag against lsattr, for many paths per call.
TEST(ToolCheckAttributeInfo, AgreesWithStatAndLsattr) {
  TTempDir dir("attrcheck");
  WriteFile(dir / "plain.txt", "x");
  WriteFile(dir / ".hidden.txt", "y");
  WriteFile(dir / "locked.txt", "z");
  ASSERT_EQ(mkdir((dir / "folder").c_str(), 0700), 0);
  struct utimbuf times {
    1500000000, 1600000000
  };
  ASSERT_EQ(utime((dir / "plain.txt").c_str(), &times), 0);
  // The immutable flag needs a file system that has it (and the right to
  // set it); where chattr fails, lsattr and the reader must both say no.
  int rc = 0;
  RunCommand("/usr/bin/chattr +i '" + dir / "locked.txt" + "' 2>/dev/null", &rc);
  const bool locked = rc == 0;
  const std::vector<std::string> names = {"plain.txt", ".hidden.txt", "locked.txt", "folder"};
  std::string paths;
  for (const auto& n : names) paths += " '" + dir / n + "'";
  const std::string stats = RunCommand("/usr/bin/stat -c '%n|%X|%Y|%Z|%W'" + paths);
  const std::string attrs = RunCommand("/usr/bin/lsattr -d" + paths + " 2>/dev/null");
  for (const auto& n : names) {
    const std::string path = dir / n;
    TAttributeInfo info(path);
    const size_t at = stats.find(path + "|");
    ASSERT_NE(at, std::string::npos) << n;
    TStrArray f;
    Explode(f, "|", stats.substr(at, stats.find('\n', at) - at));
    ASSERT_EQ(f.size(), 5u);
    EXPECT_EQ(info.DateAccessedUnix, NSDateToDateTime(std::stod(f[1]))) << n;
    EXPECT_EQ(info.DateModifiedUnix, NSDateToDateTime(std::stod(f[2]))) << n;
    EXPECT_EQ(info.DateAttrChangedUnix, NSDateToDateTime(std::stod(f[3]))) << n;
    const double birth = std::stod(f[4]);
    if (birth > 0) {
      // stat gives whole seconds; the birth time keeps its fraction.
      EXPECT_GE(info.DateCreatedMac, NSDateToDateTime(birth)) << n;
      EXPECT_LT(info.DateCreatedMac, NSDateToDateTime(birth + 1)) << n;
    } else {
      EXPECT_EQ(info.DateCreatedMac, 0.0) << n;
    }
    EXPECT_EQ(info.AttributeHiddenMac, n[0] == '.') << n;
    // lsattr writes the flags, one blank and the path on each line.
    bool immutable = false;
    std::istringstream lines(attrs);
    std::string line;
    while (std::getline(lines, line))
      if (line.size() > path.size() && line.compare(line.size() - path.size() - 1, std::string::npos, " " + path) == 0)
        immutable = line.substr(0, line.find(' ')).find('i') != std::string::npos;
    EXPECT_EQ(info.AttributeLockedMac, immutable) << n;
    if (n == "locked.txt") {
      EXPECT_EQ(info.AttributeLockedMac, locked);
    }
  }
  if (locked) RunCommand("/usr/bin/chattr -i '" + dir / "locked.txt" + "'");
}

}  // namespace
