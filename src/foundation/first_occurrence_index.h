// Hash index from a text to the first position of a list that holds it, kept
// beside lists whose items live in a public vector.
//
// The index stores positions, never copies of the texts: a lookup compares
// with the text the list holds now, so an entry made stale by a direct change
// of the list can cause a miss but never a wrong hit. Positions appended at the
// end of the list since the last lookup are indexed on the next lookup; a
// list that got shorter is indexed afresh. Every other change of the list must
// be announced with Invalidate().
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "foundation/short_text_hash.h"

class TFirstOccurrenceIndex {
 public:
  void Invalidate() { FValid = false; }

  // Position of the first of the count items whose text (keyAt(i)) equals
  // key, -1 when none.
  template <typename KeyAt>
  int32_t Find(std::string_view key, size_t count, const KeyAt& keyAt) {
    Sync(count, keyAt);
    if (FSlots.empty()) return -1;
    const uint32_t h = Hash(key);
    for (size_t i = h & FMask;; i = (i + 1) & FMask) {
      const Slot& s = FSlots[i];
      if (s.pos < 0) return -1;
      if (s.hash == h && Equal(keyAt(static_cast<size_t>(s.pos)), key)) return s.pos;
    }
  }

  // Brings the index up to the list's count items.
  template <typename KeyAt>
  void Sync(size_t count, const KeyAt& keyAt) {
    if (!FValid || count < FIndexed) {
      FSlots.clear();
      FUsed = 0;
      FIndexed = 0;
      FValid = true;
    }
    if (count == FIndexed) return;
    Reserve(count);
    for (size_t p = FIndexed; p < count; ++p) {
      const std::string_view key = keyAt(p);
      const uint32_t h = Hash(key);
      size_t i = h & FMask;
      bool present = false;
      for (;; i = (i + 1) & FMask) {
        const Slot& s = FSlots[i];
        if (s.pos < 0) break;
        if (s.hash == h && Equal(keyAt(static_cast<size_t>(s.pos)), key)) {
          present = true;
          break;
        }
      }
      if (!present) {
        FSlots[i] = Slot{h, static_cast<int32_t>(p)};
        ++FUsed;
      }
    }
    FIndexed = count;
  }

 private:
  struct Slot {
    uint32_t hash = 0;
    int32_t pos = -1;
  };

  static bool Equal(std::string_view a, std::string_view b) {
    const size_t n = a.size();
    if (n != b.size()) return false;
    if (n > 16) return std::memcmp(a.data(), b.data(), n) == 0;
    // The first and the last (up to) eight bytes cover a short text.
    const size_t head = n < 8 ? n : 8;
    return LoadUpTo8(a.data(), head) == LoadUpTo8(b.data(), head) &&
           (n <= 8 || LoadUpTo8(a.data() + n - 8, 8) == LoadUpTo8(b.data() + n - 8, 8));
  }

  // Short texts, which most keys are, take one or two loads and one mix.
  static uint32_t Hash(std::string_view key) {
    const char* p = key.data();
    size_t n = key.size();
    uint64_t h = n * 0x9E3779B97F4A7C15ULL;
    while (n > 16) {
      h = MixHash(h ^ LoadUpTo8(p, 8)) + LoadUpTo8(p + 8, 8);
      p += 16;
      n -= 16;
    }
    const uint64_t a = LoadUpTo8(p, n < 8 ? n : 8);
    const uint64_t b = n > 8 ? LoadUpTo8(p + n - 8, 8) : 0;
    h = MixHash(h ^ a ^ MixHash(b + 0x9E3779B97F4A7C15ULL));
    return static_cast<uint32_t>(h);
  }

  // Room for count distinct texts at a load of at most one half.
  void Reserve(size_t count) {
    size_t want = 16;
    while (want < count * 2) want *= 2;
    if (want <= FSlots.size()) return;
    std::vector<Slot> old;
    old.swap(FSlots);
    FSlots.assign(want, Slot{});
    FMask = want - 1;
    for (const Slot& s : old) {
      if (s.pos < 0) continue;
      size_t i = s.hash & FMask;
      while (FSlots[i].pos >= 0) i = (i + 1) & FMask;
      FSlots[i] = s;
    }
  }

  std::vector<Slot> FSlots;
  size_t FMask = 0;
  size_t FUsed = 0;
  size_t FIndexed = 0;
  bool FValid = true;
};
