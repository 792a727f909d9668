// The save and copy commands' content: filters, the format a file name asks
// for, the files each format writes, and the count table as clipboard text.
#include "wordgen/gui/file_commands.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zip.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "failing_folders.h"
#include "foundation/code_pages.h"
#include "foundation/str_split.h"
#include "foundation/text_files.h"
#include "test_support.h"
#include "text/language_constants.h"
#include "text/text_store.h"
#include "wordgen_gui_test_app.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::TempDir;

// The data of one entry of a ZIP archive; nothing when the file is no
// readable archive or lacks the entry.
std::optional<std::string> ZipEntry(const std::string& path, const std::string& name) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
  if (!archive) return std::nullopt;
  std::optional<std::string> data;
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_stat(archive, name.c_str(), 0, &st) == 0) {
    if (zip_file_t* file = zip_fopen(archive, name.c_str(), 0)) {
      std::string bytes(st.size, '\0');
      if (zip_fread(file, bytes.data(), st.size) == static_cast<zip_int64_t>(st.size)) data = std::move(bytes);
      zip_fclose(file);
    }
  }
  zip_close(archive);
  return data;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  return names;
}

// --- Filters ------------------------------------------------------------------

class FileCommandsFilter : public TWordGenFixture {};

TEST_F(FileCommandsFilter, EachContentOffersItsFormatsWithTheStoresNames) {
  EXPECT_EQ(SaveDialogFilter(TSaveContent::SyllableList), "Text File (*.txt)|*.txt");
  EXPECT_EQ(SaveDialogFilter(TSaveContent::CreatedWords),
            "Text File (*.txt)|*.txt|Word Document (*.docx)|*.docx|Open Document Text (*.odt)|*.odt|"
            "RTF Document (*.rtf)|*.rtf");
  EXPECT_EQ(SaveDialogFilter(TSaveContent::CountTable),
            "Text File (*.txt)|*.txt|CSV Table (*.csv)|*.csv|Spreadsheet (*.xlsx)|*.xlsx|"
            "Spreadsheet (*.ods)|*.ods|Data Interchange Format (*.dif)|*.dif|HTML Web Page (*.html)|*.html");

  SetSprResGlobal(SprLangGerman);
  EXPECT_EQ(SaveDialogFilter(TSaveContent::CountTable),
            "Textdatei (*.txt)|*.txt|CSV Tabelle (*.csv)|*.csv|Tabellendokument (*.xlsx)|*.xlsx|"
            "Tabellendokument (*.ods)|*.ods|Data Interchange Format (*.dif)|*.dif|HTML-Webseite (*.html)|*.html");
}

// The dialog's filter index and ChooseSaveFormat must count the same entries:
// a name without extension saved with entry i gets the extension of entry i's
// pattern.
TEST_F(FileCommandsFilter, FilterEntriesAndChosenFormatsAgree) {
  for (TSaveContent content : {TSaveContent::CreatedWords, TSaveContent::CountTable}) {
    TStrArray parts;
    Explode(parts, "|", SaveDialogFilter(content));
    ASSERT_EQ(parts.size() % 2, 0u);
    for (size_t pair = 0; pair < parts.size() / 2; ++pair) {
      const std::string pattern = parts[2 * pair + 1];
      ASSERT_EQ(pattern.substr(0, 2), "*.");
      std::string name = "/tmp/x";
      ChooseSaveFormat(content, static_cast<int32_t>(pair + 1), name);
      EXPECT_EQ(name, "/tmp/x" + pattern.substr(1)) << parts[2 * pair];
    }
  }
}

// --- The format of a save -----------------------------------------------------

