// A table longer than a sheet, read back whole by openpyxl and LibreOffice:
// every row on the sheets in order, the header row on each, the sheet names.
#include <gtest/gtest.h>

#include <string>

#include "documents/ods_writer.h"
#include "documents/table_export.h"
#include "documents/xlsx_writer.h"
#include "documents_test_support.h"
#include "test_support.h"

namespace {

using testsupport::Python3;
using testsupport::RunCommand;
using testsupport::ShellQuote;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

// One row more than a sheet holds.
constexpr size_t kLongTableRows = 1048577;

// Row i of the long table as the counter's table has it: item, count, percentage.
TStrArray2D LongCountTable() {
  TStrArray2D table;
  table.reserve(kLongTableRows);
  for (size_t i = 0; i < kLongTableRows; ++i)
    table.push_back({"w" + std::to_string(i), std::to_string(i % 997), std::to_string(i % 100) + "%"});
  return table;
}

// Checks the long table's files (sys.argv[2:]) against row i: openpyxl
// reads an XLSX file, Python's csv module LibreOffice's CSV of each sheet
// ("file-sheet name.csv" in the folder sys.argv[1]). Prints per file the
// sheet names, their row counts and whether every row is the expected one.
constexpr const char* kCheckLongTable = R"(import csv, os, sys, warnings
warnings.simplefilter('ignore')
import openpyxl

def compare(sheets, expected):
    names = [name for name, rows in sheets]
    counts = [len(rows) for name, rows in sheets]
    i = 0
    for name, rows in sheets:
        for row in rows:
            if list(row) != expected(i):
                return '%s %s row %d of all: %r' % (names, counts, i, row)
            i += 1
    return '%s %s %s' % (names, counts, 'whole' if i == 1048577 else 'rows missing')

def from_openpyxl(i):
    return ['w%d' % i, i % 997, (i % 100) / 100]

def from_calc(i):
    return ['w%d' % i, str(i % 997), '%d.00%%' % (i % 100)]

folder = sys.argv[1]
for path in sys.argv[2:]:
    base = os.path.splitext(os.path.basename(path))[0]
    if path.endswith('.xlsx'):
        book = openpyxl.load_workbook(path, read_only=True)
        sheets = [(ws.title, [r for r in ws.iter_rows(values_only=True)]) for ws in book.worksheets]
        print('openpyxl', base, compare(sheets, from_openpyxl))
    sheets = []
    for name in ['Sheet', 'Sheet (2)']:
        with open(os.path.join(folder, '%s-%s.csv' % (base, name)), newline='', encoding='utf-8') as f:
            sheets.append((name, list(csv.reader(f))))
    print('calc', base, compare(sheets, from_calc))
)";

TEST(ToolCheckSpreadsheetSheets, EveryRowOfATableLongerThanASheetReadsBack) {
  TempDir dir;
  // The window's road: the hub with the counter's columns.
  const TStrArray2D table = LongCountTable();
  TDocCSV hub;
  hub.UseTable(table);
  hub.SpreadSheetExportDynamicCellFormat = true;
  hub.SpreadSheetColumnSpecifications().AddColumn(csDataStr, csWidthDynamic, csAlignDefault, 0);
  hub.SpreadSheetColumnSpecifications().AddColumn(csDataNumber, csWidthDynamic, csAlignDefault, 0);
  hub.SpreadSheetColumnSpecifications().AddColumn(csDataPercentage, csWidthDynamic, csAlignDefault, 0);
  const std::string xlsx = dir.file("long_xlsx.xlsx"), ods = dir.file("long_ods.ods");
  ASSERT_TRUE(hub.SaveToFileXLSX(xlsx));
  ASSERT_TRUE(hub.SaveToFileODS(ods));

  // A header row on every sheet, and the names of a long title.
  const TStrArray2D small = {{"Item", "Count"}, {"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}};
  const std::string title = "Syllables counted in a long text & more";
  TDocXLSXMinimal smallXlsx;
  TDocODSMinimal smallOds;
  for (TDocBaseSpreadsheetMinimal* w : std::initializer_list<TDocBaseSpreadsheetMinimal*>{&smallXlsx, &smallOds}) {
    w->SetContent(small);
    w->SheetName = title;
    w->HeaderRowCount = 1;
    w->RowsPerSheet = 3;
  }
  ASSERT_TRUE(smallXlsx.SaveToFile(dir.file("small_xlsx.xlsx")));
  ASSERT_TRUE(smallOds.SaveToFile(dir.file("small_ods.ods")));

  // One LibreOffice call for all files; the last filter option (-1) writes
  // every sheet to a CSV file of its own.
  const std::string out = dir.file("out");
  std::string command = documentstest::SofficeCommand(dir.str()) +
                        "--convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true,false,false,-1' "
                        "--outdir " +
                        ShellQuote(out);
  for (const std::string& f : {xlsx, ods, dir.file("small_xlsx.xlsx"), dir.file("small_ods.ods")})
    command += " " + ShellQuote(f);
  const auto converted = RunCommand(command + " 2>&1");
  ASSERT_EQ(converted.exitCode, 0) << converted.out;

  const std::string script = dir.file("check.py");
  WriteFileBytes(script, kCheckLongTable);
  const auto r = RunCommand(Python3() + " " + ShellQuote(script) + " " + ShellQuote(out) + " " + ShellQuote(xlsx) +
                            " " + ShellQuote(ods) + " 2>&1");
  ASSERT_EQ(r.exitCode, 0) << r.out;
  EXPECT_EQ(r.out,
            "openpyxl long_xlsx ['Sheet', 'Sheet (2)'] [1048576, 1] whole\n"
            "calc long_xlsx ['Sheet', 'Sheet (2)'] [1048576, 1] whole\n"
            "calc long_ods ['Sheet', 'Sheet (2)'] [1048576, 1] whole\n");

  // The small tables: each sheet begins with the header row.
  const std::string names[] = {"Syllables counted in a long tex", "Syllables counted in a long (2)",
                               "Syllables counted in a long (3)"};
  const std::string rows[] = {"Item,Count\na,1\nb,2\n", "Item,Count\nc,3\nd,4\n", "Item,Count\ne,5\n"};
  for (const char* base : {"small_xlsx", "small_ods"})
    for (size_t s = 0; s < 3; ++s)
      EXPECT_EQ(testsupport::ReadFileBytes(out + "/" + base + "-" + names[s] + ".csv"), rows[s]) << base << " " << s;
  WriteFileBytes(script,
                 "import sys, warnings, openpyxl\n"
                 "warnings.simplefilter('ignore')\n"
                 "for ws in openpyxl.load_workbook(sys.argv[1]).worksheets:\n"
                 "    print(ws.title, [list(r) for r in ws.iter_rows(values_only=True)])\n");
  const auto small2 =
      RunCommand(Python3() + " " + ShellQuote(script) + " " + ShellQuote(dir.file("small_xlsx.xlsx")) + " 2>&1");
  ASSERT_EQ(small2.exitCode, 0) << small2.out;
  EXPECT_EQ(small2.out,
            "Syllables counted in a long tex [['Item', 'Count'], ['a', '1'], ['b', '2']]\n"
            "Syllables counted in a long (2) [['Item', 'Count'], ['c', '3'], ['d', '4']]\n"
            "Syllables counted in a long (3) [['Item', 'Count'], ['e', '5']]\n");
}

}  // namespace
