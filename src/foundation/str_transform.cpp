#include "foundation/str_transform.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "foundation/letter_case.h"
#include "foundation/number_format.h"
#include "foundation/str_split.h"
#include "foundation/utf8.h"

namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }

bool InSet(const TSysCharSet& set, char c) { return set.test(static_cast<unsigned char>(c)); }

}  // namespace

// --- Trimming and whitespace -----------------------------------------------

std::string Trim(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && IsBlankOrControl(text[b])) ++b;
  while (e > b && IsBlankOrControl(text[e - 1])) --e;
  return std::string(text.substr(b, e - b));
}

std::string TrimLeft(std::string_view text) {
  size_t b = 0;
  while (b < text.size() && IsBlankOrControl(text[b])) ++b;
  return std::string(text.substr(b));
}

std::string TrimRight(std::string_view text) {
  size_t e = text.size();
  while (e > 0 && IsBlankOrControl(text[e - 1])) --e;
  return std::string(text.substr(0, e));
}

std::string TrimChars(std::string_view text, const TSysCharSet& chars) {
  size_t b = 0, e = text.size();
  while (b < e && InSet(chars, text[b])) ++b;
  while (e > b && InSet(chars, text[e - 1])) --e;
  return std::string(text.substr(b, e - b));
}

std::string TrimCharsRight(std::string_view text, const TSysCharSet& chars) {
  size_t e = text.size();
  while (e > 0 && InSet(chars, text[e - 1])) --e;
  return std::string(text.substr(0, e));
}

std::string RemoveAllWhitespaceButKeepWordSeparations(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool inRun = false;
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      inRun = true;
      continue;
    }
    if (inRun && !out.empty()) out.push_back(' ');
    inRun = false;
    out.push_back(c);
  }
  if (inRun && !out.empty()) out.push_back(' ');
  return out;
}

std::string RemoveDoubleSpaces(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == ' ' && !out.empty() && out.back() == ' ') continue;
    out.push_back(c);
  }
  return out;
}

std::string RemoveDoubleWhitespace(std::string_view text, bool lineBreaks, bool spaces, bool tabs) {
  std::string_view lineBreak = "\n";
  if (text.find("\r\n") != std::string_view::npos) {
    lineBreak = "\r\n";
  } else if (text.find('\r') != std::string_view::npos) {
    lineBreak = "\r";
  }
  std::string out;
  out.reserve(text.size());
  bool afterWhitespace = true;
  bool afterLineBreak = true;
  for (char c : text) {
    if ((c == ' ' && spaces) || (c == '\t' && tabs)) {
      if (afterWhitespace) continue;
      out.push_back(c);
      afterWhitespace = true;
      afterLineBreak = false;
    } else if ((c == '\r' || c == '\n') && lineBreaks) {
      if (afterLineBreak) continue;
      out += lineBreak;
      afterWhitespace = true;
      afterLineBreak = true;
    } else {
      out.push_back(c);
      afterWhitespace = false;
      afterLineBreak = false;
    }
  }
  return out;
}

std::string RemoveAllCharsFromStringWithCodePointGreaterThan(std::string_view text, uint32_t limit,
                                                             std::string_view replacement) {
  std::string out;
  out.reserve(text.size());
  UTF8ForEachCodePoint(
      text,
      [&](char c) {
        if (static_cast<uint32_t>(c) > limit) {
          out += replacement;
        } else {
          out.push_back(c);
        }
      },
      [&](char32_t cp, std::string_view bytes) {
        if (static_cast<uint32_t>(cp) > limit) {
          out += replacement;
        } else {
          out.append(bytes);
        }
      });
  return out;
}

std::string RemoveAllDigitsFromString(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c < '0' || c > '9') out.push_back(c);
  return out;
}

std::string RightPadding(std::string_view text, char fill, int32_t width) {
  const size_t length = UTF8Length(text);
  if (width <= 0 || length >= static_cast<size_t>(width)) return std::string(text);
  std::string out(static_cast<size_t>(width) - length, fill);
  out += text;
  return out;
}

// --- Cutting and testing ---------------------------------------------------

bool StrStart(std::string_view text, std::string_view prefix1, std::string_view prefix2) {
  return (!prefix1.empty() && text.starts_with(prefix1)) || (!prefix2.empty() && text.starts_with(prefix2));
}

