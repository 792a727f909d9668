#include "foundation/dates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <sstream>

#include "support/test_support.h"

namespace {

TDateTime Date(int y, int m, int d) {
  TDateTime v = 0;
  EXPECT_TRUE(TryEncodeDate(y, m, d, v)) << y << "-" << m << "-" << d;
  return v;
}

TDateTime At(int y, int mo, int d, int h, int mi, int s) {
  TDateTime t = 0;
  EXPECT_TRUE(TryEncodeTime(h, mi, s, 0, t));
  return ComposeDateTime(Date(y, mo, d), t);
}

constexpr TDateTime kDef = -12345.5;

TEST(Dates, DaySerials) {
  EXPECT_EQ(Date(2024, 2, 29), 45351);
  EXPECT_EQ(Date(1899, 12, 30), 0);
  EXPECT_EQ(Date(1899, 12, 31), 1);
  EXPECT_EQ(Date(1900, 3, 1), 61);  // no leap day in 1900
  EXPECT_EQ(Date(1, 1, 1), -693593);
  EXPECT_EQ(Date(9999, 12, 31), 2958465);
  TDateTime v;
  const int invalid[][3] = {{2023, 2, 29}, {1900, 2, 29}, {2024, 4, 31}, {0, 1, 1},
                            {10000, 1, 1}, {2024, 0, 1},  {2024, 13, 1}, {2024, 1, 0}};
  for (const auto& [y, m, d] : invalid) EXPECT_FALSE(TryEncodeDate(y, m, d, v)) << y << "-" << m << "-" << d;
  EXPECT_TRUE(TryEncodeDate(2000, 2, 29, v));
  EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, v));
  EXPECT_FALSE(TryEncodeTime(0, 60, 0, 0, v));
  EXPECT_FALSE(TryEncodeTime(0, 0, 60, 0, v));
  ASSERT_TRUE(TryEncodeTime(12, 0, 0, 0, v));
  EXPECT_EQ(v, 0.5);
}

TEST(Dates, FourteenDigitStrings) {
  EXPECT_EQ(DateTimeToYYYYMMDDHHMMSSStringWithoutSeparator(At(2024, 1, 31, 23, 59, 59)), "20240131235959");
  EXPECT_EQ(DateTimeToYYYYMMDDHHMMSSStringWithoutSeparator(At(1, 1, 1, 0, 0, 0)), "00010101000000");
  // Before the epoch the fraction still counts forward within its day.
  EXPECT_EQ(DateTimeToYYYYMMDDHHMMSSStringWithoutSeparator(-1.25), "18991229060000");
  EXPECT_EQ(DateTimeToYYYYMMDDHHMMSSStringWithoutSeparator(At(1899, 12, 29, 6, 0, 0)), "18991229060000");
  // A hair before midnight rounds into the next day, not to "24:00:00".
  EXPECT_EQ(DateTimeToYYYYMMDDHHMMSSStringWithoutSeparator(Date(2024, 2, 28) + 0.9999999999), "20240229000000");
  EXPECT_EQ(DateTimeToYYYYMMDDHHMMSSStringWithoutSeparator(1e9), "");
  EXPECT_EQ(DateTimeToYYYYMMDDHHMMSSStringWithoutSeparator(std::nan("")), "");

  struct Case {
    const char* text;
    TDateTime want;
  } cases[] = {
      {"20240229", Date(2024, 2, 29)},
      {"20230229", kDef},
      {"2024013112", At(2024, 1, 31, 12, 0, 0)},
      {"20240131235959", At(2024, 1, 31, 23, 59, 59)},
      {"2024-01-31", kDef},
      {"2024", kDef},  // month 00
      {"", kDef},
      {"202401311200000", kDef},  // 15 characters
      {"20240131240000", kDef},
      {"2024013123596", kDef},  // seconds 60
      {"20240131 12", kDef},
  };
  for (const auto& c : cases) EXPECT_EQ(YYYYMMDDHHMMSSStringWithoutSeparatorToDateTime(c.text, kDef), c.want) << c.text;

  EXPECT_EQ(YYYYMMDDHHMMSSStringWithoutSeparatorToStrWithSeparators("20241399"), "2024-13-99 00:00:00");
  EXPECT_EQ(YYYYMMDDHHMMSSStringWithoutSeparatorToStrWithSeparators("20240131235959"), "2024-01-31 23:59:59");
  EXPECT_EQ(YYYYMMDDHHMMSSStringWithoutSeparatorToStrWithSeparators("x"), "");
  EXPECT_EQ(YYYYMMDDHHMMSSStringWithoutSeparatorToStrWithSeparators("202401311200000"), "");
}

