#include "documents/dif_writer.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

TEST(DifWriter, ExampleTableByteExact) {
  TDocDIF dif;
  dif.SetContent({{"a", "b"}, {"c", "d"}});
  EXPECT_EQ(dif.AsText(),
            "TABLE\n0,1\n\"Sheet\"\nVECTORS\n0,2\n\"\"\nTUPLES\n0,2\n\"\"\nDATA\n0,0\n\"\"\n"
            "-1,0\nBOT\n1,0\n\"a\"\n1,0\n\"b\"\n"
            "-1,0\nBOT\n1,0\n\"c\"\n1,0\n\"d\"\n"
            "-1,0\nEOD");
}

TEST(DifWriter, EmptyTableAndPadding) {
  TDocDIF dif;
  EXPECT_EQ(dif.AsText(), "TABLE\n0,1\n\"Sheet\"\nVECTORS\n0,0\n\"\"\nTUPLES\n0,0\n\"\"\nDATA\n0,0\n\"\"\n-1,0\nEOD");
  dif.SetContent({{"x"}, {"y", "z"}});
  EXPECT_NE(dif.AsText().find("BOT\n1,0\n\"x\"\n1,0\n\"\"\n-1,0"), std::string::npos);
  EXPECT_NE(dif.AsText().find("VECTORS\n0,2\n"), std::string::npos);
}

TEST(DifWriter, QuotesDoubledAndLineBreaksBlanked) {
  TDocDIF dif;
  dif.SheetName = "My \"Sheet\"";
  dif.SetContent({{"a\"b", "x\r\ny\nz\rw"}});
  const std::string text = dif.AsText();
  EXPECT_NE(text.find("\n\"a\"\"b\"\n"), std::string::npos);
  EXPECT_NE(text.find("\n\"x y z w\"\n"), std::string::npos);
  EXPECT_NE(text.find("\n\"My \"\"Sheet\"\"\"\n"), std::string::npos);
  EXPECT_EQ(text.find('\r'), std::string::npos);
}

TEST(DifWriter, SavesInItsCodePage) {
  testsupport::TempDir dir;
  TDocDIF dif;
  dif.Encoding = 1252;
  dif.SetContent({{"\xC3\xA9t\xC3\xA9"}});
  ASSERT_TRUE(dif.SaveToFile(dir.file("t.dif")));
  const std::string bytes = testsupport::ReadFileBytes(dir.file("t.dif"));
  EXPECT_NE(bytes.find("\"\xE9t\xE9\""), std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 3), "EOD");
  // A path below a file cannot be created.
  EXPECT_FALSE(dif.SaveToFile(dir.file("t.dif") + "/x.dif"));
}

}  // namespace
