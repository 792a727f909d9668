#include "documents/spreadsheet_base.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

#include "foundation/number_format.h"
#include "foundation/str_arrays.h"
#include "foundation/str_transform.h"
#include "foundation/utf8.h"

namespace {

constexpr std::string_view kLinkOpen = "<a href=\"";
constexpr std::string_view kLinkSeparator = "\">";
constexpr std::string_view kLinkClose = "</a>";

// Percentages and numbers are written for the file, never for the screen.
const NumberFormat& FileNumberFormat() {
  static const NumberFormat fmt{".", ","};
  return fmt;
}

// Spreadsheet programs count a sheet name in UTF-16 units.
constexpr size_t kSheetNameUnits = 31;

// The longest start of the text, in whole characters, that takes at most
// maxUnits UTF-16 units.
std::string_view LeadingUTF16Units(std::string_view text, size_t maxUnits) {
  size_t units = 0, pos = 0, end = 0;
  while (pos < text.size()) {
    const char32_t cp = UTF8DecodeAt(text, pos);
    units += cp >= 0x10000 ? 2 : 1;
    if (units > maxUnits) break;
    end = pos;
  }
  return text.substr(0, end);
}

// How the rows of a table are shared out over its sheets: the header rows
// that begin every sheet and the rows of its own that each sheet holds.
struct TSheetSplit {
  size_t Header;
  size_t PerSheet;
};

TSheetSplit SplitIntoSheets(size_t rowCount, size_t headerRows, size_t rowsPerSheet) {
  rowsPerSheet = std::max<size_t>(rowsPerSheet, 1);
  // Every sheet keeps room for one row of its own at least.
  const size_t header = std::min({headerRows, rowCount, rowsPerSheet - 1});
  return {header, rowsPerSheet - header};
}

std::string_view TrimControls(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return s.substr(b, e - b);
}

}  // namespace

// --- TColumnSpecificationObj ------------------------------------------------

int32_t TColumnSpecificationObj::AddColumn(TCSDataType dataType, TCSWidthType widthType, TCSAlignment alignment,
                                           double width) {
  TCSColumnRec rec;
  rec.DataType = dataType;
  rec.WidthType = widthType;
  rec.Alignment = alignment;
  rec.Width = width;
  FColumns.push_back(rec);
  return Count() - 1;
}

bool TColumnSpecificationObj::GetColWidth(int32_t index, TCSWidthType& widthType, double& width) const {
  if (index >= 0 && index < Count()) {
    widthType = FColumns[static_cast<size_t>(index)].WidthType;
    width = FColumns[static_cast<size_t>(index)].Width;
    return true;
  }
  widthType = csWidthDefault;
  width = 0.0;
  return false;
}

TCSAlignment TColumnSpecificationObj::GetColAlignment(int32_t index, TCSAlignment def) const {
  if (index >= 0 && index < Count()) return FColumns[static_cast<size_t>(index)].Alignment;
  return def;
}

bool TColumnSpecificationObj::ContainsColumnsWidthSpecifications() const {
  return std::any_of(FColumns.begin(), FColumns.end(),
                     [](const TCSColumnRec& r) { return r.WidthType != csWidthDefault; });
}

bool TColumnSpecificationObj::ContainsColumnsAlignmentSpecifications() const {
  return std::any_of(FColumns.begin(), FColumns.end(),
                     [](const TCSColumnRec& r) { return r.Alignment != csAlignDefault; });
}

bool TColumnSpecificationObj::RequiresStylesMS() const {
  return std::any_of(FColumns.begin(), FColumns.end(), [](const TCSColumnRec& r) {
    return r.Alignment != csAlignDefault || r.DataType == csDataPercentage || r.DataType == csDataDate;
  });
}

void TColumnSpecificationObj::Apply(const TColumnSpecificationObj& source) {
  if (&source != this) FColumns = source.FColumns;
}

// --- TDocBaseSpreadsheetMinimal -----------------------------------------------

void TDocBaseSpreadsheetMinimal::SetContent(const TStrArray2D& table) {
  FTable = &FContent;
  FContent.clear();
  AddContent(table);
}

