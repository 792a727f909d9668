// The digest object, the hex and byte-order helpers and the stream feeding of
// the hash base class.
#include <gtest/gtest.h>

#include <sstream>

#include "hashes/hash_checksums.h"
#include "hashes/hash_md.h"
#include "hashes/hash_sha3.h"

namespace {

TEST(HashResult, IntegerConstructorsAndViews) {
  THashResult r32(uint32_t{258});
  EXPECT_EQ(r32.GetBytes(), (TByteArr{0, 0, 1, 2}));
  EXPECT_EQ(r32.GetUInt32(), 258u);
  EXPECT_EQ(r32.AsString(), "00000102");
  EXPECT_EQ(THashResult(uint32_t{0xFFFFFFFE}).GetInt32(), -2);
  EXPECT_EQ(THashResult(uint8_t{0xAB}).GetUInt8(), 0xAB);
  EXPECT_EQ(THashResult(uint16_t{0xABCD}).GetBytes(), (TByteArr{0xAB, 0xCD}));
  EXPECT_EQ(THashResult(uint16_t{0xABCD}).GetUInt16(), 0xABCD);
  EXPECT_EQ(THashResult(uint64_t{0x0102030405060708}).GetUInt64(), 0x0102030405060708u);
  // A view of the wrong width has no value to give.
  EXPECT_EQ(r32.GetUInt64(), 0u);
}

TEST(HashResult, HexTextGroupedAndPlain) {
  THashResult eight(TByteArr{0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77});
  EXPECT_EQ(eight.ToString(true), "00112233-44556677");
  EXPECT_EQ(eight.ToString(false), "0011223344556677");
  EXPECT_EQ(eight.AsString(), "0011223344556677");
  THashResult two(TByteArr{0xAB, 0xCD});
  EXPECT_EQ(two.ToString(true), "ABCD");
  EXPECT_EQ(two.ToString(false), "ABCD");
  EXPECT_EQ(THashResult(TByteArr{0x0F}).ToString(true), "0F");
  // A length that is no multiple of four keeps its last bytes.
  EXPECT_EQ(THashResult(TByteArr{1, 2, 3, 4, 5, 6}).ToString(true), "01020304-0506");
  EXPECT_EQ(THashResult(TByteArr{}).AsString(), "");
}

TEST(HashResult, EqualsAndSlowEquals) {
  THashResult a(TByteArr{1, 2, 3, 4});
  EXPECT_TRUE(a.Equals(THashResult(TByteArr{1, 2, 3, 4})));
  EXPECT_FALSE(a.Equals(THashResult(TByteArr{1, 2, 3, 5})));
  EXPECT_FALSE(a.Equals(THashResult(TByteArr{1, 2, 3})));
  EXPECT_FALSE(THashResult::SlowEquals(TByteArr{1, 2, 3, 4}, TByteArr{1, 2, 3, 4, 0}));
  EXPECT_TRUE(THashResult::SlowEquals(TByteArr{}, TByteArr{}));
}

TEST(HashResult, HashCodeIsDeterministicAndFitsIn32Bits) {
  THashMD5 md5;
  auto a = md5.ComputeString("abc", THashEncoding::UTF8);
  auto b = md5.ComputeString("abc", THashEncoding::UTF8);
  auto c = md5.ComputeString("abd", THashEncoding::UTF8);
  EXPECT_EQ(a->GetHashCode(), b->GetHashCode());
  EXPECT_NE(a->GetHashCode(), c->GetHashCode());
  EXPECT_GE(a->GetHashCode(), 0);
  EXPECT_LE(a->GetHashCode(), int64_t{0xFFFFFFFF});
  // One byte 0x41 ("A") is the text "A", Base64 "QQ==", upper-cased the same:
  // h = ((0x51 rotl 5 ^ 0x51) rotl 5 ^ 0x3D) rotl 5 ^ 0x3D.
  uint32_t h = 0;
  for (unsigned char ch : std::string("QQ==")) h = ((h << 5) | (h >> 27)) ^ ch;
  EXPECT_EQ(THashResult(TByteArr{0x41}).GetHashCode(), static_cast<int64_t>(h));
}

TEST(HashHelpers, BitConverterAndSplit) {
  const TByteArr bytes{0xAB, 0xCD, 0xEF};
  EXPECT_EQ(TBitConverter::ToString(bytes), "AB-CD-EF");
  EXPECT_EQ(TBitConverter::ToString(bytes, 1), "CD-EF");
  EXPECT_EQ(TBitConverter::ToString(bytes, 0, 2), "AB-CD");
  EXPECT_EQ(TBitConverter::ToString(TByteArr{}), "");
  EXPECT_THROW(TBitConverter::ToString(bytes, 2, 2), std::out_of_range);
  EXPECT_EQ(TConverters::SplitString("AB-CD", '-'), (THashLibStringArray{"AB", "CD"}));
  EXPECT_EQ(TConverters::SplitString("A-", '-'), (THashLibStringArray{"A", ""}));
  EXPECT_TRUE(TConverters::SplitString("", '-').empty());
  EXPECT_TRUE(TConverters::ConvertStringToBytes("abc", THashEncoding::None).empty());
  EXPECT_EQ(TConverters::ConvertStringToBytes("\xC3\xA4", THashEncoding::UTF8), (TByteArr{0xC3, 0xA4}));
}

TEST(HashHelpers, ByteOrderCopies) {
  const uint8_t src[9] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
  alignas(8) uint8_t aligned[8] = {};
  TConverters::swap_copy_str_to_u32(src, 0, aligned, 0, 8);
  EXPECT_EQ(TByteArr(aligned, aligned + 8), (TByteArr{3, 2, 1, 0, 7, 6, 5, 4}));
  TConverters::swap_copy_str_to_u64(src, 0, aligned, 0, 8);
  EXPECT_EQ(TByteArr(aligned, aligned + 8), (TByteArr{7, 6, 5, 4, 3, 2, 1, 0}));
  // Unaligned source index: byte k lands at (destination index + k) xor 3.
  uint8_t out[8] = {};
  TConverters::swap_copy_str_to_u32(src, 1, out, 0, 8);
  EXPECT_EQ(TByteArr(out, out + 8), (TByteArr{4, 3, 2, 1, 8, 7, 6, 5}));
  uint32_t word = 0;
  TConverters::be32_copy(src, 0, &word, 0, 4);
  EXPECT_EQ(word, 0x00010203u);
  TConverters::le32_copy(src, 0, &word, 0, 4);
  EXPECT_EQ(word, 0x03020100u);
  uint64_t wide = 0;
  TConverters::be64_copy(src, 0, &wide, 0, 8);
  EXPECT_EQ(wide, 0x0001020304050607u);
  TConverters::le64_copy(src, 0, &wide, 0, 8);
  EXPECT_EQ(wide, 0x0706050403020100u);
  EXPECT_EQ(TBitConverter::FIsLittleEndian, std::endian::native == std::endian::little);
}

TEST(HashBase, NamesAndSizes) {
  THashMD5 md5;
  EXPECT_EQ(md5.GetName(), "THashMD5");
  EXPECT_EQ(md5.GetHashSize(), 16);
  EXPECT_EQ(md5.GetBlockSize(), 64);
  THashSHA3_224 sha3;
  EXPECT_EQ(sha3.GetBlockSize(), 144);
  EXPECT_EQ(sha3.ComputeString("", THashEncoding::UTF8)->GetBytes().size(), 28u);
  THashAdler32 adler;
  EXPECT_EQ(adler.GetBlockSize(), 1);
}

TEST(HashBase, ByteRangesOutsideTheArrayAreRefused) {
  THashMD5 md5;
  const TByteArr data(10, 1);
  md5.Initialize();
  EXPECT_THROW(md5.TransformBytes(data, 5, 6), std::out_of_range);
  EXPECT_THROW(md5.TransformBytes(data, -1, 2), std::out_of_range);
  EXPECT_THROW(md5.TransformBytes(data, 0, -1), std::out_of_range);
  md5.TransformBytes(data, 10, 0);
  EXPECT_EQ(md5.TransformFinal()->AsString(), "D41D8CD98F00B204E9800998ECF8427E");
}

std::string StreamOf(size_t n) {
  std::string s(n, '\0');
  for (size_t k = 0; k < n; ++k) s[k] = static_cast<char>(k * 131 + (k >> 8));
  return s;
}

TEST(HashBase, StreamsEqualByteArrays) {
  THashMD5 md5;
  for (size_t n : {0u, 1u, 65535u, 65536u, 65537u, 3u * 65536u}) {
    const std::string content = StreamOf(n);
    std::istringstream stream(content);
    EXPECT_EQ(md5.ComputeStream(&stream, -1)->AsString(),
              md5.ComputeBytes(TByteArr(content.begin(), content.end()))->AsString())
        << n;
  }
  // Absent, or already at its end: the digest of the empty message.
  EXPECT_EQ(md5.ComputeStream(nullptr, -1)->AsString(), "D41D8CD98F00B204E9800998ECF8427E");
  std::istringstream atEnd("abc");
  atEnd.seekg(3);
  EXPECT_EQ(md5.ComputeStream(&atEnd, -1)->AsString(), "D41D8CD98F00B204E9800998ECF8427E");
}

TEST(HashBase, StreamWithLength) {
  THashMD5 md5;
  const std::string content = StreamOf(100);
  std::istringstream stream(content);
  EXPECT_EQ(md5.ComputeStream(&stream, 10)->AsString(),
            md5.ComputeBytes(TByteArr(content.begin(), content.begin() + 10))->AsString());
  // One chunk was read, which took the whole stream.
  EXPECT_EQ(stream.tellg(), 100);
  // More than the stream holds: the feeding ends with the stream.
  std::istringstream shortStream(content);
  EXPECT_EQ(md5.ComputeStream(&shortStream, 1000000)->AsString(),
            md5.ComputeBytes(TByteArr(content.begin(), content.end()))->AsString());
  // From the middle.
  std::istringstream middle(content);
  middle.seekg(40);
  EXPECT_EQ(md5.ComputeStream(&middle, -1)->AsString(),
            md5.ComputeBytes(TByteArr(content.begin() + 40, content.end()))->AsString());
}

}  // namespace
