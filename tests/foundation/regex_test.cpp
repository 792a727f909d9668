#include "foundation/regex.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace {

using Strs = std::vector<std::string>;

TEST(RegexEngineChoice, RequiresUnicodeRegex) {
  struct Case {
    std::string text;
    bool unicode;
  } cases[] = {
      {"", false},
      {"abc", false},
      {"abä", true},
      {"äbc", true},
      {"a\tb\nc\rd\x1a", false},
      {std::string("a\x01"), true},
      {"a\x1b", true},
      {"\x7f", false},
      {"\x0b", true},
  };
  for (const auto& c : cases) EXPECT_EQ(RequiresUnicodeRegex(c.text), c.unicode) << c.text;
}

TEST(RegexReplace, ExpandsGroupsAndEscapes) {
  struct Case {
    std::string text, regex, replacement, expected;
  } cases[] = {
      {"a1b22", "\\d+", "<$0>", "a<1>b<22>"},
      {"a1b22", "\\d+", "${0}!", "a1!b22!"},
      {"a1b22", "\\d+", "\\$", "a$b$"},
      {"a1b22", "\\d+", "$&$&", "a11b2222"},
      {"a1b22", "\\d+", "\\.\\\\", "a.\\b.\\"},
      {"ab", "(a)(x)?", "[$2]", "[]b"},  // a group that did not take part
      {"ab", "(a)", "$15", "b"},         // 15 and above give nothing
      {"ab", "(a)", "$1x$x", "ax$xb"},   // "$" before a non-digit is itself
      {"ab", "(a)", "${1}1", "a1b"},
      {"ab", "(a)", "${1", "${1b"},  // unclosed brace: literal
      {"ab", "(a)", "${}", "${}b"},
      {"ab", "(a)", "a\\", "a\\b"},  // a trailing backslash stays
      {"key=val", "(\\w+)=(\\w+)", "$2=$1", "val=key"},
      {"abcdefghij", "(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)", "$10$1", "ja"},
      {"abcdefghijklmno", "(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)(m)(n)(o)", "$14$15", "n"},
      {"Grüße", "ü", "\\ü$0", "Grüüße"},
  };
  for (const auto& c : cases) {
    bool ok = false;
    EXPECT_EQ(RegReplaceWithRegex(c.text, c.regex, c.replacement, &ok), c.expected)
        << c.regex << " / " << c.replacement;
    EXPECT_TRUE(ok) << c.regex;
  }
}

TEST(RegexReplace, BadPatternsLeaveTheTextAndReportTheFlag) {
  const std::string bad[] = {
      "a[",          "(ab",     "ab)",   "",      "a**", "*a",  "a+*",  "(*UTF)a", "[z-a]", "a\\",    "\\x4",
      "\\x{110000}", "(?<n>a)", "(?:a)", "(?=a)", "(?i", "(?)", "(?q)", "(?#open", "[abc",  "a{3,2}", "a{70000}",
  };
  for (const auto& regex : bad) {
    bool ok = true;
    EXPECT_EQ(RegReplaceWithRegex("xa(b)y", regex, "R", &ok), "xa(b)y") << regex;
    EXPECT_FALSE(ok) << regex;
    ok = true;
    EXPECT_EQ(RegPos("xa(b)y", regex, &ok), 0) << regex;
    EXPECT_FALSE(ok) << regex;
    EXPECT_TRUE(RegFindTextFromRegex("xa(b)y", regex).empty()) << regex;
    EXPECT_FALSE(RegMatches("a", regex, true)) << regex;
    EXPECT_FALSE(StrEndsWithRegex("a", regex)) << regex;
    EXPECT_FALSE(TRegex(regex).OK()) << regex;
  }
  bool ok = true;
  EXPECT_EQ(RegReplaceWithRegexW("äx", "a[", "y", &ok), "äx");
  EXPECT_FALSE(ok);
}

