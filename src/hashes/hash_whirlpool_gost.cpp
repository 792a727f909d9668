#include "hashes/hash_whirlpool_gost.h"

#include <algorithm>

namespace {

using hash_bytes::Rotr64;

// ---- Whirlpool tables ----

constexpr std::array<uint32_t, 256> kWhirlpoolSBox = {
    0x18, 0x23, 0xC6, 0xE8, 0x87, 0xB8, 0x01, 0x4F, 0x36, 0xA6, 0xD2, 0xF5, 0x79, 0x6F, 0x91, 0x52, 0x60, 0xBC, 0x9B,
    0x8E, 0xA3, 0x0C, 0x7B, 0x35, 0x1D, 0xE0, 0xD7, 0xC2, 0x2E, 0x4B, 0xFE, 0x57, 0x15, 0x77, 0x37, 0xE5, 0x9F, 0xF0,
    0x4A, 0xDA, 0x58, 0xC9, 0x29, 0x0A, 0xB1, 0xA0, 0x6B, 0x85, 0xBD, 0x5D, 0x10, 0xF4, 0xCB, 0x3E, 0x05, 0x67, 0xE4,
    0x27, 0x41, 0x8B, 0xA7, 0x7D, 0x95, 0xD8, 0xFB, 0xEE, 0x7C, 0x66, 0xDD, 0x17, 0x47, 0x9E, 0xCA, 0x2D, 0xBF, 0x07,
    0xAD, 0x5A, 0x83, 0x33, 0x63, 0x02, 0xAA, 0x71, 0xC8, 0x19, 0x49, 0xD9, 0xF2, 0xE3, 0x5B, 0x88, 0x9A, 0x26, 0x32,
    0xB0, 0xE9, 0x0F, 0xD5, 0x80, 0xBE, 0xCD, 0x34, 0x48, 0xFF, 0x7A, 0x90, 0x5F, 0x20, 0x68, 0x1A, 0xAE, 0xB4, 0x54,
    0x93, 0x22, 0x64, 0xF1, 0x73, 0x12, 0x40, 0x08, 0xC3, 0xEC, 0xDB, 0xA1, 0x8D, 0x3D, 0x97, 0x00, 0xCF, 0x2B, 0x76,
    0x82, 0xD6, 0x1B, 0xB5, 0xAF, 0x6A, 0x50, 0x45, 0xF3, 0x30, 0xEF, 0x3F, 0x55, 0xA2, 0xEA, 0x65, 0xBA, 0x2F, 0xC0,
    0xDE, 0x1C, 0xFD, 0x4D, 0x92, 0x75, 0x06, 0x8A, 0xB2, 0xE6, 0x0E, 0x1F, 0x62, 0xD4, 0xA8, 0x96, 0xF9, 0xC5, 0x25,
    0x59, 0x84, 0x72, 0x39, 0x4C, 0x5E, 0x78, 0x38, 0x8C, 0xD1, 0xA5, 0xE2, 0x61, 0xB3, 0x21, 0x9C, 0x1E, 0x43, 0xC7,
    0xFC, 0x04, 0x51, 0x99, 0x6D, 0x0D, 0xFA, 0xDF, 0x7E, 0x24, 0x3B, 0xAB, 0xCE, 0x11, 0x8F, 0x4E, 0xB7, 0xEB, 0x3C,
    0x81, 0x94, 0xF7, 0xB9, 0x13, 0x2C, 0xD3, 0xE7, 0x6E, 0xC4, 0x03, 0x56, 0x44, 0x7F, 0xA9, 0x2A, 0xBB, 0xC1, 0x53,
    0xDC, 0x0B, 0x9D, 0x6C, 0x31, 0x74, 0xF6, 0x46, 0xAC, 0x89, 0x14, 0xE1, 0x16, 0x3A, 0x69, 0x09, 0x70, 0xB6, 0xD0,
    0xED, 0xCC, 0x42, 0x98, 0xA4, 0x28, 0x5C, 0xF8, 0x86};

// Multiplication by 2 in GF(2^8) reduced by x^8 + x^4 + x^3 + x^2 + 1.
constexpr uint32_t Times2(uint32_t v) {
  v <<= 1;
  return (v & 0x100) ? (v ^ 0x11D) : v;
}

struct TWhirlpoolTables {
  std::array<std::array<uint64_t, 256>, 8> C{};
  std::array<uint64_t, 11> RC{};
};

constexpr TWhirlpoolTables MakeWhirlpoolTables() {
  TWhirlpoolTables t{};
  for (uint32_t i = 0; i < 256; ++i) {
    const uint64_t s = kWhirlpoolSBox[i];
    const uint64_t s2 = Times2(static_cast<uint32_t>(s));
    const uint64_t s4 = Times2(static_cast<uint32_t>(s2));
    const uint64_t s8 = Times2(static_cast<uint32_t>(s4));
    const uint64_t s5 = s ^ s4;
    const uint64_t s9 = s ^ s8;
    const uint64_t c0 = (s << 56) | (s << 48) | (s4 << 40) | (s << 32) | (s8 << 24) | (s5 << 16) | (s2 << 8) | s9;
    for (int k = 0; k < 8; ++k) t.C[k][i] = Rotr64(c0, 8 * k);
  }
  t.RC[0] = 0;
  for (int r = 1; r <= 10; ++r) {
    uint64_t v = 0;
    for (int j = 0; j < 8; ++j) v = (v << 8) | kWhirlpoolSBox[8 * (r - 1) + j];
    t.RC[r] = v;
  }
  return t;
}

constexpr TWhirlpoolTables kWhirlpool = MakeWhirlpoolTables();

// ---- GOST tables ----

// The S-boxes K1 .. K8 of the test parameter set.
constexpr uint8_t kGostTestSBoxes[8][16] = {
    {4, 10, 9, 2, 13, 8, 0, 14, 6, 11, 1, 12, 7, 15, 5, 3}, {14, 11, 4, 12, 6, 13, 15, 10, 2, 3, 8, 1, 0, 7, 5, 9},
    {5, 8, 1, 13, 10, 3, 4, 2, 14, 15, 12, 7, 6, 0, 9, 11}, {7, 13, 10, 1, 0, 8, 9, 15, 14, 4, 6, 12, 11, 2, 5, 3},
    {6, 12, 7, 1, 5, 15, 13, 8, 4, 10, 9, 14, 0, 3, 11, 2}, {4, 11, 10, 0, 7, 2, 1, 13, 3, 6, 8, 5, 9, 12, 15, 14},
    {13, 11, 4, 1, 3, 15, 5, 9, 0, 10, 14, 7, 6, 8, 2, 12}, {1, 15, 13, 0, 5, 7, 10, 4, 9, 2, 3, 14, 6, 11, 8, 12}};

struct TGostTables {
  // Four byte tables whose exclusive-or is the cipher's round function:
  // eight 4-bit substitutions followed by a rotation left by 11 bits.
  std::array<uint32_t, 256> SBox1{}, SBox2{}, SBox3{}, SBox4{};
};

constexpr TGostTables MakeGostTables() {
  TGostTables t{};
  const auto& k = kGostTestSBoxes;
  for (uint32_t b = 0; b < 256; ++b) {
    const uint32_t hi = b >> 4, lo = b & 15;
    t.SBox1[b] = (uint32_t{k[1][hi]} << 15) | (uint32_t{k[0][lo]} << 11);
    t.SBox2[b] = (uint32_t{k[3][hi]} << 23) | (uint32_t{k[2][lo]} << 19);
    t.SBox3[b] = (uint32_t{k[5][hi]} << 31) | (uint32_t{k[5][hi]} >> 1) | (uint32_t{k[4][lo]} << 27);
    t.SBox4[b] = (uint32_t{k[7][hi]} << 7) | (uint32_t{k[6][lo]} << 3);
  }
  return t;
}

constexpr TGostTables kGost = MakeGostTables();

inline uint32_t GostF(uint32_t x) {
  return kGost.SBox1[x & 0xFF] ^ kGost.SBox2[(x >> 8) & 0xFF] ^ kGost.SBox3[(x >> 16) & 0xFF] ^ kGost.SBox4[x >> 24];
}

// Two cipher rounds: the halves swap roles instead of places.
#define GOST_ROUNDS(k1, k2) \
  n2 ^= GostF(n1 + (k1));   \
  n1 ^= GostF(n2 + (k2))

// GOST 28147-89 encryption of one 64-bit block (h[0] the low half) under a
// 256-bit key of 8 words.
inline void GostEncrypt(const uint32_t* key, const uint32_t* h, uint32_t* s) {
  uint32_t n1 = h[0], n2 = h[1];
  GOST_ROUNDS(key[0], key[1]);
  GOST_ROUNDS(key[2], key[3]);
  GOST_ROUNDS(key[4], key[5]);
  GOST_ROUNDS(key[6], key[7]);
  GOST_ROUNDS(key[0], key[1]);
  GOST_ROUNDS(key[2], key[3]);
  GOST_ROUNDS(key[4], key[5]);
  GOST_ROUNDS(key[6], key[7]);
  GOST_ROUNDS(key[0], key[1]);
  GOST_ROUNDS(key[2], key[3]);
  GOST_ROUNDS(key[4], key[5]);
  GOST_ROUNDS(key[6], key[7]);
  GOST_ROUNDS(key[7], key[6]);
  GOST_ROUNDS(key[5], key[4]);
  GOST_ROUNDS(key[3], key[2]);
  GOST_ROUNDS(key[1], key[0]);
  // The last round leaves its result in place: the halves come out swapped.
  s[0] = n2;
  s[1] = n1;
}

// The byte permutation P: word m of the key takes byte m % 4 of the words
// m / 4, m / 4 + 2, m / 4 + 4 and m / 4 + 6, lowest first.
inline void GostP(const uint32_t* w, uint32_t* key) {
  for (int m = 0; m < 8; ++m) {
    const int shift = 8 * (m % 4);
    const int base = m / 4;
    key[m] = ((w[base] >> shift) & 0xFF) | (((w[base + 2] >> shift) & 0xFF) << 8) |
             (((w[base + 4] >> shift) & 0xFF) << 16) | (((w[base + 6] >> shift) & 0xFF) << 24);
  }
}

// A(y4 || y3 || y2 || y1) = (y1 xor y2) || y4 || y3 || y2, with 64-bit parts.
inline void GostA(uint32_t* y) {
  const uint32_t lo = y[0] ^ y[2], hi = y[1] ^ y[3];
  y[0] = y[2];
  y[1] = y[3];
  y[2] = y[4];
  y[3] = y[5];
  y[4] = y[6];
  y[5] = y[7];
  y[6] = lo;
  y[7] = hi;
}

// The linear mixing psi, n times over 16 words of 16 bits (word 0 lowest):
// each application shifts the words down by one and puts y1 ^ y2 ^ y3 ^ y4 ^
// y13 ^ y16 on top. The words run in a ring, so nothing is moved.
void GostPsi(uint16_t* y, int n) {
  uint16_t ring[16 + 64];
  std::copy(y, y + 16, ring);
  for (int k = 0; k < n; ++k)
    ring[16 + k] = ring[k] ^ ring[k + 1] ^ ring[k + 2] ^ ring[k + 3] ^ ring[k + 12] ^ ring[k + 15];
  std::copy(ring + n, ring + n + 16, y);
  hash_bytes::Wipe(ring, sizeof ring);
}

void WordsToHalves(const uint32_t* w, uint16_t* y) {
  for (int k = 0; k < 8; ++k) {
    y[2 * k] = static_cast<uint16_t>(w[k]);
    y[2 * k + 1] = static_cast<uint16_t>(w[k] >> 16);
  }
}

void HalvesToWords(const uint16_t* y, uint32_t* w) {
  for (int k = 0; k < 8; ++k) w[k] = uint32_t{y[2 * k]} | (uint32_t{y[2 * k + 1]} << 16);
}

}  // namespace

