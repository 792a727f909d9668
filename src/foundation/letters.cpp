#include "foundation/letters.h"

#include <array>

#include "foundation/letter_case.h"
#include "foundation/random.h"
#include "foundation/str_transform.h"
#include "foundation/utf8.h"

namespace {

constexpr char32_t kSharpS = 0xDF;

const std::string kVokale = "AEIOUÄÖÜΑАЕЁИОУЫЭΕΗΙΟΥΩ";
const std::string kKonsonanten =
    "BCDFGHJKLMNPQRSTVWXYZß"
    "БВГДЖЗЙКЛМНПРСТФХЦЧШЩЮЯ"
    "ΒΓΔΖΘΚΛΜΝΞΠΡΣΤΦΧΨ";

// Every accented character of the table lies in U+00C0..U+0229, so a flat
// array indexed by code point answers each lookup in one step.
constexpr char32_t kDiaFirst = 0xC0;
constexpr char32_t kDiaLast = 0x229;

struct DiaRow {
  char base;
  std::u32string_view chars;
};

constexpr DiaRow kDiaRows[] = {
    {'A', U"\u00C0\u00C1\u00C2\u00C3\u00C4\u00C5\u00C6\u01FA\u0100\u0102\u0104"},
    {'C', U"\u00C7\u0106\u0108\u010A\u010C"},
    {'D', U"\u0110\u010E"},
    {'E', U"\u00C8\u00C9\u00CA\u00CB\u0228\u00D0\u0112\u0114\u0116\u0118\u011A"},
    {'G', U"\u011C\u011E\u0120\u0122\u01E6"},
    {'H', U"\u0124\u0126"},
    {'I', U"\u00CC\u00CD\u00CE\u00CF\u0128\u012A\u012C\u012E\u0130"},
    {'J', U"\u0134"},
    {'K', U"\u0136\u01E8"},
    {'L', U"\u0139\u013B\u013D\u013F\u0141"},
    {'N', U"\u0143\u0145\u0147\u014A\u00D1"},
    {'O', U"\u014C\u014E\u0150\u0152\u00D2\u00D3\u00D4\u00D5\u00D6\u00D8\u01A0"},
    {'R', U"\u0154\u0156\u0158"},
    {'S', U"\u015A\u015C\u015E\u0160\u0218"},
    {'T', U"\u0162\u0164\u0166\u021A"},
    {'U', U"\u0168\u016A\u016C\u016E\u0170\u0172\u01AF\u00D9\u00DA\u00DB\u00DC"},
    {'W', U"\u0174"},
    {'Y', U"\u0176\u0178\u00DD"},
    {'Z', U"\u0179\u017B\u017D"},
    {'a', U"\u00E0\u00E1\u00E2\u00E3\u00E4\u00E5\u00E6\u01FB\u0101\u0103\u0105"},
    {'c', U"\u00E7\u0107\u0109\u010B\u010D"},
    {'d', U"\u0111\u010F"},
    {'e', U"\u00E8\u00E9\u00EA\u00EB\u0229\u00F0\u0113\u0115\u0117\u0119\u011B"},
    {'g', U"\u011D\u011F\u0121\u0123\u01E7"},
    {'h', U"\u0125\u0127"},
    {'i', U"\u00EC\u00ED\u00EE\u00EF\u0129\u012B\u012D\u012F"},
    {'j', U"\u0135"},
    {'k', U"\u0137\u01E9"},
    {'l', U"\u013A\u013C\u013E\u0140\u0142"},
    {'n', U"\u0144\u0146\u0148\u014B\u00F1"},
    {'o', U"\u014D\u014F\u0151\u0153\u00F2\u00F3\u00F4\u00F5\u00F6\u00F8\u01A1"},
    {'r', U"\u0155\u0157\u0159"},
    {'s', U"\u015B\u015D\u015F\u0161\u0219"},
    {'t', U"\u0163\u0165\u0167\u021B"},
    {'u', U"\u0169\u016B\u016D\u016F\u0171\u0173\u01B0\u00F9\u00FA\u00FB\u00FC"},
    {'w', U"\u0175"},
    {'y', U"\u0177\u00FF\u00FD"},
    {'z', U"\u017A\u017C\u017E"},
};

const std::array<char, kDiaLast - kDiaFirst + 1>& DiaTable() {
  static const auto table = [] {
    std::array<char, kDiaLast - kDiaFirst + 1> t{};
    for (const auto& row : kDiaRows)
      for (char32_t c : row.chars) t[c - kDiaFirst] = row.base;
    return t;
  }();
  return table;
}

// Upper case of one character as text ("ß" gives "SS").
void AppendUpper(std::string& out, char32_t c, TLetterCaseRules rules = TLetterCaseRules::Common) {
  if (c == kSharpS) {
    out += "SS";
  } else {
    UTF8Append(out, CodePointUpper(c, rules));
  }
}

bool IsUpperOrCaseless(char32_t c) { return c != kSharpS && CodePointUpper(c) == c; }

// The next character of text as its own UTF-8 text (invalid bytes repaired).
std::string NextCharText(std::string_view text, size_t& pos) {
  std::string ch;
  UTF8Append(ch, UTF8DecodeAt(text, pos));
  return ch;
}

}  // namespace

