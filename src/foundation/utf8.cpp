#include "foundation/utf8.h"

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

void UTF8Append(std::string& out, char32_t cp) {
  if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = kReplacement;
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

std::string UTF8Encode(char32_t cp) {
  std::string s;
  UTF8Append(s, cp);
  return s;
}

size_t UTF8Length(std::string_view s) {
  size_t count = 0;
  size_t pos = 0;
  while (pos < s.size()) {
    if (static_cast<unsigned char>(s[pos]) < 0x80) {
      ++pos;
    } else {
      UTF8DecodeAt(s, pos);
    }
    ++count;
  }
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
  while (pos < s.size()) {
    offsets.push_back(pos);
    if (static_cast<unsigned char>(s[pos]) < 0x80) {
      ++pos;
    } else {
      UTF8DecodeAt(s, pos);
    }
  }
  offsets.push_back(s.size());
  return offsets;
}

bool UTF8IsValid(std::string_view s) {
  size_t pos = 0;
  while (pos < s.size()) {
    if (static_cast<unsigned char>(s[pos]) < 0x80) {
      ++pos;
      continue;
    }
    size_t before = pos;
    char32_t cp = UTF8DecodeAt(s, pos);
    if (cp == kReplacement && !(pos - before == 3 && s.substr(before, 3) == "\xEF\xBF\xBD")) return false;
  }
  return true;
}

std::string UTF8Repair(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  size_t pos = 0;
  while (pos < s.size()) {
    auto c = static_cast<unsigned char>(s[pos]);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      ++pos;
      continue;
    }
    size_t before = pos;
    char32_t cp = UTF8DecodeAt(s, pos);
    if (cp == kReplacement) {
      UTF8Append(out, kReplacement);
    } else {
      out.append(s.substr(before, pos - before));
    }
  }
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
