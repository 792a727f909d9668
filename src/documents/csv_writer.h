// Turning a table of texts into CSV text: which fields need quotes, doubled
// quote characters, fixed separators or the separators a file with mixed line
// breaks and field separators had, row by row.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/types.h"

class TTextBuffer;

class TQuoteObj {
 public:
  TQuoteObj(std::string separatorLines, std::string separatorFields, std::string quoteChar, bool quoteAllFields);

  // Separators and the quote may be texts of any length; an empty quote
  // character means nothing is ever quoted. A row whose only field is empty
  // is written as two quote characters (an empty line without one).
  std::string SeparatorLines;
  std::string SeparatorFields;
  std::string QuoteChar;
  bool QuoteAllFields = false;
  // A cell equal to the cell above (as the table holds it) is written empty.
  bool ShortenDataSets = false;

  // The separators a field must not hold unquoted when the per-row lists are used.
  void SetMultiSeparators(const TStrArray& lineBreaks, const TStrArray2D& fieldSeparators);
  const TStrArray& MultiSeparators() const { return FSeparators; }

  // Rows with fewer cells are written as if padded with empty cells to this
  // many (a row without cells as well, when it is above 0).
  size_t PadRowsTo = 0;

  // Fixed separators; no line separator after the last row.
  std::string StrArray2DToStr(const TStrArray2D& table);
  // One line break per row, taken from the list in turn.
  std::string StrArray2DToStr(const TStrArray2D& table, const TStrArray& lineBreaks);
  // Field separators taken row by row from the stored rows.
  std::string StrArray2DToStr(const TStrArray2D& table, const TStrArray2D& fieldSeparators);
  std::string StrArray2DToStr(const TStrArray2D& table, const TStrArray& lineBreaks,
                              const TStrArray2D& fieldSeparators);
  // The same texts written into a buffer, which may stream them on row by row.
  void WriteTable(TTextBuffer& out, const TStrArray2D& table);
  void WriteTable(TTextBuffer& out, const TStrArray2D& table, const TStrArray& lineBreaks);
  void WriteTable(TTextBuffer& out, const TStrArray2D& table, const TStrArray2D& fieldSeparators);
  void WriteTable(TTextBuffer& out, const TStrArray2D& table, const TStrArray& lineBreaks,
                  const TStrArray2D& fieldSeparators);

 private:
  // Where the separators between fields and rows come from.
  struct TSeparatorSource;

  static void AddSeparatorUnique(TStrArray& list, const std::string& s);
  void PrepareByteTable();
  bool NeedsQuotesPlain(std::string_view v) const;
  bool NeedsQuotesList(std::string_view v) const;
  void AppendField(TTextBuffer& out, std::string_view v, bool listTest) const;
  void Write(TTextBuffer& out, const TStrArray2D& table, TSeparatorSource& source, bool listTest);
  size_t EstimateSize(const TStrArray2D& table) const;
  template <typename TWriteInto>
  std::string AsString(const TStrArray2D& table, TWriteInto&& writeInto);

  TStrArray FSeparators;
  // Bytes that may start something a field must be quoted for.
  bool FSpecial[256] = {};
  // With one-byte separators and quote the bytes alone decide: kind of each
  // byte (0 plain, 1 forces quotes, 2 the quote character).
  bool FSingleBytes = false;
  uint8_t FByteKind[256] = {};
};
