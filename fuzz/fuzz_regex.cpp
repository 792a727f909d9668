// The regular-expression layer on arbitrary patterns and texts: a bad pattern
// is reported by its flag, never raised; results are valid UTF-8 when the text is.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "foundation/regex.h"
#include "foundation/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const size_t nl = input.find('\n');
  const std::string pattern = input.substr(0, nl);
  const std::string text = nl == std::string::npos ? std::string("ab Grüße é\n") : input.substr(nl + 1);
  const std::string replacement = "<$0|${1}|$&|\\n>";

  bool ok = true;
  const std::string replaced = RegReplaceWithRegex(text, pattern, replacement, &ok);
  if (!ok && replaced != text) std::abort();
  if (UTF8IsValid(text) && UTF8IsValid(pattern) && !UTF8IsValid(replaced)) std::abort();
  RegReplaceWithRegexA(text, pattern, replacement, &ok);
  RegFindTextFromRegex(text, pattern, &ok);
  RegFindTextFromRegexFromBrackets(text, pattern, false, &ok);
  RegFindTextFromRegexFromBrackets(text, pattern, true, &ok);
  const int32_t pos = RegPos(text, pattern, &ok);
  if (pos < 0 || pos > static_cast<int32_t>(text.size()) + 1) std::abort();
  RegMatches(text, pattern, false, &ok);
  StrEndsWithRegex(text, pattern, &ok);
  return 0;
}
