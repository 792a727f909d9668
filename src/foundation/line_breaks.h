// Line-break kinds: which characters end a line, the settings detect, "keep"
// and user-defined breaks, their parameter words ("crlf", "customstr-…"),
// display names, detection in a text and the choices pickers offer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/types.h"

// The line-break kinds, by the numbers that settings store.
enum TLineBreakKind : uint32_t {
  lbkUnknown = 0,
  lbkAutoDetect = 1,
  lbkKeep = 2,
  lbkSystem = 3,
  lbkBinary = 4,
  lbkNoChar = 7,
  lbkTab = 9,
  lbkLF = 10,
  lbkVT = 11,
  lbkFF = 12,
  lbkCR = 13,
  lbkNL = 21,
  lbkNEL = 85,
  lbkCustomStr = 110,
  lbkCustomStrs = 111,
  lbkCustomCodePoint = 120,
  lbkCustomCodePoints = 121,
  lbkFixedLength = 130,
  lbkCRLF = 1310,
  lbkLS = 2028,
  lbkPS = 2029,
};

struct TLineBreakParam {
  uint32_t LineBreakType = 0;
  // The parameter word; for custom kinds only the prefix ("customstr-").
  std::string ParamStr;
  std::string Caption;
  // True when the user must type a value after the prefix.
  bool NeedsValue = false;
};
using TLineBreakParamArray = std::vector<TLineBreakParam>;

// 10, 1310, 13; extended adds 21, 12, 85, 2028, 2029, 11.
TIntArray LineBreaksAvailable(bool extended);
// The first kind present in the text (CR LF, LF, CR, 0x15, FF, NEL, LS, PS,
// VT); 0 when none.
uint32_t LineBreakTypeOfString(std::string_view text);
// The characters of a kind; LF for kinds without characters of their own.
std::string LineBreakCharactersForLineBreakType(uint32_t lineBreakType);
std::string GetNewLineCharFromStr(std::string_view text);
std::string LineBreakToStr(uint32_t lineBreakType, bool longForm);
// A word to its kind; unknown words give 3 (system).
uint32_t StrToLineBreak(std::string_view word);
// Splits at the text's own line break, appending; returns what Explode returns.
int32_t ExplodeAtAllTypesOfLineBreaks(TStrArray& arr, std::string_view text);
// Occurrences of the kind's characters, overlapping ones included.
int32_t LineBreakCount(std::string_view text, uint32_t lineBreakType);

void LineBreakGetParams(TLineBreakParamArray& params, bool autoDetect, bool keep, bool system, bool commonBreaks,
                        bool furtherBreaks, bool tab, bool customStr, bool customStrs, bool customCodePoint,
                        bool customCodePoints, bool fixedLength, bool noChar);

// Reads a parameter word into its parts; false when it is no known word or prefix.
bool LineBreakParamStrEncode(std::string_view paramStr, uint32_t& lineBreakType, std::string& customStr,
                             int32_t& customInt);
// Builds the parameter word; false (and "") for a kind without one.
bool LineBreakParamStrDecode(uint32_t lineBreakType, std::string_view customStr, int32_t customInt,
                             std::string& paramStr);
