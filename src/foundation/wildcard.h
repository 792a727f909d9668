// Wildcard matching with "*" (any run of characters) and "?" (one character),
// over code points, not bytes.
#pragma once

#include <string_view>

bool MatchesWildcard(std::string_view text, std::string_view mask, bool caseSensitive = true);
