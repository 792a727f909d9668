// Code-page detection and decoding on arbitrary bytes: the result is always
// valid UTF-8 for the Unicode and single-byte code pages, and text that came
// out of a Unicode decoder survives writing and reading again unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "foundation/code_pages.h"
#include "foundation/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  bool hasBOM = false;
  DetectCodePage(bytes, hasBOM);

  for (int32_t cp : CodePagesAvailable()) {
    const std::string text = CodePageBytesToUTF8(bytes, cp);
    if (!UTF8IsValid(text)) std::abort();
    const std::string again = CodePageBytesToUTF8(UTF8ToCodePageBytes(text, cp), cp);
    // Unicode forms hold every character; single-byte pages may replace some.
    // A text that itself starts with U+FEFF reads back without it: the reader
    // takes it for a byte-order mark.
    const bool startsWithMark = text.rfind("\xEF\xBB\xBF", 0) == 0;
    if (!startsWithMark && (cp == 1200 || cp == 1201 || cp == 12000 || cp == 12001 || cp == 65001) && again != text)
      std::abort();
  }
  const std::u16string wide = UTF7ToWideString(bytes);
  if (UTF7ToWideString(WideStringToUTF7(wide)) != wide) std::abort();
  return 0;
}
