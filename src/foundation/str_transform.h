// Clean-up, cutting, measuring and rewriting of single strings.
//
// Texts are UTF-8. Where a function counts characters, a byte that does not
// belong to a valid UTF-8 sequence counts as one character of its own and is
// kept as it is (the longest invalid prefix of a broken sequence is one
// character).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/types.h"

// --- Trimming and whitespace -----------------------------------------------

// Without leading and/or trailing blanks and control characters (bytes 0..32).
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

// Without leading and trailing bytes that are members of the set.
std::string TrimChars(std::string_view text, const TSysCharSet& chars);
std::string TrimCharsRight(std::string_view text, const TSysCharSet& chars);

// Every run of spaces, TABs, CRs and LFs becomes one space; a run at the start
// is dropped, a run at the end becomes one trailing space.
std::string RemoveAllWhitespaceButKeepWordSeparations(std::string_view text);
// Every run of two or more spaces becomes one space.
std::string RemoveDoubleSpaces(std::string_view text);
// Collapses runs of the selected kinds; every line break written is the
// text's own kind (CR LF, else CR, else LF); whitespace at line starts goes.
std::string RemoveDoubleWhitespace(std::string_view text, bool lineBreaks, bool spaces, bool tabs);
// Every character above the limit becomes the replacement.
std::string RemoveAllCharsFromStringWithCodePointGreaterThan(std::string_view text, uint32_t limit,
                                                             std::string_view replacement);
std::string RemoveAllDigitsFromString(std::string_view text);
// Puts the fill byte in front of the text until it has width characters
// ("7" -> "007").
std::string RightPadding(std::string_view text, char fill, int32_t width);

// --- Cutting and testing ---------------------------------------------------

// True when the text begins with one of the prefixes; an empty prefix never matches.
bool StrStart(std::string_view text, std::string_view prefix1, std::string_view prefix2);
// Cuts at the first delimiter; true when both trimmed pieces are whole
// numbers. first and second are 0 on failure.
bool DivideStringAndIsInt(std::string_view text, std::string_view delimiter, int32_t& first, int32_t& second);
// "x(y)z" at "(" and ")" gives "x", "y", "z". The parts are empty on failure.
bool DivideStringInThreeParts(std::string_view text, std::string_view delimiter1, std::string_view delimiter2,
                              std::string& part1, std::string& part2, std::string& part3, bool trim);
std::string FirstCharUTF8(std::string_view text);
std::string LastCharUTF8(std::string_view text);
// Runs of characters between LF, CR, space, "!", "." and "?".
int32_t CountWordsInString(std::string_view text);
// The first run of ASCII digits, "" if none.
std::string ExtractFirstNumberFromString(std::string_view text);
// Only the ASCII digits / upper-case / lower-case letters selected, in order;
// upperCaseResult upper-cases the result.
std::string ExtractCharactersFromString(std::string_view text, bool digits, bool upperCase, bool lowerCase,
                                        bool upperCaseResult);
// True when the text holds a control byte other than TAB, LF, VT, FF, CR, 21 and 26.
bool IsBinaryStr(std::string_view text);
// Removes every "<" up to the next ">"; an unclosed "<" removes the rest.
std::string HTMLStripTags(std::string_view text);
// Largest character count in the column (cells holding "<" and ">" measured
// without their tags); 0 when no row has the column.
int32_t LengthOfLongestStringWithStripedTags(const TStrArray2D& table, int32_t column);

// --- Rewriting ---------------------------------------------------------------

// Every non-overlapping occurrence, left to right, byte-exact; replaced text
// is never searched again. An empty old text changes nothing.
std::string StringReplaceFast(std::string_view text, std::string_view oldText, std::string_view newText);
// Escapes line breaks into one line: "\r" -> "\\r", "\n" -> "\\n", CR -> "\r", LF -> "\n".
// Backslashes directly before a line break are followed by the empty escape
// "\;" so that they stay apart from the line break's escape.
std::string LineBreakConvert_LineBreaksToInlineFormat(std::string_view text);
// The reverse, in place: "\r" and "\n" become CR and LF, "\\r" and "\\n"
// become "\r" and "\n", and one "\;" directly before a line break is dropped.
// Texts without a backslash pass unchanged.
void LineBreakConvert_InlineFormatToLineBreaks(std::string& text);
// Pieces of at most limit characters, cut after the last break character of
// each window when there is one, trimmed and joined by the line break. A
// limit below 1 leaves the text as it is.
std::string WrapTextAfterNumerOfCharacters_StringToString(std::string_view text, int32_t limit,
                                                          const TSysCharSet& breakChars, std::string_view lineBreak);
// Wraps every line that is too long or holds an LF; other lines are copied.
TStrArray WrapTextAfterNumberOfCharacters_StrArrToStrArr(const TStrArray& lines, int32_t limit,
                                                         const TSysCharSet& breakChars);
// "U+0041 U+00E9", "#41#E9" (hexadecimal) and "65 66" (decimal) to text.
std::string CodePointsAsStrToStr(std::string_view text);
// 1 -> "A", 27 -> "AA", 702 -> "ZZ", 703 -> "AAA"; "" below 1.
std::string GetSpreadsheetFieldStrFromInt(int32_t column);
// (2, 7) -> "B7".
std::string GetSpreadsheetFieldStrFromInts(int32_t column, int32_t row);
