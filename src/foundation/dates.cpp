#include "foundation/dates.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <limits>
#include <vector>

#include "foundation/number_format.h"
#include "foundation/str_transform.h"

namespace {

constexpr int64_t kMSecsPerDay = 86400000;

// Days since 1 March of year 0 in the proleptic Gregorian calendar.
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

const int64_t kEpoch = DaysFromCivil(1899, 12, 30);
const int64_t kFirstDay = DaysFromCivil(1, 1, 1) - kEpoch;      // -693593
const int64_t kLastDay = DaysFromCivil(9999, 12, 31) - kEpoch;  // 2958465

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Zeros in front up to the width; a minus sign stays in front of them.
std::string Pad(int64_t value, size_t width) {
  std::string digits = IntToStr(value);
  bool negative = !digits.empty() && digits[0] == '-';
  if (negative) digits.erase(0, 1);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

// Truncation toward zero that stays defined for NaN and huge values.
int64_t TruncToInt64(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 9.2e18) return std::numeric_limits<int64_t>::max();
  if (v <= -9.2e18) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(v);
}

int TwoDigits(const std::string& s, size_t pos) { return (s[pos] - '0') * 10 + (s[pos + 1] - '0'); }

// The 14-digit form after padding, or "" when the text cannot be one.
std::string Padded14(const std::string& text) {
  if (text.size() > 14) return std::string();
  std::string s = text;
  s.append(14 - s.size(), '0');
  for (char c : s)
    if (!IsDigit(c)) return std::string();
  return s;
}

bool TryWhole(const std::string& s, size_t pos, size_t len, int32_t& v) {
  return TryStrToInt(std::string_view(s).substr(pos, len), v);
}

}  // namespace

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return false;
  date = static_cast<TDateTime>(DaysFromCivil(year, month, day) - kEpoch);
  return true;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& time) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
      millisecond > 999)
    return false;
  int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
  time = static_cast<TDateTime>(ms) / kMSecsPerDay;
  return true;
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time) {
  // Before the epoch the fraction counts away from zero, so the time of day
  // is subtracted to move forward within the day.
  return date < 0 ? date - time : date + time;
}

bool DecodeDateTime(TDateTime value, int& year, int& month, int& day, int& hour, int& minute, int& second,
                    int& millisecond) {
  if (!std::isfinite(value)) return false;
  double whole = std::trunc(value);
  if (whole < static_cast<double>(kFirstDay) || whole > static_cast<double>(kLastDay)) return false;
  int64_t days = static_cast<int64_t>(whole);
  int64_t ms = static_cast<int64_t>(std::nearbyint(std::fabs(value - whole) * kMSecsPerDay));
  if (ms >= kMSecsPerDay) {
    ms -= kMSecsPerDay;
    ++days;
    if (days > kLastDay) return false;
  }
  CivilFromDays(days + kEpoch, year, month, day);
  hour = static_cast<int>(ms / 3600000);
  minute = static_cast<int>(ms / 60000 % 60);
  second = static_cast<int>(ms / 1000 % 60);
  millisecond = static_cast<int>(ms % 1000);
  return true;
}

std::string DateTimeToYYYYMMDDHHMMSSStringWithoutSeparator(TDateTime value) {
  int y, mo, d, h, mi, s, ms;
  if (!DecodeDateTime(value, y, mo, d, h, mi, s, ms)) return std::string();
  return Pad(y, 4) + Pad(mo, 2) + Pad(d, 2) + Pad(h, 2) + Pad(mi, 2) + Pad(s, 2);
}

TDateTime YYYYMMDDHHMMSSStringWithoutSeparatorToDateTime(const std::string& text, TDateTime def) {
  std::string s = Padded14(text);
  if (s.empty()) return def;
  int year = (s[0] - '0') * 1000 + (s[1] - '0') * 100 + TwoDigits(s, 2);
  TDateTime date, time;
  if (!TryEncodeDate(year, TwoDigits(s, 4), TwoDigits(s, 6), date)) return def;
  if (!TryEncodeTime(TwoDigits(s, 8), TwoDigits(s, 10), TwoDigits(s, 12), 0, time)) return def;
  return ComposeDateTime(date, time);
}