// ---- THashWhirlPool ----

const std::array<uint32_t, 256> THashWhirlPool::S_SBOX = kWhirlpoolSBox;
const std::array<uint64_t, 256>& THashWhirlPool::FS_C0 = kWhirlpool.C[0];
const std::array<uint64_t, 256>& THashWhirlPool::FS_C1 = kWhirlpool.C[1];
const std::array<uint64_t, 256>& THashWhirlPool::FS_C2 = kWhirlpool.C[2];
const std::array<uint64_t, 256>& THashWhirlPool::FS_C3 = kWhirlpool.C[3];
const std::array<uint64_t, 256>& THashWhirlPool::FS_C4 = kWhirlpool.C[4];
const std::array<uint64_t, 256>& THashWhirlPool::FS_C5 = kWhirlpool.C[5];
const std::array<uint64_t, 256>& THashWhirlPool::FS_C6 = kWhirlpool.C[6];
const std::array<uint64_t, 256>& THashWhirlPool::FS_C7 = kWhirlpool.C[7];
const std::array<uint64_t, 11>& THashWhirlPool::FS_RC = kWhirlpool.RC;

THashWhirlPool::THashWhirlPool() : TBlockHash(64, 64), FState(8, 0) {}

void THashWhirlPool::Initialize() {
  std::fill(FState.begin(), FState.end(), uint64_t{0});
  TBlockHash::Initialize();
}

