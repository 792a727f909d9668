#include "documents/ods_writer.h"

#include <gtest/gtest.h>
#include <zip.h>

#include "documents_test_support.h"
#include "test_support.h"

namespace {

const std::string kDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
const std::string kRootStart =
    "<office:document-content office:version=\"1.2\" "
    "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
    "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
    "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
    "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\"";
const std::string kFo = " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\">";

std::string ColumnStyle(int n, const std::string& props) {
  return "<style:style style:name=\"col" + std::to_string(n) +
         "\" style:family=\"table-column\"><style:table-column-properties" + props +
         "></style:table-column-properties></style:style>";
}

// A typed cell: the value in its attribute, and the text it shows (by default
// the value) as its paragraph.
std::string Cell(const std::string& type, const std::string& attr, const std::string& value, const std::string& shown) {
  return "<table:table-cell office:value-type=\"" + type + "\" " + attr + "=\"" + value + "\"><text:p>" + shown +
         "</text:p></table:table-cell>";
}
std::string Cell(const std::string& type, const std::string& attr, const std::string& value) {
  return Cell(type, attr, value, value);
}

void FillCounterTable(TDocODSMinimal& o) {
  o.SetContent({{"e", "5", "12,5 %"}, {"the word", "20", "50%"}});
  o.DynamicCellFormat = true;
  o.ColumnSpecifications().AddColumn(csDataStr, csWidthDynamic, csAlignDefault, 0);
  o.ColumnSpecifications().AddColumn(csDataNumber, csWidthDynamic, csAlignDefault, 0);
  o.ColumnSpecifications().AddColumn(csDataPercentage, csWidthDynamic, csAlignDefault, 0);
}

TEST(OdsWriter, CounterTablePartByPart) {
  TDocODSMinimal o;
  FillCounterTable(o);
  const std::string dyn = " style:column-width=\"2.5cm\" style:use-optimal-column-width=\"true\"";
  EXPECT_EQ(o.GetContentAsXML(),
            kDecl + kRootStart + kFo + "<office:automatic-styles>" + ColumnStyle(1, dyn) + ColumnStyle(2, dyn) +
                ColumnStyle(3, dyn) +
                "</office:automatic-styles><office:body><office:spreadsheet><table:table table:name=\"Sheet\">"
                "<table:table-column table:style-name=\"col1\"></table:table-column>"
                "<table:table-column table:style-name=\"col2\"></table:table-column>"
                "<table:table-column table:style-name=\"col3\"></table:table-column><table:table-row>" +
                Cell("string", "office:string-value", "e") + Cell("float", "office:value", "5") +
                Cell("percentage", "office:value", "0.125", "12,5 %") + "</table:table-row><table:table-row>" +
                Cell("string", "office:string-value", "the word") + Cell("float", "office:value", "20") +
                Cell("percentage", "office:value", "0.5", "50%") +
                "</table:table-row></table:table></office:spreadsheet></office:body></office:document-content>");
  EXPECT_EQ(o.GetManifestMinimal(),
            kDecl +
                "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
                "<manifest:file-entry manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\" "
                "manifest:version=\"1.2\" manifest:full-path=\"/\"></manifest:file-entry>"
                "<manifest:file-entry manifest:media-type=\"text/xml\" manifest:full-path=\"content.xml\">"
                "</manifest:file-entry>"
                "<manifest:file-entry manifest:media-type=\"text/xml\" manifest:full-path=\"settings.xml\">"
                "</manifest:file-entry></manifest:manifest>");
  auto item = [](const std::string& name, const std::string& type, const std::string& v) {
    return "<config:config-item config:name=\"" + name + "\" config:type=\"" + type + "\">" + v +
           "</config:config-item>";
  };
  EXPECT_EQ(o.GetSettingsXML(),
            kDecl +
                "<office:document-settings xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                "xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                "xmlns:config=\"urn:oasis:names:tc:opendocument:xmlns:config:1.0\" "
                "xmlns:ooo=\"http://openoffice.org/2004/office\" office:version=\"1.2\"><office:settings>"
                "<config:config-item-set config:name=\"ooo:view-settings\">"
                "<config:config-item-map-indexed config:name=\"Views\"><config:config-item-map-entry>"
                "<config:config-item-map-named config:name=\"Tables\">"
                "<config:config-item-map-entry config:name=\"Sheet\">" +
                item("CursorPositionX", "int", "0") + item("CursorPositionY", "int", "0") +
                item("HorizontalSplitMode", "short", "0") + item("VerticalSplitMode", "short", "0") +
                item("HorizontalSplitPosition", "int", "0") + item("VerticalSplitPosition", "int", "0") +
                item("PositionLeft", "int", "0") + item("PositionRight", "int", "0") + item("PositionTop", "int", "0") +
                item("PositionBottom", "int", "0") + item("ZoomType", "short", "0") + item("ZoomValue", "int", "100") +
                "</config:config-item-map-entry></config:config-item-map-named>" +
                item("ActiveTable", "string", "Sheet") +
                "</config:config-item-map-entry></config:config-item-map-indexed></config:config-item-set>"
                "</office:settings></office:document-settings>");
}

TEST(OdsWriter, PackageStartsWithStoredMimetype) {
  testsupport::TempDir dir;
  TDocODSMinimal o;
  FillCounterTable(o);
  ASSERT_TRUE(o.SaveToFile(dir.file("t.ods")));
  const auto entries = documentstest::ReadZip(dir.file("t.ods"));
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].Name, "mimetype");
  EXPECT_EQ(entries[0].Method, ZIP_CM_STORE);
  EXPECT_EQ(entries[0].Data, "application/vnd.oasis.opendocument.spreadsheet");
  EXPECT_EQ(entries[1].Name, "content.xml");
  EXPECT_EQ(entries[2].Name, "META-INF/manifest.xml");
  EXPECT_EQ(entries[3].Name, "settings.xml");
  EXPECT_EQ(entries[3].Method, ZIP_CM_DEFLATE);

  // Zoom 0 and nothing frozen: no settings part and two manifest entries.
  o.Zoom = 0;
  ASSERT_TRUE(o.SaveToFile(dir.file("t.ods")));
  EXPECT_EQ(documentstest::ZipEntryNames(dir.file("t.ods")).size(), 3u);
  const std::string manifest = o.GetManifestMinimal();
  EXPECT_EQ(manifest.find("settings.xml"), std::string::npos);
  EXPECT_NE(manifest.find("content.xml"), std::string::npos);
}