std::string YYYYMMDDHHMMSSStringWithoutSeparatorToStrWithSeparators(const std::string& text) {
  std::string s = Padded14(text);
  if (s.empty()) return std::string();
  return s.substr(0, 4) + "-" + s.substr(4, 2) + "-" + s.substr(6, 2) + " " + s.substr(8, 2) + ":" + s.substr(10, 2) +
         ":" + s.substr(12, 2);
}

TDateTime YYYYxMMxDDxHHxMMxSSToDateTime(const std::string& text) {
  std::string s = Trim(text);
  if (s.size() <= 9) return 0;
  int32_t y, mo, d;
  if (!TryWhole(s, 0, 4, y) || !TryWhole(s, 5, 2, mo) || !TryWhole(s, 8, 2, d)) return 0;
  TDateTime result = 0;
  if (y < 10000 && mo < 13 && d < 60) {
    TDateTime date;
    if (TryEncodeDate(y, mo, d, date)) result = date;
  }
  if (s.size() == 19) {
    int32_t h, mi, sec;
    if (!TryWhole(s, 11, 2, h) || !TryWhole(s, 14, 2, mi) || !TryWhole(s, 17, 2, sec)) return result;
    TDateTime time;
    if (h < 24 && mi < 60 && sec < 60 && TryEncodeTime(h, mi, sec, 0, time)) result = ComposeDateTime(result, time);
  }
  return result;
}

TDateTime StrToDateTimeFormatDef(const std::string& text, const std::string& format, TDateTime def) {
  if (text.empty() || format.empty()) return def;
  std::string fields;
  for (char c : format) {
    if (c != 'y' && c != 'm' && c != 'd' && c != 'h' && c != 'n' && c != 's') continue;
    if (fields.empty() || fields.back() != c) fields.push_back(c);
  }
  std::vector<int32_t> runs;
  for (size_t i = 0; i < text.size();) {
    if (!IsDigit(text[i])) {
      ++i;
      continue;
    }
    // Runs too long for any field saturate; they can never form a valid date.
    int64_t v = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) v = std::min<int64_t>(v * 10 + (text[i] - '0'), 1000000000);
    runs.push_back(static_cast<int32_t>(v));
    if (runs.size() > fields.size()) return def;
  }
  if (runs.size() != fields.size()) return def;
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0;
  for (size_t k = 0; k < fields.size(); ++k) {
    switch (fields[k]) {
      case 'y': y = runs[k]; break;
      case 'm': mo = runs[k]; break;
      case 'd': d = runs[k]; break;
      case 'h': h = runs[k]; break;
      case 'n': mi = runs[k]; break;
      case 's': sec = runs[k]; break;
    }
  }
  TDateTime date, time;
  if (!TryEncodeDate(y, mo, d, date) || !TryEncodeTime(h, mi, sec, 0, time)) return def;
  return ComposeDateTime(date, time);
}

bool IsYYYYMMDDDate(const std::string& text, char separator) {
  if (text.size() != 10 || text[4] != separator || text[7] != separator) return false;
  for (size_t i = 0; i < 10; ++i)
    if (i != 4 && i != 7 && !IsDigit(text[i])) return false;
  int year = (text[0] - '0') * 1000 + (text[1] - '0') * 100 + TwoDigits(text, 2);
  TDateTime date;
  return TryEncodeDate(year, TwoDigits(text, 5), TwoDigits(text, 8), date);
}

