// SHA3-224, SHA3-256, SHA3-384 and SHA3-512 (FIPS 202): the Keccak sponge
// with the SHA-3 domain padding.
#pragma once

#include <array>

#include "hashes/hash_framework.h"

// Digest sizes in bytes.
enum class THashSize : int32_t { HashSize224 = 28, HashSize256 = 32, HashSize384 = 48, HashSize512 = 64 };

class THashSHA3 : public TBlockHash {
 public:
  static const std::array<uint64_t, 24> RC;
  void Initialize() override;

 protected:
  explicit THashSHA3(THashSize HashSize);
  void Finish() override;
  void TransformBlock(const uint8_t* Data, int32_t DataLength, int32_t Index) override;
  TByteArr GetResult() override;

  THashLibUInt64Array FState;
  int32_t FHashSize;
  int32_t FBlockSize;
  uint8_t FPaddingByte = 0;
};

class THashSHA3_224 : public THashSHA3 {
 public:
  THashSHA3_224();
  std::string GetName() const override { return "THashSHA3_224"; }
};

class THashSHA3_256 : public THashSHA3 {
 public:
  THashSHA3_256();
  std::string GetName() const override { return "THashSHA3_256"; }
};

class THashSHA3_384 : public THashSHA3 {
 public:
  THashSHA3_384();
  std::string GetName() const override { return "THashSHA3_384"; }
};

class THashSHA3_512 : public THashSHA3 {
 public:
  THashSHA3_512();
  std::string GetName() const override { return "THashSHA3_512"; }
};
