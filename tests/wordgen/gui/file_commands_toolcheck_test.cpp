// The count table's files read back by real programs: Python's csv module and
// html.parser, openpyxl and odfpy, and a reading of DIF's tuples, in one run.
#include <gtest/gtest.h>

#include <string>

#include "test_support.h"
#include "wordgen/gui/file_commands.h"

namespace {

using testsupport::Python3;
using testsupport::RunCommand;
using testsupport::ShellQuote;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

TEST(ToolCheckFileCommands, EveryTableFormatReadsBackAsTheCountTable) {
  TempDir dir;
  const TStrArray2D table = {{"e", "2", "20.00%"}, {"a, \"b\" <\xC3\xA4>", "8", "80.00%"}};
  const TExportSettings s;
  for (const char* name : {"t.csv", "t.xlsx", "t.ods", "t.dif", "t.html"}) {
    std::string file = dir.file(name);
    const TSaveFormat format = ChooseSaveFormat(TSaveContent::CountTable, 1, file);
    ASSERT_TRUE(SaveCountTableAs(table, file, format, s)) << name;
  }
  WriteFileBytes(
      dir.file("check.py"),
      "import csv, sys, warnings\n"
      "from html.parser import HTMLParser\n"
      "import openpyxl\n"
      "from odf.opendocument import load\n"
      "from odf.table import TableRow, TableCell\n"
      "d = sys.argv[1] + '/'\n"
      "with open(d + 't.csv', newline='', encoding='utf-8') as f:\n"
      "    print('csv', list(csv.reader(f)))\n"
      "warnings.simplefilter('ignore')\n"
      "ws = openpyxl.load_workbook(d + 't.xlsx').active\n"
      "print('xlsx', [[(c.value, c.number_format) for c in r] for r in ws.iter_rows()])\n"
      "rows = []\n"
      "for r in load(d + 't.ods').spreadsheet.getElementsByType(TableRow):\n"
      "    rows.append([(c.getAttribute('valuetype'), c.getAttribute('value') or c.getAttribute('stringvalue'))\n"
      "                 for c in r.getElementsByType(TableCell)])\n"
      "print('ods', rows)\n"
      // DIF: after DATA, each row starts with -1,0 BOT; a string cell is 1,0 and
      // its quoted text, a number 0,value and V.
      "lines = open(d + 't.dif', encoding='utf-8').read().split('\\n')\n"
      "rows, i = [], lines.index('DATA') + 3\n"
      "while lines[i] != '-1,0' or lines[i + 1] != 'EOD':\n"
      "    if lines[i] == '-1,0' and lines[i + 1] == 'BOT': rows.append([])\n"
      "    elif lines[i] == '1,0': rows[-1].append(lines[i + 1][1:-1].replace('\"\"', '\"'))\n"
      "    elif lines[i].startswith('0,'): rows[-1].append(float(lines[i][2:]))\n"
      "    i += 2\n"
      "print('dif', rows)\n"
      "class Cells(HTMLParser):\n"
      "    rows, cell = [], None\n"
      "    def handle_starttag(self, tag, attrs):\n"
      "        if tag == 'tr': self.rows.append([])\n"
      "        if tag == 'td': self.cell = ''\n"
      "    def handle_endtag(self, tag):\n"
      "        if tag == 'td': self.rows[-1].append(self.cell); self.cell = None\n"
      "    def handle_data(self, data):\n"
      "        if self.cell is not None: self.cell += data\n"
      "p = Cells(convert_charrefs=True)\n"
      "p.feed(open(d + 't.html', encoding='utf-8').read())\n"
      "print('html', p.rows)\n");
  const auto r = RunCommand(Python3() + " " + ShellQuote(dir.file("check.py")) + " " + ShellQuote(dir.str()) + " 2>&1");
  ASSERT_EQ(r.exitCode, 0) << r.out;
  const std::string item = "'a, \"b\" <\xC3\xA4>'";
  EXPECT_EQ(r.out, "csv [['e', '2', '20.00%'], [" + item + ", '8', '80.00%']]\n" +
                       "xlsx [[('e', 'General'), (2, 'General'), (0.2, '0.00%')], [(" + item +
                       ", 'General'), (8, 'General'), (0.8, '0.00%')]]\n" +
                       "ods [[('string', 'e'), ('float', '2'), ('percentage', '0.2')], [('string', " + item +
                       "), ('float', '8'), ('percentage', '0.8')]]\n" + "dif [['e', '2', '20.00%'], [" + item +
                       ", '8', '80.00%']]\n" + "html [['e', '2', '20.00%'], [" + item + ", '8', '80.00%']]\n");
}

}  // namespace
