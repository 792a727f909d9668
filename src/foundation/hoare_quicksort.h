// The library's quicksort: Hoare partition around the middle element's key,
// which is copied before partitioning; not stable. Callers rely on the order
// in which this exact procedure leaves equal keys, so it is kept as it is.
//
// The ranges left and right of a partition are sorted independently of each
// other, so sorting the smaller one first and the larger one afterwards gives
// the same result as the plain recursion, with a bounded stack.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

// takePivot(m) copies the key at index m as the pivot; beforePivot(i) is true
// when the key at i sorts before the pivot, pivotBefore(j) when the pivot
// sorts before the key at j; swap(i, j) exchanges two elements. Indexes are
// ptrdiff_t.
template <typename TakePivot, typename BeforePivot, typename PivotBefore, typename Swap>
void HoareQuickSort(size_t count, const TakePivot& takePivot, const BeforePivot& beforePivot,
                    const PivotBefore& pivotBefore, const Swap& swap) {
  if (count < 2) return;
  std::vector<std::pair<ptrdiff_t, ptrdiff_t>> pending;
  pending.emplace_back(0, static_cast<ptrdiff_t>(count) - 1);
  while (!pending.empty()) {
    auto [lo, hi] = pending.back();
    pending.pop_back();
    while (lo < hi) {
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
          pending.emplace_back(i, hi);
          hi = j;
        } else {
          pending.emplace_back(lo, j);
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
