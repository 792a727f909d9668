#include "foundation/letter_case.h"

#include <gtest/gtest.h>

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
