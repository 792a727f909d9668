#include "wordgen/engine/create_command.h"

#include <gtest/gtest.h>

#include <map>

#include "engine_test_support.h"
#include "foundation/str_split.h"
#include "text/program_texts.h"
#include "text/text_store.h"

// The tests below name the letter cases by their constants; these are the
// numbers that settings files store for them.
static_assert(kWritingAsListed == 0 && kWritingUpperCase == 1 && kWritingMixedCase == 2 &&
              kWritingInitialCapitals == 3 && kWritingLowerCase == 4);

namespace {

using enginetest::ChiSquare;
using enginetest::ChiSquareLimit;

const std::string kT32 =
    "Using your current syllable list, it is not possible to create readable words.\n\nAdd further syllables to "
    "your syllable list or disable creating only readable words from \"Settings > Creator\".";
const std::string kT33 =
    "Using your current syllable list and your current settings, it is not possible to create words.\n\nAdd "
    "further syllables to your syllable list, change possible syllable positions or disable creating only "
    "readable words from \"Settings > Creator\".";
const std::string kT34 =
    "Your current syllable list does not contain a syllable for each position within the word.\n\nAdd syllables "
    "with other or without any positions to your syllable list or reduce your desired word length.\n\nMissing "
    "Positions: ";
const std::string kT35 = "Your current syllable list does not contain any frequencies.";
const std::string kT36 = "Your current syllable list contains syllables without a frequency.";
const std::string kT37 = "For creating words, only syllables with a frequency will be used from your syllable list.";
const std::string kT38 = "You can right click the syllable list in order to assign frequencies to your syllables.";
const std::string kT39 = "Please enter a number into the field \"Number of created words\".";
const std::string kT40 =
    "Please enter a number or a range in the form \"1-3\" into the field \"Length of created words\".";
const std::string kT42 = "Please load or create a syllable list to be able to create words.";

std::string T122() { return "More information on: " + SprSyllableListWebPage(0); }

TEngineMessage Err(const std::string& text) { return {TMessageKind::Error, text}; }

class CreateCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    enginetest::EnsureEnglishTexts();
    settings.ReadableWords = false;
  }
  TCreateResult Run(std::string_view length, std::string_view number, std::string_view list,
                    std::string_view output = "") {
    return RunCreateCommand(engine, settings, length, number, list, output);
  }
  void Script(std::vector<uint64_t> values) {
    scripted = std::make_unique<TScriptedRandom>(std::move(values));
    engine.SetRandomGenerator(scripted.get());
  }
  void Seed(uint64_t seed) {
    seeded = std::make_unique<TSeededRandom>(seed);
    engine.SetRandomGenerator(seeded.get());
  }

  TWordGenEngine engine;
  TCreateSettings settings;
  std::unique_ptr<TScriptedRandom> scripted;
  std::unique_ptr<TSeededRandom> seeded;
};

TEST(WordLength, FixedLengthsAndRanges) {
  const struct {
    const char* Text;
    bool Ok;
    int32_t Length, From, To;
  } cases[] = {
      {"3", true, 3, 0, 0},      {"3-6", true, 0, 3, 6},      {"3 - 6", true, 0, 3, 6},
      {" 5", true, 5, 0, 0},     {"\t5", true, 5, 0, 0},      {"-5", true, -5, 0, 0},
      {"+4", true, 4, 0, 0},     {"0-0", true, 0, 0, 0},      {"6-3", true, 0, 6, 3},
      {"5--3", true, 0, 5, -3},  {" 1 -\t3 ", true, 0, 1, 3}, {"5 ", false, 0, 0, 0},
      {"abc", false, 0, 0, 0},   {"3-", false, 0, 0, 0},      {"-", false, 0, 0, 0},
      {"", false, 0, 0, 0},      {"ten", false, 0, 0, 0},     {"-5-3", false, 0, 0, 0},
      {"1-2-3", false, 0, 0, 0}, {"3.5", false, 0, 0, 0},     {"1-2147483648", false, 0, 0, 0},
  };
  for (const auto& c : cases) {
    TWordLength parsed;
    EXPECT_EQ(ParseWordLength(c.Text, parsed), c.Ok) << "\"" << c.Text << "\"";
    if (!c.Ok) continue;
    EXPECT_EQ(parsed.Length, c.Length) << c.Text;
    EXPECT_EQ(parsed.RangeFrom, c.From) << c.Text;
    EXPECT_EQ(parsed.RangeTo, c.To) << c.Text;
  }
  TWordLength parsed;
  ASSERT_TRUE(ParseWordLength("0-0", parsed));
  EXPECT_FALSE(parsed.IsRange());
  ASSERT_TRUE(ParseWordLength("6-3", parsed));
  EXPECT_EQ(parsed.CheckLength(), 3);
  ASSERT_TRUE(ParseWordLength("-7", parsed));
  EXPECT_EQ(parsed.CheckLength(), 0);
}

