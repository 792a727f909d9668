// The hub's files read back by real programs: Python's csv module, openpyxl,
// odfpy and LibreOffice.
#include <gtest/gtest.h>

#include <string>

#include "documents/dif_writer.h"
#include "documents/table_export.h"
#include "documents_test_support.h"
#include "foundation/code_pages.h"
#include "foundation/text_files.h"
#include "test_support.h"

namespace {

using testsupport::Python3;
using testsupport::ReadFileBytes;
using testsupport::RunCommand;
using testsupport::ShellQuote;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

const NumberFormat kPoint{".", ","};

// The table as a Python literal made of byte strings decoded as UTF-8, so that
// no character needs escaping rules of its own.
std::string PythonTable(const TStrArray2D& table) {
  std::string s = "[";
  for (const auto& row : table) {
    s += "[";
    for (const auto& cell : row) s += documentstest::PythonText(cell) + ",";
    s += "],";
  }
  return s + "]";
}

// The counter's table: item, count, percentage.
const TStrArray2D kCounterTable = {{"e", "5", "12,5 %"}, {"the word", "20", "50%"}, {"\xC3\xA4", "1", "0,1 %"}};

void AddCounterColumns(TDocCSV& hub) {
  hub.SpreadSheetExportDynamicCellFormat = true;
  hub.SpreadSheetColumnSpecifications().AddColumn(csDataStr, csWidthDynamic, csAlignDefault, 0);
  hub.SpreadSheetColumnSpecifications().AddColumn(csDataNumber, csWidthDynamic, csAlignDefault, 0);
  hub.SpreadSheetColumnSpecifications().AddColumn(csDataPercentage, csWidthDynamic, csAlignDefault, 0);
}

TEST(ToolCheckTableExport, PythonCsvReadsTheSameTable) {
  TempDir dir;
  const TStrArray2D table = {
      {"plain", "with,comma", "with \"quotes\"", ""},
      {"line\nbreak", "cr\rinside", "crlf\r\ninside", "semi;colon"},
      {"\xC3\xA4\xC3\xB6\xC3\xBC \xE4\xB8\xAD", " lead and trail ", "'single'", "\"\""},
  };
  struct Variant {
    const char* name;
    const char* separator;
    bool quoteAll;
    const char* lineBreak;
  } variants[] = {{"comma", ",", false, nullptr},
                  {"semicolon all quoted", ";", true, nullptr},
                  {"tab, CR LF", "\t", false, "crlf"}};
  for (const auto& v : variants) {
    TDocCSV hub(kPoint);
    hub.AddTable(table);
    hub.SeparatorFields().Write().SetFromChar(v.separator);
    hub.QuoteAllFields = v.quoteAll;
    if (v.lineBreak) hub.SeparatorLines().Write().SetFromParamStr(v.lineBreak);
    const std::string file = dir.file("t.csv");
    ASSERT_TRUE(hub.SaveToFileCSV(file));
    const std::string script = dir.file("check.py");
    WriteFileBytes(script, std::string("import csv, sys\n") + "expected = " + PythonTable(table) +
                               "\n"
                               "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                               "    rows = list(csv.reader(f, delimiter=sys.argv[2]))\n"
                               "print('same' if rows == expected else repr(rows))\n");
    const auto r = RunCommand(Python3() + " " + ShellQuote(script) + " " + ShellQuote(file) + " " +
                              ShellQuote(v.separator) + " 2>&1");
    EXPECT_EQ(r.exitCode, 0) << v.name;
    EXPECT_EQ(r.out, "same\n") << v.name;
  }
}

// The counter's table with the count and percentage columns off: one column,
// whose empty items are rows of their own for Python's csv module and for
// pandas, the last one included.
TEST(ToolCheckTableExport, OneColumnKeepsItsEmptyItems) {
  TempDir dir;
  const TStrArray2D table = {{"a"}, {""}, {"b"}, {""}, {""}};
  TDocCSV hub(kPoint);
  hub.UseTable(table);
  const std::string file = dir.file("t.csv");
  ASSERT_TRUE(hub.SaveToFileCSV(file));
  const std::string script = dir.file("check.py");
  WriteFileBytes(script,
                 "import csv, sys\n"
                 "import pandas as pd\n"
                 "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                 "    print([row for row in csv.reader(f)])\n"
                 "print(pd.read_csv(sys.argv[1], header=None, dtype=str, keep_default_na=False)[0].tolist())\n");
  const auto r = RunCommand(Python3() + " " + ShellQuote(script) + " " + ShellQuote(file) + " 2>&1");
  ASSERT_EQ(r.exitCode, 0) << r.out;
  EXPECT_EQ(r.out, "[['a'], [''], ['b'], [''], ['']]\n['a', '', 'b', '', '']\n");
}

// Code page 54936 is GB 18030 in every table file and in plain text, with
// its mark or without: Python's decoder reads the text as written.
TEST(ToolCheckTableExport, GB18030ReadsBackInPython) {
  TempDir dir;
  const TStrArray2D table = {{"\xE4\xB8\xAD\xE6\x96\x87", "1"},
                             {"caf\xC3\xA9 \xF0\x9F\x98\x80", "2"},
                             {"\xD8\xB9\xD8\xB1\xD8\xA8\xD9\x8A", "3"}};
  std::string checks;
  for (const bool mark : {false, true}) {
    const std::string suffix = mark ? "_mark" : "";
    TDocCSV hub(kPoint);
    hub.UseTable(table);
    hub.Encoding = cpGB18030;
    hub.WriteBOM = mark;
    ASSERT_TRUE(hub.SaveToFileCSV(dir.file("t" + suffix + ".csv")));
    checks += "('" + dir.file("t" + suffix + ".csv") + "', " + documentstest::PythonText(hub.AsText()) + "),\n";
    const std::string text = "\xE4\xB8\xAD\xE6\x96\x87 caf\xC3\xA9 \xF0\x9F\x98\x80\n";
    ASSERT_TRUE(SaveString(text, dir.file("t" + suffix + ".txt"), cpGB18030, mark, false));
    checks += "('" + dir.file("t" + suffix + ".txt") + "', " + documentstest::PythonText(text) + "),\n";
  }
  TDocDIF dif;
  dif.UseContent(table);
  dif.Encoding = cpGB18030;
  ASSERT_TRUE(dif.SaveToFile(dir.file("t.dif")));
  checks += "('" + dir.file("t.dif") + "', " + documentstest::PythonText(dif.AsText()) + "),\n";
  const std::string script = dir.file("check.py");
  WriteFileBytes(script, "checks = [\n" + checks +
                             "]\n"
                             "for name, expected in checks:\n"
                             "    with open(name, 'rb') as f:\n"
                             "        text = f.read().decode('gb18030')\n"
                             "    if text.lstrip('\\ufeff') != expected:\n"
                             "        print(name, repr(text))\n");
  const auto r = RunCommand(Python3() + " " + ShellQuote(script) + " 2>&1");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "");
}

