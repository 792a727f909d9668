#include "documents/odt_writer.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>

#include "documents/xml_tree.h"
#include "documents_test_support.h"
#include "test_support.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

const std::string kDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
  const size_t a = text.find(from);
  if (a == std::string::npos) return {};
  const size_t b = text.find(to, a);
  return text.substr(a, b == std::string::npos ? std::string::npos : b + to.size() - a);
}

TEST(OdtWriter, PackageEntriesAndManifest) {
  struct Case {
    bool rdf, thumbnail;
    std::vector<std::string> entries;
    std::vector<std::string> manifestPaths;
  };
  const std::vector<std::string> base = {"mimetype", "content.xml",  "styles.xml",
                                         "meta.xml", "settings.xml", "META-INF/manifest.xml"};
  const std::vector<std::string> listed = {"/", "content.xml", "meta.xml", "settings.xml", "styles.xml"};
  auto plus = [](std::vector<std::string> v, std::vector<std::string> more) {
    v.insert(v.end(), more.begin(), more.end());
    return v;
  };
  const Case cases[] = {
      {false, false, base, listed},
      {true, false, plus(base, {"manifest.rdf"}), plus(listed, {"manifest.rdf"})},
      {false, true, plus(base, {"Thumbnails/thumbnail.png"}), plus(listed, {"Thumbnails/thumbnail.png"})},
      {true, true, plus(base, {"manifest.rdf", "Thumbnails/thumbnail.png"}),
       plus(listed, {"manifest.rdf", "Thumbnails/thumbnail.png"})},
  };
  for (const Case& c : cases) {
    TempDir dir;
    TDocODT doc;
    doc.AddManifestRDF = c.rdf;
    doc.AddThumbnailImage = c.thumbnail;
    doc.Page().AddParagraph("Alpha", -1);
    const std::string target = dir.file("w.odt");
    ASSERT_TRUE(doc.SaveToFile(target));
    const auto entries = documentstest::ReadZip(target);
    ASSERT_EQ(entries.size(), c.entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
      EXPECT_EQ(entries[i].Name, c.entries[i]);
      EXPECT_EQ(entries[i].Method, i == 0 ? ZIP_CM_STORE : ZIP_CM_DEFLATE) << entries[i].Name;
    }
    EXPECT_EQ(entries[0].Data, "application/vnd.oasis.opendocument.text");
    // The mimetype's local header: stored, name length 8, no extra field.
    const std::string bytes = ReadFileBytes(target);
    EXPECT_EQ(bytes.substr(0, 4), "PK\x03\x04");
    EXPECT_EQ(bytes.substr(8, 2), std::string("\0\0", 2));
    EXPECT_EQ(bytes.substr(26, 4), std::string("\x08\0\0\0", 4));
    EXPECT_EQ(bytes.substr(30, 8 + 39), "mimetypeapplication/vnd.oasis.opendocument.text");
    const std::string manifest = entries[5].Data;
    EXPECT_EQ(Count(manifest, "<manifest:file-entry "), c.manifestPaths.size());
    size_t at = 0;
    for (const std::string& path : c.manifestPaths) {
      at = manifest.find("manifest:full-path=\"" + path + "\"", at);
      EXPECT_NE(at, std::string::npos) << path;
    }
    if (c.thumbnail) {
      const std::string png = entries.back().Data;
      EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1A\n", 8));
      EXPECT_EQ(png.substr(12, 4), "IHDR");
      EXPECT_EQ(png.substr(16, 8), std::string("\0\0\0\x80\0\0\0\x80", 8));
      EXPECT_EQ(png[24], 8);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
  }
  TDocODT doc;
  EXPECT_EQ(doc.GetFileStringManifestXML(),
            kDecl +
                "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
                "manifest:version=\"1.2\"><manifest:file-entry "
                "manifest:media-type=\"application/vnd.oasis.opendocument.text\" manifest:full-path=\"/\">"
                "</manifest:file-entry><manifest:file-entry manifest:media-type=\"text/xml\" "
                "manifest:full-path=\"content.xml\"></manifest:file-entry><manifest:file-entry "
                "manifest:media-type=\"text/xml\" manifest:full-path=\"meta.xml\"></manifest:file-entry>"
                "<manifest:file-entry manifest:media-type=\"text/xml\" manifest:full-path=\"settings.xml\">"
                "</manifest:file-entry><manifest:file-entry manifest:media-type=\"text/xml\" "
                "manifest:full-path=\"styles.xml\"></manifest:file-entry></manifest:manifest>");
  const std::string rdf = doc.GetFileStringManifestRDF();
  EXPECT_EQ(rdf.find('\n'), std::string::npos);
  EXPECT_EQ(rdf.rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?><rdf:RDF "
                      "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"><rdf:Description "
                      "rdf:about=\"styles.xml\"><rdf:type "
                      "rdf:resource=\"http://docs.oasis-open.org/ns/office/1.2/meta/odf#StylesFile\"/>",
                      0),
            0u);
  EXPECT_NE(rdf.find("#ContentFile\"/> </rdf:Description>"), std::string::npos);
  EXPECT_EQ(Count(rdf, "<rdf:Description "), 5u);
  EXPECT_EQ(doc.GetFileStringMimetype(), "application/vnd.oasis.opendocument.text");
}

