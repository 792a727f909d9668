#include "hashes/hash_md.h"

#include <algorithm>

namespace {

using hash_bytes::Rotl32;

inline uint32_t MD4F(uint32_t x, uint32_t y, uint32_t z) { return z ^ (x & (y ^ z)); }
inline uint32_t MD4G(uint32_t x, uint32_t y, uint32_t z) { return (x & y) | (z & (x | y)); }
inline uint32_t MD4H(uint32_t x, uint32_t y, uint32_t z) { return x ^ y ^ z; }

void ReadWordsLE(const uint8_t* block, uint32_t (&x)[16]) {
  for (int k = 0; k < 16; ++k) x[k] = hash_bytes::Load32LE(block + 4 * k);
}

}  // namespace

// ---- THashMDBase ----

THashMDBase::THashMDBase(int32_t StateLength, int32_t HashSize)
    : TBlockHash(HashSize, 64), FState(static_cast<size_t>(StateLength), 0) {}

void THashMDBase::Initialize() {
  FState[0] = 0x67452301;
  FState[1] = 0xEFCDAB89;
  FState[2] = 0x98BADCFE;
  FState[3] = 0x10325476;
  TBlockHash::Initialize();
}

void THashMDBase::Finish() {
  const uint64_t bits = FProcessedBytes << 3;
  const int32_t fill = FBuffer.Position;
  const int32_t padLength = fill < 56 ? 56 - fill : 120 - fill;
  uint8_t pad[128] = {0x80};
  hash_bytes::Store64LE(pad + padLength, bits);
  TransformBytes(pad, 0, padLength + 8);
}

TByteArr THashMDBase::GetResult() {
  TByteArr out(FState.size() * 4);
  for (size_t k = 0; k < FState.size(); ++k) hash_bytes::Store32LE(out.data() + 4 * k, FState[k]);
  return out;
}

// ---- THashMD4 ----

THashMD4::THashMD4() : THashMDBase(4, 16) {}

void THashMD4::TransformBlock(const uint8_t* Data, int32_t /*DataLength*/, int32_t Index) {
  uint32_t x[16];
  ReadWordsLE(Data + Index, x);
  uint32_t a = FState[0], b = FState[1], c = FState[2], d = FState[3];
  a = Rotl32(a + MD4F(b, c, d) + x[0], 3);
  d = Rotl32(d + MD4F(a, b, c) + x[1], 7);
  c = Rotl32(c + MD4F(d, a, b) + x[2], 11);
  b = Rotl32(b + MD4F(c, d, a) + x[3], 19);
  a = Rotl32(a + MD4F(b, c, d) + x[4], 3);
  d = Rotl32(d + MD4F(a, b, c) + x[5], 7);
  c = Rotl32(c + MD4F(d, a, b) + x[6], 11);
  b = Rotl32(b + MD4F(c, d, a) + x[7], 19);
  a = Rotl32(a + MD4F(b, c, d) + x[8], 3);
  d = Rotl32(d + MD4F(a, b, c) + x[9], 7);
  c = Rotl32(c + MD4F(d, a, b) + x[10], 11);
  b = Rotl32(b + MD4F(c, d, a) + x[11], 19);
  a = Rotl32(a + MD4F(b, c, d) + x[12], 3);
  d = Rotl32(d + MD4F(a, b, c) + x[13], 7);
  c = Rotl32(c + MD4F(d, a, b) + x[14], 11);
  b = Rotl32(b + MD4F(c, d, a) + x[15], 19);
  a = Rotl32(a + MD4G(b, c, d) + x[0] + 0x5A827999u, 3);
  d = Rotl32(d + MD4G(a, b, c) + x[4] + 0x5A827999u, 5);
  c = Rotl32(c + MD4G(d, a, b) + x[8] + 0x5A827999u, 9);
  b = Rotl32(b + MD4G(c, d, a) + x[12] + 0x5A827999u, 13);
  a = Rotl32(a + MD4G(b, c, d) + x[1] + 0x5A827999u, 3);
  d = Rotl32(d + MD4G(a, b, c) + x[5] + 0x5A827999u, 5);
  c = Rotl32(c + MD4G(d, a, b) + x[9] + 0x5A827999u, 9);
  b = Rotl32(b + MD4G(c, d, a) + x[13] + 0x5A827999u, 13);
  a = Rotl32(a + MD4G(b, c, d) + x[2] + 0x5A827999u, 3);
  d = Rotl32(d + MD4G(a, b, c) + x[6] + 0x5A827999u, 5);
  c = Rotl32(c + MD4G(d, a, b) + x[10] + 0x5A827999u, 9);
  b = Rotl32(b + MD4G(c, d, a) + x[14] + 0x5A827999u, 13);
  a = Rotl32(a + MD4G(b, c, d) + x[3] + 0x5A827999u, 3);
  d = Rotl32(d + MD4G(a, b, c) + x[7] + 0x5A827999u, 5);
  c = Rotl32(c + MD4G(d, a, b) + x[11] + 0x5A827999u, 9);
  b = Rotl32(b + MD4G(c, d, a) + x[15] + 0x5A827999u, 13);
  a = Rotl32(a + MD4H(b, c, d) + x[0] + 0x6ED9EBA1u, 3);
  d = Rotl32(d + MD4H(a, b, c) + x[8] + 0x6ED9EBA1u, 9);
  c = Rotl32(c + MD4H(d, a, b) + x[4] + 0x6ED9EBA1u, 11);
  b = Rotl32(b + MD4H(c, d, a) + x[12] + 0x6ED9EBA1u, 15);
  a = Rotl32(a + MD4H(b, c, d) + x[2] + 0x6ED9EBA1u, 3);
  d = Rotl32(d + MD4H(a, b, c) + x[10] + 0x6ED9EBA1u, 9);
  c = Rotl32(c + MD4H(d, a, b) + x[6] + 0x6ED9EBA1u, 11);
  b = Rotl32(b + MD4H(c, d, a) + x[14] + 0x6ED9EBA1u, 15);
  a = Rotl32(a + MD4H(b, c, d) + x[1] + 0x6ED9EBA1u, 3);
  d = Rotl32(d + MD4H(a, b, c) + x[9] + 0x6ED9EBA1u, 9);
  c = Rotl32(c + MD4H(d, a, b) + x[5] + 0x6ED9EBA1u, 11);
  b = Rotl32(b + MD4H(c, d, a) + x[13] + 0x6ED9EBA1u, 15);
  a = Rotl32(a + MD4H(b, c, d) + x[3] + 0x6ED9EBA1u, 3);
  d = Rotl32(d + MD4H(a, b, c) + x[11] + 0x6ED9EBA1u, 9);
  c = Rotl32(c + MD4H(d, a, b) + x[7] + 0x6ED9EBA1u, 11);
  b = Rotl32(b + MD4H(c, d, a) + x[15] + 0x6ED9EBA1u, 15);
  FState[0] += a;
  FState[1] += b;
  FState[2] += c;
  FState[3] += d;
  hash_bytes::Wipe(x, sizeof x);
}

