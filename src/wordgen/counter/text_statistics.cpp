#include "wordgen/counter/text_statistics.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstring>
#include <optional>
#include <unordered_map>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "foundation/letter_case.h"
#include "foundation/short_text_hash.h"
#include "foundation/str_transform.h"
#include "foundation/utf8.h"

namespace {

// The part of the text that is read: up to the first NUL, and valid UTF-8 so
// that every character is the string of its own bytes.
std::string_view ReadableText(std::string_view text, std::string& storage) {
  if (size_t nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
  if (UTF8IsValid(text)) return text;
  storage = UTF8Repair(text);
  return storage;
}

inline char32_t NextChar(std::string_view t, size_t& pos) {
  auto b = static_cast<unsigned char>(t[pos]);
  if (b < 0x80) {
    ++pos;
    return b;
  }
  return UTF8DecodeAt(t, pos);
}

// Decides for each character whether the excluded and only-counted lists
// reject it. The answer for a character depends only on its code point (the
// text is valid UTF-8), so each one is looked up in the lists once.
class TCharFilter {
 public:
  TCharFilter(std::string_view excluded, std::string_view onlyCounted)
      : FExcluded(excluded), FOnlyCounted(onlyCounted) {
    for (size_t b = 1; b < FAscii.size(); ++b) {
      const char ch = static_cast<char>(b);
      FAscii[b] = Decide(std::string_view(&ch, 1));
    }
  }

  bool Rejects(std::string_view ch, char32_t cp) {
    if (cp < 0x80) return FAscii[cp];
    auto it = FCache.find(cp);
    if (it != FCache.end()) return it->second;
    bool r = Decide(ch);
    FCache.emplace(cp, r);
    return r;
  }

 private:
  bool Decide(std::string_view ch) const {
    if (!FExcluded.empty() && FExcluded.find(ch) != std::string_view::npos) return true;
    return !FOnlyCounted.empty() && FOnlyCounted.find(ch) == std::string_view::npos;
  }

  std::string_view FExcluded;
  std::string_view FOnlyCounted;
  std::array<bool, 128> FAscii{};
  std::unordered_map<char32_t, bool> FCache;
};

// Every character of code 32 or below breaks a run of characters, except the
// blank while blanks are counted.
inline bool BreaksAsBlank(char32_t cp, bool countBlanks) { return cp <= 32 && !(cp == 32 && countBlanks); }

constexpr size_t kMaxWindow = 6;

inline uint64_t HashItem(uint64_t head, std::string_view item) {
  uint64_t h = MixHash(head ^ (item.size() * 0x9E3779B97F4A7C15ULL));
  for (size_t k = 8; k < item.size(); k += 8)
    h = MixHash(h ^ LoadUpTo8(item.data() + k, std::min<size_t>(8, item.size() - k)));
  return h;
}

// The counts of one counting run, kept beside its table: the table only
// grows at its end while the run counts, so an item's position never
// changes, and the texts are looked up in an index of this run's own that
// holds the first eight bytes of each text (shorter texts need no other
// memory to be compared) and, for one byte, a plain array. The counts are
// added to the table's pairs at the end, in 32-bit arithmetic as Inc adds.
class TTally {
 public:
  // Pairs the table holds already (a pre-fill) are looked up in the table's
  // own index the first time their text turns up.
  explicit TTally(TIntStrArrayObj& table) : FTable(table), FPrefilled(!table.Items.empty()) { FByte.fill(-1); }

  void Inc(std::string_view item) { ++FCounts[Lookup(item, LoadUpTo8(item.data(), std::min<size_t>(8, item.size())))]; }
  // The same for an item with at least eight readable bytes from its start:
  // its first bytes are loaded at once, without a branch on its length.
  void IncReadable8(std::string_view item) {
    if constexpr (std::endian::native != std::endian::little) return Inc(item);
    uint64_t head;
    std::memcpy(&head, item.data(), 8);
    if (item.size() < 8) head &= (uint64_t{1} << (8 * item.size())) - 1;
    ++FCounts[Lookup(item, head)];
  }

  void Finish() {
    const TIntStrArray& items = FTable.Items;
    for (size_t id = 0; id < FCounts.size(); ++id) {
      if (FCounts[id] == 0) continue;
      const size_t pos = FPositions[id];
      const uint32_t sum = static_cast<uint32_t>(items[pos].Int) + FCounts[id];
      FTable.Items[pos].Int = static_cast<int32_t>(sum);
    }
  }

 private:
  struct Slot {
    uint64_t head = 0;
    uint32_t len = 0;
    int32_t id = -1;  // the text's number in this run
  };

  // The number of item in this run; a new one is added to the table.
  // head: the first eight bytes as LoadUpTo8 gives them.
  size_t Lookup(std::string_view item, uint64_t head) {
    if (item.size() == 1) {
      int32_t& b = FByte[static_cast<unsigned char>(item[0])];
      if (b < 0) b = NewId(item);
      return static_cast<size_t>(b);
    }
    if (FUsed * 2 >= FSlots.size()) Grow();
    for (size_t i = HashItem(head, item) & FMask;; i = (i + 1) & FMask) {
      Slot& s = FSlots[i];
      if (s.id < 0) {
        s = Slot{head, static_cast<uint32_t>(item.size()), NewId(item)};
        ++FUsed;
        return static_cast<size_t>(s.id);
      }
      if (s.head == head && s.len == item.size() &&
          (item.size() <= 8 ||
           std::memcmp(FLong.data() + FLongAt[static_cast<size_t>(s.id)] + 8, item.data() + 8, item.size() - 8) == 0))
        return static_cast<size_t>(s.id);
    }
  }

  int32_t NewId(std::string_view item) {
    int32_t pos = FPrefilled ? FTable.Contains(item) : -1;
    if (pos < 0) {
      pos = static_cast<int32_t>(FTable.Items.size());
      FTable.Items.push_back(TIntStr{0, std::string(item)});
    }
    FPositions.push_back(static_cast<size_t>(pos));
    FCounts.push_back(0);
    FLongAt.push_back(FLong.size());
    if (item.size() > 8) FLong.append(item);
    return static_cast<int32_t>(FCounts.size() - 1);
  }

  void Grow() {
    std::vector<Slot> old;
    old.swap(FSlots);
    const size_t size = old.empty() ? 1024 : old.size() * 2;
    FSlots.assign(size, Slot{});
    FMask = size - 1;
    for (const Slot& s : old) {
      if (s.id < 0) continue;
      const uint64_t h =
          s.len <= 8 ? MixHash(s.head ^ (s.len * 0x9E3779B97F4A7C15ULL))
                     : HashItem(s.head, std::string_view(FLong).substr(FLongAt[static_cast<size_t>(s.id)], s.len));
      size_t i = h & FMask;
      while (FSlots[i].id >= 0) i = (i + 1) & FMask;
      FSlots[i] = s;
    }
  }

  TIntStrArrayObj& FTable;
  bool FPrefilled;
  std::array<int32_t, 256> FByte{};
  std::vector<Slot> FSlots;
  size_t FMask = 0;
  size_t FUsed = 0;
  // Per number: the pair's position, the count of this run, where FLong
  // holds the text (when longer than eight bytes).
  std::vector<size_t> FPositions;
  std::vector<uint32_t> FCounts;
  std::vector<size_t> FLongAt;
  std::string FLong;
};

// The 39 characters that CountSyllables turns into blanks.
bool IsSyllableBlankedOut(char32_t cp) {
  static const auto ascii = [] {
    std::array<bool, 128> a{};
    for (char c : std::string_view(".,;:-_#*+~'`!\"$%&/()=?\\}][{^><|\r\n\t")) a[static_cast<unsigned char>(c)] = true;
    return a;
  }();
  if (cp < 0x80) return ascii[cp];
  return cp == 0xB4 || cp == 0xA7 || cp == 0xB3 || cp == 0xB2 || cp == 0xB0;
}

bool IsSyllableVowel(char32_t cp) {
  switch (cp) {
    case U'A':
    case U'E':
    case U'I':
    case U'O':
    case U'U':
    case 0xC4:
    case 0xDC:
    case 0xD6:
    case 0x401:
    case 0x418:
    case 0x423:
    case 0x42B:
    case 0x42D:
    case 0x42E:
    case 0x42F:
    case 0x3A9:
    case 0x10D0:
    case 0x10D4:
    case 0x10D8:
    case 0x10DD:
    case 0x10E3: return true;
    default: return false;
  }
}

// TH, CH, PH, CK, PF, BR, PL, TR, ST, GR, SP (SCH is found from CH).
bool IsSyllableCluster(char32_t a, char32_t b) {
  switch (a) {
    case U'T': return b == U'H' || b == U'R';
    case U'C': return b == U'H' || b == U'K';
    case U'P': return b == U'H' || b == U'F' || b == U'L';
    case U'B': return b == U'R';
    case U'S': return b == U'T' || b == U'P';
    case U'G': return b == U'R';
    default: return false;
  }
}

// The characters of a text by index, decoded as the syllable scan asks for
// them; the scan looks at most one character back and two ahead.
class TCharCursor {
 public:
  explicit TCharCursor(std::string_view t) : FT(t) {}

  bool Has(size_t i) {
    while (FDecoded <= i) {
      if (FNext >= FT.size()) return false;
      Entry& e = FRing[FDecoded % FRing.size()];
      e.offset = FNext;
      e.cp = NextChar(FT, FNext);
      ++FDecoded;
    }
    return true;
  }
  // Both require Has(i) and i no more than a few characters behind the scan.
  char32_t At(size_t i) const { return FRing[i % FRing.size()].cp; }
  size_t Offset(size_t i) const { return FRing[i % FRing.size()].offset; }

 private:
  struct Entry {
    char32_t cp = 0;
    size_t offset = 0;
  };
  std::string_view FT;
  size_t FNext = 0;
  size_t FDecoded = 0;
  std::array<Entry, 8> FRing{};
};

}  // namespace

struct TPieceCounter::TState {
  TState(TKind kind, int32_t n, std::string_view excluded, std::string_view onlyCounted, bool countBlanks)
      : Kind(kind),
        N(n),
        Excluded(excluded),
        OnlyCounted(onlyCounted),
        Filter(excluded, onlyCounted),
        CountBlanks(countBlanks) {}

