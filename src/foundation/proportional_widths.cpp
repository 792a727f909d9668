#include "foundation/proportional_widths.h"

#include <algorithm>
#include <cmath>

TIntArray ProportionalWidths(const TIntArray& widths, int32_t available) {
  if (available <= 0 || widths.empty()) return widths;
  int64_t sum = 0;
  for (int32_t w : widths) sum += w;
  TIntArray result(widths.size());
  if (sum <= 0) {
    std::fill(result.begin(), result.end(), available / static_cast<int32_t>(widths.size()));
    return result;
  }
  const double ratio = static_cast<double>(sum) / static_cast<double>(available);
  for (size_t i = 0; i < widths.size(); ++i) {
    result[i] = static_cast<int32_t>(std::floor(static_cast<double>(widths[i]) / ratio));
  }
  return result;
}
