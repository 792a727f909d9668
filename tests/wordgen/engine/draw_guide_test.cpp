#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/random.h"
#include "wordgen/engine/readability.h"
#include "wordgen/engine/word_generator.h"

namespace {

// Every value of a draw selects the entry that the running totals give, for
// tables with zero, negative, tiny and huge frequencies, also after an entry
// was appended.
TEST(DrawLookup, EveryValueSelectsTheEntryOfItsRunningTotal) {
  TSeededRandom rnd(3);
  for (int table = 0; table < 300; ++table) {
    TWordGenEngine engine;
    const uint64_t entries = 1 + rnd.Random(60);
    const uint64_t scale = table % 3 == 0 ? 4 : table % 3 == 1 ? 1000 : 2000000000;
    auto addEntry = [&] {
      const int64_t f = rnd.Random(5) == 0 ? 0 : static_cast<int64_t>(rnd.Random(scale)) - (rnd.Random(8) == 0);
      engine.AddToSyllableList("s", static_cast<int32_t>(f), 0, 1);
    };
    for (uint64_t e = 0; e < entries; ++e) addEntry();
    for (int grown = 0; grown < 2; ++grown) {
      const int64_t total = engine.MaxKum();
      if (total <= 0) break;
      std::vector<uint64_t> values;
      for (uint64_t v = 0; v < 300 && static_cast<int64_t>(v) < total; ++v) values.push_back(v);
      for (int k = 0; k < 300; ++k) values.push_back(rnd.Random(static_cast<uint64_t>(total)));
      values.push_back(static_cast<uint64_t>(total) - 1);
      TScriptedRandom scripted(values);
      engine.SetRandomGenerator(&scripted);
      for (uint64_t v : values)
        ASSERT_EQ(engine.DrawSyllable(), engine.GetSyllablePositionFromGlobalSFA(static_cast<int64_t>(v) + 1))
            << "table " << table << ", r = " << v + 1;
      engine.SetRandomGenerator(nullptr);
      addEntry();
    }
  }
}

// Readable words whose syllables are shorter than the rules' keys: each
// syllable after the first passes the rule check against the word before it,
// whatever syllables that word ended with.
TEST(ReadableWords, EverySyllablePassesAgainstTheWholeWordBeforeIt) {
  // Each syllable starts with its only capital letter, so words split back.
  const std::vector<std::string> syllables = {"A", "B", "C", "Da", "Eb", "Fab", "Gba", "Hc"};
  // Every last letter is a key, so no word runs out of syllables.
  const std::string rules = "A|AB|CA|a>D|F\nB|bA>A|E|G\nC|c>H|A\nb|Ba>B|C";
  for (bool ifNoRule : {false, true}) {
    TWordGenEngine engine;
    for (const std::string& s : syllables) engine.AddToSyllableList(s, 1, 0, 1);
    engine.CreateGlobalLesbarRegeln(rules);
    TSeededRandom gen(ifNoRule ? 7 : 8);
    engine.SetRandomGenerator(&gen);
    int checked = 0;
    for (int w = 0; w < 3000; ++w) {
      const std::string word = engine.CreateWord(1 + w % 6, true, ifNoRule, false);
      if (word == NulMarker()) continue;
      size_t start = 0;
      for (size_t i = 1; i <= word.size(); ++i) {
        if (i < word.size() && !(word[i] >= 'A' && word[i] <= 'Z')) continue;
        if (start > 0) {
          ASSERT_TRUE(engine.ReadabilityCheck(word.substr(0, start), word.substr(start, i - start), ifNoRule)) << word;
          ++checked;
        }
        start = i;
      }
    }
    EXPECT_GT(checked, 1000);
  }
}

}  // namespace