  TKind Kind;
  int32_t N;
  std::string_view Excluded;
  std::string_view OnlyCounted;
  TCharFilter Filter;
  bool CountBlanks;
  bool Stopped = false;  // a NUL was read
  TIntStrArrayObj Table;
  std::optional<TTally> Tally;
  std::string Storage;  // a piece repaired
  std::string Item;     // a group with its position
  // Per ASCII byte, what the run loops need: words 0 (no letter), 1 (a
  // letter) or 2 (a rejected letter); groups 1 (breaks a run) or 0.
  std::array<uint8_t, 128> Ascii{};
  bool AsciiReady = false;
  // Words: the ASCII letters are A to Z and a to z, none of them rejected,
  // so that runs of ASCII text may be classified 64 bytes at a time.
  bool PlainAsciiWords = false;

  void PrepareAscii() {
    AsciiReady = true;
    for (char32_t b = 1; b < 128; ++b) {
      const char ch = static_cast<char>(b);
      const std::string_view bytes(&ch, 1);
      if (Kind == TKind::Words)
        Ascii[b] = IsLetterCodePoint(b) ? (Filter.Rejects(bytes, b) ? 2 : 1) : 0;
      else
        Ascii[b] = BreaksAsBlank(b, CountBlanks) || Filter.Rejects(bytes, b) ? 1 : 0;
    }
    PlainAsciiWords = Kind == TKind::Words;
    for (unsigned b = 1; b < 128; ++b)
      if (Ascii[b] != (((b | 0x20u) - 'a') < 26u ? 1 : 0)) PlainAsciiWords = false;
  }

#if defined(__SSE2__)
  // Bit i: whether byte i of the 64 at p is an ASCII letter; high: whether
  // it is beyond ASCII.
  static uint64_t AsciiLetters64(const char* p, uint64_t& high) {
    uint64_t letters = 0;
    high = 0;
    for (int k = 0; k < 4; ++k) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
      high |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(v))) << (16 * k);
      const __m128i offset = _mm_sub_epi8(_mm_or_si128(v, _mm_set1_epi8(0x20)), _mm_set1_epi8('a'));
      const __m128i letter = _mm_cmpeq_epi8(_mm_min_epu8(offset, _mm_set1_epi8(25)), offset);
      letters |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(letter))) << (16 * k);
    }
    return letters;
  }
