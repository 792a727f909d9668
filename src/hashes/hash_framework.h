// The common ground of every checksum and hash class: the base classes with
// their compute operations on texts, byte arrays and streams, the block
// buffer of the block hashes, the digest object and the byte-order helpers.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "foundation/byte_arrays.h"

using THashLibUInt32Array = std::vector<uint32_t>;
using THashLibUInt64Array = std::vector<uint64_t>;
using THashLibStringArray = std::vector<std::string>;
using THashLibCharArray = std::vector<char>;
using THashLibMatrixUInt32Array = std::vector<THashLibUInt32Array>;

// How a text becomes bytes before hashing. The texts of the program are UTF-8
// already; None stands for "no encoding given" and yields no bytes.
enum class THashEncoding { None, UTF8 };

// A finished digest.
class IHashResult {
 public:
  virtual ~IHashResult() = default;
  virtual const TByteArr& GetBytes() const = 0;
  // The digest read as one number, first byte most significant, when it has
  // exactly as many bytes as the number; 0 otherwise.
  virtual uint8_t GetUInt8() const = 0;
  virtual uint16_t GetUInt16() const = 0;
  virtual uint32_t GetUInt32() const = 0;
  virtual int32_t GetInt32() const = 0;
  virtual uint64_t GetUInt64() const = 0;
  // Upper-case hex; with Group, eight digits per group joined by "-".
  virtual std::string ToString(bool Group) const = 0;
  // Upper-case hex, two digits per byte, no separators.
  virtual std::string AsString() const = 0;
  virtual bool Equals(const IHashResult& Other) const = 0;
  // 0 .. 2^32 - 1, for use as a hash-table key.
  virtual int64_t GetHashCode() const = 0;
};

class THashResult : public IHashResult {
 public:
  explicit THashResult(TByteArr Bytes);
  // Integers become their bytes most significant first.
  explicit THashResult(uint8_t Value);
  explicit THashResult(uint16_t Value);
  explicit THashResult(uint32_t Value);
  explicit THashResult(uint64_t Value);

  const TByteArr& GetBytes() const override { return FHash; }
  uint8_t GetUInt8() const override;
  uint16_t GetUInt16() const override;
  uint32_t GetUInt32() const override;
  int32_t GetInt32() const override;
  uint64_t GetUInt64() const override;
  std::string ToString(bool Group) const override;
  std::string AsString() const override;
  bool Equals(const IHashResult& Other) const override;
  int64_t GetHashCode() const override;

  // Visits every byte of the shorter array whatever the first difference, so
  // the time taken does not tell where two digests differ.
  static bool SlowEquals(const TByteArr& A, const TByteArr& B);

 private:
  TByteArr FHash;
};

class TBitConverter {
 public:
  static const bool FIsLittleEndian;
  // Dash-separated upper-case hex: AB-CD-EF. Throws std::out_of_range for a
  // range outside the array.
  static std::string ToString(const TByteArr& Bytes);
  static std::string ToString(const TByteArr& Bytes, int32_t StartIndex);
  static std::string ToString(const TByteArr& Bytes, int32_t StartIndex, int32_t Length);
};

class TConverters {
 public:
  // Copies Size bytes, reversing the byte order within every 4-byte (8-byte) word.
  static void swap_copy_str_to_u32(const void* Source, int32_t SourceIndex, void* Destination, int32_t DestinationIndex,
                                   int32_t Size);
  static void swap_copy_str_to_u64(const void* Source, int32_t SourceIndex, void* Destination, int32_t DestinationIndex,
                                   int32_t Size);
  // Copies so that the words are big- or little-endian in memory on this host.
  static void be32_copy(const void* Source, int32_t SourceIndex, void* Destination, int32_t DestinationIndex,
                        int32_t Size);
  static void be64_copy(const void* Source, int32_t SourceIndex, void* Destination, int32_t DestinationIndex,
                        int32_t Size);
  static void le32_copy(const void* Source, int32_t SourceIndex, void* Destination, int32_t DestinationIndex,
                        int32_t Size);
  static void le64_copy(const void* Source, int32_t SourceIndex, void* Destination, int32_t DestinationIndex,
                        int32_t Size);

  static std::string ConvertBytesToHexString(const TByteArr& Bytes);
  static std::string ConvertBytesToHexString(const TByteArr& Bytes, bool Group);
  static TByteArr ConvertStringToBytes(const std::string& Text, THashEncoding Encoding);
  static std::string ConvertBytesToString(const TByteArr& Bytes, THashEncoding Encoding);
  static THashLibStringArray SplitString(const std::string& Text, char Delimiter);
};

class THashBase {
 public:
  THashBase(int32_t HashSize, int32_t BlockSize);
  virtual ~THashBase() = default;
  THashBase(const THashBase&) = delete;
  THashBase& operator=(const THashBase&) = delete;

  virtual int32_t GetBlockSize() const { return FBlockSize; }
  virtual void SetBlockSize(int32_t Value) { FBlockSize = Value; }
  virtual int32_t GetHashSize() const { return FHashSize; }
  virtual void SetHashSize(int32_t Value) { FHashSize = Value; }
  // The class name, for example "THashMD5".
  virtual std::string GetName() const = 0;

