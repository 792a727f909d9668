#include "foundation/letter_case.h"

#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <cstdint>
#include <string>

#include "foundation/utf8.h"

namespace {
constexpr char32_t kSharpS = 0xDF;

bool IsGeorgianMkhedruli(char32_t c) { return c >= 0x10D0 && c <= 0x10FF; }
}  // namespace

char32_t CodePointUpper(char32_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 32 : c;
  if (IsGeorgianMkhedruli(c)) return c;
  return static_cast<char32_t>(u_toupper(static_cast<UChar32>(c)));
}

char32_t CodePointLower(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
  return static_cast<char32_t>(u_tolower(static_cast<UChar32>(c)));
}

std::string UTF8UpperCase(std::string_view s) {
  std::string out;
  out.reserve(s.size() + 2);
  size_t pos = 0;
  while (pos < s.size()) {
    auto b = static_cast<unsigned char>(s[pos]);
    if (b < 0x80) {
      out.push_back(static_cast<char>((b >= 'a' && b <= 'z') ? b - 32 : b));
      ++pos;
      continue;
    }
    char32_t c = UTF8DecodeAt(s, pos);
    if (c == kSharpS) {
      out += "SS";
    } else {
      UTF8Append(out, CodePointUpper(c));
    }
  }
  return out;
}

std::string UTF8LowerCase(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  size_t pos = 0;
  while (pos < s.size()) {
    auto b = static_cast<unsigned char>(s[pos]);
    if (b < 0x80) {
      out.push_back(static_cast<char>((b >= 'A' && b <= 'Z') ? b + 32 : b));
      ++pos;
      continue;
    }
    UTF8Append(out, CodePointLower(UTF8DecodeAt(s, pos)));
  }
  return out;
}

std::string UpperCaseNarrow(std::string_view s) {
  std::string out;
  out.reserve(s.size() + 2);
  size_t pos = 0;
  while (pos < s.size()) {
    auto b = static_cast<unsigned char>(s[pos]);
    if (b < 0x80) {
      out.push_back(static_cast<char>((b >= 'a' && b <= 'z') ? b - 32 : b));
      ++pos;
      continue;
    }
    size_t start = pos;
    char32_t c = UTF8DecodeAt(s, pos);
    if (c == kSharpS) {
      out += "SS";
    } else if (c >= 0x80 && c < 0x800 && pos - start == 2) {
      UTF8Append(out, static_cast<char32_t>(u_toupper(static_cast<UChar32>(c))));
    } else if (c == 0xFFFD && !(pos - start == 3)) {
      UTF8Append(out, c);  // an invalid byte: repaired, never passed through raw
    } else {
      out.append(s.substr(start, pos - start));
    }
  }
  return out;
}

std::string ASCIILowerCase(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

namespace {

// The full (possibly several characters long) upper or lower case of c.
std::u16string FullCase(UChar32 c, bool upper) {
  UChar in[2];
  int32_t inLength = 0;
  U16_APPEND_UNSAFE(in, inLength, c);
  UChar out[16];
  UErrorCode status = U_ZERO_ERROR;
  const int32_t n =
      upper ? u_strToUpper(out, 16, in, inLength, "", &status) : u_strToLower(out, 16, in, inLength, "", &status);
  if (U_FAILURE(status)) return std::u16string(in, in + inLength);
  return std::u16string(out, out + n);
}

}  // namespace

bool IsLetterCodePoint(char32_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  if (c > 0x10FFFF) return false;
  const auto u = static_cast<UChar32>(c);
  if (u_toupper(u) != u_tolower(u) || u_totitle(u) != u_tolower(u)) return true;
  // Letters such as "ß", "ΐ" or "և" upper-case to several characters, which
  // the one-to-one mappings above cannot show.
  if (!u_hasBinaryProperty(u, UCHAR_CHANGES_WHEN_CASEMAPPED)) return false;
  return FullCase(u, true) != FullCase(u, false);
}
