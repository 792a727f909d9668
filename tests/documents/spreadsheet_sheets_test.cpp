// Tables longer than a sheet: the rows go on on further sheets, each below a
// copy of the header rows, under names made from the title. A small sheet
// stands in for the 1,048,576 rows of the real one.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "documents/ods_writer.h"
#include "documents/xlsx_writer.h"
#include "documents_test_support.h"
#include "test_support.h"

namespace {

// Each sheet's name and rows, as a file holds them.
using TSheets = std::vector<std::pair<std::string, TStrArray2D>>;

std::vector<std::string> FirstGroups(const std::string& text, const std::string& pattern) {
  std::vector<std::string> found;
  const std::regex re(pattern);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator(); ++it)
    found.push_back((*it)[1].str());
  return found;
}

TStrArray2D RowsIn(const std::string& xml, const std::string& rowPattern, const std::string& cellPattern) {
  TStrArray2D rows;
  for (const std::string& row : FirstGroups(xml, rowPattern)) rows.push_back(FirstGroups(row, cellPattern));
  return rows;
}

TSheets XlsxSheets(TDocXLSXMinimal& x) {
  TSheets sheets;
  int32_t number = 0;
  for (const std::string& name : FirstGroups(x.GetWorkbookAsXML(), "<sheet name=\"([^\"]*)\""))
    sheets.emplace_back(name, RowsIn(x.GetContentAsXML(++number), "<row[^>]*>(.*?)</row>", "<t[^>]*>([^<]*)</t>"));
  return sheets;
}

TSheets OdsSheets(const TDocODSMinimal& o) {
  TSheets sheets;
  const std::string content = o.GetContentAsXML();
  const std::vector<std::string> names = FirstGroups(content, "<table:table table:name=\"([^\"]*)\">");
  const std::vector<std::string> bodies =
      FirstGroups(content, "<table:table table:name=\"[^\"]*\">(.*?)</table:table>");
  for (size_t i = 0; i < names.size() && i < bodies.size(); ++i)
    sheets.emplace_back(
        names[i], RowsIn(bodies[i], "<table:table-row>(.*?)</table:table-row>", "office:string-value=\"([^\"]*)\""));
  return sheets;
}

// Sheet names count in UTF-16 units.
size_t UTF16Units(const std::string& text) {
  size_t units = 0;
  for (unsigned char c : text) {
    if ((c & 0xC0) != 0x80) ++units;
    if (c >= 0xF0) ++units;
  }
  return units;
}

TEST(SpreadsheetSheets, RowsGoOnOnFurtherSheetsBelowTheHeader) {
  const struct {
    const char* Name;
    size_t Rows;
    int32_t Header;
    size_t PerSheet;
    std::vector<std::vector<int>> Sheets;  // table rows per sheet
  } kCases[] = {
      {"fits one sheet", 3, 1, 3, {{0, 1, 2}}},
      {"no header", 5, 0, 2, {{0, 1}, {2, 3}, {4}}},
      {"header on every sheet", 6, 1, 3, {{0, 1, 2}, {0, 3, 4}, {0, 5}}},
      {"two header rows", 7, 2, 4, {{0, 1, 2, 3}, {0, 1, 4, 5}, {0, 1, 6}}},
      {"a header as long as a sheet leaves one row of its own", 4, 3, 3, {{0, 1, 2}, {0, 1, 3}}},
      {"a sheet of one row has no header", 3, 1, 1, {{0}, {1}, {2}}},
      {"header rows only", 2, 2, 3, {{0, 1}}},
      {"empty table", 0, 1, 3, {{}}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.Name);
    TStrArray2D table;
    for (size_t r = 0; r < c.Rows; ++r) table.push_back({"r" + std::to_string(r), "c" + std::to_string(r)});
    TSheets expected;
    for (size_t s = 0; s < c.Sheets.size(); ++s) {
      TStrArray2D rows;
      for (int r : c.Sheets[s]) rows.push_back(table[static_cast<size_t>(r)]);
      expected.emplace_back(s == 0 ? "Sheet" : "Sheet (" + std::to_string(s + 1) + ")", rows);
    }
    EXPECT_EQ(SpreadsheetSheetCount(c.Rows, static_cast<size_t>(c.Header), c.PerSheet),
              static_cast<int32_t>(c.Sheets.size()));

    TDocXLSXMinimal x;
    TDocODSMinimal o;
    for (TDocBaseSpreadsheetMinimal* w : std::initializer_list<TDocBaseSpreadsheetMinimal*>{&x, &o}) {
      w->SetContent(table);
      w->HeaderRowCount = c.Header;
      w->RowsPerSheet = c.PerSheet;
      EXPECT_EQ(w->SheetCount(), static_cast<int32_t>(c.Sheets.size()));
    }
    EXPECT_EQ(XlsxSheets(x), expected);
    EXPECT_EQ(OdsSheets(o), expected);
  }
  // The real sheet: one row more than it holds takes a second one.
  EXPECT_EQ(SpreadsheetSheetCount(1048576), 1);
  EXPECT_EQ(SpreadsheetSheetCount(1048577), 2);
  EXPECT_EQ(SpreadsheetSheetCount(1048577, 1), 2);
  EXPECT_EQ(SpreadsheetSheetCount(2 * 1048575 + 1, 1), 2);
  EXPECT_EQ(SpreadsheetSheetCount(2 * 1048575 + 2, 1), 3);
}

