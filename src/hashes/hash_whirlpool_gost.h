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
  // FS_C0[i] holds the bytes s, s, 4s, s, 8s, 5s, 2s, 9s of S-box entry i
  // (in GF(2^8)), highest first; FS_C1 .. FS_C7 are FS_C0 rotated right by
  // 8 .. 56 bits. FS_RC[r] is the round constant of round r (FS_RC[0] = 0).
  static const std::array<uint64_t, 256>&FS_C0, &FS_C1, &FS_C2, &FS_C3, &FS_C4, &FS_C5, &FS_C6, &FS_C7;
  static const std::array<uint64_t, 11>& FS_RC;

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

  // The cipher's round function with the S-boxes of the test parameter set:
  // FS_SBOX1[byte 0] ^ FS_SBOX2[byte 1] ^ FS_SBOX3[byte 2] ^ FS_SBOX4[byte 3]
  // is the eight 4-bit substitutions followed by a rotation left by 11 bits.
  static const std::array<uint32_t, 256>&FS_SBOX1, &FS_SBOX2, &FS_SBOX3, &FS_SBOX4;

 protected:
  void Finish() override;
  void TransformBlock(const uint8_t* Data, int32_t DataLength, int32_t Index) override;
  TByteArr GetResult() override;

 protected:
  THashLibUInt32Array FControlSum;
  THashLibUInt32Array FState;
};
