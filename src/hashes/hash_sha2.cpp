#include "hashes/hash_sha2.h"

#include "hashes/sha2_constants.h"
#include "hashes/sha_compress.h"

namespace {

using hash_bytes::Rotr32;
using hash_bytes::Rotr64;

inline uint32_t Ch32(uint32_t x, uint32_t y, uint32_t z) { return z ^ (x & (y ^ z)); }
inline uint32_t Maj32(uint32_t x, uint32_t y, uint32_t z) { return (x & y) | (z & (x | y)); }
inline uint32_t BigSigma0_32(uint32_t x) { return Rotr32(x, 2) ^ Rotr32(x, 13) ^ Rotr32(x, 22); }
inline uint32_t BigSigma1_32(uint32_t x) { return Rotr32(x, 6) ^ Rotr32(x, 11) ^ Rotr32(x, 25); }
inline uint32_t SmallSigma0_32(uint32_t x) { return Rotr32(x, 7) ^ Rotr32(x, 18) ^ (x >> 3); }
inline uint32_t SmallSigma1_32(uint32_t x) { return Rotr32(x, 17) ^ Rotr32(x, 19) ^ (x >> 10); }

inline uint64_t Ch64(uint64_t x, uint64_t y, uint64_t z) { return z ^ (x & (y ^ z)); }
inline uint64_t Maj64(uint64_t x, uint64_t y, uint64_t z) { return (x & y) | (z & (x | y)); }
inline uint64_t BigSigma0_64(uint64_t x) { return Rotr64(x, 28) ^ Rotr64(x, 34) ^ Rotr64(x, 39); }
inline uint64_t BigSigma1_64(uint64_t x) { return Rotr64(x, 14) ^ Rotr64(x, 18) ^ Rotr64(x, 41); }
inline uint64_t SmallSigma0_64(uint64_t x) { return Rotr64(x, 1) ^ Rotr64(x, 8) ^ (x >> 7); }
inline uint64_t SmallSigma1_64(uint64_t x) { return Rotr64(x, 19) ^ Rotr64(x, 61) ^ (x >> 6); }

// One round with the roles of the eight working words given by the caller,
// so that a pass of rounds moves no words; from round 16 on it first brings
// the schedule word of the round into the 16-word ring.
#define SHA256_ROUND(a, b, c, d, e, f, g, h, t)                                                                       \
  do {                                                                                                                \
    if ((t) >= 16) w[(t)&15] += SmallSigma1_32(w[((t)-2) & 15]) + w[((t)-7) & 15] + SmallSigma0_32(w[((t)-15) & 15]); \
    const uint32_t t1 = h + BigSigma1_32(e) + Ch32(e, f, g) + K[t] + w[(t)&15];                                       \
    d += t1;                                                                                                          \
    h = t1 + BigSigma0_32(a) + Maj32(a, b, c);                                                                        \
  } while (0)

// Round t of SHA-512; from round 16 on it first brings the schedule word of
// the round into the 16-word ring.
#define SHA512_ROUND(a, b, c, d, e, f, g, h, t)                                                                       \
  do {                                                                                                                \
    if ((t) >= 16) w[(t)&15] += SmallSigma1_64(w[((t)-2) & 15]) + w[((t)-7) & 15] + SmallSigma0_64(w[((t)-15) & 15]); \
    const uint64_t t1 = h + BigSigma1_64(e) + Ch64(e, f, g) + K[t] + w[(t)&15];                                       \
    d += t1;                                                                                                          \
    h = t1 + BigSigma0_64(a) + Maj64(a, b, c);                                                                        \
  } while (0)

template <typename Word, size_t N>
TByteArr BigEndianWords(const std::vector<Word>& state) {
  TByteArr out(N * sizeof(Word));
  for (size_t k = 0; k < N; ++k) {
    if constexpr (sizeof(Word) == 4)
      hash_bytes::Store32BE(out.data() + 4 * k, state[k]);
    else
      hash_bytes::Store64BE(out.data() + 8 * k, state[k]);
  }
  return out;
}

}  // namespace

