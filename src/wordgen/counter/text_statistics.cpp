#include "wordgen/counter/text_statistics.h"

#include <array>
#include <charconv>
#include <unordered_map>

#include "foundation/letter_case.h"
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

// Runs the sliding window of CountCharacters and CountCharacterPositions and
// hands each group with the 1-based position of its first character.
template <typename OnGroup>
void ForEachGroup(std::string_view text, int32_t n, std::string_view excluded, std::string_view onlyCounted,
                  bool countBlanks, OnGroup&& onGroup) {
  if (n < 1 || n > static_cast<int32_t>(kMaxWindow)) return;
  std::string storage;
  const std::string_view t = ReadableText(text, storage);
  TCharFilter filter(excluded, onlyCounted);
  const auto len = static_cast<size_t>(n);
  std::array<size_t, kMaxWindow> starts{};  // byte offsets of the last characters of the run
  size_t run = 0;                           // characters since the last break
  size_t pos = 0;
  while (pos < t.size()) {
    const size_t start = pos;
    const char32_t cp = NextChar(t, pos);
    if (BreaksAsBlank(cp, countBlanks) || filter.Rejects(t.substr(start, pos - start), cp)) {
      run = 0;
      continue;
    }
    starts[run % kMaxWindow] = start;
    ++run;
    if (run >= len) {
      const size_t groupStart = starts[(run - len) % kMaxWindow];
      onGroup(t.substr(groupStart, pos - groupStart), run - len + 1);
    }
  }
}

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

TIntStrArrayObj CountWords(std::string_view text, std::string_view excluded, std::string_view onlyCounted) {
  TIntStrArrayObj table;
  std::string storage;
  const std::string_view t = ReadableText(text, storage);
  TCharFilter filter(excluded, onlyCounted);
  bool inWord = false;
  bool valid = true;
  size_t wordStart = 0;
  size_t pos = 0;
  while (pos < t.size()) {
    const size_t start = pos;
    const char32_t cp = NextChar(t, pos);
    if (IsLetterCodePoint(cp)) {
      if (!inWord) {
        inWord = true;
        valid = true;
        wordStart = start;
      }
      if (valid && filter.Rejects(t.substr(start, pos - start), cp)) valid = false;
    } else if (inWord) {
      if (valid) table.Inc(t.substr(wordStart, start - wordStart), 1);
      inWord = false;
    }
  }
  if (inWord && valid) table.Inc(t.substr(wordStart), 1);
  return table;
}

TIntStrArrayObj CountCharacters(std::string_view text, int32_t n, std::string_view excluded,
                                std::string_view onlyCounted, bool countBlanks, bool preFill) {
  TIntStrArrayObj table;
  if (preFill && !onlyCounted.empty()) {
    // The pre-filled items come from the list; read it as the text is read
    // so that they are valid characters.
    std::string storage;
    TStrArrayObj chars;
    chars.AddStringAsCharArray(ReadableText(onlyCounted, storage));
    const size_t count = PossibleCombinationCount(chars.Items.size(), n);
    if (count <= kMaxPossibleCombinations) table.Items.reserve(count);
    ForEachPossibleCombination(chars.Items, n, [&](std::string_view s) { table.Add(0, s); });
  }
  ForEachGroup(text, n, excluded, onlyCounted, countBlanks,
               [&](std::string_view group, size_t) { table.Inc(group, 1); });
  return table;
}

TIntStrArrayObj CountCharacterPositions(std::string_view text, int32_t n, std::string_view excluded,
                                        std::string_view onlyCounted, bool countBlanks) {
  TIntStrArrayObj table;
  std::string item;
  ForEachGroup(text, n, excluded, onlyCounted, countBlanks, [&](std::string_view group, size_t position) {
    item.assign(group);
    item.push_back('_');
    char digits[24];
    auto res = std::to_chars(digits, digits + sizeof digits, position);
    item.append(digits, res.ptr);
    table.Inc(item, 1);
  });
  return table;
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