TEST(RegexReplace, EmptyMatchesAdvanceByAWholeCharacter) {
  EXPECT_EQ(RegReplaceWithRegex("ab", "x*", "R"), "RaRbR");
  EXPECT_EQ(RegReplaceWithRegex("xab", "x*", "R"), "RRaRbR");
  EXPECT_EQ(RegReplaceWithRegex("äb€", "x*", "R"), "RäRbR€R");
  EXPECT_EQ(RegReplaceWithRegex("", "x*", "R"), "R");
  // Even the byte path never cuts a character apart.
  EXPECT_EQ(RegReplaceWithRegexA("é", "x*", "R"), "RéR");
  EXPECT_EQ(RegFindTextFromRegex("ab", "x*"), Strs({"", "", ""}));
}

TEST(RegexReplace, BytesOutsideMatchesStayAsTheyAre) {
  // Invalid UTF-8 in the text is neither matched nor rewritten.
  EXPECT_EQ(RegReplaceWithRegex("ä\xFF"
                                "b",
                                "b", "c"),
            "ä\xFF"
            "c");
  EXPECT_EQ(RegReplaceWithRegex("\xFF\xFE", "x*", "-"), "-\xFF-\xFE-");
  EXPECT_EQ(RegFindTextFromRegex("a\xFF"
                                 "b",
                                 "[ab]"),
            Strs({"a", "b"}));
}

TEST(RegexFind, WordCharactersOnEachPath) {
  struct Case {
    TRegexPath path;
    std::string text, regex;
    Strs expected;
  } cases[] = {
      {TRegexPath::Auto, "one two  three", "\\w+", {"one", "two", "three"}},
      {TRegexPath::Auto, "a_b", "\\w+", {"a", "b"}},  // byte path: no underscore
      {TRegexPath::Unicode, "a_b", "\\w+", {"a_b"}},
      {TRegexPath::Auto, "Grüße", "\\w+", {"Grüße"}},  // the text chooses the Unicode path
      {TRegexPath::Byte, "Grüße", "\\w+", {"Gr", "e"}},
      {TRegexPath::Auto, "é", "\\w+", {}},  // not in the word set
      {TRegexPath::Auto, "é", ".", {"é"}},
      {TRegexPath::Auto, "ÄÖÜäöüß_x", "\\w+", {"ÄÖÜäöüß_x"}},
      {TRegexPath::Auto, "ça va", "\\W+", {"ç", " "}},
      {TRegexPath::Auto, "a b", "\\W", {" "}},
      {TRegexPath::Auto, "a_b c", "\\bb", {"b"}},  // byte path: "_" is not a word character
      {TRegexPath::Byte, "a_b", "\\bb", {"b"}},
      {TRegexPath::Unicode, "a_b", "\\bb", {}},
      {TRegexPath::Auto, "über uns", "\\b\\w", {"ü", "u"}},
      {TRegexPath::Auto, "a1 2b", "[\\w]+", {"a1", "2b"}},
      {TRegexPath::Auto, "a1 _b", "[^\\W\\d]+", {"a", "b"}},
  };
  for (const auto& c : cases) {
    TRegex re(c.regex, false, c.path);
    EXPECT_EQ(re.FindText(c.text), c.expected) << c.text << " " << c.regex;
  }
  EXPECT_EQ(RegFindTextFromRegexW("a_b", "\\w+"), Strs({"a_b"}));
  EXPECT_EQ(RegFindTextFromRegexA("a_b", "\\w+"), Strs({"a", "b"}));
  // Case-insensitive matching does not widen the sets (Kelvin sign, long s).
  EXPECT_EQ(TRegex("\\w+", true).FindText("K\u212A\u017Fs"), Strs({"K", "s"}));
  EXPECT_EQ(TRegex("[a-z]+", true).FindText("K\u212A"), Strs({"K\u212A"}));
}

