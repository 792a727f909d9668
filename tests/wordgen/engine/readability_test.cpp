#include "wordgen/engine/readability.h"

#include <gtest/gtest.h>

#include <random>

#include "engine_test_support.h"
#include "foundation/utf8.h"
#include "wordgen/engine/word_generator.h"

namespace {

using enginetest::Load;

TEST(ReadabilityRules, DefaultTextShape) {
  const std::string& text = DefaultReadabilityRules();
  EXPECT_EQ(UTF8Length(text), 736u);
  EXPECT_EQ(text.size(), 1052u);
  const size_t firstBreak = text.find('\n');
  ASSERT_NE(firstBreak, std::string::npos);
  EXPECT_EQ(text.substr(firstBreak, 2), "\n\n");
  EXPECT_EQ(text.find('\n', firstBreak + 2), std::string::npos);
  EXPECT_EQ(text.find(' '), std::string::npos);
  EXPECT_EQ(text.substr(0, 10), "A|E|I|O|U|");
  EXPECT_EQ(text.substr(text.size() - 2), "\xC3\x9C");  // ends with "Ü"

  TKeyStrArrayArrayObj rules;
  ParseReadabilityRules(text, rules);
  // Ä, Ö and Ü occur twice in the vowel list and become one key each.
  EXPECT_EQ(rules.Count_Keys(), 73 + 108);
  EXPECT_EQ(rules.Items[0].Key, "A");
  ASSERT_EQ(rules.Items[0].Values.size(), 108u);
  EXPECT_EQ(rules.Items[0].Values[21], "\xC3\x9F");  // ß
  const int32_t ae = rules.GetIndexOfKey("\xC3\x84");
  ASSERT_GE(ae, 0);
  EXPECT_EQ(rules.Items[ae].Values.size(), 216u);  // its line lists it twice
  const int32_t b = rules.GetIndexOfKey("B");
  ASSERT_GE(b, 0);
  EXPECT_EQ(rules.Items[b].Values.size(), 76u);
  // Greek capital alpha, Cyrillic capital A and Latin A are three keys.
  EXPECT_GE(rules.GetIndexOfKey("\xCE\x91"), 0);
  EXPECT_GE(rules.GetIndexOfKey("\xD0\x90"), 0);
}

TEST(ReadabilityRules, ParsingKeepsPartsAsWritten) {
  TKeyStrArrayArrayObj rules;
  ParseReadabilityRules("note without arrow\r\n A | E>B|C \r\n\r\nA>D>E\r\nX||Y>\r\n>Z", rules);
  ASSERT_EQ(rules.Count_Keys(), 6);
  EXPECT_EQ(rules.Items[0].Key, "A ");
  EXPECT_EQ(rules.Items[0].Values, (TStrArray{"B", "C"}));
  EXPECT_EQ(rules.Items[1].Key, " E");
  EXPECT_EQ(rules.Items[2].Key, "A");
  EXPECT_EQ(rules.Items[2].Values, (TStrArray{"D>E"}));
  EXPECT_EQ(rules.Items[3].Key, "X");
  EXPECT_EQ(rules.Items[3].Values, (TStrArray{""}));
  EXPECT_EQ(rules.Items[4].Key, "");
  EXPECT_EQ(rules.Items[4].Values, (TStrArray{"", "Z"}));  // from "X||Y>" and ">Z"
  EXPECT_EQ(rules.Items[5].Key, "Y");

  // A second parse replaces the first.
  ParseReadabilityRules("Q>R", rules);
  ASSERT_EQ(rules.Count_Keys(), 1);
  EXPECT_EQ(rules.Items[0].Key, "Q");
}

struct CheckCase {
  const char* Rules;  // nullptr: the default rules
  const char* Word;
  const char* Syllable;
  bool IfNoRuleOn;
  bool IfNoRuleOff;
};

TEST(ReadabilityCheck, DefaultAndCustomRules) {
  const CheckCase cases[] = {
      // Default rules.
      {nullptr, "KA", "TO", true, true},
      {nullptr, "KA", "AN", false, false},
      {nullptr, "KA", "1X", true, false},
      {nullptr, "ka", "an", true, false},
      {nullptr, "", "AN", true, true},
      {nullptr, "", "", true, true},
      {nullptr, "TO",
       "\xC3\x9F"
       "A",
       true, true},                              // ß is a consonant
      {nullptr, "K\xC3\x84", "SA", true, true},  // after Ä
      {nullptr, "KO",
       "\xD0\x91"
       "A",
       true, true},  // Cyrillic Б after Latin O
      // ">B": every word may be followed by B, and every word ends in a key.
      {">B", "XY", "BA", true, true},
      {">B", "XY", "CA", true, false},
      {">B\nC>D", "XY", "CA", false, false},
      {"C>D", "XY", "CA", true, false},
      // "A | E>B": the keys are "A " and " E".
      {"A | E>B", "KA", "BO", true, false},
      {"A | E>B", "KA ", "BO", true, true},
      {"A | E>B", "K E", "BO", true, true},
      // Two lines for one key add up.
      {"A>B\nA>C", "KA", "BO", true, true},
      {"A>B\nA>C", "KA", "CO", true, true},
      {"A>B\nA>C", "KA", "DO", true, false},
      {"A>B\nA>C", "KA", "AD", false, false},
      // "A>": nothing allowed after A, and A is still a key.
      {"A>", "KA", "BO", true, false},
      {"A>", "KA", "AB", false, false},
      {"A>", "KO", "AB", true, false},
      // Longer keys and values.
      {"SCH>A", "TISCH", "AB", true, true},
      {"SCH>A", "TICH", "AB", true, false},
      {"SCH>A", "TISCH", "SCHA", false, false},
      {"A>BR", "KA", "BRO", true, true},
      {"A>BR", "KA", "BO", true, false},
      // An empty key in the middle of a side matches every word.
      {"A||E>B", "XY", "BO", true, true},
  };
  TWordGenEngine engine;
  for (const CheckCase& c : cases) {
    engine.CreateGlobalLesbarRegeln(c.Rules ? c.Rules : DefaultReadabilityRules());
    const std::string where = std::string(c.Rules ? c.Rules : "<default>") + " | " + c.Word + " + " + c.Syllable;
    EXPECT_EQ(engine.ReadabilityCheck(c.Word, c.Syllable, true), c.IfNoRuleOn) << where << " (flag on)";
    EXPECT_EQ(engine.ReadabilityCheck(c.Word, c.Syllable, false), c.IfNoRuleOff) << where << " (flag off)";
  }
}

// The rule test as the rules define it, by plain scans over the table.
bool OracleCheck(const TKeyStrArrayArrayObj& rules, const std::string& w, const std::string& s, bool f) {
  if (w.empty()) return true;
  auto ends = [&](const std::string& k) {
    return w.size() >= k.size() && w.compare(w.size() - k.size(), k.size(), k) == 0;
  };
  auto begins = [&](const std::string& v) { return s.size() >= v.size() && s.compare(0, v.size(), v) == 0; };
  bool someKeyEnds = false;
  for (const auto& item : rules.Items) {
    if (!ends(item.Key)) continue;
    someKeyEnds = true;
    for (const auto& v : item.Values)
      if (!v.empty() && begins(v)) return true;
  }
  if (!f) return false;
  bool someKeyBegins = false;
  for (const auto& item : rules.Items)
    if (!item.Key.empty() && begins(item.Key)) someKeyBegins = true;
  return !(someKeyEnds && someKeyBegins);
}

TEST(ReadabilityCheck, AgreesWithPlainScanOnRandomRules) {
  std::mt19937 rng(12345);
  const std::string alphabet[] = {"A", "B", "C", "\xC3\x84", "\xD0\x91"};
  auto randomText = [&](int maxLen) {
    std::string t;
    const int len = static_cast<int>(rng() % (maxLen + 1));
    for (int i = 0; i < len; ++i) t += alphabet[rng() % 5];
    return t;
  };
  TWordGenEngine engine;
  for (int round = 0; round < 200; ++round) {
    std::string rulesText;
    const int lines = 1 + static_cast<int>(rng() % 4);
    for (int l = 0; l < lines; ++l) {
      const int keys = 1 + static_cast<int>(rng() % 3);
      for (int k = 0; k < keys; ++k) rulesText += (k ? "|" : "") + randomText(2);
      rulesText += ">";
      const int values = 1 + static_cast<int>(rng() % 3);
      for (int v = 0; v < values; ++v) rulesText += (v ? "|" : "") + randomText(2);
      rulesText += "\n";
    }
    engine.CreateGlobalLesbarRegeln(rulesText);
    for (int t = 0; t < 50; ++t) {
      const std::string w = randomText(3);
      const std::string s = randomText(3);
      for (bool f : {false, true})
        ASSERT_EQ(engine.ReadabilityCheck(w, s, f), OracleCheck(engine.LesbarRegeln(), w, s, f))
            << rulesText << "| " << w << " + " << s << " flag " << f;
    }
  }
}

TEST(ReadabilityPreCheck, NeedsAVowelAndAConsonantStart) {
  TWordGenEngine engine;
  Load(engine, {"1 A", "1 EI", "1 \xC3\x96"});
  EXPECT_FALSE(engine.CheckSyllableListIfLesbar());
  Load(engine, {"1 A", "1 EI", "1 KA"});
  EXPECT_TRUE(engine.CheckSyllableListIfLesbar());
  Load(engine, {"1 A", "1 1X"});  // a digit counts as both
  EXPECT_TRUE(engine.CheckSyllableListIfLesbar());
  Load(engine, {"1 ka", "1 to"});  // case is ignored here
  EXPECT_FALSE(engine.CheckSyllableListIfLesbar());
  Load(engine, {"1 ka", "1 a"});
  EXPECT_TRUE(engine.CheckSyllableListIfLesbar());
  Load(engine, {"1 \xD0\xB1\xD0\xB0", "1 \xCE\xB1"});  // Cyrillic б, Greek α
  EXPECT_TRUE(engine.CheckSyllableListIfLesbar());
  // The rules play no part, and frequencies neither.
  engine.CreateGlobalLesbarRegeln("");
  Load(engine, {"0 K", "0 O"});
  EXPECT_TRUE(engine.CheckSyllableListIfLesbar());
  Load(engine, {});
  EXPECT_FALSE(engine.CheckSyllableListIfLesbar());
}

}  // namespace

