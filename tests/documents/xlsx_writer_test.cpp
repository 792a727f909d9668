#include "documents/xlsx_writer.h"

#include <gtest/gtest.h>
#include <zip.h>

#include "documents_test_support.h"
#include "test_support.h"

namespace {

const std::string kDecl = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
const std::string kDeclStandalone = "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>\n";
const std::string kWorksheetStart =
    "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">";
const std::string kView =
    "<sheetViews><sheetView tabSelected=\"1\" zoomScale=\"100\" zoomScaleNormal=\"100\" workbookViewId=\"0\"/>"
    "</sheetViews>";

// The counter's table as the main window hands it over: item, count, percentage.
void FillCounterTable(TDocXLSXMinimal& x) {
  x.SetContent({{"e", "5", "12,5 %"}, {"the word", "20", "50%"}});
  x.DynamicCellFormat = true;
  x.ColumnSpecifications().AddColumn(csDataStr, csWidthDynamic, csAlignDefault, 0);
  x.ColumnSpecifications().AddColumn(csDataNumber, csWidthDynamic, csAlignDefault, 0);
  x.ColumnSpecifications().AddColumn(csDataPercentage, csWidthDynamic, csAlignDefault, 0);
}

TEST(XlsxWriter, CounterTablePartByPart) {
  TDocXLSXMinimal x;
  FillCounterTable(x);
  ASSERT_TRUE(x.StyleFileRequired());
  EXPECT_EQ(x.GetContentAsXML(),
            kDecl + kWorksheetStart + kView +
                "<cols><col min=\"1\" max=\"1\" width=\"12\" customWidth=\"1\"/>"
                "<col min=\"2\" max=\"2\" width=\"12\" customWidth=\"1\"/>"
                "<col min=\"3\" max=\"3\" width=\"12\" customWidth=\"1\"/></cols>"
                "<sheetData><row r=\"1\" spans=\"1:3\"><c r=\"A1\" t=\"inlineStr\"><is><t>e</t></is></c>"
                "<c r=\"B1\" t=\"n\"><v>5</v></c><c r=\"C1\" t=\"n\" s=\"5\"><v>0.125</v></c></row>"
                "<row r=\"2\" spans=\"1:3\"><c r=\"A2\" t=\"inlineStr\"><is><t>the word</t></is></c>"
                "<c r=\"B2\" t=\"n\"><v>20</v></c><c r=\"C2\" t=\"n\" s=\"5\"><v>0.5</v></c></row></sheetData>"
                "</worksheet>");
  EXPECT_EQ(x.GetContentTypesAsXML(),
            kDecl +
                "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
                "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\" />"
                "<Override PartName=\"/xl/workbook.xml\" "
                "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
                "<Override PartName=\"/docProps/app.xml\" "
                "ContentType=\"application/vnd.openxmlformats-officedocument.extended-properties+xml\"/>"
                "<Override PartName=\"/docProps/core.xml\" "
                "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
                "<Override PartName=\"/xl/styles.xml\" "
                "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/></Types>");
  EXPECT_EQ(x.GetPackageRelsAsXML(),
            kDeclStandalone +
                "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                "<Relationship Id=\"rId1\" "
                "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
                "Target=\"xl/workbook.xml\"/><Relationship Id=\"rId2\" "
                "Type=\"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties\" "
                "Target=\"docProps/core.xml\"/><Relationship Id=\"rId3\" "
                "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties\" "
                "Target=\"docProps/app.xml\"/></Relationships>");
  EXPECT_EQ(x.GetCorePropertiesAsXML(),
            kDeclStandalone +
                "<cp:coreProperties "
                "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
                "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\" "
                "xmlns:dcmitype=\"http://purl.org/dc/dcmitype/\" "
                "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"></cp:coreProperties>");
  EXPECT_EQ(x.GetAppPropertiesAsXML(),
            kDeclStandalone +
                "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\" "
                "xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\">"
                "<TotalTime>0</TotalTime><DocSecurity>0</DocSecurity><TitlesOfParts>"
                "<vt:vector size=\"1\" baseType=\"lpstr\"><vt:lpstr>Sheet</vt:lpstr></vt:vector></TitlesOfParts>"
                "</Properties>");
  EXPECT_EQ(x.GetWorkbookRelsAsXML(),
            kDeclStandalone +
                "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                "<Relationship Id=\"rId1\" "
                "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
                "Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" "
                "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
                "Target=\"styles.xml\"/></Relationships>");
  EXPECT_EQ(x.GetWorkbookAsXML(),
            kDecl +
                "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                "<bookViews><workbookView/></bookViews><sheets><sheet name=\"Sheet\" sheetId=\"1\" r:id=\"rId1\" />"
                "</sheets></workbook>");
  EXPECT_EQ(x.GetStyleAsXML(),
            kDeclStandalone +
                "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                "<numFmts count=\"1\"><numFmt numFmtId=\"164\" formatCode=\"0.00%\"/></numFmts>"
                "<fonts count=\"1\"><font /> </fonts>"
                "<fills count=\"1\"><fill><patternFill patternType=\"none\"/></fill></fills>"
                "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
                "<cellStyleXfs count=\"1\"><xf /></cellStyleXfs><cellXfs count=\"6\"><xf />"
                "<xf applyAlignment=\"1\"><alignment horizontal=\"left\"/></xf>"
                "<xf applyAlignment=\"1\"><alignment horizontal=\"center\"/></xf>"
                "<xf applyAlignment=\"1\"><alignment horizontal=\"right\"/></xf>"
                "<xf applyAlignment=\"1\"><alignment horizontal=\"justify\"/></xf>"
                "<xf numFmtId=\"164\" applyNumberFormat=\"1\"/></cellXfs></styleSheet>");
}

TEST(XlsxWriter, PackageHoldsThePartsInOrder) {
  testsupport::TempDir dir;
  TDocXLSXMinimal x;
  FillCounterTable(x);
  ASSERT_TRUE(x.SaveToFile(dir.file("t.xlsx")));
  const auto entries = documentstest::ReadZip(dir.file("t.xlsx"));
  std::vector<std::string> names;
  for (const auto& e : entries) names.push_back(e.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"[Content_Types].xml", "_rels/.rels", "docProps/core.xml",
                                             "docProps/app.xml", "xl/_rels/workbook.xml.rels", "xl/workbook.xml",
                                             "xl/styles.xml", "xl/worksheets/sheet1.xml"}));
  for (const auto& e : entries) EXPECT_EQ(e.Method, ZIP_CM_DEFLATE) << e.Name;
  EXPECT_EQ(entries.back().Data, x.GetContentAsXML());

