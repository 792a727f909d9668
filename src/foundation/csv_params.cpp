#include "foundation/csv_params.h"

#include "foundation/letter_case.h"

namespace {

struct CSVWord {
  uint32_t type;
  const char* word;
};
constexpr CSVWord kWords[] = {{1, "auto"},    {2, "keep"},    {10, "system"}, {11, "comma"}, {12, "semicolon"},
                              {13, "pipe"},   {14, "hyphen"}, {15, "space"},  {16, "tab"},   {16, "%tab%"},
                              {17, "nochar"}, {20, "squote"}, {21, "dquote"}};
constexpr CSVWord kPrefixes[] = {
    {30, "customstr-"}, {31, "customstrs-"}, {32, "customcp-"}, {33, "customcps-"}, {40, "fixedlength-"}};

std::string SystemListSeparator(const NumberFormat& fmt) { return fmt.DecimalSeparator == "," ? ";" : ","; }

}  // namespace

void CSVGetParams(TCSVParamArray& params, bool autoDetect, bool keep, bool system, bool separators, bool quotes,
                  bool customStr, bool customStrs, bool customCodePoint, bool customCodePoints, bool fixedLength,
                  bool noChar) {
  params.clear();
  auto add = [&](uint32_t type, const char* word, const char* caption, std::string ch = "") {
    params.push_back({type, word, caption, std::move(ch), type >= 30 && type <= 40});
  };
  if (autoDetect) add(1, "auto", "Auto Detect");
  if (keep) add(2, "keep", "Keep");
  if (system) add(10, "system", "System");
  if (separators) {
    add(11, "comma", "Comma", ",");
    add(12, "semicolon", "Semicolon", ";");
    add(13, "pipe", "Pipe", "|");
    add(14, "hyphen", "Hyphen", "-");
    add(15, "space", "Space", " ");
    add(16, "tab", "Tab", "\t");
  }
  if (quotes) {
    add(21, "dquote", "Double Quote", "\"");
    add(20, "squote", "Single Quote", "'");
  }
  if (customStr) add(30, "customstr-", "Custom String");
  if (customCodePoint) add(32, "customcp-", "Custom Code Point");
  if (customStrs) add(31, "customstrs-", "Custom Strings");
  if (customCodePoints) add(33, "customcps-", "Custom Code Points");
  if (fixedLength) add(40, "fixedlength-", "Fixed Field Length");
  if (noChar) add(17, "nochar", "No Char");
}

std::string CSVTypeToChar(uint32_t paramType, TCSVCharType charType, const NumberFormat& fmt) {
  switch (paramType) {
    case 10: return SystemListSeparator(fmt);
    case 11: return ",";
    case 12: return ";";
    case 13: return "|";
    case 14: return "-";
    case 15: return " ";
    case 16: return "\t";
    case 17: return "";
    case 20: return "'";
    case 21: return "\"";
    default: return charType == csvQuote ? "\"" : SystemListSeparator(fmt);
  }
}

bool CSVCharToType(std::string_view charText, uint32_t& paramType, std::string& customStr) {
  customStr.clear();
  static constexpr struct {
    const char* ch;
    uint32_t type;
  } kChars[] = {{",", 11}, {";", 12}, {"|", 13}, {"-", 14}, {" ", 15}, {"\t", 16}, {"'", 20}, {"\"", 21}};
  for (const auto& e : kChars) {
    if (charText == e.ch) {
      paramType = e.type;
      return true;
    }
  }
  if (charText.empty()) {
    paramType = 17;
  } else if (ASCIILowerCase(charText) == "%tab%") {
    paramType = 16;
  } else {
    paramType = 30;
    customStr = std::string(charText);
  }
  return true;
}

bool CSVParamStrEncode(std::string_view paramStr, uint32_t& paramType, std::string& customStr, int32_t& customInt) {
  paramType = 0;
  customStr.clear();
  customInt = 0;
  // Unlike the line-break words these are not trimmed: a blank is a value here.
  std::string w = ASCIILowerCase(paramStr);
  for (const auto& e : kWords) {
    if (w == e.word) {
      paramType = e.type;
      return true;
    }
  }
  size_t dash = paramStr.find('-');
  if (dash == std::string_view::npos) return false;
  std::string prefix = ASCIILowerCase(paramStr.substr(0, dash)) + "-";
  std::string_view value = paramStr.substr(dash + 1);
  for (const auto& e : kPrefixes) {
    if (prefix == e.word) {
      paramType = e.type;
      if (e.type == 40)
        customInt = StrToIntDef(value, 0);
      else
        customStr = std::string(value);
      return true;
    }
  }
  return false;
}

bool CSVParamStrDecode(uint32_t paramType, std::string_view customStr, int32_t customInt, std::string& paramStr) {
  paramStr.clear();
  for (const auto& e : kWords) {
    if (e.type == paramType) {
      paramStr = e.word;
      return true;
    }
  }
  for (const auto& e : kPrefixes) {
    if (e.type == paramType) {
      paramStr = e.word;
      if (paramType == 40)
        paramStr += IntToStr(customInt);
      else
        paramStr += customStr;
      return true;
    }
  }
  return false;
}
