// The document reader on hand-made files: dispatch by extension and leading
// bytes, the RTF info group with its escapes and counts, HTML meta elements,
// DOCX, ODT and EPUB packages made with libzip, and the error text.
#include "fileinfo/document_info.h"

#include <gtest/gtest.h>
#include <zip.h>

#include "support/test_support.h"

namespace {

void MakeZip(const std::string& path, const std::vector<std::pair<std::string, std::string>>& entries) {
  int err = 0;
  zip_t* z = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
  ASSERT_NE(z, nullptr);
  for (const auto& [name, data] : entries)
    ASSERT_GE(zip_file_add(z, name.c_str(), zip_source_buffer(z, data.data(), data.size(), 0), 0), 0);
  ASSERT_EQ(zip_close(z), 0);
}

class DocumentInfoTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    testsupport::WriteFileBytes(dir.file(name), bytes);
    return dir.file(name);
  }
  testsupport::TempDir dir;
};

const char* const kPdf =
    "%PDF-1.4\n1 0 obj\n<< /Type /Catalog /Pages 2 0 R >>\nendobj\n2 0 obj\n<< /Type /Pages /Count 1 >>\nendobj\n"
    "3 0 obj\n<< /Type /Page /Parent 2 0 R >>\nendobj\n";

}  // namespace

TEST_F(DocumentInfoTest, DispatchByExtensionAndLeadingBytes) {
  TDocumentInfo info;
  info.Tag = 5;
  for (const char* name : {"report.PDF", "report.pdf", "report.bin"}) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(info.GetDocumentData(Write(name, kPdf)));
    EXPECT_EQ(info.Format, difPDF);
    EXPECT_EQ(info.PageCount, 1);
    EXPECT_EQ(info.PDFVersion, "1.4");
    EXPECT_EQ(info.Tag, 5);
  }
  EXPECT_FALSE(info.GetDocumentData(Write("nine.xyz", "123456789")));
  EXPECT_EQ(info.Format, difUnknow);
  ASSERT_TRUE(info.GetDocumentData(Write("notes.doc", "anything at all")));
  EXPECT_EQ(info.Format, difDOC);
  EXPECT_TRUE(info.MetaTitle.empty());
  EXPECT_FALSE(info.GetDocumentData(dir.file("missing.pdf")));
  EXPECT_TRUE(info.Error.empty());
  EXPECT_TRUE(info.FileName.empty());

  // A .docx that is no archive: the error text, and no guess afterwards.
  EXPECT_FALSE(info.GetDocumentData(Write("broken.docx", "{\\rtf1 this is no zip archive at all}")));
  EXPECT_EQ(info.Error.rfind("Error [", 0), 0u) << info.Error;
  EXPECT_EQ(info.Format, difUnknow);
}

