#include <gtest/gtest.h>

#include <memory>

#include "foundation/letters.h"
#include "foundation/random.h"

TEST(Letters, ClassTests) {
  struct Case {
    const char* text;
    bool letter, vokal, konsonant;
  } cases[] = {
      {"ß", true, false, true},  {"y", true, false, true},   {"Y", true, false, true},   {"ω", true, true, false},
      {"ь", true, false, false}, {"Ь", true, false, false},  {"ъ", true, false, false},  {"ю", true, false, true},
      {"я", true, false, true},  {"ё", true, true, false},   {"ж", true, false, true},   {"a", true, true, false},
      {"ä", true, true, false},  {"Ü", true, true, false},   {"θ", true, false, true},   {"7", false, false, false},
      {"", false, false, false}, {" ", false, false, false}, {"-", false, false, false}, {"語", false, false, false},
      {"ệ", true, false, false}, {"Ạ", true, false, false},  {"ა", true, false, false},  {"é", true, false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsLetter(c.text), c.letter) << c.text;
    EXPECT_EQ(IsVokal(c.text), c.vokal) << c.text;
    EXPECT_EQ(IsKonsonant(c.text), c.konsonant) << c.text;
  }
}

TEST(Letters, LettersWhoseUpperCaseIsSeveralCharacters) {
  // Their one-to-one mappings leave them unchanged; the full ones do not.
  for (const char* c : {"ΐ", "ΰ", "ǰ", "ŉ", "և", "ﬀ", "ẖ", "ﬓ", "ß"}) EXPECT_TRUE(IsLetter(c)) << c;
  // Characters without any case stay non-letters.
  for (const char* c : {"ĸ", "ª", "語", "ء", "٣"}) EXPECT_FALSE(IsLetter(c)) << c;
}

TEST(Letters, ClassTestsAreSubstringTests) {
  EXPECT_TRUE(IsVokal("aei"));
  EXPECT_FALSE(IsVokal("AA"));
  EXPECT_TRUE(IsKonsonant("bc"));
  // The upper case of ß is SS, which is no part of the consonant string.
  EXPECT_FALSE(IsKonsonant("ßa"));
  EXPECT_EQ(VokalChars(), "AEIOUÄÖÜΑАЕЁИОУЫЭΕΗΙΟΥΩ");
}

TEST(Letters, DiacriticsToLetters) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"Ångström, Łódź, Œuvre, Ðe", "Angstrom, Lodz, Ouvre, Ee"},
      {"straße", "straße"},
      {"ÞþıǺǻȘșȚțƠơƯưİ", "ÞþıAaSsTtOoUuI"},
      {"æÆœŒðÿŸ", "aAoOeyY"},
      {"Ḁ日本", "Ḁ日本"},
      {"a\xE9z", "a\xEF\xBF\xBDz"},
  };
  for (const auto& c : cases) EXPECT_EQ(DiacriticsToLetters(c.in), c.out) << c.in;
  // NUL is an ordinary character: nothing after it is lost.
  EXPECT_EQ(DiacriticsToLetters(std::string("a\0é", 4)), std::string("a\0e", 3));
}

TEST(Letters, DiacriticsToAlternative) {
  EXPECT_EQ(DiacriticsToAlternative("Äpfel, ÖL, Übel, Maß", true), "Aepfel, OEL, Uebel, Mass");
  EXPECT_EQ(DiacriticsToAlternative("Äpfel, ÖL, Übel, Maß", false), "AEpfel, OEL, UEbel, Mass");
  EXPECT_EQ(DiacriticsToAlternative("schön grün ärgerlich", true), "schoen gruen aergerlich");
  EXPECT_EQ(DiacriticsToAlternative("Ä", true), "AE");
  EXPECT_EQ(DiacriticsToAlternative("", false), "");
}

TEST(Letters, UppercaseDiacriticsToFittingAlternative) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"MÜ", "MUE"},  {"Ärger", "Aerger"}, {"ÄRGER", "AERGER"}, {"Ä b", "AE b"},
      {"ÄÖ", "AEOE"}, {"Äß", "Aeß"},       {"Ä1", "AE1"},       {"xÖy", "xOey"},
  };
  for (const auto& c : cases) EXPECT_EQ(UppercaseDiacriticsToFittingAlternative(c.in), c.out) << c.in;
}

TEST(Letters, UpperCaseBegin) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"hELLO wORLD-wide 3d", "Hello World-Wide 3D"},
      {"ßa", "Ssa"},
      {"o'neil", "O'Neil"},
      {"жЖУК", "Жжук"},
      {"", ""},
      {"123", "123"},
  };
  for (const auto& c : cases) EXPECT_EQ(UpperCaseBegin(c.in), c.out) << c.in;
}

TEST(Letters, MixedCaseDrawsOncePerCharacter) {
  TScriptedRandom gen({0, 1, 1});
  EXPECT_EQ(MixedCase("abc", gen), "Abc");
  EXPECT_EQ(gen.Draws(), 3u);
  for (uint64_t n : gen.Ranges()) EXPECT_EQ(n, 2u);

  // Non-letters consume a draw too, and an ß drawn for upper case becomes SS.
  TScriptedRandom gen2({1, 0, 0, 1, 0});
  EXPECT_EQ(MixedCase("A-ßÄ7", gen2), "a-SSä7");
  EXPECT_EQ(gen2.Draws(), 5u);
}

TEST(Letters, MixedCaseUsesTheProgramGenerator) {
  auto owned = std::make_unique<TScriptedRandom>(std::vector<uint64_t>{1, 0, 1, 0});
  TScriptedRandom* gen = owned.get();
  SetProgramRandom(std::move(owned));
  EXPECT_EQ(MixedCase("wörd"), "wÖrD");
  EXPECT_EQ(gen->Draws(), 4u);
  SetProgramRandom(nullptr);
}

TEST(Letters, CharacterSetHelpers) {
  EXPECT_EQ(AddCharToStringIfCharIsNotInString("ab", "bcc"), "abc");
  EXPECT_EQ(AddCharToStringIfCharIsNotInString("äb", "öäö"), "äbö");
  EXPECT_EQ(RemoveCharsFromString("banana", "an"), "b");
  EXPECT_EQ(RemoveCharsFromString("Grüße", "üx"), "Grße");
  EXPECT_TRUE(StringContainsAllChars("abc", ""));
  EXPECT_FALSE(StringContainsAllChars("abc", "ad"));
  EXPECT_TRUE(StringContainsAllChars("straße", "ßt"));
  // Whole UTF-8 sequences are compared: "é" is not found in "ê" though both start with C3.
  EXPECT_FALSE(StringContainsAllChars("ê", "é"));
}