  // Without alignments, percentages or dates there is no style part.
  TDocXLSXMinimal plain;
  plain.SetContent({{"a"}});
  ASSERT_TRUE(plain.SaveToFile(dir.file("t.xlsx")));
  const auto names2 = documentstest::ZipEntryNames(dir.file("t.xlsx"));
  EXPECT_EQ(names2.size(), 7u);
  EXPECT_EQ(std::count(names2.begin(), names2.end(), "xl/styles.xml"), 0);
  EXPECT_EQ(plain.GetWorkbookRelsAsXML().find("styles"), std::string::npos);
  EXPECT_EQ(plain.GetContentTypesAsXML().find("styles"), std::string::npos);
}

std::string ColsOf(const std::string& sheet) {
  const size_t b = sheet.find("<cols>");
  const size_t e = sheet.find("</cols>");
  return b == std::string::npos ? "" : sheet.substr(b, e + 7 - b);
}

TEST(XlsxWriter, ColumnWidths) {
  TDocXLSXMinimal x;
  x.SetContent({{std::string(5, 'a'), std::string(20, 'b'), std::string(31, 'c'), "x", "\xC3\xA4\xC3\xB6\xC3\xBC"}});
  x.DynamicColumnWidth = true;
  x.ColumnSpecifications().AddColumn(csDataStr, csWidthDynamic, csAlignDefault, 0);
  x.ColumnSpecifications().AddColumn(csDataStr, csWidthDynamic, csAlignDefault, 0);
  x.ColumnSpecifications().AddColumn(csDataStr, csWidthDynamic, csAlignDefault, 0);
  x.ColumnSpecifications().AddColumn(csDataStr, csWidthFixed, csAlignDefault, 3.5);
  EXPECT_EQ(ColsOf(x.GetContentAsXML()),
            "<cols><col min=\"1\" max=\"1\" width=\"12\" customWidth=\"1\"/>"
            "<col min=\"2\" max=\"2\" width=\"22\" customWidth=\"1\"/>"
            "<col min=\"3\" max=\"3\" width=\"34\" customWidth=\"1\"/>"
            "<col min=\"4\" max=\"4\" width=\"17\" customWidth=\"1\"/>"
            "<col min=\"5\" max=\"5\" width=\"12\" customWidth=\"1\"/></cols>");

  // Wider than Excel allows: the widest it takes.
  TDocXLSXMinimal wide;
  wide.DynamicColumnWidth = true;
  wide.SetContent({{std::string(300, 'w'), "x"}});
  wide.ColumnSpecifications().AddColumn(csDataStr, csWidthDynamic, csAlignDefault, 0);
  wide.ColumnSpecifications().AddColumn(csDataStr, csWidthFixed, csAlignDefault, 1e9);
  EXPECT_EQ(ColsOf(wide.GetContentAsXML()),
            "<cols><col min=\"1\" max=\"1\" width=\"255\" customWidth=\"1\"/>"
            "<col min=\"2\" max=\"2\" width=\"255\" customWidth=\"1\"/></cols>");

  // Without records and without dynamic widths there is no column section and rows carry no attributes.
  TDocXLSXMinimal plain;
  plain.SetContent({{"a"}});
  const std::string sheet = plain.GetContentAsXML();
  EXPECT_EQ(ColsOf(sheet), "");
  EXPECT_NE(sheet.find("<sheetData><row><c r=\"A1\" t=\"inlineStr\"><is><t>a</t></is></c></row>"), std::string::npos);

  // A record of the default width only for its alignment: a col without width.
  TDocXLSXMinimal aligned;
  aligned.SetContent({{"a"}});
  aligned.ColumnSpecifications().AddColumn(csDataStr, csWidthDefault, csAlignRight, 0);
  const std::string a = aligned.GetContentAsXML();
  EXPECT_EQ(ColsOf(a), "<cols><col min=\"1\" max=\"1\"/></cols>");
  EXPECT_NE(a.find("<c r=\"A1\" t=\"inlineStr\" s=\"3\">"), std::string::npos);

  // An empty table: no cols element (it may not be empty), no rows.
  TDocXLSXMinimal empty;
  empty.DynamicColumnWidth = true;
  const std::string e = empty.GetContentAsXML();
  EXPECT_EQ(e.find("<cols"), std::string::npos);
  EXPECT_NE(e.find("<sheetData></sheetData>"), std::string::npos);
  // Rows without cells have no span to name.
  empty.SetContent(TStrArray2D{{}, {}});
  EXPECT_NE(empty.GetContentAsXML().find("<sheetData><row></row><row></row></sheetData>"), std::string::npos);

  // Longest texts with their tags removed when links are written.
  TDocXLSXMinimal links;
  links.CreateLinks = true;
  links.DynamicColumnWidth = true;
  links.SetContent({{"<a href=\"" + std::string(40, 'x') + "\">" + std::string(20, 'y') + "</a>"}});
  EXPECT_EQ(ColsOf(links.GetContentAsXML()), "<cols><col min=\"1\" max=\"1\" width=\"22\" customWidth=\"1\"/></cols>");
}

