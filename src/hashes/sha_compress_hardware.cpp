#include <cstdlib>

#include "hashes/sha2_constants.h"
#include "hashes/sha_compress.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define SYLLABRIX_SHA_X86 1
#endif

#ifdef SYLLABRIX_SHA_X86

__attribute__((target("sha,sse4.1,ssse3"))) void SHA1CompressHardware(uint32_t* state, const uint8_t* block) {
  const __m128i mask = _mm_set_epi64x(0x0001020304050607LL, 0x08090A0B0C0D0E0FLL);
  __m128i abcd = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0x1B);
  __m128i e0 = _mm_set_epi32(static_cast<int>(state[4]), 0, 0, 0);
  const __m128i abcdSave = abcd;
  const __m128i e0Save = e0;
  __m128i e1;
  __m128i m[4];
  for (int k = 0; k < 4; ++k)
    m[k] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * k)), mask);

    // Four rounds per group; the message schedule runs two groups ahead.
#define SHA1_GROUP(g, eCur, eOther)                                                                 \
  do {                                                                                              \
    if ((g) == 0)                                                                                   \
      eCur = _mm_add_epi32(eCur, m[0]);                                                             \
    else                                                                                            \
      eCur = _mm_sha1nexte_epu32(eCur, m[(g) % 4]);                                                 \
    eOther = abcd;                                                                                  \
    if ((g) >= 3 && (g) <= 18) m[((g) + 1) % 4] = _mm_sha1msg2_epu32(m[((g) + 1) % 4], m[(g) % 4]); \
    abcd = _mm_sha1rnds4_epu32(abcd, eCur, (g) / 5);                                                \
    if ((g) >= 1 && (g) <= 16) m[((g) + 3) % 4] = _mm_sha1msg1_epu32(m[((g) + 3) % 4], m[(g) % 4]); \
    if ((g) >= 2 && (g) <= 17) m[((g) + 2) % 4] = _mm_xor_si128(m[((g) + 2) % 4], m[(g) % 4]);      \
  } while (0)

  SHA1_GROUP(0, e0, e1);
  SHA1_GROUP(1, e1, e0);
  SHA1_GROUP(2, e0, e1);
  SHA1_GROUP(3, e1, e0);
  SHA1_GROUP(4, e0, e1);
  SHA1_GROUP(5, e1, e0);
  SHA1_GROUP(6, e0, e1);
  SHA1_GROUP(7, e1, e0);
  SHA1_GROUP(8, e0, e1);
  SHA1_GROUP(9, e1, e0);
  SHA1_GROUP(10, e0, e1);
  SHA1_GROUP(11, e1, e0);
  SHA1_GROUP(12, e0, e1);
  SHA1_GROUP(13, e1, e0);
  SHA1_GROUP(14, e0, e1);
  SHA1_GROUP(15, e1, e0);
  SHA1_GROUP(16, e0, e1);
  SHA1_GROUP(17, e1, e0);
  SHA1_GROUP(18, e0, e1);
  SHA1_GROUP(19, e1, e0);
#undef SHA1_GROUP

  e0 = _mm_sha1nexte_epu32(e0, e0Save);
  abcd = _mm_add_epi32(abcd, abcdSave);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_shuffle_epi32(abcd, 0x1B));
  state[4] = static_cast<uint32_t>(_mm_extract_epi32(e0, 3));
}

__attribute__((target("sha,sse4.1,ssse3"))) void SHA256CompressHardware(uint32_t* state, const uint8_t* blocks,
                                                                        size_t count) {
  const __m128i mask = _mm_set_epi64x(0x0C0D0E0F08090A0BLL, 0x0405060700010203LL);
  __m128i tmp = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0xB1);         // CDAB
  __m128i state1 = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state + 4)), 0x1B);  // EFGH
  __m128i state0 = _mm_alignr_epi8(tmp, state1, 8);                                                        // ABEF
  state1 = _mm_blend_epi16(state1, tmp, 0xF0);                                                             // CDGH
  const uint32_t* k = kSHA256RoundConstants.data();
  // The state stays in its registers from block to block.
  for (size_t n = 0; n < count; ++n) {
    const uint8_t* block = blocks + 64 * n;
    const __m128i abefSave = state0;
    const __m128i cdghSave = state1;
    __m128i m[4];
    for (int i = 0; i < 4; ++i)
      m[i] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i)), mask);

#define SHA256_GROUP(g)                                                                                      \
  do {                                                                                                       \
    __m128i msg = _mm_add_epi32(m[(g) % 4], _mm_loadu_si128(reinterpret_cast<const __m128i*>(k + 4 * (g)))); \
    state1 = _mm_sha256rnds2_epu32(state1, state0, msg);                                                     \
    if ((g) >= 3 && (g) <= 14) {                                                                             \
      const __m128i t = _mm_alignr_epi8(m[(g) % 4], m[((g) + 3) % 4], 4);                                    \
      m[((g) + 1) % 4] = _mm_sha256msg2_epu32(_mm_add_epi32(m[((g) + 1) % 4], t), m[(g) % 4]);               \
    }                                                                                                        \
    msg = _mm_shuffle_epi32(msg, 0x0E);                                                                      \
    state0 = _mm_sha256rnds2_epu32(state0, state1, msg);                                                     \
    if ((g) >= 1 && (g) <= 12) m[((g) + 3) % 4] = _mm_sha256msg1_epu32(m[((g) + 3) % 4], m[(g) % 4]);        \
  } while (0)

    SHA256_GROUP(0);
    SHA256_GROUP(1);
    SHA256_GROUP(2);
    SHA256_GROUP(3);
    SHA256_GROUP(4);
    SHA256_GROUP(5);
    SHA256_GROUP(6);
    SHA256_GROUP(7);
    SHA256_GROUP(8);
    SHA256_GROUP(9);
    SHA256_GROUP(10);
    SHA256_GROUP(11);
    SHA256_GROUP(12);
    SHA256_GROUP(13);
    SHA256_GROUP(14);
    SHA256_GROUP(15);
#undef SHA256_GROUP

    state0 = _mm_add_epi32(state0, abefSave);
    state1 = _mm_add_epi32(state1, cdghSave);
  }
  tmp = _mm_shuffle_epi32(state0, 0x1B);        // FEBA
  state1 = _mm_shuffle_epi32(state1, 0xB1);     // DCHG
  state0 = _mm_blend_epi16(tmp, state1, 0xF0);  // DCBA
  state1 = _mm_alignr_epi8(state1, tmp, 8);     // ABEF
  _mm_storeu_si128(reinterpret_cast<__m128i*>(state), state0);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(state + 4), state1);
}

#else

void SHA1CompressHardware(uint32_t*, const uint8_t*) { std::abort(); }
void SHA256CompressHardware(uint32_t*, const uint8_t*, size_t) { std::abort(); }

#endif
