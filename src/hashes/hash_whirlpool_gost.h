// Whirlpool (ISO/IEC 10118-3:2004, the final version) and GOST R 34.11-94
// with the S-boxes of its test parameter set.
#pragma once

#include <array>

#include "hashes/hash_framework.h"

class THashWhirlPool : public TBlockHash {
 public:
  THashWhirlPool();
  std::string GetName() const override { return "THashWhirlPool"; }
  void Initialize() override;

  static const std::array<uint32_t, 256> S_SBOX;

 protected:
  void Finish() override;
  void TransformBlock(const uint8_t* Data, int32_t DataLength, int32_t Index) override;
  TByteArr GetResult() override;

 private:
  THashLibUInt64Array FState;
};

class THashGost : public TBlockHash {
 public:
  THashGost();
  std::string GetName() const override { return "THashGost"; }
  void Initialize() override;

  // The step function: FState := f(FState, M), M being 8 words, word 0 least significant.
  void Compress(const uint32_t* M);

 protected:
  void Finish() override;
  void TransformBlock(const uint8_t* Data, int32_t DataLength, int32_t Index) override;
  TByteArr GetResult() override;

 protected:
  THashLibUInt32Array FControlSum;
  THashLibUInt32Array FState;
};
