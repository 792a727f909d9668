#include "documents/docx_writer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "documents/image_pixel_size.h"
#include "documents_test_support.h"
#include "test_support.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

const std::string kDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
const std::string kDeclStandalone = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
const std::string kDocNamespaces =
    " xmlns:ve=\"http://schemas.openxmlformats.org/markup-compatibility/2006\" "
    "xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
    "xmlns:m=\"http://schemas.openxmlformats.org/officeDocument/2006/math\" xmlns:v=\"urn:schemas-microsoft-com:vml\" "
    "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\" "
    "xmlns:w10=\"urn:schemas-microsoft-com:office:word\" "
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
    "xmlns:wne=\"http://schemas.microsoft.com/office/word/2006/wordml\"";
const std::string kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// The text between the first "<tag" and its end tag, inclusive.
std::string Element(const std::string& xml, const std::string& tag, size_t from = 0) {
  const size_t start = xml.find("<" + tag + " ", from) != std::string::npos &&
                               xml.find("<" + tag + " ", from) < xml.find("<" + tag + ">", from)
                           ? xml.find("<" + tag + " ", from)
                           : xml.find("<" + tag + ">", from);
  if (start == std::string::npos) return {};
  const size_t end = xml.find("</" + tag + ">", start);
  return xml.substr(start, end + tag.size() + 3 - start);
}

// The main window's document: one default paragraph per word.
void AddWords(TDocDOCX& doc) {
  doc.Page().AddParagraph("Alpha", -1);
  doc.Page().AddParagraph("Beta", -1);
}

class ImageSizeReaderGuard {
 public:
  ImageSizeReaderGuard() {
    SetImagePixelSizeReader([](const std::string& file) {
      if (file.find("missing") != std::string::npos) return TImagePixelSize{};
      return TImagePixelSize{100, 50};
    });
  }
  ~ImageSizeReaderGuard() { SetImagePixelSizeReader(nullptr); }
};