TEST(OdtWriter, ThumbnailFileAndFailures) {
  TempDir dir;
  TDocODT doc;
  EXPECT_TRUE(doc.SaveThumbnailPNG(dir.file("t.png")));
  EXPECT_EQ(ReadFileBytes(dir.file("t.png")), BlankThumbnailPNG());
  EXPECT_FALSE(doc.SaveThumbnailPNG(dir.file("none/t.png")));

  const std::string target = dir.file("old.odt");
  WriteFileBytes(target, "old");
  std::filesystem::create_directory(target + ".temp");
  std::filesystem::create_directory(dir.file("folder.odt"));
  EXPECT_FALSE(doc.SaveToFile(dir.file("folder.odt")));
  EXPECT_FALSE(doc.SaveToFile(dir.file("none/x.odt")));
  ASSERT_TRUE(doc.SaveToFile(target));
  EXPECT_EQ(documentstest::ZipEntryNames(target).size(), 6u);
  EXPECT_TRUE(std::filesystem::is_directory(target + ".temp"));
}

TEST(OdtWriter, MetaDatesAndDurations) {
  TDocODT doc;
  TDateTime date = 0, time = 0;
  ASSERT_TRUE(TryEncodeDate(2024, 3, 5, date));
  ASSERT_TRUE(TryEncodeTime(14, 7, 9, 0, time));
  doc.DocumentCreationDate = ComposeDateTime(date, time);
  doc.DocumentLastModificationDate = ComposeDateTime(date, 0);
  doc.DocumentTitle = "";
  doc.DocumentKeywords = "a, b & c";
  doc.DocumentCompany = "Not written";
  EXPECT_EQ(doc.GetFileStringMetaXML(),
            kDecl +
                "<office:document-meta xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                "xmlns:xlink=\"http://www.w3.org/1999/xlink\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
                "xmlns:meta=\"urn:oasis:names:tc:opendocument:xmlns:meta:1.0\" office:version=\"1.2\">"
                "<office:meta><dc:title></dc:title><dc:subject>Subject</dc:subject>"
                "<meta:keyword>a, b &amp; c</meta:keyword><dc:description>Description</dc:description>"
                "<meta:initial-creator>Pellwick ODT Creator - www.pellwick.example</meta:initial-creator>"
                "<meta:creation-date>2024-03-05T14:07:09.00</meta:creation-date>"
                "<meta:generator>Pellwick ODT Creator - www.pellwick.example</meta:generator>"
                "<dc:creator>Pellwick ODT Creator - www.pellwick.example</dc:creator>"
                "<dc:date>2024-03-05T00:00:00.00</dc:date><meta:editing-duration>PT0S</meta:editing-duration>"
                "<meta:editing-cycles>1</meta:editing-cycles><meta:user-defined meta:name=\"Info 1\">"
                "</meta:user-defined><meta:user-defined meta:name=\"Info 2\"></meta:user-defined>"
                "<meta:user-defined meta:name=\"Info 3\"></meta:user-defined><meta:user-defined "
                "meta:name=\"Info 4\"></meta:user-defined></office:meta></office:document-meta>");
  doc.DocumentEditingTime = 3725;
  doc.DocumentVersion = 4;
  doc.DocumentLastModifiedBy = "Editor";
  const std::string meta = doc.GetFileStringMetaXML();
  EXPECT_NE(meta.find("<meta:generator>Pellwick ODT Creator - www.pellwick.example</meta:generator>"
                      "<dc:creator>Editor</dc:creator>"),
            std::string::npos);
  EXPECT_NE(meta.find("<meta:editing-duration>PT3725S</meta:editing-duration><meta:editing-cycles>4<"),
            std::string::npos);
  EXPECT_EQ(doc.GetFileStringSettingsXML(),
            kDecl +
                "<office:document-settings xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                "xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                "xmlns:config=\"urn:oasis:names:tc:opendocument:xmlns:config:1.0\" office:version=\"1.2\">"
                "<office:settings><config:config-item-set config:name=\"PellwickODTCreator\">"
                "<config:config-item config:name=\"Version\" config:type=\"int\">1</config:config-item>"
                "</config:config-item-set></office:settings></office:document-settings>");
}

