#include "text/localised_names.h"

#include <gtest/gtest.h>

#include "foundation/code_pages.h"
#include "foundation/csv_params.h"
#include "foundation/line_breaks.h"
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
      {cpASCII, "ASCII (7 BIT)"},
      {cpAutoDetect, "Auto Detect"},
      {cpKeep, "Keep"},
      {cpUTF16LE, "UTF-16 Little Endian"},
      {cpUTF16BE, "UTF-16 Big Endian"},
      {cpWindows1250, "WINDOWS-1250 (Central European)"},
      {cpWindows1251, "WINDOWS-1251 (Cyrillic)"},
      {cpWindows1252, "WINDOWS-1252 (Western European)"},
      {cpWindows1253, "WINDOWS-1253 (Greek)"},
      {cpUTF32LE, "UTF-32 Little Endian"},
      {cpUTF32BE, "UTF-32 Big Endian"},
      {cpUTF7ANSI, "UTF-7 ANSI"},
      {cpUTF7, "UTF-7"},
      {cpUTF8, "UTF-8"},
      {cpUTF8BOM, "UTF-8 BOM"},
      {cpISO88591, "LATIN-1 (ISO 8859-1)"},
      {cpISO88592, "LATIN-2 (ISO 8859-2)"},
  };
  for (const auto& [id, name] : longNames) EXPECT_EQ(CodePageToStrSpr(id, true), name) << id;
  // Everything else is the foundation's own long name.
  for (int32_t id : std::initializer_list<int32_t>{-1, -100002, 1, cpBinary, cpUTF1, cpSCSU, cpBOCU1, cpUTFEBCDIC, 936,
                                                   cpGB18030, 99999})
    EXPECT_EQ(CodePageToStrSpr(id, true), CodePageToStr(id, true)) << id;
  EXPECT_EQ(CodePageToStrSpr(cpAutoDetect, false), "AUTO");
  EXPECT_EQ(CodePageToStrSpr(cpKeep, false), "KEEP");
  for (int32_t id : std::initializer_list<int32_t>{cpASCII, cpWindows1252, cpUTF8, cpGB18030, -1, 77})
    EXPECT_EQ(CodePageToStrSpr(id, false), CodePageToStr(id, false)) << id;
}

TEST_F(LocalisedNames, CodePagesFollowTheLanguage) {
  FillGerman();
  EXPECT_EQ(CodePageToStrSpr(cpWindows1252, true), "WINDOWS-1252 (Westeurop\xC3\xA4isch)");
  EXPECT_EQ(CodePageToStrSpr(cpAutoDetect, true), "Automatisch erkennen");
  EXPECT_EQ(CodePageToStrSpr(cpKeep, false), "KEEP");
  EXPECT_EQ(LineBreakToStrSpr(lbkFixedLength, true),
            "Zeilenumbruch nach dieser Anzahl von Zeichen (Feste Zeilenl\xC3\xA4nge)");
  EXPECT_EQ(CsvParamToStrSpr(csvpComma), "Komma");
}