TEST(DocxWriter, MainWindowDocumentPartByPart) {
  TDocDOCX doc;
  AddWords(doc);
  EXPECT_EQ(doc.DocumentCreator, "Pellwick DOCX Creator - www.pellwick.example");
  EXPECT_EQ(doc.DocumentLastModifiedBy, doc.DocumentCreator);

  EXPECT_EQ(doc.GetFileStringContentTypesXML(),
            kDecl +
                "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\">"
                "</Default><Default Extension=\"xml\" ContentType=\"application/xml\"></Default>"
                "<Override PartName=\"/word/document.xml\" "
                "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\">"
                "</Override><Override PartName=\"/docProps/app.xml\" "
                "ContentType=\"application/vnd.openxmlformats-officedocument.extended-properties+xml\"></Override>"
                "<Override PartName=\"/docProps/core.xml\" "
                "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"></Override>"
                "<Override PartName=\"/word/styles.xml\" "
                "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\">"
                "</Override><Override PartName=\"/word/fontTable.xml\" "
                "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.fontTable+xml\">"
                "</Override></Types>");

  EXPECT_EQ(doc.GetFileStringRelsRels(),
            kDeclStandalone +
                "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                "<Relationship Id=\"rId1\" Type=\"" +
                kRel +
                "officeDocument\" Target=\"word/document.xml\"></Relationship>"
                "<Relationship Id=\"rId2\" "
                "Type=\"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties\" "
                "Target=\"docProps/core.xml\"></Relationship><Relationship Id=\"rId3\" Type=\"" +
                kRel + "extended-properties\" Target=\"docProps/app.xml\"></Relationship></Relationships>");

  EXPECT_EQ(doc.GetFileStringDocPropsAppXML(),
            kDeclStandalone +
                "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\" "
                "xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\">"
                "<Template>Normal.dotm</Template><Application>Pellwick DOCXCreator - www.pellwick.example"
                "</Application><AppVersion>1.0</AppVersion><Company>Pellwick - www.pellwick.example</Company>"
                "<TotalTime>0</TotalTime><DocSecurity>0</DocSecurity><ScaleCrop>false</ScaleCrop>"
                "<LinksUpToDate>false</LinksUpToDate><SharedDoc>false</SharedDoc>"
                "<HyperlinksChanged>false</HyperlinksChanged></Properties>");

  const std::string core = doc.GetFileStringDocPropsCoreXML();
  EXPECT_EQ(core.substr(0, kDeclStandalone.size()), kDeclStandalone);
  EXPECT_NE(core.find("<cp:coreProperties "
                      "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
                      "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\" "
                      "xmlns:dcmitype=\"http://purl.org/dc/dcmitype/\" "
                      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><dc:title>Title</dc:title>"
                      "<dc:subject>Subject</dc:subject><cp:keywords>Keywords</cp:keywords>"
                      "<dc:description>Description</dc:description>"
                      "<dc:creator>Pellwick DOCX Creator - www.pellwick.example</dc:creator>"
                      "<dcterms:created xsi:type=\"dcterms:W3CDTF\">"),
            std::string::npos);
  EXPECT_NE(core.find("</dcterms:modified><cp:revision>1</cp:revision></cp:coreProperties>"), std::string::npos);

  EXPECT_EQ(doc.GetFileStringWordRelsDocumentXMLRels(),
            kDecl +
                "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                "<Relationship Id=\"rId1\" Type=\"" +
                kRel + "fontTable\" Target=\"fontTable.xml\"></Relationship><Relationship Id=\"rId2\" Type=\"" + kRel +
                "styles\" Target=\"styles.xml\"></Relationship></Relationships>");

  EXPECT_EQ(doc.GetFileStringWordDocumentXML(),
            kDecl + "<w:document" + kDocNamespaces +
                "><w:body>"
                "<w:p><w:pPr><w:pStyle w:val=\"DefaultParagraph\"></w:pStyle></w:pPr><w:r><w:t>Alpha</w:t></w:r></w:p>"
                "<w:p><w:pPr><w:pStyle w:val=\"DefaultParagraph\"></w:pStyle></w:pPr><w:r><w:t>Beta</w:t></w:r></w:p>"
                "<w:sectPr><w:pgSz w:w=\"11905\" w:h=\"16838\"></w:pgSz><w:pgMar w:top=\"1134\" w:right=\"1134\" "
                "w:bottom=\"1134\" w:left=\"1134\" w:header=\"708\" w:footer=\"708\" w:gutter=\"0\"></w:pgMar>"
                "<w:pgNumType w:start=\"1\"></w:pgNumType></w:sectPr></w:body></w:document>");

  EXPECT_EQ(doc.GetFileStringWordFontTableXML(),
            kDecl +
                "<w:fonts xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
                "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
                "<w:font w:name=\"Calibri\"></w:font></w:fonts>");
}