TEST(Dates, FourteenDigitRoundTrip) {
  std::mt19937 rng(3);
  for (int i = 0; i < 500; ++i) {
    int64_t day = static_cast<int64_t>(rng() % 2958465) - 600000;
    int64_t sec = rng() % 86400;
    TDateTime v = ComposeDateTime(static_cast<double>(day), static_cast<double>(sec) / 86400.0);
    std::string s = DateTimeToYYYYMMDDHHMMSSStringWithoutSeparator(v);
    ASSERT_EQ(s.size(), 14u) << v;
    EXPECT_EQ(DateTimeToYYYYMMDDHHMMSSStringWithoutSeparator(YYYYMMDDHHMMSSStringWithoutSeparatorToDateTime(s, kDef)),
              s);
  }
}

TEST(Dates, SeparatedLayouts) {
  struct Case {
    const char* text;
    TDateTime want;
  } cases[] = {
      {"2024-01-31", Date(2024, 1, 31)},
      {"2024/01/31", Date(2024, 1, 31)},
      {"  2024.01.31 \t", Date(2024, 1, 31)},
      {"2024-01-31 12:30:00", At(2024, 1, 31, 12, 30, 0)},
      {"2024-01-31T12:30:15", At(2024, 1, 31, 12, 30, 15)},
      {"2024-01-31T12:30", Date(2024, 1, 31)},     // 16 characters: the date alone
      {"2024-01-31 25:00:00", Date(2024, 1, 31)},  // bad time, date kept
      {"2024-02-30", 0},
      {"2024-1-31", 0},  // 9 characters
      {"abcd-01-31", 0},
      {"", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(YYYYxMMxDDxHHxMMxSSToDateTime(c.text), c.want) << c.text;

  EXPECT_TRUE(IsYYYYMMDDDate("2024-02-28", '-'));
  EXPECT_TRUE(IsYYYYMMDDDate("2024-02-29", '-'));
  EXPECT_FALSE(IsYYYYMMDDDate("2024-02-30", '-'));
  EXPECT_FALSE(IsYYYYMMDDDate("2024/02/28", '-'));
  EXPECT_FALSE(IsYYYYMMDDDate("2024-02-28 ", '-'));
  EXPECT_FALSE(IsYYYYMMDDDate("2024-0a-28", '-'));
  EXPECT_TRUE(IsYYYYMMDDDate("2024/02/28", '/'));
}

TEST(Dates, StrToDateTimeFormatDef) {
  struct Case {
    const char* text;
    const char* format;
    TDateTime want;
  } cases[] = {
      {"31.01.2024 7:05", "dd.mm.yyyy hh:nn", At(2024, 1, 31, 7, 5, 0)},
      {"31.01.2024", "dd.mm.yyyy hh:nn", kDef},  // 3 runs, 5 fields
      {"31.01.2024", "dd.mm.yyyy", Date(2024, 1, 31)},
      {"2024-01-31T08:09:10", "yyyy-mm-ddThh:nn:ss", At(2024, 1, 31, 8, 9, 10)},
      {"24-01-31", "yy-mm-dd", Date(24, 1, 31)},  // two-digit years stand as they are
      {"2024/2/30", "yyyy/m/d", kDef},
      {"12:30", "hh:nn", kDef},                           // no date fields
      {"1999 01 2024 31", "y m y d", Date(2024, 1, 31)},  // a repeated field takes its last run
      {"20240131", "yyyymmdd", kDef},                     // one run for three fields
      {"99999999999999999999.01.2024", "dd.mm.yyyy", kDef},
      {"", "yyyy", kDef},
      {"2024", "", kDef},
  };
  for (const auto& c : cases) EXPECT_EQ(StrToDateTimeFormatDef(c.text, c.format, kDef), c.want) << c.text;
}

TEST(Durations, NamedFormats) {
  struct Case {
    double seconds;
    const char* format;
    const char* want;
  } cases[] = {
      {65.75, "m:ss", "1:05"},
      {65.75, "mm:ss", "01:05"},
      {65.75, "m:ss:vvv", "1:05:750"},
      {65.75, "mm:ss:vvv", "01:05:750"},
      {65.75, "v", "65750"},
      {65.75, "s", "65"},
      {65.75, "m", "1"},
      {3725, "h:mm", "1:02"},
      {3725, "h:mm:ss", "1:02:05"},
      {3725, "hh:mm:ss", "01:02:05"},
      {3725, "H:Mm:ss", "1:02:05"},
      {3725, "H:mm:ss", "1:02:05"},
      {125, "H:Mm:ss", "2:05"},
      {125, "H:mm:ss", "02:05"},
      {90000, "hh:mm:ss", "25:00:00"},
      {6000, "mm:ss", "100:00"},
      {0.9999, "m:ss:vvv", "0:00:999"},
  };
  for (const auto& c : cases) EXPECT_EQ(SecondsToTime(c.seconds, c.format), c.want) << c.seconds << " " << c.format;
}

TEST(Durations, GeneralFormat) {
  struct Case {
    double seconds;
    const char* format;
    const char* want;
  } cases[] = {
      {65, "D'd 'H'h 'M'm", "1m"},
      {90061, "D'd 'H'h 'M'm", "1d 1h 1m"},
      {3660, "D'd 'H'h 'M'm", "1h 1m"},
      {65, "hh'h 'mm'm'", "00h 01m"},
      {90061, "d'd' hh:mm:ss", "1d 01:01:01"},
      {0.25, "S.vvv", "250"},      // zero seconds vanish with the "."
      {1.0625, "S.vvv", "1.062"},  // milliseconds round half to even
      {1.1875, "S.vvv", "1.188"},
      {61.5, "m:vvv", "1:1500"},  // without seconds they go into the milliseconds
      {3725, "h'h'm''s", "1h2'5"},
      {5, "'it''s' s", "it's 5"},
      {5, "'dhms'", "dhms"},
      {5, "'unclosed s", "unclosed s"},
      {0, "", ""},
      {86400 * 3, "D", "3"},
      {0, "D", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(SecondsToTime(c.seconds, c.format), c.want) << c.seconds << " " << c.format;
}

TEST(Durations, ClockTexts) {
  EXPECT_EQ(SecondsToHHxMMxSSTime(3725, ":"), "01:02:05");
  EXPECT_EQ(SecondsToHHxMMxSSTime(90000, ":"), "25:00:00");
  EXPECT_EQ(SecondsToHHxMMxSSTime(0, "."), "00.00.00");
  EXPECT_EQ(SecondsToMMxSSorHHxMMxSSTime(125, ":"), "02:05");
  EXPECT_EQ(SecondsToMMxSSorHHxMMxSSTime(3599, ":"), "59:59");
  EXPECT_EQ(SecondsToMMxSSorHHxMMxSSTime(3600, ":"), "01:00:00");
}

TEST(Durations, NonFiniteAndHugeValuesStayDefined) {
  for (double v :
       {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(), 1e300, -1e300})
    for (const char* f : {"m:ss", "v", "hh:mm:ss", "D'd 'H'h 'M'm S.vvv"}) EXPECT_NO_FATAL_FAILURE(SecondsToTime(v, f));
  EXPECT_EQ(SecondsToTime(std::nan(""), "s"), "0");
}

TEST(ToolCheckDates, DaySerialsAndDigitStringsAgreeWithPython) {
  testsupport::TempDir dir;
  std::mt19937 rng(11);
  std::ostringstream input;
  struct Case {
    int64_t day, sec;
  };
  std::vector<Case> cases = {{0, 0}, {61, 0}, {45351, 0}, {-693593, 0}, {2958465, 86399}, {-1, 21600}, {59, 3600}};
  for (int i = 0; i < 400; ++i)
    cases.push_back({static_cast<int64_t>(rng() % 3652059) - 693593, static_cast<int64_t>(rng() % 86400)});
  for (const auto& c : cases) input << c.day << ' ' << c.sec << '\n';
  testsupport::WriteFileBytes(dir.file("cases.txt"), input.str());
  testsupport::WriteFileBytes(dir.file("check.py"), R"PY(
import sys, datetime
epoch = datetime.datetime(1899, 12, 30)
for line in open(sys.argv[1]):
    day, sec = map(int, line.split())
    d = epoch + datetime.timedelta(days=day, seconds=sec)
    serial = (d.date() - epoch.date()).days
    print(d.year, d.month, d.day, serial,
          "%04d%02d%02d%02d%02d%02d" % (d.year, d.month, d.day, d.hour, d.minute, d.second))
)PY");
  auto r = testsupport::RunCommand(testsupport::Python3() + " " + testsupport::ShellQuote(dir.file("check.py")) + " " +
                                   testsupport::ShellQuote(dir.file("cases.txt")));
  ASSERT_EQ(r.exitCode, 0);
  std::istringstream out(r.out);
  for (const auto& c : cases) {
    int y, m, d;
    int64_t serial;
    std::string digits;
    ASSERT_TRUE(out >> y >> m >> d >> serial >> digits);
    TDateTime date;
    ASSERT_TRUE(TryEncodeDate(y, m, d, date));
    EXPECT_EQ(date, static_cast<double>(serial)) << digits;
    EXPECT_EQ(date, static_cast<double>(c.day)) << digits;
    TDateTime v = ComposeDateTime(static_cast<double>(c.day), static_cast<double>(c.sec) / 86400.0);
    EXPECT_EQ(DateTimeToYYYYMMDDHHMMSSStringWithoutSeparator(v), digits);
    EXPECT_EQ(YYYYMMDDHHMMSSStringWithoutSeparatorToDateTime(digits, kDef), v) << digits;
  }
}

}  // namespace

namespace {

TEST(DateTimeText, LocalePatternsWithTheTimeLeftOutAtMidnight) {
  TDateTime day = 0;
  ASSERT_TRUE(TryEncodeDate(2024, 3, 7, day));
  EXPECT_EQ(FormatDateAndTime(day, "dd.MM.yyyy", "HH:mm:ss"), "07.03.2024");
  TDateTime time = 0;
  ASSERT_TRUE(TryEncodeTime(15, 4, 5, 0, time));
  EXPECT_EQ(FormatDateAndTime(day + time, "M/d/yy", "h:mm:ss AP"), "3/7/24 3:04:05 PM");
  EXPECT_EQ(FormatDateAndTime(-1e9, "dd.MM.yyyy", "HH:mm:ss"), "");
  // The local date-time of a Unix time round-trips through the parts.
  TDateTime local = 0;
  ASSERT_TRUE(UnixTimeToLocalDateTime(1709823845, local));
  EXPECT_EQ(FormatDateTimeWith("yyyy", local), "2024");
}

}  // namespace
