// Input built against the middle-pivot Hoare quicksort: at every level the
// middle element of the range is the smallest one left, so each partition
// splits off a single element and the plain procedure takes n²/2 steps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

namespace sortadversary {

// A permutation of 0..n-1: element k is the rank of the value at position k.
// Replays the procedure on positions: the range lo..n-1 takes its pivot from
// the middle, which gets the next rank and is swapped to lo.
inline std::vector<int32_t> Ranks(size_t n) {
  std::vector<size_t> at(n);
  std::iota(at.begin(), at.end(), size_t{0});
  std::vector<int32_t> rank(n);
  for (size_t lo = 0; lo < n; ++lo) {
    const size_t m = lo + (n - 1 - lo) / 2;
    rank[at[m]] = static_cast<int32_t>(lo);
    std::swap(at[lo], at[m]);
  }
  return rank;
}

// Distinct words of letters (up to 26^5 of them) whose order, also
// upper-cased, is the order of their ranks.
inline std::vector<std::string> Words(size_t n) {
  std::vector<std::string> words;
  words.reserve(n);
  for (int32_t r : Ranks(n)) {
    std::string w(6, 'w');
    for (size_t k = 5; k >= 1; --k, r /= 26) w[k] = static_cast<char>('a' + r % 26);
    words.push_back(std::move(w));
  }
  return words;
}

}  // namespace sortadversary