TEST(DocxWriter, SavedPackageHoldsTheEightPartsInOrder) {
  TempDir dir;
  TDocDOCX doc;
  AddWords(doc);
  const std::string target = dir.file("words.docx");
  ASSERT_TRUE(doc.SaveToFile(target));
  const auto entries = documentstest::ReadZip(target);
  const std::vector<std::string> expected = {
      "[Content_Types].xml",          "_rels/.rels",       "docProps/app.xml",   "docProps/core.xml",
      "word/_rels/document.xml.rels", "word/document.xml", "word/fontTable.xml", "word/styles.xml"};
  ASSERT_EQ(entries.size(), expected.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].Name, expected[i]);
    EXPECT_EQ(entries[i].Method, 8) << "deflated";
  }
  EXPECT_EQ(entries[5].Data, doc.GetFileStringWordDocumentXML());
  EXPECT_EQ(entries[7].Data, doc.GetFileStringWordStylesXML());
  // Nothing but the document beside it: no ".temp" folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(DocxWriter, HeaderAndFooterRelationshipIds) {
  struct Case {
    bool header, footer;
    std::string headerId, footerId, linkId;
  };
  const Case cases[] = {
      {true, false, "rId3", "", "rId4"}, {false, true, "", "rId3", "rId4"}, {true, true, "rId3", "rId4", "rId5"}};
  for (const Case& c : cases) {
    TDocDOCX doc;
    AddWords(doc);
    if (c.header) doc.Header().AddText("H");
    if (c.footer) doc.Footer().AddText("F");
    TDocEmbeddedContentRec link;
    link.Source = "https://example.org/?a=1&b=\"2\"";
    doc.LinkedContent.push_back(link);
    doc.Page().AddContent(docContentHyperlink, 0, "link");
    const std::string rels = doc.GetFileStringWordRelsDocumentXMLRels();
    const std::string body = doc.GetFileStringWordDocumentXML();
    const std::string types = doc.GetFileStringContentTypesXML();
    if (c.header) {
      EXPECT_NE(rels.find("Id=\"" + c.headerId + "\" Type=\"" + kRel + "header\" Target=\"header.xml\""),
                std::string::npos);
      EXPECT_NE(body.find("<w:headerReference w:type=\"default\" r:id=\"" + c.headerId + "\">"), std::string::npos);
      EXPECT_NE(types.find("/word/header.xml"), std::string::npos);
    } else {
      EXPECT_EQ(rels.find("header"), std::string::npos);
      EXPECT_EQ(body.find("headerReference"), std::string::npos);
      EXPECT_EQ(types.find("header"), std::string::npos);
    }
    if (c.footer) {
      EXPECT_NE(rels.find("Id=\"" + c.footerId + "\" Type=\"" + kRel + "footer\" Target=\"footer.xml\""),
                std::string::npos);
      EXPECT_NE(body.find("<w:footerReference w:type=\"default\" r:id=\"" + c.footerId + "\">"), std::string::npos);
    } else {
      EXPECT_EQ(rels.find("footer"), std::string::npos);
    }
    // The target is escaped once and marked external.
    EXPECT_NE(rels.find("Id=\"" + c.linkId + "\" Type=\"" + kRel +
                        "hyperlink\" Target=\"https://example.org/?a=1&amp;b=&quot;2&quot;\" TargetMode=\"External\""),
              std::string::npos);
    EXPECT_NE(body.find("<w:hyperlink r:id=\"" + c.linkId +
                        "\" w:history=\"1\"><w:r><w:rPr><w:rStyle w:val=\"Hyperlink\"></w:rStyle></w:rPr>"
                        "<w:t>link</w:t></w:r></w:hyperlink>"),
              std::string::npos);
    // References lead the section properties.
    const std::string sectPr = Element(body, "w:sectPr");
    if (c.header || c.footer) {
      EXPECT_EQ(sectPr.rfind(c.header ? "<w:sectPr><w:headerReference" : "<w:sectPr><w:footerReference", 0), 0u);
      EXPECT_LT(sectPr.rfind("Reference"), sectPr.find("<w:pgSz"));
    }
  }
}

