#include "foundation/doc_txt.h"

#include "foundation/utf8.h"

namespace {

// The repeated pattern cut to exactly `length` characters.
std::string RepeatToLength(const std::string& pattern, size_t length) {
  std::string out;
  size_t patternChars = UTF8Length(pattern);
  if (length == 0 || patternChars == 0) return out;
  size_t whole = length / patternChars;
  out.reserve(pattern.size() * (whole + 1));
  for (size_t i = 0; i < whole; ++i) out += pattern;
  size_t rest = length % patternChars;
  out.append(pattern, 0, UTF8CharToByteIndex(pattern, rest));
  return out;
}

}  // namespace

void TDocTXT::SetDividers(const TIntArray& dividers) { Dividers = dividers; }

void TDocTXT::SetColAlignment(int32_t col, int32_t alignment) {
  if (col < 0 || alignment < taLeftJustify || alignment > taCenter) return;
  auto& items = ColumnAlignments.Items;
  if (static_cast<size_t>(col) >= items.size()) items.resize(static_cast<size_t>(col) + 1, 0);
  items[static_cast<size_t>(col)] = alignment;
}

int32_t TDocTXT::GetColAlignment(int32_t col) const {
  if (col < 0 || col >= ColumnAlignments.Count()) return taLeftJustify;
  int32_t a = ColumnAlignments.Items[static_cast<size_t>(col)];
  return (a == taRightJustify || a == taCenter) ? a : taLeftJustify;
}

void TDocTXT::CalcColumWidths(const TStrArray2D& table) {
  for (const auto& row : table)
    for (size_t c = 0; c < row.size(); ++c)
      ColumnWidths.UpdateIfLarger(static_cast<int32_t>(c), static_cast<int32_t>(UTF8Length(row[c])));
}

void TDocTXT::AddTable(const TStrArray2D& table) {
  CalcColumWidths(table);

  std::string dividerLine;
  size_t nextDivider = 0;
  if (!Dividers.empty()) {
    int64_t length = 0;
    for (int32_t w : ColumnWidths.Items) length += w;
    if (ColumnWidths.Count() > 0) length += 2 * (static_cast<int64_t>(ColumnWidths.Count()) - 1);
    if (length > 0) dividerLine = RepeatToLength(DividerChar, static_cast<size_t>(length));
  }

  for (size_t r = 0; r < table.size(); ++r) {
    if (nextDivider < Dividers.size() && Dividers[nextDivider] >= 0 &&
        static_cast<size_t>(Dividers[nextDivider]) == r) {
      AsText += dividerLine;
      AsText += '\n';
      ++nextDivider;
    }
    const auto& row = table[r];
    for (size_t c = 0; c < row.size(); ++c) {
      if (c > 0) AsText += "  ";
      const std::string& cell = row[c];
      int64_t shortfall = static_cast<int64_t>(ColumnWidths.Items[c]) - static_cast<int64_t>(UTF8Length(cell));
      if (shortfall <= 0) {
        AsText += cell;
        continue;
      }
      auto pad = static_cast<size_t>(shortfall);
      switch (GetColAlignment(static_cast<int32_t>(c))) {
        case taRightJustify:
          AsText.append(pad, ' ');
          AsText += cell;
          break;
        case taCenter:
          AsText.append(pad / 2, ' ');
          AsText += cell;
          AsText.append(pad - pad / 2, ' ');
          break;
        default: AsText += cell; AsText.append(pad, ' ');
      }
    }
    AsText += '\n';
  }
}
