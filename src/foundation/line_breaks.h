// Line-break kinds: which characters end a line, the settings detect, "keep"
// and user-defined breaks, their parameter words ("crlf", "customstr-…"),
// display names, detection in a text and the choices pickers offer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/types.h"

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
