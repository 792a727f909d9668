#include "foundation/string_arena.h"

#include <algorithm>
#include <cstring>

namespace {

// A reference: the length in the top 24 bits, then the block in 20 bits and
// the position in the block in 20 bits. The largest length marks a long text,
// whose index in the list of long texts stands in the lower 40 bits.
constexpr int kPosBits = 20;
constexpr int kChunkBits = 20;
constexpr int kLengthShift = kPosBits + kChunkBits;
constexpr uint64_t kPosMask = (uint64_t{1} << kPosBits) - 1;
constexpr uint64_t kChunkMask = (uint64_t{1} << kChunkBits) - 1;
constexpr uint64_t kLongMarker = (uint64_t{1} << 24) - 1;
constexpr size_t kMaxChunk = size_t{1} << kPosBits;  // 1 MiB
// Small stores stay small: blocks start at 4 KiB and double.
constexpr size_t kFirstChunk = 4096;

}  // namespace

TStringArena::TStringArena(const TStringArena& other) { *this = other; }

TStringArena& TStringArena::operator=(const TStringArena& other) {
  if (this == &other) return *this;
  FChunks.clear();
  FChunkSizes = other.FChunkSizes;
  for (size_t i = 0; i < other.FChunks.size(); ++i) {
    FChunks.push_back(std::make_unique<char[]>(FChunkSizes[i]));
    std::memcpy(FChunks.back().get(), other.FChunks[i].get(), FChunkSizes[i]);
  }
  FUsedInLast = other.FUsedInLast;
  FLong = other.FLong;
  FBytesAdded = other.FBytesAdded;
  FLastShared = other.FLastShared;
  return *this;
}

char* TStringArena::Reserve(size_t length, uint64_t& chunk, uint64_t& pos) {
  if (FChunks.empty() || FUsedInLast + length > FChunkSizes.back()) {
    size_t size = FChunkSizes.empty() ? kFirstChunk : std::min<size_t>(FChunkSizes.back() * 2, kMaxChunk);
    while (size < length) size *= 2;
    FChunks.push_back(std::make_unique<char[]>(size));
    FChunkSizes.push_back(static_cast<uint32_t>(size));
    FUsedInLast = 0;
  }
  chunk = FChunks.size() - 1;
  pos = FUsedInLast;
  FUsedInLast += length;
  return FChunks.back().get() + pos;
}

TArenaStr TStringArena::Add(std::string_view text) {
  if (text.empty()) return 0;
  FBytesAdded += text.size();
  // Blocks are numbered in 20 bits; a store that fills them all (1 TiB of
  // texts) keeps the rest as long texts.
  if (text.size() > kMaxChunk / 4 || text.size() >= kLongMarker || FChunks.size() > kChunkMask) {
    FLong.emplace_back(text);
    return (kLongMarker << kLengthShift) | (FLong.size() - 1);
  }
  uint64_t chunk = 0;
  uint64_t pos = 0;
  std::memcpy(Reserve(text.size(), chunk, pos), text.data(), text.size());
  return (static_cast<uint64_t>(text.size()) << kLengthShift) | (chunk << kPosBits) | pos;
}

TArenaStr TStringArena::AddShared(std::string_view text) {
  if (FLastShared != 0 && View(FLastShared) == text) return FLastShared;
  FLastShared = Add(text);
  return FLastShared;
}

TArenaStr TStringArena::AddParts(std::initializer_list<std::string_view> parts) {
  std::string packed;
  bool any = false;
  for (std::string_view part : parts) {
    any = any || !part.empty();
    // Lengths as base-128 numbers, seven bits a byte, the high bit for "more".
    size_t length = part.size();
    do {
      packed += static_cast<char>((length & 0x7F) | (length > 0x7F ? 0x80 : 0));
      length >>= 7;
    } while (length > 0);
  }
  if (!any) return 0;
  for (std::string_view part : parts) packed.append(part);
  return Add(packed);
}

std::string_view TStringArena::Part(TArenaStr ref, size_t count, size_t k) const {
  const std::string_view packed = View(ref);
  if (packed.empty() || k >= count) return {};
  size_t pos = 0;
  size_t offset = 0;
  size_t length = 0;
  for (size_t n = 0; n < count; ++n) {
    size_t value = 0;
    for (int shift = 0; pos < packed.size(); shift += 7) {
      const auto byte = static_cast<unsigned char>(packed[pos++]);
      value |= static_cast<size_t>(byte & 0x7F) << shift;
      if ((byte & 0x80) == 0) break;
    }
    if (n < k) offset += value;
    if (n == k) length = value;
  }
  if (pos + offset > packed.size()) return {};
  return packed.substr(pos + offset, length);
}

std::string_view TStringArena::View(TArenaStr ref) const {
  if (ref == 0) return {};
  const uint64_t length = ref >> kLengthShift;
  if (length == kLongMarker) return FLong[ref & ((uint64_t{1} << kLengthShift) - 1)];
  const uint64_t chunk = (ref >> kPosBits) & kChunkMask;
  return {FChunks[chunk].get() + (ref & kPosMask), static_cast<size_t>(length)};
}

void TStringArena::Clear() {
  FChunks.clear();
  FChunkSizes.clear();
  FUsedInLast = 0;
  FLong.clear();
  FBytesAdded = 0;
  FLastShared = 0;
}

size_t TStringArena::BytesReserved() const {
  size_t bytes = 0;
  for (uint32_t s : FChunkSizes) bytes += s;
  for (const std::string& s : FLong) bytes += s.capacity();
  return bytes;
}
