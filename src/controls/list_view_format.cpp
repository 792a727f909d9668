#include "controls/list_view_format.h"

#include "foundation/dates.h"
#include "foundation/paths.h"
#include "foundation/utf8.h"

namespace {

std::string LeadingZeros(int64_t value, size_t width) {
  std::string s = IntToStr(value);
  const size_t length = UTF8Length(s);
  if (length < width) s.insert(0, width - length, '0');
  return s;
}

}  // namespace

std::string VlvOptionText(const TStrArray& options, int32_t value, bool afterEquals) {
  if (value < 0 || static_cast<size_t>(value) >= options.size()) return IntToStr(value);
  const std::string& option = options[static_cast<size_t>(value)];
  if (afterEquals) {
    const size_t eq = option.find('=');
    if (eq != std::string::npos) return option.substr(eq + 1);
  }
  return option;
}

std::string VlvFormatFileDate(int32_t fileDate, const std::string& datePattern, const std::string& timePattern) {
  TDateTime value = 0;
  if (!UnixTimeToLocalDateTime(fileDate, value)) return IntToStr(fileDate);
  return FormatDateAndTime(value, datePattern, timePattern);
}

std::string VlvFormatIntCell(int64_t value, TVirtualListViewFormatType format, const TStrArray& options,
                             const TListViewDisplaySettings& settings) {
  switch (format) {
    case vlvFormatDefault: return IntToStr(value);
    case vlvFormatShowOption: return VlvOptionText(options, static_cast<int32_t>(static_cast<uint32_t>(value)), false);
    case vlvFormatSecToHMS: return SecondsToHHxMMxSSTime(value, ":");
    case vlvFormatSecToMSorHMS: return SecondsToMMxSSorHHxMMxSSTime(value, ":");
    case vlvFormatMsToTime: return SecondsToTime(static_cast<double>(value) / 1000.0, settings.TimeFormat);
    case vlvFormatBytesToBestUnit: return FileSizeBestUnit(value, settings.Number);
    case vlvFormatFileSize:
      return FileSizeToStr(value, settings.FileSizeType, settings.FileSizeDecimalPlaces, settings.FileSizeIncludeUnit,
                           true, settings.Number);
    case vlvFormatFileDate:
      return VlvFormatFileDate(static_cast<int32_t>(static_cast<uint32_t>(value)), settings.ShortDateFormat,
                               settings.LongTimeFormat);
    case vlvFormat100To1Percent: return FormatFloatFixed(static_cast<double>(value) / 100.0, 2, settings.Number) + " %";
    case vlvFormatLeadingZeros2: return LeadingZeros(value, 2);
    case vlvFormatLeadingZeros3: return LeadingZeros(value, 3);
    case vlvFormatLeadingZeros4: return LeadingZeros(value, 4);
  }
  return IntToStr(value);
}