bool DivideStringAndIsInt(std::string_view text, std::string_view delimiter, int32_t& first, int32_t& second) {
  first = 0;
  second = 0;
  if (delimiter.empty()) return false;
  size_t at = text.find(delimiter);
  if (at == std::string_view::npos) return false;
  std::string a = Trim(text.substr(0, at));
  std::string b = Trim(text.substr(at + delimiter.size()));
  int32_t va, vb;
  if (a.empty() || b.empty() || !TryStrToInt(a, va) || !TryStrToInt(b, vb)) return false;
  first = va;
  second = vb;
  return true;
}

bool DivideStringInThreeParts(std::string_view text, std::string_view delimiter1, std::string_view delimiter2,
                              std::string& part1, std::string& part2, std::string& part3, bool trim) {
  part1.clear();
  part2.clear();
  part3.clear();
  if (delimiter1.empty() || delimiter2.empty()) return false;
  const size_t p1 = text.find(delimiter1);
  if (p1 == std::string_view::npos) return false;
  const size_t end1 = p1 + delimiter1.size();
  // With equal delimiters the second is the next copy that starts after the
  // first one's start, an overlapping copy included (the middle part is then empty).
  const size_t p2 = delimiter1 == delimiter2 ? text.find(delimiter2, p1 + 1) : text.find(delimiter2);
  if (p2 == std::string_view::npos || p2 <= p1) return false;
  part1 = std::string(text.substr(0, p1));
  // Overlapping different delimiters ("ab" then "b") leave nothing between them.
  if (p2 > end1) part2 = std::string(text.substr(end1, p2 - end1));
  part3 = std::string(text.substr(p2 + delimiter2.size()));
  if (trim) {
    part1 = Trim(part1);
    part2 = Trim(part2);
    part3 = Trim(part3);
  }
  return true;
}

std::string FirstCharUTF8(std::string_view text) { return UTF8FirstChar(text); }

std::string LastCharUTF8(std::string_view text) { return UTF8LastChar(text); }

int32_t CountWordsInString(std::string_view text) {
  int32_t count = 0;
  bool inWord = false;
  for (char c : text) {
    const bool separator = c == '\n' || c == '\r' || c == ' ' || c == '!' || c == '.' || c == '?';
    if (separator) {
      if (inWord) ++count;
      inWord = false;
    } else {
      inWord = true;
    }
  }
  // The last word counts even without a separator behind it.
  if (inWord) ++count;
  return count;
}

std::string ExtractFirstNumberFromString(std::string_view text) {
  size_t b = 0;
  while (b < text.size() && (text[b] < '0' || text[b] > '9')) ++b;
  size_t e = b;
  while (e < text.size() && text[e] >= '0' && text[e] <= '9') ++e;
  return std::string(text.substr(b, e - b));
}

std::string ExtractCharactersFromString(std::string_view text, bool digits, bool upperCase, bool lowerCase,
                                        bool upperCaseResult) {
  std::string out;
  for (char c : text) {
    if ((digits && c >= '0' && c <= '9') || (upperCase && c >= 'A' && c <= 'Z') || (lowerCase && c >= 'a' && c <= 'z'))
      out.push_back(c);
  }
  return upperCaseResult ? UTF8UpperCase(out) : out;
}

bool IsBinaryStr(std::string_view text) {
  for (char ch : text) {
    auto c = static_cast<unsigned char>(ch);
    if (c < 32 && !(c >= 9 && c <= 13) && c != 21 && c != 26) return true;
  }
  return false;
}

std::string HTMLStripTags(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    size_t open = text.find('<', pos);
    if (open == std::string_view::npos) {
      out.append(text.substr(pos));
      break;
    }
    out.append(text.substr(pos, open - pos));
    size_t close = text.find('>', open + 1);
    if (close == std::string_view::npos) break;
    pos = close + 1;
  }
  return out;
}

