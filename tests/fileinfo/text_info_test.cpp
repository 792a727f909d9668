#include "fileinfo/text_info.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "image_fixtures.h"

using namespace fixtures;

namespace {

TEST(TextInfo, CountsLinesCharsWordsAndBreaks) {
  struct TCase {
    std::string Text;
    uint32_t LineBreak;
    int32_t Lines, Chars, Words;
    const char* BreakText;
    const char* BreakIso;
  };
  const TCase cases[] = {
      {"", 0, 0, 0, 0, "UNKOWN", "unknown"},
      {"a\nb\nc", 10, 3, 5, 3, "LF - Unix, Linux, macOS, Mac OS X, AmigaOS, BSD (U+000A)", "lf"},
      {"a\nb\nc\n", 10, 4, 6, 3, "LF - Unix, Linux, macOS, Mac OS X, AmigaOS, BSD (U+000A)", "lf"},
      {"a\r\nb\nc", 1310, 2, 6, 3, "CRLF - Windows, DOS, OS/2, CP/M, TOS (U+000D + U+000A)", "crlf"},
      {"one line only", 0, 1, 13, 3, "UNKOWN", "unknown"},
      {"x\ry\r", 13, 3, 4, 2, "CR - Classic Mac OS, Apple II, Commodore (U+000D)", "cr"},
      {"\xC3\xA4\xC3\xB6\xC3\xBC", 0, 1, 3, 1, "UNKOWN", "unknown"},
      {"a\xE2\x80\xA8"
       "b",
       2028, 2, 3, 1, "LS - Unicode Line Separator (U+2028)", "ls"},
      {"a\fb. c!", 12, 2, 7, 2, "FF - Unicode Form Feed (U+000C)", "ff"},
  };
  for (const auto& c : cases) {
    TTextInfo info;
    EXPECT_TRUE(info.GetDataFromString(c.Text));
    EXPECT_EQ(info.LineBreak, c.LineBreak) << c.Text;
    EXPECT_EQ(info.Lines, c.Lines) << c.Text;
    EXPECT_EQ(info.Chars, c.Chars) << c.Text;
    EXPECT_EQ(info.Words, c.Words) << c.Text;
    EXPECT_EQ(info.GetLineBreakAsStr(), c.BreakText) << c.Text;
    EXPECT_EQ(info.GetLineBreakAsISOStr(), c.BreakIso) << c.Text;
  }
}

TEST(TextInfo, LineBreakTextsOfEveryKind) {
  struct TCase {
    uint32_t Kind;
    const char* Text;
    const char* Iso;
  };
  const TCase cases[] = {{1, "AUTO", "auto"},
                         {2, "KEEP", "keep"},
                         {3, "SYSTEM", "system"},
                         {4, "BINARY", "binary"},
                         {7, "NO LINEBREAK", "nochar"},
                         {9, "TAB - Horizontal Tab (U+0009)", "tab"},
                         {11, "VT - Vertical Tab (U+000B)", "vt"},
                         {21, "NL - AIX OS, IBM Mainframe Systems, OS/390 (U+0015)", "nl"},
                         {85, "NEL - Unicode New Line (U+0085)", "nel"},
                         {2029, "PS - Unicode Paragraph Separator (U+2029)", "ps"},
                         {5, "UNKOWN", "unknown"},
                         {99999, "UNKOWN", "unknown"}};
  TTextInfo info;
  for (const auto& c : cases) {
    info.LineBreak = c.Kind;
    EXPECT_EQ(info.GetLineBreakAsStr(), c.Text);
    EXPECT_EQ(info.GetLineBreakAsISOStr(), c.Iso);
  }
}

TEST(TextInfo, FirstCharsAreTrimmedAfterCutting) {
  std::string text = "   ";
  for (int i = 0; i < 197; ++i) text += static_cast<char>('a' + i % 26);
  TTextInfo info;
  info.GetDataFromString(text);
  EXPECT_EQ(info.FirstChars, text.substr(3, 147));
  info.GetDataFromString(std::string(160, 'x').replace(149, 1, " "));
  EXPECT_EQ(info.FirstChars, std::string(149, 'x'));
  info.GetDataFromString("\xC3\xA4" + std::string(200, 'b'));
  EXPECT_EQ(info.FirstChars, "\xC3\xA4" + std::string(149, 'b'));
}

TEST(TextInfo, Files) {
  TTempDir dir("text");
  WriteFile(dir / "utf8.txt", "\xEF\xBB\xBFHello w\xC3\xB6rld\r\nline two\r\n");
  WriteFile(dir / "empty.txt", "");
  WriteFile(dir / "bin.dat", std::string("abc\0def", 7));
  WriteFile(dir / "latin.txt", "caf\xE9 au lait\n");
  TTextInfo info(dir / "utf8.txt");
  EXPECT_EQ(info.FileName, dir / "utf8.txt");
  EXPECT_TRUE(info.BOM);
  EXPECT_EQ(info.GetEncodingAsStr(), "UTF-8");
  EXPECT_EQ(info.LineBreak, 1310u);
  EXPECT_EQ(info.Lines, 3);
  EXPECT_EQ(info.Chars, 11 + 2 + 8 + 2);
  EXPECT_EQ(info.Words, 4);
  EXPECT_EQ(info.FirstChars, "Hello w\xC3\xB6rld\r\nline two");

  EXPECT_TRUE(info.GetData(dir / "empty.txt"));
  EXPECT_EQ(info.Lines, 0);
  EXPECT_EQ(info.LineBreak, 0u);
  EXPECT_FALSE(info.BOM);

  info.Tag = 9;
  EXPECT_FALSE(info.GetData(dir / "bin.dat"));
  EXPECT_EQ(info.Encoding, 5u);
  EXPECT_EQ(info.LineBreak, 4u);
  EXPECT_EQ(info.GetEncodingAsStr(), "BINARY");
  EXPECT_EQ(info.GetLineBreakAsStr(), "BINARY");
  EXPECT_EQ(info.GetLineBreakAsISOStr(), "binary");
  EXPECT_EQ(info.Chars, 0);
  EXPECT_EQ(info.FileName, dir / "bin.dat");
  EXPECT_EQ(info.Tag, 9);

  EXPECT_TRUE(info.GetData(dir / "latin.txt"));
  EXPECT_EQ(info.Chars, 13);
  EXPECT_EQ(info.FirstChars, "caf\xC3\xA9 au lait");
}

TEST(TextInfo, MissingFilesFoldersAndPipesChangeNothing) {
  TTempDir dir("textmissing");
  WriteFile(dir / "a.txt", "a\nb");
  ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
  TTextInfo info(dir / "a.txt");
  for (const std::string& name : {dir / "missing.txt", dir.Path(), dir / "pipe", std::string("/dev/zero")}) {
    EXPECT_FALSE(info.GetData(name)) << name;
    EXPECT_EQ(info.FileName, dir / "a.txt");
    EXPECT_EQ(info.Lines, 2);
  }
  TTextInfo empty;
  EXPECT_EQ(empty.FileName, "");
  EXPECT_EQ(empty.GetLineBreakAsStr(), "UNKOWN");
}

}  // namespace
