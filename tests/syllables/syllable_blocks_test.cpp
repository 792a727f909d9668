#include <gtest/gtest.h>

#include <iterator>

#include "syllables/syllable_blocks.h"

namespace {

const char* const kSingle[] = {"0002 A", "0001 B"};
const char* const kDigrams[] = {"0003 AB"};
const char* const kTrigrams[] = {"0004 ABC", "0005 ABD", "0006 ABE"};

}  // namespace

// Every flag combination gives the chosen blocks back to back, always in the
// order single, two-letter, three-letter.
TEST(SyllableBlocks, EveryFlagCombinationConcatenatesChosenBlocksInOrder) {
  const TSyllableBlock single{kSingle, std::size(kSingle)};
  const TSyllableBlock digrams{kDigrams, std::size(kDigrams)};
  const TSyllableBlock trigrams{kTrigrams, std::size(kTrigrams)};
  for (int mask = 0; mask < 8; ++mask) {
    const bool s = mask & 1, d = mask & 2, t = mask & 4;
    TStrArray expected;
    if (s) expected.insert(expected.end(), std::begin(kSingle), std::end(kSingle));
    if (d) expected.insert(expected.end(), std::begin(kDigrams), std::end(kDigrams));
    if (t) expected.insert(expected.end(), std::begin(kTrigrams), std::end(kTrigrams));
    EXPECT_EQ(AssembleSyllableList(single, digrams, trigrams, s, d, t), expected) << mask;
  }
}