TEST(FileCommands, ChooseSaveFormatFollowsTheExtensionThenTheFilter) {
  struct Case {
    TSaveContent content;
    int32_t filterIndex;
    const char* name;
    TSaveFormat format;
    const char* finalName;
  } cases[] = {
      // The extension decides, whatever the filter.
      {TSaveContent::CreatedWords, 2, "a.TXT", TSaveFormat::Txt, "a.TXT"},
      {TSaveContent::CreatedWords, 1, "/d/a.Docx", TSaveFormat::Docx, "/d/a.Docx"},
      {TSaveContent::CreatedWords, 1, "a.odt", TSaveFormat::Odt, "a.odt"},
      {TSaveContent::CreatedWords, 3, "a.rtf", TSaveFormat::Rtf, "a.rtf"},
      {TSaveContent::CountTable, 1, "r.csv", TSaveFormat::Csv, "r.csv"},
      {TSaveContent::CountTable, 6, "r.XLSX", TSaveFormat::Xlsx, "r.XLSX"},
      {TSaveContent::CountTable, 1, "r.ods", TSaveFormat::Ods, "r.ods"},
      {TSaveContent::CountTable, 1, "r.dif", TSaveFormat::Dif, "r.dif"},
      {TSaveContent::CountTable, 1, "r.html", TSaveFormat::Html, "r.html"},
      {TSaveContent::CountTable, 2, "r.txt", TSaveFormat::Txt, "r.txt"},
      // An extension of another content is no extension of this one.
      {TSaveContent::CreatedWords, 1, "a.csv", TSaveFormat::Txt, "a.csv.txt"},
      {TSaveContent::CountTable, 2, "r.docx", TSaveFormat::Csv, "r.docx.csv"},
      // No fitting extension: the filter entry's format, its extension appended.
      {TSaveContent::CreatedWords, 2, "a.weird", TSaveFormat::Docx, "a.weird.docx"},
      {TSaveContent::CreatedWords, 4, "a", TSaveFormat::Rtf, "a.rtf"},
      {TSaveContent::CountTable, 3, "x", TSaveFormat::Xlsx, "x.xlsx"},
      {TSaveContent::CountTable, 6, "x", TSaveFormat::Html, "x.html"},
      {TSaveContent::CountTable, 5, "dir.csv/x", TSaveFormat::Dif, "dir.csv/x.dif"},
      // "htm" is not "html".
      {TSaveContent::CountTable, 1, "x.htm", TSaveFormat::Txt, "x.htm.txt"},
      // A filter index out of range means the first entry.
      {TSaveContent::CreatedWords, 0, "a", TSaveFormat::Txt, "a.txt"},
      {TSaveContent::CreatedWords, 5, "a", TSaveFormat::Txt, "a.txt"},
      {TSaveContent::CountTable, 7, "x", TSaveFormat::Txt, "x.txt"},
      {TSaveContent::CountTable, -1, "x", TSaveFormat::Txt, "x.txt"},
      // The syllable list has one format and keeps its name.
      {TSaveContent::SyllableList, 1, "list.csv", TSaveFormat::Txt, "list.csv"},
      {TSaveContent::SyllableList, 3, "list", TSaveFormat::Txt, "list"},
  };
  for (const Case& c : cases) {
    std::string name = c.name;
    EXPECT_EQ(ChooseSaveFormat(c.content, c.filterIndex, name), c.format) << c.name << " " << c.filterIndex;
    EXPECT_EQ(name, c.finalName) << c.name << " " << c.filterIndex;
  }
}

TEST(FileCommands, FolderOfFileNameKeepsTheFinalSeparator) {
  EXPECT_EQ(FolderOfFileName("/home/u/docs/a.txt"), "/home/u/docs/");
  EXPECT_EQ(FolderOfFileName("/a.txt"), "/");
  EXPECT_EQ(FolderOfFileName("/home/u/docs/"), "/home/u/docs/");
  EXPECT_EQ(FolderOfFileName("a.txt"), "");
  EXPECT_EQ(FolderOfFileName(""), "");
}

// --- Text saves ---------------------------------------------------------------