// Input methods for Japanese and Chinese type full-width digits and dashes.
TEST(WordLength, FullWidthDigitsAndDashes) {
  const struct {
    const char* Text;
    int32_t Length, From, To;
  } cases[] = {
      {"1\u301C3", 0, 1, 3},                                        // 〜 wave dash, as the Japanese hint writes it
      {"\uFF11\uFF5E\uFF13", 0, 1, 3},                              // １～３
      {"\uFF12\uFF0D\uFF16", 0, 2, 6},                              // ２－６
      {" 2 \u301C 4 ", 0, 2, 4},       {"\uFF11\uFF10", 10, 0, 0},  // １０
      {"\uFF0D\uFF15", -5, 0, 0},                                   // －５, as "-5"
  };
  for (const auto& c : cases) {
    TWordLength parsed;
    ASSERT_TRUE(ParseWordLength(c.Text, parsed)) << c.Text;
    EXPECT_EQ(parsed.Length, c.Length) << c.Text;
    EXPECT_EQ(parsed.RangeFrom, c.From) << c.Text;
    EXPECT_EQ(parsed.RangeTo, c.To) << c.Text;
  }
  TWordLength parsed;
  for (const char* bad : {"\uFF11\u301C", "\uFF41", "1\u30FC3", "\xEF\xBC",
                          "1\xFF"
                          "3"})  // ａ, ー (a vowel mark), cut and bad bytes
    EXPECT_FALSE(ParseWordLength(bad, parsed)) << bad;
}

// The example of the length field's message, in every offered language, is a
// text the field takes: a range from 1 to 3.
TEST(WordLength, TheFieldAcceptsTheExampleOfEveryLanguagesHint) {
  enginetest::EnsureEnglishTexts();
  // French sets its guillemets apart with no-break spaces, which belong to the
  // quotes, not to the example. Serbian and Polish open with a low quote.
  const std::pair<std::string, std::string> quotes[] = {
      {"\"", "\""},         {"\u201C", "\u201D"}, {"\u300C", "\u300D"}, {"\u00AB\u00A0", "\u00A0\u00BB"},
      {"\u00AB", "\u00BB"}, {"\u201E", "\u201C"}, {"\u201E", "\u201D"}};
  for (uint32_t language = 0; language <= 13; ++language) {
    SetSprResGlobal(language);
    const std::string hint = SprLocalText(40);
    std::string example;
    // The quoted part that holds a digit; field names hold none.
    for (const auto& [open, close] : quotes)
      for (size_t at = hint.find(open); example.empty() && at != std::string::npos; at = hint.find(open, at + 1)) {
        const size_t end = hint.find(close, at + open.size());
        if (end == std::string::npos) break;
        const std::string quoted = hint.substr(at + open.size(), end - at - open.size());
        if (quoted.find_first_of("0123456789") != std::string::npos || quoted.find("\uFF11") != std::string::npos)
          example = quoted;
        at = end;
      }
    ASSERT_FALSE(example.empty()) << language << ": " << hint;
    TWordLength parsed;
    EXPECT_TRUE(ParseWordLength(example, parsed)) << language << ": " << example;
    EXPECT_EQ(parsed.RangeFrom, 1) << language;
    EXPECT_EQ(parsed.RangeTo, 3) << language;
  }
  SetSprResGlobal(0);
}

