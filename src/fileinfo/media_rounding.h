// Durations, bit rates and sizes that the media readers compute in floating
// point become whole numbers one way everywhere.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Halves to even; NaN gives 0, values beyond the range saturate.
inline int32_t RoundToInt32(double value) {
  if (!(value == value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(std::nearbyint(value));
}
