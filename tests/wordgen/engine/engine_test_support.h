// Shared pieces of the generator engine tests: an engine built from list
// lines, generators that count their draws, and a chi-square bound.
#pragma once

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "foundation/random.h"
#include "foundation/types.h"
#include "wordgen/engine/word_generator.h"

namespace enginetest {

// The engine after reading these list lines (no line-break character).
inline void Load(TWordGenEngine& engine, std::initializer_list<const char*> lines) {
  TStrArray arr;
  for (const char* l : lines) arr.emplace_back(l);
  engine.CreateSilbenFrequencyArray(arr, false, "");
}

// A seeded generator that also counts its draws.
class CountingRandom : public TRandomGenerator {
 public:
  explicit CountingRandom(uint64_t seed) : FInner(seed) {}
  uint64_t Random(uint64_t n) override {
    ++FDraws;
    return FInner.Random(n);
  }
  uint64_t Draws() const { return FDraws; }

 private:
  TSeededRandom FInner;
  uint64_t FDraws = 0;
};

// Upper bound of the chi-square statistic with df degrees of freedom that is
// exceeded with the chance 0.001 (Wilson-Hilferty; z = 3.0902).
inline double ChiSquareLimit(int df) {
  const double d = df;
  const double t = 1.0 - 2.0 / (9.0 * d) + 3.0902 * std::sqrt(2.0 / (9.0 * d));
  return d * t * t * t;
}

// Chi-square statistic of observed counts against expected shares.
inline double ChiSquare(const std::vector<double>& observed, const std::vector<double>& shares) {
  double total = 0;
  for (double o : observed) total += o;
  double chi = 0;
  for (size_t i = 0; i < observed.size(); ++i) {
    const double e = shares[i] * total;
    chi += (observed[i] - e) * (observed[i] - e) / e;
  }
  return chi;
}

// Makes the text store hold the English texts (once per process).
void EnsureEnglishTexts();

}  // namespace enginetest
