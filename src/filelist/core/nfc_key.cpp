#include "filelist/core/nfc_key.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include "foundation/utf8.h"

std::string NFCKey(std::string_view text) {
  if (!HasNonASCII(text)) return std::string(text);
  const std::string valid = UTF8IsValid(text) ? std::string(text) : UTF8Repair(text);
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
  if (U_FAILURE(status) || nfc == nullptr) return valid;
  const icu::UnicodeString source = icu::UnicodeString::fromUTF8(valid);
  if (nfc->isNormalized(source, status) && U_SUCCESS(status)) return valid;
  status = U_ZERO_ERROR;
  const icu::UnicodeString composed = nfc->normalize(source, status);
  if (U_FAILURE(status)) return valid;
  std::string out;
  composed.toUTF8String(out);
  return out;
}