void TDocBaseSpreadsheetMinimal::SetContent(TStrArray2D&& table) {
  FTable = &FContent;
  FContent = std::move(table);
  PadRows();
}

void TDocBaseSpreadsheetMinimal::UseContent(const TStrArray2D& table) {
  FContent.clear();
  FTable = &table;
  size_t widest = 0;
  for (const auto& row : table) widest = std::max(widest, row.size());
  FColumns = static_cast<int32_t>(std::min<size_t>(widest, INT32_MAX));
}

void TDocBaseSpreadsheetMinimal::TakeOverContent() {
  if (FTable == &FContent) return;
  FContent = *FTable;
  FTable = &FContent;
}

void TDocBaseSpreadsheetMinimal::AddContent(const TStrArray2D& table) {
  TakeOverContent();
  FContent.insert(FContent.end(), table.begin(), table.end());
  PadRows();
}

void TDocBaseSpreadsheetMinimal::PadRows() {
  size_t widest = 0;
  for (const auto& row : FContent) widest = std::max(widest, row.size());
  for (auto& row : FContent)
    if (row.size() < widest) row.resize(widest);
  FColumns = static_cast<int32_t>(std::min<size_t>(widest, INT32_MAX));
}

void TDocBaseSpreadsheetMinimal::GetDataTypeArrForColumns(TCSDataTypeArr& types) const {
  types.assign(static_cast<size_t>(ColumnCountOfContent()), DynamicCellFormat ? csDataDynamic : csDataDefault);
  const auto& recs = FColumnSpecifications.Columns();
  for (size_t i = 0; i < types.size() && i < recs.size(); ++i)
    if (recs[i].DataType != csDataDefault) types[i] = recs[i].DataType;
}

void TDocBaseSpreadsheetMinimal::GetAlignmentArrForColumns(TCSAlignmentArr& alignments) const {
  alignments.assign(static_cast<size_t>(ColumnCountOfContent()), csAlignDefault);
  const auto& recs = FColumnSpecifications.Columns();
  for (size_t i = 0; i < alignments.size() && i < recs.size(); ++i)
    if (recs[i].Alignment != csAlignDefault) alignments[i] = recs[i].Alignment;
}

bool TDocBaseSpreadsheetMinimal::GetCellValuePercentage(std::string_view value, std::string& number) {
  number.clear();
  const bool percent = value.find('%') != std::string_view::npos;
  std::string text;
  if (percent) {
    text.reserve(value.size());
    for (char c : value)
      if (c != '%') text.push_back(c);
  } else {
    text.assign(value);
  }
  double v = 0;
  if (!StrToFloat_AllSeparatorsCheck(TrimControls(text), v, FileNumberFormat())) return false;
  // A value beyond the range of a double would be written as no number at all.
  if (!std::isfinite(v) || !std::isfinite(v / 100.0)) return false;
  number = FormatFloatGeneral(percent ? v / 100.0 : v, FileNumberFormat());
  return true;
}

int32_t TDocBaseSpreadsheetMinimal::SheetCount() const {
  return SpreadsheetSheetCount(FTable->size(), static_cast<size_t>(std::max(HeaderRowCount, 0)), RowsPerSheet);
}

TDocBaseSpreadsheetMinimal::TSheetRows TDocBaseSpreadsheetMinimal::RowsOfSheet(int32_t sheet) const {
  const size_t rowCount = FTable->size();
  const TSheetSplit split = SplitIntoSheets(rowCount, static_cast<size_t>(std::max(HeaderRowCount, 0)), RowsPerSheet);
  const size_t index = static_cast<size_t>(std::clamp(sheet, 1, SheetCount()) - 1);
  TSheetRows rows;
  rows.Header = split.Header;
  rows.First = std::min(rowCount, split.Header + index * split.PerSheet);
  rows.End = std::min(rowCount, rows.First + split.PerSheet);
  return rows;
}

