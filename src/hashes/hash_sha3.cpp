#include "hashes/hash_sha3.h"

#include <algorithm>

namespace {

using hash_bytes::Rotl64;

// The chi step is mostly "and not", one instruction where the processor has
// BMI; a second copy of the permutation uses it and is picked at load time.
#if defined(__x86_64__) && defined(__GNUC__)
#define KECCAK_CLONES __attribute__((target_clones("bmi", "default")))
#else
#define KECCAK_CLONES
#endif

constexpr uint8_t kSHA3PaddingByte = 0x06;
// The largest rate the local block copy holds (21 lanes).
constexpr int32_t kMaxRateLanes = 21;

// The lanes stay in locals through all 24 rounds; b holds the rotated and
// permuted lanes of one round.
KECCAK_CLONES void KeccakF1600(uint64_t* s) {
  uint64_t a00 = s[0], a01 = s[1], a02 = s[2], a03 = s[3], a04 = s[4], a05 = s[5], a06 = s[6], a07 = s[7], a08 = s[8],
           a09 = s[9], a10 = s[10], a11 = s[11], a12 = s[12], a13 = s[13], a14 = s[14], a15 = s[15], a16 = s[16],
           a17 = s[17], a18 = s[18], a19 = s[19], a20 = s[20], a21 = s[21], a22 = s[22], a23 = s[23], a24 = s[24];
  for (int round = 0; round < 24; ++round) {
    const uint64_t c0 = a00 ^ a05 ^ a10 ^ a15 ^ a20;
    const uint64_t c1 = a01 ^ a06 ^ a11 ^ a16 ^ a21;
    const uint64_t c2 = a02 ^ a07 ^ a12 ^ a17 ^ a22;
    const uint64_t c3 = a03 ^ a08 ^ a13 ^ a18 ^ a23;
    const uint64_t c4 = a04 ^ a09 ^ a14 ^ a19 ^ a24;
    const uint64_t d0 = c4 ^ Rotl64(c1, 1);
    const uint64_t d1 = c0 ^ Rotl64(c2, 1);
    const uint64_t d2 = c1 ^ Rotl64(c3, 1);
    const uint64_t d3 = c2 ^ Rotl64(c4, 1);
    const uint64_t d4 = c3 ^ Rotl64(c0, 1);
    const uint64_t b00 = a00 ^ d0;
    const uint64_t b01 = Rotl64(a06 ^ d1, 44);
    const uint64_t b02 = Rotl64(a12 ^ d2, 43);
    const uint64_t b03 = Rotl64(a18 ^ d3, 21);
    const uint64_t b04 = Rotl64(a24 ^ d4, 14);
    const uint64_t b05 = Rotl64(a03 ^ d3, 28);
    const uint64_t b06 = Rotl64(a09 ^ d4, 20);
    const uint64_t b07 = Rotl64(a10 ^ d0, 3);
    const uint64_t b08 = Rotl64(a16 ^ d1, 45);
    const uint64_t b09 = Rotl64(a22 ^ d2, 61);
    const uint64_t b10 = Rotl64(a01 ^ d1, 1);
    const uint64_t b11 = Rotl64(a07 ^ d2, 6);
    const uint64_t b12 = Rotl64(a13 ^ d3, 25);
    const uint64_t b13 = Rotl64(a19 ^ d4, 8);
    const uint64_t b14 = Rotl64(a20 ^ d0, 18);
    const uint64_t b15 = Rotl64(a04 ^ d4, 27);
    const uint64_t b16 = Rotl64(a05 ^ d0, 36);
    const uint64_t b17 = Rotl64(a11 ^ d1, 10);
    const uint64_t b18 = Rotl64(a17 ^ d2, 15);
    const uint64_t b19 = Rotl64(a23 ^ d3, 56);
    const uint64_t b20 = Rotl64(a02 ^ d2, 62);
    const uint64_t b21 = Rotl64(a08 ^ d3, 55);
    const uint64_t b22 = Rotl64(a14 ^ d4, 39);
    const uint64_t b23 = Rotl64(a15 ^ d0, 41);
    const uint64_t b24 = Rotl64(a21 ^ d1, 2);
    a00 = b00 ^ (~b01 & b02);
    a01 = b01 ^ (~b02 & b03);
    a02 = b02 ^ (~b03 & b04);
    a03 = b03 ^ (~b04 & b00);
    a04 = b04 ^ (~b00 & b01);
    a05 = b05 ^ (~b06 & b07);
    a06 = b06 ^ (~b07 & b08);
    a07 = b07 ^ (~b08 & b09);
    a08 = b08 ^ (~b09 & b05);
    a09 = b09 ^ (~b05 & b06);
    a10 = b10 ^ (~b11 & b12);
    a11 = b11 ^ (~b12 & b13);
    a12 = b12 ^ (~b13 & b14);
    a13 = b13 ^ (~b14 & b10);
    a14 = b14 ^ (~b10 & b11);
    a15 = b15 ^ (~b16 & b17);
    a16 = b16 ^ (~b17 & b18);
    a17 = b17 ^ (~b18 & b19);
    a18 = b18 ^ (~b19 & b15);
    a19 = b19 ^ (~b15 & b16);
    a20 = b20 ^ (~b21 & b22);
    a21 = b21 ^ (~b22 & b23);
    a22 = b22 ^ (~b23 & b24);
    a23 = b23 ^ (~b24 & b20);
    a24 = b24 ^ (~b20 & b21);
    a00 ^= THashSHA3::RC[round];
  }
  s[0] = a00;
  s[1] = a01;
  s[2] = a02;
  s[3] = a03;
  s[4] = a04;
  s[5] = a05;
  s[6] = a06;
  s[7] = a07;
  s[8] = a08;
  s[9] = a09;
  s[10] = a10;
  s[11] = a11;
  s[12] = a12;
  s[13] = a13;
  s[14] = a14;
  s[15] = a15;
  s[16] = a16;
  s[17] = a17;
  s[18] = a18;
  s[19] = a19;
  s[20] = a20;
  s[21] = a21;
  s[22] = a22;
  s[23] = a23;
  s[24] = a24;
}

}  // namespace