TEST_F(CreateCommand, LengthAndNumberMessagesStandAlone) {
  for (const char* bad : {"abc", "3-", "", "5 ", "ten", "100001", "1-100001"}) {
    const TCreateResult r = Run(bad, "6", "1 a", "kept");
    EXPECT_EQ(r.Messages, std::vector<TEngineMessage>{Err(kT40)}) << bad;
    EXPECT_EQ(r.OutputText, "kept");
    EXPECT_FALSE(r.Caret.has_value());
  }
  for (const char* bad : {"ten", "", "5 ", "6.0", "2147483648", "10000001"}) {
    const TCreateResult r = Run("1", bad, "1 a", "kept");
    EXPECT_EQ(r.Messages, std::vector<TEngineMessage>{Err(kT39)}) << bad;
    EXPECT_EQ(r.OutputText, "kept");
  }
  // The length is checked before the number.
  EXPECT_EQ(Run("x", "y", "").Messages, std::vector<TEngineMessage>{Err(kT40)});
  // Too many syllables for one run, also for words of no syllables.
  EXPECT_EQ(Run("100000", "101", "1 a").Messages, std::vector<TEngineMessage>{Err(kT39)});
  EXPECT_EQ(Run("-5", "2147483647", "1 a").Messages, std::vector<TEngineMessage>{Err(kT39)});
  const TCreateResult ok = Run(" 2", " 3", "1 a");
  EXPECT_TRUE(ok.Messages.empty());
  EXPECT_EQ(ok.OutputText, "aa\naa\naa");
}

TEST_F(CreateCommand, RunsWhoseOutputCouldPassAGigabyteAreRefused) {
  // The syllables' size counts too, not only their number: ten thousand
  // syllables of 110000 bytes, or two thousand words joined by a separator
  // of a megabyte, would need more than a gigabyte.
  const std::string longSyllable = "1 " + std::string(110000, 'a');
  TCreateResult r = Run("10", "1000", longSyllable, "kept");
  EXPECT_EQ(r.Messages, std::vector<TEngineMessage>{Err(kT39)});
  EXPECT_EQ(r.OutputText, "kept");
  EXPECT_FALSE(r.Caret.has_value());
  // Comment lines and lines that make no entry do not count.
  r = Run("2", "3", "1 ab\n# " + std::string(2000000, 'x') + "\n 1 " + std::string(2000000, 'y'));
  EXPECT_TRUE(r.Messages.empty());
  EXPECT_EQ(r.OutputText, "abab\nabab\nabab");
  settings.WordsBeside = true;
  settings.WordsBesideBetweenChar = std::string(1 << 20, '-');
  r = Run("1", "2000", "1 a", "kept");
  EXPECT_EQ(r.Messages, std::vector<TEngineMessage>{Err(kT39)});
  EXPECT_EQ(r.OutputText, "kept");
}

TEST_F(CreateCommand, ListMessagesInTheirOrder) {
  const std::string t122 = T122();
  EXPECT_EQ(Run("2", "3", "").Messages, std::vector<TEngineMessage>{Err(kT42 + "\n\n" + t122)});
  EXPECT_EQ(Run("2", "3", "# only\n\n  \n").Messages, std::vector<TEngineMessage>{Err(kT42 + "\n\n" + t122)});
  EXPECT_EQ(Run("2", "3", "ka\nti").Messages,
            std::vector<TEngineMessage>{Err(kT35 + "\n\n" + kT37 + "\n\n" + kT38 + "\n\n" + t122)});
  // Counted as a line with a frequency, but no entry: the empty table.
  EXPECT_EQ(Run("2", "3", " 10 ka").Messages, std::vector<TEngineMessage>{Err(kT42 + "\n\n" + t122)});
  // The readability pre-check only with readable words on.
  settings.ReadableWords = true;
  EXPECT_EQ(Run("2", "3", "1 A\n1 E").Messages, std::vector<TEngineMessage>{Err(kT32 + "\n\n" + t122)});
  settings.ReadableWords = false;
  EXPECT_TRUE(Run("2", "3", "1 A\n1 E").Messages.empty());
  // Positions: the missing ones follow text 34 directly.
  EXPECT_EQ(Run("4", "3", "1B a\n1E b").Messages, std::vector<TEngineMessage>{Err(kT34 + "2 3 \n\n" + t122)});
  EXPECT_EQ(Run("1-3", "3", "1B a\n1E b").Messages, std::vector<TEngineMessage>{Err(kT34 + "2 \n\n" + t122)});
  // Nothing can be drawn from a total of 0.
  EXPECT_EQ(Run("1", "3", "0 a\n-2 b").Messages, std::vector<TEngineMessage>{Err(kT33 + "\n\n" + t122)});
}

