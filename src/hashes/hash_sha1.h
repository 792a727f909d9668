// SHA-0 (the Secure Hash Standard of 1993) and SHA-1 (FIPS 180-4). They
// differ only in the message schedule.
#pragma once

#include "hashes/hash_framework.h"

class THashSHA0 : public TBlockHash {
 public:
  THashSHA0();
  std::string GetName() const override { return "THashSHA0"; }
  void Initialize() override;

 protected:
  void Finish() override;
  void TransformBlock(const uint8_t* Data, int32_t DataLength, int32_t Index) override;
  TByteArr GetResult() override;
  // Fills W[16..79] from the block words W[0..15].
  virtual void Expand(uint32_t* W);

  THashLibUInt32Array FState;
};

class THashSHA1 : public THashSHA0 {
 public:
  std::string GetName() const override { return "THashSHA1"; }

 protected:
  // Takes the processor's SHA extensions where it has them.
  void TransformBlock(const uint8_t* Data, int32_t DataLength, int32_t Index) override;
  void Expand(uint32_t* W) override;
};
