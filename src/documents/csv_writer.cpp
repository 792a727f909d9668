#include "documents/csv_writer.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <utility>

#include "documents/table_export_buffer.h"

struct TQuoteObj::TSeparatorSource {
  // Null: the fixed separator of the object.
  const TStrArray* LineBreaks = nullptr;
  const TStrArray2D* FieldSeparators = nullptr;
  size_t LineIndex = 0;
  // The stored row of field separators; -1 before the first table row.
  std::ptrdiff_t Row = -1;
  // Carries over from one table row to the next on purpose: a stored row
  // holding one separator per gap is then used in its own order.
  size_t Pos = 0;
};

TQuoteObj::TQuoteObj(std::string separatorLines, std::string separatorFields, std::string quoteChar,
                     bool quoteAllFields)
    : SeparatorLines(std::move(separatorLines)),
      SeparatorFields(std::move(separatorFields)),
      QuoteChar(std::move(quoteChar)),
      QuoteAllFields(quoteAllFields) {}

void TQuoteObj::AddSeparatorUnique(TStrArray& list, const std::string& s) {
  for (const auto& e : list)
    if (e == s) return;
  list.push_back(s);
}

void TQuoteObj::SetMultiSeparators(const TStrArray& lineBreaks, const TStrArray2D& fieldSeparators) {
  TStrArray list;
  for (const auto& row : fieldSeparators)
    for (const auto& s : row) AddSeparatorUnique(list, s);
  for (const auto& s : lineBreaks) AddSeparatorUnique(list, s);
  if (fieldSeparators.empty()) AddSeparatorUnique(list, SeparatorFields);
  if (lineBreaks.empty()) AddSeparatorUnique(list, SeparatorLines);
  FSeparators = std::move(list);
}

void TQuoteObj::PrepareByteTable() {
  std::memset(FSpecial, 0, sizeof FSpecial);
  auto mark = [this](const std::string& s) {
    if (!s.empty()) FSpecial[static_cast<unsigned char>(s[0])] = true;
  };
  mark(SeparatorLines);
  mark(SeparatorFields);
  mark(QuoteChar);
  for (const auto& s : FSeparators) mark(s);
  // A field may end with the start of a longer separator or begin with its
  // end: every byte of one counts.
  auto markAll = [this](const std::string& s) {
    if (s.size() > 1)
      for (unsigned char c : s) FSpecial[c] = true;
  };
  markAll(SeparatorLines);
  markAll(SeparatorFields);
  for (const auto& s : FSeparators) markAll(s);
  // A line break inside a field must always be quoted, whatever the line
  // separator is, or readers split the row there.
  FSpecial[static_cast<unsigned char>('\r')] = true;
  FSpecial[static_cast<unsigned char>('\n')] = true;

  auto oneByte = [](const std::string& s) { return s.size() <= 1; };
  FSingleBytes = oneByte(SeparatorLines) && oneByte(SeparatorFields) && QuoteChar.size() == 1;
  std::memset(FByteKind, 0, sizeof FByteKind);
  if (FSingleBytes) {
    for (const std::string* s : {&SeparatorLines, &SeparatorFields})
      if (!s->empty()) FByteKind[static_cast<unsigned char>((*s)[0])] = 1;
    FByteKind[static_cast<unsigned char>('\r')] = 1;
    FByteKind[static_cast<unsigned char>('\n')] = 1;
    FByteKind[static_cast<unsigned char>(QuoteChar[0])] = 2;
  }
}

namespace {

bool Contains(std::string_view text, const std::string& part) {
  return !part.empty() && text.find(part) != std::string_view::npos;
}

bool HasLineBreak(std::string_view v) { return v.find_first_of("\r\n") != std::string_view::npos; }

// Whether the field, written next to the separator, would let a reader find
// the separator across the field's edge: "a|" before "||" reads as "a" and a
// field starting with "|". The field begins with an end of the separator or
// ends with a start of it.
bool TouchesSeparator(std::string_view v, const std::string& separator) {
  const std::string_view sep(separator);
  for (size_t k = 1; k < sep.size(); ++k)
    if (v.ends_with(sep.substr(0, k)) || v.starts_with(sep.substr(sep.size() - k))) return true;
  return false;
}

bool ContainsOrTouches(std::string_view v, const std::string& separator) {
  return Contains(v, separator) || TouchesSeparator(v, separator);
}

}  // namespace

