// CSV parameter types: which character separates fields or quotes them, the
// settings detect and "keep", custom values, their parameter words
// ("semicolon", "customstr-…") and the choices pickers offer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/number_format.h"

// What a CSV parameter stands for.
enum TCSVCharType : int32_t { csvFieldSeparator = 0, csvQuote = 1 };

// The CSV parameter types, by the numbers that settings store.
enum TCSVParamType : uint32_t {
  csvpUnknown = 0,
  csvpAutoDetect = 1,
  csvpKeep = 2,
  csvpSystem = 10,
  csvpComma = 11,
  csvpSemicolon = 12,
  csvpPipe = 13,
  csvpHyphen = 14,
  csvpSpace = 15,
  csvpTab = 16,
  csvpNoChar = 17,
  csvpSingleQuote = 20,
  csvpDoubleQuote = 21,
  csvpCustomStr = 30,
  csvpCustomStrs = 31,
  csvpCustomCodePoint = 32,
  csvpCustomCodePoints = 33,
  csvpFixedLength = 40,
};

struct TCSVParam {
  uint32_t ParamType = 0;
  std::string ParamStr;
  std::string Caption;
  // The character the choice stands for; empty where it has no fixed one.
  std::string Char;
  bool NeedsValue = false;
};
using TCSVParamArray = std::vector<TCSVParam>;

void CSVGetParams(TCSVParamArray& params, bool autoDetect, bool keep, bool system, bool separators, bool quotes,
                  bool customStr, bool customStrs, bool customCodePoint, bool customCodePoints, bool fixedLength,
                  bool noChar);

// The character of a type. The system list separator (type 10, and the
// default of a field separator) is ";" under a decimal comma of the given
// format and "," otherwise.
std::string CSVTypeToChar(uint32_t paramType, TCSVCharType charType, const NumberFormat& fmt = GlobalNumberFormat());
// A literal character to its type; always true.
bool CSVCharToType(std::string_view charText, uint32_t& paramType, std::string& customStr);

bool CSVParamStrEncode(std::string_view paramStr, uint32_t& paramType, std::string& customStr, int32_t& customInt);
bool CSVParamStrDecode(uint32_t paramType, std::string_view customStr, int32_t customInt, std::string& paramStr);
