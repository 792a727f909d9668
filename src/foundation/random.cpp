#include "foundation/random.h"

#include <chrono>

namespace {

__extension__ using TUInt128 = unsigned __int128;

// The remainder v % n by multiplications with the 128-bit reciprocal
// floor((2^128 - 1) / n) + 1, exact for every 64-bit v and n above 1.
uint64_t RemainderByReciprocal(uint64_t v, uint64_t high, uint64_t low, uint64_t n) {
  const TUInt128 fraction = ((static_cast<TUInt128>(high) << 64) | low) * v;
  const TUInt128 bottom = (static_cast<TUInt128>(static_cast<uint64_t>(fraction)) * n) >> 64;
  const TUInt128 top = static_cast<TUInt128>(static_cast<uint64_t>(fraction >> 64)) * n;
  return static_cast<uint64_t>((bottom + top) >> 64);
}

}  // namespace

uint64_t TSeededRandom::Random(uint64_t n) {
  if (n <= 1) return 0;
  if (n != FLastN) {
    FLastN = n;
    // Reject the top partial block so that every residue is equally likely.
    FLimit = UINT64_MAX - (UINT64_MAX % n);
    const TUInt128 reciprocal = ~TUInt128{0} / n + 1;
    FReciprocalHigh = static_cast<uint64_t>(reciprocal >> 64);
    FReciprocalLow = static_cast<uint64_t>(reciprocal);
  }
  uint64_t v;
  do {
    v = FEngine();
  } while (v >= FLimit);
  return RemainderByReciprocal(v, FReciprocalHigh, FReciprocalLow, n);
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
