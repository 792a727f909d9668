#include "foundation/random.h"

#include <chrono>

uint64_t TSeededRandom::Random(uint64_t n) {
  if (n <= 1) return 0;
  // Reject the top partial block so that every residue is equally likely.
  const uint64_t limit = UINT64_MAX - (UINT64_MAX % n);
  uint64_t v;
  do {
    v = FEngine();
  } while (v >= limit);
  return v % n;
}

uint64_t TScriptedRandom::Random(uint64_t n) {
  ++FDraws;
  if (FRanges.size() < 10000) FRanges.push_back(n);
  uint64_t v = 0;
  if (!FValues.empty()) {
    v = FNext < FValues.size() ? FValues[FNext++] : FValues.back();
  }
  return n == 0 ? 0 : v % n;
}

namespace {
std::unique_ptr<TRandomGenerator>& Slot() {
  static std::unique_ptr<TRandomGenerator> gen;
  return gen;
}

uint64_t ClockSeed() {
  return static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
}  // namespace

TRandomGenerator& ProgramRandom() {
  auto& gen = Slot();
  if (!gen) gen = std::make_unique<TSeededRandom>(ClockSeed());
  return *gen;
}

void SetProgramRandom(std::unique_ptr<TRandomGenerator> gen) { Slot() = std::move(gen); }