TEST(XlsxWriter, ViewZoomAndFreeze) {
  TDocXLSXMinimal x;
  x.Zoom = 0;
  EXPECT_EQ(x.GetContentAsXML().find("sheetViews"), std::string::npos);
  x.Zoom = 100;
  x.FreezePositionVertical = 1;
  EXPECT_NE(x.GetContentAsXML().find(
                "<sheetViews><sheetView tabSelected=\"1\" zoomScale=\"100\" zoomScaleNormal=\"100\" "
                "workbookViewId=\"0\"><pane xSplit=\"0\" ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomRight\" "
                "state=\"frozen\"/></sheetView></sheetViews>"),
            std::string::npos);
  x.Zoom = 150;
  x.FreezePositionHorizontal = 27;
  x.FreezePositionVertical = 6;
  EXPECT_NE(x.GetContentAsXML().find("zoomScale=\"150\" zoomScaleNormal=\"150\" workbookViewId=\"0\"><pane "
                                     "xSplit=\"27\" ySplit=\"6\" topLeftCell=\"AB7\""),
            std::string::npos);
}

TEST(XlsxWriter, CellTypes) {
  TDocXLSXMinimal x;
  x.SetContent({{"true", "5", "abc", "1.5", "2024-03-05", "SUM(A1)", "7", "x"},
                {"false", "abc", "", "", "", "", "7.5", "y"},
                {"yes", " 12", "1e3", "5 %", "x", "", "", ""}});
  x.ColumnSpecifications().AddColumn(csDataBoolean, csWidthDefault, csAlignDefault, 0);
  x.ColumnSpecifications().AddColumn(csDataDynamic, csWidthDefault, csAlignDefault, 0);
  x.ColumnSpecifications().AddColumn(csDataNumber, csWidthDefault, csAlignDefault, 0);
  x.ColumnSpecifications().AddColumn(csDataPercentage, csWidthDefault, csAlignDefault, 0);
  x.ColumnSpecifications().AddColumn(csDataDate, csWidthDefault, csAlignDefault, 0);
  x.ColumnSpecifications().AddColumn(csDataFormula, csWidthDefault, csAlignDefault, 0);
  x.ColumnSpecifications().AddColumn(csDataStr, csWidthDefault, csAlignDefault, 0);
  x.ColumnSpecifications().AddColumn(static_cast<TCSDataType>(12), csWidthDefault, csAlignDefault, 0);
  const std::string s = x.GetContentAsXML();
  const char* expected[] = {
      "<c r=\"A1\" t=\"b\"><v>1</v></c>",
      "<c r=\"A2\" t=\"b\"><v>0</v></c>",
      "<c r=\"A3\" t=\"inlineStr\"><is><t>yes</t></is></c>",
      "<c r=\"B1\" t=\"n\"><v>5</v></c>",
      "<c r=\"B2\" t=\"inlineStr\"><is><t>abc</t></is></c>",
      "<c r=\"B3\" t=\"n\"><v> 12</v></c>",
      // A number column holding no number keeps the file readable with a string cell.
      "<c r=\"C1\" t=\"inlineStr\"><is><t>abc</t></is></c>",
      "<c r=\"C2\" t=\"inlineStr\"><is><t></t></is></c>",
      "<c r=\"C3\" t=\"n\"><v>1e3</v></c>",
      "<c r=\"D1\" t=\"n\" s=\"5\"><v>1.5</v></c>",
      "<c r=\"D2\" t=\"inlineStr\"><is><t></t></is></c>",
      "<c r=\"D3\" t=\"n\" s=\"5\"><v>0.05</v></c>",
      "<c r=\"E1\" t=\"inlineStr\"><is><t>2024-03-05</t></is></c>",
      "<c r=\"F1\" t=\"str\"><f>SUM(A1)</f></c>",
      "<c r=\"F2\" t=\"str\"><f></f></c>",
      "<c r=\"G1\" t=\"inlineStr\"><is><t>7</t></is></c>",
      "<c r=\"H2\" t=\"inlineStr\"><is><t>y</t></is></c>",
  };
  for (const char* e : expected) EXPECT_NE(s.find(e), std::string::npos) << e;
}

