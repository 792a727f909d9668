// The translation of the library's regular-expression syntax into PCRE2's.
#pragma once

#include <string>
#include <string_view>

// Writes pattern in PCRE2 syntax to out; false when the pattern is not valid
// in the library's syntax. Every character is written explicitly, so nothing
// of PCRE2's own extra syntax can be reached. unicode: the pattern is matched
// on the UTF-8 path; caseless: the pattern starts case-insensitive.
bool TranslateRegexPattern(std::string_view pattern, bool unicode, bool caseless, std::string& out);
