#include "foundation/hash_table.h"

#include <algorithm>

uint32_t Murmur2_32(std::string_view text) {
  constexpr uint32_t kSeed = 0x9747B28C;
  constexpr uint32_t m = 0x5BD1E995;
  constexpr int r = 24;
  auto len = static_cast<uint32_t>(text.size());
  uint32_t h = kSeed ^ len;
  const auto* data = reinterpret_cast<const unsigned char*>(text.data());
  size_t rest = text.size();
  while (rest >= 4) {
    uint32_t k = static_cast<uint32_t>(data[0]) | (static_cast<uint32_t>(data[1]) << 8) |
                 (static_cast<uint32_t>(data[2]) << 16) | (static_cast<uint32_t>(data[3]) << 24);
    k *= m;
    k ^= k >> r;
    k *= m;
    h *= m;
    h ^= k;
    data += 4;
    rest -= 4;
  }
  switch (rest) {
    case 3: h ^= static_cast<uint32_t>(data[2]) << 16; [[fallthrough]];
    case 2: h ^= static_cast<uint32_t>(data[1]) << 8; [[fallthrough]];
    case 1: h ^= data[0]; h *= m;
  }
  h ^= h >> 13;
  h *= m;
  h ^= h >> 15;
  return h;
}

TStrIntHashTable::TStrIntHashTable(uint32_t bucketCount) : FBuckets(std::max<uint32_t>(bucketCount, 1)) {}

const std::pair<std::string, int32_t>* TStrIntHashTable::Find(std::string_view key) const {
  for (const auto& entry : FBuckets[BucketIndex(key)])
    if (entry.first == key) return &entry;
  return nullptr;
}

void TStrIntHashTable::AddOrUpdate(std::string_view key, int32_t value) {
  auto& bucket = FBuckets[BucketIndex(key)];
  for (auto& entry : bucket) {
    if (entry.first == key) {
      entry.second = value;
      return;
    }
  }
  bucket.emplace_back(std::string(key), value);
}

int32_t TStrIntHashTable::GetValue(std::string_view key, int32_t defaultValue) const {
  const auto* entry = Find(key);
  return entry ? entry->second : defaultValue;
}

bool TStrIntHashTable::GetValueIfKeyExists(std::string_view key, int32_t& value) const {
  const auto* entry = Find(key);
  if (!entry) return false;
  value = entry->second;
  return true;
}

bool TStrIntHashTable::ContainsKey(std::string_view key) const { return Find(key) != nullptr; }

int32_t TStrIntHashTable::GetItemCount() const {
  size_t n = 0;
  for (const auto& bucket : FBuckets) n += bucket.size();
  return static_cast<int32_t>(n);
}

bool TStrIntHashTable::GetContainsItems() const {
  return std::any_of(FBuckets.begin(), FBuckets.end(), [](const auto& b) { return !b.empty(); });
}

void TStrIntHashTable::Clear() {
  for (auto& bucket : FBuckets) bucket.clear();
}

TBloomFilter::TBloomFilter(uint32_t filterSize)
    : FFilterSize(std::max<uint32_t>(filterSize, 1)), FBits((static_cast<size_t>(FFilterSize) + 7) / 8, 0) {}

void TBloomFilter::AddStringHash(std::string_view text) {
  uint32_t bit = BitIndex(text);
  FBits[bit / 8] |= static_cast<uint8_t>(1u << (bit % 8));
  FCountItemsAdded = static_cast<int32_t>(static_cast<uint32_t>(FCountItemsAdded) + 1u);
}

bool TBloomFilter::ContainsStringHash(std::string_view text) const {
  uint32_t bit = BitIndex(text);
  return (FBits[bit / 8] >> (bit % 8)) & 1u;
}

void TBloomFilter::Clear() {
  std::fill(FBits.begin(), FBits.end(), 0);
  FCountItemsAdded = 0;
}