const std::array<uint64_t, 24> THashSHA3::RC = {
    0x0000000000000001ull, 0x0000000000008082ull, 0x800000000000808Aull, 0x8000000080008000ull, 0x000000000000808Bull,
    0x0000000080000001ull, 0x8000000080008081ull, 0x8000000000008009ull, 0x000000000000008Aull, 0x0000000000000088ull,
    0x0000000080008009ull, 0x000000008000000Aull, 0x000000008000808Bull, 0x800000000000008Bull, 0x8000000000008089ull,
    0x8000000000008003ull, 0x8000000000008002ull, 0x8000000000000080ull, 0x000000000000800Aull, 0x800000008000000Aull,
    0x8000000080008081ull, 0x8000000000008080ull, 0x0000000080000001ull, 0x8000000080008008ull};

THashSHA3::THashSHA3(THashSize HashSize)
    : TBlockHash(static_cast<int32_t>(HashSize), 200 - 2 * static_cast<int32_t>(HashSize)), FState(25, 0) {
  FHashSize = GetHashSize();
  FBlockSize = GetBlockSize();
}

void THashSHA3::Initialize() {
  std::fill(FState.begin(), FState.end(), uint64_t{0});
  TBlockHash::Initialize();
}

void THashSHA3::TransformBlock(const uint8_t* Data, int32_t /*DataLength*/, int32_t Index) {
  const uint8_t* block = Data + Index;
  const int32_t lanes = FBlockSize / 8;
  uint64_t data[kMaxRateLanes];
  for (int32_t k = 0; k < lanes; ++k) data[k] = hash_bytes::Load64LE(block + 8 * k);
  uint64_t* s = FState.data();
  for (int32_t k = 0; k < lanes; ++k) s[k] ^= data[k];
  KeccakF1600(s);
  hash_bytes::Wipe(data, sizeof data);
}

void THashSHA3::Finish() {
  const int32_t fill = FBuffer.Position;
  std::fill(FBuffer.Data.begin() + fill, FBuffer.Data.end(), uint8_t{0});
  FBuffer.Position = 0;
  FBuffer.Data[fill] = FPaddingByte;
  FBuffer.Data[FBlockSize - 1] ^= 0x80;
  TransformBlock(FBuffer.Data.data(), FBlockSize, 0);
}

TByteArr THashSHA3::GetResult() {
  TByteArr out(static_cast<size_t>(FHashSize));
  for (int32_t k = 0; k < FHashSize; ++k) out[k] = static_cast<uint8_t>(FState[k / 8] >> (8 * (k % 8)));
  return out;
}

THashSHA3_224::THashSHA3_224() : THashSHA3(THashSize::HashSize224) { FPaddingByte = kSHA3PaddingByte; }
THashSHA3_256::THashSHA3_256() : THashSHA3(THashSize::HashSize256) { FPaddingByte = kSHA3PaddingByte; }
THashSHA3_384::THashSHA3_384() : THashSHA3(THashSize::HashSize384) { FPaddingByte = kSHA3PaddingByte; }
THashSHA3_512::THashSHA3_512() : THashSHA3(THashSize::HashSize512) { FPaddingByte = kSHA3PaddingByte; }