TEST(OdtWriter, ContentParagraphsLineBreaksAndEscaping) {
  TDocODT doc;
  EXPECT_NE(doc.GetFileStringContentXML().find(
                "<text:sequence-decl text:display-outline-level=\"0\" text:name=\"Drawing\"></text:sequence-decl>"
                "</text:sequence-decls></office:text>"),
            std::string::npos);
  doc.Page().AddParagraph("Alpha", -1);
  doc.Page().AddParagraph("a & b", -1);
  doc.Page().AddParagraph("x\ny\r\nz", 0);
  doc.Page().AddParagraph("<q\x02>", 5);
  doc.Page().AddContent(docContentHeading3, "h\nx");
  doc.Page().AddContent(docContentPageBreak);
  doc.Page().AddContent(docContentColumnBreak);
  doc.Page().AddText("skipped");
  doc.Page().SetFontBold(true);
  const std::string content = doc.GetFileStringContentXML();
  EXPECT_NE(content.find("</text:sequence-decls>"
                         "<text:p text:style-name=\"DefaultParagraph\">Alpha</text:p>"
                         "<text:p text:style-name=\"DefaultParagraph\">a &amp; b</text:p>"
                         // A CR LF is one line break: a CR written as it is would be read as a blank.
                         "<text:p text:style-name=\"StandardDef\">x<text:line-break />y<text:line-break />z</text:p>"
                         "<text:p text:style-name=\"DefaultParagraph\">&lt;q&gt;</text:p>"
                         "<text:h text:style-name=\"Heading3\">h<text:line-break />x</text:h>"
                         "<text:p text:style-name=\"BreakPagePar\"></text:p>"
                         "<text:p text:style-name=\"BreakColumnPar\"></text:p></office:text>"),
            std::string::npos)
      << content;
  EXPECT_NE(content.find("<office:scripts></office:scripts><office:font-face-decls><style:font-face "
                         "style:name=\"Times New Roman\" svg:font-family=\"'Times New Roman'\"></style:font-face>"
                         "</office:font-face-decls><office:automatic-styles><style:style style:name=\"BreakPagePar\" "
                         "style:family=\"paragraph\" style:parent-style-name=\"DefaultParagraph\">"
                         "<style:paragraph-properties fo:break-before=\"page\"></style:paragraph-properties>"
                         "</style:style>"),
            std::string::npos);
  EXPECT_EQ(content.find("skipped"), std::string::npos);
}

