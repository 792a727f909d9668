#include "wordgen/counter/counter.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "counter_test_support.h"
#include "foundation/line_breaks.h"
#include "foundation/random.h"
#include "foundation/sort_adversary.h"
#include "foundation/str_transform.h"
#include "foundation/utf8.h"
#include "text/program_texts.h"
#include "text/text_store.h"

// The tests below name count types and sortings by their constants; these are
// the numbers that settings files store for them.
static_assert(ctWords == 0 && ctLetters == 1 && ctDigrams == 2 && ctTrigrams == 3 && ctQuadgrams == 4 &&
              ctQuintgrams == 5 && ctHexagrams == 6 && ctSyllables == 7);
static_assert(csCharUp == 0 && csCharDown == 1 && csFreqUp == 2 && csFreqDown == 3 && csOccurence == 4 &&
              csCharList == 5);

using countertest::Pairs;

namespace {

const NumberFormat kPoint{".", ","};
const NumberFormat kComma{",", "."};

class CounterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitSprResLocal();
    SetSprResGlobal(0);
  }

  TCountOutcome Count(const std::string& text, const TCounterSettings& s, const NumberFormat& fmt = kPoint) {
    return counter.Count(text, s, fmt);
  }

  TCounterObj counter;
};

// In a right-to-left window every cell of the shown table keeps its own
// direction, so the per cent sign stays on one side in every row, and a mark
// counted alone stands on a dotted circle; the table's data stays as it is.
TEST_F(CounterTest, IsolatedCellsForARightToLeftTable) {
  TCounterSettings s;
  s.IsolateCells = true;
  s.ShowTotal = false;
  s.Exclude = false;
  // The Arabic comma, a letter and a fathatan (a combining mark).
  const std::string comma = "\xD8\x8C", letter = "\xD9\x83", tanwin = "\xD9\x8B";
  ASSERT_TRUE(Count(comma + letter + letter + tanwin, s).Counted);
  const std::string fsi = "\xE2\x81\xA8", pdi = "\xE2\x81\xA9", circle = "\xE2\x97\x8C";
  const std::string shown = counter.CountAusgabe(s, kPoint);
  TStrArray lines;
  ExplodeAtAllTypesOfLineBreaks(lines, TrimRight(shown));
  ASSERT_EQ(lines.size(), 3u) << shown;
  for (const std::string& line : lines) {
    SCOPED_TRACE(line);
    EXPECT_TRUE(line.starts_with(fsi)) << line;
    EXPECT_TRUE(line.ends_with("%" + pdi)) << line;
  }
  EXPECT_NE(shown.find(fsi + circle + tanwin + pdi), std::string::npos) << shown;
  EXPECT_NE(shown.find(fsi + comma + pdi), std::string::npos) << shown;
  // The data for files and the clipboard has no such marks.
  for (const TStrArray& row : counter.GlobalErgAsStrArray2D(s, kPoint))
    for (const std::string& cell : row) EXPECT_EQ(cell.find(fsi), std::string::npos) << cell;
  s.IsolateCells = false;
  EXPECT_EQ(counter.CountAusgabe(s, kPoint).find(fsi), std::string::npos);
}

TEST_F(CounterTest, DefaultsGiveTheExactTable) {
  TCounterSettings s;
  auto out = Count("Hello, hello!", s);
  ASSERT_TRUE(out.Counted);
  EXPECT_EQ(out.Output,
            "E       2  20.00%\n"
            "H       2  20.00%\n"
            "L       4  40.00%\n"
            "O       2  20.00%\n"
            "Total  10        \n");
  EXPECT_EQ(counter.GlobalErgCount, 10);
  EXPECT_EQ(counter.GlobalErg.Items, Pairs({{"E", 2}, {"H", 2}, {"L", 4}, {"O", 2}}));

  out = Count("Hello, hello!", s, kComma);
  EXPECT_EQ(out.Output,
            "E       2  20,00%\n"
            "H       2  20,00%\n"
            "L       4  40,00%\n"
            "O       2  20,00%\n"
            "Total  10        \n");
}

