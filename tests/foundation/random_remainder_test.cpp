#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "foundation/random.h"

namespace {

// The seeded generator gives exactly what rejection sampling with a plain
// remainder gives, for ranges that change from draw to draw or stay, small
// and large alike.
TEST(SeededRandom, SameValuesAsPlainRejectionSampling) {
  const std::vector<uint64_t> fixed = {2,
                                       3,
                                       7,
                                       10,
                                       1000,
                                       2147483647u,
                                       2147483648u,
                                       2147483649u,
                                       4294967295u,
                                       4294967297u,
                                       1ull << 40,
                                       (1ull << 63) + 5,
                                       UINT64_MAX - 1,
                                       UINT64_MAX};
  std::mt19937_64 ranges(9);
  for (uint64_t seed : {1u, 42u, 12345u}) {
    TSeededRandom r(seed);
    std::mt19937_64 reference(seed);
    for (int k = 0; k < 200000; ++k) {
      uint64_t n;
      if (k < 20000)
        n = fixed[(k / 50) % fixed.size()];  // runs of one range
      else if (k % 3 == 0)
        n = fixed[ranges() % fixed.size()];
      else
        n = 2 + ranges() % (k % 2 ? 5000 : 3000000000u);
      const uint64_t limit = UINT64_MAX - (UINT64_MAX % n);
      uint64_t v;
      do {
        v = reference();
      } while (v >= limit);
      ASSERT_EQ(r.Random(n), v % n) << "n = " << n << ", draw " << k;
    }
    EXPECT_EQ(r.Random(1), 0u);
    EXPECT_EQ(r.Random(0), 0u);
  }
}

}  // namespace