void THashWhirlPool::TransformBlock(const uint8_t* Data, int32_t /*DataLength*/, int32_t Index) {
  const uint8_t* block = Data + Index;
  const auto& C = kWhirlpool.C;
  uint64_t b[8];
  for (int i = 0; i < 8; ++i) b[i] = hash_bytes::Load64BE(block + 8 * i);
  // Word i of a round takes byte 7 (the highest) of word i, byte 6 of word
  // i - 1, ..., byte 0 of word i - 7; key and state run side by side.
  uint64_t k0 = FState[0], k1 = FState[1], k2 = FState[2], k3 = FState[3];
  uint64_t k4 = FState[4], k5 = FState[5], k6 = FState[6], k7 = FState[7];
  uint64_t s0 = b[0] ^ k0, s1 = b[1] ^ k1, s2 = b[2] ^ k2, s3 = b[3] ^ k3;
  uint64_t s4 = b[4] ^ k4, s5 = b[5] ^ k5, s6 = b[6] ^ k6, s7 = b[7] ^ k7;
  for (int r = 1; r <= 10; ++r) {
    const uint64_t l0 = C[0][k0 >> 56] ^ C[1][(k7 >> 48) & 0xFF] ^ C[2][(k6 >> 40) & 0xFF] ^ C[3][(k5 >> 32) & 0xFF] ^
                        C[4][(k4 >> 24) & 0xFF] ^ C[5][(k3 >> 16) & 0xFF] ^ C[6][(k2 >> 8) & 0xFF] ^ C[7][k1 & 0xFF] ^
                        kWhirlpool.RC[r];
    const uint64_t l1 = C[0][k1 >> 56] ^ C[1][(k0 >> 48) & 0xFF] ^ C[2][(k7 >> 40) & 0xFF] ^ C[3][(k6 >> 32) & 0xFF] ^
                        C[4][(k5 >> 24) & 0xFF] ^ C[5][(k4 >> 16) & 0xFF] ^ C[6][(k3 >> 8) & 0xFF] ^ C[7][k2 & 0xFF];
    const uint64_t l2 = C[0][k2 >> 56] ^ C[1][(k1 >> 48) & 0xFF] ^ C[2][(k0 >> 40) & 0xFF] ^ C[3][(k7 >> 32) & 0xFF] ^
                        C[4][(k6 >> 24) & 0xFF] ^ C[5][(k5 >> 16) & 0xFF] ^ C[6][(k4 >> 8) & 0xFF] ^ C[7][k3 & 0xFF];
    const uint64_t l3 = C[0][k3 >> 56] ^ C[1][(k2 >> 48) & 0xFF] ^ C[2][(k1 >> 40) & 0xFF] ^ C[3][(k0 >> 32) & 0xFF] ^
                        C[4][(k7 >> 24) & 0xFF] ^ C[5][(k6 >> 16) & 0xFF] ^ C[6][(k5 >> 8) & 0xFF] ^ C[7][k4 & 0xFF];
    const uint64_t l4 = C[0][k4 >> 56] ^ C[1][(k3 >> 48) & 0xFF] ^ C[2][(k2 >> 40) & 0xFF] ^ C[3][(k1 >> 32) & 0xFF] ^
                        C[4][(k0 >> 24) & 0xFF] ^ C[5][(k7 >> 16) & 0xFF] ^ C[6][(k6 >> 8) & 0xFF] ^ C[7][k5 & 0xFF];
    const uint64_t l5 = C[0][k5 >> 56] ^ C[1][(k4 >> 48) & 0xFF] ^ C[2][(k3 >> 40) & 0xFF] ^ C[3][(k2 >> 32) & 0xFF] ^
                        C[4][(k1 >> 24) & 0xFF] ^ C[5][(k0 >> 16) & 0xFF] ^ C[6][(k7 >> 8) & 0xFF] ^ C[7][k6 & 0xFF];
    const uint64_t l6 = C[0][k6 >> 56] ^ C[1][(k5 >> 48) & 0xFF] ^ C[2][(k4 >> 40) & 0xFF] ^ C[3][(k3 >> 32) & 0xFF] ^
                        C[4][(k2 >> 24) & 0xFF] ^ C[5][(k1 >> 16) & 0xFF] ^ C[6][(k0 >> 8) & 0xFF] ^ C[7][k7 & 0xFF];
    const uint64_t l7 = C[0][k7 >> 56] ^ C[1][(k6 >> 48) & 0xFF] ^ C[2][(k5 >> 40) & 0xFF] ^ C[3][(k4 >> 32) & 0xFF] ^
                        C[4][(k3 >> 24) & 0xFF] ^ C[5][(k2 >> 16) & 0xFF] ^ C[6][(k1 >> 8) & 0xFF] ^ C[7][k0 & 0xFF];
    k0 = l0;
    k1 = l1;
    k2 = l2;
    k3 = l3;
    k4 = l4;
    k5 = l5;
    k6 = l6;
    k7 = l7;
    const uint64_t m0 = C[0][s0 >> 56] ^ C[1][(s7 >> 48) & 0xFF] ^ C[2][(s6 >> 40) & 0xFF] ^ C[3][(s5 >> 32) & 0xFF] ^
                        C[4][(s4 >> 24) & 0xFF] ^ C[5][(s3 >> 16) & 0xFF] ^ C[6][(s2 >> 8) & 0xFF] ^ C[7][s1 & 0xFF] ^
                        k0;
    const uint64_t m1 = C[0][s1 >> 56] ^ C[1][(s0 >> 48) & 0xFF] ^ C[2][(s7 >> 40) & 0xFF] ^ C[3][(s6 >> 32) & 0xFF] ^
                        C[4][(s5 >> 24) & 0xFF] ^ C[5][(s4 >> 16) & 0xFF] ^ C[6][(s3 >> 8) & 0xFF] ^ C[7][s2 & 0xFF] ^
                        k1;
    const uint64_t m2 = C[0][s2 >> 56] ^ C[1][(s1 >> 48) & 0xFF] ^ C[2][(s0 >> 40) & 0xFF] ^ C[3][(s7 >> 32) & 0xFF] ^
                        C[4][(s6 >> 24) & 0xFF] ^ C[5][(s5 >> 16) & 0xFF] ^ C[6][(s4 >> 8) & 0xFF] ^ C[7][s3 & 0xFF] ^
                        k2;
    const uint64_t m3 = C[0][s3 >> 56] ^ C[1][(s2 >> 48) & 0xFF] ^ C[2][(s1 >> 40) & 0xFF] ^ C[3][(s0 >> 32) & 0xFF] ^
                        C[4][(s7 >> 24) & 0xFF] ^ C[5][(s6 >> 16) & 0xFF] ^ C[6][(s5 >> 8) & 0xFF] ^ C[7][s4 & 0xFF] ^
                        k3;
    const uint64_t m4 = C[0][s4 >> 56] ^ C[1][(s3 >> 48) & 0xFF] ^ C[2][(s2 >> 40) & 0xFF] ^ C[3][(s1 >> 32) & 0xFF] ^
                        C[4][(s0 >> 24) & 0xFF] ^ C[5][(s7 >> 16) & 0xFF] ^ C[6][(s6 >> 8) & 0xFF] ^ C[7][s5 & 0xFF] ^
                        k4;
    const uint64_t m5 = C[0][s5 >> 56] ^ C[1][(s4 >> 48) & 0xFF] ^ C[2][(s3 >> 40) & 0xFF] ^ C[3][(s2 >> 32) & 0xFF] ^
                        C[4][(s1 >> 24) & 0xFF] ^ C[5][(s0 >> 16) & 0xFF] ^ C[6][(s7 >> 8) & 0xFF] ^ C[7][s6 & 0xFF] ^
                        k5;
    const uint64_t m6 = C[0][s6 >> 56] ^ C[1][(s5 >> 48) & 0xFF] ^ C[2][(s4 >> 40) & 0xFF] ^ C[3][(s3 >> 32) & 0xFF] ^
                        C[4][(s2 >> 24) & 0xFF] ^ C[5][(s1 >> 16) & 0xFF] ^ C[6][(s0 >> 8) & 0xFF] ^ C[7][s7 & 0xFF] ^
                        k6;
    const uint64_t m7 = C[0][s7 >> 56] ^ C[1][(s6 >> 48) & 0xFF] ^ C[2][(s5 >> 40) & 0xFF] ^ C[3][(s4 >> 32) & 0xFF] ^
                        C[4][(s3 >> 24) & 0xFF] ^ C[5][(s2 >> 16) & 0xFF] ^ C[6][(s1 >> 8) & 0xFF] ^ C[7][s0 & 0xFF] ^
                        k7;
    s0 = m0;
    s1 = m1;
    s2 = m2;
    s3 = m3;
    s4 = m4;
    s5 = m5;
    s6 = m6;
    s7 = m7;
  }
  FState[0] ^= s0 ^ b[0];
  FState[1] ^= s1 ^ b[1];
  FState[2] ^= s2 ^ b[2];
  FState[3] ^= s3 ^ b[3];
  FState[4] ^= s4 ^ b[4];
  FState[5] ^= s5 ^ b[5];
  FState[6] ^= s6 ^ b[6];
  FState[7] ^= s7 ^ b[7];
  hash_bytes::Wipe(b, sizeof b);
}