TEST(ToolCheckTableExport, OpenpyxlReadsValuesTypesFormatsAndWidths) {
  TempDir dir;
  TDocCSV hub(kPoint);
  hub.AddTable(kCounterTable);
  AddCounterColumns(hub);
  hub.SpreadSheetColumnSpecifications().AddColumn(csDataBoolean, csWidthFixed, csAlignRight, 3.5);
  hub.AddTable({{"a&b <c>", "abc", "x", "true"}});
  ASSERT_TRUE(hub.SaveToFileXLSX(dir.file("t.xlsx")));
  const std::string script = dir.file("check.py");
  WriteFileBytes(script,
                 "import sys, warnings, openpyxl\n"
                 // openpyxl misses a named cell style; the file needs none.
                 "warnings.simplefilter('ignore')\n"
                 "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
                 "print(ws.title)\n"
                 "for row in ws.iter_rows():\n"
                 "    print('|'.join('%s:%s:%s' % (c.data_type, repr(c.value), c.number_format) for c in row))\n"
                 "print(' '.join(str(ws.column_dimensions[k].width) for k in 'ABCD'))\n"
                 "print(ws['D4'].alignment.horizontal)\n");
  const auto r = RunCommand(Python3() + " " + ShellQuote(script) + " " + ShellQuote(dir.file("t.xlsx")) + " 2>&1");
  ASSERT_EQ(r.exitCode, 0) << r.out;
  EXPECT_EQ(r.out,
            "Sheet\n"
            "s:'e':General|n:5:General|n:0.125:0.00%|s:'':General\n"
            "s:'the word':General|n:20:General|n:0.5:0.00%|s:'':General\n"
            "s:'\xC3\xA4':General|n:1:General|n:0.001:0.00%|s:'':General\n"
            "s:'a&b <c>':General|s:'abc':General|s:'x':General|b:True:General\n"
            "12.0 12.0 12.0 17.0\n"
            "right\n");
}

