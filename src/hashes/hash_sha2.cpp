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

const std::array<uint64_t, 80> THashSHA2_512Base::S_K = kSHA512RoundConstants;

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
    SHA256CompressHardware(FState.data(), Data + Index, 1);
  else
    SHA256CompressPortable(FState.data(), Data + Index);
}

void THashSHA2_256Base::TransformBlocks(const uint8_t* Data, int32_t Index, int32_t Count) {
  if (!HasSHAExtensions()) {
    TBlockHash::TransformBlocks(Data, Index, Count);
    return;
  }
  FProcessedBytes += static_cast<uint64_t>(Count) * 64;
  SHA256CompressHardware(FState.data(), Data + Index, static_cast<size_t>(Count));
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

void SHA512CompressPortable(uint64_t* state, const uint8_t* blocks, size_t count) {
  const uint64_t* K = kSHA512RoundConstants.data();
  for (size_t n = 0; n < count; ++n) {
    // The schedule is made on the fly in a ring of 16 words: the rounds then
    // find their word in a register-close place instead of an 80-word array.
    uint64_t w[16];
    const uint8_t* block = blocks + 128 * n;
    for (int t = 0; t < 16; ++t) w[t] = hash_bytes::Load64BE(block + 8 * t);
    uint64_t a = state[0], b = state[1], c = state[2], d = state[3];
    uint64_t e = state[4], f = state[5], g = state[6], h = state[7];
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
}

void SHA512Compress(uint64_t* state, const uint8_t* blocks, size_t count) {
  using TCompress = void (*)(uint64_t*, const uint8_t*, size_t);
  static const TCompress compress = HasAVX512VL() ? SHA512CompressAVX512
                                    : HasAVX2()   ? SHA512CompressAVX2
                                                  : SHA512CompressPortable;
  compress(state, blocks, count);
}

void THashSHA2_512Base::TransformBlock(const uint8_t* Data, int32_t /*DataLength*/, int32_t Index) {
  SHA512Compress(FState.data(), Data + Index, 1);
}

void THashSHA2_512Base::TransformBlocks(const uint8_t* Data, int32_t Index, int32_t Count) {
  FProcessedBytes += static_cast<uint64_t>(Count) * 128;
  SHA512Compress(FState.data(), Data + Index, static_cast<size_t>(Count));
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