// ---- THashMD5 ----

THashMD5::THashMD5() : THashMDBase(4, 16) {}

void THashMD5::TransformBlock(const uint8_t* Data, int32_t /*DataLength*/, int32_t Index) {
  uint32_t x[16];
  ReadWordsLE(Data + Index, x);
  uint32_t a = FState[0], b = FState[1], c = FState[2], d = FState[3];
  // The newest word b enters each step last, so the rest of the sum is ready
  // before it; the second round's selection is split into two disjoint parts
  // for the same reason.
  a = b + Rotl32(a + x[0] + 0xD76AA478u + (d ^ (b & (c ^ d))), 7);
  d = a + Rotl32(d + x[1] + 0xE8C7B756u + (c ^ (a & (b ^ c))), 12);
  c = d + Rotl32(c + x[2] + 0x242070DBu + (b ^ (d & (a ^ b))), 17);
  b = c + Rotl32(b + x[3] + 0xC1BDCEEEu + (a ^ (c & (d ^ a))), 22);
  a = b + Rotl32(a + x[4] + 0xF57C0FAFu + (d ^ (b & (c ^ d))), 7);
  d = a + Rotl32(d + x[5] + 0x4787C62Au + (c ^ (a & (b ^ c))), 12);
  c = d + Rotl32(c + x[6] + 0xA8304613u + (b ^ (d & (a ^ b))), 17);
  b = c + Rotl32(b + x[7] + 0xFD469501u + (a ^ (c & (d ^ a))), 22);
  a = b + Rotl32(a + x[8] + 0x698098D8u + (d ^ (b & (c ^ d))), 7);
  d = a + Rotl32(d + x[9] + 0x8B44F7AFu + (c ^ (a & (b ^ c))), 12);
  c = d + Rotl32(c + x[10] + 0xFFFF5BB1u + (b ^ (d & (a ^ b))), 17);
  b = c + Rotl32(b + x[11] + 0x895CD7BEu + (a ^ (c & (d ^ a))), 22);
  a = b + Rotl32(a + x[12] + 0x6B901122u + (d ^ (b & (c ^ d))), 7);
  d = a + Rotl32(d + x[13] + 0xFD987193u + (c ^ (a & (b ^ c))), 12);
  c = d + Rotl32(c + x[14] + 0xA679438Eu + (b ^ (d & (a ^ b))), 17);
  b = c + Rotl32(b + x[15] + 0x49B40821u + (a ^ (c & (d ^ a))), 22);
  a = b + Rotl32(a + x[1] + 0xF61E2562u + (~d & c) + (d & b), 5);
  d = a + Rotl32(d + x[6] + 0xC040B340u + (~c & b) + (c & a), 9);
  c = d + Rotl32(c + x[11] + 0x265E5A51u + (~b & a) + (b & d), 14);
  b = c + Rotl32(b + x[0] + 0xE9B6C7AAu + (~a & d) + (a & c), 20);
  a = b + Rotl32(a + x[5] + 0xD62F105Du + (~d & c) + (d & b), 5);
  d = a + Rotl32(d + x[10] + 0x02441453u + (~c & b) + (c & a), 9);
  c = d + Rotl32(c + x[15] + 0xD8A1E681u + (~b & a) + (b & d), 14);
  b = c + Rotl32(b + x[4] + 0xE7D3FBC8u + (~a & d) + (a & c), 20);
  a = b + Rotl32(a + x[9] + 0x21E1CDE6u + (~d & c) + (d & b), 5);
  d = a + Rotl32(d + x[14] + 0xC33707D6u + (~c & b) + (c & a), 9);
  c = d + Rotl32(c + x[3] + 0xF4D50D87u + (~b & a) + (b & d), 14);
  b = c + Rotl32(b + x[8] + 0x455A14EDu + (~a & d) + (a & c), 20);
  a = b + Rotl32(a + x[13] + 0xA9E3E905u + (~d & c) + (d & b), 5);
  d = a + Rotl32(d + x[2] + 0xFCEFA3F8u + (~c & b) + (c & a), 9);
  c = d + Rotl32(c + x[7] + 0x676F02D9u + (~b & a) + (b & d), 14);
  b = c + Rotl32(b + x[12] + 0x8D2A4C8Au + (~a & d) + (a & c), 20);
  a = b + Rotl32(a + x[5] + 0xFFFA3942u + ((c ^ d) ^ b), 4);
  d = a + Rotl32(d + x[8] + 0x8771F681u + ((b ^ c) ^ a), 11);
  c = d + Rotl32(c + x[11] + 0x6D9D6122u + ((a ^ b) ^ d), 16);
  b = c + Rotl32(b + x[14] + 0xFDE5380Cu + ((d ^ a) ^ c), 23);
  a = b + Rotl32(a + x[1] + 0xA4BEEA44u + ((c ^ d) ^ b), 4);
  d = a + Rotl32(d + x[4] + 0x4BDECFA9u + ((b ^ c) ^ a), 11);
  c = d + Rotl32(c + x[7] + 0xF6BB4B60u + ((a ^ b) ^ d), 16);
  b = c + Rotl32(b + x[10] + 0xBEBFBC70u + ((d ^ a) ^ c), 23);
  a = b + Rotl32(a + x[13] + 0x289B7EC6u + ((c ^ d) ^ b), 4);
  d = a + Rotl32(d + x[0] + 0xEAA127FAu + ((b ^ c) ^ a), 11);
  c = d + Rotl32(c + x[3] + 0xD4EF3085u + ((a ^ b) ^ d), 16);
  b = c + Rotl32(b + x[6] + 0x04881D05u + ((d ^ a) ^ c), 23);
  a = b + Rotl32(a + x[9] + 0xD9D4D039u + ((c ^ d) ^ b), 4);
  d = a + Rotl32(d + x[12] + 0xE6DB99E5u + ((b ^ c) ^ a), 11);
  c = d + Rotl32(c + x[15] + 0x1FA27CF8u + ((a ^ b) ^ d), 16);
  b = c + Rotl32(b + x[2] + 0xC4AC5665u + ((d ^ a) ^ c), 23);
  a = b + Rotl32(a + x[0] + 0xF4292244u + (c ^ (b | ~d)), 6);
  d = a + Rotl32(d + x[7] + 0x432AFF97u + (b ^ (a | ~c)), 10);
  c = d + Rotl32(c + x[14] + 0xAB9423A7u + (a ^ (d | ~b)), 15);
  b = c + Rotl32(b + x[5] + 0xFC93A039u + (d ^ (c | ~a)), 21);
  a = b + Rotl32(a + x[12] + 0x655B59C3u + (c ^ (b | ~d)), 6);
  d = a + Rotl32(d + x[3] + 0x8F0CCC92u + (b ^ (a | ~c)), 10);
  c = d + Rotl32(c + x[10] + 0xFFEFF47Du + (a ^ (d | ~b)), 15);
  b = c + Rotl32(b + x[1] + 0x85845DD1u + (d ^ (c | ~a)), 21);
  a = b + Rotl32(a + x[8] + 0x6FA87E4Fu + (c ^ (b | ~d)), 6);
  d = a + Rotl32(d + x[15] + 0xFE2CE6E0u + (b ^ (a | ~c)), 10);
  c = d + Rotl32(c + x[6] + 0xA3014314u + (a ^ (d | ~b)), 15);
  b = c + Rotl32(b + x[13] + 0x4E0811A1u + (d ^ (c | ~a)), 21);
  a = b + Rotl32(a + x[4] + 0xF7537E82u + (c ^ (b | ~d)), 6);
  d = a + Rotl32(d + x[11] + 0xBD3AF235u + (b ^ (a | ~c)), 10);
  c = d + Rotl32(c + x[2] + 0x2AD7D2BBu + (a ^ (d | ~b)), 15);
  b = c + Rotl32(b + x[9] + 0xEB86D391u + (d ^ (c | ~a)), 21);
  FState[0] += a;
  FState[1] += b;
  FState[2] += c;
  FState[3] += d;
  hash_bytes::Wipe(x, sizeof x);
}

