#include "text/localised_names.h"

#include <gtest/gtest.h>

#include "foundation/code_pages.h"
#include "text/language_setters.h"
#include "text/text_store.h"

namespace {

class LocalisedNames : public ::testing::Test {
 protected:
  void SetUp() override { SetSprResGlobal(0); }
  void TearDown() override {
    SprRegisterLibrarySetter(1, nullptr);
    SprResGlobalArr.clear();
  }
  // A German table for the slots these names read.
  static void FillGerman() {
    SprRegisterLibrarySetter(1, [] {
      SprResGlobalArr[476] = "Westeurop\xC3\xA4isch";
      SprResGlobalArr[306] = "Automatisch erkennen";
      SprResGlobalArr[124] = "Beibehalten";
      SprResGlobalArr[141] = "Zeilenumbruch nach dieser Anzahl von Zeichen";
      SprResGlobalArr[144] = "Feste Zeilenl\xC3\xA4nge";
      SprResGlobalArr[439] = "Komma";
    });
    SetSprResGlobal(1);
  }
};

TEST_F(LocalisedNames, CodePagesLongAndShort) {
  const std::pair<int32_t, const char*> longNames[] = {
      {0, "ASCII (7 BIT)"},
      {2, "Auto Detect"},
      {3, "Keep"},
      {1200, "UTF-16 Little Endian"},
      {1201, "UTF-16 Big Endian"},
      {1250, "WINDOWS-1250 (Central European)"},
      {1251, "WINDOWS-1251 (Cyrillic)"},
      {1252, "WINDOWS-1252 (Western European)"},
      {1253, "WINDOWS-1253 (Greek)"},
      {12000, "UTF-32 Little Endian"},
      {12001, "UTF-32 Big Endian"},
      {64999, "UTF-7 ANSI"},
      {65000, "UTF-7"},
      {65001, "UTF-8"},
      {65002, "UTF-8 BOM"},
      {88591, "LATIN-1 (ISO 8859-1)"},
      {88592, "LATIN-2 (ISO 8859-2)"},
  };
  for (const auto& [id, name] : longNames) EXPECT_EQ(CodePageToStrSpr(id, true), name) << id;
  // Everything else is the foundation's own long name.
  for (int32_t id : {-1, -100002, 1, 5, 100, 101, 102, 103, 936, 54936, 99999})
    EXPECT_EQ(CodePageToStrSpr(id, true), CodePageToStr(id, true)) << id;
  EXPECT_EQ(CodePageToStrSpr(2, false), "AUTO");
  EXPECT_EQ(CodePageToStrSpr(3, false), "KEEP");
  for (int32_t id : {0, 1252, 65001, 54936, -1, 77})
    EXPECT_EQ(CodePageToStrSpr(id, false), CodePageToStr(id, false)) << id;
}

TEST_F(LocalisedNames, CodePagesFollowTheLanguage) {
  FillGerman();
  EXPECT_EQ(CodePageToStrSpr(1252, true), "WINDOWS-1252 (Westeurop\xC3\xA4isch)");
  EXPECT_EQ(CodePageToStrSpr(2, true), "Automatisch erkennen");
  EXPECT_EQ(CodePageToStrSpr(3, false), "KEEP");
  EXPECT_EQ(LineBreakToStrSpr(130, true), "Zeilenumbruch nach dieser Anzahl von Zeichen (Feste Zeilenl\xC3\xA4nge)");
  EXPECT_EQ(CsvParamToStrSpr(11), "Komma");
}

TEST_F(LocalisedNames, LineBreaks) {
  struct Case {
    uint32_t Kind;
    const char* Long;
    const char* Short;
  };
  const Case cases[] = {
      {1, "Auto Detect", "AUTO"},
      {2, "Keep", "KEEP"},
      {3, "System Line Break", "SYSTEM"},
      {4, "BINARY", "BINARY"},
      {7, "No Character", "NO"},
      {9, "TAB - Horizontal Tab (U+0009)", "TAB - Horizontal Tab (U+0009)"},
      {10, "LF - Unix, Linux, macOS, Mac OS X, AmigaOS, BSD (U+000A)",
       "LF - Unix, Linux, macOS, Mac OS X, AmigaOS, BSD (U+000A)"},
      {11, "VT - Vertical Tab (U+000B)", "VT - Vertical Tab (U+000B)"},
      {12, "FF - Unicode Form Feed (U+000C)", "FF - Unicode Form Feed (U+000C)"},
      {13, "CR - Classic Mac OS, Apple II, Commodore (U+000D)", "CR - Classic Mac OS, Apple II, Commodore (U+000D)"},
      {21, "NL - AIX OS, IBM Mainframe Systems, OS/390 (U+0015)",
       "NL - AIX OS, IBM Mainframe Systems, OS/390 (U+0015)"},
      {85, "NEL - Unicode New Line (U+0085)", "NEL - Unicode New Line (U+0085)"},
      {110, "Custom Character", "CUSTOM_STR"},
      {111, "Line Break at each of these Characters (comma-separated)", "CUSTOM_STRS"},
      {120, "Custom Code Point", "CUSTOM_CP"},
      {121, "Line Break at each of these Code Points (comma-separated)", "CUSTOM_CPS"},
      {130, "Line Break after this Number of Characters (Fixed Line Length)", "FIXED"},
      {1310, "CRLF - Windows, DOS, OS/2, CP/M, TOS (U+000D + U+000A)",
       "CRLF - Windows, DOS, OS/2, CP/M, TOS (U+000D + U+000A)"},
      {2028, "LS - Unicode Line Seperator (U+2028)", "LS - Unicode Line Seperator (U+2028)"},
      {2029, "PS - Unicode Paragraph Separator (U+2029)", "PS - Unicode Paragraph Separator (U+2029)"},
      {0, "Unknown", "UNKOWN"},
      {999, "Unknown", "UNKOWN"},
      {UINT32_MAX, "Unknown", "UNKOWN"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LineBreakToStrSpr(c.Kind, true), c.Long) << c.Kind;
    EXPECT_EQ(LineBreakToStrSpr(c.Kind, false), c.Short) << c.Kind;
  }
}

TEST_F(LocalisedNames, CsvParameters) {
  const std::pair<int32_t, const char*> cases[] = {
      {1, "Auto Detect"},
      {2, "Keep"},
      {10, "System"},
      {11, "Comma"},
      {12, "Semicolon"},
      {13, "Vertical Bar"},
      {14, "Hyphen"},
      {15, "Space"},
      {16, "Tab"},
      {17, "No Character"},
      {20, "Single Quote"},
      {21, "Double Quote"},
      {30, "Custom Character"},
      {31, "New Field after each of these Characters (comma-separated)"},
      {32, "Custom Code Point"},
      {33, "New Field after each of these Code Points (comma-separated)"},
      {40, "New Field after this Number of Characters (Fixed Field Length)"},
      {0, ""},
      {3, ""},
      {41, ""},
      {-1, ""},
  };
  for (const auto& [id, name] : cases) EXPECT_EQ(CsvParamToStrSpr(id), name) << id;
}

TEST_F(LocalisedNames, WordOrderPerLanguage) {
  struct Case {
    const char* Word;
    uint32_t Language;
    const char* Expected;
  };
  const Case cases[] = {
      {"Datei", 1, "DOCX-Datei"},
      {"Text Datei", 1, "DOCX Text Datei"},
      {"Fil", 2, "DOCX-Fil"},
      {"\xD1\x84\xD0\xB0\xD0\xB9\xD0\xBB", 7, "DOCX-\xD1\x84\xD0\xB0\xD0\xB9\xD0\xBB"},
      {"Bestand", 8, "DOCX-Bestand"},
      {"\xD0\xB4\xD0\xB0\xD1\x82\xD0\xBE\xD1\x82\xD0\xB5\xD0\xBA\xD0\xB0", 11,
       "DOCX-\xD0\xB4\xD0\xB0\xD1\x82\xD0\xBE\xD1\x82\xD0\xB5\xD0\xBA\xD0\xB0"},
      {"Arquivo", 3, "Arquivo DOCX"},
      {"Archivo", 4, "Archivo DOCX"},
      {"Fichier", 6, "Fichier DOCX"},
      {"File", 9, "File DOCX"},
      {"Plik", 12, "Plik DOCX"},
      {"\xE6\x96\x87\xE4\xBB\xB6", 5, "DOCX\xE6\x96\x87\xE4\xBB\xB6"},  // DOCX文件
      {"\xE3\x83\x95\xE3\x82\xA1\xE3\x82\xA4\xE3\x83\xAB", 10, "DOCX\xE3\x83\x95\xE3\x82\xA1\xE3\x82\xA4\xE3\x83\xAB"},
      {"File", 0, "DOCX File"},
      {"File", 13, "DOCX File"},
      {"File", 14, "DOCX File"},
      {"File", 15, "DOCX File"},
      {"File", UINT32_MAX, "DOCX File"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SprCombineWordWithDescriptor(c.Word, "DOCX", c.Language), c.Expected) << c.Language;
  // A blank in the descriptor also chooses the blank.
  EXPECT_EQ(SprCombineWordWithDescriptor("Datei", "Open Document", 1), "Open Document Datei");
}

}  // namespace