TEST_F(CounterTest, EmptyInputShowsTheMessageAndKeepsTheResult) {
  TCounterSettings s;
  Count("abc", s);
  auto before = counter.GlobalErg.Items;
  auto out = Count("", s);
  EXPECT_FALSE(out.Counted);
  EXPECT_EQ(out.MessageCaption, "Information");
  EXPECT_EQ(out.MessageText, SprText(990));
  EXPECT_EQ(out.MessageText, "Please copy or load a text into the field \"Input\" first.");
  EXPECT_EQ(counter.GlobalErg.Items, before);
  EXPECT_EQ(counter.GlobalErgCount, 3);

  // Blanks only are a text: counted, giving an empty table.
  out = Count("   ", s);
  EXPECT_TRUE(out.Counted);
  EXPECT_EQ(out.Output, "");
  EXPECT_TRUE(counter.GlobalErg.Items.empty());
}

TEST_F(CounterTest, AccumulateResetAndReplace) {
  TCounterSettings s;
  s.ResetCounter = false;
  Count("Hello, hello!", s);
  Count("Hello, hello!", s);
  EXPECT_EQ(counter.GlobalErg.Items, Pairs({{"E", 4}, {"H", 4}, {"L", 8}, {"O", 4}}));
  EXPECT_EQ(counter.GlobalErgCount, 20);

  // Replace mode: a second count shows what the first one showed.
  s.ResetCounter = true;
  auto first = Count("Hello, hello!", s).Output;
  EXPECT_EQ(Count("Hello, hello!", s).Output, first);
  EXPECT_EQ(counter.GlobalErgCount, 10);

  // The reset command empties the result but keeps the base; an accumulating
  // count after it equals a single count.
  s.ResetCounter = false;
  Count("xyz", s);
  counter.ResetCounter();
  EXPECT_TRUE(counter.GlobalErg.Items.empty());
  EXPECT_EQ(counter.GlobalErgCount, 13);
  EXPECT_EQ(Count("Hello, hello!", s).Output, first);
}

TEST_F(CounterTest, AccumulateKeepsTheOrderAndAppendsNewItems) {
  TCounterSettings s;
  s.ResetCounter = false;
  s.Sorting = csOccurence;
  Count("BA", s);
  Count("CA", s);
  EXPECT_EQ(counter.GlobalErg.Items, Pairs({{"B", 1}, {"A", 2}, {"C", 1}}));
}

// One count on a fresh counter: the pairs it leaves.
struct PipelineCase {
  const char* name;
  std::string input;
  std::function<void(TCounterSettings&)> set;
  TIntStrArray expected;
};

