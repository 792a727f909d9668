#include "filelist/core/file_name_filter.h"

#include <gtest/gtest.h>

#include "filelist/core/file_types_spr.h"
#include "filelist/core/nfc_key.h"
#include "text/text_store.h"
#include "text/translations.h"

namespace {

// "Café" with a composed "é" and with "e" and a combining acute accent.
const std::string kCafeNFC = "Caf\xC3\xA9";
const std::string kCafeNFD = "Cafe\xCC\x81";

TEST(NFCKey, ComposesAndKeepsASCII) {
  EXPECT_EQ(NFCKey("plain.txt"), "plain.txt");
  EXPECT_EQ(NFCKey(""), "");
  EXPECT_EQ(NFCKey(kCafeNFD), kCafeNFC);
  EXPECT_EQ(NFCKey(kCafeNFC), kCafeNFC);
  // Hangul syllable from its jamo.
  EXPECT_EQ(NFCKey("\xE1\x84\x92\xE1\x85\xA1\xE1\x86\xAB"), "\xED\x95\x9C");
  // Invalid bytes become U+FFFD, so the key is always valid UTF-8.
  EXPECT_EQ(NFCKey("a\xFF"
                   "b"),
            "a\xEF\xBF\xBD"
            "b");
}

struct TNameCase {
  const char* Filter;
  bool Regex;
  bool MatchCase;
  const char* FileName;
  bool Allowed;
};

TEST(FileNameFilter, Table) {
  const TNameCase cases[] = {
      // Substring, with and without case.
      {"report", false, false, "Annual Report.pdf", true},
      {"report", false, false, "reportage.doc", true},
      {"report", false, false, "Summary.txt", false},
      {"report", false, true, "Annual Report.pdf", false},
      {"Report", false, true, "/x/Annual Report.pdf", true},
      // The folder and the last extension are never part of the name.
      {"pdf", false, false, "/pdf/Annual Report.pdf", false},
      {"txt", false, false, "notes.txt.bak", true},
      // Wildcards cover the whole name.
      {"*.txt", false, false, "report.txt", false},
      {"*.txt", false, false, "notes.txt.bak", true},
      {"a*", false, true, "apple.txt", true},
      {"a*", false, true, "Apple.txt", false},
      {"a*", false, false, "Apple.txt", true},
      {"??", false, true, "ab.doc", true},
      {"??", false, true, "abc.doc", false},
      {"?", false, true, "\xC3\xA9.txt", true},  // one character, two bytes
      {"*", false, true, ".bashrc", true},
      {"report*", false, false, "report*2024.txt", true},  // a "*" in the name is no obstacle
      {"*", false, true, "*.txt", true},
      // Regular expressions: the first match must be the whole name.
      {"abc", true, true, "xabcx.txt", false},
      {".*abc.*", true, true, "xabcx.txt", true},
      {"abc", true, true, "abc.txt", true},
      {"ab", true, true, "abc.txt", false},
      {"a|abc", true, true, "abc.txt", false},  // the first match is "a"
      {"abc|a", true, true, "abc.txt", true},
      {"\\d+", true, false, "2024.txt", true},
      {"\\d+", true, false, "2024a.txt", false},
      {"ABC", true, false, "abc.txt", true},
      {"abc", true, false, "ABC.txt", true},
      {"ABC", true, true, "abc.txt", false},
      {"r.*", true, false, "/a/Report.pdf", true},
      {"\xC3\xA4.*", true, false, "\xC3\x84rger.txt", true},
      // An invalid expression works as a plain substring.
      {"(", true, true, "a(1).txt", true},
      {"(", true, true, "a1.txt", false},
      // Empty texts allow every name, also in regex mode.
      {"", false, true, "x.txt", true},
      {"", true, true, "x.txt", true},
  };
  for (const TNameCase& c : cases) {
    TFileNameFilterObj f(c.Filter, c.Regex, c.MatchCase);
    EXPECT_EQ(f.NameAllowed(c.FileName), c.Allowed)
        << c.Filter << " regex " << c.Regex << " case " << c.MatchCase << " : " << c.FileName;
  }
}

TEST(FileNameFilter, CreateAndSetFilterState) {
  TFileNameFilterObj f;
  EXPECT_TRUE(f.AllowAllNames);
  EXPECT_EQ(f.FilterStr, "");
  EXPECT_FALSE(f.FilterStrIsRegex);
  EXPECT_TRUE(f.FilterStrMatchCase);
  EXPECT_FALSE(f.HasRegex());
  EXPECT_FALSE(f.ExcludeFileNames);

  f.SetFilter("a.*", true, false);
  EXPECT_FALSE(f.AllowAllNames);
  EXPECT_TRUE(f.FilterActive());
  EXPECT_TRUE(f.HasRegex());
  EXPECT_TRUE(f.FilterStrIsRegex);
  f.SetFilter("a.*", false, false);
  EXPECT_FALSE(f.HasRegex());
  f.SetFilter("", true, true);
  EXPECT_TRUE(f.AllowAllNames);
  EXPECT_FALSE(f.FilterActive());
  EXPECT_FALSE(f.HasRegex());

  // A failing expression turns regex mode off and says so.
  f.SetFilter("[x", true, true);
  EXPECT_FALSE(f.FilterStrIsRegex);
  EXPECT_FALSE(f.HasRegex());
  EXPECT_TRUE(f.NameAllowed("a[x].txt"));
  EXPECT_FALSE(f.SetRegex(""));
  EXPECT_TRUE(f.SetRegex("x+"));
  EXPECT_TRUE(f.HasRegex());
}

TEST(FileNameFilter, PlainFieldsChangeOnlyThemselves) {
  TFileNameFilterObj f;
  f.FilterStr = "zzz";
  EXPECT_TRUE(f.NameAllowed("abc.txt"));  // still allows every name
  f.SetFilter("abc", false, true);
  f.AllowAllNames = true;
  EXPECT_TRUE(f.NameAllowed("xyz.txt"));
  f.AllowAllNames = false;
  EXPECT_FALSE(f.NameAllowed("xyz.txt"));
}

TEST(FileNameFilter, ResetAndApply) {
  TFileNameFilterObj f("init", false, true);
  EXPECT_EQ(f.InitialFilterStr(), "init");
  f.SetFilter("other", true, false);
  f.ResetToInitialFilter();
  EXPECT_EQ(f.FilterStr, "init");
  EXPECT_FALSE(f.FilterStrIsRegex);
  EXPECT_FALSE(f.FilterStrMatchCase);  // not restored
  EXPECT_TRUE(f.NameAllowed("INIT.txt"));

  f.ExcludedFileNames.push_back("/A/B.TXT");
  f.ExcludeFileNames = true;
  TFileNameFilterObj g;
  g.ApplyFilter(f);
  EXPECT_EQ(g.FilterStr, "init");
  EXPECT_FALSE(g.FilterStrMatchCase);
  EXPECT_TRUE(g.ExcludedFileNames.empty());
  f.ApplyFilter(f);
  EXPECT_EQ(f.FilterStr, "init");
}

TEST(FileNameFilter, Exclusions) {
  TFileNameFilterObj f;
  f.ExcludedFileNames = {"/A/B.TXT"};
  f.ExcludeFileNames = true;
  // With exclusions an empty text no longer allows all names at once.
  f.SetFilter("", false, true);
  EXPECT_FALSE(f.AllowAllNames);
  EXPECT_FALSE(f.NameAllowed("/a/b.txt"));
  EXPECT_TRUE(f.NameAllowed("/a/c.txt"));
  f.ExcludeFileNames = false;
  EXPECT_TRUE(f.NameAllowed("/a/b.txt"));
}

// Typed names and names on disk meet in their composed form, whichever form
// each of them has.
TEST(FileNameFilter, ComposedAndDecomposedNamesMatch) {
  for (const std::string& typed : {kCafeNFC, kCafeNFD}) {
    for (bool matchCase : {true, false}) {
      TFileNameFilterObj sub(typed, false, matchCase);
      TFileNameFilterObj wild(typed + "*", false, matchCase);
      for (const std::string& onDisk : {kCafeNFC, kCafeNFD}) {
        EXPECT_TRUE(sub.NameAllowed(onDisk + " menu.txt"));
        EXPECT_TRUE(wild.NameAllowed("/x/" + onDisk + " au lait.txt"));
      }
    }
  }
  TFileNameFilterObj regex("caf\xC3\xA9.*", true, false);
  EXPECT_TRUE(regex.NameAllowed(kCafeNFD + "s.txt"));
  TFileNameFilterObj one("Caf?", false, true);
  EXPECT_TRUE(one.NameAllowed(kCafeNFD + ".txt"));
}

TEST(FileTypesSpr, NamesFromTheStore) {
  SetSprResGlobal(0);
  const std::pair<const char*, const char*> english[] = {
      {"Folder", "Folders"},           {"Text", "Text Files"},    {"Image", "Images"},
      {"Audio", "Audio Files"},        {"Video", "Videos"},       {"Document", "Documents"},
      {"Spreadsheet", "Spreadsheets"}, {"Web Page", "Web Pages"}, {"Font", "Fonts"},
      {"Executable", "Executables"},   {"Archive", "Archives"},   {"Playlist", "Playlists"},
      {"Source Code", "Source Codes"}, {"Others", "Others"},
  };
  for (int32_t t = 0; t < 14; ++t) {
    EXPECT_EQ(FileTypeToStringSingularSpr(t), english[t].first) << t;
    EXPECT_EQ(FileTypeToStringPluralSpr(t), english[t].second) << t;
  }
  EXPECT_EQ(FileTypeToStringSingularSpr(14), "");
  EXPECT_EQ(FileTypeToStringPluralSpr(-1), "");
  // The texts follow the language at the moment of the call.
  RegisterTranslations();
  SetSprResGlobal(1);
  EXPECT_EQ(FileTypeToStringPluralSpr(2), "Bilder");
  EXPECT_EQ(FileTypeToStringSingularSpr(11), "Playlist");
  SetSprResGlobal(0);
}

}  // namespace