int32_t LengthOfLongestStringWithStripedTags(const TStrArray2D& table, int32_t column) {
  if (column < 0) return 0;
  size_t longest = 0;
  for (const auto& row : table) {
    if (static_cast<size_t>(column) >= row.size()) continue;
    const std::string& cell = row[static_cast<size_t>(column)];
    const bool tagged = cell.find('<') != std::string::npos && cell.find('>') != std::string::npos;
    longest = std::max(longest, UTF8Length(tagged ? HTMLStripTags(cell) : cell));
  }
  return static_cast<int32_t>(std::min<size_t>(longest, INT32_MAX));
}

// --- Rewriting ---------------------------------------------------------------

std::string StringReplaceFast(std::string_view text, std::string_view oldText, std::string_view newText) {
  if (oldText.empty() || text.size() < oldText.size()) return std::string(text);
  if (oldText.size() == newText.size()) {
    std::string out(text);
    size_t pos = 0;
    while ((pos = text.find(oldText, pos)) != std::string_view::npos) {
      std::memcpy(out.data() + pos, newText.data(), newText.size());
      pos += oldText.size();
    }
    return out;
  }
  if (oldText.size() == 1) {
    const char o = oldText[0];
    std::string out;
    out.reserve(text.size());
    const char* p = text.data();
    const char* end = p + text.size();
    for (;;) {
      const void* hit = std::memchr(p, o, static_cast<size_t>(end - p));
      if (!hit) break;
      const char* h = static_cast<const char*>(hit);
      out.append(p, h);
      out += newText;
      p = h + 1;
    }
    out.append(p, end);
    return out;
  }
  std::string out;
  out.reserve(text.size());
  size_t start = 0;
  for (;;) {
    size_t hit = text.find(oldText, start);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(start, hit - start));
    out += newText;
    start = hit + oldText.size();
  }
  out.append(text.substr(start));
  return out;
}

namespace {

// The escape that stands for nothing. A backslash directly before a line
// break would run into the break's escape (backslash + LF would be written
// "\\n", which reads as the two characters "\n"), so the writer puts this
// between them; a text that ends in it before a line break gets one more, so
// that the reader drops exactly one.
constexpr std::string_view kInlineEmptyEscape = "\\;";

std::string MarkBackslashesBeforeLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if ((c == '\r' || c == '\n') && (out.ends_with('\\') || out.ends_with(kInlineEmptyEscape)))
      out += kInlineEmptyEscape;
    out += c;
  }
  return out;
}

// One decoding step, in place: the escape (a backslash and the letter)
// becomes the control character, and the escaped escape (two backslashes and
// the letter) becomes the escape itself. The text only shrinks, so a text of
// many escapes costs no second copy.
void DecodeInlineStep(std::string& text, char letter, char control) {
  size_t kept = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 2 < text.size() && text[i + 1] == '\\' && text[i + 2] == letter) {
      text[kept++] = '\\';
      text[kept++] = letter;
      i += 2;
    } else if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == letter) {
      text[kept++] = control;
      ++i;
    } else {
      text[kept++] = text[i];
    }
  }
  text.resize(kept);
}

}  // namespace

void LineBreakConvert_InlineFormatToLineBreaks(std::string& text) {
  if (text.find('\\') == std::string::npos) return;
  DecodeInlineStep(text, 'r', '\r');
  DecodeInlineStep(text, 'n', '\n');
  // The empty escape is read only where the writer puts it, before a line
  // break; everywhere else it stays the two characters it always was.
  size_t kept = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 2 < text.size() && text[i + 1] == ';' && (text[i + 2] == '\r' || text[i + 2] == '\n'))
      ++i;
    else
      text[kept++] = text[i];
  }
  text.resize(kept);
}

std::string LineBreakConvert_LineBreaksToInlineFormat(std::string_view text) {
  if (text.find_first_of("\r\n") == std::string_view::npos && text.find("\\r") == std::string_view::npos &&
      text.find("\\n") == std::string_view::npos)
    return std::string(text);
  std::string s = StringReplaceFast(MarkBackslashesBeforeLineBreaks(text), "\\r", "\\\\r");
  s = StringReplaceFast(s, "\\n", "\\\\n");
  s = StringReplaceFast(s, "\r", "\\r");
  return StringReplaceFast(s, "\n", "\\n");
}