TEST_F(CounterTest, PipelineTable) {
  const std::string bigS = "\xE1\xBA\x9E";  // ẞ
  const std::vector<PipelineCase> cases = {
      {"words combine case", "Der der DER", [](auto& s) { s.CountType = ctWords; }, Pairs({{"DER", 3}})},
      {"words keep case without combining", "Der der DER",
       [](auto& s) {
         s.CountType = ctWords;
         s.CombineLowUp = false;
       },
       Pairs({{"DER", 1}, {"der", 1}, {"Der", 1}})},
      {"sharp s as capital sharp s", "Straße", [](auto&) {},
       Pairs({{"A", 1}, {"E", 1}, {"R", 1}, {"S", 1}, {"T", 1}, {bigS, 1}})},
      {"sharp s as SS", "Straße", [](auto& s) { s.ReplaceCapitalSharpS = true; },
       Pairs({{"A", 1}, {"E", 1}, {"R", 1}, {"S", 3}, {"T", 1}})},
      {"sharp s kept small", "Straße", [](auto& s) { s.AlwaysCountSmallSharpS = true; },
       Pairs({{"A", 1}, {"E", 1}, {"R", 1}, {"S", 1}, {"ß", 1}, {"T", 1}})},
      {"small sharp s turns a capital one small too", "ẞß", [](auto& s) { s.AlwaysCountSmallSharpS = true; },
       Pairs({{"ß", 2}})},
      {"capital sharp s alone stays", "ẞ", [](auto& s) { s.AlwaysCountSmallSharpS = true; }, Pairs({{bigS, 1}})},
      {"character list order, without zeros", "DAD",
       [](auto& s) {
         s.Sorting = csCharList;
         s.OnlyCount = true;
         s.OnlyChars = "ABCD";
       },
       Pairs({{"A", 1}, {"D", 2}})},
      {"character list order, with zeros", "DAD",
       [](auto& s) {
         s.Sorting = csCharList;
         s.OnlyCount = true;
         s.OnlyChars = "ABCD";
         s.AddAllCountedChars = true;
       },
       Pairs({{"A", 1}, {"B", 0}, {"C", 0}, {"D", 2}})},
      {"character list order for digrams", "abba",
       [](auto& s) {
         s.Sorting = csCharList;
         s.OnlyCount = true;
         s.OnlyChars = "ab";
         s.CountType = ctDigrams;
       },
       Pairs({{"AB", 1}, {"BA", 1}, {"BB", 1}})},
      {"extension with a lower-case list", "AB",
       [](auto& s) {
         s.AddAllCountedChars = true;
         s.OnlyChars = "ab";
       },
       Pairs({{"a", 0}, {"A", 1}, {"b", 0}, {"B", 1}})},
      {"extension skips present items, digrams", "ABA",
       [](auto& s) {
         s.AddAllCountedChars = true;
         s.OnlyChars = "AB";
         s.CountType = ctDigrams;
         s.Sorting = csOccurence;
       },
       Pairs({{"AB", 1}, {"BA", 1}, {"AA", 0}, {"BB", 0}})},
      {"extension for words adds the characters", "A B",
       [](auto& s) {
         s.AddAllCountedChars = true;
         s.OnlyChars = "ABC";
         s.CountType = ctWords;
         s.Sorting = csOccurence;
       },
       Pairs({{"A", 1}, {"B", 1}, {"C", 0}})},
      {"extension reads an invalid byte of the list as U+FFFD", "A",
       [](auto& s) {
         s.AddAllCountedChars = true;
         s.OnlyChars = "A\xFF";
         s.Sorting = csOccurence;
       },
       Pairs({{"A", 1}, {"\xEF\xBF\xBD", 0}})},
      {"extension adds nothing to syllables", "HALLO",
       [](auto& s) {
         s.AddAllCountedChars = true;
         s.CountType = ctSyllables;
       },
       Pairs({{"HAL", 1}, {"LO", 1}})},
      {"quicksort tie order by count down", "AABCCDEE", [](auto& s) { s.Sorting = csFreqDown; },
       Pairs({{"C", 2}, {"E", 2}, {"A", 2}, {"D", 1}, {"B", 1}})},
      {"count up", "AABCCC", [](auto& s) { s.Sorting = csFreqUp; }, Pairs({{"B", 1}, {"A", 2}, {"C", 3}})},
      {"items down", "ABCA", [](auto& s) { s.Sorting = csCharDown; }, Pairs({{"C", 1}, {"B", 1}, {"A", 2}})},
      {"occurrence order", "CBCA", [](auto& s) { s.Sorting = csOccurence; }, Pairs({{"C", 2}, {"B", 1}, {"A", 1}})},
      {"minimum frequency 10 % of 25", "AAABBCCCCCCCCCCDDDDDDDDDD", [](auto& s) { s.MinFrequence = "10"; },
       Pairs({{"A", 3}, {"C", 10}, {"D", 10}})},
      {"minimum frequency with a decimal comma", "AAABBCCCCCCCCCCDDDDDDDDDD", [](auto& s) { s.MinFrequence = "10,0"; },
       Pairs({{"A", 3}, {"C", 10}, {"D", 10}})},
      {"absolute minimum frequency", "AAABBCCCCCCCCCCDDDDDDDDDD",
       [](auto& s) {
         s.MinIsPercent = false;
         s.MinFrequence = "10";
         s.MinFrequenceInt = 3;
       },
       Pairs({{"A", 3}, {"C", 10}, {"D", 10}})},
      {"minimum length with positions", "AB",
       [](auto& s) {
         s.CountPositions = true;
         s.MinLength = 2;
       },
       Pairs({{"A_1", 1}, {"B_2", 1}})},
      {"minimum length removes short words", "a bb ccc",
       [](auto& s) {
         s.CountType = ctWords;
         s.MinLength = 2;
       },
       Pairs({{"BB", 1}, {"CCC", 1}})},
      {"starting with", "AB AC BA",
       [](auto& s) {
         s.CountType = ctWords;
         s.OnlyElementsStartingWith = "A";
       },
       Pairs({{"AB", 1}, {"AC", 1}})},
      {"ending with", "AB AC BA",
       [](auto& s) {
         s.CountType = ctWords;
         s.OnlyElementsEndingWith = "A";
       },
       Pairs({{"BA", 1}})},
      {"containing", "AB AC BA",
       [](auto& s) {
         s.CountType = ctWords;
         s.OnlyElementsContaining = "C";
       },
       Pairs({{"AC", 1}})},
      {"filter text is not upper-cased",
       "AB AC BA",
       [](auto& s) {
         s.CountType = ctWords;
         s.OnlyElementsStartingWith = "a";
       },
       {}},
      {"filter without case", "AB AC BA",
       [](auto& s) {
         s.CountType = ctWords;
         s.OnlyElementsStartingWith = "a";
         s.OnlyElementsCase = false;
       },
       Pairs({{"AB", 1}, {"AC", 1}})},
      {"filter as regular expression", "AB AC BA",
       [](auto& s) {
         s.CountType = ctWords;
         s.OnlyElementsContaining = "[BC]$";
         s.OnlyElementsRegex = true;
       },
       Pairs({{"AB", 1}, {"AC", 1}})},
      {"filters apply in turn", "ABC ABD XBC",
       [](auto& s) {
         s.CountType = ctWords;
         s.OnlyElementsStartingWith = "A";
         s.OnlyElementsEndingWith = "C";
       },
       Pairs({{"ABC", 1}})},
      {"regex whole matches", "a1b22c333",
       [](auto& s) {
         s.UseRegex = true;
         s.RegexExpr = "[0-9]+";
         s.RegexBrackets = false;
         s.Exclude = false;
       },
       Pairs({{"1", 1}, {"2", 2}, {"3", 3}})},
      {"regex groups of a pattern without groups",
       "a1b22c333",
       [](auto& s) {
         s.UseRegex = true;
         s.RegexExpr = "[0-9]+";
         s.Exclude = false;
       },
       {}},
      {"regex groups", "a1b22c333",
       [](auto& s) {
         s.UseRegex = true;
         s.RegexExpr = "[a-z]([0-9]+)";
         s.Exclude = false;
       },
       Pairs({{"1", 1}, {"2", 2}, {"3", 3}})},
      {"regex that does not compile",
       "a1b22c333",
       [](auto& s) {
         s.UseRegex = true;
         s.RegexExpr = "([0-9";
         s.RegexBrackets = false;
         s.Exclude = false;
       },
       {}},
      {"regex off ignores the pattern", "ab", [](auto& s) { s.RegexExpr = "x"; }, Pairs({{"A", 1}, {"B", 1}})},
      {"empty pattern ignores the filter", "ab", [](auto& s) { s.UseRegex = true; }, Pairs({{"A", 1}, {"B", 1}})},
      {"umlauts as alternative writing", "Äpfel grün",
       [](auto& s) {
         s.CountType = ctWords;
         s.CombineLowUp = false;
         s.ReplaceUmlauts = true;
         s.Sorting = csOccurence;
       },
       Pairs({{"Aepfel", 1}, {"gruen", 1}})},
      {"accents as base letters", "Café",
       [](auto& s) {
         s.CountType = ctWords;
         s.CombineLowUp = false;
         s.ReplaceAccents = true;
       },
       Pairs({{"Cafe", 1}})},
      {"exclusion off counts digits", "a1", [](auto& s) { s.Exclude = false; }, Pairs({{"1", 1}, {"A", 1}})},
      {"only-counted list is upper-cased with the text", "abcx",
       [](auto& s) {
         s.OnlyCount = true;
         s.OnlyChars = "ab";
       },
       Pairs({{"A", 1}, {"B", 1}})},
      {"syllables", "Hallo Welt", [](auto& s) { s.CountType = ctSyllables; },
       Pairs({{"HAL", 1}, {"LO", 1}, {"WELT", 1}})},
      {"trigrams", "Hello", [](auto& s) { s.CountType = ctTrigrams; }, Pairs({{"ELL", 1}, {"HEL", 1}, {"LLO", 1}})},
      {"blanks counted", "a b", [](auto& s) { s.CountBlanks = true; }, Pairs({{" ", 1}, {"A", 1}, {"B", 1}})},
      {"unknown count type counts nothing",
       "abc",
       [](auto& s) { s.CountType = static_cast<TCountType>(ctSyllables + 1); },
       {}},
  };
  for (const auto& c : cases) {
    TCounterObj fresh;
    TCounterSettings s;
    c.set(s);
    auto out = fresh.Count(c.input, s, kPoint);
    EXPECT_TRUE(out.Counted) << c.name;
    EXPECT_EQ(fresh.GlobalErg.Items, c.expected) << c.name;
  }
}