TEST(FileCommands, TextFilesAreWrittenInTheCodePageWithOrWithoutMark) {
  const std::string text = "W\xC3\xB6rter\nzwei";
  struct Case {
    int32_t codePage;
    bool bom;
    std::string bytes;
  } cases[] = {
      {cpUTF8, false, "W\xC3\xB6rter\nzwei"},
      {cpUTF8, true, "\xEF\xBB\xBFW\xC3\xB6rter\nzwei"},
      {1252, false, "W\xF6rter\nzwei"},
      {cpUTF16LE, true, std::string("\xFF\xFEW\0\xF6\0r\0t\0e\0r\0\n\0z\0w\0e\0i\0", 24)},
  };
  TempDir dir;
  const TExportSettings defaults;
  for (const Case& c : cases) {
    TExportSettings s;
    s.CodePage = c.codePage;
    s.WriteBOM = c.bom;
    const std::string file = dir.file("words.txt");
    testsupport::WriteFileBytes(file, "an older and longer text that must go");
    ASSERT_TRUE(SaveTextAs(text, file, TSaveFormat::Txt, s)) << c.codePage;
    EXPECT_EQ(ReadFileBytes(file), c.bytes) << c.codePage << " " << c.bom;
  }
  // The syllable list's name decides nothing: a .csv name holds the text.
  ASSERT_TRUE(SaveTextAs("ka\nlo", dir.file("list.csv"), TSaveFormat::Txt, defaults));
  EXPECT_EQ(ReadFileBytes(dir.file("list.csv")), "ka\nlo");
}

// The lines, the empty ones included, become one default paragraph each.
TEST(FileCommands, DocumentsHoldOneDefaultParagraphPerLine) {
  const std::string text = "one\r\n\r\nthree & <four>\r\n";
  const std::vector<std::string> lines = {"one", "", "three &amp; &lt;four&gt;", ""};
  const std::vector<std::string> rtfLines = {"one", "", "three & <four>", ""};
  TempDir dir;
  const TExportSettings s;

  ASSERT_TRUE(SaveTextAs(text, dir.file("w.docx"), TSaveFormat::Docx, s));
  const auto docx = ZipEntry(dir.file("w.docx"), "word/document.xml");
  ASSERT_TRUE(docx.has_value());
  std::string paragraphs;
  for (const std::string& line : lines)
    paragraphs +=
        "<w:p><w:pPr><w:pStyle w:val=\"DefaultParagraph\"></w:pStyle></w:pPr><w:r><w:t>" + line + "</w:t></w:r></w:p>";
  EXPECT_NE(docx->find("<w:body>" + paragraphs + "<w:sectPr"), std::string::npos) << *docx;

  ASSERT_TRUE(SaveTextAs(text, dir.file("w.odt"), TSaveFormat::Odt, s));
  const auto odt = ZipEntry(dir.file("w.odt"), "content.xml");
  ASSERT_TRUE(odt.has_value());
  paragraphs.clear();
  for (const std::string& line : lines)
    paragraphs += "<text:p text:style-name=\"DefaultParagraph\">" + line + "</text:p>";
  EXPECT_NE(odt->find("</text:sequence-decls>" + paragraphs + "</office:text>"), std::string::npos) << *odt;

  ASSERT_TRUE(SaveTextAs(text, dir.file("w.rtf"), TSaveFormat::Rtf, s));
  const std::string rtf = ReadFileBytes(dir.file("w.rtf"));
  paragraphs.clear();
  for (const std::string& line : rtfLines) paragraphs += "{\\pard " + line + "\\par}";
  EXPECT_EQ(rtf.substr(0, 6), "{\\rtf1");
  EXPECT_NE(rtf.find("\\ql" + paragraphs + "\n}"), std::string::npos) << rtf;
}

// --- Count table saves --------------------------------------------------------

const TStrArray2D kCountTable = {{"e", "2", "20.00%"}, {"a, b", "8", "80.00%"}};

