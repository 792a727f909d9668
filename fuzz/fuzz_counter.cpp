// The count pipeline on arbitrary text and settings: it never crashes or
// hangs, and its table is valid UTF-8.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "foundation/number_format.h"
#include "foundation/utf8.h"
#include "fuzz_support.h"
#include "wordgen/counter/counter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FillEnglishTextsOnce();
  if (size < 3) return 0;
  const uint8_t a = data[0], b = data[1], c = data[2];
  std::string text(reinterpret_cast<const char*>(data + 3), size - 3);
  std::string pattern;
  if (auto at = text.find("\n@@\n"); at != std::string::npos) {
    pattern = text.substr(at + 4);
    text.resize(at);
  }
  // A character list after "\n##\n" becomes the only-counted list and is
  // added to the result (pre-fill and extension).
  std::string chars;
  const bool hasChars = [&] {
    const size_t at = text.find("\n##\n");
    if (at == std::string::npos) return false;
    chars = text.substr(at + 4);
    text.resize(at);
    return true;
  }();

  TCounterSettings s;
  s.CountType = static_cast<TCountType>(a % 8);
  s.CountBlanks = a & 0x08;
  s.CountPositions = a & 0x10;
  s.ResetCounter = a & 0x20;
  s.Exclude = a & 0x40;
  s.OnlyCount = a & 0x80;
  s.UseRegex = !pattern.empty();
  s.RegexExpr = pattern;
  s.RegexBrackets = b & 0x01;
  s.CombineLowUp = b & 0x02;
  s.ReplaceUmlauts = b & 0x04;
  s.ReplaceAccents = b & 0x08;
  s.ReplaceCapitalSharpS = b & 0x10;
  s.AlwaysCountSmallSharpS = b & 0x20;
  s.OldBasis = b & 0x40;
  s.MinIsPercent = b & 0x80;
  s.Sorting = static_cast<TCountSorting>(c % 6);
  s.MinLength = (c >> 3) % 4;
  s.MinFrequence = (c & 0x20) ? "0.5" : "0";
  s.MinFrequenceInt = (c & 0x40) ? 2 : 0;
  s.OnlyElementsContaining = (c & 0x80) ? "A" : "";
  if (hasChars) {
    s.OnlyChars = chars;
    s.AddAllCountedChars = true;
  }
  TCounterObj counter;
  NumberFormat fmt{",", "."};
  for (int round = 0; round < 2; ++round) {
    TCountOutcome out = counter.Count(text, s, fmt);
    if (out.Counted && !UTF8IsValid(out.Output)) std::abort();
    for (const TIntStr& p : counter.GlobalErg.Items)
      if (!UTF8IsValid(p.Str)) std::abort();
  }
  return 0;
}