void THashWhirlPool::Finish() {
  const uint64_t bits = FProcessedBytes << 3;
  const int32_t fill = FBuffer.Position;
  const int32_t padLength = fill < 32 ? 56 - fill : 120 - fill;
  uint8_t pad[128] = {0x80};
  hash_bytes::Store64BE(pad + padLength, bits);
  TransformBytes(pad, 0, padLength + 8);
}

TByteArr THashWhirlPool::GetResult() {
  TByteArr out(64);
  for (int i = 0; i < 8; ++i) hash_bytes::Store64BE(out.data() + 8 * i, FState[i]);
  return out;
}

// ---- THashGost ----

const std::array<uint32_t, 256>& THashGost::FS_SBOX1 = kGost.SBox1;
const std::array<uint32_t, 256>& THashGost::FS_SBOX2 = kGost.SBox2;
const std::array<uint32_t, 256>& THashGost::FS_SBOX3 = kGost.SBox3;
const std::array<uint32_t, 256>& THashGost::FS_SBOX4 = kGost.SBox4;

THashGost::THashGost() : TBlockHash(32, 32), FControlSum(8, 0), FState(8, 0) {}

void THashGost::Initialize() {
  std::fill(FControlSum.begin(), FControlSum.end(), uint32_t{0});
  std::fill(FState.begin(), FState.end(), uint32_t{0});
  TBlockHash::Initialize();
}