#endif

  void CountWords(std::string_view t) {
    bool inWord = false;
    bool valid = true;
    size_t wordStart = 0;
    size_t pos = 0;
    // Where the byte-by-byte loop may try 64 bytes at once again.
    size_t slowUntil = 0;
    while (pos < t.size()) {
#if defined(__SSE2__)
      if (PlainAsciiWords && pos >= slowUntil && t.size() - pos >= 64) {
        uint64_t high;
        const uint64_t letters = AsciiLetters64(t.data() + pos, high);
        if (high == 0) {
          // Words start where a letter follows a non-letter and end where a
          // non-letter follows a letter; they alternate.
          const uint64_t before = (letters << 1) | (inWord ? 1 : 0);
          uint64_t starts = letters & ~before;
          uint64_t events = starts | (~letters & before);
          while (events != 0) {
            const auto i = static_cast<size_t>(std::countr_zero(events));
            if ((starts >> i) & 1) {
              wordStart = pos + i;
              valid = true;
            } else if (valid) {
              const std::string_view word = t.substr(wordStart, pos + i - wordStart);
              if (t.size() - wordStart >= 8)
                Tally->IncReadable8(word);
              else
                Tally->Inc(word);
            }
            events &= events - 1;
          }
          inWord = (letters >> 63) != 0;
          pos += 64;
          continue;
        }
        slowUntil = pos + 64;
      }
#endif
      const auto b = static_cast<unsigned char>(t[pos]);
      if (b < 0x80) {
        const uint8_t kind = Ascii[b];
        if (kind != 0) {
          if (!inWord) {
            inWord = true;
            valid = true;
            wordStart = pos;
          }
          if (kind == 2) valid = false;
        } else if (inWord) {
          if (valid) Tally->Inc(t.substr(wordStart, pos - wordStart));
          inWord = false;
        }
        ++pos;
        continue;
      }
      const size_t start = pos;
      const char32_t cp = UTF8DecodeAt(t, pos);
      if (IsLetterCodePoint(cp)) {
        if (!inWord) {
          inWord = true;
          valid = true;
          wordStart = start;
        }
        if (valid && Filter.Rejects(t.substr(start, pos - start), cp)) valid = false;
      } else if (inWord) {
        if (valid) Tally->Inc(t.substr(wordStart, start - wordStart));
        inWord = false;
      }
    }
    if (inWord && valid) Tally->Inc(t.substr(wordStart));
  }

  // The sliding window: hands each group with the 1-based position of its
  // first character inside the current run.
  template <typename OnGroup>
  void ForEachGroup(std::string_view t, OnGroup&& onGroup) {
    const auto len = static_cast<size_t>(N);
    std::array<size_t, kMaxWindow> starts{};  // byte offsets of the last characters of the run
    size_t run = 0;                           // characters since the last break
    size_t pos = 0;
    while (pos < t.size()) {
      const size_t start = pos;
      const auto b = static_cast<unsigned char>(t[pos]);
      if (b < 0x80) {
        ++pos;
        if (Ascii[b] != 0) {
          run = 0;
          continue;
        }
      } else {
        const char32_t cp = UTF8DecodeAt(t, pos);
        if (BreaksAsBlank(cp, CountBlanks) || Filter.Rejects(t.substr(start, pos - start), cp)) {
          run = 0;
          continue;
        }
      }
      starts[run % kMaxWindow] = start;
      ++run;
      if (run >= len) {
        const size_t groupStart = starts[(run - len) % kMaxWindow];
        onGroup(t.substr(groupStart, pos - groupStart), run - len + 1);
      }
    }
  }

  void Feed(std::string_view piece) {
    if (Stopped) return;
    if (Kind != TKind::Words && (N < 1 || N > static_cast<int32_t>(kMaxWindow))) return;
    if (const size_t nul = piece.find('\0'); nul != std::string_view::npos) {
      piece = piece.substr(0, nul);
      Stopped = true;
    }
    if (!UTF8IsValid(piece)) {
      Storage = UTF8Repair(piece);
      piece = Storage;
    }
    if (!AsciiReady) PrepareAscii();
    if (!Tally) Tally.emplace(Table);
    switch (Kind) {
      case TKind::Words: CountWords(piece); break;
      case TKind::Groups: ForEachGroup(piece, [&](std::string_view group, size_t) { Tally->Inc(group); }); break;
      case TKind::GroupPositions:
        ForEachGroup(piece, [&](std::string_view group, size_t position) {
          Item.assign(group);
          Item.push_back('_');
          char digits[24];
          auto res = std::to_chars(digits, digits + sizeof digits, position);
          Item.append(digits, res.ptr);
          Tally->Inc(Item);
        });
        break;
    }
  }
};

