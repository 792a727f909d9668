#include "hashes/hash_sha3.h"

#include <algorithm>

namespace {

using hash_bytes::Rotl64;

constexpr uint8_t kSHA3PaddingByte = 0x06;
// The largest rate the local block copy holds (21 lanes).
constexpr int32_t kMaxRateLanes = 21;

void KeccakF1600(uint64_t* s) {
  uint64_t b[25];
  for (int round = 0; round < 24; ++round) {
    const uint64_t c0 = s[0] ^ s[5] ^ s[10] ^ s[15] ^ s[20];
    const uint64_t c1 = s[1] ^ s[6] ^ s[11] ^ s[16] ^ s[21];
    const uint64_t c2 = s[2] ^ s[7] ^ s[12] ^ s[17] ^ s[22];
    const uint64_t c3 = s[3] ^ s[8] ^ s[13] ^ s[18] ^ s[23];
    const uint64_t c4 = s[4] ^ s[9] ^ s[14] ^ s[19] ^ s[24];
    const uint64_t d0 = c4 ^ Rotl64(c1, 1);
    const uint64_t d1 = c0 ^ Rotl64(c2, 1);
    const uint64_t d2 = c1 ^ Rotl64(c3, 1);
    const uint64_t d3 = c2 ^ Rotl64(c4, 1);
    const uint64_t d4 = c3 ^ Rotl64(c0, 1);
    b[0] = s[0] ^ d0;
    b[10] = Rotl64(s[1] ^ d1, 1);
    b[20] = Rotl64(s[2] ^ d2, 62);
    b[5] = Rotl64(s[3] ^ d3, 28);
    b[15] = Rotl64(s[4] ^ d4, 27);
    b[16] = Rotl64(s[5] ^ d0, 36);
    b[1] = Rotl64(s[6] ^ d1, 44);
    b[11] = Rotl64(s[7] ^ d2, 6);
    b[21] = Rotl64(s[8] ^ d3, 55);
    b[6] = Rotl64(s[9] ^ d4, 20);
    b[7] = Rotl64(s[10] ^ d0, 3);
    b[17] = Rotl64(s[11] ^ d1, 10);
    b[2] = Rotl64(s[12] ^ d2, 43);
    b[12] = Rotl64(s[13] ^ d3, 25);
    b[22] = Rotl64(s[14] ^ d4, 39);
    b[23] = Rotl64(s[15] ^ d0, 41);
    b[8] = Rotl64(s[16] ^ d1, 45);
    b[18] = Rotl64(s[17] ^ d2, 15);
    b[3] = Rotl64(s[18] ^ d3, 21);
    b[13] = Rotl64(s[19] ^ d4, 8);
    b[14] = Rotl64(s[20] ^ d0, 18);
    b[24] = Rotl64(s[21] ^ d1, 2);
    b[9] = Rotl64(s[22] ^ d2, 61);
    b[19] = Rotl64(s[23] ^ d3, 56);
    b[4] = Rotl64(s[24] ^ d4, 14);
    for (int y = 0; y < 25; y += 5) {
      s[y] = b[y] ^ (~b[y + 1] & b[y + 2]);
      s[y + 1] = b[y + 1] ^ (~b[y + 2] & b[y + 3]);
      s[y + 2] = b[y + 2] ^ (~b[y + 3] & b[y + 4]);
      s[y + 3] = b[y + 3] ^ (~b[y + 4] & b[y]);
      s[y + 4] = b[y + 4] ^ (~b[y] & b[y + 1]);
    }
    s[0] ^= THashSHA3::RC[round];
  }
  hash_bytes::Wipe(b, sizeof b);
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
