#include "foundation/param_words.h"

#include "foundation/letter_case.h"
#include "foundation/number_format.h"
#include "foundation/str_transform.h"

bool ParseParamWord(std::string_view paramStr, bool trimWords, std::span<const TParamWord> words,
                    std::span<const TParamWord> prefixes, uint32_t numberPrefixType, uint32_t& type,
                    std::string& customStr, int32_t& customInt) {
  type = 0;
  customStr.clear();
  customInt = 0;
  const std::string word = ASCIILowerCase(trimWords ? Trim(paramStr) : std::string(paramStr));
  for (const TParamWord& e : words) {
    if (word == e.Word) {
      type = e.Type;
      return true;
    }
  }
  const size_t dash = paramStr.find('-');
  if (dash == std::string_view::npos) return false;
  const std::string prefix = ASCIILowerCase(paramStr.substr(0, dash + 1));
  const std::string_view value = paramStr.substr(dash + 1);
  for (const TParamWord& e : prefixes) {
    if (prefix == e.Word) {
      type = e.Type;
      if (e.Type == numberPrefixType) {
        customInt = StrToIntDef(value, 0);
      } else {
        customStr = std::string(value);
      }
      return true;
    }
  }
  return false;
}

bool BuildParamWord(uint32_t type, std::string_view customStr, int32_t customInt, std::span<const TParamWord> words,
                    std::span<const TParamWord> prefixes, uint32_t numberPrefixType, std::string& paramStr) {
  paramStr.clear();
  for (const TParamWord& e : words) {
    if (e.Type == type) {
      paramStr = e.Word;
      return true;
    }
  }
  for (const TParamWord& e : prefixes) {
    if (e.Type == type) {
      paramStr = e.Word;
      if (type == numberPrefixType) {
        paramStr += IntToStr(customInt);
      } else {
        paramStr += customStr;
      }
      return true;
    }
  }
  return false;
}