TEST(DocxWriter, StylesAndFontTableOfAFreshWriter) {
  TDocDOCX doc;
  const std::string styles = doc.GetFileStringWordStylesXML();
  EXPECT_NE(styles.find("<w:docDefaults><w:pPrDefault><w:pPr><w:jc w:val=\"left\"></w:jc></w:pPr></w:pPrDefault>"
                        "<w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Calibri\" w:hAnsi=\"Calibri\" w:cs=\"Calibri\">"
                        "</w:rFonts><w:sz w:val=\"24\"></w:sz></w:rPr></w:rPrDefault></w:docDefaults>"
                        "<w:latentStyles></w:latentStyles>"),
            std::string::npos);
  const std::string calibri = "<w:rFonts w:ascii=\"Calibri\" w:hAnsi=\"Calibri\" w:cs=\"Calibri\"></w:rFonts>";
  const std::string plainPPr =
      "<w:pPr><w:spacing w:before=\"0\" w:after=\"0\"></w:spacing><w:jc w:val=\"left\"></w:jc></w:pPr>";
  EXPECT_EQ(Element(styles, "w:style"),
            "<w:style w:type=\"paragraph\" w:styleId=\"Standard\"><w:name w:val=\"Standard\"></w:name>"
            "<w:next w:val=\"Standard\"></w:next>" +
                plainPPr + "<w:rPr>" + calibri +
                "<w:color w:val=\"000000\"></w:color><w:sz w:val=\"24\"></w:sz><w:szCs w:val=\"24\"></w:szCs>"
                "</w:rPr></w:style>");
  EXPECT_NE(styles.find("<w:style w:type=\"character\" w:default=\"1\" w:styleId=\"StandardFont\">"
                        "<w:name w:val=\"StandardFont\"></w:name><w:uiPriority w:val=\"1\"></w:uiPriority><w:rPr>" +
                        calibri +
                        "<w:color w:val=\"000000\"></w:color><w:sz w:val=\"24\"></w:sz><w:szCs w:val=\"24\">"
                        "</w:szCs></w:rPr></w:style>"
                        "<w:style w:type=\"table\" w:default=\"1\" w:styleId=\"NormalTable\">"
                        "<w:name w:val=\"Normal Table\"></w:name><w:uiPriority w:val=\"99\"></w:uiPriority>"
                        "</w:style><w:style w:type=\"numbering\" w:default=\"1\" w:styleId=\"NoList\">"
                        "<w:name w:val=\"No List\"></w:name><w:uiPriority w:val=\"99\"></w:uiPriority></w:style>"),
            std::string::npos);
  const char* sizes[] = {"48", "44", "40", "36", "32", "28"};
  for (int level = 1; level <= 6; ++level) {
    const std::string id = "Heading" + std::to_string(level);
    EXPECT_NE(styles.find("<w:style w:type=\"paragraph\" w:styleId=\"" + id + "\"><w:name w:val=\"" + id +
                          "\"></w:name><w:basedOn w:val=\"Standard\"></w:basedOn>"
                          "<w:next w:val=\"DefaultParagraph\"></w:next>" +
                          plainPPr + "<w:rPr>" + calibri + "<w:color w:val=\"000000\"></w:color><w:sz w:val=\"" +
                          sizes[level - 1] + "\"></w:sz>"),
              std::string::npos)
        << id;
  }
  EXPECT_NE(styles.find("<w:style w:type=\"paragraph\" w:styleId=\"DefaultParagraph\"><w:name "
                        "w:val=\"DefaultParagraph\"></w:name><w:basedOn w:val=\"Standard\"></w:basedOn>"
                        "<w:next w:val=\"DefaultParagraph\"></w:next>" +
                        plainPPr + "<w:rPr>" + calibri),
            std::string::npos);
  // Style 0 of the table keeps the model's first default font.
  EXPECT_NE(styles.find("<w:style w:type=\"paragraph\" w:styleId=\"StandardDef\"><w:name w:val=\"StandardDef\">"
                        "</w:name><w:basedOn w:val=\"Standard\"></w:basedOn><w:next w:val=\"Standard\"></w:next>" +
                        plainPPr +
                        "<w:rPr><w:rFonts w:ascii=\"Times New Roman\" w:hAnsi=\"Times New Roman\" "
                        "w:cs=\"Times New Roman\"></w:rFonts><w:color w:val=\"000000\"></w:color>"
                        "<w:sz w:val=\"24\"></w:sz><w:szCs w:val=\"24\"></w:szCs></w:rPr></w:style></w:styles>"),
            std::string::npos);
  EXPECT_EQ(styles.find("Header"), std::string::npos);
  EXPECT_EQ(styles.find("Footer"), std::string::npos);
  EXPECT_EQ(styles.find("Hyperlink"), std::string::npos);
  EXPECT_EQ(Count(styles, "styleId=\"Standard\""), 1u);
  EXPECT_EQ(Count(doc.GetFileStringWordFontTableXML(), "<w:font "), 1u);
}