TPieceCounter::TPieceCounter(TKind kind, int32_t n, std::string_view excluded, std::string_view onlyCounted,
                             bool countBlanks)
    : FState(std::make_unique<TState>(kind, n, excluded, onlyCounted, countBlanks)) {}

TPieceCounter::~TPieceCounter() = default;

void TPieceCounter::PreFill() {
  if (FState->OnlyCounted.empty()) return;
  // The pre-filled items come from the list; read it as the text is read
  // so that they are valid characters.
  std::string storage;
  TStrArrayObj chars;
  chars.AddStringAsCharArray(ReadableText(FState->OnlyCounted, storage));
  const size_t count = PossibleCombinationCount(chars.Items.size(), FState->N);
  if (count <= kMaxPossibleCombinations) FState->Table.Items.reserve(count);
  ForEachPossibleCombination(chars.Items, FState->N, [&](std::string_view s) { FState->Table.Add(0, s); });
}

void TPieceCounter::Feed(std::string_view piece) { FState->Feed(piece); }

TIntStrArrayObj TPieceCounter::Finish() {
  if (FState->Tally) FState->Tally->Finish();
  FState->Tally.reset();
  return std::move(FState->Table);
}

size_t CountPieceEnd(std::string_view text, size_t want) {
  if (want >= text.size()) return text.size();
  auto isBreak = [](char c) { return c >= 1 && c <= 31; };
  for (size_t i = want; i > 0; --i)
    if (isBreak(text[i - 1])) return i;
  for (size_t i = want; i < text.size(); ++i)
    if (isBreak(text[i])) return i + 1;
  return text.size();
}

