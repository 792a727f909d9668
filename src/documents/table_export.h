// The one object through which a table of texts is saved as CSV, XLSX, ODS or
// DIF: it keeps the table rectangular, carries the CSV parameters and the
// options it hands to the spreadsheet writers.
#pragma once

#include <cstdint>
#include <string>

#include "documents/spreadsheet_base.h"
#include "foundation/number_format.h"
#include "foundation/param_managers.h"
#include "foundation/types.h"

class TTextBuffer;

class TDocCSV {
 public:
  // fmt decides the default field separator (";" under a decimal comma).
  explicit TDocCSV(const NumberFormat& fmt = GlobalNumberFormat());
  ~TDocCSV();
  TDocCSV(const TDocCSV&) = delete;
  TDocCSV& operator=(const TDocCSV&) = delete;

  // Cells of the first row (0 without rows); for a used table, of its longest row.
  int32_t ColumnCount() const;
  // Resizes every row to n cells; on an empty table only remembers n for SetLineCount.
  void SetColumnCount(int32_t n);
  int32_t LineCount() const { return static_cast<int32_t>(FTable->size()); }
  // Resizes the table to n rows of the last column count set.
  void SetLineCount(int32_t n);

  bool WriteBOM = false;
  int32_t Encoding = 65001;
  TLineBreakManagerObj& SeparatorLines() { return FSeparatorLines; }
  TCSVParamSetObj& SeparatorFields() { return FSeparatorFields; }
  TCSVParamSetObj& QuoteCharacter() { return FQuoteCharacter; }
  TStoredMixedCSVSeparatorsObj& StoredMixedCSVSeparatorsObj() { return FStoredMixedCSVSeparators; }
  bool QuoteAllFields = false;
  bool QuoteOnlyIfNecessary() const { return !QuoteAllFields; }
  void SetQuoteOnlyIfNecessary(bool value) { QuoteAllFields = !value; }
  // Rows added are shortened data sets: an empty cell repeats the cell above.
  bool ShortenedDataSetRead = false;
  // The CSV text writes a cell equal to the cell above as an empty field.
  bool ShortenedDataSetWrite = false;
  bool SpreadSheetExportDynamicCellFormat = false;
  bool SpreadSheetExportDynamicColumnWidth = false;
  TColumnSpecificationObj& SpreadSheetColumnSpecifications() { return FSpreadSheetColumnSpecifications; }

  // Appends rows; the table is widened to the widest row and narrower rows padded.
  void AddTable(const TStrArray2D& rows);
  // Makes the caller's rows the table without copying them, for saving large
  // tables: they must stay unchanged until the last save. The files are the
  // same as after Clear and AddTable (short rows count as padded with empty
  // cells); a later change of the table first makes a copy of its own.
  void UseTable(const TStrArray2D& rows);
  void ShortenDataSets(bool expand);
  // Empties the table and the stored separators; parameters and options stay.
  void Clear();
  // The table; after UseTable the caller's rows, each with its own length.
  const TStrArray2D& Content() const { return *FTable; }

  std::string AsText();
  // The same text written into a buffer, which may stream it on row by row.
  void WriteText(TTextBuffer& out);
  // False, with EINVAL as the reason and no file written, for a quote of
  // more than one character.
  bool SaveToFileCSV(const std::string& fileName);
  bool SaveToFileXLSX(const std::string& fileName);
  bool SaveToFileODS(const std::string& fileName);
  bool SaveToFileDIF(const std::string& fileName);

 private:
  // Makes a used table the hub's own (padded) before it changes.
  void TakeOverTable();

  TStrArray2D FContent;
  // FContent, or the caller's rows after UseTable.
  const TStrArray2D* FTable = &FContent;
  // The longest row of a used table.
  size_t FUsedWidth = 0;
  int32_t FColumnCount = 0;
  TLineBreakManagerObj FSeparatorLines;
  TCSVParamSetObj FSeparatorFields;
  TCSVParamSetObj FQuoteCharacter;
  TStoredMixedCSVSeparatorsObj FStoredMixedCSVSeparators;
  TColumnSpecificationObj FSpreadSheetColumnSpecifications;
};