namespace {

struct DurationToken {
  char cls;  // 'D', 'H', 'M', 'S', 'V' or 'L' for literal text
  std::string text;
};

char TokenClass(char c) {
  switch (c) {
    case 'D':
    case 'd': return 'D';
    case 'H':
    case 'h': return 'H';
    case 'M':
    case 'm': return 'M';
    case 'S':
    case 's': return 'S';
    case 'V':
    case 'v': return 'V';
    default: return 'L';
  }
}

// Literal text stands between apostrophes; '' is one apostrophe, inside or
// outside such a run.
std::vector<DurationToken> TokenizeDurationFormat(const std::string& format) {
  std::vector<DurationToken> tokens;
  bool quoted = false;
  for (size_t i = 0; i < format.size(); ++i) {
    char c = format[i];
    char cls;
    if (c == '\'') {
      if (i + 1 < format.size() && format[i + 1] == '\'') {
        ++i;
        cls = 'L';
      } else {
        quoted = !quoted;
        continue;
      }
    } else {
      cls = quoted ? 'L' : TokenClass(c);
    }
    if (tokens.empty() || tokens.back().cls != cls) tokens.push_back({cls, std::string()});
    tokens.back().text.push_back(c);
  }
  return tokens;
}

std::string GeneralDuration(double seconds, int64_t t, const std::string& format) {
  std::vector<DurationToken> tokens = TokenizeDurationFormat(format);
  bool hasD = false, hasH = false, hasM = false, hasS = false;
  for (const auto& tk : tokens) {
    hasD |= tk.cls == 'D';
    hasH |= tk.cls == 'H';
    hasM |= tk.cls == 'M';
    hasS |= tk.cls == 'S';
  }
  int64_t days = 0, hours = 0, minutes = 0, secs = 0;
  if (hasD) {
    days = t / 86400;
    t %= 86400;
  }
  if (hasH) {
    hours = t / 3600;
    t %= 3600;
  }
  if (hasM) {
    minutes = t / 60;
    t %= 60;
  }
  if (hasS) {
    secs = t;
    t = 0;
  }
  double fraction = std::isfinite(seconds) ? seconds - std::trunc(seconds) : 0.0;
  int64_t millis = TruncToInt64(std::nearbyint((static_cast<double>(t) + fraction) * 1000.0));

  std::string out;
  bool skip = false;
  for (const auto& tk : tokens) {
    if (tk.cls == 'L') {
      if (!skip) out += tk.text;
      skip = false;
      continue;
    }
    int64_t value = tk.cls == 'D'   ? days
                    : tk.cls == 'H' ? hours
                    : tk.cls == 'M' ? minutes
                    : tk.cls == 'S' ? secs
                                    : millis;
    size_t width = tk.text.size();
    if (out.empty()) {
      width = 0;
      for (char c : tk.text)
        if (c >= 'a' && c <= 'z') ++width;
    }
    if (width > 0)
      out += Pad(value, width);
    else if (value != 0)
      out += IntToStr(value);
    else
      skip = true;
  }
  return out;
}

}  // namespace

std::string SecondsToTime(double seconds, const std::string& format) {
  const int64_t t = TruncToInt64(seconds);
  const int64_t h = t / 3600, mi = t % 3600 / 60, s = t % 60;
  const int64_t ms = std::isfinite(seconds) ? TruncToInt64((seconds - std::trunc(seconds)) * 1000.0) : 0;
  if (format == "m:ss") return IntToStr(t / 60) + ":" + Pad(t % 60, 2);
  if (format == "mm:ss") return Pad(t / 60, 2) + ":" + Pad(t % 60, 2);
  if (format == "h:mm") return IntToStr(h) + ":" + Pad(mi, 2);
  if (format == "h:mm:ss") return IntToStr(h) + ":" + Pad(mi, 2) + ":" + Pad(s, 2);
  if (format == "hh:mm:ss") return Pad(h, 2) + ":" + Pad(mi, 2) + ":" + Pad(s, 2);
  if (format == "H:Mm:ss") return (h > 0 ? IntToStr(h) + ":" + Pad(mi, 2) : IntToStr(mi)) + ":" + Pad(s, 2);
  if (format == "H:mm:ss") return (h > 0 ? IntToStr(h) + ":" : std::string()) + Pad(mi, 2) + ":" + Pad(s, 2);
  if (format == "m:ss:vvv") return IntToStr(t / 60) + ":" + Pad(t % 60, 2) + ":" + Pad(ms, 3);
  if (format == "mm:ss:vvv") return Pad(t / 60, 2) + ":" + Pad(t % 60, 2) + ":" + Pad(ms, 3);
  if (format == "s") return IntToStr(t);
  if (format == "v") return IntToStr(TruncToInt64(seconds * 1000.0));
  if (format == "m") return IntToStr(t / 60);
  return GeneralDuration(seconds, t, format);
}