TEST(RegexFind, SpaceDigitAndControlEscapes) {
  // Space characters are blank, TAB, LF, CR and FF; VT is not one of them.
  EXPECT_EQ(RegFindTextFromRegex("a b\tc\nd\re\ff\vg", "\\s"), Strs({" ", "\t", "\n", "\r", "\f"}));
  EXPECT_EQ(RegFindTextFromRegexW("a\vb\xC2\xA0"
                                  "c",
                                  "\\s"),
            Strs({}));
  EXPECT_EQ(RegFindTextFromRegex("a1b٣", "\\d"), Strs({"1"}));
  EXPECT_EQ(RegFindTextFromRegex("x\ty", "\\t"), Strs({"\t"}));
  EXPECT_EQ(RegFindTextFromRegex("AB", "\\x41"), Strs({"A"}));
  EXPECT_EQ(RegFindTextFromRegex("xä", "\\x{e4}"), Strs({"ä"}));
  EXPECT_EQ(RegFindTextFromRegex("a\x1b"
                                 "b",
                                 "\\e"),
            Strs({"\x1b"}));
  EXPECT_EQ(RegFindTextFromRegex("a.b", "\\."), Strs({"."}));
  // Escaped letters without a meaning of their own, and PCRE2-only syntax,
  // are plain characters.
  EXPECT_EQ(RegFindTextFromRegex("pQ", "\\p\\Q"), Strs({"pQ"}));
  EXPECT_EQ(RegFindTextFromRegex("a:]", "[[:alpha:]]"), Strs({":]"}));
  EXPECT_EQ(RegFindTextFromRegex("{a}", "{a}"), Strs({"{a}"}));
  EXPECT_EQ(RegFindTextFromRegex("aaa a{,2}", "a{,2}"), Strs({"a{,2}"}));
  EXPECT_EQ(RegFindTextFromRegex("a-b", "[a\\-]+"), Strs({"a-"}));
  EXPECT_EQ(RegFindTextFromRegex("1-a", "[\\d-]+"), Strs({"1-"}));
  EXPECT_EQ(RegFindTextFromRegex("]a", "[]a]+"), Strs({"]a"}));
}

