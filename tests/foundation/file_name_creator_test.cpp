#include "foundation/file_name_creator.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNameCreator, DefaultsAfterCreate) {
  TFileNameCreatorObj c;
  EXPECT_EQ(c.DisallowedCharReplacement, "_");
  EXPECT_EQ(c.FileNumber, 1);
  EXPECT_EQ(c.FileCount, 1);
  EXPECT_TRUE(c.ExtensionAlwaysLowerCase);
  EXPECT_TRUE(c.RemoveDisallowedChars);
  EXPECT_FALSE(c.KeepSubDirs);
  for (const std::string* s : {&c.FileNameOld(), &c.FolderOld(), &c.NameOld(), &c.ExtensionOld(), &c.FolderNew(),
                               &c.NameNew(), &c.ExtensionNew(), &c.KeepSubDirsBaseDir()})
    EXPECT_EQ(*s, "");
}

TEST(FileNameCreator, OldNameSplitsAndResetClearsButKeepsOptions) {
  TFileNameCreatorObj c;
  c.SetFileNameOld("/Users/bob/report.tar.gz");
  EXPECT_EQ(c.FileNameOld(), "/Users/bob/report.tar.gz");
  EXPECT_EQ(c.FolderOld(), "/Users/bob");
  EXPECT_EQ(c.NameOld(), "report.tar");
  EXPECT_EQ(c.ExtensionOld(), "gz");
  c.SetFileNameOld("README");
  EXPECT_EQ(c.FolderOld(), "");
  EXPECT_EQ(c.NameOld(), "README");
  EXPECT_EQ(c.ExtensionOld(), "");

  c.SetFileNameOld("/a/b.txt");
  c.SetFolderNew("/out");
  c.SetNameNew("n");
  c.SetExtensionNew("md");
  c.SetKeepSubDirsBaseDir("/base");
  c.FileNumber = 7;
  c.FileCount = 9;
  c.KeepSubDirs = true;
  c.ExtensionAlwaysLowerCase = false;
  c.RemoveDisallowedChars = false;
  c.DisallowedCharReplacement = "-";
  c.Reset();
  for (const std::string* s : {&c.FileNameOld(), &c.FolderOld(), &c.NameOld(), &c.ExtensionOld(), &c.FolderNew(),
                               &c.NameNew(), &c.ExtensionNew(), &c.KeepSubDirsBaseDir()})
    EXPECT_EQ(*s, "");
  EXPECT_EQ(c.FileNumber, 1);
  EXPECT_EQ(c.FileCount, 1);
  EXPECT_FALSE(c.KeepSubDirs);
  EXPECT_FALSE(c.ExtensionAlwaysLowerCase);
  EXPECT_FALSE(c.RemoveDisallowedChars);
  EXPECT_EQ(c.DisallowedCharReplacement, "-");
}

TEST(FileNameCreator, NewPartsAreTrimmedOnly) {
  TFileNameCreatorObj c;
  c.SetNameNew("  report  ");
  EXPECT_EQ(c.NameNew(), "report");
  c.SetFolderNew("\t/out folder/\n");
  EXPECT_EQ(c.FolderNew(), "/out folder/");
  c.SetExtensionNew(" .TXT ");
  EXPECT_EQ(c.ExtensionNew(), ".TXT");  // period and case stay
  c.SetNameNew("a <keep> b");
  EXPECT_EQ(c.NameNew(), "a <keep> b");
}

TEST(FileNameCreator, BaseDirGetsTrailingDelimiter) {
  TFileNameCreatorObj c;
  c.SetKeepSubDirsBaseDir("/Users/bob/in");
  EXPECT_EQ(c.KeepSubDirsBaseDir(), "/Users/bob/in/");
  c.SetKeepSubDirsBaseDir("/Users/bob/in/");
  EXPECT_EQ(c.KeepSubDirsBaseDir(), "/Users/bob/in/");
  c.SetKeepSubDirsBaseDir("");
  EXPECT_EQ(c.KeepSubDirsBaseDir(), "/");
}

TEST(FileNameCreator, KeepPlaceholderFollowsLanguage) {
  struct Case {
    const char* Text;
    int32_t Language;
    const char* Expected;
  };
  const Case cases[] = {
      {"x_<preservar>", 1, "x_<beibehalten>"},
      {"x_<conserver>", 0, "x_<keep>"},
      {"x_<Keep>", 6, "x_<Keep>"},
      {"no placeholder", 6, "no placeholder"},
      {"<keep>-<beibehalten>-<preservar>-<conserver>", 4, "<preservar>-<preservar>-<preservar>-<preservar>"},
      {"<beibehalten>", 6, "<conserver>"},
      {"<beibehalten>", 14, "<keep>"},
      {"<beibehalten>", -1, "<keep>"},
      {"<keep><keep>", 1, "<beibehalten><beibehalten>"},
      {"<kee<keep>p>", 4, "<kee<preservar>p>"},
      {"<", 1, "<"},
      {"", 1, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FileNameChangeCustomPlaceholdersToLanguage(c.Text, c.Language), c.Expected)
        << c.Text << " / " << c.Language;
}

}  // namespace