TEST(DocxWriter, StylePropertiesFollowTheSchemaOrder) {
  TDocDOCX doc;
  TDocParagraphStyle& s = doc.Page().Style();
  s.LineSpacing = 1.5f;
  s.MarginLeft = 1;
  s.MarginTop = 0.5f;
  s.KeepWithNext = true;
  s.KeepTogether = true;
  s.TextAlignmentHorz = docAlignHorzJustify;
  s.FontSize = 10.5f;
  s.FontBold = true;
  s.FontItalic = true;
  s.FontStrikeThrough = true;
  s.FontStrikeType = docStrikeTypeBold;
  s.FontUnderline = true;
  s.FontUnderlineType = docUnderlineTypeDotted;
  s.SetFontName("A&B");
  s.SetTextColorFromHex("FF0000");
  const std::string style = Element(doc.GetFileStringWordStylesXML(), "w:style");
  EXPECT_NE(style.find("<w:pPr><w:keepNext w:val=\"on\"></w:keepNext><w:keepLines w:val=\"on\"></w:keepLines>"
                       "<w:spacing w:before=\"283\" w:after=\"0\" w:line=\"360\" w:lineRule=\"auto\"></w:spacing>"
                       "<w:ind w:left=\"567\"></w:ind><w:jc w:val=\"both\"></w:jc></w:pPr>"),
            std::string::npos)
      << style;
  EXPECT_NE(style.find("<w:rPr><w:rFonts w:ascii=\"A&amp;B\" w:hAnsi=\"A&amp;B\" w:cs=\"A&amp;B\"></w:rFonts>"
                       "<w:b w:val=\"true\"></w:b><w:i w:val=\"true\"></w:i><w:strike w:val=\"true\"></w:strike>"
                       "<w:color w:val=\"FF0000\"></w:color><w:sz w:val=\"21\"></w:sz><w:szCs w:val=\"21\"></w:szCs>"
                       "<w:u w:val=\"dotted\"></w:u></w:rPr>"),
            std::string::npos)
      << style;
  EXPECT_NE(doc.GetFileStringWordFontTableXML().find("<w:font w:name=\"A&amp;B\"></w:font>"), std::string::npos);

  s.MarginLeft = 0;
  s.MarginRight = 1;
  s.FontSize = 10.25f;
  s.FontStrikeType = docStrikeTypeDouble;
  const std::string again = Element(doc.GetFileStringWordStylesXML(), "w:style");
  EXPECT_NE(again.find("<w:ind w:right=\"567\"></w:ind>"), std::string::npos);
  EXPECT_NE(again.find("<w:sz w:val=\"20\"></w:sz>"), std::string::npos);
  EXPECT_NE(again.find("<w:dstrike w:val=\"true\"></w:dstrike>"), std::string::npos);
}

TEST(DocxWriter, StyleTableEntriesHeaderFooterAndHyperlinkStyles) {
  TDocDOCX doc;
  doc.Styles().Add();
  doc.Header().AddText("Page ");
  doc.Footer().AddText("x");
  doc.LinkedContent.push_back({});
  const std::string styles = doc.GetFileStringWordStylesXML();
  EXPECT_NE(styles.find("w:styleId=\"Style1\"><w:name w:val=\"Style1\"></w:name><w:basedOn w:val=\"Standard\">"
                        "</w:basedOn><w:next w:val=\"Style1\"></w:next>"),
            std::string::npos);
  EXPECT_NE(styles.find("w:styleId=\"Header\"><w:name w:val=\"DefaultParagraph\"></w:name><w:basedOn "
                        "w:val=\"Standard\"></w:basedOn><w:pPr>"),
            std::string::npos);
  EXPECT_NE(styles.find("w:styleId=\"Footer\"><w:name w:val=\"DefaultParagraph\"></w:name>"), std::string::npos);
  EXPECT_NE(styles.find("<w:style w:type=\"character\" w:styleId=\"Hyperlink\"><w:name w:val=\"Hyperlink\">"
                        "</w:name><w:basedOn w:val=\"StandardFont\"></w:basedOn><w:uiPriority w:val=\"99\">"
                        "</w:uiPriority><w:unhideWhenUsed></w:unhideWhenUsed><w:rPr><w:color w:val=\"0000FF\" "
                        "w:themeColor=\"hyperlink\"></w:color><w:u w:val=\"single\"></w:u></w:rPr></w:style>"
                        "</w:styles>"),
            std::string::npos);
}

TEST(DocxWriter, HeaderIsOneParagraphWithFields) {
  TDocDOCX doc;
  doc.Header().AddText("Page ");
  doc.Header().AddContent(docContentPageNumber);
  doc.Header().AddText(" of ");
  doc.Header().AddContent(docContentPageCount);
  doc.Header().SetFontBold(true);
  doc.Footer().AddParagraph("A", -1);
  doc.Footer().AddParagraph("B", 0);
  const std::string field =
      "<w:fldChar w:fldCharType=\"begin\"></w:fldChar><w:instrText>%</w:instrText>"
      "<w:fldChar w:fldCharType=\"separate\"></w:fldChar><w:t></w:t>"
      "<w:fldChar w:fldCharType=\"end\"></w:fldChar>";
  auto fieldOf = [&](const std::string& code) {
    std::string f = field;
    f.replace(f.find('%'), 1, code);
    return f;
  };
  EXPECT_EQ(doc.GetFileStringWordHeaderXML(), kDecl + "<w:hdr" + kDocNamespaces +
                                                  "><w:p><w:pPr><w:pStyle w:val=\"Header\"></w:pStyle></w:pPr><w:r>"
                                                  "<w:t xml:space=\"preserve\">Page </w:t>" +
                                                  fieldOf("PAGE") + "<w:t xml:space=\"preserve\"> of </w:t>" +
                                                  fieldOf("NUMPAGES") + "</w:r></w:p></w:hdr>");
  EXPECT_EQ(doc.GetFileStringWordFooterXML(),
            kDecl + "<w:ftr" + kDocNamespaces +
                "><w:p><w:pPr><w:pStyle w:val=\"Footer\"></w:pStyle></w:pPr><w:r><w:t>A</w:t><w:t>B</w:t>"
                "</w:r></w:p></w:ftr>");
}

