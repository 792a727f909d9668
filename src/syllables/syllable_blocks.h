// What the per-language data files share: a list is three constant blocks of
// entry lines, and every loader assembles its result from them the same way.
#pragma once

#include <cstddef>

#include "foundation/types.h"

struct TSyllableBlock {
  const char* const* Entries;
  std::size_t Count;
};

// Appends the wanted blocks back to back in the fixed order single letters,
// two-letter groups, three-letter groups; nothing is sorted or filtered.
TStrArray AssembleSyllableList(const TSyllableBlock& Single, const TSyllableBlock& Digrams,
                               const TSyllableBlock& Trigrams, bool AddSingle, bool AddDigrams, bool AddTrigrams);
