#include "foundation/str_split.h"

#include <cstring>

#include "foundation/number_format.h"
#include "foundation/str_arrays.h"
#include "foundation/str_transform.h"
#include "foundation/utf8.h"

namespace {

int32_t LengthOf(const TStrArray& arr) { return static_cast<int32_t>(arr.size()); }
int32_t LastIndexOf(const TStrArray& arr) { return static_cast<int32_t>(arr.size()) - 1; }

// True when the delimiter is made of one or two complete UTF-8 characters, the
// case in which the single forward pass pays off for long texts.
bool IsOneOrTwoUTF8Chars(std::string_view d) {
  if (!UTF8IsValid(d)) return false;
  size_t chars = UTF8Length(d);
  return chars >= 1 && chars <= 2;
}

bool Contains(std::string_view haystack, std::string_view needle) {
  return !needle.empty() && haystack.find(needle) != std::string_view::npos;
}

}  // namespace

int32_t ExplodeAtChar(TStrArray& arr, char delimiter, std::string_view text) {
  if (text.empty()) {
    arr.emplace_back();
    return LastIndexOf(arr);
  }
  const char* p = text.data();
  const char* end = p + text.size();
  for (;;) {
    const void* hit = std::memchr(p, delimiter, static_cast<size_t>(end - p));
    if (!hit) break;
    const char* h = static_cast<const char*>(hit);
    arr.emplace_back(p, h);
    p = h + 1;
  }
  arr.emplace_back(p, end);
  return LengthOf(arr);
}

int32_t ExplodeAt2Chars(TStrArray& arr, std::string_view delimiter, std::string_view text) {
  if (delimiter.size() != 2) return Explode(arr, delimiter, text);
  if (text.empty()) {
    arr.emplace_back();
    return LastIndexOf(arr);
  }
  return ExplodePointer(arr, delimiter, text);
}

int32_t ExplodePointer(TStrArray& arr, std::string_view delimiter, std::string_view text) {
  if (delimiter.empty()) {
    arr.emplace_back(text);
    return LastIndexOf(arr);
  }
  // The delimiter starts with a lead byte, which never occurs inside another
  // character, so a jump to the next copy of that byte skips no candidate.
  const char d0 = delimiter[0];
  const size_t dn = delimiter.size();
  const char* start = text.data();
  const char* p = start;
  const char* end = start + text.size();
  while (static_cast<size_t>(end - p) >= dn) {
    const void* hit = std::memchr(p, d0, static_cast<size_t>(end - p) - dn + 1);
    if (!hit) break;
    const char* h = static_cast<const char*>(hit);
    if (std::memcmp(h + 1, delimiter.data() + 1, dn - 1) == 0) {
      arr.emplace_back(start, h);
      start = h + dn;
      p = start;
    } else {
      p = h + 1;
    }
  }
  arr.emplace_back(start, end);
  return LengthOf(arr);
}

int32_t ExplodeCopyDelete(TStrArray& arr, std::string_view delimiter, std::string_view text) {
  if (delimiter.empty()) {
    arr.emplace_back(text);
    return LastIndexOf(arr);
  }
  size_t start = 0;
  for (;;) {
    size_t hit = text.find(delimiter, start);
    if (hit == std::string_view::npos) break;
    arr.emplace_back(text.substr(start, hit - start));
    start = hit + delimiter.size();
  }
  arr.emplace_back(text.substr(start));
  return LengthOf(arr);
}

int32_t Explode(TStrArray& arr, std::string_view delimiter, std::string_view text) {
  if (text.empty() || delimiter.empty()) {
    arr.emplace_back(text);
    return LastIndexOf(arr);
  }
  if (delimiter.size() == 1) return ExplodeAtChar(arr, delimiter[0], text);
  if (delimiter.size() == 2) return ExplodeAt2Chars(arr, delimiter, text);
  if (text.size() >= kExplodePointerMinTextBytes && IsOneOrTwoUTF8Chars(delimiter))
    return ExplodePointer(arr, delimiter, text);
  return ExplodeCopyDelete(arr, delimiter, text);
}

