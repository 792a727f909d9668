// Writer of tables of text as an aligned plain-text layout: every column as
// wide as its widest cell (in UTF-8 characters), cells padded left, right or
// centred, two blanks between columns, divider lines before chosen rows.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/containers_lists.h"
#include "foundation/types.h"

class TDocTXT {
 public:
  // The widget library's alignment values.
  static constexpr int32_t taLeftJustify = 0;
  static constexpr int32_t taRightJustify = 1;
  static constexpr int32_t taCenter = 2;

  TDocTXT() = default;

  // The text built so far.
  std::string AsText;
  // Repeated and cut to form divider lines.
  std::string DividerChar = "=";
  // Width of each column in UTF-8 characters; widths only grow.
  TIntArrayObj ColumnWidths;
  // Row indexes (ascending) before which a divider line is written.
  TIntArray Dividers;
  // Alignment by column index; a column without an entry is left-aligned.
  TIntArrayObj ColumnAlignments;

  void SetDividers(const TIntArray& dividers);
  // Stores 0, 1 or 2 for the column; any other value changes nothing.
  void SetColAlignment(int32_t col, int32_t alignment);
  int32_t GetColAlignment(int32_t col) const;
  void CalcColumWidths(const TStrArray2D& table);
  // Appends the table, laid out with the widths kept so far, to AsText.
  void AddTable(const TStrArray2D& table);
};
