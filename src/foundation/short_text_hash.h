// The two pieces that the hash indexes of short texts share: loading up to
// eight bytes as one number, and mixing a number into a hash.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

// Up to eight bytes of p as a number, the first byte lowest, zero above n;
// reads no byte beyond p + n. Equal numbers mean equal bytes for equal n.
inline uint64_t LoadUpTo8(const char* p, size_t n) {
  uint64_t v = 0;
  if constexpr (std::endian::native != std::endian::little) {
    for (size_t k = 0; k < n && k < 8; ++k) v |= static_cast<uint64_t>(static_cast<unsigned char>(p[k])) << (8 * k);
  } else if (n >= 8) {
    std::memcpy(&v, p, 8);
  } else if (n >= 4) {
    uint32_t lo = 0, hi = 0;
    std::memcpy(&lo, p, 4);
    std::memcpy(&hi, p + n - 4, 4);
    v = lo | (static_cast<uint64_t>(hi) << (8 * (n - 4)));
  } else if (n > 0) {
    v = static_cast<unsigned char>(p[0]) |
        (static_cast<uint64_t>(static_cast<unsigned char>(p[n / 2])) << (8 * (n / 2))) |
        (static_cast<uint64_t>(static_cast<unsigned char>(p[n - 1])) << (8 * (n - 1)));
  }
  return v;
}

// Spreads every bit of x over the whole result.
inline uint64_t MixHash(uint64_t x) {
  x ^= x >> 32;
  x *= 0xD6E8FEB86659FD93ULL;
  x ^= x >> 32;
  x *= 0xD6E8FEB86659FD93ULL;
  return x ^ (x >> 32);
}