TEST(OdsWriter, FreezeAndZoom) {
  TDocODSMinimal o;
  o.FreezePositionVertical = 1;
  o.Zoom = 80;
  const std::string s = o.GetSettingsXML();
  for (const char* part :
       {"\"HorizontalSplitMode\" config:type=\"short\">0<", "\"VerticalSplitMode\" config:type=\"short\">2<",
        "\"HorizontalSplitPosition\" config:type=\"int\">0<", "\"VerticalSplitPosition\" config:type=\"int\">1<",
        "\"PositionRight\" config:type=\"int\">0<", "\"PositionBottom\" config:type=\"int\">1<",
        "\"ZoomValue\" config:type=\"int\">80<"})
    EXPECT_NE(s.find(part), std::string::npos) << part;
}

TEST(OdsWriter, ColumnWidthsAndAlignments) {
  TDocODSMinimal o;
  o.SetContent({{std::string(5, 'a'), std::string(20, 'b'), std::string(17, 'c'), "x", "y"}});
  o.DynamicColumnWidth = true;
  o.ColumnSpecifications().AddColumn(csDataStr, csWidthDynamic, csAlignLeft, 0);
  o.ColumnSpecifications().AddColumn(csDataStr, csWidthDynamic, csAlignCenter, 0);
  o.ColumnSpecifications().AddColumn(csDataStr, csWidthDynamic, csAlignJustify, 0);
  o.ColumnSpecifications().AddColumn(csDataStr, csWidthFixed, csAlignRight, 3.25);
  const std::string s = o.GetContentAsXML();
  const std::string dyn = "\" style:use-optimal-column-width=\"true\"";
  for (const std::string& part :
       {ColumnStyle(1, " style:column-width=\"2.5cm" + dyn), ColumnStyle(2, " style:column-width=\"4cm" + dyn),
        ColumnStyle(3, " style:column-width=\"3.4cm" + dyn), ColumnStyle(4, " style:column-width=\"3.25cm\""),
        // No record: a dynamic width from DynamicColumnWidth.
        ColumnStyle(5, " style:column-width=\"2.5cm" + dyn)})
    EXPECT_NE(s.find(part), std::string::npos) << part;
  EXPECT_NE(s.find("<style:style style:name=\"cellalleft\" style:family=\"table-cell\"><style:paragraph-properties "
                   "fo:text-align=\"start\"></style:paragraph-properties></style:style>"
                   "<style:style style:name=\"cellalcenter\" style:family=\"table-cell\"><style:paragraph-properties "
                   "fo:text-align=\"center\"></style:paragraph-properties></style:style>"
                   "<style:style style:name=\"cellalright\" style:family=\"table-cell\"><style:paragraph-properties "
                   "fo:text-align=\"end\"></style:paragraph-properties></style:style>"
                   "<style:style style:name=\"cellaljustify\" style:family=\"table-cell\"><style:paragraph-properties "
                   "fo:text-align=\"justify\"></style:paragraph-properties></style:style></office:automatic-styles>"),
            std::string::npos);
  EXPECT_NE(s.find("<table:table-column table:style-name=\"col1\" table:default-cell-style-name=\"cellalleft\">"
                   "</table:table-column><table:table-column table:style-name=\"col2\" "
                   "table:default-cell-style-name=\"cellalcenter\"></table:table-column>"
                   "<table:table-column table:style-name=\"col3\" table:default-cell-style-name=\"cellaljustify\">"
                   "</table:table-column><table:table-column table:style-name=\"col4\" "
                   "table:default-cell-style-name=\"cellalright\"></table:table-column>"
                   "<table:table-column table:style-name=\"col5\"></table:table-column><table:table-row>"),
            std::string::npos);

  // Without any column section: no styles, no columns, but the fo namespace stays declared.
  TDocODSMinimal plain;
  plain.SetContent({{"a"}});
  EXPECT_EQ(plain.GetContentAsXML(),
            kDecl + kRootStart + kFo +
                "<office:body><office:spreadsheet><table:table table:name=\"Sheet\"><table:table-row>" +
                Cell("string", "office:string-value", "a") +
                "</table:table-row></table:table></office:spreadsheet></office:body></office:document-content>");
}

