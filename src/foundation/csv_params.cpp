#include "foundation/csv_params.h"

#include "foundation/letter_case.h"
#include "foundation/param_words.h"

namespace {

// "tab" comes before "%tab%", which is only read.
constexpr TParamWord kWords[] = {{"auto", csvpAutoDetect},   {"keep", csvpKeep},           {"system", csvpSystem},
                                 {"comma", csvpComma},       {"semicolon", csvpSemicolon}, {"pipe", csvpPipe},
                                 {"hyphen", csvpHyphen},     {"space", csvpSpace},         {"tab", csvpTab},
                                 {"%tab%", csvpTab},         {"nochar", csvpNoChar},       {"squote", csvpSingleQuote},
                                 {"dquote", csvpDoubleQuote}};
constexpr TParamWord kPrefixes[] = {{"customstr-", csvpCustomStr},
                                    {"customstrs-", csvpCustomStrs},
                                    {"customcp-", csvpCustomCodePoint},
                                    {"customcps-", csvpCustomCodePoints},
                                    {"fixedlength-", csvpFixedLength}};

std::string SystemListSeparator(const NumberFormat& fmt) { return fmt.DecimalSeparator == "," ? ";" : ","; }

}  // namespace

void CSVGetParams(TCSVParamArray& params, bool autoDetect, bool keep, bool system, bool separators, bool quotes,
                  bool customStr, bool customStrs, bool customCodePoint, bool customCodePoints, bool fixedLength,
                  bool noChar) {
  params.clear();
  auto add = [&](uint32_t type, const char* word, const char* caption, std::string ch = "") {
    params.push_back({type, word, caption, std::move(ch), type >= csvpCustomStr && type <= csvpFixedLength});
  };
  if (autoDetect) add(csvpAutoDetect, "auto", "Auto Detect");
  if (keep) add(csvpKeep, "keep", "Keep");
  if (system) add(csvpSystem, "system", "System");
  if (separators) {
    add(csvpComma, "comma", "Comma", ",");
    add(csvpSemicolon, "semicolon", "Semicolon", ";");
    add(csvpPipe, "pipe", "Pipe", "|");
    add(csvpHyphen, "hyphen", "Hyphen", "-");
    add(csvpSpace, "space", "Space", " ");
    add(csvpTab, "tab", "Tab", "\t");
  }
  if (quotes) {
    add(csvpDoubleQuote, "dquote", "Double Quote", "\"");
    add(csvpSingleQuote, "squote", "Single Quote", "'");
  }
  if (customStr) add(csvpCustomStr, "customstr-", "Custom String");
  if (customCodePoint) add(csvpCustomCodePoint, "customcp-", "Custom Code Point");
  if (customStrs) add(csvpCustomStrs, "customstrs-", "Custom Strings");
  if (customCodePoints) add(csvpCustomCodePoints, "customcps-", "Custom Code Points");
  if (fixedLength) add(csvpFixedLength, "fixedlength-", "Fixed Field Length");
  if (noChar) add(csvpNoChar, "nochar", "No Char");
}

std::string CSVTypeToChar(uint32_t paramType, TCSVCharType charType, const NumberFormat& fmt) {
  switch (paramType) {
    case csvpSystem: return SystemListSeparator(fmt);
    case csvpComma: return ",";
    case csvpSemicolon: return ";";
    case csvpPipe: return "|";
    case csvpHyphen: return "-";
    case csvpSpace: return " ";
    case csvpTab: return "\t";
    case csvpNoChar: return "";
    case csvpSingleQuote: return "'";
    case csvpDoubleQuote: return "\"";
    default: return charType == csvQuote ? "\"" : SystemListSeparator(fmt);
  }
}

bool CSVCharToType(std::string_view charText, uint32_t& paramType, std::string& customStr) {
  customStr.clear();
  static constexpr struct {
    const char* ch;
    uint32_t type;
  } kChars[] = {{",", csvpComma}, {";", csvpSemicolon}, {"|", csvpPipe},        {"-", csvpHyphen},
                {" ", csvpSpace}, {"\t", csvpTab},      {"'", csvpSingleQuote}, {"\"", csvpDoubleQuote}};
  for (const auto& e : kChars) {
    if (charText == e.ch) {
      paramType = e.type;
      return true;
    }
  }
  if (charText.empty()) {
    paramType = csvpNoChar;
  } else if (ASCIILowerCase(charText) == "%tab%") {
    paramType = csvpTab;
  } else {
    paramType = csvpCustomStr;
    customStr = std::string(charText);
  }
  return true;
}

bool CSVParamStrEncode(std::string_view paramStr, uint32_t& paramType, std::string& customStr, int32_t& customInt) {
  // Unlike the line-break words these are not trimmed: a blank is a value here.
  return ParseParamWord(paramStr, false, kWords, kPrefixes, csvpFixedLength, paramType, customStr, customInt);
}

bool CSVParamStrDecode(uint32_t paramType, std::string_view customStr, int32_t customInt, std::string& paramStr) {
  return BuildParamWord(paramType, customStr, customInt, kWords, kPrefixes, csvpFixedLength, paramStr);
}
