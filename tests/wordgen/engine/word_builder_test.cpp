#include "wordgen/engine/word_generator.h"

#include <gtest/gtest.h>

#include <map>

#include "engine_test_support.h"
#include "foundation/letters.h"
#include "foundation/utf8.h"
#include "syllables/syllable_lists.h"
#include "wordgen/engine/readability.h"

namespace {

using enginetest::ChiSquare;
using enginetest::ChiSquareLimit;
using enginetest::CountingRandom;
using enginetest::Load;

// The entry that one scripted generator value leads to.
int32_t DrawWith(TWordGenEngine& engine, uint64_t value, uint64_t* range = nullptr) {
  TScriptedRandom gen({value});
  engine.SetRandomGenerator(&gen);
  const int32_t i = engine.DrawSyllable();
  if (range) *range = gen.Ranges().empty() ? 0 : gen.Ranges()[0];
  engine.SetRandomGenerator(nullptr);
  return i;
}

TEST(WeightedDraw, EachEntryTakesExactlyItsFrequency) {
  TWordGenEngine engine;
  Load(engine, {"3 ka", "2 ti"});
  // The generator is asked for a number in [0, 5); r = value + 1.
  const int32_t expected[] = {0, 0, 0, 1, 1};
  for (uint64_t v = 0; v < 5; ++v) {
    uint64_t range = 0;
    EXPECT_EQ(DrawWith(engine, v, &range), expected[v]) << "r = " << v + 1;
    EXPECT_EQ(range, 5u);
  }
}

TEST(WeightedDraw, ZeroAndNegativeFrequenciesAreNeverDrawn) {
  TWordGenEngine engine;
  Load(engine, {"0 a", "3 b", "0 c", "-7 d", "2 e", "0 f"});
  ASSERT_EQ(engine.MaxKum(), 5);
  const int32_t expected[] = {1, 1, 1, 4, 4};
  for (uint64_t v = 0; v < 5; ++v) EXPECT_EQ(DrawWith(engine, v), expected[v]) << v;
}

TEST(WeightedDraw, NothingToDrawWhenTheTotalIsZero) {
  TWordGenEngine engine;
  Load(engine, {"0 a", "-1 b"});
  TScriptedRandom gen({0});
  engine.SetRandomGenerator(&gen);
  EXPECT_EQ(engine.DrawSyllable(), -1);
  EXPECT_EQ(engine.FindSyllablePosInGlobalSFA(1, 1, false), -1);
  EXPECT_EQ(engine.CreateWord(2, false, true, false), NulMarker());
  EXPECT_EQ(engine.CreateWord(2, true, true, false), NulMarker());
  EXPECT_EQ(gen.Draws(), 0u);
  // A word of no syllables needs no draw and succeeds.
  EXPECT_EQ(engine.CreateWord(0, true, true, true), "");
  EXPECT_EQ(engine.CreateWord(-4, false, true, true), "");
}

TEST(WeightedDraw, TotalsBeyondThirtyOneBits) {
  TWordGenEngine engine;
  Load(engine, {"2147483647 a", "2147483647 b", "5 c"});
  const uint64_t total = 2ull * 2147483647 + 5;
  uint64_t range = 0;
  EXPECT_EQ(DrawWith(engine, 0, &range), 0);
  EXPECT_EQ(range, total);
  EXPECT_EQ(DrawWith(engine, 2147483646), 0);
  EXPECT_EQ(DrawWith(engine, 2147483647), 1);
  EXPECT_EQ(DrawWith(engine, 2ull * 2147483647 - 1), 1);
  EXPECT_EQ(DrawWith(engine, 2ull * 2147483647), 2);
  EXPECT_EQ(DrawWith(engine, total - 1), 2);
}

TEST(WeightedDraw, LookupByRunningTotal) {
  TWordGenEngine engine;
  Load(engine, {"3 a", "0 b", "2 c"});
  EXPECT_EQ(engine.GetSyllablePositionFromGlobalSFA(-5), 0);
  EXPECT_EQ(engine.GetSyllablePositionFromGlobalSFA(3), 0);
  EXPECT_EQ(engine.GetSyllablePositionFromGlobalSFA(4), 2);
  EXPECT_EQ(engine.GetSyllablePositionFromGlobalSFA(5), 2);
  EXPECT_EQ(engine.GetSyllablePositionFromGlobalSFA(6), -1);
  Load(engine, {});
  EXPECT_EQ(engine.GetSyllablePositionFromGlobalSFA(0), -1);
}

TEST(WordBuilderLimits, SearchGivesUpAfterTwoHundredThousandDraws) {
  TWordGenEngine engine;
  Load(engine, {"1P5 X"});
  TScriptedRandom gen({0});
  engine.SetRandomGenerator(&gen);
  EXPECT_EQ(engine.CreateWord(3, false, true, false), NulMarker());
  EXPECT_EQ(gen.Draws(), 200000u);
}

TEST(WordBuilderLimits, PositionGivesUpAfterTwoHundredThousandAndOneTests) {
  TWordGenEngine engine;
  Load(engine, {"1 X"});
  engine.CreateGlobalLesbarRegeln("X>Y");
  TScriptedRandom gen({0});
  engine.SetRandomGenerator(&gen);
  EXPECT_EQ(engine.CreateWord(2, true, false, false), NulMarker());
  // One draw for the first position; the second makes 200001 tests, and the
  // candidate drawn after them ends the word untested.
  EXPECT_EQ(gen.Draws(), 1u + 200001u + 1u);
  // Words of one syllable are never tested against the rules.
  EXPECT_EQ(engine.CreateWord(1, true, false, false), "X");
  // With the if-no-rule flag on, rules that say nothing about X let it follow X.
  engine.CreateGlobalLesbarRegeln("Q>Y");
  EXPECT_EQ(engine.CreateWord(3, true, true, false), "XXX");
}

TEST(WordBuilderLimits, OneWordGivesUpAfterTenMillionDraws) {
  // The rule refuses "in" after "ta", and "ox" is drawn about once in 5·10^8
  // draws: within the per-position limits this word took seconds.
  TWordGenEngine engine;
  Load(engine, {"999900000B ta", "99998E in", "2E ox"});
  engine.CreateGlobalLesbarRegeln("a>o");
  enginetest::CountingRandom gen(7);
  engine.SetRandomGenerator(&gen);
  EXPECT_EQ(engine.CreateWord(2, true, false, false), NulMarker());
  EXPECT_EQ(gen.Draws(), 10000000u);
  // The search alone keeps its own limit (no entry fits the middle).
  enginetest::CountingRandom gen3(7);
  engine.SetRandomGenerator(&gen3);
  EXPECT_EQ(engine.FindSyllablePosInGlobalSFA(2, 3, false), -1);
  EXPECT_EQ(gen3.Draws(), 200000u);
  // The same cap holds without readability: every position after the first
  // finds "in" within about 20000 draws, but a thousand of them need more.
  Load(engine, {"19999B ta", "1 in"});
  enginetest::CountingRandom gen2(7);
  engine.SetRandomGenerator(&gen2);
  EXPECT_EQ(engine.CreateWord(1000, false, true, false), NulMarker());
  EXPECT_EQ(gen2.Draws(), 10000000u);
}

TEST(WordBuilderLimits, OncePerWordRunsOutOfEntries) {
  TWordGenEngine engine;
  Load(engine, {"1 A", "1 B"});
  TScriptedRandom gen({0, 1});  // A, then B for ever
  engine.SetRandomGenerator(&gen);
  EXPECT_EQ(engine.CreateWord(3, false, true, true), NulMarker());
  EXPECT_EQ(gen.Draws(), 2u + 200000u);
  // Without the flag the same draws make a word, and Used is still set.
  TScriptedRandom gen2({0, 1});
  engine.SetRandomGenerator(&gen2);
  EXPECT_EQ(engine.CreateWord(3, false, true, false), "ABB");
  EXPECT_TRUE(engine.SFA()[0].Used);
  EXPECT_TRUE(engine.SFA()[1].Used);
}

TEST(WordBuilder, UsedBelongsToTheEntryNotToTheSyllable) {
  TWordGenEngine engine;
  Load(engine, {"1 ka", "1 ka"});
  CountingRandom gen(7);
  engine.SetRandomGenerator(&gen);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(engine.CreateWord(2, false, true, true), "kaka");
  EXPECT_EQ(engine.CreateWord(3, false, true, true), NulMarker());
}

TEST(WordBuilder, BeginAndEndEntriesBothFitAOneSyllableWord) {
  TWordGenEngine engine;
  Load(engine, {"1B b", "1E e"});
  CountingRandom gen(3);
  engine.SetRandomGenerator(&gen);
  std::map<std::string, int> seen;
  for (int i = 0; i < 200; ++i) ++seen[engine.CreateWord(1, false, true, false)];
  EXPECT_EQ(seen.size(), 2u);
  EXPECT_GT(seen["b"], 0);
  EXPECT_GT(seen["e"], 0);
  EXPECT_EQ(engine.CreateWord(2, false, true, false), "be");
}

TEST(WordBuilder, FailureMarkerReplacesTheWholeWord) {
  TWordGenEngine engine;
  // Two syllables can be placed, the third position has no entry.
  Load(engine, {"1P1 a", "1P2 b"});
  CountingRandom gen(5);
  engine.SetRandomGenerator(&gen);
  EXPECT_EQ(engine.CreateWord(2, false, true, false), "ab");
  EXPECT_EQ(engine.CreateWord(3, false, true, false), NulMarker());
}

TEST(DrawStatistics, EnglishLettersMatchTheirShares) {
  TWordGenEngine engine;
  engine.CreateSilbenFrequencyArray(LoadListEN(true, false, false), false, "");
  const TSilbenFrequencyArray& sfa = engine.SFA();
  ASSERT_GE(sfa.size(), 26u);
  TSeededRandom gen(20240601);
  engine.SetRandomGenerator(&gen);
  std::vector<double> observed(sfa.size(), 0.0);
  for (int i = 0; i < 1000000; ++i) {
    const int32_t k = engine.DrawSyllable();
    ASSERT_GE(k, 0);
    observed[k] += 1;
  }
  std::vector<double> obs;
  std::vector<double> shares;
  for (size_t k = 0; k < sfa.size(); ++k) {
    if (sfa[k].Frequency <= 0) {
      EXPECT_EQ(observed[k], 0) << sfa[k].Syllable;
      continue;
    }
    obs.push_back(observed[k]);
    shares.push_back(static_cast<double>(sfa[k].Frequency) / static_cast<double>(engine.MaxKum()));
  }
  EXPECT_LT(ChiSquare(obs, shares), ChiSquareLimit(static_cast<int>(obs.size()) - 1));
}

TEST(DrawStatistics, PositionsAreRespectedOnEveryWord) {
  TWordGenEngine engine;
  // One letter per entry, so that each letter of a word names its entry.
  Load(engine, {"5B b", "5E e", "5M m", "5P2 p", "5L2 l", "5R2 r", "5 x", "1P1 f"});
  const TSilbenFrequencyArray& sfa = engine.SFA();
  TSeededRandom gen(99);
  engine.SetRandomGenerator(&gen);
  std::map<char, int32_t> entryOf;
  for (int32_t i = 0; i < static_cast<int32_t>(sfa.size()); ++i) entryOf[sfa[i].Syllable[0]] = i;
  std::map<char, int> letters;
  for (int32_t length = 1; length <= 6; ++length) {
    for (int w = 0; w < 2000; ++w) {
      const std::string word = engine.CreateWord(length, false, true, false);
      ASSERT_EQ(word.size(), static_cast<size_t>(length));
      for (int32_t a = 1; a <= length; ++a) {
        const TSilbenFrequencyItem& e = sfa[entryOf.at(word[a - 1])];
        ASSERT_TRUE(IsAllowedAtPosition(e.PositionType, e.PositionValue, a, length)) << word << " at " << a;
        ++letters[word[a - 1]];
      }
    }
  }
  EXPECT_EQ(letters.size(), sfa.size());  // every entry turned up somewhere
}

TEST(DrawStatistics, DefaultRulesAlternateVowelsAndConsonants) {
  TWordGenEngine engine;
  engine.CreateSilbenFrequencyArray(LoadListEN(true, false, false), false, "");
  engine.CreateGlobalLesbarRegeln(DefaultReadabilityRules());
  TSeededRandom gen(4242);
  engine.SetRandomGenerator(&gen);
  for (int w = 0; w < 3000; ++w) {
    const std::string word = engine.CreateWord(6, true, true, false);
    ASSERT_EQ(UTF8Length(word), 6u) << word;
    for (size_t i = 1; i < word.size(); ++i) {
      const std::string prev(1, word[i - 1]);
      const std::string cur(1, word[i]);
      ASSERT_NE(IsVokal(prev), IsVokal(cur)) << word;
      ASSERT_NE(IsKonsonant(prev), IsKonsonant(cur)) << word;
    }
  }
}

TEST(DrawStatistics, OncePerWordIsSamplingWithoutReplacement) {
  TWordGenEngine engine;
  Load(engine, {"1 X", "2 Y"});
  TSeededRandom gen(777);
  engine.SetRandomGenerator(&gen);
  std::map<std::string, double> seen;
  const int n = 60000;
  for (int w = 0; w < n; ++w) seen[engine.CreateWord(2, false, true, true)] += 1;
  EXPECT_EQ(seen.count("XX"), 0u);
  EXPECT_EQ(seen.count("YY"), 0u);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_LT(ChiSquare({seen["XY"], seen["YX"]}, {1.0 / 3, 2.0 / 3}), ChiSquareLimit(1));
}

}  // namespace