TEST(FileCommands, CsvSeparatesAndQuotesAsTheSettingsSay) {
  struct Case {
    const char* name;
    const char* separator;
    const char* quote;
    bool onlyIfNecessary;
    std::string bytes;
  } cases[] = {
      {"defaults", ",", "\"", true, "e,2,20.00%\n\"a, b\",8,80.00%"},
      {"semicolon, all quoted", ";", "'", false, "'e';'2';'20.00%'\n'a, b';'8';'80.00%'"},
  };
  TempDir dir;
  for (const Case& c : cases) {
    TExportSettings s;
    s.FieldSeparator = c.separator;
    s.QuoteCharacter = c.quote;
    s.QuoteOnlyIfNecessary = c.onlyIfNecessary;
    ASSERT_TRUE(SaveCountTableAs(kCountTable, dir.file("t.csv"), TSaveFormat::Csv, s)) << c.name;
    EXPECT_EQ(ReadFileBytes(dir.file("t.csv")), c.bytes) << c.name;
  }
  TExportSettings marked;
  marked.WriteBOM = true;
  ASSERT_TRUE(SaveCountTableAs({{"\xC3\xA4", "1", "100.00%"}}, dir.file("m.csv"), TSaveFormat::Csv, marked));
  EXPECT_EQ(ReadFileBytes(dir.file("m.csv")), "\xEF\xBB\xBF\xC3\xA4,1,100.00%");
}

// The cell types follow the columns the table has: without the count column
// the second column holds the percentages.
TEST(FileCommands, SpreadsheetsTypeTheColumnsTheTableShows) {
  TempDir dir;
  const TExportSettings all;
  ASSERT_TRUE(SaveCountTableAs(kCountTable, dir.file("t.xlsx"), TSaveFormat::Xlsx, all));
  const auto sheet = ZipEntry(dir.file("t.xlsx"), "xl/worksheets/sheet1.xml");
  ASSERT_TRUE(sheet.has_value());
  EXPECT_NE(sheet->find("<c r=\"A1\" t=\"inlineStr\"><is><t>e</t></is></c><c r=\"B1\" t=\"n\"><v>2</v></c>"
                        "<c r=\"C1\" t=\"n\" s=\"5\"><v>0.2</v></c>"),
            std::string::npos)
      << *sheet;
  EXPECT_NE(sheet->find("<c r=\"A2\" t=\"inlineStr\"><is><t>a, b</t></is></c>"), std::string::npos);

  ASSERT_TRUE(SaveCountTableAs(kCountTable, dir.file("t.ods"), TSaveFormat::Ods, all));
  const auto content = ZipEntry(dir.file("t.ods"), "content.xml");
  ASSERT_TRUE(content.has_value());
  EXPECT_NE(content->find("office:value-type=\"float\" office:value=\"2\""), std::string::npos) << *content;
  EXPECT_NE(content->find("office:value-type=\"percentage\" office:value=\"0.8\""), std::string::npos) << *content;

  TExportSettings noNumber;
  noNumber.ShowNumber = false;
  const TStrArray2D twoColumns = {{"e", "20.00%"}, {"a", "80.00%"}};
  ASSERT_TRUE(SaveCountTableAs(twoColumns, dir.file("p.xlsx"), TSaveFormat::Xlsx, noNumber));
  const auto percent = ZipEntry(dir.file("p.xlsx"), "xl/worksheets/sheet1.xml");
  ASSERT_TRUE(percent.has_value());
  EXPECT_NE(percent->find("<c r=\"B1\" t=\"n\" s=\"5\"><v>0.2</v></c>"), std::string::npos) << *percent;
}

// The window learns on how many sheets a spreadsheet went; the other formats have none.
TEST(FileCommands, SavesReportTheSheetsOfASpreadsheet) {
  TempDir dir;
  const TExportSettings all;
  for (const auto& [format, sheets] :
       {std::pair{TSaveFormat::Xlsx, 1}, std::pair{TSaveFormat::Ods, 1}, std::pair{TSaveFormat::Csv, 0},
        std::pair{TSaveFormat::Dif, 0}, std::pair{TSaveFormat::Html, 0}}) {
    const TSaveReport report = SaveCountTableAs(kCountTable, dir.file("t"), format, all);
    ASSERT_TRUE(report.Saved);
    EXPECT_EQ(report.Sheets, sheets) << static_cast<int>(format);
  }
}