TEST(OdtWriter, StylesDefineStandardOnce) {
  TDocODT doc;
  doc.Styles().Add();
  doc.Fonts().AddFont("Arial");
  const std::string styles = doc.GetFileStringStylesXML();
  EXPECT_EQ(Count(styles, "style:name=\"Standard\" style:family"), 1u);
  EXPECT_NE(styles.find("<style:style style:name=\"StandardDef\" style:family=\"paragraph\" "
                        "style:parent-style-name=\"DefaultParagraph\" style:next-style-name=\"StandardDef\" "
                        "style:class=\"text\">"),
            std::string::npos);
  EXPECT_NE(styles.find("<style:style style:name=\"Style1\" style:family=\"paragraph\" "
                        "style:parent-style-name=\"DefaultParagraph\" style:next-style-name=\"Style1\""),
            std::string::npos);
  EXPECT_NE(styles.find("<style:font-face style:name=\"Arial\" svg:font-family=\"Arial\"></style:font-face>"),
            std::string::npos);
  EXPECT_NE(styles.find("<style:style style:name=\"Standard\" style:family=\"paragraph\" style:class=\"text\">"
                        "<style:paragraph-properties></style:paragraph-properties><style:text-properties>"
                        "</style:text-properties></style:style><style:style style:name=\"DefaultParagraph\" "
                        "style:family=\"paragraph\" style:parent-style-name=\"Standard\" "
                        "style:next-style-name=\"DefaultParagraph\" style:class=\"text\"><style:paragraph-properties "
                        "fo:margin-top=\"0cm\" fo:margin-bottom=\"0cm\" fo:margin-left=\"0cm\" "
                        "fo:margin-right=\"0cm\" fo:text-align=\"left\"></style:paragraph-properties>"
                        "<style:text-properties style:font-name=\"Times New Roman\" "
                        "style:font-name-complex=\"Times New Roman\" fo:font-size=\"12pt\"></style:text-properties>"
                        "</style:style>"),
            std::string::npos);
  EXPECT_NE(styles.find("<office:master-styles><style:master-page style:name=\"Standard\" "
                        "style:page-layout-name=\"PageLayoutDef\"></style:master-page></office:master-styles>"),
            std::string::npos);
  EXPECT_NE(styles.find("<style:header-style></style:header-style><style:footer-style></style:footer-style>"),
            std::string::npos);
}

TEST(OdtWriter, ParagraphStyleProperties) {
  TDocODT doc;
  TDocParagraphStyle& s = doc.Page().Style();
  s.MarginTop = 0.5f;
  s.MarginLeft = 1.25f;
  s.KeepTogether = true;
  s.KeepWithNext = true;
  s.TextAlignmentHorz = docAlignHorzRight;
  s.FontSize = 10.5f;
  s.FontBold = true;
  s.FontItalic = true;
  s.SetTextColorFromHex("FF0000");
  s.SetTextBackgroundColorFromHex("00FF00");
  s.FontUnderline = true;
  s.FontUnderlineType = docUnderlineTypeWave;
  s.FontStrikeThrough = true;
  s.FontStrikeType = docStrikeTypeWithSlash;
  s.SetFontName("A&B C");
  const std::string styles = doc.GetFileStringStylesXML();
  EXPECT_NE(Between(styles, "<style:style style:name=\"DefaultParagraph\"", "</style:style>")
                .find("<style:paragraph-properties fo:margin-top=\"0.5cm\" fo:margin-bottom=\"0cm\" "
                      "fo:margin-left=\"1.25cm\" fo:margin-right=\"0cm\" fo:keep-together=\"always\" "
                      "fo:keep-with-next=\"always\" fo:text-align=\"right\"></style:paragraph-properties>"
                      "<style:text-properties style:font-name=\"A&amp;B C\" style:font-name-complex=\"A&amp;B C\" "
                      "fo:font-size=\"10.5pt\" fo:font-weight=\"bold\" fo:font-style=\"italic\" "
                      "fo:color=\"#ff0000\" fo:background-color=\"#00ff00\" "
                      "style:text-underline-style=\"wave\" style:text-underline-type=\"single\" "
                      "style:text-line-through-style=\"solid\" style:text-line-through-text=\"/\">"),
            std::string::npos)
      << styles;
  EXPECT_NE(styles.find("<style:font-face style:name=\"A&amp;B C\" svg:font-family=\"'A&amp;B C'\">"),
            std::string::npos);
  struct Case {
    TDocUnderlineType type;
    std::string attrs;
  };
  for (const Case& c : {Case{docUnderlineTypeSingle, "\"solid\" style:text-underline-type=\"single\""},
                        Case{docUnderlineTypeDouble, "\"solid\" style:text-underline-type=\"double\""},
                        Case{docUnderlineTypeDash, "\"dash\" style:text-underline-type=\"single\""},
                        Case{docUnderlineTypeDotted, "\"dotted\" style:text-underline-type=\"single\""}}) {
    s.FontUnderlineType = c.type;
    EXPECT_NE(doc.GetFileStringStylesXML().find("style:text-underline-style=" + c.attrs), std::string::npos);
  }
  struct Strike {
    TDocStrikeType type;
    std::string tail;
  };
  for (const Strike& c : {Strike{docStrikeTypeSingle, "\"solid\">"},
                          Strike{docStrikeTypeDouble, "\"solid\" style:text-line-through-type=\"double\">"},
                          Strike{docStrikeTypeBold, "\"solid\" style:text-line-through-width=\"bold\">"},
                          Strike{docStrikeTypeWithX, "\"solid\" style:text-line-through-text=\"X\">"}}) {
    s.FontStrikeType = c.type;
    EXPECT_NE(doc.GetFileStringStylesXML().find("style:text-line-through-style=" + c.tail), std::string::npos);
  }
}