std::string WrapTextAfterNumerOfCharacters_StringToString(std::string_view text, int32_t limit,
                                                          const TSysCharSet& breakChars, std::string_view lineBreak) {
  // A limit below 1 would never let a piece grow.
  if (limit < 1) return std::string(text);
  const std::vector<size_t> offsets = UTF8CharOffsets(text);
  const size_t chars = offsets.size() - 1;
  const size_t lim = static_cast<size_t>(limit);
  auto isBreakChar = [&](size_t charIndex) {
    return offsets[charIndex + 1] - offsets[charIndex] == 1 && InSet(breakChars, text[offsets[charIndex]]);
  };
  std::string out;
  out.reserve(text.size() + text.size() / lim * lineBreak.size() + lineBreak.size());
  size_t start = 0;
  while (start < chars) {
    size_t pieceEnd;
    if (chars - start <= lim) {
      pieceEnd = chars;
    } else {
      pieceEnd = start + lim;
      for (size_t k = start + lim - 1; k > start; --k) {
        if (isBreakChar(k)) {
          pieceEnd = k + 1;
          break;
        }
      }
    }
    out += Trim(text.substr(offsets[start], offsets[pieceEnd] - offsets[start]));
    out += lineBreak;
    start = pieceEnd;
  }
  if (!out.empty()) out.resize(out.size() - lineBreak.size());
  return out;
}

TStrArray WrapTextAfterNumberOfCharacters_StrArrToStrArr(const TStrArray& lines, int32_t limit,
                                                         const TSysCharSet& breakChars) {
  TStrArray result;
  result.reserve(lines.size());
  for (const auto& line : lines) {
    const bool tooLong = limit < 0 || UTF8Length(line) > static_cast<size_t>(limit);
    if (tooLong || line.find('\n') != std::string::npos) {
      ExplodeAtCRLF_CR_LF_LineBreaks(result,
                                     WrapTextAfterNumerOfCharacters_StringToString(line, limit, breakChars, "\n"));
    } else {
      result.push_back(line);
    }
  }
  return result;
}

namespace {

// A hexadecimal token as a code point; false for anything else.
bool ParseHexCodePoint(std::string_view token, uint32_t& value) {
  if (token.empty()) return false;
  uint32_t v = 0;
  for (char c : token) {
    uint32_t d;
    if (c >= '0' && c <= '9')
      d = c - '0';
    else if (c >= 'a' && c <= 'f')
      d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      d = c - 'A' + 10;
    else
      return false;
    v = v * 16 + d;
    if (v > 0x10FFFF) return false;
  }
  value = v;
  return true;
}

// Only values that have a UTF-8 form: no surrogates, nothing past U+10FFFF.
bool IsEncodableCodePoint(int64_t v) { return v > 0 && v <= 0x10FFFF && !(v >= 0xD800 && v <= 0xDFFF); }

}  // namespace

std::string CodePointsAsStrToStr(std::string_view text) {
  if (text.empty()) return {};
  const std::string s = StringReplaceFast(text, "U+", "#");
  std::string out;
  size_t pos = 0;
  while (pos < s.size()) {
    if (s[pos] == ' ' || s[pos] == '#') {
      ++pos;
      continue;
    }
    const bool hex = pos > 0 && s[pos - 1] == '#';
    size_t end = pos;
    while (end < s.size() && s[end] != ' ' && s[end] != '#') ++end;
    std::string_view token = std::string_view(s).substr(pos, end - pos);
    pos = end;
    int64_t value = 0;
    if (hex) {
      uint32_t v;
      if (!ParseHexCodePoint(token, v)) continue;
      value = v;
    } else {
      int32_t v;
      if (!TryStrToInt(token, v)) continue;
      value = v;
    }
    if (IsEncodableCodePoint(value)) UTF8Append(out, static_cast<char32_t>(value));
  }
  return out;
}

std::string GetSpreadsheetFieldStrFromInt(int32_t column) {
  if (column < 1) return {};
  // Bijective base 26: 1..26 are "A".."Z", 27 is "AA", 702 "ZZ", 703 "AAA".
  std::string name;
  int64_t n = column;
  while (n > 0) {
    --n;
    name.insert(name.begin(), static_cast<char>('A' + n % 26));
    n /= 26;
  }
  return name;
}

std::string GetSpreadsheetFieldStrFromInts(int32_t column, int32_t row) {
  return GetSpreadsheetFieldStrFromInt(column) + IntToStr(row);
}