TEST_F(CounterTest, ExcludedSharpSTakesTheSameWayAsTheText) {
  TCounterSettings s;
  s.ExcludeChars = "ß";
  Count("STRASSE", s);
  EXPECT_EQ(counter.GlobalErg.GetInt("S", 0), 3);

  // The text's ß becomes ẞ and the list's too: excluded, the S of STRA stays.
  Count("Straße", s);
  EXPECT_EQ(counter.GlobalErg.Items, Pairs({{"A", 1}, {"E", 1}, {"R", 1}, {"S", 1}, {"T", 1}}));
  s.AlwaysCountSmallSharpS = true;
  Count("Straße", s);
  EXPECT_EQ(counter.GlobalErg.Items, Pairs({{"A", 1}, {"E", 1}, {"R", 1}, {"S", 1}, {"T", 1}}));

  // Only-counted list holding ß: the text's sharp s is admitted as ẞ, the S is not.
  TCounterSettings only;
  only.OnlyCount = true;
  only.OnlyChars = "ßa";
  Count("Straße", only);
  EXPECT_EQ(counter.GlobalErg.Items, Pairs({{"A", 1}, {"\xE1\xBA\x9E", 1}}));
}

TEST_F(CounterTest, RegexMatchesGoToTheDialogCallback) {
  std::vector<std::string> shown;
  counter.OnShowMatches = [&](const std::string& m) { shown.push_back(m); };
  TCounterSettings s;
  s.UseRegex = true;
  s.RegexExpr = "[0-9]+";
  s.RegexBrackets = false;
  Count("a1b22c333", s);
  EXPECT_TRUE(shown.empty());  // the dialog setting is off
  s.RegexShowMatches = true;
  Count("a1b22c333", s);
  s.RegexExpr = "x+";
  Count("a1b22c333", s);
  EXPECT_EQ(shown, (std::vector<std::string>{"1\n22\n333", ""}));
}