TEST(OdtWriter, PageLayoutOrientationAndColumns) {
  struct Case {
    double width, height;
    std::string widthText, heightText;
    int32_t columns;
    std::string orientation;
    size_t columnElements;
  };
  const Case cases[] = {{21, 29.7, "21cm", "29.7cm", 0, "portrait", 0},
                        {29.7, 21, "29.7cm", "21cm", 1, "landscape", 0},
                        {20, 20, "20cm", "20cm", 3, "portrait", 3},
                        {29.7, 21.5, "29.7cm", "21.5cm", 2, "landscape", 2}};
  for (const Case& c : cases) {
    TDocODT doc;
    doc.SetPageWidth(c.width);
    doc.PageHeight = c.height;
    doc.PageColumnCount = c.columns;
    const std::string layout = doc.CreateNodeStylePageLayout()->AsText();
    EXPECT_NE(layout.find("fo:page-width=\"" + c.widthText + "\" fo:page-height=\"" + c.heightText +
                          "\" fo:margin-top=\"2cm\" fo:margin-bottom=\"2cm\" fo:margin-left=\"2cm\" "
                          "fo:margin-right=\"2cm\" style:print-orientation=\"" +
                          c.orientation + "\" style:writing-mode=\"lr-tb\" style:num-format=\"1\">"),
              std::string::npos)
        << layout;
    EXPECT_EQ(Count(layout, "<style:column>"), c.columnElements);
    if (c.columnElements > 0) {
      EXPECT_NE(layout.find("<style:columns fo:column-count=\"" + std::to_string(c.columns) +
                            "\" fo:column-gap=\"0.5cm\"><style:column></style:column>"),
                std::string::npos);
    }
  }
  TDocODT doc;
  doc.Page().Style().SetBackgroundColorFromHex("ABCDEF");
  EXPECT_NE(doc.CreateNodeStylePageLayout()->AsText().find(
                "style:num-format=\"1\" fo:background-color=\"#abcdef\"></style:page-layout-properties>"),
            std::string::npos);
}

