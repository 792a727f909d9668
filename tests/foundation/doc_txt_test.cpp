#include <gtest/gtest.h>

#include "foundation/doc_txt.h"
#include "support/test_support.h"

namespace {
const TStrArray2D kSmall = {{"a", "bbb"}, {"cc", "d"}};
}

TEST(DocTXT, AlignmentsPadByColumnWidth) {
  struct Case {
    int32_t col0;
    const char* text;
  } cases[] = {
      {TDocTXT::taLeftJustify, "a   bbb\ncc  d  \n"},
      {TDocTXT::taRightJustify, " a  bbb\ncc  d  \n"},
      {TDocTXT::taCenter, "a   bbb\ncc  d  \n"},
  };
  for (const auto& c : cases) {
    TDocTXT doc;
    doc.SetColAlignment(0, c.col0);
    doc.AddTable(kSmall);
    EXPECT_EQ(doc.AsText, c.text) << c.col0;
  }
  TDocTXT doc;
  doc.SetColAlignment(0, TDocTXT::taCenter);
  doc.SetColAlignment(1, TDocTXT::taRightJustify);
  doc.AddTable({{"abcd", "xyz"}, {"a", "w"}, {"ab", ""}});
  EXPECT_EQ(doc.AsText, "abcd  xyz\n a      w\n ab      \n");
}

TEST(DocTXT, AlignmentValues) {
  TDocTXT doc;
  doc.SetColAlignment(3, 2);
  EXPECT_EQ(doc.ColumnAlignments.Items, (TIntArray{0, 0, 0, 2}));
  doc.SetColAlignment(3, 5);
  doc.SetColAlignment(1, -1);
  EXPECT_EQ(doc.GetColAlignment(3), 2);
  EXPECT_EQ(doc.GetColAlignment(1), 0);
  EXPECT_EQ(doc.GetColAlignment(7), 0);
  EXPECT_EQ(doc.GetColAlignment(-1), 0);
}

TEST(DocTXT, Dividers) {
  struct Case {
    TIntArray dividers;
    const char* text;
  } cases[] = {
      {{1}, "a   bbb\n=======\ncc  d  \n"},
      {{0}, "=======\na   bbb\ncc  d  \n"},
      {{0, 1}, "=======\na   bbb\n=======\ncc  d  \n"},
      {{2}, "a   bbb\ncc  d  \n"},
      {{-3}, "a   bbb\ncc  d  \n"},
  };
  for (const auto& c : cases) {
    TDocTXT doc;
    doc.SetDividers(c.dividers);
    doc.AddTable(kSmall);
    EXPECT_EQ(doc.AsText, c.text);
  }
}

TEST(DocTXT, DividerTextLongerThanOneCharacter) {
  struct Case {
    const char* divider;
    const char* line;
  } cases[] = {{"-=", "-=-=-=-"}, {"äöü", "äöüäöüä"}, {"", ""}, {"0123456789", "0123456"}};
  for (const auto& c : cases) {
    TDocTXT doc;
    doc.DividerChar = c.divider;
    doc.SetDividers({1});
    doc.AddTable(kSmall);
    EXPECT_EQ(doc.AsText, std::string("a   bbb\n") + c.line + "\ncc  d  \n") << c.divider;
  }
}

TEST(DocTXT, PadsByCharactersNotBytes) {
  TDocTXT doc;
  doc.AddTable({{"äöabc", "x"}, {"ab", "y"}, {"日本", "z"}});
  EXPECT_EQ(doc.AsText, "äöabc  x\nab     y\n日本     z\n");
  EXPECT_EQ(doc.ColumnWidths.Items, (TIntArray{5, 1}));
}

TEST(DocTXT, WidthsKeptAcrossTablesAndShortRows) {
  TDocTXT doc;
  doc.AddTable({{"wide cell", "b"}});
  doc.AddTable({{"x", "y", "third"}, {"z"}});
  EXPECT_EQ(doc.AsText, "wide cell  b\nx          y  third\nz        \n");
  EXPECT_EQ(doc.ColumnWidths.Items, (TIntArray{9, 1, 5}));
}

TEST(DocTXT, EmptyTable) {
  TDocTXT doc;
  doc.SetDividers({0});
  doc.AddTable({});
  EXPECT_EQ(doc.AsText, "");
  doc.AddTable({{}});
  EXPECT_EQ(doc.AsText, "\n\n");
}

TEST(ToolCheckDocTXT, LeftAlignedTableEqualsColumn) {
  const TStrArray2D table = {
      {"Word", "Count", "Percent"}, {"the", "1523", "4.21"},    {"a", "987", "2.73"},
      {"syllable", "3", "0.01"},    {"x", "123456789", "99.9"},
  };
  TDocTXT doc;
  doc.AddTable(table);
  std::string stripped;
  size_t pos = 0;
  while (pos < doc.AsText.size()) {
    size_t end = doc.AsText.find('\n', pos);
    std::string line = doc.AsText.substr(pos, end - pos);
    line.erase(line.find_last_not_of(' ') + 1);
    stripped += line + "\n";
    pos = end + 1;
  }

  std::string tsv;
  for (const auto& row : table) {
    for (size_t c = 0; c < row.size(); ++c) tsv += (c ? "\t" : "") + row[c];
    tsv += "\n";
  }
  testsupport::TempDir dir;
  testsupport::WriteFileBytes(dir.file("table.tsv"), tsv);
  auto r =
      testsupport::RunCommand("column -t -s \"$(printf '\\t')\" " + testsupport::ShellQuote(dir.file("table.tsv")));
  ASSERT_EQ(r.exitCode, 0);
  EXPECT_EQ(stripped, r.out);
}
