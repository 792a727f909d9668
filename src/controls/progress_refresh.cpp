#include "controls/progress_refresh.h"

#include <chrono>

bool ProgressRefreshDue(uint32_t now, uint32_t& lastRefreshTick, int32_t interval) {
  if (now < lastRefreshTick) lastRefreshTick = now - static_cast<uint32_t>(interval);
  return static_cast<int64_t>(now) - interval >= static_cast<int64_t>(lastRefreshTick);
}

uint32_t ProgressTickNow() {
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
  return static_cast<uint32_t>(static_cast<uint64_t>(ms.count()));
}
