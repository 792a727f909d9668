#include "wordgen/gui/file_commands.h"

#include <sys/stat.h>

#include <cerrno>
#include <span>

#include "documents/docx_writer.h"
#include "documents/html_writer.h"
#include "documents/odt_writer.h"
#include "documents/rtf_writer.h"
#include "documents/table_export.h"
#include "foundation/code_pages.h"
#include "foundation/line_breaks.h"
#include "foundation/paths.h"
#include "foundation/str_split.h"
#include "foundation/text_files.h"
#include "text/text_store.h"

namespace {

constexpr StrResGlobal kSlotTextFile = 577;
constexpr StrResGlobal kSlotHtmlWebPage = 580;
constexpr StrResGlobal kSlotTable = 586;
constexpr StrResGlobal kSlotSpreadsheet = 592;

constexpr const char* kHtmlTitle = "Syllabrix";

// The formats of each content in the order of its filter entries.
constexpr TSaveFormat kSyllableListFormats[] = {TSaveFormat::Txt};
constexpr TSaveFormat kCreatedWordsFormats[] = {TSaveFormat::Txt, TSaveFormat::Docx, TSaveFormat::Odt,
                                                TSaveFormat::Rtf};
constexpr TSaveFormat kCountTableFormats[] = {TSaveFormat::Txt, TSaveFormat::Csv, TSaveFormat::Xlsx,
                                              TSaveFormat::Ods, TSaveFormat::Dif, TSaveFormat::Html};

std::span<const TSaveFormat> FormatsOf(TSaveContent content) {
  switch (content) {
    case TSaveContent::SyllableList: return kSyllableListFormats;
    case TSaveContent::CreatedWords: return kCreatedWordsFormats;
    case TSaveContent::CountTable: return kCountTableFormats;
  }
  return kSyllableListFormats;
}

const char* ExtensionOf(TSaveFormat format) {
  switch (format) {
    case TSaveFormat::Txt: return "txt";
    case TSaveFormat::Docx: return "docx";
    case TSaveFormat::Odt: return "odt";
    case TSaveFormat::Rtf: return "rtf";
    case TSaveFormat::Csv: return "csv";
    case TSaveFormat::Xlsx: return "xlsx";
    case TSaveFormat::Ods: return "ods";
    case TSaveFormat::Dif: return "dif";
    case TSaveFormat::Html: return "html";
  }
  return "txt";
}

// Some writers create missing folders on their way, others fail; a save into
// a folder that is not there fails for every format, and leaves nothing
// behind. 0 when the folder is there, else the reason.
int FolderMissingError(const std::string& fileName) {
  if (fileName.empty()) return ENOENT;
  const std::string folder = FolderOfFileName(fileName);
  if (folder.empty()) return 0;
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0) return errno;
  return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}

// Runs one writer and reports its outcome with the reason of a failure.
template <typename TWrite>
TSaveReport RunSave(const std::string& fileName, TWrite write) {
  TSaveReport report;
  report.ErrorNumber = FolderMissingError(fileName);
  if (report.ErrorNumber != 0) return report;
  // Writers that fail before they write leave no reason of their own.
  SetLastFileWriteError(0);
  try {
    report.Saved = write();
  } catch (const EFileError& e) {
    // The old file is intact; the window reports the failure.
    report.Saved = false;
    SetLastFileWriteError(e.ErrorNumber != 0 ? e.ErrorNumber : LastFileWriteError());
  }
  if (!report.Saved) report.ErrorNumber = LastFileWriteError();
  return report;
}

// The characters a code page cannot hold in the cells of a table.
int64_t TableCharsNotInCodePage(const TStrArray2D& table, int32_t codePage) {
  int64_t count = 0;
  for (const TStrArray& row : table)
    for (const std::string& cell : row) count += CharsNotInCodePage(cell, codePage);
  return count;
}

template <typename TDocument>
bool SaveLinesAsDocument(const std::string& text, const std::string& fileName) {
  TStrArray lines;
  ExplodeAtAllTypesOfLineBreaks(lines, text);
  TDocument document;
  for (std::string& line : lines) document.Page().AddParagraph(std::move(line), -1);
  return document.SaveToFile(fileName);
}

void FillHub(TDocCSV& hub, const TStrArray2D& table, const TExportSettings& s) {
  hub.Encoding = s.CodePage;
  hub.WriteBOM = s.WriteBOM;
  hub.SeparatorFields().Write().SetFromChar(s.FieldSeparator);
  hub.QuoteCharacter().Write().SetFromChar(s.QuoteCharacter);
  hub.QuoteAllFields = !s.QuoteOnlyIfNecessary;
  // The writers read the window's table; a large one is not copied.
  hub.UseTable(table);
  TColumnSpecificationObj& columns = hub.SpreadSheetColumnSpecifications();
  columns.AddColumn(csDataStr, csWidthDynamic, csAlignDefault, 0);
  if (s.ShowNumber) columns.AddColumn(csDataNumber, csWidthDynamic, csAlignDefault, 0);
  if (s.ShowFrequency) columns.AddColumn(csDataPercentage, csWidthDynamic, csAlignDefault, 0);
}

// The CSV text as the file holds it before its code page.
std::string CsvTextOf(const TStrArray2D& table, const TExportSettings& s) {
  TDocCSV hub;
  FillHub(hub, table, s);
  return hub.AsText();
}