TEST_F(CreateCommand, InformationAboutLinesWithoutFrequencyThenWords) {
  const TCreateResult r = Run("1", "3", "10 KA\nKA");
  EXPECT_EQ(r.Messages, (std::vector<TEngineMessage>{
                            {TMessageKind::Information, kT36 + "\n\n" + kT37 + "\n\n" + kT38 + "\n\n" + T122()}}));
  EXPECT_EQ(r.OutputText, "KA\nKA\nKA");
  EXPECT_EQ(r.Caret, 8);
  // The information can be followed by an error of a later check.
  const TCreateResult r2 = Run("3", "1", "1B KA\nKA");
  ASSERT_EQ(r2.Messages.size(), 2u);
  EXPECT_EQ(r2.Messages[0].Kind, TMessageKind::Information);
  EXPECT_EQ(r2.Messages[1], Err(kT34 + "2 3 \n\n" + T122()));
}

TEST_F(CreateCommand, TablesAreRebuiltFromTheRunsInputs) {
  settings.ReadabilityRules = "K>A";
  settings.UseLineBreakChar = true;
  settings.LineBreakChar = "|";
  Run("1", "1", "1 a|b\n2 c");
  ASSERT_EQ(engine.SFA().size(), 2u);
  EXPECT_EQ(engine.SFA()[0].Syllable, "a\nb");
  ASSERT_EQ(engine.LesbarRegeln().Count_Keys(), 1);
  EXPECT_EQ(engine.LesbarRegeln().Items[0].Key, "K");
}

TEST_F(CreateCommand, OnePerLineLayout) {
  const struct {
    const char* Output;
    bool EmptyLine;
    const char* Expected;
  } cases[] = {
      {"", false, "a\na\na"},      {"", true, "a\na\na"},        {"x", false, "x\na\na\na"},
      {"x", true, "x\n\na\na\na"}, {"x\n", false, "x\na\na\na"}, {"x\n", true, "x\n\na\na\na"},
  };
  for (const auto& c : cases) {
    settings.InsertLineBreakBetweenCreations = c.EmptyLine;
    const TCreateResult r = Run("1", "3", "1 a", c.Output);
    EXPECT_EQ(r.OutputText, c.Expected) << "\"" << c.Output << "\" " << c.EmptyLine;
    EXPECT_EQ(r.Caret, static_cast<int64_t>(std::string(c.Expected).size()));
  }
}

TEST_F(CreateCommand, SideBySideLayout) {
  settings.WordsBeside = true;
  const struct {
    const char* Output;
    bool EmptyLine;
    const char* Separator;
    const char* Expected;
  } cases[] = {
      {"KA TI", false, " ", "KA TI RO MU"},
      {"KA TI", true, " ", "KA TI\n\nRO MU"},
      {"KA\n", false, " ", "KA\nRO MU"},
      {"KA\n", true, " ", "KA\n\nRO MU"},
      {"", false, " ", "RO MU"},
      {"", true, " ", "RO MU"},
      {"", false, "", "ROMU"},
      {"KA", false, "--", "KA--RO--MU"},
  };
  for (const auto& c : cases) {
    settings.InsertLineBreakBetweenCreations = c.EmptyLine;
    settings.WordsBesideBetweenChar = c.Separator;
    Script({0, 1});  // RO, then MU
    const TCreateResult r = Run("1", "2", "1 RO\n1 MU", c.Output);
    EXPECT_EQ(r.OutputText, c.Expected) << "\"" << c.Output << "\" " << c.EmptyLine;
    EXPECT_EQ(r.Caret, static_cast<int64_t>(std::string(c.Expected).size()));
  }
}

