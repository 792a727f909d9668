#include "foundation/wildcard.h"

#include <gtest/gtest.h>

#include <string>

TEST(Wildcard, CodePoints) {
  EXPECT_TRUE(MatchesWildcard("äbc", "?bc"));
  EXPECT_TRUE(MatchesWildcard("file.txt", "*.txt"));
  EXPECT_FALSE(MatchesWildcard("file.txt", "*.doc"));
  EXPECT_TRUE(MatchesWildcard("", "*"));
  EXPECT_FALSE(MatchesWildcard("", "?"));
  EXPECT_TRUE(MatchesWildcard("aXbXc", "a*b*c"));
  EXPECT_TRUE(MatchesWildcard("FILE.TXT", "*.txt", false));
  EXPECT_FALSE(MatchesWildcard("FILE.TXT", "*.txt", true));
  EXPECT_TRUE(MatchesWildcard(std::string(5000, 'a'), std::string(20, '*') + "b*", false) == false);
}

TEST(Wildcard, StarInTheTextFacingStarInTheMask) {
  struct Case {
    const char* text;
    const char* mask;
    bool want;
  } cases[] = {
      {"a*b", "a*", true},  {"*x", "*", true},    {"*", "*", true},      {"report*2024", "report*", true},
      {"a*b", "a*b", true}, {"a*b", "a?b", true}, {"a*b", "a*c", false}, {"**", "*?", true},
      {"*", "?*?", false},
  };
  for (const auto& c : cases) EXPECT_EQ(MatchesWildcard(c.text, c.mask), c.want) << c.text << " ~ " << c.mask;
}
