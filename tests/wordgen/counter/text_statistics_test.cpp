#include "wordgen/counter/text_statistics.h"

#include <gtest/gtest.h>

#include "counter_test_support.h"
#include "foundation/random.h"
#include "foundation/utf8.h"

using countertest::Pairs;

namespace {

struct WordCase {
  const char* name;
  std::string text;
  std::string excluded;
  std::string only;
  TIntStrArray expected;
};

TEST(CountWordsTest, Table) {
  const std::vector<WordCase> cases = {
      {"two words", "Hello world", "", "", Pairs({{"Hello", 1}, {"world", 1}})},
      {"apostrophe splits", "don't", "", "", Pairs({{"don", 1}, {"t", 1}})},
      {"digits split", "abc123def", "", "", Pairs({{"abc", 1}, {"def", 1}})},
      {"excluded letter drops the word", "box fox hen", "x", "", Pairs({{"hen", 1}})},
      {"only-counted list", "ABBA CAB ABD", "", "ABC", Pairs({{"ABBA", 1}, {"CAB", 1}})},
      {"case kept, first occurrence order", "Der der DER der", "", "", Pairs({{"Der", 1}, {"der", 2}, {"DER", 1}})},
      {"word at the very end", "a-b-a", "", "", Pairs({{"a", 2}, {"b", 1}})},
      {"empty text", "", "", "", {}},
      {"no letters", "123 -- 456", "", "", {}},
      {"stops at NUL", std::string("ab\0cd ab", 8), "", "", Pairs({{"ab", 1}})},
      {"non-ASCII letters", "Straße grün мир мир", "", "", Pairs({{"Straße", 1}, {"grün", 1}, {"мир", 2}})},
      {"caseless script is no letter", "中文abc", "", "", Pairs({{"abc", 1}})},
      {"Georgian letters", "ბანანი", "", "", Pairs({{"ბანანი", 1}})},
      {"excluded list only hits its words", "axb cd", "x", "", Pairs({{"cd", 1}})},
      // Letters whose upper case is several characters belong to their words.
      {"Greek with dialytika and tonos", "Μαΐου ΰ", "", "", Pairs({{"Μαΐου", 1}, {"ΰ", 1}})},
      {"Armenian ligature", "ձևափոխված", "", "", Pairs({{"ձևափոխված", 1}})},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CountWords(c.text, c.excluded, c.only).Items, c.expected) << c.name;
  }
}

struct CharCase {
  const char* name;
  std::string text;
  int32_t n;
  std::string excluded;
  std::string only;
  bool blanks;
  bool preFill;
  TIntStrArray expected;
};

