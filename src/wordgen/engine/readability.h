// Readability rules: which syllable beginnings may follow which word endings.
//
// Rule text: one rule per line, "ending|ending>beginning|beginning"; lines
// without ">" are notes. Keys and values compare byte for byte, case-sensitive.
// An empty key matches the end of every word; an empty value matches nothing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "foundation/containers_maps.h"

// The default rules: vowels followed by consonants, consonants followed by
// vowels, over Latin (with diacritics), Greek and Cyrillic capitals.
const std::string& DefaultReadabilityRules();

// Clears the table and fills it from the rule text.
void ParseReadabilityRules(std::string_view rulesText, TKeyStrArrayArrayObj& rules);

// The rule table prepared for fast tests; the result of every test depends
// only on which keys end the word and which values and keys begin the
// syllable, so both sides are hash lookups by byte length.
class TReadabilityIndex {
 public:
  void Build(const TKeyStrArrayArrayObj& rules);

  // The keys that the word ends with (by index), the empty key included.
  void EndingKeys(std::string_view word, std::vector<int32_t>& keys) const;
  // True when a value of one of the ending keys begins the syllable.
  bool RuleAllows(const std::vector<int32_t>& endingKeys, std::string_view syllable) const;
  // The test for a non-empty word whose ending keys are given.
  bool Allows(const std::vector<int32_t>& endingKeys, std::string_view syllable, bool ifNoRule) const;
  // The whole test: the first syllable of a word is always allowed.
  bool Check(std::string_view word, std::string_view syllable, bool ifNoRule) const;
  // True when some non-empty key begins the syllable.
  bool BeginsWithKey(std::string_view syllable) const;
  // The byte length of the longest key: the ending keys of a word depend on
  // that many of its last bytes only.
  size_t MaxKeyLength() const { return FKeyLens.empty() ? 0 : FKeyLens.back(); }

 private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  using TSet = std::unordered_set<std::string, Hash, std::equal_to<>>;
  struct TKey {
    TSet Values;                    // the non-empty values
    std::vector<size_t> ValueLens;  // their distinct byte lengths
  };
  std::vector<TKey> FKeys;
  std::unordered_map<std::string, int32_t, Hash, std::equal_to<>> FKeyIndex;  // non-empty keys
  std::vector<size_t> FKeyLens;  // distinct byte lengths of the non-empty keys
  int32_t FEmptyKey = -1;
};
