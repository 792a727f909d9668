#include "foundation/hoare_quicksort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <random>
#include <vector>

#include "foundation/sort_adversary.h"

namespace {

struct TRecord {
  int32_t key;
  int32_t id;
};

struct TRun {
  int64_t comparisons = 0;
  int finishes = 0;
};

TRun SortRecords(std::vector<TRecord>& a) {
  TRun run;
  int32_t pivot = 0;
  HoareQuickSort(
      a.size(), [&](ptrdiff_t m) { pivot = a[m].key; },
      [&](ptrdiff_t i) {
        ++run.comparisons;
        return a[i].key < pivot;
      },
      [&](ptrdiff_t j) {
        ++run.comparisons;
        return pivot < a[j].key;
      },
      [&](ptrdiff_t i, ptrdiff_t j) { std::swap(a[i], a[j]); },
      [&](ptrdiff_t lo, ptrdiff_t hi) {
        ++run.finishes;
        std::stable_sort(a.begin() + lo, a.begin() + hi + 1, [&](const TRecord& x, const TRecord& y) {
          ++run.comparisons;
          return x.key < y.key;
        });
      });
  return run;
}

TEST(HoareQuickSort, CraftedInputStaysNLogN) {
  for (size_t n : {1000u, 100000u}) {
    const std::vector<int32_t> ranks = sortadversary::Ranks(n);
    std::vector<TRecord> a(n);
    for (size_t k = 0; k < n; ++k) a[k] = {ranks[k], static_cast<int32_t>(k)};
    const TRun run = SortRecords(a);
    // The crafted input reaches the fallback; the plain procedure would
    // compare about n²/2 times.
    EXPECT_GE(run.finishes, 1) << n;
    EXPECT_LE(run.comparisons, static_cast<int64_t>(8 * n * std::bit_width(n))) << n;
    for (size_t k = 0; k < n; ++k) ASSERT_EQ(a[k].key, static_cast<int32_t>(k)) << n;
  }
}

TEST(HoareQuickSort, CraftedInputWithEqualKeysSortsCompletely) {
  // Pairs of equal keys in the crafted order.
  const size_t n = 20000;
  const std::vector<int32_t> ranks = sortadversary::Ranks(n);
  std::vector<TRecord> a;
  for (size_t k = 0; k < n; ++k) a.push_back({ranks[k] / 2, static_cast<int32_t>(k)});
  const TRun run = SortRecords(a);
  EXPECT_LE(run.comparisons, static_cast<int64_t>(8 * n * std::bit_width(n)));
  std::vector<bool> seen(n);
  for (size_t k = 0; k < n; ++k) {
    if (k > 0) {
      ASSERT_LE(a[k - 1].key, a[k].key);
    }
    seen[static_cast<size_t>(a[k].id)] = true;
  }
  EXPECT_EQ(std::count(seen.begin(), seen.end(), true), static_cast<ptrdiff_t>(n));
}

TEST(HoareQuickSort, OrdinaryInputNeverReachesTheFallback) {
  std::mt19937 rng(5);
  for (size_t n : {2u, 60u, 1000u, 50000u}) {
    for (uint32_t spread : {2u, 50u, 0xFFFFFFFFu}) {
      std::vector<TRecord> a(n);
      for (size_t k = 0; k < n; ++k) a[k] = {static_cast<int32_t>(rng() % spread), static_cast<int32_t>(k)};
      std::vector<TRecord> sortedDesc = a, sortedAsc = a;
      std::sort(sortedAsc.begin(), sortedAsc.end(), [](auto& x, auto& y) { return x.key < y.key; });
      sortedDesc.assign(sortedAsc.rbegin(), sortedAsc.rend());
      for (auto* input : {&a, &sortedAsc, &sortedDesc}) EXPECT_EQ(SortRecords(*input).finishes, 0) << n;
    }
  }
}

}  // namespace
