#include "foundation/utf8.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace {
constexpr char32_t kReplacement = 0xFFFD;

bool IsCont(unsigned char c) { return (c & 0xC0) == 0x80; }
}  // namespace

size_t UTF8SeqLen(unsigned char lead) {
  if (lead < 0xC2) return 1;
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  if (lead < 0xF5) return 4;
  return 1;
}

char32_t UTF8DecodeAt(std::string_view s, size_t& pos) {
  const size_t n = s.size();
  const auto b0 = static_cast<unsigned char>(s[pos]);
  if (b0 < 0x80) {
    ++pos;
    return b0;
  }
  size_t len = UTF8SeqLen(b0);
  if (len == 1) {
    ++pos;
    return kReplacement;
  }
  char32_t cp = b0 & (0xFF >> (len + 1));
  // Bounds of the second byte exclude overlong forms and surrogates.
  unsigned char lo = 0x80, hi = 0xBF;
  if (b0 == 0xE0)
    lo = 0xA0;
  else if (b0 == 0xED)
    hi = 0x9F;
  else if (b0 == 0xF0)
    lo = 0x90;
  else if (b0 == 0xF4)
    hi = 0x8F;
  size_t i = pos + 1;
  for (size_t k = 1; k < len; ++k, ++i) {
    if (i >= n) {
      pos = i;
      return kReplacement;
    }
    auto c = static_cast<unsigned char>(s[i]);
    if (k == 1 ? (c < lo || c > hi) : !IsCont(c)) {
      pos = i;
      return kReplacement;
    }
    cp = (cp << 6) | (c & 0x3F);
  }
  pos = i;
  return cp;
}

char* UTF8Put(char* o, char32_t cp) {
  if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = kReplacement;
  if (cp < 0x80) {
    *o++ = static_cast<char>(cp);
  } else if (cp < 0x800) {
    *o++ = static_cast<char>(0xC0 | (cp >> 6));
    *o++ = static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    *o++ = static_cast<char>(0xE0 | (cp >> 12));
    *o++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *o++ = static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    *o++ = static_cast<char>(0xF0 | (cp >> 18));
    *o++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    *o++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *o++ = static_cast<char>(0x80 | (cp & 0x3F));
  }
  return o;
}

void UTF8Append(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
    return;
  }
  char buf[4];
  out.append(buf, static_cast<size_t>(UTF8Put(buf, cp) - buf));
}

std::string UTF8Encode(char32_t cp) {
  std::string s;
  UTF8Append(s, cp);
  return s;
}

size_t UTF8Length(std::string_view s) {
  size_t count = 0;
  UTF8ForEachCodePoint(
      s, [&](char) { ++count; }, [&](char32_t, std::string_view) { ++count; });
  return count;
}

size_t UTF8CharToByteIndex(std::string_view s, size_t charIndex) {
  size_t pos = 0;
  while (charIndex > 0 && pos < s.size()) {
    UTF8DecodeAt(s, pos);
    --charIndex;
  }
  return pos;
}

std::string UTF8FirstChar(std::string_view s) {
  if (s.empty()) return {};
  size_t pos = 0;
  UTF8DecodeAt(s, pos);
  return std::string(s.substr(0, pos));
}

std::string UTF8LastChar(std::string_view s) {
  if (s.empty()) return {};
  // Step back over at most three continuation bytes, then check that the
  // sequence found really ends at the end of the text.
  size_t start = s.size() - 1;
  size_t back = 0;
  while (start > 0 && back < 3 && IsCont(static_cast<unsigned char>(s[start]))) {
    --start;
    ++back;
  }
  size_t pos = start;
  UTF8DecodeAt(s, pos);
  if (pos != s.size()) start = s.size() - 1;
  return std::string(s.substr(start));
}

std::vector<size_t> UTF8CharOffsets(std::string_view s) {
  std::vector<size_t> offsets;
  offsets.reserve(s.size() + 1);
  size_t pos = 0;
  UTF8ForEachCodePoint(
      s, [&](char) { offsets.push_back(pos++); },
      [&](char32_t, std::string_view bytes) {
        offsets.push_back(pos);
        pos += bytes.size();
      });
  offsets.push_back(s.size());
  return offsets;
}

namespace {

constexpr uint64_t kHighBits = 0x8080808080808080ULL;

uint64_t Load8(const char* p) {
  uint64_t v;
  std::memcpy(&v, p, 8);
  return v;
}

// A U+FFFD that the text really holds, not one that stands for invalid bytes.
bool IsEncodedReplacement(std::string_view bytes) { return bytes == "\xEF\xBF\xBD"; }

}  // namespace

size_t UTF8SkipASCII(std::string_view s, size_t i) {
  const size_t n = s.size();
  while (i + 8 <= n) {
    const uint64_t high = Load8(s.data() + i) & kHighBits;
    if (high != 0) {
      // The lowest set bit belongs to the first byte in memory on a
      // little-endian machine, to the last on a big-endian one.
      if constexpr (std::endian::native == std::endian::little) return i + std::countr_zero(high) / 8u;
      return i + std::countl_zero(high) / 8u;
    }
    i += 8;
  }
  while (i < n && static_cast<unsigned char>(s[i]) < 0x80) ++i;
  return i;
}

bool UTF8IsValid(std::string_view s) {
  // Only the stretches of non-ASCII bytes need decoding: an ASCII byte always
  // ends a sequence, so each stretch must be whole sequences by itself.
  size_t pos = UTF8SkipASCII(s, 0);
  while (pos < s.size()) {
    if (static_cast<unsigned char>(s[pos]) < 0x80) {
      pos = UTF8SkipASCII(s, pos);
      continue;
    }
    const size_t start = pos;
    if (UTF8DecodeAt(s, pos) == kReplacement && !IsEncodedReplacement(s.substr(start, pos - start))) return false;
  }
  return true;
}

std::string UTF8Repair(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  UTF8ForEachCodePoint(
      s, [&](char c) { out.push_back(c); },
      [&](char32_t cp, std::string_view bytes) {
        if (cp == kReplacement && !IsEncodedReplacement(bytes)) {
          UTF8Append(out, kReplacement);
        } else {
          out.append(bytes);
        }
      });
  return out;
}

std::u32string UTF8ToUTF32(std::string_view s) {
  std::u32string out;
  out.reserve(s.size());
  size_t pos = 0;
  while (pos < s.size()) out.push_back(UTF8DecodeAt(s, pos));
  return out;
}

std::string UTF32ToUTF8(std::u32string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char32_t c : s) UTF8Append(out, c);
  return out;
}

std::u16string UTF8ToUTF16(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  size_t pos = 0;
  while (pos < s.size()) {
    char32_t cp = UTF8DecodeAt(s, pos);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

std::string UTF16ToUTF8(std::u16string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    char32_t c = s[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = kReplacement;
    }
    UTF8Append(out, c);
  }
  return out;
}

bool HasNonASCII(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}