TEST_F(CreateCommand, WordsWithoutSyllables) {
  // One per line: empty lines.
  TCreateResult r = Run("0", "3", "1 a", "");
  EXPECT_EQ(r.OutputText, "\n\n");
  EXPECT_EQ(r.Caret, 2);
  r = Run("-2", "2", "1 a", "x");
  EXPECT_EQ(r.OutputText, "x\n\n");
  // Side by side: nothing while the line is empty, then only the separator.
  settings.WordsBeside = true;
  settings.WordsBesideBetweenChar = ",";
  r = Run("0", "3", "1 a", "x");
  EXPECT_EQ(r.OutputText, "x");
  EXPECT_EQ(r.Caret, 1);
  Script({1, 0, 0});  // lengths 1, 0, 0 (the syllable draw takes a 0 in between)
  r = Run("0-1", "3", "1 a", "");
  EXPECT_EQ(r.OutputText, "a,,");
  Script({0, 1, 0});  // lengths 0, 1
  r = Run("0-1", "2", "1 a", "");
  EXPECT_EQ(r.OutputText, "a");
}

TEST_F(CreateCommand, NoWordsButEmptyLineAndCaret) {
  settings.InsertLineBreakBetweenCreations = true;
  TCreateResult r = Run("3", "0", "1 a", "x");
  EXPECT_TRUE(r.Messages.empty());
  EXPECT_EQ(r.OutputText, "x\n");
  EXPECT_EQ(r.Caret, 2);
  r = Run("3", "-4", "1 a", "\xC3\xA4x");
  EXPECT_EQ(r.OutputText, "\xC3\xA4x\n");
  EXPECT_EQ(r.Caret, 3);  // characters, not bytes
}

TEST_F(CreateCommand, ClearBeforeCreation) {
  settings.ClearListBeforeCreation = true;
  TCreateResult r = Run("abc", "1", "1 a", "old words");
  EXPECT_EQ(r.OutputText, "");
  EXPECT_EQ(r.Messages, std::vector<TEngineMessage>{Err(kT40)});
  settings.InsertLineBreakBetweenCreations = true;
  r = Run("1", "2", "1 a", "old words");
  EXPECT_EQ(r.OutputText, "a\na");
}

TEST_F(CreateCommand, FailedWordKeepsWhatWasWrittenOnePerLine) {
  settings.SyllableOncePerWord = true;
  // Word 1: length 2 ("ab"); word 2: length 3, which two entries cannot fill
  // once each.
  Script({0, 0, 1, 1, 0, 1});
  TCreateResult r = Run("2-3", "5", "1 a\n1 b", "old");
  EXPECT_EQ(r.Messages, std::vector<TEngineMessage>{Err(kT33 + "\n\n" + T122())});
  EXPECT_EQ(r.OutputText, "old\nab");
  EXPECT_FALSE(r.Caret.has_value());

  settings.InsertLineBreakBetweenCreations = true;
  Script({0, 0, 1, 1, 0, 1});
  r = Run("2-3", "5", "1 a\n1 b", "old");
  EXPECT_EQ(r.OutputText, "old\n\nab");

  // Side by side: the run's line is dropped, the empty line stays.
  settings.WordsBeside = true;
  Script({0, 0, 1, 1, 0, 1});
  r = Run("2-3", "5", "1 a\n1 b", "old");
  EXPECT_EQ(r.OutputText, "old\n");
  EXPECT_FALSE(r.Caret.has_value());
}

TEST_F(CreateCommand, WordThatNeedsTooManyDrawsFailsLikeAnyOther) {
  settings.ReadableWords = true;
  settings.ReadableIfNoRule = false;
  settings.ReadabilityRules = "a>o";
  Seed(7);
  const TCreateResult r = Run("2", "1", "999900000B ta\n99998E in\n2E ox", "old");
  EXPECT_EQ(r.Messages, std::vector<TEngineMessage>{Err(kT33 + "\n\n" + T122())});
  EXPECT_EQ(r.OutputText, "old");
}

TEST_F(CreateCommand, RangeWhosePositionsOnlyFitTheLongestWords) {
  // The check for three syllables passes, but a word of two cannot fill its
  // second position.
  Seed(11);
  const TCreateResult r = Run("1-3", "200", "1P1 a\n1M b\n1P3 c");
  EXPECT_EQ(r.Messages, std::vector<TEngineMessage>{Err(kT33 + "\n\n" + T122())});
  TStrArray lines;
  if (!r.OutputText.empty()) ExplodeAtChar(lines, '\n', r.OutputText);
  for (const std::string& line : lines) EXPECT_TRUE(line == "a" || line == "abc") << line;
}

