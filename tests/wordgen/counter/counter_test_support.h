// Shared helpers of the counter tests: readable pair lists.
#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "foundation/containers_lists.h"
#include "foundation/types.h"

inline void PrintTo(const TIntStr& p, std::ostream* os) { *os << "{\"" << p.Str << "\", " << p.Int << "}"; }

namespace countertest {

// The pairs of a table in list order, written as {item, count}.
inline TIntStrArray Pairs(std::initializer_list<std::pair<std::string, int32_t>> items) {
  TIntStrArray out;
  for (const auto& [s, n] : items) out.push_back(TIntStr{n, s});
  return out;
}

}  // namespace countertest
