#include "foundation/paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "foundation/program_args.h"
#include "support/test_support.h"

namespace {

const NumberFormat kEnglish{".", ","};
const NumberFormat kGerman{",", "."};

TEST(Paths, FileHasExtension) {
  struct Case {
    const char* name;
    const char* ext;
    bool want;
  } cases[] = {
      {"a.TxT", "txt", true},
      {"a.TxT", ".TXT", true},
      {"a.TxT", "..txt", true},
      {"a.TxT", "tx", false},
      {"README", "", true},
      {"a.txt", "", false},
      {"archive.TAR.gz", "gz", true},
      {"archive.TAR.gz", "tar", false},
      {"dir.d/file", "d", false},
      {"dir.d\\file", "d", false},
      {"/x/.profile", "PROFILE", true},
      {"a.", "", true},
      {"a.txt", "t.x.t", true},
  };
  for (const auto& c : cases) EXPECT_EQ(FileHasExtension(c.name, c.ext), c.want) << c.name << " " << c.ext;
  EXPECT_TRUE(FileHasExtension("a.jpeg", "jpg", "jpeg"));
  EXPECT_FALSE(FileHasExtension("a.png", "jpg", "jpeg"));
  EXPECT_TRUE(FileHasExtension("a.TIF", "jpg", "jpeg", "png", "tif"));
  EXPECT_FALSE(FileHasExtension("a.gif", "jpg", "jpeg", "png", "tif"));
}

TEST(Paths, NamesAndExtensions) {
  EXPECT_EQ(ExtractFileExtWithoutExtensionSeparator("a/b.c/d"), "");
  EXPECT_EQ(ExtractFileExtWithoutExtensionSeparator("a\\b.c\\d"), "");
  EXPECT_EQ(ExtractFileExtWithoutExtensionSeparator(".profile"), "profile");
  EXPECT_EQ(ExtractFileExtWithoutExtensionSeparator("x.tar.gz"), "gz");
  EXPECT_EQ(ExtractFileNameWithoutPathAndExt("/a/b.tar.gz"), "b.tar");
  EXPECT_EQ(ExtractFileNameWithoutPathAndExt("C:\\a\\b.txt"), "b");
  EXPECT_EQ(ExtractFileNameWithoutPathAndExt("/a.b/c"), "c");
  EXPECT_EQ(ExtractFileNameWithoutPathAndExtEndingAtFirstDotInName("/a/b.tar.gz"), "b");
  EXPECT_EQ(ExtractFileNameWithoutPathAndExtEndingAtFirstDotInName("/a.x/b"), "b");

  std::string name, ext;
  EXPECT_TRUE(DivideFileNameAndExtension("/a/b.txt", name, ext));
  EXPECT_EQ(name, "/a/b");
  EXPECT_EQ(ext, "txt");
  EXPECT_FALSE(DivideFileNameAndExtension("/a/b", name, ext));
  EXPECT_EQ(name, "/a/b");
  EXPECT_EQ(ext, "");
  EXPECT_FALSE(DivideFileNameAndExtension("/a.d/b", name, ext));
  EXPECT_EQ(name, "/a.d/b");
}

TEST(Paths, DividePathFileNameAndExt) {
  struct Case {
    const char* in;
    const char* folder;
    const char* name;
    const char* ext;
    bool result;
  } cases[] = {
      {"/Users/bob/file.tar.gz", "/Users/bob", "file.tar", "gz", true},
      {"file.txt", "", "file", "txt", false},
      {"/Users/bob/README", "/Users/bob", "README", "", false},
      // A "." in a folder name is no extension.
      {"/home/u/.config/notes", "/home/u/.config", "notes", "", false},
      {"/a.b/c", "/a.b", "c", "", false},
      {"/home/u/.bashrc", "/home/u", "", "bashrc", true},
      {"", "", "", "", false},
  };
  for (const auto& c : cases) {
    std::string folder = "x", name = "x", ext = "x";
    EXPECT_EQ(DividePathFileNameAndExt(c.in, folder, name, ext), c.result) << c.in;
    EXPECT_EQ(folder, c.folder) << c.in;
    EXPECT_EQ(name, c.name) << c.in;
    EXPECT_EQ(ext, c.ext) << c.in;
  }
}

TEST(Paths, FolderLevels) {
  const std::string f = "/Users/ann/docs/a.txt";
  struct Case {
    int32_t level;
    const char* want;
  } cases[] = {{0, ""},      {1, "Users"}, {2, "ann"},    {3, "docs"}, {4, ""},
               {-1, "docs"}, {-2, "ann"},  {-3, "Users"}, {-4, ""},    {-5, ""}};
  for (const auto& c : cases) EXPECT_EQ(ExtractFolderNameOfLevel(f, c.level), c.want) << c.level;
  EXPECT_EQ(ExtractFolderNameOfLevel("/Users/ann/docs/", -1), "ann");  // trailing "/" removed first
  EXPECT_EQ(ExtractFolderNameOfLevel("rel/dir/a.txt", 0), "rel");
  EXPECT_EQ(ExtractFolderNameOfLevel("rel/dir/a.txt", -1), "dir");
  EXPECT_EQ(ExtractFolderNameOfLevel("rel/dir/a.txt", -2), "");  // the first part is never reached from the end
  EXPECT_EQ(ExtractFolderNameOfLevel("a.txt", 0), "");
  // A backslash belongs to the name it stands in.
  EXPECT_EQ(ExtractFolderNameOfLevel("/src/a/b\\c.txt", -1), "a");
  EXPECT_EQ(ExtractFolderNameOfLevel("/src/a\\b/c.txt", -1), "a\\b");
  EXPECT_EQ(ExtractFolderNameOfLevel(f, std::numeric_limits<int32_t>::min()), "");
  EXPECT_EQ(ExtractFolderNameOfLevel(f, std::numeric_limits<int32_t>::max()), "");

  EXPECT_EQ(GetFolderLevel("file.txt"), 0);
  EXPECT_EQ(GetFolderLevel("/file.txt"), 0);
  EXPECT_EQ(GetFolderLevel("/a/file.txt"), 1);
  EXPECT_EQ(GetFolderLevel("/a/b/c.txt"), 2);
}

TEST(Paths, DisallowedCharacters) {
  EXPECT_EQ(FileNameGetDisallowedCharsAsStrArray(), (TStrArray{"/", "\\", ":", "*", "?", "\"", ">", "<", "|"}));
  EXPECT_EQ(FileNameGetDisallowedCharsAsString(" "), "/ \\ : * ? \" > < |");
  EXPECT_EQ(FileNameGetDisallowedCharsAsString(""), "/\\:*?\"><|");
  EXPECT_TRUE(FileNameOnlyContainsAllowedChars("Grüße 2024.txt"));
  EXPECT_FALSE(FileNameOnlyContainsAllowedChars("a:b"));
  EXPECT_FALSE(FileNameOnlyContainsAllowedChars("what?"));
}

TEST(Paths, IsFolderAndExists) {
  testsupport::TempDir dir;
  testsupport::WriteFileBytes(dir.file("f.txt"), "x");
  EXPECT_TRUE(IsFolderAndExists(dir.str()));
  EXPECT_TRUE(IsFolderAndExists(dir.str() + "/"));
  EXPECT_FALSE(IsFolderAndExists(dir.file("f.txt")));
  EXPECT_FALSE(IsFolderAndExists(dir.file("missing")));
  EXPECT_FALSE(IsFolderAndExists(""));
}

TEST(Paths, ApplicationAndArguments) {
  const std::string app = ApplicationPath();
  ASSERT_FALSE(app.empty());
  EXPECT_EQ(app.back(), '/');
  EXPECT_EQ(std::filesystem::path(app), std::filesystem::read_symlink("/proc/self/exe").parent_path() / "");
  EXPECT_EQ(ApplicationPathWithPathDelimiter(), app);
  EXPECT_FALSE(IsExeInZip());

  char a0[] = "prog", a1[] = "-batch", a2[] = "file.sxs";
  char* argv[] = {a0, a1, a2};
  CaptureProgramArguments(3, argv);
  EXPECT_TRUE(ParamStrExists("-batch"));
  EXPECT_TRUE(ParamStrExists("file.sxs"));
  EXPECT_FALSE(ParamStrExists("-BATCH"));
  EXPECT_FALSE(ParamStrExists("prog"));  // the program itself is no argument
  CaptureProgramArguments(0, nullptr);
  EXPECT_FALSE(ParamStrExists("-batch"));
}

TEST(Sizes, FileSizeToStr) {
  struct Case {
    int64_t bytes;
    TSizeType unit;
    int32_t decimals;
    bool showUnit, thousands;
    const char* english;
    const char* german;
  } cases[] = {
      {1023, sizeTypeBestUnit, 2, true, false, "1023 Byte", "1023 Byte"},
      {1024, sizeTypeBestUnit, 0, true, false, "1 KB", "1 KB"},
      {1048575, sizeTypeBestUnit, 0, false, false, "1023", "1023"},
      {1099511627776, sizeTypeBestUnit, 1, true, false, "1.0 TB", "1,0 TB"},
      {1536, sizeTypeKB, 0, false, false, "1", "1"},  // whole division truncates
      {1536, sizeTypeKB, 0, false, true, "2", "2"},   // formatting rounds
      {1536, sizeTypeBestUnit, 2, true, false, "1.50 KB", "1,50 KB"},
      {1234567890, sizeTypeKB, 0, true, true, "1,205,633 KB", "1.205.633 KB"},
      {1234567890, sizeTypeMB, 2, true, true, "1,177.38 MB", "1.177,38 MB"},
      {5000, sizeTypeByte, 2, true, true, "5,000 Byte", "5.000 Byte"},
      {-5000, sizeTypeBestUnit, 0, true, false, "-5000 Byte", "-5000 Byte"},
      {3 * 1073741824LL, sizeTypeGB, 0, true, false, "3 GB", "3 GB"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileSizeToStr(c.bytes, c.unit, c.decimals, c.showUnit, c.thousands, kEnglish), c.english) << c.bytes;
    EXPECT_EQ(FileSizeToStr(c.bytes, c.unit, c.decimals, c.showUnit, c.thousands, kGerman), c.german) << c.bytes;
  }
}

TEST(Sizes, FileSizeBestUnit) {
  struct Case {
    int64_t bytes;
    const char* english;
    const char* german;
  } cases[] = {
      {0, "0 Byte", "0 Byte"},
      {512, "512 Byte", "512 Byte"},
      {999, "999 Byte", "999 Byte"},
      {1000, "0.977 KB", "0,977 KB"},  // the unit follows the digits, the factor is 1024
      {1024, "1.000 KB", "1,000 KB"},
      {1536, "1.500 KB", "1,500 KB"},
      {1000000, "0.954 MB", "0,954 MB"},
      {999999999999, "931.323 GB", "931,323 GB"},
      {1099511627776, "1.000 TB", "1,000 TB"},
      {2199023255552000, "2,000.000 TB", "2.000,000 TB"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileSizeBestUnit(c.bytes, kEnglish), c.english) << c.bytes;
    EXPECT_EQ(FileSizeBestUnit(c.bytes, kGerman), c.german) << c.bytes;
  }
}

TEST(Sizes, RatioString) {
  struct Case {
    int32_t a, b;
    TRatioType type;
    bool largerFirst;
    const char* sep;
    const char* want;
  } cases[] = {
      {1920, 1080, ratioTypeAuto, false, ":", "16:9"},
      {1080, 1920, ratioTypeAuto, true, ":", "16:9"},
      {1080, 1920, ratioTypeAuto, false, ":", "9:16"},
      {1920, 1081, ratioTypeAuto, false, ":", "1.78"},
      {1920, 1081, ratioTypeInteger, false, ":", "1920:1081"},
      {1920, 1080, ratioTypeDecimal, false, ":", "1.78"},
      {1080, 1920, ratioTypeDecimal, true, ":", "1.78"},
      {1080, 1920, ratioTypeDecimal, false, ":", "0.56"},
      {4, 4, ratioTypeInteger, false, "x", "1x1"},
      {4, 4, ratioTypeAuto, false, " / ", "1 / 1"},
      {4, 4, ratioTypeDecimal, false, ":", "1.00"},
      {3, 0, ratioTypeAuto, false, ":", ""},
      {3, 0, ratioTypeDecimal, false, ":", ""},
      {0, 3, ratioTypeInteger, false, ":", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(RatioString(c.a, c.b, c.type, c.largerFirst, c.sep, kEnglish), c.want) << c.a << " " << c.b;
  EXPECT_EQ(RatioString(1920, 1081, ratioTypeAuto, false, ":", kGerman), "1,78");
  // The smallest 32-bit number has no positive counterpart; it must not overflow.
  EXPECT_NO_FATAL_FAILURE(RatioString(std::numeric_limits<int32_t>::min(), -1, ratioTypeAuto, true, ":", kEnglish));
  EXPECT_EQ(RatioString(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::min(), ratioTypeInteger,
                        false, ":", kEnglish),
            "1:1");
}

}  // namespace
