// The SHA-1 and SHA-256 compression with the processor's SHA extensions
// against the portable one, and the portable one against published digests,
// whichever of the two the machine running the tests would pick.
#include <gtest/gtest.h>

#include <random>

#include "hashes/hash_sha1.h"
#include "hashes/hash_sha2.h"
#include "hashes/sha_compress.h"

namespace {

// SHA-1 through the portable compression, whatever the processor offers.
class TPortableSHA1 : public THashSHA1 {
 protected:
  void TransformBlock(const uint8_t* Data, int32_t DataLength, int32_t Index) override {
    THashSHA0::TransformBlock(Data, DataLength, Index);
  }
};

TByteArr RandomBytes(size_t n, uint32_t seed) {
  std::mt19937 rng(seed);
  TByteArr out(n);
  for (auto& b : out) b = static_cast<uint8_t>(rng());
  return out;
}

TEST(HashHardware, PortableSHA1MatchesPublishedDigests) {
  TPortableSHA1 sha1;
  EXPECT_EQ(sha1.ComputeString("abc", THashEncoding::UTF8)->AsString(), "A9993E364706816ABA3E25717850C26C9CD0D89D");
  EXPECT_EQ(
      sha1.ComputeString("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", THashEncoding::UTF8)->AsString(),
      "84983E441C3BD26EBAAE4AA1F95129E5E54670F1");
}

TEST(HashHardware, PortableSHA256MatchesPublishedDigest) {
  // The state after the one padded block of "abc".
  uint32_t state[8] = {0x6A09E667, 0xBB67AE85, 0x3C6EF372, 0xA54FF53A, 0x510E527F, 0x9B05688C, 0x1F83D9AB, 0x5BE0CD19};
  uint8_t block[64] = {'a', 'b', 'c', 0x80};
  block[63] = 24;
  SHA256CompressPortable(state, block);
  const uint32_t expected[8] = {0xBA7816BF, 0x8F01CFEA, 0x414140DE, 0x5DAE2223,
                                0xB00361A3, 0x96177A9C, 0xB410FF61, 0xF20015AD};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(state[k], expected[k]) << k;
}

TEST(HashHardware, ExtensionsEqualPortableCompression) {
  if (!HasSHAExtensions()) GTEST_SKIP() << "no SHA extensions on this processor";
  const TByteArr data = RandomBytes(64 * 500, 7);
  uint32_t portable[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  uint32_t hardware[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  for (size_t p = 0; p < data.size(); p += 64) {
    SHA256CompressPortable(portable, data.data() + p);
    SHA256CompressHardware(hardware, data.data() + p);
  }
  for (int k = 0; k < 8; ++k) EXPECT_EQ(portable[k], hardware[k]) << k;

  TPortableSHA1 slow;
  THashSHA1 fast;
  for (size_t n : {0u, 55u, 56u, 64u, 1000u, 32000u}) {
    const TByteArr message(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_EQ(fast.ComputeBytes(message)->AsString(), slow.ComputeBytes(message)->AsString()) << n;
  }
}

}  // namespace
