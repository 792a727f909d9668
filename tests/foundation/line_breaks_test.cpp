#include <gtest/gtest.h>

#include "foundation/line_breaks.h"

// The tests below name line-break kinds by their constants; these are the
// numbers that settings files store for them.
static_assert(lbkUnknown == 0 && lbkAutoDetect == 1 && lbkKeep == 2 && lbkSystem == 3 && lbkBinary == 4 &&
              lbkNoChar == 7 && lbkTab == 9 && lbkLF == 10 && lbkVT == 11 && lbkFF == 12 && lbkCR == 13 &&
              lbkNL == 21 && lbkNEL == 85 && lbkCustomStr == 110 && lbkCustomStrs == 111 && lbkCustomCodePoint == 120 &&
              lbkCustomCodePoints == 121 && lbkFixedLength == 130 && lbkCRLF == 1310 && lbkLS == 2028 && lbkPS == 2029);

TEST(LineBreaks, DetectionOrder) {
  // Each text holds its own break and every break later in the order.
  struct Case {
    std::string text;
    uint32_t kind;
  } cases[] = {
      {"a\r\nb\nc\rd\x15"
       "e\x0C"
       "f\u0085g\u2028h\u2029i\x0B",
       lbkCRLF},
      {"b\nc\rd\x15"
       "e\x0C"
       "f\u0085g\u2028h\u2029i\x0B",
       lbkLF},
      {"c\rd\x15"
       "e\x0C"
       "f\u0085g\u2028h\u2029i\x0B",
       lbkCR},
      {"d\x15"
       "e\x0C"
       "f\u0085g\u2028h\u2029i\x0B",
       lbkNL},
      {"e\x0C"
       "f\u0085g\u2028h\u2029i\x0B",
       lbkFF},
      {"f\u0085g\u2028h\u2029i\x0B", lbkNEL},
      {"g\u2028h\u2029i\x0B", lbkLS},
      {"h\u2029i\x0B", lbkPS},
      {"i\x0B", lbkVT},
      {"no break\there", lbkUnknown},
      {"", lbkUnknown},
      // Presence anywhere counts, not the first position.
      {"lone\nthen\r\n", lbkCRLF},
      {"\rfirst then\n", lbkLF},
  };
  for (const auto& c : cases) EXPECT_EQ(LineBreakTypeOfString(c.text), c.kind) << c.kind;
  EXPECT_EQ(GetNewLineCharFromStr("none"), "\n");
  EXPECT_EQ(GetNewLineCharFromStr("a\rb"), "\r");
  EXPECT_EQ(GetNewLineCharFromStr("a\u2029b"), "\u2029");
}

TEST(LineBreaks, CharactersAndNames) {
  struct Case {
    uint32_t kind;
    std::string chars;
    const char* longName;
    const char* shortName;
  } cases[] = {
      {lbkUnknown, "\n", "Unknown", "UNKOWN"},
      {lbkAutoDetect, "\n", "Auto Detect", "AUTO"},
      {lbkKeep, "\n", "Keep", "KEEP"},
      {lbkSystem, "\n", "System", "SYSTEM"},
      {lbkBinary, "\n", "BINARY", "BINARY"},
      {lbkNoChar, "", "No Linebreak Character", "NO LINEBREAK"},
      {lbkTab, "\t", "TAB - Horizontal Tab (U+0009)", "TAB - Horizontal Tab (U+0009)"},
      {lbkLF, "\n", "LF - Unix, Linux, macOS, Mac OS X, AmigaOS, BSD (U+000A)",
       "LF - Unix, Linux, macOS, Mac OS X, AmigaOS, BSD (U+000A)"},
      {lbkVT, "\x0B", "VT - Vertical Tab (U+000B)", "VT - Vertical Tab (U+000B)"},
      {lbkFF, "\x0C", "FF - Unicode Form Feed (U+000C)", "FF - Unicode Form Feed (U+000C)"},
      {lbkCR, "\r", "CR - Classic Mac OS, Apple II, Commodore (U+000D)",
       "CR - Classic Mac OS, Apple II, Commodore (U+000D)"},
      {lbkNL, "\x15", "NL - AIX OS, IBM Mainframe Systems, OS/390 (U+0015)",
       "NL - AIX OS, IBM Mainframe Systems, OS/390 (U+0015)"},
      {lbkNEL, "\xC2\x85", "NEL - Unicode New Line (U+0085)", "NEL - Unicode New Line (U+0085)"},
      {lbkCustomStr, "\n", "Unknown", "UNKOWN"},
      {lbkCustomStrs, "\n", "Unknown", "UNKOWN"},
      {lbkCustomCodePoint, "\n", "Unknown", "UNKOWN"},
      {lbkCustomCodePoints, "\n", "Unknown", "UNKOWN"},
      {lbkFixedLength, "", "Unknown", "UNKOWN"},
      {lbkCRLF, "\r\n", "CRLF - Windows, DOS, OS/2, CP/M, TOS (U+000D + U+000A)",
       "CRLF - Windows, DOS, OS/2, CP/M, TOS (U+000D + U+000A)"},
      {lbkLS, "\xE2\x80\xA8", "LS - Unicode Line Separator (U+2028)", "LS - Unicode Line Separator (U+2028)"},
      {lbkPS, "\xE2\x80\xA9", "PS - Unicode Paragraph Separator (U+2029)", "PS - Unicode Paragraph Separator (U+2029)"},
      {999, "\n", "Unknown", "UNKOWN"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LineBreakCharactersForLineBreakType(c.kind), c.chars) << c.kind;
    EXPECT_EQ(LineBreakToStr(c.kind, true), c.longName) << c.kind;
    EXPECT_EQ(LineBreakToStr(c.kind, false), c.shortName) << c.kind;
  }
  EXPECT_EQ(LineBreaksAvailable(false), (TIntArray{lbkLF, lbkCRLF, lbkCR}));
  EXPECT_EQ(LineBreaksAvailable(true), (TIntArray{lbkLF, lbkCRLF, lbkCR, lbkNL, lbkFF, lbkNEL, lbkLS, lbkPS, lbkVT}));
}

