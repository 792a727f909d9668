#include "fileinfo/text_info.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>

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

namespace {

// Code page and line count against file -i and wc -l, many files per call.
TEST(ToolCheckTextInfo, AgreesWithFileAndWc) {
  struct TCase {
    const char* Name;
    std::string Bytes;
  };
  const TCase cases[] = {
      {"ascii.txt", "hello\nworld\n"},
      {"ascii_nofinal.txt", "one\ntwo\nthree"},
      {"utf8.txt", "caf\xC3\xA9 cr\xC3\xA8me\n\xE2\x82\xAC\n"},
      {"utf8bom.txt", "\xEF\xBB\xBFhi\r\nthere\r\n"},
      {"latin1.txt", "caf\xE9 au lait\nna\xEFve\n"},
      {"utf16le.txt", std::string("\xFF\xFEh\0i\0\n\0t\0\n\0", 12)},
      {"utf16be.txt", std::string("\xFE\xFF\0h\0i\0\n\0t\0\n", 12)},
      {"binary.dat", std::string("text\0with zero\n", 15)},
      {"empty.txt", ""},
      {"crlf.txt", "a\r\nb\r\nc\r\n"},
  };
  TTempDir dir("textcheck");
  std::string paths;
  for (const auto& c : cases) {
    WriteFile(dir / c.Name, c.Bytes);
    paths += " '" + dir / c.Name + "'";
  }
  const std::string mime = RunCommand("cd '" + dir.Path() + "' && /usr/bin/file -i" + paths);
  const std::string counts = RunCommand("cd '" + dir.Path() + "' && /usr/bin/wc -l" + paths);
  const std::map<std::string, std::string> names = {{"us-ascii", "ASCII"},     {"utf-8", "UTF-8"},
                                                    {"iso-8859-1", "LATIN-1"}, {"utf-16le", "UTF-16 LE"},
                                                    {"utf-16be", "UTF-16 BE"}, {"binary", "BINARY"}};
  int compared = 0;
  for (const auto& c : cases) {
    const std::string path = dir / c.Name;
    TTextInfo info(path);
    const size_t at = mime.find(path + ":");
    ASSERT_NE(at, std::string::npos) << c.Name;
    const size_t cs = mime.find("charset=", at);
    const std::string charset = mime.substr(cs + 8, mime.find('\n', cs) - cs - 8);
    if (c.Bytes.empty()) {
      EXPECT_EQ(info.Lines, 0);
      continue;
    }
    ASSERT_TRUE(names.count(charset)) << c.Name << ": " << charset;
    EXPECT_EQ(info.GetEncodingAsStr(), names.at(charset)) << c.Name;
    const size_t line = counts.find(" " + path);
    ASSERT_NE(line, std::string::npos) << c.Name;
    const size_t start = counts.rfind('\n', line) == std::string::npos ? 0 : counts.rfind('\n', line) + 1;
    const int newlines = std::stoi(counts.substr(start, line - start));
    if (charset == "binary") {
      EXPECT_EQ(info.Lines, 0) << c.Name;
    } else {
      EXPECT_EQ(info.Lines, newlines + 1) << c.Name;
    }
    ++compared;
  }
  EXPECT_EQ(compared, 9);
}

}  // namespace