void THashGost::Compress(const uint32_t* M) {
  // The constant C3; C2 and C4 are zero.
  static constexpr uint32_t kC3[8] = {0xFF00FF00, 0xFF00FF00, 0x00FF00FF, 0x00FF00FF,
                                      0x00FFFF00, 0xFF0000FF, 0x000000FF, 0xFF00FFFF};
  uint32_t* h = FState.data();
  uint32_t u[8], v[8], w[8], key[8], s[8];
  for (int i = 0; i < 8; ++i) {
    u[i] = h[i];
    v[i] = M[i];
  }
  for (int part = 0; part < 4; ++part) {
    if (part > 0) {
      GostA(u);
      if (part == 2)
        for (int i = 0; i < 8; ++i) u[i] ^= kC3[i];
      GostA(v);
      GostA(v);
    }
    for (int i = 0; i < 8; ++i) w[i] = u[i] ^ v[i];
    GostP(w, key);
    GostEncrypt(key, h + 2 * part, s + 2 * part);
  }
  // H := psi^61(H xor psi(M xor psi^12(S)))
  uint16_t y[16], m[16], hh[16];
  WordsToHalves(s, y);
  WordsToHalves(M, m);
  WordsToHalves(h, hh);
  GostPsi(y, 12);
  for (int i = 0; i < 16; ++i) y[i] ^= m[i];
  GostPsi(y, 1);
  for (int i = 0; i < 16; ++i) y[i] ^= hh[i];
  GostPsi(y, 61);
  HalvesToWords(y, h);
  hash_bytes::Wipe(u, sizeof u);
  hash_bytes::Wipe(v, sizeof v);
  hash_bytes::Wipe(w, sizeof w);
  hash_bytes::Wipe(key, sizeof key);
  hash_bytes::Wipe(m, sizeof m);
}