TEST_F(LocalisedNames, LineBreaks) {
  struct Case {
    uint32_t Kind;
    const char* Long;
    const char* Short;
  };
  const Case cases[] = {
      {lbkAutoDetect, "Auto Detect", "AUTO"},
      {lbkKeep, "Keep", "KEEP"},
      {lbkSystem, "System Line Break", "SYSTEM"},
      {lbkBinary, "BINARY", "BINARY"},
      {lbkNoChar, "No Character", "NO"},
      {lbkTab, "TAB - Horizontal Tab (U+0009)", "TAB - Horizontal Tab (U+0009)"},
      {lbkLF, "LF - Unix, Linux, macOS, Mac OS X, AmigaOS, BSD (U+000A)",
       "LF - Unix, Linux, macOS, Mac OS X, AmigaOS, BSD (U+000A)"},
      {lbkVT, "VT - Vertical Tab (U+000B)", "VT - Vertical Tab (U+000B)"},
      {lbkFF, "FF - Unicode Form Feed (U+000C)", "FF - Unicode Form Feed (U+000C)"},
      {lbkCR, "CR - Classic Mac OS, Apple II, Commodore (U+000D)", "CR - Classic Mac OS, Apple II, Commodore (U+000D)"},
      {lbkNL, "NL - AIX OS, IBM Mainframe Systems, OS/390 (U+0015)",
       "NL - AIX OS, IBM Mainframe Systems, OS/390 (U+0015)"},
      {lbkNEL, "NEL - Unicode New Line (U+0085)", "NEL - Unicode New Line (U+0085)"},
      {lbkCustomStr, "Custom Character", "CUSTOM_STR"},
      {lbkCustomStrs, "Line Break at each of these Characters (comma-separated)", "CUSTOM_STRS"},
      {lbkCustomCodePoint, "Custom Code Point", "CUSTOM_CP"},
      {lbkCustomCodePoints, "Line Break at each of these Code Points (comma-separated)", "CUSTOM_CPS"},
      {lbkFixedLength, "Line Break after this Number of Characters (Fixed Line Length)", "FIXED"},
      {lbkCRLF, "CRLF - Windows, DOS, OS/2, CP/M, TOS (U+000D + U+000A)",
       "CRLF - Windows, DOS, OS/2, CP/M, TOS (U+000D + U+000A)"},
      {lbkLS, "LS - Unicode Line Seperator (U+2028)", "LS - Unicode Line Seperator (U+2028)"},
      {lbkPS, "PS - Unicode Paragraph Separator (U+2029)", "PS - Unicode Paragraph Separator (U+2029)"},
      {lbkUnknown, "Unknown", "UNKOWN"},
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
      {csvpAutoDetect, "Auto Detect"},
      {csvpKeep, "Keep"},
      {csvpSystem, "System"},
      {csvpComma, "Comma"},
      {csvpSemicolon, "Semicolon"},
      {csvpPipe, "Vertical Bar"},
      {csvpHyphen, "Hyphen"},
      {csvpSpace, "Space"},
      {csvpTab, "Tab"},
      {csvpNoChar, "No Character"},
      {csvpSingleQuote, "Single Quote"},
      {csvpDoubleQuote, "Double Quote"},
      {csvpCustomStr, "Custom Character"},
      {csvpCustomStrs, "New Field after each of these Characters (comma-separated)"},
      {csvpCustomCodePoint, "Custom Code Point"},
      {csvpCustomCodePoints, "New Field after each of these Code Points (comma-separated)"},
      {csvpFixedLength, "New Field after this Number of Characters (Fixed Field Length)"},
      {csvpUnknown, ""},
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
  // Only German keeps the capital of the noun inside a compound; Russian,
  // Serbian and Arabic name the format after the noun, as Polish does.
  const Case cases[] = {
      {"Datei", 1, "DOCX-Datei"},
      {"Text Datei", 1, "DOCX Text Datei"},
      {"Fil", 2, "DOCX-fil"},
      {"\xD1\x84\xD0\xB0\xD0\xB9\xD0\xBB", 7, "\xD1\x84\xD0\xB0\xD0\xB9\xD0\xBB DOCX"},
      {"Bestand", 8, "DOCX-bestand"},
      {"\xD0\xB4\xD0\xB0\xD1\x82\xD0\xBE\xD1\x82\xD0\xB5\xD0\xBA\xD0\xB0", 11,
       "\xD0\xB4\xD0\xB0\xD1\x82\xD0\xBE\xD1\x82\xD0\xB5\xD0\xBA\xD0\xB0 DOCX"},
      {"Arquivo", 3, "Arquivo DOCX"},
      {"Archivo", 4, "Archivo DOCX"},
      {"Fichier", 6, "Fichier DOCX"},
      {"File", 9, "File DOCX"},
      {"Plik", 12, "Plik DOCX"},
      {"\xE6\x96\x87\xE4\xBB\xB6", 5, "DOCX\xE6\x96\x87\xE4\xBB\xB6"},  // DOCX文件
      {"\xE3\x83\x95\xE3\x82\xA1\xE3\x82\xA4\xE3\x83\xAB", 10, "DOCX\xE3\x83\x95\xE3\x82\xA1\xE3\x82\xA4\xE3\x83\xAB"},
      {"File", 0, "DOCX File"},
      {"File", 13, "File DOCX"},
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