TEST(OdtWriter, HeaderAndFooterInMasterPage) {
  TDocODT doc;
  doc.Header().AddText("Page ");
  doc.Header().AddContent(docContentPageNumber);
  doc.Header().AddText(" of ");
  doc.Header().AddContent(docContentPageCount);
  doc.Footer().AddParagraph("a<b", -1);
  doc.Footer().AddParagraph("c", -1);
  const std::string styles = doc.GetFileStringStylesXML();
  EXPECT_NE(
      styles.find("<style:master-page style:name=\"Standard\" style:page-layout-name=\"PageLayoutDef\">"
                  "<style:header><text:p text:style-name=\"Header\">Page <text:page-number "
                  "text:select-page=\"current\"></text:page-number><text:s/>of <text:page-count></text:page-count>"
                  "</text:p></style:header><style:footer><text:p text:style-name=\"Footer\">a&lt;bc</text:p>"
                  "</style:footer></style:master-page>"),
      std::string::npos);
  EXPECT_NE(styles.find("<style:header-style><style:header-footer-properties fo:min-height=\"0cm\" "
                        "fo:margin-bottom=\"0.5cm\"></style:header-footer-properties></style:header-style>"
                        "<style:footer-style><style:header-footer-properties fo:min-height=\"0cm\" "
                        "fo:margin-top=\"0.5cm\"></style:header-footer-properties></style:footer-style>"),
            std::string::npos);
  EXPECT_NE(styles.find("<style:style style:name=\"Header\" style:family=\"paragraph\" "
                        "style:parent-style-name=\"DefaultParagraph\" style:class=\"extra\">"),
            std::string::npos);
  EXPECT_NE(styles.find("<style:style style:name=\"Footer\" style:family=\"paragraph\" "
                        "style:parent-style-name=\"DefaultParagraph\" style:class=\"extra\">"),
            std::string::npos);
}

TEST(OdtWriter, OOoAttributesOnlyAddNamespaces) {
  TDocODT doc;
  doc.Page().AddParagraph("w", -1);
  const std::string content = doc.GetFileStringContentXML();
  const std::string styles = doc.GetFileStringStylesXML();
  const std::string meta = doc.GetFileStringMetaXML();
  const std::string settings = doc.GetFileStringSettingsXML();
  EXPECT_EQ(styles.find("xmlns:xforms"), std::string::npos);
  EXPECT_NE(content.find("xmlns:dom=\"http://www.w3.org/2001/xml-events\" xmlns:xforms="), std::string::npos);
  doc.AddOOOAttributes = true;
  const std::string ooo = "xmlns:ooo=\"http://openoffice.org/2004/office\" ";
  const std::string oooTrio = ooo +
                              "xmlns:ooow=\"http://openoffice.org/2004/writer\" "
                              "xmlns:oooc=\"http://openoffice.org/2004/calc\" ";
  const std::string rpt = "xmlns:rpt=\"http://openoffice.org/2005/report\" ";
  const std::string field = "xmlns:field=\"urn:openoffice:names:experimental:ooo-ms-interop:xmlns:field:1.0\" ";
  auto insertBefore = [](std::string text, const std::string& anchor, const std::string& what) {
    text.insert(text.find(anchor), what);
    return text;
  };
  std::string expectedContent = insertBefore(content, "xmlns:dom=", oooTrio);
  expectedContent = insertBefore(expectedContent, "xmlns:of=", rpt);
  expectedContent = insertBefore(expectedContent, "office:version=", field);
  EXPECT_EQ(doc.GetFileStringContentXML(), expectedContent);
  std::string expectedStyles = insertBefore(styles, "xmlns:dom=", oooTrio);
  expectedStyles = insertBefore(expectedStyles, "xmlns:of=", rpt);
  EXPECT_EQ(doc.GetFileStringStylesXML(), expectedStyles);
  EXPECT_EQ(doc.GetFileStringMetaXML(), insertBefore(meta, "xmlns:meta=", ooo));
  EXPECT_EQ(doc.GetFileStringSettingsXML(), insertBefore(settings, "office:version=", ooo));
}

TEST(OdtWriter, UnitTexts) {
  EXPECT_EQ(FloatToUnitStr(0, "cm"), "0cm");
  EXPECT_EQ(FloatToUnitStr(12, "pt"), "12pt");
  EXPECT_EQ(FloatToUnitStr(0.1f, "cm"), "0.1cm");
  EXPECT_EQ(FloatToUnitStr(-0.0f, "cm"), "0cm");
  EXPECT_EQ(OdtDateTime(0), "1899-12-30T00:00:00.00");
}

}  // namespace