TEST_F(CreateCommand, LetterCases) {
  const struct {
    int32_t Writing;
    const char* Expected;
  } cases[] = {
      {kWritingAsListed,
       "kA-tI stra\xC3\x9F"
       "e"},
      {kWritingUpperCase, "KA-TI STRASSE"},
      {kWritingInitialCapitals,
       "Ka-Ti Stra\xC3\x9F"
       "e"},
      {kWritingLowerCase,
       "ka-ti stra\xC3\x9F"
       "e"},
      {7,
       "kA-tI stra\xC3\x9F"
       "e"},
  };
  for (const auto& c : cases) {
    settings.Writing = c.Writing;
    EXPECT_EQ(Run("1", "1",
                  "1 kA-tI stra\xC3\x9F"
                  "e")
                  .OutputText,
              c.Expected)
        << c.Writing;
  }
  // A word that begins with "ß", and Greek words that end in sigma.
  const struct {
    int32_t Writing;
    const char* List;
    const char* Expected;
  } kLanguageCases[] = {
      {kWritingInitialCapitals,
       "1 \xC3\x9F"
       "ua",
       "Ssua"},
      {kWritingLowerCase, "1 \xCE\x97\xCE\xA3\xCE\xA5\xCE\xA3", "\xCE\xB7\xCF\x83\xCF\x85\xCF\x82"},
      {kWritingInitialCapitals, "1 \xCE\xB7\xCF\x83\xCF\x8D\xCF\x83", "\xCE\x97\xCF\x83\xCF\x8D\xCF\x82"},
  };
  for (const auto& c : kLanguageCases) {
    settings.Writing = c.Writing;
    EXPECT_EQ(Run("1", "1", c.List).OutputText, c.Expected) << c.List;
  }
  // Mixed case: one draw per character after the syllable's own draw.
  settings.Writing = kWritingMixedCase;
  Script({0, 0, 1, 0, 1, 0});
  EXPECT_EQ(Run("1", "1", "1 kA-tI").OutputText, "Ka-tI");
}

TEST_F(CreateCommand, ReadableWordsFollowTheRules) {
  settings.ReadableWords = true;
  settings.ReadabilityRules = DefaultReadabilityRules();
  Seed(5);
  const TCreateResult r = Run("4", "200", "1 KA\n1 TO\n1 AN\n1 IS");
  ASSERT_TRUE(r.Messages.empty());
  TStrArray lines;
  ExplodeAtChar(lines, '\n', r.OutputText);
  ASSERT_EQ(lines.size(), 200u);
  // Consonant-vowel syllables may follow each other, and vowel-consonant ones;
  // a vowel-consonant syllable never follows a consonant-vowel one's vowel.
  for (const std::string& w : lines) {
    ASSERT_EQ(w.size(), 8u);
    for (size_t i = 2; i < w.size(); i += 2) {
      const bool prevEndsVowel = std::string("AEIOU").find(w[i - 1]) != std::string::npos;
      const bool nextStartsVowel = std::string("AEIOU").find(w[i]) != std::string::npos;
      EXPECT_NE(prevEndsVowel, nextStartsVowel) << w;
    }
  }
}

TEST_F(CreateCommand, RangeGivesEachLengthAQuarter) {
  Seed(2024);
  const int n = 40000;
  const TCreateResult r = Run("3-6", std::to_string(n), "1 a");
  ASSERT_TRUE(r.Messages.empty());
  TStrArray lines;
  ExplodeAtChar(lines, '\n', r.OutputText);
  ASSERT_EQ(lines.size(), static_cast<size_t>(n));
  std::vector<double> counts(4, 0.0);
  for (const std::string& w : lines) {
    ASSERT_GE(w.size(), 3u);
    ASSERT_LE(w.size(), 6u);
    counts[w.size() - 3] += 1;
  }
  EXPECT_LT(ChiSquare(counts, {0.25, 0.25, 0.25, 0.25}), ChiSquareLimit(3));
  // A reversed range draws between the same two bounds.
  Seed(7);
  const TCreateResult rev = Run("6-3", "400", "1 a");
  std::map<size_t, int> seen;
  TStrArray revLines;
  ExplodeAtChar(revLines, '\n', rev.OutputText);
  for (const std::string& w : revLines) ++seen[w.size()];
  EXPECT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen.begin()->first, 3u);
  EXPECT_EQ(seen.rbegin()->first, 6u);
}

}  // namespace
