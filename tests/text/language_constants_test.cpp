#include "text/language_constants.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct LanguageCase {
  int32_t Constant;
  const char* Code;
  const char* TwoChar;
  const char* TwoCharUpper;
  TBiDiMode Direction;
};

TEST(LanguageConstants, CodesAndDirectionOverWholeRangeAndBeyond) {
  const LanguageCase cases[] = {
      {-1, "", "xx", "XX", bdLeftToRight},        {0, "EN", "en", "EN", bdLeftToRight},
      {1, "DE", "de", "DE", bdLeftToRight},       {2, "DA", "da", "DA", bdLeftToRight},
      {3, "PTBR", "pt", "PT", bdLeftToRight},     {4, "ES", "es", "ES", bdLeftToRight},
      {5, "ZHSIMP", "zh", "ZH", bdLeftToRight},   {6, "FR", "fr", "FR", bdLeftToRight},
      {7, "RU", "ru", "RU", bdLeftToRight},       {8, "NL", "nl", "NL", bdLeftToRight},
      {9, "IT", "it", "IT", bdLeftToRight},       {10, "JA", "ja", "JA", bdLeftToRight},
      {11, "SR", "sr", "SR", bdLeftToRight},      {12, "PL", "pl", "PL", bdLeftToRight},
      {13, "AR", "ar", "AR", bdRightToLeft},      {14, "KO", "ko", "KO", bdLeftToRight},
      {15, "", "xx", "XX", bdLeftToRight},        {INT32_MIN, "", "xx", "XX", bdLeftToRight},
      {INT32_MAX, "", "xx", "XX", bdLeftToRight},
  };
  for (const LanguageCase& c : cases) {
    SCOPED_TRACE(c.Constant);
    EXPECT_EQ(SprConstToString(c.Constant), c.Code);
    EXPECT_EQ(SprConstTo2CharString(c.Constant, false), c.TwoChar);
    EXPECT_EQ(SprConstTo2CharString(c.Constant, true), c.TwoCharUpper);
    EXPECT_EQ(SprGetBiDiModeOfLanguage(c.Constant), c.Direction);
  }
}

TEST(LanguageConstants, EnumerationMapsToConstantsAndOwnNames) {
  struct Row {
    TLanguages Lang;
    int32_t Constant;
    const char* OwnName;
  };
  // Own names as UTF-8 bytes; the Arabic one carries its four harakat.
  const Row rows[] = {
      {langEN, 0, "English"},
      {langDE, 1, "Deutsch"},
      {langDA, 2, "Dansk"},
      {langES, 4, "Espa\xC3\xB1ol"},
      {langFR, 6,
       "Fran\xC3\xA7"
       "ais"},
      {langIT, 9, "Italiano"},
      {langNL, 8, "Nederlands"},
      {langPL, 12, "Polski"},
      {langPTBR, 3, "Portugu\xC3\xAAs do Brasil"},
      {langRU, 7, "\xD0\xA0\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9"},
      {langSR, 11, "\xD0\xA1\xD1\x80\xD0\xBF\xD1\x81\xD0\xBA\xD0\xB8"},
      {langAR, 13,
       "\xD8\xA7\xD9\x8E\xD9\x84\xD9\x92\xD8\xB9\xD9\x8E\xD8\xB1\xD9\x8E\xD8\xA8\xD9\x90\xD9\x8A"
       "\xD9\x8E\xD9\x91\xD8\xA9"},
      {langJA, 10, "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"},
      {langKO, 14, "\xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4"},
      {langZHSIMP, 5, "\xE7\xAE\x80\xE4\xBD\x93\xE4\xB8\xAD\xE6\x96\x87"},
  };
  std::set<int32_t> seen;
  int ordinal = 0;
  for (const Row& r : rows) {
    SCOPED_TRACE(ordinal);
    EXPECT_EQ(static_cast<int>(r.Lang), ordinal++);
    EXPECT_EQ(SprLangToSprConst(r.Lang), r.Constant);
    EXPECT_EQ(SprLangToSprName(r.Lang), r.OwnName);
    seen.insert(SprLangToSprConst(r.Lang));
  }
  // A permutation of 0..14.
  ASSERT_EQ(seen.size(), 15u);
  EXPECT_EQ(*seen.begin(), 0);
  EXPECT_EQ(*seen.rbegin(), 14);
  // The Arabic name: 14 code points, of which four harakat (fatha, sukun, kasra, shadda).
  EXPECT_EQ(SprLangToSprName(langAR).size(), 28u);
}

TEST(LanguageConstants, ValueOutsideEnumerationGivesGerman) {
  for (int v : {15, 16, 200, 255}) {
    const auto lang = static_cast<TLanguages>(v);
    EXPECT_EQ(SprLangToSprConst(lang), SprLangGerman) << v;
    EXPECT_EQ(SprLangToSprName(lang), "Deutsch") << v;
  }
}

TEST(LanguageConstants, LanguageSetUsesOrdinalBits) {
  TLanguageSet s{langEN, langZHSIMP};
  EXPECT_TRUE(s.Contains(langEN));
  EXPECT_TRUE(s.Contains(langZHSIMP));
  EXPECT_FALSE(s.Contains(langDE));
  EXPECT_EQ(s.Count(), 2);
  s.Exclude(langEN);
  EXPECT_FALSE(s.Contains(langEN));
  s.Include(static_cast<TLanguages>(15));  // outside the enumeration: ignored
  EXPECT_EQ(s.Count(), 1);
  EXPECT_EQ(TLanguageSet::AllLanguages().Count(), 15);
  EXPECT_TRUE(TLanguageSet().Empty());
}

}  // namespace
