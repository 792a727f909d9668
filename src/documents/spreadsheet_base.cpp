#include "documents/spreadsheet_base.h"

#include <algorithm>
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
  FContent.clear();
  AddContent(table);
}

void TDocBaseSpreadsheetMinimal::SetContent(TStrArray2D&& table) {
  FContent = std::move(table);
  PadRows();
}

void TDocBaseSpreadsheetMinimal::AddContent(const TStrArray2D& table) {
  FContent.insert(FContent.end(), table.begin(), table.end());
  PadRows();
}

void TDocBaseSpreadsheetMinimal::PadRows() {
  size_t widest = 0;
  for (const auto& row : FContent) widest = std::max(widest, row.size());
  for (auto& row : FContent)
    if (row.size() < widest) row.resize(widest);
}

int32_t TDocBaseSpreadsheetMinimal::ColumnCountOfContent() const {
  return FContent.empty() ? 0 : static_cast<int32_t>(FContent[0].size());
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
  number = FormatFloatGeneral(percent ? v / 100.0 : v, FileNumberFormat());
  return true;
}

TCSWidthType TDocBaseSpreadsheetMinimal::ColumnWidthType(int32_t column, double& width) const {
  TCSWidthType type = csWidthDefault;
  if (!FColumnSpecifications.GetColWidth(column, type, width))
    type = DynamicColumnWidth ? csWidthDynamic : csWidthDefault;
  return type;
}

int32_t TDocBaseSpreadsheetMinimal::LongestTextInColumn(int32_t column) const {
  if (CreateLinks) return LengthOfLongestStringWithStripedTags(FContent, column);
  size_t longest = 0;
  for (const auto& row : FContent)
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
  return i == n;
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