const std::string& VokalChars() { return kVokale; }
const std::string& KonsonantChars() { return kKonsonanten; }

bool IsLetter(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size()) {
    if (IsLetterCodePoint(UTF8DecodeAt(text, pos))) return true;
  }
  return false;
}

bool IsVokal(std::string_view text) {
  if (text.empty()) return false;
  return kVokale.find(UTF8UpperCase(text)) != std::string::npos;
}

bool IsKonsonant(std::string_view text) {
  if (text.empty()) return false;
  if (text == "ß") return true;
  return kKonsonanten.find(UTF8UpperCase(text)) != std::string::npos;
}

std::string DiacriticsToLetters(std::string_view text) {
  const auto& table = DiaTable();
  std::string out;
  out.reserve(text.size());
  UTF8ForEachCodePoint(
      text, [&](char c) { out.push_back(c); },
      [&](char32_t c, std::string_view) {
        if (c >= kDiaFirst && c <= kDiaLast && table[c - kDiaFirst] != 0) {
          out.push_back(table[c - kDiaFirst]);
        } else {
          UTF8Append(out, c);  // re-encoding repairs invalid bytes to U+FFFD
        }
      });
  return out;
}

std::string DiacriticsToAlternative(std::string_view text, bool fitCase) {
  std::string s(text);
  s = StringReplaceFast(s, "ä", "ae");
  s = StringReplaceFast(s, "ö", "oe");
  s = StringReplaceFast(s, "ü", "ue");
  s = StringReplaceFast(s, "ß", "ss");
  if (fitCase) {
    if (s.find("Ü") != std::string::npos || s.find("Ä") != std::string::npos || s.find("Ö") != std::string::npos)
      s = UppercaseDiacriticsToFittingAlternative(s);
  } else {
    s = StringReplaceFast(s, "Ä", "AE");
    s = StringReplaceFast(s, "Ö", "OE");
    s = StringReplaceFast(s, "Ü", "UE");
  }
  return s;
}

std::string UppercaseDiacriticsToFittingAlternative(std::string_view text) {
  auto transcription = [](char32_t umlaut, bool upper) -> const char* {
    switch (umlaut) {
      case 0xC4: return upper ? "AE" : "Ae";
      case 0xD6: return upper ? "OE" : "Oe";
      default: return upper ? "UE" : "Ue";
    }
  };
  std::string out;
  out.reserve(text.size() + 8);
  char32_t pending = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    char32_t c = UTF8DecodeAt(text, pos);
    if (pending != 0) {
      out += transcription(pending, IsUpperOrCaseless(c));
      pending = 0;
    }
    if (c == 0xC4 || c == 0xD6 || c == 0xDC) {
      pending = c;
    } else {
      UTF8Append(out, c);
    }
  }
  if (pending != 0) out += transcription(pending, true);
  return out;
}

std::string UpperCaseBegin(std::string_view text, TLetterCaseRules rules) {
  std::string out;
  out.reserve(text.size() + 2);
  bool afterLetter = false;
  size_t pos = 0;
  while (pos < text.size()) {
    char32_t c = UTF8DecodeAt(text, pos);
    if (afterLetter) {
      UTF8Append(out, CodePointLower(c, rules));
    } else if (c == kSharpS) {
      // A word that begins with "ß" is written "Ss" with a capital first letter, not "SS".
      out += "Ss";
    } else {
      AppendUpper(out, c, rules);
    }
    afterLetter = IsLetterCodePoint(c);
  }
  return GreekFinalSigma(out);
}

std::string MixedCase(std::string_view text, TRandomGenerator& gen, TLetterCaseRules rules) {
  std::string out;
  out.reserve(text.size() + 2);
  size_t pos = 0;
  while (pos < text.size()) {
    char32_t c = UTF8DecodeAt(text, pos);
    if (gen.Random(2) == 1) {
      UTF8Append(out, CodePointLower(c, rules));
    } else {
      AppendUpper(out, c, rules);
    }
  }
  return GreekFinalSigma(out);
}

std::string MixedCase(std::string_view text) { return MixedCase(text, ProgramRandom()); }

std::string AddCharToStringIfCharIsNotInString(std::string_view text, std::string_view chars) {
  std::string out(text);
  size_t pos = 0;
  while (pos < chars.size()) {
    std::string ch = NextCharText(chars, pos);
    if (out.find(ch) == std::string::npos) out += ch;
  }
  return out;
}

std::string RemoveCharsFromString(std::string_view text, std::string_view chars) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    std::string ch = NextCharText(text, pos);
    if (chars.find(ch) == std::string_view::npos) out += ch;
  }
  return out;
}

bool StringContainsAllChars(std::string_view text, std::string_view chars) {
  size_t pos = 0;
  while (pos < chars.size()) {
    if (text.find(NextCharText(chars, pos)) == std::string_view::npos) return false;
  }
  return true;
}