TEST(SpreadsheetSheets, FurtherSheetsAreNamedAfterTheTitleWithinThirtyOneUnits) {
  const std::string a40(40, 'a');
  const std::string smile = "\xF0\x9F\x98\x80";  // two UTF-16 units
  const struct {
    std::string Title;
    int32_t Sheet;
    std::string Name;
  } kCases[] = {
      {"Sheet", 1, "Sheet"},
      {"Sheet", 2, "Sheet (2)"},
      {"Sheet", 12, "Sheet (12)"},
      {"Words & more", 3, "Words & more (3)"},
      {a40, 1, std::string(31, 'a')},
      {a40, 2, std::string(27, 'a') + " (2)"},
      {a40, 100, std::string(25, 'a') + " (100)"},
      {"a/b:c?", 2, "a_b_c_ (2)"},
      {"'quoted'", 2, "quoted (2)"},
      {"", 2, "Sheet (2)"},
      {std::string(29, 'x') + smile, 1, std::string(29, 'x') + smile},
      // A character of two units is not cut in half.
      {std::string(26, 'x') + smile + "yy", 2, std::string(26, 'x') + " (2)"},
      {std::string(25, 'x') + smile + "yy", 2, std::string(25, 'x') + smile + " (2)"},
      {"\xC3\xA4" + std::string(40, 'b'), 2, "\xC3\xA4" + std::string(26, 'b') + " (2)"},
      // A title that already ends in " (2)" keeps its name for the first sheet
      // and gives the second one of its own.
      {std::string(27, 'a') + " (2)", 1, std::string(27, 'a') + " (2)"},
      {std::string(27, 'a') + " (2)", 2, std::string(26, 'a') + " (2)"},
      {"T (2)", 2, "T (2) (2)"},
  };
  for (const auto& c : kCases) {
    TDocXLSXMinimal x;
    x.SheetName = c.Title;
    EXPECT_EQ(x.SheetNameForFile(c.Sheet), c.Name) << c.Title << " sheet " << c.Sheet;
  }
  // Whatever the title: every name is valid, within 31 units, and no two are
  // the same (spreadsheet programs compare them without case).
  for (const std::string& title : {a40, std::string(27, 'a') + " (2)", std::string(27, 'A') + " (1)",
                                   std::string(26, 'x') + smile + "yy", std::string("Sheet (10)"), std::string("x")}) {
    TDocODSMinimal o;
    o.SheetName = title;
    std::set<std::string> seen;
    for (int32_t sheet = 1; sheet <= 120; ++sheet) {
      const std::string name = o.SheetNameForFile(sheet);
      EXPECT_LE(UTF16Units(name), 31u) << name;
      EXPECT_EQ(ValidSheetName(name), name);
      std::string folded = name;
      for (char& ch : folded) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
      EXPECT_TRUE(seen.insert(folded).second) << title << ": " << name << " twice";
    }
  }
}