TEST(ToolCheckTableExport, OdfpyReadsValueTypesAndValues) {
  TempDir dir;
  TDocCSV hub(kPoint);
  hub.AddTable(kCounterTable);
  AddCounterColumns(hub);
  hub.SpreadSheetColumnSpecifications().AddColumn(csDataDate, csWidthDefault, csAlignDefault, 0);
  hub.SpreadSheetColumnSpecifications().AddColumn(csDataBoolean, csWidthDefault, csAlignDefault, 0);
  hub.AddTable({{"a&b", "abc", "x", "2024-03-05", "0"}});
  ASSERT_TRUE(hub.SaveToFileODS(dir.file("t.ods")));
  const std::string script = dir.file("check.py");
  WriteFileBytes(
      script,
      "import sys\n"
      "from odf.opendocument import load\n"
      "from odf.table import TableRow, TableCell\n"
      "d = load(sys.argv[1])\n"
      "for row in d.spreadsheet.getElementsByType(TableRow):\n"
      "    out = []\n"
      "    for c in row.getElementsByType(TableCell):\n"
      "        t = c.getAttribute('valuetype')\n"
      "        v = {'string': 'stringvalue', 'date': 'datevalue', 'boolean': 'booleanvalue'}.get(t, 'value')\n"
      "        out.append('%s:%s' % (t, c.getAttribute(v)))\n"
      "    print('|'.join(out))\n");
  const auto r = RunCommand(Python3() + " " + ShellQuote(script) + " " + ShellQuote(dir.file("t.ods")) + " 2>&1");
  ASSERT_EQ(r.exitCode, 0) << r.out;
  EXPECT_EQ(r.out,
            "string:e|float:5|percentage:0.125|string:|string:\n"
            "string:the word|float:20|percentage:0.5|string:|string:\n"
            "string:\xC3\xA4|float:1|percentage:0.001|string:|string:\n"
            "string:a&b|string:abc|string:x|date:2024-03-05|boolean:false\n");
}

TEST(ToolCheckTableExport, LibreOfficeConvertsEveryFormatBackToTheTable) {
  TempDir dir;
  TDocCSV hub(kPoint);
  hub.AddTable({{"Item", "Count", "Share"}});
  hub.AddTable(kCounterTable);
  hub.AddTable({{"a \"b\" & <c>", "7", "x"}});
  AddCounterColumns(hub);
  ASSERT_TRUE(hub.SaveToFileXLSX(dir.file("t_xlsx.xlsx")));
  ASSERT_TRUE(hub.SaveToFileODS(dir.file("t_ods.ods")));
  ASSERT_TRUE(hub.SaveToFileDIF(dir.file("t_dif.dif")));
  const std::string out = dir.file("out");
  ASSERT_EQ(documentstest::ConvertTablesToCsv(dir.str(), out, {dir.file("t_xlsx.xlsx"), dir.file("t_ods.ods")},
                                              {dir.file("t_dif.dif")}),
            "");
  const std::string head = "Item,Count,Share\n";
  const std::string last = "\"a \"\"b\"\" & <c>\",7,x\n";
  EXPECT_EQ(ReadFileBytes(out + "/t_xlsx.csv"), head + "e,5,12.50%\nthe word,20,50.00%\n\xC3\xA4,1,0.10%\n" + last);
  EXPECT_EQ(ReadFileBytes(out + "/t_ods.csv"), head + "e,5,12.50%\nthe word,20,50.00%\n\xC3\xA4,1,0.10%\n" + last);
  EXPECT_EQ(ReadFileBytes(out + "/t_dif.csv"), head + "e,5,\"12,5 %\"\nthe word,20,50%\n\xC3\xA4,1,\"0,1 %\"\n" + last);
}

}  // namespace
