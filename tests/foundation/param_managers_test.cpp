#include <gtest/gtest.h>

#include "foundation/param_managers.h"

namespace {
NumberFormat DecimalComma() { return NumberFormat{",", "."}; }
NumberFormat DecimalPoint() { return NumberFormat{".", ","}; }
}  // namespace

// The read/write resolution of detect and "keep" against the old file.
TEST(LineBreakManager, AutoKeepTable) {
  struct Case {
    uint32_t read, write, oldFile;
    uint32_t typeForWriting;
    std::string charsForWriting;
  } cases[] = {
      {lbkAutoDetect, lbkKeep, lbkUnknown, lbkUnknown, "\n"},  // nothing found yet: LF
      {lbkAutoDetect, lbkKeep, lbkCRLF, lbkCRLF, "\r\n"},      // detect + keep: the old file's break
      {lbkAutoDetect, lbkKeep, lbkCR, lbkCR, "\r"},
      {lbkCRLF, lbkKeep, lbkLF, lbkCRLF, "\r\n"},  // keep writes what reading names
      {lbkCR, lbkKeep, lbkCRLF, lbkCR, "\r"},
      {lbkKeep, lbkKeep, lbkCRLF, lbkCRLF, "\r\n"},  // both keep: the old file's break, type and characters
                                                     // alike
      {lbkKeep, lbkKeep, lbkUnknown, lbkUnknown, "\n"},
      {lbkAutoDetect, lbkAutoDetect, lbkCR, lbkCR, "\r"},  // writing detect resolves against the old file too
      {lbkKeep, lbkLF, lbkCRLF, lbkLF, "\n"},
      {lbkLF, lbkCRLF, lbkCR, lbkCRLF, "\r\n"},
      {lbkAutoDetect, lbkNoChar, lbkCRLF, lbkNoChar, ""},
      {lbkKeep, lbkLS, lbkLF, lbkLS, "\u2028"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.read) + "/" + std::to_string(c.write) + " old " + std::to_string(c.oldFile));
    TLineBreakManagerObj m(c.read, c.write);
    m.LineBreakOldFile = c.oldFile;
    EXPECT_EQ(m.GetLineBreakTypeForWriting(), c.typeForWriting);
    EXPECT_EQ(m.GetLineBreakCharsForWriting(), c.charsForWriting);
    EXPECT_EQ(m.GetLineBreakTypeForReading(), m.Read().GetLineBreakType(c.oldFile));
    m.FirstReadDone = true;
    EXPECT_EQ(m.GetLineBreakTypeForReading(), c.typeForWriting);
  }
}

TEST(LineBreakManager, CreationAndHolders) {
  TLineBreakManagerObj m(lbkAutoDetect, lbkKeep);
  EXPECT_TRUE(m.Read().AutoDetect());
  EXPECT_TRUE(m.Write().Keep());
  EXPECT_EQ(m.LineBreakOldFile, lbkUnknown);
  EXPECT_FALSE(m.FirstReadDone || m.LastResultExplode || m.LastResultImplode || m.HasStoredMixedLineBreaks);
  EXPECT_FALSE(m.ExplodeWithQuotes().Active);
  EXPECT_EQ(m.ExplodeWithQuotes().QuoteChar, "\"");
  EXPECT_EQ(m.StoredMixedLineBreaks().Count(), 0);
  m.StoredMixedLineBreaks().LineBreaks().push_back("\r\n");
  EXPECT_EQ(m.StoredMixedLineBreaks().GetCount(), 1);
  m.StoredMixedLineBreaks().Clear();
  EXPECT_EQ(m.StoredMixedLineBreaks().Count(), 0);

  m.Read().SetFromParamStr("customstrs-;,|");
  EXPECT_TRUE(m.LineBreakTypeForReadingIsArray());
  m.Read().SetFromParamStr("customcps-#3B");
  EXPECT_TRUE(m.LineBreakTypeForReadingIsArray());
  m.Read().SetFromParamStr("customcp-#3B");
  EXPECT_FALSE(m.LineBreakTypeForReadingIsArray());

  TStoredMixedCSVSeparatorsObj s;
  EXPECT_FALSE(s.HasSeparators());
  s.FieldSeparators().push_back({","});
  EXPECT_TRUE(s.GetHasSeparators());
  s.Clear();
  s.LineBreaks().push_back("\n");
  EXPECT_TRUE(s.HasSeparators());
}

