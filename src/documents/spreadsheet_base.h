// What the spreadsheet writers share: per-column specifications (how wide,
// how aligned, what kind of data) and the base that holds the table and the
// options both the XLSX and the ODS writer understand.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/types.h"

// Stored numbers; they do not change.
enum TCSWidthType : int32_t { csWidthDefault = 0, csWidthDynamic = 1, csWidthFixed = 2 };
enum TCSAlignment : int32_t {
  csAlignDefault = 0,
  csAlignLeft = 1,
  csAlignCenter = 2,
  csAlignRight = 3,
  csAlignJustify = 4
};
enum TCSDataType : int32_t {
  csDataDefault = 0,
  csDataDynamic = 1,
  csDataStr = 2,
  csDataNumber = 3,
  csDataPercentage = 4,
  csDataDate = 5,
  csDataBoolean = 6,
  csDataFormula = 7,
};

struct TCSColumnRec {
  TCSWidthType WidthType = csWidthDefault;
  // Only for csWidthFixed: XLSX writes 5 x Width characters, ODS Width centimetres.
  double Width = 0.0;
  TCSAlignment Alignment = csAlignDefault;
  TCSDataType DataType = csDataDefault;
};
using TCSColumnRecArr = std::vector<TCSColumnRec>;
using TCSDataTypeArr = std::vector<TCSDataType>;
using TCSAlignmentArr = std::vector<TCSAlignment>;

// The rows one sheet holds in an XLSX or ODS file; readers stop there.
inline constexpr size_t kSpreadsheetSheetRows = 1048576;

// The sheets a table of rowCount rows takes when a sheet holds rowsPerSheet
// rows and each begins with the table's first headerRows rows: 1 for a table
// that fits, an empty one included.
int32_t SpreadsheetSheetCount(size_t rowCount, size_t headerRows = 0, size_t rowsPerSheet = kSpreadsheetSheetRows);

// One record per table column from the left; columns beyond Count have none.
class TColumnSpecificationObj {
 public:
  const TCSColumnRecArr& Columns() const { return FColumns; }
  int32_t Count() const { return static_cast<int32_t>(FColumns.size()); }
  void Clear() { FColumns.clear(); }

  // Returns the new record's index.
  int32_t AddColumn(TCSDataType dataType, TCSWidthType widthType, TCSAlignment alignment, double width);
  // false with csWidthDefault and 0 for an index without a record.
  bool GetColWidth(int32_t index, TCSWidthType& widthType, double& width) const;
  TCSAlignment GetColAlignment(int32_t index, TCSAlignment def) const;
  bool ContainsColumnsWidthSpecifications() const;
  bool ContainsColumnsAlignmentSpecifications() const;
  // The XLSX writer needs its style part for alignments, percentages and dates.
  bool RequiresStylesMS() const;
  // Becomes a copy of source's records.
  void Apply(const TColumnSpecificationObj& source);

 private:
  TCSColumnRecArr FColumns;
};

class TDocBaseSpreadsheetMinimal {
 public:
  TDocBaseSpreadsheetMinimal() = default;
  virtual ~TDocBaseSpreadsheetMinimal() = default;
  TDocBaseSpreadsheetMinimal(const TDocBaseSpreadsheetMinimal&) = delete;
  TDocBaseSpreadsheetMinimal& operator=(const TDocBaseSpreadsheetMinimal&) = delete;

  // Columns of the default type or without a record hold numbers or texts, decided per cell.
  bool DynamicCellFormat = false;
  // Columns without a record get a width from their longest text.
  bool DynamicColumnWidth = false;
  // Cells holding one web-page link (<a href="…">text</a>) become hyperlinks.
  bool CreateLinks = false;
  TColumnSpecificationObj& ColumnSpecifications() { return FColumnSpecifications; }
  const TColumnSpecificationObj& ColumnSpecifications() const { return FColumnSpecifications; }
  // Rows frozen at the top and columns frozen at the left; 0 for none.
  int32_t FreezePositionVertical = 0;
  int32_t FreezePositionHorizontal = 0;
  int32_t Zoom = 100;
  std::string SheetName = "Sheet";
  // Rows at the top of the table that head every sheet. A table longer than
  // a sheet goes on on further sheets, each beginning with these rows.
  int32_t HeaderRowCount = 0;
  // The rows a sheet holds, its header rows included.
  size_t RowsPerSheet = kSpreadsheetSheetRows;

