#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "foundation/str_transform.h"
#include "foundation/utf8.h"

namespace {

TEST(StrTrimming, CharSetsAndBlanks) {
  EXPECT_EQ(TrimChars("xxaxbxx", CharSet("x")), "axb");
  EXPECT_EQ(TrimCharsRight("xxaxbxx", CharSet("x")), "xxaxb");
  EXPECT_EQ(TrimChars("xxxx", CharSet("x")), "");
  EXPECT_EQ(TrimChars("-=a=-", CharSet("=-")), "a");
  EXPECT_EQ(TrimChars("abc", CharSet("")), "abc");
  EXPECT_EQ(Trim(" \t\x01"
                 "a b\r\n\x1F"),
            "a b");
  EXPECT_EQ(Trim("\xC2\xA0x"), "\xC2\xA0x");  // bytes above 32 are never trimmed
  EXPECT_EQ(TrimLeft("  a  "), "a  ");
  EXPECT_EQ(TrimRight("  a  "), "  a");
}

TEST(StrWhitespace, CollapsingRules) {
  EXPECT_EQ(RemoveAllWhitespaceButKeepWordSeparations(" a\t\tb \n"), "a b ");
  EXPECT_EQ(RemoveAllWhitespaceButKeepWordSeparations("a\r\n\r\nb"), "a b");
  EXPECT_EQ(RemoveAllWhitespaceButKeepWordSeparations(" \t\n"), "");
  EXPECT_EQ(RemoveDoubleSpaces("  a   b "), " a b ");
  EXPECT_EQ(RemoveDoubleSpaces("a\t\tb"), "a\t\tb");

  struct Case {
    const char* text;
    bool lineBreaks, spaces, tabs;
    const char* expected;
  } cases[] = {
      {" a  b\r\n\r\n  c", true, true, false, "a b\r\nc"},
      {"a \t b", true, true, true, "a b"},
      {"a \t b", true, true, false, "a \t b"},
      {"a\n\n\rb", true, false, false, "a\rb"},  // a CR but no CR LF: CR is the text's break
      {"x\ry\n", true, true, true, "x\ry\r"},
      {"\n\n a", true, true, true, "a"},
      {"a  \nb", true, true, true, "a \nb"},  // whitespace before a break stays
      {"a\n\nb", false, true, true, "a\n\nb"},
      {"a\t\t\n\t b", false, true, true, "a\t\n\tb"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RemoveDoubleWhitespace(c.text, c.lineBreaks, c.spaces, c.tabs), c.expected) << c.text;
  }
}

TEST(StrCharacters, RemoveAboveLimitDigitsAndPadding) {
  EXPECT_EQ(RemoveAllCharsFromStringWithCodePointGreaterThan("aé€b", 127, "?"), "a??b");
  EXPECT_EQ(RemoveAllCharsFromStringWithCodePointGreaterThan("aé€b", 255, "?"), "aé?b");
  EXPECT_EQ(RemoveAllCharsFromStringWithCodePointGreaterThan("a😀b", 0xFFFF, ""), "ab");
  EXPECT_EQ(RemoveAllCharsFromStringWithCodePointGreaterThan("abc", 0, "-"), "---");
  // A broken sequence is one character, read as U+FFFD.
  EXPECT_EQ(RemoveAllCharsFromStringWithCodePointGreaterThan("a\xE2\x82z\xFF", 127, "?"), "a?z?");
  EXPECT_EQ(RemoveAllCharsFromStringWithCodePointGreaterThan("a\xFF", 0x10FFFF, "?"), "a\xFF");

  EXPECT_EQ(RemoveAllDigitsFromString("a1b22c٣"), "abc٣");

  EXPECT_EQ(RightPadding("7", '0', 3), "007");
  EXPECT_EQ(RightPadding("ääää", ' ', 3), "ääää");
  EXPECT_EQ(RightPadding("ä", '.', 3), "..ä");  // counted in characters, not bytes
  EXPECT_EQ(RightPadding("", '0', 2), "00");
  EXPECT_EQ(RightPadding("12", '0', -4), "12");
}

TEST(StrCutting, PrefixesAndDivisions) {
  EXPECT_TRUE(StrStart("abc", "x", "ab"));
  EXPECT_TRUE(StrStart("abc", "abc", ""));
  EXPECT_FALSE(StrStart("abc", "", ""));
  EXPECT_FALSE(StrStart("abc", "A", "abcd"));

  struct IntCase {
    const char* text;
    const char* delimiter;
    bool ok;
    int32_t a, b;
  } ints[] = {
      {"3 - 7", "-", true, 3, 7},   {"-3", "-", false, 0, 0},           {"3-7-9", "-", false, 0, 0},
      {"3/0", "/", true, 3, 0},     {"x/2", "/", false, 0, 0},          {"12", "", false, 0, 0},
      {"5::-6", "::", true, 5, -6}, {"2147483648-1", "-", false, 0, 0}, {"7-", "-", false, 0, 0},
  };
  for (const auto& c : ints) {
    int32_t a = 55, b = 66;
    EXPECT_EQ(DivideStringAndIsInt(c.text, c.delimiter, a, b), c.ok) << c.text;
    EXPECT_EQ(a, c.a) << c.text;
    EXPECT_EQ(b, c.b) << c.text;
  }

  struct ThreeCase {
    const char* text;
    const char* d1;
    const char* d2;
    bool trim;
    bool ok;
    const char* p1;
    const char* p2;
    const char* p3;
  } threes[] = {
      {"x(y)z", "(", ")", false, true, "x", "y", "z"},
      {"a)b(c)d", "(", ")", false, false, "", "", ""},
      {"a|b|c", "|", "|", false, true, "a", "b", "c"},
      {" a | b | c ", "|", "|", true, true, "a", "b", "c"},
      {" a | b | c ", "|", "|", false, true, " a ", " b ", " c "},
      {"(y)z", "(", ")", false, true, "", "y", "z"},
      {"a|b", "|", "|", false, false, "", "", ""},
      {"a<<b>>c", "<<", ">>", false, true, "a", "b", "c"},
      // Equal delimiters: the second is searched from the byte after the
      // first one's start, so overlapping copies count.
      {"a::::b", "::", "::", false, true, "a", "", ":b"},
      {"a:::b", "::", "::", false, true, "a", "", "b"},
      {"a::b::c", "::", "::", false, true, "a", "b", "c"},
      {"a::b", "::", "::", false, false, "", "", ""},
      {"xaby", "ab", "b", false, true, "x", "", "y"},
      {"abc", "", "c", false, false, "", "", ""},
  };
  for (const auto& c : threes) {
    std::string p1 = "old", p2 = "old", p3 = "old";
    EXPECT_EQ(DivideStringInThreeParts(c.text, c.d1, c.d2, p1, p2, p3, c.trim), c.ok) << c.text;
    EXPECT_EQ(p1, c.p1) << c.text;
    EXPECT_EQ(p2, c.p2) << c.text;
    EXPECT_EQ(p3, c.p3) << c.text;
  }
}

TEST(StrCutting, FirstAndLastCharacters) {
  EXPECT_EQ(FirstCharUTF8("€ab"), "€");
  EXPECT_EQ(LastCharUTF8("ab€"), "€");
  EXPECT_EQ(LastCharUTF8("a"), "a");
  EXPECT_EQ(FirstCharUTF8(""), "");
  EXPECT_EQ(LastCharUTF8(""), "");
  EXPECT_EQ(FirstCharUTF8("😀x"), "😀");
  // Broken sequences come back as their own bytes, one character each.
  EXPECT_EQ(FirstCharUTF8("\xFFz"), "\xFF");
  EXPECT_EQ(LastCharUTF8("a\xE2\x82"), "\xE2\x82");
  EXPECT_EQ(LastCharUTF8("ab\x82\x82\x82\x82"), "\x82");
}

TEST(StrMeasuring, WordsNumbersLettersBinary) {
  struct WordCase {
    const char* text;
    int32_t words;
  } words[] = {
      {"one two", 2}, {"one two.", 2},     {"..", 0},         {"", 0},    {"  a  ", 1},
      {"a\tb", 1},    {"Hi! Who? Me.", 3}, {"\r\nx\ry\n", 2}, {"ä ö", 2},
  };
  for (const auto& c : words) EXPECT_EQ(CountWordsInString(c.text), c.words) << c.text;

  EXPECT_EQ(ExtractFirstNumberFromString("abc123def45"), "123");
  EXPECT_EQ(ExtractFirstNumberFromString("abc"), "");
  EXPECT_EQ(ExtractFirstNumberFromString("7"), "7");
  EXPECT_EQ(ExtractCharactersFromString("aB3-ä Z9", true, false, false, false), "39");
  EXPECT_EQ(ExtractCharactersFromString("aB3-ä Z9", false, true, true, false), "aBZ");
  EXPECT_EQ(ExtractCharactersFromString("aB3-ä Z9", true, true, true, true), "AB3Z9");
  EXPECT_EQ(ExtractCharactersFromString("aB3", false, false, false, true), "");

  for (int b = 0; b < 32; ++b) {
    const bool allowed = (b >= 9 && b <= 13) || b == 21 || b == 26;
    std::string text = "ab";
    text.push_back(static_cast<char>(b));
    EXPECT_EQ(IsBinaryStr(text), !allowed) << b;
  }
  EXPECT_FALSE(IsBinaryStr("plain ÄÖÜ \x7F\xFF text"));
  EXPECT_FALSE(IsBinaryStr(""));
}

TEST(HTMLTags, StripAndMeasure) {
  EXPECT_EQ(HTMLStripTags("a<b>c</b>d<e"), "acd");
  EXPECT_EQ(HTMLStripTags("<<x>y>z"), "y>z");
  EXPECT_EQ(HTMLStripTags("a > b &amp; c"), "a > b &amp; c");
  EXPECT_EQ(HTMLStripTags("<"), "");

  TStrArray2D table{{"x", "<b>äbc</b>"}, {"y"}, {"z", "a<b"}, {"w", "abcd"}};
  EXPECT_EQ(LengthOfLongestStringWithStripedTags(table, 1), 4);
  EXPECT_EQ(LengthOfLongestStringWithStripedTags({{"x", "<b>äbcdef</b>"}, {"y", "12345"}}, 1), 6);
  EXPECT_EQ(LengthOfLongestStringWithStripedTags(table, 0), 1);
  EXPECT_EQ(LengthOfLongestStringWithStripedTags(table, 5), 0);
  EXPECT_EQ(LengthOfLongestStringWithStripedTags(table, -1), 0);
  // "a<b" holds no ">", so it is measured as it stands.
  EXPECT_EQ(LengthOfLongestStringWithStripedTags({{"a<b"}, {">x<"}}, 0), 3);
}

TEST(StrReplace, StringReplaceFastStrategies) {
  struct Case {
    const char* text;
    const char* oldText;
    const char* newText;
    const char* expected;
  } cases[] = {
      {"aaa", "aa", "b", "ba"},        {"abb", "ab", "ba", "bab"},
      {"abc", "", "x", "abc"},         {"aXbXc", "X", "", "abc"},
      {"aXbXc", "X", "--", "a--b--c"}, {"aXbXc", "X", "Y", "aYbYc"},
      {"€x€", "€", "E", "ExE"},        {"", "a", "b", ""},
      {"ab", "abc", "x", "ab"},        {"aaaa", "aa", "a", "aa"},
      {"xyz", "xyz", "", ""},          {"aaa", "a", "aa", "aaaaaa"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StringReplaceFast(c.text, c.oldText, c.newText), c.expected)
        << c.text << " " << c.oldText << " " << c.newText;
  }
}

TEST(StrReplace, InlineLineBreaks) {
  EXPECT_EQ(LineBreakConvert_LineBreaksToInlineFormat("a\r\nb"), "a\\r\\nb");
  EXPECT_EQ(LineBreakConvert_LineBreaksToInlineFormat("x\\ny"), "x\\\\ny");
  EXPECT_EQ(LineBreakConvert_LineBreaksToInlineFormat("x\\ry\n"), "x\\\\ry\\n");
  EXPECT_EQ(LineBreakConvert_LineBreaksToInlineFormat("a\\b"), "a\\b");
  EXPECT_EQ(LineBreakConvert_LineBreaksToInlineFormat("plain"), "plain");
}

std::string InlineDecoded(std::string text) {
  LineBreakConvert_InlineFormatToLineBreaks(text);
  return text;
}

TEST(StrReplace, InlineLineBreaksRoundTrip) {
  struct TCase {
    const char* Text;
    const char* Written;
  };
  const TCase cases[] = {
      {"C:\\dir\\\nnext", "C:\\dir\\\\;\\nnext"},
      {"end\\\r\nx", "end\\\\;\\r\\nx"},
      {"\\\\\n", "\\\\\\;\\n"},
      {"a\\;\nb", "a\\;\\;\\nb"},
      {"a\\;\\;\rb", "a\\;\\;\\;\\rb"},
      {"\\\n\\\r", "\\\\;\\n\\\\;\\r"},
      {"\\n\n\\r\r", "\\\\n\\n\\\\r\\r"},
      {"line1\r\nline2", "line1\\r\\nline2"},
      {"a\\;b\n", "a\\;b\\n"},
      {"C:\\dir", "C:\\dir"},
      {"plain", "plain"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LineBreakConvert_LineBreaksToInlineFormat(c.Text), c.Written) << c.Text;
    EXPECT_EQ(InlineDecoded(LineBreakConvert_LineBreaksToInlineFormat(c.Text)), c.Text) << c.Text;
  }
  // Every text of up to five characters from those the escapes are made of.
  const char alphabet[] = {'\\', 'r', 'n', ';', '\r', '\n'};
  std::string text;
  std::function<void(size_t)> each = [&](size_t left) {
    ASSERT_EQ(InlineDecoded(LineBreakConvert_LineBreaksToInlineFormat(text)), text);
    if (left == 0) return;
    for (char c : alphabet) {
      text.push_back(c);
      each(left - 1);
      text.pop_back();
    }
  };
  each(5);
}

TEST(StrReplace, InlineTextsWrittenBeforeReadAsBefore) {
  // What earlier writers put into files, and what it has always read as. The
  // one text the empty escape reads differently is a backslash and ";" right
  // before an escaped line break, which these writers made only of that very
  // text ahead of a line break.
  struct TCase {
    const char* Written;
    const char* Read;
  };
  const TCase cases[] = {
      {"a\\nb", "a\nb"},
      {"a\\\\nb", "a\\nb"},
      {"C:\\dir\\\\nnext", "C:\\dir\\nnext"},
      {"a\\r\\nb\\\\r", "a\r\nb\\r"},
      {"\\\\\\n", "\\\\n"},
      {"\\\\\\\\n", "\\\\\\n"},
      {"x\\;y", "x\\;y"},
      {"\\;", "\\;"},
      {"x\\;\\\\n", "x\\;\\n"},
      {"C:\\dir", "C:\\dir"},
      {"\\", "\\"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(InlineDecoded(c.Written), c.Read) << c.Written;
}

TEST(StrWrap, PiecesByCharacters) {
  const TSysCharSet none;
  const TSysCharSet space = CharSet(" ");
  EXPECT_EQ(WrapTextAfterNumerOfCharacters_StringToString("abcd", 3, none, "\n"), "abc\nd");
  EXPECT_EQ(WrapTextAfterNumerOfCharacters_StringToString("aa bb cc", 5, space, "\n"), "aa\nbb cc");
  EXPECT_EQ(WrapTextAfterNumerOfCharacters_StringToString("ääää", 2, none, "|"), "ää|ää");
  EXPECT_EQ(WrapTextAfterNumerOfCharacters_StringToString("€😀é€😀", 2, none, "\r\n"), "€😀\r\né€\r\n😀");
  EXPECT_EQ(WrapTextAfterNumerOfCharacters_StringToString("abc", 3, none, "\n"), "abc");
  EXPECT_EQ(WrapTextAfterNumerOfCharacters_StringToString("", 3, none, "\n"), "");
  // The first character of a window never ends a piece.
  EXPECT_EQ(WrapTextAfterNumerOfCharacters_StringToString(" abcd", 3, space, "\n"), "ab\ncd");
  EXPECT_EQ(WrapTextAfterNumerOfCharacters_StringToString("one two three", 8, space, "\n"), "one two\nthree");
  // A limit below 1 cannot make progress; the text stays as it is.
  EXPECT_EQ(WrapTextAfterNumerOfCharacters_StringToString("abc", 0, none, "\n"), "abc");
  EXPECT_EQ(WrapTextAfterNumerOfCharacters_StringToString("abc", -2, none, "\n"), "abc");
}

TEST(StrWrap, LinesOfAnArray) {
  const TSysCharSet space = CharSet(" ");
  EXPECT_EQ(WrapTextAfterNumberOfCharacters_StrArrToStrArr({"short", "aa bb cc", "x\ny"}, 5, space),
            (TStrArray{"short", "aa", "bb cc", "x", "y"}));
  // A line holding CR LF is split only there; the wrap's own LFs stay inside.
  EXPECT_EQ(WrapTextAfterNumberOfCharacters_StrArrToStrArr({"ab\r\ncdefgh"}, 6, TSysCharSet()),
            (TStrArray{"ab", "cd\nefgh"}));
  // A CR LF at a piece's end is trimmed away with the piece's blanks.
  EXPECT_EQ(WrapTextAfterNumberOfCharacters_StrArrToStrArr({"abcdef\r\ngh"}, 4, TSysCharSet()),
            (TStrArray{"abcd", "ef", "gh"}));
  EXPECT_EQ(WrapTextAfterNumberOfCharacters_StrArrToStrArr({}, 4, space), TStrArray{});
  EXPECT_EQ(WrapTextAfterNumberOfCharacters_StrArrToStrArr({"ääää"}, 4, space), TStrArray{"ääää"});
}

TEST(StrWrap, NeverLosesNonBlankText) {
  std::mt19937 rng(9);
  const std::string pieces[] = {"a", "ä", "€", "😀", " ", "-", "\xE2\x82", "\xFF"};
  for (int round = 0; round < 300; ++round) {
    std::string text;
    size_t n = rng() % 60;
    for (size_t k = 0; k < n; ++k) text += pieces[rng() % std::size(pieces)];
    int32_t limit = 1 + static_cast<int32_t>(rng() % 7);
    std::string wrapped = WrapTextAfterNumerOfCharacters_StringToString(text, limit, CharSet(" -"), "\n");
    std::string a, b;
    for (char c : text)
      if (c != ' ') a.push_back(c);
    for (char c : wrapped)
      if (c != ' ' && c != '\n') b.push_back(c);
    EXPECT_EQ(a, b);
    size_t start = 0;
    while (start <= wrapped.size()) {
      size_t end = wrapped.find('\n', start);
      if (end == std::string::npos) end = wrapped.size();
      EXPECT_LE(UTF8Length(wrapped.substr(start, end - start)), static_cast<size_t>(limit));
      start = end + 1;
    }
  }
}

TEST(CodePointLists, ListsToText) {
  struct Case {
    const char* text;
    const char* expected;
  } cases[] = {
      {"U+0041 U+00E9", "Aé"}, {"#41#E9", "Aé"}, {"65 66", "AB"},           {"# 41", ")"},   {"", ""},
      {"0 65 x 66", "AB"},     {"U+1F600", "😀"}, {"#D800 #110000 65", "A"}, {"-65 65", "A"}, {"#zz#41", "A"},
      {"U+20ACU+20AC", "€€"},  {"#", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(CodePointsAsStrToStr(c.text), c.expected) << c.text;
}

TEST(SpreadsheetNames, ColumnNames) {
  struct Case {
    int32_t column;
    const char* name;
  } cases[] = {{1, "A"},   {26, "Z"},   {27, "AA"},   {28, "AB"}, {52, "AZ"},
               {53, "BA"}, {702, "ZZ"}, {703, "AAA"}, {0, ""},    {-3, ""}};
  for (const auto& c : cases) EXPECT_EQ(GetSpreadsheetFieldStrFromInt(c.column), c.name) << c.column;
  EXPECT_EQ(GetSpreadsheetFieldStrFromInts(2, 7), "B7");
  EXPECT_EQ(GetSpreadsheetFieldStrFromInts(28, 10), "AB10");
}

}  // namespace

namespace {

// Arbitrary bytes, broken UTF-8 included, through every function: nothing may
// crash, hang or read out of bounds (the sanitizer build checks the latter).
TEST(StrAnyInput, EveryFunctionCopesWithArbitraryBytes) {
  std::mt19937 rng(99);
  const std::string pieces[] = {
      "a", " ", "\t", "\r",  "\n",  "<",    ">",    "#",        "U+",           "0",    "9",
      "f", "-", "/",  "\\r", "\\n", "\xC3", "\xA4", "\xE2\x82", "\xF0\x9F\x98", "\xFF", std::string(1, '\0'),
      "€"};
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    size_t n = rng() % 24;
    for (size_t k = 0; k < n; ++k) text += pieces[rng() % std::size(pieces)];
    const std::string other = pieces[rng() % std::size(pieces)];
    const TSysCharSet set = CharSet(pieces[rng() % std::size(pieces)]);
    const int32_t limit = static_cast<int32_t>(rng() % 6) - 1;
    std::string p1, p2, p3;
    int32_t a, b;
    TrimChars(text, set);
    TrimCharsRight(text, set);
    RemoveAllWhitespaceButKeepWordSeparations(text);
    RemoveDoubleSpaces(text);
    RemoveDoubleWhitespace(text, rng() % 2, rng() % 2, rng() % 2);
    RemoveAllCharsFromStringWithCodePointGreaterThan(text, rng() % 0x300, other);
    RemoveAllDigitsFromString(text);
    RightPadding(text, '0', limit * 5);
    StrStart(text, other, "");
    DivideStringAndIsInt(text, other, a, b);
    DivideStringInThreeParts(text, other, pieces[rng() % std::size(pieces)], p1, p2, p3, rng() % 2);
    FirstCharUTF8(text);
    LastCharUTF8(text);
    CountWordsInString(text);
    ExtractFirstNumberFromString(text);
    ExtractCharactersFromString(text, true, true, true, true);
    IsBinaryStr(text);
    HTMLStripTags(text);
    LengthOfLongestStringWithStripedTags({{text}, {}, {other, text}}, rng() % 3);
    EXPECT_EQ(StringReplaceFast(text, other, other), text);
    LineBreakConvert_LineBreaksToInlineFormat(text);
    WrapTextAfterNumerOfCharacters_StringToString(text, limit, set, other);
    WrapTextAfterNumberOfCharacters_StrArrToStrArr({text, other}, limit, set);
    CodePointsAsStrToStr(text);
    EXPECT_TRUE(UTF8IsValid(CodePointsAsStrToStr(text)));
  }
}

}  // namespace
