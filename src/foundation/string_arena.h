// Many short texts packed one after another into a few large blocks, for
// stores that keep millions of them: a std::string costs 32 bytes before its
// first character and a heap block of its own once it is longer than 15
// bytes, a packed text costs its bytes and an 8-byte reference.
//
// A reference stays valid until Clear or a compaction; the view it gives
// stays valid as long as the reference. Texts are never freed one by one: a
// replaced or dropped text stays in its block until the owner compacts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// A packed text: 0 is the empty text.
using TArenaStr = uint64_t;

class TStringArena {
 public:
  TStringArena() = default;
  TStringArena(const TStringArena& other);
  TStringArena& operator=(const TStringArena& other);
  TStringArena(TStringArena&&) noexcept = default;
  TStringArena& operator=(TStringArena&&) noexcept = default;

  TArenaStr Add(std::string_view text);
  // Like Add, but hands out the reference of the last text added this way
  // when the texts are equal, so that a path stored for an entry and then for
  // its records is kept once.
  TArenaStr AddShared(std::string_view text);
  std::string_view View(TArenaStr ref) const;
  // Several texts under one reference: their lengths first, then their bytes
  // (0 when all are empty). Part reads text k of the count stored.
  TArenaStr AddParts(std::initializer_list<std::string_view> parts);
  std::string_view Part(TArenaStr ref, size_t count, size_t k) const;
  std::string Str(TArenaStr ref) const { return std::string(View(ref)); }

  void Clear();
  // Bytes of all texts added since the last Clear or compaction.
  size_t BytesAdded() const { return FBytesAdded; }
  // The heap the arena holds.
  size_t BytesReserved() const;

  // Moves every live text into fresh blocks and drops the rest.
  // forEachRef(fn) must call fn(TArenaStr&) once for every reference the
  // owner holds; each is rewritten. With shared set, references that were
  // equal stay equal (and share their bytes).
  template <typename ForEachRef>
  void Compact(ForEachRef&& forEachRef, bool shared) {
    TStringArena fresh;
    std::unordered_map<TArenaStr, TArenaStr> moved;
    forEachRef([&](TArenaStr& ref) {
      if (ref == 0) return;
      if (shared) {
        const auto it = moved.find(ref);
        if (it != moved.end()) {
          ref = it->second;
          return;
        }
      }
      const TArenaStr fresher = fresh.Add(View(ref));
      if (shared) moved.emplace(ref, fresher);
      ref = fresher;
    });
    *this = std::move(fresh);
  }

 private:
  char* Reserve(size_t length, uint64_t& chunk, uint64_t& pos);

  std::vector<std::unique_ptr<char[]>> FChunks;
  std::vector<uint32_t> FChunkSizes;
  size_t FUsedInLast = 0;
  // Texts too long for a block.
  std::vector<std::string> FLong;
  size_t FBytesAdded = 0;
  TArenaStr FLastShared = 0;
};