  void SetContent(const TStrArray2D& table);
  // Takes the rows over without copying them (for large tables).
  void SetContent(TStrArray2D&& table);
  // Writes from the caller's rows without copying them; they must stay
  // unchanged until the writer is saved. Rows shorter than the longest count
  // as padded with empty cells, as if SetContent had padded them.
  void UseContent(const TStrArray2D& table);
  // Appends the rows; every row is then padded to the longest one.
  void AddContent(const TStrArray2D& table);
  // The rows written; the caller's own after UseContent.
  const TStrArray2D& Content() const { return *FTable; }
  // The sheets the table is written on.
  int32_t SheetCount() const;
  // The name of sheet number sheet (from 1) as spreadsheet programs accept
  // it: SheetName made valid (ValidSheetName) for the first, the same with
  // " (2)", " (3)", … for the further ones, cut to fit and never the same as
  // another sheet's name.
  std::string SheetNameForFile(int32_t sheet = 1) const;

  void GetDataTypeArrForColumns(TCSDataTypeArr& types) const;
  void GetAlignmentArrForColumns(TCSAlignmentArr& alignments) const;
  // A percentage ("12,5 %") or a plain number ("7") as number text with "."
  // (0.125, 7), whatever the system's decimal separator is.
  static bool GetCellValuePercentage(std::string_view value, std::string& number);

 protected:
  // The column's width type: its record's, or for a column without one the
  // dynamic width when DynamicColumnWidth is set.
  TCSWidthType ColumnWidthType(int32_t column, double& width) const;
  // The longest text of the column in characters (tags removed with CreateLinks).
  int32_t LongestTextInColumn(int32_t column) const;
  // The number of cells of the longest row.
  int32_t ColumnCountOfContent() const { return FColumns; }
  // The rows of a sheet (from 1), in order: the table's rows [0, Header),
  // then its rows [First, End).
  struct TSheetRows {
    size_t Header = 0;
    size_t First = 0;
    size_t End = 0;
    size_t Count() const { return Header + End - First; }
  };
  TSheetRows RowsOfSheet(int32_t sheet) const;
  // Calls row(table row) for each row of the sheet, in order.
  template <typename TRowWriter>
  void ForEachRowOfSheet(int32_t sheet, TRowWriter&& row) const {
    const TSheetRows rows = RowsOfSheet(sheet);
    const TStrArray2D& table = Content();
    for (size_t r = 0; r < rows.Header; ++r) row(table[r]);
    for (size_t r = rows.First; r < rows.End; ++r) row(table[r]);
  }

 private:
  void PadRows();
  // Makes the rows the writer's own before they change.
  void TakeOverContent();

  TStrArray2D FContent;
  const TStrArray2D* FTable = &FContent;
  int32_t FColumns = 0;
  TColumnSpecificationObj FColumnSpecifications;
};

// True when the text is a number a spreadsheet file may carry as a value:
// optional blanks, sign, digits with an optional "." part, optional exponent,
// within the range of a double (readers refuse "1e400" or make it infinite).
bool IsSpreadsheetNumber(std::string_view text);

// A sheet name that spreadsheet programs open under that same name: each of
// []:*?/\ and each control character (TAB, LF, CR included) becomes "_", the name is cut to 31 characters (counted in
// UTF-16 units, as they count), apostrophes at its ends are dropped, and a name left empty becomes "Sheet".
std::string ValidSheetName(std::string_view name);

// The parts of a cell holding one web-page link: the text before the link,
// the link target, the link text and the text after it. false when the cell
// holds no complete link.
struct TCellLink {
  std::string Before;
  std::string Target;
  std::string LinkText;
  std::string After;
};
bool SplitCellLink(const std::string& text, TCellLink& link);
// True when the text holds the opening, the separator and the closing tag of a link.
bool HasLinkMarkers(std::string_view text);
