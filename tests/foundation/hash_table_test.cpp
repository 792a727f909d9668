#include <gtest/gtest.h>

#include <string>

#include "foundation/hash_table.h"

TEST(Murmur2, KnownValues) {
  struct Case {
    std::string text;
    uint32_t hash;
  } cases[] = {
      {"", 0x106E08D9u},
      {"abc", 0x1C94221Bu},
  };
  for (const auto& c : cases) EXPECT_EQ(Murmur2_32(c.text), c.hash) << c.text;
  // Every tail length (0..3 bytes after the blocks) changes the hash, and so
  // does a byte of the four-byte block.
  EXPECT_NE(Murmur2_32("abcd"), Murmur2_32("abce"));
  EXPECT_NE(Murmur2_32("abcde"), Murmur2_32("abcdf"));
  EXPECT_NE(Murmur2_32(std::string("a\0", 2)), Murmur2_32("a"));
}

TEST(StrIntHashTable, BucketPositions) {
  TStrIntHashTable table(117);
  EXPECT_EQ(table.BucketIndex("abc"), 12u);
  EXPECT_EQ(table.BucketIndex("abcd"), 22u);
  table.AddOrUpdate("abc", 1);
  table.AddOrUpdate("abcd", 2);
  ASSERT_EQ(table.Bucket(12).size(), 1u);
  EXPECT_EQ(table.Bucket(12)[0].first, "abc");
  ASSERT_EQ(table.Bucket(22).size(), 1u);
  EXPECT_EQ(table.Bucket(22)[0].second, 2);
}

TEST(StrIntHashTable, UpdateLookupAndClear) {
  TStrIntHashTable table(117);
  EXPECT_FALSE(table.ContainsItems());
  table.AddOrUpdate("txt", 1);
  table.AddOrUpdate("txt", 5);
  EXPECT_EQ(table.Count(), 1);
  EXPECT_EQ(table.GetValue("txt", 0), 5);
  EXPECT_EQ(table.GetValue("TXT", -1), -1);
  EXPECT_TRUE(table.ContainsKey("txt"));
  EXPECT_FALSE(table.ContainsKey("tx"));

  int32_t v = 42;
  EXPECT_FALSE(table.GetValueIfKeyExists("missing", v));
  EXPECT_EQ(v, 42);
  EXPECT_TRUE(table.GetValueIfKeyExists("txt", v));
  EXPECT_EQ(v, 5);

  table.Clear();
  EXPECT_EQ(table.Count(), 0);
  EXPECT_FALSE(table.ContainsItems());
  EXPECT_EQ(table.BucketCount(), 117u);
  table.AddOrUpdate("txt", 7);
  EXPECT_EQ(table.GetValue("txt", 0), 7);
  EXPECT_TRUE(table.ContainsItems());
}

TEST(StrIntHashTable, CollidingKeysKeepInsertionOrder) {
  // One bucket: every key collides, and each must still be found exactly.
  TStrIntHashTable table(1);
  for (int i = 0; i < 200; ++i) table.AddOrUpdate("key" + std::to_string(i), i);
  table.AddOrUpdate("key7", -7);
  EXPECT_EQ(table.Count(), 200);
  EXPECT_EQ(table.GetValue("key7", 0), -7);
  EXPECT_EQ(table.GetValue("key199", 0), 199);
  EXPECT_EQ(table.Bucket(0)[0].first, "key0");
  EXPECT_EQ(table.Bucket(0)[199].first, "key199");

  TStrIntHashTable zero(0);  // outside the contract, but must not divide by zero
  zero.AddOrUpdate("a", 1);
  EXPECT_EQ(zero.GetValue("a", 0), 1);
}

TEST(BloomFilter, BitPositionsAndCount) {
  TBloomFilter filter(4027);
  EXPECT_EQ(filter.Bits().size(), 504u);
  EXPECT_EQ(filter.CountItemsAdded(), 0);
  EXPECT_FALSE(filter.ContainsStringHash("abc"));
  filter.AddStringHash("abc");
  EXPECT_EQ(filter.BitIndex("abc"), 3406u);
  EXPECT_EQ(filter.Bits()[425], 1u << 6);
  EXPECT_TRUE(filter.ContainsStringHash("abc"));
  EXPECT_EQ(filter.CountItemsAdded(), 1);
  filter.AddStringHash("abc");
  EXPECT_EQ(filter.CountItemsAdded(), 2);
  int setBits = 0;
  for (uint8_t b : filter.Bits()) setBits += __builtin_popcount(b);
  EXPECT_EQ(setBits, 1);

  filter.Clear();
  EXPECT_EQ(filter.CountItemsAdded(), 0);
  EXPECT_FALSE(filter.ContainsStringHash("abc"));
}

TEST(BloomFilter, GrowsWithoutFalseNegatives) {
  TBloomFilter filter(4027);
  for (int i = 0; i < 1000; ++i) filter.AddStringHash("/home/user/file" + std::to_string(i));
  EXPECT_EQ(filter.CountItemsAdded(), 1000);
  for (int i = 0; i < 1000; ++i) EXPECT_TRUE(filter.ContainsStringHash("/home/user/file" + std::to_string(i)));

  TBloomFilter one(1);
  EXPECT_EQ(one.Bits().size(), 1u);
  EXPECT_FALSE(one.ContainsStringHash("x"));
  one.AddStringHash("anything");
  EXPECT_TRUE(one.ContainsStringHash("x"));
  EXPECT_TRUE(one.ContainsStringHash(""));
}
