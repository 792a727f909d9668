#include "foundation/random.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(Random, SeededIsInRangeAndScriptedCounts) {
  TSeededRandom r(42);
  uint64_t big = (1ull << 31) + 1;
  for (int i = 0; i < 1000; ++i) {
    EXPECT_LT(r.Random(7), 7u);
    EXPECT_LT(r.Random(big), big);
  }
  EXPECT_EQ(r.Random(1), 0u);
  TScriptedRandom s({3, 1});
  EXPECT_EQ(s.Random(5), 3u);
  EXPECT_EQ(s.Random(5), 1u);
  EXPECT_EQ(s.Random(5), 1u);
  EXPECT_EQ(s.Draws(), 3u);
  EXPECT_EQ(s.Ranges().front(), 5u);
}
