// When a progress window may refresh again: at most once per interval on a
// 32-bit millisecond tick that wraps around. Plain C++.
#pragma once

#include <cstdint>

// True when the refresh is due at tick now. A tick below the last refresh
// tick means the counter wrapped; the last tick is then pulled back to now
// minus the interval, so refreshing goes on at once.
bool ProgressRefreshDue(uint32_t now, uint32_t& lastRefreshTick, int32_t interval);

// Milliseconds since the system started, cut to 32 bits.
uint32_t ProgressTickNow();