TEST_F(DocumentInfoTest, RtfInfoGroupEscapesAndCounts) {
  const std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1252{\\info{\\title Plan \\'e9t\\u233? \\u8364?}{\\author Ann}{\\doccomm Note}"
      "{\\creatim\\yr2024\\mo5\\dy17\\hr9\\min30}{\\nofpages3}{\\nofwords12}{\\nofchars50}{\\nofcharsws61}"
      "{\\edmins7}{\\version4}}}\\pard text}";
  TDocumentInfo info(Write("a.rtf", rtf));
  EXPECT_EQ(info.Format, difRTF);
  EXPECT_EQ(info.MetaTitle, "Plan \xC3\xA9t\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(info.MetaAuthor, "Ann");
  EXPECT_EQ(info.MetaDescription, "Note");
  EXPECT_EQ(info.MetaCreated, "2024-05-17 09:30:00");
  EXPECT_EQ(info.PageCount, 3);
  EXPECT_EQ(info.WordCount, 12);
  // \nofchars counts without spaces, \nofcharsws with them.
  EXPECT_EQ(info.CharCountWithoutSpaces, 50);
  EXPECT_EQ(info.CharCountWithSpaces, 61);
  EXPECT_EQ(info.EditingTime, 420);
  EXPECT_EQ(info.Revision, 4);
}

TEST_F(DocumentInfoTest, HtmlMetaElements) {
  struct TCase {
    const char* Html;
    const char* Author;
  };
  const TCase cases[] = {
      {"<meta name=\"dc.creator\" content=\"DC\"><meta name=\"author\" content=\"Au\">", "Au"},
      {"<meta name=\"author\" content=\"Au\"><meta name=\"dc.creator\" content=\"DC\">", "Au"},
      {"<meta name=\"dc.creator\" content=\"DC\">", "DC"},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Html);
    const std::string page = std::string("<!DOCTYPE html><html lang=\"en\"><head><title>T &amp; U</title>") + c.Html +
                             "<meta name=\"keywords\" content=\"k1, k2\"></head><body>x</body></html>";
    TDocumentInfo info(Write("p.html", page));
    EXPECT_EQ(info.Format, difHTML);
    EXPECT_EQ(info.PageCount, 1);
    EXPECT_EQ(info.MetaTitle, "T & U");
    EXPECT_EQ(info.MetaAuthor, c.Author);
    EXPECT_EQ(info.MetaKeywords, "k1, k2");
    EXPECT_EQ(info.Language, "en");
  }
}

TEST_F(DocumentInfoTest, OfficePackages) {
  const std::string core =
      "<?xml version=\"1.0\"?><cp:coreProperties><dc:title>A &amp; B</dc:title><dc:creator>Ann</dc:creator>"
      "<cp:revision>3</cp:revision><dcterms:created>2024-05-17T09:30:00Z</dcterms:created></cp:coreProperties>";
  const std::string app =
      "<Properties><Application>Writer</Application><Pages>2</Pages><Words>10</Words><Characters>40</Characters>"
      "<CharactersWithSpaces>49</CharactersWithSpaces><Paragraphs>3</Paragraphs><TotalTime>5</TotalTime></Properties>";
  MakeZip(dir.file("a.docx"), {{"docProps/core.xml", core}, {"docProps/app.xml", app}});
  TDocumentInfo docx(dir.file("a.docx"));
  EXPECT_EQ(docx.Format, difDOCX);
  EXPECT_EQ(docx.MetaTitle, "A & B");
  EXPECT_EQ(docx.MetaAuthor, "Ann");
  EXPECT_EQ(docx.Revision, 3);
  EXPECT_EQ(docx.MetaCreated, "2024-05-17T09:30:00Z");
  EXPECT_EQ(docx.MetaApplication, "Writer");
  EXPECT_EQ(docx.MetaCreatedWith, "Writer");
  EXPECT_EQ(docx.PageCount, 2);
  EXPECT_EQ(docx.CharCountWithSpaces, 49);
  EXPECT_EQ(docx.CharCountWithoutSpaces, 40);
  EXPECT_EQ(docx.EditingTime, 300);

  const std::string meta =
      "<office:meta><dc:title>O</dc:title><meta:initial-creator>Ina</meta:initial-creator><dc:language>fr"
      "</dc:language><meta:document-statistic meta:page-count=\"4\" META:word-count=\" 20 \"/></office:meta>";
  MakeZip(dir.file("a.odt"), {{"meta.xml", meta}});
  TDocumentInfo odt(dir.file("a.odt"));
  EXPECT_EQ(odt.Format, difODT);
  EXPECT_EQ(odt.MetaTitle, "O");
  EXPECT_EQ(odt.MetaAuthor, "Ina");
  EXPECT_EQ(odt.Language, "fr");
  EXPECT_EQ(odt.PageCount, 4);
  EXPECT_EQ(odt.WordCount, 20);

  const std::string container =
      "<container><rootfiles><rootfile full-path=\"OEBPS\\content.opf\"/></rootfiles>"
      "</container>";
  const std::string opf =
      "<package><metadata><dc:title>E</dc:title><dc:language>de</dc:language>"
      "<meta property=\"schema:numberOfPages\">123</meta><description>D</description></metadata></package>";
  MakeZip(dir.file("a.epub"), {{"META-INF/container.xml", container}, {"OEBPS/content.opf", opf}});
  TDocumentInfo epub(dir.file("a.epub"));
  EXPECT_EQ(epub.Format, difEPUB);
  EXPECT_EQ(epub.MetaTitle, "E");
  EXPECT_EQ(epub.PageCount, 123);
  EXPECT_EQ(epub.MetaDescription, "D");

  // A prefixed metadata element is not the one looked for.
  MakeZip(dir.file("b.epub"),
          {{"META-INF/container.xml", container}, {"OEBPS/content.opf", "<opf:package><opf:metadata/></opf:package>"}});
  TDocumentInfo prefixed;
  EXPECT_FALSE(prefixed.GetDocumentData(dir.file("b.epub")));
  EXPECT_TRUE(prefixed.Error.empty());
  MakeZip(dir.file("empty.docx"), {{"word/document.xml", "<w/>"}});
  EXPECT_FALSE(prefixed.GetDocumentData(dir.file("empty.docx")));
}

// An HTML page as browsers read it: upper-case names, attributes on lines of
// their own, a comment and references inside the title, and a page cut off
// inside its title.
TEST_F(DocumentInfoTest, HtmlAsTheStandardReadsIt) {
  const std::string page =
      "<!DOCTYPE html>\n<HTML LANG=\"fr\">\n<HEAD>\n<!-- <title>Old</title> -->\n<TITLE>Caf&eacute;\n  <!-- draft -->"
      " R&eacute;sum&eacute;</TITLE>\n<META\n\tNAME=\"Author\"\n\tCONTENT=\"Ren&eacute; &amp; Co\">\n"
      "<meta name=\"KEYWORDS\" content=\"a, b\"></HEAD><BODY><p>text</BODY></HTML>";
  TDocumentInfo info(Write("up.html", page));
  EXPECT_EQ(info.Format, difHTML);
  EXPECT_EQ(info.MetaTitle, "Caf\xC3\xA9 <!-- draft --> R\xC3\xA9sum\xC3\xA9");
  EXPECT_EQ(info.MetaAuthor, "Ren\xC3\xA9 & Co");
  EXPECT_EQ(info.MetaKeywords, "a, b");
  EXPECT_EQ(info.Language, "fr");
  TDocumentInfo cut(Write("cut.htm", "<html><head><title>Quarterly report"));
  EXPECT_EQ(cut.MetaTitle, "Quarterly report");
}

// LibreOffice's metadata: the initial creator is the author, every keyword
// counts, and workbooks are read like the texts of their family.
TEST_F(DocumentInfoTest, OpenDocumentAuthorKeywordsAndWorkbooks) {
  const std::string meta =
      "<office:meta><meta:initial-creator>Ann</meta:initial-creator><dc:creator>Bob</dc:creator>"
      "<dc:title><![CDATA[Q&A <1>]]></dc:title><meta:keyword>alpha</meta:keyword><meta:keyword>beta gamma"
      "</meta:keyword></office:meta>";
  MakeZip(dir.file("a.odt"), {{"meta.xml", meta}});
  TDocumentInfo odt(dir.file("a.odt"));
  EXPECT_EQ(odt.MetaAuthor, "Ann");
  EXPECT_EQ(odt.MetaKeywords, "alpha, beta gamma");
  EXPECT_EQ(odt.MetaTitle, "Q&A <1>");
  MakeZip(dir.file("b.ods"), {{"meta.xml", "<office:meta><dc:creator>Bob</dc:creator></office:meta>"}});
  TDocumentInfo ods(dir.file("b.ods"));
  EXPECT_EQ(ods.Format, difODT);
  EXPECT_EQ(ods.MetaAuthor, "Bob");
  MakeZip(dir.file("c.xlsx"), {{"docProps/core.xml",
                                "<cp:coreProperties><dc:title>Sheet</dc:title>"
                                "<dc:creator>Cy</dc:creator></cp:coreProperties>"}});
  TDocumentInfo xlsx(dir.file("c.xlsx"));
  EXPECT_EQ(xlsx.Format, difDOCX);
  EXPECT_EQ(xlsx.MetaTitle, "Sheet");
  EXPECT_EQ(xlsx.MetaAuthor, "Cy");
}

// RTF time groups are dates like any other; a field out of range, as in the
// empty print date LibreOffice writes, is no date.
TEST_F(DocumentInfoTest, RtfDates) {
  const std::string rtf =
      "{\\rtf1{\\info{\\creatim\\yr2024\\mo5\\dy17\\hr9\\min30\\sec5}{\\revtim\\yr2024\\mo2\\dy30\\hr1\\min0}"
      "{\\printim\\yr0\\mo0\\dy0\\hr0\\min0}}}";
  TDocumentInfo info(Write("d.rtf", rtf));
  EXPECT_EQ(info.MetaCreated, "2024-05-17 09:30:05");
  EXPECT_EQ(info.MetaModified, "");
  EXPECT_EQ(info.MetaPrinted, "");
}

TEST_F(DocumentInfoTest, RtfInfoGroupEndsAtItsOwnBrace) {
  // LibreOffice wraps a title outside the code page in {\upr{...}{\*\ud{...}}}:
  // the "}}" there does not end the info group.
  const std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1252{\\info{\\upr{\\title \\'c4rger \\'3f}{\\*\\ud{\\title \\u196\\'c4rger "
      "\\u8594\\'3f}}}{\\subject Pr\\u252\\'fcfung}{\\keywords Eins, Zwei}{\\doccomm Beschreibung}"
      "{\\author J\\u246\\'f6rg}{\\creatim\\yr2024\\mo5\\dy17\\hr9\\min30}{\\revtim\\yr2024\\mo6\\dy1\\hr12\\min0}}"
      "{\\*\\userprops{\\propname a}}\\pard {\\b \\} text}}";
  TDocumentInfo info(Write("lo.rtf", rtf));
  EXPECT_EQ(info.MetaTitle, "\xC3\x84rger \xE2\x86\x92");
  EXPECT_EQ(info.MetaSubject,
            "Pr\xC3\xBC"
            "fung");
  EXPECT_EQ(info.MetaKeywords, "Eins, Zwei");
  EXPECT_EQ(info.MetaDescription, "Beschreibung");
  EXPECT_EQ(info.MetaAuthor, "J\xC3\xB6rg");
  EXPECT_EQ(info.MetaCreated, "2024-05-17 09:30:00");
  EXPECT_EQ(info.MetaModified, "2024-06-01 12:00:00");
}

TEST_F(DocumentInfoTest, HtmlDeclaredCodePagesAndUnquotedValues) {
  // “ ” € in windows-1252 are 0x93, 0x94 and 0x80.
  const std::string quoted = "\x93Q\x94 \x80";
  const std::string expected = "\xE2\x80\x9CQ\xE2\x80\x9D \xE2\x82\xAC";
  struct TCase {
    const char* Name;
    std::string Page;
    std::string Title;
  };
  const TCase cases[] = {
      {"metaCharset", "<html><head><meta charset=\"windows-1252\"><title>" + quoted + "</title>", expected},
      {"httpEquiv",
       "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\"><title>" + quoted +
           "</title>",
       expected},
      {"unquotedCharset", "<html><head><meta charset=windows-1252><title>" + quoted + "</title>", expected},
      // Browsers read a Latin-1 label as windows-1252.
      {"latin1Label", "<html><head><meta charset=\"ISO-8859-1\"><title>" + quoted + "</title>", expected},
      // A byte-order mark wins over the declaration.
      {"bomWins", "\xEF\xBB\xBF<html><head><meta charset=\"windows-1252\"><title>\xE2\x82\xAC</title>", "\xE2\x82\xAC"},
      {"undeclaredUtf8", "<html><head><title>\xE2\x82\xAC</title>", "\xE2\x82\xAC"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TDocumentInfo info(Write("cp.html", c.Page + "<meta name=author content=Bob></head><body>x</body></html>"));
    EXPECT_EQ(info.MetaTitle, c.Title);
    // An unquoted value is the value, as the HTML standard reads it.
    EXPECT_EQ(info.MetaAuthor, "Bob");
  }
}
