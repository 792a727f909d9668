// The blocks each hash actually compresses around its padding borders, seen
// through a subclass that records them.
#include <gtest/gtest.h>

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