// ---- THashMD2 ----

const std::array<uint8_t, 256> THashMD2::S_PI = {
    41,  46,  67,  201, 162, 216, 124, 1,   61,  54,  84,  161, 236, 240, 6,   19,  98,  167, 5,   243, 192, 199,
    115, 140, 152, 147, 43,  217, 188, 76,  130, 202, 30,  155, 87,  60,  253, 212, 224, 22,  103, 66,  111, 24,
    138, 23,  229, 18,  190, 78,  196, 214, 218, 158, 222, 73,  160, 251, 245, 142, 187, 47,  238, 122, 169, 104,
    121, 145, 21,  178, 7,   63,  148, 194, 16,  137, 11,  34,  95,  33,  128, 127, 93,  154, 90,  144, 50,  39,
    53,  62,  204, 231, 191, 247, 151, 3,   255, 25,  48,  179, 72,  165, 181, 209, 215, 94,  146, 42,  172, 86,
    170, 198, 79,  184, 56,  210, 150, 164, 125, 182, 118, 252, 107, 226, 156, 116, 4,   241, 69,  157, 112, 89,
    100, 113, 135, 32,  134, 91,  207, 101, 230, 45,  168, 2,   27,  96,  37,  173, 174, 176, 185, 246, 28,  70,
    97,  105, 52,  64,  126, 15,  85,  71,  163, 35,  221, 81,  175, 58,  195, 92,  249, 206, 186, 197, 234, 38,
    44,  83,  13,  110, 133, 40,  132, 9,   211, 223, 205, 244, 65,  129, 77,  82,  106, 220, 55,  200, 108, 193,
    171, 250, 36,  225, 123, 8,   12,  189, 177, 74,  120, 136, 149, 139, 227, 99,  232, 109, 233, 203, 213, 254,
    59,  0,   29,  57,  242, 239, 183, 14,  102, 88,  208, 228, 166, 119, 114, 248, 235, 117, 75,  10,  49,  68,
    80,  180, 143, 237, 31,  26,  219, 153, 141, 51,  159, 17,  131, 20};