TEST(XlsxWriter, EscapingAndBrokenText) {
  TDocXLSXMinimal x;
  x.SheetName = "A&B";
  x.SetContent({{"a&b \"c\" <d> 'e'", "bad\xFF\xC0\x80 byte\x01"}});
  const std::string s = x.GetContentAsXML();
  EXPECT_NE(s.find("<t>a&amp;b &quot;c&quot; &lt;d&gt; &apos;e&apos;</t>"), std::string::npos);
  EXPECT_NE(s.find("<t>bad    byte </t>"), std::string::npos);
  EXPECT_NE(x.GetWorkbookAsXML().find("<sheet name=\"A&amp;B\""), std::string::npos);
  EXPECT_NE(x.GetAppPropertiesAsXML().find("<vt:lpstr>A&amp;B</vt:lpstr>"), std::string::npos);
}

TEST(XlsxWriter, LinksOnlyOnRequest) {
  const TStrArray2D table = {{"see <a href=\"files/my list.txt\">site</a> now", "<a href=\"x\">no close"}};
  TDocXLSXMinimal off;
  off.SetContent(table);
  const std::string plain = off.GetContentAsXML();
  EXPECT_NE(plain.find("<t>see &lt;a href=&quot;files/my list.txt&quot;&gt;site&lt;/a&gt; now</t>"), std::string::npos);
  EXPECT_TRUE(off.Links().empty());

  testsupport::TempDir dir;
  TDocXLSXMinimal on;
  on.CreateLinks = true;
  on.SetContent(table);
  const std::string s = on.GetContentAsXML();
  EXPECT_NE(s.find("<c r=\"A1\" t=\"inlineStr\"><is><t>see site now</t></is></c>"), std::string::npos);
  EXPECT_NE(s.find("<c r=\"B1\" t=\"inlineStr\"><is><t>&lt;a href=&quot;x&quot;&gt;no close</t></is></c>"),
            std::string::npos);
  EXPECT_NE(s.find("</sheetData><hyperlinks><hyperlink ref=\"A1\" r:id=\"rId1\"/></hyperlinks></worksheet>"),
            std::string::npos);
  EXPECT_EQ(on.GetSheetRelsAsXML(),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"rId1\" "
            "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/hyperlink\" "
            "Target=\"files/my%20list.txt\" TargetMode=\"External\"/></Relationships>");
  ASSERT_TRUE(on.SaveToFile(dir.file("l.xlsx")));
  const auto names = documentstest::ZipEntryNames(dir.file("l.xlsx"));
  ASSERT_FALSE(names.empty());
  EXPECT_EQ(names.back(), "xl/worksheets/_rels/sheet1.xml.rels");
}

