// The date-time edit's format and mask, derived from the system's short date
// and long time formats, and writing a date-time in such a format.
#pragma once

#include <string>

#include "foundation/dates.h"

// Builds the edit's format from the system formats as Qt gives them (date:
// d, M, y; time: H or h, m, s). Day, month, year, hour, minute and second are
// each widened to two digits (the year to four) on their own, so "d.M.yy"
// and "H:mm:ss" give "dd.mm.yyyy hh:nn:ss" (minutes are "n", as the parser
// reads them). Fields that hold no number (AM/PM, time zone) are dropped.
std::string BuildDateTimeEditFormat(const std::string& shortDateFormat, const std::string& longTimeFormat);
// "!" + the format with every field letter as "9" + ";1;_".
std::string DateTimeEditMask(const std::string& format);
// The same mask in Qt's input-mask syntax (literals escaped, "_" as blank).
std::string DateTimeEditQtInputMask(const std::string& format);
