#include <gtest/gtest.h>

#include "foundation/csv_params.h"

// The tests below name CSV parameter kinds by their constants; these are the
// numbers that settings files store for them.
static_assert(csvpUnknown == 0 && csvpAutoDetect == 1 && csvpKeep == 2 && csvpSystem == 10 && csvpComma == 11 &&
              csvpSemicolon == 12 && csvpPipe == 13 && csvpHyphen == 14 && csvpSpace == 15 && csvpTab == 16 &&
              csvpNoChar == 17 && csvpSingleQuote == 20 && csvpDoubleQuote == 21 && csvpCustomStr == 30 &&
              csvpCustomStrs == 31 && csvpCustomCodePoint == 32 && csvpCustomCodePoints == 33 && csvpFixedLength == 40);

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
      {csvpAutoDetect, "auto", "Auto Detect", ""},
      {csvpKeep, "keep", "Keep", ""},
      {csvpSystem, "system", "System", ""},
      {csvpComma, "comma", "Comma", ","},
      {csvpSemicolon, "semicolon", "Semicolon", ";"},
      {csvpPipe, "pipe", "Pipe", "|"},
      {csvpHyphen, "hyphen", "Hyphen", "-"},
      {csvpSpace, "space", "Space", " "},
      {csvpTab, "tab", "Tab", "\t"},
      {csvpDoubleQuote, "dquote", "Double Quote", "\""},
      {csvpSingleQuote, "squote", "Single Quote", "'"},
      {csvpCustomStr, "customstr-", "Custom String", ""},
      {csvpCustomCodePoint, "customcp-", "Custom Code Point", ""},
      {csvpCustomStrs, "customstrs-", "Custom Strings", ""},
      {csvpCustomCodePoints, "customcps-", "Custom Code Points", ""},
      {csvpFixedLength, "fixedlength-", "Fixed Field Length", ""},
      {csvpNoChar, "nochar", "No Char", ""},
  };
  ASSERT_EQ(all.size(), std::size(expected));
  for (size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(all[i].ParamType, expected[i].type);
    EXPECT_EQ(all[i].ParamStr, expected[i].word);
    EXPECT_EQ(all[i].Caption, expected[i].caption);
    EXPECT_EQ(all[i].Char, expected[i].ch);
    EXPECT_EQ(all[i].NeedsValue, expected[i].type >= csvpCustomStr && expected[i].type <= csvpFixedLength);
  }
  TCSVParamArray quotes;
  CSVGetParams(quotes, false, false, false, false, true, false, false, false, false, false, false);
  ASSERT_EQ(quotes.size(), 2u);
  EXPECT_EQ(quotes[0].ParamType, csvpDoubleQuote);
}

TEST(CSVParams, EveryOfferedChoiceRoundTrips) {
  TCSVParamArray all;
  CSVGetParams(all, true, true, true, true, true, true, true, true, true, true, true);
  for (const auto& p : all) {
    std::string value = p.ParamType == csvpFixedLength ? "12" : p.NeedsValue ? "#3B, \"x\"" : "";
    std::string word;
    ASSERT_TRUE(CSVParamStrDecode(p.ParamType, value, p.ParamType == csvpFixedLength ? 12 : 0, word));
    EXPECT_EQ(word, p.ParamStr + value);
    uint32_t type = 0;
    std::string custom;
    int32_t number = -1;
    ASSERT_TRUE(CSVParamStrEncode(word, type, custom, number)) << word;
    EXPECT_EQ(type, p.ParamType);
    EXPECT_EQ(custom, p.ParamType == csvpFixedLength ? "" : value);
    EXPECT_EQ(number, p.ParamType == csvpFixedLength ? 12 : 0);
  }
}

TEST(CSVParams, EncodeIsNotTrimmed) {
  uint32_t type = 9;
  std::string custom;
  int32_t number = 9;
  EXPECT_FALSE(CSVParamStrEncode(" comma", type, custom, number));
  EXPECT_EQ(type, csvpUnknown);
  EXPECT_TRUE(CSVParamStrEncode("SemiColon", type, custom, number));
  EXPECT_EQ(type, csvpSemicolon);
  EXPECT_TRUE(CSVParamStrEncode("%Tab%", type, custom, number));
  EXPECT_EQ(type, csvpTab);
  EXPECT_TRUE(CSVParamStrEncode("CustomStr- x ", type, custom, number));
  EXPECT_EQ(type, csvpCustomStr);
  EXPECT_EQ(custom, " x ");
  EXPECT_FALSE(CSVParamStrEncode("crlf", type, custom, number));
  std::string word = "stale";
  EXPECT_FALSE(CSVParamStrDecode(3, "", 0, word));
  EXPECT_EQ(word, "");
  EXPECT_TRUE(CSVParamStrDecode(csvpTab, "", 0, word));
  EXPECT_EQ(word, "tab");
}

TEST(CSVParams, TypeToCharFollowsTheGivenDecimalSeparator) {
  EXPECT_EQ(CSVTypeToChar(csvpSystem, csvFieldSeparator, DecimalComma()), ";");
  EXPECT_EQ(CSVTypeToChar(csvpSystem, csvFieldSeparator, DecimalPoint()), ",");
  EXPECT_EQ(CSVTypeToChar(csvpSystem, csvQuote, DecimalComma()), ";");
  for (uint32_t t : std::initializer_list<uint32_t>{csvpAutoDetect, csvpKeep, csvpCustomStr, csvpCustomStrs,
                                                    csvpCustomCodePoint, csvpCustomCodePoints, csvpFixedLength, 999u}) {
    EXPECT_EQ(CSVTypeToChar(t, csvFieldSeparator, DecimalComma()), ";") << t;
    EXPECT_EQ(CSVTypeToChar(t, csvFieldSeparator, DecimalPoint()), ",") << t;
    EXPECT_EQ(CSVTypeToChar(t, csvQuote, DecimalComma()), "\"") << t;
  }
  struct Case {
    uint32_t type;
    const char* ch;
  } fixed[] = {{csvpComma, ","}, {csvpSemicolon, ";"}, {csvpPipe, "|"},        {csvpHyphen, "-"},      {csvpSpace, " "},
               {csvpTab, "\t"},  {csvpNoChar, ""},     {csvpSingleQuote, "'"}, {csvpDoubleQuote, "\""}};
  for (const auto& c : fixed) EXPECT_EQ(CSVTypeToChar(c.type, csvQuote, DecimalComma()), c.ch) << c.type;
}

TEST(CSVParams, CharToType) {
  struct Case {
    std::string text;
    uint32_t type;
    std::string custom;
  } cases[] = {
      {",", csvpComma, ""},
      {";", csvpSemicolon, ""},
      {"|", csvpPipe, ""},
      {"-", csvpHyphen, ""},
      {" ", csvpSpace, ""},
      {"\t", csvpTab, ""},
      {"'", csvpSingleQuote, ""},
      {"\"", csvpDoubleQuote, ""},
      {"", csvpNoChar, ""},
      {"%TAB%", csvpTab, ""},
      {"%tab%", csvpTab, ""},
      {"ab", csvpCustomStr, "ab"},
      {"\u00A7", csvpCustomStr, "\u00A7"},
  };
  for (const auto& c : cases) {
    uint32_t type = 0;
    std::string custom = "stale";
    EXPECT_TRUE(CSVCharToType(c.text, type, custom));
    EXPECT_EQ(type, c.type) << c.text;
    EXPECT_EQ(custom, c.custom) << c.text;
  }
}
