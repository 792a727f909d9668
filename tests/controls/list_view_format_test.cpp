#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <string>

#include "controls/list_view_format.h"
#include "foundation/dates.h"

namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
constexpr int64_t kTera = 1000000000000;

// File dates are local times; the table is written for UTC.
class UtcZone {
 public:
  UtcZone() {
    const char* old = std::getenv("TZ");
    had_ = old != nullptr;
    if (had_) old_ = old;
    setenv("TZ", "UTC", 1);
    tzset();
  }
  ~UtcZone() {
    if (had_) {
      setenv("TZ", old_.c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  bool had_ = false;
  std::string old_;
};

struct FormatCase {
  TVirtualListViewFormatType format;
  int64_t value;
  const char* text;
};

TEST(ListViewFormat, AllTwelveIntegerFormats) {
  UtcZone utc;
  TListViewDisplaySettings settings;  // ".", ",", best unit, 3 decimals, "H:Mm:ss"
  const TStrArray options = {"No", "Yes"};
  const FormatCase cases[] = {
      {vlvFormatDefault, 0, "0"},
      {vlvFormatDefault, -1, "-1"},
      {vlvFormatDefault, kMax, "9223372036854775807"},
      {vlvFormatDefault, kMin, "-9223372036854775808"},

      {vlvFormatShowOption, 0, "No"},
      {vlvFormatShowOption, 1, "Yes"},
      {vlvFormatShowOption, -1, "-1"},
      {vlvFormatShowOption, 59, "59"},
      // Only the low 32 bits count.
      {vlvFormatShowOption, kTera, "-727379968"},
      {vlvFormatShowOption, kMax, "-1"},
      {vlvFormatShowOption, kMin, "No"},
      {vlvFormatShowOption, 4294967297, "Yes"},

      {vlvFormatSecToHMS, 0, "00:00:00"},
      {vlvFormatSecToHMS, 1, "00:00:01"},
      {vlvFormatSecToHMS, 59, "00:00:59"},
      {vlvFormatSecToHMS, 60, "00:01:00"},
      {vlvFormatSecToHMS, 3599, "00:59:59"},
      {vlvFormatSecToHMS, 3600, "01:00:00"},
      {vlvFormatSecToHMS, 86399, "23:59:59"},
      {vlvFormatSecToHMS, 86400, "24:00:00"},
      {vlvFormatSecToHMS, 1024, "00:17:04"},
      {vlvFormatSecToHMS, kTera, "277777777:46:40"},
      {vlvFormatSecToHMS, kMax, "2562047788015215:30:07"},

      {vlvFormatSecToMSorHMS, 0, "00:00"},
      {vlvFormatSecToMSorHMS, 59, "00:59"},
      {vlvFormatSecToMSorHMS, 60, "01:00"},
      {vlvFormatSecToMSorHMS, 3599, "59:59"},
      {vlvFormatSecToMSorHMS, 3600, "01:00:00"},
      {vlvFormatSecToMSorHMS, 86399, "23:59:59"},
      {vlvFormatSecToMSorHMS, 86400, "24:00:00"},
      {vlvFormatSecToMSorHMS, 1023, "17:03"},
      {vlvFormatSecToMSorHMS, kTera, "277777777:46:40"},

      {vlvFormatMsToTime, 0, "0:00"},
      {vlvFormatMsToTime, 999, "0:00"},
      {vlvFormatMsToTime, 1024, "0:01"},
      {vlvFormatMsToTime, 59999, "0:59"},
      {vlvFormatMsToTime, 60000, "1:00"},
      {vlvFormatMsToTime, 3599999, "59:59"},
      {vlvFormatMsToTime, 3600000, "1:00:00"},
      {vlvFormatMsToTime, 86400000, "24:00:00"},
      {vlvFormatMsToTime, kTera, "277777:46:40"},

      {vlvFormatBytesToBestUnit, 0, "0 Byte"},
      {vlvFormatBytesToBestUnit, 1, "1 Byte"},
      {vlvFormatBytesToBestUnit, -1, "-1 Byte"},
      {vlvFormatBytesToBestUnit, 999, "999 Byte"},
      {vlvFormatBytesToBestUnit, 1000, "0.977 KB"},
      {vlvFormatBytesToBestUnit, 1023, "0.999 KB"},
      {vlvFormatBytesToBestUnit, 1024, "1.000 KB"},
      {vlvFormatBytesToBestUnit, 3599, "3.515 KB"},
      {vlvFormatBytesToBestUnit, 86400, "84.375 KB"},
      {vlvFormatBytesToBestUnit, kTera, "0.909 TB"},
      {vlvFormatBytesToBestUnit, kMax, "8,388,608.000 TB"},
      {vlvFormatBytesToBestUnit, kMin, "-8,388,608.000 TB"},

      {vlvFormatFileSize, 0, "0 Byte"},
      {vlvFormatFileSize, 1, "1 Byte"},
      {vlvFormatFileSize, 1023, "1,023 Byte"},
      {vlvFormatFileSize, 1024, "1.000 KB"},
      {vlvFormatFileSize, 3599, "3.515 KB"},
      {vlvFormatFileSize, 86399, "84.374 KB"},
      {vlvFormatFileSize, kTera, "931.323 GB"},
      {vlvFormatFileSize, kMax, "8,388,608.000 TB"},

      {vlvFormatFileDate, 0, "1970-01-01"},
      {vlvFormatFileDate, 1, "1970-01-01 00:00:01"},
      {vlvFormatFileDate, -1, "1969-12-31 23:59:59"},
      {vlvFormatFileDate, 60, "1970-01-01 00:01:00"},
      {vlvFormatFileDate, 3599, "1970-01-01 00:59:59"},
      {vlvFormatFileDate, 86399, "1970-01-01 23:59:59"},
      {vlvFormatFileDate, 86400, "1970-01-02"},
      {vlvFormatFileDate, kTera, "1946-12-14 06:00:32"},
      {vlvFormatFileDate, kMax, "1969-12-31 23:59:59"},
      {vlvFormatFileDate, kMin, "1970-01-01"},

      {vlvFormat100To1Percent, 0, "0.00 %"},
      {vlvFormat100To1Percent, 1, "0.01 %"},
      {vlvFormat100To1Percent, -1, "-0.01 %"},
      {vlvFormat100To1Percent, 59, "0.59 %"},
      {vlvFormat100To1Percent, 60, "0.60 %"},
      {vlvFormat100To1Percent, 3599, "35.99 %"},
      {vlvFormat100To1Percent, 86400, "864.00 %"},
      {vlvFormat100To1Percent, kTera, "10000000000.00 %"},

      {vlvFormatLeadingZeros2, 0, "00"},
      {vlvFormatLeadingZeros2, 1, "01"},
      {vlvFormatLeadingZeros2, -1, "-1"},
      {vlvFormatLeadingZeros2, 59, "59"},
      {vlvFormatLeadingZeros2, 3599, "3599"},
      {vlvFormatLeadingZeros3, 7, "007"},
      {vlvFormatLeadingZeros3, 1234, "1234"},
      {vlvFormatLeadingZeros3, -5, "0-5"},
      {vlvFormatLeadingZeros3, -1, "0-1"},
      {vlvFormatLeadingZeros4, 1, "0001"},
      {vlvFormatLeadingZeros4, 60, "0060"},
      {vlvFormatLeadingZeros4, -1, "00-1"},
      {vlvFormatLeadingZeros4, kMin, "-9223372036854775808"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VlvFormatIntCell(c.value, c.format, options, settings), c.text)
        << "format " << c.format << " value " << c.value;
  }
}

TEST(ListViewFormat, LocaleSeparatorsAndFileSizeSettings) {
  TListViewDisplaySettings settings;
  settings.Number = NumberFormat{",", "."};
  EXPECT_EQ(VlvFormatIntCell(1000, vlvFormatBytesToBestUnit, {}, settings), "0,977 KB");
  EXPECT_EQ(VlvFormatIntCell(3599, vlvFormat100To1Percent, {}, settings), "35,99 %");
  EXPECT_EQ(VlvFormatIntCell(1023, vlvFormatFileSize, {}, settings), "1.023 Byte");
  settings.FileSizeType = sizeTypeKB;
  settings.FileSizeDecimalPlaces = 1;
  settings.FileSizeIncludeUnit = false;
  EXPECT_EQ(VlvFormatIntCell(2048, vlvFormatFileSize, {}, settings), "2,0");
  settings.TimeFormat = "hh:mm:ss";
  EXPECT_EQ(VlvFormatIntCell(61000, vlvFormatMsToTime, {}, settings), "00:01:01");
}

TEST(ListViewFormat, OptionTextsAndDatePatterns) {
  const TStrArray options = {"a=Alpha", "b"};
  EXPECT_EQ(VlvOptionText(options, 0, false), "a=Alpha");
  EXPECT_EQ(VlvOptionText(options, 0, true), "Alpha");
  EXPECT_EQ(VlvOptionText(options, 1, true), "b");
  EXPECT_EQ(VlvOptionText(options, 2, true), "2");
  EXPECT_EQ(FormatDateTimePattern("M/d/yy", 2024, 3, 7, 0, 0, 0), "3/7/24");
  EXPECT_EQ(FormatDateTimePattern("dd.MM.yyyy", 2024, 3, 7, 0, 0, 0), "07.03.2024");
  EXPECT_EQ(FormatDateTimePattern("h:mm:ss AP t", 2024, 3, 7, 15, 4, 5), "3:04:05 PM");
  EXPECT_EQ(FormatDateTimePattern("h:mm ap", 2024, 3, 7, 0, 4, 5), "12:04 am");
  EXPECT_EQ(FormatDateTimePattern("HH'h'mm", 2024, 3, 7, 9, 4, 5), "09h04");
}

}  // namespace
