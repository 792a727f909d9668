// MD2 (RFC 1319), MD4 (RFC 1320), MD5 (RFC 1321) and the base the MD4-style
// hashes share: 32-bit word state, 64-byte blocks, little-endian length field
// and output.
#pragma once

#include <array>

#include "hashes/hash_framework.h"

class THashMDBase : public TBlockHash {
 public:
  void Initialize() override;

 protected:
  THashMDBase(int32_t StateLength, int32_t HashSize);
  void Finish() override;
  TByteArr GetResult() override;

  THashLibUInt32Array FState;
};

class THashMD4 : public THashMDBase {
 public:
  THashMD4();
  std::string GetName() const override { return "THashMD4"; }

 protected:
  void TransformBlock(const uint8_t* Data, int32_t DataLength, int32_t Index) override;
};

class THashMD5 : public THashMDBase {
 public:
  THashMD5();
  std::string GetName() const override { return "THashMD5"; }

 protected:
  void TransformBlock(const uint8_t* Data, int32_t DataLength, int32_t Index) override;
};

class THashMD2 : public TBlockHash {
 public:
  THashMD2();
  std::string GetName() const override { return "THashMD2"; }
  void Initialize() override;

  // The permutation of 0..255 made from the digits of pi.
  static const std::array<uint8_t, 256> S_PI;

 protected:
  void Finish() override;
  void TransformBlock(const uint8_t* Data, int32_t DataLength, int32_t Index) override;
  TByteArr GetResult() override;

 private:
  TByteArr FState;
  TByteArr FChecksum;
};
