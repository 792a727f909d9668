#include "documents/spreadsheet_base.h"

#include <gtest/gtest.h>

namespace {

TEST(SpreadsheetBase, AddContentPadsEveryRow) {
  TDocBaseSpreadsheetMinimal doc;
  doc.SetContent({{"a"}, {"b", "c", "d"}});
  EXPECT_EQ(doc.Content(), (TStrArray2D{{"a", "", ""}, {"b", "c", "d"}}));
  doc.AddContent({{"1", "2", "3", "4"}});
  EXPECT_EQ(doc.Content(), (TStrArray2D{{"a", "", "", ""}, {"b", "c", "d", ""}, {"1", "2", "3", "4"}}));
  doc.SetContent(TStrArray2D{{"x"}, {}});
  EXPECT_EQ(doc.Content(), (TStrArray2D{{"x"}, {""}}));
}

TEST(SpreadsheetBase, PerColumnArrays) {
  TDocBaseSpreadsheetMinimal doc;
  TCSDataTypeArr types;
  TCSAlignmentArr aligns;
  doc.GetDataTypeArrForColumns(types);
  doc.GetAlignmentArrForColumns(aligns);
  EXPECT_TRUE(types.empty());
  EXPECT_TRUE(aligns.empty());

  doc.SetContent({{"1", "2", "3", "4", "5"}});
  doc.ColumnSpecifications().AddColumn(csDataNumber, csWidthDefault, csAlignRight, 0);
  doc.ColumnSpecifications().AddColumn(csDataDefault, csWidthDefault, csAlignDefault, 0);
  doc.ColumnSpecifications().AddColumn(csDataPercentage, csWidthDefault, csAlignCenter, 0);
  doc.GetDataTypeArrForColumns(types);
  doc.GetAlignmentArrForColumns(aligns);
  EXPECT_EQ(types, (TCSDataTypeArr{csDataNumber, csDataDefault, csDataPercentage, csDataDefault, csDataDefault}));
  EXPECT_EQ(aligns, (TCSAlignmentArr{csAlignRight, csAlignDefault, csAlignCenter, csAlignDefault, csAlignDefault}));

  // A record of the default type does not cancel the dynamic format.
  doc.DynamicCellFormat = true;
  doc.GetDataTypeArrForColumns(types);
  EXPECT_EQ(types, (TCSDataTypeArr{csDataNumber, csDataDynamic, csDataPercentage, csDataDynamic, csDataDynamic}));

  // Records beyond the table's columns are ignored.
  for (int i = 0; i < 4; ++i) doc.ColumnSpecifications().AddColumn(csDataBoolean, csWidthDefault, csAlignLeft, 0);
  doc.GetDataTypeArrForColumns(types);
  doc.GetAlignmentArrForColumns(aligns);
  EXPECT_EQ(types.size(), 5u);
  EXPECT_EQ(types[4], csDataBoolean);
  EXPECT_EQ(aligns[4], csAlignLeft);
}

TEST(SpreadsheetBase, ColumnSpecificationQueries) {
  TColumnSpecificationObj spec;
  EXPECT_FALSE(spec.RequiresStylesMS());
  EXPECT_EQ(spec.AddColumn(csDataStr, csWidthFixed, csAlignDefault, 3.5), 0);
  EXPECT_EQ(spec.AddColumn(csDataNumber, csWidthDynamic, csAlignDefault, 0), 1);
  spec.AddColumn(csDataDynamic, csWidthDefault, csAlignDefault, 0);
  spec.AddColumn(csDataBoolean, csWidthDefault, csAlignDefault, 0);
  spec.AddColumn(csDataFormula, csWidthDefault, csAlignDefault, 0);
  EXPECT_FALSE(spec.RequiresStylesMS());
  EXPECT_TRUE(spec.ContainsColumnsWidthSpecifications());
  EXPECT_FALSE(spec.ContainsColumnsAlignmentSpecifications());

  TCSWidthType type = csWidthDynamic;
  double width = 9;
  EXPECT_TRUE(spec.GetColWidth(0, type, width));
  EXPECT_EQ(type, csWidthFixed);
  EXPECT_EQ(width, 3.5);
  EXPECT_FALSE(spec.GetColWidth(spec.Count(), type, width));
  EXPECT_EQ(type, csWidthDefault);
  EXPECT_EQ(width, 0.0);
  EXPECT_EQ(spec.GetColAlignment(spec.Count(), csAlignCenter), csAlignCenter);

  TColumnSpecificationObj copy;
  copy.Apply(spec);
  spec.AddColumn(csDataDate, csWidthDefault, csAlignDefault, 0);
  EXPECT_TRUE(spec.RequiresStylesMS());
  EXPECT_EQ(copy.Count(), 5);
  EXPECT_FALSE(copy.RequiresStylesMS());
  TColumnSpecificationObj aligned;
  aligned.AddColumn(csDataStr, csWidthDefault, csAlignJustify, 0);
  EXPECT_TRUE(aligned.RequiresStylesMS());
  EXPECT_TRUE(aligned.ContainsColumnsAlignmentSpecifications());
}

TEST(SpreadsheetBase, PercentageTexts) {
  struct Case {
    const char* text;
    bool ok;
    const char* number;
  } cases[] = {
      {"%", false, ""},       {"abc %", false, ""}, {"", false, ""},
      {" 5 %", true, "0.05"}, {"1,5", true, "1.5"}, {"12,5 %", true, "0.125"},
      {"50%", true, "0.5"},   {"7", true, "7"},     {"\t12.5%\r\n", true, "0.125"},
      {"1e999%", false, ""},  {"nan", false, ""},   {"-3%", true, "-0.03"},
  };
  for (const auto& c : cases) {
    std::string number = "old";
    EXPECT_EQ(TDocBaseSpreadsheetMinimal::GetCellValuePercentage(c.text, number), c.ok) << c.text;
    EXPECT_EQ(number, c.number) << c.text;
  }
}

TEST(SpreadsheetBase, NumberTextsAndLinks) {
  for (const char* yes : {"0", "-12", "+3.5", "1e5", "2.5E-3", " 7 ", ".5", "5."})
    EXPECT_TRUE(IsSpreadsheetNumber(yes)) << yes;
  for (const char* no : {"", "abc", "1,5", "1e", "--1", ".", "0x10", "inf", "1 2"})
    EXPECT_FALSE(IsSpreadsheetNumber(no)) << no;
  // Beyond the range of a double a reader would refuse the file or read infinity.
  for (const std::string& outOfRange : std::vector<std::string>{"1e400", "-1e400", " +1e309 ", std::string(400, '9')})
    EXPECT_FALSE(IsSpreadsheetNumber(outOfRange)) << outOfRange;
  EXPECT_TRUE(IsSpreadsheetNumber("1.7e308"));

  TCellLink link;
  ASSERT_TRUE(SplitCellLink("see <a href=\"files/my list.txt\">site</a> now", link));
  EXPECT_EQ(link.Before, "see ");
  EXPECT_EQ(link.Target, "files/my list.txt");
  EXPECT_EQ(link.LinkText, "site");
  EXPECT_EQ(link.After, " now");
  EXPECT_FALSE(SplitCellLink("<a href=\"x\">no close", link));
  EXPECT_FALSE(SplitCellLink("\"> first <a href=\"x</a>", link));
  EXPECT_TRUE(HasLinkMarkers("\"> first <a href=\"x</a>"));
}

// The name spreadsheet programs accept and open the file under: forbidden
// characters replaced, cut to 31 UTF-16 units, apostrophes at the ends dropped.
TEST(SpreadsheetBase, ValidSheetNames) {
  const struct {
    std::string name;
    std::string valid;
  } cases[] = {
      {"Sheet", "Sheet"},
      {"a[b]c:d*e?f/g\\h", "a_b_c_d_e_f_g_h"},
      {"tab\tlf\ncr\rx\x01", "tab_lf_cr_x_"},
      {"", "Sheet"},
      {"'quoted'", "quoted"},
      {"it's", "it's"},
      {"''", "Sheet"},
      {std::string(40, 'x'), std::string(31, 'x')},
      // 30 letters and a character of two UTF-16 units: it does not fit.
      {std::string(30, 'x') + "\xF0\x9F\x98\x80", std::string(30, 'x')},
      {std::string(29, 'x') + "\xF0\x9F\x98\x80y", std::string(29, 'x') + "\xF0\x9F\x98\x80"},
      // Cut first, so that an apostrophe at the new end goes as well.
      {std::string(30, 'x') + "'z", std::string(30, 'x')},
      {"\xC3\xA4\xC3\xB6", "\xC3\xA4\xC3\xB6"},
  };
  for (const auto& c : cases) EXPECT_EQ(ValidSheetName(c.name), c.valid) << c.name;
}

// A writer given the caller's rows writes what SetContent would have padded,
// and copies them only when rows are added.
TEST(SpreadsheetBase, UsedContentCountsAsPadded) {
  const TStrArray2D rows = {{"a"}, {"b", "c", "d"}, {}};
  TDocBaseSpreadsheetMinimal doc;
  doc.UseContent(rows);
  EXPECT_EQ(&doc.Content(), &rows);
  TCSDataTypeArr types;
  doc.GetDataTypeArrForColumns(types);
  EXPECT_EQ(types.size(), 3u);
  doc.AddContent({{"x"}});
  EXPECT_NE(&doc.Content(), &rows);
  EXPECT_EQ(doc.Content(), (TStrArray2D{{"a", "", ""}, {"b", "c", "d"}, {"", "", ""}, {"x", "", ""}}));
  EXPECT_EQ(rows.size(), 3u);
}

}  // namespace