TEST(LineBreakParamObj, ParamStrAndCustomValues) {
  TLineBreakParamObj p(lbkLF);
  p.SetFromParamStr("customstrs-;,|,\",\"");
  EXPECT_EQ(p.LineBreakType, lbkCustomStrs);
  EXPECT_EQ(p.CustomStrs, (TStrArray{";", "|", ","}));
  EXPECT_TRUE(p.CustomStrsAreChars);
  EXPECT_TRUE(p.CustomStrsChars.test(';') && p.CustomStrsChars.test('|') && p.CustomStrsChars.test(','));
  EXPECT_EQ(p.CustomStrsChars.count(), 3u);
  EXPECT_EQ(p.AsParamStr(), "customstrs-;,|,\",\"");

  p.SetFromParamStr("customstrs-;,ab");
  EXPECT_FALSE(p.CustomStrsAreChars);
  EXPECT_TRUE(p.CustomStrsChars.none());

  p.SetFromParamStr("customcps-U+0041,#42 #43");
  EXPECT_EQ(p.LineBreakType, lbkCustomCodePoints);
  EXPECT_EQ(p.CustomStrs, (TStrArray{"A", "BC"}));

  p.SetFromParamStr("not a word");  // changes nothing
  EXPECT_EQ(p.LineBreakType, lbkCustomCodePoints);
  EXPECT_EQ(p.ParamStr(), "customcps-U+0041,#42 #43");

  p.SetParamStr("customstr-<br>");
  EXPECT_EQ(p.CustomStr(), "<br>");
  EXPECT_TRUE(p.CustomStrs.empty());
  EXPECT_EQ(p.GetLineBreakCharacters(lbkLF), "<br>");

  p.SetFromParamStr("customcp-U+2028");
  EXPECT_EQ(p.GetLineBreakCharacters(lbkLF), "\u2028");

  p.SetFromParamStr("fixedlength-80");
  EXPECT_EQ(p.CustomInt(), 80);
  EXPECT_EQ(p.GetLineBreakCharacters(lbkLF), "");
  EXPECT_EQ(p.AsParamStr(), "fixedlength-80");

  TLineBreakParamObj unknown(lbkBinary);
  EXPECT_EQ(unknown.AsParamStr(), "");
  EXPECT_EQ(unknown.GetLineBreakType(lbkCR), lbkBinary);
  EXPECT_EQ(unknown.GetLineBreakCharacters(lbkCR), "\n");
  TLineBreakParamObj keep(lbkKeep);
  EXPECT_EQ(keep.GetLineBreakType(lbkCR), lbkCR);
  EXPECT_EQ(keep.GetLineBreakCharacters(lbkCRLF), "\r\n");
}

TEST(CSVParamSet, AutoKeepTable) {
  struct Case {
    uint32_t read, write;
    std::string oldChar;
    std::string chars;
    uint32_t typeForWriting;
  } cases[] = {
      {csvpAutoDetect, csvpKeep, "|", "|", csvpKeep},      // detect + keep: the old file's character
      {csvpSemicolon, csvpKeep, "|", ";", csvpSemicolon},  // keep writes what reading names
      {csvpKeep, csvpKeep, "|", "|", csvpKeep},
      {csvpAutoDetect, csvpComma, "|", ",", csvpComma},
      {csvpKeep, csvpTab, "|", "\t", csvpTab},
      {csvpAutoDetect, csvpAutoDetect, "|", "|", csvpAutoDetect},
      {csvpComma, csvpSystem, "|", ";", csvpSystem},  // system under a decimal comma
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.read) + "/" + std::to_string(c.write));
    TCSVParamSetObj s(c.read, c.write, csvFieldSeparator, DecimalComma());
    s.SetOldFileChar(c.oldChar);
    EXPECT_EQ(s.GetCharsForWriting(), c.chars);
    EXPECT_EQ(s.GetParamTypeForWriting(), c.typeForWriting);
    EXPECT_EQ(s.GetParamTypeForReading(), c.read);
    s.FirstReadDone = true;
    EXPECT_EQ(s.GetParamTypeForReading(), c.typeForWriting);
  }
}

