// The HTML page checked by xmllint and read back by LibreOffice's spreadsheet.
#include <gtest/gtest.h>

#include <string>

#include "documents/html_writer.h"
#include "documents_test_support.h"
#include "test_support.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::RunCommand;
using testsupport::ShellQuote;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

const TStrArray2D kTable = {{"Item", "Count"}, {"a<b & \"c\" 'd'", "5"}, {"\xC3\xA9t\xC3\xA9", "20"}};

void WritePage(const std::string& file, int32_t codePage) {
  TDocHTML doc;
  doc.DocumentTitle = "Syllabrix";
  doc.Encoding = codePage;
  doc.Page().Tables().Add(kTable);
  ASSERT_TRUE(doc.SaveToFile(file));
}

TEST(ToolCheckHtml, XmllintFindsNoError) {
  TempDir dir;
  // UTF-7 (65000) and UTF-32 (12000) pages are written in UTF-8, which xmllint reads.
  for (int32_t codePage : {65001, 1252, 88592, 1200, 54936, 65000, 12000}) {
    const std::string file = dir.file("p" + std::to_string(codePage) + ".html");
    WritePage(file, codePage);
    const auto r = RunCommand("xmllint --html --noout " + ShellQuote(file) + " 2>&1");
    EXPECT_EQ(r.exitCode, 0) << codePage << ": " << r.out;
    EXPECT_EQ(r.out, "") << codePage;
    // The cells come back as written, whatever the code page.
    const auto text = RunCommand("xmllint --html --xpath 'string(//tr[3]/td[1])' " + ShellQuote(file) + " 2>&1");
    EXPECT_EQ(text.out, "\xC3\xA9t\xC3\xA9\n") << codePage;
  }
}

// html5lib reads a C1 control written into a single-byte page as the blank
// the writer puts for it, never as a windows-1252 character; a UTF-8 page
// keeps it.
TEST(ToolCheckHtml, Html5libReadsNoWindowsCharacterForAC1Control) {
  TempDir dir;
  const TStrArray2D table = {{"a\xC2\x85"
                              "b"},
                             {"\xC2\x80\xC2\x81\xC2\x8D\xC2\x9F"},
                             {"caf\xC3\xA9 \xE2\x80\xA6"}};
  std::string checks;
  for (int32_t codePage : {1252, 88591, 0, 1251, 65001}) {
    TDocHTML page;
    page.Encoding = codePage;
    const std::string file = dir.file("p" + std::to_string(codePage) + ".html");
    ASSERT_TRUE(page.SaveToFileWithTable(table, file));
    const bool unicode = codePage == 65001;
    checks += "('" + file + "', [" + documentstest::PythonText(unicode ? table[0][0] : "a b") + ", " +
              documentstest::PythonText(unicode ? table[1][0] : "    ") + ", " +
              documentstest::PythonText(table[2][0]) + "]),\n";
  }
  WriteFileBytes(dir.file("check.py"),
                 "import html5lib\n"
                 "checks = [\n" +
                     checks +
                     "]\n"
                     "for name, expected in checks:\n"
                     "    with open(name, 'rb') as f:\n"
                     "        doc = html5lib.parse(f.read(), namespaceHTMLElements=False)\n"
                     "    cells = [''.join(td.itertext()) for td in doc.iter('td')]\n"
                     "    if cells != expected:\n"
                     "        print(name, repr(cells))\n");
  const auto r = RunCommand(testsupport::Python3() + " " + ShellQuote(dir.file("check.py")) + " 2>&1");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "");
}

TEST(ToolCheckHtml, LibreOfficeCalcReadsTheTable) {
  TempDir dir;
  WritePage(dir.file("utf8.html"), 65001);
  WritePage(dir.file("cp1252.html"), 1252);
  const std::string out = dir.file("out");
  const auto r = RunCommand("HOME=" + ShellQuote(dir.str()) + " soffice -env:UserInstallation=file://" + dir.str() +
                            "/profile --headless --infilter='HTML (StarCalc)' "
                            "--convert-to 'csv:Text - txt - csv (StarCalc):44,34,76' --outdir " +
                            ShellQuote(out) + " " + ShellQuote(dir.file("utf8.html")) + " " +
                            ShellQuote(dir.file("cp1252.html")) + " 2>&1");
  ASSERT_EQ(r.exitCode, 0) << r.out;
  const std::string expected = "Item,Count\n\"a<b & \"\"c\"\" 'd'\",5\n\xC3\xA9t\xC3\xA9,20\n";
  EXPECT_EQ(ReadFileBytes(out + "/utf8.csv"), expected);
  EXPECT_EQ(ReadFileBytes(out + "/cp1252.csv"), expected);
}

}  // namespace