TEST(LineBreaks, StrToLineBreak) {
  struct Case {
    const char* word;
    uint32_t kind;
  } cases[] = {{"autodetect", lbkAutoDetect},
               {"AUTO", lbkAutoDetect},
               {" keep ", lbkKeep},
               {"system", lbkSystem},
               {"binary", lbkBinary},
               {"CRLF", lbkCRLF},
               {"lf", lbkLF},
               {"cr", lbkCR},
               {"nl", lbkNL},
               {"ff", lbkFF},
               {"nel", lbkNEL},
               {"ls", lbkLS},
               {"ps", lbkPS},
               {"vt", lbkVT},
               {"tab", lbkTab},
               {"nochar", lbkSystem},
               {"", lbkSystem},
               {"customstr-x", lbkSystem}};
  for (const auto& c : cases) EXPECT_EQ(StrToLineBreak(c.word), c.kind) << c.word;
}

TEST(LineBreaks, CountAndExplode) {
  const std::string crlf2 = "\r\n\r\n";
  EXPECT_EQ(LineBreakCount(crlf2, lbkCR), 2);
  EXPECT_EQ(LineBreakCount(crlf2, lbkLF), 2);
  EXPECT_EQ(LineBreakCount(crlf2, lbkCRLF), 2);
  EXPECT_EQ(LineBreakCount(crlf2, lbkNoChar), 0);
  EXPECT_EQ(LineBreakCount(crlf2, lbkFixedLength), 0);
  EXPECT_EQ(LineBreakCount("a\u2028b\u2028", lbkLS), 2);
  EXPECT_EQ(LineBreakCount("", lbkLF), 0);
  EXPECT_EQ(LineBreakCount("a\nb\n", lbkAutoDetect), 2);  // detect counts LF, its characters

  TStrArray arr{"kept"};
  ExplodeAtAllTypesOfLineBreaks(arr, "a\r\nb\r\nc");
  EXPECT_EQ(arr, (TStrArray{"kept", "a", "b", "c"}));
  arr.clear();
  ExplodeAtAllTypesOfLineBreaks(arr, "x\ry");
  EXPECT_EQ(arr, (TStrArray{"x", "y"}));
  arr.clear();
  ExplodeAtAllTypesOfLineBreaks(arr, "one line");
  EXPECT_EQ(arr, (TStrArray{"one line"}));
}

