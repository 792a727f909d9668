// The grammar that the line-break and CSV parameter words share: a fixed word
// ("crlf", "semicolon") or a prefix ending in "-" ("customstr-", "fixedlength-")
// followed by a value.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

struct TParamWord {
  const char* Word;
  uint32_t Type;
};

// Reads paramStr: a fixed word compared without regard to ASCII case (after
// trimming blanks with trimWords), else a prefix of prefixes followed by its
// value; the value of numberPrefixType is a decimal number (customInt), every
// other value text (customStr). False, with type 0 and empty parts, when it
// is neither.
bool ParseParamWord(std::string_view paramStr, bool trimWords, std::span<const TParamWord> words,
                    std::span<const TParamWord> prefixes, uint32_t numberPrefixType, uint32_t& type,
                    std::string& customStr, int32_t& customInt);

// The word of type with its value after a prefix; false (and "") when the
// type has neither a word nor a prefix.
bool BuildParamWord(uint32_t type, std::string_view customStr, int32_t customInt, std::span<const TParamWord> words,
                    std::span<const TParamWord> prefixes, uint32_t numberPrefixType, std::string& paramStr);
