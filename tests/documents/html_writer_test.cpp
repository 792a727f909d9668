#include "documents/html_writer.h"

#include <gtest/gtest.h>

#include "foundation/code_pages.h"
#include "test_support.h"

namespace {

const std::string kHeadings =
    "h1{font-family:\"Times New Roman\";font-size:24pt}h2{font-family:\"Times New Roman\";font-size:22pt}"
    "h3{font-family:\"Times New Roman\";font-size:20pt}h4{font-family:\"Times New Roman\";font-size:18pt}"
    "h5{font-family:\"Times New Roman\";font-size:16pt}h6{font-family:\"Times New Roman\";font-size:14pt}";

std::string Head(const std::string& charset, const std::string& title) {
  return "<!DOCTYPE html><head><meta charset=\"" + charset + "\">" + title +
         "<style type=\"text/css\">*{margin:0px;padding:0px;border:0px;}"
         "body{padding:0.7cm 0.7cm 0.7cm 0.7cm;color:#000000;background-color:#FFFFFF;}"
         "p,table{font-family:\"Times New Roman\";font-size:12pt}" +
         kHeadings +
         ".Standard{font-family:\"Times New Roman\";font-size:12pt;color:#000000;text-align:left;}</style>"
         "</head>";
}

TEST(HtmlWriter, DefaultCountTable) {
  TDocHTML doc;
  doc.DocumentTitle = "Syllabrix";
  doc.Page().Tables().Add({{"a", "1"}, {"b", "2"}});
  EXPECT_EQ(doc.GetPlainText(), Head("UTF-8", "<title>Syllabrix</title>") +
                                    "<body><table style=\"width:100%\"><tr><td>a</td><td>1</td></tr>"
                                    "<tr><td>b</td><td>2</td></tr></table></body></html>");
  EXPECT_FLOAT_EQ(doc.Page().Tables().ParentWidth, 19.6f);

  TDocHTML empty;
  empty.DocumentTitle.clear();
  EXPECT_EQ(empty.GetPlainText(), Head("UTF-8", "") + "<body></body></html>");
}

TEST(HtmlWriter, LineEndingsAtTheirPlaces) {
  TDocHTML doc;
  doc.LineEndingHTML = "\n";
  doc.DocumentTitle = "T";
  doc.Page().Tables().Add({{"a"}});
  doc.Page().AddParagraph("p", -1);
  const std::string s = doc.GetPlainText();
  EXPECT_EQ(s.rfind("<!DOCTYPE html>\n<head>\n<meta charset=\"UTF-8\">\n<title>T</title>\n<style type=\"text/css\">"
                    "*{margin:0px;padding:0px;border:0px;}body{",
                    0),
            0u);
  EXPECT_NE(s.find("<body>\n<table style=\"width:100%\"><tr><td>a</td></tr></table><p>p</p>\n\n</body>\n</html>\n"),
            std::string::npos);
  EXPECT_NE(s.find("text-align:left;}\n</style>\n</head>\n"), std::string::npos);
}

TEST(HtmlWriter, ContentItemsAndEscaping) {
  TDocHTML doc;
  doc.Page().Tables().Add({{"a<b&c", "\"q\" 'a'"}, {"x"}});
  doc.Page().AddParagraph("plain", -1);
  doc.Page().AddParagraph("styled", 0);
  doc.Page().AddParagraph("unknown style", 7);
  doc.Page().SetFontBold(true);
  doc.Page().AddText("bold>");
  doc.Page().SetFontBold(false);
  doc.Page().AddContent(docContentHeading2, "H");
  doc.Page().AddContent(docContentRawCode, "<hr>");
  doc.Page().AddText("broken\xFF");
  EXPECT_EQ(doc.GetBodyAsString(),
            "<table style=\"width:100%\"><tr><td>a&lt;b&amp;c</td><td>&quot;q&quot; &#39;a&#39;</td></tr>"
            "<tr><td>x</td><td></td></tr></table><p>plain</p><p class=\"Standard\">styled</p><p>unknown style</p>"
            "<b>bold&gt;</b><h2>H</h2><hr>broken ");

  doc.DocumentTitle = "</title><x>";
  EXPECT_NE(doc.GetHeadAsString().find("<title>&lt;/title&gt;&lt;x&gt;</title>"), std::string::npos);
}

TEST(HtmlWriter, ParagraphStyles) {
  TDocHTML doc;
  TDocParagraphStyle& st = doc.Styles().GetStyle(doc.Styles().Add());
  st.FontBold = true;
  st.FontItalic = true;
  st.FontUnderline = true;
  st.FontStrikeThrough = true;
  st.TextAlignmentHorz = docAlignHorzCenter;
  st.MarginTop = 0.5f;
  st.MarginRight = 0.2f;
  st.SetTextBackgroundColorFromHex("FF0000");
  EXPECT_EQ(doc.GetParagraphStyleAsString(st),
            "font-family:\"Times New Roman\";font-size:12pt;color:#000000;background-color:#FF0000;"
            "font-weight:bold;font-style:italic;text-decoration:underline;text-decoration:line-through;"
            "text-align:center;padding-top:0.5cm;padding-right:0.200000002980232cm;");
  EXPECT_NE(doc.GetCSSAsString().find(".Style1{"), std::string::npos);
}

TEST(HtmlWriter, CodePagesAndMarks) {
  testsupport::TempDir dir;
  TDocHTML doc;
  doc.DocumentTitle = "x";
  doc.Page().Tables().Add({{"\xC3\xA9t\xC3\xA9"}});
  doc.Encoding = 1252;
  ASSERT_TRUE(doc.SaveToFile(dir.file("p.html")));
  std::string bytes = testsupport::ReadFileBytes(dir.file("p.html"));
  EXPECT_EQ(bytes.rfind("<!DOCTYPE html><head><meta charset=\"windows-1252\">", 0), 0u);
  EXPECT_NE(bytes.find("<td>\xE9t\xE9</td>"), std::string::npos);

  struct Case {
    int32_t codePage;
    bool bom;
    const char* label;
    std::string start;
  } cases[] = {
      {65001, false, "UTF-8", "<!"},
      {65001, true, "UTF-8", "\xEF\xBB\xBF<!"},
      {88592, false, "iso-8859-2", "<!"},
      {1200, false, "utf-16le", std::string("\xFF\xFE<\0", 4)},
      {1201, false, "utf-16be", std::string("\xFE\xFF\0<", 4)},
      // No browser or HTML parser reads UTF-32 or UTF-7: such a page is UTF-8.
      {12000, false, "UTF-8", "<!"},
      {12001, true, "UTF-8", "\xEF\xBB\xBF<!"},
      {65000, true, "UTF-8", "\xEF\xBB\xBF<!"},
      {64999, false, "UTF-8", "<!"},
      {54936, false, "gb18030", "<!"},
  };
  for (const auto& c : cases) {
    doc.Encoding = c.codePage;
    doc.WriteBOM = c.bom;
    EXPECT_NE(doc.GetHeadAsString().find(std::string("<meta charset=\"") + c.label + "\">"), std::string::npos)
        << c.codePage;
    ASSERT_TRUE(doc.SaveToFile(dir.file("p.html")));
    bytes = testsupport::ReadFileBytes(dir.file("p.html"));
    EXPECT_EQ(bytes.substr(0, c.start.size()), c.start) << c.codePage;
  }
  // GB 18030 really is written as GB 18030: 中 is D6 D0.
  doc.Page().AddText("\xE4\xB8\xAD");
  doc.Encoding = 54936;
  ASSERT_TRUE(doc.SaveToFile(dir.file("p.html")));
  EXPECT_NE(testsupport::ReadFileBytes(dir.file("p.html")).find("\xD6\xD0"), std::string::npos);
  EXPECT_FALSE(doc.SaveToFile(dir.file("p.html") + "/x.html"));
}

// No browser or HTML parser reads UTF-7 or UTF-32: a page asked for in one of
// them is, byte for byte, the UTF-8 page, from the document model and from a
// streamed table alike, with the mark when one is asked for.
TEST(HtmlWriter, UTF7AndUTF32PagesAreWrittenAsUTF8) {
  testsupport::TempDir dir;
  const TStrArray2D table = {{"\xC3\xA9t\xC3\xA9", "+AOk-"}, {"\xD7\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80", "1"}};
  TDocHTML doc;
  doc.DocumentTitle = "Syllabrix";
  doc.Page().Tables().Add(table);
  const auto save = [&](int32_t codePage, bool bom, bool streamed) {
    doc.Encoding = codePage;
    doc.WriteBOM = bom;
    const std::string file = dir.file(std::to_string(codePage) + (bom ? "b" : "") + (streamed ? "s" : "") + ".html");
    EXPECT_TRUE(streamed ? doc.SaveToFileWithTable(table, file) : doc.SaveToFile(file)) << file;
    return testsupport::ReadFileBytes(file);
  };
  for (const bool streamed : {false, true}) {
    for (const bool bom : {false, true}) {
      const std::string utf8 = save(cpUTF8, bom, streamed);
      EXPECT_EQ(utf8.substr(0, bom ? 3 : 0), bom ? "\xEF\xBB\xBF" : "");
      EXPECT_NE(utf8.find("<meta charset=\"UTF-8\">"), std::string::npos);
      EXPECT_NE(utf8.find("<td>\xC3\xA9t\xC3\xA9</td><td>+AOk-</td>"), std::string::npos) << utf8;
      EXPECT_NE(utf8.find("<td>\xD7\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80</td>"), std::string::npos) << utf8;
      for (const int32_t codePage : {cpUTF7, cpUTF7ANSI, cpUTF32LE, cpUTF32BE})
        EXPECT_EQ(save(codePage, bom, streamed), utf8)
            << codePage << (bom ? " with mark" : "") << (streamed ? " streamed" : "");
    }
  }
}

// A character the page's code page lacks is written as a reference, never as
// "?"; in the style sheet, where references are not read, as a CSS escape.
TEST(HtmlWriter, CharactersTheCodePageLacksBecomeReferences) {
  const std::string text = "<td>\xD7\xA9 \xC3\xA9 \xF0\x9F\x98\x80 ?</td>";
  EXPECT_EQ(HtmlFileBytes(text, 1252, false), "<td>&#1513; \xE9 &#128512; ?</td>");
  EXPECT_EQ(HtmlFileBytes(text, 0, false), "<td>&#1513; &#233; &#128512; ?</td>");
  EXPECT_EQ(HtmlFileBytes(text, 88592, false), "<td>&#1513; \xE9 &#128512; ?</td>");
  EXPECT_EQ(HtmlFileBytes(text, 1251, false), "<td>&#1513; &#233; &#128512; ?</td>");
  EXPECT_EQ(HtmlFileBytes("<style>p{font-family:\"\xE5\xAE\x8B\"}</style><p>\xE5\xAE\x8B</p>", 1252, false),
            "<style>p{font-family:\"\\5b8b \"}</style><p>&#23435;</p>");
  // A C1 control has no reference that readers take for it (128 to 159 are
  // windows-1252 to them): a blank, as for the other controls, in every
  // single-byte page; the Unicode pages hold it.
  for (int32_t codePage : {1252, 0, 88591, 88592, 1250, 1251, 1253})
    EXPECT_EQ(HtmlFileBytes("<td>a\xC2\x85"
                            "b\xC2\x80\xC2\x81\xC2\x9F</td>",
                            codePage, false),
              "<td>a b   </td>")
        << codePage;
  EXPECT_EQ(HtmlFileBytes("a\xC2\x85", 65001, false), "a\xC2\x85");
  // Code pages that hold every character convert it.
  EXPECT_EQ(HtmlFileBytes("\xD7\xA9", 65001, false), "\xD7\xA9");
  EXPECT_EQ(HtmlFileBytes("\xD7\xA9", 12000, false), "\xD7\xA9");
  EXPECT_EQ(HtmlFileBytes("\xD7\xA9", 1200, false), std::string("\xFF\xFE\xE9\x05", 4));
}

// The table streamed from the caller's rows gives the same file as the table
// added to the document, in every code page and with line endings set.
TEST(HtmlWriter, StreamedTableGivesTheSameFile) {
  testsupport::TempDir dir;
  const TStrArray2D rows = {{"Item", "Count"}, {"a<b & \"c\" 'd'\r\n", "5", "x"}, {}, {"\xD7\xA9 \xC3\xA9"}};
  TStrArray2D many;
  for (int i = 0; i < 30000; ++i) many.push_back({"row " + std::to_string(i), std::to_string(i)});
  const TStrArray2D& manyRows = many;
  for (const TStrArray2D* table : {&rows, &manyRows}) {
    for (int32_t codePage : {65001, 1252, 1200, 54936, 12000}) {
      for (const char* le : {"", "\n"}) {
        TDocHTML added, streamed;
        for (TDocHTML* page : {&added, &streamed}) {
          page->DocumentTitle = "Syllabrix";
          page->Encoding = codePage;
          page->WriteBOM = true;
          page->LineEndingHTML = le;
          page->Page().AddParagraph("before", -1);
        }
        added.Page().Tables().Add(*table);
        ASSERT_TRUE(added.SaveToFile(dir.file("added.html")));
        ASSERT_TRUE(streamed.SaveToFileWithTable(*table, dir.file("streamed.html")));
        EXPECT_EQ(testsupport::ReadFileBytes(dir.file("streamed.html")),
                  testsupport::ReadFileBytes(dir.file("added.html")))
            << codePage << " " << table->size();
      }
    }
  }
  // A carriage return stays one: readers of HTML turn a literal one into a line feed.
  TDocHTML page;
  page.Page().Tables().Add({{"a\rb"}});
  EXPECT_NE(page.GetPlainText().find("<td>a&#13;b</td>"), std::string::npos);
}

}  // namespace