TEST(DocxWriter, BodyItems) {
  TDocDOCX doc;
  doc.Page().AddParagraph("a\r\nb\r\nc", -1);
  doc.Page().AddParagraph("x\ry", -1);
  doc.Page().AddParagraph("", 0);
  doc.Page().AddParagraph("s", 1);
  doc.Page().AddContent(docContentHeading2, "h\nl");
  doc.Page().AddContent(docContentPageBreak);
  doc.Page().AddContent(docContentColumnBreak);
  doc.Page().AddText("ignored");
  doc.Page().AddContent(docContentHyperlink, 4, "far");
  doc.Page().AddContent(docContentImage, 9, "");
  doc.Page().AddParagraph("<&>\x01", -1);
  const std::string body = Element(doc.GetFileStringWordDocumentXML(), "w:body");
  const std::string p = "<w:p><w:pPr><w:pStyle w:val=\"";
  EXPECT_EQ(body, "<w:body>" + p +
                      "DefaultParagraph\"></w:pStyle></w:pPr><w:r><w:t>a</w:t><w:br></w:br><w:t>b</w:t><w:br></w:br>"
                      "<w:t>c</w:t></w:r></w:p>" +
                      // A lone CR is a line break too, in headings as well.
                      p +
                      "DefaultParagraph\"></w:pStyle></w:pPr><w:r><w:t>x</w:t><w:br></w:br><w:t>y</w:t></w:r></w:p>" +
                      p + "Standard\"></w:pStyle></w:pPr><w:r><w:t></w:t></w:r></w:p>" + p +
                      "DefaultParagraph\"></w:pStyle></w:pPr><w:r><w:t>s</w:t></w:r></w:p>" + p +
                      "Heading2\"></w:pStyle></w:pPr><w:r><w:t>h</w:t><w:br></w:br><w:t>l</w:t></w:r></w:p>"
                      "<w:p><w:r><w:br w:type=\"page\"></w:br></w:r></w:p>"
                      "<w:p><w:r><w:br w:type=\"column\"></w:br></w:r></w:p>"
                      "<w:p><w:hyperlink r:id=\"rId3\" w:history=\"1\"><w:r><w:rPr><w:rStyle w:val=\"Hyperlink\">"
                      "</w:rStyle></w:rPr><w:t>far</w:t></w:r></w:hyperlink></w:p>" +
                      p + "DefaultParagraph\"></w:pStyle></w:pPr><w:r><w:t>&lt;&amp;&gt;</w:t></w:r></w:p>" +
                      Element(body, "w:sectPr") + "</w:body>");
}

TEST(DocxWriter, PageGeometryBackgroundAndColumns) {
  TDocDOCX doc;
  doc.SetPageMargins(0.7, 0.7, 0.7, 0.7);
  doc.PageColumnCount = 2;
  doc.Page().Style().SetBackgroundColorFromHex("FF0000");
  const std::string xml = doc.GetFileStringWordDocumentXML();
  EXPECT_NE(xml.find("<w:background w:color=\"FF0000\"></w:background><w:body>"), std::string::npos);
  EXPECT_NE(xml.find("<w:pgMar w:top=\"397\" w:right=\"397\" w:bottom=\"397\" w:left=\"397\""), std::string::npos);
  EXPECT_NE(xml.find("<w:pgNumType w:start=\"1\"></w:pgNumType><w:cols w:num=\"2\" w:space=\"708\"></w:cols>"
                     "</w:sectPr>"),
            std::string::npos);
  doc.PageColumnCount = 1;
  EXPECT_EQ(doc.GetFileStringWordDocumentXML().find("w:cols"), std::string::npos);
}

