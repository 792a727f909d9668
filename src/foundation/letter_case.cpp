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

char32_t CodePointUpper(char32_t c, TLetterCaseRules rules) {
  if (rules == TLetterCaseRules::Turkic && c == U'i') return U'\u0130';  // İ
  return CodePointUpper(c);
}

char32_t CodePointLower(char32_t c, TLetterCaseRules rules) {
  if (rules == TLetterCaseRules::Turkic && c == U'I') return U'\u0131';  // ı
  // İ lowers to i in the common rule already.
  return CodePointLower(c);
}

namespace {

// The dotted and dotless i of the Turkic rule, swapped in before the common
// rule runs, which then leaves them (or maps them) as those languages write them.
std::string TurkicI(std::string_view s, char from, std::string_view to) {
  std::string out;
  out.reserve(s.size() + 8);
  for (const char c : s) {
    if (c == from)
      out += to;
    else
      out += c;
  }
  return out;
}

// The loop the two upper-casing rules share: a-z change, "ß" becomes "SS",
// and every other character is left to upperOther(out, cp, bytes).
template <typename UpperOther>
std::string UpperCaseWith(std::string_view s, const UpperOther& upperOther) {
  std::string out;
  out.reserve(s.size() + 2);
  size_t pos = 0;
  while (pos < s.size()) {
    // A run of ASCII characters at once.
    const size_t runEnd = UTF8SkipASCII(s, pos);
    if (runEnd > pos) {
      const size_t at = out.size();
      out.resize(at + (runEnd - pos));
      char* to = out.data() + at;
      for (const char* from = s.data() + pos; from != s.data() + runEnd; ++from, ++to)
        *to = (*from >= 'a' && *from <= 'z') ? static_cast<char>(*from - 32) : *from;
      pos = runEnd;
      if (pos == s.size()) break;
    }
    const size_t start = pos;
    const char32_t cp = UTF8DecodeAt(s, pos);
    if (cp == kSharpS) {
      out += "SS";
    } else {
      upperOther(out, cp, s.substr(start, pos - start));
    }
  }
  return out;
}

}  // namespace

std::string UTF8UpperCase(std::string_view s) {
  return UpperCaseWith(s, [](std::string& out, char32_t cp, std::string_view) { UTF8Append(out, CodePointUpper(cp)); });
}

std::string UTF8LowerCase(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  UTF8ForEachCodePoint(
      s, [&](char c) { out.push_back((c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c); },
      [&](char32_t cp, std::string_view) { UTF8Append(out, CodePointLower(cp)); });
  return out;
}

std::string GreekFinalSigma(std::string_view s) {
  constexpr std::string_view kSmallSigma = "\xCF\x83";
  if (s.find(kSmallSigma) == std::string_view::npos) return std::string(s);
  std::u32string text;
  text.reserve(s.size());
  for (size_t pos = 0; pos < s.size();) text.push_back(UTF8DecodeAt(s, pos));
  auto cased = [](char32_t c) { return u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_CASED) != 0; };
  auto caseIgnorable = [](char32_t c) {
    return u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_CASE_IGNORABLE) != 0;
  };
  // Each run of case-ignorable characters is passed at most by the sigma
  // before it and the one after it, so the walk stays linear.
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != 0x3C3) continue;
    size_t before = i;
    while (before > 0 && caseIgnorable(text[before - 1])) --before;
    if (before == 0 || !cased(text[before - 1])) continue;
    size_t after = i + 1;
    while (after < text.size() && caseIgnorable(text[after])) ++after;
    if (after < text.size() && cased(text[after])) continue;
    text[i] = 0x3C2;
  }
  std::string out;
  out.reserve(s.size());
  for (char32_t c : text) UTF8Append(out, c);
  return out;
}

std::string UTF8LowerCaseWords(std::string_view s) { return GreekFinalSigma(UTF8LowerCase(s)); }

std::string UTF8UpperCase(std::string_view s, TLetterCaseRules rules) {
  if (rules != TLetterCaseRules::Turkic) return UTF8UpperCase(s);
  return UTF8UpperCase(TurkicI(s, 'i', "\xC4\xB0"));  // i -> İ
}

std::string UTF8LowerCaseWords(std::string_view s, TLetterCaseRules rules) {
  if (rules != TLetterCaseRules::Turkic) return UTF8LowerCaseWords(s);
  return UTF8LowerCaseWords(TurkicI(s, 'I', "\xC4\xB1"));  // I -> ı
}

std::string UpperCaseNarrow(std::string_view s) {
  return UpperCaseWith(s, [](std::string& out, char32_t cp, std::string_view bytes) {
    if (cp < 0x800 && bytes.size() == 2) {
      UTF8Append(out, static_cast<char32_t>(u_toupper(static_cast<UChar32>(cp))));
    } else if (cp == 0xFFFD && bytes.size() != 3) {
      UTF8Append(out, cp);  // an invalid byte: repaired, never passed through raw
    } else {
      out.append(bytes);
    }
  });
}

std::string ASCIILowerCase(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::string ASCIIUpperCase(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
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
