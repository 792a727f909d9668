// The SHA-1 and SHA-256 compression with the processor's SHA extensions and
// the SHA-512 compression with its schedule in vector registers (AVX2,
// AVX-512VL) against the portable ones, and the portable ones against
// published digests, whichever the machine running the tests would pick.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

#include "hashes/cpu_features.h"
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
    SHA256CompressHardware(hardware, data.data() + p, 1);
  }
  for (int k = 0; k < 8; ++k) EXPECT_EQ(portable[k], hardware[k]) << k;
  // The same blocks as one run, the state kept in registers between them.
  uint32_t run[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  SHA256CompressHardware(run, data.data(), data.size() / 64);
  for (int k = 0; k < 8; ++k) EXPECT_EQ(portable[k], run[k]) << k;

  TPortableSHA1 slow;
  THashSHA1 fast;
  for (size_t n : {0u, 55u, 56u, 64u, 1000u, 32000u}) {
    const TByteArr message(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_EQ(fast.ComputeBytes(message)->AsString(), slow.ComputeBytes(message)->AsString()) << n;
  }
}

// SHA-512 through the portable compression, whatever the processor offers.
class TPortableSHA512 : public THashSHA2_512 {
 protected:
  void TransformBlock(const uint8_t* Data, int32_t, int32_t Index) override {
    SHA512CompressPortable(FState.data(), Data + Index, 1);
  }
  void TransformBlocks(const uint8_t* Data, int32_t Index, int32_t Count) override {
    FProcessedBytes += static_cast<uint64_t>(Count) * 128;
    SHA512CompressPortable(FState.data(), Data + Index, static_cast<size_t>(Count));
  }
};

TEST(HashHardware, PortableSHA512MatchesPublishedDigests) {
  TPortableSHA512 sha512;
  EXPECT_EQ(sha512.ComputeString("abc", THashEncoding::UTF8)->AsString(),
            "DDAF35A193617ABACC417349AE20413112E6FA4E89A97EA20A9EEEE64B55D39A2192992A274FC1A836BA3C23A3FEEBBD454D4423"
            "643CE80E2A9AC94FA54CA49F");
  // Two blocks: the message fills the first block past its length field.
  EXPECT_EQ(
      sha512
          .ComputeString("abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqr"
                         "lmnopqrsmnopqrstnopqrstu",
                         THashEncoding::UTF8)
          ->AsString(),
      "8E959B75DAE313DA8CF4F72814FC143F8F7779C6EB9F7FA17299AEADB6889018501D289E4900F7E4331B99DEC4B5433AC7D329EE"
      "B6DD26545E96E55B874BE909");
}

// Every compression of SHA-512 this processor runs, with its name.
std::vector<std::pair<const char*, void (*)(uint64_t*, const uint8_t*, size_t)>> VectorSHA512Paths() {
  std::vector<std::pair<const char*, void (*)(uint64_t*, const uint8_t*, size_t)>> paths;
  if (HasAVX2()) paths.emplace_back("AVX2", SHA512CompressAVX2);
  if (HasAVX512VL()) paths.emplace_back("AVX-512VL", SHA512CompressAVX512);
  return paths;
}

TEST(HashHardware, VectorSHA512EqualsPortableCompression) {
  const auto paths = VectorSHA512Paths();
  if (paths.empty()) GTEST_SKIP() << "neither AVX2 nor AVX-512VL on this processor";
  const TByteArr data = RandomBytes(128 * 300, 11);
  std::mt19937_64 rng(5);
  for (const auto& [name, compress] : paths) {
    // Runs of one to seven blocks (the odd ones end on a lone block), from
    // states of random words.
    size_t at = 0;
    for (size_t count = 0; at + 128 * count <= data.size(); count = count % 7 + 1) {
      uint64_t portable[8], vector[8];
      for (int k = 0; k < 8; ++k) portable[k] = vector[k] = rng();
      SHA512CompressPortable(portable, data.data() + at, count);
      compress(vector, data.data() + at, count);
      for (int k = 0; k < 8; ++k) ASSERT_EQ(portable[k], vector[k]) << name << ", " << count << " blocks, word " << k;
      at += 128 * count + 1;  // unaligned starts too
    }
  }
}

TEST(HashHardware, SHA512EqualsPortableOverPiecesOfAnyLength) {
  const TByteArr data = RandomBytes(40000, 13);
  TPortableSHA512 slow;
  THashSHA2_512 fast;
  for (size_t n : {0u, 111u, 112u, 127u, 128u, 129u, 255u, 256u, 257u, 384u, 1000u, 40000u}) {
    const TByteArr message(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_EQ(fast.ComputeBytes(message)->AsString(), slow.ComputeBytes(message)->AsString()) << n;
  }
  // Fed in pieces that leave the buffer part-filled between runs of blocks.
  std::mt19937 rng(3);
  fast.Initialize();
  for (size_t at = 0; at < data.size();) {
    const size_t piece = std::min<size_t>(data.size() - at, 1 + rng() % 700);
    fast.TransformBytes(data.data(), static_cast<int32_t>(at), static_cast<int32_t>(piece));
    at += piece;
  }
  EXPECT_EQ(fast.TransformFinal()->AsString(), slow.ComputeBytes(data)->AsString());
}

}  // namespace
