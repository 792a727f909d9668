// Text statistics of the counter: words, characters and character groups
// (with or without their position in the word), syllables, and the
// combinations of a character list that pre-fill a table.
//
// Every counting function reads its text one UTF-8 character at a time up to
// the end or the first NUL character, adds to a new table only through
// TIntStrArrayObj::Inc (so items stand in the order of first occurrence) and
// hands the table to the caller. Invalid UTF-8 byte sequences are read as
// U+FFFD. Membership in the excluded and only-counted lists is a substring
// test of the character's bytes; an empty only-counted list admits every
// character.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "foundation/containers_lists.h"
#include "foundation/types.h"

// Words are maximal runs of letters; a word holding an excluded letter, or a
// letter outside a non-empty only-counted list, is dropped as a whole.
TIntStrArrayObj CountWords(std::string_view text, std::string_view excluded, std::string_view onlyCounted);

// Sliding groups of n characters (1 to 6; other lengths count nothing) inside
// runs of characters. A run breaks at every character of code 32 or below
// (except the blank while countBlanks is set), at excluded characters and at
// characters outside a non-empty only-counted list. With preFill and a
// non-empty only-counted list, every combination of that list comes first
// with count 0.
TIntStrArrayObj CountCharacters(std::string_view text, int32_t n, std::string_view excluded,
                                std::string_view onlyCounted, bool countBlanks, bool preFill);

// As CountCharacters without the pre-fill; each item is the group, "_" and
// the position (from 1) of its first character inside the current run.
TIntStrArrayObj CountCharacterPositions(std::string_view text, int32_t n, std::string_view excluded,
                                        std::string_view onlyCounted, bool countBlanks);

// Counts a text handed over in pieces exactly as the functions above count the
// pieces joined: words, groups of N characters or groups with positions. The
// lists (string views) must live as long as the counter. Every piece but the
// last must end right after a character from 1 to 31, which no item spans (see
// CountPieceEnd); nothing after the first NUL character is counted.
class TPieceCounter {
 public:
  enum class TKind { Words, Groups, GroupPositions };
  TPieceCounter(TKind kind, int32_t n, std::string_view excluded, std::string_view onlyCounted, bool countBlanks);
  ~TPieceCounter();
  TPieceCounter(const TPieceCounter&) = delete;
  TPieceCounter& operator=(const TPieceCounter&) = delete;

  // Only before the first piece: the pre-fill of CountCharacters.
  void PreFill();
  void Feed(std::string_view piece);
  // The table; the counter is spent.
  TIntStrArrayObj Finish();

 private:
  struct TState;
  std::unique_ptr<TState> FState;
};

// Where a piece of text taken from its start may end: right after the last
// character from 1 to 31 among its first want bytes, or after the first one
// beyond them when there is none; the whole text when it has none.
size_t CountPieceEnd(std::string_view text, size_t want);

// Upper-cased syllables by the counter's vowel set and consonant clusters.
TIntStrArrayObj CountSyllables(std::string_view text);

// Every ordered combination of n parts, the first part varying slowest: the
// parts themselves for n ≤ 1, pairs for 2, triples for 3, nothing from 4 on
// (nor for pairs or triples beyond kMaxPossibleCombinations). The string form
// takes the characters of chars, up to a NUL, as the parts.
TStrArrayObj CreatePossibleCombinations(const TStrArrayObj& parts, int32_t n);
TStrArrayObj CreatePossibleCombinations(std::string_view chars, int32_t n);

// Pairs or triples of a list so long that they would number more than this
// (256 characters in triples) would not fit in memory; such a list gives no
// combinations at all.
inline constexpr size_t kMaxPossibleCombinations = size_t{1} << 24;

// Number of combinations of partCount parts (more than
// kMaxPossibleCombinations stands for any larger figure).
size_t PossibleCombinationCount(size_t partCount, int32_t n);

// Calls Visit with every combination CreatePossibleCombinations returns, in
// the same order, without building the list (a pre-fill of 216 characters in
// triples is ten million texts).
template <typename Visit>
void ForEachPossibleCombination(const TStrArray& parts, int32_t n, Visit&& visit) {
  if (n <= 1) {
    for (const std::string& p : parts) visit(std::string_view(p));
    return;
  }
  if (n > 3 || PossibleCombinationCount(parts.size(), n) > kMaxPossibleCombinations) return;
  std::string buf;
  for (const std::string& a : parts) {
    for (const std::string& b : parts) {
      if (n == 2) {
        buf.assign(a).append(b);
        visit(std::string_view(buf));
        continue;
      }
      for (const std::string& c : parts) {
        buf.assign(a).append(b).append(c);
        visit(std::string_view(buf));
      }
    }
  }
}