const std::array<uint32_t, 64> THashSHA2_256Base::S_K = kSHA256RoundConstants;

const std::array<uint64_t, 80> THashSHA2_512Base::S_K = {
    0x428A2F98D728AE22ull, 0x7137449123EF65CDull, 0xB5C0FBCFEC4D3B2Full, 0xE9B5DBA58189DBBCull, 0x3956C25BF348B538ull,
    0x59F111F1B605D019ull, 0x923F82A4AF194F9Bull, 0xAB1C5ED5DA6D8118ull, 0xD807AA98A3030242ull, 0x12835B0145706FBEull,
    0x243185BE4EE4B28Cull, 0x550C7DC3D5FFB4E2ull, 0x72BE5D74F27B896Full, 0x80DEB1FE3B1696B1ull, 0x9BDC06A725C71235ull,
    0xC19BF174CF692694ull, 0xE49B69C19EF14AD2ull, 0xEFBE4786384F25E3ull, 0x0FC19DC68B8CD5B5ull, 0x240CA1CC77AC9C65ull,
    0x2DE92C6F592B0275ull, 0x4A7484AA6EA6E483ull, 0x5CB0A9DCBD41FBD4ull, 0x76F988DA831153B5ull, 0x983E5152EE66DFABull,
    0xA831C66D2DB43210ull, 0xB00327C898FB213Full, 0xBF597FC7BEEF0EE4ull, 0xC6E00BF33DA88FC2ull, 0xD5A79147930AA725ull,
    0x06CA6351E003826Full, 0x142929670A0E6E70ull, 0x27B70A8546D22FFCull, 0x2E1B21385C26C926ull, 0x4D2C6DFC5AC42AEDull,
    0x53380D139D95B3DFull, 0x650A73548BAF63DEull, 0x766A0ABB3C77B2A8ull, 0x81C2C92E47EDAEE6ull, 0x92722C851482353Bull,
    0xA2BFE8A14CF10364ull, 0xA81A664BBC423001ull, 0xC24B8B70D0F89791ull, 0xC76C51A30654BE30ull, 0xD192E819D6EF5218ull,
    0xD69906245565A910ull, 0xF40E35855771202Aull, 0x106AA07032BBD1B8ull, 0x19A4C116B8D2D0C8ull, 0x1E376C085141AB53ull,
    0x2748774CDF8EEB99ull, 0x34B0BCB5E19B48A8ull, 0x391C0CB3C5C95A63ull, 0x4ED8AA4AE3418ACBull, 0x5B9CCA4F7763E373ull,
    0x682E6FF3D6B2B8A3ull, 0x748F82EE5DEFB2FCull, 0x78A5636F43172F60ull, 0x84C87814A1F0AB72ull, 0x8CC702081A6439ECull,
    0x90BEFFFA23631E28ull, 0xA4506CEBDE82BDE9ull, 0xBEF9A3F7B2C67915ull, 0xC67178F2E372532Bull, 0xCA273ECEEA26619Cull,
    0xD186B8C721C0C207ull, 0xEADA7DD6CDE0EB1Eull, 0xF57D4F7FEE6ED178ull, 0x06F067AA72176FBAull, 0x0A637DC5A2C898A6ull,
    0x113F9804BEF90DAEull, 0x1B710B35131C471Bull, 0x28DB77F523047D84ull, 0x32CAAB7B40C72493ull, 0x3C9EBE0A15C9BEBCull,
    0x431D67C49C100D4Cull, 0x4CC5D4BECB3E42B6ull, 0x597F299CFC657E2Aull, 0x5FCB6FAB3AD6FAECull, 0x6C44198C4A475817ull};

// ---- 32-bit words ----

THashSHA2_256Base::THashSHA2_256Base(int32_t HashSize) : TBlockHash(HashSize, 64), FState(8, 0) {}