namespace {

// Words built with readable on obey the rules at every syllable boundary,
// with remembered verdicts reused across words, rule sets and tables.
TEST(ReadabilityCheck, WordBuilderFollowsTheRulesAtEveryBoundary) {
  std::mt19937 rng(777);
  const char letters[] = {'A', 'B', 'C', 'D'};
  TWordGenEngine engine;
  TSeededRandom gen(31);
  engine.SetRandomGenerator(&gen);
  for (int round = 0; round < 20; ++round) {
    TStrArray list;
    for (char c : letters) list.push_back(std::to_string(1 + rng() % 5) + " " + std::string(1, c));
    engine.CreateSilbenFrequencyArray(list, false, "");
    // Several rule sets over the same table. Every letter gets at least one
    // follower, so that no word has to fail (a failure costs 200001 tests);
    // the random picks decide which.
    for (int rules = 0; rules < 3; ++rules) {
      std::string rulesText;
      for (char key : letters) {
        rulesText += std::string(1, key) + ">" + std::string(1, letters[rng() % 4]);
        if (rng() % 2) rulesText += "|" + std::string(1, letters[rng() % 4]);
        rulesText += "\n";
      }
      engine.CreateGlobalLesbarRegeln(rulesText);
      for (bool f : {false, true}) {
        for (int w = 0; w < 20; ++w) {
          const std::string word = engine.CreateWord(4, true, f, false);
          ASSERT_EQ(word.size(), 4u) << rulesText;
          for (size_t i = 1; i < word.size(); ++i)
            ASSERT_TRUE(OracleCheck(engine.LesbarRegeln(), word.substr(0, i), word.substr(i, 1), f))
                << rulesText << word << " flag " << f;
        }
      }
    }
  }
}

}  // namespace
