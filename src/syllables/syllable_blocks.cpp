#include "syllables/syllable_blocks.h"

namespace {

void AppendBlock(TStrArray& result, const TSyllableBlock& block) {
  for (std::size_t i = 0; i < block.Count; ++i) result.emplace_back(block.Entries[i]);
}

}  // namespace

TStrArray AssembleSyllableList(const TSyllableBlock& Single, const TSyllableBlock& Digrams,
                               const TSyllableBlock& Trigrams, bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  TStrArray result;
  result.reserve((AddSingle ? Single.Count : 0) + (AddDigrams ? Digrams.Count : 0) +
                 (AddTrigrams ? Trigrams.Count : 0));
  if (AddSingle) AppendBlock(result, Single);
  if (AddDigrams) AppendBlock(result, Digrams);
  if (AddTrigrams) AppendBlock(result, Trigrams);
  return result;
}
