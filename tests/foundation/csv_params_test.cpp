#include <gtest/gtest.h>

#include "foundation/csv_params.h"

namespace {
NumberFormat DecimalComma() { return NumberFormat{",", "."}; }
NumberFormat DecimalPoint() { return NumberFormat{".", ","}; }
}  // namespace

TEST(CSVParams, GetParamsOrderCaptionsAndChars) {
  TCSVParamArray all{{99, "stale", "", "", false}};
  CSVGetParams(all, true, true, true, true, true, true, true, true, true, true, true);
  struct Row {
    uint32_t type;
    const char* word;
    const char* caption;
    const char* ch;
  } expected[] = {
      {1, "auto", "Auto Detect", ""},
      {2, "keep", "Keep", ""},
      {10, "system", "System", ""},
      {11, "comma", "Comma", ","},
      {12, "semicolon", "Semicolon", ";"},
      {13, "pipe", "Pipe", "|"},
      {14, "hyphen", "Hyphen", "-"},
      {15, "space", "Space", " "},
      {16, "tab", "Tab", "\t"},
      {21, "dquote", "Double Quote", "\""},
      {20, "squote", "Single Quote", "'"},
      {30, "customstr-", "Custom String", ""},
      {32, "customcp-", "Custom Code Point", ""},
      {31, "customstrs-", "Custom Strings", ""},
      {33, "customcps-", "Custom Code Points", ""},
      {40, "fixedlength-", "Fixed Field Length", ""},
      {17, "nochar", "No Char", ""},
  };
  ASSERT_EQ(all.size(), std::size(expected));
  for (size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(all[i].ParamType, expected[i].type);
    EXPECT_EQ(all[i].ParamStr, expected[i].word);
    EXPECT_EQ(all[i].Caption, expected[i].caption);
    EXPECT_EQ(all[i].Char, expected[i].ch);
    EXPECT_EQ(all[i].NeedsValue, expected[i].type >= 30 && expected[i].type <= 40);
  }
  TCSVParamArray quotes;
  CSVGetParams(quotes, false, false, false, false, true, false, false, false, false, false, false);
  ASSERT_EQ(quotes.size(), 2u);
  EXPECT_EQ(quotes[0].ParamType, 21u);
}

TEST(CSVParams, EveryOfferedChoiceRoundTrips) {
  TCSVParamArray all;
  CSVGetParams(all, true, true, true, true, true, true, true, true, true, true, true);
  for (const auto& p : all) {
    std::string value = p.ParamType == 40 ? "12" : p.NeedsValue ? "#3B, \"x\"" : "";
    std::string word;
    ASSERT_TRUE(CSVParamStrDecode(p.ParamType, value, p.ParamType == 40 ? 12 : 0, word));
    EXPECT_EQ(word, p.ParamStr + value);
    uint32_t type = 0;
    std::string custom;
    int32_t number = -1;
    ASSERT_TRUE(CSVParamStrEncode(word, type, custom, number)) << word;
    EXPECT_EQ(type, p.ParamType);
    EXPECT_EQ(custom, p.ParamType == 40 ? "" : value);
    EXPECT_EQ(number, p.ParamType == 40 ? 12 : 0);
  }
}

TEST(CSVParams, EncodeIsNotTrimmed) {
  uint32_t type = 9;
  std::string custom;
  int32_t number = 9;
  EXPECT_FALSE(CSVParamStrEncode(" comma", type, custom, number));
  EXPECT_EQ(type, 0u);
  EXPECT_TRUE(CSVParamStrEncode("SemiColon", type, custom, number));
  EXPECT_EQ(type, 12u);
  EXPECT_TRUE(CSVParamStrEncode("%Tab%", type, custom, number));
  EXPECT_EQ(type, 16u);
  EXPECT_TRUE(CSVParamStrEncode("CustomStr- x ", type, custom, number));
  EXPECT_EQ(type, 30u);
  EXPECT_EQ(custom, " x ");
  EXPECT_FALSE(CSVParamStrEncode("crlf", type, custom, number));
  std::string word = "stale";
  EXPECT_FALSE(CSVParamStrDecode(3, "", 0, word));
  EXPECT_EQ(word, "");
  EXPECT_TRUE(CSVParamStrDecode(16, "", 0, word));
  EXPECT_EQ(word, "tab");
}

TEST(CSVParams, TypeToCharFollowsTheGivenDecimalSeparator) {
  EXPECT_EQ(CSVTypeToChar(10, csvFieldSeparator, DecimalComma()), ";");
  EXPECT_EQ(CSVTypeToChar(10, csvFieldSeparator, DecimalPoint()), ",");
  EXPECT_EQ(CSVTypeToChar(10, csvQuote, DecimalComma()), ";");
  for (uint32_t t : {1u, 2u, 30u, 31u, 32u, 33u, 40u, 999u}) {
    EXPECT_EQ(CSVTypeToChar(t, csvFieldSeparator, DecimalComma()), ";") << t;
    EXPECT_EQ(CSVTypeToChar(t, csvFieldSeparator, DecimalPoint()), ",") << t;
    EXPECT_EQ(CSVTypeToChar(t, csvQuote, DecimalComma()), "\"") << t;
  }
  struct Case {
    uint32_t type;
    const char* ch;
  } fixed[] = {{11, ","}, {12, ";"}, {13, "|"}, {14, "-"}, {15, " "}, {16, "\t"}, {17, ""}, {20, "'"}, {21, "\""}};
  for (const auto& c : fixed) EXPECT_EQ(CSVTypeToChar(c.type, csvQuote, DecimalComma()), c.ch) << c.type;
}

TEST(CSVParams, CharToType) {
  struct Case {
    std::string text;
    uint32_t type;
    std::string custom;
  } cases[] = {
      {",", 11, ""},
      {";", 12, ""},
      {"|", 13, ""},
      {"-", 14, ""},
      {" ", 15, ""},
      {"\t", 16, ""},
      {"'", 20, ""},
      {"\"", 21, ""},
      {"", 17, ""},
      {"%TAB%", 16, ""},
      {"%tab%", 16, ""},
      {"ab", 30, "ab"},
      {"\u00A7", 30, "\u00A7"},
  };
  for (const auto& c : cases) {
    uint32_t type = 0;
    std::string custom = "stale";
    EXPECT_TRUE(CSVCharToType(c.text, type, custom));
    EXPECT_EQ(type, c.type) << c.text;
    EXPECT_EQ(custom, c.custom) << c.text;
  }
}
