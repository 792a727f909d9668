#include "documents/csv_writer.h"

#include <gtest/gtest.h>

namespace {

struct PlainCase {
  const char* name;
  TStrArray2D table;
  std::string lines, fields, quote;
  bool quoteAll;
  bool shorten;
  std::string expected;
};

TEST(CsvWriter, FixedSeparators) {
  const PlainCase cases[] = {
      {"no rows", {}, "\n", ",", "\"", false, false, ""},
      {"no rows, all quoted", {}, "\n", ",", "\"", true, false, ""},
      {"one row, no trailing break", {{"a", "b"}}, "\n", ",", "\"", false, false, "a,b"},
      {"empty row inside", {{"a"}, {}, {"b"}}, "\n", ",", "\"", false, false, "a\n\nb"},
      {"empty row last", {{"a"}, {}}, "\n", ",", "\"", false, false, "a\n\n"},
      // An empty only field is quoted, or readers lose the row (pandas) or the
      // last one (every reader); without a quote character it stays an empty line.
      {"one column, empty items", {{"a"}, {""}, {"b"}, {""}}, "\n", ",", "\"", false, false, "a\n\"\"\nb\n\"\""},
      {"one column, no quote character", {{"a"}, {""}, {"b"}}, "\n", ",", "", false, false, "a\n\nb"},
      {"one column, shortened", {{"x"}, {"x"}}, "\n", ",", "'", false, true, "x\n''"},
      {"two empty fields stay bare", {{"", ""}}, "\n", ",", "\"", false, false, ","},
      {"quote doubled", {{"a\"b"}}, "\n", ",", "\"", false, false, "\"a\"\"b\""},
      {"separator quoted", {{"a,b", "c"}}, "\n", ",", "\"", false, false, "\"a,b\",c"},
      {"all quoted, empty field", {{"a", ""}}, "\n", ",", "\"", true, false, "\"a\",\"\""},
      {"empty quote never quotes", {{"a,b", "x\"y"}}, "\n", ",", "", true, false, "a,b,x\"y"},
      {"multi-character separator only as a whole", {{"a;b", "c; d"}}, "\n", "; ", "\"", false, false, "a;b; \"c; d\""},
      {"multi-character quote", {{"a''b"}}, "\n", ",", "''", false, false, "''a''''b''"},
      {"shortened against the unshortened cell above",
       {{"x", "1"}, {"x", "2"}, {"y", "2"}},
       "\n",
       ",",
       "\"",
       false,
       true,
       "x,1\n,2\ny,"},
      {"shortened, all quoted", {{"x"}, {"x"}}, "\n", ",", "\"", true, true, "\"x\"\n\"\""},
      {"shortened, row above shorter", {{"x"}, {"x", "y"}}, "\n", ",", "\"", false, true, "x\n,y"},
      // Line breaks inside a field are quoted whatever the line separator is.
      {"LF under CR LF", {{"a\nb", "c"}}, "\r\n", ",", "\"", false, false, "\"a\nb\",c"},
      {"CR under LF", {{"a\rb"}}, "\n", ";", "\"", false, false, "\"a\rb\""},
      {"tab separator", {{"a b", "c\td"}}, "\r\n", "\t", "\"", false, false, "a b\t\"c\td\""},
      // A field ending with the start of a longer separator or beginning with
      // its end would let a reader find the separator across the field's edge.
      {"ends with part of a long separator", {{"a|", "b"}}, "\n", "||", "\"", false, false, "\"a|\"||b"},
      {"starts with part of a long separator", {{"a", "|b"}}, "\n", "||", "\"", false, false, "a||\"|b\""},
      {"part of a long separator inside", {{"a|b", "c"}}, "\n", "||", "\"", false, false, "a|b||c"},
      {"start and end of a long line separator",
       {{"x#", "y"}, {"*z"}},
       "#*",
       ",",
       "\"",
       false,
       false,
       "\"x#\",y#*\"*z\""},
  };
  for (const auto& c : cases) {
    TQuoteObj q(c.lines, c.fields, c.quote, c.quoteAll);
    q.ShortenDataSets = c.shorten;
    EXPECT_EQ(q.StrArray2DToStr(c.table), c.expected) << c.name;
  }
}

TEST(CsvWriter, LineBreaksPerRow) {
  TQuoteObj q("\n", ",", "\"", false);
  const TStrArray2D three = {{"a", "b"}, {"c", "d"}, {"e", "f"}};
  EXPECT_EQ(q.StrArray2DToStr(three, TStrArray{"\r\n", "\n"}), "a,b\r\nc,d\ne,f");
  const TStrArray2D four = {{"a"}, {"b"}, {"c"}, {"d"}};
  EXPECT_EQ(q.StrArray2DToStr(four, TStrArray{"\r\n", "\n"}), "a\r\nb\nc\r\nd");
  // An empty row takes the next line break too.
  EXPECT_EQ(q.StrArray2DToStr({{"a"}, {}, {"b"}}, TStrArray{"\r\n", "\n"}), "a\r\n\nb");
  // Every stored break is a separator a field must be quoted for.
  EXPECT_EQ(q.StrArray2DToStr({{"x\r"}, {"y"}}, TStrArray{"\r", "|"}), "\"x\r\"\ry");
  EXPECT_EQ(q.StrArray2DToStr({{"x|"}, {"y"}}, TStrArray{"\r", "|"}), "\"x|\"\ry");
  EXPECT_EQ(q.MultiSeparators(), (TStrArray{"\r", "|", ","}));
}

TEST(CsvWriter, SingleLineBreakFallsBackAndStays) {
  TQuoteObj q("\n", ",", "\"", false);
  EXPECT_EQ(q.StrArray2DToStr({{"a"}, {"b"}}, TStrArray{"\r\n"}), "a\r\nb");
  EXPECT_EQ(q.SeparatorLines, "\r\n");
  EXPECT_EQ(q.StrArray2DToStr({{"a"}, {"b"}}, TStrArray{}), "ab");
  EXPECT_EQ(q.SeparatorLines, "");
}

TEST(CsvWriter, FieldSeparatorsPerRow) {
  TQuoteObj q("\n", ",", "\"", false);
  // One separator fewer than cells in every stored row: each row uses its own.
  const TStrArray2D table = {{"a", "b", "c"}, {"d", "e", "f"}};
  EXPECT_EQ(q.StrArray2DToStr(table, TStrArray2D{{";", ","}, {"|", "\t"}}), "a;b,c\nd|e\tf");
  // The position carries over from row to row and restarts at the end of a stored row.
  EXPECT_EQ(q.StrArray2DToStr({{"a", "b"}, {"c", "d"}}, TStrArray2D{{";", ","}, {"|", "!"}}), "a;b\nc!d");
  // More table rows than stored rows: the stored rows repeat.
  EXPECT_EQ(q.StrArray2DToStr({{"a", "b"}, {"c", "d"}, {"e", "f"}}, TStrArray2D{{";"}, {"|"}}), "a;b\nc|d\ne;f");
  // A stored row without entries joins with nothing.
  EXPECT_EQ(q.StrArray2DToStr({{"a", "b"}, {"c", "d"}}, TStrArray2D{{";"}, {}}), "a;b\ncd");
  // Any stored separator in a field quotes it.
  EXPECT_EQ(q.StrArray2DToStr({{"a|", "b"}}, TStrArray2D{{";"}, {"|"}}), "\"a|\";b");
  // Unusable lists fall back to the fixed overload without a field separator.
  EXPECT_EQ(q.StrArray2DToStr({{"a", "b"}}, TStrArray2D{{}, {";"}}), "ab");
  EXPECT_EQ(q.SeparatorFields, "");
}

TEST(CsvWriter, BothListsPerRow) {
  TQuoteObj q("\n", ",", "\"", false);
  const TStrArray2D table = {{"a", "b"}, {"c", "d"}, {}, {"e", "f"}};
  EXPECT_EQ(q.StrArray2DToStr(table, TStrArray{"\r\n", "\n"}, TStrArray2D{{";"}, {"|"}, {}, {"\t"}}),
            "a;b\r\nc|d\n\r\ne\tf");
  EXPECT_EQ(q.MultiSeparators(), (TStrArray{";", "|", "\t", "\r\n", "\n"}));

  TQuoteObj single("\n", ",", "\"", false);
  EXPECT_EQ(single.StrArray2DToStr({{"a", "b"}, {"c", "d"}}, TStrArray{"\r"}, TStrArray2D{{";"}}), "a;b\rc;d");
  TQuoteObj none("\n", ",", "\"", false);
  EXPECT_EQ(none.StrArray2DToStr({{"a", "b"}, {"c", "d"}}, TStrArray{"\r"}, TStrArray2D{}), "ab\rcd");
  TQuoteObj lines("\n", ",", "\"", false);
  EXPECT_EQ(lines.StrArray2DToStr({{"a", "b"}, {"c"}}, TStrArray{"\r", "\n"}, TStrArray2D{}), "ab\rc");
  // Empty tables stay empty in every overload.
  EXPECT_EQ(lines.StrArray2DToStr({}, TStrArray{"\r", "\n"}, TStrArray2D{{";"}}), "");
  EXPECT_EQ(lines.StrArray2DToStr({}, TStrArray{"\r", "\n"}), "");
  EXPECT_EQ(lines.StrArray2DToStr({}, TStrArray2D{{";"}}), "");
}

TEST(CsvWriter, ShortenedInListModes) {
  TQuoteObj q("\n", ",", "\"", false);
  q.ShortenDataSets = true;
  EXPECT_EQ(q.StrArray2DToStr({{"x", "1"}, {"x", "2"}}, TStrArray{"\r\n", "\n"}), "x,1\r\n,2");
}

}  // namespace