TEST(CSVParamSet, DefaultsFollowTheGivenNumberFormat) {
  TCSVParamSetObj comma(csvpAutoDetect, csvpKeep, csvFieldSeparator, DecimalComma());
  EXPECT_EQ(comma.OldFileChar(), ";");
  EXPECT_EQ(comma.Read().OldFileChar(), ";");
  EXPECT_EQ(comma.GetCharsForWriting(), ";");
  TCSVParamSetObj point(csvpAutoDetect, csvpKeep, csvFieldSeparator, DecimalPoint());
  EXPECT_EQ(point.GetCharsForWriting(), ",");
  TCSVParamSetObj quote(csvpAutoDetect, csvpKeep, csvQuote, DecimalComma());
  EXPECT_EQ(quote.GetCharsForWriting(), "\"");
}

TEST(CSVParamSet, SetOldFileChar) {
  TCSVParamSetObj s(csvpAutoDetect, csvpKeep, csvFieldSeparator, DecimalPoint());
  s.SetOldFileChar(",");  // equal: nothing changes
  EXPECT_EQ(s.Read().OldFileChar(), ",");
  s.SetOldFileChar("\t");
  EXPECT_EQ(s.OldFileChar(), "\t");
  EXPECT_EQ(s.Read().OldFileChar(), "\t");
  EXPECT_EQ(s.Write().OldFileChar(), "\t");
}

TEST(CSVParamObj, FromCharAndParamStr) {
  TCSVParamObj p(csvpAutoDetect, csvFieldSeparator, "", 0, DecimalPoint());
  struct Case {
    const char* text;
    uint32_t type;
    std::string use;
  } cases[] = {{"%TAB%", csvpTab, "\t"}, {"ab", csvpCustomStr, "ab"}, {"", csvpNoChar, ""}, {";", csvpSemicolon, ";"}};
  for (const auto& c : cases) {
    p.CustomInt = 5;
    p.CustomStrs = {"x"};
    p.SetFromChar(c.text);
    EXPECT_EQ(p.ParamType(), c.type) << c.text;
    EXPECT_EQ(p.GetCharToUse(), c.use) << c.text;
    EXPECT_EQ(p.CustomInt, 0);
    EXPECT_TRUE(p.CustomStrs.empty());
  }
  p.SetFromParamStr("customcps-#3B,U+007C");
  EXPECT_EQ(p.ParamType(), csvpCustomCodePoints);
  EXPECT_EQ(p.CustomStrs, (TStrArray{";", "|"}));
  EXPECT_EQ(p.AsParamStr(), "customcps-#3B,U+007C");
  p.SetFromParamStr("customstrs-\"a,b\",c");
  EXPECT_EQ(p.CustomStrs, (TStrArray{"a,b", "c"}));
  EXPECT_EQ(p.GetCharToUse(), "\"a,b\",c");
  p.SetFromParamStr("customcp-U+00A7");
  EXPECT_EQ(p.GetCharToUse(), "\u00A7");
  p.SetFromParamStr("fixedlength-8");
  EXPECT_EQ(p.CustomInt, 8);
  EXPECT_EQ(p.GetCharToUse(), "");
  p.SetFromParamStr("unknown");
  EXPECT_EQ(p.ParamType(), csvpFixedLength);
  p.SetParamStr("system");
  EXPECT_EQ(p.GetCharToUse(), ",");
  EXPECT_TRUE(TCSVParamObj(csvpKeep, csvQuote).Keep());
  EXPECT_TRUE(TCSVParamObj(csvpAutoDetect, csvQuote).AutoDetect());
}
