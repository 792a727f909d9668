// Frozen rows, zoom and links of the XLSX writer as openpyxl reads them.
#include <gtest/gtest.h>

#include "documents/xlsx_writer.h"
#include "test_support.h"

namespace {

using testsupport::Python3;
using testsupport::RunCommand;
using testsupport::ShellQuote;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

TEST(ToolCheckXlsx, OpenpyxlReadsViewAndLinks) {
  TempDir dir;
  TDocXLSXMinimal x;
  x.SheetName = "Words & more";
  x.Zoom = 150;
  x.FreezePositionVertical = 1;
  x.CreateLinks = true;
  x.SetContent({{"Item", "Count"}, {"see <a href=\"files/my list.txt\">site</a> now", "1"}});
  ASSERT_TRUE(x.SaveToFile(dir.file("v.xlsx")));
  const std::string script = dir.file("check.py");
  WriteFileBytes(script,
                 "import sys, warnings, openpyxl\n"
                 "warnings.simplefilter('ignore')\n"
                 "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
                 "print(ws.title)\n"
                 "print(ws.freeze_panes, ws.sheet_view.zoomScale)\n"
                 "print(ws['A2'].value, ws['A2'].hyperlink.target)\n");
  const auto r = RunCommand(Python3() + " " + ShellQuote(script) + " " + ShellQuote(dir.file("v.xlsx")) + " 2>&1");
  ASSERT_EQ(r.exitCode, 0) << r.out;
  EXPECT_EQ(r.out, "Words & more\nA2 150\nsee site now files/my%20list.txt\n");
}

}  // namespace
