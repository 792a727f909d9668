#include "documents/table_export.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "documents_test_support.h"
#include "foundation/text_files.h"
#include "test_support.h"

namespace {

const NumberFormat kPoint{".", ","};
const NumberFormat kComma{",", "."};

TEST(TableExport, EmptyHub) {
  testsupport::TempDir dir;
  TDocCSV hub(kPoint);
  EXPECT_EQ(hub.AsText(), "");
  EXPECT_EQ(hub.ColumnCount(), 0);
  EXPECT_EQ(hub.LineCount(), 0);
  ASSERT_TRUE(hub.SaveToFileCSV(dir.file("e.csv")));
  EXPECT_EQ(testsupport::ReadFileBytes(dir.file("e.csv")), "");
  hub.WriteBOM = true;
  ASSERT_TRUE(hub.SaveToFileCSV(dir.file("e.csv")));
  EXPECT_EQ(testsupport::ReadFileBytes(dir.file("e.csv")), "\xEF\xBB\xBF");
}

TEST(TableExport, AddTableKeepsTheTableRectangular) {
  TDocCSV hub(kPoint);
  hub.AddTable({{"a", "b"}, {"c", "d", "e"}});
  EXPECT_EQ(hub.Content(), (TStrArray2D{{"a", "b", ""}, {"c", "d", "e"}}));
  hub.AddTable({{"1"}});
  EXPECT_EQ(hub.Content().back(), (TStrArray{"1", "", ""}));
  hub.AddTable({{"1", "2", "3", "4", "5"}});
  for (const auto& row : hub.Content()) EXPECT_EQ(row.size(), 5u);
  EXPECT_EQ(hub.ColumnCount(), 5);
  EXPECT_EQ(hub.LineCount(), 4);
}

TEST(TableExport, ColumnAndLineCountSetters) {
  TDocCSV hub(kPoint);
  hub.SetColumnCount(4);
  EXPECT_EQ(hub.ColumnCount(), 0);
  hub.SetLineCount(2);
  EXPECT_EQ(hub.Content(), (TStrArray2D{{"", "", "", ""}, {"", "", "", ""}}));
  hub.SetColumnCount(1);
  hub.SetLineCount(1);
  EXPECT_EQ(hub.Content(), (TStrArray2D{{""}}));
}

TEST(TableExport, ShortenedDataSetsBothWays) {
  TDocCSV hub(kPoint);
  hub.ShortenedDataSetRead = true;
  hub.AddTable({{"a", "x"}, {"", "y"}, {"", ""}});
  EXPECT_EQ(hub.Content(), (TStrArray2D{{"a", "x"}, {"a", "y"}, {"a", "y"}}));
  EXPECT_EQ(hub.AsText(), "a,x\na,y\na,y");
  hub.ShortenedDataSetWrite = true;
  EXPECT_EQ(hub.AsText(), "a,x\n,y\n,");

  // Writing shortened touches only the CSV text: the other formats carry every cell.
  testsupport::TempDir dir;
  ASSERT_TRUE(hub.SaveToFileDIF(dir.file("t.dif")));
  const std::string dif = testsupport::ReadFileBytes(dir.file("t.dif"));
  EXPECT_NE(dif.find("BOT\n1,0\n\"a\"\n1,0\n\"y\"\n-1,0\nBOT\n1,0\n\"a\"\n1,0\n\"y\"\n-1,0\nEOD"), std::string::npos);
  ASSERT_TRUE(hub.SaveToFileXLSX(dir.file("t.xlsx")));
  const std::string sheet = documentstest::ZipEntryData(dir.file("t.xlsx"), "xl/worksheets/sheet1.xml");
  EXPECT_NE(sheet.find("<c r=\"A3\" t=\"inlineStr\"><is><t>a</t></is></c>"), std::string::npos);

  hub.ShortenDataSets(false);
  EXPECT_EQ(hub.Content(), (TStrArray2D{{"a", "x"}, {"", "y"}, {"", ""}}));
  hub.ShortenDataSets(true);
  EXPECT_EQ(hub.Content(), (TStrArray2D{{"a", "x"}, {"a", "y"}, {"a", "y"}}));
}

TEST(TableExport, QuotingSwitches) {
  TDocCSV hub(kPoint);
  EXPECT_TRUE(hub.QuoteOnlyIfNecessary());
  hub.SetQuoteOnlyIfNecessary(false);
  EXPECT_TRUE(hub.QuoteAllFields);
  EXPECT_FALSE(hub.QuoteOnlyIfNecessary());
  hub.SetQuoteOnlyIfNecessary(true);
  EXPECT_FALSE(hub.QuoteAllFields);

  hub.AddTable({{"a", "b"}, {"c, d", "e\"f"}, {"line\nbreak", ""}});
  EXPECT_EQ(hub.AsText(), "a,b\n\"c, d\",\"e\"\"f\"\n\"line\nbreak\",");
  hub.QuoteAllFields = true;
  EXPECT_EQ(hub.AsText(), "\"a\",\"b\"\n\"c, d\",\"e\"\"f\"\n\"line\nbreak\",\"\"");

  // Writing settings of the caller's choice.
  hub.QuoteAllFields = false;
  hub.SeparatorFields().Write().SetFromChar("|");
  hub.QuoteCharacter().Write().SetFromChar("'");
  EXPECT_EQ(hub.AsText(), "a|b\nc, d|e\"f\n'line\nbreak'|");
}

// A quote of more than one character cannot be read back (the field a"
// would end in three quotes), so the file is refused and an old one kept;
// one character of several bytes is a quote like any other.
TEST(TableExport, QuoteOfSeveralCharactersIsRefused) {
  testsupport::TempDir dir;
  const std::string file = dir.file("t.csv");
  testsupport::WriteFileBytes(file, "old");
  TDocCSV hub(kPoint);
  hub.AddTable({{"a\nb\"", "y"}});
  hub.QuoteCharacter().Write().SetFromChar("\"\"");
  SetLastFileWriteError(0);
  EXPECT_FALSE(hub.SaveToFileCSV(file));
  EXPECT_EQ(LastFileWriteError(), EINVAL);
  EXPECT_EQ(testsupport::ReadFileBytes(file), "old");
  EXPECT_FALSE(hub.SaveToFileCSV(dir.file("new.csv")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("new.csv")));

  hub.QuoteCharacter().Write().SetFromChar("\xC2\xAB");
  ASSERT_TRUE(hub.SaveToFileCSV(file));
  EXPECT_EQ(testsupport::ReadFileBytes(file),
            "\xC2\xAB"
            "a\nb\"\xC2\xAB,y");
}

TEST(TableExport, DefaultSeparatorFollowsTheGivenNumberFormat) {
  TDocCSV point(kPoint);
  point.AddTable({{"a", "b"}, {"c", "d"}});
  EXPECT_EQ(point.AsText(), "a,b\nc,d");
  TDocCSV comma(kComma);
  comma.AddTable({{"a", "1,5"}, {"c", "d"}});
  EXPECT_EQ(comma.AsText(), "a;1,5\nc;d");
}

TEST(TableExport, StoredMixedSeparators) {
  TDocCSV hub(kPoint);
  hub.AddTable({{"a", "b"}, {"c", "d"}, {"e", "f"}});
  hub.StoredMixedCSVSeparatorsObj().LineBreaks() = {"\r\n", "\n"};
  hub.StoredMixedCSVSeparatorsObj().FieldSeparators() = {{";"}, {"|"}};
  // Reading detects (not a list): the plain path with the writing characters.
  EXPECT_EQ(hub.AsText(), "a,b\nc,d\ne,f");

  hub.SeparatorLines().Read().SetFromParamStr("customstrs-%cr%%lf%|%lf%");
  hub.SeparatorFields().Read().SetFromParamStr("customstrs-;||");
  ASSERT_TRUE(hub.SeparatorLines().LineBreakTypeForReadingIsArray());
  ASSERT_TRUE(hub.SeparatorFields().ParamTypeForReadingIsArray());
  EXPECT_EQ(hub.AsText(), "a;b\r\nc|d\ne;f");
  hub.SeparatorFields().Read().SetFromParamStr("semicolon");
  EXPECT_EQ(hub.AsText(), "a;b\r\nc;d\ne;f");

  hub.Clear();
  EXPECT_FALSE(hub.StoredMixedCSVSeparatorsObj().HasSeparators());
  EXPECT_EQ(hub.LineCount(), 0);
}

TEST(TableExport, SavesEveryFormatAndKeepsTheTable) {
  testsupport::TempDir dir;
  TDocCSV hub(kPoint);
  hub.Encoding = 1252;
  hub.AddTable({{"\xC3\xA9t\xC3\xA9", "3", "50%"}, {"b", "1", "12,5 %"}});
  hub.SpreadSheetExportDynamicCellFormat = true;
  hub.SpreadSheetColumnSpecifications().AddColumn(csDataStr, csWidthDynamic, csAlignDefault, 0);
  hub.SpreadSheetColumnSpecifications().AddColumn(csDataNumber, csWidthDynamic, csAlignDefault, 0);
  hub.SpreadSheetColumnSpecifications().AddColumn(csDataPercentage, csWidthDynamic, csAlignDefault, 0);
  const TStrArray2D before = hub.Content();

  ASSERT_TRUE(hub.SaveToFileCSV(dir.file("t.csv")));
  EXPECT_EQ(testsupport::ReadFileBytes(dir.file("t.csv")), "\xE9t\xE9,3,50%\nb,1,\"12,5 %\"");
  ASSERT_TRUE(hub.SaveToFileDIF(dir.file("t.dif")));
  EXPECT_NE(testsupport::ReadFileBytes(dir.file("t.dif")).find("\"\xE9t\xE9\""), std::string::npos);
  ASSERT_TRUE(hub.SaveToFileXLSX(dir.file("t.xlsx")));
  const std::string sheet = documentstest::ZipEntryData(dir.file("t.xlsx"), "xl/worksheets/sheet1.xml");
  EXPECT_NE(sheet.find("<c r=\"C2\" t=\"n\" s=\"5\"><v>0.125</v></c>"), std::string::npos);
  EXPECT_NE(sheet.find("<col min=\"1\" max=\"1\" width=\"12\" customWidth=\"1\"/>"), std::string::npos);
  ASSERT_TRUE(hub.SaveToFileODS(dir.file("t.ods")));
  const std::string content = documentstest::ZipEntryData(dir.file("t.ods"), "content.xml");
  EXPECT_NE(content.find("office:value-type=\"percentage\" office:value=\"0.5\""), std::string::npos);
  EXPECT_NE(content.find("office:value-type=\"float\" office:value=\"3\""), std::string::npos);
  EXPECT_EQ(hub.Content(), before);

  // Failures are reported, and the file there stays as it was.
  EXPECT_FALSE(hub.SaveToFileCSV(dir.file("t.csv") + "/x.csv"));
  EXPECT_FALSE(hub.SaveToFileDIF(dir.file("t.csv") + "/x.dif"));
  EXPECT_FALSE(hub.SaveToFileXLSX(dir.file("t.csv") + "/x.xlsx"));
  EXPECT_FALSE(hub.SaveToFileODS(dir.file("t.csv") + "/x.ods"));
  EXPECT_EQ(testsupport::ReadFileBytes(dir.file("t.csv")), "\xE9t\xE9,3,50%\nb,1,\"12,5 %\"");
}

// The caller's rows written without a copy give the same files as the rows
// added, ragged rows and all, in every format; the hub copies them only when
// it changes its table.
TEST(TableExport, UsedTableGivesTheSameFilesAsAnAddedOne) {
  testsupport::TempDir dir;
  const TStrArray2D rows = {{"a", "1", "50%"}, {"b,c", "2"}, {}, {"d\"e", "3", "12,5 %", "extra"}, {"d\"e", "3"}};
  auto prepare = [](TDocCSV& hub) {
    hub.SpreadSheetExportDynamicCellFormat = true;
    hub.ShortenedDataSetWrite = true;
    hub.SpreadSheetColumnSpecifications().AddColumn(csDataStr, csWidthDynamic, csAlignDefault, 0);
    hub.SpreadSheetColumnSpecifications().AddColumn(csDataNumber, csWidthDynamic, csAlignDefault, 0);
    hub.SpreadSheetColumnSpecifications().AddColumn(csDataPercentage, csWidthDynamic, csAlignDefault, 0);
  };
  for (int32_t codePage : {65001, 1252}) {
    TDocCSV added(kPoint);
    prepare(added);
    added.Encoding = codePage;
    added.AddTable(rows);
    TDocCSV used(kPoint);
    prepare(used);
    used.Encoding = codePage;
    used.UseTable(rows);
    EXPECT_EQ(&used.Content(), &rows);
    EXPECT_EQ(used.ColumnCount(), 4);
    EXPECT_EQ(used.LineCount(), 5);
    EXPECT_EQ(used.AsText(), added.AsText());
    for (const char* ext : {"csv", "dif", "xlsx", "ods"}) {
      const std::string a = dir.file(std::string("added.") + ext), u = dir.file(std::string("used.") + ext);
      const std::string e = ext;
      ASSERT_TRUE(e == "csv"    ? added.SaveToFileCSV(a) && used.SaveToFileCSV(u)
                  : e == "dif"  ? added.SaveToFileDIF(a) && used.SaveToFileDIF(u)
                  : e == "xlsx" ? added.SaveToFileXLSX(a) && used.SaveToFileXLSX(u)
                                : added.SaveToFileODS(a) && used.SaveToFileODS(u));
      if (e == "xlsx" || e == "ods") {
        const auto addedEntries = documentstest::ReadZip(a), usedEntries = documentstest::ReadZip(u);
        ASSERT_EQ(addedEntries.size(), usedEntries.size()) << ext;
        for (size_t i = 0; i < addedEntries.size(); ++i)
          EXPECT_EQ(usedEntries[i].Data, addedEntries[i].Data) << ext << " " << addedEntries[i].Name;
      } else {
        EXPECT_EQ(testsupport::ReadFileBytes(u), testsupport::ReadFileBytes(a)) << ext << " " << codePage;
      }
    }
    // A change makes the table the hub's own, padded as AddTable pads.
    used.AddTable({{"f"}});
    EXPECT_NE(&used.Content(), &rows);
    added.AddTable({{"f"}});
    EXPECT_EQ(used.Content(), added.Content());
  }
  // Read as shortened data sets, the used rows are expanded in a copy.
  TDocCSV shortened(kPoint);
  shortened.ShortenedDataSetRead = true;
  const TStrArray2D sets = {{"a", "x"}, {"", "y"}};
  shortened.UseTable(sets);
  EXPECT_EQ(shortened.Content(), (TStrArray2D{{"a", "x"}, {"a", "y"}}));
  EXPECT_EQ(sets[1][0], "");
}

// A large table goes to the file piece by piece: the text is the one AsText gives.
TEST(TableExport, LargeCsvStreamsTheSameText) {
  testsupport::TempDir dir;
  TStrArray2D rows;
  for (int i = 0; i < 60000; ++i) rows.push_back({"syl" + std::to_string(i), std::to_string(i % 1000), "1,5 %"});
  TDocCSV hub(kPoint);
  hub.UseTable(rows);
  hub.WriteBOM = true;
  ASSERT_TRUE(hub.SaveToFileCSV(dir.file("big.csv")));
  const std::string text = hub.AsText();
  EXPECT_GT(text.size(), size_t{1} << 20);
  EXPECT_EQ(testsupport::ReadFileBytes(dir.file("big.csv")), "\xEF\xBB\xBF" + text);
}

}  // namespace
