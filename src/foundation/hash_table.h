// Two fast membership structures over strings, both keyed by MurmurHash2:
// a string-to-integer map with a fixed number of buckets, and a one-hash
// Bloom filter.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// MurmurHash2, 32-bit form (blocks read little-endian), over the bytes of the
// text, seeded with 9747B28C xor the byte length.
uint32_t Murmur2_32(std::string_view text);

class TStrIntHashTable {
 public:
  // A count of 0 is taken as 1, so that no lookup ever divides by zero.
  explicit TStrIntHashTable(uint32_t bucketCount);

  void AddOrUpdate(std::string_view key, int32_t value);
  int32_t GetValue(std::string_view key, int32_t defaultValue) const;
  // Leaves value untouched when the key is missing.
  bool GetValueIfKeyExists(std::string_view key, int32_t& value) const;
  bool ContainsKey(std::string_view key) const;
  int32_t GetItemCount() const;
  int32_t Count() const { return GetItemCount(); }
  bool GetContainsItems() const;
  bool ContainsItems() const { return GetContainsItems(); }
  void Clear();

  uint32_t BucketCount() const { return static_cast<uint32_t>(FBuckets.size()); }
  uint32_t BucketIndex(std::string_view key) const { return Murmur2_32(key) % BucketCount(); }
  // Entries of one bucket in insertion order.
  const std::vector<std::pair<std::string, int32_t>>& Bucket(uint32_t index) const { return FBuckets[index]; }

 private:
  const std::pair<std::string, int32_t>* Find(std::string_view key) const;
  std::vector<std::vector<std::pair<std::string, int32_t>>> FBuckets;
};

class TBloomFilter {
 public:
  // A size of 0 is taken as 1.
  explicit TBloomFilter(uint32_t filterSize);

  void AddStringHash(std::string_view text);
  // False: certainly never added since the last Clear; true: maybe.
  bool ContainsStringHash(std::string_view text) const;
  void Clear();

  uint32_t FilterSize() const { return FFilterSize; }
  int32_t CountItemsAdded() const { return FCountItemsAdded; }
  // Bit n is bit n mod 8 (least significant first) of byte n div 8.
  const std::vector<uint8_t>& Bits() const { return FBits; }
  uint32_t BitIndex(std::string_view text) const { return Murmur2_32(text) % FFilterSize; }

 private:
  uint32_t FFilterSize;
  int32_t FCountItemsAdded = 0;
  std::vector<uint8_t> FBits;
};
