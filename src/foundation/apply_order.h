// Reordering arrays in place by a permutation: afterwards element k holds what
// element order[k] held before. The permutation's cycles are followed, so one
// element is set aside at a time instead of a second copy of the arrays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// hold(k) sets element k aside, move(to, from) moves element from to to, and
// restore(to) puts the element set aside to to. order must be a permutation.
template <typename Hold, typename Move, typename Restore>
void ApplyOrderInPlace(const std::vector<int32_t>& order, Hold&& hold, Move&& move, Restore&& restore) {
  const size_t n = order.size();
  std::vector<uint8_t> done(n, 0);
  for (size_t start = 0; start < n; ++start) {
    if (done[start] || static_cast<size_t>(order[start]) == start) {
      done[start] = 1;
      continue;
    }
    hold(start);
    size_t k = start;
    while (true) {
      done[k] = 1;
      const auto from = static_cast<size_t>(order[k]);
      if (from == start) {
        restore(k);
        break;
      }
      move(k, from);
      k = from;
    }
  }
}

// The same for a vector of records, stride elements to a record.
template <typename T>
void ApplyOrderToVector(std::vector<T>& v, const std::vector<int32_t>& order, size_t stride = 1) {
  if (stride == 0) return;
  std::vector<T> held(stride);
  ApplyOrderInPlace(
      order,
      [&](size_t k) {
        for (size_t c = 0; c < stride; ++c) held[c] = std::move(v[k * stride + c]);
      },
      [&](size_t to, size_t from) {
        for (size_t c = 0; c < stride; ++c) v[to * stride + c] = std::move(v[from * stride + c]);
      },
      [&](size_t to) {
        for (size_t c = 0; c < stride; ++c) v[to * stride + c] = std::move(held[c]);
      });
}