TEST(CountCharactersTest, Table) {
  const std::vector<CharCase> cases = {
      {"digrams slide", "ABCD", 2, "", "", false, false, Pairs({{"AB", 1}, {"BC", 1}, {"CD", 1}})},
      {"run shorter than group", "AB", 3, "", "", false, false, {}},
      {"TAB breaks, letters", "A\tB", 1, "", "", false, false, Pairs({{"A", 1}, {"B", 1}})},
      {"TAB breaks, digrams", "A\tB", 2, "", "", false, false, {}},
      {"TAB breaks even with blanks on", "A\tB", 2, "", "", true, false, {}},
      {"blank breaks with blanks off", "AB CD", 2, "", "", false, false, Pairs({{"AB", 1}, {"CD", 1}})},
      {"blank is a character with blanks on", "AB CD", 2, "", "", true, false,
       Pairs({{"AB", 1}, {"B ", 1}, {" C", 1}, {"CD", 1}})},
      {"blank as an item", "A B", 1, "", "", true, false, Pairs({{"A", 1}, {" ", 1}, {"B", 1}})},
      {"excluded breaks", "AB,CD", 2, ",", "", false, false, Pairs({{"AB", 1}, {"CD", 1}})},
      {"outside only list breaks", "ABXCD", 2, "", "ABCD", false, false, Pairs({{"AB", 1}, {"CD", 1}})},
      {"punctuation counts unless excluded", "A.B", 2, "", "", false, false, Pairs({{"A.", 1}, {".B", 1}})},
      {"hexagrams", "ABCDEFG", 6, "", "", false, false, Pairs({{"ABCDEF", 1}, {"BCDEFG", 1}})},
      {"group length 0", "ABC", 0, "", "", false, false, {}},
      {"group length 7", "ABCDEFGH", 7, "", "", false, false, {}},
      {"two-byte characters", "ÄÖÜÖÜ", 2, "", "", false, false, Pairs({{"ÄÖ", 1}, {"ÖÜ", 2}, {"ÜÖ", 1}})},
      {"stops at NUL", std::string("AB\0CD", 5), 1, "", "", false, false, Pairs({{"A", 1}, {"B", 1}})},
      {"invalid byte read as U+FFFD",
       "A\xFF"
       "B",
       3, "", "", false, false,
       Pairs({{"A\xEF\xBF\xBD"
               "B",
               1}})},
      {"pre-fill in list order", "BB", 2, "", "AB", false, true, Pairs({{"AA", 0}, {"AB", 0}, {"BA", 0}, {"BB", 1}})},
      {"no pre-fill for quadgrams", "BBBB", 4, "", "AB", false, true, Pairs({{"BBBB", 1}})},
      {"no pre-fill without only list", "BB", 2, "", "", false, true, Pairs({{"BB", 1}})},
      {"pre-fill without duplicate check", "A", 1, "", "AA", false, true, Pairs({{"A", 1}, {"A", 0}})},
      {"pre-fill of letters then new items", "CAB", 1, "", "ABC", false, true, Pairs({{"A", 1}, {"B", 1}, {"C", 1}})},
      // The list is read like the text: an invalid byte is the character U+FFFD.
      {"pre-fill reads an invalid byte of the list as U+FFFD", "A", 1, "", "A\xFF", false, true,
       Pairs({{"A", 1}, {"\xEF\xBF\xBD", 0}})},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CountCharacters(c.text, c.n, c.excluded, c.only, c.blanks, c.preFill).Items, c.expected) << c.name;
  }
}

TEST(CountCharacterPositionsTest, Table) {
  const std::vector<CharCase> cases = {
      {"letters", "ABC AB", 1, "", "", false, false, Pairs({{"A_1", 2}, {"B_2", 2}, {"C_3", 1}})},
      {"digrams", "ABC AB", 2, "", "", false, false, Pairs({{"AB_1", 2}, {"BC_2", 1}})},
      {"restart after excluded comma", "ABC,AB", 1, ",", "", false, false, Pairs({{"A_1", 2}, {"B_2", 2}, {"C_3", 1}})},
      {"blanks counted keep the run", "A B", 1, "", "", true, false, Pairs({{"A_1", 1}, {" _2", 1}, {"B_3", 1}})},
      {"positions past nine", "ABCDEFGHIJK", 1, "", "", false, false,
       Pairs({{"A_1", 1},
              {"B_2", 1},
              {"C_3", 1},
              {"D_4", 1},
              {"E_5", 1},
              {"F_6", 1},
              {"G_7", 1},
              {"H_8", 1},
              {"I_9", 1},
              {"J_10", 1},
              {"K_11", 1}})},
      {"trigram positions", "ABCD", 3, "", "", false, false, Pairs({{"ABC_1", 1}, {"BCD_2", 1}})},
      {"group length outside 1..6", "ABC", 7, "", "", false, false, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CountCharacterPositions(c.text, c.n, c.excluded, c.only, c.blanks).Items, c.expected) << c.name;
  }
}

struct SyllableCase {
  std::string text;
  TIntStrArray expected;
};