std::string_view LineBreakOfText(std::string_view text) {
  if (text.find("\r\n") != std::string_view::npos) return "\r\n";
  if (text.find('\n') != std::string_view::npos) return "\n";
  if (text.find('\r') != std::string_view::npos) return "\r";
  return {};
}

int32_t ExplodeAtCRLF_CR_LF_LineBreaks(TStrArray& arr, std::string_view text) {
  ForEachLineAtCRLF_CR_LF_LineBreaks(text, [&arr](std::string_view line) { arr.emplace_back(line); });
  return LineBreakOfText(text).empty() ? LastIndexOf(arr) : LengthOf(arr);
}

int32_t ExplodeAtMultipleChars(TStrArray& arr, const TCharSet& chars, std::string_view text) {
  if (text.empty()) {
    arr.emplace_back();
    return LastIndexOf(arr);
  }
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (chars.test(static_cast<unsigned char>(text[i]))) {
      arr.emplace_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  arr.emplace_back(text.substr(start));
  return LengthOf(arr);
}

int32_t ExplodeToIntArray(TIntArray& arr, std::string_view delimiter, std::string_view text) {
  TStrArray parts;
  Explode(parts, delimiter, text);
  int32_t added = 0;
  for (const auto& part : parts) {
    std::string t = Trim(part);
    int32_t v;
    if (!t.empty() && TryStrToInt(t, v)) {
      arr.push_back(v);
      ++added;
    }
  }
  return added;
}

namespace {

// Appends one field of the quote-aware split: doubled quotes become single.
void AppendQuotedField(TStrArray& arr, std::string_view text, size_t from, size_t to, std::string_view quote) {
  if (to <= from) {
    arr.emplace_back();
    return;
  }
  std::string_view field = text.substr(from, to - from);
  if (Contains(field, quote)) {
    std::string doubled(quote);
    doubled += quote;
    arr.push_back(StringReplaceFast(field, doubled, quote));
  } else {
    arr.emplace_back(field);
  }
}

}  // namespace

int32_t ExplodeWithQuotes_S(TStrArray& arr, std::string_view text, std::string_view separator, std::string_view quote) {
  if (text.empty()) {
    arr.emplace_back();
    return LastIndexOf(arr);
  }
  const size_t n = text.size();
  size_t fieldStart = 0;
  size_t closeWidth = 0;
  bool inQuotes = false;
  size_t pos = 0;
  while (pos <= n) {
    const bool atEnd = pos == n;
    if (atEnd || (!inQuotes && !separator.empty() && text.compare(pos, separator.size(), separator) == 0)) {
      // pos - closeWidth may lie before the field start when the separator
      // follows directly on another field; the field is then empty.
      AppendQuotedField(arr, text, fieldStart, pos >= closeWidth ? pos - closeWidth : 0, quote);
      if (atEnd) break;
      pos += separator.size();
      fieldStart = pos;
      closeWidth = 0;
    } else if (!quote.empty() && text.compare(pos, quote.size(), quote) == 0) {
      if (!inQuotes && pos == fieldStart) fieldStart = pos + quote.size();
      if (inQuotes) closeWidth = quote.size();
      pos += quote.size();
      inQuotes = !inQuotes;
    } else {
      closeWidth = 0;
      ++pos;
    }
  }
  return LastIndexOf(arr);
}

bool TQuotedFieldReader::Next(std::string& field) {
  if (FDone) return false;
  const size_t n = FText.size();
  size_t fieldStart = FPos;
  size_t closeWidth = 0;
  bool inQuotes = false;
  size_t pos = FPos;
  for (; pos < n && (inQuotes || FText[pos] != FSeparator); ++pos) {
    if (FText[pos] == FQuote) {
      if (!inQuotes && pos == fieldStart) fieldStart = pos + 1;
      if (inQuotes) closeWidth = 1;
      inQuotes = !inQuotes;
    } else {
      closeWidth = 0;
    }
  }
  // pos - closeWidth may lie before the field start when the separator
  // follows directly on another field; the field is then empty.
  const size_t to = pos >= closeWidth ? pos - closeWidth : 0;
  field.assign(FText.substr(fieldStart, to > fieldStart ? to - fieldStart : 0));
  if (field.find(FQuote) != std::string::npos) {
    // Doubled quotes become one, read from the left.
    size_t kept = 0;
    for (size_t i = 0; i < field.size(); ++i) {
      field[kept++] = field[i];
      if (field[i] == FQuote && i + 1 < field.size() && field[i + 1] == FQuote) ++i;
    }
    field.resize(kept);
  }
  FDone = pos == n;
  FPos = pos + 1;
  return true;
}

int32_t ExplodeWithQuotes_C(TStrArray& arr, std::string_view text, char separator, char quote) {
  TQuotedFieldReader fields(text, separator, quote);
  for (std::string field; fields.Next(field);) arr.push_back(field);
  return LastIndexOf(arr);
}

int32_t ExplodeWithQuotes(TStrArray& arr, std::string_view text, std::string_view separator, std::string_view quote) {
  if (separator.size() == 1 && quote.size() == 1) return ExplodeWithQuotes_C(arr, text, separator[0], quote[0]);
  return ExplodeWithQuotes_S(arr, text, separator, quote);
}

int32_t ExplodeTable(TStrArray2D& table, std::string_view text, std::string_view lineSeparator,
                     std::string_view fieldSeparator) {
  TStrArray lines;
  Explode(lines, lineSeparator, text);
  TStrArray row;
  for (const auto& line : lines) {
    row.clear();
    Explode(row, fieldSeparator, line);
    AddArrayElementsAsNewLine(table, row);
  }
  return static_cast<int32_t>(table.size()) - 1;
}

namespace {

// Appends one cell, quoted when it holds the quote, a separator or a line
// break (a CSV reader would otherwise split the record there), or when it is
// empty and empty cells are to be quoted.
void AppendCell(std::string& out, const std::string& cell, char quote, bool quoteEmpty, std::string_view sep1,
                std::string_view sep2) {
  if (!cell.empty() && cell.find(quote) != std::string::npos) {
    out.push_back(quote);
    out += StringReplaceFast(cell, std::string_view(&quote, 1), std::string(2, quote));
    out.push_back(quote);
    return;
  }
  const bool mark = (cell.empty() && quoteEmpty) || Contains(cell, sep1) || Contains(cell, sep2) ||
                    cell.find_first_of("\r\n") != std::string::npos;
  if (mark) out.push_back(quote);
  out += cell;
  if (mark) out.push_back(quote);
}

}  // namespace

std::string Implode(const TStrArray& arr, std::string_view separator) {
  size_t size = arr.empty() ? 0 : (arr.size() - 1) * separator.size();
  for (const std::string& s : arr) size += s.size();
  std::string out;
  out.reserve(size);
  for (size_t i = 0; i < arr.size(); ++i) {
    if (i > 0) out += separator;
    out += arr[i];
  }
  return out;
}

std::string ImplodeWithQuotes(const TStrArray& arr, char separator, char quote, bool quoteEmpty) {
  std::string out;
  const std::string_view sep(&separator, 1);
  for (size_t i = 0; i < arr.size(); ++i) {
    AppendCell(out, arr[i], quote, quoteEmpty, sep, {});
    if (i + 1 < arr.size()) out.push_back(separator);
  }
  return out;
}

std::string ImplodeWithQuotes(const TStrArray2D& table, std::string_view lineSeparator, std::string_view fieldSeparator,
                              char quote, bool quoteEmpty) {
  std::string out;
  for (size_t r = 0; r < table.size(); ++r) {
    const TStrArray& row = table[r];
    if (row.empty()) continue;
    for (size_t c = 0; c < row.size(); ++c) {
      if (c > 0) out += fieldSeparator;
      AppendCell(out, row[c], quote, quoteEmpty, lineSeparator, fieldSeparator);
    }
    if (r + 1 < table.size()) out += lineSeparator;
  }
  return out;
}

void ExplodeAtEveryLineBreak(TStrArray& lines, std::string_view text) {
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
}
