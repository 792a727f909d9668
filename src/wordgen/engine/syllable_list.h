// The syllable-list line format: "frequency[position code] syllable", one
// entry per line, and the checks the create command runs on a list.
//
// A line is split at its first blank; the head before it carries the
// frequency and an optional position code, everything after it is the
// syllable, byte for byte.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/types.h"

// Position types of an entry (the code letter in the head).
inline constexpr int32_t kPosAnywhere = 0;  // no code
inline constexpr int32_t kPosBegin = 10;    // "B": first syllable only
inline constexpr int32_t kPosEnd = 11;      // "E": last syllable only
inline constexpr int32_t kPosMiddle = 20;   // "M": neither first nor last
inline constexpr int32_t kPosLeft = 30;     // "L" n: one of the first n
inline constexpr int32_t kPosRight = 31;    // "R" n: one of the last n
inline constexpr int32_t kPosExact = 40;    // "P" n: exactly at n

struct TSyllableHead {
  int32_t Frequency = 0;
  int32_t PositionType = kPosAnywhere;
  int32_t PositionValue = 0;
  bool operator==(const TSyllableHead&) const = default;
};

// Reads a head in the first of its seven forms that fits: "10", "10B"/"B10"/
// "1B0", the same with "E" and "M", "5L2", "5R2", "5P2". Code letters are
// upper case only. False when no form fits.
bool ParseSyllableHead(std::string_view head, TSyllableHead& out);

// One line of a syllable list as the table builder reads it (the line is not
// trimmed). False for comments, lines without a blank, an empty head or an
// empty syllable, and heads in no form.
bool ParseSyllableLine(std::string_view line, TSyllableHead& head, std::string& syllable);

// Whether an entry of this position type and value may stand at position a
// (from 1) of a word of b syllables.
bool IsAllowedAtPosition(int32_t positionType, int32_t positionValue, int64_t a, int64_t b);

// Results of CheckSyllableListForFrequencies.
inline constexpr int32_t kFreqCheckAllHaveFrequency = 0;
inline constexpr int32_t kFreqCheckNothingUsable = 1;
inline constexpr int32_t kFreqCheckNoFrequencies = 2;
inline constexpr int32_t kFreqCheckSomeWithout = 3;

// Classifies the lines of a list (each trimmed; empty and "#" lines skipped):
// 1 nothing counted, 2 no line with a frequency, 3 both kinds, 0 all with one.
int32_t CheckSyllableListForFrequencies(const TStrArray& lines);

// The lines of a text field: split at LF, CR LF and CR; a final line break
// ends the last line instead of starting an empty one, and an empty text has
// no lines.
TStrArray SplitFieldLines(std::string_view text);

// Writes the number with "0" put in front until it has digits characters; a
// longer number stays whole (7 -> "0007", 10412 -> "10412").
std::string IntToStrLeadingZeros(int64_t value, int32_t digits);
