// The generator engine: the frequency table built from a syllable list, the
// readability rules, the weighted draw and the word builder.
//
// One engine object holds what the program keeps between commands (the table
// GlobalSFA with its total GlobalMaxKum, and the rule table
// GlobalLesbarRegeln). The create command rebuilds both before every run.
// Every draw goes through one TRandomGenerator, the program's own unless
// another is set.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "foundation/containers_maps.h"
#include "foundation/random.h"
#include "foundation/types.h"
#include "wordgen/engine/readability.h"
#include "wordgen/engine/syllable_list.h"

struct TSilbenFrequencyItem {
  std::string Syllable;
  int32_t Frequency = 0;
  // Running total of the frequencies up to and including this entry, summed in
  // 64 bits with negative frequencies counted as 0, so that it never falls.
  int64_t Cumulative = 0;
  int32_t PositionType = kPosAnywhere;
  int32_t PositionValue = 0;
  // Chosen in the current word; belongs to the entry, not to its text.
  bool Used = false;
};
using TSilbenFrequencyArray = std::vector<TSilbenFrequencyItem>;

// Draws per search for an entry, and readability tests per position.
inline constexpr int32_t kMaxDrawsPerSearch = 200000;
inline constexpr int32_t kMaxReadabilityTests = 200001;
// Draws for one whole word. The two limits above allow about 4·10^10 draws
// per position, minutes of a frozen window for a list whose only fitting
// entry is rare; this many take about a second.
inline constexpr int64_t kMaxDrawsPerWord = 10000000;

class TWordGenEngine {
 public:
  TWordGenEngine() = default;
  // nullptr: the program's generator, looked up at every draw.
  void SetRandomGenerator(TRandomGenerator* gen) { FGen = gen; }
  TRandomGenerator& Random() const { return FGen ? *FGen : ProgramRandom(); }

  // --- Frequency table ---------------------------------------------------
  // Empties the table and adds an entry for every line in the list format;
  // with useLineBreakChar every lineBreakChar in a syllable becomes a LF.
  void CreateSilbenFrequencyArray(const TStrArray& lines, bool useLineBreakChar, std::string_view lineBreakChar);
  // Appends one entry and returns its index.
  int32_t AddToSyllableList(std::string syllable, int32_t frequency, int32_t positionType, int32_t positionValue);
  void ClearSilbenFrequencyArray();
  const TSilbenFrequencyArray& SFA() const { return GlobalSFA; }
  // The sum of all frequencies that the draw counts (0 for an empty table).
  int64_t MaxKum() const { return GlobalMaxKum; }

  // True when every position 1..wordLength has an entry allowed there;
  // otherwise missing lists the others, each followed by one blank ("2 3 ").
  bool CheckSyllableListForPositions(int32_t wordLength, std::string& missing) const;

  // --- Readability -------------------------------------------------------
  // Parses the rule text into GlobalLesbarRegeln, replacing the old rules.
  void CreateGlobalLesbarRegeln(std::string_view rulesText);
  const TKeyStrArrayArrayObj& LesbarRegeln() const { return GlobalLesbarRegeln; }
  bool ReadabilityCheck(std::string_view word, std::string_view syllable, bool ifNoRule) const {
    return FIndex.Check(word, syllable, ifNoRule);
  }
  // True when the table has an entry beginning with a vowel and one beginning
  // with a consonant (anything else counts as both).
  bool CheckSyllableListIfLesbar() const;

  // --- Draw and word builder -----------------------------------------------
  // Index of the first entry whose Cumulative is at least r, or -1.
  int32_t GetSyllablePositionFromGlobalSFA(int64_t r) const;
  // One weighted draw: r uniform in 1..MaxKum(); -1 when the total is 0.
  int32_t DrawSyllable();
  // Draws until an entry allowed at position a of a word of b syllables turns
  // up (and, with oncePerWord, one not used in this word); -1 after
  // kMaxDrawsPerSearch draws or when nothing can be drawn.
  int32_t FindSyllablePosInGlobalSFA(int32_t a, int32_t b, bool oncePerWord);
  // The word of length syllables, or the failure marker (one NUL character),
  // also when the word would need more than kMaxDrawsPerWord draws.
  std::string CreateWord(int32_t length, bool readable, bool ifNoRule, bool oncePerWord);

 private:
  // Remembered readability verdicts: a word's ending keys decide everything
  // the rules say about the next syllable, so the verdict for an entry after
  // a given set of ending keys is worked out once. Emptied whenever the table
  // or the rules change; bounded in size.
  struct TVerdictCache {
    std::unordered_map<std::string, int32_t> Rows;  // ending-key set -> row
    std::vector<std::vector<int8_t>> Verdicts;      // per row and entry: -1 unknown, 0 or 1
    std::vector<int8_t> BeginsWithKey;              // per entry: -1 unknown, 0 or 1
    std::vector<std::vector<int32_t>> RowKeys;      // per row: its ending keys
    // The rows of recent word endings as long as the longest key, by a hash
    // of the ending (for keys of up to seven bytes).
    struct TEndingRow {
      uint64_t Ending = 0;  // the bytes, and their number in the top byte
      int32_t Row = -1;
    };
    std::vector<TEndingRow> EndingRows;
    void Clear();
  };
  // The row of verdicts for the current ending keys; nullptr when the cache is full.
  int8_t* VerdictRow();
  // Sets the ending keys of word and gives the row of verdicts for them
  // (nullptr when the cache is full).
  int8_t* RowAfter(const std::string& word);
  bool SyllableAllowed(int32_t entry, bool ifNoRule, int8_t* row);
  // FindSyllablePosInGlobalSFA that also gives up when drawsLeft is used up;
  // each draw takes one from it.
  int32_t FindSyllablePos(int32_t a, int32_t b, bool oncePerWord, int64_t& drawsLeft);

  TSilbenFrequencyArray GlobalSFA;
  int64_t GlobalMaxKum = 0;
  TKeyStrArrayArrayObj GlobalLesbarRegeln;
  // The Cumulative column again, contiguous for the binary search.
  std::vector<int64_t> FCumulative;
  // Where the search for a draw starts: for every block of 2^FGuideShift
  // values of r, the entry the first r of the block selects (built at the
  // first draw after the table changed; empty until then).
  std::vector<int32_t> FGuide;
  int32_t FGuideShift = 0;
  // The entry that r (from 1 to GlobalMaxKum) selects, through FGuide.
  int32_t GuidedPosition(int64_t r);
  TReadabilityIndex FIndex;
  TRandomGenerator* FGen = nullptr;
  std::vector<int32_t> FEndingKeys;
  std::string FRowKey;
  int32_t FRowIndex = -1;  // the row VerdictRow gave last
  TVerdictCache FCache;
};
