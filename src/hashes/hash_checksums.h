// Checksums fed byte by byte: the CRC engine for any width from 3 to 64 bits,
// the fast table-sliced CRC-32 of ZIP and PNG with its byte-reversed form,
// and Adler-32 (RFC 1950).
#pragma once

#include <array>

#include "hashes/hash_framework.h"

// A CRC in the usual parameter model, plus IsOutputReversed, which writes the
// result's bytes least significant first.
class THashCRC : public THashBase {
 public:
  // Throws std::invalid_argument for a Width outside 3..64.
  THashCRC(int32_t Width, uint64_t Polynomial, uint64_t Initial, bool IsInputReflected, bool IsOutputReflected,
           uint64_t OutputXor, uint64_t CheckValue, bool IsOutputReversed);

  std::string GetName() const override { return "THashCRC"; }
  using THashBase::TransformBytes;
  void TransformBytes(const uint8_t* Data, int32_t Index, int32_t Length) override;
  void Initialize() override;
  std::shared_ptr<IHashResult> TransformFinal() override;

  // The low Width bits of Value in reverse order; higher bits are dropped.
  static uint64_t Reflect(uint64_t Value, int32_t Width);

  int32_t GetWidth() const { return FWidth; }
  void SetWidth(int32_t Value) { FWidth = Value; }
  uint64_t GetPolynomial() const { return FPolynomial; }
  void SetPolynomial(uint64_t Value) { FPolynomial = Value; }
  uint64_t GetInitial() const { return FInitial; }
  void SetInitial(uint64_t Value) { FInitial = Value; }
  bool GetIsInputReflected() const { return FIsInputReflected; }
  void SetIsInputReflected(bool Value) { FIsInputReflected = Value; }
  bool GetIsOutputReflected() const { return FIsOutputReflected; }
  void SetIsOutputReflected(bool Value) { FIsOutputReflected = Value; }
  uint64_t GetOutputXor() const { return FOutputXor; }
  void SetOutputXor(uint64_t Value) { FOutputXor = Value; }
  void SetCheckValue(uint64_t Value) { FCheckValue = Value; }

 private:
  void GenerateTable();
  void CalculateCRCbyTable(const uint8_t* data, int32_t length);
  void CalculateCRCdirect(const uint8_t* data, int32_t length);

  int32_t FWidth;
  uint64_t FPolynomial;
  uint64_t FInitial;
  uint64_t FOutputXor;
  uint64_t FCheckValue;
  uint64_t FCRCMask = 0;
  uint64_t FCRCHighBitMask = 0;
  uint64_t FHash = 0;
  bool FIsInputReflected;
  bool FIsOutputReflected;
  bool FIsTableGenerated = false;
  bool FIsOutputReversed;
  THashLibUInt64Array FCRCTable;
};

// CRC-32/BZIP2, its bytes least significant first.
class THashCRC32_BZIP2_REVERSED : public THashCRC {
 public:
  THashCRC32_BZIP2_REVERSED();
  std::string GetName() const override { return "THashCRC32_BZIP2_REVERSED"; }
};

// A reflected 32-bit CRC taking 16 bytes per step through 16 tables.
class THashCRC32Fast : public THashBase {
 public:
  using TCRC32Table = std::array<std::array<uint32_t, 256>, 16>;

  THashCRC32Fast();
  void Initialize() override;
  std::shared_ptr<IHashResult> TransformFinal() override;

  // Row t, entry i: the register after byte i followed by t zero bytes.
  static constexpr TCRC32Table Init_CRC_Table(uint32_t Polynomial) {
    TCRC32Table table{};
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t v = i;
      for (int t = 0; t < 16; ++t) {
        for (int k = 0; k < 8; ++k) v = (v >> 1) ^ ((v & 1) ? Polynomial : 0);
        table[t][i] = v;
      }
    }
    return table;
  }

 protected:
  void LocalCRCCompute(const TCRC32Table& Table, const uint8_t* Data, int32_t Index, int32_t Length);

  // The finished CRC of everything fed since Initialize.
  uint32_t FCurrentCRC = 0;
};

// The CRC-32 of ZIP and PNG, most significant byte first.
class THashCRC32_PKZIP : public THashCRC32Fast {
 public:
  std::string GetName() const override { return "THashCRC32_PKZIP"; }
  using THashBase::TransformBytes;
  void TransformBytes(const uint8_t* Data, int32_t Index, int32_t Length) override;

  // Init_CRC_Table(0xEDB88320), made at compile time and shared by all objects.
  static const TCRC32Table& FCRC32_PKZIP_TABLE;
};

// The same CRC, least significant byte first.
class THashCRC32_PKZIP_REVERSED : public THashCRC32_PKZIP {
 public:
  std::string GetName() const override { return "THashCRC32_PKZIP_REVERSED"; }
  std::shared_ptr<IHashResult> TransformFinal() override;
};

class THashAdler32 : public THashBase {
 public:
  THashAdler32();
  std::string GetName() const override { return "THashAdler32"; }
  using THashBase::TransformBytes;
  void TransformBytes(const uint8_t* Data, int32_t Index, int32_t Length) override;
  void Initialize() override;
  std::shared_ptr<IHashResult> TransformFinal() override;

 private:
  uint32_t FA = 1;
  uint32_t FB = 0;
};
