#include <gtest/gtest.h>

#include "foundation/line_breaks.h"

TEST(LineBreaks, DetectionOrder) {
  // Each text holds its own break and every break later in the order.
  struct Case {
    std::string text;
    uint32_t kind;
  } cases[] = {
      {"a\r\nb\nc\rd\x15"
       "e\x0C"
       "f\u0085g\u2028h\u2029i\x0B",
       1310},
      {"b\nc\rd\x15"
       "e\x0C"
       "f\u0085g\u2028h\u2029i\x0B",
       10},
      {"c\rd\x15"
       "e\x0C"
       "f\u0085g\u2028h\u2029i\x0B",
       13},
      {"d\x15"
       "e\x0C"
       "f\u0085g\u2028h\u2029i\x0B",
       21},
      {"e\x0C"
       "f\u0085g\u2028h\u2029i\x0B",
       12},
      {"f\u0085g\u2028h\u2029i\x0B", 85},
      {"g\u2028h\u2029i\x0B", 2028},
      {"h\u2029i\x0B", 2029},
      {"i\x0B", 11},
      {"no break\there", 0},
      {"", 0},
      // Presence anywhere counts, not the first position.
      {"lone\nthen\r\n", 1310},
      {"\rfirst then\n", 10},
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
      {0, "\n", "Unknown", "UNKOWN"},
      {1, "\n", "Auto Detect", "AUTO"},
      {2, "\n", "Keep", "KEEP"},
      {3, "\n", "System", "SYSTEM"},
      {4, "\n", "BINARY", "BINARY"},
      {7, "", "No Linebreak Character", "NO LINEBREAK"},
      {9, "\t", "TAB - Horizontal Tab (U+0009)", "TAB - Horizontal Tab (U+0009)"},
      {10, "\n", "LF - Unix, Linux, macOS, Mac OS X, AmigaOS, BSD (U+000A)",
       "LF - Unix, Linux, macOS, Mac OS X, AmigaOS, BSD (U+000A)"},
      {11, "\x0B", "VT - Vertical Tab (U+000B)", "VT - Vertical Tab (U+000B)"},
      {12, "\x0C", "FF - Unicode Form Feed (U+000C)", "FF - Unicode Form Feed (U+000C)"},
      {13, "\r", "CR - Classic Mac OS, Apple II, Commodore (U+000D)",
       "CR - Classic Mac OS, Apple II, Commodore (U+000D)"},
      {21, "\x15", "NL - AIX OS, IBM Mainframe Systems, OS/390 (U+0015)",
       "NL - AIX OS, IBM Mainframe Systems, OS/390 (U+0015)"},
      {85, "\xC2\x85", "NEL - Unicode New Line (U+0085)", "NEL - Unicode New Line (U+0085)"},
      {110, "\n", "Unknown", "UNKOWN"},
      {111, "\n", "Unknown", "UNKOWN"},
      {120, "\n", "Unknown", "UNKOWN"},
      {121, "\n", "Unknown", "UNKOWN"},
      {130, "", "Unknown", "UNKOWN"},
      {1310, "\r\n", "CRLF - Windows, DOS, OS/2, CP/M, TOS (U+000D + U+000A)",
       "CRLF - Windows, DOS, OS/2, CP/M, TOS (U+000D + U+000A)"},
      {2028, "\xE2\x80\xA8", "LS - Unicode Line Separator (U+2028)", "LS - Unicode Line Separator (U+2028)"},
      {2029, "\xE2\x80\xA9", "PS - Unicode Paragraph Separator (U+2029)", "PS - Unicode Paragraph Separator (U+2029)"},
      {999, "\n", "Unknown", "UNKOWN"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LineBreakCharactersForLineBreakType(c.kind), c.chars) << c.kind;
    EXPECT_EQ(LineBreakToStr(c.kind, true), c.longName) << c.kind;
    EXPECT_EQ(LineBreakToStr(c.kind, false), c.shortName) << c.kind;
  }
  EXPECT_EQ(LineBreaksAvailable(false), (TIntArray{10, 1310, 13}));
  EXPECT_EQ(LineBreaksAvailable(true), (TIntArray{10, 1310, 13, 21, 12, 85, 2028, 2029, 11}));
}

