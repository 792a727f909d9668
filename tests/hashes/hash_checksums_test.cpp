// CRC engine, fast CRC-32 and Adler-32.
#include <gtest/gtest.h>

#include "hashes/hash_checksums.h"

namespace {

const std::string kCheck = "123456789";

TByteArr Bytes(const std::string& s) { return TByteArr(s.begin(), s.end()); }

TEST(CRC, CheckValuesOfTheThreeClasses) {
  THashCRC32_PKZIP pkzip;
  THashCRC32_PKZIP_REVERSED reversed;
  THashCRC32_BZIP2_REVERSED bzip2;
  EXPECT_EQ(pkzip.ComputeBytes(Bytes(kCheck))->GetBytes(), (TByteArr{0xCB, 0xF4, 0x39, 0x26}));
  EXPECT_EQ(reversed.ComputeBytes(Bytes(kCheck))->GetBytes(), (TByteArr{0x26, 0x39, 0xF4, 0xCB}));
  EXPECT_EQ(bzip2.ComputeBytes(Bytes(kCheck))->GetBytes(), (TByteArr{0x18, 0x19, 0x89, 0xFC}));
  for (THashBase* h : std::initializer_list<THashBase*>{&pkzip, &reversed, &bzip2})
    EXPECT_EQ(h->ComputeBytes({})->AsString(), "00000000") << h->GetName();
}

TEST(CRC, SlicedPathEqualsBytewisePath) {
  // Pieces of 15, 16 and 17 bytes and single bytes reach both the 16-byte
  // steps and the byte-wise tail; the generic engine set up the same way is
  // the reference.
  TByteArr data(1000);
  for (size_t k = 0; k < data.size(); ++k) data[k] = static_cast<uint8_t>(k * 37 + 11);
  THashCRC reference(32, 0x04C11DB7, 0xFFFFFFFF, true, true, 0xFFFFFFFF, 0xCBF43926, false);
  THashCRC32_PKZIP fast;
  const std::string expected = reference.ComputeBytes(data)->AsString();
  for (size_t piece : {1u, 15u, 16u, 17u, 1000u}) {
    fast.Initialize();
    for (size_t pos = 0; pos < data.size(); pos += piece)
      fast.TransformBytes(data, static_cast<int32_t>(pos), static_cast<int32_t>(std::min(piece, data.size() - pos)));
    EXPECT_EQ(fast.TransformFinal()->AsString(), expected) << piece;
  }
  // Long pieces take the carry-less multiplication where the processor has
  // it: every length around its block borders, at odd addresses too.
  for (size_t length : {127u, 128u, 129u, 143u, 144u, 191u, 192u, 255u, 256u, 257u, 990u})
    for (size_t offset : {0u, 1u, 3u}) {
      const TByteArr part(data.begin() + static_cast<std::ptrdiff_t>(offset),
                          data.begin() + static_cast<std::ptrdiff_t>(offset + length - offset % 2));
      fast.Initialize();
      fast.TransformBytes(data, 0, 5);
      fast.TransformBytes(part);
      TByteArr joined(data.begin(), data.begin() + 5);
      joined.insert(joined.end(), part.begin(), part.end());
      EXPECT_EQ(fast.TransformFinal()->AsString(), reference.ComputeBytes(joined)->AsString())
          << length << " " << offset;
    }
}

struct TCRCCase {
  const char* Name;
  int32_t Width;
  uint64_t Polynomial, Initial;
  bool Reflected;
  uint64_t OutputXor;
  TByteArr Expected;
};

TEST(CRC, GenericCatalogue) {
  const TCRCCase cases[] = {
      {"CRC-16/ARC", 16, 0x8005, 0, true, 0, {0xBB, 0x3D}},
      {"CRC-8/SMBUS", 8, 0x07, 0, false, 0, {0x00, 0xF4}},
      {"CRC-3/GSM", 3, 0x3, 0, false, 0x7, {0x04}},
      {"CRC-3/ROHC", 3, 0x3, 0x7, true, 0, {0x06}},
      {"CRC-5/USB", 5, 0x05, 0x1F, true, 0x1F, {0x19}},
      {"CRC-24/OPENPGP", 24, 0x864CFB, 0xB704CE, false, 0, {0x00, 0x21, 0xCF, 0x02}},
      {"CRC-32/BZIP2", 32, 0x04C11DB7, 0xFFFFFFFF, false, 0xFFFFFFFF, {0xFC, 0x89, 0x19, 0x18}},
      {"CRC-40/GSM", 40, 0x0004820009, 0, false, 0xFFFFFFFFFF, {0, 0, 0, 0xD4, 0x16, 0x4F, 0xC6, 0x46}},
      {"CRC-64/XZ",
       64,
       0x42F0E1EBA9EA3693,
       0xFFFFFFFFFFFFFFFF,
       true,
       0xFFFFFFFFFFFFFFFF,
       {0x99, 0x5D, 0xC9, 0xBB, 0xDF, 0x19, 0x39, 0xFA}},
  };
  for (const auto& c : cases) {
    THashCRC crc(c.Width, c.Polynomial, c.Initial, c.Reflected, c.Reflected, c.OutputXor, 0, false);
    EXPECT_EQ(crc.ComputeBytes(Bytes(kCheck))->GetBytes(), c.Expected) << c.Name;
    // A second message through the same object.
    EXPECT_EQ(crc.ComputeBytes(Bytes(kCheck))->GetBytes(), c.Expected) << c.Name;
    THashCRC reversed(c.Width, c.Polynomial, c.Initial, c.Reflected, c.Reflected, c.OutputXor, 0, true);
    TByteArr expectedReversed(c.Expected.rbegin(), c.Expected.rend());
    EXPECT_EQ(reversed.ComputeBytes(Bytes(kCheck))->GetBytes(), expectedReversed) << c.Name;
  }
}

TEST(CRC, Widths33To39KeepEveryBit) {
  // CRC-37 with an arbitrary polynomial: the result needs 5 bytes, so it
  // takes 8, and the bytes agree with a bit-by-bit reference computed here.
  const int width = 37;
  const uint64_t poly = 0x1234567891ull & ((uint64_t{1} << width) - 1);
  THashCRC crc(width, poly, 0, false, false, 0, 0, false);
  uint64_t reg = 0;
  for (unsigned char c : kCheck)
    for (int bit = 7; bit >= 0; --bit) {
      const bool top = ((reg >> (width - 1)) & 1) ^ ((c >> bit) & 1);
      reg = (reg << 1) & ((uint64_t{1} << width) - 1);
      if (top) reg ^= poly;
    }
  EXPECT_EQ(crc.ComputeBytes(Bytes(kCheck))->GetUInt64(), reg);
  EXPECT_EQ(crc.GetHashSize(), 8);
}

TEST(CRC, WidthOutsideRangeIsRefused) {
  EXPECT_THROW(THashCRC(2, 1, 0, false, false, 0, 0, false), std::invalid_argument);
  EXPECT_THROW(THashCRC(65, 1, 0, false, false, 0, 0, false), std::invalid_argument);
}

TEST(CRC, Reflect) {
  EXPECT_EQ(THashCRC::Reflect(0x1, 8), 0x80u);
  EXPECT_EQ(THashCRC::Reflect(0x1F01, 8), 0x80u);
  EXPECT_EQ(THashCRC::Reflect(0x1, 64), 0x8000000000000000u);
}

TEST(Adler32, BatchBorders) {
  THashAdler32 adler;
  EXPECT_EQ(adler.ComputeBytes({})->AsString(), "00000001");
  EXPECT_EQ(adler.ComputeBytes(Bytes("abc"))->AsString(), "024D0127");
  EXPECT_EQ(adler.ComputeBytes(Bytes(kCheck))->AsString(), "091E01DE");
  EXPECT_EQ(adler.ComputeBytes(TByteArr(3800, 0xFF))->AsString(), "D722C9FB");
  EXPECT_EQ(adler.ComputeBytes(TByteArr(3801, 0xFF))->AsString(), "A22BCAFA");
  EXPECT_EQ(adler.ComputeBytes(TByteArr(1000000, 0xFF))->AsString(), "3843E1BE");
  // Pieces that split a batch anywhere.
  const TByteArr data(10000, 0xFF);
  const std::string whole = adler.ComputeBytes(data)->AsString();
  for (int32_t first : {1, 3799, 3800, 3801, 7599}) {
    adler.Initialize();
    adler.TransformBytes(data, 0, first);
    adler.TransformBytes(data, first, 10000 - first);
    EXPECT_EQ(adler.TransformFinal()->AsString(), whole) << first;
  }
}

}  // namespace
