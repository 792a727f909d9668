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

std::string TDocBaseSpreadsheetMinimal::SheetNameForFile() const { return ValidSheetName(SheetName); }

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

std::string ValidSheetName(std::string_view name) {
  constexpr size_t kMaxUnits = 31;
  std::string out;
  size_t units = 0;
  size_t pos = 0;
  while (pos < name.size() && units < kMaxUnits) {
    const size_t start = pos;
    const char32_t cp = UTF8DecodeAt(name, pos);
    const size_t width = cp >= 0x10000 ? 2 : 1;
    if (units + width > kMaxUnits) break;
    units += width;
    // Control characters too: TAB, CR and LF would come back as blanks, the
    // others cannot be written in XML at all.
    if (cp < 0x20 || (cp < 0x80 && std::string_view("[]:*?/\\").find(static_cast<char>(cp)) != std::string_view::npos))
      out += '_';
    else
      out.append(name.substr(start, pos - start));
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