bool TQuoteObj::NeedsQuotesPlain(std::string_view v) const {
  return QuoteAllFields || HasLineBreak(v) || ContainsOrTouches(v, SeparatorLines) ||
         ContainsOrTouches(v, SeparatorFields);
}

bool TQuoteObj::NeedsQuotesList(std::string_view v) const {
  if (QuoteAllFields || HasLineBreak(v)) return true;
  for (const auto& s : FSeparators)
    if (ContainsOrTouches(v, s)) return true;
  return false;
}

void TQuoteObj::AppendField(TTextBuffer& out, std::string_view v, bool listTest) const {
  if (FSingleBytes && !listTest) {
    // One pass over the field decides everything.
    uint8_t kinds = 0;
    for (unsigned char c : v) kinds |= FByteKind[c];
    const char q = QuoteChar[0];
    const bool quote = QuoteAllFields || kinds != 0;
    if (quote) out.Put(q);
    if (kinds & 2) {
      out.Room(2 * v.size());
      for (char c : v) {
        if (c == q) out.Put(q);
        out.Put(c);
      }
    } else {
      out.Put(v);
    }
    if (quote) out.Put(q);
    return;
  }
  bool special = false;
  for (unsigned char c : v)
    if (FSpecial[c]) {
      special = true;
      break;
    }
  if (!special) {
    if (QuoteAllFields) out.Put(QuoteChar);
    out.Put(v);
    if (QuoteAllFields) out.Put(QuoteChar);
    return;
  }
  bool quote = listTest ? NeedsQuotesList(v) : NeedsQuotesPlain(v);
  const bool hasQuote = Contains(v, QuoteChar);
  if (hasQuote) quote = true;
  if (quote) out.Put(QuoteChar);
  if (hasQuote) {
    size_t start = 0;
    for (size_t hit = v.find(QuoteChar); hit != std::string_view::npos; hit = v.find(QuoteChar, start)) {
      out.Put(v.substr(start, hit - start));
      out.Put(QuoteChar);
      out.Put(QuoteChar);
      start = hit + QuoteChar.size();
    }
    out.Put(v.substr(start));
  } else {
    out.Put(v);
  }
  if (quote) out.Put(QuoteChar);
}

void TQuoteObj::Write(TTextBuffer& out, const TStrArray2D& table, TSeparatorSource& src, bool listTest) {
  PrepareByteTable();
  auto nextLine = [&]() -> const std::string& {
    static const std::string kNone;
    if (!src.LineBreaks) return SeparatorLines;
    const TStrArray& list = *src.LineBreaks;
    if (list.empty()) return kNone;
    if (src.LineIndex >= list.size()) src.LineIndex = 0;
    return list[src.LineIndex++];
  };
  auto nextField = [&]() -> const std::string& {
    static const std::string kNone;
    if (!src.FieldSeparators) return SeparatorFields;
    const TStrArray2D& rows = *src.FieldSeparators;
    if (rows.empty()) return kNone;
    if (src.Row >= static_cast<std::ptrdiff_t>(rows.size())) src.Row = 0;
    const TStrArray& row = rows[static_cast<size_t>(src.Row)];
    if (row.empty()) return kNone;
    if (src.Pos >= row.size()) src.Pos = 0;
    return row[src.Pos++];
  };

  static const std::string kEmpty;
  for (size_t r = 0; r < table.size(); ++r) {
    ++src.Row;
    const TStrArray& row = table[r];
    const size_t cells = std::max(row.size(), PadRowsTo);
    if (cells == 0) {
      out.Put(nextLine());
      out.Checkpoint();
      continue;
    }
    const TStrArray* above = (ShortenDataSets && r > 0) ? &table[r - 1] : nullptr;
    for (size_t c = 0; c < cells; ++c) {
      // Cells past the end of a short row are empty.
      const std::string& cell = c < row.size() ? row[c] : kEmpty;
      const bool same = above && cell == (c < above->size() ? (*above)[c] : kEmpty);
      const std::string& field = same ? kEmpty : cell;
      if (cells == 1 && field.empty())
        // The only field of its row, empty: an empty line, which readers skip
        // or take for no field at all, unless it is quoted.
        out.Put(QuoteChar + QuoteChar);
      else
        AppendField(out, field, listTest);
      if (c + 1 < cells)
        out.Put(nextField());
      else if (r + 1 < table.size())
        out.Put(nextLine());
    }
    out.Checkpoint();
  }
}