TEST_F(CounterTest, TableColumnsPercentBaseAndTotal) {
  TCounterSettings s;
  s.ShowNumber = false;
  s.ShowFrequency = false;
  EXPECT_EQ(Count("Hello, hello!", s).Output,
            "E    \n"
            "H    \n"
            "L    \n"
            "O    \n"
            "Total  10  \n");

  // Percentages on the base of every counted item, or of those shown.
  TCounterSettings f;
  f.OnlyElementsStartingWith = "A";
  EXPECT_EQ(Count("AAAB", f).Output,
            "A      3  75.00%\n"
            "Total  3        \n");
  EXPECT_EQ(counter.GlobalErgAsStrArray2D(f, kPoint), (TStrArray2D{{"A", "3", "75.00%"}}));
  f.OldBasis = false;
  EXPECT_EQ(counter.GlobalErgAsStrArray2D(f, kPoint), (TStrArray2D{{"A", "3", "100.00%"}}));
  f.PercentDecimalPlaces = 0;
  EXPECT_EQ(counter.GlobalErgAsStrArray2D(f, kPoint), (TStrArray2D{{"A", "3", "100%"}}));
  f.PercentDecimalPlaces = -3;
  EXPECT_EQ(counter.GlobalErgAsStrArray2D(f, kPoint), (TStrArray2D{{"A", "3", "100%"}}));
  f.PercentDecimalPlaces = 4;
  f.OldBasis = true;
  EXPECT_EQ(counter.GlobalErgAsStrArray2D(f, kComma), (TStrArray2D{{"A", "3", "75,0000%"}}));
  f.ShowNumber = false;
  EXPECT_EQ(counter.GlobalErgAsStrArray2D(f, kPoint), (TStrArray2D{{"A", "75.0000%"}}));

  // No total row without the setting, and none for an empty result.
  f.ShowTotal = false;
  f.ShowNumber = true;
  f.PercentDecimalPlaces = 2;
  EXPECT_EQ(counter.CountAusgabe(f, kPoint), "A  3  75.00%\n");
  counter.ResetCounter();
  EXPECT_EQ(counter.CountAusgabe(TCounterSettings{}, kPoint), "");

  // A base of 0 writes every percentage as 0.
  counter.GlobalErg.Add(0, "A");
  counter.GlobalErgCount = 0;
  EXPECT_EQ(counter.GlobalErgAsStrArray2D(TCounterSettings{}, kPoint), (TStrArray2D{{"A", "0", "0.00%"}}));
  EXPECT_EQ(counter.GlobalErgAsStrArray2D(TCounterSettings{}, kComma), (TStrArray2D{{"A", "0", "0,00%"}}));
}

