// The program's one source of randomness. Production code draws from the
// process-wide generator; tests install a scripted or seeded one.
#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

class TRandomGenerator {
 public:
  virtual ~TRandomGenerator() = default;
  // Unbiased whole number in [0, n); n from 1 to 2^31 + 1 (0 gives 0).
  virtual uint64_t Random(uint64_t n) = 0;
};

// std::mt19937_64 with rejection sampling, so every value is equally likely.
class TSeededRandom : public TRandomGenerator {
 public:
  explicit TSeededRandom(uint64_t seed) : FEngine(seed) {}
  uint64_t Random(uint64_t n) override;

 private:
  std::mt19937_64 FEngine;
  // What the last n needs, worked out once for the draws in a row that
  // share it: the rejection limit and the reciprocal of the remainder.
  uint64_t FLastN = 0;
  uint64_t FLimit = 0;
  uint64_t FReciprocalHigh = 0;
  uint64_t FReciprocalLow = 0;
};

// Returns the given values in turn (each taken modulo n as a guard) and counts
// the draws; after the script ends it repeats its last value (0 when empty).
class TScriptedRandom : public TRandomGenerator {
 public:
  explicit TScriptedRandom(std::vector<uint64_t> values) : FValues(std::move(values)) {}
  uint64_t Random(uint64_t n) override;
  uint64_t Draws() const { return FDraws; }
  // The n of every draw, in order (kept for the first 10000 draws).
  const std::vector<uint64_t>& Ranges() const { return FRanges; }

 private:
  std::vector<uint64_t> FValues;
  size_t FNext = 0;
  uint64_t FDraws = 0;
  std::vector<uint64_t> FRanges;
};

// The process-wide generator, seeded once from the clock on first use.
TRandomGenerator& ProgramRandom();
// Replaces the process-wide generator (tests); nullptr restores a clock-seeded one.
void SetProgramRandom(std::unique_ptr<TRandomGenerator> gen);