TEST(CountSyllablesTest, Table) {
  const std::vector<SyllableCase> cases = {
      {"HALLO WELT", Pairs({{"HAL", 1}, {"LO", 1}, {"WELT", 1}})},
      {"MACHEN", Pairs({{"MA", 1}, {"CHEN", 1}})},
      {"MATHE", Pairs({{"MA", 1}, {"THE", 1}})},
      {"TASCHE", Pairs({{"TA", 1}, {"SCHE", 1}})},
      {"KABBA", Pairs({{"KAB", 1}, {"BA", 1}})},
      // The first character is never examined: no vowel before the last one.
      {"ABBA", Pairs({{"ABBA", 1}})},
      // Nothing splits before the first vowel; the piece keeps its inner blanks.
      {"BCD FGH ALLE", Pairs({{"BCD FGH AL", 1}, {"LE", 1}})},
      {"hallo welt", Pairs({{"HAL", 1}, {"LO", 1}, {"WELT", 1}})},
      {"BASTA", Pairs({{"BA", 1}, {"STA", 1}})},
      {"HAL-LO", Pairs({{"HAL", 1}, {"LO", 1}})},
      {"Straße", Pairs({{"STRAS", 1}, {"SE", 1}})},
      {"ab", Pairs({{"AB", 1}})},
      {"a", Pairs({{"A", 1}})},
      {" a ", Pairs({{"A", 1}})},
      {"", {}},
      {"...", {}},
      {"МИНУТА", Pairs({{"МИ", 1}, {"НУТА", 1}})},
      // Cyrillic О is no vowel of the syllable rule.
      {"МОЛОКО", Pairs({{"МОЛОКО", 1}})},
      {"ΩΜΩΜΩ", Pairs({{"ΩΜΩ", 1}, {"ΜΩ", 1}})},
      {"ბანანი", Pairs({{"ბა", 1}, {"ნა", 1}, {"ნი", 1}})},
      {"HALLO HALLO", Pairs({{"HAL", 2}, {"LO", 2}})},
      {std::string("HALLO\0WELT", 10), Pairs({{"HAL", 1}, {"LO", 1}})},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CountSyllables(c.text).Items, c.expected) << c.text;
  }
}

TEST(CountSyllablesTest, LowerCaseRussianAndGreekEqualUpperCase) {
  const std::vector<std::pair<std::string, std::string>> pairs = {
      {"минута яблоко юла", "МИНУТА ЯБЛОКО ЮЛА"},
      {"ωμωμω αλφα", "ΩΜΩΜΩ ΑΛΦΑ"},
  };
  for (const auto& [lower, upper] : pairs) {
    auto fromUpper = CountSyllables(upper).Items;
    EXPECT_FALSE(fromUpper.empty());
    EXPECT_EQ(CountSyllables(lower).Items, fromUpper) << lower;
  }
}

TEST(CountSyllablesTest, EveryPunctuationCharacterBecomesABlank) {
  // Each of them between HAL and LO splits like a blank.
  const std::vector<std::string> marks = {".", ",",  ";", ":", "-", "_", "#", "*", "+", "~", "'",  "´",  "`",
                                          "!", "\"", "§", "$", "%", "&", "/", "(", ")", "=", "?",  "\\", "}",
                                          "]", "[",  "{", "³", "²", "°", "^", ">", "<", "|", "\r", "\n", "\t"};
  ASSERT_EQ(marks.size(), 39u);
  for (const auto& m : marks) {
    EXPECT_EQ(CountSyllables("HAL" + m + "LO").Items, Pairs({{"HAL", 1}, {"LO", 1}})) << m;
  }
  // Characters outside the list stay in the pieces.
  EXPECT_EQ(CountSyllables("HAL@LO").Items, Pairs({{"HAL@", 1}, {"LO", 1}}));
}

TEST(CreatePossibleCombinationsTest, StringForm) {
  EXPECT_EQ(CreatePossibleCombinations("AB", 3).Items,
            (TStrArray{"AAA", "AAB", "ABA", "ABB", "BAA", "BAB", "BBA", "BBB"}));
  EXPECT_EQ(CreatePossibleCombinations("AB", 2).Items, (TStrArray{"AA", "AB", "BA", "BB"}));
  EXPECT_EQ(CreatePossibleCombinations("AB", 1).Items, (TStrArray{"A", "B"}));
  EXPECT_EQ(CreatePossibleCombinations("AB", 0).Items, (TStrArray{"A", "B"}));
  EXPECT_EQ(CreatePossibleCombinations("AB", -5).Items, (TStrArray{"A", "B"}));
  for (int n = 4; n <= 7; ++n) EXPECT_TRUE(CreatePossibleCombinations("AB", n).Items.empty()) << n;
  EXPECT_TRUE(CreatePossibleCombinations("", 2).Items.empty());
  EXPECT_TRUE(CreatePossibleCombinations("", 1).Items.empty());
  EXPECT_EQ(CreatePossibleCombinations("AA", 2).Items, (TStrArray{"AA", "AA", "AA", "AA"}));
  EXPECT_EQ(CreatePossibleCombinations("äß", 2).Items, (TStrArray{"ää", "äß", "ßä", "ßß"}));
  EXPECT_EQ(CreatePossibleCombinations(std::string("A\0B", 3), 2).Items, (TStrArray{"AA"}));
}