TEST_F(CounterTest, WideCharactersAreAlignedByCharacterCount) {
  TCounterSettings s;
  s.CountType = ctWords;
  s.Sorting = csOccurence;
  EXPECT_EQ(Count("мир ab", s).Output,
            "МИР    1  50.00%\n"
            "AB     1  50.00%\n"
            "Total  2        \n");
}

TEST_F(CounterTest, ExactMinimumFrequencyLimit) {
  // 3000 counts at 0.3 % give exactly 9: an item counted 9 times stays.
  TCounterSettings s;
  s.MinFrequence = "0.3";
  Count(std::string(9, 'A') + std::string(2983, 'B') + std::string(8, 'C'), s);
  EXPECT_EQ(counter.GlobalErg.Items, Pairs({{"A", 9}, {"B", 2983}}));

  struct LimitCase {
    std::string text;
    int32_t sum;
    std::optional<int64_t> limit;
  };
  constexpr int64_t kHuge = std::numeric_limits<int64_t>::max();
  const std::vector<LimitCase> cases = {
      {"0.3", 3000, 9},
      {"0,3", 3000, 9},
      {"3e-1", 3000, 9},
      {"0.03E1", 3000, 9},
      {"10", 25, 3},
      {" 10.00 ", 25, 3},
      {"0.30000000000001", 3000, 10},
      {"0.29999999999999", 3000, 9},
      {"12.", 100, 12},
      {".5", 1000, 5},
      {"100", 2147483647, 2147483647},
      {"200", 2147483647, 4294967294},
      {"1e30", 5, kHuge},
      {"1e-30", 5, 1},
      {"1e999999999999", 5, kHuge},
      {"50", -3, -1},
      {"100", 0, 0},
      {"+1", 100, 1},
      {"0", 100, std::nullopt},
      {"0.00", 100, std::nullopt},
      {"-5", 100, std::nullopt},
      {"abc", 100, std::nullopt},
      {"", 100, std::nullopt},
      {"1.2.3", 100, std::nullopt},
      {"1e", 100, std::nullopt},
      {"1 %", 100, std::nullopt},
      {".", 100, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TCounterObj::MinFrequencyLimit(c.text, c.sum), c.limit) << c.text << " of " << c.sum;
  }

  // A limit beyond every count removes every pair.
  s.MinFrequence = "1e30";
  EXPECT_EQ(Count("AB", s).Output, "");
}

