#include "hashes/cpu_features.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>

namespace {

struct TFeatures {
  bool SHA = false;
  bool CarrylessMultiply = false;
};

TFeatures Detect() {
  TFeatures f;
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (!__get_cpuid(1, &a, &b, &c, &d)) return f;
  const bool ssse3 = (c & bit_SSSE3) != 0;
  const bool sse41 = (c & bit_SSE4_1) != 0;
  f.CarrylessMultiply = sse41 && (c & bit_PCLMUL) != 0;
  if (__get_cpuid_count(7, 0, &a, &b, &c, &d)) f.SHA = ssse3 && sse41 && (b & (1u << 29)) != 0;
  return f;
}

const TFeatures& Features() {
  static const TFeatures features = Detect();
  return features;
}

}  // namespace

bool HasSHAExtensions() { return Features().SHA; }
bool HasCarrylessMultiply() { return Features().CarrylessMultiply; }

#else

bool HasSHAExtensions() { return false; }
bool HasCarrylessMultiply() { return false; }

#endif