TEST(DocxWriter, ImagesAreNumberedSizedAndPacked) {
  ImageSizeReaderGuard reader;
  TempDir dir;
  WriteFileBytes(dir.file("a.JPEG"), "jpegbytes");
  WriteFileBytes(dir.file("b.png"), "png1");
  WriteFileBytes(dir.file("c.png"), "png2");
  WriteFileBytes(dir.file("d.bmp"), "bmp");
  WriteFileBytes(dir.file("noext"), "raw");
  TDocDOCX doc;
  for (const char* name : {"a.JPEG", "b.png", "c.png", "d.bmp", "noext"}) {
    TDocEmbeddedContentRec image;
    image.ContentType = docEmbeddedContentImage;
    image.Source = dir.file(name);
    doc.LinkedContent.push_back(image);
  }
  doc.LinkedContent[1].StyleID = 0;
  doc.Page().AddContent(docContentImage, 0, "");
  doc.Page().AddContent(docContentImage, 1, "");

  const std::string types = doc.GetFileStringContentTypesXML();
  EXPECT_NE(types.find("<Default Extension=\"xml\" ContentType=\"application/xml\"></Default>"
                       "<Default Extension=\"png\" ContentType=\"image/png\"></Default>"
                       "<Default Extension=\"jpg\" ContentType=\"image/jpg\"></Default><Override"),
            std::string::npos);
  EXPECT_EQ(Count(types, "Extension=\"png\""), 1u);
  EXPECT_EQ(types.find("bmp"), std::string::npos);

  const std::string rels = doc.GetFileStringWordRelsDocumentXMLRels();
  EXPECT_EQ(doc.LinkedContent[0].FileName, "image3.jpg");
  EXPECT_EQ(doc.LinkedContent[1].FileName, "image4.png");
  EXPECT_EQ(doc.LinkedContent[2].FileName, "image5.png");
  EXPECT_EQ(doc.LinkedContent[3].FileName, "image6.bmp");
  EXPECT_EQ(doc.LinkedContent[4].FileName, "image7.");
  EXPECT_NE(rels.find("Id=\"rId3\" Type=\"" + kRel + "image\" Target=\"media/image3.jpg\""), std::string::npos);
  EXPECT_EQ(doc.LinkedContent[0].Width, 100);
  EXPECT_EQ(doc.LinkedContent[0].Height, 50);

  const std::string body = doc.GetFileStringWordDocumentXML();
  EXPECT_EQ(Count(body, "<wp:extent cx=\"502000\" cy=\"251000\"></wp:extent>"), 2u);
  EXPECT_EQ(Count(body, "<a:ext cx=\"502000\" cy=\"251000\"></a:ext>"), 2u);
  EXPECT_NE(body.find("<w:p><w:r><w:rPr><w:noProof></w:noProof></w:rPr><w:drawing><wp:inline distT=\"0\" "
                      "distB=\"0\" distL=\"0\" distR=\"0\"><wp:extent"),
            std::string::npos);
  EXPECT_NE(body.find("<wp:docPr id=\"3\" name=\"Image3\"></wp:docPr>"), std::string::npos);
  EXPECT_NE(body.find("<a:blip r:embed=\"rId4\" cstate=\"print\"></a:blip>"), std::string::npos);
  EXPECT_NE(body.find("<w:p><w:pPr><w:pStyle w:val=\"Standard\"></w:pStyle></w:pPr><w:r><w:rPr><w:noProof>"),
            std::string::npos);

  const std::string target = dir.file("img.docx");
  ASSERT_TRUE(doc.SaveToFile(target));
  const auto names = documentstest::ZipEntryNames(target);
  ASSERT_EQ(names.size(), 13u);
  EXPECT_EQ(names[8], "word/media/image3.jpg");
  EXPECT_EQ(names[12], "word/media/image7.");
  EXPECT_EQ(documentstest::ZipEntryData(target, "word/media/image4.png"), "png1");
}