TEST(OdsWriter, CellTypes) {
  TDocODSMinimal o;
  o.SetContent({{"2024-03-05", "1", "5", "abc", "7", "SUM(A1)", ""},
                {"2024-3-5", "0", "x", "4.5", "", "", ""},
                {"2024-02-30", "yes", "", "", "", "", ""}});
  o.ColumnSpecifications().AddColumn(csDataDate, csWidthDefault, csAlignDefault, 0);
  o.ColumnSpecifications().AddColumn(csDataBoolean, csWidthDefault, csAlignDefault, 0);
  o.ColumnSpecifications().AddColumn(csDataDynamic, csWidthDefault, csAlignDefault, 0);
  o.ColumnSpecifications().AddColumn(csDataNumber, csWidthDefault, csAlignDefault, 0);
  o.ColumnSpecifications().AddColumn(csDataPercentage, csWidthDefault, csAlignDefault, 0);
  o.ColumnSpecifications().AddColumn(csDataFormula, csWidthDefault, csAlignDefault, 0);
  o.ColumnSpecifications().AddColumn(csDataStr, csWidthDefault, csAlignDefault, 0);
  const std::string s = o.GetContentAsXML();
  const std::string rows[3] = {
      Cell("date", "office:date-value", "2024-03-05") + Cell("boolean", "office:boolean-value", "true", "TRUE") +
          Cell("float", "office:value", "5") + Cell("string", "office:string-value", "abc") +
          Cell("percentage", "office:value", "7") + Cell("string", "office:string-value", "SUM(A1)") +
          Cell("string", "office:string-value", ""),
      Cell("string", "office:string-value", "2024-3-5") + Cell("boolean", "office:boolean-value", "false", "FALSE") +
          Cell("string", "office:string-value", "x") + Cell("float", "office:value", "4.5") +
          Cell("string", "office:string-value", "") + Cell("string", "office:string-value", "") +
          Cell("string", "office:string-value", ""),
      Cell("string", "office:string-value", "2024-02-30") + Cell("string", "office:string-value", "yes") +
          Cell("string", "office:string-value", "") + Cell("string", "office:string-value", "") +
          Cell("string", "office:string-value", "") + Cell("string", "office:string-value", "") +
          Cell("string", "office:string-value", ""),
  };
  for (const auto& r : rows) EXPECT_NE(s.find("<table:table-row>" + r + "</table:table-row>"), std::string::npos) << r;
}

