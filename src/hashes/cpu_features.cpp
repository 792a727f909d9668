#include "hashes/cpu_features.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>

namespace {

struct TFeatures {
  bool SHA = false;
  bool CarrylessMultiply = false;
  bool AVX2 = false;
  bool AVX512VL = false;
};

// The register state the operating system saves on a switch (XCR0).
unsigned long long SavedState() {
  unsigned lo = 0, hi = 0;
  __asm__("xgetbv" : "=a"(lo), "=d"(hi) : "c"(0));
  return (static_cast<unsigned long long>(hi) << 32) | lo;
}

TFeatures Detect() {
  TFeatures f;
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (!__get_cpuid(1, &a, &b, &c, &d)) return f;
  const bool ssse3 = (c & bit_SSSE3) != 0;
  const bool sse41 = (c & bit_SSE4_1) != 0;
  f.CarrylessMultiply = sse41 && (c & bit_PCLMUL) != 0;
  const bool osSaves = (c & bit_OSXSAVE) != 0 && (c & bit_AVX) != 0;
  const unsigned long long state = osSaves ? SavedState() : 0;
  const bool ymm = (state & 0x6) == 0x6;    // SSE and AVX state
  const bool zmm = (state & 0xE6) == 0xE6;  // and opmask, upper ZMM, ZMM16-31
  if (__get_cpuid_count(7, 0, &a, &b, &c, &d)) {
    f.SHA = ssse3 && sse41 && (b & (1u << 29)) != 0;
    f.AVX2 = ymm && (b & bit_AVX2) != 0 && (b & bit_BMI) != 0 && (b & bit_BMI2) != 0;
    f.AVX512VL = f.AVX2 && zmm && (b & bit_AVX512F) != 0 && (b & bit_AVX512VL) != 0;
  }
  return f;
}

const TFeatures& Features() {
  static const TFeatures features = Detect();
  return features;
}

}  // namespace

bool HasSHAExtensions() { return Features().SHA; }
bool HasCarrylessMultiply() { return Features().CarrylessMultiply; }
bool HasAVX2() { return Features().AVX2; }
bool HasAVX512VL() { return Features().AVX512VL; }

#else

bool HasSHAExtensions() { return false; }
bool HasCarrylessMultiply() { return false; }
bool HasAVX2() { return false; }
bool HasAVX512VL() { return false; }

#endif
