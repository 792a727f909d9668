// The create command without its window: reads the length and number texts,
// checks the syllable list, rebuilds the engine's tables and writes the words
// into the output text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/letter_case.h"
#include "wordgen/engine/engine_message.h"
#include "wordgen/engine/readability.h"
#include "wordgen/engine/word_generator.h"

// The settings the command reads, with their defaults.
// The letter case of the created words (writing), by the stored numbers.
inline constexpr int32_t kWritingAsListed = 0;
inline constexpr int32_t kWritingUpperCase = 1;
inline constexpr int32_t kWritingMixedCase = 2;
inline constexpr int32_t kWritingInitialCapitals = 3;
inline constexpr int32_t kWritingLowerCase = 4;

struct TCreateSettings {
  bool ClearListBeforeCreation = false;                      // clearlist_beforecreation
  bool ReadableWords = true;                                 // readable_words
  bool WordsBeside = false;                                  // wordsbeside
  bool InsertLineBreakBetweenCreations = false;              // insert_linebreak_betweencreations
  std::string WordsBesideBetweenChar = " ";                  // wordsbeside_betweenchar
  bool ReadableIfNoRule = true;                              // readable_ifnorule
  bool SyllableOncePerWord = false;                          // syllableonceperword
  int32_t Writing = kWritingAsListed;                        // writing
  bool UseLineBreakChar = false;                             // use_linebreakchar
  std::string LineBreakChar = "/nl";                         // linebreakchar
  std::string ReadabilityRules = DefaultReadabilityRules();  // readabilityrules
  // The letter case of the syllable list's language (not stored: it follows
  // the list last chosen from the menu).
  TLetterCaseRules CaseRules = TLetterCaseRules::Common;
};

// Longest word length accepted, and most syllables one run may ask for
// (number of words times the largest length, at least 1 per word). Beyond
// them the length or the number is refused like a text that is no number, so
// that no input can make the command run or allocate without bound.
inline constexpr int32_t kMaxCreateWordLength = 100000;
inline constexpr int64_t kMaxCreateSyllables = 10000000;
// The same for the bytes one run may add to the output at most (every word
// of the longest length made of the longest syllable, plus its line break or
// separator): a list of very long syllables is refused like too many words.
inline constexpr int64_t kMaxCreateOutputBytes = int64_t{1} << 30;

// The word length: a fixed length, or a range (IsRange) from RangeFrom to
// RangeTo.
struct TWordLength {
  int32_t Length = 0;
  int32_t RangeFrom = 0;
  int32_t RangeTo = 0;
  bool IsRange() const { return RangeFrom != 0 || RangeTo != 0; }
  // The length the position check runs for: the larger of Length and RangeTo.
  int32_t CheckLength() const { return Length > RangeTo ? Length : RangeTo; }
};

// "3" is a fixed length; "3-6" and "3 - 6" a range (cut at the first "-",
// both sides trimmed). Full-width digits "０"-"９" stand for "0"-"9", and the
// wave dashes "〜", "～" and the full-width "－" for "-". False for anything else.
bool ParseWordLength(std::string_view text, TWordLength& out);

struct TCreateResult {
  // The output field's new text (also after a failure: what stays).
  std::string OutputText;
  // Where the caret goes, in characters (code points) from the start; empty
  // when the caret stays where it was.
  std::optional<int64_t> Caret;
  // The dialogs to show, in order (an information may precede an error).
  std::vector<TEngineMessage> Messages;
};

// One run of the command. The checks stop it in this order: length, number,
// frequencies, empty table, readability pre-check (readable words only),
// positions (for the fixed length or the range's second number), a failed
// word. Lengths of a range are drawn between its two numbers, whichever is
// the larger; all draws come from the engine's generator. A line is appended
// to the output after a line break, except to an empty text or to one that
// already ends with a line break.
TCreateResult RunCreateCommand(TWordGenEngine& engine, const TCreateSettings& settings, std::string_view lengthText,
                               std::string_view numberText, std::string_view syllableListText,
                               std::string_view outputText);