TEST(FileCommands, DifAndHtmlAreWrittenInTheCodePage) {
  TempDir dir;
  TExportSettings s;
  s.CodePage = 1252;
  const TStrArray2D table = {{"\xC3\xA4", "1", "100.00%"}};
  ASSERT_TRUE(SaveCountTableAs(table, dir.file("t.dif"), TSaveFormat::Dif, s));
  const std::string dif = ReadFileBytes(dir.file("t.dif"));
  EXPECT_EQ(dif.substr(0, 6), "TABLE\n");
  EXPECT_NE(dif.find("BOT\n1,0\n\"\xE4\"\n"), std::string::npos) << dif;
  EXPECT_NE(dif.find("\"100.00%\""), std::string::npos) << dif;

  ASSERT_TRUE(SaveCountTableAs(table, dir.file("t.html"), TSaveFormat::Html, s));
  const std::string html = ReadFileBytes(dir.file("t.html"));
  EXPECT_NE(html.find("<title>Syllabrix</title>"), std::string::npos) << html;
  EXPECT_NE(html.find("windows-1252"), std::string::npos) << html;
  EXPECT_NE(html.find("\xE4"), std::string::npos);
  EXPECT_NE(html.find("100.00%"), std::string::npos);
  EXPECT_EQ(html.find("\xC3\xA4"), std::string::npos);

  TExportSettings marked;
  marked.WriteBOM = true;
  ASSERT_TRUE(SaveCountTableAs(table, dir.file("m.html"), TSaveFormat::Html, marked));
  const std::string withMark = ReadFileBytes(dir.file("m.html"));
  EXPECT_EQ(withMark.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_NE(withMark.find("\xC3\xA4"), std::string::npos);
}

// A save that cannot reach its folder fails for every format, and creates
// neither the folder nor a file; a format of the other kind writes nothing.
TEST(FileCommands, FailedSavesReturnFalseAndLeaveNothing) {
  TempDir dir;
  const TExportSettings s;
  const std::string missing = dir.file("missing") + "/";
  for (TSaveFormat format : {TSaveFormat::Txt, TSaveFormat::Docx, TSaveFormat::Odt, TSaveFormat::Rtf})
    EXPECT_FALSE(SaveTextAs("a\nb", missing + "x.out", format, s)) << static_cast<int>(format);
  for (TSaveFormat format :
       {TSaveFormat::Csv, TSaveFormat::Xlsx, TSaveFormat::Ods, TSaveFormat::Dif, TSaveFormat::Html})
    EXPECT_FALSE(SaveCountTableAs(kCountTable, missing + "x.out", format, s)) << static_cast<int>(format);
  // A path through a file.
  testsupport::WriteFileBytes(dir.file("file"), "keep");
  EXPECT_FALSE(SaveTextAs("a", dir.file("file") + "/x.txt", TSaveFormat::Txt, s));
  EXPECT_FALSE(SaveCountTableAs(kCountTable, dir.file("file") + "/x.csv", TSaveFormat::Csv, s));
  // A target that is a folder.
  std::filesystem::create_directory(dir.file("folder.txt"));
  EXPECT_FALSE(SaveTextAs("a", dir.file("folder.txt"), TSaveFormat::Txt, s));
  EXPECT_FALSE(SaveCountTableAs(kCountTable, dir.file("folder.txt"), TSaveFormat::Html, s));
  // The other kind of format.
  EXPECT_FALSE(SaveTextAs("a", dir.file("t.csv"), TSaveFormat::Csv, s));
  EXPECT_FALSE(SaveCountTableAs(kCountTable, dir.file("t.txt"), TSaveFormat::Txt, s));
  EXPECT_FALSE(SaveCountTableAs(kCountTable, dir.file("t.docx"), TSaveFormat::Docx, s));

  std::vector<std::string> left = FolderEntries(dir.str());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"file", "folder.txt"}));
  EXPECT_EQ(ReadFileBytes(dir.file("file")), "keep");
  EXPECT_TRUE(FolderEntries(dir.file("folder.txt")).empty());
}