TEST(SpreadsheetSheets, XlsxPackageListsEverySheet) {
  testsupport::TempDir dir;
  TDocXLSXMinimal x;
  // A percentage column asks for the style part, which comes after the sheets.
  x.SetContent({{"Item", "Share"}, {"a", "50%"}, {"b", "25%"}, {"c", "<a href=\"x.html\">link</a>"}, {"d", "1%"}});
  x.ColumnSpecifications().AddColumn(csDataStr, csWidthDynamic, csAlignDefault, 0);
  x.ColumnSpecifications().AddColumn(csDataPercentage, csWidthDynamic, csAlignDefault, 0);
  x.CreateLinks = true;
  x.HeaderRowCount = 1;
  x.RowsPerSheet = 3;
  x.Zoom = 120;
  ASSERT_EQ(x.SheetCount(), 2);
  ASSERT_TRUE(x.SaveToFile(dir.file("t.xlsx")));
  EXPECT_EQ(documentstest::ZipEntryNames(dir.file("t.xlsx")),
            (std::vector<std::string>{"[Content_Types].xml", "_rels/.rels", "docProps/core.xml", "docProps/app.xml",
                                      "xl/_rels/workbook.xml.rels", "xl/workbook.xml", "xl/styles.xml",
                                      "xl/worksheets/sheet1.xml", "xl/worksheets/sheet2.xml",
                                      "xl/worksheets/_rels/sheet2.xml.rels"}));
  for (int32_t sheet = 1; sheet <= 2; ++sheet)
    EXPECT_EQ(documentstest::ZipEntryData(dir.file("t.xlsx"), "xl/worksheets/sheet" + std::to_string(sheet) + ".xml"),
              x.GetContentAsXML(sheet));
  const std::string types = x.GetContentTypesAsXML();
  EXPECT_NE(types.find("<Override PartName=\"/xl/worksheets/sheet1.xml\""), std::string::npos);
  EXPECT_NE(types.find("<Override PartName=\"/xl/worksheets/sheet2.xml\""), std::string::npos);
  const std::string rels = x.GetWorkbookRelsAsXML();
  EXPECT_NE(rels.find("<Relationship Id=\"rId2\" "
                      "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
                      "Target=\"worksheets/sheet2.xml\"/>"),
            std::string::npos);
  EXPECT_NE(rels.find("<Relationship Id=\"rId3\" "
                      "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
                      "Target=\"styles.xml\"/>"),
            std::string::npos);
  EXPECT_NE(x.GetWorkbookAsXML().find("<sheets><sheet name=\"Sheet\" sheetId=\"1\" r:id=\"rId1\" />"
                                      "<sheet name=\"Sheet (2)\" sheetId=\"2\" r:id=\"rId2\" /></sheets>"),
            std::string::npos);
  EXPECT_NE(x.GetAppPropertiesAsXML().find("<vt:vector size=\"2\" baseType=\"lpstr\"><vt:lpstr>Sheet</vt:lpstr>"
                                           "<vt:lpstr>Sheet (2)</vt:lpstr></vt:vector>"),
            std::string::npos);
  // Each sheet counts its rows from 1, below its own header row; only the
  // first is selected, and the link of row 4 lies in the second sheet's row 2.
  const std::string first = x.GetContentAsXML(1);
  EXPECT_NE(first.find("<sheetView tabSelected=\"1\" zoomScale=\"120\""), std::string::npos);
  EXPECT_TRUE(x.Links().empty());
  const std::string second = x.GetContentAsXML(2);
  EXPECT_NE(second.find("<sheetView zoomScale=\"120\""), std::string::npos);
  EXPECT_EQ(second.find("tabSelected"), std::string::npos);
  EXPECT_NE(second.find("<sheetData><row r=\"1\" spans=\"1:2\"><c r=\"A1\" t=\"inlineStr\"><is><t>Item</t></is></c>"),
            std::string::npos);
  EXPECT_NE(second.find("<row r=\"2\" spans=\"1:2\"><c r=\"A2\" t=\"inlineStr\"><is><t>c</t></is></c>"),
            std::string::npos);
  EXPECT_NE(second.find("<hyperlink ref=\"B2\" r:id=\"rId1\"/>"), std::string::npos);
  ASSERT_EQ(x.Links().size(), 1u);
  EXPECT_EQ(x.Links()[0].Str1, "B2");
  // Both sheets carry the widths of the whole column.
  const std::string cols =
      "<cols><col min=\"1\" max=\"1\" width=\"12\" customWidth=\"1\"/>"
      "<col min=\"2\" max=\"2\" width=\"12\" customWidth=\"1\"/></cols>";
  EXPECT_NE(first.find(cols), std::string::npos);
  EXPECT_NE(second.find(cols), std::string::npos);
}

TEST(SpreadsheetSheets, OdsContentAndSettingsHoldEverySheet) {
  TDocODSMinimal o;
  o.SetContent({{"Item", "Count"}, {"a", "1"}, {"b", "2"}, {"c", "3"}});
  o.ColumnSpecifications().AddColumn(csDataStr, csWidthDynamic, csAlignRight, 0);
  o.SheetName = "Count & more";
  o.HeaderRowCount = 1;
  o.RowsPerSheet = 2;
  o.FreezePositionVertical = 1;
  ASSERT_EQ(o.SheetCount(), 3);
  const std::string content = o.GetContentAsXML();
  // Every sheet has its columns with their widths and alignments.
  const std::string columns =
      "<table:table-column table:style-name=\"col1\" table:default-cell-style-name=\"cellalright\">"
      "</table:table-column><table:table-column table:style-name=\"col2\"></table:table-column>";
  for (const char* name : {"Count &amp; more", "Count &amp; more (2)", "Count &amp; more (3)"})
    EXPECT_NE(content.find(std::string("<table:table table:name=\"") + name + "\">" + columns), std::string::npos)
        << name;
  const std::string settings = o.GetSettingsXML();
  EXPECT_EQ(FirstGroups(settings, "<config:config-item-map-entry config:name=\"([^\"]*)\">"),
            (std::vector<std::string>{"Count &amp; more", "Count &amp; more (2)", "Count &amp; more (3)"}));
  // Each sheet keeps its header row in view.
  EXPECT_EQ(FirstGroups(settings, "config:name=\"VerticalSplitPosition\" config:type=\"int\">([0-9]+)<"),
            (std::vector<std::string>{"1", "1", "1"}));
  EXPECT_NE(settings.find("<config:config-item config:name=\"ActiveTable\" config:type=\"string\">Count &amp; more"
                          "</config:config-item>"),
            std::string::npos);
}

}  // namespace
