// The RTF file read by LibreOffice and unrtf: the words come back, Chinese
// and characters beyond U+FFFF included.
#include <gtest/gtest.h>

#include <string>

#include "documents/rtf_writer.h"
#include "test_support.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::RunCommand;
using testsupport::ShellQuote;
using testsupport::TempDir;

const TStrArray kWords = {"plain",
                          "W\xC3\xB6rter",
                          "\xE4\xB8\xAD\xE6\x96\x87\xE8\xAF\xAD",
                          "a{b}c\\d",
                          "\xCE\xA3\xCF\x8D\xCE\xBB\xCE\xBB\xCE\xB1\xCE\xB2\xCE\xB1",
                          "\xF0\x9F\x98\x80"};

std::string WriteWords(const TempDir& dir) {
  TDocRTF doc;
  doc.DocumentTitle = "Syllabrix {words}";
  for (const auto& w : kWords) doc.Page().AddParagraph(w, -1);
  const std::string file = dir.file("words.rtf");
  EXPECT_TRUE(doc.SaveToFile(file));
  const std::string bytes = ReadFileBytes(file);
  for (unsigned char c : bytes) EXPECT_LT(c, 0x80);
  return file;
}

TEST(ToolCheckRtf, LibreOfficeReadsTheWords) {
  TempDir dir;
  const std::string file = WriteWords(dir);
  const std::string out = dir.file("out");
  const auto r = RunCommand("HOME=" + ShellQuote(dir.str()) + " soffice -env:UserInstallation=file://" + dir.str() +
                            "/profile --headless --convert-to 'txt:Text (encoded):UTF8' --outdir " + ShellQuote(out) +
                            " " + ShellQuote(file) + " 2>&1");
  ASSERT_EQ(r.exitCode, 0) << r.out;
  std::string text = ReadFileBytes(out + "/words.txt");
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  std::string expected;
  for (const auto& w : kWords) expected += w + "\n";
  EXPECT_EQ(text, expected);
}

// The lines unrtf writes after its header ("-----------------").
std::string UnrtfBody(const std::string& out) {
  const std::string marker = "-----------------\n";
  const size_t at = out.find(marker);
  if (at == std::string::npos) return out;
  std::string body;
  size_t pos = at + marker.size();
  while (pos < out.size()) {
    size_t end = out.find('\n', pos);
    if (end == std::string::npos) end = out.size();
    const std::string line = out.substr(pos, end - pos);
    if (!line.empty()) body += line + "\n";
    pos = end + 1;
  }
  return body;
}

TEST(ToolCheckRtf, UnrtfReadsTheWords) {
  TempDir dir;
  const std::string file = WriteWords(dir);
  // unrtf's text output is the fallback of every Unicode word: the
  // character in code page 1252 where it has one, else "?" for each UTF-16
  // unit. That every other character arrives shows the escapes and groups
  // are read right.
  const auto text = RunCommand("unrtf --text " + ShellQuote(file) + " 2>/dev/null");
  ASSERT_EQ(text.exitCode, 0) << text.out;
  EXPECT_EQ(UnrtfBody(text.out), "plain\nW\xF6rter\n???\na{b}c\\d\n???????\n??\n") << text.out;

  // Its HTML output carries the characters themselves, letters after them included.
  const auto html = RunCommand("unrtf --html " + ShellQuote(file) + " 2>/dev/null");
  ASSERT_EQ(html.exitCode, 0) << html.out;
  EXPECT_NE(html.out.find("W&ouml;rter<br>"), std::string::npos) << html.out;
  EXPECT_NE(html.out.find("&#20013;&#25991;&#35821;<br>"), std::string::npos) << html.out;
  EXPECT_NE(html.out.find("&Sigma;&#973;&lambda;&lambda;&alpha;&beta;&alpha;<br>"), std::string::npos) << html.out;
  EXPECT_NE(html.out.find("&#55357;&#56832;<br>"), std::string::npos) << html.out;
}

}  // namespace