bool SaveTableThroughHub(const TStrArray2D& table, const std::string& fileName, TSaveFormat format,
                         const TExportSettings& s) {
  TDocCSV hub;
  FillHub(hub, table, s);
  switch (format) {
    case TSaveFormat::Csv: return hub.SaveToFileCSV(fileName);
    case TSaveFormat::Xlsx: hub.SpreadSheetExportDynamicCellFormat = true; return hub.SaveToFileXLSX(fileName);
    case TSaveFormat::Ods: hub.SpreadSheetExportDynamicCellFormat = true; return hub.SaveToFileODS(fileName);
    case TSaveFormat::Dif: hub.SpreadSheetExportDynamicCellFormat = true; return hub.SaveToFileDIF(fileName);
    default: return false;
  }
}

bool SaveTableAsHtml(const TStrArray2D& table, const std::string& fileName, const TExportSettings& s) {
  TDocHTML page;
  page.DocumentTitle = kHtmlTitle;
  page.Encoding = s.CodePage;
  page.WriteBOM = s.WriteBOM;
  // Straight from the window's table: a document model of a large table would
  // take thousands of bytes per row.
  return page.SaveToFileWithTable(table, fileName);
}

}  // namespace

std::string SaveDialogFilter(TSaveContent content) {
  const std::string textFile = SprText(kSlotTextFile) + " (*.txt)|*.txt";
  switch (content) {
    case TSaveContent::SyllableList: return textFile;
    case TSaveContent::CreatedWords:
      return textFile + "|Word Document (*.docx)|*.docx|Open Document Text (*.odt)|*.odt|RTF Document (*.rtf)|*.rtf";
    case TSaveContent::CountTable:
      return textFile + "|CSV " + SprText(kSlotTable) + " (*.csv)|*.csv|" + SprText(kSlotSpreadsheet) +
             " (*.xlsx)|*.xlsx|" + SprText(kSlotSpreadsheet) + " (*.ods)|*.ods|Data Interchange Format (*.dif)|*.dif|" +
             SprText(kSlotHtmlWebPage) + " (*.html)|*.html";
  }
  return textFile;
}

TSaveFormat ChooseSaveFormat(TSaveContent content, int32_t filterIndex, std::string& fileName) {
  if (content == TSaveContent::SyllableList) return TSaveFormat::Txt;
  const std::span<const TSaveFormat> formats = FormatsOf(content);
  for (TSaveFormat format : formats)
    if (FileHasExtension(fileName, ExtensionOf(format))) return format;
  const bool inRange = filterIndex >= 1 && static_cast<size_t>(filterIndex) <= formats.size();
  const TSaveFormat chosen = formats[inRange ? static_cast<size_t>(filterIndex - 1) : 0];
  fileName += '.';
  fileName += ExtensionOf(chosen);
  return chosen;
}

TSaveReport SaveTextAs(const std::string& text, const std::string& fileName, TSaveFormat format,
                       const TExportSettings& s) {
  TSaveReport report = RunSave(fileName, [&] {
    switch (format) {
      case TSaveFormat::Txt: return SaveString(text, fileName, s.CodePage, s.WriteBOM, false);
      case TSaveFormat::Docx: return SaveLinesAsDocument<TDocDOCX>(text, fileName);
      case TSaveFormat::Odt: return SaveLinesAsDocument<TDocODT>(text, fileName);
      case TSaveFormat::Rtf: return SaveLinesAsDocument<TDocRTF>(text, fileName);
      default: return false;
    }
  });
  // The documents hold every character; plain text only what the code page can.
  if (report.Saved && format == TSaveFormat::Txt) report.ReplacedCharacters = CharsNotInCodePage(text, s.CodePage);
  return report;
}

TSaveReport SaveCountTableAs(const TStrArray2D& table, const std::string& fileName, TSaveFormat format,
                             const TExportSettings& s) {
  TSaveReport report = RunSave(fileName, [&] {
    switch (format) {
      case TSaveFormat::Csv:
      case TSaveFormat::Xlsx:
      case TSaveFormat::Ods:
      case TSaveFormat::Dif: return SaveTableThroughHub(table, fileName, format, s);
      case TSaveFormat::Html: return SaveTableAsHtml(table, fileName, s);
      default: return false;
    }
  });
  if (!report.Saved) return report;
  // XLSX and ODS are UTF-8 throughout and HTML writes a character its code
  // page lacks as a reference; CSV and DIF hold "?" in its place.
  switch (format) {
    case TSaveFormat::Xlsx:
    case TSaveFormat::Ods: report.Sheets = SpreadsheetSheetCount(table.size()); break;
    case TSaveFormat::Csv:
      // A separator or quote that the code page lacks stands in the file as
      // often as the writer puts it: then the text itself is counted.
      if (CharsNotInCodePage(s.FieldSeparator, s.CodePage) + CharsNotInCodePage(s.QuoteCharacter, s.CodePage) > 0) {
        report.ReplacedCharacters = CharsNotInCodePage(CsvTextOf(table, s), s.CodePage);
        break;
      }
      [[fallthrough]];
    case TSaveFormat::Dif: report.ReplacedCharacters = TableCharsNotInCodePage(table, s.CodePage); break;
    default: break;
  }
  return report;
}

std::string CountTableAsTabText(const TStrArray2D& table) {
  TStrArray rows;
  rows.reserve(table.size());
  for (const TStrArray& row : table) rows.push_back(Implode(row, "\t"));
  return Implode(rows, "\n");
}

std::string FolderOfFileName(const std::string& fileName) {
  const size_t slash = fileName.rfind('/');
  return slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
}
