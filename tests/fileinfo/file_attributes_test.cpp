#include "fileinfo/file_attributes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include "foundation/file_functions.h"
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
