// Helpers shared by the image header readers: opening, zero-filled reads,
// numbers in either byte order and the rounding the readers use.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "fileinfo/buffered_stream.h"

namespace image_headers {

// The file opened for one reader run, optionally behind a 1024-byte buffer for
// readers that make many small reads close together.
class TReaderFile {
 public:
  TReaderFile(const std::string& fileName, bool buffered) : FFile(OpenStreamForReadingOrRaise(fileName)) {
    if (buffered) FBuffered.emplace(*FFile);
  }
  TStream& S() { return FBuffered ? static_cast<TStream&>(*FBuffered) : *FFile; }
  int64_t Size() { return FFile->GetSize(); }
  int64_t Position() { return S().GetPosition(); }
  void Seek(int64_t position) { S().Seek(position, TSeekOrigin::Beginning); }
  void Skip(int64_t count) { S().Seek(count, TSeekOrigin::Current); }
  // Reads up to count bytes into a zero-filled buffer; the bytes that arrived.
  int64_t Read(void* buffer, int64_t count) {
    if (count <= 0) return 0;
    std::memset(buffer, 0, static_cast<size_t>(count));
    return S().Read(buffer, count);
  }
  // Reads exactly count bytes or nothing useful: false on a short read.
  bool ReadAll(void* buffer, int64_t count) { return Read(buffer, count) == count; }
  uint8_t ReadByte() {
    uint8_t b = 0;
    Read(&b, 1);
    return b;
  }
  uint16_t ReadBE16() {
    uint8_t b[2];
    Read(b, 2);
    return static_cast<uint16_t>(b[0] << 8 | b[1]);
  }
  uint32_t ReadBE32() {
    uint8_t b[4];
    Read(b, 4);
    return static_cast<uint32_t>(b[0]) << 24 | static_cast<uint32_t>(b[1]) << 16 | static_cast<uint32_t>(b[2]) << 8 |
           b[3];
  }

 private:
  std::unique_ptr<TStream> FFile;
  std::optional<TBufferedStream> FBuffered;
};

inline uint16_t BE16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }
inline uint16_t LE16(const uint8_t* p) { return static_cast<uint16_t>(p[1] << 8 | p[0]); }
inline uint32_t BE32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
         p[3];
}
inline uint32_t LE32(const uint8_t* p) {
  return static_cast<uint32_t>(p[3]) << 24 | static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[1]) << 8 |
         p[0];
}
inline uint64_t BE64(const uint8_t* p) { return static_cast<uint64_t>(BE32(p)) << 32 | BE32(p + 4); }

// Half to even; a value outside the 64-bit range (or no number at all) gives
// 0, and a 32-bit field keeps the low 32 bits of the 64-bit integer.
inline int32_t RoundToInt32(long double value) {
  if (!std::isfinite(value)) return 0;
  long double r = std::nearbyint(value);
  if (r >= 9.2233720368547758e18L || r < -9.2233720368547758e18L) return 0;
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(static_cast<int64_t>(r))));
}

inline bool SameBytes(const uint8_t* p, const char* text, size_t n) { return std::memcmp(p, text, n) == 0; }

}  // namespace image_headers