void SHA256CompressPortable(uint32_t* state, const uint8_t* block) {
  const uint32_t* K = kSHA256RoundConstants.data();
  // As for SHA-512: the schedule lives in a ring of 16 words.
  uint32_t w[16];
  for (int t = 0; t < 16; ++t) w[t] = hash_bytes::Load32BE(block + 4 * t);
  uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
  uint32_t e = state[4], f = state[5], g = state[6], h = state[7];
  for (int t = 0; t < 64; t += 16) {
    SHA256_ROUND(a, b, c, d, e, f, g, h, t);
    SHA256_ROUND(h, a, b, c, d, e, f, g, t + 1);
    SHA256_ROUND(g, h, a, b, c, d, e, f, t + 2);
    SHA256_ROUND(f, g, h, a, b, c, d, e, t + 3);
    SHA256_ROUND(e, f, g, h, a, b, c, d, t + 4);
    SHA256_ROUND(d, e, f, g, h, a, b, c, t + 5);
    SHA256_ROUND(c, d, e, f, g, h, a, b, t + 6);
    SHA256_ROUND(b, c, d, e, f, g, h, a, t + 7);
    SHA256_ROUND(a, b, c, d, e, f, g, h, t + 8);
    SHA256_ROUND(h, a, b, c, d, e, f, g, t + 9);
    SHA256_ROUND(g, h, a, b, c, d, e, f, t + 10);
    SHA256_ROUND(f, g, h, a, b, c, d, e, t + 11);
    SHA256_ROUND(e, f, g, h, a, b, c, d, t + 12);
    SHA256_ROUND(d, e, f, g, h, a, b, c, t + 13);
    SHA256_ROUND(c, d, e, f, g, h, a, b, t + 14);
    SHA256_ROUND(b, c, d, e, f, g, h, a, t + 15);
  }
  state[0] += a;
  state[1] += b;
  state[2] += c;
  state[3] += d;
  state[4] += e;
  state[5] += f;
  state[6] += g;
  state[7] += h;
  hash_bytes::Wipe(w, sizeof w);
}

void THashSHA2_256Base::TransformBlock(const uint8_t* Data, int32_t /*DataLength*/, int32_t Index) {
  if (HasSHAExtensions())
    SHA256CompressHardware(FState.data(), Data + Index);
  else
    SHA256CompressPortable(FState.data(), Data + Index);
}

void THashSHA2_256Base::Finish() {
  const uint64_t bits = FProcessedBytes << 3;
  const int32_t fill = FBuffer.Position;
  const int32_t padLength = fill < 56 ? 56 - fill : 120 - fill;
  uint8_t pad[128] = {0x80};
  hash_bytes::Store64BE(pad + padLength, bits);
  TransformBytes(pad, 0, padLength + 8);
}

THashSHA2_224::THashSHA2_224() : THashSHA2_256Base(28) {}

void THashSHA2_224::Initialize() {
  FState = {0xC1059ED8u, 0x367CD507u, 0x3070DD17u, 0xF70E5939u, 0xFFC00B31u, 0x68581511u, 0x64F98FA7u, 0xBEFA4FA4u};
  TBlockHash::Initialize();
}

TByteArr THashSHA2_224::GetResult() { return BigEndianWords<uint32_t, 7>(FState); }

THashSHA2_256::THashSHA2_256() : THashSHA2_256Base(32) {}

void THashSHA2_256::Initialize() {
  FState = {0x6A09E667u, 0xBB67AE85u, 0x3C6EF372u, 0xA54FF53Au, 0x510E527Fu, 0x9B05688Cu, 0x1F83D9ABu, 0x5BE0CD19u};
  TBlockHash::Initialize();
}

TByteArr THashSHA2_256::GetResult() { return BigEndianWords<uint32_t, 8>(FState); }

// ---- 64-bit words ----

THashSHA2_512Base::THashSHA2_512Base(int32_t HashSize) : TBlockHash(HashSize, 128), FState(8, 0) {}

