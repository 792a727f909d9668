#include "foundation/letter_case.h"

#include <gtest/gtest.h>

#include "foundation/letters.h"

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
