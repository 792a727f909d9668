// The RIPEMD family: the 128-bit RIPEMD of 1992, RIPEMD-128 and RIPEMD-160
// (ISO/IEC 10118-3), and the double-width RIPEMD-256 and RIPEMD-320.
#pragma once

#include "hashes/hash_md.h"

class THashRIPEMD : public THashMDBase {
 public:
  THashRIPEMD();
  std::string GetName() const override { return "THashRIPEMD"; }

 protected:
  void TransformBlock(const uint8_t* Data, int32_t DataLength, int32_t Index) override;
};

class THashRIPEMD128 : public THashMDBase {
 public:
  THashRIPEMD128();
  std::string GetName() const override { return "THashRIPEMD128"; }

 protected:
  void TransformBlock(const uint8_t* Data, int32_t DataLength, int32_t Index) override;
};

class THashRIPEMD160 : public THashMDBase {
 public:
  THashRIPEMD160();
  std::string GetName() const override { return "THashRIPEMD160"; }
  void Initialize() override;

 protected:
  void TransformBlock(const uint8_t* Data, int32_t DataLength, int32_t Index) override;
};

class THashRIPEMD256 : public THashMDBase {
 public:
  THashRIPEMD256();
  std::string GetName() const override { return "THashRIPEMD256"; }
  void Initialize() override;

 protected:
  void TransformBlock(const uint8_t* Data, int32_t DataLength, int32_t Index) override;
};

class THashRIPEMD320 : public THashMDBase {
 public:
  THashRIPEMD320();
  std::string GetName() const override { return "THashRIPEMD320"; }
  void Initialize() override;

 protected:
  void TransformBlock(const uint8_t* Data, int32_t DataLength, int32_t Index) override;
};
