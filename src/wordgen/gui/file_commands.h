// The content side of the main window's save and copy commands: the save
// dialog's filters, the format a file name asks for, the writers of the
// syllable list, the created words and the count table, and the count table
// as tab-separated text for the clipboard. No widget is involved.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/code_pages.h"
#include "foundation/types.h"

enum class TSaveContent { SyllableList, CreatedWords, CountTable };
enum class TSaveFormat { Txt, Docx, Odt, Rtf, Csv, Xlsx, Ods, Dif, Html };

// The save dialog's filter for the content ("Text File (*.txt)|*.txt|Word
// Document (*.docx)|*.docx|…"), with the display names the text store holds
// at the moment of the call.
std::string SaveDialogFilter(TSaveContent content);

// The format a save writes, from the final file name: the format among the
// content's own whose extension the name carries (dots and ASCII case
// ignored). A name that fits none of them is written in the format of the
// filter entry filterIndex (counted from 1; out of range means the first
// entry), and that format's extension (".docx", …) is appended to fileName.
// The syllable list is always Txt under the name as given.
TSaveFormat ChooseSaveFormat(TSaveContent content, int32_t filterIndex, std::string& fileName);

// What the settings say about exported files.
struct TExportSettings {
  int32_t CodePage = cpUTF8;
  bool WriteBOM = false;
  std::string FieldSeparator = ",";
  std::string QuoteCharacter = "\"";
  bool QuoteOnlyIfNecessary = true;
  // Whether the table holds the count column and the percentage column.
  bool ShowNumber = true;
  bool ShowFrequency = true;
};

// What a save tells its caller.
struct TSaveReport {
  bool Saved = false;
  // Characters that the code page cannot hold and that the file holds as "?"
  // instead (the file is written all the same).
  int64_t ReplacedCharacters = 0;
  // Why the save failed: the system's error number (errno), 0 when unknown.
  int ErrorNumber = 0;
  // The sheets an XLSX or ODS file holds: more than one when the table has
  // more rows than a sheet; 0 for the other formats.
  int32_t Sheets = 0;
  explicit operator bool() const { return Saved; }
};

// Txt: the text in the code page, with its byte-order mark when set,
// replacing the file. Docx, Odt, Rtf: one default-style paragraph per line of
// the text (empty lines included). Not saved when nothing could be written,
// when the file's folder does not exist, or for a table format.
TSaveReport SaveTextAs(const std::string& text, const std::string& fileName, TSaveFormat format,
                       const TExportSettings& s);

// Csv, Xlsx, Ods, Dif: the counter's table (item, count and percentage
// columns as the settings show them) with the CSV parameters and cell types
// of the settings, in XLSX and ODS on as many sheets as its rows need; Html: the table as the one table of a page
// titled "Syllabrix". Not saved when nothing could be written, when the file's folder does not exist, or for a text
// format (the count table's text goes through SaveTextAs).
TSaveReport SaveCountTableAs(const TStrArray2D& table, const std::string& fileName, TSaveFormat format,
                             const TExportSettings& s);

// Cells joined by TAB, rows by LF, no line break after the last row.
std::string CountTableAsTabText(const TStrArray2D& table);

// The folder part of a file name with its final "/"; "" when it has none.
std::string FolderOfFileName(const std::string& fileName);
