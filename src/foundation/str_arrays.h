// Building, searching, de-duplicating, sorting and reshaping the basic
// arrays, the text forms of the size-unit and font-style choices, and the
// number parsers that accept either decimal separator.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/number_format.h"
#include "foundation/types.h"

// --- Conversions -----------------------------------------------------------

// Reads "1.5" and "1,5" alike, whatever the decimal separator of the format;
// with allowFraction also "a/b" (b not 0). Anything else gives def.
double StrToFloat_AllSeparators(std::string_view text, double def, bool allowFraction, const NumberFormat& fmt);
// Same with the program's number format.
double StrToFloat_AllSeparators(std::string_view text, double def, bool allowFraction = false);

// True and the value when the text is a number (either decimal separator, no
// fraction form); else false and 0.
bool StrToFloat_AllSeparatorsCheck(std::string_view text, double& value, const NumberFormat& fmt);
bool StrToFloat_AllSeparatorsCheck(std::string_view text, double& value);

int32_t BoolToInt(bool b);
std::string BoolToIntStr(bool b);

std::string SizeTypeToStr(TSizeType t);
// Exact, case-sensitive match of the text form; def otherwise.
TSizeType StrToSizeType(std::string_view text, TSizeType def);
std::string FontStyleTypeToStr(TFontStyleType t);
// Exact, case-sensitive match of the text form; fstRegular otherwise.
TFontStyleType StrToFontStyleType(std::string_view text);
int32_t FontStyleTypeToInt(TFontStyleType t);

// --- Building arrays -------------------------------------------------------

// The given strings in order; arguments equal to the NUL marker are left out,
// empty strings are kept. Up to 30 arguments.
template <typename... Args>
TStrArray CreateStrArray(const Args&... args) {
  static_assert(sizeof...(Args) <= 30, "CreateStrArray takes up to 30 strings");
  TStrArray result;
  result.reserve(sizeof...(Args));
  (
      [&](std::string_view s) {
        if (!(s.size() == 1 && s[0] == '\0')) result.emplace_back(s);
      }(std::string_view(args)),
      ...);
  return result;
}

TIntArray CreateIntArray(int32_t value);

// Numbers and ranges such as "1,3,5-9" (";" separates as well). A result of
// more than kMaxRangeListNumbers numbers is never built: a range that would
// pass that cap is skipped whole, and so is a single number once it is reached.
inline constexpr size_t kMaxRangeListNumbers = 1000000;
TIntArray CreateIntArrayFromNumberAndRangeStr(std::string_view text, bool sort, bool removeDuplicates,
                                              int32_t offsetPositive, int32_t offsetNegative);
// The same with a smaller cap, for callers that hold many such lists at once;
// cut, when given, is set when a number or range was skipped for the cap.
TIntArray CreateIntArrayFromNumberAndRangeStr(std::string_view text, bool sort, bool removeDuplicates,
                                              int32_t offsetPositive, int32_t offsetNegative, size_t maxNumbers,
                                              bool* cut = nullptr);

// A negative count gives an empty array.
TBooleanArray CreateBooleanArrayFill(int32_t count, bool value);

// Append and return the new element's index.
int32_t AddArrayElement(TStrArray& arr, std::string value);
int32_t AddArrayElement(TIntArray& arr, int32_t value);
// Appends a copy of the row; always true.
bool AddArrayElementsAsNewLine(TStrArray2D& table, const TStrArray& row);

// --- Changing arrays in place ----------------------------------------------

// Adds the number to every element above 0 (wrapping around like 32-bit
// arithmetic); always true.
bool IncArrayElementsPos(TIntArray& arr, int32_t number);
// Adds the number to every element below 0; always true.
bool IncArrayElementsNeg(TIntArray& arr, int32_t number);

// StringReplaceFast on every element.
void ReplaceInAllArrayElements(TStrArray& arr, std::string_view oldText, std::string_view newText);
// Trim on every element.
void TrimAllArrayElements(TStrArray& arr);

// Unstable quicksorts with the middle element as pivot; the string sorts
// compare the UTF-8 upper-case forms byte by byte. Callers rely on the order
// of equal keys that this exact procedure gives.
void SortStrArrayUp(TStrArray& arr);
void SortIntArrayUp(TIntArray& arr);
void SortIntStrArrayStrUp(TIntStrArray& arr);

// expand false: blanks every cell equal to the cell above it (as it was);
// expand true: fills every empty cell from the cell above it.
void ShortenDataSetsInStrArray(TStrArray2D& table, bool expand);

// --- Searching and reducing ------------------------------------------------

// Index of the first element equal to the text (exactMatch) or containing it;
// in the latter mode with alsoElementInText, when nothing contains the text,
// the first element that the text contains. -1 if none.
int32_t InStrArray(const TStrArray& arr, std::string_view text, bool exactMatch = true, bool ignoreCase = false,
                   bool alsoElementInText = false);
// Index of the first element matching the pattern text ("*", "?"), or with
// elementsArePatterns the first element that as a pattern matches the text.
int32_t InStrArrayWildcard(const TStrArray& arr, std::string_view text, bool ignoreCase, bool elementsArePatterns);

// Every value once: in the order of first occurrence below 75 elements,
// ascending from 75 elements on.
TIntArray DeleteDoubleElementsFromArray(const TIntArray& arr);
TIntArray DeleteDoubleElementsFromArrayForSmallArrays(const TIntArray& arr);
TIntArray DeleteDoubleElementsFromArrayForBigArrays(const TIntArray& arr);

// Splits at every byte of the separator set.
TStrArray CSVStringToStrArray(std::string_view text, bool trimText, bool trimItems, bool skipEmpty,
                              const TCharSet& separators);

// Sum wrapping around like 32-bit arithmetic; 0 for an empty array.
int32_t SumOfAllArrayElements(const TIntArray& arr);