TEST(RegexFind, GroupsWithAndWithoutTheWholeMatch) {
  EXPECT_EQ(RegFindTextFromRegexFromBrackets("a=1;b=;c=3", "(\\w)=(\\d*)", false), Strs({"a", "1", "b", "c", "3"}));
  EXPECT_EQ(RegFindTextFromRegexFromBrackets("a=1;b=;c=3", "(\\w)=(\\d*)", true), Strs({"a", "b", "c"}));
  EXPECT_EQ(RegFindTextFromRegex("a=1;b=;c=3", "(\\w)=(\\d*)"), Strs({"a=1", "b=", "c=3"}));
  // Without a group the first group is empty for every match.
  EXPECT_EQ(RegFindTextFromRegexFromBrackets("abab", "ab", true), Strs({"", ""}));
  EXPECT_EQ(RegFindTextFromRegexFromBrackets("abab", "ab", false), Strs({}));
  // At most 14 groups are reported.
  EXPECT_EQ(
      RegFindTextFromRegexFromBrackets("abcdefghijklmnop", "(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)(m)(n)(o)(p)", false),
      Strs({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n"}));
  // Groups on the Unicode path come back as UTF-8.
  EXPECT_EQ(RegFindTextFromRegexFromBrackets("größe=5", "(\\w+)=(\\d)", false), Strs({"größe", "5"}));
  // Back references to groups 1 to 9; "\10" is group 1 followed by "0".
  EXPECT_EQ(RegFindTextFromRegex("aa ab bb", "(\\w)\\1"), Strs({"aa", "bb"}));
  EXPECT_EQ(RegFindTextFromRegex("aa0 aa", "(a)\\10"), Strs({"aa0"}));
}

TEST(RegexPos, BytePositions) {
  struct Case {
    std::string text, regex;
    int32_t pos;
  } cases[] = {
      {"xxab", "ab", 3},  {"äab", "ab", 3},   {"äöb", "ö", 3},   {"bab", "b$", 3}, {"äbä", "ä$", 4},
      {"ab\n", "b$", 0},  {"a\nb", "a.b", 1}, {"abc", "x", 0},   {"", "a*", 1},    {"€x", "x", 4},
      {"a\n", "a\\Z", 0}, {"ba", "\\Aa", 0},  {"ab", "\\Aa", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(RegPos(c.text, c.regex), c.pos) << c.text << " " << c.regex;
  // ^ anchors at the start of the whole text, also in later searches.
  EXPECT_EQ(RegFindTextFromRegex("aaa", "^a"), Strs({"a"}));
}

TEST(RegexMatches, WholeTextAndCase) {
  EXPECT_TRUE(RegMatches("Hello", "hello", false));
  EXPECT_FALSE(RegMatches("Hello", "hello", true));
  EXPECT_FALSE(RegMatches("abab", "ab", true));
  EXPECT_TRUE(RegMatches("abab", "(ab)+", true));
  EXPECT_FALSE(RegMatches("aaa", "a+?", true));  // the first match is shorter
  EXPECT_FALSE(RegMatches("ab", "a|ab", true));
  EXPECT_TRUE(RegMatches("ab", "ab|a", true));
  EXPECT_FALSE(RegMatches("xab", "ab", true));
  // Case folding: every letter on the Unicode path, ASCII only on the byte path.
  EXPECT_TRUE(RegMatches("ÄRGER", "ärger", false));
  EXPECT_TRUE(RegMatchesW("Éa", "éA", false));
  EXPECT_FALSE(RegMatchesA("É", "é", false));
  EXPECT_TRUE(RegMatchesA("ABC", "abc", false));
  // An inline modifier switches case-insensitivity off again.
  EXPECT_FALSE(RegMatches("AB", "a(?-i)b", false));
  EXPECT_TRUE(RegMatches("Ab", "a(?-i)b", false));
}

TEST(RegexEndsWith, SuccessiveMatches) {
  EXPECT_TRUE(StrEndsWithRegex("file.txt", "\\.txt"));
  EXPECT_FALSE(StrEndsWithRegex("file.txt.bak", "\\.txt"));
  EXPECT_FALSE(StrEndsWithRegex("", "x*"));
  EXPECT_TRUE(StrEndsWithRegex("ab", "x*"));    // the empty match at the end
  EXPECT_FALSE(StrEndsWithRegex("aaa", "aa"));  // matches do not overlap
  EXPECT_TRUE(StrEndsWithRegex("aaaa", "aa"));
  EXPECT_TRUE(StrEndsWithRegex("Grüße", "ße"));
  EXPECT_TRUE(StrEndsWithRegex("Grüße", "e"));
  EXPECT_TRUE(StrEndsWithRegexA("ab", "b"));
  EXPECT_TRUE(StrEndsWithRegexW("aß", "ß"));
}

TEST(RegexModifiers, CyrillicRanges) {
  EXPECT_EQ(RegPos("ё", "[а-я]"), 1);
  EXPECT_EQ(RegPos("Ё", "[А-Я]"), 1);
  EXPECT_EQ(RegPos("Ё", "[а-я]"), 0);
  EXPECT_EQ(RegFindTextFromRegex("всё и ещё", "[а-я]+"), Strs({"всё", "и", "ещё"}));
  EXPECT_EQ(RegPos("ё", "(?-r)[а-я]"), 0);
  EXPECT_EQ(RegPos("ё", "(?-r)(?r)[а-я]"), 1);
  EXPECT_EQ(RegPos("ё", "[^а-я]"), 0);
  EXPECT_TRUE(RegMatches("ЁЖ", "[а-я]+", false));
}

TEST(RegexModifiers, GreedyAndLazy) {
  EXPECT_EQ(RegFindTextFromRegex("<a><b>", "<.+>"), Strs({"<a><b>"}));
  EXPECT_EQ(RegFindTextFromRegex("<a><b>", "<.+?>"), Strs({"<a>", "<b>"}));
  EXPECT_EQ(RegFindTextFromRegex("<a><b>", "(?-g)<.+>"), Strs({"<a>", "<b>"}));
  EXPECT_EQ(RegFindTextFromRegex("<a><b>", "(?-g)<.+?>"), Strs({"<a>", "<b>"}));
  EXPECT_EQ(RegFindTextFromRegex("aaaa", "(?-g)a{2,3}"), Strs({"aa", "aa"}));
  EXPECT_EQ(RegFindTextFromRegex("aaaa", "(?-g)a{2,3}(?g)a*"), Strs({"aaaa"}));
}

TEST(RegexModifiers, InlineModifiersHoldForTheRestOfThePattern) {
  // Past the end of the group they are switched in.
  EXPECT_EQ(RegPos("aBC", "(a(?i)b)c"), 1);
  EXPECT_EQ(RegPos("AB", "(?i)a(?-i)b"), 0);
  EXPECT_EQ(RegPos("Ab", "(?i)a(?-i)b"), 1);
  EXPECT_EQ(RegPos("xAbBa", "(?i)([ab])\\1"), 3);
  // Single-line off: the dot stops at line separators of the path.
  EXPECT_EQ(RegPos("a\nb", "(?-s)a.b"), 0);
  EXPECT_EQ(RegPos("a\rb", "(?-s)a.b"), 0);
  EXPECT_EQ(RegPos("a\u2028b", "(?-s)a.b"), 0);
  EXPECT_EQ(RegPos("a\u2028b", "a.b"), 1);
  EXPECT_EQ(RegPos("a\tb", "(?-s)a.b"), 1);
  // Multi-line on: ^ and $ at line breaks too.
  EXPECT_EQ(RegPos("a\nb", "a$"), 0);
  EXPECT_EQ(RegPos("a\nb", "(?m)a$"), 1);
  EXPECT_EQ(RegPos("a\nb", "(?m)^b"), 3);
  EXPECT_EQ(RegPos("a\nb", "^b"), 0);
  // Extended syntax: blanks and comments are ignored outside classes.
  EXPECT_EQ(RegPos("xabc", "(?x) a b # note\n c"), 2);
  EXPECT_EQ(RegPos("a c", "(?x)a[ ]c"), 1);
  // A comment group.
  EXPECT_EQ(RegPos("ab", "a(?#note)b"), 1);
  EXPECT_EQ(RegPos("ab", "(?is-x)ab"), 1);
}

TEST(RegexModifiers, MultiLineAnchorsFollowEachPathsSeparators) {
  // The byte path separates lines at CR and at LF, each on its own; the
  // Unicode path also at VT, FF, U+0085, U+2028 and U+2029, with CR LF as one
  // separator. Where an anchor matches must not depend on where the previous
  // match ended.
  struct Case {
    TRegexPath path;
    std::string text, regex, replaced;
  } cases[] = {
      {TRegexPath::Byte, "a\r\nb", "(?m)$", "aX\rX\nbX"},
      {TRegexPath::Byte, "a\r\nb", "(?m)^", "Xa\rX\nXb"},
      {TRegexPath::Byte, "a\r\nb", "(?m)^$", "a\rX\nb"},
      {TRegexPath::Byte, "\r\n", "(?m)^", "X\rX\n"},
      {TRegexPath::Byte, "a\n\rb", "(?m)^$", "a\nX\rb"},
      {TRegexPath::Byte, "a\vb\fc", "(?m)^", "Xa\vb\fc"},
      {TRegexPath::Unicode, "a\r\nb", "(?m)$", "aX\r\nbX"},
      {TRegexPath::Unicode, "a\r\nb", "(?m)^", "Xa\r\nXb"},
      {TRegexPath::Unicode, "a\r\nb", "(?m)^$", "a\r\nb"},
      {TRegexPath::Unicode, "\r\n", "(?m)^", "X\r\n"},
      {TRegexPath::Unicode, "\r\n\r\n", "(?m)^$", "X\r\nX\r\n"},
      {TRegexPath::Unicode, "a\n\rb", "(?m)^$", "a\nX\rb"},
      {TRegexPath::Unicode, "a\vb\fc\u2028d\u0085e", "(?m)^", "Xa\vXb\fXc\u2028Xd\u0085Xe"},
      {TRegexPath::Unicode, "a\vb\u2029", "(?m)$", "aX\vbX\u2029X"},
      // No line starts after a separator at the very end of the text.
      {TRegexPath::Byte, "a\n", "(?m)^", "Xa\n"},
      {TRegexPath::Unicode, "a\r", "(?m)^", "Xa\r"},
  };
  for (const auto& c : cases) {
    TRegex re(c.regex, false, c.path);
    EXPECT_EQ(re.Replace(c.text, "X"), c.replaced) << (c.path == TRegexPath::Byte ? "byte " : "unicode ") << c.regex;
  }
  EXPECT_EQ(RegPos("x\r\nb", "(?m)^b"), 4);
  EXPECT_EQ(RegPos("a\u2028b", "(?m)^b"), 5);
  EXPECT_EQ(RegPos("ä\vb", "(?m)ä$"), 1);
  EXPECT_EQ(RegPos("a\vb", "(?m)a$"), 0);  // an ASCII text keeps the byte path
  EXPECT_EQ(RegPosW("a\vb", "(?m)a$"), 1);
}

TEST(RegexObject, OnePatternForManyTexts) {
  // Enough searches that the compiled pattern switches to machine code.
  TRegex re("(\\w+)@(\\w+)");
  for (int i = 0; i < 200; ++i) {
    const std::string text = "x" + std::to_string(i) + "@host" + (i % 2 ? "ä" : "");
    EXPECT_EQ(re.FindText(text), RegFindTextFromRegex(text, "(\\w+)@(\\w+)")) << text;
    EXPECT_EQ(re.Pos(text), 1);
    EXPECT_TRUE(re.LastOK());
  }
  // Machine code and interpreter agree on the library's sets beyond ASCII.
  const char* patterns[] = {"[^\\W\\d]+", "\\b\\w", "\\w+", "\\W+", "[\\S]+", "(?i)[ä]+", "\\B."};
  const char* texts[] = {"Über_uns 3x", "ÄÖÜäöüß é", "straße Ärger", "a\u00A0b", "日本 ok"};
  for (const char* pattern : patterns) {
    TRegex shared(pattern);
    for (int round = 0; round < 20; ++round)
      for (const char* text : texts)
        ASSERT_EQ(shared.FindText(text), RegFindTextFromRegex(text, pattern)) << pattern << " on " << text;
  }
  EXPECT_EQ(RegFindTextFromRegex("ÄÖÜäöüß é", "[^\\W\\d]+"), Strs({"ÄÖÜäöüß"}));
  EXPECT_EQ(RegFindTextFromRegex("a\u00A0b", "[\\S]+"), Strs({"a\u00A0b"}));
  TRegex caseless("abc", true);
  EXPECT_EQ(caseless.Pos("xABC"), 2);
  EXPECT_TRUE(caseless.Matches("aBc"));
  EXPECT_TRUE(caseless.OK());
}

TEST(RegexObject, ArbitraryPatternsNeverCrashOrHang) {
  // Pieces of the syntax, PCRE2-only syntax and stray bytes, put together at random.
  const char* pieces[] = {"a",   "ä",   "ё",    ".",   "^",    "$",    "|",     "(",      ")",    "[",     "]",   "[^",
                          "-",   "*",   "+",    "?",   "{2}",  "{1,",  "}",     "\\",     "\\w",  "\\W",   "\\b", "\\d",
                          "\\S", "\\x", "\\x{", "\\1", "(?",   "(?i)", "(?-g)", "(?m)",   "(?x)", "(?#c)", "#",   " ",
                          "\n",  "(*",  "\\Q",  "\\K", "\xFF", "\x01", "[:",    "\\p{L}", "(?<",  "a-z",   "а-я"};
  const char* texts[] = {"", "abc", "aäb\n", "ёжик Ёж", "a_b c", "\xFF\xFEx", "aaaaaaaaaaaaaaaaaaaaaaaab"};
  std::mt19937 rng(5);
  for (int round = 0; round < 1500; ++round) {
    std::string pattern;
    const int n = 1 + static_cast<int>(rng() % 8);
    for (int k = 0; k < n; ++k) pattern += pieces[rng() % std::size(pieces)];
    for (const char* text : texts) {
      bool ok = true;
      const std::string replaced = RegReplaceWithRegex(text, pattern, "<$0$1\\$>", &ok);
      const TStrArray found = RegFindTextFromRegex(text, pattern);
      const int32_t pos = RegPos(text, pattern);
      if (!ok) {
        ASSERT_EQ(replaced, text) << pattern;
        ASSERT_TRUE(found.empty()) << pattern;
        ASSERT_EQ(pos, 0) << pattern;
      } else {
        ASSERT_GE(pos, 0);
        ASSERT_LE(pos, static_cast<int32_t>(std::string(text).size()) + 1);
      }
      RegFindTextFromRegexFromBrackets(text, pattern, rng() % 2 == 0);
      RegMatches(text, pattern, rng() % 2 == 0);
      StrEndsWithRegex(text, pattern);
    }
  }
}

// --- Against PCRE2's own grep ----------------------------------------------------

TEST(ToolCheckRegex, SameMatchesAsPcre2grep) {
  struct Case {
    std::string regex, text;
  } cases[] = {
      {"[0-9]+", "a1b22c333"},
      {"ab|cd", "xxabcdab"},
      {"(ab)+", "ababab abx"},
      {"a{2,3}", "aaaaaaa"},
      {"a{2}", "aaaaa"},
      {"[^ ]+", "one two  three"},
      {"\\d+\\s\\d+", "1 2 33 44"},
      {"x+?y", "xxxy xy"},
      {"[A-Z][a-z]*", "Hello World FOO"},
      {"colou?r", "color colour colouur"},
      {"\\x41+", "AAA B"},
      {"[a-c]{2}", "abcabc"},
      {"(a|b)c", "ac bc cc"},
      {"(?i)abc", "ABC abc aBc"},
      {"[[:]+", "a[:b"},
      {"\\D+", "ab12cd"},
      {"\\S+", "  x y  "},
      {"ü+", "Grüüße"},
      {"[äöü]", "Bäöüb"},
      {"[а-я]+", "Привет мир"},
      {"(?i)straße", "STRAßE Straße"},
      {"[^a-z ]+", "abc ÄÖÜ def 123"},
      {"€+", "1€€ 2€"},
  };
  testsupport::TempDir dir;
  for (const auto& c : cases) {
    const std::string file = dir.file("line.txt");
    testsupport::WriteFileBytes(file, c.text + "\n");
    const bool unicode = RequiresUnicodeRegex(c.regex) || RequiresUnicodeRegex(c.text);
    const auto r = testsupport::RunCommand(std::string("pcre2grep -o ") + (unicode ? "-u " : "") + "-- " +
                                           testsupport::ShellQuote(c.regex) + " " + testsupport::ShellQuote(file));
    ASSERT_TRUE(r.exitCode == 0 || r.exitCode == 1) << "pcre2grep failed for " << c.regex;
    Strs expected;
    size_t start = 0;
    while (start < r.out.size()) {
      const size_t nl = r.out.find('\n', start);
      expected.push_back(r.out.substr(start, nl - start));
      if (nl == std::string::npos) break;
      start = nl + 1;
    }
    EXPECT_EQ(RegFindTextFromRegex(c.text, c.regex), expected) << c.regex << " on " << c.text;
  }
}

}  // namespace
