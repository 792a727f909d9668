#include "documents/table_export.h"

#include <algorithm>

#include "documents/csv_writer.h"
#include "documents/dif_writer.h"
#include "documents/ods_writer.h"
#include "documents/xlsx_writer.h"
#include "foundation/code_pages.h"
#include "foundation/str_arrays.h"
#include "foundation/text_files.h"

namespace {

// Reading settings: detect; writing settings: keep what was read.
constexpr uint32_t kParamAuto = 1;
constexpr uint32_t kParamKeep = 2;

template <typename TWriter>
bool SaveSpreadsheet(TWriter& writer, const TStrArray2D& content, bool dynamicCellFormat, bool dynamicColumnWidth,
                     const TColumnSpecificationObj& specs, const std::string& fileName) {
  writer.SetContent(content);
  writer.DynamicCellFormat = dynamicCellFormat;
  writer.DynamicColumnWidth = dynamicColumnWidth;
  writer.ColumnSpecifications().Apply(specs);
  return writer.SaveToFile(fileName);
}

}  // namespace

TDocCSV::TDocCSV(const NumberFormat& fmt)
    : FSeparatorLines(kParamAuto, kParamKeep),
      FSeparatorFields(kParamAuto, kParamKeep, csvFieldSeparator, fmt),
      FQuoteCharacter(kParamAuto, kParamKeep, csvQuote, fmt) {}

TDocCSV::~TDocCSV() { Clear(); }

int32_t TDocCSV::ColumnCount() const { return FContent.empty() ? 0 : static_cast<int32_t>(FContent[0].size()); }

void TDocCSV::SetColumnCount(int32_t n) {
  n = std::max(n, 0);
  for (auto& row : FContent) row.resize(static_cast<size_t>(n));
  FColumnCount = n;
}

void TDocCSV::SetLineCount(int32_t n) {
  FContent.resize(static_cast<size_t>(std::max(n, 0)));
  for (auto& row : FContent) row.resize(static_cast<size_t>(FColumnCount));
}

void TDocCSV::AddTable(const TStrArray2D& rows) {
  size_t width = static_cast<size_t>(ColumnCount());
  size_t widest = 0;
  for (const auto& row : rows) widest = std::max(widest, row.size());
  if (width < widest) {
    SetColumnCount(static_cast<int32_t>(std::min<size_t>(widest, INT32_MAX)));
    width = widest;
  }
  FContent.reserve(FContent.size() + rows.size());
  for (const auto& row : rows) {
    TStrArray added(width);
    std::copy(row.begin(), row.begin() + static_cast<ptrdiff_t>(std::min(row.size(), width)), added.begin());
    FContent.push_back(std::move(added));
  }
  if (ShortenedDataSetRead) ShortenDataSets(true);
}

void TDocCSV::ShortenDataSets(bool expand) { ShortenDataSetsInStrArray(FContent, expand); }

void TDocCSV::Clear() {
  FContent.clear();
  FStoredMixedCSVSeparators.Clear();
}

std::string TDocCSV::AsText() {
  if (FStoredMixedCSVSeparators.HasSeparators()) {
    const bool keepLines = FSeparatorLines.Write().Keep() && FSeparatorLines.LineBreakTypeForReadingIsArray();
    const bool keepFields = FSeparatorFields.Write().Keep() && FSeparatorFields.ParamTypeForReadingIsArray();
    if (keepLines || keepFields) {
      TQuoteObj quote("", "", FQuoteCharacter.GetCharsForWriting(), QuoteAllFields);
      quote.ShortenDataSets = ShortenedDataSetWrite;
      if (keepLines && keepFields)
        return quote.StrArray2DToStr(FContent, FStoredMixedCSVSeparators.LineBreaks(),
                                     FStoredMixedCSVSeparators.FieldSeparators());
      if (keepLines) {
        quote.SeparatorFields = FSeparatorFields.GetCharsForWriting();
        return quote.StrArray2DToStr(FContent, FStoredMixedCSVSeparators.LineBreaks());
      }
      quote.SeparatorLines = FSeparatorLines.GetLineBreakCharsForWriting();
      return quote.StrArray2DToStr(FContent, FStoredMixedCSVSeparators.FieldSeparators());
    }
  }
  TQuoteObj quote(FSeparatorLines.GetLineBreakCharsForWriting(), FSeparatorFields.GetCharsForWriting(),
                  FQuoteCharacter.GetCharsForWriting(), QuoteAllFields);
  quote.ShortenDataSets = ShortenedDataSetWrite;
  return quote.StrArray2DToStr(FContent);
}

bool TDocCSV::SaveToFileCSV(const std::string& fileName) {
  try {
    if (Encoding == cpUTF8 || Encoding == cpUTF8BOM) {
      // UTF-8 needs no conversion: the text is written as it is, without the
      // copy a conversion would make of a file of many megabytes.
      std::string bytes = AsText();
      if (WriteBOM) bytes.insert(0, CodePageBOM(Encoding));
      return WriteFileSafely(fileName, bytes) == TFileWriteResult::Written;
    }
    return SaveString(AsText(), fileName, Encoding, WriteBOM, false);
  } catch (const EFileError&) {
    // The old file is intact; the caller learns of the failure from the result.
    return false;
  }
}

bool TDocCSV::SaveToFileXLSX(const std::string& fileName) {
  TDocXLSXMinimal writer;
  return SaveSpreadsheet(writer, FContent, SpreadSheetExportDynamicCellFormat, SpreadSheetExportDynamicColumnWidth,
                         FSpreadSheetColumnSpecifications, fileName);
}

bool TDocCSV::SaveToFileODS(const std::string& fileName) {
  TDocODSMinimal writer;
  return SaveSpreadsheet(writer, FContent, SpreadSheetExportDynamicCellFormat, SpreadSheetExportDynamicColumnWidth,
                         FSpreadSheetColumnSpecifications, fileName);
}

bool TDocCSV::SaveToFileDIF(const std::string& fileName) {
  TDocDIF writer;
  writer.SetContent(FContent);
  writer.Encoding = Encoding;
  return writer.SaveToFile(fileName);
}
