// The HTML page checked by xmllint and read back by LibreOffice's spreadsheet.
#include <gtest/gtest.h>

#include <string>

#include "documents/html_writer.h"
#include "test_support.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::RunCommand;
using testsupport::ShellQuote;
using testsupport::TempDir;

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