TEST(OdsWriter, EscapingAndLinks) {
  const TStrArray2D table = {
      {"a&b \"c\" <d>", "see <a href=\"C:\\my files\\x.txt\">site</a> now", "<a href=\"x\">no close"}};
  TDocODSMinimal off;
  off.SheetName = "S<1>";
  off.SetContent(table);
  const std::string plain = off.GetContentAsXML();
  EXPECT_NE(plain.find(Cell("string", "office:string-value", "a&amp;b &quot;c&quot; &lt;d&gt;")), std::string::npos);
  EXPECT_NE(plain.find("table:name=\"S&lt;1&gt;\""), std::string::npos);
  EXPECT_NE(off.GetSettingsXML().find("config:name=\"S&lt;1&gt;\""), std::string::npos);
  EXPECT_EQ(plain.find("xmlns:xlink"), std::string::npos);
  EXPECT_EQ(plain.find("<text:a"), std::string::npos);

  TDocODSMinimal on;
  on.CreateLinks = true;
  on.SetContent(table);
  const std::string s = on.GetContentAsXML();
  EXPECT_NE(s.find("xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
                   "xmlns:xlink=\"http://www.w3.org/1999/xlink\" xmlns:fo="),
            std::string::npos);
  EXPECT_NE(s.find("<table:table-cell office:value-type=\"string\"><text:p>see <text:a "
                   "xlink:href=\"C:/my files/x.txt\">site</text:a> now</text:p></table:table-cell>"),
            std::string::npos);
  EXPECT_NE(s.find(Cell("string", "office:string-value", "&lt;a href=&quot;x&quot;&gt;no close")), std::string::npos);
}

// Readers of ODF fold white space in paragraphs; the text of a cell keeps its
// blanks, TABs and line breaks through text:s, text:tab and text:line-break,
// and the value attribute keeps TAB, LF and CR as character references.
TEST(OdsWriter, CellTextKeepsItsWhiteSpace) {
  const struct {
    std::string text;
    std::string attribute;
    std::string paragraph;
  } cases[] = {
      {"plain", "plain", "plain"},
      {" lead", " lead", "<text:s/>lead"},
      {"trail ", "trail ", "trail "},
      {"double  blank", "double  blank", "double <text:s/>blank"},
      {"   ", "   ", "<text:s text:c=\"3\"/>"},
      {"a\tb", "a&#9;b", "a<text:tab/>b"},
      {"a\t b", "a&#9; b", "a<text:tab/><text:s/>b"},
      {"l\nf", "l&#10;f", "l<text:line-break />f"},
      {"c\rr", "c&#13;r", "c<text:line-break />r"},
      {"crlf\r\nx", "crlf&#13;&#10;x", "crlf<text:line-break />x"},
      {"=1+1", "=1+1", "=1+1"},
      {"a&<b", "a&amp;&lt;b", "a&amp;&lt;b"},
  };
  TStrArray2D rows;
  for (const auto& c : cases) rows.push_back({c.text});
  TDocODSMinimal o;
  o.SetContent(rows);
  const std::string s = o.GetContentAsXML();
  for (const auto& c : cases)
    EXPECT_NE(s.find(Cell("string", "office:string-value", c.attribute, c.paragraph)), std::string::npos) << c.text;
}

TEST(OdsWriter, SheetNameMadeValidAndNumbersBeyondADoubleAreText) {
  TDocODSMinimal o;
  o.SheetName = "a:b*";
  o.SetContent({{"1e400", "7"}});
  o.ColumnSpecifications().AddColumn(csDataNumber, csWidthDefault, csAlignDefault, 0);
  o.ColumnSpecifications().AddColumn(csDataNumber, csWidthDefault, csAlignDefault, 0);
  const std::string s = o.GetContentAsXML();
  EXPECT_NE(s.find("table:name=\"a_b_\""), std::string::npos);
  EXPECT_NE(o.GetSettingsXML().find("config:name=\"a_b_\""), std::string::npos);
  EXPECT_NE(s.find(Cell("string", "office:string-value", "1e400")), std::string::npos);
  EXPECT_NE(s.find(Cell("float", "office:value", "7")), std::string::npos);
}

}  // namespace
