// Builders of syllable lists in the list format: random lists over a set of
// characters, the built-in language lists, number ranges and the counter's
// result, and the rewrite of every frequency of a list.
//
// Each returns the lines; the caller decides where they go. Random
// frequencies are drawn uniformly from 0 to 999 and written with four digits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/containers_lists.h"
#include "foundation/random.h"
#include "foundation/types.h"
#include "wordgen/engine/engine_message.h"

// Single letters in input order (a repeated character gives its own line),
// then Trunc(n * 1.3) + 1 random two-letter groups and Trunc(n * 1.8) + 1
// random three-letter groups, each block merged by group and sorted by it.
// Blanks and control characters of the input are not letters. With no letter
// at all the group blocks stay empty.
TStrArray RandomList(std::string_view chars, bool addSingle, bool addDigrams, bool addTrigrams, TRandomGenerator& gen);
TStrArray RandomList(std::string_view chars, bool addSingle, bool addDigrams, bool addTrigrams);

// The built-in list of the two-letter code (exact, case-sensitive: "de",
// "sp", …); an unknown code gives an empty list.
TStrArray LoadList(std::string_view code, bool addSingle, bool addDigrams, bool addTrigrams);

// Most lines a number range may make; a larger range is refused.
inline constexpr int64_t kMaxNumberRangeLines = 1000000;

// "X-Y" (cut at the first "-", both sides trimmed, both whole numbers): one
// line per number from X up to Y with a random frequency. False, with lines
// left empty, when the text is no such range or the range is too large; a
// range whose Y is below X is accepted and makes no line.
bool NumberRangeList(std::string_view text, TStrArray& lines, TRandomGenerator& gen);
bool NumberRangeList(std::string_view text, TStrArray& lines);

enum class TResultAsListStatus {
  Built,        // lines hold the list
  EmptyResult,  // nothing counted yet: show ResultEmptyMessage()
  ZeroSum,      // the counts add up to 0: change nothing, say nothing
};

// The counter's result as a list: each count's share of all counts times
// 10000, rounded half to even. With countPositions an item "group_pos" (pos
// the digits after the last "_"; the group may hold "_" itself) is written
// "<f>P<pos> group" with the code filled to 7 characters by zeros; an item
// without such a position is written as without countPositions.
TResultAsListStatus CounterResultAsList(const TIntStrArrayObj& result, bool countPositions, TStrArray& lines);
TEngineMessage ResultEmptyMessage();

// Equal (tag 1: "0001") or random (tag 2) frequencies for every line: a line
// in the list format keeps its position code and syllable, comment and empty
// lines stay, and any other line gets the frequency and a blank put in front.
// Any other tag changes nothing.
TStrArray ChangeSilbenlistFrequencies(const TStrArray& lines, int32_t tag, TRandomGenerator& gen);
TStrArray ChangeSilbenlistFrequencies(const TStrArray& lines, int32_t tag);