TEST(CreatePossibleCombinationsTest, ListForm) {
  TStrArrayObj parts;
  parts.Items = {"X", "YZ"};
  EXPECT_EQ(CreatePossibleCombinations(parts, 2).Items, (TStrArray{"XX", "XYZ", "YZX", "YZYZ"}));
  EXPECT_EQ(CreatePossibleCombinations(parts, 1).Items, parts.Items);
  EXPECT_TRUE(CreatePossibleCombinations(parts, 4).Items.empty());
}

TEST(CreatePossibleCombinationsTest, ListsTooLongForMemoryGiveNothing) {
  EXPECT_EQ(PossibleCombinationCount(216, 3), 216u * 216u * 216u);
  EXPECT_EQ(PossibleCombinationCount(256, 3), kMaxPossibleCombinations);
  EXPECT_GT(PossibleCombinationCount(257, 3), kMaxPossibleCombinations);
  EXPECT_GT(PossibleCombinationCount(size_t{1} << 40, 3), kMaxPossibleCombinations);
  EXPECT_GT(PossibleCombinationCount(4097, 2), kMaxPossibleCombinations);

  TStrArrayObj parts;
  for (int i = 0; i < 4097; ++i) parts.Items.push_back(std::to_string(i));
  EXPECT_TRUE(CreatePossibleCombinations(parts, 2).Items.empty());
  EXPECT_EQ(CreatePossibleCombinations(parts, 1).Items.size(), 4097u);
  parts.Items.resize(257);
  EXPECT_TRUE(CreatePossibleCombinations(parts, 3).Items.empty());
  // The pre-fill is skipped the same way; the text is still counted.
  std::string chars;
  for (char32_t c = 0x100; c < 0x100 + 300; ++c) chars += UTF32ToUTF8(std::u32string(1, c));
  EXPECT_EQ(CountCharacters("\xC4\x80\xC4\x80\xC4\x80", 3, "", chars, false, true).Items,
            Pairs({{"\xC4\x80\xC4\x80\xC4\x80", 1}}));
}

}  // namespace

namespace {

// Random bytes (invalid UTF-8, NULs, control characters and multi-byte
// characters mixed): every function returns non-empty, valid items with
// positive counts, and each group has the asked number of characters.
TEST(TextStatisticsRobustnessTest, RandomBytes) {
  TSeededRandom rnd(99);
  const std::vector<std::string> pieces = {
      "a",  "B", " ", "\t", "\n", std::string(1, '\0'), "\xFF", "\xC3", "\xE2\x82", "ä", "ß", "ẞ", "Ж", "ω", "ა", "中",
      "CH", "S", "-", ",",  "1",  "\xF0\x9F\x98\x80"};
  for (int round = 0; round < 1500; ++round) {
    std::string text;
    const size_t len = rnd.Random(40);
    for (size_t i = 0; i < len; ++i) text += pieces[rnd.Random(pieces.size())];
    auto check = [&](const TIntStrArrayObj& t, int32_t n, const char* what) {
      for (const auto& p : t.Items) {
        ASSERT_FALSE(p.Str.empty()) << what;
        ASSERT_TRUE(UTF8IsValid(p.Str)) << what;
        ASSERT_GT(p.Int, 0) << what;
        if (n > 0) {
          ASSERT_EQ(UTF8Length(p.Str), static_cast<size_t>(n)) << what;
        }
      }
    };
    check(CountWords(text, ",", ""), 0, "words");
    check(CountSyllables(text), 0, "syllables");
    for (int32_t n = 1; n <= 6; ++n) {
      check(CountCharacters(text, n, "1", "", rnd.Random(2) == 1, false), n, "characters");
      auto positions = CountCharacterPositions(text, n, "", "aBäЖ ", true);
      for (const auto& p : positions.Items) ASSERT_NE(p.Str.find('_'), std::string::npos);
    }
  }
}

}  // namespace