TEST_F(CounterTest, DefaultExcludedCharacters) {
  const std::string& chars = CountExcludeCharsDefault();
  EXPECT_EQ(UTF8Length(chars), 59u);
  const std::u32string expected = {
      0x2E,   0x3F, 0x21,   0x3A, 0x2C, 0x3B, 0x2D, 0x5F,   0x2015, 0x22, 0x27,   0x2019, 0x2018, 0x201C, 0x201D,
      0x201E, 0xA7, 0x20AC, 0x24, 0xA3, 0x25, 0x26, 0x2014, 0x2F,   0x5C, 0x2044, 0x28,   0x29,   0x5B,   0x5D,
      0x7B,   0x7D, 0x2B,   0x2A, 0x7E, 0x23, 0xB4, 0x60,   0x5E,   0xB0, 0x2022, 0x2026, 0x3D,   0x3C,   0x3E,
      0xAB,   0xBB, 0x2013, 0x7C, U'0', U'1', U'2', U'3',   U'4',   U'5', U'6',   U'7',   U'8',   U'9'};
  EXPECT_EQ(UTF8ToUTF32(chars), expected);
  EXPECT_EQ(TCounterSettings{}.ExcludeChars, chars);
}

TEST_F(CounterTest, LargePreFillAndExtensionFinish) {
  // Every character of the ten toggle groups of the settings, in triples.
  std::string chars =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
      "ÄÖÜ"
      "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"
      "ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩ"
      "აბგდევზთიკლმნოპჟრსტუფქღყშჩცძწჭხჯჰ"
      "abcdefghijklmnopqrstuvwxyz"
      "äöü"
      "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"
      "αβγδεζηθικλμνξοπρσςτυφχψω"
      "0123456789";
  ASSERT_EQ(UTF8Length(chars), 216u);
  // A smaller list keeps the sanitizer build quick; the bench times the full one.
  std::string part =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
      "ÄÖÜ"
      "αβγδεζηθικλμνξοπρσςτυφχψω";
  TCounterSettings s;
  s.CountType = ctTrigrams;
  s.Sorting = csCharList;
  s.OnlyCount = true;
  s.OnlyChars = part;
  s.CombineLowUp = false;
  s.AddAllCountedChars = true;
  Count("ABA", s);
  const size_t k = UTF8Length(part);
  ASSERT_EQ(k, 54u);
  ASSERT_EQ(counter.GlobalErg.Items.size(), k * k * k);
  EXPECT_EQ(counter.GlobalErg.Items[0], (TIntStr{0, "AAA"}));
  EXPECT_EQ(counter.GlobalErg.Items[k], (TIntStr{1, "ABA"}));
  EXPECT_EQ(counter.GlobalErg.Items.back(), (TIntStr{0, "ωωω"}));

  s.Sorting = csOccurence;
  Count("ABA", s);
  ASSERT_EQ(counter.GlobalErg.Items.size(), k * k * k);
  EXPECT_EQ(counter.GlobalErg.Items[0], (TIntStr{1, "ABA"}));
  EXPECT_EQ(counter.GlobalErg.Items[1], (TIntStr{0, "AAA"}));
}

