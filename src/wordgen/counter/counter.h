// The count command without its window: prepares a text by the counter
// settings, counts it, keeps the result across counts (replacing or
// accumulating), extends, sorts and filters it, and writes it as an aligned
// text table.
//
// The main window owns one TCounterObj for its whole life, reads the settings
// into a TCounterSettings at each command and shows what the object returns.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "foundation/containers_lists.h"
#include "foundation/number_format.h"
#include "foundation/types.h"

// The default of the excluded characters: punctuation, quotation marks,
// symbols and the digits.
const std::string& CountExcludeCharsDefault();
// The default of the only-counted characters.
inline constexpr std::string_view kCountOnlyCharsDefault = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// What the count may be: count_type.
enum TCountType : int32_t {
  ctWords = 0,
  ctLetters = 1,
  ctDigrams = 2,
  ctTrigrams = 3,
  ctQuadgrams = 4,
  ctQuintgrams = 5,
  ctHexagrams = 6,
  ctSyllables = 7,
};

// The order of the result: sorting.
enum TCountSorting : int32_t {
  csCharUp = 0,
  csCharDown = 1,
  csFreqUp = 2,
  csFreqDown = 3,
  csOccurence = 4,
  csCharList = 5,
};

// The counter settings as the settings object reads them, with their declared
// defaults. Numbers arrive already converted (ReadInt); MinFrequence is the
// setting's text, so that a percentage is applied exactly as typed.
struct TCounterSettings {
  TCountType CountType = ctLetters;                       // count_type
  bool CountBlanks = false;                               // count_blanks
  bool CountPositions = false;                            // count_positions
  bool ResetCounter = true;                               // count_resetcounter
  bool Exclude = true;                                    // count_exclude
  std::string ExcludeChars = CountExcludeCharsDefault();  // count_exclude_chars
  bool OnlyCount = false;                                 // count_only
  std::string OnlyChars{kCountOnlyCharsDefault};          // count_only_chars
  bool UseRegex = false;                                  // count_regex
  std::string RegexExpr;                                  // count_regex_expr
  bool RegexBrackets = true;                              // count_regex_brackets
  bool RegexShowMatches = false;                          // count_regex_showmatches
  bool CombineLowUp = true;                               // combinelowup
  bool ReplaceUmlauts = false;                            // replaceumlauts
  bool ReplaceAccents = false;                            // replaceaccents
  bool ReplaceCapitalSharpS = false;                      // replacecapitalß
  bool AlwaysCountSmallSharpS = false;                    // alwayscountsmallß
  TCountSorting Sorting = csCharUp;                       // sorting
  bool ShowNumber = true;                                 // show_number
  bool ShowFrequency = true;                              // show_frequency
  bool ShowTotal = true;                                  // show_total
  bool AddAllCountedChars = false;                        // add_all_counted_chars
  int32_t MinLength = 1;                                  // min_length (ReadInt)
  std::string MinFrequence = "0.00";                      // min_frequence as text, for the percentage
  int32_t MinFrequenceInt = 0;                            // min_frequence (ReadInt), for the absolute limit
  bool MinIsPercent = true;                               // min_is_percent
  std::string OnlyElementsStartingWith;                   // only_elements_starting_with
  std::string OnlyElementsEndingWith;                     // only_elements_ending_with
  std::string OnlyElementsContaining;                     // only_elements_containing
  bool OnlyElementsCase = true;                           // only_elements_case
  bool OnlyElementsRegex = false;                         // only_elements_regex
  bool OldBasis = true;                                   // old_basis
  int32_t PercentDecimalPlaces = 2;                       // percent_decimalplaces (ReadInt)
  // Not stored: the window shows the table in a right-to-left language. Each
  // cell of the shown table is then isolated in its own direction, so that
  // "0.52%" keeps its sign on one side in every row, and a combining mark
  // counted alone stands on a dotted circle instead of joining the row above.
  bool IsolateCells = false;
};

// What the window does after a count.
struct TCountOutcome {
  // False when the input was empty: nothing changed, show the message.
  bool Counted = false;
  // The new text of the output field (when Counted).
  std::string Output;
  // The information message for an empty input (when not Counted).
  std::string MessageCaption;
  std::string MessageText;
};

class TCounterObj {
 public:
  // The result of all counts since the last reset, as the last count's
  // extension, sort and filters left it.
  TIntStrArrayObj GlobalErg;
  // The sum of the counts right after the last count merged its table,
  // before anything was added or removed: the percentage base of old_basis.
  int32_t GlobalErgCount = 0;

  // Receives the matches of the regular-expression filter, joined by line
  // feeds, while count_regex_showmatches is on; the window shows them and the
  // count goes on when it returns.
  std::function<void(const std::string& matches)> OnShowMatches;

  // The count command. An empty input changes nothing and asks for the
  // message; anything else (blanks included) is counted.
  TCountOutcome Count(std::string_view input, const TCounterSettings& settings, const NumberFormat& format);

  // Forgets every counted item; GlobalErgCount stays. The output field
  // becomes empty.
  void ResetCounter();

  // One row per pair: the item, the count (show_number) and the percentage
  // (show_frequency). No header and no total row.
  TStrArray2D GlobalErgAsStrArray2D(const TCounterSettings& settings, const NumberFormat& format) const;

  // The text table of the output field: the rows above, a total row while
  // show_total is on and there is a row, right-aligned numbers.
  std::string CountAusgabe(const TCounterSettings& settings, const NumberFormat& format) const;

  // The limit below which the percentage p% of sum removes a count: sum × p ÷ 100
  // rounded up, computed exactly from the decimal text p (either "." or ","
  // as separator, optional exponent). No value when p is not a number above 0.
  // Limits beyond the 32-bit range are given as INT64_MAX or INT64_MIN.
  static std::optional<int64_t> MinFrequencyLimit(std::string_view percentText, int32_t sum);
};