TEST(DocxWriter, ImageSizeFallbackIsZero) {
  EXPECT_EQ(GetImagePixelSize("/any/file.png").Width, 0);
  EXPECT_EQ(DocxPixelsToEMU(100), 502000);
  EXPECT_EQ(DocxPixelsToEMU(1), 5020);
  EXPECT_EQ(DocxPixelsToEMU(0), 0);
}

TEST(DocxWriter, FailedPartsFailTheSaveAndKeepTheOldFile) {
  TempDir dir;
  const std::string target = dir.file("keep.docx");
  WriteFileBytes(target, "previous document");
  // A ".temp" folder beside the target belongs to someone else: untouched.
  std::filesystem::create_directory(target + ".temp");
  WriteFileBytes(target + ".temp/own.txt", "mine");

  TDocDOCX doc;
  AddWords(doc);
  TDocEmbeddedContentRec image;
  image.ContentType = docEmbeddedContentImage;
  image.Source = dir.file("missing.png");
  doc.LinkedContent.push_back(image);
  EXPECT_FALSE(doc.SaveToFile(target));
  EXPECT_EQ(ReadFileBytes(target), "previous document");

  doc.LinkedContent.clear();
  EXPECT_FALSE(doc.SaveToFile(dir.file("no/such/folder/x.docx")));
  ASSERT_TRUE(doc.SaveToFile(target));
  EXPECT_EQ(documentstest::ZipEntryNames(target).size(), 8u);
  EXPECT_EQ(ReadFileBytes(target + ".temp/own.txt"), "mine");
}

TEST(DocxWriter, CoreDatesAreUTC) {
  const char* old = std::getenv("TZ");
  const std::string saved = old ? old : "";
  setenv("TZ", "XYZ-3", 1);  // three hours east of UTC, no daylight saving
  tzset();
  TDocDOCX doc;
  TDateTime date = 0, time = 0;
  ASSERT_TRUE(TryEncodeDate(2024, 3, 5, date));
  ASSERT_TRUE(TryEncodeTime(14, 7, 9, 0, time));
  doc.DocumentCreationDate = ComposeDateTime(date, time);
  ASSERT_TRUE(TryEncodeTime(1, 0, 0, 0, time));
  doc.DocumentLastModificationDate = ComposeDateTime(date, time);
  const std::string core = doc.GetFileStringDocPropsCoreXML();
  if (old)
    setenv("TZ", saved.c_str(), 1);
  else
    unsetenv("TZ");
  tzset();
  EXPECT_NE(core.find("<dcterms:created xsi:type=\"dcterms:W3CDTF\">2024-03-05T11:07:09Z</dcterms:created>"),
            std::string::npos);
  EXPECT_NE(core.find("<dcterms:modified xsi:type=\"dcterms:W3CDTF\">2024-03-04T22:00:00Z</dcterms:modified>"),
            std::string::npos);
}

TEST(DocxWriter, MetadataIsEscaped) {
  TDocDOCX doc;
  doc.DocumentTitle = "A & B <c>";
  doc.DocumentEditingTime = 42;
  doc.DocumentVersion = 3;
  const std::string core = doc.GetFileStringDocPropsCoreXML();
  EXPECT_NE(core.find("<dc:title>A &amp; B &lt;c&gt;</dc:title>"), std::string::npos);
  EXPECT_NE(core.find("<cp:revision>3</cp:revision>"), std::string::npos);
  EXPECT_NE(doc.GetFileStringDocPropsAppXML().find("<TotalTime>42</TotalTime>"), std::string::npos);
}

// A TAB inside a text element is read as a blank: it is a tab element of its
// own. Runs of blanks are kept by telling the reader so.
TEST(DocxWriter, TabsAndRunsOfBlanks) {
  TDocDOCX doc;
  doc.Page().AddParagraph("a\tb\t\tc\t", -1);
  doc.Page().AddParagraph("\tx  y", -1);
  const std::string body = Element(doc.GetFileStringWordDocumentXML(), "w:body");
  EXPECT_NE(body.find("<w:r><w:t>a</w:t><w:tab></w:tab><w:t>b</w:t><w:tab></w:tab><w:tab></w:tab><w:t>c</w:t>"
                      "<w:tab></w:tab></w:r>"),
            std::string::npos);
  EXPECT_NE(body.find("<w:r><w:tab></w:tab><w:t xml:space=\"preserve\">x  y</w:t></w:r>"), std::string::npos);
}

}  // namespace