TEST(XlsxWriter, FailedSaveLeavesTheOldFile) {
  testsupport::TempDir dir;
  testsupport::WriteFileBytes(dir.file("old.xlsx"), "old");
  TDocXLSXMinimal x;
  x.SetContent({{"a"}});
  EXPECT_FALSE(x.SaveToFile(dir.file("old.xlsx") + "/sub.xlsx"));
  EXPECT_EQ(testsupport::ReadFileBytes(dir.file("old.xlsx")), "old");
  ASSERT_TRUE(x.SaveToFile(dir.file("old.xlsx")));
  EXPECT_EQ(documentstest::ZipEntryNames(dir.file("old.xlsx")).size(), 7u);
}

// What spreadsheet programs and openpyxl read from an inline string is the
// text as written: a CR as a character reference (a literal one would be read
// as LF), blanks at the ends kept, and a text holding the escape form _xHHHH_
// cut into runs so that no reader decodes it.
TEST(XlsxWriter, InlineStringsKeepTheirText) {
  TDocXLSXMinimal x;
  x.SetContent(
      {{"c\rr"}, {" lead"}, {"trail\t"}, {"a_x000D_b"}, {"_x005F_x000d_"}, {"a_x00g0_b"}, {"=1+1"}, {"ctl\x01"}});
  const std::string s = x.GetContentAsXML();
  const char* const cells[] = {
      "<is><t>c&#13;r</t></is>",
      "<is><t xml:space=\"preserve\"> lead</t></is>",
      "<is><t xml:space=\"preserve\">trail\t</t></is>",
      "<is><r><t>a_x</t></r><r><t>000D_b</t></r></is>",
      "<is><r><t>_x</t></r><r><t>005F_x</t></r><r><t>000d_</t></r></is>",
      "<is><t>a_x00g0_b</t></is>",
      // Formula-like text stays text.
      "<c r=\"A7\" t=\"inlineStr\"><is><t>=1+1</t></is>",
      "<is><t>ctl </t></is>",
  };
  for (const char* cell : cells) EXPECT_NE(s.find(cell), std::string::npos) << cell;
}

