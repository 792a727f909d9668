// The library's quicksort applied to records with a precomputed text key,
// comparing the keys byte by byte.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "foundation/hoare_quicksort.h"

template <typename T>
void SortByKeyHoare(std::vector<T>& items, std::vector<std::string>& keys) {
  std::string pivot;
  HoareQuickSort(
      items.size(), [&](ptrdiff_t m) { pivot = keys[static_cast<size_t>(m)]; },
      [&](ptrdiff_t i) { return keys[static_cast<size_t>(i)] < pivot; },
      [&](ptrdiff_t j) { return pivot < keys[static_cast<size_t>(j)]; },
      [&](ptrdiff_t i, ptrdiff_t j) {
        std::swap(items[static_cast<size_t>(i)], items[static_cast<size_t>(j)]);
        std::swap(keys[static_cast<size_t>(i)], keys[static_cast<size_t>(j)]);
      },
      [&](ptrdiff_t lo, ptrdiff_t hi) {
        std::vector<size_t> order;
        for (ptrdiff_t k = lo; k <= hi; ++k) order.push_back(static_cast<size_t>(k));
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
        std::vector<T> sortedItems;
        std::vector<std::string> sortedKeys;
        for (size_t k : order) {
          sortedItems.push_back(std::move(items[k]));
          sortedKeys.push_back(std::move(keys[k]));
        }
        for (size_t k = 0; k < order.size(); ++k) {
          items[static_cast<size_t>(lo) + k] = std::move(sortedItems[k]);
          keys[static_cast<size_t>(lo) + k] = std::move(sortedKeys[k]);
        }
      });
}
