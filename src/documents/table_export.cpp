#include "documents/table_export.h"

#include <algorithm>
#include <cerrno>

#include "documents/csv_writer.h"
#include "documents/dif_writer.h"
#include "documents/ods_writer.h"
#include "documents/table_export_buffer.h"
#include "documents/xlsx_writer.h"
#include "foundation/code_pages.h"
#include "foundation/posix_files.h"
#include "foundation/str_arrays.h"
#include "foundation/text_files.h"
#include "foundation/utf8.h"

namespace {

// Reading settings: detect; writing settings: keep what was read.
constexpr uint32_t kParamAuto = 1;
constexpr uint32_t kParamKeep = 2;

template <typename TWriter>
bool SaveSpreadsheet(TWriter& writer, const TStrArray2D& content, bool dynamicCellFormat, bool dynamicColumnWidth,
                     const TColumnSpecificationObj& specs, const std::string& fileName) {
  // The writer reads the hub's rows; nothing is copied.
  writer.UseContent(content);
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

int32_t TDocCSV::ColumnCount() const {
  if (FTable->empty()) return 0;
  const size_t width = FTable == &FContent ? FContent[0].size() : FUsedWidth;
  return static_cast<int32_t>(std::min<size_t>(width, INT32_MAX));
}

void TDocCSV::TakeOverTable() {
  if (FTable == &FContent) return;
  FContent.reserve(FTable->size());
  for (const TStrArray& row : *FTable) {
    TStrArray& own = FContent.emplace_back(row);
    own.resize(FUsedWidth);
  }
  FTable = &FContent;
}

void TDocCSV::SetColumnCount(int32_t n) {
  TakeOverTable();
  n = std::max(n, 0);
  for (auto& row : FContent) row.resize(static_cast<size_t>(n));
  FColumnCount = n;
}

void TDocCSV::SetLineCount(int32_t n) {
  TakeOverTable();
  FContent.resize(static_cast<size_t>(std::max(n, 0)));
  for (auto& row : FContent) row.resize(static_cast<size_t>(FColumnCount));
}

void TDocCSV::AddTable(const TStrArray2D& rows) {
  TakeOverTable();
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

void TDocCSV::UseTable(const TStrArray2D& rows) {
  Clear();
  size_t widest = 0;
  for (const auto& row : rows) widest = std::max(widest, row.size());
  FUsedWidth = std::min<size_t>(widest, INT32_MAX);
  // AddTable on an empty table sets the column count to the widest row.
  if (FUsedWidth > 0) FColumnCount = static_cast<int32_t>(FUsedWidth);
  FTable = &rows;
  if (ShortenedDataSetRead) ShortenDataSets(true);
}

void TDocCSV::ShortenDataSets(bool expand) {
  TakeOverTable();
  ShortenDataSetsInStrArray(FContent, expand);
}

void TDocCSV::Clear() {
  FContent.clear();
  FTable = &FContent;
  FStoredMixedCSVSeparators.Clear();
}

std::string TDocCSV::AsText() {
  return TextWrittenBy([this](TTextBuffer& out) { WriteText(out); });
}

void TDocCSV::WriteText(TTextBuffer& out) {
  const TStrArray2D& table = *FTable;
  const size_t width = static_cast<size_t>(ColumnCount());
  if (FStoredMixedCSVSeparators.HasSeparators()) {
    const bool keepLines = FSeparatorLines.Write().Keep() && FSeparatorLines.LineBreakTypeForReadingIsArray();
    const bool keepFields = FSeparatorFields.Write().Keep() && FSeparatorFields.ParamTypeForReadingIsArray();
    if (keepLines || keepFields) {
      TQuoteObj quote("", "", FQuoteCharacter.GetCharsForWriting(), QuoteAllFields);
      quote.ShortenDataSets = ShortenedDataSetWrite;
      quote.PadRowsTo = width;
      if (keepLines && keepFields) {
        quote.WriteTable(out, table, FStoredMixedCSVSeparators.LineBreaks(),
                         FStoredMixedCSVSeparators.FieldSeparators());
        return;
      }
      if (keepLines) {
        quote.SeparatorFields = FSeparatorFields.GetCharsForWriting();
        quote.WriteTable(out, table, FStoredMixedCSVSeparators.LineBreaks());
        return;
      }
      quote.SeparatorLines = FSeparatorLines.GetLineBreakCharsForWriting();
      quote.WriteTable(out, table, FStoredMixedCSVSeparators.FieldSeparators());
      return;
    }
  }
  TQuoteObj quote(FSeparatorLines.GetLineBreakCharsForWriting(), FSeparatorFields.GetCharsForWriting(),
                  FQuoteCharacter.GetCharsForWriting(), QuoteAllFields);
  quote.ShortenDataSets = ShortenedDataSetWrite;
  quote.PadRowsTo = width;
  quote.WriteTable(out, table);
}

bool TDocCSV::SaveToFileCSV(const std::string& fileName) {
  // A quote of several characters cannot always be told apart from the
  // field's text: with "\"\"" the field a" ends in three quotes, of which a
  // reader cannot say which close it. No reader takes such a quote either.
  if (UTF8Length(FQuoteCharacter.GetCharsForWriting()) > 1) {
    SetLastFileWriteError(EINVAL);
    return false;
  }
  try {
    if (Encoding == cpUTF8 || Encoding == cpUTF8BOM) {
      // UTF-8 needs no conversion: the text goes to the file piece by piece
      // as it is made, never held whole in memory.
      const auto write = [this](int fd) {
        if (WriteBOM && !WriteAllToFd(fd, CodePageBOM(Encoding))) return false;
        std::string buffer;
        TTextBuffer out(buffer, [fd](std::string_view piece) { return WriteAllToFd(fd, piece); });
        WriteText(out);
        out.Finish();
        return !out.Failed();
      };
      return WriteFileSafelyBy(fileName, write) == TFileWriteResult::Written;
    }
    return SaveString(AsText(), fileName, Encoding, WriteBOM, false);
  } catch (const EFileError&) {
    // The old file is intact; the caller learns of the failure from the result.
    return false;
  }
}

bool TDocCSV::SaveToFileXLSX(const std::string& fileName) {
  TDocXLSXMinimal writer;
  return SaveSpreadsheet(writer, *FTable, SpreadSheetExportDynamicCellFormat, SpreadSheetExportDynamicColumnWidth,
                         FSpreadSheetColumnSpecifications, fileName);
}

bool TDocCSV::SaveToFileODS(const std::string& fileName) {
  TDocODSMinimal writer;
  return SaveSpreadsheet(writer, *FTable, SpreadSheetExportDynamicCellFormat, SpreadSheetExportDynamicColumnWidth,
                         FSpreadSheetColumnSpecifications, fileName);
}

bool TDocCSV::SaveToFileDIF(const std::string& fileName) {
  TDocDIF writer;
  writer.UseContent(*FTable);
  writer.Encoding = Encoding;
  return writer.SaveToFile(fileName);
}
