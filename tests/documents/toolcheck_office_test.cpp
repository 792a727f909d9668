// The DOCX and ODT files checked with the tools people open them with.
#include <gtest/gtest.h>

#include <filesystem>

#include "documents/docx_writer.h"
#include "documents/odt_writer.h"
#include "documents_test_support.h"
#include "test_support.h"

namespace {

using testsupport::Python3;
using testsupport::ReadFileBytes;
using testsupport::RunCommand;
using testsupport::ShellQuote;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

const std::vector<std::vector<std::string>> kWordLists = {
    {"Alpha", "Beta"},
    {"\xC3\x84pfel", "a&b", "x<y>z", "quote\"s", "it's"},
    {"one", "two", "three", "four", "five", "six", "seven", "eight"},
};

std::string Join(const std::vector<std::string>& words) {
  std::string out;
  for (const std::string& w : words) out += w + "\n";
  return out;
}

// The documents the main window writes: one default paragraph per word.
void WriteDocuments(const TempDir& dir, std::vector<std::string>& docx, std::vector<std::string>& odt) {
  for (size_t i = 0; i < kWordLists.size(); ++i) {
    TDocDOCX d;
    TDocODT o;
    for (const std::string& word : kWordLists[i]) {
      d.Page().AddParagraph(word, -1);
      o.Page().AddParagraph(word, -1);
    }
    docx.push_back(dir.file("docx" + std::to_string(i) + ".docx"));
    odt.push_back(dir.file("odt" + std::to_string(i) + ".odt"));
    ASSERT_TRUE(d.SaveToFile(docx.back()));
    ASSERT_TRUE(o.SaveToFile(odt.back()));
  }
  // The optional parts and a header and footer as well.
  TDocODT o;
  o.AddManifestRDF = true;
  o.AddThumbnailImage = true;
  o.AddOOOAttributes = true;
  o.Header().AddText("Page ");
  o.Header().AddContent(docContentPageNumber);
  o.Footer().AddContent(docContentPageCount);
  o.PageColumnCount = 2;
  o.Page().AddParagraph("x", -1);
  odt.push_back(dir.file("full_odt.odt"));
  ASSERT_TRUE(o.SaveToFile(odt.back()));
  TDocDOCX d;
  d.Header().AddText("Page ");
  d.Header().AddContent(docContentPageNumber);
  d.Footer().AddContent(docContentPageCount);
  d.PageColumnCount = 2;
  d.Page().Style().KeepWithNext = true;
  d.Page().AddParagraph("x\r\ny", 0);
  docx.push_back(dir.file("full_docx.docx"));
  ASSERT_TRUE(d.SaveToFile(docx.back()));
}

TEST(ToolCheckOffice, FileAndUnzipAndXmllint) {
  TempDir dir;
  std::vector<std::string> docx, odt;
  WriteDocuments(dir, docx, odt);
  for (const auto& [files, kind] : {std::pair{&docx, "Microsoft Word 2007+"}, std::pair{&odt, "OpenDocument Text"}}) {
    for (const std::string& path : *files) {
      const auto type = RunCommand("file -b " + ShellQuote(path));
      EXPECT_NE(type.out.find(kind), std::string::npos) << path << ": " << type.out;
      const auto test = RunCommand("unzip -t " + ShellQuote(path) + " 2>&1");
      EXPECT_EQ(test.exitCode, 0) << test.out;
      EXPECT_NE(test.out.find("No errors detected"), std::string::npos) << test.out;
      for (const auto& entry : documentstest::ReadZip(path)) {
        if (entry.Name.find(".png") != std::string::npos || entry.Name == "mimetype") continue;
        const std::string part = dir.file("part.xml");
        WriteFileBytes(part, entry.Data);
        const auto lint = RunCommand("xmllint --noout " + ShellQuote(part) + " 2>&1");
        EXPECT_EQ(lint.exitCode, 0) << path << " " << entry.Name << ": " << lint.out;
      }
    }
  }
}

TEST(ToolCheckOffice, PythonDocxReadsWordsStyleAndPageSize) {
  TempDir dir;
  std::vector<std::string> docx, odt;
  WriteDocuments(dir, docx, odt);
  const std::string script = dir.file("read.py");
  WriteFileBytes(script,
                 "import sys, docx\n"
                 "d = docx.Document(sys.argv[1])\n"
                 "s = d.sections[0]\n"
                 "print(round(s.page_width / 635), round(s.page_height / 635), round(s.left_margin / 635))\n"
                 "for p in d.paragraphs:\n"
                 "    print(p.style.name + '|' + p.text)\n");
  for (size_t i = 0; i < kWordLists.size(); ++i) {
    const auto result = RunCommand(Python3() + " " + ShellQuote(script) + " " + ShellQuote(docx[i]) + " 2>&1");
    ASSERT_EQ(result.exitCode, 0) << result.out;
    std::string expected = "11905 16838 1134\n";
    for (const std::string& word : kWordLists[i]) expected += "DefaultParagraph|" + word + "\n";
    EXPECT_EQ(result.out, expected);
  }
  const auto full = RunCommand(Python3() + " " + ShellQuote(script) + " " + ShellQuote(docx.back()) + " 2>&1");
  EXPECT_EQ(full.out, "11905 16838 1134\nStandard|x\ny\n");
}

TEST(ToolCheckOffice, OdfpyReadsTheParagraphs) {
  TempDir dir;
  std::vector<std::string> docx, odt;
  WriteDocuments(dir, docx, odt);
  const std::string script = dir.file("read.py");
  WriteFileBytes(script,
                 "import sys\n"
                 "from odf.opendocument import load\n"
                 "from odf import text, teletype\n"
                 "d = load(sys.argv[1])\n"
                 "for p in d.body.getElementsByType(text.P):\n"
                 "    print(p.getAttribute('stylename') + '|' + teletype.extractText(p))\n");
  for (size_t i = 0; i < kWordLists.size(); ++i) {
    const auto result = RunCommand(Python3() + " " + ShellQuote(script) + " " + ShellQuote(odt[i]) + " 2>&1");
    ASSERT_EQ(result.exitCode, 0) << result.out;
    std::string expected;
    for (const std::string& word : kWordLists[i]) expected += "DefaultParagraph|" + word + "\n";
    EXPECT_EQ(result.out, expected);
  }
}

TEST(ToolCheckOffice, LibreOfficeConvertsAllFilesToTheWordsInOneCall) {
  TempDir dir;
  std::vector<std::string> docx, odt;
  WriteDocuments(dir, docx, odt);
  std::string files;
  for (size_t i = 0; i < docx.size(); ++i) files += " " + ShellQuote(docx[i]) + " " + ShellQuote(odt[i]);
  const std::string out = dir.file("out");
  // A profile of its own, so that no other office process interferes.
  const auto result = RunCommand("HOME=" + ShellQuote(dir.str()) + " soffice -env:UserInstallation=file://" +
                                 dir.str() + "/profile --headless --convert-to 'txt:Text (encoded):UTF8' --outdir " +
                                 ShellQuote(out) + files + " 2>&1");
  ASSERT_EQ(result.exitCode, 0) << result.out;
  for (size_t i = 0; i < kWordLists.size(); ++i) {
    for (const char* kind : {"docx", "odt"}) {
      const std::string name = out + "/" + kind + std::to_string(i) + ".txt";
      std::string text = ReadFileBytes(name);
      if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
      EXPECT_EQ(text, Join(kWordLists[i])) << name;
    }
  }
  // The documents with header, footer and columns open as well.
  EXPECT_NE(ReadFileBytes(out + "/full_docx.txt").find('x'), std::string::npos);
  EXPECT_NE(ReadFileBytes(out + "/full_odt.txt").find('x'), std::string::npos);
}

}  // namespace
