// SHA-224, SHA-256, SHA-384 and SHA-512 (FIPS 180-4) on two bases, one per
// word width.
#pragma once

#include <array>

#include "hashes/hash_framework.h"

class THashSHA2_256Base : public TBlockHash {
 public:
  static const std::array<uint32_t, 64> S_K;

 protected:
  explicit THashSHA2_256Base(int32_t HashSize);
  void Finish() override;
  void TransformBlock(const uint8_t* Data, int32_t DataLength, int32_t Index) override;
  void TransformBlocks(const uint8_t* Data, int32_t Index, int32_t Count) override;

  THashLibUInt32Array FState;
};

class THashSHA2_224 : public THashSHA2_256Base {
 public:
  THashSHA2_224();
  std::string GetName() const override { return "THashSHA2_224"; }
  void Initialize() override;

 protected:
  TByteArr GetResult() override;
};

class THashSHA2_256 : public THashSHA2_256Base {
 public:
  THashSHA2_256();
  std::string GetName() const override { return "THashSHA2_256"; }
  void Initialize() override;

 protected:
  TByteArr GetResult() override;
};

class THashSHA2_512Base : public TBlockHash {
 public:
  static const std::array<uint64_t, 80> S_K;

 protected:
  explicit THashSHA2_512Base(int32_t HashSize);
  void Finish() override;
  void TransformBlock(const uint8_t* Data, int32_t DataLength, int32_t Index) override;
  void TransformBlocks(const uint8_t* Data, int32_t Index, int32_t Count) override;

  THashLibUInt64Array FState;
};

class THashSHA2_384 : public THashSHA2_512Base {
 public:
  THashSHA2_384();
  std::string GetName() const override { return "THashSHA2_384"; }
  void Initialize() override;

 protected:
  TByteArr GetResult() override;
};

class THashSHA2_512 : public THashSHA2_512Base {
 public:
  THashSHA2_512();
  std::string GetName() const override { return "THashSHA2_512"; }
  void Initialize() override;

 protected:
  TByteArr GetResult() override;
};
