// Display texts of list cells: the twelve integer formats, option texts and
// file dates. Plain C++; the widget fills the locale parts from the system.
#pragma once

#include <cstdint>
#include <string>

#include "controls/list_view_types.h"
#include "foundation/number_format.h"
#include "foundation/types.h"

struct TListViewDisplaySettings {
  NumberFormat Number;
  // Patterns with the tokens d dd M MM yy yyyy h hh H HH m mm s ss AP ap and
  // literal text between apostrophes; other characters stand for themselves.
  std::string ShortDateFormat = "yyyy-MM-dd";
  std::string LongTimeFormat = "HH:mm:ss";
  TSizeType FileSizeType = sizeTypeBestUnit;
  int32_t FileSizeDecimalPlaces = 3;
  bool FileSizeIncludeUnit = true;
  // A duration format name for vlvFormatMsToTime.
  std::string TimeFormat = "H:Mm:ss";
};

// Option number value of the options when it is one, else its decimal text;
// with afterEquals only the part after the first "=" of that option.
std::string VlvOptionText(const TStrArray& options, int32_t value, bool afterEquals);

// The text of an integer cell in the given format.
std::string VlvFormatIntCell(int64_t value, TVirtualListViewFormatType format, const TStrArray& options,
                             const TListViewDisplaySettings& settings);

// A file date (seconds since 1970, local time) in the date pattern, followed
// by a blank and the time pattern unless the time is exactly midnight.
std::string VlvFormatFileDate(int32_t fileDate, const std::string& datePattern, const std::string& timePattern);