TEST(LineBreaks, StrToLineBreak) {
  struct Case {
    const char* word;
    uint32_t kind;
  } cases[] = {{"autodetect", 1}, {"AUTO", 1}, {" keep ", 2}, {"system", 3}, {"binary", 4}, {"CRLF", 1310},
               {"lf", 10},        {"cr", 13},  {"nl", 21},    {"ff", 12},    {"nel", 85},   {"ls", 2028},
               {"ps", 2029},      {"vt", 11},  {"tab", 9},    {"nochar", 3}, {"", 3},       {"customstr-x", 3}};
  for (const auto& c : cases) EXPECT_EQ(StrToLineBreak(c.word), c.kind) << c.word;
}

TEST(LineBreaks, CountAndExplode) {
  const std::string crlf2 = "\r\n\r\n";
  EXPECT_EQ(LineBreakCount(crlf2, 13), 2);
  EXPECT_EQ(LineBreakCount(crlf2, 10), 2);
  EXPECT_EQ(LineBreakCount(crlf2, 1310), 2);
  EXPECT_EQ(LineBreakCount(crlf2, 7), 0);
  EXPECT_EQ(LineBreakCount(crlf2, 130), 0);
  EXPECT_EQ(LineBreakCount("a\u2028b\u2028", 2028), 2);
  EXPECT_EQ(LineBreakCount("", 10), 0);
  EXPECT_EQ(LineBreakCount("a\nb\n", 1), 2);  // detect counts LF, its characters

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
  EXPECT_EQ(kinds,
            (std::vector<uint32_t>{1, 2, 3, 10, 1310, 13, 21, 12, 85, 2028, 2029, 11, 9, 110, 120, 111, 121, 130, 7}));
  for (const auto& p : all) {
    EXPECT_EQ(p.NeedsValue, p.LineBreakType >= 110 && p.LineBreakType <= 130) << p.LineBreakType;
    if (p.LineBreakType >= 10 && !p.NeedsValue) {
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
  EXPECT_EQ(some[0].LineBreakType, 2u);
  EXPECT_EQ(some[1].LineBreakType, 7u);
}

TEST(LineBreakParams, EveryOfferedChoiceRoundTrips) {
  TLineBreakParamArray all;
  LineBreakGetParams(all, true, true, true, true, true, true, true, true, true, true, true, true);
  for (const auto& p : all) {
    std::string value = p.LineBreakType == 130 ? "72" : p.NeedsValue ? "U+0041 U+00E9" : "";
    std::string word;
    ASSERT_TRUE(LineBreakParamStrDecode(p.LineBreakType, value, p.LineBreakType == 130 ? 72 : 0, word));
    EXPECT_EQ(word, p.ParamStr + value);
    uint32_t kind = 0;
    std::string custom;
    int32_t number = -1;
    ASSERT_TRUE(LineBreakParamStrEncode(word, kind, custom, number)) << word;
    EXPECT_EQ(kind, p.LineBreakType);
    EXPECT_EQ(custom, p.LineBreakType == 130 ? "" : value);
    EXPECT_EQ(number, p.LineBreakType == 130 ? 72 : 0);
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
      {"customstr-;;", true, 110, ";;", 0},
      {"CustomCP-U+2028", true, 120, "U+2028", 0},
      {"customstrs-a,\"b,c\", d", true, 111, "a,\"b,c\", d", 0},
      {"fixedlength-abc", true, 130, "", 0},
      {"fixedlength--5", true, 130, "", -5},
      {"  lf  ", true, 10, "", 0},
      {"%TAB%", true, 9, "", 0},
      {"nochar", true, 7, "", 0},
      {"binary", false, 0, "", 0},
      {"autodetect", false, 0, "", 0},
      {"custom-x", false, 0, "", 0},
      {" customstr-x", false, 0, "", 0},
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
  EXPECT_FALSE(LineBreakParamStrDecode(4, "", 0, word));
  EXPECT_EQ(word, "");
  EXPECT_FALSE(LineBreakParamStrDecode(0, "", 0, word));
  EXPECT_TRUE(LineBreakParamStrDecode(130, "", -3, word));
  EXPECT_EQ(word, "fixedlength--3");
}
