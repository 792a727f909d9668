// The SHA-512 compression with its message schedule in vector registers, for
// AVX2 and for AVX-512VL: one kernel, compiled once for each.
#include <cstdlib>
#include <utility>

#include "hashes/hash_framework.h"
#include "hashes/sha2_constants.h"
#include "hashes/sha_compress.h"

#if defined(__x86_64__)
#include <immintrin.h>

namespace sha512_avx2 {
#define SHA512_VECTOR_TARGET "avx2,bmi,bmi2"
#define SHA512_VECTOR_AVX512 0
#include "hashes/sha512_vector_kernel.inc"
#undef SHA512_VECTOR_AVX512
#undef SHA512_VECTOR_TARGET
}  // namespace sha512_avx2

namespace sha512_avx512 {
#define SHA512_VECTOR_TARGET "avx2,bmi,bmi2,avx512f,avx512vl"
#define SHA512_VECTOR_AVX512 1
#include "hashes/sha512_vector_kernel.inc"
#undef SHA512_VECTOR_AVX512
#undef SHA512_VECTOR_TARGET
}  // namespace sha512_avx512

void SHA512CompressAVX2(uint64_t* state, const uint8_t* blocks, size_t count) {
  sha512_avx2::Compress(state, blocks, count);
}

void SHA512CompressAVX512(uint64_t* state, const uint8_t* blocks, size_t count) {
  sha512_avx512::Compress(state, blocks, count);
}

#else

void SHA512CompressAVX2(uint64_t*, const uint8_t*, size_t) { std::abort(); }
void SHA512CompressAVX512(uint64_t*, const uint8_t*, size_t) { std::abort(); }

#endif