// Every failed save says why, for every format: the missing folder, a file on
// the path, a folder as the target, a folder without write permission and a
// full disk (the last two where the test may switch the user or mount).
TEST(FileCommands, FailedSavesReportTheSystemsReason) {
  TempDir dir;
  const TExportSettings s;
  testsupport::WriteFileBytes(dir.file("file"), "keep");
  std::filesystem::create_directory(dir.file("folder.txt"));
  const struct {
    std::string Name;
    int Reason;
  } kTargets[] = {
      {dir.file("missing") + "/x.out", ENOENT},
      {dir.file("file") + "/x.out", ENOTDIR},
  };
  const TSaveFormat kTextFormats[] = {TSaveFormat::Txt, TSaveFormat::Docx, TSaveFormat::Odt, TSaveFormat::Rtf};
  const TSaveFormat kTableFormats[] = {TSaveFormat::Csv, TSaveFormat::Xlsx, TSaveFormat::Ods, TSaveFormat::Dif,
                                       TSaveFormat::Html};
  for (const auto& t : kTargets) {
    for (TSaveFormat format : kTextFormats) {
      const TSaveReport r = SaveTextAs("a", t.Name, format, s);
      EXPECT_FALSE(r.Saved);
      EXPECT_EQ(r.ErrorNumber, t.Reason) << t.Name << " " << static_cast<int>(format);
    }
    for (TSaveFormat format : kTableFormats)
      EXPECT_EQ(SaveCountTableAs(kCountTable, t.Name, format, s).ErrorNumber, t.Reason)
          << t.Name << " " << static_cast<int>(format);
  }
  EXPECT_EQ(SaveTextAs("a", dir.file("folder.txt"), TSaveFormat::Txt, s).ErrorNumber, EISDIR);

  {
    testsupport::TReadOnlyFolder locked;
    if (locked.Unavailable().empty()) {
      for (TSaveFormat format : kTextFormats)
        EXPECT_EQ(SaveTextAs("a", locked.Folder() + "x.out", format, s).ErrorNumber, EACCES)
            << static_cast<int>(format);
      for (TSaveFormat format : kTableFormats)
        EXPECT_EQ(SaveCountTableAs(kCountTable, locked.Folder() + "x.out", format, s).ErrorNumber, EACCES)
            << static_cast<int>(format);
    } else {
      std::cout << "[ SKIPPED ] read-only folder: " << locked.Unavailable() << "\n";
    }
  }
  testsupport::TFullFileSystem full;
  if (!full.Unavailable().empty()) GTEST_SKIP() << "full file system: " << full.Unavailable();
  // Enough text that no format fits into the last free bytes.
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "word" + std::to_string(i) + "\n";
  TStrArray2D table;
  for (int i = 0; i < 5000; ++i) table.push_back({"item" + std::to_string(i), std::to_string(i), "1.00%"});
  for (TSaveFormat format : kTextFormats) {
    const TSaveReport r = SaveTextAs(text, full.Folder() + "x.out", format, s);
    EXPECT_FALSE(r.Saved);
    EXPECT_EQ(r.ErrorNumber, ENOSPC) << static_cast<int>(format) << ": " << FileErrorReason(r.ErrorNumber);
  }
  for (TSaveFormat format : kTableFormats) {
    const TSaveReport r = SaveCountTableAs(table, full.Folder() + "x.out", format, s);
    EXPECT_EQ(r.ErrorNumber, ENOSPC) << static_cast<int>(format) << ": " << FileErrorReason(r.ErrorNumber);
  }
  EXPECT_EQ(FolderEntries(full.Folder()), (std::vector<std::string>{"filler"}));
}

