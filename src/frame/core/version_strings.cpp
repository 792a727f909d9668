#include "frame/core/version_strings.h"

#include <cstdint>

#include "foundation/number_format.h"

namespace {

bool IsWhole(const std::string& text, int32_t& value) { return !text.empty() && TryStrToInt(text, value); }

struct TDateParts {
  std::string yy, mm, dd;
  int32_t month = 0, day = 0;
};

// Characters are counted from 1 as the date is written.
bool SplitDate(const std::string& date, TDateParts& parts) {
  if (date.size() < 10) return false;
  int32_t year = 0;
  parts = {date.substr(2, 2), date.substr(5, 2), date.substr(8, 2)};
  if (IsWhole(parts.yy, year) && IsWhole(parts.mm, parts.month) && IsWhole(parts.dd, parts.day)) return true;
  parts = {date.substr(8, 2), date.substr(3, 2), date.substr(0, 2)};
  return IsWhole(parts.yy, year) && IsWhole(parts.mm, parts.month) && IsWhole(parts.dd, parts.day);
}

}  // namespace

std::string GetProgCompilationYear(const std::string& compilationDate) {
  if (compilationDate.size() <= 5) return std::string();
  int32_t year = 0;
  if (IsWhole(compilationDate.substr(0, 4), year)) return compilationDate.substr(0, 4);
  const std::string last = compilationDate.substr(compilationDate.size() - 4);
  if (IsWhole(last, year)) return last;
  return std::string();
}

std::string GetProgVersion(const std::string& compilationDate) {
  TDateParts p;
  if (!SplitDate(compilationDate, p)) return compilationDate;
  return p.yy + "." + IntToStr(p.month) + "." + IntToStr(p.day);
}

std::string GetProgVersionAsYYMMDD(const std::string& compilationDate) {
  TDateParts p;
  if (!SplitDate(compilationDate, p)) return compilationDate;
  return p.yy + p.mm + p.dd;
}

std::string BuildDateFromCompilerDate(const std::string& compilerDate) {
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  if (compilerDate.size() != 11) return compilerDate;
  int32_t month = 0, day = 0, year = 0;
  for (int32_t m = 0; m < 12; ++m)
    if (compilerDate.compare(0, 3, kMonths[m]) == 0) month = m + 1;
  if (month == 0 || !TryStrToInt(compilerDate.substr(4, 2), day) || !TryStrToInt(compilerDate.substr(7, 4), year) ||
      day < 1 || day > 31 || year < 1000)
    return compilerDate;
  auto two = [](int32_t v) { return (v < 10 ? "0" : "") + IntToStr(v); };
  return IntToStr(year) + "/" + two(month) + "/" + two(day);
}