std::string TDocBaseSpreadsheetMinimal::SheetNameForFile(int32_t sheet) const {
  const std::string first = ValidSheetName(SheetName);
  if (sheet <= 1) return first;
  const std::string number = " (" + std::to_string(sheet) + ")";
  const size_t room = kSheetNameUnits - number.size();
  std::string name = std::string(LeadingUTF16Units(first, room)) + number;
  // A first name that ends in " (2)" would come back as the second one when
  // it is cut to make room for that number.
  if (name == first) name = std::string(LeadingUTF16Units(first, room - 1)) + number;
  return name;
}

TCSWidthType TDocBaseSpreadsheetMinimal::ColumnWidthType(int32_t column, double& width) const {
  TCSWidthType type = csWidthDefault;
  if (!FColumnSpecifications.GetColWidth(column, type, width))
    type = DynamicColumnWidth ? csWidthDynamic : csWidthDefault;
  return type;
}

int32_t TDocBaseSpreadsheetMinimal::LongestTextInColumn(int32_t column) const {
  if (CreateLinks) return LengthOfLongestStringWithStripedTags(*FTable, column);
  size_t longest = 0;
  for (const auto& row : *FTable)
    if (column >= 0 && static_cast<size_t>(column) < row.size())
      longest = std::max(longest, UTF8Length(row[static_cast<size_t>(column)]));
  return static_cast<int32_t>(std::min<size_t>(longest, INT32_MAX));
}

// --- Cell texts ---------------------------------------------------------------

bool IsSpreadsheetNumber(std::string_view text) {
  size_t i = 0, n = text.size();
  while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
  while (n > i && (text[n - 1] == ' ' || text[n - 1] == '\t')) --n;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < n && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  if (i != n) return false;
  // The form is right; the value must fit a double too.
  std::string_view numberText = text.substr(0, n);
  while (!numberText.empty() && (numberText.front() == ' ' || numberText.front() == '\t' || numberText.front() == '+'))
    numberText.remove_prefix(1);
  double value = 0;
  const auto result = std::from_chars(numberText.data(), numberText.data() + numberText.size(), value);
  return result.ec == std::errc() && std::isfinite(value);
}

int32_t SpreadsheetSheetCount(size_t rowCount, size_t headerRows, size_t rowsPerSheet) {
  const TSheetSplit split = SplitIntoSheets(rowCount, headerRows, rowsPerSheet);
  const size_t ownRows = rowCount - split.Header;
  const size_t sheets = ownRows == 0 ? 1 : (ownRows + split.PerSheet - 1) / split.PerSheet;
  return static_cast<int32_t>(std::min<size_t>(sheets, INT32_MAX));
}

std::string ValidSheetName(std::string_view name) {
  std::string out;
  // The refused characters are ASCII, which never occurs inside another
  // character's bytes. Control characters are refused too: TAB, CR and LF
  // would come back as blanks, the others cannot be written in XML at all.
  for (char c : LeadingUTF16Units(name, kSheetNameUnits)) {
    const bool refused =
        static_cast<unsigned char>(c) < 0x20 || std::string_view("[]:*?/\\").find(c) != std::string_view::npos;
    out += refused ? '_' : c;
  }
  size_t b = 0, e = out.size();
  while (b < e && out[b] == '\'') ++b;
  while (e > b && out[e - 1] == '\'') --e;
  out = out.substr(b, e - b);
  return out.empty() ? std::string("Sheet") : out;
}

bool HasLinkMarkers(std::string_view text) {
  return text.find(kLinkOpen) != std::string_view::npos && text.find(kLinkSeparator) != std::string_view::npos &&
         text.find(kLinkClose) != std::string_view::npos;
}

bool SplitCellLink(const std::string& text, TCellLink& link) {
  link = TCellLink();
  if (!HasLinkMarkers(text)) return false;
  std::string rest;
  if (!DivideStringInThreeParts(text, kLinkOpen, kLinkSeparator, link.Before, link.Target, rest, false)) return false;
  const size_t close = rest.find(kLinkClose);
  if (close == std::string::npos) return false;
  link.LinkText = rest.substr(0, close);
  link.After = rest.substr(close + kLinkClose.size());
  return true;
}