// A save in a code page that cannot hold every character still writes the
// file, with "?" in their place, and says how many were replaced.
TEST(FileCommands, LossySavesCountTheReplacedCharacters) {
  TempDir dir;
  const std::string text = "k\xC3\xA4\xE6\x97\xA5\xE6\x9C\xACm\xC3\xBC";  // "kä日本mü"
  TExportSettings latin1;
  latin1.CodePage = cpISO88591;
  TExportSettings utf8;
  const TStrArray2D table = {{text, "1", "50.00%"}, {"\xE4\xB8\xAD", "1", "50.00%"}};
  const struct {
    const char* File;
    TSaveFormat Format;
    const TExportSettings& Settings;
    int64_t Replaced;
  } kCases[] = {
      {"w.txt", TSaveFormat::Txt, latin1, 2},   {"w8.txt", TSaveFormat::Txt, utf8, 0},
      {"w.docx", TSaveFormat::Docx, latin1, 0}, {"w.rtf", TSaveFormat::Rtf, latin1, 0},
      {"t.csv", TSaveFormat::Csv, latin1, 3},   {"t8.csv", TSaveFormat::Csv, utf8, 0},
      {"t.dif", TSaveFormat::Dif, latin1, 3},   {"t.html", TSaveFormat::Html, latin1, 0},
      {"t.xlsx", TSaveFormat::Xlsx, latin1, 0}, {"t.ods", TSaveFormat::Ods, latin1, 0},
  };
  for (const auto& c : kCases) {
    const bool isTable = c.File[0] == 't';
    const TSaveReport r = isTable ? SaveCountTableAs(table, dir.file(c.File), c.Format, c.Settings)
                                  : SaveTextAs(text, dir.file(c.File), c.Format, c.Settings);
    ASSERT_TRUE(r.Saved) << c.File;
    EXPECT_EQ(r.ReplacedCharacters, c.Replaced) << c.File;
    EXPECT_EQ(r.ErrorNumber, 0) << c.File;
  }
  // The file holds what the code page can, "?" for the rest; HTML writes
  // references instead.
  EXPECT_EQ(ReadFileBytes(dir.file("w.txt")), "k\xE4??m\xFC");
  EXPECT_NE(ReadFileBytes(dir.file("t.html")).find("&#26085;&#26412;"), std::string::npos);
  // A separator the code page lacks stands in every row.
  TExportSettings arrow = latin1;
  arrow.FieldSeparator = "\xE2\x86\x92";
  EXPECT_EQ(SaveCountTableAs(table, dir.file("a.csv"), TSaveFormat::Csv, arrow).ReplacedCharacters, 3 + 4);
}

// A file the user protected against writing, in a folder the user may write
// to, is refused in every format and stays as it was; a file that is no
// longer protected is then written.
TEST(FileCommands, WriteProtectedTargetIsRefusedInEveryFormat) {
  TempDir dir;
  const TExportSettings s;
  const auto check = [&](TSaveFormat format, bool table) {
    const std::string file = dir.file("protected" + std::to_string(static_cast<int>(format)));
    testsupport::WriteFileBytes(file, "old content");
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    const auto save = [&] {
      return table ? SaveCountTableAs(kCountTable, file, format, s) : SaveTextAs("a\nb", file, format, s);
    };
    const TSaveReport refused = save();
    EXPECT_FALSE(refused) << static_cast<int>(format);
    EXPECT_EQ(refused.ErrorNumber, EACCES) << static_cast<int>(format);
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u) << static_cast<int>(format);
    EXPECT_EQ(ReadFileBytes(file), "old content") << static_cast<int>(format);
    ASSERT_EQ(::chmod(file.c_str(), 0644), 0);
    EXPECT_TRUE(save()) << static_cast<int>(format);
    EXPECT_NE(ReadFileBytes(file), "old content") << static_cast<int>(format);
  };
  for (TSaveFormat format : {TSaveFormat::Txt, TSaveFormat::Docx, TSaveFormat::Odt, TSaveFormat::Rtf})
    check(format, false);
  for (TSaveFormat format :
       {TSaveFormat::Csv, TSaveFormat::Xlsx, TSaveFormat::Ods, TSaveFormat::Dif, TSaveFormat::Html})
    check(format, true);
  // Nothing but the nine files is left.
  EXPECT_EQ(FolderEntries(dir.str()).size(), 9u);
}

// --- The table as clipboard text ----------------------------------------------

TEST(FileCommands, CountTableAsTabTextJoinsCellsAndRows) {
  EXPECT_EQ(CountTableAsTabText(kCountTable), "e\t2\t20.00%\na, b\t8\t80.00%");
  EXPECT_EQ(CountTableAsTabText({{"e"}, {"a b"}}), "e\na b");
  EXPECT_EQ(CountTableAsTabText({}), "");
}

}  // namespace