size_t TQuoteObj::EstimateSize(const TStrArray2D& table) const {
  // The size from rows spread over the table: reading every cell twice costs
  // more than the buffer growing once where the guess was short.
  size_t estimate = 4096;
  if (!table.empty()) {
    const size_t step = std::max<size_t>(1, table.size() / 1024);
    size_t sampled = 0, bytes = 0;
    for (size_t r = 0; r < table.size(); r += step, ++sampled) {
      bytes += 1 + SeparatorLines.size();
      for (const auto& cell : table[r]) bytes += cell.size() + 1 + SeparatorFields.size();
    }
    estimate += bytes / sampled * table.size() / 8 * 9;
  }
  return estimate;
}

template <typename TWriteInto>
std::string TQuoteObj::AsString(const TStrArray2D& table, TWriteInto&& writeInto) {
  return TextWrittenBy(writeInto, EstimateSize(table));
}

void TQuoteObj::WriteTable(TTextBuffer& out, const TStrArray2D& table) {
  TSeparatorSource src;
  Write(out, table, src, false);
}

void TQuoteObj::WriteTable(TTextBuffer& out, const TStrArray2D& table, const TStrArray& lineBreaks) {
  if (lineBreaks.size() < 2) {
    SeparatorLines = lineBreaks.empty() ? std::string() : lineBreaks[0];
    WriteTable(out, table);
    return;
  }
  SetMultiSeparators(lineBreaks, {});
  TSeparatorSource src;
  src.LineBreaks = &lineBreaks;
  Write(out, table, src, true);
}

void TQuoteObj::WriteTable(TTextBuffer& out, const TStrArray2D& table, const TStrArray2D& fieldSeparators) {
  if (fieldSeparators.empty() || fieldSeparators[0].empty()) {
    SeparatorFields.clear();
    WriteTable(out, table);
    return;
  }
  SetMultiSeparators({}, fieldSeparators);
  TSeparatorSource src;
  src.FieldSeparators = &fieldSeparators;
  Write(out, table, src, true);
}

void TQuoteObj::WriteTable(TTextBuffer& out, const TStrArray2D& table, const TStrArray& lineBreaks,
                           const TStrArray2D& fieldSeparators) {
  const bool fieldsUsable = !fieldSeparators.empty() && !fieldSeparators[0].empty();
  const bool linesUsable = lineBreaks.size() >= 2;
  if (linesUsable && fieldsUsable) {
    SetMultiSeparators(lineBreaks, fieldSeparators);
    TSeparatorSource src;
    src.LineBreaks = &lineBreaks;
    src.FieldSeparators = &fieldSeparators;
    Write(out, table, src, true);
    return;
  }
  if (!linesUsable) {
    SeparatorLines = lineBreaks.empty() ? std::string() : lineBreaks[0];
    if (!fieldsUsable) {
      SeparatorFields.clear();
      WriteTable(out, table);
      return;
    }
    WriteTable(out, table, fieldSeparators);
    return;
  }
  SeparatorFields.clear();
  WriteTable(out, table, lineBreaks);
}

std::string TQuoteObj::StrArray2DToStr(const TStrArray2D& table) {
  return AsString(table, [&](TTextBuffer& out) { WriteTable(out, table); });
}

std::string TQuoteObj::StrArray2DToStr(const TStrArray2D& table, const TStrArray& lineBreaks) {
  return AsString(table, [&](TTextBuffer& out) { WriteTable(out, table, lineBreaks); });
}

std::string TQuoteObj::StrArray2DToStr(const TStrArray2D& table, const TStrArray2D& fieldSeparators) {
  return AsString(table, [&](TTextBuffer& out) { WriteTable(out, table, fieldSeparators); });
}

std::string TQuoteObj::StrArray2DToStr(const TStrArray2D& table, const TStrArray& lineBreaks,
                                       const TStrArray2D& fieldSeparators) {
  return AsString(table, [&](TTextBuffer& out) { WriteTable(out, table, lineBreaks, fieldSeparators); });
}