TEST(XlsxWriter, NumbersBeyondADoubleAreText) {
  TDocXLSXMinimal x;
  x.SetContent({{"1e400", "5"}, {"12", "1e999 %"}});
  x.ColumnSpecifications().AddColumn(csDataNumber, csWidthDefault, csAlignDefault, 0);
  x.ColumnSpecifications().AddColumn(csDataPercentage, csWidthDefault, csAlignDefault, 0);
  const std::string s = x.GetContentAsXML();
  EXPECT_NE(s.find("<c r=\"A1\" t=\"inlineStr\"><is><t>1e400</t></is></c>"), std::string::npos);
  EXPECT_NE(s.find("<c r=\"B2\" t=\"inlineStr\"><is><t>1e999 %</t></is></c>"), std::string::npos);
  EXPECT_NE(s.find("<c r=\"A2\" t=\"n\"><v>12</v></c>"), std::string::npos);
}

TEST(XlsxWriter, SheetNameMadeValidInEveryPart) {
  TDocXLSXMinimal x;
  x.SheetName = "Counts [2024/05]";
  EXPECT_NE(x.GetWorkbookAsXML().find("<sheet name=\"Counts _2024_05_\""), std::string::npos);
  EXPECT_NE(x.GetAppPropertiesAsXML().find("<vt:lpstr>Counts _2024_05_</vt:lpstr>"), std::string::npos);
}

// The worksheet streamed into the package is the one GetContentAsXML gives,
// also for a table larger than one streamed piece and with ragged rows.
TEST(XlsxWriter, StreamedWorksheetFromTheCallersRows) {
  testsupport::TempDir dir;
  TStrArray2D rows;
  for (int i = 0; i < 40000; ++i) rows.push_back({"item " + std::to_string(i), std::to_string(i)});
  rows.push_back({"short"});
  TDocXLSXMinimal used;
  used.UseContent(rows);
  used.DynamicCellFormat = true;
  ASSERT_TRUE(used.SaveToFile(dir.file("used.xlsx")));
  TDocXLSXMinimal copied;
  copied.SetContent(rows);
  copied.DynamicCellFormat = true;
  const std::string sheet = copied.GetContentAsXML();
  EXPECT_GT(sheet.size(), size_t{1} << 20);
  EXPECT_EQ(documentstest::ZipEntryData(dir.file("used.xlsx"), "xl/worksheets/sheet1.xml"), sheet);
  EXPECT_NE(sheet.find("<c r=\"B40001\" t=\"inlineStr\"><is><t></t></is></c></row>"), std::string::npos);
}

}  // namespace