TEST(LineBreakParams, GetParamsOrderAndFlags) {
  TLineBreakParamArray all;
  LineBreakGetParams(all, true, true, true, true, true, true, true, true, true, true, true, true);
  std::vector<uint32_t> kinds;
  for (const auto& p : all) kinds.push_back(p.LineBreakType);
  EXPECT_EQ(kinds, (std::vector<uint32_t>{lbkAutoDetect, lbkKeep, lbkSystem, lbkLF, lbkCRLF, lbkCR, lbkNL, lbkFF,
                                          lbkNEL, lbkLS, lbkPS, lbkVT, lbkTab, lbkCustomStr, lbkCustomCodePoint,
                                          lbkCustomStrs, lbkCustomCodePoints, lbkFixedLength, lbkNoChar}));
  for (const auto& p : all) {
    EXPECT_EQ(p.NeedsValue, p.LineBreakType >= lbkCustomStr && p.LineBreakType <= lbkFixedLength) << p.LineBreakType;
    if (p.LineBreakType >= lbkLF && !p.NeedsValue) {
      EXPECT_EQ(p.Caption, LineBreakToStr(p.LineBreakType, true));
    }
  }
  EXPECT_EQ(all[0].Caption, "AUTO");
  EXPECT_EQ(all[12].Caption, "Tab");
  EXPECT_EQ(all[14].Caption, "Code Point(s)");
  EXPECT_EQ(all[16].Caption, "Code Points");
  EXPECT_EQ(all[17].Caption, "Fixed Line Length");
  EXPECT_EQ(all[18].Caption, "No Linebreak Character");
  EXPECT_EQ(all[13].ParamStr, "customstr-");

  TLineBreakParamArray some{{99, "stale", "", false}};
  LineBreakGetParams(some, false, true, false, false, false, false, false, false, false, false, false, true);
  ASSERT_EQ(some.size(), 2u);
  EXPECT_EQ(some[0].LineBreakType, lbkKeep);
  EXPECT_EQ(some[1].LineBreakType, lbkNoChar);
}

TEST(LineBreakParams, EveryOfferedChoiceRoundTrips) {
  TLineBreakParamArray all;
  LineBreakGetParams(all, true, true, true, true, true, true, true, true, true, true, true, true);
  for (const auto& p : all) {
    std::string value = p.LineBreakType == 130 ? "72" : p.NeedsValue ? "U+0041 U+00E9" : "";
    std::string word;
    ASSERT_TRUE(LineBreakParamStrDecode(p.LineBreakType, value, p.LineBreakType == lbkFixedLength ? 72 : 0, word));
    EXPECT_EQ(word, p.ParamStr + value);
    uint32_t kind = 0;
    std::string custom;
    int32_t number = -1;
    ASSERT_TRUE(LineBreakParamStrEncode(word, kind, custom, number)) << word;
    EXPECT_EQ(kind, p.LineBreakType);
    EXPECT_EQ(custom, p.LineBreakType == lbkFixedLength ? "" : value);
    EXPECT_EQ(number, p.LineBreakType == lbkFixedLength ? 72 : 0);
  }
}

TEST(LineBreakParams, EncodeEdges) {
  struct Case {
    std::string word;
    bool ok;
    uint32_t kind;
    std::string custom;
    int32_t number;
  } cases[] = {
      {"customstr-;;", true, lbkCustomStr, ";;", 0},
      {"CustomCP-U+2028", true, lbkCustomCodePoint, "U+2028", 0},
      {"customstrs-a,\"b,c\", d", true, lbkCustomStrs, "a,\"b,c\", d", 0},
      {"fixedlength-abc", true, lbkFixedLength, "", 0},
      {"fixedlength--5", true, lbkFixedLength, "", -5},
      {"  lf  ", true, lbkLF, "", 0},
      {"%TAB%", true, lbkTab, "", 0},
      {"nochar", true, lbkNoChar, "", 0},
      {"binary", false, lbkUnknown, "", 0},
      {"autodetect", false, lbkUnknown, "", 0},
      {"custom-x", false, lbkUnknown, "", 0},
      {" customstr-x", false, lbkUnknown, "", 0},
      {"", false, 0, "", 0},
  };
  for (const auto& c : cases) {
    uint32_t kind = 77;
    std::string custom = "stale";
    int32_t number = 77;
    EXPECT_EQ(LineBreakParamStrEncode(c.word, kind, custom, number), c.ok) << c.word;
    EXPECT_EQ(kind, c.kind) << c.word;
    EXPECT_EQ(custom, c.custom) << c.word;
    EXPECT_EQ(number, c.number) << c.word;
  }
  std::string word = "stale";
  EXPECT_FALSE(LineBreakParamStrDecode(lbkBinary, "", 0, word));
  EXPECT_EQ(word, "");
  EXPECT_FALSE(LineBreakParamStrDecode(lbkUnknown, "", 0, word));
  EXPECT_TRUE(LineBreakParamStrDecode(lbkFixedLength, "", -3, word));
  EXPECT_EQ(word, "fixedlength--3");
}