void THashSHA2_512Base::TransformBlock(const uint8_t* Data, int32_t /*DataLength*/, int32_t Index) {
  const uint64_t* K = S_K.data();
  // The schedule is made on the fly in a ring of 16 words: the rounds then
  // find their word in a register-close place instead of an 80-word array.
  uint64_t w[16];
  const uint8_t* block = Data + Index;
  for (int t = 0; t < 16; ++t) w[t] = hash_bytes::Load64BE(block + 8 * t);
  uint64_t a = FState[0], b = FState[1], c = FState[2], d = FState[3];
  uint64_t e = FState[4], f = FState[5], g = FState[6], h = FState[7];
  for (int t = 0; t < 80; t += 16) {
    SHA512_ROUND(a, b, c, d, e, f, g, h, t);
    SHA512_ROUND(h, a, b, c, d, e, f, g, t + 1);
    SHA512_ROUND(g, h, a, b, c, d, e, f, t + 2);
    SHA512_ROUND(f, g, h, a, b, c, d, e, t + 3);
    SHA512_ROUND(e, f, g, h, a, b, c, d, t + 4);
    SHA512_ROUND(d, e, f, g, h, a, b, c, t + 5);
    SHA512_ROUND(c, d, e, f, g, h, a, b, t + 6);
    SHA512_ROUND(b, c, d, e, f, g, h, a, t + 7);
    SHA512_ROUND(a, b, c, d, e, f, g, h, t + 8);
    SHA512_ROUND(h, a, b, c, d, e, f, g, t + 9);
    SHA512_ROUND(g, h, a, b, c, d, e, f, t + 10);
    SHA512_ROUND(f, g, h, a, b, c, d, e, t + 11);
    SHA512_ROUND(e, f, g, h, a, b, c, d, t + 12);
    SHA512_ROUND(d, e, f, g, h, a, b, c, t + 13);
    SHA512_ROUND(c, d, e, f, g, h, a, b, t + 14);
    SHA512_ROUND(b, c, d, e, f, g, h, a, t + 15);
  }
  FState[0] += a;
  FState[1] += b;
  FState[2] += c;
  FState[3] += d;
  FState[4] += e;
  FState[5] += f;
  FState[6] += g;
  FState[7] += h;
  hash_bytes::Wipe(w, sizeof w);
}

void THashSHA2_512Base::Finish() {
  const uint64_t count = FProcessedBytes;
  const int32_t fill = FBuffer.Position;
  const int32_t padLength = fill < 112 ? 112 - fill : 240 - fill;
  uint8_t pad[256] = {0x80};
  // The 128-bit bit length, exact for every 64-bit byte count.
  hash_bytes::Store64BE(pad + padLength, count >> 61);
  hash_bytes::Store64BE(pad + padLength + 8, count << 3);
  TransformBytes(pad, 0, padLength + 16);
}

THashSHA2_384::THashSHA2_384() : THashSHA2_512Base(48) {}

void THashSHA2_384::Initialize() {
  FState = {0xCBBB9D5DC1059ED8ull, 0x629A292A367CD507ull, 0x9159015A3070DD17ull, 0x152FECD8F70E5939ull,
            0x67332667FFC00B31ull, 0x8EB44A8768581511ull, 0xDB0C2E0D64F98FA7ull, 0x47B5481DBEFA4FA4ull};
  TBlockHash::Initialize();
}

TByteArr THashSHA2_384::GetResult() { return BigEndianWords<uint64_t, 6>(FState); }

THashSHA2_512::THashSHA2_512() : THashSHA2_512Base(64) {}

void THashSHA2_512::Initialize() {
  FState = {0x6A09E667F3BCC908ull, 0xBB67AE8584CAA73Bull, 0x3C6EF372FE94F82Bull, 0xA54FF53A5F1D36F1ull,
            0x510E527FADE682D1ull, 0x9B05688C2B3E6C1Full, 0x1F83D9ABFB41BD6Bull, 0x5BE0CD19137E2179ull};
  TBlockHash::Initialize();
}

TByteArr THashSHA2_512::GetResult() { return BigEndianWords<uint64_t, 8>(FState); }
