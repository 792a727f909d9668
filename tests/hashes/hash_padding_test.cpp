// The blocks each hash actually compresses around its padding borders, seen
// through a subclass that records them.
#include <gtest/gtest.h>

#include "hashes/hash_checksums.h"
#include "hashes/hash_md.h"
#include "hashes/hash_sha1.h"
#include "hashes/hash_sha2.h"
#include "hashes/hash_sha3.h"
#include "hashes/hash_whirlpool_gost.h"

namespace {

template <typename THash>
class TBlockRecorder : public THash {
 public:
  std::vector<TByteArr> Blocks;

  std::vector<TByteArr> BlocksOf(size_t messageLength) {
    Blocks.clear();
    this->ComputeBytes(TByteArr(messageLength, 0x61));
    return Blocks;
  }

 protected:
  void TransformBlock(const uint8_t* Data, int32_t DataLength, int32_t Index) override {
    Blocks.emplace_back(Data + Index, Data + Index + DataLength);
    THash::TransformBlock(Data, DataLength, Index);
  }
  // Runs of blocks one by one, so that each is recorded, also where the hash
  // compresses runs at once.
  void TransformBlocks(const uint8_t* Data, int32_t Index, int32_t Count) override {
    this->TBlockHash::TransformBlocks(Data, Index, Count);
  }
};

TByteArr Tail(const TByteArr& block, size_t n) {
  return TByteArr(block.end() - static_cast<std::ptrdiff_t>(n), block.end());
}

TEST(HashPadding, MDStyleLengthFieldAndBlockCount) {
  TBlockRecorder<THashMD5> md5;
  EXPECT_EQ(md5.BlocksOf(55).size(), 1u);
  EXPECT_EQ(md5.Blocks[0][55], 0x80);
  // 55 bytes are 440 bits, least significant byte first.
  EXPECT_EQ(Tail(md5.Blocks[0], 8), (TByteArr{0xB8, 0x01, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(md5.BlocksOf(56).size(), 2u);
  EXPECT_EQ(md5.BlocksOf(64).size(), 2u);
  EXPECT_EQ(md5.Blocks[1][0], 0x80);

  TBlockRecorder<THashSHA1> sha1;
  EXPECT_EQ(sha1.BlocksOf(55).size(), 1u);
  EXPECT_EQ(Tail(sha1.Blocks[0], 8), (TByteArr{0, 0, 0, 0, 0, 0, 0x01, 0xB8}));
  EXPECT_EQ(sha1.BlocksOf(56).size(), 2u);
  EXPECT_EQ(sha1.BlocksOf(63).size(), 2u);
  EXPECT_EQ(sha1.BlocksOf(65).size(), 2u);

  TBlockRecorder<THashSHA2_224> sha224;
  EXPECT_EQ(sha224.BlocksOf(55).size(), 1u);
  EXPECT_EQ(sha224.BlocksOf(56).size(), 2u);

  TBlockRecorder<THashSHA2_512> sha512;
  EXPECT_EQ(sha512.BlocksOf(111).size(), 1u);
  EXPECT_EQ(sha512.Blocks[0][111], 0x80);
  EXPECT_EQ(Tail(sha512.Blocks[0], 16), (TByteArr{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x03, 0x78}));
  EXPECT_EQ(sha512.BlocksOf(112).size(), 2u);
  EXPECT_EQ(sha512.BlocksOf(127).size(), 2u);
  EXPECT_EQ(sha512.BlocksOf(128).size(), 2u);
  EXPECT_EQ(sha512.BlocksOf(129).size(), 2u);

  TBlockRecorder<THashSHA2_384> sha384;
  EXPECT_EQ(sha384.BlocksOf(111).size(), 1u);
  EXPECT_EQ(sha384.BlocksOf(112).size(), 2u);
}

TEST(HashPadding, SHA3SingleByte0x86AndFullPaddingBlock) {
  TBlockRecorder<THashSHA3_256> sha3;
  ASSERT_EQ(sha3.BlocksOf(135).size(), 1u);
  EXPECT_EQ(sha3.Blocks[0][135], 0x86);
  ASSERT_EQ(sha3.BlocksOf(136).size(), 2u);
  TByteArr padding(136, 0);
  padding[0] = 0x06;
  padding[135] = 0x80;
  EXPECT_EQ(sha3.Blocks[1], padding);
  ASSERT_EQ(sha3.BlocksOf(137).size(), 2u);
  EXPECT_EQ(sha3.Blocks[1][0], 0x61);
  EXPECT_EQ(sha3.Blocks[1][1], 0x06);
  TBlockRecorder<THashSHA3_224> sha3small;
  ASSERT_EQ(sha3small.BlocksOf(143).size(), 1u);
  EXPECT_EQ(sha3small.Blocks[0][143], 0x86);
  TBlockRecorder<THashSHA3_512> sha3large;
  ASSERT_EQ(sha3large.BlocksOf(71).size(), 1u);
  EXPECT_EQ(sha3large.Blocks[0][71], 0x86);
}

TEST(HashPadding, MD2PadsThenAddsTheChecksumBlock) {
  TBlockRecorder<THashMD2> md2;
  ASSERT_EQ(md2.BlocksOf(15).size(), 2u);
  EXPECT_EQ(md2.Blocks[0][15], 0x01);
  ASSERT_EQ(md2.BlocksOf(16).size(), 3u);
  EXPECT_EQ(md2.Blocks[1], TByteArr(16, 16));
}

TEST(HashPadding, WhirlpoolBorderAt32Bytes) {
  TBlockRecorder<THashWhirlPool> whirlpool;
  ASSERT_EQ(whirlpool.BlocksOf(31).size(), 1u);
  EXPECT_EQ(whirlpool.Blocks[0][31], 0x80);
  EXPECT_EQ(Tail(whirlpool.Blocks[0], 8), (TByteArr{0, 0, 0, 0, 0, 0, 0, 0xF8}));
  EXPECT_EQ(whirlpool.BlocksOf(32).size(), 2u);
}

class TGostProbe : public TBlockRecorder<THashGost> {
 public:
  THashLibUInt32Array ControlSum() const { return FControlSum; }
};

TEST(HashPadding, GostZeroBlockAndControlSumCarry) {
  TGostProbe gost;
  EXPECT_EQ(gost.BlocksOf(32).size(), 1u);
  ASSERT_EQ(gost.BlocksOf(33).size(), 2u);
  TByteArr last(32, 0);
  last[0] = 0x61;
  EXPECT_EQ(gost.Blocks[1], last);
  EXPECT_EQ(gost.BlocksOf(0).size(), 0u);

  gost.Initialize();
  TByteArr blocks(64, 0xFF);
  blocks[32] = 1;
  blocks[33] = blocks[34] = blocks[35] = 0;
  gost.TransformBytes(blocks);
  THashLibUInt32Array expected(8, 0xFFFFFFFF);
  expected[0] = 0;
  EXPECT_EQ(gost.ControlSum(), expected);
}

}  // namespace

namespace {

TEST(HashTables, KnownEntriesAndTheirDefinitions) {
  EXPECT_EQ(THashWhirlPool::FS_C0[0], 0x18186018C07830D8u);
  EXPECT_EQ(THashWhirlPool::FS_C1[0], 0xD818186018C07830u);
  EXPECT_EQ(THashWhirlPool::FS_RC[0], 0u);
  EXPECT_EQ(THashWhirlPool::FS_RC[1], 0x1823C6E887B8014Fu);
  for (size_t i = 0; i < 256; ++i) {
    const uint64_t c0 = THashWhirlPool::FS_C0[i];
    EXPECT_EQ(THashWhirlPool::FS_C7[i], (c0 >> 56) | (c0 << 8)) << i;
    EXPECT_EQ(c0 >> 56, THashWhirlPool::S_SBOX[i]) << i;
  }
  EXPECT_EQ(THashCRC32_PKZIP::FCRC32_PKZIP_TABLE[0][1], 0x77073096u);
  EXPECT_EQ(THashCRC32_PKZIP::FCRC32_PKZIP_TABLE[0][255], 0x2D02EF8Du);

  // The four GOST tables against the eight 4-bit S-boxes of the test
  // parameter set followed by a rotation left by 11 bits.
  static const uint8_t k[8][16] = {
      {4, 10, 9, 2, 13, 8, 0, 14, 6, 11, 1, 12, 7, 15, 5, 3}, {14, 11, 4, 12, 6, 13, 15, 10, 2, 3, 8, 1, 0, 7, 5, 9},
      {5, 8, 1, 13, 10, 3, 4, 2, 14, 15, 12, 7, 6, 0, 9, 11}, {7, 13, 10, 1, 0, 8, 9, 15, 14, 4, 6, 12, 11, 2, 5, 3},
      {6, 12, 7, 1, 5, 15, 13, 8, 4, 10, 9, 14, 0, 3, 11, 2}, {4, 11, 10, 0, 7, 2, 1, 13, 3, 6, 8, 5, 9, 12, 15, 14},
      {13, 11, 4, 1, 3, 15, 5, 9, 0, 10, 14, 7, 6, 8, 2, 12}, {1, 15, 13, 0, 5, 7, 10, 4, 9, 2, 3, 14, 6, 11, 8, 12}};
  uint32_t x = 0x12345678;
  for (int n = 0; n < 1000; ++n) {
    x = x * 1664525u + 1013904223u;
    uint32_t substituted = 0;
    for (int nibble = 0; nibble < 8; ++nibble)
      substituted |= uint32_t{k[nibble][(x >> (4 * nibble)) & 15]} << (4 * nibble);
    const uint32_t expected = (substituted << 11) | (substituted >> 21);
    const uint32_t viaTables = THashGost::FS_SBOX1[x & 0xFF] ^ THashGost::FS_SBOX2[(x >> 8) & 0xFF] ^
                               THashGost::FS_SBOX3[(x >> 16) & 0xFF] ^ THashGost::FS_SBOX4[x >> 24];
    ASSERT_EQ(viaTables, expected) << x;
  }
}

}  // namespace