namespace {

TIntStrArrayObj CountWhole(TPieceCounter::TKind kind, std::string_view text, int32_t n, std::string_view excluded,
                           std::string_view onlyCounted, bool countBlanks, bool preFill) {
  TPieceCounter counter(kind, n, excluded, onlyCounted, countBlanks);
  if (preFill) counter.PreFill();
  counter.Feed(text);
  return counter.Finish();
}

}  // namespace

TIntStrArrayObj CountWords(std::string_view text, std::string_view excluded, std::string_view onlyCounted) {
  return CountWhole(TPieceCounter::TKind::Words, text, 0, excluded, onlyCounted, false, false);
}

TIntStrArrayObj CountCharacters(std::string_view text, int32_t n, std::string_view excluded,
                                std::string_view onlyCounted, bool countBlanks, bool preFill) {
  return CountWhole(TPieceCounter::TKind::Groups, text, n, excluded, onlyCounted, countBlanks, preFill);
}

TIntStrArrayObj CountCharacterPositions(std::string_view text, int32_t n, std::string_view excluded,
                                        std::string_view onlyCounted, bool countBlanks) {
  return CountWhole(TPieceCounter::TKind::GroupPositions, text, n, excluded, onlyCounted, countBlanks, false);
}

TIntStrArrayObj CountSyllables(std::string_view text) {
  TIntStrArrayObj table;
  std::string storage;
  const std::string_view source = ReadableText(text, storage);

  std::string blanked;
  blanked.reserve(source.size());
  for (size_t pos = 0; pos < source.size();) {
    const size_t start = pos;
    const char32_t cp = NextChar(source, pos);
    if (IsSyllableBlankedOut(cp))
      blanked.push_back(' ');
    else
      blanked.append(source.substr(start, pos - start));
  }
  const std::string upper = UpperCaseNarrow(blanked);
  const std::string_view t = upper;

  auto countPiece = [&](size_t from, size_t to) {
    const std::string piece = Trim(t.substr(from, to - from));
    if (!piece.empty()) table.Inc(piece, 1);
  };

  TCharCursor c(t);
  bool vowelSeen = false;
  size_t cutByte = 0;  // where the current piece starts
  // k runs over the characters that have a character after them, the first one excluded.
  for (size_t k = 1; c.Has(k + 1); ++k) {
    const char32_t cur = c.At(k);
    if (!vowelSeen && IsSyllableVowel(cur)) vowelSeen = true;
    if (!vowelSeen) continue;
    const char32_t next = c.At(k + 1);
    if (next != U' ') {
      if (!c.Has(k + 2) || !IsSyllableVowel(c.At(k + 2)) || IsSyllableVowel(next)) continue;
    }
    size_t pairChars = 2;
    bool cluster = IsSyllableCluster(cur, next);
    if (cur == U'C' && next == U'H' && k >= 2 && c.At(k - 1) == U'S') pairChars = 3;
    const size_t split = cluster ? k + 2 - pairChars : k + 1;
    // Split positions never decrease; an equal one would only cut an empty piece.
    const size_t splitByte = c.Offset(split);
    if (splitByte > cutByte) {
      countPiece(cutByte, splitByte);
      cutByte = splitByte;
    }
  }
  countPiece(cutByte, t.size());
  return table;
}

size_t PossibleCombinationCount(size_t partCount, int32_t n) {
  if (n <= 1) return partCount;
  if (n > 3) return 0;
  // Past the limit the exact figure does not matter; avoid the overflow.
  if (partCount > kMaxPossibleCombinations) return kMaxPossibleCombinations + 1;
  const size_t square = partCount * partCount;
  if (n == 2) return square;
  if (square > kMaxPossibleCombinations) return kMaxPossibleCombinations + 1;
  return square * partCount;
}

TStrArrayObj CreatePossibleCombinations(const TStrArrayObj& parts, int32_t n) {
  TStrArrayObj result;
  const size_t count = PossibleCombinationCount(parts.Items.size(), n);
  if (count <= kMaxPossibleCombinations) result.Items.reserve(count);
  ForEachPossibleCombination(parts.Items, n, [&](std::string_view s) { result.Items.emplace_back(s); });
  return result;
}

TStrArrayObj CreatePossibleCombinations(std::string_view chars, int32_t n) {
  TStrArrayObj parts;
  parts.AddStringAsCharArray(chars);
  if (n <= 1) return parts;
  return CreatePossibleCombinations(parts, n);
}