  virtual std::shared_ptr<IHashResult> ComputeString(const std::string& Text, THashEncoding Encoding);
  virtual std::shared_ptr<IHashResult> ComputeBytes(const TByteArr& Data);
  // Hashes Length bytes from the stream's position, or up to its end for -1.
  std::shared_ptr<IHashResult> ComputeStream(std::istream* Stream, int64_t Length);

  // Adds all of Data; arrays of any size are taken in pieces the block
  // interface can count.
  void TransformBytes(const TByteArr& Data);
  // Adds Length bytes of Data from Index; throws std::out_of_range when the
  // range does not lie inside the array.
  void TransformBytes(const TByteArr& Data, int32_t Index, int32_t Length);
  // Feeds the stream from its position in chunks of 64 KiB, up to Length
  // bytes or to its end for -1. Stops at the end of the stream whatever
  // Length says, and leaves the stream after the last byte read.
  void TransformStream(std::istream* Stream, int64_t Length);

  virtual void TransformBytes(const uint8_t* Data, int32_t Index, int32_t Length) = 0;
  virtual void Initialize() = 0;
  // The digest of everything added since Initialize; initializes again.
  virtual std::shared_ptr<IHashResult> TransformFinal() = 0;

 protected:
  static constexpr int32_t kReadBufferSize = 65536;

 private:
  int32_t FBufferSize;
  int32_t FBlockSize;
  int32_t FHashSize;
};

// The bytes of an unfinished block.
struct THashBuffer {
  explicit THashBuffer(int32_t Length);
  void Initialize();
  // Takes as much of Source from StartIndex as fits; true when the buffer is full.
  bool Feed(const uint8_t* Source, int32_t SourceLength, int32_t& StartIndex, int32_t& Length,
            uint64_t& ProcessedBytes);
  int32_t GetLength() const { return static_cast<int32_t>(Data.size()); }

  TByteArr Data;
  int32_t Position = 0;
};

class TBlockHash : public THashBase {
 public:
  // BufferSize -1: one block.
  TBlockHash(int32_t HashSize, int32_t BlockSize, int32_t BufferSize = -1);
  using THashBase::TransformBytes;
  void TransformBytes(const uint8_t* Data, int32_t Index, int32_t Length) override;
  void Initialize() override;
  std::shared_ptr<IHashResult> TransformFinal() override;

 protected:
  virtual void Finish() = 0;
  // Compresses exactly one block starting at Data + Index.
  virtual void TransformBlock(const uint8_t* Data, int32_t DataLength, int32_t Index) = 0;
  // Count whole blocks in a row starting at Data + Index, each counted in
  // FProcessedBytes before it is compressed; an algorithm that gains from
  // seeing several blocks at once does them together.
  virtual void TransformBlocks(const uint8_t* Data, int32_t Index, int32_t Count);
  virtual TByteArr GetResult() = 0;

  THashBuffer FBuffer;
  uint64_t FProcessedBytes = 0;
};

// Fixed-order word access for the algorithm classes.
namespace hash_bytes {

inline uint32_t Load32LE(const uint8_t* p) {
  uint32_t v;
  std::memcpy(&v, p, 4);
  if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap32(v);
  return v;
}
inline uint32_t Load32BE(const uint8_t* p) {
  uint32_t v;
  std::memcpy(&v, p, 4);
  if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap32(v);
  return v;
}
inline uint64_t Load64LE(const uint8_t* p) {
  uint64_t v;
  std::memcpy(&v, p, 8);
  if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap64(v);
  return v;
}
inline uint64_t Load64BE(const uint8_t* p) {
  uint64_t v;
  std::memcpy(&v, p, 8);
  if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap64(v);
  return v;
}
inline void Store32LE(uint8_t* p, uint32_t v) {
  if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap32(v);
  std::memcpy(p, &v, 4);
}
inline void Store32BE(uint8_t* p, uint32_t v) {
  if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap32(v);
  std::memcpy(p, &v, 4);
}
inline void Store64LE(uint8_t* p, uint64_t v) {
  if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap64(v);
  std::memcpy(p, &v, 8);
}
inline void Store64BE(uint8_t* p, uint64_t v) {
  if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap64(v);
  std::memcpy(p, &v, 8);
}
inline constexpr uint32_t Rotl32(uint32_t x, int n) { return (x << n) | (x >> ((32 - n) & 31)); }
inline constexpr uint32_t Rotr32(uint32_t x, int n) { return (x >> n) | (x << ((32 - n) & 31)); }
inline constexpr uint64_t Rotl64(uint64_t x, int n) { return (x << n) | (x >> ((64 - n) & 63)); }
inline constexpr uint64_t Rotr64(uint64_t x, int n) { return (x >> n) | (x << ((64 - n) & 63)); }

// Clears a copy of message data; the barrier keeps the compiler from
// dropping the stores as dead.
inline void Wipe(void* p, size_t n) {
  std::memset(p, 0, n);
  __asm__ __volatile__("" : : "r"(p) : "memory");
}

}  // namespace hash_bytes
