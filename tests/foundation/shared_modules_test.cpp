#include <gtest/gtest.h>

#include "foundation/letter_case.h"
#include "foundation/number_format.h"
#include "foundation/random.h"
#include "foundation/utf8.h"
#include "foundation/wildcard.h"

TEST(UTF8, DecodeEncodeAndCount) {
  EXPECT_EQ(UTF8Length("Grüße"), 5u);
  EXPECT_EQ(UTF8Length(""), 0u);
  EXPECT_EQ(UTF8Length("日本語😀"), 4u);
  EXPECT_EQ(UTF8FirstChar("äb"), "ä");
  EXPECT_EQ(UTF8LastChar("ab😀"), "😀");
  EXPECT_EQ(UTF8LastChar("a"), "a");
  EXPECT_EQ(UTF8LastChar(""), "");
  EXPECT_EQ(UTF8Encode(0x10FFFF), "\xF4\x8F\xBF\xBF");
  EXPECT_EQ(UTF8Encode(0xD800), "\xEF\xBF\xBD");
  EXPECT_EQ(UTF16ToUTF8(UTF8ToUTF16("a😀ä")), "a😀ä");
  EXPECT_EQ(UTF8CharToByteIndex("äbc", 1), 2u);
}

TEST(UTF8, ValidateAndRepair) {
  struct Case {
    std::string in, repaired;
    bool valid;
  } cases[] = {
      {"abc", "abc", true},
      {"\xEF\xBF\xBD", "\xEF\xBF\xBD", true},
      {"a\xE9z", "a\xEF\xBF\xBDz", false},                              // Latin-1 byte
      {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD", false},                  // overlong
      {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", false},  // surrogate
      {"\xE6\x97", "\xEF\xBF\xBD", false},                              // truncated at the end
      {"\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UTF8IsValid(c.in), c.valid) << c.in;
    EXPECT_EQ(UTF8Repair(c.in), c.repaired) << c.in;
    EXPECT_TRUE(UTF8IsValid(UTF8Repair(c.in)));
  }
}

TEST(LetterCase, LibraryAndNarrowRules) {
  struct Case {
    const char* in;
    const char* upper;
    const char* narrow;
  } cases[] = {
      {"straße", "STRASSE", "STRASSE"},
      {"ı", "I", "I"},
      {"ж", "Ж", "Ж"},
      {"ÿ", "Ÿ", "Ÿ"},
      {"µ", "Μ", "Μ"},
      {"ა", "ა", "ა"},
      {"ạ", "Ạ", "ạ"},
      {"abc1", "ABC1", "ABC1"},
      {"ẞ", "ẞ", "ẞ"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UTF8UpperCase(c.in), c.upper) << c.in;
    EXPECT_EQ(UpperCaseNarrow(c.in), c.narrow) << c.in;
  }
  EXPECT_EQ(UTF8LowerCase("ÄÖÜ ABC Ạ"), "äöü abc ạ");
}

TEST(LetterCase, LetterTest) {
  EXPECT_TRUE(IsLetterCodePoint(U'ß'));
  EXPECT_TRUE(IsLetterCodePoint(U'ა'));  // Georgian counts as a letter
  EXPECT_TRUE(IsLetterCodePoint(U'Ạ'));
  EXPECT_TRUE(IsLetterCodePoint(U'ж'));
  EXPECT_FALSE(IsLetterCodePoint(U'7'));
  EXPECT_FALSE(IsLetterCodePoint(U'日'));
  EXPECT_FALSE(IsLetterCodePoint(U' '));
}

TEST(NumberFormat, WholeNumbers) {
  struct Case {
    const char* text;
    bool ok;
    int32_t value;
  } cases[] = {
      {"+10", true, 10},
      {" \t-5", true, -5},
      {"10 ", false, 0},
      {"0x10", false, 0},
      {"$1F", false, 0},
      {"2147483648", false, 0},
      {"", false, 0},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, INT32_MIN},
      {"-", false, 0},
      {"1e3", false, 0},
      {"%1", false, 0},
      {"&7", false, 0},
  };
  for (const auto& c : cases) {
    int32_t v = 12345;
    EXPECT_EQ(TryStrToInt(c.text, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(v, c.value) << c.text;
    }
  }
  EXPECT_EQ(StrToIntDef("x", 7), 7);
}

TEST(NumberFormat, FloatsWithSeparators) {
  NumberFormat dot{".", ","}, comma{",", "."};
  double v = 0;
  EXPECT_TRUE(TryStrToFloat(" 2.5 ", dot, v));
  EXPECT_DOUBLE_EQ(v, 2.5);
  EXPECT_TRUE(TryStrToFloat("2,5", comma, v));
  EXPECT_DOUBLE_EQ(v, 2.5);
  EXPECT_FALSE(TryStrToFloat("2.5", comma, v));
  EXPECT_FALSE(TryStrToFloat("inf", dot, v));
  EXPECT_FALSE(TryStrToFloat("+-1", dot, v));
  EXPECT_TRUE(TryStrToFloat("-1e3", dot, v));
  EXPECT_DOUBLE_EQ(v, -1000);
  EXPECT_EQ(FormatFloatFixed(20.0, 2, comma), "20,00");
  EXPECT_EQ(FormatFloatFixed(1234567.891, 1, dot, true), "1,234,567.9");
  EXPECT_EQ(FormatFloatFixed(-0.001, 2, dot), "0.00");
  EXPECT_EQ(FormatFloatGeneral(0.1 + 0.2, dot), "0.3");
  EXPECT_EQ(FormatFloatGeneral(2.5, comma), "2,5");
  EXPECT_EQ(FormatFloatGeneral(1e20, dot), "1E20");
  EXPECT_EQ(IntToStrGrouped(-1234567, dot), "-1,234,567");
}

TEST(Random, SeededIsInRangeAndScriptedCounts) {
  TSeededRandom r(42);
  uint64_t big = (1ull << 31) + 1;
  for (int i = 0; i < 1000; ++i) {
    EXPECT_LT(r.Random(7), 7u);
    EXPECT_LT(r.Random(big), big);
  }
  EXPECT_EQ(r.Random(1), 0u);
  TScriptedRandom s({3, 1});
  EXPECT_EQ(s.Random(5), 3u);
  EXPECT_EQ(s.Random(5), 1u);
  EXPECT_EQ(s.Random(5), 1u);
  EXPECT_EQ(s.Draws(), 3u);
  EXPECT_EQ(s.Ranges().front(), 5u);
}

TEST(Wildcard, CodePoints) {
  EXPECT_TRUE(MatchesWildcard("äbc", "?bc"));
  EXPECT_TRUE(MatchesWildcard("file.txt", "*.txt"));
  EXPECT_FALSE(MatchesWildcard("file.txt", "*.doc"));
  EXPECT_TRUE(MatchesWildcard("", "*"));
  EXPECT_FALSE(MatchesWildcard("", "?"));
  EXPECT_TRUE(MatchesWildcard("aXbXc", "a*b*c"));
  EXPECT_TRUE(MatchesWildcard("FILE.TXT", "*.txt", false));
  EXPECT_FALSE(MatchesWildcard("FILE.TXT", "*.txt", true));
  EXPECT_TRUE(MatchesWildcard(std::string(5000, 'a'), std::string(20, '*') + "b*", false) == false);
}