void THashGost::TransformBlock(const uint8_t* Data, int32_t /*DataLength*/, int32_t Index) {
  const uint8_t* block = Data + Index;
  uint32_t m[8];
  for (int i = 0; i < 8; ++i) m[i] = hash_bytes::Load32LE(block + 4 * i);
  // The control sum is the 256-bit sum of all blocks, word 0 lowest.
  uint64_t carry = 0;
  for (int i = 0; i < 8; ++i) {
    const uint64_t sum = uint64_t{m[i]} + FControlSum[i] + carry;
    FControlSum[i] = static_cast<uint32_t>(sum);
    carry = sum >> 32;
  }
  Compress(m);
  hash_bytes::Wipe(m, sizeof m);
}

void THashGost::Finish() {
  const uint64_t bits = FProcessedBytes << 3;
  const int32_t fill = FBuffer.Position;
  if (fill > 0) {
    const uint8_t zeros[32] = {};
    TransformBytes(zeros, 0, 32 - fill);
  }
  const uint32_t lengthBlock[8] = {static_cast<uint32_t>(bits), static_cast<uint32_t>(bits >> 32), 0, 0, 0, 0, 0, 0};
  Compress(lengthBlock);
  const THashLibUInt32Array sum = FControlSum;
  Compress(sum.data());
}

TByteArr THashGost::GetResult() {
  TByteArr out(32);
  for (int i = 0; i < 8; ++i) hash_bytes::Store32LE(out.data() + 4 * i, FState[i]);
  return out;
}