std::string SecondsToHHxMMxSSTime(int64_t seconds, const std::string& separator) {
  return Pad(seconds / 3600, 2) + separator + Pad(seconds % 3600 / 60, 2) + separator + Pad(seconds % 60, 2);
}

std::string SecondsToMMxSSorHHxMMxSSTime(int64_t seconds, const std::string& separator) {
  if (seconds < 3600) return Pad(seconds / 60, 2) + separator + Pad(seconds % 60, 2);
  return SecondsToHHxMMxSSTime(seconds, separator);
}

namespace {

bool IsFormatLetter(char c) { return c == 'd' || c == 'm' || c == 'y' || c == 'h' || c == 'n' || c == 's'; }

std::string PadNumber(int value, size_t width) {
  std::string s = std::to_string(value);
  if (s.size() < width) s.insert(0, width - s.size(), '0');
  return s;
}

size_t RunLength(const std::string& pattern, size_t pos) {
  size_t n = 1;
  while (pos + n < pattern.size() && pattern[pos + n] == pattern[pos]) ++n;
  return n;
}

}  // namespace

std::string FormatDateTimeWith(const std::string& format, TDateTime value) {
  int year, month, day, hour, minute, second, millisecond;
  if (!DecodeDateTime(value, year, month, day, hour, minute, second, millisecond)) return "";
  std::string out;
  for (size_t i = 0; i < format.size();) {
    char c = format[i];
    if (!IsFormatLetter(c)) {
      out += format[i++];
      continue;
    }
    size_t run = 0;
    while (i < format.size() && format[i] == c) ++i, ++run;
    int v = 0;
    switch (c) {
      case 'y': v = run <= 2 ? year % 100 : year; break;
      case 'm': v = month; break;
      case 'd': v = day; break;
      case 'h': v = hour; break;
      case 'n': v = minute; break;
      case 's': v = second; break;
    }
    std::string digits = std::to_string(v);
    if (digits.size() < run) digits.insert(0, run - digits.size(), '0');
    out += digits;
  }
  return out;
}

std::string FormatDateTimePattern(const std::string& pattern, int year, int month, int day, int hour, int minute,
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

std::string FormatDateAndTime(TDateTime value, const std::string& datePattern, const std::string& timePattern) {
  int year, month, day, hour, minute, second, millisecond;
  if (!DecodeDateTime(value, year, month, day, hour, minute, second, millisecond)) return "";
  std::string text = FormatDateTimePattern(datePattern, year, month, day, hour, minute, second);
  if (hour != 0 || minute != 0 || second != 0) {
    text += ' ';
    text += FormatDateTimePattern(timePattern, year, month, day, hour, minute, second);
  }
  return text;
}

bool UnixTimeToLocalDateTime(int64_t seconds, TDateTime& value) {
  const auto t = static_cast<time_t>(seconds);
  std::tm parts{};
  if (localtime_r(&t, &parts) == nullptr) return false;
  TDateTime date = 0;
  TDateTime time = 0;
  if (!TryEncodeDate(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, date) ||
      !TryEncodeTime(parts.tm_hour, parts.tm_min, std::min(parts.tm_sec, 59), 0, time)) {
    return false;
  }
  value = ComposeDateTime(date, time);
  return true;
}
