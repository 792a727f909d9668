#include "controls/list_view_format.h"

#include <ctime>

#include "foundation/dates.h"
#include "foundation/paths.h"
#include "foundation/utf8.h"

namespace {

std::string PadNumber(int value, size_t width) {
  std::string s = IntToStr(value);
  if (s.size() < width) s.insert(0, width - s.size(), '0');
  return s;
}

std::string LeadingZeros(int64_t value, size_t width) {
  std::string s = IntToStr(value);
  const size_t length = UTF8Length(s);
  if (length < width) s.insert(0, width - length, '0');
  return s;
}

size_t RunLength(const std::string& pattern, size_t pos) {
  size_t n = 1;
  while (pos + n < pattern.size() && pattern[pos + n] == pattern[pos]) ++n;
  return n;
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

std::string VlvFormatDateTimePattern(const std::string& pattern, int year, int month, int day, int hour, int minute,
                                     int second) {
  const bool twelveHours = pattern.find("AP") != std::string::npos || pattern.find("ap") != std::string::npos;
  std::string out;
  size_t pos = 0;
  while (pos < pattern.size()) {
    const char c = pattern[pos];
    if (c == '\'') {
      const size_t end = pattern.find('\'', pos + 1);
      if (end == pos + 1) {
        out += '\'';
        pos += 2;
        continue;
      }
      const size_t stop = end == std::string::npos ? pattern.size() : end;
      out += pattern.substr(pos + 1, stop - pos - 1);
      pos = stop == pattern.size() ? stop : stop + 1;
      continue;
    }
    const size_t n = RunLength(pattern, pos);
    const size_t width = n >= 2 ? 2 : 1;
    switch (c) {
      case 'd': out += PadNumber(day, width); break;
      case 'M': out += PadNumber(month, width); break;
      case 'y': out += n >= 4 ? PadNumber(year, 4) : PadNumber(year % 100, 2); break;
      case 'h':
      case 'H': {
        int h = hour;
        if (c == 'h' && twelveHours) h = hour % 12 == 0 ? 12 : hour % 12;
        out += PadNumber(h, width);
        break;
      }
      case 'm': out += PadNumber(minute, width); break;
      case 's': out += PadNumber(second, width); break;
      case 'A':
      case 'a':
        if (pos + 1 < pattern.size() && (pattern[pos + 1] == 'P' || pattern[pos + 1] == 'p')) {
          out += c == 'A' ? (hour < 12 ? "AM" : "PM") : (hour < 12 ? "am" : "pm");
          pos += 2;
          continue;
        }
        out.append(n, c);
        break;
      case 't': break;  // time-zone names are not shown in a list cell
      default: out.append(n, c); break;
    }
    pos += n;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string VlvFormatFileDate(int32_t fileDate, const std::string& datePattern, const std::string& timePattern) {
  const time_t t = static_cast<time_t>(fileDate);
  std::tm parts{};
  if (localtime_r(&t, &parts) == nullptr) return IntToStr(fileDate);
  std::string text = VlvFormatDateTimePattern(datePattern, parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
                                              parts.tm_hour, parts.tm_min, parts.tm_sec);
  if (parts.tm_hour != 0 || parts.tm_min != 0 || parts.tm_sec != 0) {
    text += ' ';
    text += VlvFormatDateTimePattern(timePattern, parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour,
                                     parts.tm_min, parts.tm_sec);
  }
  return text;
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
