// The library's quicksort: Hoare partition around the middle element's key,
// which is copied before partitioning; not stable. Callers rely on the order
// in which this exact procedure leaves equal keys, so it is kept as it is.
//
// The ranges left and right of a partition are sorted independently of each
// other, so sorting the smaller one first and the larger one afterwards gives
// the same result as the plain recursion, with a bounded stack.
//
// Input crafted against the middle pivot would make the procedure quadratic.
// A range still unsorted after about 2·log2(n) levels of partitioning is
// handed to finishKeepingOrder instead, which must sort it in O(k log k)
// keeping the current order of equal keys. The margin above 2·log2(n) is
// wide enough that random input of any size, with or without many equal
// keys, was never seen to reach it in thousands of trials, so the order of
// equal keys differs from the plain procedure only on crafted input.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <tuple>
#include <type_traits>
#include <vector>

// takePivot(m) copies the key at index m as the pivot; beforePivot(i) is true
// when the key at i sorts before the pivot, pivotBefore(j) when the pivot
// sorts before the key at j; swap(i, j) exchanges two elements;
// finishKeepingOrder(lo, hi) sorts the elements lo..hi (both included) with
// an order-keeping sort. Indexes are ptrdiff_t.
// Levels allowed beyond 2·(floor(log2(n)) + 1); random input of 50 to 100000
// elements needed up to 12 more.
constexpr int kHoareQuickSortDepthMargin = 16;

template <typename TakePivot, typename BeforePivot, typename PivotBefore, typename Swap, typename FinishKeepingOrder>
void HoareQuickSort(size_t count, const TakePivot& takePivot, const BeforePivot& beforePivot,
                    const PivotBefore& pivotBefore, const Swap& swap, const FinishKeepingOrder& finishKeepingOrder) {
  if (count < 2) return;
  const int maxDepth = 2 * static_cast<int>(std::bit_width(count)) + kHoareQuickSortDepthMargin;
  std::vector<std::tuple<ptrdiff_t, ptrdiff_t, int>> pending;
  pending.emplace_back(0, static_cast<ptrdiff_t>(count) - 1, 0);
  while (!pending.empty()) {
    auto [lo, hi, depth] = pending.back();
    pending.pop_back();
    while (lo < hi) {
      if (depth > maxDepth) {
        finishKeepingOrder(lo, hi);
        break;
      }
      ++depth;
      takePivot(lo + (hi - lo) / 2);
      ptrdiff_t i = lo;
      ptrdiff_t j = hi;
      do {
        while (beforePivot(i)) ++i;
        while (pivotBefore(j)) --j;
        if (i <= j) {
          swap(i, j);
          ++i;
          --j;
        }
      } while (i <= j);
      // Left part lo..j, right part i..hi.
      const bool hasLeft = lo < j;
      const bool hasRight = i < hi;
      if (hasLeft && hasRight) {
        if (j - lo < hi - i) {
          pending.emplace_back(i, hi, depth);
          hi = j;
        } else {
          pending.emplace_back(lo, j, depth);
          lo = i;
        }
      } else if (hasLeft) {
        hi = j;
      } else if (hasRight) {
        lo = i;
      } else {
        break;
      }
    }
  }
}

// The quicksort applied to a list of record numbers: sorts order[0..count-1]
// by key(order[k]), ascending or descending. key returns a value or a view
// that stays valid while the sort runs.
template <typename Key>
void HoareSortOrder(std::vector<int32_t>& order, size_t count, const Key& key, bool descending) {
  using KeyType = std::decay_t<decltype(key(0))>;
  KeyType pivot{};
  auto takePivot = [&](ptrdiff_t m) { pivot = key(order[static_cast<size_t>(m)]); };
  auto swap = [&](ptrdiff_t i, ptrdiff_t j) {
    std::swap(order[static_cast<size_t>(i)], order[static_cast<size_t>(j)]);
  };
  auto finish = [&](ptrdiff_t lo, ptrdiff_t hi) {
    std::stable_sort(order.begin() + lo, order.begin() + hi + 1,
                     [&](int32_t a, int32_t b) { return descending ? key(b) < key(a) : key(a) < key(b); });
  };
  if (descending) {
    HoareQuickSort(
        count, takePivot, [&](ptrdiff_t i) { return pivot < key(order[static_cast<size_t>(i)]); },
        [&](ptrdiff_t j) { return key(order[static_cast<size_t>(j)]) < pivot; }, swap, finish);
  } else {
    HoareQuickSort(
        count, takePivot, [&](ptrdiff_t i) { return key(order[static_cast<size_t>(i)]) < pivot; },
        [&](ptrdiff_t j) { return pivot < key(order[static_cast<size_t>(j)]); }, swap, finish);
  }
}
