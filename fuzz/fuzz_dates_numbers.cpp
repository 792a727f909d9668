// Date parsing, duration formats and numeral-system conversion on arbitrary
// text: no input crashes or runs away.
#include <cstdint>
#include <cstring>
#include <string>

#include "foundation/dates.h"
#include "foundation/numeral_systems.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const size_t nl = input.find('\n');
  const std::string first = input.substr(0, nl);
  const std::string rest = nl == std::string::npos ? std::string() : input.substr(nl + 1);

  StrToDateTimeFormatDef(rest, first, 0);
  YYYYxMMxDDxHHxMMxSSToDateTime(input);
  DateTimeToYYYYMMDDHHMMSSStringWithoutSeparator(YYYYMMDDHHMMSSStringWithoutSeparatorToDateTime(first, 0));
  YYYYMMDDHHMMSSStringWithoutSeparatorToStrWithSeparators(first);
  IsYYYYMMDDDate(first, '-');

  double seconds = 0;
  if (size >= sizeof seconds) std::memcpy(&seconds, data, sizeof seconds);
  SecondsToTime(seconds, rest);
  SecondsToTime(static_cast<double>(size) * 37.25, first);
  if (size >= 8) {
    int64_t whole;
    std::memcpy(&whole, data, sizeof whole);
    SecondsToHHxMMxSSTime(whole, ":");
    SecondsToMMxSSorHHxMMxSSTime(whole, ":");
  }

  if (size >= 2 && rest.size() <= 4096) {
    const auto from = static_cast<TNumeralSystem>(data[0] % 64);
    const auto to = static_cast<TNumeralSystem>(data[1] % 64);
    NSNumberToNSNumber(rest, from, to);
  }
  return 0;
}
