// Inflating zlib data held in memory, with a bound on what it may grow to:
// the readers meet compressed parts in files (PDF streams, ID3v2 frames)
// whose few bytes may inflate to gigabytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Inflates in into out, at most limit bytes; false when the data are no zlib
// stream at all. Data cut short or damaged keep what was inflated before.
bool InflateBounded(std::string_view in, std::string& out, int64_t limit);
