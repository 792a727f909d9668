#include "foundation/letter_case.h"

#include <gtest/gtest.h>

#include <vector>

#include "foundation/letters.h"
#include "foundation/random.h"

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

// The generator's letter cases write "ß" and the Greek sigma as the languages
// do; UTF8LowerCase keeps the simple mapping for comparing texts.
TEST(LetterCase, WordsAsTheLanguagesWriteThem) {
  const struct {
    const char* In;
    const char* Lower;        // UTF8LowerCaseWords
    const char* FirstLetter;  // UpperCaseBegin
  } kCases[] = {
      {"ßua", "ßua", "Ssua"},
      {"ẞUA", "ßua", "ẞua"},
      {"ab ßc", "ab ßc", "Ab Ssc"},
      {"straße", "straße", "Straße"},
      {"ησύσ", "ησύς", "Ησύς"},
      {"ΗΣΥΣ", "ησυς", "Ησυς"},
      {"ΟΔΥΣΣΕΥΣ ΣΑΣ", "οδυσσευς σας", "Οδυσσευς Σας"},
      {"σ", "σ", "Σ"},
      {"Σ.", "σ.", "Σ."},
      {"ΑΣ.", "ας.", "Ας."},
      {"ΑΣ'Β", "ασ'β", "Ασ'Β"},
      {"ΑΣ\xCC\x81", "ας\xCC\x81", "Ας\xCC\x81"},
      {"ΑΣ1", "ας1", "Ας1"},
      {"ab", "ab", "Ab"},
      {"", "", ""},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(UTF8LowerCaseWords(c.In), c.Lower) << c.In;
    EXPECT_EQ(UpperCaseBegin(c.In), c.FirstLetter) << c.In;
  }
  EXPECT_EQ(UTF8LowerCase("ΗΣΥΣ"), "ησυσ");
  EXPECT_EQ(UTF8UpperCase("ησύς"), "ΗΣΎΣ");
}

// Words of a Turkish or Azerbaijani list keep their dotless and dotted i apart
// in every letter case of the generator; other lists keep the common rule.
TEST(LetterCase, TurkicListsPairTheDotlessAndTheDottedI) {
  const struct {
    const char* In;
    TLetterCaseRules Rules;
    const char* Lower;        // UTF8LowerCaseWords
    const char* Upper;        // UTF8UpperCase
    const char* FirstLetter;  // UpperCaseBegin
  } kCases[] = {
      {"IŞIK", TLetterCaseRules::Turkic, "ışık", "IŞIK", "Işık"},
      {"IŞIKIŞIK", TLetterCaseRules::Turkic, "ışıkışık", "IŞIKIŞIK", "Işıkışık"},
      {"İSTANBUL", TLetterCaseRules::Turkic, "istanbul", "İSTANBUL", "İstanbul"},
      {"istanbul", TLetterCaseRules::Turkic, "istanbul", "İSTANBUL", "İstanbul"},
      {"ılık iğne", TLetterCaseRules::Turkic, "ılık iğne", "ILIK İĞNE", "Ilık İğne"},
      {"İI ıi", TLetterCaseRules::Turkic, "iı ıi", "İI Iİ", "İı Ii"},
      {"ΗΣΥΣ", TLetterCaseRules::Turkic, "ησυς", "ΗΣΥΣ", "Ησυς"},
      {"IŞIK", TLetterCaseRules::Common, "işik", "IŞIK", "Işik"},
      {"istanbul", TLetterCaseRules::Common, "istanbul", "ISTANBUL", "Istanbul"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(UTF8LowerCaseWords(c.In, c.Rules), c.Lower) << c.In;
    EXPECT_EQ(UTF8UpperCase(c.In, c.Rules), c.Upper) << c.In;
    EXPECT_EQ(UpperCaseBegin(c.In, c.Rules), c.FirstLetter) << c.In;
  }
  EXPECT_EQ(CodePointLower(U'I', TLetterCaseRules::Turkic), U'ı');
  EXPECT_EQ(CodePointUpper(U'i', TLetterCaseRules::Turkic), U'İ');
  EXPECT_EQ(CodePointLower(U'İ', TLetterCaseRules::Turkic), U'i');
  EXPECT_EQ(CodePointUpper(U'ı', TLetterCaseRules::Turkic), U'I');
}

// Randomly mixed words: each draw writes one character upper (0) or lower (1)
// case, and a small sigma that ends a word is the final one, as in the
// lower-case mode; the Turkic rule holds for every draw.
TEST(LetterCase, RandomlyMixedWordsAsTheLanguagesWriteThem) {
  const struct {
    const char* In;
    std::vector<uint64_t> Draws;
    TLetterCaseRules Rules;
    const char* Out;
  } kCases[] = {
      {"ησύσκοσ", {1, 0, 0, 0, 1, 0, 1}, TLetterCaseRules::Common, "ηΣΎΣκΟς"},
      {"ΗΣΥΣ", {1, 1, 1, 1}, TLetterCaseRules::Common, "ησυς"},
      {"ΑΣ ΒΣ", {0, 1, 1, 0, 0}, TLetterCaseRules::Common, "Ας ΒΣ"},
      {"σα", {1, 1}, TLetterCaseRules::Common, "σα"},
      {"IŞIK", {1, 0, 1, 1}, TLetterCaseRules::Turkic, "ıŞık"},
      {"ilik", {0, 1, 0, 1}, TLetterCaseRules::Turkic, "İlİk"},
      {"IŞIK", {1, 0, 1, 1}, TLetterCaseRules::Common, "iŞik"},
  };
  for (const auto& c : kCases) {
    TScriptedRandom gen(c.Draws);
    EXPECT_EQ(MixedCase(c.In, gen, c.Rules), c.Out) << c.In;
  }
}