// Random settings on random texts: every count ends with a table whose
// lines all end with a line feed, and whose items are valid UTF-8.
TEST_F(CounterTest, CraftedWordOrderSortsQuickly) {
  // Distinct words in an order built against the sort's middle pivot took
  // seconds to sort alphabetically.
  const std::vector<std::string> words = sortadversary::Words(320000);
  std::string text;
  for (const auto& w : words) text += w + ' ';
  TCounterSettings s;
  s.CountType = ctWords;
  s.Sorting = csCharUp;
  s.CombineLowUp = false;
  ASSERT_TRUE(Count(text, s).Counted);
  ASSERT_EQ(counter.GlobalErg.Count(), 320000);
  for (int32_t k = 1; k < counter.GlobalErg.Count(); ++k)
    ASSERT_LT(counter.GlobalErg.Items[k - 1].Str, counter.GlobalErg.Items[k].Str);
}

TEST_F(CounterTest, RandomSettingsAndTexts) {
  TSeededRandom rnd(5);
  const std::vector<std::string> pieces = {
      "a", "B", " ", "\n", "ß", "ẞ", "Ä", "é", "ω", "1", ",", "\xFF", "ch", "SCH", std::string(1, '\0')};
  const std::vector<std::string> patterns = {"", "[a-z]+", "(a)(b)?", "([0-9", "\\w"};
  auto flag = [&] { return rnd.Random(2) == 1; };
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const size_t len = 1 + rnd.Random(30);
    for (size_t i = 0; i < len; ++i) text += pieces[rnd.Random(pieces.size())];
    TCounterSettings s;
    s.CountType = static_cast<TCountType>(rnd.Random(ctSyllables + 1));
    s.CountBlanks = flag();
    s.CountPositions = flag();
    s.ResetCounter = flag();
    s.Exclude = flag();
    s.OnlyCount = flag();
    s.OnlyChars = flag() ? "abß" : "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    s.UseRegex = rnd.Random(4) == 0;
    s.RegexExpr = patterns[rnd.Random(patterns.size())];
    s.RegexBrackets = flag();
    s.CombineLowUp = flag();
    s.ReplaceUmlauts = flag();
    s.ReplaceAccents = flag();
    s.ReplaceCapitalSharpS = flag();
    s.AlwaysCountSmallSharpS = flag();
    s.Sorting = static_cast<TCountSorting>(rnd.Random(csCharList + 1));
    s.ShowNumber = flag();
    s.ShowFrequency = flag();
    s.ShowTotal = flag();
    s.AddAllCountedChars = flag();
    s.MinLength = static_cast<int32_t>(rnd.Random(4));
    s.MinFrequence = flag() ? "0.00" : "12,5";
    s.MinFrequenceInt = static_cast<int32_t>(rnd.Random(3));
    s.MinIsPercent = flag();
    s.OnlyElementsContaining = rnd.Random(4) == 0 ? "A" : "";
    s.OnlyElementsCase = flag();
    s.OldBasis = flag();
    s.PercentDecimalPlaces = static_cast<int32_t>(rnd.Random(25)) - 3;
    auto out = Count(text, s, flag() ? kPoint : kComma);
    ASSERT_TRUE(out.Counted);
    ASSERT_TRUE(out.Output.empty() || out.Output.back() == '\n');
    for (const auto& p : counter.GlobalErg.Items) ASSERT_TRUE(UTF8IsValid(p.Str));
  }
}

}  // namespace