THashMD2::THashMD2() : TBlockHash(16, 16), FState(16), FChecksum(16) {}

void THashMD2::Initialize() {
  std::fill(FState.begin(), FState.end(), uint8_t{0});
  std::fill(FChecksum.begin(), FChecksum.end(), uint8_t{0});
  TBlockHash::Initialize();
}

void THashMD2::TransformBlock(const uint8_t* Data, int32_t /*DataLength*/, int32_t Index) {
  const uint8_t* m = Data + Index;
  uint8_t x[48];
  for (int k = 0; k < 16; ++k) {
    x[k] = FState[k];
    x[16 + k] = m[k];
    x[32 + k] = static_cast<uint8_t>(FState[k] ^ m[k]);
  }
  uint32_t t = 0;
  for (uint32_t j = 0; j < 18; ++j) {
    for (int k = 0; k < 48; ++k) {
      x[k] ^= S_PI[t];
      t = x[k];
    }
    t = (t + j) & 0xFF;
  }
  std::copy(x, x + 16, FState.begin());
  uint8_t l = FChecksum[15];
  for (int j = 0; j < 16; ++j) {
    FChecksum[j] ^= S_PI[m[j] ^ l];
    l = FChecksum[j];
  }
  hash_bytes::Wipe(x, sizeof x);
}

void THashMD2::Finish() {
  const int32_t n = 16 - FBuffer.Position;
  uint8_t pad[16];
  std::fill(pad, pad + 16, static_cast<uint8_t>(n));
  TransformBytes(pad, 0, n);
  // A copy, because TransformBlock updates the checksum while it reads the block.
  uint8_t checksum[16];
  std::copy(FChecksum.begin(), FChecksum.end(), checksum);
  TransformBytes(checksum, 0, 16);
}

TByteArr THashMD2::GetResult() { return FState; }
